// The main window's MusicXML imports: a new score from a chosen file, the
// imitating import through the environment file, the tuning prompts of new
// koto and sangen parts, the MuseScore hand-off, the command line's import,
// and files that cannot be read or loaded.
#include "app/mainwindow.h"
#include "dialogs/partdialog.h"
#include "dialogs/scaledialog.h"
#include "model/directive.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "support/messagecapture.h"
#include "support/testenvironment.h"
#include "view/scene.h"
#include "view/scorewindow.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QTabWidget>
#include <QUndoStack>

namespace tst_main_window_import {

namespace {

using TestSupport::prompter;

QString fixture(const QString &name)
{
    return TestSupport::fixturePath(QStringLiteral("import/") + name);
}

QString envPath()
{
    return QDir::homePath() + QStringLiteral("/VelmoraEnv.xml");
}

QString handOffPath()
{
    return QDir::homePath() + QStringLiteral("/musescore_exported.musicxml");
}

// Removes a file or a folder at `path`.
void removePath(const QString &path)
{
    QDir(path).removeRecursively();
    QFile::remove(path);
}

const QString unknownCreator =
    QStringLiteral("Imported MusicXML file was created by [Unknow] which is not tested by "
                   "Velmora. Please remake the musicxml file using MuseScore!");

// Prompts of one kind, in order.
QList<TestSupport::ScriptedPrompter::Prompt> promptsOf(const QString &kind)
{
    QList<TestSupport::ScriptedPrompter::Prompt> found;
    for (const auto &prompt : std::as_const(prompter().prompts))
        if (prompt.kind == kind)
            found << prompt;
    return found;
}

int partDialogRuns(MainWindow &window)
{
    int runs = 0;
    for (const auto &prompt : promptsOf(QStringLiteral("dialog")))
        runs += prompt.title == window.partDialog->windowTitle();
    return runs;
}

QStringList childTags(const QDomElement &element)
{
    QStringList tags;
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        tags << child.tagName();
    return tags;
}

bool hasLiveDirective(const Note *note, const QString &text)
{
    for (const Directive *directive : note->directives)
        if (!directive->deleted && directive->text == text)
            return true;
    return false;
}

// The scale editors opened, as (message, directive text).
struct ScaleEditorRecord
{
    QString message;
    QString directive;
};

} // namespace

class TestMainWindowImport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void importNewOpensADrawnUnsavedTab();
    void cancelledFileDialogCreatesNothing();
    void creatorCheck_data();
    void creatorCheck();
    void tuningPromptsForKotoAndSangenParts();
    void cancelledPromptAsksTheNextPart();
    void scaleEditorOpensOnTheAddedDirective();
    void noPromptsWithoutOk();
    void imitateCarriesTheActiveSettings();
    void imitateWithoutScoreUsesAnOlderFile();
    void imitateSwitchesAPartOn();
    void failedEnvironmentWriteGoesOn();
    void emptyPathCreatesNothing();
    void unreadableOrRefusedFileCreatesNothing_data();
    void unreadableOrRefusedFileCreatesNothing();
    void handOffNewAndImitate();
    void failedHandOffLeavesTheActiveScore_data();
    void failedHandOffLeavesTheActiveScore();
    void commandLineImportIsDrawn();
};

void TestMainWindowImport::init()
{
    prompter().reset();
    removePath(envPath());
    removePath(handOffPath());
}

void TestMainWindowImport::cleanup()
{
    prompter().reset();
    removePath(envPath());
    removePath(handOffPath());
}

