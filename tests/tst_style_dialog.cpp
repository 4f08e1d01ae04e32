// The style settings dialog on its own, fed with clones of a score's Style:
// its form, what loading shows and Apply writes (only what the user
// changed), "Set Default Values", the two font pickers through the prompt
// seam, and screenshots of both tabs.
#include "dialogs/dialogstyle.h"
#include "model/score.h"
#include "model/style.h"
#include "support/dialogshot.h"
#include "support/installedcatalogue.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"

#include "ui_dialogstyle.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>

#include <cmath>
#include <memory>
#include <variant>

namespace tst_style_dialog {

using namespace TestSupport;

namespace {

template <class T> T *child(const QWidget &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

using Member = std::variant<double Style::*, bool Style::*, int Style::*>;

struct MapRow
{
    const char *widget;
    Member member;
};

// The input widgets of the form and the Style fields they edit.
const MapRow styleMap[] = {
    {"doubleSpinBoxBeamLineOffset", &Style::beamLineOffset},
    {"doubleSpinBoxBeamLineWidth", &Style::beamLineWidth},
    {"doubleSpinBoxBeamLineSpacing", &Style::beamLineSpacing},
    {"doubleSpinBoxDynamicsScale", &Style::dynamicsScale},
    {"doubleSpinBoxTozanSmallScale", &Style::tozanSmallNoteScale},
    {"doubleSpinBoxGraceNoteScale", &Style::graceNoteScale},
    {"doubleSpinBoxGraceOffsetX", &Style::graceOffsetX},
    {"doubleSpinBoxGraceOffsetY", &Style::graceOffsetY},
    {"doubleSpinBoxSlurOffset", &Style::slurOffset},
    {"doubleSpinBoxTupletOffset", &Style::tupletOffset},
    {"checkBoxTieRightBottom", &Style::tieRightBottom},
    {"checkBoxTupletRightBottom", &Style::tupletRightBottom},
    {"checkBoxTupletBracket", &Style::tupletBracket},
    {"doubleSpinBoxTieOffset", &Style::tieOffset},
    {"doubleSpinBoxArticulationOffset", &Style::notationOffset},
    {"doubleSpinBoxTremoloOffsetL", &Style::tremoloOffsetL},
    {"doubleSpinBoxTremoloOffsetW", &Style::tremoloOffsetW},
    {"doubleSpinBoxOctaveInstScale", &Style::octaveInstructionScale},
    {"checkBoxOctaveInstRightOrBottom", &Style::octaveInstructionRightOrBottom},
    {"doubleSpinBoxOctaveInstOffsetL", &Style::octaveInstructionOffsetL},
    {"doubleSpinBoxOctaveInstOffsetW", &Style::octaveInstructionOffsetW},
    {"checkBoxInsertNoteSpacer", &Style::insertNoteSpacer},
    {"doubleSpinBoxNoteSpacerRatio", &Style::noteSpacerRatio},
    {"doubleSpinBoxFingeringSize", &Style::fingeringSize},
    {"doubleSpinBoxFingeringLineWidth", &Style::fingeringLineWidth},
    {"doubleSpinBoxFingeringOffsetL", &Style::fingeringOffsetL},
    {"doubleSpinBoxFingeringOffsetW", &Style::fingeringOffsetW},
    {"checkBoxTieStopBar", &Style::tieStopBar},
    {"checkBoxMultiMeasureRests", &Style::multiMeasureRests},
    {"checkBoxEraseExtension", &Style::eraseExtension},
    {"checkBoxKinkoU", &Style::kinkoDefaultU},
    {"doubleSpinBoxStageLineWidth", &Style::stageLineWidth},
    {"doubleSpinBoxPartLineWidth", &Style::partLineWidth},
    {"doubleSpinBoxLyricsOffset", &Style::lyricsOffset},
    {"doubleSpinBoxLyricsOffsetTD", &Style::lyricsOffsetTimeDirection},
    {"checkBoxLyricsLine", &Style::lyricsLine},
    {"doubleSpinBoxNoteOffset", &Style::noteOffset},
    {"doubleSpinBoxMeasureLeadingPad", &Style::measureLeadingPad},
    {"doubleSpinBoxMeasureTailingPad", &Style::measureTailingPad},
    {"doubleSpinBoxMeasureMaxChordWidth", &Style::measureMaxChordWidth},
    {"doubleSpinBoxMeasureBarLineWidth", &Style::measureBarLineWidth},
    {"doubleSpinBoxMeasureThinLineWidth", &Style::measureThinLineWidth},
    {"doubleSpinBoxMeasureThickLineWidth", &Style::measureThickLineWidth},
    {"doubleSpinBoxMeasureDoubleLineSpacing", &Style::measureDoubleLineSpacing},
    {"doubleSpinBoxMeasureRepeatDotRadius", &Style::measureRepeatDotRadius},
    {"doubleSpinBoxMeasureRepeatDotOffset", &Style::measureRepeatDotOffset},
    {"doubleSpinBoxMeasureRepeatDotSeparation", &Style::measureRepeatDotSeparation},
    {"doubleSpinBoxMeasureTimeSignatureSize", &Style::measureTimeSignatureSize},
    {"doubleSpinBoxTimeTickRatio", &Style::timeTickRatio},
    {"doubleSpinBoxTicMajorLen", &Style::tickMajorLength},
    {"doubleSpinBoxTicMajorWidth", &Style::tickMajorWidth},
    {"doubleSpinBoxTicMinorLen", &Style::tickMinorLength},
    {"doubleSpinBoxTicMinorWidth", &Style::tickMinorWidth},
    {"doubleSpinBoxGapChordNote", &Style::gapChordNote},
    {"doubleSpinBoxGapVoice", &Style::gapVoice},
    {"spinBoxStaffNoteFontSize", &Style::staffNoteFontSize},
    {"doubleSpinBoxRehearsalMarkSize", &Style::rehearsalMarkSize},
    {"doubleSpinBoxText", &Style::textOffset},
    {"doubleSpinBoxDynamics", &Style::dynamicsOffset},
    {"doubleSpinBoxWedge", &Style::wedgeOffset},
};
constexpr int mapSize = int(sizeof(styleMap) / sizeof(styleMap[0]));

// A new score's Style and defaults, and the clone the main window would
// hand to the dialog.
struct EditedStyle
{
    EditedStyle() : copy(score.style->clone()) {}

    Score score{QStringLiteral("5.3.1"), 0, false};
    std::unique_ptr<Style> copy;
};

// A value inside `box`'s range and decimals, unlike `avoid`.
double valueInside(const QDoubleSpinBox *box, double fraction, double avoid)
{
    const double scale = std::pow(10.0, box->decimals());
    double value =
        std::round((box->minimum() + (box->maximum() - box->minimum()) * fraction) * scale) / scale;
    if (qFuzzyCompare(value + 1.0, avoid + 1.0))
        value = box->minimum() == avoid ? box->maximum() : box->minimum();
    return value;
}

} // namespace

class TestStyleDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void form();
    void titleAndButtons();
    void mapCoversEveryInput();
    void loadAndApplyRow_data();
    void loadAndApplyRow();
    void defaultCloneAppliesUnchanged();
    void untouchedValuesKept();
    void setDefaultValues();
    void fontPickers();
    void applyBeforeSetDialogDoesNothing();
    void geometryKept();
    void screenshots();
    void translatedTextsFit();
};

void TestStyleDialog::init()
{
    prompter().reset();
    QSettings(QStringLiteral("corvalin"), QStringLiteral("Velmora_Style")).clear();
}

void TestStyleDialog::form()
{
    QDialog dialog;
    Ui_DialogStyle form;
    form.setupUi(&dialog);
    QCOMPARE(dialog.objectName(), QStringLiteral("DialogStyle"));
    QCOMPARE(dialog.size(), QSize(1254, 829));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));
    QCOMPARE(form.tabWidget->currentIndex(), 0);
    QCOMPARE(form.doubleSpinBoxTimeTickRatio->value(), 0.7);
    QCOMPARE(form.doubleSpinBoxTimeTickRatio->minimum(), 0.01);
    QCOMPARE(form.doubleSpinBoxTimeTickRatio->maximum(), 1.0);
    QCOMPARE(form.spinBoxStaffNoteFontSize->value(), 11);
    QCOMPARE(form.spinBoxStaffNoteFontSize->minimum(), 1);
    QCOMPARE(form.spinBoxStaffNoteFontSize->maximum(), 99);
    QCOMPARE(form.doubleSpinBoxTicMajorLen->decimals(), 0);
    QCOMPARE(form.doubleSpinBoxTicMinorLen->decimals(), 0);
    form.doubleSpinBoxTicMajorLen->setValue(42.6);
    QCOMPARE(form.doubleSpinBoxTicMajorLen->value(), 43.0);
    QCOMPARE(form.doubleSpinBoxGapVoice->decimals(), 2);
    QCOMPARE(form.doubleSpinBoxMeasureRepeatDotRadius->singleStep(), 0.025);
    QCOMPARE(form.doubleSpinBoxNoteOffset->minimum(), -0.5);
    QVERIFY(form.pushButtonOK->isDefault());
    QVERIFY(!form.pushButtonApply->isDefault());
    QCOMPARE(form.labelStageLineWidth->font().pointSize(), 13);
    QVERIFY(form.labelTieOffse->font().bold());
    QVERIFY(!form.labelStageLineWidth->font().bold());
    QVERIFY(!form.checkBoxTupletBracket->testAttribute(Qt::WA_SetFont));
    QVERIFY(form.checkBoxTupletRightBottom->testAttribute(Qt::WA_SetFont));
    QCOMPARE(form.checkBoxKinkoU->text(), QStringLiteral("\"U\" for Ab4"));
}

