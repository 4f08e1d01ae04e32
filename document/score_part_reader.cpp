// Score's reader of one MusicXML score-part: the part's names and the
// program's own part settings in its "tarn-part" child.
#include "model/score.h"

#include "document/partsettingrows.h"
#include "document/readbounds.h"
#include "document/settingsvalues.h"
#include "model/notefonts.h"
#include "model/part.h"

#include <QList>

#include <memory>
#include <variant>

using namespace PartSettingRows;
using namespace SettingsValues;

namespace {

// A Part's own defaults, made only when a read value has to fall back.
class PartDefaults
{
public:
    explicit PartDefaults(Score *score) : m_score(score) {}
    const Part &part()
    {
        if (!m_part)
            m_part = std::make_unique<Part>(m_score);
        return *m_part;
    }

private:
    Score *m_score;
    std::unique_ptr<Part> m_part;
};

// Notes of no size cannot be laid out.
bool isUsableNumber(double Part::*field, double value)
{
    return field != &Part::noteFontSize || value > 0.0;
}

void readNotationStyle(const QString &text, Part *part)
{
    part->notationStyleText = text;
    part->notationStyle = NotationStyle::fromName(text);
    if (NotationStyle::name(part->notationStyle) != text)
        qDebug("parseScorePart notationstyle not defined, use default =========Warning");
}

void readRow(const QDomElement &child, const Row &row, Part *part, PartDefaults &defaults)
{
    const QString text = child.text();
    std::visit(Overloaded{
                   [&](bool Part::*f) { part->*f = readBool(text); },
                   [&](int Part::*f) {
                       // The key is added to every pitch.
                       const int value = readInt(text);
                       part->*f =
                           f == &Part::instrumentKey ? ReadBounds::clampOffset(value) : value;
                   },
                   [&](const Number &n) {
                       const std::optional<double> value = readFiniteNumber(text);
                       if (value && isUsableNumber(n.field, *value))
                           part->*n.field = *value;
                       else
                           part->*n.field = defaults.part().*n.field;
                   },
                   [&](QString Part::*f) { part->*f = text; },
                   [&](QFont Part::*f) {
                       QFont font = part->*f;
                       if (font.fromString(text))
                           part->*f = font;
                   },
                   [&](NotationStyleName) { readNotationStyle(text, part); },
               },
               row.field);
}

// The environment file names the whole-rest-line flag "part-collapse" and
// carries no part shift; its own key for that flag is not read either.
QString rowTagOf(const QString &tag, bool environmentForm)
{
    if (!environmentForm)
        return tag;
    if (tag == QLatin1String("part-collapse"))
        return QStringLiteral("part-whole-rest-line");
    if (tag == QLatin1String("part-whole-rest-line") || tag == QLatin1String("part-shift"))
        return QString();
    return tag;
}

void readTarnPart(const QDomElement &element, Part *part, PartDefaults &defaults,
                  bool environmentForm = false)
{
    forEachChildElement(element, [&](const QDomElement &child) {
        const QString tag = rowTagOf(child.tagName(), environmentForm);
        if (tag.isEmpty())
            return;
        for (const Row &row : rows()) {
            if (tag == QLatin1String(row.tag)) {
                readRow(child, row, part, defaults);
                return;
            }
        }
    });
}

} // namespace

void Score::parseScorePart(Part *target, const QDomElement &element)
{
    PartDefaults defaults(this);
    forEachChildElement(element, [&](const QDomElement &child) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("part-name"))
            target->partName = child.text();
        else if (tag == QLatin1String("part-abbreviation"))
            target->partAbbreviation = child.text();
        else if (tag == QLatin1String("tarn-part"))
            readTarnPart(child, target, defaults);
    });
}

void Score::parseEnvironmentPart(Part *target, const QDomElement &tarnPart)
{
    PartDefaults defaults(this);
    readTarnPart(tarnPart, target, defaults, true);
}
