#include "dialogs/dialogtranspose.h"

DialogTranspose::DialogTranspose(QWidget *parent) : QDialog(parent) {}

// The form and its texts arrive with the dialog itself.
void DialogTranspose::retranslate() {}

void DialogTranspose::setDirective(Directive *edited)
{
    directive = edited;
}

Directive *DialogTranspose::getDirective() const
{
    return directive;
}

void DialogTranspose::setTransposeIndex(int newIndex)
{
    index = newIndex;
    changed = false;
}

int DialogTranspose::transposeIndex() const
{
    return index;
}

bool DialogTranspose::isChanged() const
{
    return changed;
}
