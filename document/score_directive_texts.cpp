// Score's readers of directive texts: the kind of a text, what it shows,
// the number in its braces and its quoted part. Pure functions of the text.
#include "document/directive_type.h"
#include "model/score.h"

#include <QStringList>

namespace {

// Keyword prefixes, in the order they are tested; the first that matches
// decides, and whatever follows the keyword does not matter.
struct Keyword
{
    const char *prefix;
    int type;
};

constexpr Keyword keywords[] = {
    {".scale{", DirectiveType::Scale},
    {".scaleSangen{", DirectiveType::ScaleSangen},
    {".noPrev", DirectiveType::NoPrev},
    {".pizz", DirectiveType::Pizz},
    {".invisible", DirectiveType::Invisible},
    {".longRepeatSimile{", DirectiveType::LongRepeatSimile},
    {".longRepeat{", DirectiveType::LongRepeat},
    {".longRepeat2{", DirectiveType::LongRepeat2},
    {".longRepeat3{", DirectiveType::LongRepeat3},
    {".longRepeat4{", DirectiveType::LongRepeat4},
    {".longRepeatAccel{", DirectiveType::LongRepeatAccel},
    {".longRepeatBeat1{", DirectiveType::LongRepeatBeat1},
    {".longRepeatBeat2{", DirectiveType::LongRepeatBeat2},
    {".longStepUp{", DirectiveType::LongStepUp},
    {".longStepDown{", DirectiveType::LongStepDown},
    {".transpose{", DirectiveType::Transpose},
    {".otsuDoubleQuote", DirectiveType::OtsuDoubleQuote},
};

struct MarkList
{
    QStringList names;
    int type;
};

// Mark names match the whole text after the dot exactly, in this order.
const QList<MarkList> &markLists()
{
    static const QList<MarkList> lists = {
        {{QStringLiteral("("), QStringLiteral("gray("), QStringLiteral("whiteSpaceBefore"),
          QStringLiteral("kinkoRa")},
         DirectiveType::OpeningMark},
        {{QStringLiteral("su"), QString(QChar(0x30B9)), QStringLiteral(")"),
          QStringLiteral("gray)"), QStringLiteral("whiteSpaceAfter"), QStringLiteral("restKinko")},
         DirectiveType::ClosingMark},
        {{QStringLiteral("holeNo_1"), QStringLiteral("holeNo_2"), QStringLiteral("holeNo_3"),
          QStringLiteral("holeNo_4"), QStringLiteral("holeNo_5"), QStringLiteral("Kan_Paren"),
          QStringLiteral("Otsu_Paren"), QStringLiteral("Ru"), QStringLiteral("Bar"),
          QStringLiteral("BracketBegin"), QStringLiteral("BracketEnd")},
         DirectiveType::GlyphMark},
        {{QStringLiteral("effect_C"), QStringLiteral("effect_Fall"), QStringLiteral("effect_Rise"),
          QStringLiteral("effect_S"), QStringLiteral("effect_Sink"), QStringLiteral("Breath_Paren"),
          QStringLiteral("koto_ChirashiZume"), QStringLiteral("koto_ChirashiZumeReverse"),
          QStringLiteral("koto_ChirashiZumeSeiha"), QStringLiteral("koto_Waren"),
          QStringLiteral("koto_WarenReverse"), QStringLiteral("koto_Oshi"),
          QStringLiteral("koto_ZooLeft"), QStringLiteral("koto_ZooRight"),
          QStringLiteral("koto_SuriZumeLeft"), QStringLiteral("koto_SuriZumeRight")},
         DirectiveType::EffectMark},
        {{QStringLiteral("koto_Kesu"), QStringLiteral("koto_Tsukiiro"),
          QStringLiteral("koto_Hikiiro"), QStringLiteral("koto_Yuri"),
          QStringLiteral("koto_OshiHanashi"), QStringLiteral("koto_Sukui2"),
          QStringLiteral("koto_A"), QStringLiteral("koto_Waren_Seiha"),
          QStringLiteral("bunka_Sukui"), QStringLiteral("bunka_Hajiki"),
          QStringLiteral("bunka_Utsu"), QStringLiteral("bunka_Suri"), QStringLiteral("bunka_Fing1"),
          QStringLiteral("bunka_Fing2"), QStringLiteral("bunka_Fing3"),
          QStringLiteral("sangen_SuriAge"), QStringLiteral("sangen_SuriSage"),
          QStringLiteral("sangen_Utsu")},
         DirectiveType::GlyphMark},
    };
    return lists;
}

// The text after `prefix` up to the last `closing`, or all of it when
// `closing` does not occur there.
QString cutBeforeLast(const QString &text, qsizetype prefixLength, QChar closing)
{
    QString rest = text.mid(prefixLength);
    const qsizetype last = rest.lastIndexOf(closing);
    if (last >= 0)
        rest.truncate(last);
    return rest;
}

} // namespace

int Score::getDirectiveType(QString text)
{
    if (text.startsWith(QLatin1Char('\'')))
        return DirectiveType::QuotedText;
    for (const Keyword &keyword : keywords) {
        if (text.startsWith(QLatin1String(keyword.prefix)))
            return keyword.type;
    }
    if (!text.startsWith(QLatin1Char('.')))
        return DirectiveType::OtherText;
    const QString name = text.mid(1);
    for (const MarkList &list : markLists()) {
        if (list.names.contains(name))
            return list.type;
    }
    return DirectiveType::OtherText;
}

QString Score::getDirectiveText(QString text)
{
    static const QString scalePrefix = QStringLiteral(".scale{");
    static const QString sangenPrefix = QStringLiteral(".scaleSangen{");
    if (text.startsWith(QLatin1Char('\'')))
        return cutBeforeLast(text, 1, QLatin1Char('\''));
    if (text.startsWith(scalePrefix))
        return cutBeforeLast(text, scalePrefix.size(), QLatin1Char('}'));
    if (text.startsWith(sangenPrefix))
        return cutBeforeLast(text, sangenPrefix.size(), QLatin1Char('}'));
    if (text.startsWith(QLatin1Char('.')))
        return text.mid(1);
    return text;
}

int Score::getDirectiveNumber(QString text)
{
    const qsizetype open = text.indexOf(QLatin1Char('{'));
    if (open < 0)
        return -1;
    const qsizetype close = text.indexOf(QLatin1Char('}'), open + 1);
    if (close < 0)
        return -1;
    bool ok = false;
    const int number = text.mid(open + 1, close - open - 1).toInt(&ok, 10);
    return ok ? number : 0;
}

QString Score::getQuotedText(QString text)
{
    const qsizetype first = text.indexOf(QLatin1Char('\''));
    const qsizetype last = text.lastIndexOf(QLatin1Char('\''));
    // One quote: first == last, and a length of -1 reads to the end.
    return text.mid(first + 1, last - first - 1);
}
