// Score's access to its document: replacing it from text, the text of a
// named child element, and the font families of the MusicXML defaults.
#include "model/score.h"

#include "document/settingsvalues.h"

bool Score::setXmlContent(const QString &text, QString *errorMessage)
{
    QString message;
    int line = 0;
    int column = 0;
    if (document.setContent(text, &message, &line, &column))
        return true;
    // The parser keeps what it read up to the fault. No reader may take that
    // part for the score: a later save would overwrite the user's file.
    document = QDomDocument();
    if (errorMessage) {
        *errorMessage = QStringLiteral("line %1, column %2: %3")
                            .arg(line)
                            .arg(column)
                            .arg(message.isEmpty() ? QStringLiteral("no document") : message);
    }
    return false;
}

QString Score::childElementText(const QDomElement &element, const QString &tagName)
{
    return element.firstChildElement(tagName).text();
}

void Score::parseDefaults(const QDomElement &element)
{
    SettingsValues::forEachChildElement(element, [this](const QDomElement &child) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("word-font"))
            wordFontFamily = child.attribute(QStringLiteral("font-family"));
        else if (tag == QLatin1String("lyric-font"))
            lyricFontFamily = child.attribute(QStringLiteral("font-family"));
    });
}
