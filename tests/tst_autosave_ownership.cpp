// Whose autosave files a start may offer and delete: only those the program
// wrote as autosave files, and only those of instances that no longer run.
// Scores made from a recovered score are saved where the user says, a clean
// session leaves nothing to recover, and two instances never share a file.
#include "app/mainwindow.h"
#include "document/autosavefolder.h"
#include "model/score.h"
#include "support/testenvironment.h"
#include "view/scorewindow.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTabWidget>
#include <QUndoStack>

namespace tst_autosave_ownership {

using TestSupport::prompter;

namespace {

QString autoSaveFile(const QString &name)
{
    return AutoSaveFolder::path() + QLatin1Char('/') + name;
}

QString userFolder()
{
    return TestSupport::homePath() + QStringLiteral("/music");
}

// The bundled sample imported and written as a score file at `path`.
bool writeSampleScore(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    Score score(QStringLiteral("test"), 0, false);
    return score.readMusicXmlFile(TestSupport::samplePath()) && score.parseScoreXml(false) &&
           score.saveFileAs(path);
}

bool writeText(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// A process id that no process holds any more: a child that has ended.
qint64 deadProcessId()
{
    QProcess child;
    child.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    if (!child.waitForStarted())
        return 0;
    const qint64 pid = child.processId();
    child.kill();
    child.waitForFinished();
    return pid;
}

// The autosave files in the folder, by name (the lock files left out).
QStringList autoSaveNames()
{
    return QDir(AutoSaveFolder::path())
        .entryList({QStringLiteral("*_autosave.tnsx")}, QDir::Files, QDir::Name);
}

int recoveryQuestions()
{
    int count = 0;
    for (const auto &prompt : std::as_const(prompter().prompts))
        count += prompt.kind == QLatin1String("dialog");
    return count;
}

// One edit on the undo stack.
void edit(Score *score)
{
    score->undoStack->push(new QUndoCommand(QStringLiteral("UpdateStyle")));
}

} // namespace

class TestAutoSaveOwnership : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void scoresMadeFromARecoveredScoreAreSavedWhereTheUserSays_data();
    void scoresMadeFromARecoveredScoreAreSavedWhereTheUserSays();
    void onlyFilesOfEndedInstancesAreOfferedAndDeleted_data();
    void onlyFilesOfEndedInstancesAreOfferedAndDeleted();
    void instancesWriteFilesOfTheirOwn();
    void aCleanSessionLeavesNothingToRecover_data();
    void aCleanSessionLeavesNothingToRecover();
    void unwritableFolderDeletesNothing();
    void aRecoveredScoreStandsForItsOriginal_data();
    void aRecoveredScoreStandsForItsOriginal();
    void aFileOpenInAnotherInstanceIsSaid_data();
    void aFileOpenInAnotherInstanceIsSaid();
    void theOpenFilesAreListedWhileOpen();
};

void TestAutoSaveOwnership::init()
{
    prompter().reset();
    AutoSaveFolder::endInstance();
    QDir(AutoSaveFolder::path()).removeRecursively();
    QDir(userFolder()).removeRecursively();
    QFile::remove(QDir::homePath() + QStringLiteral("/musescore_exported.musicxml"));
}

void TestAutoSaveOwnership::cleanup()
{
    QFile::remove(AutoSaveFolder::path());
    prompter().reset();
}

void TestAutoSaveOwnership::scoresMadeFromARecoveredScoreAreSavedWhereTheUserSays_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("duplicate") << "duplicate"
                               << "_copy";
    QTest::newRow("update from a file") << "updateFromFile"
                                        << "_update";
    QTest::newRow("update from MuseScore") << "updateFromMuseScore"
                                           << "_update";
    QTest::newRow("note names to lyrics") << "noteNamesToLyrics"
                                          << "_lyric";
    QTest::newRow("staff-notation part") << "staffNotationPart"
                                         << "_duppart";
}

