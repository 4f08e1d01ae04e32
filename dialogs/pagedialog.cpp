#include "dialogs/pagedialog.h"

#include "model/page.h"

#include "ui_pagedialog.h"

#include <QDebug>

namespace {

// The sheet items, by PaperSize index; the first six are sheet names that
// stay as they are in every language.
constexpr int sheetItemCount = 10;
constexpr int firstTranslatedSheet = PaperCustom;
const char *const sheetTexts[sheetItemCount] = {
    "A3",
    "A4",
    "B4",
    "B5",
    "JIS B4",
    "JIS B5",
    QT_TRANSLATE_NOOP("PageDialog", "Custom"),
    QT_TRANSLATE_NOOP("PageDialog", "A3 Landscape (A4 Portrait x 2)"),
    QT_TRANSLATE_NOOP("PageDialog", "B4 Landscape (B5 Portrait x 2)"),
    QT_TRANSLATE_NOOP("PageDialog", "JIS B4 Landscape (JIS B5 Portrait x 2)"),
};

// The double sheets hold two portrait pages side by side.
bool isDoubleSheetIndex(int index)
{
    return index >= PaperA3DoubleA4 && index <= PaperJisB4DoubleJisB5;
}

} // namespace

PageDialog::PageDialog(Score *score, QWidget *parent)
    : GeometryDialog(QStringLiteral("Velmora_Page"), parent), ui(new Ui_PageDialog), score(score)
{
    ui->setupUi(this);
    setWindowTitle(tr("Velmora: Page Settings"));
    readSettings();
    addSheetItems();
    ui->comboBoxPaperSize->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    connect(ui->pushButtonSetDefaultValues, &QPushButton::clicked, this,
            &PageDialog::setDefaultValues);
    connect(ui->pushButtonApply, &QPushButton::clicked, this, &PageDialog::apply);
    connect(ui->pushButtonOK, &QPushButton::clicked, this, &PageDialog::ok);
    connect(ui->pushButtonCancel, &QPushButton::clicked, this, &PageDialog::close);
    connect(ui->checkBoxDisplayPartAbbrName, &QCheckBox::stateChanged, this,
            &PageDialog::setDisplayOnly1stStageState);
    connect(ui->radioButtonGrid, &QRadioButton::toggled, this, &PageDialog::drawStageLineChanged);
    connect(ui->comboBoxPaperSize, &QComboBox::currentIndexChanged, this,
            &PageDialog::setLandScape);

    buildRows();
    for (const Row &row : std::as_const(rows))
        row.field.watchIn(edited);
}

PageDialog::~PageDialog()
{
    delete ui;
}

void PageDialog::addSheetItems()
{
    for (int index = 0; index < sheetItemCount; ++index)
        ui->comboBoxPaperSize->addItem(QString::fromLatin1(sheetTexts[index]), index);
}

