// Slurs on generated scenes: one movable, tagged item per slur within a
// system and one per system across breaks (only the first and the last
// movable), in both writing directions and in staff notation; visibility on
// screen and in clean output (a hidden slur is absent from exported SVG);
// a note that ends one slur and starts the next; the curve's bulge and a
// chord of no length; a drag of a slur pushes its move command; and the
// slurs of the test suite's slur file.
#include "drawing/slurs.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "support/messagecapture.h"
#include "support/scorefile.h"
#include "support/staffheads.h"
#include "support/testenvironment.h"
#include "support/voicescore.h"
#include "view/scene.h"

#include <QFile>
#include <QGraphicsPathItem>
#include <QGraphicsView>
#include <QTemporaryDir>
#include <QUndoStack>

#include <cmath>

namespace tst_slurs {

using TestSupport::VoiceScore;

namespace {

enum SlurEnd
{
    Start = 1,
    Stop = 2,
    StopAndStart = 3,
};

// Gives the note the slur code of number 1 with its notation (owned by the
// note); returns the start notation, or the stop notation of a stop.
Notation *markSlur(Note *note, int code, int visibility = 0)
{
    Notation *made = nullptr;
    if (code == Stop || code == StopAndStart) {
        made = new Notation(note);
        made->kind = 6;
        note->notations.append(made);
        note->slurStopNotations[0] = made;
    }
    if (code == Start || code == StopAndStart) {
        made = new Notation(note);
        made->kind = 6;
        made->visibility = visibility;
        note->notations.append(made);
        note->slurStartNotations[0] = made;
    }
    note->slurs[0] = code;
    return made;
}

QList<QGraphicsPathItem *> slurItems(const Score &score)
{
    QList<QGraphicsPathItem *> found;
    const QList<QGraphicsItem *> items = score.scene->items(Qt::AscendingOrder);
    for (QGraphicsItem *item : items) {
        if (item->type() == QGraphicsPathItem::Type)
            found.append(static_cast<QGraphicsPathItem *>(item));
    }
    return found;
}

bool isMovable(const QGraphicsItem *item)
{
    return item->flags() == (QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
}

// Three 4/4 measures of a traditional part, a slur from the first note of
// measure 0 to the second note of measure `stopMeasure`.
struct SlurScore
{
    explicit SlurScore(bool horizontal, int style = NotationStyle::TozanTrad) : f(horizontal)
    {
        f.addPart(QStringLiteral("Shakuhachi"), style);
        for (int m = 0; m < 3; ++m) {
            f.addMeasure();
            f.addNotes(0, QStringLiteral("C5/4 D5/4 E5/4 F5/4"));
        }
    }
    Notation *slur(int stopMeasure, int visibility = 0)
    {
        stopNotation = markSlur(f.note(stopMeasure, 0, 1), Stop);
        return markSlur(f.note(0, 0, 0), Start, visibility);
    }
    void build(bool staff = false)
    {
        f.prepare();
        if (staff)
            TestSupport::giveStaffHeads(f.score, 0);
        f.layOut();
        f.generate();
    }
    VoiceScore f;
    Notation *stopNotation = nullptr;
};

int svgPathCount(Score &score, const QString &path)
{
    if (!score.exportSvgFile(path))
        return -1;
    QFile file(QString(path).replace(QStringLiteral(".svg"), QStringLiteral("_p001.svg")));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(file.readAll().count("<path"));
}

} // namespace

class TestSlurs : public QObject
{
    Q_OBJECT

private slots:
    void segmentsPerSystem_data();
    void segmentsPerSystem();
    void missingStopNotation();
    void visibility_data();
    void visibility();
    void hiddenSlurNotExported();
    void stopAndRestartAtOneNote();
    void curveBulge_data();
    void curveBulge();
    void draggingASlurMovesItsNotation();
    void slurFile();
};

void TestSlurs::segmentsPerSystem_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("staff");
    QTest::addColumn<int>("perLine");
    QTest::addColumn<int>("stopMeasure");
    QTest::addColumn<int>("segments");
    QTest::newRow("one measure") << true << false << 3 << 0 << 1;
    QTest::newRow("one system, three measures") << true << false << 3 << 2 << 1;
    QTest::newRow("two breaks") << true << false << 1 << 2 << 3;
    QTest::newRow("vertical, one measure") << false << false << 3 << 0 << 1;
    QTest::newRow("vertical, two breaks") << false << false << 1 << 2 << 3;
    QTest::newRow("staff, one measure") << true << true << 3 << 0 << 1;
    QTest::newRow("staff, one break") << true << true << 2 << 2 << 2;
    QTest::newRow("staff, two breaks") << true << true << 1 << 2 << 3;
    QTest::newRow("staff vertical, two breaks") << false << true << 1 << 2 << 3;
}

void TestSlurs::segmentsPerSystem()
{
    QFETCH(bool, horizontal);
    QFETCH(bool, staff);
    QFETCH(int, perLine);
    QFETCH(int, stopMeasure);
    QFETCH(int, segments);
    SlurScore s(horizontal,
                staff ? int(NotationStyle::StaffNotation) : int(NotationStyle::TozanTrad));
    s.f.score.page->measurePerLine = perLine;
    Notation *slur = s.slur(stopMeasure);
    s.build(staff);

    const QList<QGraphicsPathItem *> items = slurItems(s.f.score);
    QCOMPARE(items.size(), segments);
    QList<QGraphicsPathItem *> movable;
    for (QGraphicsPathItem *item : items) {
        if (isMovable(item)) {
            movable.append(item);
            QCOMPARE(item->zValue(), 10.0);
            QCOMPARE(item->data(TagType).toInt(), int(NotationItem));
            QCOMPARE(itemTag(item, TagPart), 0);
            QCOMPARE(itemTag(item, TagVoice), 0);
            QCOMPARE(item->opacity(), 1.0);
        } else {
            QCOMPARE(item->zValue(), 0.0);
            QVERIFY(!item->data(TagType).isValid());
        }
        QCOMPARE(item->brush(), QBrush(Qt::black, Qt::SolidPattern));
        QVERIFY(std::isfinite(item->rotation()));
    }
    QCOMPARE(movable.size(), segments == 1 ? 1 : 2);
    // The first stands for the start notation, the last for the stop's.
    QVERIFY(movable.contains(static_cast<QGraphicsPathItem *>(slur->item)));
    QCOMPARE(itemTag(slur->item, TagMeasure), 0);
    QCOMPARE(itemTag(slur->item, TagNote), 0);
    QCOMPARE(itemTag(slur->item, TagNotation), 0);
    if (segments > 1) {
        QVERIFY(s.stopNotation->item && s.stopNotation->item != slur->item);
        QVERIFY(movable.contains(static_cast<QGraphicsPathItem *>(s.stopNotation->item)));
        QCOMPARE(itemTag(s.stopNotation->item, TagMeasure), stopMeasure);
        QCOMPARE(itemTag(s.stopNotation->item, TagNote), 1);
        // Segments run along the reading direction, one per system.
        QSet<int> systems;
        const double k = s.f.score.page->scaleFactor;
        for (QGraphicsPathItem *item : items) {
            for (int m = 0; m < 3; ++m) {
                const Measure *measure = s.f.score.measures.at(m);
                const QRectF box(measure->originX * k, measure->originY * k, measure->width * k,
                                 measure->height * k);
                if (box.contains(item->pos()))
                    systems.insert(measure->lineIndex);
            }
        }
        QCOMPARE(systems.size(), segments);
    } else {
        QVERIFY(!s.stopNotation->item);
    }
    QCOMPARE(s.f.score.parts.at(0)->slurs.at(0)->startSlots[0].startMeasure, nullptr);
}

void TestSlurs::missingStopNotation()
{
    SlurScore s(true);
    s.f.score.page->measurePerLine = 1;
    s.slur(1);
    // A stop code without its notation, as a damaged file may give.
    s.f.note(1, 0, 1)->slurStopNotations[0] = nullptr;
    TestSupport::MessageCapture capture;
    s.build();
    QCOMPARE(slurItems(s.f.score).size(), 1);
    QVERIFY(capture.contains(QStringLiteral("slurStopNotation is nullptr")));
}

void TestSlurs::visibility_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("chain"); // the start note lies inside a chain
    QTest::addColumn<bool>("clean");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<double>("opacity");
    QTest::newRow("default") << 0 << false << false << true << 1.0;
    QTest::newRow("hidden") << 2 << false << false << true << 0.5;
    QTest::newRow("hidden, clean output") << 2 << false << true << false << 1.0;
    QTest::newRow("default in a chain") << 0 << true << false << true << 0.5;
    QTest::newRow("default in a chain, clean output") << 0 << true << true << false << 1.0;
    QTest::newRow("shown in a chain") << 1 << true << false << true << 1.0;
    QTest::newRow("shown, clean output") << 1 << false << true << true << 1.0;
}

