#include "notenames/notescale.h"

void NoteScale::appendScaleName(int key, const QString &name)
{
    m_names[key].append(name);
}

void NoteScale::setNames(int key, const QStringList &names)
{
    if (names.isEmpty()) {
        m_names.remove(key);
        return;
    }
    m_names.insert(key, names);
}

QString NoteScale::defaultName(int key) const
{
    const auto found = m_names.constFind(key);
    return found == m_names.constEnd() ? QString() : found->constFirst();
}
