// Score's part and voice step of the item generation: the part label at
// line starts, every voice's glyphs placed, the note marks, the movable
// octave-instruction marks, and the beam strokes of the traditional
// notations.
#include "drawing/beams.h"
#include "drawing/tuplet.h"
#include "drawing/watcheritem.h"
#include "glyphs/glyph_worker_support.h"
#include "layout/aligner.h"
#include "layout/alignitem.h"
#include "layout/layouter.h"
#include "model/directive.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "view/scene.h"

#include <QCursor>
#include <QDebug>

#include <algorithm>
#include <cmath>

namespace {

constexpr int glyphMarkDirective = 7;
constexpr int tremoloStopType = 2;

// Styles that draw from the beam record joined across rests.
bool readsJoinedBeams(int style)
{
    switch (style) {
    case NotationStyle::TozanSimple:
    case NotationStyle::Fue:
    case NotationStyle::KotoSeiha:
    case NotationStyle::SangenYamada:
    case NotationStyle::Doremi:
    case NotationStyle::Percussion:
    case NotationStyle::Traverso:
        return true;
    default:
        return false;
    }
}

// Styles that mark note values with strokes beside the names.
bool drawsStrokes(int style)
{
    return style == NotationStyle::KinkoTrad || style == NotationStyle::ShamisenBunka;
}

// Styles without any beam or stroke.
bool drawsNoBeams(int style)
{
    return style == NotationStyle::KotoIkuta || style == NotationStyle::SangenIkuta;
}

// The strokes a note value takes: one for an eighth, one more per halving.
int strokesOfNote(const Note *note, int style)
{
    if (note->grace)
        return 0;
    // A dotted eighth in KinkoTrad is marked by its rhythm dot, not a stroke.
    if (note->noteType == 8 && style == NotationStyle::KinkoTrad && note->dots > 0)
        return 0;
    return Note::beamLevelsOfType(note->noteType);
}

// A voice all of whose notes lie inside one chain.
bool isCoveredVoiceItem(const Voice *voice)
{
    return !voice->notes.isEmpty() &&
           voice->notes.first()->longRepeatCount == int(voice->notes.size());
}

bool voiceHasItem(const Measure *measure, int part, int voice, int item)
{
    return measure->itemExists(part, voice, item);
}

} // namespace

void Score::genPartItems(int measureIndex, int part)
{
    Measure *m = measures.at(measureIndex);
    const Part *settings = parts.at(part);
    const bool horizontal = page->horizontal;
    const double ref = m->getPartRefLine(part);
    const double x = horizontal ? m->originX : ref;
    const double y = horizontal ? ref : m->originY;

    if (dSw)
        drawPartDebugLines(m, part, ref);

    // One label per part and line start, however many voices the part uses.
    if (settings->partOutput && !m->parts.at(part)->collapsed) {
        if (measureIndex == 0) {
            if (page->displayPartFullName)
                genPartNameItem(x, y, part, true, m);
            else if (page->displayPartAbbrName)
                genPartNameItem(x, y, part, false, m);
        } else if (measureStartsLine(m) && page->displayPartAbbrName &&
                   !page->displayPartAbbrName1st) {
            genPartNameItem(x, y, part, false, m);
        }
    }

    for (int v = 0; v < MePart::voiceCount; ++v) {
        if (m->parts.at(part)->voices.at(v)->hasNotes)
            genVoiceItems(measureIndex, part, v, x, y);
    }
    // Ties may start in one voice and end in another; they are sent once
    // every voice of the part has queued its ends.
    sendTieEvents(part);
    dropUnmatchedSlurs(measureIndex, part);
}

void Score::drawPartDebugLines(Measure *m, int part, double ref)
{
    const double s = page->scaleFactor;
    const double size = parts.at(part)->noteFontSize;
    auto alongLine = [&](const QColor &color, double cross) {
        if (page->horizontal)
            drawDebugLine(color, m->originX * s, cross * s, (m->originX + m->width) * s, cross * s);
        else
            drawDebugLine(color, cross * s, m->originY * s, cross * s,
                          (m->originY + m->height) * s);
    };
    alongLine(QColor(200, 100, 0), ref);
    for (int v = 0; v < MePart::voiceCount; ++v) {
        if (m->parts.at(part)->voices.at(v)->hasNotes)
            alongLine(QColor(0, 255, 255),
                      ref + m->layouter->chordNotePos(part, v, 1, 0, false) + size / 2);
    }
}

