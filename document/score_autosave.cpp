// Score: the autosave timer's slot and the name of the autosave file.
#include "model/score.h"

#include "document/scorexmlmode.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace {

const QString autoSaveFolder = QStringLiteral("velmora_autosave");
const QString autoSaveSuffix = QStringLiteral("_autosave");

// The file name without its folder and without everything from its first
// dot on: "song.final.tnsx" gives "song".
QString baseNameOf(const QString &path)
{
    return QFileInfo(path).baseName();
}

} // namespace

QString Score::autoSavePath() const
{
    const QString source = filePath.isEmpty() ? musicXmlFilePath : filePath;
    const QString base = baseNameOf(source);
    // A score reopened from its own autosave file keeps writing into it.
    const QString name =
        base.endsWith(autoSaveSuffix)
            ? base
            : base + QLatin1Char('_') + QString::number(scoreNumber) + autoSaveSuffix;
    return QDir::homePath() + QLatin1Char('/') + autoSaveFolder + QLatin1Char('/') + name +
           QStringLiteral(".tnsx");
}

void Score::autoSave()
{
    if (!changedSinceAutoSave)
        return;
    QDir(QDir::homePath()).mkdir(autoSaveFolder);
    const QString text = buildScoreXml(ScoreXmlMode::ScoreFile);
    // The warning of a failed write runs its own event loop; no second
    // attempt starts beneath it.
    const bool timerRan = autoSaveTimer && autoSaveTimer->isActive();
    if (timerRan)
        autoSaveTimer->stop();
    // A failed write keeps the flag, so the next tick tries again.
    if (writeTextFile(autoSavePath(), text))
        changedSinceAutoSave = false;
    if (timerRan)
        autoSaveTimer->start();
}
