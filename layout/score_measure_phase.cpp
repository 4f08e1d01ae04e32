// Score's measure phase of the item generation: everything that belongs to
// one measure as a whole (bar lines and repeat signs, clefs, keys and time
// signatures, ending brackets, staff lines, "Simile" marks, part boundary
// and string lines, the time-tick lines and the break mark), then the part
// step with the page step after the first part.
#include "drawing/breakitem.h"
#include "layout/aligner.h"
#include "layout/layouter.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "view/scene.h"

#include <QGraphicsLineItem>
#include <QPen>

#include <algorithm>

namespace {

constexpr double boundaryZ = -20.0;

// The displayed measure before `measure`, or null for the first; measures
// outside the displayed list fall back to the full list.
const Measure *previousShown(const Score *score, const Measure *measure)
{
    const int shown = measure->indexInDisplayed();
    if (shown >= 0)
        return shown > 0 ? score->displayedMeasures.at(shown - 1) : nullptr;
    const int index = measure->indexInScore();
    return index > 0 ? score->measures.at(index - 1) : nullptr;
}

} // namespace

bool Score::measureStartsLine(const Measure *measure) const
{
    const Measure *previous = previousShown(this, measure);
    return !previous || previous->stageEnd || previous->pageEnd;
}

bool Score::measureEndsLine(const Measure *measure) const
{
    return measure->stageEnd || measure->pageEnd ||
           (!displayedMeasures.isEmpty() && displayedMeasures.last() == measure);
}

double Score::openingBarOffset(const Measure *measure) const
{
    const Style *st = style;
    const double u = 0.06 * maxNoteSize;
    double offset = 0.0;
    if (measure->leftRepeat == 1)
        offset = (st->measureRepeatDotOffset + st->measureRepeatDotRadius) * u;
    if (measure->leftBarline) {
        if (measure->leftBarStyle == 2)
            offset += st->measureDoubleLineSpacing * u;
        else if (measure->leftBarStyle == 3)
            offset += (st->measureThickLineWidth + st->measureDoubleLineSpacing) * u;
    }
    return offset;
}

void Score::genMeasureOpeningBarLine(Measure *measure)
{
    carriedBarLine =
        genMeasureBarLines(measure, measureStartsLine(measure) ? false : carriedBarLine);
    const double gap = (page->horizontal ? 0.15 : 0.25) * maxNoteSize;
    measure->aligner->setSignatureX(measure->aligner->signatureX() + openingBarOffset(measure) +
                                    gap);
}

void Score::genMeasureItems(int measureIndex)
{
    Measure *m = measures.value(measureIndex);
    if (!m)
        return;
    if (measureIndex == 0) {
        carriedBarLine = false;
        openEndingStart = nullptr;
    }
    m->aligner->setSignatureX(0.0);

    // A repeat sign may stand after the signatures, as in staff notation.
    const bool deferred = m->leftRepeat != 0 && page->barlineStaffNotationMode;
    if (!deferred)
        genMeasureOpeningBarLine(m);

    addMeasureStaffClefs(m);
    addMeasureStaffKeySignatures(m);
    addMeasureStaffTimeSignatures(m);
    if (deferred)
        genMeasureOpeningBarLine(m);

    switch (m->shownEndingType) {
    case 1:
        openEndingStart = m;
        break;
    case 2:
    case 3:
        if (openEndingStart)
            genEndingItems(openEndingStart, m);
        break;
    case 4:
    case 5:
        genEndingItems(m, m);
        break;
    default:
        break;
    }

    for (int p = 0; p < parts.size() && p < m->parts.size(); ++p)
        genMeasurePartLines(m, p);
    if (m->multiRestCount < 2)
        m->genMeasureLines();
    genBreakMark(measureIndex);

    for (int p = 0; p < parts.size() && p < m->parts.size(); ++p) {
        // A multi-measure rest shows one bar per part, however many voices
        // the part uses.
        if (m->multiRestCount >= 2 && parts.at(p)->partOutput && !m->parts.at(p)->collapsed)
            genMultiRestItems(m, p, m->multiRestCount);
        genPartItems(measureIndex, p);
        if (p == 0)
            advancePageAfterMeasure(m);
    }
}

