#include "drawing/spanmarks.h"

#include "model/measure.h"
#include "model/score.h"

#include <QGraphicsItem>

std::optional<StartedSpan> takeSpanStart(SpanStart &slot, const Score *score, const Part *part,
                                         const Measure *stop)
{
    if (!slot.startMeasure || !slot.direction)
        return std::nullopt;
    StartedSpan started{slot};
    slot = SpanStart();
    started.partIndex = score->parts.indexOf(part);
    started.firstMeasure = started.start.startMeasure->indexInScore();
    started.lastMeasure = stop->indexInScore();
    if (started.partIndex < 0 || started.firstMeasure < 0 ||
        started.lastMeasure < started.firstMeasure)
        return std::nullopt;
    return started;
}

void showUnlessHidden(QGraphicsItem *item, bool shown, bool cleanOutput)
{
    if (cleanOutput)
        item->setVisible(shown);
    else
        item->setOpacity(shown ? 1.0 : 0.5);
}
