// Direct note naming on scores made in memory: the default name of each
// note's key, the names taken straight from value, spelling or voice, the
// koto and sangen pluck marks against the previous note of the voice, and
// the user's own name where the part's scale accepts it.
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

namespace tst_note_names {

class TestNoteNames : public QObject
{
    Q_OBJECT

private slots:
    void namesNotes_data();
    void namesNotes();
    void traversoRewritesPitchNumber();
    void previousNoteIsKeptPerVoice();
    void stoppedChordSpreadsOnce();
};

void TestNoteNames::namesNotes_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("instrumentKey");
    QTest::addColumn<int>("voice");
    // Measures separated by "|".
    QTest::addColumn<QString>("tokens");
    // Per note: "-" nothing, letters u (up-bow), s (stopped, with its
    // pluck), h (pluck only), 0 (voice number 0), or 'name' (the user's
    // name).
    QTest::addColumn<QStringList>("marks");
    // Per note; "old" is the name the note had before (rests keep it).
    QTest::addColumn<QStringList>("names");

    // clang-format off
    QTest::newRow("percussion voice 6") << 11 << 0 << 6 << "C4/4 r/4 G5/4"
        << QStringList{"-", "-", "-"} << QStringList{"QuarterBeatV2", "old", "QuarterBeatV2"};
    QTest::newRow("percussion voice 4") << 11 << 0 << 4 << "C4/4"
        << QStringList{"-"} << QStringList{"QuarterBeatV4"};
    QTest::newRow("percussion voice 0 keeps") << 11 << 0 << 1 << "C4/4 C4/4"
        << QStringList{"0", "-"} << QStringList{"old", "QuarterBeatV1"};
    QTest::newRow("traverso") << 13 << 0 << 1 << "C#5/4 C#6/4 D6/4 A6/4 D4/4 G6/4 Ebb4/4 C#4/4"
        << QStringList{"-", "-", "-", "-", "-", "-", "-", "-"}
        << QStringList{"7", "7Dot", "1Dot2", "Undefined", "1", "4Dot2", "1", "Undefined"};
    QTest::newRow("traverso ignores quoted name") << 13 << 0 << 1 << "D4/4"
        << QStringList{"'Ro'"} << QStringList{"1"};
    QTest::newRow("doremi spelling") << 10 << 0 << 1 << "Bb3/4 F##4/4 C#4/4 r/4"
        << QStringList{"-", "-", "-", "-"} << QStringList{"bSi3", "Fa", "#Do4", "old"};
    QTest::newRow("doremi shifted") << 10 << 2 << 1 << "Bb3/4 C4/4"
        << QStringList{"-", "-"} << QStringList{"Do4", "Re4"};
    QTest::newRow("doremi quoted") << 10 << 0 << 1 << "Bb3/4 Bb3/4"
        << QStringList{"'#La3'", "'Si3'"} << QStringList{"#La3", "bSi3"};
    QTest::newRow("staff values") << 12 << 0 << 1 << "C4/0 gC4/8 C4/1 C4/2 C4/8 C4/4"
        << QStringList{"-", "-", "-", "-", "-", "'Ro'"}
        << QStringList{"WholeNote", "GraceNote", "WholeNote", "HalfNote", "QuarterNote", "QuarterNote"};
    QTest::newRow("voice with notes only in a later measure") << 0 << 0 << 3 << " | | D4/4"
        << QStringList{"-"} << QStringList{"Ro"};
    QTest::newRow("kinko defaults") << 0 << 0 << 1 << "D4/4 D4/4 D4/4 C1/4"
        << QStringList{"-", "'Nayashi'", "'Ri'", "-"} << QStringList{"Ro", "Nayashi", "Ro", "Undefined"};
    QTest::newRow("koto names") << 5 << 0 << 1 << "D4/4 D4/4 D4/4 C1/4 D4/4"
        << QStringList{"-", "'1'", "'Kin'", "-", "s"} << QStringList{"5", "1", "5", "Undefined", "5"};
    QTest::newRow("koto seiha sukui") << 6 << 0 << 1 << "D4/4 A5/4 +C6/4"
        << QStringList{"u", "u", "u"} << QStringList{"Sukui", "Sukui", "Sukui"};
    QTest::newRow("sangen sukui on repeat across measures") << 7 << 0 << 1 << "D4/4 | D4/4"
        << QStringList{"-", "u"} << QStringList{"1-1", "Sukui"};
    QTest::newRow("sangen sukui after other pitch") << 7 << 0 << 1 << "E4/4 D4/4"
        << QStringList{"-", "u"} << QStringList{"1-3", "1-1-Sukui"};
    QTest::newRow("sangen sukui in chord") << 7 << 0 << 1 << "D4/4 D4/4 +G4/4"
        << QStringList{"-", "u", "-"} << QStringList{"1-1", "1-1-Sukui", "2-1"};
    QTest::newRow("sangen rest between") << 8 << 0 << 1 << "D4/4 r/4 D4/4"
        << QStringList{"-", "-", "s"} << QStringList{"2", "old", "Hajiki"};
    QTest::newRow("yamada stopped chord") << 8 << 0 << 1 << "D4/4 +F4/4 +A4/4"
        << QStringList{"s", "-", "-"} << QStringList{"2-Hajiki", "4-Hajiki", "6-Hajiki"};
    QTest::newRow("yamada pluck only") << 8 << 0 << 1 << "E4/4 D4/4"
        << QStringList{"-", "h"} << QStringList{"3", "2-Hajiki"};
    QTest::newRow("yamada both marks on repeat") << 8 << 0 << 1 << "D4/4 D4/4"
        << QStringList{"-", "su"} << QStringList{"2", "Sukui"};
    QTest::newRow("yamada both marks") << 8 << 0 << 1 << "E4/4 D4/4"
        << QStringList{"-", "su"} << QStringList{"3", "2-Hajiki-Sukui"};
    QTest::newRow("yamada quoted pluck name") << 8 << 0 << 1 << "D4/4 D4/4"
        << QStringList{"'SuriAge'", "'Kin'"} << QStringList{"SuriAge", "2"};
    QTest::newRow("shakuhachi ignores marks") << 2 << 0 << 1 << "D4/4 D4/4"
        << QStringList{"-", "su"} << QStringList{"Ro", "Ro"};
    // clang-format on
}

