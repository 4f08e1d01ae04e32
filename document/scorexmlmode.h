// What a built score document is for; decides which of the program's own
// elements the writers add.
#pragma once

enum class ScoreXmlMode : int
{
    PlainMusicXml = 0,   // MusicXML for other programs: no tarn- elements
    ScoreFile = 1,       // the program's own score file: everything
    NoteNameLyrics = 3,  // MusicXML with the note glyphs as lyrics
    NoteNameRewrite = 4, // the own document rewritten with the note glyphs as lyrics
};
