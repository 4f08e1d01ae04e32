// MainWindow: saving, duplicating and closing scores.
//
// Not built yet: each member writes its own name to the debug output and
// returns a neutral value, so that menus, signals and tests reach it.
#include "app/mainwindow.h"

#include <QDebug>

void MainWindow::saveFile()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::saveAs()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::saveAsOriginal()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::duplicate()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::closeFile()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::closeOtherFiles()
{
    qDebug() << Q_FUNC_INFO;
}

bool MainWindow::exitProg()
{
    qDebug() << Q_FUNC_INFO;
    // True lets the window close.
    return true;
}

void MainWindow::closeTab(int)
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::saveScoreFile(Score *)
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::duplicate2(const QString &)
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::closeFileForced()
{
    qDebug() << Q_FUNC_INFO;
}

bool MainWindow::querySaveCurrent()
{
    qDebug() << Q_FUNC_INFO;
    return false;
}

bool MainWindow::querySaveUntitled(Score *)
{
    qDebug() << Q_FUNC_INFO;
    return false;
}
