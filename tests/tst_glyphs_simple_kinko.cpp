// The glyphs of the simple notations and of traditional Kinko notation,
// drawn with the bundled note fonts: the repeat sign "Prev" and what stops
// it, pizzicato circles across a chord, duration bars and dots, the rests
// of the simple notations (typed and whole-measure), two-note tremolos in
// every traditional worker, grace-note runs, and a name the font lacks.
#include "layout/alignitem.h"
#include "layout/layouter.h"
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
#include "support/glyphscore.h"
#include "support/messagecapture.h"
#include "support/testenvironment.h"

#include <QImage>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QSvgRenderer>

namespace tst_glyphs_simple_kinko {

using TestSupport::GlyphScore;

namespace {

// Measures separated by "|", each of 4/4 with 4 divisions unless given.
void addMeasures(GlyphScore &g, const QString &tokens, int beats = 4, int beatType = 4,
                 int divisions = 4)
{
    for (const QString &measure : tokens.split(QLatin1Char('|'))) {
        g.addMeasure(beats, beatType, divisions);
        g.addNotes(measure.trimmed());
    }
}

QList<Note *> allNotes(const GlyphScore &g)
{
    QList<Note *> notes;
    for (int m = 0; m < g.score.measures.size(); ++m) {
        for (int i = 0; i < g.score.measures.at(m)->parts.at(0)->voices.at(0)->notes.size(); ++i)
            notes.append(g.note(m, i));
    }
    return notes;
}

int measureOf(const GlyphScore &g, const Note *note)
{
    for (int m = 0; m < g.score.measures.size(); ++m) {
        if (g.score.measures.at(m)->parts.at(0)->voices.at(0)->notes.contains(note))
            return m;
    }
    return -1;
}

// Whether painting the item marks any pixel.
bool hasInk(GlyphItem *item)
{
    QImage image(400, 400, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(400 / item->boundingRect().width(), 400 / item->boundingRect().height());
    painter.translate(-item->boundingRect().topLeft());
    QStyleOptionGraphicsItem option;
    item->paint(&painter, &option, nullptr);
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
        }
    }
    return false;
}

const char *const tremoloError = "ERROR: =========TremoloStart does not stops=========";

} // namespace

class TestGlyphsSimpleKinko : public QObject
{
    Q_OBJECT

private slots:
    void repeatSign_data();
    void repeatSign();
    void pizzCircles_data();
    void pizzCircles();
    void simpleBars_data();
    void simpleBars();
    void simpleRests_data();
    void simpleRests();
    void restInMultiMeasureRest();
    void tremolo_data();
    void tremolo();
    void graceRun_data();
    void graceRun();
    void missingGlyphGivesEmptyItem();
};

void TestGlyphsSimpleKinko::repeatSign_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<int>("noPrevAt"); // note index (over all measures), -1 none
    // The glyph of each note's first own item.
    QTest::addColumn<QStringList>("glyphs");

    // clang-format off
    QTest::newRow("kinko equal quarters") << 1 << "D4/4 D4/4" << -1 << QStringList{"Ro", "Prev"};
    QTest::newRow("kinko .noPrev") << 1 << "D4/4 D4/4" << 1 << QStringList{"Ro", "Ro"};
    QTest::newRow("kinko twice as long") << 1 << "G4/4 G4/2" << -1 << QStringList{"Re", "Prev"};
    QTest::newRow("kinko other name") << 1 << "D4/4 G4/4 G4/4" << -1
        << QStringList{"Ro", "Re", "Prev"};
    QTest::newRow("kinko across the barline") << 1 << "G4/1 | G4/1" << -1
        << QStringList{"Re", "Prev"};
    QTest::newRow("kinko rest between") << 1 << "G4/4 r/4 G4/4" << -1
        << QStringList{"Re", "QuarterRest", "Re"};
    QTest::newRow("kinko three of three") << 1 << "G4/4 G4/4 G4/4" << -1
        << QStringList{"Re", "Prev", "Prev"};
    QTest::newRow("koto half after quarter") << 5 << "D4/4 D4/2" << -1
        << QStringList{"5", "Prev"};
    QTest::newRow("koto dotted half after half") << 5 << "D4/2 D4/2." << -1
        << QStringList{"5", "5"};
    QTest::newRow("koto eighth after dotted quarter") << 5 << "D4/4. D4/8" << -1
        << QStringList{"5", "Prev"};
    QTest::newRow("sangen ikuta") << 7 << "D4/4 D4/4" << -1 << QStringList{"1-1", "Prev"};
    QTest::newRow("sangen yamada") << 8 << "D4/4 D4/4" << -1 << QStringList{"2", "Prev"};
    QTest::newRow("kinko simple never") << 0 << "G4/4 G4/4" << -1 << QStringList{"Re", "Re"};
    QTest::newRow("tozan never") << 3 << "G4/4 G4/4" << -1 << QStringList{"Re", "Re"};
    // clang-format on
}

