// Selection tracking: the five lists rebuilt from the scene's selection in
// its order, each from its own kind of item; selecting the same objects
// again after a regeneration, records that name nothing any more, the
// scene's selection signal, and the checked lookup of a direction by tags.
#include "model/direction.h"
#include "model/directive.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/score.h"
#include "model/selecteddirection.h"
#include "model/selecteddirective.h"
#include "model/selectednotation.h"
#include "model/selectednote.h"
#include "model/style.h"
#include "model/voice.h"
#include "support/messagecapture.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QGraphicsItem>
#include <QPaintEvent>

#include <algorithm>

namespace tst_selection {

namespace {

enum Kind : int
{
    Measures,
    Notes,
    Directions,
    Notations,
    Directives
};

// The fixture generated with multi-measure rests on: displayed measures
// 0, 1 (standing for measures 1 to 3) and 2 (measure 4).
std::unique_ptr<Score> selectionScore()
{
    auto score = std::make_unique<Score>(QStringLiteral("test"), 1, false);
    if (!TestSupport::loadScoreFile(
            *score, TestSupport::fixturePath(QStringLiteral("view/view-SelectionObjects.xml"))))
        return nullptr;
    score->style->multiMeasureRests = true;
    TestSupport::generateInStyle(*score, 0, true);
    return score;
}

Voice *firstVoice(const Score &score, int measure)
{
    return score.measures.at(measure)->parts.at(0)->voices.made(0);
}

QGraphicsItem *noteGlyph(const Score &score, int measure, int note)
{
    const Note *n = firstVoice(score, measure)->notes.at(note);
    return score.measures.at(measure)->getItemGraphicsItem(0, 0, n->firstAlignItem);
}

// The current items of the objects a row selects.
QList<QGraphicsItem *> itemsOf(const Score &score, const QString &objects)
{
    Voice *voice = firstVoice(score, 0);
    if (objects == QLatin1String("measures 0 and 2"))
        return {score.displayedMeasures.at(0)->measureItem,
                score.displayedMeasures.at(2)->measureItem};
    if (objects == QLatin1String("notes 0 and 2"))
        return {noteGlyph(score, 0, 0), noteGlyph(score, 0, 2)};
    if (objects == QLatin1String("dolce"))
        return {voice->directions.at(0)->item};
    if (objects == QLatin1String("p on the rest"))
        return {score.directionAt(1, 0, 0, 0)->item};
    if (objects == QLatin1String("slur"))
        return {voice->notes.at(0)->notations.at(0)->item};
    if (objects == QLatin1String("noPrev"))
        return {voice->notes.at(2)->directives.at(0)->item};
    return {};
}

QList<int> recordOf(const QGraphicsItem *item, int kind)
{
    const auto tag = [item](ItemTagKey key) { return itemTag(item, key); };
    switch (kind) {
    case Measures:
        return {tag(TagMeasure)};
    case Notes:
        return {tag(TagMeasure), tag(TagPart), tag(TagVoice), tag(TagNote)};
    case Directions:
        return {tag(TagMeasure), tag(TagPart), tag(TagVoice), tag(TagDirection)};
    case Notations:
        return {tag(TagMeasure), tag(TagPart), tag(TagVoice), tag(TagNote), tag(TagNotation)};
    default:
        return {tag(TagMeasure), tag(TagPart), tag(TagVoice), tag(TagNote), tag(TagDirective)};
    }
}

int itemTypeOf(int kind)
{
    static const int types[] = {0, NoteItem, DirectionItem, NotationItem, DirectiveItem};
    return types[kind];
}

// What the rebuild of `kind` should make of the scene's selection, in its
// order.
QList<QList<int>> expectedRecords(const Score &score, int kind)
{
    QList<QList<int>> records;
    for (const QGraphicsItem *item : score.scene->selectedItems()) {
        if (item->data(TagType).isValid() && item->data(TagType).toInt() == itemTypeOf(kind))
            records.append(recordOf(item, kind));
    }
    return records;
}

QList<QList<int>> records(const Score &score, int kind)
{
    QList<QList<int>> out;
    switch (kind) {
    case Measures:
        for (int m : score.selectedMeasures)
            out.append(QList<int>{m});
        break;
    case Notes:
        for (const SelectedNote *r : score.selectedNotes)
            out.append(QList<int>{r->measureIndex, r->partIndex, r->voiceIndex, r->noteIndex});
        break;
    case Directions:
        for (const SelectedDirection *r : score.selectedDirections)
            out.append(QList<int>{r->measureIndex, r->partIndex, r->voiceIndex, r->directionIndex});
        break;
    case Notations:
        for (const SelectedNotation *r : score.selectedNotations)
            out.append(QList<int>{r->measureIndex, r->partIndex, r->voiceIndex, r->noteIndex,
                                  r->notationIndex});
        break;
    default:
        for (const SelectedDirective *r : score.selectedDirectives)
            out.append(QList<int>{r->measureIndex, r->partIndex, r->voiceIndex, r->noteIndex,
                                  r->directiveIndex});
    }
    return out;
}

void rebuild(Score &score, int kind)
{
    switch (kind) {
    case Measures:
        return score.setSelectedMeasures();
    case Notes:
        return score.setSelectedNotes();
    case Directions:
        return score.setSelectedDirections();
    case Notations:
        return score.setSelectedNotationItems();
    default:
        return score.setSelectedDirectiveItems();
    }
}

void reselect(Score &score, int kind)
{
    switch (kind) {
    case Measures:
        return score.reselectMeasures();
    case Notes:
        return score.reselectNoteItems();
    case Directions:
        return score.reselectDirectionItems();
    case Notations:
        return score.reselectNotationItems();
    default:
        return score.reselectDirectiveItems();
    }
}

void select(const QList<QGraphicsItem *> &items)
{
    for (QGraphicsItem *item : items)
        item->setSelected(true);
}

QSet<QGraphicsItem *> selectedSet(const Score &score)
{
    const QList<QGraphicsItem *> items = score.scene->selectedItems();
    return QSet<QGraphicsItem *>(items.begin(), items.end());
}

QSet<QGraphicsItem *> asSet(const QList<QGraphicsItem *> &items)
{
    return QSet<QGraphicsItem *>(items.begin(), items.end());
}

int reselectLines(const TestSupport::MessageCapture &capture)
{
    const QStringList lines = capture.lines();
    return int(std::count_if(lines.begin(), lines.end(), [](const QString &line) {
        return line.startsWith(QLatin1String("reselect"));
    }));
}

// Collects the rectangles of the paint events a widget receives.
class PaintRecorder : public QObject
{
public:
    QList<QRect> rects;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            rects.append(static_cast<QPaintEvent *>(event)->rect());
        return false;
    }
};

} // namespace

