// MainWindow: opening score files (Open, the recent files, the samples, the
// file tiles), dropped files and the recovery of autosaved files.
#include "app/mainwindow.h"

#include "app/dialogopenautosave.h"
#include "document/autosavefolder.h"
#include "document/openscores.h"
#include "model/score.h"
#include "platform/prompter.h"

#include <QAction>
#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QRegularExpression>
#include <QTabWidget>
#include <QUrl>
#include <QXmlStreamReader>

namespace {

// What the version check found in a file.
struct FileVersion
{
    bool partwise = false;
    QString version; // "1.0x" when the file names none
};

// Reads the root and the creating version as far as they go, without
// building the document. A file broken before its root is no score.
FileVersion readFileVersion(QIODevice *device)
{
    FileVersion found;
    QXmlStreamReader xml(device);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("score-partwise"))
        return found;
    found.partwise = true;
    found.version = QStringLiteral("1.0x");
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("tarn-property")) {
            xml.skipCurrentElement();
            continue;
        }
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("creation-program")) {
                found.version = xml.attributes().value(QLatin1String("version")).toString();
                return found;
            }
            xml.skipCurrentElement();
        }
        qDebug().noquote() << QStringLiteral("checkFileVersion") << "creation-program";
        return found;
    }
    qDebug().noquote() << QStringLiteral("checkFileVersion") << "tarn-property";
    return found;
}

// "/C:/music/x.tnsx" is a Windows path as a URL writes it; the "/" goes.
// Every other path, absolute Linux paths above all, stays as given.
QString openPathWithoutSlashBeforeDrive(const QString &path)
{
    static const QRegularExpression slashDrive(QStringLiteral("^/[A-Za-z]:[/\\\\]"));
    return slashDrive.match(path).hasMatch() ? path.mid(1) : path;
}

// A new current tab with the score file at `path`, read, loaded and drawn,
// showing measure 0; `remember` puts the path first in the recent files.
// Null, with no tab added, when the file cannot be read or the loader
// refuses it (both reported).
Score *openScoreTab(MainWindow &window, const QString &path, bool remember)
{
    auto *score = new Score(window.programVersion, window.scoreCounter++, true);
    // The score gets its tab only once it holds the file: a tab left empty,
    // or named after a file it could not load, would save over that file.
    if (!score->readFile(path) || !score->parseScoreXml(false)) {
        delete score;
        return nullptr;
    }
    window.addScoreTab(score);
    window.setWindowTitle(QStringLiteral("Velmora - ") + score->filePath);
    if (remember)
        window.addRecentFile(path);
    // A recovered score's tab bears the name of the file it stands for,
    // not that of its autosave file.
    const QString named = AutoSaveFolder::contains(path) && !score->recoveredSourcePath.isEmpty()
                              ? score->recoveredSourcePath
                              : path;
    window.tabWidget->setTabText(
        window.tabWidget->currentIndex(),
        AutoSaveFolder::withoutAutoSaveEnding(QFileInfo(named).baseName()));
    window.updateSplitterOrientation();
    score->generateScore();
    score->zoomReset();
    window.ensureVisibleMeasure(0, false);
    // Said over the score just shown; each window then keeps its own
    // changes, and a save asks before it replaces what the other saved.
    // A recovered file is this instance's by its lock already.
    if (AutoSaveFolder::contains(path))
        return score;
    if (OpenScores::openElsewhere(score->filePath)) {
        Prompter::instance().information(
            &window, MainWindow::tr("Velmora"),
            MainWindow::tr("%1 is also open in another Velmora that is running.\n\nEach "
                           "window keeps its own changes: a save here asks before it replaces "
                           "what was saved there.")
                .arg(QDir::toNativeSeparators(score->filePath)));
    }
    OpenScores::hold(score, score->filePath);
    return score;
}

} // namespace

bool MainWindow::checkFileVersion(const QString &path)
{
    QFile file(path);
    const QFileInfo info(path);
    // A folder or a device is no file to read (and a pipe would block).
    const bool readable = !info.exists() || info.isFile();
    if (!readable || !file.open(QIODevice::ReadOnly)) {
        const QString error = readable ? file.errorString()
                                       : QCoreApplication::translate("Score", "not a regular file");
        Prompter::instance().warning(this, tr("Velmora"),
                                     tr("Can't read file (%1)!:\n%2.").arg(path, error));
        return false;
    }
    const FileVersion found = readFileVersion(&file);
    // Not a score at all (empty, not XML, timewise, another root): the
    // loader reads it and names the file and what is wrong with it.
    if (!found.partwise)
        return true;
    qDebug().noquote() << QStringLiteral("This file (%1) is created by Velmora version: %2")
                              .arg(path, found.version);
    if (found.version.startsWith(QLatin1String("1."))) {
        qDebug() << "checkFileVersion : file created 1.0x may have problems";
        qDebug().noquote() << "checkFileVersion fileVersion =" << found.version;
        Prompter::instance().warning(
            this, tr("Velmora"),
            tr("Sorry, this file was too old. Please import the MusicXML file."));
        return false;
    }
    return true;
}

