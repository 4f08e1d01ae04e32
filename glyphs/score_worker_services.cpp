// Score's services of the glyph dispatch that the notation workers call:
// comparing a chord's names with the previous chord's, and spacer items.
#include "glyphs/glyph_worker_support.h"
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"

#include "model/glyphitem.h"

bool Score::isSameStringList(const QStringList &a, const QStringList &b) const
{
    return !a.isEmpty() && a == b;
}

void Score::addSpacerTozan(Measure *measure, int part, int voice, int noteIndex, int onset)
{
    Q_UNUSED(noteIndex);
    QString id = QStringLiteral("Spacer");
    measure->addNoteItem3(part, voice, id, 32, true, AlignLeading, false, 6, 0.0, onset,
                          style->noteSpacerRatio, 1.0);
}

void Score::addSpacerItem(double lengthFactor, Measure *measure, int part, int voice, int noteIndex)
{
    const double size = parts.at(part)->noteFontSize;
    GlyphItem *glyph = createSvgItem(part, true, QStringLiteral("Spacer"), false,
                                            page->horizontal, lengthFactor, 1.0);
    Voice *v = GlyphWorkers::voiceOf(measure, part, voice);
    auto *item = new AlignItem;
    if (!v->alignItems.isEmpty())
        item->position = v->alignItems.last()->position + v->alignItems.last()->width;
    item->width = lengthFactor * size;
    item->length = lengthFactor * size;
    item->breadth = size;
    item->kind = AlignLeading;
    item->glyphId = QStringLiteral("Spacer");
    item->staff = v->notes.at(noteIndex)->staff;
    item->graphicsItem = glyph;
    v->alignItems.append(item);
}
