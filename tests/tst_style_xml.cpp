// The style settings element "tarn-style": children and their order, number
// forms, write-then-read over every setting, the reader's rules, the
// time-tick ratio of older files, and the display switches that go to the
// score's current Page.
#include "app/version.h"
#include "model/page.h"
#include "model/score.h"
#include "model/style.h"
#include "support/testenvironment.h"

#include <QFontMetrics>
#include <functional>

namespace tst_style_xml {

namespace {

struct StyleSetting
{
    const char *name;
    std::function<void(Style *, Page *)> change; // to a value the written digits keep exactly
};

// One change per setting of the element, the four Page switches included.
const QList<StyleSetting> &styleSettings()
{
    static const QList<StyleSetting> settings = {
        {"beamLineOffset", [](Style *s, Page *) { s->beamLineOffset = 1.3; }},
        {"beamLineWidth", [](Style *s, Page *) { s->beamLineWidth = 2.0; }},
        {"beamLineSpacing", [](Style *s, Page *) { s->beamLineSpacing = 1.2; }},
        {"dynamicsScale", [](Style *s, Page *) { s->dynamicsScale = 2.5; }},
        {"tozanSmallNoteScale", [](Style *s, Page *) { s->tozanSmallNoteScale = 0.75; }},
        {"graceNoteScale", [](Style *s, Page *) { s->graceNoteScale = 0.65; }},
        {"graceOffsetX", [](Style *s, Page *) { s->graceOffsetX = 0.35; }},
        {"graceOffsetY", [](Style *s, Page *) { s->graceOffsetY = -0.45; }},
        {"slurOffset", [](Style *s, Page *) { s->slurOffset = 0.2; }},
        {"tupletOffset", [](Style *s, Page *) { s->tupletOffset = -0.7; }},
        {"tieRightBottom", [](Style *s, Page *) { s->tieRightBottom = false; }},
        {"tupletRightBottom", [](Style *s, Page *) { s->tupletRightBottom = true; }},
        {"tupletBracket", [](Style *s, Page *) { s->tupletBracket = true; }},
        {"tieOffset", [](Style *s, Page *) { s->tieOffset = 0.125; }},
        {"notationOffset", [](Style *s, Page *) { s->notationOffset = -1.25; }},
        {"tremoloOffsetL", [](Style *s, Page *) { s->tremoloOffsetL = 0.5; }},
        {"tremoloOffsetW", [](Style *s, Page *) { s->tremoloOffsetW = -0.5; }},
        {"octaveInstructionScale", [](Style *s, Page *) { s->octaveInstructionScale = 1.4; }},
        {"octaveInstructionRightOrBottom",
         [](Style *s, Page *) { s->octaveInstructionRightOrBottom = false; }},
        {"doubleQuoteOtsu", [](Style *s, Page *) { s->doubleQuoteOtsu = true; }},
        {"octaveInstructionOffsetL", [](Style *s, Page *) { s->octaveInstructionOffsetL = 0.35; }},
        {"insertNoteSpacer", [](Style *s, Page *) { s->insertNoteSpacer = false; }},
        {"tieStopBar", [](Style *s, Page *) { s->tieStopBar = false; }},
        {"multiMeasureRests", [](Style *s, Page *) { s->multiMeasureRests = true; }},
        {"eraseExtension", [](Style *s, Page *) { s->eraseExtension = true; }},
        {"kinkoDefaultU", [](Style *s, Page *) { s->kinkoDefaultU = true; }},
        {"noteSpacerRatio", [](Style *s, Page *) { s->noteSpacerRatio = 0.8; }},
        {"fingeringSize", [](Style *s, Page *) { s->fingeringSize = 1.5; }},
        {"fingeringLineWidth", [](Style *s, Page *) { s->fingeringLineWidth = 1.75; }},
        {"fingeringOffsetL", [](Style *s, Page *) { s->fingeringOffsetL = 0.25; }},
        {"fingeringOffsetW", [](Style *s, Page *) { s->fingeringOffsetW = -0.25; }},
        {"octaveInstructionOffsetW", [](Style *s, Page *) { s->octaveInstructionOffsetW = 0.6; }},
        {"lyricsOffset", [](Style *s, Page *) { s->lyricsOffset = 1.7; }},
        {"lyricsOffsetTimeDirection",
         [](Style *s, Page *) { s->lyricsOffsetTimeDirection = -0.9; }},
        {"lyricsLine", [](Style *s, Page *) { s->lyricsLine = true; }},
        {"noteOffset", [](Style *s, Page *) { s->noteOffset = 0.6; }},
        {"stageLineWidth", [](Style *s, Page *) { s->stageLineWidth = 1.06; }},
        {"partLineWidth", [](Style *s, Page *) { s->partLineWidth = 0.33; }},
        {"measureLeadingPad", [](Style *s, Page *) { s->measureLeadingPad = 0.7; }},
        {"measureTailingPad", [](Style *s, Page *) { s->measureTailingPad = 2.0; }},
        {"measureMaxChordWidth", [](Style *s, Page *) { s->measureMaxChordWidth = 1.5; }},
        {"measureDisplayBarline", [](Style *, Page *p) { p->measureDisplayBarline = false; }},
        {"barlineStaffNotationMode",
         [](Style *, Page *p) { p->barlineStaffNotationMode = true; }},
        {"measureDisplayTimeSignature",
         [](Style *, Page *p) { p->measureDisplayTimeSignature = false; }},
        {"measureDisplayTimeSignatureFirstPart",
         [](Style *, Page *p) { p->measureDisplayTimeSignatureFirstPart = true; }},
        {"measureBarLineWidth", [](Style *s, Page *) { s->measureBarLineWidth = 2.1; }},
        {"measureThinLineWidth", [](Style *s, Page *) { s->measureThinLineWidth = 1.3; }},
        {"measureThickLineWidth", [](Style *s, Page *) { s->measureThickLineWidth = 2.5; }},
        {"measureDoubleLineSpacing", [](Style *s, Page *) { s->measureDoubleLineSpacing = 2.3; }},
        {"measureRepeatDotRadius", [](Style *s, Page *) { s->measureRepeatDotRadius = 1.0; }},
        {"measureRepeatDotOffset", [](Style *s, Page *) { s->measureRepeatDotOffset = 3.1; }},
        {"measureRepeatDotSeparation",
         [](Style *s, Page *) { s->measureRepeatDotSeparation = 1.2; }},
        {"measureTimeSignatureSize", [](Style *s, Page *) { s->measureTimeSignatureSize = 1.0; }},
        {"timeTickRatio", [](Style *s, Page *) { s->timeTickRatio = 0.15; }},
        {"tickMajorLength", [](Style *s, Page *) { s->tickMajorLength = 40.5; }},
        {"tickMajorWidth", [](Style *s, Page *) { s->tickMajorWidth = 1.3; }},
        {"tickMinorLength", [](Style *s, Page *) { s->tickMinorLength = 22.5; }},
        {"tickMinorWidth", [](Style *s, Page *) { s->tickMinorWidth = 1.1; }},
        {"gapChordNote", [](Style *s, Page *) { s->gapChordNote = 0.7; }},
        {"gapVoice", [](Style *s, Page *) { s->gapVoice = 0.5; }},
        {"staffNoteFontSize", [](Style *s, Page *) { s->staffNoteFontSize = 12; }},
        {"rehearsalMarkSize", [](Style *s, Page *) { s->rehearsalMarkSize = 1.23456; }},
        {"textOffset", [](Style *s, Page *) { s->textOffset = -0.123456; }},
        {"dynamicsOffset", [](Style *s, Page *) { s->dynamicsOffset = 0.654321; }},
        {"wedgeOffset", [](Style *s, Page *) { s->wedgeOffset = 12.3456; }},
        {"textFont",
         [](Style *s, Page *) {
             QFont font(QStringLiteral("DejaVu Sans"), 11);
             font.setBold(true);
             s->setTextFont(font);
         }},
        {"defaultFont",
         [](Style *s, Page *) {
             QFont font(QStringLiteral("DejaVu Serif"), 9);
             font.setItalic(true);
             s->defaultFont = font;
         }},
    };
    return settings;
}

QDomElement writtenStyle(Score &score)
{
    QDomElement root = score.document.createElement(QStringLiteral("score-partwise"));
    score.document.appendChild(root);
    score.writeStyleXml(&score, root);
    return root.lastChildElement();
}

// A tarn-style element holding `children`, in a document of its own.
QDomElement styleElement(QDomDocument &document, const QString &children)
{
    const QString xml = QStringLiteral("<tarn-style>%1</tarn-style>").arg(children);
    if (!document.setContent(xml))
        qFatal("fixture is not XML: %s", qPrintable(xml));
    return document.documentElement();
}

QStringList childTags(const QDomElement &element)
{
    QStringList tags;
    for (QDomElement c = element.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
        tags << c.tagName();
    return tags;
}

} // namespace

class TestStyleXml : public QObject
{
    Q_OBJECT

private slots:
    void childrenInOrder();
    void numberForms_data();
    void numberForms();
    void writeThenRead_data();
    void writeThenRead();
    void everySettingChangedAtOnce();
    void readerRules_data();
    void readerRules();
    void timeTickRatioOfOlderFiles_data();
    void timeTickRatioOfOlderFiles();
    void timeTickRatioScaledOnlyWhenRead();
    void displaySwitchesGoToTheCurrentPage();
    void environmentFileIsReadAtItsOwnVersion();
    void missingChildrenKeepCurrentValues();
    void readTextFontKeepsItsHeight();
    void rejectedFontTextKeepsTheFont();
};

void TestStyleXml::childrenInOrder()
{
    Score score(Velmora::programVersion, 1, false);
    const QDomElement element = writtenStyle(score);
    QCOMPARE(element.tagName(), QStringLiteral("tarn-style"));
    QVERIFY(element.attributes().isEmpty());
    const QStringList expected = {"beam-line-offset",
                                  "beam-line-width",
                                  "beam-line-spacing",
                                  "dynamics-scale",
                                  "tozan-small-note-scale",
                                  "dynamics-scale",
                                  "grace-note-scale",
                                  "grace-offset-x",
                                  "grace-offset-y",
                                  "slur-offset",
                                  "tuplet-offset",
                                  "tie-right-bottom",
                                  "tuplet-right-bottom",
                                  "tuplet-bracket",
                                  "tie-offset",
                                  "notation-offset",
                                  "tremolo-offset-l",
                                  "tremolo-offset-w",
                                  "octave-instruction-scale",
                                  "octave-instruction-right-or-bottom",
                                  "double-quote-otsu",
                                  "octave-instruction-offset-l",
                                  "insert-note-spacer",
                                  "tie-stop-bar",
                                  "multi-measure-rests",
                                  "erase-extension",
                                  "kinko-default-u",
                                  "note-spacer-ratio",
                                  "fingering-size",
                                  "fingering-line-width",
                                  "fingering-offset-l",
                                  "fingering-offset-w",
                                  "octave-instruction-offset-w",
                                  "lyrics-offset",
                                  "lyrics-offset-time-direction",
                                  "lyrics-line",
                                  "note-offset",
                                  "stage-line-width",
                                  "part-line-width",
                                  "measure-leading-pad",
                                  "measure-tailing-pad",
                                  "measure-max-chord-width",
                                  "measure-display-barline",
                                  "barline_staff_notation_mode",
                                  "measure-display-time-signature",
                                  "measure-display-time-signature-first-part",
                                  "measure-bar-line-width",
                                  "measure-thin-line-width",
                                  "measure-thick-line-width",
                                  "measure-double-line-spacing",
                                  "measure-repeat-dot-radius",
                                  "measure-repeat-dot-offset",
                                  "measure-repeat-dot-separation",
                                  "measure-time-signature-size",
                                  "time-tick-ratio",
                                  "tick-major-length",
                                  "tick-major-width",
                                  "tick-minor-length",
                                  "tick-minor-width",
                                  "gap-chord-note",
                                  "gap-voice",
                                  "staff-note-font-size",
                                  "rehearsal-mark-size",
                                  "text-offset",
                                  "dynamics-offset",
                                  "wedge-offset",
                                  "text-font",
                                  "default-font"};
    QCOMPARE(childTags(element), expected);
    for (QDomElement c = element.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
        QVERIFY2(c.attributes().isEmpty() && c.firstChild().isText(), qPrintable(c.tagName()));
}

void TestStyleXml::numberForms_data()
{
    QTest::addColumn<int>("position"); // 1-based child position
    QTest::addColumn<QString>("text");

    // Set in numberForms(): beam-line-offset and the four 6-digit rows to one
    // third, grace-offset-x to -0.15, beam-line-width to 1.0, slur-offset to
    // 1.234, tuplet-offset to 1234.5, staff-note-font-size to -3.
    QTest::newRow("3 digits") << 1 << "0.333";
    QTest::newRow("whole number") << 2 << "1";
    QTest::newRow("negative") << 8 << "-0.15";
    QTest::newRow("rounded") << 10 << "1.23";
    QTest::newRow("exponent") << 11 << "1.23e+03";
    QTest::newRow("rehearsal-mark-size, 6 digits") << 63 << "0.333333";
    QTest::newRow("text-offset, 6 digits") << 64 << "0.333333";
    QTest::newRow("dynamics-offset, 6 digits") << 65 << "0.333333";
    QTest::newRow("wedge-offset, 6 digits") << 66 << "0.333333";
    QTest::newRow("integer") << 62 << "-3";
    QTest::newRow("dynamics-scale first") << 4 << "0.75";
    QTest::newRow("dynamics-scale repeated") << 6 << "0.75";
    QTest::newRow("bool") << 12 << "false";
    QTest::newRow("display switch from the Page") << 44 << "true";
}

void TestStyleXml::numberForms()
{
    QFETCH(int, position);
    QFETCH(QString, text);

    Score score(Velmora::programVersion, 1, false);
    Style *s = score.style;
    const double third = 1.0 / 3.0;
    s->beamLineOffset = s->rehearsalMarkSize = s->textOffset = third;
    s->dynamicsOffset = s->wedgeOffset = third;
    s->graceOffsetX = -0.15;
    s->beamLineWidth = 1.0;
    s->slurOffset = 1.234;
    s->tupletOffset = 1234.5;
    s->staffNoteFontSize = -3;
    s->dynamicsScale = 0.75;
    s->tieRightBottom = false;
    score.page->barlineStaffNotationMode = true;

    QDomElement child = writtenStyle(score).firstChildElement();
    for (int i = 1; i < position; ++i)
        child = child.nextSiblingElement();
    QCOMPARE(child.text(), text);
}

void TestStyleXml::writeThenRead_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < styleSettings().size(); ++i)
        QTest::newRow(styleSettings().at(i).name) << i;
}

// Each setting alone, so a swapped pair of fields cannot hide. The reading
// score's file version matches no older version: nothing is converted.
void TestStyleXml::writeThenRead()
{
    QFETCH(int, index);

    Score source(Velmora::programVersion, 1, false);
    styleSettings().at(index).change(source.style, source.page);
    QVERIFY2(source.style->isDifferent(source.defaultStyle) ||
                 source.page->isDifferent(source.defaultPage),
             "the change must be visible");
    const QDomElement element = writtenStyle(source);

    Score target(Velmora::programVersion, 2, false);
    target.parseStyle(target.style, element, target.creatorVersion);
    QVERIFY(!target.style->isDifferent(source.style));
    QVERIFY(!target.page->isDifferent(source.page));
}

void TestStyleXml::everySettingChangedAtOnce()
{
    Score source(Velmora::programVersion, 1, false);
    for (const StyleSetting &setting : styleSettings())
        setting.change(source.style, source.page);
    const QDomElement element = writtenStyle(source);

    Score target(Velmora::programVersion, 2, false);
    target.parseStyle(target.style, element, target.creatorVersion);
    QVERIFY(!target.style->isDifferent(source.style));
    QVERIFY(!target.page->isDifferent(source.page));
    QCOMPARE(target.style->textFont.family(), QStringLiteral("DejaVu Sans"));
    QVERIFY(target.style->textFont.bold());
}

void TestStyleXml::readerRules_data()
{
    QTest::addColumn<QString>("children");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("expected"); // as the reading score writes it again

    QTest::newRow("dynamics 0.4") << "<dynamics-scale>0.4</dynamics-scale>"
                                  << "dynamics-scale"
                                  << "1";
    QTest::newRow("dynamics 0.5") << "<dynamics-scale>0.5</dynamics-scale>"
                                  << "dynamics-scale"
                                  << "0.5";
    QTest::newRow("dynamics abc") << "<dynamics-scale>abc</dynamics-scale>"
                                  << "dynamics-scale"
                                  << "1";
    QTest::newRow("dynamics -2") << "<dynamics-scale>-2</dynamics-scale>"
                                 << "dynamics-scale"
                                 << "1";
    QTest::newRow("dynamics no upper limit") << "<dynamics-scale>750</dynamics-scale>"
                                             << "dynamics-scale"
                                             << "750";
    QTest::newRow("dynamics NaN") << "<dynamics-scale>nan</dynamics-scale>"
                                  << "dynamics-scale"
                                  << "1";
    QTest::newRow("dynamics infinite") << "<dynamics-scale>inf</dynamics-scale>"
                                       << "dynamics-scale"
                                       << "1";
    QTest::newRow("dynamics later wins")
        << "<dynamics-scale>2</dynamics-scale><dynamics-scale>3</dynamics-scale>"
        << "dynamics-scale"
        << "3";
    QTest::newRow("bool true") << "<tuplet-bracket>true</tuplet-bracket>"
                               << "tuplet-bracket"
                               << "true";
    QTest::newRow("bool True") << "<tie-right-bottom>True</tie-right-bottom>"
                               << "tie-right-bottom"
                               << "false";
    QTest::newRow("bool 1") << "<tie-right-bottom>1</tie-right-bottom>"
                            << "tie-right-bottom"
                            << "false";
    QTest::newRow("integer") << "<staff-note-font-size>12</staff-note-font-size>"
                             << "staff-note-font-size"
                             << "12";
    QTest::newRow("integer fraction") << "<staff-note-font-size>9.5</staff-note-font-size>"
                                      << "staff-note-font-size"
                                      << "0";
    QTest::newRow("integer empty") << "<staff-note-font-size/>"
                                   << "staff-note-font-size"
                                   << "0";
    QTest::newRow("number malformed") << "<slur-offset>x</slur-offset>"
                                      << "slur-offset"
                                      << "0";
    QTest::newRow("negative offset stays") << "<tie-offset>-2</tie-offset>"
                                           << "tie-offset"
                                           << "-2";
    QTest::newRow("number NaN reads default") << "<beam-line-width>nan</beam-line-width>"
                                              << "beam-line-width"
                                              << "1.5";
    QTest::newRow("number overflow reads default") << "<gap-chord-note>-1e999</gap-chord-note>"
                                                   << "gap-chord-note"
                                                   << "0.2";
    QTest::newRow("6-digit row NaN reads default") << "<wedge-offset>nan</wedge-offset>"
                                                   << "wedge-offset"
                                                   << "0";
    QTest::newRow("old tremolo name") << "<tremolo-offset>0.7</tremolo-offset>"
                                      << "tremolo-offset-w"
                                      << "0.7";
    QTest::newRow("old then new tremolo name")
        << "<tremolo-offset>0.7</tremolo-offset><tremolo-offset-w>0.4</tremolo-offset-w>"
        << "tremolo-offset-w"
        << "0.4";
    QTest::newRow("new then old tremolo name")
        << "<tremolo-offset-w>0.4</tremolo-offset-w><tremolo-offset>0.7</tremolo-offset>"
        << "tremolo-offset-w"
        << "0.7";
    QTest::newRow("old tremolo name leaves L") << "<tremolo-offset>0.7</tremolo-offset>"
                                               << "tremolo-offset-l"
                                               << "0";
    QTest::newRow("hyphenated switch name is unknown")
        << "<barline-staff-notation-mode>true</barline-staff-notation-mode>"
        << "barline_staff_notation_mode"
        << "false";
    QTest::newRow("underscored switch name")
        << "<barline_staff_notation_mode>true</barline_staff_notation_mode>"
        << "barline_staff_notation_mode"
        << "true";
    QTest::newRow("unknown and case-different tags")
        << "<Lyrics-Line>true</Lyrics-Line><lyric-line>true</lyric-line>"
        << "lyrics-line"
        << "false";
    QTest::newRow("layout-only field is not read") << "<mark-position-ratio>5</mark-position-ratio>"
                                                   << "beam-line-offset"
                                                   << "0.8";
}

void TestStyleXml::readerRules()
{
    QFETCH(QString, children);
    QFETCH(QString, tag);
    QFETCH(QString, expected);

    Score score(Velmora::programVersion, 1, false);
    QDomDocument fixture;
    score.parseStyle(score.style, styleElement(fixture, children), score.creatorVersion);
    QCOMPARE(writtenStyle(score).firstChildElement(tag).text(), expected);
}

void TestStyleXml::timeTickRatioOfOlderFiles_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<double>("expected");

