// The undo commands through the saved score file: for each command, the
// score file built before the push (A), after it (B, which shows the
// command's change), after its undo (A again, byte for byte) and after its
// redo (B again). Then each command family's own cases on the model: what
// a move, reset, reversal, directive, break, scale, font or note-name
// command keeps and gives back.
#include "dialogs/dialogtranspose.h"
#include "dialogs/scaledialog.h"
#include "document/directive_type.h"
#include "document/scorexmlmode.h"
#include "drawing/mytextitem.h"
#include "model/credit.h"
#include "model/direction.h"
#include "model/directive.h"
#include "model/fingering.h"
#include "model/harmonic.h"
#include "model/itemtags.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/stopped.h"
#include "model/style.h"
#include "model/upbow.h"
#include "model/voice.h"
#include "support/editablescore.h"
#include "support/messagecapture.h"
#include "support/scorefile.h"
#include "support/scriptedprompter.h"
#include "support/testenvironment.h"
#include "view/movecommands.h"
#include "view/notecommands.h"
#include "view/scene.h"
#include "view/settingcommands.h"
#include "view/textcommands.h"
#include "view/undomacro.h"

#include <QDateTime>
#include <QUndoStack>

#include <functional>
#include <memory>

namespace tst_undo_commands {

using TestSupport::directiveOf;
using TestSupport::dolce;
using TestSupport::editableScore;
using TestSupport::fermata;
using TestSupport::firstNote;
using TestSupport::firstVoice;
using TestSupport::notationOfKind;
using TestSupport::noteOf;
using TestSupport::slur;

namespace {

// A new directive as the directive palette makes one.
Directive *newDirective(const QString &text)
{
    auto *directive = new Directive;
    directive->kind = Score::getDirectiveType(text);
    directive->text = text;
    directive->displayText = Score::getDirectiveText(text);
    return directive;
}

QGraphicsItem *noteGlyph(Score &score, const Note *note)
{
    return score.measures.at(0)->getItemGraphicsItem(0, 0, note->firstAlignItem);
}

// The first note of the first measure with an alternative name and no name
// of the user's.
Note *renamable(Score &score)
{
    for (Note *note : std::as_const(firstVoice(score, 0)->notes)) {
        if (note->directName.isEmpty() && score.getNoteNameList(note).size() >= 2)
            return note;
    }
    qFatal("no note with an alternative name");
    return nullptr;
}

QFont titleFont()
{
    return QFont(QStringLiteral("Arial"), 17);
}

// Runs `edit` with a font picker that answers titleFont().
void withFontAnswer(const std::function<void()> &edit)
{
    TestSupport::prompter().fontAnswers.enqueue(titleFont());
    edit();
    TestSupport::prompter().fontAnswers.clear();
}

using Prepare = std::function<void(Score &)>;
using Make = std::function<QUndoCommand *(Score &)>;
using Act = std::function<void(Score &)>;

// One command through the saved file: `prepare` sets up the model before
// A is built; B holds `added` more often than A, and `removed` less often.
struct RoundTrip
{
    QString name;
    QString text;
    Prepare prepare;
    Make make;
    QString added;
    QString removed;
    // Set for an editing operation of the score, run in place of pushing
    // `make`'s command.
    Act act = {};
};

const QString offsetText = QStringLiteral("<tarn-offset x=\"1.25\" y=\"-2.5\"/>");
const QPointF offset(1.25, -2.5);

template <class Target> void moveTo(Target *target)
{
    target->setOffset(offset.x(), offset.y());
}

QList<RoundTrip> moveRows()
{
    const auto none = [](Score &) {};
    return {
        {"CreditMove",
         "CreditMove",
         none,
         [](Score &s) { return new CreditMove(&s, s.credits.at(0), offset); },
         offsetText,
         {}},
        {"DirectionMove",
         "DirectionMove",
         none,
         [](Score &s) { return new DirectionMove(&s, dolce(s), offset); },
         offsetText,
         {}},
        {"DirectiveMove",
         "DirectiveMove",
         none,
         [](Score &s) {
             return new DirectiveMove(&s, directiveOf(firstNote(s), ".noPrev"), offset);
         },
         offsetText,
         {}},
        {"NotationMove",
         "NotationMove",
         none,
         [](Score &s) { return new NotationMove(&s, fermata(s), offset); },
         offsetText,
         {}},
        {"FingeringMove",
         "FingeringMove",
         none,
         [](Score &s) { return new FingeringMove(&s, firstNote(s)->fingerings.at(0), offset); },
         offsetText,
         {}},
        {"HarmonicMove",
         "HarmonicMove",
         none,
         [](Score &s) { return new HarmonicMove(&s, firstNote(s)->harmonic, offset); },
         offsetText,
         {}},
        {"StoppedMove",
         "StoppedMove",
         none,
         [](Score &s) { return new StoppedMove(&s, firstNote(s)->stopped, offset); },
         offsetText,
         {}},
        {"UpBowMove",
         "UpBowMove",
         none,
         [](Score &s) { return new UpBowMove(&s, firstNote(s)->upBow, offset); },
         offsetText,
         {}},
        {"OctaveInstMove",
         "OctaveInstMove",
         none,
         [](Score &s) { return new OctaveInstMove(&s, firstNote(s), offset); },
         "<tarn-octave-instruction-offset x=\"1.25\" y=\"-2.5\"/>",
         {}},
        {"LyricMove",
         "LyricMove",
         none,
         [](Score &s) { return new LyricMove(&s, firstNote(s)->lyrics.at(1), offset); },
         offsetText,
         {}},
        {"EndingMove",
         "EndingMove",
         none,
         [](Score &s) { return new EndingMove(&s, s.measures.at(0), offset); },
         offsetText,
         {}},
    };
}

QList<RoundTrip> resetRows()
{
    return {
        {"CreditMoveReset",
         "CreditMoveReset",
         [](Score &s) { moveTo(s.credits.at(0)); },
         [](Score &s) { return new CreditMoveReset(&s, s.credits.at(0)); },
         {},
         offsetText},
        {"DirectionMoveReset",
         "DirectionMoveReset",
         [](Score &s) { moveTo(dolce(s)); },
         [](Score &s) { return new DirectionMoveReset(&s, dolce(s)); },
         {},
         offsetText},
        {"DirectiveMoveReset",
         "DirectiveMoveReset",
         [](Score &s) { moveTo(directiveOf(firstNote(s), ".noPrev")); },
         [](Score &s) { return new DirectiveMoveReset(&s, directiveOf(firstNote(s), ".noPrev")); },
         {},
         offsetText},
        {"NotationMoveReset",
         "NotationMoveReset",
         [](Score &s) { moveTo(fermata(s)); },
         [](Score &s) { return new NotationMoveReset(&s, fermata(s)); },
         {},
         offsetText},
        {"FingeringMoveReset",
         "FingeringMoveReset",
         [](Score &s) { moveTo(firstNote(s)->fingerings.at(0)); },
         [](Score &s) { return new FingeringMoveReset(&s, firstNote(s)->fingerings.at(0)); },
         {},
         offsetText},
        {"HarmonicMoveReset",
         "HarmonicMoveReset",
         [](Score &s) { moveTo(firstNote(s)->harmonic); },
         [](Score &s) { return new HarmonicMoveReset(&s, firstNote(s)->harmonic); },
         {},
         offsetText},
        {"StoppedMoveReset",
         "StoppedMoveReset",
         [](Score &s) { moveTo(firstNote(s)->stopped); },
         [](Score &s) { return new StoppedMoveReset(&s, firstNote(s)->stopped); },
         {},
         offsetText},
        {"UpBowMoveReset",
         "UpBowMoveReset",
         [](Score &s) { moveTo(firstNote(s)->upBow); },
         [](Score &s) { return new UpBowMoveReset(&s, firstNote(s)->upBow); },
         {},
         offsetText},
        {"OctaveInstMoveReset",
         "OctaveInstMoveReset",
         [](Score &s) { firstNote(s)->setOctaveInstOffset(offset.x(), offset.y()); },
         [](Score &s) { return new OctaveInstMoveReset(&s, firstNote(s)); },
         {},
         "<tarn-octave-instruction-offset x=\"1.25\" y=\"-2.5\"/>"},
        {"LyricMoveReset",
         "LyricMoveReset",
         [](Score &s) { moveTo(firstNote(s)->lyrics.at(0)); },
         [](Score &s) { return new LyricMoveReset(&s, firstNote(s)->lyrics.at(0)); },
         {},
         offsetText},
        {"EndingMoveReset",
         "EndingMoveReset",
         [](Score &s) {
             s.measures.at(0)->endingOffsetX = offset.x();
             s.measures.at(0)->endingOffsetY = offset.y();
         },
         [](Score &s) { return new EndingMoveReset(&s, s.measures.at(0)); },
         {},
         offsetText},
    };
}

QList<RoundTrip> shapeRows()
{
    const auto none = [](Score &) {};
    return {
        {"SlurShiftChange",
         "SlurShiftChange",
         none,
         [](Score &s) { return new SlurShiftChange(&s, slur(s), 3.0, -6.0); },
         "<tarn-slur-control y1=\"3\" y2=\"-6\"/>",
         {}},
        {"TieReverseUserCommand",
         "",
         none,
         [](Score &s) { return new TieReverseUserCommand(&s, noteOf(s, 0, 1)); },
         "<tarn-tie-reverse/>",
         {}},
        {"SlurReverseUserCommand",
         "",
         none,
         [](Score &s) { return new SlurReverseUserCommand(&s, slur(s), 2); },
         "<tarn-slur-placement placement=\"below\"/>",
         {}},
        {"ResetNoteShift",
         "",
         [](Score &s) {
             firstNote(s)->noteShiftMajor = 1.5;
             firstNote(s)->noteShiftSub = 0.5;
         },
         [](Score &s) { return new ResetNoteShift(&s, firstNote(s)); },
         {},
         "<tarn-note-shift major=\"1.5\" sub=\"0.5\"/>"},
    };
}

QList<RoundTrip> settingRows()
{
    const auto none = [](Score &) {};
    const auto breakOn = [](int type) {
        return [type](Score &s) { s.measures.at(1)->userBreakType = type; };
    };
    return {
        {"UpdatePage",
         "UpdatePage",
         none,
         [](Score &s) {
             Page settings;
             settings.copyFrom(s.page);
             settings.measurePerLine = 7;
             return new UpdatePage(&s, &settings);
         },
         "<measure-per-line>7</measure-per-line>",
         {}},
        {"UpdateStyle",
         "UpdateStyle",
         none,
         [](Score &s) {
             Style settings;
             settings.copyFrom(s.style);
             settings.multiMeasureRests = !s.style->multiMeasureRests;
             return new UpdateStyle(&s, &settings);
         },
         "<multi-measure-rests>true</multi-measure-rests>",
         {}},
        {"UpdatePart",
         "UpdatePart",
         none,
         [](Score &s) {
             QList<Part *> settings = s.copyPartList(s.parts);
             settings.at(0)->instrumentKey = 2;
             auto *command = new UpdatePart(&s, settings);
             qDeleteAll(settings);
             return command;
         },
         "<instrument-key>2</instrument-key>",
         {}},
        {"InsertLineBreak",
         "InsertLineBreak",
         none,
         [](Score &s) { return new InsertLineBreak(&s, s.measures.at(1)); },
         "<tarn-linebreak/>",
         {}},
        {"InsertPageBreak",
         "InsertPageBreak",
         none,
         [](Score &s) { return new InsertPageBreak(&s, s.measures.at(1)); },
         "<tarn-pagebreak/>",
         {}},
        {"InsertWhitePageBreak",
         "InsertWhitePageBreak",
         none,
         [](Score &s) { return new InsertWhitePageBreak(&s, s.measures.at(1)); },
         "<tarn-whitepagebreak/>",
         {}},
        {"InsertLineBreak over a page break", "InsertLineBreak", breakOn(2),
         [](Score &s) { return new InsertLineBreak(&s, s.measures.at(1)); }, "<tarn-linebreak/>",
         "<tarn-pagebreak/>"},
        {"InsertPageBreak over a line break", "InsertPageBreak", breakOn(1),
         [](Score &s) { return new InsertPageBreak(&s, s.measures.at(1)); }, "<tarn-pagebreak/>",
         "<tarn-linebreak/>"},
        {"InsertWhitePageBreak over a page break not fitted", "InsertWhitePageBreak", breakOn(5),
         [](Score &s) { return new InsertWhitePageBreak(&s, s.measures.at(1)); },
         "<tarn-whitepagebreak/>", "<tarn-pagebreak-nonfit/>"},
        {"DeleteLineBreak",
         "DeleteLineBreak",
         breakOn(4),
         [](Score &s) { return new DeleteLineBreak(&s, s.measures.at(1)); },
         {},
         "<tarn-linebreak-nonfit/>"},
        {"DeletePageBreak",
         "DeletePageBreak",
         breakOn(5),
         [](Score &s) { return new DeletePageBreak(&s, s.measures.at(1)); },
         {},
         "<tarn-pagebreak-nonfit/>"},
        {"DeleteWhitePageBreak",
         "DeleteWhitePageBreak",
         breakOn(3),
         [](Score &s) { return new DeleteWhitePageBreak(&s, s.measures.at(1)); },
         {},
         "<tarn-whitepagebreak/>"},
        {"ChangeBreakFitting", "ChangeBreakFitting", breakOn(2),
         [](Score &s) { return new ChangeBreakFitting(&s, s.measures.at(1)); },
         "<tarn-pagebreak-nonfit/>", "<tarn-pagebreak/>"},
        {"ScaleMeasure",
         "ScaleMeasure",
         none,
         [](Score &s) { return new ScaleMeasure(&s, s.measures.at(0), 1.5); },
         "<tarn-userscale>1.5</tarn-userscale>",
         {}},
        {"ScaleNotation",
         "ScaleNotation",
         none,
         [](Score &s) { return new ScaleNotation(&s, fermata(s), 1.5); },
         "<tarn-scale scale=\"1.5\"/>",
         {}},
        {"ScaleDirection",
         "ScaleDirection",
         none,
         [](Score &s) { return new ScaleDirection(&s, dolce(s), 1.5); },
         "<tarn-scale scale=\"1.5\"/>",
         {}},
        {"ScaleDirective",
         "",
         none,
         [](Score &s) { return new ScaleDirective(&s, directiveOf(firstNote(s), ".noPrev"), 1.5); },
         "<tarn-scale scale=\"1.5\"/>",
         {}},
        {"ResetMeasureScale",
         "ResetMeasureScale",
         [](Score &s) { s.measures.at(2)->userScale = 0.75; },
         [](Score &s) { return new ResetMeasureScale(&s); },
         {},
         "<tarn-userscale>0.75</tarn-userscale>"},
        {"MultiMeasureRests",
         "MultiMeasureRests",
         none,
         [](Score &s) { return new MultiMeasureRests(&s); },
         "<multi-measure-rests>true</multi-measure-rests>",
         {}},
    };
}

QList<RoundTrip> noteRows()
{
    const auto none = [](Score &) {};
    return {
        {"DirectiveAdd keyword",
         "addDirective",
         none,
         [](Score &s) { return new DirectiveAdd(&s, noteOf(s, 0, 3), newDirective(".pizz")); },
         "<fingering>.pizz</fingering>",
         {}},
        {"DirectiveAdd quoted text",
         "addDirective",
         none,
         [](Score &s) { return new DirectiveAdd(&s, noteOf(s, 0, 3), newDirective("'Tsu'")); },
         "<fingering>'Tsu'</fingering>",
         {}},
        {"DirectiveDelete keyword",
         "delete directive",
         none,
         [](Score &s) {
             return new DirectiveDelete(&s, firstNote(s), directiveOf(firstNote(s), ".noPrev"));
         },
         {},
         "<fingering>.noPrev</fingering>"},
        {"DirectiveDelete quoted text",
         "delete directive",
         none,
         [](Score &s) {
             return new DirectiveDelete(&s, firstNote(s), directiveOf(firstNote(s), "'Ro'"));
         },
         {},
         "<fingering>'Ro'</fingering>"},
        {"DirectiveAddLongRepeat",
         "addDirectiveLongRepeat",
         none,
         [](Score &s) {
             return new DirectiveAddLongRepeat(&s, noteOf(s, 0, 1), 3,
                                               newDirective(".longRepeat{3}"));
         },
         "<fingering>.longRepeat{3}</fingering>",
         {}},
        {"DirectiveDeleteLongRepeat",
         "delete directive long repeat",
         none,
         [](Score &s) {
             Note *note = noteOf(s, 0, 3);
             return new DirectiveDeleteLongRepeat(&s, note, directiveOf(note, ".longRepeat{2}"));
         },
         {},
         "<fingering>.longRepeat{2}</fingering>"},
        {"DirectiveReplace", "directive transpose change", none,
         [](Score &s) {
             return new DirectiveReplace(&s, directiveOf(noteOf(s, 0, 3), ".longRepeat{2}"),
                                         ".longRepeat{4}");
         },
         "<fingering>.longRepeat{4}</fingering>", "<fingering>.longRepeat{2}</fingering>"},
        {"ReplaceNotePitch", "", none,
         [](Score &s) { return new ReplaceNotePitch(&s, firstNote(s), "F", 1, 5); },
         "<step>F</step>", "<step>C</step>"},
        {"DeleteLyric",
         "",
         none,
         [](Score &s) { return new DeleteLyric(firstNote(s)->lyrics.at(0)); },
         {},
         "<text>a</text>"},
        {"DeleteLyric of the last lyric",
         "",
         none,
         [](Score &s) { return new DeleteLyric(firstNote(s)->lyrics.at(1)); },
         {},
         "<text>b</text>"},
        // The lyric goes back before the note's own elements.
        {"DeleteLyric of the only lyric",
         "",
         [](Score &s) { noteOf(s, 0, 3)->setOctaveInstOffset(0.5, 0.5); },
         [](Score &s) { return new DeleteLyric(noteOf(s, 0, 3)->lyrics.at(0)); },
         {},
         "<text>c</text>"},
    };
}

QList<RoundTrip> textRows()
{
    const auto none = [](Score &) {};
    return {
        {"SetTextFont",
         "SetTextFont",
         none,
         [](Score &s) { return new SetTextFont(&s, dolce(s), titleFont()); },
         "tarn-font",
         {}},
        {"ResetTextFont",
         "ResetTextFont",
         [](Score &s) {
             dolce(s)->font = titleFont();
             dolce(s)->fontGiven = true;
         },
         [](Score &s) { return new ResetTextFont(&s, dolce(s)); },
         {},
         "tarn-font"},
        {"CreditFontChange",
         "CreditFontChange",
         none,
         [](Score &s) { return new CreditFontChange(&s, s.credits.at(0), titleFont()); },
         "tarn-font",
         {}},
        {"SetTextRotation",
         "Set Text Rotation",
         none,
         [](Score &s) { return new SetTextRotation(&s, dolce(s), 2); },
         "tarn-rotation",
         {}},
        {"SetCreditRotation",
         "Set Credit Rotation",
         none,
         [](Score &s) { return new SetCreditRotation(&s, s.credits.at(1), 3); },
         "tarn-rotation",
         {}},
        {"ChangeVisibilityNotation",
         "ChangeVisibilityNotation",
         none,
         [](Score &s) { return new ChangeVisibilityNotation(&s, fermata(s), 2); },
         "tarn-visibility",
         {}},
        {"ChangeVisibilityDirection",
         "ChangeVisibilityDirection",
         none,
         [](Score &s) { return new ChangeVisibilityDirection(&s, dolce(s), 2); },
         "tarn-visibility",
         {}},
    };
}

// The hand edits of the score view, each one operation on a selection.
QList<RoundTrip> handRows()
{
    const auto selectOnly = [](Score &s, QGraphicsItem *item) {
        s.scene->clearSelection();
        item->setSelected(true);
    };
    return {
        {"arrow move",
         "move selected items",
         [selectOnly](Score &s) { selectOnly(s, dolce(s)->item); },
         {},
         "<tarn-offset",
         {},
         [](Score &s) { s.moveItemsCommand(Score::MoveRight); }},
        {"alignment",
         "move selected items",
         [selectOnly](Score &s) {
             selectOnly(s, dolce(s)->item);
             fermata(s)->item->setSelected(true);
         },
         {},
         "<tarn-offset",
         {},
         [](Score &s) { s.alignItemsCommand(false); }},
        {"inversion",
         "ReverseCommands",
         [selectOnly](Score &s) { selectOnly(s, slur(s)->item); },
         {},
         "tarn-slur-placement",
         {},
         [](Score &s) { s.reverseCommands(); }},
        {"note-shift reset",
         "ResetNoteShift",
         [selectOnly](Score &s) {
             s.parts.at(0)->notationStyle = 12;
             firstNote(s)->noteShiftMajor = 0.5;
             s.generateScore();
             selectOnly(s,
                        s.measures.at(0)->getItemGraphicsItem(0, 0, firstNote(s)->firstAlignItem));
         },
         {},
         {},
         {},
         [](Score &s) { s.resetNoteShiftCommand(); }},
        {"directives",
         "Add Directives",
         [selectOnly](Score &s) { selectOnly(s, noteGlyph(s, firstNote(s))); },
         {},
         ".pizz",
         {},
         [](Score &s) { s.addDirectives(QStringLiteral(".pizz")); }},
        {"long repeat",
         "addDirectiveLongRepeat.longRepeat{1}",
         [selectOnly](Score &s) { selectOnly(s, noteGlyph(s, firstNote(s))); },
         {},
         ".longRepeat{1}",
         {},
         [](Score &s) { s.addDirectiveLongRepeat(QStringLiteral(".longRepeat{7}")); }},
        {"scale change",
         "directive replace for scale change",
         [](Score &s) {
             s.addDirectiveToNote(firstNote(s), QStringLiteral(".scale{1}'a'"));
             s.undoStack->clear();
             s.scaleDialog = new ScaleDialog(&s);
             s.scaleDialog->setDialog(firstNote(s), {}, QStringLiteral(".scale{1}'a'"));
         },
         {},
         ".scale{2}'b'",
         ".scale{1}'a'",
         [](Score &s) { s.scaleChange(QStringLiteral("{2}'b'")); }},
        {"transpose change",
         "directive transpose change",
         [](Score &s) {
             s.transposeDialog->setDirective(
                 s.addDirectiveToNote(firstNote(s), QStringLiteral(".transpose{2}")));
             s.undoStack->clear();
         },
         {},
         ".transpose{-5}",
         ".transpose{2}",
         [](Score &s) { s.transposeChange(-5); }},
        {"note name",
         "NoteNameChange",
         [selectOnly](Score &s) { selectOnly(s, noteGlyph(s, renamable(s))); },
         {},
         {},
         {},
         [](Score &s) { s.noteNameChangeApply(s.getNoteNameList(renamable(s)).value(1)); }},
        {"position reset",
         "resetMoveCommand",
         [selectOnly](Score &s) {
             moveTo(dolce(s));
             s.generateScore();
             selectOnly(s, dolce(s)->item);
         },
         {},
         {},
         offsetText,
         [](Score &s) { s.resetMoveCommand(); }},
        {"lyric positions reset",
         "resetMoveCommand",
         [](Score &s) { moveTo(firstNote(s)->lyrics.at(1)); },
         {},
         {},
         offsetText,
         [](Score &s) { s.resetAllMoveCommand(LyricItem); }},
        {"scale reset",
         "resetScaleCommand",
         [selectOnly](Score &s) {
             s.measures.at(0)->userScale = 1.5;
             s.generateScore();
             selectOnly(s, s.displayedMeasures.at(0)->measureItem);
         },
         {},
         {},
         "<tarn-userscale>1.5</tarn-userscale>",
         [](Score &s) { s.resetScaleCommand(); }},
        {"text direction",
         "resetTextRotation",
         [selectOnly](Score &s) { selectOnly(s, s.credits.at(1)->item); },
         {},
         "tarn-rotation",
         {},
         [](Score &s) { s.setTextVerticalWritingCommand(); }},
        {"visibility",
         "change notation visibility",
         [selectOnly](Score &s) { selectOnly(s, fermata(s)->item); },
         {},
         "tarn-visibility",
         {},
         [](Score &s) { s.setInvisibleCommand(); }},
        {"text font",
         "setTextFont",
         [selectOnly](Score &s) { selectOnly(s, dolce(s)->item); },
         {},
         "tarn-font",
         {},
         [](Score &s) { withFontAnswer([&s] { s.setTextFontCommand(); }); }},
        {"default text font",
         "resetTextFont",
         [selectOnly](Score &s) {
             dolce(s)->font = titleFont();
             dolce(s)->fontGiven = true;
             selectOnly(s, dolce(s)->item);
         },
         {},
         {},
         "tarn-font",
         [](Score &s) { s.resetTextFontCommand(); }},
        {"credit font",
         "credit change",
         [selectOnly](Score &s) { selectOnly(s, s.credits.at(0)->item); },
         {},
         "tarn-font",
         {},
         [](Score &s) { withFontAnswer([&s] { s.fontChangeCommand(); }); }},
        {"Otsu to double quote",
         "otsuDoubleQuoteCommand",
         [selectOnly](Score &s) { selectOnly(s, firstNote(s)->octaveInstItem); },
         {},
         "<fingering>.otsuDoubleQuote</fingering>",
         {},
         [](Score &s) { s.otsuDoubleQuoteCommand(); }},
        {"deletion",
         "Delete Directives",
         [selectOnly](Score &s) {
             s.measures.at(1)->userBreakType = 5;
             s.generateScore();
             for (QGraphicsItem *item : s.scene->items()) {
                 if (item->data(TagType).isValid() && item->data(TagType).toInt() == 2)
                     selectOnly(s, item);
             }
             directiveOf(firstNote(s), ".noPrev")->item->setSelected(true);
         },
         {},
         {},
         "<tarn-pagebreak-nonfit/>",
         [](Score &s) { s.deleteSelectedSymbol(); }},
    };
}

// The whole-score operations that push their own steps (regenerating and
// selecting again), each through the saved file as a single command is.
QList<RoundTrip> operationRows()
{
    const auto none = [](Score &) {};
    const auto selectMeasure = [](Score &s, int index) {
        s.displayedMeasures.at(index)->measureItem->setSelected(true);
    };
    return {
        {"Score::multiMeasureRests",
         "MultiMeasureRests",
         none,
         nullptr,
         "<multi-measure-rests>true</multi-measure-rests>",
         {},
         [](Score &s) { s.multiMeasureRests(); }},
        {"Score::resetSizeMeasures",
         "ResetMeasureScale",
         [](Score &s) { s.measures.at(2)->userScale = 0.75; },
         nullptr,
         {},
         "<tarn-userscale>0.75</tarn-userscale>",
         [](Score &s) { s.resetSizeMeasures(); }},
        {"Score::insertPageBreak",
         "insertPageBreak",
         none,
         nullptr,
         "<tarn-pagebreak/>",
         {},
         [selectMeasure](Score &s) {
             selectMeasure(s, 1);
             selectMeasure(s, 3);
             s.insertPageBreak();
         }},
        {"Score::scaleItemsCommand",
         "measure scale change",
         none,
         nullptr,
         "<tarn-userscale>1.1</tarn-userscale>",
         {},
         [selectMeasure](Score &s) {
             selectMeasure(s, 0);
             s.scaleItemsCommand(true, false);
         }},
        {"Score::changeGapVoice",
         "UpdateStyle",
         none,
         nullptr,
         "<gap-voice>0.05</gap-voice>",
         {},
         [](Score &s) { s.changeGapVoice(true); }},
        {"Score::changeMeasuresPerStage", "UpdatePage", none, nullptr,
         "<measure-per-line>5</measure-per-line>", "<measure-per-line>4</measure-per-line>",
         [](Score &s) { s.changeMeasuresPerStage(true); }},
        {"Score::changeNoteFontSize",
         "UpdatePart",
         none,
         nullptr,
         "<note-font-size>5.25</note-font-size>",
         {},
         [](Score &s) { s.changeNoteFontSize(true); }},
        {"Score::deleteLyrics2",
         "deleteLyrics2",
         none,
         nullptr,
         {},
         "<lyric number",
         [](Score &s) { s.deleteLyrics2(0, 0); }},
        {"Score::moveLyrics2",
         "moveLyrics2",
         none,
         nullptr,
         "<tarn-offset",
         {},
         [](Score &s) { s.moveLyrics2(0, 1, 0); }},
        // Pitches, the name given first with its quoted text (over the
        // note's own 'Ro'), and the names after them.
        {"Score::convLyricsToPitches, shakuhachi", "convLyricsToPitches",
         [](Score &s) {
             s.parts.at(0)->notationStyle = NotationStyle::KinkoSimple;
             firstNote(s)->lyrics.at(0)->text = QStringLiteral("hi5M");
             noteOf(s, 0, 3)->lyrics.at(0)->text = QStringLiteral("u3");
             s.generateScore();
         },
         nullptr, "<octave>6</octave>", "'Ro'", [](Score &s) { s.convLyricsToPitches(0, 1); }},
        {"Score::convLyricsToPitches, sangen technique", "convLyricsToPitches",
         [](Score &s) {
             s.parts.at(0)->notationStyle = NotationStyle::SangenIkuta;
             firstNote(s)->lyrics.at(0)->text = QStringLiteral("u:3");
             s.generateScore();
         },
         nullptr, ".sangen_SuriAge", "<step>C</step>",
         [](Score &s) { s.convLyricsToPitches(0, 1); }},
    };
}

const QList<RoundTrip> &roundTrips()
{
    static const QList<RoundTrip> rows = moveRows() + resetRows() + shapeRows() + settingRows() +
                                         noteRows() + textRows() + handRows() + operationRows();
    return rows;
}

// The lines of `b` that `a` lacks, for a readable failure.
QString lineDiff(const QString &a, const QString &b)
{
    const QStringList linesA = a.split(QLatin1Char('\n'));
    QStringList extra;
    for (const QString &line : b.split(QLatin1Char('\n'))) {
        if (!linesA.contains(line))
            extra << line;
    }
    return extra.join(QLatin1Char('\n'));
}

} // namespace

class TestUndoCommands : public QObject
{
    Q_OBJECT

private slots:
    void throughTheSavedFile_data();
    void throughTheSavedFile();

