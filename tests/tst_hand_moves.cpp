// Moving by hand on generated scores: the arrow keys (items, staff notes,
// scrolling), the score view's key handler, slur curve shifts and the slur
// curve controller, inverting slurs and ties, the note-shift reset,
// aligning, the one offset rule that dragging, the arrow keys and aligning
// share (an item stands after the regeneration where it was put), and the
// deferred redraw of spans after a move, and a block of words that keeps
// its move through regeneration, saving and the autosave.
#include "dialogs/dialogslurcontrol.h"
#include "drawing/mytextitem.h"
#include "drawing/watcheritem.h"
#include "model/credit.h"
#include "model/direction.h"
#include "model/directive.h"
#include "model/fingering.h"
#include "model/harmonic.h"
#include "model/itemtags.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/upbow.h"
#include "model/voice.h"
#include "support/messagecapture.h"
#include "support/scorefile.h"
#include "support/scriptedprompter.h"
#include "support/testenvironment.h"
#include "view/flowmarks.h"
#include "view/scene.h"

#include <QDialog>
#include <QGraphicsRectItem>
#include <QKeyEvent>
#include <QMap>
#include <QTemporaryDir>
#include <QUndoStack>

#include <algorithm>
#include <functional>
#include <memory>

namespace tst_hand_moves {

namespace {

constexpr int staffNotation = 12;

// Loaded and generated; `style` -1 keeps the file's notation style.
std::unique_ptr<Score> generated(const QString &fixture, bool horizontal = true, int style = -1)
{
    auto score = std::make_unique<Score>(QStringLiteral("test"), 1, false);
    if (!TestSupport::loadScoreFile(*score, TestSupport::fixturePath(fixture)))
        return nullptr;
    score->page->horizontal = horizontal;
    if (style >= 0)
        score->parts.at(0)->notationStyle = style;
    if (!score->generateScore())
        return nullptr;
    return score;
}

const QString everyItem = QStringLiteral("undo/undo-EveryEditableItem.xml");
const QString chords = QStringLiteral("moves/moves-ChordsWedgeSlur.xml");
const QString inFlow = QStringLiteral("moves/moves-InFlowMarks.xml");
const QString twoLineWords = QStringLiteral("layout/31x-Directions-WordsTwoLines.xml");
const QString twoLineBlock = QStringLiteral("Solo over form\nAfter solos, D.C al Coda");

Voice *voiceOf(Score &score, int measure)
{
    return score.measures.at(measure)->parts.at(0)->voices.made(0);
}

Note *noteOf(Score &score, int measure, int index)
{
    return voiceOf(score, measure)->notes.at(index);
}

Notation *notationOfKind(Note *note, int kind)
{
    for (Notation *notation : std::as_const(note->notations)) {
        if (notation->kind == kind)
            return notation;
    }
    return nullptr;
}

Direction *directionOfKind(Score &score, int kind)
{
    for (Direction *direction : std::as_const(voiceOf(score, 0)->directions)) {
        if (direction->kind == kind)
            return direction;
    }
    return nullptr;
}

// The first directive with `text` on any note of the first voice.
Directive *directiveWithText(Score &score, const QString &text)
{
    for (int m = 0; m < score.measures.size(); ++m) {
        for (const Note *note : std::as_const(voiceOf(score, m)->notes)) {
            for (Directive *directive : note->directives) {
                if (directive->text == text)
                    return directive;
            }
        }
    }
    return nullptr;
}

QGraphicsItem *noteGlyph(Score &score, int measure, int index)
{
    const Note *note = noteOf(score, measure, index);
    return score.measures.at(measure)->getItemGraphicsItem(0, 0, note->firstAlignItem);
}

// The scene item of one movable thing of the fixtures, by name.
QGraphicsItem *itemNamed(Score &score, const QString &name)
{
    Note *first = noteOf(score, 0, 0);
    if (name == QLatin1String("staccato"))
        return notationOfKind(first, 1) ? notationOfKind(first, 1)->item : nullptr;
    if (name == QLatin1String("fermata"))
        return notationOfKind(first, 0) ? notationOfKind(first, 0)->item : nullptr;
    if (name == QLatin1String("slur"))
        return notationOfKind(first, 6) ? notationOfKind(first, 6)->item : nullptr;
    if (name == QLatin1String("directive")) {
        for (const Directive *directive : std::as_const(first->directives)) {
            if (directive->item)
                return directive->item;
        }
        return nullptr;
    }
    if (name == QLatin1String("words"))
        return directionOfKind(score, 1) ? directionOfKind(score, 1)->item : nullptr;
    if (name == QLatin1String("wedge"))
        return directionOfKind(score, 3) ? directionOfKind(score, 3)->item : nullptr;
    if (name == QLatin1String("credit"))
        return score.credits.value(0) ? score.credits.at(0)->item : nullptr;
    if (name == QLatin1String("lyric"))
        return first->lyrics.value(0) ? first->lyrics.at(0)->item : nullptr;
    if (name == QLatin1String("lyric2"))
        return first->lyrics.value(1) ? first->lyrics.at(1)->item : nullptr;
    if (name == QLatin1String("fingering"))
        return first->fingerings.value(0) ? first->fingerings.at(0)->item : nullptr;
    if (name == QLatin1String("harmonic"))
        return first->harmonic ? first->harmonic->item : nullptr;
    if (name == QLatin1String("upbow"))
        return first->upBow ? first->upBow->item : nullptr;
    if (name == QLatin1String("ending"))
        return score.measures.at(0)->endingItem;
    if (name == QLatin1String("octave"))
        return first->octaveInstItem;
    if (name == QLatin1String("note"))
        return noteGlyph(score, 0, 0);
    if (name == QLatin1String("measure"))
        return score.measures.at(0)->measureItem;
    return nullptr;
}

const UserOffset *offsetObject(Score &score, const QString &name);

// The offset stored on the model object of the item `itemNamed` gives.
QPointF storedOffset(Score &score, const QString &name)
{
    const Note *first = noteOf(score, 0, 0);
    if (name == QLatin1String("octave"))
        return QPointF(first->octaveInstOffsetX, first->octaveInstOffsetY);
    const UserOffset *object = offsetObject(score, name);
    return object ? QPointF(object->x, object->y) : QPointF(qQNaN(), qQNaN());
}

// The model object of the item `itemNamed` gives, as its offset.
const UserOffset *offsetObject(Score &score, const QString &name)
{
    Note *first = noteOf(score, 0, 0);
    const QGraphicsItem *item = itemNamed(score, name);
    for (const Notation *notation : std::as_const(first->notations)) {
        if (notation->item == item)
            return notation;
    }
    for (const Directive *directive : std::as_const(first->directives)) {
        if (directive->item == item)
            return directive;
    }
    for (const Direction *direction : std::as_const(voiceOf(score, 0)->directions)) {
        if (direction->item == item)
            return direction;
    }
    for (const Lyrics *lyric : std::as_const(first->lyrics)) {
        if (lyric->item == item)
            return lyric;
    }
    for (const Fingering *fingering : std::as_const(first->fingerings)) {
        if (fingering->item == item)
            return fingering;
    }
    if (first->harmonic && first->harmonic->item == item)
        return first->harmonic;
    if (!score.credits.isEmpty() && score.credits.at(0)->item == item)
        return score.credits.at(0);
    return nullptr;
}

bool select(Score &score, const QStringList &names)
{
    score.scene->clearSelection();
    for (const QString &name : names) {
        QGraphicsItem *item = itemNamed(score, name);
        if (!item)
            return false;
        item->setSelected(true);
    }
    return true;
}

// Sends one key press to the score view; true when it was accepted.
bool press(Score &score, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    event.ignore();
    QCoreApplication::sendEvent(&score, &event);
    return event.isAccepted();
}

QStringList childTexts(const QUndoCommand *command)
{
    QStringList texts;
    for (int i = 0; i < command->childCount(); ++i)
        texts << command->child(i)->text();
    return texts;
}

bool near(const QPointF &a, const QPointF &b, double within = 0.01)
{
    return qAbs(a.x() - b.x()) <= within && qAbs(a.y() - b.y()) <= within;
}

QString describe(const QPointF &p)
{
    return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
}

// The text items of the scene that hold "After solos" (the second line of
// the two-line words), with their places.
QList<const MyTextItem *> afterSolosItems(Score &score)
{
    QList<const MyTextItem *> found;
    for (const QGraphicsItem *item : score.scene->items()) {
        const auto *text = dynamic_cast<const MyTextItem *>(item);
        if (text && text->text.contains(QLatin1String("After solos")))
            found << text;
    }
    return found;
}

// Where the two-line block's first words are anchored (its note in the
// second measure), scene units: the block's move counts from there.
QPointF blockAnchor(Score &score)
{
    const QList<Direction *> shown =
        score.measures.at(1)->parts.at(0)->voices.at(0)->shownDirections();
    for (int i = 0; i < shown.size(); ++i) {
        if (shown.at(i)->text == QLatin1String("Solo over form"))
            return score.getDirectionPosition(1, 0, 0, i) * score.page->scaleFactor;
    }
    return QPointF(qQNaN(), qQNaN());
}

// Empty when the two-line block of `score` is drawn whole, `moved` from its
// anchor.
QString blockFault(Score &score, const QPointF &moved)
{
    const QList<const MyTextItem *> found = afterSolosItems(score);
    if (found.size() != 1)
        return QStringLiteral("%1 items hold the second line").arg(found.size());
    if (found.first()->text != twoLineBlock)
        return QStringLiteral("the block reads \"%1\"").arg(found.first()->text);
    const QPointF from = found.first()->scenePos() - blockAnchor(score);
    if (!near(from, moved))
        return QStringLiteral("the block stands %1 from its anchor, moved to %2")
            .arg(describe(from), describe(moved));
    return QString();
}

// `path` loaded into a new score and generated as `generated` does.
std::unique_ptr<Score> reopened(const QString &path, bool horizontal)
{
    auto score = std::make_unique<Score>(QStringLiteral("test"), 1, false);
    if (!TestSupport::loadScoreFile(*score, path))
        return nullptr;
    score->page->horizontal = horizontal;
    return score->generateScore() ? std::move(score) : nullptr;
}

} // namespace

class TestHandMoves : public QObject
{
    Q_OBJECT

private slots:
    void arrowMovesADirective();
    void arrowsScrollOrSkip_data();
    void arrowsScrollOrSkip();
    void staffNoteShift_data();
    void staffNoteShift();
    void slurKeys_data();
    void slurKeys();
    void slurCurveController_data();
    void slurCurveController();
    void inverting();
    void resetNoteShift_data();
    void resetNoteShift();
    void aligning_data();
    void aligning();
    void alignedCreditOnAVerticalPage();
    void offsetRule_data();
    void offsetRule();
    void wedgeOnAMultiMeasureRest();
    void inFlowMarksTakeNoOffset_data();
    void inFlowMarksTakeNoOffset();
    void spansRedrawAfterMoves();
    void emptySelection();
    void twoLineWordsKeepTheirMove_data();
    void twoLineWordsKeepTheirMove();
};

void TestHandMoves::arrowMovesADirective()
{
    auto score = generated(everyItem);
    QVERIFY(score);
    QVERIFY(select(*score, {"directive"}));
    QGraphicsItem *item = itemNamed(*score, "directive");
    Directive *directive = nullptr;
    for (Directive *d : std::as_const(noteOf(*score, 0, 0)->directives)) {
        if (d->item == item)
            directive = d;
    }
    QVERIFY(directive);
    const QPointF before = item->pos();
    const QPointF oldOffset(directive->x, directive->y);
    const bool oldMoved = directive->moved;

    QVERIFY(press(*score, Qt::Key_Right));
    QCOMPARE(score->undoStack->count(), 1);
    const QUndoCommand *macro = score->undoStack->command(0);
    QCOMPARE(macro->text(), QStringLiteral("move selected items"));
    QCOMPARE(childTexts(macro), QStringList{"DirectiveMove"});
    // Moved at once, and not regenerated: the item is still the scene's.
    QCOMPARE(directive->item, item);
    QVERIFY(score->scene->items().contains(item));
    QCOMPARE(item->pos(), before + QPointF(1.0, 0.0));
    QVERIFY(directive->moved);

    score->undoStack->undo();
    QCOMPARE(QPointF(directive->x, directive->y), oldOffset);
    QCOMPARE(directive->moved, oldMoved);
}

void TestHandMoves::arrowsScrollOrSkip_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("selection");
    QTest::addColumn<QPointF>("scroll");
    QTest::newRow("up, nothing selected") << int(Qt::Key_Up) << QStringList() << QPointF(0, -30);
    QTest::newRow("down, nothing selected") << int(Qt::Key_Down) << QStringList() << QPointF(0, 30);
    QTest::newRow("left, nothing selected")
        << int(Qt::Key_Left) << QStringList() << QPointF(-30, 0);
    QTest::newRow("right, nothing selected")
        << int(Qt::Key_Right) << QStringList() << QPointF(30, 0);
    QTest::newRow("measure only") << int(Qt::Key_Right) << QStringList{"measure"} << QPointF();
    QTest::newRow("lyric") << int(Qt::Key_Down) << QStringList{"lyric"} << QPointF();
    QTest::newRow("ending") << int(Qt::Key_Left) << QStringList{"ending"} << QPointF();
}

