// MainWindow: the status-bar tips shown while the mouse rests on a menu
// entry. Each tip stays 3000 ms after the last hover; the timer keeps
// running and only ever empties the label again.
#include "app/mainwindow.h"

#include <QLabel>
#include <QTimer>

namespace {

constexpr int tipMilliseconds = 3000;

void showTip(MainWindow *window, const QString &tip)
{
    window->myMsgLabel->setText(tip);
    window->msgTimer->start(tipMilliseconds);
}

} // namespace

void MainWindow::on_actionOpen_hovered()
{
    showTip(this, tr("Open Velmora file(*.tnsx)."));
}

void MainWindow::on_actionImportExport_hovered()
{
    showTip(this, tr("Open Import/Export MusicXML Dialog."));
}

void MainWindow::on_actionSave_hovered()
{
    showTip(this, tr("Save active score to Velmora file(*.tnsx)."));
}

void MainWindow::on_actionSaveAs_hovered()
{
    showTip(this, tr("Save active score to Velmora file(*.tnsx) with new file name."));
}

void MainWindow::on_actionClose_hovered()
{
    showTip(this, tr("Close active score."));
}

void MainWindow::on_actionSetPart_hovered()
{
    showTip(this, tr("Open Part dialog for setting part values."));
}

void MainWindow::on_actionStretch_hovered()
{
    showTip(this, tr("Stretch selected measures a little."));
}

void MainWindow::on_actionShorten_hovered()
{
    showTip(this, tr("Shorten selected measures a little."));
}

void MainWindow::on_actionMesSizeReset_hovered()
{
    showTip(this, tr("Reset sizes of all measures to a default value."));
}

void MainWindow::on_actionLineBreak_hovered()
{
    showTip(this, tr("Insert stage break at the end of selected measure."));
}

void MainWindow::on_actionPageBreak_hovered()
{
    showTip(this, tr("Insert page break at the end of selected measure."));
}

void MainWindow::on_actionStyle_hovered()
{
    showTip(this, tr("Open Style dialog for setting style values."));
}

void MainWindow::on_actionExportPdf_hovered()
{
    showTip(this, tr("Export active score to PDF file."));
}

void MainWindow::on_actionExportSvg_hovered()
{
    showTip(this, tr("Export active score to SVG file."));
}

void MainWindow::on_actionProperty_hovered()
{
    showTip(this, tr("Show file properties of active score."));
}

void MainWindow::on_actionWhitePageBreak_hovered()
{
    showTip(this, tr("Insert white page after selected measure."));
}

void MainWindow::on_actionPalleteNew_hovered()
{
    showTip(this, tr("Show pallete (which lists note directives)."));
}

void MainWindow::on_actionGenerateMuseScorePlugins_hovered()
{
    showTip(this, tr("Generate plugin files for MuseScore."));
}

void MainWindow::on_actionDuplicate_hovered()
{
    showTip(this, tr("Create copy of active score."));
}

void MainWindow::on_actionClearRecentFiles_hovered()
{
    showTip(this, tr("Clear list of recently opened files."));
}

void MainWindow::on_actionExit_hovered()
{
    showTip(this, tr("Stop Velmora and Exit."));
}

void MainWindow::on_actionPageMeasure_hovered()
{
    showTip(this, tr("Open Measure/Page Dialog."));
}

void MainWindow::on_actionZoomIn_hovered()
{
    showTip(this, tr("Zooming in a little."));
}

void MainWindow::on_actionZoomOut_hovered()
{
    showTip(this, tr("Zoomin out a little."));
}

void MainWindow::on_actionZoomReset_hovered()
{
    showTip(this, tr("Reset zooming rate."));
}

void MainWindow::on_actionNavigator_hovered()
{
    showTip(this, tr("Show Navigator Window."));
}

void MainWindow::on_actionUndo_hovered()
{
    showTip(this, tr("Undo last operation."));
}

void MainWindow::on_actionRedo_hovered()
{
    showTip(this, tr("Redo undone operation."));
}

void MainWindow::on_actionDelete_hovered()
{
    showTip(this, tr("Delete selected elements."));
}

void MainWindow::on_actionCloseOtherScores_hovered()
{
    showTip(this, tr("Close all scores on the left hand side of current active score."));
}

void MainWindow::on_actionLayoutController_hovered()
{
    showTip(this, tr("Open Layout Controller Panel."));
}

void MainWindow::on_actionConvertLyricsToPitches_hovered()
{
    showTip(this, tr("Generate Note Names and Pithes from data at lyrics (for Koto and Sangen)"));
}

void MainWindow::on_actionDeleteLyrics_hovered()
{
    showTip(this, tr("Delete Lyrics."));
}

void MainWindow::on_actionOutputNoteNamesToLyrics_hovered()
{
    showTip(this, tr("Output Note Names to Lyrics."));
}

void MainWindow::on_actionRefresh_hovered()
{
    showTip(this, tr("Refresh display."));
}

void MainWindow::on_actionSaveAsOriginal_hovered()
{
    showTip(this, tr("Save As Original File Name (without '_udate..' or '_copy..')."));
}

void MainWindow::on_actionRefreshClean_hovered()
{
    showTip(this, tr("Refresh clean score (equivalent to PDF export)."));
}

void MainWindow::myMsgLabelClear()
{
    myMsgLabel->setText(QString());
}
