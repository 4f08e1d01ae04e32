// The score the editing tests work on, and the texts they compare.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class Part;
class Score;

namespace TestSupport {

// The fixture with every kind of editable item, loaded and generated once,
// with the build time of its score file fixed so that two builds compare
// byte for byte; null when it does not load.
std::unique_ptr<Score> editableScore(bool multiMeasureRests = false);

// The score file the score would save now.
QString savedScoreFile(Score &score);

// Every stored setting of a part, as text, row by row.
QStringList partSettingsText(const Part *part);

} // namespace TestSupport
