// Staff notation a player can read, checked on the generated scene: stems on
// every note shorter than a whole note even when the file names no stem
// direction, the rests of two voices clear of each other's heads, a gap
// between key and time signature, octave-shift hooks that point at the
// staff, nested tuplet numbers apart, and directions on the side their
// file asks for (in every style).
#include "layout/aligner.h"
#include "layout/alignitem.h"
#include "model/direction.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace tst_staff_reading {

namespace {

const char *const suite = "corpus/lilypond-musicxml-testsuite/";

QString suiteFile(const char *name)
{
    return TestSupport::fixturePath(QLatin1String(suite) + QLatin1String(name));
}

QString staffFixture(const char *name)
{
    return TestSupport::fixturePath(QStringLiteral("staff/") + QLatin1String(name));
}

// Every note of the score with the measure, part and voice it lies in.
struct Placed
{
    Measure *measure;
    int part;
    int voice;
    Note *note;
};

QList<Placed> allNotes(const Score &score)
{
    QList<Placed> result;
    for (Measure *m : score.measures) {
        for (int p = 0; p < m->parts.size(); ++p) {
            for (int v = 0; v < m->parts.at(p)->voices.size(); ++v) {
                for (Note *note : m->parts.at(p)->voices.at(v)->notes)
                    result.append({m, p, v, note});
            }
        }
    }
    return result;
}

QGraphicsItem *itemOf(const Placed &at, int index)
{
    const QList<AlignItem *> &items =
        at.measure->parts.at(at.part)->voices.at(at.voice)->alignItems;
    return index >= 0 && index < items.size() ? items.at(index)->graphicsItem : nullptr;
}

QList<GlyphItem *> glyphsNamed(const Score &score, const QString &prefix)
{
    QList<GlyphItem *> result;
    for (QGraphicsItem *item : score.scene->items()) {
        if (item->type() == GlyphItem::Type) {
            auto *glyph = static_cast<GlyphItem *>(item);
            if (glyph->elementId().startsWith(prefix))
                result.append(glyph);
        }
    }
    return result;
}

// Two scene rectangles overlap by more than `slack` in both directions.
bool overlap(const QRectF &a, const QRectF &b, double slack)
{
    const QRectF common = a.intersected(b);
    return common.width() > slack && common.height() > slack;
}

void addDirectionRows()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

} // namespace

class TestStaffReading : public QObject
{
    Q_OBJECT

private slots:
    void stemsOnShorterNotes_data();
    void stemsOnShorterNotes();
    void stemsFollowVoicesAndFileValue_data() { addDirectionRows(); }
    void stemsFollowVoicesAndFileValue();
    void restsClearOfOtherVoice_data();
    void restsClearOfOtherVoice();
    void keySignatureLeavesGap_data() { addDirectionRows(); }
    void keySignatureLeavesGap();
    void octaveHooksPointAtStaff_data() { addDirectionRows(); }
    void octaveHooksPointAtStaff();
    void nestedTupletNumbersApart_data();
    void nestedTupletNumbersApart();
    void directionsOnAskedSide_data();
    void directionsOnAskedSide();
    void wholeMeasureRestCentred_data() { addDirectionRows(); }
    void wholeMeasureRestCentred();
};

void TestStaffReading::stemsOnShorterNotes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("horizontal");
    for (const char *name : {"01a-Pitches-Pitches.xml", "03a-Rhythm-Durations.xml",
                             "33c-Spanners-Slurs.xml", "23a-Tuplets.xml"}) {
        for (bool horizontal : {true, false})
            QTest::addRow("%.3s %s", name, horizontal ? "h" : "v") << suiteFile(name) << horizontal;
    }
}

