#include "document/voicenumbering.h"

#include "model/mepart.h"

#include <QList>
#include <QRegularExpression>

#include <array>
#include <limits>
#include <optional>

namespace {

const QString voiceTag = QStringLiteral("voice");

// The number a voice text gives, or none for a name. Digits too many for
// an int are still a number, one beyond every voice.
std::optional<int> voiceNumber(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    return ok ? number : std::numeric_limits<int>::max();
}

QList<QDomElement> notesOf(const QDomElement &part)
{
    if (part.tagName() == QLatin1String("note"))
        return {part};
    QList<QDomElement> notes;
    for (QDomElement measure = part.firstChildElement(QStringLiteral("measure")); !measure.isNull();
         measure = measure.nextSiblingElement(QStringLiteral("measure"))) {
        for (QDomElement note = measure.firstChildElement(QStringLiteral("note")); !note.isNull();
             note = note.nextSiblingElement(QStringLiteral("note")))
            notes.append(note);
    }
    return notes;
}

constexpr int voicesPerStaff = 4;

} // namespace

VoiceNumbering::VoiceNumbering(const QDomElement &part)
{
    const QList<QDomElement> notes = notesOf(part);
    std::array<bool, MePart::voiceCount> taken{};
    for (const QDomElement &note : notes) {
        const std::optional<int> number =
            voiceNumber(note.firstChildElement(voiceTag).text().trimmed());
        if (number && *number >= 1 && *number <= MePart::voiceCount)
            taken[*number - 1] = true;
    }
    const auto firstFree = [&taken](int from, int to) {
        for (int v = from; v < to; ++v) {
            if (!taken[v])
                return v;
        }
        return -1;
    };
    for (const QDomElement &note : notes) {
        const QDomElement voice = note.firstChildElement(voiceTag);
        const QString name = voice.text().trimmed();
        if (voice.isNull() || name.isEmpty() || voiceNumber(name) || m_named.contains(name))
            continue;
        // A note without `staff` stands on the first.
        const QString staffText = note.firstChildElement(QStringLiteral("staff")).text().trimmed();
        const int staffNumber = staffText.isEmpty() ? 1 : voiceNumber(staffText).value_or(0);
        const int staff = staffNumber >= 1 ? staffNumber - 1 : -1;
        int index = -1;
        if (staff >= 0 && (staff + 1) * voicesPerStaff <= MePart::voiceCount)
            index = firstFree(staff * voicesPerStaff, (staff + 1) * voicesPerStaff);
        if (index < 0)
            index = firstFree(0, MePart::voiceCount);
        m_named.insert(name, index);
        if (index >= 0)
            taken[index] = true;
    }
}

VoiceNumbering VoiceNumbering::ofNote(const QDomElement &note)
{
    const QDomElement part = note.parentNode().parentNode().toElement();
    return VoiceNumbering(part.tagName() == QLatin1String("part") ? part : note);
}

int VoiceNumbering::voiceIndexOf(const QDomElement &note) const
{
    const QDomElement voice = note.firstChildElement(voiceTag);
    if (voice.isNull())
        return 0;
    const QString text = voice.text().trimmed();
    if (const std::optional<int> number = voiceNumber(text))
        return *number >= 1 ? *number - 1 : -1;
    return m_named.value(text, -1);
}
