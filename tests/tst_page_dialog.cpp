// The page settings dialog on its own, fed with clones of a score's Page:
// its form, titles and sheet items, the sheet and enable rules, what Apply
// writes (only what the user changed), "Set Default Values", and
// screenshots of both tabs.
#include "dialogs/pagedialog.h"
#include "model/page.h"
#include "model/score.h"
#include "support/dialogshot.h"
#include "support/installedcatalogue.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"

#include "ui_pagedialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>

#include <functional>
#include <memory>

namespace tst_page_dialog {

using namespace TestSupport;

namespace {

template <class T> T *child(const QWidget &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

// A new score's Page and defaults, and the clone the main window would hand
// to the dialog.
struct EditedPage
{
    EditedPage() : copy(score.page->clone()) {}

    Score score{QStringLiteral("5.3.1"), 0, false};
    std::unique_ptr<Page> copy;
};

bool isEnabled(const QWidget &dialog, const char *name)
{
    return child<QWidget>(dialog, name)->isEnabled();
}

// The enabled state of every widget of the dialog, by object name.
QMap<QString, bool> enabledStates(const QWidget &dialog)
{
    QMap<QString, bool> states;
    for (const QWidget *widget : dialog.findChildren<QWidget *>()) {
        if (!widget->objectName().isEmpty())
            states.insert(widget->objectName(), widget->isEnabled());
    }
    return states;
}

using PageChange = std::function<void(Page *)>;

} // namespace

class TestPageDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void form();
    void titlesAndSheetItems();
    void sheetRule();
    void applyStoresTypedCustomSize();
    void loadThenApplyLeavesPage_data();
    void loadThenApplyLeavesPage();
    void applyWritesOnlyChangedWidgets();
    void enableRules();
    void setDefaultValuesWritesNothingUntilApply();
    void defaultOrientationOnDoubleSheet();
    void badInputBeforeSetDialog();
    void geometryKept();
    void screenshots();
    void translatedTextsFit();
};

void TestPageDialog::init()
{
    prompter().reset();
    QSettings(QStringLiteral("corvalin"), QStringLiteral("Velmora_Page")).clear();
}

void TestPageDialog::form()
{
    QDialog dialog;
    Ui_PageDialog form;
    form.setupUi(&dialog);
    QCOMPARE(dialog.objectName(), QStringLiteral("PageDialog"));
    QCOMPARE(dialog.size(), QSize(872, 632));
    QCOMPARE(form.tabWidget->currentIndex(), 1);
    QVERIFY(form.radioButtonPageVertical->isChecked());
    QVERIFY(!form.radioButtonPageHorizontal->isChecked());
    QVERIFY(form.radioButtonPageOutMulti->isChecked());
    QVERIFY(form.radioButtonMesPerLineFixed->isChecked());
    QCOMPARE(form.spinBoxMeasurePerLine->value(), 1);
    QCOMPARE(form.spinBoxMeasurePerLine->minimum(), 1);
    QVERIFY(form.radioButtonScoreHorizontal->isChecked());
    QVERIFY(!form.checkBoxBarLineSNMode->isEnabled());
    QCOMPARE(form.comboBoxPaperSize->count(), 0);
    for (const QDoubleSpinBox *box :
         {form.doubleSpinBoxSheetCustomX, form.doubleSpinBoxSheetCustomY}) {
        QCOMPARE(box->minimum(), 50.0);
        QCOMPARE(box->maximum(), 2000.0);
        QCOMPARE(box->singleStep(), 50.0);
        QCOMPARE(box->value(), 500.0);
    }
    QCOMPARE(form.doubleSpinBoxLineWidthPad->maximum(), 20.0);
    QCOMPARE(form.doubleSpinBoxLineWidthPad->decimals(), 3);
    QCOMPARE(form.doubleSpinBoxMeasureScale->maximum(), 5.0);
    QCOMPARE(form.doubleSpinBoxHeaderAreaSize->decimals(), 1);
    QCOMPARE(form.doubleSpinBoxHeaderAreaSize->maximum(), 1000.0);
    QCOMPARE(form.doubleSpinBoxGridOutlineWidth->decimals(), 2);
    QVERIFY(form.checkBoxInsertCoverPage->isChecked());
    QVERIFY(form.pushButtonOK->isDefault());
    QVERIFY(!form.pushButtonApply->isDefault());
    QCOMPARE(form.checkBoxPageFit->font().pointSize(), 14);
    QVERIFY(form.labelPaperSize->font().bold());
    QCOMPARE(form.doubleSpinBoxMarginBottom->font().pointSize(), 11);
    QCOMPARE(form.labelLinePad->text(), QStringLiteral("Clearance  (mm)"));
}

void TestPageDialog::titlesAndSheetItems()
{
    const QStringList items = {"A3",
                               "A4",
                               "B4",
                               "B5",
                               "JIS B4",
                               "JIS B5",
                               "Custom",
                               "A3 Landscape (A4 Portrait x 2)",
                               "B4 Landscape (B5 Portrait x 2)",
                               "JIS B4 Landscape (JIS B5 Portrait x 2)"};
    {
        PageDialog dialog(nullptr);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Velmora: Page Settings"));
        auto *sheets = child<QComboBox>(dialog, "comboBoxPaperSize");
        QCOMPARE(sheets->count(), items.size());
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(sheets->itemText(i), items.at(i));
            QCOMPARE(sheets->itemData(i).toInt(), i);
        }
        dialog.retranslate();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Velmora: Measure/Page Settings"));
        QCOMPARE(child<QTabWidget>(dialog, "tabWidget")->tabText(0), QStringLiteral("Measure"));
        QCOMPARE(child<QRadioButton>(dialog, "radioButtonPageVertical")->text(),
                 QStringLiteral("Portrait"));
        QCOMPARE(child<QPushButton>(dialog, "pushButtonOK")->text(), QStringLiteral("OK"));
    }