void TestHandMoves::arrowsScrollOrSkip()
{
    QFETCH(int, key);
    QFETCH(QStringList, selection);
    QFETCH(QPointF, scroll);
    auto score = generated(everyItem);
    QVERIFY(score);
    QVERIFY(select(*score, selection));
    QList<QPointF> places;
    for (const QString &name : selection)
        places << itemNamed(*score, name)->pos();
    QTransform expected = score->transform();
    expected.translate(scroll.x(), scroll.y());

    QVERIFY(press(*score, key));
    QCOMPARE(score->transform(), expected);
    QCOMPARE(score->undoStack->count(), 0);
    for (int i = 0; i < selection.size(); ++i)
        QCOMPARE(itemNamed(*score, selection.at(i))->pos(), places.at(i));
}

void TestHandMoves::staffNoteShift_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("note");      // index in measure 1: 0..2 the chord, 3 the rest
    QTest::addColumn<double>("along");  // in steps, on every note of the run
    QTest::addColumn<double>("across"); // in steps, rests only
    QTest::addColumn<bool>("changed");
    QTest::newRow("right shifts the chord")
        << true << 12 << int(Qt::Key_Right) << 0 << 1.0 << 0.0 << true;
    QTest::newRow("left") << true << 12 << int(Qt::Key_Left) << 0 << -1.0 << 0.0 << true;
    QTest::newRow("up leaves a note") << true << 12 << int(Qt::Key_Up) << 0 << 0.0 << 0.0 << true;
    QTest::newRow("up lifts a rest by half")
        << true << 12 << int(Qt::Key_Up) << 3 << 0.0 << -0.5 << true;
    QTest::newRow("vertical down shifts along")
        << false << 12 << int(Qt::Key_Down) << 0 << 1.0 << 0.0 << true;
    QTest::newRow("vertical right moves a rest across")
        << false << 12 << int(Qt::Key_Right) << 3 << 0.0 << 0.5 << true;
    QTest::newRow("second chord note changes nothing")
        << true << 12 << int(Qt::Key_Right) << 1 << 0.0 << 0.0 << true;
    QTest::newRow("other notation skipped")
        << true << 3 << int(Qt::Key_Right) << 0 << 0.0 << 0.0 << false;
}

