#include "dialogs/dialogstyle.h"

DialogStyle::DialogStyle(QWidget *parent) : GeometryDialog(QStringLiteral("Velmora_Style"), parent)
{
    readSettings();
}

// The form and its texts arrive with the dialog itself.
void DialogStyle::retranslate() {}
