// Whole lyric lines of one part: deleting a line (every number, or one),
// and placing a line of a staff-notation part above, below or close to the
// notes: the offsets of every case of stem and staff step in both writing
// directions, the walking order, and the picture they give.
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/messagecapture.h"
#include "support/pagecheck.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "view/movecommands.h"

#include <QFontMetricsF>
#include <QUndoStack>
#include <QtTest>

#include <functional>

namespace tst_lyric_macros {

namespace {

const QString entered = QStringLiteral("generateScore: entered----------.");

std::unique_ptr<Score> placementScore(bool horizontal)
{
    return TestSupport::generatedScore(
        TestSupport::fixturePath(QStringLiteral("lyrics/lyrics-StaffPlacement.xml")),
        NotationStyle::StaffNotation, horizontal);
}

QList<Lyrics *> lyricsOfPart(const Score &score, int part)
{
    QList<Lyrics *> all;
    for (const Measure *measure : score.measures) {
        for (const Voice *voice : measure->parts.at(part)->voices) {
            for (const Note *note : voice->notes)
                all += note->lyrics;
        }
    }
    return all;
}

// The lyric font's height in note sizes, as the part's font gives it.
double lyricHeight(const Score &score)
{
    const Part *part = score.parts.at(0);
    return QFontMetricsF(part->lyricsFont).height() / score.page->scaleFactor / part->noteFontSize;
}

// How the note stands: what the placement rules read.
struct Stand
{
    bool rest = false;
    int d = 0;      // stem direction as drawn
    int s = 0;      // staff step
    double t = 0.0; // stem end, note sizes
    double h = 0.0; // lyric font height, note sizes
};

QString describe(const Stand &p)
{
    return QStringLiteral("rest %1 d %2 s %3 t %4 h %5")
        .arg(p.rest)
        .arg(p.d)
        .arg(p.s)
        .arg(p.t)
        .arg(p.h);
}

// One row of the placement table: the note of the fixture that stands in
// the row's case, the case itself, and the y it gives.
struct PlacementRow
{
    const char *name;
    int position; // 0 above, 1 below, 2 close
    bool horizontal;
    int measure;
    int note;
    std::function<bool(const Stand &)> when;
    std::function<double(const Stand &)> y;
};

// Fixture notes (voice 1), by the stem drawn: m0 n0 B4 up (beside voice 2),
// n1 A5 up, n2 C4 up, n3 rest; m1 n0 A5 down, n1 C4 down, n2 D5 down, n3
// A4 up; m2 n0 C4 up and n1 C6 down; whole notes without stem: m3 C6, m4
// B4, m5 A4, m6 C4.
const QList<PlacementRow> &placementRows()
{
    using P = const Stand &;
    static const QList<PlacementRow> rows = {
        // above, horizontal
        {"above h: d=1, t<-0.5", 0, true, 0, 1, [](P p) { return p.d == 1 && p.t < -0.5; },
         [](P p) { return p.t - 0.1 - p.h; }},
        {"above h: d=1, t>=-0.5", 0, true, 0, 2, [](P p) { return p.d == 1 && p.t >= -0.5; },
         [](P p) { return -0.6 - p.h; }},
        {"above h: d!=1, s>3", 0, true, 2, 1, [](P p) { return p.d != 1 && p.s > 3; },
         [](P p) { return -0.125 * (p.s + 1) - 0.1 - p.h; }},
        {"above h: d!=1, s<=3 (middle line)", 0, true, 4, 0,
         [](P p) { return p.d == 0 && p.s == 0; }, [](P p) { return -0.6 - p.h; }},
        // above, vertical
        {"above v: d=1, t>0.5", 0, false, 0, 1, [](P p) { return p.d == 1 && p.t > 0.5; },
         [](P p) { return -(p.t + 0.1); }},
        {"above v: d=1, t<=0.5", 0, false, 0, 2, [](P p) { return p.d == 1 && p.t <= 0.5; },
         [](P) { return -0.6; }},
        {"above v: d!=1, s>3", 0, false, 2, 1, [](P p) { return p.d != 1 && p.s > 3; },
         [](P p) { return -(0.125 * (p.s + 1) + 0.1); }},
        {"above v: d!=1, s<=3", 0, false, 4, 0, [](P p) { return p.d != 1 && p.s <= 3; },
         [](P) { return -0.6; }},
        // below, horizontal
        {"below h: d=2, t>0.5", 1, true, 1, 1, [](P p) { return p.d == 2 && p.t > 0.5; },
         [](P p) { return p.t + 0.1; }},
        {"below h: d=2, t<=0.5", 1, true, 1, 0, [](P p) { return p.d == 2 && p.t <= 0.5; },
         [](P) { return 0.6; }},
        {"below h: d!=2, s<-3", 1, true, 2, 0, [](P p) { return p.d != 2 && p.s < -3; },
         [](P p) { return 0.125 * (1 - p.s) + 0.1; }},
        {"below h: d!=2, s>=-3", 1, true, 4, 0, [](P p) { return p.d != 2 && p.s >= -3; },
         [](P) { return 0.55; }},
        // below, vertical
        {"below v: d=2, t<-0.5", 1, false, 1, 1, [](P p) { return p.d == 2 && p.t < -0.5; },
         [](P p) { return -(p.t - 0.1 - p.h); }},
        {"below v: d=2, t>=-0.5", 1, false, 1, 0, [](P p) { return p.d == 2 && p.t >= -0.5; },
         [](P p) { return 0.6 + p.h; }},
        {"below v: d!=2, s<-3", 1, false, 2, 0, [](P p) { return p.d != 2 && p.s < -3; },
         [](P p) { return -(0.125 * p.s - 0.1 - p.h); }},
        {"below v: d!=2, s>=-3", 1, false, 4, 0, [](P p) { return p.d != 2 && p.s >= -3; },
         [](P p) { return 0.6 + p.h; }},
        // close, horizontal
        {"close h: rest", 2, true, 0, 3, [](P p) { return p.rest; }, [](P) { return 0.6; }},
        {"close h: d=1, s<-3", 2, true, 0, 2, [](P p) { return p.d == 1 && p.s < -3; },
         [](P p) { return 0.125 * (1 - p.s) + 0.1; }},
        {"close h: d=1, s>=-3", 2, true, 0, 1, [](P p) { return p.d == 1 && p.s >= -3; },
         [](P) { return 0.6; }},
        {"close h: d=2, s>=4", 2, true, 1, 0, [](P p) { return p.d == 2 && p.s >= 4; },
         [](P p) { return -0.125 * (p.s + 1) - 0.1 - p.h; }},
        {"close h: d=2, s<4", 2, true, 1, 1, [](P p) { return p.d == 2 && p.s < 4; },
         [](P p) { return -0.6 - p.h; }},
        {"close h: d=0, s>3", 2, true, 3, 0, [](P p) { return p.d == 0 && p.s > 3; },
         [](P p) { return -0.125 * (p.s + 1) - 0.1 - p.h; }},
        {"close h: d=0, 0<=s<=3", 2, true, 4, 0,
         [](P p) { return p.d == 0 && p.s >= 0 && p.s <= 3; }, [](P p) { return -0.6 - p.h; }},
        {"close h: d=0, -3<=s<0", 2, true, 5, 0,
         [](P p) { return p.d == 0 && p.s >= -3 && p.s < 0; }, [](P) { return 0.6; }},
        {"close h: d=0, s<-3", 2, true, 6, 0, [](P p) { return p.d == 0 && p.s < -3; },
         [](P p) { return 0.125 * (1 - p.s) + 0.1; }},
        // close, vertical
        {"close v: rest", 2, false, 0, 3, [](P p) { return p.rest; },
         [](P p) { return 0.6 + p.h; }},
        {"close v: d=1, s<-3", 2, false, 0, 2, [](P p) { return p.d == 1 && p.s < -3; },
         [](P p) { return 0.125 * (1 - p.s) - 0.1 + p.h; }},
        {"close v: d=1, s>=-3", 2, false, 0, 1, [](P p) { return p.d == 1 && p.s >= -3; },
         [](P p) { return 0.6 + p.h; }},
        {"close v: d=2, s>3", 2, false, 1, 0, [](P p) { return p.d == 2 && p.s > 3; },
         [](P p) { return -(0.125 * (p.s + 1) + 0.1); }},
        {"close v: d=2, s<=3", 2, false, 1, 1, [](P p) { return p.d == 2 && p.s <= 3; },
         [](P) { return -0.6; }},
        {"close v: d=0, s>=0", 2, false, 4, 0, [](P p) { return p.d == 0 && p.s >= 0; },
         [](P) { return -0.6; }},
        {"close v: d=0, s<0", 2, false, 5, 0, [](P p) { return p.d == 0 && p.s < 0; },
         [](P p) { return 0.6 + p.h; }},
    };
    return rows;
}

Note *voiceNote(const Score &score, int measure, int voice, int index)
{
    return score.measures.at(measure)->parts.at(0)->voices.at(voice)->notes.at(index);
}

Stand standOf(Score &score, int measure, Note *note)
{
    const double size = score.parts.at(0)->noteFontSize;
    const int drawn = note->stemShown != 0 ? note->stemShown : note->stem;
    return {note->rest, drawn, score.getStaffStep(score.measures.at(measure), 0, note),
            note->stemEnd / size, lyricHeight(score)};
}

bool near(double a, double b)
{
    return qAbs(a - b) < 1e-9;
}

} // namespace

class TestLyricMacros : public QObject
{
    Q_OBJECT

private slots:
    void deleteLines_data();
    void deleteLines();
    void deleteKeepsEarlierDeletions();
    void placement_data();
    void placement();
    void placementWalksVoicesThenMeasures();
    void placementTakesTheExactNumber();
    void unknownStemCountsAsNone();
    void placedLinesClearTheNotes_data();
    void placedLinesClearTheNotes();
};

void TestLyricMacros::deleteLines_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("deleted");
    // The fixture's lyrics: fifteen numbered 1, two numbered 2.
    QTest::newRow("every number") << 0 << 0 << 17;
    QTest::newRow("number 2") << 0 << 2 << 2;
    QTest::newRow("a number no lyric carries") << 0 << 7 << 0;
    QTest::newRow("part out of range") << 1 << 0 << 0;
    QTest::newRow("negative part") << -1 << 0 << 0;
}

