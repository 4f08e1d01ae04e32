// Text from a file shown inside a message. A character that shows nothing
// or breaks the line (a line or paragraph separator, NEL, a control or
// format character) would hide the value or split the message; it is
// written as its code, "\u2028", instead.
#pragma once

#include <QString>
#include <QStringView>

namespace MessageText {

QString visible(QStringView text);

} // namespace MessageText