void TestGlyphsSimpleKinko::repeatSign()
{
    QFETCH(int, style);
    QFETCH(QString, tokens);
    QFETCH(int, noPrevAt);
    QFETCH(QStringList, glyphs);

    GlyphScore g(style);
    addMeasures(g, tokens);
    g.prepare();
    const QList<Note *> notes = allNotes(g);
    if (noPrevAt >= 0)
        notes.at(noPrevAt)->noPrev = true;
    g.draw();

    QCOMPARE(notes.size(), glyphs.size());
    for (int i = 0; i < notes.size(); ++i) {
        const Note *note = notes.at(i);
        const int m = measureOf(g, note);
        const int noteIndex = int(g.score.measures.at(m)->parts.at(0)->voices.at(0)->notes.indexOf(
            const_cast<Note *>(note)));
        QCOMPARE(g.items(m).at(note->firstAlignItem)->glyphId, glyphs.at(i));
        GlyphItem *svg = g.svg(m, 1, note->firstAlignItem);
        QCOMPARE(svg->elementId(), glyphs.at(i));
        QVERIFY(svg->renderer()->elementExists(glyphs.at(i)));
        QCOMPARE(note->prevMark, glyphs.at(i) == QLatin1String("Prev"));
        // The note's glyph is the one an edit finds it by.
        QCOMPARE(svg->data(TagType).toInt(), int(NoteItem));
        QCOMPARE(itemTag(svg, TagMeasure), m);
        QCOMPARE(itemTag(svg, TagNote), noteIndex);
        QVERIFY(svg->flags() & QGraphicsItem::ItemIsSelectable);
    }
}

void TestGlyphsSimpleKinko::pizzCircles_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<QList<bool>>("plucked");
    QTest::addColumn<QStringList>("circles");
    QTest::addColumn<QList<int>>("states");

    const QList<bool> two{true, true};
    // clang-format off
    QTest::newRow("pair, vertical") << 5 << false << "D4/4 +G4/4" << two
        << QStringList{"PizzCircleStart", "PizzCircleStop"} << QList<int>{2, 4};
    QTest::newRow("pair, horizontal") << 5 << true << "D4/4 +G4/4" << two
        << QStringList{"PizzCircleStart_V", "PizzCircleStop_V"} << QList<int>{2, 4};
    QTest::newRow("three, horizontal") << 5 << true << "D4/4 +G4/4 +A4/4"
        << QList<bool>{true, true, true}
        << QStringList{"PizzCircleStart_V", "PizzCircleContinue_V", "PizzCircleStop_V"}
        << QList<int>{2, 3, 4};
    QTest::newRow("middle one unplucked") << 5 << true << "D4/4 +G4/4 +A4/4"
        << QList<bool>{true, false, true} << QStringList{"PizzCircle", "PizzCircle"}
        << QList<int>{1, 0, 1};
    QTest::newRow("single note") << 5 << true << "D4/4" << QList<bool>{true}
        << QStringList{"PizzCircle"} << QList<int>{1};
    QTest::newRow("single note, vertical") << 5 << false << "D4/4" << QList<bool>{true}
        << QStringList{"PizzCircle"} << QList<int>{1};
    QTest::newRow("koto seiha") << 6 << false << "D4/4 +G4/4" << two
        << QStringList{"PizzCircleStart", "PizzCircleStop"} << QList<int>{2, 4};
    QTest::newRow("sangen has none") << 7 << true << "D4/4 +G4/4" << two << QStringList{}
        << QList<int>{0, 0};
    // clang-format on
}

