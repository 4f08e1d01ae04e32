// Score's part writer: the measures of one `part` element rewritten from the
// model, with the measure-level elements, the ending offsets and the
// directions of each voice; the notes go to the note writer.
#include "model/score.h"

#include "document/extensionxml.h"
#include "document/itemlayoutxml.h"
#include "document/scorexmlmode.h"
#include "document/voicenumbering.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/part.h"
#include "model/voice.h"

#include <array>
#include <memory>

using namespace ExtensionXml;

bool Score::buildPartXml(QDomElement &part, int partIndex, ScoreXmlMode mode)
{
    // Only the lyric modes write glyphs; the others look nothing up.
    const Part *settings = parts.at(partIndex);
    const bool glyphLyrics =
        mode == ScoreXmlMode::NoteNameLyrics || mode == ScoreXmlMode::NoteNameRewrite;
    const std::unique_ptr<NoteNames::GlyphCharMap> glyphMap(NoteNames::getStaffNoteMapOfPart(
        glyphLyrics && settings->staffNoteOutput, settings->notationStyle, settings->noteFontName));
    // The notes pair with the model by the voices the reader gave them.
    const VoiceNumbering voices(part);
    int measureIndex = 0;
    for (QDomElement measure = part.firstChildElement(QStringLiteral("measure")); !measure.isNull();
         measure = measure.nextSiblingElement(QStringLiteral("measure"))) {
        // A measure the model does not hold is left as it is.
        if (measureIndex >= measures.size())
            break;
        buildMeasureXml(measure, measureIndex, partIndex, mode, *glyphMap, voices);
        ++measureIndex;
    }
    return true;
}

void Score::buildMeasureXml(QDomElement &element, int measureIndex, int partIndex,
                            ScoreXmlMode mode, const NoteNames::GlyphCharMap &glyphMap,
                            const VoiceNumbering &voices)
{
    const Measure *measure = measures.at(measureIndex);
    // The first part carries what the measure holds for all parts.
    if (partIndex == 0)
        ItemLayoutXml::appendMeasureLayout(document, element, measure);

    std::array<int, MePart::voiceCount> noteCounters{};
    std::array<int, MePart::voiceCount> directionCounters{};
    int currentVoice = 0;
    QList<QDomElement> pendingDirections;
    // A direction belongs to the voice of the note that follows it, or of
    // the last note before a backup or the measure's end, as the reader
    // assigned it.
    const auto flushDirections = [&](int voice) {
        for (QDomElement &direction : pendingDirections)
            directionCounters[voice] += writeDirectionXml(this, direction, measureIndex, partIndex,
                                                          voice, directionCounters[voice]);
        pendingDirections.clear();
    };

    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("note")) {
            const int voice = voices.voiceIndexOf(child);
            // A note the model does not hold is left as it is.
            if (voice < 0 || voice >= MePart::voiceCount)
                continue;
            Note *note = noteAt(measureIndex, partIndex, voice, noteCounters[voice]);
            if (!note)
                continue;
            currentVoice = voice;
            buildNoteXml(child, note, mode);
            writeGlyphLyricsXml(note, measureIndex, partIndex, voice, glyphMap, mode);
            ++noteCounters[voice];
            flushDirections(voice);
        } else if (tag == QLatin1String("direction")) {
            pendingDirections.append(child);
        } else if (tag == QLatin1String("backup")) {
            flushDirections(currentVoice);
        } else if (tag == QLatin1String("barline")) {
            QDomElement ending = child.firstChildElement(QStringLiteral("ending"));
            if (!ending.isNull() &&
                ending.attribute(QStringLiteral("type")) == QLatin1String("start"))
                appendOffset(document, ending, measure->endingOffsetX, measure->endingOffsetY);
        }
    }
    flushDirections(currentVoice);
}

Note *Score::noteAt(int measureIndex, int partIndex, int voiceIndex, int noteIndex) const
{
    if (measureIndex < 0 || measureIndex >= measures.size())
        return nullptr;
    const Measure *measure = measures.at(measureIndex);
    if (partIndex < 0 || partIndex >= measure->parts.size() || voiceIndex < 0 ||
        voiceIndex >= MePart::voiceCount)
        return nullptr;
    const QList<Note *> &notes = measure->parts.at(partIndex)->voices.at(voiceIndex)->notes;
    return noteIndex >= 0 && noteIndex < notes.size() ? notes.at(noteIndex) : nullptr;
}
