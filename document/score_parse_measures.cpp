// Score's measure parser: it fills the measures that the measure builder
// made from their `measure` elements, then runs the passes that need more
// than one measure or note at a time.
#include "model/score.h"

#include "document/layoutcost.h"
#include "document/readbounds.h"
#include "document/settingsvalues.h"
#include "document/voicenumbering.h"
#include "model/direction.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/voice.h"
#include "platform/hugepageheap.h"
#include "platform/memorybudget.h"

#include <QCoreApplication>
#include <QDebug>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Segment ends and clef entries that stay open reach this far.
constexpr int openEnd = 100000;

// Direction kinds of the octave shift.
constexpr int octaveShiftDown = 19;
constexpr int octaveShiftUp = 20;
constexpr int octaveShiftStop = 21;

// Voice indices 4 * group .. 4 * group + 3 share one octave-shift line.
constexpr int voicesPerGroup = 4;
constexpr int groupCount = MePart::voiceCount / voicesPerGroup;

template <typename Visit>
void forEachUsedVoice(const MePart *cell, int first, int last, Visit visit)
{
    for (int v = first; v <= last; ++v) {
        Voice *voice = cell->voices.made(v);
        if (voice && voice->hasNotes)
            visit(voice);
    }
}

// A voice that holds exactly one whole-measure rest (a rest without type).
bool holdsWholeMeasureRest(const Voice *voice)
{
    return voice->notes.size() == 1 && voice->notes.first()->rest &&
           voice->notes.first()->noteType == 0;
}

// The note that a direction at a grace note belongs to: the next principal
// note. With none after it the direction stays where it is.
void moveOffGraceNotes(Voice *voice)
{
    const QList<Note *> &notes = voice->notes;
    for (Direction *direction : std::as_const(voice->directions)) {
        const int at = direction->noteIndex;
        if (at < 0 || at >= notes.size() || !notes.at(at)->grace)
            continue;
        for (int j = at + 1; j < notes.size(); ++j) {
            if (!notes.at(j)->grace) {
                direction->noteIndex = j;
                break;
            }
        }
    }
}

// OctaveShiftMark of the note each octave-shift direction points at.
void markOctaveShifts(Voice *voice)
{
    const QList<Note *> &notes = voice->notes;
    for (const Direction *direction : std::as_const(voice->directions)) {
        const int kind = direction->kind;
        if (kind != octaveShiftDown && kind != octaveShiftUp && kind != octaveShiftStop)
            continue;
        int target = direction->noteIndex;
        // A stop before the voice's first note ends the shift where the
        // measure starts: no note of it is shifted.
        if (kind == octaveShiftStop && target == 0 && !notes.isEmpty()) {
            notes.first()->octaveShiftStopBefore = true;
            continue;
        }
        if (kind == octaveShiftStop)
            target = target == -2 ? int(notes.size()) - 1 : target - 1;
        if (target < 0 || target >= notes.size()) {
            qDebug().noquote() << "noteNo error in parse Measure============!";
            continue;
        }
        int &mark = notes.at(target)->octaveShiftMark;
        if (kind == octaveShiftDown)
            mark = 2;
        else if (kind == octaveShiftUp)
            mark = 1;
        else
            mark = mark == 2 ? 5 : (mark == 1 ? 4 : 3);
    }
}

// Refuses a score whose layout would not fit in the memory budget, though
// its text does: very many measures, parts or notes, or measures that each
// last many whole notes.
bool layoutFits(const QDomDocument &document, const QList<Measure *> &measures,
                LayoutCost::Path path, qint64 &estimate, QString *refusal)
{
    const LayoutCost::Estimate cost = LayoutCost::of(document, measures);
    estimate = cost.bytes(path);
    const qint64 budget = MemoryBudget::bytes();
    if (estimate <= budget)
        return true;
    if (refusal)
        *refusal = LayoutCost::refusal(cost, path, budget);
    return false;
}

} // namespace

