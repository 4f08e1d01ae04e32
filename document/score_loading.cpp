// Score's loader: the document reader that takes the settings, part list,
// credits and part elements of a score-partwise document, and the measure
// builder. The measure parser fills the measures afterwards.
#include "model/score.h"

#include "document/domfromtext.h"
#include "document/layoutcost.h"
#include "document/messagetext.h"
#include "document/settingsvalues.h"
#include "layout/aligner.h"
#include "model/credit.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/page.h"
#include "model/part.h"
#include "model/selecteddirection.h"
#include "model/selecteddirective.h"
#include "model/selectednotation.h"
#include "model/selectednote.h"
#include "model/style.h"
#include "model/voice.h"
#include "platform/memorybudget.h"
#include "platform/prompter.h"
#include "view/scene.h"

#include <QCoreApplication>
#include <QDebug>
#include <QUndoStack>

#include <memory>
#include <utility>

using SettingsValues::forEachChildElement;

namespace {

const QLatin1String partwiseTag("score-partwise");
const QLatin1String measureTag("measure");

// The name a document gives when its identification names no software.
const QString unknownSoftware = QStringLiteral("Unknow");

QList<QDomElement> childElements(const QDomElement &parent, const QString &tag)
{
    QList<QDomElement> result;
    for (QDomElement e = parent.firstChildElement(tag); !e.isNull(); e = e.nextSiblingElement(tag))
        result.append(e);
    return result;
}

// Each part list replaces the parts of the one before, so the last counts.
int scorePartCount(const QDomElement &scorePartwise)
{
    const QDomElement list = scorePartwise.lastChildElement(QStringLiteral("part-list"));
    return int(childElements(list, QStringLiteral("score-part")).size());
}

// The first child element of `part` that is not a measure, or a null element.
QDomElement strayChild(const QDomElement &part)
{
    for (QDomElement e = part.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() != measureTag)
            return e;
    }
    return QDomElement();
}

QString partLabel(const QDomElement &part, int index)
{
    const QString id = part.attribute(QStringLiteral("id"));
    return id.isEmpty()
               ? QString::number(index + 1)
               : QStringLiteral("%1 (\"%2\")").arg(index + 1).arg(MessageText::visible(id));
}

QString partListRefusal(int named, int held)
{
    const char *context = "Score";
    if (named == 1)
        return QCoreApplication::translate(context,
                                           "Its part list names one part, but it holds no part's "
                                           "music.");
    if (held == 0)
        return QCoreApplication::translate(context,
                                           "Its part list names %1 parts, but it holds no part's "
                                           "music.")
            .arg(named);
    if (held == 1)
        return QCoreApplication::translate(context,
                                           "Its part list names %1 parts, but it holds the music "
                                           "of only one.")
            .arg(named);
    return QCoreApplication::translate(context,
                                       "Its part list names %1 parts, but it holds the music of "
                                       "only %2.")
        .arg(named)
        .arg(held);
}

// Reads an identification: the software its encoding names, if any. Its
// rights stay in the document, every one of them: a load that dropped one
// would lose a rights line on each save and reload.
void readIdentification(const QDomElement &identification, QString &software)
{
    const QDomElement encoding = identification.firstChildElement(QStringLiteral("encoding"));
    if (encoding.isNull())
        return;
    const QDomElement name = encoding.firstChildElement(QStringLiteral("software"));
    if (!name.isNull())
        software = name.text();
}

} // namespace

std::optional<QString> Score::parseScoreXml(bool readEnv)
{
    // The document holds everything the text said, and saving builds the
    // text anew from it; on a long score the text is as large as the
    // model's notes, and the parser lets go of it as soon as the document
    // is built.
    std::optional<QString> software = loadText(std::exchange(documentText, QString()));
    // Settings carried over from the imitated score land on a new model
    // only; a refused load keeps the old one, which has its own.
    if (software && readEnv)
        readVelmoraEnv();
    return software;
}

std::optional<QString> Score::parseScorePartwise()
{
    const QString fault = documentFault(document);
    if (!fault.isEmpty()) {
        refuseLoad(fault);
        return std::nullopt;
    }
    releaseModel();
    return readScorePartwise(document.firstChildElement(partwiseTag));
}

bool Score::reparseScore()
{
    return loadDocument(document).has_value();
}

void Score::cutLongTexts(QDomDocument &document)
{
    QString where;
    const int cut = DomFromText::cutLongTexts(document, &where);
    if (cut == 0)
        return;
    const QString line = tr("%n text(s) longer than %1 characters cut to that length, the first "
                            "at %2.",
                            nullptr, cut)
                             .arg(DomFromText::longestText)
                             .arg(where);
    qInfo().noquote() << line;
    appendLog(line + QLatin1Char('\n'));
    // The texts differ from the file's from now on, and a save keeps them
    // so: the user hears of it, not only the log.
    const QString path = filePath.isEmpty() ? musicXmlFilePath : filePath;
    Prompter::instance().information(
        this, tr("Velmora"), path.isEmpty() ? line : QStringLiteral("%1\n%2").arg(path, line));
}

