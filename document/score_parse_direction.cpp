// Score's reader of one MusicXML `direction` element into the Direction
// objects of one voice: dynamics, words, tempo, rehearsal marks, hairpins,
// bracket and dashes lines, octave shifts, coda and segno.
#include "model/score.h"

#include "document/markpairing.h"
#include "document/settingsvalues.h"
#include "model/direction.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/voice.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHash>
#include <QPointF>

namespace {

using namespace DirectionKind;

// Dashes share the ten line slots with brackets, in slots 5..9.
constexpr int dashesSlotOffset = 5;
constexpr int spannerSlots = 5;

// Words that stand at the end of the measure, with their kinds.
const QHash<QString, int> &measureEndWords()
{
    static const QHash<QString, int> words = {
        {QStringLiteral("To Coda"), 7},       {QStringLiteral("D.C."), 10},
        {QStringLiteral("D.S."), 11},         {QStringLiteral("Fine"), 12},
        {QStringLiteral("D.C. al Fine"), 13}, {QStringLiteral("D.C. al Coda"), 14},
        {QStringLiteral("D.S. al Coda"), 15}, {QStringLiteral("D.S. al Fine"), 16},
    };
    return words;
}

// The spanner slot 0..4 of a wedge, bracket, dashes or octave shift. An
// absent number is MusicXML's default 1; numbers the drawing has no slot
// for are clamped into its five, so no slot index ever leaves them.
int spannerSlot(const QDomElement &item)
{
    const QString text = item.attribute(QStringLiteral("number")).trimmed();
    const int number = text.isEmpty() ? 1 : SettingsValues::readInt(text);
    return qBound(1, number, spannerSlots) - 1;
}

void readOffset(Direction *direction, const QDomElement &item)
{
    const QDomElement offset = item.firstChildElement(QStringLiteral("tarn-offset"));
    if (offset.isNull())
        return;
    const QPointF point = Score::parseOffsetXml(offset);
    direction->setOffset(point.x(), point.y());
}

// The attribute, or else the element's text. A scale that is not positive
// would draw nothing, so it reads as the plain scale 1.0.
void readScale(Direction *direction, const QDomElement &item)
{
    const QDomElement scale = item.firstChildElement(QStringLiteral("tarn-scale"));
    if (scale.isNull())
        return;
    QString text = scale.attribute(QStringLiteral("scale"));
    if (text.isEmpty())
        text = scale.text();
    const double value = SettingsValues::readNumber(text.trimmed(), 1.0);
    direction->scale = value > 0.0 ? value : 1.0;
}

void readFont(Direction *direction, const QDomElement &item)
{
    const QDomElement font = item.firstChildElement(QStringLiteral("tarn-font"));
    if (font.isNull())
        return;
    QFont described;
    if (!described.fromString(font.attribute(QStringLiteral("font"))))
        return;
    direction->font = described;
    direction->fontGiven = true;
}

int readRotation(const QDomElement &item, int current)
{
    const QString text = item.firstChildElement(QStringLiteral("tarn-rotation"))
                             .attribute(QStringLiteral("rotation"));
    if (text == QLatin1String("horizontal"))
        return 1;
    if (text == QLatin1String("vertical"))
        return 2;
    if (text == QLatin1String("vertical-writing"))
        return 3;
    return current;
}

void readVisibility(Direction *direction, const QDomElement &item)
{
    const QString text = item.firstChildElement(QStringLiteral("tarn-visibility"))
                             .attribute(QStringLiteral("visibility"));
    if (text == QLatin1String("visible"))
        direction->visibility = 1;
    else if (text == QLatin1String("invisible"))
        direction->visibility = 2;
}

// The text of the item itself; a `tarn-scale` child may hold text too.
QString ownText(const QDomElement &element)
{
    QString text;
    for (QDomNode node = element.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.isText())
            text += node.toText().data();
    }
    return text;
}

