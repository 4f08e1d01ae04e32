// Score's staff-notation note worker: the rest or the heads of a chord with
// their accidentals, dots, arpeggio, a mid-measure clef change, the
// two-note tremolo mark and the spacers around the note. Stems, flags,
// tremolo strokes and ledger lines come from their own files.
#include "glyphs/glyph_worker_support.h"
#include "glyphs/staff_glyph_support.h"
#include "layout/alignitem.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/staffclef.h"
#include "model/voice.h"
#include "model/voiceslots.h"

#include <QDebug>
#include <QGraphicsItem>
#include <QList>
#include <QRectF>
#include <QTransform>

#include <algorithm>
#include <cstdlib>
#include <vector>

using GlyphWorkers::markItemsFrom;
using GlyphWorkers::markLastItem;
using GlyphWorkers::markMainItem;
using GlyphWorkers::tagNoteGlyph;
using GlyphWorkers::verticalForm;
using GlyphWorkers::voiceOf;

namespace {

constexpr int tremoloStart = 1;
constexpr int staffTremoloStop = 2;

struct AccidentalGlyph
{
    const char *id;
    double width;      // note sizes
    double vertical;   // cross adjustment, note sizes
    double horizontal; // cross adjustment, note sizes
};

// Indexed by the accidental code 1..7.
const AccidentalGlyph accidentalGlyphs[] = {
    {"Natural", 0.21, -0.265, -0.265},     {"Sharp", 0.24, -0.265, -0.265},
    {"DoubleSharp", 0.27, -0.265, -0.12},  {"Flat", 0.22, -0.14, -0.36},
    {"DoubleFlat", 0.35, -0.14, -0.365},   {"NaturalFlat", 0.4, -0.265, -0.372},
    {"NaturalSharp", 0.45, -0.25, -0.265},
};

struct RestGlyph
{
    int type;
    const char *id;
    int verticalStep;
    double verticalExtra; // note sizes
    int horizontalStep;
    double horizontalExtra;
};

const RestGlyph restGlyphs[] = {
    {0, "WholeRestFull", 1, 0.0, 2, 0.0}, {1, "WholeRestFull", 1, 0.0, 2, 0.0},
    {2, "HalfRestFull", 0, 0.0, 1, 0.0},  {4, "QuarterRest", -3, 0.05, 3, 0.0},
    {8, "8thRest", -2, 0.0, 2, 0.05},     {16, "16thRest", -4, 0.0, 2, 0.05},
    {32, "32ndRest", -4, 0.05, 4, 0.05},  {64, "64thRest", -6, 0.0, 4, 0.05},
    {128, "128thRest", -6, 0.0, 6, 0.05},
};

const RestGlyph *restGlyph(int type)
{
    for (const RestGlyph &rest : restGlyphs) {
        if (rest.type == type)
            return &rest;
    }
    return nullptr;
}

// "Dot" .. "Dot4"; counts outside 1..4 name no glyph.
QString dotId(int count)
{
    if (count == 1)
        return QStringLiteral("Dot");
    if (count >= 2 && count <= 4)
        return QStringLiteral("Dot") + QString::number(count);
    return QString();
}

double dotWidth(int count)
{
    if (count <= 0)
        return 0.0;
    return count <= 2 ? 0.2 : count == 3 ? 0.3 : 0.4;
}

QString arpeggioId(double span)
{
    const int n = span < 3 ? 1 : span < 6 ? 2 : span < 8 ? 3 : span < 11 ? 4 : span < 14 ? 5 : 6;
    return QStringLiteral("Arpeggio") + QString::number(n);
}

// Air between an accidental and the heads of its chord, and between two
// columns of accidentals, in note sizes (a fifth and a sixth of a staff
// space).
constexpr double accidentalHeadGap = 0.05;
constexpr double accidentalColumnGap = 0.04;
// Air between a clef changed inside a measure and the note after it, in
// note sizes (0.6 of a staff space).
constexpr double clefNoteGap = 0.15;

// One accidental of a chord as its glyph inks: how far its ink reaches
// along the line from where it is set, and the stretch of the staff it
// covers across, millimetres.
struct ChordAccidental
{
    Note *note = nullptr;
    QString id;
    QGraphicsItem *item = nullptr;
    double cross = 0.0;
    double reach = 0.0;
    double low = 0.0;
    double high = 0.0;
    int column = 0;
};

// The glyph's ink in millimetres, in the glyph item's transform; its box
// for an item that is not a glyph or draws nothing.
QRectF inkMm(const QGraphicsItem *item, double scale)
{
    const auto *glyph = dynamic_cast<const GlyphItem *>(item);
    const QRectF ink = glyph ? glyph->inkRect() : QRectF();
    const QRectF box = ink.isEmpty() ? item->boundingRect() : ink;
    const QRectF mapped = item->transform().mapRect(box);
    return scale > 0.0 ? QRectF(mapped.topLeft() / scale, mapped.size() / scale) : QRectF();
}

// How far a ledger line of another voice reaches before the head it is
// drawn for, mm: the ledger lines of a note start this far before it.
constexpr double ledgerLead = 0.65;

// The even staff steps beyond the staff that carry ledger lines for a
// note on `step`: from the staff out to the note.
std::vector<int> ledgerSteps(int step)
{
    std::vector<int> result;
    for (int n = 6; n <= step; n += 2)
        result.push_back(n);
    for (int n = -6; n >= step; n -= 2)
        result.push_back(n);
    return result;
}

// How much farther than its usual gap the first column of a chord's
// accidentals stands from the heads, mm, so that it clears the ledger lines
// of other voices' notes at the same moment on the same staff.
double otherVoicesLedgerReach(Score *score, Measure *measure, int part, int voice,
                              const QList<Note *> &chord, const std::vector<ChordAccidental> &marks,
                              int onset)
{
    // Another voice's chord at the same moment on the same staff stands
    // where this one does: its ledger lines reach before its heads, into
    // the room of this chord's first column of accidentals.
    const Note *own = chord.first();
    const bool horizontal = score->page->horizontal;
    // Where the ledger line's ink starts along the line, from where it is set.
    const QString ledgerId = verticalForm(score, QStringLiteral("AddedLineShort"));
    QGraphicsItem *ledger = StaffGlyphs::glyph(score, part, ledgerId);
    const QRectF ledgerInk = inkMm(ledger, score->page->scaleFactor);
    delete ledger;
    const double inkStart = horizontal ? ledgerInk.left() : ledgerInk.top();
    double reach = 0.0;
    const VoiceSlots &voices = measure->parts.at(part)->voices;
    for (int v = 0; v < voices.size(); ++v) {
        if (v == voice)
            continue;
        for (Note *other : voices.at(v)->notes) {
            if (other->rest || !other->visible || other->grace || other->startTime != onset ||
                other->staff != own->staff)
                continue;
            for (const int n : ledgerSteps(score->getStaffStep(measure, part, other))) {
                const double line = score->getStaffStepOffset(part, n);
                const bool crosses = std::any_of(marks.cbegin(), marks.cend(), [&](const auto &m) {
                    return m.column == 0 && line > m.low && line < m.high;
                });
                if (crosses)
                    reach =
                        std::max(reach, StaffGlyphs::alongShift(own) -
                                            StaffGlyphs::alongShift(other) + ledgerLead - inkStart);
            }
        }
    }
    return std::max(0.0, reach);
}

// The voice index of a note of the voice.
int indexOf(const Measure *measure, int part, int voice, const Note *note)
{
    return int(voiceOf(measure, part, voice)->notes.indexOf(const_cast<Note *>(note)));
}

} // namespace

