// Note names typed as lyrics turned into pitches and names: the syllables
// of shakuhachi, koto and sangen parts in sequence (relative tokens, grace
// and chord lists, "*", rests), the names and directives they leave, the
// spelling of pitch numbers, the reverse lookup of a name, and the one
// undo step with one regeneration.
#include "document/directive_type.h"
#include "model/directive.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "notenames/lyric_pitches.h"
#include "support/messagecapture.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"

#include <QUndoStack>
#include <QtTest>

namespace tst_lyric_pitches {

namespace {

using namespace NotationStyle;

// Every note of the fixture is written A-flat 4.
constexpr int written = 10;
// In an expected list: a note not checked (a rest).
constexpr int skip = -999;
// The lyric number rows use; every other lyric is moved out of the way.
constexpr int line = 1;
constexpr int elsewhere = 9;

std::unique_ptr<Score> namesScore(int style)
{
    return TestSupport::generatedScore(
        TestSupport::fixturePath(QStringLiteral("lyrics/lyrics-NoteNamesAsLyrics.xml")), style,
        true);
}

const QList<Note *> &notesOf(const Score &score, int measure, int voice = 0)
{
    return score.measures.at(measure)->parts.at(0)->voices.at(voice)->notes;
}

// Only the notes of `texts` ("" for none) carry a lyric of line 1.
void setLyrics(Score &score, int measure, int voice, const QStringList &texts)
{
    const QList<Note *> &notes = notesOf(score, measure, voice);
    for (qsizetype i = 0; i < notes.size(); ++i) {
        Note *note = notes.at(i);
        const QString text = texts.value(i);
        if (text.isEmpty()) {
            for (Lyrics *lyric : std::as_const(note->lyrics))
                lyric->number = elsewhere;
            continue;
        }
        if (note->lyrics.isEmpty())
            note->lyrics.append(new Lyrics(text, note));
        note->lyrics.first()->text = text;
        note->lyrics.first()->number = line;
    }
}

void clearLyrics(Score &score)
{
    for (int m = 0; m < score.measures.size(); ++m) {
        for (int v = 0; v < 2; ++v)
            setLyrics(score, m, v, {});
    }
}

int pitchOf(const Score &score, const Note *note)
{
    return score.getPitchNumber(note->step, note->alter, note->octave);
}

QStringList liveQuotedNames(const Note *note)
{
    QStringList names;
    for (const Directive *directive : note->directives) {
        if (!directive->deleted && directive->kind == DirectiveType::QuotedText)
            names << directive->text;
    }
    return names;
}

} // namespace

class TestLyricPitches : public QObject
{
    Q_OBJECT

private slots:
    void sequences_data();
    void sequences();
    void voicesStartAfresh();
    void quotedNames_data();
    void quotedNames();
    void sangenTechnique();
    void unspellableResults();
    void oneStepOneRegeneration();
    void spellingInvertsThePitchNumber();
    void nameLookup();
};

void TestLyricPitches::sequences_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("measure");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("pitches");
    QTest::addColumn<QStringList>("names");

    // Measure 0: eight notes. Measure 1: grace, grace, note, chord of
    // three, note, grace, note. Measure 2: note, rest, note, note.
    using L = QList<int>;
    using S = QStringList;
    const int m0 = 0;
    const int m1 = 1;
    const int m2 = 2;

