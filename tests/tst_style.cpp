// Style settings: defaults with the score's text font, copying and change
// detection over every persisted setting, and the fields that are the
// layout's own.
#include "model/style.h"
#include "support/testenvironment.h"

#include <QFontMetrics>
#include <functional>

namespace tst_style {

namespace {

struct StyleMutation
{
    const char *name;
    std::function<void(Style *)> apply;
};

// One change per persisted setting.
const QList<StyleMutation> &settingMutations()
{
    static const QList<StyleMutation> mutations = {
        {"beamLineOffset", [](Style *s) { s->beamLineOffset += 0.5; }},
        {"beamLineWidth", [](Style *s) { s->beamLineWidth += 0.5; }},
        {"beamLineSpacing", [](Style *s) { s->beamLineSpacing += 0.5; }},
        {"graceNoteScale", [](Style *s) { s->graceNoteScale += 0.5; }},
        {"graceOffsetX", [](Style *s) { s->graceOffsetX += 0.5; }},
        {"graceOffsetY", [](Style *s) { s->graceOffsetY += 0.5; }},
        {"dynamicsScale", [](Style *s) { s->dynamicsScale += 0.5; }},
        {"tozanSmallNoteScale", [](Style *s) { s->tozanSmallNoteScale += 0.5; }},
        {"slurOffset", [](Style *s) { s->slurOffset += 0.5; }},
        {"tieRightBottom", [](Style *s) { s->tieRightBottom = !s->tieRightBottom; }},
        {"tupletRightBottom", [](Style *s) { s->tupletRightBottom = !s->tupletRightBottom; }},
        {"tupletBracket", [](Style *s) { s->tupletBracket = !s->tupletBracket; }},
        {"tieOffset", [](Style *s) { s->tieOffset += 0.5; }},
        {"notationOffset", [](Style *s) { s->notationOffset += 0.5; }},
        {"tremoloOffsetL", [](Style *s) { s->tremoloOffsetL += 0.5; }},
        {"tremoloOffsetW", [](Style *s) { s->tremoloOffsetW += 0.5; }},
        {"tupletOffset", [](Style *s) { s->tupletOffset += 0.5; }},
        {"octaveInstructionScale", [](Style *s) { s->octaveInstructionScale += 0.5; }},
        {"octaveInstructionRightOrBottom",
         [](Style *s) { s->octaveInstructionRightOrBottom = !s->octaveInstructionRightOrBottom; }},
        {"doubleQuoteOtsu", [](Style *s) { s->doubleQuoteOtsu = !s->doubleQuoteOtsu; }},
        {"octaveInstructionOffsetL", [](Style *s) { s->octaveInstructionOffsetL += 0.5; }},
        {"octaveInstructionOffsetW", [](Style *s) { s->octaveInstructionOffsetW += 0.5; }},
        {"insertNoteSpacer", [](Style *s) { s->insertNoteSpacer = !s->insertNoteSpacer; }},
        {"noteSpacerRatio", [](Style *s) { s->noteSpacerRatio += 0.5; }},
        {"fingeringSize", [](Style *s) { s->fingeringSize += 0.5; }},
        {"fingeringLineWidth", [](Style *s) { s->fingeringLineWidth += 0.5; }},
        {"fingeringOffsetL", [](Style *s) { s->fingeringOffsetL += 0.5; }},
        {"fingeringOffsetW", [](Style *s) { s->fingeringOffsetW += 0.5; }},
        {"tieStopBar", [](Style *s) { s->tieStopBar = !s->tieStopBar; }},
        {"eraseExtension", [](Style *s) { s->eraseExtension = !s->eraseExtension; }},
        {"kinkoDefaultU", [](Style *s) { s->kinkoDefaultU = !s->kinkoDefaultU; }},
        {"stageLineWidth", [](Style *s) { s->stageLineWidth += 0.5; }},
        {"partLineWidth", [](Style *s) { s->partLineWidth += 0.5; }},
        {"measureLeadingPad", [](Style *s) { s->measureLeadingPad += 0.5; }},
        {"measureTailingPad", [](Style *s) { s->measureTailingPad += 0.5; }},
        {"measureMaxChordWidth", [](Style *s) { s->measureMaxChordWidth += 0.5; }},
        {"measureBarLineWidth", [](Style *s) { s->measureBarLineWidth += 0.5; }},
        {"measureThinLineWidth", [](Style *s) { s->measureThinLineWidth += 0.5; }},
        {"measureThickLineWidth", [](Style *s) { s->measureThickLineWidth += 0.5; }},
        {"measureDoubleLineSpacing", [](Style *s) { s->measureDoubleLineSpacing += 0.5; }},
        {"measureRepeatDotRadius", [](Style *s) { s->measureRepeatDotRadius += 0.5; }},
        {"measureRepeatDotOffset", [](Style *s) { s->measureRepeatDotOffset += 0.5; }},
        {"measureRepeatDotSeparation", [](Style *s) { s->measureRepeatDotSeparation += 0.5; }},
        {"measureTimeSignatureSize", [](Style *s) { s->measureTimeSignatureSize += 0.5; }},
        {"multiMeasureRests", [](Style *s) { s->multiMeasureRests = !s->multiMeasureRests; }},
        {"timeTickRatio", [](Style *s) { s->timeTickRatio += 0.5; }},
        {"tickMajorLength", [](Style *s) { s->tickMajorLength += 0.5; }},
        {"tickMajorWidth", [](Style *s) { s->tickMajorWidth += 0.5; }},
        {"tickMinorLength", [](Style *s) { s->tickMinorLength += 0.5; }},
        {"tickMinorWidth", [](Style *s) { s->tickMinorWidth += 0.5; }},
        {"lyricsOffset", [](Style *s) { s->lyricsOffset += 0.5; }},
        {"lyricsOffsetTimeDirection", [](Style *s) { s->lyricsOffsetTimeDirection += 0.5; }},
        {"lyricsLine", [](Style *s) { s->lyricsLine = !s->lyricsLine; }},
        {"noteOffset", [](Style *s) { s->noteOffset += 0.5; }},
        {"textFont", [](Style *s) { s->textFont.setPointSize(s->textFont.pointSize() + 3); }},
        {"defaultFont",
         [](Style *s) { s->defaultFont.setPointSize(s->defaultFont.pointSize() + 3); }},
        {"staffNoteFontSize", [](Style *s) { s->staffNoteFontSize += 1; }},
        {"rehearsalMarkSize", [](Style *s) { s->rehearsalMarkSize += 0.5; }},
        {"textOffset", [](Style *s) { s->textOffset += 0.5; }},
        {"dynamicsOffset", [](Style *s) { s->dynamicsOffset += 0.5; }},
        {"wedgeOffset", [](Style *s) { s->wedgeOffset += 0.5; }},
        {"gapChordNote", [](Style *s) { s->gapChordNote += 0.5; }},
        {"gapVoice", [](Style *s) { s->gapVoice += 0.5; }},
    };
    return mutations;
}

} // namespace

class TestStyle : public QObject
{
    Q_OBJECT

private slots:
    void defaultsTakeTheTextFontFamily();
    void isDifferentSeesEverySetting_data();
    void isDifferentSeesEverySetting();
    void layoutFieldsAreNotSettings();
    void copyFromRecomputesTextFontHeight();
    void nanAlwaysDiffers();
};

void TestStyle::defaultsTakeTheTextFontFamily()
{
    Style style;
    style.timeTickRatioMax = 0.9;
    style.applyDefaults(QStringLiteral("Liberation Serif"));
    QCOMPARE(style.textFont.family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(style.textFont.pointSize(), 14);
    QCOMPARE(style.defaultFont, style.textFont);
    QCOMPARE(style.textFontHeight, double(QFontMetrics(style.textFont).height()));
    QCOMPARE(style.timeTickRatioMax, 0.25);
    QCOMPARE(style.doubleQuoteOtsu, false);
    // A new Style starts from the same defaults, with the toolkit's font.
    Style fresh;
    QCOMPARE(fresh.textFontHeight, double(QFontMetrics(fresh.textFont).height()));
    fresh.textFont = style.textFont;
    fresh.defaultFont = style.defaultFont;
    QVERIFY(!fresh.isDifferent(&style));
}

void TestStyle::isDifferentSeesEverySetting_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < settingMutations().size(); ++i)
        QTest::newRow(settingMutations().at(i).name) << i;
}