    // In Japanese the sheet names stay, the described sheets are translated.
    const InstalledCatalogue catalogue(QStringLiteral("ja"));
    QVERIFY(catalogue.isInstalled());
    PageDialog dialog(nullptr);
    dialog.retranslate();
    auto *sheets = child<QComboBox>(dialog, "comboBoxPaperSize");
    for (int i = 0; i < 6; ++i)
        QCOMPARE(sheets->itemText(i), items.at(i));
    for (int i = 6; i < items.size(); ++i) {
        QVERIFY(sheets->itemText(i) != items.at(i));
        QCOMPARE(sheets->itemText(i),
                 catalogue.translator.translate("PageDialog", qPrintable(items.at(i))));
    }
    QCOMPARE(dialog.windowTitle(),
             catalogue.translator.translate("PageDialog", "Velmora: Measure/Page Settings"));
}

void TestPageDialog::sheetRule()
{
    EditedPage fixture;
    QCOMPARE(fixture.score.defaultPage->paperSize, int(PaperJisB4DoubleJisB5));
    PageDialog dialog(nullptr);
    auto *sheets = child<QComboBox>(dialog, "comboBoxPaperSize");
    auto *portrait = child<QRadioButton>(dialog, "radioButtonPageVertical");
    auto *landscape = child<QRadioButton>(dialog, "radioButtonPageHorizontal");

    dialog.setDialog(fixture.score.defaultPage, fixture.score.defaultPage);
    QCOMPARE(sheets->currentIndex(), 9);
    QVERIFY(portrait->isChecked());
    QVERIFY(!portrait->isEnabled());
    QVERIFY(!landscape->isEnabled());

    sheets->setCurrentIndex(PaperB4);
    QVERIFY(portrait->isEnabled());
    QVERIFY(landscape->isEnabled());
    QVERIFY(portrait->isChecked());

    // A double sheet chosen while "Landscape" shows turns it to portrait.
    landscape->setChecked(true);
    sheets->setCurrentIndex(PaperA3DoubleA4);
    QVERIFY(portrait->isChecked());
    QVERIFY(!landscape->isEnabled());

    // A page whose sheet the list already shows runs no sheet rule: the
    // buttons keep the state they had, here enabled by hand.
    portrait->setEnabled(true);
    landscape->setEnabled(true);
    fixture.copy->paperSize = PaperA3DoubleA4;
    dialog.setDialog(fixture.copy.get(), fixture.score.defaultPage);
    QVERIFY(portrait->isEnabled());
    QVERIFY(landscape->isEnabled());
}

