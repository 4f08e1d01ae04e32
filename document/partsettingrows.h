// The keys of the program's part settings element "tarn-part", each with the
// Part field it carries, in the order the score file writes them. The reader
// and the writers of part settings share this one table.
#pragma once

#include "model/part.h"

#include <QList>

#include <variant>

namespace PartSettingRows {

// The notation style is stored twice: its code and the name read or written.
struct NotationStyleName
{
};

// A real setting, written with `digits` significant digits.
struct Number
{
    double Part::*field;
    int digits;
};

using Field = std::variant<bool Part::*, int Part::*, Number, QString Part::*, QFont Part::*,
                           NotationStyleName>;

struct Row
{
    const char *tag;
    Field field;
};

// The 37 keys of a score file's tarn-part, in written order.
const QList<Row> &rows();

// The name written for a notation style: "Undefined(Error)" outside 0..13.
QString notationStyleName(int code);

} // namespace PartSettingRows
