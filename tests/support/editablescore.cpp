#include "support/editablescore.h"

#include "document/partsettingrows.h"
#include "document/scorexmlmode.h"
#include "document/settingsvalues.h"
#include "model/direction.h"
#include "model/directive.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
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

Voice *firstVoice(Score &score, int measure)
{
    return score.measures.at(measure)->parts.at(0)->voices.made(0);
}

Note *noteOf(Score &score, int measure, int index)
{
    return firstVoice(score, measure)->notes.at(index);
}

Note *firstNote(Score &score)
{
    return noteOf(score, 0, 0);
}

Direction *dolce(Score &score)
{
    return firstVoice(score)->directions.at(0);
}

Direction *rit(Score &score)
{
    return firstVoice(score, 4)->directions.at(0);
}

Notation *notationOfKind(Note *note, int kind)
{
    for (Notation *notation : std::as_const(note->notations)) {
        if (notation->kind == kind)
            return notation;
    }
    qFatal("no notation of kind %d", kind);
    return nullptr;
}

Notation *slur(Score &score)
{
    return notationOfKind(firstNote(score), NotationKind::Slur);
}

Notation *fermata(Score &score)
{
    return notationOfKind(firstNote(score), NotationKind::Fermata);
}

Directive *directiveOf(Note *note, const QString &text)
{
    for (Directive *directive : std::as_const(note->directives)) {
        if (directive->text == text)
            return directive;
    }
    qFatal("no directive %s", qPrintable(text));
    return nullptr;
}

} // namespace TestSupport
