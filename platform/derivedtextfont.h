// A copy of an installed TrueType text font, made in memory, that differs
// from the original only in its character map and its family name.
//
// Why: the free Japanese fonts map the CJK radicals (U+2E80-U+2FDF) to the
// same glyphs as the kanji of the same shape (U+2F26 and U+5B50 both draw
// 子). The PDF writer records, for each embedded glyph, the lowest code point
// that reaches it, so text copied or searched in an exported PDF came out as
// radicals. The copy leaves the radical blocks out of its map, so every such
// glyph is reached by its kanji alone. It carries a family name of its own so
// that it never stands in for the installed original.
//
// Glyph outlines, metrics and layout tables are copied byte for byte: text
// set in the copy draws exactly what the original draws.
//
// Making a copy reads and rewrites a font of several megabytes, a large part
// of a short run's start-up, and a copy made in memory stays in memory. The
// copies are therefore kept as files in a cache folder and made again only
// when the original changes.
#pragma once

#include <QByteArray>
#include <QString>

namespace DerivedTextFont {

// The first and last code points left out of the copy's character map.
constexpr char32_t firstLeftOut = 0x2E80;
constexpr char32_t lastLeftOut = 0x2FDF;

// The copy of `font` (the bytes of a single TrueType/OpenType font file)
// named `family`; empty when `font` is not a font this can rewrite (a
// collection, a truncated or malformed table directory, no Unicode map).
// `why`, when given, receives the reason for an empty result.
QByteArray fromData(const QByteArray &font, const QString &family, QString *why = nullptr);

// The same for the font file at `path`; empty when it cannot be read.
QByteArray fromFile(const QString &path, const QString &family, QString *why = nullptr);

// The file in `cacheFolder` that holds the copy of the font file at `path`
// named `family`, written there (atomically, the folder made if needed) when
// missing. Its name tells apart the originals by path, size and time of
// change, so a changed original gets a new copy. Empty, with `why` set,
// when the original cannot be copied or the file cannot be written.
QString cachedFile(const QString &path, const QString &family, const QString &cacheFolder,
                   QString *why = nullptr);

// The name, without folder, of the cached copy of `path` named `family`.
QString cachedFileName(const QString &path, const QString &family);

} // namespace DerivedTextFont
