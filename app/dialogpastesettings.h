// Pastes settings copied from another score into the current one: all of
// them, the parts, the measure and page settings or the style.
//
// One instance, a child of the main window for the whole run.
#pragma once

#include <QDialog>

class DialogPasteSettings : public QDialog
{
    Q_OBJECT

public:
    explicit DialogPasteSettings(QWidget *parent = nullptr);

    // Sets the dialog's texts in the current language.
    void retranslate();

signals:
    void sigPasteSettingsAll();
    void sigPasteSettingsParts();
    void sigPasteSettingsMeasurePage();
    void sigPasteSettingsStyle();
};
