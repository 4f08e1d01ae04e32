// Staff beams on regenerated scores: stems drawn to the beam line, beam
// polygons per level and hooks, the slope candidates, grace groups,
// tremolo strokes lengthening the stems, cross-staff groups, vertical
// writing, the stem end each note keeps, and the groups that draw nothing.
#include "layout/alignitem.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "support/messagecapture.h"
#include "support/testenvironment.h"
#include "support/voicescore.h"
#include "view/scene.h"

#include <QFile>
#include <QGraphicsLineItem>
#include <QGraphicsPolygonItem>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace tst_staff_beams {

using TestSupport::VoiceScore;

namespace {

template <class T> QList<T *> sceneItems(const Score &score)
{
    QList<T *> found;
    for (QGraphicsItem *item : score.scene->items(Qt::AscendingOrder)) {
        if (auto *t = dynamic_cast<T *>(item))
            found.append(t);
    }
    return found;
}

// Stem lines: the black line items at z 0 (bar and stage lines lie lower).
QList<QGraphicsLineItem *> stems(const Score &score)
{
    QList<QGraphicsLineItem *> found;
    for (QGraphicsLineItem *line : sceneItems<QGraphicsLineItem>(score)) {
        if (line->zValue() == 0.0 && line->pen().color() == Qt::black)
            found.append(line);
    }
    return found;
}

// The polygon's four corners in scene units, without the closing point.
QPolygonF corners(const QGraphicsPolygonItem *item)
{
    QPolygonF p = item->polygon();
    if (p.size() == 5)
        p.removeLast();
    return p;
}

// Beam codes per note, one string per level ("1223": begin, continue,
// continue, end; "0" none, "4"/"5" hooks).
void setBeams(const QList<Note *> &notes, const QStringList &levels)
{
    for (int level = 0; level < levels.size(); ++level) {
        for (int i = 0; i < notes.size(); ++i)
            notes.at(i)->beamTypes[level] = levels.at(level).at(i).digitValue();
    }
}

struct BeamScore
{
    explicit BeamScore(bool horizontal = true, int staves = 1) : f(horizontal)
    {
        part = f.addPart(QStringLiteral("P"), NotationStyle::StaffNotation);
        part->staffCount = staves;
        f.addMeasure();
    }
    QList<Note *> add(const QString &tokens, int stem, const QStringList &levels)
    {
        QList<Note *> notes = f.addNotes(0, tokens);
        for (Note *note : notes)
            note->stem = stem;
        setBeams(notes, levels);
        return notes;
    }
    double size() const { return part->noteFontSize; }
    double k() const { return f.score.page->scaleFactor; }

    VoiceScore f;
    Part *part = nullptr;
};

} // namespace

class TestStaffBeams : public QObject
{
    Q_OBJECT

private slots:
    void levelGroupOfEighths_data();
    void levelGroupOfEighths();
    void mixedValuesAndHooks_data();
    void mixedValuesAndHooks();
    void risingGroupTakesNearestSlope();
    void graceGroupIsThinner();
    void tremoloLengthensStems();
    void crossStaffGroup();
    void groupWithoutFileDirection();
    void flipQueryOnChordNote();
    void corpusScoreRenders();
};

void TestStaffBeams::levelGroupOfEighths_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("stem");
    QTest::newRow("horizontal, stems up") << true << 1;
    QTest::newRow("horizontal, stems down") << true << 2;
    QTest::newRow("vertical, stems up") << false << 1;
    QTest::newRow("vertical, stems down") << false << 2;
}