void TestHandMoves::staffNoteShift()
{
    QFETCH(bool, horizontal);
    QFETCH(int, style);
    QFETCH(int, key);
    QFETCH(int, note);
    QFETCH(double, along);
    QFETCH(double, across);
    QFETCH(bool, changed);
    auto score = generated(chords, horizontal, style);
    QVERIFY(score);
    QGraphicsItem *glyph = noteGlyph(*score, 0, note);
    QVERIFY(glyph);
    score->scene->clearSelection();
    glyph->setSelected(true);
    score->setChanged(false);

    QVERIFY(press(*score, key));
    const double step = 0.075 * score->parts.at(0)->noteFontSize;
    const int first = note == 3 ? 3 : 0;
    const int count = note == 3 ? 1 : 3;
    for (int i = 0; i < 5; ++i) {
        const Note *n = noteOf(*score, 0, i);
        const bool inRun = i >= first && i < first + count;
        QCOMPARE(n->noteShiftMajor, inRun ? along * step : 0.0);
        QCOMPARE(n->noteShiftSub, inRun && n->rest ? across * step : 0.0);
    }
    QCOMPARE(score->undoStack->count(), 0);
    QCOMPARE(score->changed, changed);
    // Regenerated, and the same note's new glyph is selected.
    QGraphicsItem *again = noteGlyph(*score, 0, note);
    QVERIFY(again && again != glyph);
    QVERIFY(again->isSelected());
}

