// Opening score files in the main window: the creating-version check, File >
// Open, the recent and sample actions, dropped files (on the window and on a
// score view), files that cannot be opened, and the recovery of autosaved
// files at start.
#include "app/commandline.h"
#include "app/dialogopenautosave.h"
#include "app/mainwindow.h"
#include "dialogs/partdialog.h"
#include "document/autosavefolder.h"
#include "document/scorexmlmode.h"
#include "model/page.h"
#include "model/score.h"
#include "support/dialogshot.h"
#include "support/messagecapture.h"
#include "support/testenvironment.h"
#include "view/scene.h"
#include "view/scorewindow.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QUrl>

namespace tst_open_files {

namespace {

using TestSupport::prompter;

const QString sampleResource = QStringLiteral(":/samples/Sakura Sakura (Shakuhachi Tozan).tnsx");
const QString tooOld =
    QStringLiteral("Sorry, this file was too old. Please import the MusicXML file.");

QString sampleText()
{
    QFile file(sampleResource);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool writeText(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

// The sample score file written to `path` after `change` edited its text.
QString writeScore(
    const QString &path,
    const std::function<QString(QString)> &change = [](QString text) { return text; })
{
    const QString text = change(sampleText());
    return writeText(path, text) ? path : QString();
}

QString withVersion(QString text, const QString &version)
{
    return text.replace(QStringLiteral("name=\"Velmora\" version=\"5.3.1\""),
                        QStringLiteral("name=\"Velmora\" version=\"%1\"").arg(version));
}

QString autoSaveFolder()
{
    return QDir::homePath() + QStringLiteral("/velmora_autosave");
}

QStringList warnings()
{
    return prompter().texts(QStringLiteral("warning"));
}

int dialogRuns(const QString &title)
{
    int runs = 0;
    for (const auto &prompt : std::as_const(prompter().prompts))
        runs += prompt.kind == QLatin1String("dialog") && prompt.title == title;
    return runs;
}

// Reach the protected drop handlers, as the toolkit does for a real drag.
struct WindowDropTarget : MainWindow
{
    using MainWindow::dropEvent;
};
struct ScoreDropTarget : Score
{
    using Score::dropEvent;
};

// Drops local files on the window, or on the score's view when `score` is
// given, as a file manager does.
void dropFiles(MainWindow &window, Score *score, const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    QMimeData data;
    data.setUrls(urls);
    QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    event.setAccepted(false);
    if (score)
        (score->*(&ScoreDropTarget::dropEvent))(&event);
    else
        (window.*(&WindowDropTarget::dropEvent))(&event);
    QVERIFY(event.isAccepted());
}

} // namespace

class TestOpenFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void versionCheck_data();
    void versionCheck();
    void openFromTheDialog();
    void cancelledOpenCreatesNothing();
    void autoSaveNamesStayOutOfRecentFilesOnlyThroughOpen();
    void sampleAction();
    void sendersThatAreNotActions();
    void unopenableFilesLeaveNoTab_data();
    void unopenableFilesLeaveNoTab();
    void drops_data();
    void drops();
    void droppedMusicXmlBesideAScoreImitatesIt();
    void droppedMusicXmlOnAnEmptyWindowRunsThePartDialog();
    void dropPathsKeepTheirLeadingSlash_data();
    void dropPathsKeepTheirLeadingSlash();
    void autoSaveRecovery_data();
    void autoSaveRecovery();
    void autoSaveRecoverySkipsARefusedFile();
    void autoSaveQuestion();
    void everyRefusalNamesTheFile_data();
    void everyRefusalNamesTheFile();
    void renamedPlainMusicXmlImports();

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
};

void TestOpenFiles::init()
{
    prompter().reset();
    // Each case starts as a new run of the program.
    AutoSaveFolder::endInstance();
    QDir(autoSaveFolder()).removeRecursively();
    QFile::remove(Score::velmoraEnvPath());
}

void TestOpenFiles::cleanup()
{
    prompter().reset();
    QDir(autoSaveFolder()).removeRecursively();
    QFile::remove(Score::velmoraEnvPath());
}

void TestOpenFiles::versionCheck_data()
{
    QTest::addColumn<QString>("version"); // "" keeps the sample's
    QTest::addColumn<QString>("remove");  // text cut from the file
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("warning");
    // A file that is no score at all passes the check; the loader says why.
    QTest::addColumn<bool>("passes");

    const QString property = QStringLiteral("tarn-property");
    const QString program = QStringLiteral("creation-program");
    QTest::newRow("current") << QString() << QString() << true << QString() << true;
    QTest::newRow("ten") << QStringLiteral("10.0") << QString() << true << QString() << true;
    QTest::newRow("version 1") << QStringLiteral("1.2") << QString() << false << tooOld << false;
    QTest::newRow("no property") << QString() << property << false << tooOld << false;
    QTest::newRow("no program") << QString() << program << false << tooOld << false;
    QTest::newRow("other root") << QString() << QStringLiteral("root") << false << QString()
                                << true;
}

void TestOpenFiles::versionCheck()
{
    QFETCH(QString, version);
    QFETCH(QString, remove);
    QFETCH(bool, opens);
    QFETCH(QString, warning);
    QFETCH(bool, passes);

    const QString file = writeScore(path(QStringLiteral("version.tnsx")), [&](QString text) {
        if (!version.isEmpty())
            text = withVersion(text, version);
        if (remove == QLatin1String("tarn-property")) {
            const qsizetype from = text.indexOf(QStringLiteral("<tarn-property>"));
            const qsizetype to = text.indexOf(QStringLiteral("</tarn-property>")) + 16;
            text.remove(from, to - from);
        } else if (remove == QLatin1String("creation-program")) {
            text.remove(QRegularExpression(QStringLiteral("<creation-program[^>]*/>")));
        } else if (remove == QLatin1String("root")) {
            text.replace(QStringLiteral("score-partwise"), QStringLiteral("score-timewise"));
        }
        return text;
    });
    QVERIFY(!file.isEmpty());

    MainWindow window;
    QCOMPARE(window.checkFileVersion(file), passes);
    QCOMPARE(warnings(), warning.isEmpty() ? QStringList() : QStringList{warning});
    prompter().reset();
    window.openFile2(file);
    QCOMPARE(window.tabWidget->count(), opens ? 1 : 0);
    QCOMPARE(warnings().size(), opens ? 0 : 1);
}

void TestOpenFiles::openFromTheDialog()
{
    const QString file = writeScore(path(QStringLiteral("Opened Score.tnsx")));
    // Settings an imitating import would carry; a score file keeps its own.
    {
        auto *score = new Score(QStringLiteral("test"), 99, false);
        QVERIFY(score->readFile(file) && score->parseScoreXml(false));
        QVERIFY(!score->page->horizontal);
        score->page->horizontal = true;
        score->page->measurePerLine = 7;
        QVERIFY(score->writeVelmoraEnv());
        delete score;
    }

    MainWindow window;
    prompter().fileAnswers << file;
    TestSupport::MessageCapture capture;
    window.openFile();

    QCOMPARE(capture.lines().value(0), QStringLiteral("openFile Entered."));
    const auto picker = prompter().prompts.value(0);
    QCOMPARE(picker.kind, QStringLiteral("openFileName"));
    QCOMPARE(picker.title, QStringLiteral("Velmora: Open Velmora file"));
    QCOMPARE(picker.filter, QStringLiteral("Velmora files (*.tnsx)"));
    QCOMPARE(picker.folder, QString());

    QCOMPARE(window.tabWidget->count(), 1);
    QCOMPARE(window.tabWidget->tabText(0), QStringLiteral("Opened Score"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora - ") + file);
    Score *score = window.currentScore();
    QCOMPARE(score->filePath, file);
    QVERIFY(!score->page->horizontal);
    QVERIFY(score->page->measurePerLine != 7);
    QCOMPARE(score->zoomFactor, 0.6);
    QVERIFY(!score->scene->items().isEmpty());
    QVERIFY(!score->changed);
    QCOMPARE(window.recentFiles.value(0), file);
    QVERIFY(warnings().isEmpty());
}

void TestOpenFiles::cancelledOpenCreatesNothing()
{
    MainWindow window;
    const QStringList recent = window.recentFiles;
    window.openFile();
    QCOMPARE(prompter().texts(QStringLiteral("openFileName")).size(), 1);
    QCOMPARE(window.tabWidget->count(), 0);
    QCOMPARE(window.recentFiles, recent);
    QVERIFY(warnings().isEmpty());
}

void TestOpenFiles::autoSaveNamesStayOutOfRecentFilesOnlyThroughOpen()
{
    const QString folder = path(QStringLiteral("recent"));
    const QString file = writeScore(folder + QStringLiteral("/Song_1_autosave.tnsx"));
    MainWindow window;
    window.recentFiles.clear();

    prompter().fileAnswers << file;
    window.openFile();
    QCOMPARE(window.tabWidget->count(), 1);
    QVERIFY(!window.recentFiles.contains(file));

    const QString before = QDir::currentPath();
    QAction action;
    action.setData(file);
    connect(&action, &QAction::triggered, &window, &MainWindow::openRecentFile);
    action.trigger();
    QCOMPARE(window.tabWidget->count(), 2);
    QCOMPARE(window.recentFiles.value(0), file);
    QCOMPARE(QDir::currentPath(), QFileInfo(folder).canonicalFilePath());
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora - ") + file);
    // Named after the score it stands for, not after its autosave file.
    QCOMPARE(window.tabWidget->tabText(1), QStringLiteral("Song"));
    QVERIFY(window.currentScore()->logText.endsWith(
        QStringLiteral("openRecentFile completed--------------\n")));
    QDir::setCurrent(before);
}

void TestOpenFiles::sampleAction()
{
    MainWindow window;
    QVERIFY(!window.sampleActions.isEmpty());
    QAction *sample = window.sampleActions.first();
    sample->trigger();
    QCOMPARE(window.tabWidget->count(), 1);
    Score *score = window.currentScore();
    QCOMPARE(score->filePath, sample->data().toString());
    QVERIFY(score->logText.endsWith(QStringLiteral("openSampleFile completed--------------\n")));
}

void TestOpenFiles::sendersThatAreNotActions()
{
    MainWindow window;
    QTest::ignoreMessage(QtDebugMsg, "action emply");
    window.openRecentFile();
    QTest::ignoreMessage(QtDebugMsg, "action emply");
    window.openSampleFile();
    QCOMPARE(window.tabWidget->count(), 0);
    QVERIFY(warnings().isEmpty());
}

void TestOpenFiles::unopenableFilesLeaveNoTab_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("how");
    for (const char *kind : {"missing", "folder", "refused"}) {
        for (const char *how : {"open", "recent", "click", "mostRecent"})
            QTest::addRow("%s %s", kind, how)
                << QString::fromLatin1(kind) << QString::fromLatin1(how);
    }
}

void TestOpenFiles::unopenableFilesLeaveNoTab()
{
    QFETCH(QString, kind);
    QFETCH(QString, how);

    QString file = path(QStringLiteral("bad.tnsx"));
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(file));
    } else if (kind == QLatin1String("refused")) {
        // Right root and version, broken further on: only the loader sees it.
        const QString text = sampleText();
        QVERIFY(writeText(file, text.left(text.size() / 2)));
    }

