// Score: the commands that change a whole score at once (style, parts,
// page, multi-measure rests, measure sizes), each one undo step.
#include "model/page.h"
#include "model/score.h"
#include "model/style.h"
#include "view/settingcommands.h"

#include <QDebug>

void Score::updateStyleCommand(const Style *newStyle)
{
    // An Apply without changes must leave no step to undo.
    if (!style->isDifferent(newStyle))
        return;
    auto *command = new UpdateStyle(this, newStyle);
    command->setText(QStringLiteral("UpdateStyle"));
    pushCommand(command);
    generateScore();
}

void Score::updatePartCommand(const QList<Part *> &newParts)
{
    auto *command = new UpdatePart(this, newParts);
    command->setText(QStringLiteral("UpdatePart"));
    pushCommand(command);
    generateScore();
}

void Score::updatePageCommand(const Page *newPage, bool resetOffsets)
{
    if (resetOffsets)
        resetAllItemOffsets();
    if (!page->isDifferent(newPage))
        return;
    auto *command = new UpdatePage(this, newPage);
    command->setText(QStringLiteral("UpdatePage"));
    pushCommand(command);
    generateScore();
}

void Score::multiMeasureRests()
{
    qDebug().noquote() << "multiMeasureRests() in score entered.";
    auto *command = new MultiMeasureRests(this);
    command->setText(QStringLiteral("MultiMeasureRests"));
    pushCommand(command);
    generateScore();
}

void Score::resetSizeMeasures()
{
    if (dSw)
        qDebug().noquote() << "resetSizeMeasures entered.";
    auto *command = new ResetMeasureScale(this);
    command->setText(QStringLiteral("ResetMeasureScale"));
    pushCommand(command);
    setChanged(true);
    generateScore();
}
