#include "document/elementredirect.h"

#include <QHash>

namespace {

// The identity of a node: the toolkit shares one private node between all
// handles of it, and compares handles by it, but offers no hash. A handle
// made by copying can reach it.
class RedirectNodeIdentity : public QDomNode
{
public:
    explicit RedirectNodeIdentity(const QDomNode &node) : QDomNode(node) {}
    const void *key() const { return impl; }
};

const void *redirectIdentityOf(const QDomNode &node)
{
    return RedirectNodeIdentity(node).key();
}

} // namespace

ElementRedirect::ElementRedirect(const QList<QDomElement *> &handles, const QDomElement &original,
                                 const QDomElement &copy)
{
    m_saved.reserve(handles.size());
    for (QDomElement *handle : handles)
        m_saved.append({handle, *handle});
    redirect(original, copy);
}

ElementRedirect::~ElementRedirect()
{
    for (const auto &saved : std::as_const(m_saved))
        *saved.first = saved.second;
}

// The copy has the original's shape: one walk through both in step pairs
// every node with its counterpart.
void ElementRedirect::redirect(const QDomElement &originalRoot, const QDomElement &copyRoot)
{
    QHash<const void *, QList<QDomElement *>> waiting;
    for (const auto &saved : std::as_const(m_saved)) {
        if (!saved.second.isNull())
            waiting[redirectIdentityOf(saved.second)].append(saved.first);
    }
    QDomNode original = originalRoot;
    QDomNode copy = copyRoot;
    while (!waiting.isEmpty() && !original.isNull() && !copy.isNull()) {
        if (original.isElement()) {
            const auto found = waiting.constFind(redirectIdentityOf(original));
            if (found != waiting.constEnd()) {
                for (QDomElement *handle : found.value())
                    *handle = copy.toElement();
                waiting.erase(found);
            }
        }
        if (original.hasChildNodes() && copy.hasChildNodes()) {
            original = original.firstChild();
            copy = copy.firstChild();
            continue;
        }
        // On to the next node in document order, without leaving the subtree.
        while (original != originalRoot && original.nextSibling().isNull()) {
            original = original.parentNode();
            copy = copy.parentNode();
        }
        if (original == originalRoot)
            break;
        original = original.nextSibling();
        copy = copy.nextSibling();
    }
}
