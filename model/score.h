// The central object of one open score: the score document, the settings
// and model objects built from it, and the view that shows its scene.
//
// This header is the table of contents of Score. Its operations are spread
// over the subsystem folders; each block below names the file that defines
// it. Lengths in the model are millimetres; scene coordinates are
// millimetres times Page::scaleFactor.
//
// Ownership: the Score alone holds page, defaultPage, style, defaultStyle,
// the parts, defaultPart, process, the measures and credits (and everything
// in them). Scene, undo stack, timer, actions and dialogs are its QObject
// children. The common note-font renderer is shared through the note-font
// cache (model/notefonts.h).
#pragma once

#include "document/diskstamp.h"
#include "notenames/glyph_char_maps.h"
#include "notenames/lyric_pitches.h"
#include "notenames/scale_builders.h"

#include <QDomDocument>
#include <QDomElement>
#include <QGraphicsView>
#include <QHash>
#include <QList>
#include <QMap>
#include <QPair>
#include <QPointF>
#include <QRectF>
#include <QSet>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct ItemTags;
namespace LayoutCost {
enum class Path : int;
}
class Credit;
class Direction;
class DialogTranspose;
class Directive;
class Lyrics;
class Measure;
struct RoomNeed;
class Notation;
class Note;
class NoteNameDialog;
class Page;
class Part;
class QAction;
class QColor;
class QContextMenuEvent;
class QDragEnterEvent;
class QDropEvent;
class QDateTime;
class MyTextItem;
class QFont;
class QGraphicsItem;
class QGraphicsItemGroup;
class QGraphicsRectItem;
class GlyphItem;
class QGraphicsTextItem;
class QMenu;
class QMouseEvent;
class QPointF;
class QProcess;
class QSvgRenderer;
class QTimer;
class QUndoCommand;
class QUndoStack;
class ScaleDialog;
class Scene;
class SelectedDirection;
class SelectedDirective;
class SelectedNotation;
class SelectedNote;
class Slurs;
class Style;
class Tuplet;
class VoiceNumbering;
namespace SafeWrite {
class StreamedFile;
}
class WatcherItem;
enum class ScoreXmlMode : int;

class Score : public QGraphicsView
{
    Q_OBJECT

public:
    // model/score.cpp: construction, default settings, changed flags and
    // the autosave timer
    // With `autoSave` the score gets a repeating 10,000 ms autosave timer;
    // without it (previews, throw-away scores) it has none.
    Score(const QString &programVersion, int scoreNumber, bool autoSave, QWidget *parent = nullptr);
    ~Score() override;

    void setDefaultPage(Page *target) const;
    void setDefaultStyle(Style *target) const;
    // True also marks the score changed since the last autosave; false
    // never clears that.
    void setChanged(bool value);

    QString programVersion;
    int scoreNumber = 0;
    QString staffLyricFontFamily;
    QString wordFontFamily;
    QString lyricFontFamily;
    QString logText;
    // Measures (indices) whose narrowing below their minimum was logged.
    QSet<int> narrowedMeasuresReported;
    // Measures (indices) whose squeezed syllables were logged.
    QSet<int> squeezedLyricsReported;
    Scene *scene = nullptr;
    Page *page = nullptr;
    Page *defaultPage = nullptr;
    QList<Part *> parts;
    double maxNoteSize = 0.0;
    Part *defaultPart = nullptr;
    Style *style = nullptr;
    Style *defaultStyle = nullptr;
    QProcess *process = nullptr;
    int numParts = 0;
    std::shared_ptr<QSvgRenderer> commonRenderer;
    QList<Measure *> measures;
    QList<Measure *> displayedMeasures;
    bool reload = false;
    QList<double> lines;
    int numMeasures = 0;
    QList<Credit *> credits;
    bool outlineNoteFonts = false;
    QList<int> selectedMeasures;
    QList<SelectedNote *> selectedNotes;
    QList<SelectedDirection *> selectedDirections;
    QList<SelectedNotation *> selectedNotations;
    QList<SelectedDirective *> selectedDirectives;
    QUndoStack *undoStack = nullptr;
    bool canUndoFlag = false;
    bool canRedoFlag = false;
    bool changed = false;
    bool changedSinceAutoSave = false;
    WatcherItem *watcher = nullptr;
    bool dSw = false;
    bool noItemCache = true;
    QDomDocument document;
    QString filePath;
    // filePath as this score last read or wrote it (document/diskstamp.h).
    DiskStamp fileStamp;
    QString documentText;
    QString musicXmlFilePath;
    QString lastText;
    QString creatorVersion;
    QString lastUpdate;
    QString lastUpdateRest;
    QString textFontFamily;
    bool cleanOutput = false;
    // What the score is loaded for (LayoutCost::Path; the window's editing
    // unless its owner says otherwise before the load), and what the last
    // load estimated it to need at its peak on that path, in bytes; 0
    // before a load has counted it. Told when memory runs out all the same.
    LayoutCost::Path memoryPath{};
    qint64 memoryEstimate = 0;
    double zoomFactor = 1.0;
    bool ghostNotes = false;
    // The item context menu's actions, in menu-table order.
    QAction *actChangeFitting = nullptr;
    QAction *actDelete = nullptr;
    QAction *actFontProperty = nullptr;
    QAction *actResetPosition = nullptr;
    QAction *actSetFont = nullptr;
    QAction *actDefaultFont = nullptr;
    QAction *actHorizontal = nullptr;
    QAction *actVertical = nullptr;
    QAction *actVerticalWriting = nullptr;
    QAction *actDefaultDirection = nullptr;
    QAction *actAlignHorizontally = nullptr;
    QAction *actAlignVertically = nullptr;
    QAction *actDefaultVisibility = nullptr;
    QAction *actVisible = nullptr;
    QAction *actInvisible = nullptr;
    QAction *actSlurCurveController = nullptr;
    QAction *actInvertSlur = nullptr;
    QAction *actOtsuToDoubleQuote = nullptr;
    QAction *actDoubleQuoteToOtsu = nullptr;
    QAction *actResetScale = nullptr;
    QAction *actChangeNoteName = nullptr;
    QAction *actResetNoteShift = nullptr;
    QAction *actInvertTie = nullptr;
    QAction *actEditScale = nullptr;
    QAction *actEnterTransposeStep = nullptr;
    // Text-less; the menu sets their text and directive text (data).
    QAction *directiveAction1 = nullptr;
    QAction *directiveAction2 = nullptr;
    QAction *directiveAction3 = nullptr;
    QAction *directiveAction4 = nullptr;
    QAction *directiveAction5 = nullptr;
    NoteNameDialog *noteNameDialog = nullptr;
    // The scale editor while it runs; freed after its modal run.
    ScaleDialog *scaleDialog = nullptr;
    DialogTranspose *transposeDialog = nullptr;
    QDomElement partListElement;
    QList<QDomElement> partElements;
    // Null for a score made without autosave.
    QTimer *autoSaveTimer = nullptr;
    // The development menu switches it off; nothing reads it yet.
    bool autoSaveSwitch = true;

signals:
    void sigScoreRepainted(const QRectF &visibleSceneRect);
    void sigCanUndo(bool value);
    void sigCanRedo(bool value);
    void sigDropFile(const QString &localPath);
    void sigRefreshLog(const QString &logText);

public slots:
    // Mirror the undo stack's state into canUndoFlag / canRedoFlag and on
    // to the main window.
    void canUndo(bool value);
    void canRedo(bool value);
    // Every move of the undo index (push, undo, redo) is a change for the
    // autosave.
    void undoIndexChanged(int index);
    // Both do nothing on a score without autosave timer.
    void autoSaveTimerStart();
    void autoSaveTimerStop();

public:
    // document/score_document_access.cpp: the document from text, child
    // element text, the font families of the MusicXML defaults
    // False when the text is not well-formed XML (the document is then
    // empty); `errorMessage` receives the line, column and reason.
    bool setXmlContent(const QString &text, QString *errorMessage = nullptr);
    // Text of the first direct child element named exactly `tagName`, or "".
    static QString childElementText(const QDomElement &element, const QString &tagName);
    // Sets wordFontFamily and lyricFontFamily from a `defaults` element.
    void parseDefaults(const QDomElement &element);

    // document/score_page_xml.cpp: the page settings element "tarn-page"
    // Appends tarn-page, made in this score's document, to `parent`.
    void writePageXml(const Score *source, QDomElement &parent);
    // Reads tarn-page into `target`; missing children keep their values.
    // Never fails: malformed values read false, 0 or 0.0; a number that is
    // not finite, a sheet code outside 0..9 or a custom size that is not
    // positive reads as the setting's default.
    void parsePage(Page *target, const QDomElement &element) const;

    // document/score_style_xml.cpp: the style settings element "tarn-style"
    // Appends tarn-style, made in this score's document, to `parent`, from
    // the source's Style and the display switches of its Page.
    void writeStyleXml(const Score *source, QDomElement &parent);
    // Reads tarn-style into `target` and the display switches into this
    // score's current Page; missing children keep their values. The
    // time-tick ratio of older files is converted by `fileVersion`: the
    // score-file reader passes creatorVersion (read from tarn-property
    // first), the environment-file reader programVersion, as this program
    // wrote that file. Never fails, like parsePage.
    void parseStyle(Style *target, const QDomElement &element, const QString &fileVersion);

