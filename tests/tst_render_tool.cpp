// velmora-render run as a child process: its outputs are the program's own
// (PDF, SVG, score file, MusicXML plain and with note names), its options
// set every part's notation style and the writing direction, bad input
// gives the program's message and exit status 1, and so does an output
// that a full disk or a file-size limit cuts short, which keeps the old
// file whole. Input names need not be UTF-8.
#include "support/pdftools.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>

namespace tst_render_tool {

namespace {

struct Run
{
    int exitCode = -1;
    bool crashed = true;
    QString out;
    QString err;
};

// Runs `program` (the renderer by default); `inChild` runs in the child
// just before the program starts.
Run render(const QStringList &arguments, const std::function<void()> &inChild = {},
           const QString &program = TestSupport::renderToolPath())
{
    QProcess process;
    if (inChild)
        process.setChildProcessModifier(inChild);
    process.start(program, arguments);
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

QString sample()
{
    return TestSupport::samplePath();
}

int reportedPages(const QString &out)
{
    static const QRegularExpression pages(QStringLiteral("^pages: (\\d+)$"),
                                          QRegularExpression::MultilineOption);
    const auto match = pages.match(out);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QDomDocument readXml(const QString &path)
{
    QDomDocument document;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        document.setContent(&file);
    return document;
}

QString writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The size in points of a PDF's first page; empty when pdfinfo can't tell.
QSizeF pdfPageSize(const QString &path)
{
    static const QRegularExpression size(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                                         QRegularExpression::MultilineOption);
    const auto match = size.match(TestSupport::runTool(QStringLiteral("pdfinfo"), {path}));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble())
                            : QSizeF();
}

int countOf(const QByteArray &text, const char *what)
{
    return text.count(what);
}

// A small tmpfs mounted for one test, unmounted when it goes.
class SmallTmpfs
{
public:
    explicit SmallTmpfs(const QString &folder) : m_folder(QFile::encodeName(folder))
    {
        if (::mount("tmpfs", m_folder.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                    "size=256k,mode=0700") == 0)
            m_mounted = true;
        else
            m_error = QString::fromLocal8Bit(std::strerror(errno));
    }
    ~SmallTmpfs()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    SmallTmpfs(const SmallTmpfs &) = delete;
    SmallTmpfs &operator=(const SmallTmpfs &) = delete;
    bool mounted() const { return m_mounted; }
    QString error() const { return m_error; }

private:
    QByteArray m_folder;
    bool m_mounted = false;
    QString m_error;
};

// Takes every free block of the file system that holds `path`.
bool fillUp(const QString &path)
{
    QFile filler(path);
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, 'f');
    // The tmpfs holds 64 blocks; the bound only guards a mount gone wrong.
    for (int i = 0; i < 1024; ++i) {
        if (filler.write(block) != block.size())
            return filler.error() != QFileDevice::NoError;
    }
    return false;
}

} // namespace

class TestRenderTool : public QObject
{
    Q_OBJECT

private slots:
    void writesEveryOutputOfTheSample();
    void optionsSetStyleOfEveryPartAndDirection_data();
    void optionsSetStyleOfEveryPartAndDirection();
    void styleListSetsThePartsInOrder();
    void badInputGivesTheMessageAndStatusOne_data();
    void badInputGivesTheMessageAndStatusOne();
    void badCommandLineIsRefused_data();
    void badCommandLineIsRefused();
    void cutShortOutputsKeepOldFiles_data();
    void cutShortOutputsKeepOldFiles();
    void inputNameNeedNotBeUtf8();
    void rollIsOneLongPage_data();
    void rollIsOneLongPage();
    void regeneratesAgainAfterTheOutputs();
    void thenRendersTheLoadedScoreAgain();
    void pagesAloneDrawAsWithTheDocumentKept();
};

void TestRenderTool::writesEveryOutputOfTheSample()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sakura.pdf"));
    const QString tnsx = dir.filePath(QStringLiteral("sakura.tnsx"));
    const QString xml = dir.filePath(QStringLiteral("plain.musicxml"));
    const QString named = dir.filePath(QStringLiteral("named.musicxml"));
    const Run run =
        render({sample(), QStringLiteral("--pdf"), pdf, QStringLiteral("--svg"),
                dir.filePath(QStringLiteral("sakura.svg")), QStringLiteral("--tnsx"), tnsx,
                QStringLiteral("--musicxml"), xml, QStringLiteral("--musicxml-note-names"), named});
    QVERIFY2(!run.crashed && run.exitCode == 0, qPrintable(run.err));
    for (const char *phase :
         {"load", "regenerate", "pdf", "svg", "tnsx", "musicxml", "musicxml-note-names"}) {
        const QRegularExpression line(
            QStringLiteral("^%1: \\d+\\.\\d ms \\(cpu \\d+\\.\\d ms\\)$").arg(phase),
            QRegularExpression::MultilineOption);
        QVERIFY2(line.match(run.out).hasMatch(), qPrintable(run.out));
    }
    const int pages = reportedPages(run.out);
    QVERIFY(pages >= 1);

