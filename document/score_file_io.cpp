// Score's file operations: reading score and MusicXML files, saving the
// score file, removing files and the autosave file, the file property box.
#include "model/score.h"

#include "document/safewrite.h"
#include "document/scorexmlmode.h"
#include "document/xmlfiletext.h"
#include "platform/prompter.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUndoStack>

namespace {

// Larger than any score; a file beyond it is not one.
constexpr qint64 maxFileBytes = 256 * 1024 * 1024;

// The start of a zip archive, which compressed MusicXML (.mxl) is.
const QByteArray zipSignature("PK\x03\x04", 4);

// Reads the whole file; on failure `error` gets the reason. Only regular
// files (resource files among them) are read: a device or a pipe has no
// end, and reading one would fill the memory or block.
std::optional<QString> readWholeFile(const QString &path, QString &error)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        error = QCoreApplication::translate("Score", "not a regular file");
        return std::nullopt;
    }
    const QString tooLarge =
        QCoreApplication::translate("Score", "larger than %1 MB").arg(maxFileBytes / (1024 * 1024));
    if (info.size() > maxFileBytes) {
        error = tooLarge;
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return std::nullopt;
    }
    // Read in pieces, so that memory follows the file's real length; the
    // file may have grown since its size was taken.
    QByteArray bytes;
    bytes.reserve(info.size());
    while (!file.atEnd() && bytes.size() <= maxFileBytes) {
        const QByteArray piece = file.read(1024 * 1024);
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return std::nullopt;
    }
    if (bytes.size() > maxFileBytes) {
        error = tooLarge;
        return std::nullopt;
    }
    // Judged by what it holds, not by its name: a renamed plain file reads.
    if (bytes.startsWith(zipSignature)) {
        // It can never be read: the reason says what to do instead.
        error = QCoreApplication::translate(
            "Score", "it is compressed MusicXML (.mxl), which Velmora does not read: export it "
                     "from MuseScore as uncompressed MusicXML (.musicxml)");
        return std::nullopt;
    }
    return XmlFileText::decode(bytes, &error);
}

// "/C:/music/x.musicxml" is a Windows path written the URL way; the "/"
// goes. Every other path, absolute Linux paths above all, stays as given.
QString withoutSlashBeforeDrive(const QString &path)
{
    static const QRegularExpression slashDrive(QStringLiteral("^/[A-Za-z]:[/\\\\]"));
    return slashDrive.match(path).hasMatch() ? path.mid(1) : path;
}

} // namespace

bool Score::readFile(const QString &path)
{
    QString error;
    const std::optional<QString> text = readWholeFile(path, error);
    if (!text) {
        Prompter::instance().warning(this, tr("Velmora"),
                                     tr("Can't read file (%1)!:\n%2.").arg(path, error));
        return false;
    }
    filePath = path;
    documentText = *text;
    fileStamp = DiskStamp::read(path);
    if (dSw) {
        qDebug().noquote() << "readFile 2";
        qDebug().noquote() << "fileName=" + path;
        qDebug().noquote() << "fileText=" + documentText;
    }
    return true;
}

bool Score::readMusicXmlFile(const QString &path)
{
    const QString opened = withoutSlashBeforeDrive(path);
    QString error;
    const std::optional<QString> text = readWholeFile(opened, error);
    if (!text) {
        Prompter::instance().warning(this, tr("Velmora"),
                                     tr("Can't read file (%1)!:\n%2.").arg(opened, error));
        return false;
    }
    musicXmlFilePath = path;
    filePath.clear();
    documentText = *text;
    return true;
}

bool Score::saveFile()
{
    if (refuseReleased())
        return false;
    documentText = buildScoreXml(ScoreXmlMode::ScoreFile);
    if (filePath.isEmpty())
        return false;
    const QByteArray bytes = documentText.toUtf8();
    if (!writeFileBytes(filePath, bytes))
        return false;
    fileStamp = DiskStamp::of(filePath, bytes);
    setChanged(false);
    // A tick after the save would only write the saved score again, and
    // leave a file that a later start offers as lost work.
    changedSinceAutoSave = false;
    // What the stack holds now is saved: a later rebuild that clears the
    // history has no unsaved edit to report.
    undoStack->setClean();
    return true;
}

bool Score::saveFileAs(const QString &path)
{
    if (refuseReleased())
        return false;
    documentText = buildScoreXml(ScoreXmlMode::ScoreFile);
    filePath = path;
    const QByteArray bytes = documentText.toUtf8();
    if (!writeFileBytes(path, bytes))
        return false;
    fileStamp = DiskStamp::of(path, bytes);
    return true;
}

bool Score::removeFile(const QString &path)
{
    return QFile::remove(path);
}

bool Score::deleteAutoSavedFile()
{
    qDebug().noquote() << "deleteAutoSavedFile Entered.";
    const QString path = autoSavePath();
    qDebug().noquote() << "deleteAutoSavedFile file name = " + path;
    return QFile::remove(path);
}

void Score::showFileProperty()
{
    Prompter::instance().information(
        nullptr, QString(),
        tr("File Path: %1<br><br>Created by Velmora Version: %2<br><br>Last Updated On: %3")
            .arg(filePath, creatorVersion, lastUpdate));
}

bool Score::writeTextFile(const QString &path, const QString &text)
{
    return writeFileBytes(path, text.toUtf8());
}

bool Score::writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QString error;
    if (SafeWrite::replaceFile(path, bytes, error))
        return true;
    reportWriteFailure(path, error);
    return false;
}

void Score::reportWriteFailure(const QString &path, const QString &error)
{
    Prompter::instance().warning(this, tr("Velmora"),
                                 tr("Can't write file (%1)!:\n%2.").arg(path, error));
}