    MainWindow window;
    window.recentFiles.clear();
    if (how == QLatin1String("open")) {
        prompter().fileAnswers << file;
        window.openFile();
    } else if (how == QLatin1String("recent")) {
        QAction action;
        action.setData(file);
        connect(&action, &QAction::triggered, &window, &MainWindow::openRecentFile);
        action.trigger();
    } else if (how == QLatin1String("click")) {
        window.clickOpenFile(file);
    } else {
        window.recentFiles << file;
        window.openMostRecentFile();
    }

    QCOMPARE(window.tabWidget->count(), 0);
    QVERIFY(window.scoreWindows.isEmpty());
    QVERIFY(!window.recentFiles.contains(file) || how == QLatin1String("mostRecent"));
    const QStringList reported = warnings();
    QCOMPARE(reported.size(), 1);
    if (kind != QLatin1String("refused"))
        QVERIFY2(reported.first().startsWith(QStringLiteral("Can't read file (%1)!:\n").arg(file)),
                 qPrintable(reported.first()));
    QDir(file).removeRecursively();
    QFile::remove(file);
}

void TestOpenFiles::drops_data()
{
    QTest::addColumn<QString>("name"); // "" for a missing .tnsx, "/" for a folder
    QTest::addColumn<bool>("scoreOpen");
    QTest::addColumn<bool>("onView");
    QTest::addColumn<int>("newTabs");
    QTest::addColumn<bool>("logged");

    for (bool onView : {false, true}) {
        const char *where = onView ? "view" : "window";
        // A score view exists only beside an open score.
        for (bool open : onView ? QList<bool>{true} : QList<bool>{false, true}) {
            const char *state = open ? "open" : "empty";
            QTest::addRow("tnsx %s %s", state, where)
                << QStringLiteral("Dropped.tnsx") << open << onView << 1 << open;
            QTest::addRow("japanese name with space %s %s", state, where)
                << QStringLiteral("a folder/さくら さくら.tnsx") << open << onView << 1 << open;
            QTest::addRow("upper-case suffix %s %s", state, where)
                << QStringLiteral("Dropped.MUSICXML") << open << onView << 0 << false;
            QTest::addRow("text file %s %s", state, where)
                << QStringLiteral("notes.txt") << open << onView << 0 << false;
            QTest::addRow("missing score %s %s", state, where)
                << QString() << open << onView << 0 << false;
            QTest::addRow("folder %s %s", state, where)
                << QStringLiteral("/") << open << onView << 0 << false;
            QTest::addRow("missing musicxml %s %s", state, where)
                << QStringLiteral("missing.musicxml") << open << onView << 0 << false;
            QTest::addRow("refused musicxml %s %s", state, where)
                << QStringLiteral("refused.xml") << open << onView << 0 << false;
        }
    }
}

void TestOpenFiles::drops()
{
    QFETCH(QString, name);
    QFETCH(bool, scoreOpen);
    QFETCH(bool, onView);
    QFETCH(int, newTabs);
    QFETCH(bool, logged);

    QString file;
    if (name.isEmpty()) {
        file = path(QStringLiteral("missing.tnsx"));
    } else if (name == QLatin1String("/")) {
        file = path(QStringLiteral("folder.musicxml"));
        QVERIFY(QDir().mkpath(file));
    } else if (name == QLatin1String("refused.xml")) {
        file = path(name);
        QVERIFY(writeText(file, QStringLiteral("<?xml version=\"1.0\"?><opus/>")));
    } else if (name.endsWith(QLatin1String(".tnsx"))) {
        file = writeScore(path(name));
    } else if (name != QLatin1String("missing.musicxml")) {
        file = path(name);
        QFile::remove(file);
        QVERIFY(QFile::copy(TestSupport::fixturePath(QStringLiteral("import/import-OnePart.xml")),
                            file));
    } else {
        file = path(name);
    }
    QVERIFY(!file.isEmpty());

    MainWindow window;
    Score *open = nullptr;
    if (scoreOpen) {
        window.openFile2(writeScore(path(QStringLiteral("Open.tnsx"))));
        open = window.currentScore();
        QVERIFY(open);
        open->logText = QStringLiteral("before\n");
        // The saved text carries the time of writing: a fixed clock keeps two
        // writes a second apart equal.
        open->updateClock = [] { return QDateTime(QDate(2026, 1, 1), QTime(0, 0)); };
    }
    const QString openText = open ? open->buildScoreXml(ScoreXmlMode::ScoreFile) : QString();
    const int tabs = window.tabWidget->count();
    prompter().reset();

    dropFiles(window, onView ? open : nullptr, {file});

    QCOMPARE(window.tabWidget->count(), tabs + newTabs);
    QCOMPARE(dialogRuns(window.partDialog->windowTitle()), 0);
    if (newTabs)
        QCOMPARE(window.tabWidget->tabText(tabs), QFileInfo(file).baseName());
    if (open) {
        const QString expected =
            logged && !newTabs ? QStringLiteral("before\ndropOpenFile completed-------------\n")
                               : QStringLiteral("before\n");
        QCOMPARE(open->logText, expected);
        QCOMPARE(open->buildScoreXml(ScoreXmlMode::ScoreFile), openText);
    }
    if (newTabs && logged)
        QVERIFY(window.currentScore()->logText.endsWith(
            QStringLiteral("dropOpenFile completed-------------\n")));
    // Every file that is not opened is named in one warning.
    if (!newTabs) {
        QCOMPARE(warnings().size(), 1);
        QVERIFY2(warnings().first().contains(file), qPrintable(warnings().first()));
    }
    QDir(file).removeRecursively();
}

void TestOpenFiles::droppedMusicXmlBesideAScoreImitatesIt()
{
    MainWindow window;
    window.openFile2(writeScore(path(QStringLiteral("Open.tnsx"))));
    Score *open = window.currentScore();
    QVERIFY(open);
    open->page->measurePerLine = 7;
    const QString file = path(QStringLiteral("Beside.musicxml"));
    QVERIFY(
        QFile::copy(TestSupport::fixturePath(QStringLiteral("import/import-OnePart.xml")), file));
    dropFiles(window, nullptr, {file});
    QCOMPARE(window.tabWidget->count(), 2);
    Score *dropped = window.currentScore();
    QVERIFY(dropped != open);
    QCOMPARE(dropped->page->measurePerLine, 7);
    QCOMPARE(dropped->musicXmlFilePath, file);
    QVERIFY(!dropped->scene->items().isEmpty());
    QCOMPARE(dialogRuns(window.partDialog->windowTitle()), 0);
}

void TestOpenFiles::droppedMusicXmlOnAnEmptyWindowRunsThePartDialog()
{
    MainWindow window;
    const QString file = path(QStringLiteral("Empty Window.xml"));
    QVERIFY(
        QFile::copy(TestSupport::fixturePath(QStringLiteral("import/import-OnePart.xml")), file));
    // The old environment file must not reach a plain import.
    {
        auto *score = new Score(QStringLiteral("test"), 99, false);
        QVERIFY(score->readMusicXmlFile(file) && score->parseScoreXml(false));
        score->page->measurePerLine = 7;
        QVERIFY(score->writeVelmoraEnv());
        delete score;
    }
    int runs = 0;
    prompter().dialogScripts << [&](QDialog *) {
        ++runs;
        return 2; // the part dialog's OK
    };
    dropFiles(window, nullptr, {file});
    QCOMPARE(window.tabWidget->count(), 1);
    QCOMPARE(runs, 1);
    QCOMPARE(dialogRuns(window.partDialog->windowTitle()), 1);
    Score *score = window.currentScore();
    QVERIFY(score->changed);
    QVERIFY(score->page->measurePerLine != 7);
    QVERIFY(!score->scene->items().isEmpty());
}

void TestOpenFiles::dropPathsKeepTheirLeadingSlash_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("opened");
    QTest::newRow("linux") << QStringLiteral("/home/a/b.txt") << QStringLiteral("/home/a/b.txt");
    QTest::newRow("drive") << QStringLiteral("/C:/a/b.txt") << QStringLiteral("C:/a/b.txt");
    QTest::newRow("relative") << QStringLiteral("a/b.txt") << QStringLiteral("a/b.txt");
}

