// Credits: one Credit per credit-words with its text options and tarn-
// elements read, and the tarn- elements written per output mode.
#include "app/version.h"
#include "document/scorexmlmode.h"
#include "model/credit.h"
#include "model/score.h"
#include "model/style.h"
#include "support/testenvironment.h"

#include <memory>

namespace tst_credits {

namespace {

std::unique_ptr<Score> newScore()
{
    return std::make_unique<Score>(QString::fromLatin1(Velmora::programVersion), 1, false);
}

// Reads `credit` (the XML of one credit element) into the score.
void readCredit(Score &score, const QString &credit)
{
    if (!score.document.setContent(credit))
        qFatal("fixture is not XML");
    score.parseCredit(score.document.documentElement());
}

QStringList childTags(const QDomElement &element)
{
    QStringList tags;
    for (QDomElement e = element.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        tags << e.tagName();
    return tags;
}

const QString arial = QStringLiteral("Arial,12,-1,5,700,0,0,0,0,0,0,0,0,0,0,1");

} // namespace

class TestCredits : public QObject
{
    Q_OBJECT

private slots:
    void readsEveryCreditWords();
    void textOptions();
    void elementsWinOverOptions();
    void rotations_data();
    void rotations();
    void writtenPerMode_data();
    void writtenPerMode();
    void writtenOffsetPrecision();
    void writeThenReadRestoresTheCredit();
};

void TestCredits::readsEveryCreditWords()
{
    auto score = newScore();
    score->style->defaultFont = QFont(QStringLiteral("FreeSans"), 16);
    readCredit(*score, "<credit page=\"1\"><credit-type>title</credit-type>"
                       "<credit-words>Rokudan</credit-words>text<credit-words/>"
                       "<credit-words><b/>bold</credit-words></credit>");
    QCOMPARE(score->credits.size(), 3);
    QCOMPARE(score->credits.at(0)->text, QStringLiteral("Rokudan"));
    QCOMPARE(score->credits.at(1)->text, QString());
    // Only text before any child element counts.
    QCOMPARE(score->credits.at(2)->text, QString());
    QCOMPARE(score->credits.at(0)->element.text(), QStringLiteral("Rokudan"));
    for (const Credit *credit : score->credits) {
        QCOMPARE(credit->font, score->style->defaultFont);
        QVERIFY(!credit->fontGiven && !credit->moved && credit->rotation == 0);
    }
}

void TestCredits::textOptions()
{
    auto score = newScore();
    readCredit(*score,
               "<credit><credit-words>Title{10,5}{f:" + arial + "}</credit-words></credit>");
    const Credit *credit = score->credits.at(0);
    QCOMPARE(credit->text, QStringLiteral("Title"));
    QVERIFY(credit->fontGiven);
    QCOMPARE(credit->font.family(), QStringLiteral("Arial"));
    QCOMPARE(credit->font.pointSize(), 12);
    QVERIFY(credit->font.bold());
    QVERIFY(credit->moved);
    QCOMPARE(QPointF(credit->x, credit->y), QPointF(10, 5));
}

void TestCredits::elementsWinOverOptions()
{
    auto score = newScore();
    readCredit(*score, "<credit><credit-words>Title{10,5}{f:Arial,12}"
                       "<tarn-offset x=\"-1.5\" y=\"2\"/><tarn-offset x=\"9\" y=\"9\"/>"
                       "<tarn-font>FreeSerif,20</tarn-font></credit-words></credit>");
    const Credit *credit = score->credits.at(0);
    QCOMPARE(credit->text, QStringLiteral("Title"));
    QCOMPARE(QPointF(credit->x, credit->y), QPointF(-1.5, 2));
    QVERIFY(credit->fontGiven);
    QCOMPARE(credit->font.family(), QStringLiteral("FreeSerif"));
    QCOMPARE(credit->font.pointSize(), 20);
}

void TestCredits::rotations_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<int>("rotation");

