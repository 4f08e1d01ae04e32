// Score's lyric items: the movable text of each lyric of a note beside its
// glyphs, and the events from which the voice's Syllabics draws hyphens
// and extender lines.
#include "drawing/mytextitem.h"
#include "drawing/syllabics.h"
#include "drawing/watcheritem.h"
#include "layout/alignitem.h"
#include "model/lyrics.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"
#include "view/scene.h"

#include <QCursor>
#include <QFontMetricsF>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Marks of the staff lyric font drawn on the line of the character before
// them: a text that holds one after its first character is moved back so
// that the mark, not the text's start, stands at the note.
struct OffsetMarks
{
    char16_t shifted;      // moves the text back to it
    char16_t followers[2]; // after it: back half a step more
    char16_t leading[4];   // at the start: back a little
    double shiftBase;      // d = (shiftBase - position) x h
    double followerStep;   // extra step for a follower
    double leadingShift;   // d for a leading mark, x h
};

constexpr OffsetMarks horizontalMarks{
    u'\u0101', {u'\u0104', u'\u0105'}, {u'\u0104', u'\u0105', u'\u0103', u'\u0185'}, 0.4, 0.4,
    -0.3};
constexpr OffsetMarks verticalMarks{
    u'\u00EB', {u'\u00EE', u'\u00EF'}, {u'\u00EE', u'\u00EF', u'\u00ED', u'\u00FE'}, 0.5, 0.5,
    -0.5};

} // namespace

double Score::lyricCharOffset(const QString &text, bool horizontal, double h)
{
    const OffsetMarks &marks = horizontal ? horizontalMarks : verticalMarks;
    const int i = int(text.indexOf(QChar(marks.shifted), 1));
    if (i >= 1) {
        double d = (marks.shiftBase - i) * h;
        if (i + 1 < text.size()) {
            const char16_t next = text.at(i + 1).unicode();
            if (next == marks.followers[0] || next == marks.followers[1])
                d -= marks.followerStep * h;
        }
        return d;
    }
    if (!text.isEmpty()) {
        const char16_t first = text.at(0).unicode();
        for (char16_t c : marks.leading) {
            if (first == c)
                return marks.leadingShift * h;
        }
    }
    return 0.0;
}

QGraphicsItem *Score::genLyricItem(int measureIndex, int part, int voice, int noteIndex,
                                   int lyricIndex, const QPointF &pos)
{
    Measure *m = measures.at(measureIndex);
    const Part *settings = parts.at(part);
    Note *note = m->parts.at(part)->voices.at(voice)->notes.at(noteIndex);
    Lyrics *lyric = note->lyrics.at(lyricIndex);
    const bool horizontal = page->horizontal;
    const bool rotated = !horizontal && page->rotateLyrics;

    QString text;
    if (horizontal) {
        text = convertCharsForHorizontal(lyric->text);
    } else {
        text = convertCharsForVertical(lyric->text);
        if (!rotated)
            text = toVerticalPunctuation(text);
    }
    if (text.isEmpty())
        return nullptr;

    const LyricFit fit = lyricFit(lyric);
    if (fit.omitted)
        return nullptr;
    auto *item = new MyTextItem(text, !horizontal && !rotated);
    item->setFont(fit.scale < 1.0 ? scaledLyricFont(settings->lyricsFont, fit.scale)
                                  : settings->lyricsFont);
    if (rotated)
        item->setRotation(90.0);

    const double s = page->scaleFactor;
    const double size = settings->noteFontSize;
    const double h = QFontMetricsF(settings->lyricsFont).height();
    // The marks' offsets belong to the staff lyric font; in any other font
    // the same characters are ordinary letters.
    const double d = settings->lyricsFont.family() == staffLyricFontFamily
                         ? lyricCharOffset(text, horizontal, h) * fit.scale
                         : 0.0;
    const int number = lyric->number;
    const double k = (number - 1) * h;
    // Lyrics start past the band below the notes that holds their
    // octave-shift lines.
    const MePart *cell = m->parts.at(part);
    const double lo = lyricOffsetInRow(part, cell->partExtent) + cell->directionBandBelow;
    const double lt = style->lyricsOffsetTimeDirection * size;
    const double line = m->getPartNoteLine(note->staff, part);
    const double ref = m->getPartRefLine(part);
    const double r = rotated ? 1.0 : 0.0;
    const int notation = settings->notationStyle;
    const bool staff = notation == NotationStyle::StaffNotation;
    const bool bunka = notation == NotationStyle::ShamisenBunka;

    QPointF at;
    if (horizontal) {
        if (lyric->moved)
            at = QPointF((pos.x() + lyric->x * size) * s, (line + lyric->y * size) * s);
        else if (staff)
            at = QPointF((pos.x() + lt - 0.1 * size) * s + d, (line + lo) * s + k);
        else if (bunka)
            at = QPointF((pos.x() + lt) * s, (ref + lo) * s + k);
        else
            at = QPointF((pos.x() + lt) * s + d, (line + lo) * s + k);
    } else {
        if (lyric->moved)
            at = QPointF((line - lyric->y * size) * s + r * h, (pos.y() + lyric->x * size) * s);
        else if (staff)
            // Verses stack leftwards, away from the staff, as in every
            // other notation.
            at = QPointF((line - lo) * s + (r - number) * h, (pos.y() + lt - 0.1 * size) * s + d);
        else if (bunka)
            at = QPointF((ref - lo) * s + (r - number) * h, (pos.y() + lt) * s);
        else
            at = QPointF((line - lo) * s + (r - number) * h, (pos.y() + lt) * s + d);
    }
    at = placedForFit(fit, settings, at, h);
    item->setPos(at);
    lyric->item = item;

    if (!style->lyricsLine) {
        Syllabics *lines = settings->syllabics.at(voice);
        switch (lyric->syllabic) {
        case 1:
            lines->syllabicBegin(m, lyric);
            break;
        case 2:
            lines->syllabicEnd(m, lyric);
            lines->syllabicBegin(m, lyric);
            break;
        case 3:
            lines->syllabicEnd(m, lyric);
            break;
        default:
            break;
        }
    }

    item->setFlag(QGraphicsItem::ItemIsMovable);
    item->setFlag(QGraphicsItem::ItemIsSelectable);
    setLyricItemTag(item, measureIndex, part, voice, noteIndex, lyricIndex);
    item->setAcceptHoverEvents(true);
    item->setCursor(Qt::ArrowCursor);
    scene->addItem(item);
    if (watcher)
        item->installSceneEventFilter(watcher);
    return item;
}

