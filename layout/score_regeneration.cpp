// Score's regeneration: every derived datum and every graphic item of the
// score rebuilt from the model, in one call, in a fixed order.
#include "layout/alignitem.h"
#include "layout/hairpinends.h"
#include "layout/layouter.h"
#include "layout/tickclearance.h"
#include "model/credit.h"
#include "model/direction.h"
#include "model/directive.h"
#include "model/fingering.h"
#include "model/harmonic.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/stopped.h"
#include "model/style.h"
#include "model/upbow.h"
#include "model/voice.h"
#include "platform/hugepageheap.h"
#include "view/scene.h"

#include <QDateTime>
#include <QDebug>
#include <QGraphicsItem>
#include <QSet>

#include <algorithm>

namespace {

void resetNote(Note *note)
{
    note->glyphName.clear();
    note->octaveInstItem = nullptr;
    note->prevMark = false;
    note->glyphKind = 0;
    note->pizzCircle = 0;
    note->dottedRest = false;
    note->firstAlignItem = -1;
    note->noteAlignItem = -1;
    note->alignItemBegin = -1;
    note->alignItemEnd = -1;
    note->stemAlignItem = -1;
    note->stemShown = 0;
    for (Notation *notation : std::as_const(note->notations))
        notation->item = nullptr;
    for (Fingering *fingering : std::as_const(note->fingerings))
        fingering->item = nullptr;
    for (Directive *directive : std::as_const(note->directives))
        directive->item = nullptr;
    for (Lyrics *lyric : std::as_const(note->lyrics))
        lyric->item = nullptr;
    if (note->upBow)
        note->upBow->item = nullptr;
    if (note->stopped)
        note->stopped->item = nullptr;
    if (note->harmonic)
        note->harmonic->item = nullptr;
}

template <class Visit> void forEachVoice(const QList<Measure *> &measures, Visit visit)
{
    for (Measure *measure : measures) {
        for (MePart *cell : std::as_const(measure->parts)) {
            for (Voice *voice : cell->voices.madeVoices())
                visit(voice);
        }
    }
}

} // namespace

bool Score::generateScore()
{
    qDebug().noquote() << "generateScore: entered----------.";
    const qint64 start = QDateTime::currentMSecsSinceEpoch();

    lyricInkRoom.clear();
    generateScoreOnce();
    // Syllables reached by stems and beams drawn after them: drawn once
    // more with that room. The lines, measure lengths and beams do not
    // depend on the bands, so the same beams reach as far.
    if (!lyricInkDepths.isEmpty()) {
        lyricInkRoom = lyricInkDepths;
        generateScoreOnce();
    }

    const qint64 elapsed = QDateTime::currentMSecsSinceEpoch() - start;
    qDebug().noquote() << QStringLiteral("generate score elapsed time (ms) = ") +
                              QString::number(elapsed);
    return true;
}