namespace {

// Upright in a column, the time signature stands on the middle Bunka string:
// a string that would run through it starts a little after it (mm from
// the measure start), the others from the start. Rows keep their strings
// whole, as staff lines run through a time signature.
double stringSkipForTimeSignature(const Measure *m, int part, double x)
{
    const QRectF box = m->timeSignatureBoxes.value(part);
    if (box.isNull())
        return 0.0;
    const double gap = 0.1 * m->score->parts.at(part)->noteFontSize;
    if (x < box.left() - gap || x > box.right() + gap)
        return 0.0;
    return std::clamp(box.bottom() + gap - m->originY, 0.0, m->height);
}

} // namespace

void Score::genMeasurePartLines(Measure *m, int p)
{
    Part *part = parts.at(p);
    if (!part->partOutput)
        return;
    const MePart *cell = m->parts.at(p);
    const bool horizontal = page->horizontal;
    const double s = page->scaleFactor;
    const double size = part->noteFontSize;
    const bool multiRest = m->multiRestCount >= 2;

    // The staff lines of a whole line are drawn at its last measure.
    if (part->notationStyle == NotationStyle::StaffNotation && measureEndsLine(m) &&
        !cell->collapsed)
        addStaffLines(part, m);

    if (m->simileParts.value(p)) {
        GlyphItem *simile =
            createSvgItem(p, true, QStringLiteral("Simile"), false, horizontal, 1.0, 1.0);
        const double ref = m->getPartRefLine(p);
        if (horizontal)
            simile->setPos((m->originX + m->width / 2 - size / 2) * s, (ref - size / 2) * s);
        else
            simile->setPos((ref - size / 2) * s, (m->originY + m->height / 2 - size / 2) * s);
        scene->addItem(simile);
    }

    QPen pen;
    pen.setWidth(int(style->partLineWidth * 0.5 * s));
    // A line along the measure; `skip` (mm) leaves its start out.
    auto addLine = [&](double x, double y, bool boundary, double skip = 0.0) {
        auto *line = horizontal ? new QGraphicsLineItem(0.0, 0.0, (m->width - skip) * s, 0.0)
                                : new QGraphicsLineItem(0.0, 0.0, 0.0, (m->height - skip) * s);
        line->setPos((horizontal ? x + skip : x) * s, (horizontal ? y : y + skip) * s);
        line->setPen(pen);
        if (boundary)
            line->setZValue(boundaryZ);
        scene->addItem(line);
    };
    // Vertical writing counts cell offsets leftwards from the far x edge.
    const double edge = horizontal ? m->originY : m->originX + m->width;
    // The boundary lines enclose the bands beside the row that hold its
    // directions.
    if (part->boundaryLeftBottom) {
        if (horizontal)
            addLine(m->originX,
                    edge + cell->partOffset + cell->partExtent + cell->directionBandBelow, true);
        else
            addLine(edge + cell->partOffset - cell->directionBandBelow, m->originY, true);
    }
    if (part->boundaryRightTop) {
        if (horizontal)
            addLine(m->originX, edge + cell->partOffset - cell->directionBand, true);
        else
            addLine(edge + cell->partOffset + cell->partExtent + cell->directionBand, m->originY,
                    true);
    }

    // The three strings of the Bunka shamisen, on the lanes of its notes.
    if (part->notationStyle == NotationStyle::ShamisenBunka && (!horizontal || !multiRest)) {
        const double shift = part->partShift * size;
        for (int i = 0; i < 3; ++i) {
            const double lane = m->layouter ? m->layouter->chordNotePos2(p, i, 1) : 0.0;
            const double across = edge + cell->partOffset + cell->partExtent * 0.5 + lane;
            if (horizontal)
                addLine(m->originX, across - shift, false);
            else
                addLine(across + shift, m->originY, false,
                        stringSkipForTimeSignature(m, p, across + shift));
        }
    }
}
