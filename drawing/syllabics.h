// The lyric hyphen and extender drawer of one voice of a part.
//
// Owned by its Part for the part's whole life; holds the Score and Part it
// serves without owning them. `voice` is the voice index, 0 to 31. One
// slot per lyric number 1..16 (index 0..15); a slot without start measure
// is empty.
#pragma once

#include <QObject>

#include <array>

class Lyrics;
class Measure;
class Part;
class Score;

class Syllabics : public QObject
{
    Q_OBJECT

public:
    static constexpr int slotCount = 16;

    struct Slot
    {
        Measure *startMeasure = nullptr;
        Lyrics *lyric = nullptr;
        int kind = 0; // 0 syllable line, 1 continuation line
    };

    Syllabics(Score *score, Part *part, int voice, QObject *parent = nullptr);

    // Empties every slot, so no line of an earlier picture stays open.
    void reset();

    Score *score = nullptr;
    Part *part = nullptr;
    int voice = 0;
    std::array<Slot, slotCount> startSlots{};
};
