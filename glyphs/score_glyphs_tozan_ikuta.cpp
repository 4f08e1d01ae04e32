// Score's notation workers of traditional Tozan notation and of the Ikuta
// koto and sangen notations, with the Tozan duration bars and the rests of
// both.
#include "glyphs/glyph_worker_support.h"
#include "layout/alignitem.h"
#include "model/measure.h"
#include "model/note.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"

#include <QDebug>
#include <QGraphicsItem>

#include <algorithm>

using namespace GlyphWorkers;

namespace {

// The note that a tremolo's second note is drawn for gets the tremolo's
// indices: it has no glyph of its own.
void pointAtLastItem(Note *note, const Measure *measure, int part, int voice)
{
    const int last = measure->getItemCount(part, voice) - 1;
    note->alignItemBegin = note->firstAlignItem = note->noteAlignItem = note->alignItemEnd = last;
}

struct TozanRestGlyph
{
    QString glyph;
    QString displayName; // empty: the name stays as it is
    bool turns = false;  // has a vertical form
};

TozanRestGlyph tozanRestGlyph(int type)
{
    switch (type) {
    case 0:
    case 1:
        return {QStringLiteral("RestWhole"), QStringLiteral("WholeRestTozan"), true};
    case 2:
        return {QStringLiteral("RestHalf"), QStringLiteral("HalfRestTozan"), true};
    case 4:
        return {QStringLiteral("QuarterRest"), QStringLiteral("QuarterRestTozan")};
    case 8:
        return {QStringLiteral("Rest8th"), QStringLiteral("8thRestTozan")};
    case 16:
        return {QStringLiteral("Rest16th"), QStringLiteral("16thRestTozan")};
    case 32:
        return {QStringLiteral("Rest32nd"), QStringLiteral("32thRestTozan")};
    case 64:
        return {QStringLiteral("Rest64th"), QStringLiteral("64thRestTozan")};
    case 128:
        return {QStringLiteral("Rest128th"), QString()};
    default:
        return {QStringLiteral("Undefined"), QString()};
    }
}

} // namespace

QStringList Score::addNoteTozan(Measure *measure, int part, int voice, Note *note, int onset,
                                const QStringList &previous)
{
    note->glyphName.clear();
    if (note->tremoloType == 2)
        return previous;
    const Voice *v = voiceOf(measure, part, voice);
    const int noteIndex = int(v->notes.indexOf(note));
    QStringList result;

    if (note->rest) {
        const int firstNew = measure->getItemCount(part, voice);
        addTozanRest(measure, part, voice, note, onset);
        markItemsFrom(note, measure, part, voice, firstNew);
        return result;
    }

    if (!note->grace) {
        const Note *next = noteAfterChord(measure, part, voice, noteIndex);
        result = addChordGlyphs(measure, part, voice, noteIndex, onset, previous);
        // A spacer keeps a tuplet quarter, or a note before grace notes,
        // clear of what follows.
        if ((note->noteType == 4 && note->timeModification) || (next && next->grace))
            addSpacerTozan(measure, part, voice, noteIndex, onset + note->duration);
        markLastItem(note, measure, part, voice);
    } else {
        if (dSw)
            qDebug().noquote() << "gracenote ===";
        addGraceNoteGlyph(measure, part, voice, note, onset);
        markMainItem(note, measure, part, voice);
        note->glyphName = note->noteName;
        const Note *next = v->notes.value(noteIndex + 1, nullptr);
        if (next && !next->grace)
            addSpacerItem(0.07, measure, part, voice, noteIndex);
    }

    if (note->tremoloType == 1) {
        Note *second = noteAfterChord(measure, part, voice, noteIndex);
        if (second && second->tremoloType == 2) {
            addGraceNoteGlyph(measure, part, voice, second, onset);
            pointAtLastItem(second, measure, part, voice);
            note->glyphName =
                note->noteName + QLatin1Char(':') + second->noteName + QStringLiteral(":Tremolo");
        } else {
            qDebug().noquote() << tremoloUnstopped;
        }
    } else if (note->tremoloType == 3) {
        note->glyphName = note->noteName + QStringLiteral(":Tremolo");
    }

    if (!note->noteName.startsWith(QLatin1String("Repeat"))) {
        addBarsTozan(note, measure, part, voice, onset);
        markLastItem(note, measure, part, voice);
    }
    appendOctaveAndTie(note);
    return result;
}

