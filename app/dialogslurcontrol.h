// The slur curve controller: a small modal dialog whose six buttons bend
// the selected slurs' left half, right half or whole curve up ("strong")
// or down ("weak"). It only reports the presses; the score connected to
// its signals does the bending. Made anew, without parent, for each use.
#pragma once

#include <QDialog>

class DialogSlurControl : public QDialog
{
    Q_OBJECT

public:
    explicit DialogSlurControl(QWidget *parent = nullptr);

signals:
    void sigSlurLeftStrong();
    void sigSlurLeftWeak();
    void sigSlurWholeStrong();
    void sigSlurWholeWeak();
    void sigSlurRightStrong();
    void sigSlurRightWeak();
};
