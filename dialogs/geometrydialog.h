// A dialog that remembers its window geometry from one run to the next.
//
// The geometry is kept in the user's persistent settings under the
// organisation "corvalin", the application name the subclass gives, and the
// key "geometry" (the byte array of QWidget::saveGeometry). A subclass calls
// readSettings() once its form is set up; every close event writes the
// geometry, hiding without a close event (accept, reject, Escape) does not.
// Whatever the stored or designed size, the dialog opens wholly on its
// screen (see screenfit.h).
#pragma once

#include <QDialog>
#include <QString>

class GeometryDialog : public QDialog
{
    Q_OBJECT

public:
    // `applicationName` names this dialog's own settings store; no two
    // dialog classes share one.
    GeometryDialog(const QString &applicationName, QWidget *parent = nullptr);

    QString settingsApplicationName() const { return applicationName; }

public slots:
    // Restores the stored geometry; an absent or unreadable one leaves the
    // window as it is (the form's size, the toolkit's placement).
    void readSettings();
    void writeSettings();

protected:
    // Only writes the geometry: QDialog's own handling would reject the
    // dialog and so overwrite the result code it was closed with.
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QString applicationName;
};
