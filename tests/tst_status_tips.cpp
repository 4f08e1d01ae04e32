// The status-bar tips: the text each menu entry shows while hovered, the
// 3000 ms after the last hover that it stays, and the entries without one.
#include "app/mainwindow.h"
#include "support/testenvironment.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <QTranslator>

namespace tst_status_tips {

namespace {

QAction *action(MainWindow &window, const QString &name)
{
    return window.findChild<QAction *>(name, Qt::FindDirectChildrenOnly);
}

} // namespace

class TestStatusTips : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void tips_data();
    void tips();
    void entriesOutsideTheTableShowNothing();
    void tipStaysThreeSecondsAfterTheLastHover();
    void tipsFollowTheLanguage();
};

void TestStatusTips::init()
{
    TestSupport::prompter().reset();
}

void TestStatusTips::tips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tip");
    QTest::newRow("Open") << "actionOpen"
                          << "Open Velmora file(*.tnsx).";
    QTest::newRow("ImportExport") << "actionImportExport"
                                  << "Open Import/Export MusicXML Dialog.";
    QTest::newRow("Save") << "actionSave"
                          << "Save active score to Velmora file(*.tnsx).";
    QTest::newRow("SaveAs") << "actionSaveAs"
                            << "Save active score to Velmora file(*.tnsx) with new file name.";
    QTest::newRow("Close") << "actionClose"
                           << "Close active score.";
    QTest::newRow("SetPart") << "actionSetPart"
                             << "Open Part dialog for setting part values.";
    QTest::newRow("Stretch") << "actionStretch"
                             << "Stretch selected measures a little.";
    QTest::newRow("Shorten") << "actionShorten"
                             << "Shorten selected measures a little.";
    QTest::newRow("MesSizeReset") << "actionMesSizeReset"
                                  << "Reset sizes of all measures to a default value.";
    QTest::newRow("LineBreak") << "actionLineBreak"
                               << "Insert stage break at the end of selected measure.";
    QTest::newRow("PageBreak") << "actionPageBreak"
                               << "Insert page break at the end of selected measure.";
    QTest::newRow("Style") << "actionStyle"
                           << "Open Style dialog for setting style values.";
    QTest::newRow("ExportPdf") << "actionExportPdf"
                               << "Export active score to PDF file.";
    QTest::newRow("ExportSvg") << "actionExportSvg"
                               << "Export active score to SVG file.";
    QTest::newRow("Property") << "actionProperty"
                              << "Show file properties of active score.";
    QTest::newRow("WhitePageBreak") << "actionWhitePageBreak"
                                    << "Insert white page after selected measure.";
    QTest::newRow("PalleteNew") << "actionPalleteNew"
                                << "Show pallete (which lists note directives).";
    QTest::newRow("GenerateMuseScorePlugins") << "actionGenerateMuseScorePlugins"
                                              << "Generate plugin files for MuseScore.";
    QTest::newRow("Duplicate") << "actionDuplicate"
                               << "Create copy of active score.";
    QTest::newRow("ClearRecentFiles") << "actionClearRecentFiles"
                                      << "Clear list of recently opened files.";
    QTest::newRow("Exit") << "actionExit"
                          << "Stop Velmora and Exit.";
    QTest::newRow("PageMeasure") << "actionPageMeasure"
                                 << "Open Measure/Page Dialog.";
    QTest::newRow("ZoomIn") << "actionZoomIn"
                            << "Zooming in a little.";
    QTest::newRow("ZoomOut") << "actionZoomOut"
                             << "Zoomin out a little.";
    QTest::newRow("ZoomReset") << "actionZoomReset"
                               << "Reset zooming rate.";
    QTest::newRow("Navigator") << "actionNavigator"
                               << "Show Navigator Window.";
    QTest::newRow("Undo") << "actionUndo"
                          << "Undo last operation.";
    QTest::newRow("Redo") << "actionRedo"
                          << "Redo undone operation.";
    QTest::newRow("Delete") << "actionDelete"
                            << "Delete selected elements.";
    QTest::newRow("CloseOtherScores")
        << "actionCloseOtherScores"
        << "Close all scores on the left hand side of current active score.";
    QTest::newRow("LayoutController") << "actionLayoutController"
                                      << "Open Layout Controller Panel.";
    QTest::newRow("ConvertLyricsToPitches")
        << "actionConvertLyricsToPitches"
        << "Generate Note Names and Pithes from data at lyrics (for Koto and Sangen)";
    QTest::newRow("DeleteLyrics") << "actionDeleteLyrics"
                                  << "Delete Lyrics.";
    QTest::newRow("OutputNoteNamesToLyrics") << "actionOutputNoteNamesToLyrics"
                                             << "Output Note Names to Lyrics.";
    QTest::newRow("Refresh") << "actionRefresh"
                             << "Refresh display.";
    QTest::newRow("SaveAsOriginal")
        << "actionSaveAsOriginal"
        << "Save As Original File Name (without '_udate..' or '_copy..').";
    QTest::newRow("RefreshClean") << "actionRefreshClean"
                                  << "Refresh clean score (equivalent to PDF export).";
}

