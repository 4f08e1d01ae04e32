// Score's note marks that later steps draw: articulations, fingerings,
// bowing and technique marks. The voice step already calls each of them in
// its place; until their own files replace this one they draw nothing.
#include "model/score.h"

void Score::genArticulationItems(int, int, int, int, Note *, double) {}

void Score::genFingeringItems(int, int, int, int, Note *, double) {}

int Score::genBowingItems(int, int, int, int, Note *, double)
{
    return 0;
}

void Score::genTechniqueItems(int, int, int, int, Note *, int, Directive *) {}
