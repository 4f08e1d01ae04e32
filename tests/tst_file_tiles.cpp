// The preview tiles of score files and the dialog that shows them for the
// recent files and the samples: how many tiles, where they sit, what a
// tile's picture and name show, a click that opens the file, and the
// dialog's own end.
#include "app/dialogviewfile.h"
#include "app/fileview.h"
#include "app/mainwindow.h"
#include "model/page.h"
#include "model/score.h"
#include "support/dialogshot.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>

namespace tst_file_tiles {

namespace {

using TestSupport::prompter;

const QString sampleResource = QStringLiteral(":/samples/Sakura Sakura (Shakuhachi Tozan).tnsx");

// The tiles of the dialog, in grid order, with their rows and columns.
struct Tile
{
    FileView *view;
    int row;
    int column;
};

QList<Tile> tilesOf(DialogViewFile &dialog)
{
    QList<Tile> tiles;
    auto *area = dialog.findChild<QScrollArea *>(QStringLiteral("scrollArea"));
    if (!area || !area->widget())
        return tiles;
    auto *grid = qobject_cast<QGridLayout *>(area->widget()->layout());
    if (!grid)
        return tiles;
    for (int i = 0; i < grid->count(); ++i) {
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(i, &row, &column, &rows, &columns);
        if (auto *view = qobject_cast<FileView *>(grid->itemAt(i)->widget()))
            tiles << Tile{view, row, column};
    }
    return tiles;
}

void press(QWidget *widget)
{
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Counts the dark pixels (engraving) in a column band of `image`.
int inkIn(const QImage &image, int fromX, int toX)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = fromX; x < toX; ++x)
            ink += qGray(image.pixel(x, y)) < 100;
    }
    return ink;
}

// Counts the white pixels (paper) in a column band of `image`.
int paperIn(const QImage &image, int fromX, int toX)
{
    int paper = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = fromX; x < toX; ++x)
            paper += image.pixel(x, y) == qRgb(255, 255, 255);
    }
    return paper;
}

} // namespace

class TestFileTiles : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void recentFileTiles_data();
    void recentFileTiles();
    void sampleTiles();
    void tilePictureAndName();
    void twoPageVerticalSheetShowsBothPages();
    void unreadableFileGivesATile();
    void clickOpensTheFileAndTheDialogStays();
    void closingDeletesTheDialogAndItsTiles();
    void viewSamplesRunsTheDialog();
    void sampleDialogScreenshot();

private:
    QTemporaryDir m_dir;
    // `count` copies of the sample score under the temporary folder.
    QStringList scoreCopies(int count, const QString &prefix = QStringLiteral("score"));
};

void TestFileTiles::init()
{
    prompter().reset();
}

QStringList TestFileTiles::scoreCopies(int count, const QString &prefix)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString path = m_dir.filePath(QStringLiteral("%1%2.tnsx").arg(prefix).arg(i));
        if (!QFile::exists(path) && !QFile::copy(sampleResource, path))
            return {};
        paths << path;
    }
    return paths;
}

void TestFileTiles::recentFileTiles_data()
{
    QTest::addColumn<int>("others"); // entries of another suffix first
    QTest::addColumn<int>("scores");
    QTest::addColumn<int>("tiles");
    QTest::newRow("twenty scores") << 0 << 20 << 15;
    QTest::newRow("three others first") << 3 << 20 << 12;
    QTest::newRow("fewer than the limit") << 1 << 4 << 4;
    QTest::newRow("none") << 0 << 0 << 0;
}

void TestFileTiles::recentFileTiles()
{
    QFETCH(int, others);
    QFETCH(int, scores);
    QFETCH(int, tiles);

    MainWindow window;
    window.recentFiles.clear();
    for (int i = 0; i < others; ++i)
        window.recentFiles << m_dir.filePath(QStringLiteral("other%1.musicxml").arg(i));
    const QStringList copies = scoreCopies(scores);
    QCOMPARE(copies.size(), scores);
    window.recentFiles << copies;

    DialogViewFile dialog(true, &window);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Velmora: Recently Opened Files"));
    QCOMPARE(dialog.size(), QSize(1000, 600));
    const QList<Tile> found = tilesOf(dialog);
    QCOMPARE(found.size(), tiles);
    for (int k = 0; k < found.size(); ++k) {
        QCOMPARE(found.at(k).row, k / 3);
        QCOMPARE(found.at(k).column, k % 3);
        QCOMPARE(found.at(k).view->filePath(), copies.at(k));
    }
    QVERIFY(prompter().prompts.isEmpty());
}

