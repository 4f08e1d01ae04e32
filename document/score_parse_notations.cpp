// Score's reader of one `notations` element of a note.
#include "model/score.h"

#include "model/note.h"

// The notations (slurs, tuplets, articulations, ornaments, technical marks
// and the directives kept in fingerings) are read by the notations reader
// that replaces this; until then a note keeps none of them.
int Score::parseNoteNotations(Note *note, const QDomElement &element)
{
    Q_UNUSED(element);
    return int(note->notations.size());
}
