// Score's span dispatcher: after a voice's notes and marks, which event of
// each spanning element (tie, glissando, tuplet, slur, wavy line, long
// repeat) each note sends to its drawer and from where; then the voice's
// directions.
#include "drawing/longrep.h"
#include "drawing/slurs.h"
#include "drawing/tie.h"
#include "drawing/tuplet.h"
#include "drawing/waveline.h"
#include "glyphs/glyph_worker_support.h"
#include "layout/aligner.h"
#include "layout/layouter.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"

#include <QDebug>

#include <algorithm>

namespace {

// A note can only anchor a span when it has aligned items to measure from.
bool hasItems(const Measure *m, int part, int voice, const Note *note)
{
    return note->firstAlignItem >= 0 && m->itemExists(part, voice, note->firstAlignItem);
}

// The item index if the voice has it, else the note's first item.
int itemOr(const Measure *m, int part, int voice, int item, const Note *note)
{
    return m->itemExists(part, voice, item) ? item : note->firstAlignItem;
}

// A voice all of whose notes lie inside one chain.
bool isCoveredVoice(const Voice *voice)
{
    return !voice->notes.isEmpty() &&
           voice->notes.first()->longRepeatCount == int(voice->notes.size());
}

// Styles whose tuplet line also clears the beam lines beside the notes.
bool tupletClearsBeams(int style)
{
    switch (style) {
    case NotationStyle::KinkoSimple:
    case NotationStyle::TozanTrad:
    case NotationStyle::KotoSeiha:
    case NotationStyle::Doremi:
    case NotationStyle::Percussion:
        return true;
    default:
        return false;
    }
}

} // namespace

bool Score::sendsTieEvents(int notationStyle, const Note *note)
{
    if (notationStyle == NotationStyle::KotoIkuta || notationStyle == NotationStyle::SangenIkuta)
        return false;
    return !note->chord || notationStyle == NotationStyle::StaffNotation;
}

bool Score::sendsTieStop(int notationStyle, bool tieStopBar)
{
    if (!tieStopBar)
        return true;
    switch (notationStyle) {
    // These draw a tied continuation as a bar, which stands for the tie.
    case NotationStyle::KinkoSimple:
    case NotationStyle::TozanSimple:
    case NotationStyle::Fue:
    case NotationStyle::KotoSeiha:
    case NotationStyle::Doremi:
    case NotationStyle::Percussion:
    case NotationStyle::Traverso:
        return false;
    default:
        return true;
    }
}

bool Score::sendsSpanEvents(const Measure *measure, int part) const
{
    const Part *settings = parts.at(part);
    return measure->multiRestCount < 2 && settings->partOutput && settings->noteOutput;
}

void Score::genSpanItems(int measureIndex, int part, int voice, Tuplet *tuplet)
{
    Measure *m = measures.at(measureIndex);
    if (sendsSpanEvents(m, part)) {
        queueTieEvents(m, part, voice);
        sendGlissandi(m, part, voice);
        sendTupletEvents(measureIndex, part, voice, tuplet);
        if (parts.at(part)->slurOutput)
            sendSlurEvents(m, part, voice);
        sendWavyLineEvents(m, part, voice);
        sendLongRepeatEvents(m, part, voice);
    }
    genVoiceDirections(measureIndex, part, voice);
}

// --- ties ---

