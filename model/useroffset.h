// The user offset that every movable element object carries: a moved flag
// and x, y in note sizes of the element's part (the generators multiply
// them by the note size). The offset applies only while `moved` is set, so
// setting (0, 0) still counts as a move (the user dragged it back exactly).
// Move commands and the document readers set it; the next regeneration
// draws the object there.
#pragma once

struct UserOffset
{
    bool moved = false;
    double x = 0.0; // note sizes
    double y = 0.0; // note sizes

    void setOffset(double offsetX, double offsetY)
    {
        moved = true;
        x = offsetX;
        y = offsetY;
    }
};
