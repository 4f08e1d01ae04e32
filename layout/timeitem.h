// One aligned item that starts at a known time, as the time alignment
// lists and sorts them. The time ticks carry the part count as their part.
#pragma once

#include <QObject>

class TimeItem : public QObject
{
    Q_OBJECT

public:
    TimeItem(int partIndex, int voiceSlot, int itemIndex, int time, QObject *parent = nullptr)
        : QObject(parent), partIndex(partIndex), voiceSlot(voiceSlot), itemIndex(itemIndex),
          time(time)
    {
    }

    int partIndex = 0;
    int voiceSlot = 0; // ordinal of the voice among the used voices of its part
    int itemIndex = 0; // index in that voice's aligned items
    int time = 0;
};