std::optional<QString> Score::loadText(QString text)
{
    QDomDocument parsed;
    QString where;
    const qint64 budget = MemoryBudget::bytes();
    const qsizetype elementLimit = LayoutCost::elementLimit(budget);
    qsizetype counted = 0;
    switch (DomFromText::read(std::move(text), parsed, &where, elementLimit,
                              LayoutCost::readWeights(), &counted)) {
    case DomFromText::Fault::None:
        cutLongTexts(parsed);
        return loadDocument(parsed);
    case DomFromText::Fault::NotXml:
        refuseLoad(tr("The file is not XML (%1).").arg(where));
        break;
    case DomFromText::Fault::TooDeep:
        refuseLoad(tr("Its elements are nested deeper than %1 levels (%2).")
                       .arg(DomFromText::maxDepth)
                       .arg(where));
        break;
    case DomFromText::Fault::TooLarge:
        refuseLoad(LayoutCost::readRefusal(counted, budget));
        break;
    }
    return std::nullopt;
}

std::optional<QString> Score::loadDocument(const QDomDocument &candidate)
{
    const QString fault = documentFault(candidate);
    if (!fault.isEmpty()) {
        refuseLoad(fault);
        return std::nullopt;
    }

    // The new model is built while the old one is held aside, whole, with
    // everything that points into it (picture, undo stack, selections): a
    // note the model cannot hold is only found once the measures are read,
    // and the refusal must then leave the score exactly as it was. The
    // settings are read over the current ones, as every load does.
    HeldModel held;
    held.document = candidate;
    held.creatorVersion = creatorVersion;
    held.lastUpdate = lastUpdate;
    held.wordFontFamily = wordFontFamily;
    held.lyricFontFamily = lyricFontFamily;
    swapModel(held);
    const std::unique_ptr<Page> pageBefore(page->clone());
    const std::unique_ptr<Style> styleBefore(style->clone());

    const QString software = readScorePartwise(document.firstChildElement(partwiseTag));
    createMeasures();
    QString refusal;
    if (!parseMeasures(&refusal)) {
        deleteModelObjects();
        swapModel(held);
        page->copyFrom(pageBefore.get());
        style->copyFrom(styleBefore.get());
        refuseLoad(refusal);
        return std::nullopt;
    }

    swapModel(held);
    releaseModel();
    swapModel(held);
    return software;
}

void Score::swapModel(HeldModel &held)
{
    std::swap(document, held.document);
    std::swap(parts, held.parts);
    std::swap(numParts, held.numParts);
    std::swap(credits, held.credits);
    std::swap(measures, held.measures);
    std::swap(numMeasures, held.numMeasures);
    std::swap(partListElement, held.partListElement);
    std::swap(partElements, held.partElements);
    std::swap(creatorVersion, held.creatorVersion);
    std::swap(lastUpdate, held.lastUpdate);
    std::swap(wordFontFamily, held.wordFontFamily);
    std::swap(lyricFontFamily, held.lyricFontFamily);
}

QString Score::readScorePartwise(const QDomElement &scorePartwise)
{
    QString software = unknownSoftware;
    forEachChildElement(scorePartwise, [&](const QDomElement &child) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("tarn-property"))
            parseProperty(child);
        else if (tag == QLatin1String("identification"))
            readIdentification(child, software);
        else if (tag == QLatin1String("defaults"))
            parseDefaults(child);
        else if (tag == QLatin1String("credit"))
            parseCredit(child);
        else if (tag == QLatin1String("part-list")) {
            partListElement = child;
            parsePartList(child);
        } else if (tag == QLatin1String("part"))
            partElements.append(child);
        else if (tag == QLatin1String("tarn-page"))
            parsePage(page, child);
        else if (tag == QLatin1String("tarn-style"))
            parseStyle(style, child, creatorVersion);
    });

    // Parts pair by position; music without a score-part has no settings
    // and no place in the model.
    if (partElements.size() > numParts) {
        qDebug().noquote() << QStringLiteral("parseScorePartwise: %1 part elements, %2 in the "
                                             "part list; the extra parts are ignored")
                                  .arg(partElements.size())
                                  .arg(numParts);
        partElements.resize(numParts);
    }
    return software;
}

