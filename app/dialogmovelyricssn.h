// Chooses the part, lyric line and placement for moving lyrics next to the
// notes of a staff-notation part.
//
// One instance, a child of the main window for the whole run.
#pragma once

#include <QDialog>

class DialogMoveLyricsSN : public QDialog
{
    Q_OBJECT

public:
    explicit DialogMoveLyricsSN(QWidget *parent = nullptr);

    // Sets the dialog's texts in the current language.
    void retranslate();

signals:
    void sigMoveLyricsSN();
};