// A staff number 1..8 as its index, or -1 for any other text.
int staffIndex(const QString &text)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok && number >= 1 && number <= MePart::maxStaves ? number - 1 : -1;
}

// The non-standard `staff` inside `direction-type`; one outside the part's
// staves is ignored.
void readInnerStaff(Direction *direction, const QDomElement &directionType)
{
    const QDomElement staff = directionType.firstChildElement(QStringLiteral("staff"));
    if (staff.isNull())
        return;
    const int index = staffIndex(staff.text());
    qDebug().noquote() << "parseMeasureDirection staff = " << index;
    if (index >= 0)
        direction->staff = index;
}

// The letter a beat unit is coded with in a metronome mark's text
// (B breve, W whole, H half, Q quarter, E eighth, S 16th, T 32nd, X 64th),
// a null character for a unit this program does not draw.
QChar beatUnitCode(const QString &unit)
{
    static const QHash<QString, QChar> codes = {
        {QStringLiteral("breve"), QLatin1Char('B')}, {QStringLiteral("whole"), QLatin1Char('W')},
        {QStringLiteral("half"), QLatin1Char('H')},  {QStringLiteral("quarter"), QLatin1Char('Q')},
        {QStringLiteral("eighth"), QLatin1Char('E')}, {QStringLiteral("16th"), QLatin1Char('S')},
        {QStringLiteral("32nd"), QLatin1Char('T')},  {QStringLiteral("64th"), QLatin1Char('X')},
    };
    return codes.value(unit);
}

// The state one `direction` element carries from item to item.
struct DirectionReading
{
    QList<Direction *> made;
    bool tilde = false;
    bool caret = false;
};

} // namespace

bool Score::parseMeasureDirection(Measure *measure, int partIndex, int voiceIndex, int noteIndex,
                                  const QDomElement &element, QString *refusal)
{
    if (!measure || partIndex < 0 || partIndex >= measure->parts.size() || voiceIndex < 0 ||
        voiceIndex >= MePart::voiceCount)
        return true;
    Voice *voice = measure->parts.at(partIndex)->voices.use(voiceIndex);

    DirectionReading reading;
    QDomElement outerStaff;
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName() == QLatin1String("direction-type"))
            readDirectionType(child, noteIndex, reading.made, reading.tilde, reading.caret);
        else if (child.tagName() == QLatin1String("staff"))
            outerStaff = child;
    }

    if (!outerStaff.isNull()) {
        bool ok = false;
        const int number = outerStaff.text().trimmed().toInt(&ok);
        if (ok && number > MePart::maxStaves) {
            qDeleteAll(reading.made);
            if (refusal) {
                *refusal = QCoreApplication::translate(
                               "Score", "Staff number exceeded the maximum. Staff Number %1 "
                                        "(Maximum Staff Number %2)")
                               .arg(outerStaff.text())
                               .arg(MePart::maxStaves);
            }
            return false;
        }
        // MusicXML's staff belongs to the whole direction: every item of
        // this element stands on it. A staff below 1 or no number is ignored.
        const int index = staffIndex(outerStaff.text());
        if (index >= 0) {
            for (Direction *direction : std::as_const(reading.made))
                direction->staff = index;
        }
    }
    // The side the direction asks for holds for every item it made.
    const QString placement = element.attribute(QStringLiteral("placement"));
    const int side = placement == QLatin1String("above")   ? 1
                     : placement == QLatin1String("below") ? 2
                                                           : 0;
    for (Direction *direction : std::as_const(reading.made))
        direction->placement = side;
    voice->directions.append(reading.made);
    return true;
}

