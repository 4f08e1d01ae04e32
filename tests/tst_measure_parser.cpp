// The measure parser on whole measures: the time cursor with forward and
// backup, where directions and attributes land, chords and start times,
// beams joined across rests per time signature, values carried from
// measure to measure, clefs per note, octave-shift lines, the user's scale
// and breaks, and the refusal of notes the model cannot hold.
#include "app/version.h"
#include "document/xmlfiletext.h"
#include "model/direction.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/messagecapture.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

#include <QFile>

#include <memory>

namespace tst_measure_parser {

namespace {

// A score-partwise document: one part per entry, each a list of measure
// contents.
QString scoreXml(const QList<QStringList> &parts)
{
    QString list;
    QString body;
    for (int k = 0; k < parts.size(); ++k) {
        const QString id = QStringLiteral("P%1").arg(k + 1);
        list +=
            QStringLiteral("<score-part id=\"%1\"><part-name>%1</part-name></score-part>").arg(id);
        body += QStringLiteral("<part id=\"%1\">").arg(id);
        for (int m = 0; m < parts.at(k).size(); ++m)
            body += QStringLiteral("<measure number=\"%1\">%2</measure>")
                        .arg(m + 1)
                        .arg(parts.at(k).at(m));
        body += QStringLiteral("</part>");
    }
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><score-partwise "
                          "version=\"3.1\"><part-list>%1</part-list>%2</score-partwise>")
        .arg(list, body);
}

// A note: pitch "r" is a rest, else step and octave ("C4"); `extra` holds
// further children (voice, staff, beams, chord ...).
QString note(const QString &pitch, int duration, const QString &type, const QString &extra = {})
{
    const QString head = pitch == QLatin1String("r")
                             ? QStringLiteral("<rest/>")
                             : QStringLiteral("<pitch><step>%1</step><octave>%2</octave></pitch>")
                                   .arg(pitch.left(1), pitch.mid(1));
    const QString typeXml = type.isEmpty() ? QString() : "<type>" + type + "</type>";
    return QStringLiteral("<note>%1<duration>%2</duration>%3%4</note>")
        .arg(head)
        .arg(duration)
        .arg(typeXml, extra);
}

QString attributes(int divisions, int beats, int beatType, const QString &extra = {})
{
    return QStringLiteral("<attributes><divisions>%1</divisions><time><beats>%2</beats>"
                          "<beat-type>%3</beat-type></time>%4</attributes>")
        .arg(divisions)
        .arg(beats)
        .arg(beatType)
        .arg(extra);
}

QString beams(const QString &level1, const QString &level2 = {})
{
    QString xml = QStringLiteral("<beam number=\"1\">%1</beam>").arg(level1);
    if (!level2.isEmpty())
        xml += QStringLiteral("<beam number=\"2\">%1</beam>").arg(level2);
    return xml;
}

const QString words =
    QStringLiteral("<direction><direction-type><words>dolce</words></direction-type></direction>");

// Loads the document text as every load does: settings, parts, measures,
// then the measure parser. False when the load was refused.
bool loadMeasures(Score &score, const QString &xml)
{
    score.documentText = xml;
    return score.parseScoreXml(false).has_value();
}

bool loadFile(Score &score, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return loadMeasures(score, XmlFileText::decode(file.readAll()).value_or(QString()));
}

QString corpus(const QString &name)
{
    return TestSupport::fixturePath("corpus/lilypond-musicxml-testsuite/" + name);
}

std::unique_ptr<Score> newScore()
{
    return std::make_unique<Score>(Velmora::programVersion, 0, false);
}

const Voice *voiceOf(const Score &score, int measure, int part, int voice)
{
    return score.measures.at(measure)->parts.at(part)->voices.at(voice);
}

// Per note "startTime/chordSize/chordIndex".
QString timesText(const Voice *voice)
{
    QStringList items;
    for (const Note *n : voice->notes)
        items << QStringLiteral("%1/%2/%3").arg(n->startTime).arg(n->chordSize).arg(n->chordIndex);
    return items.join(' ');
}

// Per note the joined-beam codes of levels 1 and 2 ("11 22 33").
QString joinedText(const Voice *voice)
{
    QStringList items;
    for (const Note *n : voice->notes)
        items << QStringLiteral("%1%2").arg(n->joinedBeams[0]).arg(n->joinedBeams[1]);
    return items.join(' ');
}

QString directionsText(const Voice *voice)
{
    QStringList items;
    for (const Direction *d : voice->directions)
        items << QString::number(d->noteIndex);
    return items.join(' ');
}

QString clefsText(const Voice *voice)
{
    QStringList items;
    for (const Note *n : voice->notes)
        items << n->clef;
    return items.join(' ');
}

} // namespace