    QTest::newRow("3.2") << "3.2" << 0.1;
    QTest::newRow("2.9") << "2.9" << 0.1;
    QTest::newRow("1.0") << "1.0" << 0.1;
    QTest::newRow("4.0.2") << "4.0.2" << 0.2;
    QTest::newRow("4.1.0") << "4.1.0" << 0.2;
    QTest::newRow("4.1.1") << "4.1.1" << 0.2;
    QTest::newRow("4.05, a plain prefix") << "4.05" << 0.2;
    QTest::newRow("4.1.2") << "4.1.2" << 0.4;
    QTest::newRow("4.1") << "4.1" << 0.4;
    QTest::newRow("4.2") << "4.2" << 0.4;
    QTest::newRow("5.3.1") << "5.3.1" << 0.4;
    QTest::newRow("13.0 is not 3.") << "13.0" << 0.4;
    QTest::newRow("V3.2, case and prefix exact") << "V3.2" << 0.4;
    QTest::newRow("empty") << "" << 0.4;
}

void TestStyleXml::timeTickRatioOfOlderFiles()
{
    QFETCH(QString, version);
    QFETCH(double, expected);

    Score score(Velmora::programVersion, 1, false);
    score.creatorVersion = version;
    QDomDocument fixture;
    score.parseStyle(score.style, styleElement(fixture, "<time-tick-ratio>0.4</time-tick-ratio>"),
                     score.creatorVersion);
    QCOMPARE(score.style->timeTickRatio, expected);
}

