// Saving, duplicating and closing scores in the main window: the names a
// score is written under, what the window shows after a save, the questions
// about unsaved changes, the autosave files and timers, and what a failed
// or cancelled write leaves (the score unsaved, its tab open).
#include "app/mainwindow.h"
#include "app/qtprompter.h"
#include "document/safewrite.h"
#include "model/credit.h"
#include "model/measure.h"
#include "model/page.h"
#include "model/score.h"
#include "support/dialogshot.h"
#include "support/installedcatalogue.h"
#include "support/messagecapture.h"
#include "support/testenvironment.h"
#include "ui_mainwindow.h"
#include "view/scene.h"
#include "view/scorewindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>

#include <memory>

namespace tst_save_close {

namespace {

const QString resourceSample = QStringLiteral(":/samples/Sakura Sakura (Shakuhachi Tozan).tnsx");
const QString updatedQuestion = QStringLiteral("Score:\n %1 \nis updated. Do you want to save?");
const QString unsavedQuestion =
    QStringLiteral("Score:\n %1 \nis not saved yet. Do you want to save?");

TestSupport::ScriptedPrompter &prompter()
{
    return TestSupport::prompter();
}

// A score imported from the bundled MusicXML sample, never saved, with an
// autosave timer and the window's next score number; loaded, not drawn.
Score *importedScore(MainWindow &window)
{
    auto *score = new Score(QStringLiteral("test"), window.scoreCounter++, true);
    if (!score->readMusicXmlFile(TestSupport::samplePath()) || !score->parseScoreXml(false)) {
        delete score;
        return nullptr;
    }
    return score;
}

// The imported score as if opened from the score file `path`.
Score *namedScore(MainWindow &window, const QString &path)
{
    Score *score = importedScore(window);
    if (score)
        score->filePath = path;
    return score;
}

// One edit on the undo stack: the score then has unsaved changes.
void edit(Score *score)
{
    score->undoStack->push(new QUndoCommand(QStringLiteral("UpdateStyle")));
}

// Writes a stand-in autosave file for the score; returns its path.
QString plantAutoSave(const Score *score)
{
    const QString path = score->autoSavePath();
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("autosaved");
    return path;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file that holds a score document as this program writes it.
bool isScoreFile(const QString &path)
{
    return contents(path).contains("<score-partwise");
}

bool autoSaveRuns(const Score *score)
{
    return score->autoSaveTimer && score->autoSaveTimer->isActive();
}

// Records, for each question, file picker and write of the guard's life,
// whether `score`'s autosave timer was running at that moment.
class TimerWatch
{
public:
    explicit TimerWatch(const Score *score) : m_score(score)
    {
        prompter().onAsked = [this](const auto &) { states << autoSaveRuns(m_score); };
        SafeWrite::setFaultHook([this](const QString &) {
            states << autoSaveRuns(m_score);
            return QString();
        });
    }
    ~TimerWatch()
    {
        prompter().onAsked = nullptr;
        SafeWrite::setFaultHook({});
    }
    TimerWatch(const TimerWatch &) = delete;
    TimerWatch &operator=(const TimerWatch &) = delete;

    QList<bool> states;

private:
    const Score *m_score;
};

} // namespace

class TestSaveClose : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void saveUntitledAsksForAName();
    void saveNamedWritesInPlace();
    void fileSavedByAnotherWindowIsAskedAbout_data();
    void fileSavedByAnotherWindowIsAskedAbout();
    void fileGoneOrReplacedIsAskedAbout_data();
    void fileGoneOrReplacedIsAskedAbout();
    void fileChangedWhileAskingIsAskedAgain();
    void questionBoxShowsItsWholeText_data();
    void questionBoxShowsItsWholeText();
    void saveWithoutRealName_data();
    void saveWithoutRealName();
    void saveAs();
    void saveAsOfReopenedAutoSave();
    void failedWriteKeepsTheScoreUnsaved_data();
    void failedWriteKeepsTheScoreUnsaved();
    void saveAsOriginal_data();
    void saveAsOriginal();
    void duplicateOpensAnUnsavedCopy();
    void duplicateIsDrawnOnScreen();
    void closeQuestions_data();
    void closeQuestions();
    void closingAnotherTabKeepsTheShownOne();
    void exitAsksFromTheLastTab();
    void closeScoresOnLeftTabs_data();
    void closeScoresOnLeftTabs();
    void closeFileForcedAsksNothing();
    void closeWithoutWriteKeepsTheTab_data();
    void closeWithoutWriteKeepsTheTab();
    void autoSaveTimerPausesWhileAskingAndWriting_data();
    void autoSaveTimerPausesWhileAskingAndWriting();
};

void TestSaveClose::init()
{
    prompter().reset();
    // Autosave files an earlier case left behind would have the next window
    // ask about them at its start.
    QDir(QDir::homePath() + QStringLiteral("/velmora_autosave")).removeRecursively();
}

// Save of a score imported from MusicXML: the save dialog names it, and the
// autosave file named after the MusicXML file goes once it is written.
void TestSaveClose::saveUntitledAsksForAName()
{
    QTemporaryDir dir;
    MainWindow window;
    Score *score = importedScore(window);
    QVERIFY(score);
    window.addScoreTab(score);
    edit(score);
    score->setChanged(true);
    const QString autoSave = plantAutoSave(score);
    const QString path = dir.filePath(QStringLiteral("mine.tnsx"));
    prompter().fileAnswers << path;

    window.ui->actionSave->trigger();

    QCOMPARE(prompter().prompts.size(), 1);
    const auto &asked = prompter().prompts.first();
    QCOMPARE(asked.kind, QStringLiteral("saveFileName"));
    QCOMPARE(asked.title, QStringLiteral("Velmora: Save file"));
    QCOMPARE(asked.filter, QStringLiteral("Velmora files (*.tnsx)"));
    // Beside the MusicXML file it came from, named after it.
    QCOMPARE(asked.folder,
             TestSupport::sourcePath(QStringLiteral("tools/samples/sakura-sakura.tnsx")));
    QVERIFY(isScoreFile(path));
    QCOMPARE(score->filePath, path);
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora - ") + path);
    QCOMPARE(window.tabWidget->tabText(0), QStringLiteral("mine"));
    QVERIFY(score->undoStack->isClean());
    QVERIFY(!score->changed);
    QVERIFY(score->logText.endsWith(QLatin1String("saveScoreFile completed--------------\n")));
    QVERIFY(!QFile::exists(autoSave));
    QVERIFY(autoSaveRuns(score));
    QCOMPARE(window.recentFiles.value(0), path);
}

void TestSaveClose::saveNamedWritesInPlace()
{
    QTemporaryDir dir;
    MainWindow window;
    const QString path = dir.filePath(QStringLiteral("piece.tnsx"));
    Score *score = namedScore(window, path);
    QVERIFY(score);
    window.addScoreTab(score);
    window.tabWidget->setTabText(0, QStringLiteral("piece"));
    edit(score);
    const QString autoSave = plantAutoSave(score);

    window.saveFile();

    QVERIFY(prompter().prompts.isEmpty());
    QVERIFY(isScoreFile(path));
    QCOMPARE(score->filePath, path);
    QVERIFY(score->undoStack->isClean());
    QVERIFY(score->logText.endsWith(QLatin1String("saveScoreFile completed--------------\n")));
    QVERIFY(!QFile::exists(autoSave));
    QVERIFY(autoSaveRuns(score));
    QCOMPARE(window.recentFiles.value(0), path);
}

// Two windows on one file: the second to save is asked (replace, save as,
// cancel), and nothing the first saved is replaced unless it says so.
void TestSaveClose::fileSavedByAnotherWindowIsAskedAbout_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    // The three buttons "Replace", "Save As..." and "Cancel", in order.
    QTest::newRow("replace") << QMessageBox::Yes;
    QTest::newRow("save as") << QMessageBox::No;
    QTest::newRow("cancel") << QMessageBox::Cancel;
}

