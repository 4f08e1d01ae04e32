// Score's note writer: one `note` element rewritten from its Note: pitch,
// the user's adjustments of its notation marks, its fingering and directive
// texts, its own extension elements and its lyrics.
#include "model/score.h"

#include "document/extensionxml.h"
#include "document/itemlayoutxml.h"
#include "document/markpairing.h"
#include "document/scorexmlmode.h"
#include "document/settingsvalues.h"
#include "model/directive.h"
#include "model/fingering.h"
#include "model/harmonic.h"
#include "model/lyrics.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/stopped.h"
#include "model/upbow.h"

using namespace ExtensionXml;

namespace {

const QString notationsTag = QStringLiteral("notations");
const QString technicalTag = QStringLiteral("technical");

bool ownDocumentMode(ScoreXmlMode mode)
{
    return mode == ScoreXmlMode::ScoreFile || mode == ScoreXmlMode::NoteNameRewrite;
}

QList<QDomElement> childElementsNamed(const QDomElement &parent, const QString &tag)
{
    QList<QDomElement> result;
    for (QDomElement e = parent.firstChildElement(tag); !e.isNull(); e = e.nextSiblingElement(tag))
        result.append(e);
    return result;
}

// What the note reader makes of a `pitch` element.
bool pitchReads(const QDomElement &pitch, const Note *note)
{
    const auto intOf = [&](const char *tag) {
        const QString text = Score::childElementText(pitch, QLatin1String(tag));
        return text.isEmpty() ? 0 : SettingsValues::readInt(text.trimmed());
    };
    return Score::childElementText(pitch, QStringLiteral("step")) == note->step &&
           intOf("alter") == note->alter && intOf("octave") == note->octave;
}

// A new `notations` stands where MusicXML wants it: before the lyrics.
QDomElement insertNotations(QDomDocument &document, QDomElement &note)
{
    QDomElement notations = document.createElement(notationsTag);
    for (QDomElement child = note.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("lyric") || tag == QLatin1String("play") ||
            tag == QLatin1String("listen") || tag.startsWith(QLatin1String("tarn-"))) {
            note.insertBefore(notations, child);
            return notations;
        }
    }
    note.appendChild(notations);
    return notations;
}

// The last element named `tag` in the technical marks of the note: the one
// whose offset the notations reader keeps.
QDomElement lastTechnicalMark(const QDomElement &note, const QString &tag)
{
    QDomElement found;
    for (const QDomElement &notations : childElementsNamed(note, notationsTag)) {
        for (const QDomElement &technical : childElementsNamed(notations, technicalTag)) {
            const QDomElement mark = technical.lastChildElement(tag);
            if (!mark.isNull())
                found = mark;
        }
    }
    return found;
}

void appendNotationXml(QDomDocument &document, QDomElement &mark, const Notation *notation)
{
    if (notation->moved)
        appendOffset(document, mark, notation->x, notation->y);
    if (mark.tagName() == QLatin1String("slur")) {
        appendSlurShape(document, mark, notation->userPlacement, notation->slurControlY1,
                        notation->slurControlY2);
    } else if (notation->scale != 1.0) {
        appendScale(document, mark, notation->scale);
    }
    appendVisibility(document, mark, notation->visibility);
}

void writeNotationMarksXml(QDomDocument &document, QDomElement &element, const Note *note)
{
    int index = 0;
    const auto write = [&](QDomElement &mark) {
        if (!MarkPairing::makesNotation(mark))
            return;
        // More marks than Notations: the rest stay as they are.
        if (index < note->notations.size())
            appendNotationXml(document, mark, note->notations.at(index));
        ++index;
    };
    for (const QDomElement &notations : childElementsNamed(element, notationsTag)) {
        for (QDomElement child = notations.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement()) {
            const QString tag = child.tagName();
            if (tag == QLatin1String("articulations") || tag == QLatin1String("ornaments")) {
                for (QDomElement mark = child.firstChildElement(); !mark.isNull();
                     mark = mark.nextSiblingElement())
                    write(mark);
            } else {
                write(child);
            }
        }
    }
}

// A new `fingering` element for `text`, carrying the attributes of the
// element the text was read from (placement, substitution, alternate, print
// style): the program writes none of them and must not lose them.
QDomElement appendFingering(QDomDocument &document, QDomElement &technical,
                            const QDomElement &source, const QString &text)
{
    QDomElement fingering = appendElement(document, technical, QStringLiteral("fingering"));
    const QDomNamedNodeMap attributes = source.attributes();
    for (int i = 0; i < attributes.count(); ++i)
        fingering.setAttributeNode(document.importNode(attributes.item(i), true).toAttr());
    fingering.appendChild(document.createTextNode(text));
    return fingering;
}

void writeFingeringTextsXml(QDomDocument &document, QDomElement &technical, Note *note)
{
    for (Fingering *finger : std::as_const(note->fingerings)) {
        finger->element = appendFingering(document, technical, finger->element, finger->text);
        if (finger->moved)
            appendOffset(document, finger->element, finger->x, finger->y);
    }
    for (Directive *directive : std::as_const(note->directives)) {
        if (directive->deleted)
            continue;
        directive->element =
            appendFingering(document, technical, directive->element, directive->text);
        if (directive->moved)
            appendOffset(document, directive->element, directive->x, directive->y);
        if (directive->scale != 1.0)
            appendScale(document, directive->element, directive->scale);
    }
}

