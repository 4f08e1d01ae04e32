// Staff notation's geometry and header symbols on scores laid out by hand:
// staff steps and step offsets, the staff lines of each line of the score,
// clefs and key signatures at line starts and at changes (with the room
// they take), and time signatures as groups of common-font digits.
#include "layout/aligner.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/measurelayout.h"
#include "support/messagecapture.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"

#include <QGraphicsItemGroup>
#include <QGraphicsRectItem>
#include <QSvgRenderer>
#include <QtMath>

#include <cmath>

namespace tst_staff_header {

using TestSupport::MeasureLayout;
using TestSupport::sceneItemsOf;

namespace {

constexpr int staffStyle = NotationStyle::StaffNotation;

QStringList glyphIds(const Score &score)
{
    QStringList ids;
    for (const GlyphItem *item : sceneItemsOf<GlyphItem>(score)) {
        if (!item->group())
            ids << item->elementId();
    }
    return ids;
}

const GlyphItem *glyphNamed(const Score &score, const QString &id)
{
    for (const GlyphItem *item : sceneItemsOf<GlyphItem>(score)) {
        if (item->elementId() == id && !item->group())
            return item;
    }
    return nullptr;
}

QStringList childIds(const QGraphicsItemGroup *group)
{
    QStringList ids;
    for (const QGraphicsItem *child : group->childItems())
        ids << static_cast<const GlyphItem *>(child)->elementId();
    return ids;
}

} // namespace

class TestStaffHeader : public QObject
{
    Q_OBJECT

private slots:
    void staffStep_data();
    void staffStep();
    void stepOffsetSignsByWritingDirection();
    void staffLinesOncePerLine_data();
    void staffLinesOncePerLine();
    void staffLineGeometry_data();
    void staffLineGeometry();
    void clefsAndKeysAtLineStartsAndChanges_data();
    void clefsAndKeysAtLineStartsAndChanges();
    void keyGlyphPlacement_data();
    void keyGlyphPlacement();
    void signatureRoom_data();
    void signatureRoom();
    void clefOnItsLine_data();
    void clefOnItsLine();
    void violaPartInAltoClef();
    void timeSignatureGroup_data();
    void timeSignatureGroup();
    void timeSignatureSwitches_data();
    void timeSignatureSwitches();
};

void TestStaffHeader::staffStep_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("octave");
    QTest::addColumn<QString>("clef");
    QTest::addColumn<int>("shift");
    QTest::addColumn<int>("expected");
    QTest::newRow("B4 treble middle line") << "B" << 4 << "G" << 0 << 0;
    QTest::newRow("D3 bass middle line") << "D" << 3 << "F" << 0 << 0;
    QTest::newRow("C4 treble") << "C" << 4 << "G" << 0 << -6;
    QTest::newRow("C4 bass") << "C" << 4 << "F" << 0 << 6;
    QTest::newRow("E4 bottom line") << "E" << 4 << "G" << 0 << -4;
    QTest::newRow("F5 top line") << "F" << 5 << "G" << 0 << 4;
    QTest::newRow("C6 under an octave shift") << "C" << 6 << "G" << -7 << 1;
    QTest::newRow("C4 alto middle line") << "C" << 4 << "C" << 0 << 0;
    QTest::newRow("E5 alto under an octave shift") << "E" << 5 << "C" << 7 << 16;
    QTest::newRow("A3 tenor middle line") << "A" << 3 << "C4" << 0 << 0;
    QTest::newRow("C4 soprano bottom line") << "C" << 4 << "C1" << 0 << -4;
    QTest::newRow("G4 French violin bottom line") << "G" << 4 << "G1" << 0 << -4;
    QTest::newRow("B3 treble an octave down") << "B" << 3 << "G2-1" << 0 << 0;
    QTest::newRow("D4 bass an octave up") << "D" << 4 << "F4+1" << 0 << 0;
    QTest::newRow("percussion reads as treble") << "B" << 4 << "percussion" << 0 << 0;
    QTest::newRow("unknown sign reads as treble") << "B" << 4 << "TAB" << 0 << 0;
    QTest::newRow("no clef reads as treble") << "E" << 4 << "" << 0 << -4;
    QTest::newRow("no step letter") << "" << 5 << "G" << 0 << 7;
}

