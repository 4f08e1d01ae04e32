// The element writers of the score document: pitch, glyph lyric and default
// lyric font elements, the direction writer's pairing and extension
// elements, and the clean-up of note notations.
#include "app/version.h"
#include "model/direction.h"
#include "model/fingering.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "support/messagecapture.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

#include <memory>

namespace tst_element_writers {

namespace {

std::unique_ptr<Score> newScore()
{
    return std::make_unique<Score>(QString::fromLatin1(Velmora::programVersion), 1, false);
}

// The score's document set to `xml`; returns its root element.
QDomElement setDocument(Score &score, const QString &xml)
{
    if (!score.document.setContent(xml))
        qFatal("fixture is not XML: %s", qPrintable(xml));
    return score.document.documentElement();
}

QString compact(const QDomNode &node)
{
    QString text;
    QTextStream stream(&text);
    node.save(stream, -1);
    return text;
}

// A score with one part, one measure and `count` directions in voice 1.
std::unique_ptr<Score> scoreWithDirections(int count)
{
    auto score = newScore();
    TestSupport::ModelBuilder builder(score.get());
    builder.addPart(QStringLiteral("P"));
    builder.addMeasure();
    builder.addNotes(0, 1, QStringLiteral("C4/1"));
    for (int i = 0; i < count; ++i)
        builder.addDirection(0, 1, 0, 0, QString());
    return score;
}

Direction *directionAt(Score &score, int index)
{
    return score.measures.at(0)->parts.at(0)->voices.at(0)->directions.at(index);
}

} // namespace

class TestElementWriters : public QObject
{
    Q_OBJECT

private slots:
    void pitchElement_data();
    void pitchElement();
    void lyricElement();
    void defaultLyricFont();
    void defaultLyricFontMissing_data();
    void defaultLyricFontMissing();
    void directionPairing();
    void directionElementsInOrder();
    void directionAtInitialValuesGetsNothing();
    void dynamicsKeepOnlyOffsetAndScale();
    void directionIndexOutsideTheList();
    void cleanNotations_data();
    void cleanNotations();
    void removeElementsByTag();
    void notationUpdateWithoutTexts();
};

void TestElementWriters::pitchElement_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("alter");
    QTest::addColumn<int>("octave");
    QTest::addColumn<QString>("expected");
    QTest::newRow("natural") << "C" << 0 << 4 << "<pitch><step>C</step><octave>4</octave></pitch>";
    QTest::newRow("flat") << "B" << -1 << 3
                          << "<pitch><step>B</step><alter>-1</alter><octave>3</octave></pitch>";
    QTest::newRow("double sharp")
        << "F" << 2 << 5 << "<pitch><step>F</step><alter>2</alter><octave>5</octave></pitch>";
}

void TestElementWriters::pitchElement()
{
    QFETCH(QString, step);
    QFETCH(int, alter);
    QFETCH(int, octave);
    QFETCH(QString, expected);
    auto score = newScore();
    const QDomElement pitch = score->createPitchElement(step, alter, octave);
    QCOMPARE(compact(pitch), expected);
    QVERIFY(pitch.parentNode().isNull());
    QCOMPARE(pitch.ownerDocument(), score->document);
}

