// Loading a score document: the document reader (software name, parts
// paired by score-part order, credits, settings elements in document order,
// the identification kept whole), the measure builder, reloading, the refusal
// of documents that cannot be a score, and every file of the shared corpus.
#include "app/version.h"
#include "document/domfromtext.h"
#include "document/partsettingrows.h"
#include "document/scorexmlmode.h"
#include "document/settingsvalues.h"
#include "layout/aligner.h"
#include "layout/pickupmeasure.h"
#include "model/credit.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "support/editablescore.h"
#include "support/messagecapture.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QRegularExpression>
#include <QUndoCommand>
#include <QUndoStack>

#include <memory>
#include <variant>

namespace tst_loading {

namespace {

// A slow file is a fault: loading is linear in the document.
constexpr qint64 perFileLimitMs = 5000;

std::unique_ptr<Score> newScore()
{
    return std::make_unique<Score>(QString::fromLatin1(Velmora::programVersion), 1, false);
}

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

std::optional<QString> load(Score &score, const QString &text)
{
    score.documentText = text;
    return score.parseScoreXml(false);
}

QString fixture(const QString &name)
{
    return readText(TestSupport::sourcePath(QStringLiteral("tests/fixtures/loading/") + name));
}

const QRegularExpression
    lastUpdateTime(QStringLiteral("<last-update-date-time>[^<]*</last-update-date-time>"));

const char oneMeasurePart[] = "<part id=\"P1\"><measure number=\"1\"/></part>";

QString partwise(const QString &body)
{
    return QStringLiteral("<score-partwise version=\"3.1\">%1</score-partwise>").arg(body);
}

} // namespace

class TestLoading : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestSupport::prompter().reset(); }

    void museScore3Document();
    void repeatWithAlternativesHasNoSoftware();
    void extraPartsAreIgnored();
    void settingsElementsInDocumentOrder();
    void emptyPartListGivesNoMeasures();
    void reloadReplacesTheModel();
    void reparseFollowsTheEditedDocument();
    void refusedDocuments_data();
    void refusedDocuments();
    void nestingDepth_data();
    void nestingDepth();
    void environmentFileOnlyWhenAsked();
    void blankLyricsSurvive();
    void longTextsAreCutAtACharacter_data();
    void longTextsAreCutAtACharacter();
    void pickupOutlivesTheDocument_data();
    void pickupOutlivesTheDocument();
    void everyCorpusFileLoadsOrIsRefused();
};

