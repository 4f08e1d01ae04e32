// Score's room for direction texts: default-placed texts kept inside their
// part's row, room along the line for texts at successive beats, and, once
// every item is drawn, clear of the notes and of each other.
#include "drawing/bracketline.h"
#include "drawing/linetags.h"
#include "drawing/mypath.h"
#include "drawing/mytextitem.h"
#include "drawing/octshift.h"
#include "drawing/wedge.h"
#include "glyphs/staff_glyph_support.h"
#include "layout/aligner.h"
#include "layout/alignitem.h"
#include "layout/wordsblock.h"
#include "model/direction.h"
#include "model/glyphitem.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "view/scene.h"

#include <QGraphicsItem>
#include <QGraphicsItemGroup>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <utility>

namespace {

using namespace DirectionKind;

// The frame line's half pen and a hair of air, mm.
constexpr double edgeMargin = 0.4;
// Rounding along a sum of lengths: a box this near a row's edge (mm) is
// on it.
constexpr double edgeTolerance = 0.01;
// Air between a direction and a note or another direction, mm.
constexpr double directionGap = 0.3;
// Bounded nudging: a text that is still in the way after this many steps
// stays where it is.
constexpr int settleSteps = 8;
// Between a text and a bar line or repeat sign it keeps clear of, mm.
constexpr double barAir = 0.5;
// Between two texts side by side along the line, mm, besides the air of a
// text: less reads as one text.
constexpr double textSpace = 0.5;

// Where the stage that starts at displayed measure `first` ends along the
// reading direction, mm.
double stageEndOf(const QList<Measure *> &measures, int first, bool horizontal)
{
    const int stage = measures.at(first)->lineIndex;
    double end = 0.0;
    for (int i = first; i < measures.size() && measures.at(i)->lineIndex == stage; ++i) {
        const Measure *m = measures.at(i);
        end = horizontal ? m->originX + m->width : m->originY + m->height;
    }
    return end;
}

// The repeat signs and words drawn as one glyph item of their own.
bool isRepeatGlyph(int kind)
{
    return kind >= Coda && kind <= LastRepeatWord && kind != Metronome;
}

// Text boxes hold the font's full ascent and descent, glyph boxes their
// advance: boxes that overlap by less than this (mm) are not ink on ink.
constexpr double touchMm = 0.3;

// Boxes of the visible ink of a part's notes in a measure, scene units
// (`s` per mm): the note glyphs, and in staff notation also their stems,
// flags, beams, ledger lines and accidentals. A stem or beam is ink to its
// box's edge, where a text's descenders reach: those boxes grow by the
// touching overlap and the air a text keeps, so that a text grazing them,
// or only touching, still moves clear.
QList<QRectF> noteGlyphBoxes(const Measure *measure, int part, double s)
{
    const double grow = (touchMm + directionGap) * s;
    QList<QRectF> boxes;
    for (const Voice *voice : measure->parts.at(part)->voices) {
        for (const AlignItem *aligned : voice->alignItems) {
            const QGraphicsItem *item = aligned->graphicsItem;
            if (!item || !item->isVisible() || !item->scene())
                continue;
            const int type = item->data(TagType).toInt();
            if (type == NoteItem)
                boxes.append(item->sceneBoundingRect());
            else if (type == NotePartItem)
                boxes.append(item->sceneBoundingRect().adjusted(-grow, -grow, grow, grow));
        }
    }
    for (const QRectF &beam : measure->looseInkBoxes.value(part))
        boxes.append(beam.adjusted(-grow, -grow, grow, grow));
    // The marks at the notes (accents, staccato dots, octave marks) are
    // ink of theirs; slurs, ties and wavy lines are paths, counted in
    // pieces above.
    for (const Voice *voice : measure->parts.at(part)->voices) {
        for (const Note *note : voice->notes) {
            const QGraphicsItem *octave = note->octaveInstItem;
            if (octave && octave->isVisible() && octave->scene())
                boxes.append(octave->sceneBoundingRect());
            for (const Notation *notation : note->notations) {
                const QGraphicsItem *mark = notation->item;
                if (mark && mark->isVisible() && mark->scene() &&
                    dynamic_cast<const GlyphItem *>(mark))
                    boxes.append(mark->sceneBoundingRect());
            }
        }
    }
    return boxes;
}

// The edges (mm) across the reading direction between which a part's
// direction texts stand: its row and the direction band above its notes,
// less the frame line's half pen.
std::pair<double, double> rowEdges(const Measure *measure, int part, bool horizontal)
{
    const MePart *cell = measure->parts.at(part);
    const double centre = measure->getPartCenter(part);
    double low = centre - 0.5 * cell->partExtent + edgeMargin;
    double high = centre + 0.5 * cell->partExtent - edgeMargin;
    // Above the notes: up in horizontal writing, right in vertical writing;
    // below them the other way.
    if (horizontal) {
        low -= cell->directionBand;
        high += cell->directionBandBelow;
    } else {
        high += cell->directionBand;
        low -= cell->directionBandBelow;
    }
    return {low, high};
}

bool overlapping(const QRectF &a, const QRectF &b, double scale)
{
    const double touch = touchMm * scale;
    return std::min(a.right(), b.right()) - std::max(a.left(), b.left()) > touch &&
           std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) > touch;
}

