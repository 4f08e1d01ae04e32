// Score's glyph lyrics: in the lyric modes each note of a part with staff-note
// output carries its notation, and its beam, as lyric lines in the staff
// lyric font; the MusicXML defaults name that font.
#include "model/score.h"

#include "document/scorexmlmode.h"
#include "layout/layouter.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/part.h"
#include "model/voice.h"

namespace {

bool isGlyphLyricMode(ScoreXmlMode mode)
{
    return mode == ScoreXmlMode::NoteNameLyrics || mode == ScoreXmlMode::NoteNameRewrite;
}

// Sol-fa and staff notation show no note names; rests only where the
// notation draws a rest glyph of its own.
bool takesGlyphLyric(const Part &part, const Note &note)
{
    const int style = part.notationStyle;
    if (style == NotationStyle::Doremi || style == NotationStyle::StaffNotation || note.grace)
        return false;
    if (note.rest) {
        switch (style) {
        case NotationStyle::KinkoSimple:
        case NotationStyle::KinkoTrad:
        case NotationStyle::TozanSimple:
        case NotationStyle::TozanTrad:
        case NotationStyle::Fue:
        case NotationStyle::KotoSeiha:
        case NotationStyle::Traverso:
            break;
        default:
            return false;
        }
    }
    return part.staffNoteTieStopOutput || (note.tie != 2 && note.tie != 3);
}

// The beam glyph id of a note, or "" when its style draws no beam there.
QString beamGlyphId(const Part &part, const Note &note)
{
    switch (part.notationStyle) {
    case NotationStyle::KinkoSimple:
    case NotationStyle::TozanSimple:
    case NotationStyle::Fue:
    case NotationStyle::KotoSeiha:
    case NotationStyle::Doremi:
    case NotationStyle::Traverso: {
        const int carrier = part.staffNoteInverseOrder ? note.chordSize - 1 : 0;
        if (note.chordIndex != carrier || note.noteType < 8 || note.noteType > 128)
            return QString();
        return QStringLiteral("Beam") + QString::number(note.noteType);
    }
    case NotationStyle::TozanTrad:
        if (note.rest)
            return QString();
        if (note.noteType == 4 || note.noteType == 8)
            return QStringLiteral("Beam%1Tozan").arg(note.noteType);
        if (note.noteType >= 16 && note.noteType <= 128)
            return QStringLiteral("Beam") + QString::number(note.noteType);
        return QString();
    default:
        return QString();
    }
}

// The string lines of ShamisenBunka are lyric lines 1 to 3.
int shamisenStringLine(const Note &note)
{
    for (int string = 1; string <= 3; ++string) {
        if (note.glyphName.startsWith(QString::number(string) + QLatin1Char('-')))
            return string;
    }
    return 0;
}

} // namespace

void Score::writeGlyphLyricsXml(Note *note, int measureIndex, int partIndex, int voiceIndex,
                                const NoteNames::GlyphCharMap &map, ScoreXmlMode mode)
{
    if (!isGlyphLyricMode(mode) || partIndex < 0 || partIndex >= parts.size())
        return;
    const Part &part = *parts.at(partIndex);
    if (!part.staffNoteOutput)
        return;
    const Measure *measure = measures.at(measureIndex);
    const QList<Note *> &notes = measure->parts.at(partIndex)->voices.at(voiceIndex)->notes;
    const bool horizontal = glyphLyricsHorizontal(mode);

    int base = 1;
    if (takesGlyphLyric(part, *note)) {
        const int index = int(notes.indexOf(note));
        const auto bracketed = [&](const QString &graces) {
            if (graces.isEmpty())
                return graces;
            const QString suffix = horizontal ? QString() : QStringLiteral("_V");
            return map.value(QStringLiteral("Lpar") + suffix) + graces +
                   map.value(QStringLiteral("Rpar") + suffix);
        };
        const QString text =
            bracketed(getPrecedingGraceGlyphText(map, notes, index, partIndex, mode)) +
            getNoteGlyphText(map, note, partIndex, mode) +
            bracketed(trailingGraceGlyphText(map, notes, index, partIndex, mode));

        const int stringLine =
            part.notationStyle == NotationStyle::ShamisenBunka ? shamisenStringLine(*note) : 0;
        base = stringLine > 0
                   ? stringLine
                   : measure->layouter->voiceNoteLyricNumber(partIndex, voiceIndex, note->chordSize,
                                                             note->chordIndex,
                                                             part.staffNoteInverseOrder);
        writeLyricXml(note, base + part.staffNoteLyricStart - 1, text);
    }

    // A grace note's name stands in its main note's lyric, so it has no
    // beam line of its own either.
    if (part.staffNoteBeams && !note->grace) {
        const QString beam = beamGlyphId(part, *note);
        if (!beam.isEmpty())
            writeLyricXml(note, base + part.staffNoteLyricStart,
                          map.value(horizontal ? beam : beam + QStringLiteral("_V")));
    }
}

QString Score::trailingGraceGlyphText(const NoteNames::GlyphCharMap &map,
                                      const QList<Note *> &notes, int index, int partIndex,
                                      ScoreXmlMode mode) const
{
    // Grace notes lead into the note after them; only those that end the
    // voice belong to the note before them, so no grace shows twice.
    int next = index + 1;
    while (next < notes.size() && notes.at(next)->grace)
        ++next;
    if (index < 0 || next < notes.size())
        return QString();
    return getFollowingGraceGlyphText(map, notes, index, partIndex, mode);
}

void Score::ensureDefaultLyricFont(QDomElement &scorePartwise)
{
    // Glyph lyrics are only readable in the staff lyric font, and other
    // programs take it from here.
    QDomElement defaults = scorePartwise.firstChildElement(QStringLiteral("defaults"));
    if (defaults.isNull()) {
        defaults = document.createElement(QStringLiteral("defaults"));
        QDomElement before;
        for (QDomElement child = scorePartwise.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement()) {
            const QString tag = child.tagName();
            if (tag == QLatin1String("credit") || tag == QLatin1String("part-list") ||
                tag == QLatin1String("part")) {
                before = child;
                break;
            }
        }
        if (before.isNull())
            scorePartwise.appendChild(defaults);
        else
            scorePartwise.insertBefore(defaults, before);
    }
    if (!defaults.firstChildElement(QStringLiteral("lyric-font")).isNull())
        return;
    QDomElement lyricFont = document.createElement(QStringLiteral("lyric-font"));
    const QDomElement language = defaults.firstChildElement(QStringLiteral("lyric-language"));
    if (language.isNull())
        defaults.appendChild(lyricFont);
    else
        defaults.insertBefore(lyricFont, language);
}
