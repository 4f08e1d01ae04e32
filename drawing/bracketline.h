// The bracket-line drawer of one part: solid, dashed, dotted, wavy or
// zigzag bracket lines with their end hooks.
//
// A plain object owned by its Part; holds the Score and Part it serves
// without owning them.
#pragma once

class Part;
class Score;

class BracketLine
{
public:
    BracketLine(Score *score, Part *part);

    Score *score = nullptr;
    Part *part = nullptr;
};
