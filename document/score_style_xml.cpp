// Score's style settings element, "tarn-style": written from a score's
// Style and Page, read into a Style and the score's current Page, with the
// conversion of the time-tick ratio of files of older versions.
#include "model/score.h"

#include "document/settingsvalues.h"
#include "model/page.h"
#include "model/style.h"

#include <QList>

#include <variant>

using namespace SettingsValues;

namespace {

// A number written with `digits` significant digits.
struct Number
{
    double Style::*field;
    int digits = 3;
};

// Four display switches live in the Page but are stored here.
using StyleField = std::variant<Number, bool Style::*, int Style::*, QFont Style::*, bool Page::*>;

struct StyleRow
{
    const char *tag;
    StyleField field;
};

Number precise(double Style::*field)
{
    return Number{field, 6};
}

// The children of tarn-style, in the order they are written. dynamics-scale
// stands twice, as older files have it.
const QList<StyleRow> &styleRows()
{
    static const QList<StyleRow> rows = {
        {"beam-line-offset", Number{&Style::beamLineOffset}},
        {"beam-line-width", Number{&Style::beamLineWidth}},
        {"beam-line-spacing", Number{&Style::beamLineSpacing}},
        {"dynamics-scale", Number{&Style::dynamicsScale}},
        {"tozan-small-note-scale", Number{&Style::tozanSmallNoteScale}},
        {"dynamics-scale", Number{&Style::dynamicsScale}},
        {"grace-note-scale", Number{&Style::graceNoteScale}},
        {"grace-offset-x", Number{&Style::graceOffsetX}},
        {"grace-offset-y", Number{&Style::graceOffsetY}},
        {"slur-offset", Number{&Style::slurOffset}},
        {"tuplet-offset", Number{&Style::tupletOffset}},
        {"tie-right-bottom", &Style::tieRightBottom},
        {"tuplet-right-bottom", &Style::tupletRightBottom},
        {"tuplet-bracket", &Style::tupletBracket},
        {"tie-offset", Number{&Style::tieOffset}},
        {"notation-offset", Number{&Style::notationOffset}},
        {"tremolo-offset-l", Number{&Style::tremoloOffsetL}},
        {"tremolo-offset-w", Number{&Style::tremoloOffsetW}},
        {"octave-instruction-scale", Number{&Style::octaveInstructionScale}},
        {"octave-instruction-right-or-bottom", &Style::octaveInstructionRightOrBottom},
        {"double-quote-otsu", &Style::doubleQuoteOtsu},
        {"octave-instruction-offset-l", Number{&Style::octaveInstructionOffsetL}},
        {"insert-note-spacer", &Style::insertNoteSpacer},
        {"tie-stop-bar", &Style::tieStopBar},
        {"multi-measure-rests", &Style::multiMeasureRests},
        {"erase-extension", &Style::eraseExtension},
        {"kinko-default-u", &Style::kinkoDefaultU},
        {"note-spacer-ratio", Number{&Style::noteSpacerRatio}},
        {"fingering-size", Number{&Style::fingeringSize}},
        {"fingering-line-width", Number{&Style::fingeringLineWidth}},
        {"fingering-offset-l", Number{&Style::fingeringOffsetL}},
        {"fingering-offset-w", Number{&Style::fingeringOffsetW}},
        {"octave-instruction-offset-w", Number{&Style::octaveInstructionOffsetW}},
        {"lyrics-offset", Number{&Style::lyricsOffset}},
        {"lyrics-offset-time-direction", Number{&Style::lyricsOffsetTimeDirection}},
        {"lyrics-line", &Style::lyricsLine},
        {"note-offset", Number{&Style::noteOffset}},
        {"stage-line-width", Number{&Style::stageLineWidth}},
        {"part-line-width", Number{&Style::partLineWidth}},
        {"measure-leading-pad", Number{&Style::measureLeadingPad}},
        {"measure-tailing-pad", Number{&Style::measureTailingPad}},
        {"measure-max-chord-width", Number{&Style::measureMaxChordWidth}},
        {"measure-display-barline", &Page::measureDisplayBarline},
        {"barline_staff_notation_mode", &Page::barlineStaffNotationMode},
        {"measure-display-time-signature", &Page::measureDisplayTimeSignature},
        {"measure-display-time-signature-first-part", &Page::measureDisplayTimeSignatureFirstPart},
        {"measure-bar-line-width", Number{&Style::measureBarLineWidth}},
        {"measure-thin-line-width", Number{&Style::measureThinLineWidth}},
        {"measure-thick-line-width", Number{&Style::measureThickLineWidth}},
        {"measure-double-line-spacing", Number{&Style::measureDoubleLineSpacing}},
        {"measure-repeat-dot-radius", Number{&Style::measureRepeatDotRadius}},
        {"measure-repeat-dot-offset", Number{&Style::measureRepeatDotOffset}},
        {"measure-repeat-dot-separation", Number{&Style::measureRepeatDotSeparation}},
        {"measure-time-signature-size", Number{&Style::measureTimeSignatureSize}},
        {"time-tick-ratio", Number{&Style::timeTickRatio}},
        {"tick-major-length", Number{&Style::tickMajorLength}},
        {"tick-major-width", Number{&Style::tickMajorWidth}},
        {"tick-minor-length", Number{&Style::tickMinorLength}},
        {"tick-minor-width", Number{&Style::tickMinorWidth}},
        {"gap-chord-note", Number{&Style::gapChordNote}},
        {"gap-voice", Number{&Style::gapVoice}},
        {"staff-note-font-size", &Style::staffNoteFontSize},
        {"rehearsal-mark-size", precise(&Style::rehearsalMarkSize)},
        {"text-offset", precise(&Style::textOffset)},
        {"dynamics-offset", precise(&Style::dynamicsOffset)},
        {"wedge-offset", precise(&Style::wedgeOffset)},
        {"text-font", &Style::textFont},
        {"default-font", &Style::defaultFont},
    };
    return rows;
}

QString rowText(const StyleRow &row, const Style *style, const Page *page)
{
    return std::visit(Overloaded{
                          [&](const Number &n) { return formatNumber(style->*n.field, n.digits); },
                          [&](bool Style::*f) { return formatBool(style->*f); },
                          [&](int Style::*f) { return QString::number(style->*f); },
                          [&](QFont Style::*f) { return (style->*f).toString(); },
                          [&](bool Page::*f) { return formatBool(page->*f); },
                      },
                      row.field);
}

// Files of versions 1 to 3 and 4.0 to 4.1.1 kept the time-tick ratio on a
// larger scale. The test is a plain prefix test, so "4.05" counts as 4.0.
double timeTickRatioFactor(const QString &fileVersion)
{
    for (const char *prefix : {"3.", "2.", "1."}) {
        if (fileVersion.startsWith(QLatin1String(prefix)))
            return 0.25;
    }
    for (const char *prefix : {"4.0", "4.1.0", "4.1.1"}) {
        if (fileVersion.startsWith(QLatin1String(prefix)))
            return 0.5;
    }
    return 1.0;
}

// A smaller dynamics scale reads as full size.
constexpr double minimumDynamicsScale = 0.5;

double readStyleNumber(const QDomElement &child, const Number &number, const Style &defaults,
                       const QString &fileVersion)
{
    const std::optional<double> read = readFiniteNumber(child.text());
    if (!read)
        return defaults.*number.field;
    if (number.field == &Style::dynamicsScale && *read < minimumDynamicsScale)
        return 1.0;
    if (number.field == &Style::timeTickRatio)
        return *read * timeTickRatioFactor(fileVersion);
    return *read;
}

void readRow(const QDomElement &child, const StyleRow &row, Style *style, Page *page,
             const Style &defaults, const QString &fileVersion)
{
    std::visit(Overloaded{
                   [&](const Number &n) {
                       style->*n.field = readStyleNumber(child, n, defaults, fileVersion);
                   },
                   [&](bool Style::*f) { style->*f = readBool(child.text()); },
                   [&](int Style::*f) { style->*f = readInt(child.text()); },
                   [&](QFont Style::*f) {
                       QFont font = style->*f;
                       if (!font.fromString(child.text()))
                           return;
                       if (f == &Style::textFont)
                           style->setTextFont(font); // keeps the text height in step
                       else
                           style->*f = font;
                   },
                   [&](bool Page::*f) { page->*f = readBool(child.text()); },
               },
               row.field);
}

const StyleRow *rowForTag(const QString &tag)
{
    // Older files name tremolo-offset-w so; it is read, never written.
    static const StyleRow oldTremoloOffsetRow{"tremolo-offset", Number{&Style::tremoloOffsetW}};
    if (tag == QLatin1String(oldTremoloOffsetRow.tag))
        return &oldTremoloOffsetRow;
    for (const StyleRow &row : styleRows()) {
        if (tag == QLatin1String(row.tag))
            return &row;
    }
    return nullptr;
}

} // namespace

void Score::writeStyleXml(const Score *source, QDomElement &parent)
{
    QDomElement element = document.createElement(QStringLiteral("tarn-style"));
    parent.appendChild(element);
    for (const StyleRow &row : styleRows())
        appendTextElement(document, element, QLatin1String(row.tag),
                          rowText(row, source->style, source->page));
}

void Score::parseStyle(Style *target, const QDomElement &element, const QString &fileVersion)
{
    const Style defaults;
    forEachChildElement(element, [&](const QDomElement &child) {
        if (const StyleRow *row = rowForTag(child.tagName()))
            readRow(child, *row, target, page, defaults, fileVersion);
    });
}
