#include "layout/layouter.h"

#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"

#include <QDebug>

#include <algorithm>

namespace {

// Styles whose chord notes are placed by the chord's own size; the others
// (KinkoTrad) place every chord of a voice as if it were the voice's widest.
constexpr int ownChordSizeStyles = 0x3FDD;

bool usesOwnChordSize(int notationStyle)
{
    if (notationStyle == NotationStyle::KotoIkuta)
        return true;
    return notationStyle >= 0 && notationStyle < NotationStyle::count &&
           (ownChordSizeStyles >> notationStyle) & 1;
}

} // namespace

Layouter::Layouter(Score *score, Measure *measure, QObject *parent)
    : QObject(parent), score(score), measure(measure)
{
    resetLists();
}

void Layouter::resetLists()
{
    const int parts = score ? int(score->parts.size()) : 0;
    partOffsets.fill(0.0, parts);
    rowWidths.fill(0.0, parts);
    partChordTotals.fill(0, parts);
    total = 0;
    chordCounts.fill(QList<int>(MePart::voiceCount, 0), parts);
    laneOffsets.fill(QList<double>(MePart::voiceCount, 0.0), parts);
    laneWidths.fill(QList<double>(MePart::voiceCount, 0.0), parts);
}

void Layouter::layout()
{
    resetLists();
    if (!score || !measure)
        return;
    const int partCount = std::min<int>(score->parts.size(), measure->parts.size());

    for (int p = 0; p < partCount; ++p) {
        const VoiceSlots &voices = measure->parts.at(p)->voices;
        for (int v = 0; v < MePart::voiceCount; ++v) {
            const Voice *voice = voices.at(v);
            if (!voice->hasNotes)
                continue;
            int largest = 0;
            for (const Note *note : voice->notes)
                largest = std::max(largest, note->chordSize);
            chordCounts[p][v] = largest;
            partChordTotals[p] += largest;
        }
        total += partChordTotals.at(p);
    }

    // Vertical writing stacks its columns from the right: the last part and
    // its last voice come first.
    const bool horizontal = score->page->horizontal;
    const double lineScale = score->page->lineWidthScale;
    double offset = 0.0;
    for (int k = 0; k < partCount; ++k) {
        const int p = horizontal ? k : partCount - 1 - k;
        const Part *part = score->parts.at(p);
        const double size = part->noteFontSize;
        double rowWidth = lineScale * size * part->partWidthScale;
        if (horizontal)
            rowWidth = part->partOutput ? rowWidth * part->staffCount : 0.0;
        rowWidths[p] = rowWidth;
        partOffsets[p] = offset;

        const int chordTotal = partChordTotals.at(p);
        double lane = offset;
        for (int n = 0; n < MePart::voiceCount; ++n) {
            const int v = horizontal ? n : MePart::voiceCount - 1 - n;
            if (!measure->parts.at(p)->voices.at(v)->hasNotes)
                continue;
            const double width =
                chordTotal > 0 ? chordCounts.at(p).at(v) * rowWidth / chordTotal : 0.0;
            laneWidths[p][v] = width;
            laneOffsets[p][v] = lane;
            lane += size * score->style->gapVoice + width;
        }
        offset += rowWidth;
    }
}

double Layouter::chordSqueezeRatio(int part, int voice, int chordSize) const
{
    const double available = laneWidths.at(part).at(voice) * score->style->measureMaxChordWidth;
    const double needed = chordSize * score->parts.at(part)->noteFontSize;
    return available >= needed ? 1.0 : available / needed;
}

double Layouter::chordEdgePos(int part, int voice, bool farSide) const
{
    const double size = score->parts.at(part)->noteFontSize;
    const double gap = score->style->gapChordNote;
    const int count = chordCounts.at(part).at(voice);
    const double ratio = chordSqueezeRatio(part, voice, count);
    // A squeezed chord shrinks as a whole, gaps included, so that its edges
    // stay the outer edges of its squeezed notes.
    const double extent = ratio * ((count - 1) * gap * size + count * size);
    const double centre = laneOffsets.at(part).at(voice) + 0.5 * laneWidths.at(part).at(voice);
    const double raw = farSide ? centre + extent / 2 : centre - extent / 2;
    return raw - (partOffsets.at(part) + 0.5 * rowWidths.at(part));
}

double Layouter::chordNotePos(int part, int voice, int chordSize, int chordIndex, bool shift) const
{
    const Part *owner = score->parts.at(part);
    const double size = owner->noteFontSize;
    const double gap = score->style->gapChordNote;
    const int blockSize =
        usesOwnChordSize(owner->notationStyle) ? chordSize : chordCounts.at(part).at(voice);
    const double ratio = chordSqueezeRatio(part, voice, chordSize);
    const double extent = (blockSize - 1) * gap * size + blockSize * size;
    const double centre = laneOffsets.at(part).at(voice) + 0.5 * laneWidths.at(part).at(voice);

    // Horizontal writing puts the main note at the larger-coordinate end,
    // vertical writing at the smaller one; a squeezed block is the same
    // block scaled about its centre.
    double fromCentre;
    if (score->page->horizontal) {
        fromCentre = extent / 2 - (chordIndex + 1) * size - chordIndex * gap * size;
    } else {
        const int slot = chordSize - chordIndex;
        fromCentre = extent / 2 - slot * size - (slot - 1) * gap * size;
    }
    double raw = centre + ratio * fromCentre;
    if (shift)
        raw += ratio * size;
    return raw - (partOffsets.at(part) + 0.5 * rowWidths.at(part));
}

double Layouter::chordNotePos2(int part, int lane, int edge) const
{
    const double size = score->parts.at(part)->noteFontSize;
    const double laneWidth = laneWidths.at(part).at(0);
    const double available = score->style->measureMaxChordWidth * laneWidth;
    const double needed = 3 * size;
    const double centre = laneOffsets.at(part).at(0) + 0.5 * laneWidth;
    const int j = score->page->horizontal ? lane : 2 - lane;

    double raw;
    if (needed <= available) {
        const double step = edge == 0 ? j + 1.0 : edge == 1 ? j + 0.5 : double(j);
        raw = centre + needed / 2 - step * size;
    } else {
        const double ratio = available / needed;
        const double step = edge == 0 ? j + 1.25 : edge == 1 ? j + 0.5 : double(j);
        raw = centre + available / 2 - ratio * size * step;
    }
    return raw - (partOffsets.at(part) + 0.5 * rowWidths.at(part));
}

int Layouter::voiceNoteLyricNumber(int part, int voice, int chordSize, int chordIndex,
                                   bool reversed) const
{
    const QList<int> &counts = chordCounts.at(part);
    if (!reversed) {
        int before = 0;
        for (int u = 0; u < voice; ++u)
            before += counts.at(u);
        return chordSize + voice + before - chordIndex;
    }

    qDebug().noquote() << "voiceNoteLyricNumber";
    // The mirror of the plain order: the last voice that has notes starts
    // at line 1, each voice after this one adds its widest chord plus the
    // one line the plain order leaves per voice, and the chord counts from
    // its main note.
    int last = voice;
    for (int u = MePart::voiceCount - 1; u > voice; --u) {
        if (counts.at(u) > 0) {
            last = u;
            break;
        }
    }
    int after = 0;
    for (int u = voice + 1; u <= last; ++u)
        after += counts.at(u);
    return (last - voice) + after + chordIndex + 1;
}