void Score::configureVoiceBeams(Measure *m, int part, int voice)
{
    const Part *settings = parts.at(part);
    Beams *beams = settings->beams.at(voice);
    beams->setHorizontal(page->horizontal);
    beams->setLineSpacing(style->beamLineSpacing, part);
    switch (settings->notationStyle) {
    case NotationStyle::KinkoTrad:
        // Strokes keep whatever side the voice's drawer already has.
        break;
    case NotationStyle::KotoSeiha:
        beams->setBeamPos(m->getPartRefLine(part) + m->layouter->chordEdgePos(part, voice, false));
        beams->setFlipped(true);
        break;
    default:
        beams->setFlipped(false);
        break;
    }
    beams->setLineWidth(style->beamLineWidth, part);
}

void Score::genVoiceItems(int measureIndex, int part, int voice, double x, double y)
{
    Measure *m = measures.at(measureIndex);
    const Part *settings = parts.at(part);
    const MePart *cell = m->parts.at(part);
    Voice *v = m->parts.at(part)->voices.use(voice);
    const bool multiRest = m->multiRestCount >= 2;

    Tuplet tuplet(this, part, voice);
    configureVoiceBeams(m, part, voice);

    if (m->simileParts.value(part))
        return;

    const bool restOnly = cell->voiceFlags.value(voice);
    bool shown = !restOnly || settings->wholeRestOutput;
    if (!settings->partOutput)
        shown = false;

    if (!multiRest) {
        if (page->horizontal)
            placeVoiceItems(m, part, voice, x, y, shown);
        else
            placeVoiceItemsVertical(m, part, voice, x, y, shown);
    }
    // The bar of a multi-measure rest is drawn once per part by the measure
    // phase, beside this step.

    const bool marks = settings->partOutput && settings->noteOutput;
    if (marks && settings->notationStyle == NotationStyle::KinkoTrad &&
        (!restOnly || settings->wholeRestOutput))
        genDotItems(m, part, voice);

    if (multiRest) {
        // A multi-measure rest still shows its directions.
        genSpanItems(measureIndex, part, voice, &tuplet);
        return;
    }
    const bool coveredVoice = isCoveredVoiceItem(v);
    VoiceStrokes strokes;
    int staffBeamStart = -1;
    for (int i = 0; i < v->notes.size(); ++i) {
        Note *note = v->notes.at(i);
        // A note without aligned items has nothing to hang marks on; the
        // notes after it still have theirs.
        if (note->firstAlignItem < 0)
            continue;
        if (!voiceHasItem(m, part, voice, note->firstAlignItem)) {
            // The stop note of a two-note tremolo is drawn by its start
            // note and may own no item.
            if (!v->alignItems.isEmpty() && note->tremoloType != tremoloStopType)
                qDebug().noquote() << "generateGraphicItems No align item";
            continue;
        }
        const QPointF pos = m->getItemFinalPosFrame(part, voice, note->firstAlignItem);
        if (!note->visible)
            hideNoteItems(m, part, voice, note);
        if (marks)
            genNoteMarks(measureIndex, part, voice, i, note);
        genOctaveInstItem(measureIndex, part, voice, i, pos, coveredVoice);
        if (!note->chord && !note->longRepeatMemberFlag && !coveredVoice)
            genNoteBeams(m, part, voice, i, strokes, staffBeamStart);
        genLyricItems(measureIndex, part, voice, i, pos);
    }
    if (drawsStrokes(settings->notationStyle) && strokes.open)
        settings->beams.at(voice)->drawStrokes(true, strokes.lastEnd);
    genSpanItems(measureIndex, part, voice, &tuplet);
}

void Score::hideNoteItems(Measure *m, int part, int voice, const Note *note)
{
    const int last = std::min(note->alignItemEnd, m->getItemCount(part, voice) - 1);
    for (int i = std::max(note->firstAlignItem, 0); i <= last; ++i) {
        if (QGraphicsItem *gi = m->getItemGraphicsItem(part, voice, i))
            gi->setVisible(false);
    }
}

void Score::genNoteMarks(int measureIndex, int part, int voice, int noteIndex, Note *note)
{
    const double size = parts.at(part)->noteFontSize;
    const bool covered = note->longRepeatMemberFlag;
    if (!note->notations.isEmpty())
        genArticulationItems(measureIndex, part, voice, noteIndex, note, size);
    if (!note->fingerings.isEmpty() && !covered)
        genFingeringItems(measureIndex, part, voice, noteIndex, note, size);
    if (!covered)
        genBowingItems(measureIndex, part, voice, noteIndex, note, size);
    for (int d = 0; d < note->directives.size(); ++d) {
        Directive *directive = note->directives.at(d);
        // Opening and closing marks were drawn with the note's glyphs.
        if (directive->item || directive->deleted)
            continue;
        if (covered && directive->kind == glyphMarkDirective)
            continue;
        genTechniqueItems(measureIndex, part, voice, noteIndex, note, d, directive);
    }
}

