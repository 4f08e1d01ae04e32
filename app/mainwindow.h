// The one application window: the menu bar of its form, a central splitter
// holding the note-directive palette and a tab per open score, the status-bar
// tip label, and the long-lived dialogs. Every menu command works on the
// score of the current tab (currentScore()).
//
// Owns its form, the tab widget (and through it every ScoreWindow with its
// Score), the timers, the translator, the network access manager and the
// long-lived dialogs, all for the whole run. Tab i always shows
// scoreWindows[i].
#pragma once

#include <QList>
#include <QMainWindow>
#include <QMessageBox>
#include <QModelIndex>
#include <QString>
#include <QStringList>

// Slot arguments the meta-object needs complete.
Q_MOC_INCLUDE("model/score.h")
Q_MOC_INCLUDE(<QNetworkReply>)

class DialogController;
class DialogConvertNoteName;
class DialogDeleteLyrics;
class DialogImportExport;
class DialogLog;
class DialogMoveLyricsSN;
class DialogMSPlugin;
class DialogPasteSettings;
class DialogStyle;
class MyQStandardItem;
class Page;
class PageDialog;
class Part;
class PartDialog;
class QAction;
class QFrame;
class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QSplitter;
class QStandardItemModel;
class QTabWidget;
class QTimer;
class QTranslator;
class QTreeView;
class Score;
class ScoreWindow;
class Style;
struct StartRequest;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // app/mainwindow.cpp: construction, resizing and closing
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    static constexpr int recentFileCount = 15;

    QTabWidget *tabWidget = nullptr;
    QFrame *palleteFrame = nullptr;
    QSplitter *centralSplitter = nullptr;
    // Indexed exactly like the tabs.
    QList<ScoreWindow *> scoreWindows;
    QString programVersion;
    // Given to the next Score created, then incremented.
    int scoreCounter = 0;
    QString latestVersion;
    QString buildDate;
    QString museScoreVersion;
    QStringList recentFiles;
    Ui::MainWindow *ui = nullptr;
    DialogController *dialogController = nullptr;
    PageDialog *pageDialog = nullptr;
    PartDialog *partDialog = nullptr;
    DialogStyle *dialogStyle = nullptr;
    DialogPasteSettings *dialogPasteSettings = nullptr;
    DialogMSPlugin *dialogMSPlugin = nullptr;
    DialogLog *dialogLog = nullptr;
    DialogImportExport *dialogImportExport = nullptr;
    DialogConvertNoteName *dialogConvertNoteName = nullptr;
    DialogDeleteLyrics *dialogDeleteLyrics = nullptr;
    DialogMoveLyricsSN *dialogMoveLyricsSN = nullptr;
    // The status-bar tip and the timer that clears it.
    QLabel *myMsgLabel = nullptr;
    QTimer *msgTimer = nullptr;
    // One regeneration of the current score, 10 ms after it is started.
    QTimer *refreshTimer = nullptr;
    QAction *recentFileActions[recentFileCount] = {};
    QList<QAction *> sampleActions;
    // Settings kept by Copy Settings for the paste commands (owned), and
    // the style copy handed to the style dialog.
    Page *copiedPage = nullptr;
    QList<Part *> copiedParts;
    Style *editedStyle = nullptr;
    // The rest of the copied settings: the source's file name (or MusicXML
    // path; empty until the first copy), its style and its part count
    // (copiedParts holds at most the first 30 parts).
    QString copiedSourceName;
    Style *copiedStyle = nullptr;
    int copiedPartCount = 0;
    // The copies the page and part dialogs edit (owned), refilled at each
    // load of their dialog.
    Page *editedPage = nullptr;
    QList<Part *> editedParts;
    QTranslator *translator = nullptr;
    // Qt's own texts (standard buttons, the file, folder and font choosers)
    // in the language chosen; empty for English.
    QTranslator *qtTranslator = nullptr;
    QNetworkAccessManager *networkManager = nullptr;

