#include "document/layoutcost.h"

#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/voice.h"
#include "platform/memorybudget.h"

#include <QCoreApplication>
#include <QDomDocument>

#include <algorithm>

namespace {

// Elements and the characters of their texts, walked without recursion.
void countDocument(const QDomDocument &document, LayoutCost::Estimate &estimate)
{
    QDomNode node = document.documentElement();
    while (!node.isNull()) {
        if (node.isElement())
            ++estimate.elements;
        else if (node.isText())
            estimate.textCharacters += node.nodeValue().size();
        if (node.hasChildNodes()) {
            node = node.firstChild();
            continue;
        }
        while (!node.isNull() && node.nextSibling().isNull())
            node = node.parentNode();
        if (!node.isNull())
            node = node.nextSibling();
    }
}

void countMeasure(const Measure *measure, LayoutCost::Estimate &estimate)
{
    for (const MePart *cell : measure->parts) {
        for (const Voice *voice : cell->voices.madeVoices()) {
            estimate.notes += voice->notes.size();
            estimate.marks += voice->directions.size();
            for (const Note *note : voice->notes) {
                estimate.lyrics += note->lyrics.size();
                estimate.marks += note->lyrics.size() + note->notations.size() +
                                  note->fingerings.size() + note->directives.size();
            }
        }
    }
}

} // namespace

namespace LayoutCost {

qint64 timeTicks(const Measure *measure)
{
    const qint64 divisions = measure->divisions > 0 ? measure->divisions : 1;
    const qint64 limit = 16LL * measure->voiceOneLength;
    return limit > 0 ? (limit + divisions - 1) / divisions : 0;
}

qsizetype elementLimit(qint64 budget)
{
    return qsizetype(std::max<qint64>(0, budget - readBaseBytes) / bytesPerElementRead);
}

QList<DomFromText::ElementWeight> readWeights()
{
    return {{QStringLiteral("measure"), extraPerMeasureRead},
            {QStringLiteral("note"), extraPerNoteRead}};
}

qint64 Estimate::bytes(const Weights &weights) const
{
    return weights.base + elements * weights.element + textCharacters * weights.textCharacter +
           measures * weights.measure + measures * parts * weights.cell + notes * weights.note +
           (marks - lyrics) * weights.mark + lyrics * weights.lyric + ticks * weights.tick;
}

qint64 Estimate::bytes(Path path) const
{
    switch (path) {
    case Path::Saving:
        return bytes(saving);
    case Path::Pages:
        // The load's peak, with the document, or the drawing's, without it.
        return std::max(bytes(loaded), bytes(drawn));
    case Path::Editing:
        break;
    }
    return bytes(editing);
}

Estimate of(const QDomDocument &document, const QList<Measure *> &measures)
{
    Estimate estimate;
    countDocument(document, estimate);
    estimate.measures = measures.size();
    for (const Measure *measure : measures) {
        estimate.parts = std::max(estimate.parts, measure->parts.size());
        estimate.ticks += timeTicks(measure);
        countMeasure(measure, estimate);
    }
    return estimate;
}

} // namespace LayoutCost

namespace {

// Whole mebibytes, rounded up: a need is never shown below what it is.
qint64 mebibytes(qint64 bytes)
{
    return (bytes + MemoryBudget::mebibyte - 1) / MemoryBudget::mebibyte;
}

} // namespace

namespace LayoutCost {

QString refusal(const Estimate &estimate, Path path, qint64 budget)
{
    return QCoreApplication::translate("Score",
                                       "It is too large to lay out. Measures: %L1, parts: %L2, "
                                       "notes: %L3, lyrics and marks: %L4, time steps: %L5 (one "
                                       "per sixty-fourth note of each measure). Laying it out "
                                       "would need about %L6 MB of memory.")
               .arg(estimate.measures)
               .arg(estimate.parts)
               .arg(estimate.notes)
               .arg(estimate.marks)
               .arg(estimate.ticks)
               .arg(mebibytes(estimate.bytes(path))) +
           QLatin1Char(' ') + limitText(budget);
}

QString readRefusal(qsizetype counted, qint64 budget)
{
    return QCoreApplication::translate("Score",
                                       "It is too large to read: it counts as %L1 XML elements "
                                       "(a measure or a note as several, a long text by its "
                                       "length), and reading it would need about %L2 MB of "
                                       "memory.")
               .arg(counted)
               .arg(mebibytes(readBaseBytes + qint64(counted) * bytesPerElementRead)) +
           QLatin1Char(' ') + limitText(budget);
}

QString limitText(qint64 budget)
{
    QString limit;
    switch (MemoryBudget::source()) {
    case MemoryBudget::Source::Variable:
        limit = QCoreApplication::translate("Score", "The limit is %L1 MB, set by the environment "
                                                     "variable %2.")
                    .arg(mebibytes(budget))
                    .arg(QLatin1String(MemoryBudget::variable));
        break;
    case MemoryBudget::Source::Machine:
        limit = QCoreApplication::translate("Score", "The limit is %L1 MB, half of this "
                                                     "computer's memory.")
                    .arg(mebibytes(budget));
        break;
    case MemoryBudget::Source::Floor:
        limit = QCoreApplication::translate("Score", "The limit is %L1 MB, the least Velmora "
                                                     "allows.")
                    .arg(mebibytes(budget));
        break;
    case MemoryBudget::Source::Container:
        limit = QCoreApplication::translate("Score", "The limit is %L1 MB, half of the memory "
                                                     "this computer's container allows (%L2 MB).")
                    .arg(mebibytes(budget))
                    .arg(MemoryBudget::containerBytes() / MemoryBudget::mebibyte);
        break;
    case MemoryBudget::Source::AddressSpace:
        limit = QCoreApplication::translate("Score", "The limit is %L1 MB, what the process's "
                                                     "address-space limit (ulimit -v, %L2 MB) "
                                                     "leaves.")
                    .arg(mebibytes(budget))
                    .arg(MemoryBudget::addressSpaceLimitBytes() / MemoryBudget::mebibyte);
        break;
    }
    const QString fault = MemoryBudget::variableFault();
    if (!fault.isEmpty())
        limit += QLatin1Char(' ') + fault;
    switch (MemoryBudget::source()) {
    case MemoryBudget::Source::Container:
    case MemoryBudget::Source::AddressSpace:
        return limit + QLatin1Char(' ') +
               QCoreApplication::translate("Score", "To raise it, run Velmora with a larger "
                                                    "limit, or split the score into shorter "
                                                    "scores.");
    default:
        return limit + QLatin1Char(' ') +
               QCoreApplication::translate("Score",
                                           "To raise it, set %1 to a larger number of megabytes "
                                           "and start Velmora again, or split the score into "
                                           "shorter scores.")
                   .arg(QLatin1String(MemoryBudget::variable));
    }
}

} // namespace LayoutCost
