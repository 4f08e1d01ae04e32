// Score: aligning the selected items on the first of them.
#include "model/score.h"

#include "model/itemtags.h"
#include "model/page.h"
#include "view/scene.h"
#include "view/undomacro.h"

#include <QGraphicsItem>

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
    const QList<QGraphicsItem *> selection = scene->selectedItems();
    {
        UndoMacro macro(this, QStringLiteral("move selected items"));
        bool fixed = false;
        double common = 0.0;
        for (QGraphicsItem *item : selection) {
            const int type = item->data(TagType).toInt();
            const bool handled = (type >= NotationItem && type <= LyricItem && type != NoteItem) ||
                                 type == FingeringItem || type == HarmonicItem;
            // A lyric keeps its place on a vertical page: its line decides it.
            if (!handled || (type == LyricItem && !page->horizontal))
                continue;
            QGraphicsItem *own = modelItemOf(item);
            QPointF target = own->pos();
            if (!fixed)
                common = horizontally ? target.y() : target.x();
            (horizontally ? target.ry() : target.rx()) = common;
            QPointF offset;
            if (!itemOffsetAt(item, target, &offset))
                continue;
            fixed = true;
            // A lyric standing on its origin needs no step, but it still
            // fixes the common coordinate.
            if (type == LyricItem && offset.x() == 0.0 && offset.y() == 0.0)
                continue;
            if (QUndoCommand *command = makeItemMoveCommand(item, offset, true))
                pushCommand(command);
        }
    }
    setChanged(true);
    generateScore();
}
