// One measure of the score across all parts: time signature and number,
// barlines, repeat and ending, the user's break and scale, where layout
// put it, and one part cell per part of the score.
//
// The geometry queries look up one aligned item of one voice of one part
// and answer along or across the reading direction (x in horizontal
// writing, y in vertical writing), so that callers need not test the
// writing direction. origin/width/height, part offsets and item positions
// are millimetres; an item's final x and y are scene coordinates.
//
// Ownership: the Score owns its measures; a measure owns its part cells,
// its Layouter and its Aligner. Bounds-checked queries write one debug line
// on a bad item index and return a neutral value; the other queries take
// the indices as valid and return a neutral value silently when not.
#pragma once

#include <QDomElement>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

class AlignItem;
class Aligner;
class Layouter;
class MePart;
class QGraphicsItem;
class Score;

class Measure : public QObject
{
    Q_OBJECT

public:
    explicit Measure(Score *score, QObject *parent = nullptr);
    ~Measure() override;

    // Aligned-item queries (part, voice, item index); unchecked.
    double getStartLocation(int part, int voice, int item) const;
    double getItemCenterLocation(int part, int voice, int item) const;
    QPointF getItemRefOffset(int part, int voice, int item) const;
    AlignItem *setItemRefOffset(int part, int voice, int item, double x, double y);
    double getItemFinalRefPos(int part, int voice, int item) const;
    double getItemCenter(int part, int voice, int item) const;
    QSizeF getItemSize(int part, int voice, int item) const;
    QGraphicsItem *getItemGraphicsItem(int part, int voice, int item) const;
    int getItemCount(int part, int voice) const;
    bool itemExists(int part, int voice, int item) const;

    // Aligned-item queries; bounds-checked on the item index.
    QRectF getGraphicsItemRect(int part, int voice, int item) const;
    QPointF getItemFinalRefPoint(int part, int voice, int item) const;
    double getEndLocation(int part, int voice, int item) const;
    double getFinalEndLocation(int part, int voice, int item) const;
    QPointF getItemFinalPosFrame(int part, int voice, int item) const;

    // model/measure_partlines.cpp: lines of a part's band, across the
    // reading direction, in millimetres.
    double getPartCenter(int part) const;
    double getPartRefLine(int part) const;
    double getStaffLinePos(int staff, int part) const;
    double getPartNoteLine(int staff, int part) const;
    int clampCountForStyle(int part, int count) const;

    // model/measure_glyphs.cpp: glyph items and their aligned items.
    // Each builder makes a scene item without parent (the caller adds it to
    // the scene, which then owns it) and appends an aligned item to the
    // voice's list: at position 0 when first, else after the previous item
    // (stacked on it where said). Lengths are millimetres; `glyphId` is the
    // note-font element id, an empty one becomes "Undefined" in the
    // caller's string. A glyph the font lacks draws nothing but still
    // advances. glyphClass: 0 plain, 2 grace note, 3 and 4 Tozan small
    // (meri) notes, 5 never set against the far edge, 6 note spacer, 7
    // token advance; others as 0. Kind 5 stacks.
    QGraphicsItem *addNoteItem3(int part, int voice, QString &glyphId, int noteType, bool common,
                                int kind, bool widen, int glyphClass, double baseOffset,
                                int timeIndex, double scaleAlong, double scaleAcross);
    // Stacked; returns the new item's index.
    int addVoiceAlignItem(int part, int voice, const QString &glyphId, double advance,
                          double length, double breadth, int kind, int timeIndex,
                          QGraphicsItem *item);
    // Into voice 0, after the previous item; returns the new item's index.
    int addAlignItem(int part, const QString &glyphId, double advance, double length,
                     double breadth, int kind, int timeIndex, QGraphicsItem *item);
    QGraphicsItem *addGlyphItem(int part, int voice, QString &glyphId, bool common, int kind,
                                int glyphClass, double baseOffset, int timeIndex, double scale1,
                                double scale2);
    // Staff notation. Both add nothing and return null (with a debug line)
    // when the glyph id is empty or the font lacks it.
    QGraphicsItem *addStaffClef(int part, int voice, int staff, const QString &clefGlyphId,
                                double lengthRatio, int kind, int staffStep, double stepOffset);
    QGraphicsItem *addStaffTimeSignature(int part, int staff, int beats, int beatType,
                                         bool followsPrevious);
    void addStaffTimeSignatures(int part, int beats, int beatType);

