// Score's glyph steps that the traditional notation workers share: the
// glyphs of one chord (with technique forms, pizzicato circles and the
// repeat sign "Prev"), one grace note, and the arpeggio mark.
#include "glyphs/glyph_worker_support.h"
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"

#include <QGraphicsItem>
#include <QSvgRenderer>

#include <algorithm>
#include <memory>

using namespace GlyphWorkers;

namespace {

// Whether the glyph `id` of the note font carries marks of its own beside
// the note name.
bool hasMarks(const std::shared_ptr<QSvgRenderer> &font, const QString &id)
{
    return font && font->elementExists(id + QLatin1String(".mark"));
}

bool isPlucked(const Note *note)
{
    return note->stoppedFlag || note->hajiki;
}

bool isIkuta(int style)
{
    return style == NotationStyle::KotoIkuta || style == NotationStyle::SangenIkuta;
}

bool drawsPizzCircles(int style)
{
    return style == NotationStyle::KotoIkuta || style == NotationStyle::KotoSeiha;
}

bool mayRepeat(int style)
{
    return style == NotationStyle::KinkoTrad || style == NotationStyle::KotoIkuta ||
           style == NotationStyle::SangenIkuta || style == NotationStyle::SangenYamada;
}

// Styles whose tied continuation is drawn as a bar when "tie-stop-bar" is on.
bool drawsTieStopBar(int style)
{
    switch (style) {
    case NotationStyle::KinkoSimple:
    case NotationStyle::TozanSimple:
    case NotationStyle::Fue:
    case NotationStyle::KotoSeiha:
    case NotationStyle::Doremi:
    case NotationStyle::Percussion:
    case NotationStyle::Traverso:
        return true;
    default:
        return false;
    }
}

bool startsLine(int state)
{
    return state == 1 || state == 3;
}

// The note before `noteIndex` in its voice; for the voice's first note the
// last note of the same voice in the previous measure.
const Note *previousNote(const Score *score, const Measure *measure, int part, int voice,
                         int noteIndex)
{
    if (noteIndex > 0)
        return voiceOf(measure, part, voice)->notes.at(noteIndex - 1);
    const int index = measure->indexInScore();
    if (index <= 0)
        return nullptr;
    const Measure *before = score->measures.at(index - 1);
    if (part >= before->parts.size())
        return nullptr;
    const QList<Note *> &notes = voiceOf(before, part, voice)->notes;
    return notes.isEmpty() ? nullptr : notes.last();
}

// Equal lengths, or one twice or three times the other.
bool durationsMatch(int a, int b)
{
    return a == b || a == 2 * b || b == 2 * a || a == 3 * b || b == 3 * a;
}

// The style-specific forms of a chord note's glyph id.
QString chordGlyphId(const Score *score, int style, const Note *first, const Note *note)
{
    QString id = note->noteName;
    const bool vertical = !score->page->horizontal;
    if (!vertical)
        return id;
    if (style == NotationStyle::Fue && id != QLatin1String("Undefined"))
        return id + QStringLiteral("_V");
    if (style == NotationStyle::TozanTrad || style == NotationStyle::KinkoSimple) {
        static const QStringList turned = {QStringLiteral("Koro"), QStringLiteral("KaraMeri"),
                                           QStringLiteral("KaraChuMeri"), QStringLiteral("Kara")};
        if (turned.contains(id))
            return id + QStringLiteral("_V");
    }
    if (style == NotationStyle::KotoSeiha && first->noteName.startsWith(QLatin1String("BarOsu")))
        return id + QStringLiteral("_V");
    return id;
}

// The circle piece of chord note k of c: a chain across the chord joins
// neighbouring pizzicato notes.
int pizzCircleState(const QList<Note *> &notes, int first, int c, int k)
{
    const bool before = k > 0 && isPlucked(notes.at(first + k - 1));
    const bool after = k < c - 1 && isPlucked(notes.at(first + k + 1));
    if (before && after)
        return 3;
    if (before)
        return 4;
    if (after)
        return 2;
    return 1;
}

QString pizzCircleId(int state, bool horizontal)
{
    static const QStringList ids = {QStringLiteral("PizzCircle"), QStringLiteral("PizzCircleStart"),
                                    QStringLiteral("PizzCircleContinue"),
                                    QStringLiteral("PizzCircleStop")};
    const QString &id = ids.at(state - 1);
    // The chain runs across the reading direction, so the turned pieces
    // belong to horizontal writing.
    return horizontal && state > 1 ? id + QStringLiteral("_V") : id;
}

} // namespace

