#include "dialogs/dialogcontroller.h"

#include "model/page.h"
#include "model/score.h"
#include "model/style.h"

#include "ui_dialogcontroller.h"

#include <QDebug>

#include <algorithm>

namespace {

constexpr int uniformityStep = 5;
constexpr int uniformityTop = 100;

// Where the style's time-tick ratio stands between its bounds, 0 to 100,
// truncated. Equal bounds leave no range to stand in: 0.
int uniformityPercent(const Style *style)
{
    const double range = style->timeTickRatioMax - style->timeTickRatioMin;
    if (range == 0.0)
        return 0;
    return static_cast<int>((style->timeTickRatio - style->timeTickRatioMin) * 100.0 / range);
}

} // namespace

DialogController::DialogController(QWidget *parent) : QDialog(parent), ui(new Ui_DialogController)
{
    ui->setupUi(this);
}

DialogController::~DialogController()
{
    delete ui;
}

void DialogController::setScore(Score *newScore)
{
    score = newScore;
    if (!score) {
        qDebug() << "setScore score is null=========";
        return;
    }
    loadCheckStates();
    loadUniformity();
    loadEnabledStates();
}

void DialogController::loadCheckStates()
{
    const Page *page = score->page;
    ui->radioButtonScoreHorizontal->setChecked(page->horizontal);
    ui->radioButtonScoreVertical->setChecked(!page->horizontal);
    ui->radioButtonGrid->setChecked(page->drawStageLine);
    ui->radioButtonBanded->setChecked(!page->drawStageLine);
    ui->radioButtonFixedNumber->setChecked(!page->autoNewline);
    ui->radioButtonAutomatic->setChecked(page->autoNewline);
    ui->checkBoxLastStage->setChecked(page->lastLineFit);
    ui->checkBoxLastPage->setChecked(page->pageFit);
    ui->checkBoxEqualLength->setChecked(page->measureEqualLength);
    ui->checkBoxTimeProportional->setChecked(page->measureTimeProportional);
}

void DialogController::loadUniformity()
{
    ui->sliderUniformity->setRange(0, uniformityTop);
    ui->sliderUniformity->setValue(uniformityPercent(score->style));
}

void DialogController::loadEnabledStates()
{
    const Page *page = score->page;
    const bool automatic = page->autoNewline;
    ui->pushButtonMeasuresPerStagePlus->setEnabled(!automatic);
    ui->pushButtonMeasuresPerStageMinus->setEnabled(!automatic && page->measurePerLine != 1);
    ui->pushButtonMeasureLengthLonger->setEnabled(automatic);
    ui->pushButtonMeasureLengthShorter->setEnabled(automatic);
    ui->checkBoxEqualLength->setEnabled(!automatic);
    ui->checkBoxTimeProportional->setEnabled(automatic);

    const bool banded = !page->drawStageLine;
    ui->pushButtonSpaceBtStagesWider->setEnabled(banded);
    ui->pushButtonSpaceBtStagesNarrower->setEnabled(banded && page->lineWidthPad != 0.0);
}