class TestMeasureParser : public QObject
{
    Q_OBJECT

private slots:
    void forwardAndBackup();
    void directionPlacement();
    void chordsAndTimes();
    void beamJoining_data();
    void beamJoining();
    void joinBeamLevel_data();
    void joinBeamLevel();
    void carriedValues();
    void clefPerNote();
    void trailingAttributesStayInTheirPart();
    void octaveShifts();
    void userScaleAndBreaks_data();
    void userScaleAndBreaks();
    void refusedNotes_data();
    void refusedNotes();
    void repeatWithAlternatives();
    void compositeTimeSignatures();
    void pianoStaff();
    void midmeasureClef();
    void fileInAnotherEncoding();
};

void TestMeasureParser::forwardAndBackup()
{
    auto score = newScore();
    const QString forward = "<forward><duration>2</duration></forward>";
    const QString backup = "<backup><duration>8</duration></backup>";
    QVERIFY(loadMeasures(
        *score,
        scoreXml({{attributes(4, 4, 4) + forward + forward + note("C4", 4, "quarter") + forward +
                       backup + note("D4", 4, "quarter") + forward + note("E4", 2, "eighth"),
                   note("C4", 4, "quarter") + forward + note("D4", 4, "quarter")},
                  {note("C4", 12, "whole"), note("C4", 16, "whole")}})));
    const Measure *first = score->measures.at(0);
    const QList<Note *> &notes = voiceOf(*score, 0, 0, 0)->notes;
    QCOMPARE(notes.size(), 3);
    // Two forwards add up; a backup discards the forward before it.
    QCOMPARE(notes.at(0)->forwardOffset, 4);
    QCOMPARE(notes.at(1)->forwardOffset, 0);
    QCOMPARE(notes.at(2)->forwardOffset, 2);
    QCOMPARE(timesText(voiceOf(*score, 0, 0, 0)), QString("4/1/0 8/1/0 14/1/0"));
    QCOMPARE(first->partForwardFlags, QList<bool>({true, false}));
    // A forward after voice 1's first note does not set the flag.
    QCOMPARE(score->measures.at(1)->partForwardFlags, QList<bool>({false, false}));
    // Voice 1 of the last part that has notes.
    QCOMPARE(first->voiceOneLength, 12);
}

void TestMeasureParser::directionPlacement()
{
    auto score = newScore();
    const QString backup = "<backup><duration>4</duration></backup>";
    const QString voice2 = "<voice>2</voice>";
    QVERIFY(
        loadMeasures(*score, scoreXml({{attributes(4, 4, 4) + words + note("C4", 4, "quarter") +
                                        words + backup + note("E4", 2, "eighth", voice2) + words +
                                        words + note("F4", 0, "eighth", "<grace/>" + voice2) +
                                        note("G4", 2, "eighth", voice2) + words}})));
    // Before a backup with no note after it: the end of the last note's voice.
    QCOMPARE(directionsText(voiceOf(*score, 0, 0, 0)), QString("0 -2"));
    // At a grace note: moved to the principal note; after the last note: -2.
    QCOMPARE(directionsText(voiceOf(*score, 0, 0, 1)), QString("2 2 -2"));
}

