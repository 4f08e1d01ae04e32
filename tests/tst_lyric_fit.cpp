// Syllables in dense music: a measure gets the room its syllables need
// along the line wherever the line breaking can give it; only a line of a
// fixed number of measures too short for them squeezes them, and then they
// are drawn smaller, stacked on two half lines or, in the last resort, left
// out, never one over another, with the measure named once in the log; so
// are the syllables of a line placed above, below or close to the notes.
#include "drawing/mytextitem.h"
#include "model/itemtags.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/pagecheck.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QGraphicsItem>
#include <QtTest>

#include <memory>

namespace tst_lyric_fit {

using TestSupport::PageFinding;

namespace {

std::unique_ptr<Score> generated(const QString &fixture, int style, bool horizontal,
                                 bool automaticLines)
{
    auto score = std::make_unique<Score>(QStringLiteral("test"), 1, false);
    if (!score->readMusicXmlFile(TestSupport::fixturePath(fixture)) ||
        !score->parseScoreXml(false).has_value())
        return nullptr;
    for (Part *part : std::as_const(score->parts))
        part->changeNotationStyle(style);
    score->page->horizontal = horizontal;
    score->page->setPaperSize();
    score->page->autoNewline = automaticLines;
    score->cleanOutput = true;
    // Only this drawing's log: the measures named in an earlier one, in
    // other settings, are not named again.
    score->logText.clear();
    score->narrowedMeasuresReported.clear();
    score->squeezedLyricsReported.clear();
    score->generateScore();
    return score;
}

struct DrawnLyrics
{
    int drawn = 0;
    int smaller = 0;       // in a font below the part's lyric font
    int smallerRoomy = 0;  // of those, in measures not narrowed below their need
    int left = 0;          // lyrics of the model with no item
    int roomyMeasures = 0; // measures not narrowed below their need
};

DrawnLyrics drawnLyrics(const Score &score)
{
    DrawnLyrics count;
    for (const Measure *m : score.measures) {
        count.roomyMeasures += m->belowMinimum ? 0 : 1;
        for (int p = 0; p < m->parts.size(); ++p) {
            const double full = score.parts.at(p)->lyricsFont.pointSizeF();
            for (const Voice *voice : m->parts.at(p)->voices.madeVoices()) {
                for (const Note *note : voice->notes) {
                    for (const Lyrics *lyric : note->lyrics) {
                        const auto *text = dynamic_cast<const MyTextItem *>(lyric->item);
                        if (!text) {
                            ++count.left;
                            continue;
                        }
                        ++count.drawn;
                        if (text->font.pointSizeF() < full - 1e-6) {
                            ++count.smaller;
                            count.smallerRoomy += m->belowMinimum ? 0 : 1;
                        }
                    }
                }
            }
        }
    }
    return count;
}

// The page check's findings about lyrics: one over another, over a note
// glyph, a bar or frame line, or off the sheet.
QList<PageFinding> lyricFindings(const Score &score)
{
    QList<PageFinding> found;
    for (const PageFinding &f : TestSupport::checkPages(score).findings) {
        if (f.subject == PageFinding::Lyric &&
            (f.kind == PageFinding::TextOverText || f.kind == PageFinding::OutsideSheet ||
             f.kind == PageFinding::TextOverFrame ||
             (f.kind == PageFinding::TextOverNote && f.object == PageFinding::NoteGlyph)))
            found.append(f);
    }
    return found;
}

} // namespace

class TestLyricFit : public QObject
{
    Q_OBJECT

private slots:
    void roomAlongTheLine_data();
    void roomAlongTheLine();
    void badInputIsDrawnOrLoggedNeverOverprinted_data();
    void badInputIsDrawnOrLoggedNeverOverprinted();
    void placedLinesFit_data();
    void placedLinesFit();
};

void TestLyricFit::roomAlongTheLine_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    const QString kana = QStringLiteral("layout/layout-KanaSixteenths.xml");
    const QString romaji = QStringLiteral("layout/layout-RomajiSixteenths.xml");
    QTest::newRow("kana s0 h") << kana << 0 << true;
    QTest::newRow("kana s12 v") << kana << 12 << false;
    QTest::newRow("romaji s0 v") << romaji << 0 << false;
    QTest::newRow("romaji s3 v") << romaji << 3 << false;
}

