// Hairpin ends: once every direction stands in place, a hairpin that starts
// or ends where a dynamic stands on its side of the notes is shortened to
// stop clear of it ("pp < ff" reads as three signs, not as a wedge through
// two). Changes only the hairpins' line items in the score's scene.
#pragma once

class Score;

namespace HairpinEnds {

void clearOfDynamics(Score &score);

} // namespace HairpinEnds
