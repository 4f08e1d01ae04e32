// Koto scales: every string names the pitch it sounds open and raised by one
// to three semitones; technique names follow on every pitch a string reaches.
#include "notenames/scale_builders.h"
#include "platform/prompter.h"

#include <QCoreApplication>

namespace NoteNames {

namespace {

const QString koto25Name = QStringLiteral("Koto25");
const QString koto25LowName = QStringLiteral("Koto25_Low");

QStringList numberNames(int first, int last)
{
    QStringList names;
    for (int n = first; n <= last; ++n)
        names.append(QString::number(n));
    return names;
}

// Names of strings 1..n; empty when the count (or the 25-string scale name)
// is not one the koto has.
QStringList kotoStringNames(int count, const QString &scaleName)
{
    const QStringList upper = numberNames(1, 10) + QStringList{"To", "I", "Kin"};
    const QStringList middle = {"Ichi", "Ni", "San", "Shi", "Go", "Roku", "Nana"};
    switch (count) {
    case 13:
        return upper;
    case 17:
        return numberNames(1, 17);
    case 21:
        return QStringList{"Rei"} + middle + upper;
    case 25:
        if (scaleName == koto25Name)
            return QStringList{"Otsu1", "Otsu2", "Otsu3"} + middle + upper +
                   QStringList{"Kan1", "Kan2"};
        if (scaleName == koto25LowName)
            return QStringList{"Otsu1", "Otsu2", "Otsu3", "Otsu4"} + middle + upper +
                   QStringList{"Kan1"};
        return {};
    default:
        return {};
    }
}

void appendRaised(NoteScale *scale, int pitch, const QString &name)
{
    const QString raises[] = {QString(), "+", "++", "+++"};
    for (int semitones = 0; semitones < 4; ++semitones)
        scale->appendScaleName(pitch + semitones, name + raises[semitones]);
}

void showScaleNameWarning(QWidget *parent)
{
    Prompter::instance().warning(
        parent, QCoreApplication::translate("Score", "Velmora"),
        QCoreApplication::translate("Score", "Scale Name must be \"%1\" or  \"%2\".")
            .arg(koto25Name, koto25LowName));
}

} // namespace

bool isRejectedKotoScaleName(const QString &tuning, const QString &scaleName)
{
    return splitTuning(tuning).size() == 25 && scaleName != koto25Name &&
           scaleName != koto25LowName;
}

NoteScale *createScaleKoto(const QString &tuning, const QString &scaleName, bool seiha,
                           QWidget *parent, ScaleNameWarning warning)
{
    auto *scale = new NoteScale;
    const QStringList entries = splitTuning(tuning);
    const int count = int(entries.size());
    if (isTuningOutOfRange(tuning))
        return scale;
    if (isRejectedKotoScaleName(tuning, scaleName)) {
        if (warning == ScaleNameWarning::Show)
            showScaleNameWarning(parent);
        return scale;
    }
    const QStringList stringNames = kotoStringNames(count, scaleName);
    if (stringNames.isEmpty())
        return scale;

    // Highest string first: where two strings reach one pitch, the
    // higher-numbered one gives the default name.
    for (int string = count; string >= 1; --string) {
        const int pitch = tuningPitch(entries.at(string - 1));
        const QString &name = stringNames.at(string - 1);
        appendRaised(scale, pitch, name);
        if (seiha && count == 13 && string == 13)
            appendRaised(scale, pitch, name + QLatin1String("White"));
    }

    QStringList techniques = {"Sukui", "Osu+", "Osu++", "Osu+++"};
    if (seiha)
        techniques += QStringList{"BarOsu+", "BarOsu++", "BarOsu+++"};
    techniques += QStringList{"Hanasu", "X", "Prev"};
    const int last = maxNumber(entries) + 3;
    for (int key = minNumber(entries); key <= last; ++key) {
        if (!scale->contains(key))
            continue;
        for (const QString &technique : techniques)
            scale->appendScaleName(key, technique);
    }
    return scale;
}

} // namespace NoteNames