void TestStyleXml::timeTickRatioScaledOnlyWhenRead()
{
    Score score(Velmora::programVersion, 1, false);
    QDomDocument fixture;
    score.parseStyle(score.style,
                     styleElement(fixture, "<tick-major-length>30</tick-major-length>"),
                     QStringLiteral("3.2"));
    QCOMPARE(score.style->timeTickRatio, 0.1);
    // A value that is not finite reads as the default, which is not converted.
    score.parseStyle(score.style, styleElement(fixture, "<time-tick-ratio>nan</time-tick-ratio>"),
                     QStringLiteral("3.2"));
    QCOMPARE(score.style->timeTickRatio, 0.1);
}

void TestStyleXml::displaySwitchesGoToTheCurrentPage()
{
    Score score(Velmora::programVersion, 1, false);
    Style other;
    QDomDocument fixture;
    score.parseStyle(&other,
                     styleElement(fixture,
                                  "<measure-display-barline>false</measure-display-barline>"
                                  "<barline_staff_notation_mode>true"
                                  "</barline_staff_notation_mode>"
                                  "<measure-display-time-signature>false"
                                  "</measure-display-time-signature>"
                                  "<measure-display-time-signature-first-part>true"
                                  "</measure-display-time-signature-first-part>"
                                  "<beam-line-width>3</beam-line-width>"),
                     score.creatorVersion);
    QCOMPARE(other.beamLineWidth, 3.0);
    QCOMPARE(score.style->beamLineWidth, 1.5);
    QCOMPARE(score.page->measureDisplayBarline, false);
    QCOMPARE(score.page->barlineStaffNotationMode, true);
    QCOMPARE(score.page->measureDisplayTimeSignature, false);
    QCOMPARE(score.page->measureDisplayTimeSignatureFirstPart, true);
    QVERIFY(!score.defaultPage->barlineStaffNotationMode);
}