// The title and texts come from retranslate; each font button reaches its
// picker once: the form connects the default-font button by name, the
// dialog the other.
void TestStyleDialog::titleAndButtons()
{
    EditedStyle fixture;
    DialogStyle dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dialog"));
    dialog.retranslate();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Style Settings"));
    QCOMPARE(child<QLabel>(dialog, "labelMeasureRepeatDotRadius")->text(),
             QStringLiteral("Repeat Dot Radius"));
    QCOMPARE(child<QPushButton>(dialog, "pushButtonOK")->text(), QStringLiteral("OK"));

    dialog.setDialog(fixture.copy.get(), fixture.score.defaultStyle);
    child<QPushButton>(dialog, "pushButtonDefaultTextFont")->click();
    QCOMPARE(prompter().prompts.size(), 1);
    child<QPushButton>(dialog, "pushButtonTextFont")->click();
    QCOMPARE(prompter().prompts.size(), 2);
    QCOMPARE(prompter().prompts.last().kind, QStringLiteral("font"));
}

void TestStyleDialog::mapCoversEveryInput()
{
    DialogStyle dialog;
    QSet<QString> inputs;
    for (const QWidget *widget : dialog.findChildren<QWidget *>()) {
        if (qobject_cast<const QAbstractSpinBox *>(widget) ||
            qobject_cast<const QCheckBox *>(widget))
            inputs.insert(widget->objectName());
    }
    inputs.remove(QString()); // the spin boxes' own line edits have no name
    QSet<QString> mapped;
    for (const MapRow &row : styleMap)
        mapped.insert(QString::fromLatin1(row.widget));
    QCOMPARE(mapSize, 60);
    QCOMPARE(inputs, mapped);
}

