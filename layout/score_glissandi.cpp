// Score's glissando and slide lines: from the note before the end note's
// chord to the end note, straight or wavy, in one piece or, across a line
// break, in two.
#include "drawing/mypath.h"
#include "layout/aligner.h"
#include "layout/alignitem.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "view/scene.h"

#include <QDebug>
#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QPen>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

constexpr double glissandoDegreesPerRadian = 57.2958;
// The tilt of a piece that enters a new line, in degrees.
constexpr double entryTilt = 15.0;
// The shortest piece entering a new line, and its least distance from the
// line's frame, in note sizes.
constexpr double minEntryRun = 1.0;
constexpr double entryPad = 0.15;
// Along the line, in note sizes: the air before a glissando (a wavy line
// turned up or down reaches back by its amplitude, onto a meri or kari
// mark beside the name) and after it, and the least length that spacing
// gives its line: enough for its glyph, which stands at the middle, to
// clear the marks over the start note's name.
constexpr double glissandoAirBefore = 0.25;
constexpr double glissandoAirAfter = 0.1;
constexpr double glissandoLeast = 1.6;

bool glissandoHasItem(const Measure *m, int part, int voice, int item)
{
    return item >= 0 && m->itemExists(part, voice, item);
}

QGraphicsLineItem *straightLine(double dx, double dy)
{
    auto *line = new QGraphicsLineItem(0.0, 0.0, dx, dy);
    line->setPen(QPen(Qt::black));
    return line;
}

} // namespace

bool Score::findGlissandoStart(Measure *measure, int part, int voice, const Note *end,
                               GlissandoEnds *ends) const
{
    const QList<Note *> &notes = measure->parts.at(part)->voices.at(voice)->notes;
    int chordStart = int(notes.indexOf(const_cast<Note *>(end)));
    if (chordStart < 0)
        return false;
    while (chordStart > 0 && notes.at(chordStart)->chord)
        --chordStart;
    if (chordStart > 0) {
        ends->startMeasure = measure;
        ends->start = notes.at(chordStart - 1);
    } else {
        // The line comes from the end of the same voice in the measure before.
        const int index = measure->indexInScore();
        if (index < 1)
            return false;
        Measure *previous = measures.at(index - 1);
        const QList<Note *> &before = previous->parts.at(part)->voices.at(voice)->notes;
        if (before.isEmpty())
            return false;
        ends->startMeasure = previous;
        ends->start = before.last();
    }
    return glissandoHasItem(ends->startMeasure, part, voice, ends->start->firstAlignItem) &&
           glissandoHasItem(ends->startMeasure, part, voice, ends->start->alignItemEnd) &&
           glissandoHasItem(measure, part, voice, end->firstAlignItem);
}

void Score::addStaffGlissando(Measure *measure, int part, int voice, Note *end, bool wavy)
{
    GlissandoEnds ends;
    if (!findGlissandoStart(measure, part, voice, end, &ends))
        return;
    const double s = parts.at(part)->noteFontSize;
    const QPointF p =
        ends.startMeasure->getItemFinalRefPoint(part, voice, ends.start->firstAlignItem);
    const QPointF q = measure->getItemFinalRefPoint(part, voice, end->firstAlignItem);
    QPointF from;
    QPointF to;
    if (page->horizontal) {
        from = QPointF(p.x() + 0.4 * s, p.y() + 0.14 * s);
        to = QPointF(q.x() - 0.1 * s, q.y() + 0.14 * s);
    } else {
        from = QPointF(p.x() + 0.15 * s, p.y() + 0.4 * s);
        to = QPointF(q.x() + 0.15 * s, q.y() - 0.1 * s);
    }
    drawGlissando(measure, part, voice, ends, end, from, to, wavy, true);
}

void Score::appendGlissandoNeeds(const Measure *measure, int partIndex,
                                 QList<RoomNeed> &needs) const
{
    const Part *settings = parts.at(partIndex);
    const MePart *cell = measure->parts.value(partIndex);
    if (!cell || settings->notationStyle == NotationStyle::StaffNotation)
        return;
    const double s = settings->noteFontSize;
    for (const Voice *voice : cell->voices) {
        const Note *before = nullptr;
        for (const Note *note : voice->notes) {
            if (note->chord)
                continue;
            const bool ends = note->glissando >= 2 || note->slide >= 2;
            const AlignItem *from =
                before ? voice->alignItems.value(before->firstAlignItem) : nullptr;
            const AlignItem *to = voice->alignItems.value(note->firstAlignItem);
            // Past the start note's name, a line long enough to read as one
            // (with its glyph) and air to the end note: squeezed, the line
            // shrinks to a tick over the marks beside the name.
            if (ends && from && to && from->kind == AlignTime && to->kind == AlignTime)
                needs.append(
                    {from->position, to->position,
                     from->length + (glissandoAirBefore + glissandoLeast + glissandoAirAfter) * s});
            before = note;
        }
    }
}

double Score::glissandoEntryHead(const Measure *measure) const
{
    if (measure->indexInScore() < 1)
        return 0.0;
    double head = 0.0;
    for (int p = 0; p < parts.size() && p < measure->parts.size(); ++p) {
        const double s = parts.at(p)->noteFontSize;
        for (const Voice *voice : measure->parts.at(p)->voices) {
            // The first chord's notes: a line to them comes from the measure
            // before.
            for (const Note *note : voice->notes) {
                if (note != voice->notes.first() && !note->chord)
                    break;
                if (note->glissando >= 2 || note->slide >= 2)
                    head = std::max(head, (entryPad + minEntryRun + glissandoAirAfter) * s);
            }
        }
    }
    return head;
}

