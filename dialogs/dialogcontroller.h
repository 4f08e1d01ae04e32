// The modeless layout controller: nudges the layout of the score it is
// bound to and asks (sigUpdateDialogs) for the open dialogs to reload.
//
// One instance, a child of the main window for the whole run.
#pragma once

#include <QDialog>

class DialogController : public QDialog
{
    Q_OBJECT

public:
    explicit DialogController(QWidget *parent = nullptr);

    // Sets the dialog's texts in the current language.
    void retranslate();

signals:
    void sigUpdateDialogs();
};
