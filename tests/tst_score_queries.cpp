// Score's core queries: pitch numbers, part output, a note's accepted
// names, line flags, part-name length, the note-name tests and the note
// widths of a part by type, level and position in the beat.
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "notenames/notescale.h"
#include "support/messagecapture.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

namespace tst_score_queries {

namespace {

// Distinct widths, so a row that picks the wrong one fails.
void setDistinctWidths(Part *part)
{
    part->noteWidth1 = 1.9;
    part->noteWidth2 = 1.7;
    part->noteWidth4 = 1.5;
    part->noteWidth8 = 1.3;
    part->noteWidth16 = 1.1;
    part->noteWidth32 = 0.9;
    part->noteInterval = 2.0;
}

double widthNamed(const Part *part, const QString &name)
{
    if (name == QLatin1String("W1"))
        return part->noteWidth1;
    if (name == QLatin1String("W2"))
        return part->noteWidth2;
    if (name == QLatin1String("W4"))
        return part->noteWidth4;
    if (name == QLatin1String("W8"))
        return part->noteWidth8;
    if (name == QLatin1String("W16"))
        return part->noteWidth16;
    if (name == QLatin1String("W32"))
        return part->noteWidth32;
    return name.toDouble();
}

} // namespace

class TestScoreQueries : public QObject
{
    Q_OBJECT

private slots:
    void pitchNumber_data();
    void pitchNumber();
    void partOutput();
    void noteNameLists();
    void lineFlagsAndPartNames();
    void nameTests_data();
    void nameTests();
    void noteWidthByType_data();
    void noteWidthByType();
    void noteWidthAtTime_data();
    void noteWidthAtTime();
    void noteWidthAtTimeWithoutDivisions();
    void noteItemWidth();
};

void TestScoreQueries::pitchNumber_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("alter");
    QTest::addColumn<int>("octave");
    QTest::addColumn<int>("expected");
    QTest::newRow("C4") << "C" << 0 << 4 << 2;
    QTest::newRow("Cb4 written B-1 3") << "B" << -1 << 3 << 0;
    QTest::newRow("A4") << "A" << 0 << 4 << 11;
    QTest::newRow("G#5") << "G" << 1 << 5 << 22;
    QTest::newRow("E2") << "E" << 0 << 2 << -18;
    QTest::newRow("F4") << "F" << 0 << 4 << 7;
    QTest::newRow("D4") << "D" << 0 << 4 << 4;
    QTest::newRow("unknown step counts as C") << "H" << 0 << 4 << 2;
    QTest::newRow("lower case is unknown") << "a" << 0 << 4 << 2;
    QTest::newRow("empty step") << "" << 1 << 4 << 3;
}

void TestScoreQueries::pitchNumber()
{
    QFETCH(QString, step);
    QFETCH(int, alter);
    QFETCH(int, octave);
    QFETCH(int, expected);
    Score score(QStringLiteral("5.3.1"), 0, false);
    QCOMPARE(score.getPitchNumber(step, alter, octave), expected);
}

void TestScoreQueries::partOutput()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    QVERIFY(!score.checkPartOutput(true)); // no parts: nothing to switch on

    TestSupport::ModelBuilder builder(&score);
    Part *first = builder.addPart(QStringLiteral("A"));
    Part *second = builder.addPart(QStringLiteral("B"));
    first->partOutput = false;
    second->partOutput = false;

    QVERIFY(!score.checkPartOutput(false));
    QVERIFY(!first->partOutput);
    QVERIFY(!score.checkPartOutput(true));
    QVERIFY(first->partOutput);
    QVERIFY(!second->partOutput);
    QVERIFY(score.checkPartOutput(true));

    first->partOutput = false;
    second->partOutput = true;
    QVERIFY(score.checkPartOutput(true));
    QVERIFY(!first->partOutput);
}

void TestScoreQueries::noteNameLists()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    NoteScale scale;
    scale.setNames(2, {QStringLiteral("Ro"), QStringLiteral("Ro2")});
    Note note;
    note.pitchIndex = 2;

    QVERIFY(score.getNoteNameList(&note).isEmpty()); // no scale yet
    note.noteScale = &scale;
    QStringList names = score.getNoteNameList(&note);
    QCOMPARE(names, (QStringList{QStringLiteral("Ro"), QStringLiteral("Ro2")}));
    names.append(QStringLiteral("changed"));
    QCOMPARE(scale.names(2).size(), 2); // a copy
    QVERIFY(score.getNoteNameListOfPitch(&note, 3).isEmpty());
    QCOMPARE(score.getNoteNameListOfPitch(&note, 2).first(), QStringLiteral("Ro"));
    note.pitchIndex = 5;
    QVERIFY(score.getNoteNameList(&note).isEmpty());
}

