// Score's reader of a note's `notations` elements: its Notation objects,
// spanner states, marks, fingerings and the directives kept in fingering
// texts, with the user's adjustments stored beside them.
#include "model/score.h"

#include "document/directive_type.h"
#include "document/markpairing.h"
#include "document/settingsvalues.h"
#include "model/directive.h"
#include "model/fingering.h"
#include "model/harmonic.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/stopped.h"
#include "model/upbow.h"

#include <QDebug>
#include <QHash>
#include <QPointF>

namespace {

using namespace NotationKind;

int articulationKind(const QString &tag)
{
    static const QHash<QString, int> kinds = {
        {QStringLiteral("staccato"), Staccato},
        {QStringLiteral("accent"), Accent},
        {QStringLiteral("staccatissimo"), Staccatissimo},
        {QStringLiteral("tenuto"), Tenuto},
        {QStringLiteral("detached-legato"), DetachedLegato},
        {QStringLiteral("strong-accent"), StrongAccent},
        {QStringLiteral("stress"), Stress},
        {QStringLiteral("unstress"), Unstress},
        {QStringLiteral("soft-accent"), SoftAccent},
    };
    return kinds.value(tag, -1);
}

// Start: 1, or 3 when a stop of the same kind came first on this note.
void readStartStop(int &state, const QString &type)
{
    if (type == QLatin1String("start"))
        state = state == 2 ? 3 : 1;
    else if (type == QLatin1String("stop"))
        state = 2;
}

// "above" 1, "below" 2, anything else 0.
int placementCode(const QString &text)
{
    if (text == QLatin1String("above"))
        return 1;
    if (text == QLatin1String("below"))
        return 2;
    return 0;
}

// Reads the element's `tarn-offset` into `target`; none leaves it unmoved.
void readOffset(UserOffset &target, const QDomElement &element)
{
    const QDomElement offset = element.firstChildElement(QStringLiteral("tarn-offset"));
    if (offset.isNull())
        return;
    const QPointF point = Score::parseOffsetXml(offset);
    target.setOffset(point.x(), point.y());
}

// A scale that is not positive would draw the mark at no size at all, so
// it reads as the plain scale 1.0.
void readScale(double &scale, const QDomElement &element)
{
    const QString text =
        element.firstChildElement(QStringLiteral("tarn-scale")).attribute(QStringLiteral("scale"));
    if (text.isEmpty())
        return;
    const double value = SettingsValues::readNumber(text.trimmed(), 1.0);
    scale = value > 0.0 ? value : 1.0;
}

void readVisibility(int &visibility, const QDomElement &element)
{
    const QString text = element.firstChildElement(QStringLiteral("tarn-visibility"))
                             .attribute(QStringLiteral("visibility"));
    if (text == QLatin1String("visible"))
        visibility = 1;
    else if (text == QLatin1String("invisible"))
        visibility = 2;
}

Notation *makeNotation(int kind, const QDomElement &element)
{
    auto *notation = new Notation;
    notation->kind = kind;
    readOffset(*notation, element);
    readScale(notation->scale, element);
    readVisibility(notation->visibility, element);
    return notation;
}

// The text of the element itself, without that of its extension children.
QString notationOwnText(const QDomElement &element)
{
    QString text;
    for (QDomNode node = element.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.isText())
            text += node.toText().data();
    }
    return text;
}

// Objects a repeated read takes off the note stay children of the note
// until it dies: commands and selections may still point at them.
template <class T> void retireNotation(QList<T *> &list, Note *note)
{
    for (T *object : std::as_const(list))
        object->setParent(note);
    list.clear();
}

template <class T> void replaceMark(T *&mark, Note *note)
{
    if (mark)
        mark->setParent(note);
    mark = new T;
}

bool isFirstNotationsOfNote(const QDomElement &notations)
{
    const QDomElement note = notations.parentNode().toElement();
    if (note.isNull())
        return true;
    return note.firstChildElement(QStringLiteral("notations")) == notations;
}

} // namespace

