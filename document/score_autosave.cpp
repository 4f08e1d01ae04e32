// Score: the autosave timer's slot and the name of the autosave file.
#include "model/score.h"

#include "document/autosavefolder.h"
#include "document/scorexmlmode.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace {

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
    // A score reopened from an autosave file keeps writing into it: its
    // lock was taken over when it was offered.
    const QString name = base.endsWith(autoSaveSuffix)
                             ? base + QStringLiteral(".tnsx")
                             : AutoSaveFolder::fileName(base, scoreNumber);
    return AutoSaveFolder::path() + QLatin1Char('/') + name;
}

void Score::autoSave()
{
    if (!changedSinceAutoSave)
        return;
    // Said once: the timer stops with it.
    if (refuseReleased()) {
        if (autoSaveTimer)
            autoSaveTimer->stop();
        return;
    }
    const QString path = autoSavePath();
    buildingAutoSave = true;
    const QString text = buildScoreXml(ScoreXmlMode::ScoreFile);
    buildingAutoSave = false;
    // The warning of a failed write runs its own event loop; no second
    // attempt starts beneath it.
    const bool timerRan = autoSaveTimer && autoSaveTimer->isActive();
    if (timerRan)
        autoSaveTimer->stop();
    // A failed write keeps the flag, so the next tick tries again.
    if (writeTextFile(path, text))
        changedSinceAutoSave = false;
    if (timerRan)
        autoSaveTimer->start();
}
