// The measure phase on scores laid out by hand: bar lines of every style
// with the plain lines and the flag carried to the next measure, repeat
// dots, a repeat sign after the signatures in staff-notation mode, ending
// brackets across line ends, multi-measure rest bars, "Simile", boundary
// and string lines, break marks and the page step.
#include "drawing/breakitem.h"
#include "drawing/movableitem.h"
#include "drawing/mytextitem.h"
#include "layout/aligner.h"
#include "model/glyphitem.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "support/measurelayout.h"
#include "support/testenvironment.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsTextItem>

namespace tst_measure_phase {

using TestSupport::MeasureLayout;
using TestSupport::sceneItemsOf;

namespace {

constexpr int staffStyle = NotationStyle::StaffNotation;

// The pen of a bar line by name: widths are 0.3 x the style's widths.
QString penName(const Score &score, const QPen &pen)
{
    const double s = score.page->scaleFactor;
    if (pen.style() == Qt::NoPen)
        return QStringLiteral("none");
    if (pen.style() == Qt::DotLine)
        return QStringLiteral("dotted");
    if (pen.style() == Qt::DashLine)
        return QStringLiteral("dashed");
    if (qFuzzyCompare(pen.widthF(), 0.3 * score.style->measureThickLineWidth * s))
        return QStringLiteral("thick");
    if (qFuzzyCompare(pen.widthF(), 0.3 * score.style->measureThinLineWidth * s))
        return QStringLiteral("thin");
    return QStringLiteral("plain");
}

// Every bar line (z-value -20) as "<mm from the measure start> <pen>",
// sorted.
QStringList barLinesOf(const Score &score, const Measure *m)
{
    const bool horizontal = score.page->horizontal;
    const double s = score.page->scaleFactor;
    QStringList lines;
    for (const QGraphicsLineItem *item : sceneItemsOf<QGraphicsLineItem>(score)) {
        if (item->zValue() != -20.0)
            continue;
        const double along =
            horizontal ? item->line().x1() / s - m->originX : item->line().y1() / s - m->originY;
        lines << QStringLiteral("%1 %2").arg(along, 0, 'f', 2).arg(penName(score, item->pen()));
    }
    lines.sort();
    return lines;
}

// The visible lines of an ending segment: its line and its hooks.
int visibleLines(const QGraphicsItemGroup *group)
{
    int count = 0;
    for (const QGraphicsItem *child : group->childItems()) {
        const auto *line = dynamic_cast<const QGraphicsLineItem *>(child);
        if (line && line->pen().color().alpha() > 0)
            ++count;
    }
    return count;
}

QString labelOf(const QGraphicsItemGroup *group)
{
    for (const QGraphicsItem *child : group->childItems()) {
        if (const auto *text = dynamic_cast<const QGraphicsTextItem *>(child))
            return text->toPlainText();
    }
    return QString();
}

} // namespace

class TestMeasurePhase : public QObject
{
    Q_OBJECT

private slots:
    void barLines_data();
    void barLines();
    void carriedBarLineFlag();
    void repeatDots_data();
    void repeatDots();
    void repeatSignAfterSignaturesInStaffMode_data();
    void repeatSignAfterSignaturesInStaffMode();
    void endings_data();
    void endings();
    void endingClosedInsideMultiMeasureRest();
    void multiMeasureRest_data();
    void multiMeasureRest();
    void multiRestCountInsideItsColumn_data();
    void multiRestCountInsideItsColumn();
    void partLines_data();
    void partLines();
    void bunkaStringsClearOfTimeSignature_data();
    void bunkaStringsClearOfTimeSignature();
    void breakMarkAndPageStep();
};

void TestMeasurePhase::barLines_data()
{
    QTest::addColumn<int>("leftStyle");
    QTest::addColumn<int>("rightStyle");
    QTest::addColumn<bool>("leftDrawn");
    QTest::addColumn<bool>("endsLine");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("result");
    // Kinko part, largest note size 5: the unit u is 0.3 mm.
    QTest::newRow("plain line at the start")
        << 0 << 0 << false << false << QStringList{"0.00 plain"} << false;
    QTest::newRow("left already drawn") << 0 << 0 << true << false << QStringList{} << false;
    QTest::newRow("left light-light")
        << 2 << 0 << false << false << QStringList{"0.00 thin", "0.54 thin"} << false;
    QTest::newRow("left heavy-light")
        << 3 << 0 << false << false << QStringList{"0.30 thick", "1.14 thin"} << false;
    QTest::newRow("left dotted") << 4 << 0 << false << false << QStringList{"0.00 dotted"} << false;
    QTest::newRow("left dashed") << 5 << 0 << false << false << QStringList{"0.00 dashed"} << false;
    QTest::newRow("left tick: drawn without pen")
        << 6 << 0 << false << false << QStringList{"0.00 none"} << false;
    QTest::newRow("left light-heavy: the plain line instead")
        << 1 << 0 << false << false << QStringList{"0.00 plain"} << false;
    QTest::newRow("right light-heavy in a line")
        << 0 << 1 << true << false << QStringList{"38.86 thin", "39.70 thick"} << true;
    QTest::newRow("right light-light in a line")
        << 0 << 2 << true << false << QStringList{"39.46 thin", "40.00 thin"} << true;
    QTest::newRow("right heavy-light draws nothing")
        << 0 << 3 << true << false << QStringList{} << false;
    QTest::newRow("line end: closed whatever its bar line")
        << 0 << 2 << false << true
        << QStringList{"0.00 plain", "39.46 thin", "40.00 plain", "40.00 thin"} << false;
}

void TestMeasurePhase::barLines()
{
    QFETCH(int, leftStyle);
    QFETCH(int, rightStyle);
    QFETCH(bool, leftDrawn);
    QFETCH(bool, endsLine);
    QFETCH(QStringList, expected);
    QFETCH(bool, result);
    for (const bool horizontal : {true, false}) {
        MeasureLayout layout(horizontal);
        layout.addPart(NotationStyle::KinkoSimple);
        layout.addMeasures(2);
        Measure *m = layout.score.measures.at(0);
        m->leftBarline = leftStyle != 0;
        m->leftBarStyle = leftStyle;
        m->rightBarline = rightStyle != 0;
        m->rightBarStyle = rightStyle;
        layout.layOut(endsLine ? QList<int>{1, 1} : QList<int>{2});
        QCOMPARE(layout.score.genMeasureBarLines(m, leftDrawn), result);
        QCOMPARE(barLinesOf(layout.score, m), expected);
        // Across the part's band.
        for (const QGraphicsLineItem *line : sceneItemsOf<QGraphicsLineItem>(layout.score)) {
            const QLineF l = line->line();
            const double length = horizontal ? l.y2() - l.y1() : l.x2() - l.x1();
            QCOMPARE(length, 15.0 * layout.score.page->scaleFactor);
        }
    }
}

// Measure 0 ends with a double bar, so measure 1 draws no plain opening
// line; measure 1 ends the line, so measure 2 draws its own.
void TestMeasurePhase::carriedBarLineFlag()
{
    MeasureLayout layout(true);
    layout.addPart(NotationStyle::KinkoSimple);
    layout.addMeasures(3);
    for (int i = 0; i < 2; ++i) {
        layout.score.measures.at(i)->rightBarline = true;
        layout.score.measures.at(i)->rightBarStyle = 2;
    }
    layout.layOut({2, 1});
    layout.generate();
    const Score &score = layout.score;
    QStringList plainStarts;
    for (const QGraphicsLineItem *line : sceneItemsOf<QGraphicsLineItem>(score)) {
        if (line->zValue() != -20.0 || penName(score, line->pen()) != QLatin1String("plain"))
            continue;
        for (int i = 0; i < 3; ++i) {
            const Measure *m = score.measures.at(i);
            if (qFuzzyCompare(line->line().x1(), m->originX * score.page->scaleFactor) &&
                qFuzzyCompare(line->line().y1(), m->originY * score.page->scaleFactor))
                plainStarts << QString::number(i);
        }
    }
    plainStarts.sort();
    QCOMPARE(plainStarts, (QStringList{"0", "2"}));
}

void TestMeasurePhase::repeatDots_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

// A two-staff staff part: two dots per staff on each repeat sign, around
// each staff's middle line.
void TestMeasurePhase::repeatDots()
{
    QFETCH(bool, horizontal);
    MeasureLayout layout(horizontal);
    layout.addPart(staffStyle, 2);
    layout.addMeasures(2);
    Measure *m = layout.score.measures.at(0);
    m->leftRepeat = 1;
    m->rightRepeat = 2;
    layout.layOut({2});
    Score &score = layout.score;
    score.genMeasureBarLines(m, false);
    const QList<QGraphicsEllipseItem *> dots = sceneItemsOf<QGraphicsEllipseItem>(score);
    QCOMPARE(dots.size(), 8);

    const double s = score.page->scaleFactor;
    const double u = 0.06 * 5.0;
    const double r = 0.125 * 5.0 * 0.375;
    const double h = 0.125 * 5.0;
    const double start = horizontal ? m->originX : m->originY;
    const double leftAlong = start + (2.0 + 1.8 + 2.6 - 0.75) * u;
    const double rightAlong = start + 40.0 - (2.0 + 1.8 + 2.6 + 0.75) * u;
    QList<QPointF> expected;
    for (const double along : {leftAlong, rightAlong}) {
        for (int staff = 0; staff < 2; ++staff) {
            const double middle = m->getPartNoteLine(staff, 0);
            for (const double across : {middle - h - r, middle + h - r})
                expected << (horizontal ? QPointF(along, across) : QPointF(across, along)) * s;
        }
    }
    for (const QGraphicsEllipseItem *dot : dots) {
        QCOMPARE(dot->rect().width(), 2 * r * s);
        QCOMPARE(dot->brush().color(), QColor(Qt::black));
        bool found = false;
        for (const QPointF &point : std::as_const(expected))
            found = found || (QLineF(point, dot->rect().topLeft()).length() < 1e-9);
        QVERIFY(found);
    }
}

void TestMeasurePhase::repeatSignAfterSignaturesInStaffMode_data()
{
    QTest::addColumn<bool>("staffMode");
    QTest::newRow("before the signatures") << false;
    QTest::newRow("after the signatures") << true;
}

void TestMeasurePhase::repeatSignAfterSignaturesInStaffMode()
{
    QFETCH(bool, staffMode);
    MeasureLayout layout(true);
    layout.addPart(staffStyle, 1);
    layout.addMeasures(2, 2);
    Measure *m = layout.score.measures.at(0);
    m->leftRepeat = 1;
    m->leftBarline = true;
    m->leftBarStyle = 3;
    layout.layOut({2});
    layout.score.page->barlineStaffNotationMode = staffMode;
    layout.generate();
    const Score &score = layout.score;
    double keyX = -1.0;
    for (const GlyphItem *glyph : sceneItemsOf<GlyphItem>(score)) {
        if (glyph->elementId() == QLatin1String("KeySharp2"))
            keyX = glyph->pos().x();
    }
    QVERIFY(keyX > 0.0);
    double dotX = 0.0;
    for (const QGraphicsEllipseItem *dot : sceneItemsOf<QGraphicsEllipseItem>(score))
        dotX = dot->rect().x();
    QCOMPARE(dotX > keyX, staffMode);
    // The notes start after the bar line's room: 0.15 x the largest note
    // size plus the opening bar room in millimetres.
    const double opening = (2.6 + 0.5) * 0.3 + (2.0 + 1.8) * 0.3;
    QCOMPARE(score.openingBarOffset(m), opening);
    const double signatures = (0.75 + 2 * 0.26 + 0.3 + 0.2) * 5.0;
    QVERIFY(qAbs(m->aligner->signatureX() - (opening + 0.75 + signatures)) < 1e-9);
}

void TestMeasurePhase::endings_data()
{
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<QList<int>>("lineLengths");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QList<int>>("segmentLines");
    QTest::addColumn<QString>("label");
    QTest::newRow("start and stop in one line")
        << QList<int>{1, 0, 2, 0} << QList<int>{4} << "1, 2" << QList<int>{3} << "1., 2.";
    QTest::newRow("across a line end, discontinued")
        << QList<int>{0, 1, 3, 0} << QList<int>{2, 2} << "2" << QList<int>{2, 1} << "2.";
    QTest::newRow("one measure") << QList<int>{0, 4, 0, 0} << QList<int>{4} << "1" << QList<int>{3}
                                 << "1.";
    QTest::newRow("one measure, discontinued")
        << QList<int>{0, 0, 0, 5} << QList<int>{2, 2} << "3" << QList<int>{2} << "3.";
}

void TestMeasurePhase::endings()
{
    QFETCH(QList<int>, kinds);
    QFETCH(QList<int>, lineLengths);
    QFETCH(QString, numbers);
    QFETCH(QList<int>, segmentLines);
    QFETCH(QString, label);
    for (const bool horizontal : {true, false}) {
        MeasureLayout layout(horizontal);
        layout.addPart(NotationStyle::KinkoSimple);
        layout.addMeasures(4);
        int firstIndex = -1;
        int lastIndex = -1;
        for (int i = 0; i < 4; ++i) {
            Measure *m = layout.score.measures.at(i);
            m->endingType = kinds.at(i);
            m->endingNumberText = numbers;
            if (kinds.at(i) != 0 && firstIndex < 0)
                firstIndex = i;
            if (kinds.at(i) != 0)
                lastIndex = i;
        }
        layout.layOut(lineLengths);
        layout.generate();
        const Score &score = layout.score;
        const double k = score.page->scaleFactor;

        QList<QGraphicsItemGroup *> segments;
        for (QGraphicsItemGroup *group : sceneItemsOf<QGraphicsItemGroup>(score)) {
            if (visibleLines(group) > 0)
                segments.append(group);
        }
        QCOMPARE(segments.size(), segmentLines.size());
        const Measure *first = score.measures.at(firstIndex);
        const Measure *last = score.measures.at(lastIndex);
        for (int i = 0; i < segments.size(); ++i) {
            QCOMPARE(visibleLines(segments.at(i)), segmentLines.at(i));
            QCOMPARE(labelOf(segments.at(i)), i == 0 ? label : QString());
        }
        // The first segment starts at the first measure; the last ends 2 mm
        // before the last measure's end, a later one starts after its
        // line's head.
        const QGraphicsItemGroup *head = segments.first();
        QCOMPARE(horizontal ? head->pos().x() : head->pos().y(),
                 (horizontal ? first->originX : first->originY) * k);
        if (segments.size() == 2) {
            const QGraphicsItemGroup *tail = segments.last();
            QCOMPARE(horizontal ? tail->pos().x() : tail->pos().y(),
                     ((horizontal ? last->originX : last->originY) + 4.0) * k);
        }

        const QList<MovableItem *> handles = sceneItemsOf<MovableItem>(score);
        QCOMPARE(handles.size(), 1);
        const MovableItem *handle = handles.first();
        QCOMPARE(first->endingItem, handle);
        QCOMPARE(handle->data(TagType).toInt(), int(EndingItem));
        QCOMPARE(itemTag(handle, TagMeasure), firstIndex);
        QVERIFY(handle->flags() & QGraphicsItem::ItemIsMovable);
        QVERIFY(handle->flags() & QGraphicsItem::ItemIsSelectable);
    }
}

// The ending opens at measure 0 and stops at measure 3, swallowed by the
// rest of measures 1 to 3: one bracket from measure 0 to the rest's end.
void TestMeasurePhase::endingClosedInsideMultiMeasureRest()
{
    MeasureLayout layout(true);
    layout.addPart(NotationStyle::KinkoSimple);
    layout.addMeasures(5);
    Score &score = layout.score;
    score.measures.at(0)->endingType = 1;
    score.measures.at(0)->endingNumberText = QStringLiteral("1");
    score.measures.at(3)->endingType = 2;
    score.measures.at(1)->multiRestCount = 3;
    layout.layOut({3});
    layout.generate();
    QList<QGraphicsItemGroup *> segments;
    for (QGraphicsItemGroup *group : sceneItemsOf<QGraphicsItemGroup>(score)) {
        if (visibleLines(group) > 0)
            segments.append(group);
    }
    QCOMPARE(segments.size(), 1);
    QCOMPARE(visibleLines(segments.first()), 3);
    const Measure *rest = score.measures.at(1);
    const double k = score.page->scaleFactor;
    double lineEnd = 0.0;
    for (const QGraphicsItem *child : segments.first()->childItems()) {
        if (const auto *line = dynamic_cast<const QGraphicsLineItem *>(child))
            lineEnd = std::max(lineEnd, line->line().x2());
    }
    const double expected = rest->originX + rest->width - 2.0 - score.measures.at(0)->originX;
    QVERIFY(qAbs(lineEnd - expected * k) < 1e-9);
}

void TestMeasurePhase::multiMeasureRest_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("staves");
    QTest::newRow("horizontal staff, two staves") << true << staffStyle << 2;
    QTest::newRow("vertical staff, two staves") << false << staffStyle << 2;
    QTest::newRow("vertical Kinko") << false << int(NotationStyle::KinkoSimple) << 1;
}