QPointF Score::tiePoint(Measure *m, int part, int voice, const Note *note, bool start) const
{
    const Part *settings = parts.at(part);
    const int notation = settings->notationStyle;
    const double size = settings->noteFontSize;
    const bool horizontal = page->horizontal;
    const int first = note->firstAlignItem;
    Note *mutableNote = const_cast<Note *>(note);

    double along;
    if (notation == NotationStyle::StaffNotation) {
        // The head's own place: the user's note shifts move it in its frame.
        const double scale = horizontal ? getNoteItemScaleX(m, mutableNote, part, voice)
                                        : getNoteItemScaleY(m, mutableNote, part, voice);
        along = m->getItemFinalRefPos(part, voice, first) +
                scale * (note->noteShiftMajor + note->noteShiftSub) / size;
    } else if (start) {
        // From late in the start note, past its extension and dots...
        const int last = itemOr(m, part, voice, note->alignItemEnd, note);
        const QSizeF box = m->getItemSize(part, voice, last);
        along = m->getItemFinalRefPos(part, voice, last) +
                0.7 * (horizontal ? box.width() : box.height());
    } else {
        // ...to early in the stop note.
        const QSizeF box = m->getItemSize(part, voice, first);
        along = m->getItemFinalRefPos(part, voice, first) +
                0.3 * (horizontal ? box.width() : box.height());
    }

    const bool farSide = style->tieRightBottom;
    const double offset = size * (farSide ? style->tieOffset : -style->tieOffset);
    const double ref = m->getPartRefLine(part);
    double across;
    if (notation == NotationStyle::ShamisenBunka) {
        // The note's own string, as its glyphs stand (no prefix: string 1).
        const int string = GlyphWorkers::stringNumber(note->noteName);
        across = m->layouter->chordNotePos2(part, std::clamp(string - 1, 0, 2), 2) + ref + offset;
    } else if (notation == NotationStyle::StaffNotation) {
        const QPointF head = m->getItemFinalPosFrame(part, voice, first);
        across = horizontal ? head.y() : head.x();
    } else {
        across = m->layouter->chordEdgePos(part, voice, farSide) + offset + ref;
    }
    return horizontal ? QPointF(along, across) : QPointF(across, along);
}

QPointF Score::lineEndPoint(const Measure *measure, const QPointF &from) const
{
    // The last displayed measure of the measure's line.
    const Measure *last = measure;
    for (int i = int(displayedMeasures.indexOf(const_cast<Measure *>(measure)));
         i >= 0 && i < displayedMeasures.size(); ++i) {
        last = displayedMeasures.at(i);
        if (measureEndsLine(last))
            break;
    }
    if (page->horizontal)
        return QPointF(last->originX + last->width, from.y());
    return QPointF(from.x(), last->originY + last->height);
}

void Score::queueTieEvents(Measure *m, int part, int voice)
{
    const int notation = parts.at(part)->notationStyle;
    const bool stops = sendsTieStop(notation, style->tieStopBar);
    const Voice *v = m->parts.at(part)->voices.at(voice);
    for (Note *note : v->notes) {
        if (note->tie == 0 || !sendsTieEvents(notation, note) || !hasItems(m, part, voice, note))
            continue;
        TieEvent event;
        event.measure = m;
        event.note = note;
        event.onset = note->startTime;
        if ((note->tie == 2 || note->tie == 3) && stops) {
            event.start = false;
            event.point = tiePoint(m, part, voice, note, false);
            event.visible = !note->longRepeatMemberFlag;
            pendingTieEvents.append(event);
        }
        if (note->tie == 1 || note->tie == 3) {
            event.start = true;
            event.point = tiePoint(m, part, voice, note, true);
            event.lineEnd = lineEndPoint(m, event.point);
            event.visible = true;
            pendingTieEvents.append(event);
        }
    }
}

void Score::sendTieEvents(int part)
{
    // Voices were queued one after another; in time order a tie that one
    // voice starts and another ends meets its start first. Within one
    // onset the queue order stands (a note's stop before its own start).
    std::stable_sort(pendingTieEvents.begin(), pendingTieEvents.end(),
                     [](const TieEvent &a, const TieEvent &b) { return a.onset < b.onset; });
    Tie *tie = parts.at(part)->tie;
    const bool staff = parts.at(part)->notationStyle == NotationStyle::StaffNotation;
    for (const TieEvent &event : std::as_const(pendingTieEvents)) {
        Measure *m = event.measure;
        const int system = m->lineIndex;
        if (event.start) {
            if (staff)
                tie->tieStart2(m, event.note, system, event.point, event.lineEnd);
            else
                tie->tieStart(event.note, system, event.point, event.lineEnd);
        } else if (staff) {
            const double head = m->aligner ? m->aligner->headWidth() : 0.0;
            tie->tieStop2(m, event.note, system, event.point, event.visible, head);
        } else {
            tie->tieStop(event.note, system, event.point, event.visible);
        }
    }
    pendingTieEvents.clear();
}

