#include "model/lyrics.h"

Lyrics::Lyrics(const QString &text, QObject *parent) : QObject(parent), text(text) {}
