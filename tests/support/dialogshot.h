// Screenshots of shown dialogs, written for people to look at and checked
// the way a user would look at them.
#pragma once

#include <QString>
#include <QStringList>

class QScrollArea;
class QWidget;

namespace TestSupport {

// Grabs the shown `dialog` into build/screenshots/<name>.png. Fails the
// test when the file can't be written or the picture is nearly blank.
void grabDialog(QWidget &dialog, const QString &name);

// Fails the test unless the shown `dialog` lies wholly on its screen and
// each named child is visible, lies wholly inside the window and is at least
// its minimum size hint; a child held by `scrollArea` must lie wholly within
// its visible part once scrolled to.
void checkShownInside(const QWidget &dialog, const QStringList &names,
                      QScrollArea *scrollArea = nullptr);

} // namespace TestSupport
