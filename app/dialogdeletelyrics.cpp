#include "app/dialogdeletelyrics.h"

DialogDeleteLyrics::DialogDeleteLyrics(QWidget *parent) : QDialog(parent) {}

// The form and its texts arrive with the dialog itself.
void DialogDeleteLyrics::retranslate() {}