void TestOpenFiles::dropPathsKeepTheirLeadingSlash()
{
    QFETCH(QString, given);
    QFETCH(QString, opened);
    MainWindow window;
    TestSupport::MessageCapture capture;
    window.dropOpenFile(given);
    QVERIFY2(capture.contains(QStringLiteral("dropOpenFile:filePath = ") + opened),
             qPrintable(capture.lines().join(QLatin1Char('\n'))));
}

void TestOpenFiles::autoSaveRecovery_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<int>("answer"); // -1: no question expected
    QTest::addColumn<int>("tabs");
    QTest::addColumn<QStringList>("left");

    const QStringList two{QStringLiteral("Alpha_1_autosave.tnsx"),
                          QStringLiteral("beta_2_autosave.tnsx")};
    const QStringList other{QStringLiteral("notes.txt")};
    QTest::newRow("no folder") << QStringList() << false << -1 << 0 << QStringList();
    QTest::newRow("empty folder") << QStringList() << true << -1 << 0 << QStringList();
    QTest::newRow("two, OK") << two << true << int(QDialog::Accepted) << 2 << two;
    QTest::newRow("two, Cancel") << two << true << int(QDialog::Rejected) << 0 << QStringList();
    // Only files the program wrote as autosave files are offered.
    QTest::newRow("other") << other << true << -1 << 0 << other;
    QTest::newRow("mixed, Cancel") << (two + other) << true << int(QDialog::Rejected) << 0 << other;
}

