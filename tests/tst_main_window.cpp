// The main window: its form (menus, actions, shortcuts, initial states), the
// texts it shows, its construction, the score tabs and the current score,
// the delayed refresh, the log window, the splitter and the command line.
#include "app/commandline.h"
#include "app/dialoglog.h"
#include "app/mainwindow.h"
#include "dialogs/dialogcontroller.h"
#include "drawing/breakitem.h"
#include "model/measure.h"
#include "model/score.h"
#include "model/style.h"
#include "support/installedcatalogue.h"
#include "support/messagecapture.h"
#include "support/scorefile.h"
#include "support/scriptedprompter.h"
#include "support/testenvironment.h"
#include "ui_mainwindow.h"
#include "view/navigator.h"
#include "view/scene.h"
#include "view/scorewindow.h"

#include <QDir>
#include <QFrame>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTranslator>
#include <QTreeView>
#include <QUndoStack>

#include <algorithm>

namespace tst_main_window {

namespace {

const QString sample = QStringLiteral("sakura-sakura.musicxml");

// The 24 actions that need an open score.
const QStringList scoreActions{"actionDelete",
                               "actionExportPdf",
                               "actionExportSvg",
                               "actionClose",
                               "actionCloseOtherScores",
                               "actionSave",
                               "actionSaveAs",
                               "actionSaveAsOriginal",
                               "actionDuplicate",
                               "actionProperty",
                               "actionLayoutController",
                               "actionSetPart",
                               "actionPageMeasure",
                               "actionStyle",
                               "actionCopySettings",
                               "actionPasteSettings",
                               "actionOutlineNoteFonts",
                               "actionOpenCurrentfolder",
                               "actionConvertLyricsToPitches",
                               "actionDeleteLyrics",
                               "actionOutputNoteNamesToLyrics",
                               "actionInsertSNPart",
                               "actionOpenLog",
                               "actionMultimeasureRests"};

// Every action of the form: object name, the form's text, its shortcut and
// the text the window shows (empty: the form's text stays).
struct FormAction
{
    const char *name;
    const char *formText;
    const char *shortcut;
    const char *displayed;
};

const FormAction formActions[] = {
    {"actionOpen", "Open...-", "Ctrl+O", "Open..."},
    {"actionViewRecent", "View Recent...-", "", "View Recent..."},
    {"actionViewSamples", "View Samples...-", "", "View Samples..."},
    {"actionImportExport", "Import/Export MusicXML...-", "Ctrl+Shift+X",
     "Import/Export MusicXML..."},
    {"actionExportPdf", "Export PDF...-", "Ctrl+Shift+P", "Export PDF..."},
    {"actionExportSvg", "Export SVG...-", "", "Export SVG..."},
    {"actionSave", "Save-", "Ctrl+S", "Save"},
    {"actionSaveAs", "Save As...-", "Ctrl+Shift+S", "Save As..."},
    {"actionSaveAsOriginal", "Save As Original-", "Ctrl+Shift+O",
     "Save As Original File Name (without '_udate..' or '_copy..')"},
    {"actionDuplicate", "Duplicate-", "", "Duplicate"},
    {"actionProperty", "File property-", "", "File Property"},
    {"actionClearRecentFiles", "Clear Recent File List-", "", "Clear Recent File List"},
    {"actionClose", "Close-", "Ctrl+W", "Close"},
    {"actionCloseOtherScores", "Close Other Scores  on Left Tabs-", "",
     "Close Scores on Left Tabs"},
    {"actionRunCommandFile", "Run Command File...-", "", ""},
    {"actionExit", "Exit-", "Ctrl+Q", "Exit"},
    {"actionSetPart", "Part...-", "Ctrl+P", "Part..."},
    {"actionPageMeasure", "Page Settings...-", "Ctrl+M", "Measure and Page..."},
    {"actionStyle", "Stylel...-", "Ctrl+T", "Style..."},
    {"actionMultimeasureRests", "Multimeasure Rests-", "Ctrl+Shift+M", "Multimeasure Rests"},
    {"actionCopySettings", "Copy Settings-", "", "Copy Settings"},
    {"actionPasteSettings", "Paste Settings-", "", "Paste Settings..."},
    {"actionUndo", "Undo-", "Ctrl+Z", "Undo"},
    {"actionRedo", "Redo-", "Ctrl+Shift+Z", "Redo"},
    {"actionDelete", "Delete-", "Del", "Delete"},
    {"actionLayoutController", "Layout Controller-", "Ctrl+L", "Layout Controller..."},
    {"actionStretch", "Stretch Item-", "Ctrl+]", "Scale up"},
    {"actionStretchLittle", "Stretch by Small Degrees-", "Ctrl+Shift+]", "Scale up a little"},
    {"actionShorten", "Shorten Item-", "Ctrl+[", "Scale down"},
    {"actionShortenLittle", "Shorten by Small Degrees", "Ctrl+Shift+[", "Scale down a little"},
    {"actionMesSizeReset", "Reset All Measure Sizes-", "", "Reset All Measure Sizes"},
    {"actionArticulationPositionReset", "Reset Positions of Articulations-", "",
     "Reset All Articulation Positions"},
    {"actionLyricPositionReset", "Reset Positions of Lyrics-", "", "Reset All Lyrics Positions"},
    {"actionLineBreak", "Insert Line Break-", "Ctrl+Return", "Insert Stage Break"},
    {"actionPageBreak", "Insert Page Break-", "Ctrl+Shift+Return", "Insert Page Break"},
    {"actionWhitePageBreak", "Insert White Page Break-", "", "Insert White Page"},
    {"actionPallete", "Pallete", "F9", ""},
    {"actionNavigator", "Navigator-", "Ctrl+F10", "Navigator"},
    {"actionPalleteNew", "Pallete-", "Ctrl+F9", "Pallete"},
    {"actionRefresh", "Refresh-", "Ctrl+R", "Refresh"},
    {"actionRefreshClean", "Refresh Clean-", "", "Refresh Clean"},
    {"actionZoomIn", "Zoom In-", "Ctrl++", "Zoom In"},
    {"actionZoomOut", "Zoom Out-", "Ctrl+-", "Zoom Out"},
    {"actionZoomReset", "Reset Zoom-", "Ctrl+0", "Reset Zoom"},
    {"actionGoToMeasure", "Go To Measure-", "Ctrl+G", "Goto Measure"},
    {"actionGenerateMuseScorePlugins", "Generate MuseScore Plugin Files", "",
     "Generate MuseScore 3 Plugins..."},
    {"actionConvertLyricsToPitches", "Change Pitch (from Note Name in Lyric)", "",
     "Change Note Names and Pitches From Lyrics (Koto and Sangen)..."},
    {"actionDeleteLyrics", "Delete Lyrics-", "", "Delete Lyrics..."},
    {"actionOutputNoteNamesToLyrics", "Output Note Names to Lyrics -", "",
     "Output Note Names To Lyrics..."},
    {"actionMoveLyricsSN", "Move Lyrics to Note Positions (Staff Notation)-", "",
     "Move Lyrics (Staff Notation)..."},
    {"actionInsertSNPart", "Insert Staff Notation Part-", "",
     "Duplicate Part as Staff Notation ..."},
    {"actionOpenLog", "Open Log Dialog", "", ""},
    {"actionJapanese", "日本語", "", ""},
    {"actionEnglish", "English", "", ""},
    {"actionChinese", "中文", "", ""},
    {"actionOnlineHelp", "Online Help-", "", "Online Handbook"},
    {"actionAbout", "About", "", "About Velmora"},
    {"actionDebugSwitch2", "Debug Switch", "", ""},
    {"actionListUndoCommands2", "List Undo Stack", "", ""},
    {"actionOutputScoreInfo2", "Score Info", "", ""},
    {"actionOpenCurrentfolder", "Open current folder", "", ""},
    {"actionOutlineNoteFonts", "Outline note fonts and intervals", "", ""},
    {"actionSwitchOffAutoSaveMode", "Switch off auto save mode", "", ""},
    {"actionClean_Refresh", "Clean Refresh", "", ""},
    // In no menu.
    {"actionImportStandardStyle", "Import Standard Style...-", "", ""},
    {"actionReduceMeasures", "Reduce Measures-", "Alt+-", ""},
    {"actionEnlargeMeasures", "Enlarge Measures-", "Alt++", ""},
    {"actionImportUpdateNew", "ImportUpdateNew", "Ctrl+I", ""},
    {"actiondummy", "dummy", "", ""},
    {"actionClean_Mode", "Clean Mode-", "", ""},
};

const QStringList actionsInNoMenu{
    "actionImportStandardStyle", "actionReduceMeasures", "actionEnlargeMeasures",
    "actionImportUpdateNew",     "actiondummy",          "actionClean_Mode"};

// A menu's entries top to bottom: action or submenu object names, "-" for
// a separator.
QStringList entries(const QMenu *menu)
{
    QStringList result;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            result << QStringLiteral("-");
        else if (action->menu())
            result << action->menu()->objectName();
        else
            result << action->objectName();
    }
    return result;
}

QStringList menuTitles(const QMenuBar *bar)
{
    QStringList titles;
    for (QAction *action : bar->actions())
        titles << action->text();
    return titles;
}

QStringList standInLines(const TestSupport::MessageCapture &capture)
{
    QStringList lines;
    for (const QString &line : capture.lines()) {
        if (line.contains(QLatin1String("MainWindow::")))
            lines << line;
    }
    return lines;
}

QAction *action(MainWindow &window, const QString &name)
{
    return window.findChild<QAction *>(name, Qt::FindDirectChildrenOnly);
}

// A new score imported from `fileName` under tests/fixtures (the sample by
// default), generated and never saved; null when it does not load.
Score *importedScore(const QString &path = TestSupport::samplePath())
{
    auto score = TestSupport::generatedScore(path, 0, true);
    return score.release();
}

int generations(const TestSupport::MessageCapture &capture)
{
    return capture.count(QStringLiteral("generateScore: entered----------."));
}

QString screenshotFolder()
{
    const QString folder = QDir(QCoreApplication::applicationDirPath())
                               .absoluteFilePath(QStringLiteral("../screenshots"));
    QDir().mkpath(folder);
    return QDir::cleanPath(folder);
}

int distinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    }
    return colours.size();
}

