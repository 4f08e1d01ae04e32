#include "document/xmlfiletext.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringDecoder>

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

QString tr(const char *text)
{
    return QCoreApplication::translate("XmlFileText", text);
}

bool isContinuation(uchar c)
{
    return (c & 0xC0) == 0x80;
}

// The length of the UTF-8 sequence at `i`, 0 when it is not valid there
// (a stray or missing continuation byte, an overlong form, a surrogate, a
// code point past U+10FFFF).
int utf8SequenceAt(const uchar *p, qsizetype i, qsizetype n)
{
    const uchar c = p[i];
    if (c < 0x80)
        return 1;
    int length = 0;
    uchar low = 0x80;
    uchar high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        low = c == 0xE0 ? 0xA0 : 0x80;
        high = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        low = c == 0xF0 ? 0x90 : 0x80;
        high = c == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > n || p[i + 1] < low || p[i + 1] > high)
        return 0;
    for (int k = 2; k < length; ++k) {
        if (!isContinuation(p[i + k]))
            return 0;
    }
    return length;
}

struct Utf8Scan
{
    qsizetype firstBad = -1;   // offset of the first byte that is no UTF-8
    bool hasSequences = false; // at least one valid character of several bytes
};

// One pass over the bytes; it goes on past the first bad byte only to see
// whether valid sequences of several bytes follow (a file of mixed parts).
Utf8Scan scanUtf8(const QByteArray &bytes)
{
    Utf8Scan scan;
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        const int length = utf8SequenceAt(p, i, n);
        if (length == 0) {
            if (scan.firstBad < 0)
                scan.firstBad = i;
            if (scan.hasSequences)
                break;
            ++i;
            continue;
        }
        scan.hasSequences = true;
        if (scan.firstBad >= 0)
            break;
        i += length;
    }
    return scan;
}

// Line and column (both from 1, the column in characters) of byte `offset`
// of bytes that are valid UTF-8 (or ASCII) up to it.
QString placeOfByte(const QByteArray &bytes, qsizetype offset)
{
    qsizetype line = 1;
    qsizetype column = 1;
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    for (qsizetype i = 0; i < offset; ++i) {
        if (p[i] == '\n') {
            ++line;
            column = 1;
        } else if (!isContinuation(p[i])) {
            ++column;
        }
    }
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

// Line and column of the first character a decoder put in for bytes it
// could not read: U+FFFD, or U+001A from the system's converters (neither
// can stand in an XML document's text).
QString placeOfFirstSubstitute(const QString &text)
{
    qsizetype line = 1;
    qsizetype column = 1;
    for (const QChar c : text) {
        if (c == QChar(0xFFFD) || c == QChar(0x1A))
            break;
        if (c == QLatin1Char('\n')) {
            ++line;
            column = 1;
        } else if (!c.isLowSurrogate()) {
            ++column;
        }
    }
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

bool hasKana(const QString &text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3041 && u <= 0x30FF) || (u >= 0xFF66 && u <= 0xFF9D))
            return true;
    }
    return false;
}

// The share of the bytes of 0x80 and above that stand next to another
// one: Japanese text in a double-byte encoding has them mostly in runs; in
// a Latin text they stand mostly alone between ASCII letters.
double highBytesInRuns(const QByteArray &bytes)
{
    qsizetype high = 0;
    qsizetype inRuns = 0;
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] < 0x80)
            continue;
        ++high;
        if ((i > 0 && p[i - 1] >= 0x80) || (i + 1 < n && p[i + 1] >= 0x80))
            ++inRuns;
    }
    return high > 0 ? double(inRuns) / double(high) : 0.0;
}

// Whether the bytes read as Japanese text in `encoding`: without a fault,
// and with kana, or with nearly all their high bytes in runs (kanji alone).
bool readsAsJapanese(const QByteArray &bytes, const char *encoding, double runs)
{
    QStringDecoder decoder(encoding);
    if (!decoder.isValid())
        return false;
    const QString text = decoder.decode(bytes);
    if (decoder.hasError() || text.contains(QChar(0x1A)))
        return false;
    return runs >= 0.8 || (runs >= 0.5 && hasKana(text));
}

// The encoding the bytes most likely are, for the refusal's advice.
QString likelyEncoding(const QByteArray &bytes, const Utf8Scan &scan)
{
    if (scan.firstBad < 0)
        return QStringLiteral("UTF-8");
    const double runs = highBytesInRuns(bytes);
    if (readsAsJapanese(bytes, "Shift_JIS", runs))
        return QStringLiteral("Shift_JIS");
    if (readsAsJapanese(bytes, "EUC-JP", runs))
        return QStringLiteral("EUC-JP");
    if (scan.hasSequences)
        return QString();
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (p[i] >= 0x80 && p[i] <= 0x9F)
            return QStringLiteral("Windows-1252");
    }
    return QStringLiteral("ISO-8859-1");
}