void TestStaffHeader::staffStep()
{
    QFETCH(QString, step);
    QFETCH(int, octave);
    QFETCH(QString, clef);
    QFETCH(int, shift);
    QFETCH(int, expected);
    Score score(QStringLiteral("5.3.1"), 0, false);
    Note note;
    note.step = step;
    note.octave = octave;
    note.clef = clef;
    note.octaveShiftSteps = shift;
    QCOMPARE(score.getStaffStep(nullptr, 0, &note), expected);
}

void TestStaffHeader::stepOffsetSignsByWritingDirection()
{
    MeasureLayout layout(false);
    layout.addPart(staffStyle, 1, 8.0);
    QCOMPARE(layout.score.getStaffStepOffset(0, 2), 2.0);
    layout.score.page->horizontal = true;
    QCOMPARE(layout.score.getStaffStepOffset(0, 2), -2.0);
}

void TestStaffHeader::staffLinesOncePerLine_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("staves");
    QTest::addColumn<bool>("collapsedFirstLine");
    QTest::addColumn<int>("expected");
    QTest::newRow("horizontal, two staves") << true << 2 << false << 20;
    QTest::newRow("vertical, two staves") << false << 2 << false << 20;
    QTest::newRow("one staff") << true << 1 << false << 10;
    QTest::newRow("no staff") << true << 0 << false << 0;
    QTest::newRow("collapsed on the first line") << false << 2 << true << 10;
}

// Two lines of two measures each, a staff part and a Kinko part: only the
// staff part gets lines, five per staff at the end of each line.
void TestStaffHeader::staffLinesOncePerLine()
{
    QFETCH(bool, horizontal);
    QFETCH(int, staves);
    QFETCH(bool, collapsedFirstLine);
    QFETCH(int, expected);
    MeasureLayout layout(horizontal);
    layout.addPart(staffStyle, staves);
    layout.addPart(NotationStyle::KinkoSimple);
    layout.addMeasures(4);
    if (collapsedFirstLine) {
        layout.score.measures.at(0)->parts.at(0)->collapsed = true;
        layout.score.measures.at(1)->parts.at(0)->collapsed = true;
    }
    layout.layOut({2, 2});
    layout.generate();
    const double thickness = 0.015 * 5.0 * layout.score.page->scaleFactor;
    int lines = 0;
    for (const QGraphicsRectItem *rect : sceneItemsOf<QGraphicsRectItem>(layout.score)) {
        const QRectF r = rect->rect();
        if (qFuzzyCompare(horizontal ? r.height() : r.width(), thickness))
            ++lines;
    }
    QCOMPARE(lines, expected);
}

void TestStaffHeader::staffLineGeometry_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

// The lines of the second line of the score run from the stage's start to
// its last measure's end; their top (or left) edges lie a quarter note size
// apart around each staff's middle line.
void TestStaffHeader::staffLineGeometry()
{
    QFETCH(bool, horizontal);
    MeasureLayout layout(horizontal);
    Part *part = layout.addPart(staffStyle, 2);
    layout.addMeasures(2);
    layout.layOut({1, 1});
    Score &score = layout.score;
    Measure *last = score.measures.at(1);
    score.addStaffLines(part, last);
    const QList<QGraphicsRectItem *> rects = sceneItemsOf<QGraphicsRectItem>(score);
    QCOMPARE(rects.size(), 10);

    const Page *page = score.page;
    const double s = page->scaleFactor;
    const double start = horizontal ? page->stageRect.left() : page->stageRect.top();
    const double end = horizontal ? last->originX + last->width : last->originY + last->height;
    QList<double> positions;
    for (const QGraphicsRectItem *rect : rects) {
        QCOMPARE(horizontal ? rect->pos().x() : rect->pos().y(), start * s);
        QVERIFY(qAbs((horizontal ? rect->rect().width() : rect->rect().height()) -
                     (end - start) * s) < 1e-9);
        QCOMPARE(rect->brush().color(), QColor(Qt::black));
        QCOMPARE(rect->data(0), QVariant());
        positions << (horizontal ? rect->pos().y() : rect->pos().x()) / s;
    }
    std::sort(positions.begin(), positions.end());
    QList<double> expected;
    for (int staff = 0; staff < 2; ++staff) {
        for (int k = -2; k <= 2; ++k)
            expected << last->getPartNoteLine(staff, 0) + k * 1.25;
    }
    std::sort(expected.begin(), expected.end());
    for (int i = 0; i < 10; ++i)
        QVERIFY2(qAbs(positions.at(i) - expected.at(i)) < 1e-9, qPrintable(QString::number(i)));
}

