// The note-font glyphs as one TrueType font, for PDF output.
//
// A PDF writes a path's every point at each place it is drawn, but embeds a
// font's glyph once and then names it by number. Drawing the glyphs of a
// large score as characters of one font makes its PDF a fraction of the
// size and its page streams quick to compress.
//
// The font, resources/glyphfont/VelmoraGlyphs.ttf, holds the filled shapes
// and the strokes (expanded to shapes) of every bundled note-font glyph
// whose fills are solid black. Most strokes of the note fonts outline a
// filled shape to make it bolder; the few that stand alone and are thinner
// than a device pixel come out a little lighter than a viewer's hairline
// stroke, a difference of less than a pixel.
//
// tools/notefonts/glyph_font.py builds the font from the outlines this
// program captures itself (tools/glyphfont dumps them through contours()
// below), and a table beside it, VelmoraGlyphs.tsv, names the glyph of each
// (font file, glyph id) with a fingerprint of the contours it was made
// from. A glyph whose outline no longer matches its fingerprint (a note
// font changed and the font not rebuilt, or a test's own note fonts) is not
// found and stays an outline.
//
// Font units: one glyph unit (the note font's SVG unit, the glyph item's
// coordinate unit) is UnitsPerGlyphUnit font units; the y axis points up,
// so a point (x, y) of the item is (x, -y) / UnitsPerGlyphUnit in the font,
// whose origin is the item's origin.
#pragma once

#include "model/glyphoutline.h"

#include <QByteArray>
#include <QPainterPath>
#include <QString>

class QPainter;

namespace GlyphFont {

constexpr int UnitsPerGlyphUnit = 16;
constexpr int UnitsPerEm = 2048;
// Glyph units that TrueType's 16-bit coordinates can hold, with room to
// spare.
constexpr double LargestGlyphUnits = 32000.0 / UnitsPerGlyphUnit;

// The resource path of the font and of its table.
QString fontPath();
QString tablePath();

// Whether the stroke `shape` of a glyph is part of its font glyph: solid
// and black, with a pen that scales with the glyph. A cosmetic pen keeps
// its width in device pixels, which no font glyph can.
bool strokeInFont(const GlyphOutline::Shape &shape);

// What `outline` fills and strokes in the font, as closed contours in item
// coordinates that, filled all together with the nonzero rule (as TrueType
// glyphs are), cover what those shapes cover: strokes expanded with their
// pens, every shape's contours turned so that overlapping shapes add up.
// An empty path when there is nothing for the font, or the outline is not
// simple, fills in a colour other than black, or is too large.
QPainterPath contours(const GlyphOutline &outline);

// A short hexadecimal digest of `contours` at the font's resolution.
QByteArray fingerprint(const QPainterPath &contours);

// The key of a note-font file in the table: its path below the embedded
// note-font root without ".svg" ("Common/Basic"); empty for any other file.
QString fontKey(const QString &fontFilePath);

// The font's glyph index for `glyphId` of the note font `fontKey` when the
// table holds it with this fingerprint, else -1.
int glyphIndex(const QString &fontKey, const QString &glyphId, const QByteArray &fingerprint);

// Draws glyph `index` of the font with its origin at the painter's origin,
// in black; false, drawing nothing, when the font could not be loaded.
// The font is loaded on first use.
bool draw(QPainter *painter, int index);

} // namespace GlyphFont
