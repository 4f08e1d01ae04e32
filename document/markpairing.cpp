#include "document/markpairing.h"

#include <QStringList>

namespace {

// The integer of a `number` attribute; absent or empty is 1, not a number 0.
int numberAttribute(const QDomElement &element)
{
    const QString text = element.attribute(QStringLiteral("number")).trimmed();
    if (text.isEmpty())
        return 1;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

int inSlots(int number, int slotCount)
{
    return number >= 1 && number <= slotCount ? number : 0;
}

bool isStartOrStop(const QDomElement &element)
{
    const QString type = element.attribute(QStringLiteral("type"));
    return type == QLatin1String("start") || type == QLatin1String("stop");
}

const QStringList &articulationMarks()
{
    static const QStringList marks = {
        QStringLiteral("staccato"),        QStringLiteral("accent"),
        QStringLiteral("staccatissimo"),   QStringLiteral("tenuto"),
        QStringLiteral("detached-legato"), QStringLiteral("strong-accent"),
        QStringLiteral("stress"),          QStringLiteral("unstress"),
        QStringLiteral("soft-accent")};
    return marks;
}

bool makesOrnamentNotation(const QDomElement &element)
{
    const QString tag = element.tagName();
    if (tag == QLatin1String("trill-mark") || tag == QLatin1String("mordent") ||
        tag == QLatin1String("inverted-mordent") || tag == QLatin1String("wavy-line"))
        return true;
    if (tag != QLatin1String("tremolo"))
        return false;
    const QString type = MarkPairing::tremoloType(element);
    return type == QLatin1String("single") || type == QLatin1String("start");
}

} // namespace

namespace MarkPairing {

int slurNumber(const QDomElement &slur)
{
    return inSlots(numberAttribute(slur), 5);
}

int tupletNumber(const QDomElement &tuplet)
{
    return inSlots(numberAttribute(tuplet), 3);
}

QString tremoloType(const QDomElement &tremolo)
{
    if (!tremolo.hasAttribute(QStringLiteral("type")))
        return QStringLiteral("single");
    return tremolo.attribute(QStringLiteral("type"));
}

bool makesNotation(const QDomElement &element)
{
    const QString parent = element.parentNode().toElement().tagName();
    const QString tag = element.tagName();
    if (parent == QLatin1String("articulations"))
        return articulationMarks().contains(tag);
    if (parent == QLatin1String("ornaments"))
        return makesOrnamentNotation(element);
    if (tag == QLatin1String("fermata"))
        return true;
    return tag == QLatin1String("slur") && isStartOrStop(element);
}

bool isDynamicsMark(const QString &tag)
{
    static const QStringList marks = {
        QStringLiteral("ppp"),  QStringLiteral("pp"),  QStringLiteral("p"),
        QStringLiteral("mp"),   QStringLiteral("mf"),  QStringLiteral("f"),
        QStringLiteral("ff"),   QStringLiteral("fff"), QStringLiteral("fp"),
        QStringLiteral("sf"),   QStringLiteral("sfz"), QStringLiteral("sff"),
        QStringLiteral("sffz"), QStringLiteral("sfp"), QStringLiteral("sfpp"),
        QStringLiteral("rfz"),  QStringLiteral("rf"),  QStringLiteral("fz")};
    return marks.contains(tag);
}

int directionItemCount(const QDomElement &item)
{
    const QString tag = item.tagName();
    if (tag == QLatin1String("dynamics")) {
        int count = 0;
        for (QDomElement mark = item.firstChildElement(); !mark.isNull();
             mark = mark.nextSiblingElement()) {
            if (isDynamicsMark(mark.tagName()))
                ++count;
        }
        return count;
    }
    if (tag == QLatin1String("wedge")) {
        const QString type = item.attribute(QStringLiteral("type"));
        return type == QLatin1String("crescendo") || type == QLatin1String("diminuendo") ||
               type == QLatin1String("stop");
    }
    static const QStringList singleItems = {
        QStringLiteral("words"),   QStringLiteral("metronome"), QStringLiteral("rehearsal"),
        QStringLiteral("bracket"), QStringLiteral("dashes"),    QStringLiteral("octave-shift"),
        QStringLiteral("coda"),    QStringLiteral("segno")};
    return singleItems.contains(tag) ? 1 : 0;
}

} // namespace MarkPairing
