// The score view: zoom steps and reset, the wheel (scroll sideways, up and
// down, zoom), the paint trace, ignored key releases, accepted drag moves,
// and the reset of every hand offset without undo.
#include "model/credit.h"
#include "model/direction.h"
#include "model/directive.h"
#include "model/fingering.h"
#include "model/harmonic.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/page.h"
#include "model/score.h"
#include "model/stopped.h"
#include "model/upbow.h"
#include "model/voice.h"
#include "support/messagecapture.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QGraphicsRectItem>
#include <QMimeData>
#include <QUndoStack>
#include <QWheelEvent>

#include <cmath>

namespace tst_score_view {

namespace {

// A regenerated score shown in its own window, at the first zoom.
std::unique_ptr<Score> shownScore(const QString &path, bool horizontal)
{
    auto score = TestSupport::generatedScore(path, 0, horizontal);
    if (!score)
        return nullptr;
    score->resize(700, 500);
    score->show();
    if (!QTest::qWaitForWindowExposed(score.get()))
        return nullptr;
    score->zoomReset();
    return score;
}

QPointF viewCentre(const Score &score)
{
    return score.mapToScene(score.viewport()->rect().center());
}

QString selectionFixture()
{
    return TestSupport::fixturePath(QStringLiteral("view/view-SelectionObjects.xml"));
}

// Records the key releases that reach it.
class KeyItem : public QGraphicsRectItem
{
public:
    KeyItem() : QGraphicsRectItem(0, 0, 10, 10) { setFlag(ItemIsFocusable); }
    int releases = 0;

protected:
    void keyReleaseEvent(QKeyEvent *) override { ++releases; }
};

// The toolkit hands drag moves only to the widget that accepted the drag's
// entry, which needs a real drag; the handler is called as it would be.
class DragTarget : public Score
{
public:
    using Score::dragMoveEvent;
    using Score::Score;
};

} // namespace

class TestScoreView : public QObject
{
    Q_OBJECT

private slots:
    void zoomResetCentresOnTheFirstPage_data();
    void zoomResetCentresOnTheFirstPage();
    void zoomStepsMultiply();
    void wheel_data();
    void wheel();
    void paintTraceOnlyWithDebugSwitch();
    void keyReleaseReachesNoItem();
    void everyDragMoveIsAccepted();
    void resetAllItemOffsetsClearsHandPositions();
    void fileNameAndTextSetTogether();
};

void TestScoreView::zoomResetCentresOnTheFirstPage_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    // The first page is the rightmost one.
    QTest::newRow("vertical") << false;
}

void TestScoreView::zoomResetCentresOnTheFirstPage()
{
    QFETCH(bool, horizontal);
    auto score = shownScore(
        TestSupport::fixturePath(QStringLiteral("corpus/japanese/Echigo_Jishi.xml")), horizontal);
    QVERIFY(score);
    const Page *page = score->page;
    QVERIFY2(page->pageCount > 1, "several pages, so the first one is told apart");
    score->setZoom(2.0);
    score->centerOn(0, 0);

    score->zoomReset();
    QCOMPARE(score->zoomFactor, 0.6);
    QCOMPARE(score->transform(), QTransform::fromScale(0.6, 0.6));
    const double s = page->scaleFactor;
    const QPointF middle(page->pageWidth * s / 2, page->pageHeight * s / 2);
    QVERIFY2(QLineF(viewCentre(*score), middle).length() < 3.0,
             qPrintable(
                 QStringLiteral("%1,%2").arg(viewCentre(*score).x()).arg(viewCentre(*score).y())));
}

void TestScoreView::zoomStepsMultiply()
{
    Score score(QStringLiteral("test"), 1, false);
    score.zoomReset();
    for (int i = 0; i < 10; ++i)
        score.zoomIn();
    QVERIFY(qFuzzyCompare(score.zoomFactor, 0.6 * std::pow(1.02, 10)));
    QVERIFY(qFuzzyCompare(score.transform().m11(), score.zoomFactor));
    QCOMPARE(score.transform().m22(), score.transform().m11());
    QCOMPARE(score.transformationAnchor(), QGraphicsView::AnchorUnderMouse);

    const double before = score.zoomFactor;
    score.zoomIn();
    score.zoomOut();
    QVERIFY(qFuzzyCompare(score.zoomFactor, before));

    // No bounds: far below any useful size it still divides.
    for (int i = 0; i < 400; ++i)
        score.zoomOut();
    QVERIFY(qFuzzyCompare(score.zoomFactor, before * std::pow(1.02, -400)));
}

