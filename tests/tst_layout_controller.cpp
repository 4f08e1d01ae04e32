// The layout controller: its form, how it shows a score's settings, what
// each control changes in the bound score and that it then asks once for
// the dialogs to reload; with the main window, the reload after each click,
// Undo of a click, and a screenshot of the controller bound to a score.
#include "app/mainwindow.h"
#include "dialogs/dialogcontroller.h"
#include "dialogs/partdialog.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "support/messagecapture.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "ui_mainwindow.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QUndoStack>

#include <functional>
#include <memory>

namespace tst_layout_controller {

using namespace TestSupport;

namespace {

const QString fixture = QStringLiteral("writer/Writer-EditableItems.xml");

// Two parts, so that a note-size click must reach both.
std::unique_ptr<Score> twoPartScore()
{
    auto score = std::make_unique<Score>(QStringLiteral("test"), 1, false);
    if (!loadScoreFile(*score, fixturePath(fixture)) || score->parts.size() != 2)
        return nullptr;
    score->generateScore();
    return score;
}

template <class T> T *child(const QWidget &dialog, const QString &name)
{
    T *widget = dialog.findChild<T *>(name);
    if (!widget)
        qFatal("no widget %s", qPrintable(name));
    return widget;
}

QPushButton *button(const QWidget &dialog, const char *name)
{
    return child<QPushButton>(dialog, QLatin1String(name));
}

QSlider *slider(const QWidget &dialog)
{
    return child<QSlider>(dialog, QStringLiteral("sliderUniformity"));
}

// The push buttons that sit in a group box (all but Close).
QList<QPushButton *> groupButtons(const QWidget &dialog)
{
    QList<QPushButton *> buttons;
    for (QPushButton *b : dialog.findChildren<QPushButton *>()) {
        if (qobject_cast<QGroupBox *>(b->parentWidget()))
            buttons << b;
    }
    return buttons;
}

QStringList shownTexts(const QWidget &dialog)
{
    QStringList texts;
    for (const QAbstractButton *b : dialog.findChildren<QAbstractButton *>())
        texts << b->text();
    for (const QGroupBox *g : dialog.findChildren<QGroupBox *>())
        texts << g->title();
    return texts;
}

int generations(const MessageCapture &capture)
{
    return capture.count(QStringLiteral("generateScore: entered----------."));
}

QString screenshotFolder()
{
    const QString folder =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
    QDir().mkpath(folder);
    return QDir::cleanPath(folder);
}

using Act = std::function<void(Score &)>;
using Read = std::function<double(Score &)>;

} // namespace

using PageSwitch = bool Page::*;

class TestLayoutController : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void texts();
    void loadsDefaultSettings();
    void loadsEnabledStates_data();
    void loadsEnabledStates();
    void nullScoreChangesNothing();
    void controlChangesItsSetting_data();
    void controlChangesItsSetting();
    void switchesPassTheirSetting_data();
    void switchesPassTheirSetting();
    void sliderAndCloseEmitNothing();
    void unboundControlsDoNothing();
    void equalBoundsReadAsZero();
    void uniformitySteps_data();
    void uniformitySteps();
    void repeatedSteps_data();
    void repeatedSteps();
    void clickReloadsAndUndoes();
    void undoShowsTheOldCheckState();
    void screenshot();
};

