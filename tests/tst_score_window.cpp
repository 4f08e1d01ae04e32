// The score on screen: the window that holds the score view above its
// navigator, the scene's rectangle, desk, pages and guide line, and the
// navigator's overview, rectangle, clicks and wheel.
#include "model/measure.h"
#include "model/page.h"
#include "model/score.h"
#include "support/messagecapture.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "view/navigator.h"
#include "view/scene.h"
#include "view/scorewindow.h"

#include <QGraphicsItem>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QSplitter>
#include <QWheelEvent>

namespace tst_score_window {

namespace {

constexpr double s = 4.72381;
constexpr double pageW = 200.0; // mm
constexpr double pageH = 300.0;

const QColor desk(155, 150, 135);
const QColor navigatorColour(200, 0, 200, 100);

// Page geometry set by hand, as layout leaves it after `count` pages.
void setPages(Score &score, bool horizontal, bool roll, int count)
{
    Page *page = score.page;
    page->horizontal = horizontal;
    page->roll = roll;
    page->pageWidth = pageW;
    page->pageHeight = pageH;
    page->pageCount = count;
    page->calcScoreRect();
    score.scene->updateSceneRect();
}

// The scene region `source` drawn at `zoom` pixels per scene unit, over a
// transparent image.
QImage renderScene(Scene *scene, const QRectF &source, double zoom)
{
    QImage image((source.size() * zoom).toSize(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene->render(&painter, QRectF(image.rect()), source);
    return image;
}

QColor pixelAt(const QImage &image, const QRectF &source, double zoom, const QPointF &scenePoint)
{
    const QPointF p = (scenePoint - source.topLeft()) * zoom;
    return image.pixelColor(p.toPoint());
}

bool near(const QColor &a, const QColor &b, int tolerance = 2)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance &&
           qAbs(a.blue() - b.blue()) <= tolerance && qAbs(a.alpha() - b.alpha()) <= tolerance;
}

// `top` with alpha over the opaque `under`.
QColor blend(const QColor &top, const QColor &under)
{
    const double a = top.alphaF();
    auto mix = [a](int t, int u) { return qRound(t * a + u * (1.0 - a)); };
    return QColor(mix(top.red(), under.red()), mix(top.green(), under.green()),
                  mix(top.blue(), under.blue()));
}

std::unique_ptr<Score> sampleScore()
{
    return TestSupport::generatedScore(TestSupport::samplePath(), 0, true);
}

// A shown window on the regenerated sample; the window owns the score.
struct ShownWindow
{
    ShownWindow()
    {
        score = sampleScore().release();
        window = new ScoreWindow(score);
        window->resize(900, 700);
        window->show();
        ok = QTest::qWaitForWindowExposed(window);
    }
    ~ShownWindow() { delete window; }

    Score *score = nullptr;
    ScoreWindow *window = nullptr;
    bool ok = false;
};

} // namespace

class TestScoreWindow : public QObject
{
    Q_OBJECT

private slots:
    void windowHoldsScoreAboveNavigator();
    void sceneRectWidensScoreArea_data();
    void sceneRectWidensScoreArea();
    void backgroundPaintsDeskAndPages_data();
    void backgroundPaintsDeskAndPages();
    void guideLineShownUntilCleared();
    void everyPaintReportsTheVisibleRectangle();
    void navigatorDrawsTheVisibleRectangle();
    void navigatorRefitsOnEveryThirdResize();
    void navigatorClickAndDragCentreTheView();
    void navigatorSelectsNothing();
    void navigatorWheel_data();
    void navigatorWheel();
};

void TestScoreWindow::windowHoldsScoreAboveNavigator()
{
    ShownWindow shown;
    QVERIFY(shown.ok);
    Score *score = shown.score;
    QSplitter *splitter = shown.window->splitter;
    QCOMPARE(splitter->orientation(), Qt::Vertical);
    QCOMPARE(splitter->widget(0), score);
    QCOMPARE(splitter->widget(1), shown.window->navigator);
    QCOMPARE(static_cast<QGraphicsView *>(score)->scene(), score->scene);
    QCOMPARE(shown.window->navigator->scene(), score->scene);
    // The sizes given were a proportion: shown, the splitter has stretched
    // them to its own height.
    const QList<int> sizes = splitter->sizes();
    QVERIFY(sizes != QList<int>({550, 50}));
    QVERIFY2(sizes.at(0) > 5 * sizes.at(1),
             qPrintable(QStringLiteral("%1 %2").arg(sizes.at(0)).arg(sizes.at(1))));

    shown.window->setNavigatorVisible(false);
    QVERIFY(!shown.window->navigator->isVisible());
    QVERIFY(score->isVisible());
    shown.window->setNavigatorVisible(true);
    QVERIFY(shown.window->navigator->isVisible());

    TestSupport::MessageCapture capture;
    QVERIFY(shown.window->close());
    QCOMPARE(capture.count(QStringLiteral("ScoreWindow closed============")), 1);
}

void TestScoreWindow::sceneRectWidensScoreArea_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("roll");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QRectF>("area"); // mm

