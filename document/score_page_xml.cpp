// Score's page settings element, "tarn-page": written from and read into a
// Page, in the score file and in the environment file alike.
#include "model/score.h"

#include "document/readbounds.h"
#include "document/settingsvalues.h"
#include "model/page.h"

#include <QList>

#include <variant>

using namespace SettingsValues;

namespace {

// A number stored in an attribute, unrounded.
struct AttributeNumber
{
    const char *name;
    double Page::*field;
};
using AttributeNumbers = QList<AttributeNumber>;

using PageField =
    std::variant<bool Page::*, int Page::*, double Page::*, QString Page::*, AttributeNumbers>;

struct PageRow
{
    const char *tag;
    PageField field;
};

// The children of tarn-page, in the order they are written.
const QList<PageRow> &pageRows()
{
    static const QList<PageRow> rows = {
        {"paper-size", &Page::paperSize},
        {"paper-custom", AttributeNumbers{{"x", &Page::paperCustomX}, {"y", &Page::paperCustomY}}},
        {"landscape", &Page::landscape},
        {"horizontal", &Page::horizontal},
        {"rotate-lyrics", &Page::rotateLyrics},
        {"display-page-number", &Page::displayPageNumber},
        {"start-page-number", &Page::startPageNumber},
        {"page-text", &Page::pageText},
        {"display-measure-number", &Page::displayMeasureNumber},
        {"display-part-full-name", &Page::displayPartFullName},
        {"display-part-abbr-name", &Page::displayPartAbbrName},
        {"display-part-abbr-name-1st", &Page::displayPartAbbrName1st},
        {"stage-bracket", &Page::stageBracket},
        {"roll", &Page::roll},
        {"margin", AttributeNumbers{{"top", &Page::marginTop},
                                    {"left", &Page::marginLeft},
                                    {"bottom", &Page::marginBottom},
                                    {"right", &Page::marginRight}}},
        {"auto-newline", &Page::autoNewline},
        {"measure-scale", &Page::measureScale},
        {"last-line-fit", &Page::lastLineFit},
        {"page-fit", &Page::pageFit},
        {"draw-stage-line", &Page::drawStageLine},
        {"grid-outline", &Page::gridOutline},
        {"grid-outline-width", &Page::gridOutlineWidth},
        {"measure-per-line", &Page::measurePerLine},
        {"measure-equal-length", &Page::measureEqualLength},
        {"measure-time-proportional", &Page::measureTimeProportional},
        {"line-width-scale", &Page::lineWidthScale},
        {"line-width-pad", &Page::lineWidthPad},
        {"header-area-width", &Page::headerAreaWidth},
        {"header-bottom-pad", &Page::headerBottomPad},
        {"insert-cover-page", &Page::insertCoverPage},
        {"title-first-page-top", &Page::titleFirstPageTop},
        {"draw-header-area-rectangle", &Page::drawHeaderAreaRectangle},
        {"header-area-rectangle-line-width", &Page::headerAreaRectangleLineWidth},
        {"title-first-stage-top", &Page::titleFirstStageTop},
        {"header-area-size", &Page::headerAreaSize},
    };
    return rows;
}

void writeRow(QDomDocument &document, QDomElement &parent, const PageRow &row, const Page *page)
{
    const QString tag = QLatin1String(row.tag);
    std::visit(
        Overloaded{
            [&](bool Page::*f) { appendTextElement(document, parent, tag, formatBool(page->*f)); },
            [&](int Page::*f) {
                appendTextElement(document, parent, tag, QString::number(page->*f));
            },
            [&](double Page::*f) {
                appendTextElement(document, parent, tag, formatNumber(page->*f));
            },
            [&](QString Page::*f) { appendTextElement(document, parent, tag, page->*f); },
            [&](const AttributeNumbers &attributes) {
                QDomElement child = document.createElement(tag);
                parent.appendChild(child);
                for (const AttributeNumber &a : attributes)
                    child.setAttribute(QLatin1String(a.name), page->*a.field);
            },
        },
        row.field);
}

// A sheet code outside the table, or a custom size that is not positive,
// would leave the layout without a usable sheet.
bool isUsableSheetSetting(double Page::*field, double value)
{
    const bool customSize = field == &Page::paperCustomX || field == &Page::paperCustomY;
    return !customSize || value > 0.0;
}

bool isUsablePaperSize(int value)
{
    return value >= PaperA3 && value <= PaperJisB4DoubleJisB5;
}

void readRow(const QDomElement &child, const PageRow &row, Page *page, const Page &defaults)
{
    std::visit(Overloaded{
                   [&](bool Page::*f) { page->*f = readBool(child.text()); },
                   [&](int Page::*f) {
                       // The page number counts up from its start, page by page.
                       int value = readInt(child.text());
                       if (f == &Page::startPageNumber)
                           value = ReadBounds::clampOffset(value);
                       const bool usable = f != &Page::paperSize || isUsablePaperSize(value);
                       page->*f = usable ? value : defaults.*f;
                   },
                   [&](double Page::*f) { page->*f = readNumber(child.text(), defaults.*f); },
                   [&](QString Page::*f) { page->*f = child.text(); },
                   [&](const AttributeNumbers &attributes) {
                       for (const AttributeNumber &a : attributes) {
                           const double fallback = defaults.*a.field;
                           const double value =
                               readNumber(child.attribute(QLatin1String(a.name)), fallback);
                           page->*a.field = isUsableSheetSetting(a.field, value) ? value : fallback;
                       }
                   },
               },
               row.field);
}

} // namespace

void Score::writePageXml(const Score *source, QDomElement &parent)
{
    QDomElement element = document.createElement(QStringLiteral("tarn-page"));
    parent.appendChild(element);
    for (const PageRow &row : pageRows())
        writeRow(document, element, row, source->page);
}

void Score::parsePage(Page *target, const QDomElement &element) const
{
    const Page defaults;
    forEachChildElement(element, [&](const QDomElement &child) {
        const QString tag = child.tagName();
        for (const PageRow &row : pageRows()) {
            if (tag == QLatin1String(row.tag)) {
                readRow(child, row, target, defaults);
                break;
            }
        }
    });
}
