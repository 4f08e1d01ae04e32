#include "document/documentredirect.h"

#include "model/credit.h"
#include "model/directive.h"
#include "model/fingering.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/score.h"
#include "model/voice.h"

#include <algorithm>

namespace {

// Child indices from the document down to `node`; empty when the node does
// not stand in `document`.
QList<int> pathFromDocument(QDomNode node, const QDomDocument &document)
{
    QList<int> path;
    while (!node.isNull() && !node.isDocument()) {
        int index = 0;
        for (QDomNode sibling = node.previousSibling(); !sibling.isNull();
             sibling = sibling.previousSibling())
            ++index;
        path.append(index);
        node = node.parentNode();
    }
    if (node.isNull() || node != document)
        return {};
    std::reverse(path.begin(), path.end());
    return path;
}

// A deep copy that keeps the whole document type declaration: a cloned
// document keeps only its name, and the exported file would lose the public
// and system identifiers that MusicXML readers look for. The declaration is
// no child node, so the copy's children stand at the same paths.
QDomDocument copyWithDeclaration(const QDomDocument &original)
{
    const QDomDocumentType type = original.doctype();
    if (type.isNull() || (type.publicId().isEmpty() && type.systemId().isEmpty()))
        return original.cloneNode(true).toDocument();
    QDomDocument copy(
        QDomImplementation().createDocumentType(type.name(), type.publicId(), type.systemId()));
    for (QDomNode node = original.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (!node.isDocumentType())
            copy.appendChild(copy.importNode(node, true));
    }
    return copy;
}

QDomNode nodeAtPath(const QDomDocument &document, const QList<int> &path)
{
    QDomNode node = document;
    for (int index : path) {
        node = node.firstChild();
        for (int k = 0; k < index && !node.isNull(); ++k)
            node = node.nextSibling();
    }
    return node;
}

} // namespace

DocumentRedirect::DocumentRedirect(Score *score)
    : m_score(score), m_original(score->document), m_copy(copyWithDeclaration(score->document))
{
    collectSlots();
    for (const auto &saved : std::as_const(m_saved))
        redirect(saved.first);
    m_score->document = m_copy;
}

DocumentRedirect::~DocumentRedirect()
{
    m_score->document = m_original;
    for (const auto &saved : std::as_const(m_saved))
        *saved.first = saved.second;
}

void DocumentRedirect::collectSlots()
{
    const auto keep = [this](QDomElement &slot) { m_saved.append({&slot, slot}); };
    keep(m_score->partListElement);
    for (QDomElement &part : m_score->partElements)
        keep(part);
    for (Credit *credit : std::as_const(m_score->credits))
        keep(credit->element);
    for (Measure *measure : std::as_const(m_score->measures)) {
        for (QDomElement &element : measure->measureElements)
            keep(element);
        for (MePart *cell : std::as_const(measure->parts)) {
            for (const Voice *voice : cell->voices) {
                for (Note *note : std::as_const(voice->notes)) {
                    keep(note->element);
                    for (Lyrics *lyric : std::as_const(note->lyrics))
                        keep(lyric->element);
                    for (Fingering *finger : std::as_const(note->fingerings))
                        keep(finger->element);
                    for (Directive *directive : std::as_const(note->directives))
                        keep(directive->element);
                }
            }
        }
    }
}

void DocumentRedirect::redirect(QDomElement *slot)
{
    if (slot->isNull())
        return;
    const QList<int> path = pathFromDocument(*slot, m_original);
    if (path.isEmpty())
        return;
    *slot = nodeAtPath(m_copy, path).toElement();
}
