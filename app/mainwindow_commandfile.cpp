// MainWindow: running command files.
//
// Not built yet: each member writes its own name to the debug output and
// returns a neutral value, so that menus, signals and tests reach it.
#include "app/mainwindow.h"

#include <QDebug>

void MainWindow::runCommandFile()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::runCommandFile2(const QString &)
{
    qDebug() << Q_FUNC_INFO;
}