// --- glissandi ---

void Score::sendGlissandi(Measure *m, int part, int voice)
{
    const bool staff = parts.at(part)->notationStyle == NotationStyle::StaffNotation;
    const Voice *v = m->parts.at(part)->voices.at(voice);
    auto send = [&](Note *note, bool wavy) {
        if (staff)
            addStaffGlissando(m, part, voice, note, wavy);
        else
            addGlissando(m, part, voice, note, wavy);
    };
    for (Note *note : v->notes) {
        if (!hasItems(m, part, voice, note))
            continue;
        // A glissando is wavy, a slide straight; both are drawn at their end.
        if (note->glissando == 2 || note->glissando == 3)
            send(note, true);
        if (note->slide == 2 || note->slide == 3)
            send(note, false);
    }
}

// --- tuplets ---

QPointF Score::tupletPoint(Measure *m, int part, int voice, const Note *note, bool start) const
{
    const Part *settings = parts.at(part);
    const int notation = settings->notationStyle;
    const double size = settings->noteFontSize;
    const bool horizontal = page->horizontal;
    const int main = itemOr(m, part, voice, note->noteAlignItem, note);
    const double along = start ? m->getItemFinalRefPos(part, voice, main)
                               : m->getFinalEndLocation(part, voice, main);

    const bool bunka = notation == NotationStyle::ShamisenBunka;
    const bool farSide = style->tupletRightBottom;
    const double t = (farSide && !bunka) ? style->tupletOffset : -style->tupletOffset;
    const int n = std::max(note->chordSize, 1);
    const double ref = m->getPartRefLine(part);
    const Layouter *lanes = m->layouter;
    double across;
    if (bunka) {
        across = ref + lanes->chordNotePos2(part, horizontal ? 2 : 0, 0) + size * t;
    } else if (farSide) {
        across = ref + lanes->chordNotePos(part, voice, n, horizontal ? 0 : n - 1, true);
        // Beyond the beam lines, whose units are a fifth of the note size.
        across += style->beamLineOffset * size * 0.2;
        if (tupletClearsBeams(notation))
            across += note->countBeamLevels() * style->beamLineSpacing * size * 0.2;
        across += size * t;
    } else {
        across =
            ref + lanes->chordNotePos(part, voice, n, horizontal ? n - 1 : 0, false) + size * t;
    }
    return horizontal ? QPointF(along, across) : QPointF(across, along);
}

void Score::sendTupletEvents(int measureIndex, int part, int voice, Tuplet *tuplet)
{
    Measure *m = measures.at(measureIndex);
    const Voice *v = m->parts.at(part)->voices.at(voice);
    if (!tuplet || isCoveredVoice(v))
        return;
    const bool staff = parts.at(part)->notationStyle == NotationStyle::StaffNotation;
    for (int i = 0; i < v->notes.size(); ++i) {
        const Note *note = v->notes.at(i);
        if (note->chord || note->longRepeatMemberFlag || !hasItems(m, part, voice, note))
            continue;
        for (int level = 0; level < Note::tupletCount; ++level) {
            const int kind = note->tupletState[level];
            if (kind == 1) {
                if (staff) {
                    tuplet->setTupletShow(level, i);
                } else {
                    const int shown = note->tupletActual[level];
                    const int count = shown > 0 ? shown : note->actualNotes;
                    tuplet->tupletStart(level, count, note->tupletBracket[level],
                                        tupletPoint(m, part, voice, note, true));
                }
            } else if (kind == 2) {
                if (staff)
                    tuplet->drawTupletNumber(level, m, part, voice, i);
                else
                    tuplet->tupletStop(level, tupletPoint(m, part, voice, note, false));
            }
        }
    }
}

// --- slurs ---

