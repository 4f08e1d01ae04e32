// Glyphs written once: in a PDF the note-font glyphs are characters of the
// glyph font, in an SVG each repeated shape is defined once and used.
// Checked here: the committed font holds every bundled glyph that can be a
// font glyph; a glyph's contours fill what its outline paints, however its
// shapes turn and overlap; a score's PDF embeds the font and grows by a few
// bytes per glyph; its text reads back as before once the glyph characters
// are left out; notes squeezed in a narrowed measure stay font glyphs;
// and the SVG's shared shapes draw what the generator drew.
#include "document/svgsharing.h"
#include "glyphs/notefontcatalog.h"
#include "layout/alignitem.h"
#include "model/glyphfont.h"
#include "model/glyphitem.h"
#include "model/glyphoutline.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notefonts.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/measurelayout.h"
#include "support/pdftools.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QBuffer>
#include <QDirIterator>
#include <QDomDocument>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>

namespace tst_glyph_font {

namespace {

// Pixels dark in one image and light in the other.
int mismatchedPixels(const QImage &a, const QImage &b)
{
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

// Pixels dark in `a` with no dark pixel within one pixel of them in `b`.
int pixelsApart(const QImage &a, const QImage &b)
{
    const QImage ga = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage gb = b.convertToFormat(QImage::Format_Grayscale8);
    const auto darkNear = [&gb](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint p(x + dx, y + dy);
                if (gb.rect().contains(p) && gb.constScanLine(p.y())[p.x()] < 160)
                    return true;
            }
        }
        return false;
    };
    int count = 0;
    for (int y = 0; y < ga.height(); ++y) {
        for (int x = 0; x < ga.width(); ++x)
            count += ga.constScanLine(y)[x] < 96 && !darkNear(x, y) ? 1 : 0;
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

std::shared_ptr<QSvgRenderer> inlineFont(const QByteArray &body)
{
    return std::make_shared<QSvgRenderer>(
        "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='100'>" + body + "</svg>");
}

// Quarter notes of five pitches in two parts: one glyph repeated many times.
QString repeatedNotesScore(int measureCount)
{
    static const char *const steps[] = {"D", "E", "F", "A", "B"};
    QString text = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<score-partwise version=\"3.1\"><part-list>"
        "<score-part id=\"P1\"><part-name>A</part-name></score-part>"
        "<score-part id=\"P2\"><part-name>B</part-name></score-part></part-list>");
    for (int p = 1; p <= 2; ++p) {
        text += QStringLiteral("<part id=\"P%1\">").arg(p);
        for (int m = 1; m <= measureCount; ++m) {
            text += QStringLiteral("<measure number=\"%1\">").arg(m);
            if (m == 1)
                text += QStringLiteral("<attributes><divisions>1</divisions><time><beats>4</beats>"
                                       "<beat-type>4</beat-type></time><clef><sign>G</sign>"
                                       "<line>2</line></clef></attributes>");
            for (int n = 0; n < 4; ++n)
                text += QStringLiteral("<note><pitch><step>%1</step><octave>4</octave></pitch>"
                                       "<duration>1</duration><type>quarter</type></note>")
                            .arg(QLatin1String(steps[(m + n) % 5]));
            text += QStringLiteral("</measure>");
        }
        text += QStringLiteral("</part>");
    }
    return text + QStringLiteral("</score-partwise>\n");
}

std::unique_ptr<Score> generatedFromText(const QString &xml, const QString &dir)
{
    const QString path = dir + QStringLiteral("/in.musicxml");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(xml.toUtf8()) < 0)
        return nullptr;
    file.close();
    return TestSupport::generatedScore(path, 0, false);
}

qint64 fileSize(const QString &path)
{
    return QFileInfo(path).size();
}

// The lines of `text` without comment lines ("# ...") and the line that
// holds the export date.
QStringList comparableLines(const QString &text)
{
    static const QRegularExpression date(QStringLiteral("[0-9]{4}[-/][0-9]{2}[-/][0-9]{2}"));
    QStringList lines;
    for (const QString &line : text.trimmed().split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1String("# ")) && !date.match(line).hasMatch())
            lines << line;
    }
    return lines;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The "<path .../>" elements of `svg`, as written.
