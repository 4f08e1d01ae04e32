// Dragging: the watcher turns a drag of selected movable items into one
// undo macro "move selected items" with one move command per item, with
// offsets by item type and writing direction; a click pushes nothing; the
// move commands restore what they changed; a released drag handle
// regenerates only after its own mouse handler has returned.
#include "drawing/movableitem.h"
#include "drawing/watcheritem.h"
#include "layout/alignitem.h"
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
#include "model/stopped.h"
#include "model/style.h"
#include "model/upbow.h"
#include "model/voice.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"
#include "view/movecommands.h"
#include "view/scene.h"

#include <QGraphicsRectItem>
#include <QGraphicsView>
#include <QUndoStack>

#include <algorithm>

namespace tst_drag_moves {

namespace {

constexpr double noteSize = 5.0;
const QPointF notePoint(20.0, 30.0); // final position of the note's glyph, mm

// One part, one measure, one note at `notePoint` with one element of every
// movable kind, and a credit.
struct DragFixture
{
    DragFixture(bool horizontal, int notationStyle) : score(QStringLiteral("5.3.1"), 1, false)
    {
        score.page->horizontal = horizontal;
        score.page->resetPages();
        TestSupport::ModelBuilder builder(&score);
        Part *part = builder.addPart(QStringLiteral("P"), notationStyle);
        part->noteFontSize = noteSize;
        measure = builder.addMeasure();
        measure->originX = 10.0;
        measure->originY = 25.0;
        measure->width = 60.0;
        measure->height = 40.0;
        note = builder.addNotes(0, 1, QStringLiteral("C4/4")).first();
        direction = builder.addDirection(0, 1, 0, 1, QStringLiteral("cresc."));
        Voice *voice = measure->parts.at(0)->voices.use(0);
        auto *glyph = new AlignItem;
        glyph->finalX = notePoint.x();
        glyph->finalY = notePoint.y();
        voice->alignItems.append(glyph);
        note->firstAlignItem = 0;

        notation = new Notation(note);
        notation->kind = 3;
        note->notations.append(notation);
        directive = new Directive(note);
        note->directives.append(directive);
        lyric = new Lyrics(QStringLiteral("ha"), note);
        note->lyrics.append(lyric);
        fingering = new Fingering(note);
        note->fingerings.append(fingering);
        note->harmonic = new Harmonic(note);
        note->upBow = new UpBow(note);
        note->stopped = new Stopped(note);
        credit = new Credit(QStringLiteral("Title"));
        score.credits.append(credit);

        watcher = new WatcherItem(&score);
        score.watcher = watcher;
        score.scene->addItem(watcher);
    }

    // A movable, selectable 20 x 20 item tagged as `type`, watched.
    QGraphicsRectItem *addItem(int type)
    {
        auto *item = new QGraphicsRectItem(0, 0, 20, 20);
        item->setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
        switch (type) {
        case NotationItem:
            score.setNotationItemTag(item, 0, 0, 0, 0, 0);
            break;
        case DirectiveItem:
            score.setDirectiveItemTag(item, 0, 0, 0, 0, 0);
            break;
        case DirectionItem:
            score.setDirectionItemTag(item, 0, 0, 0, 0);
            break;
        case CreditItem:
            score.setCreditItemTag(item, 0);
            break;
        case OctaveInstItem:
            score.setOctaveInstItemTag(item, 0, 0, 0, 0);
            break;
        case LyricItem:
            score.setLyricItemTag(item, 0, 0, 0, 0, 0);
            break;
        case EndingItem:
            score.setEndingItemTag(item, 0);
            break;
        case FingeringItem:
            score.setFingeringItemTag(item, 0, 0, 0, 0, 0);
            break;
        case HarmonicItem:
            score.setHarmonicItemTag(item, 0, 0, 0, 0);
            break;
        case UpBowItem:
            score.setUpBowItemTag(item, 0, 0, 0, 0);
            break;
        case StoppedItem:
            score.setStoppedItemTag(item, 0, 0, 0, 0);
            break;
        default:
            break;
        }
        score.scene->addItem(item);
        item->installSceneEventFilter(watcher);
        return item;
    }

