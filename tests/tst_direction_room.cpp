// Direction texts at their default place keep clear of the notes, of the
// frame lines and of each other, on real generated pages; a direction the
// user moved stays exactly where its offset puts it. Octave-shift,
// hairpin and bracket lines stand beyond the notes under them, and their
// row grows for them on their own line only.
#include "model/direction.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/pagecheck.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"

#include <QGraphicsItem>
#include <QtTest>

namespace tst_direction_room {

using TestSupport::PageFinding;

namespace {

QString crowded()
{
    return TestSupport::fixturePath(QStringLiteral("layout/layout-CrowdedDirections.xml"));
}

// The findings about direction items, as subject or object.
QList<PageFinding> directionFindings(const Score &score)
{
    QList<PageFinding> found;
    for (const PageFinding &f : TestSupport::checkPages(score).findings) {
        if (f.subject == PageFinding::Direction || f.object == PageFinding::Direction)
            found.append(f);
    }
    return found;
}

QString octaveShifts()
{
    return TestSupport::fixturePath(QStringLiteral("layout/layout-OctaveShiftRoom.xml"));
}

QString lines()
{
    return TestSupport::fixturePath(QStringLiteral("layout/layout-LineRoom.xml"));
}

// Octave-shift, hairpin and bracket line records, starts and stops.
bool isLine(const Direction *direction)
{
    using namespace DirectionKind;
    switch (direction->kind) {
    case OctaveDown:
    case OctaveUp:
    case OctaveStop:
    case Crescendo:
    case Diminuendo:
    case WedgeStop:
    case LineStart:
    case LineStop:
        return true;
    default:
        return false;
    }
}

bool isLineStop(const Direction *direction)
{
    using namespace DirectionKind;
    return direction->kind == OctaveStop || direction->kind == WedgeStop ||
           direction->kind == LineStop;
}

// The line starts of the score, in measure order.
QList<const Direction *> lineStarts(const Score &score)
{
    QList<const Direction *> starts;
    for (const Measure *measure : score.measures) {
        for (const Voice *voice : measure->parts.first()->voices) {
            for (const Direction *d : voice->directions) {
                if (isLine(d) && !isLineStop(d))
                    starts.append(d);
            }
        }
    }
    return starts;
}

Direction *firstDynamic(const Score &score)
{
    const Voice *voice = score.measures.first()->parts.first()->voices.first();
    for (Direction *d : voice->shownDirections()) {
        if (d->kind == DirectionKind::Dynamics)
            return d;
    }
    return nullptr;
}

} // namespace

class TestDirectionRoom : public QObject
{
    Q_OBJECT

private slots:
    void textsStandClear_data();
    void textsStandClear();
    void movedDirectionIsNotSettled_data();
    void movedDirectionIsNotSettled();
    void linesStandClear_data();
    void linesStandClear();
    void rowGrowsOnlyForItsLine_data();
    void rowGrowsOnlyForItsLine();
};

void TestDirectionRoom::textsStandClear_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    // KinkoSimple, TozanTrad, KotoIkuta, SangenIkuta, ShamisenBunka and
    // staff notation: narrow and wide glyphs, strings across the row.
    for (int style : {0, 3, 5, 7, 9, 12}) {
        for (bool horizontal : {true, false})
            QTest::addRow("s%d %s", style, horizontal ? "h" : "v") << style << horizontal;
    }
}

void TestDirectionRoom::textsStandClear()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    const std::unique_ptr<Score> score = TestSupport::generatedScore(crowded(), style, horizontal);
    QVERIFY(score);
    const QList<PageFinding> found = directionFindings(*score);
    QVERIFY2(found.isEmpty(), qPrintable(TestSupport::describeFindings(found)));
    // The eight dynamics of measure 1 are all drawn, none on top of another.
    const Voice *voice = score->measures.first()->parts.first()->voices.first();
    int dynamics = 0;
    for (const Direction *d : voice->shownDirections()) {
        if (d->kind == DirectionKind::Dynamics && d->item && d->item->isVisible())
            ++dynamics;
    }
    QCOMPARE(dynamics, 8);
}

