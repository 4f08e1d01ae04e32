// Score's stems, flags and single-note tremolo strokes of unbeamed staff
// notes, and the stem-length rules (in staff steps) they share.
#include "glyphs/glyph_worker_support.h"
#include "glyphs/staff_glyph_support.h"
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"

#include <QGraphicsItem>
#include <QList>
#include <QTransform>

#include <algorithm>
#include <cmath>

using GlyphWorkers::verticalForm;
using GlyphWorkers::voiceOf;

namespace {

constexpr double u = 0.125; // one staff step, in note sizes
constexpr int stemTremoloSingle = 3;

// Strokes across the stem of a single-note tremolo, else 0.
int strokesOf(const Note *note)
{
    return note->tremoloType == stemTremoloSingle ? note->tremoloMarks : 0;
}

// Whole, half and quarter notes (and breves) carry no flag.
bool isUnflagged(int type)
{
    return type == 0 || type == 1 || type == 2 || type == 4;
}

// Flag id of the type ("Flag_Up_8"), with the grace prefix and slash form;
// empty for a type that has no flag glyph.
QString flagId(const Note *note, bool up, bool slash)
{
    static const QList<int> types = {8, 16, 32, 64, 128};
    if (!types.contains(note->noteType))
        return QString();
    QString id = QStringLiteral("Flag_%1_%2")
                     .arg(up ? QStringLiteral("Up") : QStringLiteral("Down"))
                     .arg(note->noteType);
    if (slash)
        id += QStringLiteral("_Slash");
    if (note->grace)
        id.prepend(QStringLiteral("Grace_"));
    return id;
}

// Stroke offset from the stem end toward the head, in staff steps.
double strokeOffset(int type, int marks)
{
    if (isUnflagged(type)) {
        switch (marks) {
        case 1:
            return 1.8;
        case 2:
            return 1.0;
        case 3:
            return 0.8;
        case 4:
            return 0.6;
        default:
            return 0.0;
        }
    }
    switch (type) {
    case 8:
    case 16:
        return 4.0;
    case 32:
        return 5.0;
    case 64:
        return 6.5;
    case 128:
        return 8.0;
    default:
        return 0.0;
    }
}

double strokeExtent(int marks)
{
    return marks >= 1 && marks <= 4 ? 1.6 * marks : 0.0;
}

// One stem or flag: stacked on the head, not anchored to a time.
struct StemItem
{
    QString glyphId; // the note-font glyph
    QString marker;  // "stem" or "hook", for the layout
    double cross;    // mm from the middle line
    double along;    // reference offset along
    double length;   // note sizes; stems only, 0 for a flag
};

} // namespace

double Score::getStemBaseLength(int noteType)
{
    // Single precision on purpose: chord stems are cut to whole steps, and
    // the cut sees these values as they are stored.
    switch (noteType) {
    case 4:
    case 8:
    case 16:
        return double(6.6f);
    case 32:
        return double(7.6f);
    case 64:
        return double(8.6f);
    case 128:
        return double(10.6f);
    default:
        return 0.0;
    }
}

double Score::getStemLength(const Note *note, bool up, int step, int strokes) const
{
    const int type = note->noteType;
    if (type != 1 && type != 2 && type != 4) {
        double b = getStemBaseLength(type);
        if (up && step < -7)
            b += -7 - step;
        else if (!up && step > 7)
            b += step - 7;
        static const double upExtra[] = {0.0, 1.0, 2.7, 4.1, 6.0};
        static const double downExtra[] = {0.0, 0.0, 2.0, 3.2, 5.0};
        if (strokes >= 1 && strokes <= 4)
            b += up ? upExtra[strokes] : downExtra[strokes];
        return b;
    }

    double b = 6.0;
    const int s = up ? -step : step; // steps toward the stem's side, negated
    if (s >= 7)
        b = s;
    else if (s >= 3)
        b = 7.0;
    else if (s == 2)
        b = 6.67;
    else if (s == 1)
        b = 6.33;
    if (strokes == 3)
        return b < 8.0 ? 8.0 : b + 1.0;
    if (strokes == 4) {
        // Beyond the staff's far line the stem already reaches its end.
        if (s > 7)
            return b + 3.0;
        return b < 9.5 ? 9.5 : b + 3.0;
    }
    return b;
}

double Score::getFlagOffset(const Note *note, bool up, int lowest, int highest) const
{
    return (highest - lowest) + getStemLength(note, up, up ? highest : lowest, strokesOf(note));
}

void Score::scaleItemNonUniform(QGraphicsItem *item, int part, double fx, double fy) const
{
    const double g = parts.at(part)->noteFontSize * page->glyphScale;
    item->setTransform(QTransform::fromScale(fx * g, fy * g));
}