void TestHandMoves::slurKeys_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("selection");
    QTest::addColumn<QStringList>("steps"); // texts of the undo steps
    QTest::addColumn<QPointF>("shifts");    // the slur's left and right shift after
    QTest::addColumn<bool>("keyX");
    const int ctrl = int(Qt::ControlModifier);
    const int alt = int(Qt::AltModifier);
    const QStringList slur{"slur"};
    const QStringList one{"SlurShiftChange"};
    QTest::newRow("ctrl up") << true << int(Qt::Key_Up) << ctrl << slur << one << QPointF(3, 0)
                             << false;
    QTest::newRow("ctrl down") << true << int(Qt::Key_Down) << ctrl << slur << one << QPointF(-3, 0)
                               << false;
    QTest::newRow("alt down") << true << int(Qt::Key_Down) << alt << slur << one << QPointF(0, -3)
                              << false;
    QTest::newRow("alt up") << true << int(Qt::Key_Up) << alt << slur << one << QPointF(0, 3)
                            << false;
    QTest::newRow("vertical ctrl right")
        << false << int(Qt::Key_Right) << ctrl << slur << one << QPointF(3, 0) << false;
    QTest::newRow("vertical alt left")
        << false << int(Qt::Key_Left) << alt << slur << one << QPointF(0, -3) << false;
    QTest::newRow("ctrl left does nothing")
        << true << int(Qt::Key_Left) << ctrl << slur << QStringList() << QPointF() << false;
    QTest::newRow("vertical ctrl up does nothing")
        << false << int(Qt::Key_Up) << ctrl << slur << QStringList() << QPointF() << false;
    QTest::newRow("alt x does nothing")
        << true << int(Qt::Key_X) << alt << slur << QStringList() << QPointF() << false;
    QTest::newRow("ctrl up, no slur selected")
        << true << int(Qt::Key_Up) << ctrl << QStringList{"staccato"} << QStringList() << QPointF()
        << false;
    QTest::newRow("x inverts") << true << int(Qt::Key_X) << 0 << slur
                               << QStringList{"ReverseCommands"} << QPointF() << true;
    QTest::newRow("ctrl x inverts") << true << int(Qt::Key_X) << ctrl << slur
                                    << QStringList{"ReverseCommands"} << QPointF() << true;
}

void TestHandMoves::slurKeys()
{
    QFETCH(bool, horizontal);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QStringList, selection);
    QFETCH(QStringList, steps);
    QFETCH(QPointF, shifts);
    QFETCH(bool, keyX);
    auto score = generated(everyItem, horizontal);
    QVERIFY(score);
    QVERIFY(select(*score, selection));
    const Notation *slur = notationOfKind(noteOf(*score, 0, 0), 6);
    const QTransform view = score->transform();

    TestSupport::MessageCapture capture;
    QVERIFY(press(*score, key, Qt::KeyboardModifiers(modifiers)));
    QVERIFY(std::any_of(capture.lines().cbegin(), capture.lines().cend(),
                        [](const QString &line) { return line.startsWith("keyPressEvent ="); }));
    QCOMPARE(capture.contains("key_X event"), keyX);
    QStringList texts;
    for (int i = 0; i < score->undoStack->count(); ++i)
        texts << score->undoStack->command(i)->text();
    QCOMPARE(texts, steps);
    QCOMPARE(QPointF(slur->slurControlY1, slur->slurControlY2), shifts);
    // The base view never scrolls on a modified arrow.
    QCOMPARE(score->transform(), view);
    if (steps.value(0) == QLatin1String("SlurShiftChange")) {
        // Regenerated, with the slur selected again.
        QVERIFY(slur->item && slur->item->isSelected());
    }
}

void TestHandMoves::slurCurveController_data()
{
    QTest::addColumn<QStringList>("selection");
    QTest::addColumn<QString>("signal");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QPointF>("shifts");
    QTest::newRow("left strong") << QStringList{"slur"} << "sigSlurLeftStrong" << 1
                                 << QPointF(3, 0);
    QTest::newRow("left weak") << QStringList{"slur"} << "sigSlurLeftWeak" << 1 << QPointF(-3, 0);
    QTest::newRow("right strong") << QStringList{"slur"} << "sigSlurRightStrong" << 1
                                  << QPointF(0, 3);
    QTest::newRow("right weak") << QStringList{"slur"} << "sigSlurRightWeak" << 1 << QPointF(0, -3);
    QTest::newRow("whole strong") << QStringList{"slur"} << "sigSlurWholeStrong" << 2
                                  << QPointF(3, 3);
    QTest::newRow("whole weak") << QStringList{"slur"} << "sigSlurWholeWeak" << 2
                                << QPointF(-3, -3);
    QTest::newRow("a direction opens nothing")
        << QStringList{"words"} << QString() << 0 << QPointF();
    // "*": another mark that the scene lists before the slur.
    QTest::newRow("first not a slur") << QStringList{"*", "slur"} << QString() << 0 << QPointF();
}

void TestHandMoves::slurCurveController()
{
    QFETCH(QStringList, selection);
    QFETCH(QString, signal);
    QFETCH(int, steps);
    QFETCH(QPointF, shifts);
    auto score = generated(everyItem);
    QVERIFY(score);
    if (selection.first() == QLatin1String("*")) {
        // The scene's list has an order of its own, which changes from run
        // to run: take any selectable item it puts before the slur.
        QGraphicsItem *slurItem = itemNamed(*score, "slur");
        QVERIFY(slurItem);
        bool found = false;
        for (QGraphicsItem *other : score->scene->items()) {
            if (other == slurItem || !(other->flags() & QGraphicsItem::ItemIsSelectable))
                continue;
            score->scene->clearSelection();
            other->setSelected(true);
            slurItem->setSelected(true);
            if (score->scene->selectedItems().first() != slurItem) {
                found = true;
                break;
            }
        }
        if (!found)
            QSKIP("the scene lists the slur before every other item in this run");
    } else {
        QVERIFY(select(*score, selection));
    }
    TestSupport::ScriptedPrompter &prompter = TestSupport::prompter();
    prompter.reset();
    prompter.dialogScripts.enqueue([signal](QDialog *dialog) {
        QMetaObject::invokeMethod(dialog, signal.toLatin1().constData(), Qt::DirectConnection);
        return int(QDialog::Accepted);
    });

    score->slurShiftControl();
    const Notation *slur = notationOfKind(noteOf(*score, 0, 0), 6);
    QCOMPARE(prompter.texts("dialog").size(), signal.isEmpty() ? 0 : 1);
    QCOMPARE(score->undoStack->count(), steps);
    for (int i = 0; i < steps; ++i)
        QCOMPARE(score->undoStack->command(i)->text(), QStringLiteral("SlurShiftChange"));
    QCOMPARE(QPointF(slur->slurControlY1, slur->slurControlY2), shifts);
    prompter.reset();
}

