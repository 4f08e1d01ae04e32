#include "drawing/tuplet.h"

#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "view/scene.h"

#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QPen>

#include <algorithm>

namespace {

// A glyph of `renderer` scaled by (sx, sy); its size after scaling is read
// from the bounding rectangle times the scale.
GlyphItem *scaledGlyph(const std::shared_ptr<QSvgRenderer> &renderer, const QString &id, double sx,
                       double sy)
{
    GlyphItem *item = GlyphItems::create(renderer, id);
    item->setTransform(QTransform::fromScale(sx, sy));
    return item;
}

QSizeF scaledSize(const GlyphItem *item)
{
    const QRectF box = item->boundingRect();
    return QSizeF(box.width() * item->transform().m11(), box.height() * item->transform().m22());
}

QGraphicsLineItem *bracketLine(double x1, double y1, double x2, double y2, double width)
{
    auto *line = new QGraphicsLineItem(x1, y1, x2, y2);
    QPen pen;
    pen.setWidthF(width);
    pen.setColor(Qt::black);
    line->setPen(pen);
    return line;
}

// The four lines of a bracket from `from` to `to` along one axis at cross
// position `at` (scene units): two hooks of length `hook` and two half
// lines that leave `gap` free on each side of the middle. Half lines that
// would cross the middle are left out, so a short span never draws
// backwards.
QList<QGraphicsLineItem *> bracketLines(bool alongX, double from, double to, double at, double hook,
                                        double gap, double width)
{
    auto line = [&](double a1, double c1, double a2, double c2) {
        return alongX ? bracketLine(a1, c1, a2, c2, width) : bracketLine(c1, a1, c2, a2, width);
    };
    QList<QGraphicsLineItem *> lines{line(from, at, from, at + hook), line(to, at, to, at + hook)};
    const double half = (to - from) / 2.0 - gap;
    if (half > 0.0) {
        lines << line(from, at, from + half, at);
        lines << line(to, at, to - half, at);
    }
    return lines;
}

QGraphicsItemGroup *groupOf(QGraphicsScene *scene, const QList<QGraphicsLineItem *> &lines,
                            QGraphicsItem *number)
{
    auto *group = new QGraphicsItemGroup;
    for (QGraphicsLineItem *line : lines)
        group->addToGroup(line);
    group->addToGroup(number);
    scene->addItem(group);
    return group;
}

} // namespace

Tuplet::Tuplet(Score *score, int part, int voice, QObject *parent)
    : QObject(parent), score(score), part(part), voice(voice)
{
}

void Tuplet::tupletStart(int i, int count, bool bracket, QPointF start)
{
    if (i < 0 || i >= slotCount)
        return;
    Slot &slot = entries[i];
    slot.count = count;
    slot.bracket = bracket;
    slot.start = start;
    slot.open = true;
    highest = std::max(highest, i);
}

void Tuplet::setTupletShow(int i, int firstNote)
{
    if (i < 0 || i >= slotCount)
        return;
    entries[i].firstNote = firstNote;
    entries[i].open = true;
    highest = std::max(highest, i);
}

void Tuplet::tupletStop(int i, QPointF stop)
{
    if (i < 0 || i >= slotCount)
        return;
    Slot &slot = entries[i];
    slot.stop = stop;
    if (slot.open) {
        if (score->style->tupletBracket)
            tupletBracket2(i, highest);
        else
            tupletBracket(i, stop.x(), stop.y());
        slot.open = false;
    }
    closeNesting();
}

void Tuplet::drawTupletNumber(int i, Measure *m, int part, int voice, int lastNote)
{
    if (i < 0 || i >= slotCount)
        return;
    Slot &slot = entries[i];
    slot.lastNote = lastNote;
    if (slot.open) {
        if (score->page->horizontal)
            tupletNumber(i, m, part, voice);
        else
            tupletNumberV(i, m, part, voice);
        slot.open = false;
    }
    closeNesting();
}

void Tuplet::closeNesting()
{
    // An outer tuplet may end on the same note as those inside it, and be
    // drawn first: the inner ones still count their depth from `highest`.
    if (std::none_of(entries.cbegin(), entries.cend(), [](const Slot &slot) { return slot.open; }))
        highest = 0;
}

