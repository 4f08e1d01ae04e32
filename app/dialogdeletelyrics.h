// Chooses the part and lyric line to delete.
//
// One instance, a child of the main window for the whole run; owns its form.
// The values are read from the widgets whenever a getter is called.
#pragma once

#include <QDialog>

namespace Ui {
class DialogDeleteLyrics;
}

class DialogDeleteLyrics : public QDialog
{
    Q_OBJECT

public:
    explicit DialogDeleteLyrics(QWidget *parent = nullptr);
    ~DialogDeleteLyrics() override;

    // Sets the dialog's texts in the current language.
    void retranslate();
    // Refills the part list with "1" to `numParts` and "all", which
    // becomes current (its index is `numParts`).
    void setDialog(int numParts);
    // The chosen part from 0; the part count stands for all parts.
    int getPartIndex() const;
    // The chosen lyric number; 0 stands for every line.
    int getLyricNumber() const;

signals:
    void sigDeleteLyrics();

private slots:
    void on_buttonBox_accepted();
    void on_buttonBox_rejected();

private:
    Ui::DialogDeleteLyrics *ui;
};
