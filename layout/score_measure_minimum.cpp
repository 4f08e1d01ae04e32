// Score's shortest length of a measure: what its lyric syllables, its
// tempo marks and words and, in staff notation, its note heads need along
// the reading direction, so that the line layout never fits the measure
// shorter than that.
#include "drawing/mytextitem.h"
#include "drawing/syllabics.h"
#include "layout/aligner.h"
#include "layout/alignitem.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// Only these kinds sit at their own place, which the fit moves apart.
bool atOwnPlace(const AlignItem *item)
{
    return item && (item->kind == AlignTime || item->kind == AlignFree);
}

const AlignItem *itemOf(const Voice *voice, int index)
{
    return index >= 0 && index < voice->alignItems.size() ? voice->alignItems.at(index) : nullptr;
}

} // namespace

QFont Score::scaledLyricFont(QFont font, double scale)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * scale))));
    else
        font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

double Score::lyricSyllableLength(const Part *part, const QString &text, double scale) const
{
    const bool horizontal = page->horizontal;
    const bool rotated = !horizontal && page->rotateLyrics;
    QString shown = horizontal ? convertCharsForHorizontal(text) : convertCharsForVertical(text);
    if (!horizontal && !rotated)
        shown = toVerticalPunctuation(shown);
    if (shown.isEmpty() || page->scaleFactor <= 0.0)
        return 0.0;
    MyTextItem item(shown, !horizontal && !rotated);
    item.setFont(scale < 1.0 ? scaledLyricFont(part->lyricsFont, scale) : part->lyricsFont);
    const QRectF box = item.boundingRect();
    return (horizontal || rotated ? box.width() : box.height()) / page->scaleFactor;
}

void Score::appendSyllableNeeds(const Measure *measure, int partIndex, QList<RoomNeed> &needs) const
{
    const Part *part = parts.at(partIndex);
    const MePart *cell = measure->parts.value(partIndex);
    if (!cell || !part->partOutput || !part->lyricsOutput)
        return;
    const Aligner *aligner = measure->aligner;
    const double end = aligner->width() - aligner->headWidth() - aligner->padWidth();
    const double s = page->scaleFactor;
    // A syllable may reach as far as the next one less this gap; the pad
    // after the last item counts towards the last syllable's room. A
    // syllable that a hyphen follows keeps room for the whole hyphen.
    const double gap = s > 0.0 ? 0.25 * QFontMetricsF(part->lyricsFont).height() / s : 0.0;
    const double hyphenGap =
        style->lyricsLine ? gap : std::max(gap, Syllabics::hyphenGap(lyricLineBreadth(part)));
    for (const Voice *voice : cell->voices) {
        // Per verse: where its last syllable starts and how much it needs.
        std::map<int, std::pair<double, double>> open;
        for (const Note *note : voice->notes) {
            if (note->firstAlignItem < 0 || note->longRepeatMemberFlag || note->skipLyrics)
                continue;
            const AlignItem *first = itemOf(voice, note->firstAlignItem);
            if (!atOwnPlace(first))
                continue;
            for (const Lyrics *lyric : note->lyrics) {
                // A deleted or empty syllable asks for no room.
                if (lyric->deleted || lyric->text.isEmpty())
                    continue;
                const auto before = open.find(lyric->number);
                if (before != open.end())
                    needs.append({before->second.first, first->position, before->second.second});
                const bool hyphenFollows = lyric->syllabic == 1 || lyric->syllabic == 2;
                open[lyric->number] = {first->position, lyricSyllableLength(part, lyric->text) +
                                                            (hyphenFollows ? hyphenGap : gap)};
            }
        }
        for (const auto &[number, last] : open)
            needs.append({last.first, end, last.second - aligner->padWidth()});
    }
}

double Score::measureMinimumLength(const Measure *measure) const
{
    Aligner *aligner = measure->aligner;
    if (!aligner || measure->multiRestCount > 1)
        return 0.0;
    // The glyphs of every voice, then the syllables of every verse and the
    // texts over and under the notes: the measure is the sum of what its
    // stretches need.
    QList<RoomNeed> needs = aligner->glyphRoomNeeds();
    for (int p = 0; p < parts.size(); ++p) {
        appendSyllableNeeds(measure, p, needs);
        appendDirectionNeeds(measure, p, needs);
        appendGlissandoNeeds(measure, p, needs);
    }
    aligner->setRoomNeeds(needs);
    return aligner->leastWidth();
}
