#include "document/layoutcost.h"

#include "model/measure.h"

#include <QDomDocument>

namespace {

qsizetype elementCount(const QDomDocument &document)
{
    qsizetype count = 0;
    QDomNode node = document.documentElement();
    while (!node.isNull()) {
        if (node.isElement())
            ++count;
        if (node.hasChildNodes()) {
            node = node.firstChild();
            continue;
        }
        while (!node.isNull() && node.nextSibling().isNull())
            node = node.parentNode();
        if (!node.isNull())
            node = node.nextSibling();
    }
    return count;
}

} // namespace

namespace LayoutCost {

qint64 timeTicks(const Measure *measure)
{
    const qint64 divisions = measure->divisions > 0 ? measure->divisions : 1;
    const qint64 limit = 16LL * measure->voiceOneLength;
    return limit > 0 ? (limit + divisions - 1) / divisions : 0;
}

qint64 Estimate::total() const
{
    return elements + measures * elementsPerMeasure + ticks / ticksPerElement;
}

Estimate of(const QDomDocument &document, const QList<Measure *> &measures)
{
    Estimate estimate;
    estimate.elements = elementCount(document);
    estimate.measures = measures.size();
    for (const Measure *measure : measures)
        estimate.ticks += timeTicks(measure);
    return estimate;
}

} // namespace LayoutCost
