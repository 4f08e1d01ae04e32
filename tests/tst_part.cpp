// Part settings: defaults, clones, note-font loading with its fallback and
// message, the glyph maps per notation style and the shared renderers.
// The note fonts come from fixture folders laid out like ":/notefonts".
#include "support/testenvironment.h"

#include "drawing/beams.h"
#include "drawing/longrep.h"
#include "drawing/slurs.h"
#include "drawing/syllabics.h"
#include "drawing/tie.h"
#include "drawing/waveline.h"
#include "model/notefonts.h"
#include "model/part.h"
#include "model/score.h"

#include <QSvgRenderer>

#include <memory>

namespace tst_part {

class TestPart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void notationStylesAndFolders_data();
    void notationStylesAndFolders();
    void unknownStyleNameReadsAsKinkoSimple();
    void firstFontIsFirstSvgFileIgnoringCase();

    void partDefaults();
    void lyricsFontPrefersTheScoresLyricFamily();
    void constructorMakesDrawingHelpersPerVoice();

    void loadNoteFontByName();
    void missingFontFallsBackToFirstFontOnce();
    void reloadingAFontKeepsItsRenderer();

    void glyphMaps_data();
    void glyphMaps();
    void glyphMapsAreRefilledNotMerged();

    void cloneKeepsSettingsWithOwnHelpers();
    void cloneKeepsRendererWhenSourceReloadsOrGoes();

private:
    std::unique_ptr<Score> score;
};

namespace {

QString fixtureRoot()
{
    return TestSupport::sourcePath(QStringLiteral("tests/fixtures/notefonts"));
}

bool rendererReads(const std::shared_ptr<QSvgRenderer> &renderer, const QString &font)
{
    return renderer && renderer->isValid() &&
           renderer->elementExists(QStringLiteral("Font_") + font);
}

} // namespace

void TestPart::initTestCase()
{
    NoteFonts::setRoot(fixtureRoot());
}

void TestPart::init()
{
    TestSupport::prompter().reset();
    score = std::make_unique<Score>(QStringLiteral("5.3.1"), 1, false);
}

void TestPart::notationStylesAndFolders_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("folder");
    QTest::newRow("0") << 0 << "KinkoSimple"
                       << "Shakuhachi_Kinko_Simple";
    QTest::newRow("1") << 1 << "KinkoTrad"
                       << "Shakuhachi_Kinko";
    QTest::newRow("2") << 2 << "TozanSimple"
                       << "Shakuhachi_Tozan_Simple";
    QTest::newRow("3") << 3 << "TozanTrad"
                       << "Shakuhachi_Tozan";
    QTest::newRow("4") << 4 << "Fue"
                       << "Shinobue";
    QTest::newRow("5") << 5 << "KotoIkuta"
                       << "Koto_Ikuta";
    QTest::newRow("6") << 6 << "KotoSeiha"
                       << "Koto_Seiha";
    QTest::newRow("7") << 7 << "SangenIkuta"
                       << "Sangen_Ikuta";
    QTest::newRow("8") << 8 << "SangenYamada"
                       << "Sangen_Yamada";
    QTest::newRow("9") << 9 << "ShamisenBunka"
                       << "Shamisen_Bunka";
    QTest::newRow("10") << 10 << "Doremi"
                        << "Doremi";
    QTest::newRow("11") << 11 << "Percussion"
                        << "Percussion";
    QTest::newRow("12") << 12 << "StaffNotation"
                        << "Staff_Notation";
    QTest::newRow("13") << 13 << "Traverso"
                        << "Traverso";
}

void TestPart::notationStylesAndFolders()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QFETCH(QString, folder);
    QCOMPARE(NotationStyle::name(code), name);
    QCOMPARE(NotationStyle::fromName(name), code);
    QCOMPARE(NoteFontFolder::name(code), folder);

    NoteFonts::resetRoot();
    const QString resourcePath = NoteFontFolder::path(code);
    NoteFonts::setRoot(fixtureRoot());
    QCOMPARE(resourcePath, ":/notefonts/" + folder + "/");
}

void TestPart::unknownStyleNameReadsAsKinkoSimple()
{
    QCOMPARE(NotationStyle::fromName(QStringLiteral("tozanTrad")), 0);
    QCOMPARE(NotationStyle::fromName(QString()), 0);
}

