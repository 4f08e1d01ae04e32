// Score files on disk: save, read and load round trips, read and write
// failures (also those that strike after the file was opened), the
// autosave file and its removal, the environment file, the MusicXML export
// on a copy of the document, and the MuseScore hand-off.
#include "app/version.h"
#include "document/autosavefolder.h"
#include "document/domfromtext.h"
#include "document/scorexmlmode.h"
#include "model/credit.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "support/failingwrites.h"
#include "support/messagecapture.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QUndoCommand>
#include <QUndoStack>

#include <memory>

namespace tst_score_files {

using TestSupport::dumpModel;
using TestSupport::ModelBuilder;

namespace {

std::unique_ptr<Score> newScore(int number = 1)
{
    return std::make_unique<Score>(QString::fromLatin1(Velmora::programVersion), number, false);
}

QString home()
{
    return QDir::homePath();
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString fixturePath()
{
    return TestSupport::sourcePath(
        QStringLiteral("tests/fixtures/writer/Writer-EditableItems.xml"));
}

// A score imported from the writer fixture.
std::unique_ptr<Score> imported(int number = 1)
{
    auto score = newScore(number);
    if (!score->readMusicXmlFile(fixturePath()) || !score->parseScoreXml(false))
        return nullptr;
    return score;
}

// A score opened from a score file.
std::unique_ptr<Score> opened(const QString &path)
{
    auto score = newScore();
    if (!score->readFile(path) || !score->parseScoreXml(false))
        return nullptr;
    return score;
}

QString withoutUpdateTime(QString text)
{
    static const QRegularExpression time(
        QStringLiteral("<last-update-date-time>[^<]*</last-update-date-time>"));
    return text.replace(time, QString());
}

Lyrics *firstLyric(Score &score)
{
    return score.measures.at(0)->parts.at(0)->voices.at(0)->notes.at(0)->lyrics.at(0);
}

// An undoable move of a lyric or credit, holding the model object itself as
// the editing commands do.
class MoveCommand : public QUndoCommand
{
public:
    MoveCommand(UserOffset *target, double x, double y) : m_target(target), m_x(x), m_y(y) {}
    void redo() override { m_target->setOffset(m_x, m_y); }
    void undo() override
    {
        m_target->x = 0.0;
        m_target->y = 0.0;
        m_target->moved = false;
    }

private:
    UserOffset *m_target;
    double m_x;
    double m_y;
};

QString scratchFolder()
{
    const QString path = home() + QStringLiteral("/files");
    QDir().mkpath(path);
    return path;
}

QStringList folderEntries(const QString &file)
{
    return QFileInfo(file).dir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Runs one of the score's writers; returns the file it writes and, in
// `succeeded`, whether it says it wrote it (for the autosave: whether its
// flag was cleared).
QString runWriter(Score &score, const QString &writer, bool &succeeded)
{
    const QString target = scratchFolder() + QStringLiteral("/target.out");
    if (writer == QLatin1String("save")) {
        score.filePath = target;
        succeeded = score.saveFile();
    } else if (writer == QLatin1String("save as")) {
        succeeded = score.saveFileAs(target);
    } else if (writer == QLatin1String("autosave")) {
        score.autoSave();
        succeeded = !score.changedSinceAutoSave;
        return score.autoSavePath();
    } else if (writer == QLatin1String("plain export")) {
        succeeded = score.exportMusicXMLFile(target, ScoreXmlMode::PlainMusicXml);
    } else if (writer == QLatin1String("note-name export")) {
        succeeded = score.exportMusicXMLFile(target, ScoreXmlMode::NoteNameLyrics);
    } else if (writer == QLatin1String("hand-off")) {
        succeeded = score.exportMusicXMLToMuseScore(ScoreXmlMode::PlainMusicXml);
        return Score::museScoreHandOffPath();
    } else if (writer == QLatin1String("environment file")) {
        succeeded = score.writeVelmoraEnv();
        return Score::velmoraEnvPath();
    } else {
        qFatal("unknown writer %s", qPrintable(writer));
    }
    return target;
}

} // namespace

class TestScoreFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void saveReadLoadRoundTrip();
    void saveFileWithoutNameOnlyBuilds();
    void absolutePathsOpen_data();
    void absolutePathsOpen();
    void unreadableFileChangesNothing_data();
    void unreadableFileChangesNothing();
    void nonXmlScoreFileIsRefused();
    void unwritableTargetKeepsOldFile_data();
    void unwritableTargetKeepsOldFile();
    void failedWriteKeepsOldFileAndFlags_data();
    void failedWriteKeepsOldFileAndFlags();

    void autoSaveWritesOnlyAfterChange();
    void autoSaveNames_data();
    void autoSaveNames();
    void failedAutoSaveKeepsFlag();

    void environmentFileLayout();
    void environmentAppliedByPosition_data();
    void environmentAppliedByPosition();
    void environmentFileWithoutUsableContent();

    void plainExportLeavesScoreUntouched();
    void editsAroundExportReachTheFile();
    void failedExportRestoresNothingToLose();
    void exportWritesTheBuiltDocument_data();
    void exportWritesTheBuiltDocument();
    void handOff();
    void fileProperty();

    void releasedScoreRefuses_data();
    void releasedScoreRefuses();
};

void TestScoreFiles::init()
{
    TestSupport::prompter().reset();
    QDir(home() + QStringLiteral("/velmora_autosave")).removeRecursively();
    QFile::remove(Score::velmoraEnvPath());
}

void TestScoreFiles::saveReadLoadRoundTrip()
{
    auto score = imported();
    QVERIFY(score);
    firstLyric(*score)->setOffset(1.25, -2.5);
    const QString path = scratchFolder() + QStringLiteral("/round.tnsx");
    QVERIFY(score->saveFileAs(path));
    QCOMPARE(score->filePath, path);
    const QByteArray bytes = bytesOf(path);
    QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(QString::fromUtf8(bytes), score->documentText);

    auto again = opened(path);
    QVERIFY(again);
    QCOMPARE(again->filePath, path);
    QCOMPARE(dumpModel(again.get()), dumpModel(score.get()));
    QVERIFY(firstLyric(*again)->moved);

    // Saving to the name read clears the changed flag and writes the same.
    again->setChanged(true);
    QVERIFY(again->saveFile());
    QVERIFY(!again->changed);
    QCOMPARE(withoutUpdateTime(QString::fromUtf8(bytesOf(path))),
             withoutUpdateTime(QString::fromUtf8(bytes)));
    QVERIFY(TestSupport::prompter().prompts.isEmpty());
}

void TestScoreFiles::saveFileWithoutNameOnlyBuilds()
{
    auto score = imported();
    QVERIFY(score);
    score->documentText = QStringLiteral("stale");
    score->setChanged(true);
    QVERIFY(!score->saveFile());
    QVERIFY(score->documentText.contains(QStringLiteral("tarn-page")));
    QVERIFY(score->changed);
    QVERIFY(TestSupport::prompter().prompts.isEmpty());
}

void TestScoreFiles::absolutePathsOpen_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("readable");
    QTest::newRow("absolute Linux path") << fixturePath() << true;
    QTest::newRow("doubled slash") << QStringLiteral("/") + fixturePath() << true;
    // A URL-style Windows path loses its slash: "C:/..." does not exist here.
    QTest::newRow("slash before drive") << QStringLiteral("/C:/music/song.musicxml") << false;
}

void TestScoreFiles::absolutePathsOpen()
{
    QFETCH(QString, path);
    QFETCH(bool, readable);
    auto score = newScore();
    score->filePath = QStringLiteral("old.tnsx");
    QCOMPARE(score->readMusicXmlFile(path), readable);
    if (readable) {
        QCOMPARE(score->musicXmlFilePath, path);
        QVERIFY(score->filePath.isEmpty());
        QVERIFY(score->parseScoreXml(false));
        QCOMPARE(score->parts.size(), 2);
    } else {
        QCOMPARE(TestSupport::prompter().texts(QStringLiteral("warning")).size(), 1);
        QVERIFY(TestSupport::prompter().texts().first().startsWith(
            QStringLiteral("Can't read file (C:/music/song.musicxml)!:\n")));
        QCOMPARE(score->filePath, QStringLiteral("old.tnsx"));
    }
}

void TestScoreFiles::unreadableFileChangesNothing_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("musicXml");
    QTest::addColumn<QString>("reason"); // "" for the device's own words
    const QString missing = scratchFolder() + QStringLiteral("/missing.tnsx");
    const QString notRegular = QStringLiteral("not a regular file");
    QTest::newRow("missing score file") << missing << false << QString();
    QTest::newRow("missing MusicXML file") << missing << true << QString();
    QTest::newRow("folder") << scratchFolder() << false << notRegular;
    // A device is not read at all: /dev/zero has no end.
    QTest::newRow("character device") << QStringLiteral("/dev/zero") << false << notRegular;
    QTest::newRow("character device as MusicXML")
        << QStringLiteral("/dev/zero") << true << notRegular;
    const QString huge = scratchFolder() + QStringLiteral("/huge.musicxml");
    QFile sparse(huge);
    if (sparse.open(QIODevice::WriteOnly))
        sparse.resize(256 * 1024 * 1024 + 1);
    QTest::newRow("larger than 256 MB") << huge << true << QStringLiteral("larger than 256 MB");
}

