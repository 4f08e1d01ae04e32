// One aligned item that starts at a known time, as the time alignment
// lists and sorts them. The time ticks carry the part count as their part.
// A plain value: one measure's alignment sorts many of them.
#pragma once

class TimeItem
{
public:
    TimeItem(int partIndex, int voiceSlot, int itemIndex, int time)
        : partIndex(partIndex), voiceSlot(voiceSlot), itemIndex(itemIndex), time(time)
    {
    }

    int partIndex = 0;
    int voiceSlot = 0; // ordinal of the voice among the used voices of its part
    int itemIndex = 0; // index in that voice's aligned items
    int time = 0;
};
