// Loading a score from a file on disk, as the program's open does.
#pragma once

#include <QString>

class Score;

namespace TestSupport {

// Reads the MusicXML or score file at `path` into the score's document text
// and loads it; false when the file can't be read or the loader refuses it.
bool loadScoreFile(Score &score, const QString &path);

} // namespace TestSupport
