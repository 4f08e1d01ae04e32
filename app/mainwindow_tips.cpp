// MainWindow: the status-bar tips shown while the mouse rests on a menu entry.
//
// Not built yet: each member writes its own name to the debug output and
// returns a neutral value, so that menus, signals and tests reach it.
#include "app/mainwindow.h"

#include <QDebug>

void MainWindow::on_actionOpen_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionImportExport_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionSave_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionSaveAs_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionClose_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionSetPart_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionStretch_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionShorten_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionMesSizeReset_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionLineBreak_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionPageBreak_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionStyle_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionExportPdf_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionExportSvg_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionProperty_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionWhitePageBreak_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionPalleteNew_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionGenerateMuseScorePlugins_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionDuplicate_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionClearRecentFiles_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionExit_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionPageMeasure_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionZoomIn_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionZoomOut_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionZoomReset_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionNavigator_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionUndo_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionRedo_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionDelete_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionCloseOtherScores_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionLayoutController_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionConvertLyricsToPitches_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionDeleteLyrics_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionOutputNoteNamesToLyrics_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionRefresh_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionSaveAsOriginal_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::on_actionRefreshClean_hovered()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::myMsgLabelClear()
{
    qDebug() << Q_FUNC_INFO;
}
