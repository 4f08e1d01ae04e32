// Score's whole-document builder: the model written back into the score
// document in place, in one of the output modes, and the document's text.
#include "model/score.h"

#include "document/scorexmlmode.h"
#include "model/part.h"

#include <QDomProcessingInstruction>
#include <QRegularExpression>

namespace {

const QString extensionPrefix = QStringLiteral("tarn-");

// The text is written as UTF-8 by every caller; a declaration that names
// another encoding (a UTF-16 file read through its byte-order mark) would
// make the saved file unreadable.
void declareUtf8(QDomDocument &document)
{
    QDomProcessingInstruction declaration = document.firstChild().toProcessingInstruction();
    if (declaration.isNull() || declaration.target() != QLatin1String("xml"))
        return;
    static const QRegularExpression encoding(
        QStringLiteral("(encoding\\s*=\\s*)([\"'])([^\"']*)\\2"));
    QString data = declaration.data();
    const QRegularExpressionMatch match = encoding.match(data);
    if (!match.hasMatch() ||
        match.captured(3).compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0)
        return;
    data.replace(match.capturedStart(3), match.capturedLength(3), QStringLiteral("UTF-8"));
    declaration.setData(data);
}

// Only note names written as lyrics need the staff lyric font as the
// document's lyric font; every other build keeps the document's own, so a
// re-imported file still shows ordinary lyrics in their font.
bool writesNoteNameLyrics(ScoreXmlMode mode)
{
    return mode == ScoreXmlMode::NoteNameLyrics || mode == ScoreXmlMode::NoteNameRewrite;
}

} // namespace

QString Score::buildScoreXml(ScoreXmlMode mode)
{
    QDomElement root = document.firstChildElement(QStringLiteral("score-partwise"));
    if (root.isNull()) {
        if (writesNoteNameLyrics(mode))
            updateDefaultLyricFont(root, staffLyricFontFamily);
        return document.toString(1);
    }
    buildScoreHeadXml(root, mode);
    // After this: the score-wide settings, the credits and the part list
    // carry the model.
    int partIndex = 0;
    for (QDomElement part = root.firstChildElement(QStringLiteral("part")); !part.isNull();
         part = part.nextSiblingElement(QStringLiteral("part"))) {
        // Music beyond the part list has no part in the model and stays
        // as it is.
        if (partIndex < parts.size())
            buildPartXml(part, partIndex, mode);
        ++partIndex;
    }
    // After this: every part carries the model.
    declareUtf8(document);
    return document.toString(1);
}

void Score::buildScoreHeadXml(QDomElement &root, ScoreXmlMode mode)
{
    removeExtensionElements(root);
    // After this: nothing an earlier build wrote is left in the document.
    writePropertyXml(root);
    writePageXml(this, root);
    writeStyleXml(this, root);
    if (writesNoteNameLyrics(mode)) {
        ensureDefaultLyricFont(root);
        updateDefaultLyricFont(root, staffLyricFontFamily);
    }
    if (mode == ScoreXmlMode::NoteNameRewrite)
        useStaffLyricFontForLyricParts();
    // After this: the score-wide settings stand first and last in the root.

    int creditIndex = 0;
    for (QDomElement child = root.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("credit")) {
            for (QDomElement words = child.firstChildElement(QStringLiteral("credit-words"));
                 !words.isNull();
                 words = words.nextSiblingElement(QStringLiteral("credit-words"))) {
                if (creditIndex < credits.size())
                    writeCreditXml(this, words, creditIndex, mode);
                ++creditIndex;
            }
        } else if (tag == QLatin1String("part-list")) {
            writePartListXml(this, child);
        }
    }
}

bool Score::removeExtensionElements(QDomElement element)
{
    QList<QDomNode> extensions;
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        const QDomElement childElement = child.toElement();
        if (!childElement.isNull() && childElement.tagName().startsWith(extensionPrefix))
            extensions.append(child);
        else if (!childElement.isNull())
            removeExtensionElements(childElement);
    }
    for (const QDomNode &extension : std::as_const(extensions))
        element.removeChild(extension);
    return true;
}

void Score::useStaffLyricFontForLyricParts()
{
    for (Part *part : std::as_const(parts)) {
        if (part->lyricsOutput)
            part->lyricsFont = QFont(staffLyricFontFamily);
    }
}
