// Wavy lines, long-repeat marks and glissandi on generated scenes: one
// movable tagged wavy line per system (later pieces plain, after the next
// system's head; rotated beside the note in vertical writing); the long
// repeat glyph of each kind within a line, across a line end and in
// vertical writing, the simile mark never stretched; glissandi wavy and
// slides straight as the dispatcher sends them, the "Glissando" glyph only
// on longer lines, two pieces across a line break. Stops without starts
// and glissandi without a note before them draw nothing.
#include "drawing/longrep.h"
#include "drawing/mypath.h"
#include "layout/aligner.h"
#include "layout/alignitem.h"
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
#include "support/scorefile.h"
#include "support/staffheads.h"
#include "support/testenvironment.h"
#include "support/voicescore.h"
#include "view/scene.h"

#include <QFile>
#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>

#include <QSet>

#include <algorithm>

namespace tst_span_lines {

using TestSupport::VoiceScore;

namespace {

QList<MyPath *> paths(const Score &score)
{
    QList<MyPath *> found;
    for (QGraphicsItem *item : score.scene->items()) {
        if (auto *path = dynamic_cast<MyPath *>(item))
            found.append(path);
    }
    return found;
}

QStringList glyphIds(const QList<QGraphicsItem *> &items)
{
    QStringList ids;
    for (QGraphicsItem *item : items) {
        if (auto *svg = dynamic_cast<GlyphItem *>(item))
            ids.append(svg->elementId());
    }
    return ids;
}

// The top-level items a call added to the scene.
QList<QGraphicsItem *> added(const Score &score, const QSet<QGraphicsItem *> &before)
{
    QList<QGraphicsItem *> result;
    for (QGraphicsItem *item : score.scene->items()) {
        if (!item->parentItem() && !before.contains(item))
            result.append(item);
    }
    return result;
}

QSet<QGraphicsItem *> snapshot(const Score &score)
{
    const QList<QGraphicsItem *> items = score.scene->items();
    return QSet<QGraphicsItem *>(items.begin(), items.end());
}

Notation *wavyStart(Note *note)
{
    auto *wavy = new Notation(note);
    wavy->kind = 11;
    note->notations.append(wavy);
    note->wavyLine = 1;
    note->wavyLineNotation = wavy;
    return wavy;
}

} // namespace

class TestSpanLines : public QObject
{
    Q_OBJECT

private slots:
    void wavyLinePerSystem_data();
    void wavyLinePerSystem();
    void wavyLineLengthScaleAndStrayStops();
    void longRepeatGlyphs_data();
    void longRepeatGlyphs();
    void simileNeverStretched_data();
    void simileNeverStretched();
    void glissandoAndSlide_data();
    void glissandoAndSlide();
    void glissandoStartsPastMeriMark_data();
    void glissandoStartsPastMeriMark();
    void glissandoGlyphOnlyOnLongerLines();
    void glissandoAcrossLineBreak_data();
    void glissandoAcrossLineBreak();
    void glissandoWithoutNoteBeforeDrawsNothing();
    void spanFiles_data();
    void spanFiles();
};

void TestSpanLines::wavyLinePerSystem_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("perLine");
    QTest::newRow("one system") << true << 4;
    QTest::newRow("across a break") << true << 1;
    QTest::newRow("vertical, one column") << false << 4;
    QTest::newRow("vertical, across a break") << false << 1;
}

