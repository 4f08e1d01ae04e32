// Voice and chord lanes of a measure: how each part's row is shared among
// its voices by their widest chords, where chord notes stand in their
// lane, when a chord is squeezed, and the lyric lines of note names.
#include "layout/layouter.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "support/messagecapture.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

namespace tst_layouter {

namespace {

// Parts of note size 5 and row width 3 x 5 = 15 unless a test changes them.
struct Fixture
{
    explicit Fixture(bool horizontal, int partCount = 1)
        : score(QStringLiteral("5.3.1"), 0, false), builder(&score)
    {
        score.page->horizontal = horizontal;
        score.page->lineWidthScale = 3.0;
        score.style->gapVoice = 0.0;
        score.style->gapChordNote = 0.2;
        score.style->measureMaxChordWidth = 1.0;
        for (int p = 0; p < partCount; ++p) {
            Part *part = builder.addPart(QStringLiteral("P%1").arg(p));
            part->noteFontSize = 5.0;
            part->partWidthScale = 1.0;
            part->partOutput = true;
        }
        measure = builder.addMeasure();
    }

    Layouter *layout()
    {
        measure->layouter->layout();
        return measure->layouter;
    }

    Score score;
    TestSupport::ModelBuilder builder;
    Measure *measure = nullptr;
};

} // namespace

class TestLayouter : public QObject
{
    Q_OBJECT

private slots:
    void singleNotesAreCentred_data();
    void singleNotesAreCentred();
    void voicesShareTheRowByTheirWidestChord();
    void rowsFollowTheWritingDirection();
    void chordEdgesAreTheOuterNoteEdges_data();
    void chordEdgesAreTheOuterNoteEdges();
    void kinkoTradPlacesEveryChordAsTheWidest_data();
    void kinkoTradPlacesEveryChordAsTheWidest();
    void threeLanesOfTheFirstVoice_data();
    void threeLanesOfTheFirstVoice();
    void lyricNumbersOfNoteNames_data();
    void lyricNumbersOfNoteNames();
    void layoutStartsAfresh();
};

void TestLayouter::singleNotesAreCentred_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

void TestLayouter::singleNotesAreCentred()
{
    QFETCH(bool, horizontal);
    Fixture f(horizontal);
    f.builder.addNotes(0, 1, QStringLiteral("C4/4 D4/4 E4/2"));
    Layouter *layouter = f.layout();

    QCOMPARE(layouter->rowWidths.at(0), 15.0);
    QCOMPARE(layouter->laneWidths.at(0).at(0), 15.0);
    QCOMPARE(layouter->chordSqueezeRatio(0, 0, 1), 1.0);
    QCOMPARE(layouter->chordNotePos(0, 0, 1, 0, false), -2.5);
    QCOMPARE(layouter->chordEdgePos(0, 0, false), -2.5);
    QCOMPARE(layouter->chordEdgePos(0, 0, true), 2.5);
}

void TestLayouter::voicesShareTheRowByTheirWidestChord()
{
    Fixture f(true);
    f.builder.addNotes(0, 1, QStringLiteral("C4/2 +E4/2 G4/2"));
    f.builder.addNotes(0, 2, QStringLiteral("C3/1"));
    Layouter *layouter = f.layout();

    QCOMPARE(layouter->chordCounts.at(0).mid(0, 3), QList<int>({2, 1, 0}));
    QCOMPARE(layouter->partChordTotals.at(0), 3);
    QCOMPARE(layouter->total, 3);
    QCOMPARE(layouter->laneWidths.at(0).mid(0, 2), QList<double>({10.0, 5.0}));
    QCOMPARE(layouter->laneOffsets.at(0).mid(0, 2), QList<double>({0.0, 10.0}));
    // The main note at the larger-coordinate end of the block.
    QCOMPARE(layouter->chordNotePos(0, 0, 2, 0, false), -2.0);
    QCOMPARE(layouter->chordNotePos(0, 0, 2, 1, false), -8.0);
    QCOMPARE(layouter->chordNotePos(0, 1, 1, 0, false), 2.5);

    // Vertical writing lays the lanes out from the last voice; the main
    // note takes the smaller-coordinate end.
    f.score.page->horizontal = false;
    layouter = f.layout();
    QCOMPARE(layouter->laneOffsets.at(0).mid(0, 2), QList<double>({5.0, 0.0}));
    QCOMPARE(layouter->chordNotePos(0, 0, 2, 0, false), -3.0);
    QCOMPARE(layouter->chordNotePos(0, 0, 2, 1, false), 3.0);

    // The voice gap comes on top of each lane.
    f.score.page->horizontal = true;
    f.score.style->gapVoice = 0.2;
    layouter = f.layout();
    QCOMPARE(layouter->laneOffsets.at(0).at(1), 11.0);
}

void TestLayouter::rowsFollowTheWritingDirection()
{
    Fixture f(true, 3);
    f.score.parts.at(0)->staffCount = 2;
    f.score.parts.at(1)->partOutput = false;
    for (int p = 0; p < 3; ++p)
        f.builder.addNotes(p, 1, QStringLiteral("C4/1"));

    Layouter *layouter = f.layout();
    QCOMPARE(layouter->rowWidths, QList<double>({30.0, 0.0, 15.0}));
    QCOMPARE(layouter->partOffsets, QList<double>({0.0, 30.0, 30.0}));
    QCOMPARE(layouter->laneOffsets.at(2).at(0), 30.0);

    // Vertical columns run from the last part; every part keeps its width
    // and staves do not widen it.
    f.score.page->horizontal = false;
    layouter = f.layout();
    QCOMPARE(layouter->rowWidths, QList<double>({15.0, 15.0, 15.0}));
    QCOMPARE(layouter->partOffsets, QList<double>({30.0, 15.0, 0.0}));
    QCOMPARE(layouter->chordNotePos(0, 0, 1, 0, false), -2.5);
}

void TestLayouter::chordEdgesAreTheOuterNoteEdges_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<double>("widthScale");
    QTest::addColumn<double>("ratio");