void TestScoreView::wheel_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QPoint>("delta");      // the wheel's angle delta, x and y
    QTest::addColumn<double>("zoom");       // factor applied to the zoom
    QTest::addColumn<QPointF>("translate"); // of the view, scene units

    const int ctrl = int(Qt::ControlModifier);
    const int alt = int(Qt::AltModifier);
    QTest::newRow("Ctrl, away") << ctrl << QPoint(0, 120) << 1.05 << QPointF();
    QTest::newRow("Ctrl, towards") << ctrl << QPoint(0, -120) << 0.9523809523809523 << QPointF();
    QTest::newRow("Ctrl, delta 0 counts as towards")
        << ctrl << QPoint(0, 0) << 0.9523809523809523 << QPointF();
    QTest::newRow("Alt, towards") << alt << QPoint(0, -120) << 1.0 << QPointF(30, 0);
    QTest::newRow("Alt, away") << alt << QPoint(0, 120) << 1.0 << QPointF(-30, 0);
    // X11 reports an Alt turn as a horizontal one.
    QTest::newRow("Alt, towards, turned sideways")
        << alt << QPoint(-120, 0) << 1.0 << QPointF(30, 0);
    QTest::newRow("Alt, away, turned sideways") << alt << QPoint(120, 0) << 1.0 << QPointF(-30, 0);
    QTest::newRow("Alt, the vertical delta wins")
        << alt << QPoint(120, -120) << 1.0 << QPointF(30, 0);
    QTest::newRow("Alt and Ctrl scroll, not zoom")
        << (alt | ctrl) << QPoint(0, 120) << 1.0 << QPointF(-30, 0);
    QTest::newRow("plain, towards") << 0 << QPoint(0, -120) << 1.0 << QPointF(0, -30);
    QTest::newRow("plain, away") << 0 << QPoint(0, 120) << 1.0 << QPointF(0, 30);
    QTest::newRow("plain, delta 0") << 0 << QPoint(0, 0) << 1.0 << QPointF(0, -30);
    QTest::newRow("plain, sideways to the left") << 0 << QPoint(120, 0) << 1.0 << QPointF(30, 0);
    QTest::newRow("plain, sideways to the right") << 0 << QPoint(-120, 0) << 1.0 << QPointF(-30, 0);
}

void TestScoreView::wheel()
{
    QFETCH(int, modifiers);
    QFETCH(QPoint, delta);
    QFETCH(double, zoom);
    QFETCH(QPointF, translate);

    auto score = shownScore(TestSupport::samplePath(), true);
    QVERIFY(score);
    const QPointF centre = viewCentre(*score);
    const QPointF at = score->viewport()->rect().center();
    QWheelEvent event(at, score->viewport()->mapToGlobal(at), QPoint(), delta, Qt::NoButton,
                      Qt::KeyboardModifiers(modifiers), Qt::NoScrollPhase, false);
    event.ignore();
    QApplication::sendEvent(score->viewport(), &event);

    QVERIFY(event.isAccepted());
    QVERIFY(qFuzzyCompare(score->zoomFactor, 0.6 * zoom));
    QVERIFY(qFuzzyCompare(score->transform().m11(), 0.6 * zoom));
    if (zoom == 1.0) {
        // Translating the view by d brings the scene point d further back
        // under the same place of the viewport.
        const QPointF moved = viewCentre(*score) - centre;
        QVERIFY2(QLineF(moved, -translate).length() < 0.5,
                 qPrintable(QStringLiteral("%1,%2").arg(moved.x()).arg(moved.y())));
    } else {
        QCOMPARE(score->transformationAnchor(), QGraphicsView::AnchorUnderMouse);
    }
}

void TestScoreView::paintTraceOnlyWithDebugSwitch()
{
    auto score = shownScore(TestSupport::samplePath(), true);
    QVERIFY(score);
    TestSupport::MessageCapture capture;
    score->viewport()->repaint();
    QCOMPARE(capture.count(QStringLiteral("paintEvent")), 0);
    score->dSw = true;
    score->viewport()->repaint();
    QCOMPARE(capture.count(QStringLiteral("paintEvent")), 1);
}

void TestScoreView::keyReleaseReachesNoItem()
{
    auto score = shownScore(TestSupport::samplePath(), true);
    QVERIFY(score);
    auto *item = new KeyItem;
    score->scene->addItem(item);
    score->setFocus();
    score->scene->setFocusItem(item);
    QVERIFY(item->hasFocus());

    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(score.get(), &release);
    QCOMPARE(item->releases, 0);
    QCOMPARE(score->undoStack->count(), 0);
}

