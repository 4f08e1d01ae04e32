// Lines drawn along the notes that stand for no model object of their own
// carry, under the data key TagLine, which kind of line they are, so that
// whatever keeps clear of them (and the page checks) can find them.
#pragma once

namespace LineTags {

constexpr int TagLine = 11; // beside the model tags of model/itemtags.h

enum Kind : int
{
    Hairpin = 1,     // one segment of a hairpin (a group of two lines)
    LyricHyphen = 2, // one hyphen between two syllables
    TimeTick = 3,    // one line (or piece of one) of a measure's time ticks
};

} // namespace LineTags