void TestPageDialog::applyStoresTypedCustomSize()
{
    const QLocale previous;
    QLocale::setDefault(QLocale::c());
    EditedPage fixture;
    fixture.copy->paperSize = PaperCustom;
    fixture.copy->paperCustomX = 250.0;
    fixture.copy->paperCustomY = 400.0;
    fixture.copy->landscape = false;
    PageDialog dialog(nullptr);
    QSignalSpy applied(&dialog, &PageDialog::sigPageApply);
    dialog.setDialog(fixture.copy.get(), fixture.score.defaultPage);

    dialog.apply();
    QCOMPARE(applied.count(), 1);
    QVERIFY(!fixture.copy->isDifferent(fixture.score.page) ||
            fixture.copy->paperSize != fixture.score.page->paperSize);

    auto *width = child<QDoubleSpinBox>(dialog, "doubleSpinBoxSheetCustomX");
    width->selectAll();
    QTest::keyClicks(width, QStringLiteral("300.7"));
    QCOMPARE(width->value(), 300.7);
    child<QRadioButton>(dialog, "radioButtonPageHorizontal")->setChecked(true);
    child<QPushButton>(dialog, "pushButtonApply")->click();
    QLocale::setDefault(previous);

    QCOMPARE(applied.count(), 2);
    QCOMPARE(fixture.copy->paperCustomX, 300.0);
    QCOMPARE(fixture.copy->paperCustomY, 400.0);
    QVERIFY(fixture.copy->landscape);
    // The sheet and the score rectangle follow: landscape swaps the sides.
    QCOMPARE(fixture.copy->pageWidth, 400.0);
    QCOMPARE(fixture.copy->pageHeight, 300.0);
    QCOMPARE(fixture.copy->scoreRect.width(), 400.0 * fixture.copy->pageCount);
    QCOMPARE(fixture.copy->scoreRect.height(), 300.0);
}