void Score::addStaffNote(Measure *measure, int part, int voice, int noteIndex, int onset)
{
    Note *note = voiceOf(measure, part, voice)->notes.at(noteIndex);
    const double size = parts.at(part)->noteFontSize;
    note->glyphName.clear();

    if (noteIndex == 0)
        addSpacerItem(0.3, measure, part, voice, noteIndex);
    else if (note->clefChange)
        addStaffClefChange(measure, part, voice, note);

    if (note->arpeggiate) {
        addStaffArpeggio(measure, part, voice, note);
        markMainItem(note, measure, part, voice);
    }

    if (note->rest) {
        const int firstNew = measure->getItemCount(part, voice);
        addStaffRest(measure, part, voice, note, onset);
        markItemsFrom(note, measure, part, voice, firstNew);
        return;
    }

    const QString name = note->noteName;
    // The heads set each note's main glyph to its own head; stems, flags
    // and ledger lines only run the note on.
    addStaffNoteHead(measure, part, voice, noteIndex, onset);
    markLastItem(note, measure, part, voice);

    // A repeat sign stands for its notes; the stop note of a two-note
    // tremolo shares the dots of its start note.
    if (!name.startsWith(QLatin1String("Repeat")) && note->tremoloType != staffTremoloStop) {
        addStaffDots(measure, part, voice, noteIndex, onset);
        markLastItem(note, measure, part, voice);
    }

    if (note->tremoloType == tremoloStart) {
        const int marks = note->tremoloMarks;
        const bool known = marks >= 1 && marks <= 4;
        const QString id = known ? QStringLiteral("Tremolo%1_Double").arg(marks) : QString();
        const double cross = known ? -0.1 * marks * size : 0.0;
        QGraphicsItem *item = StaffGlyphs::glyph(this, part, id);
        StaffGlyphs::tagPart(this, item, measure, part, voice, note);
        appendNoteAlignItem(measure, part, voice, note->staff, 0.4 * size, id, 0.4 * size, size,
                            AlignFree, onset, item, cross, 0.0, cross);
    }

    // A tie leaving a beamed note needs room to start before the next head.
    if ((note->tie == 1 || note->tie == 3) && note->beamTypes.at(0) != 0 && note->dots == 0)
        addSpacerItem(0.2, measure, part, voice, noteIndex);
}