void TestElementWriters::lyricElement()
{
    auto score = newScore();
    QDomElement noteElement =
        setDocument(*score, "<note><pitch/><lyric number=\"1\"><text>a</text></lyric>"
                            "<lyric number=\"2\"><text>b</text></lyric><tarn-tie-reverse/></note>");
    Note note;
    note.element = noteElement;
    for (int number : {1, 2}) {
        auto *lyric = new Lyrics(QString());
        lyric->number = number;
        lyric->element = noteElement.childNodes().at(number).toElement();
        note.lyrics << lyric;
    }

    score->writeLyricXml(&note, 2, QStringLiteral("X"));
    const QString replaced =
        "<lyric number=\"2\"><syllabic>single</syllabic><text>X</text></lyric>";
    QCOMPARE(compact(noteElement), "<note><pitch/><lyric number=\"1\"><text>a</text></lyric>" +
                                       replaced + "<tarn-tie-reverse/></note>");
    QCOMPARE(note.lyrics.at(1)->element, noteElement.childNodes().at(2).toElement());

    score->writeLyricXml(&note, 3, QStringLiteral("Y"));
    QCOMPARE(
        compact(noteElement.lastChildElement()),
        QStringLiteral("<lyric number=\"3\"><syllabic>single</syllabic><text>Y</text></lyric>"));

    // An empty text leaves the lyric of that number in place.
    const QString before = compact(noteElement);
    score->writeLyricXml(&note, 1, QString());
    QCOMPARE(compact(noteElement), before);
}

void TestElementWriters::defaultLyricFont()
{
    auto score = newScore();
    score->style->staffNoteFontSize = 14;
    const QDomElement root = setDocument(
        *score, "<score-partwise><defaults><lyric-font font-family=\"Arial\" font-size=\"10\" "
                "font-weight=\"bold\"/></defaults></score-partwise>");
    QVERIFY(score->updateDefaultLyricFont(root, QStringLiteral("VelmoraStaff")));
    const QDomElement font = root.firstChildElement().firstChildElement();
    QCOMPARE(font.attribute("font-family"), QStringLiteral("VelmoraStaff"));
    QCOMPARE(font.attribute("font-size"), QStringLiteral("14"));
    QCOMPARE(font.attribute("font-weight"), QStringLiteral("bold"));
}

void TestElementWriters::defaultLyricFontMissing_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("no defaults") << "<score-partwise><part-list/></score-partwise>"
                                 << QStringList{"updateDefaultLyricFont defaults tag not found!",
                                                "updateDefaultLyricFont lyric-font tag not found!"};
    QTest::newRow("no lyric-font")
        << "<score-partwise><defaults><word-font/></defaults></score-partwise>"
        << QStringList{"updateDefaultLyricFont lyric-font tag not found!"};
}

void TestElementWriters::defaultLyricFontMissing()
{
    QFETCH(QString, xml);
    QFETCH(QStringList, lines);
    auto score = newScore();
    const QDomElement root = setDocument(*score, xml);
    const QString before = compact(root);
    TestSupport::MessageCapture capture;
    QVERIFY(score->updateDefaultLyricFont(root, QStringLiteral("VelmoraStaff")));
    QCOMPARE(compact(root), before);
    for (const QString &line : lines)
        QVERIFY2(capture.contains(line), qPrintable(capture.lines().join(QLatin1Char('|'))));
}

void TestElementWriters::directionPairing()
{
    // words, then dynamics f and p (with an unknown mark between), a
    // wedge "continue" (no Direction) and an unknown item, from index 4.
    auto score = scoreWithDirections(8);
    for (int i = 0; i < 8; ++i)
        directionAt(*score, i)->setOffset(i, 0.0);
    QDomElement direction =
        setDocument(*score, "<direction><direction-type><words>a</words></direction-type>"
                            "<sound/><direction-type><dynamics><f/><other-dynamics/><p/>"
                            "</dynamics></direction-type><direction-type><wedge type=\"continue\"/>"
                            "<image/><segno/></direction-type></direction>");
    QCOMPARE(score->writeDirectionXml(score.get(), direction, 0, 0, 0, 4), 4);
    const QDomNodeList offsets = direction.elementsByTagName(QStringLiteral("tarn-offset"));
    QStringList pairs;
    for (int i = 0; i < offsets.size(); ++i)
        pairs << offsets.at(i).parentNode().toElement().tagName() + QLatin1Char('=') +
                     offsets.at(i).toElement().attribute("x");
    QCOMPARE(pairs, (QStringList{"words=4", "f=5", "p=6", "segno=7"}));
}