void Score::genLyricItems(int measureIndex, int part, int voice, int noteIndex, const QPointF &pos)
{
    const Part *settings = parts.at(part);
    if (!settings->partOutput || !settings->lyricsOutput)
        return;
    Measure *m = measures.at(measureIndex);
    const Voice *v = m->parts.at(part)->voices.at(voice);
    Note *note = v->notes.at(noteIndex);

    // Drawn lyrics by slot (number - 1); a later lyric of one number wins.
    std::array<Lyrics *, Syllabics::slotCount> drawn{};
    bool anyDrawn = false;
    for (int i = 0; i < note->lyrics.size(); ++i) {
        Lyrics *lyric = note->lyrics.at(i);
        if (note->skipLyrics || lyric->deleted)
            continue;
        if (!genLyricItem(measureIndex, part, voice, noteIndex, i, pos))
            continue;
        anyDrawn = true;
        if (lyric->number >= 1 && lyric->number <= Syllabics::slotCount)
            drawn[lyric->number - 1] = lyric;
    }
    Syllabics *lines = settings->syllabics.at(voice);
    // Lines still open at the score's last note run to its end, whichever
    // kind of line they are.
    const bool scoreEnd = measureIndex == measures.size() - 1 && noteIndex == v->notes.size() - 1;
    if (!style->lyricsLine) {
        if (scoreEnd)
            lines->syllabicToMeasureEnd(m);
        return;
    }

    const bool tiedFromBefore = note->tie == 2 || note->tie == 3;
    if (!tiedFromBefore) {
        // A chord member sounds with the note that opened the lines; only
        // the next event in time closes them.
        const bool endsLines = !note->chord;
        QGraphicsItem *own = m->itemExists(part, voice, note->firstAlignItem)
                                 ? m->getItemGraphicsItem(part, voice, note->firstAlignItem)
                                 : nullptr;
        for (int i = 0; i < Syllabics::slotCount; ++i) {
            if (drawn[i])
                lines->syllabicNoteEnd2(m, i, drawn[i]->item);
            else if (endsLines)
                lines->syllabicNoteEnd2(m, i, own);
        }
    }

    QGraphicsItem *breath = note->breath ? breathItem(m, part, voice, note) : nullptr;
    if (!anyDrawn) {
        if (note->breath)
            lines->syllabicNoteEnd(m, breath);
    } else {
        for (Lyrics *lyric : std::as_const(note->lyrics)) {
            if (lyric->deleted || !lyric->item)
                continue;
            lines->syllabicBegin2(m, lyric);
            if (note->breath)
                lines->syllabicNoteEnd2(m, lyric->number - 1, breath);
        }
    }

    if (scoreEnd)
        lines->syllabicToMeasureEnd(m);
}

QGraphicsItem *Score::breathItem(const Measure *m, int part, int voice, const Note *note) const
{
    // The breath glyph is the last of the note's items.
    const int last = note->alignItemEnd;
    if (!m->itemExists(part, voice, last) || last < note->firstAlignItem)
        return nullptr;
    const AlignItem *item = m->parts.at(part)->voices.at(voice)->alignItems.at(last);
    if (!item->glyphId.startsWith(QLatin1String("Breath")))
        return nullptr;
    return item->graphicsItem;
}
