// Glyph placement in a measure with the bundled note fonts: where each new
// aligned item starts, how far it advances (note widths, glyph length
// maps, widening, grace notes, spacers, "Prev" in KinkoTrad), how the
// glyph is scaled and centred in its box, ghost notes, and the staff
// clef and time-signature builders.
#include "layout/alignitem.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "support/messagecapture.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QGraphicsItemGroup>
#include <QSvgRenderer>

#include <functional>
#include <memory>

namespace tst_measure_glyphs {

namespace {

constexpr double size = 5.0;

// One part of `style` with its first bundled note font, one measure.
// Widths: quarter 1.2, eighth 0.8; note interval 1.7, so a widened glyph
// (1.1 x size x width) differs from a plain one.
struct Fixture
{
    Fixture(int style, bool horizontal)
    {
        score.page->horizontal = horizontal;
        TestSupport::ModelBuilder builder(&score);
        part = builder.addPart(QStringLiteral("P"), style);
        const QString font = NoteFonts::firstFontName(NoteFontFolder::path(style));
        if (!font.isEmpty()) {
            part->noteFontName = font;
            part->loadNoteFont();
        }
        part->setGlyphMaps(style);
        part->noteFontSize = size;
        part->noteWidth4 = 1.2;
        part->noteWidth8 = 0.8;
        part->noteInterval = 1.7;
        measure = builder.addMeasure();
    }
    // addNoteItem3 into voice 0 with the usual arguments; the item is put
    // into the scene, which owns it.
    QGraphicsItem *add(QString id, int noteType = 4, int glyphClass = 0, int kind = 1,
                       bool widen = false, double base = 0.0, bool common = false)
    {
        QGraphicsItem *item = measure->addNoteItem3(0, 0, id, noteType, common, kind, widen,
                                                    glyphClass, base, 7, 1.0, 1.0);
        score.scene->addItem(item);
        return item;
    }
    AlignItem *last() const { return items().last(); }
    const QList<AlignItem *> &items() const
    {
        return measure->parts.at(0)->voices.at(0)->alignItems;
    }

    Score score{QStringLiteral("5.3.1"), 0, false};
    Part *part = nullptr;
    Measure *measure = nullptr;
};

using Expected = std::function<QPointF(const Score &, const QGraphicsItem *)>;

} // namespace


class TestMeasureGlyphs : public QObject
{
    Q_OBJECT

private slots:
    void positionRule_data();
    void positionRule();
    void advance_data();
    void advance();
    void prevInKinkoTradAdvancesLess();
    void verticalWithoutTimeAlignment();
    void itemScale_data();
    void itemScale();
    void ghostNotes();
    void emptyIdBecomesUndefined();
    void referenceOffset_data();
    void referenceOffset();
    void otherBuilders();
    void staffStepOffset();
    void staffClef();
    void staffTimeSignatures();
};

void TestMeasureGlyphs::positionRule_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("position");
    QTest::newRow("kind 5 stacks") << 5 << 3.0;
    QTest::newRow("kind 1 follows") << 1 << 5.0;
    QTest::newRow("kind 2 follows") << 2 << 5.0;
    QTest::newRow("kind 0 follows") << 0 << 5.0;
}

void TestMeasureGlyphs::positionRule()
{
    QFETCH(int, kind);
    QFETCH(double, position);
    Fixture f(0, true);
    f.add(QStringLiteral("Ro"));
    QCOMPARE(f.last()->position, 0.0); // the first item starts the measure
    f.last()->position = 3.0;
    f.last()->width = 2.0;
    f.add(QStringLiteral("Tsu"), 4, 0, kind);
    QCOMPARE(f.last()->position, position);
}

