// Multi-measure rests and the displayed-measure list: which runs of
// whole-rest measures merge, what the merged measure shows, and that
// merging never changes the model (undo commands keep pointing at live
// objects across regenerations).
#include "model/direction.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

#include <QUndoCommand>
#include <QUndoStack>
#include <functional>

namespace tst_displayed_measures {

using MeasureSetup = std::function<void(Score *)>;

namespace {

// Two shown parts; every measure rests in both unless `played` lists it
// (1-based), then part 0 plays a whole note there.
void buildRests(Score *score, int count, const QList<int> &played = {})
{
    TestSupport::ModelBuilder builder(score);
    builder.addPart(QStringLiteral("Shakuhachi"));
    builder.addPart(QStringLiteral("Koto"), 5);
    for (int m = 1; m <= count; ++m) {
        builder.addMeasure();
        builder.addNotes(0, 1, played.contains(m) ? QStringLiteral("C4/1") : QStringLiteral("r/0"));
        builder.addNotes(1, 1, QStringLiteral("r/0"));
    }
}

Measure *measureAt(Score *score, int number)
{
    return score->measures.at(number - 1);
}

QList<int> counts(const Score *score)
{
    QList<int> result;
    for (const Measure *measure : score->measures)
        result << measure->multiRestCount;
    return result;
}

Direction *addDirection(Score *score, int measureNumber, int kind, int part = 0)
{
    auto *direction = new Direction;
    direction->kind = kind;
    direction->text = QStringLiteral("kind %1").arg(kind);
    measureAt(score, measureNumber)->parts.at(part)->voices.use(0)->directions.append(direction);
    return direction;
}

// What an edit's undo command keeps: the model object it changed, and its
// old value to swap back in.
class MoveDirection : public QUndoCommand
{
public:
    MoveDirection(Direction *target, double x) : m_target(target), m_otherX(x) {}
    void undo() override { swap(); }
    void redo() override { swap(); }

private:
    void swap()
    {
        std::swap(m_target->x, m_otherX);
        std::swap(m_target->moved, m_otherMoved);
    }
    Direction *m_target;
    double m_otherX;
    bool m_otherMoved = true;
};

} // namespace

class TestDisplayedMeasures : public QObject
{
    Q_OBJECT

private slots:
    void storedCountHonouredWhenOff();
    void runsFoundWhenOn_data();
    void runsFoundWhenOn();
    void mergedMeasureShowsTheEndOfItsRun_data();
    void mergedMeasureShowsTheEndOfItsRun();
    void storedCountPastTheLastMeasureStopsThere();
    void mergingLeavesModelAndUndoIntact();
};

void TestDisplayedMeasures::storedCountHonouredWhenOff()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    buildRests(&score, 6, {1, 2, 3, 4, 5, 6});
    measureAt(&score, 2)->multipleRest = 4;

    score.setMultiMeasureRests(false);
    QCOMPARE(counts(&score), QList<int>({0, 4, 0, 0, 0, 0}));
    QVERIFY(score.buildDisplayedMeasures());
    const QList<Measure *> expected = {measureAt(&score, 1), measureAt(&score, 2),
                                       measureAt(&score, 6)};
    QCOMPARE(score.displayedMeasures, expected);

    // On, the stored count is ignored: these measures are played.
    score.setMultiMeasureRests(true);
    QCOMPARE(counts(&score), QList<int>({0, 0, 0, 0, 0, 0}));
    QVERIFY(!score.buildDisplayedMeasures());
    QCOMPARE(score.displayedMeasures, score.measures);
}

