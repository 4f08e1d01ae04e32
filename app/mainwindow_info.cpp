// MainWindow: the handbook and the About box of the Help menu, and the
// development commands that write to the debug output. None changes a score.
#include "app/dialogabout.h"
#include "app/mainwindow.h"
#include "app/weblinks.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "platform/prompter.h"
#include "ui_mainwindow.h"

#include <QDebug>
#include <QDesktopServices>
#include <QProcess>
#include <QTabWidget>
#include <QUrl>

namespace {

// The current score, or null without the "no score" line: these commands
// write at most their own entry line when no score is open.
Score *quietCurrentScore(MainWindow &window)
{
    return window.tabWidget->currentIndex() < 0 ? nullptr : window.currentScore();
}

void writePageInfo(const Page *page)
{
    qDebug() << "======== page ========";
    qDebug() << "paperSize = " << page->paperSize;
    qDebug() << "pageLandscapeQ = " << page->landscape;
    qDebug() << "scoreHorizontalQ = " << page->horizontal;
    qDebug() << "pageRollQ = " << page->roll;
    qDebug() << "autoNewLine = " << page->autoNewline;
    qDebug() << "measuresPerLine = " << page->measurePerLine;
    qDebug() << "pageSize = " << QSizeF(page->pageWidth, page->pageHeight);
    qDebug() << "pageArea = " << page->stageRect;
    qDebug() << "nPages = " << page->pageCount;
    qDebug() << "curPage = " << page->currentPage;
    qDebug() << "pageOrigin = " << QPointF(page->pageOriginX, page->pageOriginY);
}

void writePartInfo(const Part *part)
{
    qDebug() << "  partName = " << part->partName;
    qDebug() << "  partAbbreviation = " << part->partAbbreviation;
    qDebug() << "  notationstyle = " << part->notationStyle;
    qDebug() << "  instKey = " << part->instrumentKey;
    qDebug() << "  noteFontName = " << part->noteFontName;
    qDebug() << "  noteFontSize = " << part->noteFontSize;
}

} // namespace

void MainWindow::help()
{
    qDebug() << "help() called";
    const char *address = ui->actionJapanese->isChecked() ? Velmora::handbookJapaneseUrl
                                                          : Velmora::handbookEnglishUrl;
    // Without a browser nothing opens, and nothing needs saying.
    QDesktopServices::openUrl(QUrl(QLatin1String(address)));
}

void MainWindow::about()
{
    qDebug() << "about() called";
    DialogAbout box(programVersion, buildDate, latestVersion, this);
    Prompter::instance().runDialog(&box);
}

void MainWindow::setDebugSwitch(bool on)
{
    qDebug() << "setDebugSwith Entered";
    if (Score *score = quietCurrentScore(*this))
        score->setDebugSwitch(on);
}

void MainWindow::listUndoCommands()
{
    qDebug() << "listUndoCommands Entered";
    if (Score *score = quietCurrentScore(*this))
        score->listUndoCommands();
}

void MainWindow::outputScoreInfo()
{
    Score *score = quietCurrentScore(*this);
    if (!score)
        return;
    const QProcess::ProcessState state =
        score->process ? score->process->state() : QProcess::NotRunning;
    const QProcess::ExitStatus exit =
        score->process ? score->process->exitStatus() : QProcess::NormalExit;
    qDebug() << "exportToMuseScore proc state =" << state;
    qDebug() << "exportToMuseScore proc exit status =" << exit;
    qDebug() << "======== score ========";
    qDebug() << "numPars = " << score->numParts;
    qDebug() << "numMeasures = " << score->numMeasures;
    writePageInfo(score->page);
    qDebug() << "======== parts ========";
    for (const Part *part : score->parts)
        writePartInfo(part);
}
