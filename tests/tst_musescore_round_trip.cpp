// Scores to and from the real MuseScore 3 through the generated plug-in
// scripts: MuseScore's export script writes a score the program imports,
// and the program's hand-off file is what the import script and MuseScore's
// converter read. Skipped when MuseScore 3 ("mscore3") is not installed.
#include "app/dialogmsplugin.h"
#include "app/mainwindow.h"
#include "document/scorexmlmode.h"
#include "model/directive.h"
#include "model/measure.h"
#include "model/note.h"
#include "model/score.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>

namespace tst_musescore_round_trip {

namespace {

using TestSupport::prompter;

// MuseScore can take long to start on a loaded machine.
constexpr int museScoreTimeLimitMs = 240000;

struct MuseScoreRun
{
    bool finished = false;
    int exitCode = -1;
    QString output; // standard output and error together
    qint64 elapsedMs = 0;
};

// Runs mscore3 headless with a HOME and runtime folder of its own, so it
// neither reads nor writes the user's MuseScore settings.
MuseScoreRun runMuseScore(const QString &program, const QStringList &arguments)
{
    QTemporaryDir museHome;
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), museHome.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.remove(QStringLiteral("XDG_CONFIG_HOME"));
    environment.remove(QStringLiteral("XDG_DATA_HOME"));
    environment.remove(QStringLiteral("XDG_CACHE_HOME"));

    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    MuseScoreRun run;
    run.finished = process.waitForFinished(museScoreTimeLimitMs);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
    }
    run.elapsedMs = timer.elapsed();
    run.exitCode = process.exitCode();
    run.output = QString::fromUtf8(process.readAll());
    qInfo().noquote() << "mscore3" << arguments.join(QLatin1Char(' ')) << "took" << run.elapsedMs
                      << "ms; it logged:\n"
                      << run.output.trimmed();
    return run;
}

// The lines the scripts wrote with console.log.
QStringList scriptLines(const MuseScoreRun &run)
{
    QStringList lines;
    for (const QString &line : run.output.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("qml: ")))
            lines << line.mid(5).trimmed();
    }
    return lines;
}

QDomDocument readXml(const QString &path)
{
    QDomDocument document;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        document.setContent(&file);
    return document;
}

QString softwareOf(const QString &path)
{
    return readXml(path).elementsByTagName(QStringLiteral("software")).item(0).toElement().text();
}

QString homeFile(const QString &name)
{
    return QDir::homePath() + QLatin1Char('/') + name;
}

// Three measures of one part; the first note carries a directive.
const char *const directiveScore = R"(<?xml version="1.0" encoding="UTF-8"?>
<score-partwise version="3.1">
  <part-list><score-part id="P1"><part-name>Koto</part-name></score-part></part-list>
  <part id="P1">
    <measure number="1">
      <attributes><divisions>1</divisions><time><beats>2</beats><beat-type>4</beat-type></time>
        <clef><sign>G</sign><line>2</line></clef></attributes>
      <note><pitch><step>C</step><octave>5</octave></pitch><duration>2</duration><voice>1</voice>
        <type>half</type><notations><technical><fingering>.pizz</fingering></technical></notations></note>
    </measure>
    <measure number="2">
      <note><pitch><step>D</step><octave>5</octave></pitch><duration>2</duration><voice>1</voice><type>half</type></note>
    </measure>
    <measure number="3">
      <note><pitch><step>E</step><octave>5</octave></pitch><duration>2</duration><voice>1</voice><type>half</type></note>
    </measure>
  </part>
</score-partwise>
)";

const char *const fixture = "corpus/lilypond-musicxml-testsuite/01a-Pitches-Pitches.xml";

} // namespace

class TestMuseScoreRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void scriptsLoadInMuseScore();
    void museScoreToProgram();
    void programToMuseScore_data();
    void programToMuseScore();
    void layoutSurvivesTheRoundTrip();

private:
    void openFixture(MainWindow &window);

    QString m_museScore;
    QTemporaryDir m_pluginFolder;
};