// The widget is shown, at least its minimum size hint, and lies inside
// `window`.
void checkPlacedInside(QWidget *widget, QWidget *window)
{
    QVERIFY2(widget, "missing widget");
    QVERIFY2(widget->isVisible(), qPrintable(widget->objectName()));
    const QSize hint = widget->minimumSizeHint();
    QVERIFY2(widget->width() >= hint.width() && widget->height() >= hint.height(),
             qPrintable(QStringLiteral("%1 %2x%3 below %4x%5")
                            .arg(widget->metaObject()->className())
                            .arg(widget->width())
                            .arg(widget->height())
                            .arg(hint.width())
                            .arg(hint.height())));
    const QRect inWindow(widget->mapTo(window, QPoint(0, 0)), widget->size());
    QVERIFY2(window->rect().contains(inWindow), qPrintable(widget->metaObject()->className()));
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void formAction_data();
    void formAction();
    void formInitialStates();
    void formWindowAndMenuBar();
    void menusInOrder();
    void menuEntries_data();
    void menuEntries();
    void displayedTexts();
    void constructionWithoutScore();
    void windowIconComesFromTheSvg();
    void eachActionReachesItsSlotsOnce();
    void hoveredSlotsAreConnectedByName();
    void addScoreTabMakesItCurrent();
    void layoutResetsReachTheCurrentScore();
    void undoKeysFromEveryWindow_data();
    void undoKeysFromEveryWindow();
    void navigatorFollowsDisplayNavigator();
    void removingTheLastTab();
    void removingTheMiddleTabKeepsTabsAndListInStep();
    void tabChangedShowsTheImportedScore();
    void refreshTimer_data();
    void refreshTimer();
    void refreshTimerRestartGivesOneRegeneration();
    void refreshTimerWithTheTabGone();
    void refreshLogTitlesAndFillsTheLogWindow();
    void clearInTheLogWindowEmptiesTheScoreLog();
    void resizeResetsTheSplitter();
    void forwardingSlotsWithoutTab_data();
    void forwardingSlotsWithoutTab();
    void refreshCleanDrawsOnceWithoutEditingAids();
    void commandLine_data();
    void commandLine();
    void undoAndRedoFollowTheScoreInFront();
    void screenshots();
    void translatedScreenshots_data();
    void translatedScreenshots();
};

void TestMainWindow::init()
{
    TestSupport::prompter().reset();
}

