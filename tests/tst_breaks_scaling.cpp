// Breaks and user scales on the selection: one macro per command with one
// break or scale step per selected measure (and, for scaling, notation,
// direction and directive), the same objects selected again after the
// regeneration; other selected items, tags past the measures and an empty
// selection add no step.
#include "model/credit.h"
#include "model/direction.h"
#include "model/directive.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/page.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/editablescore.h"
#include "support/messagecapture.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QGraphicsItem>
#include <QUndoStack>

#include <algorithm>
#include <functional>
#include <memory>

namespace tst_breaks_scaling {

using TestSupport::editableScore;

namespace {

const QString regenerated = QStringLiteral("generateScore: entered----------.");

Voice *firstVoice(Score &score)
{
    return score.measures.at(0)->parts.at(0)->voices.made(0);
}

Note *firstNote(Score &score)
{
    return firstVoice(score)->notes.at(0);
}

// The items the break and scale commands pass over: a lyric, a credit and
// a note glyph.
void selectOthers(Score &score)
{
    Note *note = firstNote(score);
    note->lyrics.at(0)->item->setSelected(true);
    score.credits.at(0)->item->setSelected(true);
    score.measures.at(0)->getItemGraphicsItem(0, 0, note->firstAlignItem)->setSelected(true);
}

Notation *fermata(Score &score)
{
    for (Notation *notation : std::as_const(firstNote(score)->notations)) {
        if (notation->kind == NotationKind::Fermata)
            return notation;
    }
    qFatal("the fixture's first note has no fermata");
    return nullptr;
}

QGraphicsItem *measureItem(Score &score, int index)
{
    return score.displayedMeasures.at(index)->measureItem;
}

// The model objects a scale row selects and reads.
enum Target
{
    MeasureTarget,
    NotationTarget,
    DirectionTarget,
    DirectiveTarget
};

double *scaleOf(Score &score, int target)
{
    Note *note = firstNote(score);
    switch (target) {
    case MeasureTarget:
        return &score.measures.at(0)->userScale;
    case NotationTarget:
        return &fermata(score)->scale;
    case DirectionTarget:
        return &firstVoice(score)->directions.at(0)->scale;
    default:
        return &note->directives.at(0)->scale;
    }
}

QGraphicsItem *itemOf(Score &score, int target)
{
    Note *note = firstNote(score);
    switch (target) {
    case MeasureTarget:
        return measureItem(score, 0);
    case NotationTarget:
        return fermata(score)->item;
    case DirectionTarget:
        return firstVoice(score)->directions.at(0)->item;
    default:
        return note->directives.at(0)->item;
    }
}

using Operation = std::function<void(Score &)>;

} // namespace


class TestBreaksScaling : public QObject
{
    Q_OBJECT

private slots:
    void breaksOnSelectedMeasures_data();
    void breaksOnSelectedMeasures();
    void nothingToChange_data();
    void nothingToChange();
    void scaleOneKind_data();
    void scaleOneKind();
    void scaleEveryKindAtOnce();
    void scoreWithoutMeasures();
};

void TestBreaksScaling::breaksOnSelectedMeasures_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QString>("macro");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("breakType");
    QTest::newRow("line") << Operation([](Score &s) { s.insertLineBreak(); }) << "InsertLineBreak"
                          << "InsertLineBreak" << 1;
    QTest::newRow("page") << Operation([](Score &s) { s.insertPageBreak(); }) << "insertPageBreak"
                          << "InsertPageBreak" << 2;
    QTest::newRow("white page") << Operation([](Score &s) { s.insertWhitePageBreak(); })
                                << "InsertWhitePageBreak"
                                << "InsertWhitePageBreak" << 3;
}

