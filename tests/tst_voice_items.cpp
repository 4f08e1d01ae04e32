// The voice step of the item generation on scores laid out by the real
// line layout: where every voice's glyphs land in both writing directions,
// note output and "Simile", the movable octave-instruction marks, KinkoTrad
// strokes and KotoSeiha beams, rhythm dots, part labels, and the mends (a
// note without items is skipped, divisions 0, strokes start fresh).
#include "drawing/beams.h"
#include "drawing/mytextitem.h"
#include "layout/aligner.h"
#include "layout/alignitem.h"
#include "model/glyphitem.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "support/messagecapture.h"
#include "support/testenvironment.h"
#include "support/voicescore.h"
#include "view/scene.h"

#include <QGraphicsLineItem>
#include <QSet>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace tst_voice_items {

using TestSupport::VoiceScore;

namespace {

template <class T> QList<T *> sceneItems(const Score &score)
{
    QList<T *> found;
    const QList<QGraphicsItem *> items = score.scene->items(Qt::AscendingOrder);
    for (QGraphicsItem *item : items) {
        if (auto *t = dynamic_cast<T *>(item))
            found.append(t);
    }
    return found;
}

// The SVG items of the scene that draw `glyphId`.
QList<GlyphItem *> glyphsNamed(const Score &score, const QString &glyphId)
{
    QList<GlyphItem *> found;
    for (GlyphItem *item : sceneItems<GlyphItem>(score)) {
        if (item->elementId() == glyphId)
            found.append(item);
    }
    return found;
}

// Beam and stroke lines: the line items at z-value 0 (bar, stage and
// boundary lines lie below at -20).
QList<QGraphicsLineItem *> lines(const Score &score)
{
    QList<QGraphicsLineItem *> found;
    for (QGraphicsLineItem *line : sceneItems<QGraphicsLineItem>(score)) {
        if (line->zValue() == 0.0)
            found.append(line);
    }
    return found;
}

bool near(double a, double b)
{
    return std::abs(a - b) < 1e-6;
}

// A 2-part KinkoSimple score of two 4/4 measures.
void fillTwoParts(VoiceScore &f)
{
    f.addPart(QStringLiteral("Shakuhachi"), NotationStyle::KinkoSimple);
    f.addPart(QStringLiteral("Koto"), NotationStyle::KinkoSimple);
    f.addMeasure();
    f.addNotes(0, QStringLiteral("D4/4 F4/8 G4/8 A4/2"));
    f.addNotes(1, QStringLiteral("A4/2 C5/2"));
    f.addMeasure();
    f.addNotes(0, QStringLiteral("D5/1"));
    f.addNotes(1, QStringLiteral("D4/4 D4/4 r/2"));
}

} // namespace

class TestVoiceItems : public QObject
{
    Q_OBJECT

private slots:
    void glyphsPlacedByTheRule_data();
    void glyphsPlacedByTheRule();
    void noteOutputOffAndSimile();
    void octaveMarks_data();
    void octaveMarks();
    void hiddenNotesAndSkippedNotes();
    void multiMeasureRestDrawsNoNotes();
    void beamsDrawing_data();
    void beamsDrawing();
    void kinkoTradStrokes_data();
    void kinkoTradStrokes();
    void kotoSeihaBeamsFlipped();
    void rhythmDots_data();
    void rhythmDots();
    void partLabels_data();
    void partLabels();
};

void TestVoiceItems::glyphsPlacedByTheRule_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("perLine"); // 12: squeezed measures
    // The whole regeneration, or the fixture's own passes.
    QTest::addColumn<bool>("regenerate");
    QTest::newRow("horizontal") << true << 2 << true;
    QTest::newRow("vertical") << false << 2 << true;
    QTest::newRow("horizontal squeezed") << true << 12 << true;
    QTest::newRow("vertical squeezed") << false << 12 << true;
    QTest::newRow("horizontal, fixture passes") << true << 2 << false;
    QTest::newRow("vertical squeezed, fixture passes") << false << 12 << false;
}