// Measures 1 to 3 merged: one bar per staff between its end strokes, the
// count beside it, and the right bar line of measure 3 at the rest's end.
void TestMeasurePhase::multiMeasureRest()
{
    QFETCH(bool, horizontal);
    QFETCH(int, style);
    QFETCH(int, staves);
    MeasureLayout layout(horizontal);
    layout.addPart(style, staves);
    layout.addMeasures(4);
    layout.score.measures.at(1)->multiRestCount = 3;
    layout.score.measures.at(3)->rightBarline = true;
    layout.score.measures.at(3)->rightBarStyle = 1;
    layout.layOut({2});
    layout.generate();
    const Score &score = layout.score;
    const Measure *rest = score.measures.at(1);
    const double q = score.page->scaleFactor;

    const QList<MyTextItem *> numbers = sceneItemsOf<MyTextItem>(score);
    QCOMPARE(numbers.size(), staves);
    for (const MyTextItem *number : numbers) {
        QCOMPARE(number->text, QStringLiteral("3"));
        QCOMPARE(number->rotation(), !horizontal && style == staffStyle ? 90.0 : 0.0);
    }
    const double t = 0.125 * 5.0;
    const double b0 = (horizontal ? rest->originX : rest->originY) + 4.0 + 0.7 * 5.0;
    const double b1 = (horizontal ? rest->originX : rest->originY) + 40.0 - 0.8 * 5.0;
    int bars = 0;
    for (const QGraphicsRectItem *rect : sceneItemsOf<QGraphicsRectItem>(score)) {
        const QSizeF size = rect->rect().size();
        const QSizeF expected =
            horizontal ? QSizeF((b1 - b0) * q, t * q) : QSizeF(t * q, (b1 - b0) * q);
        if (qAbs(size.width() - expected.width()) > 1e-9 ||
            qAbs(size.height() - expected.height()) > 1e-9)
            continue;
        ++bars;
        QCOMPARE(horizontal ? rect->pos().x() : rect->pos().y(), b0 * q);
    }
    QCOMPARE(bars, staves);
    int strokes = 0;
    for (const QGraphicsLineItem *line : sceneItemsOf<QGraphicsLineItem>(score)) {
        if (line->zValue() == 0.0 && qFuzzyCompare(line->line().length(), 2.5 * q))
            ++strokes;
    }
    QCOMPARE(strokes, 2 * staves);
    QVERIFY(barLinesOf(score, rest).contains(QStringLiteral("39.70 thick")));
}

