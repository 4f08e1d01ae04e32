// Note names as lyrics: a note's glyph text by the part's staff-note
// switches, grace runs, and the lyric lines the lyric modes write for every
// notation style, in the exported MusicXML and in the rewritten document;
// the export leaves the score as it was.
#include "app/version.h"
#include "document/scorexmlmode.h"
#include "model/directive.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "notenames/glyph_char_maps.h"
#include "support/modelbuilder.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <memory>

namespace tst_note_glyph_lyrics {

using NoteNames::GlyphCharMap;

namespace {

std::unique_ptr<GlyphCharMap> mapOf(int style, const QString &font)
{
    return std::unique_ptr<GlyphCharMap>(NoteNames::getStaffNoteMapOfPart(true, style, font));
}

// The characters of glyph ids written with spaces between them: "_" stands
// for a space character, a leading "'" for literal text.
QString charsOf(const GlyphCharMap &map, const QString &ids)
{
    QString text;
    for (const QString &id : ids.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (id == QLatin1String("_"))
            text += QLatin1Char(' ');
        else if (id.startsWith(QLatin1Char('\'')))
            text += id.mid(1);
        else
            text += map.value(id);
    }
    return text;
}

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

std::unique_ptr<Score> fixtureScore()
{
    auto score = std::make_unique<Score>(QString::fromLatin1(Velmora::programVersion), 1, false);
    score->documentText = readText(
        TestSupport::sourcePath(QStringLiteral("tests/fixtures/writer/Writer-GlyphLyrics.xml")));
    if (!score->parseScoreXml(false))
        return nullptr;
    return score;
}

QDomDocument parsed(const QString &text)
{
    QDomDocument document;
    document.setContent(text);
    return document;
}

// "index:number=text" for every lyric of the part's notes, the notes
// counted in document order over all measures.
QStringList lyricLines(const QDomDocument &document)
{
    QStringList lines;
    const QDomNodeList notes = document.elementsByTagName(QStringLiteral("note"));
    for (int i = 0; i < notes.size(); ++i) {
        const QDomElement note = notes.at(i).toElement();
        for (QDomElement lyric = note.firstChildElement(QStringLiteral("lyric")); !lyric.isNull();
             lyric = lyric.nextSiblingElement(QStringLiteral("lyric")))
            lines << QStringLiteral("%1:%2=%3")
                         .arg(i)
                         .arg(lyric.attribute(QStringLiteral("number")),
                              Score::childElementText(lyric, QStringLiteral("text")));
    }
    return lines;
}

QString withoutUpdateTime(QString text)
{
    static const QRegularExpression time(
        QStringLiteral("<last-update-date-time>[^<]*</last-update-date-time>"));
    return text.replace(time, QString());
}

// Switches named in a row: barDot, restNote, tieStop, tremolo, beams,
// reverse, -octave, -breath, -tieStopBar.
void applySwitches(Score &score, Part &part, const QString &switches)
{
    const QStringList names = switches.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    part.staffNoteExtensionBarDot = names.contains(QLatin1String("barDot"));
    part.staffNoteRestNote = names.contains(QLatin1String("restNote"));
    part.staffNoteTieStopOutput = names.contains(QLatin1String("tieStop"));
    part.staffNoteTremoloLine = names.contains(QLatin1String("tremolo"));
    part.staffNoteBeams = names.contains(QLatin1String("beams"));
    part.staffNoteInverseOrder = names.contains(QLatin1String("reverse"));
    part.staffNoteOctaveInst = !names.contains(QLatin1String("-octave"));
    part.staffNoteBreathMark = !names.contains(QLatin1String("-breath"));
    score.style->tieStopBar = !names.contains(QLatin1String("-tieStopBar"));
}

} // namespace

class TestNoteGlyphLyrics : public QObject
{
    Q_OBJECT

private slots:
    void glyphText_data();
    void glyphText();
    void graceRuns();
    void lyricLinesByStyle_data();
    void lyricLinesByStyle();
    void exportLeavesTheScore();
    void rewrittenDocument();
};

void TestNoteGlyphLyrics::glyphText_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("font");
    QTest::addColumn<QString>("glyphName");
    QTest::addColumn<QString>("switches");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("expected");

