#include "document/elementslots.h"

#include "model/credit.h"
#include "model/directive.h"
#include "model/fingering.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/score.h"
#include "model/voice.h"

namespace ElementSlots {

namespace {

void forEachNoteSlot(Note *note, const std::function<void(QDomElement &slot)> &visit)
{
    visit(note->element);
    for (Lyrics *lyric : std::as_const(note->lyrics))
        visit(lyric->element);
    for (Fingering *finger : std::as_const(note->fingerings))
        visit(finger->element);
    for (Directive *directive : std::as_const(note->directives))
        visit(directive->element);
}

} // namespace

void forEach(Score *score, const std::function<void(QDomElement &slot)> &visit)
{
    visit(score->partListElement);
    for (QDomElement &part : score->partElements)
        visit(part);
    for (Credit *credit : std::as_const(score->credits))
        visit(credit->element);
    for (Measure *measure : std::as_const(score->measures)) {
        for (QDomElement &element : measure->measureElements)
            visit(element);
        for (MePart *cell : std::as_const(measure->parts)) {
            for (const Voice *voice : cell->voices) {
                for (Note *note : std::as_const(voice->notes))
                    forEachNoteSlot(note, visit);
            }
        }
    }
}

void forEachInMeasure(Measure *measure, int partIndex,
                      const std::function<void(QDomElement &slot)> &visit)
{
    for (QDomElement &element : measure->measureElements)
        visit(element);
    if (partIndex < 0 || partIndex >= measure->parts.size())
        return;
    for (const Voice *voice : measure->parts.at(partIndex)->voices) {
        for (Note *note : std::as_const(voice->notes))
            forEachNoteSlot(note, visit);
    }
}

} // namespace ElementSlots
