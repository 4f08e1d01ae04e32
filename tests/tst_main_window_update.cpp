// The main window's update imports: a revised MusicXML file merged into a
// copy of the open score, the open score's layout carried onto a newly
// imported file (chosen or handed off by MuseScore), their questions, and
// revised files that cannot be read or loaded.
#include "app/commandline.h"
#include "app/dialogimportexport.h"
#include "app/mainwindow.h"
#include "document/scorexmlmode.h"
#include "model/measure.h"
#include "model/note.h"
#include "model/part.h"
#include "model/score.h"
#include "support/messagecapture.h"
#include "support/modelbuilder.h"
#include "support/partwisetext.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>

namespace tst_main_window_update {

using namespace TestSupport;

namespace {

const QString updatedMessage =
    QStringLiteral("%1 elements (measures and/or title texts) were updated.");
const QString noScoreMessage = QStringLiteral("No score is open!");
const QString updateDialogTitle = QStringLiteral("Velmora: Import Update MusicXML file");

QString handOffPath()
{
    return QDir::homePath() + QStringLiteral("/musescore_exported.musicxml");
}

// `count` measures of one C4 note each, measure i (from 0) holding
// `changed` instead where given.
QString measuresWith(int count, const QMap<int, QString> &changed = {})
{
    QString text;
    for (int m = 0; m < count; ++m)
        text += measureXml(m + 1, changed.value(m, noteXml(QStringLiteral("C"))));
    return text;
}

QString writeText(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        qFatal("cannot write a test file");
    return path;
}

QString fingered(const QString &step, const QString &fingering)
{
    return noteXml(step, 1,
                   QStringLiteral("<notations><technical><fingering>%1</fingering></technical>"
                                  "</notations>")
                       .arg(fingering));
}

QStringList tabTexts(const MainWindow &window)
{
    QStringList texts;
    for (int i = 0; i < window.tabWidget->count(); ++i)
        texts << window.tabWidget->tabText(i);
    return texts;
}

// Measures of a revised file that differ from plain ones, by index.
using MeasureChanges = QMap<int, QString>;

QStringList informationTexts()
{
    return prompter().texts(QStringLiteral("information"));
}

} // namespace

class TestMainWindowUpdate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void noScoreOpenCreatesNothing_data();
    void noScoreOpenCreatesNothing();
    void updateIntoACopy();
    void updateWithoutFingeringsFromTheMenuSlot();
    void commandLineUpdateKeepsDirectives_data();
    void commandLineUpdateKeepsDirectives();
    void missingRevisedFileKeepsTheCopy();
    void unreadableOrRefusedRevisedFileRemovesTheCopy_data();
    void unreadableOrRefusedRevisedFileRemovesTheCopy();
    void refusedMergeRemovesTheCopy_data();
    void refusedMergeRemovesTheCopy();
    void updateOntoTheNewFile();
    void updateOntoTheNewFileNamedByTheSavedScore();
    void differingCountsAsk_data();
    void differingCountsAsk();
    void failedImportStopsTheUpdate_data();
    void failedImportStopsTheUpdate();
    void museScoreUpdate();

private:
    // Opens a score imported from `text` (written as `name` in a fresh
    // folder), drawn, and forgets the prompts of its opening.
    Score *openScore(MainWindow &window, const QString &text,
                     const QString &name = QStringLiteral("piece.xml"));
    QString revisedFile(const QString &text);

    std::unique_ptr<QTemporaryDir> folder;
};

void TestMainWindowUpdate::init()
{
    prompter().reset();
    folder = std::make_unique<QTemporaryDir>(QDir::homePath() + QStringLiteral("/update-XXXXXX"));
    QFile::remove(handOffPath());
}

void TestMainWindowUpdate::cleanup()
{
    prompter().reset();
    folder.reset();
    QFile::remove(handOffPath());
}

