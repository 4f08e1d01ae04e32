// The creation property tarn-property: its place as the first element, its
// texts, and the reader.
#include "app/version.h"
#include "model/score.h"
#include "support/testenvironment.h"

#include <QDateTime>
#include <QRegularExpression>

#include <memory>

namespace tst_property {

namespace {

std::unique_ptr<Score> newScore()
{
    return std::make_unique<Score>(QString::fromLatin1(Velmora::programVersion), 1, false);
}

} // namespace

class TestProperty : public QObject
{
    Q_OBJECT

private slots:
    void writtenAsFirstElement();
    void writtenIntoAnEmptyScore();
    void lastUpdateText();
    void reading_data();
    void reading();
};

void TestProperty::writtenAsFirstElement()
{
    auto score = newScore();
    score->creatorVersion = QStringLiteral("5.0.0");
    QVERIFY(score->document.setContent(
        QStringLiteral("<score-partwise>text<!--note--><part-list/><part/></score-partwise>")));
    QDomElement root = score->document.documentElement();
    score->writePropertyXml(root);

    const QDomElement property = root.firstChildElement();
    QCOMPARE(property.tagName(), QStringLiteral("tarn-property"));
    QCOMPARE(property.nextSiblingElement().tagName(), QStringLiteral("part-list"));
    // Text and comments in front of the first element stay in front.
    QVERIFY(root.firstChild().isText());
    QVERIFY(root.firstChild().nextSibling().isComment());

    const QDomElement program = property.firstChildElement();
    QCOMPARE(program.tagName(), QStringLiteral("creation-program"));
    QCOMPARE(program.attribute("name"), QStringLiteral("Velmora"));
    QCOMPARE(program.attribute("version"), QString::fromLatin1(Velmora::programVersion));
    const QDomElement date = program.nextSiblingElement();
    QCOMPARE(date.tagName(), QStringLiteral("last-update-date-time"));
    QVERIFY(date.nextSiblingElement().isNull());
    QVERIFY(
        QRegularExpression(R"(^\d{4}/\d\d/\d\d - \d\d:\d\d:\d\d$)").match(date.text()).hasMatch());
    QCOMPARE(score->lastUpdate, date.text());
    // Only reading changes the creator version.
    QCOMPARE(score->creatorVersion, QStringLiteral("5.0.0"));
}

void TestProperty::writtenIntoAnEmptyScore()
{
    auto score = newScore();
    QVERIFY(score->document.setContent(QStringLiteral("<score-partwise>x</score-partwise>")));
    QDomElement root = score->document.documentElement();
    score->writePropertyXml(root);
    QCOMPARE(root.lastChild().toElement().tagName(), QStringLiteral("tarn-property"));
}

void TestProperty::lastUpdateText()
{
    const QDateTime moment(QDate(2024, 3, 5), QTime(14, 7, 9));
    QCOMPARE(Score::lastUpdateText(moment), QStringLiteral("2024/03/05 - 14:07:09"));
}

void TestProperty::reading_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("lastUpdate");

    QTest::newRow("both") << "<tarn-property><creation-program name=\"Velmora\" version=\"5.2\"/>"
                             "<last-update-date-time>2024/03/05 - 14:07:09"
                             "</last-update-date-time></tarn-property>"
                          << "5.2"
                          << "2024/03/05 - 14:07:09";
    QTest::newRow("no version") << "<tarn-property><creation-program name=\"Velmora\"/>"
                                   "<other/></tarn-property>"
                                << ""
                                << "Unknown";
    QTest::newRow("empty") << "<tarn-property/>" << Velmora::programVersion << "Unknown";
}

void TestProperty::reading()
{
    QFETCH(QString, xml);
    QFETCH(QString, version);
    QFETCH(QString, lastUpdate);

    auto score = newScore();
    QDomDocument document;
    QVERIFY(document.setContent(xml));
    score->parseProperty(document.documentElement());
    QCOMPARE(score->creatorVersion, version);
    QCOMPARE(score->lastUpdate, lastUpdate);
}

VELMORA_TEST_MAIN(TestProperty)

} // namespace tst_property
#include "tst_property.moc"