void TestMeasureParser::chordsAndTimes()
{
    auto score = newScore();
    const QString chord = "<chord/>";
    const QString backup = "<backup><duration>16</duration></backup>";
    QVERIFY(loadMeasures(
        *score,
        scoreXml({{attributes(4, 4, 4) + note("C4", 4, "quarter") +
                   note("E4", 4, "quarter", chord) + note("G4", 2, "eighth", chord) +
                   note("D4", 4, "quarter") + backup + note("C3", 8, "half", "<voice>2</voice>") +
                   note("D3", 8, "half", "<voice>2</voice>")}})));
    // The chord moves on by its last note's duration.
    QCOMPARE(timesText(voiceOf(*score, 0, 0, 0)), QString("0/3/0 0/3/1 0/3/2 2/1/0"));
    // Each voice's times start at 0.
    QCOMPARE(timesText(voiceOf(*score, 0, 0, 1)), QString("0/1/0 8/1/0"));
    const MePart *cell = score->measures.at(0)->parts.at(0);
    QVERIFY(cell->staffVoiceFlags[0][0] && cell->staffVoiceFlags[0][1]);
    QVERIFY(!cell->staffVoiceFlags[0][2]);
    QVERIFY(voiceOf(*score, 0, 0, 1)->hasNotes);
    QVERIFY(!voiceOf(*score, 0, 0, 2)->hasNotes);
}

void TestMeasureParser::beamJoining_data()
{
    QTest::addColumn<QString>("measure");
    QTest::addColumn<QString>("expected");

    const QString sixteenth = "16th";
    QTest::newRow("4/4: a beam ending before a rest is carried over it")
        << attributes(480, 4, 4) + note("C4", 120, sixteenth, beams("begin", "begin")) +
               note("D4", 120, sixteenth, beams("end", "end")) + note("r", 120, sixteenth)
        << "11 22 33";
    QTest::newRow("4/4: a rest on the beat is not joined")
        << attributes(480, 4, 4) + note("C4", 120, sixteenth, beams("begin", "begin")) +
               note("D4", 120, sixteenth, beams("end", "end")) +
               "<forward><duration>240</duration></forward>" + note("r", 120, sixteenth)
        << "11 33 66";
    QTest::newRow("4/4: a rest before a beam starts it")
        << attributes(4, 4, 4) + note("r", 1, sixteenth) +
               note("C4", 1, sixteenth, beams("begin", "begin")) +
               note("D4", 1, sixteenth, beams("continue", "continue")) +
               note("E4", 1, sixteenth, beams("end", "end"))
        << "11 22 22 33";
    QTest::newRow("4/4: a hooked note before a rest gets a full beam")
        << attributes(4, 4, 4) + note("C4", 2, "eighth", beams("forward hook")) +
               note("r", 2, "eighth")
        << "10 30";
    QTest::newRow("6/8: beats are dotted quarters")
        << attributes(2, 6, 8) + note("C4", 1, "eighth", beams("begin")) +
               note("D4", 1, "eighth", beams("end")) + note("r", 1, "eighth") +
               note("r", 1, "eighth")
        << "10 20 30 60";
    QTest::newRow("5/8: nothing joined")
        << attributes(2, 5, 8) + note("C4", 1, "eighth", beams("begin")) +
               note("D4", 1, "eighth", beams("end")) + note("r", 1, "eighth")
        << "10 30 60";
    QTest::newRow("3/2: nothing joined")
        << attributes(2, 3, 2) + note("C4", 1, "eighth", beams("begin")) +
               note("D4", 1, "eighth", beams("end")) + note("r", 1, "eighth")
        << "10 30 60";
    QTest::newRow("no divisions: a zero-length beat joins nothing")
        << "<attributes><time><beats>4</beats><beat-type>4</beat-type></time></attributes>" +
               note("C4", 1, "eighth", beams("begin")) + note("D4", 1, "eighth", beams("end")) +
               note("r", 1, "eighth")
        << "10 30 60";
    QTest::newRow("divisions not a number join nothing")
        << "<attributes><divisions>four</divisions></attributes>" +
               note("C4", 1, "eighth", beams("begin")) + note("D4", 1, "eighth", beams("end")) +
               note("r", 1, "eighth")
        << "10 30 60";
}