void TestLoading::museScore3Document()
{
    auto score = newScore();
    const std::optional<QString> software = load(*score, fixture("load-MuseScore3Style.xml"));
    QVERIFY(software.has_value());
    QCOMPARE(*software, QStringLiteral("MuseScore 3.6.2"));
    QVERIFY(TestSupport::prompter().prompts.isEmpty());

    // The part group is skipped: the score-parts pair with the parts in order.
    QCOMPARE(score->numParts, 2);
    QCOMPARE(score->parts.size(), 2);
    QCOMPARE(score->parts.at(0)->partName, QStringLiteral("Shakuhachi"));
    QCOMPARE(score->parts.at(0)->partAbbreviation, QStringLiteral("Shaku."));
    QCOMPARE(score->parts.at(1)->partName, QStringLiteral("Koto"));
    QCOMPARE(score->parts.at(1)->partAbbreviation, QString());
    // Past the two names, every setting is the default, the lyric font
    // following the document's defaults.
    Part fresh(score.get());
    score->setPartDefaults(&fresh);
    QCOMPARE(fresh.lyricsFont.family(), QStringLiteral("FreeSans"));
    for (const Part *part : score->parts)
        QCOMPARE(TestSupport::partSettingsText(part).mid(2),
                 TestSupport::partSettingsText(&fresh).mid(2));
    QCOMPARE(score->partListElement.tagName(), QStringLiteral("part-list"));
    QCOMPARE(score->partElements.size(), 2);
    QCOMPARE(score->partElements.at(0).attribute("id"), QStringLiteral("P2"));

    QCOMPARE(score->numMeasures, 4);
    QCOMPARE(score->measures.size(), 4);
    for (int m = 0; m < 4; ++m) {
        const Measure *measure = score->measures.at(m);
        QCOMPARE(measure->parts.size(), 2);
        QCOMPARE(measure->partForwardFlags, QList<bool>({false, false}));
        QVERIFY(measure->aligner != nullptr);
        QCOMPARE(measure->measureElements.size(), 2);
        for (int k = 0; k < 2; ++k) {
            QCOMPARE(measure->parts.at(k)->voices.size(), 32);
            const QDomElement element = measure->measureElements.at(k);
            QCOMPARE(element.parentNode(), QDomNode(score->partElements.at(k)));
            QCOMPARE(element.attribute("number"), QString::number(m + 1));
        }
    }

    QCOMPARE(score->credits.size(), 3);
    QCOMPARE(score->credits.at(0)->text, QStringLiteral("Rokudan"));
    QVERIFY(score->credits.at(0)->moved);
    QCOMPARE(score->credits.at(0)->x, 10.0);
    QCOMPARE(score->credits.at(0)->y, 5.0);
    QCOMPARE(score->credits.at(1)->text, QStringLiteral("Yatsuhashi Kengyo"));
    QCOMPARE(score->credits.at(2)->text, QStringLiteral("arr. Velmora"));
    QCOMPARE(score->credits.at(2)->element.tagName(), QStringLiteral("credit-words"));
    QVERIFY(!score->credits.at(1)->moved);

    QCOMPARE(score->wordFontFamily, QStringLiteral("FreeSerif"));
    QCOMPARE(score->lyricFontFamily, QStringLiteral("FreeSans"));
    // The identification stays whole, every rights element with it.
    const QDomNodeList rights = score->document.elementsByTagName("rights");
    QCOMPARE(rights.size(), 2);
    QCOMPARE(rights.at(0).toElement().text(), QStringLiteral("Public domain"));
    QCOMPARE(rights.at(1).toElement().text(), QStringLiteral("Arrangement free to copy"));
    QCOMPARE(score->document.elementsByTagName("creator").size(), 1);
    // A MusicXML file names no creator version of this program.
    QCOMPARE(score->creatorVersion, QString::fromLatin1(Velmora::programVersion));
    QCOMPARE(score->lastUpdate, QStringLiteral("Unknown"));
}

void TestLoading::repeatWithAlternativesHasNoSoftware()
{
    auto score = newScore();
    const std::optional<QString> software =
        load(*score, readText(TestSupport::fixturePath(
                         "corpus/lilypond-musicxml-testsuite/45b-RepeatWithAlternatives.xml")));
    QCOMPARE(software, std::optional<QString>(QStringLiteral("Unknow")));
    QCOMPARE(score->numMeasures, 4);
    QCOMPARE(score->numParts, 1);
}

void TestLoading::extraPartsAreIgnored()
{
    auto score = newScore();
    TestSupport::MessageCapture capture;
    const std::optional<QString> software =
        load(*score, readText(TestSupport::fixturePath(
                         "corpus/lilypond-musicxml-testsuite/41h-TooManyParts.xml")));
    QVERIFY(software.has_value());
    QVERIFY(TestSupport::prompter().prompts.isEmpty());
    QCOMPARE(score->numParts, 1);
    QCOMPARE(score->partElements.size(), 1);
    QCOMPARE(score->numMeasures, 1);
    QCOMPARE(score->measures.at(0)->measureElements.size(), 1);
    QCOMPARE(score->measures.at(0)->parts.size(), 1);
    QVERIFY(capture.contains("parseScorePartwise: 3 part elements, 1 in the part list; the extra "
                             "parts are ignored"));
}

