// Score's element comparison: whether two measure children of two
// documents stand for the same music, whatever their layout attributes.
#include "model/score.h"

#include <QHash>
#include <QStringList>

namespace {

// The attributes that tell one spanner from another; every other
// attribute is layout and ignored.
const QHash<QString, QStringList> &identifyingAttributes()
{
    static const QStringList typeNumber = {QStringLiteral("type"), QStringLiteral("number")};
    static const QStringList line = {QStringLiteral("type"), QStringLiteral("number"),
                                     QStringLiteral("line-end"), QStringLiteral("line-type")};
    static const QHash<QString, QStringList> table = {
        {QStringLiteral("beam"), {QStringLiteral("number")}},
        {QStringLiteral("tuplet"), {QStringLiteral("bracket"), QStringLiteral("type")}},
        {QStringLiteral("slur"), typeNumber},
        {QStringLiteral("tie"), {QStringLiteral("type")}},
        {QStringLiteral("tied"), {QStringLiteral("type")}},
        {QStringLiteral("barline"), {QStringLiteral("location")}},
        {QStringLiteral("ending"), typeNumber},
        {QStringLiteral("repeat"), {QStringLiteral("direction")}},
        {QStringLiteral("bracket"), line},
        {QStringLiteral("dashes"), line},
        {QStringLiteral("octave-shift"), typeNumber}};
    return table;
}

bool sameIdentifyingAttributes(const QDomElement &a, const QDomElement &b)
{
    const auto found = identifyingAttributes().constFind(a.tagName());
    if (found == identifyingAttributes().cend())
        return true;
    for (const QString &name : *found) {
        // An absent attribute counts as the empty text.
        if (a.attribute(name) != b.attribute(name))
            return false;
    }
    return true;
}

} // namespace

bool Score::isSameSpannerXml(const QDomElement &a, const QDomElement &b)
{
    if (a.tagName() != b.tagName() || a.text() != b.text() || !sameIdentifyingAttributes(a, b))
        return false;
    QDomElement childA = a.firstChildElement();
    QDomElement childB = b.firstChildElement();
    for (; !childA.isNull() && !childB.isNull();
         childA = childA.nextSiblingElement(), childB = childB.nextSiblingElement()) {
        if (!isSameSpannerXml(childA, childB))
            return false;
    }
    // Equal only when both lists of children end together.
    return childA.isNull() && childB.isNull();
}
