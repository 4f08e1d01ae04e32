#include "document/domfromtext.h"

#include <QList>
#include <QPair>
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

// What the streaming pass learns: whether the nesting is too deep (and
// where), and the blank texts by the document-order index of their element.
struct Survey
{
    bool tooDeep = false;
    qint64 line = 0;
    qint64 column = 0;
    QList<QPair<qsizetype, QString>> blanks;
};

Survey survey(const QString &text)
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
            if (open.size() == DomFromText::maxDepth) {
                result.tooDeep = true;
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
        // Depth first, without recursion.
        if (node.hasChildNodes()) {
            node = node.firstChild();
            continue;
        }
        while (!node.isNull() && node.nextSibling().isNull())
            node = node.parentNode();
        if (!node.isNull())
            node = node.nextSibling();
    }
}

} // namespace

DomFromText::Fault DomFromText::read(const QString &text, QDomDocument &target, QString *where)
{
    const Survey found = survey(text);
    if (found.tooDeep) {
        target = QDomDocument();
        if (where)
            *where = QStringLiteral("line %1, column %2").arg(found.line).arg(found.column);
        return Fault::TooDeep;
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
    return Fault::None;
}
