// The sample scores of File > Open Sample (":/samples"): only score files,
// each written by this version, each opening without a message and laying
// out with every note drawn, and together one score per notation family in
// both writing directions.
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "support/pagecheck.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace tst_samples {

class TestSamples : public QObject
{
    Q_OBJECT

private slots:
    void folderHoldsOnlyScoreFiles();
    void sampleOpensAndLaysOut_data();
    void sampleOpensAndLaysOut();
    void samplesCoverTheFamilies();

private:
    static QStringList entries();
};

QStringList TestSamples::entries()
{
    // The sample menu's listing: the folder's default filter and sort.
    return QDir(QStringLiteral(":/samples")).entryList();
}

void TestSamples::folderHoldsOnlyScoreFiles()
{
    const QStringList names = entries();
    QVERIFY(names.size() >= 7);
    for (const QString &name : names) {
        // The menu gives every entry the data base name + ".tnsx", so a
        // second dot or another suffix would open a file that is not there.
        QVERIFY2(name.endsWith(QLatin1String(".tnsx")), qPrintable(name));
        QCOMPARE(name.count(QLatin1Char('.')), 1);
        const QString path =
            QStringLiteral(":/samples/") + QFileInfo(name).baseName() + QStringLiteral(".tnsx");
        QVERIFY2(QFile::exists(path), qPrintable(path));
    }
}

void TestSamples::sampleOpensAndLaysOut_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &name : entries())
        QTest::newRow(qPrintable(name)) << QStringLiteral(":/samples/") + name;
}

void TestSamples::sampleOpensAndLaysOut()
{
    QFETCH(QString, path);
    TestSupport::prompter().reset();
    Score score(QStringLiteral("5.3.1"), 1, false);
    QVERIFY(score.readFile(path));
    QVERIFY(score.parseScoreXml(false).has_value());
    QVERIFY2(TestSupport::prompter().prompts.isEmpty(),
             qPrintable(TestSupport::prompter().texts().join(QLatin1Char('\n'))));
    QCOMPARE(score.creatorVersion, QStringLiteral("5.3.1"));
    QVERIFY(!score.measures.isEmpty());
    QVERIFY(score.credits.size() >= 2);

    score.generateScore();
    QVERIFY(score.page->pageCount >= 1 && score.page->pageCount <= 2);
    const TestSupport::PageReport report = TestSupport::checkPages(score);
    QVERIFY(report.notesExpected > 0);
    QCOMPARE(report.notesDrawn, report.notesExpected);
    QVERIFY2(report.findings.isEmpty(), qPrintable(TestSupport::describeFindings(report.findings)));
    // A second regeneration draws the same pages.
    score.generateScore();
    QCOMPARE(TestSupport::checkPages(score).notesDrawn, report.notesDrawn);
    QVERIFY(TestSupport::prompter().prompts.isEmpty());
}

// One score per family (shakuhachi Kinko and Tozan, shinobue, koto Ikuta
// and Seiha, sangen or shamisen, staff notation beside a traditional part),
// with both writing directions among them.
void TestSamples::samplesCoverTheFamilies()
{
    QSet<int> styles;
    QSet<bool> directions;
    bool staffBesideTraditional = false;
    for (const QString &name : entries()) {
        Score score(QStringLiteral("5.3.1"), 1, false);
        QVERIFY(score.readFile(QStringLiteral(":/samples/") + name));
        QVERIFY(score.parseScoreXml(false).has_value());
        directions << score.page->horizontal;
        QSet<int> own;
        for (const Part *part : std::as_const(score.parts))
            own << part->notationStyle;
        staffBesideTraditional |= own.contains(NotationStyle::StaffNotation) && own.size() > 1;
        styles |= own;
    }
    for (int style : {NotationStyle::KinkoTrad, NotationStyle::TozanTrad, NotationStyle::Fue,
                      NotationStyle::KotoIkuta, NotationStyle::KotoSeiha})
        QVERIFY2(styles.contains(style), qPrintable(QString::number(style)));
    QVERIFY(styles.contains(NotationStyle::SangenIkuta) ||
            styles.contains(NotationStyle::ShamisenBunka));
    QVERIFY(staffBesideTraditional);
    QCOMPARE(directions, QSet<bool>({false, true}));
}

VELMORA_TEST_MAIN(TestSamples)

} // namespace tst_samples
#include "tst_samples.moc"
