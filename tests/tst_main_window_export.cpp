// The main window's export commands: SVG and PDF pages, plain MusicXML and
// MusicXML with note-name lyrics, to a file or to the MuseScore hand-off
// file; what a cancelled or failed export leaves, and the undo history.
#include "app/mainwindow.h"
#include "app/qtprompter.h"
#include "dialogs/partdialog.h"
#include "document/scorexmlmode.h"
#include "model/directive.h"
#include "model/note.h"
#include "model/score.h"
#include "support/messagecapture.h"
#include "support/testenvironment.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>

namespace tst_main_window_export {

namespace {

using TestSupport::prompter;

QString handOffPath()
{
    return QDir::homePath() + QStringLiteral("/velmora_exported.musicxml");
}

int generations(const TestSupport::MessageCapture &capture)
{
    return capture.count(QStringLiteral("generateScore: entered----------."));
}

// A window with the corpus score that has lyrics open in one tab.
void openScore(MainWindow &window)
{
    QVERIFY(window.importXmlFile2(
        false, TestSupport::fixturePath(
                   QStringLiteral("corpus/lilypond-musicxml-testsuite/01a-Pitches-Pitches.xml"))));
    window.currentScore()->generateScore();
    // The corpus file names another creator than MuseScore.
    prompter().reset();
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Names of the elements of a written file that begin with "tarn-".
QStringList tarnElements(const QString &path)
{
    QDomDocument document;
    if (!document.setContent(contents(path)))
        return {QStringLiteral("unreadable")};
    QStringList found;
    const QDomNodeList all = document.elementsByTagName(QStringLiteral("*"));
    for (int i = 0; i < all.size(); ++i) {
        const QString tag = all.at(i).toElement().tagName();
        if (tag.startsWith(QLatin1String("tarn-")))
            found << tag;
    }
    return found;
}

bool moreIsOpen(MainWindow &window)
{
    auto *more = window.partDialog->findChild<QAbstractButton *>(QStringLiteral("pushButtonMore"));
    return more && more->isChecked();
}

using Slot = void (MainWindow::*)();

// Answers every save picker with the toolkit's own dialog, in which the
// user types `typed` in `folder` and presses Save (a second showing of the
// dialog is cancelled), and every message box the picker shows with
// `boxAnswer`, keeping its text; the rest is scripted.
class TypingPrompter : public TestSupport::ScriptedPrompter
{
public:
    QString folder;
    QString typed;
    QMessageBox::StandardButton boxAnswer = QMessageBox::Yes;
    QStringList boxTexts;

    QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                         const QString &filter) override
    {
        int dialogsShown = 0;
        QTimer user;
        QObject::connect(&user, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                boxTexts << box->text();
                box->button(box->standardButtons() & boxAnswer ? boxAnswer
                                                                : QMessageBox::Ok)
                    ->click();
                return;
            }
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            auto *name =
                dialog ? dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")) : nullptr;
            if (!dialog || !dialog->isVisible())
                return;
            if (!name || dialogsShown++ > 0) {
                dialog->reject();
                return;
            }
            dialog->setDirectory(folder);
            name->setText(typed);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        user.start(10);
        return QtPrompter().saveFileName(parent, caption, dir, filter);
    }
};

} // namespace


class TestMainWindowExport : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void nothingWithoutScore();
    void namesTypedGetTheFormatsExtension_data();
    void namesTypedGetTheFormatsExtension();
    void nameOfDotsOnlyIsRefused();
    void existingTargetIsAskedAboutOnce();
    void exportNeverReplacesAScore_data();
    void exportNeverReplacesAScore();
    void pagesToFile_data();
    void pagesToFile();
    void cancelledSaveDialog_data();
    void cancelledSaveDialog();
    void unwritablePath_data();
    void unwritablePath();
    void plainMusicXml();
    void plainToMuseScore();
    void lyricsAskFirst_data();
    void lyricsAskFirst();
    void undoAfterExportUndoesTheEdit_data();
    void undoAfterExportUndoesTheEdit();
};

void TestMainWindowExport::init()
{
    prompter().reset();
    QFile::remove(handOffPath());
}

