// Which score files each running instance of the program has open, so that
// opening a file another instance shows says so.
//
// Each instance lists the files of its open scores, one absolute path a
// line, in "<key>.open" beside its lock in the autosave folder
// (document/autosavefolder.h). A list counts only while its instance runs:
// one left by an instance that ended is removed when it is come across. The
// list is a courtesy: a save still checks the file itself before it writes
// (document/diskstamp.h), so a list that could not be written loses nothing.
#pragma once

#include <QString>

namespace OpenScores {

// `owner` (a score) now has the file at `path` open; it replaces what the
// owner had before.
void hold(const void *owner, const QString &path);

// `owner` has no file open any more. Cheap for an owner that never held one.
void release(const void *owner);

// True when another running instance lists the file at `path`.
bool openElsewhere(const QString &path);

} // namespace OpenScores
