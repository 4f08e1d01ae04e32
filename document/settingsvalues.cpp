#include "document/settingsvalues.h"

#include <cmath>

namespace SettingsValues {

QString formatBool(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString formatNumber(double value, int digits)
{
    return QString::number(value, 'g', digits);
}

bool readBool(const QString &text)
{
    return text == QLatin1String("true");
}

int readInt(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

std::optional<double> readFiniteNumber(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    // An overflow is reported as not ok but yields infinity: it is no more
    // usable than a written "inf".
    if (!std::isfinite(value))
        return std::nullopt;
    return ok ? value : 0.0;
}

double readNumber(const QString &text, double fallback)
{
    return readFiniteNumber(text).value_or(fallback);
}

QDomElement appendTextElement(QDomDocument &document, QDomElement &parent, const QString &tag,
                              const QString &text)
{
    QDomElement child = document.createElement(tag);
    parent.appendChild(child);
    child.appendChild(document.createTextNode(text));
    return child;
}

void forEachChildElement(const QDomElement &element,
                         const std::function<void(const QDomElement &)> &visit)
{
    for (QDomNode node = element.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.isElement())
            visit(node.toElement());
    }
}

} // namespace SettingsValues
