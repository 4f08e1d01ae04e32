#include "model/style.h"

#include <QFontMetrics>

namespace {
bool styleValueDiffers(double a, double b)
{
    return !(a == b); // a NaN always styleValueDiffers
}
} // namespace

Style::Style(QObject *parent) : QObject(parent)
{
    setTextFont(textFont);
}

void Style::setTextFont(const QFont &font)
{
    textFont = font;
    textFontHeight = QFontMetrics(textFont).height();
}

void Style::applyDefaults(const QString &textFontFamily)
{
    const Style defaults;
    copySettingsFrom(&defaults);
    markPositionRatio = defaults.markPositionRatio;
    timeTickRatioMin = defaults.timeTickRatioMin;
    timeTickRatioMax = defaults.timeTickRatioMax;
    // Weight and style stay the toolkit's defaults.
    QFont font(textFontFamily);
    font.setPointSize(14);
    setTextFont(font);
    defaultFont = font;
}

Style *Style::clone() const
{
    auto *copy = new Style;
    copy->copyFrom(this);
    return copy;
}

void Style::copyFrom(const Style *source)
{
    copySettingsFrom(source);
    setTextFont(source->textFont);
    defaultFont = source->defaultFont;
}

void Style::copySettingsFrom(const Style *s)
{
    beamLineOffset = s->beamLineOffset;
    beamLineWidth = s->beamLineWidth;
    beamLineSpacing = s->beamLineSpacing;
    graceNoteScale = s->graceNoteScale;
    graceOffsetX = s->graceOffsetX;
    graceOffsetY = s->graceOffsetY;
    dynamicsScale = s->dynamicsScale;
    tozanSmallNoteScale = s->tozanSmallNoteScale;
    slurOffset = s->slurOffset;
    tieRightBottom = s->tieRightBottom;
    tupletRightBottom = s->tupletRightBottom;
    tupletBracket = s->tupletBracket;
    tieOffset = s->tieOffset;
    notationOffset = s->notationOffset;
    tremoloOffsetL = s->tremoloOffsetL;
    tremoloOffsetW = s->tremoloOffsetW;
    tupletOffset = s->tupletOffset;
    octaveInstructionScale = s->octaveInstructionScale;
    octaveInstructionRightOrBottom = s->octaveInstructionRightOrBottom;
    doubleQuoteOtsu = s->doubleQuoteOtsu;
    octaveInstructionOffsetL = s->octaveInstructionOffsetL;
    octaveInstructionOffsetW = s->octaveInstructionOffsetW;
    insertNoteSpacer = s->insertNoteSpacer;
    noteSpacerRatio = s->noteSpacerRatio;
    fingeringSize = s->fingeringSize;
    fingeringLineWidth = s->fingeringLineWidth;
    fingeringOffsetL = s->fingeringOffsetL;
    fingeringOffsetW = s->fingeringOffsetW;
    tieStopBar = s->tieStopBar;
    eraseExtension = s->eraseExtension;
    kinkoDefaultU = s->kinkoDefaultU;
    stageLineWidth = s->stageLineWidth;
    partLineWidth = s->partLineWidth;
    measureLeadingPad = s->measureLeadingPad;
    measureTailingPad = s->measureTailingPad;
    measureMaxChordWidth = s->measureMaxChordWidth;
    measureBarLineWidth = s->measureBarLineWidth;
    measureThinLineWidth = s->measureThinLineWidth;
    measureThickLineWidth = s->measureThickLineWidth;
    measureDoubleLineSpacing = s->measureDoubleLineSpacing;
    measureRepeatDotRadius = s->measureRepeatDotRadius;
    measureRepeatDotOffset = s->measureRepeatDotOffset;
    measureRepeatDotSeparation = s->measureRepeatDotSeparation;
    measureTimeSignatureSize = s->measureTimeSignatureSize;
    multiMeasureRests = s->multiMeasureRests;
    timeTickRatio = s->timeTickRatio;
    tickMajorLength = s->tickMajorLength;
    tickMajorWidth = s->tickMajorWidth;
    tickMinorLength = s->tickMinorLength;
    tickMinorWidth = s->tickMinorWidth;
    lyricsOffset = s->lyricsOffset;
    lyricsOffsetTimeDirection = s->lyricsOffsetTimeDirection;
    lyricsLine = s->lyricsLine;
    noteOffset = s->noteOffset;
    staffNoteFontSize = s->staffNoteFontSize;
    rehearsalMarkSize = s->rehearsalMarkSize;
    textOffset = s->textOffset;
    dynamicsOffset = s->dynamicsOffset;
    wedgeOffset = s->wedgeOffset;
    gapChordNote = s->gapChordNote;
    gapVoice = s->gapVoice;
}

