// MainWindow: exporting the current score as PDF, SVG and MusicXML, to a
// file or to the MuseScore hand-off file. The writing and its failure
// messages are the score's; these slots ask for the target and log.
#include "app/mainwindow.h"

#include "dialogs/partdialog.h"
#include "document/scorexmlmode.h"
#include "model/score.h"
#include "platform/hugepageheap.h"
#include "platform/prompter.h"

#include <QDebug>

namespace {

// The path chosen in a save dialog; empty when the user cancelled.
QString askExportPath(QWidget *parent, const QString &title, const QString &filter)
{
    return Prompter::instance().savePath(parent, title, QString(), filter);
}

// Gives the memory an export let go of back to the system when it goes
// out of scope: the writers' buffers and copies are as large as the
// score, and the heap would otherwise keep them for the next export.
struct MemoryGivenBack
{
    MemoryGivenBack() = default;
    MemoryGivenBack(const MemoryGivenBack &) = delete;
    MemoryGivenBack &operator=(const MemoryGivenBack &) = delete;
    ~MemoryGivenBack() { HugePageHeap::giveBack(); }
};

} // namespace

void MainWindow::exportPdfFile()
{
    const MemoryGivenBack memory;
    Score *score = currentScore();
    if (!score)
        return;
    const QString path = askExportPath(this, tr("Velmora: Export PDF"), tr("PDF files (*.pdf)"));
    if (path.isEmpty() || !score->exportPdfFile(path))
        return;
    // The export regenerates around itself; nothing more is needed here.
    score->appendLog(QStringLiteral("exportPdfFile completed--------------\n"));
}

void MainWindow::exportSvgFile()
{
    const MemoryGivenBack memory;
    Score *score = currentScore();
    if (!score)
        return;
    const QString path = askExportPath(this, tr("Velmora: Export SVG"), tr("SVG files (*.svg)"));
    if (path.isEmpty() || !score->exportSvgFile(path))
        return;
    score->appendLog(QStringLiteral("exportSvgFile completed--------------\n"));
}

void MainWindow::exportMusicXMLFileClean()
{
    const MemoryGivenBack memory;
    qDebug() << "exportMusicXMLFileClean entered.";
    Score *score = currentScore();
    if (!score)
        return;
    const QString path = askExportPath(this, tr("Velmora: Export pure MusicXML file"),
                                       tr("MusicXML files (*.musicxml *.xml)"));
    if (path.isEmpty() || !score->exportMusicXMLFile(path, ScoreXmlMode::PlainMusicXml))
        return;
    score->appendLog(QStringLiteral("exportMusicXMLFileClean completed--------------\n"));
    score->generateScore();
}

void MainWindow::exportToMuseScoreClean()
{
    const MemoryGivenBack memory;
    qDebug() << "exportToMuseScoreClean entered.";
    Score *score = currentScore();
    if (!score)
        return;
    if (score->exportMusicXMLToMuseScore(ScoreXmlMode::PlainMusicXml))
        score->appendLog(QStringLiteral("exportToMuseScoreClean completed--------------\n"));
    score->generateScore();
}

bool MainWindow::confirmLyricsExport()
{
    // Which parts get their note names as lyrics, and how, are the part
    // dialog's output switches: the user sees them before agreeing.
    setPart2();
    partDialog->setMoreChecked(true);
    partDialog->show();
    partDialog->raise();
    Prompter &prompter = Prompter::instance();
    prompter.beep();
    return prompter.question(
               this, tr("Velmora"),
               tr("This command will use Part dialog's output settings.\nPress Ok to continue."),
               QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

void MainWindow::exportMusicXMLWithLyrics()
{
    const MemoryGivenBack memory;
    Score *score = currentScore();
    if (!score || !confirmLyricsExport())
        return;
    const QString path = askExportPath(this, tr("Velmora: Export MusicXML With Lyrics"),
                                       tr("MusicXML files (*.musicxml *.xml)"));
    if (path.isEmpty() || !score->exportMusicXMLFile(path, ScoreXmlMode::NoteNameLyrics))
        return;
    score->appendLog(QStringLiteral("exportMusicXMLWithLyrics completed--------------\n"));
    score->generateScore();
}

void MainWindow::exportMusicXMLWithLyricsToMS()
{
    const MemoryGivenBack memory;
    Score *score = currentScore();
    if (!score || !confirmLyricsExport())
        return;
    if (!score->exportMusicXMLToMuseScore(ScoreXmlMode::NoteNameLyrics))
        return;
    score->appendLog(QStringLiteral("exportMusicXMLWithLyricsToMS completed--------------\n"));
    score->generateScore();
}