// What to do about the file, given the encoding it `likely` is (none: a mix).
QString advice(const QString &likely)
{
    if (likely.isEmpty())
        return tr("parts of the file are UTF-8 and parts of it another encoding: save it again "
                  "in one encoding (UTF-8)");
    return tr("the file is probably %1: save it as UTF-8, or name its encoding in its first "
              "line (<?xml version=\"1.0\" encoding=\"%1\"?>)")
        .arg(likely);
}

// The refusal of bytes that are not valid UTF-8.
QString utf8Fault(const QByteArray &file)
{
    // A byte-order mark is no character of the text.
    const QByteArray bytes = file.startsWith("\xef\xbb\xbf") ? file.mid(3) : file;
    const Utf8Scan scan = scanUtf8(bytes);
    const qsizetype bad = scan.firstBad < 0 ? 0 : scan.firstBad;
    const uint byte = bad < bytes.size() ? uchar(bytes.at(bad)) : 0;
    return tr("%1: the byte 0x%2 is not valid UTF-8; %3")
        .arg(placeOfByte(bytes, bad))
        .arg(QString::number(byte, 16).toUpper().rightJustified(2, u'0'))
        .arg(advice(likelyEncoding(bytes, scan)));
}

std::optional<QString> refuse(QString *fault, const QString &why)
{
    if (fault)
        *fault = why;
    return std::nullopt;
}

std::optional<QString> decodeUtf8(const QByteArray &bytes, QString *fault)
{
    QStringDecoder decoder(QStringConverter::Utf8);
    QString text = decoder.decode(bytes);
    if (!decoder.hasError())
        return text;
    return refuse(fault, utf8Fault(bytes));
}

bool isWideUnicode(const QString &encoding)
{
    const QString name = encoding.toUpper().remove(QLatin1Char('-')).remove(QLatin1Char('_'));
    return name.startsWith(QLatin1String("UTF16")) || name.startsWith(QLatin1String("UTF32")) ||
           name.startsWith(QLatin1String("UCS2")) || name.startsWith(QLatin1String("UCS4")) ||
           name == QLatin1String("UNICODE");
}

} // namespace

std::optional<QString> decode(const QByteArray &bytes, QString *fault)
{
    if (const std::optional<QStringConverter::Encoding> marked =
            QStringConverter::encodingForData(bytes, u'<')) {
        if (*marked == QStringConverter::Utf8)
            return decodeUtf8(bytes, fault);
        QStringDecoder decoder(*marked);
        QString text = decoder.decode(bytes);
        if (decoder.hasError()) {
            return refuse(
                fault, tr("%1: the file is not valid %2, the encoding its first bytes "
                          "announce")
                           .arg(placeOfFirstSubstitute(text),
                                QString::fromLatin1(QStringConverter::nameForEncoding(*marked))));
        }
        return text;
    }
    const QString head = QString::fromLatin1(bytes.left(256));
    const QRegularExpressionMatch match = encodingPattern().match(head);
    if (!match.hasMatch())
        return decodeUtf8(bytes, fault);
    const QString declared = match.captured(2);
    // The declaration could be read one byte a character, so the file's
    // bytes are not UTF-16 or UTF-32 whatever it says.
    if (isWideUnicode(declared)) {
        const Utf8Scan scan = scanUtf8(bytes);
        const QString likely = likelyEncoding(bytes, scan);
        return refuse(fault, tr("%1: the file declares the encoding %2, but its bytes are "
                                "written one or more to a character (%3): correct the "
                                "declaration to encoding=\"%4\"")
                                 .arg(placeOfByte(bytes, match.capturedStart(2)), declared,
                                      likely.isEmpty() ? tr("mixed encodings") : likely,
                                      likely.isEmpty() ? QStringLiteral("UTF-8") : likely));
    }
    QStringDecoder decoder(declared.toLatin1().constData());
    if (!decoder.isValid() || QStringConverter::encodingForName(declared.toLatin1().constData()) ==
                                  QStringConverter::Utf8)
        return decodeUtf8(bytes, fault);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        const QString likely = likelyEncoding(bytes, scanUtf8(bytes));
        const bool same = likely.compare(declared, Qt::CaseInsensitive) == 0;
        return refuse(fault, tr("%1: the bytes are not valid %2, the encoding the file "
                                "declares; %3")
                                 .arg(placeOfFirstSubstitute(text), declared,
                                      same ? tr("a byte there is damaged") : advice(likely)));
    }
    const QRegularExpressionMatch decoded = encodingPattern().match(text);
    if (decoded.hasMatch())
        text.replace(decoded.capturedStart(2), decoded.capturedLength(2), QStringLiteral("UTF-8"));
    return text;
}

} // namespace XmlFileText
