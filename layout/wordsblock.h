// Words that stand together as one block of text: consecutive words of a
// voice at one note, on one side and staff (a notation program writes a
// text of several lines as several words of one direction, and two texts at
// one place must not run into each other), and a metronome mark that
// follows a tempo word there. The block's first member draws the whole text;
// the others draw nothing of their own. A hand move of the block is stored
// on its first member alone, so a moved first member still leads the
// others; a later member moved on its own (as an older file may hold it)
// stands apart where its offset puts it.
//
// Lines: each words on a line of its own, except where a blank stands
// between two (a change of style inside one line); a metronome mark reads
// on in the line before it.
#pragma once

#include "model/direction.h"

#include <QList>
#include <QString>

namespace WordsBlock {

// A "D.C." or "D.S." instruction is a repeat sign of its own, drawn even
// where the part's other texts are not.
inline bool isRepeatWords(const Direction *direction)
{
    return direction->text.startsWith(QLatin1String("D.C.")) ||
           direction->text.startsWith(QLatin1String("D.S."));
}

inline bool continues(const Direction *before, const Direction *direction)
{
    using namespace DirectionKind;
    return before->kind == Words && !isRepeatWords(before) && !isRepeatWords(direction) &&
           (direction->kind == Words || direction->kind == Metronome) &&
           before->noteIndex == direction->noteIndex && before->placement == direction->placement &&
           before->staff == direction->staff && before->visibility == direction->visibility &&
           !direction->moved;
}

// True when the direction at `index` of `shown` continues the block of the
// one before it.
inline bool isFollower(const QList<Direction *> &shown, int index)
{
    return index > 0 && index < shown.size() && continues(shown.at(index - 1), shown.at(index));
}

inline QString join(const QString &before, const QString &after, bool sameLine)
{
    if (before.isEmpty() || after.isEmpty())
        return before + after;
    if (sameLine)
        return before + QLatin1Char(' ') + after;
    if (before.back().isSpace() || after.front().isSpace())
        return before + after;
    return before + QLatin1Char('\n') + after;
}

// The text of the block that starts at `index` of `shown`, from each
// member's own text as `line` gives it; empty for a follower.
template <typename LineOf> QString text(const QList<Direction *> &shown, int index, LineOf line)
{
    if (index < 0 || index >= shown.size() || isFollower(shown, index))
        return QString();
    QString text = line(shown.at(index));
    for (int i = index + 1; i < shown.size() && isFollower(shown, i); ++i)
        text = join(text, line(shown.at(i)), shown.at(i)->kind == DirectionKind::Metronome);
    return text;
}

} // namespace WordsBlock
