// Score's commands over whole lyric lines of one part: deleting a line,
// placing a line above, below or close to the staff notes, and turning note
// names typed as lyrics into the notes' pitches and names.
#include "drawing/mytextitem.h"
#include "layout/noteink.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"
#include "view/movecommands.h"
#include "view/notecommands.h"
#include "view/scene.h"
#include "view/undomacro.h"

#include <QFontMetricsF>
#include <QStringList>
#include <QTransform>
#include <QUndoStack>

#include <algorithm>

using NoteNames::LyricPitch;
using NoteNames::noLyricPitch;

namespace {

// Where a lyric goes, as the note it belongs to stands: staff step s from
// the middle line, stem direction d (0 none, 1 up, 2 down), stem end t and
// the lyric font's height h, both in note sizes.
struct LyricPlace
{
    bool rest = false;
    int d = 0;
    int s = 0;
    double t = 0.0;
    double h = 0.0;
};

// The y of a lyric above the notes. In vertical writing y runs along the
// line, and the text hangs from its offset point, so its height is not
// added there.
double aboveY(const LyricPlace &p, bool horizontal)
{
    if (horizontal) {
        if (p.d == 1)
            return p.t < -0.5 ? p.t - 0.1 - p.h : -0.6 - p.h;
        return p.s > 3 ? -0.125 * (p.s + 1) - 0.1 - p.h : -0.6 - p.h;
    }
    if (p.d == 1)
        return p.t > 0.5 ? -(p.t + 0.1) : -0.6;
    return p.s > 3 ? -(0.125 * (p.s + 1) + 0.1) : -0.6;
}

double belowY(const LyricPlace &p, bool horizontal)
{
    if (horizontal) {
        if (p.d == 2)
            return p.t > 0.5 ? p.t + 0.1 : 0.6;
        return p.s < -3 ? 0.125 * (1 - p.s) + 0.1 : 0.55;
    }
    if (p.d == 2)
        return p.t < -0.5 ? -(p.t - 0.1 - p.h) : 0.6 + p.h;
    return p.s < -3 ? -(0.125 * p.s - 0.1 - p.h) : 0.6 + p.h;
}

// Close to the notes: on the side away from the stem. A stem direction
// the file cannot give counts as no stem.
double closeY(const LyricPlace &p, bool horizontal)
{
    const int d = p.d == 1 || p.d == 2 ? p.d : 0;
    if (horizontal) {
        if (p.rest)
            return 0.6;
        if (d == 1)
            return p.s < -3 ? 0.125 * (1 - p.s) + 0.1 : 0.6;
        if (d == 2)
            return p.s >= 4 ? -0.125 * (p.s + 1) - 0.1 - p.h : -0.6 - p.h;
        if (p.s > 3)
            return -0.125 * (p.s + 1) - 0.1 - p.h;
        if (p.s >= 0)
            return -0.6 - p.h;
        return p.s >= -3 ? 0.6 : 0.125 * (1 - p.s) + 0.1;
    }
    if (p.rest)
        return 0.6 + p.h;
    if (d == 1)
        return p.s < -3 ? 0.125 * (1 - p.s) - 0.1 + p.h : 0.6 + p.h;
    if (d == 2)
        return p.s > 3 ? -(0.125 * (p.s + 1) + 0.1) : -0.6;
    return p.s >= 0 ? -0.6 : 0.6 + p.h;
}

QPointF lyricOffset(const LyricPlace &p, int position, bool horizontal)
{
    const double x = (horizontal ? -0.2 : -0.3) * p.h;
    switch (position) {
    case 0:
        return {x, aboveY(p, horizontal)};
    case 1:
        return {x, belowY(p, horizontal)};
    default:
        return {x, closeY(p, horizontal)};
    }
}

// Where a syllable placed at `offset` (note sizes) stands, scene units: its
// box as the layout draws a placed syllable, in the part's lyric font at
// full size, hung from its note's place `at` (mm). A syllable the layout
// left out for want of room is drawn once placed, so the box is built from
// the text, not from what the scene shows now.
QRectF placedLyricBox(const Score &score, const Lyrics *lyric, const Measure *measure, int part,
                      const Note *note, QPointF at, QPointF offset)
{
    const Part *settings = score.parts.at(part);
    const bool horizontal = score.page->horizontal;
    const bool rotated = !horizontal && score.page->rotateLyrics;
    QString text = horizontal ? Score::convertCharsForHorizontal(lyric->text)
                              : Score::convertCharsForVertical(lyric->text);
    if (!horizontal && !rotated)
        text = Score::toVerticalPunctuation(text);
    if (text.isEmpty())
        return {};
    MyTextItem item(text, !horizontal && !rotated);
    item.setFont(settings->lyricsFont);

    const double s = score.page->scaleFactor;
    const double size = settings->noteFontSize;
    const double line = measure->getPartNoteLine(note->staff, part);
    QPointF pos;
    if (horizontal) {
        pos = {(at.x() + offset.x() * size) * s, (line + offset.y() * size) * s};
    } else {
        const double turned = rotated ? QFontMetricsF(settings->lyricsFont).height() : 0.0;
        pos = {(line - offset.y() * size) * s + turned, (at.y() + offset.x() * size) * s};
    }
    return QTransform().rotate(rotated ? 90.0 : 0.0).mapRect(item.boundingRect()).translated(pos);
}

// The table's offset moved on away from the notes until the syllable meets
// none of their ink: a stem, beam or flag of a neighbour, or a note the
// table's rule does not see, reaches past the place the rule gives.
QPointF clearOfNotes(const Score &score, const Lyrics *lyric, const Measure *measure, int part,
                     const Note *note, QPointF at, QPointF offset)
{
    const Part *settings = score.parts.at(part);
    const double unit = settings->noteFontSize * score.page->scaleFactor;
    // Below the notes y grows; in vertical writing that is leftwards.
    const double away = offset.y() >= 0.0 ? 1.0 : -1.0;
    const double across = score.page->horizontal ? away : -away;
    constexpr double gap = 0.1; // note sizes, as the rule keeps from a stem's end
    constexpr int tries = 12;
    for (int i = 0; i < tries; ++i) {
        const QRectF box = placedLyricBox(score, lyric, measure, part, note, at, offset);
        if (box.isEmpty())
            break;
        const double depth = NoteInk::depth(score, part, box, across);
        if (depth <= 0.0)
            break;
        offset.ry() += away * (depth / unit + gap);
    }
    return offset;
}

// The notes of one syllable list: the cut-off grace tokens before "<" and
// after ">", and the chord tokens between, split at "/".
struct LyricTokens
{
    QStringList before;
    QStringList main;
    QStringList after;
    // The text without its grace lists: what "*" repeats.
    QString text;
};

LyricTokens splitLyric(QString text)
{
    LyricTokens tokens;
    const qsizetype open = text.indexOf(QLatin1Char('<'));
    if (open >= 0) {
        tokens.before = text.left(open).split(QLatin1Char(','));
        text = text.mid(open + 1);
    }
    const qsizetype close = text.indexOf(QLatin1Char('>'));
    if (close >= 0) {
        tokens.after = text.mid(close + 1).split(QLatin1Char(','));
        text = text.left(close);
    }
    tokens.main = text.split(QLatin1Char('/'));
    tokens.text = text;
    return tokens;
}

bool convertsLyrics(int style)
{
    using namespace NotationStyle;
    return style == KinkoSimple || style == KinkoTrad || style == TozanSimple ||
           style == TozanTrad || style == KotoIkuta || style == KotoSeiha || style == SangenIkuta;
}

bool lyricQualifies(const Lyrics *lyric, int number)
{
    return !lyric->deleted && (number == 0 || lyric->number == number);
}

} // namespace