class TestSelection : public QObject
{
    Q_OBJECT

private slots:
    void rebuildTakesItsOwnKindInSceneOrder();
    void reselectFindsTheNewItems_data();
    void reselectFindsTheNewItems();
    void recordsThatNameNothingArePassedOver();
    void emptyListsLeaveTheSelection();
    void selectionChangedTracesAndLeavesTheLists();
    void selectionChangeRepaintsTheWholeView();
    void directionAtChecksEveryIndex_data();
    void directionAtChecksEveryIndex();
};

void TestSelection::rebuildTakesItsOwnKindInSceneOrder()
{
    auto score = selectionScore();
    QVERIFY(score);
    Voice *voice = firstVoice(*score, 0);
    select({noteGlyph(*score, 0, 0), noteGlyph(*score, 0, 1), noteGlyph(*score, 0, 3),
            voice->notes.at(0)->notations.at(0)->item});
    QCOMPARE(score->scene->selectedItems().size(), qsizetype(4));
    // Records the other rebuilds made earlier.
    auto *direction = new SelectedDirection(0, 0, 0, 0);
    auto *directive = new SelectedDirective(0, 0, 0, 2, 0);
    score->selectedDirections = {direction};
    score->selectedDirectives = {directive};

    score->setSelectedNotes();
    score->setSelectedNotationItems();

    QCOMPARE(score->selectedNotes.size(), qsizetype(3));
    QCOMPARE(records(*score, Notes), expectedRecords(*score, Notes));
    QCOMPARE(score->selectedNotations.size(), qsizetype(1));
    QCOMPARE(records(*score, Notations), expectedRecords(*score, Notations));
    QCOMPARE(records(*score, Notations).first(), QList<int>({0, 0, 0, 0, 0}));
    QCOMPARE(score->selectedDirections, QList<SelectedDirection *>{direction});
    QCOMPARE(score->selectedDirectives, QList<SelectedDirective *>{directive});
}

