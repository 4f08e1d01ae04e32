// The import-update merge: which credits and measures of a revised document
// count as different, how they replace the open document's, and the
// questions and refusals on differing part and measure counts.
#include "model/score.h"
#include "support/partwisetext.h"
#include "support/testenvironment.h"

#include <QDomDocument>

namespace tst_update_merge {

using namespace TestSupport;

namespace {

QList<QDomElement> elementsNamed(const QDomElement &root, const QString &tag)
{
    QList<QDomElement> result;
    const QDomNodeList list = root.elementsByTagName(tag);
    for (int i = 0; i < list.size(); ++i)
        result << list.at(i).toElement();
    return result;
}

QDomElement root(const Score &score)
{
    return score.document.documentElement();
}

QList<QDomElement> measuresOf(const Score &score, int part)
{
    return elementsNamed(elementsNamed(root(score), "part").at(part), "measure");
}

QStringList creditTexts(const Score &score)
{
    QStringList texts;
    for (const QDomElement &credit : elementsNamed(root(score), "credit"))
        texts << credit.text();
    return texts;
}

// Measures numbered from 1, each one C4 note, the i-th (from 0) replaced
// by `changed` where given.
QString measuresWith(int count, const QMap<int, QString> &changed = {})
{
    QString text;
    for (int m = 0; m < count; ++m)
        text += measureXml(m + 1, changed.value(m, noteXml("C")));
    return text;
}

std::unique_ptr<Score> loaded(const QString &text)
{
    auto score = loadedScore(text);
    if (!score)
        qFatal("fixture does not load");
    return score;
}

ScriptedPrompter &prompts()
{
    return prompter();
}

} // namespace

class TestUpdateMerge : public QObject
{
    Q_OBJECT

private slots:
    void init() { prompts().reset(); }
    void identicalDocumentsChangeNothing();
    void measureDifferences_data();
    void measureDifferences();
    void creditCountsDiffer();
    void differingCreditReplaced();
    void firstPartMeasureCountsAsked_data();
    void firstPartMeasureCountsAsked();
    void laterPartShortenedWithoutQuestion();
    void partCountsDifferRefused();
    void onlyPartsBothHaveAreWalked();
};

void TestUpdateMerge::identicalDocumentsChangeNothing()
{
    const QString text = partwiseText({measuresWith(3), measuresWith(3)}, {"Title"});
    auto open = loaded(text);
    auto revised = loaded(text);
    const QString before = open->document.toString(1);
    QCOMPARE(open->mergeUpdatedMusicXML(revised.get(), true), 0);
    QCOMPARE(open->logText, QStringLiteral("Recent credit:1 Update credit:1\n"
                                           "Part No. 1 ----\nPart No. 2 ----\n"));
    QCOMPARE(open->document.toString(1), before);
    QVERIFY(prompts().prompts.isEmpty());
}

void TestUpdateMerge::measureDifferences_data()
{
    QTest::addColumn<QString>("openMeasure");
    QTest::addColumn<QString>("newMeasure");
    QTest::addColumn<bool>("cleanNotations");
    QTest::addColumn<bool>("different");

    const QString note = noteXml("C");
    const QString print = QStringLiteral("<print new-system=\"yes\"/>");
    QTest::newRow("print added") << note << print + note << false << false;
    QTest::newRow("print in the open measure") << print + note << note << false << false;
    QTest::newRow("own layout elements")
        << noteXml("C", 1, "<tarn-note-shift major=\"1\" sub=\"0\"/>") + "<tarn-userscale>2"
                                                                         "</tarn-userscale>"
        << note << false << false;
    QTest::newRow("default-x moved")
        << QString(note).replace("<note>", "<note default-x=\"12\">")
        << QString(note).replace("<note>", "<note default-x=\"30\">") << false << false;
    QTest::newRow("pitch") << note << noteXml("D") << false << true;
    QTest::newRow("duration") << note << QString(note).replace("<duration>1", "<duration>2")
                              << false << true;
    QTest::newRow("lyric text") << noteXml("C", 1, "<lyric><text>sa</text></lyric>")
                                << noteXml("C", 1, "<lyric><text>ku</text></lyric>") << false
                                << true;
    QTest::newRow("note added") << note << note + noteXml("C") << false << true;
    const QString fingering =
        QStringLiteral("<notations><technical><fingering>%1</fingering></technical></notations>");
    QTest::newRow("fingering text, cleaned")
        << noteXml("C", 1, fingering.arg("1")) << noteXml("C", 1, fingering.arg("2")) << true
        << false;
    QTest::newRow("fingering text, kept") << noteXml("C", 1, fingering.arg("1"))
                                          << noteXml("C", 1, fingering.arg("2")) << false << true;
    QTest::newRow("directive, cleaned")
        << noteXml("C", 1, fingering.arg(".pizz")) << note << true << false;
    QTest::newRow("direction words")
        << "<direction><direction-type><words>dolce</words></direction-type></direction>" + note
        << "<direction><direction-type><words>rit.</words></direction-type></direction>" + note
        << false << true;
}

void TestUpdateMerge::measureDifferences()
{
    QFETCH(QString, openMeasure);
    QFETCH(QString, newMeasure);
    QFETCH(bool, cleanNotations);
    QFETCH(bool, different);
    auto open = loaded(partwiseText({measuresWith(3, {{1, openMeasure}})}));
    auto revised = loaded(partwiseText({measuresWith(3, {{1, newMeasure}})}));
    const QString expected = measuresOf(*revised, 0).at(1).text();
    const QString before = measuresOf(*open, 0).at(1).text();

    QCOMPARE(open->mergeUpdatedMusicXML(revised.get(), cleanNotations), different ? 1 : 0);
    QCOMPARE(open->logText.contains("Part No. 1 Measure No. 2 is different!\n"), different);
    const QList<QDomElement> merged = measuresOf(*open, 0);
    QCOMPARE(merged.size(), 3);
    QCOMPARE(merged.at(1).text(), different ? expected : before);
    QCOMPARE(merged.at(1).attribute("number"), QStringLiteral("2"));
    QCOMPARE(merged.at(1).ownerDocument(), open->document);
}

void TestUpdateMerge::creditCountsDiffer()
{
    auto open = loaded(partwiseText({measuresWith(2)}, {"A", "B", "C"}));
    auto revised = loaded(partwiseText({measuresWith(2)}, {"A", "B", "C", "D"}));
    QCOMPARE(open->mergeUpdatedMusicXML(revised.get(), true), 1);
    QCOMPARE(creditTexts(*open), QStringList({"A", "B", "C", "D"}));
    QVERIFY(open->logText.startsWith("Recent credit:3 Update credit:4\n"));
    // The credits stand before the part list.
    QCOMPARE(root(*open).firstChildElement().tagName(), QStringLiteral("credit"));
    QCOMPARE(root(*open).lastChildElement("credit").nextSiblingElement().tagName(),
             QStringLiteral("part-list"));
}

void TestUpdateMerge::differingCreditReplaced()
{
    const QString moved = QStringLiteral("<tarn-offset x=\"1\" y=\"1\"/>");
    auto open = loaded(partwiseText({measuresWith(2)}, {"Title", "Kengyo" + moved}));
    auto revised = loaded(partwiseText({measuresWith(2)}, {"New title", "Kengyo"}));
    QCOMPARE(open->mergeUpdatedMusicXML(revised.get(), true), 1);
    QCOMPARE(creditTexts(*open), QStringList({"New title", "Kengyo"}));
    // The unchanged credit keeps its layout.
    QCOMPARE(elementsNamed(root(*open), "tarn-offset").size(), 1);
}

void TestUpdateMerge::firstPartMeasureCountsAsked_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<int>("result");
    QTest::newRow("yes") << QMessageBox::Yes << 3;
    QTest::newRow("cancel") << QMessageBox::Cancel << -1;
}