bool Score::parseMeasures(QString *refusal)
{
    QList<QList<QDomElement>> carried(parts.size());
    QList<VoiceNumbering> voices;
    for (const QDomElement &part : std::as_const(partElements))
        voices.append(VoiceNumbering(part));
    for (int i = 0; i < measures.size(); ++i) {
        if (!parseMeasure(measures.at(i), carried, voices, refusal))
            return false;
        HugePageHeap::follow();
        carryMeasureValues(i);
        if (!checkMeasureLengths(measures.at(i), refusal))
            return false;
    }
    if (!layoutFits(document, measures, memoryPath, memoryEstimate, refusal))
        return false;
    // After this: every measure knows its time, divisions, key and starting
    // clefs, and which of its voices hold only a whole-measure rest.
    joinBeamsAcrossRests();
    // After this: short notes and rests inside one beat share a beam.
    applyOctaveShifts();
    // After this: every note under an octave-shift line is shifted by 7 steps.
    applyClefs();
    // After this: every note knows the clef it is written in.
    return true;
}

bool Score::parseMeasure(Measure *measure, QList<QList<QDomElement>> &carried,
                         const QList<VoiceNumbering> &voices, QString *refusal)
{
    const int partCount = int(std::min(measure->parts.size(), measure->measureElements.size()));
    if (carried.size() < partCount)
        carried.resize(partCount);
    for (int k = 0; k < partCount; ++k) {
        MePart *cell = measure->parts.at(k);
        for (int v = 0; v < MePart::voiceCount; ++v) {
            if (Voice *voice = cell->voices.made(v))
                voice->clear();
            cell->voiceFlags[v] = false;
        }
        const VoiceNumbering partVoices = voices.value(k);
        int currentVoice = 0;
        // Wide enough for any number of forwards; the length check refuses
        // what is too long once the measure's divisions are known.
        qint64 forwardSum = 0;
        QList<QDomElement> directions;
        // Attributes after the last note of the part in the previous measure
        // belong to the part's next note.
        QList<QDomElement> attributes = std::exchange(carried[k], {});
        // False when a direction names a staff beyond the part's.
        const auto flushDirections = [&](int voiceIndex, int noteIndex) {
            for (const QDomElement &direction : std::as_const(directions)) {
                if (!parseMeasureDirection(measure, k, voiceIndex, noteIndex, direction, refusal))
                    return false;
            }
            directions.clear();
            return true;
        };

        for (QDomElement child = measure->measureElements.at(k).firstChildElement();
             !child.isNull(); child = child.nextSiblingElement()) {
            const QString tag = child.tagName();
            if (tag == QLatin1String("attributes")) {
                attributes.append(child);
            } else if (tag == QLatin1String("direction")) {
                directions.append(child);
            } else if (tag == QLatin1String("note")) {
                auto *note = new Note;
                note->element = child;
                if (!parseMeasureNote(note, child, refusal, &partVoices)) {
                    delete note;
                    return false;
                }
                const int v = note->voice - 1;
                currentVoice = v;
                Voice *voice = cell->voices.use(v);
                if (note->rest && note->noteType == 0)
                    cell->voiceFlags[v] = true;
                voice->notes.append(note);
                voice->hasNotes = true;
                note->forwardOffset = ReadBounds::saturatedInt(forwardSum);
                const int n = int(voice->notes.size()) - 1;
                if (!flushDirections(v, n))
                    return false;
                for (const QDomElement &element : std::as_const(attributes))
                    parseMeasureAttributes(k, measure, v, n, element);
                attributes.clear();
                forwardSum = 0;
            } else if (tag == QLatin1String("barline")) {
                parseMeasureBarline(measure, child);
            } else if (tag == QLatin1String("backup")) {
                if (!flushDirections(currentVoice, -2))
                    return false;
                forwardSum = 0;
            } else if (tag == QLatin1String("forward")) {
                forwardSum += parseForwardDuration(child);
                if (cell->voices.at(0)->notes.isEmpty() && k < measure->partForwardFlags.size())
                    measure->partForwardFlags[k] = true;
            } else {
                readMeasureExtension(measure, child);
            }
        }
        if (!flushDirections(currentVoice, -2))
            return false;
        carried[k] = attributes;
    }

    for (int k = 0; k < partCount; ++k) {
        MePart *cell = measure->parts.at(k);
        for (int v = 0; v < MePart::voiceCount; ++v) {
            Voice *voice = cell->voices.made(v);
            if (!voice || !voice->hasNotes)
                continue;
            moveOffGraceNotes(voice);
            const int length = voice->deriveNoteData();
            if (v == 0)
                measure->voiceOneLength = length;
            for (const Note *note : std::as_const(voice->notes))
                cell->flagStaffVoice(note->staff, note->voice - 1);
            markOctaveShifts(voice);
        }
    }
    return true;
}