void TestSpanLines::wavyLinePerSystem()
{
    QFETCH(bool, horizontal);
    QFETCH(int, perLine);
    VoiceScore f(horizontal);
    Part *part = f.addPart(QStringLiteral("P"), NotationStyle::TozanTrad);
    f.score.page->measurePerLine = perLine;
    f.addMeasure();
    Note *start = f.addNotes(0, QStringLiteral("C5/2 D5/2")).at(0);
    Notation *wavy = wavyStart(start);
    f.addMeasure();
    f.addNotes(0, QStringLiteral("E5/2 F5/2")).at(0)->wavyLine = 2;
    f.build();

    const Score &score = f.score;
    const double k = score.page->scaleFactor;
    const double n = part->noteFontSize;
    const Measure *second = score.measures.at(1);
    const bool broken = score.measures.at(0)->lineIndex != second->lineIndex;
    QCOMPARE(broken, perLine == 1);
    const QList<MyPath *> drawn = paths(score);
    QCOMPARE(drawn.size(), broken ? 2 : 1);

    MyPath *first = dynamic_cast<MyPath *>(wavy->item);
    QVERIFY(first);
    QVERIFY(drawn.contains(first));
    QCOMPARE(first->flags() & (QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable),
             QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
    QCOMPARE(first->zValue(), 10.0);
    QCOMPARE(first->data(TagType).toInt(), int(NotationItem));
    QCOMPARE(first->kind, 2);
    QCOMPARE(first->rotation(), horizontal ? 0.0 : 90.0);
    const AlignItem *head = f.items(0, 0).at(start->firstAlignItem);
    if (!horizontal) {
        // Beside the note: 1.8 note sizes across from it, or as far as its
        // column reaches.
        const Measure *m = score.measures.at(0);
        const double columnEnd = (m->originX + m->width) * k;
        const double beside = (1.8 * n + head->finalX) * k;
        const double overrun = first->sceneBoundingRect().right() - columnEnd;
        QVERIFY(overrun < 0.01);
        if (overrun < -0.01)
            QVERIFY(qAbs(first->pos().x() - beside) < 0.01);
        else
            QVERIFY(first->pos().x() < beside);
    }

    if (broken) {
        MyPath *later = drawn.at(drawn.indexOf(first) == 0 ? 1 : 0);
        QCOMPARE(later->flags() & QGraphicsItem::ItemIsMovable, 0);
        // The later piece starts where the next system's notes begin.
        const double begin =
            (horizontal ? second->originX : second->originY) + second->aligner->headWidth();
        QVERIFY(qAbs((horizontal ? later->pos().x() : later->pos().y()) - begin * k) < 0.01);
        QVERIFY(later->length > 0.0);
    }
    QVERIFY(first->length > 0.0);
}

void TestSpanLines::wavyLineLengthScaleAndStrayStops()
{
    auto lengthFor = [](double scale, bool strayStops) {
        VoiceScore f;
        f.addPart(QStringLiteral("P"), NotationStyle::TozanTrad);
        f.addMeasure();
        const QList<Note *> notes = f.addNotes(0, QStringLiteral("C5/4 D5/4 E5/4 F5/4"));
        if (strayStops) {
            // A stop before any start, and a second stop after the line.
            notes.at(0)->wavyLine = 2;
            wavyStart(notes.at(1));
            notes.at(2)->wavyLine = 2;
            notes.at(3)->wavyLine = 2;
        } else {
            wavyStart(notes.at(0))->scale = scale;
            notes.at(3)->wavyLine = 2;
        }
        f.build();
        const QList<MyPath *> drawn = paths(f.score);
        return drawn.size() == 1 ? drawn.first()->length : -double(drawn.size());
    };
    const double plain = lengthFor(1.0, false);
    QVERIFY(plain > 0.0);
    QVERIFY(qAbs(lengthFor(2.0, false) - 2.0 * plain) < 1e-6);
    QVERIFY(lengthFor(1.0, true) > 0.0); // exactly one line
}

void TestSpanLines::longRepeatGlyphs_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("perLine");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("ids");
    QTest::newRow("long repeat, one line")
        << true << 4 << 2 << QStringList{QStringLiteral("LongRepeat1")};
    QTest::newRow("long repeat, two lines")
        << true << 1 << 2
        << QStringList{QStringLiteral("LongRepeat1Head"), QStringLiteral("LongRepeat1Tail")};
    QTest::newRow("long repeat, vertical")
        << false << 4 << 2 << QStringList{QStringLiteral("LongRepeat1_V")};
    QTest::newRow("long repeat, vertical, two columns")
        << false << 1 << 2
        << QStringList{QStringLiteral("LongRepeat1Head_V"), QStringLiteral("LongRepeat1Tail_V")};
    QTest::newRow("step up, two lines")
        << true << 1 << 9 << QStringList{QStringLiteral("StepUp"), QStringLiteral("StepUp")};
    QTest::newRow("accelerating repeat")
        << true << 4 << 6 << QStringList{QStringLiteral("LongRepeatAc")};
    QTest::newRow("unknown kind") << true << 4 << 11 << QStringList();
}