void TestScoreFiles::unreadableFileChangesNothing()
{
    QFETCH(QString, path);
    QFETCH(bool, musicXml);
    QFETCH(QString, reason);
    auto score = newScore();
    score->filePath = QStringLiteral("kept.tnsx");
    score->musicXmlFilePath = QStringLiteral("kept.musicxml");
    score->documentText = QStringLiteral("kept");
    QVERIFY(!(musicXml ? score->readMusicXmlFile(path) : score->readFile(path)));
    const QStringList warnings = TestSupport::prompter().texts(QStringLiteral("warning"));
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().startsWith(QStringLiteral("Can't read file (%1)!:\n").arg(path)) &&
                 warnings.first().endsWith(reason + QLatin1Char('.')),
             qPrintable(warnings.first()));
    QCOMPARE(TestSupport::prompter().prompts.first().title, QStringLiteral("Velmora"));
    QCOMPARE(score->filePath, QStringLiteral("kept.tnsx"));
    QCOMPARE(score->musicXmlFilePath, QStringLiteral("kept.musicxml"));
    QCOMPARE(score->documentText, QStringLiteral("kept"));
}

void TestScoreFiles::nonXmlScoreFileIsRefused()
{
    const QString path = scratchFolder() + QStringLiteral("/notxml.tnsx");
    writeBytes(path, "this is no score");
    auto score = imported();
    QVERIFY(score);
    const QString before = dumpModel(score.get());
    QVERIFY(score->readFile(path));
    QVERIFY(!score->parseScoreXml(false));
    QCOMPARE(dumpModel(score.get()), before);
    QCOMPARE(TestSupport::prompter().texts(QStringLiteral("warning")).size(), 1);
}

