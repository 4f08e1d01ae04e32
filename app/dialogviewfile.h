// The grid of preview tiles of the recently opened score files or of the
// sample scores, three tiles a row in a scroll area, with Close below. A
// press on a tile opens its file through the main window; the dialog stays
// open. However it is closed, it deletes itself with its tiles.
//
// Owns its form; the main window is not owned.
#pragma once

#include <QDialog>
#include <QStringList>

class MainWindow;

namespace Ui {
class DialogViewFile;
}

class DialogViewFile : public QDialog
{
    Q_OBJECT

public:
    // Shows the main window's recent files when `recent`, else the samples.
    DialogViewFile(bool recent, MainWindow *mainWindow, QWidget *parent = nullptr);
    ~DialogViewFile() override;

    // How many of the recent files, and of the sample files, are looked at.
    static constexpr int recentLimit = 15;
    static constexpr int sampleLimit = 50;

    void setRecentFiles();
    void setSampleFiles();
    // One tile for each of the first `limit` paths that ends in ".tnsx":
    // a skipped path still counts towards the limit.
    void setFiles(const QStringList &paths, int limit);

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_pushButtonClose_clicked();

private:
    Ui::DialogViewFile *ui;
    MainWindow *m_mainWindow;
};
