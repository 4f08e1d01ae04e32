// The sources, targets and options of MusicXML import and export; each
// button reports its choice through one signal.
//
// One instance, a child of the main window for the whole run.
#pragma once

#include <QDialog>

class DialogImportExport : public QDialog
{
    Q_OBJECT

public:
    explicit DialogImportExport(QWidget *parent = nullptr);

    // Sets the dialog's texts in the current language.
    void retranslate();

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
};
