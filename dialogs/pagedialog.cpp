#include "dialogs/pagedialog.h"

PageDialog::PageDialog(Score *, QWidget *parent)
    : GeometryDialog(QStringLiteral("Velmora_Page"), parent)
{
    readSettings();
}

// The form and its texts arrive with the dialog itself.
void PageDialog::retranslate() {}
