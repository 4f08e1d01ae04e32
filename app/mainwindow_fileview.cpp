// MainWindow: the tile views of the recent and the sample files.
//
// clickViewFile is not built yet: it writes its own name to the debug
// output, so that tests reach it.
#include "app/mainwindow.h"

#include "app/dialogviewfile.h"
#include "platform/prompter.h"

#include <QDebug>
#include <QPointer>

namespace {

// Runs a new tile dialog modally; it deletes itself when closed, and is
// deleted here if the run ended without closing it.
void runViewFile(MainWindow *window, bool recent)
{
    QPointer<DialogViewFile> dialog = new DialogViewFile(recent, window);
    Prompter::instance().runDialog(dialog);
    if (dialog)
        dialog->deleteLater();
}

} // namespace

void MainWindow::viewRecent()
{
    runViewFile(this, true);
}

void MainWindow::viewSamples()
{
    runViewFile(this, false);
}

// Connected to nothing: a click in the file views opens through
// clickOpenFile. Only says which file it was given.
void MainWindow::clickViewFile(const QString &path)
{
    qDebug() << "clickViewFile: filePath = " << path;
}
