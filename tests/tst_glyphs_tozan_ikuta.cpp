// The glyphs of traditional Tozan notation and of the Ikuta koto and sangen
// notations, drawn with the bundled note fonts: Tozan duration bars, dot
// bars and spacers, Tozan rests by type and dots, Ikuta rests split at the
// beat, the Ikuta extension marks of each time frame a note covers, the
// marks that stand for a tied continuation, and the error lines of what
// the tables leave out.
#include "layout/alignitem.h"
#include "model/glyphitem.h"
#include "model/itemtags.h"
#include "model/measure.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "support/glyphscore.h"
#include "support/messagecapture.h"
#include "support/testenvironment.h"

#include <QSvgRenderer>

namespace tst_glyphs_tozan_ikuta {

using TestSupport::GlyphScore;

namespace {

// Distinct widths, so that a scale tells which note value it came from.
void setDistinctWidths(Part *part)
{
    part->noteWidth1 = 1.4;
    part->noteWidth2 = 1.2;
    part->noteWidth4 = 1.0;
    part->noteWidth8 = 0.85;
    part->noteWidth16 = 0.75;
    part->noteWidth32 = 0.6;
}

double widthOf(const Part *part, int type)
{
    switch (type) {
    case 0:
    case 1:
        return part->noteWidth1;
    case 2:
        return part->noteWidth2;
    case 4:
        return part->noteWidth4;
    case 8:
        return part->noteWidth8;
    case 16:
        return part->noteWidth16;
    default:
        return part->noteWidth32;
    }
}

// Every drawn item shows a glyph of its font.
void verifyGlyphsExist(const GlyphScore &g, int measure = 0)
{
    for (int i = 0; i < g.items(measure).size(); ++i) {
        GlyphItem *svg = g.svg(measure, 1, i);
        QVERIFY2(svg->renderer()->elementExists(svg->elementId()), qPrintable(svg->elementId()));
    }
}

} // namespace

class TestGlyphsTozanIkuta : public QObject
{
    Q_OBJECT

private slots:
    void tozanBars_data();
    void tozanBars();
    void tozanSpacers();
    void tozanRests_data();
    void tozanRests();
    void tozanUnsupportedRest();
    void ikutaRests_data();
    void ikutaRests();
    void extensionMarks_data();
    void extensionMarks();
    void extensionMarksLeftOut_data();
    void extensionMarksLeftOut();
    void tiedContinuation_data();
    void tiedContinuation();
};

void TestGlyphsTozanIkuta::tozanBars_data()
{
    QTest::addColumn<int>("beats");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<QStringList>("glyphs"); // "id@time"
    QTest::addColumn<QList<int>>("widths");  // value whose width scales each item
    QTest::addColumn<QString>("displayName");
    QTest::addColumn<int>("barsAndDots");

    // clang-format off
    QTest::newRow("dotted quarter") << 4 << true << "G4/4."
        << QStringList{"Re@0", "BarQuarter@-1"} << QList<int>{4, 8} << "Re:Dot1:Otsu" << 1;
    QTest::newRow("double-dotted quarter") << 4 << true << "G4/4.."
        << QStringList{"Re@0", "BarQuarter@-1", "BarQuarter@-1"} << QList<int>{4, 8, 16}
        << "Re:Dot2:Otsu" << 2;
    QTest::newRow("dotted half") << 4 << true << "G4/2."
        << QStringList{"Re@0", "BarQuarter@-1"} << QList<int>{2, 4} << "Re:Dot1:Otsu" << 1;
    QTest::newRow("dotted eighth") << 4 << true << "G4/8."
        << QStringList{"Re@0", "BarQuarter@-1"} << QList<int>{8, 16} << "Re:Dot1:Otsu" << 1;
    QTest::newRow("whole") << 4 << true << "G4/1"
        << QStringList{"Re@0", "Bar3Quarter@0"} << QList<int>{1, 0} << "Re:Otsu" << 1;
    QTest::newRow("dotted whole, vertical") << 6 << false << "G4/1."
        << QStringList{"Re@0", "Bar3Quarter_V@0", "BarQuarter_V@-1"} << QList<int>{1, 0, 32}
        << "Re:Dot1:Otsu" << 2;
    QTest::newRow("half") << 4 << true << "G4/2" << QStringList{"Re@0"} << QList<int>{2}
        << "Re:Otsu" << 0;
    QTest::newRow("upper octave, tied") << 4 << true << "D5/2~1 D5/2~2"
        << QStringList{"Ro@0", "Ro@8"} << QList<int>{2, 2} << "Ro:TieStop" << 0;
    // clang-format on
}

void TestGlyphsTozanIkuta::tozanBars()
{
    QFETCH(int, beats);
    QFETCH(bool, horizontal);
    QFETCH(QString, tokens);
    QFETCH(QStringList, glyphs);
    QFETCH(QList<int>, widths);
    QFETCH(QString, displayName);
    QFETCH(int, barsAndDots);

    GlyphScore g(NotationStyle::TozanTrad, horizontal);
    setDistinctWidths(g.part);
    g.addMeasure(beats, 4, 4);
    const QList<Note *> notes = g.addNotes(tokens);
    g.build();

    QCOMPARE(g.ids(0, 1, true), glyphs);
    verifyGlyphsExist(g);
    for (int i = 0; i < widths.size(); ++i) {
        // The whole note's bar keeps its own length; the others scale by a
        // note value.
        const double expected = widths.at(i) == 0 ? 1.0 : widthOf(g.part, widths.at(i));
        QCOMPARE(g.alongScale(g.svg(0, 1, i)), expected);
    }
    QCOMPARE(notes.last()->glyphName, displayName);
    QCOMPARE(notes.last()->glyphKind, barsAndDots);
    // The dots and the whole note's bar follow the note.
    for (int i = 1; i < g.items().size(); ++i)
        QCOMPARE(g.items().at(i)->kind, g.items().at(i)->glyphId.startsWith("Bar") ? 2 : 1);
}

void TestGlyphsTozanIkuta::tozanSpacers()
{
    // A quarter in a tuplet, and a note before grace notes, are followed by
    // a spacer at their end; the last grace note by a short spacer.
    GlyphScore g(NotationStyle::TozanTrad);
    g.addMeasure();
    const QList<Note *> notes = g.addNotes(QStringLiteral("G4/4=3 A4/4 gG4/8 A4/4"));
    notes.first()->timeModification = true;
    g.build();

    QCOMPARE(g.ids(0, 1, true),
             (QStringList{"Re@0", "Spacer@3", "Chi@3", "Spacer@7", "Re@7", "Spacer@-1", "Chi@7"}));
    QCOMPARE(g.items().at(5)->width, 0.07 * g.part->noteFontSize);
    QCOMPARE(g.items().at(1)->kind, int(AlignLeading));
    QCOMPARE(g.items().at(5)->kind, int(AlignLeading));
}

void TestGlyphsTozanIkuta::tozanRests_data()
{
    QTest::addColumn<int>("beats");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<QStringList>("glyphs");
    QTest::addColumn<QString>("displayName");
    QTest::addColumn<int>("barsAndDots");

    // clang-format off
    QTest::newRow("whole") << 4 << true << "r/1" << QStringList{"RestWhole@0"}
        << "WholeRestTozan" << 0;
    QTest::newRow("whole, vertical") << 4 << false << "r/1" << QStringList{"RestWhole_V@0"}
        << "WholeRestTozan_V" << 0;
    QTest::newRow("measure rest") << 3 << true << "r/0" << QStringList{"RestWhole@0"}
        << "WholeRestTozan" << 0;
    QTest::newRow("dotted whole") << 6 << true << "r/1."
        << QStringList{"RestWhole@0", "RestHalf@16"} << "WholeRestTozan" << 1;
    QTest::newRow("double-dotted whole") << 7 << true << "r/1.."
        << QStringList{"RestWhole@0", "RestHalf@16", "QuarterRest@24"} << "WholeRestTozan" << 2;
    QTest::newRow("half, vertical") << 4 << false << "r/2" << QStringList{"RestHalf_V@0"}
        << "HalfRestTozan_V" << 0;
    QTest::newRow("dotted half") << 4 << true << "r/2."
        << QStringList{"RestHalf@0", "QuarterRest@8"} << "HalfRestTozan" << 1;
    QTest::newRow("double-dotted half") << 4 << true << "r/2.." << QStringList{"RestHalf@0"}
        << "HalfRestTozan" << 0;
    QTest::newRow("dotted quarter") << 4 << true << "r/4."
        << QStringList{"QuarterRest@0", "Rest8th@4"} << "QuarterRestTozan" << 1;
    QTest::newRow("dotted eighth") << 4 << true << "r/8."
        << QStringList{"Rest8th@0", "Rest16th@2"} << "8thRestTozan" << 1;
    QTest::newRow("16th") << 4 << true << "r/16" << QStringList{"Rest16th@0"}
        << "16thRestTozan" << 0;
    QTest::newRow("dotted 16th has no dot rest") << 4 << true << "r/16.=1"
        << QStringList{"Rest16th@0"} << "16thRestTozan" << 0;
    QTest::newRow("32nd") << 4 << true << "r/32=1" << QStringList{"Rest32nd@0"}
        << "32thRestTozan" << 0;
    QTest::newRow("64th") << 4 << true << "r/64=1" << QStringList{"Rest64th@0"}
        << "64thRestTozan" << 0;
    QTest::newRow("128th keeps no name") << 4 << true << "r/128=1" << QStringList{"Rest128th@0"}
        << "" << 0;
    // clang-format on
}

void TestGlyphsTozanIkuta::tozanRests()
{
    QFETCH(int, beats);
    QFETCH(bool, horizontal);
    QFETCH(QString, tokens);
    QFETCH(QStringList, glyphs);
    QFETCH(QString, displayName);
    QFETCH(int, barsAndDots);

    GlyphScore g(NotationStyle::TozanTrad, horizontal);
    setDistinctWidths(g.part);
    g.addMeasure(beats, 4, 4);
    const QList<Note *> notes = g.addNotes(tokens);
    g.build();

    QCOMPARE(g.ids(0, 1, true), glyphs);
    verifyGlyphsExist(g);
    const Note *rest = notes.first();
    QCOMPARE(rest->glyphName, displayName);
    QCOMPARE(rest->glyphKind, barsAndDots);
    QCOMPARE(g.svg(0, 1, 0)->data(TagType).toInt(), int(NoteItem));
    QCOMPARE(g.alongScale(g.svg(0, 1, 0)), widthOf(g.part, rest->noteType));
    for (int i = 1; i < glyphs.size(); ++i)
        QCOMPARE(g.svg(0, 1, i)->data(TagType).toInt(), 0);
}

void TestGlyphsTozanIkuta::tozanUnsupportedRest()
{
    GlyphScore g(NotationStyle::TozanTrad);
    g.addMeasure();
    g.addNotes(QStringLiteral("r/4 r/4"));
    g.prepare();
    g.note(0, 0)->noteType = 3;
    TestSupport::MessageCapture capture;
    g.draw();

    QVERIFY(capture.contains(QStringLiteral("Error:uncprocessed Tozan Rest type = 3")));
    QCOMPARE(g.ids(0, 1, true), QStringList{QStringLiteral("QuarterRest@4")});

    // In a measure that stands for a multi-measure rest nothing is drawn.
    GlyphScore m(NotationStyle::TozanTrad);
    m.addMeasure()->multipleRest = 2;
    m.addNotes(QStringLiteral("r/1"));
    m.build();
    QVERIFY(m.items().isEmpty());
    QCOMPARE(m.note(0, 0)->glyphName, QStringLiteral("WholeRestTozan"));
}

void TestGlyphsTozanIkuta::ikutaRests_data()
{
    QTest::addColumn<int>("beats");
    QTest::addColumn<int>("beatType");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<QStringList>("glyphs");

    const QString q = QStringLiteral("QuarterRest");
    const QString e = QStringLiteral("8thRest");
    // clang-format off
    QTest::newRow("quarter half a beat late") << 4 << 4 << true << "G4/8 r/4 G4/8"
        << QStringList{"7@0", e + "@2", e + "@4", "7@6"};
    QTest::newRow("quarter on the beat") << 4 << 4 << true << "r/4" << QStringList{q + "@0"};
    QTest::newRow("dotted quarter") << 4 << 4 << true << "r/4." << QStringList{q + "@0", e + "@4"};
    QTest::newRow("measure rest 4/4") << 4 << 4 << true << "r/0"
        << QStringList{q + "@0", q + "@4", q + "@8", q + "@12"};
    QTest::newRow("measure rest 3/4") << 3 << 4 << true << "r/0"
        << QStringList{q + "@0", q + "@4", q + "@8"};
    QTest::newRow("measure rest 2/2") << 2 << 2 << true << "r/0"
        << QStringList{q + "@0", q + "@4", q + "@8", q + "@12"};
    QTest::newRow("measure rest 6/8") << 6 << 8 << true << "r/0"
        << QStringList{e + "@0", e + "@2", e + "@4", e + "@6", e + "@8", e + "@10"};
    QTest::newRow("measure rest 3/16") << 3 << 16 << true << "r/0" << QStringList{"WholeRest@0"};
    QTest::newRow("measure rest 3/16, vertical") << 3 << 16 << false << "r/0"
        << QStringList{"WholeRest_V@0"};
    QTest::newRow("whole") << 4 << 4 << true << "r/1"
        << QStringList{q + "@0", q + "@4", q + "@8", q + "@12"};
    QTest::newRow("dotted half") << 4 << 4 << true << "r/2."
        << QStringList{q + "@0", q + "@4", q + "@8"};
    QTest::newRow("dotted eighth") << 4 << 4 << true << "r/8."
        << QStringList{e + "@0", "16thRest@2"};
    QTest::newRow("16th") << 4 << 4 << true << "r/16" << QStringList{"16thRest@0"};
    QTest::newRow("32nd") << 4 << 4 << true << "r/32=1" << QStringList{"32ndRest@0"};
    QTest::newRow("64th") << 4 << 4 << true << "r/64=1" << QStringList{"64thRest@0"};
    QTest::newRow("128th draws nothing") << 4 << 4 << true << "r/128=1" << QStringList{};
    // clang-format on
}

void TestGlyphsTozanIkuta::ikutaRests()
{
    QFETCH(int, beats);
    QFETCH(int, beatType);
    QFETCH(bool, horizontal);
    QFETCH(QString, tokens);
    QFETCH(QStringList, glyphs);

    GlyphScore g(NotationStyle::KotoIkuta, horizontal);
    g.addMeasure(beats, beatType, 4);
    const QList<Note *> notes = g.addNotes(tokens);
    g.build();

    QCOMPARE(g.ids(0, 1, true), glyphs);
    verifyGlyphsExist(g);
    // The first glyph of a rest stands for it; a rest passes the chord
    // list on.
    for (Note *note : notes) {
        if (!note->rest || glyphs.isEmpty())
            continue;
        GlyphItem *first = g.svg(0, 1, note->firstAlignItem);
        QCOMPARE(first->data(TagType).toInt(), int(NoteItem));
        QVERIFY(first->isVisible());
    }
    if (tokens == QLatin1String("G4/8 r/4 G4/8"))
        QCOMPARE(g.chordLists.at(1), QStringList{QStringLiteral("7")});
}

void TestGlyphsTozanIkuta::extensionMarks_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("beats");
    QTest::addColumn<int>("beatType");
    QTest::addColumn<int>("divisions");
    QTest::addColumn<bool>("erase");
    QTest::addColumn<QString>("tokens");    // the note under test comes last
    QTest::addColumn<QStringList>("marks"); // "id@time" after the note's glyph
    QTest::addColumn<int>("count");