void TestMeasurePhase::multiRestCountInsideItsColumn_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("two digits") << 12;
    QTest::newRow("three digits") << 120;
}

// A vertical count of several digits stands beside its bar inside the
// part's column: clear of the column's frame and of the bar.
void TestMeasurePhase::multiRestCountInsideItsColumn()
{
    QFETCH(int, count);
    MeasureLayout layout(false);
    layout.addPart(NotationStyle::KinkoSimple);
    layout.addMeasures(count + 1);
    layout.score.measures.at(1)->multiRestCount = count;
    layout.layOut({2});
    layout.generate();
    const Score &score = layout.score;
    const Measure *rest = score.measures.at(1);
    const double q = score.page->scaleFactor;
    const double half = rest->parts.at(0)->partExtent / 2;
    const double left = (rest->getPartCenter(0) - half) * q;
    const double right = (rest->getPartCenter(0) + half) * q;
    QVERIFY(right > left);

    const QList<MyTextItem *> numbers = sceneItemsOf<MyTextItem>(score);
    QCOMPARE(numbers.size(), 1);
    const MyTextItem *number = numbers.first();
    QCOMPARE(number->text, QString::number(count));
    const QRectF box = number->sceneBoundingRect();
    QVERIFY2(box.left() >= left && box.right() <= right,
             qPrintable(QStringLiteral("count across %1..%2 mm, column %3..%4 mm")
                            .arg(box.left() / q)
                            .arg(box.right() / q)
                            .arg(left / q)
                            .arg(right / q)));
    int bars = 0;
    for (const QGraphicsRectItem *rect : sceneItemsOf<QGraphicsRectItem>(score)) {
        const QRectF bar = rect->sceneBoundingRect();
        // The rest's bar: a long thin rectangle along the column.
        if (bar.width() > 2 * q || bar.height() < 10 * q)
            continue;
        ++bars;
        QVERIFY(!box.intersects(bar));
    }
    QCOMPARE(bars, 1);
}

