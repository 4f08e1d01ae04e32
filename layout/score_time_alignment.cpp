// Score's share of the time alignment: setting up the time ticks of each
// measure before the glyph selection fills its voices.
#include "layout/aligner.h"
#include "model/measure.h"
#include "model/score.h"

int Score::setUpMeasureTics(Measure *measure)
{
    if (!measure->aligner)
        measure->aligner = new Aligner(this);
    measure->aligner->setUpTics(measure->beats, measure->beatType, measure->divisions,
                                measure->voiceOneLength);
    return 1;
}
