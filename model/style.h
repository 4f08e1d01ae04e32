// A score's engraving style: sizes, widths, offsets and switches of notes,
// marks, beams, ties, slurs, tuplets, fingerings, lyrics, bar lines and time
// ticks, and the two text fonts.
//
// Lengths are millimetres unless the comment says ratio or factor (relative
// to a part's note size). The Score owns its current and default Style;
// dialogs work on clones (no parent, owned by the caller).
#pragma once

#include <QFont>
#include <QObject>

class Style : public QObject
{
    Q_OBJECT

public:
    // Starts from the defaults, with the toolkit's default font.
    explicit Style(QObject *parent = nullptr);

    // Every field back to a new score's default; both fonts become
    // `textFontFamily` at 14 points.
    void applyDefaults(const QString &textFontFamily);

    // A new Style without parent with every persisted setting and both
    // fonts; the layout-only fields keep a new Style's values.
    Style *clone() const;
    // Copies every persisted setting and both fonts; markPositionRatio and
    // the time-tick ratio range stay the receiver's.
    void copyFrom(const Style *source);
    // True when any persisted setting differs (a NaN always differs).
    bool isDifferent(const Style *other) const;

    // Sets textFont and recomputes textFontHeight from its metrics.
    void setTextFont(const QFont &font);

    double beamLineOffset = 0.8;         // offset of the beam lines
    double beamLineWidth = 1.5;          // beam line width
    double beamLineSpacing = 0.7;        // spacing of beam lines
    double graceNoteScale = 0.8;         // size factor of grace notes
    double graceOffsetX = -0.15;         // grace-note offset X (vertical writing)
    double graceOffsetY = -0.15;         // grace-note offset Y (horizontal writing)
    double dynamicsScale = 1.0;          // size factor of dynamics and hairpins
    double tozanSmallNoteScale = 1.0;    // size factor of Tozan small notes
    double slurOffset = -0.3;            // slur offset
    bool tieRightBottom = true;          // ties right (vertical) or bottom (horizontal)
    bool tupletRightBottom = false;      // tuplet marks on the right or bottom side
    bool tupletBracket = false;          // tuplet bracket drawn
    double tieOffset = 0.0;              // tie offset
    double markPositionRatio = 0.0;      // layout factor for marks beside a note; not persisted
    double notationOffset = 0.0;         // articulation offset
    double tremoloOffsetL = 0.0;         // tremolo mark offset L
    double tremoloOffsetW = 0.0;         // tremolo mark offset W
    double tupletOffset = 0.2;           // tuplet offset
    double octaveInstructionScale = 0.9; // size factor of the octave-instruction mark
    bool octaveInstructionRightOrBottom = true; // octave-instruction mark at the right or bottom
    bool doubleQuoteOtsu = false;               // double-quote form of the Otsu mark
    double octaveInstructionOffsetL = -0.15;    // octave-instruction mark offset L
    double octaveInstructionOffsetW = 0.0;      // octave-instruction mark offset W
    bool insertNoteSpacer = true;               // spacer inserted before notes for beam clearance
    double noteSpacerRatio = 0.3;               // spacer width as a ratio of the quarter-note width
    double fingeringSize = 1.0;                 // fingering size (ratio)
    double fingeringLineWidth = 1.0;            // fingering line width
    double fingeringOffsetL = 0.0;              // fingering offset L
    double fingeringOffsetW = 0.0;              // fingering offset W
    bool tieStopBar = true;                     // tie stop drawn as a bar symbol
    bool eraseExtension = false;                // note extensions erased at quarter boundaries
    bool kinkoDefaultU = false;                 // default Kinko-simple name "U" for ChiMeri Otsu
    double stageLineWidth = 0.56;               // stage line width
    double partLineWidth = 0.56;                // part line width
    double measureLeadingPad = 0.2;             // leading pad of a measure
    double measureTailingPad = 1.5;             // tailing pad of a measure
    double measureMaxChordWidth = 1.0;          // maximum chord width (ratio)
    double measureBarLineWidth = 1.6;           // bar line width
    double measureThinLineWidth = 0.8;          // thin bar line width
    double measureThickLineWidth = 2.0;         // thick bar line width
    double measureDoubleLineSpacing = 1.8;      // spacing of a double bar line
    double measureRepeatDotRadius = 0.5;        // repeat dot radius
    double measureRepeatDotOffset = 2.6;        // repeat dot offset
    double measureRepeatDotSeparation = 0.7;    // repeat dot separation
    double measureTimeSignatureSize = 0.5;      // time signature size
    bool multiMeasureRests = false; // runs of rest measures shown as multi-measure rests
    double timeTickRatio = 0.1;     // uniformity in time and size when notes are aligned in time
    double timeTickRatioMin = 0.02; // range of the layout controller, not persisted
    double timeTickRatioMax = 0.25;
    double tickMajorLength = 40.0;          // major time-tick length, percent
    double tickMajorWidth = 0.8;            // major time-tick width, mm
    double tickMinorLength = 20.0;          // minor time-tick length, percent
    double tickMinorWidth = 0.6;            // minor time-tick width, mm
    double lyricsOffset = 1.2;              // lyrics offset
    double lyricsOffsetTimeDirection = 0.0; // lyrics offset in the time direction
    bool lyricsLine = false;                // a line drawn between lyrics
    double noteOffset = 0.1;                // note position offset
    QFont textFont;
    QFont defaultFont;
    double textFontHeight = 0.0;    // pixels, from the metrics of textFont
    int staffNoteFontSize = 9;      // staff note font size, points
    double rehearsalMarkSize = 1.0; // rehearsal mark size (ratio)
    double textOffset = 0.0;        // text offset (ratio)
    double dynamicsOffset = 0.0;    // dynamics offset (ratio)
    double wedgeOffset = 0.0;       // hairpin offset (ratio)
    double gapChordNote = 0.2;      // gap between chord notes (ratio)
    double gapVoice = 0.0;          // gap between voices (ratio)
private:
    void copySettingsFrom(const Style *source);
};
