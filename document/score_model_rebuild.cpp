// Score's deliberate rebuild of the model from a document text, the only
// path besides loading on which model objects are replaced.
#include "model/measure.h"
#include "model/mepart.h"
#include "model/part.h"
#include "model/score.h"
#include "model/selecteddirection.h"
#include "model/selecteddirective.h"
#include "model/selectednotation.h"
#include "model/selectednote.h"
#include "model/voice.h"
#include "view/scene.h"

#include <QUndoStack>

bool Score::rebuildModel(const QString &text)
{
    // Aligned items point at scene items, and scene items, undo commands,
    // selection records and open drawing slots point at model objects.
    releaseUnplacedGlyphItems();
    for (Measure *measure : std::as_const(measures)) {
        for (MePart *cell : std::as_const(measure->parts)) {
            for (Voice *voice : std::as_const(cell->voices))
                voice->clearAlignItems();
        }
    }
    resetComputedFields();
    scene->clearItems();
    undoStack->clear();
    qDeleteAll(selectedNotes);
    selectedNotes.clear();
    qDeleteAll(selectedDirections);
    selectedDirections.clear();
    qDeleteAll(selectedNotations);
    selectedNotations.clear();
    qDeleteAll(selectedDirectives);
    selectedDirectives.clear();
    selectedMeasures.clear();
    for (Part *part : std::as_const(parts))
        part->resetDrawingHelpers();
    warnedScaleDirectives.clear();
    ghostNotes = false;
    reload = false;

    const QString previousText = documentText;
    documentText = text;
    if (parseScoreXml())
        return true;
    documentText = previousText;
    return false;
}