    const int lyrics = int(ScoreXmlMode::NoteNameLyrics);
    const int rewrite = int(ScoreXmlMode::NoteNameRewrite);
    QTest::newRow("name") << 0 << ""
                          << "Ro"
                          << "" << true << lyrics << "Ro";
    QTest::newRow("octave mark before the name") << 0 << ""
                                                 << "Ro:Kan"
                                                 << "" << true << lyrics << "Kan Ro";
    QTest::newRow("octave mark off") << 0 << ""
                                     << "Ro:Kan"
                                     << "-octave" << true << lyrics << "Ro";
    QTest::newRow("unknown id") << 0 << ""
                                << "Xyz"
                                << "" << true << lyrics << "Undefined";
    QTest::newRow("empty piece") << 0 << ""
                                 << "Ro::Breath"
                                 << "" << true << lyrics << "Ro Undefined Breath";
    QTest::newRow("breath off") << 0 << ""
                                << "Ro:Breath"
                                << "-breath" << true << lyrics << "Ro";
    QTest::newRow("tremolo on") << 3 << ""
                                << "Ro:Tremolo"
                                << "tremolo" << true << lyrics << "Ro Tremolo";
    QTest::newRow("tremolo off") << 3 << ""
                                 << "Ro:Tremolo"
                                 << "" << true << lyrics << "Ro";
    QTest::newRow("bars and dot") << 0 << ""
                                  << "Ro:NBar3:Dot1"
                                  << "barDot" << true << lyrics << "Ro _ Bar _ Bar _ Bar Dot1";
    QTest::newRow("bars and dot off") << 0 << ""
                                      << "Ro:NBar3:Dot1"
                                      << "" << true << lyrics << "Ro";
    QTest::newRow("no extension bars in KotoSeiha") << 6 << ""
                                                    << "5:NBar2"
                                                    << "barDot" << true << lyrics << "5";
    QTest::newRow("bar of a tie stop") << 0 << ""
                                       << "Bar:TieStop"
                                       << "barDot" << true << lyrics << "Bar";
    QTest::newRow("rest glyphs") << 0 << ""
                                 << "QuarterRestKinko:Rest2"
                                 << "restNote" << true << lyrics
                                 << "QuarterRestKinko QuarterRestKinko QuarterRestKinko";
    QTest::newRow("rest glyphs off") << 0 << ""
                                     << "QuarterRestKinko:Rest2"
                                     << "" << true << lyrics << "";
    QTest::newRow("tie mark off") << 1 << ""
                                  << "Ro:TieStop"
                                  << "" << true << lyrics << "Ro";
    QTest::newRow("tie mark beside the stop bar") << 1 << ""
                                                  << "Ro:TieStop"
                                                  << "tieStop" << true << lyrics << "Tie Ro";
    QTest::newRow("stop bar replaces the tie mark") << 0 << ""
                                                    << "Ro:TieStop"
                                                    << "tieStop" << true << lyrics << "Ro";
    QTest::newRow("tie mark without stop bar")
        << 0 << ""
        << "Ro:TieStop"
        << "tieStop -tieStopBar" << true << lyrics << "Tie Ro";
    QTest::newRow("pizzicato first") << 5 << ""
                                     << "5:Pizz"
                                     << "" << true << lyrics << "Pizz 5";
    QTest::newRow("vertical marks in the rewrite") << 0 << ""
                                                   << "Ro:Kan:Breath"
                                                   << "" << false << rewrite << "Kan_V Ro Breath_V";
    QTest::newRow("plain marks in the export") << 0 << ""
                                               << "Ro:Kan:Breath"
                                               << "" << false << lyrics << "Kan Ro Breath";
    QTest::newRow("drawn vertical bar, export") << 0 << ""
                                                << "Bar_V:TieStop"
                                                << "barDot" << false << lyrics << "Bar";
    QTest::newRow("drawn vertical bar, rewrite") << 0 << ""
                                                 << "Bar_V:TieStop"
                                                 << "barDot" << false << rewrite << "Bar_V";
    QTest::newRow("drawn vertical bar, switch off") << 0 << ""
                                                    << "Bar_V:TieStop"
                                                    << "" << false << rewrite << "";
    QTest::newRow("circled Tozan font") << 3 << "Tozan_FeltPen_Circled"
                                        << "RoMeri"
                                        << "" << true << lyrics << "RoMeri";
    QTest::newRow("numeric fue font") << 4 << "Shinobue_Numeric"
                                      << "2Dot"
                                      << "" << true << lyrics << "2Dot";
    QTest::newRow("shamisen string and position") << 9 << ""
                                                  << "2-5"
                                                  << "" << true << lyrics << "B-String2 B-5";
    QTest::newRow("sangen technique directives") << 7 << ""
                                                 << "1-3"
                                                 << "" << true << lyrics << "SuriAgeSmall 1-3";
    QTest::newRow("SangenYamada has no map") << 8 << ""
                                             << "2"
                                             << "" << true << lyrics << "";
    QTest::newRow("StaffNotation has no map") << 12 << ""
                                              << "Ro"
                                              << "" << true << lyrics << "";
}