// tarn-property first sets the creator version; a credit takes the style's
// font of its moment; tarn-page and tarn-style after the parts still count.
void TestLoading::settingsElementsInDocumentOrder()
{
    auto score = newScore();
    const QFont styleFontBefore = score->style->defaultFont;
    QVERIFY(styleFontBefore.family() != QStringLiteral("FreeMono"));
    const QString text = partwise(
        "<tarn-property><creation-program name=\"Velmora\" version=\"5.2.0\"/>"
        "<last-update-date-time>2024/03/05 - 14:07:09</last-update-date-time></tarn-property>"
        "<identification><encoding><software>MuseScore 2.3.2</software></encoding>"
        "</identification>"
        "<identification><encoding/></identification>"
        "<credit><credit-words>Title</credit-words></credit>"
        "<part-list><score-part id=\"P1\"><part-name>Fue</part-name></score-part></part-list>" +
        QString::fromLatin1(oneMeasurePart) +
        "<tarn-page><horizontal>true</horizontal></tarn-page>"
        "<tarn-style><default-font>FreeMono,11,-1,5,400,0,0,0,0,0,0,0,0,0,0,1</default-font>"
        "</tarn-style>");
    QCOMPARE(load(*score, text), std::optional<QString>(QStringLiteral("MuseScore 2.3.2")));
    QCOMPARE(score->creatorVersion, QStringLiteral("5.2.0"));
    QCOMPARE(score->lastUpdate, QStringLiteral("2024/03/05 - 14:07:09"));
    QVERIFY(score->page->horizontal);
    QCOMPARE(score->style->defaultFont.family(), QStringLiteral("FreeMono"));
    QCOMPARE(score->credits.size(), 1);
    QCOMPARE(score->credits.at(0)->font, styleFontBefore);
    QVERIFY(!score->credits.at(0)->fontGiven);
}

void TestLoading::emptyPartListGivesNoMeasures()
{
    auto score = newScore();
    QVERIFY(load(*score, partwise("<part-list/>")).has_value());
    QCOMPARE(score->numParts, 0);
    QCOMPARE(score->numMeasures, 0);
    QVERIFY(score->measures.isEmpty());
    QVERIFY(TestSupport::prompter().prompts.isEmpty());
}

void TestLoading::reloadReplacesTheModel()
{
    auto score = newScore();
    QVERIFY(load(*score, fixture("load-MuseScore3Style.xml")).has_value());
    QPointer<Part> oldPart = score->parts.at(0);
    QPointer<Measure> oldMeasure = score->measures.at(0);
    QPointer<Credit> oldCredit = score->credits.at(0);
    score->undoStack->push(new QUndoCommand(QStringLiteral("edit")));

    QVERIFY(load(*score, fixture("load-MuseScore3Style.xml")).has_value());
    QVERIFY(oldPart.isNull() && oldMeasure.isNull() && oldCredit.isNull());
    QCOMPARE(score->undoStack->count(), 0);
    QCOMPARE(score->parts.size(), 2);
    QCOMPARE(score->measures.size(), 4);
    QCOMPARE(score->credits.size(), 3);
}

void TestLoading::reparseFollowsTheEditedDocument()
{
    auto score = newScore();
    const QString text = fixture("load-MuseScore3Style.xml");
    QVERIFY(load(*score, text).has_value());
    for (QDomElement part : score->partElements)
        part.removeChild(part.lastChildElement("measure"));
    score->documentText = QStringLiteral("kept");

    QVERIFY(score->reparseScore());
    QCOMPARE(score->numMeasures, 3);
    QCOMPARE(score->documentText, QStringLiteral("kept"));
    QCOMPARE(score->credits.size(), 3);
}

