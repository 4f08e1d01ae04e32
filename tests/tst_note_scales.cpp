// Scale assignment: every note gets its pitch number, shift, key, scale and
// scale index from a walk measure by measure and voice by voice; transpose
// and scale directives take effect at their note; a faulty 25-string scale
// directive or a tuning beyond MIDI's pitches warns once, not at every
// regeneration.
#include "document/directive_type.h"
#include "model/directive.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

#include <QElapsedTimer>
#include <QScopedPointer>

namespace tst_note_scales {

namespace {

const QString kotoTuning = QStringLiteral("4,-3,-1,0,4,5,9,11,12,16,17,21,23");
const QString tuning25 =
    QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25");

Directive *addDirective(Note *note, const QString &text, bool deleted = false)
{
    auto *directive = new Directive(note);
    directive->text = text;
    directive->kind = Score::getDirectiveType(text);
    directive->deleted = deleted;
    note->directives.append(directive);
    return directive;
}

QList<Note *> notesOf(const Score &score, int measure, int part, int voiceNumber)
{
    return score.measures.at(measure)->parts.at(part)->voices.at(voiceNumber - 1)->notes;
}

} // namespace

class TestNoteScales : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void emptyScores();
    void kotoWithoutDirectives();
    void instrumentKeyShiftsEveryNote();
    void transpositionWalksMeasureByMeasure();
    void transposeTexts_data();
    void transposeTexts();
    void scaleDirectives_data();
    void scaleDirectives();
    void scaleIndexFollowsScaleTexts();
    void stylesWithoutBuilderFindNoNames();
    void faultyKotoScaleWarnsOncePerDirective();
    void tuningBeyondMidiNamesNothing_data();
    void tuningBeyondMidiNamesNothing();
};

void TestNoteScales::init()
{
    TestSupport::prompter().reset();
}

