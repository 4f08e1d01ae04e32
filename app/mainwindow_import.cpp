// MainWindow: MusicXML import, the environment file and the MuseScore
// hand-off.
//
// Not built yet: each member writes its own name to the debug output and
// returns a neutral value, so that menus, signals and tests reach it.
#include "app/mainwindow.h"

#include <QDebug>

void MainWindow::importExport()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::importNew()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::importImitate()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::importNewMuseScore()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::importImitateMuseScore()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::importUpdateFile2()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::importUpdateFromMuseScore2()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::importXmlFile2(bool, const QString &)
{
    qDebug() << Q_FUNC_INFO;
}

bool MainWindow::importNewFromPath(const QString &)
{
    qDebug() << Q_FUNC_INFO;
    return false;
}

void MainWindow::addScaleDirectivesToNewScore()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::writeVelmoraEnv()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::removeVelmoraEnv()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::importUpdatePure2(const QString &, bool)
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::importUpdatePure()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::importUpdateFromMuseScore()
{
    qDebug() << Q_FUNC_INFO;
}