void TestLyricMacros::deleteLines()
{
    QFETCH(int, part);
    QFETCH(int, number);
    QFETCH(int, deleted);
    auto score = placementScore(true);
    QVERIFY(score);
    const QList<Lyrics *> lyrics = lyricsOfPart(*score, 0);
    QCOMPARE(lyrics.size(), 17);

    TestSupport::MessageCapture capture;
    score->deleteLyrics2(part, number);
    QCOMPARE(capture.count(entered), 0);
    for (const Lyrics *lyric : lyrics) {
        const bool hit = part == 0 && (number == 0 || lyric->number == number);
        QCOMPARE(lyric->deleted, hit);
    }
    if (deleted == 0) {
        QCOMPARE(score->undoStack->count(), 0);
        return;
    }
    QCOMPARE(score->undoStack->count(), 1);
    const QUndoCommand *macro = score->undoStack->command(0);
    QCOMPARE(macro->text(), QStringLiteral("deleteLyrics2"));
    QCOMPARE(macro->childCount(), deleted);
    for (int i = 0; i < macro->childCount(); ++i)
        QVERIFY(macro->child(i)->text().isEmpty());

    score->undoStack->undo();
    for (const Lyrics *lyric : lyrics)
        QVERIFY(!lyric->deleted);
}

void TestLyricMacros::deleteKeepsEarlierDeletions()
{
    auto score = placementScore(true);
    QVERIFY(score);
    const QList<Lyrics *> lyrics = lyricsOfPart(*score, 0);
    score->deleteLyrics2(0, 2);
    score->deleteLyrics2(0, 0);
    QCOMPARE(score->undoStack->command(1)->childCount(), 15);
    score->undoStack->undo();
    // Undoing the second step gives back only what it deleted.
    for (const Lyrics *lyric : lyrics)
        QCOMPARE(lyric->deleted, lyric->number == 2);
}

