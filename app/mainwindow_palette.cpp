// MainWindow: the note-directive palette beside the score tabs.
//
// Not built yet: each member writes its own name to the debug output and
// returns a neutral value, so that menus, signals and tests reach it.
#include "app/mainwindow.h"

#include "app/prompter.h"
#include "model/score.h"
#include "ui_mainwindow.h"

#include <QDebug>
#include <QFrame>

void MainWindow::createPallete()
{
    qDebug() << Q_FUNC_INFO;
}

void MainWindow::palleteClicked(const QModelIndex &index)
{
    Score *score = currentScore();
    if (!score)
        return;
    // A group header carries no directive: nothing to attach.
    const QString text = index.data(Qt::UserRole + 1).toString();
    if (text.isEmpty())
        return;
    if (text.startsWith(QLatin1String(".longRepeat")) ||
        text.startsWith(QLatin1String(".longStep"))) {
        const int refusal = score->addDirectiveLongRepeat(text);
        if (refusal == 1) {
            Prompter::instance().information(this, tr("Velmora"), tr("Select base chord note!"));
            return;
        }
        if (refusal == 2) {
            Prompter::instance().information(this, tr("Velmora"),
                                             tr("Long repeats cannot be nested!"));
            return;
        }
    }
    score->addDirectives(text);
}

void MainWindow::displayPallete()
{
    const bool checked = ui->actionPalleteNew->isChecked();
    qDebug().noquote() << "enter displayPattlete checked=" << (checked ? "true" : "false");
    palleteFrame->setVisible(checked);
}
