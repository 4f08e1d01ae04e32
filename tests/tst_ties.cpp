// Ties on generated scenes: the crescent's bulge and its bounds, one curve
// within a system and two halves across a system break, the side set by
// tie-right-bottom, staff ties matched by pitch in chords and flipped by the
// tie-reverse flag, ties whose ends lie in two voices (as MuseScore writes
// them, and in the test suite's tie-types file), and the mends: a stop
// without a start draws nothing, a sixth open tie harms no other.
#include "drawing/tie.h"
#include "layout/aligner.h"
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "support/scorefile.h"
#include "support/staffheads.h"
#include "support/testenvironment.h"
#include "support/voicescore.h"
#include "view/scene.h"

#include <QFile>
#include <QGraphicsPathItem>

#include <algorithm>
#include <cmath>

namespace tst_ties {

using TestSupport::VoiceScore;

namespace {

// The tie curves of the scene: plain path items that nothing tags or lifts.
QList<QGraphicsPathItem *> tieItems(const Score &score)
{
    QList<QGraphicsPathItem *> found;
    const QList<QGraphicsItem *> items = score.scene->items(Qt::AscendingOrder);
    for (QGraphicsItem *item : items) {
        if (item->type() == QGraphicsPathItem::Type && item->zValue() == 0.0 &&
            item->flags() == QGraphicsItem::GraphicsItemFlags())
            found.append(static_cast<QGraphicsPathItem *>(item));
    }
    std::sort(found.begin(), found.end(), [](QGraphicsPathItem *a, QGraphicsPathItem *b) {
        return a->boundingRect().left() + a->boundingRect().top() <
               b->boundingRect().left() + b->boundingRect().top();
    });
    return found;
}

bool near(double a, double b, double tolerance = 1e-6)
{
    return std::abs(a - b) < tolerance;
}

// A staff-notation score built with heads; `tokens` per measure, voice 1.
void buildStaff(VoiceScore &f, const QStringList &measures)
{
    f.addPart(QStringLiteral("Staff"), NotationStyle::StaffNotation);
    for (const QString &tokens : measures) {
        f.addMeasure();
        f.addNotes(0, tokens);
    }
    f.prepare();
    TestSupport::giveStaffHeads(f.score, 0);
    f.layOut();
    f.generate();
}

double centreY(const QGraphicsItem *item)
{
    return item->sceneBoundingRect().center().y();
}

} // namespace

class TestTies : public QObject
{
    Q_OBJECT

private slots:
    void crescentBulge_data();
    void crescentBulge();
    void tieWithinAndAcrossSystems_data();
    void tieWithinAndAcrossSystems();
    void tiesAcrossVoices_data();
    void tiesAcrossVoices();
    void bunkaTieOnItsString();
    void filesWithTies_data();
    void filesWithTies();
    void staffChordTiesMatchByPitch();
    void staffTieSide_data();
    void staffTieSide();
    void staffTieAcrossSystems();
    void manyOpenTiesAndStrayStops();
};

void TestTies::crescentBulge_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<double>("span");
    QTest::addColumn<double>("bulge"); // the control point's distance
    // A quarter of the span (a fifth above) between 5 and 12 (15 vertical).
    QTest::newRow("below, short") << false << false << 8.0 << 5.0;
    QTest::newRow("below, middle") << false << false << 40.0 << 10.0;
    QTest::newRow("below, long") << false << false << 200.0 << 12.0;
    QTest::newRow("above, short") << false << true << 8.0 << -5.0;
    QTest::newRow("above, middle") << false << true << 40.0 << -8.0;
    QTest::newRow("above, long") << false << true << 200.0 << -12.0;
    QTest::newRow("no length") << false << false << 0.0 << 5.0;
    QTest::newRow("right, short") << true << true << 8.0 << 5.0;
    QTest::newRow("right, long") << true << true << 200.0 << 15.0;
    QTest::newRow("left, middle") << true << false << 40.0 << -10.0;
    QTest::newRow("left, long") << true << false << 200.0 << -15.0;
}

