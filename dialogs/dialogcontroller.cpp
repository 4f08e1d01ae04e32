#include "dialogs/dialogcontroller.h"

DialogController::DialogController(QWidget *parent) : QDialog(parent) {}

// The form and its texts arrive with the dialog itself.
void DialogController::retranslate() {}
