#include "document/domfromtext.h"

#include <QList>
#include <QPair>
#include <QSet>
#include <QXmlStreamReader>

namespace {

// A blank that the toolkit drops and the reader keeps: white space only, on
// one line. A line break marks the formatting of an empty element.
bool isKeptBlank(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (!c.isSpace() || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            return false;
    }
    return true;
}

// What the streaming pass learns: whether the nesting is too deep or the
// elements too many (and where), and the blank texts by the document-order
// index of their element.
struct Survey
{
    bool tooDeep = false;
    bool tooLarge = false;
    qint64 line = 0;
    qint64 column = 0;
    QList<QPair<qsizetype, QString>> blanks;
};

Survey survey(const QString &text, qsizetype maxElements)
{
    struct Open
    {
        qsizetype index;
        bool onlyText = true; // no child element, comment, CDATA or instruction
        QString text;
    };
    Survey result;
    QList<Open> open;
    qsizetype elements = 0;
    QXmlStreamReader reader(text);
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const bool tooDeep = open.size() == DomFromText::maxDepth;
            if (tooDeep || elements == maxElements) {
                result.tooDeep = tooDeep;
                result.tooLarge = !tooDeep;
                result.line = reader.lineNumber();
                result.column = reader.columnNumber();
                return result;
            }
            if (!open.isEmpty())
                open.last().onlyText = false;
            open.append(Open{elements++, true, QString()});
        } else if (token == QXmlStreamReader::EndElement) {
            const Open closed = open.takeLast();
            if (closed.onlyText && isKeptBlank(closed.text))
                result.blanks.append({closed.index, closed.text});
        } else if (!open.isEmpty() && open.last().onlyText) {
            Open &current = open.last();
            if (token == QXmlStreamReader::Characters && !reader.isCDATA() &&
                isKeptBlank(reader.text()))
                current.text += reader.text();
            else if (token != QXmlStreamReader::Invalid)
                current.onlyText = false;
        }
    }
    // A text that is not well-formed is left to the DOM parser to report;
    // the blanks found before the fault are still in document order.
    return result;
}

// The node after `node` in document order (depth first), or a null node
// after the last: walks a whole document without recursion.
QDomNode nextInDocumentOrder(QDomNode node)
{
    if (node.hasChildNodes())
        return node.firstChild();
    while (!node.isNull() && node.nextSibling().isNull())
        node = node.parentNode();
    return node.isNull() ? node : node.nextSibling();
}

// Gives back the blanks the DOM parser dropped. Elements are counted in
// document order, the order of the streaming pass; an element the parser
// gave any child is left as it is.

void restoreBlanks(QDomDocument &document, const QList<QPair<qsizetype, QString>> &blanks)
{
    qsizetype index = 0;
    qsizetype next = 0;
    QDomNode node = document.firstChild();
    while (!node.isNull() && next < blanks.size()) {
        if (node.isElement()) {
            if (index == blanks.at(next).first) {
                if (!node.hasChildNodes())
                    node.appendChild(document.createTextNode(blanks.at(next).second));
                ++next;
            }
            ++index;
        }
        node = nextInDocumentOrder(node);
    }
}

// Hands every element name, and every short text, the one string held for
// its value: the parser makes a string of its own for each, and these
// copies are a tenth of a long score's document. The texts stay what they
// were, so the document writes out the same.
void shareRepeatedStrings(QDomDocument &document)
{
    QSet<QString> held;
    const auto shared = [&held](const QString &value) -> const QString & {
        return *held.insert(value);
    };
    QDomNode node = document.firstChild();
    while (!node.isNull()) {
        if (node.isElement()) {
            QDomElement element = node.toElement();
            element.setTagName(shared(element.tagName()));
        } else if (node.isText()) {
            const QString value = node.nodeValue();
            if (value.size() <= DomFromText::sharedTextLength)
                node.setNodeValue(shared(value));
        }
        node = nextInDocumentOrder(node);
    }
}

} // namespace

DomFromText::Fault DomFromText::read(const QString &text, QDomDocument &target, QString *where,
                                     qsizetype maxElements)
{
    const Survey found = survey(text, maxElements);
    if (found.tooDeep || found.tooLarge) {
        target = QDomDocument();
        if (where)
            *where = QStringLiteral("line %1, column %2").arg(found.line).arg(found.column);
        return found.tooDeep ? Fault::TooDeep : Fault::TooLarge;
    }

    QString message;
    int line = 0;
    int column = 0;
    if (!target.setContent(text, &message, &line, &column)) {
        // The parser keeps what it read up to the fault. No reader may take
        // that part for the score: a later save would overwrite the file.
        target = QDomDocument();
        if (where) {
            *where = QStringLiteral("line %1, column %2: %3")
                         .arg(line)
                         .arg(column)
                         .arg(message.isEmpty() ? QStringLiteral("no document") : message);
        }
        return Fault::NotXml;
    }
    if (!found.blanks.isEmpty())
        restoreBlanks(target, found.blanks);
    shareRepeatedStrings(target);
    return Fault::None;
}