    // Shakuhachi: the octave follows the previous result.
    QTest::newRow("ro after 12") << int(KinkoSimple) << 0 << m0 << S{"riM", "ro"} << L{12, 16}
                                 << S{"RiMeri", "Ro"};
    QTest::newRow("ro after 11") << int(KinkoSimple) << 0 << m0 << S{"oti", "ro"} << L{11, 4}
                                 << S{"Chi", "Ro"};
    QTest::newRow("oro after 30") << int(KinkoSimple) << 0 << m0 << S{"4", "oro"} << L{30, 4}
                                  << S{"Shi", "Ro"};
    QTest::newRow("kro after 11") << int(KinkoSimple) << 0 << m0 << S{"oti", "kro"} << L{11, 16}
                                  << S{};
    QTest::newRow("first tu") << int(TozanSimple) << 0 << m0 << S{"tu"} << L{19} << S{};
    QTest::newRow("first otu") << int(KinkoTrad) << 0 << m0 << S{"otu"} << L{7} << S{};
    QTest::newRow("suffixes") << int(KinkoSimple) << 0 << m0
                              << S{"roD", "hi5M", "ha4", "u3", "tuK", "roX", "ta", "3"}
                              << L{2, 26, 30, 24, 31, 16, 29, 29}
                              << S{"RoDaiMeri", "HiGoDaiMeri", "Shi", "USan"};
    QTest::newRow("Tozan syllables")
        << int(TozanTrad) << 0 << m0 << S{"haM", "ha", "pi", "hiM", "ri"}
        << L{24, 26, 28, 27, written} << S{"HaMeri", "Ha"};
    QTest::newRow("pi is Tozan only")
        << int(KinkoSimple) << 0 << m0 << S{"pi", "x"} << L{written, written} << S{};
    QTest::newRow("rest keeps the reference")
        << int(KinkoSimple) << 0 << m2 << S{"riM", "x", "ro"} << L{12, skip, 16} << S{};

    // Koto: string names from the scale; relative tokens from the results.
    QTest::newRow("koto string, o+, h")
        << int(KotoIkuta) << 0 << m0 << S{"5", "o+", "h"} << L{4, 5, 4} << S{"5", "Osu+", "Hanasu"};
    QTest::newRow("koto through pitch 0")
        << int(KotoSeiha) << 0 << m0 << S{"3", "o+", "o+", "h"} << L{-1, 0, 1, 0} << S{};
    QTest::newRow("koto To, I, Kin") << int(KotoIkuta) << 0 << m0 << S{"t", "i", "k", "s"}
                                     << L{17, 21, 23, 23} << S{"To", "I", "Kin", "Sukui"};
    QTest::newRow("koto key 2") << int(KotoIkuta) << 2 << m0 << S{"6", "11"} << L{3, written}
                                << S{};
    QTest::newRow("koto raise at the start")
        << int(KotoIkuta) << 0 << m0 << S{"o++", "h", "s"} << L{written, written, written} << S{};
    QTest::newRow("koto rest keeps the reference")
        << int(KotoIkuta) << 0 << m2 << S{"6", "x", "o+"} << L{5, skip, 6} << S{};

    // Sangen Ikuta: string and position.
    QTest::newRow("sangen uu after 9") << int(SangenIkuta) << 0 << m0 << S{":1", "uu", "d", "dd"}
                                       << L{9, 11, 10, 8} << S{"2-1", "SuriAge"};
    QTest::newRow("sangen string prefixes") << int(SangenIkuta) << 0 << m0 << S{"5", ":3", ".7h"}
                                            << L{21, 11, 11} << S{"3-5", "2-3", "1-7-Hajiki"};
    QTest::newRow("sangen relative at the start")
        << int(SangenIkuta) << 0 << m0 << S{"u", "s", "h"} << L{written, written, written} << S{};
    QTest::newRow("sangen rest keeps the reference")
        << int(SangenIkuta) << 0 << m2 << S{":1", "x", "s"} << L{9, skip, 9} << S{};

