#include "dialogs/scalefile.h"

#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"

#include <QDebug>

#include <memory>

namespace {

// The pitches of the first voice of part `partIndex`, measure after
// measure, up to the first rest; chord notes count one each.
QList<int> leadingPitches(const Score &score, int partIndex)
{
    QList<int> pitches;
    for (const Measure *measure : std::as_const(score.measures)) {
        const MePart *cell = measure->parts.value(partIndex);
        if (!cell)
            break;
        for (const Note *note : cell->voices.at(0)->notes) {
            if (note->rest)
                return pitches;
            qDebug().noquote() << QStringLiteral("noteName = %1 index = %2")
                                      .arg(note->noteName)
                                      .arg(note->pitchNumber);
            pitches.append(note->pitchNumber);
        }
    }
    return pitches;
}

} // namespace

std::optional<QList<ScaleFilePart>> ScaleFile::readParts(const QString &path)
{
    // Never autosaved: it is read, asked about and dropped.
    auto score = std::make_unique<Score>(QString(), 0, false);
    if (!score->readMusicXmlFile(path) || !score->parseScoreXml(false))
        return std::nullopt;
    score->SetNoteScales();
    score->setNoteNames();

    QList<ScaleFilePart> parts;
    for (int p = 0; p < score->parts.size(); ++p) {
        const QString name = score->parts.at(p)->partName.split(QLatin1Char('\n')).first();
        parts.append({name, leadingPitches(*score, p)});
    }
    return parts;
}
