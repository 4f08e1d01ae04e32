// Score's lines of marks: the movable wavy line that shows a note's
// tremolo, and the line with end hooks of a movable text group.
#include "drawing/mypath.h"
#include "drawing/watcheritem.h"
#include "model/measure.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "view/scene.h"

#include <QCursor>
#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>
#include <QPen>

namespace {

constexpr double markLineZ = 10.0;
constexpr double faintLineOpacity = 0.3;

// Visible (1) shows even a note whose marks are hidden; invisible (2)
// always hides; default (0) follows the note. Other codes keep the last
// decision.
bool decideShown(bool hiddenNote, int visibility, bool previous)
{
    if (hiddenNote) {
        if (visibility == 1)
            return true;
        if (visibility == 0 || visibility == 2)
            return false;
        return previous;
    }
    if (visibility == 0 || visibility == 1)
        return true;
    if (visibility == 2)
        return false;
    return previous;
}

} // namespace

int Score::genNotationWavyLine(int measureIndex, int part, int voice, int noteIndex,
                               int notationIndex, Note *note, Notation *notation, double k)
{
    const double s = page->scaleFactor;
    Measure *m = measures.at(measureIndex);
    double length = 0.0;
    if (note->tremoloType == 1 || note->tremoloType == 3)
        length = (m->getEndLocation(part, voice, note->alignItemEnd) -
                  m->getStartLocation(part, voice, note->firstAlignItem)) *
                 notation->scale;

    auto *path = new MyPath;
    path->setWavePath(2, length * s, true, parts.at(part)->noteFontSize * s);
    scene->addItem(path);
    notation->item = path;
    setNotationItemTag(path, measureIndex, part, voice, noteIndex, notationIndex);
    path->setAcceptHoverEvents(true);
    path->setCursor(Qt::ArrowCursor);
    if (watcher)
        path->installSceneEventFilter(watcher);
    path->setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
    path->setZValue(markLineZ);

    const QPointF f = m->getItemFinalPosFrame(part, voice, note->firstAlignItem);
    const double l = style->tremoloOffsetL;
    const double w = style->tremoloOffsetW;
    QPointF offset(notation->x, notation->y);
    if (page->horizontal) {
        if (!notation->moved)
            offset = QPointF(l, w - 0.4);
        path->setPos((offset.x() * k + f.x()) * s, ((w + offset.y()) * k + f.y()) * s);
    } else {
        path->setRotation(90.0);
        if (!notation->moved)
            offset = QPointF(0.0, 1.2 + w);
        path->setPos(((offset.y() + w) * k + f.x()) * s, ((offset.x() + l) * k + f.y()) * s);
    }

    notation->shown =
        decideShown(note->longRepeatMemberFlag, notation->visibility, notation->shown);
    if (notation->shown)
        path->setOpacity(1.0);
    else if (cleanOutput)
        path->setVisible(false);
    else
        path->setOpacity(faintLineOpacity);
    return 1;
}

void Score::addHookedLineToGroup(QGraphicsItemGroup *group, int lineStyle, double length,
                                 int startHook, int endHook)
{
    const double s = page->scaleFactor;
    const double h = 0.8 * maxNoteSize * s;
    const double l = length * s;
    Qt::PenStyle penStyle = Qt::SolidLine;
    if (lineStyle == 2)
        penStyle = Qt::DashLine;
    else if (lineStyle == 3)
        penStyle = Qt::DotLine;
    const QPen pen(QBrush(Qt::black), 0.25 * s, penStyle, Qt::FlatCap);
    // An unseen diagonal gives the group some depth, so that a straight
    // line stays easy to pick.
    QPen unseen;
    unseen.setColor(QColor(0, 0, 0, 0));

    auto add = [group](double x1, double y1, double x2, double y2, const QPen &linePen) {
        auto *line = new QGraphicsLineItem(x1, y1, x2, y2);
        line->setPen(linePen);
        group->addToGroup(line);
    };
    // Hook 1 points up (horizontal) or right (vertical), hook 2 the other
    // way.
    if (page->horizontal) {
        add(0.0, 0.0, l, 0.0, pen);
        add(0.0, 5.0, l, 0.0, unseen);
        if (startHook == 1 || startHook == 2)
            add(0.0, 0.0, 0.0, startHook == 1 ? -h : h, pen);
        if (endHook == 1 || endHook == 2)
            add(l, 0.0, l, endHook == 1 ? -h : h, pen);
    } else {
        add(0.0, 0.0, 0.0, l, pen);
        add(5.0, 0.0, 0.0, l, unseen);
        if (startHook == 1 || startHook == 2)
            add(0.0, 0.0, startHook == 1 ? h : -h, 0.0, pen);
        if (endHook == 1 || endHook == 2)
            add(0.0, l, endHook == 1 ? h : -h, l, pen);
    }
}