void TestSaveClose::fileSavedByAnotherWindowIsAskedAbout()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.tnsx"));
    const QString other = dir.filePath(QStringLiteral("x-mine.tnsx"));
    {
        MainWindow maker;
        Score *score = importedScore(maker);
        QVERIFY(score && score->saveFileAs(path));
        delete score;
    }
    MainWindow first;
    MainWindow second;
    first.openFile2(path);
    second.openFile2(path);
    Score *a = first.currentScore();
    Score *b = second.currentScore();
    QVERIFY(a && b && a != b);
    prompter().reset();

    // B moves a credit and saves: the file is still the one B read.
    QVERIFY(!b->credits.isEmpty());
    b->credits.at(0)->setOffset(3.0, 4.0);
    edit(b);
    second.saveFile();
    QCOMPARE(prompter().prompts.size(), 0);
    const QByteArray savedByB = contents(path);
    QVERIFY(savedByB.contains("tarn-"));

    edit(a);
    prompter().questionAnswers << answer;
    prompter().fileAnswers << other;
    first.saveFile();
    const QStringList questions = prompter().texts(QStringLiteral("question"));
    QCOMPARE(questions.size(), 1);
    QCOMPARE(questions.first(),
             QStringLiteral("The file %1 has changed on disk since this window opened or last "
                            "saved it: another window or program has saved it.\n\nReplace it "
                            "with the score of this window? What the other saved would be lost.")
                 .arg(path));
    QCOMPARE(prompter().prompts.first().buttons,
             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(prompter().prompts.first().defaultButton, QMessageBox::Cancel);
    if (answer == QMessageBox::Yes) {
        QVERIFY(contents(path) != savedByB);
        QVERIFY(a->undoStack->isClean());
        // Saved by A, the file is A's again: its next save asks nothing.
        edit(a);
        first.saveFile();
        QCOMPARE(prompter().texts(QStringLiteral("question")).size(), 1);
    } else {
        QCOMPARE(contents(path), savedByB);
    }
    QCOMPARE(QFile::exists(other), answer == QMessageBox::No);
    QCOMPARE(a->filePath, answer == QMessageBox::No ? other : path);
    QCOMPARE(a->undoStack->isClean(), answer != QMessageBox::Cancel);
}

void TestSaveClose::fileGoneOrReplacedIsAskedAbout_data()
{
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("question");
    QTest::newRow("deleted") << false
                             << "The file %1 is no longer there: it was deleted or moved since "
                                "this window opened or last saved it.\n\nSave the score there "
                                "again?";
    QTest::newRow("a folder in its place")
        << true
        << "%1 is no longer the score's file: a folder or another kind of entry has taken its "
           "place, so the score can't be saved there.\n\nSave it under another name?";
}

// The first button saves: in place where the file was deleted, under
// another name where a folder stands in its place.
void TestSaveClose::fileGoneOrReplacedIsAskedAbout()
{
    QFETCH(bool, folder);
    QFETCH(QString, question);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gone.tnsx"));
    const QString other = dir.filePath(QStringLiteral("elsewhere.tnsx"));
    MainWindow window;
    Score *score = importedScore(window);
    QVERIFY(score && score->saveFileAs(path));
    window.addScoreTab(score);
    QVERIFY(QFile::remove(path));
    if (folder)
        QVERIFY(QDir().mkpath(path));
    edit(score);
    prompter().questionAnswers << QMessageBox::Yes;
    prompter().fileAnswers << other;
    window.saveFile();
    QCOMPARE(prompter().texts(QStringLiteral("question")), QStringList{question.arg(path)});
    QCOMPARE(prompter().prompts.first().buttons,
             folder ? QMessageBox::Yes | QMessageBox::No
                    : QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(QFileInfo(path).isDir(), folder);
    QCOMPARE(isScoreFile(folder ? other : path), true);
    QCOMPARE(QFile::exists(other), folder);
    QVERIFY(score->undoStack->isClean());
}

// The question was answered about the file as it was when asked; written
// again meanwhile, it is asked about once more.
void TestSaveClose::fileChangedWhileAskingIsAskedAgain()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("busy.tnsx"));
    MainWindow window;
    Score *score = importedScore(window);
    QVERIFY(score && score->saveFileAs(path));
    window.addScoreTab(score);
    edit(score);
    int asked = 0;
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("saved by another window");
    }
    prompter().onAsked = [&](const auto &) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(++asked == 1 ? "written while the first question was open" : "and again");
    };
    prompter().questionAnswers << QMessageBox::Yes << QMessageBox::Cancel;
    window.saveFile();
    prompter().onAsked = nullptr;
    QCOMPARE(prompter().texts(QStringLiteral("question")).size(), 2);
    QCOMPARE(contents(path), QByteArray("and again"));
    QVERIFY(!score->undoStack->isClean());
}