void TestStaffReading::stemsOnShorterNotes()
{
    QFETCH(QString, path);
    QFETCH(bool, horizontal);
    const auto score = TestSupport::generatedScore(path, NotationStyle::StaffNotation, horizontal);
    QVERIFY(score);
    int checked = 0;
    for (const Placed &at : allNotes(*score)) {
        const Note *note = at.note;
        // A chord shares the stem of its first note.
        if (note->rest || note->chord || note->noteType < 2 || note->firstAlignItem < 0)
            continue;
        ++checked;
        const QString what = QStringLiteral("measure %1 voice %2 %3%4")
                                 .arg(at.measure->indexInScore() + 1)
                                 .arg(at.voice + 1)
                                 .arg(note->step)
                                 .arg(note->octave);
        QVERIFY2(note->stemShown == 1 || note->stemShown == 2, qPrintable(what));
        if (note->beamTypes[0] != 0) {
            // The beam draws the stem and writes where it ends.
            QVERIFY2(note->stemEnd != 0.0, qPrintable(what));
            continue;
        }
        const QGraphicsItem *stem = itemOf(at, note->stemAlignItem);
        QVERIFY2(stem && stem->scene() && stem->isVisible(), qPrintable(what));
        QVERIFY2(!stem->sceneBoundingRect().isEmpty(), qPrintable(what));
    }
    QVERIFY(checked > 0);
}

void TestStaffReading::stemsFollowVoicesAndFileValue()
{
    QFETCH(bool, horizontal);
    const auto score = TestSupport::generatedScore(staffFixture("42x-MultiVoice-Rests.xml"),
                                                   NotationStyle::StaffNotation, horizontal);
    QVERIFY(score);
    const MePart *cell = score->measures.at(0)->parts.at(0);
    for (int v = 0; v < 2; ++v) {
        for (const Note *note : cell->voices.at(v)->notes) {
            if (note->rest)
                continue;
            QCOMPARE(note->stemShown, v == 0 ? 1 : 2);
            QCOMPARE(note->stem, 0); // the file's value stays as read
        }
    }

    // Alone on its staff a note takes the side away from its far head, and
    // a direction from the file wins.
    const auto pitches = TestSupport::generatedScore(suiteFile("01a-Pitches-Pitches.xml"),
                                                     NotationStyle::StaffNotation, horizontal);
    QVERIFY(pitches);
    for (const Placed &at : allNotes(*pitches)) {
        const int step = pitches->getStaffStep(at.measure, at.part, at.note);
        if (at.note->beamTypes[0] == 0 && at.note->stem == 0)
            QCOMPARE(at.note->stemShown, step >= 0 ? 2 : 1);
    }
}

void TestStaffReading::restsClearOfOtherVoice_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("horizontal");
    for (bool horizontal : {true, false}) {
        const char *tag = horizontal ? "h" : "v";
        QTest::addRow("33c %s", tag) << suiteFile("33c-Spanners-Slurs.xml") << horizontal;
        QTest::addRow("42x %s", tag) << staffFixture("42x-MultiVoice-Rests.xml") << horizontal;
    }
}

void TestStaffReading::restsClearOfOtherVoice()
{
    QFETCH(QString, path);
    QFETCH(bool, horizontal);
    const auto score = TestSupport::generatedScore(path, NotationStyle::StaffNotation, horizontal);
    QVERIFY(score);
    const double slack = 0.2 * score->page->scaleFactor;
    const QList<Placed> notes = allNotes(*score);
    int pairs = 0;
    for (const Placed &rest : notes) {
        if (!rest.note->rest)
            continue;
        const QGraphicsItem *restItem = itemOf(rest, rest.note->noteAlignItem);
        QVERIFY(restItem);
        for (const Placed &head : notes) {
            if (head.measure != rest.measure || head.voice == rest.voice || head.note->rest)
                continue;
            const QGraphicsItem *headItem = itemOf(head, head.note->noteAlignItem);
            QVERIFY(headItem);
            ++pairs;
            QVERIFY2(!overlap(restItem->sceneBoundingRect(), headItem->sceneBoundingRect(), slack),
                     qPrintable(QStringLiteral("measure %1: rest of voice %2 on %3%4 of voice %5")
                                    .arg(rest.measure->indexInScore() + 1)
                                    .arg(rest.voice + 1)
                                    .arg(head.note->step)
                                    .arg(head.note->octave)
                                    .arg(head.voice + 1)));
        }
    }
    QVERIFY(pairs > 0);
}