void MainWindow::openFile()
{
    qDebug() << "openFile Entered.";
    const QString path = Prompter::instance().openFileName(this, tr("Velmora: Open Velmora file"),
                                                           QString(), tr("Velmora files (*.tnsx)"));
    openFile2(path);
    updateDialogs();
    ensureVisibleMeasure(0, false);
}

void MainWindow::openFile2(const QString &path)
{
    qDebug().noquote() << QStringLiteral("openFile2: fileName = ") + path;
    if (path.isEmpty())
        return;
    if (checkFileVersion(path))
        openScoreTab(*this, path,
                     !AutoSaveFolder::contains(path) && !AutoSaveFolder::isAutoSaveName(path));
    updateDialogs();
}

void MainWindow::openRecentFile()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (!action) {
        qDebug() << "action emply";
        updateDialogs();
        return;
    }
    const QString path = action->data().toString();
    if (checkFileVersion(path)) {
        if (Score *score = openScoreTab(*this, path, true)) {
            QDir::setCurrent(QFileInfo(path).absolutePath());
            score->appendLog(QStringLiteral("openRecentFile completed--------------\n"));
        }
    }
    updateDialogs();
}

void MainWindow::openSampleFile()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (!action) {
        qDebug() << "action emply";
        return;
    }
    openFile2(action->data().toString());
    ensureVisibleMeasure(0, false);
    if (Score *score = currentScore())
        score->appendLog(QStringLiteral("openSampleFile completed--------------\n"));
}

void MainWindow::clickOpenFile(const QString &path)
{
    openFile2(path);
}

void MainWindow::openMostRecentFile()
{
    if (recentFiles.isEmpty())
        return;
    openFile2(recentFiles.first());
    if (Score *score = currentScore())
        score->appendLog(QStringLiteral("openMostRecentFile completed--------------\n"));
    updateDialogs();
    ensureVisibleMeasure(0, false);
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    for (const QUrl &url : urls) {
        qDebug().noquote() << QStringLiteral("dropEvent Url= ") + url.toString();
        if (!url.isLocalFile())
            continue;
        const QString path = url.path(QUrl::FullyDecoded);
        qDebug().noquote() << QStringLiteral("dropEvent Url.path= ") + path;
        dropOpenFile(path);
    }
    event->acceptProposedAction();
}

void MainWindow::dropOpenFile(const QString &path)
{
    const QString filePath = openPathWithoutSlashBeforeDrive(path);
    qDebug().noquote() << QStringLiteral("dropOpenFile:filePath = ") + filePath;
    const int tabsBefore = scoreWindows.size();
    bool opened = true;
    if (filePath.endsWith(QLatin1String(".tnsx"))) {
        openFile2(filePath);
        opened = scoreWindows.size() > tabsBefore;
    } else if (filePath.endsWith(QLatin1String(".xml")) ||
               filePath.endsWith(QLatin1String(".musicxml")) ||
               filePath.endsWith(QLatin1String(".mxl"))) {
        // A compressed file is refused by the reader, which says what to do.
        // Dropped beside an open score, the new one takes its settings.
        const bool imitate = currentScore() != nullptr;
        opened = importXmlFile2(imitate, filePath);
        if (opened) {
            Score *score = currentScore();
            setPart2();
            score->generateScore();
            score->zoomReset();
            if (!imitate) {
                runPartDialogForNewScore();
                score->changed = true;
            }
        }
    } else {
        opened = false;
        Prompter::instance().warning(
            this, tr("Velmora"),
            tr("Can't open file (%1): Velmora opens score files (.tnsx) and MusicXML files "
               "(.musicxml, .xml).")
                .arg(filePath));
    }
    updateDialogs();
    // A file that could not be opened leaves the open score as it was.
    if (!opened)
        return;
    if (Score *score = currentScore())
        score->appendLog(QStringLiteral("dropOpenFile completed-------------\n"));
    ensureVisibleMeasure(0, false);
}

void MainWindow::openAutoSavedFile()
{
    // Only files of instances that no longer run: another window's live
    // files are its own, and anything else in the folder is not ours.
    const QStringList leftovers = AutoSaveFolder::takeOverLeftovers();
    if (leftovers.isEmpty())
        return;
    // The question stands over the window: asked at start, before main()
    // shows it, it would open at the screen's corner.
    show();
    Prompter &prompter = Prompter::instance();
    prompter.beep();
    int result = QDialog::Rejected;
    {
        DialogOpenAutoSave question(this);
        question.setFiles(leftovers);
        result = prompter.runDialog(&question);
    }
    if (result == QDialog::Accepted) {
        for (const QString &path : leftovers) {
            qDebug().noquote() << QStringLiteral("openAutoSavedFile filePath = ") + path;
            const int tabsBefore = scoreWindows.size();
            openFile2(path);
            // Unsaved work again: the close questions and the autosave
            // see it; a file that did not open marks nothing.
            if (scoreWindows.size() > tabsBefore)
                currentScore()->setChanged(true);
        }
    } else if (result == QDialog::Rejected) {
        for (const QString &path : leftovers)
            QFile::remove(path);
        AutoSaveFolder::releaseEmptyLocks();
    }
}
