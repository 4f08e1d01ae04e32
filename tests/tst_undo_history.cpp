// The undo history as a whole: the macro guard (no push, no step; nested
// guards and pushes from slots join the open step), a sequence of edits
// with regenerations undone and redone through the saved file, the rebuild
// of the model that clears the history, and the settings commands that
// keep the score's own Page and Part objects.
#include "document/partsettingrows.h"
#include "document/scorexmlmode.h"
#include "document/settingsvalues.h"
#include "model/credit.h"
#include "model/directive.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/selecteddirection.h"
#include "model/selecteddirective.h"
#include "model/selectednotation.h"
#include "model/selectednote.h"
#include "model/style.h"
#include "model/voice.h"
#include "support/editablescore.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "view/movecommands.h"
#include "view/notecommands.h"
#include "view/scene.h"
#include "view/settingcommands.h"
#include "view/textcommands.h"
#include "view/undomacro.h"

#include <QDateTime>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUndoStack>

#include <memory>
#include <variant>

namespace tst_undo_history {

using TestSupport::editableScore;

namespace {

Note *firstNote(Score &score)
{
    return score.measures.at(0)->parts.at(0)->voices.at(0)->notes.at(0);
}

// A command that changes nothing: for the shape of the stack only.
QUndoCommand *blank(const QString &text)
{
    return new QUndoCommand(text);
}

// Every stored setting of a part and its staff count, as text.
QStringList settingsOf(const Part *part)
{
    return TestSupport::partSettingsText(part) << QString::number(part->staffCount);
}

// Whether the score would ask before closing.
bool reportsUnsavedChanges(const Score &score)
{
    return score.changed || !score.undoStack->isClean();
}

} // namespace

class TestUndoHistory : public QObject
{
    Q_OBJECT

private slots:
    void guardWithoutPushLeavesNoStep();
    void nestedGuardsAreOneStep();
    void pushFromASlotLandsInTheOpenMacro();
    void editsWithRegenerationsUndoAndRedo();
    void rebuildClearsTheHistory_data();
    void rebuildClearsTheHistory();
    void updatePartKeepsThePartObjects();
    void updatePageKeepsThePageObject();
    void copyPartList();
    void undoneLyricDeletionSurvivesAnExport();
};

void TestUndoHistory::guardWithoutPushLeavesNoStep()
{
    auto score = editableScore();
    QVERIFY(score);
    QUndoStack *stack = score->undoStack;
    score->pushCommand(blank(QStringLiteral("before")));
    {
        UndoMacro macro(score.get(), QStringLiteral("Delete Directives"));
    }
    QCOMPARE(stack->count(), 1);
    QCOMPARE(stack->index(), 1);

    // Undone: the index is below the count, and an empty action must not
    // drop the step that could be redone.
    stack->undo();
    {
        UndoMacro macro(score.get(), QStringLiteral("Delete Directives"));
    }
    QCOMPARE(stack->count(), 1);
    QCOMPARE(stack->index(), 0);
    QVERIFY(stack->canRedo());
}

void TestUndoHistory::nestedGuardsAreOneStep()
{
    auto score = editableScore();
    QVERIFY(score);
    QUndoStack *stack = score->undoStack;
    {
        UndoMacro outer(score.get(), QStringLiteral("Add Directives"));
        score->pushCommand(blank(QStringLiteral("first")));
        {
            UndoMacro inner(score.get(), QStringLiteral("inner"));
            score->pushCommand(blank(QStringLiteral("second")));
        }
        // The inner guard's end does not end the outer macro.
        score->pushCommand(blank(QStringLiteral("third")));
    }
    QCOMPARE(stack->count(), 1);
    QCOMPARE(stack->text(0), QStringLiteral("Add Directives"));
    QCOMPARE(stack->command(0)->childCount(), 3);

    // A guard whose first push comes only from a nested one still names
    // the step.
    {
        UndoMacro outer(score.get(), QStringLiteral("move selected items"));
        UndoMacro inner(score.get(), QStringLiteral("inner"));
        score->pushCommand(blank(QStringLiteral("only")));
    }
    QCOMPARE(stack->count(), 2);
    QCOMPARE(stack->text(1), QStringLiteral("move selected items"));

    // Without a guard, a push is a step of its own.
    score->pushCommand(blank(QStringLiteral("alone")));
    QCOMPARE(stack->count(), 3);
    QCOMPARE(stack->command(2)->childCount(), 0);
}

void TestUndoHistory::pushFromASlotLandsInTheOpenMacro()
{
    auto score = editableScore();
    QVERIFY(score);
    QObject sender;
    Directive *directive = firstNote(*score)->directives.at(0);
    connect(&sender, &QObject::objectNameChanged, score.get(),
            [&] { score->pushCommand(new DirectiveMove(score.get(), directive, QPointF(1, 1))); });
    {
        UndoMacro macro(score.get(), QStringLiteral("Add Directives"));
        score->pushCommand(blank(QStringLiteral("first")));
        // As a modal dialog's signal would, while the action is open.
        sender.setObjectName(QStringLiteral("step"));
    }
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(score->undoStack->command(0)->childCount(), 2);
    QVERIFY(directive->moved);
    score->undoStack->undo();
    QVERIFY(!directive->moved);
}

void TestUndoHistory::editsWithRegenerationsUndoAndRedo()
{
    auto score = editableScore(true);
    QVERIFY(score);
    QCOMPARE(score->displayedMeasures.size(), 3);
    QStringList texts = {TestSupport::savedScoreFile(*score)};

    {
        UndoMacro macro(score.get(), QStringLiteral("move selected items"));
        auto *move =
            new DirectiveMove(score.get(), firstNote(*score)->directives.at(0), QPointF(0.5, -0.5));
        move->setText(QStringLiteral("DirectiveMove"));
        score->pushCommand(move);
    }
    score->generateScore();
    texts << TestSupport::savedScoreFile(*score);
    {
        UndoMacro macro(score.get(), QStringLiteral("credit change"));
        const QFont font(QStringLiteral("Arial"), 19);
        for (Credit *credit : std::as_const(score->credits)) {
            auto *change = new CreditFontChange(score.get(), credit, font);
            change->setText(QStringLiteral("CreditFontChange"));
            score->pushCommand(change);
        }
    }
    score->generateScore();
    texts << TestSupport::savedScoreFile(*score);
    {
        UndoMacro macro(score.get(), QStringLiteral("insertPageBreak"));
        // Inside the merged rest: the merge lives in computed fields only.
        auto *insert = new InsertPageBreak(score.get(), score->measures.at(2));
        insert->setText(QStringLiteral("InsertPageBreak"));
        score->pushCommand(insert);
    }
    score->generateScore();
    texts << TestSupport::savedScoreFile(*score);
    QCOMPARE(score->undoStack->count(), 3);
    QCOMPARE(texts.removeDuplicates(), 0);

    for (int step = 2; step >= 0; --step) {
        score->undoStack->undo();
        score->generateScore();
        QCOMPARE(TestSupport::savedScoreFile(*score), texts.at(step));
    }
    QCOMPARE(score->displayedMeasures.size(), 3);
    for (int step = 1; step <= 3; ++step) {
        score->undoStack->redo();
        score->generateScore();
        QCOMPARE(TestSupport::savedScoreFile(*score), texts.at(step));
    }
    QCOMPARE(score->measures.size(), 5);
}

void TestUndoHistory::rebuildClearsTheHistory_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("undoAfterSave");
    QTest::addColumn<bool>("markChanged");
    QTest::newRow("unsaved edit") << true << false << false << false;
    QTest::newRow("saved edit") << true << true << false << false;
    QTest::newRow("saved edit undone") << true << true << true << false;
    QTest::newRow("changed without an edit") << false << false << false << true;
    QTest::newRow("nothing") << false << false << false << false;
}

