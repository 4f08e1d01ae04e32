// SVG and PDF export: file names, page counts, atomic writes and reported
// write failures, checked on the files the export writes.
#include "app/version.h"
#include "document/safewrite.h"
#include "document/scorexmlmode.h"
#include "model/page.h"
#include "model/score.h"
#include "support/failingwrites.h"
#include "support/pdftools.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <csignal>
#include <sys/resource.h>

namespace tst_export {

namespace {

const char *const corpusFile = "corpus/lilypond-musicxml-testsuite/01a-Pitches-Pitches.xml";

std::unique_ptr<Score> loadedScore()
{
    auto score = std::make_unique<Score>(QString::fromLatin1(Velmora::programVersion), 1, false);
    if (!TestSupport::loadScoreFile(*score, TestSupport::fixturePath(corpusFile)))
        return nullptr;
    return score;
}

// A score of at least three B5 pages.
std::unique_ptr<Score> threePageScore()
{
    auto score = std::make_unique<Score>(QString::fromLatin1(Velmora::programVersion), 1, false);
    if (!TestSupport::loadScoreFile(
            *score, TestSupport::fixturePath(QStringLiteral("corpus/japanese/Echigo_Jishi.xml"))))
        return nullptr;
    score->page->paperSize = PaperB5;
    score->page->setPaperSize();
    score->beginExportState();
    const int pages = score->page->pageCount;
    score->endExportState();
    return pages >= 3 ? std::move(score) : nullptr;
}

QString songPage(int k)
{
    return QStringLiteral("song_p%1.svg").arg(k, 3, 10, QLatin1Char('0'));
}

// Every file of `dir` by name, with its bytes.
QMap<QString, QByteArray> filesIn(const QString &dir)
{
    QMap<QString, QByteArray> files;
    const QDir folder(dir);
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files.insert(name, file.readAll());
    }
    return files;
}

// A limit on the size of the files this process writes, for as long as it
// lives; the signal ignored lets a write fail with EFBIG instead.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_before);
        const rlimit limit{bytes, m_before.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_before{};
    void (*m_handler)(int) = nullptr;
};

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void init() { TestSupport::prompter().reset(); }
    void svgBaseName_data();
    void svgBaseName();
    void pdfHasOnePagePerSheet_data();
    void pdfHasOnePagePerSheet();
    void svgWritesOneFilePerSheet_data();
    void svgWritesOneFilePerSheet();
    void unwritableTargetIsReported();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
    void svgPagesAreReplacedTogether();
    void svgNeedsAFileName();
    void svgPageSetIsCheckedWhole_data();
    void svgPageSetIsCheckedWhole();
    void readOnlyFilesAreRefused();
    void shortWriteGivesTheSystemsReason();
};

void TestExport::svgBaseName_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("base");
    QTest::newRow("page suffix") << "/out/song_p3.svg"
                                 << "song";
    QTest::newRow("roll suffix") << "/out/song_roll.svg"
                                 << "song";
    QTest::newRow("_p inside the name stays") << "/out/my_piano.svg"
                                              << "my_piano";
    QTest::newRow("bare _p") << "/out/song_p.svg"
                             << "song";
    QTest::newRow("a dot inside the name stays") << "/out/a.b_p2.svg"
                                                 << "a.b";
    QTest::newRow("a space after a dot stays") << "/out/Op. 5.svg"
                                               << "Op. 5";
    QTest::newRow("no extension") << "/out/plain"
                                  << "plain";
}

void TestExport::svgBaseName()
{
    QFETCH(QString, path);
    QFETCH(QString, base);
    QCOMPARE(Score::svgExportBaseName(path), base);
}

void TestExport::pdfHasOnePagePerSheet_data()
{
    QTest::addColumn<int>("paperSize");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("spreads");
    QTest::newRow("A4 portrait, vertical") << int(PaperA4) << false << false;
    QTest::newRow("B5 portrait, horizontal") << int(PaperB5) << true << false;
    QTest::newRow("JIS B4 double sheet") << int(PaperJisB4DoubleJisB5) << false << true;
    QTest::newRow("A3 double sheet, horizontal") << int(PaperA3DoubleA4) << true << true;
}

