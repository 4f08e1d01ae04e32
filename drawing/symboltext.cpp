#include "drawing/symboltext.h"

#include "drawing/temponotes.h"

#include <QDebug>
#include <QGlyphRun>
#include <QHash>
#include <QSet>
#include <QTextLayout>

namespace {

// The private-use characters notation programs write into texts, with what
// says the same in letters or standard Unicode music characters.
const QHash<char32_t, QString> &standardForms()
{
    static const QHash<char32_t, QString> forms = [] {
        QHash<char32_t, QString> f;
        auto add = [&f](char32_t from, const QString &to) { f.insert(from, to); };
        auto one = [](char32_t c) { return QString::fromUcs4(&c, 1); };
        // Repeat signs.
        add(0xE045, QStringLiteral("D.S."));
        add(0xE046, QStringLiteral("D.C."));
        add(0xE047, one(0x1D10B)); // segno
        add(0xE048, one(0x1D10C)); // coda
        add(0xE049, one(0x1D10C)); // square coda
        // Dynamics, letter by letter and as combined signs.
        const char *const dynamics[] = {
            "p",   "m",  "f",  "r",   "s",    "z",   "n",    "pppppp", "ppppp", "pppp",
            "ppp", "pp", "mp", "mf",  "pf",   "ff",  "fff",  "ffff",   "fffff", "ffffff",
            "fp",  "fz", "sf", "sfp", "sfpp", "sfz", "sfzp", "sffz",   "rf",    "rfz"};
        for (char32_t i = 0; i < std::size(dynamics); ++i)
            add(0xE520 + i, QString::fromLatin1(dynamics[i]));
        // Note values of metronome marks and tempo texts.
        const QString doubleWhole = one(0x1D15C), whole = one(0x1D15D), half = one(0x1D15E),
                      quarter = one(0x2669), eighth = one(0x266A), sixteenth = one(0x1D161),
                      thirtySecond = one(0x1D162), dot = QStringLiteral(".");
        const QList<QString> notes = {doubleWhole, doubleWhole,  whole,       half,   half,
                                      quarter,     quarter,      eighth,      eighth, sixteenth,
                                      sixteenth,   thirtySecond, thirtySecond};
        for (char32_t i = 0; i < char32_t(notes.size()); ++i)
            add(0xE1D0 + i, notes.at(i));
        add(0xE1E7, dot);
        add(0xE1F0, quarter);
        add(0xE1F1, quarter);
        const QList<QString> metronomeNotes = {
            doubleWhole, doubleWhole, whole,     half,      half,         quarter,     quarter,
            eighth,      eighth,      sixteenth, sixteenth, thirtySecond, thirtySecond};
        for (char32_t i = 0; i < char32_t(metronomeNotes.size()); ++i)
            add(0xECA0 + i, metronomeNotes.at(i));
        add(0xECB7, dot);
        // Accidentals and a few signs of chord and technique texts.
        add(0xE260, one(0x266D));
        add(0xE261, one(0x266E));
        add(0xE262, one(0x266F));
        add(0xE263, one(0x1D12A));
        add(0xE264, one(0x1D12B));
        add(0xE4C0, one(0x1D110)); // fermata
        add(0xE566, QStringLiteral("tr"));
        return f;
    }();
    return forms;
}

bool isControlOrSpace(char32_t c)
{
    return c < 0x20 || c == 0x7F || QChar::isSpace(c);
}

QString fontKey(const QFont &font)
{
    return font.family() + QLatin1Char('|') + QString::number(font.weight()) + QLatin1Char('|') +
           QString::number(int(font.style()));
}

} // namespace

namespace SymbolText {

QString withStandardSymbols(const QString &text)
{
    const QHash<char32_t, QString> &forms = standardForms();
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const auto found = forms.constFind(c);
        if (found != forms.constEnd())
            out += found.value();
        else
            out += QString::fromUcs4(&c, 1);
    }
    return out;
}

bool hasGlyph(char32_t ucs4, const QFont &font)
{
    if (isControlOrSpace(ucs4))
        return true;
    static QHash<QString, bool> known;
    const QString key = fontKey(font) + QLatin1Char('|') + QString::number(ucs4);
    const auto found = known.constFind(key);
    if (found != known.constEnd())
        return found.value();
    // The layout resolves fallback fonts as painting does; a glyph index of
    // 0 is the font's missing-glyph box.
    QTextLayout layout(QString::fromUcs4(&ucs4, 1), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    bool drawn = false;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        for (const quint32 index : run.glyphIndexes()) {
            if (index == 0)
                return known[key] = false;
            drawn = true;
        }
    }
    return known[key] = drawn;
}

QList<char32_t> missingCharacters(const QString &text, const QFont &font)
{
    QList<char32_t> missing;
    for (const char32_t c : withStandardSymbols(text).toUcs4()) {
        if (!hasGlyph(c, font) && !missing.contains(c))
            missing.append(c);
    }
    return missing;
}

QString drawable(const QString &text, const QFont &font)
{
    const QString mapped = withStandardSymbols(text);
    QString out;
    out.reserve(mapped.size());
    static QSet<char32_t> logged;
    for (const char32_t c : mapped.toUcs4()) {
        // Note values are drawn by the text item, whatever the fonts.
        if (TempoNotes::noteValue(c) >= 0 || hasGlyph(c, font)) {
            out += QString::fromUcs4(&c, 1);
            continue;
        }
        if (!logged.contains(c)) {
            logged.insert(c);
            qDebug().noquote() << "text character left out, no font draws it: U+" +
                                      QString::number(c, 16).toUpper();
        }
    }
    return out;
}

} // namespace SymbolText
