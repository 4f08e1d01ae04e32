#include "dialogs/scaledialog.h"

ScaleDialog::ScaleDialog(QWidget *parent) : QDialog(parent) {}
