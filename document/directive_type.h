// The kinds of directive text a note can carry (a Directive keeps one as
// its `kind`), and the long-repeat kind that the long-repeat directives
// give their note. Score::getDirectiveType classifies a text.
#pragma once

namespace DirectiveType {

enum : int
{
    QuotedText = 0,   // "'" ... "'": a free text, or the user's note name
    OpeningMark = 1,  // ".(", ".gray(", ".whiteSpaceBefore", ".kinkoRa"
    ClosingMark = 2,  // ".su", ".ス", ".)", ".gray)", ".whiteSpaceAfter", ".restKinko"
    Scale = 3,        // ".scale{": koto tuning
    NoPrev = 4,       // ".noPrev"
    Unused = 5,       // no text yields it
    OtherText = 6,    // everything else; a new Directive's kind
    GlyphMark = 7,    // ".holeNo_1" ... ".sangen_Utsu"
    EffectMark = 8,   // ".effect_C" ... ".koto_SuriZumeRight"
    Pizz = 9,         // ".pizz"
    ScaleSangen = 10, // ".scaleSangen{": sangen and shamisen tuning
    LongRepeatSimile = 11,
    LongRepeat = 12,
    LongRepeat2 = 13,
    LongRepeat3 = 14,
    LongRepeat4 = 15,
    LongRepeatAccel = 16,
    LongRepeatBeat1 = 17,
    LongRepeatBeat2 = 18,
    Transpose = 19, // ".transpose{n}": n half steps from this note on
    OtsuDoubleQuote = 20,
    Invisible = 21,
    LongStepUp = 22,
    LongStepDown = 23,
};

// The note's long-repeat kind for a directive of this type: 1 simile, 2 to
// 5 the plain forms, 6 accelerating, 7 and 8 one and two beats, 9 step up,
// 10 step down; 0 for a type that is no long repeat.
int longRepeatKind(int type);

} // namespace DirectiveType
