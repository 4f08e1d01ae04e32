// Score's fit of the syllables into the room their notes leave along the
// line: full size where the measure got what its syllables need, smaller,
// stacked or in the last resort left out where a line of a fixed number of
// measures is too short for them, never one over another.
#include "drawing/syllabics.h"
#include "layout/alignitem.h"
#include "layout/pickupmeasure.h"
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
#include <limits>
#include <map>

namespace {

// Below this share of its size a syllable no longer shrinks on its own
// line: two lines of half height share the room of one.
constexpr double stackBelow = 0.5;
// The least share of its size a syllable is drawn at; one that finds no
// room even so is left out.
constexpr double leastScale = 0.35;

// One syllable of a verse, in mm along the reading direction: where it
// starts, and what it needs from there with the air after it.
struct Syllable
{
    const Lyrics *lyric = nullptr;
    double start = 0.0;
    double need = 0.0;
    double air = 0.0;     // of `need`, the air after the text
    double barAir = 0.0;  // the air it keeps from a bar line after it
};

// The largest scale at which each syllable ends before the one `step`
// places after it starts (the measure's end for the last ones), at most 1.
double fittingScale(const QList<Syllable> &line, int step, double end)
{
    double scale = 1.0;
    for (int i = 0; i < line.size(); ++i) {
        const Syllable &syllable = line.at(i);
        const bool last = i + step >= line.size();
        const double limit = last ? end : line.at(i + step).start;
        // The measure's room counts a syllable's air, but a bar line
        // needs less of it than the next syllable.
        const double need = syllable.need - (last ? syllable.air - syllable.barAir : 0.0);
        if (need > 0.0)
            scale = std::min(scale, std::max(0.0, limit - syllable.start) / need);
    }
    return scale;
}

} // namespace

void Score::fitMeasureLyrics(Measure *m, int part, int voice)
{
    const Part *settings = parts.at(part);
    const Voice *v = m->parts.at(part)->voices.value(voice);
    if (!v || !settings->partOutput || !settings->lyricsOutput || m->multiRestCount >= 2 ||
        page->scaleFactor <= 0.0)
        return;
    const bool horizontal = page->horizontal;
    const double size = settings->noteFontSize;
    const bool staff = settings->notationStyle == NotationStyle::StaffNotation;
    // As genLyricItem places a syllable along the line.
    const double lead = style->lyricsOffsetTimeDirection * size - (staff ? 0.1 * size : 0.0);
    const double end = horizontal ? m->originX + m->width : m->originY + m->height;
    // The air a syllable keeps from the next, as the measure's syllable
    // room counts it (Score::appendSyllableNeeds).
    const double gap = 0.25 * QFontMetricsF(settings->lyricsFont).height() / page->scaleFactor;
    const double hyphenGap =
        style->lyricsLine ? gap : std::max(gap, Syllabics::hyphenGap(lyricLineBreadth(settings)));
    // A measure of the length its syllables need keeps its last one clear
    // of the bar line with the lead-in the notes take before them; a
    // narrowed one keeps the whole gap from it (a final bar line is thick).
    const double barAir = m->belowMinimum ? gap : 0.5 * gap;

    std::map<int, QList<Syllable>> verses;
    for (const Note *note : v->notes) {
        if (note->skipLyrics || note->firstAlignItem < 0 ||
            !m->itemExists(part, voice, note->firstAlignItem))
            continue;
        const QPointF pos = m->getItemFinalPosFrame(part, voice, note->firstAlignItem);
        for (const Lyrics *lyric : note->lyrics) {
            lyricFits.remove(lyric);
            // A lyric placed by hand stands where it was put, but the
            // others fit as before: moving one leaves them as they were.
            if (lyric->deleted || lyric->text.isEmpty())
                continue;
            const bool hyphenFollows = lyric->syllabic == 1 || lyric->syllabic == 2;
            const double length = lyricSyllableLength(settings, lyric->text);
            if (length <= 0.0)
                continue;
            const double air = hyphenFollows ? hyphenGap : gap;
            verses[lyric->number].append({lyric, (horizontal ? pos.x() : pos.y()) + lead,
                                          length + air, air, std::min(air, barAir)});
        }
    }

    LyricSqueeze squeeze = LyricSqueeze::None;
    int leftOut = 0;
    for (auto &[number, line] : verses) {
        std::stable_sort(line.begin(), line.end(),
                         [](const Syllable &a, const Syllable &b) { return a.start < b.start; });
        // A text drawn smaller is not always smaller in proportion (the
        // font's metrics round): each scale is checked as drawn.
        const auto drawnScale = [&](int step, double scale) {
            for (int round = 0; round < 3; ++round) {
                QList<Syllable> drawn = line;
                for (Syllable &syllable : drawn)
                    syllable.need =
                        lyricSyllableLength(settings, syllable.lyric->text, scale) / scale +
                        syllable.air;
                const double fitting = fittingScale(drawn, step, end);
                if (fitting >= scale - 1e-9)
                    break;
                scale *= std::max(0.9, fitting / scale) * 0.999;
            }
            return scale;
        };
        // A measure of exactly the length its syllables need fits them.
        double own = fittingScale(line, 1, end);
        if (own >= 1.0 - 1e-6)
            continue;
        if (own >= stackBelow)
            own = drawnScale(1, own);
        if (own >= stackBelow) {
            for (const Syllable &syllable : std::as_const(line))
                lyricFits.insert(syllable.lyric, {own, 0, false});
            squeeze = std::max(squeeze, LyricSqueeze::Smaller);
            continue;
        }
        double stacked = std::min(stackBelow, fittingScale(line, 2, end));
        if (stacked >= leastScale)
            stacked = drawnScale(2, stacked);
        if (stacked >= leastScale) {
            for (int i = 0; i < line.size(); ++i)
                lyricFits.insert(line.at(i).lyric, {stacked, i % 2, false});
            stackedLyricParts.insert(part);
            squeeze = std::max(squeeze, LyricSqueeze::Stacked);
            continue;
        }
        // At the least size on two lines, each syllable takes the first
        // line where the one before it has ended; one that ends past the
        // measure or finds both lines taken is left out.
        double free[2] = {-std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()};
        for (const Syllable &syllable : std::as_const(line)) {
            const double until = syllable.start + leastScale * syllable.need;
            int sub = -1;
            if (until <= end + 1e-9)
                sub = syllable.start >= free[0] ? 0 : syllable.start >= free[1] ? 1 : -1;
            if (sub < 0) {
                lyricFits.insert(syllable.lyric, {leastScale, 0, true});
                ++leftOut;
                continue;
            }
            free[sub] = until;
            if (sub == 1)
                stackedLyricParts.insert(part);
            lyricFits.insert(syllable.lyric, {leastScale, sub, false});
        }
        squeeze = std::max(squeeze, leftOut > 0 ? LyricSqueeze::LeftOut : LyricSqueeze::Stacked);
    }
    if (squeeze == LyricSqueeze::None)
        return;
    auto &[strongest, omitted] = squeezedLyrics[m->indexInScore()];
    strongest = std::max(strongest, squeeze);
    omitted += leftOut;
}