void TestPart::firstFontIsFirstSvgFileIgnoringCase()
{
    // The fixture folder also holds a subfolder, a text file and an
    // upper-case name, each of which sorts first in some order.
    QCOMPARE(NoteFonts::firstFontName(NoteFontFolder::path(NotationStyle::TozanTrad)),
             QStringLiteral("Tozan_Brush"));
    QCOMPARE(NoteFonts::firstFontName(NoteFontFolder::path(NotationStyle::Doremi)), QString());
}

void TestPart::partDefaults()
{
    Part part(score.get());
    part.notationStyle = 9;
    part.noteWidth8 = 3.0;
    part.staffNoteOutput = false;
    part.staffNoteOctaveInst = false;
    score->setPartDefaults(&part);

    QCOMPARE(part.notationStyle, 3);
    QCOMPARE(part.instrumentKey, 0);
    QCOMPARE(part.noteFontName, QStringLiteral("Tozan_Brush"));
    QCOMPARE(part.noteFontSize, 5.0);
    QCOMPARE(part.partWidthScale, 1.0);
    QCOMPARE(part.partShift, 0.0);
    QVERIFY(!part.boundaryLeftBottom && !part.boundaryRightTop);
    QVERIFY(!part.timeTicks && !part.timeTicks16th);
    const QList<double> widths{part.noteWidth1, part.noteWidth2,  part.noteWidth4,
                               part.noteWidth8, part.noteWidth16, part.noteWidth32};
    QCOMPARE(widths, (QList<double>{1.0, 1.0, 1.0, 0.85, 0.75, 0.6}));
    QCOMPARE(part.noteInterval, 1.1);
    QVERIFY(part.alignInTime);
    QCOMPARE(part.lyricsFont.pointSize(), 18);
    QCOMPARE(part.lyricsFont.family(), score->textFontFamily);
    const QList<bool> outputs{part.partOutput,     part.partWholeRestLine, part.noteOutput,
                              part.lyricsOutput,   part.wholeRestOutput,   part.slurOutput,
                              part.staffNoteOutput};
    QCOMPARE(outputs, QList<bool>(7, true));
    QCOMPARE(part.staffNoteLyricStart, 1);
    const QList<bool> staffNotes{part.staffNoteTieStopOutput,   part.staffNoteBeams,
                                 part.staffNoteInverseOrder,    part.staffNoteOctaveInst,
                                 part.staffNoteBreathMark,      part.staffNoteTremoloLine,
                                 part.staffNoteExtensionBarDot, part.staffNoteRestNote};
    QCOMPARE(staffNotes, (QList<bool>{false, false, false, true, true, false, false, false}));
    QCOMPARE(part.staffCount, 1);

    // The score's own default part got the same.
    QCOMPARE(score->defaultPart->noteFontName, QStringLiteral("Tozan_Brush"));
    QCOMPARE(score->defaultPart->notationStyle, 3);
}

