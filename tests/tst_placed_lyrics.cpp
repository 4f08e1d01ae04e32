// Lyrics placed by hand take no room from anything else: placing a lyric
// line above, below or close to the notes, aligning lyrics and a drag that
// ends where it began leave every other item of the page where it stood,
// and a lyric put somewhere stands there after the regeneration.
#include "model/glyphitem.h"
#include "model/itemtags.h"
#include "model/lyrics.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "support/scorefile.h"
#include "support/taggedplaces.h"
#include "support/testenvironment.h"
#include "view/itemlookup.h"
#include "view/scene.h"

#include <QGraphicsItem>
#include <QGraphicsLineItem>
#include <QGraphicsPolygonItem>
#include <QLineF>
#include <QMap>
#include <QPolygonF>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace tst_placed_lyrics {

using TestSupport::taggedPlaces;
using TestSupport::tagKey;

namespace {

// Where an item may stand off its former place, mm.
constexpr double unmovedWithin = 0.01;
// How close a placed lyric must stand to where it was put, mm.
constexpr double placedWithin = 0.1;

std::unique_ptr<Score> generated(const QString &sample, bool horizontal)
{
    auto score = std::make_unique<Score>(QStringLiteral("test"), 1, false);
    const QString path =
        TestSupport::sourcePath(QStringLiteral("resources/samples/") + sample + ".tnsx");
    if (!TestSupport::loadScoreFile(*score, path))
        return nullptr;
    score->page->horizontal = horizontal;
    score->page->setPaperSize();
    if (!score->generateScore())
        return nullptr;
    return score;
}

// The lyric items of the score in reading order.
QList<QGraphicsItem *> lyricItems(const Score &score)
{
    QList<QGraphicsItem *> found;
    for (QGraphicsItem *item : score.scene->items()) {
        if (item->data(TagType).toInt() == LyricItem &&
            itemOfTags(score, score.readItemTags(item)) == item)
            found << item;
    }
    std::sort(found.begin(), found.end(), [](const QGraphicsItem *a, const QGraphicsItem *b) {
        return TestSupport::inReadingOrder(a->scenePos(), b->scenePos());
    });
    return found;
}

// The keys of the items that changed place, except those `spared`.
QStringList movedItems(const QMap<QString, QList<QPointF>> &before,
                       const QMap<QString, QList<QPointF>> &after, double s,
                       const std::function<bool(const QString &)> &spared)
{
    QStringList moved;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (spared(it.key()))
            continue;
        const QList<QPointF> now = after.value(it.key());
        bool same = now.size() == it.value().size();
        for (int i = 0; same && i < now.size(); ++i)
            same = QLineF(now.at(i), it.value().at(i)).length() / s <= unmovedWithin;
        if (!same)
            moved << it.key();
    }
    return moved;
}

// The edge Align lines up: the top one aligning horizontally, the left one
// vertically.
double alignedEdge(const QGraphicsItem *item, bool horizontally)
{
    const QRectF box = item->sceneBoundingRect();
    return horizontally ? box.top() : box.left();
}

const QString usagi = QStringLiteral("Usagi (Staff Notation and Shakuhachi)");
const QString hotaru = QStringLiteral("Hotaru Koi (Koto Seiha)");

// The ink of a staff note's stems, flags and beams in part `part`, scene
// units: stem and flag glyphs by their outlines' boxes, the stems of a
// beamed group by their lines' boxes, beams by their polygons (a slanting
// beam's box holds much that is no ink).
QList<QPolygonF> stemInk(const Score &score, int part)
{
    QList<QPolygonF> ink;
    for (const QGraphicsItem *item : score.scene->items()) {
        if (!item->isVisible() || item->data(TagType).toInt() != NotePartItem ||
            itemTag(item, TagPart) != part)
            continue;
        if (const auto *glyph = dynamic_cast<const GlyphItem *>(item)) {
            const QString id = glyph->elementId();
            const bool stemOrFlag = id.startsWith(QLatin1String("Stem")) ||
                                    id.startsWith(QLatin1String("Grace_Stem")) ||
                                    id.contains(QLatin1String("Flag_"));
            if (stemOrFlag && !glyph->inkRect().isEmpty())
                ink << QPolygonF(item->sceneTransform().mapRect(glyph->inkRect()));
        } else if (const auto *beam = dynamic_cast<const QGraphicsPolygonItem *>(item)) {
            ink << beam->mapToScene(beam->polygon());
        } else if (dynamic_cast<const QGraphicsLineItem *>(item)) {
            ink << QPolygonF(item->sceneBoundingRect());
        }
    }
    return ink;
}

