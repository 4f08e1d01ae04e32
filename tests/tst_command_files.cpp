// Command files: MusicXML files imported and exported as PDF line by line,
// lines skipped, lines that end the run, Windows line ends, the exit line,
// and command files that cannot be read.
#include "app/mainwindow.h"
#include "model/score.h"
#include "support/messagecapture.h"
#include "support/pdftools.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QUndoStack>

namespace tst_command_files {

namespace {

using TestSupport::prompter;

const QString finished = QStringLiteral("runCommandFile exitted.");

bool writeText(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

} // namespace

class TestCommandFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void importThenExportWritesAPdf();
    void lines_data();
    void lines();
    void exitDiscardsTheCurrentScoresChanges();
    void exitWithoutAScore();
    void unreadableCommandFile_data();
    void unreadableCommandFile();
    void menuEntryAsksForTheFile();

private:
    QTemporaryDir m_dir;
    // A MusicXML file at a path without spaces or colons, as the lines need.
    QString m_musicXml;
    QString commandFile(const QString &text);
};

void TestCommandFiles::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(!m_dir.path().contains(QLatin1Char(' ')) && !m_dir.path().contains(QLatin1Char(':')));
    m_musicXml = m_dir.filePath(QStringLiteral("OnePart.musicxml"));
    QVERIFY(QFile::copy(TestSupport::fixturePath(QStringLiteral("import/import-OnePart.xml")),
                        m_musicXml));
}

void TestCommandFiles::init()
{
    prompter().reset();
}

QString TestCommandFiles::commandFile(const QString &text)
{
    const QString path = m_dir.filePath(QStringLiteral("commands.txt"));
    return writeText(path, QString(text).replace(QStringLiteral("<xml>"), m_musicXml)) ? path
                                                                                       : QString();
}

void TestCommandFiles::importThenExportWritesAPdf()
{
    const QString pdf = m_dir.filePath(QStringLiteral("out.pdf"));
    QFile::remove(pdf);
    MainWindow window;
    TestSupport::MessageCapture capture;
    window.runCommandFile2(commandFile(QStringLiteral("-Import new:<xml>\n-Export pdf:") + pdf));
    QCOMPARE(window.tabWidget->count(), 1);
    QVERIFY(capture.contains(finished));
    QVERIFY(TestSupport::pdfPageCount(pdf) >= 1);
    QVERIFY(prompter().texts(QStringLiteral("warning")).isEmpty());
}

void TestCommandFiles::lines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("tabs");
    QTest::addColumn<bool>("finishes");
    QTest::addColumn<int>("warnings");

    QTest::newRow("one import") << QStringLiteral("-Import new:<xml>") << 1 << true << 0;
    QTest::newRow("old kind skipped")
        << QStringLiteral("-Import old:<xml>\n-Import new:<xml>") << 1 << true << 0;
    QTest::newRow("other export kind skipped")
        << QStringLiteral("-Export svg:x.svg\n-Import new:<xml>") << 1 << true << 0;
    QTest::newRow("other command skipped")
        << QStringLiteral("-Print page:1\n-Import new:<xml>") << 1 << true << 0;
    QTest::newRow("export without a score skipped")
        << QStringLiteral("-Export pdf:never.pdf\n-Import new:<xml>") << 1 << true << 0;
    QTest::newRow("failed import stops")
        << QStringLiteral("-Import new:/no/such.musicxml\n-Import new:<xml>") << 0 << false << 1;
    QTest::newRow("three words stop")
        << QStringLiteral("-Import new:<xml>\n-Import new:<xml> more\n-Import new:<xml>") << 1
        << false << 0;
    QTest::newRow("one word stops")
        << QStringLiteral("-Import new:<xml>\n-Import\n-Import new:<xml>") << 1 << false << 0;
    QTest::newRow("empty line stops")
        << QStringLiteral("-Import new:<xml>\n\n-Import new:<xml>") << 1 << false << 0;
    QTest::newRow("two colons stop")
        << QStringLiteral("-Import new:C:<xml>\n-Import new:<xml>") << 0 << false << 0;
    QTest::newRow("no colon stops")
        << QStringLiteral("-Export pdf\n-Import new:<xml>") << 0 << false << 0;
    QTest::newRow("no colon in another command skipped")
        << QStringLiteral("-Print pdf\n-Import new:<xml>") << 1 << true << 0;
    QTest::newRow("final line end stops")
        << QStringLiteral("-Import new:<xml>\n") << 1 << false << 0;
    QTest::newRow("windows line ends")
        << QStringLiteral("-Import new:<xml>\r\n-Import new:<xml>") << 2 << true << 0;
    QTest::newRow("lower-case command skipped")
        << QStringLiteral("-import new:<xml>\n-Import new:<xml>") << 1 << true << 0;
}

