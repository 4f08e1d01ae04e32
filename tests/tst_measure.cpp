// Measures: initial values, the aligned-item geometry queries along and
// across the reading direction in both writing directions, and the exact
// debug lines and neutral values of the bounds-checked queries.
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/messagecapture.h"
#include "support/testenvironment.h"

#include <QGraphicsRectItem>
#include <memory>

namespace tst_measure {

namespace {

// A score with `measureCount` measures of one part cell each; the item
// lists are filled by the tests.
struct Fixture
{
    explicit Fixture(bool horizontal, int measureCount = 1)
    {
        score.page->horizontal = horizontal;
        for (int i = 0; i < measureCount; ++i) {
            auto *measure = new Measure(&score);
            measure->parts.append(new MePart);
            score.measures.append(measure);
        }
    }
    ~Fixture()
    {
        qDeleteAll(score.measures);
        score.measures.clear();
    }

    Measure *measure(int i = 0) const { return score.measures.at(i); }

    // An item of voice `voice` of the first part in measure 0.
    AlignItem *addItem(int voice = 0)
    {
        auto *item = new AlignItem;
        measure()->parts.at(0)->voices.use(voice)->alignItems.append(item);
        return item;
    }

    Score score{QStringLiteral("5.3.1"), 0, false};
};

} // namespace

class TestMeasure : public QObject
{
    Q_OBJECT

private slots:
    void newMeasureHasItsInitialValues();
    void alongQueries_data();
    void alongQueries();
    void unscaledItemWithoutSceneItem();
    void boundsCheckedQueriesLogAndReturnNeutral_data();
    void boundsCheckedQueriesLogAndReturnNeutral();
    void multiRestFrameIsTheOrigin();
    void itemExistsAndCount();
    void badPartOrVoiceIsHarmless();
    void partLines_data();
    void partLines();
    void clampCountForStyle();
};

void TestMeasure::newMeasureHasItsInitialValues()
{
    Fixture f(false);
    Measure *m = f.measure();
    QCOMPARE(m->beats, 4);
    QCOMPARE(m->beatType, 4);
    QCOMPARE(m->number, -99);
    QCOMPARE(m->userScale, 1.0);
    QCOMPARE(m->userBreakType, 0);
    QCOMPARE(m->fifths, -99);
    QCOMPARE(m->divisions, 0);
    QVERIFY(!m->leftBarline && !m->rightBarline);
    QCOMPARE(m->leftRepeat + m->rightRepeat + m->endingType, 0);
    QVERIFY(m->endingNumberText.isEmpty());
    QVERIFY(!m->endingNumberText.isNull());
    QCOMPARE(m->multipleRest, 0);
    QCOMPARE(m->multiRestCount, 0);
    QVERIFY(m->layouter);
    QVERIFY(!m->aligner);
    QVERIFY(!m->measureItem);
}

void TestMeasure::alongQueries_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<double>("finalRefPos");
    QTest::addColumn<double>("center");
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<QPointF>("refPoint");
    QTest::addColumn<double>("finalEnd");
    // Item: fitted 10, length 3, breadth 5, final (100, 200), reference
    // offset (2, 4), scene transform scale (0.5, 0.25).
    QTest::newRow("horizontal") << true << 101.0 << 101.5 << QSizeF(3, 5) << QPointF(101, 200)
                                << 104.0;
    QTest::newRow("vertical") << false << 201.0 << 201.5 << QSizeF(5, 3) << QPointF(100, 201)
                              << 204.0;
}