void TestMainWindow::formAction_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("formText");
    QTest::addColumn<QString>("shortcut");
    for (const FormAction &a : formActions)
        QTest::newRow(a.name) << QString::fromUtf8(a.name) << QString::fromUtf8(a.formText)
                              << QString::fromUtf8(a.shortcut);
}

// The form alone, set up on a plain window: its texts and shortcuts.
void TestMainWindow::formAction()
{
    QFETCH(QString, name);
    QFETCH(QString, formText);
    QFETCH(QString, shortcut);
    QMainWindow plain;
    Ui::MainWindow form;
    form.setupUi(&plain);
    auto *a = plain.findChild<QAction *>(name, Qt::FindDirectChildrenOnly);
    QVERIFY(a);
    QCOMPARE(a->text(), formText);
    QCOMPARE(a->shortcut(), QKeySequence(shortcut));
    const bool inMenu = !a->associatedObjects().isEmpty();
    QCOMPARE(inMenu, !actionsInNoMenu.contains(name));
}

void TestMainWindow::formInitialStates()
{
    QMainWindow plain;
    Ui::MainWindow form;
    form.setupUi(&plain);
    const QList<QAction *> actions =
        plain.findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly);
    // The 70 actions and the menus' own actions; nothing else.
    int named = 0;
    // name: checkable, checked, enabled, visible
    const QHash<QString, QList<bool>> states{
        {"actionPallete", {true, false, false, false}},
        {"actionNavigator", {true, true, true, true}},
        {"actionOutlineNoteFonts", {true, false, true, true}},
        {"actionJapanese", {true, true, true, true}},
        {"actionEnglish", {true, false, true, true}},
        {"actionDebugSwitch2", {true, false, true, true}},
        {"actionPalleteNew", {true, true, true, true}},
        {"actionChinese", {true, false, true, true}},
        {"actionMultimeasureRests", {true, false, true, true}}};
    for (QAction *a : actions) {
        if (a->objectName().isEmpty())
            continue;
        ++named;
        const QList<bool> expected =
            states.value(a->objectName(), QList<bool>{false, false, true, true});
        const QList<bool> actual{a->isCheckable(), a->isChecked(), a->isEnabled(), a->isVisible()};
        QVERIFY2(actual == expected, qPrintable(a->objectName()));
        QVERIFY2(a->icon().isNull() && a->statusTip().isEmpty(), qPrintable(a->objectName()));
    }
    QCOMPARE(named, 70);
    QCOMPARE(int(std::size(formActions)), 70);
    QCOMPARE(plain.windowTitle(), QStringLiteral("MainWindow"));
}

void TestMainWindow::formWindowAndMenuBar()
{
    QMainWindow plain;
    Ui::MainWindow form;
    form.setupUi(&plain);
    QCOMPARE(plain.objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(plain.size(), QSize(686, 572));
    QCOMPARE(plain.font().pointSize(), 14);
    QCOMPARE(form.menuBar->geometry(), QRect(0, 0, 686, 24));
    QCOMPARE(plain.menuBar(), form.menuBar);
    QCOMPARE(plain.statusBar(), form.statusBar);
    QVERIFY(form.mainToolBar->actions().isEmpty());
    QCOMPARE(plain.toolBarArea(form.mainToolBar), Qt::TopToolBarArea);
    QCOMPARE(form.verticalLayout->count(), 0);
    QCOMPARE(form.menuOpenRecentFile->parent(), form.menuFile);
    QCOMPARE(form.menuOpenSampleFile->parent(), form.menuFile);
    QCOMPARE(form.menuDevelopment->parent(), form.menuHelp);
    QCOMPARE(form.menuTools->parent(), form.menuBar);
}

void TestMainWindow::menusInOrder()
{
    MainWindow window;
    QCOMPARE(menuTitles(window.menuBar()), (QStringList{"File", "Settings", "Edit", "Layout",
                                                        "Display", "Tools", "Language", "Help"}));
}

void TestMainWindow::menuEntries_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("File") << "menuFile"
                          << QStringList{"actionOpen", "-", "menuOpenRecentFile",
                                         "actionViewRecent", "-", "menuOpenSampleFile",
                                         "actionViewSamples", "-", "actionImportExport", "-",
                                         "actionExportPdf", "actionExportSvg", "-", "actionSave",
                                         "actionSaveAs", "actionSaveAsOriginal", "actionDuplicate",
                                         "-", "actionProperty", "actionClearRecentFiles", "-",
                                         "actionClose", "actionCloseOtherScores", "-",
                                         "actionRunCommandFile", "-", "actionExit", "-",
                                         // The window's own separator after the form's.
                                         "-"};
    QTest::newRow("Settings") << "menuSettings"
                              << QStringList{"actionSetPart",      "actionPageMeasure",       "-",
                                             "actionStyle",        "actionMultimeasureRests", "-",
                                             "actionCopySettings", "actionPasteSettings",     "-"};
    QTest::newRow("Edit") << "menuEdit"
                          << QStringList{"actionUndo", "actionRedo", "-", "actionDelete"};
    QTest::newRow("Layout") << "menuLayout"
                            << QStringList{"actionLayoutController",
                                           "-",
                                           "actionStretch",
                                           "actionStretchLittle",
                                           "actionShorten",
                                           "actionShortenLittle",
                                           "-",
                                           "actionMesSizeReset",
                                           "actionArticulationPositionReset",
                                           "actionLyricPositionReset",
                                           "-",
                                           "actionLineBreak",
                                           "actionPageBreak",
                                           "actionWhitePageBreak"};
    QTest::newRow("Display") << "menuDisplay"
                             << QStringList{"actionPallete",
                                            "actionNavigator",
                                            "actionPalleteNew",
                                            "-",
                                            "actionRefresh",
                                            "actionRefreshClean",
                                            "-",
                                            "actionZoomIn",
                                            "actionZoomOut",
                                            "actionZoomReset",
                                            "-",
                                            "actionGoToMeasure"};
    QTest::newRow("Tools") << "menuTools"
                           << QStringList{"actionGenerateMuseScorePlugins",
                                          "actionConvertLyricsToPitches",
                                          "actionDeleteLyrics",
                                          "actionOutputNoteNamesToLyrics",
                                          "actionMoveLyricsSN",
                                          "actionInsertSNPart",
                                          "-",
                                          "actionOpenLog"};
    QTest::newRow("Language") << "menuLanguage"
                              << QStringList{"actionJapanese", "actionEnglish", "-",
                                             "actionChinese"};
    QTest::newRow("Help") << "menuHelp"
                          << QStringList{"actionOnlineHelp", "actionAbout", "-", "menuDevelopment",
                                         "-"};
    QTest::newRow("Development") << "menuDevelopment"
                                 << QStringList{"-",
                                                "actionDebugSwitch2",
                                                "actionListUndoCommands2",
                                                "actionOutputScoreInfo2",
                                                "actionOpenCurrentfolder",
                                                "actionOutlineNoteFonts",
                                                "-",
                                                "actionSwitchOffAutoSaveMode",
                                                "actionClean_Refresh"};
}

