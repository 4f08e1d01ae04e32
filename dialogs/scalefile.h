// Scales kept in an ordinary MusicXML file: each part holds one scale as
// the run of notes of its first voice from the first measure on, up to its
// first rest or the part's end; the first line of the part's name is the
// scale's name.
#pragma once

#include <QList>
#include <QString>

#include <optional>

struct ScaleFilePart
{
    QString name;       // first line of the part name
    QList<int> pitches; // as written (transpositions and keys left out)
};

namespace ScaleFile {

// Every part of the file at `path`, in order. Nullopt when the file cannot
// be read or is no score (the score reading it has warned). The score read
// for it lives only during this call.
std::optional<QList<ScaleFilePart>> readParts(const QString &path);

} // namespace ScaleFile
