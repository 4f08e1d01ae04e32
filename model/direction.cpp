#include "model/direction.h"

Direction::Direction(QObject *parent) : QObject(parent)
{
    font.setFamily(QString());
    font.setPointSizeF(12.0);
}
