// Page settings and page geometry: sheets, writing directions, cover and
// white pages, the score rectangle, copying and change detection, and
// geometry that stays finite on damaged settings.
#include "model/page.h"
#include "support/testenvironment.h"

#include <cmath>
#include <functional>

namespace tst_page {

namespace {

struct PageMutation
{
    const char *name;
    std::function<void(Page *)> apply;
};

// One change per persisted setting.
const QList<PageMutation> &settingMutations()
{
    static const QList<PageMutation> mutations = {
        {"paperSize", [](Page *p) { p->paperSize += 1; }},
        {"paperCustomX", [](Page *p) { p->paperCustomX += 1.5; }},
        {"paperCustomY", [](Page *p) { p->paperCustomY += 1.5; }},
        {"landscape", [](Page *p) { p->landscape = !p->landscape; }},
        {"horizontal", [](Page *p) { p->horizontal = !p->horizontal; }},
        {"rotateLyrics", [](Page *p) { p->rotateLyrics = !p->rotateLyrics; }},
        {"displayPageNumber", [](Page *p) { p->displayPageNumber = !p->displayPageNumber; }},
        {"startPageNumber", [](Page *p) { p->startPageNumber += 1; }},
        {"pageText", [](Page *p) { p->pageText = QStringLiteral("Other"); }},
        {"stageBracket", [](Page *p) { p->stageBracket = !p->stageBracket; }},
        {"displayMeasureNumber",
         [](Page *p) { p->displayMeasureNumber = !p->displayMeasureNumber; }},
        {"displayPartFullName", [](Page *p) { p->displayPartFullName = !p->displayPartFullName; }},
        {"displayPartAbbrName", [](Page *p) { p->displayPartAbbrName = !p->displayPartAbbrName; }},
        {"displayPartAbbrName1st",
         [](Page *p) { p->displayPartAbbrName1st = !p->displayPartAbbrName1st; }},
        {"roll", [](Page *p) { p->roll = !p->roll; }},
        {"marginTop", [](Page *p) { p->marginTop += 1.5; }},
        {"marginLeft", [](Page *p) { p->marginLeft += 1.5; }},
        {"marginBottom", [](Page *p) { p->marginBottom += 1.5; }},
        {"marginRight", [](Page *p) { p->marginRight += 1.5; }},
        {"insertCoverPage", [](Page *p) { p->insertCoverPage = !p->insertCoverPage; }},
        {"titleFirstPageTop", [](Page *p) { p->titleFirstPageTop = !p->titleFirstPageTop; }},
        {"headerAreaWidth", [](Page *p) { p->headerAreaWidth += 1.5; }},
        {"headerBottomPad", [](Page *p) { p->headerBottomPad += 1.5; }},
        {"drawHeaderAreaRectangle",
         [](Page *p) { p->drawHeaderAreaRectangle = !p->drawHeaderAreaRectangle; }},
        {"headerAreaRectangleLineWidth", [](Page *p) { p->headerAreaRectangleLineWidth += 1.5; }},
        {"titleFirstStageTop", [](Page *p) { p->titleFirstStageTop = !p->titleFirstStageTop; }},
        {"headerAreaSize", [](Page *p) { p->headerAreaSize += 1.5; }},
        {"autoNewline", [](Page *p) { p->autoNewline = !p->autoNewline; }},
        {"measureScale", [](Page *p) { p->measureScale += 1.5; }},
        {"lastLineFit", [](Page *p) { p->lastLineFit = !p->lastLineFit; }},
        {"pageFit", [](Page *p) { p->pageFit = !p->pageFit; }},
        {"drawStageLine", [](Page *p) { p->drawStageLine = !p->drawStageLine; }},
        {"gridOutline", [](Page *p) { p->gridOutline = !p->gridOutline; }},
        {"gridOutlineWidth", [](Page *p) { p->gridOutlineWidth += 1.5; }},
        {"measurePerLine", [](Page *p) { p->measurePerLine += 1; }},
        {"measureEqualLength", [](Page *p) { p->measureEqualLength = !p->measureEqualLength; }},
        {"measureTimeProportional",
         [](Page *p) { p->measureTimeProportional = !p->measureTimeProportional; }},
        {"lineWidthScale", [](Page *p) { p->lineWidthScale += 1.5; }},
        {"lineWidthPad", [](Page *p) { p->lineWidthPad += 1.5; }},
        {"measureDisplayBarline",
         [](Page *p) { p->measureDisplayBarline = !p->measureDisplayBarline; }},
        {"barlineStaffNotationMode",
         [](Page *p) { p->barlineStaffNotationMode = !p->barlineStaffNotationMode; }},
        {"measureDisplayTimeSignature",
         [](Page *p) { p->measureDisplayTimeSignature = !p->measureDisplayTimeSignature; }},
        {"measureDisplayTimeSignatureFirstPart",
         [](Page *p) {
             p->measureDisplayTimeSignatureFirstPart = !p->measureDisplayTimeSignatureFirstPart;
         }},
    };
    return mutations;
}

bool isFinite(const QRectF &r)
{
    return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width()) &&
           std::isfinite(r.height());
}

} // namespace

