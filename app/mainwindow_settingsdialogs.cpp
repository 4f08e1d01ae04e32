// MainWindow: the settings dialogs, which edit copies of the current
// score's settings and apply them as undoable updates, the layout
// controller, and copying settings from one score and pasting them into
// another.
#include "app/mainwindow.h"

#include "app/dialoglog.h"
#include "app/dialogpastesettings.h"
#include "dialogs/dialogcontroller.h"
#include "dialogs/dialogstyle.h"
#include "dialogs/pagedialog.h"
#include "dialogs/partdialog.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "platform/prompter.h"
#include "ui_mainwindow.h"

#include <QDebug>
#include <QUndoStack>

#include <algorithm>
#include <memory>

namespace {

// The most parts a copy keeps.
constexpr int copiedPartLimit = 30;

void showAndRaise(QWidget *dialog)
{
    dialog->show();
    dialog->raise();
}

// The page dialog edits a fresh copy of the score's page; the copy it
// edited before goes (the dialog lets go of it at this very load).
void loadPageDialog(MainWindow &window, Score *score)
{
    Page *previous = window.editedPage;
    window.editedPage = score->page->clone();
    window.editedPage->setParent(&window);
    window.pageDialog->setDialog(window.editedPage, score->defaultPage);
    delete previous;
}

} // namespace

void MainWindow::layoutController()
{
    Score *score = currentScore();
    if (!score)
        return;
    dialogController->setScore(score);
    showAndRaise(dialogController);
}

void MainWindow::setPage()
{
    Score *score = currentScore();
    if (!score)
        return;
    loadPageDialog(*this, score);
    showAndRaise(pageDialog);
}

void MainWindow::setPart()
{
    if (!currentScore())
        return;
    setPart2();
    qDebug().noquote() << "MainWindow::setPart() exec.";
    showAndRaise(partDialog);
}

void MainWindow::setPart2()
{
    qDeleteAll(editedParts);
    editedParts.clear();
    Score *score = currentScore();
    if (!score)
        return;
    for (const Part *part : std::as_const(score->parts))
        editedParts.append(part->clone());
    partDialog->setDialog(&editedParts, score->defaultPart);
}

void MainWindow::setStyle()
{
    if (!currentScore())
        return;
    setStyle2();
    showAndRaise(dialogStyle);
}

void MainWindow::setStyle2()
{
    Score *score = currentScore();
    if (!score)
        return;
    Style *previous = editedStyle;
    editedStyle = score->style->clone();
    editedStyle->setParent(this);
    dialogStyle->setDialog(editedStyle, score->defaultStyle);
    delete previous;
    score->appendLog(QStringLiteral("setStyle completed--------------\n"));
}

void MainWindow::pageApply()
{
    Score *score = currentScore();
    if (!score || !editedPage)
        return;
    score->updatePageCommand(editedPage, false);
    updateSplitterOrientation();
    dialogController->setScore(score);
    score->appendLog(QStringLiteral("pageApply completed------------\n"));
}

void MainWindow::partApply()
{
    Score *score = currentScore();
    // The part dialog may still hold the list of a score that has fewer
    // or more parts than the one in front now: that list is not its own.
    if (!score || editedParts.size() != score->parts.size())
        return;
    score->updatePartCommand(editedParts);
    score->show();
    score->appendLog(QStringLiteral("partApply completed------------\n"));
}

void MainWindow::styleApply()
{
    Score *score = currentScore();
    if (!score || !editedStyle)
        return;
    score->updateStyleCommand(editedStyle);
    score->appendLog(QStringLiteral("styleApply completed------------\n"));
}

void MainWindow::pageChange()
{
    Score *score = currentScore();
    if (!score || !editedPage)
        return;
    qDebug().noquote() << "Mainwindow::pageChange entered.";
    qDebug().noquote() << "Mainwindow::pageChange scoreHorizontalQ ,pageRollQ ="
                       << (editedPage->horizontal ? "true" : "false")
                       << (editedPage->roll ? "true" : "false");
    score->updatePageCommand(editedPage, true);
    score->undoStack->clear();
    score->setChanged(true);
    score->appendLog(QStringLiteral("pageChange completed------------\n"));
}

