// The 32 voice slots of one part in one measure (MePart::voices).
//
// Ownership: the slots own the voices made in them.
#pragma once

#include <QList>

#include <array>
#include <iterator>

class Voice;

// The 32 voice slots of a cell. A voice is made when something first writes
// to it (use()): a score fills one or two slots of each cell, and 32 made
// voices per part and measure cost 15 MB on a 1000-measure, 4-part score.
// Reading a slot never makes its voice: an unmade slot reads as one shared
// empty voice, which is const, so nothing can write to it by mistake.
class VoiceSlots
{
public:
    static constexpr int count = 32;

    VoiceSlots() = default;
    ~VoiceSlots();
    VoiceSlots(const VoiceSlots &) = delete;
    VoiceSlots &operator=(const VoiceSlots &) = delete;

    // The voice of slot `index` (0..count-1), made now if it was not.
    Voice *use(int index);
    // The voice of slot `index` if it has been made, else nullptr.
    Voice *made(int index) const { return m_slots[size_t(index)]; }
    // The voice of slot `index`, or the shared empty voice when unmade.
    const Voice *at(qsizetype index) const;
    // As at(), and nullptr for an index outside 0..count-1.
    const Voice *value(qsizetype index) const;
    const Voice *first() const { return at(0); }
    static constexpr qsizetype size() { return count; }
    // The shared empty voice that unmade slots read as.
    static const Voice *empty();

    // Every slot in order, each read as at() reads it.
    class Iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = const Voice *;
        using difference_type = std::ptrdiff_t;
        using pointer = const Voice *const *;
        using reference = const Voice *;
        explicit Iterator(Voice *const *slot) : m_slot(slot) {}
        const Voice *operator*() const { return *m_slot ? *m_slot : empty(); }
        Iterator &operator++()
        {
            ++m_slot;
            return *this;
        }
        bool operator==(const Iterator &other) const { return m_slot == other.m_slot; }
        bool operator!=(const Iterator &other) const { return m_slot != other.m_slot; }

    private:
        Voice *const *m_slot;
    };
    Iterator begin() const { return Iterator(m_slots.data()); }
    Iterator end() const { return Iterator(m_slots.data() + count); }

    // The made voices in slot order, writable; for passes that change or
    // clear what voices hold (an unmade voice holds nothing).
    QList<Voice *> madeVoices() const;

private:
    std::array<Voice *, count> m_slots{};
};
