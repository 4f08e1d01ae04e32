// MainWindow: the views of the recent and sample files.
//
// Not built yet: each member writes its own name to the debug output and
// returns a neutral value, so that menus, signals and tests reach it.
#include "app/mainwindow.h"

#include <QDebug>

void MainWindow::viewRecent()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::viewSamples()
{
    qDebug() << Q_FUNC_INFO;
}

// Connected to nothing: a click in the file views opens through
// clickOpenFile. Only says which file it was given.
void MainWindow::clickViewFile(const QString &path)
{
    qDebug() << "clickViewFile: filePath = " << path;
}
