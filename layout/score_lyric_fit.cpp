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
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <utility>

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
    double air = 0.0;    // of `need`, the air after the text
    double barAir = 0.0; // the air it keeps from a bar line after it
    // A placed syllable's box: its near edge across the line.
    double across = 0.0;
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

// The syllables of a verse placed by hand, each at its own place across the
// line: two of them collide only where their boxes meet both along and
// across it. `breadth` is a lyric line's breadth across (mm), `length` a
// text's length along the line at a scale.
class PlacedLine
{
public:
    using Length = std::function<double(const Lyrics *, double)>;

    PlacedLine(QList<Syllable> &line, double end, double breadth, bool horizontal, Length length)
        : line(line), end(end), breadth(breadth), horizontal(horizontal), length(std::move(length))
    {
        std::stable_sort(line.begin(), line.end(),
                         [](const Syllable &a, const Syllable &b) { return a.start < b.start; });
    }

    // Fits the line: the largest scale at which each syllable finds a
    // place, on the line it was put on, then on one of two half lines in
    // its box, then at the least size with what still finds none left out.
    Score::LyricSqueeze fit()
    {
        if (place(1.0, false, false))
            return Score::LyricSqueeze::None;
        for (double scale = std::min(1.0, estimate()); scale >= stackBelow; scale *= 0.95) {
            if (place(scale, false, false))
                return Score::LyricSqueeze::Smaller;
        }
        for (double scale = stackBelow; scale >= leastScale; scale *= 0.9) {
            if (place(scale, true, false))
                return Score::LyricSqueeze::Stacked;
        }
        place(leastScale, true, true);
        return omitted > 0 ? Score::LyricSqueeze::LeftOut : Score::LyricSqueeze::Stacked;
    }

    QList<Score::LyricFit> fits;
    int omitted = 0;

private:
    // The near edge across the line of a syllable's box drawn at `scale` on
    // half line `sub`, as Score::placedForFit moves it: a vertical line's
    // text keeps its edge on the far side of its box.
    double across(const Syllable &syllable, double scale, int sub) const
    {
        const double half = 0.5 * breadth;
        return horizontal ? syllable.across + sub * half
                          : syllable.across + (1.0 - scale) * breadth - sub * half;
    }

    // A first guess at the scale on one line: each syllable ends before the
    // next one whose box meets its own across the line starts.
    double estimate() const
    {
        double scale = 1.0;
        for (int i = 0; i < line.size(); ++i) {
            const Syllable &syllable = line.at(i);
            double limit = end - syllable.start;
            double need = syllable.need - syllable.air + syllable.barAir;
            for (int j = i + 1; j < line.size(); ++j) {
                if (std::abs(line.at(j).across - syllable.across) < breadth) {
                    limit = line.at(j).start - syllable.start;
                    need = syllable.need;
                    break;
                }
            }
            if (need > 0.0)
                scale = std::min(scale, std::max(0.0, limit) / need);
        }
        return scale;
    }

    // Places every syllable at `scale`, on the first half line where it
    // meets none placed before it (on its own line unless `stack`); false
    // when one finds no place, unless `leaveOut` leaves it out.
    bool place(double scale, bool stack, bool leaveOut)
    {
        struct Taken
        {
            double ends;   // along, with its air
            double across; // near edge
        };
        QList<Taken> taken;
        fits.clear();
        omitted = 0;
        const double extent = scale * breadth;
        for (const Syllable &syllable : std::as_const(line)) {
            const double drawn =
                scale < 1.0 ? length(syllable.lyric, scale) : syllable.need - syllable.air;
            int chosen = -1;
            const bool inMeasure = syllable.start + drawn + scale * syllable.barAir <= end + 1e-9;
            for (int sub = 0; inMeasure && chosen < 0 && sub <= (stack ? 1 : 0); ++sub) {
                const double edge = across(syllable, scale, sub);
                const bool clear =
                    std::none_of(taken.cbegin(), taken.cend(), [&](const Taken &other) {
                        return syllable.start < other.ends - 1e-9 &&
                               std::abs(edge - other.across) < extent - 1e-9;
                    });
                if (clear)
                    chosen = sub;
            }
            if (chosen < 0) {
                if (!leaveOut)
                    return false;
                fits.append({scale, 0, true});
                ++omitted;
                continue;
            }
            taken.append(
                {syllable.start + drawn + scale * syllable.air, across(syllable, scale, chosen)});
            fits.append({scale, chosen, false});
        }
        return true;
    }

