#include "document/readbounds.h"

#include <algorithm>
#include <limits>

namespace ReadBounds {

int clampOffset(int value)
{
    return std::clamp(value, -offsetBound, offsetBound);
}

qint64 longestDuration(int divisions)
{
    const qint64 perQuarter = divisions > 0 ? divisions : 1;
    return std::min(perQuarter * 4 * longestWholeNotes, divisionsCeiling);
}

int saturatedInt(qint64 value)
{
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

} // namespace ReadBounds
