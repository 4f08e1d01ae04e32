#include "drawing/waveline.h"

#include "drawing/linesplit.h"
#include "drawing/mypath.h"
#include "drawing/spanmarks.h"
#include "drawing/watcheritem.h"
#include "layout/aligner.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "view/scene.h"

#include <QCursor>
#include <QGraphicsScene>

namespace {

// The voice of part `p` in measure m that holds `note`, -1 when none does.
int waveVoiceOf(const Measure *m, int p, const Note *note)
{
    if (p < 0 || p >= m->parts.size())
        return -1;
    const VoiceSlots &voices = m->parts.at(p)->voices;
    for (int v = 0; v < voices.size(); ++v) {
        if (voices.at(v)->notes.contains(const_cast<Note *>(note)))
            return v;
    }
    return -1;
}

bool waveHasItem(const Measure *m, int p, int v, int item)
{
    return item >= 0 && m->itemExists(p, v, item);
}

} // namespace

WaveLine::WaveLine(Score *score, Part *part, QObject *parent)
    : QObject(parent), score(score), part(part)
{
}

void WaveLine::reset()
{
    startMeasure = nullptr;
    startNote = nullptr;
    startNotation = nullptr;
    refOffset = 0.0;
}

void WaveLine::wavyLineStart(Measure *m, Note *note, Notation *wavy, double offset)
{
    startMeasure = m;
    startNote = note;
    startNotation = wavy;
    refOffset = offset;
}

int WaveLine::wavyLineStop(Measure *m, Note *note)
{
    Measure *first = startMeasure;
    Note *start = startNote;
    Notation *wavy = startNotation;
    // A stop closes its start: a second stop without a new start has
    // nothing to draw from.
    reset();
    if (!first || !start || !wavy || !m || !note)
        return 1;
    const int a = first->indexInScore();
    const int b = m->indexInScore();
    const int p = int(score->parts.indexOf(part));
    const int sv = waveVoiceOf(first, p, start);
    const int ev = waveVoiceOf(m, p, note);
    // Nothing to measure from: ends outside the score or without glyphs,
    // or a stop before its start.
    if (a < 0 || b < a || sv < 0 || ev < 0 || !waveHasItem(first, p, sv, start->firstAlignItem) ||
        !waveHasItem(m, p, ev, note->alignItemEnd))
        return 1;

    const bool horizontal = score->page->horizontal;
    const double k = score->page->scaleFactor;
    const double n = part->noteFontSize;
    const int startIndex = int(first->parts.at(p)->voices.at(sv)->notes.indexOf(start));
    // The line begins after the start note's chord in horizontal writing.
    Note *anchor = first->parts.at(p)->voices.at(sv)->findNextUnflaggedNote(start);
    if (!waveHasItem(first, p, sv, anchor->firstAlignItem))
        anchor = start;
    const QPointF startPos = first->getItemFinalPosFrame(p, sv, start->firstAlignItem);
    const QPointF anchorPos = first->getItemFinalPosFrame(p, sv, anchor->firstAlignItem);

    double s;
    if (horizontal)
        s = wavy->moved ? wavy->x * n + startPos.x()
                        : first->getItemFinalRefPos(p, sv, anchor->firstAlignItem);
    else
        s = wavy->moved ? wavy->x * n + startPos.y()
                        : first->getItemFinalRefPos(p, sv, start->firstAlignItem);

    const int last = note->alignItemEnd;
    const QSizeF lastBox = m->getItemSize(p, ev, last);
    const QPointF lastPos = m->getItemFinalPosFrame(p, ev, last);
    double end = horizontal ? lastBox.width() : lastBox.height();
    end += wavy->moved ? wavy->x * n + (horizontal ? lastPos.x() : lastPos.y())
                       : m->getItemFinalRefPos(p, ev, last);

    wavy->shown = wavy->visibility != 2;
    const double startRef = first->getPartRefLine(p);
    int segment = 0;
    for (int i = a; i <= b; ++i) {
        Measure *cur = score->measures.at(i);
        const bool isStop = i == b;
        const bool endsLine = score->measureEndsLine(cur);
        if (!isStop && !endsLine)
            continue;
        ++segment;
        double length;
        if (isStop)
            length = (end - s) * wavy->scale;
        else
            length = horizontal ? cur->originX + cur->width - s : cur->originY + cur->height - s;

        auto *path = new MyPath;
        path->setWavePath(2, length * k, true, n * k);
        const double shift = cur->getPartRefLine(p) - startRef;
        if (horizontal) {
            double y;
            if (wavy->moved)
                y = cur->getPartRefLine(p) + refOffset + wavy->y * n;
            else
                y = (wavy->y - 0.8) * n + anchorPos.y() + (segment > 1 ? shift : 0.0);
            path->setPos(s * k, y * k);
        } else {
            double x;
            if (wavy->moved)
                x = cur->getPartRefLine(p) + refOffset + wavy->y * n;
            else
                x = (1.8 + wavy->y) * n + startPos.x() + (segment > 1 ? shift : 0.0);
            path->setRotation(90.0);
            path->setPos(x * k, s * k);
        }
        // A line over high notes of the staff would leave its system; one
        // the user placed stays where it was put.
        if (!wavy->moved)
            keepInsideSystem(path, score, cur);
        path->setZValue(10.0);
        score->scene->addItem(path);
        if (segment == 1) {
            path->setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
            path->setAcceptHoverEvents(true);
            path->setCursor(Qt::ArrowCursor);
            if (score->watcher)
                path->installSceneEventFilter(score->watcher);
            score->setNotationItemTag(path, a, p, sv, startIndex,
                                      int(start->notations.indexOf(wavy)));
            wavy->item = path;
        }
        showUnlessHidden(path, wavy->shown, score->cleanOutput);

        if (!isStop && i + 1 < score->measures.size()) {
            // The next system's notes begin after its head.
            const Measure *next = score->measures.at(i + 1);
            const double head = next->aligner ? next->aligner->headWidth() : 0.0;
            s = (horizontal ? next->originX : next->originY) + head;
        }
    }
    return 1;
}