    // The default sheet is a double sheet: one PDF page and one SVG file
    // per spread of two pages.
    const int spreads = (pages + 1) / 2;
    QCOMPARE(TestSupport::pdfPageCount(pdf), spreads);
    const QString text =
        TestSupport::runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY2(text.contains(QLatin1String("Produced by Velmora version 5.3.1 on")),
             qPrintable(text));
    const QStringList svgs = QDir(dir.path()).entryList({QStringLiteral("*.svg")}, QDir::Files);
    QCOMPARE(svgs.size(), spreads);
    QCOMPARE(svgs.first(), QStringLiteral("sakura_p001.svg"));

    // The score file is the program's own and loads again; the MusicXML
    // carries none of the program's elements.
    QVERIFY(!readXml(tnsx).elementsByTagName(QStringLiteral("tarn-page")).isEmpty());
    const QDomDocument plain = readXml(xml);
    QCOMPARE(plain.documentElement().tagName(), QStringLiteral("score-partwise"));
    QVERIFY(!plain.toString().contains(QLatin1String("<tarn-")));
    // The note names come on top of the sung text, in the staff lyric font.
    const QByteArray withNames = readBytes(named);
    QVERIFY(!withNames.contains("<tarn-"));
    QVERIFY(countOf(withNames, "<lyric") > countOf(readBytes(xml), "<lyric"));
    QVERIFY(withNames.contains("VelmoraStaff"));
    const Run again = render({tnsx, QStringLiteral("--pdf"), dir.filePath("again.pdf")});
    QVERIFY2(!again.crashed && again.exitCode == 0, qPrintable(again.err));
    QCOMPARE(reportedPages(again.out), pages);
}

void TestRenderTool::optionsSetStyleOfEveryPartAndDirection_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("direction");
    QTest::addColumn<QString>("styleName");
    QTest::addColumn<QString>("fontName");
    QTest::addColumn<bool>("ikutaLines");
    QTest::newRow("koto Ikuta, horizontal") << 5 << "--horizontal"
                                            << "KotoIkuta"
                                            << "Koto_Brush" << true;
    QTest::newRow("staff notation, vertical") << 12 << "--vertical"
                                              << "StaffNotation"
                                              << "Staff_Notation" << false;
    QTest::newRow("Kinko, horizontal") << 1 << "--horizontal"
                                       << "KinkoTrad"
                                       << "Kinko_Brush" << false;
}