    void moveAndResetKeepTheOldOffset();
    void reversalsAndNoteShift();
    void directiveFlags_data();
    void directiveFlags();
    void quotedTextDeletion();
    void longRepeatKinds_data();
    void longRepeatKinds();
    void breakCommandsKeepTheUsersBreak();
    void breakFittingSwap_data();
    void breakFittingSwap();
    void resetMeasureScaleAlwaysPushes();
    void textFonts();
    void creditFontChangeRegeneratesOnce();
    void noteNameChangeGivesBackTheNameText();
};

void TestUndoCommands::throughTheSavedFile_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < roundTrips().size(); ++i)
        QTest::newRow(qPrintable(roundTrips().at(i).name)) << i;
}

void TestUndoCommands::throughTheSavedFile()
{
    QFETCH(int, row);
    const RoundTrip &trip = roundTrips().at(row);
    auto score = editableScore();
    QVERIFY(score);
    trip.prepare(*score);
    const QString a = TestSupport::savedScoreFile(*score);

    if (trip.act) {
        trip.act(*score);
    } else {
        QUndoCommand *command = trip.make(*score);
        if (!trip.text.isEmpty())
            command->setText(trip.text);
        score->pushCommand(command);
    }
    const QString b = TestSupport::savedScoreFile(*score);
    QVERIFY2(b != a, "the command changed nothing in the file");
    if (!trip.added.isEmpty())
        QVERIFY2(b.count(trip.added) > a.count(trip.added), qPrintable(lineDiff(a, b)));
    if (!trip.removed.isEmpty())
        QVERIFY2(a.count(trip.removed) > b.count(trip.removed), qPrintable(lineDiff(b, a)));

    score->undoStack->undo();
    const QString undone = TestSupport::savedScoreFile(*score);
    QVERIFY2(undone == a, qPrintable(lineDiff(a, undone) + "\n---\n" + lineDiff(undone, a)));
    score->undoStack->redo();
    QCOMPARE(TestSupport::savedScoreFile(*score), b);
    QCOMPARE(score->undoStack->command(0)->text(), trip.text);
}