void TestScoreFiles::unwritableTargetKeepsOldFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing folder") << scratchFolder() + QStringLiteral("/no/such/x.tnsx");
    QTest::newRow("a folder") << scratchFolder();
}

void TestScoreFiles::unwritableTargetKeepsOldFile()
{
    QFETCH(QString, path);
    auto score = imported();
    QVERIFY(score);
    QVERIFY(!score->saveFileAs(path));
    // The name is taken before the write is tried.
    QCOMPARE(score->filePath, path);
    const QStringList warnings = TestSupport::prompter().texts(QStringLiteral("warning"));
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().startsWith(QStringLiteral("Can't write file (%1)!:\n").arg(path)),
             qPrintable(warnings.first()));
    score->setChanged(true);
    QVERIFY(!score->saveFile());
    QVERIFY(score->changed);
    QVERIFY(QFileInfo(scratchFolder()).isDir());
}

void TestScoreFiles::failedWriteKeepsOldFileAndFlags_data()
{
    QTest::addColumn<QString>("writer");
    for (const char *writer : {"save", "save as", "autosave", "plain export", "note-name export",
                               "hand-off", "environment file"})
        QTest::newRow(writer) << QString::fromLatin1(writer);
}

// The disk fills up after the file was opened: the writer says so with the
// system's reason, the old file stays whole, nothing is left beside it, and
// the changed flags still ask for the write. The same write then succeeds.
void TestScoreFiles::failedWriteKeepsOldFileAndFlags()
{
    QFETCH(QString, writer);
    auto score = imported();
    QVERIFY(score);
    bool succeeded = true;
    QString target;
    {
        // A first run only learns the target and lays the old file there.
        TestSupport::FailingWrites failing(QStringLiteral("No space left on device"));
        score->setChanged(true);
        target = runWriter(*score, writer, succeeded);
    }
    QVERIFY(!succeeded);
    QDir().mkpath(QFileInfo(target).path());
    const QByteArray old("<old-content/>\n");
    writeBytes(target, old);
    const QStringList entries = folderEntries(target);
    TestSupport::prompter().reset();

    {
        TestSupport::FailingWrites failing(QStringLiteral("No space left on device"));
        score->setChanged(true);
        score->changedSinceAutoSave = true;
        runWriter(*score, writer, succeeded);
        QCOMPARE(failing.paths, QStringList{target});
    }
    QVERIFY(!succeeded);
    QCOMPARE(bytesOf(target), old);
    QCOMPARE(folderEntries(target), entries);
    QCOMPARE(TestSupport::prompter().texts(),
             QStringList{
                 QStringLiteral("Can't write file (%1)!:\nNo space left on device.").arg(target)});
    QVERIFY(score->changed);
    QVERIFY(score->changedSinceAutoSave);

    // With room on the disk again the same call writes the whole file.
    runWriter(*score, writer, succeeded);
    QVERIFY(succeeded);
    QDomDocument written;
    QVERIFY(written.setContent(bytesOf(target)));
    QVERIFY(written.documentElement().tagName() != QLatin1String("old-content"));
    if (writer == QLatin1String("save"))
        QVERIFY(!score->changed);
    QCOMPARE(folderEntries(target), entries);
}

