// MainWindow: exporting the current score as PDF, SVG and MusicXML.
//
// Not built yet: each member writes its own name to the debug output and
// returns a neutral value, so that menus, signals and tests reach it.
#include "app/mainwindow.h"

#include <QDebug>

void MainWindow::exportPdfFile()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::exportSvgFile()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::exportMusicXMLFileClean()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::exportToMuseScoreClean()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::exportMusicXMLWithLyrics()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::exportMusicXMLWithLyricsToMS()
{
    qDebug() << Q_FUNC_INFO;
}