bool isLyricOfPart(const QString &key, int part)
{
    const QStringList tags = key.split(QLatin1Char(','));
    return tags.value(0).toInt() == LyricItem && tags.value(2).toInt() == part;
}

} // namespace

class TestPlacedLyrics : public QObject
{
    Q_OBJECT

private slots:
    void placingALineMovesNothingElse_data();
    void placingALineMovesNothingElse();
    void lyricPlacedWhereItStandsStays_data();
    void lyricPlacedWhereItStandsStays();
    void alignedLyricsMeetAfterOneRegeneration_data();
    void alignedLyricsMeetAfterOneRegeneration();
    void placedLyricsClearOfStems_data();
    void placedLyricsClearOfStems();
};

void TestPlacedLyrics::placingALineMovesNothingElse_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("part");
    QTest::addColumn<int>("position"); // 0 above, 1 below, 2 close to the notes
    for (bool horizontal : {true, false}) {
        const char *writing = horizontal ? "horizontal" : "vertical";
        QTest::addRow("Usagi staff, above, %s", writing) << usagi << horizontal << 0 << 0;
        QTest::addRow("Usagi staff, below, %s", writing) << usagi << horizontal << 0 << 1;
        QTest::addRow("Usagi staff, close, %s", writing) << usagi << horizontal << 0 << 2;
        QTest::addRow("Hotaru Koi, above, %s", writing) << hotaru << horizontal << 0 << 0;
    }
    QTest::newRow("Toryanse, close, vertical")
        << QStringLiteral("Toryanse (Koto Ikuta)") << false << 0 << 2;
    QTest::newRow("Kuroda Bushi, below, horizontal")
        << QStringLiteral("Kuroda Bushi (Shamisen Bunka)") << true << 0 << 1;
}

// The tool that places a part's lyric line: the syllables of the line move,
// the measures keep the room those syllables had, so nothing else does.
void TestPlacedLyrics::placingALineMovesNothingElse()
{
    QFETCH(QString, sample);
    QFETCH(bool, horizontal);
    QFETCH(int, part);
    QFETCH(int, position);
    auto score = generated(sample, horizontal);
    QVERIFY(score);
    const double s = score->page->scaleFactor;
    const auto before = taggedPlaces(*score);

    score->moveLyrics2(part, 1, position);
    QCOMPARE(score->undoStack->count(), 1);
    QVERIFY(score->undoStack->command(0)->childCount() > 0);
    QVERIFY(score->generateScore());
    const auto after = taggedPlaces(*score);

    const QStringList placed = movedItems(
        before, after, s, [part](const QString &key) { return !isLyricOfPart(key, part); });
    QVERIFY2(!placed.isEmpty(), "no syllable of the line moved");
    const QStringList others = movedItems(
        before, after, s, [part](const QString &key) { return isLyricOfPart(key, part); });
    QVERIFY2(others.isEmpty(), qPrintable(QStringLiteral("%1 other items moved, first %2")
                                              .arg(others.size())
                                              .arg(others.value(0))));
}

void TestPlacedLyrics::lyricPlacedWhereItStandsStays_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("horizontal");
    const QStringList samples = {usagi,
                                 hotaru,
                                 QStringLiteral("Toryanse (Koto Ikuta)"),
                                 QStringLiteral("Kagome Kagome (Shakuhachi Kinko)"),
                                 QStringLiteral("Sakura Sakura (Shakuhachi Tozan)"),
                                 QStringLiteral("Kuroda Bushi (Shamisen Bunka)"),
                                 QStringLiteral("Edo Komoriuta (Shinobue)")};
    for (const QString &sample : samples) {
        QTest::addRow("%s, horizontal", qPrintable(sample)) << sample << true;
        QTest::addRow("%s, vertical", qPrintable(sample)) << sample << false;
    }
}

