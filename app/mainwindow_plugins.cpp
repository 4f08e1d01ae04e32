// MainWindow: generating the MuseScore plug-in scripts.
//
// Not built yet: each member writes its own name to the debug output and
// returns a neutral value, so that menus, signals and tests reach it.
#include "app/mainwindow.h"

#include <QDebug>

void MainWindow::generateMuseScorePlugin()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::msplugin()
{
    qDebug() << Q_FUNC_INFO;
}