void TestMeasureGlyphs::advance_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("noteType");
    QTest::addColumn<int>("glyphClass");
    QTest::addColumn<bool>("widen");
    QTest::addColumn<double>("advance");

    QTest::newRow("quarter") << 0 << true << "Ro" << 4 << 0 << false << 1.7 * 1.2 * size;
    QTest::newRow("eighth, vertical") << 0 << false << "Ro" << 8 << 0 << false << 1.7 * 0.8 * size;
    QTest::newRow("widened eighth") << 0 << true << "Ro" << 8 << 0 << true << 1.1 * size * 0.8;
    QTest::newRow("unknown class as plain")
        << 3 << true << "Ro" << 4 << 9 << false << 1.7 * 1.2 * size;
    QTest::newRow("RepeatHalf") << 3 << true << "RepeatHalf" << 4 << 0 << false << 2.1 * size;
    QTest::newRow("RepeatHalf_V") << 3 << false << "RepeatHalf_V" << 4 << 0 << false << 2.1 * size;
    QTest::newRow("RepeatHalf unmapped in vertical writing")
        << 3 << false << "RepeatHalf" << 4 << 0 << false << 1.7 * 1.2 * size;
    QTest::newRow("RepeatHalf widened")
        << 3 << true << "RepeatHalf" << 4 << 0 << true << 1.1 * 2.0 * size;
    QTest::newRow("RestHalf in TozanTrad")
        << 3 << true << "RestHalf" << 4 << 0 << false << 2.1 * size;
    QTest::newRow("RestHalf elsewhere")
        << 2 << true << "RestHalf" << 4 << 0 << false << 1.7 * 1.2 * size;
    QTest::newRow("spacer") << 0 << true << "Spacer" << 4 << 6 << false << 0.3 * size;
    QTest::newRow("spacer widened") << 0 << true << "Spacer" << 4 << 6 << true << 1.1 * size * 0.3;
    QTest::newRow("grace eighth") << 0 << true << "Ro" << 8 << 2 << false << size * 0.8 * 0.8 * 1.2;
    QTest::newRow("token") << 4 << false << "Ro" << 4 << 7 << false << 0.01 * size;
    QTest::newRow("staff notation") << 12 << true << "Head" << 8 << 0 << false << 1.7 * size;
}

void TestMeasureGlyphs::advance()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    QFETCH(QString, id);
    QFETCH(int, noteType);
    QFETCH(int, glyphClass);
    QFETCH(bool, widen);
    QFETCH(double, advance);

    Fixture f(style, horizontal);
    QGraphicsItem *item = f.add(id, noteType, glyphClass, 1, widen);
    const AlignItem *aligned = f.last();
    QCOMPARE(aligned->width, advance);
    QCOMPARE(aligned->length, advance);
    QCOMPARE(aligned->breadth, size);
    QCOMPARE(aligned->glyphId, id);
    QCOMPARE(aligned->kind, 1);
    QCOMPARE(aligned->time, 7);
    QCOMPARE(aligned->graphicsItem, item);
}

void TestMeasureGlyphs::prevInKinkoTradAdvancesLess()
{
    for (bool horizontal : {true, false}) {
        for (bool widen : {false, true}) {
            Fixture simple(0, horizontal);
            Fixture trad(1, horizontal);
            simple.add(QStringLiteral("Prev"), 4, 0, 1, widen);
            trad.add(QStringLiteral("Prev"), 4, 0, 1, widen);
            QCOMPARE(trad.last()->width, 0.8 * simple.last()->width);
            // Only "Prev" is shortened.
            simple.add(QStringLiteral("Ro"), 4, 0, 1, widen);
            trad.add(QStringLiteral("Ro"), 4, 0, 1, widen);
            QCOMPARE(trad.last()->width, simple.last()->width);
        }
    }
}

void TestMeasureGlyphs::verticalWithoutTimeAlignment()
{
    Fixture f(0, false);
    f.part->alignInTime = false;
    QGraphicsItem *item = f.add(QStringLiteral("Ro"));
    const double height = item->boundingRect().height();
    QVERIFY(height > 0); // a real glyph of the font
    QCOMPARE(f.last()->width, 1.7 * 1.2 * size * height * 0.019);
    // Glyphs stack by height: no centring along the reading direction.
    QCOMPARE(f.last()->refOffsetY, 0.0);
    QVERIFY(f.last()->refOffsetX != 0.0);

    f.part->alignInTime = true;
    f.add(QStringLiteral("Ro"));
    QCOMPARE(f.last()->width, 1.7 * 1.2 * size);
    QVERIFY(f.last()->refOffsetY != 0.0);
}

