// Score's staff beams: the stems and beam polygons of one beamed group of
// staff-notation notes, on one staff or across the staves of a part, in
// horizontal and vertical writing, and the stem end each note keeps.
//
// The four variants share one frame: "along" is the reading direction,
// "across" the other axis, both in millimetres of the scene (finalX/finalY
// of the aligned items); `sigma` is +1 where a higher pitch lies at a
// larger across value (vertical writing) and -1 where it lies at a smaller
// one (horizontal writing).
#include "glyphs/staff_glyph_support.h"
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "view/scene.h"

#include <QDebug>
#include <QGraphicsLineItem>
#include <QGraphicsPolygonItem>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace {

constexpr int stemUp = 1;
constexpr int stemDown = 2;
constexpr int tremoloSingle = 3;

enum BeamCode : int
{
    BeamBegin = 1,
    BeamEnd = 3,
    ForwardHook = 4,
    BackwardHook = 5,
};

// What every variant reads of one group.
struct Group
{
    Score *score = nullptr;
    Measure *measure = nullptr;
    int part = 0;
    int voice = 0;
    int first = 0;
    int last = 0;
    const QList<Note *> *notes = nullptr;
    bool horizontal = true;
    double sigma = -1.0; // across direction of a higher pitch
    double k = 1.0;      // scene units per mm
    double size = 0.0;   // note size, mm
    double hw = 0.0;     // head extent along, mm
    double hh = 0.0;     // head extent across, mm
    double headScale = 1.0;
    bool grace = false;
    QList<int> counted; // main notes with a stem, in order

    Note *note(int index) const { return notes->at(index); }
    // The chord's highest and lowest notes by staff step.
    Note *top(int index) const
    {
        return StaffGlyphs::chordByStep(score, measure, part, voice, index).last();
    }
    Note *bottom(int index) const
    {
        return StaffGlyphs::chordByStep(score, measure, part, voice, index).first();
    }
    bool hasItem(const Note *n) const
    {
        return measure->itemExists(part, voice, n->firstAlignItem);
    }
    QPointF final(const Note *n) const
    {
        return measure->getItemFinalPosFrame(part, voice, n->firstAlignItem);
    }
    double along(const Note *n) const
    {
        const QPointF p = final(n);
        return horizontal ? p.x() : p.y();
    }
    double across(const Note *n) const
    {
        const QPointF p = final(n);
        return horizontal ? p.y() : p.x();
    }
    double centre(const Note *n) const { return across(n) + 0.5 * hh; }
    double noteLine(const Note *n) const { return measure->getPartNoteLine(n->staff, part); }
    QPointF scene(double a, double c) const
    {
        return horizontal ? QPointF(a * k, c * k) : QPointF(c * k, a * k);
    }
};

// One note's point of the beam fit.
struct FitPoint
{
    double along = 0.0;
    double across = 0.0;
};

// A straight beam line across = base + (along - mean) x slope.
struct BeamLine
{
    double base = 0.0;
    double mean = 0.0;
    double slope = 0.0;
    double at(double along) const { return base + (along - mean) * slope; }
};

// Collects the counted notes and the head's extents for the writing
// direction of the variant. False when the group has nothing to beam.
bool openGroup(Group &g, Score *score, Measure *measure, int part, int voice, int first, int last,
               bool horizontal)
{
    g.score = score;
    g.measure = measure;
    g.part = part;
    g.voice = voice;
    g.notes = &measure->parts.at(part)->voices.at(voice)->notes;
    if (first < 0 || first >= g.notes->size())
        return false;
    g.first = first;
    g.last = std::min(last, int(g.notes->size()) - 1);
    g.horizontal = horizontal;
    g.sigma = g.horizontal ? -1.0 : 1.0;
    g.k = score->page->scaleFactor;
    g.size = score->parts.at(part)->noteFontSize;
    g.grace = g.note(first)->grace;
    for (int i = g.first; i <= g.last; i += std::max(1, g.note(i)->chordSize)) {
        const Note *n = g.note(i);
        if (n->rest || (n->grace && !g.grace) || !g.hasItem(n) || !g.hasItem(g.top(i)) ||
            !g.hasItem(g.bottom(i)))
            continue;
        g.counted.append(i);
    }
    if (g.counted.isEmpty())
        return false;
    const Note *head = g.note(g.counted.first());
    const QGraphicsItem *item = measure->getItemGraphicsItem(part, voice, head->firstAlignItem);
    if (!item)
        return false;
    const QRectF box = item->boundingRect();
    const QTransform t = item->transform();
    const double width = box.width() * t.m11() / g.k;
    const double height = box.height() * t.m22() / g.k;
    g.hw = g.horizontal ? width : height;
    g.hh = g.horizontal ? height : width;
    g.headScale = g.horizontal ? t.m11() : t.m22();
    // A head that draws nothing still needs a width for the slopes.
    if (g.hw <= 0.0)
        g.hw = 0.3 * g.size;
    return true;
}

