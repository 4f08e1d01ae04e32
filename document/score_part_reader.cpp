// Score's reader of one MusicXML score-part: the part's names and the
// program's own part settings in its "tarn-part" child.
#include "model/score.h"

#include "document/settingsvalues.h"
#include "model/notefonts.h"
#include "model/part.h"

#include <QList>

#include <memory>
#include <variant>

using namespace SettingsValues;

namespace {

// The notation style is stored twice: its text as read and its code.
struct NotationStyleName
{
};

using PartField = std::variant<bool Part::*, int Part::*, double Part::*, QString Part::*,
                               QFont Part::*, NotationStyleName>;

struct PartRow
{
    const char *tag;
    PartField field;
};

// The children of tarn-part that are read.
const QList<PartRow> &partRows()
{
    static const QList<PartRow> rows = {
        {"part-name", &Part::partName},
        {"part-abbreviation", &Part::partAbbreviation},
        {"part-output", &Part::partOutput},
        {"part-whole-rest-line", &Part::partWholeRestLine},
        {"note-output", &Part::noteOutput},
        {"notation-style", NotationStyleName{}},
        {"instrument-key", &Part::instrumentKey},
        {"note-font-name", &Part::noteFontName},
        {"note-font-size", &Part::noteFontSize},
        {"part-width-scale", &Part::partWidthScale},
        {"part-shift", &Part::partShift},
        {"boundary-left-bottom", &Part::boundaryLeftBottom},
        {"boundary-right-top", &Part::boundaryRightTop},
        {"time-ticks", &Part::timeTicks},
        {"time-ticks-16th", &Part::timeTicks16th},
        {"lyrics-font", &Part::lyricsFont},
        {"lyrics-output", &Part::lyricsOutput},
        {"whole-rest-output", &Part::wholeRestOutput},
        {"slur-output", &Part::slurOutput},
        {"staff-note-output", &Part::staffNoteOutput},
        {"staff-note-tie-stop-output", &Part::staffNoteTieStopOutput},
        {"staff-note-beams", &Part::staffNoteBeams},
        {"staff-note-inverse-order", &Part::staffNoteInverseOrder},
        {"staff-note-octave-inst", &Part::staffNoteOctaveInst},
        {"staff-note-breath-mark", &Part::staffNoteBreathMark},
        {"staff-note-tremolo-line", &Part::staffNoteTremoloLine},
        {"staff-note-extension-bar-dot", &Part::staffNoteExtensionBarDot},
        {"staff-note-rest-note", &Part::staffNoteRestNote},
        {"staff-note-lyric-start", &Part::staffNoteLyricStart},
        {"align-in-time", &Part::alignInTime},
        {"note-interval", &Part::noteInterval},
        {"note-width-1", &Part::noteWidth1},
        {"note-width-2", &Part::noteWidth2},
        {"note-width-4", &Part::noteWidth4},
        {"note-width-8", &Part::noteWidth8},
        {"note-width-16", &Part::noteWidth16},
        {"note-width-32", &Part::noteWidth32},
    };
    return rows;
}

// A Part's own defaults, made only when a read value has to fall back.
class PartDefaults
{
public:
    explicit PartDefaults(Score *score) : m_score(score) {}
    const Part &part()
    {
        if (!m_part)
            m_part = std::make_unique<Part>(m_score);
        return *m_part;
    }

private:
    Score *m_score;
    std::unique_ptr<Part> m_part;
};

// Notes of no size cannot be laid out.
bool isUsableNumber(double Part::*field, double value)
{
    return field != &Part::noteFontSize || value > 0.0;
}

void readNotationStyle(const QString &text, Part *part)
{
    part->notationStyleText = text;
    part->notationStyle = NotationStyle::fromName(text);
    if (NotationStyle::name(part->notationStyle) != text)
        qDebug("parseScorePart notationstyle not defined, use default =========Warning");
}

void readRow(const QDomElement &child, const PartRow &row, Part *part, PartDefaults &defaults)
{
    const QString text = child.text();
    std::visit(Overloaded{
                   [&](bool Part::*f) { part->*f = readBool(text); },
                   [&](int Part::*f) { part->*f = readInt(text); },
                   [&](double Part::*f) {
                       const std::optional<double> value = readFiniteNumber(text);
                       if (value && isUsableNumber(f, *value))
                           part->*f = *value;
                       else
                           part->*f = defaults.part().*f;
                   },
                   [&](QString Part::*f) { part->*f = text; },
                   [&](QFont Part::*f) {
                       QFont font = part->*f;
                       if (font.fromString(text))
                           part->*f = font;
                   },
                   [&](NotationStyleName) { readNotationStyle(text, part); },
               },
               row.field);
}

void readTarnPart(const QDomElement &element, Part *part, PartDefaults &defaults)
{
    forEachChildElement(element, [&](const QDomElement &child) {
        const QString tag = child.tagName();
        for (const PartRow &row : partRows()) {
            if (tag == QLatin1String(row.tag)) {
                readRow(child, row, part, defaults);
                return;
            }
        }
    });
}

} // namespace

void Score::parseScorePart(Part *target, const QDomElement &element)
{
    PartDefaults defaults(this);
    forEachChildElement(element, [&](const QDomElement &child) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("part-name"))
            target->partName = child.text();
        else if (tag == QLatin1String("part-abbreviation"))
            target->partAbbreviation = child.text();
        else if (tag == QLatin1String("tarn-part"))
            readTarnPart(child, target, defaults);
    });
}
