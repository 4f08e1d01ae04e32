// Glyph character maps: for the export of note glyphs as lyric text, each
// map turns a note-font glyph id into one character of the staff lyric font
// "VelmoraStaff". One code space serves every map: a character never
// stands for two ids, and a mark drawn alike in several notations has one
// character in all of them.
//
// Every builder allocates a new map that the caller owns; the maps are
// constant data, built afresh at each call, and no builder can fail.
#pragma once

#include <QMap>
#include <QString>

namespace NoteNames {

// Glyph id -> a string of exactly one UTF-16 unit (U+00C0..U+1E8F).
using GlyphCharMap = QMap<QString, QString>;

GlyphCharMap *getStaffNoteMapKinko();         // styles 0, 1
GlyphCharMap *getStaffNoteMapTozan();         // styles 2, 3
GlyphCharMap *getStaffNoteMapTozan_Circled(); // styles 2, 3, font "Tozan_FeltPen_Circled"
// Both shinobue builders write "<name>: entered." to the debug output.
GlyphCharMap *getStaffNoteMapShinobue_Numeric(); // style 4, font "Shinobue_Numeric"
GlyphCharMap *getStaffNoteMapShinobue_Kanji();   // style 4, every other font
GlyphCharMap *getStaffNoteMapKoto();             // styles 5, 6
GlyphCharMap *getStaffNoteMapSangen();           // style 7
GlyphCharMap *getStaffNoteMapShamisen();         // style 9
GlyphCharMap *getStaffNoteMapDoremi();           // style 10

// The map the export uses for a part: empty unless the part writes staff
// notes (`staffNoteOutput`) in a style 0..10 that has a map. Note-font names
// are compared exactly, case included. New map, owned by the caller.
GlyphCharMap *getStaffNoteMapOfPart(bool staffNoteOutput, int notationStyle,
                                    const QString &noteFontName);

} // namespace NoteNames