void TestExport::pdfHasOnePagePerSheet()
{
    QFETCH(int, paperSize);
    QFETCH(bool, horizontal);
    QFETCH(bool, spreads);
    auto score = loadedScore();
    QVERIFY(score);
    score->page->paperSize = paperSize;
    score->page->horizontal = horizontal;
    score->page->setPaperSize();
    score->selectedMeasures = {0};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.pdf"));
    QVERIFY(score->exportPdfFile(path));
    const int pages = score->page->pageCount;
    QVERIFY(pages >= 1);
    QCOMPARE(TestSupport::pdfPageCount(path), spreads ? (pages + 1) / 2 : pages);
    // The screen state is back and the selection is gone.
    QVERIFY(score->page->screenDecorations);
    QVERIFY(!score->cleanOutput);
    QVERIFY(score->selectedMeasures.isEmpty());
    QVERIFY(TestSupport::prompter().prompts.isEmpty());
}

void TestExport::svgWritesOneFilePerSheet_data()
{
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<bool>("roll");
    QTest::newRow("pages") << "song_p3.svg" << false;
    QTest::newRow("roll") << "song_roll.svg" << true;
}

void TestExport::svgWritesOneFilePerSheet()
{
    QFETCH(QString, typedName);
    QFETCH(bool, roll);
    auto score = loadedScore();
    QVERIFY(score);
    score->page->paperSize = PaperA4;
    score->page->horizontal = true;
    score->page->roll = roll;
    score->page->setPaperSize();
    QTemporaryDir dir;
    QVERIFY(score->exportSvgFile(dir.filePath(typedName)));
    QStringList expected;
    if (roll) {
        expected << QStringLiteral("song_roll.svg");
    } else {
        for (int k = 1; k <= score->page->pageCount; ++k)
            expected << QStringLiteral("song_p%1.svg").arg(k, 3, 10, QLatin1Char('0'));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), expected);
    for (const QString &name : expected) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QDomDocument document;
        QVERIFY2(document.setContent(svg), qPrintable(name));
        QCOMPARE(document.documentElement().tagName(), QStringLiteral("svg"));
        // Glyphs are exported as vector paths, not as embedded bitmaps.
        QVERIFY2(svg.contains("<path"), qPrintable(name));
        QVERIFY2(!svg.contains("<image"), qPrintable(name));
    }
}

void TestExport::unwritableTargetIsReported()
{
    auto score = loadedScore();
    QVERIFY(score);
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("no/such/folder"));
    const QString pdf = missing + QStringLiteral("/out.pdf");
    QVERIFY(!score->exportPdfFile(pdf));
    QVERIFY(!score->exportSvgFile(missing + QStringLiteral("/out.svg")));
    const QStringList warnings = TestSupport::prompter().texts(QStringLiteral("warning"));
    QCOMPARE(warnings.size(), 2);
    QVERIFY2(warnings.at(0).startsWith(QStringLiteral("Can't write file (%1)!:\n").arg(pdf)),
             qPrintable(warnings.at(0)));
    QVERIFY2(warnings.at(1).startsWith(
                 QStringLiteral("Can't write file (%1)!:\n").arg(missing + "/out_p001.svg")),
             qPrintable(warnings.at(1)));
    // The export state is left even after a failure.
    QVERIFY(score->page->screenDecorations);
    QVERIFY(!score->cleanOutput);
}

void TestExport::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QString>("written");
    QTest::newRow("pdf") << "out.pdf"
                         << "out.pdf";
    QTest::newRow("svg") << "out.svg"
                         << "out_p001.svg";
}

// The disk fills up while the file is written: the export says so with the
// system's reason and the file of an earlier export stays whole.
void TestExport::failedWriteKeepsOldFile()
{
    QFETCH(QString, typedName);
    QFETCH(QString, written);
    auto score = loadedScore();
    QVERIFY(score);
    QTemporaryDir dir;
    const QString path = dir.filePath(written);
    const QByteArray old("old export\n");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    const bool pdf = typedName.endsWith(QLatin1String(".pdf"));
    {
        TestSupport::FailingWrites failing(QStringLiteral("No space left on device"));
        const QString typed = dir.filePath(typedName);
        QVERIFY(pdf ? !score->exportPdfFile(typed) : !score->exportSvgFile(typed));
        QCOMPARE(failing.paths, QStringList{path});
    }
    QCOMPARE(
        TestSupport::prompter().texts(),
        QStringList{QStringLiteral("Can't write file (%1)!:\nNo space left on device.").arg(path)});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{written});
    QVERIFY(score->page->screenDecorations);
    QVERIFY(!score->cleanOutput);
}

