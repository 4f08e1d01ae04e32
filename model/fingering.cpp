#include "model/fingering.h"

Fingering::Fingering(QObject *parent) : QObject(parent) {}
