// The whole-score commands: style, part and page updates (one undo step
// each, none for an unchanged style or page), the multi-measure-rest switch,
// the reset of measure sizes, the clean refresh from the score's own file,
// the debug switch and undo listing, and the score's log.
#include "document/scorexmlmode.h"
#include "model/direction.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/selecteddirection.h"
#include "model/style.h"
#include "model/voice.h"
#include "support/editablescore.h"
#include "support/messagecapture.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QDateTime>
#include <QGraphicsItem>
#include <QSignalSpy>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <optional>

namespace tst_settings_updates {

using TestSupport::editableScore;

namespace {

const QString regenerated = QStringLiteral("generateScore: entered----------.");

Direction *dolce(Score &score)
{
    return score.measures.at(0)->parts.at(0)->voices.made(0)->directions.at(0);
}

// One settings update: `apply` calls the update with settings made from
// the score's; `read` gives the setting the update is to change.
struct Update
{
    std::function<void(Score &)> apply;
    std::function<double(Score &)> read;
};

// Without a value the settings are the score's own.
Update styleUpdate(std::optional<double> gapVoice = {})
{
    return {[gapVoice](Score &s) {
                std::unique_ptr<Style> settings(s.style->clone());
                settings->gapVoice = gapVoice.value_or(s.style->gapVoice);
                s.updateStyleCommand(settings.get());
            },
            [](Score &s) { return s.style->gapVoice; }};
}

Update pageUpdate(std::optional<int> measuresPerLine = {})
{
    return {[measuresPerLine](Score &s) {
                std::unique_ptr<Page> settings(s.page->clone());
                settings->measurePerLine = measuresPerLine.value_or(s.page->measurePerLine);
                s.updatePageCommand(settings.get(), false);
            },
            [](Score &s) { return double(s.page->measurePerLine); }};
}

Update partUpdate(std::optional<double> noteSize = {})
{
    return {[noteSize](Score &s) {
                const QList<Part *> settings = s.copyPartList(s.parts);
                settings.at(0)->noteFontSize = noteSize.value_or(s.parts.at(0)->noteFontSize);
                s.updatePartCommand(settings);
                qDeleteAll(settings);
            },
            [](Score &s) { return s.parts.at(0)->noteFontSize; }};
}

} // namespace


class TestSettingsUpdates : public QObject
{
    Q_OBJECT

private slots:
    void updatesPushOnlyWhatChanged_data();
    void updatesPushOnlyWhatChanged();
    void pageUpdateResetsOffsetsOfAnEqualPage();
    void multiMeasureRestsAndMeasureSizeReset_data();
    void multiMeasureRestsAndMeasureSizeReset();
    void cleanRefreshRebuildsFromTheOwnFile();
    void debugSwitchAndUndoListing();
    void logGrowsAndIsSentWhole();
    void scoreWithoutPartsOrMeasures();
};

void TestSettingsUpdates::updatesPushOnlyWhatChanged_data()
{
    QTest::addColumn<Update>("update");
    QTest::addColumn<bool>("changes");
    QTest::addColumn<double>("after");
    QTest::addColumn<QString>("text");
    QTest::newRow("equal style") << styleUpdate() << false << 0.0 << "";
    QTest::newRow("other style") << styleUpdate(0.35) << true << 0.35 << "UpdateStyle";
    QTest::newRow("equal page") << pageUpdate() << false << 0.0 << "";
    QTest::newRow("other page") << pageUpdate(7) << true << 7.0 << "UpdatePage";
    // Part settings are never compared: an unchanged Apply is a step too.
    QTest::newRow("equal parts") << partUpdate() << false << 0.0 << "UpdatePart";
    QTest::newRow("other parts") << partUpdate(6.5) << true << 6.5 << "UpdatePart";
}

void TestSettingsUpdates::updatesPushOnlyWhatChanged()
{
    QFETCH(Update, update);
    QFETCH(bool, changes);
    QFETCH(double, after);
    QFETCH(QString, text);
    auto score = editableScore();
    QVERIFY(score);
    const double before = update.read(*score);
    if (!changes)
        after = before;
    TestSupport::MessageCapture capture;

    update.apply(*score);

    QCOMPARE(update.read(*score), after);
    QUndoStack *stack = score->undoStack;
    QCOMPARE(capture.count(regenerated), text.isEmpty() ? 0 : 1);
    QCOMPARE(stack->count(), text.isEmpty() ? 0 : 1);
    if (text.isEmpty())
        return;
    QCOMPARE(stack->command(0)->text(), text);
    QCOMPARE(stack->command(0)->childCount(), 0); // not a macro
    stack->undo();
    QCOMPARE(update.read(*score), before);
    stack->redo();
    QCOMPARE(update.read(*score), after);
}

void TestSettingsUpdates::pageUpdateResetsOffsetsOfAnEqualPage()
{
    auto score = editableScore();
    QVERIFY(score);
    Direction *words = dolce(*score);
    words->setOffset(1.5, -2.0);
    score->setChanged(false);
    std::unique_ptr<Page> same(score->page->clone());
    TestSupport::MessageCapture capture;

    score->updatePageCommand(same.get(), true);

    QVERIFY(!words->moved);
    QCOMPARE(words->x, 0.0);
    QVERIFY(score->changed);
    QCOMPARE(score->undoStack->count(), 0);
    QCOMPARE(capture.count(regenerated), 0);

    // With a different page the reset comes first, then the one step.
    words->setOffset(1.5, -2.0);
    same->measurePerLine = 2;
    score->updatePageCommand(same.get(), true);
    QVERIFY(!words->moved);
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(score->page->measurePerLine, 2);
    QCOMPARE(capture.count(regenerated), 1);
}

void TestSettingsUpdates::multiMeasureRestsAndMeasureSizeReset_data()
{
    QTest::addColumn<bool>("debug");
    QTest::newRow("debug off") << false;
    QTest::newRow("debug on") << true;
}

void TestSettingsUpdates::multiMeasureRestsAndMeasureSizeReset()
{
    QFETCH(bool, debug);
    auto score = editableScore();
    QVERIFY(score);
    score->dSw = debug;
    QUndoStack *stack = score->undoStack;
    QCOMPARE(score->displayedMeasures.size(), 5);
    TestSupport::MessageCapture capture;

    score->multiMeasureRests();
    QVERIFY(capture.contains("multiMeasureRests() in score entered."));
    QVERIFY(score->style->multiMeasureRests);
    QCOMPARE(stack->count(), 1);
    QCOMPARE(stack->command(0)->text(), QStringLiteral("MultiMeasureRests"));
    QCOMPARE(capture.count(regenerated), 1);
    // Measures 2 to 4 now show as one.
    QCOMPARE(score->displayedMeasures.size(), 3);

    score->measures.at(0)->userScale = 1.5;
    score->setChanged(false);
    capture.clear();
    score->resetSizeMeasures();
    QCOMPARE(capture.contains("resetSizeMeasures entered."), debug);
    QCOMPARE(score->measures.at(0)->userScale, 1.0);
    QVERIFY(score->changed);
    QCOMPARE(stack->count(), 2);
    QCOMPARE(stack->command(1)->text(), QStringLiteral("ResetMeasureScale"));
    QCOMPARE(capture.count(regenerated), 1);
    stack->undo();
    QCOMPARE(score->measures.at(0)->userScale, 1.5);
}

void TestSettingsUpdates::cleanRefreshRebuildsFromTheOwnFile()
{
    auto score = editableScore();
    QVERIFY(score);
    std::unique_ptr<Style> settings(score->style->clone());
    settings->gapVoice = 0.4;
    score->updateStyleCommand(settings.get());
    score->setChanged(false);
    QVERIFY(!score->undoStack->isClean());
    score->scene->clearSelection();
    score->displayedMeasures.at(1)->measureItem->setSelected(true);
    dolce(*score)->item->setSelected(true);
    score->setSelectedMeasures();
    score->setSelectedDirections();
    QCOMPARE(score->selectedDirections.size(), 1);
    const Measure *oldFirst = score->measures.at(0);
    const QString before = TestSupport::savedScoreFile(*score);
    TestSupport::MessageCapture capture;

    score->cleanRefresh();

    QVERIFY(capture.contains("cleanRefresh() entered."));
    QCOMPARE(capture.count(regenerated), 1);
    QCOMPARE(score->undoStack->count(), 0);
    QVERIFY(score->selectedMeasures.isEmpty());
    QVERIFY(score->selectedNotes.isEmpty());
    QVERIFY(score->selectedDirections.isEmpty());
    QVERIFY(score->selectedNotations.isEmpty());
    QVERIFY(score->selectedDirectives.isEmpty());
    // The edits' history is gone, but they still need saving.
    QVERIFY(score->changed);
    QVERIFY(score->measures.at(0) != oldFirst);
    QCOMPARE(score->style->gapVoice, 0.4);
    QCOMPARE(score->displayedMeasures.size(), 5);
    QVERIFY(score->displayedMeasures.at(0)->measureItem);
    QCOMPARE(TestSupport::savedScoreFile(*score), before);
}

void TestSettingsUpdates::debugSwitchAndUndoListing()
{
    auto score = editableScore();
    QVERIFY(score);
    TestSupport::MessageCapture capture;
    score->setDebugSwitch(false);
    QVERIFY(capture.lines().isEmpty());
    QVERIFY(!score->dSw);
    score->setDebugSwitch(true);
    QCOMPARE(capture.lines(), QStringList({"setDebugSwitch this->dSw = true"}));
    QVERIFY(score->dSw);
    score->dSw = false;

    capture.clear();
    score->listUndoCommands();
    QCOMPARE(capture.lines(),
             QStringList({"listUndoCommands in score entered.",
                          "undocommand current index (next redo command no) =  0"}));

    score->multiMeasureRests();
    score->resetSizeMeasures();
    score->undoStack->undo();
    capture.clear();
    score->listUndoCommands();
    QCOMPARE(capture.lines(),
             QStringList({"listUndoCommands in score entered.",
                          "undocommand index, name =  0 \"MultiMeasureRests\"",
                          "undocommand index, name =  1 \"ResetMeasureScale\"",
                          "undocommand current index (next redo command no) =  1"}));
}

void TestSettingsUpdates::logGrowsAndIsSentWhole()
{
    Score score(QStringLiteral("test"), 1, false);
    QSignalSpy spy(&score, &Score::sigRefreshLog);
    score.clearLog();
    score.appendLog(QStringLiteral("a"));
    score.appendLog(QStringLiteral("b"));
    QCOMPARE(score.logText, QStringLiteral("ab"));
    QCOMPARE(spy.size(), 3);
    QCOMPARE(spy.at(0).at(0).toString(), QString());
    QCOMPARE(spy.at(1).at(0).toString(), QStringLiteral("a"));
    QCOMPARE(spy.at(2).at(0).toString(), QStringLiteral("ab"));
    score.clearLog();
    QCOMPARE(score.logText, QString());
    QCOMPARE(spy.last().at(0).toString(), QString());
}

void TestSettingsUpdates::scoreWithoutPartsOrMeasures()
{
    Score score(QStringLiteral("test"), 1, false);
    score.generateScore();
    std::unique_ptr<Style> style(score.style->clone());
    style->gapVoice = 0.3;
    score.updateStyleCommand(style.get());
    std::unique_ptr<Page> page(score.page->clone());
    page->measurePerLine = 2;
    score.updatePageCommand(page.get(), true);
    score.updatePartCommand({});
    score.multiMeasureRests();
    score.resetSizeMeasures();
    QCOMPARE(score.undoStack->count(), 5);
    // Nothing to rebuild from: the loader refuses and the score stays.
    score.cleanRefresh();
    QCOMPARE(score.page->measurePerLine, 2);
    QVERIFY(score.measures.isEmpty());
}

VELMORA_TEST_MAIN(TestSettingsUpdates)

} // namespace tst_settings_updates
#include "tst_settings_updates.moc"