void TestLayoutController::form()
{
    DialogController dialog;
    QCOMPARE(dialog.size(), QSize(684, 639));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));
    QCOMPARE(dialog.findChildren<QGroupBox *>().size(), 15);
    const QList<QPushButton *> buttons = groupButtons(dialog);
    QCOMPARE(buttons.size(), 22);
    for (const QPushButton *b : buttons) {
        QCOMPARE(b->font().family(), QStringLiteral("Meiryo UI"));
        QCOMPARE(b->font().pointSize(), 11);
        QVERIFY2(b->font().bold(), qPrintable(b->objectName()));
        QVERIFY2(!b->autoDefault(), qPrintable(b->objectName()));
        QVERIFY(!b->isDefault());
    }
    QPushButton *close = button(dialog, "pushButtonClose");
    QVERIFY(close->isDefault());
    QVERIFY(!buttons.contains(close));
    QCOMPARE(slider(dialog)->value(), 70);
    QCOMPARE(slider(dialog)->minimum(), 0);
    QCOMPARE(slider(dialog)->maximum(), 99);
    QVERIFY(!slider(dialog)->hasTracking());
    const QList<QAbstractButton *> checkable = dialog.findChildren<QAbstractButton *>();
    int switches = 0;
    for (const QAbstractButton *b : checkable) {
        if (qobject_cast<const QRadioButton *>(b) || qobject_cast<const QCheckBox *>(b)) {
            ++switches;
            QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
            QVERIFY(b->font().bold());
        }
    }
    QCOMPARE(switches, 10);
    // Only the two fitting boxes are enlarged.
    QCOMPARE(child<QCheckBox>(dialog, "checkBoxLastPage")->font().pointSize(), 11);
    QCOMPARE(child<QCheckBox>(dialog, "checkBoxLastStage")->font().pointSize(), 11);
}

// Of the form's placeholders only the measures-per-stage buttons' stay.
void TestLayoutController::texts()
{
    DialogController dialog;
    const QStringList before = shownTexts(dialog);
    QVERIFY(before.contains(QStringLiteral("Wider-")));
    QVERIFY(before.contains(QStringLiteral("Measure Style & ")));
    dialog.retranslate();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Velmora: Layout Controller"));
    const QStringList after = shownTexts(dialog);
    for (const QString &text : after) {
        QVERIFY2(!text.endsWith(QLatin1Char('-')) && !text.endsWith(QLatin1Char(' ')),
                 qPrintable(text));
    }
    QVERIFY(!after.contains(QStringLiteral("> Size")));
    QVERIFY(!after.contains(QStringLiteral("Time <")));
    QVERIFY(!after.contains(QStringLiteral("Time Tick Length")));
    QCOMPARE(button(dialog, "pushButtonMeasuresPerStageMinus")->text(), QStringLiteral("- 1"));
    QCOMPARE(button(dialog, "pushButtonMeasuresPerStagePlus")->text(), QStringLiteral("+ 1"));
    QCOMPARE(child<QRadioButton>(dialog, "radioButtonFixedNumber")->text(),
             QStringLiteral("Fixed Number / Stage"));
    QCOMPARE(button(dialog, "pushButtonUniformTime")->text(),
             QStringLiteral("More Uniform in Time"));
}

void TestLayoutController::loadsDefaultSettings()
{
    Score score(QStringLiteral("test"), 0, false);
    DialogController dialog;
    dialog.retranslate();
    dialog.setScore(&score);
    QStringList checked;
    for (const QAbstractButton *b : dialog.findChildren<QAbstractButton *>()) {
        if (b->isChecked())
            checked << b->text();
    }
    checked.sort();
    QCOMPARE(checked, (QStringList{"Equal Length", "Fixed Number / Stage", "Grid",
                                   "Time Proportional", "Vertical"}));
    QCOMPARE(slider(dialog)->minimum(), 0);
    QCOMPARE(slider(dialog)->maximum(), 100);
    QCOMPARE(slider(dialog)->value(), 34);
    QVERIFY(button(dialog, "pushButtonMeasuresPerStagePlus")->isEnabled());
    QVERIFY(button(dialog, "pushButtonMeasuresPerStageMinus")->isEnabled());
    QVERIFY(!button(dialog, "pushButtonMeasureLengthLonger")->isEnabled());
    QVERIFY(!button(dialog, "pushButtonMeasureLengthShorter")->isEnabled());
    QVERIFY(child<QCheckBox>(dialog, "checkBoxEqualLength")->isEnabled());
    QVERIFY(!child<QCheckBox>(dialog, "checkBoxTimeProportional")->isEnabled());
    QVERIFY(!button(dialog, "pushButtonSpaceBtStagesWider")->isEnabled());
    QVERIFY(!button(dialog, "pushButtonSpaceBtStagesNarrower")->isEnabled());
}