void TestUpdateMerge::firstPartMeasureCountsAsked()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(int, result);
    auto open = loaded(partwiseText({measuresWith(10)}));
    auto revised = loaded(partwiseText({measuresWith(12, {{4, noteXml("E")}})}));
    prompts().questionAnswers.enqueue(answer);
    QCOMPARE(open->mergeUpdatedMusicXML(revised.get(), true), result);
    QCOMPARE(prompts().prompts.size(), 1);
    const auto &question = prompts().prompts.first();
    QCOMPARE(question.kind, QStringLiteral("question"));
    QCOMPARE(question.title, QStringLiteral("Velmora"));
    QCOMPARE(question.text, QStringLiteral("Numbers of measures of the original and the new "
                                           "scores are not the same: 10 v.s. 12.\n\nDo you "
                                           "really want to import?"));
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::Cancel);
    const QList<QDomElement> merged = measuresOf(*open, 0);
    if (result < 0) {
        QCOMPARE(merged.size(), 10);
        return;
    }
    QCOMPARE(merged.size(), 12);
    QCOMPARE(Score::childElementText(
                 merged.at(4).firstChildElement("note").firstChildElement("pitch"), "step"),
             QStringLiteral("E"));
    QCOMPARE(merged.at(11).attribute("number"), QStringLiteral("12"));
}