// How far, in mm from the note line of the part's staff `staff`, the ink
// of the measure's notes on that staff reaches to one side of it (above:
// up in horizontal writing, right in vertical writing; else the other
// side): their glyphs (heads, stems, flags, ledger lines, accidentals) as
// they are aligned, and the stems and beam of a beamed note with its stem
// on that side, which are drawn only once the notes stand in place: a stem
// of the usual length and one beam line past the head. A staff of -1
// reads the notes of every staff. 0 for none.
double inkBeyond(const Score *score, const Measure *measure, int part, int staff, bool above)
{
    const double s = score->page->scaleFactor;
    const bool horizontal = score->page->horizontal;
    const double size = score->parts.at(part)->noteFontSize;
    // Outward from the note line: up (negative y) or right (positive x)
    // above it.
    const double out = above == horizontal ? -1.0 : 1.0;
    double reach = 0.0;
    for (const Voice *voice : measure->parts.at(part)->voices) {
        for (const Note *note : voice->notes) {
            if (!note->visible || (staff >= 0 && note->staff != staff) || note->firstAlignItem < 0)
                continue;
            double head = 0.0;
            for (int i = std::max(0, note->alignItemBegin);
                 i <= note->alignItemEnd && i < voice->alignItems.size(); ++i) {
                const AlignItem *aligned = voice->alignItems.at(i);
                const QGraphicsItem *glyph = aligned->graphicsItem;
                if (!glyph)
                    continue;
                const int type = glyph->data(TagType).toInt();
                if (type != NoteItem && type != NotePartItem)
                    continue;
                const QRectF box = glyph->transform().mapRect(glyph->boundingRect());
                const double offset = horizontal ? aligned->refOffsetY : aligned->refOffsetX;
                const double edge = horizontal ? (out < 0 ? box.top() : box.bottom())
                                               : (out > 0 ? box.right() : box.left());
                head = std::max(head, out * (offset + edge / s));
            }
            const int stemOnSide = above ? 1 : 2;
            if (!note->rest && note->stemShown == stemOnSide && StaffGlyphs::isBeamed(note))
                head += (Score::getStemBaseLength(note->noteType) * 0.125 + 0.12) * size;
            reach = std::max(reach, head);
        }
    }
    return reach;
}

// How far a slur may rise past the notes it joins, in note sizes: a text
// over slurred notes settles beyond the slur's arc. Beside the names of
// the traditional notations the arc stands farther off than over staff
// note heads.
constexpr double slurRise = 0.6;
constexpr double nameSlurRise = 0.9;

// Whether a note of the cell starts or ends a slur.
bool holdsSlur(const MePart *cell)
{
    for (const Voice *voice : cell->voices) {
        for (const Note *note : voice->notes) {
            for (const Notation *notation : note->notations) {
                if (notation->kind == NotationKind::Slur)
                    return true;
            }
        }
    }
    return false;
}

// How far a mark at a note (an accent, a fermata) stands past the notes'
// ink with its own height, in note sizes.
constexpr double noteMarkRise = 0.8;

// Whether a note of the cell carries a mark drawn at it: an accent,
// staccato, tenuto, fermata, trill or mordent.
bool holdsNoteMark(const MePart *cell)
{
    for (const Voice *voice : cell->voices) {
        for (const Note *note : voice->notes) {
            for (const Notation *notation : note->notations) {
                const int kind = notation->kind;
                if (kind != NotationKind::None && kind != NotationKind::Slur &&
                    kind != NotationKind::Tremolo && kind != NotationKind::WavyLineStart &&
                    kind != NotationKind::WavyLineStop)
                    return true;
            }
        }
    }
    return false;
}

// The room, mm, between the note line of a part's staff and the edge of
// its row on one side, the row at its natural extent `row`.
double roomBeside(const Score *score, int part, int staff, bool above, double row)
{
    const Part *settings = score->parts.at(part);
    const bool staffNotation = settings->notationStyle == NotationStyle::StaffNotation;
    const int staves = staffNotation ? std::max(1, settings->staffCount) : 1;
    const int band = staffNotation ? std::clamp(staff, 0, staves - 1) : 0;
    const double toTop = (band + 0.5) * row / staves - settings->partShift * settings->noteFontSize;
    return above ? toTop : row - toTop;
}

// How far a drawn octave-shift, hairpin or bracket piece reaches from its
// origin across the reading direction, mm: toward the notes (`near`) and
// away from them (`far`), glyph, hooks and all, as its box holds them.
struct Reach
{
    double near = 0.0;
    double far = 0.0;
};