    const QString qx = QStringLiteral("QuarterExtension");
    const QString ex = QStringLiteral("8thExtension");
    const QString sx = QStringLiteral("16thExtension");
    const QString tx = QStringLiteral("32ndExtension");
    // clang-format off
    QTest::newRow("whole, divisions 1") << 5 << 4 << 4 << 1 << false << "G4/1"
        << QStringList{qx + "@1", qx + "@2", qx + "@3"} << 3;
    QTest::newRow("whole") << 5 << 4 << 4 << 4 << false << "G4/1"
        << QStringList{qx + "@4", qx + "@8", qx + "@12"} << 3;
    QTest::newRow("half on the beat") << 5 << 4 << 4 << 4 << false << "G4/2"
        << QStringList{qx + "@4"} << 1;
    QTest::newRow("half on a half-beat") << 5 << 4 << 4 << 4 << false << "r/8 G4/2"
        << QStringList{qx + "@4", ex + "@8"} << 2;
    QTest::newRow("half in 2/2") << 5 << 2 << 2 << 4 << false << "G4/2"
        << QStringList{qx + "@4"} << 1;
    QTest::newRow("dotted half in 3/4") << 5 << 3 << 4 << 4 << false << "G4/2."
        << QStringList{qx + "@4", qx + "@8"} << 2;
    QTest::newRow("dotted half in 6/8 on its dotted beat") << 5 << 6 << 8 << 4 << false
        << "G4/2." << QStringList{qx + "@6"} << 1;
    QTest::newRow("dotted half in 6/8 off it") << 5 << 6 << 8 << 4 << false << "r/8 G4/2."
        << QStringList{} << 1;
    // As the table has it: one mark drawn, three counted.
    QTest::newRow("double-dotted half on the beat") << 5 << 4 << 4 << 4 << false << "G4/2.."
        << QStringList{ex + "@12"} << 3;
    QTest::newRow("double-dotted half on a half-beat") << 5 << 4 << 4 << 4 << false
        << "r/8 G4/2.." << QStringList{qx + "@4", qx + "@8", qx + "@12"} << 3;
    QTest::newRow("quarter on the beat") << 5 << 4 << 4 << 4 << false << "G4/4"
        << QStringList{} << 0;
    QTest::newRow("quarter on a half-beat") << 5 << 4 << 4 << 4 << false << "r/8 G4/4"
        << QStringList{ex + "@4"} << 1;
    QTest::newRow("quarter on a half-beat, extensions erased") << 5 << 4 << 4 << 4 << true
        << "r/8 G4/4" << QStringList{} << 0;
    QTest::newRow("dotted quarter on the beat") << 5 << 4 << 4 << 4 << false << "G4/4."
        << QStringList{ex + "@4"} << 1;
    QTest::newRow("dotted quarter on a half-beat") << 5 << 4 << 4 << 4 << false << "r/8 G4/4."
        << QStringList{qx + "@4"} << 1;
    QTest::newRow("double-dotted quarter on the beat") << 5 << 4 << 4 << 4 << false << "G4/4.."
        << QStringList{ex + "@4", sx + "@6"} << 2;
    QTest::newRow("double-dotted quarter on a half-beat") << 5 << 4 << 4 << 4 << false
        << "r/8 G4/4.." << QStringList{qx + "@6", sx + "@8"} << 2;
    QTest::newRow("double-dotted quarter on a quarter-beat") << 5 << 4 << 4 << 4 << false
        << "r/16 G4/4.." << QStringList{ex + "@2", qx + "@4"} << 2;
    QTest::newRow("eighth on a quarter-beat") << 5 << 4 << 4 << 4 << false << "r/16 G4/8"
        << QStringList{sx + "@2"} << 0;
    QTest::newRow("dotted eighth on a half-beat") << 5 << 4 << 4 << 4 << false << "r/8 G4/8."
        << QStringList{sx + "@4"} << 1;
    QTest::newRow("dotted eighth on a quarter-beat") << 5 << 4 << 4 << 4 << false
        << "r/16 G4/8." << QStringList{ex + "@2"} << 1;
    QTest::newRow("double-dotted eighth on a half-beat") << 5 << 4 << 4 << 8 << false
        << "r/8 G4/8.." << QStringList{sx + "@8", tx + "@10"} << 2;
    QTest::newRow("double-dotted eighth on a quarter-beat") << 5 << 4 << 4 << 8 << false
        << "r/16 G4/8.." << QStringList{ex + "@4"} << 1;
    QTest::newRow("double-dotted eighth on an eighth of a beat") << 5 << 4 << 4 << 8 << false
        << "r/32 G4/8.." << QStringList{sx + "@2", ex + "@4"} << 2;
    QTest::newRow("dotted 16th") << 5 << 4 << 4 << 8 << false << "G4/16."
        << QStringList{tx + "@2"} << 1;
    QTest::newRow("sangen half on a half-beat") << 7 << 4 << 4 << 4 << false << "r/8 G4/2"
        << QStringList{qx + "@4", ex + "@8"} << 2;
    // clang-format on
}