void TestMeasureGlyphs::itemScale_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("glyphClass");
    QTest::addColumn<double>("factor");
    const double grace = 0.8;
    const double small = 0.7;
    QTest::newRow("plain h") << true << 0 << 1.0;
    QTest::newRow("plain v") << false << 0 << 1.0;
    QTest::newRow("grace h") << true << 2 << grace;
    QTest::newRow("grace v") << false << 2 << grace;
    QTest::newRow("small note 3") << true << 3 << small;
    QTest::newRow("small note 4 v") << false << 4 << small;
    QTest::newRow("never far") << true << 5 << 1.0;
}

void TestMeasureGlyphs::itemScale()
{
    QFETCH(bool, horizontal);
    QFETCH(int, glyphClass);
    QFETCH(double, factor);

    Fixture f(3, horizontal);
    f.score.style->graceNoteScale = 0.8;
    f.score.style->tozanSmallNoteScale = 0.7;
    f.score.style->dynamicsScale = 1.9; // sizes dynamics, not notes
    QString id = QStringLiteral("RoMeri");
    QGraphicsItem *item =
        f.measure->addNoteItem3(0, 0, id, 4, false, 1, false, glyphClass, 0.0, 0, 2.0, 0.5);
    f.score.scene->addItem(item);
    const double s = size * f.score.page->glyphScale * factor;
    const QTransform t = item->transform();
    QCOMPARE(t.m11(), s * (horizontal ? 2.0 : 0.5));
    QCOMPARE(t.m22(), s * (horizontal ? 0.5 : 2.0));
    QCOMPARE(t.m12(), 0.0);
    QCOMPARE(item->opacity(), 1.0);

    auto *svg = static_cast<GlyphItem *>(item);
    QCOMPARE(svg->elementId(), id);
    QCOMPARE(svg->renderer(), f.part->noteFontRenderer.get());
    QCOMPARE(svg->cacheMode(), QGraphicsItem::NoCache);
}

void TestMeasureGlyphs::ghostNotes()
{
    for (bool horizontal : {true, false}) {
        Fixture plain(0, horizontal);
        Fixture ghost(0, horizontal);
        ghost.score.ghostNotes = true;
        QGraphicsItem *a = plain.add(QStringLiteral("Ro"), 4, 0, 1, false, 0.5);
        QGraphicsItem *b = ghost.add(QStringLiteral("Ro"), 4, 0, 1, false, 0.5);
        QCOMPARE(b->transform().m11(), 0.9 * a->transform().m11());
        QCOMPARE(b->transform().m22(), 0.9 * a->transform().m22());
        QCOMPARE(a->opacity(), 1.0);
        QCOMPARE(b->opacity(), 0.6);
        QCOMPARE(plain.last()->baseOffset, 0.5);
        QCOMPARE(ghost.last()->baseOffset, 0.5 + 0.05 * size);
        // The advance does not shrink with the glyph.
        QCOMPARE(ghost.last()->width, plain.last()->width);
    }
}

void TestMeasureGlyphs::emptyIdBecomesUndefined()
{
    Fixture f(0, true);
    QString id;
    QGraphicsItem *item = f.measure->addNoteItem3(0, 0, id, 4, true, 1, false, 0, 0, 0, 1, 1);
    f.score.scene->addItem(item);
    QCOMPARE(id, QStringLiteral("Undefined"));
    auto *svg = static_cast<GlyphItem *>(item);
    QCOMPARE(svg->elementId(), QStringLiteral("Undefined"));
    QCOMPARE(svg->renderer(), f.score.commonRenderer.get());
    QCOMPARE(f.last()->glyphId, QStringLiteral("Undefined"));
    QVERIFY(!svg->boundingRect().isEmpty()); // the common font draws it

    QString other;
    f.measure->addGlyphItem(0, 0, other, false, 1, 0, 0, 0, 1, 1);
    QCOMPARE(other, QStringLiteral("Undefined"));
}

