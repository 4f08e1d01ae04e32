// The log window and the remembered window geometry of the dialogs: the
// window shows whatever log it is given, Clear only asks for the log to be
// emptied, and the geometry is stored at every close and nowhere else.
#include "app/dialoglog.h"
#include "support/testenvironment.h"

#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTextBrowser>

namespace tst_dialog_log {

namespace {

QSettings logSettings()
{
    return QSettings(QStringLiteral("corvalin"), QStringLiteral("Velmora_LogDialog"));
}

void forgetGeometry()
{
    QSettings settings(QStringLiteral("corvalin"), QStringLiteral("Velmora_LogDialog"));
    settings.clear();
}

QTextBrowser *browser(DialogLog &dialog)
{
    return dialog.findChild<QTextBrowser *>(QStringLiteral("textBrowserLog"));
}

QPushButton *button(DialogLog &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(QLatin1String(name));
}

} // namespace

class TestDialogLog : public QObject
{
    Q_OBJECT

private slots:
    void init() { forgetGeometry(); }

    void constructionGivesFixedTitleAndFormSize();
    void setLogReplacesTheWholeText();
    void clearOnlyAsksForTheLogToBeEmptied();
    void closeButtonWritesGeometryThatTheNextInstanceRestores();
    void hidingWritesNothing();
    void closingKeepsTheResultCode();
    void unreadableStoredGeometryIsIgnored();
    void dialogsKeepApartStores();
};

void TestDialogLog::constructionGivesFixedTitleAndFormSize()
{
    DialogLog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Log Dialog"));
    QCOMPARE(dialog.size(), QSize(400, 300));
    QCOMPARE(button(dialog, "pushButtonClear")->text(), QStringLiteral("Clear"));
    QCOMPARE(button(dialog, "pushButtonClose")->text(), QStringLiteral("Close"));
    QVERIFY(browser(dialog)->isReadOnly());
    QVERIFY(!dialog.isVisible());
}

void TestDialogLog::setLogReplacesTheWholeText()
{
    DialogLog dialog;
    dialog.setLog(QStringLiteral("first completed------------\n"));
    dialog.setLog(QStringLiteral("first completed------------\nsecond completed------------\n"));
    QCOMPARE(browser(dialog)->toPlainText(),
             QStringLiteral("first completed------------\nsecond completed------------\n"));
    dialog.setLog(QString());
    QVERIFY(browser(dialog)->toPlainText().isEmpty());
    QVERIFY(!dialog.isVisible());
}

void TestDialogLog::clearOnlyAsksForTheLogToBeEmptied()
{
    DialogLog dialog;
    dialog.setLog(QStringLiteral("undo completed--------------\n"));
    QSignalSpy cleared(&dialog, &DialogLog::sigClearLog);
    button(dialog, "pushButtonClear")->click();
    QCOMPARE(cleared.count(), 1);
    QCOMPARE(browser(dialog)->toPlainText(), QStringLiteral("undo completed--------------\n"));
}

void TestDialogLog::closeButtonWritesGeometryThatTheNextInstanceRestores()
{
    {
        DialogLog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.resize(520, 410);
        QVERIFY(!logSettings().contains(QStringLiteral("geometry")));
        button(dialog, "pushButtonClose")->click();
        QVERIFY(!dialog.isVisible());
    }
    QVERIFY(!logSettings().value(QStringLiteral("geometry")).toByteArray().isEmpty());
    QCOMPARE(logSettings().allKeys(), QStringList{QStringLiteral("geometry")});

    DialogLog again;
    QCOMPARE(again.size(), QSize(520, 410));
}

void TestDialogLog::hidingWritesNothing()
{
    DialogLog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.resize(450, 320);
    dialog.hide();
    dialog.show();
    dialog.accept();
    QVERIFY(!logSettings().contains(QStringLiteral("geometry")));
}

void TestDialogLog::closingKeepsTheResultCode()
{
    DialogLog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.setResult(QDialog::Accepted);
    QVERIFY(dialog.close());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestDialogLog::unreadableStoredGeometryIsIgnored()
{
    logSettings().setValue(QStringLiteral("geometry"), QByteArray("not a geometry"));
    DialogLog dialog;
    QCOMPARE(dialog.size(), QSize(400, 300));
}

void TestDialogLog::dialogsKeepApartStores()
{
    GeometryDialog other(QStringLiteral("Velmora_Page"));
    other.resize(333, 222);
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    other.close();
    QVERIFY(!logSettings().contains(QStringLiteral("geometry")));
    QSettings page(QStringLiteral("corvalin"), QStringLiteral("Velmora_Page"));
    QVERIFY(page.contains(QStringLiteral("geometry")));
    page.clear();
}

VELMORA_TEST_MAIN(TestDialogLog)

} // namespace tst_dialog_log
#include "tst_dialog_log.moc"
