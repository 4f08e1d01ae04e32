#include "document/messagetext.h"

#include <QList>

namespace {

bool showsAsItself(char32_t c)
{
    if (c == U' ')
        return true;
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    default:
        return true;
    }
}

} // namespace

QString MessageText::visible(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (char32_t c : text.toUcs4()) {
        if (showsAsItself(c))
            result += QString::fromUcs4(&c, 1);
        else
            result += QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
    }
    return result;
}