void TestDirectionRoom::movedDirectionIsNotSettled_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("h") << true;
    QTest::newRow("v") << false;
}

void TestDirectionRoom::movedDirectionIsNotSettled()
{
    QFETCH(bool, horizontal);
    Score score(QStringLiteral("test"), 1, false);
    QVERIFY(TestSupport::loadScoreFile(score, crowded()));
    // A dynamic the user put right on its note, where settling would move
    // a default-placed one away.
    Direction *dynamic = firstDynamic(score);
    QVERIFY(dynamic);
    dynamic->moved = true;
    dynamic->x = 0.0;
    dynamic->y = 0.0;
    TestSupport::generateInStyle(score, 0, horizontal);
    QVERIFY(dynamic->item);
    const Voice *voice = score.measures.first()->parts.first()->voices.first();
    const int index = int(voice->shownDirections().indexOf(dynamic));
    const QPointF anchor = score.directionAnchor(0, 0, 0, index, dynamic);
    QCOMPARE(dynamic->item->pos(), anchor * score.page->scaleFactor);
}

void TestDirectionRoom::linesStandClear_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    // KinkoSimple, KotoIkuta, the wide SangenIkuta glyphs, ShamisenBunka's
    // strings and staff notation with its ledger lines.
    const QList<std::pair<const char *, QString>> files = {{"octave", octaveShifts()},
                                                           {"lines", lines()}};
    for (const auto &[name, file] : files) {
        for (int style : {0, 3, 7, 9, 12}) {
            for (bool horizontal : {true, false})
                QTest::addRow("%s s%d %s", name, style, horizontal ? "h" : "v")
                    << file << style << horizontal;
        }
    }
}

void TestDirectionRoom::linesStandClear()
{
    QFETCH(QString, file);
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    const std::unique_ptr<Score> score = TestSupport::generatedScore(file, style, horizontal);
    QVERIFY(score);
    // No line on a note, a lyric or a frame line, nothing else either.
    const QList<PageFinding> found = TestSupport::checkPages(*score).findings;
    QVERIFY2(found.isEmpty(), qPrintable(TestSupport::describeFindings(found)));

    const QList<const Direction *> starts = lineStarts(*score);
    QCOMPARE(starts.size(), 3);
    const double s = score->page->scaleFactor;
    for (int i = 0; i < starts.size(); ++i) {
        const Direction *start = starts.at(i);
        QVERIFY(start->item);
        const Measure *measure = score->measures.at(4 + i);
        const MePart *cell = measure->parts.first();
        // One piece each: the handle covers it.
        const QRectF line = start->item->sceneBoundingRect();
        const double noteLine = measure->getPartNoteLine(0, 0) * s;
        // Up, or right of the column, for the 8va; the other way for the
        // 15mb, the 8vb and the lines below the notes.
        const bool above = start->kind == DirectionKind::OctaveDown;
        const double centre = horizontal ? line.center().y() : line.center().x();
        QVERIFY2(above == (horizontal ? centre < noteLine : centre > noteLine),
                 qPrintable(QStringLiteral("line %1 on the wrong side").arg(i)));
        // Inside its row and the bands beside it. Below the notes the
        // lyrics' strip follows the row, and the line may reach into it
        // as long as the lyrics stand past it (checked below).
        const double rowLow = (measure->getPartCenter(0) - 0.5 * cell->partExtent -
                               (horizontal ? cell->directionBand : cell->directionBandBelow)) *
                              s;
        const double rowHigh = (measure->getPartCenter(0) + 0.5 * cell->partExtent +
                                (horizontal ? cell->directionBandBelow : cell->directionBand)) *
                               s;
        const bool inRow = horizontal
                               ? line.top() >= rowLow && (!above || line.bottom() <= rowHigh)
                               : line.right() <= rowHigh && (!above || line.left() >= rowLow);
        QVERIFY2(inRow, qPrintable(QStringLiteral("line %1 at %2..%3 outside %4..%5")
                                       .arg(i)
                                       .arg(horizontal ? line.top() : line.left())
                                       .arg(horizontal ? line.bottom() : line.right())
                                       .arg(rowLow)
                                       .arg(rowHigh)));
        // The lyrics under the lines below the notes stand past them.
        if (above)
            continue;
        for (const Note *note : cell->voices.first()->notes) {
            for (const Lyrics *lyric : note->lyrics) {
                QVERIFY(lyric->item);
                const QRectF text = lyric->item->sceneBoundingRect();
                QVERIFY2(horizontal ? text.top() >= line.bottom() - 1.0
                                    : text.right() <= line.left() + 1.0,
                         qPrintable(lyric->text));
            }
        }
    }
}

