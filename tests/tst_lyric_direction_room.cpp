// Directions on the lyrics' side of a row (dynamics, hairpins, an 8vb line,
// a word asked below) keep their own strip between the notes and the
// lyrics: every syllable stands past them, in every kind of notation and
// both writing directions.
#include "model/direction.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/pagecheck.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"

#include <QGraphicsItem>
#include <QtTest>

namespace tst_lyric_direction_room {

using TestSupport::PageFinding;

namespace {

// Boxes that merely touch are not ink on ink (mm).
constexpr double touchMm = 0.4;

struct Drawn
{
    int stage = 0;
    QRectF box; // mm
    QString what;
};

QRectF boxMm(const Score &score, const QGraphicsItem *item)
{
    const QRectF r = item->sceneBoundingRect();
    const double s = score.page->scaleFactor;
    return QRectF(r.x() / s, r.y() / s, r.width() / s, r.height() / s);
}

// The lyric items and the items of the directions drawn on the lyrics'
// side (below the notes, left of them in vertical writing), by stage.
void collect(const Score &score, QList<Drawn> &lyrics, QList<Drawn> &directions)
{
    for (const Measure *m : score.displayedMeasures) {
        for (const Voice *voice : m->parts.first()->voices) {
            for (const Note *note : voice->notes) {
                for (const Lyrics *lyric : note->lyrics) {
                    if (lyric->item && lyric->item->isVisible())
                        lyrics.append({m->lineIndex, boxMm(score, lyric->item), lyric->text});
                }
            }
            for (const Direction *d : voice->shownDirections()) {
                if (d->item && d->item->isVisible() && d->y > 0.0)
                    directions.append({m->lineIndex, boxMm(score, d->item),
                                       QStringLiteral("kind %1 '%2'").arg(d->kind).arg(d->text)});
            }
        }
    }
}

} // namespace

class TestLyricDirectionRoom : public QObject
{
    Q_OBJECT

private slots:
    void lyricsStandPastTheirDirections_data();
    void lyricsStandPastTheirDirections();
};

void TestLyricDirectionRoom::lyricsStandPastTheirDirections_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    // KinkoSimple, TozanTrad, ShamisenBunka (strings across the row) and
    // staff notation.
    for (int style : {0, 3, 9, 12}) {
        for (bool horizontal : {true, false})
            QTest::addRow("s%d %s", style, horizontal ? "h" : "v") << style << horizontal;
    }
}

void TestLyricDirectionRoom::lyricsStandPastTheirDirections()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    const std::unique_ptr<Score> score = TestSupport::generatedScore(
        TestSupport::fixturePath(QStringLiteral("layout/layout-DirectionsBesideLyrics.xml")), style,
        horizontal);
    QVERIFY(score);
    QList<Drawn> lyrics;
    QList<Drawn> directions;
    collect(*score, lyrics, directions);
    QCOMPARE(lyrics.size(), 8);
    // ff, the hairpin, sfz, the 8vb line, "dolce" and pp.
    QCOMPARE(directions.size(), 6);
    // Across the reading direction, every syllable of a stage starts past
    // the far edge of every direction on its side: down the page in
    // horizontal writing, leftwards in vertical writing.
    for (const Drawn &lyric : std::as_const(lyrics)) {
        for (const Drawn &direction : std::as_const(directions)) {
            if (direction.stage != lyric.stage)
                continue;
            const double past = horizontal ? lyric.box.top() - direction.box.bottom()
                                           : direction.box.left() - lyric.box.right();
            QVERIFY2(past > -touchMm, qPrintable(QStringLiteral("'%1' reaches %2 mm into %3")
                                                     .arg(lyric.what)
                                                     .arg(-past)
                                                     .arg(direction.what)));
        }
    }
    // And the page as a whole: no lyric over anything, none off its row.
    for (const PageFinding &f : TestSupport::checkPages(*score).findings)
        QVERIFY2(f.subject != PageFinding::Lyric && f.object != PageFinding::Lyric,
                 qPrintable(f.toString()));
}

VELMORA_TEST_MAIN(TestLyricDirectionRoom)

} // namespace tst_lyric_direction_room
#include "tst_lyric_direction_room.moc"
