// Score's room for lyrics: the band beside each part's note row that holds
// the part's lyric lines, so that they stay clear of the next part and the
// next stage.
#include "drawing/syllabics.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"

#include <QFontMetricsF>

#include <algorithm>

namespace {

// The highest lyric line a part draws, 0 when it draws none. Lines past the
// last one the syllable lines know are drawn over it, so they add nothing.
int drawnLyricLines(const QList<Measure *> &measures, int part)
{
    int lines = 0;
    for (const Measure *measure : measures) {
        const MePart *cell = measure->parts.value(part);
        if (!cell)
            continue;
        for (const Voice *voice : cell->voices) {
            for (const Note *note : voice->notes) {
                if (note->skipLyrics)
                    continue;
                for (const Lyrics *lyric : note->lyrics) {
                    if (!lyric->deleted && !lyric->text.isEmpty())
                        lines = std::max(lines,
                                         std::clamp(lyric->number, 1, int(Syllabics::slotCount)));
                }
            }
        }
    }
    return lines;
}

} // namespace

void Score::measureLyricBands()
{
    lyricBands.clear();
    const double s = page->scaleFactor;
    for (int p = 0; p < parts.size(); ++p) {
        const Part *part = parts.at(p);
        const int lines =
            part->partOutput && part->lyricsOutput ? drawnLyricLines(displayedMeasures, p) : 0;
        if (lines == 0 || s <= 0.0) {
            lyricBands.append(0.0);
            continue;
        }
        // Lyrics begin `lyrics-offset` note sizes from the note line, which
        // runs through the middle of the row; what reaches past the row's
        // edge, line after line, is the band.
        const double lineHeight = QFontMetricsF(part->lyricsFont).height() / s;
        // A part shifted towards the lyrics' side takes its lyrics along.
        const double shift = std::max(0.0, -part->partShift * part->noteFontSize);
        const double offset = lyricLineOffset(p) + shift;
        const double halfRow = 0.5 * partRowExtent(p);
        lyricBands.append(std::max(0.0, offset - halfRow) + lines * lineHeight);
    }
}

double Score::lyricLineOffset(int part) const
{
    // Lyrics keep their offset from the outermost note on their side.
    return style->lyricsOffset * parts.at(part)->noteFontSize + noteSpread(part);
}

double Score::lyricBand(int part) const
{
    return lyricBands.value(part, 0.0);
}
