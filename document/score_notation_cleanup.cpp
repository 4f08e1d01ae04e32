// Score's clean-up of note notations in the document: fingering texts out,
// elements of one tag out, and a note's fingering texts rewritten and read
// again.
#include "model/score.h"

#include "model/directive.h"
#include "model/fingering.h"
#include "model/notation.h"
#include "model/note.h"

#include <QDebug>

namespace {

// Removal waits until the walk is done, so that no sibling is passed over.
void removeAll(QDomNode &parent, const QList<QDomNode> &children)
{
    for (const QDomNode &child : children)
        parent.removeChild(child);
}

bool isElementNamed(const QDomNode &node, const QString &tag)
{
    return node.isElement() && node.toElement().tagName() == tag;
}

// Objects taken off a note stay children of the note until it dies: an undo
// command or a selection may still point at them.
template <class T> void retire(QList<T *> &list, Note *note)
{
    for (T *object : std::as_const(list))
        object->setParent(note);
    list.clear();
}

void traceNotationLists(const Note *note)
{
    for (int i = 0; i < note->notations.size(); ++i)
        qDebug().noquote()
            << QStringLiteral("notation %1, text = %2").arg(i).arg(note->notations.at(i)->text);
    for (int i = 0; i < note->directives.size(); ++i)
        qDebug().noquote()
            << QStringLiteral("directive %1, text = %2").arg(i).arg(note->directives.at(i)->text);
}

QString trueFalse(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

bool Score::cleanNoteNotationsXml(QDomNode node)
{
    QList<QDomNode> fingerings;
    // The recursion may take the child out of the node, so its next sibling
    // is taken first.
    for (QDomNode child = node.firstChild(); !child.isNull();) {
        const QDomNode next = child.nextSibling();
        if (isElementNamed(child, QStringLiteral("fingering")))
            fingerings.append(child);
        else
            cleanNoteNotationsXml(child);
        child = next;
    }
    removeAll(node, fingerings);
    if (!node.hasChildNodes() && (isElementNamed(node, QStringLiteral("technical")) ||
                                  isElementNamed(node, QStringLiteral("notations")))) {
        QDomNode parent = node.parentNode();
        if (!parent.isNull())
            parent.removeChild(node);
    }
    return true;
}

bool Score::removeElementsByTag(QDomNode node, const QString &tag)
{
    QList<QDomNode> matches;
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (isElementNamed(child, tag))
            matches.append(child);
        else
            removeElementsByTag(child, tag);
    }
    removeAll(node, matches);
    return true;
}

void Score::updateNoteNotationXml(Note *note, const QStringList &texts)
{
    traceNotationLists(note);
    note->directName.clear();
    note->noPrev = false;
    note->longRepeatCount = 0;
    note->hajiki = false;

    if (!texts.isEmpty()) {
        QDomElement notations = note->element.firstChildElement(QStringLiteral("notations"));
        if (notations.isNull()) {
            qDebug().noquote() << "----1-----";
            notations = document.createElement(QStringLiteral("notations"));
            note->element.appendChild(notations);
        }
        QDomElement technical = document.createElement(QStringLiteral("technical"));
        notations.appendChild(technical);
        qDebug().noquote() << "----2-----elemNotations.isNull(), elemTechnical = " +
                                  trueFalse(notations.isNull()) + ", " +
                                  trueFalse(technical.isNull());
        for (const QString &text : texts) {
            QDomElement fingering = document.createElement(QStringLiteral("fingering"));
            technical.appendChild(fingering);
            qDebug().noquote() << "----3-----";
            fingering.appendChild(document.createTextNode(text));
            qDebug().noquote() << "----4-----";
        }
    }

    const QDomElement notations = note->element.firstChildElement(QStringLiteral("notations"));
    qDebug().noquote() << "updateNoteDirectiveNotationXml elemNotations.isNull() = " +
                              trueFalse(notations.isNull());
    if (!notations.isNull()) {
        // Every list is read again; the fingerings too, or they would be
        // doubled.
        retire(note->notations, note);
        retire(note->directives, note);
        retire(note->fingerings, note);
        for (QDomElement each = notations; !each.isNull();
             each = each.nextSiblingElement(QStringLiteral("notations")))
            parseNoteNotations(note, each);
    }
    qDebug().noquote() << QStringLiteral(
                              "updateNoteNotationXml after parse no of notations, directives = "
                              "%1, %2")
                              .arg(note->notations.size())
                              .arg(note->directives.size());
    traceNotationLists(note);
}