QList<QByteArray> pathElements(const QByteArray &svg)
{
    QList<QByteArray> paths;
    static const QRegularExpression path(QStringLiteral("<path [^>]*/>"));
    auto it = path.globalMatch(QString::fromUtf8(svg));
    while (it.hasNext())
        paths << it.next().captured().toUtf8();
    return paths;
}

QImage renderedSvg(const QByteArray &svg, double scale)
{
    QSvgRenderer renderer(svg);
    QImage image = whiteImage((renderer.viewBoxF().size() * scale).toSize());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(image.rect()));
    return image;
}

// One part of `measureCount` measures of sixteenth notes climbing and
// falling: more notes than a measure's share of its line has room for.
QString sixteenthsScore(int measureCount)
{
    static const char *const steps[] = {"D", "E", "G", "A", "C"};
    QString text = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<score-partwise version=\"3.1\"><part-list>"
        "<score-part id=\"P1\"><part-name>A</part-name></score-part></part-list><part id=\"P1\">");
    for (int m = 1; m <= measureCount; ++m) {
        text += QStringLiteral("<measure number=\"%1\">").arg(m);
        if (m == 1)
            text += QStringLiteral("<attributes><divisions>4</divisions><time><beats>4</beats>"
                                   "<beat-type>4</beat-type></time><clef><sign>G</sign>"
                                   "<line>2</line></clef></attributes>");
        for (int n = 0; n < 16; ++n)
            text +=
                QStringLiteral("<note><pitch><step>%1</step><octave>%2</octave></pitch>"
                               "<duration>1</duration><type>16th</type>"
                               "<lyric><syllabic>single</syllabic><text>kan</text></lyric></note>")
                    .arg(QLatin1String(steps[(m + n) % 5]))
                    .arg(4 + (n / 5) % 2);
        text += QStringLiteral("</measure>");
    }
    return text + QStringLiteral("</part></score-partwise>\n");
}

// The streams of a PDF written by the toolkit, the compressed ones
// decompressed: its page contents, the embedded fonts and the rest.
QList<QByteArray> pdfStreams(const QByteArray &pdf)
{
    QList<QByteArray> streams;
    qsizetype at = 0;
    while ((at = pdf.indexOf("stream\n", at)) >= 0) {
        const qsizetype start = at + 7;
        const qsizetype end = pdf.indexOf("endstream", start);
        if (end < 0)
            break;
        const QByteArray data = pdf.mid(start, end - start);
        const qsizetype object = pdf.lastIndexOf(" obj", at);
        if (pdf.mid(object, at - object).contains("/FlateDecode")) {
            // qUncompress reads the size it expects before the data; a
            // short guess grows as needed.
            streams << qUncompress(QByteArray::fromHex("00010000") + data);
        } else {
            streams << data;
        }
        at = end + 9;
    }
    return streams;
}

// How many times the content streams of `pdf` use operator `op`.
int operatorCount(const QByteArray &pdf, const QByteArray &op)
{
    const QRegularExpression use(QStringLiteral("[\\s\\]>)](%1)\\s")
                                     .arg(QRegularExpression::escape(QString::fromLatin1(op))));
    int count = 0;
    for (const QByteArray &stream : pdfStreams(pdf)) {
        auto it = use.globalMatch(QString::fromLatin1(stream));
        while (it.hasNext()) {
            it.next();
            ++count;
        }
    }
    return count;
}