void TestMeasureGlyphs::referenceOffset_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("glyphClass");
    QTest::addColumn<Expected>("expected");
    QTest::addColumn<double>("storedBase");

    using S = const Score &;
    using I = const QGraphicsItem *;
    const double base = 0.5;
    const double box = 1.2 * size; // quarter-note width x size

    QTest::newRow("plain h") << 0 << true << "Ro" << 0 << Expected([=](S s, I i) {
        return QPointF(s.getItemCenterX(i, 1.0, box), s.getItemCenterY(i, 1.0, size) + base);
    }) << base;
    QTest::newRow("plain v") << 0 << false << "Ro" << 0 << Expected([=](S s, I i) {
        return QPointF(s.getItemCenterX(i, 1.0, size) + base, s.getItemCenterY(i, 1.0, box));
    }) << base;
    QTest::newRow("Fue h: far edge") << 4 << true << "5" << 0 << Expected([=](S s, I i) {
        return QPointF(s.getItemCenterX(i, 1.0, box), s.getItemFarY(i, 1.0, size) + base);
    }) << base;
    QTest::newRow("Fue v: far edge") << 4 << false << "5" << 0 << Expected([=](S s, I i) {
        return QPointF(s.getItemFarX(i, 1.0, size) + base, s.getItemCenterY(i, 1.0, box));
    }) << base;
    QTest::newRow("Fue class 5 h: centred") << 4 << true << "5" << 5 << Expected([=](S s, I i) {
        return QPointF(s.getItemCenterX(i, 1.0, box), s.getItemCenterY(i, 1.0, size) + base);
    }) << base;
    QTest::newRow("Fue class 5 v: centred") << 4 << false << "5" << 5 << Expected([=](S s, I i) {
        return QPointF(s.getItemCenterX(i, 1.0, size) + base, s.getItemCenterY(i, 1.0, box));
    }) << base;
    QTest::newRow("Fue QuarterRest h: across map")
        << 4 << true << "QuarterRest" << 0 << Expected([=](S s, I i) {
               return QPointF(s.getItemCenterX(i, 1.0, box), 0.25 * size + base);
           })
        << base;
    QTest::newRow("RepeatHalf h: along map")
        << 3 << true << "RepeatHalf" << 0
        << Expected([=](S s, I i) { return QPointF(0.0, s.getItemCenterY(i, 1.0, size) + base); })
        << base;
    QTest::newRow("RepeatHalf_V v: along map")
        << 3 << false << "RepeatHalf_V" << 0
        << Expected([=](S s, I i) { return QPointF(s.getItemCenterX(i, 1.0, size) + base, 0.0); })
        << base;
    QTest::newRow("grace h") << 0 << true << "Ro" << 2 << Expected([=](S s, I i) {
        const double advance = size * 1.2 * 0.8 * 1.2;
        return QPointF(s.getItemCenterX(i, 1.0, advance),
                       s.getItemCenterY(i, 0.8, size) + size * -0.15 * 0.8 + base);
    }) << base + size * -0.15 * 0.8;
    QTest::newRow("grace v") << 0 << false << "Ro" << 2 << Expected([=](S s, I i) {
        const double advance = size * 1.2 * 0.8 * 1.2;
        return QPointF(s.getItemCenterX(i, 0.8, size) + size * -0.15 + base,
                       s.getItemCenterY(i, 0.8, advance));
    }) << base + size * -0.15;
    QTest::newRow("grace h KinkoTrad: no offset")
        << 1 << true << "Ro" << 2 << Expected([=](S s, I i) {
               const double advance = size * 1.2 * 0.8 * 1.2;
               return QPointF(s.getItemCenterX(i, 1.0, advance),
                              s.getItemCenterY(i, 0.8, size) + base);
           })
        << base;
    QTest::newRow("small note h") << 3 << true << "RoMeri" << 4 << Expected([=](S s, I i) {
        return QPointF(s.getItemCenterX(i, 1.0, box), s.getItemFarY(i, 0.7, size) + base);
    }) << base;
    QTest::newRow("small note v") << 3 << false << "RoMeri" << 3 << Expected([=](S s, I i) {
        return QPointF(s.getItemFarX(i, 0.7, size) + base, s.getItemCenterY(i, 1.0, box));
    }) << base;
}

