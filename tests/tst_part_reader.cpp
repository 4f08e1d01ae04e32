// The reader of a MusicXML score-part: the part's names, every setting of
// its tarn-part child, the notation-style names, and the fallbacks for
// numbers that would break the layout.
#include "app/version.h"
#include "model/notefonts.h"
#include "model/part.h"
#include "model/score.h"
#include "support/messagecapture.h"
#include "support/testenvironment.h"

#include <functional>

namespace tst_part_reader {

namespace {

const char undefinedStyleLine[] =
    "parseScorePart notationstyle not defined, use default =========Warning";

// A score-part element holding `children`, in a document of its own.
QDomElement scorePart(QDomDocument &document, const QString &children)
{
    const QString xml = QStringLiteral("<score-part id=\"P1\">%1</score-part>").arg(children);
    if (!document.setContent(xml))
        qFatal("fixture is not XML: %s", qPrintable(xml));
    return document.documentElement();
}

QString tarnPart(const QString &children)
{
    return QStringLiteral("<tarn-part>%1</tarn-part>").arg(children);
}

// Every field the reader fills, by name, as a variant to compare.
QVariant partValue(const Part &p, const QString &field)
{
    static const QHash<QString, std::function<QVariant(const Part &)>> getters = {
        {"partName", [](const Part &p) { return QVariant(p.partName); }},
        {"partAbbreviation", [](const Part &p) { return QVariant(p.partAbbreviation); }},
        {"partOutput", [](const Part &p) { return QVariant(p.partOutput); }},
        {"partWholeRestLine", [](const Part &p) { return QVariant(p.partWholeRestLine); }},
        {"noteOutput", [](const Part &p) { return QVariant(p.noteOutput); }},
        {"notationStyle", [](const Part &p) { return QVariant(p.notationStyle); }},
        {"notationStyleText", [](const Part &p) { return QVariant(p.notationStyleText); }},
        {"instrumentKey", [](const Part &p) { return QVariant(p.instrumentKey); }},
        {"noteFontName", [](const Part &p) { return QVariant(p.noteFontName); }},
        {"noteFontSize", [](const Part &p) { return QVariant(p.noteFontSize); }},
        {"partWidthScale", [](const Part &p) { return QVariant(p.partWidthScale); }},
        {"partShift", [](const Part &p) { return QVariant(p.partShift); }},
        {"boundaryLeftBottom", [](const Part &p) { return QVariant(p.boundaryLeftBottom); }},
        {"boundaryRightTop", [](const Part &p) { return QVariant(p.boundaryRightTop); }},
        {"timeTicks", [](const Part &p) { return QVariant(p.timeTicks); }},
        {"timeTicks16th", [](const Part &p) { return QVariant(p.timeTicks16th); }},
        {"lyricsFont", [](const Part &p) { return QVariant(p.lyricsFont.toString()); }},
        {"lyricsOutput", [](const Part &p) { return QVariant(p.lyricsOutput); }},
        {"wholeRestOutput", [](const Part &p) { return QVariant(p.wholeRestOutput); }},
        {"slurOutput", [](const Part &p) { return QVariant(p.slurOutput); }},
        {"staffNoteOutput", [](const Part &p) { return QVariant(p.staffNoteOutput); }},
        {"staffNoteTieStopOutput",
         [](const Part &p) { return QVariant(p.staffNoteTieStopOutput); }},
        {"staffNoteBeams", [](const Part &p) { return QVariant(p.staffNoteBeams); }},
        {"staffNoteInverseOrder", [](const Part &p) { return QVariant(p.staffNoteInverseOrder); }},
        {"staffNoteOctaveInst", [](const Part &p) { return QVariant(p.staffNoteOctaveInst); }},
        {"staffNoteBreathMark", [](const Part &p) { return QVariant(p.staffNoteBreathMark); }},
        {"staffNoteTremoloLine", [](const Part &p) { return QVariant(p.staffNoteTremoloLine); }},
        {"staffNoteExtensionBarDot",
         [](const Part &p) { return QVariant(p.staffNoteExtensionBarDot); }},
        {"staffNoteRestNote", [](const Part &p) { return QVariant(p.staffNoteRestNote); }},
        {"staffNoteLyricStart", [](const Part &p) { return QVariant(p.staffNoteLyricStart); }},
        {"alignInTime", [](const Part &p) { return QVariant(p.alignInTime); }},
        {"noteInterval", [](const Part &p) { return QVariant(p.noteInterval); }},
        {"noteWidth1", [](const Part &p) { return QVariant(p.noteWidth1); }},
        {"noteWidth2", [](const Part &p) { return QVariant(p.noteWidth2); }},
        {"noteWidth4", [](const Part &p) { return QVariant(p.noteWidth4); }},
        {"noteWidth8", [](const Part &p) { return QVariant(p.noteWidth8); }},
        {"noteWidth16", [](const Part &p) { return QVariant(p.noteWidth16); }},
        {"noteWidth32", [](const Part &p) { return QVariant(p.noteWidth32); }},
    };
    const auto getter = getters.find(field);
    if (getter == getters.end())
        qFatal("no such field: %s", qPrintable(field));
    return (*getter)(p);
}

// The whole readable state of a part, for "nothing else changed".
QVariantMap readableState(const Part &p)
{
    static const QStringList fields = {"partName",
                                       "partAbbreviation",
                                       "partOutput",
                                       "partWholeRestLine",
                                       "noteOutput",
                                       "notationStyle",
                                       "notationStyleText",
                                       "instrumentKey",
                                       "noteFontName",
                                       "noteFontSize",
                                       "partWidthScale",
                                       "partShift",
                                       "boundaryLeftBottom",
                                       "boundaryRightTop",
                                       "timeTicks",
                                       "timeTicks16th",
                                       "lyricsFont",
                                       "lyricsOutput",
                                       "wholeRestOutput",
                                       "slurOutput",
                                       "staffNoteOutput",
                                       "staffNoteTieStopOutput",
                                       "staffNoteBeams",
                                       "staffNoteInverseOrder",
                                       "staffNoteOctaveInst",
                                       "staffNoteBreathMark",
                                       "staffNoteTremoloLine",
                                       "staffNoteExtensionBarDot",
                                       "staffNoteRestNote",
                                       "staffNoteLyricStart",
                                       "alignInTime",
                                       "noteInterval",
                                       "noteWidth1",
                                       "noteWidth2",
                                       "noteWidth4",
                                       "noteWidth8",
                                       "noteWidth16",
                                       "noteWidth32"};
    QVariantMap state;
    for (const QString &field : fields)
        state.insert(field, partValue(p, field));
    return state;
}

} // namespace

class TestPartReader : public QObject
{
    Q_OBJECT

private slots:
    void everySetting_data();
    void everySetting();
    void readerRules_data();
    void readerRules();
    void notationStyleNames_data();
    void notationStyleNames();
    void namesInDocumentOrder_data();
    void namesInDocumentOrder();
    void withoutTarnPartOnlyNamesChange();
    void onlyTheReadSettingChanges();
};

void TestPartReader::everySetting_data()
{
    QTest::addColumn<QString>("child");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("expected");

    auto row = [](const char *tag, const QString &text, const char *field, const QVariant &v) {
        QTest::newRow(tag) << QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), text)
                           << QString::fromLatin1(field) << v;
    };
    // Each value differs from the part's default.
    row("part-name", "Shakuhachi 1", "partName", QString("Shakuhachi 1"));
    row("part-abbreviation", "Sh.", "partAbbreviation", QString("Sh."));
    row("part-output", "false", "partOutput", false);
    row("part-whole-rest-line", "false", "partWholeRestLine", false);
    row("note-output", "false", "noteOutput", false);
    row("notation-style", "KotoSeiha", "notationStyle", 6);
    row("instrument-key", "-2", "instrumentKey", -2);
    row("note-font-name", "Koto_Brush_Callig", "noteFontName", QString("Koto_Brush_Callig"));
    row("note-font-size", "6.25", "noteFontSize", 6.25);
    row("part-width-scale", "1.5", "partWidthScale", 1.5);
    row("part-shift", "-3.5", "partShift", -3.5);
    row("boundary-left-bottom", "true", "boundaryLeftBottom", true);
    row("boundary-right-top", "true", "boundaryRightTop", true);
    row("time-ticks", "true", "timeTicks", true);
    row("time-ticks-16th", "true", "timeTicks16th", true);
    const QString font = QFont(QStringLiteral("DejaVu Serif"), 21).toString();
    row("lyrics-font", font, "lyricsFont", font);
    row("lyrics-output", "false", "lyricsOutput", false);
    row("whole-rest-output", "false", "wholeRestOutput", false);
    row("slur-output", "false", "slurOutput", false);
    row("staff-note-output", "false", "staffNoteOutput", false);
    row("staff-note-tie-stop-output", "true", "staffNoteTieStopOutput", true);
    row("staff-note-beams", "true", "staffNoteBeams", true);
    row("staff-note-inverse-order", "true", "staffNoteInverseOrder", true);
    row("staff-note-octave-inst", "false", "staffNoteOctaveInst", false);
    row("staff-note-breath-mark", "false", "staffNoteBreathMark", false);
    row("staff-note-tremolo-line", "true", "staffNoteTremoloLine", true);
    row("staff-note-extension-bar-dot", "true", "staffNoteExtensionBarDot", true);
    row("staff-note-rest-note", "true", "staffNoteRestNote", true);
    row("staff-note-lyric-start", "3", "staffNoteLyricStart", 3);
    row("align-in-time", "false", "alignInTime", false);
    row("note-interval", "1.35", "noteInterval", 1.35);
    row("note-width-1", "1.5", "noteWidth1", 1.5);
    row("note-width-2", "1.25", "noteWidth2", 1.25);
    row("note-width-4", "0.95", "noteWidth4", 0.95);
    row("note-width-8", "0.5", "noteWidth8", 0.5);
    row("note-width-16", "0.45", "noteWidth16", 0.45);
    row("note-width-32", "0.3", "noteWidth32", 0.3);
}

