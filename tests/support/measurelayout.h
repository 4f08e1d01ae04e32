// Test-only layout of a score by hand for the measure phase: parts of a
// style, staff count and note size, measures placed in lines on the first
// page in either writing direction, part cells stacked across each line,
// and the displayed-measure list with its line-end flags; part labels off.
//
// Horizontal writing: lines run along x from the stage's left edge, one
// below the other, each measure `measureLength` long. Vertical writing:
// lines run down y from the stage's top, one column left of the other from
// the stage's right edge. Part rows are `rowPerStaff` mm per staff.
//
// Ownership: the layout owns its Score.
#pragma once

#include "model/score.h"
#include "view/scene.h"

#include <QGraphicsItem>

#include <QList>

class Measure;
class Part;

namespace TestSupport {

struct MeasureLayout
{
    static constexpr double measureLength = 40.0;
    static constexpr double rowPerStaff = 15.0;

    explicit MeasureLayout(bool horizontal);

    // A part with its style's first note font loaded.
    Part *addPart(int notationStyle, int staves = 1, double noteSize = 5.0);
    // `count` measures with one cell per part; the first carries a time
    // element (beats/beatType) and the key `fifths`; every cell's staves
    // get the clef "G", the second staff "F".
    void addMeasures(int count, int fifths = 0);
    // Places the measures; each entry of `lineLengths` is the number of
    // displayed measures in one line. Multi-measure rests must be set
    // (multiRestCount) before; the displayed list is rebuilt here.
    void layOut(const QList<int> &lineLengths);
    // The measure phase over every shown measure, on an empty scene.
    void generate();

    Score score{QStringLiteral("5.3.1"), 0, false};
};

// The items of the score's scene of type T, in ascending stacking order.
template <class T> QList<T *> sceneItemsOf(const Score &score)
{
    QList<T *> found;
    const QList<QGraphicsItem *> items = score.scene->items(Qt::AscendingOrder);
    for (QGraphicsItem *item : items) {
        if (auto *t = dynamic_cast<T *>(item))
            found.append(t);
    }
    return found;
}

} // namespace TestSupport