void Score::addStaffNoteHead(Measure *measure, int part, int voice, int noteIndex, int onset)
{
    const QList<Note *> chord = StaffGlyphs::chordByStep(this, measure, part, voice, noteIndex);
    // The chord's own first note keeps the chord's results; the geometry
    // goes by steps, from the lowest note up.
    Note *first = voiceOf(measure, part, voice)->notes.at(noteIndex);
    Note *lowest = chord.first();
    Note *highest = chord.last();
    const int n = int(chord.size());
    const double size = parts.at(part)->noteFontSize;
    const bool horizontal = page->horizontal;

    std::vector<int> steps(n);
    for (int k = 0; k < n; ++k)
        steps[k] = getStaffStep(measure, part, chord.at(k));

    addStaffAccidentals(measure, part, voice, chord, steps, onset);

    // Seconds: a head a step (or none) from its neighbour goes to the other
    // side of the stem, walking away from the stem's end.
    std::vector<bool> displaced(n, false);
    const bool stemDown = highest->stemShown == 2;
    if (!stemDown) {
        for (int k = 1; k < n; ++k) {
            const int gap = steps[k] - steps[k - 1];
            displaced[k] = (gap == 0 || gap == 1) && !displaced[k - 1];
        }
    } else {
        for (int k = n - 2; k >= 0; --k) {
            const int gap = steps[k + 1] - steps[k];
            displaced[k] = (gap == 0 || gap == 1) && !displaced[k + 1];
        }
    }
    bool seconds = false;
    int lowestDisplaced = 0;
    int highestDisplaced = 0;
    for (int k = 0; k < n; ++k) {
        chord.at(k)->headShifted = displaced[k];
        if (!displaced[k])
            continue;
        if (!seconds)
            lowestDisplaced = steps[k] < -4 ? steps[k] : 0;
        highestDisplaced = steps[k] > 4 ? steps[k] : 0;
        seconds = true;
    }
    first->chordHasSeconds = seconds;

    bool shifted = false;
    for (int k = 0; k < n; ++k) {
        Note *note = chord.at(k);
        QString id = note->noteName.isEmpty() ? QStringLiteral("Undefined")
                                              : verticalForm(this, note->noteName);
        const int index = measure->getItemCount(part, voice);
        const int kind = k > 0 ? AlignOverlay : note->grace ? AlignLeading : AlignTime;
        if (note != first)
            note->alignItemBegin = note->firstAlignItem = index;
        const double cross =
            getStaffStepOffset(part, steps[k]) - (note->grace ? 0.095 : 0.125) * size;
        double headShift = 0.0;
        if (note->stemShown != 2) {
            headShift = displaced[k] ? 3.0 : 0.0;
        } else if (seconds) {
            // With the stem down the column beside the stem moves right.
            headShift = displaced[k] ? 0.0 : 3.0;
            shifted = true;
        }
        QGraphicsItem *item = StaffGlyphs::glyph(this, part, id);
        tagNoteGlyph(this, item, measure, part, voice, indexOf(measure, part, voice, note));
        const int head = StaffGlyphs::append(
            this, measure, part, voice, note, StaffGlyphs::headWidth(note, size, seconds), id, kind,
            onset, item, cross, StaffGlyphs::alongShift(note) + headShift, size);
        note->firstAlignItem = note->noteAlignItem = note->alignItemEnd = head;
    }

    addStaffTremolo(measure, part, voice, noteIndex);
    if (horizontal)
        addStaffStemFlag(measure, part, voice, noteIndex, seconds);
    else
        addStaffStemFlagV(measure, part, voice, noteIndex, seconds);

    const double unit = 0.125 * size;
    const int s0 = steps.front();
    const int s1 = steps.back();
    auto below = [&](Note *note, int step, int extreme) {
        if (horizontal)
            addLedgerLinesH1(measure, note, part, voice, step, extreme, shifted, seconds, unit);
        else
            addLedgerLinesV1(measure, note, part, voice, step, extreme, shifted, seconds, unit);
    };
    auto above = [&](Note *note, int step, int extreme) {
        if (horizontal)
            addLedgerLinesH2(measure, note, part, voice, step, extreme, shifted, seconds, unit);
        else
            addLedgerLinesV2(measure, note, part, voice, step, extreme, shifted, seconds, unit);
    };
    if (n == 1) {
        if (s0 < -5)
            below(lowest, s0, 0);
        else if (s0 > 5)
            above(lowest, s0, 0);
        return;
    }
    if (s1 > 5)
        above(highest, s1, highestDisplaced);
    if (s0 < -5)
        below(lowest, s0, lowestDisplaced);
}