    // Grace and chord lists, and the repeat.
    const L unchanged(9, written);
    QTest::newRow("a,b<3") << int(KinkoSimple) << 0 << m1 << S{"", "", "ri,riM<riC"}
                           << (L{14, 12, 13} + unchanged.mid(3)) << S{};
    QTest::newRow("3>a") << int(KinkoSimple) << 0 << m1 << S{"", "", "", "", "", "", "tuK>reK"}
                         << (unchanged.mid(0, 6) + L{31, 33, written}) << S{};
    QTest::newRow("ro/tu/re on a chord")
        << int(KinkoSimple) << 0 << m1 << S{"", "", "", "ro/tu/re"}
        << (unchanged.mid(0, 3) + L{16, 19, 21} + unchanged.mid(6)) << S{};
    QTest::newRow("* repeats the text")
        << int(KinkoSimple) << 0 << m1 << S{"", "", "", "", "", "", "ri>riM", "", "*"}
        << (unchanged.mid(0, 6) + L{14, 12, 14}) << S{};
    QTest::newRow("lists stay inside the measure")
        << int(KinkoSimple) << 0 << m1
        << S{"", "", "hi,ha,ri,riM<riC", "", "", "", "", "", "riC>ri,ri"}
        << (L{14, 12, 13} + unchanged.mid(3, 5) + L{13}) << S{};
    QTest::newRow("lists take graces and chord members only")
        << int(KinkoSimple) << 0 << m1 << S{"", "", "", "", "", "", "ri<riC/hi"}
        << unchanged.mid(0, 6) + L{13, written, written} << S{};

    // Styles without syllables.
    for (const int style : {int(Fue), int(SangenYamada), int(ShamisenBunka), int(Doremi),
                            int(Percussion), int(StaffNotation), int(Traverso)})
        QTest::addRow("style %d unchanged", style)
            << style << 0 << m0 << S{"ro", "5", ":1", "t"} << L(4, written) << S{};
}

void TestLyricPitches::sequences()
{
    QFETCH(int, style);
    QFETCH(int, key);
    QFETCH(int, measure);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, pitches);
    QFETCH(QStringList, names);
    auto score = namesScore(style);
    QVERIFY(score);
    score->parts.at(0)->instrumentKey = key;
    clearLyrics(*score);
    setLyrics(*score, measure, 0, texts);

    score->convLyricsToPitches(0, line);
    const QList<Note *> &notes = notesOf(*score, measure);
    QList<int> actual;
    for (qsizetype i = 0; i < pitches.size(); ++i)
        actual << (pitches.at(i) == skip ? skip : pitchOf(*score, notes.at(i)));
    QCOMPARE(actual, pitches);
    for (qsizetype i = 0; i < names.size(); ++i)
        QCOMPARE(notes.at(i)->noteName, names.at(i));
    // The lyrics stay as they were typed.
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (!texts.at(i).isEmpty())
            QCOMPARE(notes.at(i)->lyrics.first()->text, texts.at(i));
    }
}

void TestLyricPitches::voicesStartAfresh()
{
    auto score = namesScore(KinkoSimple);
    QVERIFY(score);
    clearLyrics(*score);
    // Voice 1 ends low; voice 2, walked after it, starts from no result,
    // which counts as high.
    setLyrics(*score, 2, 0, {"otu"});
    setLyrics(*score, 2, 1, {"tu"});
    score->convLyricsToPitches(0, line);
    QCOMPARE(pitchOf(*score, notesOf(*score, 2, 0).at(0)), 7);
    QCOMPARE(pitchOf(*score, notesOf(*score, 2, 1).at(0)), 19);
}

void TestLyricPitches::quotedNames_data()
{
    QTest::addColumn<bool>("defaultU");
    QTest::addColumn<QString>("token");
    QTest::addColumn<QStringList>("quoted");
    QTest::addColumn<QString>("name");
    // Names the table gives first, and names it does not.
    QTest::newRow("roM, high") << false << "roM" << QStringList{"'RoMeri'"} << "RoMeri";
    QTest::newRow("u3") << false << "u3" << QStringList{"'USan'"} << "USan";
    QTest::newRow("hi5M") << false << "hi5M" << QStringList{"'HiGoDaiMeri'"} << "HiGoDaiMeri";
    QTest::newRow("u, U the default") << true << "u" << QStringList{} << "U";
    QTest::newRow("u, U an alternative") << false << "u" << QStringList{"'U'"} << "U";
    QTest::newRow("ro, a default name") << false << "ro" << QStringList{} << "Ro";
}