void TestHandMoves::inverting()
{
    // A slur placed above by the file goes below, and back.
    auto score = generated(everyItem);
    QVERIFY(score);
    Notation *slur = notationOfKind(noteOf(*score, 0, 0), 6);
    slur->placement = 1;
    QVERIFY(select(*score, {"slur"}));
    score->reverseCommands();
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(score->undoStack->command(0)->text(), QStringLiteral("ReverseCommands"));
    QCOMPARE(slur->userPlacement, 2);
    QVERIFY(select(*score, {"slur"}));
    score->reverseCommands();
    QCOMPARE(slur->userPlacement, 1);

    // A slur neither the user nor the file placed was drawn above: it goes
    // below, so inverting always moves it.
    auto chordScore = generated(chords, true, staffNotation);
    QVERIFY(chordScore);
    Notation *unplaced = notationOfKind(noteOf(*chordScore, 0, 0), 6);
    QCOMPARE(unplaced->placement, 0);
    QVERIFY(select(*chordScore, {"slur"}));
    chordScore->reverseCommands();
    QCOMPARE(unplaced->userPlacement, 2);

    // A staff note's glyph gets its tie turned; another notation's nothing,
    // but the score still regenerates and selects the note again.
    for (int style : {staffNotation, 3}) {
        auto notes = generated(everyItem, true, style);
        QVERIFY(notes);
        Note *tied = noteOf(*notes, 0, 1);
        QGraphicsItem *glyph = noteGlyph(*notes, 0, 1);
        notes->scene->clearSelection();
        glyph->setSelected(true);
        notes->reverseCommands();
        const bool staff = style == staffNotation;
        QCOMPARE(notes->undoStack->count(), staff ? 1 : 0);
        if (staff)
            QCOMPARE(notes->undoStack->command(0)->childCount(), 1);
        QCOMPARE(tied->tieReverse, staff);
        QGraphicsItem *again = noteGlyph(*notes, 0, 1);
        QVERIFY(again != glyph && again->isSelected());
    }
}

void TestHandMoves::resetNoteShift_data()
{
    QTest::addColumn<int>("measure");
    QTest::addColumn<int>("note");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::newRow("first of three") << 0 << 0 << 0 << 3;
    QTest::newRow("second of three") << 0 << 1 << 0 << 3;
    QTest::newRow("last of a chord ending the voice") << 1 << 1 << 0 << 2;
}

void TestHandMoves::resetNoteShift()
{
    QFETCH(int, measure);
    QFETCH(int, note);
    QFETCH(int, first);
    QFETCH(int, count);
    auto score = generated(chords, true, staffNotation);
    QVERIFY(score);
    const QList<Note *> &notes = voiceOf(*score, measure)->notes;
    for (Note *n : notes)
        n->noteShiftMajor = 0.5;
    score->generateScore();
    score->scene->clearSelection();
    noteGlyph(*score, measure, note)->setSelected(true);
    score->setChanged(false);

    score->resetNoteShiftCommand();
    QCOMPARE(score->undoStack->count(), 1);
    const QUndoCommand *macro = score->undoStack->command(0);
    QCOMPARE(macro->text(), QStringLiteral("ResetNoteShift"));
    QCOMPARE(macro->childCount(), count);
    for (int i = 0; i < notes.size(); ++i) {
        const bool reset = i >= first && i < first + count;
        QCOMPARE(notes.at(i)->noteShiftMajor, reset ? 0.0 : 0.5);
    }
    QVERIFY(score->changed);
}

void TestHandMoves::aligning_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<bool>("horizontalPage");
    QTest::addColumn<bool>("horizontally");
    QTest::addColumn<QStringList>("selection");
    QTest::addColumn<QStringList>("texts");   // of the macro's children
    QTest::addColumn<QStringList>("aligned"); // items that end on the common line
    QTest::addColumn<int>("style");           // -1: the file's
    QTest::newRow("three kinds in a row")
        << everyItem << true << true << QStringList{"fingering", "directive", "harmonic"}
        << QStringList{"FingeringMove", "DirectiveMove", "HarmonicMove"}
        << QStringList{"fingering", "directive", "harmonic"} << -1;
    QTest::newRow("vertical alignment")
        << everyItem << true << false << QStringList{"words", "staccato", "lyric"}
        << QStringList{"DirectionMove", "NotationMove", "LyricMove"}
        << QStringList{"words", "staccato", "lyric"} << -1;
    QTest::newRow("vertical page: lyrics stay, the directive fixes the line")
        << everyItem << false << true << QStringList{"lyric", "lyric2", "directive"}
        << QStringList{"DirectiveMove"} << QStringList{"directive"} << -1;
    QTest::newRow("nothing alignable")
        << everyItem << true << true << QStringList{"upbow", "ending", "note"} << QStringList()
        << QStringList() << staffNotation;
    QTest::newRow("slur refreshes")
        << everyItem << true << true << QStringList{"slur", "staccato"}
        << QStringList{"NotationMove Refresh", "NotationMove"} << QStringList() << -1;
    QTest::newRow("wedge refreshes") << chords << true << true << QStringList{"wedge", "words"}
                                     << QStringList{"DirectionMove Refresh", "DirectionMove"}
                                     << QStringList{"wedge", "words"} << -1;
}

