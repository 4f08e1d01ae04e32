#include "dialogs/dialogstyle.h"

#include "model/style.h"
#include "platform/prompter.h"

#include "ui_dialogstyle.h"

#include <QDebug>

namespace {

// From the first load on, the uniformity ratio is offered in this range.
constexpr double timeTickRatioMinimum = 0.05;
constexpr double timeTickRatioMaximum = 0.4;

} // namespace

DialogStyle::DialogStyle(QWidget *parent)
    : GeometryDialog(QStringLiteral("Velmora_Style"), parent), ui(new Ui_DialogStyle)
{
    ui->setupUi(this);
    readSettings();
    connect(ui->pushButtonSetDefaultValues, &QPushButton::clicked, this,
            &DialogStyle::setDefaultValues);
    connect(ui->pushButtonApply, &QPushButton::clicked, this, &DialogStyle::apply);
    connect(ui->pushButtonOK, &QPushButton::clicked, this, &DialogStyle::ok);
    connect(ui->pushButtonCancel, &QPushButton::clicked, this, &DialogStyle::close);
    connect(ui->pushButtonTextFont, &QPushButton::clicked, this, &DialogStyle::updateTextFont);

    buildRows();
    for (const Row &row : std::as_const(rows))
        row.field.watchIn(edited);
}

DialogStyle::~DialogStyle()
{
    delete ui;
}

