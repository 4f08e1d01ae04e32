// The reader of a note's `notations`: the Notation kinds in document order
// and the spanner states, the user adjustments kept in `tarn-` elements,
// fingering texts split into fingerings and directives, technical marks,
// several `notations` elements on one note, and the pairing rule that the
// writers share (one Notation per element MarkPairing counts).
#include "document/directive_type.h"
#include "document/markpairing.h"
#include "model/directive.h"
#include "model/fingering.h"
#include "model/harmonic.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/score.h"
#include "model/stopped.h"
#include "model/upbow.h"
#include "support/messagecapture.h"
#include "support/testenvironment.h"

#include <QDomDocument>
#include <QFile>

#include <memory>

namespace tst_notations_parser {

namespace {

// A `note` element from its inner text; the document stays alive in `doc`.
QDomElement noteElement(QDomDocument &doc, const QString &inner)
{
    const bool ok = doc.setContent(QStringLiteral("<note>%1</note>").arg(inner));
    Q_ASSERT(ok);
    return doc.documentElement();
}

// What the note parser does with the `notations` children of a note.
void readNotations(Score &score, Note *note, const QDomElement &noteElement)
{
    for (QDomElement child = noteElement.firstChildElement(QStringLiteral("notations"));
         !child.isNull(); child = child.nextSiblingElement(QStringLiteral("notations")))
        score.parseNoteNotations(note, child);
}

// How many Notations the writers will pair with the note's elements.
int pairedElementCount(const QDomElement &noteElement)
{
    int count = 0;
    for (QDomElement notations = noteElement.firstChildElement(QStringLiteral("notations"));
         !notations.isNull();
         notations = notations.nextSiblingElement(QStringLiteral("notations"))) {
        for (QDomElement child = notations.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement()) {
            if (child.tagName() == QLatin1String("articulations") ||
                child.tagName() == QLatin1String("ornaments")) {
                for (QDomElement mark = child.firstChildElement(); !mark.isNull();
                     mark = mark.nextSiblingElement())
                    count += MarkPairing::makesNotation(mark);
            } else {
                count += MarkPairing::makesNotation(child);
            }
        }
    }
    return count;
}

// The kinds ("i" marks an inverted fermata), then every state that is set.
QString summary(const Note *note)
{
    QStringList parts;
    for (const Notation *notation : note->notations)
        parts << QString::number(notation->kind) + (notation->inverted ? "i" : "");
    for (int i = 0; i < Note::levelCount; ++i) {
        if (note->slurs[i])
            parts << QStringLiteral("slur%1=%2").arg(i + 1).arg(note->slurs[i]);
    }
    for (int i = 0; i < Note::tupletCount; ++i) {
        if (note->tupletState[i] || note->tupletBracket[i] || note->tupletActual[i])
            parts << QStringLiteral("tuplet%1=%2%3%4")
                         .arg(i + 1)
                         .arg(note->tupletState[i])
                         .arg(note->tupletBracket[i] ? "b" : "")
                         .arg(note->tupletActual[i] ? QString::number(note->tupletActual[i])
                                                    : QString());
    }
    if (note->tremoloType || note->tremoloMarks)
        parts << QStringLiteral("trem=%1/%2").arg(note->tremoloType).arg(note->tremoloMarks);
    if (note->wavyLine)
        parts << QStringLiteral("wavy=%1").arg(note->wavyLine);
    if (note->glissando)
        parts << QStringLiteral("gliss=%1").arg(note->glissando);
    if (note->slide)
        parts << QStringLiteral("slide=%1").arg(note->slide);
    if (note->breath)
        parts << QStringLiteral("breath");
    if (note->arpeggiate)
        parts << QStringLiteral("arp");
    return parts.join(QLatin1Char(' '));
}

// Fingerings ("f:"), directives ("d:" text and kind) and the note flags
// that directives and marks set.
QString fingeringSummary(const Note *note)
{
    QStringList parts;
    for (const Fingering *fingering : note->fingerings)
        parts << "f:" + fingering->text;
    for (const Directive *directive : note->directives)
        parts << QStringLiteral("d:%1(%2)").arg(directive->text).arg(directive->kind);
    if (note->noPrev)
        parts << QStringLiteral("noPrev");
    if (note->hajiki)
        parts << QStringLiteral("pizz");
    if (!note->visible)
        parts << QStringLiteral("invisible");
    if (note->otsuDoubleQuote)
        parts << QStringLiteral("otsuDQ");
    if (!note->directName.isEmpty())
        parts << "name:" + note->directName;
    if (note->longRepeatKind)
        parts
            << QStringLiteral("repeat=%1x%2").arg(note->longRepeatKind).arg(note->longRepeatCount);
    return parts.join(QLatin1Char(' '));
}

QString fingeringNotations(const QString &text, const QString &extensions = QString())
{
    return QStringLiteral("<notations><technical><fingering>%1%2</fingering></technical>"
                          "</notations>")
        .arg(text.toHtmlEscaped(), extensions);
}

} // namespace

class TestNotationsParser : public QObject
{
    Q_OBJECT

private slots:
    void kindsAndStates_data();
    void kindsAndStates();
    void unexpectedTremoloType();
    void markExtensions_data();
    void markExtensions();
    void slurEnds();
    void fingeringTexts_data();
    void fingeringTexts();
    void fingeringOffsetsAndScales();
    void technicalMarks();
    void severalNotationsElements();
    void breathMarkOnGraceNote();
    void corpusNotations();
    void corpusMultipleNotationChildren();

private:
    Score m_score{QStringLiteral("5.3.1"), 1, false};
};

void TestNotationsParser::kindsAndStates_data()
{
    QTest::addColumn<QString>("notations");
    QTest::addColumn<QString>("expected");

    QTest::newRow("fermatas") << R"(<fermata type="inverted"/><fermata type="upright"/>)"
                              << "0i 0";
    QTest::newRow("articulations in their order")
        << "<articulations><staccato/><breath-mark/><accent/><caesura/><tenuto/>"
           "<staccatissimo/><detached-legato/><strong-accent/><stress/><unstress/>"
           "<soft-accent/><spiccato/></articulations>"
        << "1 3 5 2 13 14 15 16 17 breath";
    QTest::newRow("ornaments") << "<ornaments><trill-mark/><turn/><mordent/><inverted-mordent/>"
                                  "<schleifer/></ornaments>"
                               << "4 8 9";
    QTest::newRow("wavy line start and stop")
        << R"(<ornaments><wavy-line type="start"/><wavy-line type="stop"/></ornaments>)"
        << "11 12 wavy=3";
    QTest::newRow("wavy line stop") << R"(<ornaments><wavy-line type="stop"/></ornaments>)"
                                    << "12 wavy=2";
    QTest::newRow("wavy line continue takes a stateless notation")
        << R"(<ornaments><wavy-line type="continue"/><trill-mark/></ornaments>)"
        << "-1 4";
    QTest::newRow("tremolo without type is single") << "<ornaments><tremolo>3</tremolo></ornaments>"
                                                    << "10 trem=3/3";
    QTest::newRow("tremolo start") << R"(<ornaments><tremolo type="start">2</tremolo></ornaments>)"
                                   << "10 trem=1/2";
    QTest::newRow("tremolo stop makes no notation")
        << R"(<ornaments><tremolo type="stop">2</tremolo></ornaments>)"
        << "trem=2/2";
    QTest::newRow("slur stop then start") << R"(<slur type="stop" number="1"/>)"
                                             R"(<slur type="start" number="1"/>)"
                                          << "6 6 slur1=3";
    QTest::newRow("slur start then stop") << R"(<slur type="start" number="2"/>)"
                                             R"(<slur type="stop" number="2"/>)"
                                          << "6 6 slur2=3";
    QTest::newRow("slur start and stop of other numbers stay apart")
        << R"(<slur type="start" number="1"/><slur type="stop" number="2"/>)"
        << "6 6 slur1=1 slur2=2";
    QTest::newRow("slur without number is slur 1") << R"(<slur type="start"/>)"
                                                   << "6 slur1=1";
    QTest::newRow("slur 5") << R"(<slur type="stop" number="5"/>)"
                            << "6 slur5=2";
    QTest::newRow("slur continue") << R"(<slur type="continue" number="1"/>)"
                                   << "";
    QTest::newRow("slur 6 keeps the pairing") << R"(<slur type="start" number="6"/><fermata/>)"
                                              << "-1 0";
    QTest::newRow("slur 0 keeps the pairing") << R"(<slur type="stop" number="0"/><fermata/>)"
                                              << "-1 0";
    QTest::newRow("slur number not a number") << R"(<slur type="start" number="x"/><fermata/>)"
                                              << "-1 0";
    QTest::newRow("tuplet without number")
        << R"(<tuplet type="start" bracket="yes"><tuplet-actual><tuplet-number>5</tuplet-number>)"
           "</tuplet-actual></tuplet>"
        << "tuplet1=1b5";
    QTest::newRow("tuplet 3 stop, no bracket") << R"(<tuplet type="stop" number="3" bracket="no"/>)"
                                               << "tuplet3=2";
    QTest::newRow("tuplet-actual without tuplet-number")
        << R"(<tuplet type="start" number="2"><tuplet-actual/></tuplet>)"
        << "tuplet2=1";
    QTest::newRow("tuplet 0 and 4 are ignored") << R"(<tuplet type="start" number="0"/>)"
                                                   R"(<tuplet type="start" number="4"/>)"
                                                << "";
    QTest::newRow("glissando stop then start, slide")
        << R"(<glissando type="stop"/><glissando type="start"/><slide type="start"/>)"
        << "gliss=3 slide=1";
    QTest::newRow("arpeggio") << R"(<arpeggiate direction="up"/>)"
                              << "arp";
    QTest::newRow("marks without a notation")
        << R"(<tied type="start"/><dynamics><f/></dynamics><accidental-mark>sharp</accidental-mark>)"
           "<non-arpeggiate/><other-notation/>"
        << "";
}

void TestNotationsParser::kindsAndStates()
{
    QFETCH(QString, notations);
    QFETCH(QString, expected);
    QDomDocument doc;
    const QDomElement element =
        noteElement(doc, QStringLiteral("<notations>%1</notations>").arg(notations));
    Note note;
    const int count =
        m_score.parseNoteNotations(&note, element.firstChildElement(QStringLiteral("notations")));

    QCOMPARE(summary(&note), expected);
    QCOMPARE(count, note.notations.size());
    QCOMPARE(pairedElementCount(element), note.notations.size());
}

void TestNotationsParser::unexpectedTremoloType()
{
    QDomDocument doc;
    const QDomElement element = noteElement(
        doc,
        R"(<notations><ornaments><tremolo type="unmeasured">4</tremolo></ornaments></notations>)");
    Note note;
    note.tremoloType = 1;
    TestSupport::MessageCapture capture;
    readNotations(m_score, &note, element);

    QCOMPARE(summary(&note), QStringLiteral("trem=1/4"));
    QVERIFY(capture.contains("**** Unexpected! Parse Notation Tremoro type, unit =  unmeasured 4"));
}

void TestNotationsParser::markExtensions_data()
{
    QTest::addColumn<QString>("notations");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("visibility");

    const QString all = R"(<tarn-offset x="1.5" y="-2"/><tarn-scale scale="1.2"/>)"
                        R"(<tarn-visibility visibility="invisible"/>)";
    QTest::newRow("fermata") << "<fermata>" + all + "</fermata>" << true << 1.5 << -2.0 << 1.2 << 2;
    QTest::newRow("accent") << "<articulations><accent>" + all + "</accent></articulations>" << true
                            << 1.5 << -2.0 << 1.2 << 2;
    QTest::newRow("mordent") << "<ornaments><mordent>" + all + "</mordent></ornaments>" << true
                             << 1.5 << -2.0 << 1.2 << 2;
    QTest::newRow("tremolo") << R"(<ornaments><tremolo type="single">3)" + all +
                                    "</tremolo></ornaments>"
                             << true << 1.5 << -2.0 << 1.2 << 2;
    QTest::newRow("wavy line keeps its visibility")
        << R"(<ornaments><wavy-line type="start">)" + all + "</wavy-line></ornaments>" << true
        << 1.5 << -2.0 << 1.2 << 2;
    QTest::newRow("offset without y, visible")
        << R"(<fermata><tarn-offset x="3"/><tarn-visibility visibility="visible"/></fermata>)"
        << true << 3.0 << 0.0 << 1.0 << 1;
    QTest::newRow("zero scale reads 1")
        << R"(<fermata><tarn-scale scale="0"/></fermata>)" << false << 0.0 << 0.0 << 1.0 << 0;
    QTest::newRow("negative scale reads 1")
        << R"(<fermata><tarn-scale scale="-2"/></fermata>)" << false << 0.0 << 0.0 << 1.0 << 0;
    QTest::newRow("malformed scale reads 1")
        << R"(<fermata><tarn-scale scale="big"/></fermata>)" << false << 0.0 << 0.0 << 1.0 << 0;
    QTest::newRow("unknown visibility") << R"(<fermata><tarn-visibility visibility="x"/></fermata>)"
                                        << false << 0.0 << 0.0 << 1.0 << 0;
}

void TestNotationsParser::markExtensions()
{
    QFETCH(QString, notations);
    QDomDocument doc;
    const QDomElement element =
        noteElement(doc, QStringLiteral("<notations>%1</notations>").arg(notations));
    Note note;
    readNotations(m_score, &note, element);

    QCOMPARE(note.notations.size(), 1);
    const Notation *notation = note.notations.first();
    QTEST(notation->moved, "moved");
    QTEST(notation->x, "x");
    QTEST(notation->y, "y");
    QTEST(notation->scale, "scale");
    QTEST(notation->visibility, "visibility");
}

void TestNotationsParser::slurEnds()
{
    QDomDocument doc;
    const QDomElement element = noteElement(doc, R"(<notations>
                  <slur type="stop" number="2" placement="above"><tarn-offset x="1" y="2"/>
                    <tarn-slur-control y1="5" y2="6"/><tarn-scale scale="2"/></slur>
                  <slur type="start" number="2" placement="below"><tarn-offset x="-1" y="-2"/>
                    <tarn-slur-placement placement="above"/><tarn-slur-control y1="0.5" y2="-1.5"/>
                    <tarn-visibility visibility="invisible"/><tarn-scale scale="2"/></slur>
                </notations>)");
    Note note;
    readNotations(m_score, &note, element);

    QCOMPARE(note.notations.size(), 2);
    const Notation *stop = note.notations.at(0);
    const Notation *start = note.notations.at(1);
    QCOMPARE(note.slurStopNotations[1], stop);
    QCOMPARE(note.slurStartNotations[1], start);
    QCOMPARE(note.slurs[1], 3);
    // A stop keeps only its offset.
    QVERIFY(stop->moved);
    QCOMPARE(QPointF(stop->x, stop->y), QPointF(1, 2));
    QCOMPARE(stop->placement, 0);
    QCOMPARE(stop->slurControlY1, 0.0);
    QCOMPARE(stop->scale, 1.0);
    // A start keeps placement, the user's placement, control heights and
    // visibility; slurs take no scale.
    QCOMPARE(QPointF(start->x, start->y), QPointF(-1, -2));
    QCOMPARE(start->placement, 2);
    QCOMPARE(start->userPlacement, 1);
    QCOMPARE(start->slurControlY1, 0.5);
    QCOMPARE(start->slurControlY2, -1.5);
    QCOMPARE(start->visibility, 2);
    QCOMPARE(start->scale, 1.0);
}

void TestNotationsParser::fingeringTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("number and no-previous") << "1/.noPrev"
                                            << "f:1 d:.noPrev(4) noPrev";
    QTest::newRow("long repeat") << ".longRepeatBeat2{3}"
                                 << "d:.longRepeatBeat2{3}(18) repeat=8x3";
    QTest::newRow("long step down") << ".longStepDown{2}"
                                    << "d:.longStepDown{2}(23) repeat=10x2";
    QTest::newRow("quoted name") << "'Ro'"
                                 << "d:'Ro'(0) name:Ro";
    QTest::newRow("pizzicato") << ".pizz"
                               << "d:.pizz(9) pizz";
    QTest::newRow("invisible") << ".invisible"
                               << "d:.invisible(21) invisible";
    QTest::newRow("otsu double quote") << ".otsuDoubleQuote"
                                       << "d:.otsuDoubleQuote(20) otsuDQ";
    QTest::newRow("scale directive sets no flag") << ".scale{Hira}"
                                                  << "d:.scale{Hira}(3)";
    QTest::newRow("trailing slash gives an empty fingering") << "2/"
                                                             << "f:2 f:";
    QTest::newRow("option cut off a fingering") << "3{1.5,-2}/4"
                                                << "f:3 f:4";
    QTest::newRow("option cut off a directive") << ".noPrev{1,2}"
                                                << "d:.noPrev(4) noPrev";
}

