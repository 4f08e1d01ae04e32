#include "dialogs/notenamedialog.h"

NoteNameDialog::NoteNameDialog(QWidget *parent) : QDialog(parent) {}

// The form and its texts arrive with the dialog itself.
void NoteNameDialog::retranslate() {}

void NoteNameDialog::setDialog(Part *forPart, const QStringList &names, int selectedRow)
{
    listedPart = forPart;
    listedNames = names;
    row = selectedRow;
}

Part *NoteNameDialog::part() const
{
    return listedPart;
}

QStringList NoteNameDialog::names() const
{
    return listedNames;
}

int NoteNameDialog::currentRow() const
{
    return row;
}
