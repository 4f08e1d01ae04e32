#include "view/settingcommands.h"

#include "model/direction.h"
#include "model/directive.h"
#include "model/measure.h"
#include "model/notation.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"

#include <QDebug>

UpdatePage::UpdatePage(Score *score, const Page *newSettings)
    : score(score), oldPage(std::make_unique<Page>()), newPage(std::make_unique<Page>())
{
    oldPage->copyFrom(score->page);
    newPage->copyFrom(newSettings);
}

UpdatePage::~UpdatePage() = default;

void UpdatePage::undo()
{
    score->page->copyFrom(oldPage.get());
}

void UpdatePage::redo()
{
    score->page->copyFrom(newPage.get());
}

UpdateStyle::UpdateStyle(Score *score, const Style *newSettings)
    : score(score), oldStyle(std::make_unique<Style>()), newStyle(std::make_unique<Style>())
{
    oldStyle->copyFrom(score->style);
    newStyle->copyFrom(newSettings);
}

UpdateStyle::~UpdateStyle() = default;

void UpdateStyle::undo()
{
    score->style->copyFrom(oldStyle.get());
}

void UpdateStyle::redo()
{
    score->style->copyFrom(newStyle.get());
}

UpdatePart::UpdatePart(Score *score, const QList<Part *> &newSettings)
    : score(score), oldParts(score->copyPartList(score->parts)),
      newParts(score->copyPartList(newSettings))
{
    Q_ASSERT(newSettings.size() == score->parts.size());
}

UpdatePart::~UpdatePart()
{
    qDeleteAll(oldParts);
    qDeleteAll(newParts);
}

void UpdatePart::undo()
{
    apply(oldParts);
}

void UpdatePart::redo()
{
    apply(newParts);
}

void UpdatePart::apply(const QList<Part *> &settings)
{
    for (int i = 0; i < settings.size() && i < score->parts.size(); ++i)
        score->parts.at(i)->copySettingsFrom(settings.at(i));
}

UserBreakChange::UserBreakChange(Score *score, Measure *measure, int newBreak)
    : score(score), measure(measure), oldBreak(measure->userBreakType), newBreak(newBreak)
{
}

void UserBreakChange::undo()
{
    measure->userBreakType = oldBreak;
}

void UserBreakChange::redo()
{
    measure->userBreakType = newBreak;
}

InsertLineBreak::InsertLineBreak(Score *score, Measure *measure)
    : UserBreakChange(score, measure, 1)
{
}

InsertPageBreak::InsertPageBreak(Score *score, Measure *measure)
    : UserBreakChange(score, measure, 2)
{
}

InsertWhitePageBreak::InsertWhitePageBreak(Score *score, Measure *measure)
    : UserBreakChange(score, measure, 3)
{
}

DeleteLineBreak::DeleteLineBreak(Score *score, Measure *measure)
    : UserBreakChange(score, measure, 0)
{
}

DeletePageBreak::DeletePageBreak(Score *score, Measure *measure)
    : UserBreakChange(score, measure, 0)
{
}

DeleteWhitePageBreak::DeleteWhitePageBreak(Score *score, Measure *measure)
    : UserBreakChange(score, measure, 0)
{
    qDebug() << "DeleteWhitePageBreak command entered";
}

void DeleteWhitePageBreak::undo()
{
    qDebug() << "DeleteWhitePageBreak undo entered";
    UserBreakChange::undo();
}

void DeleteWhitePageBreak::redo()
{
    qDebug() << "DeleteWhitePageBreak redo entered";
    UserBreakChange::redo();
}

ChangeBreakFitting::ChangeBreakFitting(Score *score, Measure *measure)
    : score(score), measure(measure)
{
}

void ChangeBreakFitting::undo()
{
    swapFitting();
}

void ChangeBreakFitting::redo()
{
    swapFitting();
}

void ChangeBreakFitting::swapFitting()
{
    int &type = measure->userBreakType;
    if (type >= 1 && type <= 3)
        type += 3;
    else if (type >= 4 && type <= 6)
        type -= 3;
    qDebug().noquote() << QStringLiteral("ChangeBreakFitting this->measure->userBreakType = ") +
                              QString::number(type);
}

ScaleChange::ScaleChange(Score *score, double *scale, double newScale)
    : score(score), oldScale(*scale), newScale(newScale), scale(scale)
{
}

void ScaleChange::undo()
{
    *scale = oldScale;
}

void ScaleChange::redo()
{
    *scale = newScale;
}

ScaleMeasure::ScaleMeasure(Score *score, Measure *target, double newScale)
    : ScaleChange(score, &target->userScale, newScale), target(target)
{
}

ScaleNotation::ScaleNotation(Score *score, Notation *target, double newScale)
    : ScaleChange(score, &target->scale, newScale), target(target)
{
}

ScaleDirection::ScaleDirection(Score *score, Direction *target, double newScale)
    : ScaleChange(score, &target->scale, newScale), target(target)
{
}

ScaleDirective::ScaleDirective(Score *score, Directive *target, double newScale)
    : ScaleChange(score, &target->scale, newScale), target(target)
{
}

ResetMeasureScale::ResetMeasureScale(Score *score) : score(score)
{
    for (const Measure *measure : std::as_const(score->measures))
        oldScales.append(measure->userScale);
}

void ResetMeasureScale::undo()
{
    for (int i = 0; i < oldScales.size() && i < score->measures.size(); ++i)
        score->measures.at(i)->userScale = oldScales.at(i);
}

void ResetMeasureScale::redo()
{
    for (Measure *measure : std::as_const(score->measures))
        measure->userScale = 1.0;
}

MultiMeasureRests::MultiMeasureRests(Score *score)
    : score(score), oldValue(score->style->multiMeasureRests)
{
}

void MultiMeasureRests::undo()
{
    score->style->multiMeasureRests = oldValue;
}

void MultiMeasureRests::redo()
{
    score->style->multiMeasureRests = !score->style->multiMeasureRests;
}