void TestSelection::reselectFindsTheNewItems_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("objects");

    QTest::newRow("measures") << int(Measures) << QStringLiteral("measures 0 and 2");
    QTest::newRow("notes") << int(Notes) << QStringLiteral("notes 0 and 2");
    QTest::newRow("direction") << int(Directions) << QStringLiteral("dolce");
    QTest::newRow("direction on a multi-measure rest")
        << int(Directions) << QStringLiteral("p on the rest");
    QTest::newRow("notation") << int(Notations) << QStringLiteral("slur");
    QTest::newRow("directive") << int(Directives) << QStringLiteral("noPrev");
}

void TestSelection::reselectFindsTheNewItems()
{
    QFETCH(int, kind);
    QFETCH(QString, objects);

    auto score = selectionScore();
    QVERIFY(score);
    const QList<QGraphicsItem *> before = itemsOf(*score, objects);
    QVERIFY(!before.contains(nullptr));
    for (const QGraphicsItem *item : before)
        QCOMPARE(item->data(TagType).toInt(), itemTypeOf(kind));
    select(before);
    rebuild(*score, kind);
    QCOMPARE(records(*score, kind).size(), before.size());
    QCOMPARE(records(*score, kind), expectedRecords(*score, kind));

    QVERIFY(score->generateScore());
    QVERIFY(score->scene->selectedItems().isEmpty());
    const QList<QGraphicsItem *> after = itemsOf(*score, objects);
    QVERIFY(!after.contains(nullptr));

    TestSupport::MessageCapture capture;
    reselect(*score, kind);
    QCOMPARE(selectedSet(*score), asSet(after));
    QCOMPARE(reselectLines(capture), 0);
}

void TestSelection::recordsThatNameNothingArePassedOver()
{
    auto score = selectionScore();
    QVERIFY(score);
    // One record per list that finds its item, one that finds none.
    score->selectedMeasures = {2, 3};
    score->selectedNotes = {new SelectedNote(0, 0, 0, 0), new SelectedNote(0, 0, 0, 1)};
    firstVoice(*score, 0)->notes.at(1)->firstAlignItem = -1;
    score->selectedDirections = {new SelectedDirection(0, 0, 0, 0),
                                 new SelectedDirection(0, 0, 0, 5)};
    score->selectedNotations = {new SelectedNotation(0, 0, 0, 0, 0),
                                new SelectedNotation(0, 0, 0, 0, 3)};
    score->selectedDirectives = {new SelectedDirective(0, 0, 0, 2, 0),
                                 new SelectedDirective(0, 0, 0, 0, 0)};

    TestSupport::MessageCapture capture;
    for (int kind = Measures; kind <= Directives; ++kind)
        reselect(*score, kind);

    QCOMPARE(reselectLines(capture), 5);
    Voice *voice = firstVoice(*score, 0);
    const QList<QGraphicsItem *> found = {score->displayedMeasures.at(2)->measureItem,
                                          noteGlyph(*score, 0, 0), voice->directions.at(0)->item,
                                          voice->notes.at(0)->notations.at(0)->item,
                                          voice->notes.at(2)->directives.at(0)->item};
    QCOMPARE(selectedSet(*score), asSet(found));
}

