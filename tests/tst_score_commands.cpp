// The main window's editing commands on the score in front: their log
// lines, Undo and Redo with the dialogs brought up to date, multi-measure
// rests, palette clicks (long repeats and group headers), Go To Measure,
// the palette's visibility and accepted drags; with no score each does
// nothing.
#include "app/mainwindow.h"
#include "model/directive.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "support/messagecapture.h"
#include "support/modelbuilder.h"
#include "support/scorefile.h"
#include "support/scriptedprompter.h"
#include "support/testenvironment.h"
#include "ui_mainwindow.h"
#include "view/scene.h"

#include <QDragEnterEvent>
#include <QFrame>
#include <QGraphicsItem>
#include <QMimeData>
#include <QStandardItemModel>
#include <QTest>
#include <QUndoStack>

#include <memory>

namespace tst_score_commands {

using namespace TestSupport;

namespace {

const QString chords = QStringLiteral("moves/moves-ChordsWedgeSlur.xml");

Score *generated(const QString &fixture)
{
    auto score = std::make_unique<Score>(QStringLiteral("test"), 1, false);
    if (!loadScoreFile(*score, fixturePath(fixture)) || !score->generateScore())
        return nullptr;
    return score.release();
}

// One part of `count` measures; measures `restFrom` to `restTo` (0-based)
// are whole-measure rests, the others one whole note.
Score *measuresScore(int count, int restFrom = -1, int restTo = -1)
{
    auto *score = new Score(QStringLiteral("test"), 1, false);
    ModelBuilder builder(score);
    builder.addPart(QStringLiteral("Shakuhachi"));
    for (int i = 0; i < count; ++i) {
        builder.addMeasure();
        const bool rest = i >= restFrom && i <= restTo;
        builder.addNotes(0, 1, rest ? QStringLiteral("r/0") : QStringLiteral("D5/1"));
    }
    score->generateScore();
    return score;
}

Note *noteOf(Score &score, int measure, int index)
{
    return score.measures.at(measure)->parts.at(0)->voices.made(0)->notes.at(index);
}

void selectNote(Score &score, int measure, int index)
{
    score.scene->clearSelection();
    const Note *note = noteOf(score, measure, index);
    QGraphicsItem *glyph =
        score.measures.at(measure)->getItemGraphicsItem(0, 0, note->firstAlignItem);
    QVERIFY(glyph);
    glyph->setSelected(true);
}

int liveDirectives(const Note *note)
{
    int count = 0;
    for (const Directive *directive : note->directives)
        count += !directive->deleted;
    return count;
}

QStringList logLines(const Score *score)
{
    return score->logText.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// A palette entry carrying `text` as its directive, as the palette's items do.
QModelIndex paletteEntry(QStandardItemModel &model, const QString &text)
{
    auto *item = new QStandardItem(QStringLiteral("entry"));
    item->setData(text, Qt::UserRole + 1);
    model.appendRow(item);
    return item->index();
}

} // namespace

class TestScoreCommands : public QObject
{
    Q_OBJECT

private slots:
    void init() { prompter().reset(); }
    void commandsLogTheirLine_data();
    void commandsLogTheirLine();
    void undoAndRedo();
    void emptyStackDoesNothing();
    void multimeasureRestsToggle();
    void longRepeatRefusals_data();
    void longRepeatRefusals();
    void paletteEntryAddsItsDirective();
    void groupHeaderAddsNothing();
    void goToMeasure_data();
    void goToMeasure();
    void goToMeasureCancelled();
    void goToMeasureWithoutMeasures();
    void palletteFrameFollowsItsAction();
    void dragsAreAccepted_data();
    void dragsAreAccepted();
    void noScoreDoesNothing();
};

void TestScoreCommands::commandsLogTheirLine_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("line");
    QTest::newRow("stretch") << "actionStretch"
                             << "longerMeasure completed------------";
    QTest::newRow("little stretch") << "actionStretchLittle"
                                    << "longerMeasure completed------------";
    QTest::newRow("shorten") << "actionShorten"
                             << "shorterMeasure completed------------";
    QTest::newRow("little shorten") << "actionShortenLittle"
                                    << "shorterMeasure completed------------";
    QTest::newRow("reset size") << "actionMesSizeReset"
                                << "resetSizeMeasure completed------------";
    QTest::newRow("line break") << "actionLineBreak"
                                << "insertLineBreak completed------------";
    QTest::newRow("page break") << "actionPageBreak"
                                << "insertPageBreak completed------------";
    QTest::newRow("white page") << "actionWhitePageBreak"
                                << "insertWhitePageBreak completed------------";
    QTest::newRow("delete") << "actionDelete"
                            << "deleteSelectedSymbol completed------------";
}

void TestScoreCommands::commandsLogTheirLine()
{
    QFETCH(QString, action);
    QFETCH(QString, line);
    MainWindow window;
    Score *score = generated(chords);
    QVERIFY(score);
    window.addScoreTab(score);
    score->logText.clear();
    auto *a = window.findChild<QAction *>(action);
    QVERIFY(a);
    a->setEnabled(true);
    a->trigger();
    QCOMPARE(logLines(score), QStringList{line});
}

void TestScoreCommands::undoAndRedo()
{
    MainWindow window;
    Score *score = generated(chords);
    QVERIFY(score);
    window.addScoreTab(score);
    const bool before = score->style->multiMeasureRests;
    window.ui->actionMultimeasureRests->trigger();
    QCOMPARE(score->style->multiMeasureRests, !before);
    score->logText.clear();
    MessageCapture capture;
    window.undo();
    QCOMPARE(score->style->multiMeasureRests, before);
    QCOMPARE(window.ui->actionMultimeasureRests->isChecked(), before);
    QCOMPARE(capture.count(QStringLiteral("generateScore: entered----------.")), 1);
    window.redo();
    QCOMPARE(score->style->multiMeasureRests, !before);
    QCOMPARE(window.ui->actionMultimeasureRests->isChecked(), !before);
    QCOMPARE(logLines(score),
             (QStringList{"undo completed--------------", "redo completed--------------"}));
}

void TestScoreCommands::emptyStackDoesNothing()
{
    MainWindow window;
    Score *score = generated(chords);
    QVERIFY(score);
    window.addScoreTab(score);
    score->logText.clear();
    MessageCapture capture;
    window.undo();
    window.redo();
    QVERIFY(score->logText.isEmpty());
    QCOMPARE(capture.count(QStringLiteral("generateScore: entered----------.")), 0);
}

// One toggle per trigger, and the action's check mark follows the score.
void TestScoreCommands::multimeasureRestsToggle()
{
    MainWindow window;
    Score *score = generated(chords);
    QVERIFY(score);
    window.addScoreTab(score);
    score->style->multiMeasureRests = false;
    window.updateDialogs();
    QVERIFY(!window.ui->actionMultimeasureRests->isChecked());
    for (int i = 1; i <= 3; ++i) {
        window.ui->actionMultimeasureRests->trigger();
        QCOMPARE(score->style->multiMeasureRests, i % 2 == 1);
        QCOMPARE(window.ui->actionMultimeasureRests->isChecked(), i % 2 == 1);
        QCOMPARE(score->undoStack->count(), i);
    }
}

// The long-repeat command's two refusals are told and add nothing.
void TestScoreCommands::longRepeatRefusals_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("refusal");
    QTest::addColumn<QString>("message");
    QTest::newRow("chord member") << ".longRepeat{1}" << 1 << "Select base chord note!";
    QTest::newRow("step, chord member") << ".longStep{1}" << 1 << "Select base chord note!";
    QTest::newRow("nested") << ".longRepeat{1}" << 2 << "Long repeats cannot be nested!";
}

