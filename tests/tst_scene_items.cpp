// The scene's own item classes: the drag handle, measure and break items
// (what they paint selected and unselected), the wavy, zigzag and ornament
// paths, and the text item with its vertical layout.
#include "drawing/breakitem.h"
#include "drawing/measureitem.h"
#include "drawing/movableitem.h"
#include "drawing/mypath.h"
#include "drawing/mytextitem.h"
#include "support/testenvironment.h"

#include <QFontMetrics>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionGraphicsItem>

namespace tst_scene_items {

namespace {

// Renders a scene holding `item` at the origin into a white 40 x 40
// image, one pixel per scene unit.
QImage renderItem(QGraphicsItem *item, bool selected)
{
    QGraphicsScene scene;
    scene.addItem(item);
    item->setFlag(QGraphicsItem::ItemIsSelectable);
    item->setSelected(selected);
    QImage image(40, 40, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.render(&painter, QRectF(0, 0, 40, 40), QRectF(0, 0, 40, 40));
    painter.end();
    scene.removeItem(item);
    return image;
}

} // namespace

class TestSceneItems : public QObject
{
    Q_OBJECT

private slots:
    void handleAndMeasureShowOnlyWhenSelected();
    void breakMarkColours_data();
    void breakMarkColours();
    void breakKindOfBreakType();
    void wavePath_data();
    void wavePath();
    void glyphTilesAlongY();
    void ornamentAlongX();
    void textItemVertical();
    void textItemOneLine();
};

void TestSceneItems::handleAndMeasureShowOnlyWhenSelected()
{
    auto *handle = new MovableItem(nullptr, 20, 10);
    auto *measure = new MeasureItem(nullptr, 20, 10);
    QCOMPARE(handle->boundingRect(), QRectF(0, 0, 20, 10));
    QCOMPARE(measure->boundingRect(), QRectF(0, 0, 20, 10));

    const QImage handleOff = renderItem(handle, false);
    const QImage measureOff = renderItem(measure, false);
    QCOMPARE(handleOff.pixelColor(5, 5), QColor(Qt::white));
    QCOMPARE(measureOff.pixelColor(5, 5), QColor(Qt::white));

    const QImage handleOn = renderItem(handle, true);
    const QColor handleFill = handleOn.pixelColor(5, 5);
    // Translucent mint over white.
    QVERIFY(handleFill.green() > 240 && handleFill.red() < 120);
    const QImage measureOn = renderItem(measure, true);
    QCOMPARE(measureOn.pixelColor(5, 5), QColor(250, 250, 200));
    // The rectangle is one unit short on the right and bottom.
    QCOMPARE(measureOn.pixelColor(25, 5), QColor(Qt::white));
    QCOMPARE(measureOn.pixelColor(5, 15), QColor(Qt::white));
    delete handle;
    delete measure;
}

void TestSceneItems::breakMarkColours_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("line") << 1 << false << QColor(100, 240, 240);
    QTest::newRow("page") << 2 << false << QColor(240, 0, 100);
    QTest::newRow("white page") << 3 << false << QColor(100, 100, 100);
    QTest::newRow("other") << 7 << false << QColor(240, 240, 240);
    QTest::newRow("selected page") << 2 << true << QColor(250, 250, 200);
    QTest::newRow("selected white page") << 3 << true << QColor(250, 250, 200);
}

void TestSceneItems::breakMarkColours()
{
    QFETCH(int, kind);
    QFETCH(bool, selected);
    QFETCH(QColor, colour);
    auto *mark = new BreakItem(kind, 0, 0, 23, 23);
    const QImage image = renderItem(mark, selected);
    QCOMPARE(image.pixelColor(10, 10), colour);
    delete mark;
}

void TestSceneItems::breakKindOfBreakType()
{
    const QList<int> expected = {0, 1, 2, 3, 1, 2, 3, 0};
    for (int type = 0; type < expected.size(); ++type)
        QCOMPARE(BreakItem::kindOfBreakType(type), expected.at(type));
}

void TestSceneItems::wavePath_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("alongX");
    QTest::addColumn<double>("length");
    QTest::addColumn<int>("segments");
    QTest::addColumn<int>("perSegment"); // path elements per segment
    // Across-axis value of the first element after the start: the apex of
    // a zigzag; for a wave the first control point of the cubic that
    // stands for the quadratic curve, 2/3 of the way to the apex.
    QTest::addColumn<double>("apex");
    // size 10: n = int(2 x length / 10); apex 6 (zigzag along x: 3).
    QTest::newRow("wave along y") << 0 << false << 100.0 << 20 << 3 << 4.0;
    QTest::newRow("wave along x") << 0 << true << 100.0 << 20 << 3 << -4.0;
    QTest::newRow("zigzag along y") << 1 << false << 55.0 << 11 << 2 << 6.0;
    QTest::newRow("zigzag along x") << 1 << true << 55.0 << 11 << 2 << -3.0;
    QTest::newRow("shorter than half its size") << 0 << true << 4.9 << 0 << 3 << 0.0;
}