// Whatever the table gives first, the note ends with one live quoted name
// for an alternative name and none for a default name, also where the
// note had a quoted name of its own.
void TestLyricPitches::quotedNames()
{
    QFETCH(bool, defaultU);
    QFETCH(QString, token);
    QFETCH(QStringList, quoted);
    QFETCH(QString, name);
    for (const bool named : {false, true}) {
        auto score = namesScore(KinkoSimple);
        QVERIFY(score);
        score->style->kinkoDefaultU = defaultU;
        clearLyrics(*score);
        setLyrics(*score, 0, 0, {token});
        Note *note = notesOf(*score, 0).at(0);
        if (named) {
            score->changeNoteName(note, QStringLiteral("Ru"), false);
            QCOMPARE(liveQuotedNames(note), QStringList{"'Ru'"});
        }
        score->convLyricsToPitches(0, line);
        QCOMPARE(liveQuotedNames(note), quoted);
        QCOMPARE(note->noteName, name);
    }
}

void TestLyricPitches::sangenTechnique()
{
    auto score = namesScore(SangenIkuta);
    QVERIFY(score);
    clearLyrics(*score);
    // u:3 converts; u:99 names no position and takes no technique either.
    setLyrics(*score, 0, 0, {"u:3", "u:99", "bs"});
    score->convLyricsToPitches(0, line);
    const QList<Note *> &notes = notesOf(*score, 0);
    QCOMPARE(pitchOf(*score, notes.at(0)), 11);
    QCOMPARE(notes.at(0)->noteName, QStringLiteral("2-3"));
    QVERIFY(Score::noteHasDirective(notes.at(0), QStringLiteral(".sangen_SuriAge")));
    QVERIFY(!Score::noteHasDirective(notes.at(0), QStringLiteral(".sangen_suriage")));
    QCOMPARE(pitchOf(*score, notes.at(1)), written);
    QVERIFY(notes.at(1)->directives.isEmpty());
    QCOMPARE(pitchOf(*score, notes.at(2)), written);
    QVERIFY(notes.at(2)->directives.isEmpty());

    // A second conversion finds the technique in place and adds no other.
    score->convLyricsToPitches(0, line);
    QCOMPARE(notes.at(0)->directives.size(), 1);
    // One that was deleted counts as absent.
    notes.at(0)->directives.first()->deleted = true;
    QVERIFY(!Score::noteHasDirective(notes.at(0), QStringLiteral(".sangen_SuriAge")));
}

void TestLyricPitches::unspellableResults()
{
    auto score = namesScore(KotoIkuta);
    QVERIFY(score);
    score->SetNoteScales();
    Note *note = notesOf(*score, 0).at(0);
    // A shift so large that string 5 lies below C0.
    note->pitchShift = 60;
    const QString token = QStringLiteral("5");
    QCOMPARE(score->convLyricToPitch(KotoIkuta, note, token, 1000, 1000).pitch,
             NoteNames::noLyricPitch);
    note->pitchShift = 0;
    QCOMPARE(score->convLyricToPitch(KotoIkuta, note, token, 1000, 1000).pitch, 4);
    // Past B9 by a raise.
    QCOMPARE(score->convLyricToPitch(KotoIkuta, note, QStringLiteral("o+"), 1000, 73).pitch,
             NoteNames::noLyricPitch);
    QCOMPARE(score->convLyricToPitch(KotoIkuta, note, QStringLiteral("o+"), 1000, 72).pitch, 73);
    // A rest: pitch 0, as for no pitch element.
    Note *rest = notesOf(*score, 2).at(1);
    QVERIFY(rest->rest);
    QCOMPARE(score->convLyricToPitch(KotoIkuta, rest, token, 1000, 1000).pitch, 0);
}