void TestRenderTool::optionsSetStyleOfEveryPartAndDirection()
{
    QFETCH(int, style);
    QFETCH(QString, direction);
    QFETCH(QString, styleName);
    QFETCH(QString, fontName);
    QFETCH(bool, ikutaLines);
    QTemporaryDir dir;
    const QString tnsx = dir.filePath(QStringLiteral("out.tnsx"));
    // Two parts, one of them Ikuta koto with its lines on before the change.
    const Run run = render({TestSupport::fixturePath(QStringLiteral(
                                "corpus/lilypond-musicxml-testsuite/41a-MultiParts-Partorder.xml")),
                            QStringLiteral("--style"), QString::number(style), direction,
                            QStringLiteral("--tnsx"), tnsx});
    QVERIFY2(!run.crashed && run.exitCode == 0, qPrintable(run.err));
    const QDomDocument document = readXml(tnsx);
    const QDomNodeList parts = document.elementsByTagName(QStringLiteral("tarn-part"));
    QVERIFY(parts.size() >= 2);
    for (int i = 0; i < parts.size(); ++i) {
        const QDomElement part = parts.at(i).toElement();
        auto field = [&](const char *tag) {
            return part.firstChildElement(QLatin1String(tag)).text();
        };
        QCOMPARE(field("notation-style"), styleName);
        QCOMPARE(field("note-font-name"), fontName);
        const QString lines = ikutaLines ? QStringLiteral("true") : QStringLiteral("false");
        QCOMPARE(field("boundary-right-top"), lines);
        QCOMPARE(field("boundary-left-bottom"), lines);
        QCOMPARE(field("time-ticks"), lines);
        QCOMPARE(field("time-ticks-16th"), QStringLiteral("false"));
    }
    const QDomElement page =
        document.elementsByTagName(QStringLiteral("tarn-page")).at(0).toElement();
    QCOMPARE(page.firstChildElement(QStringLiteral("horizontal")).text(),
             direction == QLatin1String("--horizontal") ? QStringLiteral("true")
                                                        : QStringLiteral("false"));
}

// A list of styles sets the parts in order; the last one also every part
// after it (a staff part above a traditional part, as in a sample score).
void TestRenderTool::styleListSetsThePartsInOrder()
{
    QTemporaryDir dir;
    const QString tnsx = dir.filePath(QStringLiteral("out.tnsx"));
    const QString input = TestSupport::fixturePath(
        QStringLiteral("corpus/lilypond-musicxml-testsuite/41a-MultiParts-Partorder.xml"));
    const Run run = render(
        {input, QStringLiteral("--style"), QStringLiteral("12,5"), QStringLiteral("--tnsx"), tnsx});
    QVERIFY2(!run.crashed && run.exitCode == 0, qPrintable(run.err));
    const QDomNodeList parts = readXml(tnsx).elementsByTagName(QStringLiteral("tarn-part"));
    QVERIFY(parts.size() >= 3);
    for (int i = 0; i < parts.size(); ++i) {
        const QDomElement part = parts.at(i).toElement();
        QCOMPARE(part.firstChildElement(QStringLiteral("notation-style")).text(),
                 i == 0 ? QStringLiteral("StaffNotation") : QStringLiteral("KotoIkuta"));
        QCOMPARE(part.firstChildElement(QStringLiteral("note-font-name")).text(),
                 i == 0 ? QStringLiteral("Staff_Notation") : QStringLiteral("Koto_Brush"));
    }
}

void TestRenderTool::badInputGivesTheMessageAndStatusOne_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << "missing.musicxml" << QByteArray() << "Can't read file (";
    QTest::newRow("not XML") << "broken.musicxml" << QByteArray("<score-partwise><part>")
                             << "The file is not XML";
    QTest::newRow("not a partwise score")
        << "timewise.xml" << QByteArray("<?xml version=\"1.0\"?><score-timewise/>")
        << "score-partwise";
    QTest::newRow("broken score file")
        << "broken.tnsx" << QByteArray("not xml at all") << "The file is not XML";
}

void TestRenderTool::badInputGivesTheMessageAndStatusOne()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QString input = dir.filePath(name);
    if (!content.isEmpty())
        writeFile(input, content);
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const Run run = render({input, QStringLiteral("--pdf"), pdf});
    QVERIFY(!run.crashed);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(!run.out.contains(QLatin1String("regenerate:")));
}

