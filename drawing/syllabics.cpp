#include "drawing/syllabics.h"

#include "drawing/linetags.h"
#include "drawing/mytextitem.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/page.h"
#include "model/score.h"
#include "model/style.h"
#include "view/scene.h"

#include <QDebug>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGraphicsLineItem>

#include <algorithm>
#include <limits>

namespace {

// A measure that closes its line: the line continues from the next one.
bool endsItsLine(const Measure *measure)
{
    return measure->stageEnd || measure->pageEnd;
}

// The slot of a lyric number, or -1 outside 1..16.
int slotOf(int number)
{
    return number >= 1 && number <= Syllabics::slotCount ? number - 1 : -1;
}

// Hyphens, in hyphen lengths: the least air between a hyphen and its
// syllables, the shortest hyphen drawn where the syllables stand close,
// and how far from its syllable a hyphen at a line end reaches.
constexpr double hyphenAir = 0.3;
constexpr double hyphenLeast = 0.4;
constexpr double lineEndReach = 2.0 * hyphenAir + 1.0;

// A hyphen is this share of its syllable's text height long; a gap of
// more than `hyphenRepeat` hyphen lengths holds one hyphen more per such
// stretch.
constexpr double hyphenShare = 0.3;
constexpr double hyphenRepeat = 12.0;

// The syllable's height across the writing: a horizontal or turned
// syllable shows its height, an upright one in vertical writing its width.
double lyricHeight(const Score *score, const QRectF &drawn)
{
    const bool across = score->page->horizontal || score->page->rotateLyrics;
    return across ? drawn.height() : drawn.width();
}

// Hyphens of one length, centred in the gap between two syllables with air
// to each; a long gap gets one more for every `hyphenRepeat` lengths, so
// none reads as an extender. The spacing of the notes leaves every gap
// room for a whole hyphen (hyphenGap); only in a measure narrowed below
// what its syllables need does a gap get a shorter one, or none when too
// close for any.
void drawHyphens(Score *score, const QPointF &from, const QPointF &to, double hyphenLength)
{
    const QLineF gap(from, to);
    const double length = gap.length();
    const double air = hyphenAir * hyphenLength;
    const double drawn = std::min(hyphenLength, length - 2 * air);
    if (drawn < hyphenLeast * hyphenLength)
        return;
    const int count = std::max(1, int(length / (hyphenRepeat * hyphenLength)));
    const QPointF unit = (to - from) / length;
    for (int i = 0; i < count; ++i) {
        const QPointF centre = from + unit * (length * (i + 0.5) / count);
        const QPointF half = unit * (drawn / 2.0);
        auto *hyphen = new QGraphicsLineItem(QLineF(centre - half, centre + half));
        hyphen->setData(LineTags::TagLine, LineTags::LyricHyphen);
        score->scene->addItem(hyphen);
    }
}

// A syllable line's hyphens are this long; a continuation line has none.
double hyphenLengthOf(const Score *score, const Syllabics::Slot &slot, const QRectF &drawn)
{
    return slot.kind == 0 ? hyphenShare * lyricHeight(score, drawn) : 0.0;
}

// The item's extent as drawn, before any rotation: glyph items carry their
// note-size scale in their transform, text items none.
QRectF drawnRect(const QGraphicsItem *item)
{
    return item->transform().mapRect(item->boundingRect());
}

// How far below the top of a syllable written across its hyphen stands:
// halfway up the small letters, which sit on a baseline a font ascent below
// the top (MyTextItem). `height` is the syllable's height as drawn.
double hyphenDepth(const QGraphicsItem *item, double height)
{
    const auto *text = dynamic_cast<const MyTextItem *>(item);
    if (!text)
        return 0.5 * height;
    const QFontMetrics metrics(text->font);
    return (metrics.ascent() - 0.5 * metrics.xHeight()) * height / metrics.height();
}

// The middle, across the writing, of the ink of a syllable standing upright
// in vertical writing, scene units. Its box is a full-width character wide
// and each letter stands at its left, so the box's middle would put a
// hyphen beside narrow letters rather than on their column.
double columnMiddle(const QGraphicsItem *item)
{
    const double fallback = item->pos().x() + 0.47 * drawnRect(item).width();
    const auto *text = dynamic_cast<const MyTextItem *>(item);
    if (!text || !text->vertical)
        return fallback;
    const QFontMetricsF metrics(text->font);
    double left = std::numeric_limits<double>::max();
    double right = std::numeric_limits<double>::lowest();
    // Every letter starts at the column's left edge; blanks paint nothing.
    for (int i = 0; i < text->text.size(); ++i) {
        const int length = text->text.at(i).isHighSurrogate() && i + 1 < text->text.size() ? 2 : 1;
        const QRectF ink = metrics.tightBoundingRect(text->text.mid(i, length));
        i += length - 1;
        if (ink.isEmpty())
            continue;
        left = std::min(left, ink.left());
        right = std::max(right, ink.right());
    }
    return right < left ? fallback : item->pos().x() + 0.5 * (left + right);
}

} // namespace