Score *TestMainWindowUpdate::openScore(MainWindow &window, const QString &text, const QString &name)
{
    const QString path = writeText(folder->filePath(QStringLiteral("open/") + name), text);
    if (!window.importNewFromPath(path))
        qFatal("the open score does not load");
    Score *score = window.currentScore();
    window.showNewScore(score);
    prompter().reset();
    return score;
}

QString TestMainWindowUpdate::revisedFile(const QString &text)
{
    return writeText(folder->filePath(QStringLiteral("revised/revised.xml")), text);
}

void TestMainWindowUpdate::noScoreOpenCreatesNothing_data()
{
    QTest::addColumn<int>("slot");
    QTest::newRow("into a copy") << 0;
    QTest::newRow("into a copy, menu slot") << 1;
    QTest::newRow("onto the new file, from the dialog") << 2;
    QTest::newRow("MuseScore, from the dialog") << 3;
}

void TestMainWindowUpdate::noScoreOpenCreatesNothing()
{
    QFETCH(int, slot);
    MainWindow window;
    const QString path = revisedFile(partwiseText({measuresWith(2)}));
    writeText(handOffPath(), partwiseText({measuresWith(2)}));
    prompter().fileAnswers << path;
    switch (slot) {
    case 0:
        window.importUpdatePure2(path, false);
        break;
    case 1:
        window.importUpdatePure();
        break;
    case 2:
        emit window.dialogImportExport->sigImportUpdatePure();
        break;
    default:
        emit window.dialogImportExport->sigImportUpdateFromMuseScore();
        break;
    }
    QCOMPARE(prompter().texts(), QStringList{noScoreMessage});
    QCOMPARE(prompter().prompts.first().title, QStringLiteral("Velmora"));
    QCOMPARE(window.tabWidget->count(), 0);
    QCOMPARE(window.scoreCounter, 0);
}

// The second measure and the title changed; the copy takes both, keeps the
// open score's layout of the rest, and the open score stays as it was.
void TestMainWindowUpdate::updateIntoACopy()
{
    MainWindow window;
    Score *open = openScore(window, partwiseText({measuresWith(3)}, {"Title"}));
    open->measures.at(0)->userScale = 1.25;
    // The saved text carries the time of writing: a fixed clock keeps two
    // writes a second apart equal.
    open->updateClock = [] { return QDateTime(QDate(2026, 1, 1), QTime(0, 0)); };
    const QString openDump = dumpModel(open);
    const QString openText = open->buildScoreXml(ScoreXmlMode::ScoreFile);
    const int firstNumber = window.scoreCounter;
    const QString path = revisedFile(
        partwiseText({measuresWith(3, {{1, noteXml(QStringLiteral("D"))}})}, {"New Title"}));

    window.importUpdatePure2(path, false);

    QCOMPARE(tabTexts(window), (QStringList{"piece", "piece_update"}));
    Score *copy = window.currentScore();
    QVERIFY(copy != open);
    QCOMPARE(copy->scoreNumber, firstNumber);
    QCOMPARE(window.scoreCounter, firstNumber + 2);
    QCOMPARE(informationTexts(), QStringList{updatedMessage.arg(2)});
    QCOMPARE(copy->noteAt(1, 0, 0, 0)->step, QStringLiteral("D"));
    QCOMPARE(copy->noteAt(0, 0, 0, 0)->step, QStringLiteral("C"));
    QCOMPARE(copy->measures.at(0)->userScale, 1.25);
    QVERIFY(copy->document.toString(1).contains(QStringLiteral("New Title")));
    QVERIFY(copy->changed);
    QVERIFY(!copy->scene->items().isEmpty());
    QCOMPARE(copy->filePath, folder->filePath(QStringLiteral("open/piece_update.tnsx")));
    QVERIFY(!QFileInfo::exists(copy->filePath));
    QCOMPARE(dumpModel(open), openDump);
    QCOMPARE(open->buildScoreXml(ScoreXmlMode::ScoreFile), openText);
}

