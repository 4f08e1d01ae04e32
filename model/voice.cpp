#include "model/voice.h"

#include "layout/alignitem.h"
#include "model/direction.h"
#include "model/note.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

int saturated(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

} // namespace

Voice::~Voice()
{
    clear();
}

void Voice::clear()
{
    hasNotes = false;
    qDeleteAll(notes);
    notes.clear();
    qDeleteAll(directions);
    directions.clear();
    mergedDirections.clear();
    clearAlignItems();
}

void Voice::clearAlignItems()
{
    qDeleteAll(alignItems);
    alignItems.clear();
}

Note *Voice::findNextUnflaggedNote(Note *note) const
{
    const int first = notes.indexOf(note);
    if (first < 0)
        return note;
    const int count = notes.size();
    for (int j = first + 1; j < count; ++j) {
        if (j == first + 1 + chordSearchLimit)
            return note;
        if (!notes.at(j)->chord)
            return notes.at(j - 1);
    }
    return notes.last();
}

int Voice::deriveNoteData()
{
    // Chords: a note without the chord flag opens one.
    for (int start = 0; start < notes.size();) {
        int end = start + 1;
        while (end < notes.size() && notes.at(end)->chord)
            ++end;
        for (int i = start; i < end; ++i) {
            notes.at(i)->chordSize = end - start;
            notes.at(i)->chordIndex = i - start;
        }
        start = end;
    }

    // Times: a chord's notes share one onset; the running time moves on by
    // the duration of its last note. Summed wide and saturated, so that a
    // voice too long for the model still gives times the loader can refuse.
    qint64 time = 0;
    for (Note *note : std::as_const(notes)) {
        time += note->forwardOffset;
        note->startTime = saturated(time);
        if (note->chordIndex == note->chordSize - 1)
            time += note->duration;
        note->addImpliedFlags();
        note->joinedBeams = note->beamTypes;
    }
    return saturated(time);
}
