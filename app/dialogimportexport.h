// The sources, targets and options of MusicXML import and export. The
// dialog decides nothing itself: Import and Export hide it and report the
// choice through exactly one of its ten signals, which the main window
// carries out. The choices stay checked for the next opening.
//
// One instance, a child of the main window for the whole run; owns its
// form. The window geometry is kept under "Velmora_ImportExport", written
// by Close and by every close of the window.
#pragma once

#include "dialogs/geometrydialog.h"

class Score;

namespace Ui {
class DialogImportExport;
}

class DialogImportExport : public GeometryDialog
{
    Q_OBJECT

public:
    explicit DialogImportExport(QWidget *parent = nullptr);
    ~DialogImportExport() override;

    // Sets the dialog's texts in the current language.
    void retranslate();
    // Called at each opening with the current score (null: none). Without a
    // score only a new import can be chosen, so New is checked and Imitate,
    // Update and the whole export side are disabled.
    void setScore(Score *score);

signals:
    void sigImportNew();
    void sigImportNewMuseScore();
    void sigImportImitate();
    void sigImportImitateMuseScore();
    void sigImportUpdatePure();
    void sigImportUpdateFromMuseScore();
    void sigExportMusicXMLFileClean();
    void sigExportToMuseScoreClean();
    void sigExportMusicXMLWithLyrics();
    void sigExportMusicXMLWithLyricsToMS();

private slots:
    void on_pushButtonImport_clicked();
    void on_pushButtonExport_clicked();
    void on_pushButtonClose_clicked();

private:
    Ui::DialogImportExport *ui;
};