void TestNoteGlyphLyrics::glyphText()
{
    QFETCH(int, style);
    QFETCH(QString, font);
    QFETCH(QString, glyphName);
    QFETCH(QString, switches);
    QFETCH(bool, horizontal);
    QFETCH(int, mode);
    QFETCH(QString, expected);

    Score score(QString::fromLatin1(Velmora::programVersion), 1, false);
    TestSupport::ModelBuilder builder(&score);
    Part *part = builder.addPart(QStringLiteral("P"), style);
    part->noteFontName = font;
    applySwitches(score, *part, switches);
    score.page->horizontal = horizontal;
    builder.addMeasure();
    Note *note = builder.addNotes(0, 1, QStringLiteral("D4/4")).first();
    note->glyphName = glyphName;
    // A deleted directive adds nothing.
    for (const char *text : {".sangen_Utsu", ".sangen_SuriAge"}) {
        auto *directive = new Directive(note);
        directive->text = QString::fromLatin1(text);
        directive->deleted = note->directives.isEmpty();
        note->directives.append(directive);
    }

    const auto map = NoteNames::getStaffNoteMapOfPart(true, style, font);
    const std::unique_ptr<GlyphCharMap> owned(map);
    QCOMPARE(score.getNoteGlyphText(*map, note, 0, ScoreXmlMode(mode)), charsOf(*map, expected));

    // A note drawn as a repeat sign is that sign alone.
    note->prevMark = true;
    QCOMPARE(score.getNoteGlyphText(*map, note, 0, ScoreXmlMode(mode)), map->value("Prev"));
    note->glyphName.clear();
    QCOMPARE(score.getNoteGlyphText(*map, note, 0, ScoreXmlMode(mode)), QString());
}

void TestNoteGlyphLyrics::graceRuns()
{
    Score score(QString::fromLatin1(Velmora::programVersion), 1, false);
    TestSupport::ModelBuilder builder(&score);
    builder.addPart(QStringLiteral("P"), 0);
    builder.addMeasure();
    const QList<Note *> notes = builder.addNotes(0, 1, QStringLiteral("gD4/8 gF4/8 G4/4 gA4/8"));
    const QStringList names = {"Ro", "Tsu", "Re", "Chi"};
    for (int i = 0; i < notes.size(); ++i)
        notes.at(i)->glyphName = names.at(i);
    const auto map = mapOf(0, QString());
    const ScoreXmlMode mode = ScoreXmlMode::NoteNameLyrics;

    QCOMPARE(score.getPrecedingGraceGlyphText(*map, notes, 2, 0, mode), charsOf(*map, "Ro Tsu"));
    QCOMPARE(score.getFollowingGraceGlyphText(*map, notes, 2, 0, mode), charsOf(*map, "Chi"));
    QCOMPARE(score.getPrecedingGraceGlyphText(*map, notes, 0, 0, mode), QString());
    QCOMPARE(score.getPrecedingGraceGlyphText(*map, notes, -1, 0, mode), QString());
    QCOMPARE(score.getFollowingGraceGlyphText(*map, notes, -1, 0, mode), QString());
    QCOMPARE(score.getFollowingGraceGlyphText(*map, notes, 3, 0, mode), QString());
}