    QTest::newRow("horizontal") << "<tarn-rotation rotation=\"horizontal\"/>" << 1;
    QTest::newRow("vertical") << "<tarn-rotation rotation=\"vertical\"/>" << 2;
    QTest::newRow("vertical writing") << "<tarn-rotation rotation=\"vertical-writing\"/>" << 3;
    QTest::newRow("capitals") << "<tarn-rotation rotation=\"Vertical\"/>" << 0;
    QTest::newRow("no attribute") << "<tarn-rotation/>" << 0;
}

void TestCredits::rotations()
{
    QFETCH(QString, element);
    QFETCH(int, rotation);

    auto score = newScore();
    readCredit(*score, "<credit><credit-words>T" + element + "</credit-words></credit>");
    QCOMPARE(score->credits.at(0)->rotation, rotation);
}

void TestCredits::writtenPerMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("tags");

    QTest::newRow("score file") << int(ScoreXmlMode::ScoreFile)
                                << QStringList({"tarn-offset", "tarn-rotation", "tarn-font"});
    QTest::newRow("plain MusicXML") << int(ScoreXmlMode::PlainMusicXml) << QStringList();
    QTest::newRow("note-name lyrics") << int(ScoreXmlMode::NoteNameLyrics) << QStringList();
    QTest::newRow("note-name rewrite")
        << int(ScoreXmlMode::NoteNameRewrite) << QStringList({"tarn-font"});
}

void TestCredits::writtenPerMode()
{
    QFETCH(int, mode);
    QFETCH(QStringList, tags);

    auto score = newScore();
    readCredit(*score, "<credit><credit-words>A</credit-words><credit-words>B</credit-words>"
                       "</credit>");
    Credit *second = score->credits.at(1);
    second->setOffset(2.0, -3.5);
    second->rotation = 3;
    second->fontGiven = true;
    second->font = QFont(QStringLiteral("FreeSerif"), 20);

    QDomElement first = score->credits.at(0)->element;
    QDomElement words = second->element;
    score->writeCreditXml(score.get(), first, 0, ScoreXmlMode(mode));
    score->writeCreditXml(score.get(), words, 1, ScoreXmlMode(mode));
    QCOMPARE(childTags(first), QStringList());
    QCOMPARE(childTags(words), tags);
    // The writer never touches the text.
    QCOMPARE(words.firstChild().toText().data(), QStringLiteral("B"));
}

void TestCredits::writtenOffsetPrecision()
{
    auto score = newScore();
    readCredit(*score, "<credit><credit-words>A</credit-words></credit>");
    Credit *credit = score->credits.at(0);
    credit->setOffset(2.0, 1.0 / 3.0);
    QDomElement words = credit->element;
    score->writeCreditXml(score.get(), words, 0, ScoreXmlMode::ScoreFile);
    const QDomElement offset = words.firstChildElement("tarn-offset");
    QCOMPARE(offset.attribute("x"), QStringLiteral("2"));
    QCOMPARE(offset.attribute("y"), QStringLiteral("0.33333334"));
}

void TestCredits::writeThenReadRestoresTheCredit()
{
    auto source = newScore();
    readCredit(*source, "<credit><credit-words>Title{1,1}</credit-words></credit>");
    Credit *credit = source->credits.at(0);
    credit->setOffset(12.5, -4.0);
    credit->rotation = 2;
    credit->fontGiven = true;
    credit->font = QFont(QStringLiteral("FreeSerif"), 20);
    QDomElement words = credit->element;
    source->writeCreditXml(source.get(), words, 0, ScoreXmlMode::ScoreFile);

    auto target = newScore();
    readCredit(*target, source->document.toString());
    const Credit *read = target->credits.at(0);
    QCOMPARE(read->text, QStringLiteral("Title"));
    QCOMPARE(QPointF(read->x, read->y), QPointF(12.5, -4.0));
    QCOMPARE(read->rotation, 2);
    QVERIFY(read->fontGiven);
    QCOMPARE(read->font, credit->font);
}

VELMORA_TEST_MAIN(TestCredits)

} // namespace tst_credits
#include "tst_credits.moc"
