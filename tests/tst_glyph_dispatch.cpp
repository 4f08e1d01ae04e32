// The note glyph dispatch: per chord the opening marks, the beat spacer,
// the notation worker, the closing marks and the breath, with their aligned
// items, tags and grey state; the per-voice loop and the chord list.
// Assertions go through the notes' item indices, so they hold whatever the
// notation workers add between the marks.
#include "layout/alignitem.h"
#include "layout/layouter.h"
#include "model/directive.h"
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
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

#include <QtTest>

namespace tst_glyph_dispatch {

namespace {

struct DispatchScore
{
    explicit DispatchScore(bool horizontal = true)
        : score(QStringLiteral("5.3.1"), 1, false), builder(&score)
    {
        score.page->horizontal = horizontal;
        score.style->insertNoteSpacer = true;
    }

    Part *addPart(int style)
    {
        Part *part = builder.addPart(QStringLiteral("P"), style);
        part->noteFontName = NoteFonts::firstFontName(NoteFontFolder::path(style));
        return part;
    }

    // The passes that run before the glyph collection, then the collection.
    void collect()
    {
        for (Part *part : std::as_const(score.parts))
            part->loadNoteFont();
        score.SetNoteScales();
        score.setNoteNames();
        score.setOctaveInstMarks();
        for (Measure *measure : std::as_const(score.measures))
            measure->layouter->layout();
        score.markNoteChains();
        score.ghostNotes = false;
        score.prepareAlignment();
    }

    const QList<AlignItem *> &items(int measure = 0, int part = 0, int voice = 0) const
    {
        return score.measures.at(measure)->parts.at(part)->voices.at(voice)->alignItems;
    }

    QStringList ids(int measure = 0, int part = 0, int voice = 0) const
    {
        QStringList result;
        for (const AlignItem *item : items(measure, part, voice))
            result.append(item->glyphId);
        return result;
    }

    Score score;
    TestSupport::ModelBuilder builder;
};

Directive *addDirective(Note *note, const QString &text)
{
    auto *directive = new Directive(note);
    directive->text = text;
    directive->kind = Score::getDirectiveType(text);
    note->directives.append(directive);
    return directive;
}

QString elementId(const AlignItem *item)
{
    const auto *svg = dynamic_cast<const GlyphItem *>(item->graphicsItem);
    return svg ? svg->elementId() : QString();
}

// The along-the-reading-direction scale of a glyph over the part's base.
double relativeScale(const Score &score, const AlignItem *item)
{
    const double base = score.parts.at(0)->noteFontSize * score.page->glyphScale;
    const QTransform t = item->graphicsItem->transform();
    return (score.page->horizontal ? t.m11() : t.m22()) / base;
}

} // namespace

class TestGlyphDispatch : public QObject
{
    Q_OBJECT

private slots:
    void parenthesesSpacerAndBreath_data();
    void parenthesesSpacerAndBreath();
    void markKeywords_data();
    void markKeywords();
    void deletedAndUnknownDirectivesDrawNothing();
    void greyMarksReduceTheGlyphsBetweenThem();
    void greyStateFollowsTheCollectionOrder();
    void beatSpacer_data();
    void beatSpacer();
    void voiceLoopAndChordList();
    void chordNotesGetConsecutiveOwnIndices();
};

void TestGlyphDispatch::parenthesesSpacerAndBreath_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("horizontal") << true << "";
    QTest::newRow("vertical") << false << "_V";
}