void Score::generateScoreOnce()
{
    stackedLyricParts.clear();
    lyricStackRoomParts.clear();
    resetComputedFields();
    ghostNotes = false;
    // after this: no model object points into the previous picture, and
    // no grey parenthesis is open

    for (Part *part : std::as_const(parts)) {
        part->loadNoteFont();
        part->resetDrawingHelpers();
    }
    // after this: every part has its note font and glyph maps, and no
    // tie, slur, wedge, bracket, shift, lyric line, long repeat or beam
    // of the previous picture is open

    maxNoteSize = largestNoteSize();
    SetNoteScales();
    setNoteNames();
    setOctaveInstMarks();
    // after this: every note has its scale, pitch index, name and octave mark

    for (Measure *measure : std::as_const(measures)) {
        measure->layouter->layout();
        HugePageHeap::follow();
    }
    // after this: every measure has its lyric lines and voice lanes

    markNoteChains();
    setMultiMeasureRests(style->multiMeasureRests);
    buildDisplayedMeasures();
    // after this: chains are marked and displayedMeasures holds what is
    // shown; a merge lives in computed fields, so the model stays as it is

    alignAndLayOutLines();
    // after this: every voice holds the aligned items of its glyphs, none
    // of those at a time tick stands on its line, the first page's header
    // is deep enough for its credits, and every measure has its width,
    // origin and line and page flags

    fitLyricsAlongLines();
    if (!stackedLyricParts.isEmpty()) {
        // Syllables stacked where the lyric band had no room for a second
        // line: the lines are laid out again with that room, from a new
        // alignment (laying out scales the aligned items in place), and
        // the syllables fitted again where that moved them.
        reportSqueezedLyrics();
        lyricStackRoomParts = stackedLyricParts;
        stackedLyricParts.clear();
        alignAndLayOutLines();
        fitLyricsAlongLines();
    }
    // after this: every syllable has its size and line, and each lyric
    // band the room its stacked syllables take

    generateGraphicItems();
    hideTiedNoteGlyphs();
    releaseUnplacedGlyphItems();
    // after this: the scene holds the whole picture and owns every glyph
    // item; those of voices left undrawn are gone

    measureLyricInk();
    // after this: lyricInkDepths tells how far each part's stems and beams
    // reach into its syllables

    settleDirectionTexts();
    // after this: default-placed words and dynamics stand clear of their
    // notes and of each other

    HairpinEnds::clearOfDynamics(*this);
    // after this: no hairpin runs through a dynamic at its ends

    TickClearance::clearOfInk(*this);
    // after this: no time tick runs through a glyph or a text

    scene->updateSceneRect();
    scene->update(QRectF());
}

void Score::alignAndLayOutLines()
{
    prepareAlignment();
    keepGlyphsOffTheirTicks();
    creditHeaderGrowth();
    if (page->horizontal)
        layoutHorizontalScore();
    else
        layoutVerticalScore();
}

int Score::prepareAlignment()
{
    releaseUnplacedGlyphItems();
    const int partCount = int(parts.size());
    for (Measure *measure : std::as_const(measures)) {
        for (int p = 0; p < partCount && p < measure->parts.size(); ++p) {
            for (Voice *voice : measure->parts.at(p)->voices.madeVoices()) {
                if (!voice->alignItems.isEmpty())
                    voice->clearAlignItems();
            }
        }
        setUpMeasureTics(measure);
    }

    // The chord list flows from measure to measure within one part and
    // voice, never across voices or parts.
    QList<quint32> usedVoices;
    for (int p = 0; p < partCount; ++p)
        usedVoices.append(voicesHoldingNotes(p));
    for (int v = 0; v < MePart::voiceCount; ++v) {
        for (int p = 0; p < partCount; ++p) {
            if (!(usedVoices.at(p) & (1u << v)))
                continue;
            QStringList list;
            for (Measure *measure : std::as_const(measures)) {
                if (p >= measure->parts.size()) {
                    list.clear();
                    continue;
                }
                list = collectVoiceGlyphIds(measure, p, v, list);
            }
        }
    }
    return 1;
}

void Score::resetComputedFields()
{
    watcher = nullptr;
    for (Credit *credit : std::as_const(credits))
        credit->item = nullptr;
    for (Measure *measure : std::as_const(measures)) {
        measure->measureItem = nullptr;
        measure->endingItem = nullptr;
        measure->timeSignatureBoxes.clear();
        measure->looseInkBoxes.clear();
    }
    forEachVoice(measures, [](Voice *voice) {
        for (Note *note : std::as_const(voice->notes))
            resetNote(note);
        for (Direction *direction : std::as_const(voice->directions))
            direction->item = nullptr;
    });
}

void Score::releaseUnplacedGlyphItems()
{
    // Aligned items may share one glyph item; each goes once.
    QSet<QGraphicsItem *> unplaced;
    forEachVoice(measures, [&unplaced](Voice *voice) {
        for (AlignItem *item : std::as_const(voice->alignItems)) {
            if (item->graphicsItem && !item->graphicsItem->scene()) {
                unplaced.insert(item->graphicsItem);
                item->graphicsItem = nullptr;
            }
        }
    });
    qDeleteAll(unplaced);
}