void TestPartReader::everySetting()
{
    QFETCH(QString, child);
    QFETCH(QString, field);
    QFETCH(QVariant, expected);

    Score score(Velmora::programVersion, 1, false);
    Part part(&score);
    score.setPartDefaults(&part);
    QVERIFY2(partValue(part, field) != expected, "the row must change the setting");
    QVariantMap state = readableState(part);

    QDomDocument fixture;
    score.parseScorePart(&part, scorePart(fixture, tarnPart(child)));
    QCOMPARE(partValue(part, field), expected);
    // Nothing else changed (the style text goes with the style code).
    state.insert(field, expected);
    if (field == QLatin1String("notationStyle"))
        state.insert("notationStyleText", QStringLiteral("KotoSeiha"));
    QCOMPARE(readableState(part), state);
}

void TestPartReader::readerRules_data()
{
    QTest::addColumn<QString>("children"); // of tarn-part
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("expected");

    QTest::newRow("bool TRUE") << "<time-ticks>TRUE</time-ticks>"
                               << "timeTicks" << QVariant(false);
    QTest::newRow("bool 1") << "<time-ticks>1</time-ticks>"
                            << "timeTicks" << QVariant(false);
    QTest::newRow("bool part-output TRUE") << "<part-output>TRUE</part-output>"
                                           << "partOutput" << QVariant(false);
    QTest::newRow("integer -2") << "<instrument-key>-2</instrument-key>"
                                << "instrumentKey" << QVariant(-2);
    QTest::newRow("integer 2.5") << "<instrument-key>2.5</instrument-key>"
                                 << "instrumentKey" << QVariant(0);
    QTest::newRow("integer out of range")
        << "<staff-note-lyric-start>99999999999</staff-note-lyric-start>"
        << "staffNoteLyricStart" << QVariant(0);
    QTest::newRow("empty note width") << "<note-width-8/>"
                                      << "noteWidth8" << QVariant(0.0);
    QTest::newRow("malformed number") << "<part-shift>left</part-shift>"
                                      << "partShift" << QVariant(0.0);
    QTest::newRow("note size 0 reads default") << "<note-font-size>0</note-font-size>"
                                               << "noteFontSize" << QVariant(5.0);
    QTest::newRow("negative note size reads default") << "<note-font-size>-4</note-font-size>"
                                                      << "noteFontSize" << QVariant(5.0);
    QTest::newRow("malformed note size reads default") << "<note-font-size>big</note-font-size>"
                                                       << "noteFontSize" << QVariant(5.0);
    QTest::newRow("NaN note size reads default") << "<note-font-size>nan</note-font-size>"
                                                 << "noteFontSize" << QVariant(5.0);
    QTest::newRow("large note size stays") << "<note-font-size>40</note-font-size>"
                                           << "noteFontSize" << QVariant(40.0);
    QTest::newRow("NaN width scale reads default") << "<part-width-scale>nan</part-width-scale>"
                                                   << "partWidthScale" << QVariant(1.0);
    QTest::newRow("infinite note width reads default") << "<note-width-16>inf</note-width-16>"
                                                       << "noteWidth16" << QVariant(0.75);
    QTest::newRow("overflowing interval reads default") << "<note-interval>1e500</note-interval>"
                                                        << "noteInterval" << QVariant(1.1);
    QTest::newRow("zero note width stays") << "<note-width-1>0</note-width-1>"
                                           << "noteWidth1" << QVariant(0.0);
    QTest::newRow("text unchanged") << "<note-font-name> Koto Brush </note-font-name>"
                                    << "noteFontName" << QVariant(" Koto Brush ");
    QTest::newRow("later duplicate wins")
        << "<instrument-key>3</instrument-key><instrument-key>-5</instrument-key>"
        << "instrumentKey" << QVariant(-5);
    QTest::newRow("unknown and case-different tags")
        << "<Time-Ticks>true</Time-Ticks><time-tick>true</time-tick>"
        << "timeTicks" << QVariant(false);
    QTest::newRow("nested settings are not read") << "<group><time-ticks>true</time-ticks></group>"
                                                  << "timeTicks" << QVariant(false);
    QTest::newRow("comments and text skipped") << "x<!-- c --><time-ticks>true</time-ticks>y"
                                               << "timeTicks" << QVariant(true);
}

