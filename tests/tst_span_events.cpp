// The span dispatcher on generated scores: which notes send tie events in
// which notation style (no ties in the Ikuta styles, starts without stops
// where a tied continuation is drawn as a bar, chord members only in staff
// notation), and that no span opens inside a multi-measure rest or in a
// part without note output. What stays open in the drawers after a
// generation shows what was sent.
#include "drawing/slurs.h"
#include "drawing/tie.h"
#include "model/measure.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "support/testenvironment.h"
#include "support/voicescore.h"

namespace tst_span_events {

using TestSupport::VoiceScore;

namespace {

// Opens slur 1 at the note; the note owns the notation.
void startSlur(Note *note)
{
    auto *slur = new Notation(note);
    slur->kind = 6;
    note->notations.append(slur);
    note->slurs[0] = 1;
    note->slurStartNotations[0] = slur;
}

} // namespace

class TestSpanEvents : public QObject
{
    Q_OBJECT

private slots:
    void tieEventsByStyle_data();
    void tieEventsByStyle();
    void noSpansWhereNothingIsDrawn_data();
    void noSpansWhereNothingIsDrawn();
};

void TestSpanEvents::tieEventsByStyle_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<bool>("tieStopBar");
    QTest::addColumn<int>("open"); // ties left open after the generation

    const QString chain = QStringLiteral("C5/4~1 C5/4~2 D5/4~1 D5/4~2");
    // A stop closes its start: nothing stays open.
    QTest::newRow("TozanTrad") << int(NotationStyle::TozanTrad) << chain << true << 0;
    QTest::newRow("SangenYamada") << int(NotationStyle::SangenYamada) << chain << true << 0;
    QTest::newRow("ShamisenBunka") << int(NotationStyle::ShamisenBunka) << chain << true << 0;
    QTest::newRow("TozanSimple, no bar") << int(NotationStyle::TozanSimple) << chain << false << 0;
    // The bar stands for the tie: both starts stay open.
    QTest::newRow("TozanSimple, bar") << int(NotationStyle::TozanSimple) << chain << true << 2;
    QTest::newRow("KinkoSimple, bar") << int(NotationStyle::KinkoSimple) << chain << true << 2;
    QTest::newRow("Doremi, bar") << int(NotationStyle::Doremi) << chain << true << 2;
    QTest::newRow("KotoSeiha, bar") << int(NotationStyle::KotoSeiha) << chain << true << 2;
    // The Ikuta styles draw no ties at all, not even the starts.
    QTest::newRow("KotoIkuta") << int(NotationStyle::KotoIkuta) << QStringLiteral("C5/4~1 D5/2.")
                               << false << 0;
    QTest::newRow("SangenIkuta") << int(NotationStyle::SangenIkuta) << QStringLiteral("C5/2~1 D5/2")
                                 << false << 0;
    // Outside staff notation a chord's members send nothing.
    QTest::newRow("chord member") << int(NotationStyle::TozanTrad)
                                  << QStringLiteral("C5/4~1 +E5/4~1 C5/2.~2") << false << 0;
    QTest::newRow("chord main note")
        << int(NotationStyle::TozanTrad) << QStringLiteral("C5/4~1 +E5/4~1 D5/2.") << false << 1;
}

void TestSpanEvents::tieEventsByStyle()
{
    QFETCH(int, style);
    QFETCH(QString, tokens);
    QFETCH(bool, tieStopBar);
    QFETCH(int, open);
    VoiceScore f;
    Part *part = f.addPart(QStringLiteral("P"), style);
    f.score.style->tieStopBar = tieStopBar;
    f.addMeasure();
    f.addNotes(0, tokens);
    f.build();
    QCOMPARE(part->tie->openTies().size(), open);
}

void TestSpanEvents::noSpansWhereNothingIsDrawn_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("opens"); // the slur
    QTest::addColumn<int>("ties");   // open ties; a rest carries none
    QTest::newRow("plain measure") << QStringLiteral("plain") << true << 1;
    QTest::newRow("multi-measure rest") << QStringLiteral("rest") << false << 0;
    QTest::newRow("note output off") << QStringLiteral("no notes") << false << 0;
    QTest::newRow("part output off") << QStringLiteral("no part") << false << 0;
    QTest::newRow("slur output off") << QStringLiteral("no slurs") << false << 1;
}

void TestSpanEvents::noSpansWhereNothingIsDrawn()
{
    QFETCH(QString, where);
    QFETCH(bool, opens);
    QFETCH(int, ties);
    VoiceScore f;
    Part *part = f.addPart(QStringLiteral("P"), NotationStyle::TozanTrad);
    f.addMeasure();
    f.addNotes(0, QStringLiteral("C5/1"));
    Measure *second = f.addMeasure();
    Note *note = nullptr;
    if (where == QLatin1String("rest")) {
        // Two whole-rest measures shown as one multi-measure rest.
        second->multipleRest = 2;
        note = f.addNotes(0, QStringLiteral("r/0")).first();
        f.addMeasure();
        f.addNotes(0, QStringLiteral("r/0"));
    } else {
        note = f.addNotes(0, QStringLiteral("C5/4~1 D5/2.")).first();
    }
    startSlur(note);
    part->noteOutput = where != QLatin1String("no notes");
    part->partOutput = where != QLatin1String("no part");
    part->slurOutput = where != QLatin1String("no slurs");
    f.build();
    if (where == QLatin1String("rest"))
        QCOMPARE(second->multiRestCount, 2);
    const Slurs *slurs = part->slurs.at(0);
    QCOMPARE(slurs->startSlots[0].startMeasure == second, opens);
    QCOMPARE(slurs->startSlots[0].startNote == note, opens);
    QCOMPARE(part->tie->openTies().size(), ties);
}

VELMORA_TEST_MAIN(TestSpanEvents)

} // namespace tst_span_events
#include "tst_span_events.moc"
