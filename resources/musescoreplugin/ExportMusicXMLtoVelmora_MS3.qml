//=============================================================================
//  Export MusicXML To Velmora (MuseScore 3)
//
//  Writes MuseScore's current score as MusicXML to
//  "musescore_exported.musicxml" in the user's home directory, where
//  Velmora's MuseScore import reads it. Velmora writes this file into
//  MuseScore's plug-in folder with the home directory filled in.
//=============================================================================
import QtQuick 2.1
import QtQuick.Dialogs 1.0
import QtQuick.Controls 1.0
import MuseScore 3.0
import FileIO 3.0

MuseScore {
    menuPath: "Plugins.Export MusicXML To Velmora"
    version: "3.0"
    description: "Export the Current Score to a file in user home."
    requiresScore: false

    onRun: {
        var TW_Path = "YourHomeDirectory";
        var file = TW_Path + "musescore_exported.musicxml";
        writeScore(curScore, file, "musicxml");
        console.log("Export MusicXML To Velmora: wrote " + file);
        Qt.quit();
    }
}