    // A three-note chord needs 3 x 5 = 15 of its lane (measure-max-chord-width 1).
    QTest::newRow("horizontal, roomy lane") << true << 1.2 << 1.0;
    QTest::newRow("horizontal, exact fit") << true << 1.0 << 1.0;
    QTest::newRow("horizontal, narrow lane") << true << 0.8 << 0.8;
    QTest::newRow("vertical, narrow lane") << false << 0.8 << 0.8;
    QTest::newRow("vertical, very narrow lane") << false << 0.5 << 0.5;
}

void TestLayouter::chordEdgesAreTheOuterNoteEdges()
{
    QFETCH(bool, horizontal);
    QFETCH(double, widthScale);
    QFETCH(double, ratio);
    Fixture f(horizontal);
    f.score.parts.at(0)->partWidthScale = widthScale;
    f.builder.addNotes(0, 1, QStringLiteral("C4/1 +E4/1 +G4/1"));
    Layouter *layouter = f.layout();

    QCOMPARE(layouter->chordSqueezeRatio(0, 0, 3), ratio);
    const double size = 5.0 * ratio;
    const double step = size + 0.2 * 5.0 * ratio; // a note and a gap, squeezed alike
    QList<double> starts;
    for (int i = 0; i < 3; ++i)
        starts.append(layouter->chordNotePos(0, 0, 3, i, false));
    const double direction = horizontal ? -1.0 : 1.0; // where later chord notes go
    QCOMPARE(direction * (starts.at(1) - starts.at(0)), step);
    QCOMPARE(direction * (starts.at(2) - starts.at(1)), step);
    QCOMPARE(layouter->chordEdgePos(0, 0, false), std::min(starts.first(), starts.last()));
    QCOMPARE(layouter->chordEdgePos(0, 0, true), std::max(starts.first(), starts.last()) + size);
    QCOMPARE(layouter->chordEdgePos(0, 0, true), -layouter->chordEdgePos(0, 0, false));
    QCOMPARE(layouter->chordNotePos(0, 0, 3, 1, true) - starts.at(1), size);
}

void TestLayouter::kinkoTradPlacesEveryChordAsTheWidest_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<double>("mainNote");

    // A two-note chord in a voice whose widest chord has three notes.
    QTest::newRow("KinkoTrad: block of three") << int(NotationStyle::KinkoTrad) << 3.5;
    QTest::newRow("TozanTrad: block of two") << int(NotationStyle::TozanTrad) << 0.5;
    QTest::newRow("KotoIkuta: block of two") << int(NotationStyle::KotoIkuta) << 0.5;
}

void TestLayouter::kinkoTradPlacesEveryChordAsTheWidest()
{
    QFETCH(int, style);
    QFETCH(double, mainNote);
    Fixture f(true);
    f.score.parts.at(0)->notationStyle = style;
    f.score.parts.at(0)->partWidthScale = 2.0; // no squeeze
    f.builder.addNotes(0, 1, QStringLiteral("C4/2 +E4/2 +G4/2 C4/2 +E4/2"));
    QCOMPARE(f.layout()->chordNotePos(0, 0, 2, 0, false), mainNote);
}

