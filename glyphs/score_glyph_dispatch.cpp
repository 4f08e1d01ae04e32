// Score's note glyph dispatch: every chord of every voice turned into its
// run of glyph items and aligned items (opening marks, beat spacer, the
// notation worker's glyphs, closing marks, breath), and the two ways of
// making a glyph item.
#include "glyphs/glyph_worker_support.h"
#include "layout/alignitem.h"
#include "layout/layouter.h"
#include "model/directive.h"
#include "model/glyphitem.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/notefonts.h"
#include "model/page.h"
#include "model/part.h"
#include "model/score.h"
#include "model/style.h"
#include "model/voice.h"

#include <QTransform>

using GlyphWorkers::voiceOf;

namespace {

constexpr int tremoloStop = 2;
constexpr int beamContinue = 2;
// Glyph classes of Measure::addNoteItem3.
constexpr int plainWidth = 0;
constexpr int spacerWidth = 6;

// The directive's keyword: its text without the leading dot.
QString keywordOf(const Directive *directive)
{
    const QString &text = directive->text;
    return text.startsWith(QLatin1Char('.')) ? text.mid(1) : text;
}

bool isSuru(const QString &keyword)
{
    return keyword == QLatin1String("su") || keyword == QString(QChar(0x30B9));
}

// Styles that never take the beat spacer.
bool takesBeatSpacer(int style)
{
    return style != NotationStyle::KinkoTrad && style != NotationStyle::KotoIkuta &&
           style != NotationStyle::SangenIkuta && style != NotationStyle::StaffNotation;
}

// True when `onset` falls on a beat of the measure. A measure whose
// divisions give no beat length (0, negative, or an eighth of a single
// division) has no beat positions.
bool onBeatForSpacer(const Measure *measure, int onset)
{
    int beat = 0;
    if (measure->beatType == 4)
        beat = measure->divisions;
    else if (measure->beatType == 8 && measure->beats % 3 == 0)
        beat = measure->divisions / 2 * 3;
    return beat > 0 && onset % beat == 0;
}

} // namespace

QStringList Score::collectVoiceGlyphIds(Measure *measure, int part, int voice,
                                        const QStringList &previous)
{
    // A multi-measure rest draws its own bar; its measures get no glyphs.
    if (measure->emptyParts.value(part) || measure->multipleRest > 1 || measure->multiRestCount > 1)
        return {};
    const Voice *v = voiceOf(measure, part, voice);
    if (v->notes.isEmpty())
        return {};

    if (parts.at(part)->notationStyle == NotationStyle::StaffNotation)
        setStaffStemDirections(measure, part, voice);

    QStringList list = previous;
    const int count = int(v->notes.size());
    for (int i = 0; i < count;) {
        const Note *note = v->notes.at(i);
        list = addNoteGlyphs(measure, part, voice, i, note->startTime, list);
        if (note->chordSize >= 1)
            i += note->chordSize;
        else if (note->tremoloType == 1)
            i += 2;
        else
            i += 1;
    }
    return list;
}

QStringList Score::addNoteGlyphs(Measure *measure, int part, int voice, int noteIndex, int onset,
                                 const QStringList &previous)
{
    Voice *v = voiceOf(measure, part, voice);
    Note *note = v->notes.at(noteIndex);
    const bool tremoloStopNote = note->tremoloType == tremoloStop;
    if (!tremoloStopNote) {
        note->alignItemBegin = measure->getItemCount(part, voice);
        note->firstAlignItem = note->alignItemBegin;
    }

    addNoteOpenMarks(measure, part, voice, note, onset);

    const int style = parts.at(part)->notationStyle;
    if (this->style->insertNoteSpacer && takesBeatSpacer(style))
        addSpacer(measure, part, voice, noteIndex, onset);

    // Each chord note's own glyphs start here until its worker says where.
    if (!tremoloStopNote && note->chordSize >= 1) {
        const int first = measure->getItemCount(part, voice);
        for (int k = 0; k < note->chordSize && noteIndex + k < v->notes.size(); ++k)
            v->notes.at(noteIndex + k)->firstAlignItem = first + k;
    }

    QStringList result;
    switch (style) {
    case NotationStyle::KinkoSimple:
    case NotationStyle::TozanSimple:
    case NotationStyle::Fue:
    case NotationStyle::KotoSeiha:
    case NotationStyle::SangenYamada:
    case NotationStyle::ShamisenBunka:
    case NotationStyle::Doremi:
    case NotationStyle::Percussion:
    case NotationStyle::Traverso:
        result = addNoteSimple(measure, part, voice, noteIndex, onset, previous);
        break;
    case NotationStyle::KinkoTrad:
        result = addNote(measure, part, voice, note, onset, previous);
        break;
    case NotationStyle::TozanTrad:
        result = addNoteTozan(measure, part, voice, note, onset, previous);
        break;
    case NotationStyle::KotoIkuta:
    case NotationStyle::SangenIkuta:
        result = addNoteIkuta(measure, part, voice, noteIndex, onset, previous);
        break;
    case NotationStyle::StaffNotation:
        addStaffNote(measure, part, voice, noteIndex, onset);
        break;
    default:
        break;
    }

    addNoteCloseMarks(measure, part, voice, note, onset);
    note->alignItemEnd = measure->getItemCount(part, voice) - 1;
    if (note->breath) {
        addBreathItem(measure, part, voice, note, onset);
        note->alignItemEnd = measure->getItemCount(part, voice) - 1;
    }
    return result;
}

