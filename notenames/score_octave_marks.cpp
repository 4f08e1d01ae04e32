// Score's shakuhachi octave-instruction marks: "Kan" where a note moves up
// into the upper register, "Otsu" where it moves back, and the double quote
// of ".otsuDoubleQuote"; every other notation gets no mark.
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"

#include <QStringList>

namespace {

const QString otsu = QStringLiteral("Otsu");
const QString kan = QStringLiteral("Kan");
const QString none;

// A run of this many rests makes the next note read as a first note.
constexpr int restRunLimit = 8;

bool isKinko(int style)
{
    return style == NotationStyle::KinkoSimple || style == NotationStyle::KinkoTrad;
}

bool in(int value, int low, int high)
{
    return value >= low && value <= high;
}

// A note without a note before it in its voice (or after a long rest run).
QString firstNoteMark(int p, const QString &name, int style)
{
    if (p < 2 || p >= 28)
        return none;
    if (p <= 14)
        return otsu;
    if (p == 15)
        return name == QLatin1String("RoMeri") ? kan : otsu;
    if (p == 16) {
        const bool lowForm =
            isKinko(style) ? name == QLatin1String("I") : name == QLatin1String("Hi");
        return lowForm ? otsu : kan;
    }
    return kan;
}

// A note after the note (or chord note) of pitch key q.
QString followingNoteMark(int p, int q, const QString &name)
{
    const bool roMeri = name == QLatin1String("RoMeri");
    if (p >= 16 && q <= 15) {
        if ((in(q, 12, 15) && in(p, 16, 19)) || p >= 28)
            return none;
        return kan;
    }
    if (p <= 14 && q >= 16) {
        if ((in(p, 12, 14) && in(q, 16, 19)) || p < 2)
            return none;
        return otsu;
    }
    if (p == 15)
        return q >= 20 && !roMeri ? otsu : none;
    if (p >= 16)
        return in(q, 16, 19) && in(p, 24, 27) ? kan : none;
    return in(p, 2, 7) && in(q, 12, 15) && !roMeri ? otsu : none;
}

bool neverMarked(const QString &name, int style)
{
    static const QStringList kinko = {"Ri", "RiChuMeri", "RiMeri", "Hi",   "HiChuMeri", "HiMeri",
                                      "U",  "Repeat",    "Ru",     "Koro", "Hara",      "Nayashi"};
    static const QStringList tozan = {"U",  "Repeat", "Ri",   "Ra",     "Rin",
                                      "Fu", "Ru",     "Koro", "Nayashi"};
    return (isKinko(style) ? kinko : tozan).contains(name);
}

// Names whose register the fingering leaves open at keys 16 and 28.
bool isAmbiguousName(const QString &name, int style)
{
    if (isKinko(style))
        return name == QLatin1String("I") || name == QLatin1String("HiGo");
    return name == QLatin1String("Hi");
}

QString markOf(bool hasPrevious, int p, int q, const QString &name, int style)
{
    QString mark = hasPrevious ? followingNoteMark(p, q, name) : firstNoteMark(p, name, style);
    if (neverMarked(name, style))
        mark = none;
    if (hasPrevious && isAmbiguousName(name, style)) {
        if (p == 16)
            mark = q < 20 ? none : otsu;
        else if (p == 28)
            mark = q < 20 ? kan : none;
    }
    return mark;
}

// One voice of one shakuhachi part. Everything restarts with each voice,
// the double-quote pairing too: a double quote joins two notes that a
// player reads one after the other, which notes of different voices are
// not.
class VoiceMarkWalk
{
public:
    explicit VoiceMarkWalk(int style) : m_style(style) {}

    void visit(const QList<Note *> &notes, qsizetype index)
    {
        Note *note = notes.at(index);
        if (note->chordIndex == 0)
            m_currentChord = note;
        if (note->rest) {
            if (++m_restRun >= restRunLimit)
                m_hasPrevious = false;
        } else {
            m_restRun = 0;
        }
        if (note->noteName == QLatin1String("Prev"))
            return;

        const int p = note->pitchIndex;
        note->octaveInstMark =
            markOf(m_hasPrevious, p, referencePitch(note), note->noteName, m_style);
        applyDoubleQuote(note, p);
        if (!note->rest && note->chordIndex == note->chordSize - 1)
            recordChord(notes, note);
    }

private:
    int referencePitch(const Note *note) const
    {
        if (m_reference.isEmpty())
            return -100;
        if (m_reference.size() < note->chordSize)
            return m_reference.last();
        return m_reference.at(qBound(0, note->chordIndex, int(m_reference.size()) - 1));
    }

    void applyDoubleQuote(Note *note, int p)
    {
        if (m_chordCount < 2 || !m_previousChord || m_previousChord->chordSize != 1 ||
            !m_previousChord->otsuDoubleQuote || note->chordSize != 1 || p < 12)
            return;
        m_previousChord->octaveInstMark = QStringLiteral("DoubleQuote");
        if (note->octaveInstMark == kan)
            note->octaveInstMark = QStringLiteral("KanWhite");
    }

    void recordChord(const QList<Note *> &notes, const Note *last)
    {
        // A chord never spans measures; should a damaged one do so, its
        // members of this measure stand in for it.
        qsizetype start = notes.indexOf(m_currentChord);
        if (start < 0)
            start = qMax<qsizetype>(0, notes.indexOf(last) - last->chordIndex);
        m_reference.clear();
        for (qsizetype i = start; i < start + last->chordSize && i < notes.size(); ++i)
            m_reference.append(notes.at(i)->pitchIndex);
        ++m_chordCount;
        m_hasPrevious = true;
        m_previousChord = notes.at(start);
    }

    int m_style;
    QList<int> m_reference; // pitch keys of the previous chord, in list order
    bool m_hasPrevious = false;
    int m_restRun = 0;
    int m_chordCount = 0;
    Note *m_previousChord = nullptr; // its first note
    Note *m_currentChord = nullptr;  // the latest note that opens a chord
};

} // namespace

void Score::setOctaveInstMarks()
{
    for (int p = 0; p < parts.size(); ++p)
        setOctaveInstMarksOfPart(p);
}

void Score::setOctaveInstMarksOfPart(int partIndex)
{
    const int style = parts.at(partIndex)->notationStyle;
    const bool shakuhachi =
        style >= NotationStyle::KinkoSimple && style <= NotationStyle::TozanTrad;
    const quint32 used = voicesHoldingNotes(partIndex);
    for (int v = 0; v < MePart::voiceCount; ++v) {
        if (!(used & (1u << v)))
            continue;
        VoiceMarkWalk walk(style);
        for (const Measure *measure : std::as_const(measures)) {
            const QList<Note *> &notes = measure->parts.at(partIndex)->voices.at(v)->notes;
            for (qsizetype i = 0; i < notes.size(); ++i) {
                if (shakuhachi)
                    walk.visit(notes, i);
                else if (notes.at(i)->noteName != QLatin1String("Prev"))
                    notes.at(i)->octaveInstMark.clear();
            }
        }
    }
}
