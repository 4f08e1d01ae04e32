// The measure and page settings of the current score, edited on a copy of
// its Page; Apply and OK report through sigPageApply.
//
// One instance, a child of the main window for the whole run.
#pragma once

#include "dialogs/geometrydialog.h"

class Score;

class PageDialog : public GeometryDialog
{
    Q_OBJECT

public:
    PageDialog(Score *score, QWidget *parent = nullptr);

    // Sets the dialog's texts in the current language.
    void retranslate();

signals:
    void sigPageApply();
};
