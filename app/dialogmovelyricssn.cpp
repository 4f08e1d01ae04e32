#include "app/dialogmovelyricssn.h"

#include "ui_dialogmovelyricssn.h"

#include <QDebug>

DialogMoveLyricsSN::DialogMoveLyricsSN(QWidget *parent)
    : QDialog(parent), ui(new Ui::DialogMoveLyricsSN)
{
    ui->setupUi(this);
}

DialogMoveLyricsSN::~DialogMoveLyricsSN()
{
    delete ui;
}

void DialogMoveLyricsSN::retranslate()
{
    ui->retranslateUi(this);
    setWindowTitle(tr("Velmora: Move Lyrics (for Staff Notation)"));
    ui->labelComment->setText(tr("Enter Part Number and Lyric Number."));
    ui->labelPartNumber->setText(tr("Part Number"));
    ui->labelLyricNumber->setText(tr("Lyric Number"));
    ui->groupBox->setTitle(tr("Options"));
    ui->radioButtonCloseToNote->setText(tr("Close to Notes"));
    ui->radioButtonAboveNote->setText(tr("Above Notes"));
    ui->radioButtonBelowNote->setText(tr("Below Notes"));
    // The "all" entries are translated too; the numbers stay as they are.
    for (QComboBox *combo : {ui->comboBoxPartNumber, ui->comboBoxLyricNumber}) {
        if (combo->count() > 0)
            combo->setItemText(combo->count() - 1, tr("all"));
    }
}

void DialogMoveLyricsSN::setDialog(int numParts)
{
    qDebug() << "setDialog numParts = " << numParts;
    ui->comboBoxPartNumber->clear();
    ui->comboBoxLyricNumber->clear();
    ui->radioButtonCloseToNote->setChecked(true);
    for (int i = 1; i <= numParts; ++i)
        ui->comboBoxPartNumber->addItem(QString::number(i));
    ui->comboBoxPartNumber->addItem(tr("all"));
    for (int i = 1; i <= lyricLines; ++i)
        ui->comboBoxLyricNumber->addItem(QString::number(i));
    ui->comboBoxLyricNumber->addItem(tr("all"));
}

int DialogMoveLyricsSN::getPartIndex() const
{
    return ui->comboBoxPartNumber->currentIndex();
}

int DialogMoveLyricsSN::getLyricNumber() const
{
    return ui->comboBoxLyricNumber->currentIndex() + 1;
}

int DialogMoveLyricsSN::getRelativePosition() const
{
    if (ui->radioButtonAboveNote->isChecked())
        return 0;
    if (ui->radioButtonBelowNote->isChecked())
        return 1;
    return 2;
}

// The form's own connection has already closed the dialog as accepted.
void DialogMoveLyricsSN::on_buttonBox_accepted()
{
    qDebug() << "DialogMoveLyricsSN::on_buttonBox_accepted() called!";
    emit sigMoveLyricsSN();
}

void DialogMoveLyricsSN::on_buttonBox_rejected()
{
    qDebug() << "DialogMoveLyricsSN::on_buttonBox_rejected() called!";
    close();
}