bool Score::createMeasures()
{
    qDeleteAll(measures);
    measures.clear();
    numMeasures = 0;
    if (numParts < 1)
        return true;

    const int count = int(qMin<qsizetype>(numParts, partElements.size()));
    for (int k = 0; k < count; ++k) {
        int i = 0;
        for (QDomElement e = partElements.at(k).firstChildElement(); !e.isNull();
             e = e.nextSiblingElement()) {
            // The reader has refused documents with anything else here.
            if (e.tagName() != measureTag) {
                qDebug().noquote() << "========= ERROR createMeasures 312 tag = " + e.tagName();
                continue;
            }
            if (k == 0) {
                auto *measure = new Measure(this);
                measure->aligner = new Aligner(this);
                measure->implicit = e.attribute(QStringLiteral("implicit")) == QLatin1String("yes");
                measures.append(measure);
            }
            if (i < measures.size())
                measures.at(i)->measureElements.append(e);
            ++i;
        }
    }
    numMeasures = int(measures.size());

    for (Measure *measure : measures) {
        for (int k = 0; k < numParts; ++k) {
            measure->parts.append(new MePart);
            measure->partForwardFlags.append(false);
        }
    }
    return true;
}

QString Score::documentFault(const QDomDocument &candidate) const
{
    const QDomElement scorePartwise = candidate.firstChildElement(partwiseTag);
    if (scorePartwise.isNull()) {
        const QString root = candidate.documentElement().tagName();
        if (root == QLatin1String("score-timewise"))
            return tr("It is a timewise MusicXML document (score-timewise). Only partwise MusicXML "
                      "(score-partwise) can be read; please export the score as partwise "
                      "MusicXML.");
        if (root.isEmpty())
            return tr("It holds no XML element.");
        return tr("It is not a MusicXML score: its root element is <%1>, not <score-partwise>.")
            .arg(root);
    }

    const QList<QDomElement> partList = childElements(scorePartwise, QStringLiteral("part"));
    const int scoreParts = scorePartCount(scorePartwise);
    if (scoreParts > partList.size())
        return partListRefusal(scoreParts, int(partList.size()));

    // Only parts that pair with a score-part are read.
    const int used = int(qMin<qsizetype>(scoreParts, partList.size()));
    int firstMeasures = 0;
    for (int k = 0; k < used; ++k) {
        const QDomElement &part = partList.at(k);
        const QDomElement stray = strayChild(part);
        if (!stray.isNull())
            return tr("Part %1 holds a <%2> element at line %3, column %4, where only measures "
                      "may stand.")
                .arg(partLabel(part, k), stray.tagName())
                .arg(stray.lineNumber())
                .arg(stray.columnNumber());
        const int count = int(childElements(part, measureTag).size());
        if (k == 0)
            firstMeasures = count;
        else if (count != firstMeasures)
            return tr("Part %1 has %2 measures, but the first part has %3.")
                .arg(partLabel(part, k))
                .arg(count)
                .arg(firstMeasures);
    }
    return QString();
}

void Score::refuseLoad(const QString &reason) const
{
    const QString path = filePath.isEmpty() ? musicXmlFilePath : filePath;
    const QString heading =
        path.isEmpty() ? tr("Can't load the score.") : tr("Can't load the score (%1).").arg(path);
    qDebug().noquote() << "load refused: " + reason;
    Prompter::instance().warning(const_cast<Score *>(this), tr("Velmora"),
                                 heading + QLatin1Char('\n') + reason);
}

void Score::releaseModel()
{
    // Aligned items point at scene items, and scene items, undo commands,
    // selection records, open drawing slots and remembered scale warnings
    // point at model objects: all of them go before the objects do.
    releaseUnplacedGlyphItems();
    for (Measure *measure : std::as_const(measures)) {
        for (MePart *cell : std::as_const(measure->parts)) {
            for (Voice *voice : cell->voices.madeVoices())
                voice->clearAlignItems();
        }
    }
    resetComputedFields();
    scene->clearItems();
    undoStack->clear();
    qDeleteAll(selectedNotes);
    selectedNotes.clear();
    qDeleteAll(selectedDirections);
    selectedDirections.clear();
    qDeleteAll(selectedNotations);
    selectedNotations.clear();
    qDeleteAll(selectedDirectives);
    selectedDirectives.clear();
    selectedMeasures.clear();
    for (Part *part : std::as_const(parts))
        part->resetDrawingHelpers();
    warnedScaleDirectives.clear();
    displayedMeasures.clear();
    deleteModelObjects();
}

void Score::deleteModelObjects()
{
    qDeleteAll(measures);
    measures.clear();
    numMeasures = 0;
    qDeleteAll(credits);
    credits.clear();
    qDeleteAll(parts);
    parts.clear();
    numParts = 0;
    partElements.clear();
    partListElement = QDomElement();
}