void TestAutoSaveOwnership::scoresMadeFromARecoveredScoreAreSavedWhereTheUserSays()
{
    QFETCH(QString, command);
    QFETCH(QString, suffix);
    // Left by an instance that crashed: no lock holds it.
    const QString recovered = autoSaveFile(QStringLiteral("piece_0-0badf00d_autosave.tnsx"));
    QVERIFY(writeSampleScore(recovered));
    const QString saved = userFolder() + QStringLiteral("/kept.tnsx");
    QVERIFY(QDir().mkpath(userFolder()));
    {
        prompter().dialogScripts << [](QDialog *) { return int(QDialog::Accepted); };
        MainWindow window;
        QCOMPARE(window.tabWidget->count(), 1);
        QCOMPARE(window.currentScore()->filePath, recovered);

        if (command == QLatin1String("duplicate")) {
            window.duplicate();
        } else if (command == QLatin1String("updateFromFile")) {
            prompter().fileAnswers << TestSupport::samplePath();
            window.importUpdateFile2();
        } else if (command == QLatin1String("updateFromMuseScore")) {
            QVERIFY(QFile::copy(TestSupport::samplePath(),
                                QDir::homePath() + QStringLiteral("/musescore_exported.musicxml")));
            window.importUpdateFromMuseScore2();
        } else if (command == QLatin1String("noteNamesToLyrics")) {
            window.outputNoteNamesToLyrics();
        } else {
            prompter().integerAnswers << 1;
            window.on_actionInsertSNPart_triggered();
        }
        QCOMPARE(window.tabWidget->count(), 2);
        // Named after the score the user had, not after its autosave file.
        QCOMPARE(window.tabWidget->tabText(1), QStringLiteral("piece") + suffix);

        prompter().prompts.clear();
        prompter().fileAnswers << saved;
        window.saveFile();
        QList<TestSupport::ScriptedPrompter::Prompt> asked;
        for (const auto &prompt : std::as_const(prompter().prompts)) {
            if (prompt.kind == QLatin1String("saveFileName"))
                asked << prompt;
        }
        QCOMPARE(asked.size(), 1);
        // In the folder of the MusicXML file it came from, else in the
        // Documents folder.
        const QString source = window.currentScore()->musicXmlFilePath;
        const QString folder =
            source.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                             : QFileInfo(source).absolutePath();
        QCOMPARE(asked.first().folder,
                 folder + QStringLiteral("/piece") + suffix + QStringLiteral(".tnsx"));
        QVERIFY(QFileInfo::exists(saved));
        QCOMPARE(window.currentScore()->filePath, saved);
        // Nothing but autosave files, locks and the list of open files went
        // into the folder.
        for (const QString &name : QDir(AutoSaveFolder::path()).entryList(QDir::Files))
            QVERIFY2(AutoSaveFolder::isAutoSaveName(name) ||
                         name.endsWith(QLatin1String(".lock")) ||
                         name.endsWith(QLatin1String(".open")),
                     qPrintable(name));
    }
    // The program ends; at its next start the user deletes what is left.
    AutoSaveFolder::endInstance();
    prompter().reset();
    prompter().dialogScripts << [](QDialog *) { return int(QDialog::Rejected); };
    {
        MainWindow next;
        QCOMPARE(recoveryQuestions(), 1);
        QCOMPARE(next.tabWidget->count(), 0);
    }
    QVERIFY(QFileInfo::exists(saved));
    QCOMPARE(autoSaveNames(), QStringList());
}

void TestAutoSaveOwnership::onlyFilesOfEndedInstancesAreOfferedAndDeleted_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("Cancel") << int(QDialog::Rejected);
    QTest::newRow("OK") << int(QDialog::Accepted);
}