void TestGlyphsTozanIkuta::extensionMarks()
{
    QFETCH(int, style);
    QFETCH(int, beats);
    QFETCH(int, beatType);
    QFETCH(int, divisions);
    QFETCH(bool, erase);
    QFETCH(QString, tokens);
    QFETCH(QStringList, marks);
    QFETCH(int, count);

    GlyphScore g(style);
    setDistinctWidths(g.part);
    g.score.style->eraseExtension = erase;
    g.addMeasure(beats, beatType, divisions);
    const QList<Note *> notes = g.addNotes(tokens);
    g.build();

    const Note *note = notes.last();
    const QStringList drawn = g.ids(0, 1, true);
    QCOMPARE(drawn.at(note->firstAlignItem).section(QLatin1Char('@'), 0, 0), note->noteName);
    QCOMPARE(drawn.mid(note->firstAlignItem + 1), marks);
    QCOMPARE(note->glyphKind, count);
    verifyGlyphsExist(g);
    // Each mark is anchored in time and scaled by its own value.
    for (int i = note->firstAlignItem + 1; i < drawn.size(); ++i) {
        const QString id = g.items().at(i)->glyphId;
        const int value = id.startsWith(QLatin1String("Quarter")) ? 4
                          : id.startsWith(QLatin1String("8th"))   ? 8
                          : id.startsWith(QLatin1String("16th"))  ? 16
                                                                  : 32;
        QCOMPARE(g.items().at(i)->kind, int(AlignTime));
        QCOMPARE(g.alongScale(g.svg(0, 1, i)), widthOf(g.part, value));
    }
}

