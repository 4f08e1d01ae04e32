#include "drawing/wedge.h"

#include "drawing/linetags.h"
#include "drawing/movableitem.h"
#include "drawing/spanmarks.h"
#include "layout/aligner.h"
#include "model/direction.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "view/scene.h"

#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>
#include <QPen>

namespace {

bool inWedgeSlots(int number)
{
    return number >= 0 && number < Wedge::slotCount;
}

// Opening of a segment as fractions of the full opening, at its start and
// its end. A hairpin broken by line ends reopens a little on each line.
struct Opening
{
    double start = 0.0;
    double end = 0.0;
};

Opening brokenOpening(bool crescendo, bool first, bool horizontal)
{
    if (crescendo)
        return first ? Opening{0.0, 0.6} : Opening{0.4, 0.6};
    if (first)
        return Opening{1.0, horizontal ? 0.6 : 0.4};
    return Opening{0.6, 0.4};
}

Opening lastOpening(bool crescendo, bool broken)
{
    if (crescendo)
        return broken ? Opening{0.4, 1.0} : Opening{0.0, 1.0};
    return broken ? Opening{0.6, 0.0} : Opening{1.0, 0.0};
}

} // namespace

Wedge::Wedge(Score *score, Part *part, QObject *parent) : QObject(parent), score(score), part(part)
{
}

void Wedge::reset()
{
    startSlots.fill(Slot());
}

void Wedge::wedgeStart(Measure *measure, int voice, Direction *direction, double startPosition,
                       bool crescendo)
{
    if (!direction || !inWedgeSlots(direction->number))
        return;
    startSlots[direction->number] = Slot{measure, voice, direction, startPosition, crescendo};
}

void Wedge::wedgePen(QGraphicsItemGroup *group, bool place, double x, double y,
                     const QPointF &start, const QPointF &end, double openStart, double openEnd)
{
    const double k = score->page->scaleFactor;
    QPen pen(QBrush(Qt::black), 0.03 * part->noteFontSize * k, Qt::SolidLine, Qt::FlatCap,
             Qt::BevelJoin);
    QList<QGraphicsLineItem *> lines;
    if (score->page->horizontal) {
        const double length = (end.x() - start.x()) * k;
        lines << new QGraphicsLineItem(0.0, -openStart * k, length, -openEnd * k)
              << new QGraphicsLineItem(0.0, openStart * k, length, openEnd * k);
    } else {
        const double length = (end.y() - start.y()) * k;
        lines << new QGraphicsLineItem(-openStart * k, 0.0, -openEnd * k, length)
              << new QGraphicsLineItem(openStart * k, 0.0, openEnd * k, length);
    }
    for (QGraphicsLineItem *line : std::as_const(lines)) {
        line->setPen(pen);
        if (place)
            line->setPos(x * k, y * k);
        group->addToGroup(line);
    }
}

int Wedge::wedgeStop(Measure *measure, Direction *direction, double stopPosition)
{
    if (!direction || !inWedgeSlots(direction->number))
        return 0;
    Slot &slot = startSlots[direction->number];
    if (!slot.startMeasure || !slot.direction)
        return 0;
    const int first = slot.startMeasure->indexInScore();
    const int last = measure->indexInScore();
    if (first < 0 || last < first)
        return 0;
    const int partIndex = score->parts.indexOf(part);
    if (partIndex < 0)
        return 0;

    Direction *start = slot.direction;
    const bool horizontal = score->page->horizontal;
    const double k = score->page->scaleFactor;
    const double n = part->noteFontSize;
    const double w = fullOpening * n;
    const int voice = slot.voice;
    const int index = score->shownDirectionIndex(slot.startMeasure, partIndex, voice, start);
    start->shown = start->visibility != 2;

    const Voice *startVoice = slot.startMeasure->parts.at(partIndex)->voices.at(voice);
    const Note *anchor =
        start->noteIndex >= 0 ? startVoice->notes.value(start->noteIndex) : nullptr;
    const int staff = anchor ? anchor->staff : 0;

    // The side of the notes the hairpin stands on at its default place:
    // above them (right of the column) for an offset up to 0.
    const bool above = start->y <= 0.0;
    // One segment over the measures segmentFirst..m: its group placed at
    // the start of the line, plus the handle for the segment the start
    // stands in.
    int segmentFirst = first;
    auto addSegment = [&](const Measure *m, double from, double to, Opening opening,
                          bool withHandle, bool withLines) {
        const double line = m->getPartNoteLine(staff, partIndex);
        // At its default place a segment stands clear of the notes under it.
        double across = start->y * n;
        if (!start->moved) {
            const double out = score->lineAcross(partIndex, start, segmentFirst, m->indexInScore());
            across = above ? -out : out;
        }
        segmentFirst = m->indexInScore() + 1;
        auto *group = new QGraphicsItemGroup;
        group->setData(LineTags::TagLine, LineTags::Hairpin);
        if (withLines) {
            const QPointF a = horizontal ? QPointF(from, line) : QPointF(line, from);
            const QPointF b = horizontal ? QPointF(to, line) : QPointF(line, to);
            wedgePen(group, false, 0.0, 0.0, a, b, opening.start * w, opening.end * w);
        }
        group->setPos(horizontal ? QPointF((from + start->x * n) * k, (line + across) * k)
                                 : QPointF((line - across) * k, (from + start->x * n) * k));
        showUnlessHidden(group, start->shown, score->cleanOutput);
        score->scene->addItem(group);
        if (!withHandle)
            return;
        const QRectF box = group->boundingRect();
        auto *handle = horizontal ? new MovableItem(score, int(box.width()), int(box.height() / 2))
                                  : new MovableItem(score, int(box.width() / 2), int(box.height()));
        handle->setPos(group->pos());
        score->makeMovableDirectionItem(handle, first, partIndex, voice, index, start);
    };

    double from = slot.startPosition;
    double total = 0.0;
    int segments = 0;
    for (int i = first; i < last; ++i) {
        const Measure *m = score->measures.at(i);
        if (!m->stageEnd)
            continue;
        const double edge = horizontal ? m->originX + m->width : m->originY + m->height;
        ++segments;
        addSegment(m, from, edge, brokenOpening(slot.crescendo, segments == 1, horizontal),
                   segments == 1, true);
        total += edge - from;
        const Measure *next = score->measures.at(i + 1);
        from = (horizontal ? next->originX : next->originY) + next->aligner->headWidth();
    }

    const double end = stopPosition + (start->scale - 1.0) * ((stopPosition - from) + total);
    const bool broken = segments > 0;
    addSegment(measure, from, end, lastOpening(slot.crescendo, broken), !broken,
               !broken || end > from);
    slot = Slot();
    return 1;
}
