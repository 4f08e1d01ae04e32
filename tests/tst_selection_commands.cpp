// The editing commands that act on the scene's selection: resetting
// positions and scales, the fonts, writing direction and visibility of
// texts, the Otsu mark's double quote, the credit font and deleting break
// marks and directives. Each is checked by the undo step it leaves (its
// name, its commands' texts in the order of the selection), by what the
// model holds after it and after its undo, and by whether the score was
// marked changed and drawn anew. The font pickers answer through the
// scripted prompter.
#include "document/directive_type.h"
#include "drawing/breakitem.h"
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
#include "view/scene.h"

#include <QGraphicsItem>
#include <QUndoStack>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace tst_selection_commands {

using TestSupport::directiveOf;
using TestSupport::dolce;
using TestSupport::editableScore;
using TestSupport::fermata;
using TestSupport::firstNote;
using TestSupport::firstVoice;
using TestSupport::notationOfKind;
using TestSupport::noteOf;
using TestSupport::rit;
using TestSupport::slur;

namespace {

const QString regenerated = QStringLiteral("generateScore: entered----------.");

QGraphicsItem *noteGlyph(Score &score, const Note *note)
{
    return score.measures.at(0)->getItemGraphicsItem(0, 0, note->firstAlignItem);
}

QGraphicsItem *breakMark(Score &score, int type)
{
    const int kind = BreakItem::kindOfBreakType(type);
    const QList<QGraphicsItem *> items = score.scene->items();
    for (QGraphicsItem *item : items) {
        const QVariant tag = item->data(TagType);
        if (tag.isValid() && tag.toInt() == kind)
            return item;
    }
    return nullptr;
}

void staffNotation(Score &score)
{
    score.parts.at(0)->notationStyle = 12;
    score.generateScore();
}

void select(Score &score, const QList<QGraphicsItem *> &items)
{
    score.scene->clearSelection();
    for (QGraphicsItem *item : items) {
        QVERIFY(item);
        item->setSelected(true);
    }
}

// The texts of the commands of the last undo step.
QStringList stepTexts(Score &score)
{
    QStringList texts;
    const QUndoCommand *step = score.undoStack->command(score.undoStack->count() - 1);
    for (int i = 0; i < step->childCount(); ++i)
        texts << step->child(i)->text();
    return texts;
}

// The texts `byItem` gives the selected items, in the scene's order; items
// it gives no text are left out.
QStringList inSelectionOrder(Score &score, const QHash<QGraphicsItem *, QString> &byItem)
{
    QStringList texts;
    for (QGraphicsItem *item : score.scene->selectedItems()) {
        if (byItem.contains(item))
            texts << byItem.value(item);
    }
    return texts;
}

// Of `candidates`, the one the scene lists first among the selected items.
QGraphicsItem *firstSelectedOf(Score &score, const QList<QGraphicsItem *> &candidates)
{
    for (QGraphicsItem *item : score.scene->selectedItems()) {
        if (candidates.contains(item))
            return item;
    }
    return nullptr;
}

std::unique_ptr<Score> unchangedScore()
{
    auto score = editableScore();
    if (score)
        score->setChanged(false);
    return score;
}

} // namespace

using ItemOf = std::function<QGraphicsItem *(Score &)>;

class TestSelectionCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void resetPositions();
    void resetClassPerKind_data();
    void resetClassPerKind();
    void resetAllNotations();
    void resetAllLyrics();
    void textDirection_data();
    void textDirection();
    void visibility_data();
    void visibility();
    void resetScale();
    void emptySelection_data();
    void emptySelection();
    void otsuDoubleQuote();
    void otsuMixedSelectionRoundTrip();
    void setTextFont();
    void setTextFontCancelled();
    void setTextFontTakesTheFirstDirection();
    void resetTextFont();
    void creditFont();
    void creditFontCancelled();
    void deleteSymbols();
    void deleteDirectiveKinds_data();
    void deleteDirectiveKinds();
    void deleteNotFittedWhitePageBreak();
    void deleteNothingDeletable();

private:
    TestSupport::ScriptedPrompter &prompter = TestSupport::prompter();
};

