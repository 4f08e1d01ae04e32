// The dialog in which the user chooses the step of a note's transpose
// directive; it reports the step and never touches the model.
//
// Child of its Score for the score's whole life; owns its form. The
// directive it is handed belongs to its note; the dialog only remembers it
// for the score. The window geometry is kept under "Velmora_Transpose" and
// saved at every close.
#pragma once

#include "dialogs/geometrydialog.h"

class Directive;

namespace Ui {
class DialogTranspose;
}

class DialogTranspose : public GeometryDialog
{
    Q_OBJECT

public:
    explicit DialogTranspose(QWidget *parent = nullptr);
    ~DialogTranspose() override;

    // Sets the dialog's texts in the current language. The 25 steps keep
    // the language the dialog was made in.
    void retranslate();

    // The transpose directive being edited; null before the first edit.
    void setDirective(Directive *directive);
    Directive *getDirective() const;

    // Selects the entry `index` = half steps + 12 (0..24 for -12..+12) and
    // clears the changed flag. An index outside 0..24 selects no entry;
    // Apply and OK then report nothing until the user picks one.
    void setTransposeIndex(int index);
    // The selected entry, -1 when none is.
    int transposeIndex() const;
    // True once the selected entry changed after setTransposeIndex.
    bool isChanged() const;

signals:
    // The chosen step in half steps, -12 to +12.
    void sigTransposeUpdated(int step);

private slots:
    // Reports the step on every press; keeps the changed flag as it is.
    void on_pushButtonApply_clicked();
    void on_pushButtonCancel_clicked();
    // Reports the step only when it changed, then closes.
    void on_pushButtonOk_clicked();
    void on_comboBoxTranspose_currentIndexChanged(int index);

private:
    // Reports nothing while no entry is selected.
    void reportStep();

    Ui::DialogTranspose *ui;
    bool changed = false;
    Directive *directive = nullptr;
};
