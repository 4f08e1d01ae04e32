#include "app/dialogconvertnotename.h"

DialogConvertNoteName::DialogConvertNoteName(QWidget *parent) : QDialog(parent) {}

// The form and its texts arrive with the dialog itself.
void DialogConvertNoteName::retranslate() {}