void TestUndoCommands::moveAndResetKeepTheOldOffset()
{
    auto score = editableScore();
    QVERIFY(score);
    QUndoStack *stack = score->undoStack;
    Notation *mark = fermata(*score);
    // Never moved, but with values of its own: the flag decides.
    mark->x = 0.5;
    mark->y = 0.25;

    score->pushCommand(new NotationMove(score.get(), mark, QPointF(1, 2)));
    QVERIFY(mark->moved);
    QCOMPARE(QPointF(mark->x, mark->y), QPointF(1, 2));
    stack->undo();
    QVERIFY(!mark->moved);
    QCOMPARE(QPointF(mark->x, mark->y), QPointF(0.5, 0.25));

    // A reset of an unmoved item zeroes it; its undo gives the values and
    // the false flag back.
    score->pushCommand(new NotationMoveReset(score.get(), mark));
    QVERIFY(!mark->moved);
    QCOMPARE(QPointF(mark->x, mark->y), QPointF(0, 0));
    stack->undo();
    QVERIFY(!mark->moved);
    QCOMPARE(QPointF(mark->x, mark->y), QPointF(0.5, 0.25));

    // A second move keeps the first one's new offset as its old one.
    score->pushCommand(new NotationMove(score.get(), mark, QPointF(1, 2)));
    auto *second = new NotationMove(score.get(), mark, QPointF(3, 4));
    QVERIFY(second->oldMoved);
    QCOMPARE(QPointF(second->oldX, second->oldY), QPointF(1, 2));
    score->pushCommand(second);
    stack->undo();
    QCOMPARE(QPointF(mark->x, mark->y), QPointF(1, 2));
    QVERIFY(mark->moved);
    stack->undo();
    QVERIFY(!mark->moved);

    // The octave mark and the ending keep their own fields alike.
    Note *note = firstNote(*score);
    score->pushCommand(new OctaveInstMove(score.get(), note, QPointF(0.3, 0.4)));
    score->pushCommand(new OctaveInstMoveReset(score.get(), note));
    QVERIFY(!note->octaveInstMoved);
    QCOMPARE(QPointF(note->octaveInstOffsetX, note->octaveInstOffsetY), QPointF(0, 0));
    stack->undo();
    QVERIFY(note->octaveInstMoved);
    QCOMPARE(QPointF(note->octaveInstOffsetX, note->octaveInstOffsetY), QPointF(0.3, 0.4));
    Measure *measure = score->measures.at(0);
    score->pushCommand(new EndingMove(score.get(), measure, QPointF(-1, 2)));
    score->pushCommand(new EndingMoveReset(score.get(), measure));
    QCOMPARE(QPointF(measure->endingOffsetX, measure->endingOffsetY), QPointF(0, 0));
    stack->undo();
    QCOMPARE(QPointF(measure->endingOffsetX, measure->endingOffsetY), QPointF(-1, 2));
}

