// Measure's glyph placement: every glyph the engraving puts into a measure
// becomes a scene item and, beside it, an aligned item of one voice that
// tells time alignment and line layout how far it advances, where it
// starts and where the glyph sits inside its box.
#include "layout/alignitem.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"

#include <QDebug>
#include <QGraphicsItemGroup>
#include <QSvgRenderer>
#include <QTransform>

namespace {

constexpr int stackedKind = AlignOverlay;

enum GlyphClass : int
{
    PlainGlyph = 0,
    GraceGlyph = 2,
    SmallNoteGlyph = 3,
    SmallNoteGlyph2 = 4,
    NeverFarGlyph = 5,
    SpacerGlyph = 6,
    TokenGlyph = 7,
};

bool isSmallNote(int glyphClass)
{
    return glyphClass == SmallNoteGlyph || glyphClass == SmallNoteGlyph2;
}

// Fue and Traverso set their glyphs against the far edge of the note box.
bool setsGlyphsAtFarEdge(int style)
{
    return style == NotationStyle::Fue || style == NotationStyle::Traverso;
}

// KinkoTrad and ShamisenBunka place grace notes without the style's offset.
bool graceOffsetApplies(int style)
{
    return style != NotationStyle::KinkoTrad && style != NotationStyle::ShamisenBunka;
}

void replaceEmptyId(QString &glyphId)
{
    if (glyphId.isEmpty())
        glyphId = QStringLiteral("Undefined");
}

// Scale along and across the reading direction as an item transform.
QTransform alongAcrossScale(bool horizontal, double along, double across)
{
    return horizontal ? QTransform::fromScale(along, across) : QTransform::fromScale(across, along);
}

bool rendererHas(const std::shared_ptr<QSvgRenderer> &renderer, const QString &id)
{
    return !id.isEmpty() && renderer && renderer->elementExists(id);
}

// Appends a new aligned item to (part, voice), positioned by the position
// rule: the first item at 0, a stacked one at the previous item's start,
// any other after the previous item's advance.
AlignItem *appendAlignItem(Measure *measure, int part, int voice, bool stacked)
{
    QList<AlignItem *> &items = measure->parts.at(part)->voices.use(voice)->alignItems;
    auto *item = new AlignItem;
    if (!items.isEmpty()) {
        const AlignItem *previous = items.last();
        item->position = stacked ? previous->position : previous->position + previous->width;
    }
    items.append(item);
    return item;
}

} // namespace