void TestPageDialog::loadThenApplyLeavesPage_data()
{
    QTest::addColumn<PageChange>("change");
    const auto row = [](const char *name, PageChange change) { QTest::newRow(name) << change; };
    row("sheet A4", [](Page *p) { p->paperSize = PaperA4; });
    row("sheet beyond the list", [](Page *p) { p->paperSize = 12; });
    row("custom size with fraction", [](Page *p) {
        p->paperSize = PaperCustom;
        p->paperCustomX = 333.3;
        p->paperCustomY = 444.4;
    });
    row("custom size beyond range", [](Page *p) {
        p->paperSize = PaperCustom;
        p->paperCustomX = 20.0;
        p->paperCustomY = 2500.0;
    });
    row("landscape", [](Page *p) {
        p->paperSize = PaperA4;
        p->landscape = true;
    });
    row("landscape on a double sheet", [](Page *p) { p->landscape = true; });
    row("horizontal", [](Page *p) { p->horizontal = !p->horizontal; });
    row("rotate lyrics", [](Page *p) { p->rotateLyrics = !p->rotateLyrics; });
    row("page numbers", [](Page *p) { p->displayPageNumber = !p->displayPageNumber; });
    row("start page number", [](Page *p) { p->startPageNumber = 7; });
    row("start page number beyond range", [](Page *p) { p->startPageNumber = 250; });
    row("page text", [](Page *p) { p->pageText = QStringLiteral("Sakura - %1"); });
    row("stage bracket", [](Page *p) { p->stageBracket = !p->stageBracket; });
    row("measure number", [](Page *p) { p->displayMeasureNumber = !p->displayMeasureNumber; });
    row("part full name", [](Page *p) { p->displayPartFullName = !p->displayPartFullName; });
    row("part abbreviation", [](Page *p) { p->displayPartAbbrName = !p->displayPartAbbrName; });
    row("abbreviation first stage",
        [](Page *p) { p->displayPartAbbrName1st = !p->displayPartAbbrName1st; });
    row("roll", [](Page *p) { p->roll = !p->roll; });
    row("margins", [](Page *p) {
        p->marginTop = 12.5;
        p->marginLeft = 3.25;
        p->marginBottom = 0.0;
        p->marginRight = 40.0;
    });
    row("margin with more decimals", [](Page *p) { p->marginTop = 12.345; });
    row("margin beyond range", [](Page *p) { p->marginLeft = 150.0; });
    row("cover page", [](Page *p) { p->insertCoverPage = !p->insertCoverPage; });
    row("first page top", [](Page *p) { p->titleFirstPageTop = !p->titleFirstPageTop; });
    row("header area width", [](Page *p) { p->headerAreaWidth = 42.5; });
    row("header bottom pad", [](Page *p) { p->headerBottomPad = 250.0; });
    row("header outline",
        [](Page *p) { p->drawHeaderAreaRectangle = !p->drawHeaderAreaRectangle; });
    row("header outline width", [](Page *p) { p->headerAreaRectangleLineWidth = 0.05; });
    row("first stage top", [](Page *p) { p->titleFirstStageTop = !p->titleFirstStageTop; });
    row("header area size", [](Page *p) { p->headerAreaSize = 81.25; });
    row("automatic line break", [](Page *p) { p->autoNewline = !p->autoNewline; });
    row("measure scale", [](Page *p) { p->measureScale = 2.5; });
    row("measure scale beyond range", [](Page *p) { p->measureScale = 6.3; });
    row("last line fit", [](Page *p) { p->lastLineFit = !p->lastLineFit; });
    row("page fit", [](Page *p) { p->pageFit = !p->pageFit; });
    row("banded", [](Page *p) { p->drawStageLine = !p->drawStageLine; });
    row("grid outline", [](Page *p) { p->gridOutline = !p->gridOutline; });
    row("grid outline width", [](Page *p) { p->gridOutlineWidth = 12.5; });
    row("measures per line", [](Page *p) { p->measurePerLine = 6; });
    row("measures per line zero", [](Page *p) { p->measurePerLine = 0; });
    row("equal lengths", [](Page *p) { p->measureEqualLength = !p->measureEqualLength; });
    row("time proportional",
        [](Page *p) { p->measureTimeProportional = !p->measureTimeProportional; });
    row("part width rate", [](Page *p) { p->lineWidthScale = 1.75; });
    row("space between stages", [](Page *p) { p->lineWidthPad = 7.5; });
    row("space between stages beyond range", [](Page *p) { p->lineWidthPad = 25.0; });
    row("bar lines", [](Page *p) { p->measureDisplayBarline = !p->measureDisplayBarline; });
    row("staff notation bar lines",
        [](Page *p) { p->barlineStaffNotationMode = !p->barlineStaffNotationMode; });
    row("time signatures",
        [](Page *p) { p->measureDisplayTimeSignature = !p->measureDisplayTimeSignature; });
    row("time signature first part", [](Page *p) {
        p->measureDisplayTimeSignatureFirstPart = !p->measureDisplayTimeSignatureFirstPart;
    });
}

// Loading a page and applying at once changes none of its settings, even
// one the widgets cannot show.
void TestPageDialog::loadThenApplyLeavesPage()
{
    QFETCH(PageChange, change);
    EditedPage fixture;
    change(fixture.copy.get());
    std::unique_ptr<Page> before(fixture.copy->clone());
    QVERIFY(before->isDifferent(fixture.score.page) ||
            before->paperSize != fixture.score.page->paperSize);

    PageDialog dialog(nullptr);
    QSignalSpy applied(&dialog, &PageDialog::sigPageApply);
    dialog.setDialog(fixture.copy.get(), fixture.score.defaultPage);
    dialog.apply();
    QCOMPARE(applied.count(), 1);
    QVERIFY(!fixture.copy->isDifferent(before.get()));
    QCOMPARE(fixture.copy->paperSize, before->paperSize);
}

