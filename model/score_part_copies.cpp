// Score: settings copies of a part list, the values a part-settings edit
// keeps for its undo.
#include "model/part.h"
#include "model/score.h"

QList<Part *> Score::copyPartList(const QList<Part *> &source)
{
    QList<Part *> copies;
    copies.reserve(source.size());
    for (const Part *part : source) {
        // A bare Part: its note font and glyph maps come with the next
        // regeneration of whichever score takes these settings.
        auto *copy = new Part(this);
        copy->copySettingsFrom(part);
        copies.append(copy);
    }
    return copies;
}
