#include "app/startup.h"

#include <QDirIterator>
#include <QFont>
#include <QFontDatabase>
#include <QHashSeed>

namespace Startup {

void prepareProcess()
{
    // QDomDocument writes attributes in hash order; a fixed seed makes two
    // saves of the same score give the same bytes.
    QHashSeed::setDeterministicGlobalSeed();
}

QStringList japaneseMinchoFamilies()
{
    return {QStringLiteral("MS Mincho"), QStringLiteral("MS PMincho"),
            QStringLiteral("Yu Mincho"), QStringLiteral("ＭＳ 明朝"),
            QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("游明朝")};
}

QStringList japaneseGothicFamilies()
{
    return {QStringLiteral("MS Gothic"),  QStringLiteral("MS PGothic"),
            QStringLiteral("Yu Gothic"),  QStringLiteral("Meiryo"),
            QStringLiteral("Meiryo UI"),  QStringLiteral("ＭＳ ゴシック"),
            QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("游ゴシック"),
            QStringLiteral("メイリオ")};
}

static void substituteWindowsFamilies()
{
    const QStringList mincho = {QStringLiteral("IPAexMincho"), QStringLiteral("IPAMincho"),
                                QStringLiteral("Noto Serif CJK JP")};
    const QStringList gothic = {QStringLiteral("IPAexGothic"), QStringLiteral("IPAGothic"),
                                QStringLiteral("Noto Sans CJK JP")};
    for (const QString &family : japaneseMinchoFamilies())
        QFont::insertSubstitutions(family, mincho);
    for (const QString &family : japaneseGothicFamilies())
        QFont::insertSubstitutions(family, gothic);
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
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

void prepareFonts()
{
    substituteWindowsFamilies();
    registerBundledFonts();
}

} // namespace Startup
