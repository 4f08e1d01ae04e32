// Small steps that every notation worker of the traditional notations
// repeats: where a voice's glyphs stand across the reading direction, the
// vertical form of a glyph id, the note's item indices and its item tag.
//
// Positions are millimetres across the reading direction, relative to the
// part's centre line (the Layouter's answers). Every function takes its
// indices as valid; none of them owns anything.
#pragma once

#include <QString>

class Measure;
class Note;
class QGraphicsItem;
class Score;
class Voice;

namespace GlyphWorkers {

Voice *voiceOf(const Measure *measure, int part, int voice);

// The note after the chord that starts at `noteIndex`, or null.
Note *noteAfterChord(const Measure *measure, int part, int voice, int noteIndex);

// The id with "_V" appended in vertical writing.
QString verticalForm(const Score *score, const QString &glyphId);

// Line `line` of `lines` note lines of the voice; the voice's note line
// is line 0 of 1.
double noteLine(const Measure *measure, int part, int voice, int lines = 1, int line = 0);
// ShamisenBunka: the position of string line 1, 2 or 3 (the lanes of the
// part's first voice, from the first).
double stringLine(const Measure *measure, int part, int string);
// How much glyphs of `lines` lines shrink across the reading direction.
double squeezeRatio(const Measure *measure, int part, int voice, int lines);
// Lines the voice's widest chord takes in this measure, at least 1.
int voiceLines(const Measure *measure, int part, int voice);

// 1, 2 or 3 for a name that begins with "1-", "2-" or "3-", else 0.
int stringNumber(const QString &noteName);

// The note's main-glyph and last-item indices both name the voice's last
// aligned item.
void markMainItem(Note *note, const Measure *measure, int part, int voice);
// The last-item index alone: bars, dots, spacers and other items that
// follow the note glyph run the note on, but its main glyph stays.
void markLastItem(Note *note, const Measure *measure, int part, int voice);
// After a worker appended the items from `firstNew` on (a rest and its
// dots or duration parts): the main glyph is the first of them, the last
// item the last. Without new items both name the voice's last item.
void markItemsFrom(Note *note, const Measure *measure, int part, int voice, int firstNew);

// The error line a worker writes for a tremolo start without its stop.
extern const char *const tremoloUnstopped;

// True for the note that continues a tie (stop, or stop and start).
bool isTieContinuation(const Note *note);
// Ends the note's display name with its octave mark and tie-stop suffixes.
void appendOctaveAndTie(Note *note);

// Makes the item selectable and tags it as the glyph of note `noteIndex`.
void tagNoteGlyph(Score *score, QGraphicsItem *item, const Measure *measure, int part, int voice,
                  int noteIndex);

} // namespace GlyphWorkers