void TestUndoCommands::reversalsAndNoteShift()
{
    auto score = editableScore();
    QVERIFY(score);
    QUndoStack *stack = score->undoStack;

    Note *tied = noteOf(*score, 0, 1);
    QVERIFY(!tied->tieReverse);
    score->pushCommand(new TieReverseUserCommand(score.get(), tied));
    QVERIFY(tied->tieReverse);
    stack->undo();
    QVERIFY(!tied->tieReverse);
    stack->redo();
    QVERIFY(tied->tieReverse);

    // The placement to give back is the one the slur has at each redo.
    Notation *curve = slur(*score);
    QCOMPARE(curve->userPlacement, 0);
    auto *reverse = new SlurReverseUserCommand(score.get(), curve, 2);
    score->pushCommand(reverse);
    QCOMPARE(curve->userPlacement, 2);
    stack->undo();
    QCOMPARE(curve->userPlacement, 0);
    curve->userPlacement = 1;
    stack->redo();
    QCOMPARE(curve->userPlacement, 2);
    QCOMPARE(reverse->oldPlacement, 1);
    stack->undo();
    QCOMPARE(curve->userPlacement, 1);

    score->pushCommand(new SlurShiftChange(score.get(), curve, 3.0, -3.0));
    QCOMPARE(curve->slurControlY1, 3.0);
    QCOMPARE(curve->slurControlY2, -3.0);
    stack->undo();
    QCOMPARE(curve->slurControlY1, 0.0);
    QCOMPARE(curve->slurControlY2, 0.0);

    Note *shifted = firstNote(*score);
    shifted->noteShiftMajor = 1.5;
    shifted->noteShiftSub = -0.5;
    score->pushCommand(new ResetNoteShift(score.get(), shifted));
    QCOMPARE(shifted->noteShiftMajor, 0.0);
    QCOMPARE(shifted->noteShiftSub, 0.0);
    stack->undo();
    QCOMPARE(shifted->noteShiftMajor, 1.5);
    QCOMPARE(shifted->noteShiftSub, -0.5);
}

