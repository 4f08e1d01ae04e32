// Score's measure head and tail widths: the room before a measure's first
// time tick (opening bar line or repeat, clef, key and time signature) and
// after its last (closing bar line or repeat, tail pad). The part names
// stand in front of the stage, not in a measure's head.
#include "layout/aligner.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Widths of the header symbols, in units of the largest note size.
constexpr double clefWidth = 0.75;
constexpr double timeWidthHorizontal = 0.9;
constexpr double timeWidthVerticalStaff = 0.8;
constexpr double timeWidthVerticalOther = 1.25;
constexpr double timeWidthPerCharacter = 0.43;
constexpr double forwardRepeatExtra = 0.2;
constexpr double tailExtra = 0.1;
// The Style's bar-line widths count in this fraction of the note size.
constexpr double barLineUnit = 0.06;

// A measure with no key yet (-99) or an illegal one draws no signature,
// so it reserves no room for one.
double keyWidth(int fifths)
{
    if (fifths < -7 || fifths > 7)
        return 0.0;
    return Score::keySignatureWidth(fifths);
}

double repeatWidth(const Style *style, double unit)
{
    return (style->measureThickLineWidth + style->measureDoubleLineSpacing +
            style->measureRepeatDotOffset + style->measureRepeatDotRadius) *
           unit;
}

} // namespace

void Score::calcMeasureHeadWidth(Measure *measure)
{
    const int index = measure->indexInScore();
    const Measure *previous = index >= 1 ? measures.at(index - 1) : nullptr;
    const double size = largestNoteSize();
    const double unit = barLineUnit * size;
    if (!measure->aligner)
        measure->aligner = new Aligner(this);

    double opening = 0.0;
    if (measure->leftRepeat == 1) {
        opening = repeatWidth(style, unit) + forwardRepeatExtra * size;
    } else if (measure->leftBarline) {
        if (measure->leftBarStyle == 2)
            opening = style->measureDoubleLineSpacing * unit;
        else if (measure->leftBarStyle == 3)
            opening = (style->measureThickLineWidth + style->measureDoubleLineSpacing) * unit;
    }

    // Clef, key and time keep their widths from one part to the next: the
    // last part decides, but a staff part before it can leave its clef.
    const bool startsLine = index == 0 || (previous && (previous->stageEnd || previous->pageEnd));
    double clef = 0.0;
    double key = 0.0;
    double time = 0.0;
    for (int p = 0; p < parts.size(); ++p) {
        const Part *part = parts.at(p);
        const bool staff = part->notationStyle == NotationStyle::StaffNotation;
        if (staff) {
            if (startsLine) {
                clef = clefWidth;
                key = keyWidth(measure->fifths);
            } else {
                const MePart *cell = measure->parts.value(p);
                const int staves = std::min(part->staffCount, MePart::maxStaves);
                for (int s = 0; cell && s < staves; ++s) {
                    if (cell->clefGiven.at(s))
                        clef = clefWidth;
                }
                if (staves >= 1 && measure->keyGiven)
                    key = keyWidth(measure->fifths);
            }
        }
        if (measure->timeGiven && page->measureDisplayTimeSignature) {
            if (page->horizontal || staff) {
                time = page->horizontal ? timeWidthHorizontal : timeWidthVerticalStaff;
                if (measure->beatsText.size() > 2)
                    time = measure->beatsText.size() * timeWidthPerCharacter;
            } else {
                time = timeWidthVerticalOther;
            }
        }
        measure->aligner->setHeadWidth((clef + key + time + style->measureLeadingPad) * size +
                                       opening);
    }

    // A glissando entering the line needs a stroke of its own before its
    // note, where notations without clef leave only the leading pad.
    if (startsLine) {
        const double entering = glissandoEntryHead(measure) + opening;
        if (entering > measure->aligner->headWidth())
            measure->aligner->setHeadWidth(entering);
    }

    double tail = style->measureTailingPad;
    if (measure->rightRepeat == 2) {
        tail += repeatWidth(style, unit);
    } else if (measure->rightBarline) {
        if (measure->rightBarStyle == 2)
            tail += style->measureDoubleLineSpacing * unit;
        else if (measure->rightBarStyle == 1)
            tail += (style->measureThickLineWidth + style->measureDoubleLineSpacing) * unit;
    }
    tail += tailExtra * size;
    measure->aligner->setPadWidth(tail);
}