void TestTies::crescentBulge()
{
    QFETCH(bool, vertical);
    QFETCH(bool, flag);
    QFETCH(double, span);
    QFETCH(double, bulge);
    const double start = 30.0;
    const double at = 50.0;
    std::unique_ptr<QGraphicsPathItem> item(vertical ? Tie::tiePathV(flag, start, start + span, at)
                                                     : Tie::tiePath(flag, start, start + span, at));
    const QRectF box = item->path().boundingRect();
    const double along = vertical ? box.height() : box.width();
    QVERIFY(near(along, span));
    // The inner curve reaches half way to its control point, the outer
    // one 1.5 further; the ends are 0.2 thick.
    const double across = vertical ? box.width() : box.height();
    QVERIFY2(near(across, bulge > 0 ? bulge / 2 + 0.9 : -bulge / 2 + 0.15),
             qPrintable(QString::number(across)));
    const double far =
        vertical ? (bulge > 0 ? box.right() : box.left()) : (bulge > 0 ? box.bottom() : box.top());
    QVERIFY(bulge > 0 ? far > at : far < at);
    QCOMPARE(item->brush(), QBrush(Qt::black, Qt::SolidPattern));
    QCOMPARE(item->pen().widthF(), 0.0);
}

void TestTies::tieWithinAndAcrossSystems_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("perLine");
    QTest::addColumn<bool>("rightBottom");
    QTest::newRow("horizontal, one system") << true << 2 << true;
    QTest::newRow("horizontal, one system, above") << true << 2 << false;
    QTest::newRow("horizontal, two systems") << true << 1 << true;
    QTest::newRow("vertical, one system") << false << 2 << true;
    QTest::newRow("vertical, one system, left") << false << 2 << false;
    QTest::newRow("vertical, two systems") << false << 1 << true;
}

void TestTies::tieWithinAndAcrossSystems()
{
    QFETCH(bool, horizontal);
    QFETCH(int, perLine);
    QFETCH(bool, rightBottom);
    VoiceScore f(horizontal);
    Part *part = f.addPart(QStringLiteral("Shakuhachi"), NotationStyle::TozanTrad);
    f.score.page->measurePerLine = perLine;
    f.score.style->tieRightBottom = rightBottom;
    f.addMeasure();
    f.addNotes(0, QStringLiteral("C5/2 D5/2~1"));
    f.addMeasure();
    f.addNotes(0, QStringLiteral("D5/2~2 r/2"));
    f.build();

    const Score &score = f.score;
    const double k = score.page->scaleFactor;
    const Measure *first = score.measures.at(0);
    const Measure *second = score.measures.at(1);
    QCOMPARE(first->lineIndex != second->lineIndex, perLine == 1);
    const QList<QGraphicsPathItem *> ties = tieItems(score);
    QCOMPARE(ties.size(), perLine == 1 ? 2 : 1);
    QVERIFY(part->tie->openTies().isEmpty());

    // From late in the start note to early in the stop note.
    const Note *start = f.note(0, 0, 1);
    const Note *stop = f.note(1, 0, 0);
    const QRectF startBox =
        f.items(0, 0).at(start->alignItemEnd)->graphicsItem->sceneBoundingRect();
    const QRectF stopBox =
        f.items(1, 0).at(stop->firstAlignItem)->graphicsItem->sceneBoundingRect();
    // The first half is the one beside the start note.
    auto distance = [&](QGraphicsItem *item) {
        const QPointF d = item->sceneBoundingRect().center() - startBox.center();
        return std::abs(d.x()) + std::abs(d.y());
    };
    const bool inOrder = distance(ties.first()) <= distance(ties.last());
    const QRectF a = (inOrder ? ties.first() : ties.last())->sceneBoundingRect();
    const QRectF b = (inOrder ? ties.last() : ties.first())->sceneBoundingRect();
    if (horizontal) {
        QVERIFY(a.left() > startBox.left() && a.left() < startBox.right());
        QVERIFY(b.right() > stopBox.left() && b.right() < stopBox.right());
        if (perLine == 1) {
            QVERIFY(near(a.right(), (first->originX + first->width) * k, 1e-3));
            const double lineStart = score.page->stageRect.left() + score.page->pageOriginX;
            QVERIFY(near(b.left(), lineStart * k, 1e-3));
        }
        // Below the notes, or above them.
        QVERIFY(rightBottom ? a.top() > startBox.bottom() - 1 : a.bottom() < startBox.top() + 1);
    } else {
        QVERIFY(a.top() > startBox.top() && a.top() < startBox.bottom());
        QVERIFY(b.bottom() > stopBox.top() && b.bottom() < stopBox.bottom());
        if (perLine == 1) {
            QVERIFY(near(a.bottom(), (first->originY + first->height) * k, 1e-3));
            const double lineStart = score.page->stageRect.top() + score.page->pageOriginY;
            QVERIFY(near(b.top(), lineStart * k, 1e-3));
        }
        // Right of the notes, or left of them.
        QVERIFY(rightBottom ? a.left() > startBox.right() - 1 : a.right() < startBox.left() + 1);
    }
}