void TestAutoSaveOwnership::onlyFilesOfEndedInstancesAreOfferedAndDeleted()
{
    QFETCH(int, answer);
    // Another instance that runs: its lock is held.
    const QString live = autoSaveFile(QStringLiteral("live_0-aaaaaaaa_autosave.tnsx"));
    QVERIFY(writeSampleScore(live));
    QLockFile liveLock(autoSaveFile(QStringLiteral("aaaaaaaa.lock")));
    QVERIFY(liveLock.tryLock(0));
    // An instance that crashed: its lock names a process that is gone.
    const QString dead = autoSaveFile(QStringLiteral("dead_0-bbbbbbbb_autosave.tnsx"));
    QVERIFY(writeSampleScore(dead));
    const qint64 pid = deadProcessId();
    QVERIFY(pid > 0);
    const QString deadLock = autoSaveFile(QStringLiteral("bbbbbbbb.lock"));
    QVERIFY(writeText(deadLock, QByteArray::number(pid) + "\nvelmora\n" +
                                    QSysInfo::machineHostName().toUtf8() + '\n'));
    // A lock that cannot be read: its writer cannot be judged.
    const QString unknown = autoSaveFile(QStringLiteral("unknown_0-cccccccc_autosave.tnsx"));
    QVERIFY(writeSampleScore(unknown));
    QVERIFY(writeText(autoSaveFile(QStringLiteral("cccccccc.lock")), "\x01garbage"));
    // Not an autosave file at all.
    const QString other = autoSaveFile(QStringLiteral("notes_copy.tnsx"));
    QVERIFY(writeSampleScore(other));
    // An instance that crashed after reopening the file above: it wrote
    // into that file only, so its own lock has no file of its key.
    QVERIFY(writeText(autoSaveFile(QStringLiteral("dddddddd.lock")),
                      QByteArray::number(pid) + "\nvelmora\n" +
                          QSysInfo::machineHostName().toUtf8() + '\n'));

    QString listed;
    prompter().dialogScripts << [&](QDialog *dialog) {
        listed = dialog->findChild<QLabel *>(QStringLiteral("label"))->text();
        return answer;
    };
    MainWindow window;
    QCOMPARE(recoveryQuestions(), 1);
    QVERIFY(listed.contains(QStringLiteral("dead_0-bbbbbbbb_autosave.tnsx")));
    for (const QString &name :
         {QStringLiteral("live_"), QStringLiteral("unknown_"), QStringLiteral("notes_copy")})
        QVERIFY2(!listed.contains(name), qPrintable(name));

    const bool opened = answer == QDialog::Accepted;
    QCOMPARE(window.tabWidget->count(), opened ? 1 : 0);
    QCOMPARE(QFileInfo::exists(dead), opened);
    for (const QString &kept : {live, unknown, other})
        QVERIFY2(QFileInfo::exists(kept), qPrintable(kept));
    // The ended instance's lock is now this one's while it keeps its file.
    QLockFile again(deadLock);
    QCOMPARE(again.tryLock(0), !opened);
    again.unlock();
    QVERIFY(liveLock.isLocked());

    // This run ends: of the locks only those of the running instance and
    // of the one that cannot be judged are left in the folder.
    if (opened)
        prompter().questionAnswers << QMessageBox::No; // close without saving
    QVERIFY(window.exitProg());
    AutoSaveFolder::endInstance();
    const QStringList locksLeft =
        QDir(AutoSaveFolder::path()).entryList({QStringLiteral("*.lock")}, QDir::Files, QDir::Name);
    QCOMPARE(locksLeft,
             QStringList({QStringLiteral("aaaaaaaa.lock"), QStringLiteral("cccccccc.lock")}));
}

void TestAutoSaveOwnership::instancesWriteFilesOfTheirOwn()
{
    // Another instance's file for a score of the same name and number.
    const QString theirs = autoSaveFile(QStringLiteral("piece_0-aaaaaaaa_autosave.tnsx"));
    QVERIFY(writeText(theirs, "theirs"));
    QLockFile theirLock(autoSaveFile(QStringLiteral("aaaaaaaa.lock")));
    QVERIFY(theirLock.tryLock(0));

    Score score(QStringLiteral("test"), 0, true);
    QVERIFY(score.readMusicXmlFile(TestSupport::samplePath()));
    QVERIFY(score.parseScoreXml(false));
    score.filePath = userFolder() + QStringLiteral("/piece.tnsx");
    score.setChanged(true);
    score.autoSave();
    const QString mine = score.autoSavePath();
    QVERIFY(mine != theirs);
    QVERIFY(mine.contains(AutoSaveFolder::instanceKey()));
    QVERIFY(QFileInfo::exists(mine));
    QFile file(theirs);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("theirs"));
}

void TestAutoSaveOwnership::aCleanSessionLeavesNothingToRecover_data()
{
    QTest::addColumn<QString>("closing");
    QTest::newRow("tab close button") << "tab";
    QTest::newRow("Close") << "close";
    QTest::newRow("Exit") << "exit";
}