void TestSpanLines::longRepeatGlyphs()
{
    QFETCH(bool, horizontal);
    QFETCH(int, perLine);
    QFETCH(int, kind);
    QFETCH(QStringList, ids);
    VoiceScore f(horizontal);
    Part *part = f.addPart(QStringLiteral("P"), NotationStyle::KinkoSimple);
    f.score.page->measurePerLine = perLine;
    Measure *one = f.addMeasure();
    f.addNotes(0, QStringLiteral("C5/1"));
    Measure *two = f.addMeasure();
    f.addNotes(0, QStringLiteral("D5/1"));
    f.build();
    LongRep *mark = part->longRepeats.at(0);
    const QSet<QGraphicsItem *> before = snapshot(f.score);

    const double startAlong = horizontal ? one->originX + 5.0 : one->originY + 5.0;
    const double endAlong = horizontal ? two->originX + 20.0 : two->originY + 20.0;
    mark->longRepStop(two, 30.0, endAlong); // no start yet: nothing
    QVERIFY(added(f.score, before).isEmpty());
    mark->longRepStart(one, nullptr, 30.0, startAlong, kind);
    mark->longRepStop(two, 30.0, endAlong);
    const QList<QGraphicsItem *> drawn = added(f.score, before);
    QStringList got = glyphIds(drawn);
    got.sort();
    QCOMPARE(got, ids);
    for (QGraphicsItem *item : drawn) {
        QVERIFY(item->transform().m11() > 0.0 && item->transform().m22() > 0.0);
        QCOMPARE(item->flags() & QGraphicsItem::ItemIsMovable, 0);
    }
    QVERIFY(!mark->started);
}

void TestSpanLines::simileNeverStretched_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<double>("span");    // note sizes
    QTest::addColumn<double>("stretch"); // along, in glyph scales
    QTest::newRow("long span") << true << 4.0 << 1.0;
    QTest::newRow("one note size") << true << 1.0 << 1.0;
    QTest::newRow("short span") << true << 0.5 << 0.5;
    QTest::newRow("vertical, long span") << false << 4.0 << 1.0;
    QTest::newRow("vertical, short span") << false << 0.5 << 1.0;
}

void TestSpanLines::simileNeverStretched()
{
    QFETCH(bool, horizontal);
    QFETCH(double, span);
    QFETCH(double, stretch);
    VoiceScore f(horizontal);
    Part *part = f.addPart(QStringLiteral("P"), NotationStyle::KinkoSimple);
    Measure *m = f.addMeasure();
    f.addNotes(0, QStringLiteral("C5/1"));
    f.build();
    const QSet<QGraphicsItem *> before = snapshot(f.score);
    const double n = part->noteFontSize;
    const double g = n * f.score.page->glyphScale;
    const double along = horizontal ? m->originX + 2.0 : m->originY + 2.0;
    part->longRepeats.at(0)->longRepSingle(m, nullptr, 20.0, along, along + span * n, 1);
    const QList<QGraphicsItem *> drawn = added(f.score, before);
    QCOMPARE(glyphIds(drawn), QStringList{horizontal ? "Simile" : "Simile_V"});
    const QTransform t = drawn.first()->transform();
    QVERIFY(qAbs((horizontal ? t.m11() : t.m22()) - stretch * g) < 1e-9);
    QVERIFY(qAbs((horizontal ? t.m22() : t.m11()) - g) < 1e-9);
    // Centred in its span when shorter than one note size.
    if (span < 1.0 && horizontal) {
        const QRectF box = drawn.first()->sceneBoundingRect();
        const double k = f.score.page->scaleFactor;
        QVERIFY(qAbs(box.center().x() - (along + 0.5 * span * n) * k) < 0.5);
    }
}

