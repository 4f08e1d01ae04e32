#include "drawing/longrep.h"

#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "view/scene.h"

#include <QGraphicsScene>

#include <algorithm>

namespace {

// The glyph of a long-repeat kind; kind 2 over several lines takes its
// head form on pieces that end at a line end and its tail form on the
// last one. Empty for an unknown kind.
QString glyphOf(int kind, bool severalLines, bool lastPiece)
{
    static const char *const ids[] = {
        "Simile",       "LongRepeat1",     "LongRepeat2",     "LongRepeat3", "LongRepeat4",
        "LongRepeatAc", "LongRepeatBeat1", "LongRepeatBeat2", "StepUp",      "StepDown"};
    if (kind < 1 || kind > 10)
        return QString();
    QString id = QLatin1String(ids[kind - 1]);
    if (kind == 2 && severalLines)
        id += lastPiece ? QLatin1String("Tail") : QLatin1String("Head");
    return id;
}

} // namespace

LongRep::LongRep(Score *score, Part *part, QObject *parent)
    : QObject(parent), score(score), part(part)
{
}

void LongRep::reset()
{
    startMeasure = nullptr;
    started = false;
    startItem = nullptr;
    kind = 0;
    startAcross = 0.0;
    startAlong = 0.0;
}

void LongRep::longRepStart(Measure *measure, QGraphicsItem *item, double across, double along,
                           int markKind)
{
    startMeasure = measure;
    startItem = item;
    startAcross = across;
    startAlong = along;
    kind = markKind;
    started = true;
}

void LongRep::longRepSingle(Measure *measure, QGraphicsItem *item, double across, double along,
                            double endAlong, int markKind)
{
    longRepStart(measure, item, across, along, markKind);
    drawLongRep(measure, across, endAlong);
    started = false;
}

void LongRep::longRepStop(Measure *measure, double endAcross, double endAlong)
{
    if (started)
        drawLongRep(measure, endAcross, endAlong);
    started = false;
}

void LongRep::drawLongRep(Measure *endMeasure, double endAcross, double endAlong)
{
    if (!startMeasure || !endMeasure || glyphOf(kind, false, false).isEmpty())
        return;
    const int a = startMeasure->indexInScore();
    const int b = endMeasure->indexInScore();
    if (a < 0 || b < a)
        return;

    const Page *page = score->page;
    const bool horizontal = page->horizontal;
    const double s = page->scaleFactor;
    const double n = part->noteFontSize;
    const double g = n * page->glyphScale;
    const int p = int(score->parts.indexOf(part));

    QList<int> pieceEnds; // measure indices at which a piece ends
    for (int i = a; i < b; ++i) {
        if (score->measureEndsLine(score->measures.at(i)))
            pieceEnds.append(i);
    }
    pieceEnds.append(b);
    const bool severalLines = pieceEnds.size() > 1;

    for (int piece = 0; piece < pieceEnds.size(); ++piece) {
        const bool lastPiece = piece == pieceEnds.size() - 1;
        const Measure *m = score->measures.at(pieceEnds.at(piece));
        // A later piece runs from its line's first measure, which may stand
        // on another page than the end.
        const Measure *lineFirst =
            piece == 0 ? startMeasure : score->measures.at(pieceEnds.at(piece - 1) + 1);
        const double start = piece == 0   ? startAlong * s
                             : horizontal ? lineFirst->originX * s
                                          : lineFirst->originY * s;
        double end;
        if (lastPiece)
            end = endAlong * s;
        else if (horizontal)
            end = (m->originX + m->width) * s;
        else
            end = (m->originY + m->height) * s;
        const double t = (end - start) / (n * s);
        // Each piece stands where the part stands in its own line: the end's
        // place on the last line, the start's place carried to the others.
        const double shift = p >= 0 ? m->getPartRefLine(p) - startMeasure->getPartRefLine(p) : 0.0;
        const double across = (lastPiece ? endAcross : startAcross + shift) * s;

        QString id = glyphOf(kind, severalLines, lastPiece);
        if (!horizontal)
            id += QLatin1String("_V");
        GlyphItem *item = GlyphItems::create(score->commonRenderer, id);
        const QRectF box = item->boundingRect();
        // The simile mark never grows beyond one note size, and keeps its
        // size in vertical writing; the others stretch over their piece,
        // measured on the glyph itself, which is a little longer than a note
        // size, so that a piece ends where its line or passage ends. A piece
        // of no length draws at no length rather than mirrored.
        const double glyphLength = (horizontal ? box.width() : box.height()) * g;
        const double fit = (kind == 1 || glyphLength <= 0.0) ? t : (end - start) / glyphLength;
        const double stretch = std::max(fit, 0.0);
        if (horizontal) {
            const double along = kind == 1 ? std::min(stretch, 1.0) : stretch;
            item->setTransform(QTransform::fromScale(g * along, g));
            const double c = across - box.height() * 0.5 * g;
            if (kind == 1) {
                const double half = t < 1.0 ? stretch * 0.5 * n * s : 0.7 * n * s;
                item->setPos((start + end) / 2.0 - half, c);
            } else {
                item->setPos(start, c);
            }
        } else {
            item->setTransform(QTransform::fromScale(g, kind == 1 ? g : g * stretch));
            const double c = across - box.width() * 0.5 * g;
            if (kind == 1)
                item->setPos(c, (start + end) / 2.0 - 0.7 * n * s);
            else
                item->setPos(c, start);
        }
        score->scene->addItem(item);
    }
}
