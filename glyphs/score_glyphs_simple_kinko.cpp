// Score's notation workers of the simple notations (one glyph per note,
// then duration bars and dots) and of traditional Kinko notation, with the
// bars, dots and rests of the simple notations.
#include "glyphs/glyph_worker_support.h"
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"

#include <QDebug>
#include <QGraphicsItem>

#include <algorithm>

using namespace GlyphWorkers;

namespace {

bool dotsSitLow(int style)
{
    return style == NotationStyle::Fue || style == NotationStyle::Traverso;
}

struct BarsAndDots
{
    int bars = 0;
    int dots = 0;
};

BarsAndDots barsAndDotsOf(const Note *note)
{
    if (note->noteType == 1 && note->dots <= 2) {
        static const int wholeBars[] = {3, 5, 6};
        return {wholeBars[note->dots], 0};
    }
    if (note->noteType == 2 && note->dots <= 2) {
        static const BarsAndDots halves[] = {{1, 0}, {2, 0}, {2, 1}};
        return halves[note->dots];
    }
    if (note->noteType >= 4)
        return {0, note->dots};
    return {};
}

} // namespace

QStringList Score::addNoteSimple(Measure *measure, int part, int voice, int noteIndex, int onset,
                                 const QStringList &previous)
{
    Note *note = voiceOf(measure, part, voice)->notes.at(noteIndex);
    QStringList result;
    note->glyphName.clear();

    if (note->rest) {
        const int firstNew = measure->getItemCount(part, voice);
        addSimpleRest(measure, part, voice, note, onset);
        markItemsFrom(note, measure, part, voice, firstNew);
        appendOctaveAndTie(note);
        return result;
    }

    bool drawBars = true;
    if (note->grace) {
        addGraceNoteGlyph(measure, part, voice, note, onset);
        markMainItem(note, measure, part, voice);
        note->glyphName = note->noteName;
        // A short spacer after the last grace note of a run keeps it off
        // the main note.
        const Note *next = voiceOf(measure, part, voice)->notes.value(noteIndex + 1, nullptr);
        if (next && !next->grace)
            addSpacerItem(0.07, measure, part, voice, noteIndex);
    } else if (note->tremoloType == 1) {
        result = addChordGlyphs(measure, part, voice, noteIndex, onset, previous);
        markMainItem(note, measure, part, voice);
        Note *next = noteAfterChord(measure, part, voice, noteIndex);
        if (next && next->tremoloType == 2) {
            const int nextIndex = int(voiceOf(measure, part, voice)->notes.indexOf(next));
            result = addChordGlyphs(measure, part, voice, nextIndex, onset, previous);
            const int last = measure->getItemCount(part, voice) - 1;
            next->alignItemBegin = next->firstAlignItem = next->noteAlignItem = next->alignItemEnd =
                last;
            markLastItem(note, measure, part, voice);
            note->glyphName = note->noteName + QStringLiteral(":Tremolo");
        } else {
            qDebug().noquote() << tremoloUnstopped;
        }
    } else if (note->tremoloType == 2) {
        drawBars = false;
        if (!note->arpeggiate) {
            note->glyphName = note->noteName;
            appendOctaveAndTie(note);
            return result;
        }
    } else {
        result = addChordGlyphs(measure, part, voice, noteIndex, onset, previous);
        markMainItem(note, measure, part, voice);
    }

    if (note->arpeggiate) {
        addArpeggioItem(measure, part, voice, note, onset);
        markLastItem(note, measure, part, voice);
    } else if (note->tremoloType == 2) {
        note->glyphName = note->noteName;
    } else if (note->tremoloType == 3) {
        note->glyphName = note->noteName + QStringLiteral(":Tremolo");
    }

    if (drawBars && !note->noteName.startsWith(QLatin1String("Repeat"))) {
        addBarsSimple(note, measure, part, voice, onset);
        markLastItem(note, measure, part, voice);
    }
    appendOctaveAndTie(note);
    return result;
}