// The program's directives (written as fingering texts) are never in a
// revised file from MuseScore: the command line's update leaves them out of
// the comparison, so the measures that hold them stay with them.
void TestMainWindowUpdate::commandLineUpdateKeepsDirectives_data()
{
    QTest::addColumn<MeasureChanges>("revisedChanges");
    QTest::addColumn<int>("updated");
    QTest::newRow("nothing else changed") << MeasureChanges() << 0;
    QTest::newRow("another measure changed")
        << MeasureChanges{{1, noteXml(QStringLiteral("D"))}} << 1;
}

void TestMainWindowUpdate::commandLineUpdateKeepsDirectives()
{
    QFETCH(MeasureChanges, revisedChanges);
    QFETCH(int, updated);
    MainWindow window;
    Score *open =
        openScore(window, partwiseText({measuresWith(2, {{0, fingered("C", ".noPrev")}})}));
    QCOMPARE(open->noteAt(0, 0, 0, 0)->directives.size(), 1);
    const QString path = revisedFile(partwiseText({measuresWith(2, revisedChanges)}));

    window.runStartRequest(
        readCommandLine({QStringLiteral("velmora"), QStringLiteral("-U"), path}));

    QCOMPARE(informationTexts(), QStringList{updatedMessage.arg(updated)});
    Score *copy = window.currentScore();
    QVERIFY(copy != open);
    QCOMPARE(copy->noteAt(0, 0, 0, 0)->directives.size(), 1);
    if (updated)
        QCOMPARE(copy->noteAt(1, 0, 0, 0)->step, QStringLiteral("D"));
}

// The menu slot asks for the file and leaves fingering texts out of the
// comparison, where the command line's update counts them.
void TestMainWindowUpdate::updateWithoutFingeringsFromTheMenuSlot()
{
    MainWindow window;
    openScore(window, partwiseText({measuresWith(2, {{0, fingered("C", "1")}})}));
    const QString path = revisedFile(partwiseText({measuresWith(2, {{0, fingered("C", "2")}})}));

    window.importUpdatePure2(path, false);
    QCOMPARE(informationTexts(), QStringList{updatedMessage.arg(1)});

    // Again from the open score, whose fingering still differs.
    window.tabWidget->setCurrentIndex(0);
    prompter().reset();
    prompter().fileAnswers << path;
    MessageCapture capture;
    window.importUpdatePure();
    QVERIFY(capture.contains(QStringLiteral("importUpdateIgnore Entered.")));
    const auto files = prompter().prompts;
    QCOMPARE(files.first().kind, QStringLiteral("openFileName"));
    QCOMPARE(files.first().title, updateDialogTitle);
    QCOMPARE(files.first().filter, QStringLiteral("MusicXml files (*.xml *.musicxml *.mxl)"));
    QCOMPARE(informationTexts(), QStringList{updatedMessage.arg(0)});
    QCOMPARE(tabTexts(window), (QStringList{"piece", "piece_update", "piece_update"}));
    QVERIFY(window.currentScore()->logText.endsWith(
        QStringLiteral("importUpdate completed-------------\n")));

    // A cancelled file dialog updates nothing.
    prompter().reset();
    window.importUpdatePure();
    QCOMPARE(window.tabWidget->count(), 3);
    QVERIFY(informationTexts().isEmpty());
}

void TestMainWindowUpdate::missingRevisedFileKeepsTheCopy()
{
    MainWindow window;
    Score *open = openScore(window, partwiseText({measuresWith(2)}));
    const QString openDump = dumpModel(open);
    window.importUpdatePure2(folder->filePath(QStringLiteral("no-such.xml")), false);
    QCOMPARE(tabTexts(window), (QStringList{"piece", "piece_update"}));
    QCOMPARE(informationTexts(), QStringList{updatedMessage.arg(0)});
    QCOMPARE(dumpModel(window.currentScore()), openDump);
}

