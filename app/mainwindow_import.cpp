// MainWindow: MusicXML import as a new score (plain or imitating the active
// score's settings), the environment file that carries those settings, the
// tuning prompts for new koto and sangen parts and the MuseScore hand-off.
// The update imports are in app/mainwindow_update.cpp.
#include "app/mainwindow.h"

#include "app/commandline.h"
#include "app/dialogimportexport.h"
#include "dialogs/partdialog.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/part.h"
#include "model/score.h"
#include "platform/prompter.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>

namespace {

// The file the MuseScore plug-in leaves for this program.
QString museScoreExportedPath()
{
    return QDir::homePath() + QStringLiteral("/musescore_exported.musicxml");
}

QString musicXmlFilter()
{
    return MainWindow::tr("MusicXml files (*.xml *.musicxml *.mxl)");
}

// One choice of a tuning prompt: the palette entry's text and the
// directive it adds.
struct TuningEntry
{
    const char *text;
    const char *directive;
};

const TuningEntry kotoEntries[] = {
    {QT_TRANSLATE_NOOP("MainWindow", "Koto 13 Strings"),
     ".scale{4,-3,-1,0,4,5,9,11,12,16,17,21,23}'Koto13(Hira_D)'"},
    {QT_TRANSLATE_NOOP("MainWindow", "Koto 17 Strings"),
     ".scale{-22,-20,-19,-17,-15,-14,-12,-10,-8,-7,-5,-3,-1,0,2,4,5}'Koto17'"},
    {QT_TRANSLATE_NOOP("MainWindow", "Koto 20 Strings"),
     ".scale{2,4,6,7,9,11,13,14,16,18,19,21,23,25,26,28,30,31,33,35,37}'Koto20'"},
    {QT_TRANSLATE_NOOP("MainWindow", "Koto 25 Strings"),
     ".scale{2,4,6,7,9,11,13,14,16,18,19,21,23,25,26,28,30,31,33,35,37,38,40,42,43}'Koto25'"},
};

const TuningEntry sangenEntries[] = {
    {QT_TRANSLATE_NOOP("MainWindow", "Sangen Honchoshi"), ".scaleSangen{4,9,16}'Sangen_Honchoshi'"},
    {QT_TRANSLATE_NOOP("MainWindow", "Sangen 2Agari"), ".scaleSangen{4,11,16}'Sangen_2Agari'"},
    {QT_TRANSLATE_NOOP("MainWindow", "Sangen 3Sagari"), ".scaleSangen{4,9,14}'Sangen_3Sagari'"},
};

template <std::size_t N> QStringList entryTexts(const TuningEntry (&entries)[N])
{
    QStringList texts;
    for (const TuningEntry &entry : entries)
        texts << MainWindow::tr(entry.text);
    return texts;
}

} // namespace

void MainWindow::importExport()
{
    dialogImportExport->setScore(currentScore());
    dialogImportExport->show();
    dialogImportExport->raise();
}

Score *MainWindow::openImportTab(const QString &path, QString *creator)
{
    auto *score = new Score(programVersion, scoreCounter++, true);
    // The score gets its tab only once it holds the file: a file that
    // cannot be read or loaded (both reported there) leaves the tabs, the
    // current score and its log as they were.
    const std::optional<QString> software =
        score->readMusicXmlFile(path) ? score->parseScoreXml(true) : std::nullopt;
    if (!software) {
        delete score;
        return nullptr;
    }
    addScoreTab(score);
    tabWidget->setTabText(tabWidget->currentIndex(), QFileInfo(path).baseName());
    setWindowTitle(QStringLiteral("Velmora - ") + score->musicXmlFilePath);
    *creator = *software;
    return score;
}

void MainWindow::checkImportCreator(const QString &creator)
{
    if (creator.startsWith(QLatin1String("MuseScore")))
        return;
    Prompter::instance().information(
        this, tr("Velmora"),
        tr("Imported MusicXML file was created by [%1] which is not tested by Velmora. Please "
           "remake the musicxml file using MuseScore!")
            .arg(creator));
}

void MainWindow::showNewScore(Score *score)
{
    score->generateScore();
    score->zoomReset();
    ensureVisibleMeasure(0, false);
}

void MainWindow::runPartDialogForNewScore()
{
    setPart2();
    // The part dialog's OK ends a modal run with 2.
    if (Prompter::instance().runDialog(partDialog) == 2)
        addScaleDirectivesToNewScore();
}

void MainWindow::importNew()
{
    const QString path = Prompter::instance().openFileName(
        this, tr("Velmora: Import MusicXML file"), QString(), musicXmlFilter());
    if (!path.isEmpty()) {
        removeVelmoraEnv();
        QString creator;
        if (Score *score = openImportTab(path, &creator)) {
            score->appendLog(QStringLiteral("importNew completed-------------\n"));
            // Unsaved, but nothing for the autosave until the first edit.
            score->changed = true;
            showNewScore(score);
            runPartDialogForNewScore();
            checkImportCreator(creator);
        }
    }
    qDebug() << "importXmlFile called, exit";
}

