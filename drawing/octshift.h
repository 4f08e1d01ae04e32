// The octave-shift drawer of one part: the "8" glyph with its dashed line.
//
// Owned by its Part for the part's whole life; holds the Score and Part it
// serves without owning them.
#pragma once

#include <QObject>

class Part;
class Score;

class OctShift : public QObject
{
    Q_OBJECT

public:
    OctShift(Score *score, Part *part, QObject *parent = nullptr);

    Score *score = nullptr;
    Part *part = nullptr;
};
