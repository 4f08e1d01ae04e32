// Score's creation property, "tarn-property": which program and version
// wrote the document, and when.
#include "model/score.h"

#include "document/autosavefolder.h"
#include "document/settingsvalues.h"

#include <QDateTime>

void Score::writePropertyXml(QDomElement &scorePartwise)
{
    QDomElement property = document.createElement(QStringLiteral("tarn-property"));
    const QDomElement first = scorePartwise.firstChildElement();
    if (first.isNull())
        scorePartwise.appendChild(property);
    else
        scorePartwise.insertBefore(property, first);

    QDomElement program = document.createElement(QStringLiteral("creation-program"));
    property.appendChild(program);
    program.setAttribute(QStringLiteral("name"), QStringLiteral("Velmora"));
    program.setAttribute(QStringLiteral("version"), programVersion);

    lastUpdate = lastUpdateText(updateClock ? updateClock() : QDateTime::currentDateTime());
    SettingsValues::appendTextElement(document, property, QStringLiteral("last-update-date-time"),
                                      lastUpdate);
    // Only an autosave file names the file it stands for; every build
    // removes it again, so a score file never carries it.
    if (buildingAutoSave && !sourcePath().isEmpty())
        SettingsValues::appendTextElement(document, property, QStringLiteral("autosave-source"),
                                          sourcePath());
}

QString Score::sourcePath() const
{
    if (!recoveredSourcePath.isEmpty() && AutoSaveFolder::contains(filePath))
        return recoveredSourcePath;
    return filePath.isEmpty() ? musicXmlFilePath : filePath;
}

void Score::parseProperty(const QDomElement &element)
{
    SettingsValues::forEachChildElement(element, [this](const QDomElement &child) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("creation-program"))
            creatorVersion = child.attribute(QStringLiteral("version"));
        else if (tag == QLatin1String("last-update-date-time"))
            lastUpdate = child.text();
        else if (tag == QLatin1String("autosave-source"))
            recoveredSourcePath = child.text();
    });
}

QString Score::lastUpdateText(const QDateTime &moment)
{
    return moment.toString(QStringLiteral("yyyy/MM/dd - HH:mm:ss"));
}