// Only the widgets the user changed are written; stored values the boxes
// cannot show survive an unrelated edit.
void TestPageDialog::applyWritesOnlyChangedWidgets()
{
    EditedPage fixture;
    Page *page = fixture.copy.get();
    page->measurePerLine = 0;
    page->lineWidthPad = 25.0;
    page->drawStageLine = false;
    page->paperSize = 12;
    page->marginTop = 12.345;
    PageDialog dialog(nullptr);
    dialog.setDialog(page, fixture.score.defaultPage);
    QCOMPARE(child<QSpinBox>(dialog, "spinBoxMeasurePerLine")->value(), 1);
    QCOMPARE(child<QDoubleSpinBox>(dialog, "doubleSpinBoxLineWidthPad")->value(), 20.0);

    child<QCheckBox>(dialog, "checkBoxStageBracket")->toggle();
    child<QLineEdit>(dialog, "lineEditPageText")->setText(QStringLiteral("p. "));
    dialog.apply();
    QCOMPARE(page->stageBracket, !fixture.score.page->stageBracket);
    QCOMPARE(page->pageText, QStringLiteral("p. "));
    QCOMPARE(page->measurePerLine, 0);
    QCOMPARE(page->lineWidthPad, 25.0);
    QCOMPARE(page->paperSize, 12);
    QCOMPARE(page->marginTop, 12.345);

    // A changed box writes what it shows; a new load forgets the edits.
    child<QDoubleSpinBox>(dialog, "doubleSpinBoxLineWidthPad")->setValue(3.5);
    dialog.apply();
    QCOMPARE(page->lineWidthPad, 3.5);
    QCOMPARE(page->measurePerLine, 0);
    page->lineWidthPad = 25.0;
    dialog.setDialog(page, fixture.score.defaultPage);
    dialog.apply();
    QCOMPARE(page->lineWidthPad, 25.0);
}

