#include "app/dialogmovelyricssn.h"

DialogMoveLyricsSN::DialogMoveLyricsSN(QWidget *parent) : QDialog(parent) {}

// The form and its texts arrive with the dialog itself.
void DialogMoveLyricsSN::retranslate() {}
