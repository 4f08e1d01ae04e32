#include "dialogs/partdialog.h"

PartDialog::PartDialog(QWidget *parent) : GeometryDialog(QStringLiteral("Velmora_Part"), parent)
{
    readSettings();
}

// The form and its texts arrive with the dialog itself.
void PartDialog::retranslate() {}
