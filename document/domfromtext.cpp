#include "document/domfromtext.h"

#include "document/utf8textdevice.h"

#include <QList>
#include <QPair>
#include <QSet>
#include <QTextBoundaryFinder>
#include <QXmlStreamReader>

#include <algorithm>

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
    bool notXml = false;
    qint64 line = 0;
    qint64 column = 0;
    QString reason;        // the reader's, when notXml
    qsizetype counted = 0; // when tooLarge: what the whole text counts for
    QList<QPair<qsizetype, QString>> blanks;
    // The XML declaration as the DOM parser keeps it, empty without one.
    QString declaration;
};

// The data of the "xml" instruction the DOM parser makes of a declaration.
QString declarationData(const QXmlStreamReader &reader)
{
    QString data = QStringLiteral("version='%1'").arg(reader.documentVersion());
    if (!reader.documentEncoding().isEmpty())
        data += QStringLiteral(" encoding='%1'").arg(reader.documentEncoding());
    if (reader.isStandaloneDocument())
        data += QStringLiteral(" standalone='yes'");
    return data;
}

// What a text adds to the element count.
qsizetype textCost(qsizetype length)
{
    const qsizetype kept = std::min(length, DomFromText::longestText);
    return std::max<qsizetype>(0, kept - DomFromText::sharedTextLength) /
           DomFromText::charactersPerElement;
}

qsizetype elementCost(QStringView name, const QList<DomFromText::ElementWeight> &weights)
{
    for (const DomFromText::ElementWeight &weight : weights) {
        if (name == weight.name)
            return 1 + weight.extra;
    }
    return 1;
}

// What the rest of a text too large to build counts for, added to
// `counted`: read on to its end (or to a fault or nesting too deep, which
// end the count there), keeping nothing but the count and the depth.
qsizetype countToTheEnd(QXmlStreamReader &reader, qsizetype depth, qsizetype counted,
                        const QList<DomFromText::ElementWeight> &weights)
{
    while (!reader.atEnd() && depth <= DomFromText::maxDepth) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            counted += elementCost(reader.qualifiedName(), weights);
            ++depth;
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        } else if (token == QXmlStreamReader::Characters && !reader.isWhitespace()) {
            counted += textCost(reader.text().size());
        }
    }
    return counted;
}

Survey survey(const QString &text, qsizetype maxElements,
              const QList<DomFromText::ElementWeight> &weights)
{
    struct Open
    {
        qsizetype index;
        bool onlyText = true; // no child element, comment, CDATA or instruction
        QString text;
    };
    Survey result;
    QList<Open> open;
    qsizetype elements = 0; // with what the texts count
    qsizetype index = 0;    // of the next element in document order
    QXmlStreamReader reader(text);
    // As the DOM parser reads: a prefix is part of the name. With namespaces
    // on, an undeclared prefix would end this pass early and its limits
    // would never see the rest of the document.
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartDocument && !reader.documentVersion().isEmpty())
            result.declaration = declarationData(reader);
        if (token == QXmlStreamReader::StartElement) {
            const bool tooDeep = open.size() == DomFromText::maxDepth;
            const qsizetype cost = elementCost(reader.qualifiedName(), weights);
            if (tooDeep || elements > maxElements - cost) {
                result.tooDeep = tooDeep;
                result.tooLarge = !tooDeep;
                result.line = reader.lineNumber();
                result.column = reader.columnNumber();
                if (result.tooLarge)
                    result.counted =
                        countToTheEnd(reader, open.size() + 1, elements + cost, weights);
                return result;
            }
            if (!open.isEmpty())
                open.last().onlyText = false;
            open.append(Open{index++, true, QString()});
            elements += cost;
        } else if (token == QXmlStreamReader::EndElement) {
            const Open closed = open.takeLast();
            if (closed.onlyText && isKeptBlank(closed.text))
                result.blanks.append({closed.index, closed.text});
        } else if (token == QXmlStreamReader::Characters && !reader.isWhitespace()) {
            elements += textCost(reader.text().size());
            if (elements > maxElements) {
                result.tooLarge = true;
                result.line = reader.lineNumber();
                result.column = reader.columnNumber();
                result.counted = countToTheEnd(reader, open.size(), elements, weights);
                return result;
            }
        }
        if (token != QXmlStreamReader::StartElement && token != QXmlStreamReader::EndElement &&
            !open.isEmpty() && open.last().onlyText) {
            Open &current = open.last();
            if (token == QXmlStreamReader::Characters && !reader.isCDATA() &&
                isKeptBlank(reader.text()))
                current.text += reader.text();
            else if (token != QXmlStreamReader::Invalid)
                current.onlyText = false;
        }
    }
    // The limits only hold for a text read to its end: whatever stopped
    // this pass refuses the document, whether or not the DOM parser would
    // take it.
    if (reader.hasError()) {
        result.notXml = true;
        result.line = reader.lineNumber();
        result.column = reader.columnNumber();
        result.reason = reader.errorString();
    }
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

