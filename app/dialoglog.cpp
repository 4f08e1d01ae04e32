#include "app/dialoglog.h"

#include "ui_dialoglog.h"

DialogLog::DialogLog(QWidget *parent)
    : GeometryDialog(QStringLiteral("Velmora_LogDialog"), parent), ui(new Ui::DialogLog)
{
    ui->setupUi(this);
    readSettings();
    // The score's file name follows with every log refresh; this window has
    // no texts of its own to translate.
    setWindowTitle(QStringLiteral("Log Dialog"));
}

DialogLog::~DialogLog()
{
    delete ui;
}

void DialogLog::setLog(const QString &log)
{
    ui->textBrowserLog->setText(log);
}

void DialogLog::on_pushButtonClose_clicked()
{
    close();
}

void DialogLog::on_pushButtonClear_clicked()
{
    emit sigClearLog();
}
