// Glyphs painted from their captured outlines: every glyph of every bundled
// note font looks as the SVG renderer draws it, also through a glyph item
// whose element changes; glyphs that are more than solid fills and strokes
// are drawn by the renderer; and in a PDF, where points are rounded to the
// writer's grid or glyphs are characters of the glyph font, glyphs land
// where the renderer puts them.
#include "glyphs/notefontcatalog.h"
#include "model/glyphitem.h"
#include "model/glyphoutline.h"
#include "model/notefonts.h"
#include "support/pdftools.h"
#include "support/testenvironment.h"

#include <QDirIterator>
#include <QPainter>
#include <QPdfWriter>
#include <QStyleOptionGraphicsItem>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tst_glyph_outline {

namespace {

// Pixels drawn dark in one image and light in the other: a shape drawn in
// the wrong place or size makes many, edge smoothing hardly any.
int mismatchedPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return std::numeric_limits<int>::max();
    const QImage ga = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage gb = b.convertToFormat(QImage::Format_Grayscale8);
    int count = 0;
    for (int y = 0; y < ga.height(); ++y) {
        const uchar *la = ga.constScanLine(y);
        const uchar *lb = gb.constScanLine(y);
        for (int x = 0; x < ga.width(); ++x)
            count += (la[x] < 96 && lb[x] > 160) || (lb[x] < 96 && la[x] > 160) ? 1 : 0;
    }
    return count;
}

// Pixels dark in one image with no pixel of the other darker than light
// within one pixel: what is drawn more than a pixel away from the other.
int mismatchedBeyondOnePixel(const QImage &a, const QImage &b)
{
    const QImage ga = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage gb = b.convertToFormat(QImage::Format_Grayscale8);
    const auto lightAround = [](const QImage &g, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = qBound(0, x + dx, g.width() - 1);
                const int ny = qBound(0, y + dy, g.height() - 1);
                if (g.constScanLine(ny)[nx] <= 160)
                    return false;
            }
        }
        return true;
    };
    int count = 0;
    for (int y = 0; y < ga.height(); ++y) {
        for (int x = 0; x < ga.width(); ++x) {
            count += (ga.constScanLine(y)[x] < 96 && lightAround(gb, x, y)) ||
                             (gb.constScanLine(y)[x] < 96 && lightAround(ga, x, y))
                         ? 1
                         : 0;
        }
    }
    return count;
}

int darkPixels(const QImage &image)
{
    const QImage g = image.convertToFormat(QImage::Format_Grayscale8);
    int count = 0;
    for (int y = 0; y < g.height(); ++y) {
        const uchar *line = g.constScanLine(y);
        for (int x = 0; x < g.width(); ++x)
            count += line[x] < 96 ? 1 : 0;
    }
    return count;
}

QImage whiteImage(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

// `item` painted as a scene would, scaled by `pixelsPerUnit`.
QImage paintItem(GlyphItem &item, double pixelsPerUnit, const QSize &size)
{
    QImage image = whiteImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixelsPerUnit, pixelsPerUnit);
    QStyleOptionGraphicsItem option;
    item.paint(&painter, &option, nullptr);
    return image;
}

// `id` drawn by the renderer itself, the way a glyph item did before.
QImage paintWithRenderer(QSvgRenderer &renderer, const QString &id, double pixelsPerUnit,
                         const QSize &size)
{
    QImage image = whiteImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixelsPerUnit, pixelsPerUnit);
    renderer.render(&painter, id, QRectF(QPointF(0, 0), renderer.boundsOnElement(id).size()));
    return image;
}

QSize glyphImageSize(QSvgRenderer &renderer, const QString &id, double pixelsPerUnit)
{
    const QSizeF size = renderer.boundsOnElement(id).size() * pixelsPerUnit;
    return QSize(qMax(1, qCeil(size.width())) + 2, qMax(1, qCeil(size.height())) + 2);
}

std::shared_ptr<QSvgRenderer> inlineFont(const QByteArray &body)
{
    const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' "
                           "xmlns:xlink='http://www.w3.org/1999/xlink' width='100' height='100'>" +
                           body + "</svg>";
    return std::make_shared<QSvgRenderer>(svg);
}

// Where each glyph goes in the PDF test: odd fractions of a unit, a mirror
// and a turn, so that rounding after the whole transformation is exercised.
struct Placement
{
    QString id;
    QTransform transform;
};

