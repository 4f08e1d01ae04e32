// The main window's settings hub: loading the part dialog and the layout
// controller with the score in front, applying through undoable updates,
// keeping the open dialogs in step (and hiding them with no score), the
// direct page change; and copying settings from one score and pasting
// them, whole or in part, into another through the paste dialog.
#include "app/dialoglog.h"
#include "app/dialogpastesettings.h"
#include "app/mainwindow.h"
#include "dialogs/dialogcontroller.h"
#include "dialogs/dialogstyle.h"
#include "dialogs/pagedialog.h"
#include "dialogs/partdialog.h"
#include "model/credit.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "support/messagecapture.h"
#include "support/modelbuilder.h"
#include "support/scorefile.h"
#include "support/scriptedprompter.h"
#include "support/testenvironment.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTextBrowser>
#include <QUndoStack>

#include <memory>

namespace tst_settings_hub {

using namespace TestSupport;

namespace {

const QString fixture = QStringLiteral("writer/Writer-EditableItems.xml");

Score *loadedScore()
{
    auto score = std::make_unique<Score>(QStringLiteral("test"), 1, false);
    if (!loadScoreFile(*score, fixturePath(fixture)) || !score->generateScore())
        return nullptr;
    return score.release();
}

// `parts` parts with note size `size`, two measures, named `path`.
Score *partsScore(int parts, double size, const QString &path)
{
    auto *score = new Score(QStringLiteral("test"), 1, false);
    ModelBuilder builder(score);
    for (int i = 0; i < parts; ++i)
        builder.addPart(QStringLiteral("P%1").arg(i + 1))->noteFontSize = size;
    for (int m = 0; m < 2; ++m) {
        builder.addMeasure();
        for (int i = 0; i < parts; ++i)
            builder.addNotes(i, 1, QStringLiteral("D5/1"));
    }
    score->musicXmlFilePath = path;
    score->generateScore();
    return score;
}

QPushButton *pasteButton(MainWindow &window, const char *name)
{
    return window.dialogPasteSettings->findChild<QPushButton *>(QLatin1String(name));
}

QString screenshotFolder()
{
    const QString folder =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
    QDir().mkpath(folder);
    return QDir::cleanPath(folder);
}

} // namespace

class TestSettingsHub : public QObject
{
    Q_OBJECT

private slots:
    void init() { prompter().reset(); }
    void pasteDialogForm();
    void pasteDialogButtons();
    void pasteBeforeCopyWarns();
    void copyShowsItsSource();
    void pastes_data();
    void pastes();
    void pasteAllInThreeSteps();
    void manyPartsPasteThirty();
    void fewerPartsPasteWhatTheyHave();
    void laterPasteKeepsEarlierValues();
    void copiesOutliveTheirScore();
    void setPartLoadsFreshClones();
    void setPageLoadsFreshClones();
    void pageApplyPushesOnlyChanges();
    void styleLoadsAndApplies();
    void partApplyAlwaysPushes();
    void controllerBindsTheScoreItself();
    void noTabHidesEverything();
    void pageChangeResetsAndForgets();
    void pageChangeOfAnEqualPage();
    void noScoreDoesNothing();
    void pasteScreenshot();
};

void TestSettingsHub::pasteDialogForm()
{
    DialogPasteSettings dialog;
    QCOMPARE(dialog.size(), QSize(219, 279));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));
    dialog.retranslate();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Velmora: Paste Settings"));
    QCOMPARE(dialog.findChild<QLabel *>("labelText")->text(),
             QStringLiteral("Settings copied from:"));
    QStringList texts;
    for (const char *name :
         {"pushButtonAllSettings", "pushButtonPartSettings", "pushButtonMeasurePageSettings",
          "pushButtonStyleSettings", "pushButtonClose"})
        texts << dialog.findChild<QPushButton *>(QLatin1String(name))->text();
    QCOMPARE(texts, (QStringList{"All", "Parts", "Measure/Page", "Style", "Close"}));
    dialog.setFilePath(QStringLiteral("/scores/a.tnsx"));
    QCOMPARE(dialog.findChild<QLabel *>("labelFilepath")->text(), QStringLiteral("/scores/a.tnsx"));
}