void TestPartReader::readerRules()
{
    QFETCH(QString, children);
    QFETCH(QString, field);
    QFETCH(QVariant, expected);

    Score score(Velmora::programVersion, 1, false);
    Part part(&score);
    score.setPartDefaults(&part);
    QDomDocument fixture;
    score.parseScorePart(&part, scorePart(fixture, tarnPart(children)));
    QCOMPARE(partValue(part, field), expected);
}

void TestPartReader::notationStyleNames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("known");

    const QStringList names = {"KinkoSimple",   "KinkoTrad",     "TozanSimple", "TozanTrad",
                               "Fue",           "KotoIkuta",     "KotoSeiha",   "SangenIkuta",
                               "SangenYamada",  "ShamisenBunka", "Doremi",      "Percussion",
                               "StaffNotation", "Traverso"};
    for (int code = 0; code < names.size(); ++code)
        QTest::newRow(qPrintable(names.at(code))) << names.at(code) << code << true;
    QTest::newRow("lower case") << "kinkosimple" << 0 << false;
    QTest::newRow("other case") << "traverso" << 0 << false;
    QTest::newRow("padded") << " Fue" << 0 << false;
    QTest::newRow("empty") << "" << 0 << false;
    QTest::newRow("code number") << "5" << 0 << false;
}