void PageDialog::buildRows()
{
    using F = SettingField<Page>;
    const auto plain = [this](QWidget *widget, F::Member member) {
        rows.append({F{widget, member}});
    };
    const auto pair = [this](QAbstractButton *first, QAbstractButton *second, bool Page::*member) {
        rows.append({F{first, member, second}});
    };
    const auto kept = [this](QWidget *widget, F::Member member) {
        rows.append({F{widget, member}, true});
    };
    kept(ui->comboBoxPaperSize, &Page::paperSize);
    rows.append({F{ui->doubleSpinBoxSheetCustomX, &Page::paperCustomX, nullptr, true}});
    rows.append({F{ui->doubleSpinBoxSheetCustomY, &Page::paperCustomY, nullptr, true}});
    pair(ui->radioButtonPageHorizontal, ui->radioButtonPageVertical, &Page::landscape);
    pair(ui->radioButtonScoreHorizontal, ui->radioButtonScoreVertical, &Page::horizontal);
    pair(ui->radioButtonLyricsRotate, ui->radioButtonLyricsVerticalWriting, &Page::rotateLyrics);
    plain(ui->checkBoxDisplayPageNumber, &Page::displayPageNumber);
    plain(ui->checkBoxDisplayMeasureNumber, &Page::displayMeasureNumber);
    plain(ui->checkBoxDisplayPartFullName, &Page::displayPartFullName);
    plain(ui->checkBoxDisplayPartAbbrName, &Page::displayPartAbbrName);
    plain(ui->checkBoxOnly1stStage, &Page::displayPartAbbrName1st);
    kept(ui->lineEditPageText, &Page::pageText);
    plain(ui->spinBoxStartPageNumber, &Page::startPageNumber);
    plain(ui->checkBoxStageBracket, &Page::stageBracket);
    pair(ui->radioButtonPageOutSingle, ui->radioButtonPageOutMulti, &Page::roll);
    pair(ui->radioButtonAutoNewLine, ui->radioButtonMesPerLineFixed, &Page::autoNewline);
    plain(ui->doubleSpinBoxMeasureScale, &Page::measureScale);
    plain(ui->checkBoxLastLineFit, &Page::lastLineFit);
    plain(ui->checkBoxPageFit, &Page::pageFit);
    pair(ui->radioButtonGrid, ui->radioButtonBand, &Page::drawStageLine);
    kept(ui->checkBoxGridOutline, &Page::gridOutline);
    kept(ui->doubleSpinBoxGridOutlineWidth, &Page::gridOutlineWidth);
    plain(ui->spinBoxMeasurePerLine, &Page::measurePerLine);
    plain(ui->checkBoxMeasureEqualLength, &Page::measureEqualLength);
    plain(ui->checkBoxMeasureTimeProportional, &Page::measureTimeProportional);
    plain(ui->checkBoxDisplayMeasureBarLine, &Page::measureDisplayBarline);
    kept(ui->checkBoxBarLineSNMode, &Page::barlineStaffNotationMode);
    plain(ui->checkBoxDisplayTimeSignature, &Page::measureDisplayTimeSignature);
    plain(ui->checkBoxDisplayTimeSignatureFirtPart, &Page::measureDisplayTimeSignatureFirstPart);
    plain(ui->doubleSpinBoxMarginLeft, &Page::marginLeft);
    plain(ui->doubleSpinBoxMarginRight, &Page::marginRight);
    plain(ui->doubleSpinBoxMarginTop, &Page::marginTop);
    plain(ui->doubleSpinBoxMarginBottom, &Page::marginBottom);
    plain(ui->doubleSpinBoxLineWidthScale, &Page::lineWidthScale);
    plain(ui->doubleSpinBoxLineWidthPad, &Page::lineWidthPad);
    plain(ui->doubleSpinBoxHeaderAreaWidth, &Page::headerAreaWidth);
    plain(ui->doubleSpinBoxHeaderBottomPad, &Page::headerBottomPad);
    plain(ui->checkBoxInsertCoverPage, &Page::insertCoverPage);
    plain(ui->checkBoxFirstPageTop, &Page::titleFirstPageTop);
    plain(ui->checkBoxFirstStageTop, &Page::titleFirstStageTop);
    plain(ui->checkBoxDrawHeaderAreaRect, &Page::drawHeaderAreaRectangle);
    plain(ui->doubleSpinBoxHeaderAreaLineWidth, &Page::headerAreaRectangleLineWidth);
    plain(ui->doubleSpinBoxHeaderAreaSize, &Page::headerAreaSize);
}

void PageDialog::setDialog(Page *editedPage, Page *defaults)
{
    page = editedPage;
    defaultPage = defaults;
    if (!page)
        return;
    {
        // Loading runs the rules its changes set off, but edits nothing.
        const EditedWidgets::Loading loading(edited);
        for (const Row &row : std::as_const(rows))
            row.field.show(page);
        ui->checkBoxOnly1stStage->setEnabled(ui->checkBoxDisplayPartAbbrName->isChecked());
        on_radioButtonMesPerLineFixed_toggled(ui->radioButtonMesPerLineFixed->isChecked());
    }
    edited.clear();
}

void PageDialog::setDefaultValues()
{
    qDebug() << "setDefaultValues() called";
    if (!page || !defaultPage)
        return;
    // Every widget set here counts as edited, even one that already showed
    // the default: the user asked for the defaults.
    {
        const EditedWidgets::Loading loading(edited);
        for (const Row &row : std::as_const(rows)) {
            if (row.keptOnDefaults)
                continue;
            row.field.show(defaultPage);
            edited.mark(row.field.widget);
        }
    }
    // The sheet did not change, so its signal does not run the sheet rule.
    setLandScape();
    on_radioButtonMesPerLineFixed_toggled(ui->radioButtonMesPerLineFixed->isChecked());
}