// A piece 10 mm long of the line that `start` begins, as its drawer makes
// it: an octave-shift line with its hook back toward the notes, a hairpin
// at its full opening, a bracket line with the hooks of its start and
// `stop`, or a wavy line.
void drawSampleLine(const Score *score, int part, const Direction *start, const Direction *stop,
                    bool above, QGraphicsItemGroup *sample)
{
    const bool horizontal = score->page->horizontal;
    const Part *settings = score->parts.at(part);
    const double n = settings->noteFontSize;
    const double length = 10.0;
    switch (start->kind) {
    case Crescendo:
    case Diminuendo: {
        const double opening = Wedge::fullOpening * n;
        const QPointF end = horizontal ? QPointF(length, 0.0) : QPointF(0.0, length);
        settings->wedge->wedgePen(sample, false, 0.0, 0.0, QPointF(), end, opening, opening);
        return;
    }
    case LineStart: {
        const int waveKind = BracketLine::waveKindOf(start->text);
        if (waveKind < 0) {
            settings->bracketLine->drawLine(sample, start->lineType, length, start->lineEnd,
                                            stop ? stop->lineEnd : 0);
            return;
        }
        auto *path = new MyPath;
        path->setWavePath(waveKind, length * score->page->scaleFactor, horizontal,
                          0.3 * n * score->page->scaleFactor);
        sample->addToGroup(path);
        return;
    }
    default:
        settings->octShift->octShiftGlyphs(sample, length, horizontal ? above : !above, true);
        return;
    }
}

Reach lineReach(const Score *score, int part, const Direction *start, const Direction *stop,
                bool above)
{
    const bool horizontal = score->page->horizontal;
    const double s = score->page->scaleFactor;
    QGraphicsItemGroup sample;
    drawSampleLine(score, part, start, stop, above, &sample);
    const QRectF box = sample.childrenBoundingRect();
    if (horizontal)
        return above ? Reach{box.bottom() / s, -box.top() / s}
                     : Reach{-box.top() / s, box.bottom() / s};
    return above ? Reach{-box.left() / s, box.right() / s}
                 : Reach{box.right() / s, -box.left() / s};
}

// The extent across the reading direction of a words direction's text as
// drawn (`text`, its whole block as drawn), mm.
double wordsAcross(const Score *score, const Direction *direction, const QString &text)
{
    const bool horizontal = score->page->horizontal;
    const bool dotted = direction->text.startsWith(QLatin1Char('.'));
    MyTextItem sample(text, dotted && !horizontal);
    sample.setFont(direction->fontGiven ? direction->font : score->style->textFont);
    const QRectF box = sample.boundingRect();
    // Across a horizontal page, and turned on a vertical one, the text's
    // height lies across; upright or unturned on a vertical page its width.
    const int r = direction->rotation;
    const bool upright = !horizontal && (r == 3 || r == 1 || (r == 0 && dotted));
    return (upright ? box.width() : box.height()) / score->page->scaleFactor;
}

// How far past the glyph of a Kinko note its rhythm dots reach across, mm,
// on the side above the notes (up, or right in vertical writing) or below
// them: they stand a little off the note name's edge, the dot's box beyond
// it. 0 in the notations that draw none.
double rhythmDotReach(const Score *score, int part, bool above)
{
    const Part *settings = score->parts.at(part);
    if (settings->notationStyle != NotationStyle::KinkoTrad || !settings->noteFontRenderer)
        return 0.0;
    const std::unique_ptr<GlyphItem> dot(
        GlyphItems::create(settings->noteFontRenderer, QStringLiteral("DotWhite")));
    const double size = settings->noteFontSize;
    const QRectF box = dot->boundingRect();
    const double glyph = size * score->page->glyphScale;
    // The dots' drawer puts the dot's corner 0.3 note sizes outside the
    // edge above and 0.1 inside below in horizontal writing, the other
    // way round in vertical writing.
    if (score->page->horizontal)
        return above ? 0.3 * size : 0.1 * size + box.height() * glyph;
    return above ? 0.1 * size + box.width() * glyph : 0.3 * size;
}

// True when the words at `index` of `shown` begin a text of more than one
// line.
bool isBlockOfLines(const QList<Direction *> &shown, int index)
{
    const QString text =
        WordsBlock::text(shown, index, [](const Direction *words) { return words->text; });
    return text.contains(QLatin1Char('\n'));
}

} // namespace

