// MainWindow: saving the current score (Save, Save As, Save As Original),
// duplicating it into a new tab, and closing tabs with the questions asked
// about unsaved changes.
//
// A score's autosave file is named after its file name, so its path is
// taken before a write can rename the score, and the file is removed only
// once the write succeeded: a failed or cancelled save keeps the recovery
// file. A save before closing that writes nothing keeps the tab open.
//
// A save to the score's own file first looks whether the file is still the
// one this score read or last wrote (size, time and a hash of its bytes).
// When another window or program has written it since, or it is gone, or a
// folder took its place, the user chooses: replace it, save under another
// name, or save nothing. Nothing is ever written over it silently.
//
// A score whose file lies in the autosave folder (reopened from there, or a
// copy named after such a score) has no name the user chose: saving it asks
// for one, so nothing the user keeps is ever written where a later start
// looks for left-over autosave files.
#include "app/mainwindow.h"

#include "document/autosavefolder.h"
#include "document/diskstamp.h"
#include "document/openscores.h"
#include "document/scorexmlmode.h"
#include "model/score.h"
#include "platform/prompter.h"
#include "view/scorewindow.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QUndoStack>

namespace {

const QString resourcePrefix = QStringLiteral(":/");

// The file name without its folder and everything from its first dot.
QString closingBaseName(const QString &path)
{
    return QFileInfo(path).baseName();
}

bool hasUnsavedChanges(const Score *score)
{
    return score->changed || !score->undoStack->isClean();
}

// The file name of a score, else the MusicXML file it was imported from.
QString sourcePathOf(const Score *score)
{
    return score->filePath.isEmpty() ? score->musicXmlFilePath : score->filePath;
}

// True when Save must ask for a name: none yet, or one in the autosave
// folder.
bool needsName(const Score *score)
{
    return score->filePath.isEmpty() || AutoSaveFolder::contains(score->filePath);
}

// Where the save dialog of a score without a name starts: its name without
// any autosave ending, in the folder of the MusicXML file it came from, or
// else in the Documents folder.
QString suggestedSavePath(const Score *score)
{
    // A recovered score offers the file it was autosaved from, in that
    // file's own folder (a MusicXML file's score beside it).
    const QString recovered = score->recoveredSourcePath;
    if (!recovered.isEmpty() && AutoSaveFolder::contains(score->filePath)) {
        const QFileInfo original(recovered);
        if (original.suffix() == QLatin1String("tnsx"))
            return original.absoluteFilePath();
        return original.absolutePath() + QLatin1Char('/') + original.completeBaseName() +
               QStringLiteral(".tnsx");
    }
    const QString base =
        AutoSaveFolder::withoutAutoSaveEnding(closingBaseName(sourcePathOf(score)));
    const QString source = score->musicXmlFilePath;
    const QString folder =
        !source.isEmpty() && !AutoSaveFolder::contains(source)
            ? QFileInfo(source).absolutePath()
            : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return base.isEmpty() ? folder : folder + QLatin1Char('/') + base + QStringLiteral(".tnsx");
}

enum class OnDisk
{
    Write,
    SaveElsewhere,
    Cancel
};

// Whether a save may write the score's own file as it is on disk now; asked
// again when the file changes while the question is open.
OnDisk askBeforeReplacing(QWidget *parent, const Score *score)
{
    const QString cancel = MainWindow::tr("Cancel");
    const QString saveAs = MainWindow::tr("Save As...");
    for (;;) {
        const DiskStamp::State state = score->fileStamp.stateOf(score->filePath);
        if (state == DiskStamp::State::Unchanged)
            return OnDisk::Write;
        const DiskStamp seen = DiskStamp::read(score->filePath);
        const QString shown = QDir::toNativeSeparators(score->filePath);
        QString text;
        QStringList buttons;
        if (state == DiskStamp::State::Changed && score->fileStamp.known) {
            text = MainWindow::tr("The file %1 has changed on disk since this window opened or "
                                  "last saved it: another window or program has saved it.\n\n"
                                  "Replace it with the score of this window? What the other "
                                  "saved would be lost.")
                       .arg(shown);
            buttons = {MainWindow::tr("Replace"), saveAs, cancel};
        } else if (state == DiskStamp::State::Changed) {
            text = MainWindow::tr("The file %1 already exists, and this window has not opened "
                                  "or saved it.\n\nReplace it with the score of this window?")
                       .arg(shown);
            buttons = {MainWindow::tr("Replace"), saveAs, cancel};
        } else if (state == DiskStamp::State::Missing) {
            text = MainWindow::tr("The file %1 is no longer there: it was deleted or moved since "
                                  "this window opened or last saved it.\n\nSave the score there "
                                  "again?")
                       .arg(shown);
            buttons = {MainWindow::tr("Save"), saveAs, cancel};
        } else {
            text = MainWindow::tr("%1 is no longer the score's file: a folder or another kind of "
                                  "entry has taken its place, so the score can't be saved "
                                  "there.\n\nSave it under another name?")
                       .arg(shown);
            buttons = {saveAs, cancel};
        }
        Prompter::instance().beep();
        const int answer =
            Prompter::instance().choose(parent, MainWindow::tr("Velmora"), text, buttons,
                                        buttons.size() - 1, buttons.size() - 1);
        const QString chosen = buttons.value(answer, cancel);
        if (chosen == cancel)
            return OnDisk::Cancel;
        if (chosen == saveAs)
            return OnDisk::SaveElsewhere;
        // What the user agreed to replace must still be what is there.
        if (DiskStamp::read(score->filePath) == seen)
            return OnDisk::Write;
    }
}

// "piece_copy_update" and "piece_update2" give "piece"; empty when the
// base name carries neither suffix.
QString originalBaseName(const QString &base)
{
    int cut = -1;
    for (const QString &suffix : {QStringLiteral("_update"), QStringLiteral("_copy")}) {
        const int at = base.indexOf(suffix);
        if (at >= 0 && (cut < 0 || at < cut))
            cut = at;
    }
    return cut < 0 ? QString() : base.left(cut);
}

} // namespace

