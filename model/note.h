// One note or rest of one voice of one part in one measure: what its
// MusicXML `note` element says, the program's own `tarn-` additions, the
// element objects attached to it, and what regeneration computes for it.
//
// Ownership: the Voice owns its notes; a note owns its notations,
// fingerings, lyrics, directives and its up-bow, stopped and harmonic marks.
// The slur and wavy-line notation pointers borrow entries of `notations`.
// `noteScale` is borrowed from the part's scales. Lengths are millimetres.
#pragma once

#include <QDomElement>
#include <QList>
#include <QObject>
#include <QString>

#include <array>

class Directive;
class Fingering;
class Harmonic;
class Lyrics;
class Notation;
class NoteScale;
class QGraphicsItem;
class Stopped;
class UpBow;

class Note : public QObject
{
    Q_OBJECT

public:
    // Beam levels and slur numbers 1..5 index arrays of this size.
    static constexpr int levelCount = 5;
    // Tuplet numbers 1..3 index arrays of this size.
    static constexpr int tupletCount = 3;

    explicit Note(QObject *parent = nullptr);
    ~Note() override;

    // Index of the first empty level of `beamTypes` (levels 1..5 as 0..4);
    // levelCount when all five hold a code.
    int countBeamLevels() const;
    // Beam (flag) levels a note type spans: eighth 1 .. 128th 5, 0 for longer types.
    static int beamLevelsOfType(int noteType);
    // The user moved the octave-instruction mark to (x, y).
    void setOctaveInstOffset(double x, double y);
    // Sets the flag code 6 ("flag without a beam") in the levels that a
    // short note or rest needs when its file gave it no beam.
    void addImpliedFlags();

    // --- from the document (note parser) ---
    QDomElement element;
    bool rest = false;
    bool grace = false;
    bool graceSlash = false;
    QString step; // "A".."G"
    int alter = 0;
    int octave = 0;
    int octaveShiftSteps = 0; // +7 or -7 under an octave-shift span, else 0
    int staffStepOffset = 0;
    int pitchNumber = 0;   // MIDI note number minus 58
    int duration = 0;      // divisions
    int forwardOffset = 0; // divisions of `forward` before this note
    int startTime = 0;     // divisions from the measure start
    int noteType = 0;      // NoteType: 1 whole .. 128, 0 breve or none
    int accidental = 0;    // 1 natural, 2 sharp, 3 double-sharp, 4 flat, 5 flat-flat, 6, 7
    int stem = 0;          // 1 up, 2 down
    double stemEnd = 0.0;  // free end of the stem in staff notation, mm
    bool tieReverse = false;
    int voice = 1; // MusicXML voice number 1..32
    int staff = 0; // staff index 0..7
    int dots = 0;
    bool chord = false; // sounds with the previous note
    int chordSize = 0;  // notes of its chord, 1 for a single note
    int chordIndex = 0; // position in its chord, 0 for the first
    bool headShifted = false;
    bool chordHasSeconds = false; // staff notation: the chord holds a second
    double noteShiftMajor = 0.0;  // `tarn-note-shift` major
    double noteShiftSub = 0.0;    // `tarn-note-shift` sub
    double restOffset = 0.0;      // mm across the reading direction
    bool clefChange = false;      // a clef change stands at this note
    QString clef = QStringLiteral("G");
    int tie = 0;                                // 1 start, 2 stop, 3 stop and start
    int octaveShiftMark = 0;                    // OctaveShiftMark: 1..5
    bool octaveShiftStopBefore = false;         // a shift ends where this note starts
    std::array<int, tupletCount> tupletState{}; // 0 none, 1 start, 2 stop
    std::array<bool, tupletCount> tupletBracket{};
    std::array<int, tupletCount> tupletActual{};
    bool timeModification = false;
    int actualNotes = 0;
    int normalNotes = 0;
    int tremoloType = 0;               // 1 start, 2 stop, 3 single
    int tremoloMarks = 0;              // strokes of a "start" tremolo
    std::array<int, 3> tremoloStops{}; // 2 = stop
    // One code per beam level 1..5: 1 begin, 2 continue, 3 end, 4 forward
    // hook, 5 backward hook, 6 flag without a beam, 0 no beam.
    std::array<int, levelCount> beamTypes{};
    // A copy of `beamTypes` taken after the implied flags are added, which
    // the beam joining across rests then changes. Generation draws from it
    // or from `beamTypes` according to the part's notation style.
    std::array<int, levelCount> joinedBeams{};
    std::array<int, levelCount> slurs{}; // 1 start, 2 stop, 3 stop and start
    std::array<Notation *, levelCount> slurStartNotations{};
    std::array<Notation *, levelCount> slurStopNotations{};
    int wavyLine = 0; // 1 start, 2 stop, 3 start and stop
    Notation *wavyLineNotation = nullptr;
    bool breath = false;
    bool arpeggiate = false;
    QString directName;         // the user's quoted name, quotes removed
    bool techniqueFlag = false; // set and cleared by the koto and sangen technique worker
    bool noPrev = false;
    int longRepeatCount = 0;
    int longRepeatKind = 0; // 1 ".longRepeatSimile{" .. 10 ".longStepDown{"
    int scaleIndex = -1;    // index in the part's scaleTexts, -1 none
    int glissando = 0;      // 1 start, 2 stop, 3 stop and start
    int slide = 0;
    bool otsuDoubleQuote = false;
    QList<Notation *> notations;
    QList<Fingering *> fingerings;
    bool upBowFlag = false;
    UpBow *upBow = nullptr;
    bool stoppedFlag = false;
    bool hajiki = false; // left-hand pluck
    Stopped *stopped = nullptr;
    Harmonic *harmonic = nullptr;
    QList<Lyrics *> lyrics;
    QList<Directive *> directives;
    bool visible = true; // cleared by ".invisible"
    bool octaveInstMoved = false;
    double octaveInstOffsetX = 0.0; // note sizes
    double octaveInstOffsetY = 0.0;

    // computed by layout; reset before each regeneration
    int pitchShift = 0; // transposition so far plus the part's instrumentKey
    int pitchIndex = 0; // pitchNumber + pitchShift: the key into noteScale
    NoteScale *noteScale = nullptr;
    QString noteName;  // a glyph id
    QString glyphName; // display name: the glyph workers write what they drew
    QString displayName;
    QString markText;
    QString octaveInstMark; // "Otsu", "Kan", "KanWhite", "DoubleQuote" or empty
    QGraphicsItem *octaveInstItem = nullptr;
    int longRepeatMark = 0; // 1 group start, 2 group end, 3 single
    bool longRepeatHeadFlag = false;
    bool longRepeatMemberFlag = false; // inside a chain: glyphs hidden after generation
    bool skipLyrics = false;
    bool prevMark = false; // drawn as a repeat sign ("Prev")
    int glyphKind = 0;     // set by the bar, rest and extension glyph workers
    int pizzCircle = 0;    // 1 PizzCircle .. 4 PizzCircleStop
    bool dottedRest = false;
    int firstAlignItem = 0;
    int noteAlignItem = 0;
    int alignItemBegin = 0;
    int alignItemEnd = 0;
    int stemAlignItem = 0;
    // Staff notation: the stem direction drawn (0 none, 1 up, 2 down): the
    // file's `stem` when it gives one, else the one the layout chose.
    int stemShown = 0;
};