void TestTies::tiesAcrossVoices_data()
{
    QTest::addColumn<QString>("voice1");
    QTest::addColumn<QString>("voice2");
    QTest::addColumn<int>("ties");
    QTest::addColumn<int>("open");
    QTest::newRow("start in voice 1") << "C5/2~1 r/2"
                                      << "r/2 C5/2~2" << 1 << 0;
    // Voice 1 is drawn first, but its stop comes after voice 2's start.
    QTest::newRow("start in voice 2") << "r/2 D5/2~2"
                                      << "D5/2~1 r/2" << 1 << 0;
    QTest::newRow("both ways") << "C5/2~1 D5/2~2"
                               << "D5/2~1 C5/2~2" << 2 << 0;
    QTest::newRow("other pitch") << "C5/2~1 r/2"
                                 << "r/2 D5/2~2" << 0 << 1;
    // Each voice keeps its own tie of a shared pitch.
    QTest::newRow("unison in both voices") << "C5/4~1 C5/4~2 r/2"
                                           << "C5/4~1 r/4 C5/2~2" << 2 << 0;
}

void TestTies::tiesAcrossVoices()
{
    QFETCH(QString, voice1);
    QFETCH(QString, voice2);
    QFETCH(int, ties);
    QFETCH(int, open);
    VoiceScore f;
    Part *part = f.addPart(QStringLiteral("Shakuhachi"), NotationStyle::TozanTrad);
    f.addMeasure();
    f.addNotes(0, voice1, 1);
    f.addNotes(0, voice2, 2);
    f.build();
    const QList<QGraphicsPathItem *> items = tieItems(f.score);
    QCOMPARE(items.size(), ties);
    QCOMPARE(part->tie->openTies().size(), open);
    // Each tie runs forward in time, from its start to its stop.
    for (QGraphicsPathItem *item : items)
        QVERIFY(item->path().boundingRect().width() > 0);
    if (QTest::currentDataTag() == QByteArray("unison in both voices")) {
        // Voice 1's tie is the short one: it spans a quarter, voice 2's a half.
        QList<double> widths;
        for (QGraphicsPathItem *item : items)
            widths.append(item->path().boundingRect().width());
        std::sort(widths.begin(), widths.end());
        QVERIFY(widths.at(1) > 1.5 * widths.at(0));
    }
}