void TestSelectionCommands::init()
{
    prompter.reset();
}

void TestSelectionCommands::resetPositions()
{
    auto score = unchangedScore();
    QVERIFY(score);
    slur(*score)->setOffset(1.0, 2.0);
    firstNote(*score)->lyrics.at(0)->setOffset(-1.0, 0.5);
    score->generateScore();
    QGraphicsItem *slurItem = slur(*score)->item;
    QGraphicsItem *lyricItem = firstNote(*score)->lyrics.at(0)->item;
    select(*score, {slurItem, lyricItem, noteGlyph(*score, firstNote(*score))});
    score->scene->setGuideLine(QLineF(0, 0, 10, 10));
    const QStringList expected =
        inSelectionOrder(*score, {{slurItem, "NotationMoveReset"}, {lyricItem, "LyricMoveReset"}});

    TestSupport::MessageCapture capture;
    score->resetMoveCommand();
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(score->undoStack->text(0), QStringLiteral("resetMoveCommand"));
    QCOMPARE(stepTexts(*score), expected);
    QVERIFY(!slur(*score)->moved);
    QCOMPARE(firstNote(*score)->lyrics.at(0)->x, 0.0);
    QVERIFY(!score->scene->guideLineOn);
    QVERIFY(score->changed);
    QCOMPARE(capture.count(regenerated), 1);

    score->undoStack->undo();
    QVERIFY(slur(*score)->moved);
    QCOMPARE(slur(*score)->x, 1.0);
    QCOMPARE(slur(*score)->y, 2.0);
    QVERIFY(firstNote(*score)->lyrics.at(0)->moved);
    QCOMPARE(firstNote(*score)->lyrics.at(0)->x, -1.0);
}

void TestSelectionCommands::resetClassPerKind_data()
{
    QTest::addColumn<ItemOf>("itemOf");
    QTest::addColumn<QString>("command");
    QTest::newRow("4 notation") << ItemOf([](Score &s) { return fermata(s)->item; })
                                << "NotationMoveReset";
    QTest::newRow("5 directive") << ItemOf([](Score &s) {
        return directiveOf(firstNote(s), ".noPrev")->item;
    }) << "DirectiveMoveReset";
    QTest::newRow("6 direction") << ItemOf([](Score &s) { return dolce(s)->item; })
                                 << "DirectionMoveReset";
    QTest::newRow("7 credit") << ItemOf([](Score &s) { return s.credits.at(1)->item; })
                              << "CreditMoveReset";
    QTest::newRow("8 octave-instruction mark")
        << ItemOf([](Score &s) { return firstNote(s)->octaveInstItem; }) << "OctaveInstMoveReset";
    QTest::newRow("9 note glyph") << ItemOf([](Score &s) { return noteGlyph(s, firstNote(s)); })
                                  << "";
    QTest::newRow("10 lyric") << ItemOf([](Score &s) { return firstNote(s)->lyrics.at(1)->item; })
                              << "LyricMoveReset";
    QTest::newRow("11 ending") << ItemOf([](Score &s) { return s.measures.at(0)->endingItem; })
                               << "EndingMoveReset";
    QTest::newRow("12 fingering") << ItemOf([](Score &s) {
        return firstNote(s)->fingerings.at(0)->item;
    }) << "FingeringMoveReset";
    QTest::newRow("13 harmonic") << ItemOf([](Score &s) { return firstNote(s)->harmonic->item; })
                                 << "HarmonicMoveReset";
    // Bowing marks are drawn in staff notation.
    QTest::newRow("14 up-bow") << ItemOf([](Score &s) {
        staffNotation(s);
        return firstNote(s)->upBow->item;
    }) << "UpBowMoveReset";
    QTest::newRow("15 stopped") << ItemOf([](Score &s) {
        staffNotation(s);
        return firstNote(s)->stopped->item;
    }) << "StoppedMoveReset";
}