void TestPartReader::notationStyleNames()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    QFETCH(bool, known);

    Score score(Velmora::programVersion, 1, false);
    Part part(&score);
    score.setPartDefaults(&part); // TozanTrad, so an unknown name visibly resets
    QDomDocument fixture;
    TestSupport::MessageCapture capture;
    score.parseScorePart(
        &part, scorePart(fixture, tarnPart("<notation-style>" + text + "</notation-style>")));
    QCOMPARE(part.notationStyle, code);
    QCOMPARE(part.notationStyleText, text);
    QCOMPARE(capture.count(QString::fromLatin1(undefinedStyleLine)), known ? 0 : 1);
}

void TestPartReader::namesInDocumentOrder_data()
{
    QTest::addColumn<QString>("children");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("abbreviation");

    QTest::newRow("score-part names only")
        << "<part-name>Koto</part-name><part-abbreviation>K.</part-abbreviation>"
        << "Koto"
        << "K.";
    QTest::newRow("tarn-part last overwrites")
        << "<part-name>Koto</part-name><part-abbreviation>K.</part-abbreviation>"
           "<score-instrument id=\"I1\"/>" +
               tarnPart("<part-name>Koto I</part-name><part-abbreviation>K1</part-abbreviation>")
        << "Koto I"
        << "K1";
    QTest::newRow("later score-part name wins")
        << tarnPart("<part-name>Koto I</part-name>") + "<part-name>Koto</part-name>"
        << "Koto"
        << "unset";
    QTest::newRow("empty names are names")
        << "<part-name/>" + tarnPart("<part-abbreviation/>") << ""
        << "";
    QTest::newRow("other children ignored")
        << "<score-instrument><part-name>X</part-name></score-instrument>"
           "<Part-Name>Y</Part-Name>"
        << "unset"
        << "unset";
}

