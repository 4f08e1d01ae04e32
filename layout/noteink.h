// The ink of a part's notes as drawn that a text meets: note heads, stems,
// flags, beams, ledger lines and accidentals, read from the score's scene
// once every note stands in place, and how far a text must move across the
// line to clear them. Scene units throughout; reads the scene only.
#pragma once

#include "layout/boxgrid.h"

#include <QList>
#include <QRectF>

class QGraphicsItem;
class Score;

namespace NoteInk {

// How far `box` must move across the line in the direction `away` (+1
// toward larger coordinates) to clear the ink of `part`'s notes that meets
// it: a glyph's outline, the piece of a beam over the box's stretch of the
// line, a stem's box, the octave marks beside a note's name. 0 when none
// does. Asks the scene: for one text.
double depth(const Score &score, int part, const QRectF &box, double away);

// The note ink of the whole picture, read once and filed by place, for
// many texts in a row. Holds the scene's items, not owned: valid while the
// picture stands.
class Map
{
public:
    explicit Map(const Score &score);
    // As depth() above; only the ink of the measures of `stage` counts: the
    // notes of the next stage stand beyond the text, not between it and
    // its own notes.
    double depth(int part, int stage, const QRectF &box, double away) const;

private:
    struct Ink
    {
        const QGraphicsItem *item;
        int part;
        int stage;
    };
    bool m_horizontal;
    QList<Ink> m_ink;
    BoxGrid m_grid;
};

} // namespace NoteInk
