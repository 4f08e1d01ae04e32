#include "notenames/style_scale_names.h"

#include "notenames/scale_builders.h"
#include "notenames/scale_presets.h"

#include <QSet>

#include <memory>

namespace NoteNames {

namespace {

void collect(QSet<QString> &names, NoteScale *built)
{
    const std::unique_ptr<NoteScale> scale(built);
    for (const QStringList &list : scale->table())
        for (const QString &name : list)
            names.insert(name);
}

} // namespace

QStringList scaleNamesOfStyle(int notationStyle, const QString &noteFontName)
{
    QSet<QString> names;
    switch (notationStyle) {
    case 0:
    case 1:
        collect(names, createScaleKinko(false));
        collect(names, createScaleKinko(true));
        break;
    case 2:
    case 3:
        collect(names, createScaleTozan());
        break;
    case 4:
        collect(names, createScaleShinobue(noteFontName));
        break;
    case 5:
    case 6:
        for (const ScalePreset &preset : kotoScalePresets())
            collect(names, createScaleKoto(preset.tuning, preset.name, notationStyle == 6));
        break;
    case 7:
    case 9:
        for (const ScalePreset &preset : sangenScalePresets())
            collect(names, notationStyle == 7 ? createScaleSangenIkuta(preset.tuning)
                                              : createScaleShamisenBunka(preset.tuning));
        break;
    case 8:
        collect(names, createScaleSangenYamada());
        break;
    case 10:
        collect(names, createScaleDoremi());
        break;
    case 11:
        collect(names, createScalePercussion());
        break;
    default:
        break;
    }
    QStringList sorted(names.cbegin(), names.cend());
    sorted.sort();
    return sorted;
}

} // namespace NoteNames
