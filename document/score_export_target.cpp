// Score: the files an export must never replace.
#include "model/score.h"

#include "platform/prompter.h"

#include <QFile>
#include <QFileInfo>

namespace {

// True for a file that holds a score of this program, whatever its name:
// every score file carries its creation property among the first elements.
bool holdsScoreDocument(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    return file.read(64 * 1024).contains("<tarn-property");
}

bool isSameFile(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}

} // namespace

bool Score::refuseExportTarget(const QString &path)
{
    QString reason;
    if (isSameFile(path, filePath))
        reason = tr("it is this score's own file");
    else if (QFileInfo(path).suffix().compare(QLatin1String("tnsx"), Qt::CaseInsensitive) == 0)
        reason = tr("the name is that of a score file (.tnsx)");
    else if (holdsScoreDocument(path))
        reason = tr("it holds a score");
    if (reason.isEmpty())
        return false;
    Prompter::instance().warning(
        this, tr("Velmora"),
        tr("Can't export to (%1)!:\n%2, and an export never replaces a score. Choose another "
           "name.")
            .arg(path, reason));
    return true;
}
