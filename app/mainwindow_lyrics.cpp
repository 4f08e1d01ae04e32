// MainWindow: the lyric tools and the staff-notation twin of a part.
//
// Not built yet: each member writes its own name to the debug output and
// returns a neutral value, so that menus, signals and tests reach it.
#include "app/mainwindow.h"

#include <QDebug>

void MainWindow::convertLyricsToPithes()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::deleteLyricsDiag()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::outputNoteNamesToLyrics()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::moveLyricsSNDiag()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::convertNoteName()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::deleteLyrics()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::moveLyricsSN()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionInsertSNPart_triggered()
{
    qDebug() << Q_FUNC_INFO;
}