// Paints with `draw`, in points, on a PDF page 100 points square at 600 dpi.
void writeSquarePdf(const QString &pdf, const std::function<void(QPainter &)> &draw)
{
    QPdfWriter writer(pdf);
    writer.setResolution(600);
    writer.setPageSize(QPageSize(QSizeF(100, 100), QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    painter.scale(writer.width() / 100.0, writer.height() / 100.0);
    draw(painter);
}

// The PDF's first page as pdftoppm draws it in grey at `dpi`.
QImage renderedGray(const QString &pdf, int dpi)
{
    const QString base = pdf.chopped(4);
    TestSupport::runTool(QStringLiteral("pdftoppm"),
                         {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
                          QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, base});
    return QImage(base + QStringLiteral(".png"));
}

} // namespace

class TestGlyphFont : public QObject
{
    Q_OBJECT

private slots:
    void everyGlyphThatCanBeIsInTheFont_data();
    void everyGlyphThatCanBeIsInTheFont();
    void contoursFillWhatTheOutlinePaints_data();
    void contoursFillWhatTheOutlinePaints();
    void fontGlyphKeepsThePaintersOpacity();
    void stretchedGlyphDrawsWhatItsOutlineDraws_data();
    void stretchedGlyphDrawsWhatItsOutlineDraws();
    void scorePdfEmbedsTheFontAndGrowsLittlePerGlyph();
    void narrowedMeasuresDrawTheirNotesFromTheFont();
    void pdfTextIsUnchangedOutsideTheGlyphs();
    void svgDefinesEachRepeatedShapeOnce();
    void sharedSvgDrawsWhatTheGeneratorDrew_data();
    void sharedSvgDrawsWhatTheGeneratorDrew();
};

void TestGlyphFont::everyGlyphThatCanBeIsInTheFont_data()
{
    QTest::addColumn<QString>("path");
    TestSupport::addNoteFontRows();
}

void TestGlyphFont::everyGlyphThatCanBeIsInTheFont()
{
    // A note font changed without the glyph font rebuilt shows here: its
    // changed glyphs no longer match their fingerprints.
    QFETCH(QString, path);
    const auto renderer = NoteFonts::renderer(path);
    QStringList missing;
    int inFont = 0;
    for (const QString &id : NoteFontCatalog::glyphIds(path)) {
        const GlyphOutline *outline = GlyphOutlineCache::of(renderer.get())->outline(id);
        if (GlyphFont::contours(*outline).isEmpty())
            continue;
        if (outline->fontGlyph() < 0)
            missing << id;
        else
            ++inFont;
    }
    QVERIFY2(missing.isEmpty(), qPrintable("not in the glyph font: " + missing.join(u", ")));
    QVERIFY(inFont > 0);
}

void TestGlyphFont::contoursFillWhatTheOutlinePaints_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("fontGlyph");
    QTest::newRow("even-odd rings")
        << QByteArray("<g id='g'><path fill-rule='evenodd' d='M10 10H90V90H10Z M30 30H70V70H30Z "
                      "M40 40H60V60H40Z'/></g>")
        << true;
    QTest::newRow("fills turning both ways")
        << QByteArray("<g id='g'><path d='M10 10H60V60H10Z'/><path d='M40 40V90H90V40Z'/></g>")
        << true;
    QTest::newRow("nonzero hole, overlapped")
        << QByteArray("<g id='g'><path d='M10 10H70V70H10Z M25 25V55H55V25Z'/>"
                      "<circle cx='40' cy='40' r='12'/><rect x='50' y='50' width='40' "
                      "height='40'/></g>")
        << true;
    QTest::newRow("crossing strokes of one path")
        << QByteArray("<g id='g'><path d='M10 50H90M50 90V10M20 20L80 80' fill='none' "
                      "stroke='#000' stroke-width='8'/></g>")
        << true;
    QTest::newRow("ring stroke over a fill")
        << QByteArray("<g id='g'><rect x='30' y='30' width='40' height='40'/>"
                      "<path d='M50 15A35 35 0 1 0 50.1 15' fill='none' stroke='#000' "
                      "stroke-width='10'/></g>")
        << true;
    QTest::newRow("stroked fill, round caps and joins")
        << QByteArray("<g id='g'><path d='M10 80L50 15L90 80Z' stroke='#000' stroke-width='6' "
                      "stroke-linejoin='round'/><polyline points='10,90 50,60 90,90' "
                      "fill='none' stroke='#000' stroke-width='12' stroke-linecap='round'/></g>")
        << true;
    QTest::newRow("coloured") << QByteArray("<g id='g'><rect x='10' y='10' width='80' "
                                            "height='80' fill='#2060c0'/></g>")
                              << false;
}

