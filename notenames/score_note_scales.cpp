// Score's note-scale assignment: each part's scales from its notation style
// and its scale directives, and every note's pitch number, shift, key and
// scale.
#include "document/directive_type.h"
#include "document/readbounds.h"
#include "model/directive.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "notenames/pitch_number.h"

namespace {

using namespace NotationStyle;

const QString defaultKotoTuning = QStringLiteral("4,-3,-1,0,4,5,9,11,12,16,17,21,23");
const QString defaultKotoScaleName = QStringLiteral("Koto13(Hira_D)");
const QString defaultSangenTuning = QStringLiteral("4,9,16");
const QString scaleKeyword = QStringLiteral(".scale");
const QString sangenKeyword = QStringLiteral(".scaleSangen");

bool isKoto(int style)
{
    return style == KotoIkuta || style == KotoSeiha;
}

bool isSangen(int style)
{
    return style == SangenIkuta || style == SangenYamada || style == ShamisenBunka;
}

// The scale a part starts with. Styles without a builder (staff notation,
// Traverso, unknown codes) get an empty scale: their notes are named
// directly and must never find names in a lookup.
NoteScale *createStartScale(Score *score, int partIndex)
{
    switch (score->parts.at(partIndex)->notationStyle) {
    case KinkoSimple:
    case KinkoTrad:
        return score->createScaleKinko();
    case TozanSimple:
    case TozanTrad:
        return score->createScaleTozan();
    case Fue:
        return score->createScaleShinobue(partIndex);
    case KotoIkuta:
        return score->createScaleKoto(defaultKotoTuning, defaultKotoScaleName, false);
    case KotoSeiha:
        return score->createScaleKoto(defaultKotoTuning, defaultKotoScaleName, true);
    case SangenIkuta:
        return score->createScaleSangenIkuta(defaultSangenTuning);
    case SangenYamada:
        return score->createScaleSangenYamada();
    case ShamisenBunka:
        return score->createScaleShamisenBunka(defaultSangenTuning);
    case Doremi:
        return score->createScaleDoremi();
    case Percussion:
        return score->createScalePercussion();
    default:
        return new NoteScale;
    }
}

// The first live scale directive of the note that the part's style
// applies; a koto directive on a sangen part (or the reverse) counts as
// absent.
const Directive *scaleDirectiveOf(const Note *note, int style)
{
    for (const Directive *directive : note->directives) {
        if (directive->deleted)
            continue;
        if (directive->kind == DirectiveType::Scale && isKoto(style))
            return directive;
        if (directive->kind == DirectiveType::ScaleSangen && isSangen(style))
            return directive;
    }
    return nullptr;
}

// A transposition's half steps. A text whose braces do not close shifts by
// nothing, although getDirectiveNumber answers -1 for it.
int transposeStepsOf(const QString &text)
{
    const qsizetype open = text.indexOf(QLatin1Char('{'));
    if (open < 0 || text.indexOf(QLatin1Char('}'), open + 1) < 0)
        return 0;
    return Score::getDirectiveNumber(text);
}

// One part's walk: measure by measure, voice by voice, so a directive
// reaches every later voice of its measure and every later measure.
class PartScaleWalk
{
public:
    PartScaleWalk(Score *score, int partIndex, QSet<QPair<const Directive *, QString>> *warned)
        : m_score(score), m_partIndex(partIndex), m_part(score->parts.at(partIndex)),
          m_warned(warned)
    {
    }