void Score::addNoteOpenMarks(Measure *measure, int part, int voice, Note *note, int onset)
{
    const int noteIndex = int(voiceOf(measure, part, voice)->notes.indexOf(note));
    const QString suffix = page->horizontal ? QString() : QStringLiteral("_V");
    for (int d = 0; d < note->directives.size(); ++d) {
        Directive *directive = note->directives.at(d);
        if (directive->kind != 1 || directive->deleted)
            continue;
        const QString keyword = keywordOf(directive);
        QGraphicsItem *item = nullptr;
        if (keyword == QLatin1String("(")) {
            item = createScaledMarkItem(QStringLiteral("LPar") + suffix, 0.6, 1.0, measure, part,
                                        voice, noteIndex, AlignLeading);
        } else if (keyword == QLatin1String("gray(")) {
            ghostNotes = true;
            item = createScaledMarkItem(QStringLiteral("GrayLPar") + suffix, 0.6, 1.0, measure,
                                        part, voice, noteIndex, AlignLeading);
        } else if (keyword == QLatin1String("whiteSpaceBefore")) {
            item = createScaledMarkItem(QStringLiteral("WhiteSpace") + suffix, 0.5, 0.5, measure,
                                        part, voice, noteIndex, AlignLeading);
        } else if (keyword == QLatin1String("kinkoRa")) {
            QString id = QStringLiteral("KinkoRa");
            item = measure->addNoteItem3(part, voice, id, 4, true, AlignLeading, false, plainWidth,
                                         measure->layouter->chordNotePos(part, voice, 1, 0, false),
                                         onset, getNoteWidth(part, 4), 1.0);
        }
        if (!item)
            continue;
        item->setFlag(QGraphicsItem::ItemIsSelectable);
        setDirectiveItemTag(item, measure->indexInScore(), part, voice, noteIndex, d);
        directive->item = item;
    }
}

void Score::addNoteCloseMarks(Measure *measure, int part, int voice, Note *note, int onset)
{
    const int noteIndex = int(voiceOf(measure, part, voice)->notes.indexOf(note));
    const QString suffix = page->horizontal ? QString() : QStringLiteral("_V");
    const double size = parts.at(part)->noteFontSize;
    for (int d = 0; d < note->directives.size(); ++d) {
        Directive *directive = note->directives.at(d);
        if (directive->kind != 2 || directive->deleted)
            continue;
        const QString keyword = keywordOf(directive);
        const double noteLine = measure->layouter->chordNotePos(part, voice, 1, 0, false);
        QGraphicsItem *item = nullptr;
        if (keyword == QLatin1String(")")) {
            item = createScaledMarkItem(QStringLiteral("RPar") + suffix, 0.6, 1.0, measure, part,
                                        voice, noteIndex, AlignFollowing);
        } else if (keyword == QLatin1String("gray)")) {
            item = createScaledMarkItem(QStringLiteral("GrayRPar") + suffix, 0.6, 1.0, measure,
                                        part, voice, noteIndex, AlignFollowing);
            ghostNotes = false;
        } else if (isSuru(keyword)) {
            QString id = QStringLiteral("Suru");
            item = measure->addNoteItem3(part, voice, id, 16, true, AlignFree, false, plainWidth,
                                         noteLine - 0.3 * size, onset, getNoteWidth(part, 4), 1.0);
        } else if (keyword == QLatin1String("whiteSpaceAfter")) {
            item = createScaledMarkItem(QStringLiteral("WhiteSpace") + suffix, 0.5, 0.5, measure,
                                        part, voice, noteIndex, AlignFollowing);
        } else if (keyword == QLatin1String("restKinko")) {
            QString spacer = QStringLiteral("Spacer");
            measure->addNoteItem3(part, voice, spacer, 32, true, AlignFollowing, false, spacerWidth,
                                  0.0, onset, 1.0, 1.0);
            QString id = QStringLiteral("RestKinko");
            item = measure->addNoteItem3(part, voice, id, 16, true, AlignFollowing, false,
                                         plainWidth, noteLine, onset, getNoteWidth(part, 4), 1.0);
        }
        if (!item)
            continue;
        item->setFlag(QGraphicsItem::ItemIsSelectable);
        setDirectiveItemTag(item, measure->indexInScore(), part, voice, noteIndex, d);
        directive->item = item;
    }
}