void TestRenderTool::badCommandLineIsRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("no input") << QStringList{QStringLiteral("--pdf"), QStringLiteral("x.pdf")}
                              << "no input file";
    QTest::newRow("style out of range")
        << QStringList{sample(), QStringLiteral("--style"), QStringLiteral("14")} << "--style";
    QTest::newRow("style not a number")
        << QStringList{sample(), QStringLiteral("--style"), QStringLiteral("koto")} << "--style";
    QTest::newRow("style list with a gap")
        << QStringList{sample(), QStringLiteral("--style"), QStringLiteral("12,,5")} << "--style";
    QTest::newRow("style list out of range")
        << QStringList{sample(), QStringLiteral("--style"), QStringLiteral("12,14")} << "--style";
    QTest::newRow("both directions")
        << QStringList{sample(), QStringLiteral("--vertical"), QStringLiteral("--horizontal")}
        << "exclude";
    QTest::newRow("missing value")
        << QStringList{sample(), QStringLiteral("--pdf")} << "--pdf needs a value";
    QTest::newRow("no regenerations")
        << QStringList{sample(), QStringLiteral("--regenerate-again"), QStringLiteral("0")}
        << "--regenerate-again takes a count";
    QTest::newRow("style out of range after --then")
        << QStringList{sample(), QStringLiteral("--then"), QStringLiteral("--style"),
                       QStringLiteral("14")}
        << "--style";
    QTest::newRow("second input after --then")
        << QStringList{sample(), QStringLiteral("--then"), sample()} << "more than one input";
    QTest::newRow("unknown option")
        << QStringList{sample(), QStringLiteral("--png"), QStringLiteral("x")} << "unknown option";
}

void TestRenderTool::badCommandLineIsRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run run = render(arguments);
    QVERIFY(!run.crashed);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.err.contains(QLatin1String("usage: velmora-render INPUT")));
    QVERIFY(run.out.isEmpty());
}

void TestRenderTool::cutShortOutputsKeepOldFiles_data()
{
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QString>("reason");
    QTest::newRow("file-size limit") << false << "File too large";
    QTest::newRow("full tmpfs") << true << "No space left on device";
}

// Every output fails part way for real: the tool names each file with the
// system's reason, exits 1, and every file of an earlier run stays whole.
void TestRenderTool::cutShortOutputsKeepOldFiles()
{
    QFETCH(bool, fullDisk);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QString folder = dir.path();
    std::unique_ptr<SmallTmpfs> tmpfs;
    if (fullDisk) {
        folder = dir.filePath(QStringLiteral("mnt"));
        QVERIFY(QDir().mkpath(folder));
        tmpfs = std::make_unique<SmallTmpfs>(folder);
        if (!tmpfs->mounted())
            QSKIP(qPrintable(QStringLiteral("no tmpfs can be mounted here (%1); the file-size "
                                            "limit stands for the full disk")
                                 .arg(tmpfs->error())));
    }
    const QStringList options{"--tnsx", "--musicxml", "--musicxml-note-names", "--pdf", "--svg"};
    const QStringList names{"old.tnsx", "old.musicxml", "named.musicxml", "old.pdf",
                            "old_p001.svg"};
    QStringList arguments{sample()};
    for (int i = 0; i < names.size(); ++i) {
        const QString path = QDir(folder).filePath(names.at(i));
        writeFile(path, "old " + names.at(i).toUtf8());
        arguments << options.at(i) << path;
    }
    std::function<void()> limit;
    if (fullDisk) {
        QVERIFY(fillUp(QDir(folder).filePath(QStringLiteral("filler"))));
    } else {
        // Ignored, the signal lets the write fail with EFBIG instead of
        // ending the process; the limit is far below any output's size.
        limit = [] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit size{1024, 1024};
            ::setrlimit(RLIMIT_FSIZE, &size);
        };
    }
    const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);

    const Run run = render(arguments, limit);
    QVERIFY(!run.crashed);
    QCOMPARE(run.exitCode, 1);
    for (const QString &name : names) {
        const QString path = QDir(folder).filePath(name);
        const QString message = QStringLiteral("Can't write file (%1)!:\n%2.").arg(path, reason);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(readBytes(path), "old " + name.toUtf8());
    }
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), before);
    for (const char *phase : {"tnsx", "musicxml", "musicxml-note-names", "pdf", "svg"}) {
        const QRegularExpression failed(QStringLiteral("^%1: .* \\(failed\\)$").arg(phase),
                                        QRegularExpression::MultilineOption);
        QVERIFY2(failed.match(run.out).hasMatch(), qPrintable(run.out));
    }
}