// Each syllable in turn given the offset of the place it stands on (a drag
// that ends where it began, or the first item of an Align): after the
// regeneration it stands there still, and so does every other item.
void TestPlacedLyrics::lyricPlacedWhereItStandsStays()
{
    QFETCH(QString, sample);
    QFETCH(bool, horizontal);
    auto score = generated(sample, horizontal);
    QVERIFY(score);
    const double s = score->page->scaleFactor;
    const qsizetype count = lyricItems(*score).size();
    QVERIFY(count > 0);
    for (qsizetype i = 0; i < count; ++i) {
        const QGraphicsItem *item = lyricItems(*score).at(i);
        const ItemTags tags = score->readItemTags(item);
        const QString key = tagKey(item);
        const QPointF at = item->scenePos();
        const auto before = taggedPlaces(*score);
        QPointF offset;
        QVERIFY(score->itemOffsetAt(item, at, &offset));
        std::unique_ptr<QUndoCommand> move(score->makeItemMoveCommand(item, offset, false));
        QVERIFY(move);
        move->redo();
        QVERIFY(score->generateScore());

        const QGraphicsItem *now = itemOfTags(*score, tags);
        QVERIFY(now);
        const double jump = QLineF(now->scenePos(), at).length() / s;
        QVERIFY2(jump <= unmovedWithin,
                 qPrintable(QStringLiteral("syllable %1 jumped %2 mm").arg(i).arg(jump)));
        const QStringList others = movedItems(before, taggedPlaces(*score), s,
                                              [&key](const QString &k) { return k == key; });
        QVERIFY2(others.isEmpty(),
                 qPrintable(QStringLiteral("syllable %1 moved %2 other items, first %3")
                                .arg(i)
                                .arg(others.size())
                                .arg(others.value(0))));
        move->undo();
        QVERIFY(score->generateScore());
    }
}

void TestPlacedLyrics::alignedLyricsMeetAfterOneRegeneration_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("horizontally");
    QTest::addColumn<QList<int>>("picks"); // lyric items in reading order
    // The staff syllables Align lines up in its own tests.
    QTest::newRow("Usagi, first and tenth, vertically") << usagi << false << QList<int>{0, 9};
    QTest::newRow("Usagi, tenth and fifteenth, vertically") << usagi << false << QList<int>{9, 14};
    QTest::newRow("Usagi, across rows, horizontally") << usagi << true << QList<int>{0, 20};
    QTest::newRow("Hotaru Koi, three, horizontally") << hotaru << true << QList<int>{1, 2, 3};
    QTest::newRow("Hotaru Koi, across rows, vertically") << hotaru << false << QList<int>{5, 30};
}

// The offsets Align computes on the current scene put every syllable's edge
// on the first one's after a single regeneration, with no second try: the
// measures do not make room anew for a syllable that moves.
void TestPlacedLyrics::alignedLyricsMeetAfterOneRegeneration()
{
    QFETCH(QString, sample);
    QFETCH(bool, horizontally);
    QFETCH(QList<int>, picks);
    auto score = generated(sample, true);
    QVERIFY(score);
    const double s = score->page->scaleFactor;
    const QList<QGraphicsItem *> lyrics = lyricItems(*score);
    QList<ItemTags> chosen;
    QStringList keys;
    for (int pick : std::as_const(picks)) {
        QVERIFY(pick < lyrics.size());
        chosen << score->readItemTags(lyrics.at(pick));
        keys << tagKey(lyrics.at(pick));
    }
    const QPointF firstAt = lyrics.at(picks.first())->scenePos();
    const double common = alignedEdge(lyrics.at(picks.first()), horizontally);
    const auto before = taggedPlaces(*score);

    std::vector<std::unique_ptr<QUndoCommand>> moves;
    for (int pick : std::as_const(picks)) {
        const QGraphicsItem *item = lyrics.at(pick);
        QPointF target = item->scenePos();
        (horizontally ? target.ry() : target.rx()) += common - alignedEdge(item, horizontally);
        QPointF offset;
        QVERIFY(score->itemOffsetAt(item, target, &offset));
        moves.emplace_back(score->makeItemMoveCommand(item, offset, false));
        QVERIFY(moves.back());
        moves.back()->redo();
    }
    QVERIFY(score->generateScore());

    for (int i = 0; i < chosen.size(); ++i) {
        const QGraphicsItem *item = itemOfTags(*score, chosen.at(i));
        QVERIFY(item);
        const double apart = std::abs(alignedEdge(item, horizontally) - common) / s;
        QVERIFY2(
            apart <= placedWithin,
            qPrintable(QStringLiteral("syllable %1 stands %2 mm off").arg(picks.at(i)).arg(apart)));
    }
    QVERIFY(QLineF(itemOfTags(*score, chosen.first())->scenePos(), firstAt).length() / s <=
            unmovedWithin);
    const QStringList others = movedItems(before, taggedPlaces(*score), s,
                                          [&keys](const QString &k) { return keys.contains(k); });
    QVERIFY2(others.isEmpty(), qPrintable(QStringLiteral("%1 other items moved, first %2")
                                              .arg(others.size())
                                              .arg(others.value(0))));
}