void Score::addSpacer(Measure *measure, int part, int voice, int noteIndex, int onset)
{
    const Voice *v = voiceOf(measure, part, voice);
    const Note *note = v->notes.at(noteIndex);
    if (note->grace || onset == 0 || note->beamTypes.at(0) == beamContinue)
        return;
    const Note *previous = noteIndex > 0 ? v->notes.at(noteIndex - 1) : nullptr;
    if (previous && (previous->grace || previous->breath))
        return;

    const bool tozanQuarter =
        parts.at(part)->notationStyle == NotationStyle::TozanTrad && note->noteType == 4;
    if (!tozanQuarter && !onBeatForSpacer(measure, onset))
        return;
    QString id = QStringLiteral("Spacer");
    measure->addNoteItem3(part, voice, id, 32, true, AlignLeading, false, spacerWidth, 0.0, onset,
                          style->noteSpacerRatio, 1.0);
}

void Score::addBreathItem(Measure *measure, int part, int voice, Note *note, int onset)
{
    const bool horizontal = page->horizontal;
    const QString id = horizontal ? QStringLiteral("Breath") : QStringLiteral("Breath_V");
    QGraphicsItem *item = createNoteSvgItem(part, id, false);
    const Part *p = parts.at(part);
    const double size = p->noteFontSize;
    const double width = 0.36 * size;

    double cross = -size;
    QPointF offset(0.0, -size);
    if (!horizontal) {
        if (p->notationStyle == NotationStyle::StaffNotation) {
            cross = 0.6 * size;
            offset = QPointF(0.6 * size, 0.0);
        } else {
            const double line = p->notationStyle == NotationStyle::ShamisenBunka
                                    ? measure->layouter->chordNotePos2(part, 1, 0)
                                    : measure->layouter->chordNotePos(part, voice, 1, 0, false);
            cross = line;
            offset = QPointF(line, 0.25 * width);
        }
    }
    appendNoteAlignItem(measure, part, voice, note->staff, width, id, width, 1.0, AlignLeading,
                        onset, item, cross, offset.x(), offset.y());
    if (note->longRepeatMemberFlag)
        item->setVisible(false);
    note->glyphName += QStringLiteral(":Breath");
}

QGraphicsItem *Score::createNoteSvgItem(int part, const QString &glyphId, bool common)
{
    const Part *p = parts.at(part);
    GlyphItem *item = GlyphItems::create(common ? commonRenderer : p->noteFontRenderer, glyphId);
    const double scale = p->noteFontSize * page->glyphScale;
    item->setTransform(QTransform::fromScale(scale, scale));
    return item;
}

QGraphicsItem *Score::createScaledMarkItem(const QString &glyphId, double lengthFactor,
                                           double scaleFactor, Measure *measure, int part,
                                           int voice, int noteIndex, int kind)
{
    QGraphicsItem *item = createNoteSvgItem(part, glyphId, true);
    const double size = parts.at(part)->noteFontSize;
    const double scale = size * page->glyphScale * scaleFactor;
    item->setTransform(QTransform::fromScale(scale, scale));

    const double line = measure->layouter->chordNotePos(part, voice, 1, 0, false);
    const QPointF offset = page->horizontal ? QPointF(0.0, line) : QPointF(line, 0.0);
    const Note *note = voiceOf(measure, part, voice)->notes.at(noteIndex);
    appendNoteAlignItem(measure, part, voice, note->staff, lengthFactor * size, glyphId,
                        lengthFactor * size, size, kind, -1, item, 0.0, offset.x(), offset.y());
    return item;
}

int Score::appendNoteAlignItem(Measure *measure, int part, int voice, int staff, double width,
                               const QString &glyphId, double along, double across, int kind,
                               int time, QGraphicsItem *item, double cross, double offsetX,
                               double offsetY)
{
    QList<AlignItem *> &items = voiceOf(measure, part, voice)->alignItems;
    auto *aligned = new AlignItem;
    if (!items.isEmpty()) {
        const AlignItem *last = items.last();
        aligned->position = kind == AlignOverlay ? last->position : last->position + last->width;
    }
    aligned->width = width;
    aligned->kind = kind;
    aligned->glyphId = glyphId;
    aligned->length = along;
    aligned->breadth = across;
    aligned->time = time;
    aligned->staff = staff;
    aligned->baseOffset = cross;
    aligned->refOffsetX = offsetX;
    aligned->refOffsetY = offsetY;
    aligned->graphicsItem = item;
    items.append(aligned);
    return int(items.size()) - 1;
}