// The point a note offers the fit: the top of an up stem's chord (no
// lower than step -7), the foot of a down stem's (no higher than step 7).
FitPoint fitPoint(const Group &g, int index, bool up)
{
    Score *score = g.score;
    FitPoint p;
    if (up) {
        Note *n = g.top(index);
        const int step = std::max(score->getStaffStep(g.measure, g.part, n), -7);
        p.across = g.noteLine(n) + score->getStaffStepOffset(g.part, step);
        p.along = g.along(n) + g.hw;
    } else {
        Note *n = g.bottom(index);
        const int step = std::min(score->getStaffStep(g.measure, g.part, n), 7);
        p.across = g.noteLine(n) + score->getStaffStepOffset(g.part, step);
        p.along = g.along(n);
        if (score->flipExistsInChord(g.measure, g.part, g.voice, index))
            p.along += g.hw;
    }
    return p;
}

// The slope among eleven candidates that fits the points best (the first
// of equal ones), through the points' means.
BeamLine fitLine(const Group &g, const QList<FitPoint> &points)
{
    BeamLine line;
    for (const FitPoint &p : points) {
        line.mean += p.along;
        line.base += p.across;
    }
    line.mean /= points.size();
    line.base /= points.size();
    double best = std::numeric_limits<double>::max();
    for (int c = -5; c <= 5; ++c) {
        const double slope = c * 0.01 * g.size / g.hw;
        double error = 0.0;
        for (const FitPoint &p : points) {
            const double e = line.base + (p.along - line.mean) * slope - p.across;
            error += e * e;
        }
        if (error < best) {
            best = error;
            line.slope = slope;
        }
    }
    return line;
}

// Along position of a note's stem: right of the head for a stem up or a
// chord with a head beyond the stem, moved by the note's own shift.
double stemAlong(const Group &g, int index, bool up)
{
    Note *n = g.note(index);
    double a = g.along(n);
    if (up || g.score->flipExistsInChord(g.measure, g.part, g.voice, index))
        a += g.hw;
    const double scale = g.horizontal ? g.score->getNoteItemScaleX(g.measure, n, g.part, g.voice)
                                      : g.score->getNoteItemScaleY(g.measure, n, g.part, g.voice);
    return a + (n->noteShiftMajor + n->noteShiftSub) * scale;
}