// A page that fails leaves every page of the earlier export as it was; an
// export that succeeds replaces them all and removes the earlier export's
// pages beyond its own, and nothing else.
void TestExport::svgPagesAreReplacedTogether()
{
    auto score = std::make_unique<Score>(QString::fromLatin1(Velmora::programVersion), 1, false);
    QVERIFY(TestSupport::loadScoreFile(
        *score, TestSupport::fixturePath(QStringLiteral("corpus/japanese/Echigo_Jishi.xml"))));
    score->page->paperSize = PaperB5;
    score->page->setPaperSize();
    QVERIFY(score->beginExportState());
    const int pages = score->page->pageCount;
    QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
    score->endExportState();

    QTemporaryDir dir;
    const QByteArray old("old export\n");
    const auto page = [](int k) {
        return QStringLiteral("song_p%1.svg").arg(k, 3, 10, QLatin1Char('0'));
    };
    QStringList others = {QStringLiteral("song_p001_notes.svg"), QStringLiteral("songs_p009.svg"),
                          QStringLiteral("song_roll.svg")};
    for (int k = 1; k <= pages + 2; ++k)
        others.append(page(k));
    for (const QString &name : std::as_const(others)) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    const QString typed = dir.filePath(QStringLiteral("song.svg"));
    {
        TestSupport::FailingWrites failing(QStringLiteral("No space left on device"), page(3));
        QVERIFY(!score->exportSvgFile(typed));
    }
    QCOMPARE(TestSupport::prompter().texts(),
             QStringList{QStringLiteral("Can't write file (%1)!:\nNo space left on device.")
                             .arg(dir.filePath(page(3)))});
    QStringList all = others;
    all.sort();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), all);
    for (const QString &name : std::as_const(all)) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
    }

    QVERIFY(score->exportSvgFile(typed));
    QStringList expected = {QStringLiteral("song_p001_notes.svg"), QStringLiteral("songs_p009.svg"),
                            QStringLiteral("song_roll.svg")};
    for (int k = 1; k <= pages; ++k)
        expected.append(page(k));
    expected.sort();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
    QFile first(dir.filePath(page(1)));
    QVERIFY(first.open(QIODevice::ReadOnly));
    QVERIFY(first.readAll().contains("<svg"));
    QVERIFY(first.permissions() & QFileDevice::ReadOther);
}

void TestExport::svgNeedsAFileName()
{
    auto score = loadedScore();
    QVERIFY(score);
    QTemporaryDir dir;
    QVERIFY(!score->exportSvgFile(dir.path() + QLatin1Char('/')));
    const QStringList warnings = TestSupport::prompter().texts(QStringLiteral("warning"));
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().contains(QLatin1String("needs a file name")),
             qPrintable(warnings.first()));
    QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void TestExport::svgPageSetIsCheckedWhole_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reason");
    QTest::newRow("read-only page 2") << "read-only"
                                      << "Existing file %1 is not writable";
    QTest::newRow("folder named like page 3") << "folder"
                                              << "Filename refers to a directory";
    // The folder comes while the pages are written: the set is looked at
    // again before any page is replaced.
    QTest::newRow("folder made while the pages are written") << "late folder"
                                                             << "Filename refers to a directory";
    // Pages 1 and 2 are replaced already when page 3 fails: they are put
    // back.
    QTest::newRow("page 3 fails to take its place") << "late failure"
                                                    << "No space left on device";
}

