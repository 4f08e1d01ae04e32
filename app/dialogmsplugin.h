// Chooses the MuseScore version and plug-in folder for generating the
// MuseScore plug-in scripts. The dialog writes nothing itself: "Try
// Generating Plugins" emits sigMSPluginOK, and the receiver reads the
// version and folder back through the getters while the dialog stays open.
//
// One instance, a child of the main window for the whole run; owns its form.
#pragma once

#include <QDialog>

namespace Ui {
class DialogMSPlugin;
}

class DialogMSPlugin : public QDialog
{
    Q_OBJECT

public:
    explicit DialogMSPlugin(QWidget *parent = nullptr);
    ~DialogMSPlugin() override;

    // Sets the dialog's texts in the current language.
    void retranslate();
    // Puts the default plug-in folder of the checked version into the line
    // edit, replacing whatever was typed there.
    void setPluginFolder();
    // The folder text as the user left it, unchecked.
    QString getPluginFolder() const;
    // "V2", "V3", or empty when neither version is checked.
    QString getMSVersion() const;

signals:
    void sigMSPluginOK();

private slots:
    void on_pushButtonFolderChange_clicked();
    void on_radioButtonMS2_clicked();
    void on_radioButtonMS3_clicked();
    void on_pushButtonClose_clicked();
    void on_pushButtonTry_clicked();

private:
    Ui::DialogMSPlugin *ui;
};
