// Direction texts at their default place keep clear of the notes, of the
// frame lines and of each other, on real generated pages; a direction the
// user moved stays exactly where its offset puts it.
#include "model/direction.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/page.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/pagecheck.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"

#include <QGraphicsItem>
#include <QtTest>

using TestSupport::PageFinding;

namespace {

QString crowded()
{
    return TestSupport::fixturePath(QStringLiteral("layout/layout-CrowdedDirections.xml"));
}

// The findings about direction items, as subject or object.
QList<PageFinding> directionFindings(const Score &score)
{
    QList<PageFinding> found;
    for (const PageFinding &f : TestSupport::checkPages(score).findings) {
        if (f.subject == PageFinding::Direction || f.object == PageFinding::Direction)
            found.append(f);
    }
    return found;
}

Direction *firstDynamic(const Score &score)
{
    const Voice *voice = score.measures.first()->parts.first()->voices.first();
    for (Direction *d : voice->shownDirections()) {
        if (d->kind == DirectionKind::Dynamics)
            return d;
    }
    return nullptr;
}

} // namespace

class TestDirectionRoom : public QObject
{
    Q_OBJECT

private slots:
    void textsStandClear_data();
    void textsStandClear();
    void movedDirectionIsNotSettled_data();
    void movedDirectionIsNotSettled();
};

void TestDirectionRoom::textsStandClear_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    // KinkoSimple, TozanTrad, KotoIkuta, SangenIkuta, ShamisenBunka and
    // staff notation: narrow and wide glyphs, strings across the row.
    for (int style : {0, 3, 5, 7, 9, 12}) {
        for (bool horizontal : {true, false})
            QTest::addRow("s%d %s", style, horizontal ? "h" : "v") << style << horizontal;
    }
}

void TestDirectionRoom::textsStandClear()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    const std::unique_ptr<Score> score = TestSupport::generatedScore(crowded(), style, horizontal);
    QVERIFY(score);
    const QList<PageFinding> found = directionFindings(*score);
    QVERIFY2(found.isEmpty(), qPrintable(TestSupport::describeFindings(found)));
    // The eight dynamics of measure 1 are all drawn, none on top of another.
    const Voice *voice = score->measures.first()->parts.first()->voices.first();
    int dynamics = 0;
    for (const Direction *d : voice->shownDirections()) {
        if (d->kind == DirectionKind::Dynamics && d->item && d->item->isVisible())
            ++dynamics;
    }
    QCOMPARE(dynamics, 8);
}

void TestDirectionRoom::movedDirectionIsNotSettled_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("h") << true;
    QTest::newRow("v") << false;
}

void TestDirectionRoom::movedDirectionIsNotSettled()
{
    QFETCH(bool, horizontal);
    Score score(QStringLiteral("test"), 1, false);
    QVERIFY(TestSupport::loadScoreFile(score, crowded()));
    // A dynamic the user put right on its note, where settling would move
    // a default-placed one away.
    Direction *dynamic = firstDynamic(score);
    QVERIFY(dynamic);
    dynamic->moved = true;
    dynamic->x = 0.0;
    dynamic->y = 0.0;
    TestSupport::generateInStyle(score, 0, horizontal);
    QVERIFY(dynamic->item);
    const Voice *voice = score.measures.first()->parts.first()->voices.first();
    const int index = int(voice->shownDirections().indexOf(dynamic));
    const QPointF anchor = score.directionAnchor(0, 0, 0, index, dynamic);
    QCOMPARE(dynamic->item->pos(), anchor * score.page->scaleFactor);
}

VELMORA_TEST_MAIN(TestDirectionRoom)
#include "tst_direction_room.moc"
