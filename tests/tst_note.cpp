// Notes: initial values, beam-level counting, the octave-instruction offset,
// ownership of attachments, and the pass that completes a voice's notes
// after they are read (chords, start times, implied flags).
#include "model/directive.h"
#include "model/harmonic.h"
#include "model/lyrics.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/voice.h"
#include "support/testenvironment.h"

#include <QPointer>

namespace tst_note {

using Levels = std::array<int, Note::levelCount>;

namespace {

Note *makeNote(Voice &voice, int duration, bool chord = false, int forwardOffset = 0)
{
    auto *note = new Note;
    note->duration = duration;
    note->chord = chord;
    note->forwardOffset = forwardOffset;
    note->noteType = 4;
    voice.notes.append(note);
    return note;
}

} // namespace

class TestNote : public QObject
{
    Q_OBJECT

private slots:
    void newNoteHasItsInitialValues();
    void countBeamLevels_data();
    void countBeamLevels();
    void octaveInstOffsetAtZeroStillMoves();
    void noteDeletesItsAttachments();
    void chordsAndStartTimes();
    void forwardOffsetsDelayTheNotes();
    void impliedFlags_data();
    void impliedFlags();
};

void TestNote::newNoteHasItsInitialValues()
{
    Note note;
    QCOMPARE(note.voice, 1);
    QCOMPARE(note.staff, 0);
    QCOMPARE(note.noteType, 0);
    QCOMPARE(note.accidental, 0);
    QCOMPARE(note.stem, 0);
    QCOMPARE(note.beamTypes, Levels{});
    QCOMPARE(note.joinedBeams, Levels{});
    QCOMPARE(note.countBeamLevels(), 0);
    QCOMPARE(note.scaleIndex, -1);
    QVERIFY(note.visible);
    QCOMPARE(note.clef, QStringLiteral("G"));
    QVERIFY(note.noteName.isEmpty());
    QVERIFY(note.octaveInstMark.isEmpty());
    QVERIFY(note.notations.isEmpty() && note.fingerings.isEmpty() && note.lyrics.isEmpty() &&
            note.directives.isEmpty());
    QVERIFY(!note.upBow && !note.stopped && !note.harmonic && !note.noteScale);
    for (int level = 0; level < Note::levelCount; ++level) {
        QVERIFY(!note.slurStartNotations[level]);
        QVERIFY(!note.slurStopNotations[level]);
    }
}

void TestNote::countBeamLevels_data()
{
    QTest::addColumn<Levels>("beams");
    QTest::addColumn<int>("count");
    QTest::newRow("none") << Levels{0, 0, 0, 0, 0} << 0;
    QTest::newRow("two, gap before level 4") << Levels{1, 2, 0, 6, 0} << 2;
    QTest::newRow("all five") << Levels{1, 1, 1, 1, 6} << 5;
}

void TestNote::countBeamLevels()
{
    QFETCH(Levels, beams);
    QFETCH(int, count);
    Note note;
    note.beamTypes = beams;
    QCOMPARE(note.countBeamLevels(), count);
}

void TestNote::octaveInstOffsetAtZeroStillMoves()
{
    Note note;
    note.setOctaveInstOffset(0.0, 0.0);
    QVERIFY(note.octaveInstMoved);
    note.setOctaveInstOffset(0.5, -1.0);
    QCOMPARE(note.octaveInstOffsetX, 0.5);
    QCOMPARE(note.octaveInstOffsetY, -1.0);
}

void TestNote::noteDeletesItsAttachments()
{
    auto *note = new Note;
    QPointer<Notation> slur = new Notation;
    note->notations.append(slur);
    note->slurStartNotations[0] = slur; // borrowed, must not be deleted twice
    QPointer<Directive> directive = new Directive;
    note->directives.append(directive);
    QPointer<Lyrics> lyric = new Lyrics(QStringLiteral("ro"));
    note->lyrics.append(lyric);
    QPointer<Harmonic> harmonic = new Harmonic;
    note->harmonic = harmonic;
    delete note;
    QVERIFY(slur.isNull() && directive.isNull() && lyric.isNull() && harmonic.isNull());
}

void TestNote::chordsAndStartTimes()
{
    Voice voice;
    makeNote(voice, 2);
    makeNote(voice, 2, true);
    makeNote(voice, 4, true); // the chord's last note decides its length
    Note *single = makeNote(voice, 2);

    QCOMPARE(voice.deriveNoteData(), 6);

    QList<int> sizes, indices, starts;
    for (Note *note : std::as_const(voice.notes)) {
        sizes << note->chordSize;
        indices << note->chordIndex;
        starts << note->startTime;
    }
    QCOMPARE(sizes, QList<int>({3, 3, 3, 1}));
    QCOMPARE(indices, QList<int>({0, 1, 2, 0}));
    QCOMPARE(starts, QList<int>({0, 0, 0, 4}));
    QCOMPARE(single->startTime, 4);
}

void TestNote::forwardOffsetsDelayTheNotes()
{
    Voice voice;
    makeNote(voice, 2, false, 1);
    makeNote(voice, 2, false, 3);
    QCOMPARE(voice.deriveNoteData(), 8);
    QCOMPARE(voice.notes.at(0)->startTime, 1);
    QCOMPARE(voice.notes.at(1)->startTime, 6);
}

void TestNote::impliedFlags_data()
{
    QTest::addColumn<int>("noteType");
    QTest::addColumn<bool>("rest");
    QTest::addColumn<bool>("grace");
    QTest::addColumn<Levels>("read");
    QTest::addColumn<Levels>("expected");
    QTest::newRow("16th without beams")
        << 16 << false << false << Levels{} << Levels{6, 6, 0, 0, 0};
    QTest::newRow("32nd rest") << 32 << true << false << Levels{} << Levels{6, 6, 6, 0, 0};
    QTest::newRow("128th") << 128 << false << false << Levels{} << Levels{6, 6, 6, 6, 6};
    QTest::newRow("eighth grace note") << 8 << false << true << Levels{} << Levels{};
    QTest::newRow("beamed eighth keeps its beam")
        << 8 << false << false << Levels{1, 0, 0, 0, 0} << Levels{1, 0, 0, 0, 0};
    QTest::newRow("quarter") << 4 << false << false << Levels{} << Levels{};
    QTest::newRow("whole-measure rest") << 0 << true << false << Levels{} << Levels{};
}

void TestNote::impliedFlags()
{
    QFETCH(int, noteType);
    QFETCH(bool, rest);
    QFETCH(bool, grace);
    QFETCH(Levels, read);
    QFETCH(Levels, expected);

    Voice voice;
    Note *note = makeNote(voice, 1);
    note->noteType = noteType;
    note->rest = rest;
    note->grace = grace;
    note->beamTypes = read;
    voice.deriveNoteData();
    QCOMPARE(note->beamTypes, expected);
    // The joined-beam array starts as a copy of the completed levels.
    QCOMPARE(note->joinedBeams, expected);
}

VELMORA_TEST_MAIN(TestNote)

} // namespace tst_note
#include "tst_note.moc"
