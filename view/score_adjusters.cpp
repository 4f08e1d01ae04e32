// Score: the layout controller's adjusters, one setting changed by one
// step per click. Every click goes through the settings update commands,
// so it is one undo step of its own: were settings changed in place, the
// undo of an earlier whole-settings update would silently drop the clicks
// made since.
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"

#include <algorithm>
#include <memory>

namespace {

// The multiplying steps and their reciprocals, written out so that a
// step back is a multiplication too.
constexpr double noteSizeStep = 1.05;
constexpr double noteSizeStepBack = 0.9523809523809523;
constexpr double partWidthStep = 1.01;
constexpr double partWidthStepBack = 0.9900990099009901;
constexpr double measureLengthStep = 1.05;
constexpr double measureLengthStepBack = 0.9523809523809523;

constexpr double gapStep = 0.05;
constexpr double noteOffsetStep = 0.02;
constexpr double headerWidthStep = 0.5;
constexpr double stageSpaceStep = 1.0;

// Widening past the largest chord width starts again at 1.0 rather than
// sticking at the top.
constexpr double maxChordWidthStep = 1.05;
constexpr double maxChordWidthTop = 1.5;
constexpr double maxChordWidthRestart = 1.0;
constexpr double maxChordWidthBottom = 0.15;

} // namespace

void Score::adjustPage(const std::function<void(Page *)> &step)
{
    const std::unique_ptr<Page> settings(page->clone());
    step(settings.get());
    const bool differs = page->isDifferent(settings.get());
    if (differs)
        updatePageCommand(settings.get(), false);
    finishAdjustment(differs);
}

void Score::adjustStyle(const std::function<void(Style *)> &step)
{
    const std::unique_ptr<Style> settings(style->clone());
    step(settings.get());
    const bool differs = style->isDifferent(settings.get());
    if (differs)
        updateStyleCommand(settings.get());
    finishAdjustment(differs);
}

void Score::finishAdjustment(bool pushed)
{
    setChanged(true);
    // The update command regenerated already; a click that changed nothing
    // still shows the score drawn afresh, as every click does.
    if (!pushed)
        generateScore();
}

void Score::changeGapChordNote(bool wider)
{
    adjustStyle([wider](Style *s) { s->gapChordNote += wider ? gapStep : -gapStep; });
}

void Score::changeGapVoice(bool wider)
{
    adjustStyle([wider](Style *s) { s->gapVoice += wider ? gapStep : -gapStep; });
}

void Score::changeMaxChordWidth(bool wider)
{
    adjustStyle([wider](Style *s) {
        double &width = s->measureMaxChordWidth;
        if (wider) {
            const double product = width * maxChordWidthStep;
            width = product > maxChordWidthTop ? maxChordWidthRestart : product;
        } else {
            width = std::max(maxChordWidthBottom, width / maxChordWidthStep);
        }
    });
}

void Score::changeHeaderWidth(bool wider)
{
    adjustPage([wider](Page *p) {
        const double width = p->headerAreaWidth + (wider ? headerWidthStep : -headerWidthStep);
        p->headerAreaWidth = width < 0.0 ? 0.0 : width;
    });
}

void Score::changeNoteFontSize(bool larger)
{
    const double factor = larger ? noteSizeStep : noteSizeStepBack;
    const QList<Part *> settings = copyPartList(parts);
    bool differs = false;
    for (Part *part : settings) {
        const double before = part->noteFontSize;
        part->noteFontSize *= factor;
        differs = differs || part->noteFontSize != before;
    }
    // The part update always pushes, so a score without parts (or sizes a
    // step cannot change) must not reach it.
    if (differs)
        updatePartCommand(settings);
    qDeleteAll(settings);
    finishAdjustment(differs);
}

void Score::changeNotePosOffset(bool larger)
{
    adjustStyle([larger](Style *s) { s->noteOffset += larger ? noteOffsetStep : -noteOffsetStep; });
}

void Score::changeMeasuresPerStage(bool more)
{
    adjustPage([more](Page *p) {
        // The count is the line breaking's own while it is automatic.
        if (p->autoNewline)
            return;
        if (more)
            ++p->measurePerLine;
        else if (p->measurePerLine > 1)
            --p->measurePerLine;
    });
}

void Score::changePartWidth(bool wider)
{
    adjustPage(
        [wider](Page *p) { p->lineWidthScale *= wider ? partWidthStep : partWidthStepBack; });
}

void Score::changeSpaceBetweenStages(bool wider)
{
    adjustPage([wider](Page *p) {
        p->lineWidthPad =
            std::max(0.0, p->lineWidthPad + (wider ? stageSpaceStep : -stageSpaceStep));
    });
}

void Score::changeMeasureLength(bool longer)
{
    adjustPage([longer](Page *p) {
        p->measureScale *= longer ? measureLengthStep : measureLengthStepBack;
    });
}

void Score::setScoreHorizontal(bool horizontal)
{
    adjustPage([horizontal](Page *p) { p->horizontal = horizontal; });
}

void Score::setGridLayout(bool grid)
{
    adjustPage([grid](Page *p) { p->drawStageLine = grid; });
}

void Score::setMeasuresAutomatic(bool automatic)
{
    adjustPage([automatic](Page *p) { p->autoNewline = automatic; });
}

void Score::setEqualLength(bool equal)
{
    adjustPage([equal](Page *p) { p->measureEqualLength = equal; });
}

void Score::setTimeProportional(bool proportional)
{
    adjustPage([proportional](Page *p) { p->measureTimeProportional = proportional; });
}

void Score::setExpandLastStage(bool expand)
{
    adjustPage([expand](Page *p) { p->lastLineFit = expand; });
}

void Score::setExpandLastPage(bool expand)
{
    adjustPage([expand](Page *p) { p->pageFit = expand; });
}

void Score::setUniformity(int percent)
{
    // A clone keeps a new style's bounds, so the score's own are read.
    const double low = style->timeTickRatioMin;
    const double high = style->timeTickRatioMax;
    adjustStyle([=](Style *s) { s->timeTickRatio = double(percent) * (high - low) / 100.0 + low; });
}