void Score::addStaffAccidentals(Measure *measure, int part, int voice, const QList<Note *> &chord,
                                const std::vector<int> &steps, int onset)
{
    const double size = parts.at(part)->noteFontSize;
    const bool horizontal = page->horizontal;
    const double s = page->scaleFactor;
    std::vector<ChordAccidental> marks;
    for (int k = 0; k < int(chord.size()); ++k) {
        Note *note = chord.at(k);
        if (note->accidental < 1 || note->accidental > 7)
            continue;
        const AccidentalGlyph &a = accidentalGlyphs[note->accidental - 1];
        ChordAccidental mark;
        mark.note = note;
        mark.id = QString::fromLatin1(a.id);
        if (note->grace)
            mark.id += QStringLiteral("_Grace");
        mark.id = verticalForm(this, mark.id);
        mark.cross =
            getStaffStepOffset(part, steps[k]) + (horizontal ? a.horizontal : a.vertical) * size;
        if (note->grace)
            mark.cross += 0.05 * size;
        mark.item = StaffGlyphs::glyph(this, part, mark.id);
        // Along the line the ink ends at its right (horizontal) or bottom
        // (vertical) edge; across it, the box lies from the cross offset.
        const QRectF ink = inkMm(mark.item, s);
        mark.reach = std::max(a.width * size, horizontal ? ink.right() : ink.bottom());
        mark.low = mark.cross + (horizontal ? ink.top() : ink.left());
        mark.high = mark.cross + (horizontal ? ink.bottom() : ink.right());
        marks.push_back(mark);
    }
    if (marks.empty())
        return;

    // Columns from the heads outward: from the highest note down, each
    // accidental takes the first column where it clears the ink of those
    // already there.
    const double columnGap = accidentalColumnGap * size;
    const int count = int(marks.size());
    int columns = 0;
    for (int k = count - 1; k >= 0; --k) {
        ChordAccidental &mark = marks[k];
        auto meets = [&](const ChordAccidental &placed) {
            return placed.column == mark.column && mark.low < placed.high + columnGap &&
                   placed.low < mark.high + columnGap;
        };
        while (std::any_of(marks.cbegin() + k + 1, marks.cend(), meets))
            ++mark.column;
        columns = std::max(columns, mark.column + 1);
    }

    const double headGap = accidentalHeadGap * size +
                           otherVoicesLedgerReach(this, measure, part, voice, chord, marks, onset);

    // The aligner sets held items right to left before the heads: one
    // leading item per column with the column's others laid over it, the
    // column farthest out first; every item of a column has the column's
    // advance, its widest ink and the gap to what stands right of it.
    for (int column = columns - 1; column >= 0; --column) {
        const double gap = column == 0 ? headGap : columnGap;
        double advance = 0.0;
        for (const ChordAccidental &mark : marks) {
            if (mark.column == column)
                advance = std::max(advance, mark.reach + gap);
        }
        bool first = true;
        for (const ChordAccidental &mark : marks) {
            if (mark.column != column)
                continue;
            StaffGlyphs::append(this, measure, part, voice, mark.note, advance, mark.id,
                                first ? AlignLeading : AlignOverlay, onset, mark.item, mark.cross,
                                StaffGlyphs::alongShift(mark.note), size);
            first = false;
        }
    }
}