void TestLoading::refusedDocuments_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reason");

    const QString partList = "<part-list><score-part id=\"P1\"/></part-list>";
    QTest::newRow("not XML")
        << "<score-partwise><part>"
        << "The file is not XML (line 1, column 22: Premature end of document.).";
    QTest::newRow("empty") << ""
                           << "The file is not XML (line";
    QTest::newRow("binary") << QString::fromLatin1("PK\x03\x04\x14") << "The file is not XML";
    QTest::newRow("HTML") << "<html><body><p>Rokudan</p></body></html>"
                          << "It is not a MusicXML score: its root element is <html>";
    QTest::newRow("timewise") << "<score-timewise><part-list/></score-timewise>"
                              << "It is a timewise MusicXML document (score-timewise).";
    QTest::newRow("part with a note outside measures")
        << partwise(partList + "<part id=\"P1\"><measure/>\n<note/></part>")
        << "Part 1 (\"P1\") holds a <note> element at line 2, column 7, where only measures "
           "may stand.";
    QTest::newRow("more score-parts than parts")
        << partwise("<part-list><part-group/><score-part id=\"P1\"/><score-part id=\"P2\"/>"
                    "</part-list>" +
                    QString::fromLatin1(oneMeasurePart))
        << "Its part list names 2 parts, but it holds the music of only one.";
    QTest::newRow("parts of different lengths")
        << partwise("<part-list><score-part id=\"P1\"/><score-part id=\"P2\"/></part-list>" +
                    QString::fromLatin1(oneMeasurePart) +
                    "<part id=\"P2\"><measure/><measure/></part>")
        << "Part 2 (\"P2\") has 2 measures, but the first part has 1.";
    // Found only once the settings, parts and credits are read.
    QTest::newRow("voice beyond the model")
        << partwise("<credit><credit-words>Other</credit-words></credit>"
                    "<part-list><score-part id=\"P1\"><part-name>Fue</part-name></score-part>"
                    "</part-list><part id=\"P1\"><measure><note><rest/><duration>1</duration>"
                    "<voice>40</voice></note></measure></part>"
                    "<tarn-page><horizontal>true</horizontal></tarn-page>"
                    "<tarn-style><beam-line-width>9</beam-line-width></tarn-style>"
                    "<tarn-property><creation-program version=\"9.9\"/></tarn-property>"
                    "<defaults><word-font font-family=\"Other\"/></defaults>")
        << "Voice number exceeded the maximum. (Voice Number 40)! (Maximum Voice 32)";
    QTest::newRow("nested too deep")
        << partwise(QString("<work>").repeated(300) + QString("</work>").repeated(300))
        << "Its elements are nested deeper than 256 levels (line 1, column";
    // A name with an undeclared prefix is a name like any other: the
    // nesting behind it is measured all the same.
    QTest::newRow("nested too deep behind an undeclared prefix")
        << partwise("<u:p/>" + QString("<u:q>").repeated(10000) +
                    QString("</u:q>").repeated(10000) + partList)
        << "Its elements are nested deeper than 256 levels (line 1, column";
    QTest::newRow("one score-part, no part")
        << partwise(partList) << "Its part list names one part, but it holds no part's music.";
    QTest::newRow("a voice of a line separator")
        << partwise(partList + "<part id=\"P1\"><measure><note><rest/><duration>1</duration>"
                               "<voice>\u2028</voice></note></measure></part>")
        << "Voice number exceeded the maximum. (Voice Number \\u2028)!";
}

// Refused before anything changes: the model loaded before stays whole.
void TestLoading::refusedDocuments()
{
    QFETCH(QString, text);
    QFETCH(QString, reason);

    auto score = newScore();
    QVERIFY(load(*score, fixture("load-MuseScore3Style.xml")).has_value());
    const QList<Part *> parts = score->parts;
    const QList<Measure *> measures = score->measures;
    const QList<Credit *> credits = score->credits;
    score->undoStack->push(new QUndoCommand(QStringLiteral("edit")));
    score->musicXmlFilePath = QStringLiteral("/tmp/bad.musicxml");
    auto other = newScore();
    QVERIFY(load(*other, fixture("load-MuseScore3Style.xml")).has_value());
    const QString documentBefore = score->document.toString(1);
    const QString modelBefore = TestSupport::dumpModel(score.get());
    const std::unique_ptr<Page> pageBefore(score->page->clone());
    const std::unique_ptr<Style> styleBefore(score->style->clone());
    const QString fontsBefore = score->wordFontFamily + '|' + score->lyricFontFamily + '|' +
                                score->creatorVersion + '|' + score->lastUpdate;
    TestSupport::prompter().reset();

    QVERIFY(!load(*score, text).has_value());

    const auto &prompts = TestSupport::prompter().prompts;
    QCOMPARE(prompts.size(), 1);
    QCOMPARE(prompts.at(0).kind, QStringLiteral("warning"));
    QCOMPARE(prompts.at(0).title, QStringLiteral("Velmora"));
    QVERIFY2(prompts.at(0).text.startsWith("Can't load the score (/tmp/bad.musicxml).\n" + reason),
             qPrintable(prompts.at(0).text));
    QCOMPARE(score->parts, parts);
    QCOMPARE(score->measures, measures);
    QCOMPARE(score->credits, credits);
    QCOMPARE(score->numParts, 2);
    QCOMPARE(score->numMeasures, 4);
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(score->document.toString(1), documentBefore);
    QCOMPARE(TestSupport::dumpModel(score.get()), modelBefore);
    QVERIFY(!score->page->isDifferent(pageBefore.get()));
    QVERIFY(!score->style->isDifferent(styleBefore.get()));
    QCOMPARE(score->wordFontFamily + '|' + score->lyricFontFamily + '|' + score->creatorVersion +
                 '|' + score->lastUpdate,
             fontsBefore);
    QCOMPARE(other->parts.size(), 2);
    QCOMPARE(other->measures.size(), 4);
}

