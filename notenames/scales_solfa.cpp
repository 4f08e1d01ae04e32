// Sol-fa (fixed do, with octave digits) and percussion scales: neither
// depends on a tuning or any setting.
#include "notenames/scale_builders.h"

namespace NoteNames {

NoteScale *createScaleDoremi()
{
    // Per semitone above C: the syllables, default first.
    static const QList<QStringList> syllables = {
        {"Do"},         {"#Do", "bRe"}, {"Re"},         {"#Re", "bMi"}, {"Mi"},         {"Fa"},
        {"#Fa", "bSo"}, {"So"},         {"#So", "bLa"}, {"La"},         {"#La", "bSi"}, {"Si"}};
    auto *scale = new NoteScale;
    // Octaves count as in scientific pitch notation: key 2 (MIDI 60) is Do4.
    for (int octave = 1; octave <= 7; ++octave) {
        const int keyOfC = -34 + 12 * (octave - 1);
        const QString digit = QString::number(octave);
        for (int semitone = 0; semitone < 12; ++semitone) {
            QStringList names;
            for (const QString &syllable : syllables.at(semitone))
                names.append(syllable + digit);
            scale->setNames(keyOfC + semitone, names);
        }
    }
    return scale;
}

NoteScale *createScalePercussion()
{
    auto *scale = new NoteScale;
    for (int key = -50; key <= 49; ++key)
        scale->setNames(key, {QStringLiteral("QuarterBeat")});
    return scale;
}

} // namespace NoteNames
