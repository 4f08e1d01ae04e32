// The element helpers of the score document: the comparison of two measure
// children, the copy of one part, and the three note-element editors.
#include "model/directive.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/messagecapture.h"
#include "support/partwisetext.h"
#include "support/testenvironment.h"

#include <QDomDocument>

namespace tst_element_helpers {

using namespace TestSupport;

namespace {

QDomElement elementOf(const QString &text)
{
    QDomDocument document;
    if (!document.setContent(text))
        qFatal("not XML: %s", qPrintable(text));
    return document.documentElement();
}

QDomDocument parsed(const QString &text)
{
    QDomDocument document;
    if (!document.setContent(text))
        qFatal("not XML");
    return document;
}

// The "id" of each child element named `tag` of `parent`, in order.
QStringList ids(const QDomElement &parent, const QString &tag)
{
    QStringList result;
    for (QDomElement e = parent.firstChildElement(tag); !e.isNull(); e = e.nextSiblingElement(tag))
        result << e.attribute(QStringLiteral("id"), QStringLiteral("(none)"));
    return result;
}

QStringList childTags(const QDomElement &element)
{
    QStringList tags;
    for (QDomElement e = element.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        tags << e.tagName();
    return tags;
}

Note *firstNote(Score &score)
{
    return score.measures.at(0)->parts.at(0)->voices.at(0)->notes.at(0);
}

QString twoParts()
{
    return partwiseText({plainMeasures(1), plainMeasures(1)});
}

} // namespace

class TestElementHelpers : public QObject
{
    Q_OBJECT

private slots:
    void sameSpanner_data();
    void sameSpanner();
    void duplicatedPartStandsBesideItsSource();
    void duplicatedPartWithoutId();
    void duplicateOfNoPartChangesNothing_data();
    void duplicateOfNoPartChangesNothing();
    void duplicateWithoutScoreFails();
    void duplicateTakesEditsSinceLoading();
    void directiveFingeringMakesItsPlace();
    void directiveFingeringJoinsExistingTechnical();
    void wordsDirectionFollowsTheNote();
    void lyricsRemoved();
};

void TestElementHelpers::sameSpanner_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");

    const QString note =
        QStringLiteral("<note default-x=\"%1\"><pitch><step>%2</step><octave>4</octave></pitch>"
                       "<duration>1</duration><lyric><text>%3</text></lyric></note>");
    QTest::newRow("note moved only")
        << note.arg("10", "C", "la") << note.arg("25", "C", "la") << true;
    QTest::newRow("note pitch") << note.arg("10", "C", "la") << note.arg("10", "D", "la") << false;
    QTest::newRow("note lyric") << note.arg("10", "C", "la") << note.arg("10", "C", "li") << false;
    QTest::newRow("slur start, stop") << "<slur type=\"start\" number=\"1\"/>"
                                      << "<slur type=\"stop\" number=\"1\"/>" << false;
    QTest::newRow("slur placement")
        << "<slur type=\"start\" number=\"1\" placement=\"above\"/>"
        << "<slur type=\"start\" number=\"1\" placement=\"below\"/>" << true;
    QTest::newRow("slur number absent") << "<slur type=\"start\"/>"
                                        << "<slur type=\"start\" number=\"1\"/>" << false;
    QTest::newRow("beam numbers") << "<beam number=\"1\">begin</beam>"
                                  << "<beam number=\"2\">begin</beam>" << false;
    QTest::newRow("beam text") << "<beam number=\"1\">begin</beam>"
                               << "<beam number=\"1\">end</beam>" << false;
    QTest::newRow("bracket line type") << "<bracket type=\"start\" line-type=\"solid\"/>"
                                       << "<bracket type=\"start\" line-type=\"dashed\"/>" << false;
    QTest::newRow("with and without children") << "<note><rest/></note>"
                                               << "<note></note>" << false;
    QTest::newRow("childless, equal text") << "<words font-size=\"9\">dolce</words>"
                                           << "<words font-size=\"12\">dolce</words>" << true;
    QTest::newRow("children in another order") << "<note><chord/><rest/></note>"
                                               << "<note><rest/><chord/></note>" << false;
    QTest::newRow("one child more") << "<note><rest/><dot/></note>"
                                    << "<note><rest/><dot/><dot/></note>" << false;
    QTest::newRow("tag") << "<tie type=\"start\"/>"
                         << "<tied type=\"start\"/>" << false;
    QTest::newRow("nested spanner differs")
        << "<note><notations><tied type=\"start\"/></notations></note>"
        << "<note><notations><tied type=\"stop\"/></notations></note>" << false;
}

void TestElementHelpers::sameSpanner()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QCOMPARE(Score::isSameSpannerXml(elementOf(a), elementOf(b)), same);
    QCOMPARE(Score::isSameSpannerXml(elementOf(b), elementOf(a)), same);
}

