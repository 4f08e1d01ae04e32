#include "layout/creditplaces.h"

#include "model/credit.h"

#include <QHash>
#include <QString>

#include <algorithm>
#include <optional>

namespace {

using namespace CreditPlaces;

std::optional<int> placeOfType(const QString &type)
{
    static const QHash<QString, int> byType = {
        {QStringLiteral("title"), Title},       {QStringLiteral("subtitle"), Subtitle},
        {QStringLiteral("composer"), Composer}, {QStringLiteral("lyricist"), Lyricist},
        {QStringLiteral("arranger"), Foot},     {QStringLiteral("rights"), Foot},
    };
    const auto found = byType.constFind(type);
    if (found == byType.constEnd())
        return std::nullopt;
    return found.value();
}

// The credit among `untyped` (indexes into `credits`) that its hints make
// the title: strictly the largest font, centred, and no credit higher on
// the page. -1 when none is that clearly.
int hintedTitle(const QList<int> &untyped, const QList<Credit *> &credits)
{
    int best = -1;
    for (const int i : untyped) {
        if (best < 0 || credits.at(i)->hintFontSize > credits.at(best)->hintFontSize)
            best = i;
    }
    if (best < 0 || credits.at(best)->hintFontSize <= 0.0 ||
        credits.at(best)->hintJustify != QLatin1String("center") || !credits.at(best)->hintYGiven)
        return -1;
    for (const int i : untyped) {
        if (i == best)
            continue;
        if (credits.at(i)->hintFontSize >= credits.at(best)->hintFontSize ||
            (credits.at(i)->hintYGiven && credits.at(i)->hintY > credits.at(best)->hintY))
            return -1;
    }
    return best;
}

int hintedPlace(const Credit *credit, const Credit *title)
{
    // Below half the title's height on the page: the foot, where rights go.
    if (credit->hintYGiven && credit->hintY < 0.5 * title->hintY)
        return Foot;
    if (credit->hintJustify == QLatin1String("right"))
        return Composer;
    if (credit->hintJustify == QLatin1String("center"))
        return Subtitle;
    if (credit->hintJustify == QLatin1String("left"))
        return Lyricist;
    return Corner;
}

} // namespace

namespace CreditPlaces {

QList<int> places(const QList<Credit *> &credits)
{
    QList<int> byOrder;
    QList<int> untyped;
    bool titleTyped = false;
    for (int i = 0; i < credits.size(); ++i) {
        byOrder.append(std::min(i, int(Corner)));
        if (!placeOfType(credits.at(i)->creditType))
            untyped.append(i);
        titleTyped = titleTyped || credits.at(i)->creditType == QLatin1String("title");
    }
    const int title = hintedTitle(untyped, credits);
    // A file that gives its title first draws as it always has.
    const bool titleFirst =
        credits.isEmpty() || credits.first()->creditType == QLatin1String("title") ||
        (untyped.value(0) == 0 && !titleTyped && (title < 0 || title == 0));
    if (titleFirst)
        return byOrder;
    QList<int> result = byOrder;
    for (int i = 0; i < credits.size(); ++i) {
        if (const std::optional<int> typed = placeOfType(credits.at(i)->creditType))
            result[i] = *typed;
        else if (title >= 0)
            result[i] = i == title ? int(Title) : hintedPlace(credits.at(i), credits.at(title));
    }
    return result;
}

} // namespace CreditPlaces