void TestLyricPitches::oneStepOneRegeneration()
{
    auto score = namesScore(KinkoSimple);
    QVERIFY(score);
    QList<Note *> all;
    QStringList texts;
    for (int m = 0; m < score->measures.size(); ++m) {
        for (int v = 0; v < 2; ++v) {
            for (Note *note : notesOf(*score, m, v)) {
                all << note;
                for (const Lyrics *lyric : std::as_const(note->lyrics))
                    texts << lyric->text;
            }
        }
    }

    TestSupport::MessageCapture capture;
    // A part out of range, and a line no lyric is on, change nothing.
    score->convLyricsToPitches(1, 0);
    score->convLyricsToPitches(-1, 0);
    score->convLyricsToPitches(0, 7);
    QCOMPARE(capture.count(QStringLiteral("generateScore: entered----------.")), 0);
    QCOMPARE(score->undoStack->count(), 0);

    score->convLyricsToPitches(0, 0);
    QCOMPARE(capture.count(QStringLiteral("generateScore: entered----------.")), 1);
    QCOMPARE(score->undoStack->count(), 1);
    QCOMPARE(score->undoStack->command(0)->text(), QStringLiteral("convLyricsToPitches"));
    // Measure 1 as the fixture reads it.
    QList<int> first;
    for (const Note *note : notesOf(*score, 0))
        first << pitchOf(*score, note);
    QCOMPARE(first, (QList<int>{16, 19, 21, 23, 14, 19, 21, 16}));
    QStringList after;
    for (const Note *note : std::as_const(all)) {
        for (const Lyrics *lyric : std::as_const(note->lyrics))
            after << lyric->text;
    }
    QCOMPARE(after, texts);

    score->undoStack->undo();
    for (const Note *note : std::as_const(all)) {
        if (!note->rest)
            QCOMPARE(pitchOf(*score, note), written);
        QVERIFY(liveQuotedNames(note).isEmpty());
    }
}

void TestLyricPitches::spellingInvertsThePitchNumber()
{
    Score score(QStringLiteral("spelling"), 1, false);
    for (int pitch = NoteNames::lowestSpelledPitch; pitch <= NoteNames::highestSpelledPitch;
         ++pitch) {
        int alter = 5;
        int octave = -5;
        const QString step = Score::pitchToStepAlterOctave(pitch, alter, octave);
        QVERIFY2(alter == 0 || alter == -1, qPrintable(QString::number(pitch)));
        QVERIFY(octave >= 0 && octave <= 9);
        QCOMPARE(score.getPitchNumber(step, alter, octave), pitch);
    }
    int alter = 0;
    int octave = 0;
    QCOMPARE(Score::pitchToStepAlterOctave(2, alter, octave), QStringLiteral("C"));
    QCOMPARE(octave, 4);
    QCOMPARE(Score::pitchToStepAlterOctave(3, alter, octave), QStringLiteral("D"));
    QCOMPARE(alter, -1);
    for (const int outside : {NoteNames::lowestSpelledPitch - 1, NoteNames::highestSpelledPitch + 1,
                              NoteNames::noLyricPitch}) {
        QVERIFY(Score::pitchToStepAlterOctave(outside, alter, octave).isEmpty());
        QCOMPARE(alter, 0);
        QCOMPARE(octave, 0);
    }
}

void TestLyricPitches::nameLookup()
{
    auto score = namesScore(KotoIkuta);
    QVERIFY(score);
    score->parts.at(0)->instrumentKey = 2;
    score->SetNoteScales();
    Note *note = notesOf(*score, 0).at(0);
    QCOMPARE(note->pitchShift, 2);
    // String 5 sounds at 4: the key moves the written pitch down by 2.
    QCOMPARE(score->getPitchOfNoteName(note, QStringLiteral("5")), 2);
    // Lower-cased on both sides; the first key ascending wins ("Sukui"
    // stands on every pitch).
    QCOMPARE(score->getPitchOfNoteName(note, QStringLiteral("kIN")), 21);
    QCOMPARE(score->getPitchOfNoteName(note, QStringLiteral("sukui")), -5);
    QCOMPARE(score->getPitchOfNoteName(note, QStringLiteral("Ro")), NoteNames::noLyricPitch);
    note->noteScale = nullptr;
    QCOMPARE(score->getPitchOfNoteName(note, QStringLiteral("5")), NoteNames::noLyricPitch);
}

VELMORA_TEST_MAIN(TestLyricPitches)

} // namespace tst_lyric_pitches
#include "tst_lyric_pitches.moc"
