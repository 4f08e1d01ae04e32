#include "drawing/slurs.h"

#include "drawing/linesplit.h"
#include "drawing/spanmarks.h"
#include "drawing/watcheritem.h"
#include "layout/aligner.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "view/scene.h"

#include <QBrush>
#include <QCursor>
#include <QDebug>
#include <QGraphicsPathItem>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// Length along the line of each piece of a slur's ink that texts settle
// clear of, mm: a text beside the slur's low end need not rise over its
// crown.
constexpr double slurPieceMm = 2.0;

// The slur's ink as boxes (scene units) of pieces along the line, each
// from the outline's points that fall into it.
QList<QRectF> slurInkPieces(const QGraphicsPathItem *item, bool horizontal, double scale)
{
    const QPainterPath ink = item->sceneTransform().map(item->path());
    const QRectF whole = ink.boundingRect();
    const double length = horizontal ? whole.width() : whole.height();
    if (whole.isEmpty() || scale <= 0.0)
        return {};
    const int pieces = std::clamp(int(std::ceil(length / (slurPieceMm * scale))), 1, 64);
    const double from = horizontal ? whole.left() : whole.top();
    const double step = length / pieces;
    // Per piece the least and greatest x and y of its points.
    std::vector<std::array<double, 4>> spans(pieces, {1e300, 1e300, -1e300, -1e300});
    const auto addPoint = [&](const QPointF &point) {
        const double along = horizontal ? point.x() : point.y();
        std::array<double, 4> &span = spans[std::clamp(int((along - from) / step), 0, pieces - 1)];
        span = {std::min(span[0], point.x()), std::min(span[1], point.y()),
                std::max(span[2], point.x()), std::max(span[3], point.y())};
    };
    // The outline flattened once (asking the path for points along its
    // length measures every curve again for each point), each edge cut so
    // that no piece it crosses is left without a point.
    for (const QPolygonF &polygon : ink.toSubpathPolygons()) {
        for (int i = 0; i < polygon.size(); ++i) {
            addPoint(polygon[i]);
            if (i + 1 == polygon.size())
                break;
            const QPointF edge = polygon[i + 1] - polygon[i];
            const int cuts = int(std::abs(horizontal ? edge.x() : edge.y()) / (step / 2));
            for (int cut = 1; cut <= cuts; ++cut)
                addPoint(polygon[i] + edge * (double(cut) / (cuts + 1)));
        }
    }
    QList<QRectF> boxes;
    for (const std::array<double, 4> &span : spans) {
        if (span[0] <= span[2])
            boxes.append(QRectF(QPointF(span[0], span[1]), QPointF(span[2], span[3])));
    }
    return boxes;
}

constexpr double degreesPerRadian = 57.2958;
constexpr int staccatoKind = 1;

// The angle (degrees) of a chord of length `length` whose component along
// the curve's own axis is `along`; a chord of no length lies flat.
double chordAngle(double along, double length)
{
    if (length <= 0.0)
        return 0.0;
    return std::acos(std::clamp(along / length, -1.0, 1.0)) * degreesPerRadian;
}

// The bulge of a curve: full height from 100 scene units on, less below.
double bulgeHeight(double length, double height)
{
    return 0.4 * (length > 100.0 ? height : height * length / 100.0);
}

void paintCrescent(QGraphicsPathItem *item, const QPainterPath &path)
{
    item->setPath(path);
    item->setPen(QPen(Qt::black, 0));
    item->setBrush(QBrush(Qt::black, Qt::SolidPattern));
}

// From visibility code: 1 shown, 2 hidden; by default hidden when either
// end lies inside a chain whose notes are hidden.
void deriveShown(Notation *slur, const Note *start, const Note *stop)
{
    switch (slur->visibility) {
    case 0:
        slur->shown = !(start->longRepeatMemberFlag || stop->longRepeatMemberFlag);
        break;
    case 1:
        slur->shown = true;
        break;
    case 2:
        slur->shown = false;
        break;
    default:
        break;
    }
}

bool isBeamed(const Note *note)
{
    const int code = note->beamTypes[0];
    return code >= 1 && code <= 5;
}

// A staccato as the note's second notation moves the slur's end away.
bool hasStaccatoSecond(const Note *note)
{
    return note->notations.size() >= 2 && note->notations.at(1)->kind == staccatoKind;
}

bool isOdd(int step)
{
    return step % 2 != 0;
}

} // namespace

