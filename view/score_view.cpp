// Score: the view: zoom, scrolling, painting and the view slots.
#include "model/score.h"

void Score::slurShiftControl() {}

bool Score::setFileNameAndText(const QString &name, const QString &text)
{
    filePath = name;
    documentText = text;
    setChanged(true);
    return true;
}
