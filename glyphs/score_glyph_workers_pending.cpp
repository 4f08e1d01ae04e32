// Score's notation workers of the simple, Kinko, Tozan and Ikuta
// notations, as placeholders: each draws nothing and passes no chord list
// on. Filled by the glyph step, which replaces this file.
#include "model/score.h"

QStringList Score::addNoteSimple(Measure *, int, int, int, int, const QStringList &)
{
    return {};
}

QStringList Score::addNote(Measure *, int, int, Note *, int, const QStringList &)
{
    return {};
}

QStringList Score::addNoteTozan(Measure *, int, int, Note *, int, const QStringList &)
{
    return {};
}

QStringList Score::addNoteIkuta(Measure *, int, int, int, int, const QStringList &)
{
    return {};
}