void TestStaffHeader::clefsAndKeysAtLineStartsAndChanges_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::newRow("horizontal") << true;
    QTest::newRow("vertical") << false;
}

// Four measures in two lines, two flats, a treble and a bass staff:
// measure 0 and 2 start lines (clefs and keys on both staves), measure 1
// shows nothing, measure 3 changes the bass clef and carries its own key.
void TestStaffHeader::clefsAndKeysAtLineStartsAndChanges()
{
    QFETCH(bool, horizontal);
    MeasureLayout layout(horizontal);
    layout.addPart(staffStyle, 2);
    layout.addPart(staffStyle, 1);
    layout.score.parts.at(1)->partOutput = false;
    layout.addMeasures(4, -2);
    layout.score.measures.at(0)->timeGiven = false;
    Measure *changing = layout.score.measures.at(3);
    changing->parts.at(0)->clefGiven[1] = true;
    changing->keyGiven = true;
    layout.layOut({2, 2});
    Score &score = layout.score;
    const QString v = horizontal ? QString() : QStringLiteral("_V");
    const QStringList lineStart = {"ClefG" + v, "ClefF" + v, "KeyFlat2" + v, "KeyFlat2" + v};
    const QList<QStringList> expected = {
        lineStart, {}, lineStart, {"ClefF" + v, "KeyFlat2" + v, "KeyFlat2" + v}};
    for (int i = 0; i < 4; ++i) {
        score.scene->clear();
        Measure *m = score.measures.at(i);
        m->aligner->setSignatureX(0.0);
        score.addMeasureStaffClefs(m);
        score.addMeasureStaffKeySignatures(m);
        QCOMPARE(glyphIds(score), expected.at(i));
    }
}

void TestStaffHeader::keyGlyphPlacement_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("fifths");
    QTest::addColumn<int>("staff");
    QTest::addColumn<QString>("glyph");
    QTest::addColumn<int>("step");
    QTest::addColumn<double>("correction");
    QTest::newRow("two flats, bass, horizontal") << true << -2 << 1 << "KeyFlat2" << 1 << -0.45;
    QTest::newRow("one flat, treble, horizontal") << true << -1 << 0 << "KeyFlat1" << 0 << -0.45;
    QTest::newRow("seven flats, vertical") << false << -7 << 0 << "KeyFlat7_V" << -3 << -0.18;
    QTest::newRow("two sharps, vertical") << false << 2 << 0 << "KeySharp2_V" << 1 << -0.335;
    QTest::newRow("five sharps, bass, horizontal") << true << 5 << 1 << "KeySharp5" << 3 << -0.335;
}

// A key glyph stands at the signature position plus 0.1 note size along,
// and its table step (less two under a bass clef) plus a correction across.
void TestStaffHeader::keyGlyphPlacement()
{
    QFETCH(bool, horizontal);
    QFETCH(int, fifths);
    QFETCH(int, staff);
    QFETCH(QString, glyph);
    QFETCH(int, step);
    QFETCH(double, correction);
    MeasureLayout layout(horizontal);
    layout.addPart(staffStyle, 2);
    layout.addMeasures(1, fifths);
    layout.layOut({1});
    Score &score = layout.score;
    Measure *m = score.measures.at(0);
    m->aligner->setSignatureX(3.0);
    score.genStaffKeySignature(m, 0, staff, fifths);
    const GlyphItem *item = glyphNamed(score, glyph);
    QVERIFY(item);
    QVERIFY(item->renderer()->elementExists(glyph));
    const double s = score.page->scaleFactor;
    const double along = (horizontal ? m->originX : m->originY) + 3.0 + 0.5;
    const double across =
        m->getPartNoteLine(staff, 0) + score.getStaffStepOffset(0, step) + correction * 5.0;
    const QPointF expected = horizontal ? QPointF(along, across) : QPointF(across, along);
    QVERIFY(qAbs(item->pos().x() - expected.x() * s) < 1e-9);
    QVERIFY(qAbs(item->pos().y() - expected.y() * s) < 1e-9);
    QCOMPARE(item->transform().m11(), 5.0 * score.page->glyphScale);
}

