// The crescendo and diminuendo hairpin drawer of one part.
//
// Owned by its Part for the part's whole life; holds the Score and Part it
// serves without owning them.
#pragma once

#include <QObject>

class Part;
class Score;

class Wedge : public QObject
{
    Q_OBJECT

public:
    Wedge(Score *score, Part *part, QObject *parent = nullptr);

    Score *score = nullptr;
    Part *part = nullptr;
};
