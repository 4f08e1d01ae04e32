#include "scorefile.h"

#include "model/score.h"

#include <QFile>

bool TestSupport::loadScoreFile(Score &score, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    score.documentText = QString::fromUtf8(file.readAll());
    return score.parseScoreXml(false).has_value();
}
