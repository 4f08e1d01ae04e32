// Score's placement of one voice's aligned items once the line layout has
// fitted the measure: final positions, scene positions, visibility, and the
// outline frames of the note-font outline switch.
#include "drawing/watcheritem.h"
#include "layout/aligner.h"
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "view/scene.h"

#include <QCursor>
#include <QGraphicsItem>
#include <QGraphicsRectItem>
#include <QPen>

#include <algorithm>

namespace {

struct PlacementFrame
{
    double k = 1.0;      // scene units per millimetre
    double leadIn = 0.0; // mm before every item of the voice
    bool staff = false;
};

PlacementFrame placementFrame(const Score *score, const Measure *measure, int part)
{
    PlacementFrame frame;
    const Part *settings = score->parts.at(part);
    const double q = measure->aligner ? measure->aligner->scaleRatio() : 1.0;
    frame.k = score->page->scaleFactor;
    // A stretched measure keeps the lead-in of its natural width.
    frame.leadIn = settings->noteFontSize * std::min(q, 1.0) * score->style->noteOffset;
    frame.staff = settings->notationStyle == NotationStyle::StaffNotation;
    return frame;
}

// Staff notation stands a rest that fills the whole measure in the middle
// of the measure after its head (clef, key and time), as engravers do and
// as the bar of a multi-measure rest stands, instead of at its onset: the
// shift along (mm) that puts its glyph there, 0 for any other voice. The
// tail pad keeps a last note off the bar line and has no say here.
double wholeRestCentring(const Measure *measure, int part, int voice, const PlacementFrame &frame,
                         bool horizontal)
{
    const MePart *cell = measure->parts.at(part);
    const Voice *v = cell->voices.at(voice);
    if (!frame.staff || !measure->aligner || !cell->voiceFlags.value(voice) ||
        v->notes.size() != 1 || !v->notes.first()->rest)
        return 0.0;
    // The rest glyph, not the spacer that may stand before it.
    const AlignItem *rest = v->alignItems.value(v->notes.first()->noteAlignItem);
    if (!rest)
        return 0.0;
    const Aligner *aligner = measure->aligner;
    const double length = horizontal ? measure->width : measure->height;
    const double roomStart = aligner->headWidth();
    const double roomEnd = length;
    const double restCentre = rest->fittedPosition + frame.leadIn + rest->width / 2;
    return (roomStart + roomEnd) / 2 - restCentre;
}

// How far (scene units) a glyph made smaller by `scale` on both axes moves
// across the line so that its middle stays where it was at its size.
double squeezedAcrossShift(const QGraphicsItem *glyph, double scale, bool horizontal)
{
    if (scale >= 1.0 || scale <= 0.0)
        return 0.0;
    QTransform full = glyph->transform();
    full.scale(1.0 / scale, 1.0 / scale);
    const QPointF before = full.mapRect(glyph->boundingRect()).center();
    const QPointF after = glyph->transform().mapRect(glyph->boundingRect()).center();
    return horizontal ? before.y() - after.y() : before.x() - after.x();
}

} // namespace

void Score::placeVoiceItems(Measure *measure, int part, int voice, double xShift, double /*yShift*/,
                            bool shown)
{
    placeVoiceItemsAlong(measure, part, voice, xShift, shown, true);
}

void Score::placeVoiceItemsVertical(Measure *measure, int part, int voice, double /*xShift*/,
                                    double yShift, bool shown)
{
    placeVoiceItemsAlong(measure, part, voice, yShift, shown, false);
}

void Score::setVoiceItemsAlong(Measure *measure, int part, int voice, double shift, bool horizontal)
{
    if (measure->parts.at(part)->collapsed)
        return;
    const PlacementFrame frame = placementFrame(this, measure, part);
    const QList<AlignItem *> &items = measure->parts.at(part)->voices.at(voice)->alignItems;
    const double centring = wholeRestCentring(measure, part, voice, frame, horizontal);
    for (int i = 0; i < items.size(); ++i) {
        const double along =
            measure->getStartLocation(part, voice, i) + shift + frame.leadIn + centring;
        (horizontal ? items.at(i)->finalX : items.at(i)->finalY) = along;
    }
}

void Score::placeVoiceItemsAlong(Measure *measure, int part, int voice, double shift, bool shown,
                                 bool horizontal)
{
    if (measure->parts.at(part)->collapsed)
        return;
    setVoiceItemsAlong(measure, part, voice, shift, horizontal);
    const Part *settings = parts.at(part);
    const PlacementFrame frame = placementFrame(this, measure, part);
    const double k = frame.k;
    const QList<AlignItem *> &items = measure->parts.at(part)->voices.at(voice)->alignItems;
    for (int i = 0; i < items.size(); ++i) {
        AlignItem *item = items.at(i);
        QGraphicsItem *gi = item->graphicsItem;
        // The offset along a squeezed glyph shrinks with it; across, the
        // glyph keeps its middle where it stood at its size.
        double zx = item->glyphScale;
        if (frame.staff && gi)
            zx = horizontal ? gi->transform().m11() : gi->transform().m22();
        const double acrossShift = gi ? squeezedAcrossShift(gi, item->glyphScale, horizontal) : 0.0;

        if (horizontal) {
            // Glyphs between grey parentheses are drawn as ghosts.
            if (item->glyphId.startsWith(QLatin1String("GrayLPar")))
                ghostNotes = true;
            else if (item->glyphId.startsWith(QLatin1String("GrayRPar")))
                ghostNotes = false;
        }

        const double cross = frame.staff ? measure->getPartNoteLine(item->staff, part)
                                         : measure->getPartRefLine(part);
        const double noteLine = measure->getPartNoteLine(item->staff, part);
        const double along = horizontal ? item->finalX : item->finalY;
        if (horizontal) {
            item->finalY = item->baseOffset + noteLine;
            if (gi)
                gi->setPos((item->refOffsetX * zx + along) * k,
                           (item->refOffsetY + cross) * k + acrossShift);
        } else {
            item->finalX = item->baseOffset + noteLine;
            if (gi)
                gi->setPos((item->refOffsetX + cross) * k + acrossShift,
                           (item->refOffsetY * zx + along) * k);
        }

        if (gi) {
            if (gi->isVisible())
                gi->setVisible(shown);
            // With note output off the glyphs keep their positions (marks
            // and spans still find them) but stay out of the picture.
            if (settings->noteOutput && gi->scene() != scene) {
                gi->setAcceptHoverEvents(true);
                gi->setCursor(Qt::ArrowCursor);
                scene->addItem(gi);
                if (watcher && (gi->flags() & QGraphicsItem::ItemIsSelectable))
                    gi->installSceneEventFilter(watcher);
            }
        }

        if (outlineNoteFonts && settings->partOutput) {
            const double size = settings->noteFontSize;
            const double x = item->finalX * k;
            const double y = item->finalY * k;
            if (horizontal) {
                genRectDispItem(QColor(0, 0, 255), x, y, item->width * k, size * k);
                genRectDispItem(QColor(255, 0, 0), x, y, item->length * k, size * k);
            } else {
                genRectDispItem(QColor(0, 0, 255), x, y, size * k, item->width * k);
                genRectDispItem(QColor(255, 0, 0), x, y, size * k, item->length * k);
            }
        }
    }
}

QGraphicsRectItem *Score::genRectDispItem(const QColor &color, double x, double y, double w,
                                          double h)
{
    auto *rect = new QGraphicsRectItem(x, y, w, h);
    rect->setPen(QPen(QBrush(color), 0.5, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    scene->addItem(rect);
    return rect;
}