void TestOpenFiles::autoSaveRecovery()
{
    QFETCH(QStringList, files);
    QFETCH(bool, folder);
    QFETCH(int, answer);
    QFETCH(int, tabs);
    QFETCH(QStringList, left);

    if (folder)
        QVERIFY(QDir().mkpath(autoSaveFolder()));
    for (const QString &name : files) {
        const QString file = autoSaveFolder() + QLatin1Char('/') + name;
        if (name.endsWith(QLatin1String(".tnsx")))
            QVERIFY(!writeScore(file).isEmpty());
        else
            QVERIFY(writeText(file, QStringLiteral("kept")));
    }
    QString asked;
    if (answer >= 0) {
        prompter().dialogScripts << [&](QDialog *dialog) {
            asked = dialog->windowTitle();
            return answer;
        };
    }

    MainWindow window;
    QCOMPARE(prompter().beeps, answer >= 0 ? 1 : 0);
    QCOMPARE(dialogRuns(QStringLiteral("Velmora: Open Auto Save Files")), answer >= 0 ? 1 : 0);
    QCOMPARE(window.tabWidget->count(), tabs);
    for (int i = 0; i < tabs; ++i) {
        const Score *score = window.scoreWindows.at(i)->score;
        QCOMPARE(score->filePath, autoSaveFolder() + QLatin1Char('/') + files.at(i));
        QVERIFY(score->changed);
        QVERIFY(score->changedSinceAutoSave);
        QVERIFY(!window.recentFiles.contains(score->filePath));
    }
    QCOMPARE(QDir(autoSaveFolder()).exists(), folder);
    QStringList found =
        QDir(autoSaveFolder()).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    // This instance's lock.
    found.removeIf([](const QString &name) { return name.endsWith(QLatin1String(".lock")); });
    QCOMPARE(found, left);
    QVERIFY(warnings().isEmpty());
}

