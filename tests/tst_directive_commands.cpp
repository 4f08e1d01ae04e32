// The directive commands on generated scores: adding directive texts to the
// selected note glyphs (refusals, the transpose dialog inside the step, an
// add after an undo), long-repeat ranges, in-place transpose and scale
// edits, and the note-name command's guards. The dialogs run through the
// scripted prompter, which answers for the user.
#include "dialogs/dialogtranspose.h"
#include "dialogs/notenamedialog.h"
#include "dialogs/scaledialog.h"
#include "model/direction.h"
#include "model/directive.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/scorefile.h"
#include "support/scriptedprompter.h"
#include "support/testenvironment.h"
#include "view/notecommands.h"
#include "view/scene.h"

#include <QDialog>
#include <QGraphicsItem>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QUndoStack>
#include <QtTest>

#include <memory>

namespace tst_directive_commands {

namespace {

const QString everyItem = QStringLiteral("undo/undo-EveryEditableItem.xml");
using NoteList = QList<QPair<int, int>>;

const QString chords = QStringLiteral("moves/moves-ChordsWedgeSlur.xml");

std::unique_ptr<Score> generated(const QString &fixture)
{
    auto score = std::make_unique<Score>(QStringLiteral("test"), 1, false);
    if (!TestSupport::loadScoreFile(*score, TestSupport::fixturePath(fixture)))
        return nullptr;
    if (!score->generateScore())
        return nullptr;
    return score;
}

Note *noteOf(Score &score, int measure, int index)
{
    return score.measures.at(measure)->parts.at(0)->voices.made(0)->notes.at(index);
}

// Selects the glyphs of the notes (measure, index), in that order.
void selectNotes(Score &score, const NoteList &notes)
{
    score.scene->clearSelection();
    for (const auto &[measure, index] : notes) {
        const Note *note = noteOf(score, measure, index);
        QGraphicsItem *glyph =
            score.measures.at(measure)->getItemGraphicsItem(0, 0, note->firstAlignItem);
        QVERIFY(glyph);
        QCOMPARE(itemTag(glyph, TagNote), index);
        glyph->setSelected(true);
    }
}

QStringList liveTexts(const Note *note)
{
    QStringList texts;
    for (const Directive *directive : note->directives) {
        if (!directive->deleted)
            texts << directive->text;
    }
    return texts;
}

} // namespace

class TestDirectiveCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void refusals_data();
    void refusals();
    void addAfterUndo_data();
    void addAfterUndo();
    void emptyTextAddsNothing();
    void transposeInsideTheStep();
    void noteDirectiveIndexSkipsDeleted();
    void longRepeatRanges_data();
    void longRepeatRanges();
    void transposeChangeText_data();
    void transposeChangeText();
    void transposeDialogIndex_data();
    void transposeDialogIndex();
    void scaleChangeReplacesTheLiveScale();
    void scaleEditOpensOnlyOnAScale();
    void noteNameCommandNeedsANoteGlyph();
    void noteNameDialogRow();
    void noteNamesApplied();

private:
    TestSupport::ScriptedPrompter prompter;
};

void TestDirectiveCommands::init()
{
    prompter.reset();
    Prompter::install(&prompter);
}

void TestDirectiveCommands::cleanup()
{
    Prompter::install(nullptr);
}

void TestDirectiveCommands::refusals_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index"); // the refused note of measure 1
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("warning");
    QTest::newRow("noPrev on a chord member") << ".noPrev" << 1 << ".noPrev"
                                              << "Select the lowest note of chord notes.";
    QTest::newRow("second noPrev") << ".noPrev" << 0 << ".noPrev"
                                   << "This note already has a NoPrev.";
    QTest::newRow("parenthesis on a chord member") << ".(" << 2 << ""
                                                   << "Select the lowest note of chord notes.";
    QTest::newRow("scale on a chord member") << ".scale{1,2}'x'" << 1 << ""
                                             << "Select the lowest note of chord notes.";
    QTest::newRow("second scale") << ".scale{1,2}'x'" << 0 << ".scale{3}'y'"
                                  << "This note already has a scale.";
    QTest::newRow("second sangen scale") << ".scaleSangen{1}'x'" << 0 << ".scaleSangen{2}'y'"
                                         << "This note already has a scale.";
}