// Hands every element name, and every short text, the one string held for
// its value: the parser makes a string of its own for each, and these
// copies are a tenth of a long score's document. The texts stay what they
// were, so the document writes out the same.
//
// While the parser builds the document, the nodes it has made so far are
// walked each time it asks for more text: the copies go back to the heap as
// the parse goes on and the next nodes' strings take their place, where
// freed only at the end they would stay behind as holes as large as all of
// them. Document order is the order the parser makes nodes in, so a walk
// that goes on from the last node it saw meets each node once.
class RepeatedStrings
{
public:
    // Shares the strings of every node after the last one seen.
    void shareNew(const QDomDocument &document)
    {
        QDomNode node = m_last.isNull() ? document.firstChild() : nextInDocumentOrder(m_last);
        while (!node.isNull()) {
            share(node);
            m_last = node;
            node = nextInDocumentOrder(node);
        }
    }

    // A text node of `value`, with the held string when the value is short.
    QDomText textNode(QDomDocument &document, const QString &value)
    {
        return document.createTextNode(value.size() <= DomFromText::sharedTextLength ? held(value)
                                                                                     : value);
    }

private:
    void share(QDomNode &node)
    {
        if (node.isElement()) {
            QDomElement element = node.toElement();
            element.setTagName(held(element.tagName()));
        } else if (node.isText()) {
            const QString value = node.nodeValue();
            if (value.size() <= DomFromText::sharedTextLength)
                node.setNodeValue(held(value));
        }
    }

    const QString &held(const QString &value) { return *m_held.insert(value); }

    QSet<QString> m_held;
    QDomNode m_last;
};

// Gives back the blanks the DOM parser dropped. Elements are counted in
// document order, the order of the streaming pass; an element the parser
// gave any child is left as it is.

void restoreBlanks(QDomDocument &document, const QList<QPair<qsizetype, QString>> &blanks,
                   RepeatedStrings &strings)
{
    qsizetype index = 0;
    qsizetype next = 0;
    QDomNode node = document.firstChild();
    while (!node.isNull() && next < blanks.size()) {
        if (node.isElement()) {
            if (index == blanks.at(next).first) {
                if (!node.hasChildNodes())
                    node.appendChild(strings.textNode(document, blanks.at(next).second));
                ++next;
            }
            ++index;
        }
        node = nextInDocumentOrder(node);
    }
}

// An element whose content is text broken by comments or processing
// instructions reads as its joined text (QDomElement::text() skips them),
// while the first text node alone is something else, and a writer that
// replaces the text keeps the rest. Such content becomes the one text it
// reads as, so that every reader sees it and a save writes it back the same.
bool isTextBrokenByMarkup(const QDomNode &element)
{
    bool text = false;
    bool markup = false;
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (child.isElement())
            return false;
        if (child.isText()) // CDATA sections are text too
            text = true;
        else if (child.isComment() || child.isProcessingInstruction())
            markup = true;
    }
    return text && markup;
}

void joinBrokenTexts(QDomDocument &document, RepeatedStrings &strings)
{
    QDomNode node = document.firstChild();
    while (!node.isNull()) {
        if (node.isElement() && isTextBrokenByMarkup(node)) {
            QDomElement element = node.toElement();
            const QString joined = element.text();
            while (element.hasChildNodes())
                element.removeChild(element.firstChild());
            element.appendChild(strings.textNode(document, joined));
        }
        node = nextInDocumentOrder(node);
    }
}