void TestOpenFiles::autoSaveRecoverySkipsARefusedFile()
{
    QVERIFY(!writeScore(autoSaveFolder() + QStringLiteral("/a_1_autosave.tnsx"), [](QString text) {
                 return withVersion(text, QStringLiteral("1.0"));
             }).isEmpty());
    QVERIFY(!writeScore(autoSaveFolder() + QStringLiteral("/b_2_autosave.tnsx")).isEmpty());
    prompter().dialogScripts << [](QDialog *) { return int(QDialog::Accepted); };
    MainWindow window;
    QCOMPARE(warnings(), QStringList{tooOld});
    QCOMPARE(window.tabWidget->count(), 1);
    QCOMPARE(window.currentScore()->filePath,
             autoSaveFolder() + QStringLiteral("/b_2_autosave.tnsx"));
    QVERIFY(window.currentScore()->changed);
}

void TestOpenFiles::autoSaveQuestion()
{
    DialogOpenAutoSave dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Velmora: Open Auto Save Files"));
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("label"));
    QVERIFY(label);
    QCOMPARE(label->text(),
             QStringLiteral("The last session seems to have ended abnormally.<br><br>Do you want "
                            "to open auto-saved files?<br><br>If Cancel is selected, they will "
                            "be deleted."));
    QCOMPARE(dialog.font().pointSize(), 15);
    QCOMPARE(label->font().pointSize(), 15);
    QCOMPARE(dialog.size(), QSize(400, 145));

    auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QVERIFY(buttons);
    QCOMPARE(buttons->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    TestSupport::grabDialog(dialog, QStringLiteral("autosave-question"));
    TestSupport::checkShownInside(dialog, {QStringLiteral("label"), QStringLiteral("buttonBox")});
    for (QAbstractButton *button : buttons->buttons()) {
        QVERIFY(button->isVisible());
        const QRect inWindow(button->mapTo(&dialog, QPoint(0, 0)), button->size());
        QVERIFY(dialog.rect().contains(inWindow));
        QVERIFY(button->width() >= button->minimumSizeHint().width());
    }

    // OK accepts; Cancel, Escape and the close box all reject.
    buttons->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QList<std::function<void()>> rejections{
        [&] { buttons->button(QDialogButtonBox::Cancel)->click(); },
        [&] { QTest::keyClick(&dialog, Qt::Key_Escape); },
        [&] { dialog.close(); },
    };
    for (const auto &reject : rejections) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.setResult(42);
        reject();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }
}