void TestSaveClose::questionBoxShowsItsWholeText_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("onDisk"); // what became of the file meanwhile
    for (const char *language : {"en", "ja"}) {
        for (const char *onDisk : {"changed", "deleted", "folder"})
            QTest::addRow("%s, %s", language, onDisk) << language << onDisk;
    }
}

// The toolkit's own box, as the user sees it: the whole question, every
// button whole and inside the box, in the user's language; Cancel is the
// default and Escape answers it, so nothing is written.
void TestSaveClose::questionBoxShowsItsWholeText()
{
    QFETCH(QString, language);
    QFETCH(QString, onDisk);
    std::unique_ptr<TestSupport::InstalledCatalogue> catalogue;
    if (language != QLatin1String("en")) {
        catalogue = std::make_unique<TestSupport::InstalledCatalogue>(language);
        QVERIFY(catalogue->isInstalled());
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.tnsx"));
    MainWindow window;
    window.resize(900, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Score *score = importedScore(window);
    QVERIFY(score && score->saveFileAs(path));
    window.addScoreTab(score);
    edit(score);
    QVERIFY(QFile::remove(path));
    if (onDisk == QLatin1String("changed")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("saved by another window");
    } else if (onDisk == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    }

    QString shownText;
    QStringList labels;
    QStringList cut;
    QString defaultLabel;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        user.stop();
        if (!QTest::qWaitForWindowExposed(box))
            cut << QStringLiteral("box never shown");
        TestSupport::grabDialog(*box, QStringLiteral("save-question-%1-%2").arg(onDisk, language));
        shownText = box->text();
        for (QAbstractButton *button : box->buttons()) {
            labels << button->text();
            const QRect place(button->mapTo(box, QPoint(0, 0)), button->size());
            if (!button->isVisible() || !box->rect().contains(place) ||
                button->width() < button->sizeHint().width())
                cut << button->text();
        }
        const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        if (!label || label->height() < label->heightForWidth(label->width()))
            cut << QStringLiteral("the question");
        if (box->defaultButton())
            defaultLabel = box->defaultButton()->text();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    user.start(10);
    QtPrompter boxes;
    Prompter::install(&boxes);
    window.saveFile();
    Prompter::install(&prompter());
    user.stop();

    const auto translated = [](const char *text) {
        return QCoreApplication::translate("MainWindow", text);
    };
    const char *question =
        onDisk == QLatin1String("changed")
            ? "The file %1 has changed on disk since this window opened or last saved it: "
              "another window or program has saved it.\n\nReplace it with the score of this "
              "window? What the other saved would be lost."
        : onDisk == QLatin1String("deleted")
            ? "The file %1 is no longer there: it was deleted or moved since this window opened "
              "or last saved it.\n\nSave the score there again?"
            : "%1 is no longer the score's file: a folder or another kind of entry has taken its "
              "place, so the score can't be saved there.\n\nSave it under another name?";
    QCOMPARE(shownText, translated(question).arg(QDir::toNativeSeparators(path)));
    QStringList expected{translated("Save As..."), translated("Cancel")};
    if (onDisk == QLatin1String("changed"))
        expected.prepend(translated("Replace"));
    else if (onDisk == QLatin1String("deleted"))
        expected.prepend(translated("Save"));
    labels.sort();
    expected.sort();
    QCOMPARE(labels, expected);
    if (catalogue)
        QVERIFY(!labels.contains(QStringLiteral("Cancel")));
    QCOMPARE(cut, QStringList());
    QCOMPARE(defaultLabel, translated("Cancel"));
    // Escape wrote nothing and saved nothing.
    QVERIFY(!score->undoStack->isClean());
    if (onDisk == QLatin1String("changed"))
        QCOMPARE(contents(path), QByteArray("saved by another window"));
    QCOMPARE(QFileInfo(path).isDir(), onDisk == QLatin1String("folder"));
    QCOMPARE(QFileInfo::exists(path), onDisk != QLatin1String("deleted"));
}

// A sample of the resources and a score reopened from its autosave file
// are saved only under a name the user chooses; a cancelled choice writes
// nothing at all.
void TestSaveClose::saveWithoutRealName_data()
{
    QTest::addColumn<bool>("fromAutoSave");
    QTest::addColumn<bool>("named");
    QTest::newRow("sample, named") << false << true;
    QTest::newRow("sample, cancelled") << false << false;
    QTest::newRow("autosave, named") << true << true;
    QTest::newRow("autosave, cancelled") << true << false;
}

void TestSaveClose::saveWithoutRealName()
{
    QFETCH(bool, fromAutoSave);
    QFETCH(bool, named);
    QTemporaryDir dir;
    MainWindow window;
    const QString original =
        fromAutoSave
            ? TestSupport::homePath() + QStringLiteral("/velmora_autosave/x_0_autosave.tnsx")
            : resourceSample;
    Score *score = namedScore(window, original);
    QVERIFY(score);
    window.addScoreTab(score);
    edit(score);
    const QString autoSave = fromAutoSave ? plantAutoSave(score) : QString();
    if (fromAutoSave)
        QCOMPARE(autoSave, original);
    const QString path = dir.filePath(QStringLiteral("kept.tnsx"));
    prompter().fileAnswers << (named ? path : QString());

    window.saveFile();

    QCOMPARE(prompter().texts(QStringLiteral("saveFileName")).size(), 1);
    // A sample starts at its own name; a score from the autosave folder
    // beside the MusicXML file it came from, without the autosave ending.
    QCOMPARE(prompter().prompts.first().folder,
             fromAutoSave
                 ? QFileInfo(TestSupport::samplePath()).absolutePath() + QStringLiteral("/x.tnsx")
                 : original);
    QCOMPARE(score->filePath, named ? path : original);
    QCOMPARE(QFile::exists(path), named);
    QCOMPARE(score->undoStack->isClean(), named);
    // A score without a name of the user's is saved as a new one.
    const QString logLine = fromAutoSave ? QStringLiteral("saveScoreFile completed--------------")
                                         : QStringLiteral("saveAs completed-------------");
    QCOMPARE(score->logText.split('\n').contains(logLine), named);
    if (fromAutoSave)
        QCOMPARE(contents(autoSave), named ? QByteArray() : QByteArray("autosaved"));
    QVERIFY(autoSaveRuns(score));
}

void TestSaveClose::saveAs()
{
    QTemporaryDir dir;
    MainWindow window;
    const QString oldPath = dir.filePath(QStringLiteral("old.tnsx"));
    Score *score = namedScore(window, oldPath);
    QVERIFY(score);
    window.addScoreTab(score);
    edit(score);
    score->setChanged(true);
    const QString oldAutoSave = plantAutoSave(score);
    const QString logBefore = score->logText;

    // Cancelled: nothing at all.
    window.ui->actionSaveAs->trigger();
    QCOMPARE(prompter().prompts.size(), 1);
    QCOMPARE(prompter().prompts.first().folder, oldPath);
    QCOMPARE(score->filePath, oldPath);
    QVERIFY(score->changed);
    QVERIFY(!score->undoStack->isClean());
    QCOMPARE(score->logText, logBefore);
    QVERIFY(QFile::exists(oldAutoSave));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());

    const QString path = dir.filePath(QStringLiteral("new.tnsx"));
    prompter().fileAnswers << path;
    window.ui->actionSaveAs->trigger();
    QVERIFY(isScoreFile(path));
    QVERIFY(!QFile::exists(oldPath));
    QCOMPARE(score->filePath, path);
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora - ") + path);
    QCOMPARE(window.tabWidget->tabText(0), QStringLiteral("new"));
    QVERIFY(score->undoStack->isClean());
    QVERIFY(!score->changed);
    QVERIFY(score->logText.endsWith(QLatin1String("saveAs completed-------------\n")));
    QVERIFY(!QFile::exists(oldAutoSave));
    QVERIFY(autoSaveRuns(score));
}

void TestSaveClose::saveAsOfReopenedAutoSave()
{
    QTemporaryDir dir;
    MainWindow window;
    Score *score = namedScore(window, TestSupport::homePath() +
                                          QStringLiteral("/velmora_autosave/x_0_autosave.tnsx"));
    QVERIFY(score);
    window.addScoreTab(score);
    edit(score);
    const QString autoSave = plantAutoSave(score);
    QCOMPARE(autoSave, score->filePath);
    prompter().fileAnswers << dir.filePath(QStringLiteral("x.tnsx"));
    window.saveAs();
    QVERIFY(isScoreFile(dir.filePath(QStringLiteral("x.tnsx"))));
    QVERIFY(!QFile::exists(autoSave));
}

// A write that fails leaves the score exactly as unsaved as it was, under
// its old name and with its recovery file.
void TestSaveClose::failedWriteKeepsTheScoreUnsaved_data()
{
    QTest::addColumn<QString>("fileName"); // the score's; empty: imported
    QTest::addColumn<bool>("viaSaveAs");
    QTest::addColumn<QString>("chosen"); // in the dialog, when one opens
    QTest::newRow("save, missing folder") << "missing/piece.tnsx" << false << "";
    QTest::newRow("save untitled, missing folder") << "" << false << "missing/new.tnsx";
    QTest::newRow("save untitled, a folder") << "" << false << "folder";
    QTest::newRow("save as, a folder") << "piece.tnsx" << true << "folder";
    QTest::newRow("save as, missing folder") << "piece.tnsx" << true << "missing/new.tnsx";
}

void TestSaveClose::failedWriteKeepsTheScoreUnsaved()
{
    QFETCH(QString, fileName);
    QFETCH(bool, viaSaveAs);
    QFETCH(QString, chosen);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    MainWindow window;
    const QString oldPath = fileName.isEmpty() ? QString() : dir.filePath(fileName);
    Score *score = importedScore(window);
    QVERIFY(score);
    score->filePath = oldPath;
    window.addScoreTab(score);
    window.tabWidget->setTabText(0, QStringLiteral("shown"));
    window.setWindowTitle(QStringLiteral("Velmora - before"));
    edit(score);
    const QString autoSave = plantAutoSave(score);
    const QString target = chosen.isEmpty() ? oldPath : dir.filePath(chosen);
    if (!chosen.isEmpty())
        prompter().fileAnswers << target;

    if (viaSaveAs)
        window.saveAs();
    else
        window.saveFile();

    const QStringList warnings = prompter().texts(QStringLiteral("warning"));
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().startsWith(QStringLiteral("Can't write file (%1)!:\n").arg(target)),
             qPrintable(warnings.first()));
    QCOMPARE(score->filePath, oldPath);
    QVERIFY(!score->undoStack->isClean());
    QCOMPARE(window.tabWidget->tabText(0), QStringLiteral("shown"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora - before"));
    QVERIFY(!score->logText.contains(QLatin1String("saveScoreFile completed")));
    QVERIFY(!score->logText.contains(QLatin1String("saveAs completed")));
    QCOMPARE(contents(autoSave), QByteArray("autosaved"));
    QVERIFY(autoSaveRuns(score));
    QVERIFY(!window.recentFiles.contains(target));
}

void TestSaveClose::saveAsOriginal_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("targetExists");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("written"); // empty: nothing written
    QTest::addColumn<QString>("warning");
    QTest::addColumn<bool>("imported"); // from MusicXML at fileName, never saved
    const int yes = QMessageBox::Yes;
    const int no = QMessageBox::No;
    const int cancel = QMessageBox::Cancel << false;
    QTest::newRow("update") << "piece_update.tnsx" << false << yes << "piece.tnsx"
                            << "" << false;
    QTest::newRow("update, replace") << "piece_update.tnsx" << true << yes << "piece.tnsx"
                                     << "" << false;
    QTest::newRow("update, keep") << "piece_update.tnsx" << true << no << ""
                                  << "" << false;
    QTest::newRow("update, cancel") << "piece_update.tnsx" << true << cancel << ""
                                    << "" << false;
    QTest::newRow("copy then update") << "piece_copy_update.tnsx" << false << yes << "piece.tnsx"
                                      << "" << false;
    QTest::newRow("numbered update") << "piece_update2.tnsx" << false << yes << "piece.tnsx"
                                     << "" << false;
    QTest::newRow("copy, dots") << "piece_copy.v2.tnsx" << false << yes << "piece.v2.tnsx"
                                << "" << false;
    QTest::newRow("folder holds the name")
        << "piece_update/piece_update.tnsx" << false << yes << "piece_update/piece.tnsx"
        << "" << false;
    QTest::newRow("no suffix") << "piece.tnsx" << false << yes << ""
                               << "File name: (piece) does not have '_update...' nor '_copy' "
                                  "suffix!"
                               << false;
    QTest::newRow("suffix in the folder only") << "x_copy/piece.tnsx" << false << yes << ""
                                               << "File name: (piece) does not have "
                                                  "'_update...' nor '_copy' suffix!"
                                               << false;
    // The score document never takes the place of the user's MusicXML file.
    QTest::newRow("imported MusicXML") << "piece_update.musicxml" << false << yes << "piece.tnsx"
                                       << "" << true;
    QTest::newRow("imported MusicXML, its original there")
        << "piece_update.musicxml" << false << yes << "piece.tnsx"
        << "" << true;
}

void TestSaveClose::saveAsOriginal()
{
    QFETCH(QString, fileName);
    QFETCH(bool, targetExists);
    QFETCH(int, answer);
    QFETCH(QString, written);
    QFETCH(QString, warning);
    QFETCH(bool, imported);
    QTemporaryDir dir;
    const QString source = dir.filePath(fileName);
    QDir().mkpath(QFileInfo(source).path());
    const QString musicXml = dir.filePath(QStringLiteral("piece.musicxml"));
    if (QString(QTest::currentDataTag()).endsWith(QLatin1String("its original there"))) {
        QFile file(musicXml);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the user's MusicXML");
    }
    const QString target = dir.filePath(written.isEmpty() ? QStringLiteral("piece.tnsx") : written);
    if (targetExists) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("older");
    }
    MainWindow window;
    Score *score = namedScore(window, source);
    QVERIFY(score);
    if (imported) {
        QVERIFY(QFile::copy(TestSupport::samplePath(), source));
        score->filePath.clear();
        score->musicXmlFilePath = source;
    }
    window.addScoreTab(score);
    edit(score);
    const QString autoSave = plantAutoSave(score);
    prompter().questionAnswers << QMessageBox::StandardButton(answer);

    window.ui->actionSaveAsOriginal->trigger();

    QCOMPARE(prompter().texts(QStringLiteral("warning")),
             warning.isEmpty() ? QStringList() : QStringList{warning});
    QCOMPARE(prompter().texts(QStringLiteral("question")),
             targetExists
                 ? QStringList{QStringLiteral("File: '%1' already exists. Do you want to replace?")
                                   .arg(target)}
                 : QStringList());
    if (written.isEmpty()) {
        QCOMPARE(score->filePath, source);
        QCOMPARE(contents(target), targetExists ? QByteArray("older") : QByteArray());
        QVERIFY(!score->undoStack->isClean());
        QVERIFY(QFile::exists(autoSave));
    } else {
        QVERIFY(isScoreFile(target));
        QCOMPARE(score->filePath, target);
        QCOMPARE(window.tabWidget->tabText(0), QFileInfo(target).baseName());
        QVERIFY(score->undoStack->isClean());
        QVERIFY(score->logText.endsWith(QLatin1String("saveAs completed-------------\n")));
        QVERIFY(!QFile::exists(autoSave));
    }
    // An imported file stays as it was; a score file was never written.
    QCOMPARE(QFile::exists(source), imported);
    if (imported)
        QCOMPARE(contents(source), contents(TestSupport::samplePath()));
    if (QFile::exists(musicXml))
        QCOMPARE(contents(musicXml), QByteArray("the user's MusicXML"));
    QVERIFY(autoSaveRuns(score));
}