QList<Placement> pdfPlacements()
{
    return {
        {QStringLiteral("LPar"), QTransform::fromTranslate(10.37, 12.61)},
        {QStringLiteral("Arpeggio3"), QTransform::fromTranslate(40.11, 9.93).scale(1.7, 0.6)},
        {QStringLiteral("PizzCircle"), QTransform::fromTranslate(80.5, 30.25).rotate(90)},
        {QStringLiteral("RPar"), QTransform::fromTranslate(120.2, 60.7).scale(-1.3, 1.3)},
        {QStringLiteral("9"), QTransform::fromTranslate(30.03, 70.71).rotate(-30).scale(2, 2)},
    };
}

} // namespace

class TestGlyphOutline : public QObject
{
    Q_OBJECT

private slots:
    void everyGlyphDrawsAsItsFont_data();
    void everyGlyphDrawsAsItsFont();
    void glyphsBeyondFillsAndStrokesUseTheRenderer_data();
    void glyphsBeyondFillsAndStrokesUseTheRenderer();
    void itemFollowsItsElement();
    void pdfGlyphsLandWhereTheRendererPutsThem_data();
    void pdfGlyphsLandWhereTheRendererPutsThem();
};

void TestGlyphOutline::everyGlyphDrawsAsItsFont_data()
{
    QTest::addColumn<QString>("path");
    TestSupport::addNoteFontRows();
}

void TestGlyphOutline::everyGlyphDrawsAsItsFont()
{
    QFETCH(QString, path);
    const auto renderer = std::make_shared<QSvgRenderer>(path);
    QVERIFY(renderer->isValid());
    const QStringList ids = NoteFontCatalog::glyphIds(path);
    QVERIFY(!ids.isEmpty());
    constexpr double PixelsPerUnit = 3.0;
    QStringList notSimple, different;
    for (const QString &id : ids) {
        if (!GlyphOutlineCache::of(renderer.get())->outline(id)->simple()) {
            notSimple << id;
            continue;
        }
        std::unique_ptr<GlyphItem> item(GlyphItems::create(renderer, id));
        const QSize size = glyphImageSize(*renderer, id, PixelsPerUnit);
        const QImage expected = paintWithRenderer(*renderer, id, PixelsPerUnit, size);
        const QImage actual = paintItem(*item, PixelsPerUnit, size);
        const int mismatched = mismatchedPixels(expected, actual);
        if (mismatched > qMax(3, darkPixels(expected) / 50))
            different << QStringLiteral("%1 (%2 of %3)")
                             .arg(id)
                             .arg(mismatched)
                             .arg(darkPixels(expected));
    }
    QVERIFY2(notSimple.isEmpty(), qPrintable("not captured: " + notSimple.join(u", ")));
    QVERIFY2(different.isEmpty(), qPrintable("drawn differently: " + different.join(u", ")));
}

void TestGlyphOutline::glyphsBeyondFillsAndStrokesUseTheRenderer_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("simple");
    QTest::newRow("fill") << QByteArray("<g id='g'><rect x='10' y='10' width='60' height='40' "
                                        "fill='#000'/></g>")
                          << true;
    QTest::newRow("stroke") << QByteArray("<g id='g'><circle cx='40' cy='40' r='25' fill='none' "
                                          "stroke='#000' stroke-width='6'/></g>")
                            << true;
    QTest::newRow("gradient")
        << QByteArray("<defs><linearGradient id='lg'><stop offset='0' stop-color='#000'/>"
                      "<stop offset='1' stop-color='#fff'/></linearGradient></defs>"
                      "<g id='g'><rect x='10' y='10' width='60' height='40' fill='url(#lg)'/></g>")
        << false;
    QTest::newRow("half-transparent")
        << QByteArray("<g id='g'><rect x='10' y='10' width='60' height='40' fill='#000' "
                      "fill-opacity='0.7'/></g>")
        << false;
    QTest::newRow("text") << QByteArray(
                                 "<g id='g'><text x='10' y='50' font-size='40'>Ab</text></g>")
                          << false;
}

void TestGlyphOutline::glyphsBeyondFillsAndStrokesUseTheRenderer()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, simple);
    const auto renderer = inlineFont(body);
    const QString id = QStringLiteral("g");
    QVERIFY(renderer->elementExists(id));
    QCOMPARE(GlyphOutlineCache::of(renderer.get())->outline(id)->simple(), simple);

    // Whichever way it is painted, the item draws what the renderer draws.
    std::unique_ptr<GlyphItem> item(GlyphItems::create(renderer, id));
    const QSize size = glyphImageSize(*renderer, id, 2.0);
    const QImage expected = paintWithRenderer(*renderer, id, 2.0, size);
    QVERIFY(darkPixels(expected) > 100);
    QVERIFY(mismatchedPixels(expected, paintItem(*item, 2.0, size)) <= darkPixels(expected) / 50);
}