void TestGlyphsTozanIkuta::extensionMarksLeftOut_data()
{
    QTest::addColumn<int>("beats");
    QTest::addColumn<int>("beatType");
    QTest::addColumn<int>("divisions");
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<QString>("message");

    // clang-format off
    QTest::newRow("double-dotted half in 6/8") << 6 << 8 << 4 << "G4/2.."
        << "addNoteExtensionsTimeFrame Error not processed note type (Measure: 1)";
    QTest::newRow("double-dotted 16th") << 4 << 4 << 8 << "G4/16.."
        << "16th' 2dots not processed ==================";
    // clang-format on
}

void TestGlyphsTozanIkuta::extensionMarksLeftOut()
{
    QFETCH(int, beats);
    QFETCH(int, beatType);
    QFETCH(int, divisions);
    QFETCH(QString, tokens);
    QFETCH(QString, message);

    GlyphScore g(NotationStyle::KotoIkuta);
    g.addMeasure(beats, beatType, divisions);
    g.addNotes(tokens);
    TestSupport::MessageCapture capture;
    g.build();

    QVERIFY2(capture.contains(message), qPrintable(capture.lines().join('\n')));
    // The note keeps its glyph and gets no marks.
    QCOMPARE(g.ids(), QStringList{QStringLiteral("7")});
    QCOMPARE(g.note(0, 0)->glyphKind, 0);
}

