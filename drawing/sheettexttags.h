// Texts of the sheet that stand for no model object (the measure number at
// the start of a line) carry, under the data key TagSheetText, which text
// they are, so that the generation can find them again once the notes are
// drawn, and the page checks can tell them from the other texts.
#pragma once

namespace SheetTextTags {

constexpr int TagSheetText = 12; // beside LineTags::TagLine
// The scene x (or y, in vertical writing) that a measure number's start
// may move on to, along the line, to keep clear of the notes.
constexpr int TagSlideEnd = 13;
// The scene x range (a QPointF: from, to) left of the stage's frame that a
// measure number may stand in, inside the printer's margin, when nothing in
// the line leaves it room.
constexpr int TagMarginRoom = 14;

enum Kind : int
{
    MeasureNumber = 1,
};

} // namespace SheetTextTags
