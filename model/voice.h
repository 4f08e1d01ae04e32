// One voice of one part in one measure: its notes and rests in document
// order (chord members follow their first note), the directions attached
// to it, and the aligned items that regeneration makes for it.
//
// Ownership: the voice owns its notes, directions and aligned items. A long
// score holds tens of thousands of voices, so a voice is a plain object: no
// signals, no parent, no object name.
#pragma once

#include <QList>

class AlignItem;
class Direction;
class Note;

class Voice
{
public:
    // A chord-end search gives up after this many notes (a damaged file
    // with an endless chord must not stall drawing).
    static constexpr int chordSearchLimit = 100;

    Voice() = default;
    ~Voice();
    Voice(const Voice &) = delete;
    Voice &operator=(const Voice &) = delete;

    // Empties the voice: no notes, directions or aligned items remain.
    void clear();
    // Deletes the aligned items; regeneration makes them anew.
    void clearAlignItems();

    // The last note of the chord that begins at `note` (a note of this
    // voice); `note` itself when no chord member follows it, or when more
    // than chordSearchLimit members follow it.
    Note *findNextUnflaggedNote(Note *note) const;

    // After the notes of the voice are read: chord sizes and indices, start
    // times, the implied flags of unbeamed short notes and rests, and the
    // joined-beam copy. Returns the voice's length in divisions.
    int deriveNoteData();

    // Own directions, then those a multi-measure rest shows for the
    // measures it swallows.
    QList<Direction *> shownDirections() const { return directions + mergedDirections; }

    bool hasNotes = false;
    QList<Note *> notes;
    QList<Direction *> directions;
    QList<AlignItem *> alignItems;

    // computed by layout; reset before each regeneration
    // Directions of swallowed measures shown by this voice's multi-measure
    // rest; borrowed, owned by their own voices.
    QList<Direction *> mergedDirections;
};
