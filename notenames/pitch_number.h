// The pitch number of a MusicXML pitch: the MIDI note number minus 58, so
// C4 is 2, D4 is 4 and A4 is 11. The note-name passes compute it from a
// note's step, alter and octave.
#pragma once

#include <QString>

namespace NoteNames {

// alter + 12 x octave - 48 + the step's semitone + 2. The step is compared
// case-sensitively; any text other than "A".."G" counts as "C".
int pitchNumber(const QString &step, int alter, int octave);

} // namespace NoteNames