void TestVoiceItems::glyphsPlacedByTheRule()
{
    QFETCH(bool, horizontal);
    QFETCH(int, perLine);
    QFETCH(bool, regenerate);
    VoiceScore f(horizontal);
    fillTwoParts(f);
    for (int i = 2; i < perLine; ++i) {
        f.addMeasure();
        f.addNotes(0, QStringLiteral("D4/16 F4/16 G4/16 A4/16 D4/8 F4/8 G4/4 A4/4"));
        f.addNotes(1, QStringLiteral("D4/1"));
    }
    f.score.page->measurePerLine = perLine;
    f.score.page->measureEqualLength = perLine == 2;
    if (regenerate)
        QVERIFY(f.score.generateScore());
    else
        f.build();
    const Score &score = f.score;
    const double ratio = score.measures.at(0)->aligner->scaleRatio();
    QVERIFY(perLine == 2 ? ratio >= 1.0 : ratio < 1.0);

    // Exactly the glyphs of the voices are in the scene, each once.
    const QList<QGraphicsItem *> glyphs = f.glyphItems();
    QVERIFY(glyphs.size() >= 9);
    QSet<QGraphicsItem *> inScene;
    for (GlyphItem *item : sceneItems<GlyphItem>(score)) {
        if (item->data(TagType).toInt() != OctaveInstItem)
            inScene.insert(item);
    }
    QCOMPARE(inScene, QSet<QGraphicsItem *>(glyphs.cbegin(), glyphs.cend()));

    const double k = score.page->scaleFactor;
    for (int m = 0; m < 2; ++m) {
        const Measure *measure = score.measures.at(m);
        const double q = measure->aligner->scaleRatio();
        const double d = 5.0 * std::min(q, 1.0) * score.style->noteOffset;
        for (int p = 0; p < 2; ++p) {
            const double ref = measure->getPartRefLine(p);
            for (const AlignItem *item : f.items(m, p)) {
                const QPointF pos = item->graphicsItem->pos();
                // A squeezed glyph's offset along shrinks with it; across,
                // its middle stays where it stood at its size.
                const double z = item->glyphScale;
                QVERIFY(z <= 1.0 && z >= std::min(q, 1.0) - 1e-9);
                QTransform full = item->graphicsItem->transform();
                full.scale(1.0 / z, 1.0 / z);
                const QRectF box = item->graphicsItem->boundingRect();
                const QPointF middle = full.mapRect(box).center() -
                                       item->graphicsItem->transform().mapRect(box).center();
                if (horizontal) {
                    const double along = item->fittedPosition + measure->originX + d;
                    QVERIFY(near(item->finalX, along));
                    QVERIFY(near(item->finalY, item->baseOffset + ref));
                    QVERIFY(near(pos.x(), (item->refOffsetX * z + along) * k));
                    QVERIFY(near(pos.y(), (item->refOffsetY + ref) * k + middle.y()));
                } else {
                    const double along = item->fittedPosition + measure->originY + d;
                    QVERIFY(near(item->finalY, along));
                    QVERIFY(near(item->finalX, item->baseOffset + ref));
                    QVERIFY(near(pos.x(), (item->refOffsetX + ref) * k + middle.x()));
                    QVERIFY(near(pos.y(), (item->refOffsetY * z + along) * k));
                }
            }
        }
    }

    // Time runs along the reading direction, the parts lie across it: the
    // first part above (horizontal) or right of (vertical) the second.
    const QPointF first =
        f.note(0, 0, 0)->firstAlignItem >= 0
            ? f.items(0, 0).at(f.note(0, 0, 0)->firstAlignItem)->graphicsItem->pos()
            : QPointF();
    const QPointF later = f.items(0, 0).at(f.note(0, 0, 3)->firstAlignItem)->graphicsItem->pos();
    const QPointF other = f.items(0, 1).at(f.note(0, 1, 0)->firstAlignItem)->graphicsItem->pos();
    if (horizontal) {
        QVERIFY(later.x() > first.x());
        QVERIFY(other.y() > first.y());
    } else {
        QVERIFY(later.y() > first.y());
        QVERIFY(other.x() < first.x());
    }
}