    // The offset stored on the model object of `type`, and its moved flag.
    QPointF storedOffset(int type, bool *moved) const
    {
        auto read = [moved](const UserOffset *o) {
            *moved = o->moved;
            return QPointF(o->x, o->y);
        };
        switch (type) {
        case NotationItem:
            return read(notation);
        case DirectiveItem:
            return read(directive);
        case DirectionItem:
            return read(direction);
        case CreditItem:
            return read(credit);
        case LyricItem:
            return read(lyric);
        case FingeringItem:
            return read(fingering);
        case HarmonicItem:
            return read(note->harmonic);
        case UpBowItem:
            return read(note->upBow);
        case StoppedItem:
            return read(note->stopped);
        case OctaveInstItem:
            *moved = note->octaveInstMoved;
            return QPointF(note->octaveInstOffsetX, note->octaveInstOffsetY);
        case EndingItem:
            *moved = true;
            return QPointF(measure->endingOffsetX, measure->endingOffsetY);
        default:
            *moved = false;
            return QPointF();
        }
    }

    Score score;
    Measure *measure = nullptr;
    Note *note = nullptr;
    Notation *notation = nullptr;
    Directive *directive = nullptr;
    Direction *direction = nullptr;
    Lyrics *lyric = nullptr;
    Fingering *fingering = nullptr;
    Credit *credit = nullptr;
    WatcherItem *watcher = nullptr;
};

void drag(QGraphicsView &view, QGraphicsItem *item, QPoint by)
{
    const QPoint start = view.mapFromScene(item->sceneBoundingRect().center());
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, start);
    QTest::mouseMove(view.viewport(), start + by / 2);
    QTest::mouseMove(view.viewport(), start + by);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, start + by);
}

} // namespace

class TestDragMoves : public QObject
{
    Q_OBJECT

private slots:
    void dragPushesOneMacro();
    void offsetsByType_data();
    void offsetsByType();
    void nothingMovableSelected();
    void moveCommandsRestore();
    void handleRegeneratesAfterItsHandler();
};

void TestDragMoves::dragPushesOneMacro()
{
    DragFixture f(true, 0);
    const double s = f.score.page->scaleFactor;
    QGraphicsRectItem *a = f.addItem(NotationItem);
    QGraphicsRectItem *b = f.addItem(DirectiveItem);
    QGraphicsRectItem *c = f.addItem(DirectionItem);
    f.direction->kind = 3; // a wedge: its move asks for a refresh
    a->setPos(notePoint * s);
    b->setPos(notePoint * s + QPointF(40, 0));
    const QPointF directionRef = f.score.getDirectionPosition(0, 0, 0, 0);
    c->setPos(directionRef * s + QPointF(80, 0));
    for (QGraphicsItem *item : {a, b, c})
        item->setSelected(true);

    QGraphicsView view(f.score.scene);
    view.resize(600, 400);
    view.centerOn(b);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    // A click without movement pushes nothing and keeps the guide line.
    const QPoint onA = view.mapFromScene(a->sceneBoundingRect().center());
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, onA);
    QCOMPARE(f.score.undoStack->count(), 0);
    QVERIFY(f.score.scene->guideLineOn);
    a->setSelected(true);
    b->setSelected(true);
    c->setSelected(true);

    drag(view, a, QPoint(20, 10));
    QCOMPARE(a->pos(), notePoint * s + QPointF(20, 10));
    QCOMPARE(f.score.undoStack->count(), 1);
    const QUndoCommand *macro = f.score.undoStack->command(0);
    QCOMPARE(macro->text(), QStringLiteral("move selected items"));
    QCOMPARE(macro->childCount(), 3);
    QStringList texts;
    for (int i = 0; i < 3; ++i)
        texts << macro->child(i)->text();
    texts.sort();
    QCOMPARE(texts, (QStringList{"DirectionMove Refresh", "DirectiveMove", "NotationMove"}));
    QVERIFY(!f.score.scene->guideLineOn);

    const double dx = 20.0 / s / noteSize;
    const double dy = 10.0 / s / noteSize;
    QVERIFY(f.notation->moved);
    QCOMPARE(QPointF(f.notation->x, f.notation->y), QPointF(dx, dy));
    QCOMPARE(QPointF(f.directive->x, f.directive->y), QPointF(40.0 / s / noteSize + dx, dy));
    QCOMPARE(QPointF(f.direction->x, f.direction->y), QPointF(80.0 / s / noteSize + dx, dy));

    // One undo step reverts all three.
    f.score.undoStack->undo();
    for (const UserOffset *o :
         {static_cast<UserOffset *>(f.notation), static_cast<UserOffset *>(f.directive),
          static_cast<UserOffset *>(f.direction)}) {
        QVERIFY(!o->moved);
        QCOMPARE(QPointF(o->x, o->y), QPointF(0, 0));
    }
    f.score.undoStack->redo();
    QVERIFY(f.notation->moved && f.directive->moved && f.direction->moved);
}

