// The scale templates: ready-made scales of 3, 13 and 17 notes from which
// the scale editor takes one.
//
// The scale editor makes one per use, with itself as parent and its number
// of scale notes; OK hands the chosen template on as ".scale" followed by
// its scale text. The dialog keeps nothing between uses and stores no
// window geometry.
#pragma once

#include <QDialog>
#include <QString>

class Ui_DialogScaleTemplate;

class DialogScaleTemplate : public QDialog
{
    Q_OBJECT

public:
    // `noteCount` above 99 shows as 99, the spin box's limit.
    explicit DialogScaleTemplate(int noteCount, QWidget *parent = nullptr);
    ~DialogScaleTemplate() override;

    void retranslate();

signals:
    // ".scale" followed by the chosen template's scale text.
    void sigTemplateUpdated(const QString &directiveText);

private slots:
    void on_pushButtonCancel_clicked();
    void on_pushButtonOK_clicked();
    void on_spinBox_valueChanged(int arg1);

private:
    Ui_DialogScaleTemplate *ui;
};
