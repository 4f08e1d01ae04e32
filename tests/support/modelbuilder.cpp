#include "support/modelbuilder.h"

#include "layout/aligner.h"
#include "layout/layouter.h"
#include "model/direction.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/part.h"
#include "model/score.h"
#include "model/voice.h"

#include <QRegularExpression>
#include <QStringList>

namespace TestSupport {

namespace {

const QRegularExpression &tokenPattern()
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^(\+)?(g)?(?:(r)|([A-G])(##|#|bb|b)?(-?\d+))/(\d+)(\.*)(?:=(\d+))?(?:~(\d))?(?:@(\d))?$)"));
    return pattern;
}

int alterOf(const QString &accidental)
{
    if (accidental == QLatin1String("#"))
        return 1;
    if (accidental == QLatin1String("##"))
        return 2;
    if (accidental == QLatin1String("b"))
        return -1;
    if (accidental == QLatin1String("bb"))
        return -2;
    return 0;
}

QString accidentalOf(int alter)
{
    switch (alter) {
    case 1:
        return QStringLiteral("#");
    case 2:
        return QStringLiteral("##");
    case -1:
        return QStringLiteral("b");
    case -2:
        return QStringLiteral("bb");
    default:
        return QString();
    }
}

// What a note of this type and dots lasts in the measure, in divisions.
int nominalDuration(const Note *note, const Measure *measure)
{
    if (note->grace)
        return 0;
    if (note->noteType == 0) {
        if (note->rest && measure->beatType > 0)
            return measure->beats * measure->divisions * 4 / measure->beatType;
        return 8 * measure->divisions; // breve
    }
    int part = measure->divisions * 4 / note->noteType;
    int duration = part;
    for (int dot = 0; dot < note->dots; ++dot) {
        part /= 2;
        duration += part;
    }
    return duration;
}

// The voice as the measure parser leaves it after reading its notes.
void completeVoice(Measure *measure, int partIndex, int voiceIndex)
{
    MePart *cell = measure->parts.at(partIndex);
    Voice *voice = cell->voices.use(voiceIndex);
    voice->hasNotes = !voice->notes.isEmpty();
    const int length = voice->deriveNoteData();
    if (voiceIndex == 0 && voice->hasNotes)
        measure->voiceOneLength = length;
    for (const Note *note : std::as_const(voice->notes))
        cell->flagStaffVoice(note->staff, note->voice - 1);
    measure->emptyParts[partIndex] = cell->voices.first()->notes.isEmpty();

    bool restOnly = true;
    for (int v = 0; v < MePart::voiceCount; ++v) {
        const QList<Note *> &notes = cell->voices.at(v)->notes;
        const bool wholeRest =
            notes.size() == 1 && notes.first()->rest && notes.first()->noteType == 0;
        cell->voiceFlags[v] = wholeRest;
        restOnly = restOnly && (notes.isEmpty() || wholeRest);
    }
    cell->restOnly = restOnly;
}

QString noteToken(const Note *note, const Measure *measure)
{
    QString token;
    if (note->chord)
        token += QLatin1Char('+');
    if (note->grace)
        token += QLatin1Char('g');
    if (note->rest)
        token += QLatin1Char('r');
    else
        token += note->step + accidentalOf(note->alter) + QString::number(note->octave);
    token += QLatin1Char('/') + QString::number(note->noteType);
    token += QString(note->dots, QLatin1Char('.'));
    if (note->duration != nominalDuration(note, measure))
        token += QLatin1Char('=') + QString::number(note->duration);
    if (note->tie != 0)
        token += QLatin1Char('~') + QString::number(note->tie);
    if (note->staff != 0)
        token += QLatin1Char('@') + QString::number(note->staff);
    return token;
}

QString flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString partLine(int index, const Part *part)
{
    const QStringList settings = {
        QStringLiteral("name=\"%1\"").arg(part->partName),
        QStringLiteral("abbreviation=\"%1\"").arg(part->partAbbreviation),
        QStringLiteral("style=%1").arg(part->notationStyle),
        QStringLiteral("key=%1").arg(part->instrumentKey),
        QStringLiteral("font=\"%1\"").arg(part->noteFontName),
        QStringLiteral("size=%1").arg(part->noteFontSize),
        QStringLiteral("widthScale=%1").arg(part->partWidthScale),
        QStringLiteral("shift=%1").arg(part->partShift),
        QStringLiteral("boundaries=%1%2")
            .arg(flag(part->boundaryLeftBottom), flag(part->boundaryRightTop)),
        QStringLiteral("ticks=%1%2").arg(flag(part->timeTicks), flag(part->timeTicks16th)),
        QStringLiteral("widths=%1,%2,%3,%4,%5,%6")
            .arg(part->noteWidth1)
            .arg(part->noteWidth2)
            .arg(part->noteWidth4)
            .arg(part->noteWidth8)
            .arg(part->noteWidth16)
            .arg(part->noteWidth32),
        QStringLiteral("interval=%1").arg(part->noteInterval),
        QStringLiteral("alignInTime=%1").arg(flag(part->alignInTime)),
        QStringLiteral("lyricsFont=\"%1\"").arg(part->lyricsFont.toString()),
        QStringLiteral("output=%1%2%3%4%5%6")
            .arg(flag(part->partOutput), flag(part->partWholeRestLine), flag(part->noteOutput),
                 flag(part->lyricsOutput), flag(part->wholeRestOutput), flag(part->slurOutput)),
        QStringLiteral("staffNote=%1:%2:%3%4%5%6%7%8%9")
                .arg(flag(part->staffNoteOutput))
                .arg(part->staffNoteLyricStart)
                .arg(flag(part->staffNoteTieStopOutput), flag(part->staffNoteBeams),
                     flag(part->staffNoteInverseOrder), flag(part->staffNoteOctaveInst),
                     flag(part->staffNoteBreathMark), flag(part->staffNoteTremoloLine),
                     flag(part->staffNoteExtensionBarDot)) +
            flag(part->staffNoteRestNote),
        QStringLiteral("staves=%1").arg(part->staffCount),
    };
    return QStringLiteral("part %1: %2").arg(index).arg(settings.join(QLatin1Char(' ')));
}

QString measureLine(int index, const Measure *m)
{
    return QStringLiteral("measure %1: number=%2 time=%3/%4 divisions=%5 key=%6 "
                          "barlines=%7:%8/%9:%10 ending=%11\"%12\" break=%13 scale=%14 "
                          "multipleRest=%15")
        .arg(index)
        .arg(m->number)
        .arg(m->beats)
        .arg(m->beatType)
        .arg(m->divisions)
        .arg(m->fifths)
        .arg(m->leftBarStyle)
        .arg(m->leftRepeat)
        .arg(m->rightBarStyle)
        .arg(m->rightRepeat)
        .arg(m->endingType)
        .arg(m->endingNumberText)
        .arg(m->userBreakType)
        .arg(m->userScale)
        .arg(m->multipleRest);
}

QString directionLine(const Direction *d)
{
    QString line = QStringLiteral("    direction at %1: kind=%2 number=%3 staff=%4 \"%5\"")
                       .arg(d->noteIndex)
                       .arg(d->kind)
                       .arg(d->number)
                       .arg(d->staff)
                       .arg(d->text);
    if (d->moved)
        line += QStringLiteral(" offset=(%1,%2)").arg(d->x).arg(d->y);
    return line;
}

} // namespace

ModelBuilder::ModelBuilder(Score *score) : m_score(score) {}

Part *ModelBuilder::addPart(const QString &name, int notationStyle)
{
    auto *part = new Part(m_score);
    m_score->setPartDefaults(part);
    part->partName = name;
    part->notationStyle = notationStyle;
    m_score->parts.append(part);
    m_score->numParts = int(m_score->parts.size());
    for (Measure *measure : std::as_const(m_score->measures)) {
        measure->parts.append(new MePart);
        measure->emptyParts.append(true);
        measure->partForwardFlags.append(false);
        measure->simileParts.append(false);
        measure->layouter->resetLists();
    }
    return part;
}

Measure *ModelBuilder::addMeasure(int beats, int beatType, int divisions)
{
    auto *measure = new Measure(m_score);
    measure->number = int(m_score->measures.size()) + 1;
    measure->beats = beats;
    measure->beatType = beatType;
    measure->divisions = divisions;
    for (int p = 0; p < m_score->parts.size(); ++p) {
        measure->parts.append(new MePart);
        measure->emptyParts.append(true);
        measure->partForwardFlags.append(false);
        measure->simileParts.append(false);
    }
    measure->aligner = new Aligner(m_score);
    m_score->measures.append(measure);
    m_score->numMeasures = int(m_score->measures.size());
    return measure;
}

Note *ModelBuilder::parseToken(const QString &token, const Measure *measure) const
{
    const QRegularExpressionMatch match = tokenPattern().match(token);
    if (!match.hasMatch())
        qFatal("ModelBuilder: bad note token \"%s\"", qPrintable(token));
    auto *note = new Note;
    note->chord = !match.captured(1).isEmpty();
    note->grace = !match.captured(2).isEmpty();
    note->rest = !match.captured(3).isEmpty();
    if (!note->rest) {
        note->step = match.captured(4);
        note->alter = alterOf(match.captured(5));
        note->octave = match.captured(6).toInt();
    }
    note->noteType = match.captured(7).toInt();
    note->dots = int(match.captured(8).size());
    note->duration =
        match.captured(9).isEmpty() ? nominalDuration(note, measure) : match.captured(9).toInt();
    note->tie = match.captured(10).toInt();
    note->staff = match.captured(11).toInt();
    return note;
}

QList<Note *> ModelBuilder::addNotes(int part, int voiceNumber, const QString &tokens)
{
    Measure *measure = m_score->measures.last();
    Voice *voice = measure->parts.at(part)->voices.use(voiceNumber - 1);
    QList<Note *> added;
    const QStringList list = tokens.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &token : list) {
        Note *note = parseToken(token, measure);
        note->voice = voiceNumber;
        voice->notes.append(note);
        added.append(note);
    }
    completeVoice(measure, part, voiceNumber - 1);
    return added;
}

Direction *ModelBuilder::addDirection(int part, int voiceNumber, int noteIndex, int kind,
                                      const QString &text)
{
    Voice *voice = m_score->measures.last()->parts.at(part)->voices.use(voiceNumber - 1);
    auto *direction = new Direction;
    direction->noteIndex = noteIndex;
    direction->kind = kind;
    direction->text = text;
    voice->directions.append(direction);
    return direction;
}

QString dumpModel(const Score *score)
{
    QStringList lines;
    for (int p = 0; p < score->parts.size(); ++p)
        lines << partLine(p, score->parts.at(p));
    for (int m = 0; m < score->measures.size(); ++m) {
        const Measure *measure = score->measures.at(m);
        lines << measureLine(m, measure);
        for (int p = 0; p < measure->parts.size(); ++p) {
            for (int v = 0; v < MePart::voiceCount; ++v) {
                const Voice *voice = measure->parts.at(p)->voices.at(v);
                if (voice->notes.isEmpty() && voice->directions.isEmpty())
                    continue;
                QStringList tokens;
                for (const Note *note : voice->notes)
                    tokens << noteToken(note, measure);
                lines << QStringLiteral("  part %1 voice %2: %3")
                             .arg(p)
                             .arg(v + 1)
                             .arg(tokens.join(QLatin1Char(' ')));
                for (const Direction *direction : voice->directions)
                    lines << directionLine(direction);
            }
        }
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace TestSupport
