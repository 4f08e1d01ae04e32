// Score's Ikuta extension marks: after a note, one mark in each later time
// frame that the note covers, showing that frame's length; and the marks
// that stand for a tied continuation in place of its note glyph.
#include "glyphs/glyph_worker_support.h"
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/note.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"

#include <QDebug>
#include <QGraphicsItem>
#include <QList>

using namespace GlyphWorkers;

namespace {

// One extension mark: the value of its glyph (4 quarter .. 32 thirty-second),
// its time tick and the note type passed with it (0: its own value).
struct Mark
{
    int value = 4;
    int time = 0;
    int type = 0;
};

struct Plan
{
    QList<Mark> marks;
    int count = 0;
};

QString extensionId(int value)
{
    switch (value) {
    case 4:
        return QStringLiteral("QuarterExtension");
    case 8:
        return QStringLiteral("8thExtension");
    case 16:
        return QStringLiteral("16thExtension");
    default:
        return QStringLiteral("32ndExtension");
    }
}

// The time `i` n-ths of the way through a note of `d` divisions from `t`;
// the product is taken wide, as a long note by many parts would overflow.
int partOf(int t, int d, int i, int n)
{
    return int(t + qint64(i) * d / n);
}

// Where an onset stands in the beat (D divisions per quarter).
struct BeatPosition
{
    BeatPosition(int onset, int divisions)
    {
        const int d = divisions;
        onBeat = d > 0 && onset % d == 0;
        onHalfBeat = d > 0 && d % 2 == 0 && onset % (d / 2) == 0;
        onQuarterBeat = d >= 4 && d % 4 == 0 && onset % (d / 4) == 0;
    }
    bool onBeat = false;
    bool onHalfBeat = false;
    bool onQuarterBeat = false;
};

// The marks after a note, by the first row of the Ikuta table that matches
// the note's value, dots and position; an empty plan when none does.
Plan timeFrameMarks(const Note *note, const Measure *measure, int onset, bool eraseExtension)
{
    const int t = onset;
    const int d = note->tremoloType == 1 ? 2 * note->duration : note->duration;
    const int D = measure->divisions;
    const int B = measure->beatType;
    const bool halfBeats = B == 2 || B == 4;
    const bool tuplet = note->timeModification;
    const BeatPosition at(onset, D);
    const int dots = note->dots;

    switch (note->noteType) {
    case 1: {
        const int n = D > 0 ? d / D : 0;
        Plan plan;
        for (int i = 1; i < n; ++i)
            plan.marks.append({4, partOf(t, d, i, n)});
        plan.count = n >= 2 ? n - 1 : 0;
        return plan;
    }
    case 2:
        if (dots == 0) {
            if (halfBeats && at.onBeat)
                return {{{4, t + d / 2}}, 1};
            if (halfBeats && at.onHalfBeat)
                return {{{4, t + d / 4}, {8, t + 3 * d / 4}}, 2};
        } else if (dots == 1) {
            if (halfBeats)
                return {{{4, t + d / 3}, {4, t + 2 * d / 3}}, 2};
            if (B == 8 && D > 0 && D % 2 == 0 && t % (3 * D / 2) == 0)
                return {{{4, t + d / 2}}, 1};
            // Off a dotted-beat position the note still counts one mark.
            if (B == 8)
                return {{}, 1};
        } else if (dots == 2) {
            // As the table has it: one mark drawn, three counted.
            if (halfBeats && at.onBeat)
                return {{{8, t + 6 * d / 7, 4}}, 3};
            if (halfBeats && at.onHalfBeat)
                return {{{4, t + d / 7}, {4, t + 3 * d / 7}, {4, t + 5 * d / 7}}, 3};
            if (!halfBeats)
                qDebug().noquote()
                    << QStringLiteral(
                           "addNoteExtensionsTimeFrame Error not processed note type (Measure: %1)")
                           .arg(measure->number);
        }
        return {};
    case 4:
        if (dots == 0) {
            if (B == 4 && !at.onBeat && at.onHalfBeat && !eraseExtension)
                return {{{8, t + d / 2}}, 1};
        } else if (dots == 1) {
            if (B == 4 && at.onBeat)
                return {{{8, t + 2 * d / 3}}, 1};
            if (at.onHalfBeat)
                return {{{4, t + d / 3}}, 1};
        } else if (dots == 2) {
            if (B == 4 && at.onBeat)
                return {{{8, t + 4 * d / 7}, {16, t + 6 * d / 7}}, 2};
            if (at.onHalfBeat)
                return {{{4, t + 4 * d / 7}, {16, t + 6 * d / 7}}, 2};
            if (at.onQuarterBeat)
                return {{{8, t + d / 7}, {4, t + 3 * d / 7}}, 2};
        }
        return {};
    case 8:
        if (dots == 0) {
            if (!at.onBeat && !at.onHalfBeat && at.onQuarterBeat)
                return {{{16, t + d / 2}}, 0};
        } else if (dots == 1) {
            if (at.onHalfBeat)
                return {{{16, t + D / 2}}, 1};
            if (!tuplet && D >= 4 && at.onQuarterBeat)
                return {{{8, t + d / 3}}, 1};
        } else if (dots == 2 && !tuplet) {
            if (at.onHalfBeat)
                return {{{16, t + D / 2}, {32, t + 3 * D / 4, 16}}, 2};
            if (D >= 4 && at.onQuarterBeat)
                return {{{8, t + d / 3, 16}}, 1};
            if (D >= 8 && t % (D / 8) == 0)
                return {{{16, t + d / 7, 32}, {8, t + 3 * d / 7, 16}}, 2};
        }
        return {};
    default:
        if (note->noteType < 16)
            return {};
        if (dots == 1 && at.onQuarterBeat)
            return {{{32, t + 2 * d / 3}}, 1};
        if (dots == 2)
            qDebug().noquote() << "16th' 2dots not processed ==================";
        return {};
    }
}

// The marks that replace the glyph of a tied continuation, from its onset.
QList<Mark> continuationMarks(const Note *note, const Measure *measure, int onset,
                              bool eraseExtension)
{
    const int t = onset;
    const int d = note->duration;
    const int D = measure->divisions;
    const bool tuplet = note->actualNotes > 0;
    const BeatPosition at(onset, D);
    QList<Mark> marks;

    switch (note->noteType) {
    case 1:
        for (int i = 0; i < 4; ++i)
            marks.append({4, partOf(t, d, i, 4)});
        break;
    case 2: {
        const int n = tuplet ? 1 : note->dots > 0 ? 3 : 2;
        for (int i = 0; i < n; ++i)
            marks.append({4, partOf(t, d, i, n)});
        break;
    }
    case 4:
        if (note->dots == 0) {
            if (tuplet || at.onBeat)
                marks = {{4, t}};
            else if (at.onHalfBeat)
                marks = {{8, t}, {8, t + d / 2}};
        } else if (note->dots == 1) {
            if (at.onBeat)
                marks = {{4, t}, {8, t + 2 * d / 3}};
            else if (at.onHalfBeat)
                marks = {{8, t}, {4, t + d / 3}};
        }
        break;
    case 8:
        if (eraseExtension && at.onBeat)
            break;
        marks = {{8, t}};
        if (note->dots == 1)
            marks.append({16, t + D / 2});
        else if (note->dots == 2)
            qDebug().noquote() << "8th note with 2 dots not processed=========================!";
        break;
    case 16:
        marks = {{16, t}};
        break;
    default:
        break;
    }
    return marks;
}

} // namespace