// The nesting is measured before a tree exists: a deep document is refused
// at once, however deep, and one within the limit loads and saves.
void TestLoading::nestingDepth_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("loads");
    QTest::newRow("at the limit") << 256 << true;
    QTest::newRow("one beyond") << 257 << false;
    QTest::newRow("300,000 levels") << 300000 << false;
}

void TestLoading::nestingDepth()
{
    QFETCH(int, depth);
    QFETCH(bool, loads);
    // score-partwise and work make two levels.
    const int inner = depth - 2;
    const QString text = partwise("<part-list/><work>" + QString("<a>").repeated(inner) +
                                  QString("</a>").repeated(inner) + "</work>");
    auto score = newScore();
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(load(*score, text).has_value(), loads);
    QVERIFY(timer.elapsed() < perFileLimitMs);
    if (loads) {
        QVERIFY(TestSupport::prompter().prompts.isEmpty());
        QVERIFY(score->buildScoreXml(ScoreXmlMode::ScoreFile).contains("<a/>"));
    } else {
        QVERIFY(TestSupport::prompter().texts().first().contains(
            "Its elements are nested deeper than 256 levels (line 1, column "));
        QVERIFY(score->document.isNull());
    }
}

// The environment file applies to a model that has just been loaded with
// readEnv true, and to nothing else.
void TestLoading::environmentFileOnlyWhenAsked()
{
    QFile::remove(Score::velmoraEnvPath());
    auto plain = newScore();
    QVERIFY(load(*plain, fixture("load-MuseScore3Style.xml")).has_value());
    const QString plainModel = TestSupport::dumpModel(plain.get());
    const QString plainText = plain->buildScoreXml(ScoreXmlMode::ScoreFile);

    // Without a file, true gives the model of false.
    auto withoutFile = newScore();
    withoutFile->documentText = fixture("load-MuseScore3Style.xml");
    QVERIFY(withoutFile->parseScoreXml(true).has_value());
    QCOMPARE(TestSupport::dumpModel(withoutFile.get()), plainModel);

    auto imitated = newScore();
    QVERIFY(load(*imitated, fixture("load-MuseScore3Style.xml")).has_value());
    imitated->parts.at(1)->partName = QStringLiteral("Sangen");
    imitated->page->horizontal = !plain->page->horizontal;
    {
        QFile file(Score::velmoraEnvPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(imitated->buildVelmoraEnvXml().toUtf8());
    }

    auto withFile = newScore();
    withFile->documentText = fixture("load-MuseScore3Style.xml");
    QVERIFY(withFile->parseScoreXml(true).has_value());
    QCOMPARE(withFile->parts.at(0)->partName, QStringLiteral("Shakuhachi"));
    QCOMPARE(withFile->parts.at(1)->partName, QStringLiteral("Sangen"));
    QCOMPARE(withFile->page->horizontal, imitated->page->horizontal);

    // False leaves the file unread; a refused load applies nothing either.
    auto notAsked = newScore();
    QVERIFY(load(*notAsked, fixture("load-MuseScore3Style.xml")).has_value());
    QCOMPARE(TestSupport::dumpModel(notAsked.get()), plainModel);
    notAsked->documentText = QStringLiteral("<score-timewise/>");
    QVERIFY(!notAsked->parseScoreXml(true).has_value());
    QCOMPARE(notAsked->buildScoreXml(ScoreXmlMode::ScoreFile).remove(lastUpdateTime),
             QString(plainText).remove(lastUpdateTime));
    QFile::remove(Score::velmoraEnvPath());
}

// Echigo Jishi has five lyrics that are one ideographic space each.
void TestLoading::blankLyricsSurvive()
{
    const QString blank = QStringLiteral("<text>\u3000</text>");
    auto score = newScore();
    QVERIFY(score->readMusicXmlFile(TestSupport::fixturePath("corpus/japanese/Echigo_Jishi.xml")));
    QVERIFY(score->parseScoreXml(false).has_value());
    int blanks = 0;
    for (const Measure *measure : std::as_const(score->measures)) {
        for (const MePart *cell : measure->parts) {
            for (const Voice *voice : cell->voices) {
                for (const Note *note : voice->notes) {
                    for (const Lyrics *lyric : note->lyrics)
                        blanks += lyric->text == QStringLiteral("\u3000");
                }
            }
        }
    }
    QCOMPARE(blanks, 5);

    const QString saved = score->buildScoreXml(ScoreXmlMode::ScoreFile);
    QCOMPARE(saved.count(blank), 5);
    const QString exported = QDir::homePath() + QStringLiteral("/Echigo_Jishi.musicxml");
    QVERIFY(score->exportMusicXMLFile(exported, ScoreXmlMode::PlainMusicXml));
    QCOMPARE(readText(exported).count(blank), 5);

    // The score file reads back with them.
    auto reopened = newScore();
    QVERIFY(load(*reopened, saved).has_value());
    QCOMPARE(reopened->buildScoreXml(ScoreXmlMode::ScoreFile).count(blank), 5);
}

void TestLoading::longTextsAreCutAtACharacter_data()
{
    QTest::addColumn<QString>("text"); // longer than the loader keeps
    QTest::addColumn<int>("kept");     // how much of it stays
    const int limit = int(DomFromText::longestText);
    const QString xs(limit - 1, QLatin1Char('x'));
    // The cut at the limit would fall inside the pair, or between the "e"
    // and its accent.
    QTest::newRow("surrogate pair") << xs + QStringLiteral("\U0001F600tail") << limit - 1;
    QTest::newRow("combining mark") << xs + QStringLiteral("e\u0301tail") << limit - 1;
    QTest::newRow("one emoji repeated") << QStringLiteral("\U0001F600").repeated(limit) << limit;
    // Five units a cluster: the limit falls one unit into the 820th.
    QTest::newRow("joined emoji repeated")
        << QStringLiteral("\U0001F469\u200D\U0001F4BB").repeated(limit / 4) << limit - 1;
    QTest::newRow("flags repeated")
        << QStringLiteral("\U0001F1EF\U0001F1F5").repeated(limit) << limit;
}

// A text beyond what the loader keeps is cut where a character ends, so the
// score file and the MusicXML export hold the same valid text, and the user
// is told where, not only the log.
void TestLoading::longTextsAreCutAtACharacter()
{
    QFETCH(QString, text);
    QFETCH(int, kept);
    const QString document = partwise(
        QStringLiteral("<part-list><score-part id=\"P1\"/></part-list>\n<part id=\"P1\">"
                       "<measure><note><pitch><step>C</step><octave>4</octave></pitch>"
                       "<duration>1</duration><lyric><text>%1</text></lyric></note></measure>"
                       "</part>")
            .arg(text));
    auto score = newScore();
    score->musicXmlFilePath = QStringLiteral("/tmp/long.musicxml");
    QVERIFY(load(*score, document).has_value());
    const QString expected = text.left(kept);
    const Lyrics *lyric =
        score->measures.at(0)->parts.at(0)->voices.at(0)->notes.at(0)->lyrics.value(0);
    QVERIFY(lyric);
    QCOMPARE(lyric->text.size(), expected.size());
    QCOMPARE(lyric->text, expected);

    const QString saved = score->buildScoreXml(ScoreXmlMode::ScoreFile);
    QVERIFY(saved.contains(QStringLiteral("<text>") + expected + QStringLiteral("</text>")));
    const QString exported = QDir::homePath() + QStringLiteral("/long.musicxml");
    QVERIFY(score->exportMusicXMLFile(exported, ScoreXmlMode::PlainMusicXml));
    QVERIFY(readText(exported).contains(QStringLiteral("<text>") + expected +
                                        QStringLiteral("</text>")));

    const QStringList told = TestSupport::prompter().texts(QStringLiteral("information"));
    QCOMPARE(told.size(), 1);
    QVERIFY2(told.first().startsWith(QStringLiteral("/tmp/long.musicxml\n")) &&
                 told.first().contains(QStringLiteral("line 2, column")),
             qPrintable(told.first()));
}

// A score that opens with a pickup is told at load, so that drawing it
// needs nothing of the document, which a score kept only for drawing lets go.
void TestLoading::pickupOutlivesTheDocument_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("pickup");
    const QString suite = QStringLiteral("corpus/lilypond-musicxml-testsuite/");
    QTest::newRow("pickup, implicit measures")
        << readText(TestSupport::fixturePath(suite + "46d-PickupMeasure-ImplicitMeasures.xml"))
        << true;
    QTest::newRow("pickup with chords")
        << readText(TestSupport::fixturePath(suite + "21e-Chords-PickupMeasures.xml")) << true;
    QTest::newRow("no pickup") << readText(TestSupport::fixturePath(suite +
                                                                    "41a-MultiParts-Partorder.xml"))
                               << false;
    // The first part's measure decides.
    QTest::newRow("implicit in the second part only")
        << partwise(QStringLiteral("<part-list><score-part id=\"P1\"/><score-part id=\"P2\"/>"
                                   "</part-list>%1<part id=\"P2\"><measure number=\"0\" "
                                   "implicit=\"yes\"/></part>")
                        .arg(QString::fromLatin1(oneMeasurePart)))
        << false;
}

