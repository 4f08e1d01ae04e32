// The modal About box: the program's version and build date with a link to
// the handbook, the copyright line, and, when the version check named
// another version than the running one, the notice that it is available
// (announced by a beep).
//
// Built anew for each showing; owns its form. Its texts are fixed at
// construction.
#pragma once

#include <QDialog>

namespace Ui {
class DialogAbout;
}

class DialogAbout : public QDialog
{
    Q_OBJECT

public:
    // `programLatestVersion` is the version the server named, empty while
    // none is known.
    DialogAbout(const QString &programVersion, const QString &buildDate,
                const QString &programLatestVersion, QWidget *parent = nullptr);
    ~DialogAbout() override;

    // `text` when it looks like a version (1 to 32 letters, digits, ".",
    // "-" or "_"), else empty: what a server sends must not bring markup or
    // links into the box.
    static QString plausibleVersion(const QString &text);

private:
    QString handbookLink() const;
    QString downloadLink() const;

    Ui::DialogAbout *ui;
};