int MainWindow::tabIndexOf(const Score *score) const
{
    for (int i = 0; i < scoreWindows.size(); ++i) {
        if (scoreWindows.at(i)->score == score)
            return i;
    }
    return -1;
}

QString MainWindow::askSavePath(const QString &start)
{
    return Prompter::instance().savePath(this, tr("Velmora: Save file"), start,
                                         tr("Velmora files (*.tnsx)"));
}

bool MainWindow::writeScoreAs(Score *score, const QString &path)
{
    const QString oldAutoSave = score->autoSavePath();
    const QString oldPath = score->filePath;
    if (!score->saveFileAs(path)) {
        // The score was not written there: it keeps its name (and with it
        // its autosave file's name) and its unsaved state.
        score->filePath = oldPath;
        return false;
    }
    OpenScores::hold(score, path);
    score->removeFile(oldAutoSave);
    score->setChanged(false);
    // A tick after the save would only write the saved score again, and
    // leave a file that a later start offers as lost work.
    score->changedSinceAutoSave = false;
    score->undoStack->setClean();
    addRecentFile(path);
    const int index = tabIndexOf(score);
    if (index >= 0)
        tabWidget->setTabText(index, closingBaseName(path));
    // The title belongs to the tab shown; a tab closed from its own
    // button need not be that one.
    if (score == currentScore())
        setWindowTitle(QStringLiteral("Velmora - ") + score->filePath);
    return true;
}

bool MainWindow::saveScoreAs(Score *score, const QString &path)
{
    qDebug().noquote() << "saveAs caleld";
    updateRecentFileActions();
    if (!writeScoreAs(score, path))
        return false;
    score->appendLog(QStringLiteral("saveAs completed-------------\n"));
    return true;
}

void MainWindow::closeScoreTab(int index)
{
    if (index < 0 || index >= scoreWindows.size())
        return;
    // The window is deleted from the event loop; no autosave may write
    // for it in between.
    Score *score = scoreWindows.at(index)->score;
    score->autoSaveTimerStop();
    // Nothing unsaved: its autosave file holds nothing to recover.
    if (!hasUnsavedChanges(score))
        score->deleteAutoSavedFile();
    removeScoreTab(index);
}

void MainWindow::saveFile()
{
    Score *score = currentScore();
    if (!score)
        return;
    score->autoSaveTimerStop();
    saveScoreFile(score);
    updateRecentFileActions();
    score->autoSaveTimerStart();
}

bool MainWindow::saveScoreFile(Score *score)
{
    qDebug().noquote() << "saveScoreFile filename = " + score->filePath;
    // A sample of the resources cannot be written back: it needs a name.
    if (score->filePath.startsWith(resourcePrefix)) {
        const QString path = askSavePath(score->filePath);
        return !path.isEmpty() && saveScoreAs(score, path);
    }
    if (!needsName(score)) {
        const OnDisk onDisk = askBeforeReplacing(this, score);
        if (onDisk == OnDisk::Cancel)
            return false;
        if (onDisk == OnDisk::SaveElsewhere) {
            const QString path = askSavePath(score->filePath);
            if (path.isEmpty() || !writeScoreAs(score, path))
                return false;
            score->appendLog(QStringLiteral("saveScoreFile completed--------------\n"));
            return true;
        }
        const QString oldAutoSave = score->autoSavePath();
        if (!score->saveFile())
            return false;
        score->removeFile(oldAutoSave);
        addRecentFile(score->filePath);
        score->appendLog(QStringLiteral("saveScoreFile completed--------------\n"));
        return true;
    }
    // Without a name of the user's the score is not written at all: an
    // autosave file it came from stays as it is.
    const QString path = askSavePath(suggestedSavePath(score));
    if (path.isEmpty() || !writeScoreAs(score, path))
        return false;
    score->appendLog(QStringLiteral("saveScoreFile completed--------------\n"));
    return true;
}