void TestMeasureParser::beamJoining()
{
    QFETCH(QString, measure);
    QFETCH(QString, expected);
    auto score = newScore();
    QVERIFY(loadMeasures(*score, scoreXml({{measure}})));
    QCOMPARE(joinedText(voiceOf(*score, 0, 0, 0)), expected);
}

void TestMeasureParser::joinBeamLevel_data()
{
    QTest::addColumn<int>("previous");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none, begin") << 6 << 1 << "1 2";
    QTest::newRow("end, none") << 3 << 6 << "2 3";
    QTest::newRow("end, begin") << 3 << 1 << "2 2";
    QTest::newRow("forward hook, none") << 4 << 6 << "1 3";
    QTest::newRow("backward hook, none") << 5 << 6 << "1 3";
    QTest::newRow("begin, end unchanged") << 1 << 3 << "1 3";
    QTest::newRow("none, none unchanged") << 6 << 6 << "6 6";
}

void TestMeasureParser::joinBeamLevel()
{
    QFETCH(int, previous);
    QFETCH(int, current);
    QFETCH(QString, expected);
    Note p;
    Note c;
    p.joinedBeams[2] = previous;
    c.joinedBeams[2] = current;
    Score::joinBeamLevel(&p, &c, 2);
    QCOMPARE(QStringLiteral("%1 %2").arg(p.joinedBeams[2]).arg(c.joinedBeams[2]), expected);
    QCOMPARE(p.joinedBeams[1] + c.joinedBeams[1], 0);
}

void TestMeasureParser::carriedValues()
{
    auto score = newScore();
    const QString wholeRest = note("r", 8, {});
    QVERIFY(loadMeasures(
        *score, scoreXml({{attributes(2, 3, 4,
                                      "<key><fifths>2</fifths></key><staves>2</staves>"
                                      "<clef number=\"1\"><sign>G</sign></clef>"
                                      "<clef number=\"2\"><sign>F</sign></clef>") +
                               note("C4", 6, "half", "<dot/>"),
                           wholeRest,
                           "<attributes><time><beats>3+2</beats><beat-type>8</beat-type></time>"
                           "<key><fifths>-1</fifths></key><clef number=\"2\"><sign>C</sign></clef>"
                           "</attributes>" +
                               wholeRest + "<backup><duration>8</duration></backup>" +
                               note("r", 8, {}, "<voice>2</voice>") +
                               "<backup><duration>8</duration></backup>" +
                               note("r", 8, "half", "<voice>3</voice>")}})));
    const Measure *m1 = score->measures.at(1);
    const Measure *m2 = score->measures.at(2);
    QCOMPARE(QStringLiteral("%1/%2 %3 %4")
                 .arg(m1->beats)
                 .arg(m1->beatType)
                 .arg(m1->divisions)
                 .arg(m1->fifths),
             QString("3/4 2 2"));
    QCOMPARE(QStringLiteral("%1/%2 \"%3\" %4 %5")
                 .arg(m2->beats)
                 .arg(m2->beatType)
                 .arg(m2->beatsText)
                 .arg(m2->divisions)
                 .arg(m2->fifths),
             QString("5/8 \"3+2\" 2 -1"));
    QVERIFY(!m1->timeGiven && m2->timeGiven);
    QCOMPARE(score->parts.first()->staffCount, 2);
    QCOMPARE(m1->parts.first()->clefSigns[1], QString("F"));
    QCOMPARE(m2->parts.first()->clefSigns[0], QString("G"));
    QCOMPARE(m2->parts.first()->clefSigns[1], QString("C"));
    // Whole-measure rests: measure 1 is rests only; measure 2's typed rest
    // in voice 3 is not a whole-measure rest.
    QVERIFY(!score->measures.at(0)->parts.first()->restOnly);
    QVERIFY(m1->parts.first()->restOnly);
    QVERIFY(m1->parts.first()->voiceFlags.at(0));
    QVERIFY(!m2->parts.first()->restOnly);
    QCOMPARE(m2->parts.first()->voiceFlags.mid(0, 3), QList<bool>({true, true, false}));
}

