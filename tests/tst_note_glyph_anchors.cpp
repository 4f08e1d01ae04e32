// What hangs on a note's main glyph: the main-glyph index stays on the note
// glyph while duration bars, dots and spacers only carry the note's last
// item on, so tuplet brackets start and end at their notes' glyphs in the
// traditional styles. Also the rhythm dots of a voice that opens with a
// grace note taking time, and the stop note of a two-note tremolo that
// owns no item of its own.
#include "layout/alignitem.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/messagecapture.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "support/voicescore.h"
#include "view/scene.h"

#include <QtTest>

#include <memory>

namespace tst_note_glyph_anchors {

using TestSupport::VoiceScore;

namespace {

QString tupletFixture()
{
    return TestSupport::fixturePath(QStringLiteral("staff/23x-Tuplets-OnNoteGlyphs.xml"));
}

QList<GlyphItem *> glyphsNamed(const Score &score, const QString &id)
{
    QList<GlyphItem *> result;
    for (QGraphicsItem *item : score.scene->items()) {
        if (item->type() == GlyphItem::Type && static_cast<GlyphItem *>(item)->elementId() == id)
            result.append(static_cast<GlyphItem *>(item));
    }
    return result;
}

void addStyleRows(std::initializer_list<int> styles)
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    for (int style : styles) {
        for (bool horizontal : {true, false})
            QTest::addRow("s%d %s", style, horizontal ? "h" : "v") << style << horizontal;
    }
}

// The rhythm-dot glyphs of a KinkoTrad voice in scene order along x.
QList<GlyphItem *> rhythmDots(VoiceScore &f)
{
    QList<GlyphItem *> dots;
    const QList<QGraphicsItem *> glyphs = f.glyphItems();
    for (QGraphicsItem *item : f.score.scene->items()) {
        if (item->type() != GlyphItem::Type || glyphs.contains(item))
            continue;
        auto *glyph = static_cast<GlyphItem *>(item);
        if (glyph->elementId().startsWith(QLatin1String("Dot")))
            dots.append(glyph);
    }
    std::stable_sort(dots.begin(), dots.end(),
                     [](const GlyphItem *a, const GlyphItem *b) { return a->x() < b->x(); });
    return dots;
}

} // namespace

class TestNoteGlyphAnchors : public QObject
{
    Q_OBJECT

private slots:
    void mainIndexOnNoteGlyph_data() { addStyleRows({0, 1, 2, 3, 5, 9, 12}); }
    void mainIndexOnNoteGlyph();
    void tupletBracketsOnNoteGlyphs_data() { addStyleRows({0, 2, 3, 9}); }
    void tupletBracketsOnNoteGlyphs();
    void rhythmDotsCountGraceTimeWithoutLink();
    void tremoloStopNeedsNoItem();
};

void TestNoteGlyphAnchors::mainIndexOnNoteGlyph()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    const auto score = TestSupport::generatedScore(tupletFixture(), style, horizontal);
    QVERIFY(score);
    int runOn = 0;
    for (Measure *m : std::as_const(score->measures)) {
        const Voice *voice = m->parts.at(0)->voices.at(0);
        for (const Note *note : voice->notes) {
            if (note->rest || note->firstAlignItem < 0)
                continue;
            // The note's own first glyph is its main glyph; whatever follows
            // it only moves the last item on.
            QCOMPARE(note->noteAlignItem, note->firstAlignItem);
            QVERIFY(note->alignItemEnd >= note->noteAlignItem);
            QVERIFY(note->alignItemEnd < voice->alignItems.size());
            if (note->alignItemEnd > note->noteAlignItem)
                ++runOn;
        }
    }
    // Half notes, dots and spacers give some notes items after their glyph
    // (KinkoTrad marks lengths with rhythm dots beside the names instead).
    if (style != NotationStyle::KinkoTrad)
        QVERIFY(runOn > 0);
}