QStringList Score::addNote(Measure *measure, int part, int voice, Note *note, int onset,
                           const QStringList &previous)
{
    note->glyphName.clear();
    if (note->tremoloType == 2)
        return previous;
    note->glyphKind = 0;
    const int noteIndex = int(voiceOf(measure, part, voice)->notes.indexOf(note));
    QStringList result;

    if (!note->rest) {
        if (dSw)
            qDebug().noquote() << "addNote noteName = " + note->noteName;
        if (note->grace) {
            addGraceNoteGlyph(measure, part, voice, note, onset);
            markMainItem(note, measure, part, voice);
            note->glyphName = note->noteName;
        } else {
            result = addChordGlyphs(measure, part, voice, noteIndex, onset, previous);
            markMainItem(note, measure, part, voice);
        }
        if (note->tremoloType == 1) {
            Note *next = noteAfterChord(measure, part, voice, noteIndex);
            if (next && next->tremoloType == 2) {
                // The second note of the tremolo follows small, right after.
                addGraceNoteGlyph(measure, part, voice, next, onset);
                const int last = measure->getItemCount(part, voice) - 1;
                next->alignItemBegin = next->firstAlignItem = next->noteAlignItem =
                    next->alignItemEnd = last;
                note->glyphName =
                    note->noteName + QLatin1Char(':') + next->noteName + QStringLiteral(":Tremolo");
            } else {
                qDebug().noquote() << tremoloUnstopped;
            }
        } else if (note->tremoloType == 3) {
            note->glyphName = note->noteName + QStringLiteral(":Tremolo");
        }
    } else {
        QString id = QStringLiteral("QuarterRest");
        QGraphicsItem *item = measure->addNoteItem3(
            part, voice, id, note->noteType, false, AlignTime, false, 0,
            noteLine(measure, part, voice), onset, getNoteWidth(part, note->noteType), 1.0);
        tagNoteGlyph(this, item, measure, part, voice, noteIndex);
        markMainItem(note, measure, part, voice);
    }

    appendOctaveAndTie(note);
    return result;
}

void Score::addBarsSimple(Note *note, Measure *measure, int part, int voice, int onset)
{
    if (note->chord) {
        note->glyphKind = 0;
        return;
    }
    const int notation = parts.at(part)->notationStyle;
    const double cross = notation == NotationStyle::ShamisenBunka
                             ? stringLine(measure, part, stringNumber(note->noteName))
                             : noteLine(measure, part, voice);
    const double across = squeezeRatio(measure, part, voice, 1);
    const double along = getNoteWidth(part, note->noteType);
    const int step = note->tremoloType == 1 ? 2 * note->duration : note->duration;
    const BarsAndDots drawn = barsAndDotsOf(note);

    // The bars stand at equal subdivisions of the note's length.
    for (int i = 1; i <= drawn.bars; ++i) {
        QString id = verticalForm(this, QStringLiteral("QuarterBar"));
        measure->addNoteItem3(part, voice, id, 4, false, AlignTime, false, 0, cross,
                              int(onset + qint64(i) * step / (drawn.bars + 1)), along, across);
    }
    for (int i = 0; i < drawn.dots; ++i) {
        QString id = QStringLiteral("Dot");
        measure->addNoteItem3(part, voice, id, 32, true, AlignFollowing, false,
                              dotsSitLow(notation) ? 5 : 0, cross, -1, along, across);
    }

    note->glyphKind = drawn.bars + drawn.dots;
    if (drawn.bars > 0)
        note->glyphName += QStringLiteral(":NBar") + QString::number(drawn.bars);
    if (drawn.dots > 0)
        note->glyphName += QStringLiteral(":Dot") + QString::number(drawn.dots);
}

