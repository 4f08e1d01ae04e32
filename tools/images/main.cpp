// image-generator: draws the palette icons, the koto note-name pictures and
// the window icon of resources/images/ from the table tools/images/pictures.tsv.
//
//   image-generator <pictures.tsv> <notefonts folder> <images folder>
//
// Each picture is a note-font glyph fitted into a transparent 48 x 48 square,
// a pictogram drawn here where no glyph exists, or an SVG of the images
// folder drawn at 256 x 256. The output depends only on the table, the fonts
// and this code, so a rerun writes the same bytes. A missing font, glyph or
// pictogram, or a file that cannot be written, stops the run with an error.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QTextStream>

#include <functional>
#include <memory>

namespace {

constexpr int Size = 48;
constexpr int IconSize = 256;
constexpr double Margin = 3.0;

struct Row
{
    int line = 0;
    QString name;
    QString source;
    QString what;
};

QImage blankImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// The glyph's bounds, scaled to fit inside the margin and centred.
QImage drawGlyph(QSvgRenderer &font, const QString &id)
{
    QImage image = blankImage(Size);
    const QRectF bounds = font.boundsOnElement(id);
    const double room = Size - 2 * Margin;
    const double scale = qMin(room / bounds.width(), room / bounds.height());
    const QSizeF drawn(bounds.width() * scale, bounds.height() * scale);
    const QRectF target((Size - drawn.width()) / 2, (Size - drawn.height()) / 2, drawn.width(),
                        drawn.height());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    font.render(&painter, id, target);
    return image;
}

QPen strokePen(double width = 3.0, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(Qt::black, width, style, Qt::RoundCap, Qt::RoundJoin);
    return pen;
}

void drawArrowHead(QPainter &painter, QPointF tip, QPointF from)
{
    const QLineF shaft(tip, from);
    QLineF side1 = shaft;
    side1.setLength(9);
    side1.setAngle(shaft.angle() + 30);
    QLineF side2 = shaft;
    side2.setLength(9);
    side2.setAngle(shaft.angle() - 30);
    painter.drawLine(side1);
    painter.drawLine(side2);
}

// A note head: the filled oval that stands for "a note" in the pictograms.
void drawNoteHead(QPainter &painter, QPointF centre)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.translate(centre);
    painter.rotate(-20);
    painter.drawEllipse(QRectF(-8, -6, 16, 12));
    painter.restore();
}

// Room beside a note (vertical writing reads downwards: "before" is above).
void drawSpace(QPainter &painter, bool before)
{
    const QRectF room(10, before ? 4 : 25, 28, 19);
    painter.setPen(strokePen(2.0, Qt::DashLine));
    painter.drawRect(room);
    drawNoteHead(painter, QPointF(24, before ? 35 : 13));
}

void drawInvisibleNote(QPainter &painter)
{
    painter.setPen(strokePen(2.0, Qt::DashLine));
    painter.save();
    painter.translate(24, 24);
    painter.rotate(-20);
    painter.drawEllipse(QRectF(-14, -10, 28, 20));
    painter.restore();
    painter.setPen(strokePen(3.0));
    painter.drawLine(QPointF(8, 40), QPointF(40, 8));
}

// Up and down arrows beside a note: the pitch moved by steps.
void drawTranspose(QPainter &painter)
{
    drawNoteHead(painter, QPointF(14, 24));
    painter.setPen(strokePen());
    painter.drawLine(QPointF(32, 6), QPointF(32, 21));
    drawArrowHead(painter, QPointF(32, 5), QPointF(32, 21));
    painter.drawLine(QPointF(32, 27), QPointF(32, 42));
    drawArrowHead(painter, QPointF(32, 43), QPointF(32, 27));
}

// Strings with their bridges set in a row: a tuning.
void drawScale(QPainter &painter)
{
    painter.setPen(strokePen(1.5));
    for (int i = 0; i < 5; ++i)
        painter.drawLine(QPointF(4, 8 + 8 * i), QPointF(44, 8 + 8 * i));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int i = 0; i < 5; ++i) {
        const double x = 12 + 6 * i;
        const double y = 8 + 8 * i;
        painter.drawPolygon(
            QPolygonF({QPointF(x - 5, y + 4), QPointF(x + 5, y + 4), QPointF(x, y - 5)}));
    }
}

// The ditto strokes of a repeated note, struck out.
void drawNoRepeat(QPainter &painter)
{
    painter.setPen(strokePen(4.0));
    painter.drawLine(QPointF(14, 14), QPointF(20, 28));
    painter.drawLine(QPointF(26, 14), QPointF(32, 28));
    painter.setPen(strokePen(3.0));
    painter.drawEllipse(QRectF(5, 5, 38, 38));
    painter.drawLine(QPointF(11, 37), QPointF(37, 11));
}

