// Score's loader: the document reader that takes the settings, part list,
// credits and part elements of a score-partwise document, and the measure
// builder. The measure parser fills the measures afterwards.
#include "model/score.h"

#include "app/prompter.h"
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

#include <QDebug>
#include <QUndoStack>

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
    return id.isEmpty() ? QString::number(index + 1)
                        : QStringLiteral("%1 (\"%2\")").arg(index + 1).arg(id);
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

std::optional<QString> Score::parseScoreXml()
{
    QString parseError;
    if (!setXmlContent(documentText, &parseError)) {
        refuseLoad(tr("The file is not XML (%1).").arg(parseError));
        return std::nullopt;
    }
    std::optional<QString> software = parseScorePartwise();
    if (!software)
        return std::nullopt;
    createMeasures();
    if (!parseMeasuresOrRefuse())
        return std::nullopt;
    return software;
}

std::optional<QString> Score::parseScorePartwise()
{
    const QDomElement scorePartwise = document.firstChildElement(partwiseTag);
    const QString fault = documentFault(scorePartwise);
    if (!fault.isEmpty()) {
        refuseLoad(fault);
        return std::nullopt;
    }

    releaseModel();
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

bool Score::reparseScore()
{
    if (!parseScorePartwise())
        return false;
    createMeasures();
    return parseMeasuresOrRefuse();
}

bool Score::parseMeasuresOrRefuse()
{
    QString refusal;
    if (parseMeasures(&refusal))
        return true;
    // Music the model cannot hold (a voice or staff beyond its limits): no
    // half-read score stays behind.
    refuseLoad(refusal);
    releaseModel();
    return false;
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

QString Score::documentFault(const QDomElement &scorePartwise) const
{
    if (scorePartwise.isNull()) {
        const QString root = document.documentElement().tagName();
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
        return tr("Its part list names %1 parts, but it holds the music of only %2.")
            .arg(scoreParts)
            .arg(partList.size());

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
    // Undo commands and selection records point into the model.
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

    displayedMeasures.clear();
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