void TestScoreFiles::autoSaveWritesOnlyAfterChange()
{
    auto score = imported(4);
    QVERIFY(score);
    const QString path =
        home() + QStringLiteral("/velmora_autosave/Writer-EditableItems_4-") +
        AutoSaveFolder::instanceKey() + QStringLiteral("_autosave.tnsx");
    QCOMPARE(score->autoSavePath(), path);
    score->autoSave();
    QVERIFY(!QFile::exists(path));

    score->undoStack->push(new MoveCommand(firstLyric(*score), 3.0, 4.0));
    QVERIFY(score->changedSinceAutoSave);
    score->autoSave();
    QVERIFY(!score->changedSinceAutoSave);
    QString written = QString::fromUtf8(bytesOf(path));
    // The autosave file names the file it stands for; a score file never.
    const QString source =
        QStringLiteral("<autosave-source>%1</autosave-source>").arg(fixturePath());
    QVERIFY(written.contains(source));
    written.remove(QRegularExpression(QStringLiteral("\\s*") + QRegularExpression::escape(source)));
    const QString built = score->buildScoreXml(ScoreXmlMode::ScoreFile);
    QVERIFY(!built.contains(QStringLiteral("autosave-source")));
    QCOMPARE(withoutUpdateTime(written), withoutUpdateTime(built));
    QVERIFY(score->filePath.isEmpty());

    QVERIFY(QFile::remove(path));
    score->autoSave();
    QVERIFY(!QFile::exists(path));

    score->setChanged(true);
    score->autoSave();
    QVERIFY(QFile::exists(path));
    // The imported score's removal finds the file its autosave wrote.
    QVERIFY(score->deleteAutoSavedFile());
    QVERIFY(!QFile::exists(path));
    QVERIFY(!score->deleteAutoSavedFile());
}

void TestScoreFiles::autoSaveNames_data()
{
    QTest::addColumn<QString>("filePath");
    QTest::addColumn<QString>("musicXmlFilePath");
    QTest::addColumn<QString>("name");
    QTest::newRow("score file") << QStringLiteral("/x/song.final.tnsx") << QString()
                                << QStringLiteral("song_3-{key}_autosave.tnsx");
    QTest::newRow("own autosave file") << QStringLiteral("/a/song_7_autosave.tnsx") << QString()
                                       << QStringLiteral("song_7_autosave.tnsx");
    QTest::newRow("imported") << QString() << QStringLiteral("D:/in/song.final.musicxml")
                              << QStringLiteral("song_3-{key}_autosave.tnsx");
    QTest::newRow("nothing") << QString() << QString() << QStringLiteral("_3-{key}_autosave.tnsx");
    QTest::newRow("case matters") << QStringLiteral("/a/song_AUTOSAVE.tnsx") << QString()
                                  << QStringLiteral("song_AUTOSAVE_3-{key}_autosave.tnsx");
}