void TestSelectionCommands::resetClassPerKind()
{
    QFETCH(ItemOf, itemOf);
    QFETCH(QString, command);
    auto score = unchangedScore();
    QVERIFY(score);
    QGraphicsItem *item = itemOf(*score);
    select(*score, {item});
    TestSupport::MessageCapture capture;
    score->resetMoveCommand();
    if (command.isEmpty()) {
        QCOMPARE(score->undoStack->count(), 0);
    } else {
        QCOMPARE(score->undoStack->count(), 1);
        QCOMPARE(stepTexts(*score), QStringList{command});
    }
    // Handled or skipped, the score is drawn anew.
    QVERIFY(score->changed);
    QCOMPARE(capture.count(regenerated), 1);
}

void TestSelectionCommands::resetAllNotations()
{
    auto score = unchangedScore();
    QVERIFY(score);
    slur(*score)->setOffset(1.0, 1.0);
    fermata(*score)->setOffset(2.0, 2.0);
    score->resetAllMoveCommand(NotationItem);
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(score->undoStack->text(0), QStringLiteral("resetMoveCommand"));
    // The staccato was never moved; the slur keeps its place.
    QCOMPARE(stepTexts(*score), QStringList{"NotationMoveReset"});
    QVERIFY(!fermata(*score)->moved);
    QVERIFY(slur(*score)->moved);
    QCOMPARE(slur(*score)->x, 1.0);
    QVERIFY(score->changed);
}

void TestSelectionCommands::resetAllLyrics()
{
    auto score = unchangedScore();
    QVERIFY(score);
    noteOf(*score, 0, 3)->lyrics.at(0)->setOffset(0.5, 0.5);
    score->resetAllMoveCommand(LyricItem);
    // a, b and c, moved or not.
    QCOMPARE(stepTexts(*score), QStringList(3, QStringLiteral("LyricMoveReset")));
    QVERIFY(!noteOf(*score, 0, 3)->lyrics.at(0)->moved);
    score->undoStack->undo();
    QVERIFY(noteOf(*score, 0, 3)->lyrics.at(0)->moved);

    // A kind the whole-score reset does not handle pushes nothing but
    // still draws the score anew.
    score->setChanged(false);
    TestSupport::MessageCapture capture;
    score->resetAllMoveCommand(DirectiveItem);
    QCOMPARE(score->undoStack->index(), 0);
    QVERIFY(score->changed);
    QCOMPARE(capture.count(regenerated), 1);
}

void TestSelectionCommands::textDirection_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("value");
    QTest::newRow("default") << "setTextDefaultDirectionCommand" << 0;
    QTest::newRow("horizontal") << "setTextHorizontalCommand" << 1;
    QTest::newRow("vertical") << "setTextVerticalCommand" << 2;
    QTest::newRow("vertical writing") << "setTextVerticalWritingCommand" << 3;
}

void TestSelectionCommands::textDirection()
{
    QFETCH(QString, slot);
    QFETCH(int, value);
    auto score = unchangedScore();
    QVERIFY(score);
    // Away from every value the slots set.
    score->credits.at(0)->rotation = 5;
    dolce(*score)->rotation = 5;
    QGraphicsItem *creditItem = score->credits.at(0)->item;
    QGraphicsItem *directionItem = dolce(*score)->item;
    select(*score, {creditItem, directionItem, firstNote(*score)->lyrics.at(0)->item});
    const QStringList expected = inSelectionOrder(
        *score, {{creditItem, "Set Credit Rotation"}, {directionItem, "Set Text Rotation"}});

    QVERIFY(QMetaObject::invokeMethod(score.get(), qPrintable(slot)));
    QCOMPARE(score->undoStack->text(0), QStringLiteral("resetTextRotation"));
    QCOMPARE(stepTexts(*score), expected);
    QCOMPARE(score->credits.at(0)->rotation, value);
    QCOMPARE(dolce(*score)->rotation, value);
    score->undoStack->undo();
    QCOMPARE(score->credits.at(0)->rotation, 5);
    QCOMPARE(dolce(*score)->rotation, 5);
}

void TestSelectionCommands::visibility_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("value");
    QTest::newRow("default") << "setDefaultVisibilityCommand" << 0;
    QTest::newRow("visible") << "setVisibleCommand" << 1;
    QTest::newRow("invisible") << "setInvisibleCommand" << 2;
}