void TestMeasureParser::clefPerNote()
{
    auto score = newScore();
    const QString changeToF = "<attributes><clef><sign>F</sign><line>4</line></clef></attributes>";
    QVERIFY(loadMeasures(
        *score, scoreXml({{attributes(1, 4, 4, "<clef><sign>G</sign></clef>") +
                               note("C4", 1, "quarter") + note("D4", 1, "quarter") + changeToF +
                               note("E3", 1, "quarter") + note("F3", 1, "quarter"),
                           note("G3", 2, "half") + note("A3", 2, "half")},
                          {note("C4", 4, "whole"), note("C4", 4, "whole")}})));
    const Voice *voice = voiceOf(*score, 0, 0, 0);
    QCOMPARE(clefsText(voice), QString("G G F F"));
    QVERIFY(voice->notes.at(2)->clefChange);
    QCOMPARE(clefsText(voiceOf(*score, 1, 0, 0)), QString("F F"));
    // The second part has no clef of its own.
    QCOMPARE(clefsText(voiceOf(*score, 0, 1, 0)), QString(""));
}

void TestMeasureParser::trailingAttributesStayInTheirPart()
{
    auto score = newScore();
    const QString trailing = "<attributes><clef><sign>F</sign></clef>"
                             "<time><beats>2</beats><beat-type>4</beat-type></time></attributes>";
    QVERIFY(loadMeasures(*score, scoreXml({{attributes(1, 4, 4, "<clef><sign>G</sign></clef>") +
                                                note("C4", 4, "whole") + trailing,
                                            note("D3", 2, "half")},
                                           {attributes(1, 4, 4, "<clef><sign>G</sign></clef>") +
                                                note("C4", 4, "whole"),
                                            note("D4", 2, "half")}})));
    // They belong to their part's next note: the first note of measure 2.
    QCOMPARE(clefsText(voiceOf(*score, 0, 0, 0)), QString("G"));
    QCOMPARE(score->measures.at(1)->parts.at(0)->clefSigns[0], QString("F"));
    QCOMPARE(clefsText(voiceOf(*score, 1, 0, 0)), QString("F"));
    QCOMPARE(score->measures.at(1)->beats, 2);
    // The other part keeps its own clef.
    QCOMPARE(score->measures.at(0)->parts.at(1)->clefSigns[0], QString("G"));
    QCOMPARE(clefsText(voiceOf(*score, 0, 1, 0)), QString("G"));
    QCOMPARE(clefsText(voiceOf(*score, 1, 1, 0)), QString("G"));
}

void TestMeasureParser::octaveShifts()
{
    // Marks as the direction reader leaves them: a "down" shift starting in
    // measure 1 and stopping after a note of measure 3, and an "up" shift on
    // one note of measure 4.
    auto score = newScore();
    TestSupport::ModelBuilder builder(score.get());
    builder.addPart("P");
    builder.addMeasure();
    QList<Note *> m1 = builder.addNotes(0, 1, "C4/4 D4/4 E4/4 F4/4");
    QList<Note *> m1v2 = builder.addNotes(0, 2, "C3/2 D3/2");
    QList<Note *> m1v5 = builder.addNotes(0, 5, "C2/1");
    builder.addMeasure();
    QList<Note *> m2 = builder.addNotes(0, 1, "G4/2 A4/2");
    builder.addMeasure();
    QList<Note *> m3 = builder.addNotes(0, 1, "B4/4 C5/4 D5/2");
    builder.addMeasure();
    QList<Note *> m4 = builder.addNotes(0, 1, "E5/4 F5/4 G5/2");
    QList<Note *> m4v2 = builder.addNotes(0, 2, "C4/8 D4/8 E4/8 F4/8 G4/2");
    m1.at(1)->octaveShiftMark = 2;
    m3.at(1)->octaveShiftMark = 3;
    m4.at(1)->octaveShiftMark = 4;
    score->applyOctaveShifts();

    auto steps = [](const QList<Note *> &notes) {
        QStringList items;
        for (const Note *n : notes)
            items << QString::number(n->octaveShiftSteps);
        return items.join(' ');
    };
    QCOMPARE(steps(m1), QString("0 -7 -7 -7"));
    // Voices of the same group follow by time; other groups do not.
    QCOMPARE(steps(m1v2), QString("0 -7"));
    QCOMPARE(steps(m1v5), QString("0"));
    QCOMPARE(steps(m2), QString("-7 -7"));
    QCOMPARE(steps(m3), QString("-7 -7 0"));
    // Start and stop on one note: only what starts within its duration.
    QCOMPARE(steps(m4), QString("0 7 0"));
    QCOMPARE(steps(m4v2), QString("0 0 7 7 0"));
}

