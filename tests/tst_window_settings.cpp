// The main window's persistent settings (geometry, language, navigator,
// recent files, version texts) and its Open Recent submenu.
#include "app/mainwindow.h"
#include "support/testenvironment.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>

namespace tst_window_settings {

namespace {

QSettings *newStore()
{
    return new QSettings(QStringLiteral("corvalin"), QStringLiteral("Velmora_Main"));
}

QVariant stored(const QString &key)
{
    const QScopedPointer<QSettings> store(newStore());
    return store->value(key);
}

void store(const QString &key, const QVariant &value)
{
    const QScopedPointer<QSettings> settings(newStore());
    settings->setValue(key, value);
}

// The texts of the visible Open Recent entries, top to bottom.
QStringList shownRecent(MainWindow &window)
{
    QStringList texts;
    for (QAction *action : window.ui->menuOpenRecentFile->actions()) {
        if (action->isVisible())
            texts << action->text();
    }
    return texts;
}

QList<bool> languageChecks(MainWindow &window)
{
    return {window.ui->actionEnglish->isChecked(), window.ui->actionJapanese->isChecked(),
            window.ui->actionChinese->isChecked()};
}

} // namespace

class TestWindowSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void firstRunGivesTheDefaults();
    void writeStoresEveryKey();
    void noLanguageCheckedWritesNoLanguage();
    void storedLanguage_data();
    void storedLanguage();
    void storedNavigatorAndMuseScoreVersion();
    void storedGeometryIsRestored();
    void brokenGeometryIsIgnored();
    void storedRecentFiles_data();
    void storedRecentFiles();
    void addingAFileAgainMovesItToTheFront();
    void sixteenFilesAreStoredAndFifteenShown();
    void aDeletedFileLeavesMenuThenStore();
    void clearRecentFiles_data();
    void clearRecentFiles();
    void closingWritesTheSettings();

private:
    // A file of that name in a folder that lives as long as the test.
    QString existingFile(const QString &name);
    QScopedPointer<QTemporaryDir> folder;
};

void TestWindowSettings::init()
{
    TestSupport::prompter().reset();
    const QScopedPointer<QSettings> settings(newStore());
    settings->clear();
    folder.reset(new QTemporaryDir);
}

QString TestWindowSettings::existingFile(const QString &name)
{
    const QString path = folder->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("<score-partwise/>");
    return path;
}

void TestWindowSettings::firstRunGivesTheDefaults()
{
    MainWindow window;
    QCOMPARE(languageChecks(window), (QList<bool>{true, false, false}));
    QCOMPARE(window.ui->menuFile->title(), QStringLiteral("File"));
    QVERIFY(window.ui->actionNavigator->isChecked());
    QVERIFY(window.recentFiles.isEmpty());
    QCOMPARE(window.ui->menuOpenRecentFile->actions().size(), MainWindow::recentFileCount);
    QVERIFY(shownRecent(window).isEmpty());
    QCOMPARE(window.museScoreVersion, QStringLiteral("V2"));
    // Reading wrote nothing.
    const QScopedPointer<QSettings> settings(newStore());
    QVERIFY(settings->allKeys().isEmpty());
}

void TestWindowSettings::writeStoresEveryKey()
{
    const QString a = existingFile(QStringLiteral("a.tnsx"));
    MainWindow window;
    window.recentFiles = {a};
    window.ui->actionNavigator->setChecked(false);
    window.museScoreVersion = QStringLiteral("V3");
    window.writeSettings();

    const QScopedPointer<QSettings> settings(newStore());
    QCOMPARE(settings->allKeys().size(), 7);
    QVERIFY(!settings->value("geometry").toByteArray().isEmpty());
    QCOMPARE(settings->value("geometry").toByteArray(), window.saveGeometry());
    QCOMPARE(settings->value("language").toInt(), 0);
    QCOMPARE(settings->value("navigator").toBool(), false);
    QCOMPARE(settings->value("recentFiles").toStringList(), QStringList{a});
    QCOMPARE(settings->value("applicationpath").toString(), QCoreApplication::applicationDirPath());
    QCOMPARE(settings->value("programversion").toString(), QStringLiteral("5.3.1"));
    QCOMPARE(settings->value("musescoreversion").toString(), QStringLiteral("V3"));
}

void TestWindowSettings::noLanguageCheckedWritesNoLanguage()
{
    store(QStringLiteral("language"), 1);
    MainWindow window;
    // Stored 1 is no language the program writes: the form's Japanese stays
    // checked; uncheck it as well to leave none.
    window.ui->actionJapanese->setChecked(false);
    QCOMPARE(languageChecks(window), (QList<bool>{false, false, false}));
    window.writeSettings();
    QCOMPARE(stored(QStringLiteral("language")).toInt(), 1);
    QVERIFY(stored(QStringLiteral("navigator")).toBool());
}