void TestSelectionCommands::visibility()
{
    QFETCH(QString, slot);
    QFETCH(int, value);
    auto score = unchangedScore();
    QVERIFY(score);
    fermata(*score)->visibility = 7;
    dolce(*score)->visibility = 7;
    QGraphicsItem *notationItem = fermata(*score)->item;
    QGraphicsItem *directionItem = dolce(*score)->item;
    select(*score, {notationItem, directionItem, score->credits.at(0)->item});
    const QStringList expected =
        inSelectionOrder(*score, {{notationItem, "ChangeVisibilityNotation"},
                                  {directionItem, "ChangeVisibilityDirection"}});

    QVERIFY(QMetaObject::invokeMethod(score.get(), qPrintable(slot)));
    QCOMPARE(score->undoStack->text(0), QStringLiteral("change notation visibility"));
    QCOMPARE(stepTexts(*score), expected);
    QCOMPARE(fermata(*score)->visibility, value);
    QCOMPARE(dolce(*score)->visibility, value);
    QVERIFY(score->changed);
    score->undoStack->undo();
    QCOMPARE(fermata(*score)->visibility, 7);
}

void TestSelectionCommands::resetScale()
{
    auto score = unchangedScore();
    QVERIFY(score);
    Measure *measure = score->displayedMeasures.at(0);
    Directive *noPrev = directiveOf(firstNote(*score), ".noPrev");
    measure->userScale = 1.5;
    fermata(*score)->scale = 1.5;
    noPrev->scale = 1.5;
    dolce(*score)->scale = 1.5;
    score->generateScore();
    QGraphicsItem *measureItem = measure->measureItem;
    select(*score, {measureItem, fermata(*score)->item, noPrev->item, dolce(*score)->item,
                    firstNote(*score)->lyrics.at(0)->item});

    // The measure's step alone has a text; the lyric is skipped.
    const QStringList expected = inSelectionOrder(*score, {{measureItem, "Scale"},
                                                           {fermata(*score)->item, ""},
                                                           {noPrev->item, ""},
                                                           {dolce(*score)->item, ""}});

    score->resetScaleCommand();
    QCOMPARE(score->undoStack->text(0), QStringLiteral("resetScaleCommand"));
    QCOMPARE(stepTexts(*score), expected);
    QCOMPARE(measure->userScale, 1.0);
    QCOMPARE(fermata(*score)->scale, 1.0);
    QCOMPARE(noPrev->scale, 1.0);
    QCOMPARE(dolce(*score)->scale, 1.0);
    score->undoStack->undo();
    QCOMPARE(measure->userScale, 1.5);
    QCOMPARE(dolce(*score)->scale, 1.5);
}

void TestSelectionCommands::emptySelection_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<bool>("drawsAnew");
    QTest::newRow("reset position") << "resetMoveCommand" << false;
    QTest::newRow("visibility") << "setInvisibleCommand" << false;
    QTest::newRow("reset scale") << "resetScaleCommand" << false;
    QTest::newRow("Otsu to double quote") << "otsuDoubleQuoteCommand" << false;
    QTest::newRow("text font") << "setTextFontCommand" << false;
    QTest::newRow("delete") << "deleteSelectedSymbol" << false;
    QTest::newRow("break fitting") << "changeBreakFitting" << false;
    QTest::newRow("default font") << "resetTextFontCommand" << true;
    QTest::newRow("text direction") << "setTextVerticalCommand" << true;
}

// With nothing selected no command leaves an undo step; two still mark
// the score changed and draw it anew.
void TestSelectionCommands::emptySelection()
{
    QFETCH(QString, slot);
    QFETCH(bool, drawsAnew);
    auto score = unchangedScore();
    QVERIFY(score);
    score->scene->clearSelection();
    TestSupport::MessageCapture capture;
    QVERIFY(QMetaObject::invokeMethod(score.get(), qPrintable(slot)));
    QCOMPARE(score->undoStack->count(), 0);
    QCOMPARE(score->changed, drawsAnew);
    QCOMPARE(capture.count(regenerated), drawsAnew ? 1 : 0);
    QVERIFY(prompter.prompts.isEmpty());
}

