// MainWindow: the update imports that bring a revised MusicXML version of a
// piece into a score already laid out. Either the changed measures and
// titles are merged into a copy of the open score, or the open score's
// layout is carried onto the newly imported file.
#include "app/mainwindow.h"

#include "document/autosavefolder.h"
#include "document/scorexmlmode.h"
#include "model/score.h"
#include "platform/prompter.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTabWidget>

#include <memory>

namespace {

QString handOffPath()
{
    return QDir::homePath() + QStringLiteral("/musescore_exported.musicxml");
}

void tellNoScoreIsOpen(QWidget *parent)
{
    Prompter::instance().information(parent, MainWindow::tr("Velmora"),
                                     MainWindow::tr("No score is open!"));
}

// The score's file name, else the MusicXML file it was imported from.
QString namingPathOf(const Score *score)
{
    return score->filePath.isEmpty() ? score->musicXmlFilePath : score->filePath;
}

// Loads the revised file into the hidden `source` and brings its document
// up to date with its model. False when the file cannot be read or the
// loader refuses it; both have been reported to the user.
bool loadRevisedFile(Score *source, const QString &path)
{
    if (!source->readFile(path) || !source->parseScoreXml(false))
        return false;
    source->buildScoreXml(ScoreXmlMode::ScoreFile);
    return true;
}

} // namespace

void MainWindow::importUpdatePure2(const QString &path, bool ignoreFingerings)
{
    Score *original = currentScore();
    if (!original) {
        tellNoScoreIsOpen(this);
        return;
    }
    duplicate2(QStringLiteral("_update"));
    Score *copy = currentScore();
    if (copy == original)
        return; // the copy could not be loaded; the loader has said why
    // The revised file is read into a score of its own that is never shown
    // and is gone as soon as the merge has taken what it needs.
    auto source = std::make_unique<Score>(programVersion, scoreCounter++, true);

    int count = 0;
    if (QFileInfo::exists(path)) {
        if (!loadRevisedFile(source.get(), path)) {
            // Merging against nothing would only be refused with a
            // misleading part count; the copy has no purpose left.
            closeScoreTab(tabIndexOf(copy));
            updateDialogs();
            return;
        }
        copy->buildScoreXml(ScoreXmlMode::ScoreFile);
        count = copy->mergeUpdatedMusicXML(source.get(), ignoreFingerings);
        source.reset();
        if (count < 0) {
            // Refused or declined: the merge has said why, if anything.
            closeScoreTab(tabIndexOf(copy));
            updateDialogs();
            return;
        }
        copy->rebuildModel(copy->document.toString(1));
        copy->setChanged(true);
        updateSplitterOrientation();
        copy->generateScore();
        copy->zoomReset();
        ensureVisibleMeasure(0, false);
        updateDialogs();
    }
    Prompter::instance().information(
        this, tr("Velmora"),
        tr("%1 elements (measures and/or title texts) were updated.").arg(count));
}

void MainWindow::importUpdatePure()
{
    qDebug().noquote() << "importUpdateIgnore Entered.";
    if (!currentScore()) {
        tellNoScoreIsOpen(this);
        return;
    }
    const QString path =
        Prompter::instance().openFileName(this, tr("Velmora: Import Update MusicXML file"),
                                          QString(), tr("MusicXml files (*.xml *.musicxml *.mxl)"));
    if (path.isEmpty())
        return;
    importUpdatePure2(path, true);
    updateDialogs();
    if (Score *score = currentScore())
        score->appendLog(QStringLiteral("importUpdate completed-------------\n"));
}

bool MainWindow::confirmUpdateCounts(const Score *oldScore, const Score *newScore)
{
    const struct
    {
        qsizetype oldCount;
        qsizetype newCount;
        QString question;
    } checks[] = {
        {oldScore->parts.size(), newScore->parts.size(),
         tr("Number of parts are different! (%1 vs %2) \nParts with the same part number should "
            "correspond each other.\nDo you really want to import?")},
        {oldScore->measures.size(), newScore->measures.size(),
         tr("Number of measures are different! (%1 vs %2) \nMeasures with the same measure number "
            "should correspond each other.\nDo you really want to import?")},
    };
    for (const auto &check : checks) {
        if (check.oldCount == check.newCount)
            continue;
        const auto answer = Prompter::instance().question(
            this, tr("Velmora"), check.question.arg(check.oldCount).arg(check.newCount),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
        if (answer != QMessageBox::Yes) {
            closeFileForced();
            return false;
        }
    }
    return true;
}

QString MainWindow::nameUpdatedTab(const Score *oldScore)
{
    const QFileInfo name(namingPathOf(oldScore));
    const QString text =
        AutoSaveFolder::withoutAutoSaveEnding(name.baseName()) + QStringLiteral("_update");
    tabWidget->setTabText(tabWidget->currentIndex(), text);
    const QString path = name.path() + QLatin1Char('/') + text + QStringLiteral(".tnsx");
    setWindowTitle(QStringLiteral("Velmora - ") + path);
    return path;
}

void MainWindow::importUpdateFile2()
{
    Score *oldScore = currentScore();
    if (!oldScore) {
        tellNoScoreIsOpen(this);
        return;
    }
    const QString path =
        Prompter::instance().openFileName(this, tr("Velmora: Import Update MusicXML file"),
                                          QString(), tr("MusicXml files (*.xml *.musicxml *.mxl)"));
    if (path.isEmpty() || !importNewFromPath(path))
        return;
    Score *newScore = currentScore();
    if (!confirmUpdateCounts(oldScore, newScore))
        return;
    newScore->filePath = nameUpdatedTab(oldScore);
    qDebug().noquote() << "importUpdateFile2 path2, newScore->fileName, "
                          "newScore->musicXmlFilePath = " +
                              path + QStringLiteral(", ") + newScore->filePath +
                              QStringLiteral(", ") + newScore->musicXmlFilePath;
    newScore->updateImportedMusicXML(oldScore);
    newScore->zoomReset();
    ensureVisibleMeasure(0, false);
    updateDialogs();
}

void MainWindow::importUpdateFromMuseScore2()
{
    if (!currentScore()) {
        tellNoScoreIsOpen(this);
        return;
    }
    importUpdateFromMuseScore();
    updateDialogs();
    ensureVisibleMeasure(0, false);
}

void MainWindow::importUpdateFromMuseScore()
{
    Score *oldScore = currentScore();
    if (!oldScore || !importNewFromPath(handOffPath()))
        return;
    Score *newScore = currentScore();
    if (!confirmUpdateCounts(oldScore, newScore))
        return;
    const QString path = nameUpdatedTab(oldScore);
    newScore->updateImportedMusicXML(oldScore);
    newScore->filePath = path;
    newScore->zoomReset();
    updateDialogs();
}