Syllabics::Syllabics(Score *score, Part *part, int voice, QObject *parent)
    : QObject(parent), score(score), part(part), voice(voice)
{
}

double Syllabics::hyphenGap(double height)
{
    return (1.0 + 2.0 * hyphenAir) * hyphenShare * height;
}

void Syllabics::reset()
{
    startSlots.fill(Slot());
}

void Syllabics::begin(Measure *measure, Lyrics *lyric, int kind, const char *caller)
{
    if (lyric->number > slotCount) {
        qDebug().noquote() << QStringLiteral("========== %1 lyric number is too large. "
                                             "lyric->number = %2")
                                  .arg(QLatin1String(caller))
                                  .arg(lyric->number);
        return;
    }
    const int index = slotOf(lyric->number);
    if (index < 0)
        return; // numbers below 1 name no line
    startSlots[index] = Slot{measure, lyric, kind};
}

void Syllabics::syllabicBegin(Measure *measure, Lyrics *lyric)
{
    begin(measure, lyric, 0, "syllabicBegin");
}

void Syllabics::syllabicBegin2(Measure *measure, Lyrics *lyric)
{
    begin(measure, lyric, 1, "syllabicBegin");
}

void Syllabics::syllabicEnd(Measure *measure, Lyrics *lyric)
{
    if (lyric->number > slotCount) {
        qDebug().noquote() << "========== syllabicEnd lyric number is too large. lyric->number = " +
                                  QString::number(lyric->number);
        return;
    }
    const int index = slotOf(lyric->number);
    if (index < 0)
        return;
    const Slot &slot = startSlots[index];
    if (!slot.startMeasure) {
        qDebug().noquote() << "========== syllabicEnd Error: unstarted syllabic end! lyricText = " +
                                  lyric->text;
        return;
    }
    if (!slot.lyric->item) {
        qDebug().noquote() << "syllabicNoteEnd error startLyric[lyricIndex]->svgItem == nullptr!";
        return;
    }
    if (!lyric->item) {
        qDebug().noquote() << "syllabicEnd endItem == nullptr";
        return;
    }
    endSlot(index, measure, lyric->item, true);
}

void Syllabics::syllabicNoteEnd(Measure *measure, QGraphicsItem *endItem)
{
    for (int index = 0; index < slotCount; ++index) {
        if (startSlots[index].kind == 0)
            break;
        syllabicNoteEnd2(measure, index, endItem);
    }
}

void Syllabics::syllabicNoteEnd2(Measure *measure, int lyricIndex, QGraphicsItem *endItem)
{
    if (lyricIndex < 0 || lyricIndex >= slotCount)
        return;
    const Slot &slot = startSlots[lyricIndex];
    if (slot.kind == 0 || !slot.startMeasure)
        return;
    if (!slot.lyric->item) {
        qDebug().noquote() << "syllabicNoteEnd error startLyric[lyricIndex]->svgItem == nullptr!";
        return;
    }
    if (!endItem) {
        qDebug().noquote() << "syllabicEnd endItem == nullptr";
        return;
    }
    endSlot(lyricIndex, measure, endItem, false);
}