void TestElementWriters::directionElementsInOrder()
{
    auto score = scoreWithDirections(1);
    Direction *d = directionAt(*score, 0);
    d->setOffset(0.0, 0.0);
    d->scale = 1.21;
    d->fontGiven = true;
    d->font = QFont(QStringLiteral("FreeSerif"), 15);
    d->rotation = 3;
    d->visibility = 2;
    QDomElement direction =
        setDocument(*score, "<direction><direction-type><words>a</words></direction-type>"
                            "</direction>");
    QCOMPARE(score->writeDirectionXml(score.get(), direction, 0, 0, 0, 0), 1);
    const QDomElement words = direction.firstChildElement().firstChildElement();
    QStringList tags;
    for (QDomElement e = words.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        tags << e.tagName();
    QCOMPARE(tags, (QStringList{"tarn-offset", "tarn-scale", "tarn-font", "tarn-rotation",
                                "tarn-visibility"}));
    QCOMPARE(words.firstChildElement("tarn-offset").attribute("x"), QStringLiteral("0"));
    QCOMPARE(words.firstChildElement("tarn-scale").attribute("scale"), QStringLiteral("1.21"));
    QCOMPARE(words.firstChildElement("tarn-font").attribute("font"), d->font.toString());
    QCOMPARE(words.firstChildElement("tarn-rotation").attribute("rotation"),
             QStringLiteral("vertical-writing"));
    QCOMPARE(words.firstChildElement("tarn-visibility").attribute("visibility"),
             QStringLiteral("invisible"));
    // The words text itself stays first.
    QCOMPARE(words.firstChild().toText().data(), QStringLiteral("a"));
}

void TestElementWriters::directionAtInitialValuesGetsNothing()
{
    auto score = scoreWithDirections(1);
    QDomElement direction = setDocument(
        *score, "<direction><direction-type><rehearsal>A</rehearsal></direction-type></direction>");
    const QString before = compact(direction);
    QCOMPARE(score->writeDirectionXml(score.get(), direction, 0, 0, 0, 0), 1);
    QCOMPARE(compact(direction), before);
}

void TestElementWriters::dynamicsKeepOnlyOffsetAndScale()
{
    auto score = scoreWithDirections(1);
    Direction *d = directionAt(*score, 0);
    d->setOffset(1.5, 2.5);
    d->scale = 0.8;
    d->fontGiven = true;
    d->rotation = 2;
    d->visibility = 1;
    QDomElement direction = setDocument(
        *score,
        "<direction><direction-type><dynamics><mf/></dynamics></direction-type></direction>");
    score->writeDirectionXml(score.get(), direction, 0, 0, 0, 0);
    QCOMPARE(
        compact(direction.firstChildElement().firstChildElement().firstChildElement()),
        QStringLiteral("<mf><tarn-offset x=\"1.5\" y=\"2.5\"/><tarn-scale scale=\"0.8\"/></mf>"));
}

void TestElementWriters::directionIndexOutsideTheList()
{
    // Items beyond the list, and lists outside the model, are counted and
    // left alone.
    auto score = scoreWithDirections(1);
    directionAt(*score, 0)->setOffset(1.0, 1.0);
    QDomElement direction = setDocument(
        *score, "<direction><direction-type><words>a</words><words>b</words></direction-type>"
                "</direction>");
    QCOMPARE(score->writeDirectionXml(score.get(), direction, 0, 0, 0, 0), 2);
    QCOMPARE(direction.elementsByTagName("tarn-offset").size(), 1);
    QCOMPARE(score->writeDirectionXml(score.get(), direction, 0, 0, 0, -1), 2);
    QCOMPARE(direction.elementsByTagName("tarn-offset").size(), 2);
    for (const auto &[measure, part, voice] :
         {std::tuple{5, 0, 0}, std::tuple{0, 3, 0}, std::tuple{0, 0, 40}})
        QCOMPARE(score->writeDirectionXml(score.get(), direction, measure, part, voice, 0), 2);
    QCOMPARE(direction.elementsByTagName("tarn-offset").size(), 2);
}

void TestElementWriters::cleanNotations_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("start"); // tag of the node to clean
    QTest::addColumn<QString>("expected");
    QTest::newRow("technical of fingerings only")
        << "<note><notations><technical><fingering>1</fingering><fingering>2</fingering>"
           "</technical></notations></note>"
        << "technical"
        << "<note><notations/></note>";
    QTest::newRow("technical with an up-bow")
        << "<note><notations><technical><fingering>1</fingering><up-bow/></technical>"
           "</notations></note>"
        << "technical"
        << "<note><notations><technical><up-bow/></technical></notations></note>";
    QTest::newRow("measure")
        << "<measure><note><pitch/><notations><technical><fingering>1</fingering></technical>"
           "</notations></note><note><notations><slur/><technical><fingering>2</fingering>"
           "</technical><technical/></notations></note><note/><direction/></measure>"
        << "measure"
        << "<measure><note><pitch/></note><note><notations><slur/></notations></note><note/>"
           "<direction/></measure>";
    QTest::newRow("nested fingering")
        << "<measure><note><notations><fingering>x</fingering><tied/></notations></note>"
           "</measure>"
        << "measure"
        << "<measure><note><notations><tied/></notations></note></measure>";
}