    // document/score_part_reader.cpp: the reader of one MusicXML score-part
    // Reads the names and the tarn-part settings of a score-part into
    // `target` (already given its defaults), in document order, so later
    // names win. Never fails: malformed values read false, 0 or 0.0; a
    // number that is not finite and a note size that is not positive read
    // as the setting's default; an unknown notation-style name reads 0
    // with a debug line.
    void parseScorePart(Part *target, const QDomElement &element);
    // Reads the environment file's form of tarn-part into `target`:
    // "part-collapse" is the whole-rest-line flag, "part-whole-rest-line"
    // and "part-shift" are ignored; values read as in parseScorePart.
    void parseEnvironmentPart(Part *target, const QDomElement &tarnPart);

private:
    QString resolveTextFontFamily() const;
    void createContextActions();
    void createDirectiveActions();

public:
    // model/score_part_defaults.cpp: the default settings of a part
    void setPartDefaults(Part *part) const;

public:
    // model/score_part_copies.cpp: settings copies of a part list
    // New Parts of this score, without parent, one per part of `source` in
    // order, each with the source's settings (Part::copySettingsFrom) and
    // nothing loaded; the caller owns them. Empty for an empty list.
    QList<Part *> copyPartList(const QList<Part *> &source);

public:
    // view/score_undo.cpp: the one way onto the undo stack, and the macro
    // an UndoMacro guard (view/undomacro.h) opens at its first push
    // Pushes `command` (the stack takes it and runs its redo). While a
    // guard waits for its first push, its macro begins first, so pushes
    // made by helpers, and by slots that run while a guard is open (a modal
    // dialog's), land in it.
    void pushCommand(QUndoCommand *command);

private:
    friend class UndoMacro;
    // Called by the guard's destructor: ends the macro once the outermost
    // guard goes, if it was begun.
    void closeMacroGuard();
    QString pendingMacroName; // the outermost open guard's macro name
    int openMacroGuards = 0;  // guards alive, nested ones included
    bool macroBegun = false;  // the outermost guard's macro is on the stack

public:
    // model/score_item_tags.cpp: tagging scene items with their model
    // object (model/itemtags.h). Setters write the type, then their keys in
    // ascending order; getters read the indices only and never check the
    // type (callers test data(TagType) first). Unwritten keys read 0.
    void setNoteItemTag(QGraphicsItem *item, int measure, int part, int voice, int note);
    void setNotePartItemTag(QGraphicsItem *item, int measure, int part, int voice, int note);
    void setLyricItemTag(QGraphicsItem *item, int measure, int part, int voice, int note,
                         int lyric);
    void setOctaveInstItemTag(QGraphicsItem *item, int measure, int part, int voice, int note);
    void setNotationItemTag(QGraphicsItem *item, int measure, int part, int voice, int note,
                            int notation);
    void setFingeringItemTag(QGraphicsItem *item, int measure, int part, int voice, int note,
                             int fingering);
    void setUpBowItemTag(QGraphicsItem *item, int measure, int part, int voice, int note);
    void setStoppedItemTag(QGraphicsItem *item, int measure, int part, int voice, int note);
    void setHarmonicItemTag(QGraphicsItem *item, int measure, int part, int voice, int note);
    void setDirectiveItemTag(QGraphicsItem *item, int measure, int part, int voice, int note,
                             int directive);
    void setDirectionItemTag(QGraphicsItem *item, int measure, int part, int voice, int direction);
    void setCreditItemTag(QGraphicsItem *item, int credit);
    void setEndingItemTag(QGraphicsItem *item, int measure);
    void getItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice,
                    int *note) const;
    void getLyricItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice, int *note,
                         int *lyric) const;
    void getOctaveInstItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice,
                              int *note) const;
    void getNotationItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice,
                            int *note, int *notation) const;
    void getFingeringItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice,
                             int *note, int *fingering) const;
    void getUpBowItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice,
                         int *note) const;
    void getStoppedItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice,
                           int *note) const;
    void getHarmonicItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice,
                            int *note) const;
    void getDirectiveItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice,
                             int *note, int *directive) const;
    void getDirectionItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice,
                             int *direction) const;
    void getCreditItemTag(const QGraphicsItem *item, int *credit) const;
    void getEndingItemTag(const QGraphicsItem *item, int *measure) const;

    // model/score_queries.cpp: pitch numbers, part output, a note's
    // accepted names, line flags, part-name length and note-name tests
    // MIDI note number minus 58 (C4 is 2); an unknown step counts as C.
    int getPitchNumber(const QString &step, int alter, int octave) const;
    // True when some part is output. With `enforce` and none output, the
    // first part is switched on (the result is still false).
    bool checkPartOutput(bool enforce);
    // Copies of the names the note's scale accepts for its pitchIndex, or
    // for `pitch`; empty without a scale or entry.
    QStringList getNoteNameList(const Note *note) const;
    QStringList getNoteNameListOfPitch(const Note *note, int pitch) const;
    // Clears every measure's stage-end and page-end flags; always true.
    bool clearMeasureLineFlags();
    // Longest part name in characters x maxNoteSize x 0.8 (millimetres).
    double getMaxPartNameLength() const;
    bool isMeriNote(const QString &name) const;
    // The name starts with a string number "1-", "2-" or "3-".
    bool hasStringPrefix(const QString &name) const;

    // model/score_note_widths.cpp: note widths and spacing of a part, as
    // ratios of its note size
    // Advance of the aligned item at the note's firstAlignItem; 0 (and one
    // debug line) when any index is out of range.
    double getNoteItemWidth(int measure, int part, int voice, int note) const;
    double getNoteWidthByLevel(int part, int level) const;
    double getNoteWidth(int part, int noteType) const;
    // By the note's type and where `time` (divisions from the measure
    // start) falls in the beat. A measure with divisions 0 counts as 1.
    double getNoteWidthAtTime(int part, const Measure *measure, const Note *note, int time) const;
    double getNoteSpacing(int part, int noteType) const;

    // model/score_directions.cpp: where directions stand and their default
    // offsets
    bool isMeasureLevelDirection(int kind) const;
    // Millimetres: across the time axis the part's note line (or the
    // measure edge for measure-level kinds), along it the note's item, or
    // the measure's start or end. (0, 0) and a debug line for bad indices.
    QPointF getDirectionPosition(int measure, int part, int voice, int direction) const;
    // Writes the default offset of the direction's kind into x and y
    // without setting its moved flag; a moved direction is left alone.
    void setDefaultItemOffset(Direction *direction) const;
    // The anchor the direction is drawn from: getDirectionPosition, except
    // that in a part whose notes stand on strings across the row (Bunka) a
    // direction at its default offset starts from the outer string on its
    // side, as other styles start from their single note line.
    QPointF directionAnchor(int measure, int part, int voice, int index,
                            const Direction *direction) const;
    // How far the part's notes reach from its note line to either side
    // beyond a single note: the outer strings of Bunka, 0 elsewhere. mm.
    double noteSpread(int part) const;
    // layout/score_staff_note_reach.cpp: how far the staff notes of a
    // part's row on the displayed measures first..last stand beyond the
    // room the row keeps around its staff, away from the lyrics' side and
    // towards it (mm; 0 and 0 for any other notation).
    std::pair<double, double> staffNoteReachOf(int part, int first, int last) const;
    // layout/score_direction_room.cpp: the room of direction texts
    // A default-placed direction item over the edge of its part's row moves
    // back inside the row.
    void keepDirectionInRow(QGraphicsItem *item, int measureIndex, int part,
                            const Direction *direction) const;
    // After drawing: default-placed words and dynamics move away from the
    // note line until clear of their stage's note glyphs (along it past the
    // glyph when that would leave their row), and along it past an earlier
    // text of the same row that they would cover, as repeat signs do.
    void settleDirectionTexts();
    // mm: the room a part's row needs beyond its extent on the stage
    // first..last (displayed indices), above its notes and below them
    // (before its lyrics): what default-placed words above a staff and
    // octave-shift, hairpin and bracket lines on either side in every
    // notation need past the notes' ink (heads, stems, flags, beams,
    // strings) that the row does not hold. 0 where the row suffices.
    std::pair<double, double> directionBandsOf(int part, int first, int last);
    // mm outward from the note line of a default-placed octave-shift,
    // hairpin or bracket line's staff, on its side: where a piece of it
    // over the measures first..last (indices into `measures`) stands, its
    // offset or farther, clear of the notes' ink. A bracket line's `stop`
    // tells which way its end hook points.
    double lineAcross(int part, const Direction *start, int first, int last,
                      const Direction *stop = nullptr) const;
    // mm after a part's lyric band when its lyrics stand `below` mm farther
    // from their notes, past the band below the notes: the same room again,
    // so that they stay nearer their own notes than the next row's.
    double lyricNearness(int part, double below) const;
    // A default-placed octave-shift, hairpin or bracket line: its start
    // and stop records and the displayed measures it runs over (an
    // octave-shift line that never stops runs to the last one, with no
    // stop).
    struct LineRun
    {
        const Direction *start = nullptr;
        const Direction *stop = nullptr;
        int from = 0;
        int to = 0;
    };
    // Fills lineRuns, per part, once per layout before the stages are
    // broken, so that each stage reads only its own lines.
    void collectLineRuns();
    QList<QList<LineRun>> lineRuns; // computed by layout
    // Scene units: the move that brings a measure-level mark (rehearsal,
    // repeat sign, tempo) across its stage's edge back inside the stage;
    // (0, 0) when it needs none. A user-moved mark is not asked.
    // In vertical writing a mark brought inside then moves down the column
    // past the part's notes it would cover.
    QPointF measureLevelShiftIntoStage(const QGraphicsItem *item, int measureIndex, int part) const;
    // Fills `notes` (one list per part) with the note glyph boxes of the
    // stage that starts at displayed measure `first`.
    void collectStageNotes(int first, QList<QList<QRectF>> &notes) const;
    // Scene units: moves a direction item away from the note line (down or
    // left, or up or right) until it clears `notes`; where that would take
    // it across its row's edge it moves along instead (see moveAlongPast).
    void clearDirectionOfNotes(QGraphicsItem *item, const Measure *measure, int part,
                               bool downOrLeft, const QList<QRectF> &notes, double limit) const;
    // Moves the item along the reading direction until it clears `others`;
    // one that would run past `limit` (scene units), or that nothing
    // clears, stays put.
    void moveAlongPast(QGraphicsItem *item, const QList<QRectF> &others, double limit) const;
    // Scene units: a tempo mark that runs past the bar line closing its
    // measure, or words or a tempo mark through a repeat sign (`signs`,
    // the boxes of the stage's repeat signs), move back along the line
    // to end before it, not before their measure's start; one that then
    // covers an earlier text of its row or a note (`others`) stands past
    // them away from the notes, stacked.
    void keepTextBeforeBar(QGraphicsItem *item, const Measure *measure, int part,
                           const Direction *direction, const QList<QRectF> &signs,
                           const QList<QRectF> &others) const;
    // model/score_directions.cpp (continued): the note the direction is
    // attached to carries an octave mark.
    bool hasOctaveMark(int measure, int part, int voice, const Direction *direction) const;
    // model/score_directions.cpp (continued): the direction a direction
    // item's tags name. `index` counts in Voice::shownDirections(), as the
    // item's tag does, so a direction a multi-measure rest shows is found
    // too. Null when any index is out of range.
    Direction *directionAt(int measure, int part, int voice, int index) const;

    // model/score_note_chains.cpp: the long-repeat marks of every note
    void markNoteChains();

    // model/score_item_factories.cpp: glyph and bold text items, and the
    // centring of a glyph in a box
    // New items without parent; the caller (or the scene) owns them. The
    // glyph item holds its renderer for as long as it lives.
    GlyphItem *createSvgItem(int part, bool common, const QString &glyphId, bool grace, bool swap,
                             double a, double b) const;
    QGraphicsTextItem *createBoldTextItem(const QString &text, double factor) const;
    // Millimetres: the glyph (scaled by `factor`) centred in, or set
    // against the far end of, a box of length `size`.
    double getItemCenterX(const QGraphicsItem *item, double factor, double size) const;
    double getItemCenterY(const QGraphicsItem *item, double factor, double size) const;
    double getItemFarX(const QGraphicsItem *item, double factor, double size) const;
    double getItemFarY(const QGraphicsItem *item, double factor, double size) const;

    // glyphs/score_staff_geometry.cpp: staff-notation geometry
    // Millimetres across the staff from its middle line: steps x note size
    // x 0.125, negated in horizontal writing (higher pitch, smaller y).
    double getStaffStepOffset(int part, int steps) const;
    // The x (m11) and y (m22) scale of the glyph item of the note's first
    // aligned item; 1.0 when that item or its glyph is missing.
    double getNoteItemScaleX(Measure *measure, Note *note, int part, int voice) const;
    double getNoteItemScaleY(Measure *measure, Note *note, int part, int voice) const;
    // The note's staff step from its step letter, octave, clef ("G": B4 is
    // 0, "F": D3 is 0, any other clef 0) and octave shift; the measure and
    // part are not read.
    int getStaffStep(Measure *measure, int part, Note *note) const;
    // The five lines of each staff of the part, from the start of the
    // page's stage to the end of `measure` (the last of its line): one
    // untagged rectangle per line. Nothing for a part not in this score.
    void addStaffLines(Part *part, Measure *measure);

    // glyphs/score_staff_signatures.cpp: clefs, key and time signatures of
    // staff notation. Each glyph goes to the scene at the measure's
    // signature position (Aligner::signatureX, mm); clefs and keys move it
    // on. Unsupported clefs and keys write a debug line and draw nothing.
    void addMeasureStaffClefs(Measure *measure);
    void addMeasureStaffKeySignatures(Measure *measure);
    void addMeasureStaffTimeSignatures(Measure *measure);
    void addStaffClef(Measure *measure, int part, int staff, const QString &sign, int line);
    void genStaffKeySignature(Measure *measure, int part, int staff, int fifths);
    void addStaffTimeSignature(Measure *measure, int part, int staff, int beats,
                               const QString &beatsText, int beatType);
    // The room a key signature takes, in units of the largest note size:
    // |fifths| x 0.26 + 0.3, plus keySignatureGap when accidentals show,
    // and 0 before any key (fifths -99). The head width keeps the same room.
    double keySignatureRoom(const Measure *measure) const;
    static double keySignatureWidth(int fifths);
    static constexpr double keySignatureGap = 0.2;

    // glyphs/score_glyph_dispatch.cpp: the glyphs of every chord of a
    // voice: opening marks, beat spacer, the notation worker's glyphs,
    // closing marks and breath. Glyph items are made without parent and
    // recorded in the voice's aligned items; the item generation puts them
    // into the scene, and the next regeneration deletes those it left out.
    // Lengths are millimetres. Indices must name existing objects.
    //
    // The chord list to pass to the next measure of the voice: empty for a
    // part without notes, a multi-measure rest or a voice without notes.
    QStringList collectVoiceGlyphIds(Measure *measure, int part, int voice,
                                     const QStringList &previous);
    // The chord (or note or rest) that starts at `noteIndex`; sets the
    // notes' item indices (alignItemBegin: first item with opening marks;
    // firstAlignItem: first own item; alignItemEnd: last item).
    QStringList addNoteGlyphs(Measure *measure, int part, int voice, int noteIndex, int onset,
                              const QStringList &previous);
    // Marks of the note's undeleted opening and closing directives, tagged
    // as directive items and stored on their directive. "gray(" sets
    // ghostNotes, "gray)" clears it.
    void addNoteOpenMarks(Measure *measure, int part, int voice, Note *note, int onset);
    void addNoteCloseMarks(Measure *measure, int part, int voice, Note *note, int onset);
    // The beat spacer before a note on a beat (quarter beats, or dotted
    // quarters in 3n/8); none where the measure has no beat length.
    void addSpacer(Measure *measure, int part, int voice, int noteIndex, int onset);
    // Appends ":Breath" to the note's display name (Note::glyphName).
    void addBreathItem(Measure *measure, int part, int voice, Note *note, int onset);
    QGraphicsItem *createNoteSvgItem(int part, const QString &glyphId, bool common);
    QGraphicsItem *createScaledMarkItem(const QString &glyphId, double lengthFactor,
                                        double scaleFactor, Measure *measure, int part, int voice,
                                        int noteIndex, int kind);
    // Returns the new item's index in the voice's aligned items.
    int appendNoteAlignItem(Measure *measure, int part, int voice, int staff, double width,
                            const QString &glyphId, double along, double across, int kind, int time,
                            QGraphicsItem *item, double cross, double offsetX, double offsetY);

    // glyphs/score_staff_notes.cpp: the staff-notation note worker. Each
    // glyph becomes one aligned item of the voice, as in the glyph
    // dispatch; glyphs the font lacks (dot counts above 4, rest
    // types without a glyph, clefs other than G and F) keep their aligned
    // item but draw nothing. Lengths are millimetres; `noteIndex` names the
    // chord's first (lowest) note and must be valid.
    void addStaffNote(Measure *measure, int part, int voice, int noteIndex, int onset);
    // Accidentals, heads (seconds displaced to the stem's other side), then
    // tremolo strokes, stem and flag, and ledger lines of the chord. Sets
    // each note's headShifted and the first note's chordHasSeconds.
    void addStaffNoteHead(Measure *measure, int part, int voice, int noteIndex, int onset);
    // The accidentals of a chord (notes lowest first, with their staff
    // steps) in columns before its heads, each clear of the heads and of
    // the accidentals beside it.
    void addStaffAccidentals(Measure *measure, int part, int voice, const QList<Note *> &chord,
                             const std::vector<int> &steps, int onset);
    void addStaffDots(Measure *measure, int part, int voice, int noteIndex, int onset);
    // Sets the note's dottedRest.
    void addStaffRest(Measure *measure, int part, int voice, Note *note, int onset);
    void addStaffArpeggio(Measure *measure, int part, int voice, Note *note);
    void addStaffClefChange(Measure *measure, int part, int voice, Note *note);
    // True when the note after the graces that follow `note` stops a
    // two-note tremolo.
    bool isNoteTiedInChord(Measure *measure, int part, int voice, Note *note) const;

    // glyphs/score_staff_voice_sides.cpp: the drawn stem direction
    // (Note::stemShown) of each note of a staff-notation voice; the file's
    // `stem` wins, else a voice sharing its staff takes its side (the
    // first voice up, the others down), else the head farthest from the
    // middle line decides, for a beamed group the whole group's.
    void setStaffStemDirections(Measure *measure, int part, int voice);
    // Staff steps (up positive) that a rest of a voice sharing its staff
    // moves to its voice's side, clear of the other voices' heads that
    // sound meanwhile; 0 for a voice alone on its staff.
    int restStepShift(Measure *measure, int part, int voice, const Note *rest);
    // Up (1) or down (2) for heads from staff step `lowest` to `highest`.
    static int stemFromSteps(int lowest, int highest);

    // glyphs/score_staff_stems.cpp: stems, flags and single-note tremolo
    // strokes of unbeamed staff notes; lengths in staff steps unless said.
    // 6.6 steps for quarters to 16ths, 7.6, 8.6 and 10.6 for shorter types,
    // 0 for others.
    static double getStemBaseLength(int noteType);
    // The stem of a note at `step` with `strokes` tremolo strokes.
    double getStemLength(const Note *note, bool up, int step, int strokes) const;
    // A chord's stem: its spread plus the stem at its far head.
    double getFlagOffset(const Note *note, bool up, int lowest, int highest) const;
    void scaleItemNonUniform(QGraphicsItem *item, int part, double fx, double fy) const;
    void addStaffTremolo(Measure *measure, int part, int voice, int noteIndex);
    // Nothing for a beamed note (the beam draws its stem), a whole note or
    // a breve. Writes the first note's stemEnd (mm from the middle line)
    // and stemAlignItem.
    void addStaffStemFlag(Measure *measure, int part, int voice, int noteIndex, bool seconds);
    void addStaffStemFlagV(Measure *measure, int part, int voice, int noteIndex, bool seconds);

    // glyphs/score_staff_ledger_lines.cpp: ledger lines below (1) and above
    // (2) the staff in horizontal (H) and vertical (V) writing. `extreme`
    // is the step of the outermost displaced head beyond the staff, else 0;
    // `shifted`: the chord's stem is down and its heads moved for seconds.
    void addLedgerLinesH1(Measure *measure, Note *note, int part, int voice, int step, int extreme,
                          bool shifted, bool seconds, double stepLength);
    void addLedgerLinesH2(Measure *measure, Note *note, int part, int voice, int step, int extreme,
                          bool shifted, bool seconds, double stepLength);
    void addLedgerLinesV1(Measure *measure, Note *note, int part, int voice, int step, int extreme,
                          bool shifted, bool seconds, double stepLength);
    void addLedgerLinesV2(Measure *measure, Note *note, int part, int voice, int step, int extreme,
                          bool shifted, bool seconds, double stepLength);

