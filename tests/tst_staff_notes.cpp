// Staff-notation notes on regenerated scores, in both writing directions:
// the glyph run of heads, accidentals, rests, dots, stems, flags and ledger
// lines (aligned-item markers and the glyphs in the scene), heads displaced
// for seconds, accidental columns, stem lengths, ledger-line forms, rest
// dots per voice, the spacers, and bad input that keeps its item but draws
// nothing.
#include "layout/alignitem.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/messagecapture.h"
#include "support/testenvironment.h"
#include "support/voicescore.h"
#include "view/scene.h"

#include <QSvgRenderer>

#include <cmath>

namespace tst_staff_notes {

using TestSupport::VoiceScore;

namespace {

bool near(double a, double b)
{
    return std::abs(a - b) < 1e-6;
}

// A one-part staff-notation score of one 4/4 measure.
struct StaffScore
{
    explicit StaffScore(bool horizontal = true) : f(horizontal)
    {
        part = f.addPart(QStringLiteral("P"), NotationStyle::StaffNotation);
        f.addMeasure();
    }
    // Notes of a voice; `stems` gives each note's stem: u, d or - (none).
    QList<Note *> add(const QString &tokens, const QString &stems = QString(), int voice = 1)
    {
        const QList<Note *> notes = f.addNotes(0, tokens, voice);
        for (int i = 0; i < notes.size() && i < stems.size(); ++i)
            notes.at(i)->stem = stems.at(i) == QLatin1Char('u')   ? 1
                                : stems.at(i) == QLatin1Char('d') ? 2
                                                                  : 0;
        return notes;
    }
    bool generate() { return f.score.generateScore(); }
    const QList<AlignItem *> &items(int voice = 1) const { return f.items(0, 0, voice); }
    QStringList ids(int voice = 1) const
    {
        QStringList result;
        for (const AlignItem *item : items(voice))
            result << item->glyphId;
        return result;
    }
    // What each aligned item's glyph draws; "" for an item that draws nothing.
    QStringList drawn(int voice = 1) const
    {
        QStringList result;
        for (const AlignItem *item : items(voice)) {
            const auto *svg = dynamic_cast<const GlyphItem *>(item->graphicsItem);
            result << (svg && svg->renderer() && svg->renderer()->isValid() &&
                               !svg->boundingRect().isEmpty()
                           ? svg->elementId()
                           : QString());
        }
        return result;
    }
    const AlignItem *item(int index, int voice = 1) const { return items(voice).at(index); }
    QPointF scenePos(int index, int voice = 1) const
    {
        return item(index, voice)->graphicsItem->scenePos();
    }
    double size() const { return part->noteFontSize; }
    double g() const { return part->noteFontSize * f.score.page->glyphScale; }