void TestSaveClose::duplicateOpensAnUnsavedCopy()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("m"));
    MainWindow window;
    const QString path = dir.filePath(QStringLiteral("m/piece.tnsx"));
    Score *source = namedScore(window, path);
    QVERIFY(source);
    window.addScoreTab(source);
    source->generateScore();
    const int counterBefore = window.scoreCounter;

    window.ui->actionDuplicate->trigger();

    QCOMPARE(window.tabWidget->count(), 2);
    QCOMPARE(window.tabWidget->currentIndex(), 1);
    Score *copy = window.currentScore();
    QVERIFY(copy != source);
    QCOMPARE(window.tabWidget->tabText(1), QStringLiteral("piece_copy"));
    const QString copyPath = dir.filePath(QStringLiteral("m/piece_copy.tnsx"));
    QCOMPARE(copy->filePath, copyPath);
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora - ") + copyPath);
    QVERIFY(copy->changed);
    QCOMPARE(copy->zoomFactor, 0.6);
    QVERIFY(copy->logText.endsWith(QLatin1String("duplicate completed--------------\n")));
    QCOMPARE(copy->scoreNumber, counterBefore);
    QCOMPARE(window.scoreCounter, counterBefore + 1);
    QVERIFY(autoSaveRuns(copy));
    // A model of its own, loaded from the source's document and drawn.
    QCOMPARE(copy->parts.size(), source->parts.size());
    QCOMPARE(copy->measures.size(), source->measures.size());
    QVERIFY(copy->measures.first() != source->measures.first());
    QVERIFY(copy->scene->items().size() > 10);
    QCOMPARE(QDir(dir.filePath(QStringLiteral("m"))).entryList(QDir::Files), QStringList());
    QVERIFY(!source->logText.contains(QLatin1String("duplicate")));
}