Slurs::Slurs(Score *score, Part *part, int voice, QObject *parent)
    : QObject(parent), score(score), part(part), voice(voice)
{
}

void Slurs::reset()
{
    startSlots.fill(Slot());
}

void Slurs::slurStart(Measure *measure, Note *note, Notation *slur, int number, double refOffset)
{
    if (number < 0 || number >= slotCount)
        return;
    Slot &slot = startSlots[number];
    slot.startMeasure = measure;
    slot.startNote = note;
    slot.slur = slur;
    slot.refOffset = refOffset;
    slot.voice = voice;
}

bool Slurs::isOpen(int number) const
{
    return number >= 0 && number < slotCount && startSlots[number].startMeasure;
}

void Slurs::takeOver(Slurs *other, int number)
{
    if (!other || other == this || number < 0 || number >= slotCount)
        return;
    startSlots[number] = other->startSlots[number];
    other->startSlots[number] = Slot();
}

void Slurs::slurPath(QGraphicsPathItem *item, bool flag, double dx, double dy, double c1, double c2,
                     double height)
{
    const double length = std::sqrt(dx * dx + dy * dy);
    const double a = 0.2 * length;
    const double b = length - a;
    const double h = bulgeHeight(length, height);
    QPainterPath path;
    path.moveTo(0, 0);
    if (flag) {
        path.cubicTo(a, c1 - h, b, c2 - h, length, 0);
        path.lineTo(length, -0.1);
        path.cubicTo(b, c2 - h - 1.2, a, c1 - h - 1.2, 0, -0.1);
    } else {
        path.cubicTo(a, h - c1, b, h - c2, length, 0);
        path.lineTo(length, 0.1);
        path.cubicTo(b, h - c2 + 1.2, a, h - c1 + 1.2, 0, 0.1);
    }
    path.lineTo(0, 0);
    paintCrescent(item, path);
    const double angle = chordAngle(dx, length);
    item->setRotation(dy < 0 ? -angle : angle);
}

void Slurs::slurPathV(QGraphicsPathItem *item, bool flag, double dx, double dy, double c1,
                      double c2, double height)
{
    const double length = std::sqrt(dx * dx + dy * dy);
    const double a = 0.2 * length;
    const double b = length - a;
    const double h = bulgeHeight(length, height);
    QPainterPath path;
    path.moveTo(0, 0);
    if (flag) {
        path.cubicTo(h + c1, a, h + c2, b, 0, length);
        path.lineTo(0.1, length);
        path.cubicTo(h - 1.2 + c2, b, h - 1.2 + c1, a, 0.1, 0);
    } else {
        path.cubicTo(c1 - h, a, c2 - h, b, 0, length);
        path.lineTo(-0.1, length);
        path.cubicTo(c2 - h - 1.2, b, c1 - h - 1.2, a, -0.1, 0);
    }
    path.lineTo(0, 0);
    paintCrescent(item, path);
    const double angle = chordAngle(dy, length);
    item->setRotation(dx > 0 ? -angle : angle);
}

int Slurs::partIndex() const
{
    return int(score->parts.indexOf(part));
}

bool Slurs::hasItem(const Measure *measure, const Note *note, int noteVoice) const
{
    return note && note->firstAlignItem >= 0 &&
           measure->itemExists(partIndex(), noteVoice, note->firstAlignItem);
}

QPointF Slurs::finalPos(const Measure *measure, const Note *note, int noteVoice) const
{
    return measure->getItemFinalPosFrame(partIndex(), noteVoice, note->firstAlignItem);
}

Slurs::EndFrame Slurs::endFrame(Measure *measure, Note *note, int noteVoice) const
{
    const int p = partIndex();
    EndFrame frame;
    frame.pos = finalPos(measure, note, noteVoice);
    frame.size = measure->getItemSize(p, noteVoice, note->firstAlignItem);
    frame.step = score->getStaffStep(measure, p, note);
    frame.line = measure->getPartNoteLine(note->staff, p) + note->stemEnd;
    // The chord's last note carries the far end of a stem-down chord.
    const QList<Note *> &notes = measure->parts.at(p)->voices.at(noteVoice)->notes;
    const Note *top = notes.value(notes.indexOf(note) + std::max(note->chordSize, 1) - 1);
    frame.topPos = hasItem(measure, top, noteVoice) ? finalPos(measure, top, noteVoice) : frame.pos;
    frame.staccato = hasStaccatoSecond(note);
    frame.beamed = isBeamed(note);
    frame.stem = note->stemShown;
    return frame;
}

