// The note names a pitch may carry in one part: an ordered map from pitch
// key (MIDI note number minus 58, plus the note's shift) to the accepted
// names, the first of which is the default. Built once by a scale builder,
// then only read; many notes share one scale through a pointer.
#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class NoteScale
{
public:
    // Adds `name` at the end of the key's list, creating the list when the
    // key has no entry yet. Tuning-driven builders fill scales this way, so
    // where several strings reach one pitch the list keeps their visit order.
    void appendScaleName(int key, const QString &name);
    // Stores a whole list under the key, replacing any list it had. An empty
    // list removes the key, so a key without names never has an entry.
    void setNames(int key, const QStringList &names);

    // A copy of the key's names; empty for a key that was never filled.
    QStringList names(int key) const { return m_names.value(key); }
    // The default name of the key; empty when the key has no names.
    QString defaultName(int key) const;
    bool contains(int key) const { return m_names.contains(key); }
    bool isEmpty() const { return m_names.isEmpty(); }
    int keyCount() const { return int(m_names.size()); }
    // Keys in ascending order: the order in which a reverse lookup walks.
    QList<int> keys() const { return m_names.keys(); }
    // The whole table, keys ascending, for walks over every key.
    const QMap<int, QStringList> &table() const { return m_names; }

    bool operator==(const NoteScale &other) const { return m_names == other.m_names; }
    bool operator!=(const NoteScale &other) const { return !(*this == other); }

private:
    QMap<int, QStringList> m_names;
};
