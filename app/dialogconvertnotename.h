// Chooses the part (or all parts) and lyric line whose note names become
// pitches, and whether those lyrics are deleted afterwards. Apply reports
// through sigConvertNoteName and leaves the dialog open.
//
// One instance, a child of the main window for the whole run; owns its form.
// The values are read from the widgets whenever a getter is called.
#pragma once

#include <QDialog>

namespace Ui {
class DialogConvertNoteName;
}

class DialogConvertNoteName : public QDialog
{
    Q_OBJECT

public:
    explicit DialogConvertNoteName(QWidget *parent = nullptr);
    ~DialogConvertNoteName() override;

    // Sets the dialog's texts in the current language.
    void retranslate();
    // Refills the part list with "1" to `numParts`; the first is current.
    void setDialog(int numParts);
    // The chosen part from 0.
    int getPartIndex() const;
    // The chosen lyric number; 0 stands for every line.
    int getLyricNumber() const;
    bool isDeleteLyrics() const;
    bool isAllParts() const;

signals:
    void sigConvertNoteName();

private slots:
    void on_checkBoxAllParts_toggled(bool checked);
    void on_pushButtonApply_clicked();
    void on_pushButtonCancel_clicked();
    void on_pushButtonClose_clicked();

private:
    Ui::DialogConvertNoteName *ui;
};