void TestPart::lyricsFontPrefersTheScoresLyricFamily()
{
    score->lyricFontFamily = QStringLiteral("Liberation Sans");
    Part part(score.get());
    score->setPartDefaults(&part);
    QCOMPARE(part.lyricsFont.family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(part.lyricsFont.pointSize(), 18);
}

void TestPart::constructorMakesDrawingHelpersPerVoice()
{
    Part part(score.get());
    QVERIFY(part.tie && part.wedge && part.bracketLine && part.octShift && part.waveLine);
    QCOMPARE(part.tie->part, &part);
    QCOMPARE(part.waveLine->parent(), &part);
    QCOMPARE(part.longRepeats.size(), 32);
    QCOMPARE(part.beams.size(), 32);
    QCOMPARE(part.slurs.size(), 32);
    QCOMPARE(part.syllabics.size(), 32);
    for (int voice = 0; voice < 32; ++voice) {
        QCOMPARE(part.slurs.at(voice)->voice, voice);
        QCOMPARE(part.syllabics.at(voice)->voice, voice);
        QCOMPARE(part.slurs.at(voice)->part, &part);
        QCOMPARE(part.beams.at(voice)->score, score.get());
    }
    QVERIFY(part.lengthMap.isEmpty() && part.acrossOffsetMapV.isEmpty());
    QVERIFY(!part.noteFontRenderer);
}

void TestPart::loadNoteFontByName()
{
    Part part(score.get());
    score->setPartDefaults(&part);
    part.notationStyle = NotationStyle::Fue;
    part.noteFontName = QStringLiteral("Shinobue_Kanji");
    part.loadNoteFont();

    QVERIFY(rendererReads(part.noteFontRenderer, QStringLiteral("Shinobue_Kanji")));
    QCOMPARE(part.noteFontName, QStringLiteral("Shinobue_Kanji"));
    QVERIFY(TestSupport::prompter().prompts.isEmpty());
    // The maps of the part's own style follow the load.
    QCOMPARE(part.acrossOffsetMap.value(QStringLiteral("Dot")), 0.5);
}

void TestPart::missingFontFallsBackToFirstFontOnce()
{
    // Style changed from 3 to 0 while the font name stayed.
    Part part(score.get());
    score->setPartDefaults(&part);
    part.notationStyle = NotationStyle::KinkoSimple;
    part.noteFontName = QStringLiteral("Tozan_Brush");
    part.loadNoteFont();

    const QString missing = NoteFontFolder::path(0) + QStringLiteral("Tozan_Brush.svg");
    QCOMPARE(TestSupport::prompter().texts(),
             QStringList{"Note font file " + missing + " does not exist. Default font is used."});
    const auto &prompt = TestSupport::prompter().prompts.first();
    QCOMPARE(prompt.kind, QStringLiteral("information"));
    QCOMPARE(prompt.title, QString());
    QCOMPARE(part.noteFontName, QStringLiteral("Kinko_Miyata_Classic"));
    QVERIFY(rendererReads(part.noteFontRenderer, QStringLiteral("Kinko_Miyata_Classic")));

    TestSupport::prompter().reset();
    part.loadNoteFont();
    QVERIFY(TestSupport::prompter().prompts.isEmpty());
    QCOMPARE(part.noteFontName, QStringLiteral("Kinko_Miyata_Classic"));
}

void TestPart::reloadingAFontKeepsItsRenderer()
{
    // Every regeneration reloads every part's font: that must not make a
    // new renderer each time, and two parts on one font share one.
    Part first(score.get());
    Part second(score.get());
    score->setPartDefaults(&first);
    score->setPartDefaults(&second);
    first.loadNoteFont();
    QSvgRenderer *const loaded = first.noteFontRenderer.get();
    first.loadNoteFont();
    second.loadNoteFont();
    QCOMPARE(first.noteFontRenderer.get(), loaded);
    QCOMPARE(second.noteFontRenderer.get(), loaded);

    // Switching fonts releases the old renderer once nobody holds it.
    std::weak_ptr<QSvgRenderer> old = first.noteFontRenderer;
    first.noteFontName = second.noteFontName = QStringLiteral("Tozan_FeltPen");
    first.loadNoteFont();
    QVERIFY(!old.expired());
    second.loadNoteFont();
    QVERIFY(old.expired());
    QVERIFY(rendererReads(first.noteFontRenderer, QStringLiteral("Tozan_FeltPen")));
}

namespace {

QMap<QString, double> &mapNamed(Part &part, const QString &name)
{
    if (name == QLatin1String("length"))
        return part.lengthMap;
    if (name == QLatin1String("lengthV"))
        return part.lengthMapV;
    if (name == QLatin1String("along"))
        return part.alongOffsetMap;
    if (name == QLatin1String("alongV"))
        return part.alongOffsetMapV;
    if (name == QLatin1String("across"))
        return part.acrossOffsetMap;
    Q_ASSERT(name == QLatin1String("acrossV"));
    return part.acrossOffsetMapV;
}

} // namespace

void TestPart::glyphMaps_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("map");
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("present");
    QTest::addColumn<double>("value");

    // Common to every style.
    for (int style : {0, 3, 4, 12, 13}) {
        const QByteArray s = QByteArray::number(style);
        QTest::newRow(s + " along Dot") << style << "along"
                                        << "Dot" << true << 0.0;
        QTest::newRow(s + " acrossV Breath_V") << style << "acrossV"
                                               << "Breath_V" << true << -0.3;
        QTest::newRow(s + " across Glissando") << style << "across"
                                               << "Glissando" << true << -0.1;
        QTest::newRow(s + " acrossV Glissando_V") << style << "acrossV"
                                                  << "Glissando_V" << true << -0.5;
        QTest::newRow(s + " length RepeatWhole") << style << "length"
                                                 << "RepeatWhole" << true << 4.0;
        QTest::newRow(s + " lengthV Suru") << style << "lengthV"
                                           << "Suru" << true << 0.6;
        QTest::newRow(s + " no length TremoloQuarter") << style << "length"
                                                       << "TremoloQuarter" << false << 0.0;
        QTest::newRow(s + " acrossV TremoloQuarter_V") << style << "acrossV"
                                                       << "TremoloQuarter_V" << true << 0.5;
        QTest::newRow(s + " no Breath in along") << style << "along"
                                                 << "Breath" << false << 0.0;
    }
    QTest::newRow("3 length RestWhole") << 3 << "length"
                                        << "RestWhole" << true << 4.0;
    QTest::newRow("3 alongV RestWhole_V") << 3 << "alongV"
                                          << "RestWhole_V" << true << 0.0;
    QTest::newRow("3 lengthV Bar3Quarter_V") << 3 << "lengthV"
                                             << "Bar3Quarter_V" << true << 3.0;
    QTest::newRow("3 alongV QuarterBar") << 3 << "alongV"
                                         << "QuarterBar" << true << 0.0;
    QTest::newRow("3 no across WholeRest") << 3 << "across"
                                           << "WholeRest" << false << 0.0;
    QTest::newRow("3 no across Dot") << 3 << "across"
                                     << "Dot" << false << 0.0;
    QTest::newRow("13 across WholeRest") << 13 << "across"
                                         << "WholeRest" << true << 0.4;
    QTest::newRow("13 no length RestWhole") << 13 << "length"
                                            << "RestWhole" << false << 0.0;
    QTest::newRow("4 across Dot") << 4 << "across"
                                  << "Dot" << true << 0.5;
    QTest::newRow("4 along Dot") << 4 << "along"
                                 << "Dot" << true << 0.0;
    QTest::newRow("4 acrossV Dot") << 4 << "acrossV"
                                   << "Dot" << true << 0.5;
    QTest::newRow("4 acrossV QuarterRest_V") << 4 << "acrossV"
                                             << "QuarterRest_V" << true << 0.25;
    QTest::newRow("4 across QuarterBar") << 4 << "across"
                                         << "QuarterBar" << true << 0.5;
    QTest::newRow("0 no length RestWhole") << 0 << "length"
                                           << "RestWhole" << false << 0.0;
    QTest::newRow("0 no across WholeRest") << 0 << "across"
                                           << "WholeRest" << false << 0.0;
    QTest::newRow("2 no length RestWhole") << 2 << "length"
                                           << "RestWhole" << false << 0.0;
    QTest::newRow("12 no across Dot") << 12 << "across"
                                      << "Dot" << false << 0.0;
}