void PageDialog::apply()
{
    qDebug() << "apply() called";
    if (!page)
        return;
    for (const Row &row : std::as_const(rows))
        row.field.storeIfEdited(page, edited);
    page->setPaperSize();
    page->calcScoreRect();
    emit sigPageApply();
}

void PageDialog::ok()
{
    apply();
    close();
}

void PageDialog::drawStageLineChanged(bool checked)
{
    ui->doubleSpinBoxLineWidthPad->setEnabled(!checked);
    ui->checkBoxGridOutline->setEnabled(checked);
    ui->doubleSpinBoxGridOutlineWidth->setEnabled(checked);
}

void PageDialog::setDisplayOnly1stStageState()
{
    ui->checkBoxOnly1stStage->setEnabled(ui->checkBoxDisplayPartAbbrName->isChecked());
}

void PageDialog::setLandScape()
{
    const bool doubleSheet = isDoubleSheetIndex(ui->comboBoxPaperSize->currentIndex());
    ui->radioButtonPageHorizontal->setEnabled(!doubleSheet);
    ui->radioButtonPageVertical->setEnabled(!doubleSheet);
    if (doubleSheet)
        ui->radioButtonPageVertical->setChecked(true);
}

void PageDialog::on_radioButtonMesPerLineFixed_toggled(bool checked)
{
    ui->spinBoxMeasurePerLine->setEnabled(checked);
    ui->checkBoxMeasureEqualLength->setEnabled(checked);
    ui->checkBoxMeasureTimeProportional->setEnabled(!checked);
    ui->doubleSpinBoxMeasureScale->setEnabled(!checked);
}

void PageDialog::on_radioButtonAutoNewLine_toggled(bool checked)
{
    on_radioButtonMesPerLineFixed_toggled(!checked);
}

void PageDialog::on_checkBoxDisplayTimeSignature_toggled(bool checked)
{
    ui->checkBoxDisplayTimeSignatureFirtPart->setEnabled(checked);
}

void PageDialog::on_checkBoxDisplayMeasureBarLine_toggled(bool checked)
{
    ui->checkBoxBarLineSNMode->setEnabled(checked);
}

void PageDialog::on_checkBoxFirstPageTop_toggled(bool checked)
{
    const QList<QWidget *> headerWidgets = {
        ui->labelHeaderAreaWidth,
        ui->doubleSpinBoxHeaderAreaWidth,
        ui->labelHeaderBottomPad,
        ui->doubleSpinBoxHeaderBottomPad,
        ui->checkBoxDrawHeaderAreaRect,
        ui->labelHeaderAreaLineWidth,
        ui->doubleSpinBoxHeaderAreaLineWidth,
    };
    for (QWidget *widget : headerWidgets)
        widget->setEnabled(checked);
}

void PageDialog::on_checkBoxFirstStageTop_toggled(bool checked)
{
    ui->labelHeaderAreaSize->setEnabled(checked);
    ui->doubleSpinBoxHeaderAreaSize->setEnabled(checked);
}