// The fixture's notes in document order: 0, 1 graces D4 F4; 2 G4 (lyric
// "sa"); 3 rest; 4, 5 chord D4 F4; 6, 7 A4 eighths tied; 8 voice 2 D5
// whole; 9, 10 eighths C5 D5; 11 dotted half F4; 12 grace E5 at the end.
void TestNoteGlyphLyrics::lyricLinesByStyle_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("font");
    QTest::addColumn<QString>("switches");
    QTest::addColumn<int>("lyricStart");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("expected");

    const int lyrics = int(ScoreXmlMode::NoteNameLyrics);
    const int rewrite = int(ScoreXmlMode::NoteNameRewrite);
    QTest::newRow("KinkoSimple") << 0 << ""
                                 << "" << 1 << true << lyrics
                                 << QStringList{"2:1=Lpar Otsu Ro Tsu Rpar Re",
                                                "4:2=Ro",
                                                "5:1=Tsu",
                                                "6:1=Chi",
                                                "8:4=Kan Ro",
                                                "9:1=Ri",
                                                "10:1=Ro",
                                                "11:1=Otsu Tsu Lpar Kan TsuChuMeri Rpar"};
    QTest::newRow("KinkoSimple, bars, rests and tie stops")
        << 0 << ""
        << "barDot restNote tieStop" << 1 << true << lyrics
        << QStringList{"2:1=Lpar Otsu Ro Tsu Rpar Re",
                       "3:1=QuarterRestKinko",
                       "4:2=Ro",
                       "5:1=Tsu",
                       "6:1=Chi",
                       "7:1=Bar",
                       "8:4=Kan Ro _ Bar _ Bar _ Bar",
                       "9:1=Ri",
                       "10:1=Ro",
                       "11:1=Otsu Tsu _ Bar _ Bar Lpar Kan TsuChuMeri Rpar"};
    const QStringList tozanBeams = {"2:1=Lpar Otsu Ro Tsu Rpar Re",
                                    "2:2=Beam4Tozan",
                                    "3:1=QuarterRestTozan",
                                    "4:2=Ro",
                                    "4:3=Beam4Tozan",
                                    "5:1=Tsu",
                                    "5:2=Beam4Tozan",
                                    "6:1=Chi",
                                    "6:2=Beam8Tozan",
                                    "7:2=Beam8Tozan",
                                    "8:4=Kan Ro",
                                    "9:1=Ha",
                                    "9:2=Beam8Tozan",
                                    "10:1=Ro",
                                    "10:2=Beam8Tozan",
                                    "11:1=Otsu Tsu Lpar Kan TsuChuMeri Rpar"};
    QTest::newRow("TozanTrad with beams") << 3 << ""
                                          << "beams" << 1 << true << lyrics << tozanBeams;
    QTest::newRow("TozanTrad with beams, vertical page, export")
        << 3 << ""
        << "beams" << 1 << false << lyrics << tozanBeams;
    QTest::newRow("TozanTrad with beams, vertical page, rewrite")
        << 3 << ""
        << "beams" << 1 << false << rewrite
        << QStringList{"2:1=Lpar_V Otsu_V Ro Tsu Rpar_V Re",
                       "2:2=Beam4Tozan_V",
                       "3:1=QuarterRestTozan",
                       "4:2=Ro",
                       "4:3=Beam4Tozan_V",
                       "5:1=Tsu",
                       "5:2=Beam4Tozan_V",
                       "6:1=Chi",
                       "6:2=Beam8Tozan_V",
                       "7:2=Beam8Tozan_V",
                       "8:4=Kan_V Ro",
                       "9:1=Ha",
                       "9:2=Beam8Tozan_V",
                       "10:1=Ro",
                       "10:2=Beam8Tozan_V",
                       "11:1=Otsu_V Tsu Lpar_V Kan_V TsuChuMeri Rpar_V"};
    QTest::newRow("TozanTrad, lyric start 3, reverse order")
        << 3 << ""
        << "reverse" << 3 << true << lyrics
        << QStringList{"2:1='sa",
                       "2:5=Lpar Otsu Ro Tsu Rpar Re",
                       "3:5=QuarterRestTozan",
                       "4:5=Ro",
                       "5:6=Tsu",
                       "6:5=Chi",
                       "8:3=Kan Ro",
                       "9:3=Ha",
                       "10:3=Ro",
                       "11:3=Otsu Tsu Lpar Kan TsuChuMeri Rpar"};
    QTest::newRow("Fue, numeric font")
        << 4 << "Shinobue_Numeric"
        << "" << 1 << true << lyrics << QStringList{"2:1=Lpar 2 4 Rpar 5",
                                                    "4:2=2",
                                                    "5:1=4",
                                                    "6:1=6",
                                                    "8:4=2Dot",
                                                    "9:1=1Dot",
                                                    "10:1=2Dot",
                                                    "11:1=4 Lpar 3Dot Rpar"};
    QTest::newRow("KotoIkuta: no rest")
        << 5 << ""
        << "restNote" << 1 << true << lyrics
        << QStringList{
               "2:1=Lpar 5 6++ Rpar 7", "4:2=5", "5:1=6++", "6:1=8", "8:4=10", "9:1=9++", "10:1=10",
               "11:1=6++ Lpar To+ Rpar"};
    QTest::newRow("SangenIkuta") << 7 << ""
                                 << "" << 1 << true << lyrics
                                 << QStringList{"2:1=Lpar 1-1 1-4 Rpar 2-1",
                                                "4:2=1-1",
                                                "5:1=1-4",
                                                "6:1=2-3",
                                                "8:4=3-1",
                                                "9:1=2-5",
                                                "10:1=3-1",
                                                "11:1=1-4 Lpar 3-3 Rpar"};
    QTest::newRow("ShamisenBunka: one line per string")
        << 9 << ""
        << "" << 1 << true << lyrics
        << QStringList{"2:1='sa",
                       "2:2=Lpar B-String1 B-0 B-String1 B-3 Rpar B-String2 B-0",
                       "4:1=B-String1 B-0",
                       "5:1=B-String1 B-3",
                       "6:2=B-String2 B-2",
                       "8:3=B-String3 B-0",
                       "9:2=B-String2 B-4",
                       "10:3=B-String3 B-0",
                       "11:1=B-String1 B-3 Lpar B-String3 B-2 Rpar"};
    QTest::newRow("SangenYamada: empty map")
        << 8 << ""
        << "beams" << 1 << true << lyrics << QStringList{"2:1='sa"};
    QTest::newRow("Doremi: beams only")
        << 10 << ""
        << "beams" << 1 << true << lyrics
        << QStringList{"2:1='sa", "6:2=Beam8", "7:2=Beam8", "9:2=Beam8", "10:2=Beam8"};
    QTest::newRow("StaffNotation: nothing")
        << 12 << ""
        << "beams" << 1 << true << lyrics << QStringList{"2:1='sa"};
}