void TestElementHelpers::duplicatedPartStandsBesideItsSource()
{
    auto score = loadedScore(twoParts());
    QVERIFY(score);
    const std::optional<QString> text = score->duplicateScoreXmlPart(1);
    QVERIFY(text);
    const QDomDocument copy = parsed(*text);
    const QDomElement root = copy.documentElement();
    QCOMPARE(ids(root.firstChildElement("part-list"), "score-part"),
             QStringList({"P1", "P2-Dup", "P2"}));
    QCOMPARE(ids(root, "part"), QStringList({"P1", "P2", "P2-Dup"}));
    // The copy carries its source's content, its own elements included.
    const QDomElement copied = root.lastChildElement("part");
    QCOMPARE(copied.elementsByTagName("note").size(), 1);
    QVERIFY(!root.firstChildElement("part-list")
                 .firstChildElement("score-part")
                 .nextSiblingElement("score-part")
                 .firstChildElement("tarn-part")
                 .isNull());
    // One space per level.
    QVERIFY(text->contains(QStringLiteral("\n <part-list>\n  <score-part")));
    // The model still stands on the score's own document.
    QCOMPARE(score->partElements.size(), 2);
    QCOMPARE(score->partElements.at(1).ownerDocument(), score->document);
}

void TestElementHelpers::duplicatedPartWithoutId()
{
    Score score(QStringLiteral("test"), 1, false);
    score.documentText = QStringLiteral("<score-partwise><part-list><score-part><part-name>A"
                                        "</part-name></score-part></part-list><part><measure/>"
                                        "</part></score-partwise>");
    MessageCapture messages;
    const std::optional<QString> text = score.duplicateScoreXmlPart(0);
    QVERIFY(text);
    QCOMPARE(messages.count("duplicateScoreXmlPart error: no id"), 2);
    const QDomElement root = parsed(*text).documentElement();
    QCOMPARE(ids(root.firstChildElement("part-list"), "score-part"),
             QStringList({"(none)", "(none)"}));
    QCOMPARE(ids(root, "part"), QStringList({"(none)", "(none)"}));
}

void TestElementHelpers::duplicateOfNoPartChangesNothing_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("past the last") << 2;
    QTest::newRow("negative") << -1;
}

void TestElementHelpers::duplicateOfNoPartChangesNothing()
{
    QFETCH(int, index);
    Score score(QStringLiteral("test"), 1, false);
    score.documentText = twoParts();
    const std::optional<QString> text = score.duplicateScoreXmlPart(index);
    QVERIFY(text);
    QCOMPARE(*text, parsed(twoParts()).toString(1));
}

void TestElementHelpers::duplicateWithoutScoreFails()
{
    Score score(QStringLiteral("test"), 1, false);
    score.documentText = QStringLiteral("<score-timewise><part-list/></score-timewise>");
    QVERIFY(!score.duplicateScoreXmlPart(0));
    score.documentText.clear();
    QVERIFY(!score.duplicateScoreXmlPart(0));
}

void TestElementHelpers::duplicateTakesEditsSinceLoading()
{
    auto score = loadedScore(twoParts());
    QVERIFY(score);
    score->measures.at(0)->userScale = 1.5;
    const std::optional<QString> text = score->duplicateScoreXmlPart(0);
    QVERIFY(text);
    QVERIFY(text->contains(QStringLiteral("<tarn-userscale>1.5</tarn-userscale>")));
}

