// The `tarn-` elements that carry the user's layout of a measure (its scale
// and break) and of a note (its moved octave mark, its shift and a reversed
// tie). A score file writes them into its own document; an update of an
// imported MusicXML file writes the same elements into the new one.
#pragma once

#include <QDomDocument>
#include <QDomElement>

class Measure;
class Note;

namespace ItemLayoutXml {

void appendMeasureLayout(QDomDocument &document, QDomElement &element, const Measure *measure);
void appendNoteLayout(QDomDocument &document, QDomElement &element, const Note *note);

} // namespace ItemLayoutXml