void TestStaffHeader::signatureRoom_data()
{
    QTest::addColumn<QString>("clef");
    QTest::addColumn<int>("fifths");
    QTest::addColumn<double>("room");
    QTest::addColumn<int>("glyphs");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("C major: room without glyph") << "G" << 0 << 0.75 + 0.3 << 1 << QStringList();
    // Shown accidentals leave a gap of 0.2 before the time signature.
    QTest::newRow("seven flats") << "G" << -7 << 0.75 + 2.12 + 0.2 << 2 << QStringList();
    QTest::newRow("illegal key") << "G" << 8 << 0.75 + 8 * 0.26 + 0.3 << 1
                                 << QStringList{"======== genStaffKeySignature illegal key = 8"};
    QTest::newRow("no key yet: no room, no message") << "G" << -99 << 0.75 << 1 << QStringList();
    QTest::newRow("alto clef drawn") << "C" << 1 << 0.75 + 0.26 + 0.3 + 0.2 << 2 << QStringList();
    QTest::newRow("tablature: a message, still advances")
        << "TAB" << 1 << 0.75 + 0.26 + 0.3 + 0.2 << 1
        << QStringList{"addStaffClef,  not supported, clef = TAB"};
}

// The signature position after the clefs and keys of a line start, in
// units of the largest note size (8 mm here, the part's is 5 mm).
void TestStaffHeader::signatureRoom()
{
    QFETCH(QString, clef);
    QFETCH(int, fifths);
    QFETCH(double, room);
    QFETCH(int, glyphs);
    QFETCH(QStringList, messages);
    MeasureLayout layout(true);
    layout.addPart(staffStyle, 1);
    layout.addPart(NotationStyle::KinkoSimple, 1, 8.0);
    layout.addMeasures(1, fifths);
    layout.score.measures.at(0)->parts.at(0)->clefSigns[0] = clef;
    layout.layOut({1});
    Score &score = layout.score;
    Measure *m = score.measures.at(0);
    m->aligner->setSignatureX(0.0);
    TestSupport::MessageCapture capture;
    score.addMeasureStaffClefs(m);
    score.addMeasureStaffKeySignatures(m);
    QVERIFY(qAbs(m->aligner->signatureX() - room * 8.0) < 1e-9);
    QCOMPARE(glyphIds(score).size(), glyphs);
    for (const QString &message : std::as_const(messages))
        QCOMPARE(capture.count(message), 1);
    if (messages.isEmpty()) {
        for (const QString &line : capture.lines())
            QVERIFY2(!line.startsWith(QLatin1String("====")), qPrintable(line));
    }
}

void TestStaffHeader::clefOnItsLine_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("clef");
    QTest::addColumn<QString>("glyph");
    QTest::addColumn<int>("lineStep");  // the step of the clef's line
    QTest::addColumn<bool>("centred");  // its middle on that line
    QTest::addColumn<double>("length"); // across, in staff spaces, at least
    for (bool horizontal : {true, false}) {
        const char *h = horizontal ? "h" : "v";
        QTest::addRow("alto %s", h) << horizontal << "C"
                                    << "ClefC" << 0 << true << 3.5;
        QTest::addRow("tenor %s", h) << horizontal << "C4"
                                     << "ClefC" << 2 << true << 3.5;
        QTest::addRow("soprano %s", h) << horizontal << "C1"
                                       << "ClefC" << -4 << true << 3.5;
        QTest::addRow("percussion %s", h) << horizontal << "percussion"
                                          << "ClefPercussion" << 0 << true << 3.0;
        // The treble and bass clefs curl about their lines, off centre.
        QTest::addRow("treble an octave down %s", h) << horizontal << "G2-1"
                                                     << "ClefG8vb" << -2 << false << 7.0;
        QTest::addRow("bass an octave up %s", h) << horizontal << "F4+1"
                                                 << "ClefF8va" << 2 << false << 3.0;
    }
}

