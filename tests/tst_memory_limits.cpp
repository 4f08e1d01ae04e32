// The limits the process lives under hold the memory budget: a
// container's memory limit (read from a file standing for memory.max) and
// an address-space limit (ulimit -v, set in the renderer's process), with
// bad values ignored rather than trusted. Memory that runs out all the
// same is told, never fatal: the renderer exits 1 with one message naming
// the score and what it needed, and the window stops the one action while
// the other score stays open, unchanged, and is still autosaved. The
// estimate a score is held to covers what it is loaded for: never below
// its peak, and not far above it.
#include "app/allocationguard.h"
#include "app/mainwindow.h"
#include "document/layoutcost.h"
#include "model/score.h"
#include "view/scene.h"
#include "view/scorewindow.h"
#include "platform/allocationfailure.h"
#include "platform/memorybudget.h"
#include "support/budgetscope.h"
#include "support/testenvironment.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <unistd.h>

#include <functional>
#include <optional>

Q_DECLARE_METATYPE(LayoutCost::Estimate)

namespace tst_memory_limits {

namespace {

// Sets an environment variable for the scope's lifetime (unset before and
// after: neither is set by the test environment).
class VariableScope
{
public:
    VariableScope(const char *name, const QByteArray &value) : m_name(name)
    {
        qputenv(m_name, value);
    }
    ~VariableScope() { qunsetenv(m_name); }
    VariableScope(const VariableScope &) = delete;
    VariableScope &operator=(const VariableScope &) = delete;

private:
    const char *m_name;
};

struct Run
{
    int exitCode = -1;
    bool crashed = true;
    QString out;
    QString err;
};

// The renderer with `arguments`, under an address-space limit of
// `addressSpaceMegabytes` (0: none) and the environment `variables` adds.
Run render(const QStringList &arguments, qint64 addressSpaceMegabytes = 0,
           const QStringList &variables = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &variable : variables)
        environment.insert(variable.section(QLatin1Char('='), 0, 0),
                           variable.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(environment);
    if (addressSpaceMegabytes > 0) {
        process.setChildProcessModifier([addressSpaceMegabytes] {
            rlimit limit{};
            ::getrlimit(RLIMIT_AS, &limit);
            limit.rlim_cur = rlim_t(addressSpaceMegabytes) << 20;
            ::setrlimit(RLIMIT_AS, &limit);
        });
    }
    process.start(TestSupport::renderToolPath(), arguments);
    Run run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.crashed = process.exitStatus() == QProcess::CrashExit;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// One part of `measures` measures, each one note lasting 64 whole notes:
// a short text whose layout needs over a gigabyte.
QByteArray longMeasures(int measures)
{
    const QByteArray note = "<note><pitch><step>C</step><octave>4</octave></pitch>"
                            "<duration>256</duration><voice>1</voice></note>";
    QByteArray text = "<score-partwise><part-list><score-part id=\"P1\"><part-name>P</part-name>"
                      "</score-part></part-list><part id=\"P1\"><measure number=\"1\"><attributes>"
                      "<divisions>1</divisions></attributes>" +
                      note + "</measure>";
    for (int m = 2; m <= measures; ++m)
        text += "<measure number=\"" + QByteArray::number(m) + "\">" + note + "</measure>";
    return text + "</part></score-partwise>";
}

// Four parts of `measures` measures of quarter notes with a lyric each.
QByteArray quarterNotes(int measures)
{
    const QByteArray note = "<note><pitch><step>D</step><octave>4</octave></pitch><duration>1"
                            "</duration><voice>1</voice><type>quarter</type><lyric number=\"1\">"
                            "<syllabic>single</syllabic><text>sa</text></lyric></note>";
    QByteArray text = "<score-partwise><part-list>";
    for (int p = 1; p <= 4; ++p)
        text += "<score-part id=\"P" + QByteArray::number(p) + "\"><part-name>P</part-name>"
                "</score-part>";
    text += "</part-list>";
    for (int p = 1; p <= 4; ++p) {
        text += "<part id=\"P" + QByteArray::number(p) + "\">";
        for (int m = 1; m <= measures; ++m) {
            text += "<measure number=\"" + QByteArray::number(m) + "\">";
            if (m == 1)
                text += "<attributes><divisions>1</divisions><time><beats>4</beats><beat-type>4"
                        "</beat-type></time></attributes>";
            text += note.repeated(4) + "</measure>";
        }
        text += "</part>";
    }
    return text + "</score-partwise>";
}

// The process's resident memory in mebibytes.
qint64 residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE) /
           MemoryBudget::mebibyte;
}

// A figure the renderer prints on stdout ("<name>: 123.4 MB"), -1 when
// it is missing.
double printedMegabytes(const QString &out, const QString &name)
{
    const QRegularExpression line(QStringLiteral("^%1: ([\\d.]+) MB$").arg(name),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(out);
    return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestMemoryLimits : public QObject
{
    Q_OBJECT

private slots:
    void limitFilesAreRead_data();
    void limitFilesAreRead();
    void containerLimitHoldsTheBudget_data();
    void containerLimitHoldsTheBudget();
    void rendererRefusesUnderTheLimits_data();
    void rendererRefusesUnderTheLimits();
    void rendererTellsAFailedAllocation_data();
    void rendererTellsAFailedAllocation();
    void windowKeepsTheOtherScore_data();
    void windowKeepsTheOtherScore();
    void closedScoreGivesItsMemoryBack();
    void estimateHoldsMeasuredPeaks_data();
    void estimateHoldsMeasuredPeaks();
    void rendererEstimatesWhatItKeeps();
};
    void estimateHoldsMeasuredPeaks_data();
    void estimateHoldsMeasuredPeaks();
    void rendererEstimatesWhatItKeeps();

void TestMemoryLimits::limitFilesAreRead_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qint64>("bytes"); // 0: no limit

    QTest::newRow("v2 bytes with a line end") << QByteArray("1073741824\n") << qint64(1073741824);
    QTest::newRow("v2 no limit") << QByteArray("max\n") << qint64(0);
    QTest::newRow("v1 no limit") << QByteArray("9223372036854771712\n") << qint64(0);
    QTest::newRow("empty") << QByteArray() << qint64(0);
    QTest::newRow("negative") << QByteArray("-4096") << qint64(0);
    QTest::newRow("a word") << QByteArray("lots") << qint64(0);
    QTest::newRow("beyond counting") << QByteArray("99999999999999999999999") << qint64(0);
}

void TestMemoryLimits::limitFilesAreRead()
{
    QFETCH(QByteArray, text);
    QFETCH(qint64, bytes);
    QCOMPARE(MemoryBudget::limitFromText(text), bytes);
}

void TestMemoryLimits::containerLimitHoldsTheBudget_data()
{
    QTest::addColumn<QByteArray>("memoryMax");   // the file standing for memory.max
    QTest::addColumn<QByteArray>("variable");    // VELMORA_MEMORY_LIMIT_MB; empty: unset
    QTest::addColumn<qint64>("megabytes");       // the budget; -1: as without a container
    QTest::addColumn<QString>("fault");          // what variableFault() starts with

    const QString ignoredLarger = QStringLiteral("VELMORA_MEMORY_LIMIT_MB=%1 is more than the");
    // Half of the container's memory, floor or not.
    QTest::newRow("1 GB container") << QByteArray("1073741824\n") << QByteArray() << qint64(512)
                                    << QString();
    QTest::newRow("3 GB container") << QByteArray("3221225472\n") << QByteArray() << qint64(1536)
                                    << QString();
    QTest::newRow("no limit: max") << QByteArray("max\n") << QByteArray() << qint64(-1)
                                   << QString();
    QTest::newRow("garbage is no limit") << QByteArray("lots") << QByteArray() << qint64(-1)
                                         << QString();
    // The variable sets the budget within the container, and is ignored
    // beyond it.
    QTest::newRow("variable within the container")
        << QByteArray("1073741824") << QByteArray("1000") << qint64(1000) << QString();
    QTest::newRow("variable beyond the container")
        << QByteArray("1073741824") << QByteArray("2000") << qint64(512)
        << ignoredLarger.arg(2000);
    QTest::newRow("variable beyond any machine")
        << QByteArray("max") << QByteArray("99999999999") << qint64(-1)
        << ignoredLarger.arg(QStringLiteral("99999999999"));
    QTest::newRow("empty variable") << QByteArray("max") << QByteArray(" ") << qint64(-1)
                                    << QStringLiteral("VELMORA_MEMORY_LIMIT_MB=\"\" is not");
    QTest::newRow("negative variable") << QByteArray("1073741824") << QByteArray("-5")
                                       << qint64(512)
                                       << QStringLiteral("VELMORA_MEMORY_LIMIT_MB=\"-5\" is not");
}

void TestMemoryLimits::containerLimitHoldsTheBudget()
{
    QFETCH(QByteArray, memoryMax);
    QFETCH(QByteArray, variable);
    QFETCH(qint64, megabytes);
    QFETCH(QString, fault);

    if (MemoryBudget::addressSpaceLimitBytes() > 0)
        QSKIP("the tests run under an address-space limit, which holds the budget too");
    qint64 withoutContainer = 0;
    {
        const TestSupport::BudgetScope unset{QByteArray()};
        withoutContainer = MemoryBudget::bytes();
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("memory.max"));
    QVERIFY(writeFile(file, memoryMax));
    const VariableScope container(MemoryBudget::containerFileVariable, QFile::encodeName(file));
    // A space stands for a variable that is set but empty.
    const TestSupport::BudgetScope budget(variable == " " ? QByteArray() : variable);
    std::optional<VariableScope> empty;
    if (variable == " ")
        empty.emplace(MemoryBudget::variable, QByteArray());

    const qint64 expected = megabytes < 0 ? withoutContainer : megabytes * MemoryBudget::mebibyte;
    QCOMPARE(MemoryBudget::bytes(), expected);
    if (megabytes >= 0 && variable.isEmpty())
        QCOMPARE(MemoryBudget::source(), MemoryBudget::Source::Container);
    if (fault.isEmpty())
        QVERIFY2(MemoryBudget::variableFault().isEmpty(), qPrintable(MemoryBudget::variableFault()));
    else
        QVERIFY2(MemoryBudget::variableFault().startsWith(fault),
                 qPrintable(MemoryBudget::variableFault()));
}

void TestMemoryLimits::rendererRefusesUnderTheLimits_data()
{
    QTest::addColumn<qint64>("addressSpace"); // MB; 0: none
    QTest::addColumn<QByteArray>("memoryMax");  // empty: no container file
    QTest::addColumn<QString>("message");

    // 3,000 measures of 64 whole notes need about 2.2 GB: a process limited
    // to 1 GB of address space, or a container of 2 GB (a budget of 1 GB)
    // refuses them with the budget's message, before it runs out.
    QTest::newRow("ulimit -v 1 GB")
        << qint64(1024) << QByteArray()
        << QStringLiteral("what the process's address-space limit (ulimit -v, 1,024 MB) leaves");
    QTest::newRow("2 GB container")
        << qint64(0) << QByteArray("2147483648")
        << QStringLiteral("The limit is 1,024 MB, half of the memory this computer's container "
                          "allows (2,048 MB)");
    // Too small a limit to start: said, never a crash.
    QTest::newRow("ulimit -v 150 MB")
        << qint64(150) << QByteArray()
        << QStringLiteral("address-space limit (ulimit -v) is 150 MB; Velmora needs at least");
}

void TestMemoryLimits::rendererRefusesUnderTheLimits()
{
    QFETCH(qint64, addressSpace);
    QFETCH(QByteArray, memoryMax);
    QFETCH(QString, message);

    if (VELMORA_UNDER_SANITIZER && addressSpace > 0)
        QSKIP("the sanitizer's shadow memory takes terabytes of address space");
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("long.musicxml"));
    QVERIFY(writeFile(input, longMeasures(3000)));
    QStringList variables{QStringLiteral("VELMORA_MEMORY_LIMIT_MB=")};
    if (!memoryMax.isEmpty()) {
        const QString file = dir.filePath(QStringLiteral("memory.max"));
        QVERIFY(writeFile(file, memoryMax));
        variables << QStringLiteral("%1=%2").arg(QLatin1String(MemoryBudget::containerFileVariable),
                                                 file);
    }
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const Run run = render({input, QStringLiteral("--pdf"), pdf}, addressSpace, variables);
    QVERIFY2(!run.crashed, qPrintable(run.err));
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(!QFileInfo::exists(pdf));
}

void TestMemoryLimits::rendererTellsAFailedAllocation_data()
{
    QTest::addColumn<QString>("phase");
    QTest::addColumn<QStringList>("outputs");
    QTest::newRow("layout") << "layout" << QStringList{QStringLiteral("--tnsx")};
    QTest::newRow("export") << "export" << QStringList{QStringLiteral("--pdf")};
}

// A tiny budget that still lets the score in, and an allocation that fails
// all the same: one message naming the score and what it needs, exit 1,
// no output left behind.
void TestMemoryLimits::rendererTellsAFailedAllocation()
{
    QFETCH(QString, phase);
    QFETCH(QStringList, outputs);

    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("out"));
    QStringList arguments{TestSupport::samplePath()};
    for (const QString &option : outputs)
        arguments << option << output;
    const Run run = render(arguments, 0,
                           {QStringLiteral("VELMORA_MEMORY_LIMIT_MB=100"),
                            QStringLiteral("%1=%2").arg(QLatin1String(AllocationFailure::variable),
                                                        phase)});
    QVERIFY2(!run.crashed, qPrintable(run.err));
    QCOMPARE(run.exitCode, 1);
    const QString expected =
        QStringLiteral("velmora-render: Not enough memory for %1: an allocation failed at ")
            .arg(TestSupport::samplePath());
    QVERIFY2(run.err.startsWith(expected), qPrintable(run.err));
    QVERIFY2(run.err.contains(QRegularExpression(
                 QStringLiteral("; the score needs about \\d+ MB \\(the limit: 100 MB\\)\\.\n$"))),
             qPrintable(run.err));
    QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
    QVERIFY(!QFileInfo::exists(output));
}

