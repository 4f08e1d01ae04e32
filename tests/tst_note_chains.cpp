// Long-repeat chains: the marks of group heads, members and ends, groups
// that run on across measures, single-note groups, and whether a group's
// glyphs are hidden, by beams and notation style.
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

namespace tst_note_chains {

namespace {

struct Marks
{
    QList<int> marks;
    QList<bool> members;
};

Marks marksOf(const QList<Note *> &notes)
{
    Marks result;
    for (const Note *note : notes) {
        result.marks.append(note->longRepeatMark);
        result.members.append(note->longRepeatMemberFlag);
    }
    return result;
}

} // namespace

class TestNoteChains : public QObject
{
    Q_OBJECT

private slots:
    void marks_data();
    void marks();
    void groupRunsOnAcrossMeasures();
    void linkedGroups_data();
    void linkedGroups();
};

void TestNoteChains::marks_data()
{
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QList<int>>("marks");
    QTest::addColumn<QList<bool>>("members");

    QTest::newRow("group of three") << QList<int>{3, 0, 0, 0, 0} << QList<int>{1, 0, 2, 0, 0}
                                    << QList<bool>{true, true, true, false, false};
    QTest::newRow("single note") << QList<int>{0, 1, 0, 0, 0} << QList<int>{0, 3, 0, 0, 0}
                                 << QList<bool>{false, true, false, false, false};
    QTest::newRow("no groups") << QList<int>{0, 0, 0, 0, 0} << QList<int>{0, 0, 0, 0, 0}
                               << QList<bool>{false, false, false, false, false};
    QTest::newRow("group of two, then a single")
        << QList<int>{2, 0, 1, 0, -1} << QList<int>{1, 2, 3, 0, 0}
        << QList<bool>{true, true, true, false, false};
    QTest::newRow("a new group cuts the last short")
        << QList<int>{3, 0, 2, 0, 0} << QList<int>{1, 0, 1, 2, 0}
        << QList<bool>{true, true, true, true, false};
}

void TestNoteChains::marks()
{
    QFETCH(QList<int>, counts);
    QFETCH(QList<int>, marks);
    QFETCH(QList<bool>, members);

    Score score(QStringLiteral("5.3.1"), 0, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("P"), 0);
    builder.addMeasure(5, 4, 1);
    const QList<Note *> notes = builder.addNotes(0, 1, QStringLiteral("C4/4 D4/4 E4/4 F4/4 G4/4"));
    // The same notes in another voice without counts stay unmarked.
    const QList<Note *> other = builder.addNotes(0, 2, QStringLiteral("C4/4 D4/4 E4/4 F4/4 G4/4"));
    for (int i = 0; i < notes.size(); ++i) {
        notes.at(i)->longRepeatCount = counts.at(i);
        other.at(i)->longRepeatMark = 9; // stale, from an earlier run
    }

    score.markNoteChains();
    const Marks found = marksOf(notes);
    QCOMPARE(found.marks, marks);
    QCOMPARE(found.members, members);
    QCOMPARE(marksOf(other).marks, (QList<int>{0, 0, 0, 0, 0}));
}

void TestNoteChains::groupRunsOnAcrossMeasures()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("P"), 0);
    builder.addMeasure(2, 4, 1);
    QList<Note *> notes = builder.addNotes(0, 1, QStringLiteral("C4/4 D4/4"));
    builder.addMeasure(2, 4, 1);
    notes += builder.addNotes(0, 1, QStringLiteral("E4/4 F4/4"));
    notes.at(1)->longRepeatCount = 2;

    score.markNoteChains();
    QCOMPARE(marksOf(notes).marks, (QList<int>{0, 1, 2, 0}));
}

void TestNoteChains::linkedGroups_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("headBeam");
    QTest::addColumn<int>("lastBeam");
    QTest::addColumn<bool>("hidden");

    // A group whose head is beamed to its predecessor, or whose last note
    // is beamed on, is linked in styles that take part: its notes show.
    QTest::newRow("unbeamed group") << 0 << 2 << 0 << 0 << true;
    QTest::newRow("head continues a beam") << 0 << 2 << 2 << 0 << false;
    QTest::newRow("head ends a beam") << 3 << 3 << 3 << 0 << false;
    QTest::newRow("head begins a beam") << 0 << 2 << 1 << 0 << true;
    QTest::newRow("last note begins a beam") << 10 << 2 << 0 << 1 << false;
    QTest::newRow("last note ends a beam") << 0 << 2 << 0 << 3 << true;
    QTest::newRow("KinkoTrad never links") << 1 << 2 << 2 << 1 << true;
    QTest::newRow("KotoIkuta never links") << 5 << 2 << 2 << 1 << true;
    QTest::newRow("single beamed note") << 0 << 1 << 1 << 0 << false;
    QTest::newRow("single note, beam continues") << 12 << 1 << 2 << 0 << false;
    QTest::newRow("single unbeamed note") << 0 << 1 << 0 << 0 << true;
    QTest::newRow("single beamed note, ShamisenBunka") << 9 << 1 << 1 << 0 << true;
}

void TestNoteChains::linkedGroups()
{
    QFETCH(int, style);
    QFETCH(int, count);
    QFETCH(int, headBeam);
    QFETCH(int, lastBeam);
    QFETCH(bool, hidden);

    Score score(QStringLiteral("5.3.1"), 0, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("P"), style);
    builder.addMeasure(4, 4, 1);
    const QList<Note *> notes = builder.addNotes(0, 1, QStringLiteral("C4/4 D4/4 E4/4 F4/4"));
    for (Note *note : notes)
        note->beamTypes = {};
    notes.at(0)->longRepeatCount = count;
    notes.at(0)->beamTypes[0] = headBeam;
    if (lastBeam != 0)
        notes.at(count - 1)->beamTypes[0] = lastBeam;

    score.markNoteChains();
    QCOMPARE(notes.at(0)->longRepeatHeadFlag, !hidden);
    for (int i = 0; i < count; ++i)
        QCOMPARE(notes.at(i)->longRepeatMemberFlag, hidden);
    QVERIFY(!notes.at(count)->longRepeatMemberFlag);
}

VELMORA_TEST_MAIN(TestNoteChains)

} // namespace tst_note_chains
#include "tst_note_chains.moc"