private:
    void addLedgerLines(Measure *measure, Note *note, int part, int voice, int step, int extreme,
                        bool shifted, bool seconds, double stepLength, bool above, bool horizontal);

public:
    // glyphs/score_staff_beams.cpp: the stems and beam polygons of one
    // beamed group of staff notes (first..last, main notes), added to the
    // scene; needs the notes' final positions. A group whose first note has
    // no stem direction draws nothing. Writes each stemmed note's stemEnd
    // (mm from the middle line of its staff).
    void addStaffBeam(Measure *measure, int part, int voice, int first, int last);
    void addStaffBeamH(Measure *measure, int part, int voice, int first, int last);
    void addStaffBeamV(Measure *measure, int part, int voice, int first, int last);
    void addStaffBeamCrossH(Measure *measure, int part, int voice, int first, int last);
    void addStaffBeamCrossV(Measure *measure, int part, int voice, int first, int last);
    // True when a head of the chord of main note `note` lies beyond its
    // stem; false, with a debug line, for a note that is not a main note.
    bool flipExistsInChord(Measure *measure, int part, int voice, int note) const;

    // document/score_parse_measures.cpp: filling the measures from their
    // `measure` elements, then the passes that span measures and notes
    // (carried time, key and clefs, beams across rests, octave shifts, the
    // clef of every note). Runs on the measures the measure builder made.
    // False when a note names a voice or staff outside the model, or a
    // duration is too long (checkMeasureLengths); `refusal`
    // then receives the warning for the user, and the caller abandons the
    // load (the measures are incomplete).
    bool parseMeasures(QString *refusal = nullptr);
    // Reads every part of one measure. `carried` holds per part the
    // attributes that followed the last note of the part in the previous
    // measure: they belong to the part's next note, here.
    // `refusal` receives the warning when a note is refused. `voices` holds
    // the voice numbering of each part.
    bool parseMeasure(Measure *measure, QList<QList<QDomElement>> &carried,
                      const QList<VoiceNumbering> &voices, QString *refusal);
    // Joins the joined-beam codes of two neighbouring chord heads at one
    // level (0..4) across a rest.
    static void joinBeamLevel(Note *previous, Note *current, int level);
    // The passes, in the order parseMeasures runs them.
    void carryMeasureValues(int measureIndex);
    void joinBeamsAcrossRests();
    void applyOctaveShifts();
    void applyClefs();

    // document/score_measure_lengths.cpp: the bound on durations. False,
    // with `refusal` set to the warning, when a note or forward of the
    // measure, or one of its voices, lasts longer than
    // ReadBounds::longestDuration of its divisions, or a backup goes back
    // further than ReadBounds::divisionsCeiling.
    bool checkMeasureLengths(const Measure *measure, QString *refusal) const;

private:
    // The measure's own elements: its user scale and user break.
    void readMeasureExtension(Measure *measure, const QDomElement &element);

public:
    // document/score_parse_note.cpp: the reader of one `note` element
    // False (with `refusal` set to the warning text) for a voice outside
    // 1..32 or a staff outside 1..8; the note is then not to be used.
    // Voices come from `voices`, the numbering of the note's part; without
    // it the part the element stands in is numbered.
    bool parseMeasureNote(Note *note, const QDomElement &element, QString *refusal = nullptr,
                          const VoiceNumbering *voices = nullptr);

    // document/score_measure_elements.cpp: forward, barline and attributes
    // Duration of a `forward` in divisions; 0 when missing or malformed.
    static int parseForwardDuration(const QDomElement &element);
    // Bar style, repeat and ending of one side; a barline without a known
    // location changes nothing. Always true.
    bool parseMeasureBarline(Measure *measure, const QDomElement &element) const;
    // Divisions, key, time, multiple rest, staves and clefs. A clef before
    // note `noteIndex` > 0 of voice `voiceIndex` marks that note as a clef
    // change; clef numbers outside 1..8 and note indices that name no note
    // are ignored. Always true.
    bool parseMeasureAttributes(int partIndex, Measure *measure, int voiceIndex, int noteIndex,
                                const QDomElement &element);

private:
    void readClef(int partIndex, Measure *measure, int voiceIndex, int noteIndex,
                  const QDomElement &clef);

public:
public:
    // glyphs/score_worker_services.cpp: the services of the glyph dispatch
    // that the notation workers call: the chord-list comparison and the
    // spacer items. Items are made without parent; the generator adds
    // them to the scene.
    // True when both lists are non-empty, of equal length and equal
    // element by element (case-sensitive).
    bool isSameStringList(const QStringList &a, const QStringList &b) const;
    // A "Spacer" of the note-spacer width anchored at `onset`.
    void addSpacerTozan(Measure *measure, int part, int voice, int noteIndex, int onset);
    // A "Spacer" of `lengthFactor` note sizes along the reading direction.
    void addSpacerItem(double lengthFactor, Measure *measure, int part, int voice, int noteIndex);

public:
    // glyphs/score_chord_glyphs.cpp: the steps that the traditional
    // notation workers share: a chord's glyphs (or its repeat sign "Prev"),
    // a grace note and the arpeggio mark. Each appends glyph items and
    // aligned items to (part, voice) of the measure and records the item
    // indices on the notes it draws.
    // Draws the chord that starts at `noteIndex`; returns its note names
    // ("-pizz" appended for pizzicato notes), to compare the next chord with.
    QStringList addChordGlyphs(Measure *measure, int part, int voice, int noteIndex, int onset,
                               const QStringList &previous);
    void addGraceNoteGlyph(Measure *measure, int part, int voice, Note *note, int onset);
    void addArpeggioItem(Measure *measure, int part, int voice, Note *note, int onset);

public:
    // glyphs/score_glyphs_simple_kinko.cpp: the notation workers of the
    // simple notations (one glyph per note, duration bars and dots) and of
    // traditional Kinko notation, with the simple notations' bars, dots and
    // rests. Workers return the chord list to pass to the next chord (empty
    // after a rest or a grace note) and write the note's display name
    // (Note::glyphName) and bar-and-dot count (Note::glyphKind).
    QStringList addNoteSimple(Measure *measure, int part, int voice, int noteIndex, int onset,
                              const QStringList &previous);
    QStringList addNote(Measure *measure, int part, int voice, Note *note, int onset,
                        const QStringList &previous);
    void addBarsSimple(Note *note, Measure *measure, int part, int voice, int onset);
    void addSimpleRest(Measure *measure, int part, int voice, Note *note, int onset);

public:
    // glyphs/score_glyphs_tozan_ikuta.cpp: the notation workers of
    // traditional Tozan notation and of the Ikuta koto and sangen
    // notations, with the Tozan duration bars and the rests of both. Same
    // conventions as the simple and Kinko workers.
    QStringList addNoteTozan(Measure *measure, int part, int voice, Note *note, int onset,
                             const QStringList &previous);
    QStringList addNoteIkuta(Measure *measure, int part, int voice, int noteIndex, int onset,
                             const QStringList &previous);
    void addBarsTozan(Note *note, Measure *measure, int part, int voice, int onset);
    void addTozanRest(Measure *measure, int part, int voice, Note *note, int onset);
    void addRestIkuta(Measure *measure, int part, int voice, Note *note, int onset);

public:
    // glyphs/score_ikuta_extensions.cpp: the Ikuta extension marks, one per
    // later time frame that a note covers, and the marks that stand for a
    // tied continuation in place of its note glyph.
    void addNoteExtensionsTimeFrame(Note *note, Measure *measure, int part, int voice, int onset);
    void addNoteExtensions(Note *note, Measure *measure, int part, int voice, int onset);

    // notenames/score_scales.cpp: the note scale of every notation style
    // and the staff lyric font's character maps; each returns a new object
    // that the caller owns.
    NoteScale *createScaleKinko() const;
    NoteScale *createScaleTozan() const;
    NoteScale *createScaleShinobue(int partIndex) const;
    NoteScale *
    createScaleKoto(const QString &tuning, const QString &scaleName, bool seiha,
                    NoteNames::ScaleNameWarning warning = NoteNames::ScaleNameWarning::Show);
    NoteScale *createScaleSangenIkuta(const QString &tuning) const;
    NoteScale *createScaleSangenYamada() const;
    NoteScale *createScaleShamisenBunka(const QString &tuning) const;
    NoteScale *createScaleDoremi() const;
    NoteScale *createScalePercussion() const;
    NoteNames::GlyphCharMap *getStaffNoteMapKinko() const;
    NoteNames::GlyphCharMap *getStaffNoteMapTozan() const;
    NoteNames::GlyphCharMap *getStaffNoteMapTozan_Circled() const;
    NoteNames::GlyphCharMap *getStaffNoteMapShinobue_Numeric() const;
    NoteNames::GlyphCharMap *getStaffNoteMapShinobue_Kanji() const;
    NoteNames::GlyphCharMap *getStaffNoteMapKoto() const;
    NoteNames::GlyphCharMap *getStaffNoteMapSangen() const;
    NoteNames::GlyphCharMap *getStaffNoteMapShamisen() const;
    NoteNames::GlyphCharMap *getStaffNoteMapDoremi() const;
    int getMinNumber(const QStringList &numbers) const;
    int getMaxNumber(const QStringList &numbers) const;

public:
    // layout/score_time_alignment.cpp: the time ticks of each measure
    // Rebuilds the measure's ticks from its time signature, divisions and
    // the length of its first voice (making its Aligner when it has none).
    // Returns 1.
    int setUpMeasureTics(Measure *measure);
    // In a row that draws time ticks, moves every glyph that stands at a
    // tick (and the chord glyphs stacked on it) along inside its place, so
    // that its ink starts a little after the tick instead of on it.
    void keepGlyphsOffTheirTicks();

public:
    // layout/score_regeneration.cpp: one regeneration, from the model to
    // the complete picture of every page
    // Runs every pass in order and writes its entry line and elapsed time
    // to the debug output. It never rebuilds the model (the multi-measure
    // rest merge lives in computed fields; `reload` is not read), so undo
    // commands and selections stay valid. Completes with no parts or no
    // measures. Always true.
    bool generateScore();
    // Empties every voice's aligned items, sets up each measure's ticks,
    // then collects the glyphs of every voice, part and measure. Returns 1.
    int prepareAlignment();
    // Forgets every pointer into the previous picture and every glyph
    // selection result: items of model objects and measures, note item
    // indices (-1) and display names.
    void resetComputedFields();
    // Deletes the glyph items that the glyph selection made and no scene
    // took (the scene owns the others), and clears the aligned items'
    // pointers to them. The regeneration does this when it ends (a voice
    // left undrawn keeps no item) and before it collects new glyphs.
    void releaseUnplacedGlyphItems();

public:
    // layout/score_graphic_items.cpp: every graphic item, in the order the
    // frame steps list below (layout/score_item_frame.cpp); returns 1.
    int generateGraphicItems();

public:
    // document/score_model_rebuild.cpp: the one deliberate rebuild of the
    // model from a document text (the clean refresh)
    // On success `text` is the document text and everything that pointed
    // into the old model is gone with it: the scene's items, the undo stack,
    // the selections, the drawing helpers' slots and the remembered scale
    // warnings. An undo stack that was not clean marks the score changed,
    // so unsaved edits still count after their history is gone. False when
    // the loader refuses the text (it has told the user); the score is then
    // exactly as it was.
    bool rebuildModel(const QString &text);

public:
    // document/score_release_document.cpp: a score kept only for drawing
    // Lets go of the MusicXML document and of every element of it the
    // model holds: on a long score the document takes more memory than the
    // model and the drawing together. The document is kept for saving,
    // the MusicXML export and the edits, which all write into it; a score
    // that only regenerates and draws its pages (the renderer writing PDF
    // and SVG) never reads it after the load. Afterwards the score still
    // regenerates and exports pages alike; saving, the MusicXML export, the
    // autosave and the edits refuse it from then on (see refuseReleased).
    void releaseDocument();
    // True, after one warning naming the score, when the document has been
    // released: the caller then writes or changes nothing. False otherwise.
    bool refuseReleased();
    bool documentReleased = false;

public:
    // layout/score_after_generation.cpp: passes over the generated items
    // Hides the glyphs of notes that continue a chain (tie continuations,
    // repeated notes) in every output part, except "Prev" and "Breath..."
    // glyphs. Nothing moves and nothing leaves the scene.
    void hideTiedNoteGlyphs();

public:
    // layout/score_text_forms.cpp: character forms of drawn texts for the
    // writing direction; pure conversions of a copy of the text.
    static QString toVerticalPunctuation(const QString &text);
    static QString convertCharsForHorizontal(const QString &text);
    static QString convertCharsForVertical(const QString &text);

public:
    // notenames/score_note_scales.cpp: every part's note scales, and every
    // note's pitch number, shift, key and scale
    // Rebuilds each part's scales and scaleTexts from its style and its
    // scale and transpose directives, then stamps every note. The koto
    // builder's 25-string warning is shown once per faulty directive.
    void SetNoteScales();
    // The scales the notes point to, owned here. Every SetNoteScales
    // replaces them, so a note's noteScale is valid until the next call.
    std::vector<std::unique_ptr<NoteScale>> noteScales;
    // Faulty ".scale{" directives (object, text) whose warning was shown;
    // one that leaves the score or changes its text may warn again.
    QSet<QPair<const Directive *, QString>> warnedScaleDirectives;

public:
    // notenames/score_note_names.cpp: every note's name, from its scale or
    // directly from its value, spelling or voice
    void setNoteNames();
    void setPartNoteNames(int partIndex);
    QString getStaffNoteNames(Note *note) const;
    // Also rewrites the note's pitchNumber from its spelling.
    QString getTraversoNoteNames(Note *note) const;
    QString getDoremiNoteName(Note *note) const;
public slots:
    // True when the note's scale lists `name` under `key`; false without a
    // scale or entry.
    bool noteNameValidateNew(Note *note, int key, const QString &name);

public:
    // notenames/score_octave_marks.cpp: the shakuhachi octave-instruction
    // marks, cleared in every other part
    void setOctaveInstMarks();
    void setOctaveInstMarksOfPart(int partIndex);

public:
    // document/score_parse_notations.cpp: a note's `notations` elements
    // Reads one `notations` element into the note: its Notations (one per
    // element that document/markpairing.h says makes one, in document
    // order), slur, tuplet, tremolo, wavy-line, glissando and slide states,
    // marks, fingerings and directives. The note's first `notations`
    // element starts it afresh; later ones add to it. Never fails; returns
    // the note's notation count.
    int parseNoteNotations(Note *note, const QDomElement &notations);

private:
    void resetNoteNotations(Note *note);
    void parseSlur(Note *note, const QDomElement &slur);
    void parseArticulations(Note *note, const QDomElement &articulations);
    void parseOrnaments(Note *note, const QDomElement &ornaments);
    void parseWavyLine(Note *note, const QDomElement &wavyLine);
    void parseTremolo(Note *note, const QDomElement &tremolo);
    void parseTuplet(Note *note, const QDomElement &tuplet);
    void parseTechnical(Note *note, const QDomElement &technical);
    void parseFingeringText(Note *note, const QDomElement &fingering);
    void applyDirectiveToNote(Note *note, const Directive *directive);

