// Score's character forms for the writing direction: the vertical forms
// of punctuation and brackets, and the note-font marks that have one
// character for horizontal and one for vertical pages.
#include "model/score.h"

#include <array>
#include <utility>

namespace {

using CharPair = std::pair<char16_t, char16_t>;

// Replaced in this order; no step makes a character a later step replaces.
// clang-format off
constexpr std::array<CharPair, 22> verticalPunctuation = {{
    {u'\u3001', u'\uFE11'}, // ideographic comma
    {u'\u3002', u'\uFE12'}, // ideographic full stop
    {u'-', u'|'},
    {u'\u30FC', u'\uFF5C'}, // prolonged sound mark
    {u'(', u'\uFE35'},
    {u')', u'\uFE36'},
    {u'\uFF08', u'\uFE35'},
    {u'\uFF09', u'\uFE36'},
    {u'{', u'\uFE37'},
    {u'}', u'\uFE38'},
    {u'\uFF5B', u'\uFE37'},
    {u'\uFF5D', u'\uFE38'},
    {u'<', u'\uFE3F'},
    {u'\uFF1C', u'\uFE3F'},
    {u'>', u'\uFE40'},
    {u'\uFF1E', u'\uFE40'},
    {u'[', u'\uFE47'},
    {u']', u'\uFE48'},
    {u'\u300C', u'\uFE41'}, // corner brackets
    {u'\u300D', u'\uFE42'},
    {u'\u300E', u'\uFE43'}, // white corner brackets
    {u'\u300F', u'\uFE44'},
}};
// clang-format on

// Vertical form, horizontal form: the marks of the staff lyric font that
// are drawn differently by writing direction. The pairs follow no rule.
constexpr std::array<CharPair, 18> directionForms = {{
    {u'\u00FE', u'\u0185'},
    {u'\u00EA', u'\u0100'},
    {u'\u00EB', u'\u0101'},
    {u'\u00EC', u'\u0102'},
    {u'\u00ED', u'\u0103'},
    {u'\u00EE', u'\u0104'},
    {u'\u00EF', u'\u0105'},
    {u'\u00F0', u'\u0106'},
    {u'\u00F1', u'\u0107'},
    {u'\u00FD', u'\u010D'},
    {u'\u00F2', u'\u010E'},
    {u'\u00F4', u'\u00D0'},
    {u'\u00F5', u'\u00D1'},
    {u'\u00F6', u'\u00D2'},
    {u'\u00F7', u'\u00D3'},
    {u'\u00F8', u'\u00D4'},
    {u'\u00F9', u'\u00D5'},
    {u'\u00FA', u'\u00D6'},
}};

} // namespace

QString Score::toVerticalPunctuation(const QString &text)
{
    QString result = text;
    for (const auto &[from, to] : verticalPunctuation)
        result.replace(QChar(from), QChar(to));
    return result;
}

QString Score::convertCharsForHorizontal(const QString &text)
{
    QString result = text;
    for (const auto &[vertical, horizontal] : directionForms)
        result.replace(QChar(vertical), QChar(horizontal));
    return result;
}

QString Score::convertCharsForVertical(const QString &text)
{
    QString result = text;
    for (const auto &[vertical, horizontal] : directionForms)
        result.replace(QChar(horizontal), QChar(vertical));
    return result;
}
