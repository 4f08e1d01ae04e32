// MainWindow: information, debugging, the handbook and the About box.
//
// Not built yet: each member writes its own name to the debug output and
// returns a neutral value, so that menus, signals and tests reach it.
#include "app/mainwindow.h"

#include <QDebug>

void MainWindow::help()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::about()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::setDebugSwitch(bool)
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::listUndoCommands()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::outputScoreInfo()
{
    qDebug() << Q_FUNC_INFO;
}
