// Reading tuning texts: the lists of pitch numbers that string scales and
// scale directives carry.
#include "notenames/scale_builders.h"

namespace NoteNames {

QStringList splitTuning(const QString &tuning)
{
    return tuning.split(QLatin1Char(','), Qt::KeepEmptyParts);
}

int tuningPitch(const QString &entry)
{
    bool ok = false;
    const int pitch = entry.toInt(&ok, 10);
    return ok ? pitch : 0;
}

int minNumber(const QStringList &entries)
{
    int smallest = 1000;
    for (const QString &entry : entries)
        smallest = qMin(smallest, tuningPitch(entry));
    return smallest;
}

int maxNumber(const QStringList &entries)
{
    int largest = -1000;
    for (const QString &entry : entries)
        largest = qMax(largest, tuningPitch(entry));
    return largest;
}

} // namespace NoteNames
