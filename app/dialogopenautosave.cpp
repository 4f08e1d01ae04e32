#include "app/dialogopenautosave.h"

#include "ui_dialogopenautosave.h"

#include <QFileInfo>

DialogOpenAutoSave::DialogOpenAutoSave(QWidget *parent)
    : QDialog(parent), ui(new Ui::DialogOpenAutoSave)
{
    ui->setupUi(this);
    retranslate();
}

DialogOpenAutoSave::~DialogOpenAutoSave()
{
    delete ui;
}

void DialogOpenAutoSave::retranslate()
{
    ui->retranslateUi(this);
    setWindowTitle(tr("Velmora: Open Auto Save Files"));
    QString text = tr("The last session seems to have ended abnormally.<br><br>Do you want to "
                      "open auto-saved files?<br><br>If Cancel is selected, they will be "
                      "deleted.");
    if (!files.isEmpty()) {
        QStringList names;
        for (const QString &path : std::as_const(files))
            names << QFileInfo(path).fileName().toHtmlEscaped();
        text += QStringLiteral("<br><br>") + names.join(QStringLiteral("<br>"));
    }
    ui->label->setText(text);
}

void DialogOpenAutoSave::setFiles(const QStringList &paths)
{
    files = paths;
    retranslate();
}
