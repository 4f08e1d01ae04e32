#include "model/page.h"

#include <cmath>
#include <limits>

namespace {

// Width and height of the portrait sheet of each code but Custom, mm.
struct SheetSize
{
    double width;
    double height;
};
constexpr SheetSize sheetSizes[] = {
    {297, 420}, // A3
    {210, 297}, // A4
    {250, 353}, // B4
    {176, 250}, // B5
    {257, 364}, // JIS B4
    {182, 257}, // JIS B5
    {0, 0},     // Custom: from the page's own size
    {210, 297}, // A3 holding two A4 pages
    {176, 250}, // B4 holding two B5 pages
    {182, 257}, // JIS B4 holding two JIS B5 pages
};
constexpr int sheetCount = int(sizeof(sheetSizes) / sizeof(sheetSizes[0]));

bool differs(double a, double b)
{
    return !(a == b); // a NaN always differs
}

bool isUsableLength(double value)
{
    return std::isfinite(value) && value > 0.0;
}

// A margin or pad read from a damaged file must not turn the geometry
// into NaN; such a value counts as zero.
double finiteOrZero(double value)
{
    return std::isfinite(value) ? value : 0.0;
}

} // namespace

bool isDoubleSheet(int paperSize)
{
    return paperSize == PaperA3DoubleA4 || paperSize == PaperB4DoubleB5 ||
           paperSize == PaperJisB4DoubleJisB5;
}

Page::Page(QObject *parent) : QObject(parent)
{
    setPaperSize();
    calcScoreRect();
}

void Page::applyDefaults()
{
    const Page defaults;
    copySettingsFrom(&defaults);
}

Page *Page::clone() const
{
    auto *copy = new Page;
    copy->copySettingsFrom(this);
    copy->headerAreaRect = headerAreaRect;
    copy->headerGrowth = headerGrowth;
    copy->pageWidth = pageWidth;
    copy->pageHeight = pageHeight;
    copy->stageRect = stageRect;
    return copy;
}

void Page::copyFrom(const Page *source)
{
    copySettingsFrom(source);
    headerAreaRect = source->headerAreaRect;
}

void Page::copySettingsFrom(const Page *s)
{
    paperSize = s->paperSize;
    paperCustomX = s->paperCustomX;
    paperCustomY = s->paperCustomY;
    landscape = s->landscape;
    horizontal = s->horizontal;
    rotateLyrics = s->rotateLyrics;
    displayPageNumber = s->displayPageNumber;
    startPageNumber = s->startPageNumber;
    pageText = s->pageText;
    stageBracket = s->stageBracket;
    displayMeasureNumber = s->displayMeasureNumber;
    displayPartFullName = s->displayPartFullName;
    displayPartAbbrName = s->displayPartAbbrName;
    displayPartAbbrName1st = s->displayPartAbbrName1st;
    roll = s->roll;
    marginTop = s->marginTop;
    marginLeft = s->marginLeft;
    marginBottom = s->marginBottom;
    marginRight = s->marginRight;
    insertCoverPage = s->insertCoverPage;
    titleFirstPageTop = s->titleFirstPageTop;
    headerAreaWidth = s->headerAreaWidth;
    headerBottomPad = s->headerBottomPad;
    drawHeaderAreaRectangle = s->drawHeaderAreaRectangle;
    headerAreaRectangleLineWidth = s->headerAreaRectangleLineWidth;
    titleFirstStageTop = s->titleFirstStageTop;
    headerAreaSize = s->headerAreaSize;
    autoNewline = s->autoNewline;
    measureScale = s->measureScale;
    lastLineFit = s->lastLineFit;
    pageFit = s->pageFit;
    drawStageLine = s->drawStageLine;
    gridOutline = s->gridOutline;
    gridOutlineWidth = s->gridOutlineWidth;
    measurePerLine = s->measurePerLine;
    measureEqualLength = s->measureEqualLength;
    measureTimeProportional = s->measureTimeProportional;
    lineWidthScale = s->lineWidthScale;
    lineWidthPad = s->lineWidthPad;
    measureDisplayBarline = s->measureDisplayBarline;
    barlineStaffNotationMode = s->barlineStaffNotationMode;
    measureDisplayTimeSignature = s->measureDisplayTimeSignature;
    measureDisplayTimeSignatureFirstPart = s->measureDisplayTimeSignatureFirstPart;
}