void Tuplet::tupletBracket(int i, double stopX, double stopY)
{
    const Slot &slot = entries[i];
    const Part *settings = score->parts.at(part);
    const double k = score->page->scaleFactor;
    const double n = settings->noteFontSize;
    const double g = score->page->glyphScale;
    const bool farSide = score->style->tupletRightBottom;
    const bool bunka = settings->notationStyle == NotationStyle::ShamisenBunka;
    const auto &common = score->commonRenderer;

    GlyphItem *number =
        scaledGlyph(common, QString::number(slot.count) + "_Italic", 1.3 * g * n, 1.3 * g * n);
    const QSizeF numberSize = scaledSize(number);
    const double gw = numberSize.width();
    const double gh = numberSize.height();
    // A span shorter than the number leaves no room for a stretched half;
    // a negative stretch would mirror the glyph, so the half is left out.
    auto stretched = [&](const QString &id, double length, bool alongX) -> GlyphItem * {
        if (length <= 0.0)
            return nullptr;
        const double stretch = g * n * length / (k * n);
        return alongX ? scaledGlyph(common, id, stretch, g * n)
                      : scaledGlyph(common, id, g * n, stretch);
    };

    if (score->page->horizontal) {
        const double a = slot.start.x() * k + 0.05 * n;
        const double mid = (slot.start.x() + stopX) / 2.0 * k;
        double y = (std::min(slot.start.y(), stopY) - 0.2 * n) * k;
        const double off = std::max(0, highest - i) * 0.4 * n * k;
        QString head = QStringLiteral("TupletTopHead");
        QString tail = QStringLiteral("TupletTopTail");
        if (farSide) {
            head = QStringLiteral("TupletBottomHead");
            tail = QStringLiteral("TupletBottomTail");
            y += bunka ? -off : off;
        } else {
            y -= off;
        }
        GlyphItem *headItem = stretched(head, mid - 0.7 * gw - a, true);
        if (headItem) {
            headItem->setPos(a, y);
            score->scene->addItem(headItem);
        }
        number->setPos(mid - 0.5 * gw, farSide ? y + 0.2 * gh : y - 0.4 * gh);
        score->scene->addItem(number);
        const double t = mid + 0.7 * gw;
        GlyphItem *tailItem = stretched(tail, (stopX * k - 0.05 * n) - t, true);
        if (tailItem) {
            tailItem->setPos(t, y);
            score->scene->addItem(tailItem);
        }
        return;
    }

    const double a = slot.start.y() * k + 0.05 * n;
    const double mid = (slot.start.y() + stopY) / 2.0 * k;
    double x = (std::min(slot.start.x(), stopX) - 0.2 * n) * k;
    const double off = std::max(0, highest - i) * 0.3 * n * k;
    QString head = QStringLiteral("TupletLeftHead");
    QString tail = QStringLiteral("TupletLeftTail");
    if (farSide) {
        head = QStringLiteral("TupletRightHead");
        tail = QStringLiteral("TupletRightTail");
        x += bunka ? -off : off;
    } else {
        x -= off;
    }
    auto *group = new QGraphicsItemGroup;
    if (GlyphItem *headItem = stretched(head, mid - 0.7 * gh - a, false)) {
        headItem->setPos(x, a);
        group->addToGroup(headItem);
    }
    number->setPos(farSide ? x + 0.5 * gw : x - 0.4 * gw,
                   farSide ? mid - 0.5 * gh : mid - 0.45 * gh);
    group->addToGroup(number);
    const double t = mid + 0.7 * gh;
    if (GlyphItem *tailItem = stretched(tail, (stopY * k - 0.05 * n) - t, false)) {
        tailItem->setPos(x, t);
        group->addToGroup(tailItem);
    }
    score->scene->addItem(group);
}

void Tuplet::tupletBracket2(int i, int highestInUse)
{
    const Slot &slot = entries[i];
    const Part *settings = score->parts.at(part);
    const double k = score->page->scaleFactor;
    const double n = settings->noteFontSize;
    const double g = score->page->glyphScale;
    const bool horizontal = score->page->horizontal;
    // ShamisenBunka keeps its brackets on the near side of its strings.
    const bool below =
        score->style->tupletRightBottom && settings->notationStyle != NotationStyle::ShamisenBunka;
    const double scale = horizontal ? 1.3 * g * n : g * n;
    GlyphItem *number =
        scaledGlyph(score->commonRenderer, QString::number(slot.count) + "_Italic", scale, scale);
    const QSizeF numberSize = scaledSize(number);
    const double gw = numberSize.width();
    const double gh = numberSize.height();
    const double hook = (below ? -0.1 : 0.1) * n * k;

    if (horizontal) {
        const double d = std::max(0, highestInUse - i) * 0.4 * n;
        const double y = below ? slot.stop.y() + d : slot.stop.y() - d;
        const double a = slot.start.x() + 0.05 * n;
        const double b = slot.stop.x() - 0.05 * n;
        number->setPos((a + b) / 2.0 * k - gw / 2.0, y * k - gh / 2.0);
        groupOf(score->scene, bracketLines(true, a * k, b * k, y * k, hook, 0.8 * gw, 0.8), number);
        return;
    }
    const double d = std::max(0, highestInUse - i) * 0.3 * n;
    const double x = below ? slot.stop.x() + d : slot.stop.x() - d;
    const double a = slot.start.y() + 0.1 * n;
    const double b = slot.stop.y() - 0.1 * n;
    number->setPos(x * k - gw / 2.0, (a + b) / 2.0 * k - gh / 2.0);
    groupOf(score->scene, bracketLines(false, a * k, b * k, x * k, hook, 0.8 * gh, 0.8), number);
}

