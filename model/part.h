// The settings of one part of a score (names, notation style, instrument
// key, note font and size, layout factors, output switches, lyric font,
// note widths), its loaded note font with the glyph maps that the glyph
// placement consults, and the part's drawing helpers.
//
// Ownership: the Score holds its parts (and its default part); a clone has
// no parent and belongs to its caller. A Part owns its drawing helpers. The
// note-font renderer is shared with the part's clones and released by its
// last holder.
// Units: noteFontSize is the part's note size unit (millimetres before the
// page's glyph scale); glyph-map lengths and offsets are ratios of it.
#pragma once

#include <QFont>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class Beams;
class BracketLine;
class LongRep;
class OctShift;
class QSvgRenderer;
class Score;
class Slurs;
class Syllabics;
class Tie;
class WaveLine;
class Wedge;

class Part : public QObject
{
    Q_OBJECT

public:
    // Voices of a part cell; each per-voice helper list holds one per voice.
    static constexpr int voiceCount = 32;

    // Settings start at the defaults that do not depend on the score;
    // Score::setPartDefaults or clone() complete them.
    Part(Score *score, QObject *parent = nullptr);
    ~Part() override;

    // A new Part of the same score, without parent: every setting and the
    // note-font renderer (shared), but new drawing helpers, no glyph maps
    // (until its font is loaded), no scale texts and no notation-style text.
    Part *clone() const;

    // Copies every setting of `source` (names, notation style, instrument
    // key, note font name and size, the numeric and switch settings, the
    // lyric font, the staff count): what a settings copy of the part list
    // keeps. Not copied: the loaded note font, the glyph maps, the drawing
    // helpers, the scale texts and the notation-style text.
    void copySettingsFrom(const Part *source);

    // Loads the font `noteFontName` of the folder of `notationStyle`. A font
    // the folder does not hold is replaced by the folder's first font, and
    // the user is told once (noteFontName then names the font in use). Then
    // refills the glyph maps for `notationStyle`.
    void loadNoteFont();

    // Empties the six glyph maps and fills them for the notation style.
    void setGlyphMaps(int style);

    // Changes the notation style the way the part settings do it: the
    // style's first note font, the boundary lines and time ticks of the
    // style's defaults. What depends on the style (note font, glyph maps,
    // scales, note names) is rebuilt by the next regeneration.
    void changeNotationStyle(int code);

    // Resets every drawing helper (the part's tie, wedge, wavy-line,
    // bracket and octave-shift drawers, and per voice the slur, syllabic,
    // long-repeat and beam drawers), so nothing left open by one picture
    // carries into the next.
    void resetDrawingHelpers();

    Score *score = nullptr;
    QString partName;
    QString partAbbreviation;
    int notationStyle = 3;
    QString notationStyleText;
    int instrumentKey = 0;
    QString noteFontName;
    double noteFontSize = 5.0;
    double partWidthScale = 1.0;
    double partShift = 0.0;
    bool boundaryLeftBottom = false;
    bool boundaryRightTop = false;
    bool timeTicks = false;
    bool timeTicks16th = false;
    double noteWidth1 = 1.0;
    double noteWidth2 = 1.0;
    double noteWidth4 = 1.0;
    double noteWidth8 = 0.85;
    double noteWidth16 = 0.75;
    double noteWidth32 = 0.6;
    double noteInterval = 1.1;
    bool alignInTime = true;
    QFont lyricsFont;
    bool partOutput = true;
    bool partWholeRestLine = true;
    bool noteOutput = true;
    bool lyricsOutput = true;
    bool wholeRestOutput = true;
    bool slurOutput = true;
    bool staffNoteOutput = true;
    int staffNoteLyricStart = 1;
    bool staffNoteTieStopOutput = false;
    bool staffNoteBeams = false;
    bool staffNoteInverseOrder = false;
    bool staffNoteOctaveInst = true;
    bool staffNoteBreathMark = true;
    bool staffNoteTremoloLine = false;
    bool staffNoteExtensionBarDot = false;
    bool staffNoteRestNote = false;
    QStringList scaleTexts;
    Tie *tie = nullptr;
    QList<LongRep *> longRepeats;
    QList<Beams *> beams;
    Wedge *wedge = nullptr;
    BracketLine *bracketLine = nullptr;
    OctShift *octShift = nullptr;
    QList<Slurs *> slurs;
    QList<Syllabics *> syllabics;
    WaveLine *waveLine = nullptr;
    int staffCount = 1;
    std::shared_ptr<QSvgRenderer> noteFontRenderer;
    // Glyph id to ratio; horizontal writing, then the "_V" forms of
    // vertical writing.
    QMap<QString, double> lengthMap;
    QMap<QString, double> lengthMapV;
    QMap<QString, double> alongOffsetMap;
    QMap<QString, double> acrossOffsetMap;
    QMap<QString, double> acrossOffsetMapV;
    QMap<QString, double> alongOffsetMapV;
};
