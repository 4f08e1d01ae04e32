#include "model/notation.h"

Notation::Notation(QObject *parent) : QObject(parent) {}