void TestMainWindowImport::importNewOpensADrawnUnsavedTab()
{
    MainWindow window;
    const QString path = fixture(QStringLiteral("import-OnePart.xml"));
    prompter().fileAnswers << path;
    const int firstNumber = window.scoreCounter;
    TestSupport::MessageCapture capture;
    window.importNew();

    const auto files = promptsOf(QStringLiteral("openFileName"));
    QCOMPARE(files.size(), 1);
    QCOMPARE(files.first().title, QStringLiteral("Velmora: Import MusicXML file"));
    QCOMPARE(files.first().filter, QStringLiteral("MusicXml files (*.xml *.musicxml *.mxl)"));

    QCOMPARE(window.tabWidget->count(), 1);
    Score *score = window.currentScore();
    QCOMPARE(window.tabWidget->tabText(0), QStringLiteral("import-OnePart"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora - ") + path);
    QCOMPARE(score->scoreNumber, firstNumber);
    QCOMPARE(window.scoreCounter, firstNumber + 1);
    QVERIFY(score->logText.contains(QStringLiteral("importNew completed-------------\n")));
    QCOMPARE(score->zoomFactor, 0.6);
    QVERIFY(!score->scene->items().isEmpty());
    QVERIFY(score->changed);
    QVERIFY(!score->changedSinceAutoSave);
    QCOMPARE(partDialogRuns(window), 1);
    QVERIFY(promptsOf(QStringLiteral("information")).isEmpty());
    QVERIFY(capture.contains(QStringLiteral("importXmlFile called, exit")));
}

void TestMainWindowImport::cancelledFileDialogCreatesNothing()
{
    MainWindow window;
    for (auto import : {&MainWindow::importNew, &MainWindow::importImitate}) {
        TestSupport::MessageCapture capture;
        (window.*import)();
        QCOMPARE(window.tabWidget->count(), 0);
        QCOMPARE(window.scoreCounter, 0);
        QVERIFY(capture.contains(QStringLiteral("importXmlFile called, exit")));
    }
    QCOMPARE(partDialogRuns(window), 0);
}

void TestMainWindowImport::creatorCheck_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("no software") << "import-NoSoftware.xml" << QStringList{unknownCreator};
    QTest::newRow("MuseScore 3.2.3") << "import-OnePart.xml" << QStringList{};
}

void TestMainWindowImport::creatorCheck()
{
    QFETCH(QString, file);
    QFETCH(QStringList, messages);
    MainWindow window;
    prompter().fileAnswers << fixture(file);
    window.importNew();
    QCOMPARE(prompter().texts(QStringLiteral("information")), messages);
    QCOMPARE(window.tabWidget->count(), 1);
    QCOMPARE(window.currentScore()->parts.size(), 1);
}

void TestMainWindowImport::tuningPromptsForKotoAndSangenParts()
{
    MainWindow window;
    prompter().fileAnswers << fixture(QStringLiteral("import-ThreeParts.xml"));
    // The user picks koto, sangen and koto for the three parts and ends the
    // part dialog with OK.
    prompter().dialogScripts << [&window](QDialog *) {
        Score *score = window.currentScore();
        score->parts.at(0)->changeNotationStyle(NotationStyle::KotoIkuta);
        score->parts.at(1)->changeNotationStyle(NotationStyle::SangenYamada);
        score->parts.at(2)->changeNotationStyle(NotationStyle::KotoSeiha);
        return 2;
    };
    QList<ScaleEditorRecord> editors;
    for (int i = 0; i < 2; ++i) {
        prompter().dialogScripts << [&editors](QDialog *dialog) {
            auto *scale = qobject_cast<ScaleDialog *>(dialog);
            editors << ScaleEditorRecord{scale ? scale->message() : QString(),
                                         scale ? scale->directiveText() : QString()};
            return 0;
        };
    }
    prompter().itemAnswers << QStringLiteral("Koto 17 Strings") << QStringLiteral("Sangen 2Agari")
                           << QStringLiteral("Koto 13 Strings");
    TestSupport::MessageCapture capture;
    window.importNew();

    const auto items = promptsOf(QStringLiteral("item"));
    QCOMPARE(items.size(), 3);
    const QStringList koto{"Koto 13 Strings", "Koto 17 Strings", "Koto 20 Strings",
                           "Koto 25 Strings"};
    QCOMPARE(items.at(0).title, QStringLiteral("Koto Scale"));
    QCOMPARE(items.at(0).text, QStringLiteral("Select the numer of strings of Koto for Part: 1"));
    QCOMPARE(items.at(0).items, koto);
    QCOMPARE(items.at(0).current, 0);
    QCOMPARE(items.at(1).title, QStringLiteral("Sangen/Shamisen Tuning"));
    QCOMPARE(items.at(1).text, QStringLiteral("Select a tuning method for Part 2"));
    QCOMPARE(items.at(1).items,
             (QStringList{"Sangen Honchoshi", "Sangen 2Agari", "Sangen 3Sagari"}));
    QCOMPARE(items.at(2).text, QStringLiteral("Select the numer of strings of Koto for Part: 3"));

    Score *score = window.currentScore();
    const QString koto17 = ".scale{-22,-20,-19,-17,-15,-14,-12,-10,-8,-7,-5,-3,-1,0,2,4,5}'Koto17'";
    const QString sangen2 = ".scaleSangen{4,11,16}'Sangen_2Agari'";
    QVERIFY(hasLiveDirective(score->noteAt(0, 0, 0, 0), koto17));
    QVERIFY(hasLiveDirective(score->noteAt(0, 1, 0, 0), sangen2));
    // Part 3 has no first note of voice 1 in measure 1.
    QVERIFY(capture.contains(QStringLiteral("Note is null!")));
    QCOMPARE(score->undoStack->count(), 2);

    QCOMPARE(editors.size(), 2);
    QCOMPARE(editors.at(0).message,
             QStringLiteral(
                 "Edit scale for part: 1.\nSelect a scale note in the list and change pitch."));
    QCOMPARE(editors.at(0).directive, koto17);
    QCOMPARE(editors.at(1).message,
             QStringLiteral(
                 "Edit scale for part: 2.\nSelect a scale note in the list and change pitch."));
    QCOMPARE(editors.at(1).directive, sangen2);

    // Each tuning is one undo step.
    score->undoStack->undo();
    QVERIFY(!hasLiveDirective(score->noteAt(0, 1, 0, 0), sangen2));
    QVERIFY(hasLiveDirective(score->noteAt(0, 0, 0, 0), koto17));
}

void TestMainWindowImport::cancelledPromptAsksTheNextPart()
{
    MainWindow window;
    prompter().fileAnswers << fixture(QStringLiteral("import-ThreeParts.xml"));
    // Part 1 koto, part 2 in staff notation (not asked), part 3... is
    // sangen but has no note to take a tuning; part 2 is made sangen here.
    prompter().dialogScripts << [&window](QDialog *) {
        Score *score = window.currentScore();
        score->parts.at(0)->changeNotationStyle(NotationStyle::KotoSeiha);
        score->parts.at(1)->changeNotationStyle(NotationStyle::ShamisenBunka);
        score->parts.at(2)->changeNotationStyle(NotationStyle::StaffNotation);
        return 2;
    };
    prompter().itemAnswers << QString() << QStringLiteral("Sangen 3Sagari");
    window.importNew();

    const auto items = promptsOf(QStringLiteral("item"));
    QCOMPARE(items.size(), 2);
    QCOMPARE(items.at(0).title, QStringLiteral("Koto Scale"));
    QCOMPARE(items.at(1).title, QStringLiteral("Sangen/Shamisen Tuning"));
    Score *score = window.currentScore();
    QCOMPARE(score->undoStack->count(), 1);
    QVERIFY(hasLiveDirective(score->noteAt(0, 1, 0, 0),
                             QStringLiteral(".scaleSangen{4,9,14}'Sangen_3Sagari'")));
}

// A note that already carries a directive keeps it first; the editor still
// opens on the tuning just added.
void TestMainWindowImport::scaleEditorOpensOnTheAddedDirective()
{
    MainWindow window;
    prompter().fileAnswers << fixture(QStringLiteral("import-OnePart.xml"));
    prompter().dialogScripts << [&window](QDialog *) {
        Score *score = window.currentScore();
        score->addDirectiveToNote(score->noteAt(0, 0, 0, 0), QStringLiteral("'dolce'"));
        score->parts.at(0)->changeNotationStyle(NotationStyle::KotoIkuta);
        return 2;
    };
    QString opened;
    prompter().dialogScripts << [&opened](QDialog *dialog) {
        if (auto *scale = qobject_cast<ScaleDialog *>(dialog))
            opened = scale->directiveText();
        return 0;
    };
    prompter().itemAnswers << QStringLiteral("Koto 20 Strings");
    window.importNew();
    const Note *note = window.currentScore()->noteAt(0, 0, 0, 0);
    QCOMPARE(note->directives.size(), 2);
    QCOMPARE(opened,
             QStringLiteral(
                 ".scale{2,4,6,7,9,11,13,14,16,18,19,21,23,25,26,28,30,31,33,35,37}'Koto20'"));
}

// Styles that take no tuning, and a part dialog not ended with OK, ask
// nothing.
void TestMainWindowImport::noPromptsWithoutOk()
{
    for (int result : {0, 1, 2}) {
        MainWindow window;
        prompter().reset();
        prompter().fileAnswers << fixture(QStringLiteral("import-ThreeParts.xml"));
        prompter().dialogScripts << [&window, result](QDialog *) {
            Score *score = window.currentScore();
            const int code = result == 2 ? NotationStyle::Fue : NotationStyle::KotoIkuta;
            for (Part *part : std::as_const(score->parts))
                part->changeNotationStyle(code);
            score->parts.at(1)->changeNotationStyle(result == 2 ? NotationStyle::StaffNotation
                                                                : NotationStyle::SangenIkuta);
            score->parts.at(2)->changeNotationStyle(result == 2 ? NotationStyle::TozanTrad
                                                                : NotationStyle::KotoIkuta);
            return result;
        };
        window.importNew();
        QVERIFY2(promptsOf(QStringLiteral("item")).isEmpty(), qPrintable(QString::number(result)));
        QCOMPARE(window.currentScore()->undoStack->count(), 0);
    }
}

void TestMainWindowImport::imitateCarriesTheActiveSettings()
{
    MainWindow window;
    QVERIFY(window.importXmlFile2(false, fixture(QStringLiteral("import-OnePart.xml"))));
    Score *active = window.currentScore();
    active->parts.at(0)->changeNotationStyle(NotationStyle::Fue);
    active->parts.at(0)->partName = QStringLiteral("Imitated");
    active->page->measurePerLine = 3;

    const QString three = fixture(QStringLiteral("import-ThreeParts.xml"));
    prompter().fileAnswers << three;
    window.importImitate();

    QFile file(envPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QDomDocument env;
    QVERIFY(env.setContent(&file));
    const QDomElement root = env.documentElement();
    QCOMPARE(root.tagName(), QStringLiteral("tarnwick-env"));
    QCOMPARE(childTags(root), (QStringList{"tarn-page", "tarn-style", "tarn-part"}));
    const QStringList partChildren{"part-name",
                                   "part-abbreviation",
                                   "part-output",
                                   "part-collapse",
                                   "note-output",
                                   "notation-style",
                                   "instrument-key",
                                   "note-font-name",
                                   "note-font-size",
                                   "part-width-scale",
                                   "boundary-left-bottom",
                                   "boundary-right-top",
                                   "time-ticks",
                                   "time-ticks-16th",
                                   "lyrics-font",
                                   "lyrics-output",
                                   "whole-rest-output",
                                   "slur-output",
                                   "staff-note-output",
                                   "staff-note-tie-stop-output",
                                   "staff-note-beams",
                                   "staff-note-inverse-order",
                                   "staff-note-octave-inst",
                                   "staff-note-breath-mark",
                                   "staff-note-tremolo-line",
                                   "staff-note-extension-bar-dot",
                                   "staff-note-rest-note",
                                   "staff-note-lyric-start",
                                   "align-in-time",
                                   "note-interval",
                                   "note-width-1",
                                   "note-width-2",
                                   "note-width-4",
                                   "note-width-8",
                                   "note-width-16",
                                   "note-width-32"};
    QCOMPARE(childTags(root.firstChildElement(QStringLiteral("tarn-part"))), partChildren);

    QCOMPARE(window.tabWidget->count(), 2);
    Score *imitating = window.currentScore();
    QVERIFY(imitating != active);
    QVERIFY(imitating->logText.contains(QStringLiteral("importDup completed-------------\n")));
    QCOMPARE(imitating->parts.at(0)->notationStyle, int(NotationStyle::Fue));
    QCOMPARE(imitating->parts.at(0)->partName, QStringLiteral("Imitated"));
    QCOMPARE(imitating->page->measurePerLine, 3);

    // A plain import removes the file first and takes none of it.
    prompter().fileAnswers << three;
    window.importNew();
    QVERIFY(!QFile::exists(envPath()));
    Score *plain = window.currentScore();
    QCOMPARE(plain->parts.size(), 3);
    QVERIFY(plain->parts.at(0)->notationStyle != NotationStyle::Fue);
    QVERIFY(plain->page->measurePerLine != 3);
    // The parts beyond the file's one tarn-part kept the plain settings.
    for (int p = 1; p < 3; ++p) {
        QCOMPARE(imitating->parts.at(p)->notationStyle, plain->parts.at(p)->notationStyle);
        QCOMPARE(imitating->parts.at(p)->partName, plain->parts.at(p)->partName);
    }
}

void TestMainWindowImport::imitateWithoutScoreUsesAnOlderFile()
{
    {
        MainWindow window;
        QVERIFY(window.importXmlFile2(false, fixture(QStringLiteral("import-OnePart.xml"))));
        window.currentScore()->parts.at(0)->changeNotationStyle(NotationStyle::TozanTrad);
        window.writeVelmoraEnv();
    }
    QFile file(envPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    MainWindow window;
    prompter().fileAnswers << fixture(QStringLiteral("import-NoSoftware.xml"));
    window.importImitate();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QCOMPARE(window.currentScore()->parts.at(0)->notationStyle, int(NotationStyle::TozanTrad));
}

void TestMainWindowImport::imitateSwitchesAPartOn()
{
    MainWindow window;
    QVERIFY(window.importXmlFile2(false, fixture(QStringLiteral("import-ThreeParts.xml"))));
    for (Part *part : std::as_const(window.currentScore()->parts))
        part->partOutput = false;
    QVERIFY(window.importXmlFile2(true, fixture(QStringLiteral("import-ThreeParts.xml"))));
    const Score *imitating = window.currentScore();
    QVERIFY(imitating->parts.at(0)->partOutput);
    QVERIFY(!imitating->parts.at(1)->partOutput);
}

void TestMainWindowImport::failedEnvironmentWriteGoesOn()
{
    MainWindow window;
    QVERIFY(window.importXmlFile2(false, fixture(QStringLiteral("import-OnePart.xml"))));
    QVERIFY(QDir().mkpath(envPath()));
    prompter().fileAnswers << fixture(QStringLiteral("import-OnePart.xml"));
    window.importImitate();
    // The write is reported first (the loader then says it cannot read a
    // folder).
    const QStringList warnings = prompter().texts(QStringLiteral("warning"));
    QVERIFY(!warnings.isEmpty());
    QVERIFY2(
        warnings.first().startsWith(QStringLiteral("Can't write file (%1)!:\n").arg(envPath())),
        qPrintable(warnings.first()));
    QCOMPARE(window.tabWidget->count(), 2);
    QVERIFY(window.currentScore()->logText.contains(QStringLiteral("importDup completed")));
}

void TestMainWindowImport::emptyPathCreatesNothing()
{
    MainWindow window;
    TestSupport::MessageCapture capture;
    QVERIFY(!window.importXmlFile2(false, QString()));
    QVERIFY(!window.importXmlFile2(true, QString()));
    QCOMPARE(window.tabWidget->count(), 0);
    QCOMPARE(capture.count(QStringLiteral("importXmlFile2 file is not found path=")), 2);
    QVERIFY(prompter().prompts.isEmpty());

    // Every new score takes the next number.
    QVERIFY(window.importXmlFile2(false, fixture(QStringLiteral("import-OnePart.xml"))));
    QVERIFY(window.importNewFromPath(fixture(QStringLiteral("import-OnePart.xml"))));
    QCOMPARE(window.scoreWindows.at(0)->score->scoreNumber + 1,
             window.scoreWindows.at(1)->score->scoreNumber);
}

void TestMainWindowImport::unreadableOrRefusedFileCreatesNothing_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("warningStart");
    QTest::newRow("missing") << QDir::homePath() + "/no-such-file.xml"
                             << "Can't read file (";
    QTest::newRow("folder") << QDir::homePath() << "Can't read file (";
    QTest::newRow("refused") << fixture(QStringLiteral("import-NotAScore.xml")) << "";
}

void TestMainWindowImport::unreadableOrRefusedFileCreatesNothing()
{
    QFETCH(QString, path);
    QFETCH(QString, warningStart);
    for (int way = 0; way < 3; ++way) {
        MainWindow window;
        prompter().reset();
        bool result = true;
        if (way == 0)
            result = window.importXmlFile2(false, path);
        else if (way == 1)
            result = window.importNewFromPath(path);
        else {
            prompter().fileAnswers << path;
            window.importNew();
            result = false;
        }
        QVERIFY(!result);
        QCOMPARE(window.tabWidget->count(), 0);
        QCOMPARE(window.scoreWindows.size(), 0);
        // The reader's or loader's own message, and nothing after it.
        QCOMPARE(prompter().texts(QStringLiteral("warning")).size(), 1);
        QVERIFY(prompter().texts(QStringLiteral("warning")).first().startsWith(warningStart));
        QVERIFY(prompter().texts(QStringLiteral("information")).isEmpty());
        QCOMPARE(partDialogRuns(window), 0);
        QVERIFY(promptsOf(QStringLiteral("item")).isEmpty());
    }
}

void TestMainWindowImport::handOffNewAndImitate()
{
    MainWindow window;
    QVERIFY(QFile::copy(fixture(QStringLiteral("import-OnePart.xml")), handOffPath()));
    prompter().dialogScripts << [&window](QDialog *) {
        window.currentScore()->parts.at(0)->changeNotationStyle(NotationStyle::SangenIkuta);
        return 2;
    };
    prompter().itemAnswers << QStringLiteral("Sangen Honchoshi");
    window.importNewMuseScore();
    QCOMPARE(window.tabWidget->count(), 1);
    Score *fresh = window.currentScore();
    QCOMPARE(promptsOf(QStringLiteral("item")).size(), 1);
    QVERIFY(hasLiveDirective(fresh->noteAt(0, 0, 0, 0),
                             QStringLiteral(".scaleSangen{4,9,16}'Sangen_Honchoshi'")));
    QVERIFY(fresh->logText.contains(QStringLiteral("importNewMuseScore completed-------------\n")));
    QCOMPARE(partDialogRuns(window), 1);
    QVERIFY(fresh->changed);
    QCOMPARE(window.tabWidget->tabText(0), QStringLiteral("musescore_exported"));
    QVERIFY(!fresh->scene->items().isEmpty());

    fresh->parts.at(0)->changeNotationStyle(NotationStyle::Doremi);
    window.importImitateMuseScore();
    QCOMPARE(window.tabWidget->count(), 2);
    Score *imitating = window.currentScore();
    QVERIFY(
        imitating->logText.contains(QStringLiteral("importDupMuseScore completed-------------\n")));
    QVERIFY(!imitating->changed);
    QCOMPARE(imitating->parts.at(0)->notationStyle, int(NotationStyle::Doremi));
    QCOMPARE(partDialogRuns(window), 1);
    QVERIFY(!imitating->scene->items().isEmpty());
}

void TestMainWindowImport::failedHandOffLeavesTheActiveScore_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("missing") << "missing";
    QTest::newRow("refused") << "refused";
}

void TestMainWindowImport::failedHandOffLeavesTheActiveScore()
{
    QFETCH(QString, fault);
    MainWindow window;
    const QString path = fixture(QStringLiteral("import-OnePart.xml"));
    QVERIFY(window.importXmlFile2(false, path));
    Score *active = window.currentScore();
    active->appendLog(QStringLiteral("edited\n"));
    const QString tabText = window.tabWidget->tabText(0);
    const QString log = active->logText;
    const QString document = active->document.toString();
    const QString title = window.windowTitle();
    if (fault == QLatin1String("refused"))
        QVERIFY(QFile::copy(fixture(QStringLiteral("import-NotAScore.xml")), handOffPath()));

    for (auto handOff : {&MainWindow::importNewMuseScore, &MainWindow::importImitateMuseScore}) {
        prompter().reset();
        (window.*handOff)();
        QCOMPARE(window.tabWidget->count(), 1);
        QCOMPARE(window.currentScore(), active);
        QCOMPARE(window.tabWidget->tabText(0), tabText);
        QCOMPARE(window.windowTitle(), title);
        QCOMPARE(active->musicXmlFilePath, path);
        QVERIFY(active->filePath.isEmpty());
        QCOMPARE(active->logText, log);
        QCOMPARE(active->document.toString(), document);
        QVERIFY(!active->changed);
        QCOMPARE(prompter().texts(QStringLiteral("warning")).size(), 1);
        QCOMPARE(partDialogRuns(window), 0);
        QVERIFY(promptsOf(QStringLiteral("item")).isEmpty());
    }
}

void TestMainWindowImport::commandLineImportIsDrawn()
{
    MainWindow window;
    QVERIFY(!window.importFromCommandLine(QDir::homePath() + QStringLiteral("/missing.xml")));
    QCOMPARE(window.tabWidget->count(), 0);

    QVERIFY(window.importFromCommandLine(fixture(QStringLiteral("import-OnePart.xml"))));
    Score *score = window.currentScore();
    QVERIFY(score);
    QVERIFY(!score->scene->items().isEmpty());
    QCOMPARE(score->zoomFactor, 0.6);
    // No part dialog and no prompt for a start from the command line.
    QCOMPARE(partDialogRuns(window), 0);
}

VELMORA_TEST_MAIN(TestMainWindowImport)

} // namespace tst_main_window_import
#include "tst_main_window_import.moc"