protected:
    // The palette keeps 160 px; the tabs take the rest, at every resize.
    void resizeEvent(QResizeEvent *event) override;
    // Writes the settings, then closes only when exitProg() agrees.
    void closeEvent(QCloseEvent *event) override;
    // app/mainwindow_commands.cpp
    void dragEnterEvent(QDragEnterEvent *event) override;
    // app/mainwindow_open.cpp
    void dropEvent(QDropEvent *event) override;

public:
    // app/mainwindow_actions.cpp: the actions' connections and enabling
    void createActions();
public slots:
    // Enables the actions that need a score while a tab exists, else
    // disables them (and unchecks Multimeasure Rests).
    void actionEnableCheck();

public:
    // app/mainwindow_retranslate.cpp: the window's own displayed texts
    // Menu titles and action texts in the current language; the texts the
    // form set and this leaves alone stay as the form gave them.
    void retranslate();

public:
    // app/mainwindow_tabs.cpp: the score tabs and the current score
    // The score of the current tab; null (with the trace "no score") when
    // there is no tab.
    Score *currentScore();
    // Gives a new score its tab (taking ownership) and makes it current.
    void addScoreTab(Score *score);
    // Removes tab `index` with its list entry in one step; its ScoreWindow
    // (and Score) is deleted from the event loop.
    void removeScoreTab(int index);
    // Lays the current score window's view and navigator side by side for a
    // horizontal page roll, else one above the other.
    void updateSplitterOrientation();
    // Undo and Redo as the undo stack of `score` allows; both off for none.
    void followUndoStack(const Score *score);
public slots:
    void tabChanged(int index);
    // From the current score's undo stack; a command to undo next whose
    // text ends in "Refresh" asks for one regeneration 10 ms later.
    void canUndo(bool enabled);
    void canRedo(bool enabled);
    void refreshOnTimer();
    // Titles the log window after the current score's file and gives it
    // the whole log; does not show it.
    void refreshLog(const QString &log);

public slots:
    // app/mainwindow_forwarding.cpp: menu commands handed to the current
    // score; each does nothing without one
    void zoomIn();
    void zoomOut();
    void zoomReset();
    void refresh();
    void on_actionRefreshClean_triggered();
    void displayNavigator();
    void scoreProperty();
    void outlineNoteFonts();
    void on_actionArticulationPositionReset_triggered();
    void on_actionLyricPositionReset_triggered();
    void on_actionClean_Refresh_triggered();
    void on_actionSwitchOffAutoSaveMode_triggered();
    void openLog();
    void clearLog();

public slots:
    // app/mainwindow_tips.cpp: status-bar tips of the menu entries
    void on_actionOpen_hovered();
    void on_actionImportExport_hovered();
    void on_actionSave_hovered();
    void on_actionSaveAs_hovered();
    void on_actionClose_hovered();
    void on_actionSetPart_hovered();
    void on_actionStretch_hovered();
    void on_actionShorten_hovered();
    void on_actionMesSizeReset_hovered();
    void on_actionLineBreak_hovered();
    void on_actionPageBreak_hovered();
    void on_actionStyle_hovered();
    void on_actionExportPdf_hovered();
    void on_actionExportSvg_hovered();
    void on_actionProperty_hovered();
    void on_actionWhitePageBreak_hovered();
    void on_actionPalleteNew_hovered();
    void on_actionGenerateMuseScorePlugins_hovered();
    void on_actionDuplicate_hovered();
    void on_actionClearRecentFiles_hovered();
    void on_actionExit_hovered();
    void on_actionPageMeasure_hovered();
    void on_actionZoomIn_hovered();
    void on_actionZoomOut_hovered();
    void on_actionZoomReset_hovered();
    void on_actionNavigator_hovered();
    void on_actionUndo_hovered();
    void on_actionRedo_hovered();
    void on_actionDelete_hovered();
    void on_actionCloseOtherScores_hovered();
    void on_actionLayoutController_hovered();
    void on_actionConvertLyricsToPitches_hovered();
    void on_actionDeleteLyrics_hovered();
    void on_actionOutputNoteNamesToLyrics_hovered();
    void on_actionRefresh_hovered();
    void on_actionSaveAsOriginal_hovered();
    void on_actionRefreshClean_hovered();
    void myMsgLabelClear();

