#include "app/dialogslurcontrol.h"

DialogSlurControl::DialogSlurControl(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Slur Curve Controller"));
}