void TestLyricFit::roomAlongTheLine()
{
    QFETCH(QString, fixture);
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    // Lines broken by the program: every measure that a line can hold gets
    // its syllables' room, and they their full size; only one longer than
    // a whole line is narrowed, and its syllables drawn smaller.
    const auto free = generated(fixture, style, horizontal, true);
    QVERIFY(free);
    const DrawnLyrics full = drawnLyrics(*free);
    QVERIFY(full.drawn > 100);
    QVERIFY(full.roomyMeasures > 0);
    QCOMPARE(full.smallerRoomy, 0);
    QCOMPARE(full.left, 0);
    for (const Measure *m : free->measures) {
        const QString named =
            QStringLiteral("Measure %1 is too short for its syllables").arg(m->indexInScore() + 1);
        QCOMPARE(free->logText.contains(named), m->belowMinimum);
    }
    QVERIFY2(lyricFindings(*free).isEmpty(),
             qPrintable(TestSupport::describeFindings(lyricFindings(*free))));

    // Four measures to a line, far too few for sixteen syllables each:
    // they are drawn smaller (some stacked), a few left out only where
    // even that fails (upright romaji in a column), none over another, and
    // the log says so.
    const auto fixed = generated(fixture, style, horizontal, false);
    QVERIFY(fixed);
    const DrawnLyrics squeezed = drawnLyrics(*fixed);
    QCOMPARE(squeezed.drawn + squeezed.left, full.drawn);
    QVERIFY(squeezed.left <= squeezed.drawn / 10);
    QCOMPARE(squeezed.left > 0, fixed->logText.contains(QStringLiteral("left out")));
    QVERIFY(squeezed.smaller > squeezed.drawn / 2);
    QVERIFY(fixed->logText.contains(QStringLiteral("too short for its syllables")));
    QVERIFY2(lyricFindings(*fixed).isEmpty(),
             qPrintable(TestSupport::describeFindings(lyricFindings(*fixed))));
}

void TestLyricFit::badInputIsDrawnOrLoggedNeverOverprinted_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("leavesOut");
    const QString sixtyFour = QStringLiteral("lyrics/lyrics-SixtyFourTenLetterSyllables.xml");
    const QString twenty = QStringLiteral("lyrics/lyrics-TwentyVersesOnOneNote.xml");
    for (int style : {0, 12}) {
        for (bool horizontal : {true, false}) {
            const char *direction = horizontal ? "h" : "v";
            QTest::addRow("64 ten-letter syllables s%d %s", style, direction)
                << sixtyFour << style << horizontal << true;
            QTest::addRow("20 verses on one sixteenth s%d %s", style, direction)
                << twenty << style << horizontal << false;
        }
    }
}

void TestLyricFit::badInputIsDrawnOrLoggedNeverOverprinted()
{
    QFETCH(QString, fixture);
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    QFETCH(bool, leavesOut);
    for (bool automaticLines : {false, true}) {
        const auto score = generated(fixture, style, horizontal, automaticLines);
        QVERIFY(score);
        const DrawnLyrics lyrics = drawnLyrics(*score);
        QVERIFY(lyrics.drawn > 0);
        QVERIFY2(lyricFindings(*score).isEmpty(),
                 qPrintable(TestSupport::describeFindings(lyricFindings(*score))));
        const QString log = score->logText;
        if (leavesOut) {
            // Measure 1 cannot hold them: one line names it, with the
            // count of those left out.
            QVERIFY(lyrics.left > 0);
            const QRegularExpression named(QStringLiteral(
                "Measure 1 is too short for its syllables even when they are drawn small on "
                "two lines: \\d+ of them left out."));
            QCOMPARE(log.count(named), 1);
        } else {
            QCOMPARE(lyrics.left, 0);
        }
        // Drawn again, the score names no measure twice.
        score->generateScore();
        QCOMPARE(score->logText, log);
    }
}