// The environment file is written by this program at its own version; a
// score loaded from an old file must not convert the environment's value.
void TestStyleXml::environmentFileIsReadAtItsOwnVersion()
{
    Score environmentSource(Velmora::programVersion, 1, false);
    environmentSource.style->timeTickRatio = 0.15;
    const QDomElement element = writtenStyle(environmentSource);

    Score oldScore(Velmora::programVersion, 2, false);
    oldScore.creatorVersion = QStringLiteral("3.2");
    oldScore.parseStyle(oldScore.style, element, oldScore.programVersion);
    QCOMPARE(oldScore.style->timeTickRatio, 0.15);
}

void TestStyleXml::missingChildrenKeepCurrentValues()
{
    Score score(Velmora::programVersion, 1, false);
    for (const StyleSetting &setting : styleSettings())
        setting.change(score.style, score.page);
    Style *styleBefore = score.style->clone();
    Page *pageBefore = score.page->clone();

    QDomDocument fixture;
    score.parseStyle(score.style, styleElement(fixture, QString()), QStringLiteral("3.2"));
    QVERIFY(!score.style->isDifferent(styleBefore));
    QVERIFY(!score.page->isDifferent(pageBefore));

    score.parseStyle(score.style, styleElement(fixture, "<lyrics-line>false</lyrics-line>"),
                     QStringLiteral("3.2"));
    styleBefore->lyricsLine = false;
    QVERIFY(!score.style->isDifferent(styleBefore));
    QVERIFY(!score.page->isDifferent(pageBefore));
    delete styleBefore;
    delete pageBefore;
}