void TestPartReader::namesInDocumentOrder()
{
    QFETCH(QString, children);
    QFETCH(QString, name);
    QFETCH(QString, abbreviation);

    Score score(Velmora::programVersion, 1, false);
    Part part(&score);
    part.partName = part.partAbbreviation = QStringLiteral("unset");
    QDomDocument fixture;
    score.parseScorePart(&part, scorePart(fixture, children));
    QCOMPARE(part.partName, name);
    QCOMPARE(part.partAbbreviation, abbreviation);
}

void TestPartReader::withoutTarnPartOnlyNamesChange()
{
    Score score(Velmora::programVersion, 1, false);
    Part part(&score);
    score.setPartDefaults(&part);
    part.noteFontSize = 7.5; // a caller's value, not the default
    part.timeTicks = true;
    QVariantMap state = readableState(part);

    QDomDocument fixture;
    score.parseScorePart(&part, scorePart(fixture, "<part-name>Fue</part-name>"
                                                   "<part-abbreviation>F.</part-abbreviation>"
                                                   "<score-instrument id=\"I1\"/>"));
    state.insert("partName", QStringLiteral("Fue"));
    state.insert("partAbbreviation", QStringLiteral("F."));
    QCOMPARE(readableState(part), state);
}

// A fallback takes the default of the setting, not the part's other values.
void TestPartReader::onlyTheReadSettingChanges()
{
    Score score(Velmora::programVersion, 1, false);
    Part part(&score);
    part.noteFontSize = 7.5;
    part.noteWidth8 = 0.4;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("QFont::fromString"));
    const QString fontBefore = part.lyricsFont.toString();
    QDomDocument fixture;
    score.parseScorePart(&part, scorePart(fixture, tarnPart("<note-font-size>0</note-font-size>"
                                                            "<lyrics-font>a,b,c,d</lyrics-font>")));
    QCOMPARE(part.noteFontSize, 5.0);
    QCOMPARE(part.noteWidth8, 0.4);
    QCOMPARE(part.lyricsFont.toString(), fontBefore); // a rejected description keeps the font
}

VELMORA_TEST_MAIN(TestPartReader)

} // namespace tst_part_reader
#include "tst_part_reader.moc"