void TestGlyphFont::contoursFillWhatTheOutlinePaints()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, fontGlyph);
    const auto renderer = inlineFont(body);
    const GlyphOutline *outline =
        GlyphOutlineCache::of(renderer.get())->outline(QStringLiteral("g"));
    QVERIFY(outline->simple());
    const QPainterPath contours = GlyphFont::contours(*outline);
    QCOMPARE(!contours.isEmpty(), fontGlyph);
    if (!fontGlyph)
        return;
    // The font fills with the nonzero rule, all contours at once.
    QCOMPARE(contours.fillRule(), Qt::WindingFill);
    constexpr double Scale = 3.0;
    const QSize size(qCeil(outline->size().width() * Scale) + 40,
                     qCeil(outline->size().height() * Scale) + 40);
    const auto painted = [&](const std::function<void(QPainter &)> &paint) {
        QImage image = whiteImage(size);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(20, 20);
        painter.scale(Scale, Scale);
        paint(painter);
        return image;
    };
    const QImage outlineImage = painted([&](QPainter &painter) { outline->paint(&painter); });
    const QImage font = painted([&](QPainter &painter) { painter.fillPath(contours, Qt::black); });
    const int ink = darkPixels(outlineImage);
    QVERIFY(ink > 1000);
    QVERIFY2(
        mismatchedPixels(outlineImage, font) <= ink / 200,
        qPrintable(QStringLiteral("%1 of %2").arg(mismatchedPixels(outlineImage, font)).arg(ink)));
}

void TestGlyphFont::fontGlyphKeepsThePaintersOpacity()
{
    // Glyphs under a grey parenthesis are drawn at reduced opacity; as
    // characters of the glyph font they must come out as light as outlines.
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm is not installed");
    const QString path = QStringLiteral(":/notefonts/Common/Basic.svg");
    QTemporaryDir dir;
    const auto inkOf = [&](const std::shared_ptr<QSvgRenderer> &renderer, const QString &name) {
        const GlyphOutline *outline = GlyphOutlineCache::of(renderer.get())->outline("9");
        const QString pdf = dir.filePath(name + QStringLiteral(".pdf"));
        writeSquarePdf(pdf, [&](QPainter &painter) {
            painter.translate(10, 10);
            painter.scale(2, 2);
            painter.setOpacity(0.5);
            outline->paint(&painter);
        });
        const QImage image = renderedGray(pdf, 150).convertToFormat(QImage::Format_Grayscale8);
        qint64 ink = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                ink += 255 - image.constScanLine(y)[x];
        }
        return QPair<qint64, bool>(ink, outline->fontGlyph() >= 0);
    };
    const auto [fontInk, fromFont] = inkOf(NoteFonts::renderer(path), QStringLiteral("font"));
    const auto [outlineInk, fromOutline] =
        inkOf(std::make_shared<QSvgRenderer>(path), QStringLiteral("outline"));
    QVERIFY(fromFont);
    QVERIFY(!fromOutline);
    QVERIFY(outlineInk > 0);
    QVERIFY2(qAbs(fontInk - outlineInk) < outlineInk / 10,
             qPrintable(QStringLiteral("ink %1 as a font glyph, %2 as an outline")
                            .arg(fontInk)
                            .arg(outlineInk)));
}

void TestGlyphFont::stretchedGlyphDrawsWhatItsOutlineDraws_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("id");
    QTest::addColumn<double>("scaleX");
    QTest::addColumn<double>("scaleY");
    QTest::addColumn<double>("turn");
    QTest::addColumn<bool>("fromFont");
    const QString common = QStringLiteral(":/notefonts/Common/Basic.svg");
    const QString bracket = QStringLiteral("TupletLeftHead"); // one stroke, no fill
    QTest::newRow("bracket as drawn") << common << bracket << 2.0 << 2.0 << 0.0 << true;
    QTest::newRow("bracket turned") << common << bracket << 2.0 << 2.0 << 90.0 << true;
    QTest::newRow("bracket mirrored") << common << bracket << -2.0 << 2.0 << 0.0 << true;
    QTest::newRow("bracket squeezed down") << common << bracket << 2.0 << 0.05 << 0.0 << false;
    QTest::newRow("bracket stretched across") << common << bracket << 6.0 << 2.0 << 0.0 << false;
    QTest::newRow("bracket squeezed and turned")
        << common << bracket << 0.05 << 2.0 << 90.0 << false;
    // Fills look the same at any scale, and so do strokes that only make
    // a fill bolder: the notes of a measure narrowed along the line.
    QTest::newRow("filled digit squeezed down")
        << common << QStringLiteral("9") << 2.0 << 0.6 << 0.0 << true;
    const QString brush =
        QStringLiteral(":/notefonts/Shakuhachi_Kinko_Simple/Kinko_Simple_Brush.svg");
    QTest::newRow("bold note narrowed down the column")
        << brush << QStringLiteral("Tsu") << 2.4 << 1.0 << 0.0 << true;
    QTest::newRow("bold note narrowed along the line")
        << brush << QStringLiteral("Ro") << 0.5 << 2.0 << 0.0 << true;
}