void TestMeasure::alongQueries()
{
    QFETCH(bool, horizontal);
    Fixture f(horizontal);
    f.addItem(); // item 0, so that the queries must pick the right one
    AlignItem *item = f.addItem();
    item->fittedPosition = 10.0;
    item->length = 3.0;
    item->breadth = 5.0;
    item->finalX = 100.0;
    item->finalY = 200.0;
    item->refOffsetX = 2.0;
    item->refOffsetY = 4.0;
    auto graphics = std::make_unique<QGraphicsRectItem>(0, 0, 7, 9);
    graphics->setTransform(QTransform::fromScale(0.5, 0.25));
    item->graphicsItem = graphics.get();

    Measure *m = f.measure();
    QCOMPARE(m->getStartLocation(0, 0, 1), 10.0);
    QCOMPARE(m->getItemCenterLocation(0, 0, 1), 11.5);
    QCOMPARE(m->getEndLocation(0, 0, 1), 13.0);
    QCOMPARE(m->getItemRefOffset(0, 0, 1), QPointF(2, 4));
    QCOMPARE(m->getItemGraphicsItem(0, 0, 1), graphics.get());
    QCOMPARE(m->getGraphicsItemRect(0, 0, 1), graphics->boundingRect());
    QCOMPARE(m->getItemFinalPosFrame(0, 0, 1), QPointF(100, 200));
    QTEST(m->getItemFinalRefPos(0, 0, 1), "finalRefPos");
    QTEST(m->getItemCenter(0, 0, 1), "center");
    QTEST(m->getItemSize(0, 0, 1), "size");
    QTEST(m->getItemFinalRefPoint(0, 0, 1), "refPoint");
    QTEST(m->getFinalEndLocation(0, 0, 1), "finalEnd");

    QCOMPARE(m->setItemRefOffset(0, 0, 1, -1.0, 6.0), item);
    QCOMPARE(m->getItemRefOffset(0, 0, 1), QPointF(-1, 6));
}

void TestMeasure::unscaledItemWithoutSceneItem()
{
    Fixture f(true);
    AlignItem *item = f.addItem();
    item->finalX = 20.0;
    item->refOffsetX = 2.0;
    QCOMPARE(f.measure()->getItemFinalRefPos(0, 0, 0), 22.0);
    QCOMPARE(f.measure()->getGraphicsItemRect(0, 0, 0), QRectF(0, 0, 0, 0));
}

void TestMeasure::boundsCheckedQueriesLogAndReturnNeutral_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("line");
    const QString endLine = QStringLiteral("getEndLocation itemno ACCESS ERROR measureno, partno, "
                                           "voiceno, itemno, length() = 1 0 0 %1 2");
    QTest::newRow("getEndLocation -1") << "getEndLocation" << -1 << endLine.arg(-1);
    QTest::newRow("getFinalEndLocation past end") << "getFinalEndLocation" << 2 << endLine.arg(2);
    QTest::newRow("getGraphicsItemRect")
        << "getGraphicsItemRect" << 5
        << "========getGraphicsItemRect Illegal data access to non existant item! part, voice, "
           "itemno, length = 0 0 5 2";
    QTest::newRow("getItemFinalRefPoint")
        << "getItemFinalRefPoint" << -1
        << "========getItemFinalRefPoint Illegal data access to non existant item! part, voice, "
           "itemno, length = 0 0 -1 2";
    QTest::newRow("getItemFinalPosFrame")
        << "getItemFinalPosFrame" << 2
        << "========getItemFinalPosFrame Illegal data access to non existant item! measure, part, "
           "voice, itemno, length = 1 0 0 2 2";
}

void TestMeasure::boundsCheckedQueriesLogAndReturnNeutral()
{
    QFETCH(QString, query);
    QFETCH(int, item);
    QFETCH(QString, line);

    // The failing measure is the second of the score, so its index shows.
    Fixture f(true, 2);
    Measure *m = f.measure(1);
    for (int i = 0; i < 2; ++i) {
        auto *existing = new AlignItem;
        existing->finalX = existing->finalY = existing->fittedPosition = 7.0;
        m->parts.at(0)->voices.use(0)->alignItems.append(existing);
    }
    m->originX = 3.0;

    TestSupport::MessageCapture capture;
    if (query == "getEndLocation")
        QCOMPARE(m->getEndLocation(0, 0, item), 0.0);
    else if (query == "getFinalEndLocation")
        QCOMPARE(m->getFinalEndLocation(0, 0, item), 0.0);
    else if (query == "getGraphicsItemRect")
        QCOMPARE(m->getGraphicsItemRect(0, 0, item), QRectF(0, 0, 0, 0));
    else if (query == "getItemFinalRefPoint")
        QCOMPARE(m->getItemFinalRefPoint(0, 0, item), QPointF(0, 0));
    else
        QCOMPARE(m->getItemFinalPosFrame(0, 0, item), QPointF(0, 0));
    QCOMPARE(capture.lines(), QStringList{line});
}

