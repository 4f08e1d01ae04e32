// The memory budget a score may take: half of the machine's memory, never
// below the floor, unless the environment variable sets it; a value that is
// not a positive whole number of mebibytes is ignored.
#include "platform/memorybudget.h"
#include "support/budgetscope.h"
#include "support/testenvironment.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace tst_memory_budget {

class TestMemoryBudget : public QObject
{
    Q_OBJECT

private slots:
    void physicalMemoryIsTheSystemsOwn();
    void variableSetsTheBudget_data();
    void variableSetsTheBudget();
};

void TestMemoryBudget::physicalMemoryIsTheSystemsOwn()
{
#if defined(Q_OS_LINUX)
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    QVERIFY(meminfo.open(QIODevice::ReadOnly));
    const QRegularExpressionMatch total =
        QRegularExpression(QStringLiteral("MemTotal:\\s+(\\d+) kB"))
            .match(QString::fromLatin1(meminfo.readAll()));
    QVERIFY(total.hasMatch());
    const qint64 reported = total.captured(1).toLongLong() * 1024;
    // The two readings round to pages differently; they agree to a page.
    QVERIFY2(qAbs(MemoryBudget::physicalBytes() - reported) <= 4096 * 4,
             qPrintable(
                 QStringLiteral("%1 against %2").arg(MemoryBudget::physicalBytes()).arg(reported)));
#else
    QVERIFY(MemoryBudget::physicalBytes() > 0);
#endif
}

void TestMemoryBudget::variableSetsTheBudget_data()
{
    QTest::addColumn<QByteArray>("variable"); // empty: unset
    QTest::addColumn<qint64>("megabytes");    // -1: the machine's half, or the floor

    QTest::newRow("unset") << QByteArray() << qint64(-1);
    QTest::newRow("raised") << QByteArray("30000") << qint64(30000);
    QTest::newRow("below the floor, as asked") << QByteArray("200") << qint64(200);
    QTest::newRow("spaces around") << QByteArray(" 512 ") << qint64(512);
    QTest::newRow("zero is ignored") << QByteArray("0") << qint64(-1);
    QTest::newRow("negative is ignored") << QByteArray("-5") << qint64(-1);
    QTest::newRow("a word is ignored") << QByteArray("lots") << qint64(-1);
    QTest::newRow("a unit is ignored") << QByteArray("4G") << qint64(-1);
    QTest::newRow("beyond counting, the most bytes")
        << QByteArray("99999999999999999")
        << qint64(std::numeric_limits<qint64>::max() / (1 << 20));
}

void TestMemoryBudget::variableSetsTheBudget()
{
    QFETCH(QByteArray, variable);
    QFETCH(qint64, megabytes);

    const TestSupport::BudgetScope scope(variable);
    if (megabytes >= 0) {
        QCOMPARE(MemoryBudget::bytes(), megabytes * MemoryBudget::mebibyte);
        QCOMPARE(MemoryBudget::source(), MemoryBudget::Source::Variable);
        return;
    }
    const qint64 half = MemoryBudget::physicalBytes() / 2;
    QCOMPARE(MemoryBudget::bytes(), std::max(half, MemoryBudget::floorBytes));
    QCOMPARE(MemoryBudget::source(), half >= MemoryBudget::floorBytes
                                         ? MemoryBudget::Source::Machine
                                         : MemoryBudget::Source::Floor);
}

VELMORA_TEST_MAIN(TestMemoryBudget)

} // namespace tst_memory_budget
#include "tst_memory_budget.moc"
