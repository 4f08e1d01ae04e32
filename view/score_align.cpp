// Score: aligning the selected items on the first of them.
#include "model/score.h"

#include "model/itemtags.h"
#include "model/page.h"
#include "view/itemlookup.h"
#include "view/scene.h"
#include "view/undomacro.h"

#include <QGraphicsItem>
#include <QUndoCommand>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// Scene units within which the aligned edges must agree after the
// regeneration; well inside a tenth of a millimetre.
constexpr double settledWithin = 0.05;
// Trial regenerations at most before the offsets are kept as they are.
constexpr int trialPasses = 4;

struct AlignedItem
{
    ItemTags tags;
    QPointF offset;
    bool hasOffset = false;
};

// The coordinate of the item that Align lines up: its top edge when
// aligning horizontally, its left edge when aligning vertically. A span
// (slur, wavy line, wedge, bracket) changes its shape with its start, so
// its start point counts instead.
double alignedEdge(const QGraphicsItem *item, bool horizontally, bool span)
{
    if (span)
        return horizontally ? item->scenePos().y() : item->scenePos().x();
    const QRectF box = item->sceneBoundingRect();
    return horizontally ? box.top() : box.left();
}

bool isAlignable(int type)
{
    return (type >= NotationItem && type <= LyricItem && type != NoteItem) ||
           type == FingeringItem || type == HarmonicItem;
}

// A lyric standing on its origin needs no step, but it still fixes the
// common coordinate.
bool takesStep(const AlignedItem &a)
{
    return a.hasOffset && !(a.tags.type == LyricItem && a.offset.isNull());
}

// Each item's offset that puts its edge on the common coordinate, the
// first item's, in the current scene; `spread` is how far the edges are
// apart now.
void offsetsOnScene(Score &score, std::vector<AlignedItem> &aligned, bool horizontally,
                    double *spread)
{
    bool fixed = false;
    double common = 0.0;
    *spread = 0.0;
    for (AlignedItem &a : aligned) {
        const QGraphicsItem *item = itemOfTags(score, a.tags);
        a.hasOffset = false;
        if (!item)
            continue;
        const double edge = alignedEdge(item, horizontally, reshapesWithOffset(score, a.tags));
        if (!fixed)
            common = edge;
        fixed = true;
        *spread = std::max(*spread, std::abs(edge - common));
        QPointF target = item->scenePos();
        (horizontally ? target.ry() : target.rx()) += common - edge;
        a.hasOffset = score.itemOffsetAt(item, target, &a.offset);
    }
}

// Regenerating with new offsets can move what they count from (a row
// whose room follows its items, a measure that makes room for a
// syllable): the offsets are tried on the model and corrected from what
// the trial drew, until the edges agree. The model's offsets are given
// back after each trial; the scene shows the last trial.
void settleOffsets(Score &score, std::vector<AlignedItem> &aligned, bool horizontally)
{
    double spread = 0.0;
    offsetsOnScene(score, aligned, horizontally, &spread);
    for (int pass = 0; pass < trialPasses; ++pass) {
        std::vector<std::unique_ptr<QUndoCommand>> tried;
        for (const AlignedItem &a : aligned) {
            const QGraphicsItem *item = takesStep(a) ? itemOfTags(score, a.tags) : nullptr;
            if (QUndoCommand *command =
                    item ? score.makeItemMoveCommand(item, a.offset, false) : nullptr) {
                command->redo();
                tried.emplace_back(command);
            }
        }
        score.generateScore();
        std::vector<AlignedItem> corrected = aligned;
        offsetsOnScene(score, corrected, horizontally, &spread);
        for (auto command = tried.rbegin(); command != tried.rend(); ++command)
            (*command)->undo();
        if (spread <= settledWithin)
            return;
        aligned = corrected;
    }
}

} // namespace

void Score::alignItemsHorizontallyCommand()
{
    alignItemsCommand(true);
}

void Score::alignItemsVerticallyCommand()
{
    alignItemsCommand(false);
}

void Score::alignItemsCommand(bool horizontally)
{
    std::vector<AlignedItem> aligned;
    for (QGraphicsItem *item : scene->selectedItems()) {
        const int type = item->data(TagType).toInt();
        // A lyric keeps its place on a vertical page: its line decides it.
        if (!isAlignable(type) || (type == LyricItem && !page->horizontal))
            continue;
        // Kinds the hand cannot place (the marks of the note flow) have no
        // offset and do not count.
        QPointF origin;
        if (!itemOffsetOrigin(item, &origin))
            continue;
        aligned.push_back({readItemTags(item), QPointF(), false});
    }
    if (!aligned.empty())
        settleOffsets(*this, aligned, horizontally);
    {
        UndoMacro macro(this, QStringLiteral("move selected items"));
        for (const AlignedItem &a : aligned) {
            if (!takesStep(a))
                continue;
            if (QGraphicsItem *item = itemOfTags(*this, a.tags)) {
                if (QUndoCommand *command = makeItemMoveCommand(item, a.offset, true))
                    pushCommand(command);
            }
        }
    }
    setChanged(true);
    generateScore();
}
