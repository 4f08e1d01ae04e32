// Score's staff-notation geometry: the staff step of a note under its
// clef, distances across a staff counted in staff steps, the scale of a
// note's glyph, and the five lines of every staff along one line of the
// score.
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/staffclef.h"
#include "view/scene.h"

#include <QBrush>
#include <QGraphicsItem>
#include <QGraphicsRectItem>
#include <QPen>
#include <QTransform>

namespace {

// Steps of a step letter above C, C being 0; -1 for no letter.
int letterIndex(const QString &step)
{
    static const QString letters = QStringLiteral("CDEFGAB");
    return step.size() == 1 ? int(letters.indexOf(step.at(0))) : -1;
}

// The first displayed measure of the line that `last` ends.
const Measure *firstOfLine(const QList<Measure *> &displayed, const Measure *last)
{
    qsizetype i = displayed.indexOf(const_cast<Measure *>(last));
    while (i > 0 && !displayed.at(i)->lineStart)
        --i;
    return i >= 0 ? displayed.at(i) : last;
}

} // namespace

int Score::getStaffStep(Measure *measure, int part, Note *note) const
{
    Q_UNUSED(measure)
    Q_UNUSED(part)
    const int letter = letterIndex(note->step);
    // The clef names the note on the middle line; a note without a step
    // letter counts from that line's octave.
    const int middle = StaffClef::fromCode(note->clef).middleLineDiatonic();
    const int step =
        letter < 0 ? 7 * (note->octave - middle / 7) : 7 * note->octave + letter - middle;
    return step + note->octaveShiftSteps;
}

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

void Score::addStaffLines(Part *part, Measure *measure)
{
    const double s = page->scaleFactor;
    const bool horizontal = page->horizontal;
    // From the start of the line's first measure to the end of its last.
    // The room a stage keeps in front of its first measure holds the part
    // labels, which the lines would strike through.
    const Measure *first = firstOfLine(displayedMeasures, measure);
    const double start = horizontal ? first->originX : first->originY;
    const double end =
        horizontal ? measure->originX + measure->width : measure->originY + measure->height;
    const double startScene = start * s;
    const double length = end * s - startScene;
    const double size = part->noteFontSize;
    const double thickness = 0.015 * size * s;

    QPen pen;
    pen.setWidthF(0.4);
    const QBrush brush(Qt::black, Qt::SolidPattern);
    // A part of another score has no cell in this measure.
    const int partIndex = int(parts.indexOf(part));
    if (partIndex < 0 || partIndex >= measure->parts.size())
        return;
    // The model holds no more staves than its fixed limit, whatever the
    // file's `staves` said.
    const int staves = qBound(0, part->staffCount, int(MePart::maxStaves));
    for (int staff = 0; staff < staves; ++staff) {
        const double middle = measure->getPartNoteLine(staff, partIndex);
        for (int k = -2; k <= 2; ++k) {
            // The line's top (or left) edge lies on its position.
            const double position = (k * size * 0.25 + middle) * s;
            auto *line = horizontal ? new QGraphicsRectItem(0.0, 0.0, length, thickness)
                                    : new QGraphicsRectItem(0.0, 0.0, thickness, length);
            line->setPos(horizontal ? QPointF(startScene, position)
                                    : QPointF(position, startScene));
            line->setBrush(brush);
            line->setPen(pen);
            scene->addItem(line);
        }
    }
}