    QTest::newRow("horizontal, 3 pages side by side")
        << true << false << 3 << QRectF(0, 0, 600, 300);
    QTest::newRow("horizontal roll, 3 pages below") << true << true << 3 << QRectF(0, 0, 200, 900);
    QTest::newRow("vertical, 1 page") << false << false << 1 << QRectF(0, 0, 200, 300);
    QTest::newRow("vertical, 3 pages to the left")
        << false << false << 3 << QRectF(-400, 0, 600, 300);
}

void TestScoreWindow::sceneRectWidensScoreArea()
{
    QFETCH(bool, horizontal);
    QFETCH(bool, roll);
    QFETCH(int, pages);
    QFETCH(QRectF, area);

    Score score(QStringLiteral("test"), 1, false);
    setPages(score, horizontal, roll, pages);
    QCOMPARE(score.page->scoreRect, area);
    const QRectF expected(area.x() * s - 1000.0, area.y() * s - 800.0, area.width() * s + 2000.0,
                          area.height() * s + 1600.0);
    QCOMPARE(score.scene->sceneRect(), expected);
}

void TestScoreWindow::backgroundPaintsDeskAndPages_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("roll");
    QTest::addColumn<QList<QPointF>>("pageOrigins"); // mm

    const QList<QPointF> sideBySide = {{0, 0}, {200, 0}, {400, 0}};
    const QList<QPointF> below = {{0, 0}, {0, 300}, {0, 600}};
    const QList<QPointF> toTheLeft = {{0, 0}, {-200, 0}, {-400, 0}};
    QTest::newRow("horizontal") << true << false << sideBySide;
    QTest::newRow("horizontal roll") << true << true << below;
    QTest::newRow("vertical") << false << false << toTheLeft;
    QTest::newRow("vertical roll") << false << true << toTheLeft;
}

void TestScoreWindow::backgroundPaintsDeskAndPages()
{
    QFETCH(bool, horizontal);
    QFETCH(bool, roll);
    QFETCH(QList<QPointF>, pageOrigins);

    Score score(QStringLiteral("test"), 1, false);
    setPages(score, horizontal, roll, int(pageOrigins.size()));
    const QRectF source = score.scene->sceneRect();
    const double zoom = 0.05;

    // Inside each page, and beside it (past its far corner, where no page
    // of the row or column stands).
    QList<QPointF> inside;
    QList<QPointF> outside;
    for (const QPointF &origin : pageOrigins) {
        inside << (origin + QPointF(pageW / 2, pageH / 2)) * s << (origin + QPointF(15, 15)) * s;
        outside << (origin + QPointF(-20, -20)) * s;
    }
    outside << source.bottomRight() - QPointF(100, 100);

    const QImage decorated = renderScene(score.scene, source, zoom);
    for (const QPointF &p : inside)
        QCOMPARE(pixelAt(decorated, source, zoom, p), QColor(Qt::white));
    for (const QPointF &p : outside)
        QCOMPARE(pixelAt(decorated, source, zoom, p), desk);

    // What the exports see: nothing behind the items.
    score.page->setScreenDecorations(false);
    const QImage plain = renderScene(score.scene, source, zoom);
    for (const QPointF &p : inside + outside)
        QCOMPARE(pixelAt(plain, source, zoom, p).alpha(), 0);
}

void TestScoreWindow::guideLineShownUntilCleared()
{
    Score score(QStringLiteral("test"), 1, false);
    setPages(score, true, false, 1);
    score.page->setScreenDecorations(false);
    const QRectF source(100, 100, 100, 100);
    const QPointF onLine(150, 150);
    score.scene->setGuideLine(QLineF(110, 150, 190, 150));

    const QImage with = renderScene(score.scene, source, 1.0);
    // The line is one unit wide and may fall across two pixel rows: one of
    // them carries its full colour.
    const QColor above = pixelAt(with, source, 1.0, onLine - QPointF(0, 1));
    const QColor at = pixelAt(with, source, 1.0, onLine);
    const QColor stroke = at.alpha() >= above.alpha() ? at : above;
    QVERIFY2(near(stroke, QColor(255, 0, 50, 125)), qPrintable(stroke.name(QColor::HexArgb)));

    score.scene->clearGuideLine();
    const QImage without = renderScene(score.scene, source, 1.0);
    QCOMPARE(pixelAt(without, source, 1.0, onLine).alpha(), 0);
    QCOMPARE(pixelAt(without, source, 1.0, onLine - QPointF(0, 1)).alpha(), 0);
}

