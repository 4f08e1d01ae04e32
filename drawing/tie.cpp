#include "drawing/tie.h"

#include "model/measure.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "view/scene.h"

#include <QBrush>
#include <QGraphicsPathItem>
#include <QPainterPath>
#include <QPen>

#include <algorithm>

namespace {

// The crescent's bulge: a share of the span, kept between the bounds.
double bulge(double span, double factor, double low, double high)
{
    return std::clamp(span * factor, low, high);
}

QGraphicsPathItem *crescentItem(const QPainterPath &path)
{
    auto *item = new QGraphicsPathItem(path);
    item->setPen(QPen(Qt::black, 0)); // a cosmetic hairline
    item->setBrush(QBrush(Qt::black, Qt::SolidPattern));
    return item;
}

// Where a staff tie lies beside its start note and how far from it, in
// units of the note glyph's scale: `above` is the side (above in
// horizontal writing, right in vertical writing).
struct StaffTieSide
{
    bool above = false;
    double factor = 0.0;
};

} // namespace

Tie::Tie(Score *score, Part *part, QObject *parent) : QObject(parent), score(score), part(part) {}

void Tie::reset()
{
    openStarts.clear();
}

void Tie::tieStart(Note *note, int system, QPointF first, QPointF second)
{
    start(nullptr, note, system, first, second);
}

void Tie::tieStart2(Measure *m, Note *note, int system, QPointF first, QPointF second)
{
    start(m, note, system, first, second);
}

void Tie::start(Measure *m, Note *note, int system, QPointF first, QPointF second)
{
    // A voice holds one tie per pitch: an open one of the same pitch,
    // staff and voice lost its stop and gives way.
    for (int i = 0; i < openStarts.size(); ++i) {
        const Slot &open = openStarts.at(i);
        if (open.pitch == note->pitchNumber && open.staff == note->staff &&
            open.voice == note->voice) {
            openStarts.removeAt(i);
            break;
        }
    }
    Slot slot;
    slot.note = note;
    slot.measure = m;
    slot.pitch = note->pitchNumber;
    slot.staff = note->staff;
    slot.voice = note->voice;
    slot.system = system;
    slot.first = first;
    slot.second = second;
    openStarts.append(slot);
}

bool Tie::takeMatch(const Note *note, Slot *slot)
{
    // Same pitch on the same staff; a start of the stop's own voice first,
    // then one of another voice (files that tie across voices).
    int found = -1;
    for (int i = 0; i < openStarts.size(); ++i) {
        const Slot &open = openStarts.at(i);
        if (open.pitch != note->pitchNumber || open.staff != note->staff)
            continue;
        if (open.voice == note->voice) {
            found = i;
            break;
        }
        if (found < 0)
            found = i;
    }
    if (found < 0)
        return false;
    *slot = openStarts.takeAt(found);
    return true;
}

void Tie::addCurve(QGraphicsPathItem *item, bool visible)
{
    score->scene->addItem(item);
    item->setVisible(visible);
}

QGraphicsPathItem *Tie::tiePath(bool above, double x1, double x2, double y)
{
    const double h = above ? bulge(x2 - x1, -0.2, -12.0, -5.0) : bulge(x2 - x1, 0.25, 5.0, 12.0);
    const double mid = (x1 + x2) / 2;
    QPainterPath path;
    path.moveTo(x1, y - 0.1);
    path.quadTo(mid, y + h, x2, y - 0.1);
    path.lineTo(x2, y + 0.1);
    path.quadTo(mid, y + h + 1.5, x1, y + 0.1);
    path.lineTo(x1, y - 0.1);
    return crescentItem(path);
}

QGraphicsPathItem *Tie::tiePathV(bool right, double y1, double y2, double x)
{
    const double h = right ? bulge(y2 - y1, 0.25, 5.0, 15.0) : bulge(y2 - y1, -0.25, -15.0, -5.0);
    const double mid = (y1 + y2) / 2;
    QPainterPath path;
    path.moveTo(x - 0.1, y1);
    path.quadTo(x + h, mid, x - 0.1, y2);
    path.lineTo(x + 0.1, y2);
    path.quadTo(x + h + 1.5, mid, x + 0.1, y1);
    path.lineTo(x - 0.1, y1);
    return crescentItem(path);
}

void Tie::tieStop(Note *note, int system, QPointF stop, bool visible)
{
    Slot slot;
    if (!takeMatch(note, &slot))
        return;
    const Page *page = score->page;
    const double k = page->scaleFactor;
    const double g = 0.1 * part->noteFontSize;
    const bool t = score->style->tieRightBottom;
    const QPointF a = slot.first;
    const QPointF b = slot.second;
    if (page->horizontal) {
        if (slot.system == system) {
            addCurve(tiePath(!t, a.x() * k, stop.x() * k, a.y() * k), visible);
        } else {
            const double lineStart = page->stageRect.left() + page->pageOriginX;
            addCurve(tiePath(!t, a.x() * k, b.x() * k, a.y() * k), visible);
            addCurve(tiePath(!t, lineStart * k, stop.x() * k, (stop.y() - g) * k), visible);
        }
    } else if (slot.system == system) {
        addCurve(tiePathV(t, a.y() * k, stop.y() * k, (a.x() - g) * k), visible);
    } else {
        const double lineStart = page->stageRect.top() + page->pageOriginY;
        addCurve(tiePathV(t, a.y() * k, b.y() * k, (a.x() - g) * k), visible);
        addCurve(tiePathV(t, lineStart * k, stop.y() * k, (stop.x() - g) * k), visible);
    }
}