void TestVoiceItems::noteOutputOffAndSimile()
{
    VoiceScore f;
    fillTwoParts(f);
    f.score.parts.at(1)->noteOutput = false;
    f.score.measures.at(1)->simileParts[0] = true;
    f.build();
    QSet<QGraphicsItem *> inScene;
    for (GlyphItem *item : sceneItems<GlyphItem>(f.score))
        inScene.insert(item);
    for (int m = 0; m < 2; ++m) {
        for (const AlignItem *item : f.items(m, 1)) {
            QVERIFY(!inScene.contains(item->graphicsItem));
            // Positions are given all the same, for marks and spans.
            QVERIFY(item->finalX > 0.0);
        }
    }
    for (const AlignItem *item : f.items(0, 0))
        QVERIFY(inScene.contains(item->graphicsItem));
    // The "Simile" measure skips the voice step of part 0.
    for (const AlignItem *item : f.items(1, 0))
        QVERIFY(!inScene.contains(item->graphicsItem));
}

void TestVoiceItems::octaveMarks_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<bool>("moved");
    // Offsets from the note's first item, in note sizes (size 5, defaults
    // ois 0.9, L -0.15, W 0, mark on the right or bottom: side 1.3).
    QTest::addColumn<double>("dx");
    QTest::addColumn<double>("dy");
    // A horizontal mark that is not a double quote is centred on the note
    // glyph (dx then counts from the mark's centre to the glyph's centre).
    QTest::newRow("horizontal Kan") << true << "Kan" << false << -0.15 * 0.9 << 1.3;
    QTest::newRow("horizontal DoubleQuote")
        << true << "DoubleQuote" << false << (-0.15 + 0.3) * 0.9 << -0.2;
    QTest::newRow("vertical Otsu") << false << "Otsu" << false << 1.3 << (-0.15 - 0.1) * 0.9;
    QTest::newRow("vertical DoubleQuote") << false << "DoubleQuote" << false << 0.7 << -0.2 * 0.9;
    QTest::newRow("horizontal moved") << true << "KanWhite" << true << 0.5 << -1.0;
    QTest::newRow("vertical moved") << false << "Kan" << true << -1.0 << 0.5;
}

void TestVoiceItems::octaveMarks()
{
    QFETCH(bool, horizontal);
    QFETCH(QString, mark);
    QFETCH(bool, moved);
    QFETCH(double, dx);
    QFETCH(double, dy);
    VoiceScore f(horizontal);
    f.addPart(QStringLiteral("Shakuhachi"), NotationStyle::KinkoSimple);
    f.addMeasure();
    f.addNotes(0, QStringLiteral("D4/1"));
    f.prepare();
    f.layOut();
    Note *note = f.note(0, 0, 0);
    note->octaveInstMark = mark;
    if (moved)
        note->setOctaveInstOffset(0.5, -1.0); // along, across
    f.generate();

    QCOMPARE(glyphsNamed(f.score, mark).size(), 1);
    QGraphicsItem *item = note->octaveInstItem;
    QVERIFY(item);
    QCOMPARE(glyphsNamed(f.score, mark).first(), item);
    QVERIFY(item->flags() & QGraphicsItem::ItemIsMovable);
    QVERIFY(item->flags() & QGraphicsItem::ItemIsSelectable);
    QVERIFY(item->isVisible());
    QCOMPARE(item->data(TagType).toInt(), int(OctaveInstItem));
    QCOMPARE(itemTag(item, TagMeasure), 0);
    QCOMPARE(itemTag(item, TagNote), 0);

    // The measure is stretched here (ratio above 1), so nothing scales.
    QVERIFY(f.score.measures.at(0)->aligner->scaleRatio() >= 1.0);
    const Measure *m = f.score.measures.at(0);
    const QPointF at = m->getItemFinalPosFrame(0, 0, note->firstAlignItem);
    const double k = f.score.page->scaleFactor;
    if (horizontal && !moved && mark != QLatin1String("DoubleQuote")) {
        const double centre = m->getItemCenter(0, 0, note->firstAlignItem);
        QVERIFY(near(item->sceneBoundingRect().center().x(), (centre + dx * 5.0) * k));
    } else {
        QVERIFY(near(item->pos().x(), (at.x() + dx * 5.0) * k));
    }
    QVERIFY(near(item->pos().y(), (at.y() + dy * 5.0) * k));
}

