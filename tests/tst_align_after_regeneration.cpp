// Align as the user meets it on the bundled samples: for every kind Align
// offers, the items chosen are aligned, the score is drawn anew, and then
// their reference edges (top edges aligning horizontally, left edges
// vertically) agree within 0.1 mm while every other item of the page
// stands where it stood.
#include "model/itemtags.h"
#include "model/page.h"
#include "model/score.h"
#include "support/scorefile.h"
#include "support/taggedplaces.h"
#include "support/testenvironment.h"
#include "view/itemlookup.h"
#include "view/scene.h"

#include <QGraphicsItem>
#include <QMap>
#include <QUndoStack>

#include <algorithm>
#include <memory>

namespace tst_align_after_regeneration {

using TestSupport::tagKey;
using TestSupport::taggedPlaces;

namespace {

const QMap<QString, int> &kindNames()
{
    static const QMap<QString, int> kinds = {
        {QStringLiteral("notation"), NotationItem},   {QStringLiteral("directive"), DirectiveItem},
        {QStringLiteral("direction"), DirectionItem}, {QStringLiteral("credit"), CreditItem},
        {QStringLiteral("octave"), OctaveInstItem},   {QStringLiteral("lyric"), LyricItem},
        {QStringLiteral("fingering"), FingeringItem}, {QStringLiteral("harmonic"), HarmonicItem},
    };
    return kinds;
}

// "sample:Usagi (Staff Notation and Shakuhachi)" or "fixture:undo/...xml";
// `page` 1 horizontal, 0 vertical, -1 as the file has it.
std::unique_ptr<Score> generated(const QString &source, int page)
{
    const QString path = source.startsWith(QLatin1String("sample:"))
                             ? TestSupport::sourcePath(QStringLiteral("resources/samples/") +
                                                       source.mid(7) + QStringLiteral(".tnsx"))
                             : TestSupport::fixturePath(source.mid(8));
    auto score = std::make_unique<Score>(QStringLiteral("test"), 1, false);
    if (!TestSupport::loadScoreFile(*score, path))
        return nullptr;
    if (page >= 0) {
        score->page->horizontal = page == 1;
        score->page->setPaperSize();
    }
    if (!score->generateScore())
        return nullptr;
    return score;
}

// The items the generation made for model objects of `type`, in reading
// order of the scene (top to bottom, then left to right).
QList<QGraphicsItem *> itemsOfKind(Score &score, int type)
{
    QList<QGraphicsItem *> found;
    const QList<QGraphicsItem *> items = score.scene->items();
    for (QGraphicsItem *item : items) {
        if (item->data(TagType).toInt() == type &&
            itemOfTags(score, score.readItemTags(item)) == item &&
            (item->flags() & QGraphicsItem::ItemIsMovable))
            found << item;
    }
    std::sort(found.begin(), found.end(), [](const QGraphicsItem *a, const QGraphicsItem *b) {
        return TestSupport::inReadingOrder(a->scenePos(), b->scenePos());
    });
    return found;
}

// "lyric:3": the fourth lyric item in reading order.
QGraphicsItem *picked(Score &score, const QString &pick)
{
    const QStringList parts = pick.split(QLatin1Char(':'));
    const QList<QGraphicsItem *> items = itemsOfKind(score, kindNames().value(parts.at(0)));
    const int index = parts.value(1).toInt();
    return index < items.size() ? items.at(index) : nullptr;
}

double edgeOf(Score &score, const QGraphicsItem *item, bool horizontally)
{
    if (reshapesWithOffset(score, score.readItemTags(item)))
        return horizontally ? item->scenePos().y() : item->scenePos().x();
    const QRectF box = item->sceneBoundingRect();
    return horizontally ? box.top() : box.left();
}

} // namespace

class TestAlignAfterRegeneration : public QObject
{
    Q_OBJECT

private slots:
    void edgesAgreeAndNothingElseMoves_data();
    void edgesAgreeAndNothingElseMoves();
    void edgesAgreeWhereTheSpacingAnswers();
};

void TestAlignAfterRegeneration::edgesAgreeAndNothingElseMoves_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("horizontally");
    QTest::addColumn<QStringList>("picks");

