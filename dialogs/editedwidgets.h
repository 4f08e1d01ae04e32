// The input widgets of a settings form that the user changed since the
// dialog last loaded them.
//
// A settings dialog loads its widgets from a model object and, on Apply,
// writes back only the fields whose widgets are recorded here: the widgets
// cannot show every value the program itself stores (a spin box clamps and
// rounds), so a field the user never touched keeps its value exactly.
// Changes made while a Loading guard lives are not recorded.
#pragma once

#include <QObject>
#include <QSet>

class QWidget;

class EditedWidgets : public QObject
{
    Q_OBJECT

public:
    explicit EditedWidgets(QObject *parent = nullptr) : QObject(parent) {}

    // Records `widget` whenever its value, checked state, current index or
    // text changes. Check boxes, radio buttons, spin boxes, combo boxes and
    // line edits are understood; other widgets are ignored.
    void watch(QWidget *widget);

    bool contains(const QWidget *widget) const { return edited.contains(widget); }
    // Whether the change came from the widget itself (the user, or a rule
    // the user's change set off) rather than from mark().
    bool changedByUser(const QWidget *widget) const { return byUser.contains(widget); }
    // Counts `widget` as edited, as the dialog's own doing ("Set Default
    // Values").
    void mark(const QWidget *widget)
    {
        edited.insert(widget);
        byUser.remove(widget);
    }
    void clear()
    {
        edited.clear();
        byUser.clear();
    }

    // While it lives, changes are the dialog's own (loading), not edits.
    class Loading
    {
    public:
        explicit Loading(EditedWidgets &record) : record(record), outer(record.loading)
        {
            record.loading = true;
        }
        ~Loading() { record.loading = outer; }
        Loading(const Loading &) = delete;
        Loading &operator=(const Loading &) = delete;

    private:
        EditedWidgets &record;
        bool outer;
    };

private:
    void record(const QWidget *widget);

    QSet<const QWidget *> edited;
    QSet<const QWidget *> byUser;
    bool loading = false;
};
