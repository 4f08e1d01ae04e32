// Measure's time ticks: short lines across each time-aligned part's band
// that show where beats, eighths and sixteenths fall after time alignment.
#include "drawing/linetags.h"
#include "layout/aligner.h"
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "view/scene.h"

#include <QGraphicsLineItem>
#include <QPen>

namespace {

constexpr double tickZ = -20.0;
constexpr int tickBarStyle = 6; // a "tick" or "short" bar line

QPen tickPen(double width)
{
    return QPen(QBrush(Qt::black), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

void addLine(Scene *scene, const QLineF &line, const QPen *pen)
{
    auto *item = new QGraphicsLineItem(line);
    if (pen)
        item->setPen(*pen);
    item->setZValue(tickZ);
    item->setData(LineTags::TagLine, LineTags::TimeTick);
    scene->addItem(item);
}

bool drawsTicks(const Part *part)
{
    return part->partOutput && part->timeTicks && part->alignInTime;
}

} // namespace

void Measure::genMeasureLines()
{
    if (!aligner || !score->scene)
        return;
    const QPen majorPen = tickPen(score->style->tickMajorWidth);
    const QPen minorPen = tickPen(score->style->tickMinorWidth);
    const double q = score->page->scaleFactor;
    const bool across = horizontal();

    for (int p = 0; p < score->parts.size() && p < parts.size(); ++p) {
        const Part *part = score->parts.at(p);
        if (!drawsTicks(part))
            continue;
        const MePart *cell = parts.at(p);
        const double extent = cell->partExtent;
        double major = 0.0;
        double minor = 0.0;
        if (part->notationStyle == NotationStyle::KotoIkuta ||
            part->notationStyle == NotationStyle::SangenIkuta) {
            major = extent - part->partShift;
            minor = 0.5 * major;
        } else {
            major = score->style->tickMajorLength * extent / 100.0;
            minor = score->style->tickMinorLength * extent / 100.0;
        }

        // The first tick is the measure start, where the bar line stands.
        for (int t = 1; t < aligner->tickList.size(); ++t) {
            const AlignItem *tick = aligner->tickList.at(t);
            double length = 0.0;
            const QPen *pen = &minorPen;
            if (tick->tickLevel == TickBeat) {
                length = major;
                pen = &majorPen;
            } else if (tick->tickLevel == TickEighth) {
                length = minor;
            } else if (tick->tickLevel == TickSixteenth && part->timeTicks16th) {
                length = 0.3 * minor;
            } else {
                continue;
            }
            const double at = tick->fittedPosition;
            if (across) {
                const double x = (at + originX) * q;
                const double y = (cell->partOffset + originY + extent) * q;
                addLine(score->scene, QLineF(x, y, x, y - q * length), pen);
            } else {
                const double x = (originX + width + cell->partOffset) * q;
                const double y = (at + originY) * q;
                addLine(score->scene, QLineF(x, y, x + q * length, y), pen);
            }
        }

        if (rightBarStyle == tickBarStyle) {
            if (across) {
                const double x = (originX + width) * q;
                const double y = (cell->partOffset + originY + extent) * q;
                addLine(score->scene, QLineF(x, y, x, y - q * major), nullptr);
            } else {
                const double x = (originX + width + cell->partOffset) * q;
                const double y = (originY + height) * q;
                addLine(score->scene, QLineF(x, y, x + q * major, y), nullptr);
            }
        }
    }
}