// Each paste button emits its own signal once and leaves the dialog open;
// Close closes it.
void TestSettingsHub::pasteDialogButtons()
{
    DialogPasteSettings dialog;
    QSignalSpy all(&dialog, &DialogPasteSettings::sigPasteSettingsAll);
    QSignalSpy parts(&dialog, &DialogPasteSettings::sigPasteSettingsParts);
    QSignalSpy page(&dialog, &DialogPasteSettings::sigPasteSettingsMeasurePage);
    QSignalSpy style(&dialog, &DialogPasteSettings::sigPasteSettingsStyle);
    const QList<QPair<const char *, QSignalSpy *>> buttons{{"pushButtonAllSettings", &all},
                                                           {"pushButtonPartSettings", &parts},
                                                           {"pushButtonMeasurePageSettings", &page},
                                                           {"pushButtonStyleSettings", &style}};
    dialog.show();
    for (const auto &[name, spy] : buttons) {
        dialog.findChild<QPushButton *>(QLatin1String(name))->click();
        QCOMPARE(spy->count(), 1);
        QVERIFY(dialog.isVisible());
    }
    QCOMPARE(all.count() + parts.count() + page.count() + style.count(), 4);
    dialog.findChild<QPushButton *>("pushButtonClose")->click();
    QVERIFY(dialog.isHidden());
}

void TestSettingsHub::pasteBeforeCopyWarns()
{
    MainWindow window;
    window.addScoreTab(partsScore(2, 5.0, QStringLiteral("/in/b.xml")));
    window.ui->actionPasteSettings->setEnabled(true);
    window.ui->actionPasteSettings->trigger();
    QCOMPARE(prompter().prompts.size(), 1);
    QCOMPARE(prompter().prompts.first().kind, QStringLiteral("warning"));
    QCOMPARE(prompter().prompts.first().title, QStringLiteral("Velmora: Paste Settings"));
    QCOMPARE(prompter().prompts.first().text, QStringLiteral("No Settings copied yet!"));
    QVERIFY(window.dialogPasteSettings->isHidden());
}

// The source is named by its file, or by its MusicXML path without one.
void TestSettingsHub::copyShowsItsSource()
{
    MainWindow window;
    Score *source = partsScore(2, 5.0, QStringLiteral("/in/a.xml"));
    window.addScoreTab(source);
    window.ui->actionCopySettings->setEnabled(true);
    window.ui->actionCopySettings->trigger();
    window.pasteSettings();
    QVERIFY(window.dialogPasteSettings->isVisible());
    auto *label = window.dialogPasteSettings->findChild<QLabel *>("labelFilepath");
    QCOMPARE(label->text(), QStringLiteral("/in/a.xml"));
    source->filePath = QStringLiteral("/saved/a.tnsx");
    window.copySettings();
    window.pasteSettings();
    QCOMPARE(label->text(), QStringLiteral("/saved/a.tnsx"));
    QVERIFY(prompter().prompts.isEmpty());
}

// Each single paste: its message, one undo step, and only its settings
// taken; Measure/Page keeps the target's page text.
void TestSettingsHub::pastes_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("parts");
    QTest::addColumn<bool>("page");
    QTest::addColumn<bool>("style");
    QTest::newRow("parts") << "pushButtonPartSettings"
                           << "Paste Settings Parts is Done!" << true << false << false;
    QTest::newRow("measure/page") << "pushButtonMeasurePageSettings"
                                  << "Paste Settings MeasurePage is Done!" << false << true
                                  << false;
    QTest::newRow("style") << "pushButtonStyleSettings"
                           << "Paste Settings Style is Done!" << false << false << true;
    QTest::newRow("all") << "pushButtonAllSettings"
                         << "Paste Settings All is Done!" << true << true << true;
}

