#include "support/installedcatalogue.h"

#include <QCoreApplication>

namespace TestSupport {

InstalledCatalogue::InstalledCatalogue(const QString &language)
{
    installed = translator.load(QStringLiteral(":/languages/velmora_") + language) &&
                QCoreApplication::installTranslator(&translator);
}

InstalledCatalogue::~InstalledCatalogue()
{
    if (installed)
        QCoreApplication::removeTranslator(&translator);
}

} // namespace TestSupport