void PageDialog::retranslate()
{
    setWindowTitle(tr("Velmora: Measure/Page Settings"));
    ui->tabWidget->setTabText(0, tr("Measure"));
    ui->tabWidget->setTabText(1, tr("Page"));
    ui->groupBoxSheet->setTitle(tr("Sheet"));
    ui->labelPaperSize->setText(tr("Size"));
    ui->labelCustomSize->setText(tr("Custom Size"));
    ui->labelPaperDirection->setText(tr("Direction"));
    ui->radioButtonPageHorizontal->setText(tr("Landscape"));
    ui->radioButtonPageVertical->setText(tr("Portrait"));
    for (int index = firstTranslatedSheet; index < sheetItemCount; ++index)
        ui->comboBoxPaperSize->setItemText(index, tr(sheetTexts[index]));
    // The longest sheet name stays readable in every language.
    ui->comboBoxPaperSize->setMinimumWidth(ui->comboBoxPaperSize->sizeHint().width());
    ui->groupBoxPageMargin->setTitle(tr("Page Margins (mm)"));
    ui->labelMarginTop->setText(tr("Top"));
    ui->labelMarginBottom->setText(tr("Bottom"));
    ui->labelMarginLeft->setText(tr("Left"));
    ui->labelMarginRight->setText(tr("Right"));
    ui->checkBoxMeasureEqualLength->setText(tr("Equal Lengths"));
    ui->checkBoxMeasureTimeProportional->setText(tr("Time Proportional"));
    ui->checkBoxInsertCoverPage->setText(tr("Insert Cover Page"));
    ui->checkBoxFirstPageTop->setText(tr("First Page Top"));
    ui->checkBoxFirstStageTop->setText(tr("First Stage Top"));
    ui->groupBoxHeaderArea->setTitle(tr("Header Area"));
    ui->labelHeaderAreaWidth->setText(tr("Header Area Width (mm)"));
    ui->labelHeaderBottomPad->setText(tr("Bottom Pad (mm)"));
    ui->checkBoxDrawHeaderAreaRect->setText(tr("Draw Header Area Outline"));
    ui->labelHeaderAreaLineWidth->setText(tr("Line Width of Outline (mm)"));
    ui->labelHeaderAreaSize->setText(tr("Header Area Size (mm)"));
    ui->groupBoxPageNumber->setTitle(tr("Page Number"));
    ui->checkBoxDisplayPageNumber->setText(tr("Display Page Numbers"));
    ui->labelStartPageNumber->setText(tr("Start Number"));
    ui->labelPageText->setText(tr("Page Text"));
    ui->groupBoxStageBracket->setTitle(tr("Stage Bracket"));
    ui->checkBoxStageBracket->setText(tr("Display Stage Bracket (if multi parts)"));
    ui->groupBoxPageOutput->setTitle(tr("Multipage Output Format"));
    ui->radioButtonPageOutMulti->setText(tr("Separate"));
    ui->radioButtonPageOutSingle->setText(tr("Combined"));
    ui->groupBoxDirection->setTitle(tr("Measure Direction"));
    ui->radioButtonScoreHorizontal->setText(tr("Horizontal"));
    ui->radioButtonScoreVertical->setText(tr("Vertical"));
    ui->groupBoxLyricsForVertical->setTitle(tr("Lyrics for Vertical"));
    ui->radioButtonLyricsRotate->setText(tr("Rotate 90º (English,..)"));
    ui->radioButtonLyricsVerticalWriting->setText(tr("Vertical Writing (Japanese,..)"));
    ui->groupBoxMeasureStyle->setTitle(tr("Measure Style and Width"));
    ui->radioButtonGrid->setText(tr("Grid"));
    ui->checkBoxGridOutline->setText(tr("Outline"));
    ui->labelGridOutlineWidth->setText(tr("Outline Width(%)"));
    ui->radioButtonBand->setText(tr("Banded"));
    ui->labelLineWidthScale->setText(tr("Part Width (rate)"));
    ui->labelLinePad->setText(tr("Space between Stages (mm)"));
    ui->checkBoxPageFit->setText(tr("Expand Last Page"));
    ui->groupBoxMesPerLine->setTitle(tr("Number of Measures per Stage"));
    ui->radioButtonMesPerLineFixed->setText(tr("Fixed Number per Stage"));
    ui->radioButtonAutoNewLine->setText(tr("Automatic"));
    ui->labelMesScaleRate->setText(tr("Measure Scale"));
    ui->checkBoxLastLineFit->setText(tr("Expand Last Stage"));
    ui->groupBoxPartAbbr->setTitle(tr("Part Names"));
    ui->checkBoxDisplayPartFullName->setText(tr("Display Part Name"));
    ui->checkBoxDisplayPartAbbrName->setText(tr("Display Part Abbreviation Name"));
    ui->checkBoxOnly1stStage->setText(tr("Diplay only 1st Stage"));
    ui->groupBoxMeasureNumber->setTitle(tr("Display Measure Number/Bar Line/Time Signature"));
    ui->checkBoxDisplayMeasureNumber->setText(tr("Measure Number"));
    ui->checkBoxDisplayMeasureBarLine->setText(tr("Bar Line"));
    ui->checkBoxBarLineSNMode->setText(tr("Staff Notation Mode"));
    ui->checkBoxDisplayTimeSignature->setText(tr("Time Signature"));
    ui->checkBoxDisplayTimeSignatureFirtPart->setText(tr("First Part Only"));
    ui->pushButtonSetDefaultValues->setText(tr("Set Default Values"));
    ui->pushButtonApply->setText(tr("Apply"));
    ui->pushButtonCancel->setText(tr("Cancel"));
}
