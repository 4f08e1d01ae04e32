// The room before a measure's first time tick (part names, opening bar
// line or repeat, clef, key, time) and after its last (closing bar line or
// repeat, tail pad), as stored in the measure's Aligner.
#include "layout/aligner.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

#include <QtTest>

namespace tst_measure_head_width {

namespace {

// Round numbers: s = 4 mm, so u = 0.24 mm.
constexpr double noteSize = 4.0;

struct HeadFixture
{
    explicit HeadFixture(const QList<int> &styles, bool horizontal)
        : score(QStringLiteral("5.3.1"), 1, false), builder(&score)
    {
        score.page->horizontal = horizontal;
        Style *style = score.style;
        style->measureLeadingPad = 0.5;
        style->measureTailingPad = 1.0;
        style->measureThickLineWidth = 2.0;
        style->measureDoubleLineSpacing = 1.5;
        style->measureRepeatDotOffset = 2.5;
        style->measureRepeatDotRadius = 0.5;
        for (int style : styles) {
            Part *part = builder.addPart(QStringLiteral("Shakuhachi"), style);
            part->noteFontSize = noteSize;
        }
        first = builder.addMeasure();
        second = builder.addMeasure();
    }

    Score score;
    TestSupport::ModelBuilder builder;
    Measure *first = nullptr;
    Measure *second = nullptr;
};

constexpr int staff = NotationStyle::StaffNotation;
constexpr int kinko = NotationStyle::KinkoSimple;

} // namespace

class TestMeasureHeadWidth : public QObject
{
    Q_OBJECT

private slots:
    void headWidth_data();
    void headWidth();
    void tailPad_data();
    void tailPad();
    void noPartsKeepsTheHead();
};

// Each row sets the measure (first or second of the score) and expects
// head = (C + K + T + 0.5) x 4 + L + N.
void TestMeasureHeadWidth::headWidth_data()
{
    QTest::addColumn<QList<int>>("styles");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("second");       // the measure is the score's second
    QTest::addColumn<bool>("previousEnds"); // the first measure ends a line
    QTest::addColumn<int>("fifths");
    QTest::addColumn<bool>("keyGiven");
    QTest::addColumn<bool>("clefGiven");
    QTest::addColumn<QString>("beats"); // time signature given when not empty
    QTest::addColumn<int>("leftRepeat");
    QTest::addColumn<int>("leftBarStyle"); // 0: no left bar line
    QTest::addColumn<bool>("names");
    QTest::addColumn<double>("head");

    const QList<int> s{staff};
    const QList<int> k{kinko};
    // C 0.75, K 0.3 (C major): (0.75 + 0.3 + 0.5) x 4.
    QTest::newRow("staff, first measure, C major")
        << s << false << false << false << 0 << true << false << "" << 0 << 0 << false << 6.2;
    // A key with accidentals takes 0.2 more: the gap before the time.
    QTest::newRow("staff, seven flats count as seven")
        << s << false << false << false << -7 << true << false << "" << 0 << 0 << false << 14.28;
    QTest::newRow("staff, no key yet reserves no key room")
        << s << false << false << false << -99 << false << false << "" << 0 << 0 << false << 5.0;
    QTest::newRow("staff, later measure without changes")
        << s << false << true << false << 2 << false << false << "" << 0 << 0 << false << 2.0;
    QTest::newRow("staff, later clef change")
        << s << false << true << false << 2 << false << true << "" << 0 << 0 << false << 5.0;
    QTest::newRow("staff, later key change")
        << s << false << true << false << 2 << true << false << "" << 0 << 0 << false << 6.08;
    QTest::newRow("staff, line start after a line end")
        << s << false << true << true << 1 << false << false << "" << 0 << 0 << false << 8.04;
    QTest::newRow("kinko never takes clef or key")
        << k << false << false << false << 3 << true << true << "" << 0 << 0 << false << 2.0;
    QTest::newRow("horizontal, two-character beats")
        << k << true << false << false << 0 << false << false << "12" << 0 << 0 << false << 5.6;
    QTest::newRow("horizontal, 3+2 by its characters")
        << k << true << false << false << 0 << false << false << "3+2" << 0 << 0 << false << 7.16;
    QTest::newRow("vertical staff part, 3+2")
        << s << false << true << false << 0 << false << false << "3+2" << 0 << 0 << false << 7.16;
    QTest::newRow("vertical kinko part")
        << k << false << false << false << 0 << false << false << "3+2" << 0 << 0 << false << 7.0;
    // The staff part leaves C and K, the Kinko part after it sets T = 1.25.
    QTest::newRow("vertical staff part then kinko part")
        << QList<int>{staff, kinko} << false << false << false << 0 << true << false << "3+2" << 0
        << 0 << false << 11.2;
    // (2 + 1.5 + 2.5 + 0.5) x 0.24 + 0.2 x 4; the bar style is not looked at.
    QTest::newRow("forward repeat over heavy-light")
        << k << false << false << false << 0 << false << false << "" << 1 << 3 << false << 4.36;
    QTest::newRow("light-light left bar line")
        << k << false << false << false << 0 << false << false << "" << 0 << 2 << false << 2.36;
    QTest::newRow("heavy-light left bar line")
        << k << false << false << false << 0 << false << false << "" << 0 << 3 << false << 2.84;
    QTest::newRow("dotted left bar line takes no room")
        << k << false << false << false << 0 << false << false << "" << 0 << 4 << false << 2.0;
    // The part names stand in front of the stage, not in the head.
    QTest::newRow("part names shown, first measure")
        << k << false << false << false << 0 << false << false << "" << 0 << 0 << true << 2.0;
    QTest::newRow("no part names before the second")
        << k << false << true << false << 0 << false << false << "" << 0 << 0 << true << 2.0;
}

void TestMeasureHeadWidth::headWidth()
{
    QFETCH(QList<int>, styles);
    QFETCH(bool, horizontal);
    QFETCH(bool, second);
    QFETCH(bool, previousEnds);
    QFETCH(int, fifths);
    QFETCH(bool, keyGiven);
    QFETCH(bool, clefGiven);
    QFETCH(QString, beats);
    QFETCH(int, leftRepeat);
    QFETCH(int, leftBarStyle);
    QFETCH(bool, names);
    QFETCH(double, head);

    HeadFixture f(styles, horizontal);
    f.score.page->displayPartFullName = names;
    f.first->stageEnd = previousEnds;
    Measure *m = second ? f.second : f.first;
    m->fifths = fifths;
    m->keyGiven = keyGiven;
    m->parts.at(0)->clefGiven.at(0) = clefGiven;
    m->timeGiven = !beats.isEmpty();
    m->beatsText = beats;
    m->leftRepeat = leftRepeat;
    m->leftBarline = leftBarStyle != 0;
    m->leftBarStyle = leftBarStyle;

    f.score.calcMeasureHeadWidth(m);
    QVERIFY(m->aligner);
    QCOMPARE(m->aligner->headWidth(), head);

    // The time signature switch takes the time room away.
    if (!beats.isEmpty()) {
        f.score.page->measureDisplayTimeSignature = false;
        f.score.calcMeasureHeadWidth(m);
        QVERIFY(m->aligner->headWidth() < head - 3.0);
    }
}

void TestMeasureHeadWidth::tailPad_data()
{
    QTest::addColumn<int>("rightRepeat");
    QTest::addColumn<int>("rightBarStyle"); // 0: no right bar line
    QTest::addColumn<double>("tail");

    // 1.0 + 0.1 x 4, plus the closing line's room.
    QTest::newRow("plain") << 0 << 0 << 1.4;
    QTest::newRow("backward repeat over light-light") << 2 << 2 << 2.96;
    QTest::newRow("light-light") << 0 << 2 << 1.76;
    QTest::newRow("light-heavy") << 0 << 1 << 2.24;
    QTest::newRow("heavy-light closes without room") << 0 << 3 << 1.4;
    QTest::newRow("forward repeat on the right is no closing repeat") << 1 << 0 << 1.4;
}

void TestMeasureHeadWidth::tailPad()
{
    QFETCH(int, rightRepeat);
    QFETCH(int, rightBarStyle);
    QFETCH(double, tail);

    HeadFixture f({kinko}, true);
    f.first->rightRepeat = rightRepeat;
    f.first->rightBarline = rightBarStyle != 0;
    f.first->rightBarStyle = rightBarStyle;
    f.score.calcMeasureHeadWidth(f.first);
    QCOMPARE(f.first->aligner->padWidth(), tail);
}

void TestMeasureHeadWidth::noPartsKeepsTheHead()
{
    HeadFixture f({}, true);
    f.score.setUpMeasureTics(f.first); // makes the aligner
    f.first->aligner->setHeadWidth(7.0);
    f.score.calcMeasureHeadWidth(f.first);
    QCOMPARE(f.first->aligner->headWidth(), 7.0);
    QCOMPARE(f.first->aligner->padWidth(), 1.0); // no note size: the tailing pad alone
}

VELMORA_TEST_MAIN(TestMeasureHeadWidth)

} // namespace tst_measure_head_width
#include "tst_measure_head_width.moc"
