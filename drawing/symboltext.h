// Music symbols inside plain texts (words, rehearsal marks, tempo words).
//
// Notation programs write signs such as segno, coda, dynamics letters and
// metronome notes into texts as characters of the Unicode private-use area
// that only their own music fonts draw. No text font here has them, and a
// text font shows such a character as a box. drawable() gives the text as
// it should be drawn: each known private-use sign replaced by the plain
// letters or the standard Unicode music character that says the same, and
// every character that no installed or bundled font can draw left out (one
// log line per character and run, never a box). Note values are kept: the
// text item draws them itself (see TempoNotes).
#pragma once

#include <QFont>
#include <QString>

namespace SymbolText {

// The text with every known private-use music sign replaced; other
// private-use characters stay as they are.
QString withStandardSymbols(const QString &text);

// True when some font reachable from `font` (itself or a fallback font)
// has a glyph for the character `ucs4`.
bool hasGlyph(char32_t ucs4, const QFont &font);

// withStandardSymbols, then without the characters no font draws (note
// values excepted).
QString drawable(const QString &text, const QFont &font);

// The code points of `text` (after withStandardSymbols) no font draws.
QList<char32_t> missingCharacters(const QString &text, const QFont &font);

} // namespace SymbolText