void Score::deleteLyrics2(int part, int number)
{
    if (part < 0 || part >= parts.size())
        return;
    UndoMacro macro(this, QStringLiteral("deleteLyrics2"));
    for (int v = 0; v < MePart::voiceCount; ++v) {
        for (const Measure *measure : std::as_const(measures)) {
            const Voice *voice = measure->parts.at(part)->voices.at(v);
            if (!voice->hasNotes)
                continue;
            for (const Note *note : voice->notes) {
                for (Lyrics *lyric : note->lyrics) {
                    // A lyric deleted already stays so: its undo must not
                    // bring back what an earlier step took away.
                    if (lyricQualifies(lyric, number))
                        pushCommand(new DeleteLyric(lyric));
                }
            }
        }
    }
}

void Score::moveLyrics2(int part, int number, int position)
{
    if (part < 0 || part >= parts.size())
        return;
    const Part *settings = parts.at(part);
    const double size = settings->noteFontSize;
    LyricPlace place;
    place.h = QFontMetricsF(settings->lyricsFont).height() / page->scaleFactor / size;
    UndoMacro macro(this, QStringLiteral("moveLyrics2"));
    for (int v = 0; v < MePart::voiceCount; ++v) {
        for (Measure *measure : std::as_const(measures)) {
            const Voice *voice = measure->parts.at(part)->voices.at(v);
            if (!voice->hasNotes)
                continue;
            for (Note *note : voice->notes) {
                place.rest = note->rest;
                // The stem as drawn: a file that gives no direction still
                // gets stems, and a syllable must clear them.
                place.d = note->stemShown != 0 ? note->stemShown : note->stem;
                place.s = getStaffStep(measure, part, note);
                place.t = note->stemEnd / size;
                const QPointF offset = lyricOffset(place, position, page->horizontal);
                const bool placed =
                    note->firstAlignItem >= 0 && measure->itemExists(part, v, note->firstAlignItem);
                const QPointF at =
                    placed ? measure->getItemFinalPosFrame(part, v, note->firstAlignItem)
                           : QPointF();
                for (Lyrics *lyric : note->lyrics) {
                    if (lyric->number != number)
                        continue;
                    pushCommand(new LyricMove(
                        this, lyric,
                        placed ? clearOfNotes(*this, lyric, measure, part, note, at, offset)
                               : offset));
                }
            }
        }
    }
}