namespace {

// Which side of the notes a line stands on: above for an "8va" (right of
// the column in vertical writing), below for an "8vb", unless its offset
// puts it across; a hairpin or bracket line on the side of its offset.
bool lineAbove(const Direction *start)
{
    return start->y < 0.0 || (start->y == 0.0 && start->kind != OctaveUp);
}

// The staff whose notes a direction's ink test reads: its own in staff
// notation, any (-1) where a part's notes share one line.
int inkStaff(const Score *score, int part, const Direction *direction)
{
    return score->parts.at(part)->notationStyle == NotationStyle::StaffNotation ? direction->staff
                                                                                : -1;
}

// mm outward from the note line: where the origin of a default-placed
// line's piece stands over notes whose ink reaches `ink` mm to its side:
// at its offset, or farther, so that its box stays clear of them.
double lineDistance(const Score *score, int part, const Direction *start, const Direction *stop,
                    double ink)
{
    const bool above = lineAbove(start);
    const double offset = std::abs(start->y) * score->parts.at(part)->noteFontSize;
    return std::max(offset,
                    ink + touchMm + directionGap + lineReach(score, part, start, stop, above).near);
}

// The lines a run is made of, by their start records: each family numbers
// its lines apart.
int lineFamily(int kind)
{
    switch (kind) {
    case OctaveDown:
    case OctaveUp:
    case OctaveStop:
        return 0;
    case Crescendo:
    case Diminuendo:
    case WedgeStop:
        return 1;
    case LineStart:
    case LineStop:
        return 2;
    default:
        return -1;
    }
}

bool isLineStop(int kind)
{
    return kind == OctaveStop || kind == WedgeStop || kind == LineStop;
}

} // namespace

double Score::lineAcross(int part, const Direction *start, int first, int last,
                         const Direction *stop) const
{
    const bool above = lineAbove(start);
    const int staff = inkStaff(this, part, start);
    double ink = 0.0;
    for (int i = std::max(0, first); i <= last && i < measures.size(); ++i)
        ink = std::max(ink, inkBeyond(this, measures.at(i), part, staff, above));
    return lineDistance(this, part, start, stop, ink + rhythmDotReach(this, part, above));
}

double Score::lyricNearness(int part, double below) const
{
    return lyricBand(part) > 0.0 ? below : 0.0;
}

void Score::collectLineRuns()
{
    lineRuns.clear();
    for (int p = 0; p < parts.size(); ++p) {
        QList<LineRun> runs;
        // The open line of each family and number, and where it started.
        std::map<std::pair<int, int>, std::pair<Direction *, int>> open;
        auto follow = [&](Direction *direction, int i) {
            const int family = lineFamily(direction->kind);
            if (family < 0)
                return;
            const std::pair<int, int> slot{family, direction->number};
            if (!isLineStop(direction->kind)) {
                // A hairpin's or bracket line's side is that of its default
                // offset.
                if (family != 0)
                    setDefaultItemOffset(direction);
                open[slot] = {direction, i};
                return;
            }
            const auto started = open.find(slot);
            if (started == open.end())
                return;
            runs.append({started->second.first, direction, started->second.second, i});
            open.erase(started);
        };
        for (int i = 0; i < displayedMeasures.size(); ++i) {
            const MePart *cell = displayedMeasures.at(i)->parts.value(p);
            if (!cell)
                continue;
            for (const Voice *voice : cell->voices) {
                for (Direction *direction : voice->shownDirections())
                    follow(direction, i);
            }
        }
        // An octave-shift line that never stops runs to the end; the others
        // draw nothing.
        for (const auto &[slot, started] : open) {
            if (slot.first == 0)
                runs.append(
                    {started.first, nullptr, started.second, int(displayedMeasures.size()) - 1});
        }
        runs.erase(std::remove_if(runs.begin(), runs.end(),
                                  [](const LineRun &run) {
                                      return run.start->moved || run.start->visibility == 2;
                                  }),
                   runs.end());
        lineRuns.append(runs);
    }
}