void Score::readDirectionType(const QDomElement &directionType, int noteIndex,
                              QList<Direction *> &made, bool &tilde, bool &caret)
{
    for (QDomElement item = directionType.firstChildElement(); !item.isNull();
         item = item.nextSiblingElement()) {
        const QString tag = item.tagName();
        if (tag == QLatin1String("dynamics")) {
            for (QDomElement mark = item.firstChildElement(); !mark.isNull();
                 mark = mark.nextSiblingElement()) {
                if (!MarkPairing::isDynamicsMark(mark.tagName()))
                    continue;
                auto *direction = new Direction;
                direction->kind = Dynamics;
                direction->text = mark.tagName();
                direction->noteIndex = noteIndex;
                readOffset(direction, mark);
                readScale(direction, mark);
                readInnerStaff(direction, directionType);
                made.append(direction);
            }
        } else if (tag == QLatin1String("words")) {
            made.append(readWords(item, directionType, noteIndex, tilde, caret));
        } else if (tag == QLatin1String("metronome")) {
            made.append(readMetronome(item, directionType, noteIndex));
        } else if (tag == QLatin1String("rehearsal")) {
            auto *direction = new Direction;
            direction->kind = Rehearsal;
            direction->text = ownText(item);
            // A mark before the measure's first note stands at the measure
            // start; a later one at its own beat, so that two marks of one
            // measure never share a spot.
            direction->noteIndex = noteIndex > 0 ? noteIndex : -1;
            readOffset(direction, item);
            readScale(direction, item);
            readInnerStaff(direction, directionType);
            made.append(direction);
        } else if (tag == QLatin1String("wedge")) {
            if (MarkPairing::directionItemCount(item) > 0)
                made.append(readWedge(item, noteIndex));
        } else if (tag == QLatin1String("bracket") || tag == QLatin1String("dashes")) {
            made.append(readLine(item, noteIndex, tilde, caret));
        } else if (tag == QLatin1String("octave-shift")) {
            auto *direction = new Direction;
            direction->number = spannerSlot(item);
            const QString type = item.attribute(QStringLiteral("type"));
            if (type == QLatin1String("down"))
                direction->kind = OctaveDown;
            else if (type == QLatin1String("up"))
                direction->kind = OctaveUp;
            else if (type == QLatin1String("stop"))
                direction->kind = OctaveStop;
            direction->noteIndex = noteIndex;
            readOffset(direction, item);
            readVisibility(direction, item);
            made.append(direction);
        } else if (tag == QLatin1String("coda") || tag == QLatin1String("segno")) {
            auto *direction = new Direction;
            direction->kind = tag == QLatin1String("coda") ? Coda : Segno;
            direction->noteIndex = -1;
            readOffset(direction, item);
            direction->rotation = readRotation(item, direction->rotation);
            const QDomElement rotation = item.firstChildElement(QStringLiteral("tarn-rotation"));
            if (direction->kind == Segno && !rotation.isNull())
                qDebug().noquote()
                    << "rot text =" << rotation.attribute(QStringLiteral("rotation"));
            readScale(direction, item);
            made.append(direction);
        }
    }
}

Direction *Score::readWords(const QDomElement &words, const QDomElement &directionType,
                            int noteIndex, bool &tilde, bool &caret)
{
    auto *direction = new Direction;
    direction->kind = Words;
    bool found = false;
    QPointF option;
    QString text = parseOffsetString(ownText(words), found, option);
    if (found)
        direction->setOffset(option.x(), option.y());
    // A trailing "~" or "^" asks the line that follows in this direction to
    // carry the mark on.
    if (text.endsWith(QLatin1Char('~'))) {
        text.chop(1);
        tilde = true;
    } else if (text.endsWith(QLatin1Char('^'))) {
        text.chop(1);
        caret = true;
    }
    direction->text = text;
    direction->noteIndex = noteIndex;
    const auto endWord = measureEndWords().constFind(text);
    if (endWord != measureEndWords().constEnd()) {
        direction->noteIndex = -2;
        direction->kind = endWord.value();
    }
    // A segno or coda that a notation program writes as its music font's
    // character alone is the sign itself.
    const QString sign = text.trimmed();
    if (sign == QChar(0xE047) || sign == QChar(0xE048)) {
        direction->kind = sign == QChar(0xE047) ? Segno : Coda;
        direction->noteIndex = -1;
    }
    readOffset(direction, words);
    readScale(direction, words);
    readFont(direction, words);
    direction->rotation = readRotation(words, direction->rotation);
    readVisibility(direction, words);
    readInnerStaff(direction, directionType);
    return direction;
}

