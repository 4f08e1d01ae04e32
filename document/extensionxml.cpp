#include "document/extensionxml.h"

#include "document/settingsvalues.h"

namespace ExtensionXml {

QString positionText(double value)
{
    return QString::number(double(float(value)), 'g', 8);
}

QString scaleText(double value)
{
    return SettingsValues::formatNumber(value, 3);
}

QString visibilityName(int visibility)
{
    switch (visibility) {
    case 1:
        return QStringLiteral("visible");
    case 2:
        return QStringLiteral("invisible");
    default:
        return QString();
    }
}

QString rotationName(int rotation)
{
    switch (rotation) {
    case 1:
        return QStringLiteral("horizontal");
    case 2:
        return QStringLiteral("vertical");
    case 3:
        return QStringLiteral("vertical-writing");
    default:
        return QString();
    }
}

QDomElement appendElement(QDomDocument &document, QDomElement &parent, const QString &tag)
{
    QDomElement element = document.createElement(tag);
    parent.appendChild(element);
    return element;
}

void appendOffset(QDomDocument &document, QDomElement &parent, double x, double y)
{
    QDomElement offset = appendElement(document, parent, QStringLiteral("tarn-offset"));
    offset.setAttribute(QStringLiteral("x"), positionText(x));
    offset.setAttribute(QStringLiteral("y"), positionText(y));
}

void appendScale(QDomDocument &document, QDomElement &parent, double scale)
{
    QDomElement element = appendElement(document, parent, QStringLiteral("tarn-scale"));
    element.setAttribute(QStringLiteral("scale"), scaleText(scale));
}

void appendVisibility(QDomDocument &document, QDomElement &parent, int visibility)
{
    const QString name = visibilityName(visibility);
    if (name.isEmpty())
        return;
    QDomElement element = appendElement(document, parent, QStringLiteral("tarn-visibility"));
    element.setAttribute(QStringLiteral("visibility"), name);
}

} // namespace ExtensionXml
