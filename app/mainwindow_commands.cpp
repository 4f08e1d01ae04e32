// MainWindow: the editing commands of the current score.
//
// Not built yet: each member writes its own name to the debug output and
// returns a neutral value, so that menus, signals and tests reach it.
#include "app/mainwindow.h"

#include <QDebug>

void MainWindow::undo()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::redo()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::deleteSelectedSymbol()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::longerItems()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::longerItemsByLittle()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::shorterItems()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::shorterItemsByLittle()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::resetSizeMeasure()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::insertLineBreak()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::insertPageBreak()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::insertWhitePageBreak()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionMultimeasureRests_triggered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionGoToMeasure_triggered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::ensureVisibleMeasure(int, bool)
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::dragEnterEvent(QDragEnterEvent *)
{
    qDebug() << Q_FUNC_INFO;
}
