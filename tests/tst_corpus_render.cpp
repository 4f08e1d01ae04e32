// Every MusicXML file of the shared corpus rendered to PDF by velmora-render,
// in two notation styles and both writing directions, all files in
// parallel, each file a child process with a time limit that loads it once
// and renders it twice: a crash or a hang fails the file it happened on; a
// file the loader refuses passes when the refusal is the loader's own
// message.
#include "model/notefonts.h"
#include "support/testenvironment.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace tst_corpus_render {

namespace {

// Generous for files that render twice in well under a second, yet short
// enough that a hang is reported long before the test's own watchdog fires.
constexpr int jobTimeoutMs = 120000;

// One child process: a file loaded once and rendered in each of two
// styles, the second in the other writing direction.
struct Job
{
    QString file; // relative to the corpus folder
    int styles[2] = {0, 0};
};

struct Outcome
{
    enum Kind
    {
        Rendered,
        Refused,
        Failed
    };
    Kind kind = Failed;
    QString detail;
};

QString describe(const Job &job)
{
    return QStringLiteral("style %1 vertical, then style %2 horizontal")
        .arg(job.styles[0])
        .arg(job.styles[1]);
}

QString corpusRoot()
{
    return TestSupport::fixturePath(QStringLiteral("corpus"));
}

QStringList corpusFiles()
{
    QStringList files;
    QDirIterator it(
        corpusRoot(),
        {QStringLiteral("*.xml"), QStringLiteral("*.musicxml"), QStringLiteral("*.mxl")},
        QDir::Files, QDirIterator::Subdirectories);
    const QDir root(corpusRoot());
    while (it.hasNext())
        files.append(root.relativeFilePath(it.next()));
    files.sort();
    return files;
}

// The program's own message among the toolkit's start-up remarks.
QString promptOf(const QString &err)
{
    const qsizetype at = err.indexOf(QLatin1String("warning: "));
    return at >= 0 ? err.mid(at) : err;
}

bool isCompletePdf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 64)
        return false;
    const QByteArray head = file.read(5);
    file.seek(file.size() - 16);
    return head == "%PDF-" && file.read(16).contains("%%EOF");
}

// Runs the jobs, at most `parallel` at a time, each as its own process.
class JobRunner
{
public:
    JobRunner(const QList<Job> &jobs, const QString &outputDir) : m_jobs(jobs), m_dir(outputDir)
    {
        m_outcomes.resize(jobs.size());
    }

    QList<Outcome> run(int parallel)
    {
        QEventLoop loop;
        m_loop = &loop;
        for (int i = 0; i < parallel; ++i)
            startNext();
        if (m_running > 0)
            loop.exec();
        return m_outcomes;
    }

private:
    void startNext()
    {
        if (m_next >= m_jobs.size()) {
            if (m_running == 0)
                m_loop->quit();
            return;
        }
        const int index = m_next++;
        const Job &job = m_jobs.at(index);
        const QStringList pdfs{m_dir + QStringLiteral("/job%1a.pdf").arg(index),
                               m_dir + QStringLiteral("/job%1b.pdf").arg(index)};
        auto *process = new QProcess;
        process->setProgram(TestSupport::renderToolPath());
        process->setArguments({corpusRoot() + QLatin1Char('/') + job.file, QStringLiteral("--pdf"),
                               pdfs.at(0), QStringLiteral("--style"),
                               QString::number(job.styles[0]), QStringLiteral("--vertical"),
                               QStringLiteral("--then"), QStringLiteral("--pdf"), pdfs.at(1),
                               QStringLiteral("--style"), QString::number(job.styles[1]),
                               QStringLiteral("--horizontal")});
        auto timedOut = std::make_shared<bool>(false);
        auto *timer = new QTimer(process);
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, process, [process, timedOut] {
            *timedOut = true;
            process->kill();
        });
        QObject::connect(
            process, &QProcess::finished, process,
            [this, process, index, pdfs, timedOut](int exitCode, QProcess::ExitStatus status) {
                m_outcomes[index] = judge(process, exitCode, status, *timedOut, pdfs);
                for (const QString &pdf : pdfs)
                    QFile::remove(pdf);
                process->deleteLater();
                --m_running;
                startNext();
            });
        QObject::connect(process, &QProcess::errorOccurred, process,
                         [this, process, index](QProcess::ProcessError error) {
                             if (error != QProcess::FailedToStart)
                                 return;
                             m_outcomes[index] = {Outcome::Failed,
                                                  QStringLiteral("velmora-render did not start")};
                             process->deleteLater();
                             --m_running;
                             startNext();
                         });
        ++m_running;
        process->start();
        timer->start(jobTimeoutMs);
    }

    static Outcome judge(QProcess *process, int exitCode, QProcess::ExitStatus status,
                         bool timedOut, const QStringList &pdfs)
    {
        const QString out = QString::fromUtf8(process->readAllStandardOutput());
        const QString err = QString::fromUtf8(process->readAllStandardError()).trimmed();
        if (timedOut)
            return {Outcome::Failed,
                    QStringLiteral("did not finish within %1 s").arg(jobTimeoutMs / 1000)};
        if (status == QProcess::CrashExit)
            return {Outcome::Failed, QStringLiteral("crashed: %1\n%2").arg(err, out)};
        // A sanitizer's report ends the process with status 1 too.
        if (err.contains(QLatin1String("Sanitizer")) ||
            err.contains(QLatin1String("runtime error:")))
            return {Outcome::Failed, QStringLiteral("sanitizer report:\n%1").arg(err)};
        // Exit status 1 before any regeneration: the loader said no.
        if (exitCode == 1 && !out.contains(QLatin1String("regenerate:")))
            return {Outcome::Refused, promptOf(err)};
        if (exitCode != 0)
            return {Outcome::Failed,
                    QStringLiteral("exit status %1: %2\n%3").arg(exitCode).arg(err, out)};
        // Each render reports its pages and leaves a whole PDF.
        static const QRegularExpression pages(QStringLiteral("^pages: (\\d+)$"),
                                              QRegularExpression::MultilineOption);
        QList<int> pageCounts;
        for (auto it = pages.globalMatch(out); it.hasNext();)
            pageCounts.append(it.next().captured(1).toInt());
        if (pageCounts.size() != pdfs.size() ||
            *std::min_element(pageCounts.begin(), pageCounts.end()) < 1)
            return {Outcome::Failed,
                    QStringLiteral("not every render reported pages:\n%1").arg(out)};
        for (const QString &pdf : pdfs) {
            if (!isCompletePdf(pdf))
                return {Outcome::Failed, QStringLiteral("no complete PDF written")};
        }
        return {Outcome::Rendered, QString()};
    }

    QList<Job> m_jobs;
    QString m_dir;
    QList<Outcome> m_outcomes;
    QEventLoop *m_loop = nullptr;
    int m_next = 0;
    int m_running = 0;
};

} // namespace

