// Lines drawn along the notes that stand for no model object of their own
// carry, under the data key TagLine, which kind of line they are, so that
// whatever keeps clear of them (and the page checks) can find them.
#pragma once

namespace LineTags {

constexpr int TagLine = 11; // beside the model tags of model/itemtags.h

// The lines and dots of a repeat sign (a bar line with dots) carry true
// under this key: texts may run over a plain bar line, as engraved music
// lets them, but never through a repeat sign.
constexpr int TagRepeatSign = 15; // beside SheetTextTags' keys

enum Kind : int
{
    Hairpin = 1,     // one segment of a hairpin (a group of two lines)
    LyricHyphen = 2, // one hyphen between two syllables
    TimeTick = 3,    // one line (or piece of one) of a measure's time ticks
};

} // namespace LineTags
