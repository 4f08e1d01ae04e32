// The beam drawer of one voice of a part: beam lines, stroke lines and
// slashes, drawn straight into the score's scene.
//
// Owned by its Part for the part's whole life; holds the Score without
// owning it.
#pragma once

#include <QObject>

class Score;

class Beams : public QObject
{
    Q_OBJECT

public:
    explicit Beams(Score *score, QObject *parent = nullptr);

    Score *score = nullptr;
};
