// Score's update of a freshly imported MusicXML document with the layout of
// a source score: settings, credits (paired by text), measure scales and
// breaks, and the adjustments of notes, marks, directions, fingerings and
// lyrics, paired by position; then the model is rebuilt from the amended
// text.
#include "model/score.h"

#include "document/extensionxml.h"
#include "document/itemlayoutxml.h"
#include "document/markpairing.h"
#include "document/scorexmlmode.h"
#include "document/settingsvalues.h"
#include "document/voicenumbering.h"
#include "model/credit.h"
#include "model/directive.h"
#include "model/fingering.h"
#include "model/harmonic.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/notation.h"
#include "model/note.h"
#include "model/stopped.h"
#include "model/upbow.h"
#include "model/voice.h"

#include <QDebug>

#include <algorithm>
#include <array>
#include <functional>

using namespace ExtensionXml;

namespace {

const QString updateNotationsTag = QStringLiteral("notations");
const QString updateTechnicalTag = QStringLiteral("technical");

// Only an ending of the source has an offset to carry; one that the
// revision adds keeps the default the reader gives it.
bool startsEnding(const Measure *measure)
{
    const int type = measure->endingType;
    return type == 1 || type == 4 || type == 5;
}

void appendOffsetWhenMoved(QDomDocument &document, QDomElement &element, const UserOffset *mark)
{
    if (mark && mark->moved)
        appendOffset(document, element, mark->x, mark->y);
}

void appendNotationLayoutXml(QDomDocument &document, QDomElement &mark, const Notation *notation)
{
    if (mark.tagName() == QLatin1String("slur")) {
        // The stop end of a slur holds its place but carries nothing.
        if (mark.attribute(QStringLiteral("type")) != QLatin1String("start"))
            return;
        appendOffsetWhenMoved(document, mark, notation);
        // An inverted slur stays inverted through an update, as in the
        // score file.
        appendSlurShape(document, mark, notation->userPlacement, notation->slurControlY1,
                        notation->slurControlY2);
    } else {
        appendOffsetWhenMoved(document, mark, notation);
        if (notation->scale != 1.0)
            appendScale(document, mark, notation->scale);
    }
    appendVisibility(document, mark, notation->visibility);
}

// The k-th mark that makes a Notation, over every `notations` of the note
// and into its articulations and ornaments, takes notation k: the rule the
// notations reader files them by.
void pairNotationsXml(QDomDocument &document, const QDomElement &element, const Note *note)
{
    int k = 0;
    const int count = note->notations.size();
    const auto visit = [&](QDomElement &mark) {
        if (k < count && MarkPairing::makesNotation(mark))
            appendNotationLayoutXml(document, mark, note->notations.at(k++));
    };
    for (QDomElement notations = element.firstChildElement(updateNotationsTag);
         !notations.isNull() && k < count; notations = notations.nextSiblingElement(updateNotationsTag)) {
        for (QDomElement child = notations.firstChildElement(); !child.isNull() && k < count;
             child = child.nextSiblingElement()) {
            const QString tag = child.tagName();
            if (tag == QLatin1String("articulations") || tag == QLatin1String("ornaments")) {
                for (QDomElement mark = child.firstChildElement(); !mark.isNull() && k < count;
                     mark = mark.nextSiblingElement())
                    visit(mark);
            } else {
                visit(child);
            }
        }
    }
}

// Only the first `technical` of the first `notations` is looked at: the
// marks and fingerings of the imported note pair with the source note's.
void pairTechnicalXml(QDomDocument &document, const QDomElement &element, const Note *note)
{
    QDomElement technical = element.firstChildElement(updateNotationsTag).firstChildElement(updateTechnicalTag);
    if (technical.isNull())
        return;
    const auto markOffset = [&](const UserOffset *mark, const QString &tag) {
        QDomElement target = technical.firstChildElement(tag);
        if (!target.isNull())
            appendOffsetWhenMoved(document, target, mark);
    };
    markOffset(note->upBow, QStringLiteral("up-bow"));
    markOffset(note->stopped, QStringLiteral("stopped"));
    markOffset(note->harmonic, QStringLiteral("harmonic"));

    const QString fingeringTag = QStringLiteral("fingering");
    int index = 0;
    for (QDomElement fingering = technical.firstChildElement(fingeringTag);
         !fingering.isNull() && index < note->fingerings.size();
         fingering = fingering.nextSiblingElement(fingeringTag))
        appendOffsetWhenMoved(document, fingering, note->fingerings.at(index++));
}

// A new `notations` stands where MusicXML wants it: before the lyrics and
// the program's own elements.
QDomElement firstOrNewNotations(QDomDocument &document, QDomElement &note)
{
    QDomElement notations = note.firstChildElement(updateNotationsTag);
    if (!notations.isNull())
        return notations;
    notations = document.createElement(updateNotationsTag);
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

// The imported file knows nothing of directives: each live one is written
// as a fingering text of its own.
void appendDirectivesXml(QDomDocument &document, QDomElement &element, const Note *note)
{
    if (note->directives.isEmpty())
        return;
    QDomElement notations = firstOrNewNotations(document, element);
    QDomElement technical = notations.firstChildElement(updateTechnicalTag);
    if (technical.isNull())
        technical = appendElement(document, notations, updateTechnicalTag);
    for (const Directive *directive : note->directives) {
        if (directive->deleted)
            continue;
        QDomElement fingering = SettingsValues::appendTextElement(
            document, technical, QStringLiteral("fingering"), directive->text);
        appendOffsetWhenMoved(document, fingering, directive);
        if (directive->scale != 1.0)
            appendScale(document, fingering, directive->scale);
    }
}

void pairLyricsXml(QDomDocument &document, const QDomElement &element, const Note *note)
{
    const QString lyricTag = QStringLiteral("lyric");
    int index = 0;
    for (QDomElement lyric = element.firstChildElement(lyricTag);
         !lyric.isNull() && index < note->lyrics.size(); lyric = lyric.nextSiblingElement(lyricTag))
        appendOffsetWhenMoved(document, lyric, note->lyrics.at(index++));
}

void updateImportedNoteXml(QDomDocument &document, QDomElement &element, const Note *note)
{
    ItemLayoutXml::appendNoteLayout(document, element, note);
    pairNotationsXml(document, element, note);
    pairTechnicalXml(document, element, note);
    appendDirectivesXml(document, element, note);
    pairLyricsXml(document, element, note);
}

// One measure element of the imported part, paired with the source's
// measure `measureIndex`.
void updateImportedMeasureXml(Score &target, const Score *source, QDomElement &element,
                              int measureIndex, int partIndex, const VoiceNumbering &voices)
{
    const Measure *measure = source->measures.at(measureIndex);
    // The first part carries what the measure holds for all parts.
    if (partIndex == 0)
        ItemLayoutXml::appendMeasureLayout(target.document, element, measure);

    std::array<int, MePart::voiceCount> noteCounters{};
    std::array<int, MePart::voiceCount> directionCounters{};
    int currentVoice = 0;
    QList<QDomElement> pendingDirections;
    // A direction belongs to the voice of the note that follows it, or of
    // the last note before a backup or the measure's end, as the reader
    // filed it.
    const auto flushDirections = [&](int voice) {
        for (QDomElement &direction : pendingDirections)
            directionCounters[voice] += target.writeDirectionXml(
                source, direction, measureIndex, partIndex, voice, directionCounters[voice]);
        pendingDirections.clear();
    };

    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("note")) {
            const int voice = voices.voiceIndexOf(child);
            // The model holds 32 voices; a note outside them is left alone.
            if (voice < 0 || voice >= MePart::voiceCount)
                continue;
            currentVoice = voice;
            const Note *note = source->noteAt(measureIndex, partIndex, voice, noteCounters[voice]);
            // A note beyond the source voice's notes: its directions wait
            // for the next paired note, a backup or the measure's end.
            if (!note)
                continue;
            updateImportedNoteXml(target.document, child, note);
            ++noteCounters[voice];
            flushDirections(voice);
        } else if (tag == QLatin1String("direction")) {
            pendingDirections.append(child);
        } else if (tag == QLatin1String("backup")) {
            flushDirections(currentVoice);
        } else if (tag == QLatin1String("barline") && startsEnding(measure)) {
            // Written whether or not the ending was moved: the reader gives
            // an unmoved ending its default offset, which is kept so.
            QDomElement ending = child.firstChildElement(QStringLiteral("ending"));
            if (!ending.isNull() &&
                ending.attribute(QStringLiteral("type")) == QLatin1String("start"))
                appendOffset(target.document, ending, measure->endingOffsetX,
                             measure->endingOffsetY);
        }
    }
    flushDirections(currentVoice);
}

