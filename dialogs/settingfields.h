// One row of a settings form: an input widget paired with a field of the
// model object it edits (Page, Style), and how the value passes between
// them. Values pass unchanged; the widget's own range and decimals are the
// only bounds when it shows a value.
#pragma once

#include "dialogs/editedwidgets.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QString>

#include <cmath>
#include <variant>

template <class Settings> struct SettingField
{
    using Member =
        std::variant<bool Settings::*, int Settings::*, double Settings::*, QString Settings::*>;

    QWidget *widget = nullptr;
    Member member;
    // The second button of a two-way pair: it shows the negation, and
    // storing reads the first button only.
    QAbstractButton *opposite = nullptr;
    // Stored without its fraction when the user typed it (a length in
    // whole millimetres).
    bool wholeNumber = false;

    // Shows the field of `source` in the widget (and its pair).
    void show(const Settings *source) const
    {
        if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            const bool value = source->*std::get<bool Settings::*>(member);
            button->setChecked(value);
            if (opposite)
                opposite->setChecked(!value);
        } else if (auto *box = qobject_cast<QDoubleSpinBox *>(widget)) {
            box->setValue(source->*std::get<double Settings::*>(member));
        } else if (auto *box = qobject_cast<QSpinBox *>(widget)) {
            box->setValue(source->*std::get<int Settings::*>(member));
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            // An index the list cannot show selects no item.
            const int index = source->*std::get<int Settings::*>(member);
            combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
        } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            edit->setText(source->*std::get<QString Settings::*>(member));
        }
    }

    // Writes what the widget shows into the field of `target`; `typed`
    // tells whether the user changed the widget.
    void store(Settings *target, bool typed = true) const
    {
        if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            target->*std::get<bool Settings::*>(member) = button->isChecked();
        } else if (auto *box = qobject_cast<QDoubleSpinBox *>(widget)) {
            const double value = box->value();
            target->*std::get<double Settings::*>(member) =
                wholeNumber && typed ? std::trunc(value) : value;
        } else if (auto *box = qobject_cast<QSpinBox *>(widget)) {
            target->*std::get<int Settings::*>(member) = box->value();
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            target->*std::get<int Settings::*>(member) = combo->currentIndex();
        } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            target->*std::get<QString Settings::*>(member) = edit->text();
        }
    }

    void watchIn(EditedWidgets &record) const
    {
        record.watch(widget);
        if (opposite)
            record.watch(opposite);
    }

    bool editedIn(const EditedWidgets &record) const
    {
        return record.contains(widget) || (opposite && record.contains(opposite));
    }

    // Writes the field when its widget was edited since the last load.
    void storeIfEdited(Settings *target, const EditedWidgets &record) const
    {
        if (editedIn(record))
            store(target, record.changedByUser(widget));
    }
};
