// The dialog in which the user chooses the step of a note's transpose
// directive; it reports the step and never touches the model.
//
// Child of its Score for the score's whole life. The directive it is handed
// belongs to its note; the dialog only remembers it for the score.
#pragma once

#include <QDialog>

class Directive;

class DialogTranspose : public QDialog
{
    Q_OBJECT

public:
    explicit DialogTranspose(QWidget *parent = nullptr);

    // Sets the dialog's texts in the current language.
    void retranslate();

    // The transpose directive being edited; null before the first edit.
    void setDirective(Directive *directive);
    Directive *getDirective() const;

    // Selects the entry `index` = half steps + 12 (0..24 for -12..+12) and
    // clears the changed flag. An index outside 0..24 is kept as given; what
    // the dialog then shows is left to its form.
    void setTransposeIndex(int index);
    int transposeIndex() const;
    // True once the user picked another entry after setTransposeIndex.
    bool isChanged() const;

signals:
    // The chosen step in half steps, -12 to +12.
    void sigTransposeUpdated(int step);

private:
    Directive *directive = nullptr;
    int index = 12;
    bool changed = false;
};