void TestSpanLines::glissandoAndSlide_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("slide");
    QTest::newRow("glissando") << int(NotationStyle::TozanTrad) << false;
    QTest::newRow("slide") << int(NotationStyle::TozanTrad) << true;
    QTest::newRow("staff glissando") << int(NotationStyle::StaffNotation) << false;
    QTest::newRow("staff slide") << int(NotationStyle::StaffNotation) << true;
}

void TestSpanLines::glissandoAndSlide()
{
    QFETCH(int, style);
    QFETCH(bool, slide);
    VoiceScore f;
    f.addPart(QStringLiteral("P"), style);
    f.addMeasure();
    const QList<Note *> notes = f.addNotes(0, QStringLiteral("C5/2 G5/2"));
    notes.at(0)->glissando = slide ? 0 : 1;
    notes.at(0)->slide = slide ? 1 : 0;
    notes.at(1)->glissando = slide ? 0 : 2;
    notes.at(1)->slide = slide ? 2 : 0;
    TestSupport::drawVoiceScore(f, style == NotationStyle::StaffNotation);

    // The only turned item is the line (with its glyph when long enough).
    QList<QGraphicsItem *> turned;
    for (QGraphicsItem *item : f.score.scene->items()) {
        if (!item->parentItem() && item->rotation() != 0.0)
            turned.append(item);
    }
    QCOMPARE(turned.size(), 1);
    QList<QGraphicsItem *> pieces = turned.first()->childItems();
    if (pieces.isEmpty())
        pieces.append(turned.first());
    else
        QCOMPARE(glyphIds(pieces), QStringList{"Glissando"});
    int wavy = 0;
    int straight = 0;
    for (QGraphicsItem *piece : std::as_const(pieces)) {
        if (auto *path = dynamic_cast<MyPath *>(piece)) {
            QCOMPARE(path->kind, 3);
            ++wavy;
        }
        straight += dynamic_cast<QGraphicsLineItem *>(piece) ? 1 : 0;
    }
    // The glissando is drawn wavy, the slide straight.
    QCOMPARE(wavy, slide ? 0 : 1);
    QCOMPARE(straight, slide ? 1 : 0);
    // Rising to the right: turned up.
    QVERIFY(turned.first()->rotation() < 0.0);
}

void TestSpanLines::glissandoStartsPastMeriMark_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

