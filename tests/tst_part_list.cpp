// The part list: tarn-part written for every score-part and read back, the
// written number precision, out-of-range styles, part groups, surplus
// score-parts, and new score-parts with the older "part-collapse" key.
#include "app/version.h"
#include "document/partsettingrows.h"
#include "document/settingsvalues.h"
#include "model/notefonts.h"
#include "model/part.h"
#include "model/score.h"
#include "support/editablescore.h"
#include "support/messagecapture.h"
#include "support/testenvironment.h"

#include <QPointer>

#include <memory>
#include <variant>

namespace tst_part_list {

using namespace PartSettingRows;

namespace {

std::unique_ptr<Score> newScore()
{
    return std::make_unique<Score>(QString::fromLatin1(Velmora::programVersion), 1, false);
}

Part *addPart(Score &score)
{
    auto *part = new Part(&score);
    score.setPartDefaults(part);
    score.parts.append(part);
    score.numParts = int(score.parts.size());
    return part;
}

// Gives every setting a value unlike its default, with more digits than
// are written.
void changeEverySetting(Part *part, int salt)
{
    for (const Row &row : rows()) {
        std::visit(SettingsValues::Overloaded{
                       [&](bool Part::*f) { part->*f = !(part->*f); },
                       [&](int Part::*f) { part->*f = 7 + salt; },
                       [&](const Number &n) { part->*n.field = 0.123456789 * (salt + 2); },
                       [&](QString Part::*f) {
                           part->*f = QStringLiteral("名前 <&> %1 %2").arg(row.tag).arg(salt);
                       },
                       [&](QFont Part::*f) {
                           QFont font(QStringLiteral("FreeSerif"), 11 + salt);
                           font.setItalic(true);
                           part->*f = font;
                       },
                       [&](NotationStyleName) { part->notationStyle = 12 - salt; },
                   },
                   row.field);
    }
}

// What a setting reads back as: numbers rounded to their written digits.
QStringList expectedAfterReading(const Part *part)
{
    QStringList values;
    for (const Row &row : rows()) {
        values << std::visit(
            SettingsValues::Overloaded{
                [&](bool Part::*f) { return QString::number(part->*f); },
                [&](int Part::*f) { return QString::number(part->*f); },
                [&](const Number &n) {
                    return QString::number(
                        QString::number(part->*n.field, 'g', n.digits).toDouble(), 'g', 17);
                },
                [&](QString Part::*f) { return part->*f; },
                [&](QFont Part::*f) { return (part->*f).toString(); },
                [&](NotationStyleName) { return QString::number(part->notationStyle); },
            },
            row.field);
    }
    return values;
}

QDomElement partList(Score &score, const QString &children)
{
    QDomDocument &document = score.document;
    if (!document.setContent("<part-list>" + children + "</part-list>"))
        qFatal("fixture is not XML");
    return document.documentElement();
}

QStringList childTags(const QDomElement &element)
{
    QStringList tags;
    for (QDomElement e = element.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        tags << e.tagName();
    return tags;
}

QStringList rowTags()
{
    QStringList tags;
    for (const Row &row : rows())
        tags << QLatin1String(row.tag);
    return tags;
}

} // namespace

class TestPartList : public QObject
{
    Q_OBJECT

private slots:
    void writeThenReadKeepsEverySetting();
    void writtenForms_data();
    void writtenForms();
    void undefinedStyleReadsAsFirst();
    void partGroupsAndSurplusScoreParts();
    void newScorePartsUseTheCollapseKey();
    void readingReplacesTheParts();
};

void TestPartList::writeThenReadKeepsEverySetting()
{
    auto source = newScore();
    changeEverySetting(addPart(*source), 0);
    changeEverySetting(addPart(*source), 1);

    auto target = newScore();
    QDomElement list = partList(*target, "<part-group type=\"start\"/>"
                                         "<score-part id=\"A\"><part-name>old</part-name>"
                                         "</score-part><score-part id=\"B\"/>");
    target->writePartListXml(source.get(), list);
    // Through text, as a saved file goes.
    QVERIFY(target->document.setContent(target->document.toString(1)));
    target->parsePartList(target->document.documentElement());

    QCOMPARE(target->numParts, 2);
    for (int k = 0; k < 2; ++k)
        QCOMPARE(TestSupport::partSettingsText(target->parts.at(k)),
                 expectedAfterReading(source->parts.at(k)));
}

void TestPartList::writtenForms_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("text");

