// Chooses the MuseScore version and plug-in folder for generating the
// MuseScore plug-in scripts (sigMSPluginOK).
//
// One instance, a child of the main window for the whole run.
#pragma once

#include <QDialog>

class DialogMSPlugin : public QDialog
{
    Q_OBJECT

public:
    explicit DialogMSPlugin(QWidget *parent = nullptr);

    // Sets the dialog's texts in the current language.
    void retranslate();

signals:
    void sigMSPluginOK();
};