void TestScoreFiles::autoSaveNames()
{
    QFETCH(QString, filePath);
    QFETCH(QString, musicXmlFilePath);
    QFETCH(QString, name);
    auto score = newScore(3);
    score->filePath = filePath;
    score->musicXmlFilePath = musicXmlFilePath;
    // A new score's autosave name carries this instance's key; a recovered
    // autosave file keeps its own name.
    name.replace(QStringLiteral("{key}"), AutoSaveFolder::instanceKey());
    QCOMPARE(score->autoSavePath(), home() + QStringLiteral("/velmora_autosave/") + name);
}

void TestScoreFiles::failedAutoSaveKeepsFlag()
{
    auto score = imported(2);
    QVERIFY(score);
    // A folder where the autosave file should go cannot be replaced.
    QVERIFY(QDir().mkpath(score->autoSavePath()));
    score->setChanged(true);
    score->autoSave();
    QVERIFY(score->changedSinceAutoSave);
    QCOMPARE(TestSupport::prompter().texts(QStringLiteral("warning")).size(), 1);
    QVERIFY(TestSupport::prompter().texts().first().startsWith(
        QStringLiteral("Can't write file (%1)!:\n").arg(score->autoSavePath())));
    QVERIFY(QDir(score->autoSavePath()).removeRecursively());
    score->autoSave();
    QVERIFY(!score->changedSinceAutoSave);
    QVERIFY(QFileInfo(score->autoSavePath()).isFile());
}