void TestScoreCommands::longRepeatRefusals()
{
    QFETCH(QString, text);
    QFETCH(int, refusal);
    QFETCH(QString, message);
    MainWindow window;
    Score *score = generated(chords);
    QVERIFY(score);
    window.addScoreTab(score);
    if (refusal == 2) {
        noteOf(*score, 0, 3)->longRepeatCount = 1;
        QVERIFY(score->generateScore());
        score->scene->clearSelection();
        for (int index : {0, 4}) {
            const Note *note = noteOf(*score, 0, index);
            score->measures.at(0)
                ->getItemGraphicsItem(0, 0, note->firstAlignItem)
                ->setSelected(true);
        }
    } else {
        selectNote(*score, 0, 1);
    }
    const int directives[2] = {liveDirectives(noteOf(*score, 0, 0)),
                               liveDirectives(noteOf(*score, 0, 1))};
    QStandardItemModel model;
    window.palleteClicked(paletteEntry(model, text));
    QCOMPARE(prompter().texts(QStringLiteral("information")), QStringList{message});
    QCOMPARE(prompter().prompts.first().title, QStringLiteral("Velmora"));
    QCOMPARE(score->undoStack->count(), 0);
    QCOMPARE(liveDirectives(noteOf(*score, 0, 0)), directives[0]);
    QCOMPARE(liveDirectives(noteOf(*score, 0, 1)), directives[1]);
}