void TestDragMoves::offsetsByType_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("kind");       // of the notation or direction
    QTest::addColumn<QPointF>("moveBy"); // mm
    QTest::addColumn<QPointF>("expected");
    QTest::addColumn<QString>("text"); // empty: no command
    // moveBy (2, 1) mm is (0.4, 0.2) note sizes. Style corrections:
    // notation-offset 0.1, tremolo 0.05 / 0.07, fingering 0.01 / 0.02.
    const QPointF by(2.0, 1.0);
    QTest::newRow("notation h") << true << 4 << 0 << 3 << by << QPointF(0.4, 0.1) << "NotationMove";
    QTest::newRow("notation v keeps sign")
        << false << 4 << 0 << 3 << by << QPointF(0.2, 0.3) << "NotationMove";
    // Staff notation draws its glyph marks off the note like every
    // notation, but its slurs from the moved end point itself.
    QTest::newRow("notation of staff notation corrected")
        << false << 4 << 12 << 3 << by << QPointF(0.2, 0.3) << "NotationMove";
    QTest::newRow("slur of staff notation uncorrected")
        << true << 4 << 12 << 6 << by << QPointF(0.4, 0.2) << "NotationMove Refresh";
    QTest::newRow("tremolo") << true << 4 << 0 << 10 << by << QPointF(0.4, 0.13) << "NotationMove";
    QTest::newRow("slur refreshes")
        << true << 4 << 0 << 6 << by << QPointF(0.4, 0.5) << "NotationMove Refresh";
    QTest::newRow("wavy line refreshes")
        << true << 4 << 0 << 11 << by << QPointF(0.4, 0.1) << "NotationMove Refresh";
    QTest::newRow("directive v negates")
        << false << 5 << 0 << 0 << by << QPointF(0.2, -0.4) << "DirectiveMove";
    QTest::newRow("direction v") << false << 6 << 0 << 1 << by << QPointF(0.2, -0.4)
                                 << "DirectionMove";
    QTest::newRow("credit in mm") << false << 7 << 0 << 0 << by << QPointF(1.0, -2.0)
                                  << "CreditMove";
    QTest::newRow("octave mark v keeps sign")
        << false << 8 << 0 << 0 << by << QPointF(0.2, 0.4) << "OctaveInstMove";
    QTest::newRow("lyric h") << true << 10 << 0 << 0 << by << QPointF(0.4, 0.2) << "LyricMove";
    QTest::newRow("lyric v unmoved")
        << false << 10 << 0 << 0 << QPointF(0, 0) << QPointF() << QString();
    QTest::newRow("ending v") << false << 11 << 0 << 0 << by << QPointF(0.4, 0.2) << "EndingMove";
    QTest::newRow("fingering v") << false << 12 << 0 << 0 << by << QPointF(0.19, 0.38)
                                 << "FingeringMove";
    QTest::newRow("harmonic v") << false << 13 << 0 << 0 << by << QPointF(0.2, -0.4)
                                << "HarmonicMove";
    QTest::newRow("up-bow v") << false << 14 << 0 << 0 << by << QPointF(0.2, -0.4) << "UpBowMove";
    QTest::newRow("stopped h") << true << 15 << 0 << 0 << by << QPointF(0.4, 0.2) << "StoppedMove";
    QTest::newRow("note glyph") << true << 9 << 0 << 0 << by << QPointF() << QString();
}

void TestDragMoves::offsetsByType()
{
    QFETCH(bool, horizontal);
    QFETCH(int, type);
    QFETCH(int, style);
    QFETCH(int, kind);
    QFETCH(QPointF, moveBy);
    QFETCH(QPointF, expected);
    QFETCH(QString, text);

    DragFixture f(horizontal, style);
    f.score.style->notationOffset = 0.1;
    f.score.style->tremoloOffsetL = 0.05;
    f.score.style->tremoloOffsetW = 0.07;
    f.score.style->slurOffset = -0.3;
    f.score.style->fingeringOffsetL = 0.01;
    f.score.style->fingeringOffsetW = 0.02;
    f.notation->kind = kind;
    f.direction->kind = kind;
    const double s = f.score.page->scaleFactor;

    QGraphicsRectItem *item = f.addItem(type);
    QPointF reference = notePoint;
    if (type == DirectionItem)
        reference = f.score.getDirectionPosition(0, 0, 0, 0);
    QVERIFY(type == NoteItem || f.watcher->referencePoint(item, &reference));
    QPointF position = (reference + moveBy) * s;
    if (type == EndingItem && !horizontal)
        position.rx() -= 15.0; // its x is read 15 units further
    item->setPos(position);
    item->setSelected(true);

    f.watcher->pushMoveCommands();
    if (text.isEmpty()) {
        QCOMPARE(f.score.undoStack->count(), 0);
        return;
    }
    QCOMPARE(f.score.undoStack->count(), 1);
    QCOMPARE(f.score.undoStack->command(0)->child(0)->text(), text);
    bool moved = false;
    const QPointF stored = f.storedOffset(type, &moved);
    QVERIFY(moved);
    QVERIFY2(qAbs(stored.x() - expected.x()) < 1e-9 && qAbs(stored.y() - expected.y()) < 1e-9,
             qPrintable(QStringLiteral("stored (%1, %2)").arg(stored.x()).arg(stored.y())));
}

