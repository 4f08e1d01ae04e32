// The dialog in which the user picks another accepted name for a note; it
// reports the name and never touches the model.
//
// Child of its Score for the score's whole life.
#pragma once

#include <QDialog>

class NoteNameDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NoteNameDialog(QWidget *parent = nullptr);

    // Sets the dialog's texts in the current language.
    void retranslate();

signals:
    void noteNameChanged(const QString &name);
};
