// Loading a score from a file on disk, as the program's open does.
#pragma once

#include <QString>

#include <memory>

class Score;

namespace TestSupport {

// Reads the MusicXML or score file at `path` into the score's document text
// and loads it; false when the file can't be read or the loader refuses it.
bool loadScoreFile(Score &score, const QString &path);

// Gives every part the notation style `style` and its first note font, sets
// the writing direction with its paper, and regenerates the score.
void generateInStyle(Score &score, int style, bool horizontal);

// A new score imported from the MusicXML file at `path` and generated as
// generateInStyle does; null when the file can't be read or is refused.
std::unique_ptr<Score> generatedScore(const QString &path, int style, bool horizontal);

} // namespace TestSupport