void TestAutoSaveOwnership::aCleanSessionLeavesNothingToRecover()
{
    QFETCH(QString, closing);
    const QString path = userFolder() + QStringLiteral("/piece.tnsx");
    QVERIFY(writeSampleScore(path));
    {
        MainWindow window;
        window.openFile2(path);
        Score *score = window.currentScore();
        QVERIFY(score);
        edit(score);
        score->autoSave();
        QVERIFY(QFileInfo::exists(score->autoSavePath()));
        window.saveFile();
        QVERIFY(!QFileInfo::exists(score->autoSavePath()));
        QVERIFY(!score->changedSinceAutoSave);
        // The tick after the save has nothing to write.
        score->autoSave();
        QCOMPARE(autoSaveNames(), QStringList());
        if (closing == QLatin1String("tab"))
            window.closeTab(0);
        else if (closing == QLatin1String("close"))
            window.closeFile();
        else
            QVERIFY(window.exitProg());
        QCOMPARE(window.tabWidget->count(), 0);
        QCOMPARE(prompter().texts(QStringLiteral("question")), QStringList());
    }
    AutoSaveFolder::endInstance();
    MainWindow next;
    QCOMPARE(recoveryQuestions(), 0);
    QCOMPARE(prompter().beeps, 0);
}

void TestAutoSaveOwnership::unwritableFolderDeletesNothing()
{
    // A file where the folder should be: nothing can be written there.
    QVERIFY(writeText(AutoSaveFolder::path(), "a file of the user's"));
    MainWindow window;
    QCOMPARE(recoveryQuestions(), 0);
    const QString path = userFolder() + QStringLiteral("/piece.tnsx");
    QVERIFY(writeSampleScore(path));
    window.openFile2(path);
    Score *score = window.currentScore();
    QVERIFY(score);
    edit(score);
    score->autoSave();
    const QStringList warnings = prompter().texts(QStringLiteral("warning"));
    QCOMPARE(warnings.size(), 1);
    QVERIFY(
        warnings.first().startsWith(QStringLiteral("Can't write file (") + score->autoSavePath()));
    QFile file(AutoSaveFolder::path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("a file of the user's"));
    window.closeTab(0);
    QCOMPARE(window.tabWidget->count(), 0);
}

void TestAutoSaveOwnership::aRecoveredScoreStandsForItsOriginal_data()
{
    QTest::addColumn<QString>("original");
    QTest::addColumn<QString>("offered");
    QTest::newRow("score file") << "gift.tnsx"
                                << "gift.tnsx";
    QTest::newRow("imported MusicXML file") << "gift.musicxml"
                                            << "gift.tnsx";
}

// An instance autosaves a changed score and ends without saving it; the
// next start recovers it. Its tab and its Save speak of the file it was
// made from, in that file's folder, not of the autosave file.
void TestAutoSaveOwnership::aRecoveredScoreStandsForItsOriginal()
{
    QFETCH(QString, original);
    QFETCH(QString, offered);
    const QString source = userFolder() + QLatin1Char('/') + original;
    if (source.endsWith(QLatin1String(".tnsx"))) {
        QVERIFY(writeSampleScore(source));
    } else {
        QVERIFY(QDir().mkpath(userFolder()));
        QVERIFY(QFile::copy(TestSupport::samplePath(), source));
    }
    {
        Score score(QStringLiteral("test"), 4, true);
        QVERIFY(source.endsWith(QLatin1String(".tnsx")) ? score.readFile(source)
                                                        : score.readMusicXmlFile(source));
        QVERIFY(score.parseScoreXml(false));
        score.setChanged(true);
        score.autoSave();
        QCOMPARE(autoSaveNames().size(), 1);
    }
    AutoSaveFolder::endInstance();
    // The working folder is not the original's.
    QVERIFY(QDir::currentPath() != userFolder());

    prompter().dialogScripts << [](QDialog *) { return int(QDialog::Accepted); };
    MainWindow window;
    QCOMPARE(window.tabWidget->count(), 1);
    QVERIFY(AutoSaveFolder::contains(window.currentScore()->filePath));
    QCOMPARE(window.tabWidget->tabText(0), QStringLiteral("gift"));
    window.saveFile();
    QList<TestSupport::ScriptedPrompter::Prompt> asked;
    for (const auto &prompt : std::as_const(prompter().prompts)) {
        if (prompt.kind == QLatin1String("saveFileName"))
            asked << prompt;
    }
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().folder, userFolder() + QLatin1Char('/') + offered);
    // Cancelled: the recovered file stays the score's.
    QVERIFY(QFileInfo::exists(window.currentScore()->filePath));
}

