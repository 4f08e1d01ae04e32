#include "drawing/mytextitem.h"

#include "drawing/temponotes.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QScreen>
#include <QStyleOptionGraphicsItem>

#include <algorithm>

namespace {

// The resolution at which fonts without a device are measured: the one
// boundingRect and the scene's text sizes rest on.
int sceneDpi()
{
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi))
        return 96;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return qRound(screen->logicalDotsPerInchY());
    return 96;
}

} // namespace

MyTextItem::MyTextItem(const QString &text, bool vertical)
    : QGraphicsItem(nullptr), text(text), vertical(vertical)
{
    // One list shared by every item: a long score has tens of thousands of
    // lyric items, and a list of their own would cost each an allocation.
    static const QStringList shared = {
        QStringLiteral("ê"), QStringLiteral("ë"), QStringLiteral("í"), QStringLiteral("î"),
        QStringLiteral("ï"), QStringLiteral("ý"), QStringLiteral("þ")};
    halfAdvanceChars = shared;
}

void MyTextItem::setFont(const QFont &newFont)
{
    prepareGeometryChange();
    font = newFont;
}

void MyTextItem::setVertical(bool on)
{
    prepareGeometryChange();
    vertical = on;
}

bool MyTextItem::isRotatedChar(int index) const
{
    if (index < 0 || index >= text.size())
        return false;
    return halfAdvanceChars.contains(QString(text.at(index)));
}

QRectF MyTextItem::boundingRect() const
{
    const QFontMetrics metrics(font);
    if (!vertical) {
        // A text across keeps its line breaks: one line below another.
        const QStringList lines = text.split(QLatin1Char('\n'));
        double widest = 0;
        for (const QString &line : lines)
            widest = std::max(widest, lineWidth(line));
        return QRectF(0.0, 0.0, widest, double(metrics.height()) * lines.size());
    }
    // A character beyond the basic plane takes two places in the string.
    const qsizetype lowSurrogates =
        std::count_if(text.cbegin(), text.cend(), [](QChar c) { return c.isLowSurrogate(); });
    return QRectF(0.0, 0.0, metrics.horizontalAdvance(QStringLiteral("あ")),
                  double(metrics.height()) * (text.size() - lowSurrogates));
}

QList<QPointF> MyTextItem::characterOrigins() const
{
    const QFontMetrics metrics(font);
    const int lineHeight = metrics.height();
    if (!vertical) {
        // Each line's baseline a font ascent below its top, so that the
        // descenders stay inside the box that layout keeps clear.
        QList<QPointF> lines;
        for (qsizetype i = 0, n = text.count(QLatin1Char('\n')) + 1; i < n; ++i)
            lines.append(QPointF(0.0, lineHeight * i + metrics.ascent()));
        return lines;
    }
    QList<QPointF> origins;
    int y = lineHeight;
    int index = 0; // position in `text`, counting the blanks between words
    const QStringList words = text.split(QLatin1Char(' '));
    for (const QString &word : words) {
        for (int i = 0; i < word.size(); ++i, ++index) {
            if (word.at(i).isLowSurrogate())
                continue; // the second half of the character before
            origins.append(QPointF(0.0, y));
            y += isRotatedChar(index) ? int(lineHeight / 2.0) : lineHeight;
        }
        ++index; // the blank
        y += int(0.2 * lineHeight);
    }
    return origins;
}

void MyTextItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    const QBrush oldBrush = painter->brush();
    const QPen oldPen = painter->pen();
    const bool selected = option->state & QStyle::State_Selected;
    painter->setPen(selected ? QColor(0, 100, 200) : QColor(Qt::black));
    painter->setFont(deviceFont(painter->device()));
    const QList<QPointF> origins = characterOrigins();
    if (!vertical) {
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i)
            paintLine(painter, origins.at(i), lines.at(i));
    } else {
        const QFontMetricsF metrics(font);
        const double column = metrics.horizontalAdvance(QStringLiteral("\u3042"));
        int index = 0;
        for (int i = 0; i < text.size(); ++i) {
            if (text.at(i) == QLatin1Char(' '))
                continue;
            // A character beyond the basic plane is drawn from both halves.
            const int length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const QString character = text.mid(i, length);
            const QPointF origin = origins.at(index++);
            const int value = TempoNotes::noteValue(character.toUcs4().value(0));
            if (value >= 0) {
                // A note value stands in the middle of its place.
                const TempoNotes::Run note{character, value, 0};
                const double left = 0.5 * (column - TempoNotes::noteAdvance(note, metrics));
                painter->fillPath(TempoNotes::notePath(note, metrics).translated(
                                      origin + QPointF(left, 0.0)),
                                  painter->pen().color());
            } else {
                painter->drawText(origin, character);
            }
            i += length - 1;
        }
    }
    painter->setBrush(oldBrush);
    painter->setPen(oldPen);
}

double MyTextItem::lineWidth(const QString &line) const
{
    if (!TempoNotes::containsNote(line))
        return QFontMetrics(font).horizontalAdvance(line);
    return TempoNotes::lineAdvance(line, QFontMetricsF(font));
}

void MyTextItem::paintLine(QPainter *painter, QPointF origin, const QString &line) const
{
    if (!TempoNotes::containsNote(line)) {
        painter->drawText(origin, line);
        return;
    }
    // Plain pieces by the font, note values by their own drawing, all on
    // the line's baseline.
    const QFontMetricsF metrics(font);
    for (const TempoNotes::Run &run : TempoNotes::runs(line)) {
        if (run.value < 0) {
            painter->drawText(origin, run.text);
            origin.rx() += metrics.horizontalAdvance(run.text);
        } else {
            painter->fillPath(TempoNotes::notePath(run, metrics).translated(origin),
                              painter->pen().color());
            origin.rx() += TempoNotes::noteAdvance(run, metrics);
        }
    }
}

QFont MyTextItem::deviceFont(const QPaintDevice *device) const
{
    // A point size resolves by the device's resolution; a PDF or SVG
    // device would draw the text larger or smaller than the scene measured
    // it. Pixel sizes are scene units already.
    QFont drawn = font;
    const int dpi = device ? device->logicalDpiY() : 0;
    if (font.pixelSize() <= 0 && dpi > 0 && dpi != sceneDpi())
        drawn.setPointSizeF(font.pointSizeF() * sceneDpi() / dpi);
    return drawn;
}
