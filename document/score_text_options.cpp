// Score's text options: the "{x,y}" offset and "{f:font}" options that a
// MusicXML text may carry at its end, and the tarn-offset and tarn-font
// elements.
#include "model/score.h"

#include "document/settingsvalues.h"

#include <QDebug>
#include <QFont>
#include <QPointF>

namespace {

const QLatin1String fontPrefix("f:");

// Malformed numbers read 0, as everywhere in the document readers; so do
// "inf" and "nan", which would throw the item out of every page.
double toNumber(const QString &text)
{
    return SettingsValues::readNumber(text, 0.0);
}

} // namespace

QString Score::parseOffsetString(QString text, bool &found, QPointF &offset)
{
    found = false;
    if (!text.endsWith(QLatin1Char('}')))
        return text;
    const qsizetype open = text.lastIndexOf(QLatin1Char('{'));
    const qsizetype comma = text.lastIndexOf(QLatin1Char(','));
    if (open < 0 || comma < 0 || comma < open)
        return text;
    const QString first = text.mid(open + 1, comma - open - 1);
    if (first.startsWith(fontPrefix))
        return text;
    found = true;
    const QString second = text.mid(comma + 1, text.size() - 1 - comma - 1);
    offset = QPointF(toNumber(first), toNumber(second));
    return text.left(open);
}

QString Score::parseFontString(QString text, bool &found, QFont &font)
{
    found = false;
    if (!text.endsWith(QLatin1Char('}')))
        return text;
    const qsizetype open = text.lastIndexOf(QLatin1Char('{'));
    if (open < 0)
        return text;
    const QString option = text.mid(open + 1, text.size() - 1 - open - 1);
    if (!option.startsWith(fontPrefix))
        return text;
    found = true;
    // A rejected description leaves the caller's font as it was.
    QFont described = font;
    if (described.fromString(option.mid(fontPrefix.size())))
        font = described;
    return text.left(open);
}

QString Score::makeOffsetString(double x, double y)
{
    const QString result =
        QStringLiteral("{%1,%2}").arg(QString::number(x, 'g', 3), QString::number(y, 'g', 3));
    qDebug().noquote() << "offsetString = " + result;
    return result;
}

QString Score::makeFontString(const QFont &font)
{
    const QString result = QStringLiteral("{f:%1}").arg(font.toString());
    qDebug().noquote() << "fontString = " + result;
    return result;
}

QPointF Score::parseOffsetXml(const QDomElement &element)
{
    return QPointF(toNumber(element.attribute(QStringLiteral("x"))),
                   toNumber(element.attribute(QStringLiteral("y"))));
}

QFont Score::parseFontXml(const QDomElement &element)
{
    QFont font;
    QFont described;
    if (described.fromString(element.text()))
        font = described;
    return font;
}