void TestSlurs::visibility()
{
    QFETCH(int, code);
    QFETCH(bool, chain);
    QFETCH(bool, clean);
    QFETCH(bool, visible);
    QFETCH(double, opacity);
    SlurScore s(true);
    Notation *slur = s.slur(0, code);
    if (chain)
        s.f.note(0, 0, 0)->longRepeatCount = 2;
    s.f.score.cleanOutput = clean;
    s.build();
    QVERIFY(slur->item);
    QCOMPARE(slur->item->isVisible(), visible);
    QCOMPARE(slur->item->opacity(), opacity);
}

void TestSlurs::hiddenSlurNotExported()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QList<int> counts;
    for (int code : {-1, 1, 2}) { // no slur, shown, hidden
        SlurScore s(true);
        if (code >= 0)
            s.slur(1, code);
        const QString path = dir.filePath(QStringLiteral("slur%1.svg").arg(code + 1));
        counts.append(svgPathCount(s.f.score, path));
        // The editor's picture keeps the hidden slur, faint.
        if (code == 2) {
            QVERIFY(s.f.score.generateScore());
            const QList<QGraphicsPathItem *> items = slurItems(s.f.score);
            QCOMPARE(items.size(), 1);
            QCOMPARE(items.first()->opacity(), 0.5);
        }
    }
    QVERIFY(counts.at(0) > 0);
    QVERIFY(counts.at(1) > counts.at(0));
    QCOMPARE(counts.at(2), counts.at(0));
}