void TestLyricFit::placedLinesFit_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("position"); // 0 above, 1 below, 2 close to the notes
    QTest::addColumn<bool>("automaticLines");
    const QString kana = QStringLiteral("layout/layout-KanaSixteenths.xml");
    const QString romaji = QStringLiteral("layout/layout-RomajiSixteenths.xml");
    const char *placements[] = {"above", "below", "close"};
    const auto add = [&](int style, bool horizontal, int position, bool automaticLines) {
        const char *direction = horizontal ? "h" : "v";
        const char *lines = automaticLines ? "automatic" : "four";
        QTest::addRow("kana s%d %s %s %s", style, direction, placements[position], lines)
            << kana << style << horizontal << position << automaticLines;
        QTest::addRow("romaji s%d %s %s %s", style, direction, placements[position], lines)
            << romaji << style << horizontal << position << automaticLines;
    };
    for (bool horizontal : {true, false}) {
        // Staff notes, the tool's own, with stems, flags and beams; a koto
        // and a sangen style.
        for (int style : {NotationStyle::StaffNotation, NotationStyle::KotoIkuta,
                          NotationStyle::SangenYamada}) {
            for (int position = 0; position < 3; ++position)
                add(style, horizontal, position, false);
        }
        // Kinko notes with their octave marks beside them.
        for (int position = 0; position < 2; ++position)
            add(NotationStyle::KinkoSimple, horizontal, position, false);
        // Placed lines take no room across the line, so a line placed
        // close to the notes in vertical writing may reach the next part's
        // lyrics in a roomy line: that is not the fit along the line.
        for (int position = 0; position < (horizontal ? 3 : 2); ++position)
            add(NotationStyle::StaffNotation, horizontal, position, true);
    }
}

void TestLyricFit::placedLinesFit()
{
    QFETCH(QString, fixture);
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    QFETCH(int, position);
    QFETCH(bool, automaticLines);
    // The syllables of a line placed with the lyric tool fit as those of
    // the verse's own line do: in four measures to a line they are drawn
    // smaller, stacked inside the box they were placed clear of the notes
    // with, left out only in the last resort, and the log says so; where
    // the lines give the measures their room they keep their full size.
    const auto score = generated(fixture, style, horizontal, automaticLines);
    QVERIFY(score);
    for (int part = 0; part < score->parts.size(); ++part)
        score->moveLyrics2(part, 1, position);
    score->logText.clear();
    score->squeezedLyricsReported.clear();
    score->generateScore();

    const DrawnLyrics lyrics = drawnLyrics(*score);
    QVERIFY(lyrics.drawn > 100);
    if (automaticLines) {
        QCOMPARE(lyrics.smallerRoomy, 0);
        QCOMPARE(lyrics.left, 0);
    } else {
        QVERIFY(lyrics.smaller > lyrics.drawn / 2);
        // Syllables placed at steps across the line share less room than
        // those of one line: a few more are left out.
        QVERIFY(lyrics.left <= lyrics.drawn / 8);
        QVERIFY(score->logText.contains(QStringLiteral("too short for its syllables")));
        QCOMPARE(lyrics.left > 0, score->logText.contains(QStringLiteral("left out")));
    }
    // No syllable over another, nor over a note, its stem, flag or beam,
    // or an octave mark beside it.
    QList<PageFinding> found;
    for (const PageFinding &f : TestSupport::checkPages(*score).findings) {
        if (f.subject == PageFinding::Lyric &&
            (f.kind == PageFinding::TextOverText || f.kind == PageFinding::TextOverNote))
            found.append(f);
    }
    QVERIFY2(found.isEmpty(), qPrintable(TestSupport::describeFindings(found, 5)));
}

VELMORA_TEST_MAIN(TestLyricFit)

} // namespace tst_lyric_fit
#include "tst_lyric_fit.moc"
