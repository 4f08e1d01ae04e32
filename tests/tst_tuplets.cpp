// Tuplet numbers and brackets on generated scenes: the number at the notes
// in staff notation (part font) and in a bracket of stretched common glyphs
// or of lines elsewhere, in both writing directions; nested tuplets stacked
// outward; and input that must draw nothing or nothing mirrored (a span
// shorter than its number, a tuplet across a barline, a stop without a
// start).
#include "drawing/tuplet.h"
#include "layout/alignitem.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "support/staffheads.h"
#include "support/testenvironment.h"
#include "support/voicescore.h"
#include "view/scene.h"

#include <QFile>
#include <QGraphicsItemGroup>
#include <QGraphicsLineItem>

namespace tst_tuplets {

using TestSupport::VoiceScore;

namespace {

QList<GlyphItem *> glyphs(const Score &score, const QString &id)
{
    QList<GlyphItem *> found;
    for (QGraphicsItem *item : score.scene->items()) {
        auto *svg = dynamic_cast<GlyphItem *>(item);
        if (svg && svg->elementId() == id)
            found.append(svg);
    }
    return found;
}

// Every glyph a tuplet can draw: numbers and bracket pieces.
QList<GlyphItem *> tupletGlyphs(const Score &score)
{
    QList<GlyphItem *> found;
    for (QGraphicsItem *item : score.scene->items()) {
        auto *svg = dynamic_cast<GlyphItem *>(item);
        if (svg && (svg->elementId().contains(QLatin1String("_Italic")) ||
                    svg->elementId().startsWith(QLatin1String("Tuplet"))))
            found.append(svg);
    }
    return found;
}

// Marks notes first..last of `notes` as tuplet `level` of `actual` notes.
void markTuplet(const QList<Note *> &notes, int first, int last, int level, int actual,
                bool bracket = false)
{
    for (int i = first; i <= last; ++i) {
        notes.at(i)->actualNotes = actual;
        notes.at(i)->tupletBracket[level] = bracket;
    }
    notes.at(first)->tupletState[level] = 1;
    notes.at(last)->tupletState[level] = 2;
    notes.at(first)->tupletActual[level] = actual;
}

double along(const QRectF &box, bool horizontal)
{
    return horizontal ? box.center().x() : box.center().y();
}

} // namespace

class TestTuplets : public QObject
{
    Q_OBJECT

private slots:
    void triplet_data();
    void triplet();
    void nestedTupletsStackOutward_data();
    void nestedTupletsStackOutward();
    void spanShorterThanNumberNeverMirrors();
    void unmatchedEndsDrawNothing_data();
    void unmatchedEndsDrawNothing();
    void tupletFiles_data();
    void tupletFiles();
};

void TestTuplets::triplet_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("lineBracket"); // the style's tuplet-bracket switch
    QTest::addColumn<bool>("noteBracket"); // the first note asks for a bracket
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("common");  // number from the common glyphs
    QTest::addColumn<QString>("head"); // stretched bracket glyph, if any
    QTest::addColumn<int>("lines");    // bracket lines beside the number

    const int staff = NotationStyle::StaffNotation;
    const int tozan = NotationStyle::TozanTrad;
    const QString none;
    QTest::newRow("staff") << staff << true << false << false << "3_Italic" << false << none << 0;
    QTest::newRow("staff, bracket")
        << staff << true << false << true << "3_Italic" << false << none << 4;
    QTest::newRow("staff, vertical")
        << staff << false << false << false << "3_Italic_V" << false << none << 0;
    QTest::newRow("staff, vertical, bracket")
        << staff << false << false << true << "3_Italic_V" << false << none << 4;
    QTest::newRow("TozanTrad") << tozan << true << false << false << "3_Italic" << true
                               << "TupletTopHead" << 0;
    QTest::newRow("TozanTrad, vertical")
        << tozan << false << false << false << "3_Italic" << true << "TupletLeftHead" << 0;
    QTest::newRow("TozanTrad, line bracket")
        << tozan << true << true << false << "3_Italic" << true << none << 4;
    QTest::newRow("TozanTrad, vertical, line bracket")
        << tozan << false << true << false << "3_Italic" << true << none << 4;
}