void TestGlyphsTozanIkuta::tiedContinuation_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("tokens");    // measures separated by "|"
    QTest::addColumn<QStringList>("marks"); // what the last note draws
    QTest::addColumn<QString>("displayName");

    const QString qx = QStringLiteral("QuarterExtension");
    const QString ex = QStringLiteral("8thExtension");
    const QString sx = QStringLiteral("16thExtension");
    // clang-format off
    QTest::newRow("sangen quarter on the beat") << 7 << "G4/4~1 G4/4~2"
        << QStringList{qx + "@4"} << "2-1:TieStop";
    QTest::newRow("koto quarter on the beat") << 5 << "G4/4~1 G4/4~2"
        << QStringList{qx + "@4"} << "7:TieStop";
    QTest::newRow("quarter on a half-beat") << 7 << "r/8 G4/4~1 G4/4~2"
        << QStringList{ex + "@6", ex + "@8"} << "2-1:TieStop";
    QTest::newRow("quarter in a tuplet") << 7 << "r/8 G4/4~1 G4/4=3~2"
        << QStringList{qx + "@6"} << "2-1:TieStop";
    QTest::newRow("half") << 7 << "G4/2~1 G4/2~2" << QStringList{qx + "@8", qx + "@12"}
        << "2-1:TieStop";
    QTest::newRow("dotted quarter on the beat") << 7 << "G4/4~1 G4/4.~2"
        << QStringList{qx + "@4", ex + "@8"} << "2-1:TieStop";
    QTest::newRow("dotted quarter on a half-beat") << 7 << "r/8 G4/4~1 G4/4.~2"
        << QStringList{ex + "@6", qx + "@8"} << "2-1:TieStop";
    QTest::newRow("dotted eighth") << 7 << "G4/8~1 G4/8.~2" << QStringList{ex + "@2", sx + "@4"}
        << "2-1:TieStop";
    QTest::newRow("16th") << 7 << "G4/16~1 G4/16~2" << QStringList{sx + "@1"} << "2-1:TieStop";
    QTest::newRow("whole across the barline") << 7 << "G4/1~1 | G4/1~2"
        << QStringList{qx + "@0", qx + "@4", qx + "@8", qx + "@12"} << "2-1:TieStop";
    QTest::newRow("double-dotted quarter draws nothing") << 7 << "G4/4~1 G4/4..~2"
        << QStringList{} << "2-1:TieStop";
    // clang-format on
}

