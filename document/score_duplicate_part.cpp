// Score's part duplication in the document: one score-part and its part
// copied, the copies marked by "-Dup" after their ids.
#include "model/score.h"

#include "document/domfromtext.h"
#include "document/scorexmlmode.h"

#include <QDebug>

namespace {

const QString idAttribute = QStringLiteral("id");

// A deep copy of `element` whose id is marked as a copy's.
QDomElement markedCopy(const QDomElement &element)
{
    QDomElement copy = element.cloneNode(true).toElement();
    const QString id = copy.attribute(idAttribute);
    if (id.isEmpty())
        qDebug().noquote() << "duplicateScoreXmlPart error: no id";
    else
        copy.setAttribute(idAttribute, id + QStringLiteral("-Dup"));
    return copy;
}

// The index-th direct child of `parent` named `tag`, counted from 0.
QDomElement nthChildElement(const QDomElement &parent, const QString &tag, int index)
{
    if (index < 0)
        return QDomElement();
    QDomElement child = parent.firstChildElement(tag);
    for (int i = 0; i < index && !child.isNull(); ++i)
        child = child.nextSiblingElement(tag);
    return child;
}

} // namespace

std::optional<QString> Score::duplicateScoreXmlPart(int partIndex)
{
    // The loader lets the text go once the model stands; the model then
    // is what the score holds, and a text kept from an earlier save could
    // be older than the edits made since.
    const QString text =
        document.documentElement().isNull() ? documentText : buildScoreXml(ScoreXmlMode::ScoreFile);
    QDomDocument copy;
    DomFromText::read(text, copy);
    QDomElement root = copy.firstChildElement(QStringLiteral("score-partwise"));
    if (root.isNull()) {
        qDebug().noquote() << "duplicateScoreXmlPart error: no score-partwise";
        return std::nullopt;
    }

    // Both sources are found before either copy goes in, so that the
    // copies never count.
    QDomElement partList = root.firstChildElement(QStringLiteral("part-list"));
    const QDomElement scorePart =
        nthChildElement(partList, QStringLiteral("score-part"), partIndex);
    const QDomElement part = nthChildElement(root, QStringLiteral("part"), partIndex);
    if (!scorePart.isNull())
        partList.insertBefore(markedCopy(scorePart), scorePart);
    if (!part.isNull())
        root.insertAfter(markedCopy(part), part);
    return copy.toString(1);
}
