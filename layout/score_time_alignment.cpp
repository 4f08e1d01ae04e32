// Score's share of the time alignment: setting up the time ticks of each
// measure before the glyph selection fills its voices, and keeping the
// glyphs that stand at a tick off its line.
#include "layout/aligner.h"
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"

#include <QGraphicsItem>

#include <algorithm>

namespace {

// Air between a tick (or the bar line at a measure's start) and the ink
// of the glyph that stands at it, mm.
constexpr double tickGlyphAir = 0.3;

bool drawsTicks(const Part *part)
{
    return part->partOutput && part->timeTicks && part->alignInTime;
}

// How far the glyph's ink starts after its item's own start, mm.
double inkStart(const AlignItem *item, bool horizontal, double s)
{
    const QGraphicsItem *glyph = item->graphicsItem;
    if (!glyph)
        return tickGlyphAir;
    const QRectF box = glyph->transform().mapRect(glyph->boundingRect());
    if (box.isEmpty())
        return tickGlyphAir;
    return (horizontal ? item->refOffsetX + box.left() / s : item->refOffsetY + box.top() / s);
}

// A glyph centred in an advance narrower than itself reaches back over
// the tick of its own time: it moves along by what it lacks, and the
// glyphs that follow it or stack on it move with it.
void keepVoiceOffTicks(const QList<AlignItem *> &items, bool horizontal, double s)
{
    double carried = 0.0;
    for (AlignItem *item : items) {
        double &offset = horizontal ? item->refOffsetX : item->refOffsetY;
        switch (item->kind) {
        case AlignTime:
            carried = std::max(0.0, tickGlyphAir - inkStart(item, horizontal, s));
            offset += carried;
            break;
        case AlignFollowing:
            offset += carried;
            break;
        case AlignOverlay:
            offset += std::max(carried, tickGlyphAir - inkStart(item, horizontal, s));
            break;
        default:
            carried = 0.0;
            break;
        }
    }
}

} // namespace

int Score::setUpMeasureTics(Measure *measure)
{
    if (!measure->aligner)
        measure->aligner = new Aligner(this);
    measure->aligner->setUpTics(measure->beats, measure->beatType, measure->divisions,
                                measure->voiceOneLength);
    return 1;
}

void Score::keepGlyphsOffTheirTicks()
{
    const double s = page->scaleFactor;
    if (s <= 0.0)
        return;
    const bool horizontal = page->horizontal;
    for (Measure *measure : std::as_const(measures)) {
        for (int p = 0; p < parts.size() && p < measure->parts.size(); ++p) {
            if (!drawsTicks(parts.at(p)))
                continue;
            for (Voice *voice : measure->parts.at(p)->voices.madeVoices())
                keepVoiceOffTicks(voice->alignItems, horizontal, s);
        }
    }
}