void Score::addNoteExtensionsTimeFrame(Note *note, Measure *measure, int part, int voice, int onset)
{
    const Plan plan = timeFrameMarks(note, measure, onset, style->eraseExtension);
    const double cross = noteLine(measure, part, voice);
    const double across = squeezeRatio(measure, part, voice, 1);
    for (const Mark &mark : plan.marks) {
        QString id = extensionId(mark.value);
        measure->addNoteItem3(part, voice, id, mark.type ? mark.type : mark.value, false, AlignTime,
                              false, 0, cross, mark.time, getNoteWidth(part, mark.value), across);
    }
    note->glyphKind = plan.count;
}

void Score::addNoteExtensions(Note *note, Measure *measure, int part, int voice, int onset)
{
    const QList<Mark> marks = continuationMarks(note, measure, onset, style->eraseExtension);
    const int noteIndex = int(voiceOf(measure, part, voice)->notes.indexOf(note));
    const double cross = noteLine(measure, part, voice);
    const double across = squeezeRatio(measure, part, voice, 1);
    for (int i = 0; i < marks.size(); ++i) {
        QString id = extensionId(marks.at(i).value);
        QGraphicsItem *item = measure->addNoteItem3(part, voice, id, marks.at(i).value, false,
                                                    AlignTime, false, 0, cross, marks.at(i).time,
                                                    getNoteWidth(part, marks.at(i).value), across);
        if (i == 0)
            tagNoteGlyph(this, item, measure, part, voice, noteIndex);
    }
}