void TestNoteScales::emptyScores()
{
    Score none(QStringLiteral("5.3.1"), 1, false);
    none.SetNoteScales();
    QVERIFY(none.noteScales.empty());

    Score noMeasures(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(&noMeasures);
    builder.addPart(QStringLiteral("Koto"), 5);
    builder.addPart(QStringLiteral("Kinko"), 0);
    noMeasures.parts.at(0)->scaleTexts << QStringLiteral("stale");
    noMeasures.SetNoteScales();
    QCOMPARE(noMeasures.noteScales.size(), size_t(2));
    QVERIFY(noMeasures.parts.at(0)->scaleTexts.isEmpty());
}

void TestNoteScales::kotoWithoutDirectives()
{
    Score score(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("Koto"), 5);
    builder.addMeasure();
    const QList<Note *> notes = builder.addNotes(0, 1, QStringLiteral("D4/4 r/4 G3/4 +D4/4"));
    score.SetNoteScales();

    QScopedPointer<NoteScale> expected(
        score.createScaleKoto(kotoTuning, QStringLiteral("Koto13(Hira_D)"), false));
    for (const Note *note : notes) {
        QVERIFY(note->noteScale);
        QVERIFY(*note->noteScale == *expected);
        QCOMPARE(note->scaleIndex, -1);
        QCOMPARE(note->pitchShift, 0);
    }
    const Note *d4 = notes.first();
    QCOMPARE(d4->pitchNumber, 4);
    QCOMPARE(d4->pitchIndex, 4);
    QCOMPARE(d4->noteScale->names(d4->pitchIndex).mid(0, 2),
             QStringList({QStringLiteral("5"), QStringLiteral("1")}));
    QCOMPARE(notes.at(2)->pitchIndex, -3);
    // A rest is stamped like any note; its empty step reads as C.
    QCOMPARE(notes.at(1)->pitchNumber, -46);
}

void TestNoteScales::instrumentKeyShiftsEveryNote()
{
    Score score(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("Kinko"), 0)->instrumentKey = -2;
    builder.addPart(QStringLiteral("Tozan"), 2);
    builder.addMeasure();
    const Note *shifted = builder.addNotes(0, 1, QStringLiteral("A4/4")).first();
    addDirective(builder.addNotes(0, 2, QStringLiteral("C5/4")).first(),
                 QStringLiteral(".transpose{3}"));
    builder.addMeasure();
    const Note *later = builder.addNotes(0, 3, QStringLiteral("gBb4/8")).first();
    // Each part starts afresh: the first part's transposition stays there.
    const Note *other = builder.addNotes(1, 1, QStringLiteral("A4/4")).first();
    score.SetNoteScales();

    QCOMPARE(shifted->pitchNumber, 11);
    QCOMPARE(shifted->pitchShift, -2);
    QCOMPARE(shifted->pitchIndex, 9);
    QCOMPARE(later->pitchShift, 1);
    QCOMPARE(later->pitchIndex, 13);
    QCOMPARE(other->pitchShift, 0);
    QCOMPARE(other->pitchIndex, 11);
}

// +2 on the third note of voice 1 in measure 3, -1 on a note of measure 5.
void TestNoteScales::transpositionWalksMeasureByMeasure()
{
    Score score(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("Tozan"), 2)->instrumentKey = 1;
    const QString four = QStringLiteral("C4/4 D4/4 E4/4 F4/4");
    for (int m = 0; m < 6; ++m) {
        builder.addMeasure();
        builder.addNotes(0, 1, four);
        builder.addNotes(0, 2, QStringLiteral("r/4 G4/2 +B4/2 r/4"));
    }
    addDirective(notesOf(score, 2, 0, 1).at(2), QStringLiteral(".transpose{2}"));
    addDirective(notesOf(score, 4, 0, 1).at(1), QStringLiteral(".transpose{-1}"));
    score.SetNoteScales();

    // Expected shift (without the instrument key) per measure, voice 1
    // note by note, then voice 2 note by note.
    const QList<QList<int>> expected = {
        {0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 2, 2, 2, 2, 2, 2},
        {2, 2, 2, 2, 2, 2, 2, 2}, {2, 1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1},
    };
    for (int m = 0; m < 6; ++m) {
        const QList<Note *> notes = notesOf(score, m, 0, 1) + notesOf(score, m, 0, 2);
        for (int i = 0; i < notes.size(); ++i) {
            const Note *note = notes.at(i);
            QVERIFY2(note->pitchShift == expected.at(m).at(i) + 1,
                     qPrintable(QStringLiteral("measure %1 note %2: shift %3")
                                    .arg(m + 1)
                                    .arg(i)
                                    .arg(note->pitchShift)));
            QCOMPARE(note->pitchIndex, note->pitchNumber + note->pitchShift);
        }
    }
}

void TestNoteScales::transposeTexts_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<bool>>("deleted");
    QTest::addColumn<int>("shift");
    QTest::newRow("up") << QStringList{".transpose{2}"} << QList<bool>{false} << 2;
    QTest::newRow("down") << QStringList{".transpose{-1}"} << QList<bool>{false} << -1;
    QTest::newRow("zero") << QStringList{".transpose{0}"} << QList<bool>{false} << 0;
    QTest::newRow("unclosed") << QStringList{".transpose{-1"} << QList<bool>{false} << 0;
    QTest::newRow("unclosed number") << QStringList{".transpose{5"} << QList<bool>{false} << 0;
    QTest::newRow("empty braces") << QStringList{".transpose{}"} << QList<bool>{false} << 0;
    QTest::newRow("not a number") << QStringList{".transpose{x}"} << QList<bool>{false} << 0;
    QTest::newRow("deleted") << QStringList{".transpose{4}"} << QList<bool>{true} << 0;
    QTest::newRow("two add up") << QStringList{".transpose{4}", ".transpose{-1}"}
                                << QList<bool>{false, false} << 3;
    QTest::newRow("deleted beside live")
        << QStringList{".transpose{4}", ".transpose{-1}"} << QList<bool>{true, false} << -1;
    QTest::newRow("other kinds ignored")
        << QStringList{".longRepeat{3}", "'x'"} << QList<bool>{false, false} << 0;
}

