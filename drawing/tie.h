// The tie drawer of one part: ties of every notation, drawn into the score's scene.
//
// Owned by its Part for the part's whole life; holds the Score and Part it
// serves without owning them. A start takes the first free of five slots;
// the matching stop frees it. Points are scene coordinates.
#pragma once

#include <QObject>
#include <QPointF>

#include <array>

class Note;
class Part;
class Score;

class Tie : public QObject
{
    Q_OBJECT

public:
    static constexpr int slotCount = 5;

    struct Slot
    {
        bool inUse = false;
        int key = 0; // the start note's pitch number
        Note *note = nullptr;
        int system = 0;
        QPointF first;
        QPointF second;
    };

    Tie(Score *score, Part *part, QObject *parent = nullptr);

    // Frees every slot, so no tie of an earlier picture stays open.
    void reset();

    Score *score = nullptr;
    Part *part = nullptr;
    std::array<Slot, slotCount> startSlots{};
};
