#include "document/partsettingrows.h"

#include "model/notefonts.h"

namespace PartSettingRows {

const QList<Row> &rows()
{
    static const QList<Row> table = {
        {"part-name", &Part::partName},
        {"part-abbreviation", &Part::partAbbreviation},
        {"part-output", &Part::partOutput},
        {"part-whole-rest-line", &Part::partWholeRestLine},
        {"note-output", &Part::noteOutput},
        {"notation-style", NotationStyleName{}},
        {"instrument-key", &Part::instrumentKey},
        {"note-font-name", &Part::noteFontName},
        {"note-font-size", Number{&Part::noteFontSize, 3}},
        {"part-width-scale", Number{&Part::partWidthScale, 3}},
        {"part-shift", Number{&Part::partShift, 3}},
        {"boundary-left-bottom", &Part::boundaryLeftBottom},
        {"boundary-right-top", &Part::boundaryRightTop},
        {"time-ticks", &Part::timeTicks},
        {"time-ticks-16th", &Part::timeTicks16th},
        {"lyrics-font", &Part::lyricsFont},
        {"lyrics-output", &Part::lyricsOutput},
        {"whole-rest-output", &Part::wholeRestOutput},
        {"slur-output", &Part::slurOutput},
        {"staff-note-output", &Part::staffNoteOutput},
        {"staff-note-tie-stop-output", &Part::staffNoteTieStopOutput},
        {"staff-note-beams", &Part::staffNoteBeams},
        {"staff-note-inverse-order", &Part::staffNoteInverseOrder},
        {"staff-note-octave-inst", &Part::staffNoteOctaveInst},
        {"staff-note-breath-mark", &Part::staffNoteBreathMark},
        {"staff-note-tremolo-line", &Part::staffNoteTremoloLine},
        {"staff-note-extension-bar-dot", &Part::staffNoteExtensionBarDot},
        {"staff-note-rest-note", &Part::staffNoteRestNote},
        {"staff-note-lyric-start", &Part::staffNoteLyricStart},
        {"align-in-time", &Part::alignInTime},
        {"note-interval", Number{&Part::noteInterval, 6}},
        {"note-width-1", Number{&Part::noteWidth1, 6}},
        {"note-width-2", Number{&Part::noteWidth2, 6}},
        {"note-width-4", Number{&Part::noteWidth4, 6}},
        {"note-width-8", Number{&Part::noteWidth8, 6}},
        {"note-width-16", Number{&Part::noteWidth16, 6}},
        {"note-width-32", Number{&Part::noteWidth32, 6}},
    };
    return table;
}

QString notationStyleName(int code)
{
    if (code < 0 || code >= NotationStyle::count)
        return QStringLiteral("Undefined(Error)");
    return NotationStyle::name(code);
}

} // namespace PartSettingRows