void TestGlyphFont::stretchedGlyphDrawsWhatItsOutlineDraws()
{
    // A glyph stretched to a span's length (a tuplet bracket) can end up
    // thinner than a device pixel along one axis: drawn as strokes it
    // still shows as a line, as a font glyph it would all but vanish.
    // Whichever way a glyph is written, it draws what its outline draws.
    QFETCH(QString, path);
    QFETCH(QString, id);
    QFETCH(double, scaleX);
    QFETCH(double, scaleY);
    QFETCH(double, turn);
    QFETCH(bool, fromFont);
    QTemporaryDir dir;
    const auto written = [&](const std::shared_ptr<QSvgRenderer> &renderer, const QString &name) {
        const QString pdf = dir.filePath(name + QStringLiteral(".pdf"));
        writeSquarePdf(pdf, [&](QPainter &painter) {
            painter.translate(50, 50);
            painter.rotate(turn);
            painter.scale(scaleX, scaleY);
            GlyphOutlineCache::of(renderer.get())->outline(id)->paint(&painter);
        });
        return pdf;
    };
    const auto renderer = NoteFonts::renderer(path);
    QVERIFY(GlyphOutlineCache::of(renderer.get())->outline(id)->fontGlyph() >= 0);
    const QString pdf = written(renderer, QStringLiteral("glyph"));
    QCOMPARE(readAll(pdf).contains("VelmoraGlyphs"), fromFont);

    // The same shapes from a renderer the glyph font does not know.
    const auto plain = std::make_shared<QSvgRenderer>(path);
    QCOMPARE(GlyphOutlineCache::of(plain.get())->outline(id)->fontGlyph(), -1);
    const QString outlinePdf = written(plain, QStringLiteral("outline"));
    const QImage glyph = renderedGray(pdf, 300);
    const QImage outline = renderedGray(outlinePdf, 300);
    QVERIFY(!outline.isNull() && darkPixels(outline) > 0);
    QCOMPARE(glyph.size(), outline.size());
    // The rasteriser places a font glyph to a fraction of a pixel: a dark
    // pixel of one has a dark pixel within one pixel in the other.
    const int mismatched = pixelsApart(glyph, outline) + pixelsApart(outline, glyph);
    QVERIFY2(mismatched == 0, qPrintable(QStringLiteral("%1 of %2 dark pixels differ")
                                             .arg(mismatched)
                                             .arg(darkPixels(outline))));
}

