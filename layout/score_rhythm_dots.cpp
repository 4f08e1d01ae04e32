// Score's rhythm dots of traditional Kinko notation: white and black dots
// beside the note names for the beats and eighths a note lasts, and the
// linking marks where the dots have fallen behind the notes' time.
#include "glyphs/staff_glyph_support.h"
#include "layout/layouter.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "view/scene.h"

#include "model/glyphitem.h"

#include <QTransform>

namespace {

// The next note after `index` that is not a chord member, or null.
Note *nextMainNote(const QList<Note *> &notes, int index)
{
    for (int i = index + 1; i < notes.size(); ++i) {
        if (!notes.at(i)->chord)
            return notes.at(i);
    }
    return nullptr;
}

// Divisions of the notes from `index` up to the one that stops its tuplet.
int tupletDuration(const QList<Note *> &notes, int index)
{
    int sum = 0;
    for (int i = index; i < notes.size(); ++i) {
        const Note *note = notes.at(i);
        if (note->chord)
            continue;
        sum += note->duration;
        if (i > index && note->tupletState[0] == 2)
            break;
    }
    return sum;
}

} // namespace

int Score::genDotItems(Measure *measure, int part, int voice)
{
    const int eighth = measure->divisions; // half-divisions of an eighth
    // Without divisions there is no beat to count.
    if (measure->multiRestCount >= 2 || eighth <= 0)
        return 1;
    const double r = measure->getPartRefLine(part);
    const QList<Note *> &notes = measure->parts.at(part)->voices.at(voice)->notes;
    int pos = 0; // half-divisions reached by the notes
    int c = 0;   // eighth steps already marked
    Note *prev = nullptr;
    for (int i = 0; i < notes.size(); ++i) {
        Note *note = notes.at(i);
        if (note->chord)
            continue;
        if (note->tremoloType == 2) {
            if (!note->grace)
                prev = note;
            continue;
        }
        const int d = note->tremoloType == 1 ? 2 * note->duration : note->duration;
        const int next = pos + 2 * d;
        if (note->grace) {
            pos = next;
            continue;
        }
        if (c * eighth < pos) {
            // The marks catch up by one step; with no note before (only
            // grace notes took the time) there is nothing to link, but the
            // step is counted all the same, so the dots keep the beat.
            Note *after = prev ? nextMainNote(notes, int(notes.indexOf(prev))) : nullptr;
            if (after)
                genDotItems2(measure, part, voice, prev, after, r, c % 2 == 0);
            ++c;
        }
        if (pos % eighth != 0) {
            pos = next;
            prev = note;
            continue;
        }
        const bool side = c % 2 == 0;
        int k = (2 * d) / eighth;
        if (note->tupletState[0] == 1) {
            k = 2 * tupletDuration(notes, i) / eighth;
            genDotItems1(measure, part, voice, note, r, side, k / 2, k % 2);
            c += k;
        } else if (k < 1) {
            genDotItems1(measure, part, voice, note, r, side, 0, 1);
        } else {
            genDotItems1(measure, part, voice, note, r, side, k / 2, k % 2);
            c += (c % 2 == 0 || k % 2 == 1) ? k : k - 1;
        }
        pos = next;
        prev = note;
    }
    return 1;
}

void Score::genDotItems1(Measure *measure, int part, int voice, Note *note, double r, bool side,
                         int white, int black)
{
    const Part *settings = parts.at(part);
    const double size = settings->noteFontSize;
    const bool horizontal = page->horizontal;
    const QSizeF name = measure->getItemSize(part, voice, note->noteAlignItem);
    const QPointF first = measure->getItemFinalPosFrame(part, voice, note->firstAlignItem);
    const double edge = measure->layouter->chordEdgePos(part, voice, horizontal ? !side : side);
    const double width = note->tremoloType == 1 ? getNoteWidthByLevel(part, note->tremoloMarks)
                                                : getNoteWidth(part, note->noteType);
    for (int j = 0; j < white + black; ++j) {
        const QString glyph = j < white ? QStringLiteral("DotWhite") : QStringLiteral("DotBlack");
        const double step = j * 0.35 * width * size;
        QPointF at;
        if (horizontal)
            at = QPointF(name.width() / 2 + first.x() - 0.2 * size + step,
                         edge + r + size * (side ? -0.3 : 0.1));
        else
            at = QPointF(edge + r + size * (side ? 0.1 : -0.3),
                         name.height() / 2 + first.y() - 0.2 * size + step);
        addRhythmDotGlyph(measure, part, voice, note, glyph, at);
    }
}

void Score::genDotItems2(Measure *measure, int part, int voice, Note *a, Note *b, double r,
                         bool circle)
{
    const double size = parts.at(part)->noteFontSize;
    const bool horizontal = page->horizontal;
    const QSizeF box = measure->getItemSize(part, voice, a->firstAlignItem);
    const QPointF fa = measure->getItemFinalPosFrame(part, voice, a->firstAlignItem);
    const QPointF fb = measure->getItemFinalPosFrame(part, voice, b->firstAlignItem);
    const double edge = measure->layouter->chordEdgePos(part, voice, horizontal ? !circle : circle);
    const QString glyph = circle ? QStringLiteral("DotCircle") : QStringLiteral("DotTri");
    QPointF at;
    if (horizontal) {
        const double m = 0.7 * box.width() + fa.x();
        at = QPointF(((fb.x() - m) - 0.1 * size) / 2 + m, edge + r + size * (circle ? -0.3 : 0.1));
    } else {
        const double m = 0.7 * box.height() + fa.y();
        at = QPointF(edge + r + size * (circle ? 0.1 : -0.3), ((fb.y() - m) - 0.1 * size) / 2 + m);
    }
    addRhythmDotGlyph(measure, part, voice, a, glyph, at);
}

void Score::addRhythmDotGlyph(Measure *measure, int part, int voice, const Note *note,
                              const QString &glyphId, const QPointF &at)
{
    const Part *settings = parts.at(part);
    GlyphItem *item = GlyphItems::create(settings->noteFontRenderer, glyphId);
    const double g = settings->noteFontSize * page->glyphScale;
    item->setTransform(QTransform::fromScale(g, g));
    item->setPos(at * page->scaleFactor);
    scene->addItem(item);
    // Ink of the note it counts, which texts drawn later keep clear of.
    StaffGlyphs::tagPart(this, item, measure, part, voice, note);
    QList<QList<QRectF>> &boxes = measure->looseInkBoxes;
    if (boxes.size() <= part)
        boxes.resize(part + 1);
    boxes[part].append(item->sceneBoundingRect());
}
