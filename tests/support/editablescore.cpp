#include "support/editablescore.h"

#include "document/partsettingrows.h"
#include "document/scorexmlmode.h"
#include "document/settingsvalues.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "support/scorefile.h"
#include "support/testenvironment.h"

#include <QDateTime>

#include <variant>

namespace TestSupport {

namespace {

QDateTime fixedTime()
{
    return QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5));
}

} // namespace

std::unique_ptr<Score> editableScore(bool multiMeasureRests)
{
    auto score = std::make_unique<Score>(QStringLiteral("test"), 1, false);
    score->updateClock = &fixedTime;
    if (!loadScoreFile(*score, fixturePath(QStringLiteral("undo/undo-EveryEditableItem.xml"))))
        return nullptr;
    score->style->multiMeasureRests = multiMeasureRests;
    score->generateScore();
    return score;
}

QString savedScoreFile(Score &score)
{
    return score.buildScoreXml(ScoreXmlMode::ScoreFile);
}

QStringList partSettingsText(const Part *part)
{
    using namespace PartSettingRows;
    QStringList values;
    for (const Row &row : rows()) {
        values << std::visit(
            SettingsValues::Overloaded{
                [&](bool Part::*f) { return QString::number(part->*f); },
                [&](int Part::*f) { return QString::number(part->*f); },
                [&](const Number &n) { return QString::number(part->*n.field, 'g', 17); },
                [&](QString Part::*f) { return part->*f; },
                [&](QFont Part::*f) { return (part->*f).toString(); },
                [&](NotationStyleName) { return QString::number(part->notationStyle); },
            },
            row.field);
    }
    return values;
}

} // namespace TestSupport