void TestMainWindowUpdate::unreadableOrRefusedRevisedFileRemovesTheCopy_data()
{
    QTest::addColumn<bool>("folderInPlace");
    QTest::addColumn<QString>("messageStart");
    QTest::newRow("a folder at the path") << true << "Can't read file";
    QTest::newRow("not a score") << false << "";
}

void TestMainWindowUpdate::unreadableOrRefusedRevisedFileRemovesTheCopy()
{
    QFETCH(bool, folderInPlace);
    QFETCH(QString, messageStart);
    MainWindow window;
    Score *open = openScore(window, partwiseText({measuresWith(2)}));
    const QString openDump = dumpModel(open);
    QString path = folder->filePath(QStringLiteral("revised.xml"));
    if (folderInPlace)
        QDir().mkpath(path);
    else
        path = fixturePath(QStringLiteral("import/import-NotAScore.xml"));

    window.importUpdatePure2(path, false);

    QCOMPARE(tabTexts(window), QStringList{"piece"});
    QCOMPARE(window.currentScore(), open);
    QCOMPARE(dumpModel(open), openDump);
    // Only the reader's or the loader's own message, no count.
    const QStringList texts = prompter().texts();
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts.first().startsWith(messageStart), qPrintable(texts.first()));
    QVERIFY(!texts.first().contains(QStringLiteral("were updated")));
    QVERIFY(!texts.first().contains(QStringLiteral("Numbers of parts")));
}

void TestMainWindowUpdate::refusedMergeRemovesTheCopy_data()
{
    QTest::addColumn<QStringList>("revisedParts");
    QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("part counts differ")
        << QStringList{measuresWith(2), measuresWith(2), measuresWith(2)}
        << QList<QMessageBox::StandardButton>{}
        << QStringList{"Can't Import Update: Numbers of parts are not the same: 2 vs 3."};
    QTest::newRow("measure counts declined")
        << QStringList{measuresWith(3), measuresWith(3)}
        << QList<QMessageBox::StandardButton>{QMessageBox::Cancel}
        << QStringList{"Numbers of measures of the original and the new scores are not the same: "
                       "2 v.s. 3.\n\nDo you really want to import?"};
}

void TestMainWindowUpdate::refusedMergeRemovesTheCopy()
{
    QFETCH(QStringList, revisedParts);
    QFETCH(QList<QMessageBox::StandardButton>, answers);
    QFETCH(QStringList, texts);
    MainWindow window;
    Score *open = openScore(window, partwiseText({measuresWith(2), measuresWith(2)}));
    const QString openDump = dumpModel(open);
    prompter().questionAnswers.append(answers);
    window.importUpdatePure2(revisedFile(partwiseText(revisedParts)), false);
    QCOMPARE(tabTexts(window), QStringList{"piece"});
    QCOMPARE(window.currentScore(), open);
    QCOMPARE(dumpModel(open), openDump);
    QCOMPARE(prompter().texts(), texts);
}