Score::LyricFit Score::lyricFit(const Lyrics *lyric) const
{
    return lyricFits.value(lyric);
}

QPointF Score::placedForFit(const LyricFit &fit, const Part *part, QPointF at, double h) const
{
    if (page->horizontal) {
        at.ry() += fit.subLine * stackBelow * h;
        return at;
    }
    if (page->rotateLyrics) {
        at.rx() -= fit.subLine * stackBelow * h;
        return at;
    }
    // Upright text in vertical writing stands from its left edge at the
    // far side of its line: a narrower one moves over to keep its right
    // edge, and the second stacked line takes the half of the text's
    // breadth beyond it.
    const double breadth = lyricLineBreadth(part) * page->scaleFactor;
    at.rx() += (1.0 - fit.scale) * breadth - fit.subLine * stackBelow * breadth;
    return at;
}

void Score::reportSqueezedLyrics()
{
    for (auto it = squeezedLyrics.cbegin(); it != squeezedLyrics.cend(); ++it) {
        // Once per measure and score: every regeneration squeezes it again.
        if (squeezedLyricsReported.contains(it.key()))
            continue;
        squeezedLyricsReported.insert(it.key());
        const int number = PickupMeasure::shownNumber(measures, it.key());
        const auto [squeeze, omitted] = it.value();
        if (squeeze == LyricSqueeze::LeftOut)
            appendLog(tr("Measure %1 is too short for its syllables even when they are drawn "
                         "small on two lines: %2 of them left out.\n")
                          .arg(number)
                          .arg(omitted));
        else if (squeeze == LyricSqueeze::Stacked)
            appendLog(tr("Measure %1 is too short for its syllables: drawn smaller, on two "
                         "lines.\n")
                          .arg(number));
        else
            appendLog(tr("Measure %1 is too short for its syllables: drawn smaller.\n").arg(number));
    }
    squeezedLyrics.clear();
}