void Syllabics::endSlot(int index, Measure *measure, const QGraphicsItem *endItem, bool traceSteps)
{
    Slot &slot = startSlots[index];
    const QGraphicsItem *startItem = slot.lyric->item;
    const bool horizontal = score->page->horizontal;
    const double s = score->page->scaleFactor;
    const QPointF sp = startItem->pos();
    const QRectF sr = drawnRect(startItem);
    const QPointF ep = endItem->pos();
    const QRectF er = drawnRect(endItem);
    const double sw = sr.width();
    const double sh = sr.height();
    const double hyphenLength = hyphenLengthOf(score, slot, sr);

    // `along` runs with the writing, `across` stays for each piece.
    double along = 0.0;
    double across = 0.0;
    // The room a line leaves after the syllable; hyphens measure their gap
    // from the syllable itself.
    double margin = 0.0;
    if (horizontal) {
        along = sp.x() + sw + 0.2 * sh;
        across = sp.y() + hyphenDepth(startItem, sh);
        margin = 0.2 * sh;
    } else if (score->page->rotateLyrics) {
        across = sp.x() - hyphenDepth(startItem, sh);
        along = sp.y() + 1.2 * sw;
        margin = 0.2 * sw;
    } else {
        across = sp.x() + 0.47 * sw;
        along = sp.y() + 1.2 * sh;
        margin = 0.2 * sh;
    }
    const bool hyphens = hyphenLength > 0.0;
    if (hyphens)
        along -= margin;
    // Upright letters: hyphens stand on the letters' column.
    const bool upright = hyphens && !horizontal && !score->page->rotateLyrics;
    const double startColumn = upright ? columnMiddle(startItem) : 0.0;
    const double endColumn = upright ? columnMiddle(endItem) : 0.0;
    if (upright)
        across = startColumn;

    const QList<Measure *> &measures = score->measures;
    const int a = int(measures.indexOf(slot.startMeasure));
    const int b = int(measures.indexOf(measure));
    // Later pieces stand where the end item stands, carried to their own
    // line when they lie on a line before the end's.
    double endAcross = horizontal ? ep.y() + hyphenDepth(endItem, sh) : ep.x() + 0.47 * sw;
    if (upright)
        endAcross = endColumn;
    const int p = int(score->parts.indexOf(part));
    auto acrossOnLineOf = [&](const Measure *m) {
        if (p < 0 || !measure || m->lineIndex == measure->lineIndex)
            return endAcross;
        return endAcross + (m->getPartRefLine(p) - measure->getPartRefLine(p)) * s;
    };
    // A hyphen at a line end stands right after its syllable, and the one
    // on the next line right before the syllable it leads to.
    const double nearby = lineEndReach * hyphenLength;
    bool broken = false;
    for (int k = std::max(a, 0); k < b && k + 1 < measures.size(); ++k) {
        if (traceSteps && horizontal)
            qDebug().noquote() << "syllabicEnd loop: m = " + QString::number(k);
        const Measure *m = measures.at(k);
        if (!endsItsLine(m))
            continue;
        const Measure *next = measures.at(k + 1);
        double far = horizontal ? (m->originX + m->width) * s : (m->originY + m->height) * s;
        // A word broken at a line end keeps its hyphen, even where the
        // syllable leaves it no room before the line's end.
        if (hyphens)
            far = along + nearby;
        if (far > along)
            drawStretch(horizontal ? QPointF(along, across) : QPointF(across, along),
                        horizontal ? QPointF(far, across) : QPointF(across, far), hyphenLength);
        along = (horizontal ? next->originX : next->originY) * s;
        across = acrossOnLineOf(next);
        broken = true;
    }

    double end = horizontal ? ep.x() - 0.2 * er.height() : ep.y() - 0.1 * er.width();
    if (hyphens) {
        end = horizontal ? ep.x() : ep.y();
        // One line: the column between the two syllables' letters.
        if (upright && !broken)
            across = 0.5 * (startColumn + endColumn);
        if (broken)
            along = std::max(along, end - nearby);
    }
    if (end > along)
        drawStretch(horizontal ? QPointF(along, across) : QPointF(across, along),
                    horizontal ? QPointF(end, across) : QPointF(across, end), hyphenLength);
    slot = Slot();
}

