// MainWindow: opening score files, dropped files and autosave recovery.
//
// Not built yet: each member writes its own name to the debug output and
// returns a neutral value, so that menus, signals and tests reach it.
#include "app/mainwindow.h"

#include <QDebug>

void MainWindow::openFile()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::openFile2(const QString &)
{
    qDebug() << Q_FUNC_INFO;
}

bool MainWindow::checkFileVersion(const QString &)
{
    qDebug() << Q_FUNC_INFO;
    return false;
}

void MainWindow::openRecentFile()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::openSampleFile()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::clickOpenFile(const QString &)
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::openMostRecentFile()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::dropEvent(QDropEvent *)
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::dropOpenFile(const QString &)
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::openAutoSavedFile()
{
    qDebug() << Q_FUNC_INFO;
}