// The new file is the base: its music, the old score's layout, a name next
// to the old score and nothing on disk yet.
void TestMainWindowUpdate::updateOntoTheNewFile()
{
    MainWindow window;
    Score *old = openScore(window, partwiseText({measuresWith(3)}), QStringLiteral("old.xml"));
    old->measures.at(1)->userScale = 1.25;
    const QString oldDump = dumpModel(old);
    const QString path =
        revisedFile(partwiseText({measuresWith(3, {{2, noteXml(QStringLiteral("E"))}})}));
    prompter().fileAnswers << path;
    MessageCapture capture;

    emit window.dialogImportExport->sigImportUpdatePure();

    QCOMPARE(prompter().prompts.first().title, updateDialogTitle);
    QVERIFY(prompter().texts(QStringLiteral("question")).isEmpty());
    QCOMPARE(tabTexts(window), (QStringList{"old", "old_update"}));
    Score *updated = window.currentScore();
    const QString updatePath = folder->filePath(QStringLiteral("open/old_update.tnsx"));
    QCOMPARE(updated->filePath, updatePath);
    QCOMPARE(updated->musicXmlFilePath, path);
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora - ") + updatePath);
    QVERIFY(!QFileInfo::exists(updatePath));
    QCOMPARE(updated->measures.at(1)->userScale, 1.25);
    QCOMPARE(updated->noteAt(2, 0, 0, 0)->step, QStringLiteral("E"));
    QVERIFY(updated->changed);
    QVERIFY(!updated->scene->items().isEmpty());
    QVERIFY(capture.contains(QStringLiteral("importUpdateFile2 path2, newScore->fileName, "
                                            "newScore->musicXmlFilePath = ") +
                             path + ", " + updatePath + ", " + path));
    QCOMPARE(dumpModel(old), oldDump);
}

void TestMainWindowUpdate::updateOntoTheNewFileNamedByTheSavedScore()
{
    MainWindow window;
    Score *old = openScore(window, partwiseText({measuresWith(2)}), QStringLiteral("old.xml"));
    const QString saved = folder->filePath(QStringLiteral("saved/Sakura.tnsx"));
    QDir().mkpath(QFileInfo(saved).path());
    QVERIFY(old->saveFileAs(saved));
    prompter().reset();
    prompter().fileAnswers << revisedFile(partwiseText({measuresWith(2)}));
    window.importUpdateFile2();
    QCOMPARE(window.tabWidget->count(), 2);
    QCOMPARE(window.tabWidget->tabText(1), QStringLiteral("Sakura_update"));
    QCOMPARE(window.currentScore()->filePath,
             folder->filePath(QStringLiteral("saved/Sakura_update.tnsx")));
    QCOMPARE(old->filePath, saved);
}

void TestMainWindowUpdate::differingCountsAsk_data()
{
    QTest::addColumn<bool>("museScore");
    QTest::addColumn<QStringList>("newParts");
    QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<bool>("kept");
    const QString parts =
        QStringLiteral("Number of parts are different! (1 vs 2) \nParts with the same part number "
                       "should correspond each other.\nDo you really want to import?");
    const QString measures = QStringLiteral(
        "Number of measures are different! (2 vs 4) \nMeasures with the same measure number "
        "should correspond each other.\nDo you really want to import?");
    using Answers = QList<QMessageBox::StandardButton>;
    for (bool museScore : {false, true}) {
        const char *kind = museScore ? "MuseScore: " : "file: ";
        QTest::addRow("%sparts, No", kind)
            << museScore << QStringList{measuresWith(2), measuresWith(2)}
            << Answers{QMessageBox::No} << QStringList{parts} << false;
        QTest::addRow("%sparts, Yes", kind)
            << museScore << QStringList{measuresWith(2), measuresWith(2)}
            << Answers{QMessageBox::Yes} << QStringList{parts} << true;
        QTest::addRow("%smeasures, Cancel", kind)
            << museScore << QStringList{measuresWith(4)} << Answers{QMessageBox::Cancel}
            << QStringList{measures} << false;
        QTest::addRow("%sboth, Yes then No", kind)
            << museScore << QStringList{measuresWith(4), measuresWith(4)}
            << Answers{QMessageBox::Yes, QMessageBox::No} << QStringList{parts, measures} << false;
        QTest::addRow("%sboth, Yes twice", kind)
            << museScore << QStringList{measuresWith(4), measuresWith(4)}
            << Answers{QMessageBox::Yes, QMessageBox::Yes} << QStringList{parts, measures} << true;
    }
}

