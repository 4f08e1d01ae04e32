// The modeless layout controller: nudges the layout of the score it is
// bound to one step per click and asks (sigUpdateDialogs) for the open
// dialogs, itself included, to reload.
//
// One instance, a child of the main window for the whole run. The bound
// score is not owned; while none is bound every control does nothing.
#pragma once

#include <QDialog>

class Score;
class Ui_DialogController;

class DialogController : public QDialog
{
    Q_OBJECT

public:
    explicit DialogController(QWidget *parent = nullptr);
    ~DialogController() override;

    // Binds `score` and shows its settings in the controls; a null score
    // only says so in the debug output and leaves the controls alone.
    void setScore(Score *score);
    // Sets the dialog's texts in the current language.
    void retranslate();

signals:
    void sigUpdateDialogs();

public slots:
    void on_pushButtonNoteFontSizePlus_clicked();
    void on_pushButtonNoteFontSizeMinus_clicked();
    void on_pushButtonMeasuresPerStagePlus_clicked();
    void on_pushButtonMeasuresPerStageMinus_clicked();
    void on_pushButtonPartWidthPlus_clicked();
    void on_pushButtonPartWidthMinus_clicked();
    void on_pushButtonSpaceBtStagesWider_clicked();
    void on_pushButtonSpaceBtStagesNarrower_clicked();
    void on_pushButtonMeasureLengthLonger_clicked();
    void on_pushButtonMeasureLengthShorter_clicked();
    void on_checkBoxLastStage_clicked(bool checked);
    void on_checkBoxLastPage_clicked(bool checked);
    void on_pushButtonClose_clicked();
    void on_checkBoxEqualLength_clicked(bool checked);
    void on_radioButtonGrid_clicked(bool checked);
    void on_radioButtonBanded_clicked(bool checked);
    void on_radioButtonFixedNumber_clicked(bool checked);
    void on_radioButtonAutomatic_clicked(bool checked);
    void on_checkBoxTimeProportional_clicked(bool checked);
    void on_pushButtonGapChordNoteWider_clicked();
    void on_pushButtonGapChordNoteNarrower_clicked();
    void on_pushButtonGapVoiceWider_clicked();
    void on_pushButtonGapVoiceNarrower_clicked();
    void on_pushButtonMaxChordWidthWider_clicked();
    void on_pushButtonMaxChordWidthNarrower_clicked();
    void on_pushButtonUniformTime_clicked();
    void on_pushButtonUniformSize_clicked();
    void on_pushButtonNotePosOffsetPlus_clicked();
    void on_pushButtonNotePosOffsetMinus_clicked();
    void on_pushButtonHeaderWidthWider_clicked();
    void on_pushButtonHeaderWidthNarrower_clicked();
    void on_radioButtonScoreHorizontal_clicked(bool checked);
    void on_radioButtonScoreVertical_clicked(bool checked);
    void on_sliderUniformity_sliderReleased();

private:
    // Runs one adjuster on the bound score, then asks for the reload.
    template <typename Adjust> void adjust(Adjust adjuster);
    void loadCheckStates();
    void loadUniformity();
    void loadEnabledStates();
    // Moves the slider by `step` within 0..100 and writes it to the score.
    void stepUniformity(int step);

    Score *score = nullptr;
    Ui_DialogController *ui = nullptr;
};
