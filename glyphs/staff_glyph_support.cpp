#include "glyphs/staff_glyph_support.h"

#include "model/glyphitem.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/staffclef.h"
#include "model/voice.h"

#include <QGraphicsItem>
#include <QSvgRenderer>
#include <QTransform>

#include <algorithm>

namespace StaffGlyphs {

namespace {

constexpr int noBeam = 0;
constexpr int flagOnly = 6;

} // namespace

bool isBeamed(const Note *note)
{
    const int state = note->beamTypes.at(0);
    return state != noBeam && state != flagOnly;
}

double alongShift(const Note *note)
{
    return note->noteShiftMajor + note->noteShiftSub;
}

QList<Note *> chordByStep(Score *score, Measure *measure, int part, int voice, int first)
{
    const QList<Note *> &notes = measure->parts.at(part)->voices.at(voice)->notes;
    const int size = std::clamp(notes.at(first)->chordSize, 1, int(notes.size()) - first);
    QList<Note *> chord = notes.mid(first, size);
    std::stable_sort(chord.begin(), chord.end(), [&](Note *a, Note *b) {
        return score->getStaffStep(measure, part, a) < score->getStaffStep(measure, part, b);
    });
    return chord;
}

double headWidth(const Note *note, double size, bool seconds)
{
    if (!note->grace)
        return (seconds ? 0.8062 : 0.556) * size;
    if (note->noteType == 4)
        return 0.4587 * size;
    if (isBeamed(note))
        return 0.3058 * size;
    return (note->stemShown == 2 ? 0.3475 : 0.4587) * size;
}

QGraphicsItem *glyph(Score *score, int part, const QString &glyphId, bool common)
{
    const std::shared_ptr<QSvgRenderer> &renderer =
        common ? score->commonRenderer : score->parts.at(part)->noteFontRenderer;
    if (!glyphId.isEmpty() && renderer && renderer->elementExists(glyphId))
        return score->createNoteSvgItem(part, glyphId, common);
    // Without a renderer of its own the item paints nothing and has an
    // empty box; the transform still matches its neighbours.
    GlyphItem *blank = GlyphItems::create(nullptr, QString());
    const double scale = score->parts.at(part)->noteFontSize * score->page->glyphScale;
    blank->setTransform(QTransform::fromScale(scale, scale));
    return blank;
}

void tagPart(Score *score, QGraphicsItem *item, const Measure *measure, int part, int voice,
             const Note *note)
{
    const QList<Note *> &notes = measure->parts.at(part)->voices.at(voice)->notes;
    score->setNotePartItemTag(item, measure->indexInScore(), part, voice,
                              int(notes.indexOf(const_cast<Note *>(note))));
}

int append(Score *score, Measure *measure, int part, int voice, const Note *note, double width,
           const QString &glyphId, int kind, int time, QGraphicsItem *item, double cross,
           double along, double across)
{
    const bool horizontal = score->page->horizontal;
    // Heads, rests and dots carry their note's own tag; what else is drawn
    // for the note is part of its ink too.
    if (item && !item->data(TagType).isValid())
        tagPart(score, item, measure, part, voice, note);
    return score->appendNoteAlignItem(measure, part, voice, note->staff, width, glyphId, width,
                                      across, kind, time, item, cross, horizontal ? along : cross,
                                      horizontal ? cross : along);
}

ClefGlyph clefGlyph(const StaffClef &clef)
{
    // The boxes as the staff font cuts them around each clef's reference
    // line (the G, F or C line, the percussion clef's middle).
    if (clef.sign == QLatin1String("G")) {
        if (clef.octaveChange > 0)
            return {QStringLiteral("ClefG8va"), 11.0, 5.0};
        if (clef.octaveChange < 0)
            return {QStringLiteral("ClefG8vb"), 8.4, 8.0};
        return {QStringLiteral("ClefG"), 8.4, 5.0};
    }
    if (clef.sign == QLatin1String("F")) {
        if (clef.octaveChange > 0)
            return {QStringLiteral("ClefF8va"), 5.0, 5.4};
        if (clef.octaveChange < 0)
            return {QStringLiteral("ClefF8vb"), 1.68, 7.0};
        return {QStringLiteral("ClefF"), 1.68, 4.0};
    }
    if (clef.sign == QLatin1String("C"))
        return {QStringLiteral("ClefC"), 5.0, 5.0};
    if (clef.sign == QLatin1String("percussion"))
        return {QStringLiteral("ClefPercussion"), 4.0, 4.0};
    return {};
}

} // namespace StaffGlyphs
