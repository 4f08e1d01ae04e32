// The text of an XML file from its bytes, decoded the way the file says:
// a byte-order mark first, else the encoding its XML declaration names,
// else UTF-8. MusicXML from older programs is often ISO-8859-1 or
// Shift_JIS; reading it as UTF-8 would garble every non-ASCII text.
//
// Bytes that are not valid in that encoding are refused, never read as
// replacement characters: a lyric or a part name would change for good at
// the next save. The refusal names the line and column of the first bad
// byte and the encoding the bytes most likely are. A declaration of UTF-16
// or UTF-32 on a file of 8-bit bytes is refused as the mismatch it is.
//
// The returned text is Unicode, so its declaration no longer describes it:
// the declared encoding is rewritten to "UTF-8", which is also how the
// program writes a document back. An encoding the toolkit does not know
// reads as UTF-8.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace XmlFileText {

// The text of `bytes`, or nothing when they are not valid in the file's
// encoding; `fault` then says why, beginning with "line L, column C".
std::optional<QString> decode(const QByteArray &bytes, QString *fault = nullptr);

} // namespace XmlFileText
