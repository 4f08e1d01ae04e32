// velmora-render run as a child process: its outputs are the program's own
// (PDF, SVG, score file, MusicXML), its options set every part's notation
// style and the writing direction, and bad input gives the program's
// message and exit status 1.
#include "support/pdftools.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int exitCode = -1;
    bool crashed = true;
    QString out;
    QString err;
};

Run render(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(VELMORA_RENDER_TOOL), arguments);
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

} // namespace

class TestRenderTool : public QObject
{
    Q_OBJECT

private slots:
    void writesEveryOutputOfTheSample();
    void optionsSetStyleOfEveryPartAndDirection_data();
    void optionsSetStyleOfEveryPartAndDirection();
    void badInputGivesTheMessageAndStatusOne_data();
    void badInputGivesTheMessageAndStatusOne();
    void badCommandLineIsRefused_data();
    void badCommandLineIsRefused();
};

void TestRenderTool::writesEveryOutputOfTheSample()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sakura.pdf"));
    const QString tnsx = dir.filePath(QStringLiteral("sakura.tnsx"));
    const QString xml = dir.filePath(QStringLiteral("plain.musicxml"));
    const Run run = render({sample(), QStringLiteral("--pdf"), pdf, QStringLiteral("--svg"),
                            dir.filePath(QStringLiteral("sakura.svg")), QStringLiteral("--tnsx"),
                            tnsx, QStringLiteral("--musicxml"), xml});
    QVERIFY2(!run.crashed && run.exitCode == 0, qPrintable(run.err));
    for (const char *phase : {"load", "regenerate", "pdf", "svg", "tnsx", "musicxml"}) {
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
    QTest::newRow("both directions")
        << QStringList{sample(), QStringLiteral("--vertical"), QStringLiteral("--horizontal")}
        << "exclude";
    QTest::newRow("missing value")
        << QStringList{sample(), QStringLiteral("--pdf")} << "--pdf needs a value";
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

VELMORA_TEST_MAIN(TestRenderTool)
#include "tst_render_tool.moc"