void TestStaffReading::keySignatureLeavesGap()
{
    QFETCH(bool, horizontal);
    const auto score = TestSupport::generatedScore(staffFixture("22x-Signatures-KeyBeforeTime.xml"),
                                                   NotationStyle::StaffNotation, horizontal);
    QVERIFY(score);
    const double k = score->page->scaleFactor;
    const double size = score->parts.at(0)->noteFontSize;
    const QList<GlyphItem *> keys = glyphsNamed(*score, QStringLiteral("Key"));
    QCOMPARE(keys.size(), 2);
    for (const GlyphItem *key : keys) {
        const QRectF keyBox = key->sceneBoundingRect();
        // The time signature is the group that follows the key most closely.
        double gap = 1e9;
        for (QGraphicsItem *item : score->scene->items()) {
            if (!dynamic_cast<QGraphicsItemGroup *>(item) || item->childItems().isEmpty() ||
                item->childItems().first()->type() != GlyphItem::Type)
                continue;
            const QRectF box = item->sceneBoundingRect();
            const double after =
                horizontal ? box.left() - keyBox.right() : box.top() - keyBox.bottom();
            const bool sameRow =
                horizontal ? box.intersects(QRectF(box.left(), keyBox.top(), 1, keyBox.height()))
                           : box.intersects(QRectF(keyBox.left(), box.top(), keyBox.width(), 1));
            if (sameRow && after > -0.5 * size * k && after < gap)
                gap = after;
        }
        QVERIFY2(gap >= 0.1 * size * k,
                 qPrintable(QStringLiteral("%1: gap %2 mm").arg(key->elementId()).arg(gap / k)));
    }
}

void TestStaffReading::octaveHooksPointAtStaff()
{
    QFETCH(bool, horizontal);
    const auto score = TestSupport::generatedScore(staffFixture("32x-OctaveShifts-Hooks.xml"),
                                                   NotationStyle::StaffNotation, horizontal);
    QVERIFY(score);
    const double k = score->page->scaleFactor;
    int hooks = 0;
    for (QGraphicsItem *item : score->scene->items()) {
        auto *group = dynamic_cast<QGraphicsItemGroup *>(item);
        if (!group)
            continue;
        bool octave = false;
        QGraphicsLineItem *hook = nullptr;
        for (QGraphicsItem *child : group->childItems()) {
            if (child->type() == GlyphItem::Type &&
                static_cast<GlyphItem *>(child)->elementId().startsWith(QLatin1String("8_Italic")))
                octave = true;
            auto *line = qgraphicsitem_cast<QGraphicsLineItem *>(child);
            if (line && line->pen().color().alpha() > 0) {
                const QLineF l = line->line();
                if (horizontal ? l.dx() == 0.0 && l.dy() != 0.0 : l.dy() == 0.0 && l.dx() != 0.0)
                    hook = line;
            }
        }
        if (!octave || !hook)
            continue;
        ++hooks;
        // The staff of the measure the piece starts in.
        const QPointF at = group->scenePos();
        const Measure *m = nullptr;
        for (const Measure *measure : score->measures) {
            const double start = horizontal ? measure->originX : measure->originY;
            if ((horizontal ? at.x() : at.y()) / k >= start - 1.0)
                m = measure;
        }
        QVERIFY(m);
        const double staff = m->getPartNoteLine(0, 0) * k;
        const double side = horizontal ? at.y() - staff : at.x() - staff;
        const double towards = horizontal ? hook->line().dy() : hook->line().dx();
        QVERIFY2(side * towards < 0.0,
                 qPrintable(QStringLiteral("measure %1: hook %2 from a line %3 off the staff")
                                .arg(m->indexInScore() + 1)
                                .arg(towards)
                                .arg(side)));
    }
    QCOMPARE(hooks, 2);
}

