// Score's articulation items: the articulation and ornament marks of a
// note, stacked outward from it, and the tremolo wavy lines of the
// traditional notations.
#include "drawing/watcheritem.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "view/scene.h"

#include <QCursor>
#include <QTransform>

#include <algorithm>

namespace {

constexpr double articulationZ = 10.0;
constexpr double faintArticulationOpacity = 0.5;

using namespace NotationKind;

// The glyph of a kind in horizontal writing; "" for kinds drawn
// elsewhere or not at all.
QString baseGlyph(const Notation *notation, int style)
{
    switch (notation->kind) {
    case None:
        return QStringLiteral("Undefined");
    case Fermata:
        return notation->inverted ? QStringLiteral("FermataInverted") : QStringLiteral("Fermata");
    case Staccato:
        return style == NotationStyle::Fue || style == NotationStyle::Traverso
                   ? QStringLiteral("Staccato_Fue")
                   : QStringLiteral("Staccato");
    case Staccatissimo:
        return QStringLiteral("Staccatissimo");
    case Accent:
        return QStringLiteral("Accent");
    case Trill:
        return QStringLiteral("Trill");
    case Tenuto:
        return QStringLiteral("Tenuto");
    case Mordent:
        return QStringLiteral("Mordent");
    case InvertedMordent:
        return QStringLiteral("InvertedMordent");
    case DetachedLegato:
        return QStringLiteral("DetachedLegato");
    case StrongAccent:
        return QStringLiteral("StrongAccent");
    case Stress:
        return QStringLiteral("Stress");
    case Unstress:
        return QStringLiteral("Unstress");
    case SoftAccent:
        return QStringLiteral("SoftAccent");
    default:
        return QString();
    }
}

// The vertical form, where the font has one that reads better turned.
QString glyphFor(const Notation *notation, int style, bool horizontal)
{
    const QString glyph = baseGlyph(notation, style);
    if (horizontal || glyph.isEmpty())
        return glyph;
    if (glyph == QLatin1String("Staccato") || glyph == QLatin1String("Undefined"))
        return glyph;
    if (glyph == QLatin1String("Accent") && style != NotationStyle::StaffNotation)
        return glyph;
    return glyph + QStringLiteral("_V");
}

// Slurs and wavy lines are spans, and a grace note has no room for a
// fermata.
bool skipped(const Notation *notation, const Note *note)
{
    const int kind = notation->kind;
    return kind == Slur || kind == WavyLineStart || kind == WavyLineStop ||
           (kind == Fermata && note->grace);
}

// Ornaments a staff shows above the notes whichever way the stem points.
bool standsAbove(const Notation *notation)
{
    const int kind = notation->kind;
    return kind == Trill || kind == Mordent || kind == InvertedMordent ||
           (kind == Fermata && !notation->inverted);
}

// How far a stem reaches past its head, in note sizes (three and a half
// staff spaces).
constexpr double stemReach = 0.875;

bool oddStep(int step)
{
    return step % 2 != 0;
}

// Where the first mark starts across the staff (d, horizontal writing) or
// along it (e, vertical writing), in note sizes: clear of the note head,
// and of the whole chord when the marks go on its far side.
double staffStart(bool horizontal, int stem, int chordSize, int s, int t)
{
    if (horizontal) {
        if (stem == 1)
            return s < -2 || oddStep(s) ? 0.32 : 0.45;
        if (chordSize < 2)
            return s > 2 || oddStep(s) ? -0.06 : -0.18;
        return -(t > 2 || oddStep(t) ? 0.06 : 0.18) - 0.125 * (t - s);
    }
    if (stem == 1)
        return s < -2 || oddStep(s) ? 0.0 : -0.13;
    if (chordSize < 2)
        return s > 2 || oddStep(s) ? 0.145 : 0.277;
    return 0.125 * (t - s) + (t > 2 || oddStep(t) ? 0.15 : 0.27);
}

} // namespace

