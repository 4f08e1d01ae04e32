// Score's direct note naming: every note's name from its part's scale, or
// straight from its value (staff notation), spelling (Traverso, sol-fa) or
// voice (percussion), with the koto and sangen plucking marks and the
// user's own name on top.
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "notenames/pitch_number.h"

#include <QHash>

namespace {

using namespace NotationStyle;

const QString undefinedName = QStringLiteral("Undefined");

// Sets the stopped and hajiki flags of the chord members that follow a
// stopped chord's first note at `index`.
void spreadStoppedFlag(const QList<Note *> &notes, qsizetype index)
{
    const Note *first = notes.at(index);
    if (!first->stoppedFlag || first->chord || first->chordSize < 1)
        return;
    for (qsizetype i = index + 1; i < index + first->chordSize && i < notes.size(); ++i) {
        notes.at(i)->stoppedFlag = true;
        notes.at(i)->hajiki = true;
    }
}

// Whether a sangen pluck mark stands alone: a single note that repeats the
// pitch key of the single note before it in its voice.
bool repeatsPrevious(const Note *note, const Note *previous)
{
    return previous && previous->pitchIndex == note->pitchIndex && previous->chordSize == 1 &&
           note->chordSize == 1;
}

// The sangen form of a pluck mark: alone on a repeated pitch, else a
// suffix of the name.
QString withSangenMark(const QString &name, const QString &mark, const Note *note,
                       const Note *previous)
{
    if (repeatsPrevious(note, previous))
        return mark;
    return name + QLatin1Char('-') + mark;
}

QString percussionName(const Note *note, const QString &oldName)
{
    // The remainder keeps the dividend's sign: voices 0 and below that leave
    // a negative remainder keep their name.
    const int beat = (note->voice - 1) % 4;
    if (beat < 0)
        return oldName;
    return QStringLiteral("QuarterBeatV%1").arg(beat + 1);
}

const QString &traversoDegree(const QString &step, int alter)
{
    static const QString none;
    static const QHash<QString, QStringList> degrees = {
        {QStringLiteral("D"), {"b7", "7", "1", "#1", "2"}},
        {QStringLiteral("E"), {"1", "b2", "2", "#2", "3"}},
        {QStringLiteral("F"), {"b2", "2", "#2", "3", "4"}},
        {QStringLiteral("G"), {"b3", "3", "4", "#4", "5"}},
        {QStringLiteral("A"), {"4", "b5", "5", "#5", "6"}},
        {QStringLiteral("B"), {"5", "b6", "6", "b7", "7"}},
        {QStringLiteral("C"), {"b6", "6", "b7", "7", "1"}},
    };
    const auto row = degrees.constFind(step);
    if (row == degrees.constEnd() || alter < -2 || alter > 2)
        return none;
    return row->at(alter + 2);
}

} // namespace

void Score::setNoteNames()
{
    for (int p = 0; p < parts.size(); ++p)
        setPartNoteNames(p);
}

void Score::setPartNoteNames(int partIndex)
{
    const int style = parts.at(partIndex)->notationStyle;
    const quint32 used = voicesHoldingNotes(partIndex);
    for (int v = 0; v < MePart::voiceCount; ++v) {
        if (!(used & (1u << v)))
            continue;
        // The previous note of the voice carries across measure boundaries.
        const Note *previous = nullptr;
        for (const Measure *measure : std::as_const(measures)) {
            const QList<Note *> &notes = measure->parts.at(partIndex)->voices.at(v)->notes;
            for (qsizetype i = 0; i < notes.size(); ++i) {
                Note *note = notes.at(i);
                if (style != StaffNotation)
                    spreadStoppedFlag(notes, i);
                if (note->rest)
                    continue;

                QString name;
                if (style == StaffNotation) {
                    name = getStaffNoteNames(note);
                } else if (style == Traverso) {
                    name = getTraversoNoteNames(note);
                } else if (!note->noteScale || !note->noteScale->contains(note->pitchIndex)) {
                    name = undefinedName;
                } else if (style == Doremi && note->pitchNumber == note->pitchIndex) {
                    name = getDoremiNoteName(note);
                } else if (style == Percussion) {
                    name = percussionName(note, note->noteName);
                } else {
                    name = note->noteScale->defaultName(note->pitchIndex);
                }

                const bool sangen = style == SangenIkuta || style == SangenYamada;
                if (sangen && (note->hajiki || note->stoppedFlag))
                    name = withSangenMark(name, QStringLiteral("Hajiki"), note, previous);
                if (note->upBowFlag) {
                    if (style == KotoIkuta || style == KotoSeiha)
                        name = QStringLiteral("Sukui");
                    else if (sangen)
                        name = withSangenMark(name, QStringLiteral("Sukui"), note, previous);
                }
                if (style != StaffNotation && !note->directName.isEmpty() &&
                    noteNameValidateNew(note, note->pitchIndex, note->directName))
                    name = note->directName;

                note->noteName = name;
                previous = note;
            }
        }
    }
}

QString Score::getStaffNoteNames(Note *note) const
{
    if (note->grace)
        return QStringLiteral("GraceNote");
    if (note->noteType == 0 || note->noteType == 1)
        return QStringLiteral("WholeNote");
    if (note->noteType == 2)
        return QStringLiteral("HalfNote");
    return QStringLiteral("QuarterNote");
}

QString Score::getTraversoNoteNames(Note *note) const
{
    note->pitchNumber = NoteNames::pitchNumber(note->step, note->alter, note->octave);
    const int pitch = note->pitchNumber;
    if (pitch < 4 || pitch > 33)
        return undefinedName;
    QString name = traversoDegree(note->step, note->alter);
    if (pitch > 27)
        name += QStringLiteral("Dot2");
    else if (pitch > 15)
        name += QStringLiteral("Dot");
    return name;
}

QString Score::getDoremiNoteName(Note *note) const
{
    static const QHash<QString, QString> syllables = {
        {QStringLiteral("C"), QStringLiteral("Do")}, {QStringLiteral("D"), QStringLiteral("Re")},
        {QStringLiteral("E"), QStringLiteral("Mi")}, {QStringLiteral("F"), QStringLiteral("Fa")},
        {QStringLiteral("G"), QStringLiteral("So")}, {QStringLiteral("A"), QStringLiteral("La")},
        {QStringLiteral("B"), QStringLiteral("Si")},
    };
    const QString syllable = syllables.value(note->step, undefinedName);
    const QString octave = QString::number(note->octave);
    switch (note->alter) {
    case 0:
        return syllable + octave;
    case -1:
        return QLatin1Char('b') + syllable + octave;
    case 1:
        return QLatin1Char('#') + syllable + octave;
    default:
        return syllable;
    }
}

bool Score::noteNameValidateNew(Note *note, int key, const QString &name)
{
    return note->noteScale && note->noteScale->names(key).contains(name);
}
