// Which elements of a note's `notations` and of a `direction` stand for a
// model object, as the readers make them: the k-th such element pairs with
// the k-th Notation of the note, or the k-th Direction of the voice.
#pragma once

#include <QDomElement>
#include <QString>

namespace WriterPairing {

// A fermata, a slur of type "start" or "stop" (numbered or not), a known
// articulation, or a trill mark, mordent, wavy line or single/start tremolo.
bool makesNotation(const QDomElement &element);
// The dynamics marks the direction reader knows ("f", "sfz", ...).
bool isDynamicsMark(const QString &tag);
// Directions one child of `direction-type` makes.
int directionItemCount(const QDomElement &item);

} // namespace WriterPairing
