#include "drawing/linesplit.h"

#include "model/measure.h"
#include "model/page.h"
#include "model/score.h"

QList<LineSpan> splitAtLineEnds(const Score *score, int first, int last, double from, double to)
{
    const bool horizontal = score->page->horizontal;
    QList<LineSpan> pieces;
    for (int i = first; i < last; ++i) {
        const Measure *m = score->measures.at(i);
        if (!m->stageEnd)
            continue;
        pieces.append({m, from, horizontal ? m->originX + m->width : m->originY + m->height});
        const Measure *next = score->measures.at(i + 1);
        from = horizontal ? next->originX : next->originY;
    }
    pieces.append({score->measures.at(last), from, to});
    return pieces;
}