void TestGlyphsSimpleKinko::pizzCircles()
{
    QFETCH(int, style);
    QFETCH(bool, horizontal);
    QFETCH(QString, tokens);
    QFETCH(QList<bool>, plucked);
    QFETCH(QStringList, circles);
    QFETCH(QList<int>, states);

    GlyphScore g(style, horizontal);
    addMeasures(g, tokens);
    g.prepare();
    for (int i = 0; i < plucked.size(); ++i)
        g.note(0, i)->hajiki = plucked.at(i);
    g.draw();

    QStringList drawn;
    for (int i = 0; i < g.items().size(); ++i) {
        if (!g.items().at(i)->glyphId.startsWith(QLatin1String("PizzCircle")))
            continue;
        drawn.append(g.items().at(i)->glyphId);
        // The circles come from the common glyph file, over their note.
        GlyphItem *svg = g.svg(0, 1, i);
        QCOMPARE(svg->renderer(), g.score.commonRenderer.get());
        QVERIFY(svg->renderer()->elementExists(svg->elementId()));
        QCOMPARE(g.items().at(i)->kind, int(AlignOverlay));
    }
    QCOMPARE(drawn, circles);
    for (int i = 0; i < states.size(); ++i) {
        const Note *note = g.note(0, i);
        QCOMPARE(note->pizzCircle, states.at(i));
        QCOMPARE(note->glyphName.endsWith(QLatin1String(":Pizz")), states.at(i) > 0);
    }
    // The chord list passed on marks the pizzicato notes.
    QCOMPARE(g.chordLists.size(), 1);
    for (int i = 0; i < plucked.size(); ++i)
        QCOMPARE(g.chordLists.first().at(i).endsWith(QLatin1String("-pizz")), plucked.at(i));
}

void TestGlyphsSimpleKinko::simpleBars_data()
{
    QTest::addColumn<int>("beats");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<QStringList>("glyphs"); // "id@time"
    QTest::addColumn<QString>("displayName");
    QTest::addColumn<int>("barsAndDots");

    // clang-format off
    QTest::newRow("whole") << 4 << true << "G4/1"
        << QStringList{"Re@0", "QuarterBar@4", "QuarterBar@8", "QuarterBar@12"} << "Re:NBar3:Otsu" << 3;
    QTest::newRow("dotted whole") << 6 << true << "G4/1."
        << QStringList{"Re@0", "QuarterBar@4", "QuarterBar@8", "QuarterBar@12", "QuarterBar@16",
                       "QuarterBar@20"} << "Re:NBar5:Otsu" << 5;
    QTest::newRow("double-dotted whole") << 7 << true << "G4/1.."
        << QStringList{"Re@0", "QuarterBar@4", "QuarterBar@8", "QuarterBar@12", "QuarterBar@16",
                       "QuarterBar@20", "QuarterBar@24"} << "Re:NBar6:Otsu" << 6;
    QTest::newRow("half") << 4 << true << "G4/2" << QStringList{"Re@0", "QuarterBar@4"}
        << "Re:NBar1:Otsu" << 1;
    QTest::newRow("dotted half") << 4 << true << "G4/2."
        << QStringList{"Re@0", "QuarterBar@4", "QuarterBar@8"} << "Re:NBar2:Otsu" << 2;
    QTest::newRow("double-dotted half") << 4 << true << "G4/2.."
        << QStringList{"Re@0", "QuarterBar@4", "QuarterBar@9", "Dot@-1"} << "Re:NBar2:Dot1:Otsu" << 3;
    QTest::newRow("dotted quarter") << 4 << true << "G4/4." << QStringList{"Re@0", "Dot@-1"}
        << "Re:Dot1:Otsu" << 1;
    QTest::newRow("double-dotted eighth") << 4 << true << "G4/8.."
        << QStringList{"Re@0", "Dot@-1", "Dot@-1"} << "Re:Dot2:Otsu" << 2;
    QTest::newRow("quarter") << 4 << true << "G4/4" << QStringList{"Re@0"} << "Re:Otsu" << 0;
    QTest::newRow("half, vertical") << 4 << false << "G4/2"
        << QStringList{"Re@0", "QuarterBar_V@4"} << "Re:NBar1:Otsu" << 1;
    QTest::newRow("upper octave") << 4 << true << "D5/2"
        << QStringList{"Ro@0", "QuarterBar@4"} << "Ro:NBar1:Kan" << 1;
    QTest::newRow("tied continuation") << 4 << true << "G4/2~1 G4/2~2"
        << QStringList{"Re@0", "QuarterBar@4", "QuarterBar@8", "QuarterBar@12"} << "Bar:NBar1:TieStop" << 1;
    QTest::newRow("chord member has none") << 4 << true << "G4/2 +A4/2"
        << QStringList{"Re@0", "Chi@0", "QuarterBar@4"} << "Re:NBar1:Otsu" << 1;
    // clang-format on
}

