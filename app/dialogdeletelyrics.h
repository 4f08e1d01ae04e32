// Chooses the part and lyric line to delete.
//
// One instance, a child of the main window for the whole run.
#pragma once

#include <QDialog>

class DialogDeleteLyrics : public QDialog
{
    Q_OBJECT

public:
    explicit DialogDeleteLyrics(QWidget *parent = nullptr);

    // Sets the dialog's texts in the current language.
    void retranslate();

signals:
    void sigDeleteLyrics();
};