bool Page::isDifferent(const Page *o) const
{
    if (paperSize != o->paperSize)
        return true;
    if (paperSize == PaperCustom &&
        (differs(paperCustomX, o->paperCustomX) || differs(paperCustomY, o->paperCustomY)))
        return true;
    return landscape != o->landscape || rotateLyrics != o->rotateLyrics ||
           displayPageNumber != o->displayPageNumber ||
           displayMeasureNumber != o->displayMeasureNumber ||
           displayPartFullName != o->displayPartFullName ||
           displayPartAbbrName != o->displayPartAbbrName ||
           displayPartAbbrName1st != o->displayPartAbbrName1st ||
           startPageNumber != o->startPageNumber || pageText != o->pageText ||
           stageBracket != o->stageBracket || horizontal != o->horizontal || roll != o->roll ||
           differs(marginTop, o->marginTop) || differs(marginLeft, o->marginLeft) ||
           differs(marginBottom, o->marginBottom) || differs(marginRight, o->marginRight) ||
           differs(headerAreaWidth, o->headerAreaWidth) ||
           differs(headerBottomPad, o->headerBottomPad) || insertCoverPage != o->insertCoverPage ||
           titleFirstPageTop != o->titleFirstPageTop ||
           titleFirstStageTop != o->titleFirstStageTop ||
           drawHeaderAreaRectangle != o->drawHeaderAreaRectangle ||
           differs(headerAreaRectangleLineWidth, o->headerAreaRectangleLineWidth) ||
           differs(headerAreaSize, o->headerAreaSize) || autoNewline != o->autoNewline ||
           differs(measureScale, o->measureScale) || lastLineFit != o->lastLineFit ||
           pageFit != o->pageFit || drawStageLine != o->drawStageLine ||
           gridOutline != o->gridOutline || differs(gridOutlineWidth, o->gridOutlineWidth) ||
           measurePerLine != o->measurePerLine || measureEqualLength != o->measureEqualLength ||
           measureTimeProportional != o->measureTimeProportional ||
           differs(lineWidthScale, o->lineWidthScale) || differs(lineWidthPad, o->lineWidthPad) ||
           measureDisplayBarline != o->measureDisplayBarline ||
           barlineStaffNotationMode != o->barlineStaffNotationMode ||
           measureDisplayTimeSignature != o->measureDisplayTimeSignature ||
           measureDisplayTimeSignatureFirstPart != o->measureDisplayTimeSignatureFirstPart;
}

bool Page::sheetSizeOf(int code, double *width, double *height) const
{
    if (code < 0 || code >= sheetCount)
        return false;
    if (code == PaperCustom) {
        // A damaged or nonsensical custom size must not reach the layout.
        if (!isUsableLength(paperCustomX) || !isUsableLength(paperCustomY))
            return sheetSizeOf(PaperJisB4DoubleJisB5, width, height);
        *width = paperCustomX;
        *height = paperCustomY;
        return true;
    }
    *width = sheetSizes[code].width;
    *height = sheetSizes[code].height;
    return true;
}

void Page::setPaperSize()
{
    double width = 0.0;
    double height = 0.0;
    if (!sheetSizeOf(paperSize, &width, &height)) {
        // An unknown code leaves the sheet as it was; a page that never had
        // one takes the default sheet so that the geometry stays usable.
        if (pageWidth > 0.0 && pageHeight > 0.0)
            return;
        sheetSizeOf(PaperJisB4DoubleJisB5, &width, &height);
    }
    pageWidth = landscape ? height : width;
    pageHeight = landscape ? width : height;
}

