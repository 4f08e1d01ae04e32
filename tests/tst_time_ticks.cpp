// Time ticks of a measure: which parts get them, how many lines per tick
// level (the first tick never), their lengths and pens in both writing
// directions, and the extra line of a "tick" bar.
#include "layout/aligner.h"
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QGraphicsLineItem>
#include <QPen>

namespace tst_time_ticks {

namespace {

// One part, one measure at (10, 20), 60 x 40; the part's band at offset 4,
// extent 10. Ticks at 0 (major), 5 (16th), 10 (eighth), 15 (16th),
// 20 (major), 25 (a level that draws nothing).
struct Fixture
{
    Fixture(bool horizontal, int style)
    {
        score.page->horizontal = horizontal;
        score.page->scaleFactor = 2.0;
        TestSupport::ModelBuilder builder(&score);
        part = builder.addPart(QStringLiteral("P"), style);
        part->timeTicks = true;
        part->timeTicks16th = true;
        part->alignInTime = true;
        part->partOutput = true;
        part->partShift = 1.0;
        measure = builder.addMeasure();
        measure->originX = 10;
        measure->originY = 20;
        measure->width = 60;
        measure->height = 40;
        measure->parts.at(0)->partOffset = 4;
        measure->parts.at(0)->partExtent = 10;
        const int levels[] = {TickBeat,      TickSixteenth, TickEighth,
                              TickSixteenth, TickBeat,      TickOther};
        for (int i = 0; i < 6; ++i) {
            auto *tick = new AlignItem;
            tick->fittedPosition = 5.0 * i;
            tick->tickLevel = levels[i];
            measure->aligner->tickList.append(tick);
        }
    }

    QList<QGraphicsLineItem *> lines() const
    {
        QList<QGraphicsLineItem *> found;
        for (QGraphicsItem *item : score.scene->items()) {
            if (auto *line = qgraphicsitem_cast<QGraphicsLineItem *>(item))
                found.append(line);
        }
        std::sort(found.begin(), found.end(), [this](auto *a, auto *b) {
            return score.page->horizontal ? a->line().x1() < b->line().x1()
                                          : a->line().y1() < b->line().y1();
        });
        return found;
    }

    Score score{QStringLiteral("5.3.1"), 0, false};
    Part *part = nullptr;
    Measure *measure = nullptr;
};

} // namespace

class TestTimeTicks : public QObject
{
    Q_OBJECT

private slots:
    void lineCount_data();
    void lineCount();
    void horizontalGeometry();
    void verticalGeometry();
    void ikutaStylesTickAcrossTheBand();
    void tickBarAddsALine();
};

void TestTimeTicks::lineCount_data()
{
    QTest::addColumn<bool>("output");
    QTest::addColumn<bool>("ticks");
    QTest::addColumn<bool>("ticks16th");
    QTest::addColumn<bool>("aligned");
    QTest::addColumn<int>("lines");
    QTest::newRow("all levels") << true << true << true << true << 4;
    QTest::newRow("no 16th ticks") << true << true << false << true << 2;
    QTest::newRow("ticks off") << true << false << true << true << 0;
    QTest::newRow("not aligned in time") << true << true << true << false << 0;
    QTest::newRow("part not output") << false << true << true << true << 0;
}

void TestTimeTicks::lineCount()
{
    QFETCH(bool, output);
    QFETCH(bool, ticks);
    QFETCH(bool, ticks16th);
    QFETCH(bool, aligned);
    QFETCH(int, lines);
    for (bool horizontal : {true, false}) {
        Fixture f(horizontal, 0);
        f.part->partOutput = output;
        f.part->timeTicks = ticks;
        f.part->timeTicks16th = ticks16th;
        f.part->alignInTime = aligned;
        f.measure->genMeasureLines();
        QCOMPARE(f.lines().size(), lines);
        for (const QGraphicsLineItem *line : f.lines())
            QCOMPARE(line->zValue(), -20.0);
    }
}

void TestTimeTicks::horizontalGeometry()
{
    Fixture f(true, 0);
    f.measure->genMeasureLines();
    const QList<QGraphicsLineItem *> lines = f.lines();
    QCOMPARE(lines.size(), 4);
    // Major 40 % and minor 20 % of the extent 10; a 16th tick 0.3 x minor.
    const double y = (4 + 20 + 10) * 2.0;
    const QList<double> at{5, 10, 15, 20};
    const QList<double> length{0.3 * 2.0, 2.0, 0.3 * 2.0, 4.0};
    const QList<double> width{0.6, 0.6, 0.6, 0.8};
    for (int i = 0; i < 4; ++i) {
        const QLineF line = lines.at(i)->line();
        QCOMPARE(line.x1(), (at.at(i) + 10) * 2.0);
        QCOMPARE(line.x2(), line.x1());
        QCOMPARE(line.y1(), y);
        QCOMPARE(line.y2(), y - 2.0 * length.at(i));
        const QPen pen = lines.at(i)->pen();
        QCOMPARE(pen.widthF(), width.at(i));
        QCOMPARE(pen.capStyle(), Qt::SquareCap);
        QCOMPARE(pen.joinStyle(), Qt::BevelJoin);
        QCOMPARE(pen.color(), QColor(Qt::black));
    }
}

void TestTimeTicks::verticalGeometry()
{
    Fixture f(false, 0);
    f.measure->genMeasureLines();
    const QList<QGraphicsLineItem *> lines = f.lines();
    QCOMPARE(lines.size(), 4);
    const QLineF major = lines.at(3)->line();
    QCOMPARE(major, QLineF((10 + 60 + 4) * 2.0, (20 + 20) * 2.0, (10 + 60 + 4 + 4) * 2.0,
                           (20 + 20) * 2.0));
}

void TestTimeTicks::ikutaStylesTickAcrossTheBand()
{
    for (int style : {5, 7}) {
        Fixture f(true, style);
        f.measure->genMeasureLines();
        const QList<QGraphicsLineItem *> lines = f.lines();
        QCOMPARE(lines.size(), 4);
        // Major: the extent less the part shift; minor half of it.
        QCOMPARE(lines.at(3)->line().length(), 2.0 * 9.0);
        QCOMPARE(lines.at(1)->line().length(), 2.0 * 4.5);
        QCOMPARE(lines.at(0)->line().length(), 2.0 * 0.3 * 4.5);
    }
}

void TestTimeTicks::tickBarAddsALine()
{
    for (bool horizontal : {true, false}) {
        Fixture f(horizontal, 0);
        f.part->timeTicks16th = false;
        f.measure->rightBarStyle = 6;
        f.measure->genMeasureLines();
        const QList<QGraphicsLineItem *> lines = f.lines();
        QCOMPARE(lines.size(), 3);
        const QLineF bar = lines.last()->line();
        if (horizontal)
            QCOMPARE(bar, QLineF(70 * 2.0, 34 * 2.0, 70 * 2.0, (34 - 4) * 2.0));
        else
            QCOMPARE(bar, QLineF(74 * 2.0, 60 * 2.0, (74 + 4) * 2.0, 60 * 2.0));
        QCOMPARE(lines.last()->pen(), QPen());
        QCOMPARE(lines.last()->zValue(), -20.0);
    }
}

VELMORA_TEST_MAIN(TestTimeTicks)

} // namespace tst_time_ticks
#include "tst_time_ticks.moc"