void Score::genOctaveInstItem(int measureIndex, int part, int voice, int noteIndex,
                              const QPointF &pos, bool coveredVoice)
{
    const Part *settings = parts.at(part);
    Note *note = measures.at(measureIndex)->parts.at(part)->voices.at(voice)->notes.at(noteIndex);
    if (!settings->partOutput || !settings->noteOutput || note->octaveInstMark.isEmpty())
        return;
    const Measure *m = measures.at(measureIndex);
    const double q = m->aligner ? m->aligner->scaleRatio() : 1.0;
    const double ratio = q <= 1.0 ? q : 1.0;
    const double size = settings->noteFontSize;
    const double ois = style->octaveInstructionScale;
    const double l = style->octaveInstructionOffsetL;
    const double w = style->octaveInstructionOffsetW;
    const double side = style->octaveInstructionRightOrBottom ? 1.3 : -0.5;
    const bool horizontal = page->horizontal;
    const bool doubleQuote = note->octaveInstMark == QLatin1String("DoubleQuote");

    GlyphItem *item =
        createSvgItem(part, true, note->octaveInstMark, false, horizontal, ois * ratio, ois);
    item->setFlag(QGraphicsItem::ItemIsMovable);
    item->setFlag(QGraphicsItem::ItemIsSelectable);
    note->octaveInstItem = item;
    setOctaveInstItemTag(item, measureIndex, part, voice, noteIndex);
    if (!note->visible || note->longRepeatMemberFlag || coveredVoice)
        item->setVisible(false);

    double x = pos.x();
    double y = pos.y();
    if (note->octaveInstMoved) {
        // User offsets are note sizes, so the mark follows a new note size.
        if (horizontal) {
            x += note->octaveInstOffsetX * ratio * size;
            y += note->octaveInstOffsetY * size;
        } else {
            x += note->octaveInstOffsetY * size;
            y += note->octaveInstOffsetX * ratio * size;
        }
    } else if (horizontal) {
        if (doubleQuote) {
            x += (l * ratio + 0.3) * ois * size;
            y -= 0.2 * size;
        } else {
            // Centred under (or over) the note glyph along the line, as the
            // vertical row centres it beside the glyph; L still nudges it.
            const double markWidth = item->sceneBoundingRect().width() / page->scaleFactor;
            const int first = note->firstAlignItem;
            x = m->getItemCenter(part, voice, first) - markWidth / 2 + l * ratio * ois * size;
            y += (w + side) * size;
        }
    } else if (doubleQuote) {
        x += 0.7 * size;
        y -= 0.2 * ratio * ois * size;
    } else {
        x += (side + w) * size;
        y += (l * ratio - 0.1) * ois * size;
    }
    const double s = page->scaleFactor;
    item->setPos(x * s, y * s);
    item->setAcceptHoverEvents(true);
    item->setCursor(Qt::ArrowCursor);
    scene->addItem(item);
    if (watcher)
        item->installSceneEventFilter(watcher);
}

void Score::genNoteBeams(Measure *m, int part, int voice, int noteIndex, VoiceStrokes &strokes,
                         int &staffBeamStart)
{
    const Part *settings = parts.at(part);
    const int notation = settings->notationStyle;
    if (drawsNoBeams(notation))
        return;
    Note *note = m->parts.at(part)->voices.at(voice)->notes.at(noteIndex);
    Beams *beams = settings->beams.at(voice);
    if (m->indexInScore() == 0 && !strokes.started) {
        beams->clearStrokes();
        strokes.started = true;
    }
    if (drawsStrokes(notation)) {
        genNoteStrokes(m, part, voice, note, strokes);
        return;
    }
    const std::array<int, Note::levelCount> &record =
        readsJoinedBeams(notation) ? note->joinedBeams : note->beamTypes;
    if (notation == NotationStyle::StaffNotation) {
        // Staff beams are drawn a group at a time, from its first note to
        // its last.
        if (record[0] == 1)
            staffBeamStart = noteIndex;
        else if (record[0] == 3 && staffBeamStart >= 0) {
            addStaffBeam(m, part, voice, staffBeamStart, noteIndex);
            staffBeamStart = -1;
        }
        return;
    }
    genNoteBeamLevels(m, part, voice, noteIndex, record);
}

namespace {

// The start or end of an aligned item along the reading direction.
double itemEdge(const Measure *m, int part, int voice, int item, bool end)
{
    const QSizeF box = m->getItemSize(part, voice, item);
    const double length = m->score->page->horizontal ? box.width() : box.height();
    return m->getItemCenter(part, voice, item) + (end ? 0.5 : -0.5) * length;
}

} // namespace

