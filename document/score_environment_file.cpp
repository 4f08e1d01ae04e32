// Score's environment file: page, style and part settings of the active
// score carried into an imitating import through "<home>/VelmoraEnv.xml".
#include "model/score.h"

#include "document/settingsvalues.h"
#include "platform/prompter.h"

#include <QDebug>
#include <QDir>
#include <QFile>

using SettingsValues::forEachChildElement;

namespace {

const QString envRootTag = QStringLiteral("tarnwick-env");
const QString tarnPartTag = QStringLiteral("tarn-part");

} // namespace

QString Score::velmoraEnvPath()
{
    return QDir::homePath() + QStringLiteral("/VelmoraEnv.xml");
}

QString Score::buildVelmoraEnvXml()
{
    // The writers make their elements in this score's document; they are
    // gathered under a root that is never inserted there, then carried over.
    QDomElement root = document.createElement(envRootTag);
    writePageXml(this, root);
    writeStyleXml(this, root);
    QDomElement scoreParts = document.createElement(QStringLiteral("score-parts"));
    createScorePartXml(this, scoreParts);
    forEachChildElement(scoreParts, [&](const QDomElement &scorePart) {
        QDomElement tarnPart = scorePart.firstChildElement(tarnPartTag);
        // The part shift is the imitated score's own, not a setting to copy.
        tarnPart.removeChild(tarnPart.firstChildElement(QStringLiteral("part-shift")));
        root.appendChild(tarnPart);
    });

    QDomDocument environment;
    environment.appendChild(environment.importNode(root, true));
    return environment.toString(1);
}

bool Score::writeVelmoraEnv()
{
    return writeTextFile(velmoraEnvPath(), buildVelmoraEnvXml());
}

bool Score::readVelmoraEnv()
{
    const QString path = velmoraEnvPath();
    QFile file(path);
    if (!file.exists())
        return false;
    if (!file.open(QIODevice::ReadOnly)) {
        Prompter::instance().warning(
            this, tr("Velmora"), tr("Can't read file (%1)!:\n%2.").arg(path, file.errorString()));
        return false;
    }
    QDomDocument environment;
    // Unusable content applies nothing and is not reported.
    environment.setContent(QString::fromUtf8(file.readAll()));
    const QDomElement root = environment.firstChildElement(envRootTag);

    int k = 0;
    for (QDomElement child = root.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("tarn-page")) {
            parsePage(page, child);
        } else if (tag == QLatin1String("tarn-style")) {
            parseStyle(style, child, programVersion);
        } else if (tag == tarnPartTag) {
            // Parts match by position; once every part is filled the rest of
            // the file is not looked at.
            if (k >= parts.size())
                return true;
            parseEnvironmentPart(parts.at(k), child);
            if (++k == parts.size())
                return true;
        }
    }
    qDebug().noquote() << "readVelmoraEnv exited.";
    return true;
}
