// The frame of every generation, on scores laid out by hand: one watcher,
// a selectable measure item per displayed measure, stage frames and stage
// lines, stage brackets and measure numbers at line starts, page counting
// over both passes with white pages, page number labels, break marks, the
// footer line, the grid outline and the frames of double sheets.
#include "drawing/breakitem.h"
#include "drawing/measureitem.h"
#include "drawing/mytextitem.h"
#include "drawing/watcheritem.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/page.h"
#include "model/score.h"
#include "model/style.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QDate>
#include <QFontMetrics>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>

namespace tst_page_frame {

namespace {

template <class T> QList<T *> itemsOf(const Score &score)
{
    QList<T *> found;
    const QList<QGraphicsItem *> items = score.scene->items(Qt::AscendingOrder);
    for (QGraphicsItem *item : items)
        if (auto *t = dynamic_cast<T *>(item))
            found.append(t);
    return found;
}

QStringList textsOf(const Score &score)
{
    QStringList texts;
    for (const MyTextItem *item : itemsOf<MyTextItem>(score))
        texts << item->text;
    return texts;
}

// Two parts, seven measures, six displayed (measure 2 is a two-measure
// rest standing for 3), laid out by hand in horizontal writing: one line
// of two displayed measures per page, on three pages.
void layOutThreePages(Score &score, int parts = 2)
{
    TestSupport::ModelBuilder builder(&score);
    for (int p = 0; p < parts; ++p)
        builder.addPart(QStringLiteral("P%1").arg(p + 1), 0);
    for (int i = 0; i < 7; ++i)
        builder.addMeasure();
    score.maxNoteSize = 5.0;
    Page *page = score.page;
    page->horizontal = true;
    page->resetPages();
    score.measures.at(2)->multiRestCount = 2;
    const QList<int> shown = {0, 1, 2, 4, 5, 6};
    for (int d = 0; d < shown.size(); ++d) {
        Measure *m = score.measures.at(shown.at(d));
        const int pageIndex = d / 2;
        m->originX = pageIndex * page->pageWidth + page->marginLeft + (d % 2) * 80.0;
        m->originY = 100.0;
        m->width = 80.0;
        m->height = 30.0;
        m->stageEnd = d % 2 == 1;
        m->pageEnd = d % 2 == 1 && d != shown.size() - 1;
        score.displayedMeasures.append(m);
    }
}

// The frame steps in the order the item generation calls them.
void generateFrame(Score &score)
{
    score.beginGraphicItems();
    score.genMeasureFrames();
    score.page->resetPages();
    for (int i = 0; i < score.measures.size();) {
        Measure *m = score.measures.at(i);
        score.genBreakMark(i);
        score.advancePageAfterMeasure(m);
        i += m->multiRestCount >= 2 ? m->multiRestCount : 1;
    }
    score.genFooterLine();
    score.drawClosingFrames();
}

QString footerOfToday()
{
    return QStringLiteral("Produced by Velmora version 5.3.1 on %1.")
        .arg(QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
}

} // namespace

class TestPageFrame : public QObject
{
    Q_OBJECT

private slots:
    void threePageFrame();
    void regenerationReplacesTheFrame();
    void pageLabels_data();
    void pageLabels();
    void rollPageLabels();
    void whitePageCounting_data();
    void whitePageCounting();
    void stageBracket_data();
    void stageBracket();
    void measureNumberPlacement_data();
    void measureNumberPlacement();
    void breakMarks();
    void gridOutline();
    void doublePageFrames_data();
    void doublePageFrames();
};

void TestPageFrame::threePageFrame()
{
    Score score(QStringLiteral("5.3.1"), 1, false);
    layOutThreePages(score);
    score.page->paperSize = PaperA4;
    generateFrame(score);
    const double s = score.page->scaleFactor;
    const Page *page = score.page;
    QCOMPARE(page->pageCount, 3);

    const QList<WatcherItem *> watchers = itemsOf<WatcherItem>(score);
    QCOMPARE(watchers.size(), 1);
    QCOMPARE(watchers.first(), score.watcher);

    const QList<MeasureItem *> measureItems = itemsOf<MeasureItem>(score);
    QCOMPARE(measureItems.size(), 6);
    for (MeasureItem *item : measureItems) {
        const int d = item->data(1).toInt();
        const Measure *m = score.displayedMeasures.at(d);
        QCOMPARE(item->data(0).toInt(), 0);
        QCOMPARE(m->measureItem, item);
        QCOMPARE(item->pos(), QPointF(m->originX * s, m->originY * s));
        QCOMPARE(item->boundingRect(), QRectF(0, 0, int(80.0 * s), int(30.0 * s)));
        QCOMPARE(item->flags(), QGraphicsItem::ItemIsSelectable);
    }

    // One stage frame per page; stage lines along both edges of each line
    // (placed items); three thin bracket lines per line start (drawn in
    // place).
    QList<double> frameXs;
    int stageLines = 0;
    int bracketLines = 0;
    for (QGraphicsRectItem *rect : itemsOf<QGraphicsRectItem>(score))
        if (rect->zValue() == -20.0)
            frameXs << rect->pos().x();
    for (QGraphicsLineItem *line : itemsOf<QGraphicsLineItem>(score)) {
        QCOMPARE(line->zValue(), -20.0);
        if (line->pos().isNull())
            ++bracketLines;
        else
            ++stageLines;
    }
    std::sort(frameXs.begin(), frameXs.end());
    QCOMPARE(frameXs.size(), 3);
    for (int p = 0; p < 3; ++p)
        QCOMPARE(frameXs.at(p), (p * page->pageWidth + page->marginLeft) * s);
    QCOMPARE(stageLines, 6);
    QCOMPARE(bracketLines, 9);

    // Numbers at line starts count the measures the rest stands for.
    QStringList texts = textsOf(score);
    const QStringList labels = {"( 1 )", "( 2 )", "( 3 )"};
    const QStringList numbers = {"1", "3", "6"};
    QCOMPARE(texts.count(footerOfToday()), 1);
    for (const QString &text : labels + numbers)
        QCOMPARE(texts.count(text), 1);
    QCOMPARE(texts.size(), labels.size() + numbers.size() + 1);

    for (const MyTextItem *item : itemsOf<MyTextItem>(score)) {
        const int labelPage = labels.indexOf(item->text);
        if (labelPage >= 0) {
            // Centred below the stage of its own page.
            const double centre = item->pos().x() + item->boundingRect().width() / 2.0;
            const double stageCentre =
                (labelPage * page->pageWidth + page->marginLeft + page->stageRect.width() / 2.0) *
                s;
            QVERIFY(qAbs(centre - stageCentre) < 1e-6);
        } else if (item->text == footerOfToday()) {
            // On the last page, its foot 5 mm above the sheet's lower edge.
            QCOMPARE(item->pos().x(), (2 * page->pageWidth + page->marginLeft) * s);
            QVERIFY(qAbs(item->sceneBoundingRect().bottom() - (page->pageHeight - 5.0) * s) < 1e-6);
        }
    }
    // No break, no double sheet: nothing else.
    QVERIFY(itemsOf<BreakItem>(score).isEmpty());
}

void TestPageFrame::regenerationReplacesTheFrame()
{
    Score score(QStringLiteral("5.3.1"), 1, false);
    layOutThreePages(score);
    generateFrame(score);
    const int count = score.scene->items().size();
    generateFrame(score);
    QCOMPARE(score.scene->items().size(), count);
    QCOMPARE(itemsOf<WatcherItem>(score).size(), 1);
    QVERIFY(itemsOf<WatcherItem>(score).first() == score.watcher);
    // Measures that are not displayed keep no stale measure item.
    QCOMPARE(score.measures.at(3)->measureItem, nullptr);
}

void TestPageFrame::pageLabels_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<bool>("cover");
    QTest::addColumn<QString>("pageText");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("display");
    QTest::addColumn<QStringList>("labels");
    const QStringList plain = {"( 1 )", "( 2 )", "( 3 )"};
    QTest::newRow("A4") << int(PaperA4) << false << QString() << 1 << true << plain;
    QTest::newRow("A4 after a cover") << int(PaperA4) << true << QString() << 1 << true << plain;
    QTest::newRow("double sheet after a cover")
        << int(PaperJisB4DoubleJisB5) << true << QString() << 1 << true << plain;
    QTest::newRow("double sheet without cover")
        << int(PaperJisB4DoubleJisB5) << false << QString() << 1 << true << plain;
    QTest::newRow("page text") << int(PaperA4) << false << QStringLiteral("Kaze") << 1 << true
                               << QStringList{"Kaze  ( 1 )", "Kaze  ( 2 )", "Kaze  ( 3 )"};
    QTest::newRow("start page 5") << int(PaperA4) << false << QString() << 5 << true
                                  << QStringList{"( 5 )", "( 6 )", "( 7 )"};
    QTest::newRow("off") << int(PaperA4) << false << QString() << 1 << false << QStringList();
}

void TestPageFrame::pageLabels()
{
    QFETCH(int, paper);
    QFETCH(bool, cover);
    QFETCH(QString, pageText);
    QFETCH(int, start);
    QFETCH(bool, display);
    QFETCH(QStringList, labels);
    Score score(QStringLiteral("5.3.1"), 1, false);
    score.page->paperSize = paper;
    score.page->insertCoverPage = cover;
    score.page->pageText = pageText;
    score.page->startPageNumber = start;
    score.page->displayPageNumber = display;
    score.page->displayMeasureNumber = false;
    layOutThreePages(score);
    generateFrame(score);
    QStringList texts = textsOf(score);
    texts.removeAll(footerOfToday());
    texts.sort();
    QCOMPARE(texts, labels);
}

void TestPageFrame::rollPageLabels()
{
    // On a roll the pages lie one below another; each label stays below
    // its own page's stage.
    Score score(QStringLiteral("5.3.1"), 1, false);
    score.page->paperSize = PaperA4;
    score.page->horizontal = true;
    score.page->roll = true;
    score.beginGraphicItems();
    score.page->addPage(false);
    score.genPageNumber();
    QList<double> ys;
    for (const MyTextItem *item : itemsOf<MyTextItem>(score))
        ys << item->pos().y();
    std::sort(ys.begin(), ys.end());
    QCOMPARE(ys.size(), 2);
    QCOMPARE(ys.at(1) - ys.at(0), score.page->pageHeight * score.page->scaleFactor);
}

void TestPageFrame::whitePageCounting_data()
{
    QTest::addColumn<int>("breakType");
    QTest::addColumn<bool>("pageEnd");
    QTest::addColumn<int>("firstPassPages");
    QTest::addColumn<int>("secondPassPages");
    QTest::addColumn<int>("labels");
    QTest::newRow("white page not fitted, mid page") << 6 << false << 3 << 1 << 1;
    QTest::newRow("white page not fitted, page end") << 6 << true << 3 << 3 << 2;
    QTest::newRow("white page, mid page") << 3 << false << 3 << 3 << 2;
    QTest::newRow("page break") << 2 << true << 2 << 2 << 2;
    QTest::newRow("line break") << 1 << false << 1 << 1 << 1;
}

void TestPageFrame::whitePageCounting()
{
    QFETCH(int, breakType);
    QFETCH(bool, pageEnd);
    QFETCH(int, firstPassPages);
    QFETCH(int, secondPassPages);
    QFETCH(int, labels);
    Score score(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("P"), 0);
    Measure *m = builder.addMeasure();
    m->width = 50.0;
    m->height = 20.0;
    m->userBreakType = breakType;
    m->pageEnd = pageEnd;
    score.displayedMeasures.append(m);
    score.page->displayMeasureNumber = false;

    score.beginGraphicItems();
    score.genMeasureFrames();
    QCOMPARE(score.page->pageCount, firstPassPages);
    score.page->resetPages();
    score.advancePageAfterMeasure(m);
    QCOMPARE(score.page->pageCount, secondPassPages);
    QCOMPARE(textsOf(score).size(), labels);
}

void TestPageFrame::stageBracket_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("thin");
    QTest::addColumn<QStringList>("glyphs");
    QTest::newRow("horizontal glyphs")
        << true << false << QStringList{"Bracket_Top", "Bracket_Bottom"};
    QTest::newRow("vertical glyphs")
        << false << false << QStringList{"Bracket_Left", "Bracket_Right"};
    QTest::newRow("horizontal thin") << true << true << QStringList();
    QTest::newRow("vertical thin") << false << true << QStringList();
}