public:
    // document/score_parse_direction.cpp: one `direction` element
    // Appends one Direction per item that document/markpairing.h counts, in
    // document order, to voice `voiceIndex` of part `partIndex`, at note
    // `noteIndex` (-2: the end of the measure). False, with `refusal` set
    // to the warning for the user, when its staff number exceeds the
    // part's 8 staves: the caller abandons the load. Bad part or voice
    // indices add nothing.
    bool parseMeasureDirection(Measure *measure, int partIndex, int voiceIndex, int noteIndex,
                               const QDomElement &element, QString *refusal = nullptr);

private:
    void readDirectionType(const QDomElement &directionType, int noteIndex,
                           QList<Direction *> &made, bool &tilde, bool &caret);
    Direction *readWords(const QDomElement &words, const QDomElement &directionType, int noteIndex,
                         bool &tilde, bool &caret);
    Direction *readMetronome(const QDomElement &metronome, const QDomElement &directionType,
                             int noteIndex);
    Direction *readWedge(const QDomElement &wedge, int noteIndex);
    Direction *readLine(const QDomElement &line, int noteIndex, bool tilde, bool caret);

public:
    // document/score_directive_texts.cpp: reading directive texts; pure
    // functions of the text
    // The DirectiveType (document/directive_type.h) of the text.
    static int getDirectiveType(QString text);
    // What the directive shows: a quoted text without its quotes, a scale
    // directive's tuning, any other "." text without the dot.
    static QString getDirectiveText(QString text);
    // The integer between the first "{" and the next "}"; 0 when that is no
    // 32-bit integer; -1 without "{" or without "}" after it.
    static int getDirectiveNumber(QString text);
    // The text between the first and the last "'"; all after a lone quote;
    // the whole text without quotes.
    static QString getQuotedText(QString text);

public:
    // layout/score_regeneration_request.cpp: regeneration asked for from
    // inside an event handler
    // Posts one regeneration to the event loop; requests made before it
    // runs are served by that one. An item's mouse handler must not
    // regenerate at once: the regeneration clears the scene and deletes the
    // item whose handler is still running.
    void requestRegeneration();
    bool regenerationPending = false;
signals:
    // Sent from the event loop for each served request; the regeneration
    // is connected to it.
    void sigRegenerate();

public:
    // layout/score_item_frame.cpp: the frame of every generation (pages,
    // measure items, stage brackets, measure numbers, stage lines, break
    // marks, footer). The item generation calls them in this order:
    //   1. beginGraphicItems: the scene cleared, a new watcher, the page
    //      cursor on the first page, its number and stage frame;
    //   2. genMeasureFrames: the first pass over the displayed measures;
    //   3. page->resetPages(), so the second pass counts pages afresh;
    //   4. the second pass over every measure (skipping the measures merged
    //      into a multi-measure rest): the measure phase, which calls
    //      genBreakMark, then the parts, with advancePageAfterMeasure after
    //      the first part;
    //   5. genFooterLine; 6. the credit texts; 7. drawClosingFrames.
    // The drawing helpers of every part are reset by the regeneration
    // before step 1. Measures need their origin, width and height (mm) and
    // their stageEnd/pageEnd flags from the line and page layout.
    void beginGraphicItems();
    void genMeasureFrames();
    void advancePageAfterMeasure(const Measure *measure);
    // The break mark of the measure at `measureIndex` (full list), unless
    // the output is clean or the measure has no break. Null when none.
    QGraphicsItem *genBreakMark(int measureIndex);
    void genFooterLine();
    void drawClosingFrames();

public:
    // layout/score_page_frames.cpp: stage frames, stage lines, grid
    // outline, double-sheet frames and debugging frames. Arguments in mm,
    // except drawDebugLine (scene units); items go to the scene.
    void drawStageFrame();
    void drawStageLineHorizontal(double y);
    void drawStageLineVertical(double x);
    // Moves the page cursor to the last page.
    void drawGridOutline();
    int drawDebugFrames();
    // False (nothing drawn) unless the sheet is a double sheet; leaves the
    // page cursor on the last page.
    bool drawDoublePageFrames();
    void drawDebugLine(const QColor &color, double x1, double y1, double x2, double y2);

public:
    // layout/score_frame_texts.cpp: measure numbers, the footer line and
    // the page number label. Positions in mm; each returns 1.
    // `lineStartEnd` (mm along the line, 0 for unknown) is where the
    // line's first measure ends: a number set into the line may move on
    // towards it, keeping clear of the notes drawn later.
    int drawMeasureNumber(double x, double y, int measureIndex, double lineStartEnd = 0.0);
    // Moves every measure number set into its line on along the line's top
    // edge (made smaller, as a last resort) until no note, mark or text
    // drawn since lies under it; called once every item is drawn.
    void keepMeasureNumbersClear();
    // The measure numbers of the current generation, in the scene.
    QList<QGraphicsItem *> measureNumberItems;
    int drawFooterText(const QString &text);
    int genPageNumber();
    // `position` (scene units) moved right and down as far as needed to
    // keep the printer's margin from the current sheet's left and upper
    // edges.
    QPointF keptOffSheetEdge(QPointF position) const;
    // The highest scene y a printed thing may start at on the current sheet.
    double printableTop() const;
    // The lowest scene y a text above a vertical column starting at
    // `columnTop` (mm) may reach without touching its bracket or frame.
    double lowestFootAboveColumn(double columnTop) const;

public:
    // layout/score_stage_bracket.cpp: the bracket that joins the parts of
    // one line, thin lines with `thin`, else note-font glyphs; returns 1.
    int genBracketItems(const Measure *measure, bool thin);

public:
    // layout/score_mark_lines.cpp: the movable tremolo wavy line of a note
    // and the hooked line of a movable text group.
    // A tremolo (start or single) note's wavy line, movable and tagged as
    // its notation; `k` scales the offsets (a note size, mm). The default
    // offset of an unmoved notation is used without being stored on it.
    // Returns 1.
    int genNotationWavyLine(int measure, int part, int voice, int noteIndex, int notationIndex,
                            Note *note, Notation *notation, double k);
    // lineStyle 1 solid, 2 dashed, 3 dotted (others solid); hooks 0 none,
    // 1 and 2 the two sides; length in mm. The lines go into `group`.
    void addHookedLineToGroup(QGraphicsItemGroup *group, int lineStyle, double length,
                              int startHook, int endHook);

public:
    // layout/score_beam_lyric_extent.cpp: how far the lyrics under a beam
    // group reach across the reading direction (mm from the part offset);
    // 0.0 for a note that starts no beam group.
    double getBeamLyricExtent(Measure *measure, int part, int voice, int noteIndex) const;

public:
    // layout/score_articulation_items.cpp: the articulation and ornament
    // marks of a note (movable glyphs, z 10), stacked outward from it; the
    // tremolos of traditional notations become wavy lines. `size` is the
    // part's note size (mm). An unmoved notation gets its default offset
    // (note sizes) without being marked moved. Slurs, wavy lines and a
    // grace note's fermata draw nothing here.
    void genArticulationItems(int measureIndex, int part, int voice, int noteIndex, Note *note,
                              double size);

public:
    // layout/score_fingering_items.cpp: the fingering glyphs of a note
    // (z 20) and the continuation lines of held ("--") fingerings, each
    // fingering's group moved by one handle. `size` is the part's note
    // size (mm). Texts other than 0-5, "中" and "エ" draw nothing.
    void genFingeringItems(int measureIndex, int part, int voice, int noteIndex, Note *note,
                           double size);

public:
    // layout/score_bow_marks.cpp: the up-bow and stopped marks (staff
    // notation only) and the harmonic mark of a note, movable, z 10. `k`
    // scales the user offsets (the part's note size, mm). Returns 0.
    int genBowingItems(int measureIndex, int part, int voice, int noteIndex, Note *note, double k);

public:
    // layout/score_directive_items.cpp: the movable glyph (z 10) of one
    // directive of a note: a technique mark found by the directive's name,
    // or the on-screen marker of a setting, which clean output leaves out.
    // A name that matches no mark draws nothing. An unmoved directive gets
    // its default offset (note sizes) without being marked moved.
    void genTechniqueItems(int measureIndex, int part, int voice, int noteIndex, Note *note,
                           int directiveIndex, Directive *directive);

public:
    // layout/score_bar_lines.cpp: bar lines, repeat dots and the beam line
    // Bar lines and repeat signs of every output part at both ends of the
    // measure (its shown right end for a multi-measure rest), and the
    // plain lines of measure-display-barline. `leftDrawn`: the measure
    // before ended with a bar line. True when a right bar line was drawn
    // and the measure does not end its line.
    bool genMeasureBarLines(Measure *measure, bool leftDrawn);
    // One line item in mm, z-value -20, owned by the scene. `kind`: 0 no
    // pen, 1 plain, 2 dashed, 3 dotted, 4 thin; `thick` wins over it.
    QGraphicsItem *drawBarLineVertical(bool thick, int kind, double x, double y1, double y2);
    QGraphicsItem *drawBarLineHorizontal(bool thick, int kind, double y, double x1, double x2);
    // A black dot in the square (x, y, 2r, 2r), mm, owned by the scene.
    QGraphicsItem *drawRepeatDot(double x, double y, double r);
    // Beam line n at offset o across, from a to b along (mm).
    void drawBeamLine(int n, bool horizontal, double offset, double from, double to);

public:
    // layout/score_multi_rest.cpp: the bar of a multi-measure rest in one
    // part, one per staff, with `count` beside it; returns 1.
    int genMultiRestItems(Measure *measure, int part, int count);

public:
    // layout/score_ending_items.cpp: the ending bracket from `first` to
    // `last` (measures of this score), one segment per line; the first
    // carries the label and becomes first->endingItem's handle.
    void genEndingItems(Measure *first, Measure *last);

public:
    // layout/score_measure_phase.cpp: the measure phase of the item
    // generation, called for every measure of the full list that is shown
    // (measures merged into a multi-measure rest are skipped), in order
    // from measure 0, after the first pass over the displayed measures.
    // Draws the measure's bar lines, signatures, ending, staff, boundary
    // and string lines, tick lines and break mark, then the part step with
    // the page step after the first part. Needs the line and page layout
    // (origins, sizes, line-end flags, part cells) and maxNoteSize.
    void genMeasureItems(int measureIndex);
    // Line starts and ends among the displayed measures: a measure starts
    // a line when it is the first shown or the one shown before it ends a
    // line or page; the last shown measure ends its line.
    bool measureStartsLine(const Measure *measure) const;
    bool measureEndsLine(const Measure *measure) const;
    // Room (mm) the opening bar line and forward repeat take before the
    // signatures, in the bar-line unit 0.06 x the largest note size.
    double openingBarOffset(const Measure *measure) const;

private:
    void genMeasureOpeningBarLine(Measure *measure);
    void genMeasurePartLines(Measure *measure, int part);
    // Carried from one measure to the next within one generation.
    bool carriedBarLine = false;
    Measure *openEndingStart = nullptr;

public:
    // layout/score_voice_items.cpp: the part and voice step of the item
    // generation, run by the measure phase for each part of a shown measure
    // after the measure's own items (positions in mm).
    // The part label at line starts (once per part), then every voice in
    // use: its glyphs placed, rhythm dots, note marks, octave-instruction
    // marks and beam strokes. Needs the line layout and the watcher item.
    void genPartItems(int measureIndex, int part);
    // One voice; (x, y) is the part's reference point: the measure origin
    // along the reading direction, the part's reference line across it.
    void genVoiceItems(int measureIndex, int part, int voice, double x, double y);
    // The note's movable octave-instruction mark at `pos` (mm, the final
    // position of the note's first item); none for an empty mark.
    void genOctaveInstItem(int measureIndex, int part, int voice, int noteIndex, const QPointF &pos,
                           bool coveredVoice);

private:
    // A voice's stroke run within one measure.
    struct VoiceStrokes
    {
        bool started = false; // the score's first measure cleared the drawer
        bool open = false;    // a run waits for its end
        double lastEnd = 0.0; // mm along: end of the last note passed
    };
    void drawPartDebugLines(Measure *measure, int part, double ref);
    void configureVoiceBeams(Measure *measure, int part, int voice);
    void hideNoteItems(Measure *measure, int part, int voice, const Note *note);
    void genNoteMarks(int measureIndex, int part, int voice, int noteIndex, Note *note);
    void genNoteBeams(Measure *measure, int part, int voice, int noteIndex, VoiceStrokes &strokes,
                      int &staffBeamStart);
    void genNoteStrokes(Measure *measure, int part, int voice, const Note *note,
                        VoiceStrokes &strokes);
    // A Bunka number with strokes on a string away from them: one more
    // beam line beyond its own string, from `from` to `to` (mm along).
    void genStringUnderline(Measure *measure, int part, int voice, const Note *note, double from,
                            double to);
    void genNoteBeamLevels(Measure *measure, int part, int voice, int noteIndex,
                           const std::array<int, 5> &record);

public:
    // layout/score_voice_placement.cpp: final positions of one voice's
    // aligned items (mm) and their glyphs in the scene (scene units). The
    // horizontal variant reads the x shift, the vertical one the y shift.
    // Glyphs enter the scene only with the part's note output on; a hidden
    // (collapsed) cell places nothing.
    void placeVoiceItems(Measure *measure, int part, int voice, double xShift, double yShift,
                         bool shown);
    void placeVoiceItemsVertical(Measure *measure, int part, int voice, double xShift,
                                 double yShift, bool shown);
    // An outline rectangle in scene units, pen width 0.5, added to the scene.
    QGraphicsRectItem *genRectDispItem(const QColor &color, double x, double y, double w, double h);

private:
    void placeVoiceItemsAlong(Measure *measure, int part, int voice, double shift, bool shown,
                              bool horizontal);
    // Sets only the coordinate along the line of each aligned item's final
    // position, as placeVoiceItemsAlong does (mm); a hidden cell keeps its.
    void setVoiceItemsAlong(Measure *measure, int part, int voice, double shift, bool horizontal);

public:
    // layout/score_rhythm_dots.cpp: the rhythm dots of a KinkoTrad voice
    // (glyphs of the part's note font, added to the scene). A measure
    // without divisions or standing for a multi-measure rest gets none.
    // Returns 1.
    int genDotItems(Measure *measure, int part, int voice);
    // `white` and `black` dots of one note on the side `side`; `r` is the
    // part's reference line (mm).
    void genDotItems1(Measure *measure, int part, int voice, Note *note, double r, bool side,
                      int white, int black);
    // "DotCircle" (`circle`) or "DotTri" between notes a and b.
    void genDotItems2(Measure *measure, int part, int voice, Note *a, Note *b, double r,
                      bool circle);

private:
    void addRhythmDotGlyph(Measure *measure, int part, int voice, const Note *note,
                           const QString &glyphId, const QPointF &at);

