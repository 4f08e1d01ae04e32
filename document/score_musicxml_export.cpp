// Score's MusicXML export: plain MusicXML (or with note names as lyrics)
// streamed from the document measure by measure, and the MuseScore hand-off
// file.
#include "model/score.h"

#include "document/elementredirect.h"
#include "document/elementslots.h"
#include "document/safewrite.h"
#include "document/scorexmlmode.h"
#include "document/voicenumbering.h"
#include "document/xmlfragments.h"
#include "model/part.h"

#include <QDir>
#include <QUuid>

#include <memory>

namespace {

const QString partTag = QStringLiteral("part");
const QString exportMeasureTag = QStringLiteral("measure");
const QString extensionTagPrefix = QStringLiteral("tarn-");

bool isExtension(const QDomNode &node)
{
    return node.isElement() && node.toElement().tagName().startsWith(extensionTagPrefix);
}

// A part without text among its children streams child by child; a text
// changes how its neighbours are written.
bool holdsNoText(const QDomElement &part)
{
    for (QDomNode child = part.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (child.isText())
            return false;
    }
    return true;
}

// The document's text around `root`'s children as it writes with `skeleton`
// (a copy of root) in root's place: declaration and document type as the
// document holds them. The root element stands in the document for as long
// as it takes to copy the rest.
QString skeletonText(QDomDocument &document, QDomElement &root, QDomElement &skeleton)
{
    struct Swap
    {
        QDomDocument &document;
        QDomElement &root;
        QDomElement &skeleton;
        Swap(QDomDocument &d, QDomElement &r, QDomElement &s) : document(d), root(r), skeleton(s)
        {
            document.replaceChild(skeleton, root);
        }
        ~Swap() { document.replaceChild(root, skeleton); }
    };
    QDomDocument shell;
    {
        const Swap swap(document, root, skeleton);
        // A cloned document keeps only the name of its type declaration;
        // MusicXML readers look for its public and system identifiers.
        const QDomDocumentType type = document.doctype();
        if (type.isNull() || (type.publicId().isEmpty() && type.systemId().isEmpty())) {
            shell = document.cloneNode(true).toDocument();
        } else {
            shell = QDomDocument(QDomImplementation().createDocumentType(
                type.name(), type.publicId(), type.systemId()));
            for (QDomNode node = document.firstChild(); !node.isNull();
                 node = node.nextSibling()) {
                if (!node.isDocumentType())
                    shell.appendChild(shell.importNode(node, true));
            }
        }
    }
    return shell.toString(1);
}

} // namespace

bool Score::exportMusicXMLFile(const QString &path, ScoreXmlMode mode)
{
    if (refuseReleased() || refuseExportTarget(path))
        return false;
    // An export changes nothing the user keeps: a clean score stays clean.
    const bool wasChanged = changed;
    const bool wasChangedSinceAutoSave = changedSinceAutoSave;
    // Note names as lyrics are read from what the regeneration drew, so it
    // must show the model as it is now; the view is then current too.
    if (mode == ScoreXmlMode::NoteNameLyrics)
        generateScore();
    // The score's own document is brought up to date first, as a save
    // would; the export then builds each piece on a copy of its own, so the
    // document, the model and the undo history stay as they are.
    const QString snapshot = buildScoreXml(ScoreXmlMode::ScoreFile);
    const QString updated = lastUpdate;
    QString error;
    bool written = false;
    {
        SafeWrite::StreamedFile file(path);
        written = file.open(error) && streamMusicXml(file, mode, error) && file.commit(error);
    }
    if (!written)
        reportWriteFailure(path, error);
    // The snapshot's time is the one the document holds.
    lastUpdate = updated;
    setFileNameAndText(filePath, snapshot);
    changed = wasChanged;
    changedSinceAutoSave = wasChangedSinceAutoSave;
    return written;
}