void Slurs::slurEndPoints(Measure *startMeasure, Note *start, int startVoice, Measure *stopMeasure,
                          Note *stop, bool above, QPointF &p, QPointF &q) const
{
    const EndFrame s = endFrame(startMeasure, start, startVoice);
    const EndFrame e = endFrame(stopMeasure, stop, voice);
    const double w = s.size.width();
    const double h = s.size.height();
    double x = s.pos.x();
    double y = s.pos.y();
    // Clear of a staccato: lower on a line or in a low space, higher near the top.
    const double belowDot = (s.step < -2 || isOdd(s.step)) ? 0.52 : 0.63;
    const double aboveDot = (s.step > 2 || isOdd(s.step)) ? 0.25 : 0.35;
    if (!above) {
        if (s.stem == 1) {
            x += 0.3 * w;
            y += s.staccato ? h * belowDot : 0.33 * h;
        } else if (s.stem == 2) {
            y = s.line;
            if (s.beamed)
                y += 0.1 * h;
            else
                x += 0.3 * w;
        } else {
            x += 0.2 * w;
            y += 0.3 * h;
        }
    } else if (s.stem == 1) {
        x += 0.8 * w;
        y = s.line;
        if (s.beamed)
            y -= 0.1 * h;
    } else if (s.stem == 2) {
        x += 0.3 * w;
        y = s.topPos.y();
        y -= s.staccato ? h * aboveDot : 0.05 * h;
    } else {
        x += 0.26 * w;
        y -= s.staccato ? h * aboveDot : 0.05 * h;
    }
    p = QPointF(x, y);

    const double we = e.size.width();
    const double he = e.size.height();
    x = e.pos.x();
    y = e.pos.y();
    const double belowDotE = (e.step < -2 || isOdd(e.step)) ? 0.52 : 0.63;
    const double aboveDotE = (e.step > 2 || isOdd(e.step)) ? 0.25 : 0.35;
    if (!above) {
        if (e.stem == 1) {
            x += 0.3 * we;
            y += e.staccato ? he * belowDotE : 0.33 * he;
        } else if (e.stem == 2) {
            if (s.stem != 1)
                y = e.line;
            else if (s.step > e.step)
                y += 0.1 * he;
            else if (e.step - 5 > s.step)
                y = e.line - 0.2 * he;
            else
                y += 0.6 * he;
            if (e.beamed)
                y += 0.1 * he;
            else
                x -= 0.1 * we;
        } else {
            x += 0.2 * we;
            y += 0.3 * he;
        }
    } else if (e.stem == 1) {
        if (s.stem == 1)
            y = e.line;
        else if (s.step >= e.step)
            y = e.step + 5 < s.step ? e.line + 0.2 * he : y - 0.2 * he;
        else
            y -= 0.1 * he;
        if (e.beamed) {
            x += 0.8 * we;
            y -= 0.1 * he;
        } else {
            x += 0.3 * we;
        }
    } else if (e.stem == 2) {
        x += 0.3 * we;
        y = e.topPos.y();
        y -= e.staccato ? he * aboveDotE : 0.05 * he;
    } else {
        x += 0.25 * we;
        y -= e.staccato ? he * aboveDotE : 0.05 * he;
    }
    q = QPointF(x, y);
}

