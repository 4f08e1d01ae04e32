// The engraving style of the current score, edited on a copy of its
// Style; Apply and OK report through sigStyleApply.
//
// One instance, a child of the main window for the whole run.
#pragma once

#include "dialogs/geometrydialog.h"

class DialogStyle : public GeometryDialog
{
    Q_OBJECT

public:
    explicit DialogStyle(QWidget *parent = nullptr);

    // Sets the dialog's texts in the current language.
    void retranslate();

signals:
    void sigStyleApply();
};
