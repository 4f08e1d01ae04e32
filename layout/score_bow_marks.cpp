// Score's up-bow, stopped and harmonic marks: the movable technical glyphs
// of a note, each kept on its own mark object.
#include "drawing/watcheritem.h"
#include "model/glyphitem.h"
#include "model/harmonic.h"
#include "model/measure.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/stopped.h"
#include "model/style.h"
#include "model/upbow.h"
#include "view/scene.h"

#include <QCursor>
#include <QTransform>

#include <algorithm>

namespace {

constexpr double bowMarkZ = 10.0;

} // namespace

int Score::genBowingItems(int measureIndex, int part, int voice, int noteIndex, Note *note,
                          double k)
{
    const Part *settings = parts.at(part);
    const bool staff = settings->notationStyle == NotationStyle::StaffNotation;
    const bool upBow = note->upBowFlag && staff && note->upBow;
    const bool stopped = note->stoppedFlag && staff && note->stopped;
    const bool harmonic = note->harmonic != nullptr;
    if (!upBow && !stopped && !harmonic)
        return 0;

    const bool horizontal = page->horizontal;
    const double s = page->scaleFactor;
    const double g = page->glyphScale;
    const double grace = note->grace ? style->graceNoteScale : 1.0;
    const double size = settings->noteFontSize * grace;
    const double s0 = style->fingeringSize * size * g;
    const double w = getNoteWidth(part, note->noteType);
    QTransform transform;
    if (staff)
        transform = QTransform::fromScale(0.5 * s0, 0.5 * s0);
    else if (horizontal)
        transform = QTransform::fromScale(w * s0, s0);
    else
        transform = QTransform::fromScale(s0, w * s0);

    // Notes shorter than a quarter take the quarter's room, so that short
    // notes do not crowd their marks.
    const double wc = getNoteWidth(part, std::min(note->noteType, 4));
    Measure *m = measures.at(measureIndex);
    const QPointF a = m->getItemFinalPosFrame(part, voice, note->firstAlignItem);
    const double r = m->getItemFinalRefPos(part, voice, note->firstAlignItem);
    const double n = m->getPartNoteLine(note->staff, part);

    auto place = [&](GlyphItem *item, const UserOffset &offset, double c) {
        if (offset.moved) {
            if (horizontal)
                item->setPos((r + k * offset.x) * s, (a.y() + k * offset.y) * s);
            else
                item->setPos((a.x() - k * offset.y) * s, (r + k * offset.x) * s);
        } else if (staff) {
            if (horizontal)
                item->setPos((r + c * size) * s, (n - size) * s);
            else
                item->setPos((n + size) * s, (r + 0.1 * size) * s);
        } else {
            // Centred on the note's room along the reading direction.
            const double l = size * wc;
            const QRectF box = item->boundingRect();
            if (horizontal)
                item->setPos((l / 2 - (g * l * box.width() / s) * wc / 2 + a.x()) * s,
                             (a.y() - l / 2) * s);
            else
                item->setPos((a.x() - l / 2) * s,
                             (l / 2 - (g * l * box.height() / s) * wc / 2 + a.y()) * s);
        }
    };
    auto make = [&](const QString &glyphId, const UserOffset &offset, double c) {
        GlyphItem *item = GlyphItems::create(commonRenderer, glyphId);
        item->setCacheMode(QGraphicsItem::NoCache);
        item->setTransform(transform);
        item->setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
        place(item, offset, c);
        return item;
    };
    auto enter = [&](GlyphItem *item) {
        item->setAcceptHoverEvents(true);
        item->setCursor(Qt::ArrowCursor);
        scene->addItem(item);
        if (watcher)
            item->installSceneEventFilter(watcher);
        item->setZValue(bowMarkZ);
    };

    if (upBow) {
        GlyphItem *item = make(
            horizontal ? QStringLiteral("UpBow") : QStringLiteral("UpBow_V"), *note->upBow, 0.1);
        note->upBow->item = item;
        setUpBowItemTag(item, measureIndex, part, voice, noteIndex);
        enter(item);
    }
    if (stopped) {
        GlyphItem *item = make(QStringLiteral("Stopped"), *note->stopped, 0.1);
        note->stopped->item = item;
        setStoppedItemTag(item, measureIndex, part, voice, noteIndex);
        enter(item);
    }
    if (harmonic) {
        const QString glyphId = settings->notationStyle == NotationStyle::KotoSeiha
                                    ? QStringLiteral("Harmonic_8")
                                    : QStringLiteral("Harmonic");
        GlyphItem *item = make(glyphId, *note->harmonic, 0.02);
        note->harmonic->item = item;
        setHarmonicItemTag(item, measureIndex, part, voice, noteIndex);
        enter(item);
    }
    return 0;
}
