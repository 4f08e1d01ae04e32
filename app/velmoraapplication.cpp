#include "app/velmoraapplication.h"

#include "app/allocationguard.h"

#include <QEvent>

#include <new>

namespace {

// Events by which the user starts an action: only these name one.
bool startsAction(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::Shortcut:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

VelmoraApplication::VelmoraApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool VelmoraApplication::notify(QObject *receiver, QEvent *event)
{
    // Named before the event runs: a menu forgets its chosen entry, and
    // the event may delete its receiver.
    const QString action = startsAction(event) ? AllocationGuard::actionOf(receiver) : QString();
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc &) {
    }
    AllocationGuard::recover(action);
    return false;
}