// What another instance lists as open: its running (or ended) lock and its
// list of files.
void TestAutoSaveOwnership::aFileOpenInAnotherInstanceIsSaid_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("listed"); // relative to the user's folder
    QTest::addColumn<QString>("opened");
    QTest::addColumn<bool>("said");
    QTest::newRow("open in a running instance") << true << "piece.tnsx"
                                                << "piece.tnsx" << true;
    QTest::newRow("reached through a link to its folder") << true << "piece.tnsx"
                                                          << "../linked/piece.tnsx" << true;
    QTest::newRow("another file open there") << true << "other.tnsx"
                                             << "piece.tnsx" << false;
    QTest::newRow("listed by an instance that ended") << false << "piece.tnsx"
                                                      << "piece.tnsx" << false;
}

void TestAutoSaveOwnership::aFileOpenInAnotherInstanceIsSaid()
{
    QFETCH(bool, running);
    QFETCH(QString, listed);
    QFETCH(QString, opened);
    QFETCH(bool, said);
    const QString path = userFolder() + QStringLiteral("/piece.tnsx");
    QVERIFY(writeSampleScore(path));
    QVERIFY(writeSampleScore(userFolder() + QStringLiteral("/other.tnsx")));
    QVERIFY(QFile::link(userFolder(), TestSupport::homePath() + QStringLiteral("/linked")));
    const QString list = autoSaveFile(QStringLiteral("aaaaaaaa.open"));
    QVERIFY(writeText(
        list,
        QFileInfo(userFolder() + QLatin1Char('/') + listed).canonicalFilePath().toUtf8() + '\n'));
    QLockFile lock(autoSaveFile(QStringLiteral("aaaaaaaa.lock")));
    if (running) {
        QVERIFY(lock.tryLock(0));
    } else {
        QVERIFY(writeText(lock.fileName(), QByteArray::number(deadProcessId()) + "\nvelmora\n" +
                                               QSysInfo::machineHostName().toUtf8() + '\n'));
    }

    MainWindow window;
    const QString shown = QDir::cleanPath(userFolder() + QLatin1Char('/') + opened);
    window.openFile2(shown);
    QFile::remove(TestSupport::homePath() + QStringLiteral("/linked"));
    QVERIFY(window.currentScore());
    const QString message = QStringLiteral("%1 is also open in another Velmora that is running."
                                           "\n\nEach window keeps its own changes: a save here "
                                           "asks before it replaces what was saved there.")
                                .arg(window.currentScore()->filePath);
    QCOMPARE(prompter().texts(QStringLiteral("information")),
             said ? QStringList{message} : QStringList());
    // The list of an instance that ended is gone; a running one's stays.
    QCOMPARE(QFileInfo::exists(list), running);
}

// This instance's own list names the files of its tabs: the one opened,
// then the name it is saved as; a closed score's file no longer.
void TestAutoSaveOwnership::theOpenFilesAreListedWhileOpen()
{
    const QString path = userFolder() + QStringLiteral("/piece.tnsx");
    const QString renamed = userFolder() + QStringLiteral("/renamed.tnsx");
    QVERIFY(writeSampleScore(path));
    MainWindow window;
    const QString list = autoSaveFile(AutoSaveFolder::instanceKey() + QStringLiteral(".open"));
    const auto listedFiles = [&list] {
        QFile file(list);
        if (!file.open(QIODevice::ReadOnly))
            return QStringList();
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    };
    QCOMPARE(listedFiles(), QStringList());
    window.openFile2(path);
    QVERIFY(window.currentScore());
    QCOMPARE(listedFiles(), QStringList{QFileInfo(path).canonicalFilePath()});
    prompter().fileAnswers << renamed;
    window.saveAs();
    QCOMPARE(window.currentScore()->filePath, renamed);
    QCOMPARE(listedFiles(), QStringList{QFileInfo(renamed).canonicalFilePath()});
    window.closeTab(0);
    QCOMPARE(window.tabWidget->count(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!QFileInfo::exists(list));

    // The program ends with a score open: its instance ends first, then
    // the window goes; neither a list nor a new lock is left behind.
    {
        MainWindow last;
        last.openFile2(renamed);
        QVERIFY(last.currentScore());
        QVERIFY(QFileInfo::exists(list));
        AutoSaveFolder::endInstance();
    }
    QCOMPARE(QDir(AutoSaveFolder::path())
                 .entryList({QStringLiteral("*.open"), QStringLiteral("*.lock")}, QDir::Files),
             QStringList());
}

VELMORA_TEST_MAIN(TestAutoSaveOwnership)

} // namespace tst_autosave_ownership
#include "tst_autosave_ownership.moc"
