#include "app/dialogmsplugin.h"

#include "platform/prompter.h"

#include "ui_dialogmsplugin.h"

#include <QDir>
#include <QFileInfo>

namespace {

// MuseScore names its plug-in folder in the language it runs in: the
// Japanese name first, then the English one MuseScore really creates, and
// last the plain "Plugin" even though it does not exist, so the user sees
// where the generation looked.
QString defaultPluginFolder(const QString &museScoreFolder)
{
    const QString base = QDir::homePath() + QStringLiteral("/Documents/") + museScoreFolder;
    const QStringList candidates = {base + QStringLiteral("/プラグイン"),
                                    base + QStringLiteral("/Plugins")};
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isDir())
            return candidate;
    }
    return base + QStringLiteral("/Plugin");
}

} // namespace

DialogMSPlugin::DialogMSPlugin(QWidget *parent) : QDialog(parent), ui(new Ui::DialogMSPlugin)
{
    ui->setupUi(this);
    // Enter or the space bar starts the generation.
    ui->pushButtonTry->setFocus(Qt::OtherFocusReason);
}

DialogMSPlugin::~DialogMSPlugin()
{
    delete ui;
}

void DialogMSPlugin::retranslate()
{
    setWindowTitle(tr("Generate MuseScore 3 Plugins"));
    ui->labelNote->setText(tr("Caution!: Plugin for MuseScore 4 is not supported."));
    ui->groupBoxMSVersion->setTitle(tr("Select the MuseScore Version (2 or 3)"));
    ui->pushButtonTry->setText(tr("Try Generating Plugins"));
    ui->labelMSPlugin->setText(
        tr("If unsuccesful (the plugin folder is not found), check the plugin folder on "
           "MuseScore\nby 'Preferences' command > 'General' tab > 'Folders' > 'Plugin'.\nand "
           "change the folder to point to the correct one, then retry."));
    ui->pushButtonFolderChange->setText(tr("Change Folder"));
    ui->pushButtonClose->setText(tr("Close"));
}

void DialogMSPlugin::setPluginFolder()
{
    QString folder;
    if (ui->radioButtonMS2->isChecked())
        folder = defaultPluginFolder(QStringLiteral("MuseScore2"));
    else if (ui->radioButtonMS3->isChecked())
        folder = defaultPluginFolder(QStringLiteral("MuseScore3"));
    ui->lineEditMSPluginFolder->setText(folder);
}

QString DialogMSPlugin::getPluginFolder() const
{
    return ui->lineEditMSPluginFolder->text();
}

QString DialogMSPlugin::getMSVersion() const
{
    if (ui->radioButtonMS2->isChecked())
        return QStringLiteral("V2");
    if (ui->radioButtonMS3->isChecked())
        return QStringLiteral("V3");
    return QString();
}

void DialogMSPlugin::on_pushButtonFolderChange_clicked()
{
    const QString current = ui->lineEditMSPluginFolder->text();
    const QString chosen =
        Prompter::instance().existingDirectory(this, tr("Open Directory"), current);
    ui->lineEditMSPluginFolder->setText(chosen.isEmpty() ? current : chosen);
}

void DialogMSPlugin::on_radioButtonMS2_clicked()
{
    setPluginFolder();
}

void DialogMSPlugin::on_radioButtonMS3_clicked()
{
    setPluginFolder();
}

void DialogMSPlugin::on_pushButtonClose_clicked()
{
    close();
}

void DialogMSPlugin::on_pushButtonTry_clicked()
{
    emit sigMSPluginOK();
}