void TestNoteGlyphLyrics::lyricLinesByStyle()
{
    QFETCH(int, style);
    QFETCH(QString, font);
    QFETCH(QString, switches);
    QFETCH(int, lyricStart);
    QFETCH(bool, horizontal);
    QFETCH(int, mode);
    QFETCH(QStringList, expected);

    auto score = fixtureScore();
    QVERIFY(score);
    Part *part = score->parts.at(0);
    part->notationStyle = style;
    part->noteFontName = font;
    part->staffNoteLyricStart = lyricStart;
    applySwitches(*score, *part, switches);
    score->page->horizontal = horizontal;

    QString text;
    if (ScoreXmlMode(mode) == ScoreXmlMode::NoteNameLyrics) {
        // The export regenerates by itself.
        const QString path = QDir::homePath() + QStringLiteral("/lyrics.musicxml");
        QVERIFY(score->exportMusicXMLFile(path, ScoreXmlMode::NoteNameLyrics));
        text = readText(path);
    } else {
        score->generateScore();
        text = score->buildScoreXml(ScoreXmlMode(mode));
    }
    if (!font.isEmpty())
        QCOMPARE(part->noteFontName, font);

    const auto map = mapOf(style, font);
    QStringList wanted;
    for (const QString &line : std::as_const(expected)) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        wanted << line.left(equals + 1) + charsOf(*map, line.mid(equals + 1));
    }
    QStringList actual = lyricLines(parsed(text));
    actual.sort();
    wanted.sort();
    QCOMPARE(actual, wanted);
}

