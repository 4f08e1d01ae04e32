#include "app/dialogopenautosave.h"

#include "ui_dialogopenautosave.h"

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
    ui->label->setText(tr("The last session seems to have ended abnormally.<br><br>Do you want to "
                          "open auto-saved files?<br><br>If Cancel is selected, they will be "
                          "deleted."));
}