void MainWindow::updateDialogs()
{
    Score *score = currentScore();
    if (!score) {
        dialogController->hide();
        pageDialog->hide();
        partDialog->hide();
        dialogStyle->hide();
        dialogLog->hide();
        return;
    }
    if (!dialogController->isHidden())
        dialogController->setScore(score);
    if (!pageDialog->isHidden())
        loadPageDialog(*this, score);
    if (!partDialog->isHidden())
        setPart2();
    if (!dialogStyle->isHidden())
        setStyle2();
    dialogLog->setLog(score->logText);
    ui->actionMultimeasureRests->setChecked(score->style->multiMeasureRests);
}

void MainWindow::copySettings()
{
    Score *score = currentScore();
    if (!score)
        return;
    copiedSourceName = score->filePath.isEmpty() ? score->musicXmlFilePath : score->filePath;
    delete copiedPage;
    copiedPage = score->page->clone();
    copiedPage->setParent(this);
    delete copiedStyle;
    copiedStyle = score->style->clone();
    copiedStyle->setParent(this);
    copiedPartCount = score->parts.size();
    qDeleteAll(copiedParts);
    copiedParts.clear();
    for (int i = 0; i < std::min(copiedPartCount, copiedPartLimit); ++i)
        copiedParts.append(score->parts.at(i)->clone());
}

void MainWindow::pasteSettings()
{
    if (!currentScore())
        return;
    if (copiedSourceName.isEmpty()) {
        Prompter::instance().warning(this, tr("Velmora: Paste Settings"),
                                     tr("No Settings copied yet!"));
        return;
    }
    dialogPasteSettings->setFilePath(copiedSourceName);
    showAndRaise(dialogPasteSettings);
}

namespace {

// The target's own parts, the first of them replaced by the copied ones.
QList<Part *> partsToPaste(const Score *target, const QList<Part *> &copied, int copiedCount)
{
    qDebug().noquote() << "pasteSettings: 10";
    QList<Part *> parts = target->parts;
    const int n = std::min({copiedCount, int(parts.size()), copiedPartLimit, int(copied.size())});
    for (int i = 0; i < n; ++i)
        parts[i] = copied.at(i);
    return parts;
}

// A fresh copy of the copied page carrying the target's own page text, so
// that no command ever shares the stored copy.
std::unique_ptr<Page> pageToPaste(const Score *target, const Page *copied)
{
    std::unique_ptr<Page> page(copied->clone());
    page->pageText = target->page->pageText;
    return page;
}

} // namespace

void MainWindow::pasteSettingsParts()
{
    Score *score = currentScore();
    if (!score || copiedSourceName.isEmpty())
        return;
    score->updatePartCommand(partsToPaste(score, copiedParts, copiedPartCount));
    score->generateScore();
    Prompter::instance().information(this, tr("Velmora"), tr("Paste Settings Parts is Done!"));
}

void MainWindow::pasteSettingsMeasurePage()
{
    Score *score = currentScore();
    if (!score || copiedSourceName.isEmpty())
        return;
    score->updatePageCommand(pageToPaste(score, copiedPage).get(), false);
    score->generateScore();
    Prompter::instance().information(this, tr("Velmora"),
                                     tr("Paste Settings MeasurePage is Done!"));
}

void MainWindow::pasteSettingsStyle()
{
    Score *score = currentScore();
    if (!score || copiedSourceName.isEmpty())
        return;
    const std::unique_ptr<Style> style(copiedStyle->clone());
    score->updateStyleCommand(style.get());
    score->generateScore();
    Prompter::instance().information(this, tr("Velmora"), tr("Paste Settings Style is Done!"));
}

void MainWindow::pasteSettingsAll()
{
    Score *score = currentScore();
    if (!score || copiedSourceName.isEmpty())
        return;
    // Each update regenerates by itself.
    score->updatePartCommand(partsToPaste(score, copiedParts, copiedPartCount));
    score->updatePageCommand(pageToPaste(score, copiedPage).get(), false);
    const std::unique_ptr<Style> style(copiedStyle->clone());
    score->updateStyleCommand(style.get());
    Prompter::instance().information(this, tr("Velmora"), tr("Paste Settings All is Done!"));
}