void TestPlacedLyrics::placedLyricsClearOfStems_data()
{
    QTest::addColumn<QString>("fixture"); // empty: the Usagi sample
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("position"); // 0 above, 1 below, 2 close to the notes
    const char *places[] = {"above", "below", "close"};
    // Neither file gives a stem direction: the stems are the layout's.
    const QString beamed = QStringLiteral("tests/fixtures/layout/layout-RomajiSixteenths.xml");
    for (bool horizontal : {true, false}) {
        const char *writing = horizontal ? "horizontal" : "vertical";
        for (int position = 0; position < 3; ++position) {
            QTest::addRow("Usagi, %s, %s", places[position], writing)
                << QString() << horizontal << position;
            QTest::addRow("beamed sixteenths, %s, %s", places[position], writing)
                << beamed << horizontal << position;
        }
    }
}

// A lyric line placed on a staff part stands clear of every stem, flag and
// beam of the part: no syllable's box meets their ink.
void TestPlacedLyrics::placedLyricsClearOfStems()
{
    QFETCH(QString, fixture);
    QFETCH(bool, horizontal);
    QFETCH(int, position);
    auto score = fixture.isEmpty()
                     ? generated(usagi, horizontal)
                     : TestSupport::generatedScore(TestSupport::sourcePath(fixture),
                                                   NotationStyle::StaffNotation, horizontal);
    QVERIFY(score);
    score->moveLyrics2(0, 1, position);
    QVERIFY(score->generateScore());

    const QList<QPolygonF> ink = stemInk(*score, 0);
    QVERIFY(!ink.isEmpty());
    const double s = score->page->scaleFactor;
    QStringList struck;
    int syllables = 0;
    for (const QGraphicsItem *lyric : lyricItems(*score)) {
        if (itemTag(lyric, TagPart) != 0)
            continue;
        ++syllables;
        const QRectF box = lyric->sceneBoundingRect();
        for (const QPolygonF &stem : ink) {
            const QRectF shared = QPolygonF(box).intersected(stem).boundingRect();
            if (shared.width() > 0 && shared.height() > 0)
                struck << QStringLiteral("syllable at (%1, %2) mm meets ink by %3 x %4 mm")
                              .arg(box.x() / s, 0, 'f', 1)
                              .arg(box.y() / s, 0, 'f', 1)
                              .arg(shared.width() / s, 0, 'f', 2)
                              .arg(shared.height() / s, 0, 'f', 2);
        }
    }
    QVERIFY(syllables > 0);
    QVERIFY2(struck.isEmpty(), qPrintable(QStringLiteral("%1 strokes:\n").arg(struck.size()) +
                                          struck.mid(0, 10).join(QLatin1Char('\n'))));
}

VELMORA_TEST_MAIN(TestPlacedLyrics)

} // namespace tst_placed_lyrics
#include "tst_placed_lyrics.moc"
