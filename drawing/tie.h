// The tie drawer of one part: the tie curves of every notation, drawn into
// the score's scene when a tie's stop arrives.
//
// Owned by its Part for the part's whole life; holds the Score and Part it
// serves without owning them. Every start takes a slot of its own (there
// is no fixed number of open ties); a stop takes the open start of the
// same pitch on the same staff, preferring one of its own voice, and frees
// it. A stop that matches no open start draws nothing.
//
// Points are millimetres (along and across in the page's x and y); the
// items are built in scene units (millimetres x the page scale). System
// indices are the measures' line indices.
#pragma once

#include <QList>
#include <QObject>
#include <QPointF>

class Measure;
class Note;
class Part;
class QGraphicsPathItem;
class Score;

class Tie : public QObject
{
    Q_OBJECT

public:
    struct Slot
    {
        Note *note = nullptr;
        Measure *measure = nullptr; // staff notation only
        int pitch = 0;              // the start note's pitch number
        int staff = 0;
        int voice = 0; // the start note's voice number
        int system = 0;
        QPointF first;  // the start
        QPointF second; // where the start's system ends, for a broken tie
    };

    Tie(Score *score, Part *part, QObject *parent = nullptr);

    // Frees every slot, so no tie of an earlier picture stays open.
    void reset();

    // A tie starts at `note` in system `system`. The second form serves
    // staff notation and keeps the start measure for the glyph scales.
    void tieStart(Note *note, int system, QPointF first, QPointF second);
    void tieStart2(Measure *m, Note *note, int system, QPointF first, QPointF second);
    // The tie that `note` ends, drawn to `stop` as one curve, or as two
    // halves when it started in another system. Hidden items unless
    // `visible`. headWidth (mm) is the room before the first note of m's
    // line, where the second half of a broken staff tie begins.
    void tieStop(Note *note, int system, QPointF stop, bool visible);
    void tieStop2(Measure *m, Note *note, int system, QPointF stop, bool visible, double headWidth);

    // One closed crescent in scene units: along x from x1 to x2 at y,
    // bulging up (`above`) or down; along y from y1 to y2 at x, bulging
    // right (`right`) or left. Not yet in the scene.
    static QGraphicsPathItem *tiePath(bool above, double x1, double x2, double y);
    static QGraphicsPathItem *tiePathV(bool right, double y1, double y2, double x);

    // The open starts, oldest first.
    const QList<Slot> &openTies() const { return openStarts; }

    Score *score = nullptr;
    Part *part = nullptr;

private:
    void start(Measure *m, Note *note, int system, QPointF first, QPointF second);
    // Removes and returns the start that `note` ends; false when none.
    bool takeMatch(const Note *note, Slot *slot);
    void addCurve(QGraphicsPathItem *item, bool visible);

    QList<Slot> openStarts;
};
