// The dialog in which the user chooses the step of a note's transpose
// directive; it reports the step and never touches the model.
//
// Child of its Score for the score's whole life.
#pragma once

#include <QDialog>

class DialogTranspose : public QDialog
{
    Q_OBJECT

public:
    explicit DialogTranspose(QWidget *parent = nullptr);

    // Sets the dialog's texts in the current language.
    void retranslate();

signals:
    // The chosen step in half steps, -12 to +12.
    void sigTransposeUpdated(int step);
};
