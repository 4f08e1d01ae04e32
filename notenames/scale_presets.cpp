#include "notenames/scale_presets.h"

namespace NoteNames {

namespace {

ScalePreset preset(const QString &keyword, const QString &tuning, const QString &name)
{
    return {tuning, name,
            keyword + QLatin1Char('{') + tuning + QLatin1String("}'") + name + QLatin1Char('\'')};
}

} // namespace

QList<ScalePreset> kotoScalePresets()
{
    const QString keyword = QStringLiteral(".scale");
    return {
        preset(keyword, defaultKotoTuning, defaultKotoScaleName),
        preset(keyword, QStringLiteral("-22,-20,-19,-17,-15,-14,-12,-10,-8,-7,-5,-3,-1,0,2,4,5"),
               QStringLiteral("Koto17")),
        preset(keyword, QStringLiteral("2,4,6,7,9,11,13,14,16,18,19,21,23,25,26,28,30,31,33,35,37"),
               QStringLiteral("Koto20")),
        preset(
            keyword,
            QStringLiteral("2,4,6,7,9,11,13,14,16,18,19,21,23,25,26,28,30,31,33,35,37,38,40,42,43"),
            QStringLiteral("Koto25")),
        preset(
            keyword,
            QStringLiteral("-10,-8,-6,-5,-3,-1,1,2,4,6,7,9,11,13,14,16,18,19,21,23,25,26,28,30,31"),
            QStringLiteral("Koto25_Low")),
    };
}

QList<ScalePreset> sangenScalePresets()
{
    const QString keyword = QStringLiteral(".scaleSangen");
    return {
        preset(keyword, defaultSangenTuning, QStringLiteral("Sangen_Honchoshi")),
        preset(keyword, QStringLiteral("4,11,16"), QStringLiteral("Sangen_2Agari")),
        preset(keyword, QStringLiteral("4,9,14"), QStringLiteral("Sangen_3Sagari")),
    };
}

} // namespace NoteNames