// The enabling rules of automatic breaks, the fixed count, and the banded
// style with its stage spacing.
void TestLayoutController::loadsEnabledStates_data()
{
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<int>("perLine");
    QTest::addColumn<bool>("grid");
    QTest::addColumn<double>("pad");
    // Enabled: MPS+, MPS-, lengths, equal length, time proportional, space+, space-.
    QTest::addColumn<QList<bool>>("enabled");
    QTest::newRow("automatic, banded")
        << true << 4 << false << 2.0 << QList<bool>{false, false, true, false, true, true, true};
    QTest::newRow("one per stage")
        << false << 1 << true << 0.0 << QList<bool>{true, false, false, true, false, false, false};
    QTest::newRow("banded without space")
        << false << 2 << false << 0.0 << QList<bool>{true, true, false, true, false, true, false};
}

void TestLayoutController::loadsEnabledStates()
{
    QFETCH(bool, automatic);
    QFETCH(int, perLine);
    QFETCH(bool, grid);
    QFETCH(double, pad);
    QFETCH(QList<bool>, enabled);
    Score score(QStringLiteral("test"), 0, false);
    score.page->autoNewline = automatic;
    score.page->measurePerLine = perLine;
    score.page->drawStageLine = grid;
    score.page->lineWidthPad = pad;
    DialogController dialog;
    dialog.setScore(&score);
    const QList<QWidget *> widgets{button(dialog, "pushButtonMeasuresPerStagePlus"),
                                   button(dialog, "pushButtonMeasuresPerStageMinus"),
                                   button(dialog, "pushButtonMeasureLengthLonger"),
                                   child<QCheckBox>(dialog, "checkBoxEqualLength"),
                                   child<QCheckBox>(dialog, "checkBoxTimeProportional"),
                                   button(dialog, "pushButtonSpaceBtStagesWider"),
                                   button(dialog, "pushButtonSpaceBtStagesNarrower")};
    for (int i = 0; i < widgets.size(); ++i)
        QVERIFY2(widgets.at(i)->isEnabled() == enabled.at(i),
                 qPrintable(widgets.at(i)->objectName()));
    QCOMPARE(button(dialog, "pushButtonMeasureLengthShorter")->isEnabled(), enabled.at(2));
    QCOMPARE(child<QRadioButton>(dialog, "radioButtonAutomatic")->isChecked(), automatic);
    QCOMPARE(child<QRadioButton>(dialog, "radioButtonBanded")->isChecked(), !grid);
}

void TestLayoutController::nullScoreChangesNothing()
{
    Score score(QStringLiteral("test"), 0, false);
    score.page->horizontal = true;
    DialogController dialog;
    dialog.setScore(&score);
    score.page->horizontal = false;
    MessageCapture capture;
    dialog.setScore(nullptr);
    QCOMPARE(capture.lines(), QStringList{QStringLiteral("setScore score is null=========")});
    QVERIFY(child<QRadioButton>(dialog, "radioButtonScoreHorizontal")->isChecked());
    QCOMPARE(slider(dialog)->value(), 34);
    QCOMPARE(slider(dialog)->maximum(), 100);
}

