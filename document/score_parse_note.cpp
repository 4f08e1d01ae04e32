// Score's reader of one MusicXML `note` element with the program's own
// per-note elements; it also holds the model to its 32 voices and 8 staves.
#include "model/score.h"

#include "document/messagetext.h"
#include "document/readbounds.h"
#include "document/settingsvalues.h"
#include "document/voicenumbering.h"
#include "model/lyrics.h"
#include "model/mepart.h"
#include "model/note.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHash>
#include <QPointF>

namespace {

int noteIntOf(const QString &text)
{
    return SettingsValues::readInt(text.trimmed());
}

double numberOf(const QDomElement &element, const char *attribute)
{
    return SettingsValues::readNumber(element.attribute(QLatin1String(attribute)), 0.0);
}

// Looks `text` up in `table`; leaves `field` alone for a text it lacks.
void setCoded(int &field, const QHash<QString, int> &table, const QString &text)
{
    const auto found = table.constFind(text);
    if (found != table.constEnd())
        field = found.value();
}

const QHash<QString, int> &noteTypes()
{
    static const QHash<QString, int> table = {{"whole", 1},  {"half", 2},    {"quarter", 4},
                                              {"eighth", 8}, {"16th", 16},   {"32nd", 32},
                                              {"64th", 64},  {"128th", 128}, {"breve", 0}};
    return table;
}

const QHash<QString, int> &accidentals()
{
    static const QHash<QString, int> table = {
        {"natural", 1},   {"sharp", 2},        {"double-sharp", 3}, {"flat", 4},
        {"flat-flat", 5}, {"natural-flat", 6}, {"natural-sharp", 7}};
    return table;
}

const QHash<QString, int> &beamStates()
{
    static const QHash<QString, int> table = {
        {"begin", 1}, {"continue", 2}, {"end", 3}, {"forward hook", 4}, {"backward hook", 5}};
    return table;
}

void readPitch(Note *note, const QDomElement &pitch)
{
    note->step = Score::childElementText(pitch, QStringLiteral("step"));
    const QString alter = Score::childElementText(pitch, QStringLiteral("alter"));
    // Both go into pitch arithmetic; far beyond any instrument they clamp.
    if (!alter.isEmpty())
        note->alter = ReadBounds::clampOffset(noteIntOf(alter));
    const QString octave = Score::childElementText(pitch, QStringLiteral("octave"));
    if (!octave.isEmpty())
        note->octave = ReadBounds::clampOffset(noteIntOf(octave));
}

void readTie(Note *note, const QDomElement &tie)
{
    const QString type = tie.attribute(QStringLiteral("type"));
    // A note tied on both sides continues the tie, whichever of its two
    // elements the writer put first.
    const bool stops = note->tie == 2 || note->tie == 3;
    const bool starts = note->tie == 1 || note->tie == 3;
    if (type == QLatin1String("start"))
        note->tie = stops ? 3 : 1;
    else if (type == QLatin1String("stop"))
        note->tie = starts ? 3 : 2;
}

// The tie kind of the `tied` notations of a note without a `tie` element.
// Start and stop on one note make 3 in either order; "continue" is a tie
// passing through the note, so stop and start too; "let-ring" ties to no
// later note and adds nothing.
int tiedKind(const QDomElement &note)
{
    bool start = false;
    bool stop = false;
    for (QDomElement notations = note.firstChildElement(QStringLiteral("notations"));
         !notations.isNull();
         notations = notations.nextSiblingElement(QStringLiteral("notations"))) {
        for (QDomElement tied = notations.firstChildElement(QStringLiteral("tied")); !tied.isNull();
             tied = tied.nextSiblingElement(QStringLiteral("tied"))) {
            const QString type = tied.attribute(QStringLiteral("type"));
            const bool passes = type == QLatin1String("continue");
            start = start || passes || type == QLatin1String("start");
            stop = stop || passes || type == QLatin1String("stop");
        }
    }
    return stop ? (start ? 3 : 2) : (start ? 1 : 0);
}

void readBeam(Note *note, const QDomElement &beam)
{
    // MusicXML's default number is 1, and most files leave it out.
    const QString number = beam.attribute(QStringLiteral("number"));
    const int value = number.isEmpty() ? 1 : noteIntOf(number);
    if (value < 1 || value > Note::levelCount)
        return;
    setCoded(note->beamTypes[value - 1], beamStates(), beam.text());
}

void readTimeModification(Note *note, const QDomElement &element)
{
    note->timeModification = true;
    const QString actual = Score::childElementText(element, QStringLiteral("actual-notes"));
    if (!actual.isEmpty())
        note->actualNotes = noteIntOf(actual);
    const QString normal = Score::childElementText(element, QStringLiteral("normal-notes"));
    if (!normal.isEmpty())
        note->normalNotes = noteIntOf(normal);
}

void readLyric(Note *note, const QDomElement &element)
{
    bool found = false;
    QPointF offset;
    const QString text = Score::parseOffsetString(
        Score::childElementText(element, QStringLiteral("text")), found, offset);
    auto *lyric = new Lyrics(text);
    lyric->element = element;
    // The number places the lyric line; a far-off one only needs to stay
    // clear of overflow. A missing number, or a name such as "iij" in
    // place of one, takes the line of the lyric's place among the note's.
    bool numeric = false;
    const int number = element.attribute(QStringLiteral("number")).trimmed().toInt(&numeric);
    lyric->number =
        numeric && number >= 1 ? ReadBounds::clampOffset(number) : int(note->lyrics.size()) + 1;
    static const QHash<QString, int> syllabics = {{"begin", 1}, {"middle", 2}, {"end", 3}};
    setCoded(lyric->syllabic, syllabics, Score::childElementText(element, "syllabic"));
    if (found)
        lyric->setOffset(offset.x(), offset.y());
    // The element is written by this program and so wins over the text.
    const QDomElement tarnOffset = element.firstChildElement(QStringLiteral("tarn-offset"));
    if (!tarnOffset.isNull()) {
        const QPointF stored = Score::parseOffsetXml(tarnOffset);
        lyric->setOffset(stored.x(), stored.y());
    }
    note->lyrics.append(lyric);
}

// The warning of a voice or staff outside the model; the caller refuses
// the load with it.
QString voiceRefusal(const QString &text)
{
    return QCoreApplication::translate(
               "Score", "Voice number exceeded the maximum. (Voice Number %1)! (Maximum Voice %2)")
        .arg(MessageText::visible(text))
        .arg(MePart::voiceCount);
}

QString staffRefusal(const QString &text)
{
    return QCoreApplication::translate(
               "Score",
               "Staff number exceeded the maximum. (Staff Number %1)! (Maximum Staff Number %2)")
        .arg(MessageText::visible(text))
        .arg(MePart::maxStaves);
}

} // namespace

