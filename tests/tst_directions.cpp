// Direction placement: the default offset of every direction kind in both
// writing directions (moved directions and kinds without a default are
// left alone), and where a direction stands in its measure.
#include "layout/alignitem.h"
#include "model/direction.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "support/messagecapture.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

namespace tst_directions {

namespace {

// Style offsets that differ from each other and from 0.
void setDistinctOffsets(Style *style)
{
    style->dynamicsOffset = 0.3;
    style->textOffset = 0.2;
    style->rehearsalMarkSize = 2.0;
    style->wedgeOffset = 0.4;
}

constexpr double untouched = 7.7;

} // namespace

class TestDirections : public QObject
{
    Q_OBJECT

private slots:
    void defaultOffset_data();
    void defaultOffset();
    void movedDirectionKeepsItsOffset();
    void measureLevelKinds();
    void position_data();
    void position();
    void positionOfMissingDirection();
};

void TestDirections::defaultOffset_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("noteIndex");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");

    // Vertical writing, then horizontal, per kind.
    QTest::newRow("0 v") << 0 << 0 << 0 << false << -0.1 << 1.5 - 0.3;
    QTest::newRow("0 h") << 0 << 0 << 0 << true << -0.1 << 0.3 + 1.0;
    QTest::newRow("1 at no note v") << 1 << -1 << 0 << false << 0.0 << -1.0;
    QTest::newRow("1 at no note h") << 1 << -1 << 0 << true << 0.0 << -1.0;
    QTest::newRow("1 at the end v") << 1 << -2 << 0 << false << -1.2 << 0.5;
    QTest::newRow("1 at the end h") << 1 << -2 << 0 << true << -1.0 << -1.0;
    QTest::newRow("1 at a note v") << 1 << 2 << 0 << false << 0.0 << -0.8 - 0.2;
    QTest::newRow("1 at a note, horizontal text v") << 1 << 2 << 1 << false << 0.0 << 0.0;
    QTest::newRow("1 at a note h") << 1 << 2 << 0 << true << 0.0 << 0.2 - 1.5;
    QTest::newRow("1 at a note, horizontal text h") << 1 << 2 << 1 << true << 0.0 << 0.2 - 1.5;
    QTest::newRow("2 v") << 2 << 0 << 0 << false << 0.0 << 0.45 * 2.0;
    QTest::newRow("2 h") << 2 << 0 << 0 << true << 0.0 << 0.0;
    QTest::newRow("3 v") << 3 << 0 << 0 << false << 0.0 << 1.0 - 0.4;
    QTest::newRow("3 h") << 3 << 0 << 0 << true << 0.0 << 0.4 + 1.0;
    QTest::newRow("4 v") << 4 << 0 << 0 << false << 0.0 << 1.0 - 0.4;
    QTest::newRow("4 h") << 4 << 0 << 0 << true << 0.0 << 0.4 + 1.0;
    QTest::newRow("6 v") << 6 << 0 << 0 << false << 0.5 << 0.5;
    QTest::newRow("6 h") << 6 << 0 << 0 << true << 0.5 << 0.0;
    for (int kind : {7, 8, 10, 11, 12, 13, 14, 15, 16}) {
        QTest::addRow("%d v", kind) << kind << 0 << 0 << false << -1.5 << 0.5;
        QTest::addRow("%d h", kind) << kind << 0 << 0 << true << -1.5 << 0.0;
    }
    // A metronome mark stands where tempo words above the notes do.
    QTest::newRow("9 v") << 9 << 0 << 0 << false << 0.0 << -0.8 - 0.2;
    QTest::newRow("9 h") << 9 << 0 << 0 << true << 0.0 << 0.2 - 1.5;
    QTest::newRow("17 v") << 17 << 0 << 0 << false << 0.0 << -1.0;
    QTest::newRow("17 h") << 17 << 0 << 0 << true << 0.0 << -1.0;
    QTest::newRow("19 v") << 19 << 0 << 0 << false << 0.0 << -1.2;
    QTest::newRow("19 h") << 19 << 0 << 0 << true << 0.0 << -1.2;
    QTest::newRow("20 v") << 20 << 0 << 0 << false << 0.0 << 1.2;
    QTest::newRow("20 h") << 20 << 0 << 0 << true << 0.0 << 1.2;
    for (int kind : {5, 18, 21, 30, -1}) {
        QTest::addRow("%d v left alone", kind) << kind << 0 << 0 << false << untouched << untouched;
        QTest::addRow("%d h left alone", kind) << kind << 0 << 0 << true << untouched << untouched;
    }
}

