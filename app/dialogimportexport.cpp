#include "app/dialogimportexport.h"

DialogImportExport::DialogImportExport(QWidget *parent) : QDialog(parent) {}

// The form and its texts arrive with the dialog itself.
void DialogImportExport::retranslate() {}
