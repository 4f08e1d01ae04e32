#include "notenames/pitch_number.h"

#include <algorithm>
#include <limits>

namespace NoteNames {

namespace {

int stepSemitone(const QString &step)
{
    if (step.size() != 1)
        return 0;
    switch (step.at(0).unicode()) {
    case 'D':
        return 2;
    case 'E':
        return 4;
    case 'F':
        return 5;
    case 'G':
        return 7;
    case 'A':
        return 9;
    case 'B':
        return 11;
    default:
        return 0;
    }
}

} // namespace

int pitchNumber(const QString &step, int alter, int octave)
{
    // Taken wide: an octave or alteration from outside the readers (which
    // clamp them) must not overflow.
    const qint64 number = qint64(alter) + 12 * qint64(octave) - 48 + stepSemitone(step) + 2;
    return int(std::clamp<qint64>(number, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

} // namespace NoteNames