void TestLyricMacros::placement_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < placementRows().size(); ++i)
        QTest::newRow(placementRows().at(i).name) << i;
}

void TestLyricMacros::placement()
{
    QFETCH(int, row);
    const PlacementRow &r = placementRows().at(row);
    auto score = placementScore(r.horizontal);
    QVERIFY(score);
    QCOMPARE(score->page->horizontal, r.horizontal);
    Note *note = voiceNote(*score, r.measure, 0, r.note);
    const Stand stand = standOf(*score, r.measure, note);
    QVERIFY2(stand.h > 0.1, qPrintable(describe(stand)));
    // The fixture's note must stand in the row's case, or the row proves
    // nothing.
    QVERIFY2(r.when(stand), qPrintable(describe(stand)));

    TestSupport::MessageCapture capture;
    score->moveLyrics2(0, 1, r.position);
    QCOMPARE(capture.count(entered), 0);
    const Lyrics *lyric = note->lyrics.at(0);
    QVERIFY(lyric->moved);
    QVERIFY2(near(lyric->x, (r.horizontal ? -0.2 : -0.3) * stand.h), qPrintable(describe(stand)));
    QVERIFY2(near(lyric->y, r.y(stand)), qPrintable(QStringLiteral("y %1, want %2; %3")
                                                        .arg(lyric->y)
                                                        .arg(r.y(stand))
                                                        .arg(describe(stand))));
}

