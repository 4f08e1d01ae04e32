#include "dialogs/screenfit.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ScreenFit {

namespace {

// The window frame's share of the size; before the window manager has
// framed the window, a title bar and borders of a usual desktop.
QSize frameExtra(const QWidget *window)
{
    const QSize extra = window->frameGeometry().size() - window->geometry().size();
    if (window->isWindow() && extra.isEmpty() && !window->testAttribute(Qt::WA_WState_Created))
        return QSize(2 * 4, 30 + 4);
    return extra.expandedTo(QSize(0, 0));
}

} // namespace

QScreen *screenOf(const QWidget *window)
{
    if (const QWidget *parent = window->parentWidget()) {
        if (QScreen *screen = parent->window()->screen())
            return screen;
    }
    if (QScreen *screen = window->screen())
        return screen;
    return QGuiApplication::primaryScreen();
}

QSize largestClientSize(const QWidget *window)
{
    const QScreen *screen = screenOf(window);
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return (screen->availableGeometry().size() - frameExtra(window)).expandedTo(QSize(1, 1));
}

void fitToScreen(QWidget *window)
{
    const QScreen *screen = screenOf(window);
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize extra = frameExtra(window);
    const QSize largest = largestClientSize(window);
    if (window->minimumWidth() > largest.width())
        window->setMinimumWidth(largest.width());
    if (window->minimumHeight() > largest.height())
        window->setMinimumHeight(largest.height());
    const QSize size = window->size().boundedTo(largest);
    if (size != window->size())
        window->resize(size);

    // pos() is the frame's corner for a top-level window.
    QRect frame(window->pos(), size + extra);
    frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
    frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
    if (frame.topLeft() != window->pos())
        window->move(frame.topLeft());
}

} // namespace ScreenFit