namespace {

// Note sizes between a tuplet's number and the bracket of the tuplet
// around it.
constexpr double nestGap = 0.2;
// Note sizes between a tuplet number and the stems or beam it stands over.
constexpr double numberGap = 0.05;

// The notes first..last of a voice that have a glyph to measure from;
// empty when the range does not lie in the voice.
QList<Note *> tupletNotes(Measure *m, int part, int voice, int first, int last)
{
    const QList<Note *> &notes = m->parts.at(part)->voices.at(voice)->notes;
    QList<Note *> result;
    if (first < 0 || last < first || last >= notes.size())
        return result;
    for (int i = first; i <= last; ++i) {
        Note *note = notes.at(i);
        if (note->noteAlignItem >= 0 && m->itemExists(part, voice, note->noteAlignItem))
            result.append(note);
    }
    return result;
}

// The number a tuplet shows: its own shown number, else the actual notes
// of its time modification.
int shownNumber(const Note *note, int i)
{
    const int shown = i < Note::tupletCount ? note->tupletActual[i] : 0;
    return shown >= 1 ? shown : note->actualNotes;
}

} // namespace

void Tuplet::tupletNumber(int i, Measure *m, int part, int voice)
{
    const Slot &slot = entries[i];
    const QList<Note *> notes = tupletNotes(m, part, voice, slot.firstNote, slot.lastNote);
    if (notes.isEmpty())
        return;
    Note *first = notes.first();
    Note *last = notes.last();
    const Part *settings = score->parts.at(part);
    const double k = score->page->scaleFactor;
    const double n = settings->noteFontSize;
    const double g = score->page->glyphScale;

    const double base = m->getPartNoteLine(first->staff, part);
    double lo = 10000.0;
    double hi = -10000.0;
    for (const Note *note : notes) {
        const double e = note->stemEnd + base;
        const double head = m->getItemFinalPosFrame(part, voice, note->noteAlignItem).y();
        if (note->stemShown == 2) {
            hi = std::max(hi, e);
            lo = std::min(lo, head);
        } else {
            lo = std::min(lo, e);
            if (head > hi)
                hi = head + 0.25 * n;
        }
    }

    auto along = [&](Note *note, double *scale) {
        *scale = score->getNoteItemScaleX(m, note, part, voice);
        return m->getItemFinalPosFrame(part, voice, note->noteAlignItem).x() +
               (note->noteShiftMajor + note->noteShiftSub) * *scale;
    };
    double firstScale = 1.0;
    double lastScale = 1.0;
    double xs = along(first, &firstScale);
    double xe = along(last, &lastScale);
    const bool bracket = i < Note::tupletCount && first->tupletBracket[i];
    if (first->stemShown == 1) {
        xs += 0.1 * n * firstScale;
        xe += 0.33 * n * lastScale;
    } else if (bracket) {
        xe += 0.2 * n * lastScale;
    }

    GlyphItem *number =
        scaledGlyph(settings->noteFontRenderer, QString::number(shownNumber(first, i)) + "_Italic",
                    g * n, g * n);
    const QSizeF size = scaledSize(number);
    const double gw = size.width();
    const double gh = size.height();
    // An outer tuplet clears the inner one's number, which sits on its
    // bracket.
    const double d = std::max(0, highest - i) * (gh / k + nestGap * n);
    // A number on its bracket stands half its height from the line.
    const double clear = bracket ? std::max(0.2 * n, 0.5 * gh / k + numberGap * n) : 0.2 * n;
    // Below the notes with their stems down. A number that would run out
    // of its row there stands above the notes when it fits there.
    const double tall = gh / k;
    bool below = first->stemShown == 2;
    auto levelOn = [&](bool under) { return under ? hi + clear + d : lo - clear - d; };
    auto spanOn = [&](bool under) {
        const double at = levelOn(under);
        const double from = bracket ? at - 0.5 * tall : under ? at : at - tall;
        return std::pair(from, from + tall);
    };
    if (first->stemShown != 0) {
        const MePart *cell = m->parts.at(part);
        const double centre = m->getPartCenter(part);
        const double top = centre - 0.5 * cell->partExtent - cell->directionBand;
        const double bottom = centre + 0.5 * cell->partExtent + cell->directionBandBelow;
        const auto [from, to] = spanOn(below);
        const auto [otherFrom, otherTo] = spanOn(!below);
        const bool out = from < top || to > bottom;
        if (out && otherFrom >= top && otherTo <= bottom)
            below = !below;
    }
    const double y = levelOn(below);
    const double mid = (xs + xe) / 2.0 * k;
    // Without a bracket the number's edge toward the notes stands at y.
    if (bracket)
        number->setPos(mid - 0.5 * gw, y * k - 0.5 * gh);
    else if (first->stemShown == 0)
        number->setPos(mid - 1.2 * gw, y * k - gh);
    else if (below)
        number->setPos(mid - 0.5 * gw, y * k);
    else
        number->setPos((first->stemShown == 1 ? (0.33 * n + xs + xe) / 2.0 * k : mid) - 0.5 * gw,
                       y * k - gh);

    if (!bracket) {
        score->scene->addItem(number);
        return;
    }
    // The hooks point at the notes.
    const double hook = (below ? -0.1 : 0.1) * n * k;
    groupOf(score->scene, bracketLines(true, xs * k, xe * k, y * k, hook, 0.8 * gw, 0.0), number);
}