void TestGlyphDispatch::parenthesesSpacerAndBreath()
{
    QFETCH(bool, horizontal);
    QFETCH(QString, suffix);

    DispatchScore f(horizontal);
    f.addPart(NotationStyle::KinkoSimple);
    f.builder.addMeasure();
    const QList<Note *> notes = f.builder.addNotes(0, 1, QStringLiteral("D4/4 F4/4 G4/4 A4/4"));
    Note *note = notes.at(1); // onset 4: on the second beat
    Directive *open = addDirective(note, QStringLiteral(".("));
    Directive *close = addDirective(note, QStringLiteral(".)"));
    note->breath = true;
    f.collect();

    const QList<AlignItem *> &items = f.items();
    const int begin = note->alignItemBegin;
    const int end = note->alignItemEnd;
    QVERIFY(begin >= 0 && end >= begin + 3 && end < items.size());

    const AlignItem *lpar = items.at(begin);
    QCOMPARE(lpar->glyphId, QStringLiteral("LPar") + suffix);
    QCOMPARE(elementId(lpar), lpar->glyphId);
    QCOMPARE(lpar->kind, 4);
    QCOMPARE(lpar->time, -1);
    QCOMPARE(lpar->graphicsItem->data(TagType).toInt(), int(DirectiveItem));
    QCOMPARE(itemTag(lpar->graphicsItem, TagDirective), 0);
    QCOMPARE(itemTag(lpar->graphicsItem, TagNote), 1);
    QVERIFY(lpar->graphicsItem->flags() & QGraphicsItem::ItemIsSelectable);
    QCOMPARE(open->item, lpar->graphicsItem);
    QCOMPARE(lpar->width, 0.6 * f.score.parts.at(0)->noteFontSize);

    const AlignItem *spacer = items.at(begin + 1);
    QCOMPARE(spacer->glyphId, QStringLiteral("Spacer"));
    QCOMPARE(spacer->kind, 4);
    QCOMPARE(spacer->time, 4);
    QCOMPARE(note->firstAlignItem, begin + 2); // the note's own glyphs follow the marks

    const AlignItem *rpar = items.at(end - 1);
    QCOMPARE(rpar->glyphId, QStringLiteral("RPar") + suffix);
    QCOMPARE(rpar->kind, 2);
    QCOMPARE(itemTag(rpar->graphicsItem, TagDirective), 1);
    QCOMPARE(close->item, rpar->graphicsItem);

    const AlignItem *breath = items.at(end);
    QCOMPARE(breath->glyphId, QStringLiteral("Breath") + suffix);
    QCOMPARE(elementId(breath), breath->glyphId);
    QCOMPARE(breath->kind, 4);
    QCOMPARE(breath->time, 4);
    QCOMPARE(breath->graphicsItem->data(TagType).toInt(), 0); // not tagged
    QVERIFY(note->glyphName.endsWith(QStringLiteral(":Breath")));

    // The note at onset 0 gets no spacer.
    for (int i = notes.at(0)->alignItemBegin; i <= notes.at(0)->alignItemEnd; ++i)
        QVERIFY(items.at(i)->glyphId != QStringLiteral("Spacer"));
}

void TestGlyphDispatch::markKeywords_data()
{
    QTest::addColumn<QString>("directive");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<QList<bool>>("tagged");

    QTest::newRow("su") << ".su" << true << QStringList{"Suru"} << QList<int>{0}
                        << QList<bool>{true};
    QTest::newRow("katakana su") << QString(QStringLiteral(".") + QChar(0x30B9)) << true
                                 << QStringList{"Suru"} << QList<int>{0} << QList<bool>{true};
    QTest::newRow("su vertical has no _V form")
        << ".su" << false << QStringList{"Suru"} << QList<int>{0} << QList<bool>{true};
    QTest::newRow("kinkoRa") << ".kinkoRa" << false << QStringList{"KinkoRa"} << QList<int>{4}
                             << QList<bool>{true};
    QTest::newRow("whiteSpaceBefore") << ".whiteSpaceBefore" << false << QStringList{"WhiteSpace_V"}
                                      << QList<int>{4} << QList<bool>{true};
    QTest::newRow("whiteSpaceAfter") << ".whiteSpaceAfter" << true << QStringList{"WhiteSpace"}
                                     << QList<int>{2} << QList<bool>{true};
    QTest::newRow("restKinko: an untagged spacer, then the rest")
        << ".restKinko" << false << QStringList{"Spacer", "RestKinko"} << QList<int>{2, 2}
        << QList<bool>{false, true};
    QTest::newRow("gray parentheses")
        << ".gray(" << false << QStringList{"GrayLPar_V"} << QList<int>{4} << QList<bool>{true};
}