QPen stemPen(double width)
{
    QPen pen(Qt::black);
    pen.setWidthF(width);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// A stem or beam of the group, in the scene: tagged as ink of the group's
// first note, its box kept with the measure for the texts that settle later.
void addInk(const Group &g, QGraphicsItem *item)
{
    g.score->scene->addItem(item);
    StaffGlyphs::tagPart(g.score, item, g.measure, g.part, g.voice, g.note(g.first));
    QList<QList<QRectF>> &boxes = g.measure->looseInkBoxes;
    if (boxes.size() <= g.part)
        boxes.resize(g.part + 1);
    boxes[g.part].append(item->sceneBoundingRect());
}

void addStem(const Group &g, double along, double from, double to, bool up, const QPen &pen)
{
    // The stem's edge, not its middle, lies on the head's side.
    const double half = 0.5 * pen.widthF() / g.k;
    const double a = up ? along - half : along + half;
    auto *line = new QGraphicsLineItem(QLineF(g.scene(a, from), g.scene(a, to)));
    line->setPen(pen);
    addInk(g, line);
}

void addPolygon(const Group &g, const QList<QPointF> &points)
{
    QPolygonF polygon;
    for (const QPointF &p : points)
        polygon << g.scene(p.x(), p.y());
    polygon << polygon.first();
    auto *item = new QGraphicsPolygonItem(polygon);
    QPen outline(Qt::black);
    outline.setWidthF(0.0);
    outline.setCapStyle(Qt::FlatCap);
    item->setPen(outline);
    item->setBrush(QBrush(Qt::black, Qt::SolidPattern));
    addInk(g, item);
}

void addGraceSlash(const Group &g, double along, double end, double d, const QPen &pen)
{
    const double s = g.size;
    auto *line = new QGraphicsLineItem(QLineF(g.scene(along - 0.13 * s, end - d * 0.338 * s),
                                              g.scene(along + 0.13 * s, end + d * 0.078 * s)));
    line->setPen(pen);
    addInk(g, line);
}

// The beams of one note at every level. `edge(level)` is the across value
// of the level's edge at the stem, `band` the signed thickness from it;
// full beams run from the level's begin to its end, hooks one head long.
class LevelDrawer
{
public:
    explicit LevelDrawer(const Group &g, double slope) : m_group(g), m_slope(slope) {}

    template <class Edge> void draw(int index, double along, Edge edge, double band)
    {
        const Note *n = m_group.note(index);
        const double hw = m_group.hw;
        for (int level = 0; level < Note::levelCount; ++level) {
            const double c = edge(level);
            const QPointF here(along, c);
            int code = n->beamTypes.at(level);
            // A hook can only point forward from either end of the group.
            if (code == ForwardHook && index != m_group.first && index != m_group.last)
                code = BackwardHook;
            switch (code) {
            case BeamBegin:
                m_start[level] = here;
                break;
            case BeamEnd:
                if (m_start[level]) {
                    band4(*m_start[level], here, band);
                    m_start[level].reset();
                }
                break;
            case ForwardHook:
                band4(here, QPointF(along + hw, c + m_slope * hw), band);
                break;
            case BackwardHook:
                band4(QPointF(along - hw, c - m_slope * hw), here, band);
                break;
            default:
                break;
            }
        }
    }

private:
    void band4(const QPointF &from, const QPointF &to, double band)
    {
        addPolygon(m_group,
                   {from, to, QPointF(to.x(), to.y() + band), QPointF(from.x(), from.y() + band)});
    }

    const Group &m_group;
    double m_slope;
    std::array<std::optional<QPointF>, Note::levelCount> m_start;
};

// Stack height of the beams beyond the first edge, note sizes.
double stackHeight(int type, double t, double g)
{
    switch (type) {
    case 8:
        return 0.2 + t;
    case 16:
        return 2 * t + g;
    case 32:
        return 3 * t + 2 * g;
    case 64:
        return 4 * t + 3 * g;
    case 128:
        return 5 * t + 4 * g;
    default:
        return 0.0;
    }
}

// One staff: every stem points the first note's way.
void drawSingleStaff(Group &g)
{
    const int direction = g.note(g.first)->stemShown;
    if (direction != stemUp && direction != stemDown)
        return;
    const bool up = direction == stemUp;
    const double size = g.size;
    const double t = g.grace ? 0.07 : 0.12;
    const double gap = g.grace ? 0.055 : 0.07;
    // Across direction from a head toward its beam.
    const double d = up ? g.sigma : -g.sigma;

    QList<FitPoint> points;
    int largestType = 0;
    for (int i : std::as_const(g.counted)) {
        points.append(fitPoint(g, i, up));
        largestType = std::max(largestType, g.note(i)->noteType);
    }
    const BeamLine beam = fitLine(g, points);
    const double stack = stackHeight(largestType, t, gap);

    // Clearance: how far the nearest head leaves the beam line.
    double nearest = std::numeric_limits<double>::max();
    int strokes = 0;
    const Note *lastVisited = nullptr;
    auto visit = [&](const Note *n, double along) {
        nearest = std::min(nearest, d * (beam.at(along) - g.centre(n)));
        if (n->tremoloType == tremoloSingle)
            strokes = std::max(strokes, n->tremoloMarks);
        lastVisited = n;
    };
    if (up) {
        for (int i = g.first; i <= g.last; ++i) {
            const Note *n = g.note(i);
            if (n->rest || (n->grace && !g.grace) || !g.hasItem(n))
                continue;
            visit(n, g.along(n) + g.hw);
        }
    } else {
        for (int c = 0; c < g.counted.size(); ++c)
            visit(g.bottom(g.counted.at(c)), points.at(c).along);
    }
    const double clearance = nearest + 0.5 * size;
    const bool shortStems = g.horizontal ? lastVisited && lastVisited->grace : g.grace;
    const double factor = shortStems ? 3.5 : 4.0;
    const double reach = 2 * factor * 0.125 * size - clearance + (0.14 * strokes + stack) * size;

    const QPen pen = stemPen(1.3 * g.headScale);
    LevelDrawer levels(g, beam.slope);
    for (int i : std::as_const(g.counted)) {
        Note *n = g.note(i);
        const double along = stemAlong(g, i, up);
        const double end = beam.at(along) + d * reach;
        double start = 0.0;
        if (g.horizontal)
            start = up ? g.across(g.bottom(i)) + 0.1 * size
                       : g.across(g.top(i)) + (g.grace ? 0.125 : 0.185) * size;
        else
            start = up ? g.across(g.bottom(i)) + 0.164 * size : g.across(g.top(i)) + 0.1 * size;
        n->stemEnd = end - g.noteLine(n);
        addStem(g, along, start, end, up, pen);
        if (i == g.first && n->graceSlash)
            addGraceSlash(g, along, end, d, pen);
        levels.draw(
            i, along, [&](int level) { return end - d * level * (t + gap) * size; }, -d * t * size);
    }
}

// Several staves: each stem points its own way, the beams lie between.
void drawCrossStaff(Group &g)
{
    const double size = g.size;
    const double t = g.grace ? 0.07 : 0.12;
    const double gap = g.grace ? 0.055 : 0.07;
    const double thick = (g.horizontal ? t : 0.07) * size;
    const double step = (g.horizontal ? t + gap : 0.125) * size;

    QList<FitPoint> points;
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    for (int i : std::as_const(g.counted)) {
        const FitPoint p = fitPoint(g, i, g.note(i)->stemShown == stemUp);
        points.append(p);
        low = std::min(low, p.across);
        high = std::max(high, p.across);
    }
    BeamLine beam = fitLine(g, points);
    beam.base = 0.5 * (low + high);
    const int firstStem = g.note(g.first)->stemShown;
    const double lift = g.horizontal ? 2 * t * size : 0.14 * size;
    if (firstStem == stemUp)
        beam.base += g.sigma * lift;
    else if (firstStem == stemDown)
        beam.base -= g.sigma * lift;
    // The first level's edge toward the higher pitch.
    auto topEdge = [&](double along) {
        return beam.at(along) + (g.horizontal ? g.sigma * t * size : 0.0);
    };

    const double penWidth = 0.25 * size * g.headScale;
    const QPen pen = stemPen(penWidth);
    LevelDrawer levels(g, beam.slope);
    for (int i : std::as_const(g.counted)) {
        Note *n = g.note(i);
        const bool up = n->stemShown == stemUp;
        const double along = stemAlong(g, i, up);
        const double edge = topEdge(along);
        double start = 0.0;
        double end = edge;
        if (up) {
            start = g.across(g.bottom(i)) + (g.horizontal ? 0.1 : 0.18) * size;
        } else {
            start = g.across(g.top(i)) + (g.horizontal ? (g.grace ? 0.125 : 0.185) : 0.09) * size;
            end = edge - g.sigma * ((Note::beamLevelsOfType(n->noteType) - 1) * step + thick);
        }
        n->stemEnd = (g.horizontal ? edge : end) - g.noteLine(n);
        addStem(g, along, start, end, up, pen);
        if (i == g.first && n->graceSlash)
            addGraceSlash(g, along, end, up ? g.sigma : -g.sigma, pen);
        levels.draw(
            i, along, [&](int level) { return edge - g.sigma * level * step; }, -g.sigma * thick);
    }
}

} // namespace

