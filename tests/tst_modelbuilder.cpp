// The test-only model builder and the model dump that later tests compare
// before and after saving and loading: the builder completes voices as the
// measure parser does, and the dump shows every difference it is meant to.
#include "layout/layouter.h"
#include "model/direction.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

#include <functional>

namespace tst_modelbuilder {

using ScoreChange = std::function<void(Score *)>;

namespace {

// Two parts, two measures: a chord, a rest, a dotted tied note on the
// second staff, a direction, and a whole-measure rest.
void buildSample(Score *score)
{
    TestSupport::ModelBuilder builder(score);
    builder.addPart(QStringLiteral("Shakuhachi"));
    builder.addPart(QStringLiteral("Koto"), 5);
    builder.addMeasure(3, 4, 4);
    builder.addNotes(0, 1, QStringLiteral("C4/4 +E4/4 +G#4/4 r/8 Bb3/8.~1@1 D5/16"));
    builder.addDirection(0, 1, 0, 1, QStringLiteral("maru"));
    builder.addNotes(1, 2, QStringLiteral("r/0"));
    Measure *second = builder.addMeasure();
    second->userBreakType = 1;
    builder.addNotes(0, 1, QStringLiteral("gD5/8 C5/2=5"));
}

} // namespace

class TestModelBuilder : public QObject
{
    Q_OBJECT

private slots:
    void builderCompletesVoicesLikeTheParser();
    void dumpOfSample();
    void dumpShowsEveryChange_data();
    void dumpShowsEveryChange();
};

void TestModelBuilder::builderCompletesVoicesLikeTheParser()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    buildSample(&score);

    QCOMPARE(score.parts.size(), 2);
    QCOMPARE(score.measures.size(), 2);
    const Measure *first = score.measures.first();
    QCOMPARE(first->parts.size(), 2);
    QCOMPARE(first->layouter->chordCounts.size(), 2);
    QCOMPARE(first->layouter->chordCounts.first().size(), 32);

    const Voice *voice = first->parts.at(0)->voices.at(0);
    QVERIFY(voice->hasNotes);
    QCOMPARE(voice->notes.size(), 6);
    QCOMPARE(voice->notes.at(2)->chordSize, 3);
    QCOMPARE(voice->notes.at(2)->chordIndex, 2);
    QCOMPARE(voice->notes.at(3)->startTime, 4); // after the chord's quarter
    QCOMPARE(voice->notes.at(5)->beamTypes, (std::array<int, 5>{6, 6, 0, 0, 0}));
    QCOMPARE(first->voiceOneLength, 4 + 2 + 3 + 1);
    QCOMPARE(first->parts.at(0)->findFlaggedVoice(1), 0);
    QVERIFY(!first->emptyParts.at(0));
    QVERIFY(first->emptyParts.at(1));
    QVERIFY(first->parts.at(1)->restOnly);
    QVERIFY(first->parts.at(1)->voiceFlags.at(1));
    QCOMPARE(first->parts.at(1)->voices.at(1)->notes.first()->duration, 12);
}

void TestModelBuilder::dumpOfSample()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    buildSample(&score);
    const QStringList lines = TestSupport::dumpModel(&score).split(QLatin1Char('\n'));

    QVERIFY(lines.at(0).startsWith(QStringLiteral("part 0: name=\"Shakuhachi\" ")));
    QVERIFY(lines.at(0).contains(QStringLiteral(" style=3 ")));
    QVERIFY(lines.at(1).startsWith(QStringLiteral("part 1: name=\"Koto\" ")));
    QVERIFY(lines.at(1).contains(QStringLiteral(" style=5 ")));
    const QStringList rest = lines.mid(2);
    QCOMPARE(rest, QStringList({
                       "measure 0: number=1 time=3/4 divisions=4 key=-99 barlines=0:0/0:0 "
                       "ending=0\"\" break=0 scale=1 multipleRest=0",
                       "  part 0 voice 1: C4/4 +E4/4 +G#4/4 r/8 Bb3/8.~1@1 D5/16",
                       "    direction at 0: kind=1 number=0 staff=0 \"maru\"",
                       "  part 1 voice 2: r/0",
                       "measure 1: number=2 time=4/4 divisions=4 key=-99 barlines=0:0/0:0 "
                       "ending=0\"\" break=1 scale=1 multipleRest=0",
                       "  part 0 voice 1: gD5/8 C5/2=5",
                       "",
                   }));
}

void TestModelBuilder::dumpShowsEveryChange_data()
{
    QTest::addColumn<ScoreChange>("change");
    auto row = [](const char *name, ScoreChange change) { QTest::newRow(name) << change; };
    auto firstNote = [](Score *s) { return s->measures.at(0)->parts.at(0)->voices.at(0)->notes; };
    row("part name", [](Score *s) { s->parts.at(1)->partName = "Sangen"; });
    row("notation style", [](Score *s) { s->parts.at(0)->notationStyle = 1; });
    row("instrument key", [](Score *s) { s->parts.at(0)->instrumentKey = -2; });
    row("note size", [](Score *s) { s->parts.at(0)->noteFontSize = 6.5; });
    row("align in time", [](Score *s) { s->parts.at(0)->alignInTime = false; });
    row("staff-note rests", [](Score *s) { s->parts.at(0)->staffNoteRestNote = true; });
    row("time", [](Score *s) { s->measures.at(1)->beats = 3; });
    row("key", [](Score *s) { s->measures.at(0)->fifths = 2; });
    row("right barline", [](Score *s) { s->measures.at(0)->rightBarStyle = 1; });
    row("repeat", [](Score *s) { s->measures.at(1)->leftRepeat = 1; });
    row("ending", [](Score *s) { s->measures.at(0)->endingNumberText = "1"; });
    row("break", [](Score *s) { s->measures.at(1)->userBreakType = 2; });
    row("user scale", [](Score *s) { s->measures.at(0)->userScale = 1.25; });
    row("pitch", [=](Score *s) { firstNote(s).at(0)->alter = -1; });
    row("duration", [=](Score *s) { firstNote(s).at(3)->duration = 5; });
    row("tie", [=](Score *s) { firstNote(s).at(5)->tie = 2; });
    row("chord flag", [=](Score *s) { firstNote(s).at(2)->chord = false; });
    row("direction text", [](Score *s) {
        s->measures.at(0)->parts.at(0)->voices.at(0)->directions.at(0)->text = "kan";
    });
    row("direction offset", [](Score *s) {
        s->measures.at(0)->parts.at(0)->voices.at(0)->directions.at(0)->setOffset(0, 0);
    });
}

void TestModelBuilder::dumpShowsEveryChange()
{
    QFETCH(ScoreChange, change);
    Score score(QStringLiteral("5.3.1"), 0, false);
    buildSample(&score);
    const QString before = TestSupport::dumpModel(&score);
    QCOMPARE(TestSupport::dumpModel(&score), before); // the dump is stable
    change(&score);
    QVERIFY(TestSupport::dumpModel(&score) != before);
}

VELMORA_TEST_MAIN(TestModelBuilder)

} // namespace tst_modelbuilder
#include "tst_modelbuilder.moc"
