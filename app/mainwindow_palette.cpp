// MainWindow: the note-directive palette beside the score tabs.
//
// Not built yet: each member writes its own name to the debug output and
// returns a neutral value, so that menus, signals and tests reach it.
#include "app/mainwindow.h"

#include <QDebug>

void MainWindow::createPallete()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::palleteClicked(const QModelIndex &)
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::displayPallete()
{
    qDebug() << Q_FUNC_INFO;
}