void TestNoteScales::transposeTexts()
{
    QFETCH(QStringList, texts);
    QFETCH(QList<bool>, deleted);
    QFETCH(int, shift);
    Score score(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("Doremi"), 10);
    builder.addMeasure();
    const QList<Note *> notes = builder.addNotes(0, 1, QStringLiteral("C4/4 C4/4"));
    for (int i = 0; i < texts.size(); ++i)
        addDirective(notes.at(0), texts.at(i), deleted.at(i));
    score.SetNoteScales();
    QCOMPARE(notes.at(0)->pitchShift, shift);
    QCOMPARE(notes.at(1)->pitchShift, shift);
}

void TestNoteScales::scaleDirectives_data()
{
    QTest::addColumn<int>("style");
    // A leading "~" marks a deleted directive.
    QTest::addColumn<QStringList>("directives");
    QTest::addColumn<QStringList>("scaleTexts");
    // The tuning the note's scale must follow; empty: the style's own.
    QTest::addColumn<QString>("tuning");

    const QString koto17 = QStringLiteral("-3,-1,0,4,5,9,11,12,16,17,21,23,24,28,29,33,35");
    const QString koto17Directive = ".scale{" + koto17 + "}'Koto17'";
    const QString sangen = QStringLiteral(".scaleSangen{4,11,16}'Niagari'");

    QTest::newRow("koto scale") << 5 << QStringList{koto17Directive}
                                << QStringList{"{" + koto17 + "}'Koto17'"} << koto17;
    QTest::newRow("koto default written out")
        << 6 << QStringList{".scale{" + kotoTuning + "}'Koto13(Hira_D)'"}
        << QStringList{"{" + kotoTuning + "}'Koto13(Hira_D)'"} << kotoTuning;
    QTest::newRow("koto scale on sangen")
        << 7 << QStringList{koto17Directive} << QStringList{} << QString();
    QTest::newRow("sangen scale on koto") << 6 << QStringList{sangen} << QStringList{} << QString();
    QTest::newRow("sangen scale on shakuhachi")
        << 0 << QStringList{sangen} << QStringList{} << QString();
    QTest::newRow("sangen Ikuta") << 7 << QStringList{sangen} << QStringList{"{4,11,16}'Niagari'"}
                                  << "4,11,16";
    QTest::newRow("shamisen Bunka")
        << 9 << QStringList{sangen} << QStringList{"{4,11,16}'Niagari'"} << "4,11,16";
    QTest::newRow("sangen Yamada keeps its table")
        << 8 << QStringList{sangen} << QStringList{"{4,11,16}'Niagari'"} << QString();
    QTest::newRow("deleted") << 5 << QStringList{"~" + koto17Directive} << QStringList{}
                             << QString();
    QTest::newRow("deleted before live")
        << 5 << QStringList{"~.scale{" + kotoTuning + "}'Koto13(Hira_D)'", koto17Directive}
        << QStringList{"{" + koto17 + "}'Koto17'"} << koto17;
    QTest::newRow("first of two counts")
        << 5 << QStringList{koto17Directive, ".scale{" + kotoTuning + "}'Koto13(Hira_D)'"}
        << QStringList{"{" + koto17 + "}'Koto17'"} << koto17;
    QTest::newRow("foreign one passed over") << 5 << QStringList{sangen, koto17Directive}
                                             << QStringList{"{" + koto17 + "}'Koto17'"} << koto17;
}