void TestMainWindow::menuEntries()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, expected);
    MainWindow window;
    auto *m = window.findChild<QMenu *>(menu);
    QVERIFY(m);
    QCOMPARE(entries(m), expected);
}

void TestMainWindow::displayedTexts()
{
    MainWindow window;
    for (const FormAction &a : formActions) {
        const QString expected = QString::fromUtf8(*a.displayed ? a.displayed : a.formText);
        QAction *found = action(window, QString::fromUtf8(a.name));
        QVERIFY2(found, a.name);
        QCOMPARE(found->text(), expected);
        // Shortcuts stay as the form set them.
        QCOMPARE(found->shortcut(), QKeySequence(QString::fromUtf8(a.shortcut)));
    }
    const QList<QPair<QString, QString>> titles{{"menuOpenRecentFile", "Open Recent"},
                                                {"menuOpenSampleFile", "Open Sample"},
                                                {"menuDevelopment", "Development"}};
    for (const auto &title : titles)
        QCOMPARE(window.findChild<QMenu *>(title.first)->title(), title.second);
    // With no stored language the window starts in English, the one
    // language checked.
    QVERIFY(window.ui->actionEnglish->isChecked());
    QVERIFY(!window.ui->actionJapanese->isChecked());
    QVERIFY(!window.ui->actionChinese->isChecked());
}

