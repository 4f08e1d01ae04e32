// Note names that a player typed as lyrics, read back as what they ask of
// their note: the shakuhachi syllable table, and the rewriting of koto and
// sangen syllables into the names their scales list. Pure functions of
// their arguments; looking a name up in a note's scale is the Score's
// (notenames/score_lyric_pitches.cpp).
//
// Results are pitch numbers (MIDI note number minus 58, C4 is 2).
#pragma once

#include <QString>

namespace NoteNames {

// The result that means "no pitch": the note is left as it is.
constexpr int noLyricPitch = 1000;

// The pitch numbers a MusicXML pitch can spell: C0 to B9.
constexpr int lowestSpelledPitch = -46;
constexpr int highestSpelledPitch = 73;

// What one syllable asks of one note.
struct LyricPitch
{
    int pitch = noLyricPitch;
    // The name the note takes with its new pitch.
    QString name;
    // A name given before the pitch changes, judged against the old pitch;
    // empty when the syllable asks for none.
    QString firstName;
    // A sangen technique directive (".sangen_SuriAge", ...) the note takes;
    // empty when none.
    QString technique;
    // The pitch is still to be found: the scale entry that lists `name`.
    bool lookUp = false;
};

// Shakuhachi, styles 0 to 3: the fixed table. `last` is the previous result
// in the voice (noLyricPitch at its start, which counts as high). A token
// the table lacks gives noLyricPitch.
LyricPitch shakuhachiLyricPitch(int style, const QString &token, int last, bool kinkoDefaultU);

// Koto, styles 5 and 6: "s", "o+", "o++", "o+++" count from `last`, "h"
// goes back to `before`; any other token is a string name to look up.
LyricPitch kotoLyricPitch(const QString &token, int before, int last);

// Sangen, style 7: "u", "uu", "d", "dd", "h" and "s" count from `last`;
// any other token is a string and position to look up, with the technique
// its first letter may ask for.
LyricPitch sangenLyricPitch(const QString &token, int last);

// The MusicXML spelling of a pitch number, black keys as flats. False (and
// step "", alter and octave 0) outside lowestSpelledPitch..highestSpelledPitch.
bool spellPitch(int pitch, QString *step, int *alter, int *octave);

} // namespace NoteNames