void TestDirectionRoom::rowGrowsOnlyForItsLine_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("sameFirstLine");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    for (int style : {7, 9, 12}) {
        for (bool horizontal : {true, false}) {
            const char *direction = horizontal ? "h" : "v";
            QTest::addRow("octave s%d %s", style, direction)
                << octaveShifts() << true << style << horizontal;
            // SangenIkuta's lyrics already stand far enough off for these.
            if (style != 7)
                QTest::addRow("lines s%d %s", style, direction)
                    << lines() << false << style << horizontal;
        }
    }
}

void TestDirectionRoom::rowGrowsOnlyForItsLine()
{
    QFETCH(QString, file);
    QFETCH(bool, sameFirstLine);
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    // The same score with and without its lines.
    Score with(QStringLiteral("with"), 1, false);
    Score without(QStringLiteral("without"), 2, false);
    QVERIFY(TestSupport::loadScoreFile(with, file));
    QVERIFY(TestSupport::loadScoreFile(without, file));
    for (Measure *measure : without.measures) {
        for (int v = 0; v < VoiceSlots::count; ++v) {
            if (Voice *voice = measure->parts.first()->voices.made(v))
                voice->directions.removeIf(isLine);
        }
    }
    TestSupport::generateInStyle(with, style, horizontal);
    TestSupport::generateInStyle(without, style, horizontal);
    QCOMPARE(with.measures.size(), without.measures.size());
    bool grown = false;
    for (int i = 0; i < with.measures.size(); ++i) {
        const Measure *a = with.measures.at(i);
        const Measure *b = without.measures.at(i);
        const MePart *cell = a->parts.first();
        QCOMPARE(b->parts.first()->directionBand, 0.0);
        QCOMPARE(b->parts.first()->directionBandBelow, 0.0);
        if (a->lineIndex == 0) {
            // The first line holds no line: no band, and laid out exactly
            // as without. Hairpins and bracket lines at their offset also
            // set where the part's lyrics start on every line, which moves
            // its measures.
            QCOMPARE(cell->directionBand, 0.0);
            QCOMPARE(cell->directionBandBelow, 0.0);
            if (sameFirstLine) {
                QCOMPARE(a->originX, b->originX);
                QCOMPARE(a->originY, b->originY);
                QCOMPARE(a->width, b->width);
                QCOMPARE(a->height, b->height);
                QCOMPARE(cell->partOffset, b->parts.first()->partOffset);
            }
        }
        grown = grown || cell->directionBand > 0.0 || cell->directionBandBelow > 0.0;
        // The note row itself keeps its extent.
        QCOMPARE(cell->partExtent, b->parts.first()->partExtent);
    }
    // The lines over notes that fill the row need more than the row.
    QVERIFY(grown);
}

VELMORA_TEST_MAIN(TestDirectionRoom)

} // namespace tst_direction_room
#include "tst_direction_room.moc"