void TestNoteScales::scaleDirectives()
{
    QFETCH(int, style);
    QFETCH(QStringList, directives);
    QFETCH(QString, tuning);
    Score score(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("Strings"), style);
    builder.addMeasure();
    const QList<Note *> notes = builder.addNotes(0, 1, QStringLiteral("D4/4 E4/4"));
    for (const QString &text : directives) {
        const bool deleted = text.startsWith(QLatin1Char('~'));
        addDirective(notes.at(1), deleted ? text.mid(1) : text, deleted);
    }
    score.SetNoteScales();
    QTEST(score.parts.at(0)->scaleTexts, "scaleTexts");

    // Built fresh at the part's start, the first note shows the style's own
    // scale; the second note shows the one the directives leave in force.
    const NoteScale *own = notes.at(0)->noteScale;
    const NoteScale *inForce = notes.at(1)->noteScale;
    QVERIFY(own && inForce);
    if (tuning.isEmpty()) {
        QVERIFY(*inForce == *own);
        return;
    }
    QScopedPointer<NoteScale> expected;
    if (style == 5 || style == 6)
        expected.reset(
            score.createScaleKoto(tuning, Score::getQuotedText(directives.last()), style == 6));
    else if (style == 7)
        expected.reset(score.createScaleSangenIkuta(tuning));
    else
        expected.reset(score.createScaleShamisenBunka(tuning));
    QVERIFY(!expected->isEmpty());
    QVERIFY(*inForce == *expected);
    QCOMPARE(notes.at(1)->scaleIndex, 0);
    QCOMPARE(notes.at(0)->scaleIndex, -1);
}

void TestNoteScales::scaleIndexFollowsScaleTexts()
{
    Score score(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("Sangen"), 7);
    builder.addMeasure();
    builder.addNotes(0, 1, QStringLiteral("D4/4 E4/4 F4/4"));
    builder.addNotes(0, 2, QStringLiteral("A4/2"));
    builder.addMeasure();
    builder.addNotes(0, 1, QStringLiteral("D4/4 E4/4"));
    addDirective(notesOf(score, 0, 0, 1).at(1), QStringLiteral(".scaleSangen{4,11,16}'Niagari'"));
    addDirective(notesOf(score, 1, 0, 1).at(1), QStringLiteral(".scaleSangen{4,9,14}'Sansagari'"));
    score.SetNoteScales();

    QCOMPARE(score.parts.at(0)->scaleTexts,
             QStringList({"{4,11,16}'Niagari'", "{4,9,14}'Sansagari'"}));
    const QList<int> indices = {
        notesOf(score, 0, 0, 1).at(0)->scaleIndex, notesOf(score, 0, 0, 1).at(1)->scaleIndex,
        notesOf(score, 0, 0, 1).at(2)->scaleIndex, notesOf(score, 0, 0, 2).at(0)->scaleIndex,
        notesOf(score, 1, 0, 1).at(0)->scaleIndex, notesOf(score, 1, 0, 1).at(1)->scaleIndex};
    QCOMPARE(indices, QList<int>({-1, 0, 0, 0, 0, 1}));

    // Regenerating gives the same texts, not a second copy of them.
    score.SetNoteScales();
    QCOMPARE(score.parts.at(0)->scaleTexts.size(), 2);
}

void TestNoteScales::stylesWithoutBuilderFindNoNames()
{
    Score score(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("Kinko"), 0);
    builder.addPart(QStringLiteral("Staff"), 12);
    builder.addPart(QStringLiteral("Traverso"), 13);
    builder.addMeasure();
    const Note *kinko = builder.addNotes(0, 1, QStringLiteral("D4/4")).first();
    const Note *staff = builder.addNotes(1, 1, QStringLiteral("D4/4")).first();
    const Note *traverso = builder.addNotes(2, 1, QStringLiteral("D4/4")).first();
    score.SetNoteScales();

    QVERIFY(kinko->noteScale && kinko->noteScale->contains(4));
    for (const Note *note : {staff, traverso}) {
        QVERIFY(note->noteScale);
        QVERIFY(note->noteScale != kinko->noteScale);
        QVERIFY(note->noteScale->isEmpty());
        QCOMPARE(note->pitchIndex, 4);
    }
}