void Slurs::slurEndPointsV(Measure *startMeasure, Note *start, int startVoice, Measure *stopMeasure,
                           Note *stop, bool above, QPointF &p, QPointF &q) const
{
    const EndFrame s = endFrame(startMeasure, start, startVoice);
    const EndFrame e = endFrame(stopMeasure, stop, voice);
    const double w = s.size.width();
    const double h = s.size.height();
    double x = s.pos.x();
    double y = s.pos.y();
    const double belowDot = (s.step < -2 || isOdd(s.step)) ? 0.4 : 0.6;
    const double aboveDot = (s.step > 2 || isOdd(s.step)) ? 0.9 : 1.1;
    if (!above) {
        if (s.stem == 1) {
            x -= s.staccato ? h * belowDot : 0.05 * w;
            y += 0.3 * h;
        } else if (s.stem == 2) {
            x = e.stem != 1 ? s.line - 0.05 * w : x - 0.1 * w;
            if (!s.beamed)
                y += 0.1 * h;
        } else {
            x -= 0.08 * w;
            y += 0.2 * h;
        }
    } else if (s.stem == 1) {
        x = e.stem == 1 ? s.line : x + 0.65 * h;
        if (s.beamed) {
            x += 0.1 * w;
            y += 0.2 * h;
        } else {
            y += 0.7 * h;
        }
    } else if (s.stem == 2) {
        x = s.topPos.x();
        x += s.staccato ? h * aboveDot : 0.57 * h;
        y += 0.3 * h;
    } else {
        x += 0.34 * w;
        y += 0.25 * h;
    }
    p = QPointF(x, y);

    const double we = e.size.width();
    const double he = e.size.height();
    x = e.pos.x();
    y = e.pos.y();
    const double belowDotE = (e.step < -2 || isOdd(e.step)) ? 0.4 : 0.6;
    const double aboveDotE = (e.step > 2 || isOdd(e.step)) ? 0.9 : 1.1;
    if (!above) {
        if (e.stem == 1) {
            x -= e.staccato ? he * belowDotE : 0.05 * we;
            y += 0.3 * he;
        } else if (e.stem == 2) {
            x = s.stem != 1 ? e.line : x - 0.2 * we;
            y -= 0.1 * he;
        } else {
            x -= 0.08 * we;
            y += 0.2 * he;
        }
    } else if (e.stem == 1) {
        x = s.stem == 1 ? e.line : x + 0.35 * we;
        if (e.beamed) {
            x += 0.1 * we;
            y += 0.8 * he;
        } else {
            y += 0.3 * he;
        }
    } else if (e.stem == 2) {
        x = e.topPos.x();
        x += e.staccato ? he * aboveDotE : 0.57 * he;
        y += 0.3 * he;
    } else {
        x += 0.34 * we;
        y += 0.25 * he;
    }
    q = QPointF(x, y);
}

void Slurs::finishSegment(QGraphicsPathItem *item, SegmentRole role, Measure *measure, Note *note,
                          int noteVoice, Notation *notation, const Notation *startSlur)
{
    // Each segment stays in the system of its own line (`measure` lies on
    // it), unless the user placed it.
    const bool placed =
        startSlur->moved || (role == SegmentRole::StopEnd && notation && notation->moved);
    if (!placed)
        keepInsideSystem(item, score, measure);
    score->scene->addItem(item);
    // Texts settle beyond the slur, as they do beyond the notes.
    const int inkPart = partIndex();
    QList<QList<QRectF>> &ink = measure->looseInkBoxes;
    if (ink.size() <= inkPart)
        ink.resize(inkPart + 1);
    ink[inkPart] += slurInkPieces(item, score->page->horizontal, score->page->scaleFactor);
    if (role != SegmentRole::Plain) {
        const int p = partIndex();
        const QList<Note *> &notes = measure->parts.at(p)->voices.at(noteVoice)->notes;
        item->setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
        item->setZValue(10.0);
        item->setAcceptHoverEvents(true);
        item->setCursor(Qt::ArrowCursor);
        if (score->watcher)
            item->installSceneEventFilter(score->watcher);
        score->setNotationItemTag(item, measure->indexInScore(), p, noteVoice,
                                  int(notes.indexOf(note)), int(note->notations.indexOf(notation)));
        notation->item = item;
        if (role == SegmentRole::StopEnd)
            item->setVisible(notation->shown);
    }
    showUnlessHidden(item, startSlur->shown, score->cleanOutput);
}

bool Slurs::takeSlot(int number, Measure *measure, Note *note, Slot *slot)
{
    if (number < 0 || number >= slotCount || !startSlots[number].startMeasure)
        return false;
    *slot = startSlots[number];
    startSlots[number] = Slot();
    // Both ends need glyphs to measure from, and the start its notation.
    return slot->slur && hasItem(slot->startMeasure, slot->startNote, slot->voice) &&
           hasItem(measure, note, voice) && slot->startMeasure->indexInScore() >= 0 &&
           measure->indexInScore() >= slot->startMeasure->indexInScore();
}