void DialogController::retranslate()
{
    setWindowTitle(tr("Velmora: Layout Controller"));
    ui->groupBoxPartWidth->setTitle(tr("Part Width"));
    ui->pushButtonPartWidthPlus->setText(tr("Wider"));
    ui->pushButtonPartWidthMinus->setText(tr("Narrower"));
    ui->groupBoxSpaceBtStages->setTitle(tr("Space Between Stages"));
    ui->pushButtonSpaceBtStagesWider->setText(tr("Wider"));
    ui->pushButtonSpaceBtStagesNarrower->setText(tr("Narrower"));
    ui->groupBoxGapChordNote->setTitle(tr("Gap between Chord Notes"));
    ui->pushButtonGapChordNoteWider->setText(tr("Wider"));
    ui->pushButtonGapChordNoteNarrower->setText(tr("Narrower"));
    ui->groupBoxGapVoice->setTitle(tr("Gap between Voices"));
    ui->pushButtonGapVoiceWider->setText(tr("Wider"));
    ui->pushButtonGapVoiceNarrower->setText(tr("Narrower"));
    ui->groupBoxMaxChordWidth->setTitle(tr("Max Chord Width"));
    ui->pushButtonMaxChordWidthWider->setText(tr("Wider"));
    ui->pushButtonMaxChordWidthNarrower->setText(tr("Narrower"));
    // The measures-per-stage buttons keep the form's "- 1" and "+ 1".
    ui->groupBoxMeasuresPerStage->setTitle(tr("Measures Per Stage"));
    ui->groupBoxMeasureLength->setTitle(tr("Measure Length"));
    ui->pushButtonMeasureLengthLonger->setText(tr("Longer"));
    ui->pushButtonMeasureLengthShorter->setText(tr("Shorter"));
    ui->groupBoxNoteFontSize->setTitle(tr("Note Font Size"));
    ui->pushButtonNoteFontSizeMinus->setText(tr("Smaller"));
    ui->pushButtonNoteFontSizePlus->setText(tr("Larger"));
    ui->groupBoxNotePosOffset->setTitle(tr("Note Position Offset"));
    ui->pushButtonNotePosOffsetMinus->setText(tr("Smaller"));
    ui->pushButtonNotePosOffsetPlus->setText(tr("Larger"));
    ui->groupBoxDirection->setTitle(tr("Measure Direction"));
    ui->radioButtonScoreHorizontal->setText(tr("Horizontal"));
    ui->radioButtonScoreVertical->setText(tr("Vertical"));
    ui->groupBoxMeasureStyle->setTitle(tr("Measure Style"));
    ui->radioButtonGrid->setText(tr("Grid"));
    ui->radioButtonBanded->setText(tr("Banded"));
    ui->groupBoxMeasureLayout->setTitle(tr("Measures Layout"));
    ui->radioButtonFixedNumber->setText(tr("Fixed Number / Stage"));
    ui->checkBoxEqualLength->setText(tr("Equal Length"));
    ui->radioButtonAutomatic->setText(tr("Automatic"));
    ui->checkBoxTimeProportional->setText(tr("Time Proportional"));
    ui->groupBoxFitting->setTitle(tr("Fitting"));
    ui->checkBoxLastStage->setText(tr("Last Stage"));
    ui->checkBoxLastPage->setText(tr("Last Page"));
    ui->groupBoxUniformity->setTitle(tr("Uniformity in Note Size vs Time Length"));
    ui->pushButtonUniformTime->setText(tr("More Uniform in Time"));
    ui->pushButtonUniformSize->setText(tr("More Uniform in Size"));
    ui->groupBoxHeaderWidth->setTitle(tr("Header Area Width"));
    ui->pushButtonHeaderWidthWider->setText(tr("Wider"));
    ui->pushButtonHeaderWidthNarrower->setText(tr("Narrower"));
    ui->pushButtonClose->setText(tr("Close"));
}

template <typename Adjust> void DialogController::adjust(Adjust adjuster)
{
    if (!score)
        return;
    adjuster(score);
    emit sigUpdateDialogs();
}

void DialogController::on_pushButtonNoteFontSizePlus_clicked()
{
    adjust([](Score *s) { s->changeNoteFontSize(true); });
}

void DialogController::on_pushButtonNoteFontSizeMinus_clicked()
{
    adjust([](Score *s) { s->changeNoteFontSize(false); });
}

void DialogController::on_pushButtonMeasuresPerStagePlus_clicked()
{
    adjust([](Score *s) { s->changeMeasuresPerStage(true); });
}

void DialogController::on_pushButtonMeasuresPerStageMinus_clicked()
{
    adjust([](Score *s) { s->changeMeasuresPerStage(false); });
}

void DialogController::on_pushButtonPartWidthPlus_clicked()
{
    adjust([](Score *s) { s->changePartWidth(true); });
}

void DialogController::on_pushButtonPartWidthMinus_clicked()
{
    adjust([](Score *s) { s->changePartWidth(false); });
}

void DialogController::on_pushButtonSpaceBtStagesWider_clicked()
{
    adjust([](Score *s) { s->changeSpaceBetweenStages(true); });
}

void DialogController::on_pushButtonSpaceBtStagesNarrower_clicked()
{
    adjust([](Score *s) { s->changeSpaceBetweenStages(false); });
}

