// How far the readers let a number go. A score file or MusicXML file can
// hold any integer; the model counts up from some numbers, adds others to
// pitches, and lays out one time tick per sixteenth of each measure. The
// bounds keep that arithmetic within int and the work within reason, and
// stay far beyond anything a score or the settings dialogs produce, so that
// every real value loads unchanged.
#pragma once

#include <QtGlobal>

namespace ReadBounds {

// Keys, transpositions, start page numbers, octaves and alterations are
// clamped to +-offsetBound on reading.
constexpr int offsetBound = 1000;
int clampOffset(int value);

// A note or forward, and a whole measure, may last at most this many whole
// notes; a file with a longer one is refused. A backup may go back as far
// as divisionsCeiling.
constexpr int longestWholeNotes = 64;
// Whatever the divisions, no measure reaches this many divisions, so that
// sixteen times a time still fits an int.
constexpr qint64 divisionsCeiling = qint64(1) << 24;

// The longest duration, in divisions, that a measure with `divisions` per
// quarter note may hold; divisions of 0 or less count as 1, as everywhere.
qint64 longestDuration(int divisions);

// `value` clamped into int; for sums taken in 64 bits.
int saturatedInt(qint64 value);

} // namespace ReadBounds
