// Score's readers of the measure-level elements other than notes and
// directions: `forward`, `barline` and `attributes`.
#include "model/score.h"

#include "document/readbounds.h"
#include "document/settingsvalues.h"
#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/part.h"
#include "model/staffclef.h"
#include "model/voice.h"

#include <QPointF>
#include <QStringList>

namespace {

int intOf(const QString &text)
{
    return SettingsValues::readInt(text.trimmed());
}

// BarStyle code of a `bar-style` text; -1 for a text outside the table.
int barStyleOf(const QString &text)
{
    static const QStringList styles = {"light-heavy", "light-light", "heavy-light", "dotted",
                                       "dashed"};
    if (text == QLatin1String("tick") || text == QLatin1String("short"))
        return 6;
    const int index = int(styles.indexOf(text));
    return index < 0 ? -1 : index + 1;
}

void readEnding(Measure *measure, bool left, const QDomElement &ending, bool horizontal)
{
    measure->endingNumberText = ending.attribute(QStringLiteral("number"));
    measure->endingNumber = intOf(measure->endingNumberText);
    const QString type = ending.attribute(QStringLiteral("type"));
    if (left) {
        if (type != QLatin1String("start"))
            return;
        measure->endingType = 1;
        const QDomElement offset = ending.firstChildElement(QStringLiteral("tarn-offset"));
        if (!offset.isNull()) {
            const QPointF stored = Score::parseOffsetXml(offset);
            measure->endingOffsetX = stored.x();
            measure->endingOffsetY = stored.y();
        } else if (horizontal) {
            measure->endingOffsetX = 0.2;
            measure->endingOffsetY = -0.8;
        } else {
            measure->endingOffsetX = 0.1;
            measure->endingOffsetY = 0.2;
        }
        return;
    }
    // A stop or discontinue in the measure that started the ending makes a
    // one-measure ending.
    if (type == QLatin1String("stop"))
        measure->endingType = measure->endingType == 1 ? 4 : 2;
    else if (type == QLatin1String("discontinue"))
        measure->endingType = measure->endingType == 1 ? 5 : 3;
}

// "3+2" counts 5 beats; a piece that is not a number adds 0.
// Beats and beat types far beyond any time signature are clamped; they
// size loops over the beats of a measure.
int beatsOf(const QString &text)
{
    if (!text.contains(QLatin1Char('+')))
        return ReadBounds::clampOffset(intOf(text));
    qint64 sum = 0;
    for (const QString &piece : text.split(QLatin1Char('+')))
        sum += intOf(piece);
    return ReadBounds::clampOffset(ReadBounds::saturatedInt(sum));
}

} // namespace

int Score::parseForwardDuration(const QDomElement &element)
{
    return intOf(childElementText(element, QStringLiteral("duration")));
}

bool Score::parseMeasureBarline(Measure *measure, const QDomElement &element) const
{
    const QString location = element.attribute(QStringLiteral("location"));
    const bool left = location == QLatin1String("left");
    if (!left && location != QLatin1String("right"))
        return true;
    (left ? measure->leftBarline : measure->rightBarline) = true;
    const bool horizontal = page && page->horizontal;
    SettingsValues::forEachChildElement(element, [&](const QDomElement &child) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("bar-style")) {
            const int style = barStyleOf(child.text());
            if (style >= 0)
                (left ? measure->leftBarStyle : measure->rightBarStyle) = style;
        } else if (tag == QLatin1String("repeat")) {
            const QString direction = child.attribute(QStringLiteral("direction"));
            int &repeat = left ? measure->leftRepeat : measure->rightRepeat;
            if (direction == QLatin1String("forward"))
                repeat = 1;
            else if (direction == QLatin1String("backward"))
                repeat = 2;
        } else if (tag == QLatin1String("ending")) {
            readEnding(measure, left, child, horizontal);
        }
    });
    return true;
}

bool Score::parseMeasureAttributes(int partIndex, Measure *measure, int voiceIndex, int noteIndex,
                                   const QDomElement &element)
{
    SettingsValues::forEachChildElement(element, [&](const QDomElement &child) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("divisions")) {
            // No count of divisions per quarter is 0 or less: such a value
            // reads as none, and the measure keeps the carried one.
            const int divisions = intOf(child.text());
            if (divisions <= 0)
                return;
            measure->divisionsGiven = true;
            measure->divisions = divisions;
        } else if (tag == QLatin1String("key")) {
            measure->keyGiven = true;
            const QDomElement fifths = child.firstChildElement(QStringLiteral("fifths"));
            if (!fifths.isNull())
                measure->fifths = ReadBounds::clampOffset(intOf(fifths.text()));
        } else if (tag == QLatin1String("time")) {
            measure->timeGiven = true;
            SettingsValues::forEachChildElement(child, [measure](const QDomElement &item) {
                if (item.tagName() == QLatin1String("beats")) {
                    measure->beatsText = item.text();
                    measure->beats = beatsOf(item.text());
                } else if (item.tagName() == QLatin1String("beat-type")) {
                    measure->beatType = ReadBounds::clampOffset(intOf(item.text()));
                }
            });
        } else if (tag == QLatin1String("measure-style")) {
            measure->multipleRest = intOf(childElementText(child, QStringLiteral("multiple-rest")));
        } else if (tag == QLatin1String("staves")) {
            if (partIndex >= 0 && partIndex < parts.size())
                parts.at(partIndex)->staffCount = intOf(child.text());
        } else if (tag == QLatin1String("clef")) {
            readClef(partIndex, measure, voiceIndex, noteIndex, child);
        }
    });
    return true;
}

void Score::readClef(int partIndex, Measure *measure, int voiceIndex, int noteIndex,
                     const QDomElement &clef)
{
    if (partIndex < 0 || partIndex >= measure->parts.size())
        return;
    MePart *cell = measure->parts.at(partIndex);
    const int number = intOf(clef.attribute(QStringLiteral("number"), QStringLiteral("1")));
    if (number < 1 || number > MePart::maxStaves)
        return;
    const int staff = number - 1;
    Note *changed = nullptr;
    if (noteIndex != 0) {
        // Inside the measure the change sits on the note that follows it, on
        // that note's staff.
        if (voiceIndex < 0 || voiceIndex >= MePart::voiceCount)
            return;
        const QList<Note *> &notes = cell->voices.at(voiceIndex)->notes;
        if (noteIndex < 0 || noteIndex >= notes.size())
            return;
        changed = notes.at(noteIndex);
    }
    const QDomElement sign = clef.firstChildElement(QStringLiteral("sign"));
    if (sign.isNull())
        return;
    const QString code =
        StaffClef::code(sign.text(), intOf(childElementText(clef, QStringLiteral("line"))),
                        intOf(childElementText(clef, QStringLiteral("clef-octave-change"))));
    if (changed) {
        changed->clefChange = true;
        changed->clef = code;
    } else {
        cell->clefGiven[staff] = true;
        cell->clefSigns[staff] = code;
    }
}