    VoiceScore f;
    Part *part = nullptr;
};

QStringList split(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

class TestStaffNotes : public QObject
{
    Q_OBJECT

private slots:
    void glyphRuns_data();
    void glyphRuns();
    void secondsInChords_data();
    void secondsInChords();
    void accidentalColumns();
    void stemLengthRules_data();
    void stemLengthRules();
    void stemsOnTheScene_data();
    void stemsOnTheScene();
    void ledgerLines_data();
    void ledgerLines();
    void restDotsPerVoice();
    void spacersAroundNotes();
    void badInputKeepsItsItem();
    void tremoloPartnerTest();
};

void TestStaffNotes::glyphRuns_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<QString>("stems");
    QTest::addColumn<int>("accidental"); // of the first note
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QStringList>("drawn");

    QTest::newRow("quarter below the staff, stem up")
        << true << "C4/4"
        << "u" << 0 << split("Spacer QuarterNote stem AddedLineShort")
        << split("Spacer QuarterNote Stem AddedLineShort");
    QTest::newRow("vertical forms")
        << false << "C4/4"
        << "u" << 0 << split("Spacer QuarterNote_V stem AddedLineShort_V")
        << split("Spacer QuarterNote_V Stem_V AddedLineShort_V");
    QTest::newRow("sharp eighth with its flag")
        << true << "F#5/8"
        << "d" << 2 << split("Spacer Sharp QuarterNote stem hook")
        << split("Spacer Sharp QuarterNote Stem Flag_Down_8");
    QTest::newRow("vertical sixteenth flag")
        << false << "G4/16"
        << "u" << 4 << split("Spacer Flat_V QuarterNote_V stem hook")
        << split("Spacer Flat_V QuarterNote_V Stem_V Flag_Up_16_V");
    QTest::newRow("dotted half above the staff")
        << true << "C6/2."
        << "d" << 0 << split("Spacer HalfNote stem AddedLineShort AddedLineShort Dot")
        << split("Spacer HalfNote Stem AddedLineShort AddedLineShort Dot");
    QTest::newRow("whole note, no stem, whole ledger lines")
        << true << "A3/1"
        << "-" << 0 << split("Spacer WholeNote AddedLineShortWhole AddedLineShortWhole")
        << split("Spacer WholeNote AddedLineShortWhole AddedLineShortWhole");
    QTest::newRow("single note without a stem direction: the layout's")
        << true << "B4/4"
        << "-" << 0 << split("Spacer QuarterNote stem") << split("Spacer QuarterNote Stem");
    QTest::newRow("rests and a rest dot")
        << true << "r/2 r/4 r/8. r/16"
        << "" << 0 << split("Spacer HalfRestFull QuarterRest 8thRest Dot 16thRest")
        << split("Spacer HalfRestFull QuarterRest 8thRest Dot 16thRest");
    QTest::newRow("vertical rests")
        << false << "r/2 r/4. r/32"
        << "" << 0 << split("Spacer HalfRestFull_V QuarterRest_V Dot_V 32ndRest_V")
        << split("Spacer HalfRestFull_V QuarterRest_V Dot_V 32ndRest_V");
    QTest::newRow("slashed grace eighth")
        << true << "gD5/8 B4/4"
        << "uu" << 0 << split("Spacer GraceNote stem hook QuarterNote stem")
        << split("Spacer GraceNote Grace_Stem Grace_Flag_Up_8_Slash QuarterNote Stem");
    QTest::newRow("double-dotted chord")
        << true << "A4/4.. +C5/4.."
        << "u" << 0 << split("Spacer QuarterNote QuarterNote stem Dot2 Dot2")
        << split("Spacer QuarterNote QuarterNote Stem Dot2 Dot2");
}

void TestStaffNotes::glyphRuns()
{
    QFETCH(bool, horizontal);
    QFETCH(QString, tokens);
    QFETCH(QString, stems);
    QFETCH(int, accidental);
    QFETCH(QStringList, ids);
    QFETCH(QStringList, drawn);
    StaffScore s(horizontal);
    const QList<Note *> notes = s.add(tokens, stems);
    notes.first()->accidental = accidental;
    if (notes.first()->grace)
        notes.first()->graceSlash = true;
    QVERIFY(s.generate());
    QCOMPARE(s.ids(), ids);
    QCOMPARE(s.drawn(), drawn);
    // Every drawn glyph is in the scene.
    for (const AlignItem *item : s.items())
        QCOMPARE(item->graphicsItem->scene(), s.f.score.scene);
    // Heads, rests and dots are the note's own selectable glyphs; the
    // note's indices name its items.
    const Note *first = notes.first();
    QVERIFY(first->firstAlignItem >= 1);
    QVERIFY(s.item(first->firstAlignItem)->graphicsItem->flags() & QGraphicsItem::ItemIsSelectable);
    QVERIFY(first->alignItemEnd >= first->firstAlignItem);
    if (ids.contains(QStringLiteral("stem")))
        QCOMPARE(s.ids().at(first->stemAlignItem), QStringLiteral("stem"));
}

void TestStaffNotes::secondsInChords_data()
{
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QList<bool>>("flipped");
    QTest::addColumn<QList<double>>("shifts"); // head offsets along
    QTest::newRow("C-D-E stem up")
        << "C4/4 +D4/4 +E4/4"
        << "u" << QList<bool>{false, true, false} << QList<double>{0.0, 3.0, 0.0};
    QTest::newRow("C-D-E stem down")
        << "C4/4 +D4/4 +E4/4"
        << "d" << QList<bool>{false, true, false} << QList<double>{3.0, 0.0, 3.0};
    QTest::newRow("third, no seconds")
        << "C4/4 +E4/4"
        << "d" << QList<bool>{false, false} << QList<double>{0.0, 0.0};
    QTest::newRow("written from the top, stem up")
        << "E4/4 +D4/4 +C4/4"
        << "u" << QList<bool>{false, true, false} << QList<double>{0.0, 3.0, 0.0};
    QTest::newRow("unison stem up") << "G4/4 +G4/4"
                                    << "u" << QList<bool>{false, true} << QList<double>{0.0, 3.0};
}

void TestStaffNotes::secondsInChords()
{
    QFETCH(QString, tokens);
    QFETCH(QString, stem);
    QFETCH(QList<bool>, flipped);
    QFETCH(QList<double>, shifts);
    StaffScore s;
    const QList<Note *> notes = s.add(tokens, QString(flipped.size(), stem.at(0)));
    QVERIFY(s.generate());
    const bool seconds = flipped.contains(true);
    QCOMPARE(notes.first()->chordHasSeconds, seconds);
    const double k = s.f.score.page->scaleFactor;
    const double base = s.scenePos(notes.first()->firstAlignItem).x() - shifts.first() * s.g() * k;
    for (int i = 0; i < notes.size(); ++i) {
        QCOMPARE(notes.at(i)->headShifted, flipped.at(i));
        const AlignItem *head = s.item(notes.at(i)->firstAlignItem);
        QCOMPARE(head->glyphId, QStringLiteral("QuarterNote"));
        QVERIFY(near(head->width, (seconds ? 0.8062 : 0.556) * s.size()));
        // The shift is a head's width in the glyph's own scale.
        QVERIFY(near(s.scenePos(notes.at(i)->firstAlignItem).x() - base, shifts.at(i) * s.g() * k));
    }
    QCOMPARE(s.f.score.flipExistsInChord(s.f.score.measures.first(), 0, 0, 0), seconds);
}

void TestStaffNotes::accidentalColumns()
{
    StaffScore s;
    // Sharps five or more steps apart share a column; closer ones do not.
    const QList<Note *> notes = s.add(QStringLiteral("C#4/4 +D#4/4 +C#5/4"), QStringLiteral("uuu"));
    for (Note *note : notes)
        note->accidental = 2;
    QVERIFY(s.generate());
    QCOMPARE(s.ids().mid(1, 3), split("Sharp Sharp Sharp"));
    QCOMPARE(s.item(1)->kind, int(AlignLeading));
    QCOMPARE(s.item(2)->kind, int(AlignLeading));
    QCOMPARE(s.item(3)->kind, int(AlignOverlay));
    QVERIFY(s.scenePos(1).x() < s.scenePos(2).x());
    QVERIFY(near(s.scenePos(3).x(), s.scenePos(2).x()));
    // Every accidental stands before the heads.
    QVERIFY(s.scenePos(3).x() < s.scenePos(notes.first()->firstAlignItem).x());
}

void TestStaffNotes::stemLengthRules_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("strokes");
    QTest::addColumn<double>("steps");
    QTest::newRow("quarter, middle line, up") << 4 << true << 0 << 0 << 6.0;
    QTest::newRow("quarter at -8, up") << 4 << true << -8 << 0 << 8.0;
    QTest::newRow("quarter at -2, up") << 4 << true << -2 << 0 << 6.67;
    QTest::newRow("half at 4, down") << 2 << false << 4 << 0 << 7.0;
    QTest::newRow("quarter, three strokes") << 4 << true << 0 << 3 << 8.0;
    QTest::newRow("quarter at -9, three strokes") << 4 << true << -9 << 3 << 10.0;
    QTest::newRow("quarter, four strokes") << 4 << false << 0 << 4 << 9.5;
    QTest::newRow("quarter at 9 down, four strokes") << 4 << false << 9 << 4 << 12.0;
    QTest::newRow("eighth at -9, up") << 8 << true << -9 << 0 << 8.6;
    QTest::newRow("32nd down, two strokes") << 32 << false << 0 << 2 << 9.6;
    QTest::newRow("128th up") << 128 << true << 0 << 0 << 10.6;
    QTest::newRow("unknown type") << 256 << true << 0 << 0 << 0.0;
}

void TestStaffNotes::stemLengthRules()
{
    QFETCH(int, type);
    QFETCH(bool, up);
    QFETCH(int, step);
    QFETCH(int, strokes);
    QFETCH(double, steps);
    Score score(QStringLiteral("5.3.1"), 0, false);
    Note note;
    note.noteType = type;
    QVERIFY(std::abs(score.getStemLength(&note, up, step, strokes) - steps) < 1e-5);
}

void TestStaffNotes::stemsOnTheScene_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<int>("strokes");
    QTest::addColumn<double>("steps"); // stem length
    QTest::newRow("quarter on the middle line") << true << "B4/4"
                                                << "u" << 0 << 6.0;
    QTest::newRow("quarter at -8") << true << "A3/4"
                                   << "u" << 0 << 8.0;
    QTest::newRow("three tremolo strokes") << true << "B4/4"
                                           << "u" << 3 << 8.0;
    QTest::newRow("vertical quarter at -8") << false << "A3/4"
                                            << "u" << 0 << 8.0;
    // 4 steps apart plus 6.6 is 10.6: cut to 10.
    QTest::newRow("chord stem cut to whole steps") << true << "C4/8 +G4/8"
                                                   << "u" << 0 << 10.0;
    QTest::newRow("chord written from the top") << true << "G4/8 +C4/8"
                                                << "u" << 0 << 10.0;
    QTest::newRow("chord without direction: its far head's") << true << "C4/4 +G4/4"
                                                             << "-" << 0 << 10.0;
}