// A glissando from a meri note (its name with the meri mark beside it)
// starts past the mark with air, and the spacing gives its line room for
// its glyph.
void TestSpanLines::glissandoStartsPastMeriMark()
{
    QFETCH(bool, horizontal);
    const auto score = TestSupport::generatedScore(
        TestSupport::fixturePath(QStringLiteral("spans/33x-Spans-GlissandoFromMeri.xml")),
        NotationStyle::KinkoSimple, horizontal);
    QVERIFY(score);
    const double k = score->page->scaleFactor;
    // The glissandi, in reading order: the turned top-level items.
    QList<QGraphicsItem *> lines;
    for (QGraphicsItem *item : score->scene->items()) {
        if (!item->parentItem() && item->rotation() != 0.0)
            lines.append(item);
    }
    auto along = [horizontal](const QPointF &p) { return horizontal ? p.x() : p.y(); };
    std::sort(lines.begin(), lines.end(), [&](QGraphicsItem *a, QGraphicsItem *b) {
        return along(a->scenePos()) < along(b->scenePos());
    });
    QCOMPARE(lines.size(), 3);
    const QList<std::pair<int, int>> starts = {{0, 0}, {0, 2}, {1, 0}};
    for (int i = 0; i < lines.size(); ++i) {
        const Measure *m = score->measures.at(starts.at(i).first);
        const Note *start = m->parts.at(0)->voices.at(0)->notes.at(starts.at(i).second);
        const double n = score->parts.at(0)->noteFontSize;
        const double nameEnd = m->getFinalEndLocation(0, 0, start->firstAlignItem);
        // Past the name and its meri mark with air, long enough for its glyph.
        QVERIFY2(along(lines.at(i)->scenePos()) / k >= nameEnd + 0.2 * n,
                 qPrintable(QStringLiteral("line %1 starts %2 mm past the name")
                                .arg(i)
                                .arg(along(lines.at(i)->scenePos()) / k - nameEnd)));
        QCOMPARE(glyphIds(lines.at(i)->childItems()), QStringList{"Glissando"});
    }
}

void TestSpanLines::glissandoGlyphOnlyOnLongerLines()
{
    for (bool horizontal : {true, false}) {
        VoiceScore f(horizontal);
        Part *part = f.addPart(QStringLiteral("P"), NotationStyle::TozanTrad);
        Measure *m = f.addMeasure();
        const QList<Note *> notes = f.addNotes(0, QStringLiteral("C5/2 D5/2"));
        f.build();
        const double n = part->noteFontSize;
        // Move the end note's glyph next to the start note's, then far away.
        AlignItem *startItem = f.items(0, 0).at(notes.at(0)->firstAlignItem);
        AlignItem *endItem = f.items(0, 0).at(notes.at(1)->firstAlignItem);
        const double startEnd = m->getFinalEndLocation(0, 0, notes.at(0)->firstAlignItem);
        double &endAlong = horizontal ? endItem->finalX : endItem->finalY;
        const double endBase = endAlong - m->getItemFinalRefPos(0, 0, notes.at(1)->firstAlignItem);
        (horizontal ? endItem->finalY : endItem->finalX) =
            horizontal ? startItem->finalY : startItem->finalX;
        for (double gap : {0.5, 3.0}) {
            endAlong = startEnd + 0.2 * n + gap * n - endBase;
            const QSet<QGraphicsItem *> before = snapshot(f.score);
            f.score.addGlissando(m, 0, 0, notes.at(1), false);
            const QList<QGraphicsItem *> drawn = added(f.score, before);
            QCOMPARE(drawn.size(), 1);
            const bool grouped = dynamic_cast<QGraphicsItemGroup *>(drawn.first());
            QCOMPARE(grouped, gap > 0.7);
            if (grouped)
                QCOMPARE(glyphIds(drawn.first()->childItems()), QStringList{"Glissando"});
            else
                QVERIFY(dynamic_cast<QGraphicsLineItem *>(drawn.first()));
        }
    }
}

void TestSpanLines::glissandoAcrossLineBreak_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("wavy");
    QTest::addColumn<bool>("staff");
    // A traditional note stands right after its line's head: its entering
    // piece begins before the head.
    QTest::newRow("slide") << true << false << false;
    QTest::newRow("glissando") << true << true << false;
    QTest::newRow("vertical slide") << false << false << false;
    QTest::newRow("vertical glissando") << false << true << false;
    QTest::newRow("staff slide") << true << false << true;
    QTest::newRow("staff glissando") << true << true << true;
    QTest::newRow("staff, vertical slide") << false << false << true;
    QTest::newRow("staff, vertical glissando") << false << true << true;
}