int Score::parseNoteNotations(Note *note, const QDomElement &notations)
{
    // A note may carry several `notations` elements; their marks add up, so
    // only the first one starts the note afresh.
    if (isFirstNotationsOfNote(notations))
        resetNoteNotations(note);

    for (QDomElement child = notations.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("fermata")) {
            Notation *notation = makeNotation(Fermata, child);
            notation->inverted =
                child.attribute(QStringLiteral("type")) == QLatin1String("inverted");
            note->notations.append(notation);
        } else if (tag == QLatin1String("slur")) {
            parseSlur(note, child);
        } else if (tag == QLatin1String("articulations")) {
            parseArticulations(note, child);
        } else if (tag == QLatin1String("arpeggiate")) {
            note->arpeggiate = true;
        } else if (tag == QLatin1String("ornaments")) {
            parseOrnaments(note, child);
        } else if (tag == QLatin1String("tuplet")) {
            parseTuplet(note, child);
        } else if (tag == QLatin1String("glissando")) {
            readStartStop(note->glissando, child.attribute(QStringLiteral("type")));
        } else if (tag == QLatin1String("slide")) {
            readStartStop(note->slide, child.attribute(QStringLiteral("type")));
        } else if (tag == QLatin1String("technical")) {
            parseTechnical(note, child);
        }
    }
    return int(note->notations.size());
}

void Score::resetNoteNotations(Note *note)
{
    retireNotation(note->notations, note);
    retireNotation(note->directives, note);
    retireNotation(note->fingerings, note);
    note->noPrev = false;
    note->longRepeatCount = 0;
    note->hajiki = false;
}

void Score::parseSlur(Note *note, const QDomElement &slur)
{
    const QString type = slur.attribute(QStringLiteral("type"));
    if (!MarkPairing::makesNotation(slur))
        return;
    const int number = MarkPairing::slurNumber(slur);
    if (number == 0) {
        // No slot to draw it in; a stateless placeholder keeps the marks
        // after it paired with their elements.
        note->notations.append(new Notation);
        return;
    }
    const int i = number - 1;
    auto *notation = new Notation;
    notation->kind = Slur;
    if (type == QLatin1String("start")) {
        note->slurs[i] = note->slurs[i] == 2 ? 3 : 1;
        notation->placement = placementCode(slur.attribute(QStringLiteral("placement")));
        notation->userPlacement =
            placementCode(slur.firstChildElement(QStringLiteral("tarn-slur-placement"))
                              .attribute(QStringLiteral("placement")));
        readOffset(*notation, slur);
        const QDomElement control = slur.firstChildElement(QStringLiteral("tarn-slur-control"));
        if (!control.isNull()) {
            notation->slurControlY1 =
                SettingsValues::readNumber(control.attribute(QStringLiteral("y1")), 0.0);
            notation->slurControlY2 =
                SettingsValues::readNumber(control.attribute(QStringLiteral("y2")), 0.0);
        }
        readVisibility(notation->visibility, slur);
        note->slurStartNotations[i] = notation;
    } else {
        // A start read earlier on this note stays: stop and start, in either order.
        note->slurs[i] = note->slurs[i] == 1 ? 3 : 2;
        readOffset(*notation, slur);
        note->slurStopNotations[i] = notation;
    }
    note->notations.append(notation);
}

void Score::parseArticulations(Note *note, const QDomElement &articulations)
{
    for (QDomElement child = articulations.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const int kind = articulationKind(child.tagName());
        if (kind >= 0)
            note->notations.append(makeNotation(kind, child));
        else if (child.tagName() == QLatin1String("breath-mark") && !note->grace)
            note->breath = true;
    }
}

void Score::parseOrnaments(Note *note, const QDomElement &ornaments)
{
    for (QDomElement child = ornaments.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("trill-mark"))
            note->notations.append(makeNotation(Trill, child));
        else if (tag == QLatin1String("mordent"))
            note->notations.append(makeNotation(Mordent, child));
        else if (tag == QLatin1String("inverted-mordent"))
            note->notations.append(makeNotation(InvertedMordent, child));
        else if (tag == QLatin1String("wavy-line"))
            parseWavyLine(note, child);
        else if (tag == QLatin1String("tremolo"))
            parseTremolo(note, child);
    }
}

void Score::parseWavyLine(Note *note, const QDomElement &wavyLine)
{
    // Every wavy line takes a Notation, even a "continue" one (kind -1), so
    // that the writers' pairing stays in step. Its visibility is read like
    // every other mark's, since the writers store it.
    Notation *notation = makeNotation(-1, wavyLine);
    const QString type = wavyLine.attribute(QStringLiteral("type"));
    if (type == QLatin1String("start")) {
        notation->kind = WavyLineStart;
        note->wavyLine = 1;
        note->wavyLineNotation = notation;
    } else if (type == QLatin1String("stop")) {
        notation->kind = WavyLineStop;
        note->wavyLine = note->wavyLine == 1 ? 3 : 2;
        note->wavyLineNotation = notation;
    }
    note->notations.append(notation);
}