void TestPageDialog::enableRules()
{
    EditedPage fixture;
    Page *page = fixture.copy.get();
    page->autoNewline = false;
    page->titleFirstPageTop = true;
    page->drawStageLine = true;
    page->measureDisplayBarline = false;
    page->measureDisplayTimeSignature = false;
    PageDialog dialog(nullptr);
    dialog.setDialog(page, fixture.score.defaultPage);

    const auto measuresPerStage = [&](bool fixed) {
        QCOMPARE(isEnabled(dialog, "spinBoxMeasurePerLine"), fixed);
        QCOMPARE(isEnabled(dialog, "checkBoxMeasureEqualLength"), fixed);
        QCOMPARE(isEnabled(dialog, "checkBoxMeasureTimeProportional"), !fixed);
        QCOMPARE(isEnabled(dialog, "doubleSpinBoxMeasureScale"), !fixed);
    };
    measuresPerStage(true);
    child<QRadioButton>(dialog, "radioButtonAutoNewLine")->setChecked(true);
    measuresPerStage(false);
    child<QRadioButton>(dialog, "radioButtonMesPerLineFixed")->setChecked(true);
    measuresPerStage(true);

    // "First Page Top" switches exactly its seven widgets.
    const QMap<QString, bool> before = enabledStates(dialog);
    child<QCheckBox>(dialog, "checkBoxFirstPageTop")->setChecked(false);
    const QMap<QString, bool> after = enabledStates(dialog);
    QStringList switched;
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (after.value(it.key()) != it.value())
            switched << it.key();
    }
    QCOMPARE(
        switched,
        QStringList({"checkBoxDrawHeaderAreaRect", "doubleSpinBoxHeaderAreaLineWidth",
                     "doubleSpinBoxHeaderAreaWidth", "doubleSpinBoxHeaderBottomPad",
                     "labelHeaderAreaLineWidth", "labelHeaderAreaWidth", "labelHeaderBottomPad"}));
    for (const QString &name : std::as_const(switched))
        QVERIFY2(before.value(name), qPrintable(name));

    QVERIFY(!isEnabled(dialog, "doubleSpinBoxLineWidthPad"));
    QVERIFY(isEnabled(dialog, "checkBoxGridOutline"));
    child<QRadioButton>(dialog, "radioButtonBand")->setChecked(true);
    QVERIFY(isEnabled(dialog, "doubleSpinBoxLineWidthPad"));
    QVERIFY(!isEnabled(dialog, "checkBoxGridOutline"));
    QVERIFY(!isEnabled(dialog, "doubleSpinBoxGridOutlineWidth"));

    QVERIFY(!isEnabled(dialog, "checkBoxBarLineSNMode"));
    child<QCheckBox>(dialog, "checkBoxDisplayMeasureBarLine")->setChecked(true);
    QVERIFY(isEnabled(dialog, "checkBoxBarLineSNMode"));
    // Loading an unchecked box into an unchecked box runs no rule; the
    // user's toggles do.
    child<QCheckBox>(dialog, "checkBoxDisplayTimeSignature")->setChecked(true);
    QVERIFY(isEnabled(dialog, "checkBoxDisplayTimeSignatureFirtPart"));
    child<QCheckBox>(dialog, "checkBoxDisplayTimeSignature")->setChecked(false);
    QVERIFY(!isEnabled(dialog, "checkBoxDisplayTimeSignatureFirtPart"));
    child<QCheckBox>(dialog, "checkBoxDisplayMeasureBarLine")->setChecked(false);
    QVERIFY(!isEnabled(dialog, "checkBoxBarLineSNMode"));

    child<QCheckBox>(dialog, "checkBoxDisplayPartAbbrName")->setChecked(false);
    QVERIFY(!isEnabled(dialog, "checkBoxOnly1stStage"));
    child<QCheckBox>(dialog, "checkBoxDisplayPartAbbrName")->setChecked(true);
    QVERIFY(isEnabled(dialog, "checkBoxOnly1stStage"));
}

