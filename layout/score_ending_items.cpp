// Score's ending brackets: the line over the measures of an ending, with
// its hooks and its label, split into one segment per line of the score.
// The first segment carries the label and the handle that moves the whole
// ending.
#include "drawing/movableitem.h"
#include "drawing/watcheritem.h"
#include "layout/aligner.h"
#include "model/measure.h"
#include "model/page.h"
#include "model/score.h"
#include "model/style.h"
#include "view/scene.h"

#include <QCursor>
#include <QGraphicsItemGroup>
#include <QGraphicsTextItem>

namespace {

constexpr int downOrLeftHook = 2;

bool isDiscontinued(int endingType)
{
    return endingType == 3 || endingType == 5;
}

// "1, 2" reads "1., 2.".
QString endingLabel(const QString &numbers)
{
    return numbers.split(QStringLiteral(", ")).join(QStringLiteral("., ")) + QLatin1Char('.');
}

// The bold label, turned with the line in vertical writing.
QGraphicsTextItem *endingLabelItem(const Score *score, const QString &numbers)
{
    QFont font = score->style->defaultFont;
    font.setWeight(QFont::Bold);
    font.setPixelSize(qMax(1, int(score->maxNoteSize * 0.77 * score->page->scaleFactor)));
    auto *label = new QGraphicsTextItem(endingLabel(numbers));
    label->setFont(font);
    label->setCacheMode(QGraphicsItem::NoCache);
    if (!score->page->horizontal)
        label->setRotation(90.0);
    return label;
}

} // namespace

void Score::genEndingItems(Measure *first, Measure *last)
{
    if (!first || !last)
        return;
    const int firstIndex = first->indexInScore();
    const int lastIndex = last->indexInScore();
    if (firstIndex < 0 || lastIndex < firstIndex)
        return;
    const bool horizontal = page->horizontal;
    const double k = page->scaleFactor;
    const double size = maxNoteSize;
    const double ox = first->endingOffsetX;
    const double oy = first->endingOffsetY;

    double r = horizontal ? first->originX : first->originY;
    const double e = horizontal ? last->originX + last->width : last->originY + last->height;
    QGraphicsItemGroup *firstSegment = nullptr;

    // A multi-measure rest stands for the measures it swallows: step over
    // them, so that a line that it ends moves on to the next shown measure.
    for (int i = firstIndex; i <= lastIndex;) {
        Measure *m = measures.at(i);
        const int span = m->multiRestCount >= 2 ? m->multiRestCount : 1;
        const bool isLast = i + span > lastIndex;
        const double mEnd = horizontal ? m->originX + m->width : m->originY + m->height;
        if (!isLast && !measureEndsLine(m)) {
            i += span;
            continue;
        }
        const double length = (isLast ? e : mEnd) - r;
        auto *group = new QGraphicsItemGroup;
        int endHook = 0;
        if (isLast && !isDiscontinued(last->shownEndingType))
            endHook = downOrLeftHook;
        addHookedLineToGroup(group, 1, isLast ? length - 2.0 : length,
                             firstSegment ? 0 : downOrLeftHook, endHook);
        // Grouped before the group moves, so that it keeps its place in it.
        if (!firstSegment)
            group->addToGroup(endingLabelItem(this, first->endingNumberText));
        // Every segment follows the ending's offset the same way: x with
        // the first component, y with the second.
        if (horizontal)
            group->setPos((r + size * ox) * k, (size * oy + m->originY) * k);
        else
            group->setPos((size * ox + m->originX + m->width) * k, (r + size * oy) * k);
        scene->addItem(group);
        if (!firstSegment)
            firstSegment = group;
        if (isLast)
            break;
        i += span;
        const Measure *next = measures.value(i);
        if (next)
            r = (horizontal ? next->originX : next->originY) + next->aligner->headWidth();
    }
    if (!firstSegment)
        return;

    const QRectF bounds = firstSegment->boundingRect();
    auto *handle = horizontal
                       ? new MovableItem(this, int(bounds.width()), int(bounds.height() / 2))
                       : new MovableItem(this, int(bounds.width() / 2), int(bounds.height()));
    handle->setPos(horizontal ? firstSegment->pos() : firstSegment->pos() - QPointF(15.0, 0.0));
    first->endingItem = handle;
    handle->setAcceptHoverEvents(true);
    handle->setCursor(Qt::ArrowCursor);
    setEndingItemTag(handle, firstIndex);
    handle->setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
    scene->addItem(handle);
    if (watcher)
        handle->installSceneEventFilter(watcher);
}
