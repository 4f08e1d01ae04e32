#include "notenames/lyric_pitches.h"

#include "model/notefonts.h"

#include <QList>

namespace NoteNames {

namespace {

// Which name a table row gives before the pitch changes.
enum class First
{
    None,
    Name,           // the row's own name
    NameIfHigh,     // the row's own name, when the high value is taken
    NameIfDefaultU, // the row's own name, when the style makes "U" a default
    I,              // the name "I"
};

// One row of the shakuhachi table. A row with one result has low == high.
struct ShakuhachiRow
{
    const char *suffix;
    const char *ending;
    int low;
    int high;
    int threshold;
    First first = First::None;
    // The row's name in full, in place of base name and ending.
    const char *wholeName = nullptr;
};

struct Syllable
{
    const char *syllable;
    const char *baseName;
    QList<ShakuhachiRow> rows;
};

const Syllable &ro()
{
    static const Syllable s{"ro",
                            "Ro",
                            {{"D", "DaiMeri", 2, 2, 0},
                             {"M", "Meri", 3, 15, 14, First::NameIfHigh},
                             {"", "", 4, 16, 11}}};
    return s;
}

const Syllable &tu()
{
    static const Syllable s{"tu",
                            "Tu",
                            {{"M", "Meri", 5, 17, 10},
                             {"C", "ChuMeri", 6, 18, 10},
                             {"K", "DaiKan", 31, 31, 0},
                             {"", "", 7, 19, 10}}};
    return s;
}

const Syllable &re()
{
    static const Syllable s{"re",
                            "Re",
                            {{"M", "Meri", 8, 20, 15},
                             {"MK", "MeriDaikan", 32, 32, 0},
                             {"K", "Daikan", 33, 33, 0},
                             {"", "", 9, 21, 15}}};
    return s;
}

const Syllable &ti()
{
    static const Syllable s{"ti",
                            "Ti",
                            {{"M", "Meri", 10, 22, 15},
                             {"MK", "MeriDaikan", 34, 34, 0},
                             {"K", "Daikan", 35, 35, 0},
                             {"", "", 11, 23, 15}}};
    return s;
}

const Syllable &kinkoRi()
{
    static const Syllable s{
        "ri", "Ri", {{"M", "Meri", 12, 12, 0}, {"C", "ChuMeri", 13, 13, 0}, {"", "", 14, 14, 0}}};
    return s;
}

const Syllable &kinkoHi()
{
    static const Syllable s{"hi",
                            "Hi",
                            {{"M", "Meri", 24, 24, 0},
                             {"C", "ChuMeri", 25, 25, 0},
                             {"MK", "MeriDaikan", 36, 36, 0},
                             {"5C", "GoChuMeri", 27, 27, 0, First::Name},
                             {"5M", "GoDaiMeri", 26, 26, 0, First::Name},
                             {"5", "Go", 28, 28, 0},
                             {"", "", 26, 26, 0}}};
    return s;
}

const Syllable &kinkoHa()
{
    static const Syllable s{
        "ha",
        "Ha",
        {{"3", "San", 29, 29, 0}, {"4", "", 30, 30, 0, First::None, "Shi"}, {"", "", 28, 28, 0}}};
    return s;
}

const Syllable &tozanHa()
{
    static const Syllable s{"ha",
                            "Ha",
                            {{"M", "Meri", 12, 24, 19},
                             {"C", "ChuMeri", 13, 25, 19},
                             {"MK", "MeriDaikan", 36, 36, 0},
                             {"CK", "ChuMeriDaikan", 37, 37, 0},
                             {"", "", 14, 26, 19}}};
    return s;
}

const Syllable &tozanHi()
{
    static const Syllable s{"hi", "Hi", {{"M", "Meri", 15, 27, 20}, {"", "", 16, 28, 20}}};
    return s;
}

const Syllable &u()
{
    static const Syllable s{
        "u",
        "U",
        {{"3", "San", 24, 24, 0, First::Name}, {"", "", 10, 10, 0, First::NameIfDefaultU}}};
    return s;
}

const Syllable &i()
{
    static const Syllable s{
        "i", "I", {{"M", "Meri", 15, 27, 20, First::I}, {"", "", 16, 28, 20, First::I}}};
    return s;
}

// The syllables in the order a token's start is tested: "tu" and "ti"
// before "u" and "i", which they start with otherwise.
QList<const Syllable *> syllablesOf(bool kinko)
{
    QList<const Syllable *> list = {&ro(), &tu(), &re(), &ti()};
    if (kinko)
        list << &kinkoRi() << &kinkoHi() << &kinkoHa();
    else
        list << &tozanHa() << &tozanHi();
    list << &u() << &i();
    return list;
}

// The row of the exact suffix; an unknown suffix reads as none.
const ShakuhachiRow &rowOf(const Syllable &syllable, const QString &suffix)
{
    for (const ShakuhachiRow &row : syllable.rows) {
        if (suffix == QLatin1String(row.suffix))
            return row;
    }
    return syllable.rows.last();
}

LyricPitch fromRow(const Syllable &syllable, const ShakuhachiRow &row, bool lower, bool upper,
                   int last, bool kinkoDefaultU)
{
    LyricPitch result;
    const bool high = !lower && (upper || last > row.threshold);
    result.pitch = high ? row.high : row.low;
    result.name = row.wholeName ? QString::fromLatin1(row.wholeName)
                                : QLatin1String(syllable.baseName) + QLatin1String(row.ending);
    switch (row.first) {
    case First::None:
        break;
    case First::Name:
        result.firstName = result.name;
        break;
    case First::NameIfHigh:
        if (row.low != row.high && result.pitch == row.high)
            result.firstName = result.name;
        break;
    case First::NameIfDefaultU:
        if (kinkoDefaultU)
            result.firstName = result.name;
        break;
    case First::I:
        result.firstName = QStringLiteral("I");
        break;
    }
    return result;
}

LyricPitch fixedPitch(int pitch, const char *name)
{
    LyricPitch result;
    result.pitch = pitch;
    result.name = QString::fromLatin1(name);
    return result;
}

// The tokens that are compared whole, after the register prefix.
LyricPitch wholeToken(const QString &token, bool kinko)
{
    if (token == QLatin1String("ta")) {
        LyricPitch result = fixedPitch(29, "ta");
        if (kinko)
            result.firstName = QStringLiteral("I");
        return result;
    }
    if (token == QLatin1String("3"))
        return fixedPitch(29, "HaSan");
    if (token == QLatin1String("4"))
        return fixedPitch(30, "Shi");
    if (!kinko && token == QLatin1String("pi"))
        return fixedPitch(28, "Pi");
    return {};
}

// A token relative to `reference`: no pitch while the reference is none.
LyricPitch relative(int reference, int step, const char *name)
{
    LyricPitch result;
    result.name = QString::fromLatin1(name);
    if (reference != noLyricPitch)
        result.pitch = reference + step;
    return result;
}

LyricPitch lookUp(const QString &name)
{
    LyricPitch result;
    result.name = name;
    result.lookUp = true;
    return result;
}

} // namespace

LyricPitch shakuhachiLyricPitch(int style, const QString &token, int last, bool kinkoDefaultU)
{
    const bool kinko = style == NotationStyle::KinkoSimple || style == NotationStyle::KinkoTrad;
    QString rest = token;
    const bool lower = rest.startsWith(QLatin1Char('o'));
    const bool upper = !lower && rest.startsWith(QLatin1Char('k'));
    if (lower || upper)
        rest.remove(0, 1);
    for (const Syllable *syllable : syllablesOf(kinko)) {
        if (!rest.startsWith(QLatin1String(syllable->syllable)))
            continue;
        const QString suffix = rest.mid(qsizetype(qstrlen(syllable->syllable)));
        return fromRow(*syllable, rowOf(*syllable, suffix), lower, upper, last, kinkoDefaultU);
    }
    return wholeToken(rest, kinko);
}

LyricPitch kotoLyricPitch(const QString &token, int before, int last)
{
    if (token == QLatin1String("s"))
        return relative(last, 0, "Sukui");
    if (token == QLatin1String("o+"))
        return relative(last, 1, "Osu+");
    if (token == QLatin1String("o++"))
        return relative(last, 2, "Osu++");
    if (token == QLatin1String("o+++"))
        return relative(last, 3, "Osu+++");
    if (token == QLatin1String("h"))
        return relative(before, 0, "Hanasu");

    QString name = token;
    if (name.startsWith(QLatin1Char('t')))
        name.replace(QLatin1Char('t'), QLatin1String("To"));
    else if (name.startsWith(QLatin1Char('i')))
        name.replace(QLatin1Char('i'), QLatin1String("I"));
    else if (name.startsWith(QLatin1Char('k')))
        name.replace(QLatin1Char('k'), QLatin1String("Kin"));
    return lookUp(name);
}

LyricPitch sangenLyricPitch(const QString &token, int last)
{
    if (token == QLatin1String("u"))
        return relative(last, 1, "SuriAge");
    if (token == QLatin1String("uu"))
        return relative(last, 2, "SuriAge");
    if (token == QLatin1String("d"))
        return relative(last, -1, "SuriSage");
    if (token == QLatin1String("dd"))
        return relative(last, -2, "SuriSage");
    if (token == QLatin1String("h"))
        return relative(last, 0, "Hajiki");
    if (token == QLatin1String("s"))
        return relative(last, 0, "Sukui");

    QString name = token;
    QString technique;
    if (name.startsWith(QLatin1Char('u')))
        technique = QStringLiteral(".sangen_SuriAge");
    else if (name.startsWith(QLatin1Char('d')))
        technique = QStringLiteral(".sangen_SuriSage");
    else if (name.startsWith(QLatin1Char('b')))
        technique = QStringLiteral(".sangen_Utsu");
    if (!technique.isEmpty())
        name.remove(0, 1);

    const QChar first = name.isEmpty() ? QChar() : name.at(0);
    if (first >= QLatin1Char('1') && first <= QLatin1Char('9'))
        name.prepend(QLatin1String("3-"));
    else if (first == QLatin1Char('.'))
        name.replace(0, 1, QLatin1String("1-"));
    else if (first == QLatin1Char(':'))
        name.replace(0, 1, QLatin1String("2-"));

    if (name.endsWith(QLatin1Char('s')))
        name.replace(name.size() - 1, 1, QLatin1String("-Sukui"));
    else if (name.endsWith(QLatin1Char('h')))
        name.replace(name.size() - 1, 1, QLatin1String("-Hajiki"));

    LyricPitch result = lookUp(name);
    result.technique = technique;
    return result;
}

bool spellPitch(int pitch, QString *step, int *alter, int *octave)
{
    struct Spelling
    {
        const char *step;
        int alter;
    };
    static const Spelling spellings[12] = {{"C", 0},  {"D", -1}, {"D", 0},  {"E", -1},
                                           {"E", 0},  {"F", 0},  {"G", -1}, {"G", 0},
                                           {"A", -1}, {"A", 0},  {"B", -1}, {"B", 0}};
    if (pitch < lowestSpelledPitch || pitch > highestSpelledPitch) {
        *step = QString();
        *alter = 0;
        *octave = 0;
        return false;
    }
    const int v = pitch - lowestSpelledPitch;
    *step = QString::fromLatin1(spellings[v % 12].step);
    *alter = spellings[v % 12].alter;
    *octave = v / 12;
    return true;
}

} // namespace NoteNames