void TestBreaksScaling::breaksOnSelectedMeasures()
{
    QFETCH(Operation, operation);
    QFETCH(QString, macro);
    QFETCH(QString, text);
    QFETCH(int, breakType);
    auto score = editableScore();
    QVERIFY(score);
    const QList<int> chosen = {0, 2, 4};
    for (int index : chosen)
        measureItem(*score, index)->setSelected(true);
    selectOthers(*score);
    TestSupport::MessageCapture capture;

    operation(*score);

    QUndoStack *stack = score->undoStack;
    QCOMPARE(stack->count(), 1);
    const QUndoCommand *step = stack->command(0);
    QCOMPARE(step->text(), macro);
    QCOMPARE(step->childCount(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(step->child(i)->text(), text);
    for (int i = 0; i < score->measures.size(); ++i)
        QCOMPARE(score->measures.at(i)->userBreakType, chosen.contains(i) ? breakType : 0);
    QCOMPARE(capture.count(regenerated), 1);
    // The new measure items of the same measures, and nothing else.
    QList<QGraphicsItem *> selected = score->scene->selectedItems();
    QCOMPARE(selected.size(), 3);
    for (int index : chosen)
        QVERIFY(selected.contains(measureItem(*score, index)));

    stack->undo();
    for (const Measure *measure : std::as_const(score->measures))
        QCOMPARE(measure->userBreakType, 0);
}

void TestBreaksScaling::nothingToChange_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<bool>("others");
    const Operation operations[] = {
        [](Score &s) { s.insertLineBreak(); },
        [](Score &s) { s.insertPageBreak(); },
        [](Score &s) { s.insertWhitePageBreak(); },
        [](Score &s) { s.scaleItemsCommand(true, false); },
    };
    const char *names[] = {"line break", "page break", "white page break", "scale"};
    for (int i = 0; i < 4; ++i) {
        QTest::addRow("%s, nothing selected", names[i]) << operations[i] << false;
        QTest::addRow("%s, only other items", names[i]) << operations[i] << true;
    }
}

void TestBreaksScaling::nothingToChange()
{
    QFETCH(Operation, operation);
    QFETCH(bool, others);
    auto score = editableScore();
    QVERIFY(score);
    if (others) {
        selectOthers(*score);
        // A measure item that names a measure past the list.
        measureItem(*score, 1)->setData(1, score->displayedMeasures.size());
        measureItem(*score, 1)->setSelected(true);
    }
    TestSupport::MessageCapture capture;

    operation(*score);

    QCOMPARE(score->undoStack->count(), 0);
    QCOMPARE(capture.count(regenerated), 1);
    for (const Measure *measure : std::as_const(score->measures)) {
        QCOMPARE(measure->userBreakType, 0);
        QCOMPARE(measure->userScale, 1.0);
    }
}

void TestBreaksScaling::scaleOneKind_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<double>("before");
    QTest::addColumn<bool>("longer");
    QTest::addColumn<bool>("little");
    QTest::addColumn<double>("after");
    QTest::addColumn<QString>("text");
    QTest::newRow("measure longer")
        << int(MeasureTarget) << 1.0 << true << false << 1.1 << "ScaleMeasure";
    QTest::newRow("measure shorter back")
        << int(MeasureTarget) << 1.1 << false << false << 1.0 << "ScaleMeasure";
    QTest::newRow("measure little longer")
        << int(MeasureTarget) << 1.0 << true << true << 1.01 << "ScaleMeasure";
    QTest::newRow("notation little longer")
        << int(NotationTarget) << 1.0 << true << true << 1.01 << "ScaleNotation";
    QTest::newRow("notation shorter")
        << int(NotationTarget) << 1.0 << false << false << 1.0 / 1.1 << "ScaleNotation";
    QTest::newRow("direction little longer")
        << int(DirectionTarget) << 1.0 << true << true << 1.005 << "ScaleDirection";
    QTest::newRow("direction little shorter")
        << int(DirectionTarget) << 1.0 << false << true << 1.0 / 1.005 << "ScaleDirection";
    QTest::newRow("direction longer")
        << int(DirectionTarget) << 1.0 << true << false << 1.1 << "ScaleDirection";
    QTest::newRow("directive little longer")
        << int(DirectiveTarget) << 1.0 << true << true << 1.01 << "";
    QTest::newRow("directive shorter")
        << int(DirectiveTarget) << 2.2 << false << false << 2.0 << "";
}

void TestBreaksScaling::scaleOneKind()
{
    QFETCH(int, target);
    QFETCH(double, before);
    QFETCH(bool, longer);
    QFETCH(bool, little);
    QFETCH(double, after);
    QFETCH(QString, text);
    auto score = editableScore();
    QVERIFY(score);
    *scaleOf(*score, target) = before;
    score->generateScore();
    itemOf(*score, target)->setSelected(true);
    TestSupport::MessageCapture capture;

    score->scaleItemsCommand(longer, little);

    QVERIFY2(qAbs(*scaleOf(*score, target) - after) < 1e-12,
             qPrintable(QString::number(*scaleOf(*score, target), 'g', 17)));
    QUndoStack *stack = score->undoStack;
    QCOMPARE(stack->count(), 1);
    QCOMPARE(stack->command(0)->text(), QStringLiteral("measure scale change"));
    QCOMPARE(stack->command(0)->childCount(), 1);
    QCOMPARE(stack->command(0)->child(0)->text(), text);
    QCOMPARE(capture.count(regenerated), 1);
    QCOMPARE(score->scene->selectedItems(), QList<QGraphicsItem *>({itemOf(*score, target)}));
    stack->undo();
    QCOMPARE(*scaleOf(*score, target), before);
}

void TestBreaksScaling::scaleEveryKindAtOnce()
{
    auto score = editableScore();
    QVERIFY(score);
    score->page->autoNewline = true;
    score->generateScore();
    const QList<int> targets = {MeasureTarget, NotationTarget, DirectionTarget, DirectiveTarget};
    for (int target : targets)
        itemOf(*score, target)->setSelected(true);
    selectOthers(*score);

    score->scaleItemsCommand(true, true);

    QCOMPARE(score->undoStack->command(0)->childCount(), 4);
    QCOMPARE(*scaleOf(*score, DirectionTarget), 1.005);
    for (int target : {MeasureTarget, NotationTarget, DirectiveTarget})
        QCOMPARE(*scaleOf(*score, target), 1.01);
    // The same four objects, through their new items.
    QList<QGraphicsItem *> selected = score->scene->selectedItems();
    QCOMPARE(selected.size(), 4);
    for (int target : targets)
        QVERIFY(selected.contains(itemOf(*score, target)));
    QCOMPARE(score->selectedMeasures, QList<int>({0}));
    QCOMPARE(score->selectedNotations.size(), 1);
    QCOMPARE(score->selectedDirections.size(), 1);
    QCOMPARE(score->selectedDirectives.size(), 1);
}

void TestBreaksScaling::scoreWithoutMeasures()
{
    Score score(QStringLiteral("test"), 1, false);
    score.generateScore();
    TestSupport::MessageCapture capture;
    score.insertLineBreak();
    score.insertPageBreak();
    score.insertWhitePageBreak();
    score.scaleItemsCommand(false, true);
    QCOMPARE(capture.count(regenerated), 4);
    QCOMPARE(score.undoStack->count(), 0);
}

VELMORA_TEST_MAIN(TestBreaksScaling)

} // namespace tst_breaks_scaling
#include "tst_breaks_scaling.moc"