void Score::addStaffDots(Measure *measure, int part, int voice, int noteIndex, int onset)
{
    if (voiceOf(measure, part, voice)->notes.at(noteIndex)->dots == 0)
        return;
    const QList<Note *> chord = StaffGlyphs::chordByStep(this, measure, part, voice, noteIndex);
    const double size = parts.at(part)->noteFontSize;
    const bool horizontal = page->horizontal;
    const int n = int(chord.size());
    for (int k = 0; k < n; ++k) {
        Note *note = chord.at(k);
        const int step = getStaffStep(measure, part, note);
        double cross = 0.0;
        if (step % 2 != 0) {
            cross = getStaffStepOffset(part, step) - 0.04 * size;
        } else if (k + 1 < n && getStaffStep(measure, part, chord.at(k + 1)) == step + 1) {
            // The space above belongs to the next note's dot: go below.
            cross = horizontal ? getStaffStepOffset(part, step + 1) + 0.2 * size
                               : getStaffStepOffset(part, step) - 0.2 * size;
        } else {
            cross = getStaffStepOffset(part, step + 1) - 0.05 * size;
        }
        const QString base = dotId(note->dots);
        const QString id = base.isEmpty() ? QString() : verticalForm(this, base);
        QGraphicsItem *item = StaffGlyphs::glyph(this, part, id);
        tagNoteGlyph(this, item, measure, part, voice, indexOf(measure, part, voice, note));
        StaffGlyphs::append(this, measure, part, voice, note, dotWidth(note->dots) * size, id,
                            k == 0 ? AlignFollowing : AlignOverlay, onset, item, cross,
                            StaffGlyphs::alongShift(note) - 1.45, size);
    }
}

void Score::addStaffRest(Measure *measure, int part, int voice, Note *note, int onset)
{
    const double size = parts.at(part)->noteFontSize;
    const bool horizontal = page->horizontal;
    const int noteIndex = int(voiceOf(measure, part, voice)->notes.indexOf(note));
    const double head = StaffGlyphs::headWidth(note, size, false);

    QString base;
    double shift = 0.0;
    double width = head;
    if (measure->multiRestCount <= 1 && measure->multipleRest <= 1) {
        if (const RestGlyph *rest = restGlyph(note->noteType)) {
            base = QString::fromLatin1(rest->id);
            shift =
                horizontal
                    ? getStaffStepOffset(part, rest->horizontalStep) + rest->horizontalExtra * size
                    : getStaffStepOffset(part, rest->verticalStep) + rest->verticalExtra * size;
            if (note->noteType == 4)
                width = 0.65 * head;
            else if (note->noteType == 8)
                width = 0.72 * head;
        } else {
            qDebug().noquote() << "addStaffRest, rest type not supported = " << note->noteType;
        }
    }
    // A rest of a voice that shares its staff stands on its voice's side.
    const double side = getStaffStepOffset(part, restStepShift(measure, part, voice, note));
    const QString id = base.isEmpty() ? QString() : verticalForm(this, base);
    QGraphicsItem *item = StaffGlyphs::glyph(this, part, id);
    tagNoteGlyph(this, item, measure, part, voice, noteIndex);
    note->alignItemBegin = note->firstAlignItem = measure->getItemCount(part, voice);
    StaffGlyphs::append(this, measure, part, voice, note, width, id, AlignTime, onset, item,
                        note->restOffset + shift + side, StaffGlyphs::alongShift(note), size);

    if (note->dots >= 1) {
        const QString dot = dotId(note->dots);
        const QString dotGlyph = dot.isEmpty() ? QString() : verticalForm(this, dot);
        // Each voice of a staff keeps its rest dots a staff space apart.
        const double cross = note->restOffset + side +
                             getStaffStepOffset(part, note->noteType > 1 ? 1 : 3) - 0.05 * size +
                             ((note->voice - 1) % 4) * 0.25 * size;
        QGraphicsItem *dotItem = StaffGlyphs::glyph(this, part, dotGlyph);
        tagNoteGlyph(this, dotItem, measure, part, voice, noteIndex);
        StaffGlyphs::append(this, measure, part, voice, note, width, dotGlyph, AlignFollowing,
                            onset, dotItem, cross, 0.0, size);
    }
    note->dottedRest = note->dots > 0;
}