void Score::readMeasureExtension(Measure *measure, const QDomElement &element)
{
    static const QStringList breaks = {"tarn-linebreak",        "tarn-pagebreak",
                                       "tarn-whitepagebreak",   "tarn-linebreak-nonfit",
                                       "tarn-pagebreak-nonfit", "tarn-whitepagebreak-nonfit"};
    const QString tag = element.tagName();
    if (tag == QLatin1String("tarn-userscale")) {
        // A scale that is not finite would break the layout; it reads as none.
        measure->userScale = SettingsValues::readNumber(element.text().trimmed(), 1.0);
        return;
    }
    const int breakIndex = int(breaks.indexOf(tag));
    if (breakIndex >= 0)
        measure->userBreakType = breakIndex + 1;
}

void Score::carryMeasureValues(int measureIndex)
{
    Measure *measure = measures.at(measureIndex);
    const Measure *previous = measureIndex > 0 ? measures.at(measureIndex - 1) : nullptr;
    if (previous && !measure->timeGiven) {
        measure->beats = previous->beats;
        measure->beatType = previous->beatType;
    }
    if (previous && !measure->divisionsGiven)
        measure->divisions = previous->divisions;

    for (int k = 0; k < measure->parts.size(); ++k) {
        MePart *cell = measure->parts.at(k);
        bool restOnly = true;
        for (int v = 0; v < MePart::voiceCount; ++v) {
            const Voice *voice = cell->voices.at(v);
            if (holdsWholeMeasureRest(voice))
                cell->voiceFlags[v] = true;
            else if (!voice->notes.isEmpty())
                restOnly = false;
        }
        cell->restOnly = restOnly;
        if (!previous || k >= previous->parts.size())
            continue;
        const MePart *before = previous->parts.at(k);
        for (int s = 0; s < MePart::maxStaves; ++s) {
            if (!cell->clefGiven[s])
                cell->clefSigns[s] = before->clefSigns[s];
        }
    }
    if (previous && !measure->keyGiven)
        measure->fifths = previous->fifths;
}

void Score::joinBeamLevel(Note *previous, Note *current, int level)
{
    int &p = previous->joinedBeams[level];
    int &c = current->joinedBeams[level];
    if (p == 6 && c == 1) {
        c = 2;
        p = 1;
    } else if (p == 3 && c == 6) {
        p = 2;
        c = 3;
    } else if (p == 3 && c == 1) {
        p = 2;
        c = 2;
    } else if ((p == 4 || p == 5) && c == 6) {
        p = 1;
        c = 3;
    }
}

void Score::joinBeamsAcrossRests()
{
    for (Measure *measure : std::as_const(measures)) {
        int beat = 0;
        if (measure->beatType == 4)
            beat = measure->divisions;
        else if (measure->beatType == 8 && measure->beats % 3 == 0)
            beat = 3 * (measure->divisions / 2);
        // No divisions yet, or an eighth of a single division: no beat to
        // join within.
        if (beat <= 0)
            continue;
        for (MePart *cell : std::as_const(measure->parts)) {
            forEachUsedVoice(cell, 0, MePart::voiceCount - 1, [beat](Voice *voice) {
                const QList<Note *> &notes = voice->notes;
                Note *previous = nullptr;
                for (int i = 0; i < notes.size(); i += std::max(1, notes.at(i)->chordSize)) {
                    Note *current = notes.at(i);
                    if (previous && current->noteType >= 8 && !current->grace &&
                        current->startTime % beat != 0 &&
                        previous->startTime / beat >= current->startTime / beat &&
                        (previous->rest || current->rest)) {
                        for (int level = 0; level < Note::beamLevelsOfType(current->noteType);
                             ++level)
                            joinBeamLevel(previous, current, level);
                    }
                    previous = current;
                }
            });
        }
    }
}