void TestGlyphsSimpleKinko::simpleBars()
{
    QFETCH(int, beats);
    QFETCH(bool, horizontal);
    QFETCH(QString, tokens);
    QFETCH(QStringList, glyphs);
    QFETCH(QString, displayName);
    QFETCH(int, barsAndDots);

    GlyphScore g(NotationStyle::KinkoSimple, horizontal);
    g.addMeasure(beats, 4, 4);
    g.addNotes(tokens);
    g.build();

    QCOMPARE(g.ids(0, 1, true), glyphs);
    for (int i = 0; i < glyphs.size(); ++i) {
        GlyphItem *svg = g.svg(0, 1, i);
        QVERIFY2(svg->renderer()->elementExists(svg->elementId()), qPrintable(svg->elementId()));
    }
    // The last note carries the name: a tied continuation is drawn as a bar
    // where its name would stand; a chord's bars belong to its first note.
    const Note *shown = g.note(0, tokens.contains(QLatin1Char('~')) ? 1 : 0);
    QCOMPARE(shown->glyphName, displayName);
    QCOMPARE(shown->glyphKind, barsAndDots);
}

void TestGlyphsSimpleKinko::simpleRests_data()
{
    QTest::addColumn<int>("beats");
    QTest::addColumn<int>("beatType");
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<bool>("wholeMeasureVoice");
    QTest::addColumn<bool>("wholeRestOutput");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QStringList>("glyphs");
    QTest::addColumn<int>("barsAndDots");
    QTest::addColumn<QString>("displayName");

    const QString q = QStringLiteral("QuarterRest");
    // clang-format off
    QTest::newRow("3/4") << 3 << 4 << "r/0" << false << true << true
        << QStringList{q + "@0", q + "@4", q + "@8"} << 0 << "QuarterRestKinko:Rest2";
    QTest::newRow("2/2") << 2 << 2 << "r/0" << false << true << true
        << QStringList{q + "@0", q + "@4", q + "@8", q + "@12"} << 0 << "QuarterRestKinko:Rest3";
    QTest::newRow("6/8") << 6 << 8 << "r/0" << false << true << true
        << QStringList{q + "@0", "Dot@-1", q + "@6", "Dot@-1"} << -1 << "";
    QTest::newRow("6/8, whole-measure voice") << 6 << 8 << "r/0" << true << true << true
        << QStringList{q + "@0", "Dot@-1", q + "@6", "Dot@-1"} << -1 << "QuarterRestKinko:Rest1";
    QTest::newRow("4/8") << 4 << 8 << "r/0" << false << true << true
        << QStringList{q + "@0", q + "@4"} << -1 << "";
    QTest::newRow("5/8") << 5 << 8 << "r/0" << false << true << true
        << QStringList{q + "@0", q + "@4", "Dot@-1"} << -1 << "";
    QTest::newRow("3/8") << 3 << 8 << "r/0" << false << true << true
        << QStringList{q + "@0", "Dot@-1"} << -1 << "QuarterRestKinko";
    QTest::newRow("1/8") << 1 << 8 << "r/0" << false << true << true
        << QStringList{q + "@0"} << -1 << "QuarterRestKinko";
    QTest::newRow("3/16") << 3 << 16 << "r/0" << false << true << true
        << QStringList{"WholeRest@0"} << 0 << "QuarterRestKinko";
    QTest::newRow("3/16, vertical") << 3 << 16 << "r/0" << false << true << false
        << QStringList{"WholeRest_V@0"} << 0 << "QuarterRestKinko";
    QTest::newRow("3/4, flag set, whole rests not output") << 3 << 4 << "r/0" << true << false
        << true << QStringList{q + "@0", q + "@4", q + "@8"} << 0 << "";
    QTest::newRow("typed whole") << 4 << 4 << "r/1" << false << true << true
        << QStringList{q + "@0", q + "@4", q + "@8", q + "@12"} << 0 << "QuarterRestKinko:Rest3";
    QTest::newRow("half") << 4 << 4 << "r/2" << false << true << true
        << QStringList{q + "@0", q + "@4"} << 0 << "";
    QTest::newRow("dotted half, whole-measure voice") << 4 << 4 << "r/2." << true << true << true
        << QStringList{q + "@0", q + "@4", q + "@8"} << 0 << "QuarterRestKinko:Rest2";
    QTest::newRow("dotted quarter") << 4 << 4 << "r/4." << false << true << true
        << QStringList{q + "@0", "Dot@-1"} << 1 << "QuarterRestKinko";
    QTest::newRow("double-dotted eighth") << 4 << 4 << "r/8.." << false << true << true
        << QStringList{q + "@0", "Dot@-1", "Dot@-1"} << 2 << "QuarterRestKinko";
    // clang-format on
}

