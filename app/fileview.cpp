#include "app/fileview.h"

#include "model/page.h"
#include "model/score.h"
#include "ui_fileview.h"
#include "view/scene.h"

#include <QDebug>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>

#include <memory>

namespace {

// The three landscape sheets that hold two portrait pages side by side.
bool isTwoPageSheet(int paperSize)
{
    return paperSize == PaperA3DoubleA4 || paperSize == PaperB4DoubleB5 ||
           paperSize == PaperJisB4DoubleJisB5;
}

} // namespace

FileView::FileView(QWidget *parent) : QWidget(parent), ui(new Ui::FileView)
{
    ui->setupUi(this);
}

FileView::~FileView()
{
    delete ui;
}

void FileView::setScale(double scale)
{
    m_scale = scale;
}

void FileView::setFile(const QString &path)
{
    m_filePath = path;
    // A preview score: no autosave timer, never shown, gone once painted.
    auto score = std::make_unique<Score>(QString(), 0, false);
    if (score->readFile(path) && score->parseScoreXml(false))
        score->generateScore();

    Page *page = score->page;
    // A file that did not load leaves the sheet unmeasured: an empty sheet
    // of the default size stands in for its picture.
    if (page->pageWidth <= 0 || page->pageHeight <= 0)
        page->setPaperSize();
    const double s = page->scaleFactor;
    const double w = page->pageWidth;
    const double h = page->pageHeight;
    const bool twoPages = isTwoPageSheet(page->paperSize);
    const double renderedWidth = twoPages ? 2 * w : w;
    // Pages of a vertical score run leftwards: the left page of a two-page
    // sheet lies one page width left of the origin.
    const int startX = twoPages && !page->horizontal ? int(-w * s) : 0;
    const int width = int(m_scale * renderedWidth * s);
    const int height = int(m_scale * h * s);

    m_pixmap = QPixmap(qMax(width, 1), qMax(height, 1));
    m_pixmap.fill(Qt::white);
    {
        QPainter painter(&m_pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        score->scene->render(&painter, QRectF(0, 0, width, height),
                             QRectF(startX, 0, int(renderedWidth * s), int(h * s)),
                             Qt::KeepAspectRatio);
    }
    score.reset();

    ui->labelPixmap->setPixmap(m_pixmap);
    ui->labelPixmap->setFixedSize(m_pixmap.size());
    ui->labelFilePath->setText(QFileInfo(path).baseName());
    ui->labelFilePath->setFixedHeight(ui->labelFilePath->sizeHint().height());
    setFixedSize(sizeHint());
}

void FileView::mousePressEvent(QMouseEvent *event)
{
    emit sigClicked(m_filePath);
    event->ignore();
}

void FileView::mouseDoubleClickEvent(QMouseEvent *event)
{
    qDebug() << "mouseDoubleClickEvent: windowFile =" << windowFilePath();
    emit sigDoubleClicked(m_filePath);
    event->ignore();
}