std::pair<double, double> Score::directionBandsOf(int part, int first, int last)
{
    if (page->scaleFactor <= 0.0)
        return {0.0, 0.0};
    const Part *settings = parts.at(part);
    const bool staffNotation = settings->notationStyle == NotationStyle::StaffNotation;
    double above = 0.0;
    double below = 0.0;
    // Words above and below the notes: the row grows for a text that its
    // own room does not hold. In staff notation the first staff's words
    // count. Elsewhere the notes of every staff share one line, and a text
    // of one line that finds no room across moves along past the notes
    // instead, which only the drawn page shows; a block of several lines
    // cannot, and the row grows for it. Nor can a tempo mark, which keeps
    // to its measure, clear of the bar line, nor a text before a repeat
    // sign.
    const int staff = staffNotation ? 0 : -1;
    // Nor can a text over the rhythm dots of Kinko notes, which spread over
    // the whole measure.
    const bool rhythmDots = settings->notationStyle == NotationStyle::KinkoTrad;
    const double room = roomBeside(this, part, 0, true, partRowExtent(part));
    for (int i = first; i <= last && i < displayedMeasures.size(); ++i) {
        const Measure *measure = displayedMeasures.at(i);
        const MePart *cell = measure->parts.value(part);
        if (!cell || measure->multiRestCount >= 2)
            continue;
        double ink = -1.0;
        for (const Voice *voice : cell->voices) {
            const QList<Direction *> shown = voice->shownDirections();
            for (int index = 0; index < shown.size(); ++index) {
                Direction *direction = shown.at(index);
                if ((direction->kind != Words && direction->kind != Metronome) ||
                    direction->moved || direction->staff != 0 || direction->visibility == 2 ||
                    WordsBlock::isFollower(shown, index))
                    continue;
                // The offset drawing gives it: above the notes when negative.
                setDefaultItemOffset(direction);
                if (!staffNotation && !rhythmDots && direction->kind != Metronome &&
                    !isBlockOfLines(shown, index) && !repeatSignAtEnd(measure))
                    continue;
                // As drawn: a tempo mark's note character may come from a
                // font of a taller line than the letters.
                const double across = wordsAcross(
                    this, direction, WordsBlock::text(shown, index, [this](const Direction *words) {
                        return wordsTextAsDrawn(words);
                    }));
                if (direction->y > 0.0) {
                    // Below the notes, before the lyrics if any.
                    const double need = inkBeyond(this, measure, part, staff, false) +
                                        rhythmDotReach(this, part, false) + touchMm +
                                        2.0 * directionGap + across + edgeMargin;
                    const double sideRoom =
                        lyricBand(part) <= 0.0
                            ? roomBeside(this, part, 0, false, partRowExtent(part))
                            : lyricOffsetInRow(part, partRowExtent(part)) - directionGap;
                    below = std::max(below, need - sideRoom);
                    continue;
                }
                if (ink < 0.0)
                    ink = inkBeyond(this, measure, part, staff, true) +
                          rhythmDotReach(this, part, true) +
                          (holdsSlur(cell)
                               ? (staffNotation ? slurRise : nameSlurRise) * settings->noteFontSize
                               : 0.0) +
                          (holdsNoteMark(cell) ? noteMarkRise * settings->noteFontSize : 0.0);
                // Past the ink, the air of a grazed stem or beam and the
                // text's own.
                const double need = ink + touchMm + 2.0 * directionGap + across + edgeMargin;
                above = std::max(above, need - room);
            }
        }
    }
    // Octave-shift, hairpin and bracket lines, on their own side: on the
    // lyrics' side they keep clear of the lyrics, which start past the band.
    for (const LineRun &run : lineRuns.value(part)) {
        if (run.to < first || run.from > last)
            continue;
        const bool up = lineAbove(run.start);
        const int staff = inkStaff(this, part, run.start);
        double ink = 0.0;
        for (int i = std::max(run.from, first); i <= std::min(run.to, last); ++i)
            ink = std::max(ink, inkBeyond(this, displayedMeasures.at(i), part, staff, up));
        ink += rhythmDotReach(this, part, up);
        const double need = lineDistance(this, part, run.start, run.stop, ink) +
                            lineReach(this, part, run.start, run.stop, up).far + edgeMargin;
        const double sideRoom =
            up || lyricBand(part) <= 0.0
                ? roomBeside(this, part, std::max(0, staff), up, partRowExtent(part))
                : lyricOffsetInRow(part, partRowExtent(part)) - directionGap;
        double &band = up ? above : below;
        band = std::max(band, need - sideRoom);
    }
    return {above, below};
}

namespace {

// A text (words, a tempo mark or a dynamic) of a direction.
bool isDirectionText(int kind)
{
    return kind == Words || kind == Metronome || kind == Dynamics;
}

// A text that stands at a note of its own, where its default offset puts
// it: side by side with the next such text on its side it needs room along
// the line.
bool standsAtItsBeat(const QList<Direction *> &shown, int index, const Voice *voice)
{
    const Direction *direction = shown.at(index);
    if (!isDirectionText(direction->kind) || direction->moved || direction->visibility == 2 ||
        WordsBlock::isFollower(shown, index))
        return false;
    const Note *note = voice->notes.value(direction->noteIndex);
    if (!note || note->firstAlignItem < 0 || note->firstAlignItem >= voice->alignItems.size())
        return false;
    const int kind = voice->alignItems.at(note->firstAlignItem)->kind;
    return kind == AlignTime || kind == AlignFree;
}

// Which side of the notes a default-placed text stands on: -1 above
// (right of the column in vertical writing), 1 below, 0 on the note line.
int sideOf(const Direction *direction)
{
    return direction->y < 0.0 ? -1 : direction->y > 0.0 ? 1 : 0;
}

} // namespace