bool Score::parseMeasureNote(Note *note, const QDomElement &element, QString *refusal,
                             const VoiceNumbering *voices)
{
    const VoiceNumbering ownPart = voices ? VoiceNumbering() : VoiceNumbering::ofNote(element);
    bool hasTie = false;
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("chord")) {
            note->chord = true;
        } else if (tag == QLatin1String("rest")) {
            note->rest = true;
            note->noteType = 0;
        } else if (tag == QLatin1String("grace")) {
            note->grace = true;
            if (child.attribute(QStringLiteral("slash")) == QLatin1String("yes"))
                note->graceSlash = true;
        } else if (tag == QLatin1String("pitch")) {
            readPitch(note, child);
        } else if (tag == QLatin1String("duration")) {
            note->duration = noteIntOf(child.text());
        } else if (tag == QLatin1String("voice")) {
            // Voices below 1 would index before the first; "0" is refused
            // like voices above 32, and so is a name left without a voice.
            note->voice = (voices ? voices : &ownPart)->voiceIndexOf(element) + 1;
            if (note->voice < 1 || note->voice > MePart::voiceCount) {
                if (refusal)
                    *refusal = voiceRefusal(child.text());
                return false;
            }
        } else if (tag == QLatin1String("staff")) {
            const int number = noteIntOf(child.text());
            note->staff = number >= 1 && number <= MePart::maxStaves ? number - 1 : -1;
            if (note->staff < 0) {
                qDebug().noquote()
                    << "parseMeasureNote staff = " + QString::number(qint64(number) - 1);
                if (refusal)
                    *refusal = staffRefusal(child.text());
                return false;
            }
        } else if (tag == QLatin1String("tie")) {
            hasTie = true;
            readTie(note, child);
        } else if (tag == QLatin1String("type")) {
            setCoded(note->noteType, noteTypes(), child.text());
        } else if (tag == QLatin1String("accidental")) {
            setCoded(note->accidental, accidentals(), child.text());
        } else if (tag == QLatin1String("stem")) {
            setCoded(note->stem, {{"up", 1}, {"down", 2}}, child.text());
        } else if (tag == QLatin1String("dot")) {
            ++note->dots;
        } else if (tag == QLatin1String("beam")) {
            readBeam(note, child);
        } else if (tag == QLatin1String("time-modification")) {
            readTimeModification(note, child);
        } else if (tag == QLatin1String("notations")) {
            parseNoteNotations(note, child);
        } else if (tag == QLatin1String("lyric")) {
            readLyric(note, child);
        } else if (tag == QLatin1String("tarn-octave-instruction-offset")) {
            note->setOctaveInstOffset(numberOf(child, "x"), numberOf(child, "y"));
        } else if (tag == QLatin1String("tarn-note-shift")) {
            note->noteShiftMajor = numberOf(child, "major");
            note->noteShiftSub = numberOf(child, "sub");
        } else if (tag == QLatin1String("tarn-tie-reverse")) {
            note->tieReverse = true;
        }
    }
    // Some writers give ties only as notations; files with both elements
    // keep reading from `tie`.
    if (!hasTie)
        note->tie = tiedKind(element);
    return true;
}
