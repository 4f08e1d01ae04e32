#include "dialogs/notenamedialog.h"

NoteNameDialog::NoteNameDialog(QWidget *parent) : QDialog(parent) {}

// The form and its texts arrive with the dialog itself.
void NoteNameDialog::retranslate() {}
