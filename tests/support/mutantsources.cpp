#include "support/mutantsources.h"

#include "support/testenvironment.h"

#include "app/version.h"
#include "model/score.h"

#include <QDir>
#include <QFile>

namespace TestSupport {

const QString sampleScoreFile = QStringLiteral("sample.tnsx");

bool saveSampleScoreFile(const QString &folder)
{
    Score score(QString::fromLatin1(Velmora::programVersion), 1, false);
    return score.readMusicXmlFile(samplePath()) && score.parseScoreXml(false).has_value() &&
           score.generateScore() && score.saveFileAs(QDir(folder).filePath(sampleScoreFile));
}

QByteArray mutantSourceText(const QString &folder, const QString &name)
{
    QFile file(name == sampleScoreFile ? QDir(folder).filePath(name)
                                       : fixturePath(QStringLiteral("corpus/") + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace TestSupport