void Score::addStaffArpeggio(Measure *measure, int part, int voice, Note *note)
{
    const int index = indexOf(measure, part, voice, note);
    if (index < 0)
        return;
    const QList<Note *> chord = StaffGlyphs::chordByStep(this, measure, part, voice, index);
    Note *lowest = chord.first();
    Note *last = chord.last();
    const double size = parts.at(part)->noteFontSize;
    const bool horizontal = page->horizontal;
    const int low = getStaffStep(measure, part, lowest) - 2;
    const int high = getStaffStep(measure, part, last) + 1;
    const double span = std::abs(getStaffStepOffset(part, high) - getStaffStepOffset(part, low));

    const QString id = verticalForm(this, arpeggioId(span));
    QGraphicsItem *item = StaffGlyphs::glyph(this, part, id, true);
    // Stretched across the staff to the chord's span.
    const double g = size * page->glyphScale;
    const double across = g * span / size;
    item->setTransform(horizontal ? QTransform::fromScale(g, across)
                                  : QTransform::fromScale(across, g));
    const double cross = horizontal ? -(getStaffStep(measure, part, last) + 1) * 0.125 * size
                                    : (getStaffStep(measure, part, lowest) - 1) * 0.125 * size;
    StaffGlyphs::append(this, measure, part, voice, note, 0.3 * size, id, AlignLeading, 0, item,
                        cross, 0.0, 1.0);
}

void Score::addStaffClefChange(Measure *measure, int part, int voice, Note *note)
{
    const double size = parts.at(part)->noteFontSize;
    const bool horizontal = page->horizontal;
    const StaffClef clef = StaffClef::fromCode(note->clef);
    const StaffGlyphs::ClefGlyph shape = StaffGlyphs::clefGlyph(clef);
    if (shape.id.isEmpty())
        qDebug().noquote() << "addStaffClefChange, clef not supported = " << note->clef;
    const QString id = shape.id.isEmpty() ? QString() : verticalForm(this, shape.id);
    // A clef inside the measure is drawn smaller, except the F clef, which
    // is small already.
    const double scale = clef.sign == QLatin1String("F") ? 1.0 : 0.84;
    const double step = 0.125 * size;
    const double cross = horizontal ? -(clef.lineStep() + scale * shape.top) * step
                                    : (clef.lineStep() - scale * shape.left) * step;
    QGraphicsItem *item = StaffGlyphs::glyph(this, part, id);
    if (scale != 1.0) {
        const double g = size * page->glyphScale * scale;
        item->setTransform(QTransform::fromScale(g, g));
    }
    // The note after it stands clear of the clef's ink, dots and all.
    const QRectF ink = inkMm(item, page->scaleFactor);
    const double advance =
        std::max(0.75 * size, (horizontal ? ink.right() : ink.bottom()) + clefNoteGap * size);
    StaffGlyphs::append(this, measure, part, voice, note, advance, id, AlignLeading, -1, item,
                        cross, 0.0, size);
}

bool Score::isNoteTiedInChord(Measure *measure, int part, int voice, Note *note) const
{
    const QList<Note *> &notes = voiceOf(measure, part, voice)->notes;
    int index = int(notes.indexOf(note));
    if (index < 0)
        return false;
    while (index + 1 < notes.size() && notes.at(index + 1)->grace)
        ++index;
    // The note after the graces, or the voice's last note.
    if (index + 1 < notes.size())
        ++index;
    const Note *partner = notes.at(index);
    return partner != note &&
           (partner->tremoloType == staffTremoloStop ||
            std::find(partner->tremoloStops.cbegin(), partner->tremoloStops.cend(),
                      staffTremoloStop) != partner->tremoloStops.cend());
}
