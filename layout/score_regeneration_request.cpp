// Score's deferred regeneration: a request from inside an event handler,
// served once from the event loop.
#include "model/score.h"

#include <QMetaObject>

void Score::requestRegeneration()
{
    if (regenerationPending)
        return;
    regenerationPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            regenerationPending = false;
            emit sigRegenerate();
        },
        Qt::QueuedConnection);
}
