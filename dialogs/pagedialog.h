// The measure and page settings of the current score, edited on a copy of
// its Page; Apply and OK report through sigPageApply.
//
// setDialog hands the dialog the edited Page (the caller's copy) and the
// score's defaults Page, neither owned; both must outlive the edit. Apply
// writes into the edited Page only the fields whose widgets changed after
// the last setDialog (by hand, through "Set Default Values" or through a
// rule the user's change set off), then recomputes its sheet and score
// rectangle: a value the widgets cannot show (a measure count of 0, a pad
// beyond a box's range, a sheet the list lacks) stays exactly as stored.
// Before the first setDialog, Apply and "Set Default Values" do nothing.
//
// One instance, a child of the main window for the whole run; the window
// geometry is kept under "Velmora_Page".
#pragma once

#include "dialogs/editedwidgets.h"
#include "dialogs/geometrydialog.h"
#include "dialogs/settingfields.h"

#include <QList>

class Page;
class Score;
class Ui_PageDialog;

class PageDialog : public GeometryDialog
{
    Q_OBJECT

public:
    PageDialog(Score *score, QWidget *parent = nullptr);
    ~PageDialog() override;

    // Starts an edit of `page` with `defaultPage` as the source of "Set
    // Default Values"; every widget shows `page`.
    void setDialog(Page *page, Page *defaultPage);
    // Sets the dialog's texts in the current language.
    void retranslate();

signals:
    void sigPageApply();

public slots:
    void setDefaultValues();
    void drawStageLineChanged(bool checked);
    void apply();
    void ok();
    void setDisplayOnly1stStageState();
    void setLandScape();
    void on_radioButtonMesPerLineFixed_toggled(bool checked);
    void on_radioButtonAutoNewLine_toggled(bool checked);
    void on_checkBoxDisplayTimeSignature_toggled(bool checked);
    void on_checkBoxDisplayMeasureBarLine_toggled(bool checked);
    void on_checkBoxFirstPageTop_toggled(bool checked);
    void on_checkBoxFirstStageTop_toggled(bool checked);

private:
    struct Row
    {
        SettingField<Page> field;
        // Left as shown by "Set Default Values".
        bool keptOnDefaults = false;
    };
    void buildRows();
    void addSheetItems();

    Ui_PageDialog *ui = nullptr;
    Score *score = nullptr;
    Page *page = nullptr;
    Page *defaultPage = nullptr;
    QList<Row> rows; // in loading order
    EditedWidgets edited;
};
