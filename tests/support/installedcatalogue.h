// One of the program's catalogues, loaded and installed for as long as the
// object lives, so that everything made meanwhile speaks its language.
#pragma once

#include <QString>
#include <QTranslator>

namespace TestSupport {

class InstalledCatalogue
{
public:
    // `language` is the catalogue's suffix: "ja" or "zh".
    explicit InstalledCatalogue(const QString &language);
    ~InstalledCatalogue();
    InstalledCatalogue(const InstalledCatalogue &) = delete;
    InstalledCatalogue &operator=(const InstalledCatalogue &) = delete;

    // False when the catalogue did not load or could not be installed.
    bool isInstalled() const { return installed; }

    QTranslator translator;

private:
    bool installed = false;
};

} // namespace TestSupport