// A page that may not or cannot be replaced refuses the export with one
// message naming it, and leaves every page of the earlier export as it was.
void TestExport::svgPageSetIsCheckedWhole()
{
    QFETCH(QString, fault);
    QFETCH(QString, reason);
    auto score = threePageScore();
    QVERIFY(score);
    QTemporaryDir dir;
    for (int k = 1; k <= score->page->pageCount; ++k) {
        QFile file(dir.filePath(songPage(k)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old page " + QByteArray::number(k));
    }
    const int failing = fault == QLatin1String("read-only") ? 2 : 3;
    const QString first = dir.filePath(songPage(1));
    const QString failingPath = dir.filePath(songPage(failing));
    if (fault == QLatin1String("read-only")) {
        QVERIFY(QFile::setPermissions(failingPath, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                       QFileDevice::ReadOther));
    } else if (fault == QLatin1String("folder")) {
        QVERIFY(QFile::remove(failingPath));
        QVERIFY(QDir().mkdir(failingPath));
    }
    QMap<QString, QByteArray> before = filesIn(dir.path());
    TestSupport::prompter().reset();
    if (fault == QLatin1String("late folder")) {
        SafeWrite::setFaultHook([&](const QString &path) {
            if (path == failingPath) {
                QFile::remove(failingPath);
                QDir().mkdir(failingPath);
            }
            return QString();
        });
    }
    // Page 1 is new on disk when page 3 fails.
    bool firstReplaced = false;
    if (fault == QLatin1String("late failure")) {
        SafeWrite::setReplaceFaultHook([&](const QString &path) {
            if (path != failingPath)
                return QString();
            QFile page(first);
            firstReplaced = page.open(QIODevice::ReadOnly) && page.readAll().contains("<svg");
            return QStringLiteral("No space left on device");
        });
    }
    const bool written = score->exportSvgFile(dir.filePath(QStringLiteral("song.svg")));
    SafeWrite::setFaultHook({});
    SafeWrite::setReplaceFaultHook({});
    QCOMPARE(firstReplaced, fault == QLatin1String("late failure"));
    QVERIFY(!written);
    const QStringList warnings = TestSupport::prompter().texts();
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(
        warnings.first(),
        QStringLiteral("Can't write file (%1)!:\n%2.").arg(failingPath, reason.arg(failingPath)));
    // The test's hook made page 3 a folder.
    if (fault == QLatin1String("late folder"))
        before.remove(songPage(3));
    const QMap<QString, QByteArray> after = filesIn(dir.path());
    QCOMPARE(after.keys(), before.keys());
    for (auto it = before.begin(); it != before.end(); ++it)
        QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key() + " changed"));
}

// A read-only file is refused by every export and by saving, with the
// same words, however mighty the user.
void TestExport::readOnlyFilesAreRefused()
{
    auto score = loadedScore();
    QVERIFY(score);
    QTemporaryDir dir;
    const QStringList names{"out.pdf", "out_p001.svg", "out.tnsx", "out.musicxml"};
    for (const QString &name : names) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("kept\n");
        file.close();
        QVERIFY(file.setPermissions(QFileDevice::ReadOwner));
    }
    QVERIFY(!score->exportPdfFile(dir.filePath(names.at(0))));
    QVERIFY(!score->exportSvgFile(dir.filePath(QStringLiteral("out.svg"))));
    QVERIFY(!score->saveFileAs(dir.filePath(names.at(2))));
    QVERIFY(!score->exportMusicXMLFile(dir.filePath(names.at(3)), ScoreXmlMode::PlainMusicXml));
    const QStringList warnings = TestSupport::prompter().texts(QStringLiteral("warning"));
    QCOMPARE(warnings.size(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        const QString path = dir.filePath(names.at(i));
        QCOMPARE(
            warnings.at(i),
            QStringLiteral("Can't write file (%1)!:\nExisting file %1 is not writable.").arg(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("kept\n"));
    }
}

// A page that reaches the disk only in part fails with the system's reason.
void TestExport::shortWriteGivesTheSystemsReason()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page_p001.svg"));
    QString error;
    {
        const FileSizeLimit limit(4096);
        SafeWrite::FileSet pages;
        QVERIFY(!pages.add(path, QByteArray(10000, 'x'), error));
    }
    QCOMPARE(error, QStringLiteral("File too large"));
    QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

VELMORA_TEST_MAIN(TestExport)

} // namespace tst_export
#include "tst_export.moc"
