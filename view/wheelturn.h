// Which way a wheel was turned. Holding Alt on X11 makes the platform
// report a vertical turn as a horizontal one, so a zero vertical delta
// falls back to the horizontal delta; without this every Alt turn would
// read as the same direction.
#pragma once

#include <QWheelEvent>

// The wheel's delta in eighths of a degree: the vertical one, or the
// horizontal one when the vertical one is 0.
inline int wheelTurn(const QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    return delta.y() != 0 ? delta.y() : delta.x();
}
