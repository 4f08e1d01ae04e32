// The readers of forward, barline and attributes: bar styles, repeats,
// endings with their default and stored offsets, divisions, key, simple and
// composite time, multiple rests, staves, and clefs at the measure start or
// at a note.
#include "app/version.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

namespace tst_measure_elements {

namespace {

QDomElement element(QDomDocument &document, const QString &xml)
{
    if (!document.setContent(xml))
        qFatal("fixture is not XML: %s", qPrintable(xml));
    return document.documentElement();
}

QString barlineText(const Measure &m)
{
    return QStringLiteral("L%1/%2/%3 R%4/%5/%6 E%7 \"%8\" t%9 (%10,%11)")
        .arg(m.leftBarline)
        .arg(m.leftBarStyle)
        .arg(m.leftRepeat)
        .arg(m.rightBarline)
        .arg(m.rightBarStyle)
        .arg(m.rightRepeat)
        .arg(m.endingNumber)
        .arg(m.endingNumberText)
        .arg(m.endingType)
        .arg(m.endingOffsetX)
        .arg(m.endingOffsetY);
}

} // namespace

class TestMeasureElements : public QObject
{
    Q_OBJECT

private slots:
    void forwardDuration_data();
    void forwardDuration();
    void barlines_data();
    void barlines();
    void attributes_data();
    void attributes();
    void clefs_data();
    void clefs();
};

void TestMeasureElements::forwardDuration_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<int>("expected");
    QTest::newRow("duration") << "<forward><duration>6</duration><voice>2</voice></forward>" << 6;
    QTest::newRow("missing") << "<forward/>" << 0;
    QTest::newRow("not a number") << "<forward><duration>half</duration></forward>" << 0;
}

void TestMeasureElements::forwardDuration()
{
    QFETCH(QString, xml);
    QFETCH(int, expected);
    QDomDocument document;
    QCOMPARE(Score::parseForwardDuration(element(document, xml)), expected);
}

void TestMeasureElements::barlines_data()
{
    QTest::addColumn<QStringList>("barlines");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("expected");

    const QString defaults = "L0/0/0 R0/0/0 E0 \"\" t0 (0,0)";
    QTest::newRow("no location changes nothing")
        << QStringList{"<barline><bar-style>light-heavy</bar-style></barline>"} << true << defaults;
    QTest::newRow("right without children")
        << QStringList{"<barline location=\"right\"/>"} << true << "L0/0/0 R1/0/0 E0 \"\" t0 (0,0)";
    QTest::newRow("bar styles and repeats")
        << QStringList{"<barline location=\"left\"><bar-style>heavy-light</bar-style>"
                       "<repeat direction=\"forward\"/></barline>",
                       "<barline location=\"right\"><bar-style>short</bar-style>"
                       "<repeat direction=\"backward\"/></barline>"}
        << true << "L1/3/1 R1/6/2 E0 \"\" t0 (0,0)";
    QTest::newRow("unknown bar style and repeat change nothing")
        << QStringList{"<barline location=\"right\"><bar-style>heavy-heavy</bar-style>"
                       "<repeat direction=\"sideways\"/></barline>"}
        << true << "L0/0/0 R1/0/0 E0 \"\" t0 (0,0)";
    QTest::newRow("one-measure ending stop")
        << QStringList{"<barline location=\"left\"><ending number=\"1\" type=\"start\"/></barline>",
                       "<barline location=\"right\"><ending number=\"1\" type=\"stop\"/>"
                       "</barline>"}
        << true << "L1/0/0 R1/0/0 E1 \"1\" t4 (0.2,-0.8)";
    QTest::newRow("one-measure ending discontinue, vertical writing")
        << QStringList{"<barline location=\"left\"><ending number=\"2\" type=\"start\"/></barline>",
                       "<barline location=\"right\"><ending number=\"2\" type=\"discontinue\"/>"
                       "</barline>"}
        << false << "L1/0/0 R1/0/0 E2 \"2\" t5 (0.1,0.2)";
    QTest::newRow("stop alone, number list")
        << QStringList{"<barline location=\"right\"><ending number=\"1, 2\" type=\"stop\"/>"
                       "</barline>"}
        << true << "L0/0/0 R1/0/0 E0 \"1, 2\" t2 (0,0)";
    QTest::newRow("stored offset wins")
        << QStringList{"<barline location=\"left\"><ending number=\"1\" type=\"start\">"
                       "<tarn-offset x=\"1.5\" y=\"2\"/></ending></barline>"}
        << true << "L1/0/0 R0/0/0 E1 \"1\" t1 (1.5,2)";
    QTest::newRow("stop on the left is ignored")
        << QStringList{"<barline location=\"left\"><ending number=\"3\" type=\"stop\"/></barline>"}
        << true << "L1/0/0 R0/0/0 E3 \"3\" t0 (0,0)";
}

void TestMeasureElements::barlines()
{
    QFETCH(QStringList, barlines);
    QFETCH(bool, horizontal);
    QFETCH(QString, expected);
    Score score(Velmora::programVersion, 0, false);
    score.page->horizontal = horizontal;
    Measure measure(&score);
    for (const QString &xml : barlines) {
        QDomDocument document;
        QVERIFY(score.parseMeasureBarline(&measure, element(document, xml)));
    }
    QCOMPARE(barlineText(measure), expected);
}