void TestMainWindowExport::nothingWithoutScore()
{
    MainWindow window;
    QTemporaryDir folder;
    for (Slot slot :
         {&MainWindow::exportSvgFile, &MainWindow::exportPdfFile,
          &MainWindow::exportMusicXMLFileClean, &MainWindow::exportToMuseScoreClean,
          &MainWindow::exportMusicXMLWithLyrics, &MainWindow::exportMusicXMLWithLyricsToMS}) {
        prompter().fileAnswers << folder.filePath(QStringLiteral("out.xml"));
        prompter().questionAnswers << QMessageBox::Ok;
        (window.*slot)();
        QVERIFY(prompter().prompts.isEmpty());
        QCOMPARE(prompter().beeps, 0);
        prompter().reset();
    }
    QVERIFY(QDir(folder.path()).isEmpty());
    QVERIFY(!QFile::exists(handOffPath()));
}

void TestMainWindowExport::namesTypedGetTheFormatsExtension_data()
{
    QTest::addColumn<Slot>("slot");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    const QList<QPair<const char *, Slot>> commands{
        {"save", &MainWindow::saveFile},
        {"PDF", &MainWindow::exportPdfFile},
        {"SVG", &MainWindow::exportSvgFile},
        {"MusicXML", &MainWindow::exportMusicXMLFileClean},
        {"MusicXML with lyrics", &MainWindow::exportMusicXMLWithLyrics}};
    const QStringList extensions{".tnsx", ".pdf", "_p001.svg", ".musicxml", ".musicxml"};
    for (int i = 0; i < commands.size(); ++i) {
        for (const char *typed : {"mypiece", "gift.v2", "Op. 5", "song.final", "gift.tnsx.pdf"}) {
            if (extensions.at(i) == QLatin1String(".pdf") && QByteArray(typed).endsWith(".pdf"))
                continue; // below
            QTest::addRow("%s, %s", commands.at(i).first, typed)
                << commands.at(i).second << QString::fromLatin1(typed)
                << QString::fromLatin1(typed) + extensions.at(i);
        }
    }
    // A name already in the format's extension keeps it; so does another
    // extension of the same format.
    QTest::newRow("save, gift.tnsx") << Slot(&MainWindow::saveFile) << "gift.tnsx"
                                     << "gift.tnsx";
    QTest::newRow("PDF, gift.tnsx.pdf") << Slot(&MainWindow::exportPdfFile) << "gift.tnsx.pdf"
                                        << "gift.tnsx.pdf";
    QTest::newRow("MusicXML, gift.xml") << Slot(&MainWindow::exportMusicXMLFileClean)
                                        << "gift.xml"
                                        << "gift.xml";
    QTest::newRow("PDF, a trailing dot") << Slot(&MainWindow::exportPdfFile) << "gift."
                                         << "gift.pdf";
}

// The name typed in the toolkit's own dialog is the one written, with the
// format's extension after any dot of its own: "gift.v2" is no PDF, and
// no score that File > Open would list.
void TestMainWindowExport::namesTypedGetTheFormatsExtension()
{
    QFETCH(Slot, slot);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QTemporaryDir folder;
    MainWindow window;
    openScore(window);
    TypingPrompter typing;
    typing.folder = folder.path();
    typing.typed = typed;
    Prompter::install(&typing);
    (window.*slot)();
    Prompter::install(&prompter());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{written});
    QCOMPARE(typing.texts(QStringLiteral("warning")), QStringList());
    QCOMPARE(typing.boxTexts, QStringList());
}

void TestMainWindowExport::nameOfDotsOnlyIsRefused()
{
    QTemporaryDir folder;
    MainWindow window;
    openScore(window);
    TypingPrompter typing;
    typing.folder = folder.path();
    typing.typed = QStringLiteral("...");
    Prompter::install(&typing);
    window.exportPdfFile();
    Prompter::install(&prompter());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(typing.boxTexts,
             QStringList{"\"...\" is not a file name: type a name with letters or digits."});
}

// The dialog is told not to ask about the name as typed; the question comes
// once, about the file that would really be replaced.
void TestMainWindowExport::existingTargetIsAskedAboutOnce()
{
    QTemporaryDir folder;
    const QString score = folder.filePath(QStringLiteral("gift.v2"));
    const QString pdf = folder.filePath(QStringLiteral("gift.v2.pdf"));
    for (const QString &path : {score, pdf}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("kept");
    }
    MainWindow window;
    openScore(window);
    TypingPrompter typing;
    typing.folder = folder.path();
    typing.typed = QStringLiteral("gift.v2");
    typing.boxAnswer = QMessageBox::No;
    Prompter::install(&typing);
    window.exportPdfFile();
    QCOMPARE(typing.boxTexts, QStringList{pdf + " already exists.\nDo you want to replace it?"});
    QCOMPARE(contents(pdf), QByteArray("kept"));

    typing.boxTexts.clear();
    typing.boxAnswer = QMessageBox::Yes;
    window.exportPdfFile();
    Prompter::install(&prompter());
    QCOMPARE(typing.boxTexts, QStringList{pdf + " already exists.\nDo you want to replace it?"});
    QVERIFY(contents(pdf).startsWith("%PDF"));
    QCOMPARE(contents(score), QByteArray("kept"));
}