void TestNoteGlyphAnchors::tupletBracketsOnNoteGlyphs()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    const auto score = TestSupport::generatedScore(tupletFixture(), style, horizontal);
    QVERIFY(score);
    const double k = score->page->scaleFactor;
    const QList<GlyphItem *> heads = glyphsNamed(
        *score, horizontal ? QStringLiteral("TupletTopHead") : QStringLiteral("TupletLeftHead"));
    const QList<GlyphItem *> tails = glyphsNamed(
        *score, horizontal ? QStringLiteral("TupletTopTail") : QStringLiteral("TupletLeftTail"));
    auto start = [&](const QRectF &r) { return horizontal ? r.left() : r.top(); };
    auto end = [&](const QRectF &r) { return horizontal ? r.right() : r.bottom(); };
    // A bracket half may sit 0.3 mm inside its glyph's edge; a bracket moved
    // to a neighbour's glyph or a duration bar is off by millimetres.
    const double tolerance = 0.6 * k;

    int matched = 0;
    for (Measure *m : std::as_const(score->measures)) {
        const Voice *voice = m->parts.at(0)->voices.at(0);
        const QList<Note *> &notes = voice->notes;
        for (int i = 0; i < notes.size(); ++i) {
            if (notes.at(i)->tupletState[0] != 1)
                continue;
            int j = i;
            while (j < notes.size() && notes.at(j)->tupletState[0] != 2)
                ++j;
            QVERIFY(j < notes.size());
            // The notes' own first glyphs: their names (these notes have no
            // opening marks).
            const QRectF first = voice->alignItems.at(notes.at(i)->firstAlignItem)
                                     ->graphicsItem->sceneBoundingRect();
            const QRectF last = voice->alignItems.at(notes.at(j)->firstAlignItem)
                                    ->graphicsItem->sceneBoundingRect();
            // The bracket's two halves of this tuplet are the ones nearest
            // its ends; short tuplets may leave a half out.
            for (const GlyphItem *head : heads) {
                const QRectF r = head->sceneBoundingRect();
                if (start(r) > start(first) - 3 * tolerance && start(r) < end(last)) {
                    QVERIFY2(qAbs(start(r) - start(first)) < tolerance,
                             qPrintable(QStringLiteral("measure %1: starts %2 mm from its glyph")
                                            .arg(m->indexInScore() + 1)
                                            .arg((start(r) - start(first)) / k)));
                    ++matched;
                }
            }
            for (const GlyphItem *tail : tails) {
                const QRectF r = tail->sceneBoundingRect();
                if (end(r) < end(last) + 3 * tolerance && end(r) > start(first)) {
                    QVERIFY2(qAbs(end(r) - end(last)) < tolerance,
                             qPrintable(QStringLiteral("measure %1: ends %2 mm from its glyph")
                                            .arg(m->indexInScore() + 1)
                                            .arg((end(r) - end(last)) / k)));
                    ++matched;
                }
            }
        }
    }
    QVERIFY(matched >= 4);
}

void TestNoteGlyphAnchors::rhythmDotsCountGraceTimeWithoutLink()
{
    // A grace note that takes an eighth opens the voice: the marks fall
    // behind with no note before them to link from. The count moves on
    // without a link, so the eighth after it is marked as the second
    // eighth of the beat, as after a plain eighth.
    VoiceScore graced;
    graced.addPart(QStringLiteral("Shakuhachi"), NotationStyle::KinkoTrad);
    graced.addMeasure(4, 4, 2);
    const QList<Note *> notes = graced.addNotes(0, QStringLiteral("gD4/8 F4/8 G4/4 A4/2"));
    notes.at(0)->duration = 1;
    graced.build();
    const QList<GlyphItem *> dots = rhythmDots(graced);
    QStringList ids;
    for (const GlyphItem *dot : dots)
        ids << dot->elementId();
    QCOMPARE(ids, (QStringList{"DotBlack", "DotWhite", "DotWhite", "DotWhite"}));

    VoiceScore plain;
    plain.addPart(QStringLiteral("Shakuhachi"), NotationStyle::KinkoTrad);
    plain.addMeasure(4, 4, 2);
    plain.addNotes(0, QStringLiteral("D4/8 F4/8 G4/4 A4/2"));
    plain.build();
    const QList<GlyphItem *> plainDots = rhythmDots(plain);
    QCOMPARE(plainDots.size(), 5);
    // Same side of the names as the second eighth's dot.
    QCOMPARE(dots.first()->y(), plainDots.at(1)->y());
}

void TestNoteGlyphAnchors::tremoloStopNeedsNoItem()
{
    // The last note's first item lies beyond the voice's items: reported
    // for any note but the stop note of a two-note tremolo.
    auto reports = [](int tremoloType) {
        VoiceScore f;
        f.addPart(QStringLiteral("Shakuhachi"), NotationStyle::KinkoSimple);
        f.addMeasure();
        f.addNotes(0, QStringLiteral("D4/4 F4/4 G4/4 A4/4"));
        f.prepare();
        f.layOut();
        Note *last = f.note(0, 0, 3);
        last->tremoloType = tremoloType;
        last->firstAlignItem = 99;
        TestSupport::MessageCapture capture;
        f.generate();
        return capture.count(QStringLiteral("generateGraphicItems No align item"));
    };
    QCOMPARE(reports(2), 0);
    QCOMPARE(reports(0), 1);
}

VELMORA_TEST_MAIN(TestNoteGlyphAnchors)

} // namespace tst_note_glyph_anchors
#include "tst_note_glyph_anchors.moc"
