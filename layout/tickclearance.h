// Time ticks clear of ink: once every glyph and text stands in place, a
// time tick that runs into a note glyph, a lyric, a direction or another
// mark stops short of it, and goes on beyond it where line is left there,
// so that "Moderato" or a press mark reads whole and the tick still shows
// where its beat falls. Changes only the tick lines in the score's scene.
#pragma once

class Score;

namespace TickClearance {

void clearOfInk(Score &score);

} // namespace TickClearance