void TestMeasureParser::userScaleAndBreaks_data()
{
    QTest::addColumn<QString>("elements");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("breakType");

    QTest::newRow("none") << "" << 1.0 << 0;
    QTest::newRow("user scale") << "<tarn-userscale>1.7</tarn-userscale>" << 1.7 << 0;
    QTest::newRow("empty user scale reads 0") << "<tarn-userscale></tarn-userscale>" << 0.0 << 0;
    QTest::newRow("line break") << "<tarn-linebreak/>" << 1.0 << 1;
    QTest::newRow("page break") << "<tarn-pagebreak/>" << 1.0 << 2;
    QTest::newRow("white page break") << "<tarn-whitepagebreak/>" << 1.0 << 3;
    QTest::newRow("line break, not fitted") << "<tarn-linebreak-nonfit/>" << 1.0 << 4;
    QTest::newRow("page break, not fitted") << "<tarn-pagebreak-nonfit/>" << 1.0 << 5;
    QTest::newRow("white page break, not fitted") << "<tarn-whitepagebreak-nonfit/>" << 1.0 << 6;
    QTest::newRow("the last break wins") << "<tarn-pagebreak/><tarn-linebreak/>" << 1.0 << 1;
}

void TestMeasureParser::userScaleAndBreaks()
{
    QFETCH(QString, elements);
    QFETCH(double, scale);
    QFETCH(int, breakType);
    auto score = newScore();
    QVERIFY(loadMeasures(*score,
                         scoreXml({{attributes(1, 4, 4) + note("C4", 4, "whole") + elements}})));
    QCOMPARE(score->measures.first()->userScale, scale);
    QCOMPARE(score->measures.first()->userBreakType, breakType);
}

void TestMeasureParser::refusedNotes_data()
{
    QTest::addColumn<QString>("extra");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("voice 33")
        << "<voice>33</voice>"
        << "Voice number exceeded the maximum. (Voice Number 33)! (Maximum Voice 32)";
    QTest::newRow("voice 0")
        << "<voice>0</voice>"
        << "Voice number exceeded the maximum. (Voice Number 0)! (Maximum Voice 32)";
    QTest::newRow("staff 9")
        << "<staff>9</staff>"
        << "Staff number exceeded the maximum. (Staff Number 9)! (Maximum Staff Number 8)";
}

void TestMeasureParser::refusedNotes()
{
    QFETCH(QString, extra);
    QFETCH(QString, refusal);
    auto score = newScore();
    TestSupport::prompter().reset();
    QVERIFY(!loadMeasures(*score, scoreXml({{attributes(1, 4, 4) + note("C4", 4, "whole"),
                                             note("C4", 4, "whole", extra)}})));
    // One warning, without the old "Program stops", and no half-read model.
    const QStringList warnings = TestSupport::prompter().texts("warning");
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().endsWith("\n" + refusal), qPrintable(warnings.first()));
    QVERIFY(!warnings.first().contains("Sorry"));
    QVERIFY(score->measures.isEmpty());
    QVERIFY(score->parts.isEmpty());
}