class TestCorpusRender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fileRenders_data();
    void fileRenders();
    void everyStyleRendersTwentyFiles();

private:
    QList<Job> m_jobs;
    QList<Outcome> m_outcomes;
    QHash<QString, int> m_jobOfFile;
};

void TestCorpusRender::initTestCase()
{
    const QStringList files = corpusFiles();
    QVERIFY2(files.size() >= 100,
             qPrintable(QStringLiteral("corpus not found at ") + corpusRoot()));
    // Two renders per file: two styles a half-turn apart on the style wheel,
    // one in each writing direction, so every style meets every kind of file.
    const int n = int(files.size());
    for (int i = 0; i < n; ++i) {
        m_jobs.append(
            {files.at(i),
             {i % NotationStyle::count, (i + NotationStyle::count / 2) % NotationStyle::count}});
        m_jobOfFile.insert(files.at(i), i);
    }
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QElapsedTimer timer;
    timer.start();
    m_outcomes = JobRunner(m_jobs, dir.path()).run(qMax(2, QThread::idealThreadCount()));
    qInfo("%d renders of %d files in %.1f s", int(m_jobs.size()) * 2, int(files.size()),
          timer.elapsed() / 1000.0);
}

void TestCorpusRender::fileRenders_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &file : corpusFiles())
        QTest::newRow(qPrintable(file)) << file;
}

void TestCorpusRender::fileRenders()
{
    QFETCH(QString, file);
    const int index = m_jobOfFile.value(file, -1);
    QVERIFY(index >= 0);
    const Outcome &outcome = m_outcomes.at(index);
    if (outcome.kind == Outcome::Failed)
        QFAIL(qPrintable(
            QStringLiteral("%1 (%2): %3").arg(file, describe(m_jobs.at(index)), outcome.detail)));
    // A refusal is the program's own warning ("Can't load the score (...)"
    // or "Can't read file (...)!:"), naming the file, with a reason below.
    if (outcome.kind == Outcome::Refused) {
        const QString &refusal = outcome.detail;
        const QString heading = QStringLiteral("warning: Velmora: Can't ");
        QVERIFY2(refusal.startsWith(heading) && refusal.contains(file) &&
                     refusal.indexOf(QLatin1Char('\n')) > 0 &&
                     !refusal.section(QLatin1Char('\n'), 1).trimmed().isEmpty(),
                 qPrintable(file + QStringLiteral(": ") + refusal));
    }
}

void TestCorpusRender::everyStyleRendersTwentyFiles()
{
    QList<int> rendered(NotationStyle::count, 0);
    for (int i = 0; i < m_jobs.size(); ++i) {
        if (m_outcomes.at(i).kind != Outcome::Rendered)
            continue;
        for (int style : m_jobs.at(i).styles)
            ++rendered[style];
    }
    QStringList counts;
    for (int style = 0; style < NotationStyle::count; ++style)
        counts.append(QStringLiteral("%1: %2").arg(style).arg(rendered.at(style)));
    qInfo("files rendered per style: %s", qPrintable(counts.join(QStringLiteral(", "))));
    for (int style = 0; style < NotationStyle::count; ++style)
        QVERIFY2(
            rendered.at(style) >= 20,
            qPrintable(
                QStringLiteral("style %1 rendered %2 files").arg(style).arg(rendered.at(style))));
}

VELMORA_TEST_MAIN(TestCorpusRender)

} // namespace tst_corpus_render
#include "tst_corpus_render.moc"