void Score::addStaffBeam(Measure *measure, int part, int voice, int first, int last)
{
    const QList<Note *> &notes = measure->parts.at(part)->voices.at(voice)->notes;
    if (first < 0 || first >= notes.size())
        return;
    const int staff = notes.at(first)->staff;
    bool cross = false;
    for (int i = first + 1; i <= last && i < notes.size(); ++i)
        cross = cross || notes.at(i)->staff != staff;
    if (page->horizontal) {
        if (cross)
            addStaffBeamCrossH(measure, part, voice, first, last);
        else
            addStaffBeamH(measure, part, voice, first, last);
    } else if (cross) {
        addStaffBeamCrossV(measure, part, voice, first, last);
    } else {
        addStaffBeamV(measure, part, voice, first, last);
    }
}

void Score::addStaffBeamH(Measure *measure, int part, int voice, int first, int last)
{
    Group g;
    if (openGroup(g, this, measure, part, voice, first, last, true))
        drawSingleStaff(g);
}

void Score::addStaffBeamV(Measure *measure, int part, int voice, int first, int last)
{
    Group g;
    if (openGroup(g, this, measure, part, voice, first, last, false))
        drawSingleStaff(g);
}

void Score::addStaffBeamCrossH(Measure *measure, int part, int voice, int first, int last)
{
    Group g;
    if (openGroup(g, this, measure, part, voice, first, last, true))
        drawCrossStaff(g);
}

void Score::addStaffBeamCrossV(Measure *measure, int part, int voice, int first, int last)
{
    Group g;
    if (openGroup(g, this, measure, part, voice, first, last, false))
        drawCrossStaff(g);
}

bool Score::flipExistsInChord(Measure *measure, int part, int voice, int note) const
{
    const QList<Note *> &notes = measure->parts.at(part)->voices.at(voice)->notes;
    const Note *main = notes.at(note);
    if (main->chordIndex != 0) {
        qDebug().noquote() << "flipExistsInChord illegal note is given: this is chord note!";
        return false;
    }
    const int end = std::min(note + std::max(main->chordSize, 1), int(notes.size()));
    for (int i = note; i < end; ++i) {
        if (notes.at(i)->headShifted)
            return true;
    }
    return false;
}