void Page::calcScoreRect()
{
    const double w = pageWidth;
    const double h = pageHeight;
    const int n = pageCount;
    if (horizontal) {
        scoreRect = roll ? QRectF(0.0, 0.0, w, n * h) : QRectF(0.0, 0.0, n * w, h);
    } else {
        scoreRect = QRectF(-w * (n - 1), 0.0, n * w, h);
    }
}

void Page::calcLayout()
{
    const int p = currentPage;
    const double top = finiteOrZero(marginTop);
    const double left = finiteOrZero(marginLeft);
    const double bottom = finiteOrZero(marginBottom);
    const double right = finiteOrZero(marginRight);
    const double headerDepth =
        finiteOrZero(headerAreaWidth) + (p == coverPageCount ? finiteOrZero(headerGrowth) : 0.0);
    const double headerPad = finiteOrZero(headerBottomPad);
    const double contentHeight = pageHeight - (bottom + top);
    const double contentWidth = pageWidth - (left + right);

    if (horizontal && roll) {
        pageOriginX = 0.0;
        pageOriginY = pageHeight * p;
    } else if (horizontal) {
        pageOriginX = p * pageWidth;
        pageOriginY = 0.0;
    } else {
        pageOriginX = -p * pageWidth;
        pageOriginY = 0.0;
    }

    stageRect = QRectF(left, top, contentWidth, contentHeight);
    if (p != coverPageCount)
        return;

    if (horizontal) {
        if (titleFirstPageTop) {
            headerAreaRect =
                QRectF(pageOriginX + left, pageOriginY + top, contentWidth, headerDepth);
            stageRect = QRectF(left, top + headerDepth + headerPad, contentWidth,
                               contentHeight - headerDepth - headerPad);
        } else {
            headerAreaRect = QRectF(pageOriginX + left, pageOriginY + top, contentWidth, 0.0);
        }
    } else {
        // Vertical writing starts at the right edge, where the header stands.
        if (titleFirstPageTop) {
            headerAreaRect = QRectF(pageOriginX + pageWidth - right - headerDepth, top, headerDepth,
                                    contentHeight);
            stageRect = QRectF(left, top, pageWidth - (headerDepth + left + right + headerPad),
                               contentHeight);
        } else {
            headerAreaRect = QRectF(pageOriginX + pageWidth - right, top, 0.0, contentHeight);
        }
    }
}

void Page::setCurrentPage(int page)
{
    currentPage = page;
    calcLayout();
}

void Page::addPage(bool whitePage)
{
    const int step = whitePage ? 2 : 1; // a white page is skipped
    pageCount += step;
    currentPage += step;
    // The start number is clamped on reading; past the last int the count
    // stays where it is rather than wrap.
    if (pageNumber < std::numeric_limits<int>::max())
        pageNumber += 1;
    calcLayout();
    calcScoreRect();
}

void Page::resetPages()
{
    pageNumber = startPageNumber;
    pageCount = 1;
    currentPage = 0;
    if (!insertCoverPage) {
        coverPageCount = 0;
        setPaperSize();
    } else if (isDoubleSheet(paperSize)) {
        // A double sheet's cover takes both halves.
        coverPageCount = 2;
        setPaperSize();
        calcLayout();
        calcScoreRect();
        pageCount = 2;
        currentPage = 1;
        calcLayout();
        calcScoreRect();
        pageCount = 3;
        currentPage = 2;
        pageNumber = startPageNumber + 2;
    } else {
        coverPageCount = 1;
        setPaperSize();
        calcLayout();
        calcScoreRect();
        pageCount = 2;
        currentPage = 1;
        pageNumber = startPageNumber + 1;
    }
    calcLayout();
    calcScoreRect();
}
