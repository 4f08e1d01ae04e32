// The one way the program turns XML text into a DOM document.
//
// Three things differ from a bare QDomDocument::setContent. A document nested
// deeper than `maxDepth` elements is refused by a streaming pass before any
// DOM exists: the toolkit's serialiser and the document builder walk the
// tree recursively, so such a document would overflow the stack on the next
// save. And a text made only of white space (an ideographic space U+3000, a
// no-break space, a plain space) that is the whole content of an element on
// one line is kept: the toolkit drops every white-space-only text node, and
// a lyric or a word written as one blank is content, not layout. White space
// between elements, and an empty element written over several lines, stay
// out of the document as the toolkit leaves them. And the text of an element
// broken by comments or processing instructions (`1<?pi?>6`) becomes the
// one text the readers take it for ("16").
//
// The streaming pass reads names as the DOM parser does (prefixes are part
// of the name, no namespace processing), and a text it cannot read to its
// end is refused as not XML: its limits hold for the whole document or the
// document is not built.
//
// A caller may also cap the number of elements: the streaming pass counts
// them before the DOM is built, which costs some hundred bytes per element,
// so a document too large for the memory is refused before it fills it.
// Elements of some names may count for more (ElementWeight), as what a
// reader makes of them costs more than the element itself.
//
// Texts count too: every `charactersPerElement` characters of a text beyond
// its first `sharedTextLength` count as one more element, as drawing and
// exporting a text costs memory by its length. A text counts as at most
// `longestText` characters, what the loader keeps of it (cutLongTexts).
//
// Element names, and texts of up to `sharedTextLength` characters, are
// held once per distinct value in the document built: a score repeats a
// few dozen of them hundreds of thousands of times.
#pragma once

#include <QDomDocument>
#include <QList>
#include <QString>

#include <limits>

namespace DomFromText {

constexpr int maxDepth = 256;
constexpr int sharedTextLength = 16;
constexpr qsizetype unlimited = std::numeric_limits<qsizetype>::max();
constexpr qsizetype longestText = 4096;
constexpr qsizetype charactersPerElement = 4;

enum class Fault
{
    None,
    NotXml,   // not well-formed
    TooDeep,  // elements nested deeper than maxDepth
    TooLarge, // more elements than the caller's limit
};

// An element named `name` counts as 1 + `extra` elements.
struct ElementWeight
{
    QString name;
    qsizetype extra = 0;
};

// Parses `text` into `target`; the text is let go of as soon as the document
// stands, so a caller that hands over its only copy frees it before it reads
// the document. On a fault `target` is empty (nothing of what
// was read before the fault stays) and `where` receives "line L, column C"
// followed, for NotXml, by ": " and the parser's reason; for TooLarge the
// place is that of the first element beyond `maxElements`.
//
// For TooLarge, `counted` receives what the whole text counts for: the pass
// reads on to the end (or to a fault or nesting too deep) and builds
// nothing, so that a refusal can say how large the text is; otherwise 0.
Fault read(QString text, QDomDocument &target, QString *where = nullptr,
           qsizetype maxElements = unlimited, const QList<ElementWeight> &weights = {},
           qsizetype *counted = nullptr);

// Cuts every text node longer than `longestText` characters to at most that
// length (a lyric or a word of megabytes costs gigabytes to draw), at a
// character boundary as the reader sees characters: never inside a
// surrogate pair, never between a letter and its combining marks. Returns
// how many were cut; `firstWhere` receives "line L, column C" of the first.
int cutLongTexts(QDomDocument &document, QString *firstWhere = nullptr);

// The length at most `limit` to which `text` can be cut on a boundary of
// user-perceived characters (grapheme clusters).
qsizetype characterCut(const QString &text, qsizetype limit);

} // namespace DomFromText
