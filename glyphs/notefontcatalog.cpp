#include "glyphs/notefontcatalog.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtMath>

namespace NoteFontCatalog {

QStringList glyphIds(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return {};
    }
    QStringList ids;
    QXmlStreamReader xml(&file);
    int depth = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            // depth 1 is <svg>; glyphs are its direct <g> children (not <defs>).
            if (depth == 2 && xml.name() == QLatin1String("g")) {
                const QString id = xml.attributes().value(QLatin1String("id")).toString();
                if (!id.isEmpty())
                    ids << id;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    if (xml.hasError()) {
        if (error)
            *error = xml.errorString();
        return {};
    }
    return ids;
}

QImage renderGlyph(QSvgRenderer &renderer, const QString &id, double pixelsPerUnit)
{
    if (!renderer.elementExists(id))
        return {};
    const QRectF bounds = renderer.boundsOnElement(id);
    const QSize size(qMax(1, qCeil(bounds.width() * pixelsPerUnit)),
                     qMax(1, qCeil(bounds.height() * pixelsPerUnit)));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, id, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

int inkedPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(line[x]) > 64 ? 1 : 0;
    }
    return count;
}

} // namespace NoteFontCatalog
