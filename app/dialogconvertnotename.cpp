#include "app/dialogconvertnotename.h"

#include "ui_dialogconvertnotename.h"

#include <QDebug>

DialogConvertNoteName::DialogConvertNoteName(QWidget *parent)
    : QDialog(parent), ui(new Ui::DialogConvertNoteName)
{
    ui->setupUi(this);
}

DialogConvertNoteName::~DialogConvertNoteName()
{
    delete ui;
}

void DialogConvertNoteName::retranslate()
{
    ui->retranslateUi(this);
    setWindowTitle(tr("Velmora: Change Pitch"));
    ui->labelComment->setText(tr("Enter Part Number and Lyric Number."));
    ui->checkBoxAllParts->setText(tr("All Parts"));
    ui->labelPartNumber->setText(tr("Part Number"));
    ui->labelLyricNumber->setText(tr("Lyric Number (0:All)"));
    ui->checkBoxDeleteLyrics->setText(tr("Delete Lyrics"));
}

void DialogConvertNoteName::setDialog(int numParts)
{
    qDebug() << "setDialog numParts = " << numParts;
    ui->comboBoxPartNumber->clear();
    for (int i = 1; i <= numParts; ++i)
        ui->comboBoxPartNumber->addItem(QString::number(i));
}

int DialogConvertNoteName::getPartIndex() const
{
    return ui->comboBoxPartNumber->currentIndex();
}

int DialogConvertNoteName::getLyricNumber() const
{
    return ui->spinBoxLyricNumber->value();
}

bool DialogConvertNoteName::isDeleteLyrics() const
{
    return ui->checkBoxDeleteLyrics->isChecked();
}

bool DialogConvertNoteName::isAllParts() const
{
    return ui->checkBoxAllParts->isChecked();
}

void DialogConvertNoteName::on_checkBoxAllParts_toggled(bool checked)
{
    ui->comboBoxPartNumber->setEnabled(!checked);
}

void DialogConvertNoteName::on_pushButtonApply_clicked()
{
    emit sigConvertNoteName();
}

void DialogConvertNoteName::on_pushButtonCancel_clicked()
{
    close();
}

void DialogConvertNoteName::on_pushButtonClose_clicked()
{
    close();
}