    const QString usagi = QStringLiteral("sample:Usagi (Staff Notation and Shakuhachi)");
    const QString hotaru = QStringLiteral("sample:Hotaru Koi (Koto Seiha)");
    const QString toryanse = QStringLiteral("sample:Toryanse (Koto Ikuta)");
    const QString kagome = QStringLiteral("sample:Kagome Kagome (Shakuhachi Kinko)");
    const QString sakura = QStringLiteral("sample:Sakura Sakura (Shakuhachi Tozan)");
    const QString every = QStringLiteral("fixture:undo/undo-EveryEditableItem.xml");

    const QString kuroda = QStringLiteral("sample:Kuroda Bushi (Shamisen Bunka)");
    QTest::newRow("lyrics vertically, Usagi")
        << usagi << -1 << false << QStringList{"lyric:0", "lyric:9"};
    QTest::newRow("lyrics of a short note and a long one, Usagi")
        << usagi << -1 << false << QStringList{"lyric:9", "lyric:14"};
    QTest::newRow("lyrics horizontally, Hotaru Koi")
        << hotaru << -1 << true << QStringList{"lyric:1", "lyric:2", "lyric:3"};
    QTest::newRow("credit with a directive, Toryanse")
        << toryanse << -1 << false << QStringList{"directive:0", "credit:1"};
    QTest::newRow("credit with a directive, Toryanse horizontal")
        << toryanse << 1 << true << QStringList{"directive:0", "credit:1"};
    QTest::newRow("credits, Usagi") << usagi << -1 << true << QStringList{"credit:0", "credit:2"};
    QTest::newRow("credit with a directive, Kuroda Bushi")
        << kuroda << -1 << false << QStringList{"credit:2", "directive:0"};
    QTest::newRow("directive with an octave mark, Kagome")
        << kagome << -1 << true << QStringList{"directive:0", "octave:0"};
    QTest::newRow("octave marks, Usagi")
        << usagi << -1 << false << QStringList{"octave:0", "octave:1"};
    QTest::newRow("octave marks, Sakura horizontal")
        << sakura << 1 << false << QStringList{"octave:0", "octave:2"};
    QTest::newRow("notations, Sakura")
        << sakura << -1 << true << QStringList{"notation:0", "notation:3"};
    QTest::newRow("notation with an octave mark, Sakura horizontal")
        << sakura << 1 << false << QStringList{"notation:1", "octave:1"};
    QTest::newRow("direction with a lyric, Sakura horizontal")
        << sakura << 1 << true << QStringList{"direction:0", "lyric:4"};
    QTest::newRow("direction with a notation, Sakura")
        << sakura << -1 << false << QStringList{"direction:0", "notation:2"};
    QTest::newRow("notation with a lyric")
        << every << 1 << true << QStringList{"notation:0", "lyric:0"};
    QTest::newRow("notations and a harmonic, vertical page")
        << every << 0 << false << QStringList{"notation:0", "notation:1", "harmonic:0"};
    QTest::newRow("direction and fingering")
        << every << 1 << false << QStringList{"direction:0", "fingering:0"};
    QTest::newRow("fingering and credit, vertical page")
        << every << 0 << true << QStringList{"fingering:0", "credit:0"};
}