void TestSelectionCommands::otsuDoubleQuote()
{
    auto score = std::make_unique<Score>(QStringLiteral("test"), 1, false);
    QVERIFY(TestSupport::loadScoreFile(
        *score, TestSupport::fixturePath(QStringLiteral("view/view-OtsuMarks.xml"))));
    QVERIFY(score->generateScore());
    score->setChanged(false);
    Note *first = noteOf(*score, 0, 0);
    Note *second = noteOf(*score, 0, 2);
    QCOMPARE(first->octaveInstMark, QStringLiteral("Otsu"));
    QCOMPARE(second->octaveInstMark, QStringLiteral("Otsu"));
    select(*score, {first->octaveInstItem, second->octaveInstItem,
                    noteGlyph(*score, noteOf(*score, 0, 1))});

    score->otsuDoubleQuoteCommand();
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(score->undoStack->text(0), QStringLiteral("otsuDoubleQuoteCommand"));
    QCOMPARE(stepTexts(*score), QStringList(2, QStringLiteral("addDirective.otsuDoubleQuote")));
    QVERIFY(score->noteDirectiveIndex(first, DirectiveType::OtsuDoubleQuote) >= 0);
    QVERIFY(score->noteDirectiveIndex(second, DirectiveType::OtsuDoubleQuote) >= 0);
    QCOMPARE(score->noteDirectiveIndex(noteOf(*score, 0, 1), DirectiveType::OtsuDoubleQuote), -1);

    // Back on the first only: its live directive is deleted, kept in its
    // list.
    const int index = score->noteDirectiveIndex(first, DirectiveType::OtsuDoubleQuote);
    select(*score, {first->octaveInstItem});
    score->otsuResetDoubleQuoteCommand();
    QCOMPARE(score->undoStack->count(), 2);
    QCOMPARE(stepTexts(*score), QStringList{"delete directive"});
    QVERIFY(first->directives.at(index)->deleted);
    QCOMPARE(score->noteDirectiveIndex(first, DirectiveType::OtsuDoubleQuote), -1);

    // Again: nothing left to delete.
    score->setChanged(false);
    select(*score, {first->octaveInstItem});
    TestSupport::MessageCapture capture;
    score->otsuResetDoubleQuoteCommand();
    QCOMPARE(score->undoStack->count(), 2);
    QVERIFY(capture.contains(
        QStringLiteral("setDoubleQuoteOtsu reset directive not found!! BUG======= ")));
    QVERIFY(score->changed);
    QCOMPARE(capture.count(regenerated), 1);

    score->undoStack->undo();
    QVERIFY(!first->directives.at(index)->deleted);
}

