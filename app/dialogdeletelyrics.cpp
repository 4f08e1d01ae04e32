#include "app/dialogdeletelyrics.h"

#include "ui_dialogdeletelyrics.h"

#include <QDebug>

DialogDeleteLyrics::DialogDeleteLyrics(QWidget *parent)
    : QDialog(parent), ui(new Ui::DialogDeleteLyrics)
{
    ui->setupUi(this);
}

DialogDeleteLyrics::~DialogDeleteLyrics()
{
    delete ui;
}

void DialogDeleteLyrics::retranslate()
{
    ui->retranslateUi(this);
    setWindowTitle(tr("Velmora: Delete Lyrics"));
    ui->labelComment->setText(tr("Enter Part Number and Lyric Number."));
    ui->labelPartNumber->setText(tr("Part Number"));
    ui->labelLyricNumber->setText(tr("Lyric Number (0:All)"));
    // The "all" entry is translated too; the part numbers stay as they are.
    const int parts = ui->comboBoxPartNumber->count() - 1;
    if (parts >= 0)
        ui->comboBoxPartNumber->setItemText(parts, tr("all"));
}

void DialogDeleteLyrics::setDialog(int numParts)
{
    qDebug() << "setDialog numParts = " << numParts;
    ui->comboBoxPartNumber->clear();
    for (int i = 1; i <= numParts; ++i)
        ui->comboBoxPartNumber->addItem(QString::number(i));
    ui->comboBoxPartNumber->addItem(tr("all"));
    ui->comboBoxPartNumber->setCurrentIndex(ui->comboBoxPartNumber->count() - 1);
}

int DialogDeleteLyrics::getPartIndex() const
{
    return ui->comboBoxPartNumber->currentIndex();
}

int DialogDeleteLyrics::getLyricNumber() const
{
    return ui->spinBoxLyricNumber->value();
}

// The form's own connection has already closed the dialog as accepted.
void DialogDeleteLyrics::on_buttonBox_accepted()
{
    emit sigDeleteLyrics();
}

void DialogDeleteLyrics::on_buttonBox_rejected()
{
    close();
}
