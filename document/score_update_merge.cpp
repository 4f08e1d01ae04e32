// Score's import-update merge: the credits and measures of a revised
// MusicXML document that differ from this score's document replace their
// counterparts here, so every other measure keeps its layout.
#include "model/score.h"

#include "platform/prompter.h"

#include <cstdlib>

namespace {

QList<QDomElement> descendants(const QDomElement &parent, const QString &tag)
{
    QList<QDomElement> result;
    // The toolkit's list is live; removals below must not shift it.
    const QDomNodeList nodes = parent.elementsByTagName(tag);
    result.reserve(nodes.size());
    for (int i = 0; i < nodes.size(); ++i)
        result.append(nodes.at(i).toElement());
    return result;
}

// `element` of the other document, taken out of it and made this one's.
QDomElement takeInto(QDomDocument &document, QDomElement element)
{
    QDomElement own = document.importNode(element, true).toElement();
    element.parentNode().removeChild(element);
    return own;
}

bool comparedChild(const QString &tag)
{
    return tag == QLatin1String("forward") || tag == QLatin1String("attributes") ||
           tag == QLatin1String("direction") || tag == QLatin1String("note");
}

} // namespace

bool Score::isSameElementXml(const QDomElement &a, const QDomElement &b)
{
    QDomElement own = a.cloneNode(true).toElement();
    removeExtensionElements(own);
    return own.text() == b.text();
}

bool Score::isSameMeasureXml(const QDomElement &a, const QDomElement &b, bool cleanNotations)
{
    QDomElement openCopy = a.cloneNode(true).toElement();
    QDomElement newCopy = b.cloneNode(true).toElement();
    removeExtensionElements(openCopy);
    if (cleanNotations) {
        cleanNoteNotationsXml(openCopy);
        cleanNoteNotationsXml(newCopy);
    }
    // Page and system breaks are layout, never a difference.
    removeElementsByTag(newCopy, QStringLiteral("print"));
    removeElementsByTag(openCopy, QStringLiteral("print"));

    const QDomNodeList openChildren = openCopy.childNodes();
    const QDomNodeList newChildren = newCopy.childNodes();
    if (openChildren.size() != newChildren.size())
        return false;
    for (int i = 0; i < openChildren.size(); ++i) {
        const QDomElement openChild = openChildren.at(i).toElement();
        const QDomElement newChild = newChildren.at(i).toElement();
        if (openChild.isNull() || newChild.isNull() || !comparedChild(openChild.tagName()))
            continue;
        if (openChild.tagName() != newChild.tagName() || !isSameSpannerXml(openChild, newChild))
            return false;
    }
    return true;
}

int Score::mergeUpdatedMusicXML(Score *newScore, bool cleanNotations)
{
    const QString partwiseTag = QStringLiteral("score-partwise");
    const QString partListTag = QStringLiteral("part-list");
    QDomElement openRoot = document.firstChildElement(partwiseTag);
    const QDomElement newRoot = newScore->document.firstChildElement(partwiseTag);
    const QDomElement openPartList = openRoot.firstChildElement(partListTag);
    const QDomElement newPartList = newRoot.firstChildElement(partListTag);

    const qsizetype openPartCount = descendants(openPartList, QStringLiteral("score-part")).size();
    const qsizetype newPartCount = descendants(newPartList, QStringLiteral("score-part")).size();
    if (openPartCount != newPartCount) {
        Prompter::instance().warning(
            this, tr("Velmora"),
            tr("Can't Import Update: Numbers of parts are not the same: %1 vs %2.")
                .arg(openPartCount)
                .arg(newPartCount));
        return -1;
    }

    const QList<QDomElement> openCredits = descendants(openRoot, QStringLiteral("credit"));
    const QList<QDomElement> newCredits = descendants(newRoot, QStringLiteral("credit"));
    appendLog(QStringLiteral("Recent credit:%1 Update credit:%2\n")
                  .arg(openCredits.size())
                  .arg(newCredits.size()));
    if (openPartList.isNull())
        return -1;

    int count = 0;
    if (openCredits.size() == newCredits.size()) {
        const QString wordsTag = QStringLiteral("credit-words");
        for (int i = 0; i < openCredits.size(); ++i) {
            QDomElement openCredit = openCredits.at(i);
            if (isSameElementXml(openCredit, newCredits.at(i)))
                continue;
            const QDomElement openWords = openCredit.firstChildElement(wordsTag);
            const QDomElement newWords = newCredits.at(i).firstChildElement(wordsTag);
            if (!newWords.isNull() && !openWords.isNull())
                openCredit.replaceChild(takeInto(document, newWords), openWords);
            else if (!newWords.isNull())
                openCredit.appendChild(takeInto(document, newWords));
            else if (!openWords.isNull())
                openCredit.removeChild(openWords);
            ++count;
        }
    } else {
        count = int(std::abs(openCredits.size() - newCredits.size()));
        for (QDomElement credit : openCredits)
            credit.parentNode().removeChild(credit);
        for (const QDomElement &credit : newCredits)
            openRoot.insertBefore(takeInto(document, credit), openPartList);
    }

    const QList<QDomElement> openParts = descendants(openRoot, QStringLiteral("part"));
    const QList<QDomElement> newParts = descendants(newRoot, QStringLiteral("part"));
    // Only the parts both documents have are walked.
    const qsizetype partCount = std::min(openParts.size(), newParts.size());
    for (int p = 0; p < partCount; ++p) {
        QDomElement openPart = openParts.at(p);
        const QList<QDomElement> openMeasures = descendants(openPart, QStringLiteral("measure"));
        const QList<QDomElement> newMeasures =
            descendants(newParts.at(p), QStringLiteral("measure"));
        appendLog(QStringLiteral("Part No. %1 ----\n").arg(p + 1));
        if (p == 0 && openMeasures.size() != newMeasures.size()) {
            const QMessageBox::StandardButton answer = Prompter::instance().question(
                this, tr("Velmora"),
                tr("Numbers of measures of the original and the new scores are not the same: "
                   "%1 v.s. %2.\n\nDo you really want to import?")
                    .arg(openMeasures.size())
                    .arg(newMeasures.size()),
                QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel);
            if (answer != QMessageBox::Yes)
                return -1;
        }

        const qsizetype common = std::min(openMeasures.size(), newMeasures.size());
        QList<int> differing;
        for (int j = 0; j < common; ++j) {
            if (isSameMeasureXml(openMeasures.at(j), newMeasures.at(j), cleanNotations))
                continue;
            appendLog(
                QStringLiteral("Part No. %1 Measure No. %2 is different!\n").arg(p + 1).arg(j + 1));
            differing.append(j);
            ++count;
        }
        // A differing measure is replaced in place.
        for (int j : std::as_const(differing)) {
            QDomNode parent = openMeasures.at(j).parentNode();
            parent.insertAfter(takeInto(document, newMeasures.at(j)), openMeasures.at(j));
            parent.removeChild(openMeasures.at(j));
        }
        for (qsizetype j = common; j < openMeasures.size(); ++j) {
            openMeasures.at(j).parentNode().removeChild(openMeasures.at(j));
            ++count;
        }
        for (qsizetype j = common; j < newMeasures.size(); ++j) {
            openPart.appendChild(takeInto(document, newMeasures.at(j)));
            ++count;
        }
    }
    return count;
}