void TestMeasureGlyphs::referenceOffset()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    QFETCH(QString, id);
    QFETCH(int, glyphClass);
    QFETCH(Expected, expected);
    QFETCH(double, storedBase);

    Fixture f(style, horizontal);
    f.score.style->tozanSmallNoteScale = 0.7;
    TestSupport::MessageCapture capture;
    QGraphicsItem *item = f.add(id, 4, glyphClass, 1, false, 0.5);
    QVERIFY(!item->boundingRect().isEmpty()); // the font has the glyph
    const QPointF offset = expected(f.score, item);
    QCOMPARE(f.last()->refOffsetX, offset.x());
    QCOMPARE(f.last()->refOffsetY, offset.y());
    QCOMPARE(f.last()->baseOffset, storedBase);
    const bool logsGraceOffset = glyphClass == 2 && horizontal && style == 1;
    QCOMPARE(capture.lines().size(), logsGraceOffset ? 1 : 0);
    if (logsGraceOffset)
        QVERIFY(capture.lines().first().startsWith(QStringLiteral("addNoteItem3 yoffset = ")));
}

void TestMeasureGlyphs::otherBuilders()
{
    for (bool horizontal : {true, false}) {
        Fixture f(0, horizontal);
        QGraphicsRectItem handle;
        f.measure->addAlignItem(0, QStringLiteral("a"), 2.0, 1.5, 4.0, 1, 0, &handle);
        QCOMPARE(f.measure->addAlignItem(0, QStringLiteral("b"), 3.0, 3.0, 4.0, 1, 0, &handle), 1);
        QCOMPARE(f.last()->position, 2.0);
        QCOMPARE(horizontal ? f.last()->refOffsetY : f.last()->refOffsetX, -2.0);
        QCOMPARE(horizontal ? f.last()->refOffsetX : f.last()->refOffsetY, 0.0);

        QCOMPARE(
            f.measure->addVoiceAlignItem(0, 0, QStringLiteral("c"), 1.0, 1.0, 4.0, 2, 3, &handle),
            2);
        QCOMPARE(f.last()->position, 2.0); // always stacked
        QCOMPARE(f.last()->baseOffset, -1.0);
        QCOMPARE(horizontal ? f.last()->refOffsetY : f.last()->refOffsetX, -1.0);
        QCOMPARE(f.last()->time, 3);

        QString id = QStringLiteral("Dot");
        QGraphicsItem *glyph = f.measure->addGlyphItem(0, 0, id, true, 2, 2, 0.3, 4, 2.0, 0.5);
        f.score.scene->addItem(glyph);
        QCOMPARE(f.last()->position, 3.0);
        QCOMPARE(f.last()->width, 0.4 * size);
        QCOMPARE(f.last()->length, 0.4 * size);
        QCOMPARE(f.last()->breadth, size);
        QCOMPARE(f.last()->baseOffset, 0.3);
        const double s = size * f.score.page->glyphScale * f.score.style->graceNoteScale;
        QCOMPARE(glyph->transform().m11(), s * (horizontal ? 2.0 : 0.5));
        QCOMPARE(glyph->transform().m22(), s * (horizontal ? 0.5 : 2.0));
        f.measure->addGlyphItem(0, 0, id, true, 5, 0, 0.0, 4, 1.0, 1.0);
        QCOMPARE(f.last()->position, 3.0);
        f.score.scene->addItem(f.last()->graphicsItem);
    }
}

void TestMeasureGlyphs::staffStepOffset()
{
    Fixture f(12, false);
    f.part->noteFontSize = 8.0;
    QCOMPARE(f.score.getStaffStepOffset(0, 2), 2.0);
    QCOMPARE(f.score.getStaffStepOffset(0, -4), -4.0);
    f.score.page->horizontal = true;
    QCOMPARE(f.score.getStaffStepOffset(0, 2), -2.0);
    QCOMPARE(f.score.getStaffStepOffset(0, 0), 0.0);
}