void TestMeasure::multiRestFrameIsTheOrigin()
{
    Fixture f(false);
    Measure *m = f.measure();
    m->multiRestCount = 2;
    m->originX = 12.0;
    m->originY = 34.0;
    TestSupport::MessageCapture capture;
    QCOMPARE(m->getItemFinalPosFrame(0, 0, 7), QPointF(12, 34));
    QVERIFY(capture.lines().isEmpty());
}

void TestMeasure::itemExistsAndCount()
{
    Fixture f(false);
    f.addItem(3);
    f.addItem(3);
    Measure *m = f.measure();
    QCOMPARE(m->getItemCount(0, 3), 2);
    QCOMPARE(m->getItemCount(0, 0), 0);
    QVERIFY(m->itemExists(0, 3, 0));
    QVERIFY(m->itemExists(0, 3, 1));
    QVERIFY(!m->itemExists(0, 3, 2));
    QVERIFY(!m->itemExists(0, 3, -1));
}

void TestMeasure::badPartOrVoiceIsHarmless()
{
    // Part and voice indices are the caller's duty; a wrong one must still
    // not read outside the 32 voices.
    Fixture f(true);
    f.addItem();
    Measure *m = f.measure();
    QCOMPARE(m->getItemCount(0, 32), 0);
    QCOMPARE(m->getItemCount(1, 0), 0);
    QVERIFY(!m->itemExists(0, -1, 0));
    QCOMPARE(m->getStartLocation(0, 32, 0), 0.0);
    QVERIFY(!m->getItemGraphicsItem(3, 0, 0));
}

void TestMeasure::partLines_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("style");
    QTest::addColumn<double>("center");
    QTest::addColumn<double>("refLine");
    QTest::addColumn<double>("staff0");
    QTest::addColumn<double>("staff1");
    QTest::addColumn<double>("noteLine0");
    // A two-staff part with a 10 mm band and the note line shifted by
    // 5 x 0.2 = 1 mm; vertical: originX 100, width 20, part offset -10;
    // horizontal: originY 50, part offset 10.
    QTest::newRow("vertical StaffNotation")
        << false << 12 << 115.0 << 116.0 << 117.5 << 112.5 << 118.5;
    QTest::newRow("horizontal StaffNotation") << true << 12 << 65.0 << 64.0 << 62.5 << 67.5 << 61.5;
    QTest::newRow("vertical TozanTrad") << false << 3 << 115.0 << 116.0 << 115.0 << 115.0 << 116.0;
    QTest::newRow("horizontal TozanTrad") << true << 3 << 65.0 << 64.0 << 65.0 << 65.0 << 64.0;
}

void TestMeasure::partLines()
{
    QFETCH(bool, horizontal);
    QFETCH(int, style);
    Fixture f(horizontal);
    auto *part = new Part(&f.score);
    f.score.setPartDefaults(part);
    part->notationStyle = style;
    part->noteFontSize = 5.0;
    part->partShift = 0.2;
    part->staffCount = 2;
    f.score.parts.append(part);

    Measure *m = f.measure();
    m->originX = 100.0;
    m->width = 20.0;
    m->originY = 50.0;
    m->parts.at(0)->partOffset = horizontal ? 10.0 : -10.0;
    m->parts.at(0)->partExtent = 10.0;

    QTEST(m->getPartCenter(0), "center");
    QTEST(m->getPartRefLine(0), "refLine");
    QTEST(m->getStaffLinePos(0, 0), "staff0");
    QTEST(m->getStaffLinePos(1, 0), "staff1");
    QTEST(m->getPartNoteLine(0, 0), "noteLine0");
}

void TestMeasure::clampCountForStyle()
{
    Fixture f(false);
    auto *part = new Part(&f.score);
    f.score.setPartDefaults(part);
    f.score.parts.append(part);
    Measure *m = f.measure();
    for (int style = 0; style <= 13; ++style) {
        part->notationStyle = style;
        QCOMPARE(m->clampCountForStyle(0, 6), style == 3 ? 6 : 4);
        QCOMPARE(m->clampCountForStyle(0, 3), 3);
    }
}

VELMORA_TEST_MAIN(TestMeasure)

} // namespace tst_measure
#include "tst_measure.moc"
