// The long-repeat drawer of one voice of a part: one stretched glyph from the start note to the end
// of the repeated passage.
//
// Owned by its Part for the part's whole life; holds the Score and Part it
// serves without owning them. A mark is open while `started` is set; its
// start positions are millimetres (along and across the reading
// direction); startItem is a scene item of the current picture.
#pragma once

#include <QObject>

class Measure;
class Part;
class QGraphicsItem;
class Score;

class LongRep : public QObject
{
    Q_OBJECT

public:
    LongRep(Score *score, Part *part, QObject *parent = nullptr);

    // Forgets the open mark; its start item belonged to a cleared scene.
    void reset();

    // Opens a mark of `kind` (1..10) at the start note's `item`; across and
    // along are the start's position (mm).
    void longRepStart(Measure *measure, QGraphicsItem *item, double across, double along, int kind);
    // A mark that opens and closes in `measure`, ending at endAlong (mm).
    void longRepSingle(Measure *measure, QGraphicsItem *item, double across, double along,
                       double endAlong, int kind);
    // Closes the open mark at endAlong (mm) of `measure`; nothing when none
    // is open.
    void longRepStop(Measure *measure, double endAcross, double endAlong);
    // The mark from the stored start to (endAcross, endAlong) of
    // endMeasure, one glyph per line it crosses.
    void drawLongRep(Measure *endMeasure, double endAcross, double endAlong);

    Score *score = nullptr;
    Part *part = nullptr;
    Measure *startMeasure = nullptr;
    bool started = false;
    QGraphicsItem *startItem = nullptr;
    int kind = 0; // 1..10
    double startAcross = 0.0;
    double startAlong = 0.0;
};
