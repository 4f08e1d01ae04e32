// Score's long-repeat chains: which notes open, continue and close a group
// of notes repeated as one sign, and whether the group's glyphs are hidden.
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"

#include <functional>

namespace {

// Styles whose beams decide whether a chain is drawn as linked notes.
bool takesPartInLinking(int style)
{
    switch (style) {
    case NotationStyle::KinkoTrad:
    case NotationStyle::KotoIkuta:
    case NotationStyle::SangenIkuta:
    case NotationStyle::SangenYamada:
    case NotationStyle::ShamisenBunka:
        return false;
    default:
        return true;
    }
}

// The beam codes of the note, level by level up to the first empty one,
// include `a` or `b`.
bool beamsContain(const Note *note, int a, int b)
{
    for (int code : note->beamTypes) {
        if (code == 0)
            return false;
        if (code == a || code == b)
            return true;
    }
    return false;
}

// Beamed to the previous note (continue, end) or to the next (begin,
// continue).
bool beamedBefore(const Note *note)
{
    return beamsContain(note, 2, 3);
}

bool beamedAfter(const Note *note)
{
    return beamsContain(note, 1, 2);
}

// Every note of one voice of one part, measure after measure.
void forEachNoteOfVoice(const QList<Measure *> &measures, int part, int voice,
                        const std::function<void(Note *)> &visit)
{
    for (const Measure *measure : measures) {
        const MePart *cell = measure->parts.value(part);
        if (!cell)
            continue;
        for (Note *note : std::as_const(cell->voices.at(voice)->notes))
            visit(note);
    }
}

void markHeads(const QList<Measure *> &measures, int part, int voice, bool linking)
{
    int counter = 0;
    Note *head = nullptr;
    forEachNoteOfVoice(measures, part, voice, [&](Note *note) {
        const int count = note->longRepeatCount;
        note->longRepeatHeadFlag = false;
        note->longRepeatMark = 0;
        if (count > 1) {
            head = note;
            counter = count - 1;
        } else if (count == 1) {
            note->longRepeatHeadFlag = linking && (beamedBefore(note) || beamedAfter(note));
            head = note;
            counter = 0;
        } else if (counter == 1) {
            // The group's last note: a linked group shows its notes.
            if (head)
                head->longRepeatHeadFlag = linking && head->longRepeatCount >= 2 &&
                                           (beamedBefore(head) || beamedAfter(note));
            counter = 0;
        } else {
            --counter;
        }
    });
}

void markMembers(const QList<Measure *> &measures, int part, int voice)
{
    int counter = 0;
    bool headFlag = false;
    forEachNoteOfVoice(measures, part, voice, [&](Note *note) {
        const int count = note->longRepeatCount;
        if (count == 1) {
            note->longRepeatMark = 3;
            note->longRepeatMemberFlag = !note->longRepeatHeadFlag;
            counter = 0;
        } else if (count > 1) {
            note->longRepeatMark = 1;
            headFlag = note->longRepeatHeadFlag;
            note->longRepeatMemberFlag = !headFlag;
            counter = count - 1;
        } else if (counter > 0) {
            note->longRepeatMemberFlag = !headFlag;
            if (counter == 1)
                note->longRepeatMark = 2;
            --counter;
        } else {
            note->longRepeatMark = 0;
            note->longRepeatMemberFlag = false;
            --counter;
        }
    });
}

} // namespace

void Score::markNoteChains()
{
    for (int p = 0; p < parts.size(); ++p) {
        const bool linking = takesPartInLinking(parts.at(p)->notationStyle);
        const quint32 used = voicesHoldingNotes(p);
        for (int v = 0; v < MePart::voiceCount; ++v) {
            if (used & (1u << v))
                markHeads(measures, p, v, linking);
        }
        for (int v = 0; v < MePart::voiceCount; ++v) {
            if (used & (1u << v))
                markMembers(measures, p, v);
        }
    }
}
