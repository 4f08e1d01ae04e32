// A clef of a staff as the model keeps it: one short code per clef, the
// sign with its line and octave when they are not the sign's usual ones:
// "G" (treble), "F" (bass), "C" (alto), "C4" (tenor), "G1" (French
// violin), "G2-1" (treble an octave down), "percussion". An empty code is
// no clef yet. The code is what MePart::clefSigns and Note::clef hold.
#pragma once

#include <QString>

class StaffClef
{
public:
    // From MusicXML's sign, line (0: not given) and clef-octave-change.
    static QString code(const QString &sign, int line, int octaveChange);
    static StaffClef fromCode(const QString &code);

    QString sign;         // "G", "F", "C", "percussion", ...
    int line = 2;         // staff line of the clef's reference, 1 at the bottom
    int octaveChange = 0; // -1: notes sound an octave below the treble's place

    // A sign the staff can place notes and draw a glyph for.
    bool known() const;
    // The diatonic number (octave * 7 + step letter from C) of the note on
    // the middle line; an unknown sign reads as treble.
    int middleLineDiatonic() const;
    // The staff step of the clef's reference line from the middle line.
    int lineStep() const { return 2 * (line - 3); }
    // How far a key signature's accidentals stand from their treble place,
    // in staff steps (an F clef puts them two steps lower: -2).
    int keySignatureShift() const;
};
