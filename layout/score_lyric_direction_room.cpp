// Score's room for the directions that stand on the lyrics' side of a row
// (dynamics, hairpins, lines and words placed below the notes, or left of
// them in vertical writing): how far they reach, so that a part's lyrics
// start past them instead of sharing their strip.
#include "drawing/mytextitem.h"
#include "model/direction.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"

#include <algorithm>
#include <map>
#include <memory>

namespace {

using namespace DirectionKind;

// Half the pen of a hairpin's lines and of a bracket or octave line, in
// note sizes.
constexpr double wedgeHalfPen = 0.015;
constexpr double lineHalfPen = 0.025;
// The full opening of a hairpin and the hook of a bracket line, in note
// sizes, as their drawers make them.
constexpr double wedgeOpening = 0.14;
constexpr double bracketHook = 0.5;
// Bracket and octave lines carry an unseen diagonal this many scene units
// deep (below the line in horizontal writing), which their handle covers.
constexpr double unseenDepth = 5.0;

} // namespace

double Score::lyricSideReachOf(const QRectF &box, double lift) const
{
    const double k = page->scaleFactor;
    // Down in horizontal writing, left in vertical writing.
    return page->horizontal ? box.bottom() / k : -(lift + box.left()) / k;
}

QRectF Score::wordsBoxAtOffset(const Direction *direction, double &lift) const
{
    return wordsBoxAtOffset(direction, wordsTextAsDrawn(direction), lift);
}

QRectF Score::wordsBoxAtOffset(const Direction *direction, const QString &text, double &lift) const
{
    // The text item as the words drawer makes it, at its offset point.
    const bool horizontal = page->horizontal;
    const int r = direction->rotation;
    const bool dotted = direction->text.startsWith(QLatin1Char('.'));
    MyTextItem sample(text, dotted && !horizontal);
    sample.setFont(direction->fontGiven ? direction->font : style->textFont);
    // In vertical writing a text stands one line further across, unless it
    // is written in the page's direction.
    const double lineAcross = horizontal ? 0.0 : style->textFontHeight;
    bool upright = false;
    bool turned = false;
    lift = 0.0;
    if (r == 3 || (r == 0 && dotted && !horizontal && text.size() > 1)) {
        upright = true;
        lift = lineAcross;
    } else if (horizontal && r != 2) {
        // As written, at its offset point.
    } else if (r == 0 || r == 1) {
        lift = dotted ? 0.0 : lineAcross;
        turned = r == 0 && !dotted;
    } else if (r == 2) {
        lift = lineAcross;
        turned = true;
    }
    sample.setVertical(upright);
    QTransform turn;
    if (turned)
        turn.rotate(90.0);
    return turn.mapRect(sample.boundingRect());
}

QRectF Score::dynamicsBoxAtOffset(int part, const Direction *direction) const
{
    // The glyph as the dynamics drawer makes it, at its offset point.
    const bool horizontal = page->horizontal;
    const bool staff = parts.at(part)->notationStyle == NotationStyle::StaffNotation;
    QString id = direction->text;
    if (!horizontal && staff)
        id += QStringLiteral("_V");
    const double scale = style->dynamicsScale * direction->scale * (staff ? 0.93 : 1.0);
    const std::unique_ptr<GlyphItem> glyph(
        createSvgItem(part, true, id, false, horizontal, scale, scale));
    return glyph->transform().mapRect(glyph->boundingRect());
}

double Score::lyricSideDirectionReach(int part, const Direction *direction, bool endHookDown) const
{
    const Part *settings = parts.at(part);
    const double size = settings->noteFontSize;
    const bool horizontal = page->horizontal;
    const double across = size * direction->y;
    switch (direction->kind) {
    case Dynamics:
        return noteSpread(part) + across +
               lyricSideReachOf(dynamicsBoxAtOffset(part, direction), 0.0);
    case Words: {
        double lift = 0.0;
        const QRectF box = wordsBoxAtOffset(direction, lift);
        return noteSpread(part) + across + lyricSideReachOf(box, lift);
    }
    case Crescendo:
    case Diminuendo:
        return across + (wedgeOpening + wedgeHalfPen) * size;
    case LineStart: {
        // A hook "down" points towards the lyrics.
        const bool hookDown = direction->lineEnd == 2 || endHookDown;
        const double unseen = horizontal ? unseenDepth / page->scaleFactor : 0.0;
        return across + std::max(unseen, hookDown ? bracketHook * size : 0.0) + lineHalfPen * size;
    }
    case OctaveDown:
    case OctaveUp:
        // Octave lines get a band of their own in the stage that shows
        // them, and the lyrics there start past it.
        return 0.0;
    default:
        return 0.0;
    }
}

double Score::lyricSideDirectionsReach(int part) const
{
    if (page->scaleFactor <= 0.0)
        return 0.0;
    double reach = 0.0;
    // Bracket lines on the lyrics' side by number, until their stop tells
    // which way the end hook points.
    std::map<int, const Direction *> openLines;
    for (const Measure *measure : displayedMeasures) {
        const MePart *cell = measure->parts.value(part);
        if (!cell)
            continue;
        for (const Voice *voice : cell->voices) {
            for (Direction *direction : voice->shownDirections()) {
                if (direction->kind == LineStop) {
                    const auto open = openLines.find(direction->number);
                    if (open != openLines.end()) {
                        reach = std::max(reach, lyricSideDirectionReach(part, open->second,
                                                                        direction->lineEnd == 2));
                        openLines.erase(open);
                    }
                    continue;
                }
                // Moved ones stand where the user put them; measure-level
                // ones hang from the stage's edge.
                if (direction->moved || direction->visibility == 2 ||
                    isMeasureLevelDirection(direction->kind))
                    continue;
                setDefaultItemOffset(direction);
                if (direction->y <= 0.0)
                    continue;
                if (direction->kind == LineStart)
                    openLines[direction->number] = direction;
                else
                    reach = std::max(reach, lyricSideDirectionReach(part, direction));
            }
        }
    }
    // A line that never stops draws nothing.
    return reach;
}
