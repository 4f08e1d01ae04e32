// A document written piece by piece, each piece exactly as it stands in
// the text QDomDocument::toString(1) makes of the whole: a long score's
// text then never has to exist at once.
//
// And what reading a written text back (DomFromText::read) makes of an
// element, done in place: the toolkit's parser drops every text of white
// space only beside other nodes, and an element holding only white space
// keeps it only when it stands on one line; the text of an element broken
// by comments or processing instructions becomes one text. A piece settled
// so writes what the text read back would.
#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QString>

namespace XmlPieces {

// Settles `element` and every element in it as reading its written text
// back would.
void settleAsReadBack(QDomElement element);

// The text of `node`, a detached node that stands as a child of a child of
// the root element (a measure in its part) between nodes that are not
// texts: indented by two spaces, with its line break. `document` owns
// `node`.
QString partChildText(QDomDocument &document, const QDomNode &node);

// The text of `element`, a child of the root element, without the
// indentation before it and the line break after it (which its neighbours
// decide).
QString rootChildText(const QDomElement &element);

// The start tag of `element` as the document writes it when its first child
// is an element: "<tag attributes>" and the line break. For depth 1.
QString startTagText(QDomDocument &document, const QDomElement &element);

} // namespace XmlPieces