void TestScoreCommands::paletteEntryAddsItsDirective()
{
    MainWindow window;
    Score *score = generated(chords);
    QVERIFY(score);
    window.addScoreTab(score);
    selectNote(*score, 0, 4);
    const int before = liveDirectives(noteOf(*score, 0, 4));
    QStandardItemModel model;
    window.palleteClicked(paletteEntry(model, QStringLiteral(".noPrev")));
    QCOMPARE(liveDirectives(noteOf(*score, 0, 4)), before + 1);
    QCOMPARE(score->undoStack->count(), 1);
    QVERIFY(prompter().prompts.isEmpty());
}

// A group header carries no directive text: clicking it with a note
// selected attaches nothing and leaves no undo step.
void TestScoreCommands::groupHeaderAddsNothing()
{
    MainWindow window;
    Score *score = generated(chords);
    QVERIFY(score);
    window.addScoreTab(score);
    selectNote(*score, 0, 4);
    const int before = liveDirectives(noteOf(*score, 0, 4));
    QStandardItemModel model;
    auto *header = new QStandardItem(QStringLiteral("Techniques"));
    model.appendRow(header);
    window.palleteClicked(header->index());
    // The palette's own first row is its first group's header.
    const QModelIndex firstHeader = window.palleteModel->index(0, 0);
    QVERIFY(window.palleteModel->hasChildren(firstHeader));
    window.palleteClicked(firstHeader);
    window.palleteClicked(paletteEntry(model, QString()));
    QCOMPARE(liveDirectives(noteOf(*score, 0, 4)), before);
    QCOMPARE(score->undoStack->count(), 0);
}

void TestScoreCommands::goToMeasure_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("rests");
    QTest::addColumn<int>("shown"); // the selected measure's index
    QTest::newRow("past the end") << 9999 << false << 39;
    QTest::newRow("first") << 1 << false << 0;
    QTest::newRow("inside a multi-measure rest") << 15 << true << 9;
    QTest::newRow("first of the rest") << 10 << true << 9;
    QTest::newRow("after the rest") << 21 << true << 20;
}