// Names are bytes: one that is not UTF-8 still opens as an input, while an
// output under such a name is refused rather than written elsewhere.
void TestRenderTool::inputNameNeedNotBeUtf8()
{
    QTemporaryDir dir;
    const QByteArray rawInput = QFile::encodeName(dir.path()) + "/sakura-\xe9.musicxml";
    // QTemporaryDir cannot name such a file to remove it.
    struct Unlink
    {
        QByteArray path;
        ~Unlink() { ::unlink(path.constData()); }
    } removeInput{rawInput};
    {
        const QByteArray content = readBytes(sample());
        const int fd = ::open(rawInput.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, content.constData(), size_t(content.size())), ssize_t(content.size()));
        ::close(fd);
    }
    // The raw bytes reach the tool through the shell's printf, as no
    // string argument of QProcess could carry them.
    const QString script = QStringLiteral("exec \"$0\" \"$(printf \"$1\")\" --tnsx \"$2\"");
    auto run = [&](const QString &input, const QString &output) {
        return render({QStringLiteral("-c"), script, TestSupport::renderToolPath(), input, output},
                      {}, QStringLiteral("/bin/sh"));
    };
    const QString tnsx = dir.filePath(QStringLiteral("out.tnsx"));
    const Run opened = run(dir.path() + QStringLiteral("/sakura-\\351.musicxml"), tnsx);
    QVERIFY2(!opened.crashed && opened.exitCode == 0, qPrintable(opened.err));
    QVERIFY(readBytes(tnsx).contains("<tarn-page>"));

    const Run missing = run(dir.path() + QStringLiteral("/missing-\\351.musicxml"), tnsx);
    QCOMPARE(missing.exitCode, 1);
    QVERIFY2(missing.err.contains(QLatin1String("Can't read file (")), qPrintable(missing.err));
    QVERIFY2(missing.err.contains(QLatin1String("No such file or directory")),
             qPrintable(missing.err));

    const QString rawOutput = dir.path() + QStringLiteral("/out-\\351.tnsx");
    const Run refused = render({QStringLiteral("-c"),
                                QStringLiteral("exec \"$0\" \"$1\" --tnsx \"$(printf \"$2\")\""),
                                TestSupport::renderToolPath(), sample(), rawOutput},
                               {}, QStringLiteral("/bin/sh"));
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(refused.err.contains(QLatin1String("must be UTF-8")), qPrintable(refused.err));
    const QByteArray rawOutputBytes = QFile::encodeName(dir.path()) + "/out-\xe9.tnsx";
    QVERIFY(::access(rawOutputBytes.constData(), F_OK) != 0);
}

void TestRenderTool::rollIsOneLongPage_data()
{
    QTest::addColumn<QString>("direction");
    QTest::newRow("horizontal: pages stacked downwards") << "--horizontal";
    QTest::newRow("vertical: pages side by side") << "--vertical";
}

