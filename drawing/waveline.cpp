#include "drawing/waveline.h"

WaveLine::WaveLine(Score *score, Part *part, QObject *parent)
    : QObject(parent), score(score), part(part)
{
}
