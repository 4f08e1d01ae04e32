// A selected directive of a note, by model indices.
// Made by the Score's selection slots from the item tags before an edit,
// and used to select the same model object again after the regeneration.
#pragma once

#include <QObject>

class SelectedDirective : public QObject
{
    Q_OBJECT

public:
    SelectedDirective(int measureIndex, int partIndex, int voiceIndex, int noteIndex,
                      int directiveIndex, QObject *parent = nullptr)
        : QObject(parent), measureIndex(measureIndex), partIndex(partIndex), voiceIndex(voiceIndex),
          noteIndex(noteIndex), directiveIndex(directiveIndex)
    {
    }

    int measureIndex = 0;
    int partIndex = 0;
    int voiceIndex = 0;
    int noteIndex = 0;
    int directiveIndex = 0;
};
