// Score's credits: a Credit per credit-words text of the document, and the
// tarn- elements that keep a credit's offset, text direction and font.
#include "model/score.h"

#include "document/extensionxml.h"
#include "document/scorexmlmode.h"
#include "model/credit.h"
#include "model/style.h"

#include <QList>

namespace {

const QLatin1String offsetTag("tarn-offset");
const QLatin1String rotationTag("tarn-rotation");
const QLatin1String fontTag("tarn-font");

// The written names of the text directions 1..3.
const QList<QString> &directionNames()
{
    static const QList<QString> names = {QStringLiteral("horizontal"), QStringLiteral("vertical"),
                                         QStringLiteral("vertical-writing")};
    return names;
}

// The credit's role and layout hints as `credit` and its `words` give them.
void readCreditHints(Credit *item, const QDomElement &credit, const QDomElement &words)
{
    item->creditType =
        credit.firstChildElement(QStringLiteral("credit-type")).text().trimmed().toLower();
    bool ok = false;
    const double size = words.attribute(QStringLiteral("font-size")).toDouble(&ok);
    item->hintFontSize = ok && size > 0.0 ? size : 0.0;
    item->hintY = words.attribute(QStringLiteral("default-y")).toDouble(&item->hintYGiven);
    item->hintJustify = words.attribute(QStringLiteral("justify"));
    if (item->hintJustify.isEmpty())
        item->hintJustify = words.attribute(QStringLiteral("halign"));
}

QString leadingText(const QDomElement &element)
{
    const QDomNode first = element.firstChild();
    return first.isText() ? first.toText().data() : QString();
}

} // namespace

void Score::parseCredit(const QDomElement &credit)
{
    for (QDomNode node = credit.firstChild(); !node.isNull(); node = node.nextSibling()) {
        const QDomElement words = node.toElement();
        if (words.isNull() || words.tagName() != QLatin1String("credit-words"))
            continue;

        bool fontFound = false;
        QFont font = style->defaultFont;
        QString text = parseFontString(leadingText(words), fontFound, font);
        bool offsetFound = false;
        QPointF offset(0.0, 0.0);
        text = parseOffsetString(text, offsetFound, offset);

        auto *item = new Credit(text);
        item->element = words;
        readCreditHints(item, credit, words);
        item->font = font;
        item->fontGiven = fontFound;
        if (offsetFound)
            item->setOffset(offset.x(), offset.y());

        // The program's own elements win over options in the text.
        const QDomElement offsetElement = words.firstChildElement(offsetTag);
        if (!offsetElement.isNull()) {
            const QPointF p = parseOffsetXml(offsetElement);
            item->setOffset(p.x(), p.y());
        }
        const QDomElement fontElement = words.firstChildElement(fontTag);
        if (!fontElement.isNull()) {
            item->font = parseFontXml(fontElement);
            item->fontGiven = true;
        }
        const QDomElement rotationElement = words.firstChildElement(rotationTag);
        if (!rotationElement.isNull()) {
            const QString name = rotationElement.attribute(QStringLiteral("rotation"));
            item->rotation = int(directionNames().indexOf(name)) + 1;
        }
        credits.append(item);
    }
}

void Score::writeCreditXml(const Score *source, QDomElement &creditWords, int index,
                           ScoreXmlMode mode)
{
    if (mode == ScoreXmlMode::PlainMusicXml || mode == ScoreXmlMode::NoteNameLyrics)
        return;
    const Credit *credit = source->credits.at(index);
    const bool scoreFile = mode == ScoreXmlMode::ScoreFile;

    if (scoreFile && credit->moved) {
        QDomElement offset = document.createElement(offsetTag);
        offset.setAttribute(QStringLiteral("x"), ExtensionXml::positionText(credit->x));
        offset.setAttribute(QStringLiteral("y"), ExtensionXml::positionText(credit->y));
        creditWords.appendChild(offset);
    }
    if (scoreFile && credit->rotation >= 1 && credit->rotation <= directionNames().size()) {
        QDomElement rotation = document.createElement(rotationTag);
        rotation.setAttribute(QStringLiteral("rotation"),
                              directionNames().at(credit->rotation - 1));
        creditWords.appendChild(rotation);
    }
    if (credit->fontGiven) {
        QDomElement font = document.createElement(fontTag);
        font.appendChild(document.createTextNode(credit->font.toString()));
        creditWords.appendChild(font);
    }
}