void TestStyleDialog::loadAndApplyRow_data()
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < mapSize; ++i)
        QTest::newRow(styleMap[i].widget) << i;
}

// A field loaded with one value shows it; edited in its widget to another,
// Apply writes that value and nothing else.
void TestStyleDialog::loadAndApplyRow()
{
    QFETCH(int, row);
    const MapRow &map = styleMap[row];
    EditedStyle fixture;
    Style *style = fixture.copy.get();
    DialogStyle dialog;
    QSignalSpy applied(&dialog, &DialogStyle::sigStyleApply);
    QWidget *widget = child<QWidget>(dialog, map.widget);
    dialog.setDialog(style, fixture.score.defaultStyle); // narrows the ratio's range

    if (auto *box = qobject_cast<QDoubleSpinBox *>(widget)) {
        double Style::*field = std::get<double Style::*>(map.member);
        const double loaded = valueInside(box, 0.3, style->*field);
        style->*field = loaded;
        std::unique_ptr<Style> before(style->clone());
        dialog.setDialog(style, fixture.score.defaultStyle);
        QCOMPARE(box->value(), loaded);
        const double edited = valueInside(box, 0.7, loaded);
        box->setValue(edited);
        dialog.apply();
        QCOMPARE(style->*field, edited);
        style->*field = loaded;
        QVERIFY(!style->isDifferent(before.get()));
    } else if (auto *box = qobject_cast<QSpinBox *>(widget)) {
        int Style::*field = std::get<int Style::*>(map.member);
        style->*field = 14;
        std::unique_ptr<Style> before(style->clone());
        dialog.setDialog(style, fixture.score.defaultStyle);
        QCOMPARE(box->value(), 14);
        box->setValue(31);
        dialog.apply();
        QCOMPARE(style->*field, 31);
        style->*field = 14;
        QVERIFY(!style->isDifferent(before.get()));
    } else {
        auto *check = qobject_cast<QCheckBox *>(widget);
        QVERIFY(check);
        bool Style::*field = std::get<bool Style::*>(map.member);
        for (const bool loaded : {true, false}) {
            style->*field = loaded;
            std::unique_ptr<Style> before(style->clone());
            dialog.setDialog(style, fixture.score.defaultStyle);
            QCOMPARE(check->isChecked(), loaded);
            check->click();
            dialog.apply();
            QCOMPARE(style->*field, !loaded);
            style->*field = loaded;
            QVERIFY(!style->isDifferent(before.get()));
        }
    }
    QVERIFY(applied.count() >= 1);
}