void TestSpanLines::glissandoAcrossLineBreak()
{
    QFETCH(bool, horizontal);
    QFETCH(bool, wavy);
    QFETCH(bool, staff);
    VoiceScore f(horizontal);
    Part *part = f.addPart(QStringLiteral("P"),
                           staff ? NotationStyle::StaffNotation : NotationStyle::TozanTrad);
    f.score.page->measurePerLine = 1;
    f.addMeasure();
    f.addNotes(0, QStringLiteral("C5/2 D5/2"));
    Measure *second = f.addMeasure();
    Note *end = f.addNotes(0, QStringLiteral("A5/2 r/2")).at(0);
    // The line ends there, so the layout makes room for its entering piece.
    (wavy ? end->glissando : end->slide) = 2;
    TestSupport::drawVoiceScore(f, staff);
    const Measure *first = f.score.measures.at(0);
    QVERIFY(first->lineIndex != second->lineIndex);

    const QSet<QGraphicsItem *> before = snapshot(f.score);
    if (staff)
        f.score.addStaffGlissando(second, 0, 0, end, wavy);
    else
        f.score.addGlissando(second, 0, 0, end, wavy);
    const QList<QGraphicsItem *> drawn = added(f.score, before);
    QCOMPARE(drawn.size(), 2);
    const double k = f.score.page->scaleFactor;
    const double n = part->noteFontSize;
    const double lineEnd =
        horizontal ? first->originX + first->width : first->originY + first->height;
    auto reachesLineEnd = [&](QGraphicsItem *leaving) {
        const QRectF box = leaving->sceneBoundingRect();
        const double end = horizontal ? box.right() : box.bottom();
        return qAbs(end - lineEnd * k) < n * k;
    };

    // The piece that enters the new line is tilted by 15 degrees from the
    // reading direction and carries no glyph.
    QGraphicsItem *entering = nullptr;
    for (QGraphicsItem *item : drawn) {
        const double tilt = item->rotation() - ((wavy && !horizontal) ? 90.0 : 0.0);
        if (qAbs(qAbs(tilt) - 15.0) < 1e-9 && glyphIds(item->childItems()).isEmpty())
            entering = item;
    }
    QVERIFY(entering);
    QCOMPARE(bool(dynamic_cast<MyPath *>(entering)), wavy);
    // After the head in staff notation; at least one note size long, and
    // never before the line, in the notations without clef.
    const double lineStart = horizontal ? second->originX : second->originY;
    const double entry = lineStart + second->aligner->headWidth();
    const double begin = horizontal ? entering->pos().x() : entering->pos().y();
    if (staff)
        QVERIFY(qAbs(begin - entry * k) < 0.01);
    else
        QVERIFY(begin >= lineStart * k - 0.01 && begin <= entry * k + 0.01);
    // A stroke that reads as one, not a speck, even where the note stands
    // right after the line's start.
    const double stroke = wavy ? static_cast<MyPath *>(entering)->length
                               : static_cast<QGraphicsLineItem *>(entering)->line().length();
    QVERIFY2(stroke >= 0.99 * n * k, qPrintable(QString::number(stroke / (n * k))));
    // It arrives at the end note's height.
    const QPointF far =
        entering->mapToScene(wavy ? QPointF(static_cast<MyPath *>(entering)->length, 0.0)
                                  : static_cast<QGraphicsLineItem *>(entering)->line().p2());
    const QPointF note = second->getItemFinalRefPoint(0, 0, end->firstAlignItem) * k;
    const double across = horizontal ? far.y() - note.y() : far.x() - note.x();
    QVERIFY2(qAbs(across) < n * k, qPrintable(QString::number(across)));

    // The other piece runs to the end of the first line.
    QVERIFY(reachesLineEnd(drawn.at(drawn.indexOf(entering) == 0 ? 1 : 0)));
}

