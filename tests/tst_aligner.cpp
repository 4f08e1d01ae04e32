// Time alignment of one measure: the time ticks, the common positions of
// time-aligned voices, the widening of the other voices, and the fit of
// the measure to the length its line gives it. Item lists are built by
// hand, as the glyph selection would leave them.
#include "layout/aligner.h"
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "support/messagecapture.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

#include <QGraphicsRectItem>

#include <cmath>
#include <memory>

namespace tst_aligner {

namespace {

// A measure of a score whose parts are aligned in time or not.
struct Fixture
{
    explicit Fixture(const QList<bool> &alignInTime, int divisions = 1)
        : score(QStringLiteral("5.3.1"), 0, false), builder(&score)
    {
        for (int p = 0; p < alignInTime.size(); ++p) {
            Part *part = builder.addPart(QStringLiteral("P%1").arg(p));
            part->alignInTime = alignInTime.at(p);
            part->partOutput = true;
            part->noteFontSize = 5.0;
        }
        score.style->timeTickRatio = 0.0; // ticks take no room unless a test says so
        score.page->horizontal = true;
        measure = builder.addMeasure(4, 4, divisions);
        measure->voiceOneLength = 4 * divisions;
    }

    Aligner *aligner() const { return measure->aligner; }

    // The aligned items of voice `v` of part `p`, marked in use.
    QList<AlignItem *> &items(int p, int v = 0)
    {
        Voice *voice = measure->parts.at(p)->voices.use(v);
        voice->hasNotes = true;
        return voice->alignItems;
    }

    Score score;
    TestSupport::ModelBuilder builder;
    Measure *measure = nullptr;
};

// Appends an item where the glyph selection would put it: after the
// previous item, or on its start for an overlay.
AlignItem *add(QList<AlignItem *> &list, int kind, double width, int time = -1,
               const QString &glyphId = QString())
{
    auto *item = new AlignItem;
    item->kind = kind;
    item->width = width;
    item->length = width;
    item->time = time;
    item->glyphId = glyphId;
    if (!list.isEmpty())
        item->position = kind == AlignOverlay ? list.last()->position
                                              : list.last()->position + list.last()->width;
    list.append(item);
    return item;
}

QString levelsOf(const QList<AlignItem *> &ticks)
{
    QString levels;
    for (const AlignItem *tick : ticks)
        levels += QString::number(tick->tickLevel);
    return levels;
}

// Every datum of each tick, for comparing whole tick lists.
QStringList tickData(const QList<AlignItem *> &ticks)
{
    QStringList rows;
    for (const AlignItem *t : ticks) {
        rows << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11 %12 %13 %14 %15 %16 %17")
                    .arg(t->width)
                    .arg(t->kind)
                    .arg(t->glyphId)
                    .arg(t->position)
                    .arg(t->fixed)
                    .arg(t->fittedPosition)
                    .arg(t->length)
                    .arg(t->breadth)
                    .arg(t->time)
                    .arg(t->staff)
                    .arg(t->baseOffset)
                    .arg(t->refOffsetX)
                    .arg(t->refOffsetY)
                    .arg(t->graphicsItem != nullptr)
                    .arg(t->finalX)
                    .arg(t->finalY)
                    .arg(t->tickLevel);
    }
    return rows;
}

} // namespace

class TestAligner : public QObject
{
    Q_OBJECT

private slots:
    void ticksFollowTheTimeSignature_data();
    void ticksFollowTheTimeSignature();
    void ticksSpanTheMeasureInDivisionSteps();
    void zeroDivisionsAreReadAsOne();
    void ticksSetUpAgainAreAsNew_data();
    void ticksSetUpAgainAreAsNew();

    void voicesStartingTogetherShareTheirPositions();
    void timesBetweenTicksSnapToTheEarlierTick();
    void freeItemsShareAWidenedGap();
    void voicesOutsideTimeAlignmentWidenToTheWidest();
    void alignTicsCombinesBothKindsOfPart();