void Score::parseTremolo(Note *note, const QDomElement &tremolo)
{
    const QString type = MarkPairing::tremoloType(tremolo);
    const int strokes = SettingsValues::readInt(notationOwnText(tremolo).trimmed());
    if (MarkPairing::makesNotation(tremolo))
        note->notations.append(makeNotation(Tremolo, tremolo));
    if (type == QLatin1String("start"))
        note->tremoloType = 1;
    else if (type == QLatin1String("stop"))
        note->tremoloType = 2;
    else if (type == QLatin1String("single"))
        note->tremoloType = 3;
    else
        qDebug().noquote() << "**** Unexpected! Parse Notation Tremoro type, unit = " << type
                           << strokes;
    note->tremoloMarks = strokes;
}

void Score::parseTuplet(Note *note, const QDomElement &tuplet)
{
    const int number = MarkPairing::tupletNumber(tuplet);
    if (number == 0)
        return;
    const int i = number - 1;
    const QString type = tuplet.attribute(QStringLiteral("type"));
    if (type == QLatin1String("start"))
        note->tupletState[i] = 1;
    else if (type == QLatin1String("stop"))
        note->tupletState[i] = 2;
    if (tuplet.attribute(QStringLiteral("bracket")) == QLatin1String("yes"))
        note->tupletBracket[i] = true;
    const QDomElement actualNumber = tuplet.firstChildElement(QStringLiteral("tuplet-actual"))
                                         .firstChildElement(QStringLiteral("tuplet-number"));
    if (!actualNumber.isNull())
        note->tupletActual[i] = SettingsValues::readInt(actualNumber.text().trimmed());
}

void Score::parseTechnical(Note *note, const QDomElement &technical)
{
    for (QDomElement child = technical.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("fingering")) {
            parseFingeringText(note, child);
        } else if (tag == QLatin1String("up-bow")) {
            note->upBowFlag = true;
            replaceMark(note->upBow, note);
            readOffset(*note->upBow, child);
        } else if (tag == QLatin1String("stopped")) {
            note->stoppedFlag = true;
            note->hajiki = true;
            replaceMark(note->stopped, note);
            readOffset(*note->stopped, child);
        } else if (tag == QLatin1String("harmonic")) {
            replaceMark(note->harmonic, note);
            readOffset(*note->harmonic, child);
        }
    }
}

void Score::parseFingeringText(Note *note, const QDomElement &fingering)
{
    const QStringList pieces = notationOwnText(fingering).split(QLatin1Char('/'));
    for (const QString &written : pieces) {
        bool found = false;
        QPointF option;
        const QString piece = parseOffsetString(written, found, option);
        if (piece.startsWith(QLatin1Char('.')) || piece.startsWith(QLatin1Char('\''))) {
            auto *directive = new Directive;
            directive->kind = getDirectiveType(piece);
            directive->text = piece;
            directive->displayText = getDirectiveText(piece);
            directive->element = fingering;
            if (found)
                directive->setOffset(option.x(), option.y());
            note->directives.append(directive);
            applyDirectiveToNote(note, directive);
            // The element's offset is the program's own and wins over a
            // text option.
            readOffset(*directive, fingering);
            readScale(directive->scale, fingering);
        } else {
            auto *finger = new Fingering;
            finger->text = piece;
            finger->element = fingering;
            readOffset(*finger, fingering);
            note->fingerings.append(finger);
        }
    }
}

void Score::applyDirectiveToNote(Note *note, const Directive *directive)
{
    switch (directive->kind) {
    case DirectiveType::QuotedText:
        note->directName = directive->displayText;
        break;
    case DirectiveType::NoPrev:
        note->noPrev = true;
        break;
    case DirectiveType::Pizz:
        note->hajiki = true;
        break;
    case DirectiveType::OtsuDoubleQuote:
        note->otsuDoubleQuote = true;
        break;
    case DirectiveType::Invisible:
        note->visible = false;
        break;
    default: {
        const int kind = DirectiveType::longRepeatKind(directive->kind);
        if (kind != 0) {
            note->longRepeatCount = getDirectiveNumber(directive->displayText);
            note->longRepeatKind = kind;
        }
        break;
    }
    }
}