void MainWindow::importImitate()
{
    const QString path = Prompter::instance().openFileName(
        this, tr("Velmora: Import MusicXML file"), QString(), musicXmlFilter());
    if (!path.isEmpty()) {
        writeVelmoraEnv();
        QString creator;
        if (Score *score = openImportTab(path, &creator)) {
            score->checkPartOutput(true);
            showNewScore(score);
            updateDialogs();
            score->appendLog(QStringLiteral("importDup completed-------------\n"));
            score->changed = true;
            checkImportCreator(creator);
        }
    }
    qDebug() << "importXmlFile called, exit";
}

void MainWindow::importNewMuseScore()
{
    if (!importXmlFile2(false, museScoreExportedPath()))
        return;
    Score *score = currentScore();
    score->appendLog(QStringLiteral("importNewMuseScore completed-------------\n"));
    showNewScore(score);
    runPartDialogForNewScore();
    score->changed = true;
}

void MainWindow::importImitateMuseScore()
{
    if (!importXmlFile2(true, museScoreExportedPath()))
        return;
    Score *score = currentScore();
    score->appendLog(QStringLiteral("importDupMuseScore completed-------------\n"));
    updateDialogs();
    showNewScore(score);
}

bool MainWindow::importXmlFile2(bool imitate, const QString &path)
{
    if (path.isEmpty()) {
        qDebug().noquote() << QStringLiteral("importXmlFile2 file is not found path=") + path;
        return false;
    }
    if (imitate)
        writeVelmoraEnv();
    else
        removeVelmoraEnv();
    QString creator;
    Score *score = openImportTab(path, &creator);
    if (!score)
        return false;
    score->checkPartOutput(true);
    checkImportCreator(creator);
    return true;
}

bool MainWindow::importNewFromPath(const QString &path)
{
    removeVelmoraEnv();
    QString creator;
    if (!openImportTab(path, &creator))
        return false;
    checkImportCreator(creator);
    return true;
}

bool MainWindow::importFromCommandLine(const QString &path)
{
    if (!importXmlFile2(false, path))
        return false;
    showNewScore(currentScore());
    updateDialogs();
    return true;
}

void MainWindow::runStartRequest(const StartRequest &request)
{
    if (!request.problem.isEmpty())
        Prompter::instance().warning(this, tr("Velmora"), request.problem);
    if (request.action == StartRequest::Import)
        importFromCommandLine(request.path);
    else if (request.action == StartRequest::Update)
        // Directive texts are the program's own and never in the revised
        // file: counted as changes, they would replace every measure that
        // has one, and lose them.
        importUpdatePure2(request.path, true);
}

void MainWindow::addScaleDirectivesToNewScore()
{
    Score *score = currentScore();
    if (!score)
        return;
    for (int p = 0; p < score->parts.size(); ++p) {
        const int style = score->parts.at(p)->notationStyle;
        const bool koto = style == NotationStyle::KotoIkuta || style == NotationStyle::KotoSeiha;
        const bool sangen =
            style >= NotationStyle::SangenIkuta && style <= NotationStyle::ShamisenBunka;
        if (!koto && !sangen)
            continue;
        const QStringList texts = koto ? entryTexts(kotoEntries) : entryTexts(sangenEntries);
        const QString title = koto ? tr("Koto Scale") : tr("Sangen/Shamisen Tuning");
        const QString label = koto ? tr("Select the numer of strings of Koto for Part: %1")
                                   : tr("Select a tuning method for Part %1");
        bool ok = false;
        const QString chosen =
            Prompter::instance().item(this, title, label.arg(p + 1), texts, 0, &ok);
        qDebug().noquote() << QStringLiteral("addScaleDirectivesToNewScore() ok = ") +
                                  (ok ? QStringLiteral("true") : QStringLiteral("false"));
        const int entry = texts.indexOf(chosen);
        if (!ok || entry < 0)
            continue;
        Note *note = score->noteAt(0, p, 0, 0);
        if (!note) {
            qDebug() << "Note is null!";
            continue;
        }
        qDebug().noquote() << QStringLiteral("Note Name = ") + note->noteName;
        const char *directive =
            koto ? kotoEntries[entry].directive : sangenEntries[entry].directive;
        Directive *added = score->addDirectiveToNote(note, QString::fromLatin1(directive));
        score->generateScore();
        // The editor opens on the directive just added, wherever the note
        // keeps it among directives it already had.
        score->editScaleDirective(note, p, note->directives.indexOf(added));
    }
}

void MainWindow::writeVelmoraEnv()
{
    // Without a score an older file stays and still applies.
    if (Score *score = currentScore())
        score->writeVelmoraEnv();
}

void MainWindow::removeVelmoraEnv()
{
    QFile::remove(Score::velmoraEnvPath());
}
