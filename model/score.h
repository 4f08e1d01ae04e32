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
#include <QRectF>
#include <QString>

#include <memory>

class Credit;
class DialogTranspose;
class Measure;
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
    // layout/score_time_alignment.cpp: the time ticks of each measure
    // Rebuilds the measure's ticks from its time signature, divisions and
    // the length of its first voice (making its Aligner when it has none).
    // Returns 1.
    int setUpMeasureTics(Measure *measure);

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