// The refused note gets a warning and nothing; the half note selected with
// it still gets the directive in the one step.
void TestDirectiveCommands::refusals()
{
    QFETCH(QString, text);
    QFETCH(int, index);
    QFETCH(QString, preset);
    QFETCH(QString, warning);
    auto score = generated(chords);
    QVERIFY(score);
    Note *refused = noteOf(*score, 0, index);
    if (!preset.isEmpty())
        score->addDirectiveToNote(refused, preset);
    score->undoStack->clear();
    const QStringList before = liveTexts(refused);
    selectNotes(*score, {{0, index}, {0, 4}});

    score->addDirectives(text);

    QCOMPARE(prompter.texts(QStringLiteral("warning")), QStringList{warning});
    QCOMPARE(prompter.prompts.first().title, QStringLiteral("Velmora"));
    QCOMPARE(liveTexts(refused), before);
    QCOMPARE(liveTexts(noteOf(*score, 0, 4)), QStringList{text});
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(score->undoStack->command(0)->text(), QStringLiteral("Add Directives"));
}

void TestDirectiveCommands::addAfterUndo_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("noPrev") << ".noPrev";
    QTest::newRow("scale") << ".scale{1,2}'x'";
    QTest::newRow("sangen scale") << ".scaleSangen{1}'x'";
}

// An undone addition stays in the note's list, deleted; it must not block
// the same directive afterwards.
void TestDirectiveCommands::addAfterUndo()
{
    QFETCH(QString, text);
    auto score = generated(chords);
    QVERIFY(score);
    selectNotes(*score, {{0, 4}});
    score->addDirectives(text);
    score->undoStack->undo();
    QVERIFY(liveTexts(noteOf(*score, 0, 4)).isEmpty());
    selectNotes(*score, {{0, 4}});
    score->addDirectives(text);
    QVERIFY(prompter.texts(QStringLiteral("warning")).isEmpty());
    QCOMPARE(liveTexts(noteOf(*score, 0, 4)).size(), 1);
}

void TestDirectiveCommands::emptyTextAddsNothing()
{
    auto score = generated(chords);
    QVERIFY(score);
    selectNotes(*score, {{0, 0}, {0, 4}});
    const int before = noteOf(*score, 0, 0)->directives.size();
    score->addDirectives(QString());
    QCOMPARE(score->undoStack->count(), 0);
    QCOMPARE(noteOf(*score, 0, 0)->directives.size(), before);
    QCOMPARE(score->scene->selectedItems().size(), 2); // no regeneration
}

// The dialog regenerates at each report; the later notes were read before.
void TestDirectiveCommands::transposeInsideTheStep()
{
    auto score = generated(chords);
    QVERIFY(score);
    selectNotes(*score, {{0, 0}, {0, 4}});
    QList<int> indices;
    for (int i = 0; i < 2; ++i) {
        prompter.dialogScripts.enqueue([&indices](QDialog *dialog) {
            auto *transpose = qobject_cast<DialogTranspose *>(dialog);
            indices << transpose->transposeIndex();
            emit transpose->sigTransposeUpdated(5);
            return int(QDialog::Accepted);
        });
    }
    score->addDirectives(QStringLiteral(".transpose{3}"));

    QCOMPARE(indices, (QList<int>{15, 15}));
    QVERIFY(liveTexts(noteOf(*score, 0, 0)).contains(QStringLiteral(".transpose{5}")));
    QVERIFY(liveTexts(noteOf(*score, 0, 4)).contains(QStringLiteral(".transpose{5}")));
    QCOMPARE(score->undoStack->count(), 1);
    score->undoStack->undo();
    QVERIFY(!liveTexts(noteOf(*score, 0, 0)).contains(QStringLiteral(".transpose{5}")));
    QVERIFY(!liveTexts(noteOf(*score, 0, 4)).contains(QStringLiteral(".transpose{3}")));
}