void Score::addSimpleRest(Measure *measure, int part, int voice, Note *note, int onset)
{
    if (measure->multipleRest > 1) {
        note->glyphKind = -1;
        return;
    }
    const int notation = parts.at(part)->notationStyle;
    const int noteIndex = int(voiceOf(measure, part, voice)->notes.indexOf(note));
    const double cross = notation == NotationStyle::ShamisenBunka ? stringLine(measure, part, 1)
                                                                  : noteLine(measure, part, voice);
    const double across = squeezeRatio(measure, part, voice, 1);
    const int d = note->duration;
    const int beats = measure->beats;
    int restCount = 0; // rest glyphs drawn, dots not counted

    auto addRest = [&](const QString &glyphId, int type, int time, int widthType) {
        QString id = glyphId;
        QGraphicsItem *item =
            measure->addNoteItem3(part, voice, id, type, false, AlignTime, false, 0, cross, time,
                                  getNoteWidth(part, widthType), across);
        if (restCount++ == 0)
            tagNoteGlyph(this, item, measure, part, voice, noteIndex);
    };
    // n quarter rests at equal subdivisions of the rest's length.
    auto spread = [&](int n, int widthType) {
        for (int i = 0; i < n; ++i)
            addRest(QStringLiteral("QuarterRest"), 4, int(onset + qint64(i) * d / n), widthType);
    };
    // A rest's dots follow it; those of an eighth-beat measure rest count
    // as eighths.
    auto addDot = [&](bool eighthBeat) {
        const bool low = dotsSitLow(notation);
        int type = 32;
        if (eighthBeat)
            type = 8;
        else if (notation == NotationStyle::TozanTrad)
            type = 4;
        QString id = QStringLiteral("Dot");
        measure->addNoteItem3(part, voice, id, type, true, AlignFollowing, false, low ? 5 : 0,
                              cross, -1, getNoteWidth(part, eighthBeat ? 8 : note->noteType),
                              across);
    };

    // Whether a spread's name waits for the voice's whole-measure flag.
    bool nameNeedsFlag = false;
    const int type = note->noteType;
    if (type == 0 && measure->beatType == 4) {
        spread(beats, 4);
    } else if (type == 0 && measure->beatType == 2) {
        spread(2 * beats, 4);
    } else if (type == 0 && measure->beatType == 8) {
        nameNeedsFlag = true;
        if (beats % 3 == 0 && beats > 0) {
            for (int j = 0; j < beats / 3; ++j) {
                addRest(QStringLiteral("QuarterRest"), 8, int(onset + qint64(j) * 3 * d / beats),
                        8);
                addDot(true);
            }
        } else if (beats == 1) {
            // One eighth beat: one eighth rest, no half-beat dot on its own.
            addRest(QStringLiteral("QuarterRest"), 8, onset, 8);
        } else if (beats > 0) {
            for (int j = 0; j < beats / 2; ++j)
                addRest(QStringLiteral("QuarterRest"), 8, int(onset + qint64(j) * 2 * d / beats),
                        8);
            if (beats % 2 == 1)
                addDot(true);
        }
        note->glyphKind = -1;
    } else if (type == 0) {
        addRest(verticalForm(this, QStringLiteral("WholeRest")), 0, onset, 0);
        note->glyphKind = 0;
    } else if (type == 1) {
        spread(measure->divisions > 0 ? std::max(1, d / measure->divisions) : 1, 1);
    } else if (type == 2) {
        nameNeedsFlag = true;
        spread(note->dots > 0 ? 3 : 2, 4);
    } else {
        addRest(QStringLiteral("QuarterRest"), type, onset, type);
        for (int i = 0; i < note->dots; ++i)
            addDot(false);
        note->glyphKind = note->dots;
    }

    const bool wholeMeasureVoice = measure->parts.at(part)->voiceFlags.value(voice, false);
    const bool wholeRestOutput = parts.at(part)->wholeRestOutput;
    if (wholeMeasureVoice && !wholeRestOutput)
        return;
    if (restCount == 1)
        note->glyphName = QStringLiteral("QuarterRestKinko");
    else if (restCount >= 2 && (!nameNeedsFlag || wholeMeasureVoice))
        note->glyphName = QStringLiteral("QuarterRestKinko:Rest") + QString::number(restCount - 1);
}