void TestGlyphsTozanIkuta::tiedContinuation()
{
    QFETCH(int, style);
    QFETCH(QString, tokens);
    QFETCH(QStringList, marks);
    QFETCH(QString, displayName);

    GlyphScore g(style);
    QList<Note *> notes;
    for (const QString &measure : tokens.split(QLatin1Char('|'))) {
        g.addMeasure();
        notes = g.addNotes(measure.trimmed());
    }
    Note *tied = notes.last();
    if (tokens.contains(QLatin1String("=3"))) {
        tied->timeModification = true;
        tied->actualNotes = 3;
    }
    g.build();

    const int m = int(g.score.measures.size()) - 1;
    const QStringList drawn = g.ids(m, 1, true);
    QCOMPARE(drawn.mid(tied->firstAlignItem), marks);
    QCOMPARE(tied->glyphName, displayName);
    // No note glyph: the first mark stands for the note.
    for (const QString &id : drawn.mid(tied->firstAlignItem))
        QVERIFY(id.contains(QLatin1String("Extension")));
    if (!marks.isEmpty()) {
        GlyphItem *first = g.svg(m, 1, tied->firstAlignItem);
        QCOMPARE(first->data(TagType).toInt(), int(NoteItem));
        QVERIFY(first->renderer()->elementExists(first->elementId()));
    }
}

VELMORA_TEST_MAIN(TestGlyphsTozanIkuta)

} // namespace tst_glyphs_tozan_ikuta
#include "tst_glyphs_tozan_ikuta.moc"