void TestLyricMacros::placementWalksVoicesThenMeasures()
{
    auto score = placementScore(true);
    QVERIFY(score);
    score->moveLyrics2(0, 1, 1);
    QCOMPARE(score->undoStack->count(), 1);
    const QUndoCommand *macro = score->undoStack->command(0);
    QCOMPARE(macro->text(), QStringLiteral("moveLyrics2"));

    // Voice 1 through every measure, then voice 2.
    QList<const Lyrics *> expected;
    for (int m = 0; m < score->measures.size(); ++m) {
        for (const Note *note : score->measures.at(m)->parts.at(0)->voices.at(0)->notes) {
            for (const Lyrics *lyric : note->lyrics) {
                if (lyric->number == 1)
                    expected << lyric;
            }
        }
    }
    expected << voiceNote(*score, 0, 1, 0)->lyrics.at(0);
    QCOMPARE(expected.size(), 15);
    QCOMPARE(macro->childCount(), expected.size());
    for (int i = 0; i < macro->childCount(); ++i) {
        const auto *move = dynamic_cast<const LyricMove *>(macro->child(i));
        QVERIFY(move);
        QVERIFY(move->text().isEmpty());
        QCOMPARE(move->target, expected.at(i));
    }
    score->undoStack->undo();
    for (const Lyrics *lyric : expected)
        QVERIFY(!lyric->moved);
}

void TestLyricMacros::placementTakesTheExactNumber()
{
    auto score = placementScore(true);
    QVERIFY(score);
    // Number 0 is a number like any other here, not "every line".
    score->moveLyrics2(0, 0, 0);
    score->moveLyrics2(1, 1, 0);
    QCOMPARE(score->undoStack->count(), 0);

    Lyrics *two = voiceNote(*score, 0, 0, 0)->lyrics.at(1);
    QCOMPARE(two->number, 2);
    Lyrics *zero = voiceNote(*score, 0, 0, 1)->lyrics.at(0);
    zero->number = 0;
    score->moveLyrics2(0, 0, 0);
    QCOMPARE(score->undoStack->command(0)->childCount(), 1);
    QVERIFY(zero->moved);
    QVERIFY(!two->moved);
    score->moveLyrics2(0, 2, 0);
    QCOMPARE(score->undoStack->command(1)->childCount(), 2);
    QVERIFY(two->moved);
}

void TestLyricMacros::unknownStemCountsAsNone()
{
    auto score = placementScore(true);
    QVERIFY(score);
    // The whole note B4 on the middle line, drawn without stem: close to
    // it, with no stem, the lyric goes above (an up stem would put it below).
    Note *note = voiceNote(*score, 4, 0, 0);
    note->stem = 3;
    const double h = lyricHeight(*score);
    score->moveLyrics2(0, 1, 2);
    QVERIFY(near(note->lyrics.at(0)->y, -0.6 - h));
}

void TestLyricMacros::placedLinesClearTheNotes_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("above, horizontal") << 0 << true;
    QTest::newRow("below, horizontal") << 1 << true;
    QTest::newRow("close, horizontal") << 2 << true;
    QTest::newRow("above, vertical") << 0 << false;
    QTest::newRow("below, vertical") << 1 << false;
    // The rule puts a lyric close to a note without stem at one place
    // whatever its step; the ink moves it off a high or low head.
    QTest::newRow("close, vertical") << 2 << false;
}

// The picture: wherever a line is placed, no lyric covers a note head, a
// stem or a ledger line. (The row's room is laid out for lyrics at their
// default place; a placed line may reach the row's frame.)
void TestLyricMacros::placedLinesClearTheNotes()
{
    QFETCH(int, position);
    QFETCH(bool, horizontal);
    auto score = placementScore(horizontal);
    QVERIFY(score);
    score->moveLyrics2(0, 1, position);
    score->generateScore();
    QList<TestSupport::PageFinding> findings;
    for (const TestSupport::PageFinding &finding : TestSupport::checkPages(*score).findings) {
        if (finding.subject == TestSupport::PageFinding::Lyric &&
            (finding.object == TestSupport::PageFinding::NoteGlyph ||
             finding.object == TestSupport::PageFinding::NotePart))
            findings << finding;
    }
    QVERIFY2(findings.isEmpty(), qPrintable(TestSupport::describeFindings(findings)));
}

VELMORA_TEST_MAIN(TestLyricMacros)

} // namespace tst_lyric_macros
#include "tst_lyric_macros.moc"
