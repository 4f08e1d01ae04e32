#include "app/dialogpastesettings.h"

DialogPasteSettings::DialogPasteSettings(QWidget *parent) : QDialog(parent) {}

// The form and its texts arrive with the dialog itself.
void DialogPasteSettings::retranslate() {}