// The credit-type of the `credit` holding a credit's words ("title",
// "composer", ...); empty when it names none.
QString creditTypeOf(const Credit *credit)
{
    return credit->element.parentNode()
        .firstChildElement(QStringLiteral("credit-type"))
        .text()
        .trimmed();
}

// For each credit of the imported document, the index of the source credit
// whose layout it takes, or -1. A round trip through another program may
// give the credits back in another order, so a credit pairs with the one of
// the same text first, then of the same credit type, and only the credits
// left then pair in their order.
QList<int> pairCredits(const QList<Credit *> &imported, const QList<Credit *> &source)
{
    QList<int> pairs(imported.size(), -1);
    QList<bool> taken(source.size(), false);
    const auto pairBy = [&](const std::function<QString(const Credit *)> &key) {
        for (int i = 0; i < imported.size(); ++i) {
            const QString wanted = key(imported.at(i));
            if (pairs.at(i) >= 0 || wanted.isEmpty())
                continue;
            for (int j = 0; j < source.size(); ++j) {
                if (!taken.at(j) && key(source.at(j)) == wanted) {
                    pairs[i] = j;
                    taken[j] = true;
                    break;
                }
            }
        }
    };
    pairBy([](const Credit *credit) { return credit->text.trimmed(); });
    pairBy(creditTypeOf);
    int next = 0;
    for (int i = 0; i < imported.size(); ++i) {
        if (pairs.at(i) >= 0)
            continue;
        while (next < source.size() && taken.at(next))
            ++next;
        if (next == source.size())
            break;
        pairs[i] = next;
        taken[next] = true;
    }
    return pairs;
}

} // namespace

