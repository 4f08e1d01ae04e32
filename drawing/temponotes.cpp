#include "drawing/temponotes.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

namespace {

// Proportions of the cap height.
constexpr double headWidth = 0.62;
constexpr double headHeight = 0.44;
constexpr double openHeadWidth = 0.82; // whole and breve
constexpr double headTilt = -20.0;     // degrees
constexpr double stemWidth = 0.075;
constexpr double stemTop = 1.2; // above the baseline
constexpr double flagReach = 0.42;
constexpr double flagDrop = 0.55;
constexpr double flagPitch = 0.2;
constexpr double dotRadius = 0.085;
constexpr double dotPitch = 0.3;
constexpr double dotAir = 0.16;
constexpr double sideBearing = 0.08;

double capOf(const QFontMetricsF &metrics)
{
    const double cap = metrics.capHeight();
    return cap > 0.0 ? cap : 0.7 * metrics.ascent();
}

bool isDot(QChar c)
{
    return c == QLatin1Char('.');
}

int flagCount(int value)
{
    return std::max(0, value - 3);
}

double headWidthOf(int value)
{
    return value <= 1 ? openHeadWidth : headWidth;
}

// The stem's left edge, in cap heights from the run's start.
double stemLeft(int value)
{
    return sideBearing + headWidthOf(value) - stemWidth;
}

// The right end of the note's ink before its dots, in cap heights.
double inkRight(int value)
{
    double right = sideBearing + headWidthOf(value);
    if (flagCount(value) > 0)
        right = stemLeft(value) + stemWidth + flagReach;
    return right;
}

// Where the first dot's centre stands, in cap heights: beside the head,
// or past the flags when they reach down to the head's height.
double firstDotCentre(int value)
{
    double left = sideBearing + headWidthOf(value) + dotAir;
    if (flagCount(value) >= 3)
        left = inkRight(value) + dotAir;
    return left + dotRadius;
}

QPainterPath ellipse(QPointF centre, double rx, double ry, double degrees)
{
    QPainterPath path;
    path.addEllipse(QPointF(0.0, 0.0), rx, ry);
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(degrees);
    return turn.map(path);
}

QPainterPath head(int value, double c)
{
    const double rx = 0.5 * headWidthOf(value) * c;
    const double ry = 0.5 * headHeight * c;
    const QPointF centre((sideBearing + 0.5 * headWidthOf(value)) * c, -ry);
    if (value >= 3)
        return ellipse(centre, rx, ry, headTilt);
    // An open head: its hole runs the other way round, so that the stem
    // drawn over it under the winding rule stays ink.
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    if (value == 2) {
        path.addPath(ellipse(centre, rx, ry, headTilt));
        path.addPath(ellipse(centre, 0.78 * rx, 0.42 * ry, headTilt - 10.0).toReversed());
        return path;
    }
    // Whole and breve: an open oval, its hole turned against the writing.
    path.addPath(ellipse(centre, rx, 1.05 * ry, 0.0));
    path.addPath(ellipse(centre, 0.45 * rx, 0.72 * ry, 50.0).toReversed());
    if (value == 0) {
        const double bar = stemWidth * c;
        const double top = centre.y() - 1.4 * ry;
        const double height = 2.8 * ry;
        for (const double x : {centre.x() - rx - 2.5 * bar, centre.x() - rx - 1.2 * bar,
                               centre.x() + rx + 0.2 * bar, centre.x() + rx + 1.5 * bar})
            path.addRect(QRectF(x, top, bar, height));
    }
    return path;
}

QPainterPath stemAndFlags(int value, double c, double top)
{
    QPainterPath path;
    if (value < 2)
        return path;
    const double x = stemLeft(value) * c;
    const double w = stemWidth * c;
    const double headMiddle = -0.5 * headHeight * c;
    path.addRect(QRectF(x, top, w, headMiddle - top));
    for (int i = 0; i < flagCount(value); ++i) {
        const double y = top + i * flagPitch * c;
        const double right = x + w + flagReach * c;
        QPainterPath flag;
        flag.moveTo(x + w, y);
        flag.cubicTo(x + w + 0.1 * c, y + 0.22 * c, right + 0.05 * c, y + 0.25 * c,
                     right - 0.05 * c, y + flagDrop * c);
        flag.cubicTo(right - 0.08 * c, y + 0.38 * c, x + w + 0.1 * c, y + 0.3 * c, x + w,
                     y + 0.22 * c);
        flag.closeSubpath();
        path.addPath(flag);
    }
    return path;
}

} // namespace

namespace TempoNotes {

int noteValue(char32_t c)
{
    switch (c) {
    case 0x1D15C: // breve
        return 0;
    case 0x1D15D: // whole
        return 1;
    case 0x1D15E: // half
        return 2;
    case 0x2669: // quarter
    case 0x1D15F:
        return 3;
    case 0x266A: // eighth
    case 0x1D160:
        return 4;
    case 0x1D161:
        return 5;
    case 0x1D162:
        return 6;
    case 0x1D163:
        return 7;
    default:
        return -1;
    }
}

bool containsNote(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() == 0x2669 || c.unicode() == 0x266A)
            return true;
        if (c.isHighSurrogate() && i + 1 < text.size() &&
            noteValue(QChar::surrogateToUcs4(c, text.at(i + 1))) >= 0)
            return true;
    }
    return false;
}

QList<Run> runs(const QString &line)
{
    QList<Run> out;
    QString plain;
    for (qsizetype i = 0; i < line.size();) {
        const QChar c = line.at(i);
        const bool pair = c.isHighSurrogate() && i + 1 < line.size();
        const char32_t ucs4 = pair ? QChar::surrogateToUcs4(c, line.at(i + 1)) : c.unicode();
        const int length = pair ? 2 : 1;
        const int value = noteValue(ucs4);
        if (value < 0) {
            plain += line.mid(i, length);
            i += length;
            continue;
        }
        if (!plain.isEmpty())
            out.append({plain, -1, 0});
        plain.clear();
        Run note{line.mid(i, length), value, 0};
        i += length;
        while (i < line.size() && isDot(line.at(i))) {
            note.text += line.at(i);
            ++note.dots;
            ++i;
        }
        out.append(note);
    }
    if (!plain.isEmpty())
        out.append({plain, -1, 0});
    return out;
}

double noteAdvance(const Run &run, const QFontMetricsF &metrics)
{
    const double c = capOf(metrics);
    double right = inkRight(run.value);
    if (run.dots > 0)
        right = std::max(right, firstDotCentre(run.value) + (run.dots - 1) * dotPitch + dotRadius);
    return (right + sideBearing) * c;
}

QPainterPath notePath(const Run &run, const QFontMetricsF &metrics)
{
    const double c = capOf(metrics);
    // The stem reaches a little above the capitals, never past the line's
    // ascent.
    const double top = -std::min(stemTop * c, 0.95 * metrics.ascent());
    QPainterPath path = head(run.value, c);
    path.setFillRule(Qt::WindingFill);
    path.addPath(stemAndFlags(run.value, c, top));
    const double dotY = -0.5 * headHeight * c;
    for (int i = 0; i < run.dots; ++i)
        path.addEllipse(QPointF((firstDotCentre(run.value) + i * dotPitch) * c, dotY),
                        dotRadius * c, dotRadius * c);
    return path;
}

double lineAdvance(const QString &line, const QFontMetricsF &metrics)
{
    double width = 0.0;
    for (const Run &run : runs(line))
        width += run.value < 0 ? metrics.horizontalAdvance(run.text) : noteAdvance(run, metrics);
    return width;
}

} // namespace TempoNotes