// Each stepping button: its setting after one click from a known value.
void TestLayoutController::controlChangesItsSetting_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<Act>("prepare");
    QTest::addColumn<Read>("read");
    QTest::addColumn<double>("expected");

    const Read part0 = [](Score &s) { return s.parts.at(0)->noteFontSize; };
    const Read part1 = [](Score &s) { return s.parts.at(1)->noteFontSize; };
    const Act sizes = [](Score &s) {
        s.parts[0]->noteFontSize = 4.0;
        s.parts[1]->noteFontSize = 2.0;
    };
    const Act fixed = [](Score &s) {
        s.page->autoNewline = false;
        s.page->measurePerLine = 3;
    };
    const Act automatic = [](Score &s) {
        s.page->autoNewline = true;
        s.page->measureScale = 1.0;
    };
    const Act banded = [](Score &s) {
        s.page->drawStageLine = false;
        s.page->lineWidthPad = 0.5;
    };
    const Act style = [](Score &s) {
        s.style->noteOffset = 0.1;
        s.style->gapChordNote = 0.0;
        s.style->gapVoice = 0.0;
        s.style->measureMaxChordWidth = 1.0;
    };
    const Act page = [](Score &s) {
        s.page->lineWidthScale = 2.0;
        s.page->headerAreaWidth = 0.25;
    };
    const Read perLine = [](Score &s) { return double(s.page->measurePerLine); };
    const Read scale = [](Score &s) { return s.page->measureScale; };
    const Read pad = [](Score &s) { return s.page->lineWidthPad; };

    QTest::newRow("larger, first part") << "pushButtonNoteFontSizePlus" << sizes << part0 << 4.2;
    QTest::newRow("larger, second part") << "pushButtonNoteFontSizePlus" << sizes << part1 << 2.1;
    QTest::newRow("smaller") << "pushButtonNoteFontSizeMinus" << sizes << part0
                             << 4.0 * 0.9523809523809523;
    QTest::newRow("+ 1") << "pushButtonMeasuresPerStagePlus" << fixed << perLine << 4.0;
    QTest::newRow("- 1") << "pushButtonMeasuresPerStageMinus" << fixed << perLine << 2.0;
    QTest::newRow("longer") << "pushButtonMeasureLengthLonger" << automatic << scale << 1.05;
    QTest::newRow("shorter") << "pushButtonMeasureLengthShorter" << automatic << scale
                             << 0.9523809523809523;
    QTest::newRow("stages wider") << "pushButtonSpaceBtStagesWider" << banded << pad << 1.5;
    QTest::newRow("stages narrower") << "pushButtonSpaceBtStagesNarrower" << banded << pad << 0.0;
    QTest::newRow("part wider") << "pushButtonPartWidthPlus" << page
                                << Read([](Score &s) { return s.page->lineWidthScale; }) << 2.02;
    QTest::newRow("header narrower")
        << "pushButtonHeaderWidthNarrower" << page
        << Read([](Score &s) { return s.page->headerAreaWidth; }) << 0.0;
    QTest::newRow("header wider") << "pushButtonHeaderWidthWider" << page
                                  << Read([](Score &s) { return s.page->headerAreaWidth; }) << 0.75;
    QTest::newRow("offset smaller") << "pushButtonNotePosOffsetMinus" << style
                                    << Read([](Score &s) { return s.style->noteOffset; }) << 0.08;
    QTest::newRow("offset larger") << "pushButtonNotePosOffsetPlus" << style
                                   << Read([](Score &s) { return s.style->noteOffset; }) << 0.12;
    QTest::newRow("chord gap narrower")
        << "pushButtonGapChordNoteNarrower" << style
        << Read([](Score &s) { return s.style->gapChordNote; }) << -0.05;
    QTest::newRow("voice gap wider") << "pushButtonGapVoiceWider" << style
                                     << Read([](Score &s) { return s.style->gapVoice; }) << 0.05;
    QTest::newRow("voice gap narrower")
        << "pushButtonGapVoiceNarrower" << style << Read([](Score &s) { return s.style->gapVoice; })
        << -0.05;
    QTest::newRow("chord width wider")
        << "pushButtonMaxChordWidthWider" << style
        << Read([](Score &s) { return s.style->measureMaxChordWidth; }) << 1.05;
}