void TestStaffNotes::stemsOnTheScene()
{
    QFETCH(bool, horizontal);
    QFETCH(QString, tokens);
    QFETCH(QString, stem);
    QFETCH(int, strokes);
    QFETCH(double, steps);
    StaffScore s(horizontal);
    QList<Note *> notes = s.add(tokens, QString(tokens.count(QLatin1Char('/')), stem.at(0)));
    Note *first = notes.first();
    if (strokes > 0) {
        first->tremoloType = 3;
        first->tremoloMarks = strokes;
    }
    QVERIFY(s.generate());
    QVERIFY(first->stemAlignItem > 0);
    const AlignItem *item = s.item(first->stemAlignItem);
    QCOMPARE(item->glyphId, QStringLiteral("stem"));
    QCOMPARE(item->kind, int(AlignOverlay));
    QCOMPARE(item->time, -1);
    const QTransform t = item->graphicsItem->transform();
    const double length = (horizontal ? t.m22() : t.m11()) / s.g();
    QVERIFY(std::abs(length - steps * 0.125) < 1e-6);
    // The stored stem end is the stem's far end, from the middle line.
    const double near1 = item->baseOffset;
    const double far = near1 + length * s.size();
    const bool up = first->stemShown == 1;
    if (horizontal)
        QVERIFY(near(first->stemEnd, up ? near1 : far));
    else
        QVERIFY(near(first->stemEnd, up ? far : near1));
    if (strokes > 0)
        QVERIFY(s.ids().contains(QStringLiteral("Tremolo%1").arg(strokes)));
    // A chord without a direction takes the side away from its far head
    // (C4, below the middle line: up); the file's value stays none.
    if (stem == QLatin1String("-")) {
        QCOMPARE(first->stemShown, 1);
        QCOMPARE(first->stem, 0);
    }
}

