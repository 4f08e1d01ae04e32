#include "app/dialogviewfile.h"

#include "app/fileview.h"
#include "app/mainwindow.h"
#include "ui_dialogviewfile.h"

#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>

namespace {

constexpr int tilesPerRow = 3;
// Pixels of a tile's picture per scene unit of its page.
constexpr double tileScale = 0.2;

} // namespace

DialogViewFile::DialogViewFile(bool recent, MainWindow *mainWindow, QWidget *parent)
    : QDialog(parent), ui(new Ui::DialogViewFile), m_mainWindow(mainWindow)
{
    ui->setupUi(this);
    ui->pushButtonClose->setText(tr("Close"));
    if (recent)
        setRecentFiles();
    else
        setSampleFiles();
}

DialogViewFile::~DialogViewFile()
{
    delete ui;
}

void DialogViewFile::setRecentFiles()
{
    setWindowTitle(tr("Velmora: Recently Opened Files"));
    setFiles(m_mainWindow->recentFiles, recentLimit);
}

void DialogViewFile::setSampleFiles()
{
    setWindowTitle(tr("Velmora: Sample Files"));
    QStringList paths;
    const QFileInfoList entries = QDir(QStringLiteral(":/samples")).entryInfoList();
    for (const QFileInfo &entry : entries)
        paths << entry.filePath();
    setFiles(paths, sampleLimit);
}

void DialogViewFile::setFiles(const QStringList &paths, int limit)
{
    auto *grid = new QGridLayout;
    auto *tiles = new QWidget;
    tiles->setLayout(grid);
    // The form's empty contents widget goes with the replacement.
    ui->scrollArea->setWidget(tiles);

    const int count = qMin(limit, int(paths.size()));
    int added = 0;
    for (int i = 0; i < count; ++i) {
        const QString &path = paths.at(i);
        if (!path.endsWith(QLatin1String(".tnsx")))
            continue;
        auto *tile = new FileView;
        tile->setScale(tileScale);
        tile->setFile(path);
        grid->addWidget(tile, added / tilesPerRow, added % tilesPerRow);
        connect(tile, &FileView::sigClicked, m_mainWindow, &MainWindow::clickOpenFile);
        ++added;
    }
    resize(1000, 600);
    update();
}

void DialogViewFile::closeEvent(QCloseEvent *event)
{
    deleteLater();
    QDialog::closeEvent(event);
}

void DialogViewFile::on_pushButtonClose_clicked()
{
    close();
    deleteLater();
}