void TestMeasurePhase::partLines_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("multiRest");
    QTest::addColumn<int>("stringLines");
    QTest::newRow("horizontal") << true << false << 3;
    QTest::newRow("horizontal multi-measure rest: no strings") << true << true << 0;
    QTest::newRow("vertical") << false << false << 3;
    QTest::newRow("vertical multi-measure rest: strings") << false << true << 3;
}

// A Bunka part with both boundary lines and a "Simile" mark in measure 0.
void TestMeasurePhase::partLines()
{
    QFETCH(bool, horizontal);
    QFETCH(bool, multiRest);
    QFETCH(int, stringLines);
    MeasureLayout layout(horizontal);
    Part *part = layout.addPart(NotationStyle::ShamisenBunka);
    part->boundaryLeftBottom = true;
    part->boundaryRightTop = true;
    layout.addMeasures(2);
    Measure *m = layout.score.measures.at(0);
    m->simileParts[0] = true;
    if (multiRest)
        m->multiRestCount = 2;
    layout.layOut({1});
    Score &score = layout.score;
    score.page->measureDisplayBarline = false;
    score.page->measureDisplayTimeSignature = false;
    score.genMeasureItems(0);
    const double s = score.page->scaleFactor;

    const QList<GlyphItem *> glyphs = sceneItemsOf<GlyphItem>(score);
    QCOMPARE(glyphs.size(), 1);
    QCOMPARE(glyphs.first()->elementId(), QStringLiteral("Simile"));
    const double ref = m->getPartRefLine(0);
    const QPointF simile = horizontal ? QPointF(m->originX + 20.0 - 2.5, ref - 2.5)
                                      : QPointF(ref - 2.5, m->originY + 20.0 - 2.5);
    QCOMPARE(glyphs.first()->pos(), simile * s);

    QList<double> boundaries;
    int strings = 0;
    for (const QGraphicsLineItem *line : sceneItemsOf<QGraphicsLineItem>(score)) {
        // The rest bar's end strokes are short.
        if (!qFuzzyCompare(line->line().length(), 40.0 * s))
            continue;
        const double across = horizontal ? line->pos().y() / s : line->pos().x() / s;
        QCOMPARE(line->pen().width(), int(0.56 * 0.5 * s));
        if (line->zValue() == -20.0)
            boundaries << across;
        else
            ++strings;
    }
    std::sort(boundaries.begin(), boundaries.end());
    const double bandStart = horizontal ? m->originY : m->originX;
    QCOMPARE(boundaries, (QList<double>{bandStart, bandStart + 15.0}));
    QCOMPARE(strings, stringLines);
}