void TestHandMoves::aligning()
{
    QFETCH(QString, fixture);
    QFETCH(bool, horizontalPage);
    QFETCH(bool, horizontally);
    QFETCH(QStringList, selection);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, aligned);
    QFETCH(int, style);
    auto score = generated(fixture, horizontalPage, style);
    QVERIFY(score);
    score->scene->clearSelection();
    for (const QString &name : selection) {
        QVERIFY2(itemNamed(*score, name), qPrintable(name));
        itemNamed(*score, name)->setSelected(true);
    }
    // The first handled item in the scene's order fixes the line.
    QString fixer;
    for (QGraphicsItem *item : score->scene->selectedItems()) {
        for (const QString &name : aligned) {
            if (itemNamed(*score, name) == item && fixer.isEmpty())
                fixer = name;
        }
    }
    QMap<QString, QPointF> before;
    for (const QString &name : selection)
        before[name] = itemNamed(*score, name)->scenePos();
    QGraphicsItem *oldNote = itemNamed(*score, "note");
    score->setChanged(false);

    score->alignItemsCommand(horizontally);
    QVERIFY(score->changed);
    QVERIFY(itemNamed(*score, "note") != oldNote); // regenerated
    if (texts.isEmpty()) {
        QCOMPARE(score->undoStack->count(), 0);
        return;
    }
    QCOMPARE(score->undoStack->count(), 1);
    const QUndoCommand *macro = score->undoStack->command(0);
    QCOMPARE(macro->text(), QStringLiteral("move selected items"));
    QStringList got = childTexts(macro);
    got.sort();
    texts.sort();
    QCOMPARE(got, texts);

    // After the regeneration: the first keeps its place, the others moved
    // across the alignment direction only, their reference edges onto its.
    if (fixer.isEmpty())
        return;
    const double within = 0.1 * score->page->scaleFactor;
    const auto edgeOf = [&](const QString &name) {
        const QGraphicsItem *item = itemNamed(*score, name);
        const bool span = name == QLatin1String("wedge") || name == QLatin1String("slur");
        if (span)
            return horizontally ? item->scenePos().y() : item->scenePos().x();
        const QRectF box = item->sceneBoundingRect();
        return horizontally ? box.top() : box.left();
    };
    QVERIFY(near(itemNamed(*score, fixer)->scenePos(), before[fixer], within));
    const double common = edgeOf(fixer);
    for (const QString &name : aligned) {
        const QPointF now = itemNamed(*score, name)->scenePos();
        const double along = horizontally ? now.x() - before[name].x() : now.y() - before[name].y();
        QVERIFY2(
            qAbs(edgeOf(name) - common) <= within,
            qPrintable(name + QStringLiteral(" edge %1, common %2").arg(edgeOf(name)).arg(common)));
        QVERIFY2(qAbs(along) <= within,
                 qPrintable(name + " moved along by " + QString::number(along)));
    }
}

void TestHandMoves::alignedCreditOnAVerticalPage()
{
    auto score = generated(everyItem, false);
    QVERIFY(score);
    QVERIFY(select(*score, {"credit"}));
    QGraphicsItem *item = itemNamed(*score, "credit");
    const QPointF at = item->scenePos();
    const double s = score->page->scaleFactor;
    const QRectF header = score->page->headerAreaRect;
    const double dx = at.x() / s - (header.x() + header.width());
    const double dy = at.y() / s - header.y();

    score->alignItemsCommand(false);
    const Credit *credit = score->credits.at(0);
    QVERIFY(credit->moved);
    QVERIFY2(near(QPointF(credit->x, credit->y), QPointF(dy, -dx), 1e-9),
             qPrintable(describe(QPointF(credit->x, credit->y))));
    QVERIFY(near(itemNamed(*score, "credit")->scenePos(), at));
}

void TestHandMoves::offsetRule_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("arrows"); // the arrow keys move this kind
    QTest::addColumn<int>("style");   // -1: the file's
    const QStringList kinds{"staccato", "directive", "words", "credit", "fingering", "harmonic"};
    for (bool horizontal : {true, false}) {
        const char *writing = horizontal ? "horizontal" : "vertical";
        for (const QString &kind : kinds)
            QTest::addRow("%s %s", qPrintable(kind), writing)
                << everyItem << horizontal << kind << true << -1;
        QTest::addRow("wedge %s", writing) << chords << horizontal << "wedge" << true << -1;
        QTest::addRow("octave mark %s", writing)
            << everyItem << horizontal << "octave" << true << 0;
        QTest::addRow("slur %s", writing) << everyItem << horizontal << "slur" << true << -1;
        QTest::addRow("staff slur %s", writing)
            << chords << horizontal << "slur" << true << staffNotation;
    }
    QTest::newRow("lyric horizontal") << everyItem << true << "lyric" << false << -1;
    // Dragged only; "rotated" turns the page's lyrics on their side.
    QTest::newRow("lyric vertical") << everyItem << false << "lyric" << false << -1;
    QTest::newRow("lyric vertical rotated") << everyItem << false << "rotated" << false << -1;
}