void TestPageDialog::setDefaultValuesWritesNothingUntilApply()
{
    EditedPage fixture;
    Page *defaults = fixture.score.defaultPage;
    defaults->pageText = QStringLiteral("default text");
    defaults->gridOutline = true;
    defaults->gridOutlineWidth = 40.0;
    defaults->barlineStaffNotationMode = true;
    defaults->marginLeft = 22.0;
    defaults->measurePerLine = 5;
    defaults->autoNewline = true;
    defaults->paperCustomX = 600.0;
    defaults->paperCustomY = 410.5; // not typed: kept with its fraction
    Page *page = fixture.copy.get();
    page->paperSize = PaperB5;
    page->pageText = QStringLiteral("mine");
    page->gridOutline = false;
    page->gridOutlineWidth = 10.0;
    page->barlineStaffNotationMode = false;
    page->marginLeft = 3.0;
    page->measurePerLine = 0;
    page->autoNewline = false;
    page->stageBracket = !defaults->stageBracket;
    std::unique_ptr<Page> before(page->clone());

    PageDialog dialog(nullptr);
    QSignalSpy applied(&dialog, &PageDialog::sigPageApply);
    dialog.setDialog(page, defaults);
    child<QPushButton>(dialog, "pushButtonSetDefaultValues")->click();
    QCOMPARE(child<QComboBox>(dialog, "comboBoxPaperSize")->currentIndex(), int(PaperB5));
    QCOMPARE(child<QLineEdit>(dialog, "lineEditPageText")->text(), QStringLiteral("mine"));
    QVERIFY(!child<QCheckBox>(dialog, "checkBoxGridOutline")->isChecked());
    QCOMPARE(child<QDoubleSpinBox>(dialog, "doubleSpinBoxGridOutlineWidth")->value(), 10.0);
    QVERIFY(!child<QCheckBox>(dialog, "checkBoxBarLineSNMode")->isChecked());
    QCOMPARE(child<QDoubleSpinBox>(dialog, "doubleSpinBoxMarginLeft")->value(), 22.0);
    QCOMPARE(child<QSpinBox>(dialog, "spinBoxMeasurePerLine")->value(), 5);
    QCOMPARE(child<QDoubleSpinBox>(dialog, "doubleSpinBoxSheetCustomX")->value(), 600.0);
    QVERIFY(child<QRadioButton>(dialog, "radioButtonAutoNewLine")->isChecked());
    QVERIFY(isEnabled(dialog, "doubleSpinBoxMeasureScale"));
    QVERIFY(!isEnabled(dialog, "spinBoxMeasurePerLine"));
    QCOMPARE(child<QCheckBox>(dialog, "checkBoxStageBracket")->isChecked(), defaults->stageBracket);

    // Nothing written yet; Cancel keeps it so.
    QVERIFY(!page->isDifferent(before.get()));
    child<QPushButton>(dialog, "pushButtonCancel")->click();
    QVERIFY(!page->isDifferent(before.get()));
    QCOMPARE(applied.count(), 0);

    // Apply writes the defaults shown, and keeps what was kept.
    dialog.setDialog(page, defaults);
    dialog.setDefaultValues();
    dialog.apply();
    QCOMPARE(page->paperSize, int(PaperB5));
    QCOMPARE(page->pageText, QStringLiteral("mine"));
    QCOMPARE(page->gridOutlineWidth, 10.0);
    QCOMPARE(page->marginLeft, 22.0);
    QCOMPARE(page->measurePerLine, 5);
    QVERIFY(page->autoNewline);
    QCOMPARE(page->paperCustomX, 600.0);
    QCOMPARE(page->paperCustomY, 410.5);
    QCOMPARE(page->stageBracket, defaults->stageBracket);
}

// The orientation follows the defaults, then the sheet rule runs for the
// sheet that stays: a double sheet ends on "Portrait", both disabled.
void TestPageDialog::defaultOrientationOnDoubleSheet()
{
    EditedPage fixture;
    Page *defaults = fixture.score.defaultPage;
    Page *page = fixture.copy.get();
    page->paperSize = PaperA4;
    page->landscape = true;
    PageDialog dialog(nullptr);
    dialog.setDialog(page, defaults);
    auto *portrait = child<QRadioButton>(dialog, "radioButtonPageVertical");
    auto *landscape = child<QRadioButton>(dialog, "radioButtonPageHorizontal");
    QVERIFY(landscape->isChecked());

    defaults->landscape = true;
    dialog.setDefaultValues();
    QVERIFY(landscape->isChecked());
    QVERIFY(landscape->isEnabled());
    defaults->landscape = false;
    dialog.setDefaultValues();
    QVERIFY(portrait->isChecked());

    page->paperSize = PaperJisB4DoubleJisB5;
    page->landscape = false;
    dialog.setDialog(page, defaults);
    portrait->setEnabled(true);
    landscape->setEnabled(true);
    defaults->landscape = true;
    dialog.setDefaultValues();
    QVERIFY(portrait->isChecked());
    QVERIFY(!portrait->isEnabled());
    QVERIFY(!landscape->isEnabled());
    dialog.apply();
    QVERIFY(!page->landscape);
}

void TestPageDialog::badInputBeforeSetDialog()
{
    PageDialog dialog(nullptr);
    QSignalSpy applied(&dialog, &PageDialog::sigPageApply);
    child<QPushButton>(dialog, "pushButtonSetDefaultValues")->click();
    child<QPushButton>(dialog, "pushButtonApply")->click();
    QCOMPARE(applied.count(), 0);
}

