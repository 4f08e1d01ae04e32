// Line and page layout on hand-built measures: fixed, automatic and equal
// breaking and placement, user breaks (fitted and not), page ends and white
// pages, horizontal and vertical writing, parts hidden on resting stages,
// the part-name room, and finite results where a division could fail.
//
// Every measure gets its natural width from one time-aligned item of the
// width the test names, less the tail room of 0.1 x note size (0.5 mm)
// that the alignment adds back; every other pad is 0.
#include "layout/aligner.h"
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

#include <cmath>

namespace tst_line_layout {

namespace {

constexpr double tailRoom = 0.5;   // 0.1 x note size 5; every other pad is 0
constexpr double rowExtent = 15.0; // note size 5 x part width 1 x 1 staff x line width 3

enum class Mode
{
    Fixed,
    Auto,
    Equal,
};

struct Fixture
{
    // A sheet of `width` x `height` mm without margins or title area, so
    // that the stage area is the whole sheet.
    explicit Fixture(int partCount = 1, bool horizontal = true, double width = 200.0,
                     double height = 300.0)
        : builder(&score)
    {
        Page *page = score.page;
        page->paperSize = PaperCustom;
        page->paperCustomX = width;
        page->paperCustomY = height;
        page->landscape = false;
        page->horizontal = horizontal;
        page->marginTop = page->marginLeft = page->marginBottom = page->marginRight = 0.0;
        page->titleFirstPageTop = false;
        page->insertCoverPage = false;
        page->measureScale = 1.0;
        page->measureTimeProportional = false;
        page->lastLineFit = false;
        page->pageFit = false;
        page->drawStageLine = true;
        page->lineWidthPad = 0.0;
        page->lineWidthScale = 3.0;
        setMode(Mode::Fixed);
        score.style->measureLeadingPad = 0.0;
        score.style->measureTailingPad = 0.0;
        for (int p = 0; p < partCount; ++p)
            builder.addPart(QStringLiteral("Part%1").arg(p));
    }

    void setMode(Mode mode)
    {
        score.page->autoNewline = mode == Mode::Auto;
        score.page->measureEqualLength = mode == Mode::Equal;
    }

    // A measure of natural width `width` mm in which every part plays
    // `notes` (the first part's notes decide its duration).
    Measure *addMeasure(double width, const QString &notes = QStringLiteral("C4/1"),
                        int divisions = 4, int beats = 4)
    {
        Measure *measure = builder.addMeasure(beats, 4, divisions);
        for (int p = 0; p < score.parts.size(); ++p)
            builder.addNotes(p, 1, notes);
        auto *item = new AlignItem;
        item->kind = AlignTime;
        item->time = 0;
        item->width = width - tailRoom;
        measure->parts.first()->voices.use(0)->alignItems.append(item);
        return measure;
    }

    void addMeasures(int count, double width)
    {
        for (int i = 0; i < count; ++i)
            addMeasure(width);
    }

    Measure *at(int number) const { return score.measures.at(number - 1); }

    void layout()
    {
        score.setMultiMeasureRests(false);
        score.buildDisplayedMeasures();
        QCOMPARE(score.page->horizontal ? score.layoutHorizontalScore()
                                        : score.layoutVerticalScore(),
                 1);
    }

    QList<int> stageSizes() const
    {
        QList<int> sizes;
        for (const Measure *measure : score.displayedMeasures) {
            while (sizes.size() <= measure->lineIndex)
                sizes.append(0);
            ++sizes[measure->lineIndex];
        }
        return sizes;
    }

    // Fitted lengths along the reading direction, in measure order.
    QList<double> lengths() const
    {
        QList<double> result;
        for (const Measure *measure : score.displayedMeasures)
            result << (score.page->horizontal ? measure->width : measure->height);
        return result;
    }