void TestGlyphDispatch::markKeywords()
{
    QFETCH(QString, directive);
    QFETCH(bool, horizontal);
    QFETCH(QStringList, ids);
    QFETCH(QList<int>, kinds);
    QFETCH(QList<bool>, tagged);

    DispatchScore f(horizontal);
    f.score.style->insertNoteSpacer = false;
    f.addPart(NotationStyle::KinkoSimple);
    f.builder.addMeasure();
    Note *note = f.builder.addNotes(0, 1, QStringLiteral("D4/4")).first();
    addDirective(note, directive);
    f.collect();

    // Opening marks come first, closing marks last.
    const QList<AlignItem *> &items = f.items();
    const bool opening = note->directives.first()->kind == 1;
    const int first = opening ? note->alignItemBegin : note->alignItemEnd - int(ids.size()) + 1;
    for (int i = 0; i < ids.size(); ++i) {
        const AlignItem *item = items.at(first + i);
        QCOMPARE(item->glyphId, ids.at(i));
        QCOMPARE(elementId(item), ids.at(i));
        QCOMPARE(item->kind, kinds.at(i));
        const bool isDirective = item->graphicsItem->data(TagType).toInt() == DirectiveItem;
        QCOMPARE(isDirective, tagged.at(i));
    }
}

void TestGlyphDispatch::deletedAndUnknownDirectivesDrawNothing()
{
    DispatchScore f;
    f.score.style->insertNoteSpacer = false;
    f.addPart(NotationStyle::KinkoSimple);
    f.builder.addMeasure();
    Note *note = f.builder.addNotes(0, 1, QStringLiteral("D4/4")).first();
    addDirective(note, QStringLiteral(".("))->deleted = true;
    addDirective(note, QStringLiteral(".)"))->deleted = true;
    addDirective(note, QStringLiteral(".scale{Kumoi}"));
    addDirective(note, QStringLiteral("'text'"));
    f.collect();
    for (const AlignItem *item : f.items())
        QVERIFY(item->graphicsItem->data(TagType).toInt() != DirectiveItem);
    QVERIFY(!f.ids().contains(QStringLiteral("LPar")));
}

void TestGlyphDispatch::greyMarksReduceTheGlyphsBetweenThem()
{
    DispatchScore f;
    f.addPart(NotationStyle::KinkoSimple);
    f.builder.addMeasure();
    const QList<Note *> notes = f.builder.addNotes(0, 1, QStringLiteral("D4/4 F4/4 G4/4 A4/4"));
    addDirective(notes.at(0), QStringLiteral(".gray("));
    notes.at(1)->breath = true;
    addDirective(notes.at(2), QStringLiteral(".su"));
    addDirective(notes.at(2), QStringLiteral(".gray)"));
    f.collect();
    const QList<AlignItem *> &items = f.items();

    auto find = [&](const Note *note, const QString &id) -> const AlignItem * {
        for (int i = note->alignItemBegin; i <= note->alignItemEnd; ++i) {
            if (items.at(i)->glyphId == id)
                return items.at(i);
        }
        return nullptr;
    };
    const AlignItem *grayOpen = find(notes.at(0), QStringLiteral("GrayLPar"));
    const AlignItem *spacer = find(notes.at(1), QStringLiteral("Spacer"));
    const AlignItem *breath = find(notes.at(1), QStringLiteral("Breath"));
    const AlignItem *suru = find(notes.at(2), QStringLiteral("Suru"));
    const AlignItem *grayClose = find(notes.at(2), QStringLiteral("GrayRPar"));
    const AlignItem *after = find(notes.at(3), QStringLiteral("Spacer"));
    QVERIFY(grayOpen && spacer && breath && suru && grayClose && after);

    // Made by addNoteItem3 in between: faint and 0.9 of their size.
    QCOMPARE(spacer->graphicsItem->opacity(), 0.6);
    QCOMPARE(relativeScale(f.score, spacer), 0.9 * f.score.style->noteSpacerRatio);
    QCOMPARE(suru->graphicsItem->opacity(), 0.6);
    // The grey marks themselves, the breath and what follows are full.
    QCOMPARE(grayOpen->graphicsItem->opacity(), 1.0);
    QCOMPARE(relativeScale(f.score, grayOpen), 1.0);
    QCOMPARE(grayClose->graphicsItem->opacity(), 1.0);
    QCOMPARE(breath->graphicsItem->opacity(), 1.0);
    QCOMPARE(after->graphicsItem->opacity(), 1.0);
    QCOMPARE(relativeScale(f.score, after), f.score.style->noteSpacerRatio);
    QVERIFY(!f.score.ghostNotes);
}

