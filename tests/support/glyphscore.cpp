#include "support/glyphscore.h"

#include "layout/alignitem.h"
#include "layout/layouter.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/voice.h"
#include "view/scene.h"

#include "model/glyphitem.h"

#include <algorithm>

namespace TestSupport {

GlyphScore::GlyphScore(int style, bool horizontal)
{
    score.page->horizontal = horizontal;
    part = builder.addPart(QStringLiteral("P"), style);
    part->noteFontName = NoteFonts::firstFontName(NoteFontFolder::path(style));
}

Measure *GlyphScore::addMeasure(int beats, int beatType, int divisions)
{
    return builder.addMeasure(beats, beatType, divisions);
}

QList<Note *> GlyphScore::addNotes(const QString &tokens, int voiceNumber)
{
    return builder.addNotes(0, voiceNumber, tokens);
}

void GlyphScore::prepare()
{
    part->loadNoteFont();
    score.SetNoteScales();
    score.setNoteNames();
    score.setOctaveInstMarks();
    score.markNoteChains();
    for (Measure *measure : std::as_const(score.measures)) {
        for (Voice *voice : measure->parts.at(0)->voices.madeVoices())
            voice->hasNotes = !voice->notes.isEmpty();
        measure->layouter->layout();
    }
}

void GlyphScore::draw()
{
    const int style = part->notationStyle;
    for (int v = 0; v < MePart::voiceCount; ++v) {
        QStringList list;
        for (Measure *measure : std::as_const(score.measures)) {
            const QList<Note *> &notes = measure->parts.at(0)->voices.at(v)->notes;
            if (notes.isEmpty()) {
                list.clear();
                continue;
            }
            for (int i = 0; i < notes.size(); i += std::max(1, notes.at(i)->chordSize)) {
                Note *note = notes.at(i);
                if (note->tremoloType != 2)
                    note->alignItemBegin = note->firstAlignItem = measure->getItemCount(0, v);
                const int onset = note->startTime;
                switch (style) {
                case NotationStyle::KinkoTrad:
                    list = score.addNote(measure, 0, v, note, onset, list);
                    break;
                case NotationStyle::TozanTrad:
                    list = score.addNoteTozan(measure, 0, v, note, onset, list);
                    break;
                case NotationStyle::KotoIkuta:
                case NotationStyle::SangenIkuta:
                    list = score.addNoteIkuta(measure, 0, v, i, onset, list);
                    break;
                default:
                    list = score.addNoteSimple(measure, 0, v, i, onset, list);
                    break;
                }
                if (v == 0)
                    chordLists.append(list);
            }
            for (AlignItem *item : std::as_const(measure->parts.at(0)->voices.at(v)->alignItems))
                score.scene->addItem(item->graphicsItem);
        }
    }
}

void GlyphScore::build()
{
    prepare();
    draw();
}

const QList<AlignItem *> &GlyphScore::items(int measure, int voiceNumber) const
{
    return score.measures.at(measure)->parts.at(0)->voices.at(voiceNumber - 1)->alignItems;
}

QStringList GlyphScore::ids(int measure, int voiceNumber, bool withTimes) const
{
    QStringList result;
    for (const AlignItem *item : items(measure, voiceNumber))
        result.append(withTimes ? item->glyphId + QLatin1Char('@') + QString::number(item->time)
                                : item->glyphId);
    return result;
}

GlyphItem *GlyphScore::svg(int measure, int voiceNumber, int index) const
{
    return dynamic_cast<GlyphItem *>(items(measure, voiceNumber).at(index)->graphicsItem);
}

Note *GlyphScore::note(int measure, int index, int voiceNumber) const
{
    return score.measures.at(measure)->parts.at(0)->voices.at(voiceNumber - 1)->notes.at(index);
}

double GlyphScore::alongScale(const GlyphItem *item) const
{
    const double base = part->noteFontSize * score.page->glyphScale;
    const QTransform t = item->transform();
    return (score.page->horizontal ? t.m11() : t.m22()) / base;
}

} // namespace TestSupport