void TestLayoutController::controlChangesItsSetting()
{
    QFETCH(QString, control);
    QFETCH(Act, prepare);
    QFETCH(Read, read);
    QFETCH(double, expected);
    auto score = twoPartScore();
    QVERIFY(score);
    prepare(*score);
    score->setChanged(false);
    DialogController dialog;
    dialog.setScore(score.get());
    QSignalSpy reloads(&dialog, &DialogController::sigUpdateDialogs);
    MessageCapture capture;
    QPushButton *b = child<QPushButton>(dialog, control);
    QVERIFY(b->isEnabled());
    b->click();
    QVERIFY(qAbs(read(*score) - expected) < 1e-9);
    QCOMPARE(reloads.count(), 1);
    QVERIFY(score->changed);
    QCOMPARE(generations(capture), 1);
}

// The switches: what each passes on, clicked from the given check state
// on a score that holds the opposite of the expected value. The direction
// buttons pass their own direction whatever their check state.
void TestLayoutController::switchesPassTheirSetting_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("checkedBefore");
    QTest::addColumn<PageSwitch>("field");
    QTest::addColumn<bool>("expected");
    QTest::newRow("horizontal") << "radioButtonScoreHorizontal" << false << &Page::horizontal
                                << true;
    QTest::newRow("horizontal unchecked")
        << "radioButtonScoreHorizontal" << true << &Page::horizontal << true;
    QTest::newRow("vertical") << "radioButtonScoreVertical" << false << &Page::horizontal << false;
    QTest::newRow("vertical unchecked")
        << "radioButtonScoreVertical" << true << &Page::horizontal << false;
    QTest::newRow("grid") << "radioButtonGrid" << false << &Page::drawStageLine << true;
    QTest::newRow("banded") << "radioButtonBanded" << false << &Page::drawStageLine << false;
    QTest::newRow("automatic") << "radioButtonAutomatic" << false << &Page::autoNewline << true;
    QTest::newRow("fixed") << "radioButtonFixedNumber" << false << &Page::autoNewline << false;
    QTest::newRow("last stage") << "checkBoxLastStage" << false << &Page::lastLineFit << true;
    QTest::newRow("last page off") << "checkBoxLastPage" << true << &Page::pageFit << false;
    QTest::newRow("equal length off")
        << "checkBoxEqualLength" << true << &Page::measureEqualLength << false;
    QTest::newRow("time proportional")
        << "checkBoxTimeProportional" << false << &Page::measureTimeProportional << true;
}

void TestLayoutController::switchesPassTheirSetting()
{
    QFETCH(QString, control);
    QFETCH(bool, checkedBefore);
    QFETCH(PageSwitch, field);
    QFETCH(bool, expected);
    auto score = twoPartScore();
    QVERIFY(score);
    score->page->*field = !expected;
    DialogController dialog;
    dialog.setScore(score.get());
    auto *b = child<QAbstractButton>(dialog, control);
    b->setEnabled(true);
    b->setAutoExclusive(false);
    b->setChecked(checkedBefore);
    QSignalSpy reloads(&dialog, &DialogController::sigUpdateDialogs);
    b->click();
    QCOMPARE(score->page->*field, expected);
    QCOMPARE(reloads.count(), 1);
}

void TestLayoutController::sliderAndCloseEmitNothing()
{
    auto score = twoPartScore();
    QVERIFY(score);
    DialogController dialog;
    dialog.setScore(score.get());
    dialog.show();
    QSignalSpy reloads(&dialog, &DialogController::sigUpdateDialogs);
    slider(dialog)->setValue(100);
    QCOMPARE(score->style->timeTickRatio, 0.1); // moving alone writes nothing
    emit slider(dialog)->sliderReleased();
    QCOMPARE(score->style->timeTickRatio, 0.25);
    button(dialog, "pushButtonClose")->click();
    QVERIFY(dialog.isHidden());
    QCOMPARE(reloads.count(), 0);
}

