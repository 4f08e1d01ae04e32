//=============================================================================
//  Import MusicXML From Velmora (MuseScore 3)
//
//  Opens "velmora_exported.musicxml", the file Velmora's MuseScore export
//  writes in the user's home directory, as a new score. Velmora writes this
//  file into MuseScore's plug-in folder with the home directory filled in.
//=============================================================================
import QtQuick 2.1
import QtQuick.Dialogs 1.0
import QtQuick.Controls 1.0
import MuseScore 3.0
import FileIO 3.0

MuseScore {
    menuPath: "Plugins.Import MusicXML From Velmora"
    version: "3.0"
    description: "Open a musicxml file exported by Velmora."
    requiresScore: false

    onRun: {
        var TW_Path = "YourHomeDirectory";
        // Qt.quit() ends the plug-in only after onRun returns.
        if (typeof curScore === 'undefined' || curScore == null) {
            Qt.quit();
            return;
        }
        var file = TW_Path + "velmora_exported.musicxml";
        var score = readScore(file);
        console.log("Import MusicXML From Velmora: read " + file + ", "
                    + (score ? score.nmeasures : 0) + " measures");
        Qt.quit();
    }
}