void Score::addBarsTozan(Note *note, Measure *measure, int part, int voice, int onset)
{
    if (note->chord) {
        note->glyphKind = 0;
        return;
    }
    const double cross = noteLine(measure, part, voice);
    const double across = squeezeRatio(measure, part, voice, 1);
    int count = 0;
    if (note->noteType == 1) {
        QString id = verticalForm(this, QStringLiteral("Bar3Quarter"));
        measure->addNoteItem3(part, voice, id, note->noteType, false, AlignFollowing, true, 0,
                              cross, onset, 1.0, across);
        count = 1;
    }
    // Each dot is a short bar of half the value before it.
    int k = 5;
    if (note->noteType == 2)
        k = 2;
    else if (note->noteType == 4)
        k = 3;
    else if (note->noteType == 8)
        k = 4;
    // Dots past the shortest note value (128th) keep its width.
    for (int i = 0; i < note->dots; ++i) {
        const int type = 1 << std::min(i + k, 7);
        QString id = verticalForm(this, QStringLiteral("BarQuarter"));
        measure->addNoteItem3(part, voice, id, type, false, AlignFollowing, false, 0, cross, -1,
                              getNoteWidth(part, type), across);
    }
    note->glyphKind = count + note->dots;
    if (note->dots > 0)
        note->glyphName += QStringLiteral(":Dot") + QString::number(note->dots);
}

void Score::addTozanRest(Measure *measure, int part, int voice, Note *note, int onset)
{
    note->glyphKind = 0;
    const int type = note->noteType;
    const TozanRestGlyph rest = tozanRestGlyph(type);
    if (!rest.displayName.isEmpty())
        note->glyphName = rest.turns ? verticalForm(this, rest.displayName) : rest.displayName;
    if (measure->multipleRest > 1)
        return;
    if (type == 3 || (type >= 5 && type <= 7)) {
        qDebug().noquote() << "Error:uncprocessed Tozan Rest type =" << type;
        return;
    }

    const int noteIndex = int(voiceOf(measure, part, voice)->notes.indexOf(note));
    const double cross = noteLine(measure, part, voice);
    const double across = squeezeRatio(measure, part, voice, 1);
    auto addRest = [&](const QString &glyphId, int restType, int time) {
        QString id = glyphId;
        return measure->addNoteItem3(part, voice, id, restType, false, AlignTime, false, 0, cross,
                                     time, getNoteWidth(part, restType), across);
    };

    QGraphicsItem *item =
        addRest(rest.turns ? verticalForm(this, rest.glyph) : rest.glyph, type, onset);
    tagNoteGlyph(this, item, measure, part, voice, noteIndex);

    // A dotted rest adds the rest of its dot's value at the dot's time.
    const int d = note->duration;
    const QString half = verticalForm(this, QStringLiteral("RestHalf"));
    if (note->dots == 1) {
        switch (type) {
        case 1:
            addRest(half, 2, onset + 2 * d / 3);
            break;
        case 2:
            addRest(QStringLiteral("QuarterRest"), 4, onset + 2 * d / 3);
            break;
        case 4:
            addRest(QStringLiteral("Rest8th"), 8, onset + 2 * d / 3);
            break;
        case 8:
            addRest(QStringLiteral("Rest16th"), 16, onset + 2 * d / 3);
            break;
        default:
            return;
        }
        note->glyphKind = 1;
    } else if (note->dots == 2 && type == 1) {
        addRest(half, 2, onset + 4 * d / 7);
        addRest(QStringLiteral("QuarterRest"), 4, onset + 6 * d / 7);
        note->glyphKind = 2;
    }
}