void Score::applyOctaveShifts()
{
    struct Segment
    {
        int kind = 0; // 1 up, 2 down, 0 a stop without a start
        int start = 0;
        int end = openEnd;
    };
    for (int k = 0; k < parts.size(); ++k) {
        for (int group = 0; group < groupCount; ++group) {
            const int first = group * voicesPerGroup;
            const int last = first + voicesPerGroup - 1;
            bool carrying = false;
            int carriedKind = 0;
            for (Measure *measure : std::as_const(measures)) {
                if (k >= measure->parts.size())
                    continue;
                const MePart *cell = measure->parts.at(k);
                std::array<Segment, 5> segments{};
                int count = 0;
                if (carrying)
                    segments[0] = {carriedKind, 0, openEnd};
                forEachUsedVoice(cell, first, last, [&](Voice *voice) {
                    for (const Note *note : std::as_const(voice->notes)) {
                        if (note->octaveShiftStopBefore) {
                            // Closes the open segment (the carried one when
                            // none began here) at the note's start.
                            segments[std::max(count - 1, 0)].end = note->startTime;
                            count = std::max(count, 1);
                        }
                        const int mark = note->octaveShiftMark;
                        if (mark == 0)
                            continue;
                        if (mark != 3 && count >= int(segments.size())) {
                            qDebug().noquote()
                                << "parseMeasures octaveshift segment overflow. seg = " +
                                       QString::number(count);
                            return;
                        }
                        const int end = note->startTime + note->duration;
                        if (mark == 1 || mark == 2)
                            segments[count++] = {mark, note->startTime, openEnd};
                        else if (mark == 4 || mark == 5)
                            segments[count++] = {mark - 3, note->startTime, end};
                        else if (count > 0)
                            segments[count - 1].end = end;
                        else {
                            // A stop with no start here closes the carried
                            // segment (or one of no kind).
                            segments[0].end = end;
                            count = 1;
                        }
                        if (count > 4) {
                            qDebug().noquote()
                                << "parseMeasures octaveshift segment overflow. seg = " +
                                       QString::number(count);
                            return;
                        }
                    }
                });
                const bool carriedIn = carrying;
                const int carriedInKind = carriedKind;
                if (count > 0) {
                    carrying = segments[count - 1].end == openEnd;
                    carriedKind = segments[count - 1].kind;
                }
                forEachUsedVoice(cell, first, last, [&](Voice *voice) {
                    for (Note *note : std::as_const(voice->notes)) {
                        int kind = 0;
                        if (count == 0 && carriedIn)
                            kind = carriedInKind;
                        for (int s = 0; s < count; ++s) {
                            const Segment &segment = segments[s];
                            if ((segment.kind == 1 || segment.kind == 2) &&
                                segment.start <= note->startTime && note->startTime < segment.end) {
                                kind = segment.kind;
                                break;
                            }
                        }
                        note->octaveShiftSteps = kind == 1 ? 7 : (kind == 2 ? -7 : 0);
                    }
                });
            }
        }
    }
}

void Score::applyClefs()
{
    struct ClefEntry
    {
        QString clef;
        int time = 0;
    };
    for (int k = 0; k < parts.size(); ++k) {
        std::array<QString, MePart::maxStaves> current;
        for (Measure *measure : std::as_const(measures)) {
            if (k >= measure->parts.size())
                continue;
            MePart *cell = measure->parts.at(k);
            std::array<QList<ClefEntry>, MePart::maxStaves> entries;
            for (int s = 0; s < MePart::maxStaves; ++s) {
                if (cell->clefGiven[s])
                    current[s] = cell->clefSigns[s];
                entries[s].append({current[s], 0});
            }
            forEachUsedVoice(cell, 0, MePart::voiceCount - 1, [&](Voice *voice) {
                for (const Note *note : std::as_const(voice->notes)) {
                    if (note->clefChange)
                        entries[note->staff].append({note->clef, note->startTime});
                }
            });
            // Changes come voice by voice; in time order the entry in force
            // at a note is the last one at or before it.
            for (QList<ClefEntry> &list : entries) {
                std::stable_sort(
                    list.begin(), list.end(),
                    [](const ClefEntry &a, const ClefEntry &b) { return a.time < b.time; });
            }
            forEachUsedVoice(cell, 0, MePart::voiceCount - 1, [&](Voice *voice) {
                for (Note *note : std::as_const(voice->notes)) {
                    const QList<ClefEntry> &list = entries[note->staff];
                    for (int i = 0; i < list.size(); ++i) {
                        const bool last = i + 1 == list.size();
                        if (list.at(i).time <= note->startTime &&
                            (last || note->startTime < list.at(i + 1).time)) {
                            note->clef = list.at(i).clef;
                            break;
                        }
                    }
                }
            });
            for (int s = 0; s < MePart::maxStaves; ++s)
                current[s] = entries[s].last().clef;
        }
    }
}
