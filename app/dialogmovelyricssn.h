// Chooses the part, lyric line and placement for moving lyrics next to the
// notes of a staff-notation part.
//
// One instance, a child of the main window for the whole run; owns its form.
// The values are read from the widgets whenever a getter is called.
#pragma once

#include <QDialog>

namespace Ui {
class DialogMoveLyricsSN;
}

class DialogMoveLyricsSN : public QDialog
{
    Q_OBJECT

public:
    explicit DialogMoveLyricsSN(QWidget *parent = nullptr);
    ~DialogMoveLyricsSN() override;

    // Sets the dialog's texts in the current language.
    void retranslate();
    // Refills the part list ("1" to `numParts`, then "all") and the lyric
    // list ("1" to "5", then "all"), each showing its first entry, and
    // checks "Close to Notes".
    void setDialog(int numParts);
    // The chosen part from 0; the part count stands for all parts.
    int getPartIndex() const;
    // The chosen lyric number, 1 to 5; 6 stands for all of them.
    int getLyricNumber() const;
    // 0 above the notes, 1 below them, 2 close to them.
    int getRelativePosition() const;

    static constexpr int lyricLines = 5;

signals:
    void sigMoveLyricsSN();

private slots:
    void on_buttonBox_accepted();
    void on_buttonBox_rejected();

private:
    Ui::DialogMoveLyricsSN *ui;
};