public:
    // layout/score_part_name_items.cpp: the part's full name (`full`) or
    // abbreviation as a plain text item beside the line start at (x, y) mm,
    // in the room the stage keeps in front of its first measure (or, for a
    // vertical abbreviation, above the column and clear of the measure
    // number of `lineStart`); not tagged, not movable. Returns 1.
    int genPartNameItem(double x, double y, int part, bool full,
                        const Measure *lineStart = nullptr);
    // The room (mm along the stage) in front of the first measure of the
    // stage that starts at displayed measure `firstDisplayed`: 0 when the
    // stage shows no label there; never more than a share of the stage.
    double partLabelRoom(int firstDisplayed) const;
    // Which label that stage shows in front: 0 none, 1 abbreviations,
    // 2 full names.
    int partLabelKind(int firstDisplayed) const;
    double largestPartLabelRoom() const;
    QFont partLabelFont(int part, bool full) const;
    // The label's extent along the reading direction in `font` (mm).
    double partLabelLength(int part, bool full, const QFont &font) const;

public:
    // layout/score_lyric_fit.cpp: how each syllable of a measure fits the
    // room its notes leave along the line. Where a measure is too short for
    // its syllables (its line holds a fixed number of measures), the
    // syllables of a verse are drawn smaller, down to half their size; then
    // on two half-height lines in the room of one, every other syllable on
    // the second; then, at the least size, those that still find no room
    // are left out. Never one over another; the measure is named in the
    // log once per score. The syllables of a line placed by hand fit the
    // same way among themselves, each from the place it was put, inside
    // the box it stands in there, in a narrowed measure only.
    struct LyricFit
    {
        double scale = 1.0;
        int subLine = 0; // 1: the second of two stacked lines
        bool omitted = false;
    };
    enum class LyricSqueeze
    {
        None,
        Smaller,
        Stacked,
        LeftOut
    };
    // Fits the syllables of one voice of a placed measure (its notes'
    // final positions known); genLyricItem draws them by the fit.
    void fitMeasureLyrics(Measure *m, int part, int voice);
    // Fits the syllables of every measure drawn, once the lines are laid
    // out and before anything is drawn, and fills stackedLyricParts: the
    // fit depends only on where the notes stand along the line.
    void fitLyricsAlongLines();
    LyricFit lyricFit(const Lyrics *lyric) const;
    // Logs each measure whose syllables were squeezed in this drawing and
    // not logged before.
    void reportSqueezedLyrics();

private:
    QHash<const Lyrics *, LyricFit> lyricFits;
    // This drawing's squeezed measures (indices): the strongest squeeze
    // and how many syllables were left out.
    QMap<int, std::pair<LyricSqueeze, int>> squeezedLyrics;
    // Parts whose syllables stood on two stacked lines in this drawing, and
    // those whose lyric band was given room for that: the second line
    // stands half a line farther from the notes, and must still read as
    // theirs.
    QSet<int> stackedLyricParts;
    QSet<int> lyricStackRoomParts;
    // The voices aligned, then the line and page layout in the page's
    // direction (generateScore's steps between the notes and the drawing).
    void alignAndLayOutLines();
    // One picture from the model: generateScore runs it, and once more
    // when its lyric lines need room for the ink drawn after them.
    void generateScoreOnce();

public:
    // layout/score_lyric_items.cpp: the movable text item of each lyric of
    // a note and the events that draw its hyphens and extender lines
    // (drawing/syllabics.h). `pos` is the final position (mm) of the note's
    // first aligned item; items are placed in scene units. A lyric whose
    // text is empty after conversion makes no item and sends no event.
    void genLyricItems(int measureIndex, int part, int voice, int noteIndex, const QPointF &pos);
    // Scene units along the reading direction by which a text of the staff
    // lyric font moves back so its offset mark stands at the note; `h` is
    // the font's height.
    static double lyricCharOffset(const QString &text, bool horizontal, double h);

private:
    QGraphicsItem *genLyricItem(int measureIndex, int part, int voice, int noteIndex,
                                int lyricIndex, const QPointF &pos);
    // The lyric's drawn place moved for its fit: a smaller text keeps its
    // edge towards the notes, the second of two stacked lines stands half
    // a lyric line farther from them. `h` is the lyric line pitch (scene
    // units).
    QPointF placedForFit(const LyricFit &fit, const Part *part, QPointF at, double h) const;
    // The note's breath glyph (its last item); null when it has none.
    QGraphicsItem *breathItem(const Measure *m, int part, int voice, const Note *note) const;

public:
    // layout/score_credit_items.cpp: the credit texts in the header area of
    // the first score page, as movable items tagged with their index, and
    // the header frame when asked; returns 1.
    int genCreditItems();
    // Before the layout: how much deeper (mm) the first page's header must
    // be for its credits, stored as the Page's computed header growth.
    double creditHeaderGrowth();
    // The credit's text item, font and turn, not yet placed; its default
    // size is that of its place (see CreditPlaces). The caller owns it.
    MyTextItem *makeCreditItem(int index, int place) const;
    // Places the items of every credit inside `header` (mm): unmoved ones
    // at the default spot of their place (one per item), then stacked
    // apart from the ones before them away from the header's start and kept
    // inside its ends; one that would reach past the most the header may
    // grow is hidden (one log line). Returns how far (mm) they reach past
    // the header's far side, within a share of the sheet.
    double placeCreditItems(const QList<MyTextItem *> &items, const QList<int> &places,
                            const QRectF &header) const;

public:
    // layout/score_span_events.cpp: the spanning elements of a voice (ties,
    // glissandi, tuplets, slurs, wavy lines, long repeats) sent to their
    // drawers, and the voice's directions. Positions are millimetres.
    // After the voice's notes and marks: every span event of its notes,
    // then its directions (those a multi-measure rest shows included).
    // `tuplet` is the voice's builder for this measure.
    void genSpanItems(int measureIndex, int part, int voice, Tuplet *tuplet);
    // After every voice of the part in the measure: the tie events the
    // voices queued, in time order, so that a tie whose ends lie in two
    // voices finds its start.
    void sendTieEvents(int part);
    // After every voice of the part in the measure: the slur stops that
    // found no start in any voice are dropped with a debug line, and at
    // the score's last measure the slurs never stopped are named.
    void dropUnmatchedSlurs(int measureIndex, int part);
    // Which notes of a part in `notationStyle` send tie events: none in the
    // Ikuta styles, and outside staff notation only a chord's first note.
    static bool sendsTieEvents(int notationStyle, const Note *note);
    // Whether tie stops are sent: not by the styles that draw a tied
    // continuation as a bar while `tieStopBar` is set.
    static bool sendsTieStop(int notationStyle, bool tieStopBar);
    // Span events are sent for output parts with note output, outside
    // multi-measure rests.
    bool sendsSpanEvents(const Measure *measure, int part) const;

private:
    struct TieEvent
    {
        Measure *measure = nullptr;
        Note *note = nullptr;
        int onset = 0; // divisions from the measure start
        bool start = false;
        QPointF point;   // mm
        QPointF lineEnd; // mm: the end of the start's line, for a broken tie
        bool visible = true;
    };
    void queueTieEvents(Measure *measure, int part, int voice);
    QPointF tiePoint(Measure *measure, int part, int voice, const Note *note, bool start) const;
    QPointF lineEndPoint(const Measure *measure, const QPointF &from) const;
    void sendGlissandi(Measure *measure, int part, int voice);
    void sendTupletEvents(int measureIndex, int part, int voice, Tuplet *tuplet);
    QPointF tupletPoint(Measure *measure, int part, int voice, const Note *note, bool start) const;
    void sendSlurEvents(Measure *measure, int part, int voice);
    // A slur stop: the note, its stop notation and slur number (0..4), in
    // voice index `voice` of `part`.
    struct SlurStop
    {
        Measure *measure = nullptr;
        Note *note = nullptr;
        Notation *notation = nullptr;
        int number = 0;
        int part = 0;
        int voice = 0;
    };
    // Closes the slur in the stop's voice or, when that voice has none
    // open, one another voice of the part opened before it; with none, the
    // stop waits for a start later in the measure.
    void stopSlur(const SlurStop &stop);
    Slurs *openSlurElsewhere(const SlurStop &stop) const;
    // After a start in `voice`: closes a waiting stop of the same number
    // from another voice of the measure at or after the start.
    void sendWaitingSlurStop(Measure *measure, int part, int voice, const Note *start, int number);
    void sendWavyLineEvents(Measure *measure, int part, int voice);
    void sendLongRepeatEvents(Measure *measure, int part, int voice);
    void genVoiceDirections(int measureIndex, int part, int voice);
    QList<TieEvent> pendingTieEvents;
    QList<SlurStop> waitingSlurStops;

public:
    // layout/score_glissandi.cpp: glissando and slide lines, drawn at their
    // end note from the note before its chord (in the previous measure when
    // the chord comes first). Straight lines or wavy paths with the
    // "Glissando" glyph along longer ones; across a line break a second,
    // tilted piece enters the new line after its head. Nothing is drawn
    // without a start note with glyphs. Items go to the scene untagged.
    void addStaffGlissando(Measure *measure, int part, int voice, Note *end, bool wavy);
    void addGlissando(Measure *measure, int part, int voice, Note *end, bool wavy);

private:
    struct GlissandoEnds
    {
        Measure *startMeasure = nullptr;
        Note *start = nullptr;
    };
    bool findGlissandoStart(Measure *measure, int part, int voice, const Note *end,
                            GlissandoEnds *ends) const;
    void drawGlissando(Measure *measure, int part, int voice, const GlissandoEnds &ends,
                       const Note *end, QPointF from, QPointF to, bool wavy, bool staff);

public:
    // layout/score_direction_items.cpp: the items of one direction
    // (dynamics, words, rehearsal marks, repeat signs, metronome marks) and
    // the hairpin, bracket and octave-shift events sent to the part's
    // drawers. Positions are millimetres; items go to the scene.
    // One direction of the voice; `index` is its place among the voice's
    // shown directions (Voice::shownDirections); `size` is the part's note
    // size (mm). With the part's output off only the measure-level marks
    // and the "D.C."/"D.S." words are drawn.
    void genDirectionItems(int measureIndex, int part, int voice, int index, Direction *direction,
                           double size);
    // Whether a direction of `kind` with `text` is drawn for a part whose
    // output is off.
    static bool drawnWithoutPartOutput(int kind, const QString &text);
    // The place of `direction` among the voice's shown directions; -1 when
    // it is not there.
    int shownDirectionIndex(const Measure *measure, int part, int voice,
                            const Direction *direction) const;
    // Makes `item` the direction's draggable scene item: movable,
    // selectable, hover, arrow cursor, tagged, in the scene, watched.
    void makeMovableDirectionItem(QGraphicsItem *item, int measure, int part, int voice, int index,
                                  Direction *direction);

private:
    void genWordsItem(int measureIndex, int part, int voice, int index, Direction *direction,
                      const QPointF &anchor, double size);
    void genMetronomeItems(int measureIndex, int part, int voice, int index, Direction *direction,
                           const QPointF &anchor, double size);
    void genRehearsalItems(int measureIndex, int part, int voice, int index, Direction *direction,
                           const QPointF &anchor, double size);
    void sendDirectionSpan(Measure *measure, int part, int voice, Direction *direction,
                           const QPointF &anchor, double size);

public slots:
    // document/score_autosave.cpp: the autosave timer's slot and the
    // autosave file's name
    // Does nothing unless changedSinceAutoSave is set. Writes the score-file
    // build to autoSavePath() without touching documentText or filePath,
    // and clears the flag only when the file was written; a failed write is
    // reported and tried again at the next tick.
    void autoSave();

public:
    // "<home>/velmora_autosave/<name>.tnsx" from the base name of filePath,
    // else of musicXmlFilePath: a base ending in "_autosave" is kept, any
    // other gets "_<scoreNumber>-<instance key>_autosave" (see
    // document/autosavefolder.h). The writer and the remover use this one
    // rule, so no autosave file is left behind.
    QString autoSavePath() const;

public:
    // layout/score_displayed_measures.cpp: multi-measure rests and the list
    // of displayed measures
    // Sets every measure's multiRestCount: the count read from the file
    // when `enabled` is false, else the runs of whole-rest measures found
    // anew.
    void setMultiMeasureRests(bool enabled);
    // Rebuilds displayedMeasures from multiRestCount. A multi-measure rest
    // shows the right barline, ending end and directions of the measures it
    // swallows through its computed fields (Measure::shownRight...,
    // Voice::mergedDirections); the model itself is never changed, so the
    // score need not be reloaded. True when the list is shorter than
    // measures.
    bool buildDisplayedMeasures();

public:
    // layout/score_measure_head_width.cpp: the room before a measure's
    // first time tick and after its last
    // Millimetres, into the measure's Aligner (made when missing): the head
    // width (stored per part, the last part's stands; left as it was with
    // no parts) and the tail pad. A measure without a key, or with one
    // outside -7..7, reserves no key room.
    void calcMeasureHeadWidth(Measure *measure);

public:
    // layout/score_measure_sizing.cpp: the head and natural width of a
    // measure before the line layout reads it, and fitting it to its share
    // of a stage (the bridge from the line layout to the time alignment)
    // Head and pad width, then the time alignment that sets the natural
    // width (Aligner::width) for them.
    void alignMeasure(Measure *measure);
    // Fits the aligned measure to `length` mm along the reading direction.
    void fitMeasure(Measure *measure, double length);

private:
    // layout/score_measure_minimum.cpp: the shortest length a measure may
    // be fitted to: the sum of what its stretches between notes need, for
    // the glyphs of every voice and the syllables of every verse, which it
    // also hands to the measure's aligner for the fit. Millimetres; 0 for
    // a multi-measure rest. The measure must be aligned.
    double measureMinimumLength(const Measure *measure) const;
    // What the syllables of one part's cell need between their notes.
    void appendSyllableNeeds(const Measure *measure, int partIndex, QList<RoomNeed> &needs) const;
    // layout/score_direction_room.cpp: what the tempo marks, words and
    // dynamics of one part's cell need between their notes, so that texts
    // on one side at successive beats stand apart, each at its own beat.
    void appendDirectionNeeds(const Measure *measure, int partIndex, QList<RoomNeed> &needs) const;
    // layout/score_glissandi.cpp: what the glissandi and slides of one
    // part's cell need between their notes outside staff notation.
    void appendGlissandoNeeds(const Measure *measure, int partIndex, QList<RoomNeed> &needs) const;
    // The head (mm) a measure that starts a line needs so that a glissando
    // or slide entering it from the line before draws a piece of its own
    // least length before its end note; 0 when none enters.
    double glissandoEntryHead(const Measure *measure) const;
    // True when a tempo mark, words or a dynamic stands at the start of the
    // measure after `before`, on `side` (-1 above, 1 below) of `staff` of
    // `part`.
    bool textAtMeasureStart(const Measure *before, int part, int side, int staff) const;
    // True when a repeat sign closes `measure`: its own backward repeat or
    // the next measure's forward one. No text runs on through it.
    bool repeatSignAtEnd(const Measure *measure) const;
    // The extent of a lyric text along the reading direction, as drawn.
    // At `scale` of the lyric font's size where below 1.
    double lyricSyllableLength(const Part *part, const QString &text, double scale = 1.0) const;
    // The font at `scale` of its size.
    static QFont scaledLyricFont(QFont font, double scale);

