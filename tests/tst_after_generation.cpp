// The pass after generation that hides the glyphs of chain-continuation
// notes: which glyphs go, which stay, and which notes and parts it leaves
// alone. Aligned items with their scene items are built by hand.
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>

namespace tst_after_generation {

namespace {

struct Fixture
{
    Fixture() : score(QStringLiteral("5.3.1"), 0, false), builder(&score)
    {
        builder.addPart(QStringLiteral("Shakuhachi"));
        builder.addPart(QStringLiteral("Koto"));
        builder.addMeasure();
        for (int p = 0; p < 2; ++p)
            builder.addNotes(p, 1, QStringLiteral("C4/4 C4/4 D4/4 E4/4"));
    }

    // Gives note `n` of voice 1 of part `p` glyph items with these ids and
    // records their range on the note.
    QList<QGraphicsItem *> glyphs(int p, int n, const QStringList &ids)
    {
        Voice *voice = score.measures.first()->parts.at(p)->voices.use(0);
        Note *note = voice->notes.at(n);
        note->alignItemBegin = int(voice->alignItems.size());
        note->firstAlignItem = note->alignItemBegin;
        QList<QGraphicsItem *> items;
        for (const QString &id : ids) {
            auto *item = new AlignItem;
            item->glyphId = id;
            item->graphicsItem = scene.addRect(0, 0, 1, 1);
            voice->alignItems.append(item);
            items.append(item->graphicsItem);
        }
        note->alignItemEnd = int(voice->alignItems.size()) - 1;
        return items;
    }

    Note *note(int p, int n) const
    {
        return score.measures.first()->parts.at(p)->voices.first()->notes.at(n);
    }

    static QList<bool> visibility(const QList<QGraphicsItem *> &items)
    {
        QList<bool> shown;
        for (const QGraphicsItem *item : items)
            shown.append(item->isVisible());
        return shown;
    }

    QGraphicsScene scene;
    Score score;
    TestSupport::ModelBuilder builder;
};

} // namespace

class TestAfterGeneration : public QObject
{
    Q_OBJECT

private slots:
    void continuationKeepsOnlyPrevAndBreath();
    void notesAndPartsLeftAlone();
};

void TestAfterGeneration::continuationKeepsOnlyPrevAndBreath()
{
    Fixture f;
    const QList<QGraphicsItem *> head =
        f.glyphs(0, 0, {QStringLiteral("Ro"), QStringLiteral("1Dot")});
    const QList<QGraphicsItem *> member = f.glyphs(
        0, 1,
        {QStringLiteral("Ro"), QStringLiteral("Prev"), QStringLiteral("PrevMark"),
         QStringLiteral("BreathMark"), QStringLiteral("Breath"), QStringLiteral("xBreath")});
    const QList<QGraphicsItem *> after = f.glyphs(0, 2, {QStringLiteral("Tsu")});
    f.note(0, 1)->longRepeatMemberFlag = true;

    f.score.hideTiedNoteGlyphs();
    QCOMPARE(Fixture::visibility(member), QList<bool>({false, true, false, true, true, false}));
    QCOMPARE(Fixture::visibility(head), QList<bool>({true, true}));
    QCOMPARE(Fixture::visibility(after), QList<bool>({true}));
    QCOMPARE(f.scene.items().size(), 9); // hidden, not removed
}

void TestAfterGeneration::notesAndPartsLeftAlone()
{
    Fixture f;
    // A continuation without glyph items of its own.
    const QList<QGraphicsItem *> noGlyph = f.glyphs(0, 1, {QStringLiteral("Ro")});
    f.note(0, 1)->firstAlignItem = -1;
    f.note(0, 1)->longRepeatMemberFlag = true;
    // A continuation whose range runs past the voice's items.
    const QList<QGraphicsItem *> stale = f.glyphs(0, 2, {QStringLiteral("Tsu")});
    f.note(0, 2)->alignItemEnd = 40;
    f.note(0, 2)->longRepeatMemberFlag = true;
    // A continuation in a part that is not output.
    const QList<QGraphicsItem *> silent = f.glyphs(1, 1, {QStringLiteral("5")});
    f.note(1, 1)->longRepeatMemberFlag = true;
    f.score.parts.at(1)->partOutput = false;

    f.score.hideTiedNoteGlyphs();
    QCOMPARE(Fixture::visibility(noGlyph), QList<bool>({true}));
    QCOMPARE(Fixture::visibility(stale), QList<bool>({false}));
    QCOMPARE(Fixture::visibility(silent), QList<bool>({true}));
}

VELMORA_TEST_MAIN(TestAfterGeneration)

} // namespace tst_after_generation
#include "tst_after_generation.moc"