void TestSlurs::stopAndRestartAtOneNote()
{
    SlurScore s(true);
    Notation *first = markSlur(s.f.note(0, 0, 0), Start);
    Notation *second = markSlur(s.f.note(0, 0, 2), StopAndStart);
    markSlur(s.f.note(1, 0, 1), Stop);
    s.build();
    QCOMPARE(slurItems(s.f.score).size(), 2);
    QVERIFY(first->item && second->item && first->item != second->item);
    // The second begins where the first ends, at the shared note.
    const auto *a = static_cast<QGraphicsPathItem *>(first->item);
    const auto *b = static_cast<QGraphicsPathItem *>(second->item);
    const double end = a->pos().x() + a->path().boundingRect().width();
    QVERIFY2(std::abs(b->pos().x() - end) < 1e-6,
             qPrintable(QStringLiteral("%1 vs %2").arg(b->pos().x()).arg(end)));
    QCOMPARE(itemTag(b, TagNote), 2);
}

void TestSlurs::curveBulge_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<double>("dx");
    QTest::addColumn<double>("dy");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("bulge");
    QTest::addColumn<double>("rotation");
    // 0.4 x height, scaled down below a chord of 100.
    QTest::newRow("short") << false << 50.0 << 0.0 << 30.0 << 6.0 << 0.0;
    QTest::newRow("100") << false << 100.0 << 0.0 << 30.0 << 12.0 << 0.0;
    QTest::newRow("long") << false << 250.0 << 0.0 << 30.0 << 12.0 << 0.0;
    QTest::newRow("long, staff height") << false << 250.0 << 0.0 << 55.0 << 22.0 << 0.0;
    QTest::newRow("falling") << false << 30.0 << 40.0 << 30.0 << 6.0 << 53.1301;
    QTest::newRow("rising") << false << 30.0 << -40.0 << 30.0 << 6.0 << -53.1301;
    QTest::newRow("no length") << false << 0.0 << 0.0 << 30.0 << 0.0 << 0.0;
    QTest::newRow("vertical") << true << 0.0 << 50.0 << 30.0 << 6.0 << 0.0;
    QTest::newRow("vertical, leaning") << true << 40.0 << 30.0 << 30.0 << 6.0 << -53.1301;
    QTest::newRow("vertical, no length") << true << 0.0 << 0.0 << 55.0 << 0.0 << 0.0;
}