void TestLoading::pickupOutlivesTheDocument()
{
    QFETCH(QString, text);
    QFETCH(bool, pickup);
    auto score = newScore();
    QVERIFY(load(*score, text));
    QCOMPARE(PickupMeasure::leadsWithPickup(score->measures), pickup);
    QCOMPARE(PickupMeasure::shownNumber(score->measures, 0), pickup ? 0 : 1);

    score->releaseDocument();
    QVERIFY(score->document.isNull());
    QVERIFY(score->partListElement.isNull());
    for (const Measure *measure : std::as_const(score->measures)) {
        for (const QDomElement &element : measure->measureElements)
            QVERIFY(element.isNull());
        for (const MePart *cell : measure->parts) {
            for (const Voice *voice : cell->voices) {
                for (const Note *note : voice->notes)
                    QVERIFY(note->element.isNull());
            }
        }
    }
    QCOMPARE(PickupMeasure::leadsWithPickup(score->measures), pickup);
}

void TestLoading::everyCorpusFileLoadsOrIsRefused()
{
    QDirIterator files(TestSupport::fixturePath("corpus"), QDir::Files,
                       QDirIterator::Subdirectories);
    int loaded = 0;
    int refused = 0;
    QElapsedTimer total;
    total.start();
    while (files.hasNext()) {
        const QString path = files.next();
        TestSupport::prompter().reset();
        auto score = newScore();
        QElapsedTimer timer;
        timer.start();
        const std::optional<QString> software = load(*score, readText(path));
        QVERIFY2(timer.elapsed() < perFileLimitMs, qPrintable(path));
        const auto &prompts = TestSupport::prompter().prompts;
        if (software) {
            QVERIFY2(prompts.isEmpty(), qPrintable(path));
            QCOMPARE(score->numMeasures, int(score->measures.size()));
            ++loaded;
        } else {
            QVERIFY2(prompts.size() == 1 && prompts.at(0).kind == QLatin1String("warning") &&
                         prompts.at(0).text.startsWith("Can't load the score"),
                     qPrintable(path));
            QVERIFY2(score->parts.isEmpty() && score->measures.isEmpty(), qPrintable(path));
            ++refused;
        }
        // Whole scores of the suites and the Japanese pieces are partwise and
        // load.
        const bool wholeScore = path.endsWith(".xml") && !path.contains("/w3c-examples/");
        QVERIFY2(!wholeScore || software.has_value(), qPrintable(path));
    }
    qInfo("%d files loaded, %d refused, in %lld ms", loaded, refused, total.elapsed());
    QVERIFY(loaded > 0 && refused > 0);
}

VELMORA_TEST_MAIN(TestLoading)

} // namespace tst_loading
#include "tst_loading.moc"