void TestOpenFiles::everyRefusalNamesTheFile_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // a null array: no file at all
    QTest::addColumn<QString>("reason");     // a part of the warning besides the name

    const QByteArray zip("PK\x03\x04\x14\x00\x00\x00\x08\x00", 10);
    const struct
    {
        const char *kind;
        const char *name;
        QByteArray content;
    } scoreFiles[] = {
        {"empty", "empty.tnsx", QByteArray("")},
        {"not XML", "words.tnsx", QByteArray("just some words")},
        {"timewise", "timewise.tnsx",
         QByteArray("<?xml version=\"1.0\"?><score-timewise version=\"3.1\"/>")},
        {"undeclared prefix", "prefix.tnsx",
         QByteArray("<?xml version=\"1.0\"?><x:score-partwise version=\"3.1\"/>")},
    };
    for (const auto &file : scoreFiles) {
        for (const char *route : {"open", "recent", "drop", "recovery"})
            QTest::addRow("%s, %s", file.kind, route)
                << QString::fromLatin1(route) << QString::fromLatin1(file.name) << file.content
                << QString();
    }
    const QString export_ = QStringLiteral("export it from MuseScore as uncompressed MusicXML");
    for (const char *route : {"import", "drop", "command file", "command line -I"}) {
        QTest::addRow("compressed, %s", route)
            << QString::fromLatin1(route) << QStringLiteral("piece.mxl") << zip << export_;
        QTest::addRow("compressed named .musicxml, %s", route)
            << QString::fromLatin1(route) << QStringLiteral("piece.musicxml") << zip << export_;
    }
    QTest::newRow("dropped PDF") << "drop"
                                 << "piece.pdf" << QByteArray("%PDF-1.4") << ".tnsx";
    QTest::newRow("missing, command line -I")
        << "command line -I"
        << "missing.musicxml" << QByteArray() << "does not exist";
    QTest::newRow("missing, command line -U")
        << "command line -U"
        << "missing.musicxml" << QByteArray() << "does not exist";
    QTest::newRow("text, command line -U")
        << "command line -U"
        << "notes.txt" << QByteArray("words") << "not a MusicXML file";
}

