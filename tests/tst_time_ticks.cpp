// Time ticks of a measure: which parts get them, how many lines per tick
// level (the first tick never), their lengths and pens in both writing
// directions, and the extra line of a "tick" bar; a tick stopping short of
// the ink in its way, and koto and sangen glyphs standing off their ticks.
#include "layout/aligner.h"
#include "layout/alignitem.h"
#include "layout/tickclearance.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "support/modelbuilder.h"
#include "support/scorerows.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QGraphicsLineItem>
#include <QPen>

#include <memory>

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
            auto *line = qgraphicsitem_cast<QGraphicsLineItem *>(item);
            if (line && line->isVisible())
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
    void ticksStopShortOfInk_data();
    void ticksStopShortOfInk();
    void glyphsStandOffTheirTicks_data();
    void glyphsStandOffTheirTicks();
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

using Spans = QList<std::pair<double, double>>;

void TestTimeTicks::ticksStopShortOfInk_data()
{
    // One box in the way of the Ikuta beat tick, which runs 18 scene units
    // from its band edge (scale 2: 0.6 units of air, pieces below 4 units,
    // 2 mm, dropped). Distances along the tick from its band edge; the box
    // across it from the tick's own place. The pieces left, in distances.
    QTest::addColumn<int>("tag");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<double>("besideFrom");
    QTest::addColumn<double>("besideTo");
    QTest::addColumn<Spans>("pieces");
    QTest::newRow("a text at the far edge")
        << int(DirectionItem) << 13.0 << 23.0 << -5.0 << 5.0 << Spans{{0.0, 12.4}};
    QTest::newRow("a glyph in the middle")
        << int(NoteItem) << 7.0 << 11.0 << -5.0 << 5.0 << Spans{{0.0, 6.4}, {11.6, 18.0}};
    QTest::newRow("a lyric over all of it")
        << int(LyricItem) << -5.0 << 25.0 << -5.0 << 5.0 << Spans{};
    QTest::newRow("a speck left at the edge")
        << int(DirectionItem) << 1.0 << 25.0 << -5.0 << 5.0 << Spans{};
    QTest::newRow("a stub left before a tie: it would read as an accent")
        << int(NoteItem) << 3.4 << 25.0 << -5.0 << 5.0 << Spans{};
    QTest::newRow("a glyph just beside")
        << int(NoteItem) << 7.0 << 11.0 << 1.2 << 5.0 << Spans{{0.0, 18.0}};
    QTest::newRow("a glyph touching its air")
        << int(NoteItem) << 7.0 << 11.0 << 0.5 << 5.0 << Spans{{0.0, 6.4}, {11.6, 18.0}};
    QTest::newRow("a box of no model object")
        << 0 << 7.0 << 11.0 << -5.0 << 5.0 << Spans{{0.0, 18.0}};
}

void TestTimeTicks::ticksStopShortOfInk()
{
    QFETCH(int, tag);
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(double, besideFrom);
    QFETCH(double, besideTo);
    QFETCH(Spans, pieces);
    for (bool horizontal : {true, false}) {
        Fixture f(horizontal, 5);
        f.part->timeTicks16th = false;
        f.measure->genMeasureLines();
        // The beat tick: horizontal x = 60 from y = 68 up, vertical y = 80
        // from x = 148 on.
        const double at = horizontal ? 60.0 : 80.0;
        const auto onTick = [&](double d) { return horizontal ? 68.0 - d : 148.0 + d; };
        const double a = onTick(from);
        const double b = onTick(to);
        const QRectF box = horizontal ? QRectF(QPointF(at + besideFrom, std::min(a, b)),
                                               QPointF(at + besideTo, std::max(a, b)))
                                      : QRectF(QPointF(std::min(a, b), at + besideFrom),
                                               QPointF(std::max(a, b), at + besideTo));
        auto *ink = f.score.scene->addRect(box, Qt::NoPen);
        if (tag != 0)
            ItemTagStore::write(ink, GraphicsItemType(tag), {});

        TickClearance::clearOfInk(f.score);

        Spans found;
        for (const QGraphicsLineItem *line : f.lines()) {
            const QLineF l = line->line();
            if ((horizontal ? l.x1() : l.y1()) != at)
                continue; // the eighth tick
            QCOMPARE(line->pen().widthF(), 0.8);
            QCOMPARE(line->zValue(), -20.0);
            const double p = horizontal ? 68.0 - l.y1() : l.x1() - 148.0;
            const double q = horizontal ? 68.0 - l.y2() : l.x2() - 148.0;
            QVERIFY2(p < q, "a piece runs on from the band edge, as the tick did");
            found.append({p, q});
        }
        std::sort(found.begin(), found.end());
        QCOMPARE(found.size(), pieces.size());
        for (int i = 0; i < found.size(); ++i) {
            QVERIFY(qAbs(found.at(i).first - pieces.at(i).first) < 1e-9);
            QVERIFY(qAbs(found.at(i).second - pieces.at(i).second) < 1e-9);
        }
    }
}

void TestTimeTicks::glyphsStandOffTheirTicks_data()
{
    TestSupport::addSampleAndEchigoRows(
        {int(NotationStyle::KotoIkuta), int(NotationStyle::SangenIkuta)});
}

// A koto or sangen glyph at a time tick (or at its measure's start) shows
// its ink a little after the tick's line: a string mark at a glyph's front
// neither touches the beat line nor the bar line, and the beat line runs
// whole beside it.
void TestTimeTicks::glyphsStandOffTheirTicks()
{
    QFETCH(QString, path);
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    // The style as the part dialog sets it: with its ticks.
    const auto score = std::make_unique<Score>(QStringLiteral("test"), 1, false);
    QVERIFY(score->readMusicXmlFile(path));
    QVERIFY(score->parseScoreXml(false).has_value());
    for (Part *part : std::as_const(score->parts))
        part->changeNotationStyle(style);
    score->page->horizontal = horizontal;
    score->page->setPaperSize();
    score->generateScore();
    const double s = score->page->scaleFactor;
    int glyphs = 0;
    for (const Measure *m : score->displayedMeasures) {
        if (m->belowMinimum)
            continue; // glyphs squeezed with their measure
        for (const MePart *cell : m->parts) {
            for (const Voice *voice : cell->voices) {
                for (const AlignItem *item : voice->alignItems) {
                    const QGraphicsItem *glyph = item->graphicsItem;
                    if (item->kind != AlignTime || !glyph || !glyph->isVisible() ||
                        !glyph->scene() || glyph->sceneBoundingRect().isEmpty())
                        continue;
                    const QRectF box = glyph->sceneBoundingRect();
                    const double ink = (horizontal ? box.left() : box.top()) / s;
                    const double place = horizontal ? item->finalX : item->finalY;
                    QVERIFY2(ink - place > 0.25,
                             qPrintable(QStringLiteral("%1 in measure %2 starts %3 mm after its "
                                                       "place")
                                            .arg(item->glyphId)
                                            .arg(m->indexInScore() + 1)
                                            .arg(ink - place)));
                    ++glyphs;
                }
            }
        }
    }
    QVERIFY(glyphs > 0);
}

VELMORA_TEST_MAIN(TestTimeTicks)

} // namespace tst_time_ticks
#include "tst_time_ticks.moc"
