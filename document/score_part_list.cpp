// Score's part list: the tarn-part settings element of every score-part,
// and the score's parts built from a part list.
#include "model/score.h"

#include "document/partsettingrows.h"
#include "document/settingsvalues.h"
#include "model/part.h"

using namespace PartSettingRows;
using namespace SettingsValues;

namespace {

const QLatin1String scorePartTag("score-part");

// The text a row writes for `part`. Writing the style also records the
// name written, as the part's style text.
QString rowText(const Row &row, Part *part)
{
    return std::visit(Overloaded{
                          [&](bool Part::*f) { return formatBool(part->*f); },
                          [&](int Part::*f) { return QString::number(part->*f); },
                          [&](const Number &n) { return formatNumber(part->*n.field, n.digits); },
                          [&](QString Part::*f) { return part->*f; },
                          [&](QFont Part::*f) { return (part->*f).toString(); },
                          [&](NotationStyleName) {
                              part->notationStyleText = notationStyleName(part->notationStyle);
                              return part->notationStyleText;
                          },
                      },
                      row.field);
}

// A tarn-part holding every setting of `part`, appended to `scorePart`.
// `collapseKey` names the whole-rest-line setting as the older form does.
void appendTarnPart(QDomDocument &document, QDomElement &scorePart, Part *part, bool collapseKey)
{
    QDomElement tarnPart = document.createElement(QStringLiteral("tarn-part"));
    scorePart.appendChild(tarnPart);
    for (const Row &row : rows()) {
        QString tag = QLatin1String(row.tag);
        if (collapseKey && tag == QLatin1String("part-whole-rest-line"))
            tag = QStringLiteral("part-collapse");
        appendTextElement(document, tarnPart, tag, rowText(row, part));
    }
}

} // namespace

void Score::writePartListXml(const Score *source, QDomElement &partList)
{
    const int count = int(source->parts.size());
    int k = 0;
    for (QDomNode node = partList.firstChild(); !node.isNull() && k < count;
         node = node.nextSibling()) {
        QDomElement scorePart = node.toElement();
        if (scorePart.isNull() || scorePart.tagName() != scorePartTag)
            continue;
        appendTarnPart(document, scorePart, source->parts.at(k), false);
        ++k;
    }
}

void Score::createScorePartXml(const Score *source, QDomElement &parent)
{
    for (Part *part : source->parts) {
        QDomElement scorePart = document.createElement(scorePartTag);
        parent.appendChild(scorePart);
        appendTarnPart(document, scorePart, part, true);
    }
}

void Score::parsePartList(const QDomElement &partList)
{
    qDeleteAll(parts);
    parts.clear();
    forEachChildElement(partList, [this](const QDomElement &child) {
        if (child.tagName() != scorePartTag)
            return;
        auto *part = new Part(this);
        setPartDefaults(part);
        parts.append(part);
        parseScorePart(part, child);
    });
    numParts = int(parts.size());
}
