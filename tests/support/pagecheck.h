// A check of the generated pages as a reader sees them: it collects, from
// the score's scene, the boxes of the note glyphs (with the stems, flags,
// beams, ledger lines and accidentals of staff notes), lyrics, credits, part
// names, direction items, octave marks and frame lines, and reports what a
// reader would stumble over:
//   (a) an item outside every sheet, or reaching past its sheet's edge;
//   (b) a lyric or other text over a note glyph or a part of one, over
//       another text, or over a frame line (stage, bar or header lines);
//   (c) a lyric nearer to a note glyph of another row (another stage or
//       part) than to a glyph of its own note;
//   (d) a note of the model that should be drawn but has no visible glyph
//       on a sheet;
//   (e) a note glyph over a glyph of a neighbouring note of its voice (a
//       later or earlier note, not one of its chord);
//   (f) a note glyph or a part of a staff note (stem, beam, ledger line,
//       accidental) over a line along a stage (its frame or the stage
//       lines between rows), where notes of one row run into the next;
//   (g) a text whose characters include one that no font draws (it would
//       show as a missing-glyph box);
//   (h) a text crossed by a line drawn along the notes: a dynamic or other
//       direction by a hairpin, any text by a lyric hyphen or a time tick
//       (the beat and half-beat lines of a koto or sangen row);
//   (i) a hairpin, a hyphen or a time tick over a note glyph or a part of
//       one.
// A metronome mark counts the marks at the notes (accents, staccato
// dots) as note ink for (b).
// A measure number (told by its tag) counts as a text for (a), (b) and
// (h), bar lines included and with no allowance: it stands clear of every
// frame, stage and bar line, of the notes and of the other texts, inside
// the printer's margin.
//
// Units: the findings' rectangles are scene units (mm x Page::scaleFactor).
// Tolerances, in millimetres:
//   - sheet edges: every printed item, the measure numbers, footer and page
//     number among them, keeps the printer's margin of 5 mm from every
//     edge, less 0.5 mm (antialiasing, pen);
//   - overlaps: two boxes collide only when they overlap by more than
//     0.4 mm in both directions: text boxes hold the font's full ascent and
//     descent, glyph boxes the glyph's advance, so edges that merely touch
//     are not ink over ink; a beam counts by its outline, not its box,
//     which a slanting beam fills only along its band;
//   - nearness: a lyric counts as nearer another row only by more than
//     0.5 mm.
// Two direction texts (words, metronome marks) overlap for (b) when they
// stand less than 0.5 mm apart along the line: texts end to end read as
// one.
// Allowed by design, never reported: words, dynamics or a rehearsal mark
// across a plain bar line: such texts may run over the bar lines of the
// measures they govern, as they do in engraved music. A repeat sign (its
// bar lines and dots), the lines along a stage (its frame) and, for a
// metronome mark, every bar line are out of bounds for them. No
// overlap of syllables is allowed, not even in a measure narrowed below
// what they need: there they are drawn smaller or stacked instead.
//
// The check reads the scene and the model; it changes neither.
#pragma once

#include <QList>
#include <QRectF>
#include <QString>

class Score;

namespace TestSupport {

struct PageFinding
{
    enum Kind
    {
        OutsideSheet,        // (a)
        TextOverNote,        // (b)
        TextOverText,        // (b)
        TextOverFrame,       // (b)
        LyricNearerOtherRow, // (c)
        NoteMissing,         // (d)
        NoteOverNote,        // (e)
        NoteOverFrame,       // (f)
        MissingGlyph,        // (g)
        TextOverLine,        // (h)
        LineOverNote,        // (i)
    };
    // What an item shows; the subject of a finding is the text (or the
    // item outside the sheet), the object what it collides with.
    enum Category
    {
        NoteGlyph,
        Lyric,
        Credit,
        PartName,
        Direction,
        OctaveMark,
        FrameLine,
        NotePart,  // a staff note's stem, flag, beam, ledger line or accidental; a rhythm dot
        SheetText, // the footer or the page number
        Hairpin,
        Hyphen,
        TimeTick,
        MeasureNumber, // the number at the start of a line
        NoteMark,      // an accent or other glyph marked at a note
        None,
    };

    Kind kind = OutsideSheet;
    Category subject = None;
    Category object = None;
    int page = -1;     // sheet index, -1 when on no sheet
    QString subjectId; // e.g. "lyric m3 p0 v0 n1 #0 'sa'"
    QString objectId;
    QRectF subjectRect; // scene units
    QRectF objectRect;

    QString toString() const;
};

struct PageReport
{
    QList<PageFinding> findings; // empty: a clean picture
    int notesExpected = 0;       // notes of the model that should show
    int notesDrawn = 0;          // of those, the ones with a glyph on a sheet
    int measureNumbers = 0;      // measure numbers on the sheets
};

// The findings over every page of the score's scene as it stands (generate
// it first).
PageReport checkPages(const Score &score);

// Only the findings of kind (g), for a quick look over many scores.
QList<PageFinding> missingGlyphs(const Score &score);

// Readable lines, one per finding, for a failing test's message; at most
// `limit` of them, followed by a count of the rest.
QString describeFindings(const QList<PageFinding> &findings, int limit = 20);

QString kindName(PageFinding::Kind kind);
QString categoryName(PageFinding::Category category);

} // namespace TestSupport