void DialogController::on_pushButtonMeasureLengthLonger_clicked()
{
    adjust([](Score *s) { s->changeMeasureLength(true); });
}

void DialogController::on_pushButtonMeasureLengthShorter_clicked()
{
    adjust([](Score *s) { s->changeMeasureLength(false); });
}

void DialogController::on_checkBoxLastStage_clicked(bool checked)
{
    adjust([checked](Score *s) { s->setExpandLastStage(checked); });
}

void DialogController::on_checkBoxLastPage_clicked(bool checked)
{
    adjust([checked](Score *s) { s->setExpandLastPage(checked); });
}

void DialogController::on_pushButtonClose_clicked()
{
    hide();
}

void DialogController::on_checkBoxEqualLength_clicked(bool checked)
{
    adjust([checked](Score *s) { s->setEqualLength(checked); });
}

void DialogController::on_radioButtonGrid_clicked(bool checked)
{
    adjust([checked](Score *s) { s->setGridLayout(checked); });
}

void DialogController::on_radioButtonBanded_clicked(bool checked)
{
    adjust([checked](Score *s) { s->setGridLayout(!checked); });
}

void DialogController::on_radioButtonFixedNumber_clicked(bool checked)
{
    adjust([checked](Score *s) { s->setMeasuresAutomatic(!checked); });
}

void DialogController::on_radioButtonAutomatic_clicked(bool checked)
{
    adjust([checked](Score *s) { s->setMeasuresAutomatic(checked); });
}

void DialogController::on_checkBoxTimeProportional_clicked(bool checked)
{
    adjust([checked](Score *s) { s->setTimeProportional(checked); });
}

void DialogController::on_pushButtonGapChordNoteWider_clicked()
{
    adjust([](Score *s) { s->changeGapChordNote(true); });
}

void DialogController::on_pushButtonGapChordNoteNarrower_clicked()
{
    adjust([](Score *s) { s->changeGapChordNote(false); });
}

void DialogController::on_pushButtonGapVoiceWider_clicked()
{
    adjust([](Score *s) { s->changeGapVoice(true); });
}

void DialogController::on_pushButtonGapVoiceNarrower_clicked()
{
    adjust([](Score *s) { s->changeGapVoice(false); });
}

void DialogController::on_pushButtonMaxChordWidthWider_clicked()
{
    adjust([](Score *s) { s->changeMaxChordWidth(true); });
}

void DialogController::on_pushButtonMaxChordWidthNarrower_clicked()
{
    adjust([](Score *s) { s->changeMaxChordWidth(false); });
}

void DialogController::stepUniformity(int step)
{
    const int value = std::clamp(ui->sliderUniformity->value() + step, 0, uniformityTop);
    adjust([this, value](Score *s) {
        s->setUniformity(value);
        ui->sliderUniformity->setValue(value);
    });
}

void DialogController::on_pushButtonUniformTime_clicked()
{
    stepUniformity(uniformityStep);
}

void DialogController::on_pushButtonUniformSize_clicked()
{
    stepUniformity(-uniformityStep);
}

void DialogController::on_pushButtonNotePosOffsetPlus_clicked()
{
    adjust([](Score *s) { s->changeNotePosOffset(true); });
}

void DialogController::on_pushButtonNotePosOffsetMinus_clicked()
{
    adjust([](Score *s) { s->changeNotePosOffset(false); });
}

void DialogController::on_pushButtonHeaderWidthWider_clicked()
{
    adjust([](Score *s) { s->changeHeaderWidth(true); });
}

void DialogController::on_pushButtonHeaderWidthNarrower_clicked()
{
    adjust([](Score *s) { s->changeHeaderWidth(false); });
}

// The horizontal and vertical buttons pass their own direction, whatever
// their check state.
void DialogController::on_radioButtonScoreHorizontal_clicked(bool)
{
    adjust([](Score *s) { s->setScoreHorizontal(true); });
}

void DialogController::on_radioButtonScoreVertical_clicked(bool)
{
    adjust([](Score *s) { s->setScoreHorizontal(false); });
}

// A drag changes the score once, on release, and reloads nothing.
void DialogController::on_sliderUniformity_sliderReleased()
{
    if (score)
        score->setUniformity(ui->sliderUniformity->value());
}
