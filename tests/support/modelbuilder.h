// Test-only builder of a score model in memory, without the reader: parts
// with their default settings, measures with one cell per part, notes
// written in a compact text form, and directions. After each batch of
// notes the voice is completed as the measure parser completes it (chord
// sizes, start times, implied flags, staff-voice flags).
//
// Note tokens, separated by spaces (the model dump writes the same form):
//   [+][g]<pitch>/<type>[.]...[=<duration>][~<tie>][@<staff>]
//   +        a chord member (sounds with the previous note)
//   g        a grace note
//   pitch    "r" for a rest, else step, accidental (#, ##, b, bb) and octave
//   type     the NoteType denominator; 0 for a whole-measure rest
//   .        one dot each
//   =n       duration in divisions (default: from the type, the dots and
//            the measure's divisions; a whole-measure rest lasts the measure;
//            grace notes last 0)
//   ~n       tie code (1 start, 2 stop, 3 stop and start)
//   @n       staff index (0-based)
// Examples: "C4/4 +E4/4 +G4/4 r/8 F#5/8.=3~1 r/0".
//
// Ownership: the Score owns everything the builder adds.
#pragma once

#include <QList>
#include <QString>

class Direction;
class Measure;
class Note;
class Part;
class Score;

namespace TestSupport {

class ModelBuilder
{
public:
    explicit ModelBuilder(Score *score);

    // A part with the score's default part settings; every measure already
    // built gets a cell for it.
    Part *addPart(const QString &name, int notationStyle = 3);

    // A measure with one cell of 32 voices per part, numbered after the
    // last one.
    Measure *addMeasure(int beats = 4, int beatType = 4, int divisions = 4);

    // Appends notes to voice `voiceNumber` (1..32) of `part` in the last
    // measure and completes the voice. Returns the new notes.
    QList<Note *> addNotes(int part, int voiceNumber, const QString &tokens);

    // A direction at note `noteIndex` of that voice in the last measure
    // (-2: the end of the measure).
    Direction *addDirection(int part, int voiceNumber, int noteIndex, int kind,
                            const QString &text);

private:
    Note *parseToken(const QString &token, const Measure *measure) const;

    Score *m_score;
};

// A compact text of the model: per part its settings, per measure its time,
// key, barlines, ending, break and scale, per voice its notes (in the token
// form above) and directions. Two models with the same dump hold the same
// music and settings.
QString dumpModel(const Score *score);

} // namespace TestSupport
