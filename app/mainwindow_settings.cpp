// MainWindow: the persistent settings (window geometry, language, navigator,
// recent files and three informational texts) and the Open Recent submenu.
#include "app/mainwindow.h"

#include "platform/prompter.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace {

// The stored language codes; 1 is never written.
constexpr int languageEnglish = 0;
constexpr int languageJapanese = 2;
constexpr int languageChinese = 3;

// The stored recent-file list. An INI store keeps a one-entry list as a
// plain string; any other kind of value is no list at all.
QStringList storedFileList(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QStringList:
        return value.toStringList();
    case QMetaType::QString:
        return {value.toString()};
    default:
        return {};
    }
}

} // namespace

void MainWindow::readSettings()
{
    QSettings settings(QStringLiteral("corvalin"), QStringLiteral("Velmora_Main"));
    // A stored geometry that does not restore leaves the window as it is.
    restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray());

    switch (settings.value(QStringLiteral("language"), languageEnglish).toInt()) {
    case languageEnglish:
        langEnglish();
        break;
    case languageJapanese:
        langJapanese();
        break;
    case languageChinese:
        langChinese();
        break;
    default:
        // The form's choice stays checked and the texts stay English.
        break;
    }

    ui->actionNavigator->setChecked(settings.value(QStringLiteral("navigator"), true).toBool());

    recentFiles = storedFileList(settings.value(QStringLiteral("recentFiles")));
    updateRecentFileActions();

    const QString storedMuseScore = settings.value(QStringLiteral("musescoreversion")).toString();
    if (!storedMuseScore.isEmpty())
        museScoreVersion = storedMuseScore;
}

void MainWindow::writeSettings()
{
    QSettings settings(QStringLiteral("corvalin"), QStringLiteral("Velmora_Main"));
    settings.setValue(QStringLiteral("geometry"), saveGeometry());
    if (ui->actionEnglish->isChecked())
        settings.setValue(QStringLiteral("language"), languageEnglish);
    else if (ui->actionJapanese->isChecked())
        settings.setValue(QStringLiteral("language"), languageJapanese);
    else if (ui->actionChinese->isChecked())
        settings.setValue(QStringLiteral("language"), languageChinese);
    settings.setValue(QStringLiteral("navigator"), ui->actionNavigator->isChecked());
    settings.setValue(QStringLiteral("recentFiles"), recentFiles);
    settings.setValue(QStringLiteral("applicationpath"), QCoreApplication::applicationDirPath());
    settings.setValue(QStringLiteral("programversion"), programVersion);
    settings.setValue(QStringLiteral("musescoreversion"), museScoreVersion);
}

void MainWindow::addRecentFile(const QString &path)
{
    recentFiles.removeAll(path);
    recentFiles.prepend(path);
    updateRecentFileActions();
    writeSettings();
}

void MainWindow::updateRecentFileActions()
{
    recentFiles.removeIf([](const QString &path) { return !QFileInfo::exists(path); });
    for (int i = 0; i < recentFileCount; ++i) {
        QAction *action = recentFileActions[i];
        if (i >= recentFiles.size()) {
            action->setVisible(false);
            continue;
        }
        const QString &path = recentFiles.at(i);
        action->setText(tr("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setData(path);
        action->setVisible(true);
    }
}

void MainWindow::clearRecentFiles()
{
    Prompter &prompter = Prompter::instance();
    prompter.beep();
    const QMessageBox::StandardButton answer =
        prompter.question(this, tr("Velmora"), tr("Do you really want to clear recent file list ?"),
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    // The store keeps the old list until the next write.
    recentFiles.clear();
    updateRecentFileActions();
}
