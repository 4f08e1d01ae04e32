// Score's shortest length of a measure: what its lyric syllables and, in
// staff notation, its note heads need along the reading direction, so that
// the line layout never fits the measure shorter than that.
#include "drawing/mytextitem.h"
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
#include <map>

namespace {

// Only these kinds sit at their own time, position x ratio after the head,
// so the distance between two of them grows with the fitted length.
bool scalesWithFit(const AlignItem *item)
{
    return item && (item->kind == AlignTime || item->kind == AlignFree);
}

const AlignItem *itemOf(const Voice *voice, int index)
{
    return index >= 0 && index < voice->alignItems.size() ? voice->alignItems.at(index) : nullptr;
}

// The smallest ratio of the aligner's fit (fitted / natural distance of
// the timed items) under which `need` mm fit between positions `from` and
// `to`; 0 when any ratio does or none can.
double ratioFor(double from, double to, double need)
{
    const double span = to - from;
    return span > 1e-9 && need > 0.0 ? need / span : 0.0;
}

} // namespace

double Score::lyricSyllableLength(const Part *part, const QString &text) const
{
    const bool horizontal = page->horizontal;
    const bool rotated = !horizontal && page->rotateLyrics;
    QString shown = horizontal ? convertCharsForHorizontal(text) : convertCharsForVertical(text);
    if (!horizontal && !rotated)
        shown = toVerticalPunctuation(shown);
    if (shown.isEmpty() || page->scaleFactor <= 0.0)
        return 0.0;
    MyTextItem item(shown, !horizontal && !rotated);
    item.setFont(part->lyricsFont);
    const QRectF box = item.boundingRect();
    return (horizontal || rotated ? box.width() : box.height()) / page->scaleFactor;
}

double Score::measureMinimumRatio(const Measure *measure, int partIndex) const
{
    const Part *part = parts.at(partIndex);
    const MePart *cell = measure->parts.value(partIndex);
    if (!cell || !part->partOutput)
        return 0.0;
    const Aligner *aligner = measure->aligner;
    const double end = aligner->width() - aligner->headWidth() - aligner->padWidth();
    const double s = page->scaleFactor;
    // A syllable may reach as far as the next one less this gap; the pad
    // after the last item counts towards the last syllable's room.
    const double gap = s > 0.0 ? 0.25 * QFontMetricsF(part->lyricsFont).height() / s : 0.0;
    const bool lyrics = part->lyricsOutput;
    const bool heads = part->noteOutput && part->notationStyle == NotationStyle::StaffNotation;
    double ratio = 0.0;
    for (const Voice *voice : cell->voices) {
        // Per verse: where its last syllable starts and how much it needs.
        std::map<int, std::pair<double, double>> open;
        const AlignItem *lastHead = nullptr;
        double headNeed = 0.0;
        for (const Note *note : voice->notes) {
            if (note->firstAlignItem < 0 || note->longRepeatMemberFlag)
                continue;
            const AlignItem *first = itemOf(voice, note->firstAlignItem);
            if (lyrics && !note->skipLyrics && scalesWithFit(first)) {
                for (const Lyrics *lyric : note->lyrics) {
                    if (lyric->deleted || lyric->moved || lyric->text.isEmpty())
                        continue;
                    const auto before = open.find(lyric->number);
                    if (before != open.end())
                        ratio = std::max(ratio, ratioFor(before->second.first, first->position,
                                                         before->second.second));
                    open[lyric->number] = {first->position,
                                           lyricSyllableLength(part, lyric->text) + gap};
                }
            }
            const AlignItem *head = itemOf(voice, note->noteAlignItem);
            if (!heads || note->chord || note->grace || !scalesWithFit(head))
                continue;
            // The heads' distance holds the earlier note with what follows
            // it (dots) and the later note's leading signs (accidentals).
            double leading = 0.0;
            for (int i = note->alignItemBegin; i < note->noteAlignItem; ++i) {
                const AlignItem *item = itemOf(voice, i);
                if (item && item->kind == AlignLeading)
                    leading += item->width;
            }
            if (lastHead)
                ratio = std::max(ratio,
                                 ratioFor(lastHead->position, head->position, headNeed + leading));
            lastHead = head;
            headNeed = 0.0;
            for (int i = note->noteAlignItem; i <= note->alignItemEnd; ++i) {
                const AlignItem *item = itemOf(voice, i);
                if (item && (item == head || item->kind == AlignFollowing))
                    headNeed += item->width;
            }
        }
        for (const auto &[number, last] : open)
            ratio = std::max(ratio, ratioFor(last.first, end, last.second - aligner->padWidth()));
    }
    return ratio;
}

double Score::measureMinimumLength(const Measure *measure) const
{
    if (!measure->aligner || measure->multiRestCount > 1)
        return 0.0;
    double ratio = 0.0;
    for (int p = 0; p < parts.size(); ++p)
        ratio = std::max(ratio, measureMinimumRatio(measure, p));
    if (ratio <= 0.0)
        return 0.0;
    const Aligner *aligner = measure->aligner;
    const double fixedPart = aligner->headWidth() + aligner->padWidth();
    return fixedPart + std::max(0.0, aligner->width() - fixedPart) * ratio;
}
