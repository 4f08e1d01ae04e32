// Generating the MuseScore plug-in scripts: the dialog that names the
// version and folder, the default folder found in the home folder, the
// scripts written into "<folder>/Velmora", and each way generation stops.
#include "app/dialogmsplugin.h"
#include "app/mainwindow.h"
#include "support/dialogshot.h"
#include "support/messagecapture.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace tst_musescore_plugins {

namespace {

using TestSupport::prompter;

template <typename T> T *child(QWidget &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

QLineEdit *folderEdit(QWidget &dialog)
{
    return child<QLineEdit>(dialog, "lineEditMSPluginFolder");
}

QString documents()
{
    return QDir::homePath() + QStringLiteral("/Documents");
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A plug-in folder of its own for each test, outside the home folder's
// MuseScore folders.
struct PluginFolder
{
    QTemporaryDir dir;
    QString velmora() const { return dir.path() + QStringLiteral("/Velmora"); }
    QString exportScript() const
    {
        return velmora() + QStringLiteral("/ExportMusicXMLtoVelmora.qml");
    }
    QString importScript() const
    {
        return velmora() + QStringLiteral("/ImportMusicXMLfromVelmora.qml");
    }
};

void generate(MainWindow &window, const QString &folder)
{
    folderEdit(*window.dialogMSPlugin)->setText(folder);
    prompter().reset();
    QTest::mouseClick(child<QPushButton>(*window.dialogMSPlugin, "pushButtonTry"), Qt::LeftButton);
}

const char *const successText =
    "Plugin files successfully generated.\nPlease activate following two plugins (if not yet "
    "activated) \non MuseScore (using Plugin Manager)!\n\nImport MusicXML from Velmora\nExport "
    "MusiXML to Velmora";

} // namespace

class TestMuseScorePlugins : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void formAndTexts();
    void defaultFolder_data();
    void defaultFolder();
    void folderEditing();
    void tryKeepsDialogOpen();
    void generatesThePair_data();
    void generatesThePair();
    void menuCommandRunsDialog();
    void unusualHomeIsEscaped();
    void missingFolderWarns();
    void scriptThatCannotBeWritten_data();
    void scriptThatCannotBeWritten();
    void missingResource_data();
    void missingResource();
    void screenshot();
};

void TestMuseScorePlugins::cleanup()
{
    QDir(documents()).removeRecursively();
    prompter().reset();
}

void TestMuseScorePlugins::formAndTexts()
{
    DialogMSPlugin dialog;
    QCOMPARE(dialog.size(), QSize(547, 302));
    auto *ms2 = child<QRadioButton>(dialog, "radioButtonMS2");
    auto *ms3 = child<QRadioButton>(dialog, "radioButtonMS3");
    QVERIFY(!ms2->isEnabled());
    QVERIFY(!ms2->isChecked());
    QVERIFY(ms3->isEnabled());
    QVERIFY(ms3->isChecked());
    QCOMPARE(dialog.focusWidget(), child<QPushButton>(dialog, "pushButtonTry"));
    QCOMPARE(dialog.getMSVersion(), QStringLiteral("V3"));

    dialog.retranslate();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Generate MuseScore 3 Plugins"));
    QCOMPARE(child<QLabel>(dialog, "labelNote")->text(),
             QStringLiteral("Caution!: Plugin for MuseScore 4 is not supported."));
    QCOMPARE(child<QGroupBox>(dialog, "groupBoxMSVersion")->title(),
             QStringLiteral("Select the MuseScore Version (2 or 3)"));
    QCOMPARE(child<QPushButton>(dialog, "pushButtonTry")->text(),
             QStringLiteral("Try Generating Plugins"));
    QCOMPARE(child<QLabel>(dialog, "labelMSPlugin")->text(),
             QStringLiteral("If unsuccesful (the plugin folder is not found), check the plugin "
                            "folder on MuseScore\nby 'Preferences' command > 'General' tab > "
                            "'Folders' > 'Plugin'.\nand change the folder to point to the "
                            "correct one, then retry."));
    QCOMPARE(child<QPushButton>(dialog, "pushButtonFolderChange")->text(),
             QStringLiteral("Change Folder"));
    QCOMPARE(child<QPushButton>(dialog, "pushButtonClose")->text(), QStringLiteral("Close"));
    // The radio buttons keep the form's names.
    QCOMPARE(ms3->text(), QStringLiteral("MuseScore 3"));
}

void TestMuseScorePlugins::defaultFolder_data()
{
    QTest::addColumn<QStringList>("made");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Japanese") << QStringList{"MuseScore3/プラグイン"} << "MuseScore3/プラグイン";
    QTest::newRow("Japanese before English")
        << QStringList{"MuseScore3/Plugins", "MuseScore3/プラグイン"} << "MuseScore3/プラグイン";
    QTest::newRow("English") << QStringList{"MuseScore3/Plugins"} << "MuseScore3/Plugins";
    QTest::newRow("neither") << QStringList{} << "MuseScore3/Plugin";
    QTest::newRow("other version's folder only")
        << QStringList{"MuseScore2/Plugins", "MuseScore2/プラグイン"} << "MuseScore3/Plugin";
    QTest::newRow("a file of that name is no folder")
        << QStringList{"MuseScore3/plainfile:プラグイン"} << "MuseScore3/Plugin";
}

void TestMuseScorePlugins::defaultFolder()
{
    QFETCH(QStringList, made);
    QFETCH(QString, expected);
    for (const QString &entry : made) {
        if (entry.contains(QLatin1String("plainfile:"))) {
            const QString path = documents() + QLatin1Char('/') +
                                 QString(entry).remove(QStringLiteral("plainfile:"));
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else {
            QVERIFY(QDir().mkpath(documents() + QLatin1Char('/') + entry));
        }
    }
    DialogMSPlugin dialog;
    folderEdit(dialog)->setText(QStringLiteral("typed before"));
    dialog.setPluginFolder();
    QCOMPARE(dialog.getPluginFolder(), documents() + QLatin1Char('/') + expected);
}

// Clicking the version resets the folder; a cancelled chooser keeps the
// text; a chosen or typed folder is what the getter returns.
void TestMuseScorePlugins::folderEditing()
{
    QVERIFY(QDir().mkpath(documents() + QStringLiteral("/MuseScore3/Plugins")));
    DialogMSPlugin dialog;
    dialog.retranslate();
    dialog.setPluginFolder();
    const QString defaultPath = documents() + QStringLiteral("/MuseScore3/Plugins");

    folderEdit(dialog)->setText(QStringLiteral("/somewhere/else"));
    QTest::mouseClick(child<QRadioButton>(dialog, "radioButtonMS3"), Qt::LeftButton);
    QCOMPARE(dialog.getPluginFolder(), defaultPath);

    auto *change = child<QPushButton>(dialog, "pushButtonFolderChange");
    QTest::mouseClick(change, Qt::LeftButton);
    QCOMPARE(prompter().prompts.size(), 1);
    QCOMPARE(prompter().prompts.at(0).title, QStringLiteral("Open Directory"));
    QCOMPARE(prompter().prompts.at(0).folder, defaultPath);
    QCOMPARE(dialog.getPluginFolder(), defaultPath);

    prompter().fileAnswers.enqueue(QStringLiteral("/chosen/folder"));
    QTest::mouseClick(change, Qt::LeftButton);
    QCOMPARE(dialog.getPluginFolder(), QStringLiteral("/chosen/folder"));

    folderEdit(dialog)->clear();
    QTest::keyClicks(folderEdit(dialog), QStringLiteral("/typed by hand/my plugins"));
    QCOMPARE(dialog.getPluginFolder(), QStringLiteral("/typed by hand/my plugins"));
}

void TestMuseScorePlugins::tryKeepsDialogOpen()
{
    DialogMSPlugin dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy spy(&dialog, &DialogMSPlugin::sigMSPluginOK);
    QTest::mouseClick(child<QPushButton>(dialog, "pushButtonTry"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(dialog, "pushButtonTry"), Qt::LeftButton);
    QCOMPARE(spy.count(), 2);
    QVERIFY(dialog.isVisible());
    QTest::mouseClick(child<QPushButton>(dialog, "pushButtonClose"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
}

void TestMuseScorePlugins::generatesThePair_data()
{
    QTest::addColumn<bool>("ms3");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("storedVersion");
    QTest::newRow("MuseScore 3") << true << "_MS3.qml"
                                 << "V3";
    // Neither version checked: the MuseScore 2 pair, and no version.
    QTest::newRow("no version") << false << "_MS2.qml"
                                << "";
}

void TestMuseScorePlugins::generatesThePair()
{
    QFETCH(bool, ms3);
    QFETCH(QString, suffix);
    QFETCH(QString, storedVersion);
    MainWindow window;
    window.museScoreVersion = QStringLiteral("V2");
    if (!ms3) {
        auto *button = child<QRadioButton>(*window.dialogMSPlugin, "radioButtonMS3");
        button->setAutoExclusive(false);
        button->setChecked(false);
    }
    PluginFolder folder;
    TestSupport::MessageCapture capture;
    generate(window, folder.dir.path());

    QVERIFY(capture.contains(QStringLiteral("generateMuseScorePlugin 1 homepath = ") +
                             QDir::homePath()));
    QCOMPARE(prompter().prompts.size(), 1);
    QCOMPARE(prompter().prompts.at(0).kind, QStringLiteral("information"));
    QCOMPARE(prompter().prompts.at(0).title, QStringLiteral("Generate MuseScore Plugin Files"));
    QCOMPARE(prompter().prompts.at(0).text, QLatin1String(successText));
    QCOMPARE(window.museScoreVersion, storedVersion);

    const QByteArray home = QDir::homePath().toUtf8() + '/';
    const QStringList names = {"ExportMusicXMLtoVelmora", "ImportMusicXMLfromVelmora"};
    for (const QString &name : names) {
        QByteArray expected = contents(QStringLiteral(":/musescoreplugin/") + name + suffix);
        QCOMPARE(expected.count("YourHomeDirectory"), 1);
        expected.replace("YourHomeDirectory", home);
        const QByteArray written = contents(folder.velmora() + QLatin1Char('/') + name + ".qml");
        QCOMPARE(written, expected);
        QVERIFY(written.contains("var TW_Path = \"" + home + "\";"));
    }

    // A second run overwrites the same pair.
    generate(window, folder.dir.path());
    QCOMPARE(QDir(folder.velmora()).entryList(QDir::Files | QDir::NoDotAndDotDot),
             (QStringList{"ExportMusicXMLtoVelmora.qml", "ImportMusicXMLfromVelmora.qml"}));
}

// The Tools command proposes the default folder and runs the dialog
// modally; the stored version reaches the settings at the next write.
void TestMuseScorePlugins::menuCommandRunsDialog()
{
    QVERIFY(QDir().mkpath(documents() + QStringLiteral("/MuseScore3/Plugins")));
    MainWindow window;
    window.museScoreVersion = QStringLiteral("V2");
    folderEdit(*window.dialogMSPlugin)->setText(QStringLiteral("left from before"));
    QString shownFolder;
    prompter().dialogScripts.enqueue([&](QDialog *dialog) {
        shownFolder = folderEdit(*dialog)->text();
        QTest::mouseClick(child<QPushButton>(*dialog, "pushButtonTry"), Qt::LeftButton);
        return int(QDialog::Rejected);
    });
    window.generateMuseScorePlugin();
    QVERIFY(!prompter().prompts.isEmpty());
    QCOMPARE(prompter().prompts.at(0).kind, QStringLiteral("dialog"));
    QCOMPARE(prompter().prompts.at(0).title, QStringLiteral("Generate MuseScore 3 Plugins"));
    QCOMPARE(prompter().texts(QStringLiteral("information")).size(), 1);
    QCOMPARE(shownFolder, documents() + QStringLiteral("/MuseScore3/Plugins"));
    QVERIFY(QFile::exists(
        documents() + QStringLiteral("/MuseScore3/Plugins/Velmora/ImportMusicXMLfromVelmora.qml")));
    QCOMPARE(window.museScoreVersion, QStringLiteral("V3"));
    window.writeSettings();
    QCOMPARE(QSettings(QStringLiteral("corvalin"), QStringLiteral("Velmora_Main"))
                 .value(QStringLiteral("musescoreversion"))
                 .toString(),
             QStringLiteral("V3"));
}

// A backslash or a double quote in the home folder's name stays inside the
// script's string.
void TestMuseScorePlugins::unusualHomeIsEscaped()
{
    const QByteArray savedHome = qgetenv("HOME");
    QTemporaryDir parent;
    const QString oddHome = parent.path() + QStringLiteral("/say \"hi\" back\\slash");
    QVERIFY(QDir().mkpath(oddHome));
    qputenv("HOME", oddHome.toUtf8());
    MainWindow window;
    PluginFolder folder;
    generate(window, folder.dir.path());
    qputenv("HOME", savedHome);
    QCOMPARE(QDir::homePath(), QString::fromUtf8(savedHome));

    const QByteArray written = contents(folder.exportScript());
    const QByteArray escaped = parent.path().toUtf8() + "/say \\\"hi\\\" back\\\\slash/";
    QVERIFY2(written.contains("var TW_Path = \"" + escaped + "\";"), written.constData());
    QVERIFY(contents(folder.importScript()).contains("var TW_Path = \"" + escaped + "\";"));
}

void TestMuseScorePlugins::missingFolderWarns()
{
    MainWindow window;
    QTemporaryDir parent;
    const QString missing = parent.path() + QStringLiteral("/typed by hand");
    generate(window, missing);
    QCOMPARE(prompter().prompts.size(), 1);
    QCOMPARE(prompter().prompts.at(0).kind, QStringLiteral("warning"));
    QCOMPARE(prompter().prompts.at(0).title, QStringLiteral("Setup MuseScore plugins"));
    QCOMPARE(prompter().prompts.at(0).text,
             QStringLiteral("Plugin folder %1 does not exist.\n\nIf MuseScore has not been "
                            "installed yet, install it and retry.\n\nIf installed already, check "
                            "MuseScore's plugin folder path (name)\nby 'Preferences' > 'General' "
                            "> 'Folder' > 'Plugin Folder' on MuseScore.")
                 .arg(missing));
    QVERIFY(!QFileInfo::exists(missing));
    QCOMPARE(QDir(parent.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestMuseScorePlugins::scriptThatCannotBeWritten_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("exportWritten");
    QTest::newRow("export") << "ExportMusicXMLtoVelmora.qml"
                            << "Setup MuseScore plugins" << false;
    QTest::newRow("import") << "ImportMusicXMLfromVelmora.qml"
                            << "Setup MuseScore plugin" << true;
}

void TestMuseScorePlugins::scriptThatCannotBeWritten()
{
    QFETCH(QString, blocked);
    QFETCH(QString, title);
    QFETCH(bool, exportWritten);
    MainWindow window;
    window.museScoreVersion = QStringLiteral("V2");
    PluginFolder folder;
    const QString blockedPath = folder.velmora() + QLatin1Char('/') + blocked;
    QVERIFY(QDir().mkpath(blockedPath));
    generate(window, folder.dir.path());
    QCOMPARE(prompter().prompts.size(), 1);
    QCOMPARE(prompter().prompts.at(0).kind, QStringLiteral("warning"));
    QCOMPARE(prompter().prompts.at(0).title, title);
    QVERIFY2(prompter().prompts.at(0).text.startsWith(
                 QStringLiteral("Can't write file (%1)!:\n").arg(blockedPath)),
             qPrintable(prompter().prompts.at(0).text));
    QVERIFY(prompter().prompts.at(0).text.endsWith(QLatin1Char('.')));
    QVERIFY(prompter().prompts.at(0).text.size() >
            QStringLiteral("Can't write file (%1)!:\n.").arg(blockedPath).size());
    QCOMPARE(QFileInfo(folder.exportScript()).isFile(), exportWritten);
    // No success: the version stays.
    QCOMPARE(window.museScoreVersion, QStringLiteral("V2"));
}

void TestMuseScorePlugins::missingResource_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("line");
    QTest::newRow("no export script")
        << QStringList{} << "generateMuseScorePlugin 1 Error no qml file";
    QTest::newRow("no import script") << QStringList{"ExportMusicXMLtoVelmora_MS3.qml"}
                                      << "generateMuseScorePlugin 2 Error no qml file";
}

void TestMuseScorePlugins::missingResource()
{
    QFETCH(QStringList, present);
    QFETCH(QString, line);
    QTemporaryDir resources;
    for (const QString &name : present)
        QVERIFY(QFile::copy(QStringLiteral(":/musescoreplugin/") + name,
                            resources.path() + QLatin1Char('/') + name));
    MainWindow window;
    window.museScorePluginResources = resources.path() + QLatin1Char('/');
    PluginFolder folder;
    TestSupport::MessageCapture capture;
    generate(window, folder.dir.path());
    QVERIFY2(capture.contains(line), qPrintable(capture.lines().join(QLatin1Char('\n'))));
    QCOMPARE(prompter().prompts.size(), 0);
    QVERIFY(!QFileInfo::exists(folder.velmora()));
}

void TestMuseScorePlugins::screenshot()
{
    QVERIFY(QDir().mkpath(documents() + QStringLiteral("/MuseScore3/Plugins")));
    MainWindow window;
    QVERIFY(window.importXmlFile2(
        false, TestSupport::fixturePath(
                   QStringLiteral("corpus/lilypond-musicxml-testsuite/01a-Pitches-Pitches.xml"))));
    window.show();
    DialogMSPlugin &dialog = *window.dialogMSPlugin;
    dialog.setPluginFolder();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    TestSupport::grabDialog(dialog, QStringLiteral("musescore-plugin-dialog"));
    TestSupport::checkShownInside(dialog, {"labelNote", "radioButtonMS2", "radioButtonMS3",
                                           "pushButtonTry", "lineEditMSPluginFolder",
                                           "pushButtonFolderChange", "pushButtonClose"});
    dialog.close();
}

VELMORA_TEST_MAIN(TestMuseScorePlugins)

} // namespace tst_musescore_plugins

#include "tst_musescore_plugins.moc"
