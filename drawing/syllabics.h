// The lyric hyphen and extender drawer of one voice of a part: the line
// from a syllable to the next one of its word (syllable line) and the line
// that carries a syllable on under the following notes (continuation
// line), broken at line ends.
//
// Owned by its Part for the part's whole life; holds the Score and Part it
// serves without owning them. `voice` is the voice index, 0 to 31. One
// slot per lyric number 1..16 (index 0..15); a slot without start measure
// is empty. A lyric number outside 1..16 never touches a slot.
//
// Lines are plain QGraphicsLineItems in scene units, added straight to the
// score's scene (which owns them); they are neither movable nor tagged.
// Faults (a number out of range, an end without a start, a missing item)
// write one debug line and draw nothing.
#pragma once

#include <QObject>
#include <QPointF>

#include <array>

class Lyrics;
class Measure;
class Part;
class QGraphicsItem;
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

    // The least distance between two syllables of one word that leaves
    // room for a whole hyphen with its air to each; `height` is the
    // syllables' height across the writing, the result in its unit. The
    // spacing of the notes keeps syllables this far apart.
    static double hyphenGap(double height);

    // Empties every slot, so no line of an earlier picture stays open.
    void reset();

    // Opens the syllable line (begin) or the continuation line (begin2) of
    // the lyric's number at the lyric, which must already have its item.
    void syllabicBegin(Measure *measure, Lyrics *lyric);
    void syllabicBegin2(Measure *measure, Lyrics *lyric);
    // Ends the line of the lyric's number at the lyric's own item.
    void syllabicEnd(Measure *measure, Lyrics *lyric);
    // Ends the open continuation lines at `endItem`, from the first slot
    // up to the first one that holds no continuation line.
    void syllabicNoteEnd(Measure *measure, QGraphicsItem *endItem);
    // Ends the continuation line of slot `lyricIndex` (number - 1) at
    // `endItem`; nothing when that slot holds none.
    void syllabicNoteEnd2(Measure *measure, int lyricIndex, QGraphicsItem *endItem);
    // Draws every open line to the end of `measure` (the score's last) and
    // empties every slot.
    void syllabicToMeasureEnd(Measure *measure);

    Score *score = nullptr;
    Part *part = nullptr;
    int voice = 0;
    std::array<Slot, slotCount> startSlots{};

private:
    void begin(Measure *measure, Lyrics *lyric, int kind, const char *caller);
    // Draws slot `index`'s line to `endItem` in `measure` and empties it.
    void endSlot(int index, Measure *measure, const QGraphicsItem *endItem, bool traceSteps);
    // One stretch of the line from `from` to `to`: hyphens of
    // `hyphenLength` where that is above 0, a continuation line otherwise.
    void drawStretch(const QPointF &from, const QPointF &to, double hyphenLength);
    void drawPiece(const QPointF &from, const QPointF &to);
};