void Score::convLyricsToPitches(int part, int number)
{
    if (part < 0 || part >= parts.size())
        return;
    SetNoteScales();
    const int style = parts.at(part)->notationStyle;
    const int indexBefore = undoStack->index();
    {
        UndoMacro macro(this, QStringLiteral("convLyricsToPitches"));
        for (int v = 0; v < MePart::voiceCount && convertsLyrics(style); ++v) {
            QString remembered;
            int before = noLyricPitch;
            int last = noLyricPitch;
            // One syllable for one note of the voice's notes in this measure.
            const auto convert = [&](const QList<Note *> &notes, qsizetype index,
                                     const QString &token, const QString &text) {
                remembered = text;
                Note *note = notes.at(index);
                // A rest takes no pitch and is no reference for the next
                // relative syllable: the results before it stay.
                if (!noteHasPitch(note))
                    return;
                const LyricPitch choice = convLyricToPitch(style, note, token, before, last);
                applyLyricPitch(note, choice);
                before = last;
                last = choice.pitch;
            };
            for (const Measure *measure : std::as_const(measures)) {
                const QList<Note *> &notes = measure->parts.at(part)->voices.at(v)->notes;
                for (qsizetype n = 0; n < notes.size(); ++n) {
                    for (const Lyrics *lyric : std::as_const(notes.at(n)->lyrics)) {
                        if (!lyricQualifies(lyric, number))
                            continue;
                        const LyricTokens tokens = splitLyric(
                            lyric->text == QLatin1String("*") ? remembered : lyric->text);
                        const qsizetype first = n - tokens.before.size();
                        for (qsizetype k = 0; k < tokens.before.size(); ++k) {
                            if (first + k >= 0 && notes.at(first + k)->grace)
                                convert(notes, first + k, tokens.before.at(k), tokens.text);
                        }
                        for (qsizetype k = 0; k < tokens.main.size(); ++k) {
                            if (n + k < notes.size() && (k == 0 || notes.at(n + k)->chord))
                                convert(notes, n + k, tokens.main.at(k), tokens.text);
                        }
                        const qsizetype next = n + std::max(1, notes.at(n)->chordSize);
                        for (qsizetype k = 0; k < tokens.after.size(); ++k) {
                            if (next + k < notes.size() && notes.at(next + k)->grace)
                                convert(notes, next + k, tokens.after.at(k), tokens.text);
                        }
                    }
                }
            }
        }
    }
    // Lyrics that name nothing leave no step and nothing to redraw.
    if (undoStack->index() != indexBefore)
        generateScore();
}

void Score::applyLyricPitch(Note *note, const LyricPitch &choice)
{
    if (choice.pitch == noLyricPitch)
        return;
    // The table gives some names before the pitch changes, judged against
    // the old pitch; the naming after the change settles the quoted name
    // that the new pitch needs.
    if (!choice.firstName.isEmpty())
        changeNoteName(note, choice.firstName, true);
    if (!choice.technique.isEmpty() && !noteHasDirective(note, choice.technique))
        addDirectiveToNote(note, choice.technique);
    int alter = 0;
    int octave = 0;
    const QString step = pitchToStepAlterOctave(choice.pitch, alter, octave);
    auto *command = new ReplaceNotePitch(this, note, step, alter, octave);
    command->setText(QStringLiteral("ReplaceNotePitch"));
    pushCommand(command);
    changeNoteName(note, choice.name, true);
    setChanged(true);
}
