// Score's room for lyrics: the band beside each part's note row that holds
// the part's lyric lines, so that they stay clear of the next part and the
// next stage.
#include "drawing/mytextitem.h"
#include "drawing/syllabics.h"
#include "layout/alignitem.h"
#include "layout/noteink.h"
#include "model/itemtags.h"
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
#include <QGraphicsItem>

#include <algorithm>
#include <utility>

namespace {

// Between lyrics and what they must stay clear of, in note sizes.
constexpr double lyricClearance = 0.2;

// The highest lyric line a part draws, 0 when it draws none. Lines past the
// last one the syllable lines know are drawn over it, so they add nothing.
// A text shown across the reading direction (`across`) keeps its line
// breaks, so its later lines take the lines after its own.
int drawnLyricLines(const QList<Measure *> &measures, int part, bool across)
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
                    if (lyric->deleted || lyric->text.isEmpty())
                        continue;
                    const int breaks = across ? int(lyric->text.count(QLatin1Char('\n'))) : 0;
                    lines = std::max(
                        lines, std::clamp(lyric->number, 1, int(Syllabics::slotCount)) + breaks);
                }
            }
        }
    }
    return lines;
}

// How far a part's note glyphs reach across the reading direction, in mm
// from the note line, counted towards the lyrics' side (down in horizontal
// writing, left in vertical writing).
struct GlyphReach
{
    double lyricSide = 0.0; // the farthest any glyph reaches towards the lyrics
    double backEdge = 0.0;  // the lyric-side edge of the glyph farthest from them
    double otherSide = 0.0; // the farthest any glyph reaches away from them
    bool any = false;

    void add(double from, double to)
    {
        if (!any) {
            lyricSide = to;
            backEdge = to;
            otherSide = from;
            any = true;
            return;
        }
        lyricSide = std::max(lyricSide, to);
        backEdge = std::min(backEdge, to);
        otherSide = std::min(otherSide, from);
    }
};

// The glyph's extent across, relative to its note line (the line its
// offset is taken from), towards the lyrics positive.
std::pair<double, double> acrossExtent(const AlignItem *item, bool horizontal, double s)
{
    const QGraphicsItem *glyph = item->graphicsItem;
    const QRectF box = glyph->transform().mapRect(glyph->boundingRect());
    if (horizontal)
        return {item->refOffsetY + box.top() / s, item->refOffsetY + box.bottom() / s};
    return {-(item->refOffsetX + box.right() / s), -(item->refOffsetX + box.left() / s)};
}

GlyphReach noteGlyphReach(const QList<Measure *> &measures, int part, bool horizontal, double s)
{
    GlyphReach reach;
    for (const Measure *measure : measures) {
        const MePart *cell = measure->parts.value(part);
        if (!cell || measure->multiRestCount >= 2)
            continue;
        for (const Voice *voice : cell->voices) {
            for (const Note *note : voice->notes) {
                if (!note->visible || note->firstAlignItem < 0)
                    continue;
                for (int i = std::max(0, note->alignItemBegin);
                     i <= note->alignItemEnd && i < voice->alignItems.size(); ++i) {
                    const AlignItem *item = voice->alignItems.at(i);
                    // The note's own glyphs, not the marks aligned with it.
                    if (!item->graphicsItem ||
                        item->graphicsItem->data(TagType).toInt() != NoteItem)
                        continue;
                    const auto [from, to] = acrossExtent(item, horizontal, s);
                    reach.add(from, to);
                }
            }
        }
    }
    return reach;
}

// The shown part whose row follows `part`'s lyric band: the next shown
// part of the stage, or the first one of the next stage.
int followingRow(const QList<Part *> &parts, int part)
{
    for (int i = 1; i <= parts.size(); ++i) {
        const int next = (part + i) % int(parts.size());
        if (parts.at(next)->partOutput)
            return next;
    }
    return part;
}

} // namespace

void Score::measureLyricBands()
{
    lyricBands.clear();
    lyricOffsets.clear();
    const double s = page->scaleFactor;
    const bool horizontal = page->horizontal;
    QList<GlyphReach> reaches;
    for (int p = 0; p < parts.size(); ++p) {
        GlyphReach reach;
        if (s > 0.0)
            reach = noteGlyphReach(displayedMeasures, p, horizontal, s);
        if (!reach.any) {
            // A glyph of one note size centred on the note line.
            const double half = 0.5 * parts.at(p)->noteFontSize;
            reach.add(-half, half);
        }
        reaches.append(reach);
    }
    for (int p = 0; p < parts.size(); ++p) {
        const Part *part = parts.at(p);
        const int lines =
            part->partOutput && part->lyricsOutput
                ? drawnLyricLines(displayedMeasures, p, horizontal || page->rotateLyrics)
                : 0;
        lyricOffsets.append(lyricBaseOffset(p));
        if (lines == 0 || s <= 0.0) {
            lyricBands.append(0.0);
            continue;
        }
        // Lyrics begin `lyrics-offset` note sizes from the note line, and
        // never over a note glyph (staff notation writes notes far below
        // its middle line) nor over the dynamics, hairpins and lines that
        // stand on their side of the notes.
        const double clearance = lyricClearance * part->noteFontSize;
        lyricOffsets.last() = std::max({lyricOffsets.last(), reaches.at(p).lyricSide + clearance,
                                        lyricSideDirectionsReach(p) + clearance});
        const int next = followingRow(parts, p);
        lyricBands.append(
            lyricBandOf(p, lines, reaches.at(p).backEdge, next, reaches.at(next).otherSide));
    }
}

