// MainWindow: generating the MuseScore plug-in scripts. Two scripts per
// MuseScore version are carried as resources with a placeholder for the
// home folder; generation fills it in and writes the pair into the
// "Velmora" subfolder of MuseScore's plug-in folder.
#include "app/mainwindow.h"

#include "app/dialogmsplugin.h"
#include "platform/prompter.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The home folder as a JavaScript string body: an unusual folder name
// must not end the string or escape its closing quote.
QString asScriptString(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return text;
}

// The whole resource as UTF-8 text; null when it cannot be opened.
QString readScript(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

void MainWindow::generateMuseScorePlugin()
{
    dialogMSPlugin->setPluginFolder();
    Prompter::instance().runDialog(dialogMSPlugin);
}

void MainWindow::msplugin()
{
    const QString home = QDir::homePath();
    qDebug().noquote() << QStringLiteral("generateMuseScorePlugin 1 homepath = ") + home;

    const QString suffix = dialogMSPlugin->getMSVersion() == QLatin1String("V3")
                               ? QStringLiteral("_MS3.qml")
                               : QStringLiteral("_MS2.qml");
    QString exportText =
        readScript(museScorePluginResources + QStringLiteral("ExportMusicXMLtoVelmora") + suffix);
    if (exportText.isNull()) {
        qDebug().noquote() << QStringLiteral("generateMuseScorePlugin 1 Error no qml file");
        return;
    }
    QString importText =
        readScript(museScorePluginResources + QStringLiteral("ImportMusicXMLfromVelmora") + suffix);
    if (importText.isNull()) {
        qDebug().noquote() << QStringLiteral("generateMuseScorePlugin 2 Error no qml file");
        return;
    }
    const QString placeholder = QStringLiteral("YourHomeDirectory");
    const QString homeValue = asScriptString(home + QLatin1Char('/'));
    exportText.replace(placeholder, homeValue);
    importText.replace(placeholder, homeValue);

    const QString folder = dialogMSPlugin->getPluginFolder();
    if (!QFileInfo(folder).isDir()) {
        Prompter::instance().warning(
            this, tr("Setup MuseScore plugins"),
            tr("Plugin folder %1 does not exist.\n\nIf MuseScore has not been installed yet, "
               "install it and retry.\n\nIf installed already, check MuseScore's plugin folder "
               "path (name)\nby 'Preferences' > 'General' > 'Folder' > 'Plugin Folder' on "
               "MuseScore.")
                .arg(folder));
        return;
    }
    const QString target = folder + QStringLiteral("/Velmora");
    if (!QFileInfo(target).isDir())
        QDir(folder).mkdir(QStringLiteral("Velmora"));

    // A failed write is reported with the system's reason; the import
    // script's box keeps its own, singular title.
    const auto writeScript = [this](const QString &path, const QString &text,
                                    const QString &title) {
        QFile file(path);
        const QByteArray bytes = text.toUtf8();
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size()) {
            Prompter::instance().warning(
                this, title, tr("Can't write file (%1)!:\n%2.").arg(path, file.errorString()));
            return false;
        }
        return true;
    };
    if (!writeScript(target + QStringLiteral("/ExportMusicXMLtoVelmora.qml"), exportText,
                     tr("Setup MuseScore plugins")))
        return;
    if (!writeScript(target + QStringLiteral("/ImportMusicXMLfromVelmora.qml"), importText,
                     tr("Setup MuseScore plugin")))
        return;

    Prompter::instance().information(
        this, tr("Generate MuseScore Plugin Files"),
        tr("Plugin files successfully generated.\nPlease activate following two plugins (if not "
           "yet activated) \non MuseScore (using Plugin Manager)!\n\nImport MusicXML from "
           "Velmora\nExport MusiXML to Velmora"));
    museScoreVersion = dialogMSPlugin->getMSVersion();
}