void TestGlyphsSimpleKinko::simpleRests()
{
    QFETCH(int, beats);
    QFETCH(int, beatType);
    QFETCH(QString, tokens);
    QFETCH(bool, wholeMeasureVoice);
    QFETCH(bool, wholeRestOutput);
    QFETCH(bool, horizontal);
    QFETCH(QStringList, glyphs);
    QFETCH(int, barsAndDots);
    QFETCH(QString, displayName);

    GlyphScore g(NotationStyle::KinkoSimple, horizontal);
    Measure *measure = g.addMeasure(beats, beatType, 4);
    g.addNotes(tokens);
    measure->parts.at(0)->voiceFlags[0] = wholeMeasureVoice;
    g.part->wholeRestOutput = wholeRestOutput;
    g.build();

    QCOMPARE(g.ids(0, 1, true), glyphs);
    const Note *rest = g.note(0, 0);
    QCOMPARE(rest->glyphKind, barsAndDots);
    QCOMPARE(rest->glyphName, displayName);
    // Only the first rest glyph stands for the note.
    for (int i = 0; i < glyphs.size(); ++i) {
        GlyphItem *svg = g.svg(0, 1, i);
        QVERIFY(svg->renderer()->elementExists(svg->elementId()));
        QCOMPARE(svg->data(TagType).toInt() == NoteItem, i == 0);
        QCOMPARE(svg->renderer() == g.score.commonRenderer.get(), glyphs.at(i).startsWith("Dot"));
    }
    // The main glyph is that first rest; the note runs on to its last glyph.
    QCOMPARE(rest->noteAlignItem, 0);
    QCOMPARE(rest->alignItemEnd, int(glyphs.size()) - 1);
}

void TestGlyphsSimpleKinko::restInMultiMeasureRest()
{
    GlyphScore g(NotationStyle::KinkoSimple);
    Measure *measure = g.addMeasure(3, 4, 4);
    g.addNotes(QStringLiteral("r/0"));
    measure->multipleRest = 3;
    g.build();
    QVERIFY(g.items().isEmpty());
    QCOMPARE(g.note(0, 0)->glyphKind, -1);
}

void TestGlyphsSimpleKinko::tremolo_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QList<int>>("tremolo"); // types of the notes "G4/4 A4/4"
    QTest::addColumn<QStringList>("glyphs");
    QTest::addColumn<QString>("displayName"); // of the first note
    QTest::addColumn<int>("errors");

    // clang-format off
    QTest::newRow("simple pair") << 0 << QList<int>{1, 2} << QStringList{"Re", "Chi"}
        << "Re:Tremolo:Otsu" << 0;
    QTest::newRow("simple start alone") << 0 << QList<int>{1, 0} << QStringList{"Re", "Chi"}
        << "Re:Otsu" << 1;
    QTest::newRow("simple single") << 0 << QList<int>{3, 0} << QStringList{"Re", "Chi"}
        << "Re:Tremolo:Otsu" << 0;
    QTest::newRow("kinko pair") << 1 << QList<int>{1, 2} << QStringList{"Re", "Chi"}
        << "Re:Chi:Tremolo:Otsu" << 0;
    QTest::newRow("kinko start alone") << 1 << QList<int>{1, 0} << QStringList{"Re", "Chi"}
        << "Re:Otsu" << 1;
    QTest::newRow("tozan pair") << 3 << QList<int>{1, 2} << QStringList{"Re", "Chi"}
        << "Re:Chi:Tremolo:Otsu" << 0;
    QTest::newRow("tozan start alone") << 3 << QList<int>{1, 0} << QStringList{"Re", "Chi"}
        << "Re:Otsu" << 1;
    QTest::newRow("koto pair") << 5 << QList<int>{1, 2} << QStringList{"7", "8"}
        << "7:8:Tremolo" << 0;
    QTest::newRow("koto start alone") << 5 << QList<int>{1, 0} << QStringList{"7", "8"}
        << "7" << 1;
    QTest::newRow("koto single") << 5 << QList<int>{3, 0} << QStringList{"7", "8"}
        << "7:Tremolo" << 0;
    // clang-format on
}

