// The tremolo wavy line of a note (length, position, movability and its
// shown state by the note's chain flag and the notation's visibility) and
// the hooked line of a text group.
#include "drawing/mypath.h"
#include "drawing/watcheritem.h"
#include "layout/alignitem.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>

namespace tst_mark_lines {

class TestMarkLines : public QObject
{
    Q_OBJECT

private slots:
    void wavyLine_data();
    void wavyLine();
    void hookedLine_data();
    void hookedLine();
};

void TestMarkLines::wavyLine_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("chainMember");
    QTest::addColumn<int>("visibility");
    QTest::addColumn<bool>("clean");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<double>("opacity");
    QTest::addColumn<bool>("visible");
    QTest::newRow("default") << true << false << 0 << false << true << 1.0 << true;
    QTest::newRow("invisible on screen") << true << false << 2 << false << false << 0.3 << true;
    QTest::newRow("invisible in clean output")
        << true << false << 2 << true << false << 1.0 << false;
    QTest::newRow("chain member by default") << true << true << 0 << false << false << 0.3 << true;
    QTest::newRow("chain member made visible")
        << false << true << 1 << false << true << 1.0 << true;
}

void TestMarkLines::wavyLine()
{
    QFETCH(bool, horizontal);
    QFETCH(bool, chainMember);
    QFETCH(int, visibility);
    QFETCH(bool, clean);
    QFETCH(bool, shown);
    QFETCH(double, opacity);
    QFETCH(bool, visible);

    Score score(QStringLiteral("5.3.1"), 1, false);
    score.page->horizontal = horizontal;
    score.cleanOutput = clean;
    score.style->tremoloOffsetL = 0.2;
    score.style->tremoloOffsetW = 0.5;
    TestSupport::ModelBuilder builder(&score);
    Part *part = builder.addPart(QStringLiteral("P"), 0);
    part->noteFontSize = 4.0;
    Measure *m = builder.addMeasure();
    Note *note = builder.addNotes(0, 1, QStringLiteral("C4/4")).first();
    Voice *voice = m->parts.at(0)->voices.use(0);
    for (double start : {2.0, 6.0}) {
        auto *item = new AlignItem;
        item->fittedPosition = start;
        item->length = 3.0;
        item->finalX = 20.0 + start;
        item->finalY = 30.0;
        voice->alignItems.append(item);
    }
    note->firstAlignItem = 0;
    note->alignItemEnd = 1;
    note->tremoloType = 1;
    note->longRepeatMemberFlag = chainMember;
    auto *notation = new Notation(note);
    notation->kind = 10;
    notation->visibility = visibility;
    notation->scale = 2.0;
    note->notations.append(notation);
    score.beginGraphicItems();

    const double s = score.page->scaleFactor;
    QCOMPARE(score.genNotationWavyLine(0, 0, 0, 0, 0, note, notation, 4.0), 1);
    auto *path = dynamic_cast<MyPath *>(notation->item);
    QVERIFY(path);
    // From the first item's start (2) to the last one's end (9), doubled.
    QCOMPARE(path->length, 14.0 * s);
    QCOMPARE(path->kind, 2);
    QVERIFY(path->alongX);
    QCOMPARE(path->size, 4.0 * s);
    QCOMPARE(path->data(TagType).toInt(), int(NotationItem));
    QCOMPARE(path->flags(), QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
    QCOMPARE(path->zValue(), 10.0);
    // The default offset is used, not stored.
    QVERIFY(!notation->moved);
    QCOMPARE(QPointF(notation->x, notation->y), QPointF(0, 0));
    if (horizontal) {
        QCOMPARE(path->rotation(), 0.0);
        QCOMPARE(path->pos(), QPointF((0.2 * 4 + 22.0) * s, ((0.5 + 0.1) * 4 + 30.0) * s));
    } else {
        QCOMPARE(path->rotation(), 90.0);
        QCOMPARE(path->pos(), QPointF(((1.7 + 0.5) * 4 + 22.0) * s, (0.2 * 4 + 30.0) * s));
    }
    QCOMPARE(notation->shown, shown);
    QCOMPARE(path->opacity(), opacity);
    QCOMPARE(path->isVisible(), visible);

    // A moved notation is placed by its own offset.
    notation->setOffset(1.0, -1.0);
    score.genNotationWavyLine(0, 0, 0, 0, 0, note, notation, 4.0);
    if (horizontal)
        QCOMPARE(notation->item->pos(), QPointF((4.0 + 22.0) * s, ((0.5 - 1.0) * 4 + 30.0) * s));
}

void TestMarkLines::hookedLine_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("startHook");
    QTest::addColumn<int>("endHook");
    QTest::addColumn<QLineF>("startLine"); // in units of h; empty: none
    QTest::addColumn<QLineF>("endLine");   // in units of h and L
    QTest::newRow("horizontal up, down")
        << true << 1 << 2 << QLineF(0, 0, 0, -1) << QLineF(1, 0, 1, 1);
    QTest::newRow("vertical right, left")
        << false << 1 << 2 << QLineF(0, 0, 1, 0) << QLineF(0, 1, -1, 1);
    QTest::newRow("no hooks") << true << 0 << 0 << QLineF() << QLineF();
}

void TestMarkLines::hookedLine()
{
    QFETCH(bool, horizontal);
    QFETCH(int, startHook);
    QFETCH(int, endHook);
    QFETCH(QLineF, startLine);
    QFETCH(QLineF, endLine);
    Score score(QStringLiteral("5.3.1"), 1, false);
    score.page->horizontal = horizontal;
    score.maxNoteSize = 5.0;
    const double s = score.page->scaleFactor;
    const double h = 0.8 * 5.0 * s;
    const double l = 30.0 * s;
    QGraphicsItemGroup group;
    score.addHookedLineToGroup(&group, 2, 30.0, startHook, endHook);
    QList<QGraphicsLineItem *> lines;
    for (QGraphicsItem *child : group.childItems())
        lines << static_cast<QGraphicsLineItem *>(child);
    QCOMPARE(lines.size(), 2 + (startHook ? 1 : 0) + (endHook ? 1 : 0));
    QCOMPARE(lines.at(0)->line(), horizontal ? QLineF(0, 0, l, 0) : QLineF(0, 0, 0, l));
    QCOMPARE(lines.at(0)->pen().style(), Qt::DashLine);
    QCOMPARE(lines.at(0)->pen().widthF(), 0.25 * s);
    QCOMPARE(lines.at(1)->pen().color().alpha(), 0);
    auto scaled = [h, l, horizontal](const QLineF &unit) {
        // Along the line the far end is L, across it the hook is h long.
        auto point = [&](QPointF p) {
            return horizontal ? QPointF(p.x() * l, p.y() * h) : QPointF(p.x() * h, p.y() * l);
        };
        return QLineF(point(unit.p1()), point(unit.p2()));
    };
    if (startHook)
        QCOMPARE(lines.at(2)->line(), scaled(startLine));
    if (endHook)
        QCOMPARE(lines.at(3)->line(), scaled(endLine));
}

VELMORA_TEST_MAIN(TestMarkLines)

} // namespace tst_mark_lines
#include "tst_mark_lines.moc"