void Score::appendDirectionNeeds(const Measure *measure, int partIndex,
                                 QList<RoomNeed> &needs) const
{
    const Part *part = parts.at(partIndex);
    const MePart *cell = measure->parts.value(partIndex);
    const Aligner *aligner = measure->aligner;
    const double s = page->scaleFactor;
    if (!cell || !aligner || !part->partOutput || s <= 0.0)
        return;
    const bool horizontal = page->horizontal;
    const double end = aligner->width() - aligner->headWidth() - aligner->padWidth();
    // Half a line of the text font between one text and the next: less
    // reads as one text.
    const double gap = 0.5 * style->textFontHeight / s;
    // Per side and staff, where each text starts and how long it is.
    std::map<std::pair<int, int>, std::map<double, double>> texts;
    for (const Voice *voice : cell->voices) {
        const QList<Direction *> shown = voice->shownDirections();
        for (int index = 0; index < shown.size(); ++index) {
            if (!standsAtItsBeat(shown, index, voice))
                continue;
            Direction *direction = shown.at(index);
            setDefaultItemOffset(direction);
            const int side = sideOf(direction);
            if (side == 0)
                continue;
            const QString text =
                direction->kind == Dynamics
                    ? QString()
                    : WordsBlock::text(shown, index, [this](const Direction *words) {
                          return wordsTextAsDrawn(words);
                      });
            double lift = 0.0;
            const QRectF box = direction->kind == Dynamics
                                   ? dynamicsBoxAtOffset(partIndex, direction)
                                   : wordsBoxAtOffset(direction, text, lift);
            const double length = (horizontal ? box.width() : box.height()) / s;
            const double at =
                voice->alignItems.at(voice->notes.at(direction->noteIndex)->firstAlignItem)
                    ->position;
            double &longest = texts[{side, direction->staff}][at];
            longest = std::max(longest, length);
            // A block of several lines ends inside its measure: a bar line
            // through it would cut every line. So does a tempo mark, whose
            // note and figures a bar line would run into.
            if (text.contains(QLatin1Char('\n')) || direction->kind == Metronome)
                needs.append({at, end, length + gap - aligner->padWidth()});
        }
    }
    for (const auto &[where, row] : texts) {
        // Texts at one beat stack; a text reaches at most to the next.
        for (auto it = row.begin(); std::next(it) != row.end(); ++it)
            needs.append({it->first, std::next(it)->first, it->second + gap});
        // The last one runs on into the next measure, unless a text stands
        // at that measure's start on its side or a repeat sign stands
        // between them.
        if (repeatSignAtEnd(measure) ||
            textAtMeasureStart(measure, partIndex, where.first, where.second)) {
            const auto &[at, length] = *row.rbegin();
            needs.append({at, end, length + gap - aligner->padWidth()});
        }
    }
}

bool Score::repeatSignAtEnd(const Measure *measure) const
{
    if (measure->shownRightRepeat != 0)
        return true;
    const int at = measure->indexInScore();
    const Measure *next = at < 0 ? nullptr : measures.value(at + 1);
    return next && next->leftRepeat != 0;
}

bool Score::textAtMeasureStart(const Measure *before, int part, int side, int staff) const
{
    const int at = before->indexInScore();
    const Measure *next = measures.value(at + 1);
    const MePart *cell = next ? next->parts.value(part) : nullptr;
    if (at < 0 || !cell)
        return false;
    for (const Voice *voice : cell->voices) {
        for (Direction *direction : voice->shownDirections()) {
            if (!isDirectionText(direction->kind) || direction->moved ||
                direction->visibility == 2 || direction->staff != staff ||
                direction->noteIndex > 0 || direction->noteIndex == -2) // -2: at its end
                continue;
            setDefaultItemOffset(direction);
            if (sideOf(direction) == side)
                return true;
        }
    }
    return false;
}

void Score::keepDirectionInRow(QGraphicsItem *item, int measureIndex, int part,
                               const Direction *direction) const
{
    const Measure *m = measures.value(measureIndex);
    const MePart *cell = m ? m->parts.value(part) : nullptr;
    if (!item || !cell || !direction || direction->moved ||
        isMeasureLevelDirection(direction->kind) || cell->partExtent <= 0.0)
        return;
    const bool horizontal = page->horizontal;
    const double s = page->scaleFactor;
    const auto [lowMm, highMm] = rowEdges(m, part, horizontal);
    const double low = lowMm * s;
    const double high = highMm * s;
    const QRectF box = item->sceneBoundingRect();
    const double first = horizontal ? box.top() : box.left();
    const double last = horizontal ? box.bottom() : box.right();
    // Only an item across an edge moves; one wider than the row, or one
    // wholly outside it, stays where its offset put it.
    double shift = 0.0;
    if (last - first > high - low)
        return;
    if (first < low && last > low)
        shift = low - first;
    else if (last > high && first < high)
        shift = high - last;
    if (shift != 0.0)
        item->moveBy(horizontal ? 0.0 : shift, horizontal ? shift : 0.0);
}

