// MainWindow: the persistent settings and the recent-file list.
//
// Not built yet: each member writes its own name to the debug output and
// returns a neutral value, so that menus, signals and tests reach it.
#include "app/mainwindow.h"

#include <QDebug>

void MainWindow::readSettings()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::writeSettings()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::addRecentFile(const QString &)
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::updateRecentFileActions()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::clearRecentFiles()
{
    qDebug() << Q_FUNC_INFO;
}