void TestDirectiveCommands::noteDirectiveIndexSkipsDeleted()
{
    auto score = generated(chords);
    QVERIFY(score);
    Note *note = noteOf(*score, 0, 4);
    const int first = note->directives.size();
    score->addDirectiveToNote(note, QStringLiteral(".noPrev"));
    score->undoStack->undo();
    score->addDirectiveToNote(note, QStringLiteral(".noPrev"));
    QCOMPARE(score->noteDirectiveIndex(note, 4), first + 1);
    QCOMPARE(score->noteDirectiveIndex(note, 19), -1);
}

void TestDirectiveCommands::longRepeatRanges_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<NoteList>("notes");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("pushed"); // empty: nothing pushed
    QTest::newRow("first note of a chord")
        << chords << NoteList{{0, 0}} << 0 << "addDirectiveLongRepeat.longRepeat{1}";
    QTest::newRow("one chord member") << chords << NoteList{{0, 1}} << 1 << "";
    QTest::newRow("end on a chord member") << chords << NoteList{{0, 0}, {0, 2}} << 1 << "";
    QTest::newRow("same measure") << chords << NoteList{{0, 4}, {0, 0}} << 0
                                  << "addDirectiveLongRepeat.longRepeat{5}";
    QTest::newRow("across the barline, later first")
        << chords << NoteList{{1, 0}, {0, 3}} << 0 << "addDirectiveLongRepeat.longRepeat{3}";
    // The rest of measure 1 is made a long repeat of one note first.
    QTest::newRow("over a long repeat") << chords << NoteList{{0, 0}, {0, 4}} << 2 << "";
    QTest::newRow("two measures apart") << everyItem << NoteList{{0, 0}, {2, 0}} << 0 << "";
}

void TestDirectiveCommands::longRepeatRanges()
{
    QFETCH(QString, fixture);
    QFETCH(NoteList, notes);
    QFETCH(int, result);
    QFETCH(QString, pushed);
    auto score = generated(fixture);
    QVERIFY(score);
    if (result == 2) {
        noteOf(*score, 0, 3)->longRepeatCount = 1;
        QVERIFY(score->generateScore());
    }
    selectNotes(*score, notes);
    QCOMPARE(score->scene->selectedItems().size(), notes.size());
    QCOMPARE(score->addDirectiveLongRepeat(QStringLiteral(".longRepeat{1}")), result);
    QCOMPARE(score->undoStack->count(), pushed.isEmpty() ? 0 : 1);
    if (!pushed.isEmpty())
        QCOMPARE(score->undoStack->command(0)->text(), pushed);
}

void TestDirectiveCommands::transposeChangeText_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("text");
    QTest::newRow("down") << -5 << ".transpose{-5}";
    QTest::newRow("none") << 0 << ".transpose{0}";
    QTest::newRow("up") << 2 << ".transpose{2}";
}

void TestDirectiveCommands::transposeChangeText()
{
    QFETCH(int, step);
    QFETCH(QString, text);
    auto score = generated(chords);
    QVERIFY(score);
    Note *note = noteOf(*score, 0, 4);
    Directive *directive = score->addDirectiveToNote(note, QStringLiteral(".transpose{7}"));
    score->transposeDialog->setDirective(directive);
    score->transposeChange(step);
    QCOMPARE(directive->text, text);
    QCOMPARE(score->undoStack->command(1)->text(), QStringLiteral("directive transpose change"));
    score->undoStack->undo();
    QCOMPARE(directive->text, QStringLiteral(".transpose{7}"));
}

void TestDirectiveCommands::transposeDialogIndex_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::newRow("three") << ".transpose{3}" << 15;
    QTest::newRow("no number") << ".transpose{}" << 12;
    QTest::newRow("no brace") << ".transpose" << 11;
    // Beyond an octave the dialog shows no step.
    QTest::newRow("out of range") << ".transpose{20}" << -1;
}