void drawStep(QPainter &painter, bool up)
{
    QPainterPath stairs;
    const double dir = up ? -1 : 1;
    const double startY = up ? 40 : 8;
    stairs.moveTo(6, startY);
    for (int i = 0; i < 3; ++i) {
        stairs.lineTo(6 + 12 * (i + 1), startY + dir * 10 * i);
        stairs.lineTo(6 + 12 * (i + 1), startY + dir * 10 * (i + 1));
    }
    painter.setPen(strokePen(3.0));
    painter.drawPath(stairs);
    const QPointF end(42, startY + dir * 30);
    painter.drawLine(QPointF(30, startY + dir * 30), end);
    drawArrowHead(painter, end, QPointF(30, startY + dir * 30));
}

const QMap<QString, std::function<void(QPainter &)>> &pictograms()
{
    static const QMap<QString, std::function<void(QPainter &)>> table = {
        {QStringLiteral("space-before"), [](QPainter &p) { drawSpace(p, true); }},
        {QStringLiteral("space-after"), [](QPainter &p) { drawSpace(p, false); }},
        {QStringLiteral("invisible-note"), drawInvisibleNote},
        {QStringLiteral("transpose"), drawTranspose},
        {QStringLiteral("scale"), drawScale},
        {QStringLiteral("no-repeat"), drawNoRepeat},
        {QStringLiteral("step-up"), [](QPainter &p) { drawStep(p, true); }},
        {QStringLiteral("step-down"), [](QPainter &p) { drawStep(p, false); }},
        // The fallback of a name without a picture: an empty white square.
        {QStringLiteral("white"), [](QPainter &p) { p.fillRect(0, 0, Size, Size, Qt::white); }},
    };
    return table;
}

QImage drawPictogram(const std::function<void(QPainter &)> &draw)
{
    QImage image = blankImage(Size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return image;
}

QImage drawSvg(QSvgRenderer &svg)
{
    QImage image = blankImage(IconSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, IconSize, IconSize));
    return image;
}

QList<Row> readTable(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return {};
    }
    QList<Row> rows;
    int line = 0;
    while (!file.atEnd()) {
        const QString text = QString::fromUtf8(file.readLine()).trimmed();
        ++line;
        if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = text.split(QLatin1Char('\t'));
        if (fields.size() != 3) {
            *error =
                QStringLiteral("%1:%2: expected three tab-separated fields").arg(path).arg(line);
            return {};
        }
        rows.append({line, fields.at(0), fields.at(1), fields.at(2)});
    }
    return rows;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 4) {
        err << "usage: image-generator <pictures.tsv> <notefonts folder> <images folder>\n";
        return 2;
    }
    const QString tablePath = QString::fromLocal8Bit(argv[1]);
    const QString fontFolder = QString::fromLocal8Bit(argv[2]);
    const QString imageFolder = QString::fromLocal8Bit(argv[3]);

    QString error;
    const QList<Row> rows = readTable(tablePath, &error);
    if (rows.isEmpty()) {
        err << (error.isEmpty() ? QStringLiteral("%1: no pictures").arg(tablePath) : error) << "\n";
        return 1;
    }

    QMap<QString, std::shared_ptr<QSvgRenderer>> fonts;
    for (const Row &row : rows) {
        const QString where =
            QStringLiteral("%1:%2 (%3): ").arg(tablePath).arg(row.line).arg(row.name);
        QImage image;
        if (row.source == QLatin1String("pictogram")) {
            const auto draw = pictograms().constFind(row.what);
            if (draw == pictograms().cend()) {
                err << where << "no pictogram \"" << row.what << "\"\n";
                return 1;
            }
            image = drawPictogram(*draw);
        } else if (row.source == QLatin1String("svg")) {
            QSvgRenderer svg(imageFolder + QLatin1Char('/') + row.what);
            if (!svg.isValid()) {
                err << where << "cannot read the drawing " << row.what << "\n";
                return 1;
            }
            image = drawSvg(svg);
        } else {
            std::shared_ptr<QSvgRenderer> &font = fonts[row.source];
            if (!font) {
                font = std::make_shared<QSvgRenderer>(fontFolder + QLatin1Char('/') + row.source);
                if (!font->isValid()) {
                    err << where << "cannot read the note font " << row.source << "\n";
                    return 1;
                }
            }
            if (!font->elementExists(row.what) || font->boundsOnElement(row.what).isEmpty()) {
                err << where << "the note font " << row.source << " has no glyph \"" << row.what
                    << "\"\n";
                return 1;
            }
            image = drawGlyph(*font, row.what);
        }
        const QString out = imageFolder + QLatin1Char('/') + row.name + QStringLiteral(".png");
        if (!image.save(out, "PNG")) {
            err << where << "cannot write " << out << "\n";
            return 1;
        }
    }
    return 0;
}