void TestMainWindow::constructionWithoutScore()
{
    TestSupport::MessageCapture capture;
    MainWindow window;
    QCOMPARE(window.tabWidget->count(), 0);
    QVERIFY(window.tabWidget->tabsClosable());
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora - Welcome!"));
    for (const QString &name : scoreActions)
        QVERIFY2(!action(window, name)->isEnabled(), qPrintable(name));
    QVERIFY(!window.ui->actionUndo->isEnabled());
    QVERIFY(!window.ui->actionRedo->isEnabled());
    QVERIFY(!window.palleteFrame->isHidden());
    QCOMPARE(window.centralWidget(), window.centralSplitter);
    QCOMPARE(window.centralSplitter->widget(0), window.palleteFrame);
    QCOMPARE(window.centralSplitter->widget(1), window.tabWidget);
    QVERIFY(window.acceptDrops());
    // The page dialog is made before any score exists.
    QVERIFY(capture.contains(QStringLiteral("no score")));
    // Recent-file actions: 15, hidden, in Open Recent.
    QCOMPARE(window.ui->menuOpenRecentFile->actions().size(), MainWindow::recentFileCount);
    for (QAction *recent : window.ui->menuOpenRecentFile->actions())
        QVERIFY(!recent->isVisible());
    // One sample action per score of ":/samples": its base name, in name
    // order, with that score's own path as data.
    QStringList sampleFiles =
        QDir(QStringLiteral(":/samples")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QVERIFY(!sampleFiles.isEmpty());
    std::sort(sampleFiles.begin(), sampleFiles.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    QCOMPARE(window.sampleActions.size(), sampleFiles.size());
    for (int i = 0; i < sampleFiles.size(); ++i) {
        const QString &file = sampleFiles.at(i);
        QVERIFY2(file.endsWith(QLatin1String(".tnsx")) && file.count(QLatin1Char('.')) == 1,
                 qPrintable(file));
        const QString baseName = file.chopped(5);
        const QAction *s = window.sampleActions.at(i);
        QCOMPARE(s->text(), baseName);
        QCOMPARE(s->data().toString(), QStringLiteral(":/samples/") + baseName + ".tnsx");
        QVERIFY(QFile::exists(s->data().toString()));
    }
    QCOMPARE(window.ui->menuOpenSampleFile->actions(), window.sampleActions);
    QVERIFY(window.dialogLog->parent() == &window);
    QCOMPARE(window.dialogLog->windowTitle(), QStringLiteral("Log Dialog"));
    // F9 belongs to the hidden, disabled first Pallete action.
    QVERIFY(!window.ui->actionPallete->isEnabled() && !window.ui->actionPallete->isVisible());
    QVERIFY(window.ui->actionPalleteNew->isChecked() && window.ui->actionNavigator->isChecked());
}

// The icon is the scalable design: it draws at any size, exactly as the SVG
// draws, and is not blank. The PNG written beside it loads as well.
void TestMainWindow::windowIconComesFromTheSvg()
{
    MainWindow window;
    const QIcon icon = window.windowIcon();
    QVERIFY(!icon.isNull());
    const QSize large(512, 512);
    const QImage drawn = icon.pixmap(large).toImage();
    // A bitmap icon never draws above its own size (256 for the PNG).
    QCOMPARE(drawn.size(), large);
    const QImage fromSvg =
        QIcon(QStringLiteral(":/images/VelmoraIcon.svg")).pixmap(large).toImage();
    QCOMPARE(drawn, fromSvg);
    int inked = 0;
    for (int y = 0; y < drawn.height(); y += 8)
        for (int x = 0; x < drawn.width(); x += 8)
            inked += qAlpha(drawn.pixel(x, y)) > 0;
    QVERIFY(inked > 0);
    const QPixmap png(QStringLiteral(":/images/VelmoraIcon.png"));
    QVERIFY(!png.isNull());
    QCOMPARE(png.size(), QSize(256, 256));
}

// Each action reaches each slot at most once: the window connects only the
// actions the form does not already connect by name.
void TestMainWindow::eachActionReachesItsSlotsOnce()
{
    MainWindow window;
    for (QAction *a : window.findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (a->objectName().isEmpty() || a->objectName() == QLatin1String("actionOpenLog"))
            continue;
        TestSupport::MessageCapture capture;
        a->trigger();
        QStringList lines = standInLines(capture);
        QVERIFY2(lines.removeDuplicates() == 0, qPrintable(a->objectName()));
    }
    {
        TestSupport::MessageCapture capture;
        window.ui->actionEnglish->trigger();
        QCOMPARE(capture.count(QStringLiteral("langEngligh Entered.")), 1);
    }
    {
        // Insert Staff Notation Part asks once for the score; About runs
        // one box (titled in English again).
        TestSupport::MessageCapture capture;
        action(window, QStringLiteral("actionInsertSNPart"))->setEnabled(true);
        action(window, QStringLiteral("actionInsertSNPart"))->trigger();
        QCOMPARE(capture.count(QStringLiteral("no score")), 1);
        TestSupport::prompter().reset();
        action(window, QStringLiteral("actionAbout"))->trigger();
        const auto &prompts = TestSupport::prompter().prompts;
        QCOMPARE(prompts.size(), 1);
        QCOMPARE(prompts.constFirst().kind, QStringLiteral("dialog"));
        QCOMPARE(prompts.constFirst().title, QStringLiteral("About Velmora"));
    }
    // In English again: Multimeasure Rests switches the score's rests once
    // per trigger, and Go To Measure asks once for the number.
    window.addScoreTab(importedScore());
    Score *score = window.currentScore();
    const bool rests = score->style->multiMeasureRests;
    action(window, QStringLiteral("actionMultimeasureRests"))->trigger();
    QCOMPARE(score->style->multiMeasureRests, !rests);
    TestSupport::prompter().reset();
    action(window, QStringLiteral("actionGoToMeasure"))->trigger();
    QCOMPARE(TestSupport::prompter().texts(QStringLiteral("integer")),
             QStringList{QStringLiteral("Measure Number:")});
    window.removeScoreTab(0);
    // The five hub commands of the by-name eight ask once for the score.
    for (const char *name :
         {"actionRefreshClean", "actionSwitchOffAutoSaveMode", "actionClean_Refresh",
          "actionArticulationPositionReset", "actionLyricPositionReset"}) {
        TestSupport::MessageCapture capture;
        action(window, QLatin1String(name))->setEnabled(true);
        action(window, QLatin1String(name))->trigger();
        QCOMPARE(capture.count(QStringLiteral("no score")), 1);
    }
    // The actions outside the menus reach nothing.
    for (const QString &name : actionsInNoMenu) {
        TestSupport::MessageCapture capture;
        action(window, name)->trigger();
        QVERIFY2(capture.lines().isEmpty(), qPrintable(name));
    }
}

void TestMainWindow::hoveredSlotsAreConnectedByName()
{
    MainWindow window;
    int connected = 0;
    for (QAction *a : window.findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (a->objectName().isEmpty())
            continue;
        window.myMsgLabel->clear();
        a->hover();
        const bool hasSlot = window.metaObject()->indexOfSlot(qPrintable(
                                 QStringLiteral("on_%1_hovered()").arg(a->objectName()))) >= 0;
        // Each hovered slot shows its tip; the other entries show none.
        QVERIFY2(window.myMsgLabel->text().isEmpty() != hasSlot, qPrintable(a->objectName()));
        connected += hasSlot;
    }
    QCOMPARE(connected, 37);
}

void TestMainWindow::addScoreTabMakesItCurrent()
{
    MainWindow window;
    Score *score = importedScore();
    QVERIFY(score);
    window.addScoreTab(score);
    QCOMPARE(window.tabWidget->count(), 1);
    QCOMPARE(window.scoreWindows.size(), 1);
    QCOMPARE(window.tabWidget->tabText(0), QStringLiteral("new File"));
    QCOMPARE(window.currentScore(), score);
    QCOMPARE(window.scoreWindows.first()->score, score);
    QCOMPARE(score->zoomFactor, 0.6);
    for (const QString &name : scoreActions)
        QVERIFY2(action(window, name)->isEnabled(), qPrintable(name));

    Score *second = importedScore();
    window.addScoreTab(second);
    QCOMPARE(window.tabWidget->currentIndex(), 1);
    QCOMPARE(window.currentScore(), second);
    QCOMPARE(window.tabWidget->tabText(1), QStringLiteral("new File"));
}

// Layout > Reset All ... Positions reset every lyric (or notation) of the
// score shown, as one undo step.
void TestMainWindow::layoutResetsReachTheCurrentScore()
{
    MainWindow window;
    Score *score = importedScore();
    QVERIFY(score);
    window.addScoreTab(score);
    window.ui->actionLyricPositionReset->trigger();
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(score->undoStack->text(0), QStringLiteral("resetMoveCommand"));
    const QUndoCommand *step = score->undoStack->command(0);
    QVERIFY(step->childCount() > 0);
    for (int i = 0; i < step->childCount(); ++i)
        QCOMPARE(step->child(i)->text(), QStringLiteral("LyricMoveReset"));
}

// Ctrl+Z and Ctrl+Shift+Z reach the score in front from the main window and
// from the program's modeless windows, whichever has the focus.
void TestMainWindow::undoKeysFromEveryWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << QStringLiteral("main");
    QTest::newRow("layout controller") << QStringLiteral("controller");
    QTest::newRow("log window") << QStringLiteral("log");
}

void TestMainWindow::undoKeysFromEveryWindow()
{
    QFETCH(QString, window);
    MainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.addScoreTab(importedScore());
    main.addScoreTab(importedScore());
    Score *front = main.currentScore();
    Score *behind = main.scoreWindows.first()->score;
    behind->undoStack->push(new QUndoCommand(QStringLiteral("UpdateStyle")));
    main.ui->actionLyricPositionReset->trigger();
    QCOMPARE(front->undoStack->index(), 1);

    QWidget *focused = &main;
    if (window == QLatin1String("controller")) {
        main.ui->actionLayoutController->trigger();
        focused = main.dialogController;
    } else if (window == QLatin1String("log")) {
        main.ui->actionOpenLog->trigger();
        focused = main.dialogLog;
    }
    focused->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(focused));
    QWidget *target = focused->focusWidget() ? focused->focusWidget() : focused;

    QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(front->undoStack->index(), 0);
    QCOMPARE(behind->undoStack->index(), 1);
    QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(front->undoStack->index(), 1);
    QCOMPARE(behind->undoStack->index(), 1);
}

void TestMainWindow::navigatorFollowsDisplayNavigator()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.addScoreTab(importedScore());
    QVERIFY(window.scoreWindows.at(0)->navigator->isVisible());
    window.ui->actionNavigator->trigger(); // now unchecked
    QVERIFY(!window.scoreWindows.at(0)->navigator->isVisible());
    window.addScoreTab(importedScore());
    QVERIFY(window.scoreWindows.at(1)->navigator->isHidden());
    window.ui->actionNavigator->trigger();
    QVERIFY(window.scoreWindows.at(1)->navigator->isVisible());
    // With no tab the action only changes its own check mark.
    window.removeScoreTab(1);
    window.removeScoreTab(0);
    window.ui->actionNavigator->trigger();
    QVERIFY(!window.ui->actionNavigator->isChecked());
}