void TestStaffReading::nestedTupletNumbersApart_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    for (int style : {0, 3, 12}) {
        for (bool horizontal : {true, false})
            QTest::addRow("s%d %s", style, horizontal ? "h" : "v") << style << horizontal;
    }
}

void TestStaffReading::nestedTupletNumbersApart()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    const auto score = TestSupport::generatedScore(staffFixture("23x-Tuplets-NestedThreeDeep.xml"),
                                                   style, horizontal);
    QVERIFY(score);
    const QList<GlyphItem *> numbers = glyphsNamed(*score, QStringLiteral("3_Italic"));
    QCOMPARE(numbers.size(), 3);
    if (style != NotationStyle::StaffNotation)
        return; // drawn as far as the style goes; no crash is what counts
    const double slack = 0.1 * score->page->scaleFactor;
    for (int i = 0; i < numbers.size(); ++i) {
        for (int j = i + 1; j < numbers.size(); ++j)
            QVERIFY(!overlap(numbers.at(i)->sceneBoundingRect(), numbers.at(j)->sceneBoundingRect(),
                             slack));
    }
}

void TestStaffReading::directionsOnAskedSide_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    for (int style : {0, 3, 5, 12}) {
        for (bool horizontal : {true, false})
            QTest::addRow("s%d %s", style, horizontal ? "h" : "v") << style << horizontal;
    }
}

void TestStaffReading::directionsOnAskedSide()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    const auto score = TestSupport::generatedScore(staffFixture("31x-Directions-Placement.xml"),
                                                   style, horizontal);
    QVERIFY(score);
    const double k = score->page->scaleFactor;
    int checked = 0;
    for (Measure *m : std::as_const(score->measures)) {
        const double line = m->getPartNoteLine(0, 0) * k;
        for (const Direction *d : m->parts.at(0)->voices.at(0)->directions) {
            if (d->placement == 0 || !d->item)
                continue;
            ++checked;
            const QPointF centre = d->item->sceneBoundingRect().center();
            // Below is under the staff, or left of the column.
            const double under = horizontal ? centre.y() - line : line - centre.x();
            QVERIFY2(d->placement == 2 ? under > 0.0 : under < 0.0,
                     qPrintable(QStringLiteral("measure %1 kind %2 placement %3: %4 mm")
                                    .arg(m->indexInScore() + 1)
                                    .arg(d->kind)
                                    .arg(d->placement)
                                    .arg(under / k)));
        }
    }
    QCOMPARE(checked, 5);
}

void TestStaffReading::wholeMeasureRestCentred()
{
    QFETCH(bool, horizontal);
    const auto score =
        TestSupport::generatedScore(staffFixture("02x-Rests-WholeMeasureCentred.xml"),
                                    NotationStyle::StaffNotation, horizontal);
    QVERIFY(score);
    const double k = score->page->scaleFactor;
    int checked = 0;
    for (const Placed &at : allNotes(*score)) {
        if (!at.note->rest)
            continue;
        const QGraphicsItem *rest = itemOf(at, at.note->noteAlignItem);
        QVERIFY(rest && rest->scene());
        const QRectF box = rest->sceneBoundingRect();
        const Measure *m = at.measure;
        const double start = horizontal ? m->originX : m->originY;
        const double length = horizontal ? m->width : m->height;
        // The head keeps the room of clef, key and time in the first
        // measure.
        const double roomStart = start + m->aligner->headWidth();
        const double before = (horizontal ? box.left() : box.top()) / k - roomStart;
        const double after = start + length - (horizontal ? box.right() : box.bottom()) / k;
        QVERIFY2(qAbs(before - after) < 0.5,
                 qPrintable(QStringLiteral("measure %1: %2 mm before the rest, %3 mm after")
                                .arg(m->indexInScore() + 1)
                                .arg(before)
                                .arg(after)));
        ++checked;
    }
    QCOMPARE(checked, 3);
}

VELMORA_TEST_MAIN(TestStaffReading)

} // namespace tst_staff_reading
#include "tst_staff_reading.moc"
