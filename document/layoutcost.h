// What a score will cost in memory, in bytes, checked twice while it loads
// against the memory budget (MemoryBudget): its text before the document
// is built (elementLimit, counted by DomFromText's streaming pass), and
// the whole score, laid out and drawn, once its measures are read (of).
//
// The document's elements and texts stay in memory for saving; every
// measure and every part of it (a measure cell) holds its voices, aligner,
// bar lines and header; every note, and every mark on it (lyric, notation,
// fingering, directive, direction), makes scene items and aligned items;
// and every measure makes one time tick per sixty-fourth note of its
// length, whatever its notes. A file of a few hundred kilobytes whose
// measures each last 64 whole notes, or of a few hundred thousand one-rest
// measures, would otherwise take gigabytes; counted here, it is refused at
// load with a message that says what it would need.
#pragma once

#include "document/domfromtext.h"

#include <QList>
#include <QString>
#include <QtGlobal>

class Measure;

namespace LayoutCost {

// Bytes each thing costs at the peak of load, layout and PDF export,
// fitted to the peak resident memory of the command-line renderer on
// generated scores (realistic ones of 1,000 to 8,000 measures and 4 to 16
// parts; 200,000 empty or one-rest measures; 3,000 measures of 64 whole
// notes) and rounded up: the estimate is meant to be a little above the
// peak (5 to 20 % on these scores).
constexpr qint64 bytesPerElement = 800;
constexpr qint64 bytesPerTextCharacter = 10;
constexpr qint64 bytesPerMeasure = 3600;
constexpr qint64 bytesPerCell = 4200;
constexpr qint64 bytesPerNote = 4200;
constexpr qint64 bytesPerMark = 1600;
constexpr qint64 bytesPerTick = 180;
// The program itself, its fonts and an empty scene.
constexpr qint64 baseBytes = 64LL * 1024 * 1024;

// Reading a text costs this much per element (long texts counted by their
// length), from the text to the model, before the layout (fitted as
// above, to the peak of loads refused after reading): the document
// stays for saving, and every element makes its part of the model. A
// measure element makes a measure (or a measure's part) with its voices
// and aligner, and a note element a note: they count for more.
constexpr qint64 bytesPerElementRead = 700;
constexpr qsizetype extraPerMeasureRead = 8;
constexpr qsizetype extraPerNoteRead = 4;

// The most elements (see DomFromText::read) a text may hold for its
// document and model to fit in `budget` bytes, and the weights to count
// them with.
qsizetype elementLimit(qint64 budget);
QList<DomFromText::ElementWeight> readWeights();

// The time ticks the aligner makes for `measure` (see Aligner::setUpTics).
qint64 timeTicks(const Measure *measure);

struct Estimate
{
    qsizetype elements = 0;
    qint64 textCharacters = 0;
    qsizetype measures = 0;
    qsizetype parts = 0;
    qint64 notes = 0;
    qint64 marks = 0; // lyrics, notations, fingerings, directives, directions
    qint64 ticks = 0;
    qint64 bytes() const;
};

Estimate of(const QDomDocument &document, const QList<Measure *> &measures);

// The refusal of a score that `estimate` says would need more than
// `budget` bytes: how large it is, what it would need, the limit and how
// to raise it.
QString refusal(const Estimate &estimate, qint64 budget);

// The refusal of a text that counts as `counted` elements (see
// elementLimit), more than `budget` allows.
QString readRefusal(qsizetype counted, qint64 budget);

// The limit of `budget` bytes and how to raise it, one sentence; for every
// refusal of a score too large for the memory.
QString limitText(qint64 budget);

} // namespace LayoutCost