void Score::addStaffTremolo(Measure *measure, int part, int voice, int noteIndex)
{
    // The chord by steps; its own first note keeps the results.
    const QList<Note *> chord = StaffGlyphs::chordByStep(this, measure, part, voice, noteIndex);
    Note *first = voiceOf(measure, part, voice)->notes.at(noteIndex);
    if (first->tremoloType != stemTremoloSingle)
        return;
    const double size = parts.at(part)->noteFontSize;
    Note *highest = chord.last();
    const int highestStep = getStaffStep(measure, part, highest);
    bool up = highest->stemShown == 1;
    if (highest->stemShown == 0)
        up = highestStep < 0;
    Note *used = up ? highest : chord.first();
    const int s = getStaffStep(measure, part, used);
    const int marks = first->tremoloMarks;
    const double t =
        strokeOffset(isUnflagged(first->noteType) ? first->noteType : used->noteType, marks);
    const double d = strokeExtent(marks);

    double along = StaffGlyphs::alongShift(used);
    if (chord.size() > 1 && !up)
        along += first->chordHasSeconds ? 1.5 : -1.5;
    else if (used->stemShown == 1)
        along += 1.5;
    else if (used->stemShown == 2)
        along -= 1.5;

    const double l = getStemLength(used, up, s, marks);
    double cross = 0.0;
    if (page->horizontal)
        cross = up ? (-s - l + t) : (-s + l - d - t);
    else
        cross = up ? (s + l - d - t) : (s - l + t);
    cross *= u * size;

    const QString id = marks >= 1 && marks <= 4
                           ? verticalForm(this, QStringLiteral("Tremolo%1").arg(marks))
                           : QString();
    StaffGlyphs::append(this, measure, part, voice, used, 0.55 * size, id, AlignOverlay, -1,
                        StaffGlyphs::glyph(this, part, id), cross, along, size);
}

void Score::addStaffStemFlag(Measure *measure, int part, int voice, int noteIndex, bool seconds)
{
    // The chord by steps; its own first note keeps the results.
    const QList<Note *> chord = StaffGlyphs::chordByStep(this, measure, part, voice, noteIndex);
    Note *first = voiceOf(measure, part, voice)->notes.at(noteIndex);
    if (StaffGlyphs::isBeamed(first) || first->noteType < 2)
        return;
    const double size = parts.at(part)->noteFontSize;
    const double along = StaffGlyphs::alongShift(first);
    const bool flagged = first->noteType >= 8;
    const double base = getStemBaseLength(first->noteType);
    const int k = strokesOf(first);

    StemItem stem;
    StemItem flag;
    double stemEnd = 0.0;
    if (chord.size() == 1) {
        const int s = getStaffStep(measure, part, first);
        const bool slash = first->grace && first->graceSlash && first->noteType == 8;
        if (first->stemShown == 1) {
            const double l = first->grace ? 0.625 : getStemLength(first, true, s, k) * u;
            const double tip = (-s * u - l - (first->grace ? 0.03 : 0.04)) * size;
            stem = {first->grace ? QStringLiteral("Grace_Stem") : QStringLiteral("Stem"),
                    QStringLiteral("stem"), tip, along + (first->grace ? 2.27 : 3.0), l};
            flag = {flagId(first, true, slash), QStringLiteral("hook"), tip,
                    stem.along - (slash ? 1.3 : 0.0), 0.0};
            stemEnd = tip;
        } else if (first->stemShown == 2) {
            const double l = first->grace ? 0.625 : getStemLength(first, false, s, k) * u;
            const double top = (-s * u + (first->grace ? 0.04 : 0.06)) * size;
            stem = {first->grace ? QStringLiteral("Grace_Stem") : QStringLiteral("Stem"),
                    QStringLiteral("stem"), top, along, l};
            const double flagCross =
                first->grace ? ((-5 - s) * u + 0.625 + 0.04) * size : ((-s - base) * u + l) * size;
            flag = {flagId(first, false, slash), QStringLiteral("hook"), flagCross,
                    stem.along - (slash ? 1.35 : 0.0), 0.0};
            stemEnd = top + l * size;
        } else {
            return;
        }
    } else {
        const int s0 = getStaffStep(measure, part, chord.first());
        const int s1 = getStaffStep(measure, part, chord.last());
        const bool up = first->stemShown == 1;
        // Chord stems end on a whole step.
        const double steps = std::trunc(getFlagOffset(first, up, s0, s1));
        const double l = steps * u;
        if (up) {
            const double tip = ((-steps - s0) * u - 0.04) * size;
            stem = {QStringLiteral("Stem"), QStringLiteral("stem"), tip, along + 3.0, l};
            flag = {flagId(first, true, false), QStringLiteral("hook"), (-s0 * u - l) * size,
                    stem.along, 0.0};
            stemEnd = tip;
        } else {
            const double top = (-s1 * u + 0.04) * size;
            stem = {QStringLiteral("Stem"), QStringLiteral("stem"), top,
                    along + (seconds ? 3.0 : 0.0), l};
            flag = {flagId(first, false, false), QStringLiteral("hook"),
                    ((-s1 - base) * u + l) * size, stem.along, 0.0};
            stemEnd = top + l * size;
        }
    }

    const double width = StaffGlyphs::headWidth(first, size, seconds);
    const QString stemId = stem.glyphId;
    QGraphicsItem *stemItem = StaffGlyphs::glyph(this, part, stemId);
    scaleItemNonUniform(stemItem, part, 1.0, stem.length);
    first->stemAlignItem =
        StaffGlyphs::append(this, measure, part, voice, first, width, stem.marker, AlignOverlay, -1,
                            stemItem, stem.cross, stem.along, size);
    first->stemEnd = stemEnd;
    if (flagged) {
        StaffGlyphs::append(this, measure, part, voice, first, width, flag.marker, AlignOverlay, -1,
                            StaffGlyphs::glyph(this, part, flag.glyphId), flag.cross, flag.along,
                            size);
    }
}

