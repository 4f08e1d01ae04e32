// The reader of `direction` elements: one Direction per recognised item in
// document order (dynamics marks, words and the measure-end words, tempo,
// rehearsal, hairpins, bracket and dashes lines, octave shifts, coda,
// segno), spanner slots, the "~" and "^" carried to a line, the staff of a
// direction, the user adjustments kept in `tarn-` elements, the refused
// staff, and the pairing count the writer shares.
#include "document/markpairing.h"
#include "model/direction.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

#include <QDomDocument>
#include <QFile>

namespace tst_direction_parser {

namespace {

constexpr int givenPosition = 3;

// kind:text@noteIndex, then the slot (#), staff (s), line type (L) and line
// end (E) when they are not 0.
QString summary(const QList<Direction *> &directions)
{
    QStringList parts;
    for (const Direction *direction : directions) {
        QString part = QStringLiteral("%1:%2@%3")
                           .arg(direction->kind)
                           .arg(direction->text)
                           .arg(direction->noteIndex);
        if (direction->number)
            part += QStringLiteral("#%1").arg(direction->number);
        if (direction->staff)
            part += QStringLiteral(" s%1").arg(direction->staff);
        if (direction->lineType)
            part += QStringLiteral(" L%1").arg(direction->lineType);
        if (direction->lineEnd)
            part += QStringLiteral(" E%1").arg(direction->lineEnd);
        parts << part;
    }
    return parts.join(QStringLiteral(" | "));
}

// How many Directions the writer will pair with the element's items.
int pairedItemCount(const QDomElement &direction)
{
    int count = 0;
    for (QDomElement type = direction.firstChildElement(QStringLiteral("direction-type"));
         !type.isNull(); type = type.nextSiblingElement(QStringLiteral("direction-type"))) {
        for (QDomElement item = type.firstChildElement(); !item.isNull();
             item = item.nextSiblingElement())
            count += MarkPairing::directionItemCount(item);
    }
    return count;
}

QString types(const QString &inner)
{
    return QStringLiteral("<direction-type>%1</direction-type>").arg(inner);
}

} // namespace

class TestDirectionParser : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void items_data();
    void items();
    void itemExtensions();
    void scaleFromText_data();
    void scaleFromText();
    void staffAboveEightRefusesTheLoad();
    void outsideTheModelAddsNothing();
    void corpusDirections();

private:
    // Reads `<direction>inner</direction>` into voice 1 of the first part at
    // the given position; returns the directions made.
    QList<Direction *> read(const QString &inner, bool *accepted = nullptr,
                            QString *refusal = nullptr);

    std::unique_ptr<Score> m_score;
    Measure *m_measure = nullptr;
    int m_pairedCount = 0; // what the writer counts in the last element read
};