void TestNoteGlyphLyrics::exportLeavesTheScore()
{
    auto score = fixtureScore();
    QVERIFY(score);
    score->parts.at(0)->staffNoteBeams = true;
    score->style->staffNoteFontSize = 11;
    score->generateScore();
    const QString before = withoutUpdateTime(score->buildScoreXml(ScoreXmlMode::ScoreFile));
    score->setChanged(false);
    const QString path = QDir::homePath() + QStringLiteral("/kept.musicxml");

    QVERIFY(score->exportMusicXMLFile(path, ScoreXmlMode::NoteNameLyrics));

    const QDomDocument exported = parsed(readText(path));
    QVERIFY(!readText(path).contains(QStringLiteral("<tarn-")));
    // The fixture has no defaults: the export names the font anyway, where
    // MusicXML wants it.
    const QDomElement root = exported.documentElement();
    const QDomElement lyricFont = root.firstChildElement(QStringLiteral("defaults"))
                                      .firstChildElement(QStringLiteral("lyric-font"));
    QCOMPARE(lyricFont.attribute(QStringLiteral("font-family")), QStringLiteral("VelmoraStaff"));
    QCOMPARE(lyricFont.attribute(QStringLiteral("font-size")), QStringLiteral("11"));
    QCOMPARE(root.firstChildElement().tagName(), QStringLiteral("defaults"));
    QVERIFY(lyricLines(exported).size() > 10);

    // The regeneration the export needs leaves a clean score clean.
    QVERIFY(!score->changed);
    QCOMPARE(withoutUpdateTime(score->documentText), before);
    QCOMPARE(withoutUpdateTime(score->buildScoreXml(ScoreXmlMode::ScoreFile)), before);
    // No glyph lyric reaches the score file, and its defaults stay absent.
    const QDomDocument own = parsed(score->buildScoreXml(ScoreXmlMode::ScoreFile));
    QCOMPARE(lyricLines(own), QStringList{"2:1=sa"});
    QVERIFY(own.documentElement().firstChildElement(QStringLiteral("defaults")).isNull());
}

void TestNoteGlyphLyrics::rewrittenDocument()
{
    auto score = fixtureScore();
    QVERIFY(score);
    score->page->horizontal = false;
    score->generateScore();
    const QString text = score->buildScoreXml(ScoreXmlMode::NoteNameRewrite);

    // The own document: settings kept, the lyric font of lyric parts
    // replaced, and the glyph lyrics, in the vertical forms of the page,
    // loaded as lyrics of the notes.
    QVERIFY(text.contains(QStringLiteral("<tarn-property>")));
    QCOMPARE(score->parts.at(0)->lyricsFont.family(), QStringLiteral("VelmoraStaff"));
    QVERIFY(text.contains(QStringLiteral("<lyrics-font>VelmoraStaff,")));
    const auto map = mapOf(3, QString());
    Score reloaded(QString::fromLatin1(Velmora::programVersion), 2, false);
    reloaded.documentText = text;
    QVERIFY(reloaded.parseScoreXml(false));
    QCOMPARE(reloaded.parts.at(0)->lyricsFont.family(), QStringLiteral("VelmoraStaff"));
    const QList<Note *> &notes = reloaded.measures.at(0)->parts.at(0)->voices.at(0)->notes;
    QCOMPARE(notes.at(2)->lyrics.size(), 1);
    QCOMPARE(Score::childElementText(notes.at(2)->lyrics.first()->element, QStringLiteral("text")),
             charsOf(*map, "Lpar_V Otsu_V Ro Tsu Rpar_V Re"));
    QVERIFY(notes.at(0)->lyrics.isEmpty());
}

VELMORA_TEST_MAIN(TestNoteGlyphLyrics)

} // namespace tst_note_glyph_lyrics
#include "tst_note_glyph_lyrics.moc"
