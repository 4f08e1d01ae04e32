// Chooses the part and lyric line whose note names become pitches.
//
// One instance, a child of the main window for the whole run.
#pragma once

#include <QDialog>

class DialogConvertNoteName : public QDialog
{
    Q_OBJECT

public:
    explicit DialogConvertNoteName(QWidget *parent = nullptr);

    // Sets the dialog's texts in the current language.
    void retranslate();

signals:
    void sigConvertNoteName();
};