// The page roll draws the whole score on one sheet: one PDF page and one
// SVG file "<base>_roll.svg", as long as the pages it replaces together.
void TestRenderTool::rollIsOneLongPage()
{
    QFETCH(QString, direction);
    QTemporaryDir dir;
    const QString input =
        TestSupport::fixturePath(QStringLiteral("corpus/japanese/Echigo_Jishi.xml"));
    const QString pages = dir.filePath(QStringLiteral("pages.pdf"));
    const Run paged = render({input, direction, QStringLiteral("--pdf"), pages});
    QVERIFY2(!paged.crashed && paged.exitCode == 0, qPrintable(paged.err));
    const int pageCount = reportedPages(paged.out);
    QVERIFY2(pageCount >= 2, qPrintable(paged.out));

    const QString roll = dir.filePath(QStringLiteral("roll.pdf"));
    const Run run =
        render({input, direction, QStringLiteral("--roll"), QStringLiteral("--pdf"), roll,
                QStringLiteral("--svg"), dir.filePath(QStringLiteral("echigo_p1.svg"))});
    QVERIFY2(!run.crashed && run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(reportedPages(run.out), pageCount);
    QCOMPARE(TestSupport::pdfPageCount(roll), 1);
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*.svg")}, QDir::Files),
             QStringList{QStringLiteral("echigo_roll.svg")});

    // The default sheet holds two pages side by side: a roll page is half
    // of it, and the roll is pageCount of them long.
    const QSizeF sheet = pdfPageSize(pages);
    const QSizeF rolled = pdfPageSize(roll);
    QVERIFY(!sheet.isEmpty() && !rolled.isEmpty());
    const QSizeF expected = direction == QLatin1String("--horizontal")
                                ? QSizeF(sheet.width() / 2, sheet.height() * pageCount)
                                : QSizeF(sheet.width() / 2 * pageCount, sheet.height());
    QVERIFY2(qAbs(rolled.width() - expected.width()) < 2.0 &&
                 qAbs(rolled.height() - expected.height()) < 2.0,
             qPrintable(QStringLiteral("%1 x %2").arg(rolled.width()).arg(rolled.height())));
    const QDomElement svg =
        readXml(dir.filePath(QStringLiteral("echigo_roll.svg"))).documentElement();
    const QStringList viewBox = svg.attribute(QStringLiteral("viewBox")).split(QLatin1Char(' '));
    QCOMPARE(viewBox.size(), 4);
    QVERIFY(qAbs(viewBox.at(2).toDouble() / viewBox.at(3).toDouble() -
                 expected.width() / expected.height()) < 0.01);
}

// The bench's figure for a regeneration after an edit: one timed line per
// regeneration asked, after outputs that are already whole.
void TestRenderTool::regeneratesAgainAfterTheOutputs()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sakura.pdf"));
    const Run run =
        render({sample(), QStringLiteral("--pdf"), pdf, QStringLiteral("--regenerate-again"), "3"});
    QVERIFY2(!run.crashed && run.exitCode == 0, qPrintable(run.err));
    static const QRegularExpression again(
        QStringLiteral("^regenerate again: \\d+\\.\\d ms \\(cpu \\d+\\.\\d ms\\)$"),
        QRegularExpression::MultilineOption);
    int regenerations = 0;
    for (auto it = again.globalMatch(run.out); it.hasNext(); it.next())
        ++regenerations;
    QCOMPARE(regenerations, 3);
    QVERIFY(run.out.indexOf(QLatin1String("pdf:")) <
            run.out.indexOf(QLatin1String("regenerate again:")));
    QCOMPARE(TestSupport::pdfPageCount(pdf), 1);
}