void Score::sendSlurEvents(Measure *m, int part, int voice)
{
    Slurs *slurs = parts.at(part)->slurs.at(voice);
    const double ref = m->getPartRefLine(part);
    const Voice *v = m->parts.at(part)->voices.at(voice);
    for (Note *note : v->notes) {
        if (!hasItems(m, part, voice, note))
            continue;
        const QPointF pos = m->getItemFinalPosFrame(part, voice, note->firstAlignItem);
        const double refOffset = (page->horizontal ? pos.y() : pos.x()) - ref;
        for (int number = 0; number < Note::levelCount; ++number) {
            const int kind = note->slurs[number];
            // A note that ends one slur and starts the next ends the old one first.
            if (kind == 2 || kind == 3)
                stopSlur({m, note, note->slurStopNotations[number], number, part, voice});
            Notation *start = note->slurStartNotations[number];
            if ((kind == 1 || kind == 3) && start) {
                slurs->slurStart(m, note, start, number, refOffset);
                sendWaitingSlurStop(m, part, voice, note, number);
            }
        }
    }
}

void Score::stopSlur(const SlurStop &stop)
{
    const QList<Slurs *> &drawers = parts.at(stop.part)->slurs;
    Slurs *own = drawers.at(stop.voice);
    if (!own->isOpen(stop.number)) {
        // A slur may begin in another voice of the part, one read earlier;
        // a start read later in this measure may still come.
        Slurs *other = openSlurElsewhere(stop);
        if (!other) {
            waitingSlurStops.append(stop);
            return;
        }
        own->takeOver(other, stop.number);
    }
    if (parts.at(stop.part)->notationStyle == NotationStyle::StaffNotation)
        own->slurStop2(stop.measure, stop.note, stop.notation, stop.number);
    else
        own->slurStop(stop.measure, stop.note, stop.notation, stop.number);
}

Slurs *Score::openSlurElsewhere(const SlurStop &stop) const
{
    const QList<Slurs *> &drawers = parts.at(stop.part)->slurs;
    const int stopMeasure = stop.measure->indexInScore();
    for (int v = 0; v < drawers.size(); ++v) {
        Slurs *other = drawers.at(v);
        if (v == stop.voice || !other->isOpen(stop.number))
            continue;
        // Only a start that comes before the stop in time.
        const Slurs::Slot &slot = other->startSlots[stop.number];
        const int startMeasure = slot.startMeasure->indexInScore();
        if (startMeasure < stopMeasure ||
            (startMeasure == stopMeasure && slot.startNote->startTime <= stop.note->startTime))
            return other;
    }
    return nullptr;
}

void Score::sendWaitingSlurStop(Measure *m, int part, int voice, const Note *start, int number)
{
    for (int i = 0; i < waitingSlurStops.size(); ++i) {
        const SlurStop stop = waitingSlurStops.at(i);
        if (stop.measure != m || stop.part != part || stop.voice == voice ||
            stop.number != number || stop.note->startTime < start->startTime)
            continue;
        waitingSlurStops.removeAt(i);
        Slurs *own = parts.at(part)->slurs.at(stop.voice);
        own->takeOver(parts.at(part)->slurs.at(voice), number);
        stopSlur(stop);
        return;
    }
}

void Score::dropUnmatchedSlurs(int measureIndex, int part)
{
    for (const SlurStop &stop : std::as_const(waitingSlurStops)) {
        qDebug().noquote() << QStringLiteral("slur stop without start: measure %1, part %2, "
                                             "voice %3, number %4")
                                  .arg(stop.measure->indexInScore() + 1)
                                  .arg(stop.part + 1)
                                  .arg(stop.voice + 1)
                                  .arg(stop.number + 1);
    }
    waitingSlurStops.clear();
    if (measureIndex != measures.size() - 1)
        return;
    // Slurs still open at the end of the score have nothing to end at.
    const QList<Slurs *> &drawers = parts.at(part)->slurs;
    for (int v = 0; v < drawers.size(); ++v) {
        for (int number = 0; number < Slurs::slotCount; ++number) {
            if (!drawers.at(v)->isOpen(number))
                continue;
            qDebug().noquote() << QStringLiteral("slur never stopped: part %1, voice %2, number %3")
                                      .arg(part + 1)
                                      .arg(v + 1)
                                      .arg(number + 1);
        }
    }
}

