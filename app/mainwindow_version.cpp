// MainWindow: the check for a newer version.
//
// Not built yet: each member writes its own name to the debug output and
// returns a neutral value, so that menus, signals and tests reach it.
#include "app/mainwindow.h"

#include <QDebug>

void MainWindow::requestLatestVersion()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::replyFinished(QNetworkReply *)
{
    qDebug() << Q_FUNC_INFO;
}
