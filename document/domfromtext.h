// The one way the program turns XML text into a DOM document.
//
// Two things differ from a bare QDomDocument::setContent. A document nested
// deeper than `maxDepth` elements is refused by a streaming pass before any
// DOM exists: the toolkit's serialiser and the document builder walk the
// tree recursively, so such a document would overflow the stack on the next
// save. And a text made only of white space (an ideographic space U+3000, a
// no-break space, a plain space) that is the whole content of an element on
// one line is kept: the toolkit drops every white-space-only text node, and
// a lyric or a word written as one blank is content, not layout. White space
// between elements, and an empty element written over several lines, stay
// out of the document as the toolkit leaves them.
//
// A caller may also cap the number of elements: the streaming pass counts
// them before the DOM is built, which costs some hundred bytes per element,
// so a document too large for the memory is refused before it fills it.
//
// Element names, and texts of up to `sharedTextLength` characters, are
// held once per distinct value in the document built: a score repeats a
// few dozen of them hundreds of thousands of times.
#pragma once

#include <QDomDocument>
#include <QString>

#include <limits>

namespace DomFromText {

constexpr int maxDepth = 256;
constexpr int sharedTextLength = 16;
constexpr qsizetype unlimited = std::numeric_limits<qsizetype>::max();

enum class Fault
{
    None,
    NotXml,   // not well-formed
    TooDeep,  // elements nested deeper than maxDepth
    TooLarge, // more elements than the caller's limit
};

// Parses `text` into `target`. On a fault `target` is empty (nothing of what
// was read before the fault stays) and `where` receives "line L, column C"
// followed, for NotXml, by ": " and the parser's reason; for TooLarge the
// place is that of the first element beyond `maxElements`.
Fault read(const QString &text, QDomDocument &target, QString *where = nullptr,
           qsizetype maxElements = unlimited);

} // namespace DomFromText