bool Style::isDifferent(const Style *o) const
{
    return styleValueDiffers(beamLineOffset, o->beamLineOffset) || styleValueDiffers(beamLineWidth, o->beamLineWidth) ||
           styleValueDiffers(beamLineSpacing, o->beamLineSpacing) ||
           styleValueDiffers(tozanSmallNoteScale, o->tozanSmallNoteScale) ||
           styleValueDiffers(dynamicsScale, o->dynamicsScale) || styleValueDiffers(graceNoteScale, o->graceNoteScale) ||
           styleValueDiffers(graceOffsetX, o->graceOffsetX) || styleValueDiffers(graceOffsetY, o->graceOffsetY) ||
           styleValueDiffers(slurOffset, o->slurOffset) || tieRightBottom != o->tieRightBottom ||
           tupletRightBottom != o->tupletRightBottom || tupletBracket != o->tupletBracket ||
           styleValueDiffers(tieOffset, o->tieOffset) || styleValueDiffers(notationOffset, o->notationOffset) ||
           styleValueDiffers(tremoloOffsetL, o->tremoloOffsetL) ||
           styleValueDiffers(tremoloOffsetW, o->tremoloOffsetW) || styleValueDiffers(tupletOffset, o->tupletOffset) ||
           styleValueDiffers(octaveInstructionScale, o->octaveInstructionScale) ||
           octaveInstructionRightOrBottom != o->octaveInstructionRightOrBottom ||
           doubleQuoteOtsu != o->doubleQuoteOtsu ||
           styleValueDiffers(octaveInstructionOffsetL, o->octaveInstructionOffsetL) ||
           styleValueDiffers(octaveInstructionOffsetW, o->octaveInstructionOffsetW) ||
           insertNoteSpacer != o->insertNoteSpacer ||
           styleValueDiffers(noteSpacerRatio, o->noteSpacerRatio) ||
           styleValueDiffers(fingeringSize, o->fingeringSize) ||
           styleValueDiffers(fingeringLineWidth, o->fingeringLineWidth) ||
           styleValueDiffers(fingeringOffsetL, o->fingeringOffsetL) ||
           styleValueDiffers(fingeringOffsetW, o->fingeringOffsetW) || tieStopBar != o->tieStopBar ||
           eraseExtension != o->eraseExtension || kinkoDefaultU != o->kinkoDefaultU ||
           styleValueDiffers(stageLineWidth, o->stageLineWidth) || styleValueDiffers(partLineWidth, o->partLineWidth) ||
           styleValueDiffers(measureLeadingPad, o->measureLeadingPad) ||
           styleValueDiffers(measureTailingPad, o->measureTailingPad) ||
           styleValueDiffers(measureMaxChordWidth, o->measureMaxChordWidth) ||
           styleValueDiffers(measureBarLineWidth, o->measureBarLineWidth) ||
           styleValueDiffers(measureThinLineWidth, o->measureThinLineWidth) ||
           styleValueDiffers(measureThickLineWidth, o->measureThickLineWidth) ||
           styleValueDiffers(measureDoubleLineSpacing, o->measureDoubleLineSpacing) ||
           styleValueDiffers(measureRepeatDotRadius, o->measureRepeatDotRadius) ||
           styleValueDiffers(measureRepeatDotOffset, o->measureRepeatDotOffset) ||
           styleValueDiffers(measureRepeatDotSeparation, o->measureRepeatDotSeparation) ||
           styleValueDiffers(measureTimeSignatureSize, o->measureTimeSignatureSize) ||
           multiMeasureRests != o->multiMeasureRests || styleValueDiffers(timeTickRatio, o->timeTickRatio) ||
           styleValueDiffers(tickMajorLength, o->tickMajorLength) ||
           styleValueDiffers(tickMajorWidth, o->tickMajorWidth) ||
           styleValueDiffers(tickMinorLength, o->tickMinorLength) ||
           styleValueDiffers(tickMinorWidth, o->tickMinorWidth) || styleValueDiffers(lyricsOffset, o->lyricsOffset) ||
           styleValueDiffers(lyricsOffsetTimeDirection, o->lyricsOffsetTimeDirection) ||
           lyricsLine != o->lyricsLine || styleValueDiffers(noteOffset, o->noteOffset) ||
           staffNoteFontSize != o->staffNoteFontSize ||
           styleValueDiffers(rehearsalMarkSize, o->rehearsalMarkSize) || styleValueDiffers(textOffset, o->textOffset) ||
           styleValueDiffers(dynamicsOffset, o->dynamicsOffset) || styleValueDiffers(wedgeOffset, o->wedgeOffset) ||
           styleValueDiffers(gapChordNote, o->gapChordNote) || styleValueDiffers(gapVoice, o->gapVoice) ||
           textFont != o->textFont || defaultFont != o->defaultFont;
}