void TestMainWindowExport::exportNeverReplacesAScore_data()
{
    QTest::addColumn<Slot>("slot");
    QTest::addColumn<QString>("target");
    const QList<QPair<const char *, Slot>> commands{
        {"PDF", &MainWindow::exportPdfFile},
        {"SVG", &MainWindow::exportSvgFile},
        {"MusicXML", &MainWindow::exportMusicXMLFileClean},
        {"MusicXML with lyrics", &MainWindow::exportMusicXMLWithLyrics}};
    for (const auto &command : commands) {
        QTest::addRow("%s, a .tnsx name", command.first) << command.second << "new.tnsx";
        QTest::addRow("%s, the score's own file", command.first) << command.second << "own";
        QTest::addRow("%s, a score by another name", command.first)
            << command.second << "other.pdf";
    }
}

// Named on purpose (a command file, a folder answer that keeps its name),
// a score file is still never the target of an export.
void TestMainWindowExport::exportNeverReplacesAScore()
{
    QFETCH(Slot, slot);
    QFETCH(QString, target);
    QTemporaryDir folder;
    MainWindow window;
    openScore(window);
    Score *score = window.currentScore();
    const QString own = folder.filePath(QStringLiteral("own.tnsx"));
    QVERIFY(score->saveFileAs(own));
    QVERIFY(QFile::copy(own, folder.filePath(QStringLiteral("other.pdf"))));
    const QByteArray saved = contents(own);
    const QString path = folder.filePath(target == QLatin1String("own") ? QStringLiteral("own.tnsx")
                                                                         : target);
    if (slot == Slot(&MainWindow::exportPdfFile))
        QVERIFY(!score->exportPdfFile(path));
    else if (slot == Slot(&MainWindow::exportSvgFile))
        QVERIFY(!score->exportSvgFile(path));
    else
        QVERIFY(!score->exportMusicXMLFile(path, slot == Slot(&MainWindow::exportMusicXMLFileClean)
                                                     ? ScoreXmlMode::PlainMusicXml
                                                     : ScoreXmlMode::NoteNameLyrics));
    const QStringList warnings = prompter().texts(QStringLiteral("warning"));
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().startsWith(QStringLiteral("Can't export to (%1)!").arg(path)),
             qPrintable(warnings.first()));
    QVERIFY(warnings.first().contains(QStringLiteral("an export never replaces a score")));
    QCOMPARE(contents(own), saved);
    if (target != QLatin1String("new.tnsx"))
        QCOMPARE(contents(path), saved);
    else
        QVERIFY(!QFile::exists(path));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), (QStringList{"other.pdf", "own.tnsx"}));
}

void TestMainWindowExport::pagesToFile_data()
{
    QTest::addColumn<Slot>("slot");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("log");
    QTest::newRow("SVG") << Slot(&MainWindow::exportSvgFile) << "Velmora: Export SVG"
                         << "SVG files (*.svg)"
                         << "pitches.svg"
                         << "pitches_p001.svg"
                         << "exportSvgFile completed--------------\n";
    QTest::newRow("PDF") << Slot(&MainWindow::exportPdfFile) << "Velmora: Export PDF"
                         << "PDF files (*.pdf)"
                         << "pitches.pdf"
                         << "pitches.pdf"
                         << "exportPdfFile completed--------------\n";
}

void TestMainWindowExport::pagesToFile()
{
    QFETCH(Slot, slot);
    QFETCH(QString, title);
    QFETCH(QString, filter);
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(QString, log);
    MainWindow window;
    openScore(window);
    Score *score = window.currentScore();
    QTemporaryDir folder;

    // The regenerations the export makes itself, called directly.
    int ownGenerations = 0;
    {
        TestSupport::MessageCapture capture;
        if (slot == Slot(&MainWindow::exportSvgFile))
            QVERIFY(score->exportSvgFile(folder.filePath(QStringLiteral("direct.svg"))));
        else
            QVERIFY(score->exportPdfFile(folder.filePath(QStringLiteral("direct.pdf"))));
        ownGenerations = generations(capture);
    }
    QVERIFY(ownGenerations > 0);

    prompter().fileAnswers << folder.filePath(chosen);
    TestSupport::MessageCapture capture;
    (window.*slot)();
    const auto &prompt = prompter().prompts.value(0);
    QCOMPARE(prompt.kind, QStringLiteral("saveFileName"));
    QCOMPARE(prompt.title, title);
    QCOMPARE(prompt.filter, filter);
    QVERIFY(prompt.folder.isEmpty());
    QVERIFY(QFileInfo(folder.filePath(written)).size() > 0);
    QVERIFY(score->logText.endsWith(log));
    QCOMPARE(generations(capture), ownGenerations);
}