void TestDisplayedMeasures::runsFoundWhenOn_data()
{
    QTest::addColumn<int>("measureCount");
    QTest::addColumn<QList<int>>("played");
    QTest::addColumn<MeasureSetup>("setup");
    QTest::addColumn<QList<int>>("expected");
    QTest::addColumn<int>("displayed");

    const MeasureSetup none = [](Score *) {};
    QTest::newRow("eight rests, key change at the fifth")
        << 8 << QList<int>{} << MeasureSetup([](Score *s) {
               measureAt(s, 5)->keyGiven = true;
               measureAt(s, 5)->fifths = 2;
           })
        << QList<int>{4, 0, 0, 0, 4, 0, 0, 0} << 2;
    QTest::newRow("time change starts a run")
        << 4 << QList<int>{} << MeasureSetup([](Score *s) { measureAt(s, 3)->timeGiven = true; })
        << QList<int>{2, 0, 2, 0} << 2;
    QTest::newRow("right repeat ends the run after it")
        << 6 << QList<int>{} << MeasureSetup([](Score *s) {
               measureAt(s, 3)->rightBarline = true;
               measureAt(s, 3)->rightRepeat = 2;
           })
        << QList<int>{3, 0, 0, 3, 0, 0} << 2;
    QTest::newRow("double bar ends the run after it")
        << 6 << QList<int>{} << MeasureSetup([](Score *s) {
               measureAt(s, 2)->rightBarline = true;
               measureAt(s, 2)->rightBarStyle = 2;
           })
        << QList<int>{2, 0, 4, 0, 0, 0} << 2;
    QTest::newRow("no run into a measure that starts an ending")
        << 6 << QList<int>{} << MeasureSetup([](Score *s) { measureAt(s, 4)->endingType = 1; })
        << QList<int>{3, 0, 0, 3, 0, 0} << 2;
    QTest::newRow("a rehearsal-like direction keeps its measure apart")
        << 4 << QList<int>{} << MeasureSetup([](Score *s) { addDirection(s, 3, 1); })
        << QList<int>{2, 0, 2, 0} << 2;
    QTest::newRow("a blocking direction ends the run after its measure")
        << 4 << QList<int>{} << MeasureSetup([](Score *s) { addDirection(s, 2, 7); })
        << QList<int>{2, 0, 2, 0} << 2;
    // A wedge may stand inside a run, but never lets it cross a key change.
    QTest::newRow("a wedge does not carry a run across a key change")
        << 4 << QList<int>{} << MeasureSetup([](Score *s) {
               addDirection(s, 3, 3);
               measureAt(s, 3)->keyGiven = true;
           })
        << QList<int>{2, 0, 2, 0} << 2;
    QTest::newRow("wedges stay inside a run") << 4 << QList<int>{} << MeasureSetup([](Score *s) {
        addDirection(s, 2, 3);
        addDirection(s, 4, 5);
    }) << QList<int>{4, 0, 0, 0} << 1;
    QTest::newRow("a lone rest between played measures keeps count 1")
        << 3 << QList<int>{1, 3} << none << QList<int>{0, 1, 0} << 3;
    QTest::newRow("a played second voice is not swallowed")
        << 3 << QList<int>{} << MeasureSetup([](Score *s) {
               MePart *cell = measureAt(s, 2)->parts.at(0);
               auto *note = new Note;
               note->noteType = 4;
               note->voice = 2;
               cell->voices.use(1)->notes.append(note);
               cell->voices.use(1)->hasNotes = true;
               cell->restOnly = false;
           })
        << QList<int>{1, 0, 1} << 3;
    QTest::newRow("a part that is not shown does not count")
        << 3 << QList<int>{2} << MeasureSetup([](Score *s) { s->parts.at(0)->partOutput = false; })
        << QList<int>{3, 0, 0} << 1;
}

void TestDisplayedMeasures::runsFoundWhenOn()
{
    QFETCH(int, measureCount);
    QFETCH(QList<int>, played);
    QFETCH(MeasureSetup, setup);
    QFETCH(QList<int>, expected);
    QFETCH(int, displayed);

    Score score(QStringLiteral("5.3.1"), 0, false);
    buildRests(&score, measureCount, played);
    setup(&score);
    score.setMultiMeasureRests(true);
    QCOMPARE(counts(&score), expected);
    QCOMPARE(score.buildDisplayedMeasures(), displayed < measureCount);
    QCOMPARE(score.displayedMeasures.size(), displayed);
}

void TestDisplayedMeasures::mergedMeasureShowsTheEndOfItsRun_data()
{
    QTest::addColumn<int>("firstEnding");
    QTest::addColumn<int>("lastEnding");
    QTest::addColumn<int>("shownEnding");
    QTest::newRow("stop of an ending opened before") << 0 << 2 << 2;
    QTest::newRow("discontinue of an ending opened before") << 0 << 3 << 3;
    QTest::newRow("stop of an ending opened by the rest") << 1 << 2 << 4;
    QTest::newRow("discontinue of an ending opened by the rest") << 1 << 3 << 5;
    QTest::newRow("none") << 0 << 0 << 0;
}