    QTest::newRow("note size, 3 digits") << "note-font-size"
                                         << "5.12";
    QTest::newRow("part shift, 3 digits") << "part-shift"
                                          << "-0.123";
    QTest::newRow("note interval, 6 digits") << "note-interval"
                                             << "1.23457";
    QTest::newRow("note width, 6 digits unchanged") << "note-width-8"
                                                    << "0.123456";
    QTest::newRow("whole number") << "part-width-scale"
                                  << "2";
    QTest::newRow("flag") << "time-ticks"
                          << "true";
    QTest::newRow("integer") << "instrument-key"
                             << "-3";
    QTest::newRow("style") << "notation-style"
                           << "ShamisenBunka";
}

void TestPartList::writtenForms()
{
    QFETCH(QString, tag);
    QFETCH(QString, text);

    auto score = newScore();
    Part *part = addPart(*score);
    part->noteFontSize = 5.123456;
    part->partShift = -0.1234;
    part->noteInterval = 1.23456789;
    part->noteWidth8 = 0.123456;
    part->partWidthScale = 2.0;
    part->timeTicks = true;
    part->instrumentKey = -3;
    part->notationStyle = NotationStyle::ShamisenBunka;
    QDomElement list = partList(*score, "<score-part id=\"P1\"/>");
    score->writePartListXml(score.get(), list);

    const QDomElement tarnPart = list.firstChildElement().lastChildElement();
    QCOMPARE(tarnPart.tagName(), QStringLiteral("tarn-part"));
    QCOMPARE(childTags(tarnPart), rowTags());
    QCOMPARE(tarnPart.firstChildElement(tag).text(), text);
}

void TestPartList::undefinedStyleReadsAsFirst()
{
    auto score = newScore();
    Part *part = addPart(*score);
    part->notationStyle = 14;
    QDomElement list = partList(*score, "<score-part id=\"P1\"/>");
    score->writePartListXml(score.get(), list);
    QCOMPARE(part->notationStyleText, QStringLiteral("Undefined(Error)"));
    QCOMPARE(list.elementsByTagName("notation-style").at(0).toElement().text(),
             QStringLiteral("Undefined(Error)"));

    TestSupport::MessageCapture capture;
    score->parsePartList(list);
    QCOMPARE(score->parts.at(0)->notationStyle, 0);
    QVERIFY(
        capture.contains("parseScorePart notationstyle not defined, use default =========Warning"));
}

void TestPartList::partGroupsAndSurplusScoreParts()
{
    auto score = newScore();
    addPart(*score)->partName = QStringLiteral("first");
    QDomElement list = partList(*score, "<part-group type=\"start\"/><score-part id=\"P1\"/>"
                                        "<score-part id=\"P2\"/><part-group type=\"stop\"/>");
    score->writePartListXml(score.get(), list);

    const QDomNodeList tarnParts = list.elementsByTagName("tarn-part");
    QCOMPARE(tarnParts.size(), 1);
    QCOMPARE(tarnParts.at(0).parentNode().toElement().attribute("id"), QStringLiteral("P1"));
    QCOMPARE(tarnParts.at(0).firstChildElement("part-name").text(), QStringLiteral("first"));
    QCOMPARE(childTags(list.firstChildElement("part-group")), QStringList());
}

void TestPartList::newScorePartsUseTheCollapseKey()
{
    auto score = newScore();
    addPart(*score)->partWholeRestLine = false;
    addPart(*score);
    QDomElement list = partList(*score, QString());
    score->createScorePartXml(score.get(), list);

    QCOMPARE(childTags(list), QStringList({"score-part", "score-part"}));
    const QDomElement scorePart = list.firstChildElement();
    QVERIFY(scorePart.attributes().isEmpty());
    QStringList expected = rowTags();
    expected[3] = QStringLiteral("part-collapse");
    const QDomElement tarnPart = scorePart.firstChildElement("tarn-part");
    QCOMPARE(childTags(tarnPart), expected);
    QCOMPARE(tarnPart.firstChildElement("part-collapse").text(), QStringLiteral("false"));
}

void TestPartList::readingReplacesTheParts()
{
    auto score = newScore();
    QPointer<Part> old = addPart(*score);
    score->parsePartList(partList(*score, "<score-part id=\"Z\"><part-name>Fue</part-name>"
                                          "</score-part><score-part id=\"A\"/>"));
    QVERIFY(old.isNull());
    QCOMPARE(score->numParts, 2);
    QCOMPARE(score->parts.at(0)->partName, QStringLiteral("Fue"));

    score->parsePartList(partList(*score, "<part-group/>"));
    QCOMPARE(score->numParts, 0);
    QVERIFY(score->parts.isEmpty());
}

VELMORA_TEST_MAIN(TestPartList)

} // namespace tst_part_list
#include "tst_part_list.moc"