void TestStaffBeams::levelGroupOfEighths()
{
    QFETCH(bool, horizontal);
    QFETCH(int, stem);
    BeamScore s(horizontal);
    const QList<Note *> notes =
        s.add(QStringLiteral("B4/8 B4/8 B4/8 B4/8 B4/2"), stem, {QStringLiteral("12230")});
    QVERIFY(s.f.score.generateScore());
    const Score &score = s.f.score;

    // One polygon for the level, no slope; the beamed notes get no stem
    // glyph of their own, but one stem line each.
    const QList<QGraphicsPolygonItem *> beams = sceneItems<QGraphicsPolygonItem>(score);
    QCOMPARE(beams.size(), 1);
    const QPolygonF p = corners(beams.first());
    const double t = 0.12 * s.size() * s.k();
    auto acrossOf = [&](const QPointF &q) { return horizontal ? q.y() : q.x(); };
    auto alongOf = [&](const QPointF &q) { return horizontal ? q.x() : q.y(); };
    QVERIFY(std::abs(acrossOf(p.at(0)) - acrossOf(p.at(1))) < 1e-6);
    QVERIFY(std::abs(std::abs(acrossOf(p.at(2)) - acrossOf(p.at(1))) - t) < 1e-6);

    const QList<QGraphicsLineItem *> lines = stems(score);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(std::count_if(notes.cbegin(), notes.cend(),
                           [](const Note *n) { return n->stemAlignItem >= 0; }),
             qsizetype(1)); // the half note only
    const bool up = stem == 1;
    // Stems point toward the higher pitch for up: smaller y, larger x.
    const double sign = (up ? 1.0 : -1.0) * (horizontal ? -1.0 : 1.0);
    for (int i = 0; i < 4; ++i) {
        const QLineF line = lines.at(i)->line();
        QVERIFY(sign * (acrossOf(line.p2()) - acrossOf(line.p1())) > 0.6 * s.size() * s.k());
        // Each stem ends on the beam's outer edge, and the note keeps it.
        QVERIFY(std::abs(acrossOf(line.p2()) - acrossOf(p.at(0))) < 1e-6);
        const double middle = score.measures.first()->getPartNoteLine(0, 0);
        QVERIFY(std::abs(notes.at(i)->stemEnd - (acrossOf(line.p2()) / s.k() - middle)) < 1e-6);
    }
    // The polygon runs from the first stem to the last.
    const double first = alongOf(lines.first()->line().p1());
    const double last = alongOf(lines.at(3)->line().p1());
    const double pen = lines.first()->pen().widthF() / 2;
    QVERIFY(std::abs(std::min(alongOf(p.at(0)), alongOf(p.at(1))) - first) <= pen + 1e-6);
    QVERIFY(std::abs(std::max(alongOf(p.at(0)), alongOf(p.at(1))) - last) <= pen + 1e-6);
}

void TestStaffBeams::mixedValuesAndHooks_data()
{
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<QStringList>("levels");
    QTest::addColumn<int>("polygons");
    QTest::addColumn<QList<int>>("hookSides"); // per hook: +1 forward, -1 backward
    QTest::newRow("eighth, two sixteenths, eighth")
        << "B4/8 B4/16 B4/16 B4/8 B4/2" << QStringList{"12230", "01300"} << 2 << QList<int>();
    QTest::newRow("forward hook at the first note")
        << "B4/16 B4/8. B4/2 r/4" << QStringList{"1300", "4000"} << 2 << QList<int>{1};
    QTest::newRow("forward hook at a middle note goes back")
        << "B4/8 B4/16 B4/8 B4/16 r/4 r/4" << QStringList{"122300", "040500"} << 3
        << QList<int>{-1, -1};
}

void TestStaffBeams::mixedValuesAndHooks()
{
    QFETCH(QString, tokens);
    QFETCH(QStringList, levels);
    QFETCH(int, polygons);
    QFETCH(QList<int>, hookSides);
    BeamScore s;
    const QList<Note *> notes = s.add(tokens, 1, levels);
    QVERIFY(s.f.score.generateScore());
    const QList<QGraphicsPolygonItem *> beams = sceneItems<QGraphicsPolygonItem>(s.f.score);
    QCOMPARE(beams.size(), polygons);
    const QList<QGraphicsLineItem *> lines = stems(s.f.score);
    // Hooks are the polygons one head long; their side from the stem.
    QList<int> sides;
    // Deeper levels lie toward the heads (stems up: below the first).
    double level0 = corners(beams.first()).at(0).y();
    for (const QGraphicsPolygonItem *beam : beams)
        level0 = std::min(level0, corners(beam).at(0).y());
    for (const QGraphicsPolygonItem *beam : beams) {
        const QPolygonF p = corners(beam);
        const double depth = (p.at(0).y() - level0) / (0.19 * s.size() * s.k());
        QVERIFY(std::abs(depth - std::round(depth)) < 0.05);
        for (const QGraphicsLineItem *line : lines) {
            const double x = line->line().x1() + line->pen().widthF() / 2;
            const double head = 0.3 * s.size() * s.k();
            if (std::abs(p.at(0).x() - x) < 1e-6 && p.at(1).x() - x < 0.5 * s.size() * s.k() &&
                std::abs(p.at(1).x() - p.at(0).x()) < head * 1.5)
                sides << 1;
            else if (std::abs(p.at(1).x() - x) < 1e-6 &&
                     std::abs(p.at(1).x() - p.at(0).x()) < head * 1.5)
                sides << -1;
        }
    }
    QCOMPARE(sides, hookSides);
    Q_UNUSED(notes)
}

