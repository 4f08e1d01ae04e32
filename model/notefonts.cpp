// Notation style names, note-font folders and the shared renderer cache.
#include "model/notefonts.h"

#include "model/glyphoutline.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSvgRenderer>

namespace {

struct StyleEntry
{
    const char *name;
    const char *folder;
};

// Indexed by the NotationStyle code.
constexpr StyleEntry styles[NotationStyle::count] = {
    {"KinkoSimple", "Shakuhachi_Kinko_Simple"},
    {"KinkoTrad", "Shakuhachi_Kinko"},
    {"TozanSimple", "Shakuhachi_Tozan_Simple"},
    {"TozanTrad", "Shakuhachi_Tozan"},
    {"Fue", "Shinobue"},
    {"KotoIkuta", "Koto_Ikuta"},
    {"KotoSeiha", "Koto_Seiha"},
    {"SangenIkuta", "Sangen_Ikuta"},
    {"SangenYamada", "Sangen_Yamada"},
    {"ShamisenBunka", "Shamisen_Bunka"},
    {"Doremi", "Doremi"},
    {"Percussion", "Percussion"},
    {"StaffNotation", "Staff_Notation"},
    {"Traverso", "Traverso"},
};

const StyleEntry &entryOf(int code)
{
    return styles[(code >= 0 && code < NotationStyle::count) ? code : 0];
}

const QString defaultRoot = QStringLiteral(":/notefonts");

QString &currentRoot()
{
    static QString root = defaultRoot;
    return root;
}

// Weak entries only: the cache never keeps a renderer alive by itself.
QHash<QString, std::weak_ptr<QSvgRenderer>> &rendererCache()
{
    static QHash<QString, std::weak_ptr<QSvgRenderer>> cache;
    return cache;
}

void dropReleasedRenderers()
{
    auto &cache = rendererCache();
    for (auto it = cache.begin(); it != cache.end();) {
        if (it->expired())
            it = cache.erase(it);
        else
            ++it;
    }
}

} // namespace

QString NotationStyle::name(int code)
{
    return QString::fromLatin1(entryOf(code).name);
}

int NotationStyle::fromName(const QString &name)
{
    for (int code = 0; code < count; ++code) {
        if (name == QLatin1String(styles[code].name))
            return code;
    }
    return KinkoSimple;
}

QString NoteFontFolder::name(int code)
{
    return QString::fromLatin1(entryOf(code).folder);
}

QString NoteFontFolder::path(int code)
{
    return NoteFonts::root() + QLatin1Char('/') + name(code) + QLatin1Char('/');
}

QString NoteFonts::root()
{
    return currentRoot();
}

void NoteFonts::setRoot(const QString &path)
{
    QString root = path;
    while (root.size() > 2 && root.endsWith(QLatin1Char('/')))
        root.chop(1);
    currentRoot() = root;
}

void NoteFonts::resetRoot()
{
    currentRoot() = defaultRoot;
}

QString NoteFonts::commonFontPath()
{
    return root() + QStringLiteral("/Common/Basic.svg");
}

QString NoteFonts::firstFontName(const QString &folder)
{
    // Files only: a folder on disk also lists "." and ".." and subfolders,
    // none of which is a font.
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.svg")}, QDir::Files,
                                                     QDir::Name | QDir::IgnoreCase);
    if (files.isEmpty())
        return QString();
    return QFileInfo(files.first()).completeBaseName();
}

std::shared_ptr<QSvgRenderer> NoteFonts::renderer(const QString &filePath)
{
    auto &cache = rendererCache();
    if (std::shared_ptr<QSvgRenderer> held = cache.value(filePath).lock())
        return held;
    dropReleasedRenderers();
    auto made = std::make_shared<QSvgRenderer>(filePath);
    GlyphOutlineCache::of(made.get())->setFontFile(filePath);
    cache.insert(filePath, made);
    return made;
}
