// The wavy-line drawer of one part (trill extensions and similar).
//
// Owned by its Part for the part's whole life; holds the Score and Part it
// serves without owning them.
#pragma once

#include <QObject>

class Part;
class Score;

class WaveLine : public QObject
{
    Q_OBJECT

public:
    WaveLine(Score *score, Part *part, QObject *parent = nullptr);

    Score *score = nullptr;
    Part *part = nullptr;
};
