#include "model/stopped.h"

Stopped::Stopped(QObject *parent) : QObject(parent) {}