void TestStaffNotes::ledgerLines_data()
{
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<double>>("shifts");
    QTest::newRow("step -5: none") << "D4/4"
                                   << "u" << QStringList() << QList<double>();
    QTest::newRow("step 5: none") << "G5/4"
                                  << "d" << QStringList() << QList<double>();
    QTest::newRow("step -6: one") << "C4/4"
                                  << "u" << split("AddedLineShort") << QList<double>{-0.65};
    QTest::newRow("step -7: one") << "B3/4"
                                  << "u" << split("AddedLineShort") << QList<double>{-0.65};
    QTest::newRow("step -8: two") << "A3/4"
                                  << "u" << split("AddedLineShort AddedLineShort")
                                  << QList<double>{-0.65, -0.65};
    QTest::newRow("displaced head at -7: long lines to -8")
        << "E3/4 +A3/4 +B3/4"
        << "u" << split("AddedLineLong AddedLineLong AddedLineShort")
        << QList<double>{-0.65, -0.65, -0.65};
    QTest::newRow("stem-down seconds above: short lines under the moved column")
        << "C6/4 +D6/4 +A6/4"
        << "d" << split("AddedLineShort AddedLineShort AddedLineLong AddedLineLong")
        << QList<double>{2.4, 2.4, -0.65, -0.65};
    QTest::newRow("grace note: grace lines")
        << "gA3/8 B4/4"
        << "uu" << split("AddedLineGrace AddedLineGrace") << QList<double>{-0.65, -0.65};
    QTest::newRow("whole note") << "C6/1"
                                << "-" << split("AddedLineShortWhole AddedLineShortWhole")
                                << QList<double>{-0.65, -0.65};
}