void TestNoteNames::namesNotes()
{
    QFETCH(int, style);
    QFETCH(int, instrumentKey);
    QFETCH(int, voice);
    QFETCH(QString, tokens);
    QFETCH(QStringList, marks);
    QFETCH(QStringList, names);

    Score score(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("Part"), style)->instrumentKey = instrumentKey;
    QList<Note *> notes;
    for (const QString &measure : tokens.split(QLatin1Char('|'))) {
        builder.addMeasure();
        notes += builder.addNotes(0, voice, measure);
    }
    QCOMPARE(notes.size(), marks.size());
    for (int i = 0; i < notes.size(); ++i) {
        Note *note = notes.at(i);
        const QString &mark = marks.at(i);
        note->noteName = QStringLiteral("old");
        if (mark.startsWith(QLatin1Char('\''))) {
            note->directName = mark.mid(1, mark.size() - 2);
            continue;
        }
        note->upBowFlag = mark.contains(QLatin1Char('u'));
        note->stoppedFlag = mark.contains(QLatin1Char('s'));
        note->hajiki = note->stoppedFlag || mark.contains(QLatin1Char('h'));
        if (mark.contains(QLatin1Char('0')))
            note->voice = 0;
    }

    score.SetNoteScales();
    score.setNoteNames();
    QStringList actual;
    for (const Note *note : std::as_const(notes))
        actual << note->noteName;
    QCOMPARE(actual, names);
}

void TestNoteNames::traversoRewritesPitchNumber()
{
    Score score(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("Traverso"), 13);
    builder.addMeasure();
    Note *note = builder.addNotes(0, 1, QStringLiteral("E5/4")).first();
    note->pitchNumber = 99;
    score.setNoteNames();
    QCOMPARE(note->pitchNumber, 18);
    QCOMPARE(note->noteName, QStringLiteral("2Dot"));
}

// Each voice has its own previous note: a note of voice 2 does not stand
// between two notes of voice 1, and does not follow them.
void TestNoteNames::previousNoteIsKeptPerVoice()
{
    Score score(QStringLiteral("5.3.1"), 1, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("Sangen"), 7);
    builder.addMeasure();
    const QList<Note *> first = builder.addNotes(0, 1, QStringLiteral("D4/4 D4/4"));
    const QList<Note *> second = builder.addNotes(0, 2, QStringLiteral("D4/4"));
    first.at(1)->upBowFlag = true;
    second.at(0)->upBowFlag = true;
    score.SetNoteScales();
    score.setNoteNames();
    QCOMPARE(first.at(1)->noteName, QStringLiteral("Sukui"));
    QCOMPARE(second.at(0)->noteName, QStringLiteral("1-1-Sukui"));
}

// The pluck spreads to the chord's other notes but not beyond, and staff
// notation leaves the flags alone.
void TestNoteNames::stoppedChordSpreadsOnce()
{
    for (const int style : {8, 12}) {
        Score score(QStringLiteral("5.3.1"), 1, false);
        TestSupport::ModelBuilder builder(&score);
        builder.addPart(QStringLiteral("Part"), style);
        builder.addMeasure();
        const QList<Note *> notes = builder.addNotes(0, 1, QStringLiteral("D4/4 +F4/4 G4/4"));
        notes.at(0)->stoppedFlag = true;
        notes.at(0)->hajiki = true;
        score.SetNoteScales();
        score.setNoteNames();
        QCOMPARE(notes.at(1)->stoppedFlag, style != 12);
        QCOMPARE(notes.at(1)->hajiki, style != 12);
        QVERIFY(!notes.at(2)->stoppedFlag);
        QVERIFY(!notes.at(2)->hajiki);
    }
}

VELMORA_TEST_MAIN(TestNoteNames)

} // namespace tst_note_names
#include "tst_note_names.moc"