// Where a text's XML declaration ends (after a byte-order mark), 0 when it
// has none.
qsizetype declarationEnd(const QString &text)
{
    const qsizetype start = text.startsWith(QChar(0xFEFF)) ? 1 : 0;
    if (!QStringView(text).mid(start).startsWith(QLatin1String("<?xml")))
        return 0;
    const qsizetype close = text.indexOf(QLatin1String("?>"), start);
    return close < 0 ? 0 : close + 2;
}

// Builds `target` from `text`, which the parser reads in UTF-8 pieces and
// which is gone when this returns. The text is already decoded, but a
// parser fed bytes decodes them by the declaration's encoding: the
// declaration goes to the parser as blanks and its instruction, as the
// parser would have made it (`declaration`), is put in front afterwards.
bool parseFromDevice(QString text, const QString &declaration, QDomDocument &target,
                     RepeatedStrings &strings, QString &message, int &line, int &column)
{
    const qsizetype blankUpTo = declaration.isEmpty() ? 0 : declarationEnd(text);
    {
        Utf8TextDevice device(std::move(text), blankUpTo);
        QObject::connect(&device, &Utf8TextDevice::pieceWanted,
                         [&strings, &target] { strings.shareNew(target); });
        if (!target.setContent(&device, false, &message, &line, &column))
            return false;
    }
    if (blankUpTo > 0) {
        target.insertBefore(target.createProcessingInstruction(QStringLiteral("xml"), declaration),
                            target.firstChild());
    }
    return true;
}

} // namespace

DomFromText::Fault DomFromText::read(QString text, QDomDocument &target, QString *where,
                                     qsizetype maxElements, const QList<ElementWeight> &weights,
                                     qsizetype *counted)
{
    const Survey found = survey(text, maxElements, weights);
    if (counted)
        *counted = found.counted;
    if (found.tooDeep || found.tooLarge || found.notXml) {
        target = QDomDocument();
        if (where) {
            *where = QStringLiteral("line %1, column %2").arg(found.line).arg(found.column);
            if (found.notXml)
                *where += QStringLiteral(": ") + found.reason;
        }
        if (found.notXml)
            return Fault::NotXml;
        return found.tooDeep ? Fault::TooDeep : Fault::TooLarge;
    }

    QString message;
    int line = 0;
    int column = 0;
    RepeatedStrings strings;
    if (!parseFromDevice(std::move(text), found.declaration, target, strings, message, line,
                         column)) {
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
    // The nodes made after the parser's last request for text.
    strings.shareNew(target);
    if (!found.blanks.isEmpty())
        restoreBlanks(target, found.blanks, strings);
    joinBrokenTexts(target, strings);
    return Fault::None;
}

qsizetype DomFromText::characterCut(const QString &text, qsizetype limit)
{
    if (limit >= text.size())
        return text.size();
    if (limit <= 0)
        return 0;
    // The finder reads the whole text it is given: a window around the cut
    // is enough to tell a cluster's bounds, and costs the same on any text.
    constexpr qsizetype before = 256;
    constexpr qsizetype after = 32;
    const qsizetype start = std::max<qsizetype>(0, limit - before);
    const QString window = text.mid(start, limit - start + after);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, window);
    finder.setPosition(limit - start);
    if (finder.isAtBoundary())
        return limit;
    const qsizetype previous = finder.toPreviousBoundary();
    qsizetype cut = previous > 0 ? start + previous : start;
    // A cluster longer than the window: at least no pair is split.
    if (cut > 0 && text.at(cut - 1).isHighSurrogate())
        --cut;
    return cut;
}

int DomFromText::cutLongTexts(QDomDocument &document, QString *firstWhere)
{
    int cut = 0;
    QDomNode node = document.firstChild();
    while (!node.isNull()) {
        if (node.isText() && node.nodeValue().size() > longestText) {
            if (cut++ == 0 && firstWhere) {
                *firstWhere = QStringLiteral("line %1, column %2")
                                  .arg(node.parentNode().lineNumber())
                                  .arg(node.parentNode().columnNumber());
            }
            const QString value = node.nodeValue();
            node.setNodeValue(value.left(characterCut(value, longestText)));
        }
        node = nextInDocumentOrder(node);
    }
    return cut;
}