void TestSelection::emptyListsLeaveTheSelection()
{
    auto score = selectionScore();
    QVERIFY(score);
    QGraphicsItem *kept = noteGlyph(*score, 0, 3);
    kept->setSelected(true);
    for (int kind = Measures; kind <= Directives; ++kind)
        reselect(*score, kind);
    QCOMPARE(score->scene->selectedItems(), QList<QGraphicsItem *>{kept});
}

void TestSelection::selectionChangedTracesAndLeavesTheLists()
{
    auto score = selectionScore();
    QVERIFY(score);
    score->dSw = true;
    score->selectedMeasures = {1};
    auto *note = new SelectedNote(0, 0, 0, 3);
    score->selectedNotes = {note};

    noteGlyph(*score, 0, 0)->setSelected(true);
    TestSupport::MessageCapture capture;
    score->displayedMeasures.at(2)->measureItem->setSelected(true);

    // One line per selected item, whatever its kind, in the scene's order.
    QStringList expected;
    for (const QGraphicsItem *item : score->scene->selectedItems())
        expected << QStringLiteral("setSelectedMeasures measure no = %1")
                        .arg(itemTag(item, TagMeasure));
    QCOMPARE(capture.lines(), expected);
    QVERIFY(expected.contains(QStringLiteral("setSelectedMeasures measure no = 2")));
    QVERIFY(expected.contains(QStringLiteral("setSelectedMeasures measure no = 0")));
    QCOMPARE(score->selectedMeasures, QList<int>{1});
    QCOMPARE(score->selectedNotes, QList<SelectedNote *>{note});

    capture.clear();
    score->scene->clearSelection();
    QVERIFY(capture.lines().isEmpty());
    QCOMPARE(score->selectedMeasures, QList<int>{1});
}

void TestSelection::selectionChangeRepaintsTheWholeView()
{
    auto score = selectionScore();
    QVERIFY(score);
    score->resize(700, 500);
    score->show();
    QVERIFY(QTest::qWaitForWindowExposed(score.get()));
    score->zoomReset();
    PaintRecorder recorder;
    score->viewport()->installEventFilter(&recorder);
    QTest::qWait(50);
    recorder.rects.clear();

    // A glyph alone would repaint its own few pixels.
    noteGlyph(*score, 0, 0)->setSelected(true);
    QTRY_VERIFY(recorder.rects.contains(score->viewport()->rect()));
}

void TestSelection::directionAtChecksEveryIndex_data()
{
    QTest::addColumn<int>("measure");
    QTest::addColumn<int>("part");
    QTest::addColumn<int>("voice");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text"); // "" for none

    QTest::newRow("own direction") << 0 << 0 << 0 << 0 << QStringLiteral("dolce");
    QTest::newRow("shown by the multi-measure rest") << 1 << 0 << 0 << 0 << QStringLiteral("p");
    QTest::newRow("index past the list") << 0 << 0 << 0 << 1 << QString();
    QTest::newRow("negative index") << 0 << 0 << 0 << -1 << QString();
    QTest::newRow("voice 32") << 0 << 0 << 32 << 0 << QString();
    QTest::newRow("negative voice") << 0 << 0 << -1 << 0 << QString();
    QTest::newRow("part past the parts") << 0 << 1 << 0 << 0 << QString();
    QTest::newRow("measure past the measures") << 5 << 0 << 0 << 0 << QString();
    QTest::newRow("negative measure") << -1 << 0 << 0 << 0 << QString();
}

void TestSelection::directionAtChecksEveryIndex()
{
    QFETCH(int, measure);
    QFETCH(int, part);
    QFETCH(int, voice);
    QFETCH(int, index);
    QFETCH(QString, text);

    auto score = selectionScore();
    QVERIFY(score);
    const Direction *direction = score->directionAt(measure, part, voice, index);
    if (text.isEmpty()) {
        QCOMPARE(direction, nullptr);
    } else {
        QVERIFY(direction);
        QCOMPARE(direction->text, text);
    }
}

VELMORA_TEST_MAIN(TestSelection)

} // namespace tst_selection
#include "tst_selection.moc"
