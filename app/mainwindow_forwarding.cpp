// MainWindow: menu commands that hand straight over to the current score.
// Several of their actions stay enabled without a tab; then they do nothing.
#include "app/mainwindow.h"

#include "app/dialoglog.h"
#include "model/itemtags.h"
#include "model/score.h"
#include "ui_mainwindow.h"
#include "view/scorewindow.h"

#include <QTabWidget>

void MainWindow::zoomIn()
{
    if (Score *score = currentScore())
        score->zoomIn();
}

void MainWindow::zoomOut()
{
    if (Score *score = currentScore())
        score->zoomOut();
}

void MainWindow::zoomReset()
{
    if (Score *score = currentScore())
        score->zoomReset();
}

void MainWindow::refresh()
{
    if (Score *score = currentScore())
        score->generateScore();
}

void MainWindow::on_actionRefreshClean_triggered()
{
    Score *score = currentScore();
    if (!score)
        return;
    // Drawn once as the PDF export draws it; the next regeneration brings
    // the editing aids back.
    score->cleanOutput = true;
    score->generateScore();
    score->cleanOutput = false;
}

void MainWindow::displayNavigator()
{
    const int index = tabWidget->currentIndex();
    if (index < 0 || index >= scoreWindows.size())
        return;
    scoreWindows.at(index)->setNavigatorVisible(ui->actionNavigator->isChecked());
}

void MainWindow::scoreProperty()
{
    if (Score *score = currentScore())
        score->showFileProperty();
}

void MainWindow::outlineNoteFonts()
{
    if (Score *score = currentScore()) {
        score->outlineNoteFonts = ui->actionOutlineNoteFonts->isChecked();
        score->generateScore();
    }
}

void MainWindow::on_actionArticulationPositionReset_triggered()
{
    if (Score *score = currentScore())
        score->resetAllMoveCommand(NotationItem);
}

void MainWindow::on_actionLyricPositionReset_triggered()
{
    if (Score *score = currentScore())
        score->resetAllMoveCommand(LyricItem);
}

void MainWindow::on_actionClean_Refresh_triggered()
{
    if (Score *score = currentScore())
        score->cleanRefresh();
}

void MainWindow::on_actionSwitchOffAutoSaveMode_triggered()
{
    if (Score *score = currentScore())
        score->autoSaveSwitch = false;
}

void MainWindow::openLog()
{
    dialogLog->show();
    dialogLog->raise();
}

void MainWindow::clearLog()
{
    // The log window is hidden whenever the last score closes, but its
    // Clear may still arrive from a stale click: then there is nothing to
    // clear.
    if (Score *score = currentScore())
        score->clearLog();
}