void TestDisplayedMeasures::mergedMeasureShowsTheEndOfItsRun()
{
    QFETCH(int, firstEnding);
    QFETCH(int, lastEnding);
    QFETCH(int, shownEnding);

    Score score(QStringLiteral("5.3.1"), 0, false);
    buildRests(&score, 5, {5});
    measureAt(&score, 1)->endingType = firstEnding;
    Measure *last = measureAt(&score, 4);
    last->rightBarline = true;
    last->rightBarStyle = 1;
    last->rightRepeat = 2;
    last->endingType = lastEnding;
    Direction *crescendo = addDirection(&score, 2, 3);
    addDirection(&score, 3, 2); // not a wedge: stays with its own measure
    Direction *diminuendo = addDirection(&score, 3, 4, 1);
    Direction *wedgeStop = addDirection(&score, 4, 5);
    Direction *words = addDirection(&score, 4, 2);

    score.setMultiMeasureRests(true);
    QCOMPARE(counts(&score), QList<int>({4, 0, 0, 0, 0}));
    QVERIFY(score.buildDisplayedMeasures());
    Measure *shown = measureAt(&score, 1);
    QCOMPARE(score.displayedMeasures, QList<Measure *>({shown, measureAt(&score, 5)}));
    QCOMPARE(shown->shownRightBarline, true);
    QCOMPARE(shown->shownRightBarStyle, 1);
    QCOMPARE(shown->shownRightRepeat, 2);
    QCOMPARE(shown->shownEndingType, shownEnding);
    // In measure order: the wedges between, then the last measure's
    // directions, so a hairpin opened inside the run meets its stop after it.
    const Voice *voice0 = shown->parts.at(0)->voices.first();
    QCOMPARE(voice0->mergedDirections, QList<Direction *>({crescendo, wedgeStop, words}));
    QCOMPARE(voice0->shownDirections(), voice0->mergedDirections);
    QCOMPARE(shown->parts.at(1)->voices.first()->mergedDirections,
             QList<Direction *>({diminuendo}));
    // The measure's own barline and ending stay as the file gave them.
    QCOMPARE(shown->rightBarline, false);
    QCOMPARE(shown->endingType, firstEnding);
    QVERIFY(voice0->directions.isEmpty());
}

void TestDisplayedMeasures::storedCountPastTheLastMeasureStopsThere()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    buildRests(&score, 3);
    measureAt(&score, 2)->multipleRest = 9;
    measureAt(&score, 3)->rightBarline = true;
    measureAt(&score, 3)->rightBarStyle = 1;
    score.setMultiMeasureRests(false);
    QVERIFY(score.buildDisplayedMeasures());
    QCOMPARE(score.displayedMeasures.size(), 2);
    QCOMPARE(measureAt(&score, 2)->shownRightBarStyle, 1);
}

void TestDisplayedMeasures::mergingLeavesModelAndUndoIntact()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    buildRests(&score, 6, {6});
    score.style->multiMeasureRests = true;
    score.page->horizontal = true;
    measureAt(&score, 5)->rightBarline = true;
    measureAt(&score, 5)->rightBarStyle = 1;
    Direction *swallowed = addDirection(&score, 5, 5);
    addDirection(&score, 3, 3);
    const QList<Measure *> measures = score.measures;
    const QString original = TestSupport::dumpModel(&score);

    auto regenerate = [&score]() {
        score.setMultiMeasureRests(score.style->multiMeasureRests);
        const bool merged = score.buildDisplayedMeasures();
        score.layoutHorizontalScore();
        return merged;
    };
    QVERIFY(regenerate());
    QCOMPARE(TestSupport::dumpModel(&score), original);

    score.undoStack->push(new MoveDirection(swallowed, 3.5));
    const QString edited = TestSupport::dumpModel(&score);
    QVERIFY(edited != original);
    QVERIFY(regenerate());
    QVERIFY(regenerate());
    // Regeneration neither rebuilt nor changed the model: same objects,
    // same content, and the merged rest shows the edited direction once.
    QCOMPARE(score.measures, measures);
    QCOMPARE(TestSupport::dumpModel(&score), edited);
    const QList<Direction *> merged =
        measureAt(&score, 1)->parts.at(0)->voices.first()->mergedDirections;
    QCOMPARE(merged.count(swallowed), 1);
    QCOMPARE(merged.size(), 2);
    QCOMPARE(measureAt(&score, 1)->shownRightBarStyle, 1);

    score.undoStack->undo();
    QCOMPARE(swallowed->x, 0.0);
    QVERIFY(regenerate());
    QCOMPARE(TestSupport::dumpModel(&score), original);
    score.undoStack->redo();
    QCOMPARE(TestSupport::dumpModel(&score), edited);
}

VELMORA_TEST_MAIN(TestDisplayedMeasures)

} // namespace tst_displayed_measures
#include "tst_displayed_measures.moc"