void Score::addGlissando(Measure *measure, int part, int voice, Note *end, bool wavy)
{
    GlissandoEnds ends;
    if (!findGlissandoStart(measure, part, voice, end, &ends))
        return;
    const double s = parts.at(part)->noteFontSize;
    const bool horizontal = page->horizontal;
    Measure *sm = ends.startMeasure;
    // Along: from just past the start note's glyph to just before the end
    // note; across: from the start note's last item.
    const double fromAlong =
        sm->getFinalEndLocation(part, voice, ends.start->firstAlignItem) + glissandoAirBefore * s;
    const QPointF last = sm->getItemFinalRefPoint(part, voice, ends.start->alignItemEnd);
    const QPointF q = measure->getItemFinalRefPoint(part, voice, end->firstAlignItem);
    const bool rising = ends.start->pitchIndex <= end->pitchIndex;
    // The line leaves low and arrives high when rising, and the reverse.
    const double low = horizontal ? 0.65 : 0.35;
    const double high = horizontal ? 0.35 : 0.65;
    const double fromAcross = (rising ? low : high) * s;
    const double toAcross = (rising ? high : low) * s;
    QPointF from;
    QPointF to;
    if (horizontal) {
        from = QPointF(fromAlong, last.y() + fromAcross);
        to = QPointF(q.x() - glissandoAirAfter * s, q.y() + toAcross);
    } else {
        from = QPointF(last.x() + fromAcross, fromAlong);
        to = QPointF(q.x() + toAcross, q.y() - glissandoAirAfter * s);
    }
    drawGlissando(measure, part, voice, ends, end, from, to, wavy, false);
}

void Score::drawGlissando(Measure *measure, int part, int voice, const GlissandoEnds &ends,
                          const Note *end, QPointF from, QPointF to, bool wavy, bool staff)
{
    Q_UNUSED(voice);
    const Part *settings = parts.at(part);
    const double s = settings->noteFontSize;
    const double k = page->scaleFactor;
    const bool horizontal = page->horizontal;

    // Across a line break the first piece ends at the end of the start's
    // line, at the same height relative to the staff.
    const Measure *sm = ends.startMeasure;
    const bool broken = sm != measure && measureEndsLine(sm);
    QPointF firstEnd = to;
    if (broken) {
        const double shift = sm->getPartNoteLine(ends.start->staff, part) -
                             measure->getPartNoteLine(end->staff, part);
        firstEnd = horizontal ? QPointF(sm->originX + sm->width, to.y() + shift)
                              : QPointF(to.x() + shift, sm->originY + sm->height);
    }

    const QPointF d = firstEnd - from;
    const double length = std::hypot(d.x(), d.y());
    double angle = 0.0;
    if (length > 0.0) {
        if (horizontal) {
            angle = std::acos(d.x() / length) * glissandoDegreesPerRadian;
            if (d.y() < 0.0)
                angle = -angle;
        } else {
            angle = std::acos(d.y() / length) * glissandoDegreesPerRadian;
            if (d.x() > 0.0)
                angle = -angle;
            angle += 90.0;
        }
        QGraphicsItem *line;
        if (wavy) {
            auto *path = new MyPath;
            path->setWavePath(3, length * k, true, s * k);
            line = path;
        } else {
            line = straightLine(length * k, 0.0);
        }
        QGraphicsItem *piece = line;
        if (length > 0.7 * s) {
            GlyphItem *glyph =
                GlyphItems::create(settings->noteFontRenderer, QStringLiteral("Glissando"));
            const double g = s * page->glyphScale;
            glyph->setTransform(QTransform::fromScale(g, g));
            if (staff)
                glyph->setPos(0.2 * s * k, (wavy ? -0.46 : -0.43) * s * k);
            else
                glyph->setPos((0.5 * length - 0.5 * s) * k, -0.6 * s * k);
            auto *group = new QGraphicsItemGroup;
            group->addToGroup(line);
            group->addToGroup(glyph);
            piece = group;
        }
        piece->setRotation(angle);
        piece->setPos(from * k);
        scene->addItem(piece);
    }
    if (!broken)
        return;

    // The second piece enters the new line after its head and runs, tilted,
    // to the end note. A note standing right after the head (the notations
    // without clef) still gets a short stroke, begun before the head but
    // clear of the line's frame.
    const double head = measure->aligner ? measure->aligner->headWidth() : 0.0;
    const double lineStart = horizontal ? measure->originX : measure->originY;
    const double arrival = horizontal ? to.x() : to.y();
    double entry = lineStart + head;
    if (arrival - entry < minEntryRun * s)
        entry = std::max(lineStart + entryPad * s, arrival - minEntryRun * s);
    const double run = arrival - entry;
    if (run <= 0.0) {
        qDebug().noquote() << "glissando: no room to enter the line of measure"
                           << measure->indexInScore() + 1;
        return;
    }
    const bool downward = horizontal ? angle >= 0.0 : angle >= 90.0;
    const double tilt = downward ? entryTilt : -entryTilt;
    QGraphicsItem *second;
    if (wavy) {
        auto *path = new MyPath;
        path->setWavePath(3, run * k, true, s * k);
        // The path runs along its own x axis.
        path->setRotation(horizontal ? tilt : 90.0 + tilt);
        second = path;
    } else {
        second = horizontal ? straightLine(run * k, 0.0) : straightLine(0.0, run * k);
        second->setRotation(tilt);
    }
    // Started so far across that the tilted piece arrives at the end note.
    const double rise = std::sin(qDegreesToRadians(tilt)) * run * k;
    if (horizontal)
        second->setPos(entry * k, to.y() * k - rise);
    else
        second->setPos(to.x() * k + rise, entry * k);
    scene->addItem(second);
}