void TestUpdateMerge::laterPartShortenedWithoutQuestion()
{
    auto open = loaded(partwiseText({measuresWith(12), measuresWith(12)}));
    // The loader refuses parts of unequal lengths; the merge reads only the
    // document.
    Score revised(QStringLiteral("test"), 2, false);
    QVERIFY(revised.setXmlContent(partwiseText({measuresWith(12), measuresWith(10)})));
    QCOMPARE(open->mergeUpdatedMusicXML(&revised, true), 2);
    QVERIFY(prompts().prompts.isEmpty());
    QCOMPARE(measuresOf(*open, 0).size(), 12);
    QCOMPARE(measuresOf(*open, 1).size(), 10);
    QCOMPARE(measuresOf(*open, 1).last().attribute("number"), QStringLiteral("10"));
}

void TestUpdateMerge::partCountsDifferRefused()
{
    auto open = loaded(partwiseText({measuresWith(2), measuresWith(2)}, {"A"}));
    auto revised =
        loaded(partwiseText({measuresWith(2), measuresWith(2), measuresWith(2)}, {"B", "C"}));
    const QString before = open->document.toString(1);
    QCOMPARE(open->mergeUpdatedMusicXML(revised.get(), true), -1);
    QCOMPARE(prompts().texts("warning"),
             QStringList("Can't Import Update: Numbers of parts are not the same: 2 vs 3."));
    QCOMPARE(prompts().prompts.first().title, QStringLiteral("Velmora"));
    QCOMPARE(open->document.toString(1), before);
    QVERIFY(open->logText.isEmpty());
}

void TestUpdateMerge::onlyPartsBothHaveAreWalked()
{
    auto open = loaded(partwiseText({measuresWith(2), measuresWith(2)}));
    auto revised = loaded(partwiseText({measuresWith(2), measuresWith(2, {{0, noteXml("G")}})}));
    // The open document has lost its second part element; its part list
    // still names two parts.
    QDomElement scorePartwise = root(*open);
    scorePartwise.removeChild(scorePartwise.lastChildElement("part"));
    QCOMPARE(open->mergeUpdatedMusicXML(revised.get(), true), 0);
    QCOMPARE(open->logText, QStringLiteral("Recent credit:0 Update credit:0\nPart No. 1 ----\n"));

    // And the other way round.
    auto whole = loaded(partwiseText({measuresWith(2), measuresWith(2, {{0, noteXml("G")}})}));
    QDomElement revisedRoot = root(*revised);
    revisedRoot.removeChild(revisedRoot.lastChildElement("part"));
    QCOMPARE(whole->mergeUpdatedMusicXML(revised.get(), true), 0);
    QCOMPARE(measuresOf(*whole, 1).size(), 2);
}

VELMORA_TEST_MAIN(TestUpdateMerge)

} // namespace tst_update_merge
#include "tst_update_merge.moc"