    Score score{QStringLiteral("5.3.1"), 0, false};
    TestSupport::ModelBuilder builder;
};

bool fuzzyEqual(const QList<double> &actual, const QList<double> &expected)
{
    if (actual.size() != expected.size())
        return false;
    for (int i = 0; i < actual.size(); ++i) {
        if (std::abs(actual.at(i) - expected.at(i)) > 1e-9)
            return false;
    }
    return true;
}

QString text(const QList<double> &values)
{
    QStringList parts;
    for (double value : values)
        parts << QString::number(value);
    return parts.join(QLatin1Char(' '));
}

#define COMPARE_LENGTHS(actual, expected)                                                          \
    QVERIFY2(fuzzyEqual(actual, expected),                                                         \
             qPrintable(QStringLiteral("got %1, want %2").arg(text(actual), text(expected))))

void verifyFinite(const Score &score)
{
    for (const Measure *m : score.displayedMeasures) {
        QVERIFY(std::isfinite(m->originX) && std::isfinite(m->originY));
        QVERIFY(std::isfinite(m->width) && std::isfinite(m->height));
        QVERIFY(std::isfinite(m->aligner->scaleRatio()));
        for (const MePart *cell : m->parts)
            QVERIFY(std::isfinite(cell->partOffset) && std::isfinite(cell->partExtent));
    }
    for (double extent : score.lines)
        QVERIFY(std::isfinite(extent));
}

} // namespace

class TestLineLayout : public QObject
{
    Q_OBJECT

private slots:
    void fixedBreaking_data();
    void fixedBreaking();
    void notFittedBreaks_data();
    void notFittedBreaks();
    void automaticBreakingSqueezesAndStretches_data();
    void automaticBreakingSqueezesAndStretches();
    void timeProportionalLengths();
    void pageEnds_data();
    void pageEnds();
    void stagesAndRowsAcrossThePage_data();
    void stagesAndRowsAcrossThePage();
    void restingPartHiddenOnItsStage();
    void partNameRoomCountedOnce_data();
    void partNameRoomCountedOnce();
    void finiteResults_data();
    void finiteResults();
    void unfittedLastPageStaysOnTheSheet_data();
    void unfittedLastPageStaysOnTheSheet();
};

void TestLineLayout::fixedBreaking_data()
{
    QTest::addColumn<int>("perLine");
    QTest::addColumn<int>("measureCount");
    QTest::addColumn<QList<int>>("lineBreaks"); // measure numbers with a line break
    QTest::addColumn<QList<int>>("stages");

    QTest::newRow("4 per line over 12") << 4 << 12 << QList<int>{} << QList<int>{4, 4, 4};
    QTest::newRow("line break on the 2nd") << 4 << 12 << QList<int>{2} << QList<int>{2, 4, 4, 2};
    QTest::newRow("1 per line") << 1 << 3 << QList<int>{} << QList<int>{1, 1, 1};
    QTest::newRow("0 per line: user breaks only")
        << 0 << 12 << QList<int>{3, 7} << QList<int>{3, 4, 5};
    QTest::newRow("0 per line, no break") << 0 << 5 << QList<int>{} << QList<int>{5};
    QTest::newRow("break on the first measure ignored")
        << 4 << 6 << QList<int>{1} << QList<int>{4, 2};
}

void TestLineLayout::fixedBreaking()
{
    QFETCH(int, perLine);
    QFETCH(int, measureCount);
    QFETCH(QList<int>, lineBreaks);
    QFETCH(QList<int>, stages);

    Fixture f;
    f.score.page->measurePerLine = perLine;
    f.addMeasures(measureCount, 20.0);
    for (int number : lineBreaks)
        f.at(number)->userBreakType = 1;
    f.layout();

    QCOMPARE(f.stageSizes(), stages);
    QCOMPARE(f.score.lines, QList<double>(stages.size(), rowExtent));
    int number = 0;
    for (int s = 0; s < stages.size(); ++s) {
        number += stages.at(s);
        QVERIFY(f.at(number)->stageEnd);
        QVERIFY(f.at(number - stages.at(s) + 1)->lineStart);
    }
    int ends = 0;
    for (const Measure *measure : f.score.measures)
        ends += measure->stageEnd ? 1 : 0;
    QCOMPARE(ends, stages.size());
}

void TestLineLayout::notFittedBreaks_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("breakType");
    QTest::addColumn<double>("width");
    QTest::addColumn<QList<double>>("firstStage");

