#include "document/xmlfiletext.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <optional>

namespace XmlFileText {

namespace {

// The declaration stands at the very start; its encoding name is ASCII in
// every ASCII-compatible encoding.
const QRegularExpression &encodingPattern()
{
    static const QRegularExpression pattern(QStringLiteral(
        "^\\s*<\\?xml\\s[^>]*?encoding\\s*=\\s*([\"'])([A-Za-z][A-Za-z0-9._:-]*)\\1"));
    return pattern;
}

} // namespace

QString decode(const QByteArray &bytes)
{
    if (const std::optional<QStringConverter::Encoding> marked =
            QStringConverter::encodingForData(bytes, u'<')) {
        QStringDecoder decoder(*marked);
        return decoder.decode(bytes);
    }
    const QString head = QString::fromLatin1(bytes.left(256));
    const QRegularExpressionMatch match = encodingPattern().match(head);
    if (!match.hasMatch())
        return QString::fromUtf8(bytes);
    QStringDecoder decoder(match.captured(2).toLatin1().constData());
    if (!decoder.isValid())
        return QString::fromUtf8(bytes);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return QString::fromUtf8(bytes);
    const QRegularExpressionMatch decoded = encodingPattern().match(text);
    if (decoded.hasMatch())
        text.replace(decoded.capturedStart(2), decoded.capturedLength(2), QStringLiteral("UTF-8"));
    return text;
}

} // namespace XmlFileText
