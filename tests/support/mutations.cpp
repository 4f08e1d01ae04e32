#include "support/mutations.h"

#include <QDomDocument>
#include <QDomNamedNodeMap>
#include <QRegularExpression>
#include <QStringList>

#include <sys/resource.h>

#include <utility>

namespace TestSupport {

QList<QDomElement> allElements(const QDomDocument &document)
{
    QList<QDomElement> result;
    QList<QDomElement> pending = {document.documentElement()};
    while (!pending.isEmpty()) {
        const QDomElement element = pending.takeLast();
        result.append(element);
        for (QDomElement child = element.lastChildElement(); !child.isNull();
             child = child.previousSiblingElement())
            pending.append(child);
    }
    return result;
}

bool isNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*-?\\d+(\\.\\d+)?\\s*$"));
    return number.match(text).hasMatch();
}

QList<QDomElement> textElements(const QList<QDomElement> &elements)
{
    QList<QDomElement> result;
    for (const QDomElement &e : elements) {
        if (e.firstChildElement().isNull() && !e.text().isEmpty())
            result.append(e);
    }
    return result;
}

void setText(QDomElement element, const QString &text)
{
    while (element.hasChildNodes())
        element.removeChild(element.firstChild());
    element.appendChild(element.ownerDocument().createTextNode(text));
}

QString setExtremeNumbers(const QList<QDomElement> &elements, const QString &value, int places,
                          const std::function<int(int)> &pick)
{
    QList<std::pair<QDomElement, QString>> numbers; // element, attribute (empty: text)
    for (const QDomElement &e : elements) {
        if (e.firstChildElement().isNull() && isNumber(e.text()))
            numbers.append({e, QString()});
        const QDomNamedNodeMap attributes = e.attributes();
        for (int i = 0; i < attributes.count(); ++i) {
            const QDomAttr attribute = attributes.item(i).toAttr();
            if (isNumber(attribute.value()))
                numbers.append({e, attribute.name()});
        }
    }
    if (numbers.isEmpty())
        return QStringLiteral("no number to change");
    QStringList changed;
    for (int k = 0; k < places; ++k) {
        auto [element, attribute] = numbers.at(pick(int(numbers.size())));
        if (!attribute.isEmpty()) {
            element.setAttribute(attribute, value);
            changed.append(QStringLiteral("<%1 %2>").arg(element.tagName(), attribute));
        } else {
            setText(element, value);
            changed.append(QStringLiteral("<%1>").arg(element.tagName()));
        }
    }
    return changed.join(QLatin1Char(' ')) + QStringLiteral(" = ") + value;
}

double peakResidentMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

} // namespace TestSupport
