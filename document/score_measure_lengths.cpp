// Score's bound on durations: a measure whose note, forward or voice lasts
// longer than the bound, or whose backup goes back beyond counting, is
// refused at load. Layout gives every
// measure one time tick per sixteenth, so a single absurd duration would
// otherwise cost billions of items.
#include "model/score.h"

#include "document/messagetext.h"
#include "document/readbounds.h"
#include "document/settingsvalues.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/voice.h"

#include <QCoreApplication>

#include <cstdlib>

namespace {

bool hasDuration(const QString &tag)
{
    return tag == QLatin1String("note") || tag == QLatin1String("forward") ||
           tag == QLatin1String("backup");
}

bool isBackup(const QDomElement &element)
{
    return element.tagName() == QLatin1String("backup");
}

// A backup only returns to an earlier time, and writers are known to back
// up further than the measure reaches; its length is never used, so it
// only has to stay countable.
qint64 boundOf(const QDomElement &element, qint64 musicalBound)
{
    return isBackup(element) ? ReadBounds::divisionsCeiling : musicalBound;
}

QString elementRefusal(const QDomElement &element, int duration, qint64 bound)
{
    const QString where = QCoreApplication::translate("Score", "The <%1> at line %2, column %3")
                              .arg(element.tagName())
                              .arg(element.lineNumber())
                              .arg(element.columnNumber());
    if (isBackup(element))
        return QCoreApplication::translate(
                   "Score", "%1 goes back %2 divisions; no backup may go back more than %3.")
            .arg(where)
            .arg(duration)
            .arg(bound);
    if (duration < 0)
        return QCoreApplication::translate("Score",
                                           "%1 has a negative duration (%2 divisions); no note or "
                                           "forward may last less than 0 divisions.")
            .arg(where)
            .arg(duration);
    return QCoreApplication::translate("Score", "%1 lasts %2 divisions; no note or forward may "
                                                "last longer than %3 whole notes (%4 divisions).")
        .arg(where)
        .arg(duration)
        .arg(ReadBounds::longestWholeNotes)
        .arg(bound);
}

QString measureRefusal(const QDomElement &measure, int partIndex, qint64 length, qint64 bound)
{
    return QCoreApplication::translate("Score",
                                       "Measure %1 of part %2 lasts %3 divisions; no measure may "
                                       "last longer than %4 whole notes (%5 divisions).")
        .arg(MessageText::visible(measure.attribute(QStringLiteral("number"))))
        .arg(partIndex + 1)
        .arg(length)
        .arg(ReadBounds::longestWholeNotes)
        .arg(bound);
}

// The farthest a voice's running time gets from the measure start, either
// way; taken in 64 bits, as the model's own times may have saturated.
qint64 farthestTime(const Voice *voice)
{
    qint64 time = 0;
    qint64 farthest = 0;
    for (const Note *note : voice->notes) {
        time += note->forwardOffset;
        farthest = std::max(farthest, std::abs(time));
        if (note->chordIndex == note->chordSize - 1)
            time += note->duration;
        farthest = std::max(farthest, std::abs(time));
    }
    return farthest;
}

} // namespace

bool Score::checkMeasureLengths(const Measure *measure, QString *refusal) const
{
    const qint64 bound = ReadBounds::longestDuration(measure->divisions);
    const int partCount = int(std::min(measure->parts.size(), measure->measureElements.size()));
    for (int k = 0; k < partCount; ++k) {
        const QDomElement &element = measure->measureElements.at(k);
        for (QDomElement child = element.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement()) {
            if (!hasDuration(child.tagName()))
                continue;
            const int duration = SettingsValues::readInt(
                childElementText(child, QStringLiteral("duration")).trimmed());
            const qint64 elementBound = boundOf(child, bound);
            if (std::abs(qint64(duration)) <= elementBound)
                continue;
            if (refusal)
                *refusal = elementRefusal(child, duration, elementBound);
            return false;
        }
        for (const Voice *voice : measure->parts.at(k)->voices) {
            const qint64 length = farthestTime(voice);
            if (length <= bound)
                continue;
            if (refusal)
                *refusal = measureRefusal(element, k, length, bound);
            return false;
        }
    }
    return true;
}