void TestScoreFiles::environmentFileLayout()
{
    auto score = imported();
    QVERIFY(score);
    score->parts.at(0)->partShift = 2.5;
    const QString before = score->document.toString(1);
    const QString text = score->buildVelmoraEnvXml();
    QCOMPARE(score->document.toString(1), before);

    QVERIFY(!text.startsWith(QStringLiteral("<?xml")));
    const QStringList lines = text.split(QLatin1Char('\n'));
    QCOMPARE(lines.at(0), QStringLiteral("<tarnwick-env>"));
    QCOMPARE(lines.at(1), QStringLiteral(" <tarn-page>"));
    QVERIFY(lines.at(2).startsWith(QStringLiteral("  <")));
    QVERIFY(text.contains(QStringLiteral("\n <tarn-style>")));

    QDomDocument environment;
    QVERIFY(environment.setContent(text));
    const QDomElement root = environment.documentElement();
    QCOMPARE(root.tagName(), QStringLiteral("tarnwick-env"));
    QStringList children;
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        children << e.tagName();
    QCOMPARE(children, (QStringList{QStringLiteral("tarn-page"), QStringLiteral("tarn-style"),
                                    QStringLiteral("tarn-part"), QStringLiteral("tarn-part")}));
    QStringList keys;
    const QDomElement part = root.firstChildElement(QStringLiteral("tarn-part"));
    for (QDomElement e = part.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        keys << e.tagName();
    QCOMPARE(keys.size(), 36);
    QCOMPARE(keys.at(3), QStringLiteral("part-collapse"));
    QCOMPARE(keys.first(), QStringLiteral("part-name"));
    QCOMPARE(keys.last(), QStringLiteral("note-width-32"));
    QVERIFY(!keys.contains(QStringLiteral("part-shift")));
    QVERIFY(!keys.contains(QStringLiteral("part-whole-rest-line")));
}

void TestScoreFiles::environmentAppliedByPosition_data()
{
    QTest::addColumn<int>("fileParts");
    QTest::addColumn<int>("scoreParts");
    QTest::newRow("fewer in the file") << 2 << 3;
    QTest::newRow("more in the file") << 3 << 2;
    QTest::newRow("score without parts") << 2 << 0;
}

void TestScoreFiles::environmentAppliedByPosition()
{
    QFETCH(int, fileParts);
    QFETCH(int, scoreParts);
    // The imitated score: parts named E0.., whole-rest lines switched from
    // the default, shifted.
    auto source = newScore();
    const bool wholeRestLine = !source->defaultPart->partWholeRestLine;
    ModelBuilder sourceBuilder(source.get());
    for (int k = 0; k < fileParts; ++k) {
        Part *part = sourceBuilder.addPart(QStringLiteral("E%1").arg(k), 5);
        part->partWholeRestLine = wholeRestLine;
        part->partShift = 2.5;
    }
    source->page->startPageNumber = 5;
    source->style->staffNoteFontSize = 7;
    QString text = source->buildVelmoraEnvXml();
    // Whatever follows the last part the score can take is not looked at.
    text.replace(QStringLiteral("</tarnwick-env>"),
                 QStringLiteral("<tarn-page><start-page-number>9</start-page-number></tarn-page>"
                                "</tarnwick-env>"));
    writeBytes(Score::velmoraEnvPath(), text.toUtf8());

    auto score = newScore();
    ModelBuilder builder(score.get());
    for (int k = 0; k < scoreParts; ++k)
        builder.addPart(QStringLiteral("S%1").arg(k), 3);
    QVERIFY(score->readVelmoraEnv());

    QCOMPARE(score->style->staffNoteFontSize, 7);
    for (int k = 0; k < scoreParts; ++k) {
        const Part *part = score->parts.at(k);
        const bool fromFile = k < fileParts;
        QCOMPARE(part->partName,
                 fromFile ? QStringLiteral("E%1").arg(k) : QStringLiteral("S%1").arg(k));
        QCOMPARE(part->notationStyle, fromFile ? 5 : 3);
        QCOMPARE(part->partWholeRestLine, fromFile ? wholeRestLine : !wholeRestLine);
        QCOMPARE(part->partShift, 0.0);
    }
    // The trailing page element is read only when the walk reaches it.
    const bool reachedEnd = scoreParts > fileParts;
    QCOMPARE(score->page->startPageNumber, reachedEnd ? 9 : 5);
}

void TestScoreFiles::environmentFileWithoutUsableContent()
{
    auto score = newScore();
    ModelBuilder builder(score.get());
    builder.addPart(QStringLiteral("S"), 3);
    QVERIFY(score->parts.at(0)->partWholeRestLine);
    QVERIFY(!score->readVelmoraEnv());

    writeBytes(Score::velmoraEnvPath(),
               "<tarnwick-env><tarn-part><notation-style>Undefined(Error)</notation-style>"
               "<part-whole-rest-line>false</part-whole-rest-line></tarn-part></tarnwick-env>");
    TestSupport::MessageCapture capture;
    QVERIFY(score->readVelmoraEnv());
    QCOMPARE(score->parts.at(0)->notationStyle, 0);
    QVERIFY(score->parts.at(0)->partWholeRestLine);
    QVERIFY(capture.contains(
        QStringLiteral("parseScorePart notationstyle not defined, use default =========Warning")));

    writeBytes(Score::velmoraEnvPath(), "");
    TestSupport::MessageCapture empty;
    QVERIFY(score->readVelmoraEnv());
    QVERIFY(empty.contains(QStringLiteral("readVelmoraEnv exited.")));
}

void TestScoreFiles::plainExportLeavesScoreUntouched()
{
    auto score = imported();
    QVERIFY(score);
    score->filePath = QStringLiteral("/kept/name.tnsx");
    firstLyric(*score)->setOffset(1.0, 2.0);
    const QString dump = dumpModel(score.get());
    const Lyrics *lyric = firstLyric(*score);
    const QDomElement lyricElement = lyric->element;
    const QString path = scratchFolder() + QStringLiteral("/plain.musicxml");

    QVERIFY(score->exportMusicXMLFile(path, ScoreXmlMode::PlainMusicXml));
    const QString exported = QString::fromUtf8(bytesOf(path));
    QVERIFY(exported.contains(QStringLiteral("<score-partwise")));
    QVERIFY(!exported.contains(QStringLiteral("<tarn-")));
    QVERIFY(!bytesOf(path).startsWith("\xEF\xBB\xBF"));

    QCOMPARE(score->filePath, QStringLiteral("/kept/name.tnsx"));
    QCOMPARE(dumpModel(score.get()), dump);
    // An export leaves a clean score clean: closing it asks nothing.
    QVERIFY(!score->changed);
    QVERIFY(!score->changedSinceAutoSave);
    // The same model objects, still holding the score's own elements.
    QCOMPARE(firstLyric(*score), lyric);
    QVERIFY(lyric->element == lyricElement);
    QVERIFY(score->document.toString(1).contains(QStringLiteral("<tarn-page>")));
    QCOMPARE(withoutUpdateTime(score->documentText),
             withoutUpdateTime(score->buildScoreXml(ScoreXmlMode::ScoreFile)));
}

void TestScoreFiles::editsAroundExportReachTheFile()
{
    auto score = imported();
    QVERIFY(score);
    score->undoStack->push(new MoveCommand(firstLyric(*score), 5.5, 6.5));
    QVERIFY(score->exportMusicXMLFile(scratchFolder() + QStringLiteral("/mid.musicxml"),
                                      ScoreXmlMode::PlainMusicXml));
    score->undoStack->push(new MoveCommand(score->credits.at(0), 7.5, 8.5));
    const QString path = scratchFolder() + QStringLiteral("/edited.tnsx");
    QVERIFY(score->saveFileAs(path));

    auto again = opened(path);
    QVERIFY(again);
    QVERIFY(firstLyric(*again)->moved);
    QCOMPARE(firstLyric(*again)->x, 5.5);
    QVERIFY(again->credits.at(0)->moved);
    QCOMPARE(again->credits.at(0)->y, 8.5);

    // The history reaches back over the export.
    QCOMPARE(score->undoStack->count(), 2);
    score->undoStack->undo();
    score->undoStack->undo();
    QVERIFY(!firstLyric(*score)->moved);
    QVERIFY(!score->credits.at(0)->moved);
}

void TestScoreFiles::failedExportRestoresNothingToLose()
{
    auto score = imported();
    QVERIFY(score);
    const QString dump = dumpModel(score.get());
    QVERIFY(!score->exportMusicXMLFile(scratchFolder() + QStringLiteral("/no/x.musicxml"),
                                       ScoreXmlMode::PlainMusicXml));
    QCOMPARE(TestSupport::prompter().texts(QStringLiteral("warning")).size(), 1);
    QVERIFY(
        TestSupport::prompter().texts().first().startsWith(QStringLiteral("Can't write file (")));
    QCOMPARE(dumpModel(score.get()), dump);
    QVERIFY(!score->changed);
}

void TestScoreFiles::exportWritesTheBuiltDocument_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<int>("modeNumber");
    for (const char *name : {"Writer-EditableItems", "Writer-GlyphLyrics", "Writer-ExportContexts"}) {
        QTest::addRow("%s plain", name) << QString::fromLatin1(name) << int(ScoreXmlMode::PlainMusicXml);
        QTest::addRow("%s note names", name)
            << QString::fromLatin1(name) << int(ScoreXmlMode::NoteNameLyrics);
    }
}

