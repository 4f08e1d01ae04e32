// Reading tuning texts: the lists of pitch numbers that string scales and
// scale directives carry.
#include "notenames/scale_builders.h"
#include "platform/prompter.h"

#include <QCoreApplication>
#include <QRegularExpression>

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

bool isTuningOutOfRange(const QString &tuning)
{
    static const QRegularExpression digits(QStringLiteral("^\\s*[+-]?[0-9]+\\s*$"));
    for (const QString &entry : splitTuning(tuning)) {
        bool ok = false;
        const int pitch = entry.toInt(&ok, 10);
        if (ok ? (pitch < lowestTuningPitch || pitch > highestTuningPitch)
               : digits.match(entry).hasMatch())
            return true;
    }
    return false;
}

void showTuningRangeWarning(QWidget *parent, const QString &tuning)
{
    Prompter::instance().warning(
        parent, QCoreApplication::translate("Score", "Velmora"),
        QCoreApplication::translate("Score", "The tuning {%1} has a pitch outside %2 to %3 (MIDI "
                                             "0 to 127). The notes from here on have no names.")
            .arg(tuning)
            .arg(lowestTuningPitch)
            .arg(highestTuningPitch));
}

} // namespace NoteNames
