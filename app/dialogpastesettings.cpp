#include "app/dialogpastesettings.h"

#include "ui_dialogpastesettings.h"

DialogPasteSettings::DialogPasteSettings(QWidget *parent)
    : QDialog(parent), ui(new Ui_DialogPasteSettings)
{
    ui->setupUi(this);
}

DialogPasteSettings::~DialogPasteSettings()
{
    delete ui;
}

// The file path is the copied score's own, set by setFilePath.
void DialogPasteSettings::retranslate()
{
    setWindowTitle(tr("Velmora: Paste Settings"));
    ui->labelText->setText(tr("Settings copied from:"));
    ui->pushButtonAllSettings->setText(tr("All"));
    ui->pushButtonPartSettings->setText(tr("Parts"));
    ui->pushButtonMeasurePageSettings->setText(tr("Measure/Page"));
    ui->pushButtonStyleSettings->setText(tr("Style"));
    ui->pushButtonClose->setText(tr("Close"));
}

void DialogPasteSettings::setFilePath(const QString &path)
{
    ui->labelFilepath->setText(path);
}

void DialogPasteSettings::on_pushButtonAllSettings_clicked()
{
    emit sigPasteSettingsAll();
}

void DialogPasteSettings::on_pushButtonPartSettings_clicked()
{
    emit sigPasteSettingsParts();
}

void DialogPasteSettings::on_pushButtonMeasurePageSettings_clicked()
{
    emit sigPasteSettingsMeasurePage();
}

void DialogPasteSettings::on_pushButtonStyleSettings_clicked()
{
    emit sigPasteSettingsStyle();
}

void DialogPasteSettings::on_pushButtonClose_clicked()
{
    close();
}