void TestScoreCommands::goToMeasure()
{
    QFETCH(int, answer);
    QFETCH(bool, rests);
    QFETCH(int, shown);
    MainWindow window;
    window.resize(800, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Measures 10 to 20 (indices 9 to 19) are rests.
    Score *score = measuresScore(40, 9, 19);
    window.addScoreTab(score);
    if (rests) {
        score->style->multiMeasureRests = true;
        QVERIFY(score->generateScore());
        QVERIFY(!score->measures.at(14)->measureItem);
    }
    prompter().integerAnswers.enqueue(answer);
    window.ui->actionGoToMeasure->trigger();
    QCOMPARE(prompter().prompts.size(), 1);
    const auto &prompt = prompter().prompts.first();
    QCOMPARE(prompt.kind, QStringLiteral("integer"));
    QCOMPARE(prompt.title, QStringLiteral("Go To Measure"));
    QCOMPARE(prompt.text, QStringLiteral("Measure Number:"));
    QCOMPARE(prompt.value, 1);
    QCOMPARE(prompt.minimum, 1);
    QCOMPARE(prompt.maximum, 10000);
    QCOMPARE(prompt.step, 1);
    QGraphicsItem *item = score->measures.at(shown)->measureItem;
    QVERIFY(item);
    QCOMPARE(score->scene->selectedItems(), QList<QGraphicsItem *>{item});
    const QRect seen = score->mapFromScene(item->sceneBoundingRect()).boundingRect();
    QVERIFY(score->viewport()->rect().intersects(seen));
}

void TestScoreCommands::goToMeasureCancelled()
{
    MainWindow window;
    Score *score = measuresScore(3);
    window.addScoreTab(score);
    window.ui->actionGoToMeasure->trigger(); // an empty queue cancels
    QCOMPARE(prompter().prompts.size(), 1);
    QVERIFY(score->scene->selectedItems().isEmpty());
}

void TestScoreCommands::goToMeasureWithoutMeasures()
{
    MainWindow window;
    Score *score = measuresScore(0);
    window.addScoreTab(score);
    prompter().integerAnswers.enqueue(5);
    window.ui->actionGoToMeasure->trigger();
    QCOMPARE(prompter().prompts.size(), 1);
    QVERIFY(score->scene->selectedItems().isEmpty());
    window.ensureVisibleMeasure(0, true);
    QVERIFY(score->scene->selectedItems().isEmpty());
}

void TestScoreCommands::palletteFrameFollowsItsAction()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const bool before = window.ui->actionPalleteNew->isChecked();
    for (int i = 1; i <= 2; ++i) {
        MessageCapture capture;
        window.ui->actionPalleteNew->trigger();
        const bool checked = window.ui->actionPalleteNew->isChecked();
        QCOMPARE(checked, i % 2 == 1 ? !before : before);
        QCOMPARE(window.palleteFrame->isVisible(), checked);
        QVERIFY(capture.contains(QStringLiteral("enter displayPattlete checked= ") +
                                 (checked ? "true" : "false")));
    }
}

void TestScoreCommands::dragsAreAccepted_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("line");
    QTest::newRow("text") << "text"
                          << "dragEnterEvent hasText";
    // The toolkit offers a list of URLs as text too.
    QTest::newRow("urls") << "urls"
                          << "dragEnterEvent hasText";
    QTest::newRow("other") << "other"
                           << "dragEnterEvent Else";
}

void TestScoreCommands::dragsAreAccepted()
{
    QFETCH(QString, kind);
    QFETCH(QString, line);
    MainWindow window;
    QMimeData data;
    if (kind == QLatin1String("text"))
        data.setText(QStringLiteral("words"));
    else if (kind == QLatin1String("urls"))
        data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.tnsx"))});
    else
        data.setData(QStringLiteral("application/x-other"), "x");
    QDragEnterEvent event(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    event.ignore();
    MessageCapture capture;
    QCoreApplication::sendEvent(&window, &event);
    QVERIFY(event.isAccepted());
    QCOMPARE(event.dropAction(), Qt::CopyAction);
    QVERIFY(capture.contains(line));
}

// Bad input: with no score every command of the window does nothing.
void TestScoreCommands::noScoreDoesNothing()
{
    MainWindow window;
    QStandardItemModel model;
    window.undo();
    window.redo();
    window.on_actionMultimeasureRests_triggered();
    window.on_actionGoToMeasure_triggered();
    window.ensureVisibleMeasure(3, true);
    window.palleteClicked(paletteEntry(model, QStringLiteral(".longRepeat{1}")));
    window.longerItems();
    window.deleteSelectedSymbol();
    window.insertLineBreak();
    QVERIFY(prompter().prompts.isEmpty());
    QVERIFY(!window.ui->actionMultimeasureRests->isChecked());
}

VELMORA_TEST_MAIN(TestScoreCommands)

} // namespace tst_score_commands
#include "tst_score_commands.moc"