void TestMuseScoreRoundTrip::initTestCase()
{
    m_museScore = QStandardPaths::findExecutable(QStringLiteral("mscore3"));
    if (m_museScore.isEmpty())
        QSKIP("MuseScore 3 (mscore3) is not installed; install Debian's package musescore3 "
              "(bash tools/install-deps.sh musescore3) to run these checks.");
    // The scripts as the program generates them, for this process's home.
    MainWindow window;
    window.dialogMSPlugin->findChild<QLineEdit *>(QStringLiteral("lineEditMSPluginFolder"))
        ->setText(m_pluginFolder.path());
    prompter().reset();
    window.msplugin();
    QCOMPARE(prompter().texts(QStringLiteral("information")).size(), 1);
}

void TestMuseScoreRoundTrip::init()
{
    QFile::remove(homeFile(QStringLiteral("musescore_exported.musicxml")));
    QFile::remove(homeFile(QStringLiteral("velmora_exported.musicxml")));
    prompter().reset();
}

void TestMuseScoreRoundTrip::openFixture(MainWindow &window)
{
    QVERIFY(window.importXmlFile2(false, TestSupport::fixturePath(QLatin1String(fixture))));
    QVERIFY(window.currentScore());
    prompter().reset();
}

// MuseScore refuses a script it cannot compile without failing its exit
// status; its output says so.
void TestMuseScoreRoundTrip::scriptsLoadInMuseScore()
{
    const QString score = TestSupport::fixturePath(QLatin1String(fixture));
    for (const QString &name : {QStringLiteral("ExportMusicXMLtoVelmora.qml"),
                                QStringLiteral("ImportMusicXMLfromVelmora.qml")}) {
        const MuseScoreRun run = runMuseScore(
            m_museScore, {QStringLiteral("-p"), m_pluginFolder.path() + "/Velmora/" + name, score});
        QVERIFY2(run.finished, qPrintable(run.output));
        QVERIFY2(!run.output.contains(QLatin1String("creating component")), qPrintable(run.output));
        QVERIFY2(!scriptLines(run).isEmpty(), qPrintable(run.output));
    }
}

// The export script writes MuseScore's current score to the hand-off file,
// which "Import New from MuseScore" opens without asking.
void TestMuseScoreRoundTrip::museScoreToProgram()
{
    MainWindow window;
    openFixture(window);
    const Score *original = window.currentScore();
    QTemporaryDir work;
    const QString written = work.path() + QStringLiteral("/written-here.musicxml");
    QVERIFY(window.currentScore()->exportMusicXMLFile(written, ScoreXmlMode::PlainMusicXml));

    const MuseScoreRun run = runMuseScore(
        m_museScore,
        {QStringLiteral("-p"),
         m_pluginFolder.path() + QStringLiteral("/Velmora/ExportMusicXMLtoVelmora.qml"), written});
    QVERIFY2(run.finished, qPrintable(run.output));
    const QString handOff = homeFile(QStringLiteral("musescore_exported.musicxml"));
    QCOMPARE(scriptLines(run),
             QStringList{QStringLiteral("Export MusicXML To Velmora: wrote ") + handOff});
    QVERIFY2(softwareOf(handOff).startsWith(QLatin1String("MuseScore")),
             qPrintable(softwareOf(handOff)));

    const int tabs = window.scoreWindows.size();
    window.importNewMuseScore();
    QCOMPARE(window.scoreWindows.size(), tabs + 1);
    const Score *imported = window.currentScore();
    QVERIFY(imported != original);
    QCOMPARE(imported->parts.size(), original->parts.size());
    QCOMPARE(imported->measures.size(), original->measures.size());
    QCOMPARE(prompter().texts(QStringLiteral("warning")), QStringList());
    QCOMPARE(prompter().texts(QStringLiteral("information")), QStringList());
}

void TestMuseScoreRoundTrip::programToMuseScore_data()
{
    QTest::addColumn<bool>("noteNamesAsLyrics");
    QTest::newRow("plain") << false;
    QTest::newRow("note names as lyrics") << true;
}

