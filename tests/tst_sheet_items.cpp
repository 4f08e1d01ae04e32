// Drawing each sheet from its own item list draws what the scene's render
// of the same rectangle draws, byte for byte: checked on the SVG of every
// page of real scores in both writing directions, of sheets that straddle
// two pages and of the whole score, with a few items added by hand that a
// careless lookup would miss or misorder.
#include "model/page.h"
#include "model/score.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "view/scene.h"
#include "view/sheetitems.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QPainter>
#include <QPen>
#include <QSvgGenerator>
#include <QtTest>

#include <functional>
#include <memory>

namespace tst_sheet_items {

namespace {

// The page rectangles in scene units: page k covers k to k+1 page widths
// in horizontal writing and -k to 1-k in vertical writing.
QList<QRectF> pageRects(const Score &score)
{
    const Page &page = *score.page;
    const double s = page.scaleFactor;
    const double w = page.pageWidth * s;
    QList<QRectF> pages;
    for (int k = 0; k < page.pageCount; ++k)
        pages.append(QRectF((page.horizontal ? k : -k) * w, 0.0, w, page.pageHeight * s));
    return pages;
}

// Every page, a sheet across each border between two pages, and the
// whole score area.
QList<QRectF> sheetsOf(const Score &score)
{
    QList<QRectF> sheets = pageRects(score);
    const int pages = int(sheets.size());
    for (int k = 0; k + 1 < pages; ++k) {
        const QRectF &a = sheets.at(k);
        sheets.append(a.united(sheets.at(k + 1)).adjusted(a.width() / 2, 0, -a.width() / 2, 0));
    }
    sheets.append(score.scene->itemsBoundingRect());
    return sheets;
}

QByteArray svgOf(const QSizeF &size, const std::function<void(QPainter *, const QRectF &)> &draw)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    const QRectF target(QPointF(0, 0), size);
    generator.setSize(size.toSize());
    generator.setViewBox(target);
    QPainter painter(&generator);
    painter.setPen(Qt::NoPen);
    draw(&painter, target);
    painter.end();
    return buffer.data();
}

// Items a lookup gets wrong unless it measures as the render does: a
// hairline along an axis (a box of no width) in the middle of the first
// page, an item on the first page whose child stands on the second, and an
// item added last but stacked below everything else.
void addAwkwardItems(Score &score)
{
    const QList<QRectF> pages = pageRects(score);
    const QRectF first = pages.first();
    auto *hairline = score.scene->addLine(QLineF(first.center(), first.center() + QPointF(0, 80)),
                                          QPen(Qt::red, 0));
    hairline->setZValue(50);
    auto *parent = score.scene->addRect(QRectF(first.center(), QSizeF(20, 20)), QPen(Qt::blue, 2));
    const QRectF second = pages.size() > 1 ? pages.at(1) : first;
    auto *child = new QGraphicsRectItem(QRectF(second.center(), QSizeF(30, 30)), parent);
    child->setPen(QPen(Qt::green, 3));
    auto *below = score.scene->addRect(first.adjusted(20, 20, -20, -20), Qt::NoPen, Qt::yellow);
    below->setZValue(-100);
}

} // namespace

class TestSheetItems : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestSupport::prompter().reset(); }
    void sheetsDrawAsTheSceneRenders_data();
    void sheetsDrawAsTheSceneRenders();
};

void TestSheetItems::sheetsDrawAsTheSceneRenders_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("roll");
    QTest::addColumn<bool>("forExport");

    const QString echigo = QStringLiteral("corpus/japanese/Echigo_Jishi.xml");
    const QString directions =
        QStringLiteral("corpus/lilypond-musicxml-testsuite/31a-Directions.xml");
    const QString spanners = QStringLiteral("corpus/lilypond-musicxml-testsuite/33a-Spanners.xml");
    QTest::newRow("shakuhachi, vertical") << echigo << 0 << false << false << true;
    QTest::newRow("koto, horizontal") << echigo << 7 << true << false << true;
    QTest::newRow("staff, vertical") << directions << 12 << false << false << true;
    QTest::newRow("spans, horizontal") << spanners << 0 << true << false << true;
    QTest::newRow("roll, vertical") << echigo << 0 << false << true << true;
    // On screen the desk and the white pages are drawn behind the items.
    QTest::newRow("on screen") << echigo << 7 << true << false << false;
}

void TestSheetItems::sheetsDrawAsTheSceneRenders()
{
    QFETCH(QString, file);
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    QFETCH(bool, roll);
    QFETCH(bool, forExport);

    auto score = std::make_unique<Score>(QStringLiteral("test"), 1, false);
    QVERIFY(TestSupport::loadScoreFile(*score, TestSupport::fixturePath(file)));
    score->page->roll = roll;
    TestSupport::generateInStyle(*score, style, horizontal);
    if (forExport)
        QVERIFY(score->beginExportState());
    addAwkwardItems(*score);

    const QList<QRectF> sheets = sheetsOf(*score);
    const QList<QList<QGraphicsItem *>> lists = itemsOfSheets(*score->scene, sheets);
    QCOMPARE(lists.size(), sheets.size());
    for (int i = 0; i < sheets.size(); ++i) {
        const QRectF &sheet = sheets.at(i);
        QVERIFY2(!lists.at(i).isEmpty(), qPrintable(QStringLiteral("sheet %1 is empty").arg(i)));
        const QByteArray rendered = svgOf(sheet.size(), [&](QPainter *p, const QRectF &target) {
            score->scene->render(p, target, sheet, Qt::KeepAspectRatio);
        });
        const QByteArray drawn = svgOf(sheet.size(), [&](QPainter *p, const QRectF &target) {
            score->scene->renderSheet(p, target, sheet, lists.at(i));
        });
        QVERIFY(rendered.count("<path") + rendered.count("<text") > 3);
        if (drawn != rendered) {
            QFile out(QDir::temp().filePath(QStringLiteral("sheet-items-%1.svg").arg(i)));
            if (out.open(QIODevice::WriteOnly))
                out.write(drawn);
            QFAIL(qPrintable(QStringLiteral("sheet %1 of %2 differs from the scene's render (%3)")
                                 .arg(i)
                                 .arg(sheets.size())
                                 .arg(out.fileName())));
        }
    }
}

VELMORA_TEST_MAIN(TestSheetItems)

} // namespace tst_sheet_items
#include "tst_sheet_items.moc"
