// Score's extent of the lyrics under a beam group: how far across the
// reading direction the lyric lines of the group's notes reach.
#include "layout/layouter.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"

#include <algorithm>

namespace {

// Styles whose beams are drawn from the record joined across rests.
bool drawsJoinedBeams(int notationStyle, bool staffCounts)
{
    switch (notationStyle) {
    case 0:
    case 4:
    case 6:
    case 10:
    case 11:
    case 13:
        return true;
    case 12:
        return staffCounts;
    default:
        return false;
    }
}

int beamCode(const Note *note, bool joined)
{
    return joined ? note->joinedBeams[0] : note->beamTypes[0];
}

} // namespace

double Score::getBeamLyricExtent(Measure *measure, int part, int voice, int noteIndex) const
{
    const Voice *v = measure->parts.at(part)->voices.at(voice);
    const Note *note = v->notes.value(noteIndex);
    if (!note || !measure->layouter)
        return 0.0;
    const int style = parts.at(part)->notationStyle;
    auto lyricPos = [&](const Note *n) {
        const int lines = std::max(1, n->chordSize);
        const int line = page->horizontal ? 0 : lines - 1;
        return measure->layouter->chordNotePos(part, voice, lines, line, true);
    };

    const int c = beamCode(note, drawsJoinedBeams(style, true));
    if (c >= 4 && c <= 6)
        return lyricPos(note);
    if (c != 1)
        return 0.0;
    double extent = lyricPos(note);
    // Following notes read their beams by the same rule, except that staff
    // notation takes the beams as written.
    const bool joined = drawsJoinedBeams(style, false);
    for (int i = noteIndex + 1; i < v->notes.size(); ++i) {
        const Note *next = v->notes.at(i);
        const int code = beamCode(next, joined);
        if (code != 2 && code != 3)
            continue;
        extent = std::max(extent, lyricPos(next));
        if (code == 3)
            break;
    }
    return extent;
}