void DialogStyle::buildRows()
{
    using F = SettingField<Style>;
    const auto add = [this](QWidget *widget, F::Member member) {
        rows.append({F{widget, member}});
    };
    const auto kept = [this](QWidget *widget, F::Member member) {
        rows.append({F{widget, member}, false});
    };
    add(ui->doubleSpinBoxBeamLineOffset, &Style::beamLineOffset);
    add(ui->doubleSpinBoxBeamLineWidth, &Style::beamLineWidth);
    add(ui->doubleSpinBoxBeamLineSpacing, &Style::beamLineSpacing);
    add(ui->doubleSpinBoxDynamicsScale, &Style::dynamicsScale);
    add(ui->doubleSpinBoxTozanSmallScale, &Style::tozanSmallNoteScale);
    add(ui->doubleSpinBoxGraceNoteScale, &Style::graceNoteScale);
    add(ui->doubleSpinBoxGraceOffsetX, &Style::graceOffsetX);
    add(ui->doubleSpinBoxGraceOffsetY, &Style::graceOffsetY);
    add(ui->doubleSpinBoxSlurOffset, &Style::slurOffset);
    add(ui->doubleSpinBoxTupletOffset, &Style::tupletOffset);
    add(ui->checkBoxTieRightBottom, &Style::tieRightBottom);
    add(ui->checkBoxTupletRightBottom, &Style::tupletRightBottom);
    add(ui->checkBoxTupletBracket, &Style::tupletBracket);
    add(ui->doubleSpinBoxTieOffset, &Style::tieOffset);
    add(ui->doubleSpinBoxArticulationOffset, &Style::notationOffset);
    add(ui->doubleSpinBoxTremoloOffsetL, &Style::tremoloOffsetL);
    add(ui->doubleSpinBoxTremoloOffsetW, &Style::tremoloOffsetW);
    add(ui->doubleSpinBoxOctaveInstScale, &Style::octaveInstructionScale);
    add(ui->checkBoxOctaveInstRightOrBottom, &Style::octaveInstructionRightOrBottom);
    add(ui->doubleSpinBoxOctaveInstOffsetL, &Style::octaveInstructionOffsetL);
    add(ui->doubleSpinBoxOctaveInstOffsetW, &Style::octaveInstructionOffsetW);
    add(ui->checkBoxInsertNoteSpacer, &Style::insertNoteSpacer);
    add(ui->doubleSpinBoxNoteSpacerRatio, &Style::noteSpacerRatio);
    add(ui->doubleSpinBoxFingeringSize, &Style::fingeringSize);
    add(ui->doubleSpinBoxFingeringLineWidth, &Style::fingeringLineWidth);
    add(ui->doubleSpinBoxFingeringOffsetL, &Style::fingeringOffsetL);
    add(ui->doubleSpinBoxFingeringOffsetW, &Style::fingeringOffsetW);
    add(ui->checkBoxTieStopBar, &Style::tieStopBar);
    add(ui->checkBoxMultiMeasureRests, &Style::multiMeasureRests);
    add(ui->checkBoxEraseExtension, &Style::eraseExtension);
    add(ui->checkBoxKinkoU, &Style::kinkoDefaultU);
    add(ui->doubleSpinBoxStageLineWidth, &Style::stageLineWidth);
    add(ui->doubleSpinBoxPartLineWidth, &Style::partLineWidth);
    add(ui->doubleSpinBoxLyricsOffset, &Style::lyricsOffset);
    add(ui->doubleSpinBoxLyricsOffsetTD, &Style::lyricsOffsetTimeDirection);
    add(ui->checkBoxLyricsLine, &Style::lyricsLine);
    add(ui->doubleSpinBoxNoteOffset, &Style::noteOffset);
    add(ui->doubleSpinBoxMeasureLeadingPad, &Style::measureLeadingPad);
    add(ui->doubleSpinBoxMeasureTailingPad, &Style::measureTailingPad);
    add(ui->doubleSpinBoxMeasureMaxChordWidth, &Style::measureMaxChordWidth);
    kept(ui->doubleSpinBoxMeasureBarLineWidth, &Style::measureBarLineWidth);
    add(ui->doubleSpinBoxMeasureThinLineWidth, &Style::measureThinLineWidth);
    add(ui->doubleSpinBoxMeasureThickLineWidth, &Style::measureThickLineWidth);
    add(ui->doubleSpinBoxMeasureDoubleLineSpacing, &Style::measureDoubleLineSpacing);
    add(ui->doubleSpinBoxMeasureRepeatDotRadius, &Style::measureRepeatDotRadius);
    add(ui->doubleSpinBoxMeasureRepeatDotOffset, &Style::measureRepeatDotOffset);
    add(ui->doubleSpinBoxMeasureRepeatDotSeparation, &Style::measureRepeatDotSeparation);
    add(ui->doubleSpinBoxMeasureTimeSignatureSize, &Style::measureTimeSignatureSize);
    add(ui->doubleSpinBoxTimeTickRatio, &Style::timeTickRatio);
    add(ui->doubleSpinBoxTicMajorLen, &Style::tickMajorLength);
    add(ui->doubleSpinBoxTicMajorWidth, &Style::tickMajorWidth);
    add(ui->doubleSpinBoxTicMinorLen, &Style::tickMinorLength);
    add(ui->doubleSpinBoxTicMinorWidth, &Style::tickMinorWidth);
    kept(ui->doubleSpinBoxGapChordNote, &Style::gapChordNote);
    kept(ui->doubleSpinBoxGapVoice, &Style::gapVoice);
    add(ui->spinBoxStaffNoteFontSize, &Style::staffNoteFontSize);
    add(ui->doubleSpinBoxRehearsalMarkSize, &Style::rehearsalMarkSize);
    add(ui->doubleSpinBoxText, &Style::textOffset);
    add(ui->doubleSpinBoxDynamics, &Style::dynamicsOffset);
    add(ui->doubleSpinBoxWedge, &Style::wedgeOffset);
}

void DialogStyle::setDialog(Style *style, Style *defaults)
{
    editedStyle = style;
    defaultStyle = defaults;
    if (!editedStyle)
        return;
    {
        const EditedWidgets::Loading loading(edited);
        for (const Row &row : std::as_const(rows)) {
            row.field.show(editedStyle);
            if (row.field.widget == ui->doubleSpinBoxTimeTickRatio)
                ui->doubleSpinBoxTimeTickRatio->setRange(timeTickRatioMinimum,
                                                         timeTickRatioMaximum);
        }
    }
    edited.clear();
}

void DialogStyle::setDefaultValues()
{
    qDebug() << "setDefaultValues() called";
    if (!editedStyle || !defaultStyle)
        return;
    // Every widget set here counts as edited, even one that already showed
    // the default: the user asked for the defaults.
    for (const Row &row : std::as_const(rows)) {
        if (!row.reset)
            continue;
        row.field.show(defaultStyle);
        edited.mark(row.field.widget);
    }
}

void DialogStyle::apply()
{
    qDebug() << "apply() called";
    if (!editedStyle)
        return;
    for (const Row &row : std::as_const(rows))
        row.field.storeIfEdited(editedStyle, edited);
    emit sigStyleApply();
}