public:
public:
    // layout/score_line_layout.cpp: breaking the displayed measures into
    // stages (lines) and pages. Lengths are millimetres; `lines` receives
    // one extent per stage. Every step starts with Page::resetPages and
    // leaves the page cursor on the last page; none fails.
    int layoutHorizontalScore();
    int layoutVerticalScore();
    void breakStagesAuto();
    void breakStagesFixed();
    void breakPages();

    // layout/score_measure_placement.cpp: fitting each stage's measures to
    // the stage length and placing them along it
    void placeMeasuresAutoHorizontal();
    void placeMeasuresAutoVertical();
    void placeMeasuresFixedHorizontal();
    void placeMeasuresFixedVertical();
    void placeMeasuresEqualHorizontal();
    void placeMeasuresEqualVertical();

    // layout/score_stage_placement.cpp: placing the stages and part rows of
    // each page across it
    void placeStages();
    // Places the displayed measures first..last (indices) as one page.
    void placeStagesHorizontal(int first, int last);
    void placeStagesVertical(int first, int last);

private:
    // layout/score_line_layout.cpp: shared by the steps above; `horizontal`
    // picks the mirrored quantity of the writing direction.
    double stageLength(bool horizontal) const;
    double pageRoomForStages(bool horizontal) const;
    double stageStartOffset(int firstDisplayed) const;
    double largestNoteSize() const;
    double partRowExtent(int part) const;
    // Decides which parts are hidden on the stage first..last (displayed
    // indices), marks their cells and returns the stage's extent.
    double stageExtent(int first, int last);
    // Time-proportional or width-based length of the automatic breaking.
    double naturalLength(const Measure *measure) const;
    // Length of the fixed placement: width x the measure's user scale.
    double fixedLength(const Measure *measure) const;
    void clearStageFlags();
    // The automatic placement (`automatic`: aligned again, natural lengths)
    // or the fixed one (fixed-mode lengths); both scale each stage's
    // lengths by one ratio.
    void placeMeasuresScaled(bool horizontal, bool automatic);
    void placeMeasuresEqual(bool horizontal);
    // Raises the stage's lengths of displayed measures first.. to their
    // minimum lengths, taking the room from the others in proportion to
    // their lengths: a `fitted` stage keeps filling `room`, an unfitted one
    // grows up to it. When the minima alone exceed that, every measure is
    // narrowed in one proportion and marked below its minimum.
    // With `automatic` breaking the narrowing goes unlogged: only a
    // measure alone on its stage can be narrowed.
    void keepMinimumLengths(int first, QList<double> &lengths, bool fitted, double room,
                            bool automatic);
    // A measure's units of length in the equal placement.
    double equalShare(const Measure *measure) const;
    // Names a measure narrowed below its minimum in the log, once.
    void reportNarrowedMeasure(const Measure *measure);
    // Fits and places displayed measures first..last along their stage.
    void placeStageMeasures(int first, int last, const QList<double> &lengths, bool horizontal);
    void advancePageAfter(const Measure *measure);
    void placeStagesOfPage(int first, int last, bool horizontal);
    double carriedStageRatio = 1.0;
    double carriedStageGap = 0.0;

    // layout/score_lyric_room.cpp: the room lyrics take beside their notes.
    // Millimetres; computed by layout and rebuilt each regeneration.
    // Fills lyricBands: per part, the band its lyrics need beyond its note
    // row (0 for a part that shows none).
    void measureLyricBands();
    double lyricBand(int part) const;
    // Distance of the first lyric line from the part's note line, mm: the
    // style's offset, moved out past the part's note glyphs and boundary
    // line.
    double lyricLineOffset(int part) const;
    double lyricBaseOffset(int part) const;
    // The offset in a row `rowExtent` mm across: past the boundary line
    // along the row's edge, for a part that draws one there.
    double lyricOffsetInRow(int part, double rowExtent) const;
    // The band of `lines` lyric lines of `part`, followed by the row of
    // part `next`; `backEdge` is the lyric-side edge of the part's glyph
    // farthest from its lyrics, `nextReach` how far the next row's glyphs
    // reach back towards them, both from their note lines (towards the
    // lyrics positive).
    double lyricBandOf(int part, int lines, double backEdge, int next, double nextReach) const;
    // How far one lyric line's text box reaches across, mm.
    double lyricLineBreadth(const Part *part) const;
    // Fills lyricInkDepths once the picture is drawn: per part, how far
    // (mm, with the lyrics' clearance) the stems, flags and beams of its
    // notes, drawn only after the lyric line was placed, reach into its
    // syllables; none for a part they reach nowhere. Syllables placed by
    // hand do not count.
    void measureLyricInk();
    QList<double> lyricBands;
    QList<double> lyricOffsets;
    QHash<int, double> lyricInkDepths;
    // The room given past the lyric line's offset in this drawing:
    // generateScore draws once more with the depths the first drawing
    // found, as the beams stand where they stood.
    QHash<int, double> lyricInkRoom;

    // layout/score_lyric_direction_room.cpp: how far the directions on the
    // lyrics' side of a part's row reach from its note line, mm (0 for
    // none), so that its lyrics start past them.
    double lyricSideDirectionsReach(int part) const;
    // One direction on the lyrics' side; `endHookDown` for a bracket line
    // whose stop hooks towards the lyrics.
    double lyricSideDirectionReach(int part, const Direction *direction,
                                   bool endHookDown = false) const;
    // How far `box` (scene units, at an item's offset point, `lift` scene
    // units further across in vertical writing) reaches towards the lyrics.
    double lyricSideReachOf(const QRectF &box, double lift) const;
    // A words direction's text box at its offset point, as drawn; `lift`
    // receives how far across it stands beyond that point.
    QRectF wordsBoxAtOffset(const Direction *direction, double &lift) const;
    // The same for `text` drawn as the direction draws its own (a block's).
    QRectF wordsBoxAtOffset(const Direction *direction, const QString &text, double &lift) const;
    // A dynamics direction's glyph box at its offset point, as drawn.
    QRectF dynamicsBoxAtOffset(int part, const Direction *direction) const;
    // A words direction's text as drawn: without its leading "." and with
    // punctuation turned where it stands in vertical writing.
    QString wordsTextAsDrawn(const Direction *direction) const;

public:
    // view/score_context_menu.cpp: the item context menu, the fitting
    // switch of breaks, the double click and file drops
    // Retranslates the two dialogs and sets the text of every texted menu
    // action again, in the language now in force.
    void retranslateContextMenu();
    // The menu for the scene's selection, chosen by the kind of its first
    // item; null with nothing selected, for a kind without a menu and for
    // tags that name no model object. It holds the score's own actions
    // (not owned); the caller owns the menu.
    std::unique_ptr<QMenu> buildContextMenu();
public slots:
    void changeBreakFitting();

protected:
    // Runs the menu of the selection through the prompter; never passed on.
    void contextMenuEvent(QContextMenuEvent *event) override;
    // Opens the slur curve controller on a first selected slur.
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    // Both accept every drag; a drop emits sigDropFile per local file, in
    // order, with the URL's decoded path.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    bool fillContextMenu(QMenu *menu, const QGraphicsItem *first, bool several);

public slots:
    // view/score_delete.cpp: deleting selected symbols
    // Break marks and directives, in one "Delete Directives" step;
    // regenerates only when something was deleted.
    void deleteSelectedSymbol();

private:
    QUndoCommand *makeDeleteCommand(const QGraphicsItem *item);

public slots:
    // view/score_resets_fonts_visibility.cpp: resets, text fonts, text
    // direction and visibility
    void resetMoveCommand();
    void setTextFontCommand();
    void resetTextFontCommand();
    void setTextHorizontalCommand();
    void setTextVerticalCommand();
    void setTextVerticalWritingCommand();
    void setTextDefaultDirectionCommand();
    void setDefaultVisibilityCommand();
    void setVisibleCommand();
    void setInvisibleCommand();
    void otsuDoubleQuoteCommand();
    void otsuResetDoubleQuoteCommand();
    void resetScaleCommand();

public:
    // Resets one kind of item in the whole score, selected or not: every
    // lyric (`type` LyricItem) or every moved notation but slurs
    // (NotationItem); other types push nothing. Then marks the score
    // changed and regenerates.
    void resetAllMoveCommand(int type);
    // TextDirection of the selected credits and directions: 0 default, 1
    // horizontal, 2 vertical, 3 vertical writing.
    void setTextDirectionCommand(int direction);
    // ItemVisibility of the selected notations and directions: 0 default,
    // 1 visible, 2 invisible. Nothing with nothing selected.
    void changeVisibilityCommand(int visibility);
    // The selected octave-instruction marks: Otsu to the double quote (a
    // ".otsuDoubleQuote" directive added to the note) or back (its live
    // one deleted). Nothing with nothing selected.
    void setDoubleQuoteOtsu(bool toDoubleQuote);

private:
    // The reset of the item's model object, its text set; null for kinds
    // without one and stale tags.
    QUndoCommand *makeMoveResetCommand(const QGraphicsItem *item);
    QUndoCommand *makeScaleResetCommand(const QGraphicsItem *item);
    void pushAllMoveResets(const Note *note, int type);

public slots:
    // view/score_align.cpp: aligning items
    void alignItemsHorizontallyCommand();
    void alignItemsVerticallyCommand();

public:
    // view/score_align.cpp (continued)
    // Lines the selected movable items up on the first of them: across the
    // alignment direction they take its coordinate, along it they keep
    // their own. One "move selected items" step; lyrics are left alone on
    // a vertical page. The score is marked changed and regenerated.
    void alignItemsCommand(bool horizontally);

public:
    // view/score_item_offsets.cpp: the one rule from a hand-placed item's
    // scene position to the user offset of its model object, for dragging,
    // the arrow keys and aligning alike
    // The item's tags read with the reader of its type (model/itemtags.h).
    ItemTags readItemTags(const QGraphicsItem *item) const;
    // Millimetres: the point the item's offset counts from. False for note
    // glyphs, untagged items and tags that name no model object.
    bool itemOffsetOrigin(const QGraphicsItem *item, QPointF *origin) const;
    // The offset (note sizes; credits millimetres) that makes the next
    // regeneration draw the item's model object with its position at
    // `scenePos`. False where itemOffsetOrigin is false.
    bool itemOffsetAt(const QGraphicsItem *item, const QPointF &scenePos, QPointF *offset) const;
    // Millimetres: where a placed slur's offset counts from.
    QPointF slurOrigin(const ItemTags &t, Note *note) const;
    // Note sizes a notation of `part` is drawn off its note across the line
    // beside its stored offset.
    double notationCorrection(const Notation *notation, int part) const;
    // The move command that stores `offset` on the item's model object,
    // its text set; with `spanRefresh` a slur or wavy line asks for a
    // refresh too. Null for kinds without one and stale tags.
    QUndoCommand *makeItemMoveCommand(const QGraphicsItem *item, const QPointF &offset,
                                      bool spanRefresh);
    // The scene item the generation made for the item's model object (the
    // item itself when the object keeps none).
    QGraphicsItem *modelItemOf(QGraphicsItem *item) const;

public:
    // view/score_moves.cpp: the arrow keys, the view's key handler, slur
    // curve shifts and the redraw of spans after a move
    // The argument of moveItemsCommand.
    enum MoveDirection : int
    {
        MoveRight = 0,
        MoveLeft = 1,
        MoveUp = 2,
        MoveDown = 3
    };
    // Moves every selected item one scene unit in one "move selected items"
    // step; a selected staff-notation note glyph shifts its chord instead
    // (no undo) and the score regenerates. False only with nothing selected.
    bool moveItemsCommand(int direction);
    // Bends the left (shift1) or right half of every selected slur up or
    // down by one step, one undo step per slur, then regenerates and
    // selects the notations again. Nothing without a selection.
    void slurShiftUpDownCommand(bool shift1, bool up);
    // After a move whose commands reshape spans: notes the selected
    // notations, directions and directives, asks for one regeneration from
    // the event loop and selects them again once it has run.
    void requestMoveRefresh();
    bool reselectAfterRegeneration = false;

public slots:
    // The slur curve controller's buttons (DialogSlurControl).
    void slurLeftStrong();
    void slurLeftWeak();
    void slurRightStrong();
    void slurRightWeak();
    void slurWholeStrong();
    void slurWholeWeak();

protected:
    // Arrows move the selection (or scroll by 30 with nothing selected),
    // Ctrl/Alt with the arrows across the line bend slurs, X and Ctrl+X
    // invert. Always accepted; the base view never sees a key.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void shiftStaffNote(const QGraphicsItem *item, int direction);
    void reverseByKey();

public slots:
    // view/score_view.cpp: the view's zoom, scrolling, painting and view
    // slots
    void slurShiftControl();
    // Centres the view on a scene point / zooms by 1.05 or 1 / 1.05; fed by
    // the navigator.
    void navigatePos(const QPointF &scenePoint);
    void navigateMagnify(bool magnify);

public:
    // view/score_view.cpp (continued): zoom, hand offsets and selecting
    // again after a regeneration
    // The view's transform becomes a pure scale by `factor` (no bounds).
    void setZoom(double factor);
    // By 1.02 or 1 / 1.02 under the mouse.
    void zoomIn();
    void zoomOut();
    // Back to 0.6, centred on the middle of the first page (the rightmost
    // one in vertical writing).
    void zoomReset();
    // Clears the hand offsets of credits (the flag only), directions,
    // octave-instruction marks, notations and lyrics, without undo; the
    // score is marked changed and drawn anew at the next regeneration.
    void resetAllItemOffsets();
    // Select the new items of the objects the selection lists name (see
    // view/score_selection.cpp). A record that names no object or no item
    // any more is passed over with a debug line; an empty list leaves the
    // scene's selection as it is.
    void reselectNoteItems();
    void reselectDirectionItems();
    void reselectNotationItems();
    void reselectDirectiveItems();
    void reselectMeasures();