// Decided: with no score bound a control changes nothing and asks for
// nothing.
void TestLayoutController::unboundControlsDoNothing()
{
    DialogController dialog;
    QSignalSpy reloads(&dialog, &DialogController::sigUpdateDialogs);
    for (QAbstractButton *b : dialog.findChildren<QAbstractButton *>()) {
        if (b->objectName() != QLatin1String("pushButtonClose"))
            b->click();
    }
    emit slider(dialog)->sliderReleased();
    QCOMPARE(reloads.count(), 0);
    QCOMPARE(slider(dialog)->value(), 70);
}

// Decided: equal bounds leave no range; the slider reads 0.
void TestLayoutController::equalBoundsReadAsZero()
{
    Score score(QStringLiteral("test"), 0, false);
    score.style->timeTickRatioMin = 0.1;
    score.style->timeTickRatioMax = 0.1;
    DialogController dialog;
    dialog.setScore(&score);
    QCOMPARE(slider(dialog)->value(), 0);
}

// Pressed repeatedly with the controller shown: every press reloads it,
// and the reading truncates what was written.
void TestLayoutController::uniformitySteps_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("start");
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("time") << "pushButtonUniformTime" << 0
                          << QList<int>{4, 8, 12, 16, 20, 25, 30, 35};
    QTest::newRow("time at the top") << "pushButtonUniformTime" << 100 << QList<int>{100, 100};
    QTest::newRow("size") << "pushButtonUniformSize" << 30 << QList<int>{25, 19, 13, 8, 2, 0, 0};
}

void TestLayoutController::uniformitySteps()
{
    QFETCH(QString, control);
    QFETCH(int, start);
    QFETCH(QList<int>, shown);
    MainWindow window;
    auto score = twoPartScore();
    QVERIFY(score);
    Score *s = score.release();
    window.addScoreTab(s);
    s->setUniformity(start);
    window.layoutController();
    QVERIFY(window.dialogController->isVisible());
    QCOMPARE(slider(*window.dialogController)->value(), start);
    QList<int> seen;
    for (int i = 0; i < shown.size(); ++i) {
        child<QPushButton>(*window.dialogController, control)->click();
        seen << slider(*window.dialogController)->value();
    }
    QCOMPARE(seen, shown);
}

// The bounded steps: the chord width wraps to 1.0 past 1.5 and stops at
// 0.15; "- 1" goes out at one measure per stage.
void TestLayoutController::repeatedSteps_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("presses");
    QTest::addColumn<Read>("read");
    QTest::addColumn<double>("expected");
    const Read width = [](Score &s) { return s.style->measureMaxChordWidth; };
    QTest::newRow("wider eight times")
        << "pushButtonMaxChordWidthWider" << 8 << width << 1.4774554437890625;
    QTest::newRow("wider nine times") << "pushButtonMaxChordWidthWider" << 9 << width << 1.0;
    QTest::newRow("narrower") << "pushButtonMaxChordWidthNarrower" << 60 << width << 0.15;
}

void TestLayoutController::repeatedSteps()
{
    QFETCH(QString, control);
    QFETCH(int, presses);
    QFETCH(Read, read);
    QFETCH(double, expected);
    auto score = twoPartScore();
    QVERIFY(score);
    score->style->measureMaxChordWidth = 1.0;
    DialogController dialog;
    dialog.setScore(score.get());
    for (int i = 0; i < presses; ++i)
        child<QPushButton>(dialog, control)->click();
    QVERIFY(qAbs(read(*score) - expected) < 1e-9);
}