void TestDirectionParser::init()
{
    m_score = std::make_unique<Score>(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(m_score.get());
    builder.addPart(QStringLiteral("P1"));
    m_measure = builder.addMeasure();
    builder.addNotes(0, 1, QStringLiteral("C4/4 D4/4 E4/4 F4/4"));
}

void TestDirectionParser::cleanup()
{
    m_score.reset();
}

QList<Direction *> TestDirectionParser::read(const QString &inner, bool *accepted, QString *refusal)
{
    QDomDocument doc;
    if (!doc.setContent(QStringLiteral("<direction>%1</direction>").arg(inner)))
        qFatal("bad fixture");
    QList<Direction *> &list = m_measure->parts.at(0)->voices.use(0)->directions;
    const qsizetype before = list.size();
    const bool result = m_score->parseMeasureDirection(m_measure, 0, 0, givenPosition,
                                                       doc.documentElement(), refusal);
    if (accepted)
        *accepted = result;
    m_pairedCount = pairedItemCount(doc.documentElement());
    return list.mid(before);
}

void TestDirectionParser::items_data()
{
    QTest::addColumn<QString>("inner");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Fine stands at the end of the measure")
        << types("<words>Fine</words>") << "12:Fine@-2";
    QTest::newRow("D.S. al Coda") << types("<words>D.S. al Coda</words>") << "15:D.S. al Coda@-2";
    QTest::newRow("To Coda") << types("<words>To Coda</words>") << "7:To Coda@-2";
    QTest::newRow("plain words") << types("<words>dolce</words>") << "1:dolce@3";
    QTest::newRow("f and p are two dynamics")
        << types("<dynamics><f/><p/></dynamics>") << "0:f@3 | 0:p@3";
    QTest::newRow("unknown dynamics make nothing")
        << types("<dynamics><pppp/><other-dynamics>ffz</other-dynamics></dynamics>") << "";
    QTest::newRow("numbered diminuendo")
        << types(R"(<wedge type="diminuendo" number="2"/>)") << "4:diminuendo@3#1";
    QTest::newRow("crescendo") << types(R"(<wedge type="crescendo"/>)") << "3:crescendo@3";
    QTest::newRow("wedge stop") << types(R"(<wedge type="stop" number="2"/>)") << "5:nothing@3#1";
    QTest::newRow("wedge continue makes nothing")
        << types(R"(<wedge type="continue"/><words>a</words>)") << "1:a@3";
    QTest::newRow("wedge number above the slots")
        << types(R"(<wedge type="stop" number="9"/>)") << "5:nothing@3#4";
    QTest::newRow("wedge number 0") << types(R"(<wedge type="stop" number="0"/>)") << "5:nothing@3";
    QTest::newRow("dashes 1") << types(R"(<dashes type="start" number="1"/>)") << "17:@3#5 L2";
    QTest::newRow("dashes without number share no slot with brackets")
        << types(R"(<dashes type="stop"/>)") << "18:@3#5 L2";
    QTest::newRow("dotted dashes")
        << types(R"(<dashes type="start" number="2" line-type="dotted"/>)") << "17:@3#6 L3";
    QTest::newRow("bracket")
        << types(R"(<bracket type="start" number="3" line-type="solid" line-end="down"/>)")
        << "17:@3#2 L1 E2";
    QTest::newRow("bracket without line type")
        << types(R"(<bracket type="stop" line-end="up"/>)") << "18:@3 E1";
    QTest::newRow("bracket continue is kept") << types(R"(<bracket type="continue"/>)") << "-1:@3";
    QTest::newRow("a tilde carries to the bracket")
        << types("<words>rit.~</words>") + types(R"(<bracket type="start" line-end="none"/>)")
        << "1:rit.@3 | 17:~@3";
    QTest::newRow("a caret carries to the dashes")
        << types("<words>cresc.^</words>") + types(R"(<dashes type="start"/>)")
        << "1:cresc.@3 | 17:^@3#5 L2";
    QTest::newRow("metronome quarter = 72")
        << types("<metronome><beat-unit>quarter</beat-unit><per-minute>72</per-minute>"
                 "</metronome>")
        << "9:Q = 72@3";
    QTest::newRow("metronome dotted quarter to half")
        << types("<metronome><beat-unit>quarter</beat-unit><beat-unit-dot/>"
                 "<beat-unit>half</beat-unit></metronome>")
        << "9:Q. = H@3";
    QTest::newRow("metronome quarter to dotted half")
        << types("<metronome><beat-unit>quarter</beat-unit><beat-unit>half</beat-unit>"
                 "<beat-unit-dot/></metronome>")
        << "9:Q = H.@3";
    QTest::newRow("metronome of a whole note alone")
        << types("<metronome><beat-unit>whole</beat-unit></metronome>") << "9:W@3";
    // Each dot stays with its own unit, whatever unit follows.
    QTest::newRow("metronome double-dotted quarter to dotted half")
        << types("<metronome><beat-unit>quarter</beat-unit><beat-unit-dot/><beat-unit-dot/>"
                 "<beat-unit>half</beat-unit><beat-unit-dot/></metronome>")
        << "9:Q.. = H.@3";
    QTest::newRow("metronome in parentheses, unit to double-dotted unit")
        << types(R"(<metronome parentheses="yes"><beat-unit>quarter</beat-unit><beat-unit-dot/>)"
                 "<beat-unit>half</beat-unit><beat-unit-dot/><beat-unit-dot/></metronome>")
        << "9:(Q. = H..)@3";
    QTest::newRow("metronome in parentheses with a tempo")
        << types(R"(<metronome parentheses="yes"><beat-unit>16th</beat-unit>)"
                 "<per-minute> 77 </per-minute></metronome>")
        << "9:(S = 77)@3";
    QTest::newRow("metronome of five dots")
        << types("<metronome><beat-unit>eighth</beat-unit><beat-unit-dot/><beat-unit-dot/>"
                 "<beat-unit-dot/><beat-unit-dot/><beat-unit-dot/><per-minute>60</per-minute>"
                 "</metronome>")
        << "9:E..... = 60@3";
    QTest::newRow("metronome of an unknown unit keeps its tempo")
        << types("<metronome><beat-unit>256th</beat-unit><beat-unit-dot/>"
                 "<per-minute>90</per-minute></metronome>")
        << "9: = 90@3";
    QTest::newRow("metronome with nothing to show")
        << types(R"(<metronome parentheses="yes"/>)") << "9:@3";
    QTest::newRow("rehearsal after the first note stands at its note")
        << types("<rehearsal>A{1,2}</rehearsal>") << "2:A{1,2}@3";
    QTest::newRow("octave shift down")
        << types(R"(<octave-shift type="down" number="1" size="8"/>)") << "19:nothing@3";
    QTest::newRow("octave shift up 2")
        << types(R"(<octave-shift type="up" number="2"/>)") << "20:nothing@3#1";
    QTest::newRow("octave shift continue is kept")
        << types(R"(<octave-shift type="continue"/>)") << "-1:nothing@3";
    QTest::newRow("octave shift stop") << types(R"(<octave-shift type="stop"/>)") << "21:nothing@3";
    QTest::newRow("coda and segno") << types("<coda/><segno/>") << "6:nothing@-1 | 8:nothing@-1";
    QTest::newRow("staff 2 holds every item")
        << types("<words>a</words>") + types("<dynamics><f/></dynamics>") + "<staff>2</staff>"
        << "1:a@3 s1 | 0:f@3 s1";
    QTest::newRow("staff 8") << types("<words>a</words>") + "<staff>8</staff>"
                             << "1:a@3 s7";
    QTest::newRow("staff 0 is ignored") << types("<words>a</words>") + "<staff>0</staff>"
                                        << "1:a@3";
    QTest::newRow("staff not a number is ignored")
        << types("<words>a</words>") + "<staff>two</staff>"
        << "1:a@3";
    QTest::newRow("inner staff") << "<direction-type><words>a</words><staff>3</staff>"
                                    "</direction-type>"
                                 << "1:a@3 s2";
    QTest::newRow("inner staff outside the part")
        << "<direction-type><words>a</words><staff>12</staff></direction-type>"
        << "1:a@3";
    QTest::newRow("other children")
        << types("<pedal type=\"start\"/><damp/>") + "<offset>2</offset><voice>1</voice>"
        << "";
}

void TestDirectionParser::items()
{
    QFETCH(QString, inner);
    QFETCH(QString, expected);
    const QList<Direction *> made = read(inner);
    QCOMPARE(summary(made), expected);
    QCOMPARE(made.size(), m_pairedCount);
}

void TestDirectionParser::itemExtensions()
{
    const QList<Direction *> made = read(types(
        R"(<words>cantabile{1.5,-2}<tarn-offset x="3"/><tarn-scale scale="1.21"/>)"
        R"(<tarn-font font="Serif,14,-1,5,700,0,0,0,0,0"/><tarn-rotation rotation="vertical-writing"/>)"
        R"(<tarn-visibility visibility="invisible"/></words>)"
        R"(<words>plain{1.5,-2}</words>)"
        R"(<dynamics><mf><tarn-offset x="1" y="1"/><tarn-scale scale="2"/>)"
        R"(<tarn-visibility visibility="invisible"/></mf></dynamics>)"
        R"(<wedge type="crescendo"><tarn-offset x="2" y="0"/><tarn-visibility visibility="visible"/></wedge>)"
        R"(<wedge type="stop"><tarn-offset x="5" y="5"/></wedge>)"
        R"(<segno><tarn-rotation rotation="horizontal"/><tarn-scale scale="0.5"/></segno>)"
        R"(<octave-shift type="down"><tarn-offset x="0" y="0"/><tarn-scale scale="3"/></octave-shift>)"));
    QCOMPARE(made.size(), 7);

    // tarn-offset wins over the text option; a missing y reads 0.
    const Direction *words = made.at(0);
    QCOMPARE(words->text, QStringLiteral("cantabile"));
    QVERIFY(words->moved);
    QCOMPARE(QPointF(words->x, words->y), QPointF(3, 0));
    QCOMPARE(words->scale, 1.21);
    QVERIFY(words->fontGiven);
    QCOMPARE(words->font.family(), QStringLiteral("Serif"));
    QCOMPARE(words->font.pointSize(), 14);
    QCOMPARE(words->rotation, 3);
    QCOMPARE(words->visibility, 2);
    const Direction *plain = made.at(1);
    QCOMPARE(plain->text, QStringLiteral("plain"));
    QCOMPARE(QPointF(plain->x, plain->y), QPointF(1.5, -2));
    // A dynamics mark keeps offset and scale only.
    const Direction *mf = made.at(2);
    QCOMPARE(QPointF(mf->x, mf->y), QPointF(1, 1));
    QCOMPARE(mf->scale, 2.0);
    QCOMPARE(mf->visibility, 0);
    QCOMPARE(made.at(3)->x, 2.0);
    QCOMPARE(made.at(3)->visibility, 1);
    // A hairpin stop reads none.
    QVERIFY(!made.at(4)->moved);
    QCOMPARE(made.at(5)->rotation, 1);
    QCOMPARE(made.at(5)->scale, 0.5);
    // An octave shift reads its offset (moved to (0, 0) still counts) but
    // not a scale.
    QVERIFY(made.at(6)->moved);
    QCOMPARE(made.at(6)->scale, 1.0);
}

void TestDirectionParser::scaleFromText_data()
{
    QTest::addColumn<QString>("scaleElement");
    QTest::addColumn<double>("scale");

    QTest::newRow("attribute") << R"(<tarn-scale scale="1.5"/>)" << 1.5;
    QTest::newRow("text") << "<tarn-scale>0.8</tarn-scale>" << 0.8;
    QTest::newRow("attribute wins") << R"(<tarn-scale scale="2">0.8</tarn-scale>)" << 2.0;
    QTest::newRow("empty reads 1") << "<tarn-scale/>" << 1.0;
    QTest::newRow("zero reads 1") << R"(<tarn-scale scale="0"/>)" << 1.0;
    QTest::newRow("negative reads 1") << "<tarn-scale>-1</tarn-scale>" << 1.0;
}

void TestDirectionParser::scaleFromText()
{
    QFETCH(QString, scaleElement);
    const QList<Direction *> made = read(types("<words>a" + scaleElement + "</words>"));
    QCOMPARE(made.size(), 1);
    QTEST(made.first()->scale, "scale");
    QCOMPARE(made.first()->text, QStringLiteral("a"));
}

void TestDirectionParser::staffAboveEightRefusesTheLoad()
{
    bool accepted = true;
    QString refusal;
    const QList<Direction *> made =
        read(types("<words>a</words>") + "<staff>9</staff>", &accepted, &refusal);
    QVERIFY(!accepted);
    QVERIFY(made.isEmpty());
    QCOMPARE(refusal, QStringLiteral("Staff number exceeded the maximum. Staff Number 9 "
                                     "(Maximum Staff Number 8)"));
    // Refused even when the element made nothing.
    read("<staff>10</staff>", &accepted);
    QVERIFY(!accepted);
}

void TestDirectionParser::outsideTheModelAddsNothing()
{
    QDomDocument doc;
    QVERIFY(
        doc.setContent(types("<words>a</words>").prepend("<direction>").append("</direction>")));
    for (const auto &[part, voice] : {std::pair{1, 0}, {-1, 0}, {0, 32}, {0, -1}})
        QVERIFY(m_score->parseMeasureDirection(m_measure, part, voice, 0, doc.documentElement()));
    for (const Voice *voice : m_measure->parts.at(0)->voices)
        QVERIFY(voice->directions.isEmpty());
}

void TestDirectionParser::corpusDirections()
{
    QFile file(TestSupport::fixturePath("corpus/lilypond-musicxml-testsuite/31a-Directions.xml"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QDomDocument doc;
    QVERIFY(doc.setContent(&file));

    const QDomNodeList elements = doc.elementsByTagName(QStringLiteral("direction"));
    QList<Direction *> &list = m_measure->parts.at(0)->voices.use(0)->directions;
    for (int i = 0; i < elements.size(); ++i) {
        const qsizetype before = list.size();
        const QDomElement element = elements.at(i).toElement();
        QVERIFY(m_score->parseMeasureDirection(m_measure, 0, 0, 0, element));
        QCOMPARE(list.size() - before, pairedItemCount(element));
    }

    QStringList dynamics;
    for (const Direction *direction : std::as_const(list)) {
        if (direction->kind == 0)
            dynamics << direction->text;
    }
    // pppp and the rest beyond the reader's marks, and other-dynamics, give
    // nothing.
    QCOMPARE(dynamics.join(' '), QStringLiteral("p pp ppp f ff fff mp mf sf sfp sfpp fp rf rfz "
                                                "sfz sffz fz"));
    QCOMPARE(summary(list.mid(0, 7)), QStringLiteral("2:A@-1 | 2:B@-1 | 2:Test@-1 | 2:Crc@-1 | "
                                                     "8:nothing@-1 | 6:nothing@-1 | "
                                                     "1:\\\"words\"@0"));
    QStringList spanners;
    for (Direction *direction : std::as_const(list)) {
        if (direction->kind >= 3 && direction->kind != 6 && direction->kind != 8)
            spanners << summary(QList<Direction *>{direction});
    }
    QCOMPARE(spanners.join(QStringLiteral(" | ")),
             QStringLiteral("3:crescendo@0 | 5:nothing@0 | 17:@0#5 L2 | 18:@0#5 L2 | "
                            "17:@0 E1 | 18:@0 E1 | 20:nothing@0 | 21:nothing@0 | 9:Q = 60@0"));
}

VELMORA_TEST_MAIN(TestDirectionParser)

} // namespace tst_direction_parser
#include "tst_direction_parser.moc"
