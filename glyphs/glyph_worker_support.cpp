#include "glyphs/glyph_worker_support.h"

#include "layout/layouter.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/score.h"
#include "model/voice.h"

#include <QGraphicsItem>

#include <algorithm>

namespace GlyphWorkers {

Voice *voiceOf(const Measure *measure, int part, int voice)
{
    return measure->parts.at(part)->voices.use(voice);
}

Note *noteAfterChord(const Measure *measure, int part, int voice, int noteIndex)
{
    const Voice *v = voiceOf(measure, part, voice);
    const int size = std::max(1, v->notes.at(noteIndex)->chordSize);
    return v->notes.value(noteIndex + size, nullptr);
}

QString verticalForm(const Score *score, const QString &glyphId)
{
    return score->page->horizontal ? glyphId : glyphId + QStringLiteral("_V");
}

double noteLine(const Measure *measure, int part, int voice, int lines, int line)
{
    return measure->layouter->chordNotePos(part, voice, std::max(1, lines), line, false);
}

double stringLine(const Measure *measure, int part, int string)
{
    return measure->layouter->chordNotePos2(part, std::clamp(string - 1, 0, 2), 0);
}

double squeezeRatio(const Measure *measure, int part, int voice, int lines)
{
    return measure->layouter->chordSqueezeRatio(part, voice, std::max(1, lines));
}

int voiceLines(const Measure *measure, int part, int voice)
{
    const Layouter *layouter = measure->layouter;
    if (part >= layouter->chordCounts.size())
        return 1;
    return std::max(1, layouter->chordCounts.at(part).at(voice));
}

int stringNumber(const QString &noteName)
{
    for (int string = 1; string <= 3; ++string) {
        if (noteName.startsWith(QString::number(string) + QLatin1Char('-')))
            return string;
    }
    return 0;
}

void markMainItem(Note *note, const Measure *measure, int part, int voice)
{
    const int last = measure->getItemCount(part, voice) - 1;
    note->noteAlignItem = last;
    note->alignItemEnd = last;
}

void markLastItem(Note *note, const Measure *measure, int part, int voice)
{
    note->alignItemEnd = measure->getItemCount(part, voice) - 1;
}

void markItemsFrom(Note *note, const Measure *measure, int part, int voice, int firstNew)
{
    const int count = measure->getItemCount(part, voice);
    note->noteAlignItem = firstNew < count ? firstNew : count - 1;
    note->alignItemEnd = count - 1;
}

void tagNoteGlyph(Score *score, QGraphicsItem *item, const Measure *measure, int part, int voice,
                  int noteIndex)
{
    item->setFlag(QGraphicsItem::ItemIsSelectable);
    score->setNoteItemTag(item, measure->indexInScore(), part, voice, noteIndex);
}

const char *const tremoloUnstopped = "ERROR: =========TremoloStart does not stops=========";

bool isTieContinuation(const Note *note)
{
    return note->tie == 2 || note->tie == 3;
}

void appendOctaveAndTie(Note *note)
{
    if (note->octaveInstMark == QLatin1String("Kan") ||
        note->octaveInstMark == QLatin1String("Otsu"))
        note->glyphName += QLatin1Char(':') + note->octaveInstMark;
    if (isTieContinuation(note))
        note->glyphName += QStringLiteral(":TieStop");
}

} // namespace GlyphWorkers
