#include "dialogs/dialogscaletemplate.h"

#include "ui_dialogscaletemplate.h"

#include <QDebug>

namespace {

struct ScaleTemplate
{
    int noteCount;
    const char *listText;
    const char *scaleText;
};

// In the order listed for each number of notes. List texts and scale names
// differ in places ("DenEnShi" is the scale 'DeEnShi'); scores written
// with these names rely on them as they stand.
const ScaleTemplate templates[] = {
    {3, QT_TRANSLATE_NOOP("DialogScaleTemplate", "Sangen Honchoshi"), "{4,9,16}'Sangen_Honchoshi'"},
    {3, QT_TRANSLATE_NOOP("DialogScaleTemplate", "Sangen 2Agari"), "{4,11,16}'Sangen_2Agari'"},
    {3, QT_TRANSLATE_NOOP("DialogScaleTemplate", "Sangen 3Sagari"), "{4,9,14}'Sangen_3Sagari'"},
    {13, QT_TRANSLATE_NOOP("DialogScaleTemplate", "Doremi C"),
     "{2,4,6,7,9,11,13,14,16,18,19,21,23}'Doremi_C'"},
    {13, QT_TRANSLATE_NOOP("DialogScaleTemplate", "Hira Chosi D"),
     "{4,-3,-1,0,4,5,9,11,12,16,17,21,23}'Hira_D'"},
    {13, QT_TRANSLATE_NOOP("DialogScaleTemplate", "Hira Chosi G"),
     "{9,2,4,5,9,10,14,16,17,21,22,26,28}'Hira_G'"},
    {13, QT_TRANSLATE_NOOP("DialogScaleTemplate", "HanKumoi Chosi D"),
     "{4,-3,-1,0,4,5,9,10,14,16,17,21,23}'HanKumoi_D'"},
    {13, QT_TRANSLATE_NOOP("DialogScaleTemplate", "HanKumoi Chosi G"),
     "{9,2,4,5,9,10,14,15,19,21,22,26,28}'HanKumoi_G'"},
    {13, QT_TRANSLATE_NOOP("DialogScaleTemplate", "Kumoi Chosi D"),
     "{4,-3,-2,2,4,5,9,10,14,16,17,21,23}'Kumoi_D'"},
    {13, QT_TRANSLATE_NOOP("DialogScaleTemplate", "kumoi Chosi G"),
     "{9,2,3,7,9,10,14,15,19,21,22,26,28}'Kumoi_G'"},
    {13, QT_TRANSLATE_NOOP("DialogScaleTemplate", "HonKumoi Chosi D"),
     "{4,-3,-2,2,4,5,9,10,14,16,17,21,22}'HonKumoi_D'"},
    {13, QT_TRANSLATE_NOOP("DialogScaleTemplate", "HonKumoi Chosi G"),
     "{9,2,3,7,9,10,14,15,19,21,22,26,27}'HonKumoi_G'"},
    {13, QT_TRANSLATE_NOOP("DialogScaleTemplate", "Kokin Chosi D"),
     "{4,-3,-1,2,4,5,9,11,14,16,17,21,23}'Kokin'"},
    {13, QT_TRANSLATE_NOOP("DialogScaleTemplate", "Nakazora Chosi D"),
     "{4,-3,-1,0,4,6,7,11,12,16,18,19,23}'Nakazora'"},
    {13, QT_TRANSLATE_NOOP("DialogScaleTemplate", "Nakazora Chosi G"),
     "{9,2,4,5,9,11,12,16,17,21,23,24,28}'Nakazora_G'"},
    {13, QT_TRANSLATE_NOOP("DialogScaleTemplate", "Nogi Chosi D"),
     "{4,-3,-1,1,4,6,9,11,13,16,18,21,23}'Nogi_D'"},
    {13, QT_TRANSLATE_NOOP("DialogScaleTemplate", "Nogi Chosi G"),
     "{9,2,4,6,9,11,14,16,18,21,23,26,28}'Nogi_G'"},
    {13, QT_TRANSLATE_NOOP("DialogScaleTemplate", "Gaku Chosi D"),
     "{4,-3,-1,2,4,6,9,11,14,16,18,21,23}'Gaku_D'"},
    {13, QT_TRANSLATE_NOOP("DialogScaleTemplate", "Gaku Chosi G"),
     "{9,2,4,7,9,11,14,16,19,21,23,26,28}'Gaku_G'"},
    {13, QT_TRANSLATE_NOOP("DialogScaleTemplate", "Haru No Umi"),
     "{-11,-8,-6,-5,-1,1,4,6,7,11,13,16,18}'HaruNoUmi'"},
    {13, QT_TRANSLATE_NOOP("DialogScaleTemplate", "DenEnShi"),
     "{-3,2,4,5,7,9,11,12,14,16,17,19,21}'DeEnShi'"},
    {17, QT_TRANSLATE_NOOP("DialogScaleTemplate", "Doremi17 C3"),
     "{-10,-8,-6,-5,-7,-9,1,2,4,6,7,9,11,13,14,16,18}'Doremi17_C'"},
    {17, QT_TRANSLATE_NOOP("DialogScaleTemplate", "DenEnshi17String"),
     "{-22,-20,-19,-17,-15,-13,-12,-10,-8,-7,-5,-3,-1,0,2,4,5}'DenEnShi17'"},
};

} // namespace

DialogScaleTemplate::DialogScaleTemplate(int noteCount, QWidget *parent)
    : QDialog(parent), ui(new Ui_DialogScaleTemplate)
{
    ui->setupUi(this);
    // A change of value fills the list at once; 0 is no change and leaves
    // it empty.
    ui->spinBox->setValue(noteCount);
    ui->pushButtonOK->setFocus(Qt::OtherFocusReason);
}

DialogScaleTemplate::~DialogScaleTemplate()
{
    delete ui;
}

void DialogScaleTemplate::retranslate()
{
    setWindowTitle(tr("Scale Templates"));
    ui->labelNumScaleNotes->setText(tr("Number of Scale Notes: "));
}

void DialogScaleTemplate::on_pushButtonCancel_clicked()
{
    close();
}

void DialogScaleTemplate::on_pushButtonOK_clicked()
{
    if (const QListWidgetItem *item = ui->listWidgetScaleList->currentItem()) {
        const QString text = QStringLiteral(".scale") + item->data(Qt::UserRole).toString();
        qDebug().noquote() << "on_pushButtonOK_clicked data = " + text;
        emit sigTemplateUpdated(text);
    }
    close();
}

void DialogScaleTemplate::on_spinBox_valueChanged(int arg1)
{
    ui->listWidgetScaleList->clear();
    for (const ScaleTemplate &scale : templates) {
        if (scale.noteCount != arg1)
            continue;
        auto *item = new QListWidgetItem(tr(scale.listText), ui->listWidgetScaleList);
        item->setData(Qt::UserRole, QString::fromLatin1(scale.scaleText));
    }
}