namespace {

// Whether the note shows the effect of a live directive of `text`.
bool flagOn(const Note *note, const QString &text)
{
    if (text == QLatin1String(".noPrev"))
        return note->noPrev;
    if (text == QLatin1String(".pizz"))
        return note->hajiki;
    if (text == QLatin1String(".otsuDoubleQuote"))
        return note->otsuDoubleQuote;
    return !note->visible; // ".invisible"
}

} // namespace

void TestUndoCommands::directiveFlags_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("no repeat") << ".noPrev";
    QTest::newRow("pizzicato") << ".pizz";
    QTest::newRow("otsu as double quote") << ".otsuDoubleQuote";
    QTest::newRow("invisible") << ".invisible";
}

void TestUndoCommands::directiveFlags()
{
    QFETCH(QString, text);
    auto score = editableScore();
    QVERIFY(score);
    QUndoStack *stack = score->undoStack;
    Note *note = noteOf(*score, 0, 2);
    QVERIFY(!flagOn(note, text));
    const int before = note->directives.size();

    Directive *directive = newDirective(text);
    score->pushCommand(new DirectiveAdd(score.get(), note, directive));
    QVERIFY(flagOn(note, text));
    QVERIFY(!directive->deleted);
    stack->undo();
    QVERIFY(!flagOn(note, text));
    // Undo only marks it: the note keeps it, deleted.
    QCOMPARE(note->directives.size(), before + 1);
    QCOMPARE(note->directives.last(), directive);
    QVERIFY(directive->deleted);
    stack->redo();
    QVERIFY(flagOn(note, text));

    score->pushCommand(new DirectiveDelete(score.get(), note, directive));
    QVERIFY(!flagOn(note, text));
    QVERIFY(directive->deleted);
    stack->undo();
    QVERIFY(flagOn(note, text));
    QVERIFY(!directive->deleted);
}

