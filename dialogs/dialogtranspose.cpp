#include "dialogs/dialogtranspose.h"

#include "ui_dialogtranspose.h"

#include <QDebug>

namespace {

// Entry i is a step of i - 12 half steps.
constexpr int unisonIndex = 12;

} // namespace

DialogTranspose::DialogTranspose(QWidget *parent)
    : GeometryDialog(QStringLiteral("Velmora_Transpose"), parent), ui(new Ui::DialogTranspose)
{
    ui->setupUi(this);
    readSettings();
    const QStringList steps = {
        tr("-12/Octave"),
        tr("-11"),
        tr("-10"),
        tr("-9/Major Sixth"),
        tr("-8"),
        tr("-7/Perfect Fifth"),
        tr("-6"),
        tr("-5/Perfect Fourth"),
        tr("-4/Major Third"),
        tr("-3/Minor Third"),
        tr("-2"),
        tr("-1"),
        tr("0/Perfect Unison"),
        tr("+1"),
        tr("+2"),
        tr("+3/Minor Third"),
        tr("+4/Major Third"),
        tr("+5/Perfect Fourth"),
        tr("+6"),
        tr("+7/Perfect Fifth"),
        tr("+8"),
        tr("+9/Major Sixth"),
        tr("+10"),
        tr("+11"),
        tr("+12/Octave"),
    };
    ui->comboBoxTranspose->addItems(steps);
    ui->comboBoxTranspose->setCurrentIndex(unisonIndex);
}

DialogTranspose::~DialogTranspose()
{
    delete ui;
}

void DialogTranspose::retranslate()
{
    setWindowTitle(tr("Transpose of Note"));
    ui->labelTranspose->setText(tr("Transpose (in half steps)"));
    ui->pushButtonApply->setText(tr("Apply"));
    ui->pushButtonCancel->setText(tr("Cancel"));
}

void DialogTranspose::setDirective(Directive *edited)
{
    directive = edited;
}

Directive *DialogTranspose::getDirective() const
{
    return directive;
}

void DialogTranspose::setTransposeIndex(int index)
{
    // Selecting raises the changed flag; the preset does not count.
    ui->comboBoxTranspose->setCurrentIndex(index);
    changed = false;
}

int DialogTranspose::transposeIndex() const
{
    return ui->comboBoxTranspose->currentIndex();
}

bool DialogTranspose::isChanged() const
{
    return changed;
}

void DialogTranspose::reportStep()
{
    const int index = ui->comboBoxTranspose->currentIndex();
    // A directive step beyond an octave selects nothing; reporting the
    // empty selection would rewrite the directive to -13.
    if (index < 0)
        return;
    emit sigTransposeUpdated(index - unisonIndex);
}

void DialogTranspose::on_pushButtonApply_clicked()
{
    reportStep();
}

void DialogTranspose::on_pushButtonCancel_clicked()
{
    close();
}

void DialogTranspose::on_pushButtonOk_clicked()
{
    if (changed) {
        qDebug() << "n_pushButtonOk_clicked() step = "
                 << ui->comboBoxTranspose->currentIndex() - unisonIndex;
        reportStep();
    }
    close();
}

void DialogTranspose::on_comboBoxTranspose_currentIndexChanged(int)
{
    changed = true;
}