void TestWindowSettings::storedLanguage_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QList<bool>>("checks");
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<int>("written");
    QTest::newRow("English") << QVariant(0) << QList<bool>{true, false, false} << QString() << 0;
    QTest::newRow("Japanese") << QVariant(2) << QList<bool>{false, true, false} << "ja" << 2;
    QTest::newRow("Chinese") << QVariant(3) << QList<bool>{false, false, true} << "zh" << 3;
    // Never written by the program: no slot runs, the form's "日本語" stays
    // checked over English texts, and the next write stores Japanese.
    QTest::newRow("one") << QVariant(1) << QList<bool>{false, true, false} << QString() << 2;
    QTest::newRow("unknown") << QVariant(7) << QList<bool>{false, true, false} << QString() << 2;
    QTest::newRow("not a number") << QVariant(QStringLiteral("Japanese"))
                                  << QList<bool>{true, false, false} << QString() << 0;
}

void TestWindowSettings::storedLanguage()
{
    QFETCH(QVariant, value);
    QFETCH(QList<bool>, checks);
    QFETCH(QString, catalogue);
    QFETCH(int, written);
    store(QStringLiteral("language"), value);
    QString file = QStringLiteral("File");
    QString clear = QStringLiteral("Clear Recent File List");
    if (!catalogue.isEmpty()) {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/languages/velmora_") + catalogue));
        file = translator.translate("MainWindow", "File");
        clear = translator.translate("MainWindow", "Clear Recent File List");
        QVERIFY(file != QLatin1String("File") && !clear.isEmpty());
    }
    {
        MainWindow window;
        QCOMPARE(languageChecks(window), checks);
        QCOMPARE(window.ui->menuFile->title(), file);
        QCOMPARE(window.ui->actionClearRecentFiles->text(), clear);
        window.writeSettings();
    }
    QCOMPARE(stored(QStringLiteral("language")).toInt(), written);
    // The window's translator leaves with it.
    QCOMPARE(QCoreApplication::translate("MainWindow", "File"), QStringLiteral("File"));
}

void TestWindowSettings::storedNavigatorAndMuseScoreVersion()
{
    store(QStringLiteral("navigator"), false);
    store(QStringLiteral("musescoreversion"), QStringLiteral("V3"));
    {
        MainWindow window;
        QVERIFY(!window.ui->actionNavigator->isChecked());
        QCOMPARE(window.museScoreVersion, QStringLiteral("V3"));
    }
    // An empty stored version keeps the default.
    store(QStringLiteral("musescoreversion"), QString());
    MainWindow window;
    QCOMPARE(window.museScoreVersion, QStringLiteral("V2"));
}

void TestWindowSettings::storedGeometryIsRestored()
{
    QByteArray geometry;
    {
        MainWindow first;
        first.resize(640, 430);
        first.move(40, 30);
        first.writeSettings();
        geometry = stored(QStringLiteral("geometry")).toByteArray();
    }
    QVERIFY(!geometry.isEmpty());
    MainWindow second;
    QCOMPARE(second.size(), QSize(640, 430));
    QCOMPARE(second.saveGeometry(), geometry);
}

void TestWindowSettings::brokenGeometryIsIgnored()
{
    QSize formSize;
    {
        MainWindow plain;
        formSize = plain.size();
    }
    store(QStringLiteral("geometry"), QByteArray("not a geometry"));
    store(QStringLiteral("navigator"), false);
    MainWindow window;
    QCOMPARE(window.size(), formSize);
    // The keys after it are still read.
    QVERIFY(!window.ui->actionNavigator->isChecked());
}

void TestWindowSettings::storedRecentFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("list") << "list" << QStringList{"&1 b.tnsx", "&2 a.tnsx"};
    // An INI store keeps a one-entry list as a plain string.
    QTest::newRow("one entry") << "one" << QStringList{"&1 a.tnsx"};
    QTest::newRow("size") << "size" << QStringList{};
    QTest::newRow("bytes") << "bytes" << QStringList{};
    QTest::newRow("missing files") << "missing" << QStringList{"&1 a.tnsx"};
}

void TestWindowSettings::storedRecentFiles()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, shown);
    const QString a = existingFile(QStringLiteral("a.tnsx"));
    const QString b = existingFile(QStringLiteral("b.tnsx"));
    const QString gone = folder->filePath(QStringLiteral("gone.tnsx"));
    QVariant value;
    if (kind == QLatin1String("list"))
        value = QStringList{b, a};
    else if (kind == QLatin1String("one"))
        value = QStringList{a};
    else if (kind == QLatin1String("size"))
        value = QSize(3, 4);
    else if (kind == QLatin1String("bytes"))
        value = QByteArray("abc");
    else
        value = QStringList{gone, a, gone};
    store(QStringLiteral("recentFiles"), value);

    MainWindow window;
    QCOMPARE(shownRecent(window), shown);
    QCOMPARE(window.recentFiles.size(), shown.size());
}

