// The modeless window that shows the current score's log: one completion
// line per command carried out on it. It keeps no log of its own; the main
// window hands it the whole text on every change. Clear asks (sigClearLog)
// for the score's log to be emptied, which then comes back through setLog.
//
// One instance, a child of the main window for the whole run; owns its form.
#pragma once

#include "dialogs/geometrydialog.h"

namespace Ui {
class DialogLog;
}

class DialogLog : public GeometryDialog
{
    Q_OBJECT

public:
    explicit DialogLog(QWidget *parent = nullptr);
    ~DialogLog() override;

    // Replaces the whole text (markup-looking text shows as rich text);
    // neither appends nor shows the window.
    void setLog(const QString &log);

signals:
    void sigClearLog();

private slots:
    void on_pushButtonClose_clicked();
    void on_pushButtonClear_clicked();

private:
    Ui::DialogLog *ui;
};