QPointF Score::measureLevelShiftIntoStage(const QGraphicsItem *item, int measureIndex,
                                          int part) const
{
    const Measure *m = measures.value(measureIndex);
    const MePart *cell = m ? m->parts.value(part) : nullptr;
    // In horizontal writing these marks hang from the stage's top edge;
    // in vertical writing they start at its right edge and would run over
    // the frame line into the next column.
    if (!item || !cell || page->horizontal)
        return QPointF();
    const double s = page->scaleFactor;
    const double high = (m->originX + m->width - edgeMargin) * s;
    QRectF box = item->sceneBoundingRect();
    if (box.right() <= high || box.left() >= high)
        return QPointF();
    QPointF shift(high - box.right(), 0.0);
    // Brought inside, a wide mark may land on the notes beside the edge:
    // it moves on down the column past them.
    const QList<QRectF> notes = noteGlyphBoxes(m, part, s);
    box.translate(shift);
    for (int step = 0; step < settleSteps; ++step) {
        double push = 0.0;
        for (const QRectF &note : notes) {
            if (overlapping(box, note, s))
                push = std::max(push, note.bottom() - box.top());
        }
        if (push <= 0.0)
            break;
        const double by = push + directionGap * s;
        box.translate(0.0, by);
        shift.ry() += by;
    }
    return shift;
}

namespace {

// The boxes of texts already placed, grown along the line (`horizontal`:
// along x) so that a text moved past them keeps a space from them.
QList<QRectF> spacedAlong(const QList<QRectF> &texts, bool horizontal, double space)
{
    QList<QRectF> spaced;
    spaced.reserve(texts.size());
    for (const QRectF &box : texts)
        spaced.append(horizontal ? box.adjusted(-space, 0.0, space, 0.0)
                                 : box.adjusted(0.0, -space, 0.0, space));
    return spaced;
}

} // namespace

void Score::settleDirectionTexts()
{
    const double space = (textSpace + touchMm) * page->scaleFactor;
    const auto spaced = [this, space](const QList<QRectF> &texts) {
        return spacedAlong(texts, page->horizontal, space);
    };
    // Per part, the texts settled so far on the stage and the stage's note
    // glyphs: a text may reach into the next measure.
    QList<QList<QRectF>> settled(parts.size());
    QList<QList<QRectF>> stageNotes(parts.size());
    int stage = -1;
    double stageEnd = 0.0;
    // The lines and dots of every repeat sign, which no text crosses.
    QList<QRectF> signs;
    for (const QGraphicsItem *item : scene->items()) {
        if (item->data(LineTags::TagRepeatSign).toBool())
            signs.append(item->sceneBoundingRect());
    }
    for (int i = 0; i < displayedMeasures.size(); ++i) {
        const Measure *measure = displayedMeasures.at(i);
        if (measure->lineIndex != stage || i == 0) {
            stage = measure->lineIndex;
            collectStageNotes(i, stageNotes);
            stageEnd = stageEndOf(displayedMeasures, i, page->horizontal) * page->scaleFactor;
            for (QList<QRectF> &placed : settled)
                placed.clear();
        }
        for (int p = 0; p < parts.size() && p < measure->parts.size(); ++p) {
            const MePart *cell = measure->parts.at(p);
            if (cell->collapsed || cell->partExtent <= 0.0)
                continue;
            const QList<QRectF> &notes = stageNotes.at(p);
            QList<QRectF> &placed = settled[p];
            for (const Voice *voice : cell->voices) {
                for (Direction *direction : voice->shownDirections()) {
                    QGraphicsItem *item = direction->item;
                    const int kind = direction->kind;
                    if (!item || !item->scene() || !item->isVisible())
                        continue;
                    // A text that dodges a note along the line stays within
                    // its measure; texts side by side may run on to the end
                    // of the stage, as a row of dynamics does.
                    const double measureEnd =
                        (page->horizontal ? measure->originX + measure->width
                                          : measure->originY + measure->height) *
                        page->scaleFactor;
                    if (!direction->moved && isDirectionText(kind) && direction->y != 0.0) {
                        clearDirectionOfNotes(item, measure, p, direction->y > 0.0, notes,
                                              measureEnd);
                        // Texts side by side along the line: a later one
                        // moves on past the one before it, and past the
                        // notes it then meets.
                        moveAlongPast(item, spaced(placed) + notes, stageEnd);
                        if (kind != Dynamics)
                            keepTextBeforeBar(item, measure, p, direction, signs, placed + notes);
                    } else if (!direction->moved && isRepeatGlyph(kind)) {
                        moveAlongPast(item, placed, stageEnd);
                    }
                    placed.append(item->sceneBoundingRect());
                }
            }
        }
    }
}

