// One row of the note-directive palette, a group heading or a directive
// entry: drawn in "Yu Gothic" at 14 points, never selectable nor editable.
// The palette builder gives it its text, and an entry its icon and its
// directive text (role Qt::UserRole + 1). Owned by the palette's model once
// appended.
#pragma once

#include <QStandardItem>

class MyQStandardItem : public QStandardItem
{
public:
    MyQStandardItem();
    ~MyQStandardItem() override;
};