public slots:
    // app/mainwindow_languages.cpp: switching the language at run time
    void langEnglish();
    void langJapanese();
    void langChinese();
    void retranslateAll();

public slots:
    // app/mainwindow_settings.cpp: persistent settings and recent files
    void readSettings();
    void writeSettings();
    void addRecentFile(const QString &path);
    void updateRecentFileActions();
    void clearRecentFiles();

public:
    // app/mainwindow_palette.cpp: the note-directive palette
    // The tree of directive entries, its model (owned by the window), and
    // every row in tree order: each group heading, then its entries.
    QTreeView *palleteView = nullptr;
    QStandardItemModel *palleteModel = nullptr;
    QList<MyQStandardItem *> palleteItems;
    // The header label and every row's text in the current language.
    void retranslatePallete();
public slots:
    void createPallete();
    void palleteClicked(const QModelIndex &index);
    void displayPallete();

public slots:
    // app/mainwindow_commands.cpp: editing commands of the current score
    void undo();
    void redo();
    void deleteSelectedSymbol();
    void longerItems();
    void longerItemsByLittle();
    void shorterItems();
    void shorterItemsByLittle();
    void resetSizeMeasure();
    void insertLineBreak();
    void insertPageBreak();
    void insertWhitePageBreak();
    void on_actionMultimeasureRests_triggered();
    void on_actionGoToMeasure_triggered();
    void ensureVisibleMeasure(int measureIndex, bool select);

public slots:
    // app/mainwindow_export.cpp: export commands
    void exportPdfFile();
    void exportSvgFile();
    void exportMusicXMLFileClean();
    void exportToMuseScoreClean();
    void exportMusicXMLWithLyrics();
    void exportMusicXMLWithLyricsToMS();

public:
    // Shows the part dialog loaded from the current score with its output
    // switches open, beeps and asks to go on; true for OK.
    bool confirmLyricsExport();

public slots:
    // app/mainwindow_settingsdialogs.cpp: settings dialogs and pasting
    // copied settings
    void setPart();
    void setPage();
    void setStyle();
    void layoutController();
    void copySettings();
    void pasteSettings();
    void pageApply();
    void partApply();
    void styleApply();
    void pasteSettingsAll();
    void pasteSettingsParts();
    void pasteSettingsMeasurePage();
    void pasteSettingsStyle();
    void updateDialogs();
    void setPart2();
    void setStyle2();
    void pageChange();

public slots:
    // app/mainwindow_lyrics.cpp: lyric tools
    void convertLyricsToPithes();
    void deleteLyricsDiag();
    void outputNoteNamesToLyrics();
    void moveLyricsSNDiag();
    void convertNoteName();
    void deleteLyrics();
    void moveLyricsSN();
    void on_actionInsertSNPart_triggered();

public slots:
    // app/mainwindow_closing.cpp: save, duplicate and close
    void saveFile();
    void saveAs();
    void saveAsOriginal();
    void duplicate();
    void closeFile();
    void closeOtherFiles();
    // True when every tab was closed.
    bool exitProg();
    void closeTab(int index);
    // True when the score was written (false: cancelled or the write failed).
    bool saveScoreFile(Score *score);
    void duplicate2(const QString &suffix);
    void closeFileForced();
    bool querySaveCurrent();
    bool querySaveUntitled(Score *score);

private:
    // The title shown while no score is open, untranslated: the welcome
    // before the first score, "no file" once the last one is closed.
    const char *idleTitle = QT_TR_NOOP("Velmora - Welcome!");
    // The save dialog starting at `start`; empty when cancelled.
    QString askSavePath(const QString &start);
    // Writes `score` to `path` and makes it its file name. On success the
    // autosave file it had before is removed and the score shows as saved
    // (clean, recent, title and tab); on failure its file name stays.
    bool writeScoreAs(Score *score, const QString &path);
    // Save As of `score` to a chosen `path`, with its log line.
    bool saveScoreAs(Score *score, const QString &path);
    // Stops the score's autosave timer, then removes its tab.
    void closeScoreTab(int index);
    int tabIndexOf(const Score *score) const;
    // Beeps and asks whether to save `score` before it closes (Yes, No,
    // Cancel), its autosave timer stopped; No also drops its autosave file.
    QMessageBox::StandardButton askToSave(Score *score, const QString &text);