void TestUndoCommands::quotedTextDeletion()
{
    auto score = editableScore();
    QVERIFY(score);
    QUndoStack *stack = score->undoStack;
    Note *note = firstNote(*score);
    QCOMPARE(note->directName, QStringLiteral("Ro"));

    // Adding a quoted text changes no note field but its own flag.
    Directive *added = newDirective(QStringLiteral("'Tsu'"));
    score->pushCommand(new DirectiveAdd(score.get(), note, added));
    QCOMPARE(note->directName, QStringLiteral("Ro"));
    stack->undo();
    QCOMPARE(note->directName, QStringLiteral("Ro"));
    QVERIFY(added->deleted);

    score->pushCommand(
        new DirectiveDelete(score.get(), note, directiveOf(note, QStringLiteral("'Ro'"))));
    QCOMPARE(note->directName, QString());
    stack->undo();
    QCOMPARE(note->directName, QStringLiteral("Ro"));
}

void TestUndoCommands::longRepeatKinds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("kind");
    QTest::newRow("simile") << ".longRepeatSimile{3}" << 0 << 1;
    QTest::newRow("plain") << ".longRepeat{3}" << 0 << 2;
    QTest::newRow("2") << ".longRepeat2{3}" << 0 << 3;
    QTest::newRow("3") << ".longRepeat3{3}" << 0 << 4;
    QTest::newRow("4") << ".longRepeat4{3}" << 0 << 5;
    QTest::newRow("accelerating") << ".longRepeatAccel{3}" << 0 << 6;
    QTest::newRow("one beat") << ".longRepeatBeat1{3}" << 0 << 7;
    QTest::newRow("two beats") << ".longRepeatBeat2{3}" << 0 << 8;
    QTest::newRow("step up") << ".longStepUp{3}" << 0 << 9;
    QTest::newRow("step down") << ".longStepDown{3}" << 0 << 10;
    // No long repeat: the note keeps the kind it had.
    QTest::newRow("no long repeat") << ".pizz" << 4 << 4;
}

