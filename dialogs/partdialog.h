// The settings of the current score's parts, edited on copies of its
// Parts; Apply and OK report through sigPartApply.
//
// One instance, a child of the main window for the whole run.
#pragma once

#include "dialogs/geometrydialog.h"

class PartDialog : public GeometryDialog
{
    Q_OBJECT

public:
    explicit PartDialog(QWidget *parent = nullptr);

    // Sets the dialog's texts in the current language.
    void retranslate();

signals:
    void sigPartApply();
};
