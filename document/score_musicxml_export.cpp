// Score's MusicXML export: plain MusicXML (or with note names as lyrics)
// written from a copy of the document, and the MuseScore hand-off file.
#include "model/score.h"

#include "document/documentredirect.h"
#include "document/domfromtext.h"
#include "document/scorexmlmode.h"

#include <QDir>

bool Score::exportMusicXMLFile(const QString &path, ScoreXmlMode mode)
{
    if (refuseReleased())
        return false;
    // Note names as lyrics are read from what the regeneration drew, so it
    // must show the model as it is now; the view is then current too.
    if (mode == ScoreXmlMode::NoteNameLyrics)
        generateScore();
    // The score's own document is brought up to date first, as a save
    // would; the export build then runs on a copy, so the document, the
    // model and the undo history stay as they are.
    const QString snapshot = buildScoreXml(ScoreXmlMode::ScoreFile);
    const QString updated = lastUpdate;
    QString exported;
    {
        DocumentRedirect onCopy(this);
        const QString built = buildScoreXml(mode);
        QDomDocument output;
        DomFromText::read(built, output);
        removeExtensionElements(output.firstChildElement(QStringLiteral("score-partwise")));
        exported = output.toString(1);
    }
    // The snapshot's time is the one the document holds.
    lastUpdate = updated;
    const bool written = writeTextFile(path, exported);
    setFileNameAndText(filePath, snapshot);
    return written;
}

bool Score::exportMusicXMLToMuseScore(ScoreXmlMode mode)
{
    return exportMusicXMLFile(museScoreHandOffPath(), mode);
}

QString Score::museScoreHandOffPath()
{
    return QDir::homePath() + QStringLiteral("/velmora_exported.musicxml");
}