QStringList Score::addChordGlyphs(Measure *measure, int part, int voice, int noteIndex, int onset,
                                  const QStringList &previous)
{
    Voice *v = voiceOf(measure, part, voice);
    Note *first = v->notes.at(noteIndex);
    const int notation = parts.at(part)->notationStyle;
    const double size = parts.at(part)->noteFontSize;
    const int c = std::clamp(first->chordSize, 1, int(v->notes.size()) - noteIndex);
    const Note *before = previousNote(this, measure, part, voice, noteIndex);

    QStringList names;
    for (int k = 0; k < c; ++k) {
        Note *note = v->notes.at(noteIndex + k);
        names.append(note->hajiki ? note->noteName + QStringLiteral("-pizz") : note->noteName);
        note->glyphName = note->noteName;
    }

    if (isIkuta(notation) && isTieContinuation(first)) {
        addNoteExtensions(first, measure, part, voice, onset);
        markMainItem(first, measure, part, voice);
        first->glyphName += QStringLiteral(":TieStop");
        for (int k = 1; k < c; ++k) {
            v->notes.at(noteIndex + k)->alignItemBegin = -1;
            v->notes.at(noteIndex + k)->firstAlignItem = -1;
        }
        return names;
    }

    bool repeatSign = false;
    if (mayRepeat(notation)) {
        repeatSign = first->noteName == QLatin1String("Prev");
        if (!repeatSign) {
            const bool free = !first->noPrev && !first->longRepeatMemberFlag && before &&
                              !before->rest && !before->breath;
            const bool plain =
                first->tremoloType == 0 && first->noteName != QLatin1String("Undefined");
            bool styleAllows = true;
            if (notation == NotationStyle::SangenIkuta)
                styleAllows = first->noteName != QLatin1String("Hajiki") &&
                              first->noteName != QLatin1String("Sukui");
            if (notation == NotationStyle::KinkoTrad)
                styleAllows = before && before->pitchIndex == first->pitchIndex;
            repeatSign = free && plain && styleAllows && isSameStringList(previous, names) &&
                         durationsMatch(before->duration, first->duration);
        }
    }
    for (int k = 0; k < c; ++k)
        v->notes.at(noteIndex + k)->prevMark = repeatSign;

    if (repeatSign) {
        QString id = QStringLiteral("Prev");
        QGraphicsItem *item = measure->addNoteItem3(
            part, voice, id, first->noteType, false, AlignTime, false, 0,
            noteLine(measure, part, voice), onset, getNoteWidth(part, first->noteType),
            squeezeRatio(measure, part, voice, 1));
        if (first->longRepeatMemberFlag)
            item->setVisible(false);
        markMainItem(first, measure, part, voice);
        tagNoteGlyph(this, item, measure, part, voice, noteIndex);
        return names;
    }

    const bool horizontal = page->horizontal;
    for (int k = 0; k < c; ++k) {
        Note *note = v->notes.at(noteIndex + k);
        if (k > 0) {
            note->alignItemBegin = measure->getItemCount(part, voice);
            note->firstAlignItem = note->alignItemBegin;
        }

        QString id = chordGlyphId(this, notation, first, note);
        if (style->tieStopBar && drawsTieStopBar(notation) &&
            !first->noteName.startsWith(QLatin1String("BarOsu")) && isTieContinuation(note)) {
            id = verticalForm(this, QStringLiteral("QuarterBar"));
            note->glyphName = verticalForm(this, QStringLiteral("Bar"));
        }

        double along = isIkuta(notation) ? getNoteWidthAtTime(part, measure, note, onset)
                                         : getNoteWidth(part, note->noteType);
        double across = squeezeRatio(measure, part, voice, c);
        // A name with marks beside it (meri, kari, dai-kan) is not made
        // narrower than it is tall: its small marks would no longer read.
        if (hasMarks(parts.at(part)->noteFontRenderer, id))
            along = std::max(along, across);
        const int kind = k > 0 ? AlignOverlay : note->tremoloType == 2 ? AlignFollowing : AlignTime;
        int mode = 0;
        if (notation == NotationStyle::TozanTrad && isMeriNote(note->noteName) &&
            note->markText != QLatin1String("Repeat") && note->markText != QLatin1String("I"))
            mode = 3;
        const bool wide = note->tremoloType == 1 || startsLine(note->glissando) ||
                          startsLine(note->slide) || note->arpeggiate ||
                          (notation == NotationStyle::TozanTrad && note->dots > 0);

        double cross;
        if (notation == NotationStyle::ShamisenBunka)
            cross = stringLine(measure, part, note->rest ? 1 : stringNumber(note->noteName));
        else
            cross = noteLine(measure, part, voice, c, k);
        if (note->tremoloType == 2) {
            cross -= 0.2 * size;
            along *= 0.85;
            across *= 0.85;
        }
        if (!horizontal && id == QLatin1String("Koro"))
            id = QStringLiteral("Koro_V");

        int type = note->noteType;
        if (isIkuta(notation)) {
            // An eighth that starts a quarter of a beat late fills a
            // sixteenth's time frame.
            const int d = measure->divisions;
            if (type == 8 && d / 4 > 0 && onset % d != 0 && onset % (d / 2) != 0 &&
                onset % (d / 4) == 0)
                type = 16;
            if (type < 4)
                type = 4;
        }

        QGraphicsItem *item = measure->addNoteItem3(part, voice, id, type, false, kind, wide, mode,
                                                    cross, onset, along, across);
        markMainItem(note, measure, part, voice);
        tagNoteGlyph(this, item, measure, part, voice, noteIndex + k);

        if (drawsPizzCircles(notation) && isPlucked(note)) {
            note->pizzCircle = pizzCircleState(v->notes, noteIndex, c, k);
            QString circle = pizzCircleId(note->pizzCircle, horizontal);
            QGraphicsItem *ring = measure->addNoteItem3(part, voice, circle, note->noteType, true,
                                                        AlignOverlay, wide, mode, cross, onset,
                                                        getNoteWidth(part, note->noteType), across);
            setNoteItemTag(ring, measure->indexInScore(), part, voice, noteIndex + k);
            markLastItem(note, measure, part, voice);
            note->glyphName += QStringLiteral(":Pizz");
        }
    }
    return names;
}