void TestMainWindowUpdate::differingCountsAsk()
{
    QFETCH(bool, museScore);
    QFETCH(QStringList, newParts);
    QFETCH(QList<QMessageBox::StandardButton>, answers);
    QFETCH(QStringList, questions);
    QFETCH(bool, kept);
    MainWindow window;
    Score *old = openScore(window, partwiseText({measuresWith(2)}), QStringLiteral("old.xml"));
    const QString oldDump = dumpModel(old);
    const QString text = partwiseText(newParts);
    if (museScore)
        writeText(handOffPath(), text);
    else
        prompter().fileAnswers << revisedFile(text);
    prompter().questionAnswers.append(answers);

    if (museScore)
        window.importUpdateFromMuseScore2();
    else
        window.importUpdateFile2();

    const auto asked = prompter().prompts;
    QStringList texts;
    for (const auto &prompt : asked) {
        if (prompt.kind != QStringLiteral("question"))
            continue;
        texts << prompt.text;
        QCOMPARE(prompt.title, QStringLiteral("Velmora"));
        QCOMPARE(prompt.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    }
    QCOMPARE(texts, questions);
    if (kept)
        QCOMPARE(tabTexts(window), (QStringList{"old", "old_update"}));
    else
        QCOMPARE(tabTexts(window), QStringList{"old"});
    QCOMPARE(dumpModel(old), oldDump);
}

void TestMainWindowUpdate::failedImportStopsTheUpdate_data()
{
    QTest::addColumn<bool>("museScore");
    QTest::newRow("onto the new file") << false;
    QTest::newRow("MuseScore") << true;
}

// A new file that cannot be loaded stops the update before any question;
// the old score keeps its tab, name and document.
void TestMainWindowUpdate::failedImportStopsTheUpdate()
{
    QFETCH(bool, museScore);
    MainWindow window;
    Score *old = openScore(window, partwiseText({measuresWith(2)}), QStringLiteral("old.xml"));
    const QString oldFile = old->filePath;
    const QString oldDocument = old->document.toString(1);
    // The hand-off file is missing; the chosen one is no score.
    prompter().fileAnswers << fixturePath(QStringLiteral("import/import-NotAScore.xml"));

    if (museScore)
        window.importUpdateFromMuseScore();
    else
        window.importUpdateFile2();

    QVERIFY(prompter().texts(QStringLiteral("question")).isEmpty());
    QCOMPARE(prompter().texts(QStringLiteral("warning")).size(), 1);
    QCOMPARE(tabTexts(window), QStringList{"old"});
    QCOMPARE(window.currentScore(), old);
    QCOMPARE(old->filePath, oldFile);
    QCOMPARE(old->document.toString(1), oldDocument);
}

// The hand-off update with equal counts: no question, the "_update" tab
// next to the old one, carrying its layout, drawn from its first measure.
void TestMainWindowUpdate::museScoreUpdate()
{
    MainWindow window;
    Score *old = openScore(window, partwiseText({measuresWith(2)}), QStringLiteral("old.xml"));
    old->measures.at(0)->userScale = 1.25;
    writeText(handOffPath(), partwiseText({measuresWith(2, {{0, noteXml(QStringLiteral("G"))}})}));

    emit window.dialogImportExport->sigImportUpdateFromMuseScore();

    QVERIFY(prompter().texts(QStringLiteral("question")).isEmpty());
    QCOMPARE(tabTexts(window), (QStringList{"old", "old_update"}));
    Score *updated = window.currentScore();
    const QString updatePath = folder->filePath(QStringLiteral("open/old_update.tnsx"));
    QCOMPARE(updated->filePath, updatePath);
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora - ") + updatePath);
    QVERIFY(!QFileInfo::exists(updatePath));
    QCOMPARE(updated->measures.at(0)->userScale, 1.25);
    QCOMPARE(updated->noteAt(0, 0, 0, 0)->step, QStringLiteral("G"));
    QVERIFY(!updated->scene->items().isEmpty());
}

VELMORA_TEST_MAIN(TestMainWindowUpdate)

} // namespace tst_main_window_update
#include "tst_main_window_update.moc"