void TestPageFrame::stageBracket()
{
    QFETCH(bool, horizontal);
    QFETCH(bool, thin);
    QFETCH(QStringList, glyphs);
    Score score(QStringLiteral("5.3.1"), 1, false);
    score.page->horizontal = horizontal;
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("P"), 0);
    Measure *m = builder.addMeasure();
    m->originX = 40.0;
    m->originY = 50.0;
    m->width = 60.0;
    m->height = 30.0;
    const double s = score.page->scaleFactor;
    QCOMPARE(score.genBracketItems(m, thin), 1);

    const QList<GlyphItem *> svgs = itemsOf<GlyphItem>(score);
    const QList<QGraphicsLineItem *> lines = itemsOf<QGraphicsLineItem>(score);
    QStringList ids;
    for (const GlyphItem *svg : svgs)
        ids << svg->elementId();
    QCOMPARE(ids, glyphs);
    if (thin) {
        QCOMPARE(lines.size(), 3);
        for (const QGraphicsLineItem *line : lines) {
            QCOMPARE(line->zValue(), -20.0);
            QCOMPARE(line->pen().widthF(), 0.2 * s);
        }
        // The bracket's middle stroke stands 1.5 mm off the line.
        const QLineF middle = lines.at(1)->line();
        QCOMPARE(middle, horizontal ? QLineF(38.5 * s, 51.5 * s, 38.5 * s, 78.5 * s)
                                    : QLineF(41.5 * s, 48.5 * s, 98.5 * s, 48.5 * s));
        return;
    }
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.first()->pen().widthF(), 0.8 * s);
    // Both glyphs are placed with the size of the first one.
    const QRectF first = svgs.at(0)->boundingRect();
    QVERIFY(!first.isEmpty());
    if (horizontal) {
        QCOMPARE(svgs.at(0)->pos(),
                 QPointF(40 * s - 0.455 * first.width(), 50 * s - 0.7 * first.height()));
        QCOMPARE(svgs.at(1)->pos(),
                 QPointF(40 * s - 0.455 * first.width(), 80 * s - 0.3 * first.height()));
    } else {
        QCOMPARE(svgs.at(0)->pos(),
                 QPointF(40 * s - 0.55 * first.width(), 50 * s - 0.488 * first.height()));
        QCOMPARE(svgs.at(1)->pos(),
                 QPointF(100 * s - 0.32 * first.width(), 50 * s - 0.488 * first.height()));
    }
}