// A clef's glyph, placed at a line start, spans its sign's line, a C or
// percussion clef with its middle on it (within half a staff space).
void TestStaffHeader::clefOnItsLine()
{
    QFETCH(bool, horizontal);
    QFETCH(QString, clef);
    QFETCH(QString, glyph);
    QFETCH(int, lineStep);
    QFETCH(bool, centred);
    QFETCH(double, length);
    MeasureLayout layout(horizontal);
    layout.addPart(staffStyle, 1);
    layout.addMeasures(1, 0);
    layout.score.measures.at(0)->parts.at(0)->clefSigns[0] = clef;
    layout.layOut({1});
    Score &score = layout.score;
    Measure *m = score.measures.at(0);
    m->aligner->setSignatureX(0.0);
    score.addMeasureStaffClefs(m);
    const QString id = horizontal ? glyph : glyph + QStringLiteral("_V");
    const GlyphItem *item = glyphNamed(score, id);
    QVERIFY2(item, qPrintable(glyphIds(score).join(' ')));
    QVERIFY(item->renderer()->elementExists(id));
    const double s = score.page->scaleFactor;
    const double space = 0.25 * 5.0; // note size 5 mm
    const QRectF box = item->sceneBoundingRect();
    const double middle = (horizontal ? box.center().y() : box.center().x()) / s;
    const double line = m->getPartNoteLine(0, 0) + score.getStaffStepOffset(0, lineStep);
    if (centred)
        QVERIFY2(qAbs(middle - line) < 0.5 * space,
                 qPrintable(QString::number((middle - line) / space)));
    const double low = (horizontal ? box.top() : box.left()) / s;
    const double high = (horizontal ? box.bottom() : box.right()) / s;
    QVERIFY(low < line && line < high);
    QVERIFY((horizontal ? box.height() : box.width()) / s >= length * space);
}

// A viola part: its alto clef read from the file, the clef drawn at each
// line start, every note placed from the clef in force.
void TestStaffHeader::violaPartInAltoClef()
{
    Score score(QStringLiteral("test"), 1, false);
    QVERIFY(score.readMusicXmlFile(
        TestSupport::fixturePath(QStringLiteral("staff/12x-Clefs-ViolaAltoClef.xml"))));
    QVERIFY(score.parseScoreXml(false).has_value());
    QCOMPARE(score.measures.at(0)->parts.at(0)->clefSigns[0], QStringLiteral("C"));
    const auto stepOf = [&score](int measure, int note) {
        Measure *m = score.measures.at(measure);
        return score.getStaffStep(m, 0, m->parts.at(0)->voices.at(0)->notes.at(note));
    };
    QCOMPARE(stepOf(0, 0), -7); // C3, an octave below the middle line
    QCOMPARE(stepOf(1, 3), 0);  // C4 on the middle line
    QCOMPARE(stepOf(2, 3), 4);  // G4 on the top line
    QCOMPARE(stepOf(3, 0), 0);  // A3 under the tenor clef
    TestSupport::generateInStyle(score, staffStyle, true);
    int clefs = 0;
    for (const GlyphItem *item : sceneItemsOf<GlyphItem>(score))
        clefs += item->elementId() == QLatin1String("ClefC");
    // At every line start and at the change to the tenor clef.
    QVERIFY2(clefs >= 2, qPrintable(QString::number(clefs)));
}

void TestStaffHeader::timeSignatureGroup_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("style");
    QTest::addColumn<double>("rotation");
    QTest::newRow("horizontal staff") << true << staffStyle << 0.0;
    QTest::newRow("vertical staff: turned") << false << staffStyle << 90.0;
    QTest::newRow("vertical Kinko: upright") << false << int(NotationStyle::KinkoSimple) << 0.0;
}

