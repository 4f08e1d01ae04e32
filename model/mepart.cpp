#include "model/mepart.h"

#include "model/voice.h"

MePart::MePart(QObject *parent) : QObject(parent)
{
    for (int v = 0; v < voiceCount; ++v)
        voiceFlags.append(false);
    clefSigns.fill(QStringLiteral(""));
}

MePart::~MePart() = default;

int MePart::findFlaggedVoice(int staff) const
{
    if (staff < 0 || staff >= maxStaves)
        return -1;
    for (int v = 0; v < voiceCount; ++v) {
        if (staffVoiceFlags[staff][v])
            return v;
    }
    return -1;
}

void MePart::flagStaffVoice(int staff, int voiceIndex)
{
    if (staff < 0 || staff >= maxStaves || voiceIndex < 0 || voiceIndex >= voiceCount)
        return;
    staffVoiceFlags[staff][voiceIndex] = true;
}