// "Larger" through the main window: one undo step, the open part dialog
// reloaded, and Undo takes the click back everywhere.
void TestLayoutController::clickReloadsAndUndoes()
{
    MainWindow window;
    auto owned = twoPartScore();
    QVERIFY(owned);
    Score *score = owned.release();
    window.addScoreTab(score);
    score->page->autoNewline = false;
    score->page->measurePerLine = 1;
    const double before[2] = {score->parts.at(0)->noteFontSize, score->parts.at(1)->noteFontSize};
    score->setChanged(false);
    window.layoutController();
    window.setPart();
    window.setPage();
    const Page *pageCopy = window.editedPage;
    auto *shownSize = child<QDoubleSpinBox>(*window.partDialog, "doubleSpinBoxFontSize");
    QCOMPARE(shownSize->value(), before[0]);
    QVERIFY(!button(*window.dialogController, "pushButtonMeasuresPerStageMinus")->isEnabled());
    const int steps = score->undoStack->count();

    button(*window.dialogController, "pushButtonNoteFontSizePlus")->click();
    QCOMPARE(score->undoStack->count(), steps + 1);
    QCOMPARE(score->undoStack->text(steps), QStringLiteral("UpdatePart"));
    QVERIFY(score->changed);
    for (int i = 0; i < 2; ++i)
        QVERIFY(qAbs(score->parts.at(i)->noteFontSize - before[i] * 1.05) < 1e-9);
    QVERIFY(qAbs(shownSize->value() - before[0] * 1.05) < 0.01);
    QVERIFY(window.editedPage != pageCopy); // the page dialog was reloaded

    window.ui->actionUndo->setEnabled(true);
    window.ui->actionUndo->trigger();
    for (int i = 0; i < 2; ++i)
        QCOMPARE(score->parts.at(i)->noteFontSize, before[i]);
    QCOMPARE(shownSize->value(), before[0]);
}

void TestLayoutController::undoShowsTheOldCheckState()
{
    MainWindow window;
    auto owned = twoPartScore();
    QVERIFY(owned);
    Score *score = owned.release();
    window.addScoreTab(score);
    score->page->autoNewline = false;
    window.layoutController();
    auto *automatic = child<QRadioButton>(*window.dialogController, "radioButtonAutomatic");
    auto *fixed = child<QRadioButton>(*window.dialogController, "radioButtonFixedNumber");
    QVERIFY(fixed->isChecked());
    automatic->click();
    QVERIFY(score->page->autoNewline);
    QVERIFY(automatic->isChecked());
    QVERIFY(!button(*window.dialogController, "pushButtonMeasuresPerStagePlus")->isEnabled());
    window.undo();
    QVERIFY(!score->page->autoNewline);
    QVERIFY(fixed->isChecked());
    QVERIFY(!automatic->isChecked());
    QVERIFY(button(*window.dialogController, "pushButtonMeasuresPerStagePlus")->isEnabled());
}

void TestLayoutController::screenshot()
{
    auto score = twoPartScore();
    QVERIFY(score);
    DialogController dialog;
    dialog.retranslate();
    dialog.setScore(score.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QImage image = dialog.grab().toImage();
    QVERIFY(image.save(screenshotFolder() + QStringLiteral("/layout-controller.png")));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 5)
        for (int x = 0; x < image.width(); x += 5)
            colours.insert(image.pixel(x, y));
    QVERIFY(colours.size() > 8);
    const QRect window(QPoint(0, 0), dialog.size());
    QList<QWidget *> shown;
    for (QGroupBox *g : dialog.findChildren<QGroupBox *>())
        shown << g;
    shown << slider(dialog);
    for (const QWidget *w : std::as_const(shown)) {
        QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
        const QRect box(w->mapTo(&dialog, QPoint(0, 0)), w->size());
        QVERIFY2(window.contains(box), qPrintable(w->objectName()));
        QVERIFY2(w->width() >= w->minimumSizeHint().width() &&
                     w->height() >= w->minimumSizeHint().height(),
                 qPrintable(w->objectName()));
    }
}

VELMORA_TEST_MAIN(TestLayoutController)

} // namespace tst_layout_controller
#include "tst_layout_controller.moc"