// A selection mixing both marks: the note that shows the double quote
// already gets no second directive, and switching back takes every live
// one away, also one that an older file carried twice; the file saved
// then reopens showing Otsu on both notes.
void TestSelectionCommands::otsuMixedSelectionRoundTrip()
{
    auto score = std::make_unique<Score>(QStringLiteral("test"), 1, false);
    QVERIFY(TestSupport::loadScoreFile(
        *score, TestSupport::fixturePath(QStringLiteral("view/view-OtsuMarks.xml"))));
    QVERIFY(score->generateScore());
    Note *first = noteOf(*score, 0, 0);
    Note *second = noteOf(*score, 0, 2);
    const auto live = [](const Note *note) {
        return std::count_if(
            note->directives.cbegin(), note->directives.cend(), [](const Directive *directive) {
                return !directive->deleted && directive->kind == DirectiveType::OtsuDoubleQuote;
            });
    };

    // The third note's double quote shows before the high note after it.
    select(*score, {second->octaveInstItem});
    score->otsuDoubleQuoteCommand();
    QCOMPARE(second->octaveInstMark, QStringLiteral("DoubleQuote"));
    select(*score, {first->octaveInstItem, second->octaveInstItem});
    score->otsuDoubleQuoteCommand();
    QCOMPARE(stepTexts(*score), QStringList{"addDirective.otsuDoubleQuote"});
    QCOMPARE(live(first), 1);
    QCOMPARE(live(second), 1);

    // A second live directive, as a file saved before could hold.
    score->addDirectiveToNote(second, QStringLiteral(".otsuDoubleQuote"));
    score->generateScore();
    QCOMPARE(live(second), 2);

    select(*score, {first->octaveInstItem, second->octaveInstItem});
    score->otsuResetDoubleQuoteCommand();
    QCOMPARE(stepTexts(*score), QStringList(3, QStringLiteral("delete directive")));
    QCOMPARE(live(first), 0);
    QCOMPARE(live(second), 0);
    QVERIFY(!first->otsuDoubleQuote && !second->otsuDoubleQuote);
    QCOMPARE(first->octaveInstMark, QStringLiteral("Otsu"));
    QCOMPARE(second->octaveInstMark, QStringLiteral("Otsu"));

    auto reopened = std::make_unique<Score>(QStringLiteral("reopened"), 2, false);
    reopened->documentText = TestSupport::savedScoreFile(*score);
    QVERIFY(reopened->parseScoreXml(false).has_value());
    QVERIFY(reopened->generateScore());
    for (int index : {0, 2}) {
        const Note *note = noteOf(*reopened, 0, index);
        QCOMPARE(live(note), 0);
        QVERIFY(!note->otsuDoubleQuote);
        QCOMPARE(note->octaveInstMark, QStringLiteral("Otsu"));
    }
}

void TestSelectionCommands::setTextFont()
{
    auto score = unchangedScore();
    QVERIFY(score);
    const QFont own(QStringLiteral("Arial"), 20);
    dolce(*score)->font = own;
    dolce(*score)->fontGiven = true;
    select(*score, {dolce(*score)->item});
    const QFont chosen(QStringLiteral("Times New Roman"), 9);
    prompter.fontAnswers.enqueue(chosen);
    score->setTextFontCommand();
    QCOMPARE(prompter.fontsOffered, QList<QFont>{own});

    // Without a font of its own the picker starts from the style's.
    select(*score, {dolce(*score)->item, rit(*score)->item, fermata(*score)->item});
    const bool ritFirst =
        firstSelectedOf(*score, {dolce(*score)->item, rit(*score)->item}) == rit(*score)->item;
    prompter.fontAnswers.enqueue(chosen);
    TestSupport::MessageCapture capture;
    score->setTextFontCommand();
    QCOMPARE(prompter.fontsOffered.size(), 2);
    QCOMPARE(prompter.fontsOffered.at(1), ritFirst ? score->style->textFont : chosen);
    QCOMPARE(score->undoStack->count(), 2);
    QCOMPARE(score->undoStack->text(1), QStringLiteral("setTextFont"));
    QCOMPARE(stepTexts(*score), QStringList(2, QStringLiteral("SetTextFont")));
    QCOMPARE(capture.count(regenerated), 1);
    QVERIFY(rit(*score)->fontGiven);
    QCOMPARE(rit(*score)->font, chosen);
    score->undoStack->undo();
    QVERIFY(!rit(*score)->fontGiven);
}

void TestSelectionCommands::setTextFontCancelled()
{
    auto score = unchangedScore();
    QVERIFY(score);
    select(*score, {rit(*score)->item});
    TestSupport::MessageCapture capture;
    score->setTextFontCommand();
    QCOMPARE(prompter.fontsOffered, QList<QFont>{score->style->textFont});
    QCOMPARE(score->undoStack->count(), 0);
    QCOMPARE(capture.count(regenerated), 0);
    QVERIFY(!rit(*score)->fontGiven);
}

// The picker opens on the first selected direction, whatever comes
// before it; without a direction it does not open.
void TestSelectionCommands::setTextFontTakesTheFirstDirection()
{
    auto score = unchangedScore();
    QVERIFY(score);
    const QFont own(QStringLiteral("Arial"), 20);
    rit(*score)->font = own;
    rit(*score)->fontGiven = true;
    select(*score,
           {firstNote(*score)->lyrics.at(0)->item, score->credits.at(0)->item, rit(*score)->item});
    score->setTextFontCommand();
    QCOMPARE(prompter.fontsOffered, QList<QFont>{own});

    prompter.reset();
    select(*score, {firstNote(*score)->lyrics.at(0)->item, score->credits.at(0)->item});
    score->setTextFontCommand();
    QVERIFY(prompter.prompts.isEmpty());
    QCOMPARE(score->undoStack->count(), 0);
}