void TestPart::glyphMaps()
{
    QFETCH(int, style);
    QFETCH(QString, map);
    QFETCH(QString, id);
    QFETCH(bool, present);
    QFETCH(double, value);

    Part part(score.get());
    part.setGlyphMaps(style);
    const QMap<QString, double> &glyphs = mapNamed(part, map);
    QCOMPARE(glyphs.contains(id), present);
    if (present)
        QCOMPARE(glyphs.value(id), value);
}

void TestPart::glyphMapsAreRefilledNotMerged()
{
    Part part(score.get());
    part.setGlyphMaps(NotationStyle::TozanTrad);
    part.lengthMap.insert(QStringLiteral("Stray"), 9.0);
    part.setGlyphMaps(NotationStyle::Traverso);
    QVERIFY(!part.lengthMap.contains(QStringLiteral("RestWhole")));
    QVERIFY(!part.lengthMap.contains(QStringLiteral("Stray")));
    QCOMPARE(part.lengthMap.size(), 8);
    QCOMPARE(part.lengthMapV.size(), 8);
    QCOMPARE(part.alongOffsetMap.size(), 11);
    QCOMPARE(part.acrossOffsetMap.size(), 4 + 4);
    QCOMPARE(part.acrossOffsetMapV.size(), 4 + 4);
    QCOMPARE(part.alongOffsetMapV.size(), 11);
}