void TestTuplets::triplet()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    QFETCH(bool, lineBracket);
    QFETCH(bool, noteBracket);
    QFETCH(QString, number);
    QFETCH(bool, common);
    QFETCH(QString, head);
    QFETCH(int, lines);
    VoiceScore f(horizontal);
    Part *part = f.addPart(QStringLiteral("P"), style);
    f.score.style->tupletBracket = lineBracket;
    f.addMeasure();
    const QList<Note *> notes = f.addNotes(0, QStringLiteral("A4/4 B4/4 C5/4 D5/4"));
    markTuplet(notes, 0, 2, 0, 3, noteBracket);
    // Staff notes with their stems up, as the staff worker draws these.
    if (style == NotationStyle::StaffNotation) {
        for (Note *note : notes)
            note->stem = 1;
    }
    // The note's own number stands in for a missing shown number.
    notes.first()->tupletActual[0] = 0;
    TestSupport::drawVoiceScore(f, style == NotationStyle::StaffNotation);

    const QList<GlyphItem *> numbers = glyphs(f.score, number);
    QCOMPARE(numbers.size(), 1);
    GlyphItem *shown = numbers.first();
    QCOMPARE(shown->renderer(),
             common ? f.score.commonRenderer.get() : part->noteFontRenderer.get());
    QVERIFY(!shown->boundingRect().isEmpty());

    // Along the reading direction the number stands over the triplet's notes.
    const auto &items = f.items(0, 0);
    const QRectF first = items.at(notes.at(0)->noteAlignItem)->graphicsItem->sceneBoundingRect();
    const QRectF third = items.at(notes.at(2)->noteAlignItem)->graphicsItem->sceneBoundingRect();
    const double at = along(shown->sceneBoundingRect(), horizontal);
    QVERIFY2(at > along(first, horizontal) && at < along(third, horizontal) + 0.5 * third.width(),
             qPrintable(QStringLiteral("number at %1, notes %2..%3")
                            .arg(at)
                            .arg(along(first, horizontal))
                            .arg(along(third, horizontal))));

    if (!head.isEmpty()) {
        QCOMPARE(glyphs(f.score, head).size(), 1);
        QString tail = head;
        tail.replace(QLatin1String("Head"), QLatin1String("Tail"));
        QCOMPARE(glyphs(f.score, tail).size(), 1);
    }
    int lineCount = 0;
    if (QGraphicsItem *group = shown->parentItem()) {
        for (QGraphicsItem *child : group->childItems())
            lineCount += dynamic_cast<QGraphicsLineItem *>(child) ? 1 : 0;
    }
    QCOMPARE(lineCount, lines);
    for (GlyphItem *glyph : tupletGlyphs(f.score)) {
        QVERIFY(glyph->transform().m11() > 0.0);
        QVERIFY(glyph->transform().m22() > 0.0);
    }
}

void TestTuplets::nestedTupletsStackOutward_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("probe"); // one glyph per tuplet, compared across
    QTest::addColumn<double>("step");   // outward step in note sizes

    QTest::newRow("TozanTrad") << int(NotationStyle::TozanTrad) << true << "TupletTopHead" << 0.4;
    QTest::newRow("TozanTrad, vertical")
        << int(NotationStyle::TozanTrad) << false << "TupletLeftHead" << 0.3;
    QTest::newRow("staff") << int(NotationStyle::StaffNotation) << true << "_Italic" << 0.2;
}

void TestTuplets::nestedTupletsStackOutward()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    QFETCH(QString, probe);
    QFETCH(double, step);
    VoiceScore f(horizontal);
    Part *part = f.addPart(QStringLiteral("P"), style);
    f.addMeasure();
    const QList<Note *> notes = f.addNotes(0, QStringLiteral("A4/8 A4/8 A4/8 A4/8 A4/8 A4/8 r/4"));
    // Six notes as one sextuplet (number 0) holding a triplet (number 1).
    markTuplet(notes, 0, 5, 0, 6);
    markTuplet(notes, 0, 2, 1, 3);
    TestSupport::drawVoiceScore(f, style == NotationStyle::StaffNotation);

    QGraphicsItem *outer = nullptr;
    QGraphicsItem *inner = nullptr;
    if (probe == QLatin1String("_Italic")) {
        QCOMPARE(glyphs(f.score, "6_Italic").size(), 1);
        QCOMPARE(glyphs(f.score, "3_Italic").size(), 1);
        outer = glyphs(f.score, "6_Italic").first();
        inner = glyphs(f.score, "3_Italic").first();
    } else {
        const QList<GlyphItem *> heads = glyphs(f.score, probe);
        QCOMPARE(heads.size(), 2);
        // The outer bracket is the longer one.
        const bool firstLonger =
            heads.at(0)->sceneBoundingRect().width() + heads.at(0)->sceneBoundingRect().height() >
            heads.at(1)->sceneBoundingRect().width() + heads.at(1)->sceneBoundingRect().height();
        outer = heads.at(firstLonger ? 0 : 1);
        inner = heads.at(firstLonger ? 1 : 0);
    }
    // Above the notes (left in vertical writing): the outer one a step
    // further away. The numbers are compared at their bottom edges, which
    // sit on their line.
    const double k = f.score.page->scaleFactor;
    const QRectF o = outer->sceneBoundingRect();
    const QRectF i = inner->sceneBoundingRect();
    const double apart = horizontal ? (probe == QLatin1String("_Italic") ? i.bottom() - o.bottom()
                                                                         : i.top() - o.top())
                                    : i.left() - o.left();
    // Staff numbers stand apart by the number's own height and a gap of
    // 0.2 note sizes, so the outer one clears the inner bracket's number.
    const double expected = probe == QLatin1String("_Italic")
                                ? o.height() + step * part->noteFontSize * k
                                : step * part->noteFontSize * k;
    QVERIFY2(qAbs(apart - expected) < 0.01,
             qPrintable(QStringLiteral("apart %1, expected %2").arg(apart).arg(expected)));
}

