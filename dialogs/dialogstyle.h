// The engraving style of the current score, edited on a copy of its
// Style; Apply and OK report through sigStyleApply.
//
// setDialog hands the dialog the edited Style (the caller's copy) and the
// score's defaults Style, neither owned; both must outlive the edit. Apply
// writes into the edited Style only the fields whose widgets changed after
// the last setDialog (by hand or through "Set Default Values"): a value a
// spin box cannot show (a ratio below its range, more decimals than it
// has) stays exactly as stored. The two font pickers write their font into
// the edited Style at once; it reaches the score with the next Apply.
// Before the first setDialog, Apply, "Set Default Values" and the pickers
// do nothing.
//
// One instance, a child of the main window for the whole run; the window
// geometry is kept under "Velmora_Style".
#pragma once

#include "dialogs/editedwidgets.h"
#include "dialogs/geometrydialog.h"
#include "dialogs/settingfields.h"

#include <QFont>
#include <QList>

class Style;
class Ui_DialogStyle;

class DialogStyle : public GeometryDialog
{
    Q_OBJECT

public:
    explicit DialogStyle(QWidget *parent = nullptr);
    ~DialogStyle() override;

    // Starts an edit of `style` with `defaultStyle` as the source of "Set
    // Default Values"; every widget shows `style`.
    void setDialog(Style *style, Style *defaultStyle);
    // Sets the dialog's texts in the current language.
    void retranslate();

signals:
    void sigStyleApply();

public slots:
    void setDefaultValues();
    void updateTextFont();
    void apply();
    void ok();
    void on_pushButtonDefaultTextFont_clicked();

private:
    struct Row
    {
        SettingField<Style> field;
        // Reloaded by "Set Default Values".
        bool reset = true;
    };
    void buildRows();
    // Asks for a font in place of the edited Style's `font`.
    void pickFont(QFont Style::*font);

    Ui_DialogStyle *ui = nullptr;
    Style *editedStyle = nullptr;
    Style *defaultStyle = nullptr;
    QList<Row> rows; // in loading order
    EditedWidgets edited;
};