void writeJoinedFingeringXml(QDomDocument &document, QDomElement &technical, Note *note)
{
    // The notations reader splits the text at "/" again.
    QStringList texts;
    for (const Fingering *finger : std::as_const(note->fingerings))
        texts << finger->text;
    const QString joined = texts.join(QLatin1Char('/'));
    if (joined.isEmpty())
        return;
    const QDomElement first = note->fingerings.first()->element;
    QDomElement fingering = appendFingering(document, technical, first, joined);
    for (Fingering *finger : std::as_const(note->fingerings))
        finger->element = fingering;
}

void writeTechnicalMarkOffsetsXml(QDomDocument &document, const QDomElement &element,
                                  const Note *note)
{
    const auto write = [&](const UserOffset *mark, const QString &tag) {
        if (!mark || !mark->moved)
            return;
        QDomElement target = lastTechnicalMark(element, tag);
        if (!target.isNull())
            appendOffset(document, target, mark->x, mark->y);
    };
    write(note->upBow, QStringLiteral("up-bow"));
    write(note->stopped, QStringLiteral("stopped"));
    write(note->harmonic, QStringLiteral("harmonic"));
}

void writeNoteTechnicalXml(Score &score, QDomElement &element, Note *note, ScoreXmlMode mode)
{
    // Fingering texts of every `technical` go; the note's current ones are
    // written into the first, so none is read twice.
    const QList<QDomElement> allNotations = childElementsNamed(element, notationsTag);
    for (const QDomElement &notations : allNotations) {
        for (const QDomElement &technical : childElementsNamed(notations, technicalTag))
            score.cleanNoteNotationsXml(technical);
    }
    for (int i = 1; i < allNotations.size(); ++i) {
        if (!allNotations.at(i).hasChildNodes())
            element.removeChild(allNotations.at(i));
    }

    QDomElement notations = element.firstChildElement(notationsTag);
    if (notations.isNull())
        notations = insertNotations(score.document, element);
    QDomElement technical = notations.firstChildElement(technicalTag);
    if (technical.isNull())
        technical = score.document.createElement(technicalTag);
    notations.appendChild(technical);

    if (ownDocumentMode(mode)) {
        writeFingeringTextsXml(score.document, technical, note);
        writeTechnicalMarkOffsetsXml(score.document, element, note);
    } else {
        writeJoinedFingeringXml(score.document, technical, note);
    }

    if (!technical.hasChildNodes())
        notations.removeChild(technical);
    if (!notations.hasChildNodes())
        element.removeChild(notations);
}

void writeNoteLyricsXml(QDomDocument &document, QDomElement &element, const Note *note)
{
    for (Lyrics *lyric : std::as_const(note->lyrics)) {
        if (lyric->element.isNull())
            continue;
        if (lyric->deleted) {
            if (lyric->element.parentNode() == element)
                element.removeChild(lyric->element);
        } else if (lyric->moved) {
            appendOffset(document, lyric->element, lyric->x, lyric->y);
        }
    }
}

// A live lyric whose element an earlier build took out (the lyric was
// deleted then, and the deletion has been undone) goes back in: before the
// element of the next live lyric, else after the note's last lyric, else
// at the end of the note's MusicXML children, where a new lyric goes.
void restoreLyricElementsXml(const QDomDocument &document, QDomElement &element, const Note *note)
{
    const QList<Lyrics *> &lyrics = note->lyrics;
    for (int i = 0; i < lyrics.size(); ++i) {
        const Lyrics *lyric = lyrics.at(i);
        if (lyric->deleted || lyric->element.isNull() || lyric->element.parentNode() == element ||
            lyric->element.ownerDocument() != document)
            continue;
        QDomElement next;
        for (int k = i + 1; k < lyrics.size() && next.isNull(); ++k) {
            const Lyrics *later = lyrics.at(k);
            if (!later->deleted && later->element.parentNode() == element)
                next = later->element;
        }
        const QDomElement last = element.lastChildElement(QStringLiteral("lyric"));
        if (!next.isNull())
            element.insertBefore(lyric->element, next);
        else if (!last.isNull())
            element.insertAfter(lyric->element, last);
        else
            element.appendChild(lyric->element);
    }
}

} // namespace

void Score::buildNoteXml(QDomElement &element, Note *note, ScoreXmlMode mode)
{
    const QDomElement pitch = element.firstChildElement(QStringLiteral("pitch"));
    // A rest has no pitch and gets none. An unchanged pitch keeps what the
    // model cannot hold, such as a microtonal alteration.
    if (!pitch.isNull() && !pitchReads(pitch, note))
        element.replaceChild(createPitchElement(note->step, note->alter, note->octave), pitch);
    writeNotationMarksXml(document, element, note);
    writeNoteTechnicalXml(*this, element, note, mode);
    if (mode != ScoreXmlMode::NoteNameLyrics)
        restoreLyricElementsXml(document, element, note);
    // After this: the note's MusicXML children (a new `notations` among
    // them) stand, so its own elements follow them in every build alike.
    ItemLayoutXml::appendNoteLayout(document, element, note);
    if (mode != ScoreXmlMode::NoteNameLyrics)
        writeNoteLyricsXml(document, element, note);
    // After this: the note carries the model in every mode.
}
