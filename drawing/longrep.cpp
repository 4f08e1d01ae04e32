#include "drawing/longrep.h"

LongRep::LongRep(Score *score, Part *part, QObject *parent)
    : QObject(parent), score(score), part(part)
{
}