void TestMeasurePhase::bunkaStringsClearOfTimeSignature_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("shortened");
    // Upright in a column the signature stands on a string, which starts
    // after it; in a row the strings run through it as staff lines do.
    QTest::newRow("horizontal: strings whole") << true << false;
    QTest::newRow("vertical: strings start after it") << false << true;
}

void TestMeasurePhase::bunkaStringsClearOfTimeSignature()
{
    QFETCH(bool, horizontal);
    QFETCH(bool, shortened);
    MeasureLayout layout(horizontal);
    layout.addPart(NotationStyle::ShamisenBunka);
    layout.addMeasures(2);
    layout.layOut({2});
    Score &score = layout.score;
    score.page->measureDisplayBarline = false;
    score.page->measureDisplayTimeSignature = true;
    score.genMeasureItems(0);
    const double s = score.page->scaleFactor;

    const QList<QGraphicsItemGroup *> groups = sceneItemsOf<QGraphicsItemGroup>(score);
    QCOMPARE(groups.size(), 1);
    const QRectF time = groups.first()->sceneBoundingRect();
    int strings = 0;
    int cut = 0;
    for (const QGraphicsLineItem *line : sceneItemsOf<QGraphicsLineItem>(score)) {
        if (line->zValue() != 0.0)
            continue;
        ++strings;
        const QRectF box = line->sceneBoundingRect();
        const double length = (horizontal ? box.width() : box.height()) / s;
        if (length < MeasureLayout::measureLength - 0.01)
            ++cut;
        if (!horizontal)
            QVERIFY2(!box.intersects(time), "a string runs through the time signature");
    }
    QCOMPARE(strings, 3);
    QCOMPARE(cut > 0, shortened);
}

void TestMeasurePhase::breakMarkAndPageStep()
{
    for (const bool clean : {false, true}) {
        MeasureLayout layout(true);
        layout.addPart(NotationStyle::KinkoSimple);
        layout.addMeasures(2);
        layout.score.measures.at(0)->userBreakType = 2;
        layout.layOut({1, 1});
        layout.score.measures.at(0)->pageEnd = true;
        layout.score.cleanOutput = clean;
        layout.generate();
        QCOMPARE(sceneItemsOf<BreakItem>(layout.score).size(), clean ? 0 : 1);
        QCOMPARE(layout.score.page->currentPage, 1);
    }
}

VELMORA_TEST_MAIN(TestMeasurePhase)

} // namespace tst_measure_phase
#include "tst_measure_phase.moc"