void TestStyle::isDifferentSeesEverySetting()
{
    QFETCH(int, index);
    Style a;
    Style b;
    a.applyDefaults(QStringLiteral("DejaVu Sans"));
    b.applyDefaults(QStringLiteral("DejaVu Sans"));
    QVERIFY(!a.isDifferent(&b));
    settingMutations().at(index).apply(&b);
    QVERIFY(a.isDifferent(&b));
    QVERIFY(b.isDifferent(&a));

    a.copyFrom(&b);
    QVERIFY(!a.isDifferent(&b));
    QScopedPointer<Style> copy(b.clone());
    QVERIFY(!copy->isDifferent(&b));
    QVERIFY(copy->parent() == nullptr);
}

void TestStyle::layoutFieldsAreNotSettings()
{
    Style a;
    Style b;
    b.markPositionRatio = 0.7;
    b.timeTickRatioMin = 0.01;
    b.timeTickRatioMax = 0.5;
    b.textFontHeight = 99.0;
    QVERIFY(!a.isDifferent(&b));

    a.copyFrom(&b);
    QCOMPARE(a.markPositionRatio, 0.0);
    QCOMPARE(a.timeTickRatioMin, 0.02);
    QCOMPARE(a.timeTickRatioMax, 0.25);

    QScopedPointer<Style> copy(b.clone());
    QCOMPARE(copy->markPositionRatio, 0.0);
    QCOMPARE(copy->timeTickRatioMax, 0.25);
}

void TestStyle::copyFromRecomputesTextFontHeight()
{
    Style source;
    QFont big(QStringLiteral("Liberation Serif"));
    big.setPointSize(20);
    source.textFont = big; // height deliberately left stale
    source.textFontHeight = 1.0;
    Style target;
    target.copyFrom(&source);
    QCOMPARE(target.textFontHeight, double(QFontMetrics(big).height()));
    QScopedPointer<Style> copy(source.clone());
    QCOMPARE(copy->textFontHeight, double(QFontMetrics(big).height()));
}

void TestStyle::nanAlwaysDiffers()
{
    Style a;
    Style b;
    a.beamLineWidth = b.beamLineWidth = std::nan("");
    QVERIFY(a.isDifferent(&b));
}

VELMORA_TEST_MAIN(TestStyle)

} // namespace tst_style
#include "tst_style.moc"
