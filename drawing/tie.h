// The tie drawer of one part: ties of every notation, drawn into the score's scene.
//
// Owned by its Part for the part's whole life; holds the Score and Part it
// serves without owning them.
#pragma once

#include <QObject>

class Part;
class Score;

class Tie : public QObject
{
    Q_OBJECT

public:
    Tie(Score *score, Part *part, QObject *parent = nullptr);

    Score *score = nullptr;
    Part *part = nullptr;
};
