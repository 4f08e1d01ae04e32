// Note values inside texts (the beat units of metronome marks, "♩. = 72",
// and tempo texts that write them as music characters), drawn by this
// program itself rather than by a font.
//
// Few text fonts hold the music characters, and a fallback font brings its
// own size, baseline and advance: the note stood apart from its dots and
// from the "=", and on a machine with no such font it was left out. Here a
// note value is a small drawing sized from the text font's cap height: its
// head sits on the text's baseline, its augmentation dots (the full stops
// that follow it in the text) stand right of the head at the head's middle,
// and its advance is its own ink plus a hair, so that a blank after it is
// the font's ordinary blank.
//
// Units: scene units (the unit of the text font's metrics).
#pragma once

#include <QFontMetricsF>
#include <QList>
#include <QPainterPath>
#include <QString>

namespace TempoNotes {

// The note value a character shows: 0 breve, 1 whole, 2 half, 3 quarter,
// 4 eighth, 5 16th, 6 32nd, 7 64th; -1 for any other character.
int noteValue(char32_t c);

// True when the text holds a character that noteValue knows.
bool containsNote(const QString &text);

// A piece of one line of text: plain text, or one note value with the
// augmentation dots that follow it.
struct Run
{
    QString text;   // the plain text, or the note's characters with its dots
    int value = -1; // the note value, -1 for plain text
    int dots = 0;
};

QList<Run> runs(const QString &line);

// How far a note run advances along the line.
double noteAdvance(const Run &run, const QFontMetricsF &metrics);

// The ink of a note run with its origin on the baseline at the run's
// start: the head, stem, flags and dots, filled.
QPainterPath notePath(const Run &run, const QFontMetricsF &metrics);

// The width of a whole line, plain text by the font and notes by their
// own advance.
double lineAdvance(const QString &line, const QFontMetricsF &metrics);

} // namespace TempoNotes