void TestFileTiles::sampleTiles()
{
    MainWindow window;
    DialogViewFile dialog(false, &window);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Velmora: Sample Files"));
    const QStringList samples = QDir(QStringLiteral(":/samples")).entryList();
    QVERIFY(!samples.isEmpty());
    const QList<Tile> found = tilesOf(dialog);
    QCOMPARE(found.size(), qMin(int(samples.size()), DialogViewFile::sampleLimit));
    QCOMPARE(found.first().view->filePath(), QStringLiteral(":/samples/") + samples.first());
    auto *close = dialog.findChild<QPushButton *>(QStringLiteral("pushButtonClose"));
    QVERIFY(close);
    QCOMPARE(close->text(), QStringLiteral("Close"));
    auto *area = dialog.findChild<QScrollArea *>(QStringLiteral("scrollArea"));
    QVERIFY(area->widgetResizable());
}

void TestFileTiles::tilePictureAndName()
{
    const QString path = m_dir.filePath(QStringLiteral("Kojo.no.Tsuki.tnsx"));
    QVERIFY(QFile::copy(sampleResource, path) || QFile::exists(path));
    Score score(QString(), 0, false);
    QVERIFY(score.readFile(path) && score.parseScoreXml(false));
    const Page &page = *score.page;
    const double s = page.scaleFactor;
    const bool twoPages = page.paperSize >= PaperA3DoubleA4;
    const double renderedWidth = (twoPages ? 2 : 1) * page.pageWidth;

    FileView tile;
    tile.setScale(0.2);
    tile.setFile(path);
    QCOMPARE(tile.filePath(), path);
    QCOMPARE(tile.pixmap().size(),
             QSize(int(0.2 * renderedWidth * s), int(0.2 * page.pageHeight * s)));
    auto *picture = tile.findChild<QLabel *>(QStringLiteral("labelPixmap"));
    auto *name = tile.findChild<QLabel *>(QStringLiteral("labelFilePath"));
    QVERIFY(picture && name);
    QCOMPARE(picture->size(), tile.pixmap().size());
    QCOMPARE(name->text(), QStringLiteral("Kojo"));
    QCOMPARE(tile.size(), tile.sizeHint());
    QCOMPARE(tile.minimumSize(), tile.maximumSize());
    QVERIFY(inkIn(tile.pixmap().toImage(), 0, tile.pixmap().width()) > 0);
}

void TestFileTiles::twoPageVerticalSheetShowsBothPages()
{
    // The vertical sample, one measure a line: more than one page.
    const QString path = m_dir.filePath(QStringLiteral("TwoPages.tnsx"));
    {
        Score source(QString(), 0, false);
        QVERIFY(source.readFile(sampleResource) && source.parseScoreXml(false));
        QVERIFY(!source.page->horizontal);
        QCOMPARE(source.page->paperSize, int(PaperJisB4DoubleJisB5));
        source.page->measurePerLine = 1;
        QVERIFY(source.saveFileAs(path));
    }
    {
        Score check(QString(), 0, false);
        QVERIFY(check.readFile(path) && check.parseScoreXml(false) && check.generateScore());
        QVERIFY(check.page->pageCount >= 2);
    }

    FileView tile;
    tile.setScale(0.2);
    tile.setFile(path);
    const QImage image = tile.pixmap().toImage();
    const QString folder =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(image.save(folder + QStringLiteral("/tile-two-pages.png")));
    const int half = image.width() / 2;
    // Each half shows a sheet of paper with engraving on it: the second page
    // lies left of the first, so a region starting at the origin would show
    // the first page beside the empty background.
    for (const auto &[from, to] : {std::pair{0, half - 2}, std::pair{half + 2, image.width()}}) {
        const int area = (to - from) * image.height();
        QVERIFY2(paperIn(image, from, to) > area / 3, qPrintable(QString::number(from)));
        QVERIFY2(inkIn(image, from, to) > 200, qPrintable(QString::number(from)));
    }
}

