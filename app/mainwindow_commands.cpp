// MainWindow: the editing commands of the Layout, Edit and Display menus,
// handed to the current score, with the window's own steps around them:
// the log line, the refresh of the settings dialogs, showing a measure and
// accepting drags. With no score open each does nothing.
#include "app/mainwindow.h"

#include "model/measure.h"
#include "model/page.h"
#include "model/score.h"
#include "platform/prompter.h"

#include <QDebug>
#include <QDragEnterEvent>
#include <QGraphicsItem>
#include <QMimeData>
#include <QUndoStack>

#include <algorithm>

namespace {

constexpr int measureMargin = 20; // pixels kept around a measure shown

} // namespace

void MainWindow::undo()
{
    Score *score = currentScore();
    if (!score || !score->undoStack->canUndo())
        return;
    score->undoStack->undo();
    updateSplitterOrientation();
    score->generateScore();
    score->appendLog(QStringLiteral("undo completed--------------\n"));
    updateDialogs();
}

void MainWindow::redo()
{
    Score *score = currentScore();
    if (!score || !score->undoStack->canRedo())
        return;
    score->undoStack->redo();
    updateSplitterOrientation();
    score->generateScore();
    score->appendLog(QStringLiteral("redo completed--------------\n"));
    updateDialogs();
}

void MainWindow::deleteSelectedSymbol()
{
    if (Score *score = currentScore()) {
        score->deleteSelectedSymbol();
        score->appendLog(QStringLiteral("deleteSelectedSymbol completed------------\n"));
    }
}

void MainWindow::longerItems()
{
    if (Score *score = currentScore()) {
        score->scaleItemsCommand(true, false);
        score->appendLog(QStringLiteral("longerMeasure completed------------\n"));
    }
}

void MainWindow::longerItemsByLittle()
{
    if (Score *score = currentScore()) {
        score->scaleItemsCommand(true, true);
        score->appendLog(QStringLiteral("longerMeasure completed------------\n"));
    }
}

void MainWindow::shorterItems()
{
    if (Score *score = currentScore()) {
        score->scaleItemsCommand(false, false);
        score->appendLog(QStringLiteral("shorterMeasure completed------------\n"));
    }
}

void MainWindow::shorterItemsByLittle()
{
    if (Score *score = currentScore()) {
        score->scaleItemsCommand(false, true);
        score->appendLog(QStringLiteral("shorterMeasure completed------------\n"));
    }
}

void MainWindow::resetSizeMeasure()
{
    if (Score *score = currentScore()) {
        score->resetSizeMeasures();
        score->appendLog(QStringLiteral("resetSizeMeasure completed------------\n"));
    }
}

void MainWindow::insertLineBreak()
{
    if (Score *score = currentScore()) {
        score->insertLineBreak();
        score->appendLog(QStringLiteral("insertLineBreak completed------------\n"));
    }
}

void MainWindow::insertPageBreak()
{
    if (Score *score = currentScore()) {
        score->insertPageBreak();
        score->appendLog(QStringLiteral("insertPageBreak completed------------\n"));
    }
}

void MainWindow::insertWhitePageBreak()
{
    if (Score *score = currentScore()) {
        score->insertWhitePageBreak();
        score->appendLog(QStringLiteral("insertWhitePageBreak completed------------\n"));
    }
}

void MainWindow::on_actionMultimeasureRests_triggered()
{
    Score *score = currentScore();
    if (!score)
        return;
    score->multiMeasureRests();
    updateDialogs();
}

void MainWindow::on_actionGoToMeasure_triggered()
{
    Score *score = currentScore();
    if (!score)
        return;
    bool ok = false;
    const int number = Prompter::instance().integer(this, tr("Go To Measure"),
                                                    tr("Measure Number:"), 1, 1, 10000, 1, &ok);
    // A score without measures has none to go to.
    if (!ok || score->measures.isEmpty())
        return;
    ensureVisibleMeasure(std::min(number - 1, int(score->measures.size()) - 1), true);
}

void MainWindow::ensureVisibleMeasure(int measureIndex, bool select)
{
    Score *score = currentScore();
    if (!score || score->measures.isEmpty())
        return;
    int index = std::clamp(measureIndex, 0, int(score->measures.size()) - 1);
    // A measure inside a multi-measure rest is not drawn: the rest that
    // stands for it is the nearest earlier drawn one.
    while (index > 0 && !score->measures.at(index)->measureItem)
        --index;
    const Measure *measure = score->measures.at(index);
    if (!measure->measureItem)
        return;
    const double s = score->page->scaleFactor;
    const QRectF area(measure->originX * s, measure->originY * s, measure->width * s,
                      measure->height * s);
    score->ensureVisible(area, measureMargin, measureMargin);
    if (select)
        measure->measureItem->setSelected(true);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (data->hasText())
        qDebug().noquote() << "dragEnterEvent hasText";
    else if (data->hasUrls())
        qDebug().noquote() << "dragEnterEvent hasUrls";
    else
        qDebug().noquote() << "dragEnterEvent Else";
    event->acceptProposedAction();
}