void TestNotationsParser::fingeringTexts()
{
    QFETCH(QString, text);
    QDomDocument doc;
    const QDomElement element = noteElement(doc, fingeringNotations(text));
    Note note;
    readNotations(m_score, &note, element);

    QTEST(fingeringSummary(&note), "expected");
    const QDomElement fingering = element.firstChildElement()
                                      .firstChildElement(QStringLiteral("technical"))
                                      .firstChildElement(QStringLiteral("fingering"));
    for (const Directive *directive : std::as_const(note.directives)) {
        QCOMPARE(directive->element, fingering);
        QCOMPARE(directive->displayText, Score::getDirectiveText(directive->text));
    }
    for (const Fingering *finger : std::as_const(note.fingerings))
        QVERIFY(!finger->moved);
}

void TestNotationsParser::fingeringOffsetsAndScales()
{
    QDomDocument doc;
    const QDomElement element = noteElement(doc, R"(<notations><technical>
                  <fingering>1/.noPrev<tarn-offset x="3" y="4"/><tarn-scale scale="1.5"/></fingering>
                  <fingering>.pizz{1.5,-2}/2</fingering>
                  <fingering>.(<tarn-scale scale="0"/></fingering>
                </technical></notations>)");
    Note note;
    readNotations(m_score, &note, element);

    QCOMPARE(fingeringSummary(&note), QStringLiteral("f:1 f:2 d:.noPrev(4) d:.pizz(9) d:.((1) "
                                                     "noPrev pizz"));
    // Both pieces of the first element take its offset; its scale is for
    // the directive only.
    const Fingering *one = note.fingerings.at(0);
    const Directive *noPrev = note.directives.at(0);
    QVERIFY(one->moved);
    QCOMPARE(QPointF(one->x, one->y), QPointF(3, 4));
    QVERIFY(noPrev->moved);
    QCOMPARE(QPointF(noPrev->x, noPrev->y), QPointF(3, 4));
    QCOMPARE(noPrev->scale, 1.5);
    // A directive's own text option places it; a fingering ignores one.
    const Directive *pizz = note.directives.at(1);
    QVERIFY(pizz->moved);
    QCOMPARE(QPointF(pizz->x, pizz->y), QPointF(1.5, -2));
    QVERIFY(!note.fingerings.at(1)->moved);
    // A scale of 0 would draw nothing.
    QCOMPARE(note.directives.at(2)->scale, 1.0);
}

void TestNotationsParser::technicalMarks()
{
    QDomDocument doc;
    const QDomElement element = noteElement(doc, R"(<notations><technical>
                  <up-bow/><stopped><tarn-offset x="1" y="2"/></stopped><harmonic><natural/></harmonic>
                  <up-bow><tarn-offset x="-1" y="0"/></up-bow><down-bow/>
                </technical></notations>)");
    Note note;
    readNotations(m_score, &note, element);

    QVERIFY(note.notations.isEmpty());
    QVERIFY(note.upBowFlag);
    QVERIFY(note.stoppedFlag);
    QVERIFY(note.hajiki); // a stopped note is plucked
    QVERIFY(note.stopped && note.stopped->moved);
    QCOMPARE(QPointF(note.stopped->x, note.stopped->y), QPointF(1, 2));
    QVERIFY(note.harmonic && !note.harmonic->moved);
    // The second up-bow replaces the first; the first stays owned by the note.
    QVERIFY(note.upBow && note.upBow->moved);
    QCOMPARE(note.upBow->x, -1.0);
    QCOMPARE(note.findChildren<UpBow *>().size(), 1);

    QDomDocument harmonicDoc;
    const QDomElement harmonicOnly =
        noteElement(harmonicDoc, "<notations><technical><harmonic/></technical></notations>");
    Note plain;
    readNotations(m_score, &plain, harmonicOnly);
    QVERIFY(plain.harmonic);
    QVERIFY(!plain.hajiki && !plain.stoppedFlag && !plain.upBowFlag);
}

void TestNotationsParser::severalNotationsElements()
{
    QDomDocument doc;
    const QDomElement element = noteElement(
        doc, R"(<notations><articulations><staccato><tarn-offset x="1" y="1"/></staccato>
                </articulations><technical><fingering>1/.noPrev</fingering></technical></notations>
                <lyric><text>a</text></lyric>
                <notations><slur type="start"/><articulations><accent><tarn-offset x="2" y="2"/>
                </accent></articulations><technical><fingering>.pizz/2</fingering></technical>
                </notations>)");
    Note note;
    readNotations(m_score, &note, element);

    // The marks of both elements, each with its own offset.
    QCOMPARE(summary(&note), QStringLiteral("1 6 3 slur1=1"));
    QCOMPARE(note.notations.at(0)->x, 1.0);
    QCOMPARE(note.notations.at(2)->x, 2.0);
    QCOMPARE(fingeringSummary(&note),
             QStringLiteral("f:1 f:2 d:.noPrev(4) d:.pizz(9) noPrev pizz"));
    QCOMPARE(pairedElementCount(element), note.notations.size());

    // Reading the note again starts it afresh at its first element.
    readNotations(m_score, &note, element);
    QCOMPARE(summary(&note), QStringLiteral("1 6 3 slur1=1"));
    QCOMPARE(fingeringSummary(&note),
             QStringLiteral("f:1 f:2 d:.noPrev(4) d:.pizz(9) noPrev pizz"));
    // The objects of the first reading are kept by the note, not lost.
    QCOMPARE(note.findChildren<Notation *>().size(), 3);
}

void TestNotationsParser::breathMarkOnGraceNote()
{
    QDomDocument doc;
    const QDomElement element =
        noteElement(doc, "<notations><articulations><breath-mark/></articulations></notations>");
    Note grace;
    grace.grace = true;
    readNotations(m_score, &grace, element);
    QVERIFY(!grace.breath);
    Note plain;
    readNotations(m_score, &plain, element);
    QVERIFY(plain.breath);
}

void TestNotationsParser::corpusNotations()
{
    QFile file(TestSupport::fixturePath("corpus/lilypond-musicxml-testsuite/32a-Notations.xml"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QDomDocument doc;
    QVERIFY(doc.setContent(&file));

    QStringList kinds;
    std::vector<std::unique_ptr<Note>> notes;
    const QDomNodeList elements = doc.elementsByTagName(QStringLiteral("note"));
    for (int i = 0; i < elements.size(); ++i) {
        const QDomElement element = elements.at(i).toElement();
        auto note = std::make_unique<Note>();
        readNotations(m_score, note.get(), element);
        QCOMPARE(pairedElementCount(element), note->notations.size());
        for (const Notation *notation : std::as_const(note->notations))
            kinds << QString::number(notation->kind) + (notation->inverted ? "i" : "");
        notes.push_back(std::move(note));
    }

    // Fermatas, articulations, ornaments (wavy line start, continue, stop;
    // the tremolo without type is a single one), the last trill, the
    // fermata over the whole-measure rest, the combined articulations.
    QCOMPARE(kinds.join(' '), QStringLiteral("0 0i 0 0 0 3 14 1 5 13 2 15 16 17 4 11 -1 12 8 9 "
                                             "10 4 0 14 1 3 5 1"));
    const auto tremolo = std::find_if(notes.begin(), notes.end(), [](const auto &note) {
        return !note->notations.isEmpty() && note->notations.first()->kind == 10;
    });
    QVERIFY(tremolo != notes.end());
    QCOMPARE((*tremolo)->tremoloType, 3);
    QCOMPARE((*tremolo)->tremoloMarks, 3);
    const int breaths = int(
        std::count_if(notes.begin(), notes.end(), [](const auto &note) { return note->breath; }));
    QCOMPARE(breaths, 1);
    const int upBows = int(std::count_if(notes.begin(), notes.end(),
                                         [](const auto &note) { return note->upBowFlag; }));
    QCOMPARE(upBows, 1);
}

void TestNotationsParser::corpusMultipleNotationChildren()
{
    QFile file(TestSupport::fixturePath(
        "corpus/lilypond-musicxml-testsuite/32c-MultipleNotationChildren.xml"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QDomDocument doc;
    QVERIFY(doc.setContent(&file));

    const QDomNodeList elements = doc.elementsByTagName(QStringLiteral("note"));
    QCOMPARE(elements.size(), 3);
    for (int i = 0; i < elements.size(); ++i) {
        Note note;
        readNotations(m_score, &note, elements.at(i).toElement());
        QCOMPARE(summary(&note), QStringLiteral("1 3"));
    }
}

VELMORA_TEST_MAIN(TestNotationsParser)

} // namespace tst_notations_parser
#include "tst_notations_parser.moc"
