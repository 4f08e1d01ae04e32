// The memory budget a score may take: half of the machine's memory, never
// below the floor, unless the environment variable sets it; a value that is
// not a positive whole number of mebibytes, or more than the machine has,
// is ignored.
#include "platform/memorybudget.h"
#include "support/budgetscope.h"
#include "support/testenvironment.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#if defined(Q_OS_LINUX)
#include <sys/sysinfo.h>
#endif

namespace tst_memory_budget {

class TestMemoryBudget : public QObject
{
    Q_OBJECT

private slots:
    void physicalMemoryIsTheSystemsOwn();
    void variableSetsTheBudget_data();
    void variableSetsTheBudget();
    void machineSetsTheBudget_data();
    void machineSetsTheBudget();
};

// The kernel's own count of the machine's memory. /proc/meminfo can be a
// container's view of it (lxcfs shows the container's limit there), so it
// only bounds the reading from below.
void TestMemoryBudget::physicalMemoryIsTheSystemsOwn()
{
#if defined(Q_OS_LINUX)
    struct sysinfo info
    {
    };
    QCOMPARE(sysinfo(&info), 0);
    const qint64 kernel = qint64(info.totalram) * qint64(info.mem_unit);
    const qint64 physical = MemoryBudget::physicalBytes();
    // The two readings round to pages differently; they agree to a page.
    QVERIFY2(qAbs(physical - kernel) <= 4096 * 4,
             qPrintable(QStringLiteral("%1 against %2").arg(physical).arg(kernel)));
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    QVERIFY(meminfo.open(QIODevice::ReadOnly));
    const QRegularExpressionMatch total =
        QRegularExpression(QStringLiteral("MemTotal:\\s+(\\d+) kB"))
            .match(QString::fromLatin1(meminfo.readAll()));
    QVERIFY(total.hasMatch());
    QVERIFY(physical >= total.captured(1).toLongLong() * 1024 - 4096 * 4);
#else
    QVERIFY(MemoryBudget::physicalBytes() > 0);
#endif
}

void TestMemoryBudget::variableSetsTheBudget_data()
{
    QTest::addColumn<QByteArray>("variable"); // empty: unset
    QTest::addColumn<qint64>("megabytes");    // -1: ignored, the budget as when unset

    QTest::newRow("unset") << QByteArray() << qint64(-1);
    QTest::newRow("raised") << QByteArray("3000") << qint64(3000);
    QTest::newRow("below the floor, as asked") << QByteArray("200") << qint64(200);
    QTest::newRow("spaces around") << QByteArray(" 512 ") << qint64(512);
    QTest::newRow("zero is ignored") << QByteArray("0") << qint64(-1);
    QTest::newRow("negative is ignored") << QByteArray("-5") << qint64(-1);
    QTest::newRow("a word is ignored") << QByteArray("lots") << qint64(-1);
    QTest::newRow("a unit is ignored") << QByteArray("4G") << qint64(-1);
    QTest::newRow("more than any machine is ignored") << QByteArray("99999999999999999")
                                                      << qint64(-1);
}

void TestMemoryBudget::variableSetsTheBudget()
{
    QFETCH(QByteArray, variable);
    QFETCH(qint64, megabytes);

    qint64 unsetBytes = 0;
    {
        const TestSupport::BudgetScope unset{QByteArray()};
        unsetBytes = MemoryBudget::bytes();
        QVERIFY(MemoryBudget::source() != MemoryBudget::Source::Variable);
        QVERIFY(unsetBytes >= MemoryBudget::floorBytes);
    }
    const TestSupport::BudgetScope scope(variable);
    if (megabytes >= 0) {
        QCOMPARE(MemoryBudget::bytes(), megabytes * MemoryBudget::mebibyte);
        QCOMPARE(MemoryBudget::source(), MemoryBudget::Source::Variable);
        return;
    }
    QCOMPARE(MemoryBudget::bytes(), unsetBytes);
    QVERIFY(MemoryBudget::source() != MemoryBudget::Source::Variable);
}

void TestMemoryBudget::machineSetsTheBudget_data()
{
    QTest::addColumn<qint64>("physicalMegabytes");
    QTest::addColumn<qint64>("budgetMegabytes");
    QTest::addColumn<bool>("floor");

    QTest::newRow("24 GB machine: half") << qint64(24576) << qint64(12288) << false;
    QTest::newRow("4 GB machine: half, the floor") << qint64(4096) << qint64(2048) << false;
    QTest::newRow("3 GB machine: the floor") << qint64(3072) << qint64(2048) << true;
    QTest::newRow("unknown memory: the floor") << qint64(0) << qint64(2048) << true;
}

void TestMemoryBudget::machineSetsTheBudget()
{
    QFETCH(qint64, physicalMegabytes);
    QFETCH(qint64, budgetMegabytes);
    QFETCH(bool, floor);
    const qint64 physical = physicalMegabytes * MemoryBudget::mebibyte;
    QCOMPARE(MemoryBudget::machineBudget(physical), budgetMegabytes * MemoryBudget::mebibyte);
    QCOMPARE(MemoryBudget::machineSource(physical),
             floor ? MemoryBudget::Source::Floor : MemoryBudget::Source::Machine);
}

VELMORA_TEST_MAIN(TestMemoryBudget)

} // namespace tst_memory_budget
#include "tst_memory_budget.moc"
