// Small steps that every staff-notation glyph builder repeats: the glyph
// item of an id (blank when the font has no such glyph), the note's shift
// along the reading direction, the advance of a head, and recording an
// aligned item from a value along and a value across the staff.
//
// Lengths are millimetres; "across" values are measured from the middle
// line of the note's staff (Score::getStaffStepOffset signs them), "along"
// values are the reference offsets that the voice placement multiplies by
// the glyph's own scale. Nothing here owns anything.
#pragma once

#include <QList>
#include <QString>

class Measure;
class Note;
class StaffClef;
class QGraphicsItem;
class Score;

namespace StaffGlyphs {

// Beam codes of a note's first beam level that mean "no beam".
bool isBeamed(const Note *note);

// The sum of the note's two shifts along the reading direction.
double alongShift(const Note *note);

// The notes of the chord that starts at `first` (a single note is a chord
// of one), from the lowest staff step up; notes on one step keep their
// order. Files do not always list a chord's notes from the bottom.
QList<Note *> chordByStep(Score *score, Measure *measure, int part, int voice, int first);

// Advance of a head, a rest and the stem items, in millimetres.
double headWidth(const Note *note, double size, bool seconds);

// A glyph item of the part's note font (or the common glyphs), scaled by
// note size x glyph scale. An empty id, or one the font lacks, gives an
// item that draws nothing: such an item keeps its aligned item (indices and
// spacing stay) without painting the whole font or a stray glyph.
QGraphicsItem *glyph(Score *score, int part, const QString &glyphId, bool common = false);

// Tags `item` as a part of `note`'s ink (a stem, flag, beam, ledger line or
// accidental): not selectable, found by whatever keeps clear of the note.
void tagPart(Score *score, QGraphicsItem *item, const Measure *measure, int part, int voice,
             const Note *note);

// Appends an aligned item of `note`'s staff whose cross position is
// `cross` and whose reference offset is (along, cross) in horizontal
// writing, (cross, along) in vertical writing. Extent along = width,
// extent across = `across`. Returns the new item's index.
int append(Score *score, Measure *measure, int part, int voice, const Note *note, double width,
           const QString &glyphId, int kind, int time, QGraphicsItem *item, double cross,
           double along, double across);

// The note-font glyph of a clef and where its box lies: `top` staff steps
// above the clef's reference line to the box's top edge (horizontal
// writing), `left` staff steps below it to the left edge of the "_V" form
// (vertical writing). An empty id for a clef the font has no glyph for.
struct ClefGlyph
{
    QString id;
    double top = 0.0;
    double left = 0.0;
};
ClefGlyph clefGlyph(const StaffClef &clef);

} // namespace StaffGlyphs
