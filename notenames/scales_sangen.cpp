// Sangen and shamisen scales: a note is named by its string and the position
// on it (Ikuta, Bunka), or by its scale degree (Yamada).
#include "notenames/scale_builders.h"

namespace NoteNames {

namespace {

// Ikuta positions of strings 1 and 2, index 0 = the open string.
const QStringList &ikutaPositions()
{
    static const QStringList positions = {"1",   "2",  "3",  "4",  "4#", "5",   "6",  "7",
                                          "8",   "8#", "9",  "10", "11", "12",  "13", "14",
                                          "14#", "15", "16", "17", "18", "18#", "19"};
    return positions;
}

// String 3 reaches further up the neck than strings 1 and 2.
const QStringList &ikutaThirdStringPositions()
{
    static const QStringList positions =
        ikutaPositions() +
        QStringList{"20", "21", "22", "23", "24", "24#", "25", "26", "27", "28", "28#", "29"};
    return positions;
}

const QStringList &bunkaPositions()
{
    static const QStringList positions = {"0",  "1",  "2",  "3",  "#",  "4",  "5",  "6",
                                          "7",  "8",  "9",  "b",  "10", "11", "12", "13",
                                          "1#", "14", "15", "16", "17", "18", "19"};
    return positions;
}

void appendIkutaString(NoteScale *scale, int string, int openPitch, const QStringList &positions)
{
    for (int index = 0; index < positions.size(); ++index) {
        const QString name = QString::number(string) + QLatin1Char('-') + positions.at(index);
        for (const QString &suffix :
             {QString(), QStringLiteral("-Hajiki"), QStringLiteral("-Sukui")})
            scale->appendScaleName(openPitch + index, name + suffix);
    }
}

} // namespace

NoteScale *createScaleShamisenBunka(const QString &tuning)
{
    auto *scale = new NoteScale;
    const QStringList entries = splitTuning(tuning);
    if (entries.size() != 3 || isTuningOutOfRange(tuning))
        return scale;
    // String 3 first: its name is the default where strings overlap.
    for (int string = 3; string >= 1; --string) {
        const int openPitch = tuningPitch(entries.at(string - 1));
        const QStringList &positions = bunkaPositions();
        for (int index = 0; index < positions.size(); ++index)
            scale->appendScaleName(openPitch + index, QString::number(string) + QLatin1Char('-') +
                                                          positions.at(index));
    }
    return scale;
}

NoteScale *createScaleSangenIkuta(const QString &tuning)
{
    auto *scale = new NoteScale;
    const QStringList entries = splitTuning(tuning);
    if (entries.size() != 3 || isTuningOutOfRange(tuning))
        return scale;
    const int third = tuningPitch(entries.at(2));
    appendIkutaString(scale, 3, third, ikutaThirdStringPositions());
    appendIkutaString(scale, 2, tuningPitch(entries.at(1)), ikutaPositions());
    appendIkutaString(scale, 1, tuningPitch(entries.at(0)), ikutaPositions());

    // Techniques stand on the whole compass, also on pitches no position
    // reaches, so a technique note can be written anywhere in it.
    const int last = third + int(ikutaThirdStringPositions().size()) - 1;
    for (int key = tuningPitch(entries.at(0)); key <= last; ++key) {
        for (const char *technique :
             {"Hajiki", "Sukui", "SuriAge", "SuriSage", "SuriSageAge", "Prev"})
            scale->appendScaleName(key, QString::fromLatin1(technique));
    }
    return scale;
}

NoteScale *createScaleSangenYamada()
{
    static const QStringList degrees = {"1",  "1#", "2",  "2#", "3",  "4",
                                        "4#", "5",  "5#", "6",  "7b", "7"};
    auto *scale = new NoteScale;
    for (int key = -3; key <= 37; ++key) {
        // Octave below C4 marked by a leading dot, the octaves above by a
        // trailing dot and colon.
        QString name;
        if (key <= 1)
            name = QLatin1Char('.') + degrees.at(key + 10);
        else if (key <= 13)
            name = degrees.at(key - 2);
        else if (key <= 25)
            name = degrees.at(key - 14) + QLatin1Char('.');
        else
            name = degrees.at(key - 26) + QLatin1Char(':');
        scale->setNames(key, {name, name + QLatin1String("-Hajiki"), name + QLatin1String("-Sukui"),
                              "Hajiki", "Sukui", "SuriAge", "SuriSage", "Prev"});
    }
    return scale;
}

} // namespace NoteNames