void Score::genArticulationItems(int measureIndex, int part, int voice, int noteIndex, Note *note,
                                 double f)
{
    Measure *m = measures.at(measureIndex);
    const Part *settings = parts.at(part);
    const int notationStyle = settings->notationStyle;
    const bool staff = notationStyle == NotationStyle::StaffNotation;
    const bool horizontal = page->horizontal;
    const double k = page->scaleFactor;
    const double g = page->glyphScale;
    const double offset = style->notationOffset;
    const int first = note->firstAlignItem;

    // The drawn size of the note, scene units.
    double noteW = 0.0;
    double noteH = 0.0;
    if (const QGraphicsItem *glyph = m->getItemGraphicsItem(part, voice, first)) {
        const QTransform t = glyph->transform();
        noteW = glyph->boundingRect().width() * t.m11();
        noteH = glyph->boundingRect().height() * t.m22();
    }

    const double b = g * f;
    const double width = getNoteWidth(part, note->noteType);
    double scaleX = horizontal ? b * width : b;
    double scaleY = horizontal ? b : b * width;
    const double nw = getNoteWidth(part, std::max(note->noteType, 4));
    double fm = f; // note size of the default offsets
    if (note->grace) {
        scaleX *= style->graceNoteScale;
        scaleY *= style->graceNoteScale;
        fm *= style->graceNoteScale;
    }
    if (staff) {
        scaleX *= 0.7;
        scaleY *= 0.7;
    }

    double d = offset;
    double e = offset;
    // Marks that stand above the notes in staff notation, with their own
    // start: past the stem when it points up.
    double dAbove = offset;
    double eAbove = offset;
    if (staff) {
        const int s = getStaffStep(m, part, note);
        const QList<Note *> &notes = m->parts.at(part)->voices.at(voice)->notes;
        const int lastIndex =
            noteIndex + std::max(note->chordSize, 1) - 1 - std::max(note->chordIndex, 0);
        Note *lastNote = notes.value(std::clamp(lastIndex, 0, int(notes.size()) - 1), note);
        const int t = getStaffStep(m, part, lastNote);
        const double start = staffStart(horizontal, note->stem, note->chordSize, s, t);
        d = horizontal ? start : 0.0;
        e = horizontal ? 0.0 : start;
        const double above = staffStart(horizontal, 2, note->chordSize, s, t);
        const double pastStem = note->stem == 1 ? stemReach + 0.1 * 0.25 : 0.0;
        dAbove = horizontal ? above - pastStem : 0.0;
        eAbove = horizontal ? 0.0 : above + pastStem;
    }

    int made = 0;
    for (int i = 0; i < note->notations.size(); ++i) {
        Notation *notation = note->notations.at(i);
        if (skipped(notation, note))
            continue;
        if (notation->kind == Tremolo) {
            // Staff notation draws tremolos as stem strokes with the note.
            if (!staff)
                genNotationWavyLine(measureIndex, part, voice, noteIndex, i, note, notation, f);
            continue;
        }
        const QString glyphId = glyphFor(notation, notationStyle, horizontal);
        if (glyphId.isEmpty())
            continue;

        GlyphItem *item = GlyphItems::create(commonRenderer, glyphId);
        item->setTransform(
            QTransform::fromScale(scaleX * notation->scale, scaleY * notation->scale));
        item->setCacheMode(QGraphicsItem::NoCache);
        item->setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
        notation->item = item;

        if (!notation->moved) {
            const double wa = item->boundingRect().width() * scaleX;
            const double ha = item->boundingRect().height() * scaleY;
            const double wHat = wa / (k * fm);
            const double hHat = ha / (k * fm);
            double x = 0.0;
            double y = 0.0;
            if (staff && standsAbove(notation) && note->stem == 1) {
                // Above a stem that points up: the same steps as the marks
                // of a note whose stem points down.
                if (horizontal) {
                    x = (noteW / 2 - nw * wa / 2) / (k * fm);
                    dAbove -= hHat;
                    y = dAbove - offset;
                    dAbove -= hHat + 0.1;
                } else {
                    x = (noteH / 2 - nw * ha / 2) / (k * fm);
                    eAbove += wHat + 0.1;
                    y = eAbove - offset;
                }
            } else if (horizontal) {
                x = (noteW / 2 - nw * wa / 2) / (k * fm);
                if (staff && note->stem == 1) {
                    y = d;
                    d += hHat + 0.1;
                } else if (staff) {
                    d -= hHat;
                    y = d - offset;
                    d -= hHat + (made == 0 ? 0.05 : 0.1);
                } else {
                    d -= hHat;
                    y = d - offset;
                    d -= 0.1;
                }
            } else {
                x = (noteH / 2 - nw * ha / 2) / (k * fm);
                if (staff && note->stem != 1)
                    e += wHat + (made == 0 ? 0.05 : 0.1);
                else if (staff || made == 0)
                    e -= wHat + 0.05;
                else
                    e -= 1.5 * wHat;
                y = e - offset;
            }
            // A default is no user move: it follows the next layout.
            notation->setOffset(x, y);
            notation->moved = false;
        }

        setNotationItemTag(item, measureIndex, part, voice, noteIndex, i);
        item->setAcceptHoverEvents(true);
        item->setCursor(Qt::ArrowCursor);
        scene->addItem(item);
        if (watcher)
            item->installSceneEventFilter(watcher);
        item->setZValue(articulationZ);
        ++made;
    }
    if (made == 0)
        return;

    const double r = m->getItemFinalRefPos(part, voice, first);
    const QPointF final = m->getItemFinalPosFrame(part, voice, first);
    for (int i = 0; i < note->notations.size(); ++i) {
        Notation *notation = note->notations.at(i);
        if (skipped(notation, note) || notation->kind == Tremolo)
            continue;
        if (glyphFor(notation, notationStyle, horizontal).isEmpty() || !notation->item)
            continue;
        QGraphicsItem *item = notation->item;
        if (notation->visibility == 1)
            notation->shown = true;
        else if (notation->visibility == 2)
            notation->shown = false;
        else if (notation->visibility == 0)
            notation->shown = !note->longRepeatMemberFlag;
        item->setOpacity(notation->shown ? 1.0 : faintArticulationOpacity);
        if (cleanOutput)
            item->setVisible(notation->shown);
        if (horizontal)
            item->setPos((notation->x * f + r) * k, ((offset + notation->y) * f + final.y()) * k);
        else
            item->setPos(((offset + notation->y) * f + final.x()) * k, (notation->x * f + r) * k);
    }
}