void TestScoreQueries::lineFlagsAndPartNames()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    QCOMPARE(score.getMaxPartNameLength(), 0.0);
    QVERIFY(score.clearMeasureLineFlags()); // no measures

    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("Koto"));
    builder.addPart(QStringLiteral("Shakuhachi"));
    for (int i = 0; i < 2; ++i) {
        Measure *m = builder.addMeasure();
        m->stageEnd = true;
        m->pageEnd = true;
        m->lineStart = true;
    }
    QVERIFY(score.clearMeasureLineFlags());
    for (const Measure *m : std::as_const(score.measures)) {
        QVERIFY(!m->stageEnd);
        QVERIFY(!m->pageEnd);
        QVERIFY(m->lineStart); // not one of the two
    }

    score.maxNoteSize = 5.0;
    QCOMPARE(score.getMaxPartNameLength(), 10 * 5.0 * 0.8);
}

void TestScoreQueries::nameTests_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("meri");
    QTest::addColumn<bool>("stringPrefix");
    QTest::newRow("RoMeri") << "RoMeri" << true << false;
    QTest::newRow("HaMeri-Low") << "HaMeri-Low" << true << false;
    QTest::newRow("HiDaiMeri") << "HiDaiMeri" << true << false;
    QTest::newRow("case counts") << "romeri" << false << false;
    QTest::newRow("chu-meri is not listed") << "TsuChuMeri" << false << false;
    QTest::newRow("plain note") << "Ro" << false << false;
    QTest::newRow("string 1") << "1-Ichi" << false << true;
    QTest::newRow("string 3") << "3-Ni" << false << true;
    QTest::newRow("string 4 is no prefix") << "4-Ni" << false << false;
    QTest::newRow("digit alone") << "1" << false << false;
}

void TestScoreQueries::nameTests()
{
    QFETCH(QString, name);
    QFETCH(bool, meri);
    QFETCH(bool, stringPrefix);
    Score score(QStringLiteral("5.3.1"), 0, false);
    QCOMPARE(score.isMeriNote(name), meri);
    QCOMPARE(score.hasStringPrefix(name), stringPrefix);
}

void TestScoreQueries::noteWidthByType_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("width");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("byLevel");
    QTest::newRow("breve") << 0 << 0 << "W1" << 0 << "1.0";
    QTest::newRow("whole") << 0 << 1 << "W1" << -3 << "1.0";
    QTest::newRow("half") << 0 << 2 << "W2" << 1 << "W8";
    QTest::newRow("quarter") << 0 << 4 << "W4" << 2 << "W16";
    QTest::newRow("eighth") << 3 << 8 << "W8" << 3 << "W32";
    QTest::newRow("16th") << 5 << 16 << "W16" << 7 << "W32";
    QTest::newRow("32nd") << 0 << 32 << "W32" << 1 << "W8";
    QTest::newRow("3 is no type") << 0 << 3 << "W32" << 1 << "W8";
    QTest::newRow("64th") << 0 << 64 << "W32" << 1 << "W8";
    QTest::newRow("staff notation") << 12 << 8 << "1.0" << 1 << "W8";
}

void TestScoreQueries::noteWidthByType()
{
    QFETCH(int, style);
    QFETCH(int, type);
    QFETCH(QString, width);
    QFETCH(int, level);
    QFETCH(QString, byLevel);
    Score score(QStringLiteral("5.3.1"), 0, false);
    TestSupport::ModelBuilder builder(&score);
    Part *part = builder.addPart(QStringLiteral("P"), style);
    setDistinctWidths(part);
    QCOMPARE(score.getNoteWidth(0, type), widthNamed(part, width));
    QCOMPARE(score.getNoteSpacing(0, type), 2.0 * widthNamed(part, width));
    QCOMPARE(score.getNoteWidthByLevel(0, level), widthNamed(part, byLevel));
}