void TestGlyphOutline::itemFollowsItsElement()
{
    const auto font = inlineFont("<g id='a'><rect x='0' y='0' width='80' height='20'/></g>"
                                 "<g id='b'><rect x='0' y='0' width='20' height='80'/></g>"
                                 "<g id='c'><circle cx='40' cy='40' r='40'/></g>");
    std::unique_ptr<GlyphItem> item(GlyphItems::create(font, QStringLiteral("a")));
    const QSize size(100, 100);
    QCOMPARE(item->boundingRect(), QRectF(0, 0, 80, 20));
    QVERIFY(qAbs(darkPixels(paintItem(*item, 1.0, size)) - 1600) < 100);

    item->setElementId(QStringLiteral("b"));
    QCOMPARE(item->boundingRect(), QRectF(0, 0, 20, 80));
    QCOMPARE(mismatchedPixels(paintItem(*item, 1.0, size),
                              paintWithRenderer(*font, QStringLiteral("b"), 1.0, size)),
             0);

    item->setElementId(QStringLiteral("c"));
    const QImage circle = paintItem(*item, 1.0, size);
    QVERIFY(mismatchedPixels(circle, paintWithRenderer(*font, QStringLiteral("c"), 1.0, size)) <
            20);
    QVERIFY(qAbs(darkPixels(circle) - 5027) < 150);

    item->setElementId(QStringLiteral("missing"));
    QVERIFY(item->boundingRect().isEmpty());
    QCOMPARE(darkPixels(paintItem(*item, 1.0, size)), 0);
}

void TestGlyphOutline::pdfGlyphsLandWhereTheRendererPutsThem_data()
{
    // A note font loaded as the program loads it draws its glyphs in a PDF
    // as characters of the glyph font; any other renderer, as outlines.
    QTest::addColumn<bool>("asTheProgramLoadsIt");
    QTest::newRow("glyph font") << true;
    QTest::newRow("outlines") << false;
}

void TestGlyphOutline::pdfGlyphsLandWhereTheRendererPutsThem()
{
    QFETCH(bool, asTheProgramLoadsIt);
    const QString path = QStringLiteral(":/notefonts/Common/Basic.svg");
    const auto renderer =
        asTheProgramLoadsIt ? NoteFonts::renderer(path) : std::make_shared<QSvgRenderer>(path);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("glyphs.pdf"));
    constexpr double PageUnits = 160.0;
    constexpr int Dpi = 300;
    {
        QPdfWriter writer(pdf);
        writer.setResolution(600); // as the score's export writes
        writer.setPageSize(QPageSize(QSizeF(PageUnits, PageUnits), QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(writer.width() / PageUnits, writer.height() / PageUnits);
        for (const Placement &placement : pdfPlacements()) {
            painter.save();
            painter.setTransform(placement.transform, true);
            const GlyphOutline *outline =
                GlyphOutlineCache::of(renderer.get())->outline(placement.id);
            QVERIFY(outline->simple());
            QCOMPARE(outline->fontGlyph() >= 0, asTheProgramLoadsIt);
            outline->paint(&painter);
            painter.restore();
        }
    }
    const QString base = dir.filePath(QStringLiteral("page"));
    TestSupport::runTool(QStringLiteral("pdftoppm"),
                         {QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-png"),
                          QStringLiteral("-singlefile"), pdf, base});
    const QImage printed(base + QStringLiteral(".png"));
    QVERIFY2(!printed.isNull(), "pdftoppm wrote no image");

    QImage expected = whiteImage(printed.size());
    {
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(printed.width() / PageUnits, printed.height() / PageUnits);
        for (const Placement &placement : pdfPlacements()) {
            painter.save();
            painter.setTransform(placement.transform, true);
            renderer->render(&painter, placement.id,
                             QRectF(QPointF(0, 0), renderer->boundsOnElement(placement.id).size()));
            painter.restore();
        }
    }
    const int ink = darkPixels(expected);
    QVERIFY(ink > 500);
    QVERIFY(qAbs(darkPixels(printed) - ink) < ink / 20);
    // A rasteriser puts text glyphs on a coarser grid than paths (poppler:
    // a quarter pixel across, a whole pixel down), so a glyph of the font
    // may land a fraction of a pixel from where its outline would; beyond
    // one pixel, nothing may differ.
    const int differing = asTheProgramLoadsIt ? mismatchedBeyondOnePixel(printed, expected)
                                              : mismatchedPixels(printed, expected);
    QVERIFY2(differing < (asTheProgramLoadsIt ? ink / 500 : ink / 50),
             qPrintable(QStringLiteral("%1 of %2 pixels differ").arg(differing).arg(ink)));
}

VELMORA_TEST_MAIN(TestGlyphOutline)

} // namespace tst_glyph_outline
#include "tst_glyph_outline.moc"