void TestMeasureElements::attributes_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("expected"); // divisions key time beatsText multipleRest staves

    QTest::newRow("nothing given") << "<attributes/>"
                                   << "0:0 0:-99 0:4/4 \"\" 0 1";
    QTest::newRow("common values")
        << "<attributes><divisions>480</divisions><key><fifths>-3</fifths><mode>minor</mode>"
           "</key><time><beats>6</beats><beat-type>8</beat-type></time><staves>2</staves>"
           "</attributes>"
        << "1:480 1:-3 1:6/8 \"6\" 0 2";
    QTest::newRow("composite beats")
        << "<attributes><time><beats>2+2+3</beats><beat-type>8</beat-type></time></attributes>"
        << "0:0 0:-99 1:7/8 \"2+2+3\" 0 1";
    QTest::newRow("composite piece not a number")
        << "<attributes><time><beats>3+x</beats><beat-type>4</beat-type></time></attributes>"
        << "0:0 0:-99 1:3/4 \"3+x\" 0 1";
    QTest::newRow("malformed numbers read 0, divisions none")
        << "<attributes><divisions>many</divisions><time><beats>a</beats><beat-type>b"
           "</beat-type></time></attributes>"
        << "0:0 0:-99 1:0/0 \"a\" 0 1";
    QTest::newRow("divisions below 1 read as none")
        << "<attributes><divisions>-480</divisions></attributes>"
        << "0:0 0:-99 0:4/4 \"\" 0 1";
    QTest::newRow("far-off key and time clamp to 1000")
        << "<attributes><key><fifths>2147483647</fifths></key><time><beats>2147483647+1"
           "</beats><beat-type>-2147483648</beat-type></time></attributes>"
        << "0:0 1:1000 1:1000/-1000 \"2147483647+1\" 0 1";
    QTest::newRow("multiple rest")
        << "<attributes><measure-style><multiple-rest>4</multiple-rest></measure-style>"
           "</attributes>"
        << "0:0 0:-99 0:4/4 \"\" 4 1";
    QTest::newRow("measure style without multiple rest")
        << "<attributes><measure-style><slash type=\"start\"/></measure-style></attributes>"
        << "0:0 0:-99 0:4/4 \"\" 0 1";
}

void TestMeasureElements::attributes()
{
    QFETCH(QString, xml);
    QFETCH(QString, expected);
    Score score(Velmora::programVersion, 0, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart("P");
    Measure *measure = builder.addMeasure();
    measure->divisions = 0;
    // A file's count goes to the measure as read; the layout's own count
    // of measures a rest stands for is another field.
    measure->multiRestCount = 0;
    QDomDocument document;
    QVERIFY(score.parseMeasureAttributes(0, measure, 0, 0, element(document, xml)));
    QCOMPARE(QStringLiteral("%1:%2 %3:%4 %5:%6/%7 \"%8\" %9 %10")
                 .arg(measure->divisionsGiven)
                 .arg(measure->divisions)
                 .arg(measure->keyGiven)
                 .arg(measure->fifths)
                 .arg(measure->timeGiven)
                 .arg(measure->beats)
                 .arg(measure->beatType)
                 .arg(measure->beatsText)
                 .arg(measure->multipleRest)
                 .arg(score.parts.first()->staffCount),
             expected);
    QCOMPARE(measure->multiRestCount, 0);
}

void TestMeasureElements::clefs_data()
{
    QTest::addColumn<QString>("clef");
    QTest::addColumn<int>("noteIndex");
    QTest::addColumn<QString>("expected"); // staff-start clefs; note 4's change

    QTest::newRow("staff 2 at the measure start")
        << "<clef number=\"2\"><sign>F</sign><line>4</line></clef>" << 0 << "|F|||||| -";
    QTest::newRow("no number is staff 1") << "<clef><sign>C</sign></clef>" << 0 << "C||||||| -";
    QTest::newRow("staff 8") << "<clef number=\"8\"><sign>G</sign></clef>" << 0 << "|||||||G -";
    QTest::newRow("number 0 ignored")
        << "<clef number=\"0\"><sign>F</sign></clef>" << 0 << "||||||| -";
    QTest::newRow("number 9 ignored")
        << "<clef number=\"9\"><sign>F</sign></clef>" << 0 << "||||||| -";
    QTest::newRow("before the fifth note")
        << "<clef number=\"2\"><sign>F</sign></clef>" << 4 << "||||||| F";
    QTest::newRow("note index past the voice ignored")
        << "<clef><sign>F</sign></clef>" << 9 << "||||||| -";
}

void TestMeasureElements::clefs()
{
    QFETCH(QString, clef);
    QFETCH(int, noteIndex);
    QFETCH(QString, expected);
    Score score(Velmora::programVersion, 0, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart("P");
    Measure *measure = builder.addMeasure();
    const QList<Note *> notes = builder.addNotes(0, 1, "C4/8 D4/8 E4/8 F4/8 G4/8");
    QDomDocument document;
    QVERIFY(score.parseMeasureAttributes(
        0, measure, 0, noteIndex, element(document, "<attributes>" + clef + "</attributes>")));
    const MePart *cell = measure->parts.first();
    QStringList starts;
    for (int s = 0; s < MePart::maxStaves; ++s)
        starts << (cell->clefGiven[s] ? cell->clefSigns[s] : QString());
    const QString change = notes.at(4)->clefChange ? notes.at(4)->clef : "-";
    QCOMPARE(starts.join('|') + ' ' + change, expected);
    for (int i = 0; i < 4; ++i)
        QVERIFY(!notes.at(i)->clefChange);
}

VELMORA_TEST_MAIN(TestMeasureElements)

} // namespace tst_measure_elements
#include "tst_measure_elements.moc"
