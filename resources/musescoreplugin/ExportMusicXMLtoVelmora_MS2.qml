//=============================================================================
//  Export MusicXML To Velmora (MuseScore 2)
//
//  Writes MuseScore's current score as MusicXML to
//  "musescore_exported.musicxml" in the user's home directory, where
//  Velmora's MuseScore import reads it. Velmora writes this file into
//  MuseScore's plug-in folder with the home directory filled in.
//=============================================================================
import QtQuick 2.2
import MuseScore 1.0

MuseScore {
    menuPath: "Plugins.Export MusicXML To Velmora"
    version: "2.0"
    description: "Export the Current Score to a file in user home."

    QProcess {
        id: process
    }

    onRun: {
        var TW_Path = "YourHomeDirectory";
        // Qt.quit() ends the plug-in only after onRun returns.
        if (typeof curScore === 'undefined' || curScore == null) {
            Qt.quit();
            return;
        }
        var file = TW_Path + "musescore_exported.musicxml";
        writeScore(curScore, file, "musicxml");
        console.log("Export MusicXML To Velmora: wrote " + file);
        Qt.quit();
    }
}