namespace {

// Staff ties: the side and the distance from the start note's frame, in
// units of the start glyph's scale, by the chord, the stems and the step.
StaffTieSide horizontalSide(const Note *s, int step, bool single, bool bothUp)
{
    const bool even = step % 2 == 0;
    const bool rev = s->tieReverse;
    if (single) {
        const bool onLine = step + 5 < 11 && even;
        bool above;
        if (s->noteType < 2)
            above = (step >= 0) != rev;
        else if (bothUp)
            above = rev;
        else
            above = !rev;
        return {above, above ? (onLine ? -1.2 : -0.35) : (onLine ? 4.0 : 3.2)};
    }
    const bool inStaff = step + 3 < 7 && even;
    const bool above = (s->chordIndex == s->chordSize - 1) != rev;
    return {above, above ? -0.01 : (inStaff ? 2.2 : 3.0)};
}

StaffTieSide verticalSide(const Note *s, int step, bool single, bool bothUp)
{
    const bool onLine = step + 5 < 11 && step % 2 == 0;
    const bool rev = s->tieReverse;
    if (single) {
        bool right;
        if (s->noteType < 2)
            right = (step >= 0) != rev;
        else if (bothUp)
            right = rev;
        else
            right = !rev;
        return {right, right ? (onLine ? 1.2 : 3.0) : -0.2};
    }
    const bool right = (s->chordIndex == s->chordSize - 1) != rev;
    return {right, right ? 2.2 : (onLine ? 0.6 : -0.2)};
}

} // namespace

void Tie::tieStop2(Measure *m, Note *note, int system, QPointF stop, bool visible, double headWidth)
{
    Slot slot;
    if (!takeMatch(note, &slot))
        return;
    Note *s = slot.note;
    Note *e = note;
    Measure *startMeasure = slot.measure ? slot.measure : m;
    const int p = int(score->parts.indexOf(part));
    const double sxS = score->getNoteItemScaleX(startMeasure, s, p, s->voice - 1);
    const double syS = score->getNoteItemScaleY(startMeasure, s, p, s->voice - 1);
    const double sxE = score->getNoteItemScaleX(m, e, p, e->voice - 1);
    const double syE = score->getNoteItemScaleY(m, e, p, e->voice - 1);
    const int step = score->getStaffStep(startMeasure, p, s);
    const bool single = s->chordSize < 2;
    const bool whole = s->noteType < 2;
    const int a = s->stem;
    const int b = e->stem;
    const bool bothUp = a == 1 && b == 1;
    const bool sameStems = bothUp || (a == 2 && b == 2);

    const Page *page = score->page;
    const double k = page->scaleFactor;
    const QPointF p1 = slot.first;
    const QPointF p2 = slot.second;
    const bool broken = slot.system != system;

    if (page->horizontal) {
        double x1;
        double x2;
        if (!single) {
            x1 = p1.x() + 3.5 * sxS;
            x2 = stop.x() - 0.02 * sxE;
        } else if (whole || sameStems) {
            x1 = p1.x() + 2 * sxS;
            x2 = stop.x() + 1.1 * sxE;
        } else if (a == 1 && b == 2) {
            x1 = p1.x() + 3.5 * sxS;
            x2 = stop.x() + 1.1 * sxS;
        } else if (a == 2 && b == 1) {
            x1 = p1.x() + 3.5 * sxS;
            x2 = stop.x() + 1.1 * sxE;
        } else {
            x1 = p1.x() + 2 * sxS;
            x2 = stop.x() + 1.1 * sxS;
        }
        const StaffTieSide side = horizontalSide(s, step, single, bothUp);
        const double y = p1.y() + side.factor * syS;
        if (!broken) {
            addCurve(tiePath(side.above, x1 * k, x2 * k, y * k), visible);
            return;
        }
        addCurve(tiePath(side.above, x1 * k, p2.x() * k, y * k), visible);
        // The second half keeps the first half's distance from its note.
        const double lineStart = page->stageRect.left() + page->pageOriginX + headWidth;
        const double y2 = stop.y() + side.factor * syE;
        addCurve(tiePath(side.above, lineStart * k, x2 * k, y2 * k), visible);
        return;
    }

    double y1;
    double y2;
    if (!single) {
        y1 = p1.y() + 3.5 * syS;
        y2 = stop.y() - 0.02 * syE;
    } else if (whole) {
        y1 = p1.y() + 2 * syS;
        y2 = stop.y() + 1.1 * sxS;
    } else if (sameStems) {
        y1 = p1.y() + 2 * syS;
        y2 = stop.y() + 1.1 * syE;
    } else if ((a == 1 && b == 2) || (a == 2 && b == 1)) {
        y1 = p1.y() + 3.5 * syS;
        y2 = stop.y() + 1.1 * syE;
    } else {
        y1 = p1.y() + 2 * syS;
        y2 = stop.y() + 1.1 * syS;
    }
    const StaffTieSide side = verticalSide(s, step, single, bothUp);
    const double x = p1.x() + side.factor * sxS;
    if (!broken) {
        addCurve(tiePathV(side.above, y1 * k, y2 * k, x * k), visible);
        return;
    }
    addCurve(tiePathV(side.above, y1 * k, p2.y() * k, x * k), visible);
    const double lineStart = page->stageRect.top() + page->pageOriginY + headWidth;
    const double x2 = stop.x() + side.factor * sxE;
    addCurve(tiePathV(side.above, lineStart * k, y2 * k, x2 * k), visible);
}