Direction *Score::readMetronome(const QDomElement &metronome, const QDomElement &directionType,
                                int noteIndex)
{
    auto *direction = new Direction;
    direction->kind = Metronome;
    // The first beat unit with its dots, then "=" and the second unit or the
    // tempo, in the order the mark reads whatever the order of the elements.
    QStringList units;
    QString perMinute;
    bool unitKnown = false;
    for (QDomElement child = metronome.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("beat-unit")) {
            const QChar code = beatUnitCode(child.text().trimmed());
            unitKnown = !code.isNull();
            if (unitKnown)
                units.append(QString(code));
            else
                qDebug().noquote() << "metronome: beat unit" << child.text().trimmed()
                                   << "left out, line" << child.lineNumber();
        } else if (tag == QLatin1String("beat-unit-dot")) {
            if (unitKnown && !units.isEmpty())
                units.last() += QLatin1Char('.');
        } else if (tag == QLatin1String("per-minute")) {
            perMinute = child.text().simplified();
        }
    }
    QString text = units.value(0);
    const QString other = units.size() >= 2 ? units.at(1) : perMinute;
    if (!other.isEmpty())
        text += QStringLiteral(" = ") + other;
    if (!text.isEmpty() && metronome.attribute(QStringLiteral("parentheses")) == QLatin1String("yes"))
        text = QLatin1Char('(') + text + QLatin1Char(')');
    readOffset(direction, metronome);
    readScale(direction, metronome);
    direction->text = text;
    direction->noteIndex = noteIndex;
    readInnerStaff(direction, directionType);
    return direction;
}

Direction *Score::readWedge(const QDomElement &wedge, int noteIndex)
{
    auto *direction = new Direction;
    direction->number = spannerSlot(wedge);
    direction->noteIndex = noteIndex;
    const QString type = wedge.attribute(QStringLiteral("type"));
    if (type == QLatin1String("stop")) {
        direction->kind = WedgeStop;
        return direction;
    }
    direction->kind = type == QLatin1String("crescendo") ? Crescendo : Diminuendo;
    direction->text = type;
    readOffset(direction, wedge);
    readVisibility(direction, wedge);
    readScale(direction, wedge);
    return direction;
}

Direction *Score::readLine(const QDomElement &line, int noteIndex, bool tilde, bool caret)
{
    const bool dashes = line.tagName() == QLatin1String("dashes");
    auto *direction = new Direction;
    direction->text = tilde ? QStringLiteral("~") : (caret ? QStringLiteral("^") : QString());
    direction->number = spannerSlot(line) + (dashes ? dashesSlotOffset : 0);
    const QString type = line.attribute(QStringLiteral("type"));
    if (type == QLatin1String("start"))
        direction->kind = LineStart;
    else if (type == QLatin1String("stop"))
        direction->kind = LineStop;
    const QString end = line.attribute(QStringLiteral("line-end"));
    if (end == QLatin1String("up"))
        direction->lineEnd = 1;
    else if (end == QLatin1String("down"))
        direction->lineEnd = 2;
    const QString lineType = line.attribute(QStringLiteral("line-type"));
    if (lineType == QLatin1String("solid"))
        direction->lineType = 1;
    else if (lineType == QLatin1String("dashed"))
        direction->lineType = 2;
    else if (lineType == QLatin1String("dotted"))
        direction->lineType = 3;
    else if (dashes)
        direction->lineType = 2;
    direction->noteIndex = noteIndex;
    readOffset(direction, line);
    readScale(direction, line);
    readVisibility(direction, line);
    return direction;
}
