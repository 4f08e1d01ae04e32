// Score's core queries: pitch numbers, part output, the names a note's
// scale accepts, the measures' line flags, the longest part name and the
// note-name tests shared by glyph selection and note naming.
#include "model/measure.h"
#include "model/note.h"
#include "model/part.h"
#include "model/score.h"
#include "notenames/notescale.h"
#include "notenames/pitch_number.h"

#include <QStringList>

int Score::getPitchNumber(const QString &step, int alter, int octave) const
{
    return NoteNames::pitchNumber(step, alter, octave);
}

bool Score::checkPartOutput(bool enforce)
{
    for (const Part *part : std::as_const(parts)) {
        if (part->partOutput)
            return true;
    }
    if (enforce && !parts.isEmpty())
        parts.first()->partOutput = true;
    return false;
}

QStringList Score::getNoteNameList(const Note *note) const
{
    return getNoteNameListOfPitch(note, note->pitchIndex);
}

QStringList Score::getNoteNameListOfPitch(const Note *note, int pitch) const
{
    if (!note->noteScale)
        return {};
    return note->noteScale->names(pitch);
}

bool Score::clearMeasureLineFlags()
{
    for (Measure *measure : std::as_const(measures)) {
        measure->stageEnd = false;
        measure->pageEnd = false;
    }
    return true;
}

double Score::getMaxPartNameLength() const
{
    qsizetype longest = 0;
    for (const Part *part : parts)
        longest = qMax(longest, part->partName.size());
    return double(longest) * maxNoteSize * 0.8;
}

bool Score::isMeriNote(const QString &name) const
{
    static const QStringList meriNames = {
        QStringLiteral("RoDaiMeri-Low"), QStringLiteral("RoMeri-Low"),
        QStringLiteral("TsuMeri-Low"),   QStringLiteral("ReMeri-Low"),
        QStringLiteral("ChiMeri-Low"),   QStringLiteral("HaMeri-Low"),
        QStringLiteral("RoDaiMeri"),     QStringLiteral("TsuMeri"),
        QStringLiteral("ReMeri"),        QStringLiteral("ChiMeri"),
        QStringLiteral("HaMeri"),        QStringLiteral("HiMeri"),
        QStringLiteral("HiDaiMeri"),     QStringLiteral("ReDaiMeri"),
        QStringLiteral("RoMeri"),
    };
    return meriNames.contains(name);
}

bool Score::hasStringPrefix(const QString &name) const
{
    return name.startsWith(QLatin1String("1-")) || name.startsWith(QLatin1String("2-")) ||
           name.startsWith(QLatin1String("3-"));
}
