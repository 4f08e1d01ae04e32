#include "layout/aligner.h"

#include "layout/alignitem.h"

Aligner::Aligner(Score *score, QObject *parent) : QObject(parent), score(score) {}

Aligner::~Aligner()
{
    clearLists();
}

void Aligner::clearLists()
{
    qDeleteAll(tickList);
    tickList.clear();
    itemLists.clear();
    timeAlignedLists.clear();
}