void TestVoiceItems::hiddenNotesAndSkippedNotes()
{
    VoiceScore f;
    f.addPart(QStringLiteral("Shakuhachi"), NotationStyle::KinkoSimple);
    f.addMeasure();
    f.addNotes(0, QStringLiteral("D4/4 F4/4 G4/4 A4/4"));
    f.prepare();
    f.layOut();
    for (Note *note : f.score.measures.at(0)->parts.at(0)->voices.at(0)->notes)
        note->octaveInstMark = QStringLiteral("Kan");
    f.note(0, 0, 0)->visible = false;
    f.note(0, 0, 1)->firstAlignItem = -1;         // no items: skipped
    f.note(0, 0, 2)->longRepeatMemberFlag = true; // covered: its mark hidden
    TestSupport::MessageCapture capture;
    f.note(0, 0, 3)->firstAlignItem = 99; // beyond the voice's items
    f.generate();

    const Note *hidden = f.note(0, 0, 0);
    QVERIFY(!hidden->octaveInstItem->isVisible());
    QVERIFY(!f.items(0, 0).at(hidden->firstAlignItem)->graphicsItem->isVisible());
    QVERIFY(!f.note(0, 0, 1)->octaveInstItem);
    QVERIFY(f.note(0, 0, 2)->octaveInstItem);
    QVERIFY(!f.note(0, 0, 2)->octaveInstItem->isVisible());
    QVERIFY(!f.note(0, 0, 3)->octaveInstItem);
    QCOMPARE(capture.count(QStringLiteral("generateGraphicItems No align item")), 1);
}

void TestVoiceItems::multiMeasureRestDrawsNoNotes()
{
    VoiceScore f;
    f.addPart(QStringLiteral("Shakuhachi"), NotationStyle::KinkoTrad);
    for (int i = 0; i < 3; ++i) {
        f.addMeasure(4, 4, 2);
        f.addNotes(0, QStringLiteral("r/0"));
    }
    f.score.measures.at(0)->multipleRest = 3;
    f.prepare();
    for (int m = 0; m < 3; ++m)
        f.note(m, 0, 0)->octaveInstMark = QStringLiteral("Kan");
    f.layOut();
    f.generate();
    QCOMPARE(f.score.measures.at(0)->multiRestCount, 3);
    QVERIFY(glyphsNamed(f.score, QStringLiteral("Kan")).isEmpty());
    QVERIFY(glyphsNamed(f.score, QStringLiteral("DotWhite")).isEmpty());
    for (QGraphicsItem *glyph : f.glyphItems())
        QVERIFY(!glyph->scene());
}

