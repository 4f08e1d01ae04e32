// glyph-outlines: writes, as JSON, the contours of every bundled note-font
// glyph that the glyph font can hold (model/glyphfont.h), in font units, for
// tools/notefonts/glyph_font.py to build the font from.
//
//   glyph-outlines <outlines.json>
//
// The contours come from the outlines this program paints, through the same
// code that the program uses to find a glyph in the font again, so the two
// can never disagree about a glyph's shape.
#include "glyphs/notefontcatalog.h"
#include "model/glyphfont.h"
#include "model/glyphoutline.h"
#include "model/notefonts.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSvgRenderer>
#include <QTextStream>

#include <algorithm>

namespace {

double fontX(double x)
{
    return x * GlyphFont::UnitsPerGlyphUnit;
}

// The font's y axis points up.
double fontY(double y)
{
    return -y * GlyphFont::UnitsPerGlyphUnit;
}

// Each contour as a list of segments: ["M", x, y], ["L", x, y] or
// ["C", x1, y1, x2, y2, x, y].
QJsonArray contoursJson(const QPainterPath &path)
{
    QJsonArray contours;
    QJsonArray contour;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element &e = path.elementAt(i);
        if (e.type == QPainterPath::MoveToElement) {
            if (!contour.isEmpty())
                contours.append(contour);
            contour = QJsonArray();
            contour.append(QJsonArray{QStringLiteral("M"), fontX(e.x), fontY(e.y)});
        } else if (e.type == QPainterPath::LineToElement) {
            contour.append(QJsonArray{QStringLiteral("L"), fontX(e.x), fontY(e.y)});
        } else if (e.type == QPainterPath::CurveToElement) {
            const QPainterPath::Element &c2 = path.elementAt(i + 1);
            const QPainterPath::Element &end = path.elementAt(i + 2);
            contour.append(QJsonArray{QStringLiteral("C"), fontX(e.x), fontY(e.y), fontX(c2.x),
                                      fontY(c2.y), fontX(end.x), fontY(end.y)});
            i += 2;
        }
    }
    if (!contour.isEmpty())
        contours.append(contour);
    return contours;
}

QStringList noteFontFiles()
{
    QStringList files;
    QDirIterator it(QStringLiteral(":/notefonts"), {QStringLiteral("*.svg")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: glyph-outlines <outlines.json>\n";
        return 2;
    }
    QJsonArray glyphs;
    int left = 0;
    for (const QString &file : noteFontFiles()) {
        const auto renderer = NoteFonts::renderer(file);
        for (const QString &id : NoteFontCatalog::glyphIds(file)) {
            const GlyphOutline *outline = GlyphOutlineCache::of(renderer.get())->outline(id);
            const QPainterPath contours = GlyphFont::contours(*outline);
            if (contours.isEmpty()) {
                ++left;
                err << "left as an outline: " << file << ' ' << id << '\n';
                continue;
            }
            glyphs.append(QJsonObject{
                {QStringLiteral("font"), GlyphFont::fontKey(file)},
                {QStringLiteral("id"), id},
                {QStringLiteral("fingerprint"),
                 QString::fromLatin1(GlyphFont::fingerprint(contours))},
                {QStringLiteral("advance"), fontX(outline->size().width())},
                {QStringLiteral("contours"), contoursJson(contours)},
            });
        }
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(QJsonDocument(glyphs).toJson(QJsonDocument::Compact)) < 0) {
        err << "cannot write " << argv[1] << '\n';
        return 1;
    }
    err << glyphs.size() << " glyphs written, " << left << " left as outlines\n";
    return 0;
}
