// The window's answer to memory running out: an action whose allocation
// the system refuses (std::bad_alloc) is stopped, not the program. The
// heap's free memory goes back to the system, the user is told which
// action failed, and every open score, its tab and its autosave go on.
#pragma once

#include <QString>

#include <functional>

class QObject;

namespace AllocationGuard {

// Runs `work`; when it throws std::bad_alloc, recovers (below) and
// returns false.
bool run(const QString &action, const std::function<void()> &work);

// After std::bad_alloc was caught: gives the heap's free memory back and
// tells the user that `action` failed for lack of memory.
void recover(const QString &action);

// What the user did to send an event to `receiver`, as the window names
// it: the menu entry chosen in a menu, the action of a shortcut or a tool
// button, a button's text; empty when the receiver names nothing.
QString actionOf(QObject *receiver);

} // namespace AllocationGuard
