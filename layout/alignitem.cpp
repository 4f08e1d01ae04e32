#include "layout/alignitem.h"

AlignItem::AlignItem(QObject *parent) : QObject(parent) {}