void TestUndoCommands::longRepeatKinds()
{
    QFETCH(QString, text);
    QFETCH(int, before);
    QFETCH(int, kind);
    auto score = editableScore();
    QVERIFY(score);
    QUndoStack *stack = score->undoStack;
    Note *note = noteOf(*score, 0, 2);
    note->longRepeatKind = before;
    note->longRepeatCount = 1;

    Directive *directive = newDirective(text);
    score->pushCommand(new DirectiveAddLongRepeat(score.get(), note, 3, directive));
    QCOMPARE(note->longRepeatKind, kind);
    QCOMPARE(note->longRepeatCount, 3);
    stack->undo();
    QCOMPARE(note->longRepeatCount, 1);
    QCOMPARE(note->longRepeatKind, kind);
    QVERIFY(directive->deleted);
    stack->redo();

    // The deletion sets the kind when it is made, and only then.
    note->longRepeatKind = before;
    auto *deletion = new DirectiveDeleteLongRepeat(score.get(), note, directive);
    QCOMPARE(note->longRepeatKind, kind);
    note->longRepeatKind = 11;
    score->pushCommand(deletion);
    QCOMPARE(note->longRepeatCount, 0);
    QVERIFY(directive->deleted);
    stack->undo();
    QCOMPARE(note->longRepeatCount, 3);
    QCOMPARE(note->longRepeatKind, 11);
    QVERIFY(!directive->deleted);
}

