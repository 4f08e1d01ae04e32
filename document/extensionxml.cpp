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

void appendSlurShape(QDomDocument &document, QDomElement &slur, int userPlacement,
                     double controlY1, double controlY2)
{
    if (userPlacement == 1 || userPlacement == 2) {
        QDomElement placement = appendElement(document, slur, QStringLiteral("tarn-slur-placement"));
        placement.setAttribute(QStringLiteral("placement"), userPlacement == 1
                                                                ? QStringLiteral("above")
                                                                : QStringLiteral("below"));
    }
    if (controlY1 != 0.0 || controlY2 != 0.0) {
        QDomElement control = appendElement(document, slur, QStringLiteral("tarn-slur-control"));
        control.setAttribute(QStringLiteral("y1"), positionText(controlY1));
        control.setAttribute(QStringLiteral("y2"), positionText(controlY2));
    }
}

} // namespace ExtensionXml
