// A selected direction, by model indices.
// Made by the Score's selection slots from the item tags before an edit,
// and used to select the same model object again after the regeneration.
#pragma once

#include <QObject>

class SelectedDirection : public QObject
{
    Q_OBJECT

public:
    SelectedDirection(int measureIndex, int partIndex, int voiceIndex, int directionIndex,
                      QObject *parent = nullptr)
        : QObject(parent), measureIndex(measureIndex), partIndex(partIndex), voiceIndex(voiceIndex),
          directionIndex(directionIndex)
    {
    }

    int measureIndex = 0;
    int partIndex = 0;
    int voiceIndex = 0;
    int directionIndex = 0;
};
