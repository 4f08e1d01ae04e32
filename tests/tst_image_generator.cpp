// The picture generator (tools/images): a run over the committed table
// writes exactly the committed pictures, and a table that names a font,
// glyph or pictogram that does not exist stops the run with a message
// naming it, writing nothing for that row.
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace tst_image_generator {

class TestImageGenerator : public QObject
{
    Q_OBJECT

private slots:
    void rerunWritesTheCommittedPictures();
    void badTableStopsTheRun_data();
    void badTableStopsTheRun();
};

namespace {

struct Run
{
    int exitCode = -1;
    QString err;
};

Run generate(const QString &table, const QString &output)
{
    QProcess process;
    process.start(TestSupport::imageGeneratorPath(),
                  {table, TestSupport::sourcePath(QStringLiteral("resources/notefonts")), output});
    Run run;
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestImageGenerator::rerunWritesTheCommittedPictures()
{
    QTemporaryDir output;
    const QString committed = TestSupport::sourcePath(QStringLiteral("resources/images"));
    // The window icon's PNG is drawn from the SVG beside it.
    QVERIFY(QFile::copy(committed + QStringLiteral("/VelmoraIcon.svg"),
                        output.filePath(QStringLiteral("VelmoraIcon.svg"))));
    const Run run = generate(TestSupport::sourcePath(QStringLiteral("tools/images/pictures.tsv")),
                             output.path());
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));

    const QStringList written = QDir(output.path()).entryList({"*.png"}, QDir::Files);
    QCOMPARE(written, QDir(committed).entryList({"*.png"}, QDir::Files));
    QStringList differing;
    for (const QString &name : written) {
        if (readAll(output.filePath(name)) != readAll(committed + QLatin1Char('/') + name))
            differing << name;
    }
    QVERIFY2(differing.isEmpty(),
             qPrintable(QStringLiteral("stale pictures (run tools/images/generate.sh): ") +
                        differing.join(QStringLiteral(", "))));
}

void TestImageGenerator::badTableStopsTheRun_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("tableRead"); // the rows before the bad one are drawn
    QTest::newRow("missing font") << QByteArray("Kesu\tCommon/Missing.svg\tKesu\n")
                                  << "cannot read the note font Common/Missing.svg" << true;
    QTest::newRow("missing glyph") << QByteArray("Kesu\tCommon/Basic.svg\tNoSuchGlyph\n")
                                   << "has no glyph \"NoSuchGlyph\"" << true;
    QTest::newRow("unknown pictogram") << QByteArray("Kesu\tpictogram\tno-such-drawing\n")
                                       << "no pictogram \"no-such-drawing\"" << true;
    QTest::newRow("missing drawing") << QByteArray("VelmoraIcon\tsvg\tMissing.svg\n")
                                     << "cannot read the drawing Missing.svg" << true;
    // A malformed table is refused before anything is drawn.
    QTest::newRow("two fields") << QByteArray("Kesu\tCommon/Basic.svg\n")
                                << "expected three tab-separated fields" << false;
}

void TestImageGenerator::badTableStopsTheRun()
{
    QFETCH(QByteArray, row);
    QFETCH(QString, message);
    QFETCH(bool, tableRead);
    QTemporaryDir output;
    const QString table = output.filePath(QStringLiteral("table.tsv"));
    QFile file(table);
    QVERIFY(file.open(QIODevice::WriteOnly));
    // A good row first, then the bad one.
    file.write("# a table with one bad row\nLPar\tCommon/Basic.svg\tLPar\n" + row);
    file.close();
    const Run run = generate(table, output.path());
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY2(run.err.contains(QStringLiteral("table.tsv:3")), qPrintable(run.err));
    QCOMPARE(QFile::exists(output.filePath(QStringLiteral("LPar.png"))), tableRead);
    QVERIFY(!QFile::exists(output.filePath(QStringLiteral("Kesu.png"))));
    QVERIFY(!QFile::exists(output.filePath(QStringLiteral("VelmoraIcon.png"))));
}

VELMORA_TEST_MAIN(TestImageGenerator)

} // namespace tst_image_generator
#include "tst_image_generator.moc"