void TestDirections::defaultOffset()
{
    QFETCH(int, kind);
    QFETCH(int, noteIndex);
    QFETCH(int, rotation);
    QFETCH(bool, horizontal);
    QFETCH(double, x);
    QFETCH(double, y);

    Score score(QStringLiteral("5.3.1"), 0, false);
    score.page->horizontal = horizontal;
    setDistinctOffsets(score.style);
    Direction direction;
    direction.kind = kind;
    direction.noteIndex = noteIndex;
    direction.rotation = rotation;
    direction.x = untouched;
    direction.y = untouched;

    score.setDefaultItemOffset(&direction);
    QCOMPARE(direction.x, x);
    QCOMPARE(direction.y, y);
    // A default is no user move: a later regeneration may change it.
    QVERIFY(!direction.moved);
}

void TestDirections::movedDirectionKeepsItsOffset()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    setDistinctOffsets(score.style);
    for (int kind : {0, 1, 2, 9, 20}) {
        for (bool horizontal : {false, true}) {
            score.page->horizontal = horizontal;
            Direction direction;
            direction.kind = kind;
            direction.setOffset(0.0, 0.0);
            score.setDefaultItemOffset(&direction);
            QCOMPARE(direction.x, 0.0);
            QCOMPARE(direction.y, 0.0);
            QVERIFY(direction.moved);
        }
    }
}

void TestDirections::measureLevelKinds()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    QList<int> measureLevel;
    for (int kind = -2; kind <= 25; ++kind) {
        if (score.isMeasureLevelDirection(kind))
            measureLevel.append(kind);
    }
    // A metronome mark (9) stands at its beat.
    QCOMPARE(measureLevel, (QList<int>{2, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16}));
}

void TestDirections::position_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("noteIndex");
    QTest::addColumn<QPointF>("expected");

    // Measure at (10, 20), 50 x 30; the part's band at offset 5, extent 8,
    // so its note line lies at 20 + 5 + 4 = 29 (horizontal) or
    // 10 + 50 + 5 + 4 = 69 (vertical). The second note's item ends at
    // (100, 200).
    QTest::newRow("h at a note") << true << 1 << 1 << QPointF(100, 29);
    QTest::newRow("h at no note") << true << 1 << -1 << QPointF(10, 29);
    QTest::newRow("h at the end") << true << 0 << -2 << QPointF(60, 29);
    QTest::newRow("h measure level") << true << 2 << 1 << QPointF(100, 20);
    QTest::newRow("h at a note the voice lacks") << true << 1 << 5 << QPointF(10, 29);
    QTest::newRow("v at a note") << false << 1 << 1 << QPointF(69, 200);
    QTest::newRow("v at no note") << false << 3 << -1 << QPointF(69, 20);
    QTest::newRow("v at the end") << false << 1 << -2 << QPointF(69, 50);
    QTest::newRow("v measure level") << false << 16 << 1 << QPointF(60, 200);
    QTest::newRow("v measure level at the end") << false << 7 << -2 << QPointF(60, 50);
}

void TestDirections::position()
{
    QFETCH(bool, horizontal);
    QFETCH(int, kind);
    QFETCH(int, noteIndex);
    QFETCH(QPointF, expected);

    Score score(QStringLiteral("5.3.1"), 0, false);
    score.page->horizontal = horizontal;
    TestSupport::ModelBuilder builder(&score);
    Part *part = builder.addPart(QStringLiteral("P"), 0);
    part->partShift = 0.0;
    Measure *m = builder.addMeasure();
    m->originX = 10;
    m->originY = 20;
    m->width = 50;
    m->height = 30;
    m->parts.at(0)->partOffset = 5;
    m->parts.at(0)->partExtent = 8;
    const QList<Note *> notes = builder.addNotes(0, 3, QStringLiteral("C4/4 D4/4"));
    Voice *voice = m->parts.at(0)->voices.use(2);
    for (int i = 0; i < 3; ++i) {
        auto *item = new AlignItem;
        item->finalX = i == 2 ? 100 : 1;
        item->finalY = i == 2 ? 200 : 2;
        voice->alignItems.append(item);
    }
    notes.at(1)->firstAlignItem = 2;
    builder.addDirection(0, 3, 0, 1, QStringLiteral("first"));
    builder.addDirection(0, 3, noteIndex, kind, QStringLiteral("tested"));

    QCOMPARE(score.getDirectionPosition(0, 0, 2, 1), expected);
}

void TestDirections::positionOfMissingDirection()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("P"));
    builder.addMeasure();
    TestSupport::MessageCapture capture;
    QCOMPARE(score.getDirectionPosition(0, 0, 0, 0), QPointF(0, 0));
    QCOMPARE(score.getDirectionPosition(4, 0, 0, 0), QPointF(0, 0));
    QCOMPARE(capture.lines().size(), 2);
}

VELMORA_TEST_MAIN(TestDirections)

} // namespace tst_directions
#include "tst_directions.moc"
