#include "dialogs/editedwidgets.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>

void EditedWidgets::watch(QWidget *widget)
{
    const auto changed = [this, widget] { record(widget); };
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        connect(button, &QAbstractButton::toggled, this, changed);
    else if (auto *box = qobject_cast<QDoubleSpinBox *>(widget))
        connect(box, &QDoubleSpinBox::valueChanged, this, changed);
    else if (auto *box = qobject_cast<QSpinBox *>(widget))
        connect(box, &QSpinBox::valueChanged, this, changed);
    else if (auto *combo = qobject_cast<QComboBox *>(widget))
        connect(combo, &QComboBox::currentIndexChanged, this, changed);
    else if (auto *edit = qobject_cast<QLineEdit *>(widget))
        connect(edit, &QLineEdit::textChanged, this, changed);
}

void EditedWidgets::record(const QWidget *widget)
{
    if (loading)
        return;
    edited.insert(widget);
    byUser.insert(widget);
}