bool Score::streamMusicXml(SafeWrite::StreamedFile &file, ScoreXmlMode mode, QString &error)
{
    QDomElement root = document.firstChildElement(QStringLiteral("score-partwise"));
    if (root.isNull())
        return file.append(document.toString(1), error);

    // Everything but the parts' children, built as the whole document
    // would be; each part stands there as a comment of its own, where its
    // text goes.
    QDomElement skeleton = root.cloneNode(false).toElement();
    QList<QDomElement> partElementsInOrder;
    for (QDomNode child = root.firstChild(); !child.isNull(); child = child.nextSibling()) {
        const bool part = child.isElement() && child.toElement().tagName() == partTag;
        skeleton.appendChild(child.cloneNode(!part));
        if (part)
            partElementsInOrder.append(child.toElement());
    }
    buildScoreHeadXml(skeleton, mode);
    XmlPieces::settleAsReadBack(skeleton);
    removeExtensionElements(skeleton);
    const QString marker = QStringLiteral("part ") + QUuid::createUuid().toString();
    int partCount = 0;
    for (QDomElement part = skeleton.firstChildElement(partTag); !part.isNull();) {
        const QDomElement next = part.nextSiblingElement(partTag);
        skeleton.replaceChild(document.createComment(marker), part);
        ++partCount;
        part = next;
    }
    // After this: the skeleton writes as the document will, but for the
    // parts' text.

    const QString text = skeletonText(document, root, skeleton);
    const QString placeholder = QStringLiteral("<!--") + marker + QStringLiteral("-->");
    qsizetype from = 0;
    for (int partIndex = 0; partIndex < partCount; ++partIndex) {
        const qsizetype at = text.indexOf(placeholder, from);
        if (!file.append(QStringView(text).mid(from, at - from), error))
            return false;
        const bool inModel = partIndex < parts.size();
        if (!streamPartXml(file, partElementsInOrder.at(partIndex), inModel ? partIndex : -1,
                           mode, error))
            return false;
        from = at + placeholder.size();
    }
    return file.append(QStringView(text).mid(from), error);
}

bool Score::streamPartXml(SafeWrite::StreamedFile &file, const QDomElement &part, int partIndex,
                          ScoreXmlMode mode, QString &error)
{
    // Only the lyric modes write glyphs; the others look nothing up.
    const bool glyphLyrics =
        partIndex >= 0 &&
        (mode == ScoreXmlMode::NoteNameLyrics || mode == ScoreXmlMode::NoteNameRewrite);
    const Part *settings = partIndex >= 0 ? parts.at(partIndex) : nullptr;
    const std::unique_ptr<NoteNames::GlyphCharMap> glyphMap(NoteNames::getStaffNoteMapOfPart(
        glyphLyrics && settings->staffNoteOutput, settings ? int(settings->notationStyle) : 0,
        settings ? settings->noteFontName : QString()));
    // The notes pair with the model by the voices the reader gave them.
    const VoiceNumbering voices(part);
    int measureIndex = 0;

    if (!part.hasChildNodes() || !holdsNoText(part)) {
        // The part is written whole, as its neighbouring nodes decide.
        QDomElement copy = part.cloneNode(false).toElement();
        for (QDomNode child = part.firstChild(); !child.isNull(); child = child.nextSibling())
            copy.appendChild(
                builtPartChild(child, partIndex, measureIndex, mode, *glyphMap, voices));
        XmlPieces::settleAsReadBack(copy);
        removeExtensionElements(copy);
        return file.append(XmlPieces::rootChildText(copy), error);
    }

    if (!file.append(XmlPieces::startTagText(document, part), error))
        return false;
    for (QDomNode child = part.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (isExtension(child))
            continue;
        const QDomNode built =
            builtPartChild(child, partIndex, measureIndex, mode, *glyphMap, voices);
        if (!file.append(XmlPieces::partChildText(document, built), error))
            return false;
    }
    return file.append(QStringLiteral(" </") + part.tagName() + QLatin1Char('>'), error);
}

QDomNode Score::builtPartChild(const QDomNode &child, int partIndex, int &measureIndex,
                               ScoreXmlMode mode, const NoteNames::GlyphCharMap &glyphMap,
                               const VoiceNumbering &voices)
{
    QDomNode copy = child.cloneNode(true);
    if (!copy.isElement())
        return copy;
    QDomElement element = copy.toElement();
    if (element.tagName() == exportMeasureTag) {
        // A measure the model does not hold is left as it is.
        if (partIndex >= 0 && measureIndex < measures.size()) {
            Measure *measure = measures.at(measureIndex);
            QList<QDomElement *> handles;
            ElementSlots::forEachInMeasure(measure, partIndex,
                                           [&handles](QDomElement &slot) { handles.append(&slot); });
            const ElementRedirect onCopy(handles, child.toElement(), element);
            removeExtensionElements(element);
            buildMeasureXml(element, measureIndex, partIndex, mode, glyphMap, voices);
        }
        ++measureIndex;
    }
    XmlPieces::settleAsReadBack(element);
    removeExtensionElements(element);
    return element;
}

bool Score::exportMusicXMLToMuseScore(ScoreXmlMode mode)
{
    return exportMusicXMLFile(museScoreHandOffPath(), mode);
}

QString Score::museScoreHandOffPath()
{
    return QDir::homePath() + QStringLiteral("/velmora_exported.musicxml");
}
