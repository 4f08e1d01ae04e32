#include "platform/startup.h"

#include "platform/derivedtextfont.h"
#include "platform/hugepageheap.h"
#include "platform/memorybudget.h"

#include <QDebug>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QHashSeed>
#include <QStandardPaths>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace Startup {

QString addressSpaceTooSmall()
{
    const qint64 limit = MemoryBudget::addressSpaceLimitBytes();
    if (limit == 0)
        return QString();
    const qint64 mapped = MemoryBudget::mappedBytes();
    if (limit >= mapped + startingAddressSpace)
        return QString();
    return QStringLiteral("The process's address-space limit (ulimit -v) is %1 MB; Velmora needs "
                          "at least %2 MB to start. Raise the limit and start it again.")
        .arg(limit / MemoryBudget::mebibyte)
        .arg((mapped + startingAddressSpace + MemoryBudget::mebibyte - 1) /
             MemoryBudget::mebibyte);
}

void prepareProcess()
{
    // QDomDocument writes attributes in hash order; a fixed seed makes two
    // saves of the same score give the same bytes.
    QHashSeed::setDeterministicGlobalSeed();

#if defined(__GLIBC__)
    // Every regeneration deletes the scene's items and makes as many anew.
    // With the C library's fast bins, each freed chunk that merges into a
    // large free block sweeps all the small chunks freed before it, and that
    // sweep took a fifth of the second and later regenerations of a large
    // score. Without fast bins small chunks go to the per-thread cache or
    // merge with their neighbours at once.
    mallopt(M_MXFAST, 0);
#endif
    HugePageHeap::reserve();
}

namespace {

// Japanese Windows names are written with full-width letters and either a
// plain or an ideographic space ("ＭＳ ゴシック", "ＭＳ　ゴシック");
// scores carry whichever the writing program used.
QStringList withIdeographicSpaces(const QStringList &families)
{
    QStringList all = families;
    for (const QString &family : families) {
        if (family.contains(QLatin1Char(' ')) && family.at(0).unicode() >= 0xFF00) {
            QString wide = family;
            all << wide.replace(QLatin1Char(' '), QChar(0x3000));
        }
    }
    return all;
}

} // namespace

QStringList japaneseMinchoFamilies()
{
    return withIdeographicSpaces({QStringLiteral("MS Mincho"), QStringLiteral("MS PMincho"),
                                  QStringLiteral("Yu Mincho"), QStringLiteral("ＭＳ 明朝"),
                                  QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("游明朝"),
                                  QStringLiteral("游明朝体"), QStringLiteral("BIZ UDMincho"),
                                  QStringLiteral("BIZ UD明朝"), QStringLiteral("BIZ UDP明朝")});
}

QStringList japaneseGothicFamilies()
{
    return withIdeographicSpaces(
        {QStringLiteral("MS Gothic"), QStringLiteral("MS PGothic"), QStringLiteral("MS UI Gothic"),
         QStringLiteral("Yu Gothic"), QStringLiteral("Yu Gothic UI"), QStringLiteral("Meiryo"),
         QStringLiteral("Meiryo UI"), QStringLiteral("ＭＳ ゴシック"),
         QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("ＭＳ ＵＩ Ｇｏｔｈｉｃ"),
         QStringLiteral("游ゴシック"), QStringLiteral("游ゴシック体"), QStringLiteral("メイリオ"),
         QStringLiteral("BIZ UDGothic"), QStringLiteral("BIZ UDゴシック"),
         QStringLiteral("BIZ UDPゴシック")});
}

namespace {

// An installed Japanese text font the program stands in with, and the family
// name of the copy it derives from it.
struct TextFontSource
{
    const char *path;
    const char *installedFamily;
    const char *derivedFamily;
};

QHash<QString, QString> &installedFamilies()
{
    static QHash<QString, QString> families;
    return families;
}

// Where the copies of the text fonts are kept between runs.
QString fontCacheFolder()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return cache.isEmpty() ? QString() : cache + QStringLiteral("/fonts");
}

// Registers the copy named `family` of the font file at `path`: from its
// cached file, or made in memory when no file can be kept. False when
// neither loads.
bool registerCopy(const QString &path, const QString &family, QString &why)
{
    const QString cached = DerivedTextFont::cachedFile(path, family, fontCacheFolder(), &why);
    if (!cached.isEmpty()) {
        const int id = QFontDatabase::addApplicationFont(cached);
        if (id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(family))
            return true;
        // Damaged or not the copy it is named after: made again next time.
        if (id >= 0)
            QFontDatabase::removeApplicationFont(id);
        QFile::remove(cached);
    }
    const QByteArray font = DerivedTextFont::fromFile(path, family, &why);
    if (font.isEmpty())
        return false;
    if (QFontDatabase::addApplicationFontFromData(font) < 0) {
        why = QStringLiteral("its copy did not load");
        return false;
    }
    return true;
}

// Registers the copy of the first installed font of `sources` whose character
// map leaves out the CJK radicals (see platform/derivedtextfont.h), and gives the
// copy's family; empty when none could be derived. Only one copy is made per
// list: the substitution never reaches past the first.
QString registerDerivedFont(std::initializer_list<TextFontSource> sources)
{
    for (const TextFontSource &source : sources) {
        const QString path = QString::fromLatin1(source.path);
        if (!QFileInfo::exists(path))
            continue;
        const QString family = QString::fromLatin1(source.derivedFamily);
        QString why;
        if (!registerCopy(path, family, why)) {
            qDebug().noquote() << "Text font" << path << "left as it is:" << why;
            continue;
        }
        installedFamilies().insert(family, QString::fromLatin1(source.installedFamily));
        return family;
    }
    return QString();
}

} // namespace

static void substituteWindowsFamilies()
{
    // The derived copies come first, so that text set in them copies and
    // searches in an exported PDF as the characters the score holds.
    // Made once per process, however often the fonts are prepared.
    static const QString derivedMincho = registerDerivedFont(
        {{"/usr/share/fonts/opentype/ipaexfont-mincho/ipaexm.ttf", "IPAexMincho",
          "Velmora IPAex Mincho"},
         {"/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf", "IPAMincho", "Velmora IPA Mincho"}});
    static const QString derivedGothic = registerDerivedFont(
        {{"/usr/share/fonts/opentype/ipaexfont-gothic/ipaexg.ttf", "IPAexGothic",
          "Velmora IPAex Gothic"},
         {"/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf", "IPAGothic", "Velmora IPA Gothic"}});
    QStringList mincho = {QStringLiteral("IPAexMincho"), QStringLiteral("IPAMincho"),
                          QStringLiteral("Noto Serif CJK JP")};
    QStringList gothic = {QStringLiteral("IPAexGothic"), QStringLiteral("IPAGothic"),
                          QStringLiteral("Noto Sans CJK JP")};
    if (!derivedMincho.isEmpty())
        mincho.prepend(derivedMincho);
    if (!derivedGothic.isEmpty())
        gothic.prepend(derivedGothic);
    for (const QString &family : japaneseMinchoFamilies())
        QFont::insertSubstitutions(family, mincho);
    for (const QString &family : japaneseGothicFamilies())
        QFont::insertSubstitutions(family, gothic);
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

static void registerBundledFonts()
{
    QDirIterator it(QStringLiteral(":/fonts"), {QStringLiteral("*.ttf")}, QDir::Files);
    while (it.hasNext())
        QFontDatabase::addApplicationFont(it.next());
}

QHash<QString, QString> derivedTextFamilies()
{
    return installedFamilies();
}

void prepareFonts()
{
    substituteWindowsFamilies();
    registerBundledFonts();
}

} // namespace Startup
