// Score's release of its document for a score that is only drawn.
#include "model/score.h"

#include "document/elementslots.h"

void Score::releaseDocument()
{
    // A handle keeps its node, and the node its children, alive after the
    // document is gone: every handle goes with it.
    ElementSlots::forEach(this, [](QDomElement &slot) { slot = QDomElement(); });
    document = QDomDocument();
}