void Score::addStaffStemFlagV(Measure *measure, int part, int voice, int noteIndex, bool seconds)
{
    // The chord by steps; its own first note keeps the results.
    const QList<Note *> chord = StaffGlyphs::chordByStep(this, measure, part, voice, noteIndex);
    Note *first = voiceOf(measure, part, voice)->notes.at(noteIndex);
    if (StaffGlyphs::isBeamed(first) || first->noteType < 2)
        return;
    const double size = parts.at(part)->noteFontSize;
    const double along = StaffGlyphs::alongShift(first);
    const bool flagged = first->noteType >= 8;
    const double base = getStemBaseLength(first->noteType);
    const int k = strokesOf(first);
    const QString stemV = QStringLiteral("Stem_V");
    const QString graceStemV = QStringLiteral("Grace_Stem_V");

    StemItem stem;
    StemItem flag;
    double stemEnd = 0.0;
    if (chord.size() == 1) {
        const int s = getStaffStep(measure, part, first);
        const bool slash = first->grace && first->graceSlash && first->noteType == 8;
        if (first->stemShown == 1) {
            const double l = first->grace ? 0.625 : getStemLength(first, true, s, k) * u;
            const double foot = (s * u + (first->grace ? 0.03 : 0.05)) * size;
            stem = {first->grace ? graceStemV : stemV, QStringLiteral("stem"), foot,
                    along + (first->grace ? 2.275 : 3.06), l};
            const double flagCross =
                first->grace ? ((s - 5) * u + 0.625 + 0.04) * size : ((s - base) * u + l) * size;
            flag = {flagId(first, true, slash), QStringLiteral("hook"), flagCross,
                    stem.along - (slash ? 1.3 : 0.0), 0.0};
            stemEnd = foot + l * size;
        } else if (first->stemShown == 2) {
            const double l = first->grace ? 0.625 : getStemLength(first, false, s, k) * u;
            const double tip = ((s * u - l) - (first->grace ? 0.04 : 0.06)) * size;
            stem = {first->grace ? graceStemV : stemV, QStringLiteral("stem"), tip, along, l};
            flag = {flagId(first, false, slash), QStringLiteral("hook"), (s * u - l) * size,
                    stem.along - (slash ? 1.3 : 0.0), 0.0};
            stemEnd = tip;
        } else {
            return;
        }
    } else {
        const int s0 = getStaffStep(measure, part, chord.first());
        const int s1 = getStaffStep(measure, part, chord.last());
        const bool up = first->stemShown == 1;
        const double steps = std::trunc(getFlagOffset(first, up, s0, s1));
        const double l = steps * u;
        if (up) {
            const double foot = (s0 * u + 0.04) * size;
            stem = {stemV, QStringLiteral("stem"), foot, along + 3.0, l};
            flag = {flagId(first, true, false), QStringLiteral("hook"),
                    (s0 - base) * u * size + l * size, stem.along, 0.0};
            stemEnd = foot + l * size;
        } else {
            const double tip = ((s1 - steps) * u - 0.04) * size;
            stem = {stemV, QStringLiteral("stem"), tip, along + (seconds ? 3.0 : 0.0), l};
            flag = {flagId(first, false, false), QStringLiteral("hook"),
                    (s1 * u + 0.05) * size - l * size, stem.along, 0.0};
            stemEnd = tip;
        }
    }

    const double width = StaffGlyphs::headWidth(first, size, seconds);
    QGraphicsItem *stemItem = StaffGlyphs::glyph(this, part, stem.glyphId);
    scaleItemNonUniform(stemItem, part, stem.length, 1.0);
    first->stemAlignItem =
        StaffGlyphs::append(this, measure, part, voice, first, width, stem.marker, AlignOverlay, -1,
                            stemItem, stem.cross, stem.along, size);
    first->stemEnd = stemEnd;
    if (flagged) {
        const QString id = flag.glyphId.isEmpty() ? QString() : verticalForm(this, flag.glyphId);
        StaffGlyphs::append(this, measure, part, voice, first, width, flag.marker, AlignOverlay, -1,
                            StaffGlyphs::glyph(this, part, id), flag.cross, flag.along, size);
    }
}