void TestScoreWindow::everyPaintReportsTheVisibleRectangle()
{
    ShownWindow shown;
    QVERIFY(shown.ok);
    Score *score = shown.score;
    score->zoomReset();
    QSignalSpy spy(score, &Score::sigScoreRepainted);

    const auto expectedRect = [score]() {
        const QPointF a = score->mapToScene(0, 0);
        const QPointF b = score->mapToScene(score->width(), score->height());
        return QRectF(a, QSizeF(b.x() - a.x(), b.y() - a.y()));
    };
    score->viewport()->repaint();
    QVERIFY(!spy.isEmpty());
    const QRectF first = spy.last().at(0).toRectF();
    QCOMPARE(first, expectedRect());
    QCOMPARE(QRectF(score->page->visibleX, score->page->visibleY, score->page->visibleWidth,
                    score->page->visibleHeight),
             first);

    // Scrolling alone repaints and moves the rectangle.
    spy.clear();
    score->centerOn(score->mapToScene(score->viewport()->rect().center()) + QPointF(200, 100));
    score->viewport()->repaint();
    QVERIFY(!spy.isEmpty());
    const QRectF scrolled = spy.last().at(0).toRectF();
    QCOMPARE(scrolled, expectedRect());
    QVERIFY(qAbs(scrolled.x() - first.x() - 200) < 2);
    QCOMPARE(score->page->visibleX, scrolled.x());
}

void TestScoreWindow::navigatorDrawsTheVisibleRectangle()
{
    ShownWindow shown;
    QVERIFY(shown.ok);
    Navigator *navigator = shown.window->navigator;
    const double s0 = shown.score->page->scaleFactor;
    // The middle of the first page, on white, away from the notes.
    const QRectF region(10 * s0, 10 * s0, 100 * s0, 100 * s0);
    const QPoint probe = navigator->mapFromScene(region.center());

    navigator->navigateRect(QRectF());
    const QColor under = navigator->grab().toImage().pixelColor(probe);
    navigator->navigateRect(region);
    QCOMPARE(navigator->page->visibleX, region.x());
    QCOMPARE(navigator->page->visibleHeight, region.height());
    const QColor over = navigator->grab().toImage().pixelColor(probe);
    QVERIFY2(near(over, blend(navigatorColour, under), 3),
             qPrintable(over.name() + QLatin1Char(' ') + under.name()));
}

void TestScoreWindow::navigatorRefitsOnEveryThirdResize()
{
    ShownWindow shown;
    QVERIFY(shown.ok);
    Navigator *navigator = shown.window->navigator;
    const Page *page = shown.score->page;
    const QRectF area(page->scoreRect.x() * s, page->scoreRect.y() * s, page->scoreRect.width() * s,
                      page->scoreRect.height() * s);
    const QRectF seen = navigator->mapToScene(navigator->viewport()->rect()).boundingRect();
    QVERIFY2(seen.adjusted(-2, -2, 2, 2).contains(area), "the whole score area is in view");
    const QTransform fitted = navigator->transform();

    for (int call = 0; call < 6; ++call) {
        navigator->resetTransform();
        const int before = navigator->resizeCount;
        navigator->navigateRect(QRectF(0, 0, 10, 10));
        QCOMPARE(navigator->resizeCount, before + 2);
        const bool refits = before % 3 == 0 || (before + 1) % 3 == 0;
        QCOMPARE(navigator->transform().m11() != 1.0, refits);
        if (refits)
            QVERIFY(qFuzzyCompare(navigator->transform().m11(), fitted.m11()));
    }
}