// Voices outermost, then parts, then measures: an unclosed "gray(" in
// measure 1 of voice 1 of part 1 greys part 2's voice 1 and part 1's
// voice 2 in measure 1, but not part 1's voice 1 in measure 0.
void TestGlyphDispatch::greyStateFollowsTheCollectionOrder()
{
    DispatchScore f;
    f.addPart(NotationStyle::KinkoSimple);
    f.addPart(NotationStyle::KinkoSimple);
    for (int m = 0; m < 2; ++m) {
        f.builder.addMeasure();
        f.builder.addNotes(0, 1, QStringLiteral("D4/4 F4/4 G4/4 A4/4"));
        f.builder.addNotes(1, 1, QStringLiteral("D4/4 F4/4 G4/4 A4/4"));
        f.builder.addNotes(0, 2, QStringLiteral("D4/4 F4/4 G4/4 A4/4"));
    }
    Note *opener = f.score.measures.at(1)->parts.at(0)->voices.at(0)->notes.at(3);
    addDirective(opener, QStringLiteral(".gray("));
    f.collect();

    auto spacerOpacity = [&](int measure, int part, int voice) {
        for (const AlignItem *item : f.items(measure, part, voice)) {
            if (item->glyphId == QLatin1String("Spacer"))
                return item->graphicsItem->opacity();
        }
        return -1.0;
    };
    QCOMPARE(spacerOpacity(0, 0, 0), 1.0);
    QCOMPARE(spacerOpacity(1, 0, 0), 1.0); // before the mark
    QCOMPARE(spacerOpacity(0, 1, 0), 0.6); // part 2, voice 1: after it
    QCOMPARE(spacerOpacity(0, 0, 1), 0.6); // part 1, voice 2: after it
    QVERIFY(f.score.ghostNotes);

    // Every generation starts clear: with the mark gone, nothing is grey.
    opener->directives.first()->deleted = true;
    QVERIFY(f.score.generateScore());
    QVERIFY(!f.score.ghostNotes);
}

void TestGlyphDispatch::beatSpacer_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("beats");
    QTest::addColumn<int>("beatType");
    QTest::addColumn<int>("divisions");
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<QList<int>>("spacerTimes");

    const int kinko = NotationStyle::KinkoSimple;
    QTest::newRow("4/4 quarters") << kinko << 4 << 4 << 4 << "D4/4 F4/4 G4/4 A4/4"
                                  << QList<int>{4, 8, 12};
    QTest::newRow("4/4 eighths: beats only")
        << kinko << 4 << 4 << 2 << "D4/8 F4/8 G4/8 A4/8" << QList<int>{2};
    QTest::newRow("6/8, divisions 2: onset 3 only")
        << kinko << 6 << 8 << 2 << "D4/8 F4/8 G4/8 A4/8 D4/8 F4/8" << QList<int>{3};
    QTest::newRow("2/2: none") << kinko << 2 << 2 << 4 << "D4/4 F4/4 G4/4 A4/4" << QList<int>{};
    QTest::newRow("5/8: none") << kinko << 5 << 8 << 2 << "D4/8 F4/8 G4/8 A4/8 D4/8"
                               << QList<int>{};
    QTest::newRow("divisions 0: no beat")
        << kinko << 4 << 4 << 0 << "D4/4=1 F4/4=1" << QList<int>{};
    QTest::newRow("divisions -4: no beat")
        << kinko << 4 << 4 << -4 << "D4/4=4 F4/4=4" << QList<int>{};
    QTest::newRow("6/8, divisions 1: no beat")
        << kinko << 6 << 8 << 1 << "D4/4=2 F4/4=2 G4/4=2" << QList<int>{};
    QTest::newRow("after a grace note: none")
        << kinko << 4 << 4 << 4 << "D4/4 gF4/8 G4/4" << QList<int>{};
    QTest::newRow("TozanTrad quarter in 2/2: always")
        << int(NotationStyle::TozanTrad) << 2 << 2 << 4 << "D4/4 F4/4 G4/4" << QList<int>{4, 8};
    QTest::newRow("KinkoTrad: never")
        << int(NotationStyle::KinkoTrad) << 4 << 4 << 4 << "D4/4 F4/4" << QList<int>{};
    QTest::newRow("KotoIkuta: never")
        << int(NotationStyle::KotoIkuta) << 4 << 4 << 4 << "D4/4 F4/4" << QList<int>{};
    QTest::newRow("SangenIkuta: never")
        << int(NotationStyle::SangenIkuta) << 4 << 4 << 4 << "D4/4 F4/4" << QList<int>{};
    QTest::newRow("StaffNotation: never")
        << int(NotationStyle::StaffNotation) << 4 << 4 << 4 << "D4/4 F4/4" << QList<int>{};
}

