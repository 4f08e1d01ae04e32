// The tags that tie a scene item to the model object it shows. Every such
// item stores, in its QGraphicsItem::data slots, its GraphicsItemType under
// key 0 (read as data(TagType)) and the indices that find its object under
// the keys below, held together in one slot; editing reads them back with
// itemTag(). Tags are plain integers; a key never written reads 0.
#pragma once

#include <initializer_list>
#include <utility>

class QGraphicsItem;

// The kind of model object an item stands for (key 0). 0..3 are unused,
// so an untagged item reads as none of these.
enum GraphicsItemType : int
{
    NotationItem = 4,
    DirectiveItem = 5,
    DirectionItem = 6,
    CreditItem = 7,
    OctaveInstItem = 8,
    NoteItem = 9,
    LyricItem = 10,
    EndingItem = 11,
    FingeringItem = 12,
    HarmonicItem = 13,
    UpBowItem = 14,
    StoppedItem = 15,
    // A stem, flag, beam, ledger line or accidental drawn for a staff
    // note, or a rhythm dot counting a Kinko note: not selectable, tagged
    // so that whatever must keep clear of a note's ink can find all of it.
    NotePartItem = 16,
};

// The data keys of an item's tags.
enum ItemTagKey : int
{
    TagType = 0,
    TagMeasure = 1,   // index into Score::measures
    TagPart = 2,      // index into Score::parts
    TagVoice = 3,     // 0..31
    TagNote = 4,      // within the voice
    TagNotation = 5,  // within the note
    TagDirective = 6, // within the note
    TagDirection = 7, // within the voice
    TagCredit = 8,    // index into Score::credits
    TagLyric = 9,     // within the note
    TagFingering = 10 // within the note
};

// The tags of one item read back with the reader of its type. `index` is
// the notation, directive, direction, credit, lyric or fingering index;
// keys the type does not write stay 0.
struct ItemTags
{
    int type = 0;
    int measure = 0;
    int part = 0;
    int voice = 0;
    int note = 0;
    int index = 0;
};

// The tag `key` of `item`, 0 when never written. Measure frames and break
// marks, which keep their kind and measure in data slots 0 and 1, read
// through it too.
int itemTag(const QGraphicsItem *item, ItemTagKey key);

// Where Score's tag setters and getters keep an item's tags.
namespace ItemTagStore {
// Tags `item` as `type` and writes `indices`; indices written before stay,
// apart from the one slot of the notation, directive, direction, credit,
// lyric or fingering index, which the last of them holds.
void write(QGraphicsItem *item, GraphicsItemType type,
           std::initializer_list<std::pair<ItemTagKey, int>> indices);
bool isWritten(const QGraphicsItem *item, ItemTagKey key);
} // namespace ItemTagStore