void TestPageFrame::measureNumberPlacement_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("bracket");
    QTest::addColumn<double>("maxNoteSize");
    QTest::addColumn<int>("m");            // min(int(max note size), 3)
    QTest::addColumn<double>("marginLeft"); // the stage's left edge on the sheet, mm
    QTest::addColumn<double>("lineStart");  // x of the line's first measure, mm
    // Where the number goes in horizontal writing: before the line, at its
    // top corner (0); after the part names of the first line, under the
    // top line (1); into the line's corner (2).
    QTest::addColumn<int>("place");
    QTest::newRow("horizontal with bracket, wide margin") << true << true << 5.0 << 3 << 20.0 << 20.0 << 0;
    QTest::newRow("horizontal without, wide margin") << true << false << 2.5 << 2 << 20.0 << 20.0 << 0;
    QTest::newRow("horizontal, after the part names") << true << true << 5.0 << 3 << 8.0 << 40.0 << 1;
    QTest::newRow("horizontal with bracket, usual margin") << true << true << 5.0 << 3 << 8.0 << 8.0 << 2;
    QTest::newRow("horizontal without, usual margin") << true << false << 5.0 << 3 << 8.0 << 8.0 << 2;
    QTest::newRow("vertical with bracket") << false << true << 5.0 << 3 << 8.0 << 40.0 << 0;
    QTest::newRow("vertical without") << false << false << 5.0 << 3 << 8.0 << 40.0 << 0;
    QTest::newRow("note size below 1") << true << true << 0.9 << 0 << 8.0 << 40.0 << 0;
}

