#include "notenames/pitch_number.h"

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
    return alter + 12 * octave - 48 + stepSemitone(step) + 2;
}

} // namespace NoteNames