    // model/measure_ticks.cpp: the time-tick lines of every part that is
    // output, shows ticks and is aligned in time; added to the score's
    // scene, which owns them.
    void genMeasureLines();

    // This measure's index in the score's measure list, -1 when absent;
    // and in its list of displayed measures. Both remember the last answer
    // and only search the list again when that answer no longer holds, so
    // asking once per note keeps the layout linear in the score's length.
    int indexInScore() const;
    int indexInDisplayed() const;

    Score *score = nullptr; // not owned

    // --- from the document ---
    bool divisionsGiven = false; // the attributes hold `divisions`
    int divisions = 0;           // divisions per quarter note, carried on from the previous measure
    bool timeGiven = false;      // the attributes hold `time`
    int beats = 4;
    int beatType = 4;
    QString beatsText; // the `beats` text as written ("3+2")
    bool keyGiven = false;
    int fifths = -99; // -99: no key yet
    int number = -99;
    bool leftBarline = false;
    bool rightBarline = false;
    int leftBarStyle =
        0; // 1 light-heavy, 2 light-light, 3 heavy-light, 4 dotted, 5 dashed, 6 tick/short
    int rightBarStyle = 0;
    int leftRepeat = 0; // 1 forward, 2 backward
    int rightRepeat = 0;
    int endingNumber = 0;
    QString endingNumberText = QStringLiteral("");
    int endingType = 0; // 1 start, 2 stop, 3 discontinue, 4 start+stop, 5 start+discontinue
    double endingOffsetX = 0.0;
    double endingOffsetY = 0.0;
    int userBreakType = 0; // UserBreakType
    double userScale = 1.0;
    int multipleRest = 0;               // the multi-measure-rest count as read
    int voiceOneLength = 0;             // divisions of voice 1 of the last part that has notes
    bool implicit = false;              // the first part's `measure` says implicit="yes"
    QList<QDomElement> measureElements; // the `measure` element of each part
    QList<MePart *> parts;              // one cell per part of the score
    QList<bool> emptyParts;             // per part: its first voice holds no note
    QList<bool> partForwardFlags;       // per part: a `forward` came before voice 1's first note
    QList<bool> simileParts;            // per part: the part shows the "Simile" mark
    Layouter *layouter = nullptr;
    Aligner *aligner = nullptr; // made by the measure builder

    // computed by layout; reset before each regeneration
    double originX = 0.0;
    double originY = 0.0;
    double width = 0.0;
    double height = 0.0;
    int lineIndex = 0;
    bool lineStart = false;
    bool pageStart = false;
    bool stageEnd = false;
    bool pageEnd = false;
    // The shortest fit that keeps its glyphs and syllables apart, mm.
    double minimumLength = 0.0;
    // Its stage was too short for the minima of its measures: narrowed
    // below its minimum, in proportion with the others.
    bool belowMinimum = false;
    int multiRestCount = 0; // > 1: stands for itself and the next multiRestCount - 1 measures
    // What the measure shows at its end: its own barline and ending state,
    // or, for a multi-measure rest, those of the last measure it swallows.
    bool shownRightBarline = false;
    int shownRightBarStyle = 0;
    int shownRightRepeat = 0;
    int shownEndingType = 0;
    QGraphicsItem *measureItem = nullptr;
    QGraphicsItem *endingItem = nullptr;
    // Per part: the box (mm) of the time signature on its first staff, null
    // when the measure shows none there; the Bunka strings keep clear of it.
    QList<QRectF> timeSignatureBoxes;
    // Per part: the scene boxes of note ink that no aligned item holds (the
    // stems and beams of beamed staff groups, the rhythm dots of Kinko
    // notation); direction texts settle clear of them.
    QList<QList<QRectF>> looseInkBoxes;

private:
    mutable int cachedIndex = -1;
    mutable int cachedDisplayedIndex = -1;

    AlignItem *itemAt(int part, int voice, int item) const;
    bool horizontal() const;
    double finalAlong(const AlignItem *item) const;
};
