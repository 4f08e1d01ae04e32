// What a score will cost in memory, in bytes, checked twice while it loads
// against the memory budget (MemoryBudget): its text before the document
// is built (elementLimit, counted by DomFromText's streaming pass), and
// the whole score, laid out and drawn, once its measures are read (of),
// for what it is loaded for (Path).
//
// The document's elements and texts stay in memory for editing and
// saving, and until the model is read when only pages are drawn; every
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

// What the score is loaded for, which decides what stays in memory with
// its layout.
enum class Path : int
{
    // The window: the document stays for saving and editing, the scene for
    // the view.
    Editing = 0,
    // The command-line renderer writing a score file or MusicXML: the
    // document stays, and the export walks it measure by measure.
    Saving,
    // The command-line renderer drawing pages only: the document goes once
    // the model is read, before the layout.
    Pages,
};

constexpr qint64 mebibyte = 1024 * 1024;

// Bytes each thing costs, at a peak of the resident memory (the weights
// fitted by bench/fit-memory.py to the peaks of generated scores: 250 to
// 8,000 measures of 4 parts, 1,000 measures of 1 to 16 parts, in plain
// in realistic music and with a lyric on every note; a piano piece with
// its last measure copied 1,000 and 4,000 times, a string quartet's 16
// measures copied to 2,000 and 8,000; 3,000 and 6,000 measures of 64
// whole notes; 50,000 and 200,000 one-rest measures), and the program
// itself, its fonts and an empty scene (`base`). Each is a little above
// its peaks (never below, at most 1.3 times).
struct Weights
{
    qint64 base;
    qint64 element;
    qint64 textCharacter;
    qint64 measure;
    qint64 cell; // a measure's part
    qint64 note;
    qint64 mark; // but a lyric
    qint64 lyric;
    qint64 tick;
};

// The document and the model, when the load has read every measure.
constexpr Weights loaded = {38 * mebibyte, 0, 530, 7600, 0, 0, 5400, 0, 0};
// The model, its layout, scene and pages, once the document is gone.
constexpr Weights drawn = {55 * mebibyte, 0, 0, 0, 7600, 3200, 5500, 1600, 180};
// Document, model, layout and scene, and the export's or save's writing.
constexpr Weights saving = {46 * mebibyte, 0, 710, 11500, 0, 0, 8800, 520, 180};
// Document, model, layout and scene in the window, with its view.
constexpr Weights editing = {69 * mebibyte, 30, 670, 11500, 0, 0, 7900, 470, 180};

// Reading a text costs this much per element (long texts counted by their
// length), from the text to the model, before the layout (fitted as
// above, to the peak of loads refused after reading): the document
// stays for saving, and every element makes its part of the model. A
// measure element makes a measure (or a measure's part) with its voices
// and aligner, and a note element a note: they count for more.
constexpr qint64 bytesPerElementRead = 700;
// The program itself, its fonts and an empty scene, as the text is read.
constexpr qint64 readBaseBytes = 64 * mebibyte;
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
    qint64 marks = 0;  // lyrics, notations, fingerings, directives, directions
    qint64 lyrics = 0; // of the marks
    qint64 ticks = 0;
    // The peak of what `path` holds at once.
    qint64 bytes(Path path) const;
    qint64 bytes(const Weights &weights) const;
};

Estimate of(const QDomDocument &document, const QList<Measure *> &measures);

// The refusal of a score that `estimate` says would need more than
// `budget` bytes on `path`: how large it is, what it would need, the
// limit and how to raise it.
QString refusal(const Estimate &estimate, Path path, qint64 budget);

// The refusal of a text that counts as `counted` elements (see
// elementLimit), more than `budget` allows.
QString readRefusal(qsizetype counted, qint64 budget);

// The limit of `budget` bytes and how to raise it, one sentence; for every
// refusal of a score too large for the memory.
QString limitText(qint64 budget);

} // namespace LayoutCost
