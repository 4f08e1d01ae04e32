#include "app/dialogmsplugin.h"

DialogMSPlugin::DialogMSPlugin(QWidget *parent) : QDialog(parent) {}

// The form and its texts arrive with the dialog itself.
void DialogMSPlugin::retranslate() {}
