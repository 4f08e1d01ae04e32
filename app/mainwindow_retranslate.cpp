// MainWindow: the displayed texts of the menus and actions. What is not set
// here keeps the text the form gave it: the Development menu and its
// entries, Run Command File, Open Log Dialog, the hidden first Pallete
// action and the three language entries, each in its own language. The
// palette's texts follow the menus'.
#include "app/mainwindow.h"

#include "ui_mainwindow.h"

void MainWindow::retranslate()
{
    Ui::MainWindow *f = ui;
    f->menuFile->setTitle(tr("File"));
    f->menuEdit->setTitle(tr("Edit"));
    f->menuSettings->setTitle(tr("Settings"));
    f->menuLayout->setTitle(tr("Layout"));
    f->menuDisplay->setTitle(tr("Display"));
    f->menuHelp->setTitle(tr("Help"));
    f->menuLanguage->setTitle(tr("Language"));
    f->menuOpenRecentFile->setTitle(tr("Open Recent"));
    f->menuOpenSampleFile->setTitle(tr("Open Sample"));
    f->menuTools->setTitle(tr("Tools"));

    f->actionViewRecent->setText(tr("View Recent..."));
    f->actionViewSamples->setText(tr("View Samples..."));
    f->actionImportExport->setText(tr("Import/Export MusicXML..."));
    f->actionOpen->setText(tr("Open..."));
    f->actionSave->setText(tr("Save"));
    f->actionSaveAs->setText(tr("Save As..."));
    f->actionSaveAsOriginal->setText(
        tr("Save As Original File Name (without '_udate..' or '_copy..')"));
    f->actionDuplicate->setText(tr("Duplicate"));
    f->actionClose->setText(tr("Close"));
    f->actionCloseOtherScores->setText(tr("Close Scores on Left Tabs"));
    f->actionExportPdf->setText(tr("Export PDF..."));
    f->actionExportSvg->setText(tr("Export SVG..."));
    f->actionProperty->setText(tr("File Property"));
    f->actionExit->setText(tr("Exit"));
    f->actionClearRecentFiles->setText(tr("Clear Recent File List"));
    f->actionUndo->setText(tr("Undo"));
    f->actionRedo->setText(tr("Redo"));
    f->actionSetPart->setText(tr("Part..."));
    f->actionPageMeasure->setText(tr("Measure and Page..."));
    f->actionStyle->setText(tr("Style..."));
    f->actionMultimeasureRests->setText(tr("Multimeasure Rests"));
    f->actionCopySettings->setText(tr("Copy Settings"));
    f->actionPasteSettings->setText(tr("Paste Settings..."));
    f->actionLayoutController->setText(tr("Layout Controller..."));
    f->actionStretch->setText(tr("Scale up"));
    f->actionShorten->setText(tr("Scale down"));
    f->actionStretchLittle->setText(tr("Scale up a little"));
    f->actionShortenLittle->setText(tr("Scale down a little"));
    f->actionMesSizeReset->setText(tr("Reset All Measure Sizes"));
    f->actionArticulationPositionReset->setText(tr("Reset All Articulation Positions"));
    f->actionLyricPositionReset->setText(tr("Reset All Lyrics Positions"));
    f->actionLineBreak->setText(tr("Insert Stage Break"));
    f->actionPageBreak->setText(tr("Insert Page Break"));
    f->actionWhitePageBreak->setText(tr("Insert White Page"));
    f->actionDelete->setText(tr("Delete"));
    f->actionPalleteNew->setText(tr("Pallete"));
    f->actionNavigator->setText(tr("Navigator"));
    f->actionRefresh->setText(tr("Refresh"));
    f->actionRefreshClean->setText(tr("Refresh Clean"));
    f->actionZoomIn->setText(tr("Zoom In"));
    f->actionZoomOut->setText(tr("Zoom Out"));
    f->actionZoomReset->setText(tr("Reset Zoom"));
    f->actionGoToMeasure->setText(tr("Goto Measure"));
    f->actionGenerateMuseScorePlugins->setText(tr("Generate MuseScore 3 Plugins..."));
    f->actionConvertLyricsToPitches->setText(
        tr("Change Note Names and Pitches From Lyrics (Koto and Sangen)..."));
    f->actionDeleteLyrics->setText(tr("Delete Lyrics..."));
    f->actionOutputNoteNamesToLyrics->setText(tr("Output Note Names To Lyrics..."));
    f->actionMoveLyricsSN->setText(tr("Move Lyrics (Staff Notation)..."));
    f->actionInsertSNPart->setText(tr("Duplicate Part as Staff Notation ..."));
    f->actionOnlineHelp->setText(tr("Online Handbook"));
    f->actionAbout->setText(tr("About Velmora"));

    retranslatePallete();
    if (scoreWindows.isEmpty())
        setWindowTitle(tr(idleTitle));
}