void TestMemoryLimits::windowKeepsTheOtherScore_data()
{
    QTest::addColumn<QString>("phase");
    QTest::addColumn<QString>("action"); // the window's action that fails
    QTest::newRow("layout") << "layout" << "actionStretch";
    QTest::newRow("export") << "export" << "actionExportPdf";
}

void TestMemoryLimits::windowKeepsTheOtherScore()
{
    QFETCH(QString, phase);
    QFETCH(QString, action);

    TestSupport::ScriptedPrompter &prompter = TestSupport::prompter();
    prompter.reset();
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.musicxml"));
    const QString second = dir.filePath(QStringLiteral("second.musicxml"));
    QVERIFY(QFile::copy(TestSupport::samplePath(), first));
    QVERIFY(QFile::copy(TestSupport::samplePath(), second));
    MainWindow window;
    QVERIFY(window.importNewFromPath(first));
    QVERIFY(window.importNewFromPath(second));
    QCOMPARE(window.tabWidget->count(), 2);
    window.tabWidget->setCurrentIndex(1);
    Score *other = window.scoreWindows.at(0)->score;
    Score *failing = window.scoreWindows.at(1)->score;
    QVERIFY(other && failing && other != failing);
    QVERIFY(other->generateScore() && failing->generateScore());
    other->setChanged(true);
    const int otherItems = int(other->scene->items().size());
    QVERIFY(otherItems > 0);

    QAction *triggered = window.findChild<QAction *>(action);
    QVERIFY(triggered);
    prompter.fileAnswers << dir.filePath(QStringLiteral("second.pdf"));
    bool survived = false;
    {
        const VariableScope failure(AllocationFailure::variable, phase.toUtf8());
        const TestSupport::BudgetScope tiny(100);
        survived = AllocationGuard::run(AllocationGuard::actionOf(triggered),
                                        [&] { triggered->trigger(); });
    }
    QVERIFY(!survived);
    const QStringList warnings = prompter.texts(QStringLiteral("warning"));
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().startsWith(
                 QStringLiteral("\"%1\" failed: this computer did not give Velmora the memory")
                     .arg(AllocationGuard::actionOf(triggered))),
             qPrintable(warnings.first()));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("second.pdf"))));

    // Both tabs stay; the other score is as it was and still autosaves.
    QCOMPARE(window.tabWidget->count(), 2);
    QCOMPARE(window.scoreWindows.at(0)->score, other);
    QCOMPARE(int(other->scene->items().size()), otherItems);
    QVERIFY(other->changed);
    other->autoSave();
    QVERIFY(QFileInfo::exists(other->autoSavePath()));
    // The window goes on working: the score that failed exports now.
    const QString pdf = dir.filePath(QStringLiteral("again.pdf"));
    QVERIFY(failing->exportPdfFile(pdf));
    QVERIFY(QFileInfo::exists(pdf));
}

