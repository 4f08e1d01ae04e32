#include "model/harmonic.h"

Harmonic::Harmonic(QObject *parent) : QObject(parent) {}
