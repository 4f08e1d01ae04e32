// One aligned element of a voice (a note glyph, rest, mark, header symbol)
// or one time tick of a measure: what time alignment and line layout need
// to place it along the reading direction, and where it finally landed.
//
// Lengths are millimetres from the measure start unless named otherwise;
// finalX/finalY are the final position in millimetres on the page picture
// (the scene position is this times the scene scale). The Voice (or, for ticks, the
// Aligner) owns the item; the scene owns the graphics item once it is
// added, and a glyph item that no scene took is deleted by the
// regeneration (Score::releaseUnplacedGlyphItems).
//
// A long score has about four aligned items per note, so an item is a plain
// record: no signals, no parent, no object name.
#pragma once

#include <QString>

class QGraphicsItem;

// How an item is placed when its measure is fitted to its width.
enum AlignItemKind : int
{
    AlignFree = 0,      // placed at its own position, scaled
    AlignTime = 1,      // starts at a known time; every time tick is of this kind
    AlignFollowing = 2, // at the running position left by the previous item
    AlignCentred = 3,   // centred in the fitted measure
    AlignLeading = 4,   // held back and set right-aligned before the next placed item
    AlignOverlay = 5,   // stacked on the previous item; its width is not stretched
};

// Weight of a time tick.
enum TickLevel : int
{
    TickSixteenth = 0,
    TickEighth = 1,
    TickBeat = 2,
    TickOther = 3,
};

// Every datum of an aligned item, each with its initial value: assigning
// a default-made AlignItemData makes an item as good as new.
struct AlignItemData
{
    double width = 0.0; // advance: where the next item starts after this one
    int kind = AlignFree;
    QString glyphId;
    double position = 0.0;       // running start before fitting
    bool fixed = false;          // given a common position with items of the same time
    double fittedPosition = 0.0; // start after the fit
    double length = 0.0;         // extent along the reading direction
    double breadth = 0.0;        // extent across it
    int time = -1;               // onset: divisions from the item's glyph, aligner units for ticks
    int staff = 0;
    double baseOffset = 0.0; // across the reading direction
    double refOffsetX = 0.0; // the glyph's offset inside its box
    double refOffsetY = 0.0;
    QGraphicsItem *graphicsItem = nullptr;
    double finalX = 0.0; // millimetres
    double finalY = 0.0;
    // The scale of its glyph on both axes where its stretch of a narrowed
    // measure has less room than the glyph needs; 1 elsewhere.
    double glyphScale = 1.0;
    int tickLevel = TickSixteenth; // TickLevel; only set on time ticks
};

class AlignItem : public AlignItemData
{
};
