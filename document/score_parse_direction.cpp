// Score's reader of one MusicXML `direction` element into the directions of
// one voice.
#include "model/score.h"

#include "document/settingsvalues.h"
#include "model/direction.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/voice.h"

// So far every direction element becomes one direction, kept at its note
// position and staff; the kinds of its items (words, dynamics, wedges,
// octave shifts ...) are read by the direction reader that replaces this.
void Score::parseMeasureDirection(Measure *measure, int partIndex, int voiceIndex, int noteIndex,
                                  const QDomElement &element)
{
    if (partIndex < 0 || partIndex >= measure->parts.size() || voiceIndex < 0 ||
        voiceIndex >= MePart::voiceCount)
        return;
    auto *direction = new Direction;
    direction->noteIndex = noteIndex;
    direction->staff =
        SettingsValues::readInt(childElementText(element, QStringLiteral("staff")).trimmed()) - 1;
    if (direction->staff < 0 || direction->staff >= MePart::maxStaves)
        direction->staff = 0;
    measure->parts.at(partIndex)->voices.at(voiceIndex)->directions.append(direction);
}