    QTest::newRow("auto: natural length") << int(Mode::Auto) << 4 << 40.0 << QList<double>{40, 40};
    QTest::newRow("auto: a fitted break fills the stage")
        << int(Mode::Auto) << 1 << 40.0 << QList<double>{100, 100};
    QTest::newRow("fixed: natural length")
        << int(Mode::Fixed) << 4 << 40.0 << QList<double>{40, 40};
    QTest::newRow("fixed: narrowed when too long")
        << int(Mode::Fixed) << 4 << 150.0 << QList<double>{100, 100};
    QTest::newRow("fixed: a fitted break fills the stage")
        << int(Mode::Fixed) << 1 << 40.0 << QList<double>{100, 100};
    QTest::newRow("equal: the unit of a full stage")
        << int(Mode::Equal) << 4 << 40.0 << QList<double>{50, 50};
    QTest::newRow("equal: a fitted break fills the stage")
        << int(Mode::Equal) << 1 << 40.0 << QList<double>{100, 100};
}

void TestLineLayout::notFittedBreaks()
{
    QFETCH(int, mode);
    QFETCH(int, breakType);
    QFETCH(double, width);
    QFETCH(QList<double>, firstStage);

    Fixture f;
    f.setMode(Mode(mode));
    f.addMeasures(4, width);
    f.at(2)->userBreakType = breakType;
    f.layout();

    QCOMPARE(f.stageSizes().first(), 2);
    COMPARE_LENGTHS(f.lengths().mid(0, 2), firstStage);
    QCOMPARE(f.at(1)->originX, 0.0);
    QCOMPARE(f.at(2)->originX, firstStage.at(0));
}

void TestLineLayout::automaticBreakingSqueezesAndStretches_data()
{
    QTest::addColumn<bool>("lastLineFit");
    QTest::addColumn<double>("lastLength");
    QTest::newRow("last line at natural length") << false << 60.0;
    QTest::newRow("last line fitted") << true << 200.0;
}

void TestLineLayout::automaticBreakingSqueezesAndStretches()
{
    QFETCH(bool, lastLineFit);
    QFETCH(double, lastLength);

    Fixture f;
    f.setMode(Mode::Auto);
    f.score.page->lastLineFit = lastLineFit;
    for (double width : {60.0, 60.0, 60.0, 250.0, 60.0})
        f.addMeasure(width);
    f.layout();

    QCOMPARE(f.stageSizes(), QList<int>({3, 1, 1}));
    const double stretched = 200.0 / 3;
    COMPARE_LENGTHS(f.lengths(), QList<double>({stretched, stretched, stretched, 200, lastLength}));
    // The over-long measure stands alone and is narrowed to its stage.
    QVERIFY(f.at(4)->aligner->scaleRatio() < 1.0);
    QCOMPARE(f.at(4)->originX, 0.0);
    QCOMPARE(f.at(4)->originY, rowExtent);
}

void TestLineLayout::timeProportionalLengths()
{
    Fixture f(1, true, 1000.0);
    f.setMode(Mode::Auto);
    f.score.page->measureTimeProportional = true;
    f.score.page->measureScale = 1.2;
    f.score.style->measureLeadingPad = 1.0; // head 5 mm, counted 0.8
    // 8 mm per quarter note by each measure's own divisions; a measure
    // without divisions has no time part and must not break the others.
    f.addMeasure(30.0, QStringLiteral("C4/1"), 0);
    f.addMeasure(30.0, QStringLiteral("C4/1"), 4);
    f.addMeasure(30.0, QStringLiteral("C4/2"), 4, 2);
    f.addMeasure(30.0, QStringLiteral("C4/1"), 8);
    f.addMeasure(30.0, QStringLiteral("C4/1"), 4)->userScale = 2.0;
    f.layout();

    const double whole = 4 * 8.0 * 1.2;
    // Never shorter than the 5 mm head and the 30 mm glyph need: the
    // measure without a time part and the half note's measure take that.
    COMPARE_LENGTHS(f.lengths(), QList<double>({35, 4 + whole, 35, 4 + whole, 4 + 2 * whole}));
    verifyFinite(f.score);
}