void TestHandMoves::offsetRule()
{
    QFETCH(QString, fixture);
    QFETCH(bool, horizontal);
    QFETCH(QString, name);
    QFETCH(bool, arrows);
    QFETCH(int, style);
    auto score = generated(fixture, horizontal, style);
    QVERIFY(score);
    if (name == QLatin1String("rotated")) {
        name = QStringLiteral("lyric");
        score->page->rotateLyrics = true;
        score->generateScore();
    }
    QGraphicsItem *item = itemNamed(*score, name);
    QVERIFY2(item, qPrintable(name));
    const QPointF start = item->scenePos();
    const QRectF box = item->sceneBoundingRect();
    const QPointF target = start + QPointF(1.0, 0.0);

    // The drag stores the rule's offset for the item where it was let go.
    QPointF rule;
    QVERIFY(score->itemOffsetAt(item, target, &rule));
    score->scene->clearSelection();
    item->setSelected(true);
    item->setPos(target);
    score->watcher->pushMoveCommands();
    QCOMPARE(score->undoStack->count(), 1);
    QVERIFY2(near(storedOffset(*score, name), rule, 1e-9), "drag");
    score->undoStack->undo();
    item->setPos(start);

    // The arrow key stores the same offset for the same place.
    if (arrows) {
        QVERIFY(press(*score, Qt::Key_Right));
        QCOMPARE(score->undoStack->count(), 1);
        QCOMPARE(score->undoStack->index(), 1);
    } else {
        score->undoStack->redo();
    }
    QVERIFY2(near(storedOffset(*score, name), rule, 1e-9), "arrow key");

    // After a regeneration the item stands where the move left it.
    score->generateScore();
    QGraphicsItem *again = itemNamed(*score, name);
    QVERIFY(again);
    const QPointF moved = again->scenePos() - start;
    QVERIFY2(near(moved, QPointF(1.0, 0.0)), qPrintable(name + " moved by " + describe(moved)));
    // A wedge keeps its end where it was: moving its start changes its
    // length; so does a slur's curve.
    if (name == QLatin1String("wedge") || name == QLatin1String("slur"))
        return;
    const QPointF shift = again->sceneBoundingRect().topLeft() - box.topLeft();
    QVERIFY2(near(shift, QPointF(1.0, 0.0)), qPrintable(name + " shifted by " + describe(shift)));
    const QSizeF size = again->sceneBoundingRect().size();
    QVERIFY2(near(QPointF(size.width(), size.height()), QPointF(box.width(), box.height())),
             qPrintable(QStringLiteral("size %1 x %2, was %3 x %4")
                            .arg(size.width())
                            .arg(size.height())
                            .arg(box.width())
                            .arg(box.height())));
}

void TestHandMoves::wedgeOnAMultiMeasureRest()
{
    auto score = std::make_unique<Score>(QStringLiteral("test"), 1, false);
    QVERIFY(TestSupport::loadScoreFile(
        *score, TestSupport::fixturePath(QStringLiteral("moves/moves-WedgeOnMultiRest.xml"))));
    score->style->multiMeasureRests = true;
    score->setMultiMeasureRests(true);
    QVERIFY(score->generateScore());
    Direction *wedge = voiceOf(*score, 2)->directions.value(0);
    QVERIFY(wedge && wedge->kind == 3);
    QGraphicsItem *handle = wedge->item;
    QVERIFY(handle);
    const QPointF start = handle->scenePos();
    const QPointF target = start + QPointF(1.0, 0.0);
    QPointF rule;
    QVERIFY(score->itemOffsetAt(handle, target, &rule));

    score->scene->clearSelection();
    handle->setSelected(true);
    handle->setPos(target);
    score->watcher->pushMoveCommands();
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(childTexts(score->undoStack->command(0)), QStringList{"DirectionMove Refresh"});
    QVERIFY(wedge->moved);
    QVERIFY(near(QPointF(wedge->x, wedge->y), rule, 1e-9));
    QCoreApplication::processEvents(); // the requested redraw
    QVERIFY(near(wedge->item->scenePos(), target));
    QVERIFY(wedge->item->isSelected());
}

void TestHandMoves::inFlowMarksTakeNoOffset_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("horizontal");
    for (const char *mark : {".(", ".)", ".gray(", ".gray)", ".whiteSpaceBefore",
                             ".whiteSpaceAfter", ".kinkoRa", ".su", ".restKinko"})
        QTest::addRow("%s", mark) << QString::fromLatin1(mark) << true;
    QTest::newRow(".( vertical") << QStringLiteral(".(") << false;
    QTest::newRow(".restKinko vertical") << QStringLiteral(".restKinko") << false;
}

// The marks the note flow draws are placed by the flow alone: the arrow
// keys, a drag and Align leave them without a step or an offset, and Reset
// Position only clears an offset an older file stored.
void TestHandMoves::inFlowMarksTakeNoOffset()
{
    QFETCH(QString, text);
    QFETCH(bool, horizontal);
    auto score = generated(inFlow, horizontal);
    QVERIFY(score);
    Directive *mark = directiveWithText(*score, text);
    QVERIFY(mark && mark->item);
    QVERIFY(inNoteFlow(mark));
    QGraphicsItem *item = mark->item;
    const QPointF at = item->scenePos();
    QVERIFY(!(item->flags() & QGraphicsItem::ItemIsMovable));
    score->scene->clearSelection();
    item->setSelected(true);

    const QTransform view = score->transform();
    QVERIFY(press(*score, Qt::Key_Right));
    QVERIFY(press(*score, Qt::Key_Up));
    QCOMPARE(score->undoStack->count(), 0);
    QCOMPARE(score->transform(), view); // selected: the keys do not scroll
    QCOMPARE(item->scenePos(), at);

    item->setPos(item->pos() + QPointF(3.0, 2.0));
    score->watcher->pushMoveCommands();
    QCOMPARE(score->undoStack->count(), 0);
    item->setPos(at);

    // Aligned with a marker the user may move, only the marker gets a step,
    // and it fixes the line itself: it stays where it was.
    Directive *marker = directiveWithText(*score, QStringLiteral(".noPrev"));
    QVERIFY(marker && marker->item);
    const QPointF markerAt = marker->item->scenePos();
    marker->item->setSelected(true);
    score->alignItemsCommand(true);
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(childTexts(score->undoStack->command(0)), QStringList{"DirectiveMove"});
    QVERIFY(!mark->moved);
    QVERIFY(near(mark->item->scenePos(), at));
    QVERIFY2(near(marker->item->scenePos(), markerAt),
             qPrintable(describe(marker->item->scenePos())));

    score->scene->clearSelection();
    mark->item->setSelected(true);
    score->resetMoveCommand();
    QCOMPARE(score->undoStack->count(), 1);

    mark->setOffset(1.0, 1.0); // as an older file may hold it
    score->generateScore();
    QVERIFY(near(mark->item->scenePos(), at));
    mark->item->setSelected(true);
    score->resetMoveCommand();
    QCOMPARE(score->undoStack->count(), 2);
    QCOMPARE(childTexts(score->undoStack->command(1)), QStringList{"DirectiveMoveReset"});
    QVERIFY(!mark->moved);
}

