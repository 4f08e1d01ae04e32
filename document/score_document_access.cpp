// Score's access to its document: replacing it from text, the text of a
// named child element, and the font families of the MusicXML defaults.
#include "model/score.h"

#include "document/domfromtext.h"
#include "document/settingsvalues.h"

bool Score::setXmlContent(const QString &text, QString *errorMessage)
{
    QString where;
    switch (DomFromText::read(text, document, &where)) {
    case DomFromText::Fault::None:
        return true;
    case DomFromText::Fault::NotXml:
        break;
    case DomFromText::Fault::TooDeep:
        where +=
            QStringLiteral(": elements nested deeper than %1 levels").arg(DomFromText::maxDepth);
        break;
    case DomFromText::Fault::TooLarge: // no limit is asked here
        break;
    }
    if (errorMessage)
        *errorMessage = where;
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
