// Score's staff-notation geometry: distances across a staff counted in
// staff steps, and the scale of a note's glyph.
#include "model/measure.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"

#include <QGraphicsItem>
#include <QTransform>

double Score::getStaffStepOffset(int part, int steps) const
{
    const double offset = steps * parts.at(part)->noteFontSize * 0.125;
    return page->horizontal ? -offset : offset;
}

namespace {

QTransform noteGlyphTransform(const Measure *measure, const Note *note, int part, int voice)
{
    if (!measure || !note || !measure->itemExists(part, voice, note->firstAlignItem))
        return QTransform();
    const QGraphicsItem *item = measure->getItemGraphicsItem(part, voice, note->firstAlignItem);
    return item ? item->transform() : QTransform();
}

} // namespace

double Score::getNoteItemScaleX(Measure *measure, Note *note, int part, int voice) const
{
    return noteGlyphTransform(measure, note, part, voice).m11();
}

double Score::getNoteItemScaleY(Measure *measure, Note *note, int part, int voice) const
{
    return noteGlyphTransform(measure, note, part, voice).m22();
}