// One load, two renders: each "--then" applies its own style and direction
// and writes its own outputs, and each render reports its pages.
void TestRenderTool::thenRendersTheLoadedScoreAgain()
{
    QTemporaryDir dir;
    const QString input = TestSupport::fixturePath(
        QStringLiteral("corpus/lilypond-musicxml-testsuite/41a-MultiParts-Partorder.xml"));
    const QString firstPdf = dir.filePath(QStringLiteral("first.pdf"));
    const QString firstTnsx = dir.filePath(QStringLiteral("first.tnsx"));
    const QString secondPdf = dir.filePath(QStringLiteral("second.pdf"));
    const QString secondTnsx = dir.filePath(QStringLiteral("second.tnsx"));
    const Run run =
        render({input, QStringLiteral("--style"), QStringLiteral("5"),
                QStringLiteral("--horizontal"), QStringLiteral("--pdf"), firstPdf,
                QStringLiteral("--tnsx"), firstTnsx, QStringLiteral("--then"),
                QStringLiteral("--style"), QStringLiteral("12"), QStringLiteral("--vertical"),
                QStringLiteral("--pdf"), secondPdf, QStringLiteral("--tnsx"), secondTnsx});
    QVERIFY2(!run.crashed && run.exitCode == 0, qPrintable(run.err));
    QCOMPARE(run.out.count(QLatin1String("\npages: ")), 2);
    QCOMPARE(run.out.count(QLatin1String("load:")), 1);
    struct Expected
    {
        QString tnsx;
        QString pdf;
        QString style;
        QString horizontal;
    };
    const QList<Expected> renders{
        {firstTnsx, firstPdf, QStringLiteral("KotoIkuta"), QStringLiteral("true")},
        {secondTnsx, secondPdf, QStringLiteral("StaffNotation"), QStringLiteral("false")}};
    for (const Expected &expected : renders) {
        const QDomDocument document = readXml(expected.tnsx);
        const QDomNodeList parts = document.elementsByTagName(QStringLiteral("tarn-part"));
        QVERIFY(parts.size() >= 2);
        for (int i = 0; i < parts.size(); ++i)
            QCOMPARE(parts.at(i).firstChildElement(QStringLiteral("notation-style")).text(),
                     expected.style);
        QCOMPARE(document.elementsByTagName(QStringLiteral("tarn-page"))
                     .at(0)
                     .firstChildElement(QStringLiteral("horizontal"))
                     .text(),
                 expected.horizontal);
        QVERIFY(TestSupport::pdfPageCount(expected.pdf) >= 1);
    }
}

// A render that only draws pages lets go of the document after the load:
// its pages are those of a render that keeps it for a score file, and a
// score file asked for only after "--then" is still written whole.
void TestRenderTool::pagesAloneDrawAsWithTheDocumentKept()
{
    QTemporaryDir dir;
    const QString input = TestSupport::fixturePath(QStringLiteral(
        "corpus/lilypond-musicxml-testsuite/46d-PickupMeasure-ImplicitMeasures.xml"));
    const QString pagesOnly = dir.filePath(QStringLiteral("released.svg"));
    const QString kept = dir.filePath(QStringLiteral("kept.svg"));
    const QString beforeLate = dir.filePath(QStringLiteral("before-late.svg"));
    const QString late = dir.filePath(QStringLiteral("late.tnsx"));
    const QString direct = dir.filePath(QStringLiteral("direct.tnsx"));
    // Only the first run writes nothing but pages, so only it lets go.
    for (const QStringList &arguments :
         {QStringList{input, QStringLiteral("--svg"), pagesOnly},
          QStringList{input, QStringLiteral("--svg"), kept, QStringLiteral("--tnsx"), direct},
          QStringList{input, QStringLiteral("--svg"), beforeLate, QStringLiteral("--then"),
                      QStringLiteral("--tnsx"), late}}) {
        const Run run = render(arguments);
        QVERIFY2(!run.crashed && run.exitCode == 0, qPrintable(run.err));
    }
    // The page footer and the score file carry the day they were written.
    static const QRegularExpression day(QStringLiteral("\\d{4}[-/]\\d{2}[-/]\\d{2}[^<\"]*"));
    const auto dayless = [](const QString &path) {
        return QString::fromUtf8(readBytes(path)).remove(day);
    };
    const QString keptPage = dayless(dir.filePath(QStringLiteral("kept_p001.svg")));
    QVERIFY(keptPage.contains(QLatin1String("<svg")));
    QCOMPARE(dayless(dir.filePath(QStringLiteral("released_p001.svg"))), keptPage);
    const QString directScore = dayless(direct);
    QVERIFY(directScore.count(QLatin1String("<note")) > 10);
    QCOMPARE(dayless(late), directScore);
}

VELMORA_TEST_MAIN(TestRenderTool)

} // namespace tst_render_tool
#include "tst_render_tool.moc"