void TestDirectiveCommands::transposeDialogIndex()
{
    QFETCH(QString, text);
    QFETCH(int, index);
    auto score = generated(chords);
    QVERIFY(score);
    Note *note = noteOf(*score, 0, 4);
    Directive *directive = score->addDirectiveToNote(note, text);
    directive->kind = 19; // the command reads the kind, not the text
    score->generateScore();
    QVERIFY(directive->item);
    score->scene->clearSelection();
    directive->item->setSelected(true);
    score->noteDirectiveTransposeChangeCommand();
    QCOMPARE(prompter.texts(QStringLiteral("dialog")).size(), 1);
    QCOMPARE(score->transposeDialog->transposeIndex(), index);
    QCOMPARE(score->transposeDialog->getDirective(), directive);
}

// A deleted koto scale before a live sangen one: the sangen one is edited.
// The editor's Apply, pressed while it runs, writes the sangen prefix; the
// editor is gone once its run ends.
void TestDirectiveCommands::scaleChangeReplacesTheLiveScale()
{
    auto score = generated(chords);
    QVERIFY(score);
    Note *note = noteOf(*score, 0, 0);
    Directive *koto = score->addDirectiveToNote(note, QStringLiteral(".scale{1}'a'"));
    score->undoStack->undo();
    Directive *sangen = score->addDirectiveToNote(note, QStringLiteral(".scaleSangen{1,3}'b'"));
    score->undoStack->clear();

    struct Seen
    {
        Note *note = nullptr;
        QString directiveText;
        QString message;
        QString appliedText;
    } seen;
    QPointer<ScaleDialog> editor;
    prompter.dialogScripts.enqueue([&](QDialog *dialog) {
        editor = qobject_cast<ScaleDialog *>(dialog);
        if (!editor)
            return int(QDialog::Rejected);
        seen.note = editor->getNote();
        seen.directiveText = editor->directiveText();
        seen.message = editor->message();
        editor->findChild<QLineEdit *>(QStringLiteral("lineEditScaleName"))
            ->setText(QStringLiteral("c"));
        editor->findChild<QPushButton *>(QStringLiteral("pushButtonApply"))->click();
        seen.appliedText = sangen->text;
        return int(QDialog::Accepted);
    });
    score->editScaleDirective(note, 0, int(note->directives.indexOf(sangen)));
    QCOMPARE(seen.note, note);
    QCOMPARE(seen.directiveText, QStringLiteral(".scaleSangen{1,3}'b'"));
    QCOMPARE(seen.message,
             QStringLiteral("Edit scale for part: 1.\nSelect a scale note in the list and change "
                            "pitch."));
    QCOMPARE(seen.appliedText, QStringLiteral(".scaleSangen{1,3}'c'"));
    QVERIFY(!editor);
    QVERIFY(!score->scaleDialog);

    QCOMPARE(koto->text, QStringLiteral(".scale{1}'a'"));
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(score->undoStack->command(0)->text(),
             QStringLiteral("directive replace for scale change"));
    score->undoStack->undo();
    QCOMPARE(sangen->text, QStringLiteral(".scaleSangen{1,3}'b'"));

    // Without a live scale there is nothing to replace.
    prompter.dialogScripts.enqueue([&](QDialog *dialog) {
        sangen->deleted = true;
        emit static_cast<ScaleDialog *>(dialog)->sigScaleUpdated(QStringLiteral("{3}'d'"));
        return int(QDialog::Accepted);
    });
    score->editScaleDirective(note, 0, int(note->directives.indexOf(sangen)));
    QCOMPARE(prompter.texts(QStringLiteral("dialog")).size(), 2);
    QCOMPARE(score->undoStack->index(), 0);
}

void TestDirectiveCommands::scaleEditOpensOnlyOnAScale()
{
    auto score = generated(chords);
    QVERIFY(score);
    Note *note = noteOf(*score, 0, 4);
    Directive *noPrev = score->addDirectiveToNote(note, QStringLiteral(".noPrev"));
    score->generateScore();
    QVERIFY(noPrev->item);
    score->scene->clearSelection();
    noPrev->item->setSelected(true);
    score->noteDirectiveScaleChangeCommand();
    QVERIFY(prompter.texts(QStringLiteral("dialog")).isEmpty());
    QVERIFY(!score->scaleDialog);
}