void TestSettingsHub::pastes()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    QFETCH(bool, parts);
    QFETCH(bool, page);
    QFETCH(bool, style);
    MainWindow window;
    Score *source = partsScore(2, 7.0, QStringLiteral("/in/a.xml"));
    source->page->measurePerLine = 7;
    source->page->pageText = QStringLiteral("source text");
    source->style->gapVoice = 0.75;
    window.addScoreTab(source);
    window.copySettings();
    Score *target = partsScore(2, 5.0, QStringLiteral("/in/b.xml"));
    target->page->measurePerLine = 3;
    target->page->pageText = QStringLiteral("target text");
    target->style->gapVoice = 0.0;
    window.addScoreTab(target);
    window.pasteSettings();
    pasteButton(window, qPrintable(button))->click();

    QCOMPARE(prompter().texts(QStringLiteral("information")), QStringList{message});
    QCOMPARE(prompter().prompts.last().title, QStringLiteral("Velmora"));
    QVERIFY(window.dialogPasteSettings->isVisible());
    QCOMPARE(target->parts.at(0)->noteFontSize, parts ? 7.0 : 5.0);
    QCOMPARE(target->parts.at(1)->noteFontSize, parts ? 7.0 : 5.0);
    QCOMPARE(target->page->measurePerLine, page ? 7 : 3);
    QCOMPARE(target->page->pageText, QStringLiteral("target text"));
    QCOMPARE(target->style->gapVoice, style ? 0.75 : 0.0);
    QCOMPARE(target->undoStack->count(), int(parts) + int(page) + int(style));
    // The source is left as it was.
    QCOMPARE(source->parts.at(0)->noteFontSize, 7.0);
    QCOMPARE(source->page->pageText, QStringLiteral("source text"));
}

// Paste All is taken back in as many steps as it made changes.
void TestSettingsHub::pasteAllInThreeSteps()
{
    MainWindow window;
    Score *source = partsScore(1, 7.0, QStringLiteral("/in/a.xml"));
    window.addScoreTab(source);
    window.copySettings();
    Score *target = partsScore(1, 5.0, QStringLiteral("/in/b.xml"));
    window.addScoreTab(target);
    window.pasteSettingsAll();
    // Equal page and style: only the parts are pushed.
    QCOMPARE(target->undoStack->count(), 1);
    source->page->measurePerLine = 9;
    source->style->gapVoice = 0.5;
    window.tabWidget->setCurrentIndex(0);
    window.copySettings();
    window.tabWidget->setCurrentIndex(1);
    window.pasteSettingsAll();
    QCOMPARE(target->undoStack->count(), 4);
    QCOMPARE(target->undoStack->text(1), QStringLiteral("UpdatePart"));
    QCOMPARE(target->undoStack->text(2), QStringLiteral("UpdatePage"));
    QCOMPARE(target->undoStack->text(3), QStringLiteral("UpdateStyle"));
    for (int i = 0; i < 3; ++i)
        window.undo();
    QCOMPARE(target->page->measurePerLine, 4);
    QCOMPARE(target->style->gapVoice, 0.0);
    QCOMPARE(target->parts.at(0)->noteFontSize, 7.0); // the first paste stays
}

void TestSettingsHub::manyPartsPasteThirty()
{
    MainWindow window;
    window.addScoreTab(partsScore(40, 7.0, QStringLiteral("/in/a.xml")));
    window.copySettings();
    QCOMPARE(window.copiedParts.size(), 30);
    QCOMPARE(window.copiedPartCount, 40);
    Score *target = partsScore(40, 5.0, QStringLiteral("/in/b.xml"));
    window.addScoreTab(target);
    window.pasteSettingsParts();
    for (int i = 0; i < 40; ++i)
        QCOMPARE(target->parts.at(i)->noteFontSize, i < 30 ? 7.0 : 5.0);
}

void TestSettingsHub::fewerPartsPasteWhatTheyHave()
{
    MainWindow window;
    window.addScoreTab(partsScore(3, 7.0, QStringLiteral("/in/a.xml")));
    window.copySettings();
    Score *target = partsScore(2, 5.0, QStringLiteral("/in/b.xml"));
    window.addScoreTab(target);
    window.pasteSettingsParts();
    QCOMPARE(target->parts.size(), 2);
    QCOMPARE(target->parts.at(0)->noteFontSize, 7.0);
    QCOMPARE(target->parts.at(1)->noteFontSize, 7.0);
    QCOMPARE(target->parts.at(1)->partName, QStringLiteral("P2"));
}