void TestElementWriters::cleanNotations()
{
    QFETCH(QString, xml);
    QFETCH(QString, start);
    QFETCH(QString, expected);
    auto score = newScore();
    const QDomElement root = setDocument(*score, xml);
    const QDomElement node =
        root.tagName() == start ? root : root.elementsByTagName(start).at(0).toElement();
    QVERIFY(score->cleanNoteNotationsXml(node));
    QCOMPARE(compact(root), expected);
}

void TestElementWriters::removeElementsByTag()
{
    auto score = newScore();
    const QDomElement root =
        setDocument(*score, "<measure><print new-system=\"yes\"/><note><print/><pitch/></note>"
                            "<direction><print><print/></print></direction><barline/></measure>");
    QVERIFY(score->removeElementsByTag(root, QStringLiteral("print")));
    QCOMPARE(compact(root),
             QStringLiteral("<measure><note><pitch/></note><direction/><barline/></measure>"));
}

void TestElementWriters::notationUpdateWithoutTexts()
{
    auto score = newScore();
    const QDomElement root = setDocument(*score, "<note><pitch/></note>");
    Note note;
    note.element = root;
    note.noPrev = true;
    note.longRepeatCount = 3;
    note.directName = QStringLiteral("x");
    note.hajiki = true;
    score->updateNoteNotationXml(&note, QStringList());
    QCOMPARE(compact(root), QStringLiteral("<note><pitch/></note>"));
    QVERIFY(!note.noPrev && !note.hajiki);
    QCOMPARE(note.longRepeatCount, 0);
    QVERIFY(note.directName.isEmpty());

    score->updateNoteNotationXml(&note, {QStringLiteral(".noPrev"), QStringLiteral("2")});
    QCOMPARE(compact(root), QStringLiteral("<note><pitch/><notations><technical><fingering>.noPrev"
                                           "</fingering><fingering>2</fingering></technical>"
                                           "</notations></note>"));
    // Read again: the flag, the directive and the fingering.
    QVERIFY(note.noPrev);
    QCOMPARE(note.directives.size(), 1);
    QCOMPARE(note.fingerings.size(), 1);
    QCOMPARE(note.fingerings.at(0)->text, QStringLiteral("2"));

    // A second update reads every list afresh: nothing is doubled.
    score->updateNoteNotationXml(&note, {QStringLiteral("3")});
    QCOMPARE(note.directives.size(), 1);
    QCOMPARE(note.fingerings.size(), 2);
    QCOMPARE(root.elementsByTagName(QStringLiteral("technical")).size(), 2);
}

VELMORA_TEST_MAIN(TestElementWriters)

} // namespace tst_element_writers
#include "tst_element_writers.moc"