void Score::updateImportedMusicXML(const Score *source)
{
    QDomElement scorePartwise = document.firstChildElement(QStringLiteral("score-partwise"));
    if (scorePartwise.isNull())
        return;
    writePropertyXml(scorePartwise);
    const QList<int> creditPairs = pairCredits(credits, source->credits);
    for (int i = 0; i < creditPairs.size(); ++i) {
        if (creditPairs.at(i) < 0)
            continue;
        QDomElement creditWords = credits.at(i)->element;
        writeCreditXml(source, creditWords, creditPairs.at(i), ScoreXmlMode::ScoreFile);
    }
    writePartListXml(source, partListElement);
    writePageXml(source, scorePartwise);
    writeStyleXml(source, scorePartwise);
    const qsizetype partCount = std::min({partElements.size(), qsizetype(numParts),
                                          qsizetype(source->numParts), source->parts.size()});
    for (int p = 0; p < partCount; ++p) {
        QDomElement part = partElements.at(p);
        updateImportedPartXml(source, part, p);
    }
    // After this: the document carries the source's layout.

    const QString text = document.toString(1);
    qDebug().noquote() << "updateImportedMusicXML this->filePathl = " + filePath;
    setFileNameAndText(filePath, text);
    rebuildModel(text);
    generateScore();
}

void Score::updateImportedPartXml(const Score *source, QDomElement &part, int partIndex)
{
    // The notes pair with the source's by the voices the reader gave them.
    const VoiceNumbering voices(part);
    int measureIndex = 0;
    for (QDomElement measure = part.firstChildElement(QStringLiteral("measure")); !measure.isNull();
         measure = measure.nextSiblingElement(QStringLiteral("measure"))) {
        // Measures the source does not hold stay as they are.
        if (measureIndex >= source->measures.size())
            break;
        updateImportedMeasureXml(*this, source, measure, measureIndex, partIndex, voices);
        ++measureIndex;
    }
}