    void naturalWidthKeepsPositionsAndGlyphs();
    void squeezedMeasureScalesGlyphsOnBothAxes_data();
    void squeezedMeasureScalesGlyphsOnBothAxes();
    void leadingAndOverlayItemsStackBeforeTheNextItem();
    void centredItemStandsInTheMiddleOfTheFittedMeasure();
    void repeatGlyphFillsTheRoomToItsEnd();
    void zeroExtentGivesNoNaN();
};

void TestAligner::ticksFollowTheTimeSignature_data()
{
    QTest::addColumn<int>("beats");
    QTest::addColumn<int>("beatType");
    QTest::addColumn<int>("divisions");
    QTest::addColumn<int>("duration");
    QTest::addColumn<QString>("levels");

    // Per tick: 2 beat, 1 eighth, 0 sixteenth, 3 other.
    const QString quarter = QStringLiteral("2333033313330333");
    const QString dottedQuarterPair = QStringLiteral("233303331333033313330333");
    QTest::newRow("4/4") << 4 << 4 << 1 << 4 << quarter.repeated(4);
    QTest::newRow("3/4 divisions 2") << 3 << 4 << 2 << 6 << quarter.repeated(3);
    QTest::newRow("6/8: beats on dotted quarters")
        << 6 << 8 << 2 << 6 << dottedQuarterPair.repeated(2);
    QTest::newRow("3/8: no beat tick")
        << 3 << 8 << 2 << 3 << QStringLiteral("133303331333033313330333");
    QTest::newRow("7/16: only other ticks") << 7 << 16 << 4 << 7 << QString(28, QLatin1Char('3'));
    QTest::newRow("5/32: only other ticks") << 5 << 32 << 8 << 5 << QString(10, QLatin1Char('3'));
    QTest::newRow("zero duration: no tick") << 4 << 4 << 1 << 0 << QString();
}

void TestAligner::ticksFollowTheTimeSignature()
{
    QFETCH(int, beats);
    QFETCH(int, beatType);
    QFETCH(int, divisions);
    QFETCH(int, duration);
    QFETCH(QString, levels);

    Aligner aligner(nullptr);
    aligner.setUpTics(beats, beatType, divisions, duration);
    QCOMPARE(levelsOf(aligner.tickList), levels);
}

void TestAligner::ticksSpanTheMeasureInDivisionSteps()
{
    Fixture f({true, true}, 3);
    f.score.parts.at(1)->noteFontSize = 8.0; // the largest size sets the tick width
    f.score.style->timeTickRatio = 0.1;
    f.measure->voiceOneLength = 12;

    QCOMPARE(f.score.setUpMeasureTics(f.measure), 1);
    const QList<AlignItem *> &ticks = f.aligner()->tickList;
    QCOMPARE(ticks.size(), 64);
    for (int i = 0; i < ticks.size(); ++i) {
        QCOMPARE(ticks.at(i)->kind, int(AlignTime));
        QCOMPARE(ticks.at(i)->time, 3 * i);
        QCOMPARE(ticks.at(i)->width, 0.8);
        QCOMPARE(ticks.at(i)->position, 0.8 * i);
    }

    // Setting up again rebuilds rather than appends.
    f.score.setUpMeasureTics(f.measure);
    QCOMPARE(f.aligner()->tickList.size(), 64);
}

void TestAligner::zeroDivisionsAreReadAsOne()
{
    TestSupport::MessageCapture capture;
    Aligner aligner(nullptr);
    aligner.setUpTics(4, 4, 0, 1);
    QVERIFY(capture.contains(QStringLiteral("setUpTics divisions = 0, changed to 1 to continue")));
    QCOMPARE(aligner.tickList.size(), 16);
    QCOMPARE(aligner.tickList.last()->time, 15);
}

void TestAligner::ticksSetUpAgainAreAsNew_data()
{
    QTest::addColumn<int>("firstDuration");
    QTest::addColumn<int>("duration");

    QTest::newRow("as many ticks") << 4 << 4;
    QTest::newRow("fewer ticks") << 4 << 3;
    QTest::newRow("more ticks") << 2 << 4;
}

void TestAligner::ticksSetUpAgainAreAsNew()
{
    QFETCH(int, firstDuration);
    QFETCH(int, duration);

    Aligner aligner(nullptr);
    aligner.setUpTics(6, 8, 2, firstDuration);
    // What alignment and placement leave on the ticks of the last picture.
    QGraphicsRectItem stray;
    for (AlignItem *tick : std::as_const(aligner.tickList)) {
        tick->fixed = true;
        tick->position += 3.0;
        tick->fittedPosition = 7.0;
        tick->glyphId = QStringLiteral("Stray");
        tick->length = tick->breadth = tick->baseOffset = 1.5;
        tick->refOffsetX = tick->refOffsetY = 0.5;
        tick->staff = 1;
        tick->graphicsItem = &stray;
        tick->finalX = tick->finalY = 9.0;
    }
    aligner.setUpTics(3, 4, 1, duration);

    Aligner fresh(nullptr);
    fresh.setUpTics(3, 4, 1, duration);
    QCOMPARE(aligner.tickList.size(), 16 * duration);
    QCOMPARE(tickData(aligner.tickList), tickData(fresh.tickList));
}

void TestAligner::voicesStartingTogetherShareTheirPositions()
{
    Fixture f({true, true});
    f.score.setUpMeasureTics(f.measure);
    QList<AlignItem *> &x = f.items(0);
    AlignItem *x0 = add(x, AlignTime, 4, 0);
    AlignItem *x1 = add(x, AlignTime, 4, 1);
    AlignItem *x2 = add(x, AlignTime, 4, 2);
    QList<AlignItem *> &y = f.items(1);
    AlignItem *accidental = add(y, AlignLeading, 2);
    AlignItem *y0 = add(y, AlignTime, 3, 0);
    AlignItem *y1 = add(y, AlignTime, 3, 1);
    AlignItem *mark = add(y, AlignFree, 2);
    AlignItem *y2 = add(y, AlignTime, 3, 2);
    f.aligner()->setHeadWidth(3.0);
    f.aligner()->setPadWidth(2.0);

    const double result = f.aligner()->tickPositions(f.measure);

    // Notes of one time stand together; a moved note takes the rest of its
    // voice along, so later distances stay.
    QCOMPARE(x0->position, 2.0);
    QCOMPARE(y0->position, 2.0);
    QCOMPARE(x1->position, 6.0);
    QCOMPARE(y1->position, 6.0);
    QCOMPARE(mark->position, 9.0);
    QCOMPARE(y2->position - y1->position, 5.0);
    QCOMPARE(x2->position, 11.0);
    QCOMPARE(y2->position, 11.0);
    QCOMPARE(accidental->position, 0.0);
    QVERIFY(x0->fixed && y1->fixed && y2->fixed);
    QVERIFY(!accidental->fixed && !mark->fixed);
    QCOMPARE(result, 3.0 + 15.0 + 2.0);
    QCOMPARE(f.aligner()->timeAlignedLists.size(), 3);
    QCOMPARE(f.aligner()->timeAlignedLists.last(), &f.aligner()->tickList);
}

void TestAligner::timesBetweenTicksSnapToTheEarlierTick()
{
    // Divisions 3: a note one division in starts 16/3 ticks in.
    Fixture f({true}, 3);
    f.score.parts.at(0)->noteFontSize = 10.0;
    f.score.style->timeTickRatio = 0.1; // one tick, one millimetre
    f.score.setUpMeasureTics(f.measure);
    QList<AlignItem *> &x = f.items(0);
    AlignItem *first = add(x, AlignTime, 2, 0);
    AlignItem *second = add(x, AlignTime, 2, 1);

    f.aligner()->tickPositions(f.measure);
    QCOMPARE(first->position, 0.0);
    QCOMPARE(second->position, f.aligner()->tickList.at(5)->position);
    QCOMPARE(second->position, 5.0);
}

void TestAligner::freeItemsShareAWidenedGap()
{
    Fixture f({true, true});
    f.score.setUpMeasureTics(f.measure);
    QList<AlignItem *> &x = f.items(0);
    add(x, AlignTime, 8, 0);
    add(x, AlignTime, 4, 1);
    QList<AlignItem *> &y = f.items(1);
    add(y, AlignTime, 3, 0);
    AlignItem *mark = add(y, AlignFree, 1);
    AlignItem *overlay = add(y, AlignOverlay, 1);
    AlignItem *next = add(y, AlignTime, 3, 1);

    f.aligner()->tickPositions(f.measure);
    // The gap from 0 to 4 became 0 to 8: the mark and its overlay keep
    // their share of it instead of staying behind the first note.
    QCOMPARE(next->position, 8.0);
    QCOMPARE(mark->position, 6.0);
    QCOMPARE(overlay->position, 6.0);
}

void TestAligner::voicesOutsideTimeAlignmentWidenToTheWidest()
{
    Fixture f({false});
    QList<AlignItem *> &wide = f.items(0, 0);
    add(wide, AlignTime, 4, 0);
    add(wide, AlignTime, 6, 1);
    QList<AlignItem *> &narrow = f.items(0, 1);
    AlignItem *n0 = add(narrow, AlignTime, 2, 0);
    AlignItem *n1 = add(narrow, AlignTime, 3, 1);
    f.items(0, 2); // in use, but without items: head and pad only
    f.aligner()->setHeadWidth(3.0);
    f.aligner()->setPadWidth(2.0);

    QCOMPARE(f.aligner()->voiceWidths(f.measure), 15.0);
    QCOMPARE(f.aligner()->itemLists.size(), 3);
    QCOMPARE(n0->position, 0.0);
    QCOMPARE(n1->position, 4.0);
    QCOMPARE(wide.at(1)->position, 4.0);
}

void TestAligner::alignTicsCombinesBothKindsOfPart()
{
    Fixture f({true, false});
    f.score.setUpMeasureTics(f.measure);
    QList<AlignItem *> &aligned = f.items(0);
    add(aligned, AlignTime, 10, 0);
    add(aligned, AlignTime, 10, 1);
    QList<AlignItem *> &free = f.items(1);
    AlignItem *f0 = add(free, AlignTime, 4, 0);
    AlignItem *f1 = add(free, AlignTime, 6, 1);
    f.aligner()->setHeadWidth(3.0);
    f.aligner()->setPadWidth(2.0);

    f.aligner()->alignTics(f.measure);
    // Time-aligned: 3 + 20 + 2; the other part (3 + 10 + 2) stretches to it.
    QCOMPARE(f.aligner()->width(), 25.0);
    QCOMPARE(f0->position, 0.0);
    QCOMPARE(f1->position, 8.0);
    const QList<Aligner::ItemList *> &lists = f.aligner()->itemLists;
    QCOMPARE(lists.size(), 3);
    QCOMPARE(lists.at(0), &free);
    QCOMPARE(lists.at(1), &aligned);
    QCOMPARE(lists.at(2), &f.aligner()->tickList);
}

void TestAligner::naturalWidthKeepsPositionsAndGlyphs()
{
    Fixture f({true});
    f.score.setUpMeasureTics(f.measure);
    QList<AlignItem *> &x = f.items(0);
    QList<AlignItem *> all = {add(x, AlignTime, 4, 0), add(x, AlignFree, 2),
                              add(x, AlignTime, 4, 2), add(x, AlignTime, 4, 3, "RepeatMark")};
    std::vector<std::unique_ptr<QGraphicsRectItem>> glyphs;
    for (AlignItem *item : all) {
        glyphs.push_back(std::make_unique<QGraphicsRectItem>(0, 0, 1, 1));
        item->graphicsItem = glyphs.back().get();
    }
    add(f.items(0, 1), AlignTime, 20, 0); // a longer voice leaves room after the repeat
    f.aligner()->setHeadWidth(3.0);
    f.aligner()->setPadWidth(2.0);
    f.aligner()->alignTics(f.measure);
    const double width = f.aligner()->width();

    f.aligner()->fitToWidth(width);
    QCOMPARE(f.aligner()->scaleRatio(), 1.0);
    for (const AlignItem *item : all)
        QCOMPARE(item->fittedPosition, item->position + 3.0);
    for (int i = 0; i < 3; ++i)
        QVERIFY(glyphs.at(i)->transform().isIdentity());
    QVERIFY(!glyphs.at(3)->transform().isIdentity());
    QCOMPARE(all.at(3)->length, 4.0);
}

void TestAligner::squeezedMeasureScalesGlyphsOnBothAxes_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

void TestAligner::squeezedMeasureScalesGlyphsOnBothAxes()
{
    QFETCH(bool, horizontal);
    Fixture f({true});
    f.score.page->horizontal = horizontal;
    f.score.setUpMeasureTics(f.measure);
    QList<AlignItem *> &x = f.items(0);
    AlignItem *note = add(x, AlignTime, 4, 0);
    AlignItem *dot = add(x, AlignFollowing, 1);
    AlignItem *later = add(x, AlignTime, 15, 2);
    QGraphicsRectItem glyph(0, 0, 1, 1);
    glyph.setTransform(QTransform::fromScale(2.0, 2.0));
    note->graphicsItem = &glyph;
    f.aligner()->setHeadWidth(3.0);
    f.aligner()->setPadWidth(2.0);
    f.aligner()->alignTics(f.measure);
    QCOMPARE(f.aligner()->width(), 25.0);

    f.aligner()->fitToWidth(15.0); // r = (15 - 5) / (25 - 5)
    QCOMPARE(f.aligner()->scaleRatio(), 0.5);
    QCOMPARE(note->fittedPosition, 3.0);
    QCOMPARE(dot->fittedPosition, 3.0 + 4 * 0.6);
    QCOMPARE(later->fittedPosition, 5 * 0.5 + 3.0);
    // Smaller, but in proportion: along and across alike.
    const QTransform t = glyph.transform();
    QCOMPARE(t.m11(), 2.0 * 0.6);
    QCOMPARE(t.m22(), 2.0 * 0.6);
    QCOMPARE(note->glyphScale, 0.6);
    QCOMPARE(note->length, 4.0 * 0.6); // the glyph's extent, with it
    QCOMPARE(note->width, 4.0); // the advance itself is the aligner's input
}

void TestAligner::leadingAndOverlayItemsStackBeforeTheNextItem()
{
    Fixture f({true});
    f.score.setUpMeasureTics(f.measure);
    QList<AlignItem *> &x = f.items(0);
    AlignItem *far = add(x, AlignLeading, 2);
    AlignItem *near = add(x, AlignLeading, 1);
    AlignItem *note = add(x, AlignTime, 4, 0);
    AlignItem *lead = add(x, AlignLeading, 2);
    AlignItem *overlay = add(x, AlignOverlay, 2);
    AlignItem *second = add(x, AlignTime, 4, 1);
    AlignItem *trailing = add(x, AlignLeading, 2);
    f.aligner()->setHeadWidth(3.0);
    f.aligner()->setPadWidth(2.0);
    f.aligner()->alignTics(f.measure);
    f.aligner()->fitToWidth(f.aligner()->width());

    QCOMPARE(note->fittedPosition, 3.0 + 3.0);
    QCOMPARE(near->fittedPosition + near->width, note->fittedPosition);
    QCOMPARE(far->fittedPosition + far->width, near->fittedPosition);
    QCOMPARE(overlay->fittedPosition + overlay->width, second->fittedPosition);
    QCOMPARE(lead->fittedPosition, overlay->fittedPosition);
    // Still held at the end: flush with the fitted end of the measure.
    QCOMPARE(trailing->fittedPosition + trailing->width,
             f.aligner()->width() - f.aligner()->padWidth());
}

void TestAligner::centredItemStandsInTheMiddleOfTheFittedMeasure()
{
    Fixture f({true});
    f.score.setUpMeasureTics(f.measure);
    QList<AlignItem *> &x = f.items(0);
    AlignItem *rest = add(x, AlignTime, 4, 0);
    AlignItem *centred = add(x, AlignCentred, 4);
    AlignItem *following = add(x, AlignFollowing, 1);
    add(x, AlignTime, 11, 2);
    f.aligner()->setHeadWidth(3.0);
    f.aligner()->setPadWidth(2.0);
    f.aligner()->alignTics(f.measure);
    QCOMPARE(f.aligner()->width(), 25.0);

    f.aligner()->fitToWidth(15.0);
    // The fitted content runs from 3 to 13.
    QCOMPARE(centred->fittedPosition + centred->width / 2, 8.0);
    // A centred item does not move the running position.
    QCOMPARE(following->fittedPosition, rest->fittedPosition + rest->width * 0.6);
}

void TestAligner::repeatGlyphFillsTheRoomToItsEnd()
{
    Fixture f({true});
    f.score.setUpMeasureTics(f.measure);
    QList<AlignItem *> &x = f.items(0);
    add(x, AlignTime, 4, 0);
    AlignItem *repeat = add(x, AlignFollowing, 2, -1, QStringLiteral("RepeatDots"));
    QGraphicsRectItem glyph(0, 0, 1, 1);
    repeat->graphicsItem = &glyph;
    f.aligner()->setHeadWidth(3.0);
    f.aligner()->setPadWidth(2.0);
    f.aligner()->alignTics(f.measure);

    const double target = 30.0;
    f.aligner()->fitToWidth(target);
    const double stretch = glyph.transform().m11();
    QCOMPARE(repeat->fittedPosition + repeat->width * stretch, target - 2.0);
    QCOMPARE(glyph.transform().m22(), 1.0);
}

void TestAligner::zeroExtentGivesNoNaN()
{
    Fixture f({true, false});
    f.score.setUpMeasureTics(f.measure);
    f.items(0); // in use, no items
    QList<AlignItem *> &free = f.items(1);
    AlignItem *blank = add(free, AlignFree, 0);
    AlignItem *repeat = add(free, AlignFollowing, 0, -1, QStringLiteral("Repeat"));
    QGraphicsRectItem glyph(0, 0, 1, 1);
    repeat->graphicsItem = &glyph;
    f.aligner()->setHeadWidth(3.0);
    f.aligner()->setPadWidth(2.0);

    f.aligner()->alignTics(f.measure);
    QCOMPARE(f.aligner()->width(), 5.0);
    f.aligner()->fitToWidth(40.0);
    QCOMPARE(f.aligner()->scaleRatio(), 1.0);
    QVERIFY(std::isfinite(blank->position) && std::isfinite(blank->fittedPosition));
    QVERIFY(std::isfinite(repeat->fittedPosition));
    QVERIFY(std::isfinite(glyph.transform().m11()));

    // A measure with no visible voice at all.
    Fixture empty({true});
    empty.score.setUpMeasureTics(empty.measure);
    empty.aligner()->alignTics(empty.measure);
    QCOMPARE(empty.aligner()->width(), 0.0);
    empty.aligner()->fitToWidth(20.0);
    QVERIFY(std::isfinite(empty.aligner()->scaleRatio()));
}

VELMORA_TEST_MAIN(TestAligner)

} // namespace tst_aligner
#include "tst_aligner.moc"
