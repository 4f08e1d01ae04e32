// Spans that cross lines and voices, drawn from the span fixtures in a
// traditional notation and in staff notation, in both writing directions:
// every piece of a slur, trill line, hyphen line, long repeat and glissando
// stands on its own line and inside that line's system (a tie chain whose
// middle note writes its start first draws both ties); a slur whose ends
// lie in two voices is drawn from its start note to its stop note and
// stands for its start note; spans missing an end draw what they can.
#include "drawing/mypath.h"
#include "model/glyphitem.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/messagecapture.h"
#include "support/testenvironment.h"
#include "view/scene.h"

#include <QFile>
#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QMap>
#include <QUndoStack>

#include <algorithm>
#include <memory>

namespace tst_span_systems {

namespace {

// Loads a span fixture (or the given text) with every part in `style`.
std::unique_ptr<Score> generated(const QString &text, int style, bool horizontal)
{
    auto score = std::make_unique<Score>(QStringLiteral("5.3.1"), 1, false);
    score->documentText = text;
    if (!score->parseScoreXml(false))
        return nullptr;
    for (Part *part : std::as_const(score->parts))
        part->notationStyle = style;
    score->page->horizontal = horizontal;
    if (!score->generateScore())
        return nullptr;
    return score;
}

QString fixtureText(const QString &name)
{
    QFile file(TestSupport::fixturePath(QStringLiteral("spans/") + name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The frame of each line (scene units): the measures of the line together.
QMap<int, QRectF> systems(const Score &score)
{
    const double k = score.page->scaleFactor;
    QMap<int, QRectF> frames;
    for (const Measure *m : std::as_const(score.measures)) {
        const QRectF frame(m->originX * k, m->originY * k, m->width * k, m->height * k);
        frames[m->lineIndex] =
            frames.value(m->lineIndex).isNull() ? frame : frames.value(m->lineIndex).united(frame);
    }
    return frames;
}

// The lines whose systems hold the pieces, in line order; a piece inside
// no line's system counts as line -1.
QList<int> linesOf(const Score &score, const QList<QGraphicsItem *> &pieces)
{
    const QMap<int, QRectF> frames = systems(score);
    // A drawn line's pen may stand over the frame by a hair.
    const double slack = 0.3 * score.page->scaleFactor;
    QList<int> lines;
    for (const QGraphicsItem *piece : pieces) {
        const QRectF box = piece->sceneBoundingRect();
        int line = -1;
        for (auto it = frames.cbegin(); it != frames.cend(); ++it) {
            if (it.value().adjusted(-slack, -slack, slack, slack).contains(box))
                line = it.key();
        }
        lines.append(line);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

template <typename Keep> QList<QGraphicsItem *> itemsWhere(const Score &score, Keep keep)
{
    QList<QGraphicsItem *> found;
    for (QGraphicsItem *item : score.scene->items()) {
        if (keep(item))
            found.append(item);
    }
    return found;
}

QList<QGraphicsItem *> wavyPaths(const Score &score, int kind)
{
    return itemsWhere(score, [kind](QGraphicsItem *item) {
        auto *path = dynamic_cast<MyPath *>(item);
        return path && path->kind == kind;
    });
}

// Slur and tie pieces: the filled crescents.
QList<QGraphicsItem *> crescents(const Score &score)
{
    return itemsWhere(score,
                      [](QGraphicsItem *item) { return item->type() == QGraphicsPathItem::Type; });
}

QList<QGraphicsItem *> longRepeatGlyphs(const Score &score)
{
    return itemsWhere(score, [](QGraphicsItem *item) {
        auto *glyph = dynamic_cast<GlyphItem *>(item);
        return glyph && glyph->elementId().startsWith(QLatin1String("LongRepeat"));
    });
}

// A line item as the scene shows it, to compare two pictures.
QString lineKey(const QGraphicsLineItem *item)
{
    const QPointF a = item->mapToScene(item->line().p1());
    const QPointF b = item->mapToScene(item->line().p2());
    return QStringLiteral("%1 %2 %3 %4")
        .arg(qRound(a.x() * 10))
        .arg(qRound(a.y() * 10))
        .arg(qRound(b.x() * 10))
        .arg(qRound(b.y() * 10));
}

// The line items of `with` that `without` lacks.
QList<QGraphicsItem *> extraLines(const Score &with, const Score &without)
{
    QStringList others;
    for (QGraphicsItem *item : without.scene->items()) {
        if (auto *line = dynamic_cast<QGraphicsLineItem *>(item))
            others.append(lineKey(line));
    }
    QList<QGraphicsItem *> extra;
    for (QGraphicsItem *item : with.scene->items()) {
        auto *line = dynamic_cast<QGraphicsLineItem *>(item);
        if (line && !others.removeOne(lineKey(line)))
            extra.append(line);
    }
    return extra;
}

Note *noteAt(const Score &score, int measure, int voice, int index)
{
    return score.measures.at(measure)->parts.at(0)->voices.at(voice)->notes.value(index);
}

// The two ends of a slur crescent in scene units: where its first curve
// leaves and where it arrives.
QPair<QPointF, QPointF> slurEnds(const QGraphicsPathItem *item)
{
    const QPainterPath path = item->path();
    return {item->mapToScene(QPointF(path.elementAt(0))),
            item->mapToScene(QPointF(path.elementAt(3)))};
}

double distance(const QPointF &point, const QRectF &box)
{
    const double dx = std::max({box.left() - point.x(), 0.0, point.x() - box.right()});
    const double dy = std::max({box.top() - point.y(), 0.0, point.y() - box.bottom()});
    return std::hypot(dx, dy);
}

QRectF glyphBox(const Score &score, int measure, int voice, const Note *note)
{
    const QGraphicsItem *item =
        score.measures.at(measure)->getItemGraphicsItem(0, voice, note->firstAlignItem);
    return item ? item->sceneBoundingRect() : QRectF();
}

void addStyleRows()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("TozanTrad") << int(NotationStyle::TozanTrad) << true;
    QTest::newRow("TozanTrad, vertical") << int(NotationStyle::TozanTrad) << false;
    QTest::newRow("staff") << int(NotationStyle::StaffNotation) << true;
    QTest::newRow("staff, vertical") << int(NotationStyle::StaffNotation) << false;
}

} // namespace

class TestSpanSystems : public QObject
{
    Q_OBJECT

private slots:
    void piecesOnTheirOwnLines_data();
    void piecesOnTheirOwnLines();
    void slursAcrossVoices_data();
    void slursAcrossVoices();
    void unendedSpans_data();
    void unendedSpans();
    void slurCommandsReachACrossVoiceSlur_data();
    void slurCommandsReachACrossVoiceSlur();
};

void TestSpanSystems::piecesOnTheirOwnLines_data()
{
    addStyleRows();
}

void TestSpanSystems::piecesOnTheirOwnLines()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    const QString text = fixtureText(QStringLiteral("33x-Spans-AcrossThreeLines.xml"));
    const auto score = generated(text, style, horizontal);
    QVERIFY(score);
    // Measures 1-2, 3, 4 and 5 make the lines 0 to 3.
    QCOMPARE(systems(*score).size(), 4);
    QCOMPARE(score->measures.at(4)->lineIndex, 3);

    // The slur over lines 0-2, and the two ties of the chain on line 3.
    QCOMPARE(linesOf(*score, crescents(*score)), QList<int>({0, 1, 2, 3, 3}));
    // The trill line over lines 0-2.
    QCOMPARE(linesOf(*score, wavyPaths(*score, 2)), QList<int>({0, 1, 2}));
    // The glissando on both sides of the last break.
    QCOMPARE(linesOf(*score, wavyPaths(*score, 3)), QList<int>({2, 3}));
    // The long repeat over lines 0-2.
    if (style != NotationStyle::StaffNotation)
        QCOMPARE(linesOf(*score, longRepeatGlyphs(*score)), QList<int>({0, 1, 2}));

    // The hyphen line of "Sa-ra": what the picture loses when the two
    // syllables stand alone.
    QString single = text;
    single.replace(QLatin1String("<syllabic>begin</syllabic>"),
                   QLatin1String("<syllabic>single</syllabic>"));
    single.replace(QLatin1String("<syllabic>end</syllabic>"),
                   QLatin1String("<syllabic>single</syllabic>"));
    const auto plain = generated(single, style, horizontal);
    QVERIFY(plain);
    QCOMPARE(linesOf(*score, extraLines(*score, *plain)), QList<int>({0, 1, 2}));
}

void TestSpanSystems::slursAcrossVoices_data()
{
    addStyleRows();
}

void TestSpanSystems::slursAcrossVoices()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    TestSupport::MessageCapture capture;
    const auto score =
        generated(fixtureText(QStringLiteral("33x-Slurs-AcrossVoices.xml")), style, horizontal);
    QVERIFY(score);
    const double n = score->parts.at(0)->noteFontSize * score->page->scaleFactor;

    struct Expected
    {
        int measure, startVoice, startIndex, number, stopVoice, stopIndex;
    };
    // Voice 1 ends what voice 2 starts (the stop read first), voice 2 ends
    // what voice 1 starts, and voice 2's own slur.
    const QList<Expected> slurs = {{0, 1, 0, 0, 0, 1}, {1, 0, 0, 1, 1, 2}, {1, 1, 0, 0, 1, 1}};
    for (const Expected &e : slurs) {
        Note *start = noteAt(*score, e.measure, e.startVoice, e.startIndex);
        Note *stop = noteAt(*score, e.measure, e.stopVoice, e.stopIndex);
        QVERIFY(start && stop);
        Notation *notation = start->slurStartNotations[e.number];
        QVERIFY(notation);
        auto *item = dynamic_cast<QGraphicsPathItem *>(notation->item);
        QVERIFY2(item, qPrintable(QStringLiteral("no slur in measure %1").arg(e.measure + 1)));

        // The item stands for the start note's notation: its tags lead back
        // to it, so the slur commands reach it.
        int measure = -1, part = -1, voice = -1, index = -1, which = -1;
        score->getNotationItemTag(item, &measure, &part, &voice, &index, &which);
        QCOMPARE(measure, e.measure);
        QCOMPARE(voice, e.startVoice);
        Note *tagged = noteAt(*score, measure, voice, index);
        QVERIFY(tagged);
        QCOMPARE(tagged->notations.value(which), notation);

        // From the start note to the stop note: along the writing in every
        // notation; staff slurs also bend to the stop note's height, while
        // the others stay level with their start.
        const QPair<QPointF, QPointF> ends = slurEnds(item);
        const QRectF from = glyphBox(*score, e.measure, e.startVoice, start);
        const QRectF to = glyphBox(*score, e.measure, e.stopVoice, stop);
        auto alongNear = [&](const QPointF &point, const QRectF &box) {
            return horizontal ? point.x() > box.left() - n && point.x() < box.right() + n
                              : point.y() > box.top() - n && point.y() < box.bottom() + n;
        };
        QVERIFY(alongNear(ends.first, from));
        QVERIFY(alongNear(ends.second, to));
        QVERIFY(!alongNear(ends.second, from));
        if (style == NotationStyle::StaffNotation) {
            QVERIFY(distance(ends.first, from) < 1.5 * n);
            QVERIFY(distance(ends.second, to) < 1.5 * n);
        }
    }
    QCOMPARE(crescents(*score).size(), slurs.size());
    for (const QString &line : capture.lines())
        QVERIFY2(!line.startsWith(QLatin1String("slur stop without start")), qPrintable(line));
}

void TestSpanSystems::unendedSpans_data()
{
    addStyleRows();
}

void TestSpanSystems::unendedSpans()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    TestSupport::MessageCapture capture;
    const auto score =
        generated(fixtureText(QStringLiteral("33x-Spans-Unended.xml")), style, horizontal);
    QVERIFY(score);
    QCOMPARE(systems(*score).size(), 2);

    // Slur 3 crosses the break; slur 2 never stops and draws nothing.
    QCOMPARE(linesOf(*score, crescents(*score)), QList<int>({0, 1}));
    QVERIFY(noteAt(*score, 1, 0, 2)->slurStartNotations[2]->item);
    QVERIFY(!noteAt(*score, 1, 0, 1)->slurStartNotations[1]->item);
    // The stop of slur 4 that no voice starts is named, and so is slur 2.
    QVERIFY(capture.contains(
        QStringLiteral("slur stop without start: measure 3, part 1, voice 2, number 4")));
    QVERIFY(capture.contains(QStringLiteral("slur never stopped: part 1, voice 1, number 2")));
    // The trill line of the last measure, to its last note; the stop
    // without start draws nothing, nor does the glissando never ended.
    QCOMPARE(linesOf(*score, wavyPaths(*score, 2)), QList<int>({1}));
    QVERIFY(wavyPaths(*score, 3).isEmpty());
    // The long repeat that outlasts the score runs to its end.
    if (style != NotationStyle::StaffNotation) {
        QCOMPARE(linesOf(*score, longRepeatGlyphs(*score)), QList<int>({0, 1}));
        QVERIFY(capture.contains(QStringLiteral("long repeat runs past the end: part 2, voice 1")));
    }
    // So does the hyphen line that no syllable ends.
    QString single = fixtureText(QStringLiteral("33x-Spans-Unended.xml"));
    single.replace(QLatin1String("<syllabic>begin</syllabic>"),
                   QLatin1String("<syllabic>single</syllabic>"));
    const auto plain = generated(single, style, horizontal);
    QVERIFY(plain);
    QCOMPARE(linesOf(*score, extraLines(*score, *plain)), QList<int>({0, 1}));
}

void TestSpanSystems::slurCommandsReachACrossVoiceSlur_data()
{
    // Only staff slurs take a side and a curve shift in both directions;
    // the traditional ones keep their own.
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("staff") << true;
    QTest::newRow("staff, vertical") << false;
}

// Inverting and bending a slur that voice 1 starts and voice 2 ends, with
// its drawn item selected as a user would: each command changes the start
// note's slur, and the redrawn slur shows it.
void TestSpanSystems::slurCommandsReachACrossVoiceSlur()
{
    QFETCH(bool, horizontal);
    const auto score = generated(fixtureText(QStringLiteral("33x-Slurs-AcrossVoices.xml")),
                                 NotationStyle::StaffNotation, horizontal);
    QVERIFY(score);
    Note *start = noteAt(*score, 1, 0, 0);
    QVERIFY(start);
    Notation *slur = start->slurStartNotations[1];
    QVERIFY(slur && slur->item);

    // How far the slur's middle stands off the line between its ends,
    // across the writing: the sign says on which side it bends.
    auto bend = [&]() {
        auto *item = dynamic_cast<QGraphicsPathItem *>(slur->item);
        if (!item)
            return 0.0;
        const QPair<QPointF, QPointF> ends = slurEnds(item);
        const QPointF middle = item->sceneBoundingRect().center();
        const QPointF chord = (ends.first + ends.second) / 2;
        return horizontal ? middle.y() - chord.y() : middle.x() - chord.x();
    };
    auto selectSlur = [&]() {
        score->scene->clearSelection();
        slur->item->setSelected(true);
        return slur->item->isSelected();
    };
    // The first curve's first control point, where a shift of c1 shows.
    auto control = [&]() {
        auto *item = dynamic_cast<QGraphicsPathItem *>(slur->item);
        return item ? item->mapToScene(QPointF(item->path().elementAt(1))) : QPointF();
    };
    const double before = bend();
    QVERIFY(before != 0.0);

    QVERIFY(selectSlur());
    score->reverseCommands();
    QCOMPARE(score->undoStack->count(), 1);
    QVERIFY(slur->userPlacement != 0);
    QVERIFY2(bend() * before < 0.0, "the inverted slur bends to the other side");

    const double controls = slur->slurControlY1;
    const QPointF unshifted = control();
    QVERIFY(selectSlur());
    score->slurShiftUpDownCommand(true, true);
    QCOMPARE(score->undoStack->count(), 2);
    QVERIFY(slur->slurControlY1 != controls);
    QVERIFY2((control() - unshifted).manhattanLength() > 0.1, "the shifted curve is drawn");

    score->undoStack->undo();
    score->undoStack->undo();
    QCOMPARE(slur->userPlacement, 0);
    QCOMPARE(slur->slurControlY1, controls);
}

VELMORA_TEST_MAIN(TestSpanSystems)

} // namespace tst_span_systems
#include "tst_span_systems.moc"
