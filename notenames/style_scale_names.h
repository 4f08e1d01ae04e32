// Every note name the scales of a notation style can produce, so that a
// note font can be checked to draw each of them.
#pragma once

#include <QString>
#include <QStringList>

namespace NoteNames {

// The names, sorted and without repeats, of every scale a part of
// `notationStyle` (0..13) can get from its builder: both settings of the
// Kinko "U" switch, and for string styles the default tuning and every
// palette preset. `noteFontName` matters for the fue only, whose
// "Shinobue_Fukuhara" font has names of its own. Styles without a scale
// (staff notation, Traverso, anything outside 0..13) give an empty list.
QStringList scaleNamesOfStyle(int notationStyle, const QString &noteFontName);

} // namespace NoteNames
