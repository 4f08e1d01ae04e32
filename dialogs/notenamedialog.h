// The dialog in which the user picks another accepted name for a note; it
// reports the name and never touches the model.
//
// Child of its Score for the score's whole life. The part it is filled for
// is borrowed from the score.
#pragma once

#include <QDialog>
#include <QStringList>

class Part;

class NoteNameDialog : public QDialog
{
    Q_OBJECT

public:
    explicit NoteNameDialog(QWidget *parent = nullptr);

    // Sets the dialog's texts in the current language.
    void retranslate();

    // Fills the list with `names` for `part` and selects `row`.
    void setDialog(Part *part, const QStringList &names, int row);
    Part *part() const;
    QStringList names() const;
    int currentRow() const;

signals:
    void noteNameChanged(const QString &name);

private:
    Part *listedPart = nullptr;
    QStringList listedNames;
    int row = 0;
};
