// Score: the default settings that every new part starts from.
#include "model/score.h"

#include "model/notefonts.h"
#include "model/part.h"

void Score::setPartDefaults(Part *part) const
{
    part->instrumentKey = 0;
    part->notationStyle = NotationStyle::TozanTrad;
    part->noteFontName = NoteFonts::firstFontName(NoteFontFolder::path(NotationStyle::TozanTrad));

    part->alignInTime = true;
    part->partShift = 0.0;
    part->boundaryLeftBottom = false;
    part->boundaryRightTop = false;
    part->timeTicks = false;
    part->timeTicks16th = false;
    part->noteFontSize = 5.0;
    part->partWidthScale = 1.0;
    part->noteWidth1 = 1.0;
    part->noteWidth2 = 1.0;
    part->noteWidth4 = 1.0;
    part->noteWidth8 = 0.85;
    part->noteWidth16 = 0.75;
    part->noteWidth32 = 0.6;
    part->noteInterval = 1.1;

    part->lyricsFont = QFont(lyricFontFamily.isEmpty() ? textFontFamily : lyricFontFamily, 18);

    part->partOutput = true;
    part->partWholeRestLine = true;
    part->noteOutput = true;
    part->lyricsOutput = true;
    part->wholeRestOutput = true;
    part->slurOutput = true;
    part->staffNoteOutput = true;
    part->staffNoteLyricStart = 1;
    part->staffNoteTieStopOutput = false;
    part->staffNoteBeams = false;
    part->staffNoteInverseOrder = false;
    part->staffNoteOctaveInst = true;
    part->staffNoteBreathMark = true;
    part->staffNoteTremoloLine = false;
    part->staffNoteExtensionBarDot = false;
    part->staffNoteRestNote = false;
}
