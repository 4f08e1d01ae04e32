// Score's item factories: glyph items on the common or the part's font
// with their scale, the renderer outliving the part that loaded it, bold
// text items, and the centring of a glyph in a box.
#include "model/glyphitem.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

#include <QGraphicsTextItem>
#include <QImage>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QSvgRenderer>

#include <memory>

namespace tst_item_factories {

namespace {

Part *addKinkoPart(Score *score)
{
    TestSupport::ModelBuilder builder(score);
    Part *part = builder.addPart(QStringLiteral("P"), 0);
    part->noteFontName = NoteFonts::firstFontName(NoteFontFolder::path(0));
    part->loadNoteFont();
    part->noteFontSize = 6.0;
    return part;
}

} // namespace

class TestItemFactories : public QObject
{
    Q_OBJECT

private slots:
    void svgItem_data();
    void svgItem();
    void rendererOutlivesItsPart();
    void boldTextItem_data();
    void boldTextItem();
    void centring();
};

void TestItemFactories::svgItem_data()
{
    QTest::addColumn<bool>("common");
    QTest::addColumn<bool>("grace");
    QTest::addColumn<bool>("swap");
    QTest::addColumn<double>("m11");
    QTest::addColumn<double>("m22");
    // s = 6 x 0.095; a = 2, b = 3; grace 0.5.
    const double s = 6.0 * 0.095;
    QTest::newRow("swap") << false << false << true << 2 * s << 3 * s;
    QTest::newRow("no swap") << false << false << false << 3 * s << 2 * s;
    QTest::newRow("grace") << true << true << true << 2 * s * 0.5 << 3 * s * 0.5;
}

void TestItemFactories::svgItem()
{
    QFETCH(bool, common);
    QFETCH(bool, grace);
    QFETCH(bool, swap);
    QFETCH(double, m11);
    QFETCH(double, m22);

    Score score(QStringLiteral("5.3.1"), 0, false);
    Part *part = addKinkoPart(&score);
    score.style->graceNoteScale = 0.5;
    const QString id = common ? QStringLiteral("Dot") : QStringLiteral("Ro");
    std::unique_ptr<GlyphItem> item(score.createSvgItem(0, common, id, grace, swap, 2, 3));
    QCOMPARE(item->elementId(), id);
    QCOMPARE(item->renderer(), common ? score.commonRenderer.get() : part->noteFontRenderer.get());
    QVERIFY(item->renderer()->elementExists(id));
    QCOMPARE(item->cacheMode(), QGraphicsItem::NoCache);
    QVERIFY(!item->parentItem());
    QCOMPARE(item->transform().m11(), m11);
    QCOMPARE(item->transform().m22(), m22);
}

void TestItemFactories::rendererOutlivesItsPart()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    Part *part = addKinkoPart(&score);
    std::weak_ptr<QSvgRenderer> watch = part->noteFontRenderer;
    std::unique_ptr<GlyphItem> item(
        score.createSvgItem(0, false, QStringLiteral("Ro"), false, true, 1, 1));

    // The part lets go of its font (a font change, the part removed).
    score.parts.removeOne(part);
    delete part;
    QVERIFY(!watch.expired());
    QVERIFY(item->renderer()->isValid());

    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QStyleOptionGraphicsItem option;
    item->paint(&painter, &option);
    painter.end();

    item.reset();
    QVERIFY(watch.expired()); // the last item released it
}

void TestItemFactories::boldTextItem_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("1.0") << 1.0 << 14;
    QTest::newRow("1.5") << 1.5 << 21;
    QTest::newRow("truncated, not rounded") << 0.99 << 13;
    QTest::newRow("too small for a font") << 0.01 << 1;
}

void TestItemFactories::boldTextItem()
{
    QFETCH(double, factor);
    QFETCH(int, pointSize);
    Score score(QStringLiteral("5.3.1"), 0, false);
    QFont styleFont = score.style->textFont;
    styleFont.setItalic(true);
    score.style->textFont = styleFont;
    std::unique_ptr<QGraphicsTextItem> item(
        score.createBoldTextItem(QStringLiteral("Allegro"), factor));
    QCOMPARE(item->toPlainText(), QStringLiteral("Allegro"));
    QCOMPARE(item->font().weight(), QFont::Bold);
    QCOMPARE(item->font().pointSize(), pointSize);
    QCOMPARE(item->font().family(), styleFont.family());
    QVERIFY(item->font().italic());
    QCOMPARE(item->cacheMode(), QGraphicsItem::NoCache);
    QVERIFY(!score.style->textFont.bold()); // a copy was changed
}

void TestItemFactories::centring()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    score.page->glyphScale = 0.1;
    score.page->scaleFactor = 4.0;
    QGraphicsRectItem item(0, 0, 20, 40); // w 20, h 40 without a pen
    item.setPen(Qt::NoPen);
    // Extent at box length 8: 20 x 0.1 x 8 / 4 = 4 along x, 8 along y.
    QCOMPARE(score.getItemFarX(&item, 1.0, 8.0), 4.0);
    QCOMPARE(score.getItemCenterX(&item, 1.0, 8.0), 2.0);
    QCOMPARE(score.getItemFarY(&item, 0.5, 8.0), 4.0);
    QCOMPARE(score.getItemCenterY(&item, 0.5, 8.0), 2.0);
    QCOMPARE(score.getItemCenterY(&item, 1.0, 8.0), 0.0);
}

VELMORA_TEST_MAIN(TestItemFactories)

} // namespace tst_item_factories
#include "tst_item_factories.moc"