void TestScoreWindow::navigatorClickAndDragCentreTheView()
{
    ShownWindow shown;
    QVERIFY(shown.ok);
    Score *score = shown.score;
    score->zoomReset();
    Navigator *navigator = shown.window->navigator;
    QSignalSpy spy(navigator, &Navigator::sigNaviPos);
    const auto viewCentre = [score]() {
        return score->mapToScene(score->viewport()->rect().center());
    };
    // The view centres to the nearest pixels: 1 / 0.6 scene units each.
    const double pixel = 3 / 0.6;

    const QPoint press = navigator->viewport()->rect().center() + QPoint(10, 0);
    QTest::mousePress(navigator->viewport(), Qt::LeftButton, {}, press);
    QCOMPARE(spy.size(), 1);
    const QPointF pressed = spy.last().at(0).toPointF();
    QCOMPARE(pressed, navigator->mapToScene(press));
    QVERIFY(QLineF(viewCentre(), pressed).length() < pixel);
    QTest::mouseRelease(navigator->viewport(), Qt::LeftButton, {}, press);
    QVERIFY(score->scene->selectedItems().isEmpty());

    const QPoint to = press + QPoint(-30, 0);
    const auto move = [&](Qt::MouseButtons buttons) {
        QMouseEvent event(QEvent::MouseMove, to, navigator->viewport()->mapToGlobal(to),
                          Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(navigator->viewport(), &event);
    };
    spy.clear();
    move(Qt::NoButton);
    QVERIFY(spy.isEmpty());
    QVERIFY(QLineF(viewCentre(), pressed).length() < pixel);
    move(Qt::LeftButton);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.last().at(0).toPointF(), navigator->mapToScene(to));
    QVERIFY(QLineF(viewCentre(), navigator->mapToScene(to)).length() < pixel);
}

void TestScoreWindow::navigatorSelectsNothing()
{
    ShownWindow shown;
    QVERIFY(shown.ok);
    Navigator *navigator = shown.window->navigator;
    // A measure's selectable area, a few pixels wide in the overview.
    QGraphicsItem *measure = shown.score->displayedMeasures.at(1)->measureItem;
    QVERIFY(measure && (measure->flags() & QGraphicsItem::ItemIsSelectable));
    const QPoint at = navigator->mapFromScene(measure->sceneBoundingRect().center());
    QVERIFY(navigator->items(at).contains(measure));

    QTest::mouseClick(navigator->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(navigator->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(navigator->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(shown.score->scene->selectedItems().isEmpty());
}

void TestScoreWindow::navigatorWheel_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<double>("zoom"); // factor of the score view's zoom
    QTest::addColumn<bool>("accepted");

    const int ctrl = int(Qt::ControlModifier);
    QTest::newRow("Ctrl, away from the user") << ctrl << QPoint(0, 120) << 1.05 << true;
    QTest::newRow("Ctrl, towards the user")
        << ctrl << QPoint(0, -120) << 0.9523809523809523 << true;
    QTest::newRow("Ctrl, delta 0") << ctrl << QPoint(0, 0) << 0.9523809523809523 << true;
    // X11 turns the delta sideways while Alt is held.
    QTest::newRow("Ctrl and Alt, away, turned sideways")
        << (ctrl | int(Qt::AltModifier)) << QPoint(120, 0) << 1.05 << true;
    QTest::newRow("no Ctrl") << int(Qt::NoModifier) << QPoint(0, 120) << 1.0 << false;
}

void TestScoreWindow::navigatorWheel()
{
    QFETCH(int, modifiers);
    QFETCH(QPoint, delta);
    QFETCH(double, zoom);
    QFETCH(bool, accepted);

    ShownWindow shown;
    QVERIFY(shown.ok);
    Score *score = shown.score;
    score->zoomReset();
    Navigator *navigator = shown.window->navigator;
    const QTransform navigatorView = navigator->transform();
    QSignalSpy spy(navigator, &Navigator::sigNaviMagnify);

    TestSupport::MessageCapture capture;
    const QPointF at = navigator->viewport()->rect().center();
    QWheelEvent event(at, navigator->viewport()->mapToGlobal(at), QPoint(), delta, Qt::NoButton,
                      Qt::KeyboardModifiers(modifiers), Qt::NoScrollPhase, false);
    QApplication::sendEvent(navigator->viewport(), &event);

    QCOMPARE(event.isAccepted(), accepted);
    QCOMPARE(capture.count(QStringLiteral("Navigator wheelEvent")), 1);
    QCOMPARE(capture.count(QStringLiteral("wheelEvent")), 1);
    QCOMPARE(spy.size(), accepted ? 1 : 0);
    if (accepted)
        QCOMPARE(spy.last().at(0).toBool(), zoom > 1.0);
    QVERIFY(qFuzzyCompare(score->zoomFactor, 0.6 * zoom));
    QVERIFY(qFuzzyCompare(score->transform().m11(), 0.6 * zoom));
    QCOMPARE(navigator->transform(), navigatorView);
}

VELMORA_TEST_MAIN(TestScoreWindow)

} // namespace tst_score_window
#include "tst_score_window.moc"