void TestGlyphsSimpleKinko::tremolo()
{
    QFETCH(int, style);
    QFETCH(QList<int>, tremolo);
    QFETCH(QStringList, glyphs);
    QFETCH(QString, displayName);
    QFETCH(int, errors);

    GlyphScore g(style);
    g.addMeasure();
    g.addNotes(QStringLiteral("G4/4 A4/4"));
    g.prepare();
    g.note(0, 0)->tremoloType = tremolo.at(0);
    g.note(0, 1)->tremoloType = tremolo.at(1);
    TestSupport::MessageCapture capture;
    g.draw();

    QCOMPARE(g.ids(), glyphs);
    QCOMPARE(g.note(0, 0)->glyphName, displayName);
    QCOMPARE(capture.count(QString::fromLatin1(tremoloError)), errors);
    // The second note of a pair stands on the tremolo's last glyph.
    if (tremolo.at(1) == 2) {
        QCOMPARE(g.note(0, 1)->noteAlignItem, 1);
        QCOMPARE(g.items().at(1)->kind == AlignTime, false);
    }
}

void TestGlyphsSimpleKinko::graceRun_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("endsSlur");
    QTest::addColumn<QStringList>("glyphs");
    QTest::addColumn<QList<int>>("kinds");

    // clang-format off
    QTest::newRow("simple, placed before the note") << 0 << false
        << QStringList{"Re", "Chi", "Spacer", "Ro"} << QList<int>{4, 4, 4, 1};
    QTest::newRow("simple, run ends a slur") << 0 << true
        << QStringList{"Re", "Chi", "Spacer", "Ro"} << QList<int>{2, 2, 4, 1};
    QTest::newRow("kinko: no spacer") << 1 << false
        << QStringList{"Re", "Chi", "Ro"} << QList<int>{4, 4, 1};
    QTest::newRow("tozan") << 3 << true
        << QStringList{"Re", "Chi", "Spacer", "Ro"} << QList<int>{2, 2, 4, 1};
    // clang-format on
}

void TestGlyphsSimpleKinko::graceRun()
{
    QFETCH(int, style);
    QFETCH(bool, endsSlur);
    QFETCH(QStringList, glyphs);
    QFETCH(QList<int>, kinds);

    GlyphScore g(style);
    g.addMeasure();
    g.addNotes(QStringLiteral("gG4/8 gA4/8 D4/4"));
    g.prepare();
    if (endsSlur)
        g.note(0, 1)->slurs[0] = 2;
    g.draw();

    QCOMPARE(g.ids(), glyphs);
    QList<int> drawnKinds;
    for (const AlignItem *item : g.items())
        drawnKinds.append(item->kind);
    QCOMPARE(drawnKinds, kinds);
    QCOMPARE(g.note(0, 0)->glyphName, QStringLiteral("Re:Otsu"));
    // Grace glyphs are drawn at the grace-note scale.
    const double base = g.part->noteFontSize * g.score.page->glyphScale;
    if (style != NotationStyle::TozanTrad)
        QCOMPARE(g.svg(0, 1, 0)->transform().m22(),
                 base * g.score.style->graceNoteScale *
                     g.score.measures.at(0)->layouter->chordSqueezeRatio(0, 0, 1));
}

void TestGlyphsSimpleKinko::missingGlyphGivesEmptyItem()
{
    GlyphScore g(NotationStyle::KinkoSimple);
    g.addMeasure();
    g.addNotes(QStringLiteral("G4/4 G4/4"));
    g.prepare();
    g.note(0, 1)->noteName = QStringLiteral("NoSuchGlyph");
    g.draw();

    QCOMPARE(g.ids(), (QStringList{QStringLiteral("Re"), QStringLiteral("NoSuchGlyph")}));
    QCOMPARE(g.svg(0, 1, 1)->elementId(), QStringLiteral("NoSuchGlyph"));
    QCOMPARE(g.note(0, 1)->glyphName, QStringLiteral("NoSuchGlyph"));
    // The item is there and takes its place, but draws nothing.
    QVERIFY(hasInk(g.svg(0, 1, 0)));
    QVERIFY(!hasInk(g.svg(0, 1, 1)));
}

VELMORA_TEST_MAIN(TestGlyphsSimpleKinko)

} // namespace tst_glyphs_simple_kinko
#include "tst_glyphs_simple_kinko.moc"
