// The slur curve controller: a small modal dialog whose six buttons bend
// the selected slurs' left half, right half or whole curve up ("strong")
// or down ("weak"). It only reports the presses; the score connected to
// its signals does the bending. Made anew, without parent, for each use;
// owns its form.
#pragma once

#include <QDialog>

namespace Ui {
class DialogSlurControl;
}

class DialogSlurControl : public QDialog
{
    Q_OBJECT

public:
    explicit DialogSlurControl(QWidget *parent = nullptr);
    ~DialogSlurControl() override;

signals:
    void sigSlurLeftStrong();
    void sigSlurLeftWeak();
    void sigSlurWholeStrong();
    void sigSlurWholeWeak();
    void sigSlurRightStrong();
    void sigSlurRightWeak();

private slots:
    void on_pushButtonLeftStrong_clicked();
    void on_pushButtonLeftWeak_clicked();
    void on_pushButtonWholeStrong_clicked();
    void on_pushButtonWholeWeak_clicked();
    void on_pushButtonRightStrong_clicked();
    void on_pushButtonRightWeak_clicked();
    void on_pushButton_clicked();

private:
    Ui::DialogSlurControl *ui;
};
