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

#include "notenames/glyph_char_maps.h"
#include "notenames/scale_builders.h"

#include <QDomDocument>
#include <QDomElement>
#include <QGraphicsView>
#include <QList>
#include <QPair>
#include <QRectF>
#include <QSet>
#include <QString>

#include <memory>
#include <vector>

class Credit;
class DialogTranspose;
class Directive;
class Measure;
class Note;
class NoteNameDialog;
class Page;
class Part;
class QAction;
class QProcess;
class QSvgRenderer;
class QTimer;
class QUndoStack;
class ScaleDialog;
class Scene;
class SelectedDirection;
class SelectedDirective;
class SelectedNotation;
class SelectedNote;
class Style;
class WatcherItem;

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
    QString documentText;
    QString musicXmlFilePath;
    QString lastText;
    QString creatorVersion;
    QString lastUpdate;
    QString lastUpdateRest;
    QString textFontFamily;
    bool cleanOutput = false;
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
    ScaleDialog *scaleDialog = nullptr;
    DialogTranspose *transposeDialog = nullptr;
    QDomElement partListElement;
    QList<QDomElement> partElements;
    // Null for a score made without autosave.
    QTimer *autoSaveTimer = nullptr;

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

private:
    QString resolveTextFontFamily() const;
    void createContextActions();
    void createDirectiveActions();

public:
    // model/score_part_defaults.cpp: the default settings of a part
    void setPartDefaults(Part *part) const;

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

public slots:
    // document/score_autosave.cpp: the autosave timer's slot
    // Does nothing unless changedSinceAutoSave is set; clears it.
    void autoSave();

public:
    // view/score_context_menu.cpp: the item context menu
    // Retranslates the two dialogs and sets the menu texts again.
    void retranslateContextMenu();
public slots:
    void changeBreakFitting();

public slots:
    // view/score_delete.cpp: deleting selected symbols
    void deleteSelectedSymbol();

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

public slots:
    // view/score_align.cpp: aligning items
    void alignItemsHorizontallyCommand();
    void alignItemsVerticallyCommand();

public slots:
    // view/score_view.cpp: the view's zoom, scrolling, painting and view
    // slots
    void slurShiftControl();

public slots:
    // view/score_font_reverse.cpp: font change, reversal and note-shift
    // reset
    void fontChangeCommand();
    void reverseCommands();
    void resetNoteShiftCommand();

public slots:
    // view/score_note_names.cpp: note-name changes
    void noteNameChangeCommand();
    void noteNameChangeApply(const QString &name);

public slots:
    // view/score_scale_transpose.cpp: scale and transpose edits
    void noteDirectiveScaleChangeCommand();
    void noteDirectiveTransposeChangeCommand();
    void transposeChange(int step);

public slots:
    // view/score_directives.cpp: directive commands
    void directiveCommand1();
    void directiveCommand2();
    void directiveCommand3();
    void directiveCommand4();
    void directiveCommand5();

public slots:
    // view/score_selection.cpp: selection tracking
    void selectionChanged();
};