void TestFileTiles::unreadableFileGivesATile()
{
    MainWindow window;
    window.recentFiles = {m_dir.filePath(QStringLiteral("gone.tnsx"))};
    DialogViewFile dialog(true, &window);
    const QList<Tile> found = tilesOf(dialog);
    QCOMPARE(found.size(), 1);
    QVERIFY(!found.first().view->pixmap().isNull());
    QCOMPARE(prompter().texts(QStringLiteral("warning")).size(), 1);
}

void TestFileTiles::clickOpensTheFileAndTheDialogStays()
{
    MainWindow window;
    window.recentFiles = scoreCopies(2, QStringLiteral("click"));
    auto *dialog = new DialogViewFile(true, &window);
    dialog->show();
    const QList<Tile> found = tilesOf(*dialog);
    QCOMPARE(found.size(), 2);
    QSignalSpy clicked(found.at(1).view, &FileView::sigClicked);
    press(found.at(1).view);
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(window.tabWidget->count(), 1);
    QCOMPARE(window.currentScore()->filePath, window.recentFiles.value(0));
    QCOMPARE(window.currentScore()->filePath, found.at(1).view->filePath());
    QVERIFY(dialog->isVisible());
    delete dialog;
}

void TestFileTiles::closingDeletesTheDialogAndItsTiles()
{
    MainWindow window;
    window.recentFiles = scoreCopies(1, QStringLiteral("close"));
    for (bool byButton : {true, false}) {
        QPointer<DialogViewFile> dialog = new DialogViewFile(true, &window);
        dialog->show();
        QPointer<FileView> tile = tilesOf(*dialog).value(0).view;
        QVERIFY(tile);
        if (byButton)
            dialog->findChild<QPushButton *>(QStringLiteral("pushButtonClose"))->click();
        else
            dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog);
        QVERIFY(!tile);
    }
}

void TestFileTiles::viewSamplesRunsTheDialog()
{
    MainWindow window;
    QPointer<QDialog> shown;
    int tiles = 0;
    prompter().dialogScripts << [&](QDialog *dialog) {
        shown = dialog;
        const QList<FileView *> views = dialog->findChildren<FileView *>();
        tiles = views.size();
        if (!views.isEmpty())
            press(views.first());
        return int(QDialog::Rejected);
    };
    window.viewSamples();
    QCOMPARE(prompter().texts().size(), 1);
    QCOMPARE(prompter().prompts.first().title, QStringLiteral("Velmora: Sample Files"));
    QVERIFY(tiles > 0);
    QCOMPARE(window.tabWidget->count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!shown);

    prompter().reset();
    window.recentFiles = scoreCopies(3, QStringLiteral("recent"));
    prompter().dialogScripts << [&](QDialog *dialog) {
        tiles = dialog->findChildren<FileView *>().size();
        return int(QDialog::Rejected);
    };
    window.viewRecent();
    QCOMPARE(prompter().prompts.value(0).title, QStringLiteral("Velmora: Recently Opened Files"));
    QCOMPARE(tiles, 3);
}

void TestFileTiles::sampleDialogScreenshot()
{
    MainWindow window;
    DialogViewFile dialog(false, &window);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    TestSupport::grabDialog(dialog, QStringLiteral("view-samples"));
    TestSupport::checkShownInside(
        dialog, {QStringLiteral("scrollArea"), QStringLiteral("pushButtonClose")});
    auto *area = dialog.findChild<QScrollArea *>(QStringLiteral("scrollArea"));
    auto *close = dialog.findChild<QPushButton *>(QStringLiteral("pushButtonClose"));
    // Close stays below the tiles, which scroll above it.
    QVERIFY(close->geometry().top() >= area->geometry().bottom());
    const QList<Tile> found = tilesOf(dialog);
    QVERIFY(!found.isEmpty());
    auto *picture = found.first().view->findChild<QLabel *>(QStringLiteral("labelPixmap"));
    QVERIFY(picture->isVisible());
    const QRect shown(picture->mapTo(area->viewport(), QPoint(0, 0)), picture->size());
    QVERIFY(area->viewport()->rect().intersects(shown));
    const int tileRows = (found.size() + 2) / 3;
    if (tileRows * found.first().view->height() > area->viewport()->height())
        QVERIFY(area->verticalScrollBar()->maximum() > 0);
}

VELMORA_TEST_MAIN(TestFileTiles)

} // namespace tst_file_tiles
#include "tst_file_tiles.moc"
