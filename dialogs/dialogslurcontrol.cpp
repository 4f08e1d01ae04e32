#include "dialogs/dialogslurcontrol.h"

#include "ui_dialogslurcontrol.h"

DialogSlurControl::DialogSlurControl(QWidget *parent)
    : QDialog(parent), ui(new Ui::DialogSlurControl)
{
    ui->setupUi(this);
    // Made for one use only: the texts are set once, in the language of
    // the moment.
    setWindowTitle(tr("Slur Curve Controller"));
    ui->labelLeftSide->setText(tr("Left Half"));
    ui->LabelCenter->setText(tr("Center"));
    ui->labelRightSide->setText(tr("Right Half"));
}

DialogSlurControl::~DialogSlurControl()
{
    delete ui;
}

// Each press makes its button the default, so that Return presses it again.
void DialogSlurControl::on_pushButtonLeftStrong_clicked()
{
    ui->pushButtonLeftStrong->setDefault(true);
    emit sigSlurLeftStrong();
}

void DialogSlurControl::on_pushButtonLeftWeak_clicked()
{
    ui->pushButtonLeftWeak->setDefault(true);
    emit sigSlurLeftWeak();
}

void DialogSlurControl::on_pushButtonWholeStrong_clicked()
{
    ui->pushButtonWholeStrong->setDefault(true);
    emit sigSlurWholeStrong();
}

void DialogSlurControl::on_pushButtonWholeWeak_clicked()
{
    ui->pushButtonWholeWeak->setDefault(true);
    emit sigSlurWholeWeak();
}

void DialogSlurControl::on_pushButtonRightStrong_clicked()
{
    ui->pushButtonRightStrong->setDefault(true);
    emit sigSlurRightStrong();
}

void DialogSlurControl::on_pushButtonRightWeak_clicked()
{
    ui->pushButtonRightWeak->setDefault(true);
    emit sigSlurRightWeak();
}

void DialogSlurControl::on_pushButton_clicked()
{
    close();
}