QGraphicsItem *Measure::addNoteItem3(int part, int voice, QString &glyphId, int noteType,
                                     bool common, int kind, bool widen, int glyphClass,
                                     double baseOffset, int timeIndex, double scaleAlong,
                                     double scaleAcross)
{
    replaceEmptyId(glyphId);
    const Part *p = score->parts.at(part);
    const Style *style = score->style;
    const bool across = horizontal();
    const double size = p->noteFontSize;

    // Glyphs between an opening and a closing mark are drawn as ghosts.
    const bool ghost = score->ghostNotes;
    if (ghost) {
        scaleAlong *= 0.9;
        scaleAcross *= 0.9;
        baseOffset += 0.05 * size;
    }

    GlyphItem *glyph =
        GlyphItems::create(common ? score->commonRenderer : p->noteFontRenderer, glyphId);
    double s = size * score->page->glyphScale;
    if (glyphClass == GraceGlyph)
        s *= style->graceNoteScale;
    if (isSmallNote(glyphClass))
        s *= style->tozanSmallNoteScale;
    glyph->setTransform(alongAcrossScale(across, s * scaleAlong, s * scaleAcross));
    if (ghost)
        glyph->setOpacity(0.6);

    // Advance A, box length L and width factor f.
    double box = size;
    double factor = 1.0;
    double advance = 0.0;
    if (glyphClass == SpacerGlyph) {
        advance = size * style->noteSpacerRatio;
        factor = style->noteSpacerRatio;
    } else if (glyphClass == GraceGlyph) {
        factor = score->getNoteWidth(part, noteType);
        advance = size * factor * style->graceNoteScale * 1.2;
    } else if (glyphClass == TokenGlyph) {
        advance = size * 0.01;
    } else {
        const QMap<QString, double> &lengths = across ? p->lengthMap : p->lengthMapV;
        const auto ratio = lengths.constFind(glyphId);
        if (ratio != lengths.cend()) {
            box = *ratio * size;
            advance = 1.05 * box;
        } else {
            advance = score->getNoteSpacing(part, noteType) * size;
            // Vertical writing without time alignment stacks glyphs by
            // their own height.
            if (!across && !p->alignInTime)
                advance *= glyph->boundingRect().height() * 0.019;
            factor = score->getNoteWidth(part, noteType);
        }
    }
    if (widen)
        advance = 1.1 * box * factor;
    if (p->notationStyle == NotationStyle::KinkoTrad && glyphId == QLatin1String("Prev"))
        advance *= 0.8;

    AlignItem *item = appendAlignItem(this, part, voice, kind == stackedKind);
    item->width = advance;
    item->glyphId = glyphId;
    item->length = advance;
    item->breadth = size;
    item->kind = kind;
    item->time = timeIndex;
    item->baseOffset = baseOffset;
    item->graphicsItem = glyph;

    // Where the glyph sits inside its box; the base offset moves it across
    // the reading direction.
    double x = 0.0;
    double y = 0.0;
    const int notation = p->notationStyle;
    if (glyphClass == GraceGlyph) {
        const double grace = style->graceNoteScale;
        if (!across) {
            y = score->getItemCenterY(glyph, grace, advance);
            x = score->getItemCenterX(glyph, grace, box);
            if (graceOffsetApplies(notation)) {
                x += size * style->graceOffsetX;
                item->baseOffset += size * style->graceOffsetX;
            }
            x += baseOffset;
        } else {
            x = score->getItemCenterX(glyph, 1.0, advance);
            y = score->getItemCenterY(glyph, grace, box);
            if (graceOffsetApplies(notation)) {
                const double shift = size * style->graceOffsetY * grace;
                y += shift;
                item->baseOffset += shift;
            } else {
                qDebug().noquote() << "addNoteItem3 yoffset = " << y;
            }
            y += baseOffset;
        }
    } else if (isSmallNote(glyphClass)) {
        const double small = style->tozanSmallNoteScale;
        if (!across) {
            x = score->getItemFarX(glyph, small, box) + baseOffset;
            y = score->getItemCenterY(glyph, 1.0, box * factor);
        } else {
            x = score->getItemCenterX(glyph, 1.0, factor * box);
            y = score->getItemFarY(glyph, small, box) + baseOffset;
        }
    } else {
        const bool atFarEdge = setsGlyphsAtFarEdge(notation) && glyphClass != NeverFarGlyph;
        if (across) {
            if (p->acrossOffsetMap.contains(glyphId))
                y = p->acrossOffsetMap.value(glyphId) * box;
            else if (atFarEdge)
                y = score->getItemFarY(glyph, 1.0, size);
            else
                y = score->getItemCenterY(glyph, 1.0, scaleAcross * size);
            if (p->alongOffsetMap.contains(glyphId))
                x = p->alongOffsetMap.value(glyphId) * box;
            else
                x = score->getItemCenterX(glyph, 1.0, box * factor);
            y += baseOffset;
        } else {
            if (p->acrossOffsetMapV.contains(glyphId))
                x = p->acrossOffsetMapV.value(glyphId) * box;
            else if (atFarEdge)
                x = score->getItemFarX(glyph, 1.0, size);
            else
                x = score->getItemCenterX(glyph, 1.0, scaleAcross * size);
            if (p->alongOffsetMapV.contains(glyphId))
                y = p->alongOffsetMapV.value(glyphId) * box;
            else if (p->alignInTime)
                y = score->getItemCenterY(glyph, 1.0, box * factor);
            x += baseOffset;
        }
    }
    item->refOffsetX = x;
    item->refOffsetY = y;
    return glyph;
}

int Measure::addVoiceAlignItem(int part, int voice, const QString &glyphId, double advance,
                               double length, double breadth, int kind, int timeIndex,
                               QGraphicsItem *graphicsItem)
{
    AlignItem *item = appendAlignItem(this, part, voice, true);
    item->width = advance;
    item->glyphId = glyphId;
    item->length = length;
    item->breadth = breadth;
    item->kind = kind;
    item->time = timeIndex;
    item->graphicsItem = graphicsItem;
    item->baseOffset = -0.25 * breadth;
    if (horizontal())
        item->refOffsetY = item->baseOffset;
    else
        item->refOffsetX = item->baseOffset;
    return getItemCount(part, voice) - 1;
}

int Measure::addAlignItem(int part, const QString &glyphId, double advance, double length,
                          double breadth, int kind, int timeIndex, QGraphicsItem *graphicsItem)
{
    AlignItem *item = appendAlignItem(this, part, 0, false);
    item->width = advance;
    item->glyphId = glyphId;
    item->length = length;
    item->breadth = breadth;
    item->kind = kind;
    item->time = timeIndex;
    item->graphicsItem = graphicsItem;
    if (horizontal())
        item->refOffsetY = -0.5 * breadth;
    else
        item->refOffsetX = -0.5 * breadth;
    return getItemCount(part, 0) - 1;
}

