// The scale editor of one scale directive; the score's scale-edit command
// creates a new one for each use.
//
// Child of the Score that created it; the note it edits is borrowed from
// the score's model. It reports the new scale and never touches the model.
#pragma once

#include <QDialog>
#include <QString>

class Note;
class Score;

class ScaleDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ScaleDialog(Score *score);

    // Sets the dialog's texts in the current language.
    void retranslate();

    // The note whose scale directive is edited, the scale in force before
    // it (empty for none) and the directive's whole text.
    void setDialog(Note *note, const QString &precedingScale, const QString &directiveText);
    // The line shown above the scale list.
    void setMessage(const QString &text);

    Note *getNote() const;
    QString precedingScale() const;
    QString directiveText() const;
    QString message() const;

signals:
    // The scale text without its ".scale" or ".scaleSangen" prefix.
    void sigScaleUpdated(const QString &scaleText);

private:
    Note *note = nullptr;
    QString preceding;
    QString text;
    QString messageText;
};
