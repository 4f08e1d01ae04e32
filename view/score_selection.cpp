// Score: tracking the selection of the scene. A regeneration replaces every
// item, so the commands note what is selected by model indices first.
#include "model/score.h"

#include "model/itemtags.h"
#include "model/selecteddirection.h"
#include "model/selecteddirective.h"
#include "model/selectednotation.h"
#include "model/selectednote.h"
#include "view/scene.h"

#include <QDebug>
#include <QGraphicsItem>

namespace {

// Only a written tag counts: an untagged item would read as type 0, the
// measure item's.
bool isOfType(const QGraphicsItem *item, int type)
{
    const QVariant tag = item->data(TagType);
    return tag.isValid() && tag.toInt() == type;
}

// Empties `list` (deleting its records) and appends one record per
// selected item that `make` turns into one, in the scene's order.
template <typename Record, typename Make>
void rebuild(QList<Record *> &list, const QList<QGraphicsItem *> &selected, int type, Make make)
{
    qDeleteAll(list);
    list.clear();
    for (const QGraphicsItem *item : selected) {
        if (isOfType(item, type))
            list.append(make(item));
    }
}

} // namespace

void Score::setSelectedMeasures()
{
    // A measure item carries type 0 and its displayed-measure index.
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    selectedMeasures.clear();
    for (const QGraphicsItem *item : selected) {
        if (isOfType(item, 0))
            selectedMeasures.append(itemTag(item, TagMeasure));
    }
}

void Score::setSelectedNotes()
{
    rebuild(selectedNotes, scene->selectedItems(), NoteItem, [this](const QGraphicsItem *item) {
        int m = 0, p = 0, v = 0, n = 0;
        getItemTag(item, &m, &p, &v, &n);
        return new SelectedNote(m, p, v, n);
    });
}

void Score::setSelectedDirections()
{
    rebuild(selectedDirections, scene->selectedItems(), DirectionItem,
            [this](const QGraphicsItem *item) {
                int m = 0, p = 0, v = 0, d = 0;
                getDirectionItemTag(item, &m, &p, &v, &d);
                return new SelectedDirection(m, p, v, d);
            });
}

void Score::setSelectedNotationItems()
{
    rebuild(selectedNotations, scene->selectedItems(), NotationItem,
            [this](const QGraphicsItem *item) {
                int m = 0, p = 0, v = 0, n = 0, k = 0;
                getNotationItemTag(item, &m, &p, &v, &n, &k);
                return new SelectedNotation(m, p, v, n, k);
            });
}

void Score::setSelectedDirectiveItems()
{
    rebuild(selectedDirectives, scene->selectedItems(), DirectiveItem,
            [this](const QGraphicsItem *item) {
                int m = 0, p = 0, v = 0, n = 0, k = 0;
                getDirectiveItemTag(item, &m, &p, &v, &n, &k);
                return new SelectedDirective(m, p, v, n, k);
            });
}

void Score::selectionChanged()
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    if (selected.isEmpty())
        return;
    if (dSw) {
        for (const QGraphicsItem *item : selected)
            qDebug().noquote() << "setSelectedMeasures measure no = " +
                                      QString::number(itemTag(item, TagMeasure));
    }
    scene->update();
}
