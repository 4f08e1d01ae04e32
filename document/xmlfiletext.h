// The text of an XML file from its bytes, decoded the way the file says:
// a byte-order mark first, else the encoding its XML declaration names,
// else UTF-8. MusicXML from older programs is often ISO-8859-1 or
// Shift_JIS; reading it as UTF-8 would garble every non-ASCII text.
//
// The returned text is Unicode, so its declaration no longer describes it:
// the declared encoding is rewritten to "UTF-8", which is also how the
// program writes a document back. An encoding the toolkit does not know
// falls back to UTF-8. Never fails.
#pragma once

#include <QByteArray>
#include <QString>

namespace XmlFileText {

QString decode(const QByteArray &bytes);

} // namespace XmlFileText