void TestPageFrame::measureNumberPlacement()
{
    QFETCH(bool, horizontal);
    QFETCH(bool, bracket);
    QFETCH(double, maxNoteSize);
    QFETCH(int, m);
    QFETCH(double, marginLeft);
    QFETCH(double, lineStart);
    QFETCH(int, place);
    Score score(QStringLiteral("5.3.1"), 1, false);
    score.page->horizontal = horizontal;
    score.page->stageBracket = bracket;
    score.page->marginLeft = marginLeft;
    score.page->setPaperSize();
    score.page->resetPages();
    score.maxNoteSize = maxNoteSize;
    const double s = score.page->scaleFactor;
    const double y = 50.0;
    QCOMPARE(score.drawMeasureNumber(lineStart, y, 0, lineStart + 30.0), 1);
    const QList<MyTextItem *> items = itemsOf<MyTextItem>(score);
    if (m == 0) {
        QVERIFY(items.isEmpty());
        return;
    }
    QCOMPARE(items.size(), 1);
    const MyTextItem *item = items.first();
    QCOMPARE(item->text, QStringLiteral("1"));
    QCOMPARE(item->font.pixelSize(), int(s * m));
    QVERIFY(item->font.italic());
    QCOMPARE(item->font.weight(), QFont::Bold);
    if (horizontal) {
        const int w = QFontMetrics(item->font).boundingRect(QStringLiteral("1")).width();
        const double gap = bracket ? m : 0.8 * m;
        const QRectF stage = score.page->stageRect;
        QCOMPARE(stage.x(), marginLeft);
        if (place == 0) // right-aligned before the measure's start corner, left of the frame
            QCOMPARE(item->pos(), QPointF((lineStart - gap) * s - w, (y - 0.3 * m) * s));
        else if (place == 1)
            QCOMPARE(item->pos(), QPointF((lineStart - gap) * s - w, (y + 0.5) * s));
        else // in the corner, half a millimetre from the frame's lines
            QCOMPARE(item->pos(), QPointF((stage.x() + 0.5) * s, (y + 0.5) * s));
        if (place != 0)
            QVERIFY(item->pos().x() >= (stage.x() + 0.5) * s);
    } else {
        const double rise = bracket ? 2.0 * m : 1.5 * m;
        QCOMPARE(item->pos(), QPointF((lineStart - m) * s, (y - rise) * s));
    }
}

