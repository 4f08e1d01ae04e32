#include "app/dialogimportexport.h"

#include "ui_dialogimportexport.h"

#include <QDebug>

DialogImportExport::DialogImportExport(QWidget *parent)
    : GeometryDialog(QStringLiteral("Velmora_ImportExport"), parent), ui(new Ui::DialogImportExport)
{
    ui->setupUi(this);
    readSettings();
}

DialogImportExport::~DialogImportExport()
{
    delete ui;
}

void DialogImportExport::retranslate()
{
    ui->retranslateUi(this);
    setWindowTitle(tr("Velmora: Import/Export MusicXML"));
    ui->groupBoxImportMusicXML->setTitle(tr("Import MusicXML"));
    ui->groupBoxImportSource->setTitle(tr("Source"));
    ui->radioButtonImportFile->setText(tr("File"));
    ui->radioButtonImportMS->setText(tr("MuseScore"));
    ui->groupBoxImportOptions->setTitle(tr("Options"));
    ui->radioButtonImportNew->setText(tr("New (with defaut settings)"));
    ui->radioButtonImportImitate->setText(tr("Imitate (with active score's settings)"));
    ui->radioButtonImportUpdate->setText(tr("Update (replacing active score)"));
    ui->pushButtonImport->setText(tr("Import"));
    ui->groupBoxExportMusicXML->setTitle(tr("Export MusicXML"));
    ui->groupBoxExportTarget->setTitle(tr("Target"));
    ui->radioButtonExportFile->setText(tr("File"));
    ui->radioButtonExportMS->setText(tr("MuseScore"));
    ui->groupBoxExportOptions->setTitle(tr("Options"));
    ui->checkBoxStaffNote->setText(tr("With Note Names in Lyrics"));
    ui->pushButtonExport->setText(tr("Export"));
    ui->pushButtonClose->setText(tr("Close"));
}

void DialogImportExport::setScore(Score *score)
{
    const bool hasScore = score != nullptr;
    if (!hasScore)
        ui->radioButtonImportNew->setChecked(true);
    ui->radioButtonImportNew->setEnabled(true);
    ui->radioButtonImportImitate->setEnabled(hasScore);
    ui->radioButtonImportUpdate->setEnabled(hasScore);
    ui->groupBoxExportMusicXML->setEnabled(hasScore);
}

void DialogImportExport::on_pushButtonImport_clicked()
{
    hide();
    const bool fromFile = ui->radioButtonImportFile->isChecked();
    if (ui->radioButtonImportNew->isChecked()) {
        if (fromFile)
            emit sigImportNew();
        else
            emit sigImportNewMuseScore();
    } else if (ui->radioButtonImportImitate->isChecked()) {
        if (fromFile)
            emit sigImportImitate();
        else
            emit sigImportImitateMuseScore();
    } else if (ui->radioButtonImportUpdate->isChecked()) {
        if (fromFile)
            emit sigImportUpdatePure();
        else
            emit sigImportUpdateFromMuseScore();
    }
}

void DialogImportExport::on_pushButtonExport_clicked()
{
    qDebug() << "on_ui->pushButtonExport_clicked()";
    hide();
    const bool withLyrics = ui->checkBoxStaffNote->isChecked();
    if (ui->radioButtonExportFile->isChecked()) {
        if (withLyrics)
            emit sigExportMusicXMLWithLyrics();
        else
            emit sigExportMusicXMLFileClean();
    } else if (ui->radioButtonExportMS->isChecked()) {
        if (withLyrics)
            emit sigExportMusicXMLWithLyricsToMS();
        else
            emit sigExportToMuseScoreClean();
    }
}

void DialogImportExport::on_pushButtonClose_clicked()
{
    writeSettings();
    close();
}