class TestPage : public QObject
{
    Q_OBJECT

private slots:
    void geometry_data();
    void geometry();
    void coverPages_data();
    void coverPages();
    void whitePageIsSkipped();
    void sheetSizes_data();
    void sheetSizes();
    void isDifferentSeesEverySetting_data();
    void isDifferentSeesEverySetting();
    void isDifferentIgnoresGeometry();
    void customSizeCountsOnlyForCustomSheet();
    void copyFromAndClone();
    void damagedSettingsKeepGeometryUsable_data();
    void damagedSettingsKeepGeometryUsable();
};

void TestPage::geometry_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("roll");
    QTest::addColumn<int>("paperSize");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QRectF>("header");
    QTest::addColumn<QRectF>("stage");
    QTest::addColumn<QRectF>("score");
    QTest::addColumn<QPointF>("origin");

    QTest::newRow("defaults, vertical")
        << false << false << 9 << 1 << QRectF(154, 10, 20, 237) << QRectF(8, 10, 140, 237)
        << QRectF(0, 0, 182, 257) << QPointF(0, 0);
    QTest::newRow("defaults, horizontal")
        << true << false << 9 << 1 << QRectF(8, 10, 166, 20) << QRectF(8, 36, 166, 211)
        << QRectF(0, 0, 182, 257) << QPointF(0, 0);
    // Later pages have no header: the stage is the whole content area.
    QTest::newRow("vertical, three pages")
        << false << false << 9 << 3 << QRectF(154, 10, 20, 237) << QRectF(8, 10, 166, 237)
        << QRectF(-364, 0, 546, 257) << QPointF(-364, 0);
    QTest::newRow("vertical roll is still side by side")
        << false << true << 9 << 2 << QRectF(154, 10, 20, 237) << QRectF(8, 10, 166, 237)
        << QRectF(-182, 0, 364, 257) << QPointF(-182, 0);
    QTest::newRow("horizontal, two A4 pages")
        << true << false << 1 << 2 << QRectF(8, 10, 194, 20) << QRectF(8, 10, 194, 277)
        << QRectF(0, 0, 420, 297) << QPointF(210, 0);
    QTest::newRow("horizontal roll, two A4 pages")
        << true << true << 1 << 2 << QRectF(8, 10, 194, 20) << QRectF(8, 10, 194, 277)
        << QRectF(0, 0, 210, 594) << QPointF(0, 297);
}

void TestPage::geometry()
{
    QFETCH(bool, horizontal);
    QFETCH(bool, roll);
    QFETCH(int, paperSize);
    QFETCH(int, pages);
    Page page;
    page.horizontal = horizontal;
    page.roll = roll;
    page.paperSize = paperSize;
    page.resetPages();
    for (int i = 1; i < pages; ++i)
        page.addPage(false);

    QTEST(page.headerAreaRect, "header");
    QTEST(page.stageRect, "stage");
    QTEST(page.scoreRect, "score");
    QTEST(QPointF(page.pageOriginX, page.pageOriginY), "origin");
    QCOMPARE(page.pageCount, pages);
    QCOMPARE(page.currentPage, pages - 1);

    // Going back to the first page restores its header layout.
    page.setCurrentPage(0);
    QCOMPARE(QPointF(page.pageOriginX, page.pageOriginY), QPointF(0, 0));
}

