// Score's ledger lines of staff-notation notes and chords beyond the five
// staff lines: below and above the staff, in horizontal and vertical
// writing.
#include "glyphs/staff_glyph_support.h"
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"

#include "model/glyphitem.h"

namespace {

// A long line reaches under both head columns of a chord with seconds.
QString ledgerId(const Note *note, bool longLine)
{
    const bool whole = note->noteType < 2;
    if (longLine)
        return whole ? QStringLiteral("AddedLineLongWhole") : QStringLiteral("AddedLineLong");
    if (note->grace)
        return QStringLiteral("AddedLineGrace");
    return whole ? QStringLiteral("AddedLineShortWhole") : QStringLiteral("AddedLineShort");
}

} // namespace

void Score::addLedgerLinesH1(Measure *measure, Note *note, int part, int voice, int step,
                             int extreme, bool shifted, bool seconds, double stepLength)
{
    addLedgerLines(measure, note, part, voice, step, extreme, shifted, seconds, stepLength, false,
                   true);
}

void Score::addLedgerLinesH2(Measure *measure, Note *note, int part, int voice, int step,
                             int extreme, bool shifted, bool seconds, double stepLength)
{
    addLedgerLines(measure, note, part, voice, step, extreme, shifted, seconds, stepLength, true,
                   true);
}

void Score::addLedgerLinesV1(Measure *measure, Note *note, int part, int voice, int step,
                             int extreme, bool shifted, bool seconds, double stepLength)
{
    addLedgerLines(measure, note, part, voice, step, extreme, shifted, seconds, stepLength, false,
                   false);
}

void Score::addLedgerLinesV2(Measure *measure, Note *note, int part, int voice, int step,
                             int extreme, bool shifted, bool seconds, double stepLength)
{
    addLedgerLines(measure, note, part, voice, step, extreme, shifted, seconds, stepLength, true,
                   false);
}

void Score::addLedgerLines(Measure *measure, Note *note, int part, int voice, int step, int extreme,
                           bool shifted, bool seconds, double stepLength, bool above,
                           bool horizontal)
{
    Q_UNUSED(stepLength)
    if (above ? step <= 5 : step >= -5)
        return;
    const double size = parts.at(part)->noteFontSize;
    const double width = (seconds ? (above ? 0.84 : 0.78) : 0.58) * size;
    const double along = StaffGlyphs::alongShift(note);
    // Lines on the even steps between the staff and the note: above from
    // the note down to the staff, below from the staff down to the note.
    const int top = step % 2 != 0 ? step - 1 : step;
    const int from = above ? top : -6;
    const int to = above ? 6 : step;
    for (int n = from; n >= to; n -= 2) {
        // Short lines serve one column: those beyond the displaced heads.
        const bool shortLine = above ? n > extreme + 1 : n < extreme - 1;
        const double shift = above && shortLine && shifted ? 2.4 : -0.65;
        QString id = ledgerId(note, !shortLine);
        if (!horizontal)
            id += QStringLiteral("_V");
        GlyphItem *item = createSvgItem(part, false, id, false, horizontal, 1.0, 1.0);
        StaffGlyphs::tagPart(this, item, measure, part, voice, note);
        const double cross = getStaffStepOffset(part, n) - 0.01 * size;
        const double offsetAlong = along + shift;
        appendNoteAlignItem(measure, part, voice, note->staff, width, id, width, size, AlignOverlay,
                            note->startTime, item, cross, horizontal ? offsetAlong : cross,
                            horizontal ? cross : offsetAlong);
    }
}
