#include "view/itemlookup.h"

#include "model/credit.h"
#include "model/direction.h"
#include "model/directive.h"
#include "model/fingering.h"
#include "model/harmonic.h"
#include "model/lyrics.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/score.h"

namespace {

constexpr int slurKind = 6;
constexpr int wavyLineKind = 11;
constexpr int crescendoWedge = 3;
constexpr int diminuendoWedge = 4;
constexpr int bracketKind = 17;

} // namespace

QGraphicsItem *itemOfTags(const Score &score, const ItemTags &t)
{
    const Note *note = score.noteAt(t.measure, t.part, t.voice, t.note);
    switch (t.type) {
    case NotationItem:
        if (const Notation *notation = note ? note->notations.value(t.index) : nullptr)
            return notation->item;
        break;
    case DirectiveItem:
        if (const Directive *directive = note ? note->directives.value(t.index) : nullptr)
            return directive->item;
        break;
    case DirectionItem:
        if (const Direction *direction = score.directionAt(t.measure, t.part, t.voice, t.index))
            return direction->item;
        break;
    case CreditItem:
        if (const Credit *credit = score.credits.value(t.index))
            return credit->item;
        break;
    case OctaveInstItem:
        return note ? note->octaveInstItem : nullptr;
    case LyricItem:
        if (const Lyrics *lyric = note ? note->lyrics.value(t.index) : nullptr)
            return lyric->item;
        break;
    case FingeringItem:
        if (const Fingering *fingering = note ? note->fingerings.value(t.index) : nullptr)
            return fingering->item;
        break;
    case HarmonicItem:
        return note && note->harmonic ? note->harmonic->item : nullptr;
    default:
        break;
    }
    return nullptr;
}

bool reshapesWithOffset(const Score &score, const ItemTags &t)
{
    const Note *note = score.noteAt(t.measure, t.part, t.voice, t.note);
    if (t.type == NotationItem) {
        const Notation *notation = note ? note->notations.value(t.index) : nullptr;
        return notation && (notation->kind == slurKind || notation->kind == wavyLineKind);
    }
    if (t.type == DirectionItem) {
        const Direction *direction = score.directionAt(t.measure, t.part, t.voice, t.index);
        const int kind = direction ? direction->kind : 0;
        return kind == crescendoWedge || kind == diminuendoWedge || kind == bracketKind;
    }
    return false;
}