void TestPage::coverPages_data()
{
    QTest::addColumn<int>("paperSize");
    QTest::addColumn<int>("covers");
    QTest::addColumn<int>("pageCount");
    QTest::addColumn<int>("currentPage");
    QTest::addColumn<int>("numberOffset");
    QTest::newRow("B4 double sheet") << 8 << 2 << 3 << 2 << 2;
    QTest::newRow("A3 double sheet") << 7 << 2 << 3 << 2 << 2;
    QTest::newRow("JIS B4 double sheet") << 9 << 2 << 3 << 2 << 2;
    QTest::newRow("B5") << 3 << 1 << 2 << 1 << 1;
    QTest::newRow("Custom") << 6 << 1 << 2 << 1 << 1;
}

void TestPage::coverPages()
{
    QFETCH(int, paperSize);
    QFETCH(int, numberOffset);
    Page page;
    page.paperSize = paperSize;
    page.insertCoverPage = true;
    page.startPageNumber = 5;
    page.resetPages();
    QTEST(page.coverPageCount, "covers");
    QTEST(page.pageCount, "pageCount");
    QTEST(page.currentPage, "currentPage");
    QCOMPARE(page.pageNumber, 5 + numberOffset);
    // The header stands on the first score page, behind the covers.
    QCOMPARE(page.headerAreaRect.x(), page.pageOriginX + page.pageWidth - 8 - 20);
}

void TestPage::whitePageIsSkipped()
{
    Page page;
    page.resetPages();
    const int number = page.pageNumber;
    page.addPage(true);
    QCOMPARE(page.pageCount, 3);
    QCOMPARE(page.currentPage, 2);
    QCOMPARE(page.pageNumber, number + 1);
    QCOMPARE(page.scoreRect, QRectF(-364, 0, 546, 257));
}

void TestPage::sheetSizes_data()
{
    QTest::addColumn<int>("paperSize");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QSizeF>("sheet");
    QTest::newRow("A3") << 0 << false << QSizeF(297, 420);
    QTest::newRow("A4 landscape") << 1 << true << QSizeF(297, 210);
    QTest::newRow("B4") << 2 << false << QSizeF(250, 353);
    QTest::newRow("B5 landscape") << 3 << true << QSizeF(250, 176);
    QTest::newRow("JIS B4") << 4 << false << QSizeF(257, 364);
    QTest::newRow("JIS B5") << 5 << false << QSizeF(182, 257);
    QTest::newRow("Custom 100x150 landscape") << 6 << true << QSizeF(150, 100);
    QTest::newRow("A3 double") << 7 << false << QSizeF(210, 297);
    QTest::newRow("B4 double landscape") << 8 << true << QSizeF(250, 176);
    QTest::newRow("JIS B4 double") << 9 << false << QSizeF(182, 257);
}

void TestPage::sheetSizes()
{
    QFETCH(int, paperSize);
    QFETCH(bool, landscape);
    Page page;
    page.paperSize = paperSize;
    page.landscape = landscape;
    page.paperCustomX = 100;
    page.paperCustomY = 150;
    page.setPaperSize();
    QTEST(QSizeF(page.pageWidth, page.pageHeight), "sheet");
}

void TestPage::isDifferentSeesEverySetting_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < settingMutations().size(); ++i)
        QTest::newRow(settingMutations().at(i).name) << i;
}

void TestPage::isDifferentSeesEverySetting()
{
    QFETCH(int, index);
    Page a;
    Page b;
    a.paperSize = b.paperSize = PaperCustom; // so the Custom size counts
    QVERIFY(!a.isDifferent(&b));
    settingMutations().at(index).apply(&b);
    QVERIFY(a.isDifferent(&b));
    QVERIFY(b.isDifferent(&a));

    // copyFrom carries exactly that setting over.
    a.copyFrom(&b);
    QVERIFY(!a.isDifferent(&b));
    QScopedPointer<Page> copy(b.clone());
    QVERIFY(!copy->isDifferent(&b));
}