void TestStaffBeams::risingGroupTakesNearestSlope()
{
    BeamScore s;
    const QList<Note *> notes =
        s.add(QStringLiteral("C5/8 D5/8 E5/8 F5/8 B4/2"), 2, {QStringLiteral("12230")});
    QVERIFY(s.f.score.generateScore());
    const QPolygonF p = corners(sceneItems<QGraphicsPolygonItem>(s.f.score).first());
    const double slope = (p.at(1).y() - p.at(0).y()) / (p.at(1).x() - p.at(0).x());
    // Rising pitch: the beam climbs toward smaller y.
    QVERIFY(slope < 0.0);
    // Least squares through the heads, and the candidates k x 0.01 size / hw.
    const Measure *m = s.f.score.measures.first();
    double mx = 0.0;
    double my = 0.0;
    QList<QPointF> heads;
    for (int i = 0; i < 4; ++i) {
        const QPointF pos = m->getItemFinalPosFrame(0, 0, notes.at(i)->firstAlignItem);
        heads << QPointF(pos.x(), pos.y());
        mx += pos.x() / 4;
        my += pos.y() / 4;
    }
    double sxy = 0.0;
    double sxx = 0.0;
    for (const QPointF &h : heads) {
        sxy += (h.x() - mx) * (h.y() - my);
        sxx += (h.x() - mx) * (h.x() - mx);
    }
    const double fitted = sxy / sxx;
    const QGraphicsItem *head = m->getItemGraphicsItem(0, 0, notes.first()->firstAlignItem);
    const double hw = head->boundingRect().width() * head->transform().m11() / s.k();
    double best = 0.0;
    for (int c = -5; c <= 5; ++c) {
        const double candidate = c * 0.01 * s.size() / hw;
        if (std::abs(candidate - fitted) < std::abs(best - fitted) - 1e-12)
            best = candidate;
    }
    QVERIFY(std::abs(slope - best) < 1e-6);
    QVERIFY(best != 0.0);
}

void TestStaffBeams::graceGroupIsThinner()
{
    BeamScore s;
    QList<Note *> notes = s.add(QStringLiteral("gB4/16 gB4/16 B4/2 B4/2"), 1,
                                {QStringLiteral("1300"), QStringLiteral("1300")});
    notes.first()->graceSlash = true;
    QVERIFY(s.f.score.generateScore());
    const QList<QGraphicsPolygonItem *> beams = sceneItems<QGraphicsPolygonItem>(s.f.score);
    QCOMPARE(beams.size(), 2);
    const QPolygonF a = corners(beams.at(0));
    const QPolygonF b = corners(beams.at(1));
    QVERIFY(std::abs(std::abs(a.at(2).y() - a.at(1).y()) - 0.07 * s.size() * s.k()) < 1e-6);
    // The levels lie thickness plus gap apart.
    QVERIFY(std::abs(std::abs(b.at(1).y() - a.at(1).y()) - 0.125 * s.size() * s.k()) < 1e-6);
    // Two stem lines and one slash, on the first note only.
    QCOMPARE(stems(s.f.score).size(), 3);
}

void TestStaffBeams::tremoloLengthensStems()
{
    double ends[2];
    for (int strokes = 0; strokes < 2; ++strokes) {
        BeamScore s;
        QList<Note *> notes =
            s.add(QStringLiteral("B4/8 B4/8 B4/2 B4/4"), 1, {QStringLiteral("1300")});
        if (strokes) {
            notes.at(1)->tremoloType = 3;
            notes.at(1)->tremoloMarks = 3;
        }
        QVERIFY(s.f.score.generateScore());
        ends[strokes] = notes.at(0)->stemEnd;
        if (strokes) {
            // Every stem of the group grows by 3 x 0.14 note sizes.
            QVERIFY(std::abs(ends[0] - ends[1] - 3 * 0.14 * s.size()) < 1e-6);
        }
    }
}