void TestDirectiveCommands::noteNameCommandNeedsANoteGlyph()
{
    auto score = generated(chords);
    QVERIFY(score);
    score->scene->clearSelection();
    score->noteNameChangeCommand();
    QVERIFY(prompter.prompts.isEmpty());
}

// The first note of measure 1 with an alternative name and no name of the
// user's.
Note *renamable(Score &score)
{
    for (Note *note : score.measures.at(0)->parts.at(0)->voices.made(0)->notes) {
        if (note->directName.isEmpty() && score.getNoteNameList(note).size() >= 2)
            return note;
    }
    return nullptr;
}

int noteNameChanges(const QUndoCommand *macro)
{
    int count = 0;
    for (int i = 0; i < macro->childCount(); ++i)
        count += dynamic_cast<const NoteNameChange *>(macro->child(i)) ? 1 : 0;
    return count;
}

void TestDirectiveCommands::noteNameDialogRow()
{
    auto score = generated(everyItem);
    QVERIFY(score);
    Note *note = renamable(*score);
    QVERIFY(note);
    const QStringList names = score->getNoteNameList(note);
    selectNotes(
        *score,
        {{0, int(score->measures.at(0)->parts.at(0)->voices.made(0)->notes.indexOf(note))}});
    score->noteNameChangeCommand();
    QCOMPARE(prompter.texts(QStringLiteral("dialog")).size(), 1);
    QCOMPARE(score->noteNameDialog->names(), names);
    QCOMPARE(score->noteNameDialog->currentRow(), int(names.indexOf(note->noteName)));

    // A chosen name outside the list opens the list on its first row.
    note->directName = QStringLiteral("not a name");
    score->noteNameChangeCommand();
    QCOMPARE(score->noteNameDialog->currentRow(), 0);
}

void TestDirectiveCommands::noteNamesApplied()
{
    auto score = generated(everyItem);
    QVERIFY(score);
    Note *note = renamable(*score);
    QVERIFY(note);
    const int index = int(score->measures.at(0)->parts.at(0)->voices.made(0)->notes.indexOf(note));
    const QStringList names = score->getNoteNameList(note);
    const QString quoted = QLatin1Char('\'') + names.at(1) + QLatin1Char('\'');

    // An alternative name: a quoted directive and the chosen name.
    selectNotes(*score, {{0, index}});
    score->noteNameChangeApply(names.at(1));
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(score->undoStack->command(0)->text(), QStringLiteral("NoteNameChange"));
    QCOMPARE(score->undoStack->command(0)->childCount(), 2);
    QVERIFY(liveTexts(note).contains(quoted));
    QCOMPARE(note->directName, names.at(1));
    QCOMPARE(note->noteName, names.at(1));

    // The name it already bears: nothing.
    selectNotes(*score, {{0, index}});
    score->noteNameChangeApply(names.at(1));
    QCOMPARE(score->undoStack->count(), 1);

    // Back to the default: the quoted directive goes, none comes.
    selectNotes(*score, {{0, index}});
    score->noteNameChangeApply(names.at(0));
    QCOMPARE(score->undoStack->count(), 2);
    QCOMPARE(score->undoStack->command(1)->childCount(), 2);
    QVERIFY(!liveTexts(note).contains(quoted));
    for (const QString &text : liveTexts(note))
        QVERIFY(!text.startsWith(QLatin1Char('\'')));

    // Three note glyphs and two other items: three name changes in one step.
    selectNotes(*score, {{0, 0}, {0, 1}, {0, 2}});
    score->measures.at(0)->parts.at(0)->voices.made(0)->directions.at(0)->item->setSelected(true);
    QVERIFY(noteOf(*score, 0, 0)->directives.first()->item);
    noteOf(*score, 0, 0)->directives.first()->item->setSelected(true);
    QCOMPARE(score->scene->selectedItems().size(), 5);
    score->noteNameChangeApply(QStringLiteral("X"));
    QCOMPARE(score->undoStack->count(), 3);
    QCOMPARE(noteNameChanges(score->undoStack->command(2)), 3);
}

VELMORA_TEST_MAIN(TestDirectiveCommands)

} // namespace tst_directive_commands
#include "tst_directive_commands.moc"