void TestLineLayout::pageEnds_data()
{
    QTest::addColumn<double>("sheetHeight");
    QTest::addColumn<int>("breakType");    // on measure 2
    QTest::addColumn<QList<int>>("pages"); // page of each measure
    QTest::addColumn<int>("pageCount");

    QTest::newRow("stages that do not fit") << 40.0 << 0 << QList<int>{0, 0, 0, 0, 1, 1, 1, 1} << 2;
    QTest::newRow("page break") << 300.0 << 2 << QList<int>{0, 0, 1, 1, 1, 1, 1, 1} << 2;
    QTest::newRow("white-page break") << 300.0 << 3 << QList<int>{0, 0, 2, 2, 2, 2, 2, 2} << 3;
    QTest::newRow("line break only") << 300.0 << 1 << QList<int>{0, 0, 0, 0, 0, 0, 0, 0} << 1;
}

void TestLineLayout::pageEnds()
{
    QFETCH(double, sheetHeight);
    QFETCH(int, breakType);
    QFETCH(QList<int>, pages);
    QFETCH(int, pageCount);

    Fixture f(1, true, 200.0, sheetHeight);
    f.score.page->measurePerLine = 2;
    f.addMeasures(8, 50.0);
    f.at(2)->userBreakType = breakType;
    f.layout();

    QList<int> actual;
    for (const Measure *measure : f.score.measures)
        actual << int(std::floor(measure->originX / 200.0));
    QCOMPARE(actual, pages);
    QCOMPARE(f.score.page->pageCount, pageCount);
    QCOMPARE(f.score.page->pageNumber,
             f.score.page->startPageNumber + pages.last() - (breakType == 3 ? 1 : 0));
    // Each page starts its stages at the top of its stage area.
    for (int i = 1; i < pages.size(); ++i) {
        if (pages.at(i) != pages.at(i - 1)) {
            QVERIFY(f.score.measures.at(i - 1)->pageEnd);
            QCOMPARE(f.score.measures.at(i)->originY, 0.0);
            QVERIFY(f.score.measures.at(i)->pageStart);
        }
    }
}

void TestLineLayout::stagesAndRowsAcrossThePage_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

void TestLineLayout::stagesAndRowsAcrossThePage()
{
    QFETCH(bool, horizontal);

    Fixture f(2, horizontal);
    f.score.page->measurePerLine = 2;
    f.addMeasures(4, 50.0);
    f.layout();

    QCOMPARE(f.stageSizes(), QList<int>({2, 2}));
    QCOMPARE(f.score.lines, QList<double>({30.0, 30.0}));
    const double length = horizontal ? 100.0 : 150.0; // the stage length shared by two
    COMPARE_LENGTHS(f.lengths(), QList<double>({length, length, 50, 50}));
    const Measure *first = f.at(1);
    const Measure *second = f.at(2);
    const Measure *nextStage = f.at(3);
    if (horizontal) {
        // Measures run right, stages down, the first part at the top.
        QCOMPARE(second->originX, length);
        QCOMPARE(first->originY, 0.0);
        QCOMPARE(nextStage->originY, 30.0);
        QCOMPARE(first->height, 30.0);
        QCOMPARE(first->parts.at(0)->partOffset, 0.0);
        QCOMPARE(first->parts.at(1)->partOffset, rowExtent);
    } else {
        // Measures run down, stages right to left, the first part at the right.
        QCOMPARE(first->originY, 0.0);
        QCOMPARE(second->originY, length);
        QCOMPARE(first->originX, 200.0 - 30.0);
        QCOMPARE(nextStage->originX, 200.0 - 60.0);
        QCOMPARE(first->width, 30.0);
        QCOMPARE(first->parts.at(0)->partOffset, -rowExtent);
        QCOMPARE(first->parts.at(1)->partOffset, -2 * rowExtent);
    }
    QCOMPARE(first->parts.at(1)->partExtent, rowExtent);
}

