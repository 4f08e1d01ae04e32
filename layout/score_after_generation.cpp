// Score's passes over the graphic items once generation has made them all:
// hiding the glyphs of notes that continue a chain.
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"

#include <QGraphicsItem>

#include <algorithm>

namespace {

// The repeat sign and the breath mark of a continuation still belong on
// the page; its other glyphs would write the same note twice.
bool staysVisible(const QString &glyphId)
{
    return glyphId == QLatin1String("Prev") || glyphId.startsWith(QLatin1String("Breath"));
}

void hideContinuationGlyphs(const Note *note, const QList<AlignItem *> &items)
{
    // alignItemEnd is the note's last item, inclusive; an index past the
    // voice's items (a stale note) hides nothing that is not there.
    const int last = std::min(note->alignItemEnd, int(items.size()) - 1);
    for (int i = std::max(note->alignItemBegin, 0); i <= last; ++i) {
        const AlignItem *item = items.at(i);
        if (item->graphicsItem && !staysVisible(item->glyphId))
            item->graphicsItem->setVisible(false);
    }
}

} // namespace

void Score::hideTiedNoteGlyphs()
{
    for (const Measure *measure : std::as_const(measures)) {
        const int partCount = std::min<int>(parts.size(), measure->parts.size());
        for (int p = 0; p < partCount; ++p) {
            if (!parts.at(p)->partOutput)
                continue;
            for (const Voice *voice : std::as_const(measure->parts.at(p)->voices)) {
                for (const Note *note : voice->notes) {
                    if (note->longRepeatMemberFlag && note->firstAlignItem >= 0 &&
                        note->alignItemBegin <= note->alignItemEnd)
                        hideContinuationGlyphs(note, voice->alignItems);
                }
            }
        }
    }
}
