// The note scale of every notation style. Each builder returns a new
// NoteScale that the caller owns. The builders read no score state: what a
// score would supply (style switch, note font, tuning) is an argument, so
// each Score::createScale... is a one-line call with the score's settings.
//
// Keys are pitch numbers (MIDI note number minus 58: C4 is 2, D4 is 4). A
// tuning is a comma-separated list of pitch numbers, string 1 first; every
// entry counts, an empty one too, and an entry that is not an integer is
// pitch 0. A tuning a builder cannot use gives an empty scale, never null.
#pragma once

#include "notenames/notescale.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace NoteNames {

// Shakuhachi and fue: fixed tables. --------------------------------------

// Kinko school, keys -3..38. `kinkoDefaultU` (the style switch) makes "U"
// the default of key 10 in place of "ChiMeri".
NoteScale *createScaleKinko(bool kinkoDefaultU);
// Tozan school, keys -10..38.
NoteScale *createScaleTozan();
// Fue, keys -3..37. Only the note font named exactly "Shinobue_Fukuhara"
// (case-sensitive) takes that font's name order and its extra names.
NoteScale *createScaleShinobue(const QString &noteFontName);

// Koto and sangen: tables follow from the tuning. -------------------------

// Whether createScaleKoto shows its warning about a 25-string scale name.
// Suppress lets a caller show it once per faulty directive rather than at
// every rebuild; the scale returned is the same either way.
enum class ScaleNameWarning
{
    Show,
    Suppress
};

// Koto of 13, 17, 21 or 25 strings; any other string count gives an empty
// scale silently. `scaleName` matters only for 25 strings, where it must be
// exactly "Koto25" or "Koto25_Low": otherwise the scale is empty and, unless
// suppressed, a warning goes through Prompter::instance() over `parent`.
// `seiha` adds the Seiha school's KinWhite and BarOsu names.
NoteScale *createScaleKoto(const QString &tuning, const QString &scaleName, bool seiha,
                           QWidget *parent = nullptr,
                           ScaleNameWarning warning = ScaleNameWarning::Show);
// True when a tuning of this many entries needs a 25-string scale name and
// `scaleName` is not one: the case in which createScaleKoto warns.
bool isRejectedKotoScaleName(const QString &tuning, const QString &scaleName);

// Three-string tunings; any other entry count gives an empty scale.
NoteScale *createScaleSangenIkuta(const QString &tuning);
NoteScale *createScaleShamisenBunka(const QString &tuning);
// Sangen of the Yamada school: a fixed table of degrees, keys -3..37.
NoteScale *createScaleSangenYamada();

// Sol-fa and percussion: fixed tables. ------------------------------------

// Fixed-do syllables with octave digits, keys -34 (Do1) .. 49 (Si7).
NoteScale *createScaleDoremi();
// "QuarterBeat" for every key -50..49.
NoteScale *createScalePercussion();

// Tuning text helpers (shared with the Score's core queries). -------------

// The tuning's entries, split at every ",", empty entries kept.
QStringList splitTuning(const QString &tuning);
// An entry as a pitch: a decimal integer, 0 when it is not one.
int tuningPitch(const QString &entry);
// Smallest and largest entry read as above; 1000 and -1000 for no entries.
int minNumber(const QStringList &entries);
int maxNumber(const QStringList &entries);

// The pitch numbers a tuning entry may name: MIDI notes 0..127.
constexpr int lowestTuningPitch = -58;
constexpr int highestTuningPitch = 69;
// True when an entry is an integer outside lowestTuningPitch..
// highestTuningPitch (digits too many for an int too). The string builders
// give such a tuning the empty scale: their loops run over the pitches the
// tuning spans.
bool isTuningOutOfRange(const QString &tuning);
// The warning about such a tuning, through Prompter::instance() over
// `parent`.
void showTuningRangeWarning(QWidget *parent, const QString &tuning);

} // namespace NoteNames