void TestLayouter::threeLanesOfTheFirstVoice_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<double>("widthScale");
    QTest::addColumn<int>("lane");
    QTest::addColumn<int>("edge");
    QTest::addColumn<double>("position");

    QTest::newRow("h lane 0 start") << true << 1.0 << 0 << 0 << 2.5;
    QTest::newRow("h lane 0 centre") << true << 1.0 << 0 << 1 << 5.0;
    QTest::newRow("h lane 0 end") << true << 1.0 << 0 << 2 << 7.5;
    QTest::newRow("h lane 2 start") << true << 1.0 << 2 << 0 << -7.5;
    QTest::newRow("v lane 0 start") << false << 1.0 << 0 << 0 << -7.5;
    QTest::newRow("v lane 2 end") << false << 1.0 << 2 << 2 << 7.5;
    // Narrow (12 for three notes of 5): ratio 0.8 from the lane's own edge.
    QTest::newRow("h narrow start") << true << 0.8 << 0 << 0 << 1.0;
    QTest::newRow("h narrow centre") << true << 0.8 << 0 << 1 << 4.0;
    QTest::newRow("h narrow end") << true << 0.8 << 0 << 2 << 6.0;
}

void TestLayouter::threeLanesOfTheFirstVoice()
{
    QFETCH(bool, horizontal);
    QFETCH(double, widthScale);
    QFETCH(int, lane);
    QFETCH(int, edge);
    QFETCH(double, position);
    Fixture f(horizontal);
    f.score.parts.at(0)->partWidthScale = widthScale;
    f.builder.addNotes(0, 1, QStringLiteral("C4/1"));
    QCOMPARE(f.layout()->chordNotePos2(0, lane, edge), position);
}

void TestLayouter::lyricNumbersOfNoteNames_data()
{
    QTest::addColumn<QString>("voice2");
    QTest::addColumn<int>("voice");
    QTest::addColumn<int>("chordSize");
    QTest::addColumn<int>("chordIndex");
    QTest::addColumn<bool>("reversed");
    QTest::addColumn<int>("number");

    // Voice 1 holds a chord of three, voice 2 single notes unless empty.
    const QString single = QStringLiteral("C3/1");
    QTest::newRow("plain main note of three") << single << 0 << 3 << 0 << false << 3;
    QTest::newRow("plain last note of three") << single << 0 << 3 << 2 << false << 1;
    QTest::newRow("plain main note of two") << single << 0 << 2 << 0 << false << 2;
    QTest::newRow("plain second voice") << single << 1 << 1 << 0 << false << 5;
    QTest::newRow("reversed second voice") << single << 1 << 1 << 0 << true << 1;
    QTest::newRow("reversed main note of three") << single << 0 << 3 << 0 << true << 3;
    QTest::newRow("reversed last note of three") << single << 0 << 3 << 2 << true << 5;
    QTest::newRow("reversed, one voice") << QString() << 0 << 3 << 0 << true << 1;
}

void TestLayouter::lyricNumbersOfNoteNames()
{
    QFETCH(QString, voice2);
    QFETCH(int, voice);
    QFETCH(int, chordSize);
    QFETCH(int, chordIndex);
    QFETCH(bool, reversed);
    QFETCH(int, number);
    Fixture f(true);
    f.builder.addNotes(0, 1, QStringLiteral("C4/2 +E4/2 +G4/2 C4/2 +E4/2"));
    if (!voice2.isEmpty())
        f.builder.addNotes(0, 2, voice2);
    Layouter *layouter = f.layout();

    TestSupport::MessageCapture capture;
    QCOMPARE(layouter->voiceNoteLyricNumber(0, voice, chordSize, chordIndex, reversed), number);
    QCOMPARE(capture.count(QStringLiteral("voiceNoteLyricNumber")), reversed ? 1 : 0);
}

void TestLayouter::layoutStartsAfresh()
{
    Fixture f(true);
    f.builder.addNotes(0, 1, QStringLiteral("C4/2 +E4/2 G4/2"));
    f.builder.addNotes(0, 2, QStringLiteral("C3/1"));
    f.layout();
    f.measure->parts.at(0)->voices.use(1)->hasNotes = false;
    Layouter *layouter = f.layout();
    QCOMPARE(layouter->chordCounts.at(0).at(1), 0);
    QCOMPARE(layouter->laneWidths.at(0).at(1), 0.0);
    QCOMPARE(layouter->laneWidths.at(0).at(0), 15.0);
    QCOMPARE(layouter->total, 2);

    // A voice in use without notes has no chord: no lane, and no NaN.
    Voice *first = f.measure->parts.at(0)->voices.use(0);
    qDeleteAll(first->notes);
    first->notes.clear();
    layouter = f.layout();
    QCOMPARE(layouter->laneWidths.at(0).at(0), 0.0);
    QCOMPARE(layouter->chordSqueezeRatio(0, 0, 0), 1.0);
}

VELMORA_TEST_MAIN(TestLayouter)

} // namespace tst_layouter
#include "tst_layouter.moc"
