// Test-only stand-in for the staff-notation note worker: one quarter-note
// head glyph per note of a StaffNotation part, at its staff step, so that
// spans of staff notation have glyphs to measure from.
//
// Call between VoiceScore::prepare() and layOut(). Rests get no item. The
// glyphs belong to the voices' aligned items (and to the scene once drawn).
#pragma once

class Score;

namespace TestSupport {

void giveStaffHeads(Score &score, int part);

} // namespace TestSupport