void TestUndoHistory::rebuildClearsTheHistory()
{
    QFETCH(bool, edit);
    QFETCH(bool, save);
    QFETCH(bool, undoAfterSave);
    QFETCH(bool, markChanged);
    auto score = editableScore();
    QVERIFY(score);
    QTemporaryDir folder;
    score->filePath = folder.filePath(QStringLiteral("score.tnsx"));
    if (edit)
        score->pushCommand(new InsertLineBreak(score.get(), score->measures.at(1)));
    if (save)
        QVERIFY(score->saveFile());
    if (undoAfterSave)
        score->undoStack->undo();
    if (markChanged)
        score->setChanged(true);
    const bool unsaved = reportsUnsavedChanges(*score);
    QCOMPARE(unsaved, (edit && (!save || undoAfterSave)) || markChanged);

    score->selectedMeasures << 1;
    score->selectedNotes << new SelectedNote(0, 0, 0, 0);
    score->selectedDirections << new SelectedDirection(0, 0, 0, 0);
    score->selectedNotations << new SelectedNotation(0, 0, 0, 0, 0);
    score->selectedDirectives << new SelectedDirective(0, 0, 0, 0, 0);
    Page *page = score->page;
    QSignalSpy canUndo(score.get(), &Score::sigCanUndo);

    QVERIFY(score->rebuildModel(TestSupport::savedScoreFile(*score)));
    QCOMPARE(score->undoStack->count(), 0);
    // A stack that held commands has told the main window it can undo
    // nothing now.
    if (edit)
        QVERIFY(!canUndo.isEmpty());
    if (!canUndo.isEmpty())
        QCOMPARE(canUndo.last().at(0).toBool(), false);
    QVERIFY(!score->canUndoFlag);
    QVERIFY(score->selectedMeasures.isEmpty());
    QVERIFY(score->selectedNotes.isEmpty());
    QVERIFY(score->selectedDirections.isEmpty());
    QVERIFY(score->selectedNotations.isEmpty());
    QVERIFY(score->selectedDirectives.isEmpty());
    QCOMPARE(score->page, page);
    QCOMPARE(score->scene->page, page);
    QCOMPARE(reportsUnsavedChanges(*score), unsaved);
    // The rebuilt model still carries the edit.
    QCOMPARE(score->measures.at(1)->userBreakType, edit && !undoAfterSave ? 1 : 0);
}

