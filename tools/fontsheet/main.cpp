// notefont-specimen: draws every glyph of a note font into one PNG sheet with
// its id printed under it, so a font can be reviewed by eye.
//
//   notefont-specimen <font.svg or :/notefonts/...> <sheet.png> [pixels per unit]
//   notefont-specimen <VelmoraStaff.ttf> <sheet.png>
//
// For the staff lyric font the sheet shows every character of the glyph
// character maps, in code-point order, labelled with its id and code point.
//
// Each glyph is drawn to scale (a note size of about 50 units) in a cell
// whose faint outline is the glyph's bounds; a glyph the renderer cannot
// find is marked "missing" in red.
#include "glyphs/notefontcatalog.h"
#include "notenames/glyph_char_maps.h"

#include <QGuiApplication>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

constexpr int Columns = 10;
constexpr int CellWidth = 150;
constexpr int GlyphHeight = 110;
constexpr int LabelHeight = 22;

QImage drawSheet(QSvgRenderer &renderer, const QStringList &ids, double scale)
{
    const int rows = (int(ids.size()) + Columns - 1) / Columns;
    QImage sheet(Columns * CellWidth, rows * (GlyphHeight + LabelHeight), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    for (int i = 0; i < ids.size(); ++i) {
        const QRect cell((i % Columns) * CellWidth, (i / Columns) * (GlyphHeight + LabelHeight),
                         CellWidth, GlyphHeight + LabelHeight);
        const QString &id = ids.at(i);
        const QRectF bounds = renderer.boundsOnElement(id);
        if (!renderer.elementExists(id) || bounds.isEmpty()) {
            painter.setPen(Qt::red);
            painter.drawText(cell.adjusted(0, 0, 0, -LabelHeight), Qt::AlignCenter, "missing");
        } else {
            // Wide glyphs (stretched marks) shrink to fit the cell.
            const double s = qMin(scale, qMin((CellWidth - 10) / bounds.width(),
                                              (GlyphHeight - 10) / bounds.height()));
            const QSizeF size(bounds.width() * s, bounds.height() * s);
            const QRectF target(cell.x() + (CellWidth - size.width()) / 2,
                                cell.y() + (GlyphHeight - size.height()) / 2, size.width(),
                                size.height());
            painter.setPen(QColor(200, 215, 240));
            painter.drawRect(target);
            renderer.render(&painter, id, target);
        }
        painter.setPen(Qt::black);
        painter.drawText(QRect(cell.x(), cell.bottom() - LabelHeight, CellWidth, LabelHeight),
                         Qt::AlignCenter, id);
    }
    return sheet;
}

// Code point -> id, over the nine maps (one code point never has two ids).
QMap<char16_t, QString> staffCharacters()
{
    using namespace NoteNames;
    QMap<char16_t, QString> characters;
    for (GlyphCharMap *(*factory)() :
         {getStaffNoteMapKinko, getStaffNoteMapTozan, getStaffNoteMapTozan_Circled,
          getStaffNoteMapShinobue_Numeric, getStaffNoteMapShinobue_Kanji, getStaffNoteMapKoto,
          getStaffNoteMapSangen, getStaffNoteMapShamisen, getStaffNoteMapDoremi}) {
        GlyphCharMap *map = factory();
        for (auto it = map->cbegin(); it != map->cend(); ++it)
            characters.insert(it.value().at(0).unicode(), it.key());
        delete map;
    }
    return characters;
}

QImage drawFontSheet(const QRawFont &font)
{
    const QMap<char16_t, QString> characters = staffCharacters();
    const int rows = (int(characters.size()) + Columns - 1) / Columns;
    QImage sheet(Columns * CellWidth, rows * (GlyphHeight + LabelHeight), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont label = painter.font();
    label.setPixelSize(11);
    painter.setFont(label);
    int i = 0;
    for (auto it = characters.cbegin(); it != characters.cend(); ++it, ++i) {
        const QRect cell((i % Columns) * CellWidth, (i / Columns) * (GlyphHeight + LabelHeight),
                         CellWidth, GlyphHeight + LabelHeight);
        const QList<quint32> glyphs = font.glyphIndexesForString(QString(QChar(it.key())));
        const QPainterPath path = glyphs.isEmpty() || glyphs.first() == 0
                                      ? QPainterPath()
                                      : font.pathForGlyph(glyphs.first());
        const double baseline = cell.y() + GlyphHeight - 20;
        painter.setPen(QColor(200, 215, 240));
        painter.drawLine(cell.x() + 5, int(baseline), cell.right() - 5, int(baseline));
        if (path.isEmpty()) {
            painter.setPen(Qt::red);
            painter.drawText(cell.adjusted(0, 0, 0, -LabelHeight), Qt::AlignCenter, "missing");
        } else {
            const double x =
                cell.x() + (CellWidth - font.advancesForGlyphIndexes(glyphs).first().x()) / 2;
            painter.fillPath(path.translated(x, baseline), Qt::black);
        }
        painter.setPen(Qt::black);
        painter.drawText(
            QRect(cell.x(), cell.bottom() - LabelHeight, CellWidth, LabelHeight), Qt::AlignCenter,
            QStringLiteral("%1 U+%2").arg(it.value()).arg(int(it.key()), 4, 16, QLatin1Char('0')));
    }
    return sheet;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc < 3) {
        err << "usage: notefont-specimen <font.svg> <sheet.png> [pixels per unit]\n";
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const double scale = argc > 3 ? QString::fromLocal8Bit(argv[3]).toDouble() : 1.6;
    if (path.endsWith(QLatin1String(".ttf"), Qt::CaseInsensitive)) {
        const QRawFont font(path, 80.0);
        if (!font.isValid()) {
            err << "cannot read font " << path << "\n";
            return 1;
        }
        if (!drawFontSheet(font).save(QString::fromLocal8Bit(argv[2]))) {
            err << "cannot write " << argv[2] << "\n";
            return 1;
        }
        return 0;
    }
    QString error;
    const QStringList ids = NoteFontCatalog::glyphIds(path, &error);
    QSvgRenderer renderer(path);
    if (ids.isEmpty() || !renderer.isValid()) {
        err << "cannot read note font " << path << ": " << error << "\n";
        return 1;
    }
    if (!drawSheet(renderer, ids, scale).save(QString::fromLocal8Bit(argv[2]))) {
        err << "cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