// "3+2" over 8: the numerator's glyphs side by side, the denominator
// centred under them, never in a "_V" form.
void TestStaffHeader::timeSignatureGroup()
{
    QFETCH(bool, horizontal);
    QFETCH(int, style);
    QFETCH(double, rotation);
    MeasureLayout layout(horizontal);
    layout.addPart(style, 1);
    layout.addMeasures(1);
    Measure *m = layout.score.measures.at(0);
    m->beatsText = QStringLiteral("3+2");
    m->beats = 5;
    m->beatType = 8;
    layout.layOut({1});
    Score &score = layout.score;
    m->aligner->setSignatureX(2.0);
    score.addMeasureStaffTimeSignatures(m);
    const QList<QGraphicsItemGroup *> groups = sceneItemsOf<QGraphicsItemGroup>(score);
    QCOMPARE(groups.size(), 1);
    const QGraphicsItemGroup *group = groups.first();
    QCOMPARE(childIds(group), (QStringList{"3", "+", "2", "8"}));
    const QList<QGraphicsItem *> children = group->childItems();
    double x = 0.0;
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(children.at(i)->pos(), QPointF(x, 0.0));
        x += children.at(i)->boundingRect().width();
    }
    const QGraphicsItem *denominator = children.at(3);
    QCOMPARE(denominator->pos().x() + denominator->boundingRect().width() / 2, x / 2);
    QCOMPARE(denominator->pos().y(), children.at(2)->boundingRect().height());

    const double g = 5.0 * score.page->glyphScale;
    const QTransform t = group->transform();
    QVERIFY(qAbs(std::hypot(t.m11(), t.m12()) - g) < 1e-9);
    QVERIFY(qAbs(qRadiansToDegrees(std::atan2(t.m12(), t.m11())) - rotation) < 1e-9);

    const double s = score.page->scaleFactor;
    const double along = (horizontal ? m->originX : m->originY) + 2.0 + 0.5;
    QVERIFY(qAbs((horizontal ? group->pos().x() : group->pos().y()) - along * s) < 1e-9);
    if (style == staffStyle) {
        const double top = m->getPartNoteLine(0, 0) + score.getStaffStepOffset(0, 4);
        QVERIFY(qAbs((horizontal ? group->pos().y() : group->pos().x()) - top * s) < 1e-9);
    } else {
        QVERIFY(group->pos().x() < m->getPartNoteLine(0, 0) * s);
    }
}

void TestStaffHeader::timeSignatureSwitches_data()
{
    QTest::addColumn<bool>("display");
    QTest::addColumn<bool>("firstPartOnly");
    QTest::addColumn<int>("rightBarStyle");
    QTest::addColumn<bool>("timeGiven");
    QTest::addColumn<int>("expected");
    QTest::newRow("every staff of every part") << true << false << 0 << true << 3;
    QTest::newRow("first part only") << true << true << 0 << true << 2;
    QTest::newRow("display off") << false << false << 0 << true << 0;
    QTest::newRow("tick bar line") << true << false << 6 << true << 0;
    QTest::newRow("no time element") << true << false << 0 << false << 0;
}

void TestStaffHeader::timeSignatureSwitches()
{
    QFETCH(bool, display);
    QFETCH(bool, firstPartOnly);
    QFETCH(int, rightBarStyle);
    QFETCH(bool, timeGiven);
    QFETCH(int, expected);
    MeasureLayout layout(true);
    layout.addPart(staffStyle, 2);
    layout.addPart(NotationStyle::KotoIkuta, 1);
    layout.addMeasures(1);
    Measure *m = layout.score.measures.at(0);
    m->timeGiven = timeGiven;
    m->rightBarline = rightBarStyle != 0;
    m->rightBarStyle = rightBarStyle;
    layout.layOut({1});
    layout.score.page->measureDisplayTimeSignature = display;
    layout.score.page->measureDisplayTimeSignatureFirstPart = firstPartOnly;
    layout.score.addMeasureStaffTimeSignatures(m);
    QCOMPARE(sceneItemsOf<QGraphicsItemGroup>(layout.score).size(), expected);
    QCOMPARE(m->aligner->signatureX(), 0.0);
}

VELMORA_TEST_MAIN(TestStaffHeader)

} // namespace tst_staff_header
#include "tst_staff_header.moc"
