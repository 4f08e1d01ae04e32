#include "support/staffheads.h"

#include "model/measure.h"
#include "model/mepart.h"
#include "model/note.h"
#include "model/page.h"
#include "model/score.h"
#include "model/voice.h"
#include "support/voicescore.h"

namespace TestSupport {

void giveStaffHeads(Score &score, int part)
{
    const bool horizontal = score.page->horizontal;
    for (Measure *m : std::as_const(score.measures)) {
        for (int v = 0; v < MePart::voiceCount; ++v) {
            for (Note *note : std::as_const(m->parts.at(part)->voices.at(v)->notes)) {
                if (note->rest) {
                    note->firstAlignItem = -1;
                    continue;
                }
                QString glyph =
                    horizontal ? QStringLiteral("QuarterNote") : QStringLiteral("QuarterNote_V");
                const int index = m->getItemCount(part, v);
                const double cross =
                    score.getStaffStepOffset(part, score.getStaffStep(m, part, note));
                // Chord members stand on their chord's first head.
                m->addNoteItem3(part, v, glyph, note->noteType, false, note->chord ? 5 : 1, false,
                                0, cross, note->startTime, 1.0, 1.0);
                note->firstAlignItem = note->noteAlignItem = index;
                note->alignItemBegin = note->alignItemEnd = index;
                // The stem side the staff worker would have chosen.
                note->stemShown = note->stem;
            }
        }
    }
}

} // namespace TestSupport

void TestSupport::drawVoiceScore(VoiceScore &f, bool staff)
{
    if (!staff) {
        f.build();
        return;
    }
    f.prepare();
    giveStaffHeads(f.score, 0);
    f.layOut();
    f.generate();
}
