#include "document/writerpairing.h"

#include <QStringList>

namespace WriterPairing {

bool makesNotation(const QDomElement &element)
{
    static const QStringList articulations = {
        "staccato", "accent", "staccatissimo", "tenuto",     "detached-legato",
        "strong-accent", "stress", "unstress", "soft-accent"};
    const QString parent = element.parentNode().toElement().tagName();
    const QString tag = element.tagName();
    if (parent == QLatin1String("articulations"))
        return articulations.contains(tag);
    if (parent == QLatin1String("ornaments")) {
        if (tag == QLatin1String("tremolo")) {
            const QString type = element.attribute(QStringLiteral("type"), QStringLiteral("single"));
            return type == QLatin1String("single") || type == QLatin1String("start");
        }
        return tag == QLatin1String("trill-mark") || tag == QLatin1String("mordent") ||
               tag == QLatin1String("inverted-mordent") || tag == QLatin1String("wavy-line");
    }
    if (tag == QLatin1String("fermata"))
        return true;
    const QString type = element.attribute(QStringLiteral("type"));
    return tag == QLatin1String("slur") &&
           (type == QLatin1String("start") || type == QLatin1String("stop"));
}

bool isDynamicsMark(const QString &tag)
{
    static const QStringList marks = {"ppp", "pp",  "p",   "mp",   "mf",  "f",
                                      "ff",  "fff", "fp",  "sf",   "sfz", "sff",
                                      "sffz", "sfp", "sfpp", "rfz", "rf",  "fz"};
    return marks.contains(tag);
}

int directionItemCount(const QDomElement &item)
{
    const QString tag = item.tagName();
    if (tag == QLatin1String("dynamics")) {
        int count = 0;
        for (QDomElement mark = item.firstChildElement(); !mark.isNull();
             mark = mark.nextSiblingElement())
            count += isDynamicsMark(mark.tagName()) ? 1 : 0;
        return count;
    }
    if (tag == QLatin1String("wedge")) {
        const QString type = item.attribute(QStringLiteral("type"));
        return type == QLatin1String("crescendo") || type == QLatin1String("diminuendo") ||
                       type == QLatin1String("stop")
                   ? 1
                   : 0;
    }
    static const QStringList single = {"words",   "metronome", "rehearsal",    "bracket",
                                       "dashes",  "octave-shift", "coda",      "segno"};
    return single.contains(tag) ? 1 : 0;
}

} // namespace WriterPairing