void TestStyleXml::readTextFontKeepsItsHeight()
{
    Score score(Velmora::programVersion, 1, false);
    QFont large(QStringLiteral("DejaVu Sans"), 40);
    QDomDocument fixture;
    score.parseStyle(score.style,
                     styleElement(fixture, "<text-font>" + large.toString() + "</text-font>"),
                     score.creatorVersion);
    QCOMPARE(score.style->textFont.pointSize(), 40);
    QCOMPARE(score.style->textFontHeight, double(QFontMetrics(score.style->textFont).height()));
}

void TestStyleXml::rejectedFontTextKeepsTheFont()
{
    Score score(Velmora::programVersion, 1, false);
    const QFont before = score.style->defaultFont;
    QTest::ignoreMessage(QtWarningMsg, "QFont::fromString: Invalid description 'a,b,c,d,e'");
    QTest::ignoreMessage(QtWarningMsg, "QFont::fromString: Invalid description '(empty)'");
    QDomDocument fixture;
    score.parseStyle(score.style,
                     styleElement(fixture, "<default-font>a,b,c,d,e</default-font>"
                                           "<text-font></text-font>"),
                     score.creatorVersion);
    QCOMPARE(score.style->defaultFont, before);
    QCOMPARE(score.style->textFont, before); // both start as the same default font
}

VELMORA_TEST_MAIN(TestStyleXml)

} // namespace tst_style_xml
#include "tst_style_xml.moc"