void TestWindowSettings::addingAFileAgainMovesItToTheFront()
{
    const QString a = existingFile(QStringLiteral("a.tnsx"));
    const QString b = existingFile(QStringLiteral("b.tnsx"));
    MainWindow window;
    window.addRecentFile(a);
    window.addRecentFile(b);
    window.addRecentFile(a);
    QCOMPARE(window.recentFiles, (QStringList{a, b}));
    QCOMPARE(shownRecent(window), (QStringList{"&1 a.tnsx", "&2 b.tnsx"}));
    QAction *first = window.ui->menuOpenRecentFile->actions().first();
    QCOMPARE(first->data().toString(), a);
    QCOMPARE(window.ui->menuOpenRecentFile->actions().at(1)->data().toString(), b);
    // Each addition writes the store.
    QCOMPARE(stored(QStringLiteral("recentFiles")).toStringList(), (QStringList{a, b}));
    QCOMPARE(stored(QStringLiteral("language")).toInt(), 0);
    // The comparison is exact: another spelling is another entry.
    const QString other = existingFile(QStringLiteral("A.tnsx"));
    window.addRecentFile(other);
    QCOMPARE(window.recentFiles, (QStringList{other, a, b}));
}

void TestWindowSettings::sixteenFilesAreStoredAndFifteenShown()
{
    QStringList added;
    for (int i = 1; i <= 16; ++i)
        added << existingFile(QStringLiteral("f%1.tnsx").arg(i));
    MainWindow window;
    for (const QString &path : std::as_const(added))
        window.addRecentFile(path);
    QStringList newestFirst(added.rbegin(), added.rend());
    QCOMPARE(window.recentFiles, newestFirst);
    QCOMPARE(stored(QStringLiteral("recentFiles")).toStringList(), newestFirst);
    const QStringList shown = shownRecent(window);
    QCOMPARE(shown.size(), 15);
    QCOMPARE(shown.first(), QStringLiteral("&1 f16.tnsx"));
    QCOMPARE(shown.last(), QStringLiteral("&15 f2.tnsx"));
    QCOMPARE(window.ui->menuOpenRecentFile->actions().last()->data().toString(), added.at(1));
}

void TestWindowSettings::aDeletedFileLeavesMenuThenStore()
{
    const QString a = existingFile(QStringLiteral("a.tnsx"));
    const QString b = existingFile(QStringLiteral("b.tnsx"));
    MainWindow window;
    window.addRecentFile(a);
    window.addRecentFile(b);
    QVERIFY(QFile::remove(a));
    window.updateRecentFileActions();
    QCOMPARE(shownRecent(window), QStringList{"&1 b.tnsx"});
    QCOMPARE(window.recentFiles, QStringList{b});
    QCOMPARE(stored(QStringLiteral("recentFiles")).toStringList(), (QStringList{b, a}));
    window.writeSettings();
    QCOMPARE(stored(QStringLiteral("recentFiles")).toStringList(), QStringList{b});
}

void TestWindowSettings::clearRecentFiles_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("No") << QMessageBox::No << false;
    QTest::newRow("Yes") << QMessageBox::Yes << true;
    // Closing the box answers like No.
    QTest::newRow("closed") << QMessageBox::NoButton << false;
}

void TestWindowSettings::clearRecentFiles()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, cleared);
    const QString a = existingFile(QStringLiteral("a.tnsx"));
    const QString b = existingFile(QStringLiteral("b.tnsx"));
    MainWindow window;
    window.addRecentFile(a);
    window.addRecentFile(b);
    TestSupport::ScriptedPrompter &prompter = TestSupport::prompter();
    prompter.reset();
    prompter.questionAnswers.enqueue(answer);
    window.ui->actionClearRecentFiles->trigger();

    QCOMPARE(prompter.beeps, 1);
    QCOMPARE(prompter.prompts.size(), 1);
    const auto &question = prompter.prompts.first();
    QCOMPARE(question.kind, QStringLiteral("question"));
    QCOMPARE(question.title, QStringLiteral("Velmora"));
    QCOMPARE(question.text, QStringLiteral("Do you really want to clear recent file list ?"));
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);

    const QStringList before{b, a};
    QCOMPARE(window.recentFiles, cleared ? QStringList() : before);
    QCOMPARE(shownRecent(window).size(), cleared ? 0 : 2);
    // The store follows only at the next write.
    QCOMPARE(stored(QStringLiteral("recentFiles")).toStringList(), before);
    window.writeSettings();
    QCOMPARE(stored(QStringLiteral("recentFiles")).toStringList(),
             cleared ? QStringList() : before);
}

void TestWindowSettings::closingWritesTheSettings()
{
    const QString a = existingFile(QStringLiteral("a.tnsx"));
    MainWindow window;
    window.show();
    window.recentFiles = {a};
    window.ui->actionNavigator->setChecked(false);
    QVERIFY(window.close());
    QCOMPARE(stored(QStringLiteral("recentFiles")).toStringList(), QStringList{a});
    QCOMPARE(stored(QStringLiteral("navigator")).toBool(), false);
    QCOMPARE(stored(QStringLiteral("geometry")).toByteArray(), window.saveGeometry());
}

VELMORA_TEST_MAIN(TestWindowSettings)

} // namespace tst_window_settings
#include "tst_window_settings.moc"
