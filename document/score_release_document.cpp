// Score's release of its document for a score that is only drawn, and the
// refusal of everything that would need the document afterwards.
#include "model/score.h"

#include "document/elementslots.h"
#include "platform/prompter.h"

#include <QTimer>

void Score::releaseDocument()
{
    // A handle keeps its node, and the node its children, alive after the
    // document is gone: every handle goes with it.
    ElementSlots::forEach(this, [](QDomElement &slot) { slot = QDomElement(); });
    document = QDomDocument();
    documentReleased = true;
    // Nothing is left that an autosave could write.
    if (autoSaveTimer)
        autoSaveTimer->stop();
}

bool Score::refuseReleased()
{
    if (!documentReleased)
        return false;
    // The whole document would have been rebuilt from the model without
    // its music: the file the user keeps would be emptied.
    const QString name = filePath.isEmpty() ? musicXmlFilePath : filePath;
    Prompter::instance().warning(
        this, tr("Velmora"),
        tr("The score (%1) was loaded only to draw its pages and no longer holds its "
           "document.\nIt can't be saved, exported as MusicXML or changed: open the file again "
           "to do that.")
            .arg(name));
    return true;
}