void TestCommandFiles::lines()
{
    QFETCH(QString, text);
    QFETCH(int, tabs);
    QFETCH(bool, finishes);
    QFETCH(int, warnings);

    MainWindow window;
    TestSupport::MessageCapture capture;
    window.runCommandFile2(commandFile(text));
    QCOMPARE(window.tabWidget->count(), tabs);
    QCOMPARE(capture.contains(finished), finishes);
    QCOMPARE(prompter().texts(QStringLiteral("warning")).size(), warnings);
    if (tabs)
        QCOMPARE(window.currentScore()->musicXmlFilePath, m_musicXml);
}

void TestCommandFiles::exitDiscardsTheCurrentScoresChanges()
{
    for (const QString &lineEnd : {QStringLiteral("\n"), QStringLiteral("\r\n")}) {
        prompter().reset();
        MainWindow window;
        window.show();
        const QString pdf = m_dir.filePath(QStringLiteral("before-exit.pdf"));
        QFile::remove(pdf);
        const QString text =
            QStringLiteral("-Export pdf:") + pdf + lineEnd + QStringLiteral("-Exit") + lineEnd;
        const QString path = commandFile(text);
        // The score has unsaved work when the exit line comes.
        window.importNewFromPath(m_musicXml);
        window.currentScore()->undoStack->push(new QUndoCommand(QStringLiteral("UpdateStyle")));
        window.currentScore()->changed = true;
        QCOMPARE(window.tabWidget->count(), 1);

        TestSupport::MessageCapture capture;
        window.runCommandFile2(path);
        QVERIFY(QFile::exists(pdf));
        QCOMPARE(window.tabWidget->count(), 0);
        QVERIFY(!window.isVisible());
        QVERIFY(prompter().texts(QStringLiteral("question")).isEmpty());
        QVERIFY(!capture.contains(finished));
    }
}

void TestCommandFiles::exitWithoutAScore()
{
    MainWindow window;
    window.show();
    const QStringList recent = window.recentFiles;
    window.runCommandFile2(commandFile(QStringLiteral("-Exit\n-Import new:<xml>")));
    QCOMPARE(window.tabWidget->count(), 0);
    QVERIFY(!window.isVisible());
    QVERIFY(prompter().prompts.isEmpty());
    QCOMPARE(window.recentFiles, recent);
}

void TestCommandFiles::unreadableCommandFile_data()
{
    QTest::addColumn<bool>("folder");
    QTest::newRow("missing") << false;
    QTest::newRow("folder") << true;
}

void TestCommandFiles::unreadableCommandFile()
{
    QFETCH(bool, folder);
    const QString path = m_dir.filePath(QStringLiteral("unreadable.txt"));
    if (folder)
        QVERIFY(QDir().mkpath(path));
    MainWindow window;
    TestSupport::MessageCapture capture;
    window.runCommandFile2(path);
    const QStringList warnings = prompter().texts(QStringLiteral("warning"));
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().startsWith(QStringLiteral("Can't read file (%1)!:\n").arg(path)),
             qPrintable(warnings.first()));
    QVERIFY(warnings.first().size() > QStringLiteral("Can't read file (%1)!:\n.").arg(path).size());
    QCOMPARE(window.tabWidget->count(), 0);
    QVERIFY(!capture.contains(finished));
    QDir(path).removeRecursively();
}

void TestCommandFiles::menuEntryAsksForTheFile()
{
    MainWindow window;
    prompter().fileAnswers << commandFile(QStringLiteral("-Import new:<xml>"));
    window.runCommandFile();
    const auto picker = prompter().prompts.value(0);
    QCOMPARE(picker.kind, QStringLiteral("openFileName"));
    QCOMPARE(picker.title, QStringLiteral("Velmora: Run Command file"));
    QCOMPARE(picker.filter, QStringLiteral("Velmora command files (*.txt)"));
    QCOMPARE(picker.folder, QString());
    QCOMPARE(window.tabWidget->count(), 1);

    // Cancelled: nothing runs.
    prompter().reset();
    window.runCommandFile();
    QCOMPARE(prompter().prompts.size(), 1);
    QCOMPARE(window.tabWidget->count(), 1);
}

VELMORA_TEST_MAIN(TestCommandFiles)

} // namespace tst_command_files
#include "tst_command_files.moc"