// A closed score's memory goes back to the system: the window holds what it
// held before the score was opened, give or take the allocator's spread.
void TestMemoryLimits::closedScoreGivesItsMemoryBack()
{
#if !defined(__GLIBC__) || VELMORA_UNDER_SANITIZER
    QSKIP("the heap is the C library's own only without the sanitizer");
#endif
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.musicxml"));
    QVERIFY(writeFile(path, quarterNotes(1200)));
    MainWindow window;
    // A first score opened and closed: what the window keeps for any score
    // (fonts, glyph tables) is made before the measure is taken.
    const QString small = dir.filePath(QStringLiteral("small.musicxml"));
    QVERIFY(QFile::copy(TestSupport::samplePath(), small));
    QVERIFY(window.importNewFromPath(small));
    QVERIFY(window.currentScore()->generateScore());
    window.removeScoreTab(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const qint64 before = residentMegabytes();

    QVERIFY(window.importNewFromPath(path));
    QVERIFY(window.currentScore()->generateScore());
    const qint64 open = residentMegabytes();
    // The score is large enough for the check to mean something.
    QVERIFY2(open - before > 150, qPrintable(QStringLiteral("%1 MB open").arg(open - before)));
    window.removeScoreTab(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(window.tabWidget->count(), 0);
    const qint64 after = residentMegabytes();
    QVERIFY2(after - before <= 60, qPrintable(QStringLiteral("%1 MB before, %2 MB open, %3 MB "
                                                             "after")
                                                  .arg(before)
                                                  .arg(open)
                                                  .arg(after)));
}

void TestMemoryLimits::estimateHoldsMeasuredPeaks_data()
{
    QTest::addColumn<LayoutCost::Estimate>("counts");
    QTest::addColumn<int>("path");
    QTest::addColumn<double>("peak"); // MB, measured (bench/memory-peaks.csv)

    // Counts and peaks of generated scores on the bench machine: the
    // renderer's PDF and MusicXML runs (/usr/bin/time), the window with
    // the score shown (its VmHWM).
    const auto counts = [](qsizetype elements, qint64 characters, qsizetype measures,
                           qsizetype parts, qint64 notes, qint64 marks, qint64 lyrics,
                           qint64 ticks) {
        LayoutCost::Estimate estimate;
        estimate.elements = elements;
        estimate.textCharacters = characters;
        estimate.measures = measures;
        estimate.parts = parts;
        estimate.notes = notes;
        estimate.marks = marks;
        estimate.lyrics = lyrics;
        estimate.ticks = ticks;
        return estimate;
    };
    const int pages = int(LayoutCost::Path::Pages);
    const int saving = int(LayoutCost::Path::Saving);
    const int editing = int(LayoutCost::Path::Editing);
    const LayoutCost::Estimate plain1000x4 = counts(180734, 301422, 1000, 4, 23275, 0, 0, 64000);
    QTest::newRow("1000x4 pages") << plain1000x4 << pages << 170.3;
    QTest::newRow("1000x4 MusicXML") << plain1000x4 << saving << 255.2;
    QTest::newRow("1000x4 window") << plain1000x4 << editing << 269.4;
    QTest::newRow("1000x16 pages")
        << counts(720144, 1200286, 1000, 16, 92805, 0, 0, 64000) << pages << 559.9;
    QTest::newRow("realistic 8000x4 MusicXML")
        << counts(2333371, 3729310, 8000, 4, 218911, 128871, 47904, 512000) << saving << 3212.8;
    QTest::newRow("realistic 1000x1 window")
        << counts(81046, 139179, 1000, 1, 6189, 8619, 5912, 64000) << editing << 185.1;
    QTest::newRow("a lyric on every note, 4000x4 pages")
        << counts(656037, 1216031, 4000, 4, 64000, 64000, 64000, 256000) << pages << 547.0;
    QTest::newRow("dense 1000x4 window")
        << counts(267350, 515848, 1000, 4, 23275, 21654, 21654, 64000) << editing << 424.5;
    QTest::newRow("piano, last measure 4000 times more, window")
        << counts(1308386, 1984638, 4001, 1, 108027, 12003, 0, 256064) << editing << 1355.1;
    QTest::newRow("quartet copied to 8000 measures, MusicXML")
        << counts(1684021, 3436068, 8000, 4, 224000, 0, 0, 512000) << saving << 2155.7;
    QTest::newRow("6000 measures of 64 whole notes, pages")
        << counts(42010, 36017, 6000, 1, 6000, 0, 0, 24576000) << pages << 4094.0;
    QTest::newRow("200000 one-rest measures, MusicXML")
        << counts(1000013, 400019, 200000, 1, 200000, 0, 0, 12800000) << saving << 4593.8;
}

void TestMemoryLimits::estimateHoldsMeasuredPeaks()
{
    QFETCH(LayoutCost::Estimate, counts);
    QFETCH(int, path);
    QFETCH(double, peak);

    const double estimate =
        double(counts.bytes(LayoutCost::Path(path))) / double(MemoryBudget::mebibyte);
    QVERIFY2(estimate >= peak && estimate <= 1.3 * peak,
             qPrintable(QStringLiteral("estimate %1 MB, peak %2 MB").arg(estimate).arg(peak)));
}

// The renderer holds a score to the estimate of what it keeps: drawing
// pages lets the document go, a MusicXML export keeps it. Each estimate is
// at or above the run's own peak, and within 1.3 times it; a budget
// between the two lets the pages through and refuses the export.
void TestMemoryLimits::rendererEstimatesWhatItKeeps()
{
    if (VELMORA_UNDER_SANITIZER)
        QSKIP("the sanitizer's own memory is no part of the estimate");
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("lyrics.musicxml"));
    QVERIFY(writeFile(input, quarterNotes(1000)));
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const QString musicXml = dir.filePath(QStringLiteral("out.musicxml"));
    const QStringList unset{QStringLiteral("VELMORA_MEMORY_LIMIT_MB=")};

    double estimates[2] = {};
    const QStringList outputs[2] = {{QStringLiteral("--pdf"), pdf},
                                    {QStringLiteral("--musicxml"), musicXml}};
    for (int i = 0; i < 2; ++i) {
        const Run run = render(QStringList{input} + outputs[i], 0, unset);
        QVERIFY2(!run.crashed && run.exitCode == 0, qPrintable(run.err));
        estimates[i] = printedMegabytes(run.out, QStringLiteral("estimated memory"));
        const double peak = printedMegabytes(run.out, QStringLiteral("peak memory"));
        QVERIFY2(peak > 0 && estimates[i] >= peak && estimates[i] <= 1.3 * peak,
                 qPrintable(QStringLiteral("%1: estimate %2 MB, peak %3 MB")
                                .arg(outputs[i].first())
                                .arg(estimates[i])
                                .arg(peak)));
    }
    QVERIFY2(estimates[0] < 280 && estimates[1] > 280,
             qPrintable(QStringLiteral("%1 MB, %2 MB").arg(estimates[0]).arg(estimates[1])));
    QFile::remove(pdf);
    const QStringList budget{QStringLiteral("VELMORA_MEMORY_LIMIT_MB=280")};
    const Run pages = render({input, QStringLiteral("--pdf"), pdf}, 0, budget);
    QVERIFY2(pages.exitCode == 0 && QFileInfo::exists(pdf), qPrintable(pages.err));
    const Run saving = render({input, QStringLiteral("--musicxml"), musicXml}, 0, budget);
    QCOMPARE(saving.exitCode, 1);
    QVERIFY2(saving.err.contains(QLatin1String("It is too large to lay out.")),
             qPrintable(saving.err));
}

VELMORA_TEST_MAIN(TestMemoryLimits)

} // namespace tst_memory_limits

#include "tst_memory_limits.moc"
