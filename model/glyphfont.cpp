#include "model/glyphfont.h"

#include "model/glyphoutline.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRawFont>

#include <cmath>

namespace {

const QString noteFontRoot = QStringLiteral(":/notefonts/");

bool isBlack(const QColor &color)
{
    return color.alpha() == 255 && color.red() == 0 && color.green() == 0 && color.blue() == 0;
}

// The closed contours of `path`, one path each.
QList<QPainterPath> subpaths(const QPainterPath &path)
{
    QList<QPainterPath> parts;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element &e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            parts.append(QPainterPath(QPointF(e.x, e.y)));
            break;
        case QPainterPath::LineToElement:
            parts.last().lineTo(e.x, e.y);
            break;
        case QPainterPath::CurveToElement:
            parts.last().cubicTo(e.x, e.y, path.elementAt(i + 1).x, path.elementAt(i + 1).y,
                                 path.elementAt(i + 2).x, path.elementAt(i + 2).y);
            i += 2;
            break;
        case QPainterPath::CurveToDataElement:
            break; // consumed with its curve
        }
    }
    return parts;
}

double signedArea(const QPolygonF &polygon)
{
    double twice = 0.0;
    for (int i = 0; i < polygon.size(); ++i) {
        const QPointF &a = polygon.at(i);
        const QPointF &b = polygon.at((i + 1) % polygon.size());
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return twice / 2.0;
}

// Appends the contours of one filled area to `all`, turned so that under
// the nonzero rule the area is covered once more wherever it covers.
// An even-odd area's contours turn by how deeply they nest; a nonzero
// area's contours already agree with each other and turn together, by the
// direction of the largest.
void appendTurned(QPainterPath &all, const QPainterPath &area)
{
    const QList<QPainterPath> parts = subpaths(area);
    QList<QPolygonF> polygons;
    QList<double> areas;
    int largest = -1;
    for (const QPainterPath &part : parts) {
        polygons.append(part.toFillPolygon());
        areas.append(signedArea(polygons.last()));
        if (largest < 0 || std::abs(areas.last()) > std::abs(areas.at(largest)))
            largest = int(areas.size()) - 1;
    }
    const bool evenOdd = area.fillRule() == Qt::OddEvenFill;
    for (int i = 0; i < parts.size(); ++i) {
        if (areas.at(i) == 0.0 || polygons.at(i).isEmpty())
            continue; // encloses nothing
        bool positive = true;
        if (evenOdd) {
            int depth = 0;
            for (int j = 0; j < parts.size(); ++j)
                depth +=
                    j != i && polygons.at(j).containsPoint(polygons.at(i).first(), Qt::OddEvenFill);
            positive = depth % 2 == 0;
        } else {
            positive = areas.at(largest) > 0.0 ? areas.at(i) > 0.0 : areas.at(i) < 0.0;
        }
        all.addPath((areas.at(i) > 0.0) == positive ? parts.at(i) : parts.at(i).toReversed());
    }
}

struct Entry
{
    int index = -1;
    QByteArray fingerprint;
};

// Lines of "font key \t glyph id \t glyph index \t fingerprint".
QHash<QString, Entry> loadTable()
{
    QHash<QString, Entry> table;
    QFile file(GlyphFont::tablePath());
    if (!file.open(QIODevice::ReadOnly))
        return table;
    // Read whole and split here: a line read from a resource reserves the
    // rest of the file each time, which the sanitizers' allocator fills and
    // faults in line by line.
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.trimmed().split('\t');
        if (fields.size() != 4)
            continue;
        const QString key =
            QString::fromUtf8(fields.at(0)) + QLatin1Char('\t') + QString::fromUtf8(fields.at(1));
        table.insert(key, {fields.at(2).toInt(), fields.at(3)});
    }
    return table;
}

const QHash<QString, Entry> &table()
{
    static const QHash<QString, Entry> loaded = loadTable();
    return loaded;
}