void TestSelectionCommands::resetTextFont()
{
    auto score = unchangedScore();
    QVERIFY(score);
    for (Direction *direction : {dolce(*score), rit(*score)}) {
        direction->font = QFont(QStringLiteral("Arial"), 20);
        direction->fontGiven = true;
    }
    select(*score, {dolce(*score)->item, rit(*score)->item, fermata(*score)->item});
    score->resetTextFontCommand();
    QCOMPARE(score->undoStack->text(0), QStringLiteral("resetTextFont"));
    QCOMPARE(stepTexts(*score), QStringList(2, QStringLiteral("ResetTextFont")));
    QVERIFY(!dolce(*score)->fontGiven);
    QVERIFY(!rit(*score)->fontGiven);
    QVERIFY(score->changed);
    score->undoStack->undo();
    QVERIFY(dolce(*score)->fontGiven);
    QCOMPARE(rit(*score)->font, QFont(QStringLiteral("Arial"), 20));
}

void TestSelectionCommands::creditFont()
{
    auto score = unchangedScore();
    QVERIFY(score);
    Credit *title = score->credits.at(0);
    Credit *composer = score->credits.at(1);
    title->font = QFont(QStringLiteral("Arial"), 24);
    composer->font = QFont(QStringLiteral("Arial"), 12);
    const QFont titleFont = title->font;
    const QFont composerFont = composer->font;
    QVERIFY(titleFont != composerFont);
    select(*score, {title->item, composer->item, dolce(*score)->item});
    const QFont firstFont = firstSelectedOf(*score, {title->item, composer->item}) == title->item
                                ? titleFont
                                : composerFont;
    const QFont chosen(QStringLiteral("Arial"), 30);
    prompter.fontAnswers.enqueue(chosen);
    TestSupport::MessageCapture capture;
    score->fontChangeCommand();
    QCOMPARE(prompter.fontsOffered, QList<QFont>{firstFont});
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(score->undoStack->text(0), QStringLiteral("credit change"));
    QCOMPARE(stepTexts(*score), QStringList(2, QStringLiteral("CreditFontChange")));
    QCOMPARE(title->font, chosen);
    QCOMPARE(composer->font, chosen);
    // The commands draw the score anew, one each.
    QCOMPARE(capture.count(regenerated), 2);
    score->undoStack->undo();
    QCOMPARE(title->font, titleFont);
    QCOMPARE(composer->font, composerFont);
}

void TestSelectionCommands::creditFontCancelled()
{
    auto score = unchangedScore();
    QVERIFY(score);
    // Without a credit the picker starts from a default font.
    select(*score, {dolce(*score)->item});
    score->fontChangeCommand();
    QCOMPARE(prompter.fontsOffered, QList<QFont>{QFont()});
    QCOMPARE(score->undoStack->count(), 0);

    select(*score, {score->credits.at(0)->item});
    const QFont before = score->credits.at(0)->font;
    TestSupport::MessageCapture capture;
    score->fontChangeCommand();
    QCOMPARE(score->undoStack->count(), 0);
    QCOMPARE(capture.count(regenerated), 0);
    QCOMPARE(score->credits.at(0)->font, before);
}

