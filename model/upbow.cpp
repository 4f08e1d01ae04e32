#include "model/upbow.h"

UpBow::UpBow(QObject *parent) : QObject(parent) {}
