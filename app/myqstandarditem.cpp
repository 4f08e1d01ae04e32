#include "app/myqstandarditem.h"

#include <QFont>

MyQStandardItem::MyQStandardItem()
{
    setFlags(flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEditable));
    setData(QFont(QStringLiteral("Yu Gothic"), 14), Qt::FontRole);
}

MyQStandardItem::~MyQStandardItem() = default;