void TestNoteScales::faultyKotoScaleWarnsOncePerDirective()
{
    Score score(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("Koto"), 5);
    builder.addMeasure();
    const QList<Note *> notes = builder.addNotes(0, 1, QStringLiteral("D4/4 E4/4 F4/4 G4/4"));
    Directive *faulty = addDirective(notes.at(1), ".scale{" + tuning25 + "}'koto25'");
    auto prompts = [] { return TestSupport::prompter().prompts.size(); };

    score.SetNoteScales();
    QCOMPARE(prompts(), 1);
    QCOMPARE(TestSupport::prompter().prompts.first().title, QStringLiteral("Velmora"));
    QVERIFY(notes.at(1)->noteScale->isEmpty());
    score.SetNoteScales();
    score.SetNoteScales();
    QCOMPARE(prompts(), 1);
    QVERIFY(notes.at(1)->noteScale->isEmpty());

    // A second faulty directive warns for itself; the first stays quiet.
    addDirective(notes.at(3), ".scale{" + tuning25 + "}'Koto25 '");
    score.SetNoteScales();
    QCOMPARE(prompts(), 2);

    // A text edited into another faulty one is a new fault.
    faulty->text = ".scale{" + tuning25 + "}'KOTO25'";
    score.SetNoteScales();
    QCOMPARE(prompts(), 3);

    // Deleted, it is passed over; brought back, it is shown once again.
    faulty->deleted = true;
    score.SetNoteScales();
    QCOMPARE(prompts(), 3);
    faulty->deleted = false;
    score.SetNoteScales();
    score.SetNoteScales();
    QCOMPARE(prompts(), 4);

    // A right name builds the 25-string scale without a word.
    faulty->text = ".scale{" + tuning25 + "}'Koto25'";
    score.SetNoteScales();
    QCOMPARE(prompts(), 4);
    QVERIFY(!notes.at(1)->noteScale->isEmpty());
}

void TestNoteScales::tuningBeyondMidiNamesNothing_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("directive");
    QTest::addColumn<bool>("refused");

    QTest::newRow("Ikuta, two million") << 7 << ".scaleSangen{4,9,2000000}" << true;
    QTest::newRow("Bunka, below MIDI 0") << 9 << ".scaleSangen{-59,9,16}" << true;
    QTest::newRow("koto, the lowest int")
        << 5 << ".scale{4,-3,-1,0,4,5,9,11,12,16,17,21,-2147483648}'Koto13'" << true;
    QTest::newRow("koto, digits beyond an int")
        << 6 << ".scale{4,-3,-1,0,4,5,9,11,12,16,17,21,99999999999}'Koto13'" << true;
    QTest::newRow("Ikuta, the ends of MIDI") << 7 << ".scaleSangen{-58,9,69}" << false;
    // Yamada takes no tuning from its directive.
    QTest::newRow("Yamada, two million") << 8 << ".scaleSangen{4,9,2000000}" << false;
}

void TestNoteScales::tuningBeyondMidiNamesNothing()
{
    QFETCH(int, style);
    QFETCH(QString, directive);
    QFETCH(bool, refused);
    Score score(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("Strings"), style);
    builder.addMeasure();
    const QList<Note *> notes = builder.addNotes(0, 1, QStringLiteral("D4/4 E4/4 F4/4"));
    addDirective(notes.at(1), directive);

    QElapsedTimer timer;
    timer.start();
    score.SetNoteScales();
    score.SetNoteScales();
    QVERIFY(timer.elapsed() < 1000);
    QVERIFY(!notes.at(0)->noteScale->isEmpty());
    // From the directive's note on.
    QCOMPARE(notes.at(1)->noteScale->isEmpty(), refused);
    QCOMPARE(notes.at(2)->noteScale->isEmpty(), refused);
    const auto &prompts = TestSupport::prompter().prompts;
    QCOMPARE(prompts.size(), refused ? 1 : 0);
    if (refused) {
        QCOMPARE(prompts.first().title, QStringLiteral("Velmora"));
        QVERIFY2(prompts.first().text.contains(QStringLiteral("-58 to 69")),
                 qPrintable(prompts.first().text));
    }
}

VELMORA_TEST_MAIN(TestNoteScales)

} // namespace tst_note_scales
#include "tst_note_scales.moc"
