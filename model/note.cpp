#include "model/note.h"

#include "model/directive.h"
#include "model/fingering.h"
#include "model/harmonic.h"
#include "model/lyrics.h"
#include "model/notation.h"
#include "model/stopped.h"
#include "model/upbow.h"

Note::Note(QObject *parent) : QObject(parent) {}

Note::~Note()
{
    qDeleteAll(notations);
    qDeleteAll(fingerings);
    qDeleteAll(lyrics);
    qDeleteAll(directives);
    delete upBow;
    delete stopped;
    delete harmonic;
}

int Note::countBeamLevels() const
{
    for (int level = 0; level < levelCount; ++level) {
        if (beamTypes[level] == 0)
            return level;
    }
    return levelCount;
}

void Note::setOctaveInstOffset(double x, double y)
{
    octaveInstMoved = true;
    octaveInstOffsetX = x;
    octaveInstOffsetY = y;
}

int Note::beamLevelsOfType(int noteType)
{
    switch (noteType) {
    case 8:
        return 1;
    case 16:
        return 2;
    case 32:
        return 3;
    case 64:
        return 4;
    case 128:
        return 5;
    default:
        return 0;
    }
}

void Note::addImpliedFlags()
{
    // A grace note keeps its beams as read; a beamed note is already drawn.
    if (!rest && (grace || beamTypes[0] != 0))
        return;
    const int levels = beamLevelsOfType(noteType);
    for (int level = 0; level < levels; ++level)
        beamTypes[level] = 6;
}