// The copy's tab as the user sees it: its name on the tab and its score
// drawn in the view. The picture is kept under build/look/s44/.
void TestSaveClose::duplicateIsDrawnOnScreen()
{
    QTemporaryDir dir;
    MainWindow window;
    window.resize(520, 420);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Score *source = namedScore(window, dir.filePath(QStringLiteral("piece.tnsx")));
    QVERIFY(source);
    window.addScoreTab(source);
    window.duplicate();
    QApplication::processEvents();
    Score *copy = window.currentScore();
    QVERIFY(copy != source);
    QVERIFY(copy->isVisible());
    // Its first measure is in sight (in vertical writing it stands at the
    // page's right edge, away from where a fresh view starts).
    const Measure *first = copy->measures.first();
    const double s = copy->page->scaleFactor;
    const QRectF firstArea(first->originX * s, first->originY * s, first->width * s,
                           first->height * s);
    const QRectF seen = copy->mapToScene(copy->viewport()->rect()).boundingRect();
    QVERIFY2(seen.intersects(firstArea), qPrintable(QStringLiteral("seen %1,%2 %3x%4")
                                                        .arg(seen.x())
                                                        .arg(seen.y())
                                                        .arg(seen.width())
                                                        .arg(seen.height())));
    // Ink in the view: more than the page's white and the backdrop.
    const QImage view = copy->viewport()->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < view.height(); y += 2) {
        for (int x = 0; x < view.width(); x += 2)
            colours.insert(view.pixel(x, y));
    }
    QVERIFY2(colours.size() > 8, qPrintable(QString::number(colours.size())));
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/../look/s44");
    QDir().mkpath(folder);
    QVERIFY(window.grab().save(folder + QStringLiteral("/duplicate.png")));
}