// A paste into a second score leaves the first one's commands as they were:
// its page text survives undo and redo.
void TestSettingsHub::laterPasteKeepsEarlierValues()
{
    MainWindow window;
    Score *source = partsScore(1, 7.0, QStringLiteral("/in/a.xml"));
    source->page->measurePerLine = 9;
    window.addScoreTab(source);
    window.copySettings();
    Score *first = partsScore(1, 5.0, QStringLiteral("/in/b.xml"));
    first->page->pageText = QStringLiteral("first");
    window.addScoreTab(first);
    window.pasteSettingsMeasurePage();
    Score *second = partsScore(1, 5.0, QStringLiteral("/in/c.xml"));
    second->page->pageText = QStringLiteral("second");
    window.addScoreTab(second);
    window.pasteSettingsMeasurePage();
    QCOMPARE(second->page->pageText, QStringLiteral("second"));
    window.tabWidget->setCurrentIndex(1);
    window.undo();
    window.redo();
    QCOMPARE(first->page->measurePerLine, 9);
    QCOMPARE(first->page->pageText, QStringLiteral("first"));
}

// The copied settings stay when their score is closed.
void TestSettingsHub::copiesOutliveTheirScore()
{
    MainWindow window;
    Score *source = partsScore(2, 7.0, QStringLiteral("/in/a.xml"));
    source->style->gapVoice = 0.5;
    window.addScoreTab(source);
    window.copySettings();
    QPointer<Score> gone = source;
    window.removeScoreTab(0);
    QTRY_VERIFY(!gone);
    Score *target = partsScore(2, 5.0, QStringLiteral("/in/b.xml"));
    window.addScoreTab(target);
    window.pasteSettingsAll();
    QCOMPARE(target->parts.at(1)->noteFontSize, 7.0);
    QCOMPARE(target->style->gapVoice, 0.5);
    QCOMPARE(prompter().texts(QStringLiteral("information")),
             QStringList{QStringLiteral("Paste Settings All is Done!")});
}

void TestSettingsHub::setPartLoadsFreshClones()
{
    MainWindow window;
    Score *score = partsScore(2, 5.0, QStringLiteral("/in/a.xml"));
    window.addScoreTab(score);
    MessageCapture capture;
    window.ui->actionSetPart->trigger();
    QVERIFY(capture.contains(QStringLiteral("MainWindow::setPart() exec.")));
    QVERIFY(window.partDialog->isVisible());
    QCOMPARE(window.editedParts.size(), 2);
    const QList<Part *> first = window.editedParts;
    for (int i = 0; i < 2; ++i) {
        QVERIFY(first.at(i) != score->parts.at(i));
        QCOMPARE(first.at(i)->noteFontSize, 5.0);
    }
    score->parts[0]->noteFontSize = 6.0;
    window.ui->actionSetPart->trigger();
    QCOMPARE(window.editedParts.at(0)->noteFontSize, 6.0);
    QVERIFY(!score->parts.contains(window.editedParts.at(0)));
}

void TestSettingsHub::setPageLoadsFreshClones()
{
    MainWindow window;
    Score *score = partsScore(1, 5.0, QStringLiteral("/in/a.xml"));
    score->page->measurePerLine = 5;
    window.addScoreTab(score);
    QCOMPARE(window.ui->actionPageMeasure->shortcut(), QKeySequence(QStringLiteral("Ctrl+M")));
    window.ui->actionPageMeasure->trigger();
    QVERIFY(window.pageDialog->isVisible());
    Page *first = window.editedPage;
    QVERIFY(first && first != score->page);
    auto *perLine = window.pageDialog->findChild<QSpinBox *>("spinBoxMeasurePerLine");
    QCOMPARE(perLine->value(), 5);
    score->page->measurePerLine = 6;
    window.ui->actionPageMeasure->trigger();
    QVERIFY(window.editedPage != score->page);
    QCOMPARE(window.editedPage->measurePerLine, 6);
    QCOMPARE(perLine->value(), 6);
}

// Apply of an unchanged page pushes nothing, nor does a second Apply; a
// change is one "UpdatePage", and after Undo the open dialog shows the
// restored value.
void TestSettingsHub::pageApplyPushesOnlyChanges()
{
    MainWindow window;
    Score *score = partsScore(1, 5.0, QStringLiteral("/in/a.xml"));
    score->page->measurePerLine = 5;
    score->page->autoNewline = false;
    window.addScoreTab(score);
    window.setPage();
    score->logText.clear();
    emit window.pageDialog->sigPageApply();
    QCOMPARE(score->undoStack->count(), 0);
    QCOMPARE(score->logText, QStringLiteral("pageApply completed------------\n"));
    auto *perLine = window.pageDialog->findChild<QSpinBox *>("spinBoxMeasurePerLine");
    perLine->setValue(7);
    window.pageDialog->apply();
    window.pageDialog->apply();
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(score->undoStack->text(0), QStringLiteral("UpdatePage"));
    QCOMPARE(score->page->measurePerLine, 7);
    window.undo();
    QCOMPARE(score->page->measurePerLine, 5);
    QCOMPARE(perLine->value(), 5);
}

