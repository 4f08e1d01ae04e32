// Score's direction writer: the user's adjustments of each Direction go back
// into the item of the `direction` element it was read from.
#include "model/score.h"

#include "document/extensionxml.h"
#include "document/markpairing.h"
#include "model/direction.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/voice.h"

using namespace ExtensionXml;

namespace {

// The directions of one voice of the source, or null for indices outside it.
const QList<Direction *> *voiceDirections(const Score *source, int measure, int part, int voice)
{
    if (measure < 0 || measure >= source->measures.size())
        return nullptr;
    const Measure *m = source->measures.at(measure);
    if (part < 0 || part >= m->parts.size() || voice < 0 || voice >= MePart::voiceCount)
        return nullptr;
    return &m->parts.at(part)->voices.at(voice)->directions;
}

const Direction *directionInList(const QList<Direction *> *list, int index)
{
    if (!list || index < 0 || index >= list->size())
        return nullptr;
    return list->at(index);
}

} // namespace

int Score::writeDirectionXml(const Score *source, QDomElement &direction, int measureIndex,
                             int partIndex, int voiceIndex, int firstIndex)
{
    const QList<Direction *> *list = voiceDirections(source, measureIndex, partIndex, voiceIndex);
    int count = 0;
    for (QDomElement type = direction.firstChildElement(QStringLiteral("direction-type"));
         !type.isNull(); type = type.nextSiblingElement(QStringLiteral("direction-type"))) {
        for (QDomElement item = type.firstChildElement(); !item.isNull();
             item = item.nextSiblingElement()) {
            if (item.tagName() == QLatin1String("dynamics")) {
                for (QDomElement mark = item.firstChildElement(); !mark.isNull();
                     mark = mark.nextSiblingElement()) {
                    if (!MarkPairing::isDynamicsMark(mark.tagName()))
                        continue;
                    // A dynamics mark is drawn as a glyph: no font, text
                    // direction or visibility of its own.
                    if (const Direction *d = directionInList(list, firstIndex + count)) {
                        if (d->moved)
                            appendOffset(document, mark, d->x, d->y);
                        if (d->scale != 1.0)
                            appendScale(document, mark, d->scale);
                    }
                    ++count;
                }
                continue;
            }
            if (MarkPairing::directionItemCount(item) == 0)
                continue;
            if (const Direction *d = directionInList(list, firstIndex + count))
                appendDirectionItemXml(item, d);
            ++count;
        }
    }
    return count;
}

void Score::appendDirectionItemXml(QDomElement &item, const Direction *direction)
{
    if (direction->moved)
        appendOffset(document, item, direction->x, direction->y);
    if (direction->scale != 1.0)
        appendScale(document, item, direction->scale);
    if (direction->fontGiven) {
        QDomElement font = appendElement(document, item, QStringLiteral("tarn-font"));
        font.setAttribute(QStringLiteral("font"), direction->font.toString());
    }
    const QString rotation = rotationName(direction->rotation);
    if (!rotation.isEmpty()) {
        QDomElement element = appendElement(document, item, QStringLiteral("tarn-rotation"));
        element.setAttribute(QStringLiteral("rotation"), rotation);
    }
    appendVisibility(document, item, direction->visibility);
}