void TestLineLayout::restingPartHiddenOnItsStage()
{
    Fixture f(2);
    f.score.parts.at(1)->partWholeRestLine = false;
    f.score.page->measurePerLine = 2;
    for (int m = 1; m <= 4; ++m) {
        Measure *measure = f.addMeasure(50.0);
        // Part 1 rests throughout the first stage only.
        if (m <= 2) {
            qDeleteAll(measure->parts.at(1)->voices.first()->notes);
            measure->parts.at(1)->voices.use(0)->notes.clear();
            f.builder.addNotes(1, 1, QStringLiteral("r/0"));
        }
    }
    // Part 0 keeps its whole-rest line, so it keeps its row when it rests.
    f.addMeasure(50.0, QStringLiteral("r/0"));
    f.layout();

    QCOMPARE(f.score.lines, QList<double>({rowExtent, 2 * rowExtent, rowExtent}));
    QVERIFY(f.at(1)->parts.at(1)->collapsed);
    QVERIFY(f.at(2)->parts.at(1)->collapsed);
    QVERIFY(!f.at(3)->parts.at(1)->collapsed);
    QVERIFY(!f.at(1)->parts.at(0)->collapsed);
    QVERIFY(f.at(5)->parts.at(1)->collapsed);
    QVERIFY(!f.at(5)->parts.at(0)->collapsed);
    QCOMPARE(f.at(1)->parts.at(1)->partExtent, 0.0);
    QCOMPARE(f.at(1)->height, rowExtent);
    QCOMPARE(f.at(3)->originY, rowExtent);
    QCOMPARE(f.at(3)->parts.at(1)->partExtent, rowExtent);
    QCOMPARE(f.at(5)->originY, 3 * rowExtent);
}

void TestLineLayout::partNameRoomCountedOnce_data()
{
    QTest::addColumn<bool>("names");
    // "Shakuhachi": at least 10 characters x note size 5 x 0.8 = 40 mm in
    // front of the first stage, and nowhere else.
    QTest::newRow("names shown") << true;
    QTest::newRow("names hidden") << false;
}

void TestLineLayout::partNameRoomCountedOnce()
{
    QFETCH(bool, names);

    Fixture f;
    f.score.parts.first()->partName = QStringLiteral("Shakuhachi");
    f.score.page->displayPartFullName = names;
    f.setMode(Mode::Auto);
    f.addMeasures(6, 50.0);
    f.layout();

    const double room = f.score.partLabelRoom(0);
    QVERIFY(names ? room >= 40.0 && room <= 50.0 : room == 0.0);
    QCOMPARE(f.score.partLabelRoom(3), 0.0);
    // The room is the first stage's start offset, counted by the breaking
    // and left out of what its measures share.
    QCOMPARE(f.stageSizes(), names ? (QList<int>{3, 3}) : (QList<int>{4, 2}));
    QCOMPARE(f.at(1)->aligner->headWidth(), 0.0);
    QVERIFY(std::abs(f.at(1)->originX - room) < 1e-9);
    const int first = names ? 3 : 4;
    QVERIFY(std::abs(f.at(1)->width - 50.0 * (200.0 - room) / (50.0 * first)) < 1e-9);
    QCOMPARE(f.at(first + 1)->originX, 0.0);
    // The title's start offset comes on top of it.
    f.score.page->titleFirstStageTop = true;
    f.score.page->headerAreaSize = 20.0;
    f.layout();
    QVERIFY(std::abs(f.at(1)->originX - (20.0 + room)) < 1e-9);
}

void TestLineLayout::finiteResults_data()
{
    QTest::addColumn<QString>("situation");
    QTest::newRow("equal, measure-per-line 0, not-fitted break")
        << QStringLiteral("equal-zero-per-line");
    QTest::newRow("single stage on the page before an unfitted one")
        << QStringLiteral("single-stage-page");
    QTest::newRow("stage whose parts are all hidden") << QStringLiteral("all-hidden");
    QTest::newRow("fitted stage of zero-length measures") << QStringLiteral("zero-length");
}

