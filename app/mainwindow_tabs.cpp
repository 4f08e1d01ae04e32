// MainWindow: the score tabs and the current score. Tab i shows
// scoreWindows[i]; a tab and its list entry come and go together.
#include "app/mainwindow.h"

#include "app/dialoglog.h"
#include "model/page.h"
#include "model/score.h"
#include "ui_mainwindow.h"
#include "view/scorewindow.h"

#include <QFileInfo>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QUndoStack>

Score *MainWindow::currentScore()
{
    int index = tabWidget->currentIndex();
    if (index == -1) {
        qDebug() << "no score";
        return nullptr;
    }
    // While the first tab is being added its window is not listed yet.
    if (scoreWindows.isEmpty())
        return nullptr;
    if (index >= scoreWindows.size()) {
        index = scoreWindows.size() - 1;
        tabWidget->setCurrentIndex(index);
    }
    return scoreWindows.at(index)->score;
}

void MainWindow::addScoreTab(Score *score)
{
    auto *window = new ScoreWindow(score);
    tabWidget->addTab(window, QStringLiteral("new File"));
    scoreWindows.append(window);
    tabWidget->setCurrentIndex(tabWidget->count() - 1);
    currentScore()->zoomReset();
    actionEnableCheck();
    Score *current = currentScore();
    connect(current, &Score::sigCanUndo, this, &MainWindow::canUndo);
    connect(current, &Score::sigCanRedo, this, &MainWindow::canRedo);
    connect(current, &Score::sigDropFile, this, &MainWindow::dropOpenFile);
    connect(current, &Score::sigRefreshLog, this, &MainWindow::refreshLog);
    window->setNavigatorVisible(ui->actionNavigator->isChecked());
    // The first tab became current before it was listed.
    followUndoStack(current);
}

void MainWindow::followUndoStack(const Score *score)
{
    ui->actionUndo->setEnabled(score && score->undoStack->canUndo());
    ui->actionRedo->setEnabled(score && score->undoStack->canRedo());
}

void MainWindow::removeScoreTab(int index)
{
    if (index < 0 || index >= scoreWindows.size())
        return;
    // The list entry goes first, so that the tab widget's change of the
    // current tab already finds tabs and list in step.
    ScoreWindow *window = scoreWindows.takeAt(index);
    // Its score no longer speaks for the window: emptying its undo stack
    // on deletion must not switch off Undo of the score then shown.
    window->score->disconnect(this);
    tabWidget->removeTab(index);
    window->deleteLater();
    actionEnableCheck();
}

void MainWindow::tabChanged(int index)
{
    if (Score *score = currentScore()) {
        const QString shownPath =
            score->filePath.isEmpty() ? score->musicXmlFilePath : score->filePath;
        setWindowTitle(QStringLiteral("Velmora - ") + shownPath);
        ui->actionOutlineNoteFonts->setChecked(score->outlineNoteFonts);
        {
            // The tick shows the score's own switch; showing it switches
            // nothing.
            const QSignalBlocker quiet(ui->actionDebugSwitch2);
            ui->actionDebugSwitch2->setChecked(score->dSw);
        }
        displayNavigator();
        score->appendLog(QStringLiteral("tabChanged completed------------\n"));
    }
    followUndoStack(currentScore());
    if (index == -1) {
        idleTitle = QT_TR_NOOP("Velmora - No file is open.");
        setWindowTitle(tr(idleTitle));
    }
    updateDialogs();
}

void MainWindow::canUndo(bool enabled)
{
    // Only the score in front speaks for the actions.
    Score *score = currentScore();
    if (!score || sender() != score)
        return;
    // The undo stack reports its state at every push; only a change from
    // nothing to undo counts, so a run of pushes asks for no regeneration.
    const bool turnedOn = enabled && !ui->actionUndo->isEnabled();
    ui->actionUndo->setEnabled(enabled);
    if (!turnedOn)
        return;
    // The top-level command's text: for a macro the macro's own, so the
    // moves inside "move selected items" never start it.
    const QUndoStack *stack = score->undoStack;
    if (stack->text(stack->index() - 1).endsWith(QLatin1String("Refresh"))) {
        refreshTimer->setSingleShot(true);
        refreshTimer->start(10);
    }
}

void MainWindow::canRedo(bool enabled)
{
    Score *score = currentScore();
    if (score && sender() == score)
        ui->actionRedo->setEnabled(enabled);
}

void MainWindow::refreshOnTimer()
{
    if (Score *score = currentScore())
        score->generateScore();
}

void MainWindow::refreshLog(const QString &log)
{
    QString path;
    if (Score *score = currentScore())
        path = score->filePath.isEmpty() ? score->musicXmlFilePath : score->filePath;
    dialogLog->setWindowTitle(QStringLiteral("Log Dialog: ") + QFileInfo(path).completeBaseName());
    dialogLog->setLog(log);
}

void MainWindow::updateSplitterOrientation()
{
    Score *score = currentScore();
    if (!score)
        return;
    ScoreWindow *window = scoreWindows.at(tabWidget->currentIndex());
    const bool sideBySide = score->page->horizontal && score->page->roll;
    window->splitter->setOrientation(sideBySide ? Qt::Horizontal : Qt::Vertical);
}