int Slurs::slurStop(Measure *measure, Note *note, Notation *stopSlur, int number)
{
    Slot slot;
    if (!takeSlot(number, measure, note, &slot))
        return 0;
    const int p = partIndex();
    const bool horizontal = score->page->horizontal;
    const double k = score->page->scaleFactor;
    const double n = part->noteFontSize;
    Notation *slur = slot.slur;
    Note *start = slot.startNote;
    Measure *startMeasure = slot.startMeasure;
    const int sv = slot.voice;
    deriveShown(slur, start, note);

    const QPointF startPos = finalPos(startMeasure, start, sv);
    Note *next = startMeasure->parts.at(p)->voices.at(sv)->findNextUnflaggedNote(start);
    if (!hasItem(startMeasure, next, sv))
        next = start;
    const QPointF nextPos = finalPos(startMeasure, next, sv);
    const QSizeF startBox = startMeasure->getItemSize(p, sv, start->firstAlignItem);
    double along;
    if (slur->moved)
        along = slur->x * n + (horizontal ? startPos.x() : startPos.y());
    else if (horizontal)
        along =
            startMeasure->getItemFinalRefPos(p, sv, next->firstAlignItem) + 0.5 * startBox.width();
    else
        along = startMeasure->getItemFinalRefPos(p, sv, start->firstAlignItem) +
                0.5 * startBox.height();

    const double lift = score->style->slurOffset * (start->grace ? 0.5 : 1.0);
    const double startRef = startMeasure->getPartRefLine(p);
    const QPointF stopPos = finalPos(measure, note, voice);
    const QSizeF stopBox = measure->getItemSize(p, voice, note->firstAlignItem);
    const int first = startMeasure->indexInScore();
    const int last = measure->indexInScore();
    int count = 0;
    for (int i = first; i <= last; ++i) {
        Measure *m = score->measures.at(i);
        const bool isStop = i == last;
        if (!isStop && !score->measureEndsLine(m))
            continue;
        ++count;
        double end;
        if (!isStop)
            end = horizontal ? m->originX + m->width : m->originY + m->height;
        else if (slur->moved)
            end = slur->x * n + (horizontal ? stopPos.x() : stopPos.y());
        else
            end = measure->getItemFinalRefPos(p, voice, note->firstAlignItem) +
                  0.5 * (horizontal ? stopBox.width() : stopBox.height());

        // Later segments follow the part to its place in their own line.
        const double shift = count > 1 ? m->getPartRefLine(p) - startRef : 0.0;
        double cross;
        if (slur->moved)
            cross =
                (score->style->slurOffset + slur->y) * n + m->getPartRefLine(p) + slot.refOffset;
        else
            cross = (lift + slur->y) * n + (horizontal ? nextPos.y() : startPos.x()) + shift;

        const bool stopEnd = isStop && count > 1;
        if (stopEnd && !stopSlur) {
            qDebug().noquote() << "slurStopNotation is nullptr";
        } else {
            if (stopEnd && stopSlur->moved) {
                qDebug().noquote() << "slurStop 10 xs = " << along;
                cross = (score->style->slurOffset + stopSlur->y) * n +
                        (horizontal ? stopPos.y() : stopPos.x());
            }
            auto *item = new QGraphicsPathItem;
            if (horizontal) {
                slurPath(item, true, (end - along) * k, 0.0, 0.0, 0.0, 30.0);
                item->setPos(along * k, cross * k);
            } else {
                const double c1 = slur->moved ? slur->slurControlY1 : 0.0;
                const double c2 = slur->moved ? slur->slurControlY2 : 0.0;
                slurPathV(item, false, 0.0, (end - along) * k, c1, c2, 30.0);
                item->setPos(cross * k, along * k);
            }
            if (count == 1)
                finishSegment(item, SegmentRole::StartEnd, startMeasure, start, sv, slur, slur);
            else if (stopEnd)
                finishSegment(item, SegmentRole::StopEnd, measure, note, voice, stopSlur, slur);
            else
                finishSegment(item, SegmentRole::Plain, m, note, voice, nullptr, slur);
        }
        if (!isStop) {
            const Measure *following = score->measures.value(i + 1);
            if (following)
                along = horizontal ? following->originX : following->originY;
        }
    }
    return 0;
}