QGraphicsItem *Measure::addGlyphItem(int part, int voice, QString &glyphId, bool common, int kind,
                                     int glyphClass, double baseOffset, int timeIndex,
                                     double scale1, double scale2)
{
    replaceEmptyId(glyphId);
    const Part *p = score->parts.at(part);
    const double size = p->noteFontSize;
    GlyphItem *glyph =
        GlyphItems::create(common ? score->commonRenderer : p->noteFontRenderer, glyphId);
    double s = size * score->page->glyphScale;
    if (glyphClass == GraceGlyph)
        s *= score->style->graceNoteScale;
    glyph->setTransform(alongAcrossScale(horizontal(), scale1 * s, scale2 * s));

    AlignItem *item = appendAlignItem(this, part, voice, kind == stackedKind);
    item->width = 0.4 * size;
    item->length = 0.4 * size;
    item->breadth = size;
    item->glyphId = glyphId;
    item->kind = kind;
    item->baseOffset = baseOffset;
    item->time = timeIndex;
    item->graphicsItem = glyph;
    return glyph;
}

QGraphicsItem *Measure::addStaffClef(int part, int voice, int staff, const QString &clefGlyphId,
                                     double lengthRatio, int kind, int staffStep, double stepOffset)
{
    const Part *p = score->parts.at(part);
    if (!rendererHas(p->noteFontRenderer, clefGlyphId)) {
        qDebug().noquote() << "addStaffClef clef not supported, clef = " + clefGlyphId;
        return nullptr;
    }
    const double size = p->noteFontSize;
    GlyphItem *glyph = GlyphItems::create(p->noteFontRenderer, clefGlyphId);
    const double s = size * score->page->glyphScale;
    glyph->setTransform(QTransform::fromScale(s, s));

    AlignItem *item = appendAlignItem(this, part, voice, true);
    item->width = size * lengthRatio;
    item->length = size * lengthRatio;
    item->breadth = size;
    item->glyphId = clefGlyphId;
    item->kind = kind;
    item->staff = staff;
    item->time = 0;
    item->graphicsItem = glyph;
    if (horizontal())
        item->refOffsetY = score->getStaffStepOffset(part, staffStep) + stepOffset;
    return glyph;
}

QGraphicsItem *Measure::addStaffTimeSignature(int part, int staff, int beats, int beatType,
                                              bool followsPrevious)
{
    const QString beatsId = QString::number(beats);
    if (!rendererHas(score->commonRenderer, beatsId)) {
        qDebug().noquote() << "addStaffTimeSignature beat not supported, beat = " + beatsId;
        return nullptr;
    }
    const int voice = parts.at(part)->findFlaggedVoice(staff);
    if (voice < 0) {
        qDebug().noquote() << "addStaffTimeSignature no voice on staff" << staff;
        return nullptr;
    }
    const Part *p = score->parts.at(part);
    const double size = p->noteFontSize;
    const double s = size * score->page->glyphScale;
    GlyphItem *upper = GlyphItems::create(score->commonRenderer, beatsId);
    GlyphItem *lower = GlyphItems::create(score->commonRenderer, QString::number(beatType));
    upper->setTransform(QTransform::fromScale(s, s));
    lower->setTransform(QTransform::fromScale(s, s));
    lower->setPos(0.0, 0.5 * size * score->page->scaleFactor);
    auto *group = new QGraphicsItemGroup;
    group->addToGroup(upper);
    group->addToGroup(lower);

    const bool across = horizontal();
    AlignItem *item = appendAlignItem(this, part, voice, false);
    item->glyphId = QStringLiteral("timesignature");
    item->width = across ? size : 1.5 * size;
    item->length = size;
    item->breadth = size;
    item->kind = followsPrevious ? stackedKind : AlignFollowing;
    item->staff = staff;
    item->time = 0;
    item->graphicsItem = group;
    item->baseOffset = score->getStaffStepOffset(part, 4);
    if (across)
        item->refOffsetY = item->baseOffset;
    else
        item->refOffsetX = -0.25 * size;
    return group;
}

void Measure::addStaffTimeSignatures(int part, int beats, int beatType)
{
    const MePart *cell = parts.at(part);
    const int staves = qBound(0, score->parts.at(part)->staffCount, int(MePart::maxStaves));
    for (int staff = 0; staff < staves; ++staff) {
        const bool follows =
            staff != 0 && cell->findFlaggedVoice(staff) == cell->findFlaggedVoice(staff - 1);
        addStaffTimeSignature(part, staff, beats, beatType, follows);
    }
}