void TestMainWindowExport::cancelledSaveDialog_data()
{
    QTest::addColumn<Slot>("slot");
    QTest::newRow("SVG") << Slot(&MainWindow::exportSvgFile);
    QTest::newRow("PDF") << Slot(&MainWindow::exportPdfFile);
    QTest::newRow("plain MusicXML") << Slot(&MainWindow::exportMusicXMLFileClean);
    QTest::newRow("with lyrics") << Slot(&MainWindow::exportMusicXMLWithLyrics);
}

void TestMainWindowExport::cancelledSaveDialog()
{
    QFETCH(Slot, slot);
    MainWindow window;
    openScore(window);
    Score *score = window.currentScore();
    const QString log = score->logText;
    prompter().questionAnswers << QMessageBox::Ok;
    (window.*slot)();
    QCOMPARE(prompter().texts(QStringLiteral("saveFileName")).size(), 1);
    QCOMPARE(score->logText, log);
    QVERIFY(prompter().texts(QStringLiteral("warning")).isEmpty());
}

void TestMainWindowExport::unwritablePath_data()
{
    QTest::addColumn<Slot>("slot");
    QTest::addColumn<QString>("place");
    const QList<QPair<const char *, Slot>> commands{
        {"SVG", &MainWindow::exportSvgFile},
        {"PDF", &MainWindow::exportPdfFile},
        {"plain MusicXML", &MainWindow::exportMusicXMLFileClean},
        {"with lyrics", &MainWindow::exportMusicXMLWithLyrics}};
    for (const auto &entry : commands) {
        QTest::addRow("%s, missing folder", entry.first) << entry.second << "missing";
        QTest::addRow("%s, a folder", entry.first) << entry.second << "folder";
    }
}

void TestMainWindowExport::unwritablePath()
{
    QFETCH(Slot, slot);
    QFETCH(QString, place);
    MainWindow window;
    openScore(window);
    Score *score = window.currentScore();
    const QString log = score->logText;
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("no/such/folder/out.pdf"));
    if (place == QLatin1String("folder")) {
        // Named like the file an SVG export writes, too.
        path = folder.filePath(QStringLiteral("blocked.pdf"));
        QVERIFY(QDir().mkpath(path));
        QVERIFY(QDir().mkpath(folder.filePath(QStringLiteral("blocked_p001.svg"))));
    }
    prompter().fileAnswers << path;
    prompter().questionAnswers << QMessageBox::Ok;
    (window.*slot)();
    const QStringList warnings = prompter().texts(QStringLiteral("warning"));
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().startsWith(QStringLiteral("Can't write file (")),
             qPrintable(warnings.first()));
    QCOMPARE(score->logText, log);
}

void TestMainWindowExport::plainMusicXml()
{
    MainWindow window;
    openScore(window);
    Score *score = window.currentScore();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("plain.musicxml"));
    prompter().fileAnswers << path;
    TestSupport::MessageCapture capture;
    window.exportMusicXMLFileClean();
    QVERIFY(capture.contains(QStringLiteral("exportMusicXMLFileClean entered.")));
    const auto &prompt = prompter().prompts.value(0);
    QCOMPARE(prompt.title, QStringLiteral("Velmora: Export pure MusicXML file"));
    QCOMPARE(prompt.filter, QStringLiteral("MusicXML files (*.musicxml *.xml)"));
    QVERIFY(contents(path).contains("<score-partwise"));
    QCOMPARE(tarnElements(path), QStringList());
    QVERIFY(score->logText.endsWith(
        QStringLiteral("exportMusicXMLFileClean completed--------------\n")));
    QVERIFY(generations(capture) >= 1);
}

void TestMainWindowExport::plainToMuseScore()
{
    MainWindow window;
    openScore(window);
    Score *score = window.currentScore();
    TestSupport::MessageCapture capture;
    window.exportToMuseScoreClean();
    QVERIFY(prompter().prompts.isEmpty());
    QVERIFY(contents(handOffPath()).contains("<score-partwise"));
    QCOMPARE(tarnElements(handOffPath()), QStringList());
    QVERIFY(score->logText.endsWith(
        QStringLiteral("exportToMuseScoreClean completed--------------\n")));
    QVERIFY(generations(capture) >= 1);
}