void TestElementHelpers::directiveFingeringMakesItsPlace()
{
    auto score = loadedScore(partwiseText({plainMeasures(1)}));
    QVERIFY(score);
    Note *note = firstNote(*score);
    Directive directive;
    directive.text = QStringLiteral(".pizz");
    directive.setOffset(1.5, -0.25);
    const QDomElement fingering = score->appendDirectiveFingeringXml(note, &directive);
    QCOMPARE(fingering.parentNode().parentNode().parentNode(), QDomNode(note->element));
    QCOMPARE(fingering.parentNode().toElement().tagName(), QStringLiteral("technical"));
    QCOMPARE(fingering.text(), QStringLiteral(".pizz"));
    const QDomElement offset = fingering.firstChildElement("tarn-offset");
    QCOMPARE(offset.attribute("x"), QStringLiteral("1.5"));
    QCOMPARE(offset.attribute("y"), QStringLiteral("-0.25"));

    Directive unmoved;
    unmoved.text = QStringLiteral("\"kake\"");
    const QDomElement second = score->appendDirectiveFingeringXml(note, &unmoved);
    QVERIFY(second.firstChildElement().isNull());
    QCOMPARE(childTags(fingering.parentNode().toElement()),
             QStringList({"fingering", "fingering"}));
}

void TestElementHelpers::directiveFingeringJoinsExistingTechnical()
{
    const QString inner = QStringLiteral("<notations><fermata/><technical><fingering>1</fingering>"
                                         "</technical></notations>");
    auto score = loadedScore(partwiseText({measureXml(1, noteXml("C", 1, inner))}));
    QVERIFY(score);
    Note *note = firstNote(*score);
    Directive directive;
    directive.text = QStringLiteral(".noPrev");
    score->appendDirectiveFingeringXml(note, &directive);
    QCOMPARE(note->element.elementsByTagName("notations").size(), 1);
    QCOMPARE(note->element.elementsByTagName("technical").size(), 1);
    QCOMPARE(childTags(note->element.firstChildElement("notations")),
             QStringList({"fermata", "technical"}));
    const QDomElement technical =
        note->element.firstChildElement("notations").firstChildElement("technical");
    QCOMPARE(technical.lastChildElement().text(), QStringLiteral(".noPrev"));
    QCOMPARE(technical.firstChildElement().text(), QStringLiteral("1"));
}

void TestElementHelpers::wordsDirectionFollowsTheNote()
{
    auto score = loadedScore(partwiseText({measureXml(1, noteXml("C") + noteXml("D"))}));
    QVERIFY(score);
    Note *note = firstNote(*score);
    const QString before = score->document.toString(1);
    score->insertWordsDirectionXml(note, QString());
    QCOMPARE(score->document.toString(1), before);

    score->insertWordsDirectionXml(note, QStringLiteral("rit."));
    const QDomElement direction = note->element.nextSiblingElement();
    QCOMPARE(direction.tagName(), QStringLiteral("direction"));
    QCOMPARE(direction.attribute("placement"), QStringLiteral("below"));
    QCOMPARE(childTags(direction), QStringList({"direction-type"}));
    QCOMPARE(direction.firstChildElement().firstChildElement("words").text(),
             QStringLiteral("rit."));
    // The second note follows the new direction.
    QCOMPARE(Score::childElementText(
                 direction.nextSiblingElement("note").firstChildElement("pitch"), "step"),
             QStringLiteral("D"));
}

void TestElementHelpers::lyricsRemoved()
{
    const QString inner = QStringLiteral("<lyric number=\"1\"><text>sa</text></lyric>"
                                         "<lyric number=\"2\"><text>ku</text></lyric>");
    auto score = loadedScore(partwiseText({measureXml(1, noteXml("C", 1, inner))}));
    QVERIFY(score);
    Note *note = firstNote(*score);
    score->removeNoteLyricXml(note);
    QCOMPARE(childTags(note->element), QStringList({"pitch", "duration", "voice", "type"}));
    score->removeNoteLyricXml(note);
    QCOMPARE(childTags(note->element), QStringList({"pitch", "duration", "voice", "type"}));
}

VELMORA_TEST_MAIN(TestElementHelpers)

} // namespace tst_element_helpers
#include "tst_element_helpers.moc"