void TestScoreView::everyDragMoveIsAccepted()
{
    DragTarget score(QStringLiteral("test"), 1, false);
    QMimeData data;
    data.setText(QStringLiteral("not a file"));
    QDragMoveEvent event(QPoint(20, 20), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
    event.ignore();
    score.dragMoveEvent(&event);
    QVERIFY(event.isAccepted());
}

void TestScoreView::resetAllItemOffsetsClearsHandPositions()
{
    Score score(QStringLiteral("test"), 1, false);
    QVERIFY(TestSupport::loadScoreFile(score, selectionFixture()));
    Measure *first = score.measures.at(0);
    Voice *voice = first->parts.at(0)->voices.made(0);
    Note *slurred = voice->notes.at(0);
    Note *marked = voice->notes.at(2);
    Note *sung = voice->notes.at(3);
    Direction *moved = voice->directions.at(0);
    Direction *unmoved = score.measures.at(3)->parts.at(0)->voices.at(0)->directions.at(0);
    Notation *slur = slurred->notations.at(0);
    Lyrics *lyric = sung->lyrics.at(0);
    Directive *directive = marked->directives.at(0);
    Credit *credit = score.credits.at(0);
    QVERIFY(slur && lyric && directive && credit);

    moved->setOffset(1.5, -2.0);
    unmoved->x = 0.7; // a default offset, not a hand one
    slur->setOffset(0.5, 0.5);
    lyric->setOffset(-1.0, 1.0);
    credit->setOffset(3.0, 4.0);
    slurred->octaveInstMoved = true;
    slurred->octaveInstOffsetX = 2.0;
    slurred->octaveInstOffsetY = -1.0;
    directive->setOffset(1.0, 2.0);
    auto *fingering = new Fingering;
    marked->fingerings.append(fingering);
    fingering->setOffset(1.0, 1.0);
    marked->harmonic = new Harmonic;
    marked->harmonic->setOffset(2.0, 2.0);
    marked->upBow = new UpBow;
    marked->upBow->setOffset(3.0, 3.0);
    marked->stopped = new Stopped;
    marked->stopped->setOffset(4.0, 4.0);
    first->endingOffsetX = 5.0;
    first->endingOffsetY = 6.0;
    score.changed = false;

    score.resetAllItemOffsets();

    for (const UserOffset *cleared :
         {static_cast<UserOffset *>(moved), static_cast<UserOffset *>(slur),
          static_cast<UserOffset *>(lyric)}) {
        QVERIFY(!cleared->moved);
        QCOMPARE(QPointF(cleared->x, cleared->y), QPointF(0, 0));
    }
    QVERIFY(!slurred->octaveInstMoved);
    QCOMPARE(QPointF(slurred->octaveInstOffsetX, slurred->octaveInstOffsetY), QPointF(0, 0));
    QCOMPARE(unmoved->x, 0.7);
    // A credit only stops using its offset.
    QVERIFY(!credit->moved);
    QCOMPARE(QPointF(credit->x, credit->y), QPointF(3, 4));
    // Untouched kinds.
    const QList<QPair<const UserOffset *, double>> kept = {{directive, 1.0},
                                                           {fingering, 1.0},
                                                           {marked->harmonic, 2.0},
                                                           {marked->upBow, 3.0},
                                                           {marked->stopped, 4.0}};
    for (const auto &[offset, x] : kept) {
        QVERIFY(offset->moved);
        QCOMPARE(offset->x, x);
    }
    QCOMPARE(QPointF(first->endingOffsetX, first->endingOffsetY), QPointF(5, 6));
    QVERIFY(score.changed);
    QCOMPARE(score.undoStack->count(), 0);
}

void TestScoreView::fileNameAndTextSetTogether()
{
    Score score(QStringLiteral("test"), 1, false);
    score.changed = false;
    QVERIFY(score.setFileNameAndText(QStringLiteral("/tmp/copy.tnsx"), QStringLiteral("<x/>")));
    QCOMPARE(score.filePath, QStringLiteral("/tmp/copy.tnsx"));
    QCOMPARE(score.documentText, QStringLiteral("<x/>"));
    QVERIFY(score.changed);
}

VELMORA_TEST_MAIN(TestScoreView)

} // namespace tst_score_view
#include "tst_score_view.moc"
