// Item tags: every setter writes its type and exactly its keys, its getter
// reads the same indices back, and keys a setter does not own stay unset.
#include "model/itemtags.h"
#include "model/score.h"
#include "support/testenvironment.h"

#include <QGraphicsRectItem>
#include <QMap>

#include <functional>

namespace tst_item_tags {

using TagSetter = std::function<void(Score &, QGraphicsItem *)>;
using TagGetter = std::function<QList<int>(const Score &, const QGraphicsItem *)>;
using KeyValues = QMap<int, int>;

namespace {

// Distinct values, so a key written to the wrong slot shows.
constexpr int m = 11, p = 22, v = 23, n = 44, x = 55;

KeyValues noteKeys(int extraKey = -1)
{
    KeyValues keys{{TagMeasure, m}, {TagPart, p}, {TagVoice, v}, {TagNote, n}};
    if (extraKey >= 0)
        keys.insert(extraKey, x);
    return keys;
}

QList<int> readNote(const Score &s, const QGraphicsItem *item)
{
    int a = -1, b = -1, c = -1, d = -1;
    s.getItemTag(item, &a, &b, &c, &d);
    return {a, b, c, d};
}

} // namespace

class TestItemTags : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void untaggedItemReadsZero();
    void retaggedAndRawSlots();
};

void TestItemTags::roundTrip_data()
{
    QTest::addColumn<TagSetter>("set");
    QTest::addColumn<TagGetter>("get");
    QTest::addColumn<int>("type");
    QTest::addColumn<KeyValues>("keys");
    QTest::addColumn<QList<int>>("read");

    using I = QGraphicsItem *;
    using C = const QGraphicsItem *;
    const QList<int> four{m, p, v, n};
    const QList<int> five{m, p, v, n, x};

    QTest::newRow("note") << TagSetter([](Score &s, I i) { s.setNoteItemTag(i, m, p, v, n); })
                          << TagGetter(readNote) << 9 << noteKeys() << four;
    QTest::newRow("lyric") << TagSetter([](Score &s, I i) { s.setLyricItemTag(i, m, p, v, n, x); })
                           << TagGetter([](const Score &s, C i) {
                                  int a, b, c, d, e;
                                  s.getLyricItemTag(i, &a, &b, &c, &d, &e);
                                  return QList<int>{a, b, c, d, e};
                              })
                           << 10 << noteKeys(TagLyric) << five;
    QTest::newRow("octave inst") << TagSetter([](Score &s, I i) {
        s.setOctaveInstItemTag(i, m, p, v, n);
    }) << TagGetter([](const Score &s, C i) {
        int a, b, c, d;
        s.getOctaveInstItemTag(i, &a, &b, &c, &d);
        return QList<int>{a, b, c, d};
    }) << 8 << noteKeys() << four;
    QTest::newRow("octave inst by getItemTag")
        << TagSetter([](Score &s, I i) { s.setOctaveInstItemTag(i, m, p, v, n); })
        << TagGetter(readNote) << 8 << noteKeys() << four;
    QTest::newRow("notation") << TagSetter([](Score &s, I i) {
        s.setNotationItemTag(i, m, p, v, n, x);
    }) << TagGetter([](const Score &s, C i) {
        int a, b, c, d, e;
        s.getNotationItemTag(i, &a, &b, &c, &d, &e);
        return QList<int>{a, b, c, d, e};
    }) << 4 << noteKeys(TagNotation)
                              << five;
    QTest::newRow("fingering") << TagSetter([](Score &s, I i) {
        s.setFingeringItemTag(i, m, p, v, n, x);
    }) << TagGetter([](const Score &s, C i) {
        int a, b, c, d, e;
        s.getFingeringItemTag(i, &a, &b, &c, &d, &e);
        return QList<int>{a, b, c, d, e};
    }) << 12 << noteKeys(TagFingering)
                               << five;
    QTest::newRow("up-bow") << TagSetter([](Score &s, I i) { s.setUpBowItemTag(i, m, p, v, n); })
                            << TagGetter([](const Score &s, C i) {
                                   int a, b, c, d;
                                   s.getUpBowItemTag(i, &a, &b, &c, &d);
                                   return QList<int>{a, b, c, d};
                               })
                            << 14 << noteKeys() << four;
    QTest::newRow("up-bow by getItemTag")
        << TagSetter([](Score &s, I i) { s.setUpBowItemTag(i, m, p, v, n); }) << TagGetter(readNote)
        << 14 << noteKeys() << four;
    QTest::newRow("stopped") << TagSetter([](Score &s, I i) { s.setStoppedItemTag(i, m, p, v, n); })
                             << TagGetter([](const Score &s, C i) {
                                    int a, b, c, d;
                                    s.getStoppedItemTag(i, &a, &b, &c, &d);
                                    return QList<int>{a, b, c, d};
                                })
                             << 15 << noteKeys() << four;
    QTest::newRow("stopped by getItemTag")
        << TagSetter([](Score &s, I i) { s.setStoppedItemTag(i, m, p, v, n); })
        << TagGetter(readNote) << 15 << noteKeys() << four;
    QTest::newRow("harmonic") << TagSetter([](Score &s, I i) {
        s.setHarmonicItemTag(i, m, p, v, n);
    }) << TagGetter([](const Score &s, C i) {
        int a, b, c, d;
        s.getHarmonicItemTag(i, &a, &b, &c, &d);
        return QList<int>{a, b, c, d};
    }) << 13 << noteKeys() << four;
    QTest::newRow("harmonic by getItemTag")
        << TagSetter([](Score &s, I i) { s.setHarmonicItemTag(i, m, p, v, n); })
        << TagGetter(readNote) << 13 << noteKeys() << four;
    QTest::newRow("directive") << TagSetter([](Score &s, I i) {
        s.setDirectiveItemTag(i, m, p, v, n, x);
    }) << TagGetter([](const Score &s, C i) {
        int a, b, c, d, e;
        s.getDirectiveItemTag(i, &a, &b, &c, &d, &e);
        return QList<int>{a, b, c, d, e};
    }) << 5 << noteKeys(TagDirective)
                               << five;
    QTest::newRow("direction: no note index")
        << TagSetter([](Score &s, I i) { s.setDirectionItemTag(i, m, p, v, x); })
        << TagGetter([](const Score &s, C i) {
               int a, b, c, d;
               s.getDirectionItemTag(i, &a, &b, &c, &d);
               return QList<int>{a, b, c, d};
           })
        << 6 << KeyValues{{TagMeasure, m}, {TagPart, p}, {TagVoice, v}, {TagDirection, x}}
        << QList<int>{m, p, v, x};
    QTest::newRow("credit: type and credit only") << TagSetter([](Score &s, I i) {
        s.setCreditItemTag(i, x);
    }) << TagGetter([](const Score &s, C i) {
        int a = -1;
        s.getCreditItemTag(i, &a);
        return QList<int>{a};
    }) << 7 << KeyValues{{TagCredit, x}} << QList<int>{x};
    QTest::newRow("ending: type and measure only") << TagSetter([](Score &s, I i) {
        s.setEndingItemTag(i, m);
    }) << TagGetter([](const Score &s, C i) {
        int a = -1;
        s.getEndingItemTag(i, &a);
        return QList<int>{a};
    }) << 11 << KeyValues{{TagMeasure, m}} << QList<int>{m};
}