int Slurs::slurStop2(Measure *measure, Note *note, Notation *stopSlur, int number)
{
    Slot slot;
    if (!takeSlot(number, measure, note, &slot))
        return 0;
    const int p = partIndex();
    const bool horizontal = score->page->horizontal;
    const double k = score->page->scaleFactor;
    const double n = part->noteFontSize;
    Notation *slur = slot.slur;
    Note *start = slot.startNote;
    Measure *startMeasure = slot.startMeasure;
    const int sv = slot.voice;
    deriveShown(slur, start, note);

    const int placement = slur->userPlacement != 0 ? slur->userPlacement : slur->placement;
    const bool above = placement != 2;
    QPointF from;
    QPointF to;
    if (horizontal)
        slurEndPoints(startMeasure, start, sv, measure, note, above, from, to);
    else
        slurEndPointsV(startMeasure, start, sv, measure, note, above, from, to);

    // The user's offset is along then across in note sizes.
    const QPointF startPos = finalPos(startMeasure, start, sv);
    const QPointF moved =
        horizontal ? QPointF(slur->x * n, slur->y * n) : QPointF(slur->y * n, slur->x * n);
    if (slur->moved)
        from = startPos + moved;
    auto alongShift = [&](Measure *m, Note *end, int endVoice) {
        const double shift = end->noteShiftMajor + end->noteShiftSub;
        return horizontal ? QPointF(shift * score->getNoteItemScaleX(m, end, p, endVoice), 0.0)
                          : QPointF(0.0, shift * score->getNoteItemScaleY(m, end, p, endVoice));
    };
    from += alongShift(startMeasure, start, sv);
    to += alongShift(measure, note, voice);
    if (slur->moved)
        to += moved - (from - startPos);
    const double startCross = (horizontal ? from.y() : from.x()) - startMeasure->getPartRefLine(p);
    const double c1 = horizontal ? -slur->slurControlY1 : slur->slurControlY1;
    const double c2 = horizontal ? -slur->slurControlY2 : slur->slurControlY2;

    const int first = startMeasure->indexInScore();
    const int last = measure->indexInScore();
    bool broken = false;
    for (int i = first; i < last && !broken; ++i)
        broken = score->measureEndsLine(score->measures.at(i));

    if (!broken) {
        auto *item = new QGraphicsPathItem;
        const QPointF d = (to - from) * k;
        if (horizontal)
            slurPath(item, above, d.x(), d.y(), c1, c2, 55.0);
        else
            slurPathV(item, above, d.x(), d.y(), c1, c2, 55.0);
        item->setPos(from * k);
        finishSegment(item, SegmentRole::StartEnd, startMeasure, start, sv, slur, slur);
        return 0;
    }

    double along = horizontal ? from.x() : from.y();
    const QPointF stopPos = finalPos(measure, note, voice);
    const double stopRef = measure->getPartRefLine(p);
    int count = 0;
    for (int i = first; i <= last; ++i) {
        Measure *m = score->measures.at(i);
        const bool isStop = i == last;
        if (!isStop && !score->measureEndsLine(m))
            continue;
        ++count;
        const double end = isStop ? (horizontal ? to.x() : to.y())
                                  : (horizontal ? m->originX + m->width : m->originY + m->height);
        double cross;
        double curve1 = c1;
        double curve2 = c2;
        if (count == 1) {
            cross = startMeasure->getPartRefLine(p) + startCross;
        } else if (slur->moved) {
            cross = m->getPartRefLine(p) + slot.refOffset + slur->y * n;
        } else {
            // The end's height, carried to the part's place in this line.
            cross = (horizontal ? to.y() : to.x()) - stopRef + m->getPartRefLine(p);
            curve1 = curve2 = 0.0;
        }
        const bool stopEnd = isStop && count > 1;
        if (stopEnd && !stopSlur) {
            qDebug().noquote() << "slurStopNotation is nullptr";
        } else {
            if (stopEnd && stopSlur->moved)
                cross = (horizontal ? stopPos.y() : stopPos.x()) + stopSlur->y * n;
            auto *item = new QGraphicsPathItem;
            if (horizontal) {
                slurPath(item, above, (end - along) * k, 0.0, curve1, curve2, 55.0);
                item->setPos(along * k, cross * k);
            } else {
                slurPathV(item, above, 0.0, (end - along) * k, curve1, curve2, 55.0);
                item->setPos(cross * k, along * k);
            }
            if (count == 1)
                finishSegment(item, SegmentRole::StartEnd, startMeasure, start, sv, slur, slur);
            else if (stopEnd)
                finishSegment(item, SegmentRole::StopEnd, measure, note, voice, stopSlur, slur);
            else
                finishSegment(item, SegmentRole::Plain, m, note, voice, nullptr, slur);
        }
        if (!isStop) {
            const Measure *following = score->measures.value(i + 1);
            if (following) {
                const double head = following->aligner ? following->aligner->headWidth() : 0.0;
                along = (horizontal ? following->originX : following->originY) + head;
            }
        }
    }
    return 0;
}