void TestVoiceItems::beamsDrawing_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<bool>("flipped");
    // Lines as "a1,c1,a2,c2" in mm (horizontal: x along, y across); beam
    // position 10, spacing 0.7 x 5 x 0.2 = 0.7.
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("no strokes") << "strokes 0" << false << QStringList{};
    QTest::newRow("one stroke") << "strokes 1" << false << QStringList{"2,9.825,8,9.825"};
    QTest::newRow("two strokes keep the first line")
        << "strokes 2" << false << QStringList{"2,9.825,8,9.825", "2,10.525,8,10.525"};
    QTest::newRow("three strokes centred")
        << "strokes 3" << false
        << QStringList{"2,9.125,8,9.125", "2,9.825,8,9.825", "2,10.525,8,10.525"};
    QTest::newRow("level 2") << "end 2" << false << QStringList{"1,11.4,6,11.4"};
    QTest::newRow("level 2 flipped") << "end 2" << true << QStringList{"1,8.6,6,8.6"};
    QTest::newRow("slash flipped")
        << "slash" << true << QStringList{"0,10,6,10", "1.95,8.6,4.05,10.7"};
    QTest::newRow("group beams ignore the flip")
        << "group" << true << QStringList{"0,10,6,10", "0,10.7,6,10.7", "1.95,9.3,4.05,11.4"};
    QTest::newRow("short beam") << "short" << false << QStringList{"3,10,4.05,11.05"};
}

void TestVoiceItems::beamsDrawing()
{
    QFETCH(QString, call);
    QFETCH(bool, flipped);
    QFETCH(QStringList, expected);
    VoiceScore f;
    f.addPart(QStringLiteral("P"), NotationStyle::KinkoTrad);
    Beams beams(&f.score);
    beams.setLineSpacing(0.7, 0);
    beams.setLineWidth(1.5, 0);
    beams.setBeamPos(10.0);
    beams.setFlipped(flipped);
    beams.beamStart(0, 0.0);
    beams.beamStart(2, 1.0);
    if (call.startsWith(QLatin1String("strokes"))) {
        beams.setStrokes(call.section(QLatin1Char(' '), 1).toInt(), 2.0);
        beams.drawStrokes(true, 8.0);
        QCOMPARE(beams.strokeCount(), 0);
    } else if (call == QLatin1String("end 2")) {
        beams.endBeam(2, 6.0, true); // the slash belongs to level 0 only
    } else if (call == QLatin1String("slash")) {
        beams.endBeam(0, 6.0, true);
    } else if (call == QLatin1String("group")) {
        beams.endGroupBeams(6.0);
    } else {
        beams.drawShortBeam(3.0, 1.0);
    }
    const double k = f.score.page->scaleFactor;
    QStringList drawn;
    for (QGraphicsLineItem *line : lines(f.score)) {
        const QLineF l = line->line();
        drawn << QStringLiteral("%1,%2,%3,%4")
                     .arg(std::round(l.x1() / k * 1000) / 1000)
                     .arg(std::round(l.y1() / k * 1000) / 1000)
                     .arg(std::round(l.x2() / k * 1000) / 1000)
                     .arg(std::round(l.y2() / k * 1000) / 1000);
        QCOMPARE(line->pen().capStyle(), Qt::FlatCap);
        QCOMPARE(line->pen().widthF(), 1.5);
    }
    drawn.sort();
    expected.sort();
    QCOMPARE(drawn, expected);
}

void TestVoiceItems::kinkoTradStrokes_data()
{
    QTest::addColumn<QString>("notes");
    QTest::addColumn<int>("lineCount");
    // Segments on the line that every stroke count shares, and whether they
    // meet end to end.
    QTest::addColumn<int>("shared");
    QTest::addColumn<bool>("joined");
    QTest::newRow("quarters: none") << "D4/4 F4/4 G4/4 A4/4" << 0 << 0 << false;
    QTest::newRow("four eighths join into one") << "D4/8 F4/8 G4/8 A4/8 D4/2" << 1 << 1 << true;
    QTest::newRow("dotted eighth has none") << "D4/8. F4/16 G4/4 A4/2" << 2 << 1 << true;
    QTest::newRow("sixteenths then an eighth run on")
        << "D4/16 F4/16 G4/8 A4/4 D4/2" << 3 << 2 << true;
    QTest::newRow("a quarter between eighths splits")
        << "D4/8 F4/8 G4/4 A4/8 D4/8 F4/4" << 2 << 2 << false;
}