double Score::lyricBandOf(int part, int lines, double backEdge, int next, double nextReach) const
{
    const Part *settings = parts.at(part);
    const double halfRow = 0.5 * partRowExtent(part);
    // Positive when the note line lies off the row's centre towards the
    // lyrics.
    const double lineShift = -settings->partShift * settings->noteFontSize;
    const double offset = lyricOffsetInRow(part, partRowExtent(part));
    // What reaches past the row's edge, line after line, is the band.
    const double lineHeight = QFontMetricsF(settings->lyricsFont).height() / page->scaleFactor;
    const double band =
        std::max(0.0, offset + std::max(0.0, lineShift) - halfRow) + lines * lineHeight;
    // A reader takes a lyric for the row it is nearest to: the last line
    // must stand nearer the glyph of its own row that is farthest from the
    // lyrics than to the nearest glyph of the following row. Upright
    // vertical text is narrower than the line pitch and keeps to the far
    // side of it.
    const double inset = std::max(0.0, lineHeight - lyricLineBreadth(settings));
    // Syllables stacked on two lines put the second half a line farther.
    const double stacked = lyricStackRoomParts.contains(part) ? 0.5 * lineHeight : 0.0;
    const double ownDistance = offset + (lines - 1) * lineHeight + stacked + inset - backEdge;
    const double lyricsEnd = offset + lineShift + lines * lineHeight;
    const Part *nextPart = parts.at(next);
    const double nextGlyph =
        0.5 * partRowExtent(next) - nextPart->partShift * nextPart->noteFontSize + nextReach;
    return std::max(band, lyricsEnd + ownDistance - halfRow - nextGlyph);
}

double Score::lyricLineBreadth(const Part *part) const
{
    // Horizontal and rotated text is one line high; upright vertical text
    // is as wide as a full-width character.
    const bool upright = !page->horizontal && !page->rotateLyrics;
    MyTextItem sample(QStringLiteral("\u3042"), upright);
    sample.setFont(part->lyricsFont);
    const QRectF box = sample.boundingRect();
    return (upright ? box.width() : box.height()) / page->scaleFactor;
}

double Score::lyricBaseOffset(int part) const
{
    // Lyrics keep their offset from the outermost note on their side.
    return style->lyricsOffset * parts.at(part)->noteFontSize + noteSpread(part);
}

double Score::lyricLineOffset(int part) const
{
    return part < lyricOffsets.size() ? lyricOffsets.at(part) : lyricBaseOffset(part);
}

double Score::lyricOffsetInRow(int part, double rowExtent) const
{
    const Part *settings = parts.at(part);
    const double offset = lyricLineOffset(part);
    // Past what the stems and beams drew into the line the last time.
    const double ink = lyricInkRoom.value(part);
    if (!settings->boundaryLeftBottom)
        return offset + ink;
    // The boundary line runs along the row's edge on the lyrics' side, and
    // moves with the row when a stage is scaled: the lyrics start past it.
    const double lineShift = -settings->partShift * settings->noteFontSize;
    return std::max(offset, 0.5 * rowExtent - lineShift + lyricClearance * settings->noteFontSize) +
           ink;
}

void Score::measureLyricInk()
{
    lyricInkDepths.clear();
    const double s = page->scaleFactor;
    if (s <= 0.0 || std::none_of(lyricBands.cbegin(), lyricBands.cend(),
                                 [](double band) { return band > 0.0; }))
        return;
    // Towards the lyrics: down in horizontal writing, left in vertical
    // writing.
    const double away = page->horizontal ? 1.0 : -1.0;
    const NoteInk::Map ink(*this);
    for (const Measure *measure : std::as_const(displayedMeasures)) {
        for (int p = 0; p < parts.size() && p < measure->parts.size(); ++p) {
            for (const Voice *voice : measure->parts.at(p)->voices) {
                for (const Note *note : voice->notes) {
                    for (const Lyrics *lyric : note->lyrics) {
                        const QGraphicsItem *item = lyric->item;
                        if (lyric->moved || !item || !item->isVisible() || !item->scene())
                            continue;
                        const double depth =
                            ink.depth(p, measure->lineIndex, item->sceneBoundingRect(), away) / s;
                        if (depth > 0.0)
                            lyricInkDepths[p] =
                                std::max(lyricInkDepths.value(p),
                                         depth + lyricClearance * parts.at(p)->noteFontSize);
                    }
                }
            }
        }
    }
}

double Score::lyricBand(int part) const
{
    return lyricBands.value(part, 0.0);
}