QStringList Score::addNoteIkuta(Measure *measure, int part, int voice, int noteIndex, int onset,
                                const QStringList &previous)
{
    Note *note = voiceOf(measure, part, voice)->notes.at(noteIndex);
    note->glyphName.clear();
    if (note->tremoloType == 2)
        return previous;
    if (note->rest) {
        const int firstNew = measure->getItemCount(part, voice);
        addRestIkuta(measure, part, voice, note, onset);
        markItemsFrom(note, measure, part, voice, firstNew);
        return previous;
    }

    QStringList result;
    if (!note->grace) {
        result = addChordGlyphs(measure, part, voice, noteIndex, onset, previous);
        markMainItem(note, measure, part, voice);
        if (note->tremoloType == 1) {
            Note *second = noteAfterChord(measure, part, voice, noteIndex);
            if (second && second->tremoloType == 2) {
                const int secondIndex = int(voiceOf(measure, part, voice)->notes.indexOf(second));
                result = addChordGlyphs(measure, part, voice, secondIndex, onset, previous);
                pointAtLastItem(second, measure, part, voice);
                markLastItem(note, measure, part, voice);
                note->glyphName = note->noteName + QLatin1Char(':') + second->noteName +
                                  QStringLiteral(":Tremolo");
            } else {
                qDebug().noquote() << tremoloUnstopped;
            }
        }
    } else {
        addGraceNoteGlyph(measure, part, voice, note, onset);
        markMainItem(note, measure, part, voice);
        note->glyphName = note->noteName;
    }

    if (note->arpeggiate) {
        addArpeggioItem(measure, part, voice, note, onset);
        markLastItem(note, measure, part, voice);
    } else if (note->tremoloType == 3) {
        note->glyphName = note->noteName + QStringLiteral(":Tremolo");
    }

    if (!isTieContinuation(note) && !note->noteName.startsWith(QLatin1String("Repeat"))) {
        addNoteExtensionsTimeFrame(note, measure, part, voice, onset);
        markLastItem(note, measure, part, voice);
    }
    return result;
}

void Score::addRestIkuta(Measure *measure, int part, int voice, Note *note, int onset)
{
    if (measure->multipleRest > 1)
        return;
    const int noteIndex = int(voiceOf(measure, part, voice)->notes.indexOf(note));
    const double cross = noteLine(measure, part, voice, note->chordSize, 0);
    const double across = squeezeRatio(measure, part, voice, 1);
    const int d = note->duration;
    const int divisions = measure->divisions;
    int drawn = 0;

    auto addRest = [&](const QString &glyphId, int type, int time, int widthType) {
        QString id = glyphId;
        QGraphicsItem *item =
            measure->addNoteItem3(part, voice, id, type, false, AlignTime, false, 0, cross, time,
                                  getNoteWidth(part, widthType), across);
        item->setVisible(true);
        if (drawn++ == 0)
            tagNoteGlyph(this, item, measure, part, voice, noteIndex);
    };
    auto spread = [&](int n, const QString &glyphId, int type, int widthType) {
        for (int i = 0; i < n; ++i)
            addRest(glyphId, type, onset + i * d / n, widthType);
    };

    const QString quarter = QStringLiteral("QuarterRest");
    const QString eighth = QStringLiteral("8thRest");
    switch (note->noteType) {
    case 0:
        if (measure->beatType == 4)
            spread(measure->beats, quarter, 4, 4);
        else if (measure->beatType == 2)
            spread(2 * measure->beats, quarter, 4, 4);
        else if (measure->beatType == 8)
            spread(measure->beats, eighth, 8, 8);
        else
            addRest(verticalForm(this, QStringLiteral("WholeRest")), 0, onset, 0);
        break;
    case 1:
        for (int i = 0; i < 4; ++i)
            addRest(quarter, 4, onset + i * (d / 4), 1);
        break;
    case 2:
        spread(note->dots > 0 ? 3 : 2, quarter, 4, 4);
        break;
    case 4: {
        // A quarter rest that starts between two beats is split at the beat.
        const bool offBeat = divisions > 0 && onset % divisions != 0;
        const bool onHalfBeat = divisions / 2 > 0 && onset % (divisions / 2) == 0;
        if (measure->beatType == 4 && offBeat && onHalfBeat) {
            addRest(eighth, 4, onset, 8);
            addRest(eighth, 4, onset + d / 2, 8);
        } else {
            addRest(quarter, 4, onset, 4);
            if (note->dots > 0)
                addRest(eighth, 8, onset + 2 * d / 3, 8);
        }
        break;
    }
    case 8:
        addRest(eighth, 8, onset, 8);
        if (note->dots > 0)
            addRest(QStringLiteral("16thRest"), 16, onset + 2 * d / 3, 16);
        break;
    case 16:
        addRest(QStringLiteral("16thRest"), 16, onset, 16);
        break;
    case 32:
        addRest(QStringLiteral("32ndRest"), 32, onset, 32);
        break;
    case 64:
        addRest(QStringLiteral("64thRest"), 64, onset, 64);
        break;
    default:
        break;
    }
}