void TestLineLayout::finiteResults()
{
    QFETCH(QString, situation);

    Fixture f;
    Page *page = f.score.page;
    if (situation == QLatin1String("equal-zero-per-line")) {
        f.setMode(Mode::Equal);
        page->measurePerLine = 0;
        f.addMeasures(4, 40.0);
        f.at(2)->userBreakType = 4;
        f.layout();
        // The stage's room shared by its own measures.
        COMPARE_LENGTHS(f.lengths(), QList<double>({100, 100, 100, 100}));
    } else if (situation == QLatin1String("single-stage-page")) {
        page->measurePerLine = 2;
        page->drawStageLine = false;
        page->lineWidthPad = 5.0;
        f.addMeasures(6, 40.0);
        f.at(2)->userBreakType = 2; // page 1: one stage; page 2 unfitted
        f.layout();
        QCOMPARE(f.at(3)->originY, 0.0);
        QCOMPARE(f.at(5)->originY, rowExtent + 5.0); // the pad carried as the gap
    } else if (situation == QLatin1String("all-hidden")) {
        page->pageFit = true;
        f.score.parts.first()->partWholeRestLine = false;
        f.addMeasures(4, 40.0);
        for (Measure *measure : f.score.measures)
            measure->parts.first()->restOnly = true;
        f.layout();
        QCOMPARE(f.score.lines, QList<double>({0.0}));
        QCOMPARE(f.at(1)->height, 0.0);
    } else {
        f.setMode(Mode::Auto);
        page->lastLineFit = true;
        page->measureTimeProportional = true;
        f.addMeasure(40.0, QStringLiteral("C4/1"), 0);
        f.addMeasure(40.0, QStringLiteral("C4/1"), 0);
        f.layout();
        // No time part, but their glyphs still need room: the fitted
        // stage is shared by what they need.
        COMPARE_LENGTHS(f.lengths(), QList<double>({100, 100}));
    }
    verifyFinite(f.score);
}

void TestLineLayout::unfittedLastPageStaysOnTheSheet_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("stageLine");
    QTest::addColumn<double>("pad");
    QTest::newRow("horizontal, stage lines") << true << true << 0.0;
    QTest::newRow("horizontal, gaps") << true << false << 2.0;
    QTest::newRow("vertical, stage lines") << false << true << 0.0;
    QTest::newRow("vertical, gaps") << false << false << 2.0;
}

// A page break after two stages leaves a sparse first page, fitted to the
// sheet with a large ratio or gap; the unfitted last page must not carry it
// so far that its 8 stages run off the sheet.
void TestLineLayout::unfittedLastPageStaysOnTheSheet()
{
    QFETCH(bool, horizontal);
    QFETCH(bool, stageLine);
    QFETCH(double, pad);

    const double sheetWidth = 200.0;
    const double sheetHeight = 300.0;
    Fixture f(1, horizontal, sheetWidth, sheetHeight);
    f.score.page->measurePerLine = 4;
    f.score.page->drawStageLine = stageLine;
    f.score.page->lineWidthPad = pad;
    f.addMeasures(40, 40.0);
    f.at(8)->userBreakType = 2;
    f.layout();

    QCOMPARE(f.score.page->pageCount, 2);
    const double eps = 1e-6;
    for (int i = 0; i < f.score.displayedMeasures.size(); ++i) {
        const Measure *measure = f.score.displayedMeasures.at(i);
        const QString where = QStringLiteral("measure %1").arg(i + 1);
        if (horizontal) {
            QVERIFY2(measure->originY >= -eps, qPrintable(where));
            QVERIFY2(measure->originY + measure->height <= sheetHeight + eps, qPrintable(where));
        } else {
            // Pages lie right to left: the second page's sheet is left of the first.
            const double sheetLeft = i < 8 ? 0.0 : -sheetWidth;
            QVERIFY2(measure->originX >= sheetLeft - eps, qPrintable(where));
            QVERIFY2(measure->originX + measure->width <= sheetLeft + sheetWidth + eps,
                     qPrintable(where));
        }
    }
    // The last page's stages still follow each other without overlapping.
    const Measure *lastPageFirst = f.at(9);
    const Measure *lastPageSecondStage = f.at(13);
    if (horizontal)
        QVERIFY(lastPageSecondStage->originY >=
                lastPageFirst->originY + lastPageFirst->height - eps);
    else
        QVERIFY(lastPageSecondStage->originX + lastPageSecondStage->width <=
                lastPageFirst->originX + eps);
}

VELMORA_TEST_MAIN(TestLineLayout)

} // namespace tst_line_layout
#include "tst_line_layout.moc"