void TestStaffNotes::ledgerLines()
{
    QFETCH(QString, tokens);
    QFETCH(QString, stem);
    QFETCH(QStringList, lines);
    QFETCH(QList<double>, shifts);
    StaffScore s;
    s.add(tokens, QString(tokens.count(QLatin1Char('/')), stem.at(0)));
    QVERIFY(s.generate());
    QStringList found;
    QList<double> along;
    QList<double> cross;
    for (const AlignItem *item : s.items()) {
        if (!item->glyphId.startsWith(QLatin1String("AddedLine")))
            continue;
        found << item->glyphId;
        along << item->refOffsetX;
        cross << item->baseOffset;
        QCOMPARE(item->kind, int(AlignOverlay));
        QCOMPARE(item->time, 0);
    }
    QCOMPARE(found, lines);
    for (int i = 0; i < shifts.size(); ++i)
        QVERIFY(near(along.at(i), shifts.at(i)));
    // Each line lies on an even step beyond the staff, one staff space apart.
    for (double c : cross) {
        const double steps = -(c + 0.01 * s.size()) / (0.125 * s.size());
        QVERIFY(std::abs(steps - std::round(steps)) < 1e-6);
        QVERIFY(int(std::round(steps)) % 2 == 0 && std::abs(steps) >= 6);
    }
}

void TestStaffNotes::restDotsPerVoice()
{
    StaffScore s;
    s.add(QStringLiteral("r/4. r/8 r/2"), QString(), 1);
    s.add(QStringLiteral("r/4. r/8 r/2"), QString(), 2);
    QVERIFY(s.generate());
    const Note *one = s.f.note(0, 0, 0, 1);
    const Note *two = s.f.note(0, 0, 0, 2);
    QVERIFY(one->dottedRest && two->dottedRest);
    QVERIFY(!s.f.note(0, 0, 1, 1)->dottedRest);
    const AlignItem *dotOne = s.item(one->firstAlignItem + 1, 1);
    const AlignItem *dotTwo = s.item(two->firstAlignItem + 1, 2);
    QCOMPARE(dotOne->glyphId, QStringLiteral("Dot"));
    QCOMPARE(dotTwo->glyphId, QStringLiteral("Dot"));
    // The second voice's dot is one staff space lower.
    QVERIFY(near(dotTwo->baseOffset - dotOne->baseOffset, 0.25 * s.size()));
    const double k = s.f.score.page->scaleFactor;
    QVERIFY(near(dotTwo->graphicsItem->scenePos().y() - dotOne->graphicsItem->scenePos().y(),
                 0.25 * s.size() * k));
}