void MainWindow::saveAs()
{
    Score *score = currentScore();
    if (!score)
        return;
    const QString path = askSavePath(needsName(score) ? suggestedSavePath(score) : score->filePath);
    if (path.isEmpty())
        return;
    score->autoSaveTimerStop();
    saveScoreAs(score, path);
    score->autoSaveTimerStart();
}

void MainWindow::saveAsOriginal()
{
    Score *score = currentScore();
    if (!score)
        return;
    const QString path = sourcePathOf(score);
    const QString base = closingBaseName(path);
    const QString original = originalBaseName(base);
    if (original.isEmpty()) {
        Prompter::instance().warning(
            this, tr("Velmora"),
            tr("File name: (%1) does not have '_update...' nor '_copy' suffix!").arg(base));
        return;
    }
    // Only the file's own name changes: a folder whose name holds the base
    // name stays where it is. The score is a score document whatever it
    // came from, so it never takes the place of a MusicXML file.
    const QString fileName = QFileInfo(path).fileName();
    QString rest = fileName.mid(base.size());
    if (!rest.endsWith(QLatin1String(".tnsx")))
        rest = QStringLiteral(".tnsx");
    QString target = path.left(path.size() - fileName.size()) + original + rest;
    if (AutoSaveFolder::contains(target)) {
        // The score it came from was never given a name: the user names it.
        target = askSavePath(QFileInfo(suggestedSavePath(score)).absolutePath() + QLatin1Char('/') +
                             original + QStringLiteral(".tnsx"));
        if (target.isEmpty())
            return;
    } else if (QFileInfo::exists(target)) {
        const auto answer = Prompter::instance().question(
            this, tr("Velmora"),
            tr("File: '%1' already exists. Do you want to replace?").arg(target),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    score->autoSaveTimerStop();
    saveScoreAs(score, target);
    score->autoSaveTimerStart();
}

void MainWindow::duplicate()
{
    const Score *source = currentScore();
    duplicate2(QStringLiteral("_copy"));
    Score *copy = currentScore();
    if (!copy || copy == source)
        return;
    copy->appendLog(QStringLiteral("duplicate completed--------------\n"));
    updateDialogs();
    ensureVisibleMeasure(0, false);
}

void MainWindow::duplicate2(const QString &suffix)
{
    Score *source = currentScore();
    if (!source)
        return;
    const QString text = source->buildScoreXml(ScoreXmlMode::ScoreFile);
    const QString sourcePath = sourcePathOf(source);

    auto *copy = new Score(programVersion, scoreCounter++, true);
    addScoreTab(copy);
    const QString base =
        AutoSaveFolder::withoutAutoSaveEnding(closingBaseName(sourcePath)) + suffix;
    tabWidget->setTabText(tabWidget->currentIndex(), base);
    const QString path =
        QFileInfo(sourcePath).path() + QLatin1Char('/') + base + QStringLiteral(".tnsx");
    setWindowTitle(QStringLiteral("Velmora - ") + path);
    qDebug().noquote() << "duplicate2 path = " + path;

    copy->setFileNameAndText(path, text);
    if (!copy->parseScoreXml(false)) {
        // The loader has said why; an empty tab would only mislead.
        closeScoreTab(tabIndexOf(copy));
        return;
    }
    updateSplitterOrientation();
    copy->generateScore();
    copy->zoomReset();
    updateDialogs();
}

QMessageBox::StandardButton MainWindow::askToSave(Score *score, const QString &text)
{
    Prompter &prompter = Prompter::instance();
    prompter.beep();
    score->autoSaveTimerStop();
    const auto answer = prompter.question(this, tr("Velmora"), text,
                                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                          QMessageBox::Yes);
    if (answer == QMessageBox::No) {
        score->deleteAutoSavedFile();
        updateRecentFileActions();
    }
    return answer;
}

bool MainWindow::querySaveUntitled(Score *score)
{
    const QString shown =
        score->musicXmlFilePath.isEmpty() ? score->filePath : score->musicXmlFilePath;
    const auto answer =
        askToSave(score, tr("Score:\n %1 \nis not saved yet. Do you want to save?").arg(shown));
    if (answer == QMessageBox::No)
        return true;
    if (answer == QMessageBox::Yes) {
        const QString path = askSavePath(suggestedSavePath(score));
        if (!path.isEmpty()) {
            updateRecentFileActions();
            if (writeScoreAs(score, path)) {
                score->autoSaveTimerStart();
                score->appendLog(QStringLiteral("saveAs completed--------------\n"));
                return true;
            }
        }
    }
    score->autoSaveTimerStart();
    return false;
}

bool MainWindow::querySaveCurrent()
{
    Score *score = currentScore();
    if (!score)
        return true;
    if (needsName(score) && hasUnsavedChanges(score))
        return querySaveUntitled(score);
    if (!hasUnsavedChanges(score)) {
        score->deleteAutoSavedFile();
        updateRecentFileActions();
        return true;
    }
    const auto answer =
        askToSave(score, tr("Score:\n %1 \nis updated. Do you want to save?").arg(score->filePath));
    if (answer == QMessageBox::No)
        return true;
    if (answer == QMessageBox::Yes) {
        const bool written = saveScoreFile(score);
        updateRecentFileActions();
        if (written) {
            score->setChanged(false);
            score->appendLog(QStringLiteral("saveFile completed--------------\n"));
            return true;
        }
    }
    score->autoSaveTimerStart();
    return false;
}

void MainWindow::closeTab(int index)
{
    if (index < 0 || index >= scoreWindows.size())
        return;
    Score *score = scoreWindows.at(index)->score;
    if (needsName(score)) {
        // Asked also without changes: the score has never been written.
        if (!querySaveUntitled(score))
            return;
        score->deleteAutoSavedFile();
        updateRecentFileActions();
        closeScoreTab(tabIndexOf(score));
        return;
    }
    if (!hasUnsavedChanges(score)) {
        closeScoreTab(index);
        return;
    }
    Prompter &prompter = Prompter::instance();
    prompter.beep();
    score->autoSaveTimerStop();
    const auto answer = prompter.question(
        this, tr("Velmora"),
        tr("Score:\n %1 \nis updated. Do you want to save?").arg(score->filePath),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::No) {
        score->deleteAutoSavedFile();
        updateRecentFileActions();
        closeScoreTab(index);
        return;
    }
    if (answer == QMessageBox::Yes) {
        const bool written = saveScoreFile(score);
        updateRecentFileActions();
        if (written) {
            score->setChanged(false);
            closeScoreTab(tabIndexOf(score));
            return;
        }
    }
    score->autoSaveTimerStart();
}

void MainWindow::closeFile()
{
    if (querySaveCurrent() && tabWidget->currentIndex() >= 0) {
        closeScoreTab(tabWidget->currentIndex());
        qDebug().noquote() << "closeFile called";
        actionEnableCheck();
    }
    qDebug().noquote() << "closeFile exits";
}

void MainWindow::closeFileForced()
{
    const int index = tabWidget->currentIndex();
    qDebug().noquote() << "closeFileForced tab = " + QString::number(index);
    if (index >= 0) {
        closeScoreTab(index);
        qDebug().noquote() << "closeFile called";
    }
    actionEnableCheck();
    qDebug().noquote() << "closeFile exits";
}

void MainWindow::closeOtherFiles()
{
    const int current = tabWidget->currentIndex();
    if (current <= 0)
        return;
    const auto answer = Prompter::instance().question(
        this, tr("Velmora"),
        tr("Do you want to close all scores on the left hand side tabs without saving?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No);
    if (answer != QMessageBox::Yes && answer != QMessageBox::No)
        return;
    ScoreWindow *shown = scoreWindows.at(current);
    for (int i = current - 1; i >= 0; --i) {
        tabWidget->setCurrentIndex(i);
        if (answer == QMessageBox::Yes) {
            currentScore()->deleteAutoSavedFile();
            closeScoreTab(i);
        } else if (querySaveCurrent()) {
            closeScoreTab(i);
        }
    }
    // Back to the tab the command was given on.
    tabWidget->setCurrentIndex(scoreWindows.indexOf(shown));
}

bool MainWindow::exitProg()
{
    while (!scoreWindows.isEmpty()) {
        const int last = scoreWindows.size() - 1;
        tabWidget->setCurrentIndex(last);
        // The tabs closed so far stay closed.
        if (!querySaveCurrent())
            return false;
        closeScoreTab(last);
    }
    QApplication::closeAllWindows();
    return true;
}
