#include "document/documentredirect.h"

#include "document/elementslots.h"
#include "model/score.h"

#include <QHash>

namespace {

// The identity of a node: the toolkit shares one private node between all
// handles of it, and compares handles by it, but offers no hash. A handle
// made by copying can reach it.
class NodeIdentity : public QDomNode
{
public:
    explicit NodeIdentity(const QDomNode &node) : QDomNode(node) {}
    const void *key() const { return impl; }
};

const void *identityOf(const QDomNode &node)
{
    return NodeIdentity(node).key();
}

// A deep copy that keeps the whole document type declaration: a cloned
// document keeps only its name, and the exported file would lose the public
// and system identifiers that MusicXML readers look for.
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

// The next child of a document at or after `node` that is not its type
// declaration: the two documents may hold the declaration differently.
QDomNode skipDeclaration(QDomNode node)
{
    while (!node.isNull() && node.isDocumentType())
        node = node.nextSibling();
    return node;
}

} // namespace

DocumentRedirect::DocumentRedirect(Score *score)
    : m_score(score), m_original(score->document), m_copy(copyWithDeclaration(score->document))
{
    collectSlots();
    redirectSlots();
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
    ElementSlots::forEach(m_score, [this](QDomElement &slot) { m_saved.append({&slot, slot}); });
}

// The copy has the original's shape: one walk through both in step pairs
// every node with its counterpart. Slots whose element is not met on the
// way (taken out of the document) keep pointing where they did.
void DocumentRedirect::redirectSlots()
{
    QHash<const void *, QList<QDomElement *>> waiting;
    for (const auto &saved : std::as_const(m_saved)) {
        if (!saved.second.isNull())
            waiting[identityOf(saved.second)].append(saved.first);
    }
    if (waiting.isEmpty())
        return;
    QDomNode original = skipDeclaration(m_original.firstChild());
    QDomNode copy = skipDeclaration(m_copy.firstChild());
    const auto nextSiblings = [](QDomNode &a, QDomNode &b, bool topLevel) {
        a = a.nextSibling();
        b = b.nextSibling();
        if (topLevel) {
            a = skipDeclaration(a);
            b = skipDeclaration(b);
        }
    };
    int depth = 0;
    while (!original.isNull() && !copy.isNull()) {
        if (original.isElement()) {
            const auto found = waiting.constFind(identityOf(original));
            if (found != waiting.constEnd()) {
                for (QDomElement *slot : found.value())
                    *slot = copy.toElement();
            }
        }
        if (original.hasChildNodes() && copy.hasChildNodes()) {
            original = original.firstChild();
            copy = copy.firstChild();
            ++depth;
            continue;
        }
        while (!original.isNull() && original.nextSibling().isNull() && depth > 0) {
            original = original.parentNode();
            copy = copy.parentNode();
            --depth;
        }
        nextSiblings(original, copy, depth == 0);
    }
}