public slots:
    // app/mainwindow_info.cpp: information, debug, help and about
    void help();
    void about();
    void setDebugSwitch(bool on);
    void listUndoCommands();
    void outputScoreInfo();

public slots:
    // app/mainwindow_import.cpp: MusicXML import, the environment file and
    // the MuseScore hand-off; the importUpdate slots are in
    // app/mainwindow_update.cpp
    void importExport();
    void importNew();
    void importImitate();
    void importNewMuseScore();
    void importImitateMuseScore();
    void importUpdateFile2();
    void importUpdateFromMuseScore2();
    // Both false, with nothing created, for an empty path and for a file
    // that cannot be read or that the loader refuses (reported).
    bool importXmlFile2(bool imitate, const QString &path);
    bool importNewFromPath(const QString &path);
    void addScaleDirectivesToNewScore();
    void writeVelmoraEnv();
    void removeVelmoraEnv();
    void importUpdatePure2(const QString &path, bool ignoreFingerings);
    void importUpdatePure();
    void importUpdateFromMuseScore();

public:
    // The import of the command line's -I: importXmlFile2 (plain), then the
    // new score drawn, zoom reset, measure 0 shown and dialogs updated.
    bool importFromCommandLine(const QString &path);
    // What the command line asked for: its problem told, or the import
    // (-I) or the update into a copy (-U, which compares measures without
    // their fingering and directive texts, as the menu's update does).
    void runStartRequest(const StartRequest &request);
    // A new score read and loaded from the MusicXML file at `path` (the
    // environment file applied), shown in a new current tab named by the
    // file; `creator` gets the software that wrote the file. Null, with no
    // tab added, when the file cannot be read or loaded (both reported).
    Score *openImportTab(const QString &path, QString *creator);
    // The box for a file that names another creator than MuseScore.
    void checkImportCreator(const QString &creator);
    // Generates the new current score, resets its zoom, shows measure 0.
    void showNewScore(Score *score);
    // Runs the part dialog modally on the current score; OK offers the
    // tunings of its koto and sangen parts.
    void runPartDialogForNewScore();

    // app/mainwindow_update.cpp: helpers of the update imports
    // Asks about part and measure counts that differ between the old score
    // and the new current one; any answer but Yes closes the new tab and
    // gives false.
    bool confirmUpdateCounts(const Score *oldScore, const Score *newScore);
    // Names the current tab "<old base>_update" and titles the window with
    // "<old folder>/<old base>_update.tnsx", which it returns.
    QString nameUpdatedTab(const Score *oldScore);

public slots:
    // app/mainwindow_commandfile.cpp: command files
    void runCommandFile();
    void runCommandFile2(const QString &path);

public slots:
    // app/mainwindow_open.cpp: opening score files, drops and autosave
    // recovery
    void openFile();
    void openFile2(const QString &path);
    // False, with a warning, for a file that cannot be read or that an
    // early version wrote; a file that is no score document at all passes
    // on to the loader, which names it and says what is wrong.
    bool checkFileVersion(const QString &path);
    void openRecentFile();
    void openSampleFile();
    void clickOpenFile(const QString &path);
    void openMostRecentFile();
    void dropOpenFile(const QString &path);
    void openAutoSavedFile();

public slots:
    // app/mainwindow_version.cpp: the version check
    void requestLatestVersion();
    void replyFinished(QNetworkReply *reply);

public slots:
    // app/mainwindow_plugins.cpp: MuseScore plug-in generation
    void generateMuseScorePlugin();
    void msplugin();

public:
    // Where msplugin reads the script pairs from; tests point it elsewhere.
    QString museScorePluginResources = QStringLiteral(":/musescoreplugin/");

public slots:
    // app/mainwindow_fileview.cpp: the recent and sample file views
    void viewRecent();
    void viewSamples();
    void clickViewFile(const QString &path);
};