void TestGlyphFont::scorePdfEmbedsTheFontAndGrowsLittlePerGlyph()
{
    QTemporaryDir dir;
    const auto sizeAndGlyphs = [&](int measures) -> QPair<qint64, qint64> {
        auto score = generatedFromText(repeatedNotesScore(measures), dir.path());
        if (!score)
            return {-1, -1};
        const QString pdf = dir.filePath(QStringLiteral("out%1.pdf").arg(measures));
        if (!score->exportPdfFile(pdf))
            return {-1, -1};
        return {fileSize(pdf), qint64(TestSupport::sceneItemsOf<GlyphItem>(*score).size())};
    };
    const auto [size40, glyphs40] = sizeAndGlyphs(40);
    const auto [size80, glyphs80] = sizeAndGlyphs(80);
    QVERIFY(size40 > 0 && size80 > 0);
    QVERIFY(glyphs80 > glyphs40 + 300);

    QFile file(dir.filePath(QStringLiteral("out40.pdf")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    QVERIFY2(pdf.contains("/FontFile2"), "the glyph font is not embedded");
    QVERIFY(pdf.contains("VelmoraGlyphs"));

    // A glyph drawn as a character costs its placement, text operators and
    // a glyph number: some 70 bytes before compression, under 10 after.
    // Written as an outline, each glyph of such a score took several
    // hundred bytes even after compression.
    const double perGlyph = double(size80 - size40) / double(glyphs80 - glyphs40);
    QVERIFY2(perGlyph < 40.0, qPrintable(QStringLiteral("%1 bytes per glyph").arg(perGlyph)));
}

void TestGlyphFont::narrowedMeasuresDrawTheirNotesFromTheFont()
{
    // Measures with more notes and syllables than their share of the line
    // has room for are narrowed, their notes drawn smaller (in proportion,
    // to less than nine tenths of their size); the notes stay
    // characters of the glyph font. Written as outlines, each took some
    // thirty path segments.
    QTemporaryDir dir;
    auto score = generatedFromText(sixteenthsScore(24), dir.path());
    QVERIFY(score);
    int squeezedNotes = 0;
    for (const Measure *measure : std::as_const(score->measures)) {
        for (const MePart *cell : measure->parts) {
            for (const Voice *voice : cell->voices.madeVoices()) {
                for (const AlignItem *aligned : voice->alignItems) {
                    const auto *item = dynamic_cast<const GlyphItem *>(aligned->graphicsItem);
                    if (!item || !item->isVisible() || aligned->glyphScale >= 0.9)
                        continue;
                    const GlyphOutline *outline =
                        GlyphOutlineCache::of(item->renderer())->outline(item->elementId());
                    squeezedNotes += outline->fontGlyph() >= 0;
                }
            }
        }
    }
    QVERIFY2(squeezedNotes >= 200, qPrintable(QString::number(squeezedNotes)));

    const QString path = dir.filePath(QStringLiteral("narrowed.pdf"));
    QVERIFY(score->exportPdfFile(path));
    const QByteArray pdf = readAll(path);
    QVERIFY(pdf.contains("VelmoraGlyphs"));
    // What is left as paths are lines: bars, frames, lone strokes.
    const int segments = operatorCount(pdf, "l") + operatorCount(pdf, "c");
    QVERIFY2(segments < 3 * squeezedNotes,
             qPrintable(QStringLiteral("%1 path segments for %2 squeezed notes")
                            .arg(segments)
                            .arg(squeezedNotes)));
}

void TestGlyphFont::pdfTextIsUnchangedOutsideTheGlyphs()
{
    // The glyph font maps no glyph to a character, so a reader extracts
    // lyrics, credits and directions as before and nothing for the glyphs.
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    Score score(QStringLiteral("5.3.1"), 1, false);
    QVERIFY(TestSupport::loadScoreFile(score, TestSupport::samplePath()));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sakura.pdf"));
    QVERIFY(score.exportPdfFile(pdf));
    QVERIFY(readAll(pdf).contains("VelmoraGlyphs"));
    const QString text =
        TestSupport::runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    const QString expected = QString::fromUtf8(
        readAll(TestSupport::fixturePath(QStringLiteral("export/sakura-sakura-pdftotext.txt"))));
    QVERIFY(!expected.isEmpty());
    if (comparableLines(text) != comparableLines(expected)) {
        // Kept beside the build for a look with diff.
        QFile actual(QStringLiteral("sakura-sakura-pdftotext.actual.txt"));
        if (actual.open(QIODevice::WriteOnly))
            actual.write(text.toUtf8());
        qWarning().noquote() << "actual text written to" << QFileInfo(actual).absoluteFilePath();
    }
    QCOMPARE(comparableLines(text), comparableLines(expected));
}

void TestGlyphFont::svgDefinesEachRepeatedShapeOnce()
{
    Score score(QStringLiteral("5.3.1"), 1, false);
    QVERIFY(TestSupport::loadScoreFile(score, TestSupport::samplePath()));
    QTemporaryDir dir;
    QVERIFY(score.exportSvgFile(dir.filePath(QStringLiteral("sakura.svg"))));
    const QByteArray svg = readAll(dir.filePath(QStringLiteral("sakura_p001.svg")));
    QDomDocument document;
    QVERIFY(document.setContent(svg));

    const QDomElement defs = document.documentElement().firstChildElement(QStringLiteral("defs"));
    QSet<QString> ids;
    QSet<QString> shapes;
    for (QDomElement path = defs.firstChildElement(QStringLiteral("path")); !path.isNull();
         path = path.nextSiblingElement(QStringLiteral("path"))) {
        ids.insert(path.attribute(QStringLiteral("id")));
        shapes.insert(path.attribute(QStringLiteral("d")));
    }
    QVERIFY(ids.size() > 5);
    QCOMPARE(shapes.size(), ids.size()); // each shape defined once

    const QDomNodeList uses = document.elementsByTagName(QStringLiteral("use"));
    for (int i = 0; i < uses.size(); ++i) {
        const QString href = uses.at(i).toElement().attribute(QStringLiteral("xlink:href"));
        QVERIFY2(ids.contains(href.mid(1)), qPrintable(href));
    }
    // The note glyphs repeat: many more uses than shapes.
    QVERIFY2(uses.size() > 3 * ids.size(),
             qPrintable(QStringLiteral("%1 uses of %2 shapes").arg(uses.size()).arg(ids.size())));
    // A path drawn in place is drawn once; a second one would have been shared.
    const QList<QByteArray> drawn = pathElements(svg.mid(svg.indexOf("</defs>")));
    QCOMPARE(QSet<QByteArray>(drawn.begin(), drawn.end()).size(), drawn.size());
    // The generator's empty groups are gone.
    QVERIFY(!QRegularExpression(QStringLiteral("<g [^>]*>\\s*</g>"))
                 .match(QString::fromUtf8(svg))
                 .hasMatch());
}

void TestGlyphFont::sharedSvgDrawsWhatTheGeneratorDrew_data()
{
    // Scores in their own style (-1) or generated in one, with texts,
    // lyrics, spanners and staff notation.
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("sample") << TestSupport::samplePath() << -1 << false;
    QTest::newRow("sangen, horizontal")
        << TestSupport::fixturePath(QStringLiteral("corpus/japanese/Echigo_Jishi.xml")) << 7
        << true;
    QTest::newRow("staff notation") << TestSupport::fixturePath(QStringLiteral(
                                           "corpus/lilypond-musicxml-testsuite/43a-PianoStaff.xml"))
                                    << 12 << true;
}

void TestGlyphFont::sharedSvgDrawsWhatTheGeneratorDrew()
{
    QFETCH(QString, path);
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    std::unique_ptr<Score> score;
    if (style < 0) {
        score = std::make_unique<Score>(QStringLiteral("5.3.1"), 1, false);
        QVERIFY(TestSupport::loadScoreFile(*score, path));
    } else {
        score = TestSupport::generatedScore(path, style, horizontal);
    }
    QVERIFY(score);
    QVERIFY(score->beginExportState());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        const QRectF source = score->scene->itemsBoundingRect();
        generator.setViewBox(QRectF(QPointF(0, 0), source.size()));
        QPainter painter(&generator);
        score->scene->render(&painter, QRectF(QPointF(0, 0), source.size()), source);
    }
    const QByteArray generated = buffer.data();
    const QByteArray shared = SvgSharing::shared(generated);
    QVERIFY2(shared.size() < generated.size() / 2,
             qPrintable(QStringLiteral("%1 of %2 bytes").arg(shared.size()).arg(generated.size())));
    const QImage before = renderedSvg(generated, 2.0);
    const QImage after = renderedSvg(shared, 2.0);
    QVERIFY(darkPixels(before) > 10000);
    QCOMPARE(after.size(), before.size());
    QCOMPARE(mismatchedPixels(before, after), 0);
}

VELMORA_TEST_MAIN(TestGlyphFont)

} // namespace tst_glyph_font
#include "tst_glyph_font.moc"
