// The score the editing tests work on, and the texts they compare.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class Direction;
class Directive;
class Notation;
class Note;
class Part;
class Score;
class Voice;

namespace TestSupport {

// The fixture with every kind of editable item, loaded and generated once,
// with the build time of its score file fixed so that two builds compare
// byte for byte; null when it does not load.
std::unique_ptr<Score> editableScore(bool multiMeasureRests = false);

// The score file the score would save now.
QString savedScoreFile(Score &score);

// Every stored setting of a part, as text, row by row.
QStringList partSettingsText(const Part *part);

// The fixture's items that the editing tests work on: the first voice of
// the first part in a measure, its notes, the words "dolce" (measure 1)
// and "rit." (measure 5), and the first note's slur and fermata. A kind or
// text that is not there ends the test run.
Voice *firstVoice(Score &score, int measure = 0);
Note *noteOf(Score &score, int measure, int index);
Note *firstNote(Score &score);
Direction *dolce(Score &score);
Direction *rit(Score &score);
Notation *notationOfKind(Note *note, int kind);
Notation *slur(Score &score);
Notation *fermata(Score &score);
Directive *directiveOf(Note *note, const QString &text);

} // namespace TestSupport
