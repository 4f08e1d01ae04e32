// The question asked at start when autosaved files were left behind by a run
// that did not end normally: OK (accepted) reopens them, Cancel, Escape and
// the close box (rejected) have them deleted. The caller runs it modally and
// acts on the result; the dialog itself changes nothing.
//
// Owns its form.
#pragma once

#include <QDialog>

namespace Ui {
class DialogOpenAutoSave;
}

class DialogOpenAutoSave : public QDialog
{
    Q_OBJECT

public:
    explicit DialogOpenAutoSave(QWidget *parent = nullptr);
    ~DialogOpenAutoSave() override;

    // Sets the title and the question in the current language.
    void retranslate();
    // The files the question is about, listed under it by name.
    void setFiles(const QStringList &paths);

private:
    Ui::DialogOpenAutoSave *ui;
    QStringList files;
};
