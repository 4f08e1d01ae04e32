// Score's bar lines: the bar lines and repeat signs at both ends of a
// measure, the plain bar lines the page asks for, their line and dot
// primitives, and the straight beam line. Arguments are millimetres; the
// items (scene units) go to the scene.
#include "drawing/linetags.h"
#include "layout/aligner.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "view/scene.h"

#include <QBrush>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QPen>

namespace {

constexpr double barLineZ = -20.0;

// Bar styles as read from the barline element.
enum BarStyle : int
{
    LightHeavy = 1,
    LightLight = 2,
    HeavyLight = 3,
    Dotted = 4,
    Dashed = 5,
    Tick = 6,
};

// Pen kinds of the line primitives.
enum BarPen : int
{
    NoBarPen = 0,
    PlainBarPen = 1,
    DashedBarPen = 2,
    DottedBarPen = 3,
    ThinBarPen = 4,
};

QPen barLinePen(const Score *score, bool thick, int kind)
{
    const Style *style = score->style;
    double width = 0.3 * style->measureBarLineWidth;
    Qt::PenStyle penStyle = Qt::SolidLine;
    if (thick) {
        width = 0.3 * style->measureThickLineWidth;
    } else if (kind == NoBarPen) {
        penStyle = Qt::NoPen;
    } else if (kind == DashedBarPen) {
        penStyle = Qt::DashLine;
    } else if (kind == DottedBarPen) {
        penStyle = Qt::DotLine;
    } else if (kind == ThinBarPen) {
        width = 0.3 * style->measureThinLineWidth;
    }
    QPen pen(QBrush(QColor(0, 0, 0, 255)), width * score->page->scaleFactor, penStyle,
             Qt::SquareCap, Qt::BevelJoin);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// Where one part's bar lines run across the reading direction, and the
// size that scales its bar-line widths.
struct PartBar
{
    double from = 0.0;
    double to = 0.0;
    double size = 0.0;
};

PartBar partBarOf(const Score *score, const Measure *m, int part)
{
    const Part *p = score->parts.at(part);
    PartBar bar;
    if (p->notationStyle != NotationStyle::StaffNotation) {
        bar.size = score->maxNoteSize;
        const double centre = m->getStaffLinePos(0, part);
        const double extent = m->parts.at(part)->partExtent;
        bar.from = centre - extent / 2;
        bar.to = centre + extent / 2;
        return bar;
    }
    bar.size = p->noteFontSize;
    const double first = m->getPartNoteLine(0, part);
    const double last = m->getPartNoteLine(p->staffCount - 1, part);
    // Vertical writing counts staves from the right.
    const double half = score->page->horizontal ? bar.size / 2 : -bar.size / 2;
    bar.from = first - half;
    bar.to = last + half;
    return bar;
}

} // namespace

bool Score::genMeasureBarLines(Measure *m, bool leftDrawn)
{
    const bool horizontal = page->horizontal;
    const Style *st = style;
    const double start = (horizontal ? m->originX : m->originY) + m->aligner->signatureX();
    const double end = horizontal ? m->originX + m->width : m->originY + m->height;
    const double thick = st->measureThickLineWidth;
    const double spacing = st->measureDoubleLineSpacing;
    const double dotOffset = st->measureRepeatDotOffset;
    bool result = false;

    for (int p = 0; p < parts.size() && p < m->parts.size(); ++p) {
        const Part *part = parts.at(p);
        // A collapsed cell has no band to draw across.
        if (!part->partOutput || m->parts.at(p)->collapsed)
            continue;
        const bool staff = part->notationStyle == NotationStyle::StaffNotation;
        if (staff && part->staffCount < 1)
            continue;
        const PartBar bar = partBarOf(this, m, p);
        const double u = 0.06 * bar.size;
        // The lines drawn on the side of a repeat belong to its sign.
        bool repeatSide = m->leftRepeat != 0;
        auto line = [&](bool isThick, int kind, double along) {
            QGraphicsItem *item =
                horizontal ? drawBarLineVertical(isThick, kind, along, bar.from, bar.to)
                           : drawBarLineHorizontal(isThick, kind, along, bar.from, bar.to);
            if (repeatSide)
                item->setData(LineTags::TagRepeatSign, true);
        };

        bool leftLine = leftDrawn;
        if (m->leftBarline) {
            leftLine = true;
            switch (m->leftBarStyle) {
            case LightLight:
                line(false, ThinBarPen, start);
                line(false, ThinBarPen, start + u * spacing);
                break;
            case HeavyLight:
                line(true, 0, start + 0.5 * u * thick);
                line(false, ThinBarPen, start + (thick + spacing) * u);
                break;
            case Dotted:
                line(false, DottedBarPen, start);
                break;
            case Dashed:
                line(false, DashedBarPen, start);
                break;
            case Tick:
                line(false, NoBarPen, start);
                break;
            default:
                leftLine = leftDrawn;
                break;
            }
        }

        // Repeat dots on both sides of each staff's middle line.
        double r = 0.125 * part->noteFontSize * st->measureRepeatDotRadius;
        double h = part->noteFontSize * 0.06 * st->measureRepeatDotSeparation * bar.size;
        double radius = st->measureRepeatDotRadius;
        if (staff) {
            r = 0.125 * bar.size * 0.375;
            h = 0.125 * bar.size;
            radius = 0.375;
        }
        auto dots = [&](double along) {
            for (int k = 0; k < part->staffCount; ++k) {
                const double middle = m->getPartNoteLine(k, p);
                for (const double across : {middle - h - r, middle + h - r}) {
                    QGraphicsItem *dot = horizontal ? drawRepeatDot(along, across, r)
                                                    : drawRepeatDot(across, along, r);
                    dot->setData(LineTags::TagRepeatSign, true);
                }
            }
        };
        if (m->leftRepeat != 0)
            dots(start + (thick + spacing + dotOffset - 2 * radius) * u);

        repeatSide = m->shownRightRepeat != 0;
        if (m->shownRightBarline) {
            bool drawn = true;
            switch (m->shownRightBarStyle) {
            case LightLight:
                line(false, ThinBarPen, end);
                line(false, ThinBarPen, end - u * spacing);
                break;
            case LightHeavy:
                line(true, 0, end - 0.5 * u * thick);
                line(false, ThinBarPen, end - (thick + spacing) * u);
                break;
            case Dotted:
                line(false, DottedBarPen, end);
                break;
            case Dashed:
                line(false, DashedBarPen, end);
                break;
            case Tick:
                line(false, NoBarPen, end);
                break;
            default:
                drawn = false;
                break;
            }
            if (drawn && !measureEndsLine(m))
                result = true;
        }
        if (m->shownRightRepeat != 0)
            dots(end - (thick + spacing + dotOffset + 2 * radius) * u);

        repeatSide = false;
        if (page->measureDisplayBarline) {
            if (!leftLine)
                line(false, PlainBarPen, start);
            // A line's end is always closed, whatever bar line it has.
            if (measureEndsLine(m))
                line(false, PlainBarPen, end);
        }
    }
    return result;
}

QGraphicsItem *Score::drawBarLineVertical(bool thick, int kind, double x, double y1, double y2)
{
    const double s = page->scaleFactor;
    auto *line = new QGraphicsLineItem(x * s, y1 * s, x * s, y2 * s);
    line->setPen(barLinePen(this, thick, kind));
    line->setZValue(barLineZ);
    scene->addItem(line);
    return line;
}

QGraphicsItem *Score::drawBarLineHorizontal(bool thick, int kind, double y, double x1, double x2)
{
    const double s = page->scaleFactor;
    auto *line = new QGraphicsLineItem(x1 * s, y * s, x2 * s, y * s);
    line->setPen(barLinePen(this, thick, kind));
    line->setZValue(barLineZ);
    scene->addItem(line);
    return line;
}

QGraphicsItem *Score::drawRepeatDot(double x, double y, double r)
{
    const double s = page->scaleFactor;
    auto *dot = new QGraphicsEllipseItem(x * s, y * s, 2 * r * s, 2 * r * s);
    dot->setBrush(QBrush(Qt::black));
    QPen pen(Qt::black);
    pen.setWidth(0);
    dot->setPen(pen);
    scene->addItem(dot);
    return dot;
}

void Score::drawBeamLine(int n, bool horizontal, double offset, double from, double to)
{
    const double s = page->scaleFactor;
    const double q = (n * style->beamLineSpacing + offset) * s;
    QPen pen(QBrush(Qt::black), style->beamLineWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    pen.setCapStyle(Qt::FlatCap);
    auto *line = horizontal ? new QGraphicsLineItem(from * s, q, to * s, q)
                            : new QGraphicsLineItem(q, from * s, q, to * s);
    line->setPen(pen);
    scene->addItem(line);
}
