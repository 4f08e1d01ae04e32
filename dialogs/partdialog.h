// The part settings dialog: the user edits the settings of every part of a
// score at once (names, notation style and note font, key, sizes, what is
// output, the staff-note options, the lyric font, boundary lines and time
// ticks, alignment and note widths) and applies them as one change.
//
// The dialog never touches a score. setDialog hands it a list of part
// copies (owned by the caller, who keeps it alive for the edit) and the
// score's default part; the dialog edits private copies of its own and, on
// Apply or OK, writes them into the handed list and emits sigPartApply.
//
// Showing a part writes nothing into its private copy, except a note font
// its style's folder does not hold, which becomes the folder's first font:
// values outside a box's range or finer than its decimals stay as stored
// until the user edits that very field.
//
// Result codes of a modal run: 1 after an Apply, 2 after OK; Cancel and the
// window's close button leave the code as it was. The window geometry is
// kept under "Velmora_Part". Errors: OK or Apply with
// no part set to be output shows a warning and writes nothing.
#pragma once

#include "dialogs/geometrydialog.h"

#include <QList>

class Part;
class Ui_PartDialog;

class PartDialog : public GeometryDialog
{
    Q_OBJECT

public:
    explicit PartDialog(QWidget *parent = nullptr);
    ~PartDialog() override;

    // Starts an edit of `parts` (not owned) with `defaultPart` (not owned)
    // as the source of "Set Default Values". An empty list is ignored.
    void setDialog(QList<Part *> *parts, Part *defaultPart);
    void retranslate();
    // Checks "More": the detail area shows when checked.
    void setMoreChecked(bool checked);
    // Writes the dialog's fields of each private copy into the handed part
    // at the same index.
    void applyToParts();
    // Whether at least one part is set to be output; warns when none is.
    bool checkOutput();

signals:
    void sigPartApply();

protected:
    void showEvent(QShowEvent *event) override;

public slots:
    void setPartUi(int row);
    void updatePartName(const QString &text);
    void updatePartAbbreviation(const QString &text);
    void updatePartOutput(bool checked);
    void updatePartWholeRestLine(bool checked);
    void updateNoteOutput(bool checked);
    void updatePartNotationStyle(int index);
    void updateInstrumentKey(int index);
    void updateNoteFontSize(double value);
    void updatePartWidthScale(double value);
    void updatePartShift(double value);
    void updateBoundaryLeftBottom(bool checked);
    void updateBoundaryRightTop(bool checked);
    void updateTimeTicks(bool checked);
    void updateTimeTicks16th(bool checked);
    void updateLyricsFont();
    void updateNoteFontName(const QString &name);
    void updateLyricsOutput(bool checked);
    void updateWholeRestOutput(bool checked);
    void updateSlurOutput(bool checked);
    void updateStaffNoteOutput(bool checked);
    void updateStaffNoteTieStopOutput(bool checked);
    void updateStaffNoteBeams(bool checked);
    void updateStaffNoteReverseOrder(bool checked);
    void updateStaffNoteLyricStart(int value);
    void updateStaffNoteOctaveInst(bool checked);
    void updateStaffNoteBreathMark(bool checked);
    void updateStaffNoteTremoloLine(bool checked);
    void updateStaffNoteExtensionBarDot(bool checked);
    void updateStaffNoteRestNote(bool checked);
    void updateAlignInTime(bool checked);
    void updateNoteInterval(double value);
    void updateNoteWidth1(double value);
    void updateNoteWidth2(double value);
    void updateNoteWidth4(double value);
    void updateNoteWidth8(double value);
    void updateNoteWidth16(double value);
    void updateNoteWidth32(double value);
    void setDefaultValues();
    void apply();
    void ok();
    void on_pushButtonMore_toggled(bool checked);
    void on_comboBoxNotationStyle_currentIndexChanged(int index);
    void on_pushButtonSetToAllPartsStyle_clicked();
    void on_checkBoxLyricsOutput_toggled(bool checked);

private:
    // The dialog width at which the whole form shows without a horizontal
    // scroll bar, in the language shown.
    int widthForContents() const;
    // Brings every layout of the form up to date with its texts.
    void refreshFormLayouts();
    // Sets the dialog's width for the form shown (basic or with More),
    // within the screen, and once shown grows its height to the form's.
    void fitToContents();
    // Grows the shown dialog to the form's height, within the screen.
    void growToContents();
    // The private copy the user edits: none before the first setDialog and
    // none while a part is being shown (showing is not editing).
    Part *editedPart() const;
    // Sets every widget from `source` and lists its style's fonts.
    void showPart(const Part *source);
    // Lists the note fonts of the folder of style `code`.
    void listFonts(int code);
    // Selects `name` in the font list; false when the list lacks it.
    bool selectFont(const QString &name);
    // The nine widgets of the note-names-to-lyrics options.
    QList<QWidget *> staffNoteOptions() const;
    void setToAllPartsSizes();
    void fillStyleItems();
    void fillKeyItems();
    void connectEditSlots();
    void writeBack();

    Ui_PartDialog *ui = nullptr;
    QList<Part *> *targetParts = nullptr;
    QList<Part *> partCopies;
    Part *defaultPart = nullptr;
    bool changed = false;
    bool showing = false;
};