    const QList<Syllable> &line;
    double end;
    double breadth;
    bool horizontal;
    Length length;
};

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
    std::map<int, QList<Syllable>> placedVerses;
    for (const Note *note : v->notes) {
        if (note->skipLyrics || note->firstAlignItem < 0 ||
            !m->itemExists(part, voice, note->firstAlignItem))
            continue;
        const QPointF pos = m->getItemFinalPosFrame(part, voice, note->firstAlignItem);
        const double along = horizontal ? pos.x() : pos.y();
        const double line = m->getPartNoteLine(note->staff, part);
        for (const Lyrics *lyric : note->lyrics) {
            lyricFits.remove(lyric);
            if (lyric->deleted || lyric->text.isEmpty())
                continue;
            const bool hyphenFollows = lyric->syllabic == 1 || lyric->syllabic == 2;
            const double length = lyricSyllableLength(settings, lyric->text);
            if (length <= 0.0)
                continue;
            const double air = hyphenFollows ? hyphenGap : gap;
            Syllable syllable{lyric, along + lead, length + air, air, std::min(air, barAir)};
            // A lyric placed by hand still holds its place in its verse, so
            // that the others fit as before: moving one leaves them as they
            // were.
            verses[lyric->number].append(syllable);
            // It fits among the placed syllables of its verse from where it
            // stands, its offset keeping its meaning, where the measure was
            // narrowed below what its syllables need; in a measure of their
            // length it stands at full size as it was put.
            if (lyric->moved && m->belowMinimum) {
                syllable.start = along + lyric->x * size;
                syllable.across = horizontal ? line + lyric->y * size : line - lyric->y * size;
                placedVerses[lyric->number].append(syllable);
            }
        }
    }

    LyricSqueeze squeeze = LyricSqueeze::None;
    int leftOut = 0;
    for (auto &[number, line] : verses) {
        // The syllables drawn on the verse's own line take its fit; placed
        // ones only hold their places there.
        const auto settle = [this](const Lyrics *lyric, LyricFit fit) {
            if (!lyric->moved)
                lyricFits.insert(lyric, fit);
            return !lyric->moved;
        };
        if (std::all_of(line.cbegin(), line.cend(),
                        [](const Syllable &syllable) { return syllable.lyric->moved; }))
            continue;
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
                settle(syllable.lyric, {own, 0, false});
            squeeze = std::max(squeeze, LyricSqueeze::Smaller);
            continue;
        }
        double stacked = std::min(stackBelow, fittingScale(line, 2, end));
        if (stacked >= leastScale)
            stacked = drawnScale(2, stacked);
        if (stacked >= leastScale) {
            for (int i = 0; i < line.size(); ++i)
                settle(line.at(i).lyric, {stacked, i % 2, false});
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
                if (settle(syllable.lyric, {leastScale, 0, true}))
                    ++leftOut;
                continue;
            }
            free[sub] = until;
            if (settle(syllable.lyric, {leastScale, sub, false}) && sub == 1)
                stackedLyricParts.insert(part);
        }
        squeeze = std::max(squeeze, leftOut > 0 ? LyricSqueeze::LeftOut : LyricSqueeze::Stacked);
    }
    for (auto &[number, line] : placedVerses) {
        PlacedLine placed(line, end, lyricLineBreadth(settings), horizontal,
                          [this, settings](const Lyrics *lyric, double scale) {
                              return lyricSyllableLength(settings, lyric->text, scale);
                          });
        const LyricSqueeze fitted = placed.fit();
        if (fitted == LyricSqueeze::None)
            continue;
        for (int i = 0; i < line.size(); ++i)
            lyricFits.insert(line.at(i).lyric, placed.fits.at(i));
        leftOut += placed.omitted;
        squeeze = std::max(squeeze, fitted);
    }
    if (squeeze == LyricSqueeze::None)
        return;
    auto &[strongest, omitted] = squeezedLyrics[m->indexInScore()];
    strongest = std::max(strongest, squeeze);
    omitted += leftOut;
}

void Score::fitLyricsAlongLines()
{
    lyricFits.clear();
    const bool horizontal = page->horizontal;
    // The measures and voices genMeasureItems draws, each voice's notes
    // where placeVoiceItems puts them along the line. The items get back
    // the positions they had: marks drawn before a later voice is placed
    // read it as not placed yet.
    QList<QPointF> kept;
    for (int i = 0; i < measures.size();) {
        Measure *m = measures.at(i);
        const int span = m->multiRestCount;
        i += span >= 2 ? span : 1;
        if (span >= 2)
            continue;
        for (int p = 0; p < parts.size() && p < m->parts.size(); ++p) {
            if (m->simileParts.value(p))
                continue;
            for (int v = 0; v < MePart::voiceCount; ++v) {
                if (!m->parts.at(p)->voices.at(v)->hasNotes)
                    continue;
                const QList<AlignItem *> &items = m->parts.at(p)->voices.at(v)->alignItems;
                kept.clear();
                for (const AlignItem *item : items)
                    kept.append(QPointF(item->finalX, item->finalY));
                setVoiceItemsAlong(m, p, v, horizontal ? m->originX : m->originY, horizontal);
                fitMeasureLyrics(m, p, v);
                for (int k = 0; k < items.size(); ++k) {
                    items.at(k)->finalX = kept.at(k).x();
                    items.at(k)->finalY = kept.at(k).y();
                }
            }
        }
    }
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
            appendLog(
                tr("Measure %1 is too short for its syllables: drawn smaller.\n").arg(number));
    }
    squeezedLyrics.clear();
}