// How a tab is closed (its button or Close), what its score is and the
// answer given: the question asked, whether the tab goes, what is written
// and the autosave file.
void TestSaveClose::closeQuestions_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::addColumn<bool>("named");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question"); // %1: the score's path; empty: none
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("logLine");
    const int yes = QMessageBox::Yes;
    const int no = QMessageBox::No;
    const int cancel = QMessageBox::Cancel;
    QTest::newRow("button, untitled unchanged, cancel")
        << true << false << false << cancel << unsavedQuestion << false << false << "";
    QTest::newRow("button, untitled unchanged, no")
        << true << false << false << no << unsavedQuestion << true << false << "";
    QTest::newRow("close, untitled unchanged")
        << false << false << false << cancel << "" << true << false << "";
    QTest::newRow("button, named unchanged")
        << true << true << false << cancel << "" << true << false << "";
    QTest::newRow("button, named changed, cancel")
        << true << true << true << cancel << updatedQuestion << false << false << "";
    QTest::newRow("button, named changed, no")
        << true << true << true << no << updatedQuestion << true << false << "";
    QTest::newRow("button, named changed, yes")
        << true << true << true << yes << updatedQuestion << true << true
        << "saveScoreFile completed--------------\n";
    QTest::newRow("close, named changed, cancel")
        << false << true << true << cancel << updatedQuestion << false << false << "";
    QTest::newRow("close, named changed, no")
        << false << true << true << no << updatedQuestion << true << false << "";
    QTest::newRow("close, named changed, yes")
        << false << true << true << yes << updatedQuestion << true << true
        << "saveFile completed--------------\n";
    QTest::newRow("close, untitled changed, yes")
        << false << false << true << yes << unsavedQuestion << true << true
        << "saveAs completed--------------\n";
    QTest::newRow("close, untitled changed, no")
        << false << false << true << no << unsavedQuestion << true << false << "";
    QTest::newRow("button, untitled changed, yes")
        << true << false << true << yes << unsavedQuestion << true << true
        << "saveAs completed--------------\n";
}

void TestSaveClose::closeQuestions()
{
    QFETCH(bool, byButton);
    QFETCH(bool, named);
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(bool, closed);
    QFETCH(bool, written);
    QFETCH(QString, logLine);
    QTemporaryDir dir;
    MainWindow window;
    const QString path = dir.filePath(QStringLiteral("piece.tnsx"));
    Score *score = named ? namedScore(window, path) : importedScore(window);
    QVERIFY(score);
    window.addScoreTab(score);
    if (changed)
        edit(score);
    const QString autoSave = plantAutoSave(score);
    prompter().questionAnswers << QMessageBox::StandardButton(answer);
    if (!named)
        prompter().fileAnswers << path;
    QPointer<ScoreWindow> tab = window.scoreWindows.first();

    if (byButton)
        emit window.tabWidget->tabCloseRequested(0);
    else
        window.ui->actionClose->trigger();

    const QString asked = question.arg(named ? path : score->musicXmlFilePath);
    QCOMPARE(prompter().texts(QStringLiteral("question")),
             question.isEmpty() ? QStringList() : QStringList{asked});
    QCOMPARE(prompter().beeps, question.isEmpty() ? 0 : 1);
    QCOMPARE(window.tabWidget->count(), closed ? 0 : 1);
    QCOMPARE(window.scoreWindows.size(), closed ? 0 : 1);
    QCOMPARE(isScoreFile(path), written);
    if (!logLine.isEmpty())
        QVERIFY2(score->logText.endsWith(logLine), qPrintable(score->logText));
    // Kept only while the score keeps unsaved changes: however a score
    // closes, nothing of it is left to recover.
    const bool autoSaveKept = !closed;
    QCOMPARE(QFile::exists(autoSave), autoSaveKept);
    if (closed) {
        QVERIFY(!autoSaveRuns(score));
        QTRY_VERIFY(!tab);
    } else {
        QVERIFY(autoSaveRuns(score));
    }
}