void TestStaffBeams::crossStaffGroup()
{
    BeamScore s(true, 2);
    QList<Note *> notes = s.f.addNotes(0, QStringLiteral("C5/8 E3/8@1 D5/8 B4/2"));
    notes.at(1)->clef = QStringLiteral("F");
    notes.at(0)->stem = 2;
    notes.at(1)->stem = 1;
    notes.at(2)->stem = 2;
    notes.at(3)->stem = 1;
    setBeams(notes, {QStringLiteral("1230")});
    QVERIFY(s.f.score.generateScore());
    const Score &score = s.f.score;
    const Measure *m = score.measures.first();
    QCOMPARE(sceneItems<QGraphicsPolygonItem>(score).size(), 1);
    const QPolygonF beam = corners(sceneItems<QGraphicsPolygonItem>(score).first());
    const QList<QGraphicsLineItem *> lines = stems(score);
    QCOMPARE(lines.size(), 3);
    // The beam lies between the staves; every stem ends at it.
    const double top = m->getPartNoteLine(0, 0) * s.k();
    const double bottom = m->getPartNoteLine(1, 0) * s.k();
    QVERIFY(top < bottom);
    for (const QGraphicsLineItem *line : lines) {
        const QLineF l = line->line();
        QVERIFY(std::min(l.y1(), l.y2()) > top - 3 * s.size() * s.k());
        QVERIFY(std::max(beam.at(0).y(), beam.at(2).y()) > std::min(l.y2(), l.y1()));
    }
    // The stems of the upper staff point down, the lower one's up.
    QVERIFY(lines.at(0)->line().y2() > lines.at(0)->line().y1());
    QVERIFY(lines.at(1)->line().y2() < lines.at(1)->line().y1());
    // Every note keeps the beam's first edge from its own staff's middle.
    const double edge0 = notes.at(0)->stemEnd + m->getPartNoteLine(0, 0);
    const double edge1 = notes.at(1)->stemEnd + m->getPartNoteLine(1, 0);
    QVERIFY(std::abs(edge0 - edge1) < 0.5 * s.size());
    Q_UNUSED(bottom)
}

void TestStaffBeams::groupWithoutFileDirection()
{
    // A group whose file gives no stem direction takes the layout's (on the
    // middle line: down) and is drawn with its stems.
    BeamScore s;
    QList<Note *> notes = s.add(QStringLiteral("B4/8 B4/8 B4/2 B4/4"), 1, {QStringLiteral("1300")});
    for (Note *note : notes)
        note->stem = 0;
    QVERIFY(s.f.score.generateScore());
    QCOMPARE(sceneItems<QGraphicsPolygonItem>(s.f.score).size(), 1);
    QCOMPARE(stems(s.f.score).size(), 2);
    QCOMPARE(notes.at(0)->stemShown, 2);
    QCOMPARE(notes.at(1)->stemShown, 2);
    // The half and the quarter keep their own stem glyphs.
    QVERIFY(notes.at(2)->stemAlignItem >= 0 && notes.at(3)->stemAlignItem >= 0);
}

void TestStaffBeams::flipQueryOnChordNote()
{
    BeamScore s;
    s.add(QStringLiteral("C4/4 +D4/4 B4/2."), 1, {});
    QVERIFY(s.f.score.generateScore());
    Measure *m = s.f.score.measures.first();
    QVERIFY(s.f.score.flipExistsInChord(m, 0, 0, 0));
    TestSupport::MessageCapture capture;
    QVERIFY(!s.f.score.flipExistsInChord(m, 0, 0, 1));
    QVERIFY(capture.contains(
        QStringLiteral("flipExistsInChord illegal note is given: this is chord note!")));
}

void TestStaffBeams::corpusScoreRenders()
{
    // A MuseScore export with stems and beams, drawn in staff notation.
    const QString path =
        TestSupport::fixturePath(QStringLiteral("corpus/japanese/Echigo_Jishi.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    Score score(QStringLiteral("5.3.1"), 1, false);
    score.documentText = text;
    QVERIFY(score.parseScoreXml(false));
    for (Part *part : std::as_const(score.parts)) {
        part->notationStyle = NotationStyle::StaffNotation;
        part->noteFontName = NoteFonts::firstFontName(NoteFontFolder::path(part->notationStyle));
    }
    score.page->horizontal = true;
    QVERIFY(score.generateScore());

    // One polygon per beam level begun, and one per hook, in the file.
    const int begins = int(text.count(QRegularExpression(QStringLiteral(">begin</beam>"))));
    const int hooks =
        int(text.count(QRegularExpression(QStringLiteral(">(forward|backward) hook<"))));
    const QList<QGraphicsPolygonItem *> beams = sceneItems<QGraphicsPolygonItem>(score);
    QCOMPARE(beams.size(), begins + hooks);
    for (const GlyphItem *glyph : sceneItems<GlyphItem>(score))
        QVERIFY(glyph->elementId() != QLatin1String("Undefined"));

    // The rendered scene shows ink where the first beam lies.
    const QRectF box = beams.first()->sceneBoundingRect();
    QImage image(box.size().toSize() * 4 + QSize(1, 1), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    score.scene->render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())), box);
    painter.end();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    }
    QVERIFY(dark > image.width() * image.height() / 10);
}

VELMORA_TEST_MAIN(TestStaffBeams)

} // namespace tst_staff_beams
#include "tst_staff_beams.moc"