// The program's hand-off file is read by the import script, and MuseScore
// converts it.
void TestMuseScoreRoundTrip::programToMuseScore()
{
    QFETCH(bool, noteNamesAsLyrics);
    MainWindow window;
    openFixture(window);
    if (noteNamesAsLyrics) {
        prompter().questionAnswers.enqueue(QMessageBox::Ok);
        window.exportMusicXMLWithLyricsToMS();
    } else {
        window.exportToMuseScoreClean();
    }
    const QString handOff = homeFile(QStringLiteral("velmora_exported.musicxml"));
    QVERIFY(QFile::exists(handOff));
    if (noteNamesAsLyrics)
        QVERIFY(readXml(handOff).elementsByTagName(QStringLiteral("lyric")).size() > 0);

    const MuseScoreRun run =
        runMuseScore(m_museScore, {QStringLiteral("-p"),
                                   m_pluginFolder.path() +
                                       QStringLiteral("/Velmora/ImportMusicXMLfromVelmora.qml"),
                                   TestSupport::fixturePath(QLatin1String(fixture))});
    QVERIFY2(run.finished, qPrintable(run.output));
    QCOMPARE(scriptLines(run),
             QStringList{QStringLiteral("Import MusicXML From Velmora: read %1, %2 measures")
                             .arg(handOff)
                             .arg(window.currentScore()->measures.size())});

    QTemporaryDir work;
    const QString pdf = work.path() + QStringLiteral("/converted.pdf");
    const MuseScoreRun convert = runMuseScore(m_museScore, {QStringLiteral("-o"), pdf, handOff});
    QVERIFY2(convert.finished, qPrintable(convert.output));
    QCOMPARE(convert.exitCode, 0);
    QFile converted(pdf);
    QVERIFY(converted.open(QIODevice::ReadOnly));
    QVERIFY(converted.read(5) == "%PDF-");
}

// A laid-out score goes to MuseScore and comes back through MuseScore's
// export script; the update of the original score keeps its layout.
void TestMuseScoreRoundTrip::layoutSurvivesTheRoundTrip()
{
    QTemporaryDir work;
    const QString source = work.path() + QStringLiteral("/piece.musicxml");
    {
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(directiveScore);
    }
    MainWindow window;
    QVERIFY(window.importXmlFile2(false, source));
    Score *original = window.currentScore();
    Directive *directive = original->noteAt(0, 0, 0, 0)->directives.value(0);
    QVERIFY(directive);
    directive->setOffset(1.5, -0.5);
    original->measures.at(1)->userScale = 1.25;
    original->measures.at(1)->userBreakType = 2;
    original->generateScore();
    prompter().reset();

    window.exportToMuseScoreClean();
    const QString handOff = homeFile(QStringLiteral("velmora_exported.musicxml"));
    QVERIFY(QFile::exists(handOff));
    const MuseScoreRun run = runMuseScore(
        m_museScore,
        {QStringLiteral("-p"),
         m_pluginFolder.path() + QStringLiteral("/Velmora/ExportMusicXMLtoVelmora.qml"), handOff});
    QVERIFY2(run.finished, qPrintable(run.output));
    QVERIFY(softwareOf(homeFile(QStringLiteral("musescore_exported.musicxml")))
                .startsWith(QLatin1String("MuseScore")));

    window.importUpdateFromMuseScore();
    QCOMPARE(prompter().texts(QStringLiteral("question")), QStringList());
    QCOMPARE(window.tabWidget->tabText(window.tabWidget->currentIndex()),
             QStringLiteral("piece_update"));
    const Score *updated = window.currentScore();
    QVERIFY(updated != original);
    QCOMPARE(updated->measures.size(), 3);
    QCOMPARE(updated->measures.at(1)->userScale, 1.25);
    QCOMPARE(updated->measures.at(1)->userBreakType, 2);
    const Note *note = updated->noteAt(0, 0, 0, 0);
    QVERIFY(!note->directives.isEmpty());
    const Directive *carried = note->directives.at(0);
    QCOMPARE(carried->text, QStringLiteral(".pizz"));
    QVERIFY(carried->moved);
    QCOMPARE(carried->x, 1.5);
    QCOMPARE(carried->y, -0.5);
}

VELMORA_TEST_MAIN(TestMuseScoreRoundTrip)

} // namespace tst_musescore_round_trip

#include "tst_musescore_round_trip.moc"
