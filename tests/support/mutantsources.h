// The files the hostile-input tests mutate: corpus fixtures, and the bundled
// sample saved as a score file for the program's own elements.
#pragma once

#include <QByteArray>
#include <QString>

namespace TestSupport {

// The name the saved sample has among the sources.
extern const QString sampleScoreFile;

// Loads and generates the bundled sample and saves it in `folder` as
// sampleScoreFile; false when any step fails.
bool saveSampleScoreFile(const QString &folder);

// The bytes of the source `name`: the saved sample in `folder`, or the
// corpus fixture at that path below the corpus folder. Empty when unreadable.
QByteArray mutantSourceText(const QString &folder, const QString &name);

} // namespace TestSupport