void TestVoiceItems::kinkoTradStrokes()
{
    QFETCH(QString, notes);
    QFETCH(int, lineCount);
    QFETCH(int, shared);
    QFETCH(bool, joined);
    VoiceScore f;
    f.addPart(QStringLiteral("Shakuhachi"), NotationStyle::KinkoTrad);
    f.addMeasure();
    f.addNotes(0, notes);
    f.prepare();
    f.layOut();
    // A run left open by an earlier picture must not go on.
    f.score.parts.at(0)->beams.at(0)->setStrokes(3, 0.0);
    f.generate();
    QList<QGraphicsLineItem *> drawn = lines(f.score);
    QCOMPARE(drawn.size(), lineCount);
    QCOMPARE(f.score.parts.at(0)->beams.at(0)->strokeCount(), 0);
    if (drawn.isEmpty())
        return;
    // The first stroke of the first note lies on the shared line.
    std::sort(drawn.begin(), drawn.end(), [](QGraphicsLineItem *a, QGraphicsLineItem *b) {
        return a->line().x1() < b->line().x1();
    });
    const double cross = drawn.first()->line().y1();
    QList<QLineF> onShared;
    for (const QGraphicsLineItem *line : std::as_const(drawn)) {
        QVERIFY(line->line().length() > 0.0);
        if (near(line->line().y1(), cross))
            onShared << line->line();
    }
    QCOMPARE(onShared.size(), shared);
    for (int i = 1; i < onShared.size(); ++i)
        QCOMPARE(near(onShared.at(i - 1).x2(), onShared.at(i).x1()), joined);
}

void TestVoiceItems::kotoSeihaBeamsFlipped()
{
    VoiceScore f;
    f.addPart(QStringLiteral("Koto"), NotationStyle::KotoSeiha);
    f.addMeasure();
    const QList<Note *> notes = f.addNotes(0, QStringLiteral("D4/16 F4/16 G4/8 A4/4 D4/2"));
    // One group: level 1 over the three notes, level 2 over the sixteenths.
    const QList<std::array<int, Note::levelCount>> group{{1, 1}, {2, 3}, {3}};
    for (int i = 0; i < 3; ++i)
        notes.at(i)->beamTypes = notes.at(i)->joinedBeams = group.at(i);
    f.prepare();
    f.layOut();
    f.generate();
    const Beams *beams = f.score.parts.at(0)->beams.at(0);
    QVERIFY(beams->flipped());
    // Two levels: the second stacks towards smaller y, away from the notes.
    QList<double> crosses;
    for (QGraphicsLineItem *line : lines(f.score))
        crosses << line->line().y1();
    std::sort(crosses.begin(), crosses.end());
    QCOMPARE(crosses.size(), 2);
    const double k = f.score.page->scaleFactor;
    QVERIFY(near(crosses.last() - crosses.first(), beams->lineSpacing() * k));
    QVERIFY(near(crosses.last() / k, beams->beamPos()));
}

void TestVoiceItems::rhythmDots_data()
{
    QTest::addColumn<int>("divisions");
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QStringList>("dots");
    QTest::newRow("quarter") << 2 << "D4/4 F4/4 G4/2"
                             << QStringList{"DotWhite", "DotWhite", "DotWhite", "DotWhite"};
    QTest::newRow("dotted quarter and eighth")
        << 2 << "D4/4. F4/8 G4/2"
        << QStringList{"DotWhite", "DotBlack", "DotBlack", "DotWhite", "DotWhite"};
    // The sixteenth (k = 0) leaves the count behind: the dotted eighth and
    // the quarter after it are each linked, circle and triangle in turn.
    QTest::newRow("sixteenth on the beat links the next")
        << 4 << "D4/16 F4/8. G4/4 A4/2"
        << QStringList{"DotBlack", "DotCircle", "DotTri", "DotWhite", "DotWhite", "DotWhite"};
    QTest::newRow("eighth triplet marked once")
        << 3 << "D4/8=1 F4/8=1 G4/8=1 A4/4 D4/2"
        << QStringList{"DotWhite", "DotWhite", "DotWhite", "DotWhite"};
    QTest::newRow("divisions 0: no dots") << 0 << "D4/4=1 F4/4=1" << QStringList{};
}

