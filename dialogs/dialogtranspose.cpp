#include "dialogs/dialogtranspose.h"

DialogTranspose::DialogTranspose(QWidget *parent) : QDialog(parent) {}

// The form and its texts arrive with the dialog itself.
void DialogTranspose::retranslate() {}
