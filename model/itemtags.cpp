#include "model/itemtags.h"

#include <QGraphicsItem>
#include <QVariant>

namespace {

// An item's indices, held together in one data slot. The toolkit keeps each
// slot of each item as a node of its own map (some 80 bytes), and a long
// score tags a hundred thousand items with up to five indices each. The
// record fits in the variant's own space, so the slot allocates nothing
// more.
struct PackedIndices
{
    int measure = 0;
    int part = 0;
    int voice = 0;
    int note = 0;
    int index = 0;        // the one notation, directive, direction, credit, lyric or fingering
    unsigned written = 0; // a bit per ItemTagKey written
};
static_assert(sizeof(PackedIndices) <= 3 * sizeof(void *), "held in the variant itself");

// Beside the line kinds' key (drawing/linetags.h) and the frame items' raw
// slots 0 and 1.
constexpr int indicesKey = 12;

constexpr unsigned bit(ItemTagKey key)
{
    return 1u << unsigned(key);
}

constexpr unsigned indexBits = bit(TagNotation) | bit(TagDirective) | bit(TagDirection) |
                               bit(TagCredit) | bit(TagLyric) | bit(TagFingering);

int *field(PackedIndices &indices, ItemTagKey key)
{
    switch (key) {
    case TagMeasure:
        return &indices.measure;
    case TagPart:
        return &indices.part;
    case TagVoice:
        return &indices.voice;
    case TagNote:
        return &indices.note;
    default:
        return &indices.index;
    }
}

} // namespace

void ItemTagStore::write(QGraphicsItem *item, GraphicsItemType type,
                         std::initializer_list<std::pair<ItemTagKey, int>> indices)
{
    item->setData(TagType, int(type));
    const QVariant held = item->data(indicesKey);
    PackedIndices packed = held.isValid() ? held.value<PackedIndices>() : PackedIndices();
    for (const auto &[key, value] : indices) {
        // One index slot: a later index of another kind takes its place.
        if (bit(key) & indexBits)
            packed.written &= ~indexBits;
        *field(packed, key) = value;
        packed.written |= bit(key);
    }
    item->setData(indicesKey, QVariant::fromValue(packed));
}

bool ItemTagStore::isWritten(const QGraphicsItem *item, ItemTagKey key)
{
    if (key == TagType)
        return item->data(TagType).isValid();
    const QVariant held = item->data(indicesKey);
    if (!held.isValid())
        return item->data(key).isValid();
    return held.value<PackedIndices>().written & bit(key);
}

int itemTag(const QGraphicsItem *item, ItemTagKey key)
{
    if (key == TagType)
        return item->data(TagType).toInt();
    const QVariant held = item->data(indicesKey);
    // Measure frames and break marks hold their slots as they are.
    if (!held.isValid())
        return item->data(key).toInt();
    PackedIndices packed = held.value<PackedIndices>();
    return (packed.written & bit(key)) ? *field(packed, key) : 0;
}