// A shamisen tie lies beside the string its notes are played on, not on the
// first string whatever the note: ties on the first and the third string
// keep the same distance from their own notes.
void TestTies::bunkaTieOnItsString()
{
    VoiceScore f;
    f.addPart(QStringLiteral("Shamisen"), NotationStyle::ShamisenBunka);
    f.addMeasure();
    f.addNotes(0, QStringLiteral("E4/4~1 E4/4~2 G5/4~1 G5/4~2"));
    f.build();

    QVERIFY2(f.note(0, 0, 0)->noteName.startsWith(QLatin1String("1-")),
             qPrintable(f.note(0, 0, 0)->noteName));
    QVERIFY2(f.note(0, 0, 2)->noteName.startsWith(QLatin1String("3-")),
             qPrintable(f.note(0, 0, 2)->noteName));
    QList<QGraphicsPathItem *> ties = tieItems(f.score);
    QCOMPARE(ties.size(), 2);
    // Horizontal writing: strings are rows, the ties follow in time.
    std::sort(ties.begin(), ties.end(), [](QGraphicsPathItem *a, QGraphicsPathItem *b) {
        return a->sceneBoundingRect().left() < b->sceneBoundingRect().left();
    });
    auto noteY = [&](int index) {
        const Note *note = f.note(0, 0, index);
        return f.items(0, 0)
            .at(note->noteAlignItem)
            ->graphicsItem->sceneBoundingRect()
            .center()
            .y();
    };
    const double lowString = ties.at(0)->sceneBoundingRect().center().y() - noteY(0);
    const double highString = ties.at(1)->sceneBoundingRect().center().y() - noteY(2);
    QVERIFY(std::abs(noteY(0) - noteY(2)) > 10.0); // the strings lie apart
    QVERIFY2(std::abs(lowString - highString) < 1.0,
             qPrintable(QStringLiteral("%1 against %2").arg(lowString).arg(highString)));
}

void TestTies::filesWithTies_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("ties");
    QTest::newRow("one tie over the bar line")
        << TestSupport::fixturePath(
               QStringLiteral("corpus/lilypond-musicxml-testsuite/33b-Spanners-Tie.xml"))
        << 1;
    // A's tie ends at C, C's tie has no end (D's start takes its place),
    // D's ends at E.
    QTest::newRow("ties not ended")
        << TestSupport::fixturePath(
               QStringLiteral("corpus/lilypond-musicxml-testsuite/33i-Ties-NotEnded.xml"))
        << 2;
    QTest::newRow("ties across voices")
        << TestSupport::sourcePath(QStringLiteral("tests/fixtures/spans/33x-Ties-AcrossVoices.xml"))
        << 2;
}

void TestTies::filesWithTies()
{
    QFETCH(QString, path);
    QFETCH(int, ties);
    Score score(QStringLiteral("5.3.1"), 1, false);
    QVERIFY(TestSupport::loadScoreFile(score, path));
    QCOMPARE(score.parts.size(), 1);
    score.parts.at(0)->notationStyle = NotationStyle::TozanTrad;
    score.page->measurePerLine = 5;
    QVERIFY(score.generateScore());
    QCOMPARE(score.measures.first()->lineIndex, score.measures.last()->lineIndex);
    QCOMPARE(tieItems(score).size(), ties);
    QVERIFY(score.parts.at(0)->tie->openTies().isEmpty());
}

void TestTies::staffChordTiesMatchByPitch()
{
    VoiceScore f;
    // The stop chord lists its notes in another order than the start chord.
    buildStaff(f, {QStringLiteral("C4/2 C4/2~1 +E4/2~1 +G4/2~1"),
                   QStringLiteral("G4/2~2 +C4/2~2 +E4/2~2 r/2")});
    QList<QGraphicsPathItem *> ties = tieItems(f.score);
    QCOMPARE(ties.size(), 3);
    QVERIFY(f.score.parts.at(0)->tie->openTies().isEmpty());
    // Each curve lies nearest its own note: C4 lowest, G4 highest.
    const double k = f.score.page->scaleFactor;
    QList<double> heads;
    for (int i = 0; i < 3; ++i)
        heads.append(f.items(0, 0).at(f.note(0, 0, 1 + i)->firstAlignItem)->finalY * k);
    for (QGraphicsPathItem *tie : ties) {
        int nearest = 0;
        for (int i = 1; i < 3; ++i) {
            if (std::abs(heads.at(i) - centreY(tie)) < std::abs(heads.at(nearest) - centreY(tie)))
                nearest = i;
        }
        heads[nearest] = 1e9; // taken
    }
    for (double taken : heads)
        QCOMPARE(taken, 1e9);
}

void TestTies::staffTieSide_data()
{
    QTest::addColumn<int>("stem"); // of both notes
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<bool>("above");
    QTest::newRow("stems up") << 1 << false << false;
    QTest::newRow("stems up, reversed") << 1 << true << true;
    QTest::newRow("stems down") << 2 << false << true;
    QTest::newRow("stems down, reversed") << 2 << true << false;
}