void Score::genNoteStrokes(Measure *m, int part, int voice, const Note *note, VoiceStrokes &strokes)
{
    Beams *beams = parts.at(part)->beams.at(voice);
    const int count = strokesOfNote(note, parts.at(part)->notationStyle);
    const int item = note->noteAlignItem >= 0 ? note->noteAlignItem : note->firstAlignItem;
    if (!m->itemExists(part, voice, item))
        return;
    // The strokes begin at the note glyph and run on over what follows it
    // (its dots or bars) to the note's end.
    const int last = m->itemExists(part, voice, note->alignItemEnd) && note->alignItemEnd >= item
                         ? note->alignItemEnd
                         : item;
    const double start = itemEdge(m, part, voice, item, false);
    const double end = itemEdge(m, part, voice, last, true);
    if (count != beams->strokeCount()) {
        // A run with another count ends where this note begins, so that a
        // line both counts share runs on without a gap; a run that stops
        // ends with its last note.
        if (beams->strokeCount() > 0)
            beams->drawStrokes(true, count > 0 ? start : strokes.lastEnd);
        if (count > 0) {
            beams->setBeamPos(m->getPartRefLine(part) +
                              m->layouter->chordEdgePos(part, voice, true) +
                              style->beamLineOffset * parts.at(part)->noteFontSize * 0.2);
            beams->setStrokes(count, start);
        }
    }
    strokes.open = beams->strokeCount() > 0;
    strokes.lastEnd = end;
    if (count > 0)
        genStringUnderline(m, part, voice, note, start, end);
}

void Score::genStringUnderline(Measure *m, int part, int voice, const Note *note, double from,
                               double to)
{
    if (parts.at(part)->notationStyle != NotationStyle::ShamisenBunka ||
        !hasStringPrefix(note->noteName))
        return;
    // The strokes run beside one string of the three; a number on another
    // string gets one more line just beyond its own string, so that the
    // reader sees which number the strokes time. Beside the strokes' own
    // string it would only double them.
    const double size = parts.at(part)->noteFontSize;
    const double offset = style->beamLineOffset * size * 0.2;
    const int string = std::clamp(GlyphWorkers::stringNumber(note->noteName), 1, 3);
    const double ref = m->getPartRefLine(part);
    const double laneEdge = ref + m->layouter->chordNotePos2(part, string - 1, 2);
    const double strokeEdge = ref + m->layouter->chordEdgePos(part, voice, true);
    if (std::abs(laneEdge - strokeEdge) < 0.25 * size)
        return;
    drawBeamLine(0, page->horizontal, laneEdge + offset, from, to);
}

void Score::genNoteBeamLevels(Measure *m, int part, int voice, int noteIndex,
                              const std::array<int, Note::levelCount> &record)
{
    const Part *settings = parts.at(part);
    Beams *beams = settings->beams.at(voice);
    const Note *note = m->parts.at(part)->voices.at(voice)->notes.at(noteIndex);
    const int first = note->firstAlignItem;
    // The note's extent runs over its dots, which follow its first item.
    const int dotted = std::min(first + std::max(note->dots, 0), note->alignItemEnd);
    const int last = m->itemExists(part, voice, dotted) ? dotted : first;
    const double startAt = m->getItemFinalRefPos(part, voice, first);
    const double endAt = m->getFinalEndLocation(part, voice, last);

    const int code0 = record[0];
    if (code0 == 1 || code0 == 4 || code0 == 5 || code0 == 6) {
        // A group takes its line beside the widest lyric block under it.
        const double offset = style->beamLineOffset * settings->noteFontSize * 0.2;
        const double ref = m->getPartRefLine(part);
        if (beams->flipped()) {
            beams->setBeamPos(ref + m->layouter->chordEdgePos(part, voice, false) - offset);
        } else if (settings->notationStyle == NotationStyle::TozanTrad) {
            // Tozan lines stand on the lyric line after the group's own
            // glyph lines, not beyond the voice's widest chord elsewhere in
            // the measure.
            beams->setBeamPos(ref + getBeamLyricExtent(m, part, voice, noteIndex) + offset);
        } else {
            const double edge = std::max(getBeamLyricExtent(m, part, voice, noteIndex),
                                         m->layouter->chordEdgePos(part, voice, true));
            beams->setBeamPos(ref + edge + offset);
        }
    }
    for (int level = 0; level < Note::levelCount; ++level) {
        switch (record[level]) {
        case 1:
            beams->beamStart(level, startAt);
            break;
        case 3:
            beams->endBeam(level, endAt, false);
            break;
        case 4:
        case 5:
            beams->beamStart(level, startAt);
            beams->endBeam(level, endAt, false);
            break;
        case 6:
            beams->drawBeamSegment(level, startAt, endAt);
            break;
        default:
            break;
        }
    }
}