void TestSaveClose::closingAnotherTabKeepsTheShownOne()
{
    QTemporaryDir dir;
    MainWindow window;
    Score *scores[3];
    for (int i = 0; i < 3; ++i) {
        scores[i] = namedScore(window, dir.filePath(QStringLiteral("p%1.tnsx").arg(i)));
        QVERIFY(scores[i]);
        window.addScoreTab(scores[i]);
    }
    window.tabWidget->setCurrentIndex(1);
    const QString title = window.windowTitle();
    // The first one is saved as it closes: its own tab, not the shown one.
    edit(scores[0]);
    prompter().questionAnswers << QMessageBox::Yes;
    emit window.tabWidget->tabCloseRequested(0);
    QVERIFY(isScoreFile(dir.filePath(QStringLiteral("p0.tnsx"))));
    QCOMPARE(window.currentScore(), scores[1]);
    QCOMPARE(window.windowTitle(), title);
    emit window.tabWidget->tabCloseRequested(1);
    QCOMPARE(window.currentScore(), scores[1]);
    QCOMPARE(window.tabWidget->count(), 1);
}

void TestSaveClose::exitAsksFromTheLastTab()
{
    QTemporaryDir dir;
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList paths;
    for (int i = 0; i < 3; ++i) {
        paths << dir.filePath(QStringLiteral("p%1.tnsx").arg(i));
        Score *score = namedScore(window, paths.last());
        QVERIFY(score);
        window.addScoreTab(score);
        edit(score);
    }
    window.tabWidget->setCurrentIndex(0);
    // A recent list stored, then cleared: the refused exit still stores it.
    QFile existing(dir.filePath(QStringLiteral("recent.tnsx")));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    window.addRecentFile(existing.fileName());
    QSettings settings(QStringLiteral("corvalin"), QStringLiteral("Velmora_Main"));
    QCOMPARE(settings.value(QStringLiteral("recentFiles")).toStringList(),
             QStringList{existing.fileName()});
    prompter().questionAnswers << QMessageBox::Yes;
    window.clearRecentFiles();
    prompter().reset();
    prompter().questionAnswers << QMessageBox::No << QMessageBox::Cancel;

    QVERIFY(!window.close());

    settings.sync();
    QCOMPARE(settings.value(QStringLiteral("recentFiles")).toStringList(), QStringList());
    QCOMPARE(prompter().texts(QStringLiteral("question")),
             (QStringList{updatedQuestion.arg(paths[2]), updatedQuestion.arg(paths[1])}));
    QCOMPARE(window.tabWidget->count(), 2);
    QVERIFY(window.isVisible());
    QCOMPARE(window.tabWidget->currentIndex(), 1);
    QVERIFY(autoSaveRuns(window.currentScore()));

    // Nothing left unsaved: every tab goes, and so does the window.
    for (ScoreWindow *tab : std::as_const(window.scoreWindows))
        tab->score->undoStack->setClean();
    prompter().reset();
    QVERIFY(window.exitProg());
    QCOMPARE(window.tabWidget->count(), 0);
    QVERIFY(prompter().prompts.isEmpty());
    QVERIFY(!window.isVisible());
}

void TestSaveClose::closeScoresOnLeftTabs_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("answers"); // the first: the question on all
    QTest::addColumn<QStringList>("left");   // tab texts, in order
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QList<bool>>("autoSaveLeft"); // per tab, before the command
    using B = QList<bool>;
    const int yes = QMessageBox::Yes;
    const int no = QMessageBox::No;
    const int cancel = QMessageBox::Cancel;
    QTest::newRow("first tab") << 0 << QList<int>{} << QStringList{"p0", "p1", "p2", "p3"} << "p0"
                               << B{true, true, true, true};
    QTest::newRow("yes") << 2 << QList<int>{yes} << QStringList{"p2", "p3"} << "p2"
                         << B{false, false, true, true};
    QTest::newRow("cancel") << 2 << QList<int>{cancel} << QStringList{"p0", "p1", "p2", "p3"}
                            << "p2" << B{true, true, true, true};
    // Per score from right to left: p2 no, p1 cancel (kept), p0 no.
    QTest::newRow("no, one kept") << 3 << QList<int>{no, no, cancel, no} << QStringList{"p1", "p3"}
                                  << "p3" << B{false, true, false, true};
}

void TestSaveClose::closeScoresOnLeftTabs()
{
    QFETCH(int, current);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, left);
    QFETCH(QString, shown);
    QFETCH(QList<bool>, autoSaveLeft);
    QTemporaryDir dir;
    MainWindow window;
    QStringList autoSaves;
    QStringList paths;
    for (int i = 0; i < 4; ++i) {
        paths << dir.filePath(QStringLiteral("p%1.tnsx").arg(i));
        Score *score = namedScore(window, paths.last());
        QVERIFY(score);
        window.addScoreTab(score);
        window.tabWidget->setTabText(i, QStringLiteral("p%1").arg(i));
        edit(score);
        autoSaves << plantAutoSave(score);
    }
    window.tabWidget->setCurrentIndex(current);
    for (int answer : answers)
        prompter().questionAnswers << QMessageBox::StandardButton(answer);

    window.ui->actionCloseOtherScores->trigger();

    QStringList asked;
    if (!answers.isEmpty())
        asked << "Do you want to close all scores on the left hand side tabs without saving?";
    if (answers.value(0) == QMessageBox::No) {
        for (int i = current - 1; i >= 0; --i)
            asked << updatedQuestion.arg(paths[i]);
    }
    QCOMPARE(prompter().texts(QStringLiteral("question")), asked);
    QStringList texts;
    for (int i = 0; i < window.tabWidget->count(); ++i)
        texts << window.tabWidget->tabText(i);
    QCOMPARE(texts, left);
    QCOMPARE(window.scoreWindows.size(), left.size());
    QCOMPARE(window.tabWidget->tabText(window.tabWidget->currentIndex()), shown);
    for (int i = 0; i < 4; ++i)
        QVERIFY2(QFile::exists(autoSaves[i]) == autoSaveLeft[i], qPrintable(autoSaves[i]));
    // Nothing was saved.
    for (const QString &path : paths)
        QVERIFY(!QFile::exists(path));
}