// Made once and never freed: its font engine must not outlive the
// application's font database, which a static's destructor would risk.
const QRawFont *rawFont()
{
    static const QRawFont *font = [] {
        if (!QGuiApplication::instance())
            return new QRawFont();
        const int id = QFontDatabase::addApplicationFont(GlyphFont::fontPath());
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty())
            return new QRawFont();
        // Through the font database, not from the file's bytes: only a font
        // that knows its file is embedded by the PDF writer; others are
        // written as outlines.
        QFont font(families.first());
        font.setPixelSize(GlyphFont::UnitsPerEm / GlyphFont::UnitsPerGlyphUnit);
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setStyleStrategy(QFont::NoFontMerging);
        return new QRawFont(QRawFont::fromFont(font));
    }();
    return font;
}

} // namespace

QString GlyphFont::fontPath()
{
    return QStringLiteral(":/glyphfont/VelmoraGlyphs.ttf");
}

QString GlyphFont::tablePath()
{
    return QStringLiteral(":/glyphfont/VelmoraGlyphs.tsv");
}

bool GlyphFont::strokeInFont(const GlyphOutline::Shape &shape)
{
    return shape.pen.style() == Qt::SolidLine && !shape.pen.isCosmetic() &&
           isBlack(shape.pen.color());
}

QPainterPath GlyphFont::contours(const GlyphOutline &outline)
{
    if (!outline.exists() || !outline.simple() || outline.size().width() > LargestGlyphUnits ||
        outline.size().height() > LargestGlyphUnits)
        return QPainterPath();
    QPainterPath all;
    all.setFillRule(Qt::WindingFill);
    for (const GlyphOutline::Shape &shape : outline.shapes()) {
        if (shape.pen.style() == Qt::NoPen) {
            if (!isBlack(shape.brush.color()))
                return QPainterPath();
            appendTurned(all, shape.path);
        } else if (strokeInFont(shape)) {
            QPainterPathStroker stroker(shape.pen);
            QPainterPath stroke = shape.transform.map(stroker.createStroke(shape.path));
            stroke.setFillRule(Qt::WindingFill);
            appendTurned(all, stroke);
        }
    }
    return all;
}

QByteArray GlyphFont::fingerprint(const QPainterPath &contours)
{
    QByteArray text;
    text.reserve(contours.elementCount() * 12);
    for (int i = 0; i < contours.elementCount(); ++i) {
        const QPainterPath::Element &e = contours.elementAt(i);
        text += "MLCc"[int(e.type)];
        text += QByteArray::number(qRound(e.x * UnitsPerGlyphUnit)) + ',' +
                QByteArray::number(qRound(e.y * UnitsPerGlyphUnit));
    }
    return QCryptographicHash::hash(text, QCryptographicHash::Md5).toHex().left(16);
}

QString GlyphFont::fontKey(const QString &fontFilePath)
{
    if (!fontFilePath.startsWith(noteFontRoot) ||
        !fontFilePath.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return QString();
    return fontFilePath.mid(noteFontRoot.size()).chopped(4);
}

int GlyphFont::glyphIndex(const QString &fontKey, const QString &glyphId,
                          const QByteArray &fingerprint)
{
    if (fontKey.isEmpty())
        return -1;
    const auto it = table().constFind(fontKey + QLatin1Char('\t') + glyphId);
    if (it == table().constEnd() || it->fingerprint != fingerprint)
        return -1;
    return it->index;
}

bool GlyphFont::draw(QPainter *painter, int index)
{
    if (!rawFont()->isValid())
        return false;
    QGlyphRun run;
    run.setRawFont(*rawFont());
    run.setGlyphIndexes({quint32(index)});
    run.setPositions({QPointF(0.0, 0.0)});
    // Text is filled with the pen's colour.
    painter->setPen(QPen(Qt::black));
    painter->drawGlyphRun(QPointF(0.0, 0.0), run);
    return true;
}