void TestSceneItems::wavePath()
{
    QFETCH(int, kind);
    QFETCH(bool, alongX);
    QFETCH(double, length);
    QFETCH(int, segments);
    QFETCH(int, perSegment);
    QFETCH(double, apex);
    MyPath path;
    path.setWavePath(kind, length, alongX, 10.0);
    QCOMPARE(path.boundingRect(), alongX ? QRectF(0, -3, length, 6) : QRectF(-3, 0, 6, length));

    const QPainterPath line = path.linePath();
    if (segments == 0) {
        QVERIFY(line.isEmpty());
        return;
    }
    // A wave has one curve per segment, a zigzag two lines, after the
    // move to the start.
    QCOMPARE(line.elementCount(), 1 + perSegment * segments);
    const QPainterPath::Element first = line.elementAt(1);
    QCOMPARE(alongX ? first.y : first.x, apex);
    QCOMPARE(alongX ? first.x : first.y, kind == 1 ? 2.5 : 2.5 * 2.0 / 3.0);
    const QPainterPath::Element last = line.elementAt(line.elementCount() - 1);
    QCOMPARE(QPointF(last.x, last.y), alongX ? QPointF(length, 0) : QPointF(0, length));
    // Apexes alternate sides.
    const QPainterPath::Element second = line.elementAt(1 + perSegment);
    QCOMPARE(alongX ? second.y : second.x, -apex);
}

void TestSceneItems::glyphTilesAlongY()
{
    MyPath path;
    path.setWavePath(3, 1.0, false, 10.0);
    QCOMPARE(path.tileRects().size(), 2); // at least two, however short
    path.setWavePath(3, 40.0, false, 10.0);
    const QList<QRectF> tiles = path.tileRects();
    QCOMPARE(tiles.size(), 10);
    QCOMPARE(tiles.at(3), QRectF(3 * 3.9, -1.0, 5.0, 2.0));
    QVERIFY(path.linePath().isEmpty());
    // Kind 2 along y draws nothing at all.
    path.setWavePath(2, 40.0, false, 10.0);
    QVERIFY(path.linePath().isEmpty());
    QVERIFY(path.tileRects().isEmpty());
}

