// Keeps a top-level window on the screen it opens on: never larger than the
// screen's free area (a fixed or minimum size larger than that gives way, and
// the window's scroll area takes the rest) and never past its edges.
#pragma once

#include <QSize>

class QScreen;
class QWidget;

namespace ScreenFit {

// The screen `window` opens on: its parent's, else its own, else the primary.
QScreen *screenOf(const QWidget *window);

// The largest client size `window` may take on its screen, frame excluded.
QSize largestClientSize(const QWidget *window);

// Shrinks `window` to its screen's free area where it is larger and moves
// it wholly inside that area.
void fitToScreen(QWidget *window);

} // namespace ScreenFit