void TestUndoHistory::updatePartKeepsThePartObjects()
{
    auto score = editableScore();
    QVERIFY(score);
    const QList<Part *> parts = score->parts;
    const QStringList oldSettings = settingsOf(parts.at(0));
    QList<Part *> settings = score->copyPartList(parts);
    settings.at(0)->partName = QStringLiteral("Koto");
    settings.at(0)->notationStyle = 5;
    settings.at(0)->noteFontSize = 6.5;
    settings.at(0)->lyricsOutput = false;
    const QStringList newSettings = settingsOf(settings.at(0));
    score->pushCommand(new UpdatePart(score.get(), settings));
    // The command keeps copies of its own.
    qDeleteAll(settings);

    QCOMPARE(score->parts, parts);
    QCOMPARE(settingsOf(parts.at(0)), newSettings);
    score->undoStack->undo();
    QCOMPARE(score->parts, parts);
    QCOMPARE(settingsOf(parts.at(0)), oldSettings);
    score->undoStack->redo();
    QCOMPARE(score->parts, parts);
    QCOMPARE(settingsOf(parts.at(0)), newSettings);
    // The new style regenerates on the same part.
    QVERIFY(score->generateScore());
    QVERIFY(parts.at(0)->noteFontRenderer);
}

void TestUndoHistory::updatePageKeepsThePageObject()
{
    auto score = editableScore();
    QVERIFY(score);
    Page *page = score->page;
    const std::unique_ptr<Page> before(page->clone());
    Page settings;
    settings.copyFrom(page);
    settings.paperSize = page->paperSize == PaperA4 ? PaperB5 : PaperA4;
    settings.horizontal = !page->horizontal;
    settings.landscape = !page->landscape;
    settings.measurePerLine = page->measurePerLine + 2;
    settings.marginTop = page->marginTop + 3.0;

    score->pushCommand(new UpdatePage(score.get(), &settings));
    QCOMPARE(score->page, page);
    QVERIFY(!page->isDifferent(&settings));
    score->undoStack->undo();
    QCOMPARE(score->page, page);
    QCOMPARE(score->scene->page, page);
    QVERIFY(!page->isDifferent(before.get()));
    QCOMPARE(page->paperSize, before->paperSize);
    QCOMPARE(page->horizontal, before->horizontal);
}

void TestUndoHistory::copyPartList()
{
    auto score = editableScore();
    QVERIFY(score);
    Part *source = score->parts.at(0);
    source->partAbbreviation = QStringLiteral("Sh.");
    source->instrumentKey = -2;
    source->noteWidth8 = 0.9;
    source->staffNoteBeams = true;
    source->lyricsFont = QFont(QStringLiteral("Arial"), 11);
    QVERIFY(source->noteFontRenderer);
    QVERIFY(!source->lengthMap.isEmpty());

    const QList<Part *> copies = score->copyPartList(score->parts);
    QCOMPARE(copies.size(), score->parts.size());
    Part *copy = copies.at(0);
    QVERIFY(copy != source);
    QCOMPARE(copy->score, score.get());
    QVERIFY(!copy->parent());
    QCOMPARE(settingsOf(copy), settingsOf(source));
    QVERIFY(!copy->noteFontRenderer);
    QVERIFY(copy->lengthMap.isEmpty());
    QVERIFY(copy->lengthMapV.isEmpty());
    QVERIFY(copy->alongOffsetMap.isEmpty());
    QVERIFY(copy->tie != source->tie);
    QVERIFY(copy->slurs.first() != source->slurs.first());
    qDeleteAll(copies);

    QVERIFY(score->copyPartList({}).isEmpty());
}

void TestUndoHistory::undoneLyricDeletionSurvivesAnExport()
{
    auto score = editableScore();
    QVERIFY(score);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.musicxml"));
    const auto exported = [&] {
        if (!score->exportMusicXMLFile(path, ScoreXmlMode::PlainMusicXml))
            return QString();
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    const QString before = exported();
    QVERIFY(before.contains(QStringLiteral("<text>a</text>")));

    score->pushCommand(new DeleteLyric(firstNote(*score)->lyrics.at(0)));
    const QString deleted = exported();
    QVERIFY(!deleted.isEmpty());
    QVERIFY(!deleted.contains(QStringLiteral("<text>a</text>")));
    score->undoStack->undo();
    QCOMPARE(exported(), before);
    score->undoStack->redo();
    QCOMPARE(exported(), deleted);
}

VELMORA_TEST_MAIN(TestUndoHistory)

} // namespace tst_undo_history
#include "tst_undo_history.moc"
