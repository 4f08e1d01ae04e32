#include "document/xmlfragments.h"

#include <QList>
#include <QTextStream>

namespace {

const QString wrapperTag = QStringLiteral("w");

// A text the toolkit's parser keeps nothing of.
bool isBlank(const QString &text)
{
    for (QChar c : text) {
        if (!c.isSpace())
            return false;
    }
    return true;
}

// A blank DomFromText gives back: on one line.
bool staysOnRead(const QString &blank)
{
    return !blank.contains(QLatin1Char('\n')) && !blank.contains(QLatin1Char('\r'));
}

bool isPlainText(const QDomNode &node)
{
    return node.isText() && !node.isCDATASection();
}

// The element's own children as the text read back holds them.
void settleChildren(QDomElement &element)
{
    if (!element.hasChildNodes())
        return;
    bool onlyText = true;
    QString text;
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (!isPlainText(child)) {
            onlyText = false;
            break;
        }
        text += child.nodeValue();
    }
    if (onlyText) {
        if (isBlank(text) && !staysOnRead(text)) {
            while (element.hasChildNodes())
                element.removeChild(element.firstChild());
        }
        return;
    }
    // Beside other nodes, every run of blank text goes.
    QList<QDomNode> dropped;
    QList<QDomNode> run;
    QString runText;
    const auto endRun = [&] {
        if (!run.isEmpty() && isBlank(runText))
            dropped += run;
        run.clear();
        runText.clear();
    };
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (isPlainText(child)) {
            run.append(child);
            runText += child.nodeValue();
        } else {
            endRun();
        }
    }
    endRun();
    for (QDomNode &node : dropped)
        element.removeChild(node);
    // Text broken by comments or instructions reads as one text.
    bool hasText = false;
    bool hasMarkup = false;
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (child.isElement())
            return;
        if (child.isText())
            hasText = true;
        else if (child.isComment() || child.isProcessingInstruction())
            hasMarkup = true;
    }
    if (hasText && hasMarkup) {
        const QString joined = element.text();
        while (element.hasChildNodes())
            element.removeChild(element.firstChild());
        element.appendChild(element.ownerDocument().createTextNode(joined));
    }
}

} // namespace

namespace XmlPieces {

void settleAsReadBack(QDomElement element)
{
    // Children first: a child that empties may leave its parent's run.
    QList<QDomElement> pending{element};
    QList<QDomElement> order;
    while (!pending.isEmpty()) {
        QDomElement current = pending.takeLast();
        order.append(current);
        for (QDomElement child = current.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement())
            pending.append(child);
    }
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        settleChildren(*it);
}

QString partChildText(QDomDocument &document, const QDomNode &node)
{
    QDomElement wrapper = document.createElement(wrapperTag);
    QDomNode held = wrapper.appendChild(node);
    QString text;
    {
        QTextStream stream(&text);
        wrapper.save(stream, 1);
    }
    wrapper.removeChild(held);
    // " <w>\n" ... " </w>\n"
    const qsizetype head = wrapperTag.size() + 4;
    const qsizetype tail = wrapperTag.size() + 5;
    return text.mid(head, text.size() - head - tail);
}

QString rootChildText(const QDomElement &element)
{
    QString text;
    {
        QTextStream stream(&text);
        element.save(stream, 1);
    }
    // " <tag ...>...</tag>\n"
    return text.mid(1, text.size() - 2);
}

QString startTagText(QDomDocument &document, const QDomElement &element)
{
    QDomElement shallow = element.cloneNode(false).toElement();
    shallow.appendChild(document.createElement(wrapperTag));
    QString text;
    {
        QTextStream stream(&text);
        shallow.save(stream, 1);
    }
    // " <tag ...>\n  <w/>\n </tag>\n"
    return text.mid(1, text.indexOf(QLatin1Char('\n')));
}

} // namespace XmlPieces
