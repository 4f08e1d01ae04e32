// MainWindow: construction in its fixed order, resizing and closing.
#include "app/mainwindow.h"

#include "app/dialogconvertnotename.h"
#include "app/dialogdeletelyrics.h"
#include "app/dialogimportexport.h"
#include "app/dialoglog.h"
#include "app/dialogmovelyricssn.h"
#include "app/dialogmsplugin.h"
#include "app/dialogpastesettings.h"
#include "app/version.h"
#include "dialogs/dialogcontroller.h"
#include "dialogs/dialogstyle.h"
#include "dialogs/pagedialog.h"
#include "dialogs/partdialog.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "ui_mainwindow.h"
#include "view/scorewindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>

namespace {
// The palette's share of the central splitter, in pixels.
constexpr int palleteWidth = 160;
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), programVersion(QString::fromLatin1(Velmora::programVersion)),
      buildDate(QString::fromLatin1(Velmora::buildDate)), museScoreVersion(QStringLiteral("V2")),
      ui(new Ui::MainWindow)
{
    setAcceptDrops(true);
    translator = new QTranslator;
    qtTranslator = new QTranslator;
    ui->setupUi(this);
    // A missing picture leaves the window with the platform's default icon.
    setWindowIcon(QIcon(QStringLiteral(":/images/VelmoraIcon.svg")));
    setWindowTitle(tr(idleTitle));

    palleteFrame = new QFrame;
    tabWidget = new QTabWidget;
    tabWidget->setTabsClosable(true);
    connect(tabWidget, &QTabWidget::tabCloseRequested, this, &MainWindow::closeTab);
    centralSplitter = new QSplitter;
    centralSplitter->addWidget(palleteFrame);
    centralSplitter->addWidget(tabWidget);
    setCentralWidget(centralSplitter);
    if (!ui->actionPalleteNew->isChecked())
        palleteFrame->hide();
    createPallete();

    myMsgLabel = new QLabel;
    statusBar()->addWidget(myMsgLabel, 0);
    msgTimer = new QTimer(this);
    connect(msgTimer, &QTimer::timeout, this, &MainWindow::myMsgLabelClear);
    refreshTimer = new QTimer(this);
    connect(refreshTimer, &QTimer::timeout, this, &MainWindow::refreshOnTimer);

    createActions();
    updateRecentFileActions();
    copiedPage = new Page(this);

    dialogController = new DialogController(this);
    connect(dialogController, &DialogController::sigUpdateDialogs, this, &MainWindow::updateDialogs,
            Qt::DirectConnection);
    pageDialog = new PageDialog(currentScore(), this);
    connect(pageDialog, &PageDialog::sigPageApply, this, &MainWindow::pageApply);
    partDialog = new PartDialog(this);
    connect(partDialog, &PartDialog::sigPartApply, this, &MainWindow::partApply);
    dialogStyle = new DialogStyle(this);
    connect(dialogStyle, &DialogStyle::sigStyleApply, this, &MainWindow::styleApply);
    dialogPasteSettings = new DialogPasteSettings(this);
    connect(dialogPasteSettings, &DialogPasteSettings::sigPasteSettingsAll, this,
            &MainWindow::pasteSettingsAll);
    connect(dialogPasteSettings, &DialogPasteSettings::sigPasteSettingsParts, this,
            &MainWindow::pasteSettingsParts);
    connect(dialogPasteSettings, &DialogPasteSettings::sigPasteSettingsMeasurePage, this,
            &MainWindow::pasteSettingsMeasurePage);
    connect(dialogPasteSettings, &DialogPasteSettings::sigPasteSettingsStyle, this,
            &MainWindow::pasteSettingsStyle);
    dialogMSPlugin = new DialogMSPlugin(this);
    connect(dialogMSPlugin, &DialogMSPlugin::sigMSPluginOK, this, &MainWindow::msplugin);
    dialogLog = new DialogLog(this);
    connect(dialogLog, &DialogLog::sigClearLog, this, &MainWindow::clearLog);
    dialogConvertNoteName = new DialogConvertNoteName(this);
    connect(dialogConvertNoteName, &DialogConvertNoteName::sigConvertNoteName, this,
            &MainWindow::convertNoteName);
    dialogDeleteLyrics = new DialogDeleteLyrics(this);
    connect(dialogDeleteLyrics, &DialogDeleteLyrics::sigDeleteLyrics, this,
            &MainWindow::deleteLyrics);
    dialogMoveLyricsSN = new DialogMoveLyricsSN(this);
    connect(dialogMoveLyricsSN, &DialogMoveLyricsSN::sigMoveLyricsSN, this,
            &MainWindow::moveLyricsSN);
    dialogImportExport = new DialogImportExport(this);
    auto *io = dialogImportExport;
    connect(io, &DialogImportExport::sigImportNew, this, &MainWindow::importNew);
    connect(io, &DialogImportExport::sigImportNewMuseScore, this, &MainWindow::importNewMuseScore);
    connect(io, &DialogImportExport::sigImportImitate, this, &MainWindow::importImitate);
    connect(io, &DialogImportExport::sigImportImitateMuseScore, this,
            &MainWindow::importImitateMuseScore);
    connect(io, &DialogImportExport::sigImportUpdatePure, this, &MainWindow::importUpdateFile2);
    connect(io, &DialogImportExport::sigImportUpdateFromMuseScore, this,
            &MainWindow::importUpdateFromMuseScore2);
    connect(io, &DialogImportExport::sigExportMusicXMLFileClean, this,
            &MainWindow::exportMusicXMLFileClean);
    connect(io, &DialogImportExport::sigExportToMuseScoreClean, this,
            &MainWindow::exportToMuseScoreClean);
    connect(io, &DialogImportExport::sigExportMusicXMLWithLyrics, this,
            &MainWindow::exportMusicXMLWithLyrics);
    connect(io, &DialogImportExport::sigExportMusicXMLWithLyricsToMS, this,
            &MainWindow::exportMusicXMLWithLyricsToMS);

    connect(tabWidget, &QTabWidget::currentChanged, this, &MainWindow::tabChanged);
    actionEnableCheck();

    // Empty until a language is chosen, so the texts below are English.
    QApplication::installTranslator(translator);
    retranslateAll();

    ui->actionUndo->setEnabled(false);
    ui->actionRedo->setEnabled(false);

    networkManager = new QNetworkAccessManager(this);
    connect(networkManager, &QNetworkAccessManager::finished, this, &MainWindow::replyFinished);
    readSettings();
    requestLatestVersion();
    palleteView->setStyleSheet(QStringLiteral(
        "QTreeView::item:hover {    background: tomato;   border: 1px solid #bfcde4; }"));
    openAutoSavedFile();
}

MainWindow::~MainWindow()
{
    // The scores outlive the actions in the child list; their last undo
    // reports must not reach the window.
    for (ScoreWindow *window : std::as_const(scoreWindows))
        window->score->disconnect(this);
    QApplication::removeTranslator(translator);
    QApplication::removeTranslator(qtTranslator);
    delete translator;
    delete qtTranslator;
    qDeleteAll(copiedParts);
    qDeleteAll(editedParts);
    delete ui;
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    centralSplitter->setSizes({palleteWidth, width() - palleteWidth});
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Written even when a cancelled save question keeps the window open.
    writeSettings();
    if (exitProg())
        event->accept();
    else
        event->ignore();
}
