// Score's item tags: the setters that mark a scene item with its model
// object's type and indices, and the getters that read them back.
#include "model/itemtags.h"
#include "model/score.h"

#include <QGraphicsItem>

namespace {

int read(const QGraphicsItem *item, ItemTagKey key)
{
    return itemTag(item, key);
}

// Type first, then the note's four indices and the one index of its kind.
void tagNote(QGraphicsItem *item, GraphicsItemType type, int measure, int part, int voice, int note)
{
    ItemTagStore::write(item, type,
                        {{TagMeasure, measure}, {TagPart, part}, {TagVoice, voice}, {TagNote, note}});
}

void tagNote(QGraphicsItem *item, GraphicsItemType type, int measure, int part, int voice, int note,
             ItemTagKey indexKey, int index)
{
    ItemTagStore::write(item, type,
                        {{TagMeasure, measure},
                         {TagPart, part},
                         {TagVoice, voice},
                         {TagNote, note},
                         {indexKey, index}});
}

} // namespace

void Score::setNoteItemTag(QGraphicsItem *item, int measure, int part, int voice, int note)
{
    tagNote(item, NoteItem, measure, part, voice, note);
}

void Score::setNotePartItemTag(QGraphicsItem *item, int measure, int part, int voice, int note)
{
    tagNote(item, NotePartItem, measure, part, voice, note);
}

void Score::setLyricItemTag(QGraphicsItem *item, int measure, int part, int voice, int note,
                            int lyric)
{
    tagNote(item, LyricItem, measure, part, voice, note, TagLyric, lyric);
}

void Score::setOctaveInstItemTag(QGraphicsItem *item, int measure, int part, int voice, int note)
{
    tagNote(item, OctaveInstItem, measure, part, voice, note);
}

void Score::setNotationItemTag(QGraphicsItem *item, int measure, int part, int voice, int note,
                               int notation)
{
    tagNote(item, NotationItem, measure, part, voice, note, TagNotation, notation);
}

void Score::setFingeringItemTag(QGraphicsItem *item, int measure, int part, int voice, int note,
                                int fingering)
{
    tagNote(item, FingeringItem, measure, part, voice, note, TagFingering, fingering);
}

void Score::setUpBowItemTag(QGraphicsItem *item, int measure, int part, int voice, int note)
{
    tagNote(item, UpBowItem, measure, part, voice, note);
}

void Score::setStoppedItemTag(QGraphicsItem *item, int measure, int part, int voice, int note)
{
    tagNote(item, StoppedItem, measure, part, voice, note);
}

void Score::setHarmonicItemTag(QGraphicsItem *item, int measure, int part, int voice, int note)
{
    tagNote(item, HarmonicItem, measure, part, voice, note);
}

void Score::setDirectiveItemTag(QGraphicsItem *item, int measure, int part, int voice, int note,
                                int directive)
{
    tagNote(item, DirectiveItem, measure, part, voice, note, TagDirective, directive);
}

void Score::setDirectionItemTag(QGraphicsItem *item, int measure, int part, int voice,
                                int direction)
{
    ItemTagStore::write(item, DirectionItem,
                        {{TagMeasure, measure},
                         {TagPart, part},
                         {TagVoice, voice},
                         {TagDirection, direction}});
}

void Score::setCreditItemTag(QGraphicsItem *item, int credit)
{
    ItemTagStore::write(item, CreditItem, {{TagCredit, credit}});
}

void Score::setEndingItemTag(QGraphicsItem *item, int measure)
{
    ItemTagStore::write(item, EndingItem, {{TagMeasure, measure}});
}

void Score::getItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice,
                       int *note) const
{
    *measure = read(item, TagMeasure);
    *part = read(item, TagPart);
    *voice = read(item, TagVoice);
    *note = read(item, TagNote);
}

void Score::getLyricItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice,
                            int *note, int *lyric) const
{
    getItemTag(item, measure, part, voice, note);
    *lyric = read(item, TagLyric);
}

void Score::getOctaveInstItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice,
                                 int *note) const
{
    getItemTag(item, measure, part, voice, note);
}

void Score::getNotationItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice,
                               int *note, int *notation) const
{
    getItemTag(item, measure, part, voice, note);
    *notation = read(item, TagNotation);
}

void Score::getFingeringItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice,
                                int *note, int *fingering) const
{
    getItemTag(item, measure, part, voice, note);
    *fingering = read(item, TagFingering);
}

void Score::getUpBowItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice,
                            int *note) const
{
    getItemTag(item, measure, part, voice, note);
}

void Score::getStoppedItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice,
                              int *note) const
{
    getItemTag(item, measure, part, voice, note);
}

void Score::getHarmonicItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice,
                               int *note) const
{
    getItemTag(item, measure, part, voice, note);
}

void Score::getDirectiveItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice,
                                int *note, int *directive) const
{
    getItemTag(item, measure, part, voice, note);
    *directive = read(item, TagDirective);
}

void Score::getDirectionItemTag(const QGraphicsItem *item, int *measure, int *part, int *voice,
                                int *direction) const
{
    *measure = read(item, TagMeasure);
    *part = read(item, TagPart);
    *voice = read(item, TagVoice);
    *direction = read(item, TagDirection);
}

void Score::getCreditItemTag(const QGraphicsItem *item, int *credit) const
{
    *credit = read(item, TagCredit);
}

void Score::getEndingItemTag(const QGraphicsItem *item, int *measure) const
{
    *measure = read(item, TagMeasure);
}
