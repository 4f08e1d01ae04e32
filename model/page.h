// Page and layout settings of a score, and the page geometry that the
// layout uses as a cursor while it lays the score out page by page.
//
// Lengths are millimetres; scene coordinates are millimetres times
// `scaleFactor`. The Score owns its current and default Page; dialogs work
// on clones (no parent, owned by the caller).
#pragma once

#include <QObject>
#include <QRectF>
#include <QString>

// Sheet index of `Page::paperSize`: 0 A3, 1 A4, 2 B4, 3 B5, 4 JIS B4,
// 5 JIS B5, 6 Custom (paperCustomX x paperCustomY), 7..9 the landscape
// double sheets holding two A4, B5 or JIS B5 portrait pages.
enum PaperSize : int
{
    PaperA3 = 0,
    PaperA4 = 1,
    PaperB4 = 2,
    PaperB5 = 3,
    PaperJisB4 = 4,
    PaperJisB5 = 5,
    PaperCustom = 6,
    PaperA3DoubleA4 = 7,
    PaperB4DoubleB5 = 8,
    PaperJisB4DoubleJisB5 = 9,
};

// Whether a PaperSize code is one of the double sheets (two pages a sheet).
bool isDoubleSheet(int paperSize);

class Page : public QObject
{
    Q_OBJECT

public:
    explicit Page(QObject *parent = nullptr);

    // Every setting back to a new score's default.
    void applyDefaults();

    // A new Page without parent with this page's settings, header area and
    // sheet; its counters, origin and score rectangle are a new page's.
    Page *clone() const;
    // Copies every setting and the header area; the rest of the geometry
    // (counters, sheet, stage) stays the receiver's.
    void copyFrom(const Page *source);
    // True when any persisted setting differs (the Custom size counts only
    // for the Custom sheet; a NaN always differs).
    bool isDifferent(const Page *other) const;

    void setPaperSize();
    void calcScoreRect();
    void calcLayout();
    void setCurrentPage(int page);
    void addPage(bool whitePage);
    void resetPages();
    void setScreenDecorations(bool on) { screenDecorations = on; }

    // --- settings (persisted) ---
    int paperSize = PaperJisB4DoubleJisB5;
    double paperCustomX = 200.0;
    double paperCustomY = 200.0;
    bool landscape = false;
    bool horizontal = false;
    bool rotateLyrics = false;
    bool displayPageNumber = true;
    int startPageNumber = 1;
    QString pageText;
    bool stageBracket = true;
    bool displayMeasureNumber = true;
    bool displayPartFullName = false;
    bool displayPartAbbrName = true;
    bool displayPartAbbrName1st = true;
    bool roll = false;
    double marginTop = 10.0;
    double marginLeft = 8.0;
    double marginBottom = 10.0;
    double marginRight = 8.0;
    bool insertCoverPage = false;
    bool titleFirstPageTop = true;
    int coverPageCount = 0; // computed by resetPages: index of the first score page
    double headerAreaWidth = 20.0;
    double headerBottomPad = 6.0;
    bool drawHeaderAreaRectangle = true;
    double headerAreaRectangleLineWidth = 1.0;
    bool titleFirstStageTop = false;
    double headerAreaSize = 60.0;
    QRectF headerAreaRect; // computed: header area of the first score page, scene mm
    // computed each regeneration: depth (mm) the first page's header gains
    // so that its credits fit; the stored header depth stays as it is
    double headerGrowth = 0.0;
    bool autoNewline = false;
    double measureScale = 1.2;
    bool lastLineFit = false;
    bool pageFit = false;
    bool drawStageLine = true;
    bool gridOutline = false;
    double gridOutlineWidth = 25.0;
    int measurePerLine = 4;
    bool measureEqualLength = true;
    bool measureTimeProportional = true;
    double lineWidthScale = 3.0;
    double lineWidthPad = 0.0;
    // The four measure-display switches; stored in the style element.
    bool measureDisplayBarline = true;
    bool barlineStaffNotationMode = false;
    bool measureDisplayTimeSignature = true;
    bool measureDisplayTimeSignatureFirstPart = false;

    // --- geometry (not persisted) ---
    double scaleFactor = 4.72381; // scene units per millimetre
    double glyphScale = 0.095;    // note-font glyph scale per unit of a part's note size
    QRectF scoreRect;             // all pages so far, mm
    double pageWidth = -1.0;      // sheet, mm
    double pageHeight = -1.0;
    QRectF stageRect; // stage area of the current page, relative to its origin, mm
    int pageCount = 1;
    int currentPage = 0;
    int pageNumber = 1;
    double pageOriginX = 0.0; // scene position of the current page, mm
    double pageOriginY = 0.0;
    bool screenDecorations = true;
    // The part of the scene the score view shows, scene units; written by
    // the navigator on every paint of the view, read when it draws.
    double visibleX = 0.0;
    double visibleY = 0.0;
    double visibleWidth = 0.0;
    double visibleHeight = 0.0;

private:
    void copySettingsFrom(const Page *source);
    bool sheetSizeOf(int code, double *width, double *height) const;
};