void TestStyleDialog::defaultCloneAppliesUnchanged()
{
    EditedStyle fixture;
    std::unique_ptr<Style> copy(fixture.score.defaultStyle->clone());
    DialogStyle dialog;
    QSignalSpy applied(&dialog, &DialogStyle::sigStyleApply);
    dialog.setDialog(copy.get(), fixture.score.defaultStyle);
    QCOMPARE(child<QDoubleSpinBox>(dialog, "doubleSpinBoxTimeTickRatio")->minimum(), 0.05);
    QCOMPARE(child<QDoubleSpinBox>(dialog, "doubleSpinBoxTimeTickRatio")->maximum(), 0.4);
    dialog.apply();
    QCOMPARE(applied.count(), 1);
    QVERIFY(!copy->isDifferent(fixture.score.style));
}

// Values the widgets cannot show survive an unrelated edit; a value typed
// by hand is written.
void TestStyleDialog::untouchedValuesKept()
{
    EditedStyle fixture;
    Style *style = fixture.copy.get();
    style->timeTickRatio = 0.02;
    style->gapVoice = -0.1;
    style->noteOffset = 0.6;
    style->measureMaxChordWidth = 1.1025;
    DialogStyle dialog;
    dialog.setDialog(style, fixture.score.defaultStyle);
    auto *ratio = child<QDoubleSpinBox>(dialog, "doubleSpinBoxTimeTickRatio");
    QCOMPARE(ratio->value(), 0.05);
    QCOMPARE(child<QDoubleSpinBox>(dialog, "doubleSpinBoxGapVoice")->value(), 0.0);
    QCOMPARE(child<QDoubleSpinBox>(dialog, "doubleSpinBoxNoteOffset")->value(), 0.5);
    auto *chordWidth = child<QDoubleSpinBox>(dialog, "doubleSpinBoxMeasureMaxChordWidth");
    QCOMPARE(chordWidth->value(), 1.103);
    QCOMPARE(chordWidth->text(), QLocale().toString(1.103, 'f', 3));

    child<QCheckBox>(dialog, "checkBoxLyricsLine")->click();
    dialog.apply();
    QCOMPARE(style->lyricsLine, !fixture.score.style->lyricsLine);
    QCOMPARE(style->timeTickRatio, 0.02);
    QCOMPARE(style->gapVoice, -0.1);
    QCOMPARE(style->noteOffset, 0.6);
    QCOMPARE(style->measureMaxChordWidth, 1.1025);

    ratio->setValue(0.2);
    dialog.apply();
    QCOMPARE(style->timeTickRatio, 0.2);
    QCOMPARE(style->noteOffset, 0.6);
}

