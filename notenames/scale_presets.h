// The tunings every string part starts with and the scale directives the
// directive palette offers. A tuning is a comma-separated list of pitch
// numbers (MIDI note number minus 58), one per string, string 1 first.
#pragma once

#include <QList>
#include <QString>

namespace NoteNames {

// Tuning and scale name of every koto part before its first ".scale{".
inline const QString defaultKotoTuning = QStringLiteral("4,-3,-1,0,4,5,9,11,12,16,17,21,23");
inline const QString defaultKotoScaleName = QStringLiteral("Koto13(Hira_D)");
// Tuning of every sangen and shamisen part before its first ".scaleSangen{".
inline const QString defaultSangenTuning = QStringLiteral("4,9,16");

struct ScalePreset
{
    QString tuning;
    QString name;
    // The whole directive text: keyword, tuning, closing brace, quoted name.
    QString directiveText;
};

// Koto presets (".scale{...}'name'"), 13, 17, 21 and two 25-string tunings.
QList<ScalePreset> kotoScalePresets();
// Sangen and shamisen presets (".scaleSangen{...}'name'").
QList<ScalePreset> sangenScalePresets();

} // namespace NoteNames