void TestSlurs::curveBulge()
{
    QFETCH(bool, vertical);
    QFETCH(double, dx);
    QFETCH(double, dy);
    QFETCH(double, height);
    QFETCH(double, bulge);
    QFETCH(double, rotation);
    QGraphicsPathItem item;
    if (vertical)
        Slurs::slurPathV(&item, true, dx, dy, 0.0, 0.0, height);
    else
        Slurs::slurPath(&item, true, dx, dy, 0.0, 0.0, height);
    const QPainterPath path = item.path();
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPointF point = path.elementAt(i);
        QVERIFY(std::isfinite(point.x()) && std::isfinite(point.y()));
    }
    // The first control point stands off the chord by the bulge (a chord
    // of no length has no curve to control).
    const QPointF control = path.elementAt(1);
    if (bulge > 0.0)
        QVERIFY2(std::abs((vertical ? control.x() : -control.y()) - bulge) < 1e-9,
                 qPrintable(QString::number(vertical ? control.x() : control.y())));
    QVERIFY2(std::abs(item.rotation() - rotation) < 1e-3,
             qPrintable(QString::number(item.rotation())));
    const double length = std::hypot(dx, dy);
    const QRectF box = path.boundingRect();
    QVERIFY(std::abs((vertical ? box.bottom() : box.right()) - length) < 1e-9);
}

void TestSlurs::draggingASlurMovesItsNotation()
{
    SlurScore s(true);
    Notation *slur = s.slur(0);
    s.build();
    QVERIFY(slur->item);
    QGraphicsView view(s.f.score.scene);
    view.resize(800, 600);
    view.scale(8.0, 8.0); // the crescent is about a unit thick
    view.centerOn(slur->item);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    // Grab the crescent at its middle, where it is thickest.
    const QRectF box = slur->item->boundingRect();
    QPointF grip(box.center().x(), box.top());
    while (grip.y() < box.bottom() && !slur->item->contains(grip))
        grip.ry() += 0.05;
    const QPoint start = view.mapFromScene(slur->item->mapToScene(grip + QPointF(0, 0.3)));
    QVERIFY(view.itemAt(start) == slur->item);
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, start);
    QTest::mouseMove(view.viewport(), start + QPoint(0, 10));
    QTest::mouseMove(view.viewport(), start + QPoint(0, 20));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, start + QPoint(0, 20));
    QCoreApplication::processEvents();
    QUndoStack *stack = s.f.score.undoStack;
    QCOMPARE(stack->count(), 1);
    QCOMPARE(stack->command(0)->text(), QStringLiteral("move selected items"));
    QCOMPARE(stack->command(0)->childCount(), 1);
    QCOMPARE(stack->command(0)->child(0)->text(), QStringLiteral("NotationMove Refresh"));
    QVERIFY(slur->moved);
    QVERIFY(slur->y > 0.0);
}

void TestSlurs::slurFile()
{
    // Measure 1: three slurs in a row, each ending where the next starts;
    // measure 2: slur 2 inside slur 1; measure 3: a slur that voice 2
    // starts and voice 1 ends, though voice 1 reads its stop first.
    Score score(QStringLiteral("5.3.1"), 1, false);
    QVERIFY(TestSupport::loadScoreFile(
        score, TestSupport::fixturePath(
                   QStringLiteral("corpus/lilypond-musicxml-testsuite/33c-Spanners-Slurs.xml"))));
    score.parts.at(0)->notationStyle = NotationStyle::TozanTrad;
    score.page->measurePerLine = 3;
    QVERIFY(score.generateScore());
    const QList<QGraphicsPathItem *> items = slurItems(score);
    QCOMPARE(items.size(), 6);
    for (QGraphicsPathItem *item : items) {
        QVERIFY(isMovable(item));
        QCOMPARE(item->data(TagType).toInt(), int(NotationItem));
    }
}

VELMORA_TEST_MAIN(TestSlurs)

} // namespace tst_slurs
#include "tst_slurs.moc"
