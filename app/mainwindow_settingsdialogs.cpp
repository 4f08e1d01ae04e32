// MainWindow: the settings dialogs and pasting copied settings.
//
// Not built yet: each member writes its own name to the debug output and
// returns a neutral value, so that menus, signals and tests reach it.
#include "app/mainwindow.h"

#include <QDebug>

void MainWindow::setPart()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::setPage()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::setStyle()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::layoutController()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::copySettings()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::pasteSettings()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::pageApply()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::partApply()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::styleApply()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::pasteSettingsAll()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::pasteSettingsParts()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::pasteSettingsMeasurePage()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::pasteSettingsStyle()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::updateDialogs()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::setPart2()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::setStyle2()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::pageChange()
{
    qDebug() << Q_FUNC_INFO;
}