void TestSaveClose::closeFileForcedAsksNothing()
{
    MainWindow window;
    Score *first = importedScore(window);
    Score *second = importedScore(window);
    QVERIFY(first && second);
    window.addScoreTab(first);
    window.addScoreTab(second);
    edit(second);
    const QString autoSave = plantAutoSave(second);
    TestSupport::MessageCapture capture;
    window.closeFileForced();
    QVERIFY(prompter().prompts.isEmpty());
    QCOMPARE(window.tabWidget->count(), 1);
    QCOMPARE(window.currentScore(), first);
    QVERIFY(QFile::exists(autoSave));
    QVERIFY(!autoSaveRuns(second));
    QVERIFY(capture.contains(QStringLiteral("closeFileForced tab = 1")));
    QFile::remove(autoSave);
}

// A save before closing that writes nothing (the write failed, or the
// name was not given) keeps the tab and the score's unsaved state.
void TestSaveClose::closeWithoutWriteKeepsTheTab_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("fileName"); // "" for the resource sample
    QTest::addColumn<QList<int>>("answers");
    QTest::newRow("button, failed write") << "button"
                                          << "missing/p.tnsx" << QList<int>{QMessageBox::Yes};
    QTest::newRow("close, failed write") << "close"
                                         << "missing/p.tnsx" << QList<int>{QMessageBox::Yes};
    QTest::newRow("left tabs, failed write")
        << "left"
        << "missing/p.tnsx" << QList<int>{QMessageBox::No, QMessageBox::Yes};
    QTest::newRow("exit, failed write") << "exit"
                                        << "missing/p.tnsx" << QList<int>{QMessageBox::Yes};
    QTest::newRow("button, sample not named") << "button"
                                              << "" << QList<int>{QMessageBox::Yes};
    QTest::newRow("close, sample not named") << "close"
                                             << "" << QList<int>{QMessageBox::Yes};
    QTest::newRow("close, autosave not named")
        << "close"
        << "velmora_autosave/x_0_autosave.tnsx" << QList<int>{QMessageBox::Yes};
}

void TestSaveClose::closeWithoutWriteKeepsTheTab()
{
    QFETCH(QString, how);
    QFETCH(QString, fileName);
    QFETCH(QList<int>, answers);
    QTemporaryDir dir;
    MainWindow window;
    const bool inHome = fileName.startsWith(QLatin1String("velmora_autosave"));
    const QString path = fileName.isEmpty() ? resourceSample
                         : inHome           ? TestSupport::homePath() + '/' + fileName
                                            : dir.filePath(fileName);
    Score *score = namedScore(window, path);
    QVERIFY(score);
    window.addScoreTab(score);
    window.tabWidget->setTabText(0, QStringLiteral("kept"));
    edit(score);
    const QString autoSave = plantAutoSave(score);
    if (how == QLatin1String("left")) {
        Score *right = importedScore(window);
        QVERIFY(right);
        window.addScoreTab(right);
    }
    for (int answer : answers)
        prompter().questionAnswers << QMessageBox::StandardButton(answer);

    bool exited = false;
    if (how == QLatin1String("button"))
        emit window.tabWidget->tabCloseRequested(0);
    else if (how == QLatin1String("close"))
        window.closeFile();
    else if (how == QLatin1String("left"))
        window.closeOtherFiles();
    else
        exited = window.exitProg();

    QVERIFY(!exited);
    QCOMPARE(window.scoreWindows.size(), how == QLatin1String("left") ? 2 : 1);
    QCOMPARE(window.scoreWindows.first()->score, score);
    QCOMPARE(window.tabWidget->tabText(0), QStringLiteral("kept"));
    QCOMPARE(score->filePath, path);
    QVERIFY(!score->undoStack->isClean());
    QCOMPARE(contents(autoSave), QByteArray("autosaved"));
    QVERIFY(autoSaveRuns(score));
    const int warnings = prompter().texts(QStringLiteral("warning")).size();
    QCOMPARE(warnings, fileName.startsWith(QLatin1String("missing")) ? 1 : 0);
    QFile::remove(autoSave);
}

// The timer is off whenever the user is asked or a file written, and runs
// again when the tab stays.
void TestSaveClose::autoSaveTimerPausesWhileAskingAndWriting_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("named");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<int>("events"); // questions, pickers and writes seen
    QTest::newRow("save") << "save" << true << QList<int>{} << 1;
    QTest::newRow("save untitled") << "save" << false << QList<int>{} << 2;
    QTest::newRow("save as") << "saveAs" << true << QList<int>{} << 2;
    QTest::newRow("button, cancel") << "button" << true << QList<int>{QMessageBox::Cancel} << 1;
    QTest::newRow("button untitled, yes, cancelled name")
        << "button" << false << QList<int>{QMessageBox::Yes} << 2;
    QTest::newRow("close, cancel") << "close" << true << QList<int>{QMessageBox::Cancel} << 1;
}

void TestSaveClose::autoSaveTimerPausesWhileAskingAndWriting()
{
    QFETCH(QString, how);
    QFETCH(bool, named);
    QFETCH(QList<int>, answers);
    QFETCH(int, events);
    QTemporaryDir dir;
    MainWindow window;
    Score *score =
        named ? namedScore(window, dir.filePath(QStringLiteral("p.tnsx"))) : importedScore(window);
    QVERIFY(score);
    window.addScoreTab(score);
    edit(score);
    for (int answer : answers)
        prompter().questionAnswers << QMessageBox::StandardButton(answer);
    if (how != QLatin1String("button"))
        prompter().fileAnswers << dir.filePath(QStringLiteral("q.tnsx"));
    QVERIFY(autoSaveRuns(score));
    {
        TimerWatch watch(score);
        if (how == QLatin1String("save"))
            window.saveFile();
        else if (how == QLatin1String("saveAs"))
            window.saveAs();
        else if (how == QLatin1String("button"))
            emit window.tabWidget->tabCloseRequested(0);
        else
            window.closeFile();
        // Save As asks before it stops the timer; everything after is
        // done with the timer off.
        QList<bool> expected(events, false);
        if (how == QLatin1String("saveAs"))
            expected[0] = true;
        QCOMPARE(watch.states, expected);
    }
    QCOMPARE(window.tabWidget->count(), 1);
    QVERIFY(autoSaveRuns(score));
}

VELMORA_TEST_MAIN(TestSaveClose)

} // namespace tst_save_close
#include "tst_save_close.moc"