void TestStyleDialog::setDefaultValues()
{
    EditedStyle fixture;
    Style *defaults = fixture.score.defaultStyle;
    Style *style = fixture.copy.get();
    style->measureBarLineWidth = 2.5;
    style->gapChordNote = 0.45;
    style->gapVoice = 0.35;
    style->staffNoteFontSize = 20;
    style->timeTickRatio = 0.3;
    style->beamLineWidth = 3.0;
    style->textFont = QFont(QStringLiteral("DejaVu Serif"), 17);
    style->defaultFont = QFont(QStringLiteral("DejaVu Sans"), 19);
    std::unique_ptr<Style> before(style->clone());
    QCOMPARE(defaults->staffNoteFontSize, 9);
    QCOMPARE(defaults->timeTickRatio, 0.1);

    DialogStyle dialog;
    QSignalSpy applied(&dialog, &DialogStyle::sigStyleApply);
    dialog.setDialog(style, defaults);
    child<QPushButton>(dialog, "pushButtonSetDefaultValues")->click();
    QCOMPARE(child<QSpinBox>(dialog, "spinBoxStaffNoteFontSize")->value(), 9);
    QCOMPARE(child<QDoubleSpinBox>(dialog, "doubleSpinBoxTimeTickRatio")->value(), 0.1);
    QCOMPARE(child<QDoubleSpinBox>(dialog, "doubleSpinBoxBeamLineWidth")->value(),
             defaults->beamLineWidth);
    QCOMPARE(child<QDoubleSpinBox>(dialog, "doubleSpinBoxMeasureBarLineWidth")->value(), 2.5);
    QCOMPARE(child<QDoubleSpinBox>(dialog, "doubleSpinBoxGapChordNote")->value(), 0.45);
    QCOMPARE(child<QDoubleSpinBox>(dialog, "doubleSpinBoxGapVoice")->value(), 0.35);
    QVERIFY(!style->isDifferent(before.get()));

    // Cancel writes nothing; Apply writes the defaults but the kept five.
    child<QPushButton>(dialog, "pushButtonCancel")->click();
    QVERIFY(!style->isDifferent(before.get()));
    QCOMPARE(applied.count(), 0);
    dialog.setDefaultValues();
    dialog.apply();
    QCOMPARE(style->staffNoteFontSize, 9);
    QCOMPARE(style->timeTickRatio, 0.1);
    QCOMPARE(style->beamLineWidth, defaults->beamLineWidth);
    QCOMPARE(style->measureBarLineWidth, 2.5);
    QCOMPARE(style->gapChordNote, 0.45);
    QCOMPARE(style->gapVoice, 0.35);
    QCOMPARE(style->textFont, before->textFont);
    QCOMPARE(style->defaultFont, before->defaultFont);
}

void TestStyleDialog::fontPickers()
{
    EditedStyle fixture;
    Style *style = fixture.copy.get();
    const QFont textFont = style->textFont;
    const QFont defaultFont = style->defaultFont;
    DialogStyle dialog;
    QSignalSpy applied(&dialog, &DialogStyle::sigStyleApply);
    dialog.setDialog(style, fixture.score.defaultStyle);

    // Cancelled: nothing changes.
    child<QPushButton>(dialog, "pushButtonTextFont")->click();
    QCOMPARE(prompter().fontsOffered.last(), textFont);
    QCOMPARE(style->textFont, textFont);

    const QFont chosen(QStringLiteral("DejaVu Serif"), 23, QFont::Bold, true);
    prompter().fontAnswers.enqueue(chosen);
    child<QPushButton>(dialog, "pushButtonTextFont")->click();
    QCOMPARE(style->textFont, chosen);
    QCOMPARE(style->defaultFont, defaultFont);
    QCOMPARE(applied.count(), 0);

    const QFont other(QStringLiteral("DejaVu Sans Mono"), 8);
    prompter().fontAnswers.enqueue(other);
    child<QPushButton>(dialog, "pushButtonDefaultTextFont")->click();
    QCOMPARE(prompter().fontsOffered.last(), defaultFont);
    QCOMPARE(style->defaultFont, other);
    QCOMPARE(style->textFont, chosen);
    QCOMPARE(applied.count(), 0);

    // The next Apply hands the fonts on with the edited Style.
    dialog.apply();
    QCOMPARE(applied.count(), 1);
    QVERIFY(style->isDifferent(fixture.score.style));
    fixture.score.style->copyFrom(style);
    QCOMPARE(fixture.score.style->textFont, chosen);
}