void TestMeasureParser::repeatWithAlternatives()
{
    auto score = newScore();
    QVERIFY(loadFile(*score, corpus("45b-RepeatWithAlternatives.xml")));
    QCOMPARE(score->measures.size(), 4);
    const Measure *first = score->measures.at(1);
    const Measure *second = score->measures.at(2);
    // A one-measure first ending with its backward repeat; the second
    // ending starts and is discontinued in the same measure.
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5")
                 .arg(first->endingType)
                 .arg(first->endingNumberText)
                 .arg(first->rightBarStyle)
                 .arg(first->rightRepeat)
                 .arg(first->leftBarline),
             QString("4 1 1 2 1"));
    QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                 .arg(second->endingType)
                 .arg(second->endingNumber)
                 .arg(second->rightBarStyle)
                 .arg(second->rightRepeat),
             QString("5 2 0 0"));
    // A score written vertically (the page's default) places the ending
    // label at its vertical default.
    QCOMPARE(QPointF(first->endingOffsetX, first->endingOffsetY), QPointF(0.1, 0.2));
    QCOMPARE(score->measures.at(3)->rightBarStyle, 1);
    QCOMPARE(score->measures.at(0)->endingType, 0);
}

void TestMeasureParser::compositeTimeSignatures()
{
    auto score = newScore();
    QVERIFY(loadFile(*score, corpus("11c-TimeSignatures-Complex.xml")));
    QCOMPARE(score->measures.size(), 2);
    const Measure *m0 = score->measures.at(0);
    const Measure *m1 = score->measures.at(1);
    QCOMPARE(QStringLiteral("%1/%2 %3").arg(m0->beats).arg(m0->beatType).arg(m0->beatsText),
             QString("5/8 3+2"));
    QCOMPARE(QStringLiteral("%1/%2 %3").arg(m1->beats).arg(m1->beatType).arg(m1->beatsText),
             QString("9/4 5+3+1"));
}

void TestMeasureParser::pianoStaff()
{
    auto score = newScore();
    QVERIFY(loadFile(*score, corpus("43a-PianoStaff.xml")));
    QCOMPARE(score->parts.first()->staffCount, 2);
    const MePart *cell = score->measures.first()->parts.first();
    QCOMPARE(cell->clefSigns[0], QString("G"));
    QCOMPARE(cell->clefSigns[1], QString("F"));
    QVERIFY(cell->staffVoiceFlags[0][0]);
    QVERIFY(cell->staffVoiceFlags[1][1]);
    QVERIFY(!cell->staffVoiceFlags[0][1] && !cell->staffVoiceFlags[1][0]);
    QCOMPARE(cell->findFlaggedVoice(1), 1);
    QCOMPARE(clefsText(cell->voices.at(0)), QString("G"));
    QCOMPARE(clefsText(cell->voices.at(1)), QString("F"));
    QCOMPARE(cell->voices.at(1)->notes.first()->staff, 1);
}

void TestMeasureParser::midmeasureClef()
{
    auto score = newScore();
    QVERIFY(loadFile(*score, corpus("46c-Midmeasure-Clef.xml")));
    QCOMPARE(score->measures.size(), 4);
    QStringList clefs;
    for (int m = 0; m < 4; ++m)
        clefs << clefsText(voiceOf(*score, m, 0, 0));
    // The C clef stands on the second line (mezzo-soprano): its code
    // keeps the line.
    QCOMPARE(clefs, QStringList({"G", "G G", "C2 C2", "C2 C2 G G"}));
    // The last measure starts with the clef carried from the one before.
    QCOMPARE(score->measures.at(3)->parts.first()->clefSigns[0], QString("C2"));
    QVERIFY(voiceOf(*score, 3, 0, 0)->notes.at(2)->clefChange);
}

void TestMeasureParser::fileInAnotherEncoding()
{
    auto score = newScore();
    QVERIFY(loadFile(*score, TestSupport::sourcePath("tests/fixtures/Encoding-Latin1Lyrics.xml")));
    const Note *first = voiceOf(*score, 0, 0, 0)->notes.first();
    QCOMPARE(first->lyrics.size(), 1);
    QCOMPARE(first->lyrics.first()->text, QStringLiteral("Caf\u00e9 \u00e0 l'eau"));
}

VELMORA_TEST_MAIN(TestMeasureParser)

} // namespace tst_measure_parser
#include "tst_measure_parser.moc"