void TestPart::cloneKeepsSettingsWithOwnHelpers()
{
    Part source(score.get());
    score->setPartDefaults(&source);
    source.partName = QStringLiteral("Shakuhachi");
    source.partAbbreviation = QStringLiteral("Shaku.");
    source.notationStyle = NotationStyle::Fue;
    source.notationStyleText = QStringLiteral("Fue");
    source.instrumentKey = -2;
    source.noteFontName = QStringLiteral("Shinobue_Kanji");
    source.noteFontSize = 6.5;
    source.partWidthScale = 1.3;
    source.partShift = -0.4;
    source.boundaryRightTop = true;
    source.timeTicks16th = true;
    source.noteWidth32 = 0.5;
    source.noteInterval = 1.4;
    source.alignInTime = false;
    source.lyricsFont = QFont(QStringLiteral("Liberation Serif"), 11);
    source.slurOutput = false;
    source.staffNoteLyricStart = 3;
    source.staffNoteRestNote = true;
    source.staffCount = 2;
    source.scaleTexts = {QStringLiteral("{'Hira'}")};
    source.loadNoteFont();

    std::unique_ptr<Part> copy(source.clone());
    QCOMPARE(copy->score, score.get());
    QCOMPARE(copy->parent(), nullptr);
    QCOMPARE(copy->partName, source.partName);
    QCOMPARE(copy->partAbbreviation, source.partAbbreviation);
    QCOMPARE(copy->notationStyle, NotationStyle::Fue);
    QCOMPARE(copy->instrumentKey, -2);
    QCOMPARE(copy->noteFontName, source.noteFontName);
    QCOMPARE(copy->noteFontSize, 6.5);
    QCOMPARE(copy->partWidthScale, 1.3);
    QCOMPARE(copy->partShift, -0.4);
    QVERIFY(copy->boundaryRightTop && copy->timeTicks16th);
    QCOMPARE(copy->noteWidth32, 0.5);
    QCOMPARE(copy->noteInterval, 1.4);
    QVERIFY(!copy->alignInTime);
    QCOMPARE(copy->lyricsFont, source.lyricsFont);
    QVERIFY(!copy->slurOutput);
    QCOMPARE(copy->staffNoteLyricStart, 3);
    QVERIFY(copy->staffNoteRestNote);
    QCOMPARE(copy->staffCount, 2);
    QCOMPARE(copy->noteFontRenderer, source.noteFontRenderer);

    // Not copied: what is read or computed anew for the copy.
    QVERIFY(copy->notationStyleText.isEmpty());
    QVERIFY(copy->scaleTexts.isEmpty());
    QVERIFY(copy->lengthMap.isEmpty() && copy->alongOffsetMap.isEmpty() &&
            copy->acrossOffsetMap.isEmpty() && copy->lengthMapV.isEmpty() &&
            copy->alongOffsetMapV.isEmpty() && copy->acrossOffsetMapV.isEmpty());
    QVERIFY(copy->tie != source.tie);
    QCOMPARE(copy->tie->part, copy.get());
    QCOMPARE(copy->slurs.size(), 32);
    for (int voice = 0; voice < 32; ++voice) {
        QVERIFY(copy->slurs.at(voice) != source.slurs.at(voice));
        QCOMPARE(copy->syllabics.at(voice)->part, copy.get());
        QVERIFY(copy->longRepeats.at(voice) != source.longRepeats.at(voice));
        QVERIFY(copy->beams.at(voice) != source.beams.at(voice));
    }
}

void TestPart::cloneKeepsRendererWhenSourceReloadsOrGoes()
{
    auto source = std::make_unique<Part>(score.get());
    score->setPartDefaults(source.get());
    source->loadNoteFont();
    std::unique_ptr<Part> copy(source->clone());
    std::weak_ptr<QSvgRenderer> shared = copy->noteFontRenderer;

    source->noteFontName = QStringLiteral("Tozan_FeltPen");
    source->loadNoteFont();
    QVERIFY(rendererReads(copy->noteFontRenderer, QStringLiteral("Tozan_Brush")));
    QVERIFY(rendererReads(source->noteFontRenderer, QStringLiteral("Tozan_FeltPen")));

    source.reset();
    QVERIFY(rendererReads(copy->noteFontRenderer, QStringLiteral("Tozan_Brush")));

    // The last holder releases it.
    copy.reset();
    QVERIFY(shared.expired());
}

VELMORA_TEST_MAIN(TestPart)

} // namespace tst_part
#include "tst_part.moc"
