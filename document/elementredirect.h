// Points the model's element handles that lie in one element's subtree at
// their counterparts in a deep copy of that subtree, for as long as this
// object lives, and puts every handle back (also those a builder gave
// other elements meanwhile) on destruction. Whatever a builder does in
// between through those handles touches only the copy.
//
// Handles whose element is not met in the subtree keep pointing where they
// did. Never fails. The handles must outlive this object.
#pragma once

#include <QDomElement>
#include <QList>
#include <QPair>

class ElementRedirect
{
public:
    // `copy` is a deep copy of `original` (QDomNode::cloneNode), made
    // before either changed.
    ElementRedirect(const QList<QDomElement *> &handles, const QDomElement &original,
                    const QDomElement &copy);
    ~ElementRedirect();
    ElementRedirect(const ElementRedirect &) = delete;
    ElementRedirect &operator=(const ElementRedirect &) = delete;

private:
    void redirect(const QDomElement &original, const QDomElement &copy);

    // Each handle with the value it had.
    QList<QPair<QDomElement *, QDomElement>> m_saved;
};
