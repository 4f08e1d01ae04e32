#include "model/staffclef.h"

#include <algorithm>
#include <cmath>

namespace {

int usualLine(const QString &sign)
{
    if (sign == QLatin1String("F"))
        return 4;
    if (sign == QLatin1String("C"))
        return 3;
    return 2;
}

constexpr int trebleMiddle = 4 * 7 + 6; // B4

} // namespace

QString StaffClef::code(const QString &sign, int line, int octaveChange)
{
    const QString s = sign.trimmed();
    if (s.isEmpty())
        return s;
    QString out = s;
    const bool placed =
        s == QLatin1String("G") || s == QLatin1String("F") || s == QLatin1String("C");
    if (placed && line >= 1 && line <= 5 && (line != usualLine(s) || octaveChange != 0))
        out += QString::number(line);
    else if (placed && octaveChange != 0)
        out += QString::number(usualLine(s));
    if (placed && octaveChange != 0)
        out += (octaveChange > 0 ? QLatin1Char('+') : QLatin1Char('-')) +
               QString::number(std::min(2, std::abs(octaveChange)));
    return out;
}

StaffClef StaffClef::fromCode(const QString &code)
{
    StaffClef clef;
    clef.sign = code;
    if (code.isEmpty())
        return clef;
    if (code == QLatin1String("percussion")) {
        clef.line = 3; // it stands on the middle line
        return clef;
    }
    const QChar first = code.at(0);
    if (first == QLatin1Char('G') || first == QLatin1Char('F') || first == QLatin1Char('C')) {
        clef.sign = QString(first);
        clef.line = usualLine(clef.sign);
        if (code.size() >= 2 && code.at(1).isDigit()) {
            const int line = code.at(1).digitValue();
            if (line >= 1 && line <= 5)
                clef.line = line;
        }
        if (code.size() >= 4 && (code.at(2) == QLatin1Char('+') || code.at(2) == QLatin1Char('-')))
            clef.octaveChange = (code.at(2) == QLatin1Char('+') ? 1 : -1) * code.at(3).digitValue();
        if (code.size() > 1 && !code.at(1).isDigit())
            clef.sign = code; // some other sign that starts with the letter
    }
    return clef;
}

bool StaffClef::known() const
{
    return sign == QLatin1String("G") || sign == QLatin1String("F") || sign == QLatin1String("C") ||
           sign == QLatin1String("percussion");
}

int StaffClef::middleLineDiatonic() const
{
    int reference = 0; // the diatonic number of the note the sign names
    if (sign == QLatin1String("G"))
        reference = 4 * 7 + 4; // G4
    else if (sign == QLatin1String("F"))
        reference = 3 * 7 + 3; // F3
    else if (sign == QLatin1String("C"))
        reference = 4 * 7; // C4
    else
        return trebleMiddle;
    return reference - lineStep() + 7 * octaveChange;
}

int StaffClef::keySignatureShift() const
{
    StaffClef plain = *this;
    plain.octaveChange = 0;
    const int shift = trebleMiddle - plain.middleLineDiatonic();
    return shift - 7 * int(std::lround(shift / 7.0));
}