void TestOpenFiles::everyRefusalNamesTheFile()
{
    QFETCH(QString, route);
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);

    QString file = path(name);
    if (route == QLatin1String("recovery"))
        file = autoSaveFolder() + QLatin1Char('/') + QFileInfo(name).baseName() +
               QStringLiteral("_0-dddddddd_autosave.tnsx");
    QFile::remove(file);
    if (!content.isNull()) {
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QCOMPARE(out.write(content), content.size());
    }
    if (route == QLatin1String("recovery"))
        prompter().dialogScripts << [](QDialog *) { return int(QDialog::Accepted); };

    MainWindow window;
    if (route == QLatin1String("open")) {
        prompter().fileAnswers << file;
        window.openFile();
    } else if (route == QLatin1String("recent")) {
        QAction action;
        action.setData(file);
        connect(&action, &QAction::triggered, &window, &MainWindow::openRecentFile);
        action.trigger();
    } else if (route == QLatin1String("drop")) {
        dropFiles(window, nullptr, {file});
    } else if (route == QLatin1String("import")) {
        prompter().fileAnswers << file;
        window.importNew();
    } else if (route == QLatin1String("command file")) {
        const QString commands = path(QStringLiteral("commands.txt"));
        QVERIFY(writeText(commands, QStringLiteral("-Import new:") + file));
        window.runCommandFile2(commands);
    } else if (route.startsWith(QLatin1String("command line"))) {
        window.runStartRequest(readCommandLine(
            {QStringLiteral("velmora"),
             route.endsWith(QLatin1Char('I')) ? QStringLiteral("-I") : QStringLiteral("-U"),
             file}));
    }

    QCOMPARE(window.tabWidget->count(), 0);
    const QStringList reported = warnings();
    QCOMPARE(reported.size(), 1);
    QVERIFY2(reported.first().contains(QDir::toNativeSeparators(file)),
             qPrintable(reported.first()));
    QVERIFY2(reported.first().contains(reason), qPrintable(reported.first()));
    QFile::remove(file);
}

void TestOpenFiles::renamedPlainMusicXmlImports()
{
    const QString file = path(QStringLiteral("renamed.mxl"));
    QFile::remove(file);
    QVERIFY(QFile::copy(TestSupport::samplePath(), file));
    MainWindow window;
    prompter().fileAnswers << file;
    window.importNew();
    QCOMPARE(window.tabWidget->count(), 1);
    QVERIFY(warnings().isEmpty());
}

VELMORA_TEST_MAIN(TestOpenFiles)

} // namespace tst_open_files
#include "tst_open_files.moc"