void TestUndoCommands::breakCommandsKeepTheUsersBreak()
{
    auto score = editableScore();
    QVERIFY(score);
    QUndoStack *stack = score->undoStack;
    Measure *measure = score->measures.at(1);

    measure->userBreakType = 1;
    score->pushCommand(new InsertPageBreak(score.get(), measure));
    QCOMPARE(measure->userBreakType, 2);
    stack->undo();
    QCOMPARE(measure->userBreakType, 1);

    measure->userBreakType = 5;
    score->pushCommand(new DeletePageBreak(score.get(), measure));
    QCOMPARE(measure->userBreakType, 0);
    stack->undo();
    QCOMPARE(measure->userBreakType, 5);

    measure->userBreakType = 6;
    TestSupport::MessageCapture capture;
    score->pushCommand(new DeleteWhitePageBreak(score.get(), measure));
    stack->undo();
    QCOMPARE(measure->userBreakType, 6);
    const QStringList expected = {"DeleteWhitePageBreak command entered",
                                  "DeleteWhitePageBreak redo entered",
                                  "DeleteWhitePageBreak undo entered"};
    QCOMPARE(capture.lines(), expected);
}

void TestUndoCommands::breakFittingSwap_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("line") << 1 << 4;
    QTest::newRow("page") << 2 << 5;
    QTest::newRow("white page") << 3 << 6;
    QTest::newRow("line not fitted") << 4 << 1;
    QTest::newRow("page not fitted") << 5 << 2;
    QTest::newRow("white page not fitted") << 6 << 3;
}

void TestUndoCommands::breakFittingSwap()
{
    QFETCH(int, before);
    QFETCH(int, after);
    auto score = editableScore();
    QVERIFY(score);
    Measure *measure = score->measures.at(1);
    measure->userBreakType = before;
    TestSupport::MessageCapture capture;
    score->pushCommand(new ChangeBreakFitting(score.get(), measure));
    QCOMPARE(measure->userBreakType, after);
    score->undoStack->undo();
    QCOMPARE(measure->userBreakType, before);
    const QString line = QStringLiteral("ChangeBreakFitting this->measure->userBreakType = ");
    QCOMPARE(capture.lines(),
             QStringList({line + QString::number(after), line + QString::number(before)}));
}

void TestUndoCommands::resetMeasureScaleAlwaysPushes()
{
    auto score = editableScore();
    QVERIFY(score);
    score->pushCommand(new ResetMeasureScale(score.get()));
    QCOMPARE(score->undoStack->count(), 1);
    score->undoStack->undo();
    for (const Measure *measure : std::as_const(score->measures))
        QCOMPARE(measure->userScale, 1.0);

    score->measures.at(0)->userScale = 1.5;
    score->measures.at(4)->userScale = 0.5;
    score->pushCommand(new ResetMeasureScale(score.get()));
    QCOMPARE(score->measures.at(0)->userScale, 1.0);
    QCOMPARE(score->measures.at(4)->userScale, 1.0);
    score->undoStack->undo();
    QCOMPARE(score->measures.at(0)->userScale, 1.5);
    QCOMPARE(score->measures.at(4)->userScale, 0.5);
    QCOMPARE(score->measures.at(2)->userScale, 1.0);
}

void TestUndoCommands::textFonts()
{
    auto score = editableScore();
    QVERIFY(score);
    QUndoStack *stack = score->undoStack;
    Direction *words = dolce(*score);
    const QFont styleFont = words->font;
    QVERIFY(!words->fontGiven);

    score->pushCommand(new SetTextFont(score.get(), words, titleFont()));
    QVERIFY(words->fontGiven);
    QCOMPARE(words->font, titleFont());
    stack->undo();
    QVERIFY(!words->fontGiven);
    QCOMPARE(words->font, styleFont);
    stack->redo();

    // The reset drops only the flag; its undo shows the own font again.
    score->pushCommand(new ResetTextFont(score.get(), words));
    QVERIFY(!words->fontGiven);
    QCOMPARE(words->font, titleFont());
    stack->undo();
    QVERIFY(words->fontGiven);
    QCOMPARE(words->font, titleFont());
}

void TestUndoCommands::creditFontChangeRegeneratesOnce()
{
    auto score = editableScore();
    QVERIFY(score);
    Credit *title = score->credits.at(0);
    const QFont before = title->font;
    const QString entered = QStringLiteral("generateScore: entered----------.");

    TestSupport::MessageCapture capture;
    score->pushCommand(new CreditFontChange(score.get(), title, titleFont()));
    QCOMPARE(capture.count(entered), 1);
    QVERIFY(title->fontGiven);
    auto *item = dynamic_cast<MyTextItem *>(title->item);
    QVERIFY(item);
    QCOMPARE(item->font.family(), titleFont().family());

    capture.clear();
    score->undoStack->undo();
    QCOMPARE(capture.count(entered), 1);
    QVERIFY(!title->fontGiven);
    QCOMPARE(title->font, before);
    item = dynamic_cast<MyTextItem *>(title->item);
    QVERIFY(item);
    QCOMPARE(item->font.family(), before.family());
}

void TestUndoCommands::noteNameChangeGivesBackTheNameText()
{
    auto score = editableScore();
    QVERIFY(score);
    Note *note = nullptr;
    QStringList accepted;
    for (Note *candidate : std::as_const(firstVoice(*score, 0)->notes)) {
        accepted = score->getNoteNameList(candidate);
        if (candidate->directName.isEmpty() && accepted.size() >= 2) {
            note = candidate;
            break;
        }
    }
    QVERIFY(note);
    const QString keyDefault = accepted.first();
    QCOMPARE(note->noteName, keyDefault);

    score->pushCommand(new NoteNameChange(score.get(), note, accepted.at(1)));
    QCOMPARE(note->directName, accepted.at(1));
    score->generateScore();
    QCOMPARE(note->noteName, accepted.at(1));

    score->undoStack->undo();
    QVERIFY(note->directName.isEmpty());
    score->generateScore();
    QCOMPARE(note->noteName, keyDefault);
}

VELMORA_TEST_MAIN(TestUndoCommands)

} // namespace tst_undo_commands
#include "tst_undo_commands.moc"
