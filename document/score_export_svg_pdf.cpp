// Score's SVG and PDF export: the generated pages of the scene rendered
// page by page (or spread by spread, or as one roll) into files.
#include "model/score.h"

#include "document/safewrite.h"
#include "document/svgsharing.h"
#include "model/page.h"
#include "platform/allocationfailure.h"
#include "platform/hugepageheap.h"
#include "platform/startup.h"
#include "view/scene.h"
#include "view/sheetitems.h"

#include <QBuffer>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <cmath>
#include <new>

namespace {

// Truncated towards zero, as the page cuts must not depend on rounding.
QRectF truncated(double x, double y, double w, double h)
{
    return QRectF(std::trunc(x), std::trunc(y), std::trunc(w), std::trunc(h));
}

QPageSize pdfPageSize(const Page *page)
{
    switch (page->paperSize) {
    case PaperA3:
    case PaperA3DoubleA4:
        return QPageSize(QPageSize::A3);
    case PaperA4:
        return QPageSize(QPageSize::A4);
    case PaperB4:
    case PaperB4DoubleB5:
        return QPageSize(QPageSize::B4);
    case PaperB5:
        return QPageSize(QPageSize::B5);
    case PaperJisB4:
    case PaperJisB4DoubleJisB5:
        return QPageSize(QPageSize::JisB4);
    case PaperJisB5:
        return QPageSize(QPageSize::JisB5);
    default:
        // Custom: the real page size, whatever its resolution.
        return QPageSize(QSizeF(page->pageWidth, page->pageHeight), QPageSize::Millimeter,
                         QString(), QPageSize::FuzzyMatch);
    }
}

} // namespace

QString Score::svgExportBaseName(const QString &path)
{
    // Only the extension goes: "gift.v2.svg" and "Op. 5.svg" keep the
    // names the user gave them.
    QString base = QFileInfo(path).completeBaseName();
    // Only a trailing suffix is one of ours: "my_piano" keeps its "_p".
    base.remove(QRegularExpression(QStringLiteral("_roll$")));
    base.remove(QRegularExpression(QStringLiteral("_p[0-9]*$")));
    return base;
}

bool Score::beginExportState()
{
    page->setScreenDecorations(false);
    selectedMeasures.clear();
    cleanOutput = true;
    return generateScore();
}

bool Score::endExportState()
{
    page->setScreenDecorations(true);
    cleanOutput = false;
    return generateScore();
}

bool Score::exportSpreads() const
{
    return !page->roll && (page->landscape || isDoubleSheet(page->paperSize));
}

QList<QRectF> Score::exportSourceRects(bool spreads) const
{
    const double s = page->scaleFactor;
    const double w = page->pageWidth;
    const double h = page->pageHeight;
    QList<QRectF> sources;
    if (page->roll) {
        const QRectF &r = page->scoreRect;
        sources.append(truncated(r.x() * s, 0.0, r.width() * s, r.height() * s));
        return sources;
    }
    const int pages = page->pageCount;
    const double d = page->horizontal ? 1.0 : -1.0;
    if (spreads) {
        for (int k = 0; k < pages; k += 2) {
            // In vertical writing the later page lies to the left.
            const double x = page->horizontal ? k * w : -(k + 1) * w;
            sources.append(truncated(x * s, 0.0, 2 * w * s, h * s));
        }
    } else {
        for (int k = 0; k < pages; ++k)
            sources.append(truncated(d * k * w * s, 0.0, w * s, h * s));
    }
    return sources;
}

// The text fonts' in-memory copies are unknown to any SVG viewer; the
// installed fonts they were made from draw the same glyphs.
static QByteArray namingInstalledFamilies(QByteArray svg)
{
    const QHash<QString, QString> families = Startup::derivedTextFamilies();
    for (auto it = families.begin(); it != families.end(); ++it) {
        svg.replace("font-family=\"" + it.key().toUtf8() + '"',
                    "font-family=\"" + it.value().toUtf8() + '"');
    }
    return svg;
}

QByteArray Score::renderSvgSheet(const QString &path, const QRectF &source, const QSizeF &sizeMm,
                                 const QList<QGraphicsItem *> &items)
{
    // The generator reports no write errors of its own; rendering into
    // memory leaves the writing, and its checks, to one place.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    const double mmpix = generator.resolution() / 25.3998 * 250.0 / 249.8;
    if (dSw)
        qDebug() << "res, mmpix =" << generator.resolution() << mmpix << "path=" << path;
    generator.setOutputDevice(&buffer);
    generator.setTitle(QStringLiteral("Velmora svg file made by Velmora"));
    generator.setDescription(QStringLiteral("An SVG drawing created by the Velmora"));
    const QRectF target(0.0, 0.0, sizeMm.width() * mmpix, sizeMm.height() * mmpix);
    generator.setSize(QSize(int(target.width()), int(target.height())));
    generator.setViewBox(target);
    QPainter painter;
    if (!painter.begin(&generator)) {
        reportWriteFailure(path, tr("the SVG generator could not start"));
        return QByteArray();
    }
    scene->renderSheet(&painter, target, source, items);
    painter.end();
    return SvgSharing::shared(namingInstalledFamilies(buffer.data()));
}

bool Score::exportSvgFile(const QString &path)
{
    if (refuseExportTarget(path))
        return false;
    if (dSw)
        qDebug() << "exportSvgFile in score entered";
    beginExportState();
    const bool written = writeSvgFiles(path);
    endExportState();
    return written;
}

