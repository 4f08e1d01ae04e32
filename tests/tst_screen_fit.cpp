// A window opens wholly on its screen whatever its stored or designed size
// and place; a size the screen can't hold gives way.
#include "dialogs/screenfit.h"
#include "support/testenvironment.h"

#include <QDialog>
#include <QScreen>
#include <QTest>

namespace tst_screen_fit {

class TestScreenFit : public QObject
{
    Q_OBJECT

private slots:
    void windowLiesOnItsScreen_data();
    void windowLiesOnItsScreen();
};

void TestScreenFit::windowLiesOnItsScreen_data()
{
    QTest::addColumn<QRect>("placed");
    QTest::addColumn<bool>("fixedSize");
    QTest::addColumn<bool>("keepsSize");
    QTest::newRow("past the right and bottom edges") << QRect(1000, 700, 900, 600) << false << true;
    QTest::newRow("above and left of the screen") << QRect(-300, -50, 500, 400) << false << true;
    QTest::newRow("larger than the screen") << QRect(0, 0, 2000, 1500) << false << false;
    QTest::newRow("fixed size larger than the screen") << QRect(10, 10, 1600, 900) << true << false;
}

void TestScreenFit::windowLiesOnItsScreen()
{
    QFETCH(QRect, placed);
    QFETCH(bool, fixedSize);
    QFETCH(bool, keepsSize);
    QDialog window;
    if (fixedSize)
        window.setFixedSize(placed.size());
    window.resize(placed.size());
    window.move(placed.topLeft());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ScreenFit::fitToScreen(&window);
    QTest::qWait(20);
    const QRect area = ScreenFit::screenOf(&window)->availableGeometry();
    QVERIFY2(area.contains(window.frameGeometry()),
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(window.frameGeometry().x())
                            .arg(window.frameGeometry().y())
                            .arg(window.frameGeometry().width())
                            .arg(window.frameGeometry().height())));
    QCOMPARE(window.size() == placed.size(), keepsSize);
}

VELMORA_TEST_MAIN(TestScreenFit)

} // namespace tst_screen_fit

#include "tst_screen_fit.moc"
