#include "support/voicescore.h"

#include "layout/alignitem.h"
#include "layout/layouter.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/voice.h"

#include <algorithm>

namespace TestSupport {

VoiceScore::VoiceScore(bool horizontal)
{
    Page *page = score.page;
    page->horizontal = horizontal;
    page->marginTop = page->marginLeft = page->marginBottom = page->marginRight = 0.0;
    page->titleFirstPageTop = false;
    page->insertCoverPage = false;
}

Part *VoiceScore::addPart(const QString &name, int style)
{
    Part *part = builder.addPart(name, style);
    part->partAbbreviation = name.left(1);
    part->noteFontName = NoteFonts::firstFontName(NoteFontFolder::path(style));
    return part;
}

Measure *VoiceScore::addMeasure(int beats, int beatType, int divisions)
{
    return builder.addMeasure(beats, beatType, divisions);
}

QList<Note *> VoiceScore::addNotes(int part, const QString &tokens, int voiceNumber)
{
    return builder.addNotes(part, voiceNumber, tokens);
}

void VoiceScore::prepare()
{
    for (Part *part : std::as_const(score.parts))
        part->loadNoteFont();
    score.SetNoteScales();
    score.setNoteNames();
    score.setOctaveInstMarks();
    score.markNoteChains();
    for (Measure *measure : std::as_const(score.measures)) {
        for (MePart *cell : std::as_const(measure->parts)) {
            for (Voice *voice : cell->voices.madeVoices())
                voice->hasNotes = !voice->notes.isEmpty();
        }
        measure->layouter->layout();
        score.setUpMeasureTics(measure);
    }
    for (int p = 0; p < score.parts.size(); ++p) {
        const int style = score.parts.at(p)->notationStyle;
        for (int v = 0; v < MePart::voiceCount; ++v) {
            QStringList list;
            for (Measure *measure : std::as_const(score.measures)) {
                const QList<Note *> &notes = measure->parts.at(p)->voices.at(v)->notes;
                for (int i = 0; i < notes.size(); i += std::max(1, notes.at(i)->chordSize)) {
                    Note *note = notes.at(i);
                    note->alignItemBegin = note->firstAlignItem = measure->getItemCount(p, v);
                    if (style == NotationStyle::KinkoTrad)
                        list = score.addNote(measure, p, v, note, note->startTime, list);
                    else
                        list = score.addNoteSimple(measure, p, v, i, note->startTime, list);
                }
            }
        }
    }
}

void VoiceScore::layOut()
{
    score.setMultiMeasureRests(false);
    score.buildDisplayedMeasures();
    if (score.page->horizontal)
        score.layoutHorizontalScore();
    else
        score.layoutVerticalScore();
}

void VoiceScore::generate()
{
    score.maxNoteSize = 0.0;
    for (const Part *part : std::as_const(score.parts))
        score.maxNoteSize = std::max(score.maxNoteSize, part->noteFontSize);
    score.beginGraphicItems();
    score.genMeasureFrames();
    score.page->resetPages();
    for (int m = 0; m < score.measures.size();) {
        score.genMeasureItems(m);
        const int span = score.measures.at(m)->multiRestCount;
        m += span >= 2 ? span : 1;
    }
}

void VoiceScore::build()
{
    prepare();
    layOut();
    generate();
}

Note *VoiceScore::note(int measure, int part, int index, int voiceNumber) const
{
    return score.measures.at(measure)->parts.at(part)->voices.at(voiceNumber - 1)->notes.at(index);
}

const QList<AlignItem *> &VoiceScore::items(int measure, int part, int voiceNumber) const
{
    return score.measures.at(measure)->parts.at(part)->voices.at(voiceNumber - 1)->alignItems;
}

QList<QGraphicsItem *> VoiceScore::glyphItems() const
{
    QList<QGraphicsItem *> found;
    for (const Measure *measure : score.measures) {
        for (const MePart *cell : measure->parts) {
            for (const Voice *voice : cell->voices) {
                for (const AlignItem *item : voice->alignItems) {
                    if (item->graphicsItem)
                        found.append(item->graphicsItem);
                }
            }
        }
    }
    return found;
}

} // namespace TestSupport
