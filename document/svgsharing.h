// Shared definitions for the SVG files the export writes.
//
// QSvgGenerator writes every path in full where it is drawn, and wraps each
// change of painter state in a group of its own, empty or not. A score's
// glyphs repeat a few dozen shapes thousands of times, each in its own
// group. Rewriting the generator's output afterwards keeps the export one
// rendering of the scene (no drawing code of its own) and makes the files
// a fraction of the size.
#pragma once

#include <QByteArray>

namespace SvgSharing {

// `svg` (as QSvgGenerator writes it) with every path that occurs more than
// once defined once in <defs> and drawn by <use> at each occurrence, the
// groups that hold nothing left out, and the font attributes kept only on
// groups that hold text. A path inherits fill and stroke from the group
// around it, so the <use> in that group draws it exactly as before. A file
// without <defs> comes back with only its groups tidied.
QByteArray shared(const QByteArray &svg);

} // namespace SvgSharing