void Score::keepTextBeforeBar(QGraphicsItem *item, const Measure *measure, int part,
                              const Direction *direction, const QList<QRectF> &signs,
                              const QList<QRectF> &others) const
{
    const bool horizontal = page->horizontal;
    const double s = page->scaleFactor;
    const double air = barAir * s;
    const QRectF box = item->sceneBoundingRect();
    const double from = horizontal ? box.left() : box.top();
    const double to = horizontal ? box.right() : box.bottom();
    const double start = (horizontal ? measure->originX : measure->originY) * s + air;
    double limit = to;
    if (direction->kind == Metronome)
        limit =
            (horizontal ? measure->originX + measure->width : measure->originY + measure->height) *
                s -
            air;
    // A sign ahead of the text's start; one the text starts on it cannot
    // stand back from.
    for (const QRectF &sign : signs) {
        const double signStart = horizontal ? sign.left() : sign.top();
        if (signStart > from && overlapping(box, sign, s))
            limit = std::min(limit, signStart - air);
    }
    const double back = std::min(to - limit, from - start);
    if (back <= 0.0)
        return;
    item->moveBy(horizontal ? -back : 0.0, horizontal ? 0.0 : -back);
    // Back inside its measure it may cover the text or a note before it:
    // it stacks past them, away from the notes, and stays inside its
    // measure.
    clearDirectionOfNotes(item, measure, part, direction->y > 0.0, others, limit + air);
}

void Score::collectStageNotes(int first, QList<QList<QRectF>> &notes) const
{
    const int stage = displayedMeasures.at(first)->lineIndex;
    for (QList<QRectF> &boxes : notes)
        boxes.clear();
    for (int i = first; i < displayedMeasures.size(); ++i) {
        const Measure *measure = displayedMeasures.at(i);
        if (measure->lineIndex != stage)
            break;
        for (int p = 0; p < notes.size() && p < measure->parts.size(); ++p)
            notes[p] += noteGlyphBoxes(measure, p, page->scaleFactor);
    }
}

void Score::clearDirectionOfNotes(QGraphicsItem *item, const Measure *measure, int part,
                                  bool downOrLeft, const QList<QRectF> &notes, double limit) const
{
    const bool horizontal = page->horizontal;
    const double s = page->scaleFactor;
    const double gap = directionGap * s;
    const QPointF start = item->pos();
    const QRectF before = item->sceneBoundingRect();
    // Away from the notes: down, or left in vertical writing.
    const double away = downOrLeft ? 1.0 : -1.0;
    for (int step = 0; step < settleSteps; ++step) {
        const QRectF box = item->sceneBoundingRect();
        double push = 0.0;
        for (const QRectF &note : notes) {
            if (!overlapping(box, note, s))
                continue;
            if (horizontal)
                push = std::max(push,
                                away > 0 ? note.bottom() - box.top() : box.bottom() - note.top());
            else
                push = std::max(push,
                                away > 0 ? box.right() - note.left() : note.right() - box.left());
        }
        if (push <= 0.0)
            return;
        const double by = push + gap;
        item->moveBy(horizontal ? 0.0 : -away * by, horizontal ? away * by : 0.0);
        // A text that would leave its row for it stands after the note
        // instead, on its own side of the line.
        // The row's band is measured to hold a text just clear of the
        // notes: one that lands on its edge is inside.
        const auto [lowMm, highMm] = rowEdges(measure, part, horizontal);
        const double low = (lowMm - edgeTolerance) * s;
        const double high = (highMm + edgeTolerance) * s;
        const QRectF moved = item->sceneBoundingRect();
        const double first = horizontal ? moved.top() : moved.left();
        const double last = horizontal ? moved.bottom() : moved.right();
        const double wasFirst = horizontal ? before.top() : before.left();
        const double wasLast = horizontal ? before.bottom() : before.right();
        if ((first < low && wasFirst >= low) || (last > high && wasLast <= high)) {
            item->setPos(start);
            moveAlongPast(item, notes, limit);
            return;
        }
    }
}

void Score::moveAlongPast(QGraphicsItem *item, const QList<QRectF> &others, double limit) const
{
    const bool horizontal = page->horizontal;
    const double gap = directionGap * page->scaleFactor;
    const QPointF start = item->pos();
    for (int step = 0;; ++step) {
        const QRectF box = item->sceneBoundingRect();
        double push = 0.0;
        for (const QRectF &other : others) {
            if (overlapping(box, other, page->scaleFactor))
                push = std::max(push, horizontal ? other.right() - box.left()
                                                 : other.bottom() - box.top());
        }
        if (push <= 0.0)
            return;
        if (step == settleSteps)
            break;
        item->moveBy(horizontal ? push + gap : 0.0, horizontal ? 0.0 : push + gap);
        // Past `limit` the text would leave its own notes.
        const QRectF moved = item->sceneBoundingRect();
        if ((horizontal ? moved.right() : moved.bottom()) > limit)
            break;
    }
    // Still in the way, or gone too far: moving it gained nothing, and it
    // stays where it was.
    item->setPos(start);
}
