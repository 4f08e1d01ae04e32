// Points a score at a deep copy of its own document for as long as this
// object lives: the score's `document` and every element its model holds
// (part list, part and measure elements, notes, lyrics, fingerings,
// directives, credits) are redirected to their counterparts in the copy,
// and all of them are put back on destruction. Whatever a builder does in
// between (rewriting elements, giving model objects new elements) touches
// only the copy, so the score's document and model stay as they were.
//
// Elements that no longer stand in the document (taken out by an earlier
// build) keep pointing where they did. Never fails. The Score must outlive
// this object and keep the same model objects meanwhile.
#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QList>
#include <QPair>

class Score;

class DocumentRedirect
{
public:
    explicit DocumentRedirect(Score *score);
    ~DocumentRedirect();
    DocumentRedirect(const DocumentRedirect &) = delete;
    DocumentRedirect &operator=(const DocumentRedirect &) = delete;

private:
    void collectSlots();
    void redirectSlots();

    Score *m_score;
    QDomDocument m_original;
    QDomDocument m_copy;
    // Each element reference of the model with the value it had.
    QList<QPair<QDomElement *, QDomElement>> m_saved;
};