void TestMainWindow::removingTheLastTab()
{
    MainWindow window;
    window.addScoreTab(importedScore());
    window.ui->actionMultimeasureRests->setChecked(true);
    QPointer<ScoreWindow> gone = window.scoreWindows.first();
    window.removeScoreTab(0);
    QCOMPARE(window.tabWidget->count(), 0);
    QVERIFY(window.scoreWindows.isEmpty());
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora - No file is open."));
    for (const QString &name : scoreActions)
        QVERIFY2(!action(window, name)->isEnabled(), qPrintable(name));
    QVERIFY(!window.ui->actionMultimeasureRests->isChecked());
    // Deleted from the event loop, not at once.
    QVERIFY(gone);
    QTRY_VERIFY(!gone);
    // A stale index does nothing.
    window.removeScoreTab(0);
    window.removeScoreTab(-1);
}

void TestMainWindow::removingTheMiddleTabKeepsTabsAndListInStep()
{
    MainWindow window;
    Score *scores[3];
    for (Score *&score : scores) {
        score = importedScore();
        window.addScoreTab(score);
    }
    window.tabWidget->setCurrentIndex(1);
    // The removed score has something to undo, the others not yet.
    scores[1]->undoStack->push(new QUndoCommand(QStringLiteral("UpdateStyle")));
    QPointer<ScoreWindow> removed = window.scoreWindows.at(1);
    window.removeScoreTab(1);
    QCOMPARE(window.tabWidget->count(), 2);
    QCOMPARE(window.scoreWindows.size(), 2);
    for (int i = 0; i < 2; ++i)
        QCOMPARE(window.tabWidget->widget(i), window.scoreWindows.at(i));
    auto *shown = static_cast<ScoreWindow *>(window.tabWidget->currentWidget());
    QCOMPARE(window.currentScore(), shown->score);
    QVERIFY(shown->score != scores[1]);
    // tabChanged logged on the score now shown, not on the one removed.
    QVERIFY(shown->score->logText.endsWith(QLatin1String("tabChanged completed------------\n")));

    // The removed score's stack empties as it is deleted; Undo stays with
    // the score shown.
    shown->score->undoStack->push(new QUndoCommand(QStringLiteral("UpdatePart")));
    QVERIFY(window.ui->actionUndo->isEnabled());
    QTRY_VERIFY(!removed);
    QVERIFY(window.ui->actionUndo->isEnabled());
}

void TestMainWindow::tabChangedShowsTheImportedScore()
{
    MainWindow window;
    Score *first = importedScore();
    window.addScoreTab(first);
    Score *second = importedScore();
    QVERIFY(second->filePath.isEmpty());
    // Something to undo, nothing to redo.
    second->undoStack->push(new QUndoCommand(QStringLiteral("UpdateStyle")));
    second->outlineNoteFonts = true;
    window.addScoreTab(second);
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora - ") + second->musicXmlFilePath);
    QVERIFY(window.ui->actionUndo->isEnabled());
    QVERIFY(!window.ui->actionRedo->isEnabled());
    QVERIFY(window.ui->actionOutlineNoteFonts->isChecked());
    QVERIFY(second->logText.endsWith(QLatin1String("tabChanged completed------------\n")));

    first->filePath = QStringLiteral("/scores/piece.tnsx");
    // Something to redo, nothing to undo.
    first->undoStack->push(new QUndoCommand(QStringLiteral("UpdateStyle")));
    first->undoStack->undo();
    window.tabWidget->setCurrentIndex(0);
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora - /scores/piece.tnsx"));
    QVERIFY(!window.ui->actionUndo->isEnabled());
    QVERIFY(window.ui->actionRedo->isEnabled());
    QVERIFY(!window.ui->actionOutlineNoteFonts->isChecked());
}

void TestMainWindow::refreshTimer_data()
{
    QTest::addColumn<QString>("commandText");
    QTest::addColumn<int>("regenerations");
    QTest::newRow("ends in Refresh") << "NotationMove Refresh" << 1;
    QTest::newRow("UpdatePage") << "UpdatePage" << 0;
    QTest::newRow("Refresh inside") << "Refresh notes" << 0;
    QTest::newRow("lower case") << "NotationMove refresh" << 0;
}

void TestMainWindow::refreshTimer()
{
    QFETCH(QString, commandText);
    QFETCH(int, regenerations);
    MainWindow window;
    Score *score = importedScore();
    window.addScoreTab(score);
    TestSupport::MessageCapture capture;
    score->undoStack->push(new QUndoCommand(commandText));
    QVERIFY(window.ui->actionUndo->isEnabled());
    // Never from inside the signal: only from the event loop.
    QCOMPARE(generations(capture), 0);
    // The timer's short delay, longer on a busy machine.
    QTest::qWait(50);
    QTRY_COMPARE(generations(capture), regenerations);
    // A push that leaves can-undo true starts nothing.
    score->undoStack->push(new QUndoCommand(QStringLiteral("SlurMove Refresh")));
    QTest::qWait(50);
    QCOMPARE(generations(capture), regenerations);
}

void TestMainWindow::refreshTimerRestartGivesOneRegeneration()
{
    MainWindow window;
    Score *score = importedScore();
    window.addScoreTab(score);
    TestSupport::MessageCapture capture;
    score->undoStack->push(new QUndoCommand(QStringLiteral("WedgeMove Refresh")));
    window.canUndo(true);
    window.canUndo(true);
    QTRY_COMPARE(generations(capture), 1);
    QTest::qWait(50);
    QCOMPARE(generations(capture), 1);
}

void TestMainWindow::refreshTimerWithTheTabGone()
{
    MainWindow window;
    Score *score = importedScore();
    window.addScoreTab(score);
    score->undoStack->push(new QUndoCommand(QStringLiteral("WedgeMove Refresh")));
    window.removeScoreTab(0);
    TestSupport::MessageCapture capture;
    // The timer has run once it says so; a loaded machine may take a while.
    QTRY_VERIFY(capture.contains(QStringLiteral("no score")));
    QCOMPARE(generations(capture), 0);
}