protected:
    // Alt: sideways by 30; Ctrl: zoom under the mouse; plain: up or down by
    // 30. Always accepted.
    void wheelEvent(QWheelEvent *event) override;
    // Accepts every move, so that a drop can follow anywhere.
    void dragMoveEvent(QDragMoveEvent *event) override;
    // Reports the visible scene rectangle (sigScoreRepainted), then paints.
    void paintEvent(QPaintEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

public slots:
    // view/score_font_reverse.cpp: font change, reversal and note-shift
    // reset
    void fontChangeCommand();
    void reverseCommands();
    void resetNoteShiftCommand();

public slots:
    // view/score_note_names.cpp: note-name changes
    // Opens the note-name dialog on the first selected note glyph when its
    // pitch has two or more accepted names; changes nothing itself.
    void noteNameChangeCommand();
    // Gives `name` to every selected note glyph in one undo step, then
    // regenerates.
    void noteNameChangeApply(const QString &name);

public:
    // Pushes what naming `note` `name` takes (no macro, no regeneration):
    // nothing when it already bears that name; else its quoted name is
    // deleted, a new one added for an alternative name (for any name when
    // `onlyForAlternatives` is false), and the chosen name set.
    void changeNoteName(Note *note, const QString &name, bool onlyForAlternatives);

public slots:
    // view/score_scale_transpose.cpp: scale and transpose edits
    // Both open their dialog only when the first selected item is a
    // directive of the matching kind.
    void noteDirectiveScaleChangeCommand();
    void noteDirectiveTransposeChangeCommand();
    // The scale editor's report: one undo step replacing the edited note's
    // live scale directive, then a regeneration. Nothing without one.
    void scaleChange(const QString &scaleText);
    // The transpose dialog's report: one undo step writing `step` into the
    // directive last handed to the dialog, then a regeneration.
    void transposeChange(int step);

public:
    // Opens a new scale editor on the note's directive `directiveIndex`,
    // with a message naming part `partIndex` (shown 1-based).
    void editScaleDirective(Note *note, int partIndex, int directiveIndex);

private:
    void openScaleEditor(Note *note, int partIndex, Directive *directive, bool withMessage);
    Directive *firstSelectedDirective(Note **note, int *partIndex) const;

public slots:
    // view/score_directives.cpp: directive commands
    // Each passes the directive text of its context-menu action to
    // addDirectiveLongRepeat or addDirectives.
    void directiveCommand1();
    void directiveCommand2();
    void directiveCommand3();
    void directiveCommand4();
    void directiveCommand5();

public:
    // Gives `text` to every selected note glyph that may take it, in one
    // undo step, warning once per refused note; then regenerates. An empty
    // text adds nothing.
    void addDirectives(QString text);
    // Turns the first one or two selected note glyphs into a long-repeat
    // range and pushes its directive. 0: done, or no range; 1: an end is a
    // chord member other than the first; 2: the range overlaps a long
    // repeat.
    int addDirectiveLongRepeat(QString text);
    // One undoable addition of a new directive for `text` to the note; no
    // macro, no regeneration. The note owns the directive.
    Directive *addDirectiveToNote(Note *note, const QString &text);
    // The index in the note's list of its first live directive of
    // DirectiveType `type`; -1 when none.
    int noteDirectiveIndex(const Note *note, int type) const;

private:
    void runDirectiveAction(const QAction *action);
    // The warning a note refuses `text` with (empty: it may take it).
    QString directiveRefusal(const Note *note, int voiceIndex, const QString &text) const;
    // Opens the transpose dialog on the transpose directive.
    void editTranspose(Directive *directive);
    // The notes inside some long repeat of the voice, read through every
    // measure in order.
    QSet<const Note *> notesInLongRepeats(int partIndex, int voiceIndex) const;

public:
    // view/score_lyric_macros.cpp: whole lyric lines of one part: deleting
    // them, placing them by the staff, and turning note names typed as
    // lyrics into pitches and names. A part index out of range does nothing.
    // Marks every live lyric of the part numbered `number` (0: every
    // number) deleted, in the macro "deleteLyrics2"; does not regenerate.
    void deleteLyrics2(int part, int number);
    // Places every lyric numbered exactly `number` above the notes
    // (`position` 0), below them (1) or close to them (2), as a user offset
    // in note sizes, in the macro "moveLyrics2"; does not regenerate. Reads
    // the stem ends of the last regeneration.
    void moveLyrics2(int part, int number, int position);
    // Gives each note of the part of a shakuhachi, koto or sangen style the
    // pitch and name its lyrics numbered `number` (0: every lyric) name, in
    // the macro "convLyricsToPitches", then regenerates once when anything
    // changed. The lyrics stay.
    void convLyricsToPitches(int part, int number);

private:
    // One syllable's result pushed onto its note.
    void applyLyricPitch(Note *note, const NoteNames::LyricPitch &choice);

public:
    // notenames/score_lyric_pitches.cpp: what a note name typed as a lyric
    // asks of its note; computes only, pushes nothing
    // The pitch and name `token` asks of `note` in a part of style
    // `notationStyle`, given the voice's two previous results (before, then
    // last; NoteNames::noLyricPitch when none). Pitch 0 for a note without a
    // pitch element; NoteNames::noLyricPitch when the token names no pitch
    // the note's scale lists or a pitch cannot spell, and for styles
    // without syllables (4, 8 to 13).
    NoteNames::LyricPitch convLyricToPitch(int notationStyle, const Note *note,
                                           const QString &token, int before, int last) const;
    // The first key, ascending, of the note's scale listing `name` (compared
    // lower-cased), less the note's shift; NoteNames::noLyricPitch when none.
    int getPitchOfNoteName(const Note *note, const QString &name) const;
    // The MusicXML spelling of a pitch number (inverse of getPitchNumber),
    // black keys as flats; "" with alter and octave 0 when it cannot spell.
    static QString pitchToStepAlterOctave(int pitch, int &alter, int &octave);
    // A live directive of the note has exactly this text.
    static bool noteHasDirective(const Note *note, const QString &text);
    // The note's element has a `pitch` (rests and unpitched notes have none).
    static bool noteHasPitch(const Note *note);

public slots:
    // view/score_selection.cpp: selection tracking
    // Each rebuilds its list from the scene's selection, in the order of
    // Scene::selectedItems(), from the items of its kind: measures (the
    // displayed-measure index), note glyphs, directions, notations and
    // directives. The other lists keep what they hold.
    void setSelectedMeasures();
    void setSelectedNotes();
    void setSelectedDirections();
    void setSelectedNotationItems();
    void setSelectedDirectiveItems();
    // The scene's selection changed: repaints the scene; the lists stay.
    void selectionChanged();

public:
    // view/score_settings_updates.cpp: whole-score settings changes, each
    // one undo step outside any macro, and the regeneration that shows it
    // Pushes an UpdateStyle of `newStyle` (copied; the caller keeps it) and
    // regenerates, unless the style equals the current one: then nothing.
    void updateStyleCommand(const Style *newStyle);
    // Always pushes an UpdatePart and regenerates, even for equal parts.
    // `newParts` holds one entry per part of the score (copied).
    void updatePartCommand(const QList<Part *> &newParts);
    // With `resetOffsets` first clears every hand offset (no undo; marks
    // the score changed). Then like updateStyleCommand for the page.
    void updatePageCommand(const Page *newPage, bool resetOffsets);
    // Pushes the switch of the style's multi-measure rests; regenerates.
    void multiMeasureRests();
    // Pushes every measure back to scale 1.0, marks changed, regenerates.
    void resetSizeMeasures();

public:
    // view/score_development.cpp: the development menu's operations
    // Rebuilds the model from its own score-file text and regenerates. The
    // undo history and the selection go with the old model (see
    // rebuildModel); unsaved changes still count afterwards.
    void cleanRefresh();
    // Stores `on` in dSw; switching on says so in the debug output.
    void setDebugSwitch(bool on);
    // Writes every command of the undo stack and its index to the debug
    // output.
    void listUndoCommands();

public:
    // view/score_log.cpp: the log of completed commands (logText), shown by
    // the log dialog
    // Appends `text` as it is (no separator) and sends the whole log.
    void appendLog(const QString &text);
    // Empties the log and sends it, also when it was empty.
    void clearLog();

public:
    // view/score_adjusters.cpp: the layout controller's adjusters. Each call
    // is one click: the changed setting goes through the settings update
    // commands above (one undo step; none when nothing changed), the score
    // is marked changed and regenerated exactly once.
    // Stepped: true is the wider, larger or longer button.
    void changeGapChordNote(bool wider);
    void changeGapVoice(bool wider);
    void changeMaxChordWidth(bool wider);
    void changeHeaderWidth(bool wider);
    void changeNoteFontSize(bool larger);
    void changeNotePosOffset(bool larger);
    void changeMeasuresPerStage(bool more);
    void changePartWidth(bool wider);
    void changeSpaceBetweenStages(bool wider);
    void changeMeasureLength(bool longer);
    // Switches: the page setting takes the argument.
    void setScoreHorizontal(bool horizontal);
    void setGridLayout(bool grid);
    void setMeasuresAutomatic(bool automatic);
    void setEqualLength(bool equal);
    void setTimeProportional(bool proportional);
    void setExpandLastStage(bool expand);
    void setExpandLastPage(bool expand);
    // The time-tick ratio `percent` of the way from the style's lower to its
    // upper bound; not clamped (the controller passes 0..100).
    void setUniformity(int percent);

private:
    // Apply `step` to a copy of the page or style settings, push the copy
    // when it differs, then mark changed and regenerate once.
    void adjustPage(const std::function<void(Page *)> &step);
    void adjustStyle(const std::function<void(Style *)> &step);
    void finishAdjustment(bool pushed);

public:
    // view/score_breaks_scaling.cpp: user breaks on the selected measures
    // and the user scale of selected measures and marks
    // One macro of one break command per selected measure item (the
    // displayed measure its tag names; none for a tag past the list), then
    // the regeneration and the same measures selected again.
    void insertLineBreak();
    void insertPageBreak();
    void insertWhitePageBreak();
    // One macro "measure scale change": every selected measure, notation
    // and directive scaled by 1.1 (little: 1.01), every direction by 1.1
    // (little: 1.005); `longer` multiplies, else divides. With automatic
    // line breaks the line breaking starts afresh. Regenerates and selects
    // the same objects again.
    void scaleItemsCommand(bool longer, bool little);

private:
    // `make` builds the break command of one measure.
    void insertBreaks(const QString &macroName, const QString &commandText,
                      const std::function<QUndoCommand *(Measure *)> &make);

public:
    // document/score_text_options.cpp: the offset and font options at the
    // end of a text, and the offset and font elements
    // Splits a trailing "{x,y}" off the text. `found` tells whether one was
    // there; `offset` (millimetres) is written only then.
    static QString parseOffsetString(QString text, bool &found, QPointF &offset);
    // Splits a trailing "{f:description}" off the text; when `found`, the
    // description has been applied to `font` (a rejected one leaves it).
    static QString parseFontString(QString text, bool &found, QFont &font);
    // "{x,y}" with three significant digits each.
    static QString makeOffsetString(double x, double y);
    // "{f:" + QFont::toString + "}".
    static QString makeFontString(const QFont &font);
    // Attributes x and y of a tarn-offset; absent or malformed reads 0.
    static QPointF parseOffsetXml(const QDomElement &element);
    // The font described by the element's text; the default font when the
    // text is no description.
    static QFont parseFontXml(const QDomElement &element);

    // document/score_part_list.cpp: the part list and the tarn-part of each
    // score-part
    // Appends a tarn-part with the source's part k to the k-th score-part
    // of `partList` (part groups skipped); made in this score's document.
    void writePartListXml(const Score *source, QDomElement &partList);
    // Appends one new score-part holding a tarn-part (with "part-collapse")
    // per part of the source to `parent`.
    void createScorePartXml(const Score *source, QDomElement &parent);
    // Replaces the parts (the old ones are deleted) by one Part per
    // score-part of `partList`, in document order; ids play no part.
    void parsePartList(const QDomElement &partList);

    // document/score_credits.cpp: the credit texts and their tarn- elements
    // Appends one Credit per credit-words child of `credit`. A credit without
    // a font of its own takes the current style's default font.
    void parseCredit(const QDomElement &credit);
    // Appends to `creditWords` (an element of this score's document) the
    // tarn- elements of the source's credit `index` that `mode` carries.
    // `index` must be valid in source->credits.
    void writeCreditXml(const Score *source, QDomElement &creditWords, int index,
                        ScoreXmlMode mode);

    // document/score_property.cpp: the creation property "tarn-property"
    // Inserts tarn-property as the first child element of `scorePartwise`
    // and renews lastUpdate.
    void writePropertyXml(QDomElement &scorePartwise);
    // creatorVersion and lastUpdate from a tarn-property, and
    // recoveredSourcePath from an autosave file's.
    void parseProperty(const QDomElement &element);
    // The file an autosave file stands for: written into its tarn-property
    // (never into a score file) and read back when it is reopened, so that
    // Save offers that file and the tab bears its name. Empty when unknown.
    QString recoveredSourcePath;
    // Set while autoSave builds its text.
    bool buildingAutoSave = false;
    // The file this score stands for: the one it was recovered from while
    // it is kept in the autosave folder, else its file, else the MusicXML
    // file it was imported from.
    QString sourcePath() const;
    // The last-update text of a moment: "yyyy/MM/dd - hh:mm:ss", local time.
    static QString lastUpdateText(const QDateTime &moment);
    // Where writePropertyXml takes the current time from; null means the
    // system clock. Tests fix it to compare two builds byte for byte.
    QDateTime (*updateClock)() = nullptr;

    // document/score_loading.cpp: loading the score document into the model
    // Each load rebuilds the whole model. The new model is built while the
    // old one is held aside; only when the new one stands do the old parts,
    // credits and measures go, and with them everything that points into
    // them: the scene's items, the undo stack, the selection and the drawing
    // helpers' open slots. A refused load changes nothing at all (document,
    // model, settings, picture, undo stack, selection): the user is told why
    // through the prompter and the result is empty. Refused are text that is
    // not XML or nests deeper than DomFromText::maxDepth, a document that
    // cannot be a score, music the model cannot hold (a voice outside
    // 1..32, a staff outside 1..8), and a score that would take more memory
    // than MemoryBudget allows: a text of more elements than the budget
    // holds is refused before its document is built, and a score whose
    // layout would not fit (LayoutCost) once its measures are read.
    // Texts longer than DomFromText::longestText are cut to it, with one
    // line in the log.
    void cutLongTexts(QDomDocument &document);
    // Loads documentText, then lets the text go (the document holds what
    // it said, and saving builds it anew); with `readEnv` the environment
    // file is then applied (imports of MusicXML as a new score only). The
    // result is the name of the software that wrote it ("Unknow" when it
    // names none).
    std::optional<QString> parseScoreXml(bool readEnv);
    // Reads settings, parts and credits of the document as it stands into
    // a model emptied first, and collects the part elements; no measures.
    // Refuses a document that cannot be a score like parseScoreXml, before
    // anything changes.
    std::optional<QString> parseScorePartwise();
    // Loads the document as it stands, without touching documentText.
    bool reparseScore();
    // One Measure (with its Aligner and one MePart per part) per measure
    // element of the first part; the other parts' measures pair by position.
    bool createMeasures();

private:
    // The part of the score a load replaces, held aside while the new one
    // is built (see swapModel).
    struct HeldModel
    {
        QDomDocument document;
        QList<Part *> parts;
        int numParts = 0;
        QList<Credit *> credits;
        QList<Measure *> measures;
        int numMeasures = 0;
        QDomElement partListElement;
        QList<QDomElement> partElements;
        QString creatorVersion;
        QString lastUpdate;
        QString wordFontFamily;
        QString lyricFontFamily;
    };
    // Parses `text` into a document of its own and loads that.
    std::optional<QString> loadText(QString text);
    // Builds a new model from `candidate`, which becomes the score's
    // document only when the load succeeds.
    std::optional<QString> loadDocument(const QDomDocument &candidate);
    void swapModel(HeldModel &held);
    // The walk over the children of score-partwise; returns the software.
    QString readScorePartwise(const QDomElement &scorePartwise);
    // Why the document cannot be loaded, or "" when it can.
    QString documentFault(const QDomDocument &candidate) const;
    void refuseLoad(const QString &reason) const;
    // Forgets everything that points into the model, then deletes it.
    void releaseModel();
    // Deletes the model objects and empties their lists, nothing else.
    void deleteModelObjects();

public:
    // document/score_build_document.cpp: the whole-document builder
    // Writes the model back into the score document in place, in `mode`,
    // and returns the document's text (one space of indentation). Every
    // `tarn-` element is written afresh, so two builds add nothing twice.
    // A document without score-partwise is returned unchanged.
    QString buildScoreXml(ScoreXmlMode mode);
    // The build of everything but the parts' measures into `root` (the
    // document's score-partwise, or a copy of it): the score-wide settings,
    // the credits and the part list.
    void buildScoreHeadXml(QDomElement &root, ScoreXmlMode mode);
    // Removes every descendant element whose tag begins with "tarn-".
    // Always true.
    bool removeExtensionElements(QDomElement element);

private:
    // Mode 4: the parts whose lyrics are output take the staff lyric font.
    void useStaffLyricFontForLyricParts();

public:
    // document/score_build_part.cpp: the part writer
    // Writes the model's part `partIndex` into the measures of `part`:
    // measure-level elements (first part only), ending offsets, notes and
    // directions. Measures and notes the model does not hold stay as they
    // are. Always true.
    bool buildPartXml(QDomElement &part, int partIndex, ScoreXmlMode mode);
    // Note `noteIndex` of a voice (0..31) of a part in a measure; null for
    // indices outside the model.
    Note *noteAt(int measureIndex, int partIndex, int voiceIndex, int noteIndex) const;

private:
    void buildMeasureXml(QDomElement &element, int measureIndex, int partIndex, ScoreXmlMode mode,
                         const NoteNames::GlyphCharMap &glyphMap, const VoiceNumbering &voices);

public:
    // document/score_build_note.cpp: the note writer
    // Writes `note` into its element: pitch, the user's adjustments of its
    // notation marks, fingering and directive texts, its own elements and
    // its lyrics (deleted ones taken out, except in mode 3).
    void buildNoteXml(QDomElement &element, Note *note, ScoreXmlMode mode);

    // document/score_direction_writer.cpp: the direction writer
    // Appends the adjustments of the source's Directions to the items of
    // `direction` (an element of this score's document), pairing its k-th
    // item with Direction firstIndex + k of that voice. Returns the number
    // of items counted; items without a Direction are counted but not
    // written.
    int writeDirectionXml(const Score *source, QDomElement &direction, int measureIndex,
                          int partIndex, int voiceIndex, int firstIndex);

private:
    void appendDirectionItemXml(QDomElement &item, const Direction *direction);

public:
    // document/score_pitch_lyric_xml.cpp: pitch, glyph lyric and default
    // lyric font elements
    // A new `pitch` of this score's document, not inserted anywhere; no
    // `alter` for alteration 0.
    QDomElement createPitchElement(const QString &step, int alter, int octave);
    // A lyric of `number` with `text` in the note's element, in place of
    // the note's lyric of that number or after its children. An empty text
    // writes nothing.
    void writeLyricXml(Note *note, int number, const QString &text);
    // Sets defaults/lyric-font to `family` and the style's staff-note font
    // size; without that element nothing changes (debug lines). Always true.
    bool updateDefaultLyricFont(const QDomElement &scorePartwise, const QString &family);

    // document/score_notation_cleanup.cpp: notations clean-up
    // Removes every `fingering` below `node`, then every `technical` or
    // `notations` at or below it that is left without children. Always
    // true.
    bool cleanNoteNotationsXml(QDomNode node);
    // Removes every element named `tag` below `node`. Always true.
    bool removeElementsByTag(QDomNode node, const QString &tag);
    // Writes `texts` as fingering texts of a new `technical` of the note
    // and reads its notations, fingerings and directives again.
    void updateNoteNotationXml(Note *note, const QStringList &texts);

public:
    // document/score_file_io.cpp: reading and writing score files, removing
    // the autosave file and the file property box
    // Reads a score file (decoded by its BOM or declaration) into
    // documentText and sets filePath. A file that cannot be read is
    // reported ("Can't read file") and nothing changes; false.
    bool readFile(const QString &path);
    // Reads an imported MusicXML file: musicXmlFilePath = `path` as passed,
    // filePath = "". A "/" before a drive letter ("/C:/...") is dropped
    // before opening; other paths open as given.
    bool readMusicXmlFile(const QString &path);
    // Builds the score file into documentText, then writes it to filePath,
    // clears the changed flags and marks the undo stack clean. False without writing for an empty
    // filePath (silently) or a failed write (reported, old file untouched).
    bool saveFile();
    // Sets filePath to `path` (also when the write then fails) and writes
    // the score file there. The changed flag is left to the caller.
    bool saveFileAs(const QString &path);
    bool removeFile(const QString &path);
    // Deletes autoSavePath(); false when there was none.
    bool deleteAutoSavedFile();
    void showFileProperty();
    // Writes `text` as UTF-8 (no BOM) through SafeWrite: the target is
    // replaced only by a complete file. Failures are reported with the
    // write warning naming the file and the system's reason; false then.
    bool writeTextFile(const QString &path, const QString &text);
    bool writeFileBytes(const QString &path, const QByteArray &bytes);
    // The warning "Can't write file (path)!:\n<error>.".
    void reportWriteFailure(const QString &path, const QString &error);

public:
    // document/score_environment_file.cpp: the environment file that
    // carries page, style and part settings into an imitating import
    // The text of "<home>/VelmoraEnv.xml" for this score; the score document
    // is not touched.
    QString buildVelmoraEnvXml();
    // Applies the environment file to the current page, style and parts by
    // position. False when there is no file or it cannot be read (the
    // latter reported); true otherwise, also when nothing was usable.
    bool readVelmoraEnv();
    // Writes buildVelmoraEnvXml() to velmoraEnvPath(), replacing an older
    // file only by a complete one. False after a failed write (reported).
    bool writeVelmoraEnv();
    static QString velmoraEnvPath();

public:
    // document/score_musicxml_export.cpp: MusicXML export and the MuseScore
    // hand-off
    // Builds the score file into documentText, then writes `mode` (plain or
    // note-name lyrics) without any tarn- element, in one pass through the
    // document: the score-wide part, then measure by measure, each built
    // on a copy of its own and streamed to the file. Note-name lyrics
    // regenerate the score first. The score's document, model, undo
    // history and changed flag stay as they are. False when the file could
    // not be written (reported).
    bool exportMusicXMLFile(const QString &path, ScoreXmlMode mode);

public:
    // document/score_export_target.cpp: the files an export never replaces
    // True, after a warning naming the file and why, when `path` is the
    // score's own file, is named like a score file (".tnsx") or holds a
    // score whatever its name; the export then writes nothing.
    bool refuseExportTarget(const QString &path);
    // Exports to "<home>/velmora_exported.musicxml"; false when that failed.
    bool exportMusicXMLToMuseScore(ScoreXmlMode mode);
    static QString museScoreHandOffPath();

private:
    // The export's text of the whole document into `file`.
    bool streamMusicXml(SafeWrite::StreamedFile &file, ScoreXmlMode mode, QString &error);
    // The text of one part (from its start tag to its end tag) into `file`.
    bool streamPartXml(SafeWrite::StreamedFile &file, const QDomElement &part, int partIndex,
                       ScoreXmlMode mode, QString &error);
    // A copy of `child`, a child of the part `partIndex`, built in `mode` and
    // settled as the written text read back; `measureIndex` counts the
    // part's measures and moves on past a measure.
    QDomNode builtPartChild(const QDomNode &child, int partIndex, int &measureIndex,
                            ScoreXmlMode mode, const NoteNames::GlyphCharMap &glyphMap,
                            const VoiceNumbering &voices);

public:
    // document/score_glyph_texts.cpp: a note's glyphs as characters of the
    // staff lyric font
    // The characters of the note's glyphs (Note::glyphName, made by the last
    // regeneration) through `map`, with the marks the part's staff-note
    // switches select; "" before a regeneration and for a part index out
    // of range. An id the map lacks gives the "Undefined" character.
    QString getNoteGlyphText(const NoteNames::GlyphCharMap &map, const Note *note, int partIndex,
                             ScoreXmlMode mode) const;
    // The texts of the grace notes right before, or right after, note
    // `index` of a voice's `notes`, in document order; "" when there are
    // none or `index` is -1.
    QString getPrecedingGraceGlyphText(const NoteNames::GlyphCharMap &map,
                                       const QList<Note *> &notes, int index, int partIndex,
                                       ScoreXmlMode mode) const;
    QString getFollowingGraceGlyphText(const NoteNames::GlyphCharMap &map,
                                       const QList<Note *> &notes, int index, int partIndex,
                                       ScoreXmlMode mode) const;
    // Glyph lyrics take the plain forms in the MusicXML export, else the
    // forms of the page's writing direction.
    bool glyphLyricsHorizontal(ScoreXmlMode mode) const;

public:
    // document/score_glyph_lyrics.cpp: the glyph lyric lines of the lyric
    // modes
    // In the lyric modes, when the part writes staff notes: the note's
    // glyph text (its grace notes bracketed beside it) as lyric number base
    // + staff-note lyric start - 1, base being the note's line among the
    // part's voices and chords (its string for ShamisenBunka), and with
    // staff-note beams its beam glyph on the next line. Indices must be
    // valid; the score must have been regenerated.
    void writeGlyphLyricsXml(Note *note, int measureIndex, int partIndex, int voiceIndex,
                             const NoteNames::GlyphCharMap &map, ScoreXmlMode mode);
    // Gives `scorePartwise` a defaults/lyric-font when it has none, in
    // their MusicXML places, for the staff lyric font to be named there.
    void ensureDefaultLyricFont(QDomElement &scorePartwise);

private:
    QString trailingGraceGlyphText(const NoteNames::GlyphCharMap &map, const QList<Note *> &notes,
                                   int index, int partIndex, ScoreXmlMode mode) const;

public:
    // document/score_element_compare.cpp: whether two measure children of
    // two documents stand for the same music
    // Same tag, same text, the same identifying attributes of spanners
    // (beam number, slur type and number, ...) and, pairwise and in order,
    // the same child elements; every other attribute is ignored.
    static bool isSameSpannerXml(const QDomElement &a, const QDomElement &b);

    // document/score_duplicate_part.cpp: one part copied in the document
    // The score-file text of this score with part `partIndex` (from 0)
    // copied: the copied score-part (id + "-Dup") right before its source
    // in the part-list, the copied part right after its source part. Made
    // from the score-file text of the model as a save builds it (documentText
    // for a score never loaded), in a document of its own: the model keeps
    // its elements. A partIndex that matches no part gives the text
    // unchanged; empty (and a debug line) when the text has no
    // score-partwise.
    std::optional<QString> duplicateScoreXmlPart(int partIndex);

    // document/score_note_editors.cpp: a directive or a text below a note,
    // and a note's lyrics removed, in the note's own element
    // A new `fingering` holding the directive's text (and its tarn-offset
    // when moved) in the note's first notations/technical, made when
    // missing.
    QDomElement appendDirectiveFingeringXml(Note *note, const Directive *directive);
    // A `direction` placed below with `text` as words, right after the
    // note; nothing for an empty text.
    void insertWordsDirectionXml(Note *note, const QString &text);
    void removeNoteLyricXml(Note *note);

    // document/score_imported_update.cpp: the layout of a source score
    // carried into this freshly imported score
    // Writes the source's settings and per-item layout into this score's
    // document by position (credit i, part i, measure m, a voice's n-th
    // note, a note's k-th mark), then rebuilds the model from the text,
    // regenerates and marks the score changed; the file name stays. The
    // source is only read. Structure that differs is never an error: what
    // has no counterpart is left as imported.
    void updateImportedMusicXML(const Score *source);
    // The measures of one `part` element of this document amended from the
    // source's part `partIndex`.
    void updateImportedPartXml(const Score *source, QDomElement &part, int partIndex);

    // document/score_update_merge.cpp: the credits and measures of a revised
    // document merged into this score's document
    // Moves every credit and measure of newScore's document that differs
    // from this document's into it (newScore is unusable afterwards) and
    // returns how many were replaced, added or removed; -1 when the part
    // counts differ (a warning) or the user cancels the question on the
    // first part's measure counts. Only the parts both documents have are
    // walked. With cleanNotations fingering and directive texts do not
    // count. The caller rebuilds the model.
    int mergeUpdatedMusicXML(Score *newScore, bool cleanNotations);
    // The texts of `a` (its tarn- elements left out) and `b` are equal.
    bool isSameElementXml(const QDomElement &a, const QDomElement &b);
    // The forward, attributes, direction and note children stand for the
    // same music, position by position; print and tarn- elements never
    // count. Neither measure changes.
    bool isSameMeasureXml(const QDomElement &a, const QDomElement &b, bool cleanNotations);

public:
    // view/score_view.cpp: setting file name and document text together
    // Stores both and marks the score changed. Always true.
    bool setFileNameAndText(const QString &name, const QString &text);

public:
    // model/score_voice_usage.cpp: which voice slots a part uses
    // Bit v set when voice slot v of `part` holds a note in some measure.
    // Read afresh on each call (one pass over the measures in storage
    // order), so edits never leave it stale; whole-score passes that walk
    // one voice slot through every measure skip the unused slots with it.
    quint32 voicesHoldingNotes(int part) const;

public:
    // document/score_export_svg_pdf.cpp: SVG and PDF export of the pages
    // Both regenerate the score for output (no screen decorations, no
    // measure selection, clean output), render the scene page by page and
    // then restore the screen state and regenerate again. Each file is
    // written atomically; a file that cannot be written is reported ("Can't
    // write file ...") and the result is false (files written before it
    // stay). SVG: "<dir>/<base>_pNNN.svg" per page, per two-page spread for
    // landscape pages and the double sheets (numbered by the spread's first
    // page), or "<dir>/<base>_roll.svg" for the page roll. PDF: one PDF page
    // per page (per spread on the double sheets, one for the roll).
    // Neither writes (nor does the MusicXML export) where refuseExportTarget
    // refuses.
    bool exportSvgFile(const QString &path);
    bool exportPdfFile(const QString &path);
    // The base name of an SVG export: the file name without its extension,
    // without a trailing "_roll" or a trailing "_p" with digits.
    static QString svgExportBaseName(const QString &path);
    // The two halves of an export, for a caller that writes several outputs
    // from one regeneration and never shows the score again (the command-
    // line renderer): beginExportState regenerates for output (false when
    // the regeneration fails); the writers render the scene as it stands,
    // with the names and checks of the exports above; endExportState goes
    // back to the screen state and regenerates.
    bool beginExportState();
    bool writeSvgFiles(const QString &path);
    bool writePdfFile(const QString &path);
    bool endExportState();

private:
    // One source rectangle (scene units, truncated) per output sheet.
    QList<QRectF> exportSourceRects(bool spreads) const;
    bool exportSpreads() const;
    // One sheet as SVG bytes, drawn from the sheet's items (view/
    // sheetitems.h); empty (with the failure reported) when the generator
    // could not start.
    QByteArray renderSvgSheet(const QString &path, const QRectF &source, const QSizeF &sizeMm,
                              const QList<QGraphicsItem *> &items);
    bool renderPdf(QIODevice *device);
};