void TestStaffNotes::spacersAroundNotes()
{
    StaffScore s;
    QList<Note *> notes = s.add(QStringLiteral("B4/8 B4/8 B4/4 B4/2"), QStringLiteral("uuuu"));
    notes.at(0)->beamTypes[0] = 1;
    notes.at(1)->beamTypes[0] = 3;
    notes.at(0)->tie = 1;
    notes.at(1)->tie = 2;
    QVERIFY(s.generate());
    // The voice opens with a 0.3 spacer; the tied beamed note leaves 0.2.
    QCOMPARE(s.item(0)->glyphId, QStringLiteral("Spacer"));
    QVERIFY(near(s.item(0)->width, 0.3 * s.size()));
    const AlignItem *after = s.item(notes.at(0)->alignItemEnd);
    QCOMPARE(after->glyphId, QStringLiteral("Spacer"));
    QVERIFY(near(after->width, 0.2 * s.size()));
    QCOMPARE(s.ids().count(QStringLiteral("Spacer")), 2);
}

void TestStaffNotes::badInputKeepsItsItem()
{
    TestSupport::MessageCapture capture;
    StaffScore s;
    QList<Note *> notes = s.add(QStringLiteral("B4/4 B4/8 B4/8 C5/2"), QStringLiteral("uuuu"));
    notes.at(0)->dots = 5;
    notes.at(1)->tremoloType = 1;
    notes.at(1)->tremoloMarks = 7;
    notes.at(2)->tremoloType = 2;
    notes.at(3)->clefChange = true;
    notes.at(3)->clef = QStringLiteral("TAB");
    QVERIFY(s.generate());
    const QStringList ids = s.ids();
    const QStringList drawn = s.drawn();
    // Five dots: an item of the dot's place that draws nothing.
    const int dot = notes.at(0)->alignItemEnd;
    QCOMPARE(ids.at(dot), QString());
    QCOMPARE(drawn.at(dot), QString());
    QVERIFY(near(s.item(dot)->width, 0.4 * s.size()));
    // Seven tremolo marks: the mark's item, empty and without offset.
    int tremolo = -1;
    for (int i = notes.at(1)->firstAlignItem; i < ids.size(); ++i) {
        if (s.item(i)->kind == AlignFree && ids.at(i).isEmpty()) {
            tremolo = i;
            break;
        }
    }
    QVERIFY(tremolo > 0);
    QCOMPARE(drawn.at(tremolo), QString());
    QVERIFY(near(s.item(tremolo)->baseOffset, 0.0));
    // An unknown clef change keeps its room before the note.
    const int clef = notes.at(3)->alignItemBegin;
    QCOMPARE(s.item(clef)->kind, int(AlignLeading));
    QVERIFY(near(s.item(clef)->width, 0.75 * s.size()));
    QCOMPARE(drawn.at(clef), QString());
    QCOMPARE(capture.lines().filter(QStringLiteral("addStaffClefChange")),
             QStringList{QStringLiteral("addStaffClefChange, clef not supported =  TAB")});
    // The stop note of the tremolo has no dots and the notes keep theirs.
    QCOMPARE(s.ids().count(QStringLiteral("QuarterNote")), 3);
}

void TestStaffNotes::tremoloPartnerTest()
{
    StaffScore s;
    QList<Note *> notes = s.add(QStringLiteral("B4/8 gC5/16 B4/8 B4/4 B4/2"));
    notes.at(0)->tremoloType = 1;
    notes.at(2)->tremoloType = 2;
    Measure *m = s.f.score.measures.first();
    QVERIFY(s.f.score.isNoteTiedInChord(m, 0, 0, notes.at(0)));
    QVERIFY(!s.f.score.isNoteTiedInChord(m, 0, 0, notes.at(2)));
    notes.at(4)->tremoloStops[1] = 2;
    QVERIFY(s.f.score.isNoteTiedInChord(m, 0, 0, notes.at(3)));
}

VELMORA_TEST_MAIN(TestStaffNotes)

} // namespace tst_staff_notes
#include "tst_staff_notes.moc"