void TestAlignAfterRegeneration::edgesAgreeAndNothingElseMoves()
{
    QFETCH(QString, source);
    QFETCH(int, page);
    QFETCH(bool, horizontally);
    QFETCH(QStringList, picks);
    auto score = generated(source, page);
    QVERIFY(score);
    score->scene->clearSelection();
    QList<ItemTags> chosen;
    for (const QString &pick : picks) {
        QGraphicsItem *item = picked(*score, pick);
        QVERIFY2(item, qPrintable(pick + " not drawn"));
        item->setSelected(true);
        chosen << score->readItemTags(item);
    }
    QStringList chosenKeys;
    QList<QPointF> before;
    for (const ItemTags &t : std::as_const(chosen)) {
        chosenKeys << tagKey(itemOfTags(*score, t));
        before << itemOfTags(*score, t)->scenePos();
    }
    QMap<QString, QList<QPointF>> others = taggedPlaces(*score);
    for (const QString &key : std::as_const(chosenKeys))
        others.remove(key);

    score->alignItemsCommand(horizontally);
    QCOMPARE(score->undoStack->count(), 1);

    const double s = score->page->scaleFactor;
    QList<double> edges;
    for (int i = 0; i < chosen.size(); ++i) {
        const QGraphicsItem *item = itemOfTags(*score, chosen.at(i));
        QVERIFY(item);
        edges << edgeOf(*score, item, horizontally);
        // Along the alignment direction every item keeps its place.
        const QPointF moved = item->scenePos() - before.at(i);
        const double along = horizontally ? moved.x() : moved.y();
        QVERIFY2(qAbs(along) / s <= 0.1,
                 qPrintable(picks.at(i) + QStringLiteral(" moved along by %1 mm").arg(along / s)));
    }
    const auto [low, high] = std::minmax_element(edges.cbegin(), edges.cend());
    QVERIFY2((*high - *low) / s <= 0.1,
             qPrintable(QStringLiteral("edges %1 mm apart").arg((*high - *low) / s)));

    const QMap<QString, QList<QPointF>> after = taggedPlaces(*score);
    int moved = 0;
    QString first;
    for (auto it = others.cbegin(); it != others.cend(); ++it) {
        const QList<QPointF> now = after.value(it.key());
        bool same = now.size() == it.value().size();
        for (int i = 0; same && i < now.size(); ++i)
            same = QLineF(now.at(i), it.value().at(i)).length() / s <= 0.01;
        if (!same) {
            ++moved;
            if (first.isEmpty())
                first = it.key();
        }
    }
    QVERIFY2(moved == 0,
             qPrintable(QStringLiteral("%1 other items moved, first %2").arg(moved).arg(first)));
}

// Two of Usagi's syllables aligned vertically: the measures make room for
// a syllable by where it stands, so the offsets first computed would put
// the edges apart; Align tries them and corrects them until they agree.
void TestAlignAfterRegeneration::edgesAgreeWhereTheSpacingAnswers()
{
    auto score = generated(QStringLiteral("sample:Usagi (Staff Notation and Shakuhachi)"), -1);
    QVERIFY(score);
    QList<ItemTags> chosen;
    QList<QPointF> before;
    for (const QString &pick : {QStringLiteral("lyric:9"), QStringLiteral("lyric:14")}) {
        QGraphicsItem *item = picked(*score, pick);
        QVERIFY(item);
        item->setSelected(true);
        chosen << score->readItemTags(item);
        before << item->scenePos();
    }
    score->alignItemsCommand(false);
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(score->undoStack->command(0)->childCount(), 2);
    const double first = edgeOf(*score, itemOfTags(*score, chosen.at(0)), false);
    const double second = edgeOf(*score, itemOfTags(*score, chosen.at(1)), false);
    QVERIFY2(
        qAbs(first - second) / score->page->scaleFactor <= 0.1,
        qPrintable(QStringLiteral("%1 mm apart").arg((first - second) / score->page->scaleFactor)));

    // The trials leave nothing behind: one undo gives the places back.
    score->undoStack->undo();
    score->generateScore();
    for (int i = 0; i < chosen.size(); ++i)
        QVERIFY(QLineF(itemOfTags(*score, chosen.at(i))->scenePos(), before.at(i)).length() < 1e-6);
}

VELMORA_TEST_MAIN(TestAlignAfterRegeneration)

} // namespace tst_align_after_regeneration
#include "tst_align_after_regeneration.moc"