void TestPageFrame::breakMarks()
{
    Score score(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("P"), 0);
    for (int type = 0; type <= 6; ++type) {
        Measure *m = builder.addMeasure();
        m->originX = 10.0 * type;
        m->originY = 20.0;
        m->width = 10.0;
        m->height = 30.0;
        m->userBreakType = type;
    }
    const double s = score.page->scaleFactor;
    QCOMPARE(score.genBreakMark(0), nullptr);
    QCOMPARE(score.genBreakMark(99), nullptr);
    for (int type = 1; type <= 6; ++type) {
        auto *mark = dynamic_cast<BreakItem *>(score.genBreakMark(type));
        QVERIFY(mark);
        QCOMPARE(mark->kind, (type - 1) % 3 + 1);
        QCOMPARE(mark->data(0).toInt(), mark->kind);
        QCOMPARE(mark->data(1).toInt(), type);
        QCOMPARE(mark->boundingRect(), QRectF(0, 0, int(5.0 * s), int(5.0 * s)));
        QCOMPARE(mark->pos(), QPointF((10.0 * type + 5.0) * s, 45.0 * s));
        QCOMPARE(mark->flags(), QGraphicsItem::ItemIsSelectable);
    }
    // Clean output (export) has no break marks.
    score.cleanOutput = true;
    score.beginGraphicItems();
    for (int type = 0; type <= 6; ++type)
        QCOMPARE(score.genBreakMark(type), nullptr);
    QVERIFY(itemsOf<BreakItem>(score).isEmpty());
}

