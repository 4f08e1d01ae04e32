// MainWindow: the connections of the menu actions, the recent-file and
// sample actions, and the enabling of the actions that need a score.
#include "app/mainwindow.h"

#include "ui_mainwindow.h"

#include <QDir>
#include <QFileInfo>

void MainWindow::createActions()
{
    Ui::MainWindow *f = ui;
    connect(f->actionOpen, &QAction::triggered, this, &MainWindow::openFile);
    connect(f->actionViewRecent, &QAction::triggered, this, &MainWindow::viewRecent);
    connect(f->actionViewSamples, &QAction::triggered, this, &MainWindow::viewSamples);
    connect(f->actionImportExport, &QAction::triggered, this, &MainWindow::importExport);
    connect(f->actionExportSvg, &QAction::triggered, this, &MainWindow::exportSvgFile);
    connect(f->actionExportPdf, &QAction::triggered, this, &MainWindow::exportPdfFile);
    connect(f->actionSave, &QAction::triggered, this, &MainWindow::saveFile);
    connect(f->actionSaveAs, &QAction::triggered, this, &MainWindow::saveAs);
    connect(f->actionSaveAsOriginal, &QAction::triggered, this, &MainWindow::saveAsOriginal);
    connect(f->actionDuplicate, &QAction::triggered, this, &MainWindow::duplicate);
    connect(f->actionClose, &QAction::triggered, this, &MainWindow::closeFile);
    connect(f->actionCloseOtherScores, &QAction::triggered, this, &MainWindow::closeOtherFiles);
    connect(f->actionProperty, &QAction::triggered, this, &MainWindow::scoreProperty);
    connect(f->actionExit, &QAction::triggered, this, &MainWindow::exitProg);
    connect(f->actionRunCommandFile, &QAction::triggered, this, &MainWindow::runCommandFile);

    qDebug() << "recent";
    for (QAction *&action : recentFileActions) {
        action = new QAction(this);
        action->setVisible(false);
        connect(action, &QAction::triggered, this, &MainWindow::openRecentFile);
        f->menuOpenRecentFile->addAction(action);
    }
    f->menuFile->addSeparator();

    const QDir samples(QStringLiteral(":/samples"));
    const QFileInfoList entries = samples.entryInfoList(
        QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries) {
        auto *action = new QAction(this);
        action->setText(entry.completeBaseName());
        action->setData(entry.path() + QLatin1Char('/') + entry.completeBaseName() +
                        QStringLiteral(".tnsx"));
        action->setVisible(true);
        sampleActions.append(action);
        f->menuOpenSampleFile->addAction(action);
        connect(action, &QAction::triggered, this, &MainWindow::openSampleFile);
    }

    connect(f->actionUndo, &QAction::triggered, this, &MainWindow::undo);
    connect(f->actionRedo, &QAction::triggered, this, &MainWindow::redo);
    connect(f->actionSetPart, &QAction::triggered, this, &MainWindow::setPart);
    connect(f->actionPageMeasure, &QAction::triggered, this, &MainWindow::setPage);
    connect(f->actionLayoutController, &QAction::triggered, this, &MainWindow::layoutController);
    connect(f->actionStretch, &QAction::triggered, this, &MainWindow::longerItems);
    connect(f->actionShorten, &QAction::triggered, this, &MainWindow::shorterItems);
    connect(f->actionStretchLittle, &QAction::triggered, this, &MainWindow::longerItemsByLittle);
    connect(f->actionShortenLittle, &QAction::triggered, this, &MainWindow::shorterItemsByLittle);
    connect(f->actionMesSizeReset, &QAction::triggered, this, &MainWindow::resetSizeMeasure);
    connect(f->actionLineBreak, &QAction::triggered, this, &MainWindow::insertLineBreak);
    connect(f->actionPageBreak, &QAction::triggered, this, &MainWindow::insertPageBreak);
    connect(f->actionWhitePageBreak, &QAction::triggered, this, &MainWindow::insertWhitePageBreak);
    connect(f->actionDelete, &QAction::triggered, this, &MainWindow::deleteSelectedSymbol);
    connect(f->actionPalleteNew, &QAction::triggered, this, &MainWindow::displayPallete);
    connect(f->actionNavigator, &QAction::triggered, this, &MainWindow::displayNavigator);
    connect(f->actionZoomReset, &QAction::triggered, this, &MainWindow::zoomReset);
    connect(f->actionZoomIn, &QAction::triggered, this, &MainWindow::zoomIn);
    connect(f->actionZoomOut, &QAction::triggered, this, &MainWindow::zoomOut);
    connect(f->actionRefresh, &QAction::triggered, this, &MainWindow::refresh);
    connect(f->actionStyle, &QAction::triggered, this, &MainWindow::setStyle);
    connect(f->actionCopySettings, &QAction::triggered, this, &MainWindow::copySettings);
    connect(f->actionPasteSettings, &QAction::triggered, this, &MainWindow::pasteSettings);
    connect(f->actionGenerateMuseScorePlugins, &QAction::triggered, this,
            &MainWindow::generateMuseScorePlugin);
    connect(f->actionOpenLog, &QAction::triggered, this, &MainWindow::openLog);
    connect(f->actionConvertLyricsToPitches, &QAction::triggered, this,
            &MainWindow::convertLyricsToPithes);
    connect(f->actionDeleteLyrics, &QAction::triggered, this, &MainWindow::deleteLyricsDiag);
    connect(f->actionMoveLyricsSN, &QAction::triggered, this, &MainWindow::moveLyricsSNDiag);
    connect(f->actionOutputNoteNamesToLyrics, &QAction::triggered, this,
            &MainWindow::outputNoteNamesToLyrics);
    connect(f->actionOnlineHelp, &QAction::triggered, this, &MainWindow::help);
    connect(f->actionAbout, &QAction::triggered, this, &MainWindow::about);
    connect(f->actionOutlineNoteFonts, &QAction::triggered, this, &MainWindow::outlineNoteFonts);
    connect(f->actionClearRecentFiles, &QAction::triggered, this, &MainWindow::clearRecentFiles);
    connect(f->actionOutputScoreInfo2, &QAction::triggered, this, &MainWindow::outputScoreInfo);
    connect(f->actionDebugSwitch2, &QAction::toggled, this, &MainWindow::setDebugSwitch);
    connect(f->actionListUndoCommands2, &QAction::triggered, this, &MainWindow::listUndoCommands);
    connect(f->actionEnglish, &QAction::triggered, this, &MainWindow::langEnglish);
    connect(f->actionJapanese, &QAction::triggered, this, &MainWindow::langJapanese);
    connect(f->actionChinese, &QAction::triggered, this, &MainWindow::langChinese);
    // Every other action reaches its slot through the form's connection by
    // name (on_<action>_triggered, on_<action>_hovered), never also here.
}

void MainWindow::actionEnableCheck()
{
    const bool hasScore = !scoreWindows.isEmpty();
    Ui::MainWindow *f = ui;
    const QList<QAction *> needScore{f->actionDelete,
                                     f->actionExportPdf,
                                     f->actionExportSvg,
                                     f->actionClose,
                                     f->actionCloseOtherScores,
                                     f->actionSave,
                                     f->actionSaveAs,
                                     f->actionSaveAsOriginal,
                                     f->actionDuplicate,
                                     f->actionProperty,
                                     f->actionLayoutController,
                                     f->actionSetPart,
                                     f->actionPageMeasure,
                                     f->actionStyle,
                                     f->actionCopySettings,
                                     f->actionPasteSettings,
                                     f->actionOutlineNoteFonts,
                                     f->actionOpenCurrentfolder,
                                     f->actionConvertLyricsToPitches,
                                     f->actionDeleteLyrics,
                                     f->actionOutputNoteNamesToLyrics,
                                     f->actionInsertSNPart,
                                     f->actionOpenLog,
                                     f->actionMultimeasureRests};
    for (QAction *action : needScore)
        action->setEnabled(hasScore);
    if (!hasScore)
        f->actionMultimeasureRests->setChecked(false);
}