void TestTies::staffTieSide()
{
    QFETCH(int, stem);
    QFETCH(bool, reverse);
    QFETCH(bool, above);
    VoiceScore f;
    f.addPart(QStringLiteral("Staff"), NotationStyle::StaffNotation);
    f.addMeasure();
    QList<Note *> notes = f.addNotes(0, QStringLiteral("A4/2~1 A4/2~2"));
    for (Note *note : notes)
        note->stem = stem;
    notes.first()->tieReverse = reverse;
    f.prepare();
    TestSupport::giveStaffHeads(f.score, 0);
    f.layOut();
    f.generate();
    const QList<QGraphicsPathItem *> ties = tieItems(f.score);
    QCOMPARE(ties.size(), 1);
    // The head's reference height: the tie lies above it or below.
    const double head =
        f.items(0, 0).at(notes.first()->firstAlignItem)->finalY * f.score.page->scaleFactor;
    const QRectF tie = ties.first()->sceneBoundingRect();
    QVERIFY2(above ? tie.bottom() < head + 0.5 : tie.top() > head,
             qPrintable(
                 QStringLiteral("tie %1..%2, head %3").arg(tie.top()).arg(tie.bottom()).arg(head)));
}

void TestTies::staffTieAcrossSystems()
{
    VoiceScore f;
    f.score.page->measurePerLine = 1;
    buildStaff(f, {QStringLiteral("C5/2 A4/2~1"), QStringLiteral("A4/2~2 r/2")});
    const Score &score = f.score;
    const Measure *second = score.measures.at(1);
    QVERIFY(score.measures.at(0)->lineIndex != second->lineIndex);
    QList<QGraphicsPathItem *> ties = tieItems(score);
    QCOMPARE(ties.size(), 2);
    std::sort(ties.begin(), ties.end(), [](QGraphicsItem *a, QGraphicsItem *b) {
        return a->sceneBoundingRect().top() < b->sceneBoundingRect().top();
    });
    const double k = score.page->scaleFactor;
    const Measure *first = score.measures.at(0);
    QVERIFY(std::abs(ties.first()->sceneBoundingRect().right() -
                     (first->originX + first->width) * k) < 1e-3);
    // The second half enters the new system after its clef and signatures.
    const double head = second->aligner->headWidth();
    QVERIFY(head > 0.0);
    const double lineStart = score.page->stageRect.left() + score.page->pageOriginX + head;
    QVERIFY(std::abs(ties.last()->sceneBoundingRect().left() - lineStart * k) < 1e-3);
}

void TestTies::manyOpenTiesAndStrayStops()
{
    VoiceScore f;
    // Six tied notes at once, then a stop that nothing started (F5) and a
    // stop of a pitch whose tie is already closed.
    buildStaff(f, {QStringLiteral("C4/2~1 +D4/2~1 +E4/2~1 +F4/2~1 +G4/2~1 +A4/2~1 B4/2"),
                   QStringLiteral("C4/2~2 +D4/2~2 +E4/2~2 +F4/2~2 +G4/2~2 +A4/2~2 F5/4~2 "
                                  "C4/4~2")});
    QList<QGraphicsPathItem *> ties = tieItems(f.score);
    QCOMPARE(ties.size(), 6);
    QVERIFY(f.score.parts.at(0)->tie->openTies().isEmpty());
    // Six curves at six heights: none was drawn from another's start.
    QList<double> heights;
    for (QGraphicsPathItem *tie : ties)
        heights.append(centreY(tie));
    std::sort(heights.begin(), heights.end());
    for (int i = 1; i < heights.size(); ++i)
        QVERIFY(heights.at(i) - heights.at(i - 1) > 0.5);
    for (QGraphicsPathItem *tie : ties) {
        const QRectF box = tie->sceneBoundingRect();
        QVERIFY(std::isfinite(box.width()) && box.width() > 0 && box.width() < 500);
    }
}

VELMORA_TEST_MAIN(TestTies)

} // namespace tst_ties
#include "tst_ties.moc"