void TestSpanLines::glissandoWithoutNoteBeforeDrawsNothing()
{
    VoiceScore f;
    f.addPart(QStringLiteral("P"), NotationStyle::TozanTrad);
    f.addMeasure();
    Note *first = f.addNotes(0, QStringLiteral("C5/2 D5/2")).at(0);
    f.addMeasure();
    Note *next = f.addNotes(0, QStringLiteral("E5/2"), 2).at(0); // voice 2 only here
    first->glissando = 2;
    first->slide = 2;
    f.build();
    const QSet<QGraphicsItem *> before = snapshot(f.score);
    // The very first note, and a note whose voice was empty the measure before.
    f.score.addGlissando(f.score.measures.at(0), 0, 0, first, true);
    f.score.addGlissando(f.score.measures.at(1), 0, 1, next, false);
    // A note that is not in the voice.
    f.score.addGlissando(f.score.measures.at(1), 0, 0, first, false);
    QVERIFY(added(f.score, before).isEmpty());
    QVERIFY(paths(f.score).isEmpty());
}

void TestSpanLines::spanFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("wavyLines"); // wavy-line spans in the file
    QTest::addColumn<int>("glissandi"); // drawn wavy
    QTest::addColumn<int>("slides");    // drawn straight
    const QString spanners = QStringLiteral("33a-Spanners.xml");
    const QString glissandi = QStringLiteral("33h-Spanners-Glissando.xml");
    QTest::newRow("trills") << spanners << true << 2 << 1 << 1;
    QTest::newRow("trills, vertical") << spanners << false << 2 << 1 << 1;
    QTest::newRow("glissandi") << glissandi << true << 0 << 5 << 5;
    QTest::newRow("glissandi, vertical") << glissandi << false << 0 << 5 << 5;
}

void TestSpanLines::spanFiles()
{
    QFETCH(QString, file);
    QFETCH(bool, horizontal);
    QFETCH(int, wavyLines);
    QFETCH(int, glissandi);
    QFETCH(int, slides);
    Score score(QStringLiteral("5.3.1"), 1, false);
    QFile xml(TestSupport::fixturePath("corpus/lilypond-musicxml-testsuite/" + file));
    QVERIFY(xml.open(QIODevice::ReadOnly));
    score.documentText = QString::fromUtf8(xml.readAll());
    QVERIFY(score.parseScoreXml(false));
    score.parts.at(0)->notationStyle = NotationStyle::TozanTrad;
    score.page->horizontal = horizontal;
    QVERIFY(score.generateScore());

    // The movable first piece of each wavy line stands for its notation.
    QSet<QGraphicsItem *> wavyLineItems;
    for (const Measure *m : std::as_const(score.measures)) {
        for (const Voice *v : m->parts.at(0)->voices) {
            for (const Note *note : v->notes) {
                if (note->wavyLineNotation && note->wavyLineNotation->item)
                    wavyLineItems.insert(note->wavyLineNotation->item);
            }
        }
    }
    int movable = 0;
    int wavy = 0;
    int straight = 0;
    for (QGraphicsItem *item : score.scene->items()) {
        if (auto *path = dynamic_cast<MyPath *>(item)) {
            movable += path->kind == 2 && (path->flags() & QGraphicsItem::ItemIsMovable) &&
                               wavyLineItems.contains(path)
                           ? 1
                           : 0;
            wavy += path->kind == 3 ? 1 : 0;
        }
        // A straight glissando line is turned toward its end note, alone or
        // in a group with its glyph.
        if (auto *line = dynamic_cast<QGraphicsLineItem *>(item)) {
            QGraphicsItem *top = line->parentItem() ? line->parentItem() : line;
            const bool glyph = glyphIds(top->childItems()).contains(QStringLiteral("Glissando"));
            straight += (glyph || (!line->parentItem() && line->rotation() != 0.0)) ? 1 : 0;
        }
    }
    QCOMPARE(movable, wavyLines);
    QCOMPARE(wavy, glissandi);
    QCOMPARE(straight, slides);
}

VELMORA_TEST_MAIN(TestSpanLines)

} // namespace tst_span_lines
#include "tst_span_lines.moc"
