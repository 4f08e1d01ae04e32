// Which elements of a note's `notations` and of a `direction` make a model
// object. The readers make exactly one Notation per notation-making element
// and one Direction per direction-making item, in document order, and the
// writers pair the k-th such element with the k-th object; both sides ask
// these functions, so they can never count differently.
//
// Slot numbers: an absent `number` is MusicXML's default 1. A slur number
// outside 1..5 or a tuplet number outside 1..3 has no slot (0 here): the
// slur still makes its (stateless) Notation, the tuplet sets nothing.
#pragma once

#include <QDomElement>
#include <QString>

namespace MarkPairing {

// The slur slot 1..5 of a `slur` element; 0 when its number has no slot.
int slurNumber(const QDomElement &slur);
// The tuplet slot 1..3 of a `tuplet` element; 0 when its number has none.
int tupletNumber(const QDomElement &tuplet);
// The type of a `tremolo`; an absent one is MusicXML's default "single".
QString tremoloType(const QDomElement &tremolo);

// True when `element` makes one Notation: a direct child of `notations`
// (fermata, slur "start" or "stop"), or a child of its `articulations` or
// `ornaments` (judged by the parent's tag).
bool makesNotation(const QDomElement &element);

// True for the dynamics marks the reader knows ("f", "sfz", ...).
bool isDynamicsMark(const QString &tag);
// How many Directions one child of `direction-type` makes: the known marks
// of a `dynamics`, 1 for a wedge of type "crescendo", "diminuendo" or
// "stop" (0 for "continue" and others), 1 for words, metronome, rehearsal,
// bracket, dashes, octave-shift, coda and segno, 0 for anything else.
int directionItemCount(const QDomElement &item);

} // namespace MarkPairing
