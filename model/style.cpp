#include "model/style.h"

#include <QFontMetrics>

namespace {
bool differs(double a, double b)
{
    return !(a == b); // a NaN always differs
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
    return differs(beamLineOffset, o->beamLineOffset) || differs(beamLineWidth, o->beamLineWidth) ||
           differs(beamLineSpacing, o->beamLineSpacing) ||
           differs(tozanSmallNoteScale, o->tozanSmallNoteScale) ||
           differs(dynamicsScale, o->dynamicsScale) || differs(graceNoteScale, o->graceNoteScale) ||
           differs(graceOffsetX, o->graceOffsetX) || differs(graceOffsetY, o->graceOffsetY) ||
           differs(slurOffset, o->slurOffset) || tieRightBottom != o->tieRightBottom ||
           tupletRightBottom != o->tupletRightBottom || tupletBracket != o->tupletBracket ||
           differs(tieOffset, o->tieOffset) || differs(notationOffset, o->notationOffset) ||
           differs(tremoloOffsetL, o->tremoloOffsetL) ||
           differs(tremoloOffsetW, o->tremoloOffsetW) || differs(tupletOffset, o->tupletOffset) ||
           differs(octaveInstructionScale, o->octaveInstructionScale) ||
           octaveInstructionRightOrBottom != o->octaveInstructionRightOrBottom ||
           doubleQuoteOtsu != o->doubleQuoteOtsu ||
           differs(octaveInstructionOffsetL, o->octaveInstructionOffsetL) ||
           differs(octaveInstructionOffsetW, o->octaveInstructionOffsetW) ||
           insertNoteSpacer != o->insertNoteSpacer ||
           differs(noteSpacerRatio, o->noteSpacerRatio) ||
           differs(fingeringSize, o->fingeringSize) ||
           differs(fingeringLineWidth, o->fingeringLineWidth) ||
           differs(fingeringOffsetL, o->fingeringOffsetL) ||
           differs(fingeringOffsetW, o->fingeringOffsetW) || tieStopBar != o->tieStopBar ||
           eraseExtension != o->eraseExtension || kinkoDefaultU != o->kinkoDefaultU ||
           differs(stageLineWidth, o->stageLineWidth) || differs(partLineWidth, o->partLineWidth) ||
           differs(measureLeadingPad, o->measureLeadingPad) ||
           differs(measureTailingPad, o->measureTailingPad) ||
           differs(measureMaxChordWidth, o->measureMaxChordWidth) ||
           differs(measureBarLineWidth, o->measureBarLineWidth) ||
           differs(measureThinLineWidth, o->measureThinLineWidth) ||
           differs(measureThickLineWidth, o->measureThickLineWidth) ||
           differs(measureDoubleLineSpacing, o->measureDoubleLineSpacing) ||
           differs(measureRepeatDotRadius, o->measureRepeatDotRadius) ||
           differs(measureRepeatDotOffset, o->measureRepeatDotOffset) ||
           differs(measureRepeatDotSeparation, o->measureRepeatDotSeparation) ||
           differs(measureTimeSignatureSize, o->measureTimeSignatureSize) ||
           multiMeasureRests != o->multiMeasureRests || differs(timeTickRatio, o->timeTickRatio) ||
           differs(tickMajorLength, o->tickMajorLength) ||
           differs(tickMajorWidth, o->tickMajorWidth) ||
           differs(tickMinorLength, o->tickMinorLength) ||
           differs(tickMinorWidth, o->tickMinorWidth) || differs(lyricsOffset, o->lyricsOffset) ||
           differs(lyricsOffsetTimeDirection, o->lyricsOffsetTimeDirection) ||
           lyricsLine != o->lyricsLine || differs(noteOffset, o->noteOffset) ||
           staffNoteFontSize != o->staffNoteFontSize ||
           differs(rehearsalMarkSize, o->rehearsalMarkSize) || differs(textOffset, o->textOffset) ||
           differs(dynamicsOffset, o->dynamicsOffset) || differs(wedgeOffset, o->wedgeOffset) ||
           differs(gapChordNote, o->gapChordNote) || differs(gapVoice, o->gapVoice) ||
           textFont != o->textFont || defaultFont != o->defaultFont;
}