namespace {

QString svgPageName(const QString &base, int number)
{
    return base + QStringLiteral("_p") + QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0')) +
           QStringLiteral(".svg");
}

// Pages of an earlier export of `base` into `dir` that this one did not
// write: left behind, they would read as the end of the new score.
void removeStalePages(const QString &dir, const QString &base, const QStringList &written)
{
    const QRegularExpression page(QStringLiteral("^") + QRegularExpression::escape(base) +
                                  QStringLiteral("_p[0-9]{3,}\\.svg$"));
    const QDir folder(dir);
    const QStringList candidates =
        folder.entryList({base + QStringLiteral("_p*.svg")}, QDir::Files | QDir::Hidden);
    for (const QString &name : candidates) {
        if (page.match(name).hasMatch() && !written.contains(name))
            QFile::remove(folder.filePath(name));
    }
}

} // namespace

bool Score::writeSvgFiles(const QString &path)
{
    const QString dir = QFileInfo(path).path();
    const QString base = svgExportBaseName(path);
    if (dSw)
        qDebug() << "baseName after =" << base;
    if (base.isEmpty()) {
        reportWriteFailure(path, tr("an SVG export needs a file name, not only a folder"));
        return false;
    }
    const HugePageHeap::SmallPagesAhead smallPages;
    const bool spreads = exportSpreads();
    const QList<QRectF> sources = exportSourceRects(spreads);
    QStringList names;
    QList<QRectF> sheets;
    QSizeF size((spreads ? 2 : 1) * page->pageWidth, page->pageHeight);
    if (page->roll) {
        names.append(base + QStringLiteral("_roll.svg"));
        sheets.append(sources.first());
        size = page->scoreRect.size();
    } else {
        const int step = spreads ? 2 : 1;
        for (int i = 0; i < sources.size(); ++i) {
            names.append(svgPageName(base, i * step + 1));
            sheets.append(sources.at(i));
        }
    }
    // The whole set is looked at before any page is drawn: a page that
    // may not be replaced refuses the export as it would refuse a PDF.
    for (const QString &name : std::as_const(names)) {
        const QString pagePath = dir + QLatin1Char('/') + name;
        QString error;
        if (!SafeWrite::canReplace(pagePath, error)) {
            reportWriteFailure(pagePath, error);
            return false;
        }
    }
    // Every page is written aside first: a page that fails leaves the
    // earlier export whole, never a mix of new and old pages.
    SafeWrite::FileSet pages;
    const QList<QList<QGraphicsItem *>> sheetItems = itemsOfSheets(*scene, sheets);
    for (int i = 0; i < names.size(); ++i) {
        const QString pagePath = dir + QLatin1Char('/') + names.at(i);
        const QByteArray svg = renderSvgSheet(pagePath, sheets.at(i), size, sheetItems.at(i));
        if (svg.isEmpty())
            return false;
        QString error;
        if (!pages.add(pagePath, svg, error)) {
            reportWriteFailure(pagePath, error);
            return false;
        }
    }
    QString error;
    QString failedPath;
    if (!pages.commit(error, failedPath)) {
        reportWriteFailure(failedPath, error);
        return false;
    }
    if (!page->roll)
        removeStalePages(dir, base, names);
    return true;
}

bool Score::renderPdf(QIODevice *device)
{
    QPdfWriter writer(device);
    // Glyph outlines are written on the writer's device grid (glyphoutline.h).
    // At 600 dpi it is 0.04 mm, below what the eye or a printer resolves,
    // and the numbers of a page's thousands of outline points stay short.
    writer.setResolution(600);
    writer.setCreator(QStringLiteral("Velmora"));
    const bool spreads = isDoubleSheet(page->paperSize) && !page->roll;
    if (page->roll) {
        writer.setPageSize(QPageSize(page->scoreRect.size(), QPageSize::Millimeter, QString(),
                                     QPageSize::FuzzyMatch));
    } else {
        writer.setPageSize(pdfPageSize(page));
        const bool portrait = !page->landscape && !spreads;
        writer.setPageOrientation(portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
    }
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    const QList<QRectF> sources = exportSourceRects(spreads);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing, !page->roll);
    // Items set the pen they draw with. Without one here, the writer does
    // not write a pen and a transformation for every item it visits.
    painter.setPen(Qt::NoPen);
    const QRectF target(0.0, 0.0, writer.width(), writer.height());
    const QList<QList<QGraphicsItem *>> sheetItems = itemsOfSheets(*scene, sources);
    for (int i = 0; i < sources.size(); ++i) {
        if (i > 0)
            writer.newPage();
        scene->renderSheet(&painter, target, sources.at(i), sheetItems.at(i));
    }
    return painter.end();
}

bool Score::exportPdfFile(const QString &path)
{
    if (refuseExportTarget(path))
        return false;
    beginExportState();
    bool written = false;
    try {
        written = writePdfFile(path);
    } catch (const std::bad_alloc &) {
        // The writer's buffers are gone by now: the picture goes back to
        // the screen before the failure is told.
        endExportState();
        throw;
    }
    endExportState();
    return written;
}

bool Score::writePdfFile(const QString &path)
{
    AllocationFailure::injectAt("export");
    // As for SVG: the writer ignores failed writes to its device, so the
    // PDF is made in memory and written out, checked, in one piece.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool written = false;
    {
        const HugePageHeap::SmallPagesAhead smallPages;
        written = renderPdf(&buffer);
    }
    if (written) {
        buffer.close();
        written = writeFileBytes(path, buffer.data());
    } else {
        reportWriteFailure(path, tr("the PDF writer could not start"));
    }
    return written;
}