// Closing stores the window geometry under the dialog's own name; the next
// dialog opens where the last one closed.
void TestPageDialog::geometryKept()
{
    QRect closedAt;
    {
        PageDialog dialog(nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.move(120, 70);
        closedAt = dialog.geometry();
        child<QPushButton>(dialog, "pushButtonCancel")->click();
        QVERIFY(!dialog.isVisible());
    }
    QSettings settings(QStringLiteral("corvalin"), QStringLiteral("Velmora_Page"));
    QVERIFY(!settings.value(QStringLiteral("geometry")).toByteArray().isEmpty());
    PageDialog dialog(nullptr);
    QCOMPARE(dialog.geometry(), closedAt);
}

// The dialog loaded from the sample score's page, each tab in turn.
void TestPageDialog::screenshots()
{
    Score score(QStringLiteral("5.3.1"), 0, false);
    QVERIFY(loadScoreFile(score, samplePath()));
    std::unique_ptr<Page> copy(score.page->clone());
    PageDialog dialog(nullptr);
    dialog.retranslate();
    dialog.setDialog(copy.get(), score.defaultPage);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *tabs = child<QTabWidget>(dialog, "tabWidget");
    const QStringList always = {"tabWidget", "pushButtonSetDefaultValues", "pushButtonApply",
                                "pushButtonOK", "pushButtonCancel"};

    tabs->setCurrentIndex(0);
    QTest::qWait(20);
    TestSupport::grabDialog(dialog, QStringLiteral("page-dialog-measure"));
    checkShownInside(dialog,
                     always + QStringList{"groupBoxDirection", "groupBoxMeasureStyle",
                                          "groupBoxMesPerLine", "groupBoxMeasureNumber",
                                          "checkBoxLastLineFit", "doubleSpinBoxMeasureScale"});
    tabs->setCurrentIndex(1);
    QTest::qWait(20);
    TestSupport::grabDialog(dialog, QStringLiteral("page-dialog-page"));
    checkShownInside(dialog,
                     always + QStringList{"comboBoxPaperSize", "groupBoxHeaderArea",
                                          "groupBoxPageMargin", "groupBoxPageOutput",
                                          "doubleSpinBoxMarginBottom", "checkBoxInsertCoverPage"});
}

// In Japanese every label, button, check box and the sheet list of both
// tabs is as wide as its translated text needs: none is cut off.
void TestPageDialog::translatedTextsFit()
{
    const InstalledCatalogue catalogue(QStringLiteral("ja"));
    QVERIFY(catalogue.isInstalled());
    Score score(QStringLiteral("5.3.1"), 0, false);
    QVERIFY(loadScoreFile(score, samplePath()));
    std::unique_ptr<Page> copy(score.page->clone());
    PageDialog dialog(nullptr);
    dialog.retranslate();
    dialog.setDialog(copy.get(), score.defaultPage);
    QCOMPARE(child<QPushButton>(dialog, "pushButtonApply")->text(),
             catalogue.translator.translate("PageDialog", "Apply"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *tabs = child<QTabWidget>(dialog, "tabWidget");
    QStringList cut;
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        QTest::qWait(20);
        TestSupport::grabDialog(dialog, QStringLiteral("page-dialog-ja-%1").arg(tab));
        for (const QWidget *widget : dialog.findChildren<QWidget *>()) {
            const bool hasText = qobject_cast<const QLabel *>(widget) ||
                                 qobject_cast<const QAbstractButton *>(widget);
            // A list needs the width of its longest item.
            if (qobject_cast<const QComboBox *>(widget) && widget->isVisible() &&
                widget->width() < widget->sizeHint().width())
                cut << QStringLiteral("%1 %2 below %3")
                           .arg(widget->objectName())
                           .arg(widget->width())
                           .arg(widget->sizeHint().width());
            if (hasText && widget->isVisible() &&
                widget->width() < widget->minimumSizeHint().width())
                cut << widget->objectName();
        }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
}

VELMORA_TEST_MAIN(TestPageDialog)

} // namespace tst_page_dialog

#include "tst_page_dialog.moc"