void TestPageFrame::gridOutline()
{
    Score score(QStringLiteral("5.3.1"), 1, false);
    score.page->paperSize = PaperA4;
    layOutThreePages(score);
    score.page->gridOutline = true;
    score.page->gridOutlineWidth = 50.0;
    score.drawClosingFrames();
    const QList<QGraphicsLineItem *> lines = itemsOf<QGraphicsLineItem>(score);
    QCOMPARE(lines.size(), 4 * 6);
    for (const QGraphicsLineItem *line : lines) {
        QCOMPARE(line->zValue(), -10.0);
        QCOMPARE(line->pen().width(), 0);
        QCOMPARE(line->pen().color(), QColor(Qt::white));
    }
    // One stage rectangle, on the last page.
    const QList<QGraphicsRectItem *> rects = itemsOf<QGraphicsRectItem>(score);
    QCOMPARE(rects.size(), 1);
    QCOMPARE(rects.first()->pos().x(),
             (2 * score.page->pageWidth + score.page->marginLeft) * score.page->scaleFactor);

    // Without displayed measures only the first page's stage.
    Score empty(QStringLiteral("5.3.1"), 1, false);
    empty.page->paperSize = PaperA4;
    empty.page->gridOutline = true;
    empty.drawClosingFrames();
    QVERIFY(itemsOf<QGraphicsLineItem>(empty).isEmpty());
    QCOMPARE(itemsOf<QGraphicsRectItem>(empty).size(), 1);
    QCOMPARE(empty.page->pageCount, 1);
    // Not asked for without stage lines.
    Score noStage(QStringLiteral("5.3.1"), 1, false);
    noStage.page->paperSize = PaperA4;
    noStage.page->gridOutline = true;
    noStage.page->drawStageLine = false;
    noStage.drawClosingFrames();
    QVERIFY(noStage.scene->items().isEmpty());
}

void TestPageFrame::doublePageFrames_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("clean");
    QTest::addColumn<QList<int>>("framedPages");
    QTest::newRow("horizontal double sheet")
        << int(PaperJisB4DoubleJisB5) << true << false << QList<int>{0, 2};
    QTest::newRow("vertical double sheet")
        << int(PaperA3DoubleA4) << false << false << QList<int>{1};
    QTest::newRow("clean output") << int(PaperB4DoubleB5) << true << true << QList<int>{};
    QTest::newRow("single sheet") << int(PaperA4) << true << false << QList<int>{};
}

void TestPageFrame::doublePageFrames()
{
    QFETCH(int, paper);
    QFETCH(bool, horizontal);
    QFETCH(bool, clean);
    QFETCH(QList<int>, framedPages);
    Score score(QStringLiteral("5.3.1"), 1, false);
    score.page->paperSize = paper;
    score.page->drawStageLine = false;
    score.cleanOutput = clean;
    layOutThreePages(score);
    score.page->horizontal = horizontal;
    score.page->resetPages();
    score.page->addPage(false);
    score.page->addPage(false);
    score.drawClosingFrames();
    const double s = score.page->scaleFactor;
    QList<double> xs;
    for (const QGraphicsRectItem *rect : itemsOf<QGraphicsRectItem>(score)) {
        QCOMPARE(rect->pen().color(), QColor(255, 0, 0));
        QCOMPARE(rect->pen().width(), 3);
        QCOMPARE(rect->rect().width(), 2.0 * score.page->pageWidth * s);
        xs << rect->rect().x();
    }
    QList<double> expected;
    for (int p : framedPages)
        expected << (horizontal ? p : -p) * score.page->pageWidth * s;
    std::sort(xs.begin(), xs.end());
    std::sort(expected.begin(), expected.end());
    QCOMPARE(xs, expected);
}

VELMORA_TEST_MAIN(TestPageFrame)

} // namespace tst_page_frame
#include "tst_page_frame.moc"