void TestVoiceItems::rhythmDots()
{
    QFETCH(int, divisions);
    QFETCH(QString, notes);
    QFETCH(QStringList, dots);
    VoiceScore f;
    f.addPart(QStringLiteral("Shakuhachi"), NotationStyle::KinkoTrad);
    f.addMeasure(4, 4, divisions);
    const QList<Note *> added = f.addNotes(0, notes);
    if (notes.contains(QLatin1String("=1 F4/8=1"))) {
        added.at(0)->tupletState[0] = 1;
        added.at(2)->tupletState[0] = 2;
    }
    f.build();
    QStringList drawn;
    QList<GlyphItem *> items;
    for (GlyphItem *item : sceneItems<GlyphItem>(f.score)) {
        if (item->elementId().startsWith(QLatin1String("Dot")) &&
            f.score.parts.at(0)->noteFontRenderer->elementExists(item->elementId()) &&
            !f.glyphItems().contains(item)) {
            drawn << item->elementId();
            items << item;
        }
    }
    // Dots follow the notes along x (horizontal writing).
    std::vector<int> order(items.size());
    for (int i = 0; i < int(order.size()); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return items.at(a)->pos().x() < items.at(b)->pos().x(); });
    QStringList sorted;
    for (int i : order)
        sorted << drawn.at(i);
    QCOMPARE(sorted, dots);
}

void TestVoiceItems::partLabels_data()
{
    QTest::addColumn<bool>("full");
    QTest::addColumn<bool>("abbr");
    QTest::addColumn<bool>("abbrFirst");
    QTest::addColumn<bool>("secondOutput");
    // Texts in scene order: measure 0, then the start of line 2.
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("full name first, abbreviations after")
        << true << true << false << true << QStringList{"Shakuhachi", "Koto", "S", "K"};
    QTest::newRow("abbreviation first")
        << false << true << false << true << QStringList{"S", "K", "S", "K"};
    QTest::newRow("abbreviation on the first line only")
        << false << true << true << true << QStringList{"S", "K"};
    QTest::newRow("no names") << false << false << false << true << QStringList{};
    QTest::newRow("part not output")
        << true << true << false << false << QStringList{"Shakuhachi", "S"};
}

void TestVoiceItems::partLabels()
{
    QFETCH(bool, full);
    QFETCH(bool, abbr);
    QFETCH(bool, abbrFirst);
    QFETCH(bool, secondOutput);
    QFETCH(QStringList, labels);
    VoiceScore f;
    fillTwoParts(f);
    Page *page = f.score.page;
    page->displayPartFullName = full;
    page->displayPartAbbrName = abbr;
    page->displayPartAbbrName1st = abbrFirst;
    page->measurePerLine = 1;
    page->autoNewline = false;
    f.score.parts.at(1)->partOutput = secondOutput;
    f.build();
    QCOMPARE(f.score.measures.at(0)->stageEnd, true);
    QStringList drawn;
    const QStringList names{"Shakuhachi", "Koto", "S", "K"};
    for (MyTextItem *item : sceneItems<MyTextItem>(f.score)) {
        if (names.contains(item->text)) // not the page number
            drawn << item->text;
    }
    QCOMPARE(drawn, labels);
}

VELMORA_TEST_MAIN(TestVoiceItems)

} // namespace tst_voice_items
#include "tst_voice_items.moc"