void TestSelectionCommands::deleteSymbols()
{
    auto score = unchangedScore();
    QVERIFY(score);
    score->measures.at(1)->userBreakType = 2;
    score->generateScore();
    Note *repeated = noteOf(*score, 0, 3);
    Directive *longRepeat = directiveOf(repeated, ".longRepeat{2}");
    Directive *noPrev = directiveOf(firstNote(*score), ".noPrev");
    QGraphicsItem *mark = breakMark(*score, 2);
    select(*score, {mark, longRepeat->item, noPrev->item});
    const QStringList expected =
        inSelectionOrder(*score, {{mark, "DeletePageBreak"},
                                  {longRepeat->item, "delete directive long repeat"},
                                  {noPrev->item, "delete directive"}});
    const QString before = TestSupport::savedScoreFile(*score);

    TestSupport::MessageCapture capture;
    score->deleteSelectedSymbol();
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(score->undoStack->text(0), QStringLiteral("Delete Directives"));
    QCOMPARE(stepTexts(*score), expected);
    QCOMPARE(capture.count(regenerated), 1);
    QCOMPARE(score->measures.at(1)->userBreakType, 0);
    // Deleted, still held by their notes.
    QVERIFY(repeated->directives.contains(longRepeat));
    QVERIFY(longRepeat->deleted);
    QVERIFY(firstNote(*score)->directives.contains(noPrev));
    QVERIFY(noPrev->deleted);
    QVERIFY(!breakMark(*score, 2));

    score->undoStack->undo();
    QCOMPARE(score->measures.at(1)->userBreakType, 2);
    QVERIFY(!longRepeat->deleted);
    QVERIFY(!noPrev->deleted);
    QCOMPARE(TestSupport::savedScoreFile(*score), before);
}

void TestSelectionCommands::deleteDirectiveKinds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("command");
    const QString longRepeat = QStringLiteral("delete directive long repeat");
    const QString plain = QStringLiteral("delete directive");
    QTest::newRow("long repeat 1") << ".longRepeat{1}" << longRepeat;
    QTest::newRow("simile") << ".longRepeatSimile{2}" << longRepeat;
    QTest::newRow("long repeat 4") << ".longRepeat4{2}" << longRepeat;
    QTest::newRow("accelerating") << ".longRepeatAccel{2}" << longRepeat;
    QTest::newRow("two beats") << ".longRepeatBeat2{2}" << longRepeat;
    QTest::newRow("step down") << ".longStepDown{2}" << longRepeat;
    QTest::newRow("pizzicato") << ".pizz" << plain;
    QTest::newRow("transpose") << ".transpose{2}" << plain;
    QTest::newRow("quoted text") << "'Tsu'" << plain;
}

void TestSelectionCommands::deleteDirectiveKinds()
{
    QFETCH(QString, text);
    QFETCH(QString, command);
    auto score = unchangedScore();
    QVERIFY(score);
    Note *note = noteOf(*score, 0, 1);
    Directive *directive = score->addDirectiveToNote(note, text);
    score->undoStack->clear();
    score->generateScore();
    select(*score, {directive->item});
    score->deleteSelectedSymbol();
    QCOMPARE(stepTexts(*score), QStringList{command});
    QVERIFY(directive->deleted);
    QVERIFY(note->directives.contains(directive));
    score->undoStack->undo();
    QVERIFY(!directive->deleted);
}

void TestSelectionCommands::deleteNotFittedWhitePageBreak()
{
    auto score = unchangedScore();
    QVERIFY(score);
    score->measures.at(1)->userBreakType = 6;
    score->generateScore();
    select(*score, {breakMark(*score, 6)});
    score->deleteSelectedSymbol();
    QCOMPARE(stepTexts(*score), QStringList{"DeleteWhitePageBreak"});
    QCOMPARE(score->measures.at(1)->userBreakType, 0);
    score->undoStack->undo();
    QCOMPARE(score->measures.at(1)->userBreakType, 6);
}

void TestSelectionCommands::deleteNothingDeletable()
{
    auto score = unchangedScore();
    QVERIFY(score);
    QGraphicsItem *glyph = noteGlyph(*score, firstNote(*score));
    select(*score, {glyph, firstNote(*score)->lyrics.at(0)->item, dolce(*score)->item});
    TestSupport::MessageCapture capture;
    score->deleteSelectedSymbol();
    QCOMPARE(score->undoStack->count(), 0);
    QCOMPARE(capture.count(regenerated), 0);
    QVERIFY(!firstNote(*score)->lyrics.at(0)->deleted);
}

VELMORA_TEST_MAIN(TestSelectionCommands)

} // namespace tst_selection_commands
#include "tst_selection_commands.moc"
