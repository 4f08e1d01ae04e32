// MainWindow: the lyric tools of the Tools menu (change pitch, delete and
// move lyric lines) and the two commands that open a changed copy of the
// score (note names as lyrics, a staff-notation twin of a part).
#include "app/dialogconvertnotename.h"
#include "app/dialogdeletelyrics.h"
#include "app/dialogmovelyricssn.h"
#include "app/mainwindow.h"
#include "dialogs/partdialog.h"
#include "document/scorexmlmode.h"
#include "model/notefonts.h"
#include "model/part.h"
#include "model/score.h"
#include "platform/prompter.h"

#include <QDebug>
#include <QTabWidget>

namespace {

// The delete and move commands' ranges: the entry after the last part
// stands for every part, lyric number 6 for lines 1 to 5.
struct LyricRange
{
    int partFrom = 0;
    int partTo = 0;
    int lyricFrom = 0;
    int lyricTo = 0;
};

LyricRange lyricRange(int partIndex, int numParts, int lyricNumber)
{
    LyricRange range{partIndex, partIndex, lyricNumber, lyricNumber};
    if (partIndex == numParts) {
        range.partFrom = 0;
        range.partTo = numParts - 1;
    }
    if (lyricNumber == DialogMoveLyricsSN::lyricLines + 1) {
        range.lyricFrom = 1;
        range.lyricTo = DialogMoveLyricsSN::lyricLines;
    }
    qDebug() << "deleteLyrics partFrom, partTo, lyricFrom, LyricTo = " << range.partFrom
             << range.partTo << range.lyricFrom << range.lyricTo;
    return range;
}

} // namespace

// The copy duplicate2 opened in a new current tab; null when it opened none.
static Score *openedCopy(MainWindow &window, const QString &suffix)
{
    const int tabsBefore = window.tabWidget->count();
    window.duplicate2(suffix);
    return window.tabWidget->count() > tabsBefore ? window.currentScore() : nullptr;
}

void MainWindow::convertLyricsToPithes()
{
    Score *score = currentScore();
    if (!score)
        return;
    dialogConvertNoteName->setDialog(score->numParts);
    Prompter::instance().runDialog(dialogConvertNoteName);
}

void MainWindow::convertNoteName()
{
    Score *score = currentScore();
    if (!score)
        return;
    const int lyric = dialogConvertNoteName->getLyricNumber();
    int from = dialogConvertNoteName->getPartIndex();
    int to = from;
    if (dialogConvertNoteName->isAllParts()) {
        from = 0;
        to = score->numParts - 1;
    }
    for (int part = from; part <= to; ++part)
        score->convLyricsToPitches(part, lyric);
    if (dialogConvertNoteName->isDeleteLyrics()) {
        for (int part = from; part <= to; ++part)
            score->deleteLyrics2(part, lyric);
        score->generateScore();
    }
    score->setChanged(true);
}

void MainWindow::deleteLyricsDiag()
{
    Score *score = currentScore();
    if (!score)
        return;
    dialogDeleteLyrics->setDialog(score->numParts);
    Prompter::instance().runDialog(dialogDeleteLyrics);
}

void MainWindow::deleteLyrics()
{
    Score *score = currentScore();
    if (!score)
        return;
    const LyricRange range = lyricRange(dialogDeleteLyrics->getPartIndex(), score->numParts,
                                        dialogDeleteLyrics->getLyricNumber());
    for (int part = range.partFrom; part <= range.partTo; ++part) {
        for (int lyric = range.lyricFrom; lyric <= range.lyricTo; ++lyric)
            score->deleteLyrics2(part, lyric);
    }
    score->setChanged(true);
    score->generateScore();
}

void MainWindow::moveLyricsSNDiag()
{
    Score *score = currentScore();
    if (!score)
        return;
    dialogMoveLyricsSN->setDialog(score->numParts);
    Prompter::instance().runDialog(dialogMoveLyricsSN);
}

void MainWindow::moveLyricsSN()
{
    Score *score = currentScore();
    if (!score)
        return;
    const LyricRange range = lyricRange(dialogMoveLyricsSN->getPartIndex(), score->numParts,
                                        dialogMoveLyricsSN->getLyricNumber());
    const int position = dialogMoveLyricsSN->getRelativePosition();
    for (int part = range.partFrom; part <= range.partTo; ++part) {
        for (int lyric = range.lyricFrom; lyric <= range.lyricTo; ++lyric)
            score->moveLyrics2(part, lyric, position);
    }
    score->setChanged(true);
    score->generateScore();
}

void MainWindow::outputNoteNamesToLyrics()
{
    Score *source = currentScore();
    if (!source)
        return;
    setPart();
    partDialog->setMoreChecked(true);
    partDialog->show();
    partDialog->raise();
    Prompter &prompter = Prompter::instance();
    prompter.beep();
    const auto answer = prompter.question(
        this, tr("Velmora"),
        tr("This command will use Part dialog's output settings.\nPress Ok to continue."),
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    if (answer != QMessageBox::Ok)
        return;

    Score *copy = openedCopy(*this, QStringLiteral("_lyric"));
    if (!copy)
        return;
    // The copy's own document, rewritten with every note's name as a lyric,
    // becomes its model.
    const QString text = copy->buildScoreXml(ScoreXmlMode::NoteNameRewrite);
    if (!copy->rebuildModel(text))
        return;
    copy->setChanged(true);
    updateSplitterOrientation();
    copy->generateScore();
    copy->zoomReset();
    updateDialogs();
}

void MainWindow::on_actionInsertSNPart_triggered()
{
    Score *source = currentScore();
    if (!source || source->numParts < 1)
        return;
    bool ok = false;
    const int number = Prompter::instance().integer(this, tr("Duplicate Part"), tr("Part Number:"),
                                                    1, 1, source->numParts, 1, &ok);
    if (!ok)
        return;

    Score *copy = openedCopy(*this, QStringLiteral("_duppart"));
    if (!copy)
        return;
    const int partIndex = number - 1;
    const std::optional<QString> text = copy->duplicateScoreXmlPart(partIndex);
    if (!text || !copy->rebuildModel(*text)) {
        // Nothing to show that differs from the source: the copy goes again.
        closeScoreTab(tabIndexOf(copy));
        return;
    }
    copy->setChanged(true);
    updateSplitterOrientation();
    // The part that was copied turns to staff notation; its twin, right
    // after it, keeps the original notation.
    Part *part = copy->parts.at(partIndex);
    part->changeNotationStyle(NotationStyle::StaffNotation);
    part->timeTicks = false;
    part->timeTicks16th = false;
    copy->generateScore();
    copy->zoomReset();
    updateDialogs();
}