// Ctrl+T loads a fresh copy each time and logs the load; Apply pushes only
// a change, once; Undo shows the old value in the open dialog.
void TestSettingsHub::styleLoadsAndApplies()
{
    MainWindow window;
    Score *score = partsScore(1, 5.0, QStringLiteral("/in/a.xml"));
    score->style->gapVoice = 0.25;
    window.addScoreTab(score);
    score->logText.clear();
    QCOMPARE(window.ui->actionStyle->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
    window.ui->actionStyle->trigger();
    QVERIFY(window.dialogStyle->isVisible());
    QVERIFY(window.editedStyle && window.editedStyle != score->style);
    auto *gap = window.dialogStyle->findChild<QDoubleSpinBox *>("doubleSpinBoxGapVoice");
    QCOMPARE(gap->value(), 0.25);
    window.ui->actionStyle->trigger();
    QCOMPARE(score->logText, QStringLiteral("setStyle completed--------------\n"
                                            "setStyle completed--------------\n"));
    score->logText.clear();
    emit window.dialogStyle->sigStyleApply();
    QCOMPARE(score->undoStack->count(), 0);
    QCOMPARE(score->logText, QStringLiteral("styleApply completed------------\n"));
    gap->setValue(0.5);
    window.dialogStyle->apply();
    window.dialogStyle->apply();
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(score->undoStack->text(0), QStringLiteral("UpdateStyle"));
    QCOMPARE(score->style->gapVoice, 0.5);
    window.undo();
    QCOMPARE(score->style->gapVoice, 0.25);
    QCOMPARE(gap->value(), 0.25);
}

// Apply of the parts pushes even when nothing changed, logs and shows the
// score; Undo takes it back and the open dialog shows the old value.
void TestSettingsHub::partApplyAlwaysPushes()
{
    MainWindow window;
    Score *score = partsScore(2, 5.0, QStringLiteral("/in/a.xml"));
    window.addScoreTab(score);
    window.setPart();
    score->logText.clear();
    score->hide();
    emit window.partDialog->sigPartApply();
    QVERIFY(!score->isHidden());
    emit window.partDialog->sigPartApply();
    QCOMPARE(score->undoStack->count(), 2);
    QCOMPARE(score->undoStack->text(0), QStringLiteral("UpdatePart"));
    QVERIFY(score->logText.contains(QStringLiteral("partApply completed------------\n")));
    window.editedParts[1]->noteFontSize = 8.0;
    emit window.partDialog->sigPartApply();
    QCOMPARE(score->parts.at(1)->noteFontSize, 8.0);
    window.undo();
    QCOMPARE(score->parts.at(1)->noteFontSize, 5.0);
    QCOMPARE(window.editedParts.at(1)->noteFontSize, 5.0);
}

// Ctrl+L binds the score itself: a controller click changes the score in
// front, not a copy.
void TestSettingsHub::controllerBindsTheScoreItself()
{
    MainWindow window;
    Score *score = partsScore(1, 5.0, QStringLiteral("/in/a.xml"));
    window.addScoreTab(score);
    QCOMPARE(window.ui->actionLayoutController->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    window.ui->actionLayoutController->trigger();
    QVERIFY(window.dialogController->isVisible());
    window.dialogController->findChild<QPushButton *>("pushButtonNoteFontSizePlus")->click();
    QCOMPARE(score->parts.at(0)->noteFontSize, 5.25);
}

void TestSettingsHub::noTabHidesEverything()
{
    MainWindow window;
    window.addScoreTab(partsScore(1, 5.0, QStringLiteral("/in/a.xml")));
    window.layoutController();
    window.setPart();
    window.setPage();
    window.setStyle();
    window.dialogLog->show();
    // While a score is in front the log window shows its whole log (the
    // reload of the open style dialog has just added its own line).
    window.currentScore()->logText = QStringLiteral("first line\n");
    window.updateDialogs();
    QCOMPARE(window.dialogLog->findChild<QTextBrowser *>("textBrowserLog")->toPlainText(),
             QStringLiteral("first line\nsetStyle completed--------------\n"));
    window.removeScoreTab(0);
    const QList<QWidget *> dialogs{window.dialogController, window.pageDialog, window.partDialog,
                                   window.dialogStyle, window.dialogLog};
    for (const QWidget *dialog : dialogs)
        QVERIFY2(dialog->isHidden(), dialog->metaObject()->className());
}

// Not reached from any menu: the page with every offset reset, then no
// undo history left and the score marked changed.
void TestSettingsHub::pageChangeResetsAndForgets()
{
    MainWindow window;
    Score *score = loadedScore();
    QVERIFY(score);
    window.addScoreTab(score);
    window.setPage();
    Credit *credit = score->credits.value(0);
    QVERIFY(credit);
    credit->moved = true;
    credit->x = 3.0;
    window.editedPage->measurePerLine = score->page->measurePerLine + 2;
    window.ui->actionMultimeasureRests->trigger(); // something to forget
    score->setChanged(false);
    MessageCapture capture;
    window.pageChange();
    QVERIFY(capture.contains(QStringLiteral("Mainwindow::pageChange entered.")));
    QCOMPARE(score->page->measurePerLine, window.editedPage->measurePerLine);
    QVERIFY(!credit->moved);
    QCOMPARE(score->undoStack->count(), 0);
    QVERIFY(score->changed);
    QVERIFY(score->logText.endsWith(QStringLiteral("pageChange completed------------\n")));
}

// An equal page pushes nothing; the history is forgotten all the same.
void TestSettingsHub::pageChangeOfAnEqualPage()
{
    MainWindow window;
    Score *score = partsScore(1, 5.0, QStringLiteral("/in/a.xml"));
    window.addScoreTab(score);
    window.setPage();
    window.ui->actionMultimeasureRests->trigger();
    QCOMPARE(score->undoStack->count(), 1);
    score->setChanged(false);
    MessageCapture capture;
    window.pageChange();
    QCOMPARE(capture.count(QStringLiteral("generateScore: entered----------.")), 0);
    QCOMPARE(score->undoStack->count(), 0);
    QVERIFY(score->changed);
}

// Bad input: with no score the loading, apply and paste slots do nothing.
void TestSettingsHub::noScoreDoesNothing()
{
    MainWindow window;
    window.layoutController();
    window.setPart();
    window.setPage();
    window.setStyle();
    window.pageApply();
    window.partApply();
    window.styleApply();
    window.pageChange();
    window.copySettings();
    window.pasteSettings();
    window.pasteSettingsAll();
    window.pasteSettingsParts();
    window.pasteSettingsMeasurePage();
    window.pasteSettingsStyle();
    QVERIFY(window.copiedSourceName.isEmpty());
    QVERIFY(prompter().prompts.isEmpty());
    for (const QWidget *dialog : {static_cast<QWidget *>(window.dialogController),
                                  static_cast<QWidget *>(window.partDialog),
                                  static_cast<QWidget *>(window.dialogPasteSettings)})
        QVERIFY(dialog->isHidden());
}

void TestSettingsHub::pasteScreenshot()
{
    MainWindow window;
    window.addScoreTab(partsScore(1, 5.0, QStringLiteral("/scores/Sakura.musicxml")));
    window.copySettings();
    window.pasteSettings();
    QWidget &dialog = *window.dialogPasteSettings;
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QImage image = dialog.grab().toImage();
    QVERIFY(image.save(screenshotFolder() + QStringLiteral("/paste-settings.png")));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    QVERIFY(colours.size() > 4);
    const QRect inside(QPoint(0, 0), dialog.size());
    QList<QWidget *> shown{dialog.findChild<QLabel *>("labelFilepath")};
    for (QPushButton *b : dialog.findChildren<QPushButton *>())
        shown << b;
    QCOMPARE(shown.size(), 6);
    for (const QWidget *w : std::as_const(shown)) {
        QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
        const QRect box(w->mapTo(&dialog, QPoint(0, 0)), w->size());
        QVERIFY2(inside.contains(box), qPrintable(w->objectName()));
        QVERIFY2(w->width() >= w->minimumSizeHint().width() &&
                     w->height() >= w->minimumSizeHint().height(),
                 qPrintable(w->objectName()));
    }
}

VELMORA_TEST_MAIN(TestSettingsHub)

} // namespace tst_settings_hub
#include "tst_settings_hub.moc"