// The export streams measure by measure; what it writes is the text of the
// whole document built in the mode, read back and stripped of the
// program's elements, as a score that could give its document up would
// make it.
void TestScoreFiles::exportWritesTheBuiltDocument()
{
    QFETCH(QString, fixture);
    QFETCH(int, modeNumber);
    const auto mode = ScoreXmlMode(modeNumber);
    const QString source =
        TestSupport::sourcePath(QStringLiteral("tests/fixtures/writer/%1.xml").arg(fixture));
    const auto load = [&source](int number) {
        auto score = newScore(number);
        if (!score->readMusicXmlFile(source) || !score->parseScoreXml(false))
            return std::unique_ptr<Score>();
        // Moved lyrics: their model handles are what the export redirects.
        for (const Measure *measure : std::as_const(score->measures)) {
            for (const Voice *voice : measure->parts.at(0)->voices) {
                for (const Note *note : voice->notes) {
                    for (Lyrics *lyric : note->lyrics)
                        lyric->setOffset(1.5, -2.0);
                }
            }
        }
        return score;
    };
    auto score = load(1);
    auto reference = load(2);
    QVERIFY(score && reference);
    const QString path = scratchFolder() + QStringLiteral("/built.musicxml");
    QVERIFY(score->exportMusicXMLFile(path, mode));

    if (mode == ScoreXmlMode::NoteNameLyrics)
        reference->generateScore();
    reference->buildScoreXml(ScoreXmlMode::ScoreFile);
    QDomDocument readBack;
    QCOMPARE(DomFromText::read(reference->buildScoreXml(mode), readBack), DomFromText::Fault::None);
    reference->removeExtensionElements(readBack.firstChildElement(QStringLiteral("score-partwise")));
    QCOMPARE(QString::fromUtf8(bytesOf(path)), readBack.toString(1));
}

