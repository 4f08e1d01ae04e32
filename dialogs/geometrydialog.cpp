#include "dialogs/geometrydialog.h"

#include "dialogs/screenfit.h"

#include <QCloseEvent>
#include <QResizeEvent>
#include <QSettings>
#include <QShowEvent>

namespace {
const QString organisation = QStringLiteral("corvalin");
const QString geometryKey = QStringLiteral("geometry");
} // namespace

GeometryDialog::GeometryDialog(const QString &applicationName, QWidget *parent)
    : QDialog(parent), applicationName(applicationName)
{
}

void GeometryDialog::readSettings()
{
    QSettings settings(organisation, applicationName);
    restoreGeometry(settings.value(geometryKey).toByteArray());
}

void GeometryDialog::writeSettings()
{
    QSettings settings(organisation, applicationName);
    settings.setValue(geometryKey, saveGeometry());
}

void GeometryDialog::closeEvent(QCloseEvent *)
{
    writeSettings();
}

void GeometryDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ScreenFit::fitToScreen(this);
}

// A page or detail shown later can widen the window past the screen's edge.
void GeometryDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (isVisible())
        ScreenFit::fitToScreen(this);
}