void TestScoreQueries::noteWidthAtTime_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("tuplet");
    QTest::addColumn<int>("divisions");
    QTest::addColumn<int>("beatType");
    QTest::addColumn<int>("time");
    QTest::addColumn<QString>("width");

    QTest::newRow("quarter on the beat") << 4 << false << 480 << 4 << 0 << "W4";
    QTest::newRow("quarter on the half beat") << 4 << false << 480 << 4 << 240 << "W8";
    QTest::newRow("quarter on the quarter") << 4 << false << 480 << 4 << 120 << "W16";
    QTest::newRow("quarter elsewhere") << 4 << false << 480 << 4 << 100 << "W4";
    QTest::newRow("quarter at 240 in 8ths time") << 4 << false << 480 << 8 << 240 << "W16";
    QTest::newRow("quarter at 2 of 4 divisions, x/8") << 4 << false << 4 << 8 << 2 << "W16";
    QTest::newRow("quarter, divisions 2, x/8") << 4 << false << 2 << 8 << 1 << "W4";

    QTest::newRow("eighth on the beat") << 8 << false << 480 << 4 << 480 << "W8";
    QTest::newRow("eighth on the half beat") << 8 << false << 480 << 4 << 240 << "W8";
    QTest::newRow("eighth on the quarter") << 8 << false << 480 << 4 << 120 << "W16";
    QTest::newRow("eighth on the eighth") << 8 << false << 480 << 4 << 60 << "W32";
    QTest::newRow("eighth elsewhere") << 8 << false << 480 << 4 << 7 << "W8";
    QTest::newRow("eighth, few divisions") << 8 << false << 2 << 8 << 1 << "W8";
    QTest::newRow("eighth, divisions 1: half of it is 0") << 8 << false << 1 << 4 << 3 << "W8";

    QTest::newRow("16th on the beat") << 16 << false << 480 << 4 << 960 << "W16";
    QTest::newRow("16th on the quarter") << 16 << false << 480 << 4 << 360 << "W16";
    QTest::newRow("16th on the eighth") << 16 << false << 480 << 4 << 60 << "W32";
    QTest::newRow("16th elsewhere") << 16 << false << 480 << 4 << 7 << "W16";
    QTest::newRow("16th, divisions below 4") << 16 << false << 3 << 8 << 1 << "W16";
    QTest::newRow("16th, divisions 4 to 7") << 16 << false << 6 << 8 << 1 << "W16";

    QTest::newRow("whole") << 1 << false << 480 << 4 << 7 << "W4";
    QTest::newRow("half") << 2 << false << 480 << 4 << 7 << "W4";
    QTest::newRow("32nd") << 32 << false << 480 << 4 << 0 << "W32";
    QTest::newRow("tuplet half") << 2 << true << 480 << 4 << 7 << "W2";
    QTest::newRow("tuplet eighth off the beat") << 8 << true << 480 << 4 << 60 << "W8";
    QTest::newRow("tuplet whole") << 1 << true << 480 << 4 << 0 << "W1";
}

void TestScoreQueries::noteWidthAtTime()
{
    QFETCH(int, type);
    QFETCH(bool, tuplet);
    QFETCH(int, divisions);
    QFETCH(int, beatType);
    QFETCH(int, time);
    QFETCH(QString, width);

    Score score(QStringLiteral("5.3.1"), 0, false);
    TestSupport::ModelBuilder builder(&score);
    Part *part = builder.addPart(QStringLiteral("P"), 0);
    setDistinctWidths(part);
    Measure *measure = builder.addMeasure(4, beatType, divisions);
    Note note;
    note.noteType = type;
    note.timeModification = tuplet;
    QCOMPARE(score.getNoteWidthAtTime(0, measure, &note, time), widthNamed(part, width));
}

void TestScoreQueries::noteWidthAtTimeWithoutDivisions()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    TestSupport::ModelBuilder builder(&score);
    Part *part = builder.addPart(QStringLiteral("P"), 0);
    setDistinctWidths(part);
    Measure *measure = builder.addMeasure(4, 4, 0);
    Note note;
    note.noteType = 8;
    TestSupport::MessageCapture capture;
    // Divisions 0 count as 1: every time is on the beat.
    QCOMPARE(score.getNoteWidthAtTime(0, measure, &note, 3), part->noteWidth8);
    QVERIFY(capture.contains(
        QStringLiteral("getNoteWidthAtTime: measure has divisions 0, counted as 1")));
}

void TestScoreQueries::noteItemWidth()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("P"));
    builder.addMeasure();
    const QList<Note *> notes = builder.addNotes(0, 2, QStringLiteral("C4/4 D4/4"));
    Voice *voice = score.measures.at(0)->parts.at(0)->voices.use(1);
    for (double w : {3.0, 4.5}) {
        auto *item = new AlignItem;
        item->width = w;
        voice->alignItems.append(item);
    }
    notes.at(1)->firstAlignItem = 1;
    QCOMPARE(score.getNoteItemWidth(0, 0, 1, 0), 3.0);
    QCOMPARE(score.getNoteItemWidth(0, 0, 1, 1), 4.5);

    TestSupport::MessageCapture capture;
    QCOMPARE(score.getNoteItemWidth(0, 0, 1, 2), 0.0);
    QCOMPARE(score.getNoteItemWidth(3, 0, 1, 0), 0.0);
    notes.at(0)->firstAlignItem = 9;
    QCOMPARE(score.getNoteItemWidth(0, 0, 1, 0), 0.0);
    QCOMPARE(capture.lines(),
             (QStringList{
                 QStringLiteral("getNoteItemWidth no item: measure, part, voice, note = 0 0 1 2"),
                 QStringLiteral("getNoteItemWidth no item: measure, part, voice, note = 3 0 1 0"),
                 QStringLiteral("getNoteItemWidth no item: measure, part, voice, note = 0 0 1 0"),
             }));
}

VELMORA_TEST_MAIN(TestScoreQueries)

} // namespace tst_score_queries
#include "tst_score_queries.moc"