void Tuplet::tupletNumberV(int i, Measure *m, int part, int voice)
{
    const Slot &slot = entries[i];
    const QList<Note *> notes = tupletNotes(m, part, voice, slot.firstNote, slot.lastNote);
    if (notes.isEmpty())
        return;
    Note *first = notes.first();
    Note *last = notes.last();
    const Part *settings = score->parts.at(part);
    const double k = score->page->scaleFactor;
    const double n = settings->noteFontSize;
    const double g = score->page->glyphScale;

    // Across is x here; a stem down points to smaller x.
    const double base = m->getPartNoteLine(first->staff, part);
    double lo = 10000.0;
    double hi = -10000.0;
    for (const Note *note : notes) {
        const double e = note->stemEnd + base;
        const double head = m->getItemFinalPosFrame(part, voice, note->noteAlignItem).x();
        if (note->stemShown == 2) {
            lo = std::min(lo, e);
            hi = std::max(hi, head);
        } else {
            hi = std::max(hi, e);
            if (head < lo)
                lo = head - 0.25 * n;
        }
    }

    auto along = [&](Note *note, double *scale) {
        *scale = score->getNoteItemScaleY(m, note, part, voice);
        return m->getItemFinalPosFrame(part, voice, note->noteAlignItem).y() +
               note->noteShiftMajor * *scale;
    };
    double firstScale = 1.0;
    double lastScale = 1.0;
    double ys = along(first, &firstScale);
    double ye = along(last, &lastScale);
    const bool bracket = i < Note::tupletCount && first->tupletBracket[i];
    if (first->stemShown == 1) {
        ys += 0.1 * n * firstScale;
        ye += 0.33 * n * lastScale;
    } else if (bracket) {
        ye += 0.2 * n * lastScale;
    }

    GlyphItem *number =
        scaledGlyph(settings->noteFontRenderer,
                    QString::number(shownNumber(first, i)) + "_Italic_V", g * n, g * n);
    const QSizeF size = scaledSize(number);
    const double gw = size.width();
    const double gh = size.height();
    const double d = std::max(0, highest - i) * (gw / k + nestGap * n);
    const double clear = bracket ? std::max(0.2 * n, 0.5 * gw / k + numberGap * n) : 0.2 * n;
    const double x = first->stemShown == 2 ? lo - clear - d : hi + clear + d;
    const double mid = (ys + ye) / 2.0 * k;
    if (bracket)
        number->setPos(x * k - 0.5 * gw, mid - 0.5 * gh);
    else if (first->stemShown == 1)
        number->setPos(x * k, (0.33 * n + ys + ye) / 2.0 * k - 0.3 * gh);
    else if (first->stemShown == 2)
        number->setPos(x * k - gw, mid - 0.5 * gh);
    else
        number->setPos(x * k - 0.2 * gw, mid - gh);

    if (!bracket) {
        score->scene->addItem(number);
        return;
    }
    const double hook = (first->stemShown == 2 ? 0.1 : -0.1) * n * k;
    groupOf(score->scene, bracketLines(false, ys * k, ye * k, x * k, hook, 0.8 * gh, 0.0), number);
}
