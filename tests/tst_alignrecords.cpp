// The aligned-item records and the per-measure layout objects: initial
// values and who deletes what, so that a regeneration can rebuild them.
#include "layout/aligner.h"
#include "layout/alignitem.h"
#include "layout/layouter.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/testenvironment.h"

#include <QPointer>

namespace tst_alignrecords {

class TestAlignRecords : public QObject
{
    Q_OBJECT

private slots:
    void newAlignItemIsEmpty();
    void newAlignerIsEmpty();
    void alignerOwnsOnlyItsTicks();
    void measureDeletesItsCellsAndLayoutObjects();
};

void TestAlignRecords::newAlignItemIsEmpty()
{
    AlignItem item;
    QCOMPARE(item.time, -1);
    QVERIFY(item.glyphId.isEmpty());
    QVERIFY(!item.graphicsItem);
    QVERIFY(!item.fixed);
    const QList<double> numbers = {
        item.width,      item.position,   item.fittedPosition, item.length, item.breadth,
        item.baseOffset, item.refOffsetX, item.refOffsetY,     item.finalX, item.finalY};
    QCOMPARE(numbers, QList<double>(numbers.size(), 0.0));
    QCOMPARE(item.kind, 0);
    QCOMPARE(item.staff, 0);
    QCOMPARE(item.tickLevel, 0);
}

void TestAlignRecords::newAlignerIsEmpty()
{
    Aligner aligner(nullptr);
    QCOMPARE(aligner.scaleRatio(), 1.0);
    QCOMPARE(aligner.width(), 0.0);
    QCOMPARE(aligner.headWidth(), 0.0);
    QCOMPARE(aligner.padWidth(), 0.0);
    QCOMPARE(aligner.signatureX(), 0.0);
    QVERIFY(aligner.tickList.isEmpty() && aligner.itemLists.isEmpty() &&
            aligner.timeAlignedLists.isEmpty());
}

// The items are plain records: a tick deleted twice, or a voice's item
// deleted by the aligner and then by its voice, or one left undeleted, is
// what the sanitizer pass reports; here the lists show who let go of what.
void TestAlignRecords::alignerOwnsOnlyItsTicks()
{
    Voice voice;
    auto *glyph = new AlignItem;
    glyph->glyphId = QStringLiteral("kept");
    voice.alignItems.append(glyph);

    Aligner aligner(nullptr);
    aligner.tickList.append(new AlignItem);
    aligner.itemLists << &voice.alignItems << &aligner.tickList;
    aligner.timeAlignedLists << &voice.alignItems << &aligner.tickList;

    aligner.clearLists();
    QVERIFY(aligner.tickList.isEmpty());
    // The voice's item belongs to the voice, and is whole.
    QCOMPARE(voice.alignItems, QList<AlignItem *>{glyph});
    QCOMPARE(glyph->glyphId, QStringLiteral("kept"));
    QVERIFY(aligner.itemLists.isEmpty() && aligner.timeAlignedLists.isEmpty());

    voice.clearAlignItems();
    QVERIFY(voice.alignItems.isEmpty());
}

void TestAlignRecords::measureDeletesItsCellsAndLayoutObjects()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    auto *measure = new Measure(&score);
    QPointer<Layouter> layouter = measure->layouter;
    QCOMPARE(layouter->measure, measure);
    QCOMPARE(layouter->score, &score);
    measure->aligner = new Aligner(&score);
    QPointer<Aligner> aligner = measure->aligner;
    measure->parts.append(new MePart);
    delete measure;
    QVERIFY(layouter.isNull() && aligner.isNull());
}

VELMORA_TEST_MAIN(TestAlignRecords)

} // namespace tst_alignrecords
#include "tst_alignrecords.moc"
