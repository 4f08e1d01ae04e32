#include "model/credit.h"

Credit::Credit(const QString &text, QObject *parent) : QObject(parent), text(text) {}
