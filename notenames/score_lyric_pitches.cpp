// Score's reading of note names typed as lyrics: the pitch and name one
// syllable asks of one note, the pitch whose scale entry lists a name, and
// the spelling of a pitch number. Computes only; the editing command that
// applies the results is view/score_lyric_macros.cpp.
#include "model/directive.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/score.h"
#include "model/style.h"
#include "notenames/lyric_pitches.h"
#include "notenames/notescale.h"

using NoteNames::LyricPitch;
using NoteNames::noLyricPitch;

bool Score::noteHasPitch(const Note *note)
{
    return !note->element.firstChildElement(QStringLiteral("pitch")).isNull();
}

LyricPitch Score::convLyricToPitch(int notationStyle, const Note *note, const QString &token,
                                   int before, int last) const
{
    using namespace NotationStyle;
    LyricPitch choice;
    if (!noteHasPitch(note)) {
        choice.pitch = 0;
        return choice;
    }
    switch (notationStyle) {
    case KinkoSimple:
    case KinkoTrad:
    case TozanSimple:
    case TozanTrad:
        choice = NoteNames::shakuhachiLyricPitch(notationStyle, token, last, style->kinkoDefaultU);
        break;
    case KotoIkuta:
    case KotoSeiha:
        choice = NoteNames::kotoLyricPitch(token, before, last);
        break;
    case SangenIkuta:
        choice = NoteNames::sangenLyricPitch(token, last);
        break;
    default:
        return {};
    }
    if (choice.lookUp) {
        choice.pitch = getPitchOfNoteName(note, choice.name);
        choice.lookUp = false;
    }
    // A step far down (or up) from the previous note can leave what a
    // MusicXML pitch spells; such a result names no pitch either.
    if (choice.pitch < NoteNames::lowestSpelledPitch ||
        choice.pitch > NoteNames::highestSpelledPitch)
        choice.pitch = noLyricPitch;
    // A syllable that finds no pitch changes nothing: not even the
    // technique its first letter asked for.
    if (choice.pitch == noLyricPitch) {
        choice.firstName.clear();
        choice.technique.clear();
    }
    return choice;
}

int Score::getPitchOfNoteName(const Note *note, const QString &name) const
{
    if (!note->noteScale)
        return noLyricPitch;
    const QString wanted = name.toLower();
    const QMap<int, QStringList> &table = note->noteScale->table();
    for (auto entry = table.cbegin(); entry != table.cend(); ++entry) {
        for (const QString &listed : entry.value()) {
            if (listed.toLower() == wanted)
                return entry.key() - note->pitchShift;
        }
    }
    return noLyricPitch;
}

QString Score::pitchToStepAlterOctave(int pitch, int &alter, int &octave)
{
    QString step;
    NoteNames::spellPitch(pitch, &step, &alter, &octave);
    return step;
}

bool Score::noteHasDirective(const Note *note, const QString &text)
{
    for (const Directive *directive : note->directives) {
        if (!directive->deleted && directive->text == text)
            return true;
    }
    return false;
}
