// Score's sides of a staff-notation voice: the stem direction drawn for
// notes whose file gives no `stem` element, and how far the rests of a
// voice that shares its staff move to its side.
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/score.h"
#include "model/voice.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

constexpr int sideStemUp = 1;
constexpr int sideStemDown = 2;

// Another voice of the part holds a note on `staff` in this measure.
bool sharesStaff(const MePart *mePart, int voice, int staff, bool *firstOnStaff)
{
    bool shared = false;
    *firstOnStaff = true;
    for (int other = 0; other < mePart->voices.size(); ++other) {
        if (other == voice)
            continue;
        for (const Note *note : std::as_const(mePart->voices.at(other)->notes)) {
            if (note->rest || note->staff != staff)
                continue;
            shared = true;
            if (other < voice)
                *firstOnStaff = false;
            break;
        }
    }
    return shared;
}

// The chord that starts at `first`: its size within the voice.
int chordLength(const QList<Note *> &notes, int first)
{
    int end = first + 1;
    while (end < notes.size() && notes.at(end)->chord)
        ++end;
    return end - first;
}

// Staff steps a rest glyph covers at its own place, lowest and highest
// (the middle line is step 0).
std::pair<int, int> restSteps(int noteType)
{
    switch (noteType) {
    case 0:
    case 1:
        return {1, 2};
    case 2:
        return {0, 1};
    case 4:
        return {-3, 3};
    case 8:
        return {-2, 2};
    case 16:
        return {-4, 2};
    case 32:
        return {-4, 4};
    default:
        return {-6, 6};
    }
}

// Rounds toward the voice's side to a whole staff space (two steps), so a
// moved rest keeps its place between the lines.
int awayToEven(int steps, bool up)
{
    if (steps % 2 == 0)
        return steps;
    return up ? steps + 1 : steps - 1;
}

} // namespace

int Score::restStepShift(Measure *measure, int part, int voice, const Note *rest)
{
    const MePart *mePart = measure->parts.at(part);
    bool firstOnStaff = true;
    if (!sharesStaff(mePart, voice, rest->staff, &firstOnStaff))
        return 0;
    const bool up = firstOnStaff;
    // The heads of the other voices that sound while the rest lasts.
    const int from = rest->startTime;
    const int to = rest->startTime + std::max(rest->duration, 1);
    int lowest = 1000;
    int highest = -1000;
    for (int other = 0; other < mePart->voices.size(); ++other) {
        if (other == voice)
            continue;
        for (Note *note : std::as_const(mePart->voices.at(other)->notes)) {
            if (note->rest || note->staff != rest->staff)
                continue;
            const int end = note->startTime + std::max(note->duration, 1);
            if (end <= from || note->startTime >= to)
                continue;
            const int step = getStaffStep(measure, part, note);
            lowest = std::min(lowest, step);
            highest = std::max(highest, step);
        }
    }
    const auto [low, high] = restSteps(rest->noteType);
    // A head reaches a step to each side of its own; one step more keeps
    // the ink apart.
    if (up) {
        const int clear = lowest <= highest ? highest + 2 - low : 0;
        return awayToEven(std::max(2, clear), true);
    }
    const int clear = lowest <= highest ? lowest - 2 - high : 0;
    return awayToEven(std::min(-2, clear), false);
}

int Score::stemFromSteps(int lowest, int highest)
{
    // The head farthest from the middle line decides; from the middle
    // line up the stem goes down.
    return std::abs(highest) >= std::abs(lowest) ? (highest >= 0 ? sideStemDown : sideStemUp)
                                                 : (lowest >= 0 ? sideStemDown : sideStemUp);
}

void Score::setStaffStemDirections(Measure *measure, int part, int voice)
{
    const MePart *mePart = measure->parts.at(part);
    const QList<Note *> &notes = mePart->voices.at(voice)->notes;

    // Each chord's own direction: the file's, else the voice's side of a
    // shared staff, else its far head; grace notes point up.
    struct Chord
    {
        int first;
        int length;
        int lowest;
        int highest;
    };
    QList<Chord> chords;
    for (int i = 0; i < notes.size();) {
        const int length = chordLength(notes, i);
        Chord chord{i, length, 1000, -1000};
        int fileStem = 0;
        for (int k = i; k < i + length; ++k) {
            const int step = getStaffStep(measure, part, notes.at(k));
            chord.lowest = std::min(chord.lowest, step);
            chord.highest = std::max(chord.highest, step);
            if (notes.at(k)->stem == sideStemUp || notes.at(k)->stem == sideStemDown)
                fileStem = notes.at(k)->stem;
        }
        const Note *head = notes.at(i);
        int shown = 0;
        bool firstOnStaff = true;
        if (fileStem != 0)
            shown = fileStem;
        else if (head->rest || (head->noteType < 2 && !head->grace))
            shown = 0;
        else if (sharesStaff(mePart, voice, head->staff, &firstOnStaff))
            shown = firstOnStaff ? sideStemUp : sideStemDown;
        else if (head->grace)
            shown = sideStemUp;
        else
            shown = stemFromSteps(chord.lowest, chord.highest);
        for (int k = i; k < i + length; ++k)
            notes.at(k)->stemShown = shown;
        chords.append(chord);
        i += length;
    }

    // A beamed group without directions from the file takes the one of its
    // head farthest from the middle line, so its stems meet one beam.
    bool shared = false;
    if (!notes.isEmpty()) {
        bool firstOnStaff = true;
        shared = sharesStaff(mePart, voice, notes.first()->staff, &firstOnStaff);
    }
    int groupStart = -1;
    for (int c = 0; c < chords.size(); ++c) {
        const Note *head = notes.at(chords.at(c).first);
        const int code = head->rest ? 0 : head->beamTypes[0];
        if (code == 1)
            groupStart = c;
        if (code != 3 || groupStart < 0)
            continue;
        int lowest = 1000;
        int highest = -1000;
        bool fromFile = false;
        for (int g = groupStart; g <= c; ++g) {
            const Chord &chord = chords.at(g);
            if (notes.at(chord.first)->rest)
                continue;
            lowest = std::min(lowest, chord.lowest);
            highest = std::max(highest, chord.highest);
            for (int k = chord.first; k < chord.first + chord.length; ++k)
                fromFile = fromFile || notes.at(k)->stem != 0;
        }
        if (!fromFile && !shared && lowest <= highest && !head->grace) {
            const int shown = stemFromSteps(lowest, highest);
            for (int g = groupStart; g <= c; ++g) {
                const Chord &chord = chords.at(g);
                for (int k = chord.first; k < chord.first + chord.length; ++k) {
                    if (!notes.at(k)->rest)
                        notes.at(k)->stemShown = shown;
                }
            }
        }
        groupStart = -1;
    }
}
