// The scale editor of one scale directive; the score's scale-edit command
// creates a new one for each use, runs it modally and frees it afterwards.
//
// The scale is a list of pitches (half steps, 0 at MIDI 58, so C4 is 2), one
// per string or scale note, and a name; as text "{4,9,16}'Sangen_Honchoshi'".
// The user shifts selected notes, transposes the whole scale (with an undo
// of the transpositions since the scale was last replaced), copies and
// pastes scale texts through the clipboard, or takes a scale from the
// preceding scale, a template or a MusicXML file. Apply and OK report a
// changed scale with sigScaleUpdated; the dialog never touches the model.
//
// Child of the widget given (the Score); the note it edits is borrowed from
// the score's model. Window geometry is kept under "Velmora_Scale".
#pragma once

#include "dialogs/geometrydialog.h"

#include <QList>
#include <QString>

class Note;
class Ui_ScaleDialog;

class ScaleDialog : public GeometryDialog
{
    Q_OBJECT

public:
    explicit ScaleDialog(QWidget *parent = nullptr);
    ~ScaleDialog() override;

    // Sets the dialog's texts in the current language.
    void retranslate();

    // The note whose scale directive is edited, the scale text in force
    // before it (without prefix; empty for none) and the directive's whole
    // text. A text that is no scale leaves the list empty.
    void setDialog(Note *note, const QString &precedingScale, const QString &directiveText);
    // The line shown above the scale list; empty shows the usual hint.
    void setMessage(const QString &text);

    Note *getNote() const;
    // The text last reported, or the directive text while none was.
    QString getScaleText() const;
    QString precedingScale() const;
    QString directiveText() const;
    QString message() const;

    // The letter name and octave of a pitch ("C4" for 2); below C0 only
    // the octave number.
    static QString noteNameOfPitch(int pitch);

signals:
    // The scale text without its ".scale" or ".scaleSangen" prefix.
    void sigScaleUpdated(const QString &scaleText);

public slots:
    // Adds `interval` to each selected note; they stay selected.
    void scaleNoteIndexShift(int interval);
    // A template's directive text: taken when it has as many notes.
    void templateChange(const QString &directiveText);

private slots:
    void on_pushButtonCancel_clicked();
    void on_pushButtonUp_clicked();
    void on_pushButtonDown_clicked();
    void on_pushButtonRevert_clicked();
    void on_pushButtonApply_clicked();
    void on_pushButtonCopyPreviousScale_clicked();
    void on_pushButtonOK_clicked();
    void on_pushButtonTranspose_clicked();
    void on_lineEditScaleName_textChanged(const QString &arg1);
    void on_pushButtonSetFromTemplate_clicked();
    void on_pushButtonCopyScale_clicked();
    void on_pushButtonUp4th_clicked();
    void on_pushButtonDown4th_clicked();
    void on_pushButtonPasteScale_clicked();
    void on_pushButtonUpOctave_clicked();
    void on_pushButtonDownOctave_clicked();
    void on_pushButtonMore_toggled(bool checked);
    void on_pushButtonSetFromScaleFile_clicked();
    void on_pushButtonUndoTranspose_clicked();
    void on_pushButtonClearSelection_clicked();

private:
    // False (with a debug line) for a text that is not one scale.
    bool setupFromScaleText(const QString &text);
    // As setupFromScaleText, but the number of notes must stay; a refused
    // text beeps and says why.
    void pasteScaleText(const QString &text);
    // Puts in a new scale; the transpositions made so far belong to the
    // scale it replaces, so their undo goes with it.
    void replaceScale(const QList<int> &notes, const QString &name);
    QString composeScaleText() const;
    void updateScaleText();
    void refreshScaleList();
    void transposeScale(int interval);
    // The pitches of the first voice of one part of a MusicXML file up to
    // its first rest, and the part's name; false when the user cancelled or
    // the file could not be read (already said).
    bool readScaleFile(const QString &path, QList<int> *notes, QString *name);

    Ui_ScaleDialog *ui;
    QString messageText;
    Note *note = nullptr;
    QString prevScale;
    QString originalScaleText;
    QString lastScaleText;
    QList<int> scaleNotes;
    QList<int> transposeHistory;
};