void TestStyleDialog::applyBeforeSetDialogDoesNothing()
{
    DialogStyle dialog;
    QSignalSpy applied(&dialog, &DialogStyle::sigStyleApply);
    child<QPushButton>(dialog, "pushButtonSetDefaultValues")->click();
    child<QPushButton>(dialog, "pushButtonTextFont")->click();
    child<QPushButton>(dialog, "pushButtonApply")->click();
    QCOMPARE(applied.count(), 0);
    QVERIFY(prompter().prompts.isEmpty());
}

// Closing stores the window geometry under the dialog's own name; the next
// dialog opens where the last one closed.
void TestStyleDialog::geometryKept()
{
    QRect closedAt;
    {
        DialogStyle dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.move(120, 70);
        closedAt = dialog.geometry();
        child<QPushButton>(dialog, "pushButtonCancel")->click();
        QVERIFY(!dialog.isVisible());
    }
    QSettings settings(QStringLiteral("corvalin"), QStringLiteral("Velmora_Style"));
    QVERIFY(!settings.value(QStringLiteral("geometry")).toByteArray().isEmpty());
    DialogStyle dialog;
    QCOMPARE(dialog.geometry(), closedAt);
}

// The dialog loaded from the sample score's style, each tab in turn.
void TestStyleDialog::screenshots()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    QVERIFY(loadScoreFile(score, samplePath()));
    std::unique_ptr<Style> copy(score.style->clone());
    DialogStyle dialog;
    dialog.retranslate();
    dialog.setDialog(copy.get(), score.defaultStyle);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *tabs = child<QTabWidget>(dialog, "tabWidget");
    const QStringList always = {"tabWidget", "pushButtonSetDefaultValues", "pushButtonApply",
                                "pushButtonOK", "pushButtonCancel"};

    auto *scrollArea = child<QScrollArea>(dialog, "scrollArea");

    tabs->setCurrentIndex(0);
    QTest::qWait(20);
    TestSupport::grabDialog(dialog, QStringLiteral("style-dialog-measure"));
    checkShownInside(dialog,
                     always + QStringList{"doubleSpinBoxTimeTickRatio", "pushButtonDefaultTextFont",
                                          "spinBoxStaffNoteFontSize", "doubleSpinBoxGapChordNote"},
                     scrollArea);
    tabs->setCurrentIndex(1);
    QTest::qWait(20);
    TestSupport::grabDialog(dialog, QStringLiteral("style-dialog-note"));
    checkShownInside(dialog,
                     always + QStringList{"doubleSpinBoxTupletOffset",
                                          "doubleSpinBoxFingeringOffsetW",
                                          "doubleSpinBoxGraceOffsetX", "checkBoxEraseExtension"},
                     scrollArea);
}

// In Japanese every label, button and check box of both tabs is as wide as
// its translated text needs: none is cut off.
void TestStyleDialog::translatedTextsFit()
{
    const InstalledCatalogue catalogue(QStringLiteral("ja"));
    QVERIFY(catalogue.isInstalled());
    Score score(QStringLiteral("5.3.1"), 0, false);
    QVERIFY(loadScoreFile(score, samplePath()));
    std::unique_ptr<Style> copy(score.style->clone());
    DialogStyle dialog;
    dialog.retranslate();
    dialog.setDialog(copy.get(), score.defaultStyle);
    QCOMPARE(child<QPushButton>(dialog, "pushButtonApply")->text(),
             catalogue.translator.translate("DialogStyle", "Apply"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *tabs = child<QTabWidget>(dialog, "tabWidget");
    QStringList cut;
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QTest::qWait(20);
        TestSupport::grabDialog(dialog, QStringLiteral("style-dialog-ja-%1").arg(tab));
        for (const QWidget *widget : dialog.findChildren<QWidget *>()) {
            const bool hasText = qobject_cast<const QLabel *>(widget) ||
                                 qobject_cast<const QAbstractButton *>(widget);
            if (hasText && widget->isVisible() &&
                widget->width() < widget->minimumSizeHint().width())
                cut << widget->objectName();
        }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
}

VELMORA_TEST_MAIN(TestStyleDialog)

} // namespace tst_style_dialog

#include "tst_style_dialog.moc"
