#include "drawing/beams.h"

Beams::Beams(Score *score, QObject *parent) : QObject(parent), score(score) {}