void TestScoreFiles::handOff()
{
    auto score = imported();
    QVERIFY(score);
    const QString path = home() + QStringLiteral("/velmora_exported.musicxml");
    QCOMPARE(Score::museScoreHandOffPath(), path);
    QVERIFY(score->exportMusicXMLToMuseScore(ScoreXmlMode::PlainMusicXml));
    const QByteArray first = bytesOf(path);
    QVERIFY(first.contains("<score-partwise"));
    QVERIFY(!first.contains("<tarn-"));

    // A hand-off that cannot be written says so.
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path));
    QVERIFY(!score->exportMusicXMLToMuseScore(ScoreXmlMode::PlainMusicXml));
    QCOMPARE(TestSupport::prompter().texts(QStringLiteral("warning")).size(), 1);
    QVERIFY(QDir(path).removeRecursively());
}

void TestScoreFiles::fileProperty()
{
    auto score = newScore();
    score->filePath = QStringLiteral("/a/b.tnsx");
    score->lastUpdate = QStringLiteral("2024/01/02 - 03:04:05");
    score->showFileProperty();
    const auto &prompts = TestSupport::prompter().prompts;
    QCOMPARE(prompts.size(), 1);
    QCOMPARE(prompts.first().kind, QStringLiteral("information"));
    QVERIFY(prompts.first().title.isEmpty());
    QCOMPARE(prompts.first().text,
             QStringLiteral("File Path: /a/b.tnsx<br><br>Created by Velmora Version: %1<br><br>"
                            "Last Updated On: 2024/01/02 - 03:04:05")
                 .arg(QString::fromLatin1(Velmora::programVersion)));
}

void TestScoreFiles::releasedScoreRefuses_data()
{
    QTest::addColumn<QString>("writer");
    for (const char *writer : {"save", "save as", "plain export", "note-name export", "hand-off",
                               "autosave", "edit"})
        QTest::newRow(writer) << QString::fromLatin1(writer);
}

// A score that let go of its document would write a document without its
// music over the user's file; every writer and every edit refuses it.
void TestScoreFiles::releasedScoreRefuses()
{
    QFETCH(QString, writer);
    auto score = imported();
    QVERIFY(score);
    score->setChanged(true);
    score->releaseDocument();
    const QByteArray kept("the user's file");
    for (const QString &path : {scratchFolder() + QStringLiteral("/target.out"),
                                Score::museScoreHandOffPath(), score->autoSavePath()}) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        writeBytes(path, kept);
    }

    QString written;
    bool succeeded = true;
    if (writer == QLatin1String("edit")) {
        score->pushCommand(new MoveCommand(firstLyric(*score), 3.0, 4.0));
        succeeded = firstLyric(*score)->moved;
        QCOMPARE(score->undoStack->count(), 0);
    } else {
        written = runWriter(*score, writer, succeeded);
        QCOMPARE(bytesOf(written), kept);
    }
    QVERIFY(!succeeded);
    const QStringList warnings = TestSupport::prompter().texts(QStringLiteral("warning"));
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().contains(QStringLiteral("was loaded only to draw its pages")));
    const QString name = score->filePath.isEmpty() ? fixturePath() : score->filePath;
    QVERIFY(warnings.first().contains(QStringLiteral("(%1)").arg(name)));
}

VELMORA_TEST_MAIN(TestScoreFiles)

} // namespace tst_score_files
#include "tst_score_files.moc"
