// MainWindow: switching the language of the interface at run time.
//
// Not built yet: each member writes its own name to the debug output and
// returns a neutral value, so that menus, signals and tests reach it.
#include "app/mainwindow.h"

#include <QDebug>

void MainWindow::langEnglish()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::langJapanese()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::langChinese()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::retranslateAll()
{
    qDebug() << Q_FUNC_INFO;
}
