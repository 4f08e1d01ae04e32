#include "drawing/octshift.h"

#include "drawing/linesplit.h"
#include "drawing/movableitem.h"
#include "model/direction.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "view/scene.h"

#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>
#include <QPen>

namespace {

bool inOctShiftSlots(int number)
{
    return number >= 0 && number < OctShift::slotCount;
}

} // namespace

OctShift::OctShift(Score *score, Part *part, QObject *parent)
    : QObject(parent), score(score), part(part)
{
}

void OctShift::reset()
{
    startSlots.fill(Slot());
}

void OctShift::octShiftStart(Measure *measure, int voice, Direction *record, double position)
{
    if (!record || !inOctShiftSlots(record->number))
        return;
    startSlots[record->number] = Slot{measure, record->kind, record, position, voice};
}

void OctShift::octShiftGlyphs(QGraphicsItemGroup *group, double length, bool hookOtherWay,
                              bool withHook)
{
    const double s = score->page->scaleFactor;
    const double n = part->noteFontSize;
    const QPen pen(QBrush(Qt::black), 0.05 * n * s, Qt::DashLine, Qt::FlatCap);
    QPen unseen;
    unseen.setColor(QColor(0, 0, 0, 0));
    const double d = 0.25 * n * s;
    // A shift over one short note can stop before the line starts: its
    // line then has no length rather than running backwards.
    const double l = qMax(0.0, length * s - d);
    const double h = 0.5 * n * s;
    const bool horizontal = score->page->horizontal;

    auto add = [group](double x1, double y1, double x2, double y2, const QPen &linePen,
                       const QPointF &pos) {
        auto *line = new QGraphicsLineItem(x1, y1, x2, y2);
        line->setPen(linePen);
        line->setPos(pos);
        group->addToGroup(line);
    };
    GlyphItem *glyph =
        GlyphItems::create(score->commonRenderer,
                           horizontal ? QStringLiteral("8_Italic") : QStringLiteral("8_Italic_V"));
    const double glyphScale = score->page->glyphScale * n;
    glyph->setTransform(QTransform::fromScale(glyphScale, glyphScale));
    const double hook = hookOtherWay ? h : -h;
    if (horizontal) {
        add(0.0, 0.0, l, 0.0, pen, QPointF(d, 0.0));
        add(0.0, 5.0, l, 0.0, unseen, QPointF());
        glyph->setPos(0.0, -0.15 * n * s);
        if (withHook)
            add(l + d, 0.0, l + d, hook, pen, QPointF());
    } else {
        add(0.0, 0.0, 0.0, l, pen, QPointF(0.0, d));
        add(5.0, 0.0, 0.0, l, unseen, QPointF());
        glyph->setPos(-0.15 * n * s, 0.0);
        if (withHook)
            add(0.0, l + d, hook, l + d, pen, QPointF());
    }
    group->addToGroup(glyph);
}

int OctShift::octShiftStop(Measure *measure, Direction *record, double position)
{
    if (!record || !inOctShiftSlots(record->number))
        return 0;
    const std::optional<StartedSpan> span =
        takeSpanStart(startSlots[record->number], score, part, measure);
    if (!span)
        return 0;
    const SpanStart &started = span->start;
    const int partIndex = span->partIndex;
    const int first = span->firstMeasure;

    Direction *start = started.direction;
    start->shown = start->visibility != 2;
    // The hook points back toward the staff: the line of an "8va" stands
    // above it (right of the column in vertical writing), that of an "8vb"
    // below (left), unless the user moved it across. The stop record
    // carries no kind.
    const bool horizontal = score->page->horizontal;
    const bool above =
        start->y < 0.0 || (start->y == 0.0 && started.kind != DirectionKind::OctaveUp);
    const bool hookOtherWay = horizontal ? above : !above;
    const double s = score->page->scaleFactor;
    const double n = part->noteFontSize;
    const int index =
        score->shownDirectionIndex(started.startMeasure, partIndex, started.voice, start);

    const QList<LineSpan> pieces =
        splitAtLineEnds(score, first, span->lastMeasure, started.startPosition, position);

    int pieceFirst = first;
    for (int i = 0; i < pieces.size(); ++i) {
        const LineSpan &piece = pieces.at(i);
        const bool isFirst = i == 0;
        const bool isLast = i == pieces.size() - 1;
        const int pieceLast = piece.measure->indexInScore();
        auto *group = new QGraphicsItemGroup;
        octShiftGlyphs(group, piece.to - piece.from, hookOtherWay, isLast);
        // The whole first piece shifts with the user's offset along.
        const double along = piece.from + (isFirst ? start->x * n : 0.0);
        const double line = piece.measure->getPartNoteLine(start->staff, partIndex);
        // At its default place a piece stands clear of the notes under it.
        double across = start->y * n;
        if (!start->moved) {
            const double out = score->lineAcross(partIndex, start, pieceFirst, pieceLast);
            across = above ? -out : out;
        }
        pieceFirst = pieceLast + 1;
        const QPointF pos = horizontal ? QPointF(along * s, (line + across) * s)
                                       : QPointF((line - across) * s, along * s);
        group->setPos(pos);
        // A line at its default place stays inside its own row.
        score->keepDirectionInRow(group, piece.measure->indexInScore(), partIndex, start);
        showUnlessHidden(group, start->shown, score->cleanOutput);
        score->scene->addItem(group);
        if (!isFirst)
            continue;
        const QRectF box = group->boundingRect();
        MovableItem *handle = nullptr;
        if (isLast)
            handle = new MovableItem(score, int(box.width()), int(box.height()));
        else if (horizontal)
            handle = new MovableItem(score, int(box.width()), int(box.height() / 2));
        else
            handle = new MovableItem(score, int(box.width() / 2), int(box.height()));
        // The handle covers the drawn line, whose box starts above (or
        // left of) the group's origin when the hook points that way.
        handle->setPos(group->pos() + box.topLeft());
        score->makeMovableDirectionItem(handle, first, partIndex, started.voice, index, start);
    }
    return 1;
}
