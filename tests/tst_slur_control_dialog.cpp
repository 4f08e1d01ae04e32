// The slur curve controller: its grid of six buttons and three labels, one
// signal per press with the pressed button left as the default, Close, the
// score's slur bent through the dialog's own buttons, and a screenshot.
#include "dialogs/dialogslurcontrol.h"
#include "model/notation.h"
#include "model/score.h"
#include "support/dialogshot.h"
#include "support/editablescore.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QGraphicsItem>
#include <QGridLayout>
#include <QLabel>
#include <QMetaMethod>
#include <QPushButton>
#include <QSignalSpy>
#include <QUndoStack>

#include <memory>

namespace tst_slur_control_dialog {

namespace {

QPushButton *button(QDialog &dialog, const QString &name)
{
    return dialog.findChild<QPushButton *>(name);
}

const QStringList arrowButtons = {"pushButtonLeftStrong",  "pushButtonWholeStrong",
                                  "pushButtonRightStrong", "pushButtonLeftWeak",
                                  "pushButtonWholeWeak",   "pushButtonRightWeak"};

} // namespace

class TestSlurControlDialog : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestSupport::prompter().reset(); }

    void gridAndTexts();
    void eachButtonSendsItsOwnSignal_data();
    void eachButtonSendsItsOwnSignal();
    void closeButtonCloses();
    void bendsTheSelectedSlur();
    void screenshot();
};

// Left half, whole and right half from left to right; stronger above the
// labels, weaker below.
void TestSlurControlDialog::gridAndTexts()
{
    DialogSlurControl dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Slur Curve Controller"));
    QCOMPARE(dialog.size(), QSize(400, 174));
    const auto *grid = dialog.findChild<QGridLayout *>(QStringLiteral("gridLayout"));
    QVERIFY(grid);
    const QList<QStringList> rows = {
        {"pushButtonLeftStrong", "pushButtonWholeStrong", "pushButtonRightStrong"},
        {"labelLeftSide", "LabelCenter", "labelRightSide"},
        {"pushButtonLeftWeak", "pushButtonWholeWeak", "pushButtonRightWeak"}};
    const QList<QStringList> texts = {
        {QStringLiteral("\u2191"), QStringLiteral("\u2191"), QStringLiteral("\u2191")},
        {"Left Half", "Center", "Right Half"},
        {QStringLiteral("\u2193"), QStringLiteral("\u2193"), QStringLiteral("\u2193")}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QWidget *widget = grid->itemAtPosition(row, column)->widget();
            QCOMPARE(widget->objectName(), rows[row][column]);
            const QString text = row == 1 ? qobject_cast<const QLabel *>(widget)->text()
                                          : qobject_cast<const QPushButton *>(widget)->text();
            QCOMPARE(text, texts[row][column]);
            if (row == 1)
                QCOMPARE(qobject_cast<const QLabel *>(widget)->alignment(), Qt::AlignCenter);
        }
    }
    QCOMPARE(button(dialog, "pushButton")->text(), QStringLiteral("Close"));
    for (const QString &name : arrowButtons)
        QVERIFY2(!button(dialog, name)->isDefault(), qPrintable(name));
}

void TestSlurControlDialog::eachButtonSendsItsOwnSignal_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("signal");
    for (const QString &name : arrowButtons) {
        QString part = name.mid(QStringLiteral("pushButton").size());
        QTest::newRow(qPrintable(part)) << name << QStringLiteral("sigSlur") + part;
    }
}

// Pressed twice, a button sends two signals of its own and no other, and
// stays the default so that Return presses it once more; the dialog stays.
void TestSlurControlDialog::eachButtonSendsItsOwnSignal()
{
    QFETCH(QString, name);
    QFETCH(QString, signal);
    DialogSlurControl dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QMap<QString, int> counts;
    const QMetaObject *meta = dialog.metaObject();
    QList<std::shared_ptr<QSignalSpy>> spies;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal)
            spies << std::make_shared<QSignalSpy>(&dialog, method);
    }
    QCOMPARE(spies.size(), 6);
    // Clicked without taking the focus, which would make it the default
    // for as long as it has the focus anyway.
    button(dialog, name)->click();
    QVERIFY(button(dialog, name)->isDefault());
    QTest::keyClick(&dialog, Qt::Key_Return);
    for (const auto &spy : spies) {
        const QString spied = QString::fromLatin1(spy->signal());
        QCOMPARE_EQ(spy->count(), spied.startsWith(signal + QLatin1Char('(')) ? 2 : 0);
    }
    for (const QString &other : arrowButtons)
        QCOMPARE(button(dialog, other)->isDefault(), other == name);
    QVERIFY(dialog.isVisible());
}

void TestSlurControlDialog::closeButtonCloses()
{
    DialogSlurControl dialog;
    dialog.show();
    QTest::mouseClick(button(dialog, "pushButton"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
}

// The score's command runs a dialog whose buttons bend the selected slur,
// one undo step per press.
void TestSlurControlDialog::bendsTheSelectedSlur()
{
    auto score = TestSupport::editableScore();
    QVERIFY(score);
    Notation *slur = TestSupport::slur(*score);
    score->scene->clearSelection();
    slur->item->setSelected(true);
    const QPointF before(slur->slurControlY1, slur->slurControlY2);
    TestSupport::prompter().dialogScripts.enqueue([](QDialog *dialog) {
        dialog->show();
        QTest::mouseClick(button(*dialog, "pushButtonLeftStrong"), Qt::LeftButton);
        QTest::mouseClick(button(*dialog, "pushButtonRightWeak"), Qt::LeftButton);
        QTest::mouseClick(button(*dialog, "pushButton"), Qt::LeftButton);
        return dialog->result();
    });
    score->slurShiftControl();
    QCOMPARE(TestSupport::prompter().prompts.size(), 1);
    QCOMPARE(TestSupport::prompter().prompts.first().title,
             QStringLiteral("Slur Curve Controller"));
    QCOMPARE(score->undoStack->count(), 2);
    QVERIFY(QPointF(slur->slurControlY1, slur->slurControlY2) != before);
    score->undoStack->setIndex(0);
    QCOMPARE(QPointF(slur->slurControlY1, slur->slurControlY2), before);
}

void TestSlurControlDialog::screenshot()
{
    auto score = TestSupport::editableScore();
    QVERIFY(score);
    score->scene->clearSelection();
    TestSupport::slur(*score)->item->setSelected(true);
    bool shown = false;
    TestSupport::prompter().dialogScripts.enqueue([&shown](QDialog *dialog) {
        dialog->show();
        shown = QTest::qWaitForWindowExposed(dialog);
        TestSupport::grabDialog(*dialog, QStringLiteral("slur-control-dialog"));
        TestSupport::checkShownInside(*dialog,
                                      arrowButtons + QStringList{"labelLeftSide", "LabelCenter",
                                                                 "labelRightSide", "pushButton"});
        dialog->close();
        return int(QDialog::Rejected);
    });
    score->slurShiftControl();
    QVERIFY(shown);
}

VELMORA_TEST_MAIN(TestSlurControlDialog)

} // namespace tst_slur_control_dialog

#include "tst_slur_control_dialog.moc"
