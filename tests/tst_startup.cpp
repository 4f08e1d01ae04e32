// Process start-up: font substitutes, hash seed, and the test environment
// every later test relies on (temporary HOME, redirected settings, the
// scripted prompter, captured debug output).
#include "support/messagecapture.h"
#include "support/testenvironment.h"

#include "platform/hugepageheap.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHashSeed>
#include <QSettings>

namespace tst_startup {

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void windowsFamiliesResolveToInstalledFonts_data();
    void windowsFamiliesResolveToInstalledFonts();
    void hashSeedIsDeterministic();
    void homeAndSettingsAreTemporary();
    void promptsGoThroughTheScriptedPrompter();
    void debugOutputIsCaptured();
    void exportsLeaveTheHeapTopToSmallPages();
};

void TestStartup::windowsFamiliesResolveToInstalledFonts_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("japanese");
    QTest::newRow("MS Mincho") << "MS Mincho" << true;
    QTest::newRow("MS PMincho") << "MS PMincho" << true;
    QTest::newRow("Yu Mincho") << "Yu Mincho" << true;
    QTest::newRow("MS Gothic") << "MS Gothic" << true;
    QTest::newRow("Yu Gothic") << "Yu Gothic" << true;
    QTest::newRow("Meiryo") << "Meiryo" << true;
    QTest::newRow("Meiryo UI") << "Meiryo UI" << true;
    QTest::newRow("full-width MS Gothic") << QStringLiteral("ＭＳ ゴシック") << true;
    QTest::newRow("full-width MS Mincho") << QStringLiteral("ＭＳ 明朝") << true;
    QTest::newRow("full-width MS Gothic, ideographic space")
        << QStringLiteral("ＭＳ　ゴシック") << true;
    QTest::newRow("full-width MS PMincho, ideographic space")
        << QStringLiteral("ＭＳ　Ｐ明朝") << true;
    QTest::newRow("Times New Roman") << "Times New Roman" << false;
    QTest::newRow("Arial") << "Arial" << false;
    // Every other spelling the start-up maps resolves as well.
    const QStringList listed =
        Startup::japaneseMinchoFamilies() + Startup::japaneseGothicFamilies();
    for (const QString &family : listed)
        QTest::newRow(qPrintable("listed " + family)) << family << true;
}

void TestStartup::windowsFamiliesResolveToInstalledFonts()
{
    QFETCH(QString, family);
    QFETCH(bool, japanese);
    const QString resolved = QFontInfo(QFont(family)).family();
    QVERIFY2(QFontDatabase::families().contains(resolved), qPrintable(resolved));
    if (japanese) {
        QVERIFY2(QFontDatabase::writingSystems(resolved).contains(QFontDatabase::Japanese),
                 qPrintable(resolved));
    } else {
        QVERIFY2(resolved.startsWith(QLatin1String("Liberation")), qPrintable(resolved));
    }
}

void TestStartup::hashSeedIsDeterministic()
{
    QCOMPARE(QHashSeed::globalSeed(), size_t(0));
}

void TestStartup::homeAndSettingsAreTemporary()
{
    QCOMPARE(QDir::homePath(), TestSupport::homePath());
    QSettings settings(QStringLiteral("corvalin"), QStringLiteral("Velmora_Main"));
    settings.setValue(QStringLiteral("probe"), 1);
    settings.sync();
    QVERIFY2(settings.fileName().startsWith(TestSupport::homePath()),
             qPrintable(settings.fileName()));
}

void TestStartup::promptsGoThroughTheScriptedPrompter()
{
    TestSupport::ScriptedPrompter &scripted = TestSupport::prompter();
    scripted.reset();
    QCOMPARE(&Prompter::instance(), static_cast<Prompter *>(&scripted));

    Prompter::instance().warning(nullptr, QStringLiteral("Velmora"), QStringLiteral("careful"));
    scripted.questionAnswers.enqueue(QMessageBox::No);
    const auto answer = Prompter::instance().question(nullptr, QStringLiteral("Velmora"),
                                                      QStringLiteral("sure?"),
                                                      QMessageBox::Yes | QMessageBox::No,
                                                      QMessageBox::Yes);
    QCOMPARE(answer, QMessageBox::No);
    // With nothing scripted, a picker is cancelled.
    QVERIFY(Prompter::instance().openFileName(nullptr, QStringLiteral("Velmora: Open"), QString(),
                                              QString()).isEmpty());
    QCOMPARE(scripted.texts(), (QStringList{"careful", "sure?", QString()}));
    QCOMPARE(scripted.prompts.first().title, QStringLiteral("Velmora"));
    scripted.reset();
}

void TestStartup::debugOutputIsCaptured()
{
    TestSupport::MessageCapture capture;
    qDebug() << "generateScore() entered";
    qDebug("%s", "plain");
    QCOMPARE(capture.lines(), (QStringList{"generateScore() entered", "plain"}));
}

VELMORA_TEST_MAIN(TestStartup)

// How many mappings of the heap carry `flag` in the kernel's list ("hg"
// advised for 2 MB pages, "nh" advised against them).
int heapMappingsFlagged(const QByteArray &flag)
{
    QFile maps(QStringLiteral("/proc/self/smaps"));
    if (!maps.open(QIODevice::ReadOnly))
        return 0;
    int count = 0;
    bool inHeap = false;
    const QList<QByteArray> lines = maps.readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QByteArray first = line.left(line.indexOf(' '));
        if (first.contains('-') && !first.endsWith(':')) // "start-end perms ... name"
            inHeap = line.endsWith("[heap]");
        else if (inHeap && first == "VmFlags:" && line.split(' ').contains(flag))
            ++count;
    }
    return count;
}

void TestStartup::exportsLeaveTheHeapTopToSmallPages()
{
    if (heapMappingsFlagged("hg") == 0)
        QSKIP("the heap is not advised for 2 MB pages in this build");
    QCOMPARE(heapMappingsFlagged("nh"), 0);
    {
        const HugePageHeap::SmallPagesAhead smallPages;
        // The untouched top only: the blocks made so far keep their pages.
        QCOMPARE(heapMappingsFlagged("nh"), 1);
        QCOMPARE(heapMappingsFlagged("hg"), 1);
    }
    QCOMPARE(heapMappingsFlagged("nh"), 0);
    QCOMPARE(heapMappingsFlagged("hg"), 1);
}

} // namespace tst_startup
#include "tst_startup.moc"
