#include "drawing/bracketline.h"

#include "drawing/linesplit.h"
#include "drawing/movableitem.h"
#include "drawing/mypath.h"
#include "model/direction.h"
#include "model/measure.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "view/scene.h"

#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>
#include <QPen>

namespace {

bool inSlots(int number)
{
    return number >= 0 && number < BracketLine::slotCount;
}

Qt::PenStyle penStyleOf(int kind)
{
    if (kind == 2)
        return Qt::DashLine;
    if (kind == 3)
        return Qt::DotLine;
    return Qt::SolidLine;
}

} // namespace

int BracketLine::waveKindOf(const QString &text)
{
    if (text.endsWith(QLatin1Char('~')))
        return 0;
    if (text.endsWith(QLatin1Char('^')))
        return 1;
    return -1;
}

BracketLine::BracketLine(Score *score, Part *part) : score(score), part(part) {}

void BracketLine::reset()
{
    startSlots.fill(Slot());
}

void BracketLine::bracketStart(Measure *measure, int voice, Direction *record, double position)
{
    if (!record || !inSlots(record->number))
        return;
    startSlots[record->number] = Slot{measure, record->lineType, record, position, voice};
}

void BracketLine::drawLine(QGraphicsItemGroup *group, int kind, double length, int hookStart,
                           int hookEnd)
{
    const double s = score->page->scaleFactor;
    const double n = part->noteFontSize;
    const double h = 0.5 * n * s;
    const QPen pen(QBrush(Qt::black), 0.05 * n * s, penStyleOf(kind), Qt::FlatCap);
    // An unseen diagonal gives a straight line some depth to pick it by.
    QPen unseen;
    unseen.setColor(QColor(0, 0, 0, 0));
    const double l = length * s;

    auto add = [group](double x1, double y1, double x2, double y2, const QPen &linePen) {
        auto *line = new QGraphicsLineItem(x1, y1, x2, y2);
        line->setPen(linePen);
        group->addToGroup(line);
    };
    auto hook = [h](int code) { return code == 1 ? -h : h; };
    const bool hasStart = hookStart == 1 || hookStart == 2;
    const bool hasEnd = hookEnd == 1 || hookEnd == 2;
    if (score->page->horizontal) {
        add(0.0, 0.0, l, 0.0, pen);
        add(0.0, 5.0, l, 0.0, unseen);
        if (hasStart)
            add(0.0, 0.0, 0.0, hook(hookStart), pen);
        if (hasEnd)
            add(l, 0.0, l, hook(hookEnd), pen);
    } else {
        // Turned with the page: "up" points to the right.
        add(0.0, 0.0, 0.0, l, pen);
        add(5.0, 0.0, 0.0, l, unseen);
        if (hasStart)
            add(0.0, 0.0, -hook(hookStart), 0.0, pen);
        if (hasEnd)
            add(0.0, l, -hook(hookEnd), l, pen);
    }
}

int BracketLine::bracketStop(Measure *measure, Direction *record, double position)
{
    if (!record || !inSlots(record->number))
        return 0;
    const std::optional<StartedSpan> span =
        takeSpanStart(startSlots[record->number], score, part, measure);
    if (!span)
        return 0;
    const SpanStart &started = span->start;
    const int partIndex = span->partIndex;
    const int first = span->firstMeasure;

    Direction *start = started.direction;
    const int waveKind = waveKindOf(start->text);
    start->shown = start->visibility != 2;
    const bool horizontal = score->page->horizontal;
    const double s = score->page->scaleFactor;
    const double n = part->noteFontSize;
    const int index =
        score->shownDirectionIndex(started.startMeasure, partIndex, started.voice, start);

    const QList<LineSpan> pieces =
        splitAtLineEnds(score, first, span->lastMeasure, started.startPosition, position);
    double total = 0.0;
    for (const LineSpan &piece : std::as_const(pieces))
        total += piece.to - piece.from;

    // The side of the notes the line stands on at its default place: above
    // them (right of the column) for an offset up to 0.
    const bool above = start->y <= 0.0;
    int pieceFirst = first;
    for (int i = 0; i < pieces.size(); ++i) {
        const LineSpan &piece = pieces.at(i);
        const bool isFirst = i == 0;
        const bool isLast = i == pieces.size() - 1;
        const int pieceLast = piece.measure->indexInScore();
        // The user's length scale stretches the end of the whole line, so
        // pieces that end at a line end stay within their line.
        double length = piece.to - piece.from;
        if (isLast)
            length += (start->scale - 1.0) * total;
        const double along = piece.from + (isFirst ? start->x * n : 0.0);
        const double line = piece.measure->getPartNoteLine(start->staff, partIndex);
        // At its default place a piece stands clear of the notes under it.
        double across = start->y * n;
        if (!start->moved) {
            const double out = score->lineAcross(partIndex, start, pieceFirst, pieceLast, record);
            across = above ? -out : out;
        }
        pieceFirst = pieceLast + 1;
        const QPointF pos = horizontal ? QPointF(along * s, (line + across) * s)
                                       : QPointF((line - across) * s, along * s);

        QGraphicsItem *item = nullptr;
        QGraphicsItem *handle = nullptr;
        if (waveKind >= 0) {
            auto *path = new MyPath;
            path->setWavePath(waveKind, qMax(0.0, length) * s, horizontal, 0.3 * n * s);
            item = path;
            handle = path;
        } else {
            auto *group = new QGraphicsItemGroup;
            if (length > 0.0)
                drawLine(group, started.kind, length, isFirst ? start->lineEnd : 0,
                         isLast ? record->lineEnd : 0);
            item = group;
        }
        item->setPos(pos);
        showUnlessHidden(item, start->shown, score->cleanOutput);
        score->scene->addItem(item);
        if (!isFirst)
            continue;
        if (!handle) {
            const QRectF box = item->boundingRect();
            handle = horizontal ? new MovableItem(score, int(box.width()), int(box.height() / 2))
                                : new MovableItem(score, int(box.width() / 2), int(box.height()));
            handle->setPos(pos);
        }
        score->makeMovableDirectionItem(handle, first, partIndex, started.voice, index, start);
    }
    return 0;
}