void TestMainWindowExport::lyricsAskFirst_data()
{
    QTest::addColumn<bool>("toMuseScore");
    QTest::addColumn<bool>("agree");
    QTest::newRow("file, Cancel") << false << false;
    QTest::newRow("file, OK") << false << true;
    QTest::newRow("MuseScore, Cancel") << true << false;
    QTest::newRow("MuseScore, OK") << true << true;
}

void TestMainWindowExport::lyricsAskFirst()
{
    QFETCH(bool, toMuseScore);
    QFETCH(bool, agree);
    MainWindow window;
    openScore(window);
    Score *score = window.currentScore();
    const QString log = score->logText;
    QTemporaryDir folder;
    const QString path =
        toMuseScore ? handOffPath() : folder.filePath(QStringLiteral("lyrics.musicxml"));
    prompter().questionAnswers << (agree ? QMessageBox::Ok : QMessageBox::Cancel);
    prompter().fileAnswers << path;
    if (toMuseScore)
        window.exportMusicXMLWithLyricsToMS();
    else
        window.exportMusicXMLWithLyrics();

    QVERIFY(window.partDialog->isVisible());
    QVERIFY(moreIsOpen(window));
    QCOMPARE(prompter().beeps, 1);
    const auto &question = prompter().prompts.value(0);
    QCOMPARE(question.kind, QStringLiteral("question"));
    QCOMPARE(question.title, QStringLiteral("Velmora"));
    QCOMPARE(question.text,
             QStringLiteral(
                 "This command will use Part dialog's output settings.\nPress Ok to continue."));
    QCOMPARE(question.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    if (!agree) {
        QCOMPARE(prompter().prompts.size(), 1);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(score->logText, log);
        return;
    }
    if (!toMuseScore) {
        const auto &save = prompter().prompts.value(1);
        QCOMPARE(save.title, QStringLiteral("Velmora: Export MusicXML With Lyrics"));
        QCOMPARE(save.filter, QStringLiteral("MusicXML files (*.musicxml *.xml)"));
    }
    QVERIFY(score->logText.endsWith(
        toMuseScore ? QStringLiteral("exportMusicXMLWithLyricsToMS completed--------------\n")
                    : QStringLiteral("exportMusicXMLWithLyrics completed--------------\n")));
    // The file is the note-name lyrics build of the settings the score holds.
    const QString direct = folder.filePath(QStringLiteral("direct.musicxml"));
    QVERIFY(score->exportMusicXMLFile(direct, ScoreXmlMode::NoteNameLyrics));
    QCOMPARE(contents(path), contents(direct));
    const QString plain = folder.filePath(QStringLiteral("plain.musicxml"));
    QVERIFY(score->exportMusicXMLFile(plain, ScoreXmlMode::PlainMusicXml));
    QVERIFY(contents(path) != contents(plain));
}

void TestMainWindowExport::undoAfterExportUndoesTheEdit_data()
{
    QTest::addColumn<Slot>("slot");
    QTest::newRow("plain to file") << Slot(&MainWindow::exportMusicXMLFileClean);
    QTest::newRow("plain to MuseScore") << Slot(&MainWindow::exportToMuseScoreClean);
    QTest::newRow("lyrics to file") << Slot(&MainWindow::exportMusicXMLWithLyrics);
    QTest::newRow("lyrics to MuseScore") << Slot(&MainWindow::exportMusicXMLWithLyricsToMS);
}

void TestMainWindowExport::undoAfterExportUndoesTheEdit()
{
    QFETCH(Slot, slot);
    MainWindow window;
    openScore(window);
    Score *score = window.currentScore();
    Note *note = score->noteAt(0, 0, 0, 0);
    QVERIFY(note);
    Directive *added = score->addDirectiveToNote(note, QStringLiteral("'dolce'"));
    QVERIFY(added && !added->deleted);
    QTemporaryDir folder;
    prompter().fileAnswers << folder.filePath(QStringLiteral("out.musicxml"));
    prompter().questionAnswers << QMessageBox::Ok;
    (window.*slot)();
    QVERIFY(score->logText.contains(QStringLiteral(" completed--------------\n")));
    QCOMPARE(score->noteAt(0, 0, 0, 0), note);
    QCOMPARE(score->undoStack->count(), 1);
    score->undoStack->undo();
    QVERIFY(added->deleted);
}

VELMORA_TEST_MAIN(TestMainWindowExport)

} // namespace tst_main_window_export
#include "tst_main_window_export.moc"