void TestTuplets::spanShorterThanNumberNeverMirrors()
{
    for (bool horizontal : {true, false}) {
        VoiceScore f(horizontal);
        f.addPart(QStringLiteral("P"), NotationStyle::TozanTrad);
        f.addMeasure();
        f.addNotes(0, QStringLiteral("C5/1"));
        f.build();
        Tuplet tuplet(&f.score, 0, 0);
        // Start and stop a hair apart: no room for either stretched half.
        tuplet.tupletStart(0, 3, false, QPointF(30.0, 40.0));
        tuplet.tupletStop(0, QPointF(30.1, 40.1));
        const QList<GlyphItem *> drawn = tupletGlyphs(f.score);
        QCOMPARE(glyphs(f.score, "3_Italic").size(), 1);
        for (GlyphItem *glyph : drawn) {
            QVERIFY2(glyph->transform().m11() > 0.0 && glyph->transform().m22() > 0.0,
                     qPrintable(glyph->elementId()));
        }
    }
}

void TestTuplets::unmatchedEndsDrawNothing_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("kind");
    const int staff = NotationStyle::StaffNotation;
    const int tozan = NotationStyle::TozanTrad;
    QTest::newRow("across a barline") << tozan << "barline";
    QTest::newRow("staff, across a barline") << staff << "barline";
    QTest::newRow("stop without start") << tozan << "stop";
    QTest::newRow("staff, number without start") << staff << "stop";
}

void TestTuplets::unmatchedEndsDrawNothing()
{
    QFETCH(int, style);
    QFETCH(QString, kind);
    VoiceScore f;
    f.addPart(QStringLiteral("P"), style);
    f.addMeasure();
    const QList<Note *> one = f.addNotes(0, QStringLiteral("C5/2 C5/4 D5/8 E5/8"));
    f.addMeasure();
    const QList<Note *> two = f.addNotes(0, QStringLiteral("F5/8 G5/8 A5/4 C5/2"));
    if (kind == QLatin1String("barline")) {
        // Begun in one measure and ended in the next: each measure's
        // builder sees only one end.
        one.at(2)->tupletState[0] = 1;
        two.at(1)->tupletState[0] = 2;
        for (Note *note : {one.at(2), one.at(3), two.at(0), two.at(1)})
            note->actualNotes = 3;
    }
    TestSupport::drawVoiceScore(f, style == NotationStyle::StaffNotation);
    if (kind == QLatin1String("stop")) {
        Tuplet tuplet(&f.score, 0, 0);
        tuplet.tupletStop(0, QPointF(40.0, 20.0));
        tuplet.drawTupletNumber(0, f.score.measures.at(1), 0, 0, 1);
        tuplet.tupletStop(7, QPointF(40.0, 20.0)); // no such number
    }
    QCOMPARE(tupletGlyphs(f.score).size(), 0);
}

void TestTuplets::tupletFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("tuplets"); // tuplet starts in the file
    const QString plain = QStringLiteral("23a-Tuplets.xml");
    const QString nested = QStringLiteral("23d-Tuplets-Nested.xml");
    QTest::newRow("plain, TozanTrad") << plain << int(NotationStyle::TozanTrad) << true << 7;
    QTest::newRow("plain, KinkoSimple, vertical")
        << plain << int(NotationStyle::KinkoSimple) << false << 7;
    QTest::newRow("nested, TozanTrad") << nested << int(NotationStyle::TozanTrad) << true << 7;
}

void TestTuplets::tupletFiles()
{
    QFETCH(QString, file);
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    QFETCH(int, tuplets);
    Score score(QStringLiteral("5.3.1"), 1, false);
    QFile xml(TestSupport::fixturePath("corpus/lilypond-musicxml-testsuite/" + file));
    QVERIFY(xml.open(QIODevice::ReadOnly));
    score.documentText = QString::fromUtf8(xml.readAll());
    QVERIFY(score.parseScoreXml(false));
    for (Part *part : std::as_const(score.parts))
        part->notationStyle = style;
    score.page->horizontal = horizontal;
    QVERIFY(score.generateScore());
    // One number per tuplet, each between its bracket halves.
    int numbers = 0;
    for (GlyphItem *glyph : tupletGlyphs(score)) {
        numbers += glyph->elementId().endsWith(QLatin1String("_Italic")) ? 1 : 0;
        QVERIFY(glyph->transform().m11() > 0.0 && glyph->transform().m22() > 0.0);
        QVERIFY(glyph->renderer() == score.commonRenderer.get());
    }
    QCOMPARE(numbers, tuplets);
}

VELMORA_TEST_MAIN(TestTuplets)

} // namespace tst_tuplets
#include "tst_tuplets.moc"