void Syllabics::syllabicToMeasureEnd(Measure *measure)
{
    const bool horizontal = score->page->horizontal;
    const double s = score->page->scaleFactor;
    const QList<Measure *> &measures = score->measures;
    const int b = int(measures.indexOf(measure));
    for (Slot &slot : startSlots) {
        if (!slot.startMeasure || !slot.lyric || !slot.lyric->item || !measure) {
            slot = Slot();
            continue;
        }
        const QGraphicsItem *startItem = slot.lyric->item;
        const QPointF sp = startItem->pos();
        const QRectF sr = drawnRect(startItem);
        const double hyphenLength = hyphenLengthOf(score, slot, sr);
        const bool hyphens = hyphenLength > 0.0;
        double along = horizontal ? sp.x() + (hyphens ? 1.0 : 1.2) * sr.width()
                                  : sp.y() + (hyphens ? 1.0 : 1.2) * sr.height();
        double across =
            horizontal ? sp.y() + hyphenDepth(startItem, sr.height()) : sp.x() + 0.47 * sr.width();
        if (hyphens && !horizontal && !score->page->rotateLyrics)
            across = columnMiddle(startItem);
        // A word no syllable ends keeps one hyphen after its syllable and
        // one at the start of each line it runs on to, never a row of them.
        const double nearby = lineEndReach * hyphenLength;
        // Each piece keeps the start's distance from its measure's origin.
        const Measure *first = slot.startMeasure;
        const double acrossOffset = across - (horizontal ? first->originY : first->originX) * s;
        double pieceAcross = across;

        const int a = int(measures.indexOf(slot.startMeasure));
        for (int k = std::max(a, 0); k < b && k + 1 < measures.size(); ++k) {
            const Measure *m = measures.at(k);
            if (!endsItsLine(m))
                continue;
            const Measure *next = measures.at(k + 1);
            const double far = hyphens      ? along + nearby
                               : horizontal ? (m->originX + m->width) * s
                                            : (m->originY + m->height) * s;
            if (far > along)
                drawStretch(horizontal ? QPointF(along, pieceAcross) : QPointF(pieceAcross, along),
                            horizontal ? QPointF(far, pieceAcross) : QPointF(pieceAcross, far),
                            hyphenLength);
            along = (horizontal ? next->originX : next->originY) * s;
            pieceAcross = (horizontal ? next->originY : next->originX) * s + acrossOffset;
        }
        const double tail = 5.0 * score->style->measureTailingPad * s;
        double end = horizontal ? (measure->originX + measure->width) * s - tail
                                : (measure->originY + measure->height) * s - tail;
        if (hyphens)
            end = std::min(end, along + nearby);
        if (end > along)
            drawStretch(horizontal ? QPointF(along, pieceAcross) : QPointF(pieceAcross, along),
                        horizontal ? QPointF(end, pieceAcross) : QPointF(pieceAcross, end),
                        hyphenLength);
        slot = Slot();
    }
}

void Syllabics::drawStretch(const QPointF &from, const QPointF &to, double hyphenLength)
{
    if (hyphenLength > 0.0)
        drawHyphens(score, from, to, hyphenLength);
    else
        drawPiece(from, to);
}

void Syllabics::drawPiece(const QPointF &from, const QPointF &to)
{
    score->scene->addItem(new QGraphicsLineItem(QLineF(from, to)));
}