void TestMainWindow::refreshLogTitlesAndFillsTheLogWindow()
{
    MainWindow window;
    Score *score = importedScore();
    window.addScoreTab(score);
    auto *browser = window.dialogLog->findChild<QTextBrowser *>(QStringLiteral("textBrowserLog"));
    score->appendLog(QStringLiteral("zoomIn completed------------\n"));
    QCOMPARE(window.dialogLog->windowTitle(), QStringLiteral("Log Dialog: sakura-sakura"));
    QCOMPARE(browser->toPlainText(), score->logText);
    QVERIFY(score->logText.endsWith(QLatin1String("zoomIn completed------------\n")));
    QVERIFY(!window.dialogLog->isVisible());
    // A score file names the window by its own base name.
    score->filePath = QStringLiteral("/scores/my.piece.tnsx");
    window.refreshLog(QStringLiteral("x"));
    QCOMPARE(window.dialogLog->windowTitle(), QStringLiteral("Log Dialog: my.piece"));
    QCOMPARE(browser->toPlainText(), QStringLiteral("x"));

    window.ui->actionOpenLog->trigger();
    QVERIFY(window.dialogLog->isVisible());
}

void TestMainWindow::clearInTheLogWindowEmptiesTheScoreLog()
{
    MainWindow window;
    Score *score = importedScore();
    window.addScoreTab(score);
    score->appendLog(QStringLiteral("refresh completed------------\n"));
    auto *browser = window.dialogLog->findChild<QTextBrowser *>(QStringLiteral("textBrowserLog"));
    QVERIFY(!browser->toPlainText().isEmpty());
    window.dialogLog->findChild<QPushButton *>(QStringLiteral("pushButtonClear"))->click();
    QVERIFY(score->logText.isEmpty());
    QVERIFY(browser->toPlainText().isEmpty());
    QCOMPARE(window.dialogLog->windowTitle(), QStringLiteral("Log Dialog: sakura-sakura"));

    // With every tab gone, Clear finds nothing to empty.
    window.removeScoreTab(0);
    window.dialogLog->findChild<QPushButton *>(QStringLiteral("pushButtonClear"))->click();
}

void TestMainWindow::resizeResetsTheSplitter()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.centralSplitter->setSizes({400, 300});
    window.resize(1000, 700);
    QTRY_COMPARE(window.width(), 1000);
    const QList<int> sizes = window.centralSplitter->sizes();
    const int handle = window.centralSplitter->handleWidth();
    QVERIFY2(qAbs(sizes.at(0) - 160) <= 1, qPrintable(QString::number(sizes.at(0))));
    QVERIFY2(sizes.at(1) <= 840 && sizes.at(1) >= 840 - handle - 1,
             qPrintable(QString::number(sizes.at(1))));
}

void TestMainWindow::forwardingSlotsWithoutTab_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<bool>("asksForScore");
    for (const char *slot :
         {"zoomIn", "zoomOut", "zoomReset", "refresh", "on_actionRefreshClean_triggered",
          "scoreProperty", "outlineNoteFonts", "on_actionClean_Refresh_triggered",
          "on_actionSwitchOffAutoSaveMode_triggered", "clearLog", "refreshOnTimer",
          "updateSplitterOrientation"})
        QTest::newRow(slot) << QString::fromLatin1(slot) << true;
    QTest::newRow("displayNavigator") << "displayNavigator" << false;
}

void TestMainWindow::forwardingSlotsWithoutTab()
{
    QFETCH(QString, slot);
    QFETCH(bool, asksForScore);
    MainWindow window;
    TestSupport::MessageCapture capture;
    if (slot == QLatin1String("updateSplitterOrientation"))
        window.updateSplitterOrientation();
    else
        QVERIFY(QMetaObject::invokeMethod(&window, qPrintable(slot)));
    QCOMPARE(capture.count(QStringLiteral("no score")), asksForScore ? 1 : 0);
    QCOMPARE(generations(capture), 0);
    QCOMPARE(window.windowTitle(), QStringLiteral("Velmora - Welcome!"));
    QVERIFY(TestSupport::prompter().prompts.isEmpty());
}

void TestMainWindow::refreshCleanDrawsOnceWithoutEditingAids()
{
    MainWindow window;
    Score *score = importedScore();
    window.addScoreTab(score);
    score->measures.first()->userBreakType = 1;
    auto breakMarks = [score] {
        int count = 0;
        for (QGraphicsItem *item : score->scene->items())
            count += dynamic_cast<BreakItem *>(item) != nullptr;
        return count;
    };
    window.refresh();
    QCOMPARE(breakMarks(), 1);
    window.ui->actionRefreshClean->trigger();
    QCOMPARE(breakMarks(), 0);
    QVERIFY(!score->cleanOutput);
    window.ui->actionRefresh->trigger();
    QCOMPARE(breakMarks(), 1);
}

void TestMainWindow::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("problem"); // told to the user, naming the file

    static QTemporaryDir dir;
    const QString xml = dir.filePath(QStringLiteral("piece.xml"));
    const QString musicxml = dir.filePath(QStringLiteral("piece.musicxml"));
    const QString capitals = dir.filePath(QStringLiteral("piece.MUSICXML"));
    const QString text = dir.filePath(QStringLiteral("piece.txt"));
    const QString compressed = dir.filePath(QStringLiteral("piece.mxl"));
    for (const QString &path : {xml, musicxml, capitals, text, compressed}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QString missing = dir.filePath(QStringLiteral("missing.musicxml"));
    const QString program = QStringLiteral("/usr/bin/velmora");

    QTest::newRow("-I .xml") << QStringList{program, "-I", xml} << int(StartRequest::Import)
                             << false;
    QTest::newRow("-I .musicxml") << QStringList{program, "-I", musicxml}
                                  << int(StartRequest::Import) << false;
    QTest::newRow("-U .musicxml") << QStringList{program, "-U", musicxml}
                                  << int(StartRequest::Update) << false;
    // The reader refuses a compressed file with its own message.
    QTest::newRow("-I .mxl") << QStringList{program, "-I", compressed} << int(StartRequest::Import)
                             << false;
    QTest::newRow("-U .xml") << QStringList{program, "-U", xml} << int(StartRequest::Update)
                             << false;
    QTest::newRow("capitals") << QStringList{program, "-I", capitals} << int(StartRequest::Nothing)
                              << true;
    QTest::newRow("other extension")
        << QStringList{program, "-I", text} << int(StartRequest::Nothing) << true;
    QTest::newRow("-i") << QStringList{program, "-i", xml} << int(StartRequest::Nothing) << false;
    QTest::newRow("/I") << QStringList{program, "/I", xml} << int(StartRequest::Nothing) << false;
    QTest::newRow("missing file") << QStringList{program, "-I", missing}
                                  << int(StartRequest::Nothing) << true;
    QTest::newRow("program only") << QStringList{program} << int(StartRequest::Nothing) << false;
    QTest::newRow("one argument") << QStringList{program, xml} << int(StartRequest::Nothing)
                                  << false;
    QTest::newRow("three arguments")
        << QStringList{program, "-I", xml, "extra"} << int(StartRequest::Nothing) << false;
    QTest::newRow("none") << QStringList{} << int(StartRequest::Nothing) << false;
}

