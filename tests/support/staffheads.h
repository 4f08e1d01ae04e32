// Test-only stand-in for the staff-notation note worker: one quarter-note
// head glyph per note of a StaffNotation part, at its staff step, so that
// spans of staff notation have glyphs to measure from.
//
// Call between VoiceScore::prepare() and layOut(). Rests get no item. The
// glyphs belong to the voices' aligned items (and to the scene once drawn).
#pragma once

class Score;

namespace TestSupport {
class VoiceScore;
}

namespace TestSupport {

void giveStaffHeads(Score &score, int part);

// Builds the fixture; with `staff` its first part gets the stand-in heads.
void drawVoiceScore(VoiceScore &f, bool staff);

} // namespace TestSupport