    void run()
    {
        m_part->scaleTexts.clear();
        m_scale = keep(createStartScale(m_score, m_partIndex));
        m_transpose = 0;
        for (const Measure *measure : std::as_const(m_score->measures)) {
            const MePart *cell = measure->parts.at(m_partIndex);
            for (const Voice *voice : cell->voices) {
                for (Note *note : voice->notes)
                    visit(note);
            }
        }
    }

private:
    void visit(Note *note)
    {
        for (const Directive *directive : std::as_const(note->directives)) {
            if (!directive->deleted && directive->kind == DirectiveType::Transpose)
                m_transpose = ReadBounds::clampOffset(
                    m_transpose + ReadBounds::clampOffset(transposeStepsOf(directive->text)));
        }
        if (const Directive *directive = scaleDirectiveOf(note, m_part->notationStyle))
            applyScaleDirective(directive);

        note->noteScale = m_scale;
        note->pitchNumber = NoteNames::pitchNumber(note->step, note->alter, note->octave);
        // The key is clamped on reading, but a part's settings may come
        // from elsewhere.
        note->pitchShift = m_transpose + ReadBounds::clampOffset(m_part->instrumentKey);
        note->pitchIndex = ReadBounds::saturatedInt(qint64(note->pitchShift) + note->pitchNumber);
        note->scaleIndex = int(m_part->scaleTexts.size()) - 1;
    }

    void applyScaleDirective(const Directive *directive)
    {
        const QString &text = directive->text;
        const QString tuning = Score::getDirectiveText(text);
        const int style = m_part->notationStyle;
        const bool tuned = directive->kind == DirectiveType::Scale || style != SangenYamada;
        if (tuned && NoteNames::isTuningOutOfRange(tuning)) {
            if (firstMeeting(directive))
                NoteNames::showTuningRangeWarning(m_score, tuning);
            m_scale = keep(new NoteScale);
            m_part->scaleTexts.append(text.mid(directive->kind == DirectiveType::Scale
                                                   ? scaleKeyword.size()
                                                   : sangenKeyword.size()));
            return;
        }
        if (directive->kind == DirectiveType::Scale) {
            m_scale = keep(createKotoScale(directive, tuning, Score::getQuotedText(text)));
            m_part->scaleTexts.append(text.mid(scaleKeyword.size()));
            return;
        }
        if (style == SangenIkuta)
            m_scale = keep(m_score->createScaleSangenIkuta(tuning));
        else if (style == SangenYamada)
            m_scale = keep(m_score->createScaleSangenYamada());
        else
            m_scale = keep(m_score->createScaleShamisenBunka(tuning));
        m_part->scaleTexts.append(text.mid(sangenKeyword.size()));
    }

    // The builder warns about a bad 25-string name only the first time a
    // directive is met with that text; later rebuilds stay silent.
    NoteScale *createKotoScale(const Directive *directive, const QString &tuning,
                               const QString &name)
    {
        auto warning = NoteNames::ScaleNameWarning::Suppress;
        if (NoteNames::isRejectedKotoScaleName(tuning, name) && firstMeeting(directive))
            warning = NoteNames::ScaleNameWarning::Show;
        return m_score->createScaleKoto(tuning, name, m_part->notationStyle == KotoSeiha, warning);
    }

    // True the first time a faulty directive is met with its text; it is
    // remembered for the next rebuild either way.
    bool firstMeeting(const Directive *directive)
    {
        const QPair<const Directive *, QString> key(directive, directive->text);
        m_warned->insert(key);
        return !m_score->warnedScaleDirectives.contains(key);
    }

    NoteScale *keep(NoteScale *scale)
    {
        m_score->noteScales.emplace_back(scale);
        return scale;
    }

    Score *m_score;
    int m_partIndex;
    Part *m_part;
    QSet<QPair<const Directive *, QString>> *m_warned;
    NoteScale *m_scale = nullptr;
    int m_transpose = 0;
};

} // namespace

void Score::SetNoteScales()
{
    // The old scales go only after every note points to a new one.
    std::vector<std::unique_ptr<NoteScale>> oldScales;
    oldScales.swap(noteScales);
    // Directives met this time; one no longer met may warn again later.
    QSet<QPair<const Directive *, QString>> warned;
    for (int p = 0; p < parts.size(); ++p)
        PartScaleWalk(this, p, &warned).run();
    warnedScaleDirectives = warned;
}
