#include "dialogs/geometrydialog.h"

#include <QCloseEvent>
#include <QSettings>

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