void TestMainWindow::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(bool, problem);
    TestSupport::MessageCapture capture;
    const StartRequest request = readCommandLine(arguments);
    QCOMPARE(int(request.action), action);
    QCOMPARE(!request.problem.isEmpty(), problem);
    if (problem)
        QVERIFY(request.problem.contains(arguments.at(2)));
    QCOMPARE(request.path, action == StartRequest::Nothing ? QString() : arguments.at(2));
    QStringList logged;
    for (int i = 0; i < arguments.size(); ++i)
        logged << QStringLiteral("main i, argv[i] =  %1 %2").arg(i).arg(arguments.at(i));
    QCOMPARE(capture.lines(), logged);
}

void TestMainWindow::undoAndRedoFollowTheScoreInFront()
{
    MainWindow window;
    QAction *undo = window.ui->actionUndo;
    QAction *redo = window.ui->actionRedo;
    const auto states = [&] { return QPair<bool, bool>(undo->isEnabled(), redo->isEnabled()); };
    using States = QPair<bool, bool>;

    Score *edited = importedScore();
    window.addScoreTab(edited);
    edited->undoStack->push(new QUndoCommand(QStringLiteral("UpdateStyle")));
    edited->undoStack->push(new QUndoCommand(QStringLiteral("UpdateStyle")));
    edited->undoStack->undo();
    QCOMPARE(states(), States(true, true));

    // A new score in front has nothing to undo; edits behind it change
    // nothing.
    Score *fresh = importedScore();
    window.addScoreTab(fresh);
    QCOMPARE(states(), States(false, false));
    edited->undoStack->redo();
    QCOMPARE(states(), States(false, false));

    window.tabWidget->setCurrentIndex(0);
    QCOMPARE(states(), States(true, false));

    // The last tab gone, and the next score opened: nothing to undo.
    window.removeScoreTab(1);
    window.removeScoreTab(0);
    QCOMPARE(states(), States(false, false));
    window.addScoreTab(importedScore());
    QCOMPARE(states(), States(false, false));
}

void TestMainWindow::screenshots()
{
    MainWindow window;
    window.resize(1100, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Score *score = importedScore();
    window.addScoreTab(score);
    score->appendLog(QStringLiteral("importNew completed-------------\n"));
    QApplication::processEvents();
    ScoreWindow *scoreWindow = window.scoreWindows.first();
    for (QWidget *widget :
         {static_cast<QWidget *>(window.menuBar()), static_cast<QWidget *>(window.palleteFrame),
          static_cast<QWidget *>(window.palleteView), static_cast<QWidget *>(window.tabWidget),
          static_cast<QWidget *>(score), static_cast<QWidget *>(scoreWindow->navigator)}) {
        checkPlacedInside(widget, &window);
        if (QTest::currentTestFailed())
            return;
    }
    const QImage shot = window.grab().toImage();
    QVERIFY(distinctColours(shot) > 1);
    QVERIFY(shot.save(screenshotFolder() + QStringLiteral("/main-window.png")));

    window.openLog();
    DialogLog *log = window.dialogLog;
    QVERIFY(QTest::qWaitForWindowExposed(log));
    for (const char *name : {"textBrowserLog", "pushButtonClear", "pushButtonClose"}) {
        checkPlacedInside(log->findChild<QWidget *>(QLatin1String(name)), log);
        if (QTest::currentTestFailed())
            return;
    }
    const QImage logShot = log->grab().toImage();
    QVERIFY(distinctColours(logShot) > 1);
    QVERIFY(logShot.save(screenshotFolder() + QStringLiteral("/log-dialog.png")));
}

void TestMainWindow::translatedScreenshots_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("Japanese") << "ja";
    QTest::newRow("Chinese") << "zh";
}

// Built with a catalogue installed, the window shows its words, and every
// menu title still fits on the bar: none is pushed into its overflow button.
void TestMainWindow::translatedScreenshots()
{
    QFETCH(QString, language);
    const TestSupport::InstalledCatalogue catalogue(language);
    QVERIFY(catalogue.isInstalled());
    const QTranslator &translator = catalogue.translator;
    MainWindow window;
    window.resize(1100, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.addScoreTab(importedScore());
    QApplication::processEvents();
    const QString file = translator.translate("MainWindow", "File");
    QVERIFY(!file.isEmpty() && file != QLatin1String("File"));
    QCOMPARE(window.ui->menuFile->title(), file);
    QMenuBar *bar = window.menuBar();
    for (QAction *menu : bar->actions()) {
        if (menu->isVisible())
            QVERIFY2(bar->rect().contains(bar->actionGeometry(menu)), qPrintable(menu->text()));
    }
    for (QWidget *widget : {static_cast<QWidget *>(bar), static_cast<QWidget *>(window.tabWidget),
                            static_cast<QWidget *>(window.currentScore())}) {
        checkPlacedInside(widget, &window);
        if (QTest::currentTestFailed())
            return;
    }
    const QImage shot = window.grab().toImage();
    QVERIFY(distinctColours(shot) > 1);
    QVERIFY(shot.save(screenshotFolder() + QStringLiteral("/main-window-%1.png").arg(language)));

    QMenu *fileMenu = window.ui->menuFile;
    fileMenu->popup(window.mapToGlobal(QPoint(0, bar->height())));
    QVERIFY(QTest::qWaitForWindowExposed(fileMenu));
    QVERIFY(fileMenu->grab().save(screenshotFolder() +
                                  QStringLiteral("/file-menu-%1.png").arg(language)));
    fileMenu->hide();
}

VELMORA_TEST_MAIN(TestMainWindow)

} // namespace tst_main_window
#include "tst_main_window.moc"