void TestDragMoves::nothingMovableSelected()
{
    DragFixture f(true, 0);
    auto *plain = new QGraphicsRectItem(0, 0, 10, 10);
    plain->setFlag(QGraphicsItem::ItemIsSelectable);
    f.score.scene->addItem(plain);
    plain->setSelected(true);
    // A notation tag that leads to no notation.
    QGraphicsRectItem *stale = f.addItem(NotationItem);
    f.score.setNotationItemTag(stale, 0, 0, 0, 0, 7);
    stale->setSelected(true);
    f.watcher->pushMoveCommands();
    QCOMPARE(f.score.undoStack->count(), 0);
}

void TestDragMoves::moveCommandsRestore()
{
    DragFixture f(true, 0);
    f.notation->setOffset(0.5, 0.6);
    f.score.undoStack->push(new NotationMove(&f.score, f.notation, QPointF(1, 2)));
    QCOMPARE(QPointF(f.notation->x, f.notation->y), QPointF(1, 2));
    f.score.undoStack->push(new NotationMove(&f.score, f.notation, QPointF(3, 4)));
    f.score.undoStack->undo();
    QCOMPARE(QPointF(f.notation->x, f.notation->y), QPointF(1, 2));
    f.score.undoStack->undo();
    QVERIFY(f.notation->moved);
    QCOMPARE(QPointF(f.notation->x, f.notation->y), QPointF(0.5, 0.6));

    f.measure->endingOffsetX = 1.5;
    f.score.undoStack->push(new EndingMove(&f.score, f.measure, QPointF(-1, 2)));
    QCOMPARE(QPointF(f.measure->endingOffsetX, f.measure->endingOffsetY), QPointF(-1, 2));
    f.score.undoStack->undo();
    QCOMPARE(QPointF(f.measure->endingOffsetX, f.measure->endingOffsetY), QPointF(1.5, 0));

    f.score.undoStack->push(new OctaveInstMove(&f.score, f.note, QPointF(0.3, 0.4)));
    QVERIFY(f.note->octaveInstMoved);
    f.score.undoStack->undo();
    QVERIFY(!f.note->octaveInstMoved);
    QCOMPARE(QPointF(f.note->octaveInstOffsetX, f.note->octaveInstOffsetY), QPointF(0, 0));
}

void TestDragMoves::handleRegeneratesAfterItsHandler()
{
    DragFixture f(true, 0);
    int regenerations = 0;
    bool handlerStillRunning = false;
    QObject::connect(&f.score, &Score::sigRegenerate, &f.score, [&] {
        // During the item's release handler the scene still has it as
        // mouse grabber.
        handlerStillRunning = f.score.scene->mouseGrabberItem() != nullptr;
        ++regenerations;
        f.score.beginGraphicItems(); // deletes the handle
    });

    auto *handle = new MovableItem(&f.score, 30, 30);
    handle->setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
    f.score.scene->addItem(handle);
    handle->installSceneEventFilter(f.watcher);
    QGraphicsView view(f.score.scene);
    view.resize(400, 300);
    view.centerOn(handle);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    const QPoint onHandle = view.mapFromScene(handle->sceneBoundingRect().center());
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, onHandle);
    QCoreApplication::processEvents();
    QCOMPARE(regenerations, 0);

    drag(view, handle, QPoint(15, 5));
    QCoreApplication::processEvents();
    QCOMPARE(regenerations, 1);
    QVERIFY(!handlerStillRunning);
    // The regeneration replaced every item, the handle and the watcher.
    const QList<QGraphicsItem *> items = f.score.scene->items();
    QVERIFY(std::none_of(items.cbegin(), items.cend(), [](QGraphicsItem *item) {
        return dynamic_cast<MovableItem *>(item) != nullptr;
    }));
    QVERIFY(items.contains(f.score.watcher));
}

VELMORA_TEST_MAIN(TestDragMoves)

} // namespace tst_drag_moves
#include "tst_drag_moves.moc"