void TestMeasureGlyphs::staffClef()
{
    // No bundled font has clefs yet; "Ro" of a Kinko font stands in.
    Fixture f(0, true);
    TestSupport::MessageCapture capture;
    QVERIFY(!f.measure->addStaffClef(0, 0, 0, QStringLiteral("ClefG"), 1.0, 2, 2, 0.0));
    QVERIFY(!f.measure->addStaffClef(0, 0, 0, QString(), 1.0, 2, 2, 0.0));
    QCOMPARE(capture.lines(),
             (QStringList{QStringLiteral("addStaffClef clef not supported, clef = ClefG"),
                          QStringLiteral("addStaffClef clef not supported, clef = ")}));
    QVERIFY(f.items().isEmpty());

    f.add(QStringLiteral("Tsu"));
    QGraphicsItem *clef = f.measure->addStaffClef(0, 0, 1, QStringLiteral("Ro"), 1.5, 2, 2, 0.25);
    QVERIFY(clef);
    f.score.scene->addItem(clef);
    QCOMPARE(f.last()->position, 0.0); // stacked on the note
    QCOMPARE(f.last()->width, 1.5 * size);
    QCOMPARE(f.last()->staff, 1);
    QCOMPARE(f.last()->time, 0);
    QCOMPARE(f.last()->refOffsetY, -2 * size * 0.125 + 0.25);
    QCOMPARE(clef->transform().m11(), size * f.score.page->glyphScale);
}

void TestMeasureGlyphs::staffTimeSignatures()
{
    for (bool horizontal : {true, false}) {
        Fixture f(12, horizontal);
        f.part->staffCount = 3;
        TestSupport::ModelBuilder builder(&f.score);
        // Voice 1 on staves 0 and 1, voice 2 on staff 2.
        builder.addNotes(0, 1, QStringLiteral("C4/2 D3/2@1"));
        builder.addNotes(0, 2, QStringLiteral("E3/1@2"));

        f.measure->addStaffTimeSignatures(0, 3, 4);
        const QList<AlignItem *> &first = f.measure->parts.at(0)->voices.at(0)->alignItems;
        const QList<AlignItem *> &second = f.measure->parts.at(0)->voices.at(1)->alignItems;
        QCOMPARE(first.size(), 2);
        QCOMPARE(second.size(), 1);
        QCOMPARE(first.at(0)->kind, 2);
        QCOMPARE(first.at(1)->kind, 5); // staff 1 shares staff 0's voice
        QCOMPARE(second.at(0)->kind, 2);
        QCOMPARE(first.at(1)->staff, 1);
        QCOMPARE(first.at(1)->position, horizontal ? size : 1.5 * size);
        QCOMPARE(first.at(0)->glyphId, QStringLiteral("timesignature"));
        QCOMPARE(first.at(0)->baseOffset, horizontal ? -0.5 * size : 0.5 * size);
        QCOMPARE(horizontal ? first.at(0)->refOffsetY : first.at(0)->refOffsetX,
                 horizontal ? -0.5 * size : -0.25 * size);

        auto *group = dynamic_cast<QGraphicsItemGroup *>(second.at(0)->graphicsItem);
        QVERIFY(group);
        const QList<QGraphicsItem *> digits = group->childItems();
        QCOMPARE(digits.size(), 2);
        QCOMPARE(static_cast<GlyphItem *>(digits.at(0))->elementId(), QStringLiteral("3"));
        QCOMPARE(static_cast<GlyphItem *>(digits.at(1))->elementId(), QStringLiteral("4"));
        QCOMPARE(digits.at(1)->pos().y(), 0.5 * size * f.score.page->scaleFactor);
        for (const AlignItem *item : first + second)
            f.score.scene->addItem(item->graphicsItem);

        TestSupport::MessageCapture capture;
        QVERIFY(!f.measure->addStaffTimeSignature(0, 0, 99, 4, false));
        QCOMPARE(capture.lines(), QStringList{QStringLiteral(
                                      "addStaffTimeSignature beat not supported, beat = 99")});
        QCOMPARE(first.size(), 2);
    }
}

VELMORA_TEST_MAIN(TestMeasureGlyphs)

} // namespace tst_measure_glyphs
#include "tst_measure_glyphs.moc"
