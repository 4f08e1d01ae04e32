// The beam lines of the traditional notations on the generated scene: in
// Bunka notation every number timed by strokes has a line right beside it
// with no string between, whichever string it stands on; TozanTrad lines
// stand beside the group's own glyphs, not beyond a chord elsewhere in the
// measure. Both writing directions.
#include "layout/alignitem.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QGraphicsLineItem>
#include <QtTest>

#include <memory>

namespace tst_traditional_beams {

namespace {

QString beamFixture(const char *name)
{
    return TestSupport::fixturePath(QStringLiteral("beams/") + QLatin1String(name));
}

// A straight line along the reading direction: its position across it and
// its extent along it (scene units).
struct AlongLine
{
    double across;
    double from;
    double to;
    bool flatCap; // beam lines; strings keep the default cap
};

QList<AlongLine> alongLines(const Score &score)
{
    const bool horizontal = score.page->horizontal;
    QList<AlongLine> lines;
    for (QGraphicsItem *item : score.scene->items()) {
        const auto *line = dynamic_cast<QGraphicsLineItem *>(item);
        if (!line || line->zValue() != 0.0 || line->pen().style() == Qt::NoPen)
            continue;
        const QLineF l = line->line().translated(line->pos());
        const bool along = horizontal ? qFuzzyCompare(l.y1(), l.y2()) && l.x1() != l.x2()
                                      : qFuzzyCompare(l.x1(), l.x2()) && l.y1() != l.y2();
        if (!along)
            continue;
        const double a1 = horizontal ? l.x1() : l.y1();
        const double a2 = horizontal ? l.x2() : l.y2();
        lines.append({horizontal ? l.y1() : l.x1(), std::min(a1, a2), std::max(a1, a2),
                      line->pen().capStyle() == Qt::FlatCap});
    }
    return lines;
}

QRectF glyphBox(const Measure *m, const Note *note)
{
    const QList<AlignItem *> &items = m->parts.at(0)->voices.at(0)->alignItems;
    const AlignItem *item = items.value(note->noteAlignItem);
    return item && item->graphicsItem ? item->graphicsItem->sceneBoundingRect() : QRectF();
}

void addDirectionRows()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

} // namespace

class TestTraditionalBeams : public QObject
{
    Q_OBJECT

private slots:
    void bunkaNumbersTimedOnTheirString_data() { addDirectionRows(); }
    void bunkaNumbersTimedOnTheirString();
    void tozanBeamBesideItsGroup_data() { addDirectionRows(); }
    void tozanBeamBesideItsGroup();
};

void TestTraditionalBeams::bunkaNumbersTimedOnTheirString()
{
    QFETCH(bool, horizontal);
    const auto score = TestSupport::generatedScore(beamFixture("beams-BunkaStrings.xml"),
                                                   NotationStyle::ShamisenBunka, horizontal);
    QVERIFY(score);
    const double size = score->parts.at(0)->noteFontSize * score->page->scaleFactor;
    const QList<AlongLine> lines = alongLines(*score);
    QStringList strings;
    int timed = 0;
    for (const Measure *m : score->measures) {
        for (const Note *note : m->parts.at(0)->voices.at(0)->notes) {
            const QRectF box = glyphBox(m, note);
            QVERIFY(!box.isNull());
            strings << note->noteName.left(1);
            const double centreAlong = horizontal ? box.center().x() : box.center().y();
            const double near = horizontal ? box.top() : box.left();
            const double far = horizontal ? box.bottom() : box.right();
            const double centre = (near + far) / 2;
            // The nearest beam line across, among those that run past the
            // number, and whether a string lies between.
            const AlongLine *nearest = nullptr;
            for (const AlongLine &line : lines) {
                if (!line.flatCap || line.from > centreAlong || line.to < centreAlong)
                    continue;
                if (!nearest || qAbs(line.across - centre) < qAbs(nearest->across - centre))
                    nearest = &line;
            }
            const bool eighth = note->noteType == 8;
            const QString what = QStringLiteral("measure %1 %2%3 (%4)")
                                     .arg(m->indexInScore() + 1)
                                     .arg(note->step)
                                     .arg(note->octave)
                                     .arg(note->noteName);
            if (!eighth) {
                QVERIFY2(!nearest || qAbs(nearest->across - centre) > size,
                         qPrintable(what + QStringLiteral(": a beam line beside a quarter")));
                continue;
            }
            ++timed;
            QVERIFY2(nearest, qPrintable(what + QStringLiteral(": no beam line")));
            QVERIFY2(qAbs(nearest->across - centre) < size,
                     qPrintable(what + QStringLiteral(": the beam line is far from the number")));
            for (const AlongLine &line : lines) {
                if (line.flatCap || line.from > centreAlong || line.to < centreAlong)
                    continue;
                const double low = std::min(centre, nearest->across);
                const double high = std::max(centre, nearest->across);
                QVERIFY2(line.across <= low + 1 || line.across >= high - 1,
                         qPrintable(what + QStringLiteral(": a string between number and line")));
            }
        }
    }
    QCOMPARE(timed, 6);
    // The fixture reaches every string.
    strings.removeDuplicates();
    strings.sort();
    QCOMPARE(strings, (QStringList{"1", "2", "3"}));
}

void TestTraditionalBeams::tozanBeamBesideItsGroup()
{
    QFETCH(bool, horizontal);
    const auto score = TestSupport::generatedScore(beamFixture("beams-TozanBesideChord.xml"),
                                                   NotationStyle::TozanTrad, horizontal);
    QVERIFY(score);
    const double size = score->parts.at(0)->noteFontSize * score->page->scaleFactor;
    const Measure *m = score->measures.first();
    const QList<Note *> &notes = m->parts.at(0)->voices.at(0)->notes;
    QCOMPARE(notes.size(), 4);
    const QRectF first = glyphBox(m, notes.at(2));
    const QRectF last = glyphBox(m, notes.at(3));
    QVERIFY(!first.isNull() && !last.isNull());
    const double from = horizontal ? first.center().x() : first.center().y();
    const double to = horizontal ? last.center().x() : last.center().y();

    int beams = 0;
    for (const AlongLine &line : alongLines(*score)) {
        if (!line.flatCap || line.from > from || line.to < to)
            continue;
        ++beams;
        // The gap between the group's glyphs and their line, across.
        const QRectF group = first.united(last);
        const double gap =
            horizontal ? qMin(qAbs(line.across - group.bottom()), qAbs(line.across - group.top()))
                       : qMin(qAbs(line.across - group.left()), qAbs(line.across - group.right()));
        QVERIFY2(gap < 0.4 * size,
                 qPrintable(
                     QStringLiteral("%1 mm from the eighths").arg(gap / score->page->scaleFactor)));
    }
    QCOMPARE(beams, 1);
}

VELMORA_TEST_MAIN(TestTraditionalBeams)

} // namespace tst_traditional_beams
#include "tst_traditional_beams.moc"