// --- wavy lines ---

void Score::sendWavyLineEvents(Measure *m, int part, int voice)
{
    WaveLine *line = parts.at(part)->waveLine;
    const double ref = m->getPartRefLine(part);
    const Voice *v = m->parts.at(part)->voices.at(voice);
    for (Note *note : v->notes) {
        if (note->wavyLine == 0 || !hasItems(m, part, voice, note))
            continue;
        if ((note->wavyLine == 1 || note->wavyLine == 3) && note->wavyLineNotation) {
            const int main = itemOr(m, part, voice, note->noteAlignItem, note);
            const QPointF pos = m->getItemFinalPosFrame(part, voice, main);
            const double offset = (page->horizontal ? pos.y() : pos.x()) - ref;
            line->wavyLineStart(m, note, note->wavyLineNotation, offset);
        }
        if (note->wavyLine == 2 || note->wavyLine == 3)
            line->wavyLineStop(m, note);
    }
}

// --- long repeats ---

void Score::sendLongRepeatEvents(Measure *m, int part, int voice)
{
    LongRep *mark = parts.at(part)->longRepeats.at(voice);
    const bool horizontal = page->horizontal;
    const double size = parts.at(part)->noteFontSize;
    // The marks stand on the voice's first note lane.
    const double across =
        m->getPartRefLine(part) + m->layouter->chordNotePos(part, voice, 1, 0, false) + size / 2;
    const double measureEnd = horizontal ? m->originX + m->width : m->originY + m->height;
    const Voice *v = m->parts.at(part)->voices.at(voice);
    for (Note *note : v->notes) {
        const int kind = note->longRepeatMark;
        if (kind == 0 || !hasItems(m, part, voice, note))
            continue;
        const QPointF pos = m->getItemFinalPosFrame(part, voice, note->firstAlignItem);
        const double along = horizontal ? pos.x() : pos.y();
        // The mark runs up to the next item of the voice, or to the
        // measure's end.
        double farEnd = measureEnd;
        const int next = note->alignItemEnd + 1;
        if (m->itemExists(part, voice, next)) {
            const QPointF at = m->getItemFinalPosFrame(part, voice, next);
            const QSizeF box = m->getItemSize(part, voice, next);
            farEnd = horizontal ? at.x() - 0.5 * box.width() : at.y() - 0.5 * box.height();
        }
        const int main = itemOr(m, part, voice, note->noteAlignItem, note);
        QGraphicsItem *item = m->getItemGraphicsItem(part, voice, main);
        // A linked group shows its own notes and takes no mark.
        const bool suppressed = note->longRepeatHeadFlag;
        if (kind == 1 && !suppressed)
            mark->longRepStart(m, item, across, along, note->longRepeatKind);
        else if (kind == 3 && !suppressed)
            mark->longRepSingle(m, item, across, along, farEnd, note->longRepeatKind);
        else if (kind == 2)
            mark->longRepStop(m, across, farEnd);
    }
    // A passage counted past the last note of the score ends with it.
    if (mark->started && m == measures.last()) {
        qDebug().noquote() << QStringLiteral("long repeat runs past the end: part %1, voice %2")
                                  .arg(part + 1)
                                  .arg(voice + 1);
        mark->longRepStop(m, across, measureEnd);
    }
}

// --- directions ---

void Score::genVoiceDirections(int measureIndex, int part, int voice)
{
    const Voice *v = measures.at(measureIndex)->parts.at(part)->voices.at(voice);
    const QList<Direction *> shown = v->shownDirections();
    const double size = parts.at(part)->noteFontSize;
    for (int i = 0; i < shown.size(); ++i)
        genDirectionItems(measureIndex, part, voice, i, shown.at(i), size);
}
