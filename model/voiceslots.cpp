#include "model/voiceslots.h"

#include "model/voice.h"

const Voice *VoiceSlots::empty()
{
    static const Voice voice;
    return &voice;
}

VoiceSlots::~VoiceSlots()
{
    for (Voice *voice : m_slots)
        delete voice;
}

Voice *VoiceSlots::use(int index)
{
    Voice *&slot = m_slots[size_t(index)];
    if (!slot)
        slot = new Voice;
    return slot;
}

const Voice *VoiceSlots::at(qsizetype index) const
{
    Q_ASSERT(index >= 0 && index < count);
    const Voice *voice = m_slots[size_t(index)];
    return voice ? voice : empty();
}

const Voice *VoiceSlots::value(qsizetype index) const
{
    return index >= 0 && index < count ? at(index) : nullptr;
}

QList<Voice *> VoiceSlots::madeVoices() const
{
    QList<Voice *> result;
    for (Voice *voice : m_slots) {
        if (voice)
            result.append(voice);
    }
    return result;
}