void TestStatusTips::tips()
{
    QFETCH(QString, name);
    QFETCH(QString, tip);
    MainWindow window;
    QAction *hovered = action(window, name);
    QVERIFY(hovered);
    QVERIFY(!window.msgTimer->isActive());
    hovered->hover();
    QCOMPARE(window.myMsgLabel->text(), tip);
    QVERIFY(window.msgTimer->isActive());
    QCOMPARE(window.msgTimer->interval(), 3000);
    QVERIFY(!window.msgTimer->isSingleShot());
    // The label sits on the status bar.
    QCOMPARE(window.myMsgLabel->parentWidget(), window.statusBar());
}

void TestStatusTips::entriesOutsideTheTableShowNothing()
{
    MainWindow window;
    const QStringList withoutTip{
        "actionViewRecent",  "actionViewSamples",   "actionRunCommandFile", "actionOpenLog",
        "actionEnglish",     "actionJapanese",      "actionChinese",        "actionAbout",
        "actionOnlineHelp",  "actionStretchLittle", "actionCopySettings",   "actionMoveLyricsSN",
        "actionGoToMeasure", "actionPallete"};
    for (const QString &name : withoutTip) {
        QAction *hovered = action(window, name);
        QVERIFY2(hovered, qPrintable(name));
        hovered->hover();
        QVERIFY2(window.myMsgLabel->text().isEmpty(), qPrintable(name));
    }
    for (QAction *recent : window.ui->menuOpenRecentFile->actions())
        recent->hover();
    QVERIFY(window.myMsgLabel->text().isEmpty());
    QVERIFY(!window.msgTimer->isActive());
    // Hovering nothing of the table leaves a shown tip alone.
    window.ui->actionSave->hover();
    action(window, QStringLiteral("actionAbout"))->hover();
    QCOMPARE(window.myMsgLabel->text(),
             QStringLiteral("Save active score to Velmora file(*.tnsx)."));
}

// Save, then Close 2 s later: the Close tip stays a full 3000 ms from its own
// hover, and the label is empty after that. The timer keeps running.
void TestStatusTips::tipStaysThreeSecondsAfterTheLastHover()
{
    MainWindow window;
    const QString closeTip = QStringLiteral("Close active score.");
    window.ui->actionSave->hover();
    QTest::qWait(2000);
    QCOMPARE(window.myMsgLabel->text(),
             QStringLiteral("Save active score to Velmora file(*.tnsx)."));
    window.ui->actionClose->hover();
    QElapsedTimer sinceClose;
    sinceClose.start();
    QCOMPARE(window.myMsgLabel->text(), closeTip);
    // Past the first hover's 3000 ms the second tip is still there.
    QTest::qWait(1500);
    QCOMPARE(window.myMsgLabel->text(), closeTip);
    QTRY_VERIFY_WITH_TIMEOUT(window.myMsgLabel->text().isEmpty(), 5000);
    // A coarse timer may fire up to 5 % early.
    QVERIFY2(sinceClose.elapsed() >= 2850, qPrintable(QString::number(sinceClose.elapsed())));
    QVERIFY(window.msgTimer->isActive());
}

void TestStatusTips::tipsFollowTheLanguage()
{
    MainWindow window;
    QTranslator catalogue;
    QVERIFY(catalogue.load(QStringLiteral(":/languages/velmora_ja")));
    window.langJapanese();
    window.ui->actionSave->hover();
    const QString japanese =
        catalogue.translate("MainWindow", "Save active score to Velmora file(*.tnsx).");
    QVERIFY(!japanese.isEmpty());
    QCOMPARE(window.myMsgLabel->text(), japanese);
    window.langEnglish();
    window.ui->actionSave->hover();
    QCOMPARE(window.myMsgLabel->text(),
             QStringLiteral("Save active score to Velmora file(*.tnsx)."));
}

VELMORA_TEST_MAIN(TestStatusTips)

} // namespace tst_status_tips
#include "tst_status_tips.moc"
