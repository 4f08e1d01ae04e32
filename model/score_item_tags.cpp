// Score's item tags: the setters that mark a scene item with its model
// object's type and indices, and the getters that read them back.
#include "model/itemtags.h"
#include "model/score.h"

#include <QGraphicsItem>

namespace {

void tag(QGraphicsItem *item, ItemTagKey key, int value)
{
    item->setData(key, value);
}

int read(const QGraphicsItem *item, ItemTagKey key)
{
    return item->data(key).toInt();
}

// Type first, then the note's four indices in key order.
void tagNote(QGraphicsItem *item, GraphicsItemType type, int measure, int part, int voice, int note)
{
    tag(item, TagType, type);
    tag(item, TagMeasure, measure);
    tag(item, TagPart, part);
    tag(item, TagVoice, voice);
    tag(item, TagNote, note);
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
    tagNote(item, LyricItem, measure, part, voice, note);
    tag(item, TagLyric, lyric);
}

void Score::setOctaveInstItemTag(QGraphicsItem *item, int measure, int part, int voice, int note)
{
    tagNote(item, OctaveInstItem, measure, part, voice, note);
}

void Score::setNotationItemTag(QGraphicsItem *item, int measure, int part, int voice, int note,
                               int notation)
{
    tagNote(item, NotationItem, measure, part, voice, note);
    tag(item, TagNotation, notation);
}

void Score::setFingeringItemTag(QGraphicsItem *item, int measure, int part, int voice, int note,
                                int fingering)
{
    tagNote(item, FingeringItem, measure, part, voice, note);
    tag(item, TagFingering, fingering);
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
    tagNote(item, DirectiveItem, measure, part, voice, note);
    tag(item, TagDirective, directive);
}

void Score::setDirectionItemTag(QGraphicsItem *item, int measure, int part, int voice,
                                int direction)
{
    tag(item, TagType, DirectionItem);
    tag(item, TagMeasure, measure);
    tag(item, TagPart, part);
    tag(item, TagVoice, voice);
    tag(item, TagDirection, direction);
}

void Score::setCreditItemTag(QGraphicsItem *item, int credit)
{
    tag(item, TagType, CreditItem);
    tag(item, TagCredit, credit);
}

void Score::setEndingItemTag(QGraphicsItem *item, int measure)
{
    tag(item, TagType, EndingItem);
    tag(item, TagMeasure, measure);
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