void TestGlyphDispatch::beatSpacer()
{
    QFETCH(int, style);
    QFETCH(int, beats);
    QFETCH(int, beatType);
    QFETCH(int, divisions);
    QFETCH(QString, tokens);
    QFETCH(QList<int>, spacerTimes);
    // Beat spacers stand at their note's onset; a worker's own spacer
    // (after a grace run) has no time.

    DispatchScore f;
    f.addPart(style);
    f.builder.addMeasure(beats, beatType, divisions);
    f.builder.addNotes(0, 1, tokens);
    f.collect();
    QList<int> times;
    for (const AlignItem *item : f.items()) {
        if (item->glyphId == QLatin1String("Spacer") && item->time >= 0)
            times.append(item->time);
    }
    QCOMPARE(times, spacerTimes);

    // A note after a breath or one that continues a beam gets none either.
    if (spacerTimes.size() == 3) {
        Voice *voice = f.score.measures.at(0)->parts.at(0)->voices.use(0);
        voice->notes.at(0)->breath = true;
        voice->notes.at(2)->beamTypes[0] = 2;
        f.collect();
        times.clear();
        for (const AlignItem *item : f.items()) {
            if (item->glyphId == QLatin1String("Spacer") && item->time >= 0)
                times.append(item->time);
        }
        QCOMPARE(times, QList<int>({12}));
    }
}

void TestGlyphDispatch::voiceLoopAndChordList()
{
    DispatchScore f;
    f.addPart(NotationStyle::KinkoSimple);
    Measure *plain = f.builder.addMeasure();
    f.builder.addNotes(0, 1, QStringLiteral("D4/4 F4/4 G4/4 A4/4"));
    Measure *multiRest = f.builder.addMeasure();
    f.builder.addNotes(0, 1, QStringLiteral("r/0"));
    addDirective(multiRest->parts.at(0)->voices.at(0)->notes.first(), QStringLiteral(".("));
    multiRest->multipleRest = 3;
    f.collect();

    const QStringList carried{QStringLiteral("Ro")};
    // A voice without notes passes nothing on, whatever it was given.
    QCOMPARE(f.score.collectVoiceGlyphIds(plain, 0, 5, carried), QStringList());
    // A multi-measure rest draws no glyph for any part and resets the list.
    QCOMPARE(f.score.collectVoiceGlyphIds(multiRest, 0, 0, carried), QStringList());
    QVERIFY(f.items(1).isEmpty());
    // So does a part the measure marks as without notes.
    plain->emptyParts[0] = true;
    const int before = int(f.items(0).size());
    QCOMPARE(f.score.collectVoiceGlyphIds(plain, 0, 0, carried), QStringList());
    QCOMPARE(f.items(0).size(), before);
}

void TestGlyphDispatch::chordNotesGetConsecutiveOwnIndices()
{
    // A style without a worker: the dispatcher's own indices stay.
    DispatchScore f;
    f.score.style->insertNoteSpacer = false;
    Part *part = f.addPart(NotationStyle::KinkoSimple);
    f.builder.addMeasure();
    const QList<Note *> notes = f.builder.addNotes(0, 1, QStringLiteral("D4/2 +F4/2 +A4/2 G4/2"));
    addDirective(notes.at(3), QStringLiteral(".("));
    f.collect();
    part->notationStyle = 99;
    f.score.prepareAlignment();

    QCOMPARE(notes.at(0)->firstAlignItem, 0);
    QCOMPARE(notes.at(1)->firstAlignItem, 1);
    QCOMPARE(notes.at(2)->firstAlignItem, 2);
    QCOMPARE(notes.at(3)->alignItemBegin, 0);
    QCOMPARE(notes.at(3)->firstAlignItem, 1); // after its parenthesis
    QCOMPARE(notes.at(3)->alignItemEnd, 0);
    QCOMPARE(f.ids(), QStringList{QStringLiteral("LPar")});
}

VELMORA_TEST_MAIN(TestGlyphDispatch)

} // namespace tst_glyph_dispatch
#include "tst_glyph_dispatch.moc"
