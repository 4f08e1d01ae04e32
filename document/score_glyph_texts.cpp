// Score's glyph texts: a note, or the grace notes beside it, as the
// characters of the staff lyric font that draw the part's notation of it.
#include "model/score.h"

#include "document/scorexmlmode.h"
#include "model/directive.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/style.h"

#include <utility>

namespace {

const QString verticalSuffix = QStringLiteral("_V");

// The styles whose tie continuation keeps its tie mark when a bar draws
// the tie stop.
bool tieMarkBesideStopBar(int style)
{
    switch (style) {
    case NotationStyle::KinkoTrad:
    case NotationStyle::TozanSimple:
    case NotationStyle::TozanTrad:
    case NotationStyle::KotoIkuta:
    case NotationStyle::SangenIkuta:
    case NotationStyle::SangenYamada:
    case NotationStyle::ShamisenBunka:
    case NotationStyle::Percussion:
        return true;
    default:
        return false;
    }
}

// The count after a four-letter prefix ("NBar3", "Rest2"); 0 when it is no
// number.
int countAfterPrefix(const QString &id)
{
    bool ok = false;
    const int count = id.mid(4).toInt(&ok);
    return ok ? count : 0;
}

// Builds one note's text from its glyph ids.
class GlyphTextBuilder
{
public:
    GlyphTextBuilder(const NoteNames::GlyphCharMap &map, const Part &part, bool tieStopBar,
                     bool horizontal)
        : m_map(map), m_part(part), m_tieStopBar(tieStopBar), m_horizontal(horizontal)
    {
    }

    void add(const QString &drawnId)
    {
        // Regeneration names what it drew, turned pieces included; the
        // rules work on the plain id and pick the form themselves.
        const bool turned = drawnId.endsWith(verticalSuffix);
        const QString id = turned ? drawnId.chopped(verticalSuffix.size()) : drawnId;
        const int style = m_part.notationStyle;
        const bool barDot = m_part.staffNoteExtensionBarDot;

        if (id.startsWith(QLatin1String("NBar"))) {
            if (style != NotationStyle::KotoSeiha && barDot) {
                const QString bar = mark(QStringLiteral("Bar"));
                for (int k = countAfterPrefix(id); k > 0; --k)
                    m_text += QLatin1Char(' ') + bar;
            }
        } else if (id == QLatin1String("QuarterRestKinko")) {
            if (m_part.staffNoteRestNote)
                m_text = value(id);
        } else if (id.startsWith(QLatin1String("Rest"))) {
            if (m_part.staffNoteRestNote)
                m_text += value(QStringLiteral("QuarterRestKinko")).repeated(countAfterPrefix(id));
        } else if (id == QLatin1String("TieStop")) {
            if (m_part.staffNoteTieStopOutput && (!m_tieStopBar || tieMarkBesideStopBar(style)))
                m_text.prepend(mark(QStringLiteral("Tie")));
        } else if (id == QLatin1String("Bar")) {
            if (barDot)
                m_text.prepend(mark(id));
        } else if (id == QLatin1String("Dot1") || id == QLatin1String("Dot2")) {
            if (barDot)
                m_text += mark(id);
        } else if (id == QLatin1String("Kan") || id == QLatin1String("Otsu")) {
            if (m_part.staffNoteOctaveInst)
                m_text.prepend(mark(id));
        } else if (id == QLatin1String("Pizz")) {
            m_text.prepend(mark(id));
        } else if (id == QLatin1String("Breath")) {
            if (m_part.staffNoteBreathMark)
                m_text += mark(id);
        } else if (id == QLatin1String("Tremolo")) {
            if (m_part.staffNoteTremoloLine)
                m_text += mark(id);
        } else if (style == NotationStyle::ShamisenBunka) {
            addShamisenName(id);
        } else {
            addName(m_horizontal || !turned ? id : drawnId);
        }
    }

    // The sangen technique directives stand before everything else.
    void addTechniqueMarks(const Note &note)
    {
        static const QList<std::pair<QString, QString>> marks = {
            {QStringLiteral("sangen_SuriAge"), QStringLiteral("SuriAgeSmall")},
            {QStringLiteral("sangen_SuriSage"), QStringLiteral("SuriSageSmall")},
            {QStringLiteral("sangen_Utsu"), QStringLiteral("UtsuSmall")}};
        for (const Directive *directive : note.directives) {
            if (directive->deleted)
                continue;
            const QString name = Score::getDirectiveText(directive->text);
            for (const auto &[directiveName, glyphId] : marks) {
                if (name == directiveName)
                    m_text.prepend(value(glyphId));
            }
        }
    }

    QString text() const { return m_text; }

private:
    QString value(const QString &id) const { return m_map.value(id); }

    // A mark in the form of the writing direction.
    QString mark(const QString &id) const { return value(m_horizontal ? id : id + verticalSuffix); }

    void addName(const QString &id)
    {
        const auto found = m_map.constFind(id);
        m_text += found != m_map.constEnd() ? *found : value(QStringLiteral("Undefined"));
    }

    // "2-5" draws the string number, then the position "B-5".
    void addShamisenName(const QString &id)
    {
        for (int string = 1; string <= 3; ++string) {
            if (id.startsWith(QString::number(string) + QLatin1Char('-')))
                m_text += value(QStringLiteral("B-String") + QString::number(string));
        }
        addName(QLatin1Char('B') + id.mid(1));
    }

    const NoteNames::GlyphCharMap &m_map;
    const Part &m_part;
    bool m_tieStopBar;
    bool m_horizontal;
    QString m_text;
};

} // namespace

bool Score::glyphLyricsHorizontal(ScoreXmlMode mode) const
{
    return mode == ScoreXmlMode::NoteNameLyrics || page->horizontal;
}

QString Score::getNoteGlyphText(const NoteNames::GlyphCharMap &map, const Note *note, int partIndex,
                                ScoreXmlMode mode) const
{
    if (note->glyphName.isEmpty() || partIndex < 0 || partIndex >= parts.size())
        return QString();
    if (note->prevMark)
        return map.value(QStringLiteral("Prev"));

    GlyphTextBuilder builder(map, *parts.at(partIndex), style->tieStopBar,
                             glyphLyricsHorizontal(mode));
    for (const QString &id : note->glyphName.split(QLatin1Char(':')))
        builder.add(id);
    builder.addTechniqueMarks(*note);
    return builder.text();
}

QString Score::getPrecedingGraceGlyphText(const NoteNames::GlyphCharMap &map,
                                          const QList<Note *> &notes, int index, int partIndex,
                                          ScoreXmlMode mode) const
{
    QString text;
    for (int i = qMin(index, int(notes.size())) - 1; i >= 0 && notes.at(i)->grace; --i)
        text.prepend(getNoteGlyphText(map, notes.at(i), partIndex, mode));
    return text;
}

QString Score::getFollowingGraceGlyphText(const NoteNames::GlyphCharMap &map,
                                          const QList<Note *> &notes, int index, int partIndex,
                                          ScoreXmlMode mode) const
{
    QString text;
    if (index < 0)
        return text;
    for (int i = index + 1; i < notes.size() && notes.at(i)->grace; ++i)
        text += getNoteGlyphText(map, notes.at(i), partIndex, mode);
    return text;
}
