// The long-repeat drawer of one voice of a part: one stretched glyph from the start note to the end
// of the repeated passage.
//
// Owned by its Part for the part's whole life; holds the Score and Part it
// serves without owning them.
#pragma once

#include <QObject>

class Part;
class Score;

class LongRep : public QObject
{
    Q_OBJECT

public:
    LongRep(Score *score, Part *part, QObject *parent = nullptr);

    Score *score = nullptr;
    Part *part = nullptr;
};