void TestHandMoves::spansRedrawAfterMoves()
{
    auto score = generated(chords, true, staffNotation);
    QVERIFY(score);
    int served = 0;
    connect(score.get(), &Score::sigRegenerate, this, [&] { ++served; });

    // An arrow press on a wedge: one regeneration, after the handler.
    QVERIFY(select(*score, {"wedge"}));
    QGraphicsItem *wedge = itemNamed(*score, "wedge");
    press(*score, Qt::Key_Right);
    QCOMPARE(itemNamed(*score, "wedge"), wedge); // not inside the handler
    QCOMPARE(childTexts(score->undoStack->command(0)), QStringList{"DirectionMove Refresh"});
    QCoreApplication::processEvents();
    QCOMPARE(served, 1);
    QVERIFY(itemNamed(*score, "wedge") != wedge);
    QVERIFY(itemNamed(*score, "wedge")->isSelected());

    // Five presses before the event loop runs: one regeneration.
    for (int i = 0; i < 5; ++i)
        press(*score, Qt::Key_Up);
    QCoreApplication::processEvents();
    QCOMPARE(served, 2);

    // A slur alone (plain NotationMove) or a words direction alone: none.
    for (const QString &name : {QStringLiteral("slur"), QStringLiteral("words")}) {
        QVERIFY(select(*score, {name}));
        press(*score, Qt::Key_Down);
        QVERIFY(!score->regenerationPending);
        QCoreApplication::processEvents();
        QCOMPARE(served, 2);
    }
    QCOMPARE(childTexts(score->undoStack->command(score->undoStack->count() - 2)),
             QStringList{"NotationMove"});

    // A drag of a slur: one.
    QVERIFY(select(*score, {"slur"}));
    QGraphicsItem *slur = itemNamed(*score, "slur");
    slur->setPos(slur->pos() + QPointF(2, 3));
    score->watcher->pushMoveCommands();
    QCoreApplication::processEvents();
    QCOMPARE(served, 3);
    QVERIFY(itemNamed(*score, "slur")->isSelected());

    // A wedge with a note glyph: regenerated inside the handler, no request.
    QVERIFY(select(*score, {"wedge", "note"}));
    wedge = itemNamed(*score, "wedge");
    press(*score, Qt::Key_Left);
    QVERIFY(itemNamed(*score, "wedge") != wedge);
    QVERIFY(!score->regenerationPending);
    QCoreApplication::processEvents();
    QCOMPARE(served, 3);
}

void TestHandMoves::emptySelection()
{
    auto score = generated(everyItem);
    QVERIFY(score);
    score->scene->clearSelection();
    QGraphicsItem *note = itemNamed(*score, "note");
    QVERIFY(!score->moveItemsCommand(Score::MoveRight));
    score->slurShiftUpDownCommand(true, true);
    score->reverseCommands();
    QCOMPARE(score->undoStack->count(), 0);
    QCOMPARE(itemNamed(*score, "note"), note); // nothing regenerated

    // An item of an unknown kind is passed over silently.
    auto *stranger = new QGraphicsRectItem(0, 0, 5, 5);
    stranger->setFlag(QGraphicsItem::ItemIsSelectable);
    stranger->setData(TagType, 42);
    score->scene->addItem(stranger);
    stranger->setSelected(true);
    QVERIFY(score->moveItemsCommand(Score::MoveUp));
    score->alignItemsCommand(true);
    QCOMPARE(score->undoStack->count(), 0);
}

void TestHandMoves::twoLineWordsKeepTheirMove_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

// Two words of one direction are one block; dragged, the whole block
// stands where it was let go after a regeneration, after the score file is
// saved and opened again, and in the autosave file that recovery opens.
void TestHandMoves::twoLineWordsKeepTheirMove()
{
    QFETCH(bool, horizontal);
    auto score = generated(twoLineWords, horizontal, staffNotation);
    QVERIFY(score);
    const QList<const MyTextItem *> before = afterSolosItems(*score);
    QCOMPARE(before.size(), 1);
    QCOMPARE(before.first()->text, twoLineBlock);
    auto *item = const_cast<MyTextItem *>(before.first());
    const QPointF target = item->scenePos() + QPointF(6.0, 9.0);
    score->scene->clearSelection();
    item->setSelected(true);
    item->setPos(target);
    score->watcher->pushMoveCommands();
    QCOMPARE(score->undoStack->count(), 1);
    // Moved, the block takes no room of its own, so the measures around it
    // may be spaced anew: its place counts from its anchor.
    const QPointF moved = target - blockAnchor(*score);

    score->generateScore();
    QString fault = blockFault(*score, moved);
    QVERIFY2(fault.isEmpty(), qPrintable("regenerated: " + fault));

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString saved = folder.filePath(QStringLiteral("moved.tnsx"));
    QVERIFY(score->saveFileAs(saved));
    auto again = reopened(saved, horizontal);
    QVERIFY(again);
    fault = blockFault(*again, moved);
    QVERIFY2(fault.isEmpty(), qPrintable("reopened: " + fault));

    score->autoSave();
    auto recovered = reopened(score->autoSavePath(), horizontal);
    QVERIFY(recovered);
    fault = blockFault(*recovered, moved);
    QVERIFY2(fault.isEmpty(), qPrintable("recovered: " + fault));
    QFile::remove(score->autoSavePath());
}

VELMORA_TEST_MAIN(TestHandMoves)

} // namespace tst_hand_moves
#include "tst_hand_moves.moc"