void TestItemTags::roundTrip()
{
    QFETCH(TagSetter, set);
    QFETCH(TagGetter, get);
    QFETCH(int, type);
    QFETCH(KeyValues, keys);
    QFETCH(QList<int>, read);

    Score score(QStringLiteral("5.3.1"), 0, false);
    QGraphicsRectItem item;
    set(score, &item);

    QCOMPARE(item.data(TagType).toInt(), type);
    for (int key = TagMeasure; key <= TagFingering; ++key) {
        // Keys the setter does not own are never written: they read 0.
        QCOMPARE(ItemTagStore::isWritten(&item, ItemTagKey(key)), keys.contains(key));
        QCOMPARE(itemTag(&item, ItemTagKey(key)), keys.value(key, 0));
    }
    QCOMPARE(get(score, &item), read);
}

void TestItemTags::untaggedItemReadsZero()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    QGraphicsRectItem item;
    QCOMPARE(item.data(TagType).toInt(), 0);
    int a = -1, b = -1, c = -1, d = -1, e = -1;
    score.getLyricItemTag(&item, &a, &b, &c, &d, &e);
    QCOMPARE((QList<int>{a, b, c, d, e}), (QList<int>{0, 0, 0, 0, 0}));
    // A direction's getter reads the direction slot, not the note slot.
    score.setNoteItemTag(&item, 1, 2, 3, 4);
    score.getDirectionItemTag(&item, &a, &b, &c, &d);
    QCOMPARE((QList<int>{a, b, c, d}), (QList<int>{1, 2, 3, 0}));
}

// A second tag keeps the indices it does not write; the index of another
// kind replaces the first. Measure frames keep kind and measure in raw
// slots 0 and 1, which the reader serves too.
void TestItemTags::retaggedAndRawSlots()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    QGraphicsRectItem item;
    score.setLyricItemTag(&item, 5, 1, 2, 3, 4);
    score.setEndingItemTag(&item, 7);
    QCOMPARE(item.data(TagType).toInt(), int(EndingItem));
    QCOMPARE((QList<int>{itemTag(&item, TagMeasure), itemTag(&item, TagPart),
                         itemTag(&item, TagNote), itemTag(&item, TagLyric)}),
             (QList<int>{7, 1, 3, 4}));
    score.setNotationItemTag(&item, 5, 1, 2, 3, 6);
    QCOMPARE(itemTag(&item, TagNotation), 6);
    QCOMPARE(itemTag(&item, TagLyric), 0);
    QVERIFY(!ItemTagStore::isWritten(&item, TagLyric));

    QGraphicsRectItem frame;
    frame.setData(0, 0);
    frame.setData(1, 9);
    QCOMPARE(itemTag(&frame, TagMeasure), 9);
    QVERIFY(ItemTagStore::isWritten(&frame, TagMeasure));
    QVERIFY(!ItemTagStore::isWritten(&frame, TagPart));
}

VELMORA_TEST_MAIN(TestItemTags)

} // namespace tst_item_tags
#include "tst_item_tags.moc"