void TestSceneItems::ornamentAlongX()
{
    MyPath path;
    // Kind 2: m = int(3 x 30 / 10) = 9 figures; kind 3: int(5 x 30 / 10) = 15.
    path.setWavePath(2, 30.0, true, 10.0);
    QPainterPath ornament = path.linePath();
    QCOMPARE(ornament.fillRule(), Qt::WindingFill);
    const int perFigure = ornament.elementCount() / 9;
    QCOMPARE(ornament.elementCount() % 9, 0);
    path.setWavePath(3, 30.0, true, 10.0);
    QCOMPARE(path.linePath().elementCount(), 15 * perFigure);
    // Each figure starts at (c - h, -0.08u): the first at x = 0.
    path.setWavePath(2, 30.0, true, 10.0);
    ornament = path.linePath();
    QCOMPARE(ornament.elementAt(0).x, 0.0);
    QCOMPARE(ornament.elementAt(0).y, -0.08 * 1.3);
    // The ornament stays within the bounds across the line.
    QVERIFY(ornament.boundingRect().top() >= path.boundingRect().top());
    path.setWavePath(2, 3.0, true, 10.0); // m < 1
    QVERIFY(path.linePath().isEmpty());
}

void TestSceneItems::textItemVertical()
{
    QFont font;
    font.setPixelSize(20);
    const int height = QFontMetrics(font).height();

    MyTextItem item(QStringLiteral("êab c"), true);
    item.setFont(font);
    QVERIFY(item.isRotatedChar(0));
    QVERIFY(!item.isRotatedChar(1));
    QVERIFY(!item.isRotatedChar(99));
    const QList<QPointF> origins = item.characterOrigins();
    QCOMPARE(origins.size(), 4);
    QCOMPARE(origins.at(0).y(), double(height));
    // "ê" advances half a line, the others a whole one; the blank a fifth.
    QCOMPARE(origins.at(1).y(), double(height + int(height / 2.0)));
    QCOMPARE(origins.at(2).y(), origins.at(1).y() + height);
    QCOMPARE(origins.at(3).y(), origins.at(2).y() + height + int(0.2 * height));
    QCOMPARE(
        item.boundingRect(),
        QRectF(0, 0, QFontMetrics(font).horizontalAdvance(QStringLiteral("あ")), 5.0 * height));

    MyTextItem empty(QString(), true);
    empty.setFont(font);
    QCOMPARE(empty.boundingRect().height(), 0.0);
}

void TestSceneItems::textItemOneLine()
{
    QFont font;
    font.setPixelSize(20);
    auto *item = new MyTextItem(QStringLiteral("ê"), false);
    item->setFont(font);
    const QFontMetrics metrics(font);
    QCOMPARE(item->boundingRect(),
             QRectF(0, 0, metrics.horizontalAdvance(QStringLiteral("ê")), metrics.height()));
    // The baseline a font ascent down: descenders stay inside the box.
    QCOMPARE(item->characterOrigins(), QList<QPointF>{QPointF(0, metrics.ascent())});
    {
        MyTextItem low(QStringLiteral("gjpqy"), false);
        low.setFont(font);
        const QRectF box = low.boundingRect();
        QImage image(int(box.width()) + 40, int(box.height()) + 40, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(20, 20);
        QStyleOptionGraphicsItem option;
        low.paint(&painter, &option, nullptr);
        painter.end();
        int lowest = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) != QColor(Qt::white))
                    lowest = y;
            }
        }
        QVERIFY(lowest > 20);
        QVERIFY2(lowest <= 20 + box.bottom() + 1, qPrintable(QString::number(lowest - 20)));
    }
    item->setVertical(true);
    QCOMPARE(item->boundingRect().height(), double(metrics.height()));

    // Drawn in black, in blue when selected.
    item->setVertical(false);
    auto inkOf = [](const QImage &image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != QColor(Qt::white))
                    return image.pixelColor(x, y);
        return QColor(Qt::white);
    };
    item->setFont(font);
    const QColor plain = inkOf(renderItem(item, false));
    const QColor selected = inkOf(renderItem(item, true));
    QVERIFY(plain != QColor(Qt::white));
    QVERIFY(plain.red() == plain.blue());
    QVERIFY(selected.blue() > selected.red());
    delete item;
}

VELMORA_TEST_MAIN(TestSceneItems)

} // namespace tst_scene_items
#include "tst_scene_items.moc"