void Score::addGraceNoteGlyph(Measure *measure, int part, int voice, Note *note, int onset)
{
    const Voice *v = voiceOf(measure, part, voice);
    const int noteIndex = int(v->notes.indexOf(note));
    const int notation = parts.at(part)->notationStyle;
    const double size = parts.at(part)->noteFontSize;
    const bool tremoloStop = note->tremoloType == 2;

    int mode = 2;
    double cross = noteLine(measure, part, voice);
    if (notation == NotationStyle::TozanTrad) {
        mode = isMeriNote(note->noteName) ? 4 : 0;
        if (tremoloStop)
            cross -= 0.4 * size;
    } else if (notation == NotationStyle::ShamisenBunka) {
        cross = stringLine(measure, part, stringNumber(note->noteName));
    } else if (notation == NotationStyle::KinkoTrad && tremoloStop) {
        cross -= 0.4 * size;
    }
    const double across = squeezeRatio(measure, part, voice, voiceLines(measure, part, voice));

    // The run of grace notes that starts here follows the note before it
    // when its last grace note closes a slur.
    const Note *last = note;
    for (int i = noteIndex + 1; i < v->notes.size() && v->notes.at(i)->grace; ++i)
        last = v->notes.at(i);
    bool endsSlur = false;
    for (int s = 0; s < 3; ++s)
        endsSlur = endsSlur || last->slurs.at(s) == 2 || last->slurs.at(s) == 3;
    int kind = endsSlur || tremoloStop ? AlignFollowing : AlignLeading;
    const bool plucked = drawsPizzCircles(notation) && isPlucked(note);
    if (plucked)
        kind = AlignTime;

    QString id = note->noteName;
    const double along = getNoteWidth(part, 16);
    QGraphicsItem *item = measure->addNoteItem3(part, voice, id, 16, false, kind, false, mode,
                                                cross, onset, along, across);
    tagNoteGlyph(this, item, measure, part, voice, noteIndex);
    if (plucked) {
        QString circle = QStringLiteral("PizzCircle");
        measure->addNoteItem3(part, voice, circle, 16, true, AlignOverlay, false, mode, cross,
                              onset, along, 1.0);
    }
}

void Score::addArpeggioItem(Measure *measure, int part, int voice, Note *note, int onset)
{
    const int c = std::max(1, note->chordSize);
    const int line = page->horizontal ? c - 1 : 0;
    QString id = verticalForm(this, QStringLiteral("Arpeggio"));
    measure->addNoteItem3(part, voice, id, 16, true, AlignFollowing, false, 0,
                          noteLine(measure, part, voice, c, line), onset, getNoteWidth(part, 16),
                          c * squeezeRatio(measure, part, voice, c));
}