void DialogStyle::ok()
{
    apply();
    close();
}

void DialogStyle::updateTextFont()
{
    pickFont(&Style::textFont);
}

void DialogStyle::on_pushButtonDefaultTextFont_clicked()
{
    pickFont(&Style::defaultFont);
}

void DialogStyle::pickFont(QFont Style::*font)
{
    if (!editedStyle)
        return;
    bool accepted = false;
    const QFont chosen = Prompter::instance().font(&accepted, editedStyle->*font, this, QString());
    if (accepted)
        editedStyle->*font = chosen;
}

void DialogStyle::retranslate()
{
    setWindowTitle(tr("Style Settings"));
    ui->tabWidget->setTabText(0, tr("Measure"));
    ui->tabWidget->setTabText(1, tr("Note"));
    ui->groupBoxMeasure->setTitle(tr("Measure"));
    ui->labelStageLineWidth->setText(tr("Stage Line Width"));
    ui->labelPartLineWidth->setText(tr("Part Line Width"));
    ui->labelMeasureTimeSignatureSize->setText(tr("Time Signature Size"));
    ui->labelMeasureLeadingPad->setText(tr("Leading Pad"));
    ui->labelMeasureTailingPad->setText(tr("Tailing Pad"));
    ui->labelMeasureMaxChordWidth->setText(tr("Maximum Chord Width (ratio)"));
    ui->groupBoxUniformity->setTitle(tr("Uniformity in Time and Size (when aligned in time)"));
    ui->labelUniformTime->setText(tr("More Uniform in Time"));
    ui->labelUniformSize->setText(tr("More Uniform in Size"));
    ui->groupBoxTimeTickMarks->setTitle(tr("Time Tick Marks"));
    ui->labelTickMajorLen->setText(tr("Tick Major Length (%)"));
    ui->labelTickMajorWidth->setText(tr("Tick Major Width (mm)"));
    ui->labelTickMinorLen->setText(tr("Tick Minor Length (%)"));
    ui->labelTickMinorWidth->setText(tr("Tick Minor Width (mm)"));
    ui->groupBoxGaps->setTitle(tr("Gaps for Chord Notes and Voices"));
    ui->labelGapChordNote->setText(tr("Gap between Chord Notes (ratio)"));
    ui->labelGapVoice->setText(tr("Gap between Voices (ratio)"));
    ui->groupBoxStaffNoteFontSize->setTitle(tr("Staff Note Font Size (on MuseScore, etc.)"));
    ui->labelStaffNoteFontSize->setText(tr("Staff Note Font Size (point)"));
    ui->groupBoxRehearsalMarkSize->setTitle(tr("Rehearsal Mark Size"));
    ui->labelRehearsalMarkSize->setText(tr("Rehearsal Mark Size (ratio)"));
    ui->groupBoxDefaultOffsets->setTitle(tr("Dynamics and Cresc./Decresc."));
    ui->labelText->setText(tr("Text Offset (ratio)"));
    ui->labelDynamics->setText(tr("Dynamics Offset (ratio)"));
    ui->labelDynamicsScale->setText(tr("Scale Factor"));
    ui->labelWedge->setText(tr("Cresc./Decresc. Offset (ratio)"));
    ui->groupBoxTextFont->setTitle(tr("Font Property"));
    ui->pushButtonTextFont->setText(tr("Note Text, Line Text"));
    ui->pushButtonDefaultTextFont->setText(
        tr("Part Name, Measure Number, Time Signature, Page Number/Text"));
    ui->groupBoxBarLineRepeat->setTitle(tr("Bar Lines and Repeat Dot"));
    ui->labelMeasureBarLineWidth->setText(tr("Bar Line Width"));
    ui->labelMeasureThinLineWidth->setText(tr("Thin Line Width"));
    ui->labelMeasureThickLineWidth->setText(tr("Thick Line Width"));
    ui->labelMeasureDoubleLineSpacing->setText(tr("Double Line Spacing"));
    ui->labelMeasureRepeatDotOffset->setText(tr("Repeat Dot Offset"));
    ui->labelMeasureRepeatDotRadius->setText(tr("Repeat Dot Radius"));
    ui->labelMeasureRepeatDotSeparation->setText(tr("Repeat Dot Separation"));
    ui->groupBoxMultiMeasureRests->setTitle(tr("Multimeasure Rests"));
    ui->checkBoxMultiMeasureRests->setText(tr("Multimeasure Rests"));
    ui->groupBoxLyrics->setTitle(tr("Lyrics Position"));
    ui->labelLyricsOffset->setText(tr("Offset"));
    ui->labelLyricsOffsetTD->setText(tr("Offset (Time Direction)"));
    ui->checkBoxLyricsLine->setText(tr("Draw Line between Lyrics"));
    ui->groupBoxNote->setTitle(tr("Note Position"));
    ui->labelNoteOffset->setText(tr("Offset"));
    ui->groupBoxOctaveInst->setTitle(tr("Octave Instruction (Kan/Otsu)"));
    ui->labelOctaveInstScale->setText(tr("Scale Factor"));
    ui->checkBoxOctaveInstRightOrBottom->setText(tr("At Bottom (or Right)"));
    ui->labelOffsetL->setText(tr("Offset L"));
    ui->labelOffsetW->setText(tr("Offset W"));
    ui->groupBoxNoteSpacer->setTitle(tr("Note Spacer"));
    ui->checkBoxInsertNoteSpacer->setText(tr("Insert Spacer for Beam Clearence"));
    ui->labelSpacerRatio->setText(tr("Width (ratio to quarter note width)"));
    ui->groupBoxTieStopBar->setTitle(tr("Tie Stop (Kinko_Simple, Shinobue)"));
    ui->checkBoxTieStopBar->setText(tr("Bar Symbol"));
    ui->groupBoxEraseExtension->setTitle(tr("Erase Extension (Koto_Ikuta, Sange_Ikuta)"));
    ui->checkBoxEraseExtension->setText(tr("Erase at Quarter Boundary"));
    ui->groupBoxKinkoDefaults->setTitle(tr("Default Note Names (for Kinko_Simple)"));
    ui->checkBoxKinkoU->setText(tr("'U' for 'ChiMeri' Otsu"));
    ui->groupBoxTozanSmall->setTitle(tr("Tozan Small Note"));
    ui->labelTozaSmallNoteScale->setText(tr("Scale Factor"));
    ui->groupBoxGraceNote->setTitle(tr("Grace Note"));
    ui->labelGraceNoteScale->setText(tr("Scale Factor"));
    ui->labelGraceOffsetY->setText(tr("Offset Y (for horizontal)"));
    ui->labelGraceOffsetX->setText(tr("Offset X (for vertical)"));
    ui->groupBoxSlurTieNotation->setTitle(tr("Offsets for Slur, Tie, and Articulation"));
    ui->labelSlurOffset->setText(tr("Slur"));
    ui->labelTupletOffset->setText(tr("Tuplet"));
    ui->labelTieOffse->setText(tr("Tie"));
    ui->checkBoxTieRightBottom->setText(tr("At Bottom (or Right)"));
    ui->checkBoxTupletRightBottom->setText(tr("At Bottom (or Right)"));
    ui->checkBoxTupletBracket->setText(tr("Bracket"));
    ui->labelArticulationOffset->setText(tr("Articulation"));
    ui->labelTremoloOffsetL->setText(tr("Tremolo Offset L"));
    ui->labelTremoloOffsetW->setText(tr("Offset W"));
    ui->groupBoxBeam->setTitle(tr("Beam"));
    ui->labelBeamLineOffset->setText(tr("Offset X or Y"));
    ui->labelBeamLineWidth->setText(tr("Line Width"));
    ui->labelBeamLineSpacing->setText(tr("Line Spacing"));
    ui->groupBoxFingering->setTitle(tr("Fingering"));
    ui->labelFingeringSize->setText(tr("Size (ratio)"));
    ui->labelFingeringLineWidth->setText(tr("Line Width"));
    ui->labelFingeringOffsetL->setText(tr("Offset L"));
    ui->labelFingeringOffsetW->setText(tr("Offset W"));
    ui->pushButtonSetDefaultValues->setText(tr("Set Default Values"));
    ui->pushButtonApply->setText(tr("Apply"));
    ui->pushButtonCancel->setText(tr("Cancel"));
    ui->tabMeasure->setToolTip(QString());
}
