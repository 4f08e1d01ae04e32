// The lyric hyphen and extender drawer of one voice of a part.
//
// Owned by its Part for the part's whole life; holds the Score and Part it
// serves without owning them. `voice` is the voice index, 0 to 31.
#pragma once

#include <QObject>

class Part;
class Score;

class Syllabics : public QObject
{
    Q_OBJECT

public:
    Syllabics(Score *score, Part *part, int voice, QObject *parent = nullptr);

    Score *score = nullptr;
    Part *part = nullptr;
    int voice = 0;
};
