// Pastes settings copied from another score into the current one: all of
// them, the parts, the measure and page settings or the style. Each paste
// button emits its signal and leaves the dialog open.
//
// One instance, a child of the main window for the whole run.
#pragma once

#include <QDialog>

class Ui_DialogPasteSettings;

class DialogPasteSettings : public QDialog
{
    Q_OBJECT

public:
    explicit DialogPasteSettings(QWidget *parent = nullptr);
    ~DialogPasteSettings() override;

    // Sets the dialog's texts in the current language.
    void retranslate();
    // Shows the file (or MusicXML path) the settings were copied from.
    void setFilePath(const QString &path);

signals:
    void sigPasteSettingsAll();
    void sigPasteSettingsParts();
    void sigPasteSettingsMeasurePage();
    void sigPasteSettingsStyle();

public slots:
    void on_pushButtonAllSettings_clicked();
    void on_pushButtonPartSettings_clicked();
    void on_pushButtonMeasurePageSettings_clicked();
    void on_pushButtonStyleSettings_clicked();
    void on_pushButtonClose_clicked();

private:
    Ui_DialogPasteSettings *ui = nullptr;
};
