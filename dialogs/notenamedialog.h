// The dialog in which the user picks another accepted name for a note; it
// reports the name and never touches the model.
//
// Child of its Score for the score's whole life; owns its form. The part it
// is filled for is borrowed from the score. The window geometry is kept
// under "Velmora_NoteName" and saved at every close.
#pragma once

#include "dialogs/geometrydialog.h"

#include <QStringList>

class Part;
class QListWidgetItem;

namespace Ui {
class NoteNameDialog;
}

class NoteNameDialog : public GeometryDialog
{
    Q_OBJECT

public:
    explicit NoteNameDialog(QWidget *parent = nullptr);
    ~NoteNameDialog() override;

    // Sets the dialog's texts in the current language.
    void retranslate();

    // Replaces the list by `names` for `part` and selects `row`. A koto
    // part's names show their pictures (":/images/<name>.png", else
    // ":/images/White.png"); other parts' names show none.
    void setDialog(Part *part, const QStringList &names, int row);
    Part *part() const;
    // The names listed and the current row (-1 when none is current).
    QStringList names() const;
    int currentRow() const;

signals:
    void noteNameChanged(const QString &name);

public slots:
    // Reports the current row's name and closes; with no current row it
    // only closes.
    void ok();

private slots:
    void on_listWidgetNames_itemDoubleClicked(QListWidgetItem *item);
    void on_pushButtonOK_clicked();

private:
    void fitToTexts();

    Ui::NoteNameDialog *ui;
    Part *listedPart = nullptr;
};