void TestPage::isDifferentIgnoresGeometry()
{
    Page a;
    Page b;
    b.resetPages();
    b.addPage(false);
    b.scaleFactor = 2.0;
    b.glyphScale = 1.0;
    b.headerAreaRect = QRectF(1, 2, 3, 4);
    b.coverPageCount = 1;
    b.screenDecorations = false;
    QVERIFY(!a.isDifferent(&b));

    b.marginTop = std::nan("");
    a.marginTop = std::nan("");
    QVERIFY(a.isDifferent(&b));
}

void TestPage::customSizeCountsOnlyForCustomSheet()
{
    Page a;
    Page b;
    b.paperCustomX = 123;
    QVERIFY(!a.isDifferent(&b));
    a.paperSize = b.paperSize = PaperCustom;
    QVERIFY(a.isDifferent(&b));
}

void TestPage::copyFromAndClone()
{
    Page source;
    source.horizontal = true;
    source.paperSize = PaperA4;
    source.resetPages();
    source.addPage(false);

    Page target;
    target.resetPages();
    target.addPage(false);
    target.addPage(false);
    const QRectF stage = target.stageRect;
    target.copyFrom(&source);
    QCOMPARE(target.pageCount, 3);
    QCOMPARE(target.pageWidth, 182.0);
    QCOMPARE(target.stageRect, stage);
    QCOMPARE(target.headerAreaRect, source.headerAreaRect);
    QVERIFY(target.horizontal);

    QScopedPointer<Page> copy(source.clone());
    QVERIFY(copy->parent() == nullptr);
    QCOMPARE(copy->pageWidth, 210.0);
    QCOMPARE(copy->stageRect, source.stageRect);
    QCOMPARE(copy->headerAreaRect, source.headerAreaRect);
    QCOMPARE(copy->pageCount, 1);
    QCOMPARE(copy->currentPage, 0);
}

void TestPage::damagedSettingsKeepGeometryUsable_data()
{
    QTest::addColumn<int>("paperSize");
    QTest::addColumn<double>("customX");
    QTest::addColumn<double>("customY");
    QTest::addColumn<double>("margin");
    QTest::addColumn<QSizeF>("sheet");
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("paper size -1 keeps the sheet")
        << -1 << 200.0 << 200.0 << 8.0 << QSizeF(182, 257);
    QTest::newRow("paper size 10 keeps the sheet")
        << 10 << 200.0 << 200.0 << 8.0 << QSizeF(182, 257);
    QTest::newRow("custom zero") << 6 << 0.0 << 150.0 << 8.0 << QSizeF(182, 257);
    QTest::newRow("custom negative") << 6 << 100.0 << -5.0 << 8.0 << QSizeF(182, 257);
    QTest::newRow("custom NaN") << 6 << nan << 150.0 << 8.0 << QSizeF(182, 257);
    QTest::newRow("custom infinite") << 6 << inf << 150.0 << 8.0 << QSizeF(182, 257);
    QTest::newRow("NaN margins") << 5 << 200.0 << 200.0 << nan << QSizeF(182, 257);
}

void TestPage::damagedSettingsKeepGeometryUsable()
{
    QFETCH(int, paperSize);
    QFETCH(double, customX);
    QFETCH(double, customY);
    QFETCH(double, margin);
    Page page;
    page.paperSize = paperSize;
    page.paperCustomX = customX;
    page.paperCustomY = customY;
    page.marginLeft = page.marginRight = page.marginTop = page.marginBottom = margin;
    page.headerAreaWidth = margin;
    page.resetPages();
    page.addPage(false);
    QTEST(QSizeF(page.pageWidth, page.pageHeight), "sheet");
    QVERIFY(isFinite(page.stageRect));
    QVERIFY(isFinite(page.headerAreaRect));
    QVERIFY(isFinite(page.scoreRect));
}

VELMORA_TEST_MAIN(TestPage)

} // namespace tst_page
#include "tst_page.moc"
